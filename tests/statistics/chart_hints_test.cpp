// The bar hints of the main-ticket charts and the frequency distribution:
// which lines appear for which state of the bar and the chart.
#include "statistics/chart_hints.h"

#include "common/delphi_format.h"

#include <gtest/gtest.h>

namespace {

using namespace kvx;

GameParams jatek(int index)
{
    GameParams g;
    g.LottoIndex = index;
    JatekParameterek(g);
    return g;
}

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
         {" 25 esetben sorsolták ", "\r\n Utoljára: 480. húzás számsorából", "%  - 500 húzásból, számból ",
          "\r\n Gyakoriság: 20" + sep + "00 húzásonként ", "\r\n     1 - 45-ig:  1 240 esetben ~ ",
          "\r\n   46 - 90-ig:  1 260 esetben ~ ", "   - 20 húzás óta nem került elő ",
          "\r\n   - Elméleti gyakoriság: 18" + sep + "00 húzás ", "\r\n   - Eltérés: -2" + sep + "00 húzás ",
          " átlagos előfordulása: 27" + sep + "5000 húzás* ", "\r\n * Átlag alatti előfordulás: ",
          "\r\n\r\n Értékkészlet (x): 90 szám előfordulása "},
         {" húzás óta nem fordult elő"}},
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
         {" 18 húzás óta nem került elő ", "   - 31 esetben sorsolták ", "%  - 500 húzásból, számból ",
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
         {" 17\r\n", "Húzások listájából beemelt szám ", " 40 esetben fordul elő ", "%  - 1 000 számsorból",
          " számsoronként ", "     1. - 5. kijelölt számok:  260 esetben ~ 52" + sep + "0000% ",
          " Eltérés: -10" + sep + "0000 ", "Értékkészlet (x): 10 előfordulás "},
         {"húzás"}},
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
