#include "betfile/strict_bet_reader.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <new>
#include <optional>
#include <string_view>

#include "betfile/canonical_lines.h"
#include "betfile/internal/column_room.h"
#include "betfile/internal/read_guard.h"
#include "betfile/interrupted_save_mark.h"
#include "core/typed_signs.h"
#include "text/chunked_input.h"
#include "text/number_grammar.h"

namespace lumo {

using namespace internal;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The most digits a count line may hold.
constexpr std::size_t kCountDigits = 20;
// The widest mark: the count line of the largest 32-bit count.
constexpr std::size_t kMarkWidth = 10;
// Bytes that ReadCanonicalLines needs ahead to take a line.
constexpr std::size_t kCanonicalWindow = 16;
// Bytes of a line read on its own that are looked at: any line that can be
// a column or a count, and the start of any other, shown in a message.
constexpr std::size_t kLineLook = 64;

// One line taken on its own.
struct LineView {
    std::string_view content;  // without its line end; its first kLineLook bytes
    std::size_t bytes = 0;     // what it takes with its line end, when not cut
    bool ended = false;        // its LF was seen
    bool cut = false;          // it is longer than kLineLook
};

LineView NextLine(ChunkedInput& input) {
    // Room for the line end after kLineLook bytes, so that a line of that
    // length is seen whole.
    constexpr std::size_t kLook = kLineLook + 2;
    input.Want(kLook);
    const std::string_view ahead = input.Ahead().substr(0, kLook);
    const std::size_t feed = ahead.find('\n');
    LineView view;
    if (feed == std::string_view::npos) {
        // The text ends on this line, unless it is longer than we look.
        view.content = ahead;
        view.bytes = ahead.size();
        view.cut = ahead.size() == kLook;
    } else {
        view.content = ahead.substr(0, feed);
        if (view.content.ends_with('\r')) {
            view.content.remove_suffix(1);
        }
        view.bytes = feed + 1;
        view.ended = true;
    }
    if (view.content.size() > kLineLook) {
        view.content = view.content.substr(0, kLineLook);
        view.cut = true;
    }
    return view;
}

bool AllOf(std::string_view text, bool (*test)(char)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), test);
}

// The column of a line of exactly 14 signs (and so no separators), if it is one.
std::optional<CColumn> ColumnOf(std::string_view content) {
    if (content.size() != static_cast<std::size_t>(kMatches)) {
        return std::nullopt;
    }
    return ColumnFromTypedSigns(content);
}

BetFileRead Failed(BetFileRead result, BetFileError error, std::int64_t line,
                   std::string_view text = {}) {
    result.error = error;
    result.line = line;
    result.text = std::string(text);
    return result;
}

// Reads the count line into result.announced; an error otherwise.
BetFileRead ReadCount(ChunkedInput& input) {
    BetFileRead result;
    input.Want(kByteOrderMark.size());
    if (input.Ahead().starts_with(kByteOrderMark)) {
        input.Skip(kByteOrderMark.size());
    }
    const LineView view = NextLine(input);
    if (!view.ended && input.ReadError()) {
        return Failed(result, BetFileError::kReadFailed, 1);
    }
    const std::string_view digits = view.content;
    if (!view.cut && digits.size() <= kMarkWidth &&
        AllOf(digits, [](char c) { return c == kInterruptedSaveMark; })) {
        return Failed(result, BetFileError::kInterruptedSave, 1, digits);
    }
    if (!view.cut && ColumnOf(digits)) {
        return Failed(result, BetFileError::kColumnForCount, 1, digits);
    }
    if (!AllOf(digits, IsDecimalDigit)) {
        return Failed(result, BetFileError::kCountMissing, 1, digits);
    }
    std::int64_t count = 0;
    for (const char c : digits) {
        count = std::min<std::int64_t>(count * 10 + (c - '0'), std::int64_t{INT32_MAX} + 1);
    }
    if (view.cut || digits.size() > kCountDigits || count > INT32_MAX) {
        return Failed(result, BetFileError::kCountOutOfRange, 1, digits);
    }
    input.Skip(view.bytes);
    result.announced = static_cast<std::int32_t>(count);
    return result;
}

bool Blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsTextSpace);
}

// The most blank bytes taken after the last column: far more than any hand
// edit leaves, and an endless blank text (a runaway pipe) ends here.
constexpr std::size_t kMostTrailingBlanks = 64 * 1024;

// Skips the blank lines after the last column, from line `line`; the first
// other line, or the line where kMostTrailingBlanks run out, is
// kTooManyLines. A blank line longer than we look is taken a look at a time.
BetFileRead SkipBlankLines(ChunkedInput& input, BetFileRead result, std::int64_t line) {
    for (std::size_t skipped = 0;;) {
        if (skipped > kMostTrailingBlanks) {
            return Failed(result, BetFileError::kTooManyLines, line);
        }
        const LineView view = NextLine(input);
        if (!view.ended && input.ReadError()) {
            return Failed(result, BetFileError::kReadFailed, line);
        }
        if (!Blank(view.content)) {
            return Failed(result, BetFileError::kTooManyLines, line, view.content);
        }
        if (view.bytes == 0) {
            return result;
        }
        const std::size_t taken = view.cut ? view.content.size() : view.bytes;
        input.Skip(taken);
        skipped += taken;
        line += view.ended && !view.cut ? 1 : 0;
    }
}

// Reads the announced columns and checks that nothing follows them.
BetFileRead ReadColumns(ChunkedInput& input, CColumnSet& set, BetFileRead result) {
    std::int64_t line = 2;  // the next line
    bool lineEndPending = false;
    while (result.columns < result.announced) {
        if (input.Ahead().size() < kCanonicalWindow) {
            input.Want(kCanonicalWindow);
        }
        const CanonicalRun run =
            ReadCanonicalLines(input.Ahead(), result.announced - result.columns, set);
        input.Skip(run.used);
        result.columns += run.columns;
        line += run.columns;
        if (result.columns == result.announced) {
            lineEndPending = run.columns > 0;  // the bulk stops after the last column's signs
            break;
        }
        if (run.columns > 0 && input.Ahead().size() < kCanonicalWindow) {
            continue;  // the chunk ran out: more text lets the bulk go on
        }
        const LineView view = NextLine(input);
        if (!view.ended && input.ReadError()) {
            return Failed(result, BetFileError::kReadFailed, line);
        }
        if (view.bytes == 0) {
            return Failed(result, BetFileError::kTooFewColumns, line - 1);
        }
        const std::optional<CColumn> column = ColumnOf(view.content);
        if (view.cut || !column) {
            return Failed(result, BetFileError::kNotAColumn, line, view.content);
        }
        set.AppendNoGrow(*column);
        input.Skip(view.bytes);
        ++result.columns;
        ++line;
    }
    if (lineEndPending) {
        input.Want(2);
        input.Skip(input.Ahead().starts_with("\r\n") ? 2 : 1);
    }
    return SkipBlankLines(input, result, line);
}

BetFileRead Unreadable(int systemError) {
    BetFileRead result;
    result.error = BetFileError::kUnreadable;
    result.systemError = systemError;
    return result;
}

BetFileRead Refused(BetFileError error) {
    BetFileRead result;
    result.error = error;
    return result;
}

BetFileRead ReadFrom(std::istream& in, CColumnSet& set) {
    const std::int32_t held = set.Count();
    BetFileRead result;
    try {
        // What the stream can still give: the rest of a string, or of a
        // regular file; 0 when it cannot tell.
        const std::streamsize available = in.good() ? in.rdbuf()->in_avail() : 0;
        ChunkedInput input(in);
        result = ReadCount(input);
        if (result.Ok()) {
            ReserveForText(set, result.announced, available);
            result = ReadColumns(input, set, result);
        }
        if (result.error == BetFileError::kReadFailed) {
            result.systemError = input.SystemError();
        }
    } catch (const std::bad_alloc&) {
        result.error = BetFileError::kOutOfMemory;
        result.line = 0;
    }
    if (!result.Ok()) {
        set.Truncate(held);
    }
    return result;
}

}  // namespace

BetFileRead ReadBetStrictly(std::istream& in, CColumnSet& set) {
    return ReadFrom(in, set);
}

BetFileRead ReadBetStrictly(FileSource& source, CColumnSet& set) {
    if (source.OpenError() != 0) {
        return Unreadable(source.OpenError());
    }
    const ReadGuard guard(source.Descriptor());
    if (guard.Taken()) {
        return Refused(BetFileError::kBeingSaved);
    }
    const std::int32_t held = set.Count();
    BetFileRead result = ReadFrom(source.Stream(), set);
    if (!guard.Unchanged()) {
        set.Truncate(held);
        result = Refused(BetFileError::kChangedWhileRead);
    }
    return result;
}

BetFileRead ReadBetStrictly(const std::filesystem::path& path, CColumnSet& set,
                            PipeWaiting waiting) {
    FileSource source(path, waiting);
    return ReadBetStrictly(source, set);
}

}  // namespace lumo
