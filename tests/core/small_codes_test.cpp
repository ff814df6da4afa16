#include "core/internal/small_codes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
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
    // Symbols, length, radius, size.
    const std::int32_t known[][4] = {{3, 3, 1, 5},  {3, 4, 1, 9}, {3, 5, 2, 8},
                                     {2, 4, 1, 4},  {2, 5, 1, 7}, {2, 6, 1, 12},
                                     {2, 7, 1, 16}, {2, 6, 2, 4}, {2, 7, 2, 7}};
    const std::span<const SmallCode> codes = SmallCodes();
    for (const auto& k : known) {
        const auto code = std::find_if(codes.begin(), codes.end(), [&k](const SmallCode& c) {
            return c.symbols == k[0] && c.length == k[1] && c.radius == k[2];
        });
        ASSERT_NE(code, codes.end()) << k[0] << "-ary length " << k[1] << " radius " << k[2];
        EXPECT_EQ(static_cast<std::int32_t>(code->words.size()), k[3]) << k[1];
    }
}

}  // namespace
