#include "core/column.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Text(const CColumn& column) {
    std::ostringstream out;
    column.WriteText(out);
    return out.str();
}

TEST(ColumnTest, IndexDecodesMatchOneAsLeastSignificantDigit) {
    EXPECT_EQ(Text(CColumn(0)), "11111111111111");
    EXPECT_EQ(Text(CColumn(1)), "X1111111111111");
    EXPECT_EQ(Text(CColumn(kAllColumns - 1)), "22222222222222");
}

}  // namespace
