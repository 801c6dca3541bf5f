// Throughput of the line numbering in both directions, for a game without
// an extra pool (90 numbers, 5 per line) and one with two extras (50 + 12).
#include "app/game_table.h"
#include "common/numbering.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

kvx::NumberingDims dimsOfGame(int index)
{
    kvx::GameParams g;
    g.LottoIndex = index;
    kvx::JatekParameterek(g);
    return kvx::gameNumberingDims(g);
}

std::vector<std::uint64_t> randomOrdinals(const kvx::NumberingDims& d)
{
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<std::uint64_t> dist(1, *kvx::fullVariationSize(d));
    std::vector<std::uint64_t> out(4096);
    for (auto& p : out)
        p = dist(rng);
    return out;
}

void OrdinalToLine(benchmark::State& state)
{
    const kvx::NumberingDims d = dimsOfGame(static_cast<int>(state.range(0)));
    const std::vector<std::uint64_t> ordinals = randomOrdinals(d);
    std::vector<std::int32_t> out(static_cast<std::size_t>(d.lineLength()));
    std::size_t i = 0;
    for (auto _ : state) {
        const bool ok = kvx::SorszamSzamsoraTV(ordinals[i++ & 4095], d, out);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void LineToOrdinal(benchmark::State& state)
{
    const kvx::NumberingDims d = dimsOfGame(static_cast<int>(state.range(0)));
    const std::vector<std::uint64_t> ordinals = randomOrdinals(d);
    // The lines as a list holds them: extras coded after the main pool.
    std::vector<std::vector<std::uint8_t>> lines;
    std::vector<std::int32_t> out(static_cast<std::size_t>(d.lineLength()));
    for (const std::uint64_t p : ordinals) {
        kvx::SorszamSzamsoraTV(p, d, out);
        std::vector<std::uint8_t> line;
        for (std::size_t j = 0; j < out.size(); ++j)
            line.push_back(static_cast<std::uint8_t>(static_cast<std::int32_t>(j) < d.m ? out[j] : d.N + out[j]));
        lines.push_back(line);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        auto ordinal = kvx::SzamsorSorszamaTV(lines[i++ & 4095], d);
        benchmark::DoNotOptimize(ordinal);
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

// Argument: the game index (0: 5/90, 24: 5/50 + 2/12).
BENCHMARK(OrdinalToLine)->Arg(0)->Arg(24);
BENCHMARK(LineToOrdinal)->Arg(0)->Arg(24);
