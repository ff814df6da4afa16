#include "platform/dialog_fonts.h"

#include <QFontMetrics>

QFont DialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setWeight(QFont::Normal);
    return font;
}

QFont CreateCellFont(const QString& face, int cellHeight, FontWeight weight) {
    QFont font(face);
    font.setWeight(weight == FontWeight::kBold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferFullHinting);
    int pixelSize = cellHeight;
    font.setPixelSize(pixelSize);
    while (pixelSize > 1 && QFontMetrics(font).height() > cellHeight) {
        font.setPixelSize(--pixelSize);
    }
    return font;
}
