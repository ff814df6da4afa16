#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/column_set.h"

namespace lumo {

// The clipboard text of a bet: per column its 14 signs, each followed by a
// tab, then a line feed (29 bytes a column, no count line, no CR), as
// CColumnSet::DumpText writes it.

// The most columns a copy takes; a larger bet is refused with the message
// kCopyLimitText (betfile/bet_messages.h) and the clipboard is not touched.
inline constexpr std::int32_t kClipboardColumnLimit = 1000;

// The size of the block handed to the clipboard.
inline constexpr std::size_t kClipboardBlockBytes = 100'000;

static_assert(29 * kClipboardColumnLimit + 1 <= kClipboardBlockBytes,
              "the text of the largest bet that may be copied and its NUL fit in the block");

// Whether the bet may be copied: at most kClipboardColumnLimit columns (a bet
// of exactly 1000 columns is copied).
bool CanCopyToClipboard(const CColumnSet& bet);

// The text of every column, however many (Lumo Reducir copies whole
// reductions); 29 bytes a column. May throw std::bad_alloc.
std::string WholeClipboardText(const CColumnSet& bet);

// The clipboard block: kClipboardBlockBytes bytes, the text at the start,
// then zeros; the text is the block up to its first NUL. Empty (and nothing
// written) when CanCopyToClipboard is false.
std::vector<char> ClipboardBlock(const CColumnSet& bet);

}  // namespace lumo
