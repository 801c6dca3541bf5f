#include "statistics/number_set_stats.h"

#include <algorithm>

namespace kvx {

TTombInt2D SzamkeszletTablaEpites(const SzamsorBejarasBemenet& b, StatFutas& f)
{
    const std::int32_t K = std::max(0, b.K);
    const bool szamok = b.Adatbazis() || b.HuzasSzamsorVariacio;
    const std::int32_t P = szamok ? b.Jatek.FoSzamKeszlet : b.KijeloltFoSzamDb;
    const std::int32_t sorok = K < 1 ? 0 : std::max(0, P - (K - 1));
    TTombInt2D t(static_cast<std::size_t>(sorok), TTombInt1D(static_cast<std::size_t>(2 * K), 0));
    std::vector<std::int32_t> a(static_cast<std::size_t>(K));
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        if (sorok == 0)
            return;
        std::copy(s.begin(), s.begin() + K, a.begin());
        std::sort(a.begin(), a.end());
        for (std::int32_t p = 0; p < K; ++p) {
            // A line stored out of order (or out of the pool) still lands in
            // the table.
            const std::int32_t r = std::clamp(a[static_cast<std::size_t>(p)] - p - 1, 0, sorok - 1);
            TTombInt1D& x = t[static_cast<std::size_t>(r)];
            ++x[static_cast<std::size_t>(p)];
            x[static_cast<std::size_t>(K + p)] = std::max(x[static_cast<std::size_t>(K + p)], sorszam);
        }
    });
    if (!f.StatisztikaFut.load())
        t.clear();
    return t;
}

void SzamkeszletEredmeny(const TTombInt2D& t, std::int32_t f, const SzamsorBejarasBemenet& b, StatEredmeny& e)
{
    const std::int32_t K = std::max(1, b.K);
    f = std::clamp(f, 0, K - 1);
    const bool szamok = b.Adatbazis() || b.HuzasSzamsorVariacio;
    const auto sorok = static_cast<std::int32_t>(t.size());
    e.SetSortArray(0, 0);
    e.SetSortArray(sorok, 3);
    e.StatErtekek = {};
    for (std::int32_t r = 0; r < sorok; ++r) {
        TTombInt1D& s = e.SortArray[static_cast<std::size_t>(r)];
        const TTombInt1D& x = t[static_cast<std::size_t>(r)];
        const auto hol = static_cast<std::size_t>(f + r);
        s[0] = szamok ? f + r + 1 : (hol < b.KijeloltSzamok.size() ? b.KijeloltSzamok[hol] : 0);
        s[1] = x[static_cast<std::size_t>(f)];
        s[2] = x[static_cast<std::size_t>(K + f)];
        e.StatErtekek[2] += s[1];
    }
}

TTombInt2D SzamkeszletOsszesites(const TTombInt2D& t, std::int32_t K, bool adatbazis)
{
    K = std::max(0, K);
    const auto sorok = static_cast<std::int32_t>(t.size());
    // Every line counts once at every position: column 0 sums to the lines.
    std::int64_t vonalak = 0;
    for (const TTombInt1D& r : t)
        vonalak += r.empty() ? 0 : r[0];
    const auto lehetseges =
        adatbazis ? static_cast<std::int32_t>(std::min<std::int64_t>(vonalak, sorok)) : sorok;
    TTombInt2D o(static_cast<std::size_t>(K), TTombInt1D(2, 0));
    for (std::int32_t p = 0; p < K; ++p) {
        for (const TTombInt1D& r : t)
            if (static_cast<std::size_t>(p) < r.size() && r[static_cast<std::size_t>(p)] > 0)
                ++o[static_cast<std::size_t>(p)][0];
        o[static_cast<std::size_t>(p)][1] = lehetseges;
    }
    return o;
}

}  // namespace kvx
