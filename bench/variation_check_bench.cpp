// The check of a variation against a marked line (run by hand, Release):
//   build/bench/variation_check_bench
// (a) Ellenorzes: every stored line of 10,000,000 lines of 7 (game 2,
//     7/35, a selection of 20 numbers) scored against 7 marks and tallied;
//     target under 0.3 s on one core.
// (b) Next / Last with a class no line reaches: the whole store is walked
//     once; target under 0.2 s each.
#include <benchmark/benchmark.h>

#include <random>

#include "app/game_table.h"
#include "variation/line_entry.h"
#include "variation/store_jobs.h"

namespace {

using namespace kvx;

constexpr std::int32_t kSorok = 10000000;

struct Tar {
    GameParams g;
    VariationStore t;
    BontListaNezet n;
    BontEllJelolesek j;

    Tar()
    {
        g.LottoIndex = 2;
        JatekParameterek(g);
        n.Tar = &t;
        n.Jatek = &g;
        for (int i = 1; i <= 20; ++i)
            n.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
        n.KijeloltFoSzamDb = 20;
        n.VariacioMeret = 7;
        n.VariacioFoMeret = 7;
        SetBontasMatrix(t, kSorok, 7, nullptr);
        std::mt19937 gen(7);
        for (std::int32_t i = 0; i < kSorok; ++i) {
            // Seven distinct positions of 20 (not sorted; the check does not care).
            std::uint32_t foglalt = 0;
            for (int k = 0; k < 7;) {
                const auto p = static_cast<std::uint8_t>(gen() % 20);
                if (foglalt & (1u << p))
                    continue;
                foglalt |= 1u << p;
                t.sor(i)[k++] = p;
            }
        }
        t.BontSzelvszam = kSorok;
        j.Mod = BontEllEllenorzes;
        const SzamListak l;
        for (int s : {2, 5, 9, 12, 15, 18, 20})
            BontEllSzamClick(j, l, g, s, 0);
    }
};

Tar& tar()
{
    static Tar t;
    return t;
}

void BM_Ellenorzes(benchmark::State& state)
{
    Tar& t = tar();
    for (auto _ : state) {
        TTombInt1D e = BontEllTalalatok(t.j, t.n);
        benchmark::DoNotOptimize(e.data());
    }
    state.counters["lines"] = kSorok;
}
BENCHMARK(BM_Ellenorzes)->Unit(benchmark::kMillisecond);

// A class above the full hit: no line reaches it, so both walks cover every line.
void BM_KovetkezoNincs(benchmark::State& state)
{
    Tar& t = tar();
    const BontEllKereso k(t.j, t.n);
    for (auto _ : state)
        benchmark::DoNotOptimize(k.Keres(0, 1, 100, 100));
}
BENCHMARK(BM_KovetkezoNincs)->Unit(benchmark::kMillisecond);

void BM_UtolsoNincs(benchmark::State& state)
{
    Tar& t = tar();
    const BontEllKereso k(t.j, t.n);
    for (auto _ : state)
        benchmark::DoNotOptimize(k.Keres(k.SorDb() - 1, -1, 100, 100));
}
BENCHMARK(BM_UtolsoNincs)->Unit(benchmark::kMillisecond);

}  // namespace
