// The per-line statistics: pairs and sums of 10,000,000 variation lines of
// selected numbers, each of them over 100,000 draws, the line distribution
// of 1,000,000 lines with all its range choices and of the full 5/90
// variation, and the lines per number of 1,000,000 lines.
#include "statistics/line_distribution.h"
#include "statistics/line_stats_engine.h"
#include "statistics/neighbour_stats.h"

#include "common/numbering.h"
#include "draws/draws_table.h"
#include "full_variation.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace kvx;

GameParams Jatek(int index) { return kvx::JatekParameterei(index); }

DrawsState Huzasok(const GameParams& g, int sorok)
{
    DrawsState d;
    SetHuzasok(d, sorok, g.HuzottSzamok + 3);
    std::mt19937 r(3);
    for (int i = 0; i < sorok; ++i) {
        TTombInt1D& s = d.Huzasok[static_cast<std::size_t>(i)];
        s[0] = i + 1;
        for (int j = 0; j < g.HuzottFoSzamok; ++j)
            s[static_cast<std::size_t>(3 + j)] = 1 + j * (g.FoSzamKeszlet / g.HuzottFoSzamok) +
                                                 static_cast<int>(r() % static_cast<unsigned>(g.FoSzamKeszlet / g.HuzottFoSzamok));
    }
    d.AdatbazisBetoltve = true;
    return d;
}

// 20 selected numbers of 5/90, lines of 5 positions.
struct Variacio {
    std::vector<std::uint8_t> Blokk;
    SzamsorBejarasBemenet B;
    std::unique_ptr<BlokkSorForras> Forras;
    explicit Variacio(int sorok)
    {
        std::mt19937 r(1);
        Blokk.resize(static_cast<std::size_t>(sorok) * 5);
        for (std::size_t i = 0; i < Blokk.size(); i += 5)
            for (int j = 0; j < 5; ++j)
                Blokk[i + static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(j * 4 + static_cast<int>(r() % 4));
        Forras = std::make_unique<BlokkSorForras>(Blokk.data(), sorok, 5);
        B.Jatek = Jatek(0);
        B.Variacio = Forras.get();
        for (int i = 0; i < 20; ++i)
            B.KijeloltSzamok.push_back(static_cast<std::uint8_t>(3 + 4 * i));
        B.KijeloltFoSzamDb = 20;
        B.K = 5;
        B.VizsgaltSorDb = sorok;
    }
};

void Futtat(benchmark::State& st, int tag, const SzamsorBejarasBemenet& b)
{
    for (auto _ : st) {
        StatMasolat c;
        StatFutas f;
        f.StatisztikaFut.store(true);
        StatEredmeny e;
        SzamsorStatLekerdezes(tag, c, b, f, e);
        benchmark::DoNotOptimize(e.SortArray.data());
    }
}

void BM_Szamparok10M(benchmark::State& st)
{
    Variacio v(10000000);
    v.B.Poziciok = true;
    Futtat(st, 23, v.B);
}
void BM_Osszeg10M(benchmark::State& st)
{
    Variacio v(10000000);
    Futtat(st, 14, v.B);
}
BENCHMARK(BM_Szamparok10M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Osszeg10M)->Unit(benchmark::kMillisecond);

void BM_Adatbazis100k(benchmark::State& st)
{
    const auto tag = static_cast<int>(st.range(0));
    const GameParams g = Jatek(0);
    const DrawsState d = Huzasok(g, 100000);
    SzamsorBejarasBemenet b;
    b.Jatek = g;
    b.Huzasok = &d;
    b.Elso = 1;
    b.Utolso = 100000;
    b.K = 5;
    b.VizsgaltSorDb = 100000;
    b.Poziciok = tag == 22;
    Futtat(st, tag, b);
}
BENCHMARK(BM_Adatbazis100k)->Arg(8)->Arg(9)->Arg(17)->Arg(22)->Arg(26)->Unit(benchmark::kMillisecond);

// Lines of 5/90 as numbers: 43,949,268 lines in all, 76 range choices.
void BM_SorszamEloszlas1M(benchmark::State& st)
{
    const GameParams g = Jatek(0);
    const int sorok = 1000000;
    std::vector<std::uint8_t> blokk(static_cast<std::size_t>(sorok) * 5);
    std::mt19937 r(5);
    for (std::size_t i = 0; i < blokk.size(); i += 5)
        for (int j = 0; j < 5; ++j)
            blokk[i + static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(1 + j * 18 + static_cast<int>(r() % 18));
    BlokkSorForras src(blokk.data(), sorok, 5);
    SzamsorBejarasBemenet b;
    b.Jatek = g;
    b.Variacio = &src;
    b.HuzasSzamsorVariacio = true;
    b.K = 5;
    const NumberingDims d = gameNumberingDims(g);
    const auto N = static_cast<std::int64_t>(*fullVariationSize(d));
    for (auto _ : st) {
        StatFutas f;
        f.StatisztikaFut.store(true);
        const SorszamTablak t = SorszamEloszlasSzamitas(b, d, N, true, f);
        benchmark::DoNotOptimize(t.Eloszlas.data());
    }
    st.counters["choices"] = static_cast<double>(TartomanyValasztek(N, true).size());
}
BENCHMARK(BM_SorszamEloszlas1M)->Unit(benchmark::kMillisecond);

void BM_SorszamEloszlasAdatbazis100k(benchmark::State& st)
{
    const GameParams g = Jatek(0);
    const DrawsState dr = Huzasok(g, 100000);
    SzamsorBejarasBemenet b;
    b.Jatek = g;
    b.Huzasok = &dr;
    b.Elso = 1;
    b.Utolso = 100000;
    b.K = 5;
    b.SoronkentiHuzasok = true;
    const NumberingDims d = gameNumberingDims(g);
    const auto N = static_cast<std::int64_t>(*fullVariationSize(d));
    for (auto _ : st) {
        StatFutas f;
        f.StatisztikaFut.store(true);
        const SorszamTablak t = SorszamEloszlasSzamitas(b, d, N, false, f);
        benchmark::DoNotOptimize(t.Eloszlas.data());
    }
}
BENCHMARK(BM_SorszamEloszlasAdatbazis100k)->Unit(benchmark::kMillisecond);

// The full 5/90 variation of all 90 selected numbers (43,949,268 lines of
// selection indexes, in lexicographic order): the line distribution (tag
// 25) read from the lines, target under 0.6 s; and the steps (tag 32) asked
// right after it, served from the tables the distribution kept.
struct TeljesVariacio {
    std::vector<std::uint8_t> Blokk;
    std::unique_ptr<BlokkSorForras> Forras;
    SzamsorBejarasBemenet B;
    NumberingDims D;
    std::int64_t N = 0;
    TeljesVariacio()
    {
        const GameParams g = Jatek(0);
        D = variationNumberingDims(90, 5, 0, 0, false);
        N = static_cast<std::int64_t>(*fullVariationSize(D));
        Blokk = bench::TeljesOtosVariacio();
        Forras = std::make_unique<BlokkSorForras>(Blokk.data(), static_cast<std::int32_t>(N), 5);
        B.Jatek = g;
        B.Variacio = Forras.get();
        for (int i = 1; i <= 90; ++i)
            B.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
        B.KijeloltFoSzamDb = 90;
        B.K = 5;
        B.VizsgaltSorDb = static_cast<std::int32_t>(N);
        B.Poziciok = true;
        B.SoronkentiHuzasok = true;
    }
};

TeljesVariacio& teljesVariacio()
{
    static TeljesVariacio v;
    return v;
}

void BM_SorszamEloszlasTeljesVariacio(benchmark::State& st)
{
    TeljesVariacio& v = teljesVariacio();
    for (auto _ : st) {
        StatMasolat c;
        StatFutas f;
        f.StatisztikaFut.store(true);
        StatEredmeny e;
        std::shared_ptr<const SorszamTablak> t;
        benchmark::DoNotOptimize(SorszamStatLekerdezes(25, c, v.B, v.D, v.N, 0, t, f, e));
    }
    st.counters["lines"] = static_cast<double>(v.N);
}
BENCHMARK(BM_SorszamEloszlasTeljesVariacio)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EgymastKovetoSorokEloszlasUtan(benchmark::State& st)
{
    TeljesVariacio& v = teljesVariacio();
    StatMasolat c;
    std::shared_ptr<const SorszamTablak> t;
    {
        StatFutas f;
        f.StatisztikaFut.store(true);
        StatEredmeny e;
        SorszamStatLekerdezes(25, c, v.B, v.D, v.N, 0, t, f, e);
    }
    const std::shared_ptr<const SorszamTablak> elso = t;
    for (auto _ : st) {
        StatMasolat m;
        m.Tarolas(25, {c.Tablak[25], c.Ertekek[25]});
        StatFutas f;
        f.StatisztikaFut.store(true);
        StatEredmeny e;
        benchmark::DoNotOptimize(SorszamStatLekerdezes(32, m, v.B, v.D, v.N, 0, t, f, e));
    }
    // No second pass: the tables are the ones the distribution made.
    st.counters["same_tables"] = t == elso ? 1 : 0;
}
BENCHMARK(BM_EgymastKovetoSorokEloszlasUtan)->Unit(benchmark::kMillisecond)->UseRealTime();

// The neighbours hint's lines per number: one pass over a 1,000,000-line
// variation of selected numbers, made at the first hint of the chart.
void BM_SzamSorElofordulas1M(benchmark::State& st)
{
    Variacio v(1000000);
    for (auto _ : st) {
        StatFutas f;
        f.StatisztikaFut.store(true);
        const std::vector<std::int64_t> db = SzamSorElofordulas(v.B, f, v.B.Jatek.OsszesSzam);
        benchmark::DoNotOptimize(db.data());
    }
}
BENCHMARK(BM_SzamSorElofordulas1M)->Unit(benchmark::kMillisecond);

}  // namespace
