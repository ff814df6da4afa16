#pragma once

#include <QRect>
#include <QSize>

class QFont;

// Dialog units to pixels, as the platform the layout was drawn for maps them: the
// base width is the dialog font's average character width, measured on
// "A…Za…z" and rounded; the base height is the font's line pitch, the
// distance at which wrapped text puts its lines here (the character height
// there, where lines are set that far apart), rounded up to whole pixels. A
// horizontal unit is a quarter of the base width, a vertical unit an eighth
// of the base height, so a text 8 units high holds one line.
struct DialogBaseUnits {
    int width;
    int height;

    // x × width ÷ 4 and y × height ÷ 8, each rounded to the nearest pixel.
    QRect ToPixels(int x, int y, int w, int h) const;
    QSize ToPixels(int w, int h) const;
};

// The base units of `font` on the default screen.
DialogBaseUnits MeasureBaseUnits(const QFont& font);

// The base width for a measured advance of the 52 letters A…Z a…z: their
// average rounded to the nearest pixel, computed as that platform does.
int BaseWidthFromLetters(int lettersAdvance);
