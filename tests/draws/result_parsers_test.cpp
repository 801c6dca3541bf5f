#include "draws/result_parsers.h"

#include "draws_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace kvx {
namespace {

using testing::Jatek;

struct Futas {
    testing::TempDir dir;
    GameParams g;
    DrawsState d;
    FrissitesKornyezet k;
    std::map<std::string, std::vector<std::string>> cache;

    explicit Futas(int jatek, Datum ma = Datum{2024, 6, 15}) : g(Jatek(jatek))
    {
        k.Tabla = &d;
        k.Jatek = &g;
        k.AdatbazisUtvonal = dir.file("db.ldb");
        k.FajlNev = "eredmeny.csv";
        k.Verzio = testing::kTesztVerzio;
        k.Ma = ma;
        k.CacheAllomany = [this](const std::string& nev, std::vector<std::string>& ki) {
            auto it = cache.find(nev);
            if (it == cache.end())
                return false;
            ki = it->second;
            return true;
        };
    }
    // The rows of the written file, read back by the loader.
    TTombInt2D Irt()
    {
        DrawsState ki;
        GameParams gg = g;
        EXPECT_TRUE(HuzasokBe(ki, gg, k.AdatbazisUtvonal, {k.AdatbazisTipus, {}}).sikeres());
        return ki.Huzasok;
    }
};

struct SorEset {
    const char* nev;
    std::string sor;
    bool elfogadva;
    std::string reszlet;           // the loader's message for a refused draw
    std::vector<std::int32_t> vart; // year, week, numbers of the accepted draw
};

void Ellenoriz(int jatek, const std::vector<std::string>& elotte, const std::vector<SorEset>& esetek, bool kenoHU,
               bool import = false)
{
    for (const SorEset& e : esetek) {
        SCOPED_TRACE(e.nev);
        Futas f(jatek);
        std::vector<std::string> sorok = elotte;
        sorok.push_back(e.sor);
        const FrissitesEredmeny r = kenoHU ? HuzasokFrissitesKenoHU(f.k, sorok, 0, import)
                                           : HuzasokFrissiteseNaprakesz(f.k, sorok, 0);
        EXPECT_EQ(r.Siker, e.elfogadva) << r.Reszlet;
        EXPECT_EQ(r.Reszlet, e.reszlet);
        EXPECT_EQ(std::filesystem::exists(f.k.AdatbazisUtvonal), e.elfogadva);
        if (e.elfogadva) {
            EXPECT_EQ(r.KilepesGombTag, 1);
            const TTombInt2D t = f.Irt();
            ASSERT_EQ(t.size(), 1u);
            EXPECT_EQ(t[0][0], 1);
            const TTombInt1D tobbi(t[0].begin() + 1, t[0].begin() + 1 + static_cast<std::ptrdiff_t>(e.vart.size()));
            EXPECT_EQ(tobbi, e.vart);
        }
    }
}

TEST(ResultParsers, HungarianLotteryLines)
{
    const std::string dij = ";2019.01.12.;0;0 Ft;35;1 850 490 Ft;2951;22 070 Ft;89413;1 395 Ft;";
    Ellenoriz(0, {},
              {
                  {"elfogadva_rendezve", "2019;1" + dij + "90;66;45;17;3", true, "", {2019, 1, 3, 17, 45, 66, 90}},
                  {"ev_1900_1995", "1900;7" + dij + "1;2;3;4;5", true, "", {1995, 7, 1, 2, 3, 4, 5}},
                  {"szam_91", "2019;1" + dij + "90;66;45;17;91", false, "", {}},
                  {"harom_jegyu_szam_nulla", "2019;1" + dij + "90;66;45;17;103", false,
                   "Magyar 5/90: 5 számot sorsolnak\r\n\r\n1. húzás 5. száma nulla.", {}},
                  {"azonos_szamok", "2019;1" + dij + "90;66;45;17;17", false, "1. húzás azonos számokat tartalmaz.", {}},
                  {"het_54", "2019;54" + dij + "1;2;3;4;5", false, "", {}},
                  {"ev_hianyzik", "xx;;", false, "", {}},
              },
              true);
}

TEST(ResultParsers, KenoAndOldestFirstLines)
{
    std::string keno = "2023;14;2023.04.05.;2023.04.05.";
    for (int i = 20; i >= 1; --i)
        keno.append(1, ';').append(std::to_string(i * 4));
    std::vector<std::int32_t> kenoVart{2023, 14};
    for (int i = 1; i <= 20; ++i)
        kenoVart.push_back(i * 4);
    Ellenoriz(8, {},
              {
                  {"keno_20", keno, true, "", kenoVart},
                  {"keno_81", keno + "x", true, "", kenoVart},
                  {"keno_81_szam", "2023;14;a;b;81;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19", false, "", {}},
              },
              true);
    // Slovak 5/35: oldest first from line 1, "number;year" then 7 characters skipped.
    Ellenoriz(3, {"fejlec"},
              {
                  {"szlovak_5_35", "12;2021-01-05;02;35;1;2;3;30", true, "", {2021, 2, 1, 2, 3, 30, 35}},
                  {"ev_nem_szamjegy", "12;20x1-01-05;02;35;1;2;3;30", false, "", {}},
              },
              true);
}

// Slovak 6/49 reads its second drawing from "loto2.csv": a shorter one asks
// first, naming that file, and No keeps the database.
TEST(ResultParsers, SlovakSecondDrawingFileWithFewerDrawsAsksFirst)
{
    Futas f(4);
    std::vector<std::string> fo{"fejlec"}, masodik{"fejlec"};
    for (int het = 1; het <= 3; ++het) {
        fo.push_back(std::to_string(het) + ";2023-01-05;0" + std::to_string(het) + ";1;2;3;4;5;6;7");
        masodik.push_back(std::to_string(het) + ";2023-1-05;0" + std::to_string(het) + ";11;12;13;14;15;16;17");
    }
    masodik.pop_back();
    f.cache["loto2.csv"] = masodik;
    std::vector<std::string> kerdesek;
    f.k.Kerdes = [&](const std::string& q) {
        kerdesek.push_back(q);
        return false;
    };
    const FrissitesEredmeny r = HuzasokFrissitesKenoHU(f.k, fo, 4, false);
    EXPECT_FALSE(r.Siker);
    EXPECT_EQ(r.FoablakTag, 1);
    EXPECT_EQ(kerdesek, std::vector<std::string>{
                            "A loto2.csv állomány kevesebb húzás adatait tartalmazza, mint a húzások jelenleg aktuális "
                            "listája.\r\n\r\nMégis felülírja a húzások jelenleg aktuális listáját?"});
    EXPECT_FALSE(std::filesystem::exists(f.k.AdatbazisUtvonal));
}

TEST(ResultParsers, EuroJackpotLines)
{
    Ellenoriz(30, {"Datum;Zahlen"},
              {
                  {"elfogadva", "15.03.2024;38;5;23;11;50;12;3", true, "", {2024, 11, 5, 11, 23, 38, 50, 53, 62}},
                  {"euro_tul_nagy", "15.03.2024;38;5;23;11;50;13;3", false,
                   "1. húzás 2. Euro száma érvénytelen tartományba esik.", {}},
                  {"azonos_euro", "15.03.2024;38;5;23;11;50;3;3", false, "1. húzás azonos számokat tartalmaz.", {}},
                  {"ervenytelen_datum", "31.02.2024;38;5;23;11;50;12;3", false, "", {}},
                  {"szam_nulla", "15.03.2024;38;5;23;0;50;12;3", false, "", {}},
              },
              false);
}

TEST(ResultParsers, CanadianOutOfRangeLineIsDroppedAndNumberingGoesOn)
{
    Futas f(32);
    const std::vector<std::string> sorok = {"\"fejlec\"", "\"649\"2020-01-04,1,2,3,4,5,6,7",
                                            "\"649\"2020-01-08,1,2,3,4,5,0,7",
                                            "\"649\"2020-01-11,11,12,13,14,15,16,17"};
    const FrissitesEredmeny r = HuzasokFrissiteseNaprakesz(f.k, sorok, 0);
    ASSERT_TRUE(r.Siker) << r.Reszlet;
    EXPECT_EQ(r.KilepesGombTag, 2);
    const TTombInt2D t = f.Irt();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1][0], 2);
    EXPECT_EQ(t[1][3], 11);
}

TEST(ResultParsers, DrawCountAnchorMatchesAWholeField)
{
    Futas f(24);
    SetHuzasok(f.d, 12, f.g.HuzottSzamok + 3);
    for (int r = 0; r < 12; ++r)
        f.d.Huzasok[static_cast<std::size_t>(r)] = testing::Sor(f.g, r + 1, 2024, 1, {1, 2, 3, 4, 5, 51, 52});
    f.d.AdatbazisBetoltve = true;
    const std::vector<std::string> sorok = {
        "DrawDate,B1,B2,B3,B4,B5,S1,S2,DrawNumber",
        "09-Jan-2024,1,2,3,4,6,1,3,123",  // ",12" only as the start of another number
        "05-Jan-2024,9,8,7,6,5,4,2,13",
        "02-Jan-2024,1,2,3,4,5,1,2,12",
    };
    const FrissitesEredmeny r = HuzasokFrissiteseNaprakesz(f.k, sorok, 12);
    ASSERT_TRUE(r.Siker) << r.Reszlet;
    EXPECT_EQ(f.d.HuzasokSzama, 14);
    EXPECT_EQ(r.KilepesGombTag, 15);
    EXPECT_EQ(f.d.Huzasok[12], (TTombInt1D{13, 2024, 1, 5, 6, 7, 8, 9, 52, 54}));
    EXPECT_EQ(f.d.Huzasok[13][0], 14);
    EXPECT_EQ(f.Irt(), f.d.Huzasok);

    // The newest line holds the current count: nothing new, no error.
    Futas f2(24);
    f2.d = f.d;
    const FrissitesEredmeny semmi = HuzasokFrissiteseNaprakesz(f2.k, {"fejlec", "09-Jan-2024,1,2,3,4,6,1,3,14"}, 14);
    EXPECT_FALSE(semmi.Siker);
    EXPECT_EQ(semmi.FoablakTag, 1);
    // No line with the count: the update is refused with the warning.
    const FrissitesEredmeny nincs = HuzasokFrissiteseNaprakesz(f2.k, {"fejlec", "09-Jan-2024,1,2,3,4,6,1,3,140"}, 14);
    EXPECT_EQ(nincs.Tipus, FrissitesUzenetTipus::Figyelmeztetes);
    EXPECT_NE(nincs.Uzenet.find("mint ahány húzás óta nem frissült"), std::string::npos);
}

TEST(ResultParsers, DecemberDateReadInJanuaryKeepsItsYear)
{
    Futas f(5, Datum{2025, 1, 3});
    SetHuzasok(f.d, 1, f.g.HuzottSzamok + 3);
    f.d.Huzasok[0] = testing::Sor(f.g, 1, 2024, 50, {1, 2, 3, 4, 5, 6, 7});
    f.d.AdatbazisBetoltve = true;
    f.k.Kerdes = [](const std::string&) { return true; };
    const std::vector<std::string> sorok = {"Ziehung aufsteigend 29.12. 3 7 12 25 33 41 Zz 9",
                                            "Ziehung aufsteigend 01.01. 4 8 13 26 34 42 Zz 10"};
    const FrissitesEredmeny r = HuzasokFrissiteseNaprakesz(f.k, sorok, 1);
    ASSERT_TRUE(r.Siker) << r.Reszlet;
    ASSERT_EQ(f.d.HuzasokSzama, 3);
    EXPECT_EQ(f.d.Huzasok[1][1], 2024);
    EXPECT_EQ(f.d.Huzasok[1][2], 52);
    EXPECT_EQ(f.d.Huzasok[2][1], 2025);
    EXPECT_EQ(f.d.Huzasok[2][2], 1);
}

TEST(ResultParsers, FailedUpdateKeepsTheDatabaseFileAndTable)
{
    Futas f(30);
    const TTombInt2D regi = {testing::Sor(f.g, 1, 2024, 1, {1, 2, 3, 4, 5, 51, 52})};
    testing::Ir(f.k.AdatbazisUtvonal, AdatbazisKep(regi, f.g, testing::kTesztVerzio));
    const auto elotte = testing::Olvas(f.k.AdatbazisUtvonal);
    const FrissitesEredmeny r = HuzasokFrissiteseNaprakesz(
        f.k, {"fejlec", "15.03.2024;38;5;23;11;50;12;3", "22.03.2024;38;5;23;11;50;12;20"}, 1);
    EXPECT_FALSE(r.Siker);
    EXPECT_EQ(r.Reszlet, "2. húzás 2. Euro száma érvénytelen tartományba esik.");
    EXPECT_EQ(testing::Olvas(f.k.AdatbazisUtvonal), elotte);

    // Append mode: the table keeps its rows when the new ones are refused.
    Futas a(24);
    SetHuzasok(a.d, 1, a.g.HuzottSzamok + 3);
    a.d.Huzasok[0] = testing::Sor(a.g, 1, 2024, 1, {1, 2, 3, 4, 5, 51, 52});
    const DrawsState tabla = a.d;
    const FrissitesEredmeny ra =
        HuzasokFrissiteseNaprakesz(a.k, {"fejlec", "09-Jan-2024,1,2,3,4,4,1,3,2", "02-Jan-2024,1,2,3,4,5,1,2,1"}, 1);
    EXPECT_FALSE(ra.Siker);
    EXPECT_EQ(ra.Reszlet, "2. húzás azonos számokat tartalmaz.");
    EXPECT_EQ(a.d.Huzasok, tabla.Huzasok);
    EXPECT_FALSE(std::filesystem::exists(a.k.AdatbazisUtvonal));
}

TEST(ResultParsers, ImportOfTheUsersFile)
{
    Futas f(30, Datum{2021, 1, 1});
    f.k.AdatbazisTipus = false;
    f.k.FajlNev = "/home/u/sajat.csv";
    const FrissitesEredmeny r = HuzasokFrissitesKenoHU(f.k, {"5;4;3;2;1;9;8", "10 20 30 40 50 61 62"}, 0, true);
    ASSERT_TRUE(r.Siker) << r.Reszlet;
    EXPECT_EQ(r.KilepesGombTag, 2);
    const TTombInt2D t = f.Irt();
    EXPECT_EQ(t[0], (TTombInt1D{1, 2021, 53, 1, 2, 3, 4, 5, 58, 59}));
    EXPECT_EQ(t[1], (TTombInt1D{2, 2021, 53, 10, 20, 30, 40, 50, 61, 62}));

    // A refused import leaves the existing private database as it was.
    const auto elotte = testing::Olvas(f.k.AdatbazisUtvonal);
    const FrissitesEredmeny rossz = HuzasokFrissitesKenoHU(f.k, {"5;4;3;2;1;9;8", "1;2;3;4;5;6"}, 0, true);
    EXPECT_FALSE(rossz.Siker);
    EXPECT_EQ(rossz.Tipus, FrissitesUzenetTipus::Hiba);
    EXPECT_EQ(rossz.Uzenet, ImportHibaUzenet("/home/u/sajat.csv"));
    EXPECT_EQ(rossz.Reszlet, "2. húzás 1. Euro száma nulla - hiányos számsor.");
    EXPECT_EQ(rossz.HibasSor, 1);  // the line the refused draw came from
    EXPECT_EQ(testing::Olvas(f.k.AdatbazisUtvonal), elotte);
}

// The result file of a game with n draws in the game's own layout, newest
// or oldest first as the operator publishes it; its first k lines are what a
// download cut at a line end leaves.
std::vector<std::string> EredmenyFajl(int jatek, int n)
{
    const auto szamok = [](int tol, int db) {
        std::string s;
        for (int i = 0; i < db; ++i) {
            s += ';';
            s += std::to_string(tol + i);
        }
        return s;
    };
    std::vector<std::string> sorok;
    switch (jatek) {
    case 0:
    case 1:
    case 2:
    case 8: {
        // Newest first: year; week; the skipped fields; the numbers.
        const std::string mezok = jatek == 1 ? ";a;b;c;d;e;f;g;h;i;j;k" : jatek == 8 ? ";a;b" : ";a;b;c;d;e;f;g;h;i";
        const std::string sz = jatek == 0 ? szamok(1, 5) : jatek == 1 ? szamok(1, 7) : jatek == 2 ? szamok(1, 14) : szamok(1, 20);
        for (int het = n; het >= 1; --het)
            sorok.push_back("2023;" + std::to_string(het) + mezok + sz);
        break;
    }
    case 3:
        // Oldest first after a heading: number; date; week; the numbers.
        sorok.push_back("fejlec");
        for (int het = 1; het <= n; ++het)
            sorok.push_back(std::to_string(het) + ";2023-01-05;" + (het < 10 ? "0" : "") + std::to_string(het) + szamok(1, 5));
        break;
    case 30:
    case 32:
        // Oldest first after a heading, a date on every line.
        sorok.push_back(jatek == 30 ? "Datum;Zahlen" : "\"fejlec\"");
        for (int nap = 1; nap <= n; ++nap) {
            const std::string d = (nap < 10 ? "0" : "") + std::to_string(nap);
            sorok.push_back(jatek == 30 ? d + ".03.2024;38;5;23;11;50;12;3" : "\"649\"2020-01-" + d + ",1,2,3,4,5,6,7");
        }
        break;
    default:
        ADD_FAILURE() << jatek;
    }
    return sorok;
}

// Every update that rewrites the database asks before it would leave fewer
// draws than the list in use holds, however it comes to fewer: a shorter
// file, a file cut at a line end, lines dropped as out of range. No (also
// when nobody can be asked) keeps the file; Yes writes the fewer draws; as
// many draws as before ask nothing.
TEST(ResultParsers, FewerDrawsThanTheListInUseReplaceItOnlyAfterAYes)
{
    const struct {
        int jatek;
        bool kenoHU;
        int vagas;          // lines of the full file left (the rest is cut)
        int ejtettSor = -1; // this line gets a number the game drops the line for
        std::string ejtett;
    } esetek[] = {
        {0, true, 3, -1, ""},  {1, true, 3, -1, ""},   {2, true, 3, -1, ""}, {8, true, 3, -1, ""},
        {3, true, 4, -1, ""},  {30, false, 4, -1, ""}, {32, false, 5, 3, "\"649\"2020-01-03,1,2,3,4,5,0,7"},
    };
    const int teljes = 4;
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.jatek);
        Futas f(e.jatek);
        const auto futtat = [&](std::vector<std::string> sorok, std::int32_t db) {
            return e.kenoHU ? HuzasokFrissitesKenoHU(f.k, sorok, db, false) : HuzasokFrissiteseNaprakesz(f.k, sorok, db);
        };
        // The database in use: the whole file.
        const FrissitesEredmeny elso = futtat(EredmenyFajl(e.jatek, teljes), 0);
        ASSERT_TRUE(elso.Siker) << elso.Reszlet;
        ASSERT_EQ(elso.KilepesGombTag, teljes);
        const std::vector<std::uint8_t> regi = testing::Olvas(f.k.AdatbazisUtvonal);
        GameParams g = f.g;
        ASSERT_TRUE(HuzasokBe(f.d, g, f.k.AdatbazisUtvonal, {true, {}}).sikeres());

        std::vector<std::string> rovid = EredmenyFajl(e.jatek, teljes);
        rovid.resize(static_cast<std::size_t>(e.vagas));
        if (e.ejtettSor >= 0)
            rovid[static_cast<std::size_t>(e.ejtettSor)] = e.ejtett;
        std::vector<std::string> kerdesek;
        bool valasz = false;
        f.k.Kerdes = [&](const std::string& q) {
            kerdesek.push_back(q);
            return valasz;
        };
        const FrissitesEredmeny nem = futtat(rovid, teljes);
        EXPECT_FALSE(nem.Siker);
        EXPECT_EQ(nem.FoablakTag, 1);
        EXPECT_EQ(kerdesek, std::vector<std::string>{KevesebbHuzasKerdes("eredmeny.csv")});
        EXPECT_EQ(testing::Olvas(f.k.AdatbazisUtvonal), regi);

        f.k.Kerdes = nullptr;
        EXPECT_EQ(futtat(rovid, teljes).FoablakTag, 1);
        EXPECT_EQ(testing::Olvas(f.k.AdatbazisUtvonal), regi);

        f.k.Kerdes = [&](const std::string& q) {
            kerdesek.push_back(q);
            return true;
        };
        kerdesek.clear();
        const FrissitesEredmeny igen = futtat(rovid, teljes);
        ASSERT_TRUE(igen.Siker) << igen.Reszlet;
        EXPECT_EQ(kerdesek.size(), 1u);
        EXPECT_EQ(igen.KilepesGombTag, teljes - 1);
        EXPECT_EQ(f.Irt().size(), static_cast<std::size_t>(teljes - 1));

        kerdesek.clear();
        EXPECT_TRUE(futtat(EredmenyFajl(e.jatek, teljes), teljes).Siker);
        EXPECT_TRUE(kerdesek.empty());
    }
    EXPECT_EQ(KevesebbHuzasKerdes("otos.csv"),
              "otos.csv állomány kevesebb húzás adatait tartalmazza, mint a húzások jelenleg aktuális listája.\r\n\r\n"
              "Mégis felülírja a húzások jelenleg aktuális listáját?");
}

// The maker's download of a game's database: read as that game's database
// first, then counted against the one in use.
TEST(ResultParsers, MakersDatabaseDownloadIsCountedAgainstTheOneInUse)
{
    testing::TempDir dir;
    const GameParams g = Jatek(0);
    const auto kep = [&](int db, int jatek = 0) {
        const GameParams j = Jatek(jatek);
        TTombInt2D sorok;
        for (int i = 1; i <= db; ++i)
            sorok.push_back(testing::Sor(j, i, 2020, i, {1, 2, 3, 4, 5, 6, 7}));
        return AdatbazisKep(sorok, j, testing::kTesztVerzio);
    };
    const std::string ut = dir.file("Otos.ldb");
    const std::vector<std::uint8_t> szemet(300, 0x5a);
    const struct {
        const char* eset;
        std::vector<std::uint8_t> letoltott;
        const std::vector<std::uint8_t>* aktualis;  // null: no database in use
        LetoltottAdatbazis varhato;
        std::int32_t regiDb;
    } esetek[] = {
        {"more draws", kep(4), nullptr, LetoltottAdatbazis::Csere, 3},
        {"fewer draws", kep(2), nullptr, LetoltottAdatbazis::KevesebbHuzas, 3},
        {"as many draws", kep(3), nullptr, LetoltottAdatbazis::Csere, 3},
        {"no database in use", kep(2), nullptr, LetoltottAdatbazis::Csere, 0},
        {"the one in use is broken", kep(2), &szemet, LetoltottAdatbazis::Csere, 0},
        {"an error page", std::vector<std::uint8_t>(szemet), nullptr, LetoltottAdatbazis::Ervenytelen, 0},
        {"another game's database", kep(4, 1), nullptr, LetoltottAdatbazis::Ervenytelen, 0},
    };
    const std::vector<std::uint8_t> harom = kep(3);
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        std::filesystem::remove(ut);
        if (std::string(e.eset) != "no database in use")
            testing::Ir(ut, e.aktualis ? *e.aktualis : harom);
        const LetoltottAdatbazisEredmeny r = LetoltottAdatbazisEllenorzes(e.letoltott, g, ut);
        EXPECT_EQ(r.Allapot, e.varhato);
        if (e.varhato != LetoltottAdatbazis::Ervenytelen) {
            EXPECT_EQ(r.RegiDb, e.regiDb);
            EXPECT_EQ(r.UjDb, static_cast<std::int32_t>((e.letoltott.size() - kHuzFejlecMeret) / kHuzRekordMeret));
        }
    }
    EXPECT_EQ(GyartoKevesebbKerdes("Magyar 5/90"),
              "Magyar 5/90 - húzásainak letöltése\r\n\r\nA program honlapjáról letölthető állomány kevesebb húzás "
              "adatait tartalmazza, mint a húzások jelenleg aktuális listája.\r\n\r\nMégis felülírja a húzások "
              "jelenleg aktuális listáját?");
}

TEST(ResultParsers, DatesAndLines)
{
    EXPECT_EQ(IsoHet(Datum{2021, 1, 1}), 53);
    EXPECT_EQ(IsoHet(Datum{2024, 12, 30}), 1);
    EXPECT_EQ(IsoHet(Datum{2019, 1, 5}), 1);
    EXPECT_EQ(IsoHet(Datum{2020, 12, 31}), 53);
    EXPECT_EQ(IsoHet(Datum{2023, 2, 29}), 0);
    EXPECT_EQ(HonapSorszama("Jan", 0), 1);
    EXPECT_EQ(HonapSorszama("Jan", 26), -1);
    EXPECT_EQ(HonapSorszama("jan", 0), -1);
    EXPECT_EQ(HonapSorszama("Dicembre", 26), 12);
    EXPECT_EQ(SzovegSorai("a\r\nb\nc\r"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SzovegSorai("\xC1rv\xEDz\n"), (std::vector<std::string>{"Árvíz"}));
}

}  // namespace
}  // namespace kvx
