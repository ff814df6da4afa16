#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Small covering codes of the smallest known sizes, the building blocks of
// the product constructions. A code over `symbols` symbols (2 or 3) on
// `length` positions has covering radius `radius`: every word of that length
// differs from some codeword in at most `radius` positions. Each word is a
// string of `length` digits 0..symbols-1.
struct SmallCode {
    std::int32_t symbols;
    std::int32_t length;
    std::int32_t radius;
    std::span<const std::string_view> words;
};

// Every code of the table, for both alphabets: the whole space of one
// position (radius 0), a single word (radius 1 on one position), the
// ternary Hamming code of length 4 (9 words, radius 1), the binary Hamming
// code of length 7 (16 words, radius 1) and the other small optimal codes.
std::span<const SmallCode> SmallCodes();
