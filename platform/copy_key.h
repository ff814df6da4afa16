#pragma once

class QAbstractItemView;

// Makes the standard Copy key (Ctrl+C) do nothing in `view`: the lists of
// the dialogs copy nothing to the clipboard by themselves, where Qt's item
// views would copy the current cell. The key goes nowhere else either.
void DisableCopyKey(QAbstractItemView& view);
