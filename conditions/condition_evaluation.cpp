#include "conditions/condition_evaluation.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

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
    std::uint8_t* const marks = breaks.data();
    const std::size_t n = breaks.size();
    std::int32_t broken = 0;
    // A counted break adds 1 (a file holds at most kMostConditions, so the
    // count stays below the high bit); an "always" break sets the high bit.
    // Neither branches on the outcome.
    const auto outcome = [&](std::size_t i) {
        const Value value = measure(i);
        const int broke = static_cast<int>(value < minimum) | static_cast<int>(value > maximum);
        broken += broke;
        return broke;
    };
    if (condition.strictness == Strictness::kAlways) {
        for (std::size_t i = 0; i < n; ++i) {
            marks[i] = static_cast<std::uint8_t>(marks[i] | outcome(i) << 7);
        }
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            marks[i] = static_cast<std::uint8_t>(marks[i] + outcome(i));
        }
    }
    return broken;
}

// Columns are measured by blocks whose masks stay in the first-level cache
// while every condition passes over them.
constexpr std::size_t kBlock = 4096;

// The masks of a block, one array per sign, so that the passes vectorise.
struct BlockMasks {
    std::array<std::uint16_t, kBlock> ones;
    std::array<std::uint16_t, kBlock> draws;
    std::array<std::uint16_t, kBlock> twos;
};

// A block's columns and masks, and what the measures need beyond them.
struct Measured {
    const CColumn* columns;
    const BlockMasks& masks;
    const RunTable& runs;
    const HalfTables& halves;
    std::span<const double> values;
};

// Marks one condition over a block; returns the columns that break it. The
// lambdas copy what they read: a store to the breaks (bytes) could otherwise
// alias it and force a reload at every column.
std::int32_t MarkCondition(const ColumnCondition& c, const Measured& m,
                           std::span<std::uint8_t> breaks) {
    const std::uint16_t* const ones = m.masks.ones.data();
    const std::uint16_t* const draws = m.masks.draws.data();
    const std::uint16_t* const twos = m.masks.twos.data();
    const std::array<std::uint16_t, 3> picks = c.masks;
    switch (c.kind) {
        case ConditionKind::kCount:
            return MarkBreaks(c, breaks, [=](std::size_t i) {
                return PickedCount({ones[i], draws[i], twos[i]}, picks);
            });
        case ConditionKind::kInterruptions:
            return MarkBreaks(c, breaks, [=](std::size_t i) {
                return Interruptions({ones[i], draws[i], twos[i]});
            });
        case ConditionKind::kLongestRun:
            // A run of equal signs is one more than a run of matches equal to
            // the next; a run of the picked signs is a run of their mask.
            if (picks[0] != 0 && picks[1] != 0 && picks[2] != 0) {
                return MarkBreaks(c, breaks, [=, runs = &m.runs](std::size_t i) {
                    return 1 + (*runs)[SameAsNext({ones[i], draws[i], twos[i]})];
                });
            }
            return MarkBreaks(c, breaks, [=, runs = &m.runs](std::size_t i) {
                return (*runs)[static_cast<std::uint32_t>(
                    (ones[i] & picks[0]) | (draws[i] & picks[1]) | (twos[i] & picks[2]))];
            });
        case ConditionKind::kScore:
            return MarkBreaks(c, breaks,
                              [columns = m.columns](std::size_t i) { return columns[i].score; });
        case ConditionKind::kProbability:
            return MarkBreaks(c, breaks, [=, halves = &m.halves](std::size_t i) {
                return halves->Probability(draws[i], twos[i]) * 100.0;
            });
        case ConditionKind::kValue:
            return MarkBreaks(
                c, breaks, [=, halves = &m.halves, values = m.values.data()](std::size_t i) {
                    return values[static_cast<std::size_t>(halves->Index(draws[i], twos[i]))];
                });
    }
    return 0;
}

// The file, the columns and what the measures need; the breaks to add to.
struct Evaluation {
    const ConditionFile& file;
    const CColumn* columns;
    const RunTable& runs;
    const HalfTables& halves;
    std::span<const double> values;
    std::uint8_t* breaks;
};

// One share of the blocks: blocks `first` to `last` (not included), with
// their own masks and per condition the columns that break it, allocated
// before any thread starts so that no thread allocates.
struct Share {
    std::size_t first = 0;
    std::size_t last = 0;
    std::unique_ptr<BlockMasks> masks = std::make_unique<BlockMasks>();
    std::vector<std::int32_t> breaking;
};

// Marks the columns of the share's blocks, of the `count` columns.
void MarkBlocks(const Evaluation& e, Share& share, std::size_t count) {
    BlockMasks& masks = *share.masks;
    for (std::size_t block = share.first; block < share.last; ++block) {
        const std::size_t start = block * kBlock;
        const std::size_t size = std::min(kBlock, count - start);
        const CColumn* const columns = e.columns + start;
        for (std::size_t i = 0; i < size; ++i) {
            const SignMasks packed = SignMasksOf(columns[i]);
            masks.ones[i] = packed.ones;
            masks.draws[i] = packed.draws;
            masks.twos[i] = packed.twos;
        }
        const Measured measured{columns, masks, e.runs, e.halves, e.values};
        const std::span<std::uint8_t> blockBreaks(e.breaks + start, size);
        for (std::size_t c = 0; c < share.breaking.size(); ++c) {
            share.breaking[c] += MarkCondition(e.file.conditions[c], measured, blockBreaks);
        }
    }
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
    static const RunTable runs;
    const HalfTables halves(inputs.table);
    const auto count = static_cast<std::size_t>(set.Count());
    std::vector<std::uint8_t> breaks(count, 0);
    const Evaluation evaluation{file, set.begin(), runs, halves, inputs.values, breaks.data()};
    // One share of the blocks per hardware thread; a share whose thread
    // cannot be started is marked here.
    const std::size_t blocks = (count + kBlock - 1) / kBlock;
    std::vector<Share> shares(
        std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, blocks + 1));
    for (std::size_t t = 0; t < shares.size(); ++t) {
        shares[t].first = blocks * t / shares.size();
        shares[t].last = blocks * (t + 1) / shares.size();
        shares[t].breaking.assign(file.conditions.size(), 0);
    }
    {
        std::vector<std::jthread> threads;
        threads.reserve(shares.size());
        for (std::size_t t = 1; t < shares.size(); ++t) {
            try {
                threads.emplace_back([&, t] { MarkBlocks(evaluation, shares[t], count); });
            } catch (const std::system_error&) {
                MarkBlocks(evaluation, shares[t], count);
            }
        }
        MarkBlocks(evaluation, shares[0], count);
    }
    breaking.assign(file.conditions.size(), 0);
    for (const Share& share : shares) {
        std::transform(share.breaking.begin(), share.breaking.end(), breaking.begin(),
                       breaking.begin(), std::plus<>());
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
