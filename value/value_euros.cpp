#include "value/value_euros.h"

#include "text/decimal_text.h"
#include "text/spanish_numbers.h"

namespace lumo {

std::optional<double> ParseValueEuros(std::string_view typed) {
    constexpr std::size_t kMostDecimals = 4;
    return ParseDecimal(AmountOf(typed), kMostDecimals);
}

}  // namespace lumo
