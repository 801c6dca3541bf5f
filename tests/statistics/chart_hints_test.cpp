// The bar hints of the main-ticket charts and the frequency distribution:
// which lines appear for which state of the bar and the chart.
#include "statistics/chart_hints.h"

#include "common/delphi_format.h"
#include "statistics/diagram_engine.h"
#include "statistics/neighbour_stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>

namespace {

using namespace kvx;

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

DiagramTippBemenet alap(int tag)
{
    DiagramTippBemenet b;
    b.Tag = tag;
    b.Jatek = jatek(0);
    b.Kulcs = 17;
    b.Ertek = 25;
    b.Utolso = 480;
    b.R = 500;
    b.FoSorok = 90;
    b.Tenyleges = true;
    b.Elmeleti = true;
    b.Ertekek = {27.78, 18.0, 27.5, 2500, 1240, 1260, 0, 0};
    b.HanyHuzasOta = 20;
    b.HanyszorHuztak = 31;
    b.SzamTipp = " 17";
    return b;
}

struct Eset {
    const char* Nev;
    int Tag;
    void (*Allit)(DiagramTippBemenet&);
    std::vector<std::string> Van;
    std::vector<std::string> Nincs;
};

TEST(DiagramTipp, LinesFollowTheBarAndTheChart)
{
    const std::string sep(1, formatSettings().decimalSeparator);
    const Eset esetek[] = {
        {"times drawn", 1, [](DiagramTippBemenet&) {},
         {" 25 esetben sorsolták ", "\r\n Utoljára: 480. húzás számsorából", "%  - 500 húzásból  számból \r\n",
          "\r\n Gyakoriság: 20" + sep + "00 húzásonként ", "\r\n     1 - 45-ig:  1 240 esetben ~ ",
          "\r\n   46 - 90-ig:  1 260 esetben ~ ", "   - 20 húzás óta nem került elő ",
          "\r\n   - Elméleti gyakoriság: 18" + sep + "00 húzás ", "\r\n   - Eltérés: -2" + sep + "00 húzás ",
          " átlagos előfordulása: 27" + sep + "5000 húzás* ", "\r\n * Átlag alatti előfordulás: ",
          "\r\n\r\n Értékkészlet (x): 90 szám előfordulása "},
         {" húzás óta nem fordult elő"}},
        {"times drawn, no expected curve shown", 1, [](DiagramTippBemenet& b) { b.Elmeleti = false; },
         {"   - 20 húzás óta nem került elő ", "\r\n   - Elméleti gyakoriság: 18" + sep + "00 húzás ",
          "\r\n   - Eltérés: -2" + sep + "00 húzás "},
         {}},
        {"count 0 and never drawn", 1,
         [](DiagramTippBemenet& b) {
             b.Ertek = 0;
             b.Utolso = 0;
         },
         {" 0 esetben sorsolták "},
         {"Utoljára", "Gyakoriság", "húzásból"}},
        {"no actual values, time view", 1,
         [](DiagramTippBemenet& b) {
             b.Tenyleges = false;
             b.Huzas = true;
         },
         {"Értékkészlet (y): "},
         {"átlagos előfordulása", "Átlag alatti"}},
        {"extra-pool number", 1,
         [](DiagramTippBemenet& b) {
             b.Jatek = jatek(24);
             b.Kulcs = 52;
             b.FoSorok = 50;
             b.PluszSorok = 12;
         },
         {"Lucky Star számból ", "Értékkészlet (x): 50 + 12 törzsszám előfordulása ",
          "Elméleti gyakoriság (törzsszám): "},
         {}},
        {"draws since", 2, [](DiagramTippBemenet& b) { b.Ertek = 18; },
         {" 18 húzás óta nem került elő ", "   - 31 esetben sorsolták ", "%  - 500 húzásból  számból \r\n",
          "Hány húzás óta nem került elő: ", "\r\n   - Eltérés: 9" + sep + "78 húzás ",
          "   - Tényleges gyakoriság: 27" + sep + "5000 húzás* "},
         {"Utoljára"}},
        {"draws since at the expected value", 2,
         [](DiagramTippBemenet& b) {
             b.Ertek = 28;
             b.Ertekek[0] = 28;
             b.Tenyleges = false;
         },
         {"Elméleti gyakoriság: 28" + sep + "00 húzás "},
         {"Eltérés: 0" + sep + "00"}},
        {"draws since, never drawn, time view", 2,
         [](DiagramTippBemenet& b) {
             b.HanyszorHuztak = 0;
             b.Utolso = 0;
             b.Huzas = true;
         },
         {"   - 0 esetben sorsolták "},
         {"Utoljára", "húzásból", "Átlag alatti"}},
        {"frequency distribution", 3,
         [](DiagramTippBemenet& b) {
             b.R = 1000;
             b.FoSorok = 10;
             b.Ertek = 40;
             b.Ertekek = {0, 0, 50, 0, 260, 240, 0, 0};
             b.KijeloltVagyFix = false;
         },
         {" 17\r\n", "Húzások listájából beemelt szám ", " 40 esetben fordul elő ", "%  - 1 000 számsorból \r\n",
          " számsoronként ", "     1. - 5. kijelölt számok:  260 esetben ~ 52" + sep + "0000% ",
          " Eltérés: -10" + sep + "0000 ", "\r\n * Átlag alatti előfordulás: 0 szám \r\n",
          "\r\n * Átlag feletti előfordulás: 0 szám ", "Értékkészlet (x): 10 előfordulás "},
         {"húzás"}},
        {"frequency distribution, extra-pool number", 3,
         [](DiagramTippBemenet& b) {
             b.Jatek = jatek(24);
             b.Kulcs = 52;
             b.FoSorok = 8;
             b.PluszSorok = 3;
         },
         {"%  - 500 számsorból  Lucky Star számból \r\n", "\r\n * Átlagos előfordulás: 0 törzsszám "},
         {}},
        {"draws since, extra pool, main number", 2,
         [](DiagramTippBemenet& b) { b.Jatek = jatek(24); },
         {"%  - 500 húzásból  törzsszámból \r\n"}, {}},
        {"frequency distribution, selected number, count 0", 3,
         [](DiagramTippBemenet& b) {
             b.Ertek = 0;
             b.Utolso = 0;
             b.Huzas = true;
         },
         {" 0 esetben fordul elő "},
         {"beemelt", "Utoljára", "Gyakoriság", "számsorból"}},
    };
    for (const Eset& e : esetek) {
        DiagramTippBemenet b = alap(e.Tag);
        e.Allit(b);
        const std::string s = DiagramTipp(b);
        for (const std::string& v : e.Van)
            EXPECT_NE(s.find(v), std::string::npos) << e.Nev << ": missing [" << v << "] in\n" << s;
        for (const std::string& v : e.Nincs)
            EXPECT_EQ(s.find(v), std::string::npos) << e.Nev << ": unexpected [" << v << "] in\n" << s;
    }
}

TEST(DiagramTipp, BarsCountAgainstTheRoundedAverage)
{
    // (number, value): 0 is below whatever the average; extra-pool bars
    // are left out.
    const TTombInt2D sorok = {{1, 0, 0}, {2, 3, 0}, {3, 4, 0}, {4, 5, 0}, {5, 9, 0}, {91, 1, 0}};
    const AtlagSzamlalo a = DiagramAtlagSzamlalok(sorok, 1, 0, false, jatek(0), 4.2);
    EXPECT_EQ(a.Alatta, 2);
    EXPECT_EQ(a.Atlagos, 1);
    EXPECT_EQ(a.Felette, 2);
}

}  // namespace

namespace {

// A bar of the other chart families, database wording, all lines shown.
DiagramTippBemenet csalad(int tag)
{
    DiagramTippBemenet b;
    b.Tag = tag;
    b.Jatek = jatek(0);
    b.K = 5;
    b.R = 3;
    b.TartomanyUtolso = 3;
    b.Kulcs = 115;
    b.Ertek = 1;
    b.Utolso = 2;
    b.FoSorok = 20;
    b.OsszesSor = 20;
    b.Elmeleti = true;
    b.Tenyleges = true;
    b.Inverz = true;
    b.Ertekek = {227.5, 0, 115, 0, 0, 0, 0, 0};
    b.Alatta = 1;
    b.Atlagos = 1;
    b.Felette = 1;
    return b;
}

struct CsaladEset {
    const char* Nev;
    int Tag;
    std::function<void(DiagramTippBemenet&)> Allit;
    std::vector<std::string> Van;
    std::vector<std::string> Nincs;
};

void ellenoriz(const std::vector<CsaladEset>& esetek)
{
    for (const CsaladEset& e : esetek) {
        DiagramTippBemenet b = csalad(e.Tag);
        if (e.Allit)
            e.Allit(b);
        const std::string s = DiagramTipp(b);
        for (const std::string& v : e.Van)
            EXPECT_NE(s.find(v), std::string::npos) << e.Nev << ": missing [" << v << "] in\n" << s;
        for (const std::string& v : e.Nincs)
            EXPECT_EQ(s.find(v), std::string::npos) << e.Nev << ": unexpected [" << v << "] in\n" << s;
    }
}

const std::string sep(1, formatSettings().decimalSeparator);

}  // namespace

TEST(DiagramTipp, SumsDeviationAndSpan)
{
    ellenoriz({
        {"database sum", 8, nullptr,
         {" Kihúzott számsor (5 szám) összege: 115 \r\n 1 számsor ", "\r\n 1 ~ 33" + sep + "33333333%  - 3 húzásból ",
          "\r\n Gyakoriság: 3" + sep + "00 húzásonként ", "\r\n\r\n Minden lehetséges összeg átlaga: 227" + sep + "50 ",
          "\r\n Eltérés: -112" + sep + "50 ", " Tartomány (összegek) átlaga: 115" + sep + "0000* \r\n Eltérés: 0" + sep + "0000 ",
          "\r\n * Átlag alatti előfordulás: 1 számsor ", "\r\n\r\n Értékkészlet (x): 20 összeg "},
         {"Utoljára", "becsült"}},
        {"variation sum, count 0, last line 0, time view", 14,
         [](DiagramTippBemenet& b) {
             b.Ertek = 0;
             b.Utolso = 0;
             b.Huzas = true;
             b.Inverz = false;
         },
         {" Variáció számsorának (5 szám) összege: 115 \r\n 0 számsor ", "Értékkészlet (x): "},
         {"Utoljára", "Gyakoriság", "~", "Átlag alatti", "húzás"}},
        {"time view, last line 2 of 3", 8, [](DiagramTippBemenet& b) { b.Huzas = true; },
         {"\r\n Utoljára: 2. húzás számsora \r\n 1 húzás óta nem fordult elő "}, {"Átlag alatti"}},
        {"variation time view", 14, [](DiagramTippBemenet& b) { b.Huzas = true; },
         {"\r\n Utoljára: variáció 2. számsora ", " számsoronként "}, {"nem fordult elő", "húzás"}},
        {"expected equal to the bar", 8,
         [](DiagramTippBemenet& b) {
             b.Ertekek[0] = 115;
             b.Ertekek[2] = 120;
         },
         {"összeg átlaga: 115" + sep + "00 \r\n Eltérés: 0" + sep + "00 ", "\r\n Eltérés: -5" + sep + "0000 "}, {}},
        {"actual equal to the expected: no deviation from the theory", 8,
         [](DiagramTippBemenet& b) { b.Ertekek[0] = 115; },
         {"összeg átlaga: 115" + sep + "00 \r\n\r\n"}, {}},
        {"a database drawing more numbers than a line", 8, [](DiagramTippBemenet& b) { b.Jatek.SzamsorHossz = 6; },
         {"\r\n 6 számra becsült érték: 138" + sep + "00 "}, {}},
        {"zoom", 8,
         [](DiagramTippBemenet& b) {
             b.Zoom = true;
             b.Csoport = 3;
             b.Ertek = 2;
         },
         {" 3 összeg fordul elő 2 esetben \r\n\r\n Értékkészlet"}, {"Eltérés", "Átlag"}},
        {"deviation row inside the bounds", 9,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 3;
             b.Ertekek = {25, 0, 12, 1, 0, 2, 1.5811, 38.5};
         },
         {" Kihúzott számsor (5 szám) szórása: 3 - 3" + sep + "9999 ",
          " Minden lehetséges szórás átlaga (+- 0" + sep + "5): 25" + sep + "0000 ",
          "\r\n Eltérés: -22" + sep + "0000 és -21" + sep + "0001 között ", " Tartomány (szórások) átlaga: 12" + sep + "0000* ",
          "\r\n Eltérés: -9" + sep + "0000 és -8" + sep + "0001 között ", "Értékkészlet (x): 20 szórás (tartomány) "},
         {}},
        {"first and last deviation rows end at the smallest and largest", 15,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 1;
             b.Ertekek = {25, 0, 12, 1, 0, 2, 1.5811, 1.75};
         },
         {" Variáció számsorának (5 szám) szórása: 1" + sep + "5811 - 1" + sep + "7500 "}, {}},
        {"span", 17, [](DiagramTippBemenet& b) { b.Kulcs = 39; },
         {" Kihúzott számsor (5 szám) terjedelme: 39 ", " Minden lehetséges terjedelem átlaga: ",
          " Tartomány (terjedelmek) átlaga: ", "Értékkészlet (x): 20 terjedelem "},
         {}},
        {"span with Inverz off: the key is the height", 16, [](DiagramTippBemenet& b) { b.Inverz = false; },
         {"Értékkészlet (y): "}, {}},
    });
}

TEST(DiagramTipp, PairsAndConsecutiveNumbers)
{
    auto par = [](DiagramTippBemenet& b) {
        b.Kulcs = 9;
        b.Par1 = 1;
        b.Par2 = 10;
        b.Ertek = 2;
        b.Inverz = false;
        b.Elmeleti = false;
        b.FoSorok = 4005;
        b.OsszesSor = 4005;
        b.Ertekek = {400.5, 30, 0.0075, 1.5, 0, 0, 0, 0};
    };
    ellenoriz({
        {"database pair", 22, par,
         {" Számpár: 1 - 10\r\n 2 esetben fordul elő ", "%  - 3 húzásból ", "Gyakoriság: 1" + sep + "50 húzásonként ",
          "\r\n\r\n Átlagok\r\n Teljes variáció: 400" + sep + "50 számsorból kerül elő minden számpár \r\n Adatbázis: 1" +
              sep + "50 húzásból kerülnek elő a számpárok** \r\n ** 3 975 számpár nem került kihúzásra ",
          " Tartomány (4 005 számpár) átlaga: 0" + sep + "0075* ", "Átlag alatti előfordulás: 1 számpár ",
          "Értékkészlet (x): 4 005 számpár "},
         {"Utoljára"}},
        {"variation pair, every pair occurred, time view", 23,
         [&](DiagramTippBemenet& b) {
             par(b);
             b.Ertekek[1] = 4005;
             b.Huzas = true;
         },
         {" Variáció: 1" + sep + "50 számsorból kerülnek elő a számpárok ", "Utoljára: variáció 2. számsorában "},
         {"**", "hiányzik"}},
        {"variation pair missing", 23, par, {" számpár hiányzik a variációból "}, {}},
        {"database pair, time view", 22,
         [&](DiagramTippBemenet& b) {
             par(b);
             b.Huzas = true;
         },
         {"\r\n Utoljára: 2. húzás számsorában \r\n 1 húzás óta nem fordult elő "}, {}},
        {"extra-pool pair of a game with two extra numbers", 22,
         [&](DiagramTippBemenet& b) {
             par(b);
             b.Jatek = jatek(24);
             b.Par1 = 51;
             b.Par2 = 53;
             b.FoSorok = 1225;
             b.PluszSorok = 66;
         },
         {" Lucky Star számpár: 1 - 3", "Értékkészlet (x): 1 225 + 66 számpár "}, {}},
        {"pair zoom in the time view", 22,
         [&](DiagramTippBemenet& b) {
             par(b);
             b.Zoom = true;
             b.Huzas = true;
             b.Csoport = 7;
             b.Ertek = 3;
         },
         {" 7 számpár fordul elő utoljára a(z) 3. húzás számsorában "}, {"Átlagok"}},
        {"consecutive numbers: shares of the gaps", 26,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 8;
             b.Ertek = 4;
             b.Ertekek = {0, 0, 7, 0, 0, 0, 0, 0};
         },
         {" Egymást követő számok távolsága: 8 szám \r\n 4 esetben ", "\r\n 4 ~ 33" + sep + "33333333%  - 12 esetből ",
          " Tartomány (távolságok) átlaga: 7" + sep + "0000 szám* \r\n Eltérés: 1" + sep + "0000 ",
          "Átlag alatti előfordulás: 1 eset ", "Értékkészlet (x): 20 minta (távolság) "},
         {"Minden lehetséges"}},
        {"consecutive numbers, count 0", 27,
         [](DiagramTippBemenet& b) {
             b.Ertek = 0;
             b.Utolso = 0;
             b.Huzas = true;
         },
         {"\r\n 0 esetben "}, {"~", "Gyakoriság", "Utoljára"}},
    });
}

TEST(DiagramTipp, LineDistributionAndConsecutiveLines)
{
    auto eloszlas = [](DiagramTippBemenet& b) {
        b.Kulcs = 2;
        b.Inverz = false;
        b.Elmeleti = false;
        b.TeljesMeret = 43949268;
        b.Szelesseg = 21974634;
        b.OlvasottSorok = 3;
        b.ElsoSzamsor = {1, 2, 3, 4, 6};
        b.UtolsoSzamsor = {86, 87, 88, 89, 90};
        b.Ertekek = {5, 900, 1.5, 450, 900, 1.5, 2000, 43000000};
    };
    ellenoriz({
        {"database range", 24, eloszlas,
         {" Teljes variáció 2. tartománya (21 974 634 számsor) \r\n 21 974 635. - 43 949 268. sorszámú számsorokból áll "
          "\r\n Tartomány első számsora: 1, 2, 3, 4, 6 \r\n Tartomány utolsó számsora: 86, 87, 88, 89, 90 ",
          "\r\n A tartományból 1 számsor került kihúzásra ", "%  - 3 húzásból ",
          // The mean position is the sum over the lines read divided by
          // their number: 1.5 / 3 of the full variation.
          "\r\n\r\n Számsorok sorszáma \r\n    - legkisebb sorszám: 2 000\r\n    - sorszámok átlaga: 21 974 634" + sep +
              "00 ~ 50" + sep + "00% \r\n    - legnagyobb sorszám: 43 000 000",
          " Tartomány (előfordulások) átlaga: 1" + sep + "5000 számsor* \r\n Eltérés: -0" + sep + "5000 ",
          "Átlag alatti előfordulás: 1 számsor ", "Értékkészlet (x): 20 tartomány eloszlása "},
         {"várható", "indexei", "Utoljára"}},
        {"the lines read differ from the range's lines", 24,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.OlvasottSorok = 2;
         },
         {"sorszámok átlaga: 32 961 951" + sep + "00 ~ 75" + sep + "00% "}, {}},
        {"variation of selection positions, one line per range, random lines", 25,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.Szelesseg = 1;
             b.TeljesMeret = 21;
             b.IndexAlapu = true;
             b.VeletlenSzamsorok = true;
             b.ElsoSzamsor = {3, 9, 14, 22, 31};
         },
         {" Teljes variáció 2. tartománya (1 számsor) \r\n Tartomány számsora: 3, 9, 14, 22, 31 "
          "\r\n Számsorok sorszáma: a variáció indexei alapján ",
          " számsor került variációba ", "\r\n Sorszámok várható átlaga: 10" + sep + "50 ~ 50" + sep + "00% "},
         {"sorszámú", "utolsó számsora", "kihúzásra"}},
        {"extra numbers of a range's line", 24,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.ElsoSzamsor = {1, 2, 3, 4, 5, 1, 2};
             b.SzamsorPluszDb = 2;
         },
         {" Tartomány első számsora: 1, 2, 3, 4, 5 + 1, 2 "}, {}},
        {"zoom", 24,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.Zoom = true;
             b.Csoport = 5;
             b.Ertek = 0;
         },
         {" 5 tartományban fordul elő 0 számsor \r\n\r\n Értékkészlet (x): 20 előfordulás "}, {"Teljes variáció"}},
        {"consecutive lines, first range", 33,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.Kulcs = 1;
             b.Szelesseg = 10;
             b.Ertek = 2;
             b.Csokkeno = 1;
             b.Novekvo = 1;
         },
         {" Egymást követő számsorok távolsága (abs): 0 - 10 \r\n 2 esetben \r\n    - Negatív különbség: 1 esetben ~",
          "50" + sep + "0000% \r\n    - Pozitív különbség: 1 esetben ~", "%  - 2 húzásból \r\n",
          "\r\n\r\n Egymást követő számsorok sorszámainak különbsége \r\n    - minimális különbség (abs): 5",
          "\r\n    - különbségek átlaga (abs): 450" + sep + "00 ~ 0" + sep + "00% ",
          "\r\n    - maximális különbség (abs): 900",
          "\r\n Különbségek várható átlaga (abs): 14 649 756" + sep + "00 ~ 33" + sep + "33% ",
          "\r\n Különbségek aktuális (göngyölt) értéke: 900", "\r\n\r\n Számsorok sorszáma ",
          " Tartomány (előfordulások) átlaga: 1" + sep + "5000 eset* "},
         {"Utoljára"}},
        {"consecutive lines, third range, time view", 33,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.Kulcs = 3;
             b.Szelesseg = 10;
             b.Huzas = true;
         },
         {"(abs): 21 - 30 ", "\r\n Utoljára: 1. - 2. húzások számsora \r\n 1 húzás óta nem fordult elő "}, {}},
        {"consecutive lines of a variation, no step", 32,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.Ertek = 0;
             b.Utolso = 0;
             b.IndexAlapu = true;
         },
         {"Számsorok sorszáma: a variáció indexei alapján \r\n\r\n 0 esetben "}, {"Negatív", "Gyakoriság"}},
        // The share of the R - 1 steps between the 3 lines.
        {"consecutive lines of a variation, share", 32,
         [&](DiagramTippBemenet& b) {
             eloszlas(b);
             b.Ertek = 1;
         },
         {"\r\n 1 ~ 50" + sep + "00000000%  - 2 számsorból \r\n Gyakoriság: 3" + sep + "00 számsoronként "},
         {"esetből"}},
    });
}

TEST(DiagramTipp, NumberSetsAndNeighbours)
{
    ellenoriz({
        {"number sets", 28,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 17;
             b.Ertek = 4;
             b.Pozicio = 3;
             b.Inverz = false;
         },
         {" Számsor 3. száma: 17 \r\n 4 számsor esetében \r\n 17 szám fordul elő utoljára a(z) 2. húzás számsorában ",
          " Tartomány (előfordulások) átlaga: ", "Értékkészlet (x): 20 tartomány eloszlása "},
         {}},
        {"number sets of a variation, never", 29,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 17;
             b.Ertek = 0;
             b.Utolso = 0;
             b.Inverz = false;
         },
         {" 0 számsor esetében "}, {"utoljára", "Utoljára"}},
        {"number sets zoom", 29,
         [](DiagramTippBemenet& b) {
             b.Zoom = true;
             b.Csoport = 2;
             b.Ertek = 5;
             b.Inverz = false;
         },
         {" 2 szám fordul elő 5 esetben ", "Értékkészlet (x): 20 szám "}, {}},
        {"neighbours, itemised", 21,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 5;
             b.Ertek = 3;
             b.Elozo = 1;
             b.Kovetkezo = 2;
             b.Inverz = false;
             b.Mind = false;
         },
         {" Kihúzott szám: 5\r\n\r\n Utoljára: 2. húzás számsorában szomszédos \r\n 1 húzás óta nem volt szomszédos ",
          "\r\n 3 esetben szomszédos \r\n   - Előző számmal (4): 1 esetben \r\n   - Következő számmal (6): 2 esetben ",
          "Átlag alatti előfordulás: 1 szomszédos szám ", "Értékkészlet (x): 20 szomszédos szám "},
         {}},
        {"neighbours, a chain never drawn", 21,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 5;
             b.Ertek = 0;
             b.Utolso = 0;
             b.Lanc = 3;
             b.LancSzoveg = "3 szomszédos szám ";
             b.Inverz = false;
         },
         {" Szomszédos számok: 5 - 6 - 7 \r\n\r\n 3 húzás óta nem sorsolták együtt a(z) 3 számot \r\n 0 esetben szomszédosak ",
          "Értékkészlet (x): 20 esetből 3 szomszédos szám "},
         {"Előző", "~"}},
        {"variation neighbours of a number taken from the draws list", 19,
         [](DiagramTippBemenet& b) {
             b.Kulcs = 5;
             b.Ertek = 2;
             b.Utolso = 1;
             b.SzamTipp = " 5 ";
             b.KijeloltVagyFix = false;
             b.Inverz = false;
         },
         {" 5 \r\n\r\n Húzások listájából beemelt szám \r\n Utoljára: 1. számsorban szomszédos \r\n Utolsó 2 számsorban nem szomszédos "},
         {"húzás "}},
    });
}

TEST(DiagramTipp, OrderlinessLine)
{
    // The counts of the bars as keys; K = 2 leaves only the tests of the
    // symmetry and of the distances.
    struct Eset {
        const char* Nev;
        std::vector<std::int64_t> Kulcsok;
        std::int32_t Plusz;
        bool Van;
    } const esetek[] = {
        {"two bars of the same count", {4, 4}, 0, true},
        {"symmetric sums", {1, 2, 3, 4, 5}, 0, true},
        {"constant first differences of the distances", {9, 1, 8, 2, 7}, 0, true},
        {"no pattern", {5, 1, 4, 2}, 0, false},
        {"the extra-pool bars take no part", {1, 2, 3, 4, 5, 99}, 1, true},
        {"the same bars with the extra one", {1, 2, 3, 4, 5, 99}, 0, false},
        {"one bar", {3}, 0, false},
    };
    for (const Eset& e : esetek) {
        DiagramTippBemenet b = csalad(22);
        b.Inverz = false;
        b.Kulcs = 1;
        b.Par1 = 1;
        b.Par2 = 2;
        b.Alatta = 2;
        b.Atlagos = 0;
        b.Felette = 3;
        b.Rendezettseg.Kulcsok = e.Kulcsok;
        b.Rendezettseg.PluszOszlopok = e.Plusz;
        b.Rendezettseg.K = 2;
        const std::string s = DiagramTipp(b);
        EXPECT_EQ(s.find("\r\n Rendezettség: 1 ") != std::string::npos, e.Van) << e.Nev << "\n" << s;
        // Shown only with the distribution lines.
        b.Tenyleges = false;
        EXPECT_EQ(DiagramTipp(b).find("Rendezettség"), std::string::npos) << e.Nev;
    }
    // All bars at the average.
    DiagramTippBemenet b = csalad(1);
    b.Tag = 1;
    b.Rendezettseg.Kulcsok = {3, 7, 1};
    b.Alatta = b.Felette = 0;
    b.Atlagos = 3;
    EXPECT_NE(DiagramTipp(b).find("\r\n Rendezettség: 1 "), std::string::npos);
    b.Jatek = jatek(24);
    EXPECT_NE(DiagramTipp(b).find("\r\n Törzsszámok rendezettsége: 1 "), std::string::npos);
}

TEST(DiagramTipp, OrderlinessOfAFullVariationNeedsTheExtraPoolScale)
{
    // The number sets of the full variation of 5 main numbers in lines of 3
    // (m = 2), each line repeated for the 66 pairs of 12 extra numbers: the
    // counts at the first position are 66 times the position table's row.
    const GameParams g = jatek(24);
    const auto T = PoziciosTabla(2, 3);
    std::vector<std::int64_t> kulcsok;
    for (std::int64_t x : T[0])
        kulcsok.push_back(x * 66);
    const std::int64_t S = RendezettsegSkala(29, g, 12, kulcsok, 3, 66);
    EXPECT_EQ(S, 66);
    // A variation that puts every extra number of its selection in a line
    // repeats nothing.
    EXPECT_EQ(RendezettsegSkala(29, g, 2, kulcsok, 3, 66), 1);
    EXPECT_EQ(RendezettsegSkala(29, jatek(0), 0, kulcsok, 3, 66), 1);
    // Spans: the first key over the smaller of the bars and K.
    EXPECT_EQ(RendezettsegSkala(17, g, 0, {30, 60, 90}, 3, 0), 10);
    // Gaps: the last key over K - 1.
    EXPECT_EQ(RendezettsegSkala(26, g, 0, {30, 60, 90}, 3, 0), 45);

    DiagramTippBemenet b = csalad(29);
    b.Jatek = g;
    b.Inverz = false;
    b.Alatta = 1;
    b.Atlagos = 0;
    b.Felette = 2;
    b.Rendezettseg.Kulcsok = kulcsok;
    b.Rendezettseg.K = 3;
    b.Rendezettseg.Skala = S;
    EXPECT_NE(DiagramTipp(b).find("\r\n Rendezettség: 1 "), std::string::npos);
    b.Rendezettseg.Skala = 1;
    EXPECT_EQ(DiagramTipp(b).find("Rendezettség"), std::string::npos);
}

TEST(DiagramTipp, RowsOfTheViewAndTheirCounts)
{
    // Sums keep the key in column 1: with Inverz on the view shows (sum,
    // lines, last); with it off (lines, sum, last); in the time view (sum,
    // last, lines).
    struct {
        TTombInt1D Sor;
        int Tag, Inv;
        bool Huzas;
        std::int64_t Kulcs, Darab, Utolso;
    } const sorok[] = {
        {{115, 4, 9}, 8, 1, false, 115, 4, 9},
        {{4, 115, 9}, 8, 0, false, 115, 4, 9},
        {{115, 9, 4}, 8, 0, true, 115, 4, 9},
        {{17, 4, 9}, 22, 0, false, 17, 4, 9},
        {{4, 17, 9}, 22, 1, false, 17, 4, 9},
        {{9, 17, 4}, 22, 1, true, 17, 4, 9},
    };
    for (const auto& r : sorok) {
        const TippSor t = DiagramTippSor(r.Sor, r.Tag, r.Inv, r.Huzas);
        EXPECT_EQ(t.Kulcs, r.Kulcs) << r.Tag;
        EXPECT_EQ(t.Darab, r.Darab) << r.Tag;
        EXPECT_EQ(t.Utolso, r.Utolso) << r.Tag;
    }

    // Sums with Inverz on (sum, lines, last): lines whose sum is below, at or
    // above the rounded mean 110.4, each bar weighing its lines; the keys of
    // the orderliness measure are the lines.
    const TTombInt2D osszegek = {{100, 2, 1}, {110, 3, 2}, {120, 1, 3}, {130, 0, 0}};
    AtlagSzamlalo a = DiagramAtlagSzamlalok(osszegek, 8, 1, false, jatek(0), 110.4);
    EXPECT_EQ(a.Alatta, 2);
    EXPECT_EQ(a.Atlagos, 3);
    EXPECT_EQ(a.Felette, 1);
    EXPECT_EQ(RendezettsegKulcsok(osszegek, 8, 1), (std::vector<std::int64_t>{2, 3, 1, 0}));
    // The line distribution (range, lines, last) compares and weighs the
    // lines of each range.
    const TTombInt2D tartomanyok = {{1, 2, 5}, {2, 0, 0}, {3, 1, 4}};
    a = DiagramAtlagSzamlalok(tartomanyok, 24, 0, false, jatek(0), 1.0);
    EXPECT_EQ(a.Alatta, 0);
    EXPECT_EQ(a.Atlagos, 1);
    EXPECT_EQ(a.Felette, 2);
    EXPECT_EQ(RendezettsegKulcsok(tartomanyok, 24, 0), (std::vector<std::int64_t>{2, 0, 1}));
    // Pairs count bars, whatever their numbers.
    a = DiagramAtlagSzamlalok(tartomanyok, 22, 0, false, jatek(0), 1.0);
    EXPECT_EQ(a.Alatta + a.Atlagos + a.Felette, 3);
}

TEST(DiagramTipp, NumbersDrawnWithoutANeighbour)
{
    // Dense random lines of 6 out of 20: runs of every length. The count
    // derived from the neighbour table matches the lines themselves.
    std::mt19937 rng(7);
    const int K = 6, sorok = 300;
    std::vector<std::uint8_t> blokk;
    std::vector<std::int64_t> elofordulas(90, 0), kulonallo(90, 0);
    for (int s = 0; s < sorok; ++s) {
        std::vector<int> v(20);
        std::iota(v.begin(), v.end(), 1);
        std::shuffle(v.begin(), v.end(), rng);
        v.resize(K);
        for (int n : v) {
            blokk.push_back(static_cast<std::uint8_t>(n));
            ++elofordulas[static_cast<std::size_t>(n - 1)];
            const bool also = std::find(v.begin(), v.end(), n - 1) != v.end();
            const bool felso = std::find(v.begin(), v.end(), n + 1) != v.end();
            if (!also && !felso)
                ++kulonallo[static_cast<std::size_t>(n - 1)];
        }
    }
    BlokkSorForras src(blokk.data(), sorok, K);
    SzamsorBejarasBemenet b;
    b.Jatek = jatek(0);
    b.Variacio = &src;
    b.HuzasSzamsorVariacio = true;
    b.K = K;
    StatFutas f;
    f.StatisztikaFut.store(true);
    StatEredmeny e;
    SzomszedosEredmeny sz;
    SzomszedosSzamok(b, f, e, sz);
    for (int n = 1; n <= 20; ++n)
        EXPECT_EQ(KulonalloElofordulas(e.SortArray, K, n, elofordulas[static_cast<std::size_t>(n - 1)]),
                  kulonallo[static_cast<std::size_t>(n - 1)])
            << n;

    // In the hint: a count, or none at all.
    DiagramTippBemenet h = csalad(21);
    h.Kulcs = 5;
    h.Kulonallo = 4;
    EXPECT_NE(DiagramTipp(h).find(" esetben szomszédos \r\n Különállóan 4 esetben fordul elő "), std::string::npos);
    h.Kulonallo = 0;
    EXPECT_NE(DiagramTipp(h).find("\r\n Különállóan nem fordul elő "), std::string::npos);
    h.Kulonallo = -1;
    EXPECT_EQ(DiagramTipp(h).find("Különállóan"), std::string::npos);
}
