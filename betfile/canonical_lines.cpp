#include "betfile/canonical_lines.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)

namespace lumo {

namespace {

// Bytes examined for one line: 14 signs and up to two line-end bytes.
constexpr std::size_t kWindow = 16;
constexpr auto kSignCount = static_cast<std::size_t>(kMatches);
constexpr int kSignBits = (1 << kMatches) - 1;

// The record's layout, which the line's codes are shifted into.
constexpr int kResultsOffset = 5;
static_assert(offsetof(CColumn, score) == 0 && offsetof(CColumn, marked) == 4 &&
                  offsetof(CColumn, results) == kResultsOffset && sizeof(CColumn) == 20,
              "a column is score, mark, 14 codes and one byte of padding");

bool Bit(int mask, int position) {
    return ((mask >> position) & 1) != 0;
}

}  // namespace

CanonicalRun ReadCanonicalLines(std::string_view text, std::int32_t due, CColumnSet& set) {
    const std::int32_t most = std::min(due, set.Capacity() - set.Count());
    const __m128i homeSign = _mm_set1_epi8('1');
    const __m128i drawSign = _mm_set1_epi8('X');
    const __m128i awaySign = _mm_set1_epi8('2');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i drawCode = _mm_set1_epi8(static_cast<char>(kDraw));
    const __m128i awayCode = _mm_set1_epi8(static_cast<char>(kAwayWin));
    CanonicalRun run;
    while (run.columns < most && text.size() - run.used >= kWindow) {
        const __m128i bytes =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + run.used));
        const __m128i isDraw = _mm_cmpeq_epi8(bytes, drawSign);
        const __m128i isAway = _mm_cmpeq_epi8(bytes, awaySign);
        const int signs = _mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, homeSign), isDraw), isAway));
        if ((signs & kSignBits) != kSignBits) {
            break;
        }
        const int returns = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, carriageReturn));
        const int feeds = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed));
        std::size_t length = 0;
        if (Bit(feeds, kMatches)) {
            length = kSignCount + 1;
        } else if (Bit(returns, kMatches) && Bit(feeds, kMatches + 1)) {
            length = kSignCount + 2;
        } else {
            break;
        }
        // The record in two registers: score 0 and mark 0, then the 14 codes
        // (bytes 5 to 18), then padding 0; the codes of the line end are 0.
        const __m128i codes =
            _mm_or_si128(_mm_and_si128(isDraw, drawCode), _mm_and_si128(isAway, awayCode));
        const __m128i head = _mm_slli_si128(codes, kResultsOffset);
        const auto tail = static_cast<std::uint32_t>(
            _mm_cvtsi128_si32(_mm_srli_si128(codes, kWindow - kResultsOffset)));
        CColumn column;
        std::memcpy(static_cast<void*>(&column), &head, sizeof head);
        std::memcpy(reinterpret_cast<char*>(&column) + sizeof head, &tail, sizeof tail);
        set.AppendNoGrow(column);
        ++run.columns;
        run.used += run.columns == due ? kSignCount : length;
    }
    return run;
}

#else

// Without SSE2 every line goes through the general grammar, which reads the
// same columns, only more slowly.
CanonicalRun ReadCanonicalLines(std::string_view, std::int32_t, CColumnSet&) {
    return {};
}

#endif

}  // namespace lumo
