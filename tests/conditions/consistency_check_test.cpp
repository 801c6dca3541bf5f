#include "conditions/consistency_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "conditions/markers.h"

namespace kvx {
namespace {

// Game 0 (5 of 90), the numbers 1..10 selected: k = 5, n = 10.
struct Helyzet {
    Helyzet()
    {
        g.LottoIndex = 0;
        JatekParameterek(g);
        FeltetelekRekordokReset(f, g);
        be.Feltetelek = &f;
        be.Jatek = &g;
        for (int i = 1; i <= 10; ++i) be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
        be.VariacioFoMeret = 5;
        be.KijeloltFoSzamDb = 10;
        be.SzcsCsoportDb = 2;
        be.SzvCsoportDb = 10;
        be.SzjCsoportDb = 10;
        be.EgyjegyuDb = 9;
        be.Listak.DbSzamcsoportEdit = "<csoportok>";
        be.Listak.SzCsTetelesDbEdit = "<szcs>";
        be.Listak.DbTartomanyEdit = "<tartomanyok>";
        be.Listak.SzVTetelesDbEdit = "<szv>";
        be.Listak.SzJTetelesDbEdit = "<szj>";
        be.Listak.DbSorozatEdit = "<sorozat>";
        be.Listak.AktSzamEdit = "<keszlet>";
        be.Listak.SzamsorokDbTartomanyEdit = "<szamsorok>";
        be.Listak.SzamsorokDbMintaEdit = "<mintak>";
    }
    GameParams g;
    FeltetelRekordok f;
    EllenorzesBemenet be;
};

struct Eset {
    const char* nev;
    std::function<void(Helyzet&)> beallit;
    bool interaktiv;
    bool ok;
    std::string uzenet;  // the whole message, or its start when kezdet is set
    int lap;
    bool kezdet = false;
};

TEST(ConsistencyCheck, RulesTable)
{
    const std::vector<Eset> esetek = {
        {"nothing selected", [](Helyzet&) {}, true, true, "", LapEloszlas},
        {"favourites: all positions, max below k",
         [](Helyzet& h) { h.f.FavFeltetel = {1, {}, 1, 10, 0, 2}; }, false, false,
         "Nem teljesülhet az Eloszlás - Favorizált számok feltétel\r\n\r\nA favorizált számokból elérhető találatok "
         "maximuma alacsony.",
         LapEloszlas},
        {"favourites: enough others", [](Helyzet& h) { h.f.FavFeltetel = {1, {}, 1, 5, 0, 0}; }, true, true, "",
         LapEloszlas},
        {"constant numbers",
         [](Helyzet& h) {
             h.f.AllandoFeltetel = {1, {}, 0, 2};
             h.be.AllandoSzamDb = 8;
         },
         false, false,
         "Nem teljesülhet az Eloszlás - Állandó számok feltétel\r\n\r\nAz állandó számokból elérhető találatok maximuma "
         "alacsony.",
         LapEloszlas},
        {"number groups: group 0 leaves too few",
         [](Helyzet& h) {
             h.f.SzamcsoportokFeltetel.Allapot = 1;
             h.f.SzamcsoportokFeltetel.Db = 1;
             h.f.SzamcsoportokFeltetel.Csoport[0] = {1, 8, 0, 2, 0};
         },
         false, false,
         "Nem teljesülhet az Eloszlás - Számcsoportok feltétel\r\n\r\n<csoportok>\r\n\r\n5 számot variál egy "
         "számsorban.\r\n1 számcsoportot jelölt ki, maximum találata: 2\r\n\r\nNövelje a számcsoport maximum találatát.",
         LapEloszlas},
        {"number groups: same group, other limits (interactive)",
         [](Helyzet& h) {
             auto& s = h.f.SzamcsoportokFeltetel;
             s.Allapot = 1;
             s.Db = 2;
             s.Csoport[0] = {2, 4, 0, 3, 0};
             s.Csoport[1] = {2, 4, 1, 3, 0};
         },
         true, false,
         "Nem teljesülhet maradéktalanul az Eloszlás - Számcsoportok feltétel\r\n\r\n<csoportok>\r\n\r\n2. - 4. számig "
         "terjedő számcsoportra, egymást kizáró találati arányokat kötött ki.",
         LapEloszlas},
        {"tens groups itemised: two exact settings of Tízes",
         [](Helyzet& h) {
             auto& t = h.f.SzamcsoportTetelesFeltetel;
             t.Allapot = 1;
             t.Db = 2;
             t.Tetel[0] = {1, 2, 2, 0};
             t.Tetel[1] = {1, 3, 3, 0};
         },
         false, false,
         "Nem teljesülhet a Számcsoport - Tételes feltétel\r\n\r\n<szcs>\r\n\r\nTízes számcsoportra egymást kizáró "
         "találati arányokat kötött ki.",
         LapSzamcsoport},
        {"tens groups itemised: minima above k",
         [](Helyzet& h) {
             auto& t = h.f.SzamcsoportTetelesFeltetel;
             t.Allapot = 1;
             t.Db = 2;
             t.Tetel[0] = {0, 3, 5, 0};
             t.Tetel[1] = {1, 3, 5, 0};
         },
         false, false,
         "Nem teljesülhet a Számcsoport - Tételes feltétel\r\n\r\n<szcs>\r\n\r\n5 szám esetén, maximum 5 számcsoport "
         "értelmezett.\r\nA kijelölt számcsoportok minimum találatainak összege: 6\r\n\r\nCsökkentse a számcsoportok "
         "minimum találatait és/vagy a számcsoportok mennyiségét.",
         LapSzamcsoport},
        {"hit ratio: identical ranges of other types",
         [](Helyzet& h) {
             auto& t = h.f.TalalatiAranyFeltetel;
             t.Allapot = 1;
             t.DbTartomany = 2;
             t.Tipus = {1, 0};
             t.ElsoHuzas = {3, 3};
             t.UtolsoHuzas = {9, 9};
             t.TalalatMin = {1, 1};
             t.TalalatMax = {2, 2};
         },
         false, false,
         "Nem teljesülhet a Találati arány feltétel\r\n\r\n<tartomanyok>\r\n\r\n3. - 9. húzásig terjedő tartományra "
         "azonos találati arányokat, de eltérő típusú keresést állított be.",
         LapTalalatiArany},
        {"hit ratio: draws as lines, all numbers selected, max below the line",
         [](Helyzet& h) {
             h.be.KijeloltSzamok.clear();
             for (int i = 1; i <= 90; ++i) h.be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
             h.be.KijeloltFoSzamDb = 90;
             h.f.HuzasSzamsorVariacio = true;
             auto& t = h.f.TalalatiAranyFeltetel;
             t.Allapot = 1;
             t.DbTartomany = 1;
             t.Tipus[0] = 1;
             t.TalalatMin[0] = 0;
             t.TalalatMax[0] = 4;
         },
         false, false,
         "Nem teljesülhet a Találati arány feltétel 1. tartományának kitétele\r\n\r\n<tartomanyok>\r\n\r\nA variációra "
         "kijelölt 90 számból, pontosan 5 számot tartalmaznak a húzások számsorai.\r\nHa nem módosult a játék "
         "számkészlete:\r\n  - A találat maximum értéke nem lehet kevesebb, mint 5\r\n  - A találat minimum értéke nem "
         "legyen több, mint 0",
         LapTalalatiArany},
        {"last digits itemised: minima above k",
         [](Helyzet& h) {
             auto& t = h.f.SzamvegzodesTetelesFeltetel;
             t.Allapot = 1;
             t.Db = 2;
             t.Tetel[0] = {2, 4, 4, 0};
             t.Tetel[1] = {3, 2, 4, 0};
         },
         false, false, "Nem teljesülhet a Számvégződés - Tételes feltétel\r\n\r\n<szv>\r\n\r\n5 szám esetén, maximum 5 számvégződés értelmezett.",
         LapSzamvegzodes, true},
        {"twins and mirror pairs",
         [](Helyzet& h) {
             h.f.IkerszamFeltetel = {1, {}, 2, 3};
             h.f.TukorszamFeltetel = {1, {}, 2, 2};
         },
         false, false,
         "Egymást kizáró feltételek.\r\n\r\n5 számot variál egy számsorban.\r\n - Ikerszám feltétel minimuma: 2 "
         "szám\r\n - Tükör számpár feltétel minimuma: 4 szám\r\nÖsszesen: 6 szám\r\n\r\nCsökkentse az Ikerszám és/vagy a "
         "Tükör számpár feltételek minimum találatait.",
         LapEsemenyek},
        {"neighbours in a line against mobile groups",
         [](Helyzet& h) {
             auto& s = h.f.SzomszedosFeltetel;
             s.Allapot = 1;
             s.Alt = 1;
             s.Mob = 1;
             s.SzomszedMax = 3;
             s.EsetMin = s.EsetMax = 1;
             s.MobMeret = 4;
             s.MobTalalatMax = 2;
         },
         false, false, "Egymást kizáró feltételek.\r\n\r\nEsemények - Szomszédos számok - Egy számsorban:\r\n - Egy számsorban pontosan 1 esetben lehet 3 szomszédos szám.",
         LapEsemenyek, true},
        {"fixed even endings against a fixed even sum",
         [](Helyzet& h) {
             h.f.SzvParosFeltetel = {1, {}, 2, 2, 0, {}};
             h.f.OsszegFeltetel = {1, {}, 100, 100};
         },
         false, false,
         "Egymást kizáró feltételek.\r\n\r\nA számvégződések páros-páratlan találati aránya szerint, csak páratlan "
         "összegű számsor szerepelhet a variációban.\r\n\r\nAz összeg feltétel fix értéke páros.",
         LapMath},
        {"variable even endings with a fixed sum: warning only when interactive",
         [](Helyzet& h) {
             h.f.SzvParosFeltetel = {1, {}, 1, 3, 0, {}};
             h.f.OsszegFeltetel = {1, {}, 101, 101};
         },
         false, true, "", LapMath},
        {"fixed range spread against the variable spread",
         [](Helyzet& h) {
             h.f.TerjedelemFeltetel = {1, 1, {}, 1, 10, 1, {}, 20, 30};
         },
         false, false,
         "Egymást kizáró feltételek.\r\n\r\nMath - Terjedelem - Fix tartomány:\r\n - 1. - 10. számig terjedő "
         "tartományból variált számsorok statisztikai terjedelme minimum 4, maximum 9 lehet.\r\n\r\nMath - Terjedelem - "
         "Változó terjedelem:\r\n - Bármely számsor statisztikai terjedelme minimum 20, maximum 30 lehet.",
         LapMath},
        {"digits itemised: minima above 2k",
         [](Helyzet& h) {
             auto& t = h.f.SzJTetelesFeltetel;
             t.Allapot = 1;
             t.Db = 2;
             t.Tetel[0] = {1, 6, 6, 0};
             t.Tetel[1] = {2, 5, 5, 0};
         },
         false, false, "Nem teljesülhet a Számjegyek feltétel\r\n\r\n<szj>\r\n\r\n5 szám esetén, maximum 10 számjegy értelmezett.",
         LapSzamjegy, true},
        {"series: the patterns need more room than the selection spans",
         [](Helyzet& h) {
             auto& s = h.f.SorozatFeltetel;
             s.Allapot = 1;
             s.DbMinta = 1;
             s.Minta[0] = {3, 4, 2, 3, 0};
         },
         false, false,
         "Nem teljesülhet a Számok eloszlása - Sorozatok feltétel\r\n\r\n<sorozat>\r\n\r\nA beállított minimum értékek "
         "szerint, összesen 6 + 5 = 11 számra jelölt ki sorozatot.\r\nA variációra kijelölt számok tartománya 10 "
         "szám.\r\n\r\nCsökkentse a minták és/vagy az előfordulások minimum értékeit.",
         LapSpec},
        {"series: the distance between consecutive numbers needs more numbers",
         [](Helyzet& h) {
             auto& s = h.f.SorozatFeltetel;
             s.Allapot = 1;
             s.DbMinta = 1;
             s.Minta[0] = {0, 2, 0, 0, 0};
         },
         false, false,
         "Nem teljesülhet a Számok eloszlása - Sorozatok feltétel\r\n\r\n<sorozat>\r\n\r\n1. minta beállításai "
         "szerint: az egymást követő számok távolsága minimum 3 szám lehet.\r\nA feltétel teljesüléséhez minimum 17 "
         "szám szükséges.\r\nA variáció számsora 10 számból áll.",
         LapSpec},
        {"number pools: a later position ends before an earlier begins",
         [](Helyzet& h) {
             auto& s = h.f.SzamkeszletFeltetel;
             s.Allapot = 1;
             for (int p = 0; p < 5; ++p) {
                 s.Elso[p] = p + 1;
                 s.Utolso[p] = p + 6;
             }
             s.Elso[0] = 3;
             s.Utolso[1] = 3;
         },
         false, false,
         "Nem teljesülhet az Eloszlás - Számkészletek feltétel\r\n\r\n<keszlet>\r\n\r\n2. index maximum értéke "
         "érvénytelen: nem lehet kisebb/egyenlő 1. index minimum értékénél.",
         LapEloszlas},
        {"line ranges: two identical ranges of other types",
         [](Helyzet& h) {
             auto& s = h.f.SzamsorokFeltetel;
             s.Allapot = 1;
             s.Tartomany = 1;
             s.DbTartomany = 2;
             s.Tipus = {1, 0};
             s.Elso = {1, 1};
             s.Utolso = {5000, 5000};
         },
         false, false,
         "Nem teljesülhet a Spec - Számsorok eloszlása - Tartományok feltétel\r\n\r\n<szamsorok>\r\n\r\n1. és 2. "
         "tartomány azonos sorszámú számsorokra mutat, de egymást kizáró, eltérő típussal jelöltek.",
         LapSpec},
        {"line ranges: an overlap among three, interactive",
         [](Helyzet& h) {
             auto& s = h.f.SzamsorokFeltetel;
             s.Allapot = 1;
             s.Tartomany = 1;
             s.DbTartomany = 3;
             s.Tipus = {1, 0, 1};
             s.Elso = {1, 1, 9000};
             s.Utolso = {5000, 6000, 9500};
         },
         true, false,
         "Nem teljesülhet maradéktalanul a Spec - Számsorok eloszlása - Tartományok feltétel\r\n\r\n<szamsorok>\r\n\r\n1. "
         "és 2. tartományok átfedik egymást - eltérő típussal jelöltek. Elképzelésétől függően, cserélje fel a "
         "tartományok típusát, vagy csökkentse a(z) 2. tartomány maximum értékét, például: 4 999.",
         LapSpec},
        {"line ranges: the same overlap among three passes a run", [](Helyzet& h) {
             auto& s = h.f.SzamsorokFeltetel;
             s.Allapot = 1;
             s.Tartomany = 1;
             s.DbTartomany = 3;
             s.Tipus = {1, 0, 1};
             s.Elso = {1, 1, 9000};
             s.Utolso = {5000, 6000, 9500};
         },
         false, true, "", LapSpec},
        {"optimisation without overwriting, empty variation, start of a run",
         [](Helyzet& h) {
             h.f.VariacioOpciok.Optimalizalas = 1;
             h.f.VariacioOpciok.Csokkent = 1;
         },
         false, false,
         "A program kijelölte a Felülírás opciót - a módosított variáció minden számsora felülírhatóvá vált.\r\n\r\n"
         "Csökkent opció - kijelölt\r\nFelülírás opció - jelöletlen\r\n\r\nA variáció számsorainak csökkentését "
         "kezdeményezte, de nem engedélyezte a módosított variáció számsorainak felülírását.",
         LapEloszlas},
        {"optimisation with protected lines inside the variation",
         [](Helyzet& h) {
             h.f.VariacioOpciok.Optimalizalas = 1;
             h.f.VariacioOpciok.SetVedettSzamsorDb(10);
             h.be.SzamsorDb = 100;
         },
         true, true, "", LapEloszlas},
        {"hit option itemised with a minimum and no rows",
         [](Helyzet& h) {
             h.be.TulirasBont = true;
             h.be.TulirasTeteles = true;
             h.be.TulirasTetelesMin = 2;
         },
         true, false,
         "Nem teljesülhet a Találat opció kritériuma\r\n\r\nEsetek számának minimum értéke: 2\r\nÁllítsa nullára a "
         "minimum értéket.",
         LapEloszlas},
    };
    for (const Eset& e : esetek) {
        Helyzet h;
        e.beallit(h);
        const EllenorzesEredmeny r = FeltetelekEllenorzese(h.be, e.interaktiv);
        EXPECT_EQ(r.Ok, e.ok) << e.nev << "\n" << r.EllenorzesUzenet;
        if (e.kezdet) {
            EXPECT_EQ(r.EllenorzesUzenet.rfind(e.uzenet, 0), 0u) << e.nev << "\n" << r.EllenorzesUzenet;
        } else {
            EXPECT_EQ(r.EllenorzesUzenet, e.ok ? std::string() : e.uzenet) << e.nev;
        }
        if (!e.ok) {
            EXPECT_EQ(r.EllenorzesLap, e.lap) << e.nev;
        }
    }
}

TEST(ConsistencyCheck, CounterHoldsTheSelectedConditionsNotReached)
{
    Helyzet h;
    h.f.FavFeltetel = {1, {}, 1, 10, 0, 2};
    h.f.TalalatiAranyFeltetel.Allapot = 1;
    h.f.SorozatFeltetel.Allapot = 1;
    const auto r = FeltetelekEllenorzese(h.be, true);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.EllenorzesSzamlalo, 2);
    EXPECT_EQ(r.EllenorzesLap, LapEloszlas);

    Helyzet ures;
    const auto u = FeltetelekEllenorzese(ures.be, true);
    EXPECT_TRUE(u.Ok);
    EXPECT_EQ(u.EllenorzesSzamlalo, 0);
}

TEST(ConsistencyCheck, NonInteractiveRunTicksOverwriting)
{
    Helyzet h;
    h.f.VariacioOpciok.Optimalizalas = 1;
    h.f.VariacioOpciok.Csokkent = 1;
    EXPECT_TRUE(FeltetelekEllenorzese(h.be, false).FelulirasBejelolve);
    EXPECT_FALSE(FeltetelekEllenorzese(h.be, true).FelulirasBejelolve);
}

TEST(ConsistencyCheck, FixedRangeSpread)
{
    const TTombByte1D sel = {30, 5, 12, 7, 40, 21};
    std::int32_t mn = 0, mx = 0;
    TartomanyMinMax(sel, 2, 5, 3, mn, mx);  // 5 12 7 40 -> sorted 5 7 12 40
    EXPECT_EQ(mn, 7);
    EXPECT_EQ(mx, 35);
}

}  // namespace
}  // namespace kvx
