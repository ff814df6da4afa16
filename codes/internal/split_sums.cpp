#include "codes/internal/split_sums.h"

#include <array>

namespace lumo::internal {

namespace {

using std::string_view_literals::operator""sv;

// The tails and splits were found by a search over the splits of the head
// and the labelled words of the tail's length, for sums with fewer words
// than any direct sum of the table's codes.

// The Golay code [11,6] split by digit sum: 13 positions, 1,215 words, and
// 14 positions, 2,187 words.
constexpr std::array kGolayTail2{"10"sv, "01"sv, "21"sv, "02"sv, "22"sv};
constexpr std::array kGolayTail3{"200"sv, "010"sv, "120"sv, "101"sv, "211"sv,
                                 "021"sv, "002"sv, "112"sv, "222"sv};

// The code of 6 positions and radius 1 (73 words): 9 positions, radius 2,
// 219 words.
constexpr std::array kSixTail3{"021"sv, "122"sv, "220"sv, "110"sv, "000"sv,
                               "012"sv, "202"sv, "211"sv, "101"sv};

constexpr std::array kSums{
    SplitSum{.headTriples = 11,
             .headRadius = 2,
             .headParts = {},
             .tail = kGolayTail2,
             .tailParts = "10220",
             .radius = 3},
    SplitSum{.headTriples = 11,
             .headRadius = 2,
             .headParts = {},
             .tail = kGolayTail3,
             .tailParts = "021210102",
             .radius = 3},
    SplitSum{
        .headTriples = 6,
        .headRadius = 1,
        .headParts = "2001211210020100012012022112201010222120010112201022022000012121202111012",
        .tail = kSixTail3,
        .tailParts = "012012012",
        .radius = 2},
};

}  // namespace

std::span<const SplitSum> SplitSums() {
    return kSums;
}

}  // namespace lumo::internal
