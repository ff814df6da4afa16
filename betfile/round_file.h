#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/column.h"
#include "text/file_source.h"

namespace lumo {

// A file of past rounds, as players keep them to scrutinise a bet against a
// season: one round a line, its name (any words) and then its result as the
// last word, 14 signs 1, X (or x) and 2. Blank lines and lines whose first
// word starts with '#' are skipped; lines may end in LF or CR LF. A line
// holds at most 1024 bytes, a word at most 128 and the file at most 100,000
// lines, so that an endless text is refused after a bounded read.
//
//   # temporada 2025-26
//   Jornada 3  1X21X21X21X21X
//   Jornada 4  22222222222222

struct RoundResult {
    std::string name;
    CColumn result;
};

// Why a rounds file could not be used.
enum class RoundFileProblem {
    kNone,
    kUnreadable,    // the file could not be opened, or a read failed
    kMissingSigns,  // a line holds a single word: no name, or no result
    kBadSigns,      // the last word is not 14 signs
    kLineTooLong,   // a line longer than kLongestLine bytes (text/bounded_line.h)
    kWordTooLong,   // a word longer than kLongestWord bytes
    kTooManyLines,  // a line after kMostLines of them
};

struct RoundFileReading {
    // Every round when problem is kNone; otherwise the rounds before the
    // line that could not be used.
    std::vector<RoundResult> rounds;
    RoundFileProblem problem = RoundFileProblem::kNone;
    // The 1-based line of a problem other than kUnreadable.
    std::int32_t line = 0;
    // The word that is not a result (kBadSigns), or the long one (kWordTooLong).
    std::string word;
    // For kUnreadable, the error number the system gave, or 0.
    int systemError = 0;
};

// Reads rounds until the end of the text or the first line it cannot use.
// A stream that fails with a read error (badbit) gives kUnreadable rather
// than the rounds read so far passing for the whole file.
RoundFileReading ReadRoundFile(std::istream& in);
RoundFileReading ReadRoundFile(const std::filesystem::path& path,
                               PipeWaiting waiting = PipeWaiting::kNever);

// What went wrong, in Spanish, naming the file between « and » and the
// line: "«r.txt», línea 2: el resultado «1111» tiene 4 signos en vez de 14."
// Empty for kNone.
std::string RoundFileMessage(std::string_view fileName, const RoundFileReading& reading);

}  // namespace lumo
