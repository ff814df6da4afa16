#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "platform/dialog_units.h"

// Fonts chosen the way the layout asks for them: by face, cell height and
// weight. Faces missing here (Courier New, Arial, MS Sans Serif) resolve
// through fontconfig to their metric-compatible Liberation fonts.

enum class FontWeight { kNormal, kBold };

// The pixel sizes of the dialog font, largest first: the full size, and the
// smaller one that a screen too small for it gets. Only sizes at which every
// label and the forecast rows still fit their places: at 14 and 11 pixels
// the base width rounds down so far that some labels do not, at 12 a fixed
// match "100 00 00" loses its last digit.
inline constexpr std::array<int, 2> kDialogFontSizes{15, 13};
inline constexpr int kDialogFontPixels = kDialogFontSizes.front();

// The font of the dialogs, in place of MS Sans Serif 8 pt. Its size sets the
// dialog units, so it must leave room for the parts the layout sizes in
// pixels: the list font's rows in the forecast list (a fixed match shows as
// "100 00 00", nine cells of 8 pixels in a box 35 units wide), the step
// font's numerals, the list view's columns of 180 + 30 + 30 pixels. At the
// 6 × 13 base units of MS Sans Serif 8 pt they do not fit. Liberation Sans (Arial's
// metrics) at 15 pixels gives base units 9 × 18, where they do, and keeps
// every label on its one line and every note within its lines. It is sized
// in pixels like those fonts, so the proportions hold at any screen
// resolution. A smaller `pixelSize` serves screens where the full size does
// not fit; the pixel sizes of the layout then shrink with it (LayoutPixels).
QFont DialogFont(int pixelSize = kDialogFontPixels);

// `pixels` of the layout, given for the full-size dialog font, for a dialog
// whose font has the base units `units`: scaled by the smaller of the two
// ratios (width, height) to the full-size font's base units and rounded
// down, so that what is sized in pixels still fits the smaller controls.
// Unchanged at the full size.
int LayoutPixels(int pixels, const DialogBaseUnits& units);

// A font whose character cell (ascent + descent) is at most `cellHeight`
// pixels, as close to it as the face allows, with whole-pixel glyph advances
// like the fonts the layout was drawn with.
QFont CreateCellFont(const QString& face, int cellHeight, FontWeight weight);
