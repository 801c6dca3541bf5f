// The 44 games' parameters against a table written out by hand, derived
// values included, and the edge cases other subsystems depend on.
#include "app/game_table.h"

#include <gtest/gtest.h>

#include <string>

namespace kvx {
namespace {

struct Expected {
    int index;
    const char* nev;
    const char* mappa;
    const char* ldb;
    const char* adb;
    int OsszesSzam, FoSzamKeszlet, SzamsorHossz, HuzottFoSzamok, HuzottSzamok, SorsolasokSzama, HetiSorsolasok,
        PotSzamok, PluszSzamKeszlet, PluszSzamDb, PluszSzamEltolas;
    const char* PluszSzamNev;
    bool KenoJatek;
    int TalalatKuszob;
    bool PotSzamTalalat;
    // Derived.
    bool VanPluszSzam;
    int MasodikHuzasOszlop, FoSzamUtolsoOszlop, ElsoHuzasUtolsoOszlop, ElsoHuzasFoSzamUtolsoOszlop,
        PluszSzamElsoOszlop;
    bool TobbSorsolas;
    int HuzottFoSzamokPluszNelkul, PotSzamMax;
    bool VanPotSzam;
    int OsszesSzamMax, TalalatSzorzo, VariacioTalalatSzorzo, SzamsorHosszMax, SzamsorFoSzamDb, SzamsorFoSzamMax;
};

const Expected kTable[kJatekokSzama] = {
    {0, "Magyar 5/90", "Otos", "Huzas5.ldb", "Huzas5.adb", 90, 90, 5, 5, 5, 1, 1, 0, 0, 0, 0, "", false, 3, false, false, 8, 7, 7, 7, 8, false, 5, -1, false, 89, 1, 1, 4, 5, 4},
    {1, "Magyar 6/45", "Hatos", "Huzas6.ldb", "Huzas6.adb", 45, 45, 6, 6, 7, 1, 1, 1, 0, 0, 0, "", false, 3, false, false, 10, 8, 8, 8, 9, false, 6, 0, true, 44, 1, 1, 5, 6, 5},
    {2, "Magyar 7/35", "Skandinav", "Huzas7.ldb", "Huzas7.adb", 35, 35, 7, 7, 14, 2, 1, 0, 0, 0, 0, "", false, 3, false, false, 10, 16, 9, 9, 10, true, 7, -1, false, 34, 1, 1, 6, 7, 6},
    {3, "Szlovák 5/35", "Sk535", "Sk535.ldb", "Sk535.adb", 35, 35, 5, 5, 5, 1, 2, 0, 0, 0, 0, "", false, 2, false, false, 8, 7, 7, 7, 8, false, 5, -1, false, 34, 1, 1, 4, 5, 4},
    {4, "Szlovák 6/49", "Sk649", "Sk649.ldb", "Sk649.adb", 49, 49, 6, 6, 14, 2, 2, 1, 0, 0, 0, "", false, 3, false, false, 10, 15, 8, 8, 9, true, 6, 0, true, 48, 1, 1, 5, 6, 5},
    {5, "Ausztria 6/45", "At645", "At645.ldb", "At645.adb", 45, 45, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, true, false, 10, 8, 8, 8, 9, false, 6, 0, true, 44, 2, 1, 5, 6, 5},
    {6, "Horvát 6/45", "Hk645", "Hk645.ldb", "Hk645.adb", 45, 45, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, false, false, 10, 8, 8, 8, 9, false, 6, 0, true, 44, 1, 1, 5, 6, 5},
    {7, "Horvát 7/39", "Hk739", "Hk739.ldb", "Hk739.adb", 39, 39, 7, 7, 8, 1, 2, 1, 0, 0, 0, "", false, 3, false, false, 11, 9, 9, 9, 10, false, 7, 0, true, 38, 1, 1, 6, 7, 6},
    {8, "Magyar Kenó 10 számra", "Keno10", "Keno.ldb", "Keno.adb", 80, 80, 10, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 5, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 9, 10, 9},
    {9, "Magyar Kenó 9 számra", "Keno9", "Keno.ldb", "Keno.adb", 80, 80, 9, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 4, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 8, 9, 8},
    {10, "Magyar Kenó 8 számra", "Keno8", "Keno.ldb", "Keno.adb", 80, 80, 8, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 3, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 7, 8, 7},
    {11, "Magyar Kenó 7 számra", "Keno7", "Keno.ldb", "Keno.adb", 80, 80, 7, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 3, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 6, 7, 6},
    {12, "Magyar Kenó 6 számra", "Keno6", "Keno.ldb", "Keno.adb", 80, 80, 6, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 3, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 5, 6, 5},
    {13, "Magyar Kenó 5 számra", "Keno5", "Keno.ldb", "Keno.adb", 80, 80, 5, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 3, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 4, 5, 4},
    {14, "Magyar Kenó 4 számra", "Keno4", "Keno.ldb", "Keno.adb", 80, 80, 4, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 2, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 3, 4, 3},
    {15, "Magyar Kenó 3 számra", "Keno3", "Keno.ldb", "Keno.adb", 80, 80, 3, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 1, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 2, 3, 2},
    {16, "Magyar Kenó 2 számra", "Keno2", "Keno.ldb", "Keno.adb", 80, 80, 2, 20, 20, 1, 7, 0, 0, 0, 0, "", true, 1, false, false, 23, 22, 22, 22, 23, false, 20, -1, false, 79, 1, 1, 1, 2, 1},
    {17, "Román 5/40", "Ro540", "Ro540.ldb", "Ro540.adb", 40, 40, 5, 6, 6, 1, 2, 0, 0, 0, 0, "", false, 2, false, false, 9, 8, 8, 8, 9, false, 6, -1, false, 39, 1, 1, 4, 5, 4},
    {18, "Román 6/49", "Ro649", "Ro649.ldb", "Ro649.adb", 49, 49, 6, 6, 6, 1, 2, 0, 0, 0, 0, "", false, 4, false, false, 9, 8, 8, 8, 9, false, 6, -1, false, 48, 1, 1, 5, 6, 5},
    {19, "Szerb 7/39", "Sze739", "Sze739.ldb", "Sze739.adb", 39, 39, 7, 7, 7, 1, 2, 0, 0, 0, 0, "", false, 3, false, false, 10, 9, 9, 9, 10, false, 7, -1, false, 38, 1, 1, 6, 7, 6},
    {20, "Szlovén 6/44", "Szlo739", "Szlo739.ldb", "Szlo739.adb", 44, 44, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, true, false, 10, 8, 8, 8, 9, false, 6, 0, true, 43, 2, 1, 5, 6, 5},
    {21, "Szlovén Plus 6/44", "SzloP739", "SzloP739.ldb", "SzloP739.adb", 44, 44, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, true, false, 10, 8, 8, 8, 9, false, 6, 0, true, 43, 2, 1, 5, 6, 5},
    {22, "Ukrán 5/45", "Uk542", "Uk545.ldb", "Uk545.adb", 45, 45, 5, 5, 5, 1, 7, 0, 0, 0, 0, "", false, 3, false, false, 8, 7, 7, 7, 8, false, 5, -1, false, 44, 1, 1, 4, 5, 4},
    {23, "Ukrán 6/52", "Uk652", "Uk652.ldb", "Uk652.adb", 52, 52, 6, 6, 6, 1, 2, 0, 0, 0, 0, "", false, 3, false, false, 9, 8, 8, 8, 9, false, 6, -1, false, 51, 1, 1, 5, 6, 5},
    {24, "EuroMillions", "EM", "EM.ldb", "EM.adb", 62, 50, 7, 7, 7, 1, 2, 0, 12, 2, 0, " Lucky Star", false, 3, false, true, 10, 7, 9, 7, 8, false, 5, -1, false, 61, 3, 3, 6, 5, 4},
    {25, "Szlovák Euromilióny", "EMSk", "EMSk.ldb", "EMSk.adb", 39, 33, 8, 8, 8, 1, 2, 0, 6, 1, 0, " Powerball", false, 3, false, true, 11, 9, 10, 9, 10, false, 7, -1, false, 38, 2, 2, 7, 7, 6},
    {26, "Olasz SuperEnalotto", "ItSE", "ISE.ldb", "ISE.adb", 90, 90, 6, 6, 7, 1, 3, 1, 0, 0, 0, "", false, 3, false, false, 10, 8, 8, 8, 9, false, 6, 0, true, 89, 1, 1, 5, 6, 5},
    {27, "USA Mega Millions", "USMM", "USMM.ldb", "USMM.adb", 95, 70, 6, 6, 6, 1, 2, 0, 25, 1, 0, " Mega Ball", false, 3, false, true, 9, 7, 8, 7, 8, false, 5, -1, false, 94, 2, 2, 5, 5, 4},
    {28, "USA Powerball", "USPB", "USPB.ldb", "USPB.adb", 95, 69, 6, 6, 6, 1, 2, 0, 26, 1, 0, " Powerball", false, 3, false, true, 9, 7, 8, 7, 8, false, 5, -1, false, 94, 2, 2, 5, 5, 4},
    {29, "Ausztrál Powerball", "AUPB", "AUPB.ldb", "AUPB.adb", 55, 35, 8, 8, 8, 1, 1, 0, 20, 1, 0, " Powerball", false, 3, false, true, 11, 9, 10, 9, 10, false, 7, -1, false, 54, 2, 2, 7, 7, 6},
    {30, "EuroJackpot", "EJ", "EJ.ldb", "EJ.adb", 62, 50, 7, 7, 7, 1, 2, 0, 12, 2, 0, " Euro", false, 3, false, true, 10, 7, 9, 7, 8, false, 5, -1, false, 61, 3, 3, 6, 5, 4},
    {31, "Kalifornia SuperLotto Plus", "USCSL", "USCSL.ldb", "USCSL.adb", 74, 47, 6, 6, 6, 1, 2, 0, 27, 1, 0, " Mega", false, 3, false, true, 9, 7, 8, 7, 8, false, 5, -1, false, 73, 2, 2, 5, 5, 4},
    {32, "Kanada 6/49", "Ca649", "Ca649.ldb", "Ca649.adb", 49, 49, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, true, false, 10, 8, 8, 8, 9, false, 6, 0, true, 48, 2, 1, 5, 6, 5},
    {33, "Kanada BC/49", "CaBC", "CaBC.ldb", "CaBC.adb", 49, 49, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, true, false, 10, 8, 8, 8, 9, false, 6, 0, true, 48, 2, 1, 5, 6, 5},
    {34, "Kanada Lotto Max", "CaMax", "CaMax.ldb", "CaMax.adb", 50, 50, 7, 7, 8, 1, 2, 1, 0, 0, 0, "", false, 3, true, false, 11, 9, 9, 9, 10, false, 7, 0, true, 49, 2, 1, 6, 7, 6},
    {35, "UK Lotto", "UKL", "UKL.ldb", "UKL.adb", 59, 59, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, false, false, 10, 8, 8, 8, 9, false, 6, 0, true, 58, 1, 1, 5, 6, 5},
    {36, "UK Thunderball", "UKT", "UKT.ldb", "UKT.adb", 53, 39, 6, 6, 6, 1, 4, 0, 14, 1, 0, " Thunderball", false, 3, false, true, 9, 7, 8, 7, 8, false, 5, -1, false, 52, 2, 2, 5, 5, 4},
    {37, "Német 6/49", "DE649", "DE649.ldb", "DE649.adb", 59, 49, 7, 7, 7, 1, 2, 0, 10, 1, 1, " Super", false, 3, false, true, 10, 8, 9, 8, 9, false, 6, -1, false, 58, 2, 2, 6, 6, 5},
    {38, "Ausztrál Oz Lotto", "AUOL", "AUOL.ldb", "AUOL.adb", 47, 47, 7, 7, 10, 1, 1, 3, 0, 0, 0, "", false, 3, true, false, 13, 9, 9, 9, 10, false, 7, 2, true, 46, 4, 1, 6, 7, 6},
    {39, "New York Lotto", "NYL", "NYL.ldb", "NYL.adb", 59, 59, 6, 6, 7, 1, 2, 1, 0, 0, 0, "", false, 3, false, false, 10, 8, 8, 8, 9, false, 6, 0, true, 58, 1, 1, 5, 6, 5},
    {40, "Francia Lotto", "FRL", "FRL.ldb", "FRL.adb", 59, 49, 6, 6, 6, 1, 3, 0, 10, 1, 0, " Jackpot", false, 3, false, true, 9, 7, 8, 7, 8, false, 5, -1, false, 58, 2, 2, 5, 5, 4},
    {41, "Ausztrál Mon & Wed", "AUMW", "AUMW.ldb", "AUMW.adb", 45, 45, 6, 6, 8, 1, 2, 2, 0, 0, 0, "", false, 3, true, false, 11, 8, 8, 8, 9, false, 6, 1, true, 44, 3, 1, 5, 6, 5},
    {42, "Ausztrál Saturday", "AUS", "AUS.ldb", "AUS.adb", 45, 45, 6, 6, 8, 1, 1, 2, 0, 0, 0, "", false, 3, true, false, 11, 8, 8, 8, 9, false, 6, 1, true, 44, 3, 1, 5, 6, 5},
    {43, "Vikinglotto", "VL", "VL.ldb", "VL.adb", 56, 48, 7, 7, 7, 1, 1, 0, 8, 1, 0, " Viking", false, 3, false, true, 10, 8, 9, 8, 9, false, 6, -1, false, 55, 2, 2, 6, 6, 5},
};

TEST(GameTable, EveryGameMatchesTheTable)
{
    for (const Expected& e : kTable) {
        SCOPED_TRACE("game " + std::to_string(e.index));
        const auto i = static_cast<std::size_t>(e.index);
        EXPECT_STREQ(JatekNev[i], e.nev);
        EXPECT_STREQ(JatekMappa[i], e.mappa);
        EXPECT_STREQ(AdatbazisAllomany[i], e.ldb);
        EXPECT_STREQ(AlternativAllomany[i], e.adb);

        GameParams g;
        // Start from another game so that nothing is left over by accident.
        g.LottoIndex = e.index == 24 ? 2 : 24;
        JatekParameterek(g);
        g.LottoIndex = e.index;
        JatekParameterek(g);

        EXPECT_EQ(g.OsszesSzam, e.OsszesSzam);
        EXPECT_EQ(g.FoSzamKeszlet, e.FoSzamKeszlet);
        EXPECT_EQ(g.SzamsorHossz, e.SzamsorHossz);
        EXPECT_EQ(g.HuzottFoSzamok, e.HuzottFoSzamok);
        EXPECT_EQ(g.HuzottSzamok, e.HuzottSzamok);
        EXPECT_EQ(g.SorsolasokSzama, e.SorsolasokSzama);
        EXPECT_EQ(g.HetiSorsolasok, e.HetiSorsolasok);
        EXPECT_EQ(g.PotSzamok, e.PotSzamok);
        EXPECT_EQ(g.PluszSzamKeszlet, e.PluszSzamKeszlet);
        EXPECT_EQ(g.PluszSzamDb, e.PluszSzamDb);
        EXPECT_EQ(g.PluszSzamEltolas, e.PluszSzamEltolas);
        EXPECT_EQ(g.PluszSzamNev, e.PluszSzamNev);
        EXPECT_EQ(g.KenoJatek, e.KenoJatek);
        EXPECT_EQ(g.TalalatKuszob, e.TalalatKuszob);
        EXPECT_EQ(g.PotSzamTalalat, e.PotSzamTalalat);

        EXPECT_EQ(g.VanPluszSzam, e.VanPluszSzam);
        EXPECT_EQ(g.MasodikHuzasOszlop, e.MasodikHuzasOszlop);
        EXPECT_EQ(g.FoSzamUtolsoOszlop, e.FoSzamUtolsoOszlop);
        EXPECT_EQ(g.ElsoHuzasUtolsoOszlop, e.ElsoHuzasUtolsoOszlop);
        EXPECT_EQ(g.ElsoHuzasFoSzamUtolsoOszlop, e.ElsoHuzasFoSzamUtolsoOszlop);
        EXPECT_EQ(g.PluszSzamElsoOszlop, e.PluszSzamElsoOszlop);
        EXPECT_EQ(g.TobbSorsolas, e.TobbSorsolas);
        EXPECT_EQ(g.HuzottFoSzamokPluszNelkul, e.HuzottFoSzamokPluszNelkul);
        EXPECT_EQ(g.PotSzamMax, e.PotSzamMax);
        EXPECT_EQ(g.VanPotSzam, e.VanPotSzam);
        EXPECT_EQ(g.OsszesSzamMax, e.OsszesSzamMax);
        EXPECT_EQ(g.TalalatSzorzo, e.TalalatSzorzo);
        EXPECT_EQ(g.VariacioTalalatSzorzo, e.VariacioTalalatSzorzo);
        EXPECT_EQ(g.SzamsorHosszMax, e.SzamsorHosszMax);
        EXPECT_EQ(g.SzamsorFoSzamDb, e.SzamsorFoSzamDb);
        EXPECT_EQ(g.SzamsorFoSzamMax, e.SzamsorFoSzamMax);
    }
    EXPECT_STREQ(JatekNev[kJatekokSzama], "");
}

TEST(GameTable, KenoGamesShareOneDatabaseAndPlayShorterLines)
{
    for (int i = 8; i <= 16; ++i) {
        GameParams g;
        g.LottoIndex = i;
        JatekParameterek(g);
        EXPECT_TRUE(g.KenoJatek);
        EXPECT_EQ(g.SzamsorHossz, 18 - i);
        EXPECT_EQ(g.OsszesSzam, 80);
        EXPECT_EQ(g.HuzottSzamok, 20);
        EXPECT_STREQ(AdatbazisAllomany[static_cast<std::size_t>(i)], "Keno.ldb");
    }
}

TEST(GameTable, GermanSuperNumberIsShownFromZero)
{
    GameParams g;
    g.LottoIndex = 37;
    JatekParameterek(g);
    EXPECT_EQ(g.PluszSzamKijelzes(g.FoSzamKeszlet + 1), 0);
    EXPECT_EQ(g.PluszSzamKijelzes(g.FoSzamKeszlet + 10), 9);
    g.LottoIndex = 30;  // EuroJackpot: Euro numbers are shown from 1
    JatekParameterek(g);
    EXPECT_EQ(g.PluszSzamKijelzes(g.FoSzamKeszlet + 1), 1);
}

TEST(GameTable, HitClassStridesAndTableSizes)
{
    struct Case { int game, talalat, variacio, osztalyok; };
    // Game 5 counts bonus hits, game 24 has two Lucky Stars, game 0 neither.
    for (const Case c : {Case{5, 2, 1, 14}, Case{24, 3, 3, 18}, Case{0, 1, 1, 6}}) {
        GameParams g;
        g.LottoIndex = c.game;
        JatekParameterek(g);
        EXPECT_EQ(g.TalalatSzorzo, c.talalat) << c.game;
        EXPECT_EQ(g.VariacioTalalatSzorzo, c.variacio) << c.game;
        EXPECT_EQ(g.TalalatOsztalyokSzama(), c.osztalyok) << c.game;
    }
}

TEST(GameTable, SecondDrawingColumnsAndDrawnCountHelpers)
{
    GameParams g;
    g.LottoIndex = 2;
    JatekParameterek(g);
    // Row: sequence, year, week, 7 numbers of the first drawing, 7 of the second.
    EXPECT_EQ(g.MasodikHuzasOszlop, 10);
    EXPECT_EQ(g.MasodikHuzasOszlop + g.HuzottFoSzamok - 1, 16);
    EXPECT_EQ(g.HuzottSzamok + 3, 17);

    // A wider Keno file widens the row; restoring brings the game's counts back.
    g.LottoIndex = 10;
    JatekParameterek(g);
    const int pluszElso = g.PluszSzamElsoOszlop;
    SorsolasMeretBeallitas(g, 22, 22);
    EXPECT_EQ(g.HuzottSzamok, 22);
    EXPECT_EQ(g.FoSzamUtolsoOszlop, 24);
    EXPECT_EQ(g.PluszSzamElsoOszlop, pluszElso);
    SorsolasMeretVisszaallitas(g);
    EXPECT_EQ(g.HuzottSzamok, 20);
    EXPECT_EQ(g.FoSzamUtolsoOszlop, 22);
}

}  // namespace
}  // namespace kvx
