// Variation test benchmarks (run by hand, Release):
//   build/bench/variation_test_bench
// (a) a 1,000,000-line variation of game 0 (5 of all 90 numbers, random
//     distinct lines) against 3,600 random draws, on 8 threads; target: under
//     3 s. Arguments: the per-number row lists (1 / 0) and the subset
//     bitmaps where they pay (1 / 0).
// (b) the full test with t = 5 over 30 selected numbers (142,506 test lines)
//     against a 20,000-line variation, on 8 threads; target: under 3 s.
//     Arguments as in (a).
// Counters: test lines examined.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

#include "common/numbering.h"

#include "full_variation.h"
#include "variation/variation_test.h"

namespace {

using namespace kvx;

GameParams jatek0()
{
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    return g;
}

// db distinct random lines of 5 of n selection indexes, ascending. The lines
// seen are marked by their ordinal, not kept in a tree: a million freed tree
// nodes would be gathered up by the allocator inside the timed run.
std::vector<std::uint8_t> sorok(int db, int n, unsigned mag)
{
    std::mt19937_64 r(mag);
    const NumberingDims d = variationNumberingDims(n, 5, 0, 0, false);
    std::vector<bool> volt(static_cast<std::size_t>(*fullVariationSize(d)) + 1);
    std::vector<std::uint8_t> ki;
    ki.reserve(static_cast<std::size_t>(db) * 5);
    std::vector<std::uint8_t> t(static_cast<std::size_t>(n));
    std::iota(t.begin(), t.end(), std::uint8_t{0});
    for (int db0 = 0; db0 < db;) {
        for (int i = 0; i < 5; ++i)
            std::swap(t[static_cast<std::size_t>(i)], t[static_cast<std::size_t>(i) + r() % static_cast<std::size_t>(n - i)]);
        std::array<std::uint8_t, 5> s;
        std::copy(t.begin(), t.begin() + 5, s.begin());
        std::sort(s.begin(), s.end());
        std::array<std::uint8_t, 5> p;
        std::transform(s.begin(), s.end(), p.begin(), [](std::uint8_t x) { return static_cast<std::uint8_t>(x + 1); });
        const std::size_t o = static_cast<std::size_t>(*SzamsorSorszamaTV(p, d));
        if (!volt[o]) {
            volt[o] = true;
            ki.insert(ki.end(), s.begin(), s.end());
            ++db0;
        }
    }
    return ki;
}

// The draw test of game 0 over all 90 numbers against db random draws.
TesztBemenet huzasTeszt(int db, unsigned mag)
{
    const GameParams g = jatek0();
    TesztBemenet be;
    be.Jatek = g;
    be.B = TesztBeallitasKeszites({g, 90, 90, 0, 0, 5, true, true, false, 5, 5}).B;
    for (int v = 1; v <= 90; ++v)
        be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v));
    be.KijeloltFoSzamDb = 90;
    be.SorHossz = 5;
    const std::vector<std::uint8_t> h = sorok(db, 90, mag);
    for (int i = 0; i < db; ++i) {
        TTombInt1D s{i + 1, 2000 + i / 52, i % 52 + 1};
        for (int j = 0; j < 5; ++j)
            s.push_back(h[static_cast<std::size_t>(i) * 5 + static_cast<std::size_t>(j)] + 1);
        be.Huzasok.push_back(s);
    }
    be.SzalDb = 8;
    return be;
}

void BM_HuzasTeszt(benchmark::State& st)
{
    TesztBemenet be = huzasTeszt(3600, 2);
    be.Sorok = sorok(1000000, 90, 1);
    be.SorDb = 1000000;
    be.Gyors = st.range(0) ? GyorsKereses::Be : GyorsKereses::Ki;
    be.Bitkep = st.range(1) ? GyorsKereses::Automatikus : GyorsKereses::Ki;
    std::int64_t db = 0;
    for (auto _ : st) {
        VariacioTeszt v(be);
        v.BontasGepiEllenorzes();
        db = v.Eredmeny().Szamok.TesztSzamsorDb;
    }
    st.counters["test_lines"] = static_cast<double>(db);
}
BENCHMARK(BM_HuzasTeszt)->Args({1, 1})->Args({1, 0})->Args({0, 0})->Unit(benchmark::kMillisecond)->Iterations(1);

// (c) the full 5/90 variation (43,949,268 lines) against 3,445 random draws,
//     the size of the real history; target: under 2.5 s, the variation's
//     copy into the test included. Argument: the subset bitmaps where they
//     pay (1 / 0).
void BM_TeljesVariacioHuzasTeszt(benchmark::State& st)
{
    TesztBemenet be = huzasTeszt(3445, 4);
    const std::vector<std::uint8_t> teljes = bench::TeljesOtosVariacio();
    be.SorDb = static_cast<std::int32_t>(teljes.size() / 5);
    be.Bitkep = st.range(0) ? GyorsKereses::Automatikus : GyorsKereses::Ki;
    std::int64_t db = 0;
    for (auto _ : st) {
        TesztBemenet m = be;
        m.Sorok = teljes;
        VariacioTeszt v(std::move(m));
        v.BontasGepiEllenorzes();
        db = v.Eredmeny().Szamok.TesztOsztalyDb.back()[0];
    }
    st.counters["full_hits"] = static_cast<double>(db);
}
BENCHMARK(BM_TeljesVariacioHuzasTeszt)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_TeljesTeszt(benchmark::State& st)
{
    const GameParams g = jatek0();
    TesztBemenet be;
    be.Jatek = g;
    be.B = TesztBeallitasKeszites({g, 30, 30, 0, 0, 5, false, false, false, 5, 5}).B;
    for (int v = 1; v <= 30; ++v)
        be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v));
    be.KijeloltFoSzamDb = 30;
    be.Sorok = sorok(20000, 30, 3);
    be.SorHossz = 5;
    be.SorDb = 20000;
    be.SzalDb = 8;
    be.Gyors = st.range(0) ? GyorsKereses::Be : GyorsKereses::Ki;
    be.Bitkep = st.range(1) ? GyorsKereses::Automatikus : GyorsKereses::Ki;
    std::int64_t db = 0;
    for (auto _ : st) {
        VariacioTeszt v(be);
        v.BontasGepiEllenorzes();
        db = v.Eredmeny().Szamok.TesztSzamsorDb;
    }
    st.counters["test_lines"] = static_cast<double>(db);
}
BENCHMARK(BM_TeljesTeszt)->Args({1, 1})->Args({1, 0})->Args({0, 0})->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
