// The product constructions of the guarantee reductions: the covering's size
// beside the sphere bound, and the time to list its columns.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "reduction/internal/product_cover.h"

using namespace lumo;
using namespace lumo::internal;

namespace {

// `triples` triples on the first matches, then `doubles` doubles 1X, the
// rest fixed to 1.
MatchChoices Choices(std::int64_t triples, std::int64_t doubles) {
    MatchChoices choices{};
    for (std::int64_t m = 0; m < kMatches; ++m) {
        choices[static_cast<std::size_t>(m)] = m < triples             ? 0b111
                                               : m < triples + doubles ? 0b011
                                                                       : 0b001;
    }
    return choices;
}

// No covering of the product has fewer columns than its size over the number
// of its columns within the radius of one.
double SphereBound(const MatchChoices& choices, std::int32_t radius) {
    const std::int64_t ball = ProductBall(choices, radius);
    return static_cast<double>((ProductSize(choices) + ball - 1) / ball);
}

// Arguments: triples, doubles, guarantee.
void BM_ProductCover(benchmark::State& state) {
    const MatchChoices choices = Choices(state.range(0), state.range(1));
    const auto radius = static_cast<std::int32_t>(kMatches - state.range(2));
    std::size_t size = 0;
    for (auto _ : state) {
        size = ProductCover(choices, radius).size();
    }
    state.counters["size"] = static_cast<double>(size);
    state.counters["sphere"] = SphereBound(choices, radius);
}
BENCHMARK(BM_ProductCover)
    ->ArgNames({"triples", "doubles", "al"})
    ->Args({14, 0, 13})
    ->Args({14, 0, 12})
    ->Args({14, 0, 11})
    ->Args({13, 0, 13})
    ->Args({13, 0, 12})
    ->Args({13, 0, 11})
    ->Args({12, 0, 13})
    ->Args({12, 0, 12})
    ->Args({12, 0, 11})
    ->Args({11, 0, 13})
    ->Args({11, 0, 12})
    ->Args({11, 0, 11})
    ->Args({10, 0, 13})
    ->Args({10, 0, 12})
    ->Args({10, 0, 11})
    ->Args({9, 0, 13})
    ->Args({9, 0, 12})
    ->Args({8, 0, 13})
    ->Args({8, 0, 12})
    ->Args({8, 0, 11})
    ->Args({7, 0, 13})
    ->Args({7, 0, 12})
    ->Args({7, 0, 11})
    ->Args({6, 0, 13})
    ->Args({6, 0, 12})
    ->Args({6, 0, 11})
    ->Args({4, 0, 13})
    ->Args({5, 4, 12})
    ->Args({3, 6, 13})
    ->Args({6, 6, 12})
    ->Args({0, 11, 12})
    ->Args({0, 7, 13})
    ->Args({3, 3, 13})
    ->Args({2, 6, 13})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
