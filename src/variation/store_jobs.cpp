#include "variation/store_jobs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <vector>

namespace kvx {

bool SetBontasMatrix(VariationStore& t, std::int64_t sorok, std::int32_t sorHossz, const TarolasKornyezet*,
                     bool nullazas)
{
    if (sorok < 0 || sorHossz < 0 || sorok > kBontMaxSzelvszam)
        return false;
    const std::size_t ujMeret = static_cast<std::size_t>(sorok) * static_cast<std::size_t>(sorHossz);
    const std::int32_t megtart = static_cast<std::int32_t>(std::min<std::int64_t>(t.BontSzelvszam, sorok));
    const std::size_t regiMeret = t.FBontasMatrix ? t.FBontasMatrixBajt : 0;
    if (ujMeret == 0) {
        TarBlokkAtmeretezes(t.FBontasMatrix, regiMeret, 0);
        t.FBontasMatrix = nullptr;
    } else if (sorHossz == t.BontMatrixSorHossz || t.FBontasMatrix == nullptr) {
        // Large blocks grow in place (no second copy in memory).
        std::uint8_t* p = TarBlokkAtmeretezes(t.FBontasMatrix, regiMeret, ujMeret);
        if (!p)
            return false;
        if (nullazas && ujMeret > regiMeret)
            std::memset(p + regiMeret, 0, ujMeret - regiMeret);
        t.FBontasMatrix = p;
    } else {
        std::uint8_t* p = TarBlokkAtmeretezes(nullptr, 0, ujMeret);
        if (!p)
            return false;
        if (nullazas)
            std::memset(p, 0, ujMeret);
        const std::size_t masol = static_cast<std::size_t>(std::min(sorHossz, t.BontMatrixSorHossz));
        for (std::int32_t r = 0; r < megtart; ++r)
            std::memcpy(p + static_cast<std::size_t>(r) * static_cast<std::size_t>(sorHossz), t.sor(r), masol);
        TarBlokkAtmeretezes(t.FBontasMatrix, regiMeret, 0);
        t.FBontasMatrix = p;
    }
    t.FBontasMatrixBajt = t.FBontasMatrix ? ujMeret : 0;
    t.BontMatrixSorHossz = sorHossz;
    t.BontMatrixMeret = static_cast<std::int32_t>(sorok);
    t.BontSzelvszam = megtart;
    return true;
}

void FinalizeFBontasMatrix(VariationStore& t)
{
    TarBlokkAtmeretezes(t.FBontasMatrix, t.FBontasMatrixBajt, 0);
    t.FBontasMatrix = nullptr;
    t.FBontasMatrixBajt = 0;
    t.BontMatrixMeret = 0;
    t.BontSzelvszam = 0;
    FinalizeFBontasMatrixOptMax(t);
    t.BontSzamGyakorisag.clear();
    t.BontSzamGyakorisag.shrink_to_fit();
    t.FBontasMatrixEredeti.clear();
    t.FBontasMatrixEredeti.shrink_to_fit();
    t.FBontasMatrixEredetiSorok = 0;
    FinalizeImport_Count(t);
}

void SorIndexTorles(const VariationStore& t, ReszhalmazTabla& tabla, std::int32_t elso, std::int32_t utolso)
{
    // A row is occupied when it lies below the line count, whatever it holds.
    utolso = std::min(utolso, t.BontSzelvszam - 1);
    for (std::int32_t j = utolso; j >= std::max(0, elso); --j)
        tabla.elvesz(t.sor(j), t.BontMatrixSorHossz);
}

void BontMatrixOpt(VariationStore& t, bool HuzasSzamsorVariacio)
{
    if (HuzasSzamsorVariacio && t.BontHuzasSorszam.size() > static_cast<std::size_t>(t.BontSzelvszam))
        t.BontHuzasSorszam.resize(static_cast<std::size_t>(t.BontSzelvszam));
    if (t.BontSzelvszam != t.BontMatrixMeret)
        SetBontasMatrix(t, t.BontSzelvszam, t.BontMatrixSorHossz, nullptr);
}

bool BontListRendezes(VariationStore& t, std::int32_t elso, std::int32_t veg, bool HuzasSzamsorVariacio,
                      TVariacioOpciok* opt)
{
    if (HuzasSzamsorVariacio || veg > kBontRendezesMax || veg > t.BontSzelvszam || elso < 0 || elso >= veg)
        return false;
    const std::size_t L = static_cast<std::size_t>(t.BontMatrixSorHossz);
    t.FBontasMatrixEredeti.assign(t.FBontasMatrix, t.FBontasMatrix + static_cast<std::size_t>(veg) * L);
    t.FBontasMatrixEredetiSorok = veg;
    std::vector<std::int32_t> sorrend(static_cast<std::size_t>(veg - elso));
    std::iota(sorrend.begin(), sorrend.end(), elso);
    const std::uint8_t* m = t.FBontasMatrixEredeti.data();
    std::stable_sort(sorrend.begin(), sorrend.end(), [&](std::int32_t a, std::int32_t b) {
        return std::memcmp(m + static_cast<std::size_t>(a) * L, m + static_cast<std::size_t>(b) * L, L) < 0;
    });
    for (std::size_t i = 0; i < sorrend.size(); ++i)
        std::memcpy(t.sor(elso + static_cast<std::int32_t>(i)), m + static_cast<std::size_t>(sorrend[i]) * L, L);
    if (opt && opt->Optimalizalas)
        opt->OptHatarBajt = t.sor(elso)[0];
    return true;
}

bool BontListEredetiSorrend(VariationStore& t)
{
    if (t.BontMatrixMeret <= 0 || t.FBontasMatrixEredetiSorok != t.BontMatrixMeret ||
        t.FBontasMatrixEredeti.size() !=
            static_cast<std::size_t>(t.BontMatrixMeret) * static_cast<std::size_t>(t.BontMatrixSorHossz))
        return false;
    std::memcpy(t.FBontasMatrix, t.FBontasMatrixEredeti.data(), t.FBontasMatrixEredeti.size());
    t.FBontasMatrixEredeti.clear();
    t.FBontasMatrixEredeti.shrink_to_fit();
    t.FBontasMatrixEredetiSorok = 0;
    return true;
}

bool BontListRendezett(const VariationStore& t)
{
    return t.BontMatrixMeret > 0 && t.FBontasMatrixEredetiSorok == t.BontMatrixMeret;
}

void BontListSorrendRogzitese(VariationStore& t)
{
    t.FBontasMatrixEredeti.clear();
    t.FBontasMatrixEredeti.shrink_to_fit();
    t.FBontasMatrixEredetiSorok = 0;
}

void SetBontasMatrixOptMax(VariationStore& t, std::int32_t sorok, std::int32_t sorHossz)
{
    t.OptLegjobbSzamsorok.resize(static_cast<std::size_t>(std::max(0, sorok)) * static_cast<std::size_t>(std::max(0, sorHossz)));
    t.OptLegjobbSzamsorDb = std::max(0, sorok);
}

void FinalizeFBontasMatrixOptMax(VariationStore& t)
{
    t.OptLegjobbSzamsorok.clear();
    t.OptLegjobbSzamsorok.shrink_to_fit();
    t.OptLegjobbSzamsorDb = 0;
}

void SetLengthImport_Count(VariationStore& t, std::int32_t n) { t.Import_Count.resize(static_cast<std::size_t>(std::max(0, n)), 0); }

void FinalizeImport_Count(VariationStore& t)
{
    t.Import_Count.clear();
    t.Import_Count.shrink_to_fit();
}

}  // namespace kvx
