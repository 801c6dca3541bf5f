#include "statistics/neighbour_stats.h"

#include <algorithm>

namespace kvx {

void SzomszedosSzamok(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e, SzomszedosEredmeny& s)
{
    const std::int32_t K = std::max(0, b.K);
    const std::int32_t P = b.Jatek.FoSzamKeszlet;
    e.SetSortArray(0, 0);
    e.SetSortArray(P, 2 * K + 4);
    e.StatErtekek = {};
    for (std::int32_t r = 0; r < P; ++r)
        e.SortArray[static_cast<std::size_t>(r)][0] = r + 1;
    TTombInt2D tabla(2, TTombInt1D(static_cast<std::size_t>(K + 1), 0));
    std::vector<std::int32_t> a(static_cast<std::size_t>(K));
    std::vector<std::int32_t> hosszak(static_cast<std::size_t>(K + 1));
    // A number outside the pool has no row.
    auto sor = [&](std::int32_t n) -> TTombInt1D* {
        return n >= 1 && n <= P ? &e.SortArray[static_cast<std::size_t>(n - 1)] : nullptr;
    };
    auto novel = [](TTombInt1D* x, std::int32_t c, std::int32_t d = 1) {
        if (x)
            (*x)[static_cast<std::size_t>(c)] += d;
    };
    auto maxol = [](TTombInt1D* x, std::int32_t c, std::int32_t v) {
        if (x)
            (*x)[static_cast<std::size_t>(c)] = std::max((*x)[static_cast<std::size_t>(c)], v);
    };
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& v, std::int32_t sorszam) {
        std::copy(v.begin(), v.begin() + K, a.begin());
        std::sort(a.begin(), a.end());
        std::fill(hosszak.begin(), hosszak.end(), 0);
        std::int32_t futasok = 0;
        // The run a[vege - j + 1 .. vege] of j numbers ends.
        auto lezar = [&](std::int32_t vege, std::int32_t j) {
            ++futasok;
            ++hosszak[static_cast<std::size_t>(j)];
            TTombInt1D* elso = sor(a[static_cast<std::size_t>(vege - j + 1)]);
            novel(elso, j + 2);
            maxol(elso, K + 3 + j, sorszam);
            for (std::int32_t i = vege - j + 1; i <= vege; ++i)
                maxol(sor(a[static_cast<std::size_t>(i)]), K + 4, sorszam);
        };
        std::int32_t j = 1;
        for (std::int32_t i = 0; i + 1 < K; ++i) {
            const std::int32_t x = a[static_cast<std::size_t>(i)], y = a[static_cast<std::size_t>(i + 1)];
            if (y == x + 1) {
                ++j;
                novel(sor(x), 1);
                novel(sor(y), 1);
                novel(sor(x), 3);
                novel(sor(y), 2);
                if (i + 2 == K)
                    lezar(i + 1, j);
            } else if (j > 1) {
                lezar(i, j);
                j = 1;
            }
        }
        if (futasok == 0) {
            ++tabla[0][0];
        } else if (futasok == 1) {
            for (std::int32_t c = 2; c <= K; ++c)
                if (hosszak[static_cast<std::size_t>(c)] > 0) {
                    ++tabla[0][static_cast<std::size_t>(c)];
                    break;
                }
        } else {
            std::int32_t t = 0;
            for (std::int32_t c = 2; c <= K; ++c)
                t += hosszak[static_cast<std::size_t>(c)] * c;
            if (t > 0 && t <= K)
                ++tabla[1][static_cast<std::size_t>(t)];
        }
    });
    if (!f.StatisztikaFut.load())
        return;
    double osszeg = 0;
    std::int32_t db = 0;
    for (const TTombInt1D& x : e.SortArray)
        if (x[1] > 0) {
            osszeg += x[1];
            ++db;
        }
    e.StatErtekek[3] = osszeg;
    e.StatErtekek[2] = db > 0 ? osszeg / db : 0.0;
    s.SzomszedosTabla = tabla;
    s.VanSzomszed = false;
    for (const TTombInt1D& r : tabla)
        for (std::size_t c = 2; c < r.size(); ++c)
            s.VanSzomszed = s.VanSzomszed || r[c] > 0;
}

std::vector<std::int32_t> SzomszedHosszLista(const TTombInt2D& t, std::int32_t K)
{
    std::vector<std::int32_t> v;
    for (std::int32_t L = 2; L <= K; ++L)
        if (std::any_of(t.begin(), t.end(), [&](const TTombInt1D& r) {
                return static_cast<std::size_t>(L + 2) < r.size() && r[static_cast<std::size_t>(L + 2)] >= 1;
            }))
            v.push_back(L);
    return v;
}

TTombInt2D SzomszedosNezet(const TTombInt2D& t, std::int32_t K, std::int32_t L)
{
    const auto db = static_cast<std::size_t>(L >= 2 ? L + 2 : 1);
    const auto utolso = static_cast<std::size_t>(L >= 2 ? K + 3 + L : K + 4);
    TTombInt2D n;
    n.reserve(t.size());
    for (const TTombInt1D& r : t)
        n.push_back({r.empty() ? 0 : r[0], db < r.size() ? r[db] : 0, utolso < r.size() ? r[utolso] : 0});
    return n;
}

void SzomszedosLancKezdet(TTombInt2D& n)
{
    const auto it = std::find_if(n.begin(), n.end(), [](const TTombInt1D& r) { return r.size() > 1 && r[1] > 0; });
    if (it != n.end())
        n.erase(n.begin(), it);
}

}  // namespace kvx

namespace kvx {

std::vector<std::int64_t> SzamSorElofordulas(const SzamsorBejarasBemenet& b, StatFutas& f, std::int32_t szamDb)
{
    std::vector<std::int64_t> db(static_cast<std::size_t>(std::max(0, szamDb)), 0);
    const std::size_t K = static_cast<std::size_t>(std::max(0, b.K));
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& sor, std::int32_t) {
        for (std::size_t j = 0; j < K && j < sor.size(); ++j)
            if (sor[j] >= 1 && static_cast<std::size_t>(sor[j]) <= db.size())
                ++db[static_cast<std::size_t>(sor[j] - 1)];
    });
    return db;
}

}  // namespace kvx
