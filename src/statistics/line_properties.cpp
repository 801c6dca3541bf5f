#include "statistics/line_properties.h"

#include <algorithm>
#include <array>

namespace kvx {

namespace {

bool prim(std::int32_t n)
{
    if (n < 2 || n > 95)
        return false;
    for (std::int32_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

bool tukorPar(std::int32_t a, std::int32_t b)
{
    return a > 9 && b > 9 && a / 10 == b % 10 && a % 10 == b / 10 && a != b;
}

constexpr std::int32_t kMaxSor = 64;
using SorPuffer = std::array<std::int32_t, kMaxSor>;

// Reads the lines one by one into a buffer of numbers.
class SorOlvaso {
public:
    SorOlvaso(const SzamsorBemenet& b, const DrawsState& d, const VariacioSorForras& src)
        : b_(b), d_(d), src_(src), k_(std::clamp(b.K, 0, kMaxSor))
    {
        if (b.StatForras == 0) {
            elso_ = std::max(b.TartomanyElso, 1) - 1;
            utolso_ = std::min(b.TartomanyUtolso, d.HuzasokSzama);
        } else {
            elso_ = 0;
            utolso_ = src.SorDb();
        }
    }
    std::int32_t K() const { return k_; }
    std::int32_t Elso() const { return elso_; }
    std::int32_t Utolso() const { return utolso_; }  // exclusive
    // Drawing 2 of row m exists (database only).
    bool VanMasodik(std::int32_t m) const
    {
        const GameParams& g = b_.Jatek;
        if (b_.StatForras != 0 || !g.TobbSorsolas)
            return false;
        const TTombInt1D& sor = d_.Huzasok[static_cast<std::size_t>(m)];
        const std::size_t o = static_cast<std::size_t>(g.MasodikHuzasOszlop);
        return o + static_cast<std::size_t>(k_) <= sor.size() && sor[o] > 0;
    }
    // The K numbers of row m, drawing 1 or 2; 0 for a position not to count.
    void Olvas(std::int32_t m, std::int32_t huzas, SorPuffer& p) const
    {
        if (b_.StatForras == 0) {
            const TTombInt1D& sor = d_.Huzasok[static_cast<std::size_t>(m)];
            const std::size_t o = huzas == 2 ? static_cast<std::size_t>(b_.Jatek.MasodikHuzasOszlop) : 3;
            for (std::int32_t i = 0; i < k_; ++i) {
                const std::size_t x = o + static_cast<std::size_t>(i);
                p[static_cast<std::size_t>(i)] = x < sor.size() ? sor[x] : 0;
            }
            return;
        }
        const std::uint8_t* sor = src_.Sor(m);
        const std::int32_t n = std::min(k_, src_.SorHossz());
        for (std::int32_t i = 0; i < k_; ++i) {
            std::int32_t v = 0;
            if (i < n) {
                const std::uint8_t x = sor[i];
                if (b_.HuzasSzamsorVariacio)
                    v = x;
                else if (x < b_.KijeloltSzamok.size())
                    v = b_.KijeloltSzamok[x];
            }
            p[static_cast<std::size_t>(i)] = v;
        }
    }

private:
    const SzamsorBemenet& b_;
    const DrawsState& d_;
    const VariacioSorForras& src_;
    std::int32_t k_;
    std::int32_t elso_ = 0, utolso_ = 0;
};

std::uint8_t jelzo(const StatJelzok& j, std::int32_t n)
{
    return n >= 1 && static_cast<std::size_t>(n) <= j.StatSzamJelzo.size()
               ? j.StatSzamJelzo[static_cast<std::size_t>(n - 1)]
               : 0;
}

std::int32_t bitDb(const StatJelzok& j, const SorPuffer& p, std::int32_t k, std::uint8_t bit)
{
    std::int32_t c = 0;
    for (std::int32_t i = 0; i < k; ++i)
        c += (jelzo(j, p[static_cast<std::size_t>(i)]) & bit) ? 1 : 0;
    return c;
}

void novel(StatEredmeny& e, std::int32_t r, std::int32_t c)
{
    TTombInt1D& sor = e.SortArray[static_cast<std::size_t>(r)];
    const std::size_t x = static_cast<std::size_t>(c) + 1;
    if (x < sor.size())
        ++sor[x];
}

// Runs fv(row, drawing) over every line, one pass per drawing; pass counts
// for the progress text are set by the caller.
template <class Fv>
bool passz(const SorOlvaso& o, StatFutas& f, std::int32_t huzas, Fv fv)
{
    f.Haladas.store(0, std::memory_order_relaxed);
    for (std::int32_t m = o.Elso(); m < o.Utolso(); ++m) {
        if (!f.StatisztikaFut.load(std::memory_order_relaxed))
            return false;
        if (huzas == 1 || o.VanMasodik(m))
            fv(m, huzas);
        f.Haladas.store(m + 1, std::memory_order_relaxed);
    }
    return true;
}

bool parosParatlan(const SorOlvaso& o, const StatJelzok& j, StatFutas& f, StatEredmeny& e)
{
    SorPuffer p{};
    const std::int32_t k = o.K();
    f.CiklusDb.store(1);
    f.Ciklus.store(1);
    f.Haladas.store(0, std::memory_order_relaxed);
    for (std::int32_t m = o.Elso(); m < o.Utolso(); ++m) {
        if (!f.StatisztikaFut.load(std::memory_order_relaxed))
            return false;
        for (std::int32_t h = 1; h <= 2; ++h) {
            if (h == 2 && !o.VanMasodik(m))
                break;
            o.Olvas(m, h, p);
            novel(e, 0, bitDb(j, p, k, kParosCsoportBit));
            novel(e, 1, bitDb(j, p, k, kParosBit));
        }
        f.Haladas.store(m + 1, std::memory_order_relaxed);
    }
    return true;
}

// Repeats within the groups of one line: a counts those of the first group
// that repeats, b those of the others.
void ismetles(const SorPuffer& p, std::int32_t k, bool vegzodes, std::int32_t& a, std::int32_t& b)
{
    a = b = 0;
    std::int32_t elso = -1;
    for (std::int32_t i = 0; i + 1 < k; ++i) {
        const std::int32_t ni = p[static_cast<std::size_t>(i)];
        const std::int32_t gi = vegzodes ? ni % 10 : ni / 10;
        for (std::int32_t jj = i + 1; jj < k; ++jj) {
            const std::int32_t nj = p[static_cast<std::size_t>(jj)];
            if ((vegzodes ? nj % 10 : nj / 10) != gi)
                continue;
            if (elso < 0)
                elso = gi;
            if (gi == elso)
                ++a;
            else
                ++b;
            break;
        }
    }
}

bool ismetlodesek(const SorOlvaso& o, std::int32_t sorsolasok, StatFutas& f, StatEredmeny& e)
{
    SorPuffer p{};
    const std::int32_t k = o.K();
    f.CiklusDb.store(2 * sorsolasok);
    f.Ciklus.store(1);
    for (std::int32_t menet = 0; menet < 2; ++menet) {
        const bool vegzodes = menet == 1;
        for (std::int32_t h = 1; h <= sorsolasok; ++h) {
            const bool ok = passz(o, f, h, [&](std::int32_t m, std::int32_t hz) {
                o.Olvas(m, hz, p);
                std::int32_t a = 0, b = 0;
                ismetles(p, k, vegzodes, a, b);
                if (b == 0)
                    novel(e, vegzodes ? 2 : 0, a);
                else
                    novel(e, vegzodes ? 3 : 1, a + b);
            });
            if (!ok)
                return false;
            f.Ciklus.fetch_add(1);
        }
    }
    return true;
}

bool esemenyek(const SorOlvaso& o, const StatJelzok& j, std::int32_t sorsolasok, StatFutas& f, StatEredmeny& e)
{
    SorPuffer p{};
    const std::int32_t k = o.K();
    f.CiklusDb.store(sorsolasok);
    f.Ciklus.store(1);
    for (std::int32_t h = 1; h <= sorsolasok; ++h) {
        const bool ok = passz(o, f, h, [&](std::int32_t m, std::int32_t hz) {
            o.Olvas(m, hz, p);
            novel(e, 0, bitDb(j, p, k, kIkerBit));
            std::int32_t c = 0;
            for (std::int32_t i = 0; i + 1 < k; ++i) {
                const std::int32_t n = p[static_cast<std::size_t>(i)];
                if (!(jelzo(j, n) & kTukorBit))
                    continue;
                for (std::int32_t x = i + 1; x < k; ++x) {
                    const std::int32_t mm = p[static_cast<std::size_t>(x)];
                    if (mm >= 1 && static_cast<std::size_t>(mm) <= j.StatTukorPar.size() &&
                        j.StatTukorPar[static_cast<std::size_t>(mm - 1)] == n - 1)
                        ++c;
                }
            }
            novel(e, 1, c);
            novel(e, 2, bitDb(j, p, k, kPrimBit));
        });
        if (!ok)
            return false;
        f.Ciklus.fetch_add(1);
    }
    return true;
}

}  // namespace

SzamTulajdonsagok AdatbazisJelzoBeallitas(const GameParams& g, std::int32_t forras, const TTombByte1D& kijeloltSzamok,
                                          std::int32_t kijeloltFoSzamDb, StatJelzok& j)
{
    SzamTulajdonsagok t;
    const std::size_t osszes = static_cast<std::size_t>(std::max(g.OsszesSzam, 0));
    j.StatSzamJelzo.assign(osszes, 0);
    j.StatTukorPar.assign(osszes, -1);
    const std::int32_t fo = std::min(g.FoSzamKeszlet, static_cast<std::int32_t>(osszes));
    const std::int32_t kDb = std::clamp(kijeloltFoSzamDb, 0, static_cast<std::int32_t>(kijeloltSzamok.size()));
    std::vector<bool> kijelolt(osszes + 1, false);
    if (forras == 1) {
        t.KijeloltStatFoSzamDb = kijeloltFoSzamDb;
        for (std::int32_t i = 0; i < kDb; ++i)
            if (kijeloltSzamok[static_cast<std::size_t>(i)] <= osszes)
                kijelolt[kijeloltSzamok[static_cast<std::size_t>(i)]] = true;
    }
    for (std::int32_t n = 1; n <= fo; ++n) {
        std::uint8_t& bit = j.StatSzamJelzo[static_cast<std::size_t>(n - 1)];
        const bool k = kijelolt[static_cast<std::size_t>(n)];
        if (n % 2 == 0) {
            bit |= kParosBit;
            ++t.ParosSzamDb;
            t.KijeloltParosDb += k;
        }
        if (n / 10 == n % 10) {
            bit |= kIkerBit;
            ++t.IkerszamDb;
            t.KijeloltIkerszamDb += k;
        }
        if (prim(n)) {
            bit |= kPrimBit;
            ++t.PrimszamDb;
            t.KijeloltPrimszamDb += k;
        }
        if ((n / 10) % 2 == 0) {
            bit |= kParosCsoportBit;
            ++t.ParosCsoportSzamDb;
            t.KijeloltParosCsoportDb += k;
        }
    }
    for (std::int32_t a = 1; a < fo; ++a) {
        if (j.StatTukorPar[static_cast<std::size_t>(a - 1)] >= 0)
            continue;
        for (std::int32_t b = a + 1; b <= fo; ++b) {
            if (!tukorPar(a, b) || j.StatTukorPar[static_cast<std::size_t>(b - 1)] >= 0)
                continue;
            j.StatSzamJelzo[static_cast<std::size_t>(a - 1)] |= kTukorBit;
            j.StatSzamJelzo[static_cast<std::size_t>(b - 1)] |= kTukorBit;
            j.StatTukorPar[static_cast<std::size_t>(a - 1)] = b - 1;
            j.StatTukorPar[static_cast<std::size_t>(b - 1)] = a - 1;
            ++t.TukorparDb;
            break;
        }
    }
    if (forras == 1)
        for (std::int32_t i = 0; i < kDb; ++i)
            for (std::int32_t x = i + 1; x < kDb; ++x)
                if (tukorPar(kijeloltSzamok[static_cast<std::size_t>(i)], kijeloltSzamok[static_cast<std::size_t>(x)]) &&
                    kijeloltSzamok[static_cast<std::size_t>(i)] <= fo && kijeloltSzamok[static_cast<std::size_t>(x)] <= fo) {
                    ++t.KijeloltTukorparDb;
                    break;
                }
    return t;
}

bool SzamsorTulajdonsagStatisztika(std::int32_t tag, StatMasolat& c, const SzamsorBemenet& b, const DrawsState& d,
                                   const VariacioSorForras& src, StatFutas& f, StatEredmeny& e, SzamTulajdonsagok& t)
{
    StatJelzok j;
    t = AdatbazisJelzoBeallitas(b.Jatek, b.StatForras, b.KijeloltSzamok, b.KijeloltFoSzamDb, j);
    if (c.Betoltes(tag, e))
        return f.StatisztikaFut.load();
    const SorOlvaso o(b, d, src);
    e.FinalizeSortArray();
    e.StatErtekek = {};
    e.SetSortArray(std::max(b.Jatek.OsszesSzam, 4), o.K() + 2);
    for (std::size_t i = 0; i < e.SortArray.size(); ++i)
        e.SortArray[i][0] = static_cast<std::int32_t>(i) + 1;
    const std::int32_t sorsolasok = b.StatForras == 0 && b.Jatek.TobbSorsolas ? 2 : 1;
    bool ok = false;
    switch (tag) {
    case 5: case 10: ok = parosParatlan(o, j, f, e); break;
    case 6: case 11: ok = ismetlodesek(o, sorsolasok, f, e); break;
    case 7: case 13: ok = esemenyek(o, j, sorsolasok, f, e); break;
    default: return false;
    }
    if (!ok || !f.StatisztikaFut.load())
        return false;
    c.Tarolas(tag, e);
    return true;
}

std::int64_t TablaOsszeg(const TTombInt2D& t, std::int32_t r)
{
    if (r < 0 || static_cast<std::size_t>(r) >= t.size())
        return 0;
    const TTombInt1D& sor = t[static_cast<std::size_t>(r)];
    std::int64_t s = 0;
    for (std::size_t x = 1; x < sor.size(); ++x)
        s += static_cast<std::int64_t>(x - 1) * sor[x];
    return s;
}

}  // namespace kvx
