// The main ticket's display modes over a small table of draws.
#include "tickets/number_statistics.h"
#include "app/main_state.h"

#include <gtest/gtest.h>

#include "tickets_fixture.h"

namespace kvx {
namespace {

using teszt::jatek;

DrawsState Tabla(const GameParams& g, std::vector<std::vector<std::int32_t>> szamok)
{
    DrawsState d;
    SetHuzasok(d, static_cast<std::int32_t>(szamok.size()), g.HuzottSzamok + 3);
    for (std::size_t i = 0; i < szamok.size(); ++i)
        for (std::size_t j = 0; j < szamok[i].size(); ++j)
            d.Huzasok[i][3 + j] = szamok[i][j];
    d.AdatbazisBetoltve = true;
    return d;
}

TEST(SzamStatisztikaTest, TimesDrawnAndDrawsSinceOverTheRange)
{
    const GameParams g = jatek(1);  // 6/45 + 1 bonus
    const DrawsState d = Tabla(g, {{1, 2, 3, 4, 5, 6, 7}, {1, 8, 9, 10, 11, 12, 2}, {7, 13, 14, 15, 16, 17, 1}});
    SzamStatisztikaState s;
    HuzasStatisztika(s, d, g, 1, 3);
    // number: times, last row, bonus times
    EXPECT_EQ(s.HanyszorHuztak[0], (TTombInt1D{3, 3, 1}));
    EXPECT_EQ(s.HanyszorHuztak[1], (TTombInt1D{2, 2, 1}));
    EXPECT_EQ(s.HanyszorHuztak[6], (TTombInt1D{2, 3, 1}));
    EXPECT_EQ(s.HanyszorHuztak[44], (TTombInt1D{0, 0, 0}));
    EXPECT_EQ(s.HanyHuzasOta[6][0], 0);   // in the last draw
    EXPECT_EQ(s.HanyHuzasOta[1][0], 1);
    EXPECT_EQ(s.HanyHuzasOta[2][0], 2);
    EXPECT_EQ(s.HanyHuzasOta[44][0], 3);  // never: the range length
    EXPECT_EQ(s.HanyHuzasOta[0][2], -1);
    // Only the range counts.
    HuzasStatisztika(s, d, g, 2, 2);
    EXPECT_EQ(s.HanyszorHuztak[0][0], 1);
    EXPECT_EQ(s.HanyHuzasOta[2][0], 1);
}

// A new ticket of another game starts with no figures of the old game's draws.
TEST(SzamStatisztikaTest, ANewTicketStartsWithEmptyFiguresOfItsGame)
{
    const GameParams g = jatek(1);
    const DrawsState d = Tabla(g, {{1, 2, 3, 4, 5, 6, 7}});
    SzamStatisztikaState s;
    HuzasStatisztika(s, d, g, 1, 1);
    s.NezetMod = NezetHanyszorHuztak;
    const GameParams uj = jatek(0);
    SzamStatisztikaInicializalasa(s, uj);
    EXPECT_EQ(s.NezetMod, NezetNormal);
    for (const TTombInt2D* t : {&s.HanyszorHuztak, &s.HanyHuzasOta, &s.AktivSzamStatisztika}) {
        ASSERT_EQ(t->size(), static_cast<std::size_t>(uj.OsszesSzam));
        for (const TTombInt1D& sor : *t)
            EXPECT_EQ(sor, (TTombInt1D{0, 0, 0}));
    }
}

TEST(SzamStatisztikaTest, SecondDrawingIsTakenFromItsOwnColumn)
{
    const GameParams g = jatek(4);  // two drawings of 6 + 1
    const DrawsState d = Tabla(g, {{1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17}});
    SzamStatisztikaState s;
    HuzasStatisztika(s, d, g, 1, 1);
    for (int n : {1, 6, 7, 11, 16, 17})
        EXPECT_EQ(s.HanyszorHuztak[static_cast<std::size_t>(n - 1)][0], 1) << n;
    EXPECT_EQ(s.HanyszorHuztak[6][2], 1);
    EXPECT_EQ(s.HanyszorHuztak[16][2], 1);
    EXPECT_EQ(s.HanyszorHuztak[15][2], 0);
}

TEST(SzamStatisztikaTest, PanelTextsOfTheModes)
{
    const GameParams g = jatek(0);
    const DrawsState d = Tabla(g, {{1, 2, 3, 4, 5}, {6, 8, 9, 10, 11}, {7, 12, 13, 14, 15}});
    HuzSzamaState r;
    r.HuzSzamaElso = 1;
    r.HuzSzamaUtolso = 3;
    SzamListak l;
    for (std::uint8_t n : {20, 21, 22, 23, 24})
        l.KijeloltSzamok.push_back(n);
    l.FixSzamok = {30};
    SzamStatisztikaState s;
    NezetValtas(s, NezetHanyHuzasOta, d, g, r, l);
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 7), "-");
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 90), "3");
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 1), "2");
    NezetValtas(s, NezetHanyszorHuztak, d, g, r, l);
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 1), "1");
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 90), "-");
    NezetValtas(s, NezetSzamsorrend, d, g, r, l);
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 22), "3.");
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 30), "6.");
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 31), "-");
    NezetValtas(s, NezetNormal, d, g, r, l);
    EXPECT_EQ(StatisztikaPanelSzoveg(s, l, 22), "");
    EXPECT_EQ(NezetFelirat(NezetHanyHuzasOta), " Hány húzás óta nem került elő");
    EXPECT_EQ(SzamTipp(s, l, g, 21, false), " Kijelölt szám: 22 \r\n 3. szám a számsorban ");
    EXPECT_EQ(SzamTipp(s, l, g, 29, false), " Fix szám: 30 \r\n 1. fix szám ");
    EXPECT_EQ(StatisztikaSzoveg(r, d, g),
              "\r\n Statisztika:\r\n 1. - 3. húzások alapján \r\n 3 számsor \r\n 15 szám");
}

}  // namespace

// ---- The main ticket's command states ----

struct FrissitesEset {
    int Jatek;
    std::vector<int> Kijelolt;
    std::vector<int> Fix;
    std::vector<int> Allando;
    std::vector<int> Veletlen;
    const char* TeljesVariacio;
};

class FrissitesTest : public ::testing::TestWithParam<FrissitesEset> {};

TEST_P(FrissitesTest, FullVariationFigure)
{
    const FrissitesEset& e = GetParam();
    const GameParams g = jatek(e.Jatek);
    SzamListak l;
    MainState ms;
    ListakInicializalasa(l, g, ms);
    for (int n : e.Kijelolt) SzamJeloles(l, g, ms, n, ModKijelolt, false);
    for (int n : e.Fix) SzamJeloles(l, g, ms, n, ModFix, false);
    for (int n : e.Allando) SzamJeloles(l, g, ms, n, ModAllando, false);
    for (int n : e.Veletlen) SzamJeloles(l, g, ms, n, ModVeletlen, false);
    const FoszelvenyParancsok p = FoszelvenyFrissites(l, g);
    EXPECT_EQ(p.TeljesVariacio, e.TeljesVariacio);
}

INSTANTIATE_TEST_SUITE_P(
    Esetek, FrissitesTest,
    ::testing::Values(
        FrissitesEset{0, {}, {}, {}, {}, ""},
        // Exactly one line: no full variation shown.
        FrissitesEset{0, {1, 2, 3, 4, 5}, {}, {}, {}, ""},
        FrissitesEset{0, {1, 2, 3, 4, 5, 6}, {}, {}, {}, "Teljes variáció: 6 számsor"},
        // Fixed numbers shorten the varied part: 2 fixed + C(10, 3).
        FrissitesEset{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {11, 12}, {}, {}, "Teljes variáció: 120 számsor"},
        // Constant and random numbers are selected numbers too.
        FrissitesEset{0, {}, {}, {1, 2, 3}, {4, 5, 6}, "Teljes variáció: 6 számsor"},
        FrissitesEset{0, {1}, {}, {2, 3}, {4, 5, 6}, "Teljes variáció: 6 számsor"},
        // EuroJackpot: without both extra numbers there is no full variation.
        FrissitesEset{30, {1, 2, 3, 4, 5, 6, 51}, {}, {}, {}, ""},
        FrissitesEset{30, {1, 2, 3, 4, 5, 6, 51, 52, 53}, {}, {}, {}, "Teljes variáció: 18 számsor"}));

TEST(FrissitesTest, LargeCountsAreSeparated)
{
    const GameParams g = jatek(0);
    SzamListak l;
    MainState ms;
    ListakInicializalasa(l, g, ms);
    for (int n = 1; n <= 20; ++n) SzamJeloles(l, g, ms, n, ModKijelolt, false);
    const std::string t = FoszelvenyFrissites(l, g).TeljesVariacio;
    // C(20, 5) = 15504
    EXPECT_EQ(t.rfind("Teljes variáció: ", 0), 0u);
    EXPECT_NE(t.find("15"), std::string::npos);
    EXPECT_NE(t.find("504 számsor"), std::string::npos);
    EXPECT_EQ(t.find("15504"), std::string::npos);
}

}  // namespace kvx
