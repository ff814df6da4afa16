#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "conditions/condition_file.h"
#include "core/column_set.h"
#include "core/forecast_table.h"

namespace lumo {

// What the conditions are measured with besides the columns themselves.
struct ConditionInputs {
    // The forecast whose percentages give `probabilidad`.
    CForecastTable table;
    // Every column's expected prize, indexed by CColumn::Index()
    // (value/column_values.h); needed only by `valor`, empty otherwise.
    std::span<const double> values;
};

// What applying a file did, for --explain.
struct ConditionTally {
    std::int32_t input = 0;
    // Per condition of the file, in its order: input columns that break it.
    std::vector<std::int32_t> breaking;
    // Columns the file removed as a whole.
    std::int32_t removed = 0;
    // Columns kept although they break some counted conditions.
    std::int32_t keptBreaking = 0;
};

// A column's breaks: the number of counted conditions it breaks, plus
// kAlwaysBroken when it breaks one that must always hold.
inline constexpr std::uint8_t kAlwaysBroken = 0x80;

// What the file needs that `inputs` lacks, in Spanish ("la condición «valor»
// de la línea 4 necesita el valor esperado de cada columna"); empty when
// nothing is missing.
std::string MissingConditionInput(const ConditionFile& file, const ConditionInputs& inputs);

// The breaks of every column of the set, in its order, and per condition the
// number of columns that break it (`breaking`, resized to the conditions).
// The file needs nothing that MissingConditionInput names.
std::vector<std::uint8_t> CountBreaks(const CColumnSet& set, const ConditionFile& file,
                                      const ConditionInputs& inputs,
                                      std::vector<std::int32_t>& breaking);

// Keeps, in order, the columns whose breaks are at most file.failures.
// Throws std::invalid_argument with MissingConditionInput's text when
// something is missing, before touching the set.
ConditionTally ApplyConditions(CColumnSet& set, const ConditionFile& file,
                               const ConditionInputs& inputs);

}  // namespace lumo
