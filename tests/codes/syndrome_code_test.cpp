#include "codes/internal/syndrome_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "codes/internal/algebraic_codes.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// Digits 0..2 as chars; a string orders and compares them.
using Word = std::string;

// Every word of the code's length whose syndrome, worked out column by column,
// is one of the code's.
std::set<Word> WordsBySyndrome(const SyndromeCode& code) {
    std::set<Word> words;
    const std::size_t length = code.columns.size();
    Word word(length, 0);
    while (true) {
        std::int32_t syndrome = 0;
        for (std::size_t j = 0; j < length; ++j) {
            syndrome = AddSyndromes(syndrome, ScaleSyndrome(code.columns[j], word[j], code.checks),
                                    code.checks);
        }
        if (std::find(code.syndromes.begin(), code.syndromes.end(), syndrome) !=
            code.syndromes.end()) {
            words.insert(word);
        }
        std::size_t k = 0;
        while (k < length && word[k] == 2) {
            word[k++] = 0;
        }
        if (k == length) {
            return words;
        }
        ++word[k];
    }
}

std::int32_t Distance(const Word& a, const Word& b) {
    std::int32_t distance = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        distance += a[i] != b[i] ? 1 : 0;
    }
    return distance;
}

// The covering radius worked out word by word.
std::int32_t RadiusByWords(const std::set<Word>& code, std::size_t length) {
    SyndromeCode everything;
    everything.columns.assign(length, 0);
    std::int32_t radius = 0;
    for (const Word& word : WordsBySyndrome(everything)) {
        std::int32_t nearest = static_cast<std::int32_t>(length);
        for (const Word& codeword : code) {
            nearest = std::min(nearest, Distance(word, codeword));
        }
        radius = std::max(radius, nearest);
    }
    return radius;
}

struct SyndromeCase {
    const char* name;
    SyndromeCode code;
    std::size_t size;
};

TEST(SyndromeCodeTest, ListsTheWordsOfEverySyndromeAndFindsTheRadius) {
    // The third has a repeated column, so its first position is free; the
    // last is the union of three cosets of the second.
    const SyndromeCase cases[] = {
        {"tetracode", HammingCode(2), 9},
        {"[6,3] code", {.checks = 3, .columns = {1, 3, 9, 13, 14, 22}, .syndromes = {0}}, 27},
        {"repeated column", {.checks = 2, .columns = {1, 1, 3, 4}, .syndromes = {0}}, 9},
        {"cosets", {.checks = 3, .columns = {1, 3, 9, 13, 14, 22}, .syndromes = {0, 5, 17}}, 81},
    };
    for (const SyndromeCase& c : cases) {
        const std::vector<std::uint8_t> digits = WordsOf(c.code);
        const std::size_t length = c.code.columns.size();
        std::set<Word> listed;
        for (std::size_t start = 0; start < digits.size(); start += length) {
            listed.insert(Word(digits.begin() + static_cast<std::ptrdiff_t>(start),
                               digits.begin() + static_cast<std::ptrdiff_t>(start + length)));
        }
        EXPECT_EQ(digits.size(), c.size * length) << c.name;
        EXPECT_EQ(listed, WordsBySyndrome(c.code)) << c.name;
        EXPECT_EQ(CoveringRadiusOf(c.code), RadiusByWords(listed, length)) << c.name;
    }
}

TEST(SyndromeCodeTest, TheAlgebraicCodesHaveTheirLengthsSizesAndRadii) {
    struct Algebraic {
        const char* name;
        SyndromeCode code;
        std::size_t length;
        std::size_t size;
        std::int32_t radius;
    };
    const Algebraic codes[] = {
        {"tetracode", HammingCode(2), 4, 9, 1},
        {"Hamming [13,10]", HammingCode(3), 13, 59'049, 1},
        {"Golay [11,6]", GolayCode(), 11, 729, 2},
        {"extended Golay [12,6]", ExtendedGolayCode(), 12, 729, 3},
    };
    for (const Algebraic& c : codes) {
        EXPECT_EQ(c.code.columns.size(), c.length) << c.name;
        EXPECT_EQ(WordsOf(c.code).size(), c.size * c.length) << c.name;
        EXPECT_EQ(CoveringRadiusOf(c.code), c.radius) << c.name;
    }
}

TEST(SyndromeCodeTest, ARankTooLowHasNoWordsAndNoRadius) {
    // Both columns lie in the first row, so the second check is never met.
    const SyndromeCode code{.checks = 2, .columns = {1, 2}, .syndromes = {0}};
    EXPECT_TRUE(WordsOf(code).empty());
    EXPECT_EQ(CoveringRadiusOf(code), -1);
}

}  // namespace
