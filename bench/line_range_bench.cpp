// The divisor list of the line-range distribution for large full
// variations: C(90,10) should take well under 20 ms.
#include "common/numbering.h"
#include "conditions/line_range_conditions.h"

#include <benchmark/benchmark.h>

namespace {

void OsztoListaBench(benchmark::State& state)
{
    const auto absz = static_cast<std::uint64_t>(*kvx::BinomalisEgyutthato(static_cast<std::int32_t>(state.range(0)),
                                                                           static_cast<std::int32_t>(state.range(1))));
    for (auto _ : state) benchmark::DoNotOptimize(kvx::OsztoLista(absz));
    state.SetLabel("C(" + std::to_string(state.range(0)) + "," + std::to_string(state.range(1)) + ")");
}

// A prime near the cofactor limit: no divisor, the longest factorisation.
void OsztoListaPrimBench(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(kvx::OsztoLista(5720645481917ull));
}

}  // namespace

BENCHMARK(OsztoListaBench)->Args({90, 10})->Args({60, 10})->Args({90, 5})->Unit(benchmark::kMillisecond);
BENCHMARK(OsztoListaPrimBench)->Unit(benchmark::kMillisecond);
