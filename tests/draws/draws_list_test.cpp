// The draws list's hit tallies of the selected number row and its texts.
#include "draws/draws_list.h"
#include "draws_fixture.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

using testing::Jatek;
using testing::Sor;

DrawsState Tabla(const GameParams& g, std::vector<TTombInt1D> sorok)
{
    DrawsState d;
    SetHuzasok(d, static_cast<std::int32_t>(sorok.size()), g.HuzottSzamok + 3);
    d.Huzasok = std::move(sorok);
    d.AdatbazisBetoltve = true;
    return d;
}

TEST(TalalatEloszlasTest, FullMainHitWithAMatchingBonusIsTheFullHit)
{
    const GameParams g = Jatek(5);  // bonus numbers form classes of their own
    ASSERT_TRUE(g.PotSzamTalalat);
    DrawsState d = Tabla(g, {Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5, 6, 7}), Sor(g, 2, 2020, 1, {1, 2, 3, 4, 5, 6, 7}),
                             Sor(g, 3, 2020, 2, {1, 2, 3, 4, 5, 9, 7})});
    HuzListaState s;
    s.KivRekord = 1;
    TalalatEloszlasSzamitas(s, d, g, 1, 3);
    ASSERT_EQ(static_cast<int>(s.TalalatEloszlas.size()), TalalatEloszlasMeret(g));
    // Draws 1 and 2 are full hits (with their bonus), draw 3 is 5 + 1.
    EXPECT_EQ(s.TalalatEloszlas[static_cast<std::size_t>(6 * g.TalalatSzorzo)], 2);
    EXPECT_EQ(s.TalalatEloszlas[static_cast<std::size_t>(5 * g.TalalatSzorzo + 1)], 1);
    const HLRiport r = HLRiportKiir(s, d, g, 1, 3);
    EXPECT_EQ(s.IsmetlodoHuzas, 1);
    EXPECT_NE(r.Szoveg.find(" 6   találat:       1\r\n"), std::string::npos) << r.Szoveg;
    EXPECT_NE(r.Szoveg.find(" 5+1 találat:       1\r\n"), std::string::npos) << r.Szoveg;
    EXPECT_EQ(r.Felirat, " 1. húzás számsora");
}

// The ticket's text: the serial number's line is followed at once by the
// line's properties, which open with their own line break.
TEST(TalalatEloszlasTest, SerialNumberIsFollowedByThePropertiesWithoutABlankLine)
{
    const GameParams g = Jatek(0);
    DrawsState d = Tabla(g, {Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5})});
    HuzListaState s;
    s.KivRekord = 1;
    TalalatEloszlasSzamitas(s, d, g, 1, 1);
    const HLRiport r = HLRiportKiir(s, d, g, 1, 1);
    const std::size_t ssz = r.Szoveg.find("\r\n Ssz:");
    ASSERT_NE(ssz, std::string::npos) << r.Szoveg;
    const std::size_t sorVege = r.Szoveg.find("\r\n", ssz + 2);
    ASSERT_NE(sorVege, std::string::npos);
    EXPECT_EQ(r.Szoveg.substr(sorVege, 11), "\r\n Összeg:") << r.Szoveg;
}

TEST(TalalatEloszlasTest, BonusGameWithoutBonusClassesHasItsOwnFivePlusOne)
{
    const GameParams g = Jatek(1);  // 6/45 + 1
    DrawsState d = Tabla(g, {Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5, 6, 7}), Sor(g, 2, 2020, 2, {1, 2, 3, 4, 5, 9, 7}),
                             Sor(g, 3, 2020, 3, {1, 2, 3, 4, 10, 11, 12})});
    HuzListaState s;
    s.KivRekord = 1;
    TalalatEloszlasSzamitas(s, d, g, 1, 3);
    EXPECT_EQ(s.TalalatEloszlas[7], 1);  // itself
    EXPECT_EQ(s.TalalatEloszlas[6], 1);  // 5 + bonus
    EXPECT_EQ(s.TalalatEloszlas[4], 1);
    HLRiportKiir(s, d, g, 1, 3);
    EXPECT_EQ(s.IsmetlodoHuzas, 0);
}

TEST(TalalatEloszlasTest, SecondDrawingIsARowOfItsOwnAndIsSelectedByItsCells)
{
    const GameParams g = Jatek(2);  // 7/35, two drawings
    DrawsState d = Tabla(g, {Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17}),
                             Sor(g, 2, 2020, 2, {11, 12, 13, 14, 15, 16, 17, 0, 0, 0, 0, 0, 0, 0})});
    HuzListaState s;
    HuzTablaSelectCell(s, d, g, g.MasodikHuzasOszlop + 2, 1);
    EXPECT_EQ(s.KivSzamsorOszlop, g.MasodikHuzasOszlop);
    TalalatEloszlasSzamitas(s, d, g, 1, 2);
    EXPECT_EQ(s.TalalatEloszlas[7], 2);  // itself and draw 2's first drawing
    HLRiportKiir(s, d, g, 1, 2);
    EXPECT_EQ(s.IsmetlodoHuzas, 1);
    // Down to a draw without a second drawing: the first row.
    HuzTablaSelectCell(s, d, g, g.MasodikHuzasOszlop + 2, 2);
    EXPECT_EQ(s.KivSzamsorOszlop, 3);
    // Separate-pool extras count as extra hits.
    const GameParams ej = Jatek(30);
    DrawsState e = Tabla(ej, {Sor(ej, 1, 2020, 1, {1, 2, 3, 4, 5, 51, 52}), Sor(ej, 2, 2020, 2, {1, 2, 3, 9, 10, 51, 60})});
    HuzListaState t;
    t.KivRekord = 1;
    TalalatEloszlasSzamitas(t, e, ej, 1, 2);
    EXPECT_EQ(t.TalalatEloszlas[static_cast<std::size_t>(3 * ej.TalalatSzorzo + 1)], 1);
}

// Left, Right and Tab move between the two drawings of a row, and only
// where there is a drawing to move to.
TEST(SorsolasValtoTest, KeysMoveBetweenTheTwoDrawingsOfARow)
{
    const GameParams g = Jatek(2);  // 7/35, two drawings
    const DrawsState d = Tabla(g, {Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17}),
                                   Sor(g, 2, 2020, 2, {11, 12, 13, 14, 15, 16, 17, 0, 0, 0, 0, 0, 0, 0})});
    const std::int32_t m = g.MasodikHuzasOszlop;
    using K = SorsolasBillentyu;
    struct Eset {
        bool elsoKijelolt;  // MasodikSzamsorKijelolt: the first drawing is selected
        std::int32_t sor;
        K kulcs;
        std::optional<std::int32_t> oszlop;
    };
    const Eset esetek[] = {
        {true, 1, K::Jobbra, m},  {true, 1, K::Tab, m},  {true, 1, K::Balra, std::nullopt},
        // No second drawing in draw 2: the key is left to the grid.
        {true, 2, K::Jobbra, std::nullopt}, {true, 2, K::Tab, std::nullopt},
        {false, 1, K::Balra, 3}, {false, 1, K::Tab, 3}, {false, 1, K::Jobbra, std::nullopt},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(std::to_string(e.sor) + " " + std::to_string(static_cast<int>(e.kulcs)) + " " +
                     std::to_string(e.elsoKijelolt));
        HuzListaState s;
        s.MasodikSzamsorKijelolt = e.elsoKijelolt;
        EXPECT_EQ(SorsolasValtoOszlop(s, d, g, e.sor, e.kulcs), e.oszlop);
    }
    // A game that draws once, or no database: nothing to do.
    const GameParams egy = Jatek(0);
    HuzListaState s;
    s.MasodikSzamsorKijelolt = false;
    const DrawsState d0 = Tabla(egy, {Sor(egy, 1, 2020, 1, {1, 2, 3, 4, 5})});
    EXPECT_EQ(SorsolasValtoOszlop(s, d0, egy, 1, K::Tab), std::nullopt);
    DrawsState ures = d;
    ures.AdatbazisBetoltve = false;
    EXPECT_EQ(SorsolasValtoOszlop(s, ures, g, 1, K::Tab), std::nullopt);
}

TEST(HuzTablaTest, HeadersAndCells)
{
    const GameParams g = Jatek(2);
    EXPECT_EQ(HuzTablaFejlec(g, 0).Szoveg, "Húzás");
    EXPECT_EQ(HuzTablaFejlec(g, 3).Szoveg, "1.");
    EXPECT_EQ(HuzTablaFejlec(g, g.MasodikHuzasOszlop).Szoveg, "1.");
    EXPECT_EQ(HuzTablaFejlec(Jatek(1), 9).Szoveg, "+");
    const GameParams ej = Jatek(30);
    DrawsState d = Tabla(ej, {Sor(ej, 1, 2020, 7, {1, 2, 3, 4, 5, 51, 62})});
    HuzListaState s;
    s.KivRekord = 1;
    EXPECT_EQ(HuzTablaCella(s, d, ej, 1, 0, 1, 1).Szoveg, "1.");
    EXPECT_TRUE(HuzTablaCella(s, d, ej, 1, 0, 1, 1).Vastag);
    EXPECT_EQ(HuzTablaCella(s, d, ej, 1, 2, 1, 1).Szoveg, "7.");
    EXPECT_EQ(HuzTablaCella(s, d, ej, 1, 9, 1, 1).Szoveg, "12");
    EXPECT_EQ(HuzTablaCella(s, d, ej, 1, 3, 1, 1).Hatter, HuzCellaHatter::Kiemelo);
    EXPECT_TRUE(HuzTablaCella(s, d, ej, 1, 3, 2, 2).Szurke);
    // A 0 is shown as the 0 it is: an empty bonus place, a drawing that did
    // not take place.
    const GameParams hatos = Jatek(1);
    const GameParams het = Jatek(2);
    const DrawsState b = Tabla(hatos, {Sor(hatos, 1, 2020, 7, {1, 2, 3, 4, 5, 6, 0})});
    const DrawsState m = Tabla(het, {Sor(het, 1, 2020, 7, {1, 2, 3, 4, 5, 6, 7})});
    EXPECT_EQ(HuzTablaCella(s, b, hatos, 1, 9, 1, 1).Szoveg, "0");
    EXPECT_EQ(HuzTablaCella(s, m, het, 1, het.MasodikHuzasOszlop, 1, 1).Szoveg, "0");
}

// ---- Reserved draws ----

TEST(FoglaltHuzasTest, EditsRefusedInsideTheHitRatioRange)
{
    const std::string v = " Variáció - Találati arány feltétel \r\n Foglalt tartomány: ";
    struct Eset {
        int N, Kiv, Bont;
        bool TalAr;
        int Elso, Utolso;
        bool Beszuras, Modositas, Torles;
        std::string Elotag;
    };
    for (const Eset& e : {
             // No variation or no active condition: every edit allowed.
             Eset{50, 10, 0, true, 5, 20, true, true, true, ""},
             Eset{50, 10, 100, false, 5, 20, true, true, true, ""},
             // Inside the range: nothing.
             Eset{50, 10, 100, true, 5, 20, false, false, false, v},
             Eset{50, 20, 100, true, 5, 20, false, false, false, v},
             // Before the first draw: may be modified, not inserted before or deleted.
             Eset{50, 3, 100, true, 5, 20, false, true, false, v},
             // After the range: free.
             Eset{50, 21, 100, true, 5, 20, true, true, true, ""},
             // The opening draw of a one-draw list.
             Eset{1, 1, 0, false, 1, 1, false, true, false, " Nyitó számsor: "},
         }) {
        const FoglaltHuzas f = FoglaltHuzasok(e.N, e.Kiv, e.Bont, e.TalAr, e.Elso, e.Utolso);
        SCOPED_TRACE(std::to_string(e.N) + "/" + std::to_string(e.Kiv));
        EXPECT_EQ(f.Beszuras, e.Beszuras);
        EXPECT_EQ(f.Modositas, e.Modositas);
        EXPECT_EQ(f.Torles, e.Torles);
        EXPECT_EQ(f.BeszurasTipp, e.Beszuras ? "" : e.Elotag + "nem szúrható be új húzás ");
        EXPECT_EQ(f.ModositasTipp, e.Modositas ? "" : e.Elotag + " nem módosítható a húzás ");
        EXPECT_EQ(f.TorlesTipp, e.Torles ? "" : e.Elotag + "nem törölhető a húzás ");
    }
}

}  // namespace
}  // namespace kvx
