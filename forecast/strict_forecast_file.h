#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

#include "core/forecast_table.h"
#include "text/file_source.h"

namespace lumo {

// Reading the forecast file strictly, for lumo-cli and the programs beside
// the window (the window keeps LoadForecast):
// - a UTF-8 byte-order mark may come first; lines end in LF or CR LF; lines
//   of blanks only are skipped; a line holds at most 1024 bytes, a word at
//   most 128 and the file at most 100,000 lines, so that an endless text is
//   refused after a bounded read;
// - exactly 14 rows, one per match in order, each a line of exactly three
//   percentages for 1, X and 2, apart by blanks or tabs; CR, VT and FF count
//   as blanks too (the manual page says so);
// - a percentage is decimal digits, then optionally a decimal point or comma
//   and more digits ("54", "54.6", "54,6"), then optionally a '%' sign, also
//   after blanks ("54,6%", "54,6 %"); it lies between 0 and 100; decimals
//   beyond the ninth are not looked at;
// - a row of integers adds up to exactly 100;
// - a row with decimals adds up to between 98.5 and 101.5, and is rounded to
//   integers adding up to 100 by the largest remainder: each value is scaled
//   by 100 / (the row's sum) and cut to an integer, and the units still
//   missing go one each to the values that lost the most, the earlier result
//   first on a tie (1, then X, then 2). A row that adds up to 100 is so
//   rounded by its decimals alone ("54,6 26 19,4" gives 55 26 19), and a 0
//   stays 0.

// What was wrong. `line` counts from 1, the byte-order mark not being one.
enum class ForecastFileError {
    kNone,
    kUnreadable,     // the file could not be opened (systemError)
    kReadFailed,     // a read failed at line `line` (systemError)
    kNotANumber,     // line `line` holds the word `text` where a percentage should be
    kNegative,       // line `line` holds a negative number, `text`
    kAbove100,       // line `line` holds a number above 100, `text`
    kWrongCount,     // line `line` holds `found` numbers instead of three
    kTooFewRows,     // the text ends after `found` rows, the last of them on line `line`
    kTooManyRows,    // line `line` follows the 14th row
    kRowSum,         // the integers of line `line` add up to `sum`, not 100
    kRowFarFrom100,  // the decimals of line `line` add up to `sum`, out of 98.5 to 101.5
    kLineTooLong,    // line `line` goes on past kLongestLine bytes (text/bounded_line.h)
    kWordTooLong,    // line `line` holds the word `text`, longer than kLongestWord bytes
    kTooManyLines,   // line `line` comes after kMostLines lines
};

struct ForecastFileRead {
    ForecastFileError error = ForecastFileError::kNone;
    std::int64_t line = 0;  // the line an error is about
    int found = 0;          // numbers on the line, or rows read
    std::int64_t sum = 0;   // a row's sum, in billionths (100 is 100,000,000,000)
    std::string text;       // the word an error is about, as read
    int systemError = 0;    // for kUnreadable and kReadFailed, 0 when unknown
    CForecastTable table;   // the 14 rows, when read without error

    bool Ok() const { return error == ForecastFileError::kNone; }
};

// One billionth of a percentage point: the unit of ForecastFileRead::sum.
inline constexpr std::int64_t kBillion = 1'000'000'000;

ForecastFileRead ReadForecastStrictly(std::istream& in);

// The same from a file. A file that cannot be opened, or a folder, is
// kUnreadable with the error number.
ForecastFileRead ReadForecastStrictly(const std::filesystem::path& path,
                                      PipeWaiting waiting = PipeWaiting::kNever);

}  // namespace lumo
