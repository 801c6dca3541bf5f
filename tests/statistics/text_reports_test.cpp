// The text reports laid out with a font of fixed width: what is written
// where and in which colour, read back as a table.
#include "statistics/text_reports.h"

#include "common/delphi_format.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace kvx;

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

std::int32_t betuk(const std::string& s)
{
    return static_cast<std::int32_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

JelentesMeretek meretek()
{
    JelentesMeretek m;
    m.Szelesseg = [](const std::string& s) { return 7 * betuk(s); };
    return m;
}

std::string szoveg(const JelentesKep& k)
{
    std::string s;
    for (const JelentesLepes& l : k.Lepesek)
        s += l.Szoveg + "|";
    return s;
}

// The texts written on the line at y, in order of x.
std::string sor(const JelentesKep& k, int y)
{
    std::vector<const JelentesLepes*> l;
    for (const JelentesLepes& x : k.Lepesek)
        if (!x.Sav && x.Y == y)
            l.push_back(&x);
    std::sort(l.begin(), l.end(), [](auto* a, auto* b) { return a->X < b->X; });
    std::string s;
    for (auto* x : l)
        s += x->Szoveg;
    return s;
}

JelentesBemenet parosBemenet()
{
    JelentesBemenet b;
    b.Tag = 5;
    b.Jatek = jatek(0);
    b.V.VizsgaltSorDb = 1000;
    b.V.VizsgaltSzamOsszes = 5000;
    b.V.VizsgaltSzamDb = 5;
    b.Tabla.assign(90, TTombInt1D(7, 0));
    b.Tabla[0] = {1, 10, 90, 300, 400, 150, 50};   // even tens groups
    b.Tabla[1] = {2, 30, 160, 310, 310, 160, 30};  // even numbers
    StatJelzok j;
    b.Tul = AdatbazisJelzoBeallitas(b.Jatek, 0, {}, 0, j);
    return b;
}

TEST(SzovegesJelentes, EvenOddCallsAsATable)
{
    const JelentesKep k = SzovegesJelentes(parosBemenet(), meretek());
    const std::string sep(1, formatSettings().decimalSeparator);
    // (x, y, text, colour) of the first row's two columns and of the first
    // summary line: the left margin 10, lines 18 apart from y 30.
    struct Hivas {
        int X, Y;
        std::string Szoveg;
        JelentesSzin Szin;
    };
    const std::string bal = "0 páros - 5 páratlan számcsoport: ";
    const int x2 = 10 + 7 * betuk(bal) + 1;
    const int x3 = x2 + 7 * 5 + 1;
    const int x4 = x3 + 7 * 8 + 5;
    const int jobbX = x4 + 7 * 9 + 2 * 18;  // after "  1,0000%"
    const Hivas varhato[] = {
        {10, 30, bal, JelentesSzin::Szoveg},
        {x2, 30, "   10", JelentesSzin::Ertek},
        {x3, 30, " számsor", JelentesSzin::Szoveg},
        {x4, 30, "  1" + sep + "0000%", JelentesSzin::Szazalek},
        {jobbX, 30, " 0 páros - 5 páratlan szám: ", JelentesSzin::Szoveg},
        {10, 30 + 7 * 18, "Kihúzott páros számcsoport számai összesen   : ", JelentesSzin::Szoveg},
    };
    for (const Hivas& h : varhato) {
        const auto it = std::find_if(k.Lepesek.begin(), k.Lepesek.end(), [&](const JelentesLepes& l) {
            return !l.Sav && l.X == h.X && l.Y == h.Y && l.Szoveg == h.Szoveg && l.Szin == h.Szin;
        });
        EXPECT_NE(it, k.Lepesek.end()) << h.X << "," << h.Y << " [" << h.Szoveg << "] in\n" << szoveg(k);
    }
    // Six rows; shares of N per row, of T = 5,000 in the summary:
    // 90 + 2 x 300 + 3 x 400 + 4 x 150 + 5 x 50 = 2,740 even-group numbers.
    EXPECT_EQ(sor(k, 30 + 5 * 18).rfind("5 páros - 0 páratlan számcsoport:    50 számsor", 0), 0u);
    EXPECT_EQ(sor(k, 30 + 7 * 18),
              "Kihúzott páros számcsoport számai összesen   : 2 740 szám, 54" + sep + "8000% a(z) 5 000 számból");
    EXPECT_EQ(sor(k, 30 + 8 * 18),
              "Kihúzott páratlan számcsoport számai összesen: 2 260 szám, 45" + sep + "2000% a(z) 5 000 számból");
    // Two bands: under the rows and before the pool lines.
    const auto savok = std::count_if(k.Lepesek.begin(), k.Lepesek.end(), [](auto& l) { return l.Sav; });
    EXPECT_EQ(savok, 2);
    EXPECT_NE(szoveg(k).find("Kihúzható páros szám          : |45| szám,| 50" + sep + "00%|"), std::string::npos);
    EXPECT_NE(szoveg(k).find(" a játék számkészletéből - "), std::string::npos);
    EXPECT_GT(k.Szelesseg, jobbX);
}

TEST(SzovegesJelentes, EmptyRunsShowZeroShares)
{
    for (int tag : {4, 5, 6, 7, 10, 11, 12, 13, 18, 20}) {
        JelentesBemenet b;
        b.Tag = tag;
        b.Jatek = jatek(0);
        b.V.VizsgaltSzamDb = 5;
        b.V.StatForras = tag >= 10 ? 1 : 0;
        b.Tabla.assign(tag == 4 || tag == 12 ? 6 : 90, TTombInt1D(7, 0));
        const std::string s = szoveg(SzovegesJelentes(b, meretek()));
        EXPECT_EQ(s.find("nan"), std::string::npos) << tag << s;
        EXPECT_EQ(s.find("inf"), std::string::npos) << tag;
        std::string nulla = "0";
        nulla += formatSettings().decimalSeparator;
        nulla += "0000%";
        EXPECT_NE(s.find(nulla), std::string::npos) << tag;
    }
}

TEST(SzovegesJelentes, HitRatioRowLabels)
{
    struct Eset {
        int Jatek, Forras, K, Fix;
        std::vector<std::string> Cimkek;
    } esetek[] = {
        {1, 0, 6, 0, {"6  ", "5+1", "5  ", "4  ", "3  ", "2  ", "1  ", "0  "}},
        {0, 1, 3, 2, {"5", "4", "3", "2", "1", "0"}},
        {24, 0, 5, 0, {"5+2", "5+1", "5  ", "4+2", "4+1", "4  "}},
        {5, 0, 6, 0, {"6  ", "5+1", "5  ", "4+1", "4  "}},
    };
    for (const Eset& e : esetek) {
        JelentesBemenet b;
        b.Tag = e.Forras ? 12 : 4;
        b.Jatek = jatek(e.Jatek);
        b.V.StatForras = e.Forras;
        b.V.VizsgaltSzamDb = e.K;
        b.V.VizsgaltSorDb = 10;
        b.FixSzamDb = e.Fix;
        TalalatiAranyBemenet t;
        t.Jatek = b.Jatek;
        t.StatForras = e.Forras;
        t.K = e.K;
        t.FixSzamDb = e.Fix;
        t.TalalatLepes = b.Jatek.TalalatSzorzo;
        b.Tabla.assign(static_cast<std::size_t>(TalalatiOsztalyDb(t)), TTombInt1D(4, 1));
        const JelentesKep k = SzovegesJelentes(b, meretek());
        for (std::size_t i = 0; i < e.Cimkek.size(); ++i)
            EXPECT_EQ(sor(k, 30 + static_cast<int>(i) * 18).substr(0, e.Cimkek[i].size() + 1), e.Cimkek[i] + " ")
                << e.Jatek << " row " << i;
    }
}

TEST(SzovegesJelentes, IdenticalPairsAreListedUpToTheScreen)
{
    JelentesBemenet b;
    b.Tag = 4;
    b.Jatek = jatek(0);
    b.V.VizsgaltSzamDb = 5;
    b.V.VizsgaltSorDb = 4;
    b.HuzasokSzama = 120;
    b.Tabla.assign(6, TTombInt1D(4, 0));
    b.Tabla[5] = {3, 3, 0, 0};  // three copies of one draw: 3 pairs, 6 entries
    b.Azonos.ParDb = 3;
    b.Azonos.Parok = {{1, 1, 7, 1}, {1, 1, 9, 1}, {7, 1, 9, 1}};
    JelentesMeretek m = meretek();
    const JelentesKep k = SzovegesJelentes(b, m);
    const std::string s = szoveg(k);
    EXPECT_NE(s.find("5 találatot elérő számsorok húzásainak sorszámai: |3| eset, |6| sorszám"), std::string::npos) << s;
    EXPECT_NE(s.find("Egy/több húzás számsora, több mint egy esetben ismétlődik"), std::string::npos);
    EXPECT_NE(s.find("   1|. húzás számsora azonos a(z) |   7|. húzás számsorával"), std::string::npos) << s;
    EXPECT_EQ(s.find("Nem került"), std::string::npos);

    // A short screen: the list stops and says how many are left.
    m.KepernyoMagassag = 400 + 30 + 18 * 10;
    b.Azonos.ParDb = 5000;
    const std::string r = szoveg(SzovegesJelentes(b, m));
    EXPECT_NE(r.find("Nem került listázásra további |4 999| eset - |9 998| sorszám"), std::string::npos) << r;
}

TEST(SzovegesJelentes, VariationBlocksFollowTheSelection)
{
    // Events of a variation of ten selected numbers without a prime: the
    // prime column has only its 0 row; the selection block is shown.
    JelentesBemenet b;
    b.Tag = 13;
    b.Jatek = jatek(0);
    b.V.StatForras = 1;
    b.V.VizsgaltSzamDb = 5;
    b.V.VizsgaltSorDb = 252;
    b.V.VizsgaltSzamOsszes = 1260;
    b.Tabla.assign(90, TTombInt1D(7, 0));
    b.Tabla[2][1] = 252;
    StatJelzok j;
    b.Tul = AdatbazisJelzoBeallitas(b.Jatek, 1, {1, 4, 6, 8, 9, 10, 12, 14, 15, 16}, 10, j);
    std::string s = szoveg(SzovegesJelentes(b, meretek()));
    EXPECT_NE(s.find("0 prímszám: "), std::string::npos);
    EXPECT_EQ(s.find("1 prímszám: "), std::string::npos);
    EXPECT_NE(s.find("Variálható tükör számpár       : "), std::string::npos);
    // Every main number selected: only the pool block.
    TTombByte1D mind;
    for (int n = 1; n <= 90; ++n)
        mind.push_back(static_cast<std::uint8_t>(n));
    b.Tul = AdatbazisJelzoBeallitas(b.Jatek, 1, mind, 90, j);
    b.Tag = 10;
    s = szoveg(SzovegesJelentes(b, meretek()));
    EXPECT_EQ(s.find("a variációra kijelölt"), std::string::npos);
    EXPECT_NE(s.find("Variálható páros szám          : "), std::string::npos);
}

TEST(SzovegesJelentes, RepetitionTotalsAndTheKenoStart)
{
    JelentesBemenet b;
    b.Tag = 6;
    b.Jatek = jatek(0);
    b.V.VizsgaltSzamDb = 5;
    b.V.VizsgaltSorDb = 10;
    b.Tabla.assign(90, TTombInt1D(7, 0));
    b.Tabla[0][1] = 2;  // no repeat
    b.Tabla[0][5] = 1;  // all five in one tens group: one group
    b.Tabla[1][3] = 7;  // several groups
    const std::string s = szoveg(SzovegesJelentes(b, meretek()));
    EXPECT_NE(s.find("Egy számcsoport ismétlődés összesen  : | 1| számsor,"), std::string::npos) << s;
    EXPECT_NE(s.find("Több számcsoport ismétlődés összesen : | 7| számsor,"), std::string::npos) << s;
    EXPECT_NE(s.find("Számcsoport ismétlődés összesen      : | 8| számsor,"), std::string::npos) << s;

    b.Jatek = jatek(8);
    b.V.VizsgaltSzamDb = 20;
    b.Tabla.assign(80, TTombInt1D(22, 0));
    const JelentesKep k = SzovegesJelentes(b, meretek());
    EXPECT_EQ(sor(k, 30).rfind("10 ismétlődés több számcsoportból: ", 0), 0u) << sor(k, 30);
    EXPECT_EQ(szoveg(k).find("egy számcsoportból"), std::string::npos);
}

// The steps with their (x, y, text, colour) must all be among the calls.
struct Hivas {
    int X, Y;
    std::string Szoveg;
    JelentesSzin Szin;
};

void hivasokKozott(const JelentesKep& k, const std::vector<Hivas>& varhato)
{
    for (const Hivas& h : varhato) {
        const auto it = std::find_if(k.Lepesek.begin(), k.Lepesek.end(), [&](const JelentesLepes& l) {
            return !l.Sav && l.X == h.X && l.Y == h.Y && l.Szoveg == h.Szoveg && l.Szin == h.Szin;
        });
        EXPECT_NE(it, k.Lepesek.end()) << h.X << "," << h.Y << " [" << h.Szoveg << "] in\n" << szoveg(k);
    }
}

TEST(SzovegesJelentes, NeighbourReportCallsAsATable)
{
    // 11 lines of 5: 3 without a run, one run of 2 in 4, of 3 in 1, of 5 in
    // 1; several runs of 4 numbers in 1 line and of 5 in 1.
    JelentesBemenet b;
    b.Tag = 20;
    b.Jatek = jatek(0);
    b.V.VizsgaltSorDb = 11;
    b.V.VizsgaltSzamDb = 5;
    b.SzomszedosTabla = {{3, 0, 4, 1, 0, 1}, {0, 0, 0, 0, 1, 1}};
    const JelentesKep k = SzovegesJelentes(b, meretek());
    const std::string sep(1, formatSettings().decimalSeparator);
    // Rows from y 57, 18 apart; the right column 2 line heights after the
    // end of the first row.
    const std::string bal = "0 szomszédos szám: ";
    const int x2 = 10 + 7 * betuk(bal) + 1;
    const int x3 = x2 + 7 * 2 + 1;
    const int x4 = x3 + 7 * 8 + 5;
    const int jobbX = x4 + 7 * 9 + 2 * 18;
    hivasokKozott(k, {
                         {10, 27, "Szomszédos számok egy esetben/számsor", JelentesSzin::Szoveg},
                         {jobbX, 27, "Szomszédos számok több esetben/számsor", JelentesSzin::Szoveg},
                         {10, 57, bal, JelentesSzin::Szoveg},
                         {x2, 57, " 3", JelentesSzin::Ertek},
                         {x3, 57, " számsor", JelentesSzin::Szoveg},
                         {x4, 57, " 27" + sep + "2727%", JelentesSzin::Szazalek},
                         {10, 75, "2 szomszédos szám: ", JelentesSzin::Szoveg},
                         {jobbX, 111, "Összesen 4 szomszédos szám: ", JelentesSzin::Szoveg},
                         {jobbX, 129, "Összesen 5 szomszédos szám: ", JelentesSzin::Szoveg},
                     });
    EXPECT_EQ(sor(k, 75), "2 szomszédos szám:  4 számsor 36" + sep + "3636%");
    EXPECT_EQ(sor(k, 111), "4 szomszédos szám:  0 számsor  0" + sep + "0000%Összesen 4 szomszédos szám:  1 számsor  9" +
                               sep + "0909%");
    // No row for a single number; no several-runs column below 4.
    EXPECT_EQ(szoveg(k).find("1 szomszédos szám"), std::string::npos);
    EXPECT_EQ(szoveg(k).find("Összesen 3"), std::string::npos);
    EXPECT_EQ(szoveg(k).find("Összesen 2"), std::string::npos);
    // After the five rows a band, a blank line and the three totals:
    // 8 lines with neighbours, 2 of them with several runs.
    EXPECT_EQ(sor(k, 57 + 6 * 18),
              "Szomszédos számok összesen   :  8 számsor, 72" + sep + "7273% a(z) 11 számsorból ");
    EXPECT_EQ(sor(k, 57 + 7 * 18),
              "Több esetben/számsor összesen:  2 számsor, 18" + sep + "1818% a(z) 11 számsorból ");
    EXPECT_EQ(sor(k, 57 + 8 * 18),
              "Egy esetben/számsor összesen :  6 számsor, 54" + sep + "5455% a(z) 11 számsorból ");
    // The title band has a bottom; the band under the rows reaches the end.
    std::vector<std::pair<int, int>> savok;
    for (const JelentesLepes& l : k.Lepesek)
        if (l.Sav)
            savok.emplace_back(l.Y, l.SavAlja);
    EXPECT_EQ(savok, (std::vector<std::pair<int, int>>{{18, 48}, {57 + 4 * 18 + 7 + 18, 0}}));
    EXPECT_EQ(k.Magassag, 57 + 8 * 18 + 23 + 2);
}

TEST(SzovegesJelentes, NumberSetReportWidths)
{
    struct Eset {
        TTombInt2D Osszesito;
        std::vector<std::string> Sorok;
    };
    const std::string sep(1, formatSettings().decimalSeparator);
    const Eset esetek[] = {
        // Three draws of 5/90: three values met of three possible.
        {{{3, 3}, {2, 3}},
         {"1. index számkészlete: 3 szám - a lehetséges 3 számból:100" + sep + "00%",
          "2. index számkészlete: 2 szám - a lehetséges 3 számból: 66" + sep + "67%"}},
        // Ten positions, a count above 9 and 71 possible values: two wide.
        {{{12, 71}, {5, 71}, {0, 71}, {0, 71}, {0, 71}, {0, 71}, {0, 71}, {0, 71}, {0, 71}, {1, 71}},
         {" 1. index számkészlete: 12 szám - a lehetséges 71 számból: 16" + sep + "90%",
          " 2. index számkészlete:  5 szám - a lehetséges 71 számból:  7" + sep + "04%"}},
        // Nothing possible: no division.
        {{{0, 0}}, {"1. index számkészlete: 0 szám - a lehetséges 0 számból:  0" + sep + "00%"}},
    };
    for (int tag : {30, 31})
        for (const Eset& e : esetek) {
            JelentesBemenet b;
            b.Tag = tag;
            b.Jatek = jatek(0);
            b.V.StatForras = tag == 31 ? 1 : 0;
            b.SzamkeszletOsszesito = e.Osszesito;
            const JelentesKep k = SzovegesJelentes(b, meretek());
            for (std::size_t i = 0; i < e.Sorok.size(); ++i)
                EXPECT_EQ(sor(k, 30 + static_cast<int>(i) * 18), e.Sorok[i]) << tag;
            // One line per position; the count in the value colour, the
            // share in the percentage colour.
            EXPECT_EQ(k.Lepesek.size(), 4 * e.Osszesito.size());
            EXPECT_EQ(k.Lepesek[1].Szin, JelentesSzin::Ertek);
            EXPECT_EQ(k.Lepesek[3].Szin, JelentesSzin::Szazalek);
        }
}

}  // namespace
