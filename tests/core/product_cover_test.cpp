#include "core/product_cover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

#include "core/cover_check.h"
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

// The sizes of the coverings, by number of triples and number of doubles
// (the rest fixed), al 13, al 12 and al 11.
using Sizes = std::array<std::size_t, 3>;
// clang-format off
const std::vector<std::vector<Sizes>> kExpectedSizes = {
    {{1, 1, 1}, {1, 1, 1}, {2, 1, 1}, {2, 2, 1}, {4, 2, 2}, {7, 2, 2}, {12, 4, 2}, {16, 7, 2}, {32, 14, 4}, {64, 24, 8}, {128, 32, 14}, {256, 44, 24}, {512, 88, 32}, {1024, 176, 64}, {2048, 256, 88}},
    {{1, 1, 1}, {2, 1, 1}, {4, 2, 1}, {6, 2, 2}, {12, 4, 2}, {21, 6, 2}, {36, 12, 4}, {48, 16, 6}, {96, 32, 12}, {192, 64, 24}, {384, 96, 32}, {768, 132, 44}, {1536, 264, 88}, {3072, 528, 176}},
    {{3, 1, 1}, {6, 2, 1}, {12, 4, 2}, {18, 6, 2}, {36, 12, 4}, {63, 18, 6}, {64, 36, 12}, {128, 48, 16}, {256, 96, 32}, {512, 128, 64}, {1024, 256, 96}, {2048, 396, 128}, {4096, 768, 256}},
    {{5, 3, 1}, {10, 5, 2}, {20, 10, 4}, {24, 10, 6}, {48, 20, 10}, {96, 35, 10}, {176, 48, 20}, {352, 80, 35}, {704, 160, 48}, {1408, 288, 96}, {2816, 384, 160}, {5632, 768, 220}},
    {{9, 3, 3}, {18, 6, 3}, {36, 12, 6}, {72, 18, 6}, {144, 36, 12}, {288, 63, 18}, {528, 108, 36}, {1056, 144, 48}, {2112, 288, 96}, {4224, 576, 192}, {8448, 1152, 288}},
    {{27, 8, 3}, {54, 16, 6}, {108, 32, 12}, {216, 54, 16}, {432, 80, 32}, {864, 160, 54}, {1584, 320, 96}, {3168, 432, 128}, {6336, 864, 256}, {12672, 1536, 512}},
    {{73, 17, 6}, {146, 34, 12}, {292, 68, 24}, {584, 120, 34}, {1168, 240, 68}, {2336, 480, 119}, {4672, 576, 192}, {9344, 1152, 272}, {18688, 2304, 544}},
    {{186, 34, 12}, {372, 68, 24}, {744, 136, 48}, {1488, 216, 68}, {2976, 432, 136}, {5952, 864, 238}, {11904, 1584, 408}, {23808, 2976, 544}},
    {{558, 81, 27}, {1116, 162, 54}, {2232, 324, 108}, {4464, 648, 162}, {8928, 1296, 324}, {17856, 2592, 567}, {35712, 4672, 972}},
    {{1674, 243, 72}, {3348, 486, 144}, {6696, 972, 288}, {13392, 1752, 408}, {26784, 3504, 720}, {53568, 7008, 1440}},
    {{5022, 657, 153}, {10044, 1314, 306}, {20088, 2628, 612}, {40176, 4464, 816}, {80352, 8928, 1632}},
    {{15066, 729, 306}, {30132, 1458, 612}, {60264, 2916, 1224}, {120528, 5832, 1458}},
    {{45198, 2187, 729}, {90396, 4374, 1458}, {180792, 8748, 2916}},
    {{59049, 6561, 2187}, {118098, 13122, 4374}},
    {{177147, 19683, 3645}}
};
// clang-format on

// The sanitizer build checks the coverings of the smaller bets only (up to
// 3^11 columns); the largest take minutes there.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kLargestCheckedBet = 177'147;
#else
constexpr std::size_t kLargestCheckedBet = kAllColumns;
#endif

// Whether every result of the column is one of the choices.
bool InsideProduct(std::int32_t index, const MatchChoices& choices) {
    const CColumn column(index);
    for (std::size_t m = 0; m < choices.size(); ++m) {
        if ((choices[m] >> column.results[m] & 1) == 0) {
            return false;
        }
    }
    return true;
}

TEST(ProductCoverTest, BuildsTheTableOfSizesAndCoversEveryProduct) {
    ASSERT_EQ(kExpectedSizes.size(), kMatches + 1);
    for (std::size_t triples = 0; triples <= kMatches; ++triples) {
        ASSERT_EQ(kExpectedSizes[triples].size(), kMatches + 1 - triples);
        for (std::size_t doubles = 0; triples + doubles <= kMatches; ++doubles) {
            const MatchChoices choices = Choices(triples, doubles);
            std::size_t betSize = 1;
            for (std::size_t m = 0; m < triples + doubles; ++m) {
                betSize *= m < triples ? 3 : 2;
            }
            const bool checked = betSize <= kLargestCheckedBet;
            const auto betSet = SetOf(checked ? ProductBet(choices) : std::vector<CColumn>{});
            for (std::size_t g = 0; g < 3; ++g) {
                const std::int32_t guarantee = 13 - static_cast<std::int32_t>(g);
                const std::string shape = std::to_string(triples) + " triples, " +
                                          std::to_string(doubles) + " doubles, al " +
                                          std::to_string(guarantee);
                const std::vector<std::int32_t> cover = ProductCover(choices, RadiusOf(guarantee));
                EXPECT_EQ(cover.size(), kExpectedSizes[triples][doubles][g]) << shape;
                EXPECT_TRUE(std::all_of(cover.begin(), cover.end(), [&](std::int32_t index) {
                    return InsideProduct(index, choices);
                })) << shape;
                if (checked) {
                    EXPECT_EQ(FirstUncovered(*betSet, *SetOf(ColumnsOfIndices(cover)), guarantee),
                              std::nullopt)
                        << shape;
                }
            }
        }
    }
}

TEST(ProductCoverTest, SmallCoveringsHoldColumnByColumn) {
    // Checked against every pair of bet and covering columns, apart from the
    // bitmap of the independent check.
    const std::size_t shapes[][3] = {{4, 0, 13}, {0, 7, 13}, {3, 3, 13}, {6, 0, 12}, {2, 5, 12},
                                     {7, 0, 11}, {6, 4, 10}, {0, 0, 14}, {2, 0, 14}};
    for (const auto& shape : shapes) {
        const MatchChoices choices = Choices(shape[0], shape[1]);
        const auto guarantee = static_cast<std::int32_t>(shape[2]);
        const std::vector<std::int32_t> cover = ProductCover(choices, RadiusOf(guarantee));
        EXPECT_EQ(NaiveFirstUncovered(ProductBet(choices), ColumnsOfIndices(cover), guarantee),
                  std::nullopt)
            << shape[0] << " triples, " << shape[1] << " doubles, al " << guarantee;
    }
}

}  // namespace
