// Generation engine benchmarks (run by hand, Release):
//   build/bench/engine_bench --benchmark_min_time=0.01
// (a) wheel of 50 numbers, 5 per line, 1 error point: engine and the plain
//     reference side by side;
// (b) wheel of all 90 numbers of game 0 (5 per line), 1 error point;
// (c) full variation of 90 numbers, 5 per line, with a sum and an even/odd
//     condition (a hand-written hook);
// (c') the same through the per-line condition test with real records;
// (d) the full variation of game 0 (43,949,268 lines) against 3,600 random
//     draws with one excluded hit-ratio range;
// (e) the largest cases of the engine's reference test, reference only.
// The full variations (c, c', d) run side by side on one thread (the
// single-thread walk) and on 8 (the argument). Counters: lines stored,
// store_MB the lines' bytes, peak_store_MB the largest allocation the store
// reached during the run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "../tests/variation/reference_engine.h"
#include "conditions/markers.h"
#include "variation/condition_filter.h"
#include "variation/line_enumerator.h"

namespace {

using namespace kvx;

struct OsszegParos {
    static constexpr bool vanFeltetel = true;
    static constexpr bool vanTalalatiArany = false;
    int kf = 5, osszegMin = 180, osszegMax = 280, parosMin = 2, parosMax = 3;
    bool feltetel(std::uint8_t* s, std::int32_t&)
    {
        int sum = 0, paros = 0;
        for (int i = 0; i < kf; ++i) {
            sum += s[i] + 1;
            paros += (s[i] & 1);  // index odd = number even
        }
        return sum >= osszegMin && sum <= osszegMax && paros >= parosMin && paros <= parosMax;
    }
    bool talalatiArany(std::uint8_t*, std::int32_t&) { return true; }
    bool parhuzamosithato() const { return true; }
    OsszegParos masolat() const { return *this; }
    TeljesultBitek teljesult() const { return {}; }
    void teljesultHozzaad(const TeljesultBitek&) {}
};

// Notes the largest allocation of the store during a run.
struct Csucs {
    VariationStore* t = nullptr;
    std::int64_t sorok = 0;
    void figyel(TarolasKornyezet& env, VariationStore& tar)
    {
        t = &tar;
        env.NovelesJelzo = [this](NovelesJelzes j) {
            if (j == NovelesJelzes::FoglalasVege)
                sorok = std::max<std::int64_t>(sorok, t->BontMatrixMeret);
        };
    }
    void jelent(benchmark::State& st, const VariationStore& tar) const
    {
        const double L = tar.BontMatrixSorHossz;
        st.counters["lines"] = static_cast<double>(tar.BontSzelvszam);
        st.counters["store_MB"] = static_cast<double>(tar.BontSzelvszam) * L / 1048576.0;
        st.counters["peak_store_MB"] = static_cast<double>(std::max<std::int64_t>(sorok, tar.BontMatrixMeret)) * L / 1048576.0;
    }
};

void Engine(benchmark::State& st, int n, int k, int h)
{
    std::int64_t sorok = 0;
    for (auto _ : st) {
        VariationStore t;
        BontasAllapot all;
        BontasVezerles vez;
        TarolasKornyezet env;
        env.JovahagyasVariacio = false;
        BontasFuttatas(t, ref::Bemenet(n, k, h), all, vez, env);
        sorok = t.BontSzelvszam;
        st.counters["steps"] = static_cast<double>(vez.Vizsgalatok.load());
    }
    st.counters["lines"] = static_cast<double>(sorok);
}

void BM_Wheel50_5_h1_Engine(benchmark::State& st) { Engine(st, 50, 5, 1); }
void BM_Wheel50_5_h1_Reference(benchmark::State& st)
{
    std::size_t sorok = 0;
    for (auto _ : st) {
        const auto r = ref::RefFuttatas(ref::Bemenet(50, 5, 1), {}, {});
        sorok = r.sorok.size();
    }
    st.counters["lines"] = static_cast<double>(sorok);
}
void BM_Wheel90_5_h1_Engine(benchmark::State& st) { Engine(st, 90, 5, 1); }

void BM_Full90_5_SumEvenOdd(benchmark::State& st)
{
    for (auto _ : st) {
        VariationStore t;
        BontasAllapot all;
        BontasVezerles vez;
        TarolasKornyezet env;
        env.JovahagyasVariacio = false;
        Csucs cs;
        cs.figyel(env, t);
        BontasBemenet b = ref::Bemenet(90, 5, 0);
        b.FeltetelJelzo = true;
        b.SzalDb = static_cast<std::int32_t>(st.range(0));
        OsszegParos sz;
        BontasFuttatas(t, b, all, vez, env, sz);
        cs.jelent(st, t);
    }
}

// Game 0 with all 90 numbers selected, 5 per line.
struct Jatek0 {
    GameParams g;
    SzamListak l;
    FeltetelRekordok f;
    SzamJelzok j;
    Jatek0()
    {
        g.LottoIndex = 0;
        JatekParameterek(g);
        for (int i = 1; i <= 90; ++i)
            l.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
        l.KijeloltFoSzamDb = 90;
        l.KijeloltFoSzamFelso = 89;
        l.VariacioMeret = l.VariacioFoMeret = 5;
        l.VariacioMeretFelso = l.VariacioFoMeretFelso = 4;
    }
};

void Futtat(benchmark::State& st, BontasBemenet b, FeltetelSzuro& sz)
{
    VariationStore t;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    Csucs cs;
    cs.figyel(env, t);
    b.SzalDb = static_cast<std::int32_t>(st.range(0));
    BontasFuttatas(t, b, all, vez, env, sz);
    cs.jelent(st, t);
}

void BM_Full90_5_SumEvenOdd_Records(benchmark::State& st)
{
    Jatek0 j;
    j.f.OsszegFeltetel = {1, {}, 180, 280};
    j.f.SzvParosFeltetel.Allapot = 1;
    j.f.SzvParosFeltetel.Min = 2;
    j.f.SzvParosFeltetel.Max = 3;
    SzamJelzoBeallitas(j.j, j.l, j.g, j.f, 1);
    for (auto _ : st) {
        SorFeltetelTeszt t;
        t.Elokeszites(j.f, j.j, j.l, j.g, 1, false);
        FeltetelSzuro sz{&t, nullptr};
        BontasBemenet b = ref::Bemenet(90, 5, 0);
        b.FeltetelJelzo = true;
        Futtat(st, b, sz);
    }
}

void BM_Full90_5_HitRatio3600(benchmark::State& st)
{
    Jatek0 j;
    DrawsState d;
    SetHuzasok(d, 3600, 8);
    std::mt19937 gen(2024);
    std::vector<int> p(90);
    for (int r = 0; r < 3600; ++r) {
        std::iota(p.begin(), p.end(), 1);
        std::shuffle(p.begin(), p.end(), gen);
        std::sort(p.begin(), p.begin() + 5);
        auto& sor = d.Huzasok[static_cast<std::size_t>(r)];
        sor[0] = r + 1;
        for (int i = 0; i < 5; ++i)
            sor[static_cast<std::size_t>(3 + i)] = p[static_cast<std::size_t>(i)];
    }
    // Lines that ever had 3 or more hits are excluded.
    auto& r = j.f.TalalatiAranyFeltetel;
    r.Allapot = 1;
    r.DbTartomany = 1;
    r.Tipus[0] = 0;
    r.TalalatMin[0] = 3;
    r.TalalatMax[0] = 5;
    r.ElsoHuzas[0] = 1;
    r.UtolsoHuzas[0] = 3600;
    for (auto _ : st) {
        TalalatiAranyTeszt t;
        t.Elokeszites(r, d, j.g, j.l.KijeloltSzamok, 90, 5, 5);
        FeltetelSzuro sz{nullptr, &t};
        BontasBemenet b = ref::Bemenet(90, 5, 0);
        b.TalArAktiv = true;
        Futtat(st, b, sz);
    }
}

// The largest cases of the engine's reference test, through the plain
// reference: the test keeps them small enough for Debug and sanitizer
// builds; here their time is watched (each well under 3 s in Release).
void BM_ReferenceTestCase(benchmark::State& st)
{
    std::size_t sorok = 0;
    for (auto _ : st) {
        const auto r = ref::RefFuttatas(ref::Bemenet(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)),
                                                     static_cast<int>(st.range(2))),
                                        {}, {});
        sorok = r.sorok.size();
    }
    st.counters["lines"] = static_cast<double>(sorok);
}

BENCHMARK(BM_ReferenceTestCase)
    ->ArgNames({"n", "k", "h"})
    ->Args({45, 5, 2})
    ->Args({40, 5, 3})
    ->Args({36, 6, 3})
    ->Args({35, 7, 4})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Wheel50_5_h1_Engine)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Wheel50_5_h1_Reference)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Wheel90_5_h1_Engine)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Full90_5_SumEvenOdd)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_Full90_5_SumEvenOdd_Records)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_Full90_5_HitRatio3600)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
