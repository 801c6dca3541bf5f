// INI file benchmarks (run by hand, Release):
//   build/bench/ini_bench
// Reading and writing a file of 10,000 keys (about 110 KB), in memory and
// through the disk. Target: each under 20 ms.
#include <benchmark/benchmark.h>

#include "app/ini_file.h"

#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

using kvx::IniFile;

constexpr int kKulcsok = 10000;

std::string kulcs(int i) { return "Kulcs" + std::to_string(i); }

std::string Szoveg()
{
    std::string s = "[Kavarex]\n";
    for (int i = 0; i < kKulcsok; ++i)
        s += kulcs(i) + "=" + std::to_string(1000 + i) + "\n";
    return s;
}

void BM_Read10000Keys(benchmark::State& st)
{
    const std::string szoveg = Szoveg();
    for (auto _ : st) {
        IniFile ini;
        ini.LoadFromString(szoveg);
        benchmark::DoNotOptimize(ini.ReadInteger("Kavarex", kulcs(kKulcsok - 1), 0));
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) * static_cast<std::int64_t>(szoveg.size()));
}

void BM_Write10000Keys(benchmark::State& st)
{
    for (auto _ : st) {
        IniFile ini;
        for (int i = 0; i < kKulcsok; ++i)
            ini.WriteInteger("Kavarex", kulcs(i), 1000 + i);
        benchmark::DoNotOptimize(ini.ToString());
    }
}

// The whole round of a start and a close: read the file, read every key,
// write every key, save.
void BM_FileRoundTrip10000Keys(benchmark::State& st)
{
    const auto path = std::filesystem::temp_directory_path() / ("kvx_ini_bench_" + std::to_string(::getpid()) + ".ini");
    {
        IniFile ini;
        ini.LoadFromString(Szoveg());
        ini.SaveToFile(path.string());
    }
    for (auto _ : st) {
        IniFile ini;
        ini.LoadFromFile(path.string());
        std::int64_t osszeg = 0;
        for (int i = 0; i < kKulcsok; ++i)
            osszeg += ini.ReadInteger("Kavarex", kulcs(i), 0);
        for (int i = 0; i < kKulcsok; ++i)
            ini.WriteInteger("Kavarex", kulcs(i), 2000 + i);
        if (!ini.SaveToFile(path.string()))
            st.SkipWithError("save failed");
        benchmark::DoNotOptimize(osszeg);
    }
    std::filesystem::remove(path);
}

BENCHMARK(BM_Read10000Keys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write10000Keys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FileRoundTrip10000Keys)->Unit(benchmark::kMillisecond);

}  // namespace
