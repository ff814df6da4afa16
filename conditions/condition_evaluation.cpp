#include "conditions/condition_evaluation.h"

#include <algorithm>
#include <stdexcept>

#include "conditions/internal/half_tables.h"
#include "conditions/internal/sign_masks.h"

namespace lumo {

namespace {

// Adds the condition's breaks to `breaks`, measuring column i as
// measure(i); returns the columns that break it. Bounds are compared in the
// measure's own type.
template <typename Measure>
std::int32_t MarkBreaks(const ColumnCondition& condition, std::span<std::uint8_t> breaks,
                        Measure measure) {
    using Value = decltype(measure(std::size_t{0}));
    const auto minimum = static_cast<Value>(condition.minimum);
    const auto maximum = static_cast<Value>(condition.maximum);
    std::int32_t broken = 0;
    if (condition.strictness == Strictness::kAlways) {
        for (std::size_t i = 0; i < breaks.size(); ++i) {
            const Value value = measure(i);
            const bool broke = value < minimum || value > maximum;
            broken += broke ? 1 : 0;
            breaks[i] = broke ? kAlwaysBroken : breaks[i];
        }
        return broken;
    }
    for (std::size_t i = 0; i < breaks.size(); ++i) {
        const Value value = measure(i);
        const bool broke = value < minimum || value > maximum;
        broken += broke ? 1 : 0;
        // Counted breaks stop at 254, below the mark of an "always" break.
        breaks[i] = static_cast<std::uint8_t>(breaks[i] + (broke && breaks[i] < 254 ? 1 : 0));
    }
    return broken;
}

// The columns' masks and what the measures need beyond them.
struct Measured {
    const CColumnSet& set;
    const std::vector<SignMasks>& masks;
    const RunTable& runs;
    const HalfTables& halves;
    std::span<const double> values;
};

std::int32_t MarkCondition(const ColumnCondition& c, const Measured& m,
                           std::span<std::uint8_t> breaks) {
    const SignMasks* const masks = m.masks.data();
    switch (c.kind) {
        case ConditionKind::kCount:
            return MarkBreaks(c, breaks,
                              [&](std::size_t i) { return PickedCount(masks[i], c.masks); });
        case ConditionKind::kInterruptions:
            return MarkBreaks(c, breaks, [&](std::size_t i) { return Interruptions(masks[i]); });
        case ConditionKind::kLongestRun:
            return MarkBreaks(c, breaks, [&](std::size_t i) {
                return std::max({m.runs[masks[i].ones & c.masks[0]],
                                 m.runs[masks[i].draws & c.masks[1]],
                                 m.runs[masks[i].twos & c.masks[2]]});
            });
        case ConditionKind::kScore:
            return MarkBreaks(c, breaks, [&](std::size_t i) {
                return m.set[static_cast<std::int32_t>(i)].score;
            });
        case ConditionKind::kProbability:
            return MarkBreaks(
                c, breaks, [&](std::size_t i) { return m.halves.Probability(masks[i]) * 100.0; });
        case ConditionKind::kValue:
            return MarkBreaks(c, breaks, [&](std::size_t i) {
                return m.values[static_cast<std::size_t>(m.halves.Index(masks[i]))];
            });
    }
    return 0;
}

}  // namespace

std::string MissingConditionInput(const ConditionFile& file, const ConditionInputs& inputs) {
    const std::int64_t valueLine = file.ValueLine();
    if (valueLine == 0 || inputs.values.size() == static_cast<std::size_t>(kAllColumns)) {
        return {};
    }
    return "la condición «valor» de la línea " + std::to_string(valueLine) +
           " necesita el valor esperado de cada columna";
}

std::vector<std::uint8_t> CountBreaks(const CColumnSet& set, const ConditionFile& file,
                                      const ConditionInputs& inputs,
                                      std::vector<std::int32_t>& breaking) {
    const std::vector<SignMasks> masks = SignMasksOf(set);
    static const RunTable runs;
    const HalfTables halves(inputs.table);
    const Measured measured{set, masks, runs, halves, inputs.values};
    std::vector<std::uint8_t> breaks(masks.size(), 0);
    breaking.assign(file.conditions.size(), 0);
    for (std::size_t c = 0; c < file.conditions.size(); ++c) {
        breaking[c] = MarkCondition(file.conditions[c], measured, breaks);
    }
    return breaks;
}

ConditionTally ApplyConditions(CColumnSet& set, const ConditionFile& file,
                               const ConditionInputs& inputs) {
    if (std::string missing = MissingConditionInput(file, inputs); !missing.empty()) {
        throw std::invalid_argument(missing);
    }
    ConditionTally tally;
    tally.input = set.Count();
    const std::vector<std::uint8_t> breaks = CountBreaks(set, file, inputs, tally.breaking);
    const auto allowed = static_cast<std::uint8_t>(file.failures);
    std::size_t i = 0;
    set.Filter([&](const CColumn&) {
        const std::uint8_t broken = breaks[i++];
        tally.keptBreaking += broken != 0 && broken <= allowed ? 1 : 0;
        return broken <= allowed;
    });
    tally.removed = tally.input - set.Count();
    return tally;
}

}  // namespace lumo
