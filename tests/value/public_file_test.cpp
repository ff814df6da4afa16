#include "value/public_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace lumo;

namespace {

// Each row divided by its own sum, not rounded; '%' attached or apart.
TEST(PublicFileTest, RowsAreDividedByTheirSum) {
    std::string text = "45,5% 30,2 % 25.3\r\n";  // 101
    for (int row = 1; row < 14; ++row) {
        text += "60 25 15\n";
    }
    std::istringstream in(text);
    const MatchFileRead read = ReadPublicStrictly(in);
    ASSERT_TRUE(read.Ok());
    EXPECT_DOUBLE_EQ(read.table[0][0], 45.5 / 101);
    EXPECT_DOUBLE_EQ(read.table[0][1], 30.2 / 101);
    EXPECT_DOUBLE_EQ(read.table[0][2], 25.3 / 101);
    EXPECT_DOUBLE_EQ(read.table[13][2], 0.15);
}

}  // namespace
