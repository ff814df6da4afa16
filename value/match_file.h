#pragma once

#include <cstdint>
#include <string>

#include "value/round.h"

namespace lumo {

// The strict reading of the two files of three numbers per match that the
// expected prize takes: bookmakers' odds (odds_file.h) and the public's
// percentages (public_file.h). Both:
// - a UTF-8 byte-order mark may come first; lines end in LF or CR LF; a line
//   holds at most kLongestLine bytes, a word kLongestWord and the file
//   kMostLines lines (text/bounded_line.h);
// - lines of blanks only are skipped, and '#' starts a comment that runs to
//   the line's end;
// - exactly 14 rows, one per match in order, each of exactly three numbers
//   for 1, X and 2, apart by blanks or tabs;
// - a number is decimal digits, then optionally a point or comma (always the
//   decimal separator) and more digits: "1,60", "1.6", "45".

// What was wrong. `line` counts from 1.
enum class MatchFileError {
    kNone,
    kUnreadable,      // the file could not be opened (systemError)
    kReadFailed,      // a read failed at line `line` (systemError)
    kNotANumber,      // line `line` holds the word `text` where a number should be
    kWrongCount,      // line `line` holds `found` numbers instead of three
    kTooFewRows,      // the text ends after `found` rows, the last on line `line`
    kTooManyRows,     // line `line` follows the 14th row
    kLineTooLong,     // line `line` goes on past kLongestLine bytes
    kWordTooLong,     // line `line` holds the word `text`, longer than kLongestWord
    kTooManyLines,    // line `line` comes after kMostLines lines
    kOddNotAboveOne,  // line `line` holds the odd `text`, not above 1
    kShareIsZero,     // line `line` holds the percentage `text`, which is 0
    kRowFarFrom100,   // the percentages of line `line` add up to `sum`, too far from 100
};

struct MatchFileRead {
    MatchFileError error = MatchFileError::kNone;
    std::int64_t line = 0;  // the line an error is about
    int found = 0;          // numbers on the line, or rows read
    double sum = 0.0;       // a row's sum, for kRowFarFrom100
    std::string text;       // the word an error is about, as read
    int systemError = 0;    // for kUnreadable and kReadFailed, 0 when unknown
    MatchTable table{};     // the 14 rows as probabilities, when read without error

    bool Ok() const { return error == MatchFileError::kNone; }
};

}  // namespace lumo
