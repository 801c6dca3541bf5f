// Even/odd, repetition and event statistics against a brute force over small
// draws tables and variations.
#include "statistics/line_properties.h"

#include "app/game_table.h"
#include "draws/draws_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>

namespace {

using namespace kvx;

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

const std::set<int> kPrimek = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47,
                               53, 59, 61, 67, 71, 73, 79, 83, 89};

// What one line adds, worked out from the definitions directly.
struct Varhato {
    int ParosCsoport = 0, Paros = 0, Iker = 0, Tukor = 0, Prim = 0;
    int CsoportSor = 0, CsoportOszlop = 0, VegSor = 2, VegOszlop = 0;
};

Varhato kezzel(const std::vector<int>& sor, int fo)
{
    Varhato v;
    for (int n : sor) {
        if (n < 1 || n > fo)
            continue;
        v.Paros += n % 2 == 0;
        v.ParosCsoport += (n / 10) % 2 == 0;
        v.Iker += n / 10 == n % 10;
        v.Prim += kPrimek.count(n) > 0;
    }
    for (std::size_t i = 0; i < sor.size(); ++i)
        for (std::size_t j = i + 1; j < sor.size(); ++j) {
            const int a = sor[i], b = sor[j];
            v.Tukor += a > 9 && b > 9 && a <= fo && b <= fo && a != b && a / 10 == b % 10 && a % 10 == b / 10;
        }
    // Repeats: every group of g numbers adds g - 1; two or more repeating
    // groups go to the "several groups" row.
    for (int menet = 0; menet < 2; ++menet) {
        std::map<int, int> csoport;
        for (int n : sor)
            ++csoport[menet == 0 ? n / 10 : n % 10];
        int ism = 0, csoportok = 0;
        for (auto [k, db] : csoport) {
            ism += db - 1;
            csoportok += db > 1;
        }
        (menet == 0 ? v.CsoportSor : v.VegSor) = (csoportok > 1 ? 1 : 0) + 2 * menet;
        (menet == 0 ? v.CsoportOszlop : v.VegOszlop) = ism + 1;
    }
    return v;
}

struct Futtato {
    StatMasolat Cache;
    StatFutas Futas;
    StatEredmeny Eredmeny;
    SzamTulajdonsagok Tul;
    bool Fut(int tag, const SzamsorBemenet& b, const DrawsState& d, const VariacioSorForras& src)
    {
        Futas.StatisztikaFut = true;
        return SzamsorTulajdonsagStatisztika(tag, Cache, b, d, src, Futas, Eredmeny, Tul);
    }
};

// Draws whose rows hold the given lines (and second drawings when given).
DrawsState huzasok(const GameParams& g, const std::vector<std::vector<int>>& sorok,
                   const std::vector<std::vector<int>>& masodik = {})
{
    DrawsState d;
    SetHuzasok(d, static_cast<int>(sorok.size()), g.HuzottSzamok + 3);
    for (std::size_t i = 0; i < sorok.size(); ++i) {
        TTombInt1D& r = d.Huzasok[i];
        r[0] = static_cast<int>(i) + 1;
        for (std::size_t j = 0; j < sorok[i].size(); ++j)
            r[3 + j] = sorok[i][j];
        if (i < masodik.size())
            for (std::size_t j = 0; j < masodik[i].size(); ++j)
                r[static_cast<std::size_t>(g.MasodikHuzasOszlop) + j] = masodik[i][j];
    }
    return d;
}

std::vector<std::vector<int>> veletlenSorok(int db, int k, int fo, unsigned mag)
{
    std::mt19937 r(mag);
    std::vector<std::vector<int>> s;
    std::vector<int> pool(static_cast<std::size_t>(fo));
    for (int i = 0; i < fo; ++i)
        pool[static_cast<std::size_t>(i)] = i + 1;
    for (int i = 0; i < db; ++i) {
        std::shuffle(pool.begin(), pool.end(), r);
        std::vector<int> l(pool.begin(), pool.begin() + k);
        std::sort(l.begin(), l.end());
        s.push_back(l);
    }
    return s;
}

// Checks the three tables of a run over lines against the brute force.
void osszevet(Futtato& f, const SzamsorBemenet& b, const DrawsState& d, const VariacioSorForras& src,
              const std::vector<std::vector<int>>& sorok)
{
    const int K = b.K;
    const int fo = b.Jatek.FoSzamKeszlet;
    TTombInt2D po(2, TTombInt1D(static_cast<std::size_t>(K + 2), 0)), ism = po, es = po;
    ism.resize(4, TTombInt1D(static_cast<std::size_t>(K + 2), 0));
    es.resize(3, TTombInt1D(static_cast<std::size_t>(K + 2), 0));
    for (const auto& s : sorok) {
        const Varhato v = kezzel(s, fo);
        ++po[0][static_cast<std::size_t>(v.ParosCsoport + 1)];
        ++po[1][static_cast<std::size_t>(v.Paros + 1)];
        ++ism[static_cast<std::size_t>(v.CsoportSor)][static_cast<std::size_t>(v.CsoportOszlop)];
        ++ism[static_cast<std::size_t>(v.VegSor)][static_cast<std::size_t>(v.VegOszlop)];
        ++es[0][static_cast<std::size_t>(v.Iker + 1)];
        ++es[1][static_cast<std::size_t>(v.Tukor + 1)];
        ++es[2][static_cast<std::size_t>(v.Prim + 1)];
    }
    const int v = b.StatForras;
    const std::pair<int, const TTombInt2D*> esetek[] = {{v ? 10 : 5, &po}, {v ? 11 : 6, &ism}, {v ? 13 : 7, &es}};
    for (const auto& [tag, var] : esetek) {
        ASSERT_TRUE(f.Fut(tag, b, d, src)) << tag;
        ASSERT_EQ(f.Eredmeny.SortArrayOszlopDb(), K + 2);
        for (std::size_t r = 0; r < var->size(); ++r)
            for (int c = 1; c < K + 2; ++c)
                EXPECT_EQ(f.Eredmeny.SortArray[r][static_cast<std::size_t>(c)], (*var)[r][static_cast<std::size_t>(c)])
                    << "tag " << tag << " row " << r << " col " << c;
        EXPECT_TRUE(f.Cache.Van(tag));
    }
}

const BlokkSorForras kUres(nullptr, 0, 1);

TEST(SzamsorTulajdonsagok, HandPickedDrawsLandInTheirColumns)
{
    const GameParams g = jatek(0);
    struct Eset {
        std::vector<int> Sor;
        int Tag, Sorindex, Oszlop;
    };
    // One-draw databases: the single line lands in exactly one column per row.
    const Eset esetek[] = {
        {{2, 11, 23, 32, 89}, 5, 1, 3},  // even 2, 32
        {{2, 11, 23, 32, 89}, 5, 0, 4},  // even tens group: 2, 23, 89
        {{2, 11, 23, 32, 89}, 7, 0, 2},  // twin 11
        {{2, 11, 23, 32, 89}, 7, 1, 2},  // mirror 23/32
        {{2, 11, 23, 32, 89}, 7, 2, 5},  // primes 2, 11, 23, 89
        {{12, 15, 18, 34, 37}, 6, 1, 4}, // a = 2 in group 1, b = 1 in group 3
        {{1, 2, 3, 40, 71}, 6, 0, 3},    // one group, two repeats
        {{10, 20, 30, 41, 52}, 6, 2, 3}, // last digit 0 three times
        {{19, 91, 10, 1, 55}, 7, 1, 1},  // 91 > 90 has no place; 10/01 no pair
    };
    for (const Eset& e : esetek) {
        Futtato f;
        const DrawsState d = huzasok(g, {e.Sor});
        SzamsorBemenet b;
        b.Jatek = g;
        b.K = 5;
        b.TartomanyUtolso = 1;
        ASSERT_TRUE(f.Fut(e.Tag, b, d, kUres));
        const TTombInt1D& r = f.Eredmeny.SortArray[static_cast<std::size_t>(e.Sorindex)];
        EXPECT_EQ(r[static_cast<std::size_t>(e.Oszlop)], 1) << e.Sor[0] << " tag " << e.Tag;
        EXPECT_EQ(std::accumulate(r.begin() + 1, r.end(), 0), 1);
    }
}

TEST(SzamsorTulajdonsagok, PoolAndSelectionCounts)
{
    StatJelzok j;
    const GameParams g = jatek(0);
    // 21 then 12 selected: one selected mirror pair whatever the order.
    for (const TTombByte1D& kij : {TTombByte1D{21, 5, 12}, TTombByte1D{12, 21, 5}}) {
        const SzamTulajdonsagok t = AdatbazisJelzoBeallitas(g, 1, kij, 3, j);
        EXPECT_EQ(t.KijeloltTukorparDb, 1);
        EXPECT_EQ(t.KijeloltPrimszamDb, 1);
        EXPECT_EQ(t.KijeloltParosDb, 1);
        EXPECT_EQ(t.KijeloltParosCsoportDb, 2);  // 5 and 21
    }
    const SzamTulajdonsagok t = AdatbazisJelzoBeallitas(g, 0, {}, 0, j);
    EXPECT_EQ(t.ParosSzamDb, 45);
    EXPECT_EQ(t.IkerszamDb, 8);   // 11..88 (99 is outside the pool)
    EXPECT_EQ(t.PrimszamDb, 24);
    EXPECT_EQ(t.ParosCsoportSzamDb, 9 + 10 + 10 + 10 + 10);  // groups 0, 2, 4, 6, 8
    // Mirror pairs of two different digits 1..8 (a 9 makes the larger one
    // above 90).
    EXPECT_EQ(t.TukorparDb, 28);
    EXPECT_EQ(t.KijeloltTukorparDb, 0);
    EXPECT_EQ(j.StatTukorPar[22], 31);
    EXPECT_EQ(j.StatTukorPar[10], -1);
    // Above 95 nothing is prime, extra-pool numbers have no bits.
    StatJelzok k;
    AdatbazisJelzoBeallitas(jatek(27), 0, {}, 0, k);
    for (std::size_t n = 70; n < k.StatSzamJelzo.size(); ++n)
        EXPECT_EQ(k.StatSzamJelzo[n], 0) << n + 1;
}

TEST(SzamsorTulajdonsagok, RandomDatabasesMatchTheBruteForce)
{
    for (int index : {0, 1, 8, 24}) {
        const GameParams g = jatek(index);
        const int K = g.HuzottFoSzamokPluszNelkul;
        auto sorok = veletlenSorok(300, K, g.FoSzamKeszlet, 7u + static_cast<unsigned>(index));
        const DrawsState d = huzasok(g, sorok);
        SzamsorBemenet b;
        b.Jatek = g;
        b.K = K;
        // A range inside the table: rows 11..250.
        b.TartomanyElso = 11;
        b.TartomanyUtolso = 250;
        Futtato f;
        osszevet(f, b, d, kUres, std::vector<std::vector<int>>(sorok.begin() + 10, sorok.begin() + 250));
    }
}

TEST(SzamsorTulajdonsagok, SecondDrawingsAreLinesOfTheirOwn)
{
    const GameParams g = jatek(2);
    auto elso = veletlenSorok(40, 7, 35, 3);
    auto masodik = veletlenSorok(40, 7, 35, 4);
    for (std::size_t i = 0; i < masodik.size(); i += 3)
        masodik[i].assign(7, 0);  // no second drawing in these rows
    const DrawsState d = huzasok(g, elso, masodik);
    std::vector<std::vector<int>> mind = elso;
    for (const auto& s : masodik)
        if (s[0] > 0)
            mind.push_back(s);
    SzamsorBemenet b;
    b.Jatek = g;
    b.K = 7;
    b.TartomanyUtolso = 40;
    Futtato f;
    osszevet(f, b, d, kUres, mind);
    EXPECT_EQ(f.Futas.CiklusDb.load(), 2);
}

TEST(SzamsorTulajdonsagok, VariationLinesMapThroughTheSelection)
{
    const GameParams g = jatek(0);
    // Twelve selected numbers, three of them fixed: K = 2, the lines hold
    // indexes of the varied ones.
    const TTombByte1D kij = {3, 13, 31, 22, 45, 54, 7, 70, 77, 89, 90, 11};
    std::mt19937 r(11);
    std::vector<std::uint8_t> blokk;
    std::vector<std::vector<int>> sorok;
    for (int i = 0; i < 200; ++i) {
        int a = static_cast<int>(r() % 12), c = static_cast<int>(r() % 12);
        if (a == c)
            c = (c + 1) % 12;
        blokk.push_back(static_cast<std::uint8_t>(a));
        blokk.push_back(static_cast<std::uint8_t>(c));
        sorok.push_back({kij[static_cast<std::size_t>(a)], kij[static_cast<std::size_t>(c)]});
    }
    const BlokkSorForras src(blokk.data(), 200, 2);
    SzamsorBemenet b;
    b.Jatek = g;
    b.StatForras = 1;
    b.K = 2;
    b.KijeloltSzamok = kij;
    b.KijeloltFoSzamDb = 12;
    Futtato f;
    osszevet(f, b, DrawsState{}, src, sorok);
    EXPECT_EQ(f.Tul.KijeloltTukorparDb, 2);  // 13/31 and 45/54
    EXPECT_EQ(f.Tul.KijeloltIkerszamDb, 3);  // 22, 77, 11
    EXPECT_EQ(TablaOsszeg(f.Eredmeny.SortArray, 2),
              std::count_if(sorok.begin(), sorok.end(), [](auto& s) { return kPrimek.count(s[0]); }) +
                  std::count_if(sorok.begin(), sorok.end(), [](auto& s) { return kPrimek.count(s[1]); }));
}

TEST(SzamsorTulajdonsagok, CancelledRunStoresNothingAndEmptyRangeGivesZeros)
{
    const GameParams g = jatek(0);
    const DrawsState d = huzasok(g, veletlenSorok(50, 5, 90, 1));
    SzamsorBemenet b;
    b.Jatek = g;
    b.K = 5;
    b.TartomanyElso = 30;
    b.TartomanyUtolso = 29;  // first after the last
    Futtato f;
    ASSERT_TRUE(f.Fut(5, b, d, kUres));
    EXPECT_EQ(TablaOsszeg(f.Eredmeny.SortArray, 1), 0);
    EXPECT_EQ(std::accumulate(f.Eredmeny.SortArray[1].begin() + 1, f.Eredmeny.SortArray[1].end(), 0), 0);

    Futtato h;
    b.TartomanyElso = 1;
    b.TartomanyUtolso = 50;
    h.Futas.StatisztikaFut = false;
    EXPECT_FALSE(SzamsorTulajdonsagStatisztika(6, h.Cache, b, d, kUres, h.Futas, h.Eredmeny, h.Tul));
    EXPECT_FALSE(h.Cache.Van(6));
}

}  // namespace
