#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/chunked_input.h"

namespace lumo {

// The lines of the program's line-based files (forecasts, rounds) are read
// with a bound, so that an endless text (/dev/zero, a runaway pipe) is
// refused after a bounded read instead of hanging or filling the memory.

// The longest line, without its line end, and the longest word of one.
inline constexpr std::size_t kLongestLine = 1024;
inline constexpr std::size_t kLongestWord = 128;
// The most lines such a file may hold: far more than a forecast, or the
// rounds of every season ever played, need; endless blank lines end here.
inline constexpr std::int64_t kMostLines = 100'000;

enum class LineTake {
    kLine,     // a line, consumed with its line end
    kTooLong,  // the line goes on past kLongestLine bytes; nothing is consumed
    kEnd,      // the text has ended, or a read failed (input.ReadError())
};

struct TakenLine {
    LineTake take = LineTake::kEnd;
    // The line without its LF or CR LF, for kLine; valid until the next read.
    std::string_view content;
};

// Takes the next line; the last one may lack its line end.
TakenLine TakeLine(ChunkedInput& input);

// The words of a line: what lies between blanks (IsTextSpace).
std::vector<std::string_view> WordsOf(std::string_view line);

}  // namespace lumo
