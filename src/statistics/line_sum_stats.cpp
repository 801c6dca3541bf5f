#include "statistics/line_sum_stats.h"

#include "common/numbering.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kvx {

namespace {

// Corrections of the expected mean deviation, by the numbers of a line.
constexpr std::array<double, 21> kSzorasKorrekcio = {
    2.0, 2.0, 2.25, 2.0, 1.99193692768351, 1.96552836702868, 1.96927532475239, 1.96381213392377,
    1.96750384431687, 1.96650045293914, 1.96941500868173, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0,
    1.892842349966};

std::int32_t szoritva(std::int64_t i, std::int32_t sorok)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(i, 0, std::max(0, sorok - 1)));
}

void sorSzamlalas(StatEredmeny& e, std::int32_t sor, std::int32_t sorszam)
{
    if (e.SortArray.empty())
        return;
    TTombInt1D& s = e.SortArray[static_cast<std::size_t>(szoritva(sor, e.SortArraySorDb()))];
    ++s[0];
    s[2] = std::max(s[2], sorszam);
}

}  // namespace

double SzamsorSzorasa(std::span<const std::int32_t> a)
{
    const std::size_t k = a.size();
    if (k < 2)
        return 0.0;
    double osszeg = 0;
    for (std::int32_t x : a)
        osszeg += x;
    const double atlag = osszeg / static_cast<double>(k);
    double q = 0;
    for (std::int32_t x : a)
        q += (x - atlag) * (x - atlag);
    return std::sqrt(q / static_cast<double>(k - 1));
}

std::int32_t SzorasFinomOsztalya(double d)
{
    const auto c = static_cast<std::int32_t>(1000.0 * d + 1e-9);
    return d >= 1.0 ? c - 1000 : c;
}

void OsszegStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e)
{
    const std::int32_t K = std::max(0, b.K);
    const std::vector<std::int32_t> keszlet = SzamKeszletErtekei(b);
    const std::int32_t kk = std::min<std::int32_t>(K, static_cast<std::int32_t>(keszlet.size()));
    std::int64_t minimum = 0, maximum = 0;
    for (std::int32_t i = 0; i < kk; ++i) {
        minimum += keszlet[static_cast<std::size_t>(i)];
        maximum += keszlet[keszlet.size() - 1 - static_cast<std::size_t>(i)];
    }
    // The mean over all K-lines of the pool is K times the pool's mean; for
    // 1..N that is the middle of the smallest and the largest sum.
    double poolOsszeg = 0;
    for (std::int32_t x : keszlet)
        poolOsszeg += x;
    e.StatErtekek = {};
    e.StatErtekek[0] = keszlet.empty() ? 0.0 : kk * poolOsszeg / static_cast<double>(keszlet.size());
    const auto sorok = static_cast<std::int32_t>(maximum - minimum + 1);
    e.SetSortArray(0, 0);
    e.SetSortArray(sorok, 3);
    for (std::int32_t r = 0; r < sorok; ++r)
        e.SortArray[static_cast<std::size_t>(r)][1] = static_cast<std::int32_t>(minimum) + r;
    double osszes = 0;
    const std::int64_t db = SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        std::int64_t sum = 0;
        for (std::int32_t j = 0; j < K; ++j)
            sum += s[static_cast<std::size_t>(j)];
        osszes += static_cast<double>(sum);
        sorSzamlalas(e, static_cast<std::int32_t>(sum - minimum), sorszam);
    });
    if (f.StatisztikaFut.load() && db > 0)
        e.StatErtekek[2] = osszes / static_cast<double>(db);
}

void SzorasStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e, TTombInt1D* finom)
{
    const std::int32_t K = std::max(0, b.K);
    const std::vector<std::int32_t> keszlet = SzamKeszletErtekei(b);
    const auto n = static_cast<std::int32_t>(keszlet.size());
    double minimum = 0, maximum = 0;
    if (K >= 2 && K <= n) {
        // The closest K values are K neighbours of the pool.
        minimum = 3e7;
        for (std::int32_t s = 0; s + K <= n; ++s)
            minimum = std::min(minimum, SzamsorSzorasa(std::span(keszlet).subspan(static_cast<std::size_t>(s),
                                                                                   static_cast<std::size_t>(K))));
        // The widest K values are some smallest and the rest largest; which
        // split wins depends on the pool, so every split is tried.
        std::vector<std::int32_t> a(static_cast<std::size_t>(K));
        for (std::int32_t j = 0; j <= K; ++j) {
            for (std::int32_t i = 0; i < j; ++i)
                a[static_cast<std::size_t>(i)] = keszlet[static_cast<std::size_t>(i)];
            for (std::int32_t i = j; i < K; ++i)
                a[static_cast<std::size_t>(i)] = keszlet[static_cast<std::size_t>(n - 1 - (i - j))];
            maximum = std::max(maximum, SzamsorSzorasa(a));
        }
    }
    e.StatErtekek = {};
    e.StatErtekek[0] =
        (maximum + minimum) / (kSzorasKorrekcio[static_cast<std::size_t>(std::min(K, 20))] - minimum / 1000.0);
    const auto w = static_cast<std::int32_t>(std::floor(minimum));
    const std::int32_t sorok = static_cast<std::int32_t>(std::ceil(maximum)) - w + 1;
    e.SetSortArray(0, 0);
    e.SetSortArray(sorok, 3);
    for (std::int32_t r = 0; r < sorok; ++r)
        e.SortArray[static_cast<std::size_t>(r)][1] = w + r;
    TTombInt1D osztalyok(static_cast<std::size_t>(static_cast<std::int32_t>(1000.0 * maximum) + 1), 0);
    double osszes = 0;
    const std::int64_t db = SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        const double d = SzamsorSzorasa(std::span(s).first(static_cast<std::size_t>(K)));
        sorSzamlalas(e, static_cast<std::int32_t>(d) - w, sorszam);
        ++osztalyok[static_cast<std::size_t>(szoritva(SzorasFinomOsztalya(d), static_cast<std::int32_t>(osztalyok.size())))];
        osszes += d;
    });
    // No line in the top class: the row goes.
    if (sorok > 1 && e.SortArray.back()[2] == 0)
        e.SortArray.pop_back();
    if (!f.StatisztikaFut.load())
        return;
    if (db > 0)
        e.StatErtekek[2] = osszes / static_cast<double>(db);
    // The mean's class by the same rule as the lines', so a line of the
    // mean's class counts as "at" on either side of 1.
    const std::int32_t c0 = SzorasFinomOsztalya(e.StatErtekek[2]);
    std::int64_t alatta = 0, rajta = 0, folotte = 0;
    if (finom)
        finom->clear();
    for (std::size_t c = 0; c < osztalyok.size(); ++c) {
        const std::int32_t x = osztalyok[c];
        if (x <= 0)
            continue;
        if (finom)
            finom->push_back(x);
        const auto ci = static_cast<std::int32_t>(c);
        (ci < c0 ? alatta : ci == c0 ? rajta : folotte) += x;
    }
    // Kept with the table: the chart's hint reads the lines below, at and
    // above the mean and the bounds of the first and the last row.
    e.StatErtekek[3] = static_cast<double>(alatta);
    e.StatErtekek[4] = static_cast<double>(rajta);
    e.StatErtekek[5] = static_cast<double>(folotte);
    e.StatErtekek[6] = minimum;
    e.StatErtekek[7] = maximum;
    if (!finom)
        return;
    finom->push_back(static_cast<std::int32_t>(alatta));
    finom->push_back(static_cast<std::int32_t>(rajta));
    finom->push_back(static_cast<std::int32_t>(folotte));
}

double ElmeletiTerjedelem(std::int32_t n, std::int32_t K)
{
    if (K < 2 || n < K)
        return 0.0;
    double osszeg = 0;
    for (std::int32_t v = K; v <= n; ++v) {
        const std::int32_t d = v - 1;
        const double db = K == 2 ? n - d
                                 : static_cast<double>(BinomalisEgyutthato(v - 2, K - 2).value_or(0)) * (n - v + 1);
        osszeg += d * db;
    }
    return osszeg / static_cast<double>(BinomalisEgyutthato(n, K).value_or(1));
}

void TerjedelemStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e)
{
    const std::int32_t K = std::max(0, b.K);
    const std::vector<std::int32_t> keszlet = SzamKeszletErtekei(b);
    const bool szamok = b.Adatbazis() || b.HuzasSzamsorVariacio;
    const std::int32_t n = szamok ? b.Jatek.FoSzamKeszlet : static_cast<std::int32_t>(keszlet.size());
    e.StatErtekek = {};
    e.StatErtekek[0] = ElmeletiTerjedelem(n, K);
    const std::int32_t szel = szamok ? b.Jatek.FoSzamKeszlet
                                     : (keszlet.empty() ? 0 : keszlet.back() - keszlet.front() + 1);
    const std::int32_t alap = std::max(0, K - 1);
    const std::int32_t sorok = K < 1 ? 0 : std::max(0, szel - alap);
    e.SetSortArray(0, 0);
    e.SetSortArray(sorok, 3);
    for (std::int32_t r = 0; r < sorok; ++r)
        e.SortArray[static_cast<std::size_t>(r)][1] = r + alap;
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        if (K < 1)
            return;
        // Largest minus smallest: a line stored with its last number out of
        // order still gives its real span.
        const auto [lo, hi] = std::minmax_element(s.begin(), s.begin() + K);
        sorSzamlalas(e, *hi - *lo - alap, sorszam);
    });
}

}  // namespace kvx
