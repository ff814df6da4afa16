#include "core/small_codes.h"

#include <array>

namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kTernaryAll{"0"sv, "1"sv, "2"sv};
constexpr std::array kBinaryAll{"0"sv, "1"sv};
constexpr std::array kSingle{"0"sv};
constexpr std::array kTernary2x1{"00"sv, "11"sv, "22"sv};
constexpr std::array kTernary3x1{"012"sv, "020"sv, "110"sv, "122"sv, "201"sv};
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

// Found by a tabu search (codewords moved one position at a time towards an
// uncovered word, the move that leaves the fewest words uncovered taken
// first), for sizes below those of any direct sum of the codes above.
// Ternary positions first, then binary ones.
constexpr std::array kTernary6x2{"101000"sv, "012200"sv, "222010"sv, "001210"sv, "112020"sv,
                                 "220120"sv, "100101"sv, "210011"sv, "122111"sv, "211121"sv,
                                 "120221"sv, "021002"sv, "202202"sv, "110112"sv, "221212"sv,
                                 "002022"sv, "111222"sv};
constexpr std::array kTernary7x2{
    "1222000"sv, "1002100"sv, "1112200"sv, "2101010"sv, "0011010"sv, "1011010"sv, "0121110"sv,
    "0201210"sv, "0100020"sv, "2210120"sv, "2020220"sv, "2100001"sv, "0010001"sv, "0120101"sv,
    "0200201"sv, "1200201"sv, "0102011"sv, "2212111"sv, "2022211"sv, "1221021"sv, "1001121"sv,
    "1111221"sv, "0101002"sv, "2211102"sv, "2021202"sv, "1220012"sv, "1000112"sv, "1110212"sv,
    "2012022"sv, "0212122"sv, "1122122"sv, "2122122"sv, "2202222"sv, "0022222"sv};
constexpr std::array kTernary7x3{"2010000"sv, "1022000"sv, "0021010"sv, "0002020"sv,
                                 "0222201"sv, "1200211"sv, "2220221"sv, "1211221"sv,
                                 "0110102"sv, "2101102"sv, "2112112"sv, "1121122"sv};
constexpr std::array kMixed3and3x1{
    "210000"sv, "121000"sv, "002000"sv, "100100"sv, "011100"sv, "222100"sv, "100010"sv, "011010"sv,
    "222010"sv, "020110"sv, "201110"sv, "112110"sv, "020001"sv, "201001"sv, "112001"sv, "100101"sv,
    "011101"sv, "222101"sv, "210011"sv, "121011"sv, "002011"sv, "210111"sv, "121111"sv, "002111"sv};
constexpr std::array kTernary6x3{"121100"sv, "011010"sv, "002011"sv,
                                 "222221"sv, "200102"sv, "110222"sv};
constexpr std::array kTernary6x1{
    "120000"sv, "211000"sv, "010100"sv, "102100"sv, "001200"sv, "222200"sv, "100010"sv, "202010"sv,
    "010110"sv, "021110"sv, "121110"sv, "221110"sv, "020210"sv, "111210"sv, "112210"sv, "001020"sv,
    "002020"sv, "012020"sv, "022020"sv, "200120"sv, "220120"sv, "111120"sv, "200220"sv, "210220"sv,
    "121220"sv, "000001"sv, "200001"sv, "101001"sv, "120101"sv, "011101"sv, "212101"sv, "022101"sv,
    "110201"sv, "221201"sv, "012201"sv, "222201"sv, "011011"sv, "122011"sv, "100111"sv, "212111"sv,
    "020211"sv, "201211"sv, "110021"sv, "221021"sv, "001121"sv, "212121"sv, "020221"sv, "102221"sv,
    "021002"sv, "112002"sv, "010102"sv, "201102"sv, "100202"sv, "222202"sv, "210012"sv, "220012"sv,
    "101012"sv, "002012"sv, "220112"sv, "111112"sv, "002112"sv, "210212"sv, "121212"sv, "002212"sv,
    "100022"sv, "202022"sv, "010122"sv, "121122"sv, "122122"sv, "020222"sv, "011222"sv, "111222"sv,
    "211222"sv};
constexpr std::array kBinary11x2{
    "00000100000"sv, "01111100000"sv, "11010010000"sv, "10101010000"sv, "10011101000"sv,
    "01001011000"sv, "00011100100"sv, "11001010100"sv, "11100101100"sv, "00110011100"sv,
    "11001000010"sv, "00011110010"sv, "00110001010"sv, "11100111010"sv, "10110000110"sv,
    "01100110110"sv, "01010001110"sv, "00101001110"sv, "10000111110"sv, "00110111110"sv,
    "11111111110"sv, "00011000001"sv, "11001110001"sv, "11100001001"sv, "00110111001"sv,
    "01100000101"sv, "11100010101"sv, "10110110101"sv, "10000001101"sv, "11111001101"sv,
    "01010111101"sv, "00101111101"sv, "10110100011"sv, "01100010011"sv, "01010101011"sv,
    "00101101011"sv, "10000011011"sv, "11111011011"sv, "11010100111"sv, "10101100111"sv,
    "00000010111"sv, "01111010111"sv, "01001101111"sv, "10011011111"sv};

constexpr std::array kCodes{
    SmallCode{1, 0, 0, kTernaryAll},   SmallCode{1, 0, 1, kSingle},
    SmallCode{2, 0, 1, kTernary2x1},   SmallCode{3, 0, 1, kTernary3x1},
    SmallCode{3, 0, 2, kTernary3x2},   SmallCode{4, 0, 2, kTernary4x2},
    SmallCode{5, 0, 2, kTernary5x2},   SmallCode{0, 1, 0, kBinaryAll},
    SmallCode{0, 1, 1, kSingle},       SmallCode{0, 3, 1, kBinary3x1},
    SmallCode{0, 4, 1, kBinary4x1},    SmallCode{0, 5, 1, kBinary5x1},
    SmallCode{0, 6, 1, kBinary6x1},    SmallCode{0, 7, 1, kBinary7x1},
    SmallCode{0, 5, 2, kBinary5x2},    SmallCode{0, 6, 2, kBinary6x2},
    SmallCode{0, 7, 2, kBinary7x2},    SmallCode{0, 7, 3, kBinary7x3},
    SmallCode{6, 0, 2, kTernary6x2},   SmallCode{7, 0, 2, kTernary7x2},
    SmallCode{6, 0, 3, kTernary6x3},   SmallCode{7, 0, 3, kTernary7x3},
    SmallCode{3, 3, 1, kMixed3and3x1}, SmallCode{6, 0, 1, kTernary6x1},
    SmallCode{0, 11, 2, kBinary11x2},
};

}  // namespace

std::span<const SmallCode> SmallCodes() {
    return kCodes;
}
