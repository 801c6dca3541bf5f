// Saving and loading the body of a 1,000,000-line variation (45 numbers,
// 5 per line): writing into memory, writing the file, and reading it back
// with every check.
#include "variation/variation_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

constexpr std::int32_t kSorok = 1000000;

kvx::VariacioTorzs torzs()
{
    kvx::VariacioTorzs t;
    t.SorHossz = t.VariacioMeret = 5;
    t.SzamsorDb = kSorok;
    t.Sorok.resize(static_cast<std::size_t>(kSorok) * 5);
    // The first million lines of 45 numbers in lexicographic order.
    std::uint8_t s[5] = {0, 1, 2, 3, 4};
    for (std::int32_t r = 0; r < kSorok; ++r) {
        std::copy(s, s + 5, t.Sorok.begin() + static_cast<std::ptrdiff_t>(r) * 5);
        int i = 4;
        while (i >= 0 && s[i] == 45 - 5 + i) --i;
        ++s[i];
        for (int j = i + 1; j < 5; ++j) s[j] = static_cast<std::uint8_t>(s[j - 1] + 1);
    }
    t.BontSzamGyakorisag.assign(45, 0);
    t.Import_Count = {kSorok};
    t.PauseSzamsor.assign(5, 0);
    t.FCsoportFelso = 40;
    t.FCsoportSzamsorok.assign(41 * 5, 0);
    t.FCsoportAktiv.assign(41, 0);
    return t;
}

kvx::TorzsOlvasasKornyezet kornyezet()
{
    kvx::TorzsOlvasasKornyezet e;
    e.VariacioMeret = e.SzamsorHossz = 5;
    e.SzamsorHosszMax = 20;
    e.OsszesSzam = 90;
    e.OsszesSzamMax = 100;
    e.KijeloltSzamDb = 45;
    e.FCsoportFelso = 40;
    e.ABSZ = 1221759;
    return e;
}

void BM_TorzsIras(benchmark::State& st)
{
    const kvx::VariacioTorzs t = torzs();
    std::string hiba;
    for (auto _ : st) {
        kvx::BinWriter w;
        benchmark::DoNotOptimize(kvx::VariacioTorzsIras(w, t, hiba));
        benchmark::DoNotOptimize(w.size());
    }
}
BENCHMARK(BM_TorzsIras)->Unit(benchmark::kMillisecond);

void BM_TorzsMentesAllomanyba(benchmark::State& st)
{
    const kvx::VariacioTorzs t = torzs();
    const std::string nev = (std::filesystem::temp_directory_path() / "kvx_bench_variacio.bin").string();
    std::string hiba;
    for (auto _ : st) {
        kvx::BinWriter w;
        kvx::VariacioTorzsIras(w, t, hiba);
        benchmark::DoNotOptimize(kvx::writeFileAtomic(nev, w.data()));
    }
    std::remove(nev.c_str());
}
BENCHMARK(BM_TorzsMentesAllomanyba)->Unit(benchmark::kMillisecond);

void BM_TorzsOlvasas(benchmark::State& st)
{
    kvx::BinWriter w;
    std::string hiba;
    kvx::VariacioTorzsIras(w, torzs(), hiba);
    const auto e = kornyezet();
    for (auto _ : st) {
        kvx::BinReader rd(w.data());
        const kvx::TorzsOlvasasEredmeny r = kvx::VariacioTorzsOlvasas(rd, e);
        if (!r.Ok) st.SkipWithError(r.Hiba.c_str());
        benchmark::DoNotOptimize(r.Torzs.Sorok.data());
    }
}
BENCHMARK(BM_TorzsOlvasas)->Unit(benchmark::kMillisecond);

}  // namespace
