#include "draws/alternative_databases.h"

#include "draws/database_file.h"
#include "draws/result_parsers.h"
#include "draws_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <stop_token>

namespace kvx {
namespace {

using testing::Jatek;

TEST(VeletlenHuzasokMaximum, KeepsTheDatabaseWithinItsLimit)
{
    struct Eset {
        std::int32_t huzasok, sorsolasok, max;
    };
    const Eset esetek[] = {
        {0, 1, 10000},      {90000, 1, 10000}, {95000, 1, 5000}, {99999, 1, 1},
        {100000, 1, 0},     {0, 2, 5000},      {96000, 2, 4000}, {95000, 2, 5000},
    };
    for (const Eset& e : esetek)
        EXPECT_EQ(VeletlenHuzasokMaximum(e.huzasok, e.sorsolasok), e.max) << e.huzasok << " / " << e.sorsolasok;
}

TEST(AdatbazisKerdesSzoveg, NamesWhatIsLostAndAsksAlwaysOnlyForAnExistingFile)
{
    AdatbazisKerdesAdatok a;
    a.AlternativUtvonal = "/p/Dat/Otos.adb";
    a.AdatbazisFelirat = "Húzások listája";
    a.BeepitettVagyPrivat = true;

    a.Tag = kAlternativUj;
    a.AlternativLetezik = true;
    AdatbazisKerdes k = AdatbazisKerdesSzoveg(a);
    EXPECT_TRUE(k.Mindig);
    EXPECT_EQ(k.Szoveg, "Alternatív adatbázis létrehozása\r\n\r\nAz adatbázis már létezik - felülírása nem "
                        "visszavonható:\r\n/p/Dat/Otos.adb\r\n\r\nSzükség esetén mentse privát adatbázisba:\r\n"
                        "Adatbázis - Alternatív adatbázis - Mentés másként\r\n\r\nBiztos felülírja az adatbázist?");
    a.AlternativLetezik = false;
    k = AdatbazisKerdesSzoveg(a);
    EXPECT_FALSE(k.Mindig);
    EXPECT_EQ(k.Szoveg, "Alternatív adatbázis létrehozása");

    a.Tag = kAlternativMentes;
    a.AlternativLetezik = true;
    k = AdatbazisKerdesSzoveg(a);
    EXPECT_TRUE(k.Mindig);
    EXPECT_EQ(k.Szoveg.rfind("Alternatív adatbázis felülírása a Húzások listája tartalmával\r\n\r\nAz adatbázis", 0), 0u);
    // Saving the alternative database into itself asks nothing.
    a.BeepitettVagyPrivat = false;
    EXPECT_TRUE(AdatbazisKerdesSzoveg(a).Szoveg.empty());

    a.Tag = kVeletlenFeluliras;
    k = AdatbazisKerdesSzoveg(a);
    EXPECT_FALSE(k.Mindig);
    EXPECT_EQ(k.Szoveg, "Adatbázis felülírása véletlen számsorokkal\r\n\r\nBiztos felülírja az adatbázist?");

    // Ten draws of a two-drawing game are twenty lines.
    a.Tag = kVeletlenBovites;
    a.VeletlenSorok = 10 * Jatek(2).SorsolasokSzama;
    EXPECT_EQ(AdatbazisKerdesSzoveg(a).Szoveg,
              "Adatbázis bővítése 20 véletlen számsorral\r\n\r\nBiztos felülírja az adatbázist?");
    a.VeletlenSorok = 10000;
    EXPECT_NE(AdatbazisKerdesSzoveg(a).Szoveg.find("10 000"), std::string::npos);
}

// Random draws of every game: each drawn column holds a number, the main
// numbers are distinct and ascending, bonus numbers differ from them, and
// the file written from them loads back unchanged.
TEST(VeletlenSzamsorGeneralasa, EveryGameGetsWholeDrawsThatLoadBack)
{
    std::mt19937 gen(27);
    const VeletlenFn veletlen = [&](std::int32_t n) { return static_cast<std::int32_t>(gen() % static_cast<unsigned>(n)); };
    for (int jatek = 0; jatek < kJatekokSzama; ++jatek) {
        SCOPED_TRACE(jatek);
        const GameParams g = Jatek(jatek);
        DrawsState d;
        SetHuzasok(d, 0, g.HuzottSzamok + 3);
        ASSERT_TRUE(VeletlenHuzasokHozzaadasa(d, g, 40, 2026, 50));
        VeletlenSzamsorGeneralasa(d, g, VeletlenGeneralas{}, veletlen);
        const std::int32_t egyHuzas = g.HuzottFoSzamok + g.PotSzamok;
        for (const TTombInt1D& sor : d.Huzasok) {
            for (int s = 0; s < g.SorsolasokSzama; ++s) {
                const auto c0 = static_cast<std::size_t>(s == 0 ? 3 : g.MasodikHuzasOszlop);
                const auto fo = static_cast<std::size_t>(g.HuzottFoSzamok - g.PluszSzamDb);
                std::set<std::int32_t> foSzamok;
                for (std::size_t c = c0; c < c0 + static_cast<std::size_t>(egyHuzas); ++c) {
                    ASSERT_GT(sor[c], 0) << "column " << c;
                    if (c < c0 + fo || c >= c0 + static_cast<std::size_t>(g.HuzottFoSzamok)) {
                        EXPECT_LE(sor[c], g.FoSzamKeszlet);
                        EXPECT_TRUE(foSzamok.insert(sor[c]).second) << "repeated " << sor[c];
                    } else {
                        EXPECT_GT(sor[c], g.FoSzamKeszlet);
                        EXPECT_LE(sor[c], g.OsszesSzam);
                    }
                }
                EXPECT_TRUE(std::is_sorted(sor.begin() + static_cast<std::ptrdiff_t>(c0),
                                           sor.begin() + static_cast<std::ptrdiff_t>(c0 + fo)));
            }
        }
        BetoltottAdatbazis ki;
        BetoltesBeallitasok b;
        b.AdatbazisTipus = false;
        const BetoltesEredmeny r = HuzasAdatbazisOlvasas(AdatbazisKep(d, g, HuzasIroVerzio()), g, b, "x", ki);
        ASSERT_TRUE(r.sikeres()) << r.Uzenet;
        EXPECT_EQ(ki.Tabla.Huzasok, d.Huzasok);
    }
}

// Asked to stop, the generation ends at the row it reached: the progress
// shows that row, the rows after it keep what they held.
TEST(VeletlenSzamsorGeneralasa, StopEndsAtTheRowReached)
{
    const GameParams g = Jatek(0);
    DrawsState d;
    SetHuzasok(d, 0, g.HuzottSzamok + 3);
    ASSERT_TRUE(VeletlenHuzasokHozzaadasa(d, g, 10, 2026, 50));
    std::stop_source ss;
    std::atomic<std::int64_t> sor{-1};
    VeletlenGeneralas p;
    p.ElsoSor = 2;
    p.SorIndex = &sor;
    p.Leallitas = ss.get_token();
    int hivasok = 0;
    const VeletlenFn veletlen = [&](std::int32_t n) {
        // Stop while the row with index 4 is drawn.
        if (sor.load() == 4)
            ss.request_stop();
        return ++hivasok % n;
    };
    EXPECT_FALSE(VeletlenSzamsorGeneralasa(d, g, p, veletlen));
    EXPECT_EQ(sor.load(), 4);
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(d.Huzasok[static_cast<std::size_t>(r)][3] > 0, r >= 2 && r <= 4) << r;
    std::stop_source nem;
    p.Leallitas = nem.get_token();
    EXPECT_TRUE(VeletlenSzamsorGeneralasa(d, g, p, veletlen));
    EXPECT_EQ(sor.load(), 9);
}

TEST(VeletlenSzamsorGeneralasa, Game17FillsEverySixthColumn)
{
    const GameParams g = Jatek(17);
    ASSERT_LT(g.SzamsorHossz, g.HuzottFoSzamok);
    DrawsState d;
    SetHuzasok(d, 0, g.HuzottSzamok + 3);
    ASSERT_TRUE(VeletlenHuzasokHozzaadasa(d, g, 200, 2026, 1));
    std::mt19937 gen(5);
    VeletlenSzamsorGeneralasa(d, g, {}, [&](std::int32_t n) { return static_cast<std::int32_t>(gen() % static_cast<unsigned>(n)); });
    for (const TTombInt1D& sor : d.Huzasok) {
        const std::set<std::int32_t> szamok(sor.begin() + 3, sor.begin() + 3 + g.HuzottFoSzamok);
        EXPECT_EQ(szamok.size(), 6u);
        EXPECT_EQ(szamok.count(0), 0u);
    }
}

// A generator that always answers 0 still ends: the numbers are chosen among
// the free ones, never drawn again.
TEST(VeletlenSzamsorGeneralasa, AConstantGeneratorStillGivesDistinctNumbers)
{
    const GameParams g = Jatek(8);  // Keno: 20 of 80
    DrawsState d;
    SetHuzasok(d, 0, g.HuzottSzamok + 3);
    ASSERT_TRUE(VeletlenHuzasokHozzaadasa(d, g, 1, 2026, 1));
    VeletlenSzamsorGeneralasa(d, g, {}, [](std::int32_t) { return 0; });
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(d.Huzasok[0][static_cast<std::size_t>(3 + i)], i + 1);
}

TEST(VeletlenSzamsorGeneralasa, DeclinedFillingLeavesMissingPartsEmpty)
{
    std::mt19937 gen(9);
    const VeletlenFn veletlen = [&](std::int32_t n) { return static_cast<std::int32_t>(gen() % static_cast<unsigned>(n)); };
    struct Eset {
        int jatek;
        bool plusz, masodik;
    };
    for (const Eset e : {Eset{1, false, true}, Eset{1, true, true}, Eset{2, true, false}, Eset{2, true, true},
                         Eset{4, false, false}}) {
        SCOPED_TRACE(::testing::Message() << e.jatek << " plusz " << e.plusz << " masodik " << e.masodik);
        const GameParams g = Jatek(e.jatek);
        // Row 1 has every part, row 2 only the main numbers of the first drawing.
        DrawsState d;
        SetHuzasok(d, 0, g.HuzottSzamok + 3);
        ASSERT_TRUE(VeletlenHuzasokHozzaadasa(d, g, 2, 2026, 3));
        VeletlenSzamsorGeneralasa(d, g, {}, veletlen);
        const auto pot1 = static_cast<std::size_t>(3 + g.HuzottFoSzamok);
        for (std::size_t c = pot1; c < d.Huzasok[1].size(); ++c)
            d.Huzasok[1][c] = 0;
        const HianyzoReszek h = HianyzoReszekVizsgalata(d, g);
        EXPECT_EQ(h.Szamsorok, g.TobbSorsolas);
        EXPECT_EQ(h.PluszSzamok, g.VanPotSzam);

        VeletlenGeneralas p;
        p.PluszFeltoltes = e.plusz;
        p.MasodikFeltoltes = e.masodik;
        VeletlenSzamsorGeneralasa(d, g, p, veletlen);
        const TTombInt1D& tele = d.Huzasok[0];
        const TTombInt1D& hianyos = d.Huzasok[1];
        EXPECT_TRUE(std::all_of(tele.begin() + 3, tele.end(), [](std::int32_t v) { return v > 0; }));
        if (g.VanPotSzam) {
            EXPECT_EQ(hianyos[pot1] > 0, e.plusz);
        }
        if (g.TobbSorsolas) {
            EXPECT_EQ(hianyos[static_cast<std::size_t>(g.MasodikHuzasOszlop)] > 0, e.masodik);
        }
        BetoltottAdatbazis ki;
        BetoltesBeallitasok b;
        b.AdatbazisTipus = false;
        const BetoltesEredmeny r = HuzasAdatbazisOlvasas(AdatbazisKep(d, g, HuzasIroVerzio()), g, b, "x", ki);
        EXPECT_TRUE(r.sikeres()) << r.Uzenet;
    }
}

TEST(VeletlenHuzasokHozzaadasa, NumbersNewDrawsAfterTheLastAndStopsAtTheLimit)
{
    const GameParams g = Jatek(0);
    DrawsState d;
    SetHuzasok(d, 3, g.HuzottSzamok + 3);
    ASSERT_TRUE(VeletlenHuzasokHozzaadasa(d, g, 2, 2026, 50));
    ASSERT_EQ(d.HuzasokSzama, 5);
    EXPECT_EQ(d.HuzasokUtolsoIndex, 4);
    EXPECT_EQ((TTombInt1D{d.Huzasok[3][0], d.Huzasok[3][1], d.Huzasok[3][2]}), (TTombInt1D{4, 2026, 50}));
    EXPECT_EQ(d.Huzasok[4][0], 5);
    EXPECT_FALSE(VeletlenHuzasokHozzaadasa(d, g, kMaxHuzasok - 4, 2026, 50));
    EXPECT_EQ(d.HuzasokSzama, 5);
}

// Only a private database's name is saved to: a name without an extension
// gets ".pdb", any other extension writes nothing.
TEST(PrivatMentes, OnlyAPdbNameIsWritten)
{
    const std::pair<const char*, const char*> esetek[] = {
        {"/p/Otos/proba.pdb", "/p/Otos/proba.pdb"}, {"/p/Otos/proba.PDB", "/p/Otos/proba.PDB"},
        {"/p/Otos/proba", "/p/Otos/proba.pdb"},     {"/p/a.b/proba", "/p/a.b/proba.pdb"},
        {"/p/Otos/proba.csv", ""},                  {"/p/Otos/proba.pdb.txt", ""},
        {"/p/Otos/proba.xpdb", ""},                 {"/p/Otos/", ""},
    };
    for (const auto& [nev, cel] : esetek)
        EXPECT_EQ(PrivatMentesCel(nev), cel) << nev;
    EXPECT_EQ(PrivatMentesAutomatikusNev(3445), "3445_huzas");
}

TEST(HuzasokImportalasa, TargetIsTheGamesPrivateFolderUnderTheFilesName)
{
    EXPECT_EQ(ImportCelUtvonal("/p/Dat/Private/", "Otos", "/home/u/letolt/draws.csv"), "/p/Dat/Private/Otos/draws.pdb");
    EXPECT_EQ(ImportCelUtvonal("/p/Dat/Private/", "Keno10", "sajat.txt"), "/p/Dat/Private/Keno10/sajat.pdb");
}

// The user's file becomes a private database only whole: a file that cannot
// be read or holds nothing writes nothing and leaves a database already there
// byte for byte.
TEST(HuzasokImportalasa, WritesAWholeDatabaseOrNothing)
{
    testing::TempDir dir;
    const GameParams g = Jatek(0);
    const std::string cel = dir.file("Private/Otos/draws.pdb");
    const std::string jo = dir.file("draws.csv");
    {
        std::ofstream f(jo, std::ios::binary);
        // Blank lines closing the file are no draws.
        f << "5;17;3;88;41\r\n12 13 14 15 16\r\n\r\n  \r\n";
    }
    const HuzasImportEredmeny be = HuzasokImportBeolvasasa(jo, g, 2024, 12, 30);
    ASSERT_TRUE(be.Siker) << be.Uzenet;
    EXPECT_EQ(be.Huzasok, 2);
    EXPECT_FALSE(std::filesystem::exists(cel));
    const HuzasImportEredmeny r = HuzasokImportIrasa(be, cel);
    ASSERT_TRUE(r.Siker) << r.Uzenet;
    BetoltottAdatbazis t;
    const BetoltesEredmeny b =
        HuzasAdatbazisOlvasas(testing::Olvas(cel), g, BetoltesBeallitasok{false, {}}, cel, t);
    ASSERT_TRUE(b.sikeres()) << b.Uzenet;
    ASSERT_EQ(t.Tabla.Huzasok.size(), 2u);
    EXPECT_EQ(t.Tabla.Huzasok[0], testing::Sor(g, 1, 2024, 1, {3, 5, 17, 41, 88}));
    EXPECT_EQ(t.Tabla.Huzasok[1], testing::Sor(g, 2, 2024, 1, {12, 13, 14, 15, 16}));

    const std::string rossz = dir.file("rossz.csv");
    const std::vector<std::uint8_t> elotte = testing::Olvas(cel);
    for (const char* tartalom : {static_cast<const char*>(nullptr), "", "\r\n \r\n"}) {
        SCOPED_TRACE(tartalom ? tartalom : "missing");
        std::filesystem::remove(rossz);
        if (tartalom)
            std::ofstream(rossz, std::ios::binary) << tartalom;
        const HuzasImportEredmeny h = HuzasokImportBeolvasasa(rossz, g, 2024, 12, 30);
        EXPECT_FALSE(h.Siker);
        EXPECT_EQ(h.Uzenet, tartalom ? ImportHibaUzenet(rossz) : "Hiba történt: " + rossz + " megnyitása.");
        EXPECT_FALSE(HuzasokImportIrasa(h, cel).Siker);
        EXPECT_EQ(testing::Olvas(cel), elotte);
    }
}

// A file with one bad line is refused whole; the message names the line, as
// read, and what a line of the game holds. A blank line between draws is a
// draw without numbers, like any other line.
TEST(HuzasokImportalasa, ARefusedLineIsNamed)
{
    testing::TempDir dir;
    const std::string nev = dir.file("draws.txt");
    const std::string otos = "Egy sorban: 5 különböző szám 1 és 90 között, például: 1;2;3;4;5";
    struct Eset {
        int jatek;
        const char* tartalom;
        std::string reszlet;  // after ImportHibaUzenet
    };
    const Eset esetek[] = {
        {0, "1;2;3;4;5\r\negy;kettő;három;négy;öt\r\n", "2. sor: „egy;kettő;három;négy;öt”\r\n" + otos},
        {0, "1;2;3;4;5\r\n6;7;8;9;10\r\n11;12;13;14;91\r\n", "3. sor: „11;12;13;14;91”\r\n" + otos},
        {0, "1 2 3 4\n", "1. sor: „1 2 3 4”\r\n" + otos},
        {0, "1;2;3;4;5\r\n\r\n6;7;8;9;10\r\n", "2. sor: üres\r\n" + otos},
        {0, "1;2;3;4;5\r\n6;7;8;9;10\r\n1;2;3;3;5\r\n", "3. sor: „1;2;3;3;5”\r\n" + otos},
        // The line as the user wrote it, in the code page of an older editor.
        {0, "Sz\xE1mok\r\n1;2;3;4;5\r\n", "1. sor: „Számok”\r\n" + otos},
        // Extra numbers as the ticket shows them; bonus numbers may be left off.
        {30, "1;2;3;4;5;1;2\r\n1;2;3;4;5;1;13\r\n",
         "2. sor: „1;2;3;4;5;1;13”\r\nEgy sorban: 5 különböző szám 1 és 50 között, majd 2 különböző Euro szám 1 és "
         "12 között, például: 1;2;3;4;5;1;2"},
        {37, "1;2;3;4;5;6;0\r\n1;2;3;4;5;6;10\r\n",
         "2. sor: „1;2;3;4;5;6;10”\r\nEgy sorban: 6 különböző szám 1 és 49 között, majd 1 Super szám 0 és 9 "
         "között, például: 1;2;3;4;5;6;0"},
        {1, "1;2;3;4;5;6\r\n1;2;3;4;5;6;6\r\n",
         "2. sor: „1;2;3;4;5;6;6”\r\nEgy sorban: 6 különböző szám 1 és 45 között, majd 1 plusz szám 1 és 45 "
         "között (elhagyható), például: 1;2;3;4;5;6;7"},
        {2, "1;2;3;4;5;6;7\r\n1;2;3;4;5;6;7;8;9\r\n",
         "2. sor: „1;2;3;4;5;6;7;8;9”\r\nEgy sorban: 7 különböző szám 1 és 35 között, majd a 2. sorsolás számai "
         "ugyanígy (elhagyható), például: 1;2;3;4;5;6;7;1;2;3;4;5;6;7"},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.tartalom);
        std::ofstream(nev, std::ios::binary | std::ios::trunc) << e.tartalom;
        const HuzasImportEredmeny r = HuzasokImportBeolvasasa(nev, Jatek(e.jatek), 2024, 12, 30);
        EXPECT_FALSE(r.Siker);
        EXPECT_TRUE(r.Kep.empty());
        EXPECT_EQ(r.Uzenet, ImportHibaUzenet(nev) + "\r\n\r\n" + e.reszlet);
    }
    // Good lines of the same games pass.
    for (const auto& [jatek, sor] : {std::pair{30, "1;2;3;4;5;1;12"}, std::pair{37, "1;2;3;4;5;6;9"},
                                     std::pair{1, "1;2;3;4;5;6;7"}, std::pair{2, "1;2;3;4;5;6;7"}}) {
        SCOPED_TRACE(sor);
        std::ofstream(nev, std::ios::binary | std::ios::trunc) << sor << "\r\n";
        EXPECT_TRUE(HuzasokImportBeolvasasa(nev, Jatek(jatek), 2024, 12, 30).Siker);
    }
}

// The lines are checked in file order with every rule at once: the first
// bad line is the one named, whatever kind of fault a later line has, and a
// line with more numbers than a draw holds is refused as one with too few
// is, instead of losing its last numbers. Nothing of a refused file is kept.
TEST(HuzasokImportalasa, TheFirstBadLineIsNamed)
{
    testing::TempDir dir;
    const std::string nev = dir.file("draws.csv");
    const std::string cel = dir.file("Private/Otos/draws.pdb");
    const std::string kenoSor = "1;2;3;4;5;6;7;8;9;10;11;12";
    struct Eset {
        const char* mi;
        int jatek;
        std::string tartalom;
        int sor;  // the line named
    };
    const Eset esetek[] = {
        {"three digits before a number out of range", 0, "1;2;3;4;5\r\n6;7;8;9;123\r\n11;12;13;14;91\r\n", 2},
        {"three digits alone", 0, "1;2;3;4;5\r\n6;7;8;9;10\r\n100;12;13;14;15\r\n", 3},
        {"too many numbers before a number out of range", 0, "1;2;3;4;5;6\r\n11;12;13;14;91\r\n", 1},
        {"too many numbers alone", 0, "1;2;3;4;5\r\n6;7;8;9;10;11\r\n", 2},
        {"too few numbers before a number out of range", 0, "1;2;3;4;5\r\n1;2;3;4\r\n11;12;13;14;91\r\n", 2},
        {"letters before a number out of range", 0, "1;2;3;4;5\r\negy;kettő;három\r\n11;12;13;14;91\r\n", 2},
        {"a repeated number before a number out of range", 0, "1;2;3;3;5\r\n11;12;13;14;91\r\n", 1},
        {"a bonus number too many", 1, "1;2;3;4;5;6;7;8\r\n", 1},
        {"both drawings and one more", 2, "1;2;3;4;5;6;7;1;2;3;4;5;6;7;8\r\n", 1},
        {"more than the Keno draw", 8, "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21\r\n", 1},
        // The first line of a Keno file fixes how many numbers a draw holds.
        {"more than the first Keno line", 8, kenoSor + "\r\n" + kenoSor + ";13\r\n", 2},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.mi);
        std::ofstream(nev, std::ios::binary | std::ios::trunc) << e.tartalom;
        const HuzasImportEredmeny r = HuzasokImportBeolvasasa(nev, Jatek(e.jatek), 2024, 12, 30);
        EXPECT_FALSE(r.Siker);
        EXPECT_TRUE(r.Kep.empty());
        const std::string nevezett = "\r\n\r\n" + std::to_string(e.sor) + ". sor: ";
        EXPECT_EQ(r.Uzenet.substr(0, ImportHibaUzenet(nev).size() + nevezett.size()), ImportHibaUzenet(nev) + nevezett)
            << r.Uzenet;
        EXPECT_FALSE(HuzasokImportIrasa(r, cel).Siker);
        EXPECT_FALSE(std::filesystem::exists(cel));
    }
    // As many numbers as the draw holds pass, and a Keno file's later lines
    // may hold as many as its first.
    for (const auto& [jatek, tartalom] : {std::pair{0, std::string("1;2;3;4;5;\r\n")},
                                          std::pair{1, std::string("1;2;3;4;5;6;7\r\n")},
                                          std::pair{8, kenoSor + "\r\n" + kenoSor + "\r\n"}}) {
        SCOPED_TRACE(tartalom);
        std::ofstream(nev, std::ios::binary | std::ios::trunc) << tartalom;
        EXPECT_TRUE(HuzasokImportBeolvasasa(nev, Jatek(jatek), 2024, 12, 30).Siker);
    }
}

// A Keno file is read with all the numbers the game draws, also while a
// user's Keno database of fewer numbers a draw is loaded.
TEST(HuzasokImportalasa, AKenoFileTakesTheGamesWholeDraw)
{
    testing::TempDir dir;
    const std::string nev = dir.file("keno.txt");
    std::ofstream(nev, std::ios::binary) << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n";
    GameParams g = Jatek(8);
    SorsolasMeretBeallitas(g, 12, 12);
    const HuzasImportEredmeny r = HuzasokImportBeolvasasa(nev, g, 2024, 12, 30);
    ASSERT_TRUE(r.Siker) << r.Uzenet;
    BetoltottAdatbazis t;
    ASSERT_TRUE(HuzasAdatbazisOlvasas(r.Kep, Jatek(8), BetoltesBeallitasok{false, {}}, nev, t).sikeres());
    EXPECT_EQ(t.HuzottSzamok, 20);
    EXPECT_EQ(t.Tabla.Huzasok[0][22], 20);
}

// A long line is quoted only in part.
TEST(HuzasokImportalasa, ALongLineIsCutInTheMessage)
{
    testing::TempDir dir;
    const std::string nev = dir.file("draws.txt");
    std::ofstream(nev, std::ios::binary) << std::string(100, 'x') << "\r\n";
    const HuzasImportEredmeny r = HuzasokImportBeolvasasa(nev, Jatek(0), 2024, 12, 30);
    EXPECT_NE(r.Uzenet.find("1. sor: „" + std::string(60, 'x') + "…”\r\n"), std::string::npos) << r.Uzenet;
}

}  // namespace
}  // namespace kvx
