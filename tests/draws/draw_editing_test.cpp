// Editing the draws table and taking the edits back: sequences of edits,
// undos and redos, each checked against the table it must leave.
#include "draws/draw_editing.h"
#include "draws_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvx {
namespace {

using testing::Jatek;

// A table of n draws of game 0 whose first number is 10 + the draw number.
DrawsState Tabla(const GameParams& g, int n)
{
    DrawsState d;
    SetHuzasok(d, n, g.HuzottSzamok + 3);
    for (int i = 0; i < n; ++i)
        d.Huzasok[static_cast<std::size_t>(i)] = testing::Sor(g, i + 1, 2020, i + 1, {10 + i + 1, 80, 81, 82, 83});
    d.AdatbazisBetoltve = true;
    return d;
}

// First numbers of the rows, after checking that the sequence column is 1..n.
std::vector<int> Elsok(const DrawsState& d)
{
    std::vector<int> v;
    for (int i = 0; i < d.HuzasokSzama; ++i) {
        EXPECT_EQ(d.Huzasok[static_cast<std::size_t>(i)][0], i + 1);
        v.push_back(d.Huzasok[static_cast<std::size_t>(i)][3]);
    }
    return v;
}

THuzRekord Rekord(int elso)
{
    THuzRekord r;
    r.Ev = 2021;
    r.Het = 7;
    r.Szamok = {static_cast<std::uint8_t>(elso), 80, 81, 82, 83};
    return r;
}

struct Lepes {
    char Muvelet;  // a append, i insert at sel, m modify sel, d delete sel, c cancelled append, u undo, r redo
    int Kiv;       // selection before the step
    int Szam;      // first number of the entered draw
};

struct Eset {
    const char* Nev;
    std::vector<Lepes> Lepesek;
    std::vector<int> Vart;
    int Visszavonhato;
    int TarHossz;
};

class SzerkesztesTest : public ::testing::TestWithParam<Eset> {};

TEST_P(SzerkesztesTest, LeavesTheExpectedTableAndStack)
{
    const GameParams g = Jatek(0);
    DrawsState d = Tabla(g, 5);
    HuzListaState s;
    HuzSzamaState r;
    for (const Lepes& l : GetParam().Lepesek) {
        if (l.Kiv > 0)
            s.KivRekord = l.Kiv;
        switch (l.Muvelet) {
        case 'a':
        case 'c':
            ASSERT_TRUE(BovitesKezdes(s, d));
            s.HuzRekord = Rekord(l.Szam);
            AdatbazisModositas(s, d, l.Muvelet == 'a', true, r);
            break;
        case 'i':
            ASSERT_TRUE(BeszurasKezdes(s, d));
            s.HuzRekord = Rekord(l.Szam);
            AdatbazisModositas(s, d, true, true, r);
            break;
        case 'm':
            ModositasKezdes(s);
            s.HuzRekord = Rekord(l.Szam);
            AdatbazisModositas(s, d, true, true, r);
            break;
        case 'd': HuzasTorles(s, d, r); break;
        case 'u': EXPECT_TRUE(RekordPVissza(s, d, r)); break;
        case 'r': EXPECT_TRUE(RekordPMegse(s, d, r)); break;
        }
    }
    EXPECT_EQ(Elsok(d), GetParam().Vart);
    EXPECT_EQ(s.VisszavonasPoz, GetParam().Visszavonhato);
    EXPECT_EQ(static_cast<int>(s.VisszavonasTar.size()), GetParam().TarHossz);
    // The ranges of the main ticket and the list follow the table.
    EXPECT_EQ(r.GetHuzSzamaUtolso(), d.HuzasokSzama);
    EXPECT_EQ(r.GetLHuzSzamaUtolso(), d.HuzasokSzama);
}

INSTANTIATE_TEST_SUITE_P(
    Sorozatok, SzerkesztesTest,
    ::testing::Values(
        Eset{"AppendUndoRedo", {{'a', 0, 50}, {'u', 0, 0}, {'r', 0, 0}}, {11, 12, 13, 14, 15, 50}, 1, 1},
        Eset{"AppendUndo", {{'a', 0, 50}, {'u', 0, 0}}, {11, 12, 13, 14, 15}, 0, 1},
        Eset{"CancelledAppend", {{'c', 3, 50}}, {11, 12, 13, 14, 15}, 0, 0},
        Eset{"DeleteMiddleUndo", {{'d', 3, 0}, {'u', 0, 0}}, {11, 12, 13, 14, 15}, 0, 1},
        Eset{"DeleteMiddleUndoRedo", {{'d', 3, 0}, {'u', 0, 0}, {'r', 0, 0}}, {11, 12, 14, 15}, 1, 1},
        Eset{"DeleteLastUndo", {{'d', 5, 0}, {'u', 0, 0}}, {11, 12, 13, 14, 15}, 0, 1},
        Eset{"InsertUndoRedo", {{'i', 2, 60}, {'u', 0, 0}, {'r', 0, 0}}, {11, 60, 12, 13, 14, 15}, 1, 1},
        Eset{"ModifyUndo", {{'m', 4, 70}, {'u', 0, 0}}, {11, 12, 13, 14, 15}, 0, 1},
        Eset{"ModifyUndoRedo", {{'m', 4, 70}, {'u', 0, 0}, {'r', 0, 0}}, {11, 12, 13, 70, 15}, 1, 1},
        Eset{"ModifyTwiceUndoBoth", {{'m', 1, 70}, {'m', 1, 71}, {'u', 0, 0}, {'u', 0, 0}}, {11, 12, 13, 14, 15}, 0, 2},
        Eset{"NewEditDropsRedo",
             {{'a', 0, 50}, {'a', 0, 51}, {'u', 0, 0}, {'u', 0, 0}, {'d', 1, 0}},
             {12, 13, 14, 15},
             1,
             1},
        Eset{"MixedUndoAll",
             {{'d', 2, 0}, {'i', 1, 60}, {'m', 3, 70}, {'a', 0, 50}, {'u', 0, 0}, {'u', 0, 0}, {'u', 0, 0}, {'u', 0, 0}},
             {11, 12, 13, 14, 15},
             0,
             4}),
    [](const ::testing::TestParamInfo<Eset>& i) { return std::string(i.param.Nev); });

TEST(SzerkesztesTest, UndoAndRedoAtTheEndsDoNothing)
{
    const GameParams g = Jatek(0);
    DrawsState d = Tabla(g, 2);
    HuzListaState s;
    HuzSzamaState r;
    EXPECT_FALSE(RekordPVissza(s, d, r));
    EXPECT_FALSE(RekordPMegse(s, d, r));
    EXPECT_EQ(d.HuzasokSzama, 2);
}

TEST(SzerkesztesTest, ModifyKeepsSeparatePoolNumbersThroughUndoAndRedo)
{
    const GameParams g = Jatek(30);  // EuroJackpot: 5 + 2 from a pool of 12
    DrawsState d;
    SetHuzasok(d, 1, g.HuzottSzamok + 3);
    d.Huzasok[0] = testing::Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5, 51, 52});
    const TTombInt1D eredeti = d.Huzasok[0];
    HuzListaState s;
    HuzSzamaState r;
    s.KivRekord = 1;
    ModositasKezdes(s);
    s.HuzRekord.Ev = 2020;
    s.HuzRekord.Het = 1;
    s.HuzRekord.Szamok = {6, 7, 8, 9, 10, 61, 62};
    AdatbazisModositas(s, d, true, true, r);
    const TTombInt1D uj = d.Huzasok[0];
    RekordPVissza(s, d, r);
    EXPECT_EQ(d.Huzasok[0], eredeti);
    RekordPMegse(s, d, r);
    EXPECT_EQ(d.Huzasok[0], uj);
}

TEST(SzerkesztesTest, DeletingTheLastDrawsShortensTheRangesAndReportsAnActiveHitRatioOnce)
{
    const GameParams g = Jatek(0);
    DrawsState d = Tabla(g, 5);
    HuzListaState s;
    HuzSzamaState r;
    r.VariacioTesztSzamsorElso = 5;
    r.VariacioTesztSzamsorUtolso = 5;
    std::array<std::int32_t, 10> elso{}, utolso{};
    elso.fill(1);
    utolso.fill(5);
    TalalatiAranyTartomanyok t{elso, utolso, true};
    s.KivRekord = 5;
    EXPECT_TRUE(HuzasTorles(s, d, r, &t).TalArErtesites);
    EXPECT_EQ(utolso[0], 4);
    EXPECT_EQ(r.VariacioTesztSzamsorUtolso, 4);
    EXPECT_EQ(r.VariacioTesztSzamsorElso, 4);
    // With the condition off its ranges are shortened without a notice.
    t.TalArAktiv = false;
    s.KivRekord = 4;
    EXPECT_FALSE(HuzasTorles(s, d, r, &t).TalArErtesites);
    EXPECT_EQ(utolso[9], 3);
}

TEST(SzerkesztesTest, TheListIsFullAtTheLimit)
{
    DrawsState d;
    SetHuzasok(d, kMaxHuzasDb, 8);
    HuzListaState s;
    EXPECT_FALSE(BovitesKezdes(s, d));
    EXPECT_FALSE(BeszurasKezdes(s, d));
    EXPECT_EQ(d.HuzasokSzama, kMaxHuzasDb);
}

TEST(SzerkesztesTest, ButtonStatesAndTheSaveReminder)
{
    HuzListaState s;
    ListaAktivAllapot a = ListaAktiv(s, false, true, true, true);
    EXPECT_FALSE(a.Mentes);
    EXPECT_EQ(a.MentesTipp, " Nincs mentésre váró adat ");
    EXPECT_FALSE(a.Vissza);
    s.VisszavonasTar.assign(83, TTombInt1D(9, 0));
    s.VisszavonasPoz = 83;
    int kerdesek = 0;
    for (int i = 0; i < 40; ++i)
        kerdesek += ListaAktiv(s, true, true, true, true).Emlekezteto ? 1 : 0;
    EXPECT_EQ(kerdesek, 2);
    a = ListaAktiv(s, true, true, true, true);
    EXPECT_TRUE(a.Mentes);
    EXPECT_TRUE(a.Vissza);
    EXPECT_EQ(a.VisszaTipp, " Művelet visszavonása ");
    EXPECT_FALSE(a.Megse);
    EXPECT_EQ(MentesEmlekeztetoKerdes(s).rfind("Több mint 82 húzást", 0), 0u);
    EXPECT_EQ(HuzTorlesEngKerdes(s, true, " Magyar 5/90 ", ""),
              "Módosította, de nem mentette: Magyar 5/90 \r\n\r\nMenti a módosított adatbázist?");
}

}  // namespace
}  // namespace kvx
