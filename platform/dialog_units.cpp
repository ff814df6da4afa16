#include "platform/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <cmath>

namespace {

// value × numerator ÷ denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

QRect DialogBaseUnits::ToPixels(int x, int y, int w, int h) const {
    return {ScaleRounded(x, width, 4), ScaleRounded(y, height, 8), ScaleRounded(w, width, 4),
            ScaleRounded(h, height, 8)};
}

QSize DialogBaseUnits::ToPixels(int w, int h) const {
    return {ScaleRounded(w, width, 4), ScaleRounded(h, height, 8)};
}

int BaseWidthFromLetters(int lettersAdvance) {
    return (lettersAdvance / 26 + 1) / 2;
}

DialogBaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {BaseWidthFromLetters(letters),
            static_cast<int>(std::ceil(QFontMetricsF(font).lineSpacing()))};
}
