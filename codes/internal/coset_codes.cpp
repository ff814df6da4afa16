#include "codes/internal/coset_codes.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace lumo::internal {

namespace {

using std::string_view_literals::operator""sv;

// Each column and syndrome is a string of digits, row 0 first.
// 7 columns, 6 checks, 62 cosets of 3 words, radius 1.
constexpr std::array kLength7Radius1Columns{"100000"sv, "010000"sv, "001000"sv, "000100"sv,
                                            "000010"sv, "000001"sv, "111210"sv};
constexpr std::array kLength7Radius1Syndromes{
    "000000"sv, "112000"sv, "011100"sv, "222100"sv, "120200"sv, "201200"sv, "220010"sv, "011010"sv,
    "202010"sv, "020110"sv, "121110"sv, "002110"sv, "100210"sv, "212210"sv, "000020"sv, "221020"sv,
    "210120"sv, "102120"sv, "111220"sv, "022220"sv, "000001"sv, "121001"sv, "110101"sv, "222101"sv,
    "210201"sv, "021201"sv, "102201"sv, "220011"sv, "101011"sv, "022011"sv, "200111"sv, "211111"sv,
    "002111"sv, "010211"sv, "122211"sv, "000021"sv, "212021"sv, "120121"sv, "201121"sv, "012121"sv,
    "220221"sv, "111221"sv, "000002"sv, "211002"sv, "101102"sv, "222102"sv, "120202"sv, "012202"sv,
    "110012"sv, "202012"sv, "022012"sv, "200112"sv, "020112"sv, "112112"sv, "001212"sv, "221212"sv,
    "000022"sv, "122022"sv, "210122"sv, "021122"sv, "111222"sv, "202222"sv};

// The matrices below are written row by row, as printed with their codes;
// Rows() turns them into columns.
// 8 positions, 4 checks, 6 cosets of 81 words: 486 words, radius 1 (van
// Laarhoven, Aarts, van Lint and Wille, 1989).
constexpr std::array kLength8Radius1Rows{"10100110"sv, "01120211"sv, "00020000"sv, "00011111"sv};
constexpr std::array kLength8Radius1Syndromes{"0000"sv, "2210"sv, "1020"sv,
                                              "2212"sv, "1201"sv, "0020"sv};
// 9 positions, 6 checks, 51 cosets of 27 words: 1,377 words, radius 1;
// found here ("lumo-coset-search 9 6 1 54 600 1").
constexpr std::array kLength9Radius1Rows{"100000011"sv, "010000101"sv, "001000222"sv,
                                         "000100112"sv, "000010010"sv, "000001100"sv};
constexpr std::array kLength9Radius1Syndromes{
    "111000"sv, "202000"sv, "210100"sv, "012100"sv, "122200"sv, "100010"sv, "010110"sv, "220110"sv,
    "212110"sv, "210210"sv, "020210"sv, "101210"sv, "001020"sv, "111120"sv, "221220"sv, "000001"sv,
    "110001"sv, "221001"sv, "220101"sv, "100201"sv, "010201"sv, "002201"sv, "011011"sv, "210111"sv,
    "121111"sv, "201211"sv, "222211"sv, "120021"sv, "212021"sv, "201121"sv, "022121"sv, "000221"sv,
    "111221"sv, "102221"sv, "120002"sv, "021002"sv, "012002"sv, "101102"sv, "222102"sv, "000202"sv,
    "211202"sv, "222012"sv, "002112"sv, "112212"sv, "110022"sv, "020022"sv, "121022"sv, "200122"sv,
    "010222"sv, "120222"sv, "202222"sv};
// 10 positions, 4 checks, 5 cosets of 729 words: 3,645 words, radius 1
// (Blokhuis and Lam, 1984).
constexpr std::array kLength10Radius1Rows{"1111120100"sv, "0011111012"sv, "0201220122"sv,
                                          "0101111011"sv};
constexpr std::array kLength10Radius1Syndromes{"0000"sv, "2112"sv, "1220"sv, "1022"sv, "0111"sv};
// 12 positions, 6 checks, 40 cosets of 729 words: 29,160 words, radius 1;
// found here ("lumo-coset-search 12 6 1 40 2100 9"; 41 cosets with seed 1).
constexpr std::array kLength12Radius1Rows{"100000100000"sv, "010000210101"sv, "001000201112"sv,
                                          "000100110210"sv, "000010201000"sv, "000001001000"sv};
constexpr std::array kLength12Radius1Syndromes{
    "001000"sv, "111000"sv, "221000"sv, "100100"sv, "012200"sv, "000010"sv, "122010"sv, "212110"sv,
    "201210"sv, "210020"sv, "002020"sv, "021120"sv, "120220"sv, "121001"sv, "220101"sv, "202101"sv,
    "010201"sv, "102201"sv, "212011"sv, "100111"sv, "011111"sv, "220211"sv, "021211"sv, "000021"sv,
    "111121"sv, "022121"sv, "201221"sv, "112221"sv, "000002"sv, "211002"sv, "022102"sv, "121202"sv,
    "112012"sv, "222012"sv, "101112"sv, "010212"sv, "120022"sv, "001022"sv, "210122"sv, "202222"sv};
// 10 positions, 7 checks, 21 cosets of 27 words: 567 words, radius 2;
// found here ("lumo-coset-search 10 7 2 23 1800 1").
constexpr std::array kLength10Radius2Rows{"1000000001"sv, "0100000112"sv, "0010000102"sv,
                                          "0001000221"sv, "0000100020"sv, "0000010001"sv,
                                          "0000001221"sv};
constexpr std::array kLength10Radius2Syndromes{
    "0220000"sv, "0012000"sv, "2020200"sv, "2211110"sv, "2101020"sv, "1110120"sv, "0222220"sv,
    "0111001"sv, "2120101"sv, "1202201"sv, "1200011"sv, "1022011"sv, "0000211"sv, "0221121"sv,
    "1201102"sv, "1121012"sv, "0100112"sv, "2212212"sv, "2210022"sv, "2002022"sv, "1010222"sv};
// 10 positions, 7 checks, 5 cosets of 27 words: 135 words, radius 3;
// found here ("lumo-coset-search 10 7 3 5 1500 1").
constexpr std::array kLength10Radius3Rows{"1000000111"sv, "0100000110"sv, "0010000002"sv,
                                          "0001000112"sv, "0000100001"sv, "0000010110"sv,
                                          "0000001210"sv};
constexpr std::array kLength10Radius3Syndromes{"1221201"sv, "1100011"sv, "0111111"sv, "2001221"sv,
                                               "1012221"sv};
// 11 positions, 6 checks, 42 cosets of 243 words: 10,206 words, radius 1;
// found here ("lumo-coset-search 11 6 1 43 2400 2", which went on to 42).
constexpr std::array kLength11Radius1Rows{"10000011110"sv, "01000010221"sv, "00100022110"sv,
                                          "00010012122"sv, "00001010120"sv, "00000120222"sv};
constexpr std::array kLength11Radius1Syndromes{
    "010000"sv, "121000"sv, "121100"sv, "201200"sv, "001010"sv, "212010"sv, "020110"sv,
    "212110"sv, "110210"sv, "102120"sv, "112120"sv, "000220"sv, "222220"sv, "010001"sv,
    "202001"sv, "100101"sv, "022101"sv, "100201"sv, "122011"sv, "101111"sv, "211211"sv,
    "221211"sv, "111021"sv, "200121"sv, "210121"sv, "220121"sv, "012221"sv, "202002"sv,
    "210102"sv, "011102"sv, "211102"sv, "122202"sv, "220012"sv, "101112"sv, "002112"sv,
    "110212"sv, "002212"sv, "100022"sv, "021022"sv, "211122"sv, "021122"sv, "021222"sv};
// 11 positions, 6 checks: a linear [11, 5] code of 243 words, radius 3.
constexpr std::array kLength11Radius3Rows{"10101111110"sv, "20100211100"sv, "20110021120"sv,
                                          "10120201000"sv, "11102200101"sv, "12021111000"sv};
constexpr std::array kZeroSyndrome6{"000000"sv};

std::int32_t Packed(std::string_view digits) {
    std::int32_t packed = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        packed = packed * 3 + (*digit - '0');
    }
    return packed;
}

SyndromeCodeWithRadius Cosets(std::span<const std::string_view> columns,
                              std::span<const std::string_view> syndromes, std::int32_t radius) {
    SyndromeCodeWithRadius found{
        .code = {.checks = static_cast<std::int32_t>(columns.front().size()),
                 .columns = {},
                 .syndromes = {}},
        .radius = radius};
    for (const std::string_view column : columns) {
        found.code.columns.push_back(Packed(column));
    }
    for (const std::string_view syndrome : syndromes) {
        found.code.syndromes.push_back(Packed(syndrome));
    }
    return found;
}

// The columns of a matrix given by its rows, each column as a string of
// digits, row 0 first.
template <std::size_t kRows>
std::vector<std::string> Columns(const std::array<std::string_view, kRows>& rows) {
    std::vector<std::string> columns(rows.front().size());
    for (const std::string_view row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            columns[c] += row[c];
        }
    }
    return columns;
}

template <std::size_t kRows, std::size_t kSyndromes>
SyndromeCodeWithRadius CosetsByRows(const std::array<std::string_view, kRows>& rows,
                                    const std::array<std::string_view, kSyndromes>& syndromes,
                                    std::int32_t radius) {
    const std::vector<std::string> columns = Columns(rows);
    const std::vector<std::string_view> views(columns.begin(), columns.end());
    return Cosets(views, syndromes, radius);
}

}  // namespace

std::vector<SyndromeCodeWithRadius> CosetCodes() {
    return {
        Cosets(kLength7Radius1Columns, kLength7Radius1Syndromes, 1),
        CosetsByRows(kLength8Radius1Rows, kLength8Radius1Syndromes, 1),
        CosetsByRows(kLength9Radius1Rows, kLength9Radius1Syndromes, 1),
        CosetsByRows(kLength10Radius1Rows, kLength10Radius1Syndromes, 1),
        CosetsByRows(kLength10Radius2Rows, kLength10Radius2Syndromes, 2),
        CosetsByRows(kLength10Radius3Rows, kLength10Radius3Syndromes, 3),
        CosetsByRows(kLength11Radius1Rows, kLength11Radius1Syndromes, 1),
        CosetsByRows(kLength11Radius3Rows, kZeroSyndrome6, 3),
        CosetsByRows(kLength12Radius1Rows, kLength12Radius1Syndromes, 1),
    };
}

}  // namespace lumo::internal
