// The per-line statistics (sums, deviations, spans, pairs, gaps) against a
// brute force over the same lines, their expected values against a direct
// enumeration of small full variations, and the orderliness measure.
#include "statistics/line_distribution.h"
#include "statistics/line_stats_engine.h"
#include "statistics/neighbour_stats.h"
#include "statistics/number_set_stats.h"
#include "statistics/line_sum_stats.h"
#include "statistics/orderliness.h"
#include "statistics/pair_stats.h"
#include "statistics/stopping_source.h"

#include "app/game_table.h"
#include "common/numbering.h"
#include "draws/draws_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <map>
#include <numeric>
#include <random>
#include <tuple>

namespace {

using namespace kvx;

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

// A walk over 5/90 lines given as their numbers (not selection positions).
SzamsorBejarasBemenet otosSzamsorok(const VariacioSorForras& src)
{
    SzamsorBejarasBemenet b;
    b.Jatek = jatek(0);
    b.Variacio = &src;
    b.HuzasSzamsorVariacio = true;
    b.K = 5;
    return b;
}

std::vector<int> veletlenReszhalmaz(std::mt19937& r, int n, int k, int kezdo)
{
    std::vector<int> v(static_cast<std::size_t>(n));
    std::iota(v.begin(), v.end(), kezdo);
    std::shuffle(v.begin(), v.end(), r);
    v.resize(static_cast<std::size_t>(k));
    return v;
}

// One line as the brute force sees it: main numbers (as numbers or
// selection positions), extras, 1-based line number.
struct Sor {
    std::vector<int> Fo, Plusz;
    int Szam = 0;
};

// A source under test together with the lines the brute force reads.
struct Eset {
    const char* Nev;
    SzamsorBejarasBemenet B;
    DrawsState Huzasok;
    std::vector<std::uint8_t> Blokk;
    std::int32_t Hossz = 0;
    std::unique_ptr<BlokkSorForras> Forras;
    std::vector<Sor> Sorok;
};

// Draws of the game (with its second drawing where it has one; every third
// row lacks it, and row 2 lacks the first).
std::unique_ptr<Eset> adatbazis(const char* nev, int index, int sorok, unsigned mag)
{
    auto e = std::make_unique<Eset>();
    e->Nev = nev;
    const GameParams g = jatek(index);
    std::mt19937 r(mag);
    SetHuzasok(e->Huzasok, sorok, g.HuzottSzamok + 3);
    const int K = g.HuzottFoSzamokPluszNelkul;
    const int P = g.VanPluszSzam ? g.PluszSzamDb : 0;
    std::vector<std::vector<Sor>> passok(2);
    for (int i = 0; i < sorok; ++i) {
        TTombInt1D& h = e->Huzasok.Huzasok[static_cast<std::size_t>(i)];
        h[0] = i + 1;
        for (int p = 0; p < (g.TobbSorsolas ? 2 : 1); ++p) {
            if ((p == 0 && i == 1) || (p == 1 && i % 3 == 0))
                continue;
            const int oszlop = p == 0 ? 3 : g.MasodikHuzasOszlop;
            Sor s;
            s.Fo = veletlenReszhalmaz(r, g.FoSzamKeszlet, K, 1);
            std::sort(s.Fo.begin(), s.Fo.end());
            if (P > 0) {
                s.Plusz = veletlenReszhalmaz(r, g.PluszSzamKeszlet, P, 1);
                // The last extra pair of the pool shows up.
                if (i == 0)
                    s.Plusz = {g.PluszSzamKeszlet - 1, g.PluszSzamKeszlet};
            }
            for (int j = 0; j < K; ++j)
                h[static_cast<std::size_t>(oszlop + j)] = s.Fo[static_cast<std::size_t>(j)];
            for (int j = 0; j < P; ++j)
                h[static_cast<std::size_t>(oszlop + K + j)] = g.FoSzamKeszlet + s.Plusz[static_cast<std::size_t>(j)];
            s.Szam = i + 1;
            passok[static_cast<std::size_t>(p)].push_back(s);
        }
    }
    e->Huzasok.AdatbazisBetoltve = true;
    for (auto& p : passok)
        e->Sorok.insert(e->Sorok.end(), p.begin(), p.end());
    e->B.Jatek = g;
    e->B.Huzasok = &e->Huzasok;
    e->B.Elso = 1;
    e->B.Utolso = sorok;
    e->B.K = K;
    e->B.VizsgaltSorDb = sorok;
    return e;
}

// A variation of lines of k varied positions out of the selection (plus
// extra positions), stored as selection indexes in any order.
std::unique_ptr<Eset> variacio(const char* nev, int index, std::vector<std::uint8_t> kijelolt, int foDb, int k,
                               int pluszK, int sorok, unsigned mag)
{
    auto e = std::make_unique<Eset>();
    e->Nev = nev;
    const GameParams g = jatek(index);
    std::mt19937 r(mag);
    e->Hossz = k + pluszK + 1;  // one byte to spare, as stored rows may have
    const int pluszDb = static_cast<int>(kijelolt.size()) - foDb;
    for (int m = 0; m < sorok; ++m) {
        Sor s;
        s.Fo = veletlenReszhalmaz(r, foDb, k, 0);
        if (pluszK > 0)
            s.Plusz = m == 0 ? std::vector<int>{pluszDb - 1, pluszDb - 2} : veletlenReszhalmaz(r, pluszDb, pluszK, 0);
        for (int x : s.Fo)
            e->Blokk.push_back(static_cast<std::uint8_t>(x));
        for (int x : s.Plusz)
            e->Blokk.push_back(static_cast<std::uint8_t>(foDb + x));
        e->Blokk.push_back(0xEE);
        // The brute force works with 1-based positions.
        for (int& x : s.Fo)
            ++x;
        for (int& x : s.Plusz)
            ++x;
        s.Szam = m + 1;
        e->Sorok.push_back(s);
    }
    e->Forras = std::make_unique<BlokkSorForras>(e->Blokk.data(), sorok, e->Hossz);
    e->B.Jatek = g;
    e->B.Variacio = e->Forras.get();
    e->B.KijeloltSzamok = std::move(kijelolt);
    e->B.KijeloltFoSzamDb = foDb;
    e->B.K = k;
    e->B.VizsgaltSorDb = sorok;
    return e;
}

// Lines of numbers of the game stored as the numbers themselves.
std::unique_ptr<Eset> huzasVariacio(const char* nev, int index, int sorok, unsigned mag)
{
    auto e = std::make_unique<Eset>();
    e->Nev = nev;
    const GameParams g = jatek(index);
    std::mt19937 r(mag);
    const int k = g.SzamsorFoSzamDb;
    e->Hossz = k;
    for (int m = 0; m < sorok; ++m) {
        Sor s;
        s.Fo = veletlenReszhalmaz(r, g.FoSzamKeszlet, k, 1);
        std::sort(s.Fo.begin(), s.Fo.end());
        for (int x : s.Fo)
            e->Blokk.push_back(static_cast<std::uint8_t>(x));
        s.Szam = m + 1;
        e->Sorok.push_back(s);
    }
    e->Forras = std::make_unique<BlokkSorForras>(e->Blokk.data(), sorok, e->Hossz);
    e->B.Jatek = g;
    e->B.Variacio = e->Forras.get();
    e->B.HuzasSzamsorVariacio = true;
    e->B.K = k;
    e->B.VizsgaltSorDb = sorok;
    return e;
}

std::vector<std::unique_ptr<Eset>> esetek()
{
    std::vector<std::unique_ptr<Eset>> v;
    v.push_back(adatbazis("5/90 database", 0, 60, 1));
    v.push_back(adatbazis("two-drawing database", 2, 40, 2));
    v.push_back(adatbazis("extra-pool database", 24, 50, 3));
    v.push_back(huzasVariacio("variation of draws", 0, 80, 4));
    // Selection in no order; two of the 5 line numbers are fixed, 3 varied.
    v.push_back(variacio("selected numbers with fixed ones", 0, {40, 7, 12, 88, 8, 3, 61, 30}, 8, 3, 0, 70, 5));
    // 5/50 + 2/12: 7 main and 4 extra numbers selected, extras coded above 50.
    v.push_back(variacio("selected main and extra numbers", 24, {9, 2, 45, 17, 33, 21, 50, 53, 62, 58, 51}, 7, 5, 2,
                         60, 6));
    return v;
}

// The numbers a brute-force line stands for.
std::vector<int> szamok(const Eset& e, const std::vector<int>& fo)
{
    if (e.B.Adatbazis() || e.B.HuzasSzamsorVariacio)
        return fo;
    std::vector<int> v;
    for (int x : fo)
        v.push_back(e.B.KijeloltSzamok[static_cast<std::size_t>(x - 1)]);
    return v;
}

struct Szamlalo {
    int Db = 0, Utolso = 0;
    void add(int sor)
    {
        ++Db;
        Utolso = std::max(Utolso, sor);
    }
};

// Every row of the table (count column c, key column k) holds the brute
// force's count of its key, and no counted key lacks a row.
void tablaEgyezik(const Eset& e, const StatEredmeny& r, const std::map<int, Szamlalo>& vart, int c, int k,
                  const char* mi)
{
    std::map<int, Szamlalo> maradt = vart;
    for (const TTombInt1D& s : r.SortArray) {
        const auto it = maradt.find(s[static_cast<std::size_t>(k)]);
        const Szamlalo x = it == maradt.end() ? Szamlalo{} : it->second;
        EXPECT_EQ(s[static_cast<std::size_t>(c)], x.Db) << e.Nev << " " << mi << " key " << s[static_cast<std::size_t>(k)];
        EXPECT_EQ(s[2], x.Utolso) << e.Nev << " " << mi << " key " << s[static_cast<std::size_t>(k)];
        if (it != maradt.end())
            maradt.erase(it);
    }
    EXPECT_TRUE(maradt.empty()) << e.Nev << " " << mi << ": " << maradt.size() << " keys without a row";
}

// A run that goes.
struct Futo : StatFutas {
    Futo() { StatisztikaFut.store(true); }
};

TEST(SzamsorStatisztikak, SumsDeviationsAndSpansMatchABruteForce)
{
    for (const auto& ep : esetek()) {
        const Eset& e = *ep;
        std::map<int, Szamlalo> osszeg, szoras, terjedelem;
        double osszegAtlag = 0, szorasAtlag = 0;
        for (const Sor& s : e.Sorok) {
            const std::vector<int> n = szamok(e, s.Fo);
            const int sum = std::accumulate(n.begin(), n.end(), 0);
            osszeg[sum].add(s.Szam);
            osszegAtlag += sum;
            const double atl = static_cast<double>(sum) / static_cast<double>(n.size());
            double q = 0;
            for (int x : n)
                q += (x - atl) * (x - atl);
            const double d = std::sqrt(q / static_cast<double>(n.size() - 1));
            szoras[static_cast<int>(d)].add(s.Szam);
            szorasAtlag += d;
            terjedelem[*std::max_element(n.begin(), n.end()) - *std::min_element(n.begin(), n.end())].add(s.Szam);
        }
        const double R = static_cast<double>(e.Sorok.size());
        Futo f;
        StatEredmeny r;
        OsszegStatisztika(e.B, f, r);
        tablaEgyezik(e, r, osszeg, 0, 1, "sum");
        EXPECT_NEAR(r.StatErtekek[2], osszegAtlag / R, 1e-9) << e.Nev;
        SzorasStatisztika(e.B, f, r);
        tablaEgyezik(e, r, szoras, 0, 1, "deviation");
        EXPECT_NEAR(r.StatErtekek[2], szorasAtlag / R, 1e-9) << e.Nev;
        TerjedelemStatisztika(e.B, f, r);
        tablaEgyezik(e, r, terjedelem, 0, 1, "span");
    }
}

TEST(SzamsorStatisztikak, PairsAndGapsMatchABruteForce)
{
    for (auto& ep : esetek()) {
        Eset& e = *ep;
        e.B.Poziciok = true;
        const GameParams& g = e.B.Jatek;
        e.B.PluszDb = g.VanPluszSzam && g.PluszSzamDb > 1 ? g.PluszSzamDb : 0;
        const bool sajat = e.B.Adatbazis() || e.B.HuzasSzamsorVariacio;
        // The pairs as the rows show them: main ones, then extra ones.
        std::map<std::tuple<bool, int, int>, Szamlalo> parok;
        std::map<int, Szamlalo> hezagok;
        for (const Sor& s : e.Sorok) {
            const std::vector<int> n = szamok(e, s.Fo);
            for (std::size_t i = 0; i < n.size(); ++i)
                for (std::size_t j = i + 1; j < n.size(); ++j)
                    parok[{false, std::min(n[i], n[j]), std::max(n[i], n[j])}].add(s.Szam);
            if (e.B.PluszDb > 1)
                for (std::size_t i = 0; i < s.Plusz.size(); ++i)
                    for (std::size_t j = i + 1; j < s.Plusz.size(); ++j) {
                        auto kod = [&](int x) {
                            return sajat ? g.FoSzamKeszlet + x
                                         : e.B.KijeloltSzamok[static_cast<std::size_t>(e.B.KijeloltFoSzamDb + x - 1)];
                        };
                        const int a = kod(s.Plusz[i]), b = kod(s.Plusz[j]);
                        parok[{true, std::min(a, b), std::max(a, b)}].add(s.Szam);
                    }
            std::vector<int> a = n;
            std::sort(a.begin(), a.end());
            for (std::size_t i = 1; i < a.size(); ++i)
                hezagok[a[i] - a[i - 1] - 1].add(s.Szam);
        }

        Futo f;
        StatEredmeny r;
        SzamparStatisztika(e.B, f, r);
        const SzamparMeretek m = SzamparMeretei(e.B);
        const auto foSorok = static_cast<std::size_t>(m.P * (m.P - 1) / 2);
        const std::size_t pluszSorok = e.B.PluszDb > 1 ? static_cast<std::size_t>(m.E * (m.E - 1) / 2) : 0;
        ASSERT_EQ(r.SortArray.size(), foSorok + pluszSorok) << e.Nev;
        std::int64_t osszes = 0;
        int elofordult = 0;
        for (std::size_t i = 0; i < r.SortArray.size(); ++i) {
            const TTombInt1D& s = r.SortArray[i];
            EXPECT_EQ(s[0], static_cast<int>(i) + 1) << e.Nev;
            EXPECT_LT(s[3], s[4]) << e.Nev << " row " << i;
            const auto it = parok.find({i >= foSorok, s[3], s[4]});
            const Szamlalo x = it == parok.end() ? Szamlalo{} : it->second;
            EXPECT_EQ(s[1], x.Db) << e.Nev << " pair " << s[3] << "-" << s[4];
            EXPECT_EQ(s[2], x.Utolso) << e.Nev << " pair " << s[3] << "-" << s[4];
            osszes += s[1];
            elofordult += s[1] > 0;
        }
        std::int64_t vartOsszes = 0;
        for (const auto& [k, x] : parok)
            vartOsszes += x.Db;
        EXPECT_EQ(osszes, vartOsszes) << e.Nev << ": a pair fell outside the table";
        EXPECT_EQ(r.StatErtekek[1], elofordult) << e.Nev;
        EXPECT_EQ(r.StatErtekek[2], static_cast<double>(osszes)) << e.Nev;

        e.B.Poziciok = false;
        e.B.PluszDb = 0;
        EgymastKovetoSzamStatisztika(e.B, f, r);
        tablaEgyezik(e, r, hezagok, 0, 1, "gap");
    }
}

TEST(SzamsorStatisztikak, PairRowsAreTheLexicographicOrdinals)
{
    for (int n : {2, 5, 12, 90})
        for (int a = 1; a <= n; ++a)
            for (int b = a + 1; b <= n; ++b) {
                std::uint8_t sor[2] = {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a)};
                ASSERT_EQ(SzamparSora(a, b, n) + 1, static_cast<std::int64_t>(*SzamparokSorszama(sor, n)))
                    << a << "-" << b << " of " << n;
            }
}

TEST(SzamsorStatisztikak, ExpectedSumsAndSpansAreThoseOfTheFullVariation)
{
    struct {
        std::vector<int> Keszlet;  // empty: 1..n of the game pool
        int N, K;
    } const esetek[] = {{{}, 9, 2}, {{}, 9, 3}, {{}, 10, 4}, {{}, 7, 7}, {{3, 8, 20, 21, 40, 77}, 6, 3}};
    for (const auto& c : esetek) {
        SzamsorBejarasBemenet b;
        b.Jatek = jatek(0);
        b.K = c.K;
        std::vector<int> pool = c.Keszlet;
        if (pool.empty()) {
            b.Jatek.FoSzamKeszlet = c.N;
            b.HuzasSzamsorVariacio = true;
            for (int i = 1; i <= c.N; ++i)
                pool.push_back(i);
        } else {
            b.KijeloltSzamok.assign(pool.rbegin(), pool.rend());
            b.KijeloltFoSzamDb = c.N;
        }
        // Every K-line of the pool.
        double sumOsszeg = 0, spanOsszeg = 0, db = 0;
        std::vector<bool> kival(pool.size(), false);
        std::fill(kival.end() - c.K, kival.end(), true);
        int minSum = 1 << 30, maxSum = 0;
        do {
            std::vector<int> v;
            for (std::size_t i = 0; i < pool.size(); ++i)
                if (kival[i])
                    v.push_back(pool[i]);
            const int s = std::accumulate(v.begin(), v.end(), 0);
            sumOsszeg += s;
            minSum = std::min(minSum, s);
            maxSum = std::max(maxSum, s);
            spanOsszeg += v.back() - v.front();
            ++db;
        } while (std::next_permutation(kival.begin(), kival.end()));

        Futo f;
        StatEredmeny r;
        OsszegStatisztika(b, f, r);
        EXPECT_NEAR(r.StatErtekek[0], sumOsszeg / db, 1e-9) << c.N << "/" << c.K;
        ASSERT_EQ(r.SortArraySorDb(), maxSum - minSum + 1);
        EXPECT_EQ(r.SortArray.front()[1], minSum);
        EXPECT_EQ(r.SortArray.back()[1], maxSum);
        if (c.Keszlet.empty()) {
            EXPECT_NEAR(ElmeletiTerjedelem(c.N, c.K), spanOsszeg / db, 1e-9) << c.N << "/" << c.K;
        }
    }
    // 5/90 spans: 4..89.
    SzamsorBejarasBemenet b;
    b.Jatek = jatek(0);
    b.HuzasSzamsorVariacio = true;
    b.K = 5;
    Futo f;
    StatEredmeny r;
    TerjedelemStatisztika(b, f, r);
    ASSERT_EQ(r.SortArraySorDb(), 86);
    EXPECT_EQ(r.SortArray.front()[1], 4);
    EXPECT_EQ(r.SortArray.back()[1], 89);
}

TEST(SzamsorStatisztikak, DeviationEdges)
{
    EXPECT_DOUBLE_EQ(SzamsorSzorasa(std::vector<std::int32_t>{3, 4, 5}), 1.0);
    EXPECT_EQ(SzorasFinomOsztalya(1.0), 0);
    EXPECT_EQ(SzorasFinomOsztalya(SzamsorSzorasa(std::vector<std::int32_t>{7, 8})), 707);

    // One varied number per line: no deviation to divide, every line is 0.
    {
        std::vector<std::uint8_t> blokk = {0, 1, 2, 1};
        BlokkSorForras src(blokk.data(), 4, 1);
        SzamsorBejarasBemenet b;
        b.Jatek = jatek(0);
        b.Variacio = &src;
        b.KijeloltSzamok = {10, 20, 30};
        b.KijeloltFoSzamDb = 3;
        b.K = 1;
        Futo f;
        StatEredmeny r;
        TTombInt1D finom;
        SzorasStatisztika(b, f, r, &finom);
        ASSERT_EQ(r.SortArraySorDb(), 1);
        EXPECT_EQ(r.SortArray[0][0], 4);
        EXPECT_EQ(r.StatErtekek[2], 0.0);
        EXPECT_FALSE(std::isnan(r.StatErtekek[0]));
    }
    // A pool whose widest line is not the half-and-half split: (1, 2, 50)
    // spreads further than (1, 6, 50), past the integer that split reaches.
    {
        std::vector<std::uint8_t> blokk = {0, 1, 6, 0, 5, 6, 0, 1, 2, 1, 2, 3};
        BlokkSorForras src(blokk.data(), 4, 3);
        SzamsorBejarasBemenet b;
        b.Jatek = jatek(0);
        b.Variacio = &src;
        b.KijeloltSzamok = {1, 2, 3, 4, 5, 6, 50};
        b.KijeloltFoSzamDb = 7;
        b.K = 3;
        Futo f;
        StatEredmeny r;
        TTombInt1D finom;
        SzorasStatisztika(b, f, r, &finom);
        const double d = SzamsorSzorasa(std::vector<std::int32_t>{1, 2, 50});
        ASSERT_EQ(r.SortArray.back()[1], static_cast<int>(d));
        EXPECT_EQ(r.SortArray.back()[0], 1);
        EXPECT_EQ(r.SortArray.back()[2], 1);
        std::int64_t db = 0;
        for (const TTombInt1D& s : r.SortArray)
            db += s[0];
        EXPECT_EQ(db, 4);
        // Classes 0 (twice), 25962 and 27005; the mean 14.24 has none of
        // them: two lines below it, two above.
        EXPECT_EQ(finom, (TTombInt1D{2, 1, 1, 2, 0, 2}));
        // The same counts and the widest deviation stay with the result.
        EXPECT_EQ(r.StatErtekek[3], 2.0);
        EXPECT_EQ(r.StatErtekek[4], 0.0);
        EXPECT_EQ(r.StatErtekek[5], 2.0);
        EXPECT_DOUBLE_EQ(r.StatErtekek[7], d);
        EXPECT_DOUBLE_EQ(r.StatErtekek[6], 1.0);
    }
}

TEST(SzamsorStatLekerdezes, ACachedResultReadsNoLineAndACancelledRunStoresNothing)
{
    auto e = huzasVariacio("x", 0, 30, 9);
    StatMasolat c;
    Futo f;
    StatEredmeny r;
    ASSERT_TRUE(SzamsorStatLekerdezes(14, c, e->B, f, r));
    ASSERT_TRUE(c.Van(14));
    const TTombInt2D elso = r.SortArray;
    SzamsorBejarasBemenet ures = e->B;
    ures.Variacio = nullptr;  // a second run that read lines would count none
    StatEredmeny r2;
    ASSERT_TRUE(SzamsorStatLekerdezes(14, c, ures, f, r2));
    EXPECT_EQ(r2.SortArray, elso);

    f.StatisztikaFut.store(false);
    StatEredmeny r3;
    EXPECT_FALSE(SzamsorStatLekerdezes(16, c, e->B, f, r3));
    EXPECT_FALSE(c.Van(16));
}

TEST(Rendezettseg, PatternsOfTheKeys)
{
    struct {
        std::vector<std::int64_t> Kulcsok;
        int K, Plusz;
        double Vart;
    } const esetek[] = {
        {{7, 7}, 5, 0, 0.0},                     // symmetric
        {{1, 2, 3, 4, 5}, 5, 0, 0.0},            // constant symmetric sums
        {{9, 1, 8, 2, 7}, 5, 0, 0.0},            // distances 8 7 6 5
        {{5, 1, 4, 2}, 5, 0, 1.0},               // none, too few for the rest
        {{1, 4, 9, 16, 25, 36, 50}, 2, 0, 1.0},  // second differences broken at the end
        {{1, 2, 4, 7, 11, 16}, 5, 0, 0.0},       // distances 1 2 3 4 5
        {{9, 1, 8, 2, 7, 40, 50}, 5, 2, 0.0},    // the two extra bars take no part
        {{9, 1, 8, 2, 7, 40, 50}, 5, 0, 1.0},    // unless there are none
        {{1, 8, 27, 64, 125, 216, 343}, 4, 0, 0.0},  // cubes: distances of degree 2
    };
    for (const auto& c : esetek) {
        RendezettsegBemenet b;
        b.Kulcsok = c.Kulcsok;
        b.K = c.K;
        b.PluszOszlopok = c.Plusz;
        b.Alatta = 1;
        EXPECT_EQ(RendezettsegLekerdezes(b), c.Vart) << c.Kulcsok.size() << " keys from " << c.Kulcsok[0];
    }
    // All bars at the average.
    RendezettsegBemenet b;
    b.Kulcsok = {5, 1, 4, 2};
    b.Atlagon = 4;
    EXPECT_EQ(RendezettsegLekerdezes(b), 0.0);
}

TEST(Rendezettseg, DifferencesOfKenoSizedTablesDoNotWrap)
{
    // 21 keys near 10^9 examined with K = 20: the two 19th differences are
    // -2.15e9 and +2.15e9, which differ by exactly 2^32 and so would look
    // equal in 32 bits.
    RendezettsegBemenet b;
    b.K = 20;
    b.Alatta = 1;
    b.Kulcsok.assign(21, 1000000000);
    b.Kulcsok[1] -= 6466;
    b.Kulcsok[10] += 23246;
    EXPECT_EQ(RendezettsegLekerdezes(b), 1.0);
    // Keys of degree 5 with K = 6 do pass: their 5th differences are one
    // constant, though their distances follow no rule of low degree.
    b.K = 6;
    b.Kulcsok.clear();
    for (std::int64_t i = 1; i <= 9; ++i)
        b.Kulcsok.push_back(i * i * i * i * i + 7);
    EXPECT_EQ(RendezettsegLekerdezes(b), 0.0);
    b.Kulcsok[0] = 0;  // a zero key never passes
    EXPECT_EQ(RendezettsegLekerdezes(b), 1.0);
}

TEST(Rendezettseg, PositionTableOfTheFullVariation)
{
    // Every position's row counts the lines of the full variation; check
    // them against an enumeration and the keys taken from it pass.
    for (const auto& [m, K] : std::vector<std::pair<int, int>>{{2, 3}, {4, 3}, {5, 4}, {3, 5}}) {
        const int N = m + K;
        std::vector<std::vector<std::int64_t>> vart(static_cast<std::size_t>(K),
                                                    std::vector<std::int64_t>(static_cast<std::size_t>(m + 1), 0));
        std::vector<bool> kival(static_cast<std::size_t>(N), false);
        std::fill(kival.end() - K, kival.end(), true);
        do {
            int p = 0;
            for (int i = 0; i < N; ++i)
                if (kival[static_cast<std::size_t>(i)]) {
                    ++vart[static_cast<std::size_t>(p)][static_cast<std::size_t>(i - p)];
                    ++p;
                }
        } while (std::next_permutation(kival.begin(), kival.end()));
        EXPECT_EQ(PoziciosTabla(m, K), vart) << m << " " << K;
        if (K > 10 || m + 1 > K)
            continue;
        RendezettsegBemenet b;
        b.K = K;
        b.Alatta = 1;
        b.Kulcsok = vart[1];
        for (auto& x : b.Kulcsok)
            x *= 3;
        b.Skala = 3;
        EXPECT_EQ(RendezettsegLekerdezes(b), 0.0) << m << " " << K;
    }
}

TEST(SorszamEloszlas, RangeChoicesAreTheDivisorsOfTheFullVariation)
{
    auto L = [](std::int64_t N, bool v) {
        std::vector<std::int64_t> x;
        for (const TartomanyValasztas& c : TartomanyValasztek(N, v)) {
            EXPECT_EQ(c.L * c.W, N);
            x.push_back(c.L);
        }
        return x;
    };
    EXPECT_EQ(L(1, true), (std::vector<std::int64_t>{1}));
    EXPECT_EQ(L(6, true), (std::vector<std::int64_t>{2, 3, 6}));
    EXPECT_EQ(L(7, false), (std::vector<std::int64_t>{7}));
    EXPECT_EQ(L(12000, true).back(), 6000);  // beyond 9,999 only N itself would do
    EXPECT_EQ(L(43949268, false).size(), L(43949268, true).size());
    // Distances of width 10: 0 and 1..10 in the first range, 11 in the second.
    EXPECT_EQ(TavolsagTartomanya(0, 10), 0);
    EXPECT_EQ(TavolsagTartomanya(-10, 10), 0);
    EXPECT_EQ(TavolsagTartomanya(11, 10), 1);
}

// The numbering of a case's lines as the statistics window sets it up (the
// walk of e is set to match).
struct Szamozas {
    NumberingDims d;
    std::int64_t N = 0;
    bool variacio = false;
};

Szamozas szamozas(Eset& e)
{
    const GameParams& g = e.B.Jatek;
    Szamozas sz;
    sz.variacio = !e.B.Adatbazis();
    NumberingDims& d = sz.d;
    if (e.B.Adatbazis() || e.B.HuzasSzamsorVariacio) {
        d = gameNumberingDims(g);
    } else {
        const int plusz = static_cast<int>(e.B.KijeloltSzamok.size()) - e.B.KijeloltFoSzamDb;
        d = variationNumberingDims(e.B.KijeloltFoSzamDb, e.B.K, plusz, g.PluszSzamDb, plusz > 0);
        e.B.Poziciok = true;
    }
    if (d.m != e.B.K)
        d.m = e.B.K;  // lines of fewer numbers than the game's
    e.B.PluszDb = d.VanPluszSzam ? d.e : 0;
    e.B.SoronkentiHuzasok = true;
    sz.N = static_cast<std::int64_t>(*fullVariationSize(d));
    return sz;
}

TEST(SorszamEloszlas, CountsOfEveryChoiceMatchABruteForce)
{
    for (auto& ep : esetek()) {
        Eset& e = *ep;
        const GameParams& g = e.B.Jatek;
        const auto [d, N, variacio] = szamozas(e);

        // The lines in reading order: a row's second drawing after its first.
        std::vector<Sor> sorok = e.Sorok;
        std::stable_sort(sorok.begin(), sorok.end(), [](const Sor& a, const Sor& b) { return a.Szam < b.Szam; });
        std::vector<std::pair<std::int64_t, int>> ord;
        for (const Sor& s : sorok) {
            std::vector<std::uint8_t> v;
            const bool sajat = e.B.Adatbazis() || e.B.HuzasSzamsorVariacio;
            for (int x : s.Fo)
                v.push_back(static_cast<std::uint8_t>(x));
            if (d.VanPluszSzam)
                for (int x : s.Plusz)
                    v.push_back(static_cast<std::uint8_t>(sajat ? g.FoSzamKeszlet + x : e.B.KijeloltFoSzamDb + x));
            ord.emplace_back(static_cast<std::int64_t>(*SzamsorSorszamaTV(v, d)), s.Szam);
        }

        Futo f;
        const SorszamTablak t = SorszamEloszlasSzamitas(e.B, d, N, variacio, f);
        ASSERT_EQ(t.Sorok, static_cast<std::int64_t>(ord.size())) << e.Nev;
        ASSERT_FALSE(t.Valasztek.empty()) << e.Nev;
        for (std::size_t c = 0; c < t.Valasztek.size(); c += std::max<std::size_t>(1, t.Valasztek.size() / 7)) {
            const std::int64_t W = t.Valasztek[c].W;
            std::map<std::int64_t, Szamlalo> eloszlas, lepes;
            std::map<std::int64_t, std::pair<int, int>> irany;
            for (std::size_t i = 0; i < ord.size(); ++i) {
                eloszlas[(ord[i].first - 1) / W].add(ord[i].second);
                if (i == 0)
                    continue;
                const std::int64_t dd = ord[i].first - ord[i - 1].first;
                const std::int64_t r = dd == 0 ? 0 : (std::abs(dd) - 1) / W;
                lepes[r].add(ord[i].second);
                (dd < 0 ? irany[r].first : irany[r].second)++;
            }
            StatEredmeny r;
            SorszamEloszlasTabla(t, static_cast<std::int32_t>(c), false, r);
            ASSERT_EQ(r.SortArraySorDb(), t.Valasztek[c].L);
            for (const TTombInt1D& s : r.SortArray) {
                const Szamlalo x = eloszlas.count(s[0] - 1) ? eloszlas[s[0] - 1] : Szamlalo{};
                ASSERT_EQ(s[1], x.Db) << e.Nev << " L " << t.Valasztek[c].L << " range " << s[0];
                ASSERT_EQ(s[2], x.Utolso) << e.Nev;
            }
            EXPECT_NEAR(r.StatErtekek[2], static_cast<double>(ord.size()) / static_cast<double>(t.Valasztek[c].L), 1e-9);
            SorszamEloszlasTabla(t, static_cast<std::int32_t>(c), true, r);
            for (const TTombInt1D& s : r.SortArray) {
                const Szamlalo x = lepes.count(s[0] - 1) ? lepes[s[0] - 1] : Szamlalo{};
                ASSERT_EQ(s[1], x.Db) << e.Nev << " L " << t.Valasztek[c].L << " range " << s[0];
                ASSERT_EQ(s[2], x.Utolso) << e.Nev;
                ASSERT_EQ(s[3], irany[s[0] - 1].first) << e.Nev;
                ASSERT_EQ(s[4], irany[s[0] - 1].second) << e.Nev;
            }
        }
        // The scale's values.
        std::int64_t lo = N, hi = 0, minTav = N, maxTav = 0;
        double tav = 0;
        for (std::size_t i = 0; i < ord.size(); ++i) {
            lo = std::min(lo, ord[i].first);
            hi = std::max(hi, ord[i].first);
            if (i > 0) {
                const std::int64_t a = std::abs(ord[i].first - ord[i - 1].first);
                minTav = std::min(minTav, a);
                maxTav = std::max(maxTav, a);
                tav += static_cast<double>(a);
            }
        }
        EXPECT_EQ(t.Ertekek[6], static_cast<double>(lo)) << e.Nev;
        EXPECT_EQ(t.Ertekek[7], static_cast<double>(hi)) << e.Nev;
        EXPECT_EQ(t.Ertekek[0], static_cast<double>(minTav)) << e.Nev;
        EXPECT_EQ(t.Ertekek[1], static_cast<double>(maxTav)) << e.Nev;
        EXPECT_EQ(t.Ertekek[4], static_cast<double>(ord.back().first - ord.front().first)) << e.Nev;
        EXPECT_NEAR(t.Ertekek[3], tav / static_cast<double>(ord.size() - 1), 1e-6 * static_cast<double>(N)) << e.Nev;
    }
}

// The line-by-line walk the tables were first made with: each line copied,
// numbered by SzamsorSorszamaTV, every choice's range found by a division,
// the sums added in reading order.
SorszamTablak soronkentiEloszlas(const SzamsorBejarasBemenet& b, const NumberingDims& d, std::int64_t N,
                                 bool variacio)
{
    SorszamTablak t;
    t.N = N;
    t.Valasztek = TartomanyValasztek(N, variacio);
    for (const TartomanyValasztas& c : t.Valasztek) {
        t.Eloszlas.emplace_back(static_cast<std::size_t>(c.L), std::array<std::int32_t, 2>{});
        t.Lepes.emplace_back(static_cast<std::size_t>(c.L), std::array<std::int32_t, 4>{});
    }
    const std::int32_t hossz = d.lineLength();
    std::vector<std::uint8_t> sor(static_cast<std::size_t>(std::max(0, hossz)));
    const auto Nd = static_cast<double>(N);
    bool elso = true;
    std::int64_t elozo = 0;
    Futo f;
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        for (std::int32_t j = 0; j < hossz; ++j) {
            const std::int32_t x = j < static_cast<std::int32_t>(s.size()) ? s[static_cast<std::size_t>(j)] : 0;
            sor[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(std::clamp(x, 0, 255));
        }
        const std::optional<std::uint64_t> o = SzamsorSorszamaTV(sor, d);
        if (!o || *o < 1 || static_cast<std::int64_t>(*o) > N)
            return;
        const auto ord = static_cast<std::int64_t>(*o);
        for (std::size_t c = 0; c < t.Valasztek.size(); ++c) {
            auto& x = t.Eloszlas[c][static_cast<std::size_t>((ord - 1) / t.Valasztek[c].W)];
            ++x[0];
            x[1] = std::max(x[1], sorszam);
        }
        t.Ertekek[5] += static_cast<double>(ord) / Nd;
        t.Ertekek[6] = t.Sorok == 0 ? static_cast<double>(ord) : std::min(t.Ertekek[6], static_cast<double>(ord));
        t.Ertekek[7] = std::max(t.Ertekek[7], static_cast<double>(ord));
        ++t.Sorok;
        if (!elso) {
            const std::int64_t dd = ord - elozo;
            const auto ad = static_cast<double>(dd < 0 ? -dd : dd);
            t.Ertekek[4] += static_cast<double>(dd) / Nd;
            t.Ertekek[0] = t.Sorok == 2 ? ad : std::min(t.Ertekek[0], ad);
            t.Ertekek[1] = std::max(t.Ertekek[1], ad);
            t.Ertekek[3] += ad / Nd;
            for (std::size_t c = 0; c < t.Valasztek.size(); ++c) {
                const std::int64_t r = std::min(TavolsagTartomanya(dd, t.Valasztek[c].W), t.Valasztek[c].L - 1);
                auto& x = t.Lepes[c][static_cast<std::size_t>(r)];
                ++x[0];
                x[1] = std::max(x[1], sorszam);
                ++x[dd < 0 ? 2 : 3];
            }
        }
        elso = false;
        elozo = ord;
    });
    t.Ertekek[4] = std::round(t.Ertekek[4] * Nd);
    t.Ertekek[3] = t.Sorok > 1 ? t.Ertekek[3] * Nd / static_cast<double>(t.Sorok - 1) : 0.0;
    return t;
}

// Every line of the full variation of k of n selection positions, in
// lexicographic order.
std::unique_ptr<Eset> teljesVariacio(const char* nev, int n, int k)
{
    auto e = std::make_unique<Eset>();
    e->Nev = nev;
    e->Hossz = k;
    std::vector<std::uint8_t> c(static_cast<std::size_t>(k));
    std::iota(c.begin(), c.end(), std::uint8_t{0});
    int m = 0;
    for (bool van = true; van;) {
        e->Blokk.insert(e->Blokk.end(), c.begin(), c.end());
        ++m;
        int i = k - 1;
        while (i >= 0 && c[static_cast<std::size_t>(i)] == n - k + i)
            --i;
        van = i >= 0;
        if (van) {
            ++c[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < k; ++j)
                c[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(c[static_cast<std::size_t>(j) - 1] + 1);
        }
    }
    e->Forras = std::make_unique<BlokkSorForras>(e->Blokk.data(), m, k);
    e->B.Jatek = jatek(0);
    e->B.Variacio = e->Forras.get();
    for (int i = 0; i < n; ++i)
        e->B.KijeloltSzamok.push_back(static_cast<std::uint8_t>(2 * i + 1));
    e->B.KijeloltFoSzamDb = n;
    e->B.K = k;
    e->B.VizsgaltSorDb = m;
    return e;
}

TEST(SorszamEloszlas, BlocksOnSeveralThreadsGiveTheLineByLineTablesBitForBit)
{
    std::vector<std::unique_ptr<Eset>> v = esetek();
    v.push_back(adatbazis("bonus-number database", 1, 50, 7));
    v.push_back(teljesVariacio("full variation of 4 of 20", 20, 4));
    // Repeated lines (distance 0), lines with a position twice or beyond the
    // selection, which have no ordinal, and a zero among lines of numbers.
    auto ism = variacio("repeated and broken lines", 0, {5, 9, 14, 22, 31, 47, 60, 71, 80, 88}, 10, 3, 0, 900, 11);
    for (int m = 0; m < 900; m += 9) {
        std::uint8_t* s = ism->Blokk.data() + static_cast<std::size_t>(m) * static_cast<std::size_t>(ism->Hossz);
        std::copy(s, s + ism->Hossz, s + ism->Hossz);
        if (m % 27 == 0)
            s[1] = s[0];
        if (m % 45 == 0)
            s[2] = 10;
    }
    v.push_back(std::move(ism));
    auto nulla = huzasVariacio("numbers with a zero", 0, 500, 12);
    nulla->Blokk[3 * 5 + 2] = 0;
    v.push_back(std::move(nulla));
    for (auto& ep : v) {
        Eset& e = *ep;
        const auto [d, N, variacio] = szamozas(e);
        const SorszamTablak vart = soronkentiEloszlas(e.B, d, N, variacio);
        ASSERT_GT(vart.Sorok, 1) << e.Nev;
        struct Futas {
            std::int32_t Szalak, Blokk;
        };
        for (const Futas fu : {Futas{1, 0}, Futas{3, 7}, Futas{8, 1}, Futas{0, 0}}) {
            Futo f;
            const SorszamTablak t = SorszamEloszlasSzamitas(e.B, d, N, variacio, f, fu.Szalak, fu.Blokk);
            const std::string nev = std::string(e.Nev) + " threads " + std::to_string(fu.Szalak) + " block " +
                                    std::to_string(fu.Blokk);
            EXPECT_EQ(t.Sorok, vart.Sorok) << nev;
            EXPECT_EQ(t.Eloszlas, vart.Eloszlas) << nev;
            EXPECT_EQ(t.Lepes, vart.Lepes) << nev;
            for (std::size_t i = 0; i < 8; ++i)
                EXPECT_EQ(std::memcmp(&t.Ertekek[i], &vart.Ertekek[i], sizeof(double)), 0)
                    << nev << " value " << i << ": " << t.Ertekek[i] << " vs " << vart.Ertekek[i];
            if (!variacio)
                EXPECT_EQ(f.Haladas.load(), e.B.Utolso) << nev;
            else
                EXPECT_EQ(f.Haladas.load(), e.B.Variacio->SorDb()) << nev;
        }
    }
}

// A source that counts the rows read (from any thread).
class SzamoltForras : public VariacioSorForras {
public:
    explicit SzamoltForras(const VariacioSorForras& f) : f_(f) {}
    std::int32_t SorDb() const override { return f_.SorDb(); }
    std::int32_t SorHossz() const override { return f_.SorHossz(); }
    const std::uint8_t* Sor(std::int32_t m) const override
    {
        olvasott.fetch_add(1, std::memory_order_relaxed);
        return f_.Sor(m);
    }
    mutable std::atomic<std::int64_t> olvasott{0};

private:
    const VariacioSorForras& f_;
};

TEST(SorszamEloszlas, TheStepsAfterTheDistributionAndTheReverseReadNoLine)
{
    auto e = teljesVariacio("full variation of 3 of 16", 16, 3);
    SzamoltForras forras(*e->Forras);
    e->B.Variacio = &forras;
    const auto [d, N, variacio] = szamozas(*e);
    for (const auto& [elso, masodik] : {std::pair{25, 32}, std::pair{32, 25}}) {
        StatMasolat c;
        std::shared_ptr<const SorszamTablak> t;
        Futo f;
        StatEredmeny r1, r2;
        forras.olvasott = 0;
        ASSERT_TRUE(SorszamStatLekerdezes(elso, c, e->B, d, N, 1, t, f, r1));
        EXPECT_EQ(forras.olvasott.load(), N);
        const std::shared_ptr<const SorszamTablak> tablak = t;
        forras.olvasott = 0;
        ASSERT_TRUE(SorszamStatLekerdezes(masodik, c, e->B, d, N, 1, t, f, r2));
        EXPECT_EQ(forras.olvasott.load(), 0) << elso << " then " << masodik;
        EXPECT_EQ(t, tablak);
        // The same as a run of its own.
        StatMasolat uj;
        std::shared_ptr<const SorszamTablak> ujT;
        StatEredmeny r3;
        ASSERT_TRUE(SorszamStatLekerdezes(masodik, uj, e->B, d, N, 1, ujT, f, r3));
        EXPECT_EQ(r2.SortArray, r3.SortArray);
        EXPECT_EQ(r2.StatErtekek, r3.StatErtekek);
        // Once the variation's slots are dropped the lines are read again.
        c.VMasolatTorles();
        forras.olvasott = 0;
        ASSERT_TRUE(SorszamStatLekerdezes(masodik, c, e->B, d, N, 1, t, f, r2));
        EXPECT_EQ(forras.olvasott.load(), N);
    }
}

TEST(SorszamEloszlas, AStopInTheMiddleEndsEveryThreadAndKeepsNothing)
{
    auto e = teljesVariacio("full variation of 4 of 20", 20, 4);
    const auto [d, N, variacio] = szamozas(*e);
    for (const std::int32_t szalak : {1, 3}) {
        Futo f;
        teszt::LeallitoForras forras(*e->Forras, f, 3000);
        e->B.Variacio = &forras;
        const SorszamTablak t = SorszamEloszlasSzamitas(e->B, d, N, variacio, f, szalak, 64);
        // The walk ended short of the last line.
        EXPECT_LT(f.Haladas.load(), e->Forras->SorDb()) << szalak;
        EXPECT_LT(t.Sorok, e->Forras->SorDb()) << szalak;
        // Through the engine: nothing stored, no tables kept.
        Futo g;
        teszt::LeallitoForras masik(*e->Forras, g, 3000);
        e->B.Variacio = &masik;
        StatMasolat c;
        std::shared_ptr<const SorszamTablak> tablak;
        StatEredmeny r;
        EXPECT_FALSE(SorszamStatLekerdezes(25, c, e->B, d, N, 0, tablak, g, r));
        EXPECT_FALSE(c.Van(25));
        EXPECT_FALSE(tablak);
    }
}

// Per number and per line, from the maximal runs of each sorted line.
void szomszedosEgyezik(const Eset& e)
{
    const int K = e.B.K, P = e.B.Jatek.FoSzamKeszlet;
    TTombInt2D vart(static_cast<std::size_t>(P), TTombInt1D(static_cast<std::size_t>(2 * K + 4), 0));
    for (int n = 1; n <= P; ++n)
        vart[static_cast<std::size_t>(n - 1)][0] = n;
    TTombInt2D sorok(2, TTombInt1D(static_cast<std::size_t>(K + 1), 0));
    for (const Sor& s : e.Sorok) {
        std::vector<int> a = szamok(e, s.Fo);
        std::sort(a.begin(), a.end());
        auto van = [&](int n) { return std::find(a.begin(), a.end(), n) != a.end(); };
        for (int n : a) {
            TTombInt1D& x = vart[static_cast<std::size_t>(n - 1)];
            x[1] += van(n - 1) + van(n + 1);
            x[2] += van(n - 1);
            x[3] += van(n + 1);
        }
        std::vector<int> hossz;
        for (std::size_t i = 0; i < a.size();) {
            std::size_t j = i + 1;
            while (j < a.size() && a[j] == a[j - 1] + 1)
                ++j;
            const int c = static_cast<int>(j - i);
            if (c >= 2) {
                hossz.push_back(c);
                TTombInt1D& x = vart[static_cast<std::size_t>(a[i] - 1)];
                ++x[static_cast<std::size_t>(c + 2)];
                x[static_cast<std::size_t>(K + 3 + c)] = std::max(x[static_cast<std::size_t>(K + 3 + c)], s.Szam);
                for (std::size_t m = i; m < j; ++m) {
                    int& utolso = vart[static_cast<std::size_t>(a[m] - 1)][static_cast<std::size_t>(K + 4)];
                    utolso = std::max(utolso, s.Szam);
                }
            }
            i = j;
        }
        if (hossz.size() <= 1)
            ++sorok[0][static_cast<std::size_t>(hossz.empty() ? 0 : hossz[0])];
        else
            ++sorok[1][static_cast<std::size_t>(std::accumulate(hossz.begin(), hossz.end(), 0))];
    }
    Futo f;
    StatEredmeny r;
    SzomszedosEredmeny sz;
    SzomszedosSzamok(e.B, f, r, sz);
    EXPECT_EQ(r.SortArray, vart) << e.Nev;
    EXPECT_EQ(sz.SzomszedosTabla, sorok) << e.Nev;
}

TEST(SzomszedosSzamok, RunsMatchABruteForce)
{
    for (const auto& ep : esetek())
        szomszedosEgyezik(*ep);
    // Dense runs: lines of 4 out of 5..11 selected in no order.
    szomszedosEgyezik(*variacio("dense", 0, {9, 5, 11, 6, 8, 7, 10}, 7, 4, 0, 60, 8));
}

TEST(SzomszedosSzamok, LinesOfRuns)
{
    struct {
        std::vector<std::uint8_t> Sor;  // numbers of 5/90, stored as drawn
        int TablaSor, TablaOszlop;
    } const esetek[] = {
        {{3, 4, 5, 20, 21}, 1, 5},
        {{1, 2, 3, 4, 5}, 0, 5},
        {{10, 30, 50, 70, 89}, 0, 0},
        {{21, 3, 20, 5, 4}, 1, 5},  // sorted before the scan
        {{88, 89, 90, 1, 2}, 1, 5},
        {{7, 9, 11, 12, 40}, 0, 2},
    };
    for (const auto& c : esetek) {
        std::vector<std::uint8_t> blokk = c.Sor;
        BlokkSorForras src(blokk.data(), 1, 5);
        const SzamsorBejarasBemenet b = otosSzamsorok(src);
        Futo f;
        StatEredmeny r;
        SzomszedosEredmeny sz;
        SzomszedosSzamok(b, f, r, sz);
        TTombInt2D vart(2, TTombInt1D(6, 0));
        vart[static_cast<std::size_t>(c.TablaSor)][static_cast<std::size_t>(c.TablaOszlop)] = 1;
        EXPECT_EQ(sz.SzomszedosTabla, vart) << int(c.Sor[0]);
        EXPECT_EQ(sz.VanSzomszed, c.TablaOszlop != 0) << int(c.Sor[0]);
    }
    // 3 4 5 20 21: a run of 3 at 3 and of 2 at 20; 4 has both neighbours.
    std::vector<std::uint8_t> blokk = {3, 4, 5, 20, 21};
    BlokkSorForras src(blokk.data(), 1, 5);
    const SzamsorBejarasBemenet b = otosSzamsorok(src);
    Futo f;
    StatEredmeny r;
    SzomszedosEredmeny sz;
    SzomszedosSzamok(b, f, r, sz);
    EXPECT_EQ(r.SortArray[2], (TTombInt1D{3, 1, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(r.SortArray[3][1], 2);
    EXPECT_EQ(r.SortArray[19][4], 1);
    EXPECT_EQ(r.StatErtekek[3], 6.0);
    EXPECT_EQ(r.StatErtekek[2], 6.0 / 5.0);
    // A cancelled run leaves the kept table as it was.
    f.StatisztikaFut.store(false);
    SzomszedosEredmeny elozo = sz;
    SzomszedosSzamok(b, f, r, sz);
    EXPECT_EQ(sz.SzomszedosTabla, elozo.SzomszedosTabla);
}

TEST(Szamkeszlet, PositionCountsMatchABruteForce)
{
    for (auto& ep : esetek()) {
        Eset& e = *ep;
        e.B.Poziciok = true;
        const int K = e.B.K;
        const bool sajat = e.B.Adatbazis() || e.B.HuzasSzamsorVariacio;
        const int P = sajat ? e.B.Jatek.FoSzamKeszlet : e.B.KijeloltFoSzamDb;
        TTombInt2D vart(static_cast<std::size_t>(P - K + 1), TTombInt1D(static_cast<std::size_t>(2 * K), 0));
        for (const Sor& s : e.Sorok) {
            std::vector<int> a = s.Fo;  // numbers, or 1-based positions
            std::sort(a.begin(), a.end());
            for (int p = 0; p < K; ++p) {
                TTombInt1D& x = vart[static_cast<std::size_t>(a[static_cast<std::size_t>(p)] - p - 1)];
                ++x[static_cast<std::size_t>(p)];
                x[static_cast<std::size_t>(K + p)] = std::max(x[static_cast<std::size_t>(K + p)], s.Szam);
            }
        }
        Futo f;
        const TTombInt2D t = SzamkeszletTablaEpites(e.B, f);
        ASSERT_EQ(t, vart) << e.Nev;
        // The third position's chart: values 3 .. P - K + 3 (or the selected
        // numbers from the third on), and every line once.
        StatEredmeny r;
        SzamkeszletEredmeny(t, 2, e.B, r);
        ASSERT_EQ(r.SortArraySorDb(), P - K + 1) << e.Nev;
        EXPECT_EQ(r.SortArray.front()[0], sajat ? 3 : e.B.KijeloltSzamok[2]) << e.Nev;
        EXPECT_EQ(r.StatErtekek[2], static_cast<double>(e.Sorok.size())) << e.Nev;
        for (int i = 0; i < r.SortArraySorDb(); ++i)
            EXPECT_EQ(r.SortArray[static_cast<std::size_t>(i)][1], vart[static_cast<std::size_t>(i)][2]) << e.Nev;
    }
}

TEST(Szamkeszlet, ACancelledRunKeepsNoTable)
{
    auto e = huzasVariacio("x", 0, 20, 11);
    StatMasolat c;
    std::shared_ptr<const TTombInt2D> tabla;
    Futo f;
    StatEredmeny r;
    ASSERT_TRUE(SzamkeszletStatLekerdezes(29, c, e->B, 0, tabla, f, r));
    ASSERT_TRUE(tabla);
    f.StatisztikaFut.store(false);
    StatMasolat ures;
    EXPECT_FALSE(SzamkeszletStatLekerdezes(29, ures, e->B, 1, tabla, f, r));
    EXPECT_FALSE(tabla);
    EXPECT_FALSE(ures.Van(29));
}

TEST(SzomszedosSzamok, ChartViewsOfTheChains)
{
    // 3 4 5 20 21 and 7 8: runs of 3 at 3, of 2 at 20 and at 7.
    std::vector<std::uint8_t> blokk = {3, 4, 5, 20, 21, 7, 8, 30, 50, 70};
    BlokkSorForras src(blokk.data(), 2, 5);
    const SzamsorBejarasBemenet b = otosSzamsorok(src);
    Futo f;
    StatEredmeny r;
    SzomszedosEredmeny sz;
    SzomszedosSzamok(b, f, r, sz);
    EXPECT_EQ(SzomszedHosszLista(r.SortArray, 5), (std::vector<std::int32_t>{2, 3}));
    const TTombInt2D mind = SzomszedosNezet(r.SortArray, 5, 0);
    ASSERT_EQ(mind.size(), 90u);
    EXPECT_EQ(mind[3], (TTombInt1D{4, 2, 1}));
    EXPECT_EQ(mind[7], (TTombInt1D{8, 1, 2}));
    const TTombInt2D ketto = SzomszedosNezet(r.SortArray, 5, 2);
    EXPECT_EQ(ketto[19], (TTombInt1D{20, 1, 1}));
    EXPECT_EQ(ketto[6], (TTombInt1D{7, 1, 2}));
    EXPECT_EQ(ketto[2], (TTombInt1D{3, 0, 0}));
    EXPECT_EQ(SzomszedosNezet(r.SortArray, 5, 3)[2], (TTombInt1D{3, 1, 1}));
}

TEST(SzomszedosSzamok, AChainsChartStartsAtItsFirstStart)
{
    // Runs of 2 at 7 and 20, of 3 at 3.
    std::vector<std::uint8_t> blokk = {3, 4, 5, 20, 21, 7, 8, 30, 50, 70};
    BlokkSorForras src(blokk.data(), 2, 5);
    const SzamsorBejarasBemenet b = otosSzamsorok(src);
    Futo f;
    StatEredmeny r;
    SzomszedosEredmeny sz;
    SzomszedosSzamok(b, f, r, sz);
    struct {
        int L;
        std::size_t Sorok;
        TTombInt1D Elso;
    } const esetek[] = {{2, 84, {7, 1, 2}}, {3, 88, {3, 1, 1}}};
    for (const auto& c : esetek) {
        TTombInt2D n = SzomszedosNezet(r.SortArray, 5, c.L);
        SzomszedosLancKezdet(n);
        ASSERT_EQ(n.size(), c.Sorok) << c.L;
        EXPECT_EQ(n.front(), c.Elso) << c.L;
        EXPECT_EQ(n.back()[0], 90) << c.L;
    }
    // A view without any chain stays whole.
    TTombInt2D ures(4, TTombInt1D{1, 0, 0});
    SzomszedosLancKezdet(ures);
    EXPECT_EQ(ures.size(), 4u);
}

TEST(SzomszedosSzamok, TheTextStatisticIsServedWithTheLineTableOfItsSource)
{
    auto e = huzasVariacio("x", 0, 30, 5);
    StatMasolat c;
    std::shared_ptr<const SzomszedosEredmeny> tabla;
    Futo f;
    StatEredmeny r;
    ASSERT_TRUE(SzamsorStatLekerdezes(18, c, e->B, f, r, &tabla));
    ASSERT_TRUE(tabla);
    ASSERT_TRUE(c.Van(18));
    // Every line once in the line table.
    std::int64_t sorok = 0;
    for (const TTombInt1D& x : tabla->SzomszedosTabla)
        for (std::int32_t v : x)
            sorok += v;
    EXPECT_EQ(sorok, 30);
    const auto elso = tabla;

    // The slot with its table: served without reading a line.
    StatEredmeny r2;
    f.Haladas.store(0);
    ASSERT_TRUE(SzamsorStatLekerdezes(18, c, e->B, f, r2, &tabla));
    EXPECT_EQ(f.Haladas.load(), 0);
    EXPECT_EQ(tabla, elso);
    EXPECT_EQ(r2.SortArray, r.SortArray);

    // The slot without the table (it was dropped): built again.
    tabla.reset();
    StatEredmeny r3;
    ASSERT_TRUE(SzamsorStatLekerdezes(18, c, e->B, f, r3, &tabla));
    ASSERT_TRUE(tabla);
    EXPECT_EQ(f.Haladas.load(), 30);
    EXPECT_EQ(tabla->SzomszedosTabla, elso->SzomszedosTabla);

    // A cancelled build keeps neither a slot nor a table.
    StatMasolat ures;
    std::shared_ptr<const SzomszedosEredmeny> semmi;
    f.StatisztikaFut.store(false);
    EXPECT_FALSE(SzamsorStatLekerdezes(20, ures, e->B, f, r3, &semmi));
    EXPECT_FALSE(semmi);
    EXPECT_FALSE(ures.Van(20));
}

TEST(Szamkeszlet, SummaryOfThePositions)
{
    // Pool of 5, lines of 2 (value offsets 0..3): the lines (1, 3) and
    // (1, 4) meet one value at the first position and two at the second.
    const TTombInt2D t = {{2, 0, 2, 0}, {0, 1, 0, 1}, {0, 1, 0, 2}, {0, 0, 0, 0}};
    // Over the draws no more values than lines can be met.
    EXPECT_EQ(SzamkeszletOsszesites(t, 2, true), (TTombInt2D{{1, 2}, {2, 2}}));
    EXPECT_EQ(SzamkeszletOsszesites(t, 2, false), (TTombInt2D{{1, 4}, {2, 4}}));
    EXPECT_TRUE(SzamkeszletOsszesites({}, 3, true) == (TTombInt2D{{0, 0}, {0, 0}, {0, 0}}));
}

}  // namespace
