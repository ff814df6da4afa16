#include "text/read_number.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace lumo;

namespace {

using namespace std::string_view_literals;

struct NumberCase {
    std::string_view text;
    std::int32_t value;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.text));
}

class ReadNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberTest, ReadsLeadingNumber) {
    EXPECT_EQ(ReadNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    EditBoxTexts, ReadNumberTest,
    testing::Values(
        // No digits in place read as 0.
        NumberCase{""sv, 0}, NumberCase{"   "sv, 0}, NumberCase{"-"sv, 0}, NumberCase{"+"sv, 0},
        NumberCase{"abc"sv, 0}, NumberCase{"--7"sv, 0}, NumberCase{"+-7"sv, 0},
        NumberCase{"- 7"sv, 0},
        NumberCase{"\xC2\xA0"
                   "7"sv,
                   0},
        NumberCase{"\0"
                   "5"sv,
                   0},
        // Leading white space, one sign, digits up to the first other character.
        NumberCase{"60"sv, 60}, NumberCase{" \t\n\v\f\r42"sv, 42}, NumberCase{"+7"sv, 7},
        NumberCase{"-7"sv, -7}, NumberCase{"0007"sv, 7}, NumberCase{"12 34"sv, 12},
        NumberCase{"1e5"sv, 1}, NumberCase{"60%"sv, 60},
        NumberCase{"5\0"
                   "6"sv,
                   5},
        // The 32-bit limits, and saturation beyond them.
        NumberCase{"2147483647"sv, INT32_MAX}, NumberCase{"2147483648"sv, INT32_MAX},
        NumberCase{"-2147483648"sv, INT32_MIN}, NumberCase{"-2147483649"sv, INT32_MIN},
        NumberCase{"99999999999999999999999999"sv, INT32_MAX},
        NumberCase{"-00000000000000000000000012"sv, -12}));

}  // namespace
