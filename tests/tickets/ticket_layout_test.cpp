#include "tickets/ticket_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "tickets_fixture.h"

namespace kvx {
namespace {

using teszt::jatek;

constexpr int S = 20;

struct RacsEset {
    int jatek;
    int cellak;
    int foSorok;       // rows of the main block
    int pluszSorok;    // rows of the extra pool
    int pluszSoronkent;  // cells in the first extra row
};

class RacsTabla : public ::testing::TestWithParam<RacsEset> {};

TEST_P(RacsTabla, CellCountsRowsAndSeparatedExtraPool)
{
    const RacsEset e = GetParam();
    const GameParams g = jatek(e.jatek);
    const JatekRacsAdat r = JatekRacs(e.jatek);
    const std::vector<Cella> c = SzamElrendezes(g, r, S);
    ASSERT_EQ(static_cast<int>(c.size()), e.cellak);

    const int fo = g.VanPluszSzam ? g.FoSzamKeszlet : g.OsszesSzam;
    std::set<int> foSorok, pluszSorok;
    int pluszElsoSor = 0;
    int foAlja = 0;
    for (int i = 0; i < fo; ++i) {
        foSorok.insert(c[i].Felso);
        foAlja = std::max(foAlja, c[i].Felso + S);
    }
    for (int i = fo; i < e.cellak; ++i) {
        pluszSorok.insert(c[i].Felso);
        if (c[i].Felso == c[fo].Felso) ++pluszElsoSor;
    }
    EXPECT_EQ(static_cast<int>(foSorok.size()), e.foSorok);
    EXPECT_EQ(static_cast<int>(pluszSorok.size()), e.pluszSorok);
    if (e.pluszSorok > 0) {
        EXPECT_EQ(pluszElsoSor, e.pluszSoronkent);
        // A half-cell gap stands between the main block and the extra pool.
        EXPECT_GE(c[fo].Felso - foAlja, S / 2 + 1);
    }

    // No two panels overlap and all stay within the grid.
    std::set<std::pair<int, int>> hely;
    const int szelesseg = RacsSzelesseg(r.Oszlopok, S);
    for (const Cella& x : c) {
        EXPECT_TRUE(hely.insert({x.Bal, x.Felso}).second) << x.Bal << "," << x.Felso;
        EXPECT_GE(x.Bal, 1);
        EXPECT_LE(x.Bal + S + 1, szelesseg);
    }
    EXPECT_EQ(RacsAlja(c, S), c.back().Felso + S + 1);
}

INSTANTIATE_TEST_SUITE_P(Jatekok, RacsTabla,
                         ::testing::Values(RacsEset{0, 90, 9, 0, 0},    // Magyar 5/90
                                           RacsEset{8, 80, 16, 0, 0},   // Kenó
                                           RacsEset{24, 62, 10, 3, 4},  // EuroMillions: stars in rows of four
                                           RacsEset{30, 62, 10, 3, 5},  // EuroJackpot
                                           RacsEset{37, 59, 7, 2, 5},   // Német 6/49: super numbers 0..9
                                           RacsEset{28, 95, 8, 3, 9},   // USA Powerball: the row ends early
                                           RacsEset{25, 39, 5, 1, 6}));  // Szlovák Euromilióny

TEST(RacsElrendezes, FirstRowOffsetAndColumnMajorGames)
{
    // Game 3: five numbers in the first row from the second column.
    const GameParams g3 = jatek(3);
    const std::vector<Cella> c3 = SzamElrendezes(g3, JatekRacs(3), S);
    EXPECT_EQ(c3[0], (Cella{1 + S + 1, 1}));
    EXPECT_EQ(c3[4].Felso, 1);
    EXPECT_EQ(c3[5], (Cella{1, 1 + S + 1}));

    // Game 32: 1..7 down the first column, 8 at the top of the second.
    const GameParams g32 = jatek(32);
    const std::vector<Cella> c32 = SzamElrendezes(g32, JatekRacs(32), S);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(c32[i], (Cella{1, 1 + i * (S + 1)}));
    EXPECT_EQ(c32[7], (Cella{1 + S + 1, 1}));

    // EuroMillions: the four stars of a row sit centred under five columns.
    const GameParams g24 = jatek(24);
    const std::vector<Cella> c24 = SzamElrendezes(g24, JatekRacs(24), S);
    EXPECT_EQ(c24[50].Bal, 1 + (S + 1) / 2);
    const int balRes = c24[50].Bal - c24[0].Bal;
    const int jobbRes = (c24[4].Bal + S) - (c24[53].Bal + S);
    EXPECT_LE(std::abs(balRes - jobbRes), 1);

    // Unknown game index: 5 columns, 16 rows.
    EXPECT_EQ(JatekRacs(99).Oszlopok, 5);
    EXPECT_EQ(JatekRacs(99).Sorok, 16);
}

TEST(SzamFelirat, ExtraPoolPanelsCountFromOneOrFromZeroWithOffset)
{
    const GameParams g30 = jatek(30);
    EXPECT_EQ(SzamFelirat(g30, 49), "50");
    EXPECT_EQ(SzamFelirat(g30, 50), "1");
    EXPECT_EQ(SzamFelirat(g30, 61), "12");
    const GameParams g37 = jatek(37);
    EXPECT_EQ(SzamFelirat(g37, 49), "0");
    EXPECT_EQ(SzamFelirat(g37, 58), "9");
}

TEST(PanelSzin, EveryRoleHasItsOwnFontOnTheMarkedCell)
{
    Settings s;
    GameParams g;
    MainState m;
    SzelvIniAlap(s, g, m, 13);
    const SzelvenySor& look = s.SzelvenyBeallitas[0];
    const PanelSzin nincs = FoszelvenyPanelSzin(look, SzamSzerep::Nincs);
    EXPECT_EQ(nincs, (PanelSzin{look[2], look[9], false}));
    std::set<std::int32_t> betuk;
    for (SzamSzerep sz : {SzamSzerep::Kijelolt, SzamSzerep::Fix, SzamSzerep::Allando, SzamSzerep::Veletlen}) {
        const PanelSzin p = FoszelvenyPanelSzin(look, sz);
        EXPECT_EQ(p.Cella, look[3]);
        EXPECT_NE(p.Cella, nincs.Cella);
        EXPECT_TRUE(p.Vastag);
        betuk.insert(p.Betu);
    }
    EXPECT_EQ(betuk.size(), 4u);
}

// Colours add channel by channel; a channel that runs over stays at 255.
TEST(PanelSzin, ColoursAddChannelByChannel)
{
    const auto rgb = [](int r, int g, int b) { return r | (g << 8) | (b << 16); };
    const struct {
        std::int32_t a, b, vart;
    } esetek[] = {
        {rgb(0, 0, 0), rgb(130, 60, 20), rgb(130, 60, 20)},
        {rgb(100, 100, 100), rgb(130, 60, 20), rgb(230, 160, 120)},
        {rgb(255, 0, 0), rgb(130, 60, 20), rgb(255, 60, 20)},
        {rgb(200, 250, 240), rgb(130, 60, 20), rgb(255, 255, 255)},
    };
    for (const auto& e : esetek)
        EXPECT_EQ(SzinOsszeg(e.a, e.b), e.vart) << std::hex << e.a;
}

TEST(InfoPanelek, RightHandAndSecondPanelsAndLineCounts)
{
    EXPECT_FALSE(JobbInfoPanel(0, jatek(30)));
    EXPECT_TRUE(JobbInfoPanel(1, jatek(30)));
    EXPECT_FALSE(JobbInfoPanel(1, jatek(0)));
    EXPECT_TRUE(JobbInfoPanel(5, jatek(8)));
    EXPECT_EQ(JobbInfoSzelesseg(jatek(30), S, 106), 6 + 5 * S);
    EXPECT_EQ(JobbInfoSzelesseg(jatek(6), S, 64), 2 * 64 - S);

    EXPECT_TRUE(MasodikInfoPanel(1, jatek(0), false));   // ten-column game
    EXPECT_TRUE(MasodikInfoPanel(2, jatek(37), false));  // extra pool panel
    EXPECT_FALSE(MasodikInfoPanel(0, jatek(0), false));
    EXPECT_FALSE(MasodikInfoPanel(4, jatek(37), false));

    EXPECT_EQ(InfoSorokSzama(0, jatek(0), false), 5);
    EXPECT_EQ(InfoSorokSzama(0, jatek(30), false), 6);
    EXPECT_EQ(InfoSorokSzama(4, jatek(0), false), 0);
    EXPECT_EQ(InfoSorokSzama(1, jatek(0), true), 16);
    EXPECT_EQ(InfoSorokSzama(3, jatek(8), false), 20 + 11 + 8);
    // Magyar 6/45: (6 + 1) x 1 hit classes + 1 bonus, one more line for the check ticket.
    EXPECT_EQ(InfoSorokSzama(2, jatek(1), false), 7 + 1 + 11 + 8 + 1);
}

TEST(FoszelvenyInfo, CountsAndOrderName)
{
    GameParams g = jatek(30);
    SzamListak l;
    MainState ms;
    ListakInicializalasa(l, g, ms);
    SzamKattintas(l, g, ms, 3, ModKijelolt);
    SzamKattintas(l, g, ms, 17, ModAllando);
    SzamKattintas(l, g, ms, 52, ModKijelolt);
    SzamKattintas(l, g, ms, 9, ModFix);
    EXPECT_EQ(FoszelvenyInfoSzoveg(l, g, 1),
              " Kijelölve  :  4 szám\r\n"
              "  - fix     :  1\r\n"
              "  - állandó :  1\r\n"
              "  - véletlen:  0\r\n"
              "        Euro:  1\r\n"
              " Sorrend: Növekvő");
}

}  // namespace
}  // namespace kvx
