#include "betfile/bet_reader.h"

#include <cerrno>
#include <fstream>
#include <new>

#include "forecast/text_scanner.h"

namespace {

std::uint8_t ResultForSign(int sign) {
    return sign == '1' ? kHomeWin : sign == 'X' ? kDraw : kAwayWin;
}

// Reads the announced columns; sets result.added and, when they are not all
// there, result.end.
void ReadColumns(TextScanner& scanner, CColumnSet& set, BetReadResult& result) {
    try {
        while (result.added < result.announced) {
            CColumn column;
            for (auto& code : column.results) {
                const int sign = scanner.ReadSign();
                if (sign == TextScanner::kEnd) {
                    result.end =
                        scanner.ReadError() ? BetReadEnd::kUnreadable : BetReadEnd::kTruncated;
                    return;
                }
                code = ResultForSign(sign);
            }
            set.AppendNoGrow(column);
            ++result.added;
        }
    } catch (const std::bad_alloc&) {
        result.end = BetReadEnd::kOutOfMemory;
    }
}

BetReadResult ReadWithScanner(TextScanner& scanner, CColumnSet& set) {
    BetReadResult result;
    std::int32_t announced = 0;
    switch (scanner.ReadInteger(announced)) {
        case TextScanner::IntegerRead::kRead:
            break;
        case TextScanner::IntegerRead::kOutOfRange:
            result.end = BetReadEnd::kCountOutOfRange;
            return result;
        case TextScanner::IntegerRead::kFailed:
            result.end = scanner.ReadError() ? BetReadEnd::kUnreadable : BetReadEnd::kCountMissing;
            return result;
    }
    result.announced = announced;
    if (announced < 0) {
        result.end = BetReadEnd::kCountNegative;
        return result;
    }
    ReadColumns(scanner, set, result);
    return result;
}

}  // namespace

BetReadResult ReadBet(std::istream& in, CColumnSet& set) {
    if (in.fail()) {
        return {.end = BetReadEnd::kUnreadable};
    }
    TextScanner scanner(in);
    BetReadResult result = ReadWithScanner(scanner, set);
    if (result.end == BetReadEnd::kUnreadable) {
        result.systemError = scanner.SystemError();
    }
    scanner.Finish();
    return result;
}

BetReadResult ReadBet(const std::filesystem::path& path, CColumnSet& set) {
    // A folder opens as a file on some systems and fails only at the first
    // read; say what it is instead.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return {.end = BetReadEnd::kUnreadable, .systemError = EISDIR};
    }
    errno = 0;
    std::ifstream file(path);
    if (!file.is_open()) {
        return {.end = BetReadEnd::kUnreadable, .systemError = errno};
    }
    return ReadBet(file, set);
}
