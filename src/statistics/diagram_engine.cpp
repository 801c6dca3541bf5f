#include "statistics/diagram_engine.h"

#include <algorithm>

namespace kvx {

void FoszelvenyStatisztika(const TTombInt2D& aktiv, const GameParams& g, StatEredmeny& e)
{
    const std::int32_t n = static_cast<std::int32_t>(aktiv.size());
    e.SetSortArray(0, 0);
    e.SetSortArray(n, 3);
    e.StatErtekek[3] = e.StatErtekek[4] = e.StatErtekek[5] = 0;
    const std::int32_t fo = g.FoSzamKeszlet;
    const std::int32_t h = fo / 2;
    for (std::int32_t i = 0; i < n; ++i) {
        const TTombInt1D& a = aktiv[static_cast<std::size_t>(i)];
        TTombInt1D& s = e.SortArray[static_cast<std::size_t>(i)];
        s[0] = i + 1;
        s[1] = a.size() > 0 ? a[0] : 0;
        s[2] = a.size() > 1 ? a[1] : 0;
        if (i >= fo)
            continue;
        const double v = s[1];
        e.StatErtekek[3] += v;
        if (i < h)
            e.StatErtekek[4] += v;
        else if (fo % 2 == 1 && i == h) {
            // The middle number of an odd pool belongs to both halves.
            e.StatErtekek[4] += v / 2;
            e.StatErtekek[5] += v / 2;
        } else
            e.StatErtekek[5] += v;
    }
}

std::int32_t GyakorisagiEloszlas(StatMasolat& c, const VariacioSorForras& src, const GyakorisagBemenet& b,
                                 StatFutas& f, StatEredmeny& e)
{
    const GameParams& g = b.Jatek;
    TTombInt2D& t = c.GyakorisagTabla;
    const std::int32_t sorok = b.HuzasSzamsorVariacio ? g.OsszesSzam : static_cast<std::int32_t>(b.KijeloltSzamok.size());
    if (t.empty()) {
        t.assign(static_cast<std::size_t>(std::max(sorok, 0)), TTombInt1D(3, 0));
        // Only the rows that hold lines, and only the bytes a row has.
        const std::int32_t utolso = std::min(b.TartomanyUtolso, src.SorDb());
        const std::int32_t poz = std::min(b.HuzasSzamsorVariacio ? g.HuzottFoSzamok : b.VariacioMeretFelso + 1,
                                          src.SorHossz());
        for (std::int32_t m = 0; m < utolso; ++m) {
            if (!f.StatisztikaFut.load(std::memory_order_relaxed))
                break;
            const std::uint8_t* sor = src.Sor(m);
            for (std::int32_t j = 0; j < poz; ++j) {
                const std::int32_t r = b.HuzasSzamsorVariacio ? sor[j] - 1 : sor[j];
                if (r < 0 || r >= sorok)
                    continue;
                TTombInt1D& x = t[static_cast<std::size_t>(r)];
                ++x[1];
                x[2] = m + 1;
            }
            f.Haladas.store(m + 1, std::memory_order_relaxed);
        }
        if (!f.StatisztikaFut.load()) {
            // Counted only in part: the next run counts afresh.
            t.clear();
            return 0;
        }
        for (std::int32_t i = 0; i < sorok; ++i)
            t[static_cast<std::size_t>(i)][0] =
                b.HuzasSzamsorVariacio ? i + 1 : b.KijeloltSzamok[static_cast<std::size_t>(i)];
    }
    std::int32_t plusz = 0;
    double pluszElofordulas = 0;
    if (g.VanPluszSzam)
        for (const TTombInt1D& x : t)
            if (x[0] > g.FoSzamKeszlet) {
                ++plusz;
                pluszElofordulas += x[1];
            }
    e.SortArray = t;
    e.StatErtekek[7] = pluszElofordulas;
    const std::int32_t M = static_cast<std::int32_t>(t.size()) - plusz;
    const std::int32_t h = M / 2;
    e.StatErtekek[6] = M / 2 + M % 2;
    e.StatErtekek[2] = e.StatErtekek[4] = e.StatErtekek[5] = 0;
    for (std::int32_t i = 0; i < M; ++i) {
        const double v = t[static_cast<std::size_t>(i)][1];
        e.StatErtekek[2] += v;
        if (i < h)
            e.StatErtekek[4] += v;
        else if (M % 2 == 1 && i == h) {
            e.StatErtekek[4] += v / 2;
            e.StatErtekek[5] += v / 2;
        } else
            e.StatErtekek[5] += v;
    }
    return plusz;
}

bool DiagramLekerdezes(std::int32_t tag, StatMasolat& c, const TTombInt2D& aktiv, const VariacioSorForras& src,
                       const GyakorisagBemenet& b, StatFutas& f, StatEredmeny& e)
{
    f.CiklusDb.store(1);
    f.Ciklus.store(1);
    switch (tag) {
    case 1:
    case 2:
        // The ticket's table is made fresh for every run.
        FoszelvenyStatisztika(aktiv, b.Jatek, e);
        break;
    case 3:
        if (c.Betoltes(tag, e))
            return f.StatisztikaFut.load();
        GyakorisagiEloszlas(c, src, b, f, e);
        break;
    default:
        return false;
    }
    if (!f.StatisztikaFut.load())
        return false;
    c.Tarolas(tag, e);
    return true;
}

}  // namespace kvx
