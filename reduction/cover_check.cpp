#include "reduction/cover_check.h"

#include <vector>

#include "core/distance_ball.h"

namespace lumo {

namespace {

class IndexBitmap {
  public:
    IndexBitmap() : bits((kAllColumns + 63) / 64, 0) {}
    void Set(std::int32_t index) {
        const auto bit = static_cast<std::uint32_t>(index);
        bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    bool Test(std::int32_t index) const {
        const auto bit = static_cast<std::uint32_t>(index);
        return ((bits[bit / 64] >> (bit % 64)) & 1) != 0;
    }

  private:
    std::vector<std::uint64_t> bits;
};

}  // namespace

std::optional<std::int32_t> FirstUncovered(const CColumnSet& bet, const CColumnSet& cover,
                                           std::int32_t guarantee) {
    const std::int32_t radius = kMatches - guarantee;
    IndexBitmap marks;
    if (cover.Count() <= bet.Count()) {
        // Mark everything the cover reaches, then look the bet up.
        for (const CColumn& column : cover) {
            ForEachWithin(column, radius, [&marks](std::int32_t index) { marks.Set(index); });
        }
        for (std::int32_t position = 0; position < bet.Count(); ++position) {
            if (!marks.Test(bet[position].Index())) {
                return position;
            }
        }
        return std::nullopt;
    }
    // Mark the cover, then search each bet column's ball for one of it.
    for (const CColumn& column : cover) {
        marks.Set(column.Index());
    }
    for (std::int32_t position = 0; position < bet.Count(); ++position) {
        bool reached = false;
        ForEachWithin(bet[position], radius,
                      [&](std::int32_t index) { reached = reached || marks.Test(index); });
        if (!reached) {
            return position;
        }
    }
    return std::nullopt;
}

}  // namespace lumo
