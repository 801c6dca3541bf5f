// The statistics: the main-ticket counts over 100,000 draws, the frequency
// distribution of 10,000,000 variation lines, and the chart's sort, Zoom and
// scale over 10,000 bars. Painting is measured in statistics_ui_bench.
#include "statistics/chart_model.h"
#include "statistics/diagram_engine.h"
#include "tickets/number_statistics.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace kvx;

GameParams Jatek(int index) { return kvx::JatekParameterei(index); }

DrawsState Huzasok(const GameParams& g, int sorok)
{
    DrawsState d;
    SetHuzasok(d, sorok, g.HuzottSzamok + 3);
    for (int r = 0; r < sorok; ++r) {
        TTombInt1D& s = d.Huzasok[static_cast<std::size_t>(r)];
        s[0] = r + 1;
        for (int j = 0; j < g.HuzottFoSzamok; ++j)
            s[static_cast<std::size_t>(3 + j)] = 1 + (r * 7 + j * 17) % g.FoSzamKeszlet;
    }
    d.AdatbazisBetoltve = true;
    return d;
}

void FoszelvenyStat(benchmark::State& st, int tag)
{
    const GameParams g = Jatek(0);
    const DrawsState d = Huzasok(g, 100000);
    for (auto _ : st) {
        SzamStatisztikaState s;
        HuzasStatisztika(s, d, g, 1, d.HuzasokSzama);
        StatEredmeny e;
        FoszelvenyStatisztika(tag == 1 ? s.HanyszorHuztak : s.HanyHuzasOta, g, e);
        benchmark::DoNotOptimize(e.SortArray.data());
    }
}
void BM_HanyszorHuztak100k(benchmark::State& st) { FoszelvenyStat(st, 1); }
void BM_HanyHuzasOta100k(benchmark::State& st) { FoszelvenyStat(st, 2); }
BENCHMARK(BM_HanyszorHuztak100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HanyHuzasOta100k)->Unit(benchmark::kMillisecond);

void BM_GyakorisagiEloszlas10M(benchmark::State& st)
{
    const int sorok = 10000000, hossz = 5;
    std::vector<std::uint8_t> blokk(static_cast<std::size_t>(sorok) * hossz);
    std::mt19937 r(1);
    for (std::uint8_t& b : blokk)
        b = static_cast<std::uint8_t>(r() % 12);
    const BlokkSorForras src(blokk.data(), sorok, hossz);
    GyakorisagBemenet b;
    b.Jatek = Jatek(0);
    b.KijeloltSzamok = {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88};
    b.VariacioMeretFelso = hossz - 1;
    b.TartomanyUtolso = sorok;
    for (auto _ : st) {
        StatMasolat c;  // empty: every run counts the lines
        StatFutas f;
        f.StatisztikaFut = true;
        StatEredmeny e;
        benchmark::DoNotOptimize(DiagramLekerdezes(3, c, {}, src, b, f, e));
    }
}
BENCHMARK(BM_GyakorisagiEloszlas10M)->Unit(benchmark::kMillisecond);

TTombInt2D Oszlopok(int n)
{
    std::mt19937 r(5);
    TTombInt2D t;
    for (int i = 0; i < n; ++i)
        t.push_back({i + 1, static_cast<std::int32_t>(r() % 500), i});
    return t;
}

void Diagram(benchmark::State& st, int rend, bool zoom)
{
    const TTombInt2D t = Oszlopok(10000);
    DiagramBemenet b;
    b.Tag = 3;
    b.Jatek = Jatek(0);
    b.Gyorsitotar = t;
    DiagramModell m;
    for (auto _ : st) {
        m.Ujrakezdes(t);
        DiagramOpciok o;
        o.Rendezes = rend;
        o.Zoom = zoom;
        m.Start(o, b, DiagramMeretek{});
        benchmark::DoNotOptimize(m.Tabla().data());
    }
}
void BM_Novekvo10k(benchmark::State& st) { Diagram(st, 1, false); }
void BM_Csokkeno10k(benchmark::State& st) { Diagram(st, 2, false); }
void BM_Zoom10k(benchmark::State& st) { Diagram(st, 0, true); }
BENCHMARK(BM_Novekvo10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Csokkeno10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zoom10k)->Unit(benchmark::kMillisecond);

}  // namespace
