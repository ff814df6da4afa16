#include "betfile/clipboard_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>

#include "betfile/bet_reader.h"

using namespace lumo;

namespace {

// Column sets can be neither copied nor moved, hence the pointer.
std::unique_ptr<CColumnSet> BetOfSize(std::int32_t count) {
    auto bet = std::make_unique<CColumnSet>();
    for (std::int32_t i = 0; i < count; ++i) {
        bet->AppendNoGrow(CColumn(i * 4783 % kAllColumns));
    }
    return bet;
}

TEST(ClipboardTextTest, OneHomeWinColumnIsTwentyNineBytes) {
    const std::vector<char> block = ClipboardBlock(*BetOfSize(1));
    ASSERT_EQ(block.size(), kClipboardBlockBytes);
    EXPECT_EQ(std::string(block.data()), "1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t\n");
    EXPECT_TRUE(std::all_of(block.begin() + 29, block.end(), [](char c) { return c == '\0'; }));
}

TEST(ClipboardTextTest, LimitIsAThousandColumns) {
    EXPECT_TRUE(CanCopyToClipboard(*BetOfSize(0)));
    EXPECT_EQ(std::string(ClipboardBlock(*BetOfSize(0)).data()), "");

    const auto thousand = BetOfSize(kClipboardColumnLimit);
    ASSERT_TRUE(CanCopyToClipboard(*thousand));
    EXPECT_EQ(std::string(ClipboardBlock(*thousand).data()).size(), 29'000u);

    const auto tooMany = BetOfSize(kClipboardColumnLimit + 1);
    EXPECT_FALSE(CanCopyToClipboard(*tooMany));
    EXPECT_TRUE(ClipboardBlock(*tooMany).empty());
}

TEST(ClipboardTextTest, ReadsBackAsABetWithACountLineInFront) {
    const auto bet = BetOfSize(kClipboardColumnLimit);
    std::istringstream in("1000\n" + std::string(ClipboardBlock(*bet).data()));
    CColumnSet read;
    EXPECT_EQ(ReadBet(in, read).end, BetReadEnd::kComplete);
    ASSERT_EQ(read.Count(), bet->Count());
    for (std::int32_t i = 0; i < bet->Count(); ++i) {
        EXPECT_EQ(read[i].results, (*bet)[i].results);
    }
}

}  // namespace
