#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lumo::internal {

// Small covering codes given by their words, building blocks of the product
// constructions. A code on `triples` ternary positions followed by `doubles`
// binary ones has covering radius `radius`: every word of that shape differs
// from some codeword in at most `radius` positions. Each word is a string of
// triples + doubles digits, 0..2 on the ternary positions and 0..1 on the
// binary ones.
struct SmallCode {
    std::int32_t triples;
    std::int32_t doubles;
    std::int32_t radius;
    std::span<const std::string_view> words;
};

// Every code of the table: the whole space of one position (radius 0), a
// single word (radius 1 on one position), the binary Hamming code of length
// 7 (16 words, radius 1), other small optimal codes, and codes of both
// alphabets found by a tabu search.
std::span<const SmallCode> SmallCodes();

}  // namespace lumo::internal
