#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <ostream>
#include <system_error>

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
