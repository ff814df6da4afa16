#include "core/forecast_table.h"

CForecastTable::CForecastTable() {
    rows.fill(kConstructedRow);
}
