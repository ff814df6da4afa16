#include "platform/bet_clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "betfile/clipboard_text.h"
#include "platform/message_box.h"

using namespace lumo;

namespace {

const QString kNoMemoryForCopyText = QStringLiteral(
    "No hay memoria suficiente para copiar la apuesta. El portapapeles no ha cambiado.");

// Puts the plain 8-bit text `makeText` gives on the clipboard; a lack of
// memory on the way is told and leaves the clipboard as it was.
template <typename MakeText>
void SetClipboardText(QWidget* parent, MakeText&& makeText) {
    std::unique_ptr<QMimeData> data;
    try {
        data = std::make_unique<QMimeData>();
        data->setData(QStringLiteral("text/plain"), makeText());
    } catch (const std::bad_alloc&) {
        ShowMessage(parent, kNoMemoryForCopyText);
        return;
    }
    QGuiApplication::clipboard()->setMimeData(data.release());
}

}  // namespace

void CopyBetToClipboard(QWidget* parent, const CColumnSet& bet, const CopyLimit& limit) {
    if (bet.Count() > std::min(limit.columns, kClipboardColumnLimit)) {
        ShowMessage(parent, limit.refusal);
        return;
    }
    // The block's text is everything before its first zero byte.
    SetClipboardText(parent, [&bet] { return QByteArray(ClipboardBlock(bet).data()); });
}

void CopyWholeBetToClipboard(QWidget* parent, const CColumnSet& bet) {
    SetClipboardText(parent, [&bet] {
        const std::string text = WholeClipboardText(bet);
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    });
}
