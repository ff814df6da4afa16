#include "forecast/strict_forecast_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>

#include "text/bounded_line.h"
#include "text/chunked_input.h"
#include "text/number_grammar.h"

namespace lumo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kValuesPerRow = 3;
constexpr int kRows = 14;
constexpr int kDecimals = 9;
constexpr std::int64_t kHundred = 100 * kBillion;
// How far a row with decimals may add up from 100.
constexpr std::int64_t kSlack = 3 * kBillion / 2;

struct Percentage {
    std::int64_t billionths = 0;
    bool decimal = false;      // written with a decimal point or comma
    bool percentSign = false;  // written with its '%'
};

// Reads a word as a percentage; the error for a word that is not one.
ForecastFileError ParsePercentage(std::string_view word, Percentage& value) {
    const bool negative = word.starts_with('-');
    if (negative) {
        word.remove_prefix(1);
    }
    value = {};
    if (word.ends_with('%')) {
        value.percentSign = true;
        word.remove_suffix(1);
    }
    const std::size_t separator = word.find_first_of(".,");
    const std::string_view whole = word.substr(0, separator);
    const std::string_view decimals =
        separator == std::string_view::npos ? std::string_view() : word.substr(separator + 1);
    value.decimal = separator != std::string_view::npos;
    if (whole.empty() || !std::all_of(whole.begin(), whole.end(), IsDecimalDigit) ||
        (value.decimal &&
         (decimals.empty() || !std::all_of(decimals.begin(), decimals.end(), IsDecimalDigit)))) {
        return ForecastFileError::kNotANumber;
    }
    if (negative) {
        return ForecastFileError::kNegative;
    }
    std::int64_t units = 0;
    for (const char c : whole) {
        units = std::min<std::int64_t>(units * 10 + (c - '0'), 1000);
    }
    std::int64_t fraction = 0;
    for (int i = 0; i < kDecimals; ++i) {
        fraction = fraction * 10 + (static_cast<std::size_t>(i) < decimals.size()
                                        ? decimals[static_cast<std::size_t>(i)] - '0'
                                        : 0);
    }
    value.billionths = units * kBillion + fraction;
    return value.billionths > kHundred ? ForecastFileError::kAbove100 : ForecastFileError::kNone;
}

// Integers adding up to 100 from values (billionths) adding up to `sum`, by
// the largest remainder.
std::array<std::int32_t, kValuesPerRow> RoundRow(
    const std::array<std::int64_t, kValuesPerRow>& values, std::int64_t sum) {
    std::array<std::int32_t, kValuesPerRow> rounded{};
    std::array<std::int64_t, kValuesPerRow> lost{};
    std::int64_t missing = 100;
    for (std::size_t i = 0; i < values.size(); ++i) {
        rounded[i] = static_cast<std::int32_t>(values[i] * 100 / sum);
        lost[i] = values[i] * 100 % sum;
        missing -= rounded[i];
    }
    for (; missing > 0; --missing) {
        // max_element takes the first of equal ones: the earlier result.
        const auto most = std::max_element(lost.begin(), lost.end());
        ++rounded[static_cast<std::size_t>(most - lost.begin())];
        *most = -1;
    }
    return rounded;
}

class StrictForecastReader {
  public:
    explicit StrictForecastReader(std::istream& in) : input(in) {}

    ForecastFileRead Read() {
        input.Want(kByteOrderMark.size());
        if (input.Ahead().starts_with(kByteOrderMark)) {
            input.Skip(kByteOrderMark.size());
        }
        for (;;) {
            const TakenLine taken = TakeLine(input);
            if (taken.take == LineTake::kEnd) {
                return End();
            }
            if (taken.take == LineTake::kTooLong) {
                Fail(ForecastFileError::kLineTooLong);
                return result;
            }
            if (line > kMostLines) {
                Fail(ForecastFileError::kTooManyLines);
                return result;
            }
            if (!TakeWords(taken.content) || !EndLine()) {
                return result;
            }
        }
    }

  private:
    bool Fail(ForecastFileError error, std::string_view text = {}) {
        result.error = error;
        result.line = line;
        result.text = std::string(text);
        return false;
    }

    // Takes the words of a line; false after an error.
    bool TakeWords(std::string_view content) {
        for (const std::string_view word : WordsOf(content)) {
            if (word.size() > kLongestWord) {
                return Fail(ForecastFileError::kWordTooLong, word);
            }
            if (!TakeWordOfRow(word)) {
                return false;
            }
        }
        return true;
    }

    // Takes one word of the current line; false after an error.
    bool TakeWordOfRow(std::string_view word) {
        if (rows == kRows) {
            return Fail(ForecastFileError::kTooManyRows, word);
        }
        if (word == "%" && signMayFollow) {
            signMayFollow = false;
            return true;
        }
        Percentage value;
        if (const ForecastFileError error = ParsePercentage(word, value);
            error != ForecastFileError::kNone) {
            return Fail(error, word);
        }
        if (count < kValuesPerRow) {
            values[static_cast<std::size_t>(count)] = value;
        }
        ++count;
        signMayFollow = !value.percentSign;
        return true;
    }

    // The line ended: its row is done, unless it held nothing; false after
    // an error.
    bool EndLine() {
        const bool done = count == 0 || FinishRow();
        ++line;
        count = 0;
        signMayFollow = false;
        return done;
    }

    bool FinishRow() {
        if (count != kValuesPerRow) {
            result.found = count;
            return Fail(ForecastFileError::kWrongCount);
        }
        std::array<std::int64_t, kValuesPerRow> billionths{};
        bool decimal = false;
        std::int64_t sum = 0;
        for (std::size_t i = 0; i < billionths.size(); ++i) {
            billionths[i] = values[i].billionths;
            decimal = decimal || values[i].decimal;
            sum += billionths[i];
        }
        if (!decimal && sum != kHundred) {
            result.sum = sum;
            return Fail(ForecastFileError::kRowSum);
        }
        if (decimal && (sum < kHundred - kSlack || sum > kHundred + kSlack)) {
            result.sum = sum;
            return Fail(ForecastFileError::kRowFarFrom100);
        }
        auto& row = result.table.rows[static_cast<std::size_t>(rows)];
        if (decimal) {
            row = RoundRow(billionths, sum);
        } else {
            for (std::size_t i = 0; i < row.size(); ++i) {
                row[i] = static_cast<std::int32_t>(billionths[i] / kBillion);
            }
        }
        ++rows;
        lastRowLine = line;
        return true;
    }

    // The text ended, or a read failed.
    ForecastFileRead End() {
        if (input.ReadError()) {
            Fail(ForecastFileError::kReadFailed);
            result.systemError = input.SystemError();
            return result;
        }
        if (rows < kRows) {
            Fail(ForecastFileError::kTooFewRows);
            result.found = rows;
            result.line = lastRowLine;
        }
        return result;
    }

    ChunkedInput input;
    ForecastFileRead result;
    std::int64_t line = 1;
    std::int64_t lastRowLine = 0;
    int rows = 0;
    // Numbers on the current line; the first three are kept.
    int count = 0;
    std::array<Percentage, kValuesPerRow> values{};
    // A lone '%' may follow a number written without one.
    bool signMayFollow = false;
};

}  // namespace

ForecastFileRead ReadForecastStrictly(std::istream& in) {
    return StrictForecastReader(in).Read();
}

ForecastFileRead ReadForecastStrictly(const std::filesystem::path& path, PipeWaiting waiting) {
    FileSource file(path, waiting);
    if (file.OpenError() != 0) {
        ForecastFileRead result;
        result.error = ForecastFileError::kUnreadable;
        result.systemError = file.OpenError();
        return result;
    }
    return ReadForecastStrictly(file.Stream());
}

}  // namespace lumo
