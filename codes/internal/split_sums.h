#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lumo::internal {

// Blockwise sums (blockwise_sum.h) of a ternary code of the table with a
// short tail, each of radius `radius` on headTriples + tail length
// positions. The head is the table's ternary code of `headTriples` positions
// and radius `headRadius` with the fewest words, its words split by
// `headParts` (one digit 0..2 per word, in the code's order) or, when that
// is empty, by their digit sum modulo 3. The tail's words are ternary
// strings of one length, `tailParts` giving each word's part. A sum may
// serve as the head of a later one.
struct SplitSum {
    std::int32_t headTriples;
    std::int32_t headRadius;
    std::string_view headParts;
    std::span<const std::string_view> tail;
    std::string_view tailParts;
    std::int32_t radius;
};

// Every sum, in the order they are to be built.
std::span<const SplitSum> SplitSums();

}  // namespace lumo::internal
