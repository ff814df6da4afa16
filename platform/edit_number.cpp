#include "platform/edit_number.h"

#include <QByteArray>
#include <QLineEdit>
#include <string_view>

#include "text/read_number.h"

using namespace lumo;

std::int32_t ReadEditNumber(const QLineEdit& edit, qsizetype maxLength) {
    const QByteArray text = edit.text().left(maxLength).toLatin1();
    return ReadNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

std::int32_t ReadEditNumber(const QLineEdit& edit) {
    return ReadEditNumber(edit, edit.text().size());
}
