#include "conditions/sample_presets.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace kvx {
namespace {

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

// Three 5/90 draws: 2 11 21 31 41, 3 12 22 32 42, 4 13 23 33 43.
DrawsState haromHuzas(const GameParams& g)
{
    DrawsState d;
    SetHuzasok(d, 3, g.HuzottSzamok + 3);
    for (int i = 0; i < 3; ++i) {
        TTombInt1D& s = d.Huzasok[static_cast<std::size_t>(i)];
        s[0] = i + 1;
        s[1] = 2020;
        s[2] = i + 1;
        for (int k = 0; k < 5; ++k)
            s[static_cast<std::size_t>(3 + k)] = 2 + i + 10 * k - (k > 0 ? 1 : 0);
    }
    d.AdatbazisBetoltve = true;
    return d;
}

// One 5/90 line worked through by hand: 7 23 41 58 84.
//  fixed groups: blocks of 40 hold 2 + 2 numbers (84 is past the last
//    block); 40 / 2 = 20 is the widest block per number -> 40, 2;
//  mobile groups: the narrowest window of 3 numbers (T = 3) is 41 - 7 = 34;
//    C(34, 2) > 34 but 2 x the smallest gap 16 < 34 keeps it -> 34, 2;
//  favourite: 7 .. 41 holds 3 numbers, 34 / 3 the best ratio;
//  hit ratio: the best earlier draw hit 1 number (41, or 23) -> lines with
//    2..5 hits are left out; sum 213.
TEST(PeldaBeallitasok, OneFiveOfNinetyLineByHand)
{
    const GameParams g = jatek(0);
    ASSERT_EQ(g.TalalatKuszob, 3);
    const DrawsState d = haromHuzas(g);
    ASSERT_EQ(d.Huzasok[0][7], 41);
    SzamJelzok j;
    j.RendezettSzamok = {7, 23, 41, 58, 84};
    j.SzcsParosUD = 2;
    j.SzvParosUD = 2;
    j.SzcsIsmetCsoportDb = 0;
    j.SzcsIsmetOsszes = 0;
    j.SzvIsmetCsoportDb = 0;
    j.SzvIsmetOsszes = 0;
    j.IkerszamMaxUD = 0;
    j.TukorszamMaxUD = 0;
    PeldaBemenet b;
    b.L = {7, 23, 41, 58, 84};
    b.VariacioFoMeret = 5;
    b.Jelzok = &j;
    b.Huzasok = &d;
    b.UtolsoHuzas = 3;
    FeltetelRekordok f;
    PeldaBeallitasok(f, g, b);

    EXPECT_EQ(f.FixFeltetelPelda.Allapot, 1);
    EXPECT_EQ(f.FixFeltetelPelda.Meret, 40);
    EXPECT_EQ(f.FixFeltetelPelda.TalalatMax, 2);
    EXPECT_EQ(f.MobFeltetelPelda.Allapot, 1);
    EXPECT_EQ(f.MobFeltetelPelda.Meret, 34);
    EXPECT_EQ(f.MobFeltetelPelda.TalalatMax, 2);
    EXPECT_EQ((std::vector<int>{f.FavFeltetelPelda.Allapot, f.FavFeltetelPelda.ElsoIndex, f.FavFeltetelPelda.UtolsoIndex,
                                f.FavFeltetelPelda.TalalatMin, f.FavFeltetelPelda.TalalatMax}),
              (std::vector<int>{1, 7, 41, 3, 3}));
    const TTalalatiAranyFeltetel& t = f.TalalatiAranyFeltetelPelda;
    EXPECT_EQ(t.Allapot, 1);
    EXPECT_EQ(t.DbTartomany, 1);
    EXPECT_EQ(t.Tipus[0], 0);
    EXPECT_EQ(t.TalalatMin[0], 2);
    EXPECT_EQ(t.TalalatMax[0], 5);
    EXPECT_EQ(t.ElsoHuzas[0], 1);
    EXPECT_EQ(t.UtolsoHuzas[0], 3);
    EXPECT_EQ(f.OsszegFeltetelPelda.Min, 213);
    EXPECT_EQ(f.OsszegFeltetelPelda.Max, 213);
    EXPECT_EQ(f.SzcsParosFeltetelPelda.Min, 2);
    // No repeated tens group: one each ("Egy"), and the count is that of groups.
    EXPECT_EQ(f.SzcsIsmetFeltetelPelda.Szama, 1);

    // Nothing reaches the working records before the copy.
    EXPECT_EQ(f.FixFeltetel.Allapot, 0);
    PeldaMasolas(f);
    EXPECT_EQ(f.FixFeltetel, f.FixFeltetelPelda);
    EXPECT_EQ(f.TalalatiAranyFeltetel, f.TalalatiAranyFeltetelPelda);
    EXPECT_EQ(f.TukorszamFeltetel, f.TukorszamFeltetelPelda);
}

TEST(PeldaBeallitasok, HitRatioPresetNeedsThreeEarlierDrawsAndFollowsTheBestHit)
{
    const GameParams g = jatek(0);
    const DrawsState d = haromHuzas(g);
    struct Eset {
        const char* nev;
        TTombInt1D L;
        std::int32_t utolso;
        int allapot, tipus, min, max;
    };
    const Eset esetek[] = {
        {"first or second draw", {7, 23, 41, 58, 84}, 2, 0, 0, 0, 0},
        {"a draw hit in four", {2, 11, 21, 31, 84}, 3, 1, 1, 4, 4},
        {"a draw hit in full", {3, 12, 22, 32, 42}, 3, 1, 1, 4, 5},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        PeldaBemenet b;
        b.L = e.L;
        b.VariacioFoMeret = 5;
        b.Huzasok = &d;
        b.UtolsoHuzas = e.utolso;
        FeltetelRekordok f;
        PeldaBeallitasok(f, g, b);
        const TTalalatiAranyFeltetel& t = f.TalalatiAranyFeltetelPelda;
        EXPECT_EQ(t.Allapot, e.allapot);
        if (e.allapot) {
            EXPECT_EQ(t.Tipus[0], e.tipus);
            EXPECT_EQ(t.TalalatMin[0], e.min);
            EXPECT_EQ(t.TalalatMax[0], e.max);
        }
    }
}

TEST(PeldaBeallitasok, ShortKenoLinesGetNoGroupPresetsAndNeighboursNoMobileGroup)
{
    for (int jatekIndex : {15, 16}) {
        const GameParams g = jatek(jatekIndex);
        PeldaBemenet b;
        b.L = {5, 40, 79};
        b.L.resize(static_cast<std::size_t>(g.SzamsorFoSzamDb));
        b.VariacioFoMeret = g.SzamsorFoSzamDb;
        FeltetelRekordok f;
        f.FixFeltetelPelda.Allapot = f.MobFeltetelPelda.Allapot = f.FavFeltetelPelda.Allapot = 1;
        PeldaBeallitasok(f, g, b);
        EXPECT_EQ(f.FixFeltetelPelda.Allapot, 0) << jatekIndex;
        EXPECT_EQ(f.MobFeltetelPelda.Allapot, 0) << jatekIndex;
        EXPECT_EQ(f.FavFeltetelPelda.Allapot, 0) << jatekIndex;
        EXPECT_EQ(f.OsszegFeltetelPelda.Allapot, 1) << jatekIndex;
    }
    // Two neighbouring numbers rule out the one-number-per-gap candidate:
    // the narrowest window of three numbers (88 - 50) stays.
    const GameParams g = jatek(0);
    PeldaBemenet b;
    b.L = {10, 11, 50, 70, 88};
    b.VariacioFoMeret = 5;
    FeltetelRekordok f;
    PeldaBeallitasok(f, g, b);
    EXPECT_EQ(f.MobFeltetelPelda.Allapot, 1);
    EXPECT_EQ(f.MobFeltetelPelda.Meret, 38);
    EXPECT_EQ(f.MobFeltetelPelda.TalalatMax, 2);
    // Evenly spread numbers: the smallest gap (18) fits the window of three
    // numbers (36) twice, so one number per 18 is the preset.
    b.L = {1, 19, 37, 55, 73};
    PeldaBeallitasok(f, g, b);
    EXPECT_EQ(f.MobFeltetelPelda.Allapot, 1);
    EXPECT_EQ(f.MobFeltetelPelda.Meret, 18);
    EXPECT_EQ(f.MobFeltetelPelda.TalalatMax, 1);
    EXPECT_EQ(f.TalalatiAranyFeltetelPelda.Allapot, 0);  // no draws
}

TEST(PeldaHuzasSzamai, KenoTakesDistinctDrawnNumbersOtherGamesTheLine)
{
    std::mt19937 gen(3);
    const PeldaVeletlen veletlen = [&](std::int32_t n) { return static_cast<std::int32_t>(gen() % static_cast<unsigned>(n)); };
    const GameParams keno = jatek(8);
    ASSERT_EQ(keno.SzamsorHossz, 10);
    TTombInt1D sor{1, 2024, 5};
    for (int n = 1; n <= 20; ++n)
        sor.push_back(4 * n);
    std::set<std::int32_t> valaha;
    for (int proba = 0; proba < 200; ++proba) {
        const TTombInt1D p = PeldaHuzasSzamai(sor, keno, 3, veletlen);
        ASSERT_EQ(p.size(), 10u);
        const std::set<std::int32_t> kulonbozo(p.begin(), p.end());
        ASSERT_EQ(kulonbozo.size(), 10u);
        for (std::int32_t n : p) {
            EXPECT_EQ(n % 4, 0);
            valaha.insert(n);
        }
    }
    EXPECT_EQ(valaha.size(), 20u);  // every drawn number can be picked
    // A generator that always answers 0 still gives ten numbers.
    EXPECT_EQ(PeldaHuzasSzamai(sor, keno, 3, [](std::int32_t) { return 0; }).size(), 10u);

    const GameParams ket = jatek(2);  // 7/35, two drawings
    TTombInt1D sor2{1, 2024, 5, 1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17};
    EXPECT_EQ(PeldaHuzasSzamai(sor2, ket, ket.MasodikHuzasOszlop, veletlen), (TTombInt1D{11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(PeldaHuzasSzamai(sor2, ket, 3, veletlen), (TTombInt1D{1, 2, 3, 4, 5, 6, 7}));
}

}  // namespace
}  // namespace kvx
