#include "core/internal/product_cover.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "tests/core/test_support.h"

namespace {

constexpr std::uint8_t kTriple = 0b111;
constexpr std::uint8_t kDouble1X = 0b011;
constexpr std::uint8_t kDoubleX2 = 0b110;
constexpr std::uint8_t kFixed1 = 0b001;
constexpr std::uint8_t kFixed2 = 0b100;

// The choices: `triples` triples, then `doubles` doubles (1X and X2 in
// turn), then fixed results (1 and 2 in turn).
MatchChoices Choices(std::size_t triples, std::size_t doubles) {
    MatchChoices choices{};
    for (std::size_t m = 0; m < choices.size(); ++m) {
        choices[m] = m < triples             ? kTriple
                     : m < triples + doubles ? (m % 2 == 0 ? kDouble1X : kDoubleX2)
                                             : (m % 2 == 0 ? kFixed1 : kFixed2);
    }
    return choices;
}

// Every combination of the choices, in a mixed order.
std::vector<CColumn> ProductBet(const MatchChoices& choices) {
    std::vector<CColumn> columns{CColumn()};
    for (std::size_t m = 0; m < choices.size(); ++m) {
        std::vector<CColumn> next;
        for (const CColumn& column : columns) {
            for (std::uint8_t code = 3; code-- > 0;) {
                if ((choices[m] >> code & 1) != 0) {
                    CColumn changed = column;
                    changed.results[m] = code;
                    next.push_back(changed);
                }
            }
        }
        columns = next;
    }
    return columns;
}

std::vector<CColumn> ColumnsOfIndices(const std::vector<std::int32_t>& indices) {
    return {indices.begin(), indices.end()};
}

TEST(ProductCoverTest, RecognisesExactProductsOnly) {
    const MatchChoices choices = Choices(3, 4);
    std::vector<CColumn> columns = ProductBet(choices);
    columns.push_back(columns.front());  // a repeated column changes nothing
    EXPECT_EQ(ProductChoices(BetIndex(*SetOf(columns))), choices);
    columns.pop_back();
    columns.pop_back();  // one combination missing
    EXPECT_EQ(ProductChoices(BetIndex(*SetOf(columns))), std::nullopt);
    EXPECT_EQ(ProductChoices(BetIndex(*SetOf({}))), std::nullopt);
}

struct ConstructionCase {
    std::size_t triples;
    std::size_t doubles;
    std::int32_t guarantee;
    std::size_t size;
};

TEST(ProductCoverTest, BuildsTheKnownSizesAndCoversTheProduct) {
    const ConstructionCase cases[] = {
        {4, 0, 13, 9},  {0, 7, 13, 16}, {8, 0, 12, 81}, {8, 0, 11, 27}, {3, 0, 13, 5},
        {2, 5, 12, 18}, {5, 0, 12, 8},  {0, 0, 14, 1},  {2, 0, 14, 9},  {6, 4, 10, 32},
    };
    for (const ConstructionCase& c : cases) {
        const MatchChoices choices = Choices(c.triples, c.doubles);
        const std::vector<std::int32_t> cover = ProductCover(choices, RadiusOf(c.guarantee));
        const std::vector<CColumn> bet = ProductBet(choices);
        const auto betSet = SetOf(bet);
        const BetIndex index(*betSet);
        for (const std::int32_t column : cover) {
            ASSERT_NE(index.IdOf(column), -1) << "a constructed column outside the bet";
        }
        EXPECT_EQ(cover.size(), c.size)
            << c.triples << " triples, " << c.doubles << " doubles, al " << c.guarantee;
        EXPECT_EQ(NaiveFirstUncovered(bet, ColumnsOfIndices(cover), c.guarantee), std::nullopt)
            << c.triples << " triples, " << c.doubles << " doubles, al " << c.guarantee;
    }
}

}  // namespace
