#include "app/game_table.h"

namespace kvx {

const std::array<const char*, kJatekokSzama + 1> JatekNev = {
    "Magyar 5/90", "Magyar 6/45", "Magyar 7/35", "Szlovák 5/35", "Szlovák 6/49",
    "Ausztria 6/45", "Horvát 6/45", "Horvát 7/39", "Magyar Kenó 10 számra", "Magyar Kenó 9 számra",
    "Magyar Kenó 8 számra", "Magyar Kenó 7 számra", "Magyar Kenó 6 számra", "Magyar Kenó 5 számra",
    "Magyar Kenó 4 számra", "Magyar Kenó 3 számra", "Magyar Kenó 2 számra", "Román 5/40", "Román 6/49",
    "Szerb 7/39", "Szlovén 6/44", "Szlovén Plus 6/44", "Ukrán 5/45", "Ukrán 6/52", "EuroMillions",
    "Szlovák Euromilióny", "Olasz SuperEnalotto", "USA Mega Millions", "USA Powerball", "Ausztrál Powerball",
    "EuroJackpot", "Kalifornia SuperLotto Plus", "Kanada 6/49", "Kanada BC/49", "Kanada Lotto Max",
    "UK Lotto", "UK Thunderball", "Német 6/49", "Ausztrál Oz Lotto", "New York Lotto", "Francia Lotto",
    "Ausztrál Mon & Wed", "Ausztrál Saturday", "Vikinglotto", "",
};

// Existing folders and files carry these names (game 22's folder differs
// from its database, games 20 and 21 keep "739"), so they stay as they are.
const std::array<const char*, kJatekokSzama> JatekMappa = {
    "Otos", "Hatos", "Skandinav", "Sk535", "Sk649", "At645", "Hk645", "Hk739", "Keno10", "Keno9", "Keno8",
    "Keno7", "Keno6", "Keno5", "Keno4", "Keno3", "Keno2", "Ro540", "Ro649", "Sze739", "Szlo739", "SzloP739",
    "Uk542", "Uk652", "EM", "EMSk", "ItSE", "USMM", "USPB", "AUPB", "EJ", "USCSL", "Ca649", "CaBC", "CaMax",
    "UKL", "UKT", "DE649", "AUOL", "NYL", "FRL", "AUMW", "AUS", "VL",
};

const std::array<const char*, kJatekokSzama> AdatbazisAllomany = {
    "Huzas5.ldb", "Huzas6.ldb", "Huzas7.ldb", "Sk535.ldb", "Sk649.ldb", "At645.ldb", "Hk645.ldb", "Hk739.ldb",
    "Keno.ldb", "Keno.ldb", "Keno.ldb", "Keno.ldb", "Keno.ldb", "Keno.ldb", "Keno.ldb", "Keno.ldb", "Keno.ldb",
    "Ro540.ldb", "Ro649.ldb", "Sze739.ldb", "Szlo739.ldb", "SzloP739.ldb", "Uk545.ldb", "Uk652.ldb", "EM.ldb",
    "EMSk.ldb", "ISE.ldb", "USMM.ldb", "USPB.ldb", "AUPB.ldb", "EJ.ldb", "USCSL.ldb", "Ca649.ldb", "CaBC.ldb",
    "CaMax.ldb", "UKL.ldb", "UKT.ldb", "DE649.ldb", "AUOL.ldb", "NYL.ldb", "FRL.ldb", "AUMW.ldb", "AUS.ldb",
    "VL.ldb",
};

const std::array<const char*, kJatekokSzama> AlternativAllomany = {
    "Huzas5.adb", "Huzas6.adb", "Huzas7.adb", "Sk535.adb", "Sk649.adb", "At645.adb", "Hk645.adb", "Hk739.adb",
    "Keno.adb", "Keno.adb", "Keno.adb", "Keno.adb", "Keno.adb", "Keno.adb", "Keno.adb", "Keno.adb", "Keno.adb",
    "Ro540.adb", "Ro649.adb", "Sze739.adb", "Szlo739.adb", "SzloP739.adb", "Uk545.adb", "Uk652.adb", "EM.adb",
    "EMSk.adb", "ISE.adb", "USMM.adb", "USPB.adb", "AUPB.adb", "EJ.adb", "USCSL.adb", "Ca649.adb", "CaBC.adb",
    "CaMax.adb", "UKL.adb", "UKT.adb", "DE649.adb", "AUOL.adb", "NYL.adb", "FRL.adb", "AUMW.adb", "AUS.adb",
    "VL.adb",
};

namespace {

struct Primary {
    std::int32_t osszes, fo, hossz, huzottFo, huzott, sorsolasok, heti, pot, pluszKeszlet, pluszDb;
    const char* pluszNev;
    std::int32_t kuszob;
};

// Rows 8..16 (Keno) are filled by code: their line length depends on the index.
constexpr Primary kPrimary[kJatekokSzama] = {
    {90, 90, 5, 5, 5, 1, 1, 0, 0, 0, "", 3},
    {45, 45, 6, 6, 7, 1, 1, 1, 0, 0, "", 3},
    {35, 35, 7, 7, 14, 2, 1, 0, 0, 0, "", 3},
    {35, 35, 5, 5, 5, 1, 2, 0, 0, 0, "", 2},
    {49, 49, 6, 6, 14, 2, 2, 1, 0, 0, "", 3},
    {45, 45, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {45, 45, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {39, 39, 7, 7, 8, 1, 2, 1, 0, 0, "", 3},
    {}, {}, {}, {}, {}, {}, {}, {}, {},
    {40, 40, 5, 6, 6, 1, 2, 0, 0, 0, "", 2},
    {49, 49, 6, 6, 6, 1, 2, 0, 0, 0, "", 4},
    {39, 39, 7, 7, 7, 1, 2, 0, 0, 0, "", 3},
    {44, 44, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {44, 44, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {45, 45, 5, 5, 5, 1, 7, 0, 0, 0, "", 3},
    {52, 52, 6, 6, 6, 1, 2, 0, 0, 0, "", 3},
    {62, 50, 7, 7, 7, 1, 2, 0, 12, 2, " Lucky Star", 3},
    {39, 33, 8, 8, 8, 1, 2, 0, 6, 1, " Powerball", 3},
    {90, 90, 6, 6, 7, 1, 3, 1, 0, 0, "", 3},
    {95, 70, 6, 6, 6, 1, 2, 0, 25, 1, " Mega Ball", 3},
    {95, 69, 6, 6, 6, 1, 2, 0, 26, 1, " Powerball", 3},
    {55, 35, 8, 8, 8, 1, 1, 0, 20, 1, " Powerball", 3},
    {62, 50, 7, 7, 7, 1, 2, 0, 12, 2, " Euro", 3},
    {74, 47, 6, 6, 6, 1, 2, 0, 27, 1, " Mega", 3},
    {49, 49, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {49, 49, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {50, 50, 7, 7, 8, 1, 2, 1, 0, 0, "", 3},
    {59, 59, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {53, 39, 6, 6, 6, 1, 4, 0, 14, 1, " Thunderball", 3},
    {59, 49, 7, 7, 7, 1, 2, 0, 10, 1, " Super", 3},
    {47, 47, 7, 7, 10, 1, 1, 3, 0, 0, "", 3},
    {59, 59, 6, 6, 7, 1, 2, 1, 0, 0, "", 3},
    {59, 49, 6, 6, 6, 1, 3, 0, 10, 1, " Jackpot", 3},
    {45, 45, 6, 6, 8, 1, 2, 2, 0, 0, "", 3},
    {45, 45, 6, 6, 8, 1, 1, 2, 0, 0, "", 3},
    {56, 48, 7, 7, 7, 1, 1, 0, 8, 1, " Viking", 3},
};

bool isKeno(int index) { return index >= 8 && index <= 16; }

}  // namespace

bool PotSzamTalalatJatek(int i)
{
    switch (i) {
    case 5: case 20: case 21: case 32: case 33: case 34: case 38: case 41: case 42:
        return true;
    default:
        return false;
    }
}

GameParams JatekParameterei(int index)
{
    GameParams g;
    g.LottoIndex = index;
    JatekParameterek(g);
    return g;
}

void JatekParameterek(GameParams& g)
{
    if (g.LottoIndex < 0 || g.LottoIndex >= kJatekokSzama)
        g.LottoIndex = 0;
    const int i = g.LottoIndex;

    g.KenoJatek = false;
    g.PotSzamok = 0;
    g.PluszSzamKeszlet = 0;
    g.PluszSzamDb = 0;
    g.FoSzamKeszlet = 0;
    g.PluszSzamEltolas = 0;
    g.PluszSzamNev.clear();

    if (isKeno(i)) {
        g.KenoJatek = true;
        g.OsszesSzam = 80;
        g.SzamsorHossz = 18 - i;
        g.HuzottSzamok = 20;
        g.HuzottFoSzamok = 20;
        g.SorsolasokSzama = 1;
        g.HetiSorsolasok = 7;
        g.TalalatKuszob = i == 8 ? 5 : i == 9 ? 4 : i <= 13 ? 3 : i == 14 ? 2 : 1;
    } else {
        const Primary& p = kPrimary[i];
        g.OsszesSzam = p.osszes;
        g.SzamsorHossz = p.hossz;
        g.HuzottFoSzamok = p.huzottFo;
        g.HuzottSzamok = p.huzott;
        g.SorsolasokSzama = p.sorsolasok;
        g.HetiSorsolasok = p.heti;
        g.PotSzamok = p.pot;
        g.PluszSzamKeszlet = p.pluszKeszlet;
        g.PluszSzamDb = p.pluszDb;
        g.PluszSzamNev = p.pluszNev;
        g.TalalatKuszob = p.kuszob;
        g.PluszSzamEltolas = i == 37 ? 1 : 0;
    }
    // Set together with the parameters, so that the strides below are the
    // new game's from the first call on.
    g.PotSzamTalalat = PotSzamTalalatJatek(i);

    g.VanPluszSzam = g.PluszSzamDb > 0;
    g.PluszSzamElsoOszlop = g.HuzottFoSzamok + 3 - g.PluszSzamDb;
    g.TobbSorsolas = g.SorsolasokSzama > 1;
    SorsolasMeretMentese(g);
    SorsolasMeretVisszaallitas(g);
    g.PotSzamMax = g.PotSzamok - 1;
    g.VanPotSzam = g.PotSzamok > 0;
    g.OsszesSzamMax = g.OsszesSzam - 1;
    g.FoSzamKeszlet = g.OsszesSzam - g.PluszSzamKeszlet;
    if (g.PotSzamTalalat) {
        g.TalalatSzorzo = g.PotSzamok + 1;
        g.VariacioTalalatSzorzo = 1;
    } else {
        g.TalalatSzorzo = g.PluszSzamDb + 1;
        g.VariacioTalalatSzorzo = g.PluszSzamDb + 1;
    }
    g.SzamsorHosszMax = g.SzamsorHossz - 1;
    g.SzamsorFoSzamDb = g.SzamsorHossz - g.PluszSzamDb;
    g.SzamsorFoSzamMax = g.SzamsorHosszMax - g.PluszSzamDb;
}

void SorsolasMeretMentese(GameParams& g)
{
    g.MentettHuzottSzamok = g.HuzottSzamok;
    g.MentettHuzottFoSzamok = g.HuzottFoSzamok;
}

void SorsolasMeretBeallitas(GameParams& g, std::int32_t sorSzelesseg, std::int32_t huzasSzelesseg)
{
    g.HuzottSzamok = sorSzelesseg;
    g.HuzottFoSzamok = huzasSzelesseg;
    g.HuzottFoSzamokPluszNelkul = g.HuzottFoSzamok - g.PluszSzamDb;
    g.MasodikHuzasOszlop = g.HuzottFoSzamok + g.PotSzamok + 3;
    g.FoSzamUtolsoOszlop = g.HuzottSzamok - g.PotSzamok + 2 - g.PluszSzamDb;
    g.ElsoHuzasUtolsoOszlop = g.HuzottFoSzamok + 2;
    g.ElsoHuzasFoSzamUtolsoOszlop = g.HuzottFoSzamok + 2 - g.PluszSzamDb;
}

void SorsolasMeretVisszaallitas(GameParams& g)
{
    SorsolasMeretBeallitas(g, g.MentettHuzottSzamok, g.MentettHuzottFoSzamok);
}

NumberingDims gameNumberingDims(const GameParams& g)
{
    NumberingDims d;
    d.N = g.FoSzamKeszlet;
    d.m = g.SzamsorFoSzamDb;
    d.a = g.PluszSzamKeszlet;
    d.e = g.PluszSzamDb;
    d.T = g.OsszesSzam;
    d.VanPluszSzam = g.VanPluszSzam;
    return d;
}

}  // namespace kvx
