#include "printing/variation_info.h"
#include "printing/variation_list_print.h"
#include "printing/rtf_writer.h"

#include "printing/nyomtatas_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <regex>
#include <set>

using namespace kvx;
using namespace kvx::testing;

namespace {

VariacioInfoBemenet Leiras(int jatek, std::vector<std::uint8_t> kijelolt)
{
    VariacioInfoBemenet b;
    b.Jatek = NyJatek(jatek);
    b.KijeloltSzamok = kijelolt;
    b.KijeloltFoSzamDb = static_cast<std::int32_t>(kijelolt.size());
    b.JegyAr = 300;
    return b;
}

std::vector<std::string> Leiras(const VariacioInfoBemenet& b, bool lapozas = false)
{
    NyomtatasEgyseg n;
    n.NyomtLapozas = lapozas;
    VariacioInfoKiir(n, b);
    return n.Sorok();
}

bool Van(const std::vector<std::string>& sorok, const std::string& s)
{
    return std::find(sorok.begin(), sorok.end(), s) != sorok.end();
}

// A variation of `db` lines over the selection 1..n: line i takes indexes
// i, i+1, ... (mod n).
BontListaSorok Sorok(const GameParams& g, std::int32_t db, std::int32_t n)
{
    BontListaSorok s;
    s.SorHossz = g.SzamsorHossz;
    s.VariacioMeret = g.SzamsorHossz;
    s.VariacioFoMeret = g.SzamsorFoSzamDb;
    for (std::int32_t i = 0; i < n; ++i)
        s.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i + 1));
    for (std::int32_t l = 0; l < db; ++l)
        for (std::int32_t k = 0; k < s.SorHossz; ++k)
            s.Adat.push_back(static_cast<std::uint8_t>((l + k) % n));
    return s;
}

// Line numbers of the entries in a printed line.
std::vector<int> Sorszamok(const std::string& sor)
{
    static const std::regex minta("(\\d+)\\.  ");
    std::vector<int> v;
    for (auto it = std::sregex_iterator(sor.begin(), sor.end(), minta); it != std::sregex_iterator(); ++it)
        v.push_back(std::stoi((*it)[1]));
    return v;
}

struct ListaLap {
    std::vector<std::vector<int>> sorok;  // line numbers per printed line
    std::size_t hossz = 0;                // buffer lines of the page
};

std::vector<ListaLap> ListaLapok(const NyomtatasEgyseg& n)
{
    std::vector<ListaLap> lapok;
    for (const auto& lap : LapokFelosztasa(n.ListaPuffer)) {
        ListaLap l;
        l.hossz = lap.size();
        bool lista = false;
        for (const NyomtSor& s : lap) {
            if (s.Szoveg.find(" Szelvény ") < 2) {
                lista = true;
                continue;
            }
            if (lista && s.Szoveg != ElvalasztoVonal() && s.Szoveg != kLapdobasSor)
                l.sorok.push_back(Sorszamok(s.Szoveg));
        }
        lapok.push_back(l);
    }
    return lapok;
}

NyomtatasEgyseg Lista(const GameParams& g, const BontListaSorok& s, VariacioInfoBemenet b, bool papir = false)
{
    NyomtatasEgyseg n;
    OldalMeretek(n, !papir);
    n.Fejlec = {"12 szám variációja 100 számsorra - " + std::string(JatekNev[static_cast<std::size_t>(g.LottoIndex)]),
                "3.1.0.0", "2026. 12. 10."};
    b.BontSzelvszam = s.Db();
    BontListaNyomtatas(n, g, s, b);
    return n;
}

}  // namespace

TEST(VariacioLeiras, NumbersCostAndErrorPoints)
{
    // No lines: no cost line; 31 numbers in rows of 15, 15 and 1.
    std::vector<std::uint8_t> szamok(31);
    std::iota(szamok.begin(), szamok.end(), std::uint8_t{1});
    VariacioInfoBemenet b = Leiras(0, szamok);
    std::vector<std::string> s = Leiras(b);
    ASSERT_GE(s.size(), 4u);
    EXPECT_EQ(s[0], "    Variációra kijelölt számok:");
    EXPECT_EQ(s[1], std::string(12, ' ') + " 1 -  2 -  3 -  4 -  5 -  6 -  7 -  8 -  9 - 10 - 11 - 12 - 13 - 14 - 15");
    EXPECT_EQ(s[2], std::string(12, ' ') + "16 - 17 - 18 - 19 - 20 - 21 - 22 - 23 - 24 - 25 - 26 - 27 - 28 - 29 - 30");
    EXPECT_EQ(s[3], std::string(12, ' ') + "31");
    EXPECT_TRUE(Van(s, "Hibapont: 0"));
    EXPECT_TRUE(Van(s, "Nincs kijelölt feltétel."));

    // With lines: the cost first; a game with an extra pool says "törzsszámok"
    // and lists the extra numbers decoded.
    VariacioInfoBemenet e = Leiras(24, {1, 2, 3, 4, 5, 6, 51, 52});
    e.KijeloltFoSzamDb = 6;
    e.KijeloltPluszSzamDb = 2;
    e.BontSzelvszam = 1234;
    e.JegyAr = 2.5;
    e.PenznemIndex = 1;
    e.FixSzamok = {7, 3};
    s = Leiras(e);
    EXPECT_EQ(s[0], "Szelvény ára: 2,5 euro     Variáció költsége: 3 085,00 euro");
    EXPECT_EQ(s[1], "");
    EXPECT_EQ(s[2], "    Variációra kijelölt törzsszámok:");
    EXPECT_TRUE(Van(s, "    Variációra kijelölt" + e.Jatek.PluszSzamNev + " számok: " + std::string(12, ' ') + " 1 -  2"));
    EXPECT_TRUE(Van(s, "Fix szám:  7 -  3"));
}

TEST(VariacioLeiras, ConditionTextsInWords)
{
    struct Eset {
        int min, max;
        const char* sor;
    } esetek[] = {
        {0, 0, "  Nem szerepelhetnek prímszám egy számsorban."},
        {2, 2, "  Egy számsorban, pontosan 2 prímszám szerepelhet."},
        {1, 3, "  Egy számsorban minimum 1, maximum 3 prímszám szerepelhet."},
    };
    for (const Eset& e : esetek) {
        VariacioInfoBemenet b = Leiras(0, {1, 2, 3, 4, 5, 6});
        b.Feltetelek.FeltetelJelzo = true;
        b.Feltetelek.PrimszamFeltetel = {1, {}, e.min, e.max};
        const auto s = Leiras(b);
        const auto fej = std::find(s.begin(), s.end(), "Események - Prímszám");
        ASSERT_NE(fej, s.end());
        EXPECT_EQ(*(fej + 1), e.sor);
        EXPECT_FALSE(Van(s, "Nincs kijelölt feltétel."));
    }

    // Several conditions keep their fixed order and an empty line after each.
    VariacioInfoBemenet b = Leiras(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    b.Feltetelek.FeltetelJelzo = true;
    b.Feltetelek.OsszegFeltetel = {1, {}, 100, 200};
    b.Feltetelek.IkerszamFeltetel = {1, {}, 0, 1};
    b.Feltetelek.TerjedelemFeltetel.Allapot = 1;
    b.Feltetelek.TerjedelemFeltetel.Valtozo = 1;
    b.Feltetelek.TerjedelemFeltetel.ValtozoMin = 20;
    b.Feltetelek.TerjedelemFeltetel.ValtozoMax = 60;
    auto s = Leiras(b);
    const auto tol = std::find(s.begin(), s.end(), "Események - Ikerszám") - s.begin();
    const std::vector<std::string> vart = {
        "Események - Ikerszám",
        "  Egy számsorban minimum 0, maximum 1 ikerszám szerepelhet.",
        "",
        "Math - Összeg",
        "  Egy számsor számainak összege minimum 100, maximum 200 lehet.",
        "",
        "Math - Terjedelem",
        "  Változó terjedelem",
        "    Minimum 20, maximum 60 lehet egy számsor terjedelme.",
        "",
    };
    ASSERT_LE(tol + vart.size(), s.size());
    EXPECT_EQ(std::vector<std::string>(s.begin() + tol, s.begin() + tol + static_cast<long>(vart.size())), vart);
}

TEST(VariacioLeiras, MissingNumbersOnlyWhenSomeSelectedNumberIsInNoLine)
{
    VariacioInfoBemenet b = Leiras(0, {3, 9, 27, 45, 81, 90});
    b.BontSzelvszam = 10;
    b.BontSzamGyakorisag = {5, 5, 5, 5, 5, 5};
    EXPECT_FALSE(Van(Leiras(b), "A teljes variáció szűrését követően"));
    b.BontSzamGyakorisag = {5, 0, 5, 5, 0, 5};
    auto s = Leiras(b);
    const auto i = std::find(s.begin(), s.end(), "A teljes variáció szűrését követően");
    ASSERT_NE(i, s.end());
    EXPECT_EQ(*(i + 1), "  2 szám hiányzik a variációból:");
    EXPECT_EQ(*(i + 2), std::string(12, ' ') + " 9 - 81");
    // Lines built from the draws hold their own numbers.
    b.Feltetelek.TalalatiAranyFeltetel.Forras = 1;
    EXPECT_FALSE(Van(Leiras(b), "A teljes variáció szűrését követően"));
}

TEST(VariacioLeiras, TheExampleLineTakesNoMoreNumbersThanItsListHolds)
{
    VariacioInfoBemenet b = Leiras(0, {1, 2, 3, 4, 5, 6});
    b.Peldabontas = true;
    b.VeletlenSzamok = {4, 8};  // shorter than a line
    EXPECT_TRUE(Van(Leiras(b), "Példabontás számsora: 4 - 8"));
    b.AllandoSzamok = {11, 22, 33, 44, 55, 66, 77};
    EXPECT_TRUE(Van(Leiras(b), "Példabontás számsora: 11 - 22 - 33 - 44 - 55"));
}

TEST(VariacioLeiras, WithPagingAHeadingNearThePageEndMovesWithItsFirstLines)
{
    VariacioInfoBemenet b = Leiras(0, {1, 2, 3, 4, 5, 6});
    b.Feltetelek.FeltetelJelzo = true;
    b.Feltetelek.PrimszamFeltetel = {1, {}, 0, 0};
    // A test report long enough to leave the heading on the page's last lines.
    for (int fill = 55; fill <= 70; ++fill) {
        b.PeldabontasLog = "első sor";
        for (int i = 0; i < fill; ++i)
            b.PeldabontasLog += "\r\nx";
        NyomtatasEgyseg n;
        OldalMeretek(n, true);
        n.Fejlec = {"cím", "1.0", "ma"};
        BontListaFejlec(n);
        VariacioInfoKiir(n, b);
        const auto lapok = LapokFelosztasa(n.ListaPuffer);
        for (const auto& lap : lapok)
            for (std::size_t i = 0; i < lap.size(); ++i)
                if (lap[i].Szoveg == "Események - Prímszám") {
                    ASSERT_LT(i + 1, lap.size()) << fill;
                    EXPECT_EQ(lap[i + 1].Szoveg, "  Nem szerepelhetnek prímszám egy számsorban.") << fill;
                }
    }
}

TEST(BontListaNyomtatas, ColumnsAreBalancedAfterTheDescription)
{
    const GameParams g = NyJatek(0);
    // Paper: 100 lines fit beside each other on the first page.
    NyomtatasEgyseg n = Lista(g, Sorok(g, 100, 12), Leiras(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), true);
    auto lapok = ListaLapok(n);
    ASSERT_EQ(lapok.size(), 1u);
    ASSERT_EQ(lapok[0].sorok.size(), 50u);
    EXPECT_EQ(lapok[0].sorok[0], (std::vector<int>{1, 51}));
    EXPECT_EQ(lapok[0].sorok[49], (std::vector<int>{50, 100}));

    // 300 lines on files of 71 lines: later pages hold 64 rows of two.
    n = Lista(g, Sorok(g, 300, 12), Leiras(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    lapok = ListaLapok(n);
    ASSERT_GE(lapok.size(), 3u);
    std::vector<int> mind;
    for (std::size_t p = 0; p < lapok.size(); ++p) {
        EXPECT_LE(lapok[p].hossz, 71u);
        for (const auto& s : lapok[p].sorok)
            mind.insert(mind.end(), s.begin(), s.end());
    }
    std::vector<int> vart(300);
    std::iota(vart.begin(), vart.end(), 1);
    std::sort(mind.begin(), mind.end());
    EXPECT_EQ(mind, vart);
    EXPECT_EQ(lapok[1].sorok.size(), 64u);
    EXPECT_EQ(lapok[1].sorok[0][1] - lapok[1].sorok[0][0], 64);
    // The page count in every head is the real one.
    const std::string oldal = "/" + std::to_string(lapok.size()) + " oldal";
    int fejek = 0;
    for (const auto& s : n.Sorok())
        if (s.find(" Kavarex Personal") == 0) {
            ++fejek;
            EXPECT_NE(s.find(std::to_string(fejek) + oldal), std::string::npos) << s;
        }
    EXPECT_EQ(fejek, static_cast<int>(lapok.size()));
}

TEST(BontListaNyomtatas, EveryDescriptionLengthPrintsEveryLineOnceOnPagesThatHoldIt)
{
    // Descriptions that end anywhere on a later page, among them four lines
    // before its end, where no list row would be left.
    const GameParams g = NyJatek(0);
    VariacioInfoBemenet b = Leiras(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    b.Feltetelek.FeltetelJelzo = true;
    b.Feltetelek.SzamcsoportokFeltetel.Allapot = 1;
    b.Feltetelek.SzamcsoportokFeltetel.Db = 10;
    for (auto& c : b.Feltetelek.SzamcsoportokFeltetel.Csoport)
        c = {1, 6, 0, 2, 0};
    for (int fill = 40; fill <= 75; ++fill) {
        b.PeldabontasLog = "első";
        for (int i = 0; i < fill; ++i)
            b.PeldabontasLog += "\r\nx";
        const NyomtatasEgyseg n = Lista(g, Sorok(g, 90, 12), b);
        const auto lapok = ListaLapok(n);
        std::vector<int> mind;
        for (std::size_t p = 1; p < lapok.size(); ++p)
            EXPECT_LE(lapok[p].hossz, 71u) << fill;
        for (const auto& l : lapok)
            for (const auto& s : l.sorok)
                mind.insert(mind.end(), s.begin(), s.end());
        std::sort(mind.begin(), mind.end());
        std::vector<int> vart(90);
        std::iota(vart.begin(), vart.end(), 1);
        EXPECT_EQ(mind, vart) << fill;
    }
}

TEST(BontListaNyomtatas, EntriesOfTheLayouts)
{
    // Fixed numbers 7 and 3 follow the sorted line in their stored order.
    GameParams g = NyJatek(0);
    BontListaSorok s;
    s.SorHossz = 3;
    s.VariacioMeret = 3;
    s.VariacioFoMeret = 3;
    s.KijeloltSzamok = {12, 5, 40};
    s.FixSzamok = {7, 3};
    s.Adat = {0, 1, 2};
    const BontListaElrendezes e = BontListaElrendezesJatek(g, false);
    EXPECT_EQ(BontListaBejegyzes(g, e, s, 1), "      1.     5 - 12 - 40 -  7 -  3");

    // Lines from the draws show the draw's serial.
    BontListaSorok h;
    h.SorHossz = 5;
    h.HuzasSzamsorVariacio = true;
    h.Adat = {1, 20, 33, 64, 90};
    h.HuzasSorszam = {1234};
    EXPECT_EQ(BontListaBejegyzes(g, BontListaElrendezesJatek(g, true), h, 1), "      1.    1234.    1 - 20 - 33 - 64 - 90");

    // Keno on 2 numbers: four entries a line.
    const GameParams keno2 = NyJatek(16);
    const NyomtatasEgyseg n = Lista(keno2, Sorok(keno2, 8, 10), Leiras(16, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    const auto lapok = ListaLapok(n);
    ASSERT_EQ(lapok.size(), 1u);
    ASSERT_EQ(lapok[0].sorok.size(), 2u);
    EXPECT_EQ(lapok[0].sorok[0], (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(BontListaElrendezesJatek(keno2, false).Fejlec,
              "  Szelvény   1.   2.    Szelvény   1.   2.    Szelvény   1.   2.    Szelvény   1.   2.   ");
}

TEST(BontListaNyomtatas, TheRtfFileOfAVariationGivesTheSameLinesBack)
{
    NyTempDir dir;
    const GameParams g = NyJatek(0);
    VariacioInfoBemenet b = Leiras(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    b.Feltetelek.FeltetelJelzo = true;
    b.Feltetelek.PrimszamFeltetel = {1, {}, 1, 2};
    const NyomtatasEgyseg n = Lista(g, Sorok(g, 150, 12), b);
    const std::string f = dir.file(kBontListAllomany);
    ASSERT_TRUE(RtfMentes(f, n.ListaPuffer));
    EXPECT_EQ(RtfOlvasas(f), Tomoritve(n.ListaPuffer));
}
