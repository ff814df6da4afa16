#include "value/internal/category_prize.h"

#include "value/winner_share.h"

namespace lumo::internal {

namespace {

bool FundPays(double fund, double others, double q) {
    return fund >= kLeastPrize * (1.0 + others * q);
}

}  // namespace

CategoryPrize::CategoryPrize(const Round& round)
    : funds(FundsOf(round)), pleno(round.plenoChance) {}

bool CategoryPrize::Pays(std::size_t misses, double q) const {
    return FundPays(funds.categories[misses], funds.publicColumns, q);
}

double CategoryPrize::OneColumn(std::size_t misses, double q) const {
    return Pays(misses, q) ? funds.categories[misses] * ShareOfOne(funds.publicColumns, q) : 0.0;
}

double CategoryPrize::Columns(std::size_t misses, std::int32_t ours, double q) const {
    return Pays(misses, q) ? funds.categories[misses] * ShareOfMany(ours, funds.publicColumns, q)
                           : 0.0;
}

bool CategoryPrize::EspecialPays(double q) const {
    return FundPays(funds.especial, funds.publicColumns, pleno * q);
}

double CategoryPrize::OneColumnEspecial(double q) const {
    return EspecialPays(q) ? pleno * funds.especial * ShareOfOne(funds.publicColumns, pleno * q)
                           : 0.0;
}

double CategoryPrize::ColumnsEspecial(std::int32_t ours, double q) const {
    return EspecialPays(q)
               ? pleno * funds.especial * ShareOfMany(ours, funds.publicColumns, pleno * q)
               : 0.0;
}

}  // namespace lumo::internal
