// Entering a draw: clipboard text, the year and week proposal, the
// entry ticket's rows and the completeness check.
#include "draws/draw_entry.h"
#include "draws_fixture.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

using testing::Jatek;

struct VagolapEset {
    int Jatek;
    const char* Szoveg;
    bool Rendben;
    std::vector<std::int32_t> Sor1;
    const char* Maradek;
};

class VagolapTest : public ::testing::TestWithParam<VagolapEset> {};

TEST_P(VagolapTest, ReadsOneDraw)
{
    const VagolapEset& e = GetParam();
    const GameParams g = Jatek(e.Jatek);
    VagolapState v;
    v.VagolapSzoveg = e.Szoveg;
    const VagolapHuzas h = VagolapOlvasas(g, v);
    EXPECT_EQ(h.Rendben, e.Rendben);
    EXPECT_EQ(h.Sor1, e.Sor1);
    EXPECT_EQ(v.VagolapSzoveg, e.Maradek);
}

INSTANTIATE_TEST_SUITE_P(
    Peldak, VagolapTest,
    ::testing::Values(
        // Any non-digit separates.
        VagolapEset{0, "03, 17-45;61 89", true, {3, 17, 45, 61, 89}, ""},
        // Two digits at most: 123 is 12 and 3.
        VagolapEset{0, "123 40 50 60", true, {12, 3, 40, 50, 60}, ""},
        // The rest stays for the next draw.
        VagolapEset{0, "1 2 3 4 5\r\n6 7 8 9 10", true, {1, 2, 3, 4, 5}, "\r\n6 7 8 9 10"},
        // Above the pool: the entry ends, the unread text is kept from the bad value.
        VagolapEset{0, "1 2 91 4 5", false, {1, 2}, " 91 4 5"},
        // German 6/49: a super number 0 in the last place ...
        VagolapEset{37, "1 2 3 4 5 6 0", true, {1, 2, 3, 4, 5, 6, 50}, ""},
        // ... and 0 elsewhere ends the entry.
        VagolapEset{37, "1 0 3 4 5 6 7", false, {1}, " 0 3 4 5 6 7"},
        // Separate pool: numbers of the extra pool are coded above the main pool.
        VagolapEset{30, "5 10 20 30 40 3 12", true, {5, 10, 20, 30, 40, 53, 62}, ""},
        VagolapEset{30, "5 10 20 30 40 3 13", false, {5, 10, 20, 30, 40, 53}, " 13"},
        // A bonus 1 is a real 1.
        VagolapEset{1, "2 3 4 5 6 7 1", true, {2, 3, 4, 5, 6, 7, 1}, ""}));

TEST(VagolapTest, BothRowsOfATwoDrawingGame)
{
    const GameParams g = Jatek(2);
    VagolapState v;
    v.VagolapSzoveg = "1 2 3 4 5 6 7 8 9 10 11 12 13 14";
    VagolapHuzas h = VagolapOlvasas(g, v);
    EXPECT_TRUE(h.Rendben);
    EXPECT_EQ(h.Sor1, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(h.Sor2, (std::vector<std::int32_t>{8, 9, 10, 11, 12, 13, 14}));
    // One row per draw.
    v.VagolapMindketSzamsor = false;
    v.VagolapSzoveg = "1 2 3 4 5 6 7 8 9 10 11 12 13 14";
    h = VagolapOlvasas(g, v);
    EXPECT_EQ(h.Sor1.size(), 7u);
    EXPECT_TRUE(h.Sor2.empty());
    EXPECT_EQ(v.VagolapSzoveg, " 8 9 10 11 12 13 14");
}

TEST(VagolapTest, BonusNumbersLeftOutOfTheText)
{
    const GameParams g = Jatek(4);  // two drawings of 6 + 1
    VagolapState v;
    v.VagolapPotSzamDb = g.PotSzamok * g.SorsolasokSzama;
    v.VagolapSzoveg = "1 2 3 4 5 6 11 12 13 14 15 16 20";
    const VagolapHuzas h = VagolapOlvasas(g, v);
    EXPECT_EQ(h.Sor1, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(h.Sor2, (std::vector<std::int32_t>{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(v.VagolapSzoveg, " 20");
}

TEST(VagolapTest, OversizedTextIsRefused)
{
    const GameParams g = Jatek(0);
    EXPECT_EQ(VagolapMeretHiba(g, 99999), "");
    EXPECT_EQ(VagolapMeretHiba(g, 100000), " A vágólap indokolatlanul sok, 100000 karaktert tartalmaz. ");
    VagolapState v;
    v.VagolapSzoveg = std::string(9, '1');
    EXPECT_FALSE(VagolapHuzasVan(g, v));
    v.VagolapSzoveg = std::string(10, '1');
    EXPECT_TRUE(VagolapHuzasVan(g, v));
}

// A table whose last row is the empty row of a new draw.
DrawsState Hetek(const GameParams& g, std::vector<std::pair<int, int>> evHet)
{
    DrawsState d;
    SetHuzasok(d, static_cast<std::int32_t>(evHet.size()) + 1, g.HuzottSzamok + 3);
    for (std::size_t i = 0; i < evHet.size(); ++i) {
        d.Huzasok[i][1] = evHet[i].first;
        d.Huzasok[i][2] = evHet[i].second;
    }
    return d;
}

TEST(EvHetTest, ProposalForANewDraw)
{
    const GameParams heti1 = Jatek(0);
    const GameParams heti2 = Jatek(3);
    EXPECT_EQ(EvHetJavaslat(Hetek(heti1, {{2019, 52}, {2019, 53}}), heti1, 1, 0), (EvHet{2020, 1}));
    EXPECT_EQ(EvHetJavaslat(Hetek(heti1, {{2019, 11}, {2019, 12}}), heti1, 1, 0), (EvHet{2019, 13}));
    // Two draws a week: the week is not full yet.
    EXPECT_EQ(EvHetJavaslat(Hetek(heti2, {{2019, 10}, {2019, 11}, {2019, 12}}), heti2, 1, 0), (EvHet{2019, 12}));
    EXPECT_EQ(EvHetJavaslat(Hetek(heti2, {{2019, 11}, {2019, 12}, {2019, 12}}), heti2, 1, 0), (EvHet{2019, 13}));
    // An empty list proposes the defaults.
    EXPECT_EQ(EvHetJavaslat(Hetek(heti1, {}), heti1, 1, 0), (EvHet{1957, 1}));
}

TEST(EvHetTest, ProposalForModifyAndInsert)
{
    const GameParams g = Jatek(0);
    DrawsState d = Hetek(g, {{2019, 1}, {2019, 2}, {2019, 3}});
    EXPECT_EQ(EvHetJavaslat(d, g, 2, 2), (EvHet{2019, 2}));
    // Insert: the empty row stands at the selection.
    EXPECT_EQ(EvHetJavaslat(d, g, 3, 3), (EvHet{2019, 2}));
    // Inserting before the first draw: the week before the draw after it,
    // wrapping below week 1.
    DrawsState elejen = Hetek(g, {{0, 0}, {2019, 1}, {2019, 2}});
    EXPECT_EQ(EvHetJavaslat(elejen, g, 3, 1), (EvHet{2019, 53}));
    elejen.Huzasok[1][2] = 5;
    EXPECT_EQ(EvHetJavaslat(elejen, g, 3, 1), (EvHet{2019, 4}));
    EXPECT_EQ(HetKorbe(54), 1);
    EXPECT_EQ(HetKorbe(0), 53);
}

TEST(HuzBeTest, SixthNumberOf590IsRefusedUntilOneIsRemoved)
{
    const GameParams g = Jatek(0);
    HuzBeState s;
    UjHuzasBe(s, g);
    for (int n : {5, 1, 90, 33, 12})
        EXPECT_EQ(HuzBeSzamClick(s, g, n, 0), HuzBeKattintas::Szam);
    EXPECT_EQ(HuzBeSzamClick(s, g, 7, 0), HuzBeKattintas::Elutasitva);
    EXPECT_EQ(HuzBeSzamClick(s, g, 33, 0), HuzBeKattintas::Torolve);
    EXPECT_EQ(HuzBeSzamClick(s, g, 7, 0), HuzBeKattintas::Szam);
    const HuzBeCellak c = HuzBeSorCellak(s, g, 0);
    EXPECT_EQ(c, (HuzBeCellak{1, 5, 7, 12, 90}));
    EXPECT_TRUE(Ellenorzes(g, c, {}, false, false));
}

TEST(HuzBeTest, SeventhClickOf645IsTheBonusAndMayStayEmpty)
{
    const GameParams g = Jatek(1);
    HuzBeState s;
    UjHuzasBe(s, g);
    for (int n : {1, 2, 3, 4, 5, 6})
        HuzBeSzamClick(s, g, n, 0);
    EXPECT_TRUE(Ellenorzes(g, HuzBeSorCellak(s, g, 0), {}, false, false));
    EXPECT_EQ(HuzBeSzamClick(s, g, 40, 0), HuzBeKattintas::PotSzam);
    EXPECT_EQ(HuzBeSzamSzerepe(s, 40), HuzBeSzerep::PotSzam);
    const THuzRekord r = HuzBeRekord(g, 2020, 5, HuzBeSorCellak(s, g, 0), {});
    EXPECT_EQ(r.Szamok[5], 6);
    EXPECT_EQ(r.Szamok[6], 40);
}

TEST(HuzBeTest, TwoDrawingGameMovesOnAndWritesTheSecondDrawingAtItsColumn)
{
    const GameParams g = Jatek(2);  // 7/35
    HuzBeState s;
    UjHuzasBe(s, g);
    for (int n = 1; n <= 7; ++n)
        HuzBeSzamClick(s, g, n, 0);
    ASSERT_TRUE(MasodikSorraLep(s, g));
    const HuzBeCellak sor1 = HuzBeSorCellak(s, g, 0);
    // Second row left out: accepted with one drawing.
    EXPECT_TRUE(Ellenorzes(g, sor1, HuzBeCellak(7), true, false));
    s.HuzBeSor = 1;
    for (int n = 20; n <= 22; ++n)
        HuzBeSzamClick(s, g, n, 0);
    EXPECT_FALSE(Ellenorzes(g, sor1, HuzBeSorCellak(s, g, 1), true, false));
    for (int n = 23; n <= 26; ++n)
        HuzBeSzamClick(s, g, n, 0);
    EXPECT_TRUE(Ellenorzes(g, sor1, HuzBeSorCellak(s, g, 1), true, false));
    const THuzRekord r = HuzBeRekord(g, 2020, 1, sor1, HuzBeSorCellak(s, g, 1));
    EXPECT_EQ(r.Szamok[static_cast<std::size_t>(g.MasodikHuzasOszlop - 3)], 20);
    EXPECT_EQ(r.Szamok[13], 26);
}

TEST(HuzBeTest, SeveralBonusNumbersAreAllOrNone)
{
    const GameParams g = Jatek(41);  // 6 + 2 bonus
    HuzBeState s;
    UjHuzasBe(s, g);
    for (int n : {1, 2, 3, 4, 5, 6})
        HuzBeSzamClick(s, g, n, 0);
    EXPECT_TRUE(Ellenorzes(g, HuzBeSorCellak(s, g, 0), {}, false, true));
    HuzBeSzamClick(s, g, 30, 0);
    EXPECT_FALSE(Ellenorzes(g, HuzBeSorCellak(s, g, 0), {}, false, true));
    HuzBeSzamClick(s, g, 31, 0);
    EXPECT_TRUE(Ellenorzes(g, HuzBeSorCellak(s, g, 0), {}, false, true));
}

}  // namespace
}  // namespace kvx
