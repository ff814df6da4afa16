#include "core/repeated_columns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(RepeatedColumnsTest, CountsAndDropsTheRepeatsKeepingTheFirstInOrder) {
    const std::string a = "1X21X21X21X21X";
    const std::string b = "11111111111111";
    const std::string c = "22222222222222";
    const auto bet =
        SetOf({ColumnOf(a), ColumnOf(b), ColumnOf(a), ColumnOf(c), ColumnOf(b), ColumnOf(a)});
    (*bet)[3].score = 7;
    EXPECT_EQ(CountRepeated(*bet), 3);
    DropRepeated(*bet);
    ASSERT_EQ(bet->Count(), 3);
    EXPECT_EQ(SignsOf((*bet)[0]), a);
    EXPECT_EQ(SignsOf((*bet)[1]), b);
    EXPECT_EQ(SignsOf((*bet)[2]), c);
    EXPECT_EQ((*bet)[2].score, 7);
    EXPECT_EQ(CountRepeated(*bet), 0);
}

}  // namespace
