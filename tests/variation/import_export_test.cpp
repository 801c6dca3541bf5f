// Export of the variation's lines as text and import of text lines as the
// variation: the exact bytes of each format, a round trip for each kind of
// game, the refusals of a bad file (each naming its line and changing
// nothing) and a file written by hand.
#include "variation/variation_export.h"
#include "variation/variation_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include <unistd.h>

#include "common/binary_io.h"
#include "variation/store_jobs.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

class ImportExport : public ::testing::Test {
protected:
    GameParams g;
    SzamListak l;
    MainState ms;
    VariationStore t;
    BontasEgyseg u;
    VariacioAllomanyAllapot a;
    fs::path mappa;
    int ablakNyitva = 0;  // wait windows shown and not yet closed
    int ablakMutatva = 0;

    void SetUp() override
    {
        mappa = fs::temp_directory_path() /
                ("kvx_import_export_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(mappa);
        jatek(0);
    }
    void TearDown() override { fs::remove_all(mappa); }

    void jatek(int index)
    {
        g = GameParams{};
        g.LottoIndex = index;
        JatekParameterek(g);
        ListakInicializalasa(l, g, ms);
        FinalizeFBontasMatrix(t);
    }

    std::string fajl(const std::string& nev, const std::string& tartalom)
    {
        const std::string p = (mappa / nev).string();
        std::ofstream(p, std::ios::binary) << tartalom;
        return p;
    }
    static std::string olvas(const std::string& p)
    {
        std::ifstream f(p, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }

    ImportKornyezet kornyezet()
    {
        ImportKornyezet k;
        k.Listak = &l;
        k.Jatek = &g;
        k.Foallapot = &ms;
        k.Tar = &t;
        k.Bontas = &u;
        k.Allomany = &a;
        k.VarakozasKi = [this](const std::string&) {
            ++ablakNyitva;
            ++ablakMutatva;
        };
        k.VarakozasVege = [this] { --ablakNyitva; };
        return k;
    }
    ImportEredmeny import(const std::string& tartalom)
    {
        ImportKornyezet k = kornyezet();
        return ImportBeolvasas(fajl("be.csv", tartalom), k);
    }

    // The selection and a variation of the given lines (ticket numbers; the
    // extra part as stored), each row turned into ascending indexes.
    void variacio(const std::vector<std::vector<int>>& sorok, const std::vector<int>& fix = {})
    {
        ListakInicializalasa(l, g, ms);
        std::set<int> szamok;
        for (const auto& s : sorok) szamok.insert(s.begin(), s.end());
        for (int n : szamok) SzamJeloles(l, g, ms, n, ModKijelolt, false);
        for (int n : fix) SzamJeloles(l, g, ms, n, ModFix, false);
        std::sort(l.KijeloltSzamok.begin(), l.KijeloltSzamok.end());
        PluszSzamokAVegere(l, g, ms);
        const int k = l.VariacioMeret;
        SetBontasMatrix(t, static_cast<std::int64_t>(sorok.size()), k, nullptr);
        for (std::size_t r = 0; r < sorok.size(); ++r) {
            std::vector<std::uint8_t> idx;
            for (int n : sorok[r]) idx.push_back(static_cast<std::uint8_t>(KijeloltPozicio(l, n) - 1));
            std::copy(idx.begin(), idx.end(), t.sor(static_cast<std::int32_t>(r)));
        }
        t.BontSzelvszam = static_cast<std::int32_t>(sorok.size());
    }

    // The lines of the store as ticket numbers.
    std::vector<std::vector<int>> szamsorok() const
    {
        std::vector<std::vector<int>> v;
        for (std::int32_t r = 0; r < t.BontSzelvszam; ++r) {
            std::vector<int> s;
            for (int j = 0; j < t.BontMatrixSorHossz; ++j) s.push_back(l.KijeloltSzamok[t.sor(r)[j]]);
            v.push_back(s);
        }
        return v;
    }

    std::string szoveg(const std::string& f) { return ExportSzoveg(t, l, g, f, fejlec); }
    ExportFejlec fejlec{"2.8.1.7", 45429.5};  // 2024-05-17
};

TEST_F(ImportExport, FormatsWriteTheExactBytes)
{
    variacio({{1, 2, 13, 24, 35}, {3, 4, 5, 6, 7}});
    EXPECT_EQ(szoveg("csv"), "1;2;13;24;35\r\n3;4;5;6;7\r\n");
    EXPECT_EQ(szoveg("txt"), " 1 -  2 - 13 - 24 - 35\r\n 3 -  4 -  5 -  6 -  7\r\n");
    EXPECT_EQ(szoveg("tmb"), "Array(1,2,13,24,35,3,4,5,6,7);\r\n");
    EXPECT_EQ(szoveg("html"),
              "<!DOCTYPE HTML>\r\n<html>\r\n<head>\r\n"
              "<meta name=\"generator\" content=\"Kavarex Personal 2.8.1.7 - 2024. 05. 17.\" />\r\n"
              "<meta charset=\"utf-8\">\r\n<title>Magyar 5/90</title>\r\n"
              "<style type=\"text/css\"> ol li {font-family:\"Courier New\", Courier, monospace; white-space:pre; "
              "font-size:14px; margin-left:30px;}</style>\r\n"
              "</head>\r\n<body>\r\n<ol>\r\n"
              "<li>   1 -  2 - 13 - 24 - 35</li>\r\n<li>   3 -  4 -  5 -  6 -  7</li>\r\n"
              "</ol>\r\n</body>\r\n</html>\r\n");
    EXPECT_EQ(szoveg("xls"), "");
}

TEST_F(ImportExport, FixedAndExtraNumbersTakeTheirPlaces)
{
    struct Eset {
        int jatek;
        std::vector<int> sor, fix;
        const char *csv, *txt, *html;
    };
    const Eset esetek[] = {
        // One fixed number after the main ones.
        {0, {1, 2, 13, 24}, {80}, "1;2;13;24;80", " 1 -  2 - 13 - 24 - 80",
         "<li>   1 -  2 - 13 - 24 - <em>80</em></li>"},
        // Two fixed numbers: the separator stays inside the emphasis.
        {0, {1, 2, 13}, {80, 9}, "1;2;13;80;9", " 1 -  2 - 13 - 80 -  9",
         "<li>   1 -  2 - 13 - <em>80 - </em><em> 9</em></li>"},
        // 5 + 2 from 1..12: the extra numbers count from 1.
        {24, {1, 2, 13, 24, 35, 51, 62}, {}, "1;2;13;24;35;1;12", " 1 -  2 - 13 - 24 - 35 -  1 - 12",
         "<li>   1 -  2 - 13 - 24 - 35    1 - 12</li>"},
        // 6 + a super number that counts from 0.
        {37, {1, 2, 13, 24, 35, 49, 50}, {}, "1;2;13;24;35;49;0", " 1 -  2 - 13 - 24 - 35 - 49 -  0",
         "<li>   1 -  2 - 13 - 24 - 35 - 49    0</li>"},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.csv);
        jatek(e.jatek);
        variacio({e.sor}, e.fix);
        EXPECT_EQ(szoveg("csv"), std::string(e.csv) + "\r\n");
        EXPECT_EQ(szoveg("txt"), std::string(e.txt) + "\r\n");
        const std::string h = szoveg("html");
        EXPECT_NE(h.find(std::string("\r\n") + e.html + "\r\n</ol>"), std::string::npos) << h;
    }
}

TEST_F(ImportExport, AVariationFromTheDrawsExportsItsNumbers)
{
    // Rows hold the drawn numbers themselves, whatever the selection.
    jatek(0);
    SetBontasMatrix(t, 1, 5, nullptr);
    const std::uint8_t sor[] = {7, 17, 27, 77, 87};
    std::copy(std::begin(sor), std::end(sor), t.sor(0));
    t.BontSzelvszam = 1;
    t.BontHuzasSorszam = {12};
    EXPECT_EQ(szoveg("csv"), "7;17;27;77;87\r\n");
}

TEST_F(ImportExport, ExportToAFolderThatDoesNotExistFails)
{
    variacio({{1, 2, 3, 4, 5}});
    const std::string nev = (mappa / "nincs" / "v.csv").string();
    std::string uzenet;
    EXPECT_FALSE(ExportKiiras(nev, "csv", t, l, g, fejlec, uzenet));
    EXPECT_EQ(uzenet, "Nem sikerült létrehozni az állományt.\r\n\r\n" + nev);
    EXPECT_TRUE(ExportKiiras((mappa / "v.csv").string(), "csv", t, l, g, fejlec, uzenet));
    EXPECT_EQ(olvas((mappa / "v.csv").string()), "1;2;3;4;5\r\n");
}

// Export then import gives the same lines for every kind of game.
TEST_F(ImportExport, RoundTripForEveryKindOfGame)
{
    struct Jatek {
        int index;
        const char* leiras;
    };
    const Jatek jatekok[] = {{0, "main numbers only"},
                             {24, "two extra numbers"},
                             {37, "extra pool counted from 0"},
                             {1, "bonus number drawn from the main pool"},
                             {8, "keno on ten numbers"}};
    std::mt19937 gen(5);
    for (const Jatek& j : jatekok) {
        for (const char* f : {"csv", "txt"}) {
            SCOPED_TRACE(std::string(j.leiras) + " " + f);
            jatek(j.index);
            const int kf = g.SzamsorFoSzamDb, e = g.PluszSzamDb;
            std::vector<std::vector<int>> sorok;
            for (int r = 0; r < 40; ++r) {
                std::vector<int> fo(static_cast<std::size_t>(g.FoSzamKeszlet)), ex(static_cast<std::size_t>(g.PluszSzamKeszlet));
                for (std::size_t i = 0; i < fo.size(); ++i) fo[i] = static_cast<int>(i) + 1;
                for (std::size_t i = 0; i < ex.size(); ++i) ex[i] = g.FoSzamKeszlet + 1 + static_cast<int>(i);
                std::shuffle(fo.begin(), fo.end(), gen);
                std::shuffle(ex.begin(), ex.end(), gen);
                std::vector<int> s(fo.begin(), fo.begin() + kf);
                std::sort(s.begin(), s.end());
                std::vector<int> x(ex.begin(), ex.begin() + e);
                std::sort(x.begin(), x.end());
                s.insert(s.end(), x.begin(), x.end());
                sorok.push_back(s);
            }
            variacio(sorok);
            const auto elotte = szamsorok();
            const std::string p = (mappa / (std::string("v.") + f)).string();
            std::string uzenet;
            ASSERT_TRUE(ExportKiiras(p, f, t, l, g, fejlec, uzenet));

            ListakInicializalasa(l, g, ms);
            FinalizeFBontasMatrix(t);
            ImportKornyezet k = kornyezet();
            const ImportEredmeny r = ImportBeolvasas(p, k);
            ASSERT_TRUE(r.Ok) << r.Uzenet;
            EXPECT_EQ(szamsorok(), elotte);
            EXPECT_TRUE(std::is_sorted(l.KijeloltSzamok.begin(), l.KijeloltSzamok.end()));
            ASSERT_EQ(t.Import_Count.size(), 1u);
            EXPECT_EQ(t.Import_Count[0], 40);
            // The per-index counts agree with the rows.
            std::vector<std::int32_t> gy(l.KijeloltSzamok.size(), 0);
            for (std::int32_t s = 0; s < t.BontSzelvszam; ++s)
                for (int q = 0; q < t.BontMatrixSorHossz; ++q) ++gy[t.sor(s)[q]];
            EXPECT_EQ(t.BontSzamGyakorisag, gy);
            EXPECT_EQ(ablakNyitva, 0);
        }
    }
}

TEST_F(ImportExport, LinesAreReadByTheirSeparators)
{
    // Each first line is the same line 1 2 3 4 5; the second makes more
    // numbers than a line, which an import needs.
    for (const char* elso : {"1;2;3;4;5", "1, 2, 3, 4, 5", "01-02-03-04-05", " 1 - 2 - 3 - 4 - 5  "}) {
        SCOPED_TRACE(elso);
        jatek(0);
        const ImportEredmeny r = import(std::string(elso) + "\r\n9;1;2;3;4\r\n");
        ASSERT_TRUE(r.Ok) << r.Uzenet;
        EXPECT_EQ(szamsorok(), (std::vector<std::vector<int>>{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 9}}));
        // The second row as indexes: 9 is the sixth number of the selection.
        EXPECT_EQ(std::vector<int>(t.sor(1), t.sor(1) + 5), (std::vector<int>{0, 1, 2, 3, 5}));
    }
}

// A refused file changes nothing: the variation, the ticket and the
// preparation that would clear them stay untouched, the flag is clear and
// the wait window closed. A refused line is named with its text and what a
// line of the game holds.
TEST_F(ImportExport, ARefusedFileNamesItsLineAndChangesNothing)
{
    const std::string masik = "Nem az aktuális játékhoz tartozó állomány - vagy módosult a játék számkészlete, "
                              "szabályzata\r\n\r\n@";
    const std::string sorban = "\r\nEgy sorban: 5 különböző szám 1 és 90 között, elválasztójellel, például: 1;2;3;4;5";
    struct Eset {
        const char* fajl;
        std::string uzenet;  // "@" stands for the file name
    };
    const Eset esetek[] = {
        // A line with digits among other characters, with too few and with
        // too many numbers.
        {"6;7;8;9;10\r\n1;2;3;4;5;abc\r\n", "Hiányos számsor.\r\n\r\n2. sor: „1;2;3;4;5;abc”" + sorban},
        {"Számsorok\r\n1;2;3;4\r\n6;7;8;9;10\r\n", "Hiányos számsor.\r\n\r\n2. sor: „1;2;3;4”" + sorban},
        {"6;7;8;9;10\r\n1;2;3;4;5;6\r\n",
         "A sor több számot tartalmaz, mint egy számsor.\r\n\r\n2. sor: „1;2;3;4;5;6”" + sorban},
        {"6;7;8;9;10\r\n1;2;3;4;5;6;7;8;9;10;11\r\n",
         "A sor több számot tartalmaz, mint egy számsor.\r\n\r\n2. sor: „1;2;3;4;5;6;7;8;9;10;11”" + sorban},
        {"6;7;8;9;10\r\n11;12;13;14;15\r\n1;2;3;4;91\r\n",
         "3. sor 5. száma (91) érvénytelen tartományba esik.\r\n\r\n3. sor: „1;2;3;4;91”" + sorban},
        {"1;2;3;4\r\n6;7;8;9;10\r\n", "Hiányos számsor.\r\n\r\n1. sor: „1;2;3;4”" + sorban},
        {"6;7;8;9;10\r\n\r\n1;2;3;2;5\r\n", "3. sor 4. száma (2) ismétlődik.\r\n\r\n3. sor: „1;2;3;2;5”" + sorban},
        {"1 2 3 4 5\r\n6;7;8;9;10\r\n", "Hiányos számsor.\r\n\r\n1. sor: „1 2 3 4 5”" + sorban},
        {"Húzás 2024\r\n1;2;3;4;5\r\n", "Hiányos számsor.\r\n\r\n1. sor: „Húzás 2024”" + sorban},
        {"6;7;8;9;10\r\n1;2;3;4;5 6\r\n", masik + "\r\n\r\n2. sor: „1;2;3;4;5 6”" + sorban},
        {"6;7;8;9;10\r\n1;2;3;4;100\r\n",
         "2. sor 5. száma (0) érvénytelen tartományba esik.\r\n\r\n2. sor: „1;2;3;4;100”" + sorban},
        {"1;2;3;4;5\r\n", "Érvénytelen formátumú állomány\r\n\r\n@"},
        {"\r\n  \r\n", "Érvénytelen formátumú állomány\r\n\r\n@"},
        {"", "Érvénytelen formátumú állomány\r\n\r\n@"},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.fajl);
        jatek(0);
        variacio({{11, 12, 13, 14, 15}, {16, 17, 18, 19, 20}});
        const TTombByte1D szamok = l.KijeloltSzamok;
        const auto sorok = szamsorok();
        ImportKornyezet k = kornyezet();
        int elokeszites = 0;
        k.Elokeszites = [&] {
            ++elokeszites;
            return true;
        };
        const ImportEredmeny r = ImportBeolvasas(fajl("be.csv", e.fajl), k);
        std::string vart = e.uzenet;
        if (const auto at = vart.find('@'); at != std::string::npos) vart.replace(at, 1, (mappa / "be.csv").string());
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Uzenet, vart);
        EXPECT_EQ(elokeszites, 0);
        EXPECT_EQ(l.KijeloltSzamok, szamok);
        EXPECT_EQ(szamsorok(), sorok);
        EXPECT_FALSE(u.ImportFolyamatban);
        EXPECT_EQ(ablakNyitva, 0);
    }
}

// A line that cannot be a line of numbers is skipped wherever it stands: a
// title or header row (no digit before its last character), a line not
// longer than a line's count of numbers, a blank line. The lines after it
// keep their numbers in the messages.
TEST_F(ImportExport, LinesThatHoldNoNumbersAreSkipped)
{
    const char* kihagyott[] = {
        "Számsorok",                 // a title
        "egy;kettő;három;négy;öt",   // a header row of the columns
        "Sorszám: 7",                // its only digit is its last character
        "1;2;3",                     // five characters: no longer than a line's five numbers
        "",                          // blank
        "                    ",      // blanks, longer than five
        "\t\t\t\t\t\t",              // tabs: separators without any digit
    };
    for (const char* sor : kihagyott) {
        SCOPED_TRACE(sor);
        jatek(0);
        ImportEredmeny r = import(std::string(sor) + "\r\n1;2;3;4;5\r\n" + sor + "\r\n6;7;8;9;10\r\n");
        ASSERT_TRUE(r.Ok) << r.Uzenet;
        EXPECT_EQ(r.Sorok, 2);
        EXPECT_EQ(szamsorok(), (std::vector<std::vector<int>>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
        // A refusal after a skipped line counts it among the file's lines.
        jatek(0);
        r = import(std::string(sor) + "\r\n1;2;3;4;5\r\n1;2;3;2;5\r\n");
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Uzenet.substr(0, r.Uzenet.find("\r\n")), "3. sor 4. száma (2) ismétlődik.");
    }
    // A file of skipped lines only has no line to import.
    jatek(0);
    const ImportEredmeny r = import("Számsorok\r\n1;2;3\r\n");
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Uzenet, "Érvénytelen formátumú állomány\r\n\r\n" + (mappa / "be.csv").string());
}

// A good file asks for the preparation once, with the flag clear; a declined
// preparation leaves everything as it was and says nothing.
TEST_F(ImportExport, TheTicketIsClearedOnlyForAGoodFile)
{
    const std::string nev = fajl("be.csv", "1;2;3;4;5\r\n6;7;8;9;10\r\n");
    variacio({{11, 12, 13, 14, 15}, {16, 17, 18, 19, 20}});
    const auto sorok = szamsorok();
    ImportKornyezet k = kornyezet();
    bool folyamatban = true;
    k.Elokeszites = [&] {
        folyamatban = u.ImportFolyamatban;
        EXPECT_EQ(ablakNyitva, 0);
        return false;
    };
    ImportEredmeny r = ImportBeolvasas(nev, k);
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Uzenet.empty());
    EXPECT_FALSE(folyamatban);
    EXPECT_EQ(szamsorok(), sorok);

    k.Elokeszites = [&] {
        ListakInicializalasa(l, g, ms);
        return true;
    };
    r = ImportBeolvasas(nev, k);
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(szamsorok(), (std::vector<std::vector<int>>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
}

TEST_F(ImportExport, MainAndExtraPositionsTakeOnlyTheirOwnPool)
{
    jatek(24);  // 5 from 1..50 and 2 from 1..12
    ImportEredmeny r = import("1;2;3;4;5;1;2\r\n6;7;8;9;10;3;12\r\n");
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(szamsorok()[0], (std::vector<int>{1, 2, 3, 4, 5, 51, 52}));
    // Already coded extra numbers are taken as they are.
    jatek(24);
    r = import("1;2;3;4;5;51;52\r\n6;7;8;9;10;3;12\r\n");
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(szamsorok()[0], (std::vector<int>{1, 2, 3, 4, 5, 51, 52}));

    struct Eset {
        const char* sor;
        const char* uzenet;
    };
    const Eset esetek[] = {
        {"1;2;3;4;55;1;2", "1. sor 5. száma (55) érvénytelen tartományba esik."},
        {"1;2;3;4;5;1;13", "1. sor 7. száma (63) érvénytelen tartományba esik."},
        {"1;2;3;4;5;2;52", "1. sor 7. száma (52) ismétlődik."},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.sor);
        jatek(24);
        r = import(std::string(e.sor) + "\r\n");
        EXPECT_EQ(r.Uzenet, std::string(e.uzenet) + "\r\n\r\n1. sor: „" + e.sor +
                                "”\r\nEgy sorban: 5 különböző szám 1 és 50 között, majd 2 különböző Lucky Star "
                                "szám 1 és 12 között, elválasztójellel, például: 1;2;3;4;5;1;2");
        EXPECT_EQ(t.BontSzelvszam, 0);
    }
    // The super number 0 of a pool counted from 0 is its first number.
    jatek(37);
    r = import("1;2;3;4;5;6;0\r\n7;8;9;10;11;12;9\r\n");
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(szamsorok()[0], (std::vector<int>{1, 2, 3, 4, 5, 6, 50}));
    EXPECT_EQ(szamsorok()[1], (std::vector<int>{7, 8, 9, 10, 11, 12, 59}));
}

TEST_F(ImportExport, AFileWrittenByHandImports)
{
    // A byte-order mark, blank lines, blanks around the numbers, a last line
    // without an ending.
    const std::string be = "\xEF\xBB\xBF\r\n\r\n 5 ; 17; 33 ;60;  90\r\n   \r\n1;2;3;4;5\r\n"
                           "12;13;14;15;16";
    const ImportEredmeny r = import(be);
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(r.Sorok, 3);
    EXPECT_EQ(szamsorok(), (std::vector<std::vector<int>>{{5, 17, 33, 60, 90}, {1, 2, 3, 4, 5}, {12, 13, 14, 15, 16}}));
    EXPECT_EQ(l.KijeloltSzamDb(), 14);  // 5 is in two lines
    EXPECT_FALSE(u.ImportFolyamatban);
    EXPECT_EQ(ablakMutatva, 2);
    EXPECT_EQ(ablakNyitva, 0);
    // Lines ended by LF alone or by a lone CR read the same.
    for (const char* veg : {"\n", "\r"}) {
        jatek(0);
        ASSERT_TRUE(import(std::string("1;2;3;4;5") + veg + "6;7;8;9;10" + veg).Ok);
        EXPECT_EQ(t.BontSzelvszam, 2);
    }
}

TEST_F(ImportExport, MoreThanAMillionTextLinesAreRefusedUntouched)
{
    jatek(0);
    SzamJeloles(l, g, ms, 7, ModKijelolt, false);
    std::string sok;
    sok.reserve(3000002);
    for (int i = 0; i <= 1000000; ++i) sok += "x\r\n";
    const ImportEredmeny r = import(sok);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Uzenet, kImportTulNagy);
    // Nothing was looked at: no wait window, the ticket as it was.
    EXPECT_EQ(ablakMutatva, 0);
    EXPECT_EQ(l.KijeloltSzamok, (TTombByte1D{7}));
    EXPECT_FALSE(u.ImportFolyamatban);
}

TEST_F(ImportExport, AMissingFileIsRefused)
{
    ImportKornyezet k = kornyezet();
    const std::string nev = (mappa / "nincs.csv").string();
    const ImportEredmeny r = ImportBeolvasas(nev, k);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Uzenet, "Érvénytelen, sérült vagy foglalt állomány - esetleg módosult a játék számkészlete, "
                        "szabályzata.\r\n\r\n" + nev);
    EXPECT_FALSE(u.ImportFolyamatban);
}

}  // namespace
}  // namespace kvx
