#include "value/internal/number_rows.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "text/bounded_line.h"
#include "text/chunked_input.h"
#include "text/number_grammar.h"

namespace lumo::internal {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kValuesPerRow = 3;
constexpr int kRows = 14;

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDecimalDigit);
}

// Reads digits, then optionally a point or comma and digits; false for any
// other word.
bool ParseNumber(std::string_view word, double& value) {
    const std::size_t separator = word.find_first_of(".,");
    if (!AllDigits(word.substr(0, separator)) ||
        (separator != std::string_view::npos && !AllDigits(word.substr(separator + 1)))) {
        return false;
    }
    std::string plain(word);
    if (separator != std::string_view::npos) {
        plain[separator] = '.';
    }
    return std::from_chars(plain.data(), plain.data() + plain.size(), value).ec == std::errc();
}

class RowReader {
  public:
    RowReader(std::istream& in, PercentSign percent, MatchFileRead& read)
        : input(in), percent(percent), read(read) {}

    NumberRows Read() {
        input.Want(kByteOrderMark.size());
        if (input.Ahead().starts_with(kByteOrderMark)) {
            input.Skip(kByteOrderMark.size());
        }
        for (;; ++line) {
            const TakenLine taken = TakeLine(input);
            if (taken.take == LineTake::kEnd) {
                End();
                return rows;
            }
            if (taken.take == LineTake::kTooLong || line > kMostLines) {
                Fail(taken.take == LineTake::kTooLong ? MatchFileError::kLineTooLong
                                                      : MatchFileError::kTooManyLines);
                return rows;
            }
            const std::string_view content = taken.content.substr(0, taken.content.find('#'));
            if (!TakeWords(WordsOf(content))) {
                return rows;
            }
        }
    }

  private:
    bool Fail(MatchFileError error, std::string_view text = {}) {
        read.error = error;
        read.line = line;
        read.text = std::string(text);
        return false;
    }

    // The numbers of one line; false after an error.
    bool TakeWords(const std::vector<std::string_view>& words) {
        int count = 0;
        bool signMayFollow = false;
        for (std::string_view word : words) {
            if (word.size() > kLongestWord) {
                return Fail(MatchFileError::kWordTooLong, word);
            }
            if (rows.lines.back() != 0) {
                return Fail(MatchFileError::kTooManyRows, word);
            }
            if (percent == PercentSign::kAllowed && word == "%" && signMayFollow) {
                signMayFollow = false;
                continue;
            }
            const bool signed_ = percent == PercentSign::kAllowed && word.ends_with('%');
            double value = 0.0;
            if (!ParseNumber(signed_ ? word.substr(0, word.size() - 1) : word, value)) {
                return Fail(MatchFileError::kNotANumber, word);
            }
            if (count < kValuesPerRow) {
                const auto row = static_cast<std::size_t>(done);
                const auto column = static_cast<std::size_t>(count);
                rows.rows[row][column] = value;
                rows.words[row][column] = std::string(word);
            }
            ++count;
            signMayFollow = !signed_;
        }
        if (count != 0 && count != kValuesPerRow) {
            read.found = count;
            return Fail(MatchFileError::kWrongCount);
        }
        if (count != 0) {
            rows.lines[static_cast<std::size_t>(done++)] = line;
        }
        return true;
    }

    void End() {
        if (input.ReadError()) {
            Fail(MatchFileError::kReadFailed);
            read.systemError = input.SystemError();
        } else if (done < kRows) {
            Fail(MatchFileError::kTooFewRows);
            read.found = done;
            read.line = done == 0 ? 0 : rows.lines[static_cast<std::size_t>(done - 1)];
        }
    }

    ChunkedInput input;
    PercentSign percent;
    MatchFileRead& read;
    NumberRows rows;
    std::int64_t line = 1;
    int done = 0;
};

}  // namespace

NumberRows ReadNumberRows(std::istream& in, PercentSign percent, MatchFileRead& read) {
    return RowReader(in, percent, read).Read();
}

}  // namespace lumo::internal
