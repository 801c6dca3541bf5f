// The item tabs (tens groups, last digits, digits): limits, refusals, the
// automatic repeat modes, the item step and the list texts, over selections
// marked on a real ticket and the markers the marker builder makes of them.
#include "conditions/item_conditions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "valasztas.h"

using namespace kvx;
using teszt::Valasztas;

namespace {

TetelKornyezet kornyezet(const Valasztas& v) { return TetelKornyezetKeszites(v.l, v.g, v.j); }

}  // namespace

TEST(ItemConditions, EvenOddLimitsPerTab)
{
    struct Eset {
        const char* nev;
        std::vector<int> szamok;
        int k;
        TetelLap lap;
        bool ervenytelen;
        Korlat korlat;  // both up-downs
    };
    const Eset esetek[] = {
        // Tens groups 0, 1, 2, 3, 4, 5: three even (3, 25, 47), three odd.
        {"groups: k - odd", {3, 12, 25, 31, 47, 58}, 5, TetelLap::Szamcsoport, false, {2, 3}},
        {"endings: even numbers 12, 58", {3, 12, 25, 31, 47, 58}, 5, TetelLap::Szamvegzodes, false, {1, 2}},
        // Digits 3 1 2 2 5 3 1 4 7 5 8: even 2 2 4 8.
        {"digits: 0 .. even digits", {3, 12, 25, 31, 47, 58}, 5, TetelLap::Szamjegy, false, {0, 4}},
        {"digits: at most 2k", {2, 4, 6, 8, 20, 22, 24, 26, 28, 40, 1}, 3, TetelLap::Szamjegy, false, {0, 6}},
        {"groups: enough odd, no lower limit", {1, 12, 13, 14, 15, 16, 32}, 3, TetelLap::Szamcsoport, false, {0, 1}},
        {"groups: 1..9 only, no odd group", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 5, TetelLap::Szamcsoport, true, {}},
        {"endings: no even number", {1, 3, 5, 7, 9, 11}, 5, TetelLap::Szamvegzodes, true, {}},
    };
    for (const Eset& c : esetek) {
        const Valasztas v(0, c.szamok, c.k);
        std::int32_t min = 9, max = 0;
        const ParosNezet p = ParosNormalizalas(c.lap, min, max, kornyezet(v));
        EXPECT_EQ(p.Ervenytelen, c.ervenytelen) << c.nev;
        if (c.ervenytelen) continue;
        EXPECT_EQ(p.Min, c.korlat) << c.nev;
        EXPECT_EQ(p.Max, c.korlat) << c.nev;
        // A minimum raised past the maximum drags it; both stay in the limits.
        EXPECT_EQ(min, c.korlat.Max) << c.nev;
        EXPECT_EQ(max, c.korlat.Max) << c.nev;
        min = c.korlat.Max;
        max = c.korlat.Min;
        ParosNormalizalas(c.lap, min, max, kornyezet(v), MinMaxMezo::Max);
        EXPECT_EQ(min, c.korlat.Min) << c.nev << ": a lowered maximum drags the minimum";
    }
}

TEST(ItemConditions, RepeatModesLimitsAndTexts)
{
    struct Eset {
        const char* nev;
        int jatek;
        std::vector<int> szamok;
        int k;
        TetelLap lap;
        TIsmetFeltetel be;
        struct {
            bool Ervenytelen;
            int Tag;
            std::string Uzenet;
            Korlat Min, Max;
            bool CsakTobbEnabled;
        } ki;
        std::uint8_t szama, csakTobb;
    };
    const char* egyCs = "A kijelölt számsor alapján, csak egy számcsoport ismétlődhet.";
    const char* tobbCs = "A kijelölt számsor alapján, csak több számcsoport ismétlődhet.";
    const char* tobbSzv = "A kijelölt számsor alapján, csak több számvégződés ismétlődhet.";
    const Eset esetek[] = {
        // Only tens group 0 holds two numbers: "Egy" is forced.
        {"one repeating group", 0, {3, 5, 12, 25, 31, 47}, 5, TetelLap::Szamcsoport, {1, 0, {}, 0, 3, 0, {}},
         {false, 1, egyCs, {0, 1}, {0, 1}, false}, 1, 0},
        // Groups 0 and 1 hold three each, group 2 one: a line of 6 needs
        // several repeating groups.
        {"only several groups", 0, {1, 2, 3, 11, 12, 13, 21}, 6, TetelLap::Szamcsoport, {1, 1, {}, 0, 0, 0, {}},
         {false, 2, tobbCs, {2, 4}, {2, 4}, false}, 0, 1},
        {"free, Több, min above 1", 0, {1, 2, 11, 12, 21, 22, 31, 41}, 5, TetelLap::Szamcsoport,
         {1, 0, {}, 2, 3, 1, {}}, {false, 0, "", {0, 3}, {0, 3}, true}, 0, 1},
        {"free, Egy cuts to the largest repeat", 0, {1, 2, 11, 12, 21, 22, 31, 41}, 5, TetelLap::Szamcsoport,
         {1, 1, {}, 0, 3, 1, {}}, {false, 0, "", {0, 1}, {0, 1}, false}, 1, 0},
        {"free, min 1 unticks Csak több", 0, {1, 2, 11, 12, 21, 22, 31, 41}, 5, TetelLap::Szamcsoport,
         {1, 0, {}, 1, 3, 1, {}}, {false, 0, "", {0, 3}, {0, 3}, false}, 0, 0},
        {"no group repeats", 0, {1, 12, 23, 34, 45}, 5, TetelLap::Szamcsoport, {1, 0, {}, 0, 0, 0, {}},
         {true, 0, "", {}, {}, false}, 0, 0},
        {"Keno on 10: at least one repeat", 8, {1, 2, 11, 12, 21, 22, 31, 41, 51, 61, 71, 80}, 10,
         TetelLap::Szamcsoport, {1, 0, {}, 0, 0, 0, {}}, {false, 0, "", {1, 3}, {1, 3}, false}, 0, 0},
        // Endings 1 and 2 repeat twice each, the line of 7 cannot be filled
        // from one repeating ending.
        {"endings: only several", 0, {1, 11, 21, 2, 12, 22, 5}, 7, TetelLap::Szamvegzodes, {1, 1, {}, 0, 0, 0, {}},
         {false, 2, tobbSzv, {2, 4}, {2, 4}, false}, 0, 1},
        // Digits: 11 22 33 give 1, 2, 3 twice each; no automatic mode.
        {"digits: k + k div 2, cut by the repeats", 0, {11, 22, 33, 4, 5}, 4, TetelLap::Szamjegy,
         {1, 0, {}, 0, 9, 0, {}}, {false, 0, "", {0, 3}, {0, 3}, false}, 0, 0},
        {"digits: Egy", 0, {11, 22, 33, 4, 5}, 4, TetelLap::Szamjegy, {1, 1, {}, 0, 9, 0, {}},
         {false, 0, "", {0, 1}, {0, 1}, false}, 1, 0},
    };
    for (const Eset& c : esetek) {
        const Valasztas v(c.jatek, c.szamok, c.k);
        ASSERT_EQ(v.l.VariacioFoMeret, c.k) << c.nev;
        TIsmetFeltetel r = c.be;
        const IsmetNezet n = IsmetNormalizalas(c.lap, r, kornyezet(v), IsmetMezo::Nincs, true);
        EXPECT_EQ(n.Ervenytelen, c.ki.Ervenytelen) << c.nev;
        if (n.Ervenytelen) continue;
        EXPECT_EQ(n.Tag, c.ki.Tag) << c.nev;
        EXPECT_EQ(n.Uzenet, c.ki.Uzenet) << c.nev;
        EXPECT_EQ(n.Min, c.ki.Min) << c.nev;
        EXPECT_EQ(n.Max, c.ki.Max) << c.nev;
        EXPECT_EQ(n.CsakTobbEnabled, c.ki.CsakTobbEnabled) << c.nev;
        EXPECT_EQ(r.Szama, c.szama) << c.nev;
        EXPECT_EQ(r.CsakTobb, c.csakTobb) << c.nev;
        EXPECT_GE(r.Min, n.Min.Min) << c.nev;
        EXPECT_LE(r.Max, n.Max.Max) << c.nev;
        EXPECT_LE(r.Min, r.Max) << c.nev;
        // The message comes only when the box is ticked, not on a reload.
        TIsmetFeltetel r2 = c.be;
        EXPECT_EQ(IsmetNormalizalas(c.lap, r2, kornyezet(v)).Uzenet, "") << c.nev;
    }
}

TEST(ItemConditions, RepeatEditHints)
{
    const Valasztas v(0, {1, 2, 11, 12, 21, 22, 31, 41}, 5);
    struct Eset {
        TIsmetFeltetel be;
        const char* tipp;
        const char* logTipp;
    };
    const Eset esetek[] = {
        {{1, 0, {}, 0, 0, 0, {}}, " Nem ismétlődhet számcsoport egy számsorban. ",
         " Egy vagy több számcsoport ismétlődhet egy számsorban. "},
        {{1, 1, {}, 1, 1, 0, {}}, " Egy számcsoport ismétlődhet egy számsorban, pontosan 1 esetben. ",
         " Egy számcsoport ismétlődhet egy számsorban. "},
        {{1, 0, {}, 2, 3, 1, {}}, " Csak több számcsoport ismétlődhet egy számsorban, minimum 2, maximum 3 esetben. ",
         " Csak több számcsoport ismétlődhet egy számsorban. "},
        {{1, 0, {}, 0, 2, 0, {}},
         " Egy vagy több számcsoport ismétlődhet egy számsorban, minimum 0, maximum 2 esetben. ",
         " Egy vagy több számcsoport ismétlődhet egy számsorban. "},
    };
    for (const Eset& c : esetek) {
        TIsmetFeltetel r = c.be;
        const IsmetNezet n = IsmetNormalizalas(TetelLap::Szamcsoport, r, kornyezet(v));
        EXPECT_EQ(n.EditTipp, c.tipp);
        EXPECT_EQ(n.LogTipp, c.logTipp);
    }
}

TEST(ItemConditions, ItemStepSkipsEmptyItemsBothWays)
{
    // Tens groups 2, 5 and 7 hold numbers.
    const Valasztas v(0, {21, 55, 72}, 3);
    const TetelKornyezet e = kornyezet(v);
    struct Eset {
        std::int32_t kod;
        bool fel;
        std::int32_t ki;
    };
    const Eset esetek[] = {{3, true, 5}, {6, true, 7}, {3, false, 2}, {6, false, 5}, {5, false, 5},
                           {0, true, 2},  {9, false, 7}, {0, false, 2}};
    for (const Eset& c : esetek) {
        TTetelesFeltetel r{};
        r.Allapot = 1;
        r.Db = 1;
        r.Tetel[0] = {c.kod, 0, 1, 0};
        std::int32_t akt = 1;
        const TetelesNezet n = TetelesNormalizalas(TetelLap::Szamcsoport, r, akt, e, TetelesMezo::Kod, c.fel);
        EXPECT_EQ(r.Tetel[0].Kod, c.ki) << c.kod << (c.fel ? " up" : " down");
        EXPECT_EQ(n.Kod, (Korlat{2, 7}));
        EXPECT_EQ(n.NevLabel, std::string("  ") + kSzamcsoportNevek[static_cast<std::size_t>(c.ki)] + "  ");
    }
    TTetelesFeltetel r{};
    r.Db = 1;
    std::int32_t akt = 1;
    const TetelesNezet n = TetelesNormalizalas(TetelLap::Szamcsoport, r, akt, e);
    EXPECT_EQ(n.Db, (Korlat{1, 3})) << "at most the groups present";
    EXPECT_NE(n.NevTipp.find(" Variációra kijelölve \r\n Nullás: 0 \r\n Tízes: 0 \r\n Húszas: 1 "), std::string::npos);
    // One group only: refused.
    TTetelesFeltetel r1{};
    EXPECT_TRUE(TetelesNormalizalas(TetelLap::Szamcsoport, r1, akt, kornyezet(Valasztas(0, {1, 2, 3, 4}, 3)))
                    .Ervenytelen);
}

TEST(ItemConditions, ItemHitLimitsAndTheAllButton)
{
    // Digit 3 occurs 7 times; 33 is selected, so a line of 5 can hold 6.
    const Valasztas mit(0, {3, 13, 23, 33, 31, 43}, 5);
    EXPECT_EQ(TetelTalalatMax(TetelLap::Szamjegy, 3, kornyezet(mit)), 6);
    const Valasztas nelkul(0, {3, 13, 23, 30, 31, 43}, 5);
    EXPECT_EQ(TetelTalalatMax(TetelLap::Szamjegy, 3, kornyezet(nelkul)), 5);
    EXPECT_EQ(TetelTalalatMax(TetelLap::Szamcsoport, 6, kornyezet(nelkul)), 0);
    EXPECT_EQ(TetelTalalatMax(TetelLap::Szamcsoport, 4, kornyezet(nelkul)), 1);

    // Shift + all on the digit tab: one entry per digit present, each cut
    // to that digit's occurrences.
    const Valasztas v(0, {12, 34, 5, 44}, 3);
    const TetelKornyezet e = kornyezet(v);
    TTetelesFeltetel r{};
    r.Allapot = 1;
    r.Db = 1;
    std::int32_t akt = 1;
    TetelesMinden(TetelLap::Szamjegy, r, akt, e, 1, 3, true);
    ASSERT_EQ(r.Db, 5);
    const TTetel vart[] = {{1, 1, 1, 0}, {2, 1, 1, 0}, {3, 1, 1, 0}, {4, 1, 3, 0}, {5, 1, 1, 0}};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r.Tetel[static_cast<std::size_t>(i)], vart[i]) << i;
    EXPECT_EQ(akt, 1);
    // Without Shift only the entries in use are filled.
    TTetelesFeltetel r2{};
    r2.Db = 2;
    TetelesMinden(TetelLap::Szamjegy, r2, akt, e, 0, 1, false);
    EXPECT_EQ(r2.Db, 2);
    EXPECT_EQ(r2.Tetel[1], (TTetel{2, 0, 1, 0}));
    EXPECT_EQ(r2.Tetel[2], TTetel{});
}

TEST(ItemConditions, ListTexts)
{
    TTetelesFeltetel r{};
    r.Db = 2;
    r.Tetel[0] = {1, 0, 2, 0};
    r.Tetel[1] = {9, 1, 1, 0};
    EXPECT_EQ(TetelesList(TetelLap::Szamcsoport, r, 0), "  1. Tízes számcsoportból minimum 0, maximum 2 találat elérése. ");
    EXPECT_EQ(TetelesList(TetelLap::Szamvegzodes, r, 1),
              "  2. Kilences számvégződésből minimum 1, maximum 1 találat elérése. ");
    EXPECT_EQ(TetelesListaja(TetelLap::Szamjegy, r),
              " Kijelölt számjegyek listája\r\n  1. Egyes számjegyből minimum 0, maximum 2 találat elérése. \r\n"
              "  2. Kilences számjegyből minimum 1, maximum 1 találat elérése. ");
    EXPECT_EQ(MinimumDupla(1, 3), 3);
    EXPECT_EQ(MinimumDupla(3, 3), 0);
    EXPECT_EQ(MaximumDupla(1, 2, 4), 4);
    EXPECT_EQ(MaximumDupla(1, 4, 4), 1);
}
