#include "variation/list_editing.h"

#include <algorithm>
#include <cstring>

#include "variation/generation_run.h"
#include "variation/store_jobs.h"

namespace kvx {

namespace {

void mentettSorrendEldobasa(VariationStore& t)
{
    t.FBontasMatrixEredeti.clear();
    t.FBontasMatrixEredetiSorok = 0;
}

}  // namespace

bool BontSzamsorHozzaadasEllenorzes(const VariationStore& t, std::int64_t db, std::string& uzenet)
{
    if (t.ABSZ >= 0 && static_cast<std::int64_t>(t.BontSzelvszam) + db > t.ABSZ) {
        uzenet = kSzovegTeljesVariacioFelett;
        return false;
    }
    return true;
}

void BontSorokHozzaadasa(VariationStore& t, BontasEgyseg& u, const std::uint8_t* sorok, std::int32_t db,
                         std::int32_t KijeloltSzamDb)
{
    if (db <= 0)
        return;
    mentettSorrendEldobasa(t);
    const std::int32_t c = t.BontMatrixMeret;
    if (t.Import_Count.empty() && c > 0)
        t.Import_Count.push_back(c);
    if (!SetBontasMatrix(t, static_cast<std::int64_t>(c) + db, t.BontMatrixSorHossz, nullptr))
        return;
    std::memcpy(t.sor(c), sorok, static_cast<std::size_t>(db) * static_cast<std::size_t>(t.BontMatrixSorHossz));
    t.Import_Count.push_back(t.BontMatrixMeret);
    u.BontasBovites = true;
    u.SzerkesztettVariacio = true;
    BontasListazasTorlesUtan(t, KijeloltSzamDb);
}

void BontSzamsorCsere(VariationStore& t, BontasEgyseg& u, std::int32_t m, const std::uint8_t* sor,
                      std::int32_t KijeloltSzamDb)
{
    if (m < 0 || m >= t.BontMatrixMeret)
        return;
    mentettSorrendEldobasa(t);
    std::memcpy(t.sor(m), sor, static_cast<std::size_t>(t.BontMatrixSorHossz));
    u.SzerkesztettVariacio = true;
    BontasListazasTorlesUtan(t, KijeloltSzamDb);
}

void Import_Count_Rendezes(VariationStore& t, std::int32_t f, std::int32_t l)
{
    TTombInt1D& b = t.Import_Count;
    const std::int32_t d = l - f + 1;
    for (std::size_t i = 0; i + 1 < b.size(); ++i) {
        if (b[i] >= l)
            b[i] -= d;
        else if (b[i] >= f)
            b[i] = f - 1;
    }
    if (b.size() >= 2) {
        bool volt = true;
        while (volt && b.size() >= 2) {
            volt = false;
            for (std::size_t i = 0; i < b.size(); ++i) {
                if (b[i] == 0 || (i + 1 < b.size() && b[i] == b[i + 1])) {
                    b.erase(b.begin() + static_cast<std::ptrdiff_t>(i));
                    volt = true;
                    break;
                }
            }
        }
    }
    for (std::size_t i = 0; i < b.size(); ++i)
        if (b[i] > t.BontMatrixMeret) {
            b[i] = t.BontMatrixMeret;
            b.resize(i + 1);
            break;
        }
    if (!b.empty() && b.back() < t.BontMatrixMeret)
        b.back() = t.BontMatrixMeret;
}

std::int32_t BontSzamsorTartomanyTorlese(VariationStore& t, BontasEgyseg& u, std::int32_t f, std::int32_t l,
                                         std::int32_t& BontIdegenSzamsorDb, std::int32_t KijeloltSzamDb)
{
    const std::int32_t n = t.BontMatrixMeret;
    f = std::max(f, 1);
    l = std::min(l, n);
    if (f > l)
        return std::max(1, std::min(f, n));
    mentettSorrendEldobasa(t);
    const std::int32_t d = l - f + 1;
    if (t.Import_Count.empty())
        t.Import_Count.push_back(n);
    t.Import_Count.back() = n - d;
    if (l < n) {
        const std::size_t L = static_cast<std::size_t>(t.BontMatrixSorHossz);
        std::memmove(t.sor(f - 1), t.sor(l), static_cast<std::size_t>(n - l) * L);
    }
    if (t.BontHuzasSorszam.size() == static_cast<std::size_t>(n))
        t.BontHuzasSorszam.erase(t.BontHuzasSorszam.begin() + (f - 1), t.BontHuzasSorszam.begin() + l);
    SetBontasMatrix(t, n - d, t.BontMatrixSorHossz, nullptr);
    t.BontSzelvszam = t.BontMatrixMeret;
    Import_Count_Rendezes(t, f, l);
    if (BontIdegenSzamsorDb > 0 && BontIdegenSzamsorDb >= f)
        BontIdegenSzamsorDb = BontIdegenSzamsorDb < l ? f - 1 : BontIdegenSzamsorDb - d;
    u.SzerkesztettVariacio = true;
    BontasListazasTorlesUtan(t, KijeloltSzamDb);
    return t.BontMatrixMeret < f ? t.BontMatrixMeret : f;
}

bool UtolsoBovitmenyTorlese(VariationStore& t, BontasEgyseg& u, std::int32_t& BontIdegenSzamsorDb,
                            std::int32_t KijeloltSzamDb)
{
    if (t.Import_Count.size() < 2)
        return false;
    const std::int32_t n = t.BontMatrixMeret;
    // The extension is the rows after the boundary in the order they were
    // stored: a sorted list goes back to that order before the cut, and is
    // sorted again afterwards as the user had it.
    const bool rendezett = t.FBontasMatrixEredetiSorok > 0 && t.FBontasMatrixEredetiSorok == n;
    if (rendezett)
        BontListEredetiSorrend(t);
    t.Import_Count.pop_back();
    const std::int32_t hatar = std::clamp(t.Import_Count.back(), 0, n);
    if (hatar < n)
        BontSzamsorTartomanyTorlese(t, u, hatar + 1, n, BontIdegenSzamsorDb, KijeloltSzamDb);
    else
        BontasListazasTorlesUtan(t, KijeloltSzamDb);
    if (rendezett && t.BontMatrixMeret > 0)
        BontListRendezes(t, 0, t.BontMatrixMeret, false);
    return true;
}

}  // namespace kvx
