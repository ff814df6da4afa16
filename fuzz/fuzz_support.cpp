#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <ostream>
#include <string>
#include <system_error>

using namespace lumo;

BetReadResult ReferenceReadBet(std::istream& in, std::vector<CColumn>& columns) {
    BetReadResult result;
    if (in.fail()) {
        result.end = BetReadEnd::kUnreadable;
        return result;
    }
    long long count = 0;
    in >> count;
    if (in.bad()) {
        result.end = BetReadEnd::kUnreadable;
        return result;
    }
    // A failed extraction stores 0 when there were no digits and the nearest
    // limit when the value did not fit.
    if (in.fail()) {
        result.end = count == 0 ? BetReadEnd::kCountMissing : BetReadEnd::kCountOutOfRange;
        return result;
    }
    if (count < INT32_MIN || count > INT32_MAX) {
        in.setstate(std::ios_base::failbit);
        result.end = BetReadEnd::kCountOutOfRange;
        return result;
    }
    result.announced = static_cast<std::int32_t>(count);
    if (count < 0) {
        result.end = BetReadEnd::kCountNegative;
        return result;
    }
    while (result.added < count) {
        CColumn column;
        column.ReadText(in);
        if (!in) {
            result.end = in.bad() ? BetReadEnd::kUnreadable : BetReadEnd::kTruncated;
            return result;
        }
        columns.push_back(column);
        ++result.added;
    }
    return result;
}

namespace {

// Each LF ends a line, with a CR before it taken off; what follows the last
// LF, if anything, is a last line as it stands.
std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t feed; (feed = text.find('\n', start)) != std::string_view::npos;
         start = feed + 1) {
        std::string line(text.substr(start, feed - start));
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        lines.push_back(line);
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

BetFileRead StrictFailure(BetFileError error, std::int64_t line, const std::string& text = {}) {
    BetFileRead read;
    read.error = error;
    read.line = line;
    read.text = text.substr(0, 64);
    return read;
}

}  // namespace

BetFileRead ReferenceReadBetStrictly(std::string_view text, std::vector<CColumn>& columns) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::vector<std::string> lines = LinesOf(text);
    const std::string count = lines.empty() ? std::string() : lines[0];
    if (!count.empty() && count.size() <= 10 && count.find_first_not_of('#') == std::string::npos) {
        return StrictFailure(BetFileError::kInterruptedSave, 1, count);
    }
    if (count.size() == 14 && count.find_first_not_of("1Xx2") == std::string::npos) {
        return StrictFailure(BetFileError::kColumnForCount, 1, count);
    }
    if (count.empty() || count.substr(0, 64).find_first_not_of("0123456789") != std::string::npos) {
        return StrictFailure(BetFileError::kCountMissing, 1, count);
    }
    std::uint64_t announced = 0;
    for (const char digit : count.substr(0, 20)) {
        announced = std::min<std::uint64_t>(
            announced * 10 + static_cast<std::uint64_t>(digit - '0'), std::uint64_t{1} << 32);
    }
    if (count.size() > 20 || announced > INT32_MAX) {
        return StrictFailure(BetFileError::kCountOutOfRange, 1, count);
    }
    std::vector<CColumn> read;
    for (std::size_t k = 1; k <= announced; ++k) {
        if (k == lines.size()) {
            return StrictFailure(BetFileError::kTooFewColumns, static_cast<std::int64_t>(k));
        }
        const std::string& line = lines[k];
        if (line.size() != 14 || line.find_first_not_of("1Xx2") != std::string::npos) {
            return StrictFailure(BetFileError::kNotAColumn, static_cast<std::int64_t>(k + 1), line);
        }
        CColumn column;
        for (std::size_t m = 0; m < line.size(); ++m) {
            column.results[m] = line[m] == '1' ? kHomeWin : line[m] == '2' ? kAwayWin : kDraw;
        }
        read.push_back(column);
    }
    for (std::size_t k = announced + 1; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        const std::size_t text = line.find_first_not_of(" \t\n\v\f\r");
        if (text != std::string::npos) {
            // The reader looks at a long blank line 64 bytes at a time.
            return StrictFailure(BetFileError::kTooManyLines, static_cast<std::int64_t>(k + 1),
                                 line.substr(text / 64 * 64));
        }
    }
    columns = read;
    BetFileRead whole;
    whole.announced = static_cast<std::int32_t>(announced);
    whole.columns = whole.announced;
    return whole;
}

void ReferenceReadTable(std::istream& in, CForecastTable& table, std::ostream* diagnostics) {
    for (auto& row : table.rows) {
        for (auto& cell : row) {
            long long value = 0;
            if (in >> value && value >= INT32_MIN && value <= INT32_MAX) {
                cell = static_cast<std::int32_t>(value);
            } else {
                in.setstate(std::ios_base::failbit);
            }
        }
        if (diagnostics != nullptr && static_cast<long long>(row[0]) + row[1] + row[2] != 100) {
            *diagnostics << "ERROR";
        }
    }
}

std::int32_t ReferenceReadNumber(std::string_view text) {
    const std::string terminated(text);
    const long long value = std::strtoll(terminated.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

std::string RestOf(std::istream& in) {
    in.clear();
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TrickleBuffer::TrickleBuffer(std::string text, std::size_t step)
    : text(std::move(text)), step(std::max<std::size_t>(step, 1)) {
    char* start = this->text.data();
    setg(start, start, start);
}

TrickleBuffer::int_type TrickleBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    char* start = text.data();
    const std::size_t shown = static_cast<std::size_t>(egptr() - start);
    if (shown == text.size()) {
        return traits_type::eof();
    }
    setg(start, egptr(), start + std::min(text.size(), shown + step));
    return traits_type::to_int_type(*gptr());
}

BrokenBuffer::BrokenBuffer(std::string text, std::size_t good)
    : text(std::move(text)), good(std::min(good, this->text.size())) {
    char* start = this->text.data();
    setg(start, start, start);
}

BrokenBuffer::int_type BrokenBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    char* start = text.data();
    const std::size_t shown = static_cast<std::size_t>(egptr() - start);
    if (shown == good) {
        throw std::ios_base::failure("read error", std::error_code(EIO, std::generic_category()));
    }
    setg(start, egptr(), egptr() + 1);
    return traits_type::to_int_type(*gptr());
}

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}
