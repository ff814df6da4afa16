#pragma once

class QListWidget;
class QWidget;

// A list box drawn the way the layout's list boxes were sized for: a
// one-pixel border, rows exactly one character cell of the list's font high,
// the text two pixels from the left edge and never elided, and a vertical
// scroll bar only when the rows do not fit. Rows are placed by position and
// never sorted. The Copy key copies nothing.
QListWidget* CreateListBox(QWidget* parent);
