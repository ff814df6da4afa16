#include "core/forecast_table.h"

namespace lumo {

CForecastTable::CForecastTable() {
    rows.fill(kConstructedRow);
}

}  // namespace lumo
