// The Csökkent search on 15 numbers, 5 per line, with Találat 3 (lines
// share at most 3 numbers): the generation, then 1,000 search cycles.
#include "variation/line_enumerator.h"

#include <benchmark/benchmark.h>

namespace {

// Stops the run once the search has made its cycles.
struct CiklusHatar {
    kvx::BontasVezerles* vez = nullptr;
    std::int64_t ciklusok = 0;
    static constexpr bool vanFeltetel = true;
    static constexpr bool vanTalalatiArany = false;
    bool feltetel(std::uint8_t*, std::int32_t&)
    {
        // The counter counts from 1: the cycles made are one fewer.
        if (vez->OptCiklus.load(std::memory_order_relaxed) > ciklusok)
            vez->BontasMegszakitasa();
        return true;
    }
    bool talalatiArany(std::uint8_t*, std::int32_t&) { return true; }
};

void BM_CsokkentCiklusok(benchmark::State& state)
{
    std::int64_t ciklusok = 0;
    for (auto _ : state) {
        kvx::BontasBemenet b;
        b.KijeloltSzamDb = b.KijeloltFoSzamDb = 15;
        b.VariacioMeret = b.VariacioFoMeret = 5;
        b.TulirasBont = true;
        b.Tuliras = 3;
        b.FeltetelJelzo = true;
        kvx::TVariacioOpciok o;
        o.Optimalizalas = 1;
        o.Csokkent = 1;
        o.Feluliras = 1;
        b.Opt = &o;
        kvx::VariationStore t;
        t.ABSZ = kvx::BontasABSZ(b);
        kvx::BontasAllapot all;
        kvx::BontasVezerles vez;
        vez.StopVizsgalat = [] { return true; };
        kvx::TarolasKornyezet env;
        env.JovahagyasVariacio = false;
        CiklusHatar h{&vez, state.range(0)};
        kvx::BontasFuttatas(t, b, all, vez, env, h);
        ciklusok = vez.OptCiklus.load() - 1;
        if (ciklusok < state.range(0))
            state.SkipWithError("the search ended before its cycles");
        state.counters["lines"] = t.BontSzelvszam;
    }
    state.counters["cycles"] = static_cast<double>(ciklusok);
}
BENCHMARK(BM_CsokkentCiklusok)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
