#include "tests/reduction/column_ids.h"

using namespace lumo;

std::vector<CColumn> ColumnsOfIds(const lumo::internal::BetIndex& index,
                                  const std::vector<std::int32_t>& ids) {
    std::vector<CColumn> columns;
    for (const std::int32_t id : ids) {
        columns.emplace_back(index.IndexOf(id));
    }
    return columns;
}
