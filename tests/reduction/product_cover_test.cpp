#include "reduction/internal/product_cover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

#include "core/distance_ball.h"
#include "reduction/cover_check.h"
#include "tests/core/test_support.h"

using namespace lumo;
using namespace lumo::internal;

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
    {{1, 1, 1}, {1, 1, 1}, {2, 1, 1}, {2, 2, 1}, {4, 2, 2}, {7, 2, 2}, {12, 4, 2}, {16, 7, 2}, {32, 12, 4}, {64, 16, 7}, {120, 32, 12}, {192, 44, 16}, {380, 88, 32}, {760, 176, 44}, {1520, 256, 88}},
    {{1, 1, 1}, {2, 1, 1}, {4, 2, 1}, {6, 2, 2}, {8, 3, 2}, {16, 6, 2}, {30, 8, 3}, {48, 12, 6}, {96, 20, 9}, {192, 35, 12}, {284, 64, 23}, {568, 108, 40}, {1136, 216, 70}, {2272, 432, 128}},
    {{3, 1, 1}, {6, 2, 1}, {6, 3, 2}, {12, 4, 2}, {20, 6, 3}, {36, 11, 4}, {64, 16, 7}, {128, 28, 11}, {256, 50, 16}, {512, 82, 29}, {852, 164, 56}, {1704, 320, 96}, {3408, 576, 160}},
    {{5, 3, 1}, {9, 3, 2}, {16, 5, 3}, {24, 8, 3}, {48, 13, 6}, {96, 23, 8}, {175, 39, 12}, {350, 56, 23}, {700, 96, 40}, {1400, 192, 72}, {2556, 384, 112}, {5112, 768, 192}},
    {{9, 3, 3}, {18, 6, 3}, {36, 10, 4}, {72, 18, 6}, {130, 24, 10}, {260, 48, 16}, {520, 72, 31}, {1040, 144, 48}, {2080, 288, 96}, {4160, 576, 144}, {7668, 1080, 288}},
    {{27, 8, 3}, {54, 12, 4}, {97, 22, 7}, {168, 38, 12}, {336, 65, 23}, {672, 108, 40}, {1344, 216, 70}, {2688, 432, 108}, {5376, 864, 180}, {10752, 1536, 315}},
    {{73, 17, 6}, {132, 27, 9}, {258, 48, 18}, {504, 72, 31}, {1008, 144, 53}, {2016, 288, 94}, {4032, 576, 144}, {8064, 1152, 252}, {16128, 2112, 432}},
    {{186, 34, 12}, {372, 54, 24}, {744, 108, 40}, {1488, 216, 68}, {2976, 432, 108}, {5952, 864, 207}, {11904, 1575, 351}, {23808, 2976, 504}},
    {{486, 81, 27}, {972, 162, 54}, {1944, 324, 90}, {3888, 648, 162}, {7776, 1170, 216}, {15552, 2328, 432}, {31104, 4032, 648}},
    {{1377, 219, 72}, {2754, 438, 108}, {5508, 873, 198}, {11016, 1512, 324}, {22032, 3024, 585}, {44064, 6048, 972}},
    {{3645, 567, 135}, {7290, 1134, 243}, {14580, 2268, 432}, {29160, 4464, 648}, {58320, 8928, 1296}},
    {{10206, 729, 243}, {20412, 1458, 486}, {40824, 2916, 972}, {81648, 5832, 1458}},
    {{29160, 2187, 729}, {58320, 4374, 1458}, {116640, 8748, 2916}},
    {{59049, 6561, 1215}, {118098, 13122, 2430}},
    {{177147, 19683, 2187}}
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
                EXPECT_EQ(ProductCoverSize(choices, RadiusOf(guarantee)),
                          static_cast<std::int64_t>(cover.size()))
                    << shape;
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

TEST(ProductCoverTest, CountsTheProductAndItsBalls) {
    for (std::int32_t radius = 0; radius <= kMatches; ++radius) {
        EXPECT_EQ(ProductBall(Choices(kMatches, 0), radius), BallSize(radius));
    }
    const MatchChoices choices = Choices(3, 4);
    const std::vector<CColumn> columns = ProductBet(choices);
    EXPECT_EQ(ProductSize(choices), static_cast<std::int64_t>(columns.size()));
    for (std::int32_t radius = 0; radius <= 7; ++radius) {
        EXPECT_EQ(ProductBall(choices, radius),
                  std::count_if(columns.begin(), columns.end(), [&](const CColumn& column) {
                      return NaiveHits(column, columns[0]) >= kMatches - radius;
                  }));
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
