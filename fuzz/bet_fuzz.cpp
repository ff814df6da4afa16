// Fuzz harness for ReadBet: any text, read through a string stream and
// through a buffer that cuts it into small pieces, must give exactly what
// the plain reader over CColumn::ReadText gives, append after the columns
// already held, and leave the same characters unread.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "betfile/bet_messages.h"
#include "betfile/bet_reader.h"
#include "fuzz/fuzz_support.h"

namespace {

void CheckRead(std::istream& fast, std::istream& reference) {
    CColumnSet set;
    const CColumn held(4'000'000);
    set.AppendNoGrow(held);
    const BetReadResult result = ReadBet(fast, set);

    std::vector<CColumn> expected;
    const BetReadResult wanted = ReferenceReadBet(reference, expected);

    Require(result.end == wanted.end, "same ending");
    Require(result.announced == wanted.announced, "same count");
    Require(result.added == wanted.added, "same number of columns");
    Require(set.Count() == 1 + result.added, "columns appended after the one held");
    Require(set[0].results == held.results, "the column held is untouched");
    for (std::int32_t i = 0; i < result.added; ++i) {
        const CColumn& column = set[1 + i];
        Require(column.results == expected[static_cast<std::size_t>(i)].results, "same results");
        Require(column.score == 0 && column.marked == 0, "score 0, not marked");
    }
    Require(set.Capacity() <= 4096 + 4 * set.Count(), "storage grows with the columns read");
    Require(fast.rdstate() == reference.rdstate(), "same stream state");
    Require(RestOf(fast) == RestOf(reference), "same characters left unread");
    Require(BetReadMessage("a.txt", result).empty() == (result.end == BetReadEnd::kComplete),
            "a message for every read that did not end complete");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    {
        std::istringstream fast(text);
        std::istringstream reference(text);
        CheckRead(fast, reference);
    }
    {
        TrickleBuffer pieces(text, 1 + size % 17);
        std::istream fast(&pieces);
        std::istringstream reference(text);
        CheckRead(fast, reference);
    }
    return 0;
}
