#include "statistics/pair_stats.h"

#include "common/numbering.h"

#include <algorithm>

namespace kvx {

SzamparMeretek SzamparMeretei(const SzamsorBejarasBemenet& b)
{
    const GameParams& g = b.Jatek;
    SzamparMeretek m;
    if (b.Adatbazis() || b.HuzasSzamsorVariacio) {
        m.P = g.FoSzamKeszlet;
        m.E = g.VanPluszSzam ? g.PluszSzamKeszlet : 0;
        m.ElmeletiP = b.Adatbazis() && g.KenoJatek ? g.OsszesSzam : g.FoSzamKeszlet;
        m.ElmeletiHossz = b.Adatbazis() && g.KenoJatek ? 20 : b.K;
    } else {
        m.P = b.KijeloltFoSzamDb;
        m.E = static_cast<std::int32_t>(b.KijeloltSzamok.size()) - b.KijeloltFoSzamDb;
        m.ElmeletiP = m.P;
        m.ElmeletiHossz = b.K;
    }
    return m;
}

void SzamparStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e)
{
    const SzamparMeretek m = SzamparMeretei(b);
    const bool szamok = b.Adatbazis() || b.HuzasSzamsorVariacio;
    const std::int32_t K = std::max(0, b.K);
    const std::int32_t pluszParok = b.PluszDb > 1 ? b.PluszDb : 0;
    const auto foSorok = static_cast<std::int32_t>(BinomalisEgyutthato(m.P, 2).value_or(0));
    const auto pluszSorok = pluszParok > 0 ? static_cast<std::int32_t>(BinomalisEgyutthato(m.E, 2).value_or(0)) : 0;
    const std::int32_t sorok = foSorok + pluszSorok;

    e.StatErtekek = {};
    const double parokSoronkent = static_cast<double>(BinomalisEgyutthato(m.ElmeletiHossz, 2).value_or(0));
    const double foParok = static_cast<double>(BinomalisEgyutthato(m.ElmeletiP, 2).value_or(0));
    e.StatErtekek[0] = parokSoronkent > 0 ? foParok / parokSoronkent : 0.0;
    if (pluszSorok > 0)
        // One extra pair per line: its mean interval is the count of extra pairs.
        e.StatErtekek[0] = (e.StatErtekek[0] * foSorok + static_cast<double>(pluszSorok) * pluszSorok) /
                           static_cast<double>(foSorok + pluszSorok);

    e.SetSortArray(0, 0);
    e.SetSortArray(sorok, 5);
    // The numbers a row shows: a main value i (1-based) or an extra one.
    auto kijelzes = [&](std::int32_t i, bool plusz) -> std::int32_t {
        if (szamok)
            return plusz ? b.Jatek.FoSzamKeszlet + i : i;
        const std::size_t hol = static_cast<std::size_t>((plusz ? b.KijeloltFoSzamDb : 0) + i - 1);
        return hol < b.KijeloltSzamok.size() ? b.KijeloltSzamok[hol] : 0;
    };
    std::int32_t r = 0;
    for (int resz = 0; resz < (pluszSorok > 0 ? 2 : 1); ++resz) {
        const std::int32_t n = resz == 0 ? m.P : m.E;
        for (std::int32_t i = 1; i <= n; ++i)
            for (std::int32_t j = i + 1; j <= n; ++j) {
                TTombInt1D& s = e.SortArray[static_cast<std::size_t>(r)];
                s[0] = ++r;
                const std::int32_t x = kijelzes(i, resz == 1), y = kijelzes(j, resz == 1);
                s[3] = std::min(x, y);
                s[4] = std::max(x, y);
            }
    }

    f.Ciklus.store(1);
    const std::int32_t pluszAlap = szamok ? b.Jatek.FoSzamKeszlet : b.KijeloltFoSzamDb;
    auto szamol = [&](std::int32_t x, std::int32_t y, std::int32_t n, std::int32_t eltolas, std::int32_t sorszam) {
        if (x > y)
            std::swap(x, y);
        // A value outside the pool or a repeated one is no pair of the table.
        if (x < 1 || y > n || x == y)
            return;
        TTombInt1D& s = e.SortArray[static_cast<std::size_t>(eltolas + SzamparSora(x, y, n))];
        ++s[1];
        s[2] = std::max(s[2], sorszam);
    };
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        for (std::int32_t i = 0; i < K; ++i)
            for (std::int32_t j = i + 1; j < K; ++j)
                szamol(s[static_cast<std::size_t>(i)], s[static_cast<std::size_t>(j)], m.P, 0, sorszam);
        if (pluszSorok > 0)
            // Extras as 1-based numbers of the extra pool.
            for (std::int32_t i = 0; i < pluszParok; ++i)
                for (std::int32_t j = i + 1; j < pluszParok; ++j)
                    szamol(s[static_cast<std::size_t>(K + i)] - pluszAlap, s[static_cast<std::size_t>(K + j)] - pluszAlap,
                           m.E, foSorok, sorszam);
    });
    if (!f.StatisztikaFut.load())
        return;
    const double R = b.VizsgaltSorDb;
    double osszeg = 0, arany = 0;
    std::int32_t elofordult = 0;
    for (const TTombInt1D& s : e.SortArray)
        if (s[1] > 0) {
            ++elofordult;
            osszeg += s[1];
            arany += R / s[1];
        }
    e.StatErtekek[1] = elofordult;
    e.StatErtekek[2] = osszeg;
    e.StatErtekek[3] = elofordult > 0 ? arany / elofordult : 0.0;
}

void EgymastKovetoSzamStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e)
{
    const std::int32_t K = std::max(0, b.K);
    const std::vector<std::int32_t> keszlet = SzamKeszletErtekei(b);
    const std::int32_t szel = b.Adatbazis() || b.HuzasSzamsorVariacio
                                  ? b.Jatek.FoSzamKeszlet
                                  : (keszlet.empty() ? 0 : keszlet.back() - keszlet.front() + 1);
    const std::int32_t sorok = K < 1 ? 0 : std::max(0, szel - (K - 1));
    e.StatErtekek = {};
    e.SetSortArray(0, 0);
    e.SetSortArray(sorok, 3);
    for (std::int32_t r = 0; r < sorok; ++r)
        e.SortArray[static_cast<std::size_t>(r)][1] = r;
    std::vector<std::int32_t> a(static_cast<std::size_t>(K));
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        std::copy(s.begin(), s.begin() + K, a.begin());
        std::sort(a.begin(), a.end());
        for (std::int32_t i = 1; i < K; ++i) {
            const std::int32_t g = a[static_cast<std::size_t>(i)] - a[static_cast<std::size_t>(i - 1)] - 1;
            if (g < 0 || g >= sorok)
                continue;
            TTombInt1D& x = e.SortArray[static_cast<std::size_t>(g)];
            ++x[0];
            x[2] = std::max(x[2], sorszam);
        }
    });
}

}  // namespace kvx
