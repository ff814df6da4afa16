#include "core/small_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every word of the code's space, as digit strings.
std::vector<std::string> AllWords(std::int32_t symbols, std::int32_t length) {
    std::vector<std::string> words{""};
    for (std::int32_t position = 0; position < length; ++position) {
        std::vector<std::string> longer;
        for (const std::string& word : words) {
            for (std::int32_t symbol = 0; symbol < symbols; ++symbol) {
                longer.push_back(word + static_cast<char>('0' + symbol));
            }
        }
        words = longer;
    }
    return words;
}

std::int32_t Distance(std::string_view a, std::string_view b) {
    std::int32_t distance = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        distance += a[i] != b[i] ? 1 : 0;
    }
    return distance;
}

TEST(SmallCodesTest, EveryCodeCoversItsSpaceWithinItsRadius) {
    for (const SmallCode& code : SmallCodes()) {
        const std::string name = std::to_string(code.symbols) + "-ary length " +
                                 std::to_string(code.length) + " radius " +
                                 std::to_string(code.radius);
        const std::set<std::string_view> distinct(code.words.begin(), code.words.end());
        EXPECT_EQ(distinct.size(), code.words.size()) << name;
        for (const std::string_view word : code.words) {
            ASSERT_EQ(static_cast<std::int32_t>(word.size()), code.length) << name;
            for (const char digit : word) {
                ASSERT_LT(digit - '0', code.symbols) << name;
            }
        }
        for (const std::string& word : AllWords(code.symbols, code.length)) {
            const bool covered =
                std::any_of(code.words.begin(), code.words.end(),
                            [&](std::string_view c) { return Distance(word, c) <= code.radius; });
            EXPECT_TRUE(covered) << name << " misses " << word;
        }
    }
}

TEST(SmallCodesTest, HoldsTheKnownOptimalSizes) {
    const auto sizeOf = [](std::int32_t symbols, std::int32_t length, std::int32_t radius) {
        for (const SmallCode& code : SmallCodes()) {
            if (code.symbols == symbols && code.length == length && code.radius == radius) {
                return static_cast<std::int32_t>(code.words.size());
            }
        }
        return -1;
    };
    EXPECT_EQ(sizeOf(3, 3, 1), 5);
    EXPECT_EQ(sizeOf(3, 4, 1), 9);
    EXPECT_EQ(sizeOf(3, 5, 2), 8);
    EXPECT_EQ(sizeOf(2, 4, 1), 4);
    EXPECT_EQ(sizeOf(2, 5, 1), 7);
    EXPECT_EQ(sizeOf(2, 6, 1), 12);
    EXPECT_EQ(sizeOf(2, 7, 1), 16);
    EXPECT_EQ(sizeOf(2, 6, 2), 4);
    EXPECT_EQ(sizeOf(2, 7, 2), 7);
}

}  // namespace
