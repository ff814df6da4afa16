#pragma once

#include <QString>
#include <cstdint>

#include "core/column_set.h"

class QWidget;

// A program's limit on copying a bet to the clipboard: the most columns it
// copies (never more than the clipboard block holds, kClipboardColumnLimit)
// and what it tells the user of a larger bet.
struct CopyLimit {
    std::int32_t columns = 0;
    QString refusal;
};

// Copies the bet to the clipboard as plain 8-bit text (betfile/
// clipboard_text.h) through the clipboard block, as Lumo's window does. A
// bet over the limit, or a lack of memory on the way, is told in a message
// over `parent` and leaves the clipboard as it was.
void CopyBetToClipboard(QWidget* parent, const lumo::CColumnSet& bet, const CopyLimit& limit);

// Copies every column of the bet, however many, as the same text. A lack of
// memory is told and leaves the clipboard as it was.
void CopyWholeBetToClipboard(QWidget* parent, const lumo::CColumnSet& bet);
