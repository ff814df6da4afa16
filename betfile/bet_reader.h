#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>

#include "core/column_set.h"
#include "text/file_source.h"

namespace lumo {

// Reading a bet file. The grammar is tolerant, so that hand-edited files
// load too:
// - first the count n: optional white space, an optional sign and decimal
//   digits (a value that fits in 32 bits, at most 128 digits);
// - then 14 * n characters that are not white space (blank, tab, CR, LF, VT,
//   FF), taken 14 at a time as columns; white space anywhere between them is
//   skipped, so a column may be split over lines and several columns may
//   stand on one line. Each character gives one result as CColumn::ReadText
//   maps it: '1' a home win, 'X' a draw, anything else an away win (a
//   lower-case 'x', a '0' and a NUL byte included);
// - whatever follows the n-th column is not read.

// How a read ended.
enum class BetReadEnd {
    kComplete,          // every announced column was read (none for a count of 0)
    kCountMissing,      // the text does not begin with a number: it is empty, or
                        // begins with a letter, a lone sign or a byte-order mark
    kCountOutOfRange,   // the count does not fit in 32 bits
    kCountNegative,     // the count is below 0; nothing is read after it
    kTruncated,         // the text ended after `added` of the `announced` columns
    kUnreadable,        // the file could not be opened, or a read failed after
                        // `added` columns
    kOutOfMemory,       // no storage for the reader's buffers or for more
                        // columns after `added` of them
    kBeingSaved,        // a save holds the file's lock: nothing was read
    kChangedWhileRead,  // the file's size, change time or count line moved
                        // while it was read: its columns were dropped
};

struct BetReadResult {
    BetReadEnd end = BetReadEnd::kComplete;
    // The count as read; 0 when no count was read.
    std::int32_t announced = 0;
    // Columns appended to the set.
    std::int32_t added = 0;
    // For kUnreadable, the error number when the system gave one, else 0.
    int systemError = 0;
};

// Reads a count and that many columns and appends the complete ones, in file
// order, after the columns the set already holds (AppendNoGrow; each with
// score 0 and not marked). Nothing else of the set changes. A column is
// appended only when all 14 of its characters were read, so a read that ends
// early keeps the complete columns before the end and nothing more. Storage
// is reserved once, for the announced columns but never for more than the
// rest of the input can hold (the rest of a string or of a regular file, 14
// signs a column; of a stream that cannot tell, what it has buffered), and
// grows from there only as columns are read: a count of 2,000,000,000
// followed by three columns appends three columns. A lack of memory is
// reported as kOutOfMemory, never thrown.
//
// Lines of exactly 14 signs '1', 'X' or '2' and a line end, as the bet file
// is written, are read in bulk; any other byte is left to the general
// grammar, with the same result.
//
// The stream's buffer is read in chunks; afterwards the characters after the
// last one used are still in the stream, and its state is the one formatted
// extraction would leave (eofbit if the text ended, failbit if a read failed,
// badbit after a read error). A stream that is already failed reads nothing
// and gives kUnreadable.
BetReadResult ReadBet(std::istream& in, CColumnSet& set);

// The same from a source: a file opened by name, or standard input. A
// missing file, a folder, a path in a missing folder or any other file that
// cannot be opened gives kUnreadable with the error number and appends
// nothing. A regular file is read under a shared lock, as ReadBetStrictly
// reads it: kBeingSaved and kChangedWhileRead append nothing.
BetReadResult ReadBet(FileSource& source, CColumnSet& set);

// The same from a file opened by name, read from disk in pieces of 1 MiB.
BetReadResult ReadBet(const std::filesystem::path& path, CColumnSet& set,
                      PipeWaiting waiting = PipeWaiting::kNever);

}  // namespace lumo
