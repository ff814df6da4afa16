#include "conditions/internal/half_tables.h"

namespace lumo {

namespace {

constexpr std::uint32_t kHalf = 7;
constexpr std::uint32_t kKeys = 1U << (2 * kHalf);
constexpr std::int32_t kThreeToTheSeventh = 2187;

// The entries of the half that starts at match `first` (0 or 7); `weight`
// is 3 to the power `first`.
template <typename Entry>
std::vector<Entry> HalfOf(const CForecastTable& table, std::size_t first, std::int32_t weight) {
    std::vector<Entry> entries(kKeys);
    for (std::uint32_t key = 0; key < kKeys; ++key) {
        Entry& entry = entries[key];
        entry.share = 1.0;
        std::int32_t digit = weight;
        for (std::uint32_t m = 0; m < kHalf; ++m) {
            const std::uint32_t code = (key >> m & 1U) != 0 ? 1 : (key >> (m + kHalf) & 1U) * 2;
            entry.share *= table.rows[first + m][code] * 0.01;
            entry.index += static_cast<std::int32_t>(code) * digit;
            digit *= 3;
        }
    }
    return entries;
}

}  // namespace

HalfTables::HalfTables(const CForecastTable& table)
    : low(HalfOf<Entry>(table, 0, 1)), high(HalfOf<Entry>(table, kHalf, kThreeToTheSeventh)) {}

}  // namespace lumo
