#include "core/coset_codes.h"

#include <array>
#include <span>
#include <string_view>

namespace {

using std::string_view_literals::operator""sv;

// Each column and syndrome is a string of digits, row 0 first.
// 7 columns, 5 checks, 22 cosets of 9 words, radius 1.
constexpr std::array kLength7Radius1Columns{"10000"sv, "01000"sv, "00100"sv, "00010"sv,
                                            "00001"sv, "21122"sv, "02121"sv};
constexpr std::array kLength7Radius1Syndromes{
    "10000"sv, "12000"sv, "00110"sv, "11210"sv, "21120"sv, "22220"sv, "11001"sv, "22101"sv,
    "02011"sv, "10111"sv, "10221"sv, "01221"sv, "11002"sv, "00202"sv, "21112"sv, "02112"sv,
    "22112"sv, "02212"sv, "20022"sv, "12122"sv, "02222"sv, "22222"sv};

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

}  // namespace

std::vector<SyndromeCodeWithRadius> CosetCodes() {
    return {
        Cosets(kLength7Radius1Columns, kLength7Radius1Syndromes, 1),
    };
}
