#include "core/neighbour.h"

#include <cstddef>

namespace lumo {

CColumn Neighbour(const CColumn& column, std::int32_t change) {
    CColumn neighbour = column;
    auto& result = neighbour.results[static_cast<std::size_t>(change / 2)];
    result = static_cast<std::uint8_t>((result + 1 + change % 2) % 3);
    return neighbour;
}

}  // namespace lumo
