// Hit ratios and the even/odd, repetition and event counts over large sets.
// Run by hand: build/bench/line_statistics_bench
// Hit ratios (Release, 8 cores): 200,000 lines of five under 150 ms,
// 500,000 lines of two under 100 ms, 100,000 draws under 60 ms.
#include "statistics/hit_ratios.h"
#include "statistics/line_properties.h"

#include "app/game_table.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

using namespace kvx;

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

DrawsState huzasok(const GameParams& g, int db)
{
    std::mt19937 r(1);
    DrawsState d;
    SetHuzasok(d, db, g.HuzottSzamok + 3);
    std::vector<int> a(static_cast<std::size_t>(g.FoSzamKeszlet));
    for (int i = 0; i < db; ++i) {
        for (int n = 0; n < g.FoSzamKeszlet; ++n)
            a[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(a.begin(), a.end(), r);
        std::sort(a.begin(), a.begin() + g.HuzottFoSzamok);
        for (int j = 0; j < g.HuzottFoSzamok; ++j)
            d.Huzasok[static_cast<std::size_t>(i)][static_cast<std::size_t>(3 + j)] = a[static_cast<std::size_t>(j)];
    }
    d.AdatbazisBetoltve = true;
    return d;
}

std::vector<std::uint8_t> variacio(std::int64_t sorok, int k, int kijelolt)
{
    std::mt19937 r(2);
    std::vector<std::uint8_t> b(static_cast<std::size_t>(sorok * k));
    for (std::int64_t i = 0; i < sorok; ++i)
        for (int j = 0; j < k; ++j)
            b[static_cast<std::size_t>(i * k + j)] = static_cast<std::uint8_t>((r() % (kijelolt / k)) + j * (kijelolt / k));
    return b;
}

// Hit ratios computed afresh in every iteration.
void talalatiFutas(benchmark::State& st, std::int32_t tag, const TalalatiAranyBemenet& b, const DrawsState& d,
                   const VariacioSorForras& src)
{
    for (auto _ : st) {
        StatMasolat c;
        StatFutas f;
        f.StatisztikaFut = true;
        StatEredmeny e;
        AzonosLista a;
        benchmark::DoNotOptimize(TalalatiAranyok(tag, c, b, d, src, f, e, a));
    }
}

void BM_TalalatiAranyokKenoAdatbazis(benchmark::State& st)
{
    const GameParams g = jatek(8);
    const DrawsState d = huzasok(g, 10000);
    TalalatiAranyBemenet b;
    b.Jatek = g;
    b.K = 20;
    b.TartomanyUtolso = 10000;
    const BlokkSorForras ures(nullptr, 0, 1);
    talalatiFutas(st, 4, b, d, ures);
}
BENCHMARK(BM_TalalatiAranyokKenoAdatbazis)->Unit(benchmark::kMillisecond)->UseRealTime();

// Argument 2: 0 the method the work calls for, 1 every pair compared.
TalalatiModszer modszer(const benchmark::State& st)
{
    return st.range(1) ? TalalatiModszer::Paronkent : TalalatiModszer::Automatikus;
}

void talalatiVariacio(benchmark::State& st, std::int32_t sorok, int k, int kijelolt)
{
    const std::vector<std::uint8_t> blokk = variacio(sorok, k, kijelolt);
    const BlokkSorForras src(blokk.data(), sorok, k);
    TalalatiAranyBemenet b;
    b.Jatek = jatek(0);
    b.StatForras = 1;
    b.K = k;
    b.Modszer = modszer(st);
    talalatiFutas(st, 12, b, DrawsState{}, src);
}

// Lines of five of 60 selected numbers: 50,000, and 200,000 (the
// million-number cap).
void BM_TalalatiAranyokVariacio(benchmark::State& st)
{
    talalatiVariacio(st, static_cast<std::int32_t>(st.range(0)), 5, 60);
}
BENCHMARK(BM_TalalatiAranyokVariacio)
    ->Args({50000, 0})
    ->Args({200000, 0})
    ->Args({200000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// 500,000 lines of two of 90 selected numbers (the million-number cap):
// every line repeats over a hundred times.
void BM_TalalatiAranyokKetSzamos(benchmark::State& st) { talalatiVariacio(st, 500000, 2, 90); }
BENCHMARK(BM_TalalatiAranyokKetSzamos)->Args({0, 0})->Args({0, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

// 100,000 random draws of 5/90.
void BM_TalalatiAranyokAdatbazis(benchmark::State& st)
{
    const GameParams g = jatek(0);
    const DrawsState d = huzasok(g, 100000);
    TalalatiAranyBemenet b;
    b.Jatek = g;
    b.K = 5;
    b.TalalatLepes = g.TalalatSzorzo;
    b.TartomanyUtolso = 100000;
    b.Modszer = modszer(st);
    const BlokkSorForras ures(nullptr, 0, 1);
    talalatiFutas(st, 4, b, d, ures);
}
BENCHMARK(BM_TalalatiAranyokAdatbazis)->Args({0, 0})->Args({0, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TulajdonsagokVariacio(benchmark::State& st)
{
    const std::int32_t sorok = 10000000;
    const std::vector<std::uint8_t> blokk = variacio(sorok, 5, 60);
    const BlokkSorForras src(blokk.data(), sorok, 5);
    SzamsorBemenet b;
    b.Jatek = jatek(0);
    b.StatForras = 1;
    b.K = 5;
    for (int n = 1; n <= 60; ++n)
        b.KijeloltSzamok.push_back(static_cast<std::uint8_t>(n + 20));
    b.KijeloltFoSzamDb = 60;
    const int tag = static_cast<int>(st.range(0));
    for (auto _ : st) {
        StatMasolat c;
        StatFutas f;
        f.StatisztikaFut = true;
        StatEredmeny e;
        SzamTulajdonsagok t;
        benchmark::DoNotOptimize(SzamsorTulajdonsagStatisztika(tag, c, b, DrawsState{}, src, f, e, t));
    }
}
BENCHMARK(BM_TulajdonsagokVariacio)->Arg(10)->Arg(11)->Arg(13)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TulajdonsagokAdatbazis(benchmark::State& st)
{
    const GameParams g = jatek(0);
    const DrawsState d = huzasok(g, 100000);
    SzamsorBemenet b;
    b.Jatek = g;
    b.K = 5;
    b.TartomanyUtolso = 100000;
    const BlokkSorForras ures(nullptr, 0, 1);
    const int tag = static_cast<int>(st.range(0));
    for (auto _ : st) {
        StatMasolat c;
        StatFutas f;
        f.StatisztikaFut = true;
        StatEredmeny e;
        SzamTulajdonsagok t;
        benchmark::DoNotOptimize(SzamsorTulajdonsagStatisztika(tag, c, b, d, ures, f, e, t));
    }
}
BENCHMARK(BM_TulajdonsagokAdatbazis)->Arg(5)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
