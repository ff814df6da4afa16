#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

// Where a dialog without an owner goes on the screen, and the dialog font
// that lets it fit there.

// The room a window manager's frame (title bar and borders) takes around a
// window, counted before the window is shown, when the real frame is not
// known yet; title bars are rarely higher.
inline constexpr QSize kFrameAllowance(16, 40);

// The available area (the screen less panels and docks) of the screen under
// the mouse pointer, where a dialog without an owner comes up, or of the
// primary screen.
QRect DialogScreenArea();

// The largest dialog font (DialogFont of one of kDialogFontSizes) with which
// a dialog of `layoutSize` dialog units and its frame allowance fit in
// `area`; the smallest size when none fits.
QFont DialogFontFitting(QSize layoutSize, const QRect& area);

// Places `dialog`, not shown yet and of its final size, so that the dialog
// with its frame allowance lies centred in `area`, and never above or left
// of it: its frame's top left corner is put there, so the title bar stays
// on the screen.
void CentreDialog(QWidget& dialog, const QRect& area);
