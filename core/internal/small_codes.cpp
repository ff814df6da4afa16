#include "core/internal/small_codes.h"

#include <array>

namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kTernaryAll{"0"sv, "1"sv, "2"sv};
constexpr std::array kBinaryAll{"0"sv, "1"sv};
constexpr std::array kSingle{"0"sv};
constexpr std::array kTernary2x1{"00"sv, "11"sv, "22"sv};
constexpr std::array kTernary3x1{"012"sv, "020"sv, "110"sv, "122"sv, "201"sv};
// The tetracode: (a, b, a + b, a + 2b) modulo 3.
constexpr std::array kTernary4x1{"0000"sv, "0112"sv, "0221"sv, "1011"sv, "1120"sv,
                                 "1202"sv, "2022"sv, "2101"sv, "2210"sv};
constexpr std::array kTernary3x2{"000"sv, "111"sv, "222"sv};
constexpr std::array kTernary4x2{"0000"sv, "1111"sv, "2222"sv};
constexpr std::array kTernary5x2{"00220"sv, "01120"sv, "02001"sv, "10112"sv,
                                 "11212"sv, "21201"sv, "22000"sv, "22021"sv};
constexpr std::array kBinary3x1{"000"sv, "111"sv};
constexpr std::array kBinary4x1{"0011"sv, "0100"sv, "1000"sv, "1111"sv};
constexpr std::array kBinary5x1{"00000"sv, "00100"sv, "01000"sv, "01111"sv,
                                "10011"sv, "11101"sv, "11110"sv};
constexpr std::array kBinary6x1{"000100"sv, "001111"sv, "010001"sv, "010110"sv,
                                "011000"sv, "011001"sv, "100010"sv, "100011"sv,
                                "101010"sv, "101101"sv, "110100"sv, "111111"sv};
// The Hamming code of length 7.
constexpr std::array kBinary7x1{"0000000"sv, "0001111"sv, "0010011"sv, "0011100"sv,
                                "0100101"sv, "0101010"sv, "0110110"sv, "0111001"sv,
                                "1000110"sv, "1001001"sv, "1010101"sv, "1011010"sv,
                                "1100011"sv, "1101100"sv, "1110000"sv, "1111111"sv};
constexpr std::array kBinary5x2{"00000"sv, "11111"sv};
constexpr std::array kBinary6x2{"001110"sv, "010001"sv, "101101"sv, "110010"sv};
constexpr std::array kBinary7x2{"0000101"sv, "0001001"sv, "0010011"sv, "0011101"sv,
                                "1101110"sv, "1110000"sv, "1110010"sv};
constexpr std::array kBinary7x3{"0000000"sv, "1111111"sv};

constexpr std::array kCodes{
    SmallCode{3, 1, 0, kTernaryAll}, SmallCode{3, 1, 1, kSingle},
    SmallCode{3, 2, 1, kTernary2x1}, SmallCode{3, 3, 1, kTernary3x1},
    SmallCode{3, 4, 1, kTernary4x1}, SmallCode{3, 3, 2, kTernary3x2},
    SmallCode{3, 4, 2, kTernary4x2}, SmallCode{3, 5, 2, kTernary5x2},
    SmallCode{2, 1, 0, kBinaryAll},  SmallCode{2, 1, 1, kSingle},
    SmallCode{2, 3, 1, kBinary3x1},  SmallCode{2, 4, 1, kBinary4x1},
    SmallCode{2, 5, 1, kBinary5x1},  SmallCode{2, 6, 1, kBinary6x1},
    SmallCode{2, 7, 1, kBinary7x1},  SmallCode{2, 5, 2, kBinary5x2},
    SmallCode{2, 6, 2, kBinary6x2},  SmallCode{2, 7, 2, kBinary7x2},
    SmallCode{2, 7, 3, kBinary7x3},
};

}  // namespace

std::span<const SmallCode> SmallCodes() {
    return kCodes;
}
