#pragma once

#include <QFont>
#include <QString>

// Fonts chosen the way the layout asks for them: by face, cell height and
// weight. Faces missing here (Courier New, Arial, MS Sans Serif) resolve
// through fontconfig to their metric-compatible Liberation fonts.

enum class FontWeight { kNormal, kBold };

// The font of the dialogs. The layout was drawn for MS Sans Serif 8 pt at the
// base units 8 × 16 of a large-font display: only there do the pixel-sized
// parts (the 125 × 31 logo in its 63 × 16 units, the list fonts in their
// boxes) fit their places. Liberation Sans 10 pt gives base units 8 × 15 at
// 96 dpi and keeps every label on its one line.
QFont DialogFont();

// A font whose character cell (ascent + descent) is at most `cellHeight`
// pixels, as close to it as the face allows, with whole-pixel glyph advances
// like the fonts the layout was drawn with.
QFont CreateCellFont(const QString& face, int cellHeight, FontWeight weight);
