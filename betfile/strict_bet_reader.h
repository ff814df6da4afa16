#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

#include "core/column_set.h"
#include "text/file_source.h"

namespace lumo {

// Reading a bet file strictly, for lumo-cli and the programs that must never
// take a damaged file for a bet (the window keeps the tolerant ReadBet):
// - a UTF-8 byte-order mark may come first;
// - line 1 is the count: decimal digits only, at most 20 of them, of a value
//   that fits in 32 bits;
// - then exactly that many lines, each of exactly 14 signs '1', 'X' (or 'x')
//   and '2';
// - every line ends in LF or CR LF; the last one may end without;
// - only blank lines (empty, or of white space, IsTextSpace) may follow the
//   last column.
// The canonical lines of a written file are read in bulk (canonical_lines.h),
// as fast as ReadBet reads them.

// What was wrong. `line` counts from 1 (the count line), the byte-order mark
// not being one.
enum class BetFileError {
    kNone,
    kUnreadable,        // the file could not be opened (systemError)
    kReadFailed,        // a read failed at line `line` (systemError)
    kCountMissing,      // line 1 is not a count: the text is empty, or it holds `text`
    kColumnForCount,    // line 1 is a column (`text`): the count line is missing
    kInterruptedSave,   // line 1 holds the mark of a save that was cut off
                        // (interrupted_save_mark.h): the file is incomplete
    kCountOutOfRange,   // line 1 holds digits (`text`) beyond the 32-bit range
    kNotAColumn,        // line `line` holds `text`, not a column
    kTooFewColumns,     // the text ends at line `line` after `columns` of the `announced` columns
    kTooManyLines,      // line `line`, not blank, follows the last announced column;
                        // `text` is what it holds (past its first 64 blanks, if it has more)
    kOutOfMemory,       // no storage for the announced columns
    kBeingSaved,        // a save holds the file's lock: nothing was read
    kChangedWhileRead,  // the file's size, change time or count line moved
                        // while it was read: what was read may be mixed
};

struct BetFileRead {
    BetFileError error = BetFileError::kNone;
    std::int64_t line = 0;       // the line an error is about; 0 when none
    std::int32_t announced = 0;  // the count, once read
    std::int32_t columns = 0;    // the columns read before the end or the error
    int systemError = 0;         // for kUnreadable and kReadFailed, 0 when unknown
    std::string text;            // the line an error is about, as read: its first 64 bytes

    bool Ok() const { return error == BetFileError::kNone; }
};

// Reads the bet and appends its columns (score 0, not marked) after those
// the set holds. On any error the set keeps only the columns it held (its
// storage may have grown). Storage is reserved once for the announced
// columns, never for more than the rest of the text can hold.
BetFileRead ReadBetStrictly(std::istream& in, CColumnSet& set);

// The same from a source: a file opened by name, or standard input. A file
// that cannot be opened, or a folder, is kUnreadable with the error number.
// A regular file is read under a shared lock (internal/read_guard.h): a save
// holding it is kBeingSaved, without waiting, and a file that changed
// meanwhile is kChangedWhileRead, its columns dropped.
BetFileRead ReadBetStrictly(FileSource& source, CColumnSet& set);

// The same from a file opened by name, read from the disk in pieces of 1 MiB.
BetFileRead ReadBetStrictly(const std::filesystem::path& path, CColumnSet& set,
                            PipeWaiting waiting = PipeWaiting::kNever);

}  // namespace lumo
