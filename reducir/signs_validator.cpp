#include "reducir/signs_validator.h"

#include "core/column.h"
#include "core/typed_signs.h"

using namespace lumo;

QValidator::State SignsValidator::validate(QString& input, int& /*position*/) const {
    int signs = 0;
    for (const QChar c : input) {
        if (c == u'1' || c == u'2' || c == u'X' || c == u'x') {
            ++signs;
        } else if (c != u' ' && c != u'-' && c != u'\t') {
            return Invalid;
        }
    }
    if (signs > kMatches) {
        return Invalid;
    }
    return ColumnFromTypedSigns(input.toStdString()) ? Acceptable : Intermediate;
}
