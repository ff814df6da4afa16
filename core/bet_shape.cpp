#include "core/bet_shape.h"

#include <bit>
#include <vector>

#include "core/match_counts.h"
#include "text/spanish_numbers.h"

namespace lumo {

BetShape ShapeOf(const CColumnSet& bet) {
    BetShape shape;
    if (bet.Count() == 0) {
        return shape;
    }
    const MatchCounts counts = CountResultsPerMatch(bet);
    shape.productColumns = 1;
    for (const auto& match : counts) {
        std::int32_t used = 0;
        for (const std::int32_t count : match) {
            used += count > 0 ? 1 : 0;
        }
        shape.fixed += used == 1 ? 1 : 0;
        shape.doubles += used == 2 ? 1 : 0;
        shape.triples += used == 3 ? 1 : 0;
        shape.productColumns *= used;
    }
    std::vector<std::uint64_t> seen((kAllColumns + 63) / 64, 0);
    for (const CColumn& column : bet) {
        const auto index = static_cast<std::uint32_t>(column.Index());
        seen[index / 64] |= std::uint64_t{1} << (index % 64);
    }
    for (const std::uint64_t word : seen) {
        shape.distinctColumns += std::popcount(word);
    }
    shape.product = shape.distinctColumns == shape.productColumns;
    return shape;
}

std::string ShapeText(const BetShape& shape) {
    std::string text;
    const auto add = [&text](std::int32_t count, std::string_view singular,
                             std::string_view plural) {
        if (count == 0) {
            return;
        }
        text += (text.empty() ? "" : ", ") + CountWithNoun(count, singular, plural);
    };
    add(shape.triples, "triple", "triples");
    add(shape.doubles, "doble", "dobles");
    add(shape.fixed, "fijo", "fijos");
    return text.empty() ? CountWithNoun(0, "fijo", "fijos") : text;
}

}  // namespace lumo
