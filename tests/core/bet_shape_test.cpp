#include "core/bet_shape.h"

#include <gtest/gtest.h>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

// Every combination of the signs given per match ("1X2" a triple, "1" fixed).
std::vector<CColumn> Product(const std::array<std::string_view, kMatches>& matches) {
    std::vector<CColumn> columns{CColumn()};
    for (std::size_t m = 0; m < kMatches; ++m) {
        std::vector<CColumn> next;
        for (const CColumn& column : columns) {
            for (const char sign : matches[m]) {
                CColumn extended = column;
                extended.results[m] = sign == '1' ? kHomeWin : sign == 'X' ? kDraw : kAwayWin;
                next.push_back(extended);
            }
        }
        columns = std::move(next);
    }
    return columns;
}

TEST(BetShapeTest, AProductIsNamedByItsTriplesDoublesAndFixedMatches) {
    const std::array<std::string_view, kMatches> matches{"1X2", "1X", "2",  "X2", "1X2", "1", "1",
                                                         "1",   "1",  "1X", "1",  "1",   "1", "1"};
    std::vector<CColumn> columns = Product(matches);
    columns.push_back(columns.front());  // a repeated column changes nothing
    const BetShape shape = ShapeOf(*SetOf(columns));
    EXPECT_TRUE(shape.product);
    EXPECT_EQ(shape.distinctColumns, 72);
    EXPECT_EQ(ShapeText(shape), "2 triples, 3 dobles, 9 fijos");
}

TEST(BetShapeTest, APartOfAProductIsNotOneButNamesItsHull) {
    std::vector<CColumn> columns =
        Product({"1X2", "1X", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    columns.pop_back();
    const BetShape shape = ShapeOf(*SetOf(columns));
    EXPECT_FALSE(shape.product);
    EXPECT_EQ(shape.distinctColumns, 5);
    EXPECT_EQ(shape.productColumns, 6);
    EXPECT_EQ(ShapeText(shape), "1 triple, 1 doble, 12 fijos");
}

TEST(BetShapeTest, AnEmptyBetHasNoShape) {
    const BetShape shape = ShapeOf(*SetOf({}));
    EXPECT_FALSE(shape.product);
    EXPECT_EQ(ShapeText(shape), "0 fijos");
}

}  // namespace
