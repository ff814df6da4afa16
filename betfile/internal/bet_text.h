#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "betfile/internal/save_hook.h"
#include "core/column_set.h"

namespace lumo::internal {

// The bet file's text (bet_writer.h describes it), made in blocks for the
// stream, the new file and the file written in place.

// The first line: the count in decimal and CR LF.
std::string CountLine(std::int32_t count);

// The number of bytes of the bet's text.
off_t TextBytes(const CColumnSet& bet);

// Receives the text block by block; false stops the making.
using TextSink = std::function<bool(std::string_view)>;

// Hands the text on in blocks of 64 KiB, with `head` in place of the count
// line (a placeholder of the same width, or the count line itself). Throws
// std::bad_alloc when there is no memory for the block, before handing on
// anything.
void FormatBet(const CColumnSet& bet, std::string_view head, const TextSink& sink);

// Writes the text, `head` first, to the descriptor from its current offset;
// 0, or the error number of the first failure (ENOMEM when there was no
// memory for the block and nothing was written).
int WriteBetText(int fd, const CColumnSet& bet, std::string_view head);

// Writes all of `text` at `offset`, or from the descriptor's current offset
// when none is given; 0 or the error number. `call` names each write to the
// save hook.
int WriteAllAt(int fd, std::string_view text, std::optional<off_t> offset, SaveCall call);

// Flushes the file to the disk; 0 or the error number.
int SyncFile(int fd);

}  // namespace lumo::internal
