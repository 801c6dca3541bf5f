// Hit ratios against a brute force that compares every ordered pair of lines
// as sets, over small draws tables and variations.
#include "statistics/hit_ratios.h"
#include "statistics/stopping_source.h"

#include "app/game_table.h"
#include "draws/draws_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

namespace {

using namespace kvx;

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

// One drawing: main-pool part, extra-pool part, bonus numbers.
struct Sor {
    std::vector<int> Fo, Plusz, Pot;
    int Tabla = 0, Huzas = 1;
};

// Every line against every other, the class worked out from the rules.
void brute(const GameParams& g, const TalalatiAranyBemenet& b, const std::vector<Sor>& sorok, TTombInt2D& t,
           std::int64_t& parDb, std::vector<AzonosPar>& parok)
{
    const int C = TalalatiOsztalyDb(b), felso = TalalatiFelsoOsztaly(b);
    t.assign(static_cast<std::size_t>(C), TTombInt1D(4, 0));
    parDb = 0;
    parok.clear();
    for (std::size_t p = 0; p < sorok.size(); ++p) {
        std::vector<int> db(static_cast<std::size_t>(C), 0);
        for (std::size_t q = 0; q < sorok.size(); ++q) {
            if (q == p)
                continue;
            const Sor& x = sorok[p];
            const Sor& y = sorok[q];
            const std::set<int> fo(x.Fo.begin(), x.Fo.end()), pl(x.Plusz.begin(), x.Plusz.end());
            int f = b.StatForras == 1 ? b.FixSzamDb : 0, e = 0;
            for (int n : y.Fo)
                f += fo.count(n);
            for (int n : y.Plusz)
                e += pl.count(n);
            if (b.StatForras == 0 && g.VanPotSzam) {
                if (f == g.SzamsorHossz) {
                    if (!g.PotSzamTalalat)
                        ++f;
                } else if ((g.PotSzamTalalat || f == g.SzamsorHosszMax) && !y.Pot.empty() && y.Pot[0] > 0) {
                    for (int u : x.Pot)
                        for (int w : y.Pot)
                            e += u > 0 && u == w;
                }
            }
            const int c = f * b.TalalatLepes + e;
            ++db[static_cast<std::size_t>(c)];
            if (c == felso && q > p) {
                ++parDb;
                parok.push_back({x.Tabla, x.Huzas, y.Tabla, y.Huzas});
            }
        }
        int legjobb = -1;
        for (int c = 0; c < C; ++c)
            if (db[static_cast<std::size_t>(c)] > 0) {
                ++t[static_cast<std::size_t>(c)][0];
                legjobb = c;
            }
        if (legjobb >= 0)
            ++t[static_cast<std::size_t>(legjobb)][1];
    }
}

// A draws table of the given drawings (a Sor with Huzas 2 is the second
// drawing of the row before).
DrawsState tabla(const GameParams& g, std::vector<Sor>& sorok)
{
    int db = 0;
    for (const Sor& s : sorok)
        db += s.Huzas == 1;
    DrawsState d;
    SetHuzasok(d, db, g.HuzottSzamok + 3);
    int m = -1;
    for (Sor& s : sorok) {
        if (s.Huzas == 1)
            ++m;
        s.Tabla = m + 1;
        TTombInt1D& r = d.Huzasok[static_cast<std::size_t>(m)];
        std::size_t o = s.Huzas == 1 ? 3 : static_cast<std::size_t>(g.MasodikHuzasOszlop);
        for (int n : s.Fo)
            r[o++] = n;
        for (int n : s.Plusz)
            r[o++] = n;
        for (int n : s.Pot)
            r[o++] = n;
    }
    return d;
}

std::vector<Sor> veletlen(const GameParams& g, int db, int fo, int plusz, int pot, unsigned mag, int keszlet = 0)
{
    std::mt19937 r(mag);
    const int k = keszlet > 0 ? keszlet : g.FoSzamKeszlet;
    std::vector<Sor> s;
    for (int i = 0; i < db; ++i) {
        std::vector<int> a(static_cast<std::size_t>(k));
        for (int n = 0; n < k; ++n)
            a[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(a.begin(), a.end(), r);
        Sor x;
        x.Fo.assign(a.begin(), a.begin() + fo);
        std::sort(x.Fo.begin(), x.Fo.end());
        x.Pot.assign(a.begin() + fo, a.begin() + fo + pot);
        std::vector<int> b(static_cast<std::size_t>(g.PluszSzamKeszlet));
        for (int n = 0; n < g.PluszSzamKeszlet; ++n)
            b[static_cast<std::size_t>(n)] = g.FoSzamKeszlet + 1 + n;
        std::shuffle(b.begin(), b.end(), r);
        x.Plusz.assign(b.begin(), b.begin() + plusz);
        std::sort(x.Plusz.begin(), x.Plusz.end());
        s.push_back(x);
    }
    // Repeats: some lines equal earlier ones, one of them three times.
    if (db > 6) {
        s[3].Fo = s[1].Fo, s[3].Plusz = s[1].Plusz;
        s[5].Fo = s[1].Fo, s[5].Plusz = s[1].Plusz;
        s[static_cast<std::size_t>(db - 1)].Fo = s[2].Fo;
        s[static_cast<std::size_t>(db - 1)].Plusz = s[2].Plusz;
    }
    return s;
}

struct Futas {
    StatMasolat Cache;
    StatFutas F;
    StatEredmeny E;
    AzonosLista A;
};

void osszevet(const GameParams& g, TalalatiAranyBemenet b, const DrawsState& d, const VariacioSorForras& src,
              const std::vector<Sor>& sorok, const char* nev)
{
    TTombInt2D t;
    std::int64_t parDb = 0;
    std::vector<AzonosPar> parok;
    brute(g, b, sorok, t, parDb, parok);
    std::sort(parok.begin(), parok.end(), [](const AzonosPar& x, const AzonosPar& y) {
        return std::tie(x.Sor1, x.Huzas1, x.Sor2, x.Huzas2) < std::tie(y.Sor1, y.Huzas1, y.Sor2, y.Huzas2);
    });
    for (const TalalatiModszer m : {TalalatiModszer::Paronkent, TalalatiModszer::Reszhalmazok})
    for (int szalak : {1, 3}) {
        Futas f;
        f.F.StatisztikaFut = true;
        b.Szalak = szalak;
        b.Modszer = m;
        const int tag = b.StatForras == 1 ? 12 : 4;
        ASSERT_TRUE(TalalatiAranyok(tag, f.Cache, b, d, src, f.F, f.E, f.A)) << nev;
        EXPECT_EQ(f.E.SortArray, t) << nev << " threads " << szalak << " subsets " << (m == TalalatiModszer::Reszhalmazok);
        EXPECT_EQ(f.A.ParDb, parDb) << nev;
        std::vector<AzonosPar> kapott = f.A.Parok;
        std::sort(kapott.begin(), kapott.end(), [](const AzonosPar& x, const AzonosPar& y) {
            return std::tie(x.Sor1, x.Huzas1, x.Sor2, x.Huzas2) < std::tie(y.Sor1, y.Huzas1, y.Sor2, y.Huzas2);
        });
        EXPECT_EQ(kapott, parok) << nev;
        EXPECT_TRUE(f.Cache.Van(tag));
    }
}

const BlokkSorForras kUres(nullptr, 0, 1);

TEST(TalalatiAranyok, DatabasesMatchTheBruteForce)
{
    struct Eset {
        const char* Nev;
        int Jatek, Db;
    } esetek[] = {
        {"5/90", 0, 60},
        {"6/45 with a bonus number", 1, 80},
        {"bonus numbers in classes of their own", 5, 80},
        {"three bonus numbers", 38, 60},
        {"5 + 2 extra numbers", 24, 80},
        {"Keno", 8, 40},
    };
    for (const Eset& e : esetek) {
        const GameParams g = jatek(e.Jatek);
        const int K = g.HuzottFoSzamokPluszNelkul;
        // A small pool makes many hits, so every class turns up.
        std::vector<Sor> sorok = veletlen(g, e.Db, K, g.HuzottFoSzamok - K, g.PotSzamok, 5u,
                                          std::min(g.FoSzamKeszlet, K + 6 + g.PotSzamok));
        const DrawsState d = tabla(g, sorok);
        TalalatiAranyBemenet b;
        b.Jatek = g;
        b.K = K;
        b.TalalatLepes = g.TalalatSzorzo;
        // The range runs to the table's last row: it is a partner too.
        b.TartomanyElso = 3;
        b.TartomanyUtolso = e.Db;
        osszevet(g, b, d, kUres, std::vector<Sor>(sorok.begin() + 2, sorok.end()), e.Nev);
    }
}

TEST(TalalatiAranyok, TwoDrawingsPerEventAreLinesOfTheirOwn)
{
    const GameParams g = jatek(2);
    std::vector<Sor> elso = veletlen(g, 30, 7, 0, 0, 9u, 12);
    std::vector<Sor> sorok;
    for (std::size_t i = 0; i < elso.size(); ++i) {
        sorok.push_back(elso[i]);
        if (i % 3 != 0) {
            Sor m = elso[(i * 7) % elso.size()];
            m.Huzas = 2;
            sorok.push_back(m);
        }
    }
    // The last event's drawings equal each other.
    Sor utolso = sorok.back().Huzas == 2 ? sorok.back() : elso.back();
    if (sorok.back().Huzas == 1) {
        utolso.Huzas = 2;
        sorok.push_back(utolso);
    }
    sorok.back().Fo = sorok[sorok.size() - 2].Fo;
    const DrawsState d = tabla(g, sorok);
    TalalatiAranyBemenet b;
    b.Jatek = g;
    b.K = 7;
    b.TalalatLepes = 1;
    b.TartomanyUtolso = 30;
    osszevet(g, b, d, kUres, sorok, "two drawings");
}

TEST(TalalatiAranyok, HandPickedClasses)
{
    // 6/45 with one bonus number: 6 hits class 7, 5 + bonus 6, 5 without 5.
    const GameParams g = jatek(1);
    std::vector<Sor> sorok = {{{1, 2, 3, 4, 5, 6}, {}, {7}},
                              {{1, 2, 3, 4, 5, 6}, {}, {9}},
                              {{1, 2, 3, 4, 5, 8}, {}, {7}},
                              {{1, 2, 3, 4, 5, 9}, {}, {10}}};
    const DrawsState d = tabla(g, sorok);
    TalalatiAranyBemenet b;
    b.Jatek = g;
    b.K = 6;
    b.TalalatLepes = 1;
    b.TartomanyUtolso = 4;
    Futas f;
    f.F.StatisztikaFut = true;
    ASSERT_TRUE(TalalatiAranyok(4, f.Cache, b, d, kUres, f.F, f.E, f.A));
    ASSERT_EQ(f.E.SortArraySorDb(), 8);
    EXPECT_EQ(f.E.SortArray[7][0], 2);  // lines 1 and 2
    EXPECT_EQ(f.E.SortArray[7][1], 2);
    EXPECT_EQ(f.E.SortArray[6][1], 1);  // line 3: 5 + bonus 7 with line 1
    EXPECT_EQ(f.E.SortArray[5][1], 1);  // line 4: 5 hits, no equal bonus
    EXPECT_EQ(f.A.ParDb, 1);
    EXPECT_EQ(f.A.Parok, (std::vector<AzonosPar>{{1, 1, 2, 1}}));

    // A single draw compares nothing.
    b.TartomanyUtolso = 1;
    Futas h;
    h.F.StatisztikaFut = true;
    ASSERT_TRUE(TalalatiAranyok(4, h.Cache, b, d, kUres, h.F, h.E, h.A));
    for (const TTombInt1D& r : h.E.SortArray)
        EXPECT_EQ(r, (TTombInt1D{0, 0, 0, 0}));
    EXPECT_EQ(h.A.ParDb, 0);
}

TEST(TalalatiAranyok, VariationsMatchTheBruteForce)
{
    // Indexes 0..11 of twelve selected numbers, two fixed (K = 3 of 5), and
    // a 5 + 2 game whose lines carry two extra indexes after the main ones.
    struct Eset {
        const char* Nev;
        int Jatek, K, Plusz, Fix, Lepes;
    } esetek[] = {{"5/90, two fixed", 0, 3, 0, 2, 1}, {"5 + 2", 24, 5, 2, 0, 3}};
    for (const Eset& e : esetek) {
        const GameParams g = jatek(e.Jatek);
        std::mt19937 r(17);
        std::vector<std::uint8_t> blokk;
        std::vector<Sor> sorok;
        const int hossz = e.K + e.Plusz;
        for (int i = 0; i < 150; ++i) {
            std::vector<int> a = {0, 1, 2, 3, 4, 5, 6, 7};
            std::shuffle(a.begin(), a.end(), r);
            Sor s;
            s.Fo.assign(a.begin(), a.begin() + e.K);
            s.Plusz = e.Plusz ? std::vector<int>{20 + static_cast<int>(r() % 2), 22 + static_cast<int>(r() % 2)}
                              : std::vector<int>{};
            if (i % 40 == 39)
                s = sorok[static_cast<std::size_t>(i - 30)];
            s.Tabla = i + 1;
            for (int n : s.Fo)
                blokk.push_back(static_cast<std::uint8_t>(n));
            for (int n : s.Plusz)
                blokk.push_back(static_cast<std::uint8_t>(n));
            sorok.push_back(s);
        }
        const BlokkSorForras src(blokk.data(), 150, hossz);
        TalalatiAranyBemenet b;
        b.Jatek = g;
        b.StatForras = 1;
        b.K = e.K;
        b.FixSzamDb = e.Fix;
        b.TalalatLepes = e.Lepes;
        osszevet(g, b, DrawsState{}, src, sorok, e.Nev);
    }
}

TEST(TalalatiAranyok, ManyRepeatsAreCountedButOnlyTheFirstPairsKept)
{
    // 3,000 copies of one line: 4,498,500 pairs, counted exactly, split
    // over threads, and the list keeps the first ones in ticket order.
    std::vector<std::uint8_t> blokk(3000 * 5);
    for (std::size_t i = 0; i < blokk.size(); ++i)
        blokk[i] = static_cast<std::uint8_t>(i % 5);
    const BlokkSorForras src(blokk.data(), 3000, 5);
    TalalatiAranyBemenet b;
    b.Jatek = jatek(0);
    b.StatForras = 1;
    b.K = 5;
    b.Szalak = 4;
    Futas f;
    f.F.StatisztikaFut = true;
    ASSERT_TRUE(TalalatiAranyok(12, f.Cache, b, DrawsState{}, src, f.F, f.E, f.A));
    EXPECT_EQ(f.A.ParDb, 3000LL * 2999 / 2);
    ASSERT_EQ(f.A.Parok.size(), kAzonosParMax);
    EXPECT_EQ(f.A.Parok.front(), (AzonosPar{1, 1, 2, 1}));
    EXPECT_EQ(f.A.Parok.back(), (AzonosPar{1, 1, static_cast<int>(kAzonosParMax) + 1, 1}));
    EXPECT_EQ(f.E.SortArray[5][0], 3000);
    EXPECT_EQ(f.E.SortArray[5][1], 3000);

    // Cancelled: nothing stored.
    Futas h;
    h.F.StatisztikaFut = false;
    EXPECT_FALSE(TalalatiAranyok(12, h.Cache, b, DrawsState{}, src, h.F, h.E, h.A));
    EXPECT_FALSE(h.Cache.Van(12));
}

// The counts of one run, to compare two methods with each other.
struct Osszkep {
    TTombInt2D Tabla;
    std::int64_t ParDb = 0;
    std::vector<AzonosPar> Parok;
    bool operator==(const Osszkep&) const = default;
};

Osszkep futtat(TalalatiAranyBemenet b, const DrawsState& d, const VariacioSorForras& src, TalalatiModszer m,
               int szalak)
{
    Futas f;
    f.F.StatisztikaFut = true;
    b.Modszer = m;
    b.Szalak = szalak;
    EXPECT_TRUE(TalalatiAranyok(b.StatForras == 1 ? 12 : 4, f.Cache, b, d, src, f.F, f.E, f.A));
    return {f.E.SortArray, f.A.ParDb, f.A.Parok};
}

TEST(TalalatiAranyok, SubsetCountingMatchesThePairwiseCountOnLargeSets)
{
    // Thousands of lines over small pools: every class turns up, many lines
    // repeat (more pairs than the list keeps), and the lines are counted in
    // several blocks on several threads.
    struct Eset {
        const char* Nev;
        int Jatek, Db, Fo, Plusz, Keszlet;
        bool Variacio;
        int Fix = 0;
    } esetek[] = {
        {"5/90 variation", 0, 6000, 5, 0, 14, true},
        // Too many possible lines for a table of them: the lines are hashed.
        {"5/90 variation over every number", 0, 10000, 5, 0, 90, true},
        {"5 + 2 variation over 30 main numbers", 24, 9000, 5, 2, 30, true},
        {"lines of two", 0, 9000, 2, 0, 20, true},
        {"variation with two fixed numbers", 0, 3000, 3, 0, 9, true, 2},
        {"5 + 2 variation", 24, 4000, 5, 2, 10, true},
        {"5/90 draws", 0, 5000, 5, 0, 16, false},
        {"5 + 2 draws", 24, 3000, 5, 2, 10, false},
        {"7/35 draws twice per event", 2, 2500, 7, 0, 12, false},
    };
    for (const Eset& e : esetek) {
        const GameParams g = jatek(e.Jatek);
        std::mt19937 r(static_cast<unsigned>(e.Db));
        TalalatiAranyBemenet b;
        b.Jatek = g;
        b.K = e.Fo;
        b.TalalatLepes = g.TalalatSzorzo;
        std::vector<std::uint8_t> blokk;
        DrawsState d;
        const auto sor = [&] {
            std::vector<int> a(static_cast<std::size_t>(e.Keszlet));
            std::iota(a.begin(), a.end(), 1);
            std::shuffle(a.begin(), a.end(), r);
            a.resize(static_cast<std::size_t>(e.Fo));
            std::sort(a.begin(), a.end());
            for (int i = 0; i < e.Plusz; ++i)
                a.push_back(g.FoSzamKeszlet + 1 + static_cast<int>(r() % 4));
            return a;
        };
        if (e.Variacio) {
            b.StatForras = 1;
            b.FixSzamDb = e.Fix;
            std::vector<std::vector<int>> sorok;
            for (int i = 0; i < e.Db; ++i)
                sorok.push_back(i % 7 == 3 ? sorok[static_cast<std::size_t>(i) / 2] : sor());
            // Lines with a number twice or a byte beyond every number:
            // shorter sets.
            sorok[10][1] = sorok[10][0];
            sorok[11][0] = 200;
            if (e.Plusz == 2)
                sorok[12][static_cast<std::size_t>(e.Fo) + 1] = sorok[12][static_cast<std::size_t>(e.Fo)];
            for (const auto& s : sorok)
                for (int x : s)
                    blokk.push_back(static_cast<std::uint8_t>(x));
        } else {
            SetHuzasok(d, e.Db, g.HuzottSzamok + 3);
            for (int i = 0; i < e.Db; ++i) {
                TTombInt1D& h = d.Huzasok[static_cast<std::size_t>(i)];
                if (i % 9 == 4) {
                    // A repeat of an earlier draw event.
                    h = d.Huzasok[static_cast<std::size_t>(i) / 3];
                } else {
                    const std::vector<int> a = sor();
                    std::copy(a.begin(), a.end(), h.begin() + 3);
                    // Every other event of a two-drawing game has its second drawing.
                    if (g.TobbSorsolas && i % 2 == 0) {
                        const std::vector<int> m = sor();
                        std::copy(m.begin(), m.begin() + e.Fo, h.begin() + g.MasodikHuzasOszlop);
                    }
                }
                h[0] = i + 1;
            }
            b.TartomanyElso = 2;
            b.TartomanyUtolso = e.Db;
        }
        const BlokkSorForras src(blokk.data(), e.Variacio ? e.Db : 0, e.Fo + e.Plusz);
        const Osszkep par = futtat(b, d, src, TalalatiModszer::Paronkent, 4);
        ASSERT_GT(par.ParDb, static_cast<std::int64_t>(kAzonosParMax)) << e.Nev;
        for (const int szalak : {1, 3})
            EXPECT_EQ(futtat(b, d, src, TalalatiModszer::Reszhalmazok, szalak), par) << e.Nev << " threads " << szalak;
        // The method the work calls for gives the same.
        EXPECT_EQ(futtat(b, d, src, TalalatiModszer::Automatikus, 0), par) << e.Nev;
    }
}

TEST(TalalatiAranyok, AStopWhileTheLinesAreReadStoresNothingByEitherMethod)
{
    std::vector<std::uint8_t> blokk(30000 * 5);
    std::mt19937 r(3);
    for (std::uint8_t& x : blokk)
        x = static_cast<std::uint8_t>(r() % 40);
    const BlokkSorForras src(blokk.data(), 30000, 5);
    TalalatiAranyBemenet b;
    b.Jatek = jatek(0);
    b.StatForras = 1;
    b.K = 5;
    b.Szalak = 3;
    for (const TalalatiModszer m : {TalalatiModszer::Paronkent, TalalatiModszer::Reszhalmazok}) {
        b.Modszer = m;
        Futas f;
        f.F.StatisztikaFut = true;
        const teszt::LeallitoForras leallito(src, f.F, 20000);
        EXPECT_FALSE(TalalatiAranyok(12, f.Cache, b, DrawsState{}, leallito, f.F, f.E, f.A));
        EXPECT_FALSE(f.Cache.Van(12));
        EXPECT_EQ(f.A.ParDb, 0);
    }
}

}  // namespace
