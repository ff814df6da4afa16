#include "betfile/bet_reader.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

#include "betfile/canonical_lines.h"
#include "betfile/internal/column_room.h"
#include "betfile/internal/read_guard.h"
#include "text/text_scanner.h"

namespace lumo {

using namespace internal;

namespace {

std::uint8_t ResultForSign(int sign) {
    return sign == '1' ? kHomeWin : sign == 'X' ? kDraw : kAwayWin;
}

// Reads the announced columns, canonical lines in place and anything else by
// the general grammar; sets result.added and, when they are not all there,
// result.end.
void ReadColumns(TextScanner& scanner, CColumnSet& set, BetReadResult& result) {
    try {
        while (result.added < result.announced) {
            // The general grammar skips this white space before the next
            // column too; skipping it here lets the canonical lines resume
            // after a column that was not one.
            scanner.SkipSpace();
            const CanonicalRun run =
                ReadCanonicalLines(scanner.Ahead(), result.announced - result.added, set);
            scanner.Skip(run.used);
            result.added += run.columns;
            if (result.added == result.announced) {
                return;
            }
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

BetReadResult ReadWithScanner(TextScanner& scanner, CColumnSet& set, std::streamsize available) {
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
    try {
        ReserveForText(set, announced, available);
    } catch (const std::bad_alloc&) {
        result.end = BetReadEnd::kOutOfMemory;
        return result;
    }
    ReadColumns(scanner, set, result);
    return result;
}

BetReadResult ReadWithMode(std::istream& in, CColumnSet& set, ScanMode mode) {
    if (in.fail()) {
        return {.end = BetReadEnd::kUnreadable};
    }
    std::unique_ptr<TextScanner> scanner;
    try {
        scanner = std::make_unique<TextScanner>(in, mode);
    } catch (const std::bad_alloc&) {
        return {.end = BetReadEnd::kOutOfMemory};
    }
    // What the stream can still give: the rest of a string, or of a regular
    // file (the file buffer asks the system); 0 when it cannot tell.
    const std::streamsize available = in.rdbuf()->in_avail();
    BetReadResult result = ReadWithScanner(*scanner, set, available);
    if (result.end == BetReadEnd::kUnreadable) {
        result.systemError = scanner->SystemError();
    }
    scanner->Finish();
    return result;
}

}  // namespace

BetReadResult ReadBet(std::istream& in, CColumnSet& set) {
    return ReadWithMode(in, set, ScanMode::kStream);
}

BetReadResult ReadBet(FileSource& source, CColumnSet& set) {
    if (source.OpenError() != 0) {
        return {.end = BetReadEnd::kUnreadable, .systemError = source.OpenError()};
    }
    const ReadGuard guard(source.Descriptor());
    if (guard.Taken()) {
        return {.end = BetReadEnd::kBeingSaved};
    }
    const std::int32_t held = set.Count();
    // A file opened here is closed after the read, so nothing need go back
    // into it.
    BetReadResult result = ReadWithMode(
        source.Stream(), set, source.OpenedByName() ? ScanMode::kWholeFile : ScanMode::kStream);
    if (!guard.Unchanged()) {
        set.Truncate(held);
        result = {.end = BetReadEnd::kChangedWhileRead};
    }
    return result;
}

BetReadResult ReadBet(const std::filesystem::path& path, CColumnSet& set, PipeWaiting waiting) {
    try {
        FileSource source(path, waiting);
        return ReadBet(source, set);
    } catch (const std::bad_alloc&) {
        return {.end = BetReadEnd::kOutOfMemory};
    }
}

}  // namespace lumo
