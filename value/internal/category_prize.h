#pragma once

#include <cstdint>

#include "value/round.h"

namespace lumo::internal {

// The expected prize, in euros, that our columns collect in one category on
// one result, given q, the probability that one column of the public lands
// in that category on it. A category whose fund over the expected number of
// winners, fund / (1 + N q), is under kLeastPrize pays nothing there.
class CategoryPrize {
  public:
    explicit CategoryPrize(const Round& round);

    // Category of `misses` misses (0..4): one column of ours / `ours` >= 1
    // columns of ours in it.
    double OneColumn(std::size_t misses, double q) const;
    double Columns(std::size_t misses, std::int32_t ours, double q) const;
    bool Pays(std::size_t misses, double q) const;

    // The Especial, q being the public's chance of 14 hits: times the chance
    // that our Pleno al 15 is right; the public's winners are N π q.
    double OneColumnEspecial(double q) const;
    double ColumnsEspecial(std::int32_t ours, double q) const;
    bool EspecialPays(double q) const;

  private:
    Funds funds;
    double pleno;
};

}  // namespace lumo::internal
