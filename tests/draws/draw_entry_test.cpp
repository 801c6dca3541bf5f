// Entering a draw: clipboard text, the year and week proposal, the
// entry ticket's rows and the completeness check.
#include "draws/draw_entry.h"
#include "common/random_source.h"
#include "draws_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

// ---- Random filling ----

// A stored row of game g with every number column filled, the bonus column
// of row 1 and the second drawing (and its bonus) as asked.
TTombInt1D MintaSor(const GameParams& g, bool pot, bool masodik, bool pot2 = true)
{
    TTombInt1D s(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
    s[0] = 1;
    s[1] = 2020;
    s[2] = 5;
    const std::int32_t vege = g.TobbSorsolas ? g.MasodikHuzasOszlop : g.HuzottSzamok + 3;
    for (std::int32_t c = 3; c < vege; ++c)
        s[static_cast<std::size_t>(c)] = c;
    if (!pot && static_cast<std::size_t>(g.SzamsorHossz + 3) < s.size())
        s[static_cast<std::size_t>(g.SzamsorHossz + 3)] = 0;
    if (g.TobbSorsolas && masodik) {
        for (std::size_t c = static_cast<std::size_t>(g.MasodikHuzasOszlop); c < s.size(); ++c)
            s[c] = static_cast<std::int32_t>(c);
        if (!pot2)
            s.back() = 0;
    }
    return s;
}

struct VeletlenEset {
    int Jatek;
    bool VanMinta;
    bool MintaPot;
    bool MintaMasodik;
};

class VeletlenTest : public ::testing::TestWithParam<VeletlenEset> {};

// Every random draw is a valid draw of the game: the right counts from the
// right pools, no number twice, and entered on the ticket it is complete and
// writes a record within the game's limits.
TEST_P(VeletlenTest, DrawsACompleteValidDraw)
{
    const VeletlenEset& e = GetParam();
    const GameParams g = Jatek(e.Jatek);
    const TTombInt1D minta = MintaSor(g, e.MintaPot, e.MintaMasodik);
    const bool roman = g.LottoIndex == 17;
    const bool potVan = !e.VanMinta || e.MintaPot;
    const bool masodikVan = g.TobbSorsolas && (!e.VanMinta || e.MintaMasodik);
    RandomState rs(7);
    rs.SzunetNelkul = true;
    for (int kor = 0; kor < 40; ++kor) {
        const VeletlenHuzas h = HuzBeVeletlen(rs, g, e.VanMinta ? &minta : nullptr);
        const std::int32_t sorHossz = roman ? (potVan ? 6 : 5) : g.HuzottFoSzamok;
        const std::size_t potDb = roman || !potVan ? 0 : static_cast<std::size_t>(g.PotSzamok);
        auto ellenoriz = [&](const std::vector<std::int32_t>& sor, const std::vector<std::int32_t>& pot) {
            ASSERT_EQ(static_cast<std::int32_t>(sor.size()), sorHossz);
            ASSERT_EQ(pot.size(), potDb);
            std::set<std::int32_t> mind(sor.begin(), sor.end());
            mind.insert(pot.begin(), pot.end());
            EXPECT_EQ(mind.size(), sor.size() + pot.size()) << "a number drawn twice";
            const auto plusz = std::count_if(sor.begin(), sor.end(), [&](std::int32_t n) { return n > g.FoSzamKeszlet; });
            EXPECT_EQ(plusz, g.VanPluszSzam ? g.PluszSzamDb : 0);
            for (std::int32_t n : sor)
                EXPECT_TRUE(n >= 1 && n <= g.OsszesSzam) << n;
            for (std::int32_t n : pot)
                EXPECT_TRUE(n >= 1 && n <= g.FoSzamKeszlet) << n;
        };
        ellenoriz(h.Sor1, h.Pot1);
        EXPECT_EQ(!h.Sor2.empty(), masodikVan);
        if (masodikVan)
            ellenoriz(h.Sor2, h.Pot2);

        HuzBeState s;
        UjHuzasBe(s, g);
        auto bevisz = [&](int r, const std::vector<std::int32_t>& sor, const std::vector<std::int32_t>& pot) {
            s.HuzBeSor = r;
            for (std::int32_t n : sor)
                EXPECT_EQ(HuzBeSzamClick(s, g, n, 0), HuzBeKattintas::Szam) << n;
            for (std::int32_t n : pot)
                EXPECT_EQ(HuzBeSzamClick(s, g, n, 50), HuzBeKattintas::PotSzam) << n;
        };
        bevisz(0, h.Sor1, h.Pot1);
        bevisz(1, h.Sor2, h.Pot2);
        const HuzBeCellak c1 = HuzBeSorCellak(s, g, 0);
        const HuzBeCellak c2 = HuzBeSorCellak(s, g, 1);
        // Román 5/40 without the sixth number is not a complete draw.
        EXPECT_EQ(Ellenorzes(g, c1, c2, g.TobbSorsolas, false), !(roman && !potVan));
        const THuzRekord r = HuzBeRekord(g, 2024, 10, c1, c2);
        for (std::int32_t i = 0; i < g.HuzottSzamok; ++i)
            EXPECT_LE(r.Szamok[static_cast<std::size_t>(i)], g.OsszesSzam) << "column " << i;
        if (g.VanPluszSzam) {
            for (std::int32_t i = g.HuzottFoSzamokPluszNelkul; i < g.HuzottFoSzamok; ++i)
                EXPECT_GT(r.Szamok[static_cast<std::size_t>(i)], g.FoSzamKeszlet) << "extra column " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jatekok, VeletlenTest,
    ::testing::Values(VeletlenEset{0, true, true, false},    // 5/90
                      VeletlenEset{1, true, true, false},    // 6/45 with its bonus number
                      VeletlenEset{1, true, false, false},   // ... a sample without bonus: none drawn
                      VeletlenEset{1, false, false, false},  // no sample: everything drawn
                      VeletlenEset{2, true, false, true},    // 7/35, two drawings
                      VeletlenEset{2, true, false, false},   // ... the sample had one drawing
                      VeletlenEset{4, true, true, true},     // Szlovák 6/49: two drawings with bonus
                      VeletlenEset{8, true, true, false},    // Kenó: 20 of 80
                      VeletlenEset{17, true, true, false},   // Román 5/40: the sixth stays last
                      VeletlenEset{17, true, false, false},
                      VeletlenEset{30, true, true, false},   // EuroJackpot: 5 + 2 of a separate pool
                      VeletlenEset{37, true, true, false},   // Német 6/49: super number 0..9
                      VeletlenEset{38, true, true, false},   // Oz Lotto: three bonus numbers
                      VeletlenEset{41, true, true, false}));

TEST(VeletlenTest, SecondRowBonusFollowsTheSamplesLastColumn)
{
    const GameParams g = Jatek(4);
    const TTombInt1D minta = MintaSor(g, true, true, false);
    RandomState rs(3);
    rs.SzunetNelkul = true;
    const VeletlenHuzas h = HuzBeVeletlen(rs, g, &minta);
    EXPECT_EQ(h.Pot1.size(), 1u);
    EXPECT_EQ(h.Sor2.size(), 6u);
    EXPECT_TRUE(h.Pot2.empty());
}

TEST(VeletlenTest, RomanSixthNumberStaysLast)
{
    const GameParams g = Jatek(17);
    RandomState rs(5);
    rs.SzunetNelkul = true;
    for (int kor = 0; kor < 20; ++kor) {
        const VeletlenHuzas h = HuzBeVeletlen(rs, g, nullptr);
        ASSERT_EQ(h.Sor1.size(), 6u);
        HuzBeState s;
        UjHuzasBe(s, g);
        for (std::int32_t n : h.Sor1)
            HuzBeSzamClick(s, g, n, 0);
        const HuzBeCellak c = HuzBeSorCellak(s, g, 0);
        EXPECT_EQ(c[5], h.Sor1[5]);
        EXPECT_TRUE(std::is_sorted(h.Sor1.begin(), h.Sor1.begin() + 5));
    }
}

TEST(VeletlenTest, SampleDrawByMode)
{
    const GameParams g = Jatek(0);
    DrawsState d;
    d.Huzasok = {testing::Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5}), testing::Sor(g, 2, 2020, 2, {6, 7, 8, 9, 10}),
                 testing::Sor(g, 3, 2020, 3, {0, 0, 0, 0, 0})};
    d.HuzasokSzama = 3;
    // New draw: the empty last row follows the last stored draw.
    ASSERT_NE(VeletlenMintaHuzas(d, 1, 3), nullptr);
    EXPECT_EQ((*VeletlenMintaHuzas(d, 1, 3))[0], 2);
    // Modify: the selected draw.
    EXPECT_EQ((*VeletlenMintaHuzas(d, 2, 1))[0], 1);
    // Insert: the draw after the new empty row.
    EXPECT_EQ((*VeletlenMintaHuzas(d, 3, 2))[0], 3);
    EXPECT_EQ(VeletlenMintaHuzas(d, 3, 3), nullptr);
    DrawsState ures;
    ures.Huzasok = {testing::Sor(g, 1, 2020, 1, {})};
    ures.HuzasokSzama = 1;
    EXPECT_EQ(VeletlenMintaHuzas(ures, 1, 1), nullptr);
    EXPECT_EQ(VeletlenMintaHuzas(d, 0, 1), nullptr);
}

// ---- Bonus-number tips and re-opening ----

TEST(PluszSzamTippTest, DueWhenTheLastBonusSlotIsFilledOnTheOwnDatabase)
{
    const GameParams g = Jatek(41);  // two bonus numbers
    HuzBeState s;
    UjHuzasBe(s, g);
    for (std::int32_t n : {1, 2, 3, 4, 5, 6})
        HuzBeSzamClick(s, g, n, 0);
    const HuzBeKattintas k1 = HuzBeSzamClick(s, g, 7, 50);
    ASSERT_EQ(k1, HuzBeKattintas::PotSzam);
    // One slot still free: nothing yet.
    EXPECT_EQ(HuzBePluszSzamTipp(s, g, k1, true, true, true, true, true), PluszSzamTippFajta::Nincs);
    const HuzBeKattintas k2 = HuzBeSzamClick(s, g, 8, 50);
    struct Eset {
        bool Sajat, T9, T5, Lathato, Tortenet;
        PluszSzamTippFajta Vart;
    };
    for (const Eset& e : {Eset{true, true, true, true, true, PluszSzamTippFajta::Tipp},
                          Eset{true, true, false, false, false, PluszSzamTippFajta::Tipp},
                          Eset{false, true, true, true, true, PluszSzamTippFajta::Nincs},
                          Eset{true, false, true, true, true, PluszSzamTippFajta::Tortenet},
                          Eset{true, false, true, false, true, PluszSzamTippFajta::Nincs},
                          Eset{true, false, false, true, true, PluszSzamTippFajta::Nincs},
                          Eset{true, false, true, true, false, PluszSzamTippFajta::Nincs}})
        EXPECT_EQ(HuzBePluszSzamTipp(s, g, k2, e.Sajat, e.T9, e.T5, e.Lathato, e.Tortenet), e.Vart);
    // A plain number or a removal never brings the tip.
    EXPECT_EQ(HuzBePluszSzamTipp(s, g, HuzBeKattintas::Szam, true, true, true, true, true), PluszSzamTippFajta::Nincs);
    EXPECT_EQ(HuzBePluszSzamTipp(s, g, HuzBeKattintas::Torolve, true, true, true, true, true),
              PluszSzamTippFajta::Nincs);
}

TEST(HuzBeUjraNyitasTest, OnlyAppendingByHandOnAUsersDatabase)
{
    EXPECT_TRUE(HuzBeUjraNyitas(false, 1, 0));
    EXPECT_FALSE(HuzBeUjraNyitas(true, 1, 0));    // the built-in database
    EXPECT_FALSE(HuzBeUjraNyitas(false, 2, 0));   // modify
    EXPECT_FALSE(HuzBeUjraNyitas(false, 3, 0));   // insert
    EXPECT_FALSE(HuzBeUjraNyitas(false, 1, 200)); // random filling
    EXPECT_FALSE(HuzBeUjraNyitas(false, 1, 300)); // clipboard
}

TEST(AdatbazisFajtaTest, CaptionFollowsTheKind)
{
    AdatbazisFajta a;
    SetAdatbazisTipusa(a, false);
    EXPECT_FALSE(a.AdatbazisTipus);
    EXPECT_EQ(a.AdatbazisFelirat, "Alternatív adatbázis");
    a.PrivatAdatbazis = true;
    SetAdatbazisTipusa(a, false);
    EXPECT_EQ(a.AdatbazisFelirat, "Privát adatbázis");
    SetAdatbazisTipusa(a, true);
    EXPECT_TRUE(a.AdatbazisTipus);
    EXPECT_FALSE(a.PrivatAdatbazis);
    EXPECT_EQ(a.AdatbazisFelirat, "Húzások listája");
}

}  // namespace
}  // namespace kvx
