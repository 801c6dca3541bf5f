#include "printing/coupon_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx;

namespace {

SzelvenyMeretezesBemenet Alap(int tipus = 0)
{
    SzelvenyMeretezesBemenet b;
    b.SzelvenyOrigoX = {21, 21, 26, 20, 30};
    b.SzelvenyOrigoY = {16, 16, 16, 24, 16};
    b.AktualisTipus = tipus;
    return b;
}

// Millimetres of a pixel distance at 600 dpi.
double Mm(std::int32_t px)
{
    return px * 25.4 / 600.0;
}

}  // namespace

TEST(SzelvenyTipusok, EveryGameMapsToOneOfTheFiveCouponsWithItsSheetSize)
{
    struct Eset {
        int jatek, tipus, sorDb;
    } esetek[] = {{0, 0, 6}, {1, 1, 8}, {2, 2, 10}, {8, 3, 3}, {16, 3, 3}, {30, 4, 5}, {3, 3, 3}, {43, 3, 3}};
    for (const Eset& e : esetek) {
        EXPECT_EQ(SzelvenyTipus(e.jatek), e.tipus) << e.jatek;
        EXPECT_EQ(SzelvenySorDbJatek(e.jatek), e.sorDb) << e.jatek;
    }
}

TEST(SzelvenyMeretezes, At600DpiThePitchIs100AndTheKenoStep199WithTheOriginOnBoxOne)
{
    const SzelvenyGeometria g = SzelvenyMeretezes(Alap());
    for (int t = 0; t < kSzelvenyTipusDb; ++t) {
        EXPECT_EQ(g.RacsLepesX[static_cast<std::size_t>(t)], 100);
        EXPECT_EQ(g.RacsLepesY[static_cast<std::size_t>(t)], 100);
    }
    EXPECT_EQ(g.KenoLepes, 199);
    // 21 mm is 496.06 px, rounded up; box (1, 1) lands on it.
    EXPECT_EQ(g.PanelX[0][0] + 100, 497);
    EXPECT_EQ(g.PanelY[0][0] + 100, 378);
    // The second row of 5/90 panels is 41.25 mm lower, the third column 92.5 mm right.
    EXPECT_NEAR(Mm(g.PanelY[0][3] - g.PanelY[0][0]), 41.25, 0.05);
    EXPECT_NEAR(Mm(g.PanelX[0][2] - g.PanelX[0][0]), 92.5, 0.05);
}

TEST(SzelvenyMeretezes, ThePrintersUnprintableEdgeShiftsEveryPosition)
{
    SzelvenyMeretezesBemenet b = Alap(3);
    const SzelvenyGeometria g0 = SzelvenyMeretezes(b);
    b.Nyomtato.FizikaiMargoX = 30;
    b.Nyomtato.FizikaiMargoY = 40;
    const SzelvenyGeometria g = SzelvenyMeretezes(b);
    EXPECT_EQ(g.PanelX[1][5], g0.PanelX[1][5] - 30);
    EXPECT_EQ(g.PanelY[1][5], g0.PanelY[1][5] - 40);
    EXPECT_EQ(g.JokerPont[3], (Pont{g0.JokerPont[3].X - 30, g0.JokerPont[3].Y - 40}));
    EXPECT_EQ(g.KenoTetY[2], g0.KenoTetY[2] - 40);
    EXPECT_EQ(g.RacsLepesX, g0.RacsLepesX);
}

TEST(SzelvenyMeretezes, TheSkewSpreadsLinearlyAcrossThePanelsOfARow)
{
    struct Eset {
        double tl, tr;
        std::vector<double> lejjebb;  // mm below the first panel, per panel of the first row
    } esetek[] = {
        {1.0, 1.0, {0, 0, 0, 0, 0}},
        {-1.0, 1.0, {0, 0.5, 1.0, 1.5, 2.0}},
        {0.5, -1.5, {0, -0.5, -1.0, -1.5, -2.0}},
    };
    for (const Eset& e : esetek) {
        SzelvenyMeretezesBemenet b = Alap(2);
        b.NyomtatasiMargok[2] = {0.0, e.tl, e.tr};
        const SzelvenyGeometria g = SzelvenyMeretezes(b);
        EXPECT_DOUBLE_EQ(g.Ferdeseg, e.tr - e.tl);
        for (std::size_t p = 0; p < 5; ++p) {
            EXPECT_NEAR(Mm(g.PanelY[2][p] - g.PanelY[2][0]), e.lejjebb[p], 0.043) << e.tl << " " << p;
            // The second row follows the first, 33.5 mm lower.
            EXPECT_NEAR(Mm(g.PanelY[2][p + 5] - g.PanelY[2][p]), 33.5, 0.043) << p;
        }
        // TL moves the first panel itself.
        EXPECT_NEAR(Mm(g.PanelY[2][0] + 100), 16 + e.tl, 0.043);
    }
}

TEST(SzelvenyMeretezes, TheKenoBoxesFollowTheNumbersPlayedTheStakeAndTheDraws)
{
    SzelvenyMeretezesBemenet b = Alap(3);
    b.SzamsorHossz = 10;
    b.Tet = 1;
    b.Sorsolasok = 3;
    const SzelvenyGeometria g1 = SzelvenyMeretezes(b);
    b.Tet = 5;
    b.SzamsorHossz = 4;
    const SzelvenyGeometria g5 = SzelvenyMeretezes(b);
    for (std::size_t p = 0; p < 3; ++p) {
        EXPECT_EQ(g5.KenoTetY[p] - g1.KenoTetY[p], 4 * 100) << p;
        // 4 numbers played: six rows below the box of 10.
        EXPECT_EQ(g5.KenoTipusY[p] - g1.KenoTipusY[p], 6 * 100) << p;
    }
    EXPECT_NEAR(Mm(g1.KenoSorsolasX - g1.KenoJelolesX[0]), 33.75, 0.05);
    // More than four draws: the row of the top-right offset.
    b.NyomtatasiMargok[3] = {0.0, 0.0, 2.0};
    b.Sorsolasok = 4;
    const SzelvenyGeometria negy = SzelvenyMeretezes(b);
    b.Sorsolasok = 5;
    const SzelvenyGeometria ot = SzelvenyMeretezes(b);
    EXPECT_NEAR(Mm(negy.KenoSorsolasY), 95.75 + 1.0, 0.05);
    EXPECT_NEAR(Mm(ot.KenoSorsolasY), 95.75 + 2.0, 0.05);
}

TEST(SzelvenyMeretezes, AnExactMillimetreDoesNotRoundToTheNextPixel)
{
    SzelvenyMeretezesBemenet b = Alap(0);
    b.SzelvenyOrigoX[0] = 25.4;
    b.SzelvenyOrigoY[0] = 50.8;
    const SzelvenyGeometria g = SzelvenyMeretezes(b);
    EXPECT_EQ(g.PanelX[0][0] + 100, 600);
    EXPECT_EQ(g.PanelY[0][0] + 100, 1200);
}

TEST(SzelvenyNyomtatoEllenorzes, SmallPaperAndWideMarginsAreRefused)
{
    // Paper in pixels at 600 dpi: 160 x 105 mm is 3780 x 2481 px.
    EXPECT_EQ(PapirMeretHiba(3780, 2481, 600, 600), "");
    EXPECT_NE(PapirMeretHiba(3779, 2481, 600, 600), "");
    EXPECT_NE(PapirMeretHiba(4960, 2400, 600, 600), "");
    EXPECT_NE(PapirMeretHiba(4960, 7000, 0, 600), "");

    const SzelvenyGeometria g = SzelvenyMeretezes(Alap());
    struct Eset {
        std::int32_t x, y;
        bool rossz;
    } esetek[] = {{0, 0, false}, {150, 0, false}, {250, 0, true}, {0, 100, false}, {0, 150, true}};
    for (const Eset& e : esetek) {
        NyomtatoJellemzok n;
        n.FizikaiMargoX = e.x;
        n.FizikaiMargoY = e.y;
        EXPECT_EQ(!MargoHiba(n, g).empty(), e.rossz) << e.x << " " << e.y;
    }
}

TEST(SzelvenyLapok, TheRangeCutsTheLinesIntoSheetsAndTheLastHoldsTheRest)
{
    using L = std::vector<SzelvenyLap>;
    EXPECT_EQ(SzelvenyLapDbSzamitas(13, 6), 3);
    EXPECT_EQ(SzelvenyLapDbSzamitas(12, 6), 2);
    EXPECT_EQ(SzelvenyLapDbSzamitas(0, 6), 0);
    EXPECT_EQ(SzelvenyLapok(13, 6, 1, 3), (L{{1, 0, 6}, {2, 6, 6}, {3, 12, 1}}));
    EXPECT_EQ(SzelvenyLapok(13, 6, 2, 2), (L{{2, 6, 6}}));
    // A kept range longer than the variation now is cut to its sheets.
    EXPECT_EQ(SzelvenyLapok(13, 6, 3, 9), (L{{3, 12, 1}}));
    EXPECT_TRUE(SzelvenyLapok(13, 6, 4, 9).empty());
}

TEST(SzelvenyJelek, NumbersLandInTheirGridBoxOnTheirPanel)
{
    const SzelvenyGeometria g = SzelvenyMeretezes(Alap());
    SzelvenyKitoltesBemenet b;
    b.Tipus = 0;
    b.Oszlopok = 10;
    b.FoSzamKeszlet = 90;
    b.JokerValasztas = kJokerJeloletlen;
    b.Sorszamozas = false;
    b.Sorok = {{1, 47, 90}, {}, {}, {}, {10}};
    const std::vector<SzelvenyJel> j = SzelvenyJelek(g, b);
    const std::vector<SzelvenyJel> vart = {
        {{1 * 100 + g.PanelX[0][0], 1 * 100 + g.PanelY[0][0]}, "x"},
        {{7 * 100 + g.PanelX[0][0], 5 * 100 + g.PanelY[0][0]}, "x"},
        {{10 * 100 + g.PanelX[0][0], 9 * 100 + g.PanelY[0][0]}, "x"},
        {{10 * 100 + g.PanelX[0][4], 1 * 100 + g.PanelY[0][4]}, "x"},
    };
    EXPECT_EQ(j, vart);
}

TEST(SzelvenyJelek, AnExtraNumberGoesOneRowLower)
{
    const SzelvenyGeometria g = SzelvenyMeretezes(Alap(4));
    SzelvenyKitoltesBemenet b;
    b.Tipus = 4;
    b.Oszlopok = 10;
    b.FoSzamKeszlet = 50;
    b.VanPluszSzam = true;
    b.JokerValasztas = kJokerJeloletlen;
    b.Sorszamozas = false;
    b.Sorok = {{50, 53}};
    const std::vector<SzelvenyJel> j = SzelvenyJelek(g, b);
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0].Hely.Y, 5 * 100 + g.PanelY[4][0]);
    EXPECT_EQ(j[1].Hely, (Pont{3 * 100 + g.PanelX[4][0], 7 * 100 + g.PanelY[4][0]}));
}

TEST(SzelvenyJelek, TheSheetsBoxesFollowTheOptions)
{
    const SzelvenyGeometria g = SzelvenyMeretezes(Alap(3));
    struct Eset {
        int tipus;
        std::int32_t sorsolasok;
        std::int32_t joker;
        bool otHetes, tovabbi;
        std::vector<Pont> vart;  // the marks besides the numbers' and the Keno line boxes
    } esetek[] = {
        {3, 14, kJokerIgen, false, false, {{g.KenoSorsolasX + 7 * 199, g.KenoSorsolasY}, g.JokerPont[3]}},
        {3, 5, kJokerNem, false, true,
         {{g.KenoSorsolasX + 4 * 199, g.KenoSorsolasY}, {g.JokerPont[3].X + 199, g.JokerPont[3].Y},
          g.TovabbiJokerPont[3]}},
        {0, 1, kJokerJeloletlen, true, false, {g.HetesPont[0]}},
        // The Keno coupon has no "5 hetes" box.
        {3, 1, kJokerJeloletlen, true, false, {{g.KenoSorsolasX, g.KenoSorsolasY}}},
    };
    for (const Eset& e : esetek) {
        SzelvenyKitoltesBemenet b;
        b.Tipus = e.tipus;
        b.Sorsolasok = e.sorsolasok;
        b.JokerValasztas = e.joker;
        b.OtHetes = e.otHetes;
        b.TovabbiJoker = e.tovabbi;
        b.Sorszamozas = false;
        const std::vector<SzelvenyJel> j = SzelvenyJelek(g, b);
        std::vector<Pont> p;
        for (const SzelvenyJel& x : j)
            p.push_back(x.Hely);
        EXPECT_EQ(p, e.vart) << e.tipus << " " << e.sorsolasok;
    }
}

TEST(SzelvenyJelek, AKenoLineMarksItsCountAndStakeBoxesAndTheSheetIsNumbered)
{
    SzelvenyMeretezesBemenet m = Alap(3);
    m.SzamsorHossz = 2;
    const SzelvenyGeometria g = SzelvenyMeretezes(m);
    SzelvenyKitoltesBemenet b;
    b.Tipus = 3;
    b.Oszlopok = 10;
    b.FoSzamKeszlet = 80;
    b.JokerValasztas = kJokerJeloletlen;
    b.Lap = {3, 12, 1};
    b.Sorok = {{5, 80}};
    const std::vector<SzelvenyJel> j = SzelvenyJelek(g, b);
    ASSERT_EQ(j.size(), 6u);
    EXPECT_EQ(j[2].Hely, (Pont{g.KenoJelolesX[0], g.KenoTipusY[0]}));
    EXPECT_EQ(j[3].Hely, (Pont{g.KenoJelolesX[0], g.KenoTetY[0]}));
    EXPECT_EQ(j[5], (SzelvenyJel{g.SorszamPont[3], "3. \\ 13.  -  13."}));
    EXPECT_EQ(SzelvenyFeliratSzoveg({3, 12, 6}), "3. \\ 13.  -  18.");
}

TEST(SzelvenySzamsor, IndexesNameSelectedNumbersAndFixedNumbersFollowFromTheLast)
{
    const std::vector<std::uint8_t> kijelolt = {7, 12, 33, 45};
    const std::vector<std::uint8_t> fix = {2, 9};
    const std::uint8_t sor[] = {0, 2, 3};
    EXPECT_EQ(SzelvenySzamsor(sor, 3, false, 3, kijelolt, fix), (std::vector<std::uint8_t>{7, 33, 45, 9, 2}));
    // An index past the selection names nothing.
    const std::uint8_t rossz[] = {0, 9, 3};
    EXPECT_EQ(SzelvenySzamsor(rossz, 3, false, 3, kijelolt, {}), (std::vector<std::uint8_t>{7, 45}));
    // A line built from the draws holds the numbers.
    const std::uint8_t huzas[] = {3, 17, 88, 0};
    EXPECT_EQ(SzelvenySzamsor(huzas, 4, true, 3, kijelolt, fix), (std::vector<std::uint8_t>{3, 17, 88}));
}
