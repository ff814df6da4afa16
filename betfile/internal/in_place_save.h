#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string_view>

#include "betfile/bet_writer.h"
#include "core/column_set.h"

namespace lumo::internal {

// Writes the bet into the existing file itself, which keeps its name, links,
// owner, group, permissions and attributes; `existing` is its status.
//
// A regular file: room for the whole text is reserved first, so that a full
// disk leaves the file as it was (kWriteFailed, as when the mark below
// cannot be written). Then the start of the file
// is overwritten with kInterruptedSaveMark over the new count line's width
// and flushed to the disk, so that from here on the file is refused by every
// reader of ours; then the text follows with the mark in place of the count,
// the file is cut to its length and flushed, and the count goes over the mark
// last and is flushed. Stopped at any moment (a kill, a crash, a failure),
// the file is the whole old bet, the whole new one, or refused as the remains
// of an interrupted save. A failure after the reservation is
// kWriteInPlaceFailed.
//
// Anything else (a pipe, a device) takes the text as it comes. A pipe that
// nobody reads is refused rather than waited on (kNotRegularFile, ENXIO).
SaveResult WriteInPlace(const std::filesystem::path& target, const struct stat& existing,
                        const CColumnSet& bet);

// Writes a text other than a bet into the existing file, which keeps its
// name, links, owner, group, permissions and attributes. A regular file:
// room for the text is reserved first (a full disk leaves the file as it
// was, kWriteFailed), then the text goes over the start of the file, which
// is cut to its length and flushed. A text that fits in one write (a table
// of the window) is never seen half-written; a longer one cut off part of
// the way, or a cut before the file is shortened, may leave the old text's
// end after the new. Anything else takes the text as it comes.
SaveResult WriteTextInPlace(const std::filesystem::path& target, const struct stat& existing,
                            std::string_view text);

}  // namespace lumo::internal
