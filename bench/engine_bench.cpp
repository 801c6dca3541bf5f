// Generation engine benchmarks (run by hand, Release):
//   build/bench/engine_bench --benchmark_min_time=0.01
// (a) wheel of 50 numbers, 5 per line, 1 error point: engine and the plain
//     reference side by side;
// (b) wheel of all 90 numbers of game 0 (5 per line), 1 error point;
// (c) full variation of 90 numbers, 5 per line, with a sum and an even/odd
//     condition.
#include <benchmark/benchmark.h>

#include "../tests/variation/reference_engine.h"
#include "variation/line_enumerator.h"

namespace {

using namespace kvx;

BontasBemenet Kerek(int n, int k, int h)
{
    BontasBemenet b;
    b.KijeloltSzamDb = n;
    b.KijeloltFoSzamDb = n;
    b.VariacioMeret = k;
    b.VariacioFoMeret = k;
    b.Hibapont = h;
    return b;
}

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
        BontasFuttatas(t, Kerek(n, k, h), all, vez, env);
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
        const auto r = ref::RefFuttatas(Kerek(50, 5, 1), {}, {});
        sorok = r.sorok.size();
    }
    st.counters["lines"] = static_cast<double>(sorok);
}
void BM_Wheel90_5_h1_Engine(benchmark::State& st) { Engine(st, 90, 5, 1); }

void BM_Full90_5_SumEvenOdd(benchmark::State& st)
{
    std::int64_t sorok = 0;
    double mb = 0;
    for (auto _ : st) {
        VariationStore t;
        BontasAllapot all;
        BontasVezerles vez;
        TarolasKornyezet env;
        env.JovahagyasVariacio = false;
        BontasBemenet b = Kerek(90, 5, 0);
        b.FeltetelJelzo = true;
        OsszegParos sz;
        BontasFuttatas(t, b, all, vez, env, sz);
        sorok = t.BontSzelvszam;
        mb = static_cast<double>(t.BontMatrixMeret) * t.BontMatrixSorHossz / 1048576.0;
    }
    st.counters["lines"] = static_cast<double>(sorok);
    st.counters["store_MB"] = mb;
}

BENCHMARK(BM_Wheel50_5_h1_Engine)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Wheel50_5_h1_Reference)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Wheel90_5_h1_Engine)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Full90_5_SumEvenOdd)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
