#include "codes/internal/small_codes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>

using namespace lumo;
using namespace lumo::internal;

namespace {

// Every word of the code's space, as digit strings.
std::vector<std::string> AllWords(const SmallCode& code) {
    std::vector<std::string> words{""};
    for (std::int32_t position = 0; position < code.triples + code.doubles; ++position) {
        std::vector<std::string> longer;
        for (const std::string& word : words) {
            for (std::int32_t symbol = 0; symbol < (position < code.triples ? 3 : 2); ++symbol) {
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
        const std::string name = std::to_string(code.triples) + " ternary, " +
                                 std::to_string(code.doubles) + " binary, radius " +
                                 std::to_string(code.radius);
        const std::set<std::string_view> distinct(code.words.begin(), code.words.end());
        EXPECT_EQ(distinct.size(), code.words.size()) << name;
        for (const std::string_view word : code.words) {
            ASSERT_EQ(static_cast<std::int32_t>(word.size()), code.triples + code.doubles) << name;
            for (std::size_t k = 0; k < word.size(); ++k) {
                ASSERT_LT(word[k] - '0', k < static_cast<std::size_t>(code.triples) ? 3 : 2)
                    << name;
            }
        }
        for (const std::string& word : AllWords(code)) {
            const bool covered =
                std::any_of(code.words.begin(), code.words.end(),
                            [&](std::string_view c) { return Distance(word, c) <= code.radius; });
            EXPECT_TRUE(covered) << name << " misses " << word;
        }
    }
}

}  // namespace
