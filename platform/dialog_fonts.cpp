#include "platform/dialog_fonts.h"

#include <QFontMetrics>

QFont DialogFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

int LayoutPixels(int pixels, const DialogBaseUnits& units) {
    const DialogBaseUnits full = MeasureBaseUnits(DialogFont());
    // The smaller ratio of units.width / full.width and units.height / full.height.
    const bool widthIsSmaller = units.width * full.height <= units.height * full.width;
    const int numerator = widthIsSmaller ? units.width : units.height;
    const int denominator = widthIsSmaller ? full.width : full.height;
    return pixels * numerator / denominator;
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
