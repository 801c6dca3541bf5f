#include "conditions/hit_ratio_conditions.h"

#include <gtest/gtest.h>

using namespace kvx;

namespace {

TalArKornyezet Kornyezet(bool adatbazis, std::int32_t huzasok)
{
    TalArKornyezet e;
    e.AdatbazisBetoltve = adatbazis;
    e.HuzasokSzama = huzasok;
    e.VariacioFoMeret = 5;
    return e;
}

}  // namespace

// (draws in the database, saved range) -> the range after ticking the box.
TEST(TalalatiArany, RangesAreFittedToTheDrawsWhenTheBoxIsTicked)
{
    struct Eset {
        bool adatbazis;
        std::int32_t huzasok, elso, utolso, vartElso, vartUtolso;
    };
    const Eset esetek[] = {
        {true, 50, 10, 80, 10, 50},                                   // last cut to the table
        {true, 50, 60, 80, 1, 50},                                    // the cut leaves first after last
        {true, 120, 120, 120, 120, 120},                              // a one-draw range stays
        {true, 120, 1, 1, 1, 1},         {true, 120, 30, 20, 1, 20},  // first after last
        {true, 120, 0, 0, 1, 1},                                      // an empty record
        {false, 0, 60, 80, 60, 80},                                   // no database: nothing to cut to
        {false, 0, 5, 3, 1, 3},          {false, 0, 0, -4, 1, 1},
    };
    for (const Eset& c : esetek) {
        TTalalatiAranyFeltetel r;
        r.DbTartomany = 1;
        r.ElsoHuzas[0] = c.elso;
        r.UtolsoHuzas[0] = c.utolso;
        TalArBejeloles(r, Kornyezet(c.adatbazis, c.huzasok));
        EXPECT_EQ(r.ElsoHuzas[0], c.vartElso) << c.huzasok << " " << c.elso << ".." << c.utolso;
        EXPECT_EQ(r.UtolsoHuzas[0], c.vartUtolso) << c.huzasok << " " << c.elso << ".." << c.utolso;
        // Ticking again changes nothing.
        TalArBejeloles(r, Kornyezet(c.adatbazis, c.huzasok));
        EXPECT_EQ(r.ElsoHuzas[0], c.vartElso);
        EXPECT_EQ(r.UtolsoHuzas[0], c.vartUtolso);
    }
}

TEST(TalalatiArany, OnlyRangesInUseAreFittedAndTheCurrentRangeFollowsTheCount)
{
    TTalalatiAranyFeltetel r;
    r.DbTartomany = 2;
    r.AktTartomany = 5;
    for (int i = 0; i < 10; ++i) {
        r.ElsoHuzas[static_cast<std::size_t>(i)] = 90;
        r.UtolsoHuzas[static_cast<std::size_t>(i)] = 95;
    }
    TalArHatarok(r, Kornyezet(true, 50), TalArMezo::Nincs);
    EXPECT_EQ(r.AktTartomany, 1);
    TalArHuzasIgazitas(r, Kornyezet(true, 50));
    EXPECT_EQ(r.UtolsoHuzas[1], 50);
    EXPECT_EQ(r.ElsoHuzas[1], 1);
    EXPECT_EQ(r.ElsoHuzas[2], 90) << "entries beyond the count keep their values";
}

// A raised minimum drags its maximum, a lowered maximum its minimum, for
// both pairs; values are held to their up-downs.
TEST(TalalatiArany, LimitPairsDragEachOther)
{
    struct Eset {
        TalArMezo mezo;
        std::int32_t min, max, pbMin, pbMax;
        std::int32_t vMin, vMax, vPbMin, vPbMax;
    };
    const Eset esetek[] = {
        {TalArMezo::Min, 4, 2, 0, 1, 4, 4, 0, 1},   {TalArMezo::Max, 4, 2, 0, 1, 2, 2, 0, 1},
        {TalArMezo::PBMin, 1, 3, 2, 1, 1, 3, 2, 2}, {TalArMezo::PBMax, 1, 3, 2, 1, 1, 3, 1, 1},
        {TalArMezo::Max, 0, 9, 0, 7, 0, 5, 0, 2},  // held to k and to the extra count
    };
    for (const Eset& c : esetek) {
        TTalalatiAranyFeltetel r;
        r.DbTartomany = 1;
        r.TalalatMin[0] = c.min;
        r.TalalatMax[0] = c.max;
        r.PBMin[0] = c.pbMin;
        r.PBMax[0] = c.pbMax;
        TalArKornyezet e = Kornyezet(true, 10);
        e.PluszSzamDb = 2;
        e.VanPluszSzam = true;
        TalArHatarok(r, e, c.mezo);
        EXPECT_EQ(r.TalalatMin[0], c.vMin);
        EXPECT_EQ(r.TalalatMax[0], c.vMax);
        EXPECT_EQ(r.PBMin[0], c.vPbMin);
        EXPECT_EQ(r.PBMax[0], c.vPbMax);
    }
}

TEST(TalalatiArany, RangeListShowsHitsAndTheDrawBuiltNote)
{
    TTalalatiAranyFeltetel r;
    r.DbTartomany = 2;
    r.Tipus = {1, 0};
    r.TalalatMin[0] = 1;
    r.TalalatMax[0] = 3;
    r.ElsoHuzas[0] = 1;
    r.UtolsoHuzas[0] = 100;
    r.TalalatMin[1] = r.TalalatMax[1] = 2;
    r.ElsoHuzas[1] = 5;
    r.UtolsoHuzas[1] = 9;
    const TalArKornyezet e = Kornyezet(true, 200);
    EXPECT_EQ(TartomanyList(r, e),
              " Kijelölt tartományok listája\r\n  1. tartomány: keresett, 1 - 3 találati arányra, 1. - 100. húzások "
              "\r\n  2. tartomány: kizárt, 2 találati arányra, 5. - 9. húzások ");

    // With the extra pool both pairs show; equal pairs show once.
    r.PBMax[0] = 1;
    EXPECT_EQ(TalArTalalatok(r, 0, true), "1+0  -  3+1");
    EXPECT_EQ(TalArTalalatok(r, 1, true), "2+0");

    // Draw-built: every range searched, and the note at the end.
    r.Forras = 1;
    EXPECT_TRUE(TalArForrasTipus(r));
    EXPECT_FALSE(TalArForrasTipus(r));
    const std::string s = TartomanyList(r, e);
    EXPECT_EQ(r.Tipus[1], 1);
    EXPECT_NE(s.find("2. tartomány: keresett"), std::string::npos);
    EXPECT_TRUE(s.ends_with("\r\n Húzások számsoraiból összeállított variáció. "));
}

TEST(TalalatiArany, CopyButtonsCopyTheCurrentRangeToRangesInUse)
{
    TTalalatiAranyFeltetel r;
    r.DbTartomany = 3;
    r.AktTartomany = 1;
    r.TalalatMin[1] = 2;
    r.TalalatMax[1] = 4;
    r.ElsoHuzas[1] = 7;
    r.UtolsoHuzas[1] = 70;
    MindenTalalat(r, Kornyezet(true, 100));
    MindenHuzasok(r);
    for (std::size_t i : {0u, 2u}) {
        EXPECT_EQ(r.TalalatMin[i], 2);
        EXPECT_EQ(r.TalalatMax[i], 4);
        EXPECT_EQ(r.ElsoHuzas[i], 7);
        EXPECT_EQ(r.UtolsoHuzas[i], 70);
    }
    EXPECT_EQ(r.TalalatMax[3], 0);
    EXPECT_EQ(TalArLabel15(r, Kornyezet(true, 100)), "7. - 70. húzásokkal összehasonlítva");
    EXPECT_EQ(TalArLabel15(r, Kornyezet(false, 0)), kHianyzikHuzasok);
}
