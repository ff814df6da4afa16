#include "core/repeated_columns.h"

#include <vector>

namespace lumo {

namespace {

// The columns met so far, a bit each.
class SeenColumns {
  public:
    SeenColumns() : seen(static_cast<std::size_t>(kAllColumns), false) {}

    // Whether the column was seen before; it is seen from now on.
    bool Repeats(const CColumn& column) {
        const auto index = static_cast<std::size_t>(column.Index());
        const bool before = seen[index];
        seen[index] = true;
        return before;
    }

  private:
    std::vector<bool> seen;
};

}  // namespace

std::int32_t CountRepeated(const CColumnSet& bet) {
    SeenColumns seen;
    std::int32_t repeated = 0;
    for (std::int32_t i = 0; i < bet.Count(); ++i) {
        repeated += seen.Repeats(bet[i]) ? 1 : 0;
    }
    return repeated;
}

void DropRepeated(CColumnSet& bet) {
    SeenColumns seen;
    bet.Filter([&seen](const CColumn& column) { return !seen.Repeats(column); });
}

}  // namespace lumo
