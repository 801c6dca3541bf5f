// Export of a 1,000,000-line variation in each format (written to a file),
// and the import of a 1,000,000-line ".csv" back into the store. The game
// has 5 main numbers from 1..50 and 2 extra numbers from 1..12; the lines
// are the first million of 30 main and 6 extra numbers.
#include "variation/variation_export.h"
#include "variation/variation_import.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "variation/store_jobs.h"

namespace {

constexpr std::int32_t kSorok = 1000000;

struct Allapot {
    kvx::GameParams g;
    kvx::SzamListak l;
    kvx::MainState ms;
    kvx::VariationStore t;
    kvx::BontasEgyseg u;
    kvx::VariacioAllomanyAllapot a;

    Allapot()
    {
        g.LottoIndex = 24;
        kvx::JatekParameterek(g);
        kvx::ListakInicializalasa(l, g, ms);
    }
    void variacio()
    {
        for (int n = 1; n <= 30; ++n) kvx::SzamJeloles(l, g, ms, n, kvx::ModKijelolt, false);
        for (int n = 51; n <= 56; ++n) kvx::SzamJeloles(l, g, ms, n, kvx::ModKijelolt, false);
        kvx::SetBontasMatrix(t, kSorok, 7, nullptr);
        // Main indexes 0..29 five at a time, extra indexes 30..35 two at a time.
        std::uint8_t s[7] = {0, 1, 2, 3, 4, 30, 31};
        for (std::int32_t r = 0; r < kSorok; ++r) {
            std::copy(s, s + 7, t.sor(r));
            int i = 6;
            while (i >= 5 && s[i] == 36 - 7 + i) --i;
            if (i >= 5) {
                ++s[i];
                for (int j = i + 1; j < 7; ++j) s[j] = static_cast<std::uint8_t>(s[j - 1] + 1);
                continue;
            }
            s[5] = 30;
            s[6] = 31;
            i = 4;
            while (i >= 0 && s[i] == 30 - 5 + i) --i;
            ++s[i];
            for (int j = i + 1; j < 5; ++j) s[j] = static_cast<std::uint8_t>(s[j - 1] + 1);
        }
        t.BontSzelvszam = kSorok;
    }
};

std::string ut(const char* nev) { return (std::filesystem::temp_directory_path() / nev).string(); }

void BM_Export(benchmark::State& state, const char* formatum)
{
    Allapot a;
    a.variacio();
    const std::string nev = ut((std::string("kvx_bench_export.") + formatum).c_str());
    const kvx::ExportFejlec f{"2.8.1.7", 45429.0};
    for (auto _ : state) {
        std::string uzenet;
        if (!kvx::ExportKiiras(nev, formatum, a.t, a.l, a.g, f, uzenet))
            state.SkipWithError("export failed");
    }
    std::filesystem::remove(nev);
}
BENCHMARK_CAPTURE(BM_Export, csv, "csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, txt, "txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, html, "html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, tmb, "tmb")->Unit(benchmark::kMillisecond);

void BM_ImportCsv(benchmark::State& state)
{
    const std::string nev = ut("kvx_bench_import.csv");
    {
        Allapot a;
        a.variacio();
        std::string uzenet;
        kvx::ExportKiiras(nev, "csv", a.t, a.l, a.g, kvx::ExportFejlec{}, uzenet);
    }
    for (auto _ : state) {
        state.PauseTiming();
        Allapot a;
        state.ResumeTiming();
        kvx::ImportKornyezet k;
        k.Listak = &a.l;
        k.Jatek = &a.g;
        k.Foallapot = &a.ms;
        k.Tar = &a.t;
        k.Bontas = &a.u;
        k.Allomany = &a.a;
        const kvx::ImportEredmeny r = kvx::ImportBeolvasas(nev, k);
        if (!r.Ok || r.Sorok != kSorok)
            state.SkipWithError(("import failed: " + r.Uzenet).c_str());
    }
    std::filesystem::remove(nev);
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);

}  // namespace
