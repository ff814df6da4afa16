#include "betfile/internal/column_room.h"

#include <algorithm>

namespace lumo::internal {

void ReserveForText(CColumnSet& set, std::int32_t announced, std::streamsize available) {
    const std::int64_t room = std::max<std::streamsize>(available, 0) / kMatches;
    const std::int64_t wanted =
        std::min<std::int64_t>(set.Count() + std::min<std::int64_t>(announced, room), INT32_MAX);
    set.Reserve(static_cast<std::int32_t>(wanted));
}

}  // namespace lumo::internal
