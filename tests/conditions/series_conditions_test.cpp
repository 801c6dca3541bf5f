#include "conditions/series_conditions.h"

#include <gtest/gtest.h>

using namespace kvx;

namespace {

SorozatKornyezet Kornyezet(int n, int k)
{
    SorozatKornyezet e;
    for (int i = 1; i <= n; ++i) e.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
    e.KijeloltFoSzamDb = n;
    e.VariacioFoMeret = e.VariacioMeret = k;
    return e;
}

}  // namespace

TEST(Sorozat, LimitsFollowTheSelectionAndThePatterns)
{
    struct Eset {
        const char* nev;
        TSorozatFeltetel r;
        Korlat tavolsag, eset, mintaDb;
    };
    auto minta = [](std::int32_t db, std::initializer_list<TMinta> m) {
        TSorozatFeltetel r;
        r.DbMinta = db;
        std::size_t i = 0;
        for (const TMinta& x : m) r.Minta[i++] = x;
        return r;
    };
    const Eset esetek[] = {
        // 1..20, k = 5: distances 0..15; distance 4 fits 20 div 4 = 5 times, held to k - 1.
        {"distance 4", minta(1, {{4, 4, 0, 4, 0}}), {0, 15}, {0, 4}, {0, 1}},
        // distance 7 fits 20 div 7 = 2 times.
        {"distance 7", minta(1, {{7, 9, 0, 4, 0}}), {0, 15}, {0, 2}, {0, 1}},
        // One pattern must occur, the other may not: 1..1.
        {"must and may not", minta(2, {{0, 1, 1, 2, 0}, {2, 3, 0, 0, 0}}), {0, 15}, {0, 4}, {1, 1}},
        // Five patterns, four distances in a line: at most 4.
        {"more patterns than gaps",
         minta(5, {{0, 0, 0, 1, 0}, {1, 1, 0, 1, 0}, {2, 2, 0, 1, 0}, {3, 3, 0, 1, 0}, {4, 4, 0, 1, 0}}),
         {0, 15},
         {0, 4},
         {0, 4}},
    };
    for (const Eset& c : esetek) {
        TSorozatFeltetel r = c.r;
        bool sorrend = false;
        std::int32_t akt = 1;
        const SorozatNezet v = SorozatNormalizalas(r, sorrend, akt, false, Kornyezet(20, 5));
        ASSERT_FALSE(v.Ervenytelen) << c.nev;
        EXPECT_EQ(v.Fesztav, 20);
        EXPECT_EQ(v.Tavolsag, c.tavolsag) << c.nev;
        EXPECT_EQ(v.Eset, c.eset) << c.nev;
        EXPECT_EQ(v.MintaDb, c.mintaDb) << c.nev;
        EXPECT_GE(r.MintaDbMin, v.MintaDb.Min) << c.nev;
        EXPECT_LE(r.MintaDbMax, v.MintaDb.Max) << c.nev;
    }
    TSorozatFeltetel r;
    bool sorrend = false;
    std::int32_t akt = 1;
    EXPECT_TRUE(SorozatNormalizalas(r, sorrend, akt, false, Kornyezet(9, 5)).Ervenytelen) << "fewer than 2k numbers";
}

TEST(Sorozat, ValuesDragAndTheOrderOptionNeedsTwoPatterns)
{
    TSorozatFeltetel r;
    r.DbMinta = 2;
    r.Minta[0] = {3, 1, 2, 1, 0};
    bool sorrend = false;
    std::int32_t akt = 1;
    SorozatNormalizalas(r, sorrend, akt, true, Kornyezet(20, 5), SorozatMezo::TavolsagMin);
    EXPECT_EQ(r.Minta[0].TavolsagMax, 3) << "the maximum follows a raised minimum";
    EXPECT_EQ(r.Minta[0].EsetMax, 2);
    r.Minta[0].EsetMax = 0;
    SorozatNormalizalas(r, sorrend, akt, true, Kornyezet(20, 5), SorozatMezo::EsetMax);
    EXPECT_EQ(r.Minta[0].EsetMin, 0) << "the minimum follows a lowered maximum";

    // MintaDbMax 1: the order box is disabled and the flag stays 0.
    r.Minta[0] = {0, 1, 1, 3, 0};
    r.Minta[1] = {2, 4, 0, 0, 0};
    r.MintaDbMax = 1;
    SorozatNezet v = SorozatNormalizalas(r, sorrend, akt, true, Kornyezet(20, 5));
    EXPECT_FALSE(v.SorrendEngedelyezett);
    EXPECT_FALSE(sorrend);
    EXPECT_EQ(r.Minta[0].Tartalek, 0);

    // Two patterns that may occur: the order option lists only the first
    // MintaDbMax patterns and hides the minimum.
    r.Minta[1] = {2, 4, 0, 2, 0};
    r.MintaDbMax = 2;
    v = SorozatNormalizalas(r, sorrend, akt, true, Kornyezet(20, 5), SorozatMezo::MintaDbMax);
    EXPECT_TRUE(v.SorrendEngedelyezett);
    EXPECT_TRUE(sorrend);
    EXPECT_EQ(r.Minta[0].Tartalek, 1);
    EXPECT_FALSE(v.MintaDbMinLathato);
    EXPECT_EQ(v.SorrendFelirat, " Az első 2 minta sorrendje szerint teljesült eloszlások.");
    EXPECT_TRUE(v.Lista.ends_with("\r\n Az első 2 minta sorrendje szerint teljesült eloszlások. "));
}

TEST(Sorozat, PatternLine)
{
    TSorozatFeltetel r;
    r.DbMinta = 1;
    r.Minta[0] = {0, 2, 1, 3, 0};
    r.MintaDbMin = 1;
    r.MintaDbMax = 1;
    EXPECT_EQ(SorozatokTetelesList(r, 0),
              "  1. minta: minimum  0, maximum  2 szám távolság lehet; minimum 1, maximum 3 esetben. ");
    EXPECT_EQ(
        SorozatokListaja(r, false),
        " Kijelölt minták listája\r\n  1. minta: minimum  0, maximum  2 szám távolság lehet; minimum 1, maximum 3 "
        "esetben. \r\n Minimum 1, maximum 1 minta fordulhat elő egy számsorban. ");
}
