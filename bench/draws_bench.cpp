// Loading and writing a draws database of 100,000 draws.
#include "draws/database_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

using namespace kvx;

GameParams Jatek(int index) { return kvx::JatekParameterei(index); }

// 100,000 Keno draws of 20 distinct ascending numbers.
TTombInt2D KenoSorok(const GameParams& g)
{
    TTombInt2D sorok(static_cast<std::size_t>(kMaxHuzasok), TTombInt1D(static_cast<std::size_t>(g.HuzottSzamok + 3), 0));
    for (std::int32_t r = 0; r < kMaxHuzasok; ++r) {
        TTombInt1D& s = sorok[static_cast<std::size_t>(r)];
        s[0] = r + 1;
        s[1] = 1950 + r / 2000;
        s[2] = r % 52 + 1;
        for (int k = 0; k < 20; ++k)
            s[static_cast<std::size_t>(3 + k)] = 1 + k * 4 + r % 4;
    }
    return sorok;
}

std::string Utvonal()
{
    return (std::filesystem::temp_directory_path() / ("kvx_draws_bench_" + std::to_string(::getpid()) + ".ldb")).string();
}

void BM_Betoltes100000(benchmark::State& state)
{
    GameParams g = Jatek(8);
    const std::string path = Utvonal();
    DrawsState d;
    SetHuzasok(d, 0, 0);
    d.Huzasok = KenoSorok(g);
    if (!AdatbazisMentese(d, g, path)) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        DrawsState t;
        const BetoltesEredmeny e = HuzasokBe(t, g, path, {});
        if (!e.sikeres() || t.HuzasokSzama != kMaxHuzasok) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(t.Huzasok.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_Betoltes100000)->Unit(benchmark::kMillisecond);

void BM_Mentes100000(benchmark::State& state)
{
    GameParams g = Jatek(8);
    const std::string path = Utvonal();
    DrawsState d;
    d.Huzasok = KenoSorok(g);
    d.HuzasokSzama = kMaxHuzasok;
    for (auto _ : state) {
        if (!AdatbazisMentese(d, g, path)) {
            state.SkipWithError("write failed");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_Mentes100000)->Unit(benchmark::kMillisecond);

}  // namespace
