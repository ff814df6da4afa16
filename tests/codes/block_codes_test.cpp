#include "codes/block_codes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace lumo;

namespace {

// Digits 0..2 as chars; a string orders and compares them.
using Word = std::string;

std::vector<Word> WordsOf(const BlockCode& code) {
    std::vector<Word> words;
    const auto length = static_cast<std::size_t>(code.Length());
    for (std::size_t start = 0; start < code.digits.size(); start += length) {
        words.emplace_back(code.digits.begin() + static_cast<std::ptrdiff_t>(start),
                           code.digits.begin() + static_cast<std::ptrdiff_t>(start + length));
    }
    return words;
}

std::string NameOf(const BlockCode& code) {
    return std::to_string(code.triples) + " ternary, " + std::to_string(code.doubles) +
           " binary, radius " + std::to_string(code.radius);
}

TEST(BlockCodesTest, EveryCodeHasDistinctWordsOfItsShape) {
    for (const BlockCode& code : BlockCodes()) {
        const std::vector<Word> words = WordsOf(code);
        ASSERT_EQ(code.digits.size() % static_cast<std::size_t>(code.Length()), 0U) << NameOf(code);
        EXPECT_EQ(std::set<Word>(words.begin(), words.end()).size(), words.size()) << NameOf(code);
        for (const Word& word : words) {
            for (std::size_t k = 0; k < word.size(); ++k) {
                ASSERT_LT(static_cast<std::int32_t>(word[k]),
                          k < static_cast<std::size_t>(code.triples) ? 3 : 2)
                    << NameOf(code);
            }
        }
    }
}

TEST(BlockCodesTest, HoldsTheKnownCodes) {
    // Triples, doubles, radius, size: the perfect and the Golay codes, the
    // optimal small ones and those found by search.
    const std::int64_t known[][4] = {
        {4, 0, 1, 9},    {13, 0, 1, 59'049}, {11, 0, 2, 729}, {12, 0, 3, 729},  {3, 0, 1, 5},
        {5, 0, 2, 8},    {6, 0, 2, 17},      {7, 0, 2, 34},   {6, 0, 3, 6},     {7, 0, 3, 12},
        {0, 7, 1, 16},   {0, 6, 1, 12},      {0, 7, 2, 7},    {0, 11, 2, 44},   {3, 3, 1, 24},
        {2, 6, 1, 64},   {5, 4, 2, 65},      {8, 0, 1, 486},  {9, 0, 1, 1'377}, {10, 0, 1, 3'645},
        {11, 0, 3, 243}, {12, 0, 1, 29'160}, {10, 0, 2, 567}, {10, 0, 3, 135},  {11, 0, 1, 10'206},
    };
    for (const auto& k : known) {
        const auto& codes = BlockCodes();
        const auto code = std::find_if(codes.begin(), codes.end(), [&k](const BlockCode& c) {
            return c.triples == k[0] && c.doubles == k[1] && c.radius == k[2];
        });
        ASSERT_NE(code, codes.end()) << k[0] << " ternary, " << k[1] << " binary, radius " << k[2];
        EXPECT_EQ(code->Size(), k[3]) << NameOf(*code);
    }
}

TEST(BlockCodesTest, FindsTheRadiusOfWordLists) {
    // The ternary repetition code of length 3 has radius 2 (012 is two away
    // from each word), the binary one radius 1; one
    // word of a mixed shape is at the full length from its complement; an
    // empty code has none.
    EXPECT_EQ(CoveringRadiusOf(
                  {.triples = 3, .doubles = 0, .radius = 0, .digits = {0, 0, 0, 1, 1, 1, 2, 2, 2}}),
              2);
    EXPECT_EQ(
        CoveringRadiusOf({.triples = 0, .doubles = 3, .radius = 0, .digits = {0, 0, 0, 1, 1, 1}}),
        1);
    EXPECT_EQ(CoveringRadiusOf({.triples = 2, .doubles = 2, .radius = 0, .digits = {0, 1, 1, 0}}),
              4);
    EXPECT_EQ(CoveringRadiusOf({.triples = 2, .doubles = 0, .radius = 0, .digits = {}}), -1);
}

}  // namespace
