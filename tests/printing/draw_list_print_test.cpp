#include "printing/draw_list_print.h"
#include "printing/rtf_writer.h"

#include "printing/nyomtatas_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace kvx;
using namespace kvx::testing;

namespace {

struct Lap {
    std::vector<std::string> fej;    // title, header line, separator, column header, separator
    std::vector<std::string> sorok;  // the draw lines
};

// The printout cut into pages, each split into its head and its lines.
std::vector<Lap> Lapok(const NyomtatasEgyseg& n)
{
    std::vector<Lap> lapok;
    for (const auto& lap : LapokFelosztasa(n.ListaPuffer)) {
        Lap l;
        for (std::size_t i = 0; i < lap.size(); ++i) {
            if (lap[i].Szoveg == kLapdobasSor)
                continue;
            (i < 5 ? l.fej : l.sorok).push_back(lap[i].Szoveg);
        }
        lapok.push_back(l);
    }
    return lapok;
}

NyomtatasEgyseg Nyomtatas(const GameParams& g, std::int32_t huzasok, const HuzListaCimAdatok& c = {true, "", "3.1.0.0",
                                                                                                  "2026. 12. 10."})
{
    NyomtatasEgyseg n;
    OldalMeretek(n, true);
    HuzListaNyomtatas(n, g, HuzListaRacsKeszites(Huzasok(g, huzasok), g), c);
    return n;
}

// Draw numbers in a line, left to right.
std::vector<int> Szamok(const std::string& sor, const GameParams&)
{
    std::vector<int> v;
    std::size_t i = 0;
    while ((i = sor.find(". 20", i)) != std::string::npos) {
        std::size_t k = i;
        while (k > 0 && sor[k - 1] >= '0' && sor[k - 1] <= '9')
            --k;
        v.push_back(std::stoi(sor.substr(k, i - k)));
        i += 4;
    }
    return v;
}

}  // namespace

TEST(HuzListaNyomtatas, TwoColumnPagesPairRowsAndBalanceTheLastPage)
{
    const GameParams g = NyJatek(0);
    struct Eset {
        int huzasok;
        std::vector<std::vector<std::pair<int, int>>> lapok;  // per page: (first left, first right) and last pair
        std::vector<int> sorokSzama;
    } esetek[] = {
        {100, {{{1, 51}, {50, 100}}}, {50}},
        {150, {{{1, 65}, {64, 128}}, {{129, 140}, {139, 150}}}, {64, 11}},
        {128, {{{1, 65}, {64, 128}}}, {64}},
        {129, {{{1, 65}, {64, 128}}, {{129, 0}, {129, 0}}}, {64, 1}},
        {7, {{{1, 5}, {4, 0}}}, {4}},
    };
    for (const Eset& e : esetek) {
        const NyomtatasEgyseg n = Nyomtatas(g, e.huzasok);
        const auto lapok = Lapok(n);
        ASSERT_EQ(lapok.size(), e.lapok.size()) << e.huzasok;
        std::vector<int> mind;
        for (std::size_t p = 0; p < lapok.size(); ++p) {
            const Lap& l = lapok[p];
            EXPECT_EQ(static_cast<int>(l.sorok.size()), e.sorokSzama[p]) << e.huzasok;
            const auto elso = Szamok(l.sorok.front(), g);
            const auto utolso = Szamok(l.sorok.back(), g);
            const auto par = [](const std::vector<int>& v) { return std::pair<int, int>{v[0], v.size() > 1 ? v[1] : 0}; };
            EXPECT_EQ(par(elso), e.lapok[p][0]) << e.huzasok << " page " << p + 1;
            EXPECT_EQ(par(utolso), e.lapok[p][1]) << e.huzasok << " page " << p + 1;
            EXPECT_NE(l.fej[1].find(std::to_string(p + 1) + "/" + std::to_string(lapok.size()) + " oldal"),
                      std::string::npos);
            for (const auto& s : l.sorok)
                for (int x : Szamok(s, g))
                    mind.push_back(x);
        }
        std::sort(mind.begin(), mind.end());
        std::vector<int> vart(static_cast<std::size_t>(e.huzasok));
        std::iota(vart.begin(), vart.end(), 1);
        EXPECT_EQ(mind, vart) << "every draw once, " << e.huzasok;
    }
}

TEST(HuzListaNyomtatas, LinesOfThe590Layout)
{
    const GameParams g = NyJatek(0);
    const NyomtatasEgyseg n = Nyomtatas(g, 7);
    const auto lap = Lapok(n).at(0);
    EXPECT_EQ(lap.fej[0], "Magyar 5/90 nyerőszámai");
    EXPECT_EQ(n.ListaPuffer[0].Vastag, true);
    EXPECT_EQ(lap.fej[1].substr(0, 25), " Kavarex Personal 3.1.0.0");
    EXPECT_EQ(lap.fej[2], ElvalasztoVonal());
    EXPECT_EQ(lap.fej[3], " Húzás   Év   Hét    1.   2.   3.   4.   5.    Húzás   Év   Hét    1.   2.   3.   4.   5.");
    // Draw 1 beside draw 5; the last line holds only a left draw and the gap.
    EXPECT_EQ(lap.sorok[0], "     1. 2000   1.    1 -  2 -  3 -  4 -  5    "
                            "     5. 2000   5.    5 -  6 -  7 -  8 -  9");
    EXPECT_EQ(lap.sorok[3], "     4. 2000   4.    4 -  5 -  6 -  7 -  8 ");
}

TEST(HuzListaNyomtatas, OneDrawPerLineGames)
{
    // Keno: 150 draws on pages of 64, 64 and 22 lines.
    const GameParams keno = NyJatek(8);
    const auto lapok = Lapok(Nyomtatas(keno, 150));
    ASSERT_EQ(lapok.size(), 3u);
    const int hossz[] = {64, 64, 22};
    int kovetkezo = 1;
    for (std::size_t p = 0; p < 3; ++p) {
        EXPECT_EQ(static_cast<int>(lapok[p].sorok.size()), hossz[p]);
        EXPECT_NE(lapok[p].fej[1].find(std::to_string(p + 1) + "/3 oldal"), std::string::npos);
        for (const auto& s : lapok[p].sorok)
            EXPECT_EQ(Szamok(s, keno), std::vector<int>{kovetkezo++});
    }
    EXPECT_EQ(lapok[0].fej[0], "Magyar Kenó nyerőszámai");
    EXPECT_EQ(lapok[0].sorok[0],
              "     1. 2000   1.    1- 2- 3- 4- 5- 6- 7- 8- 9-10-11-12-13-14-15-16-17-18-19-20");

    // Magyar 7/35 draws twice: the first drawing, 4 blanks, the second.
    const GameParams het = NyJatek(2);
    const auto l = Lapok(Nyomtatas(het, 3)).at(0);
    ASSERT_EQ(l.sorok.size(), 3u);
    EXPECT_EQ(l.sorok[0], "     1. 2000   1.    1 -  2 -  3 -  4 -  5 -  6 -  7    "
                          " 8 -  9 - 10 - 11 - 12 - 13 - 14");
}

TEST(HuzListaNyomtatas, BonusNumbersAndTheTitleOfAPrivateDatabase)
{
    const GameParams g = NyJatek(1);  // 6/45 with one bonus number
    DrawsState d = Huzasok(g, 2);
    d.Huzasok[1][9] = 0;  // no bonus in the second draw
    NyomtatasEgyseg n;
    OldalMeretek(n, false);
    HuzListaNyomtatas(n, g, HuzListaRacsKeszites(d, g), {false, "Privát adatbázis", "3.1.0.0", "2026. 12. 10."});
    const auto l = Lapok(n).at(0);
    EXPECT_EQ(l.fej[0], "Magyar 6/45 nyerőszámai - Privát adatbázis");
    ASSERT_EQ(l.sorok.size(), 1u);
    EXPECT_EQ(l.sorok[0], "     1. 2000   1.    1- 2- 3- 4- 5- 6   7      "
                          "     2. 2000   2.    2- 3- 4- 5- 6- 7    ");
}

TEST(HuzListaNyomtatas, TheRtfFileGivesTheSameLinesBack)
{
    NyTempDir dir;
    const GameParams g = NyJatek(0);
    const NyomtatasEgyseg n = Nyomtatas(g, 150);
    const std::string f = dir.file(kHuzListAllomany);
    ASSERT_TRUE(RtfMentes(f, n.ListaPuffer));
    EXPECT_EQ(RtfOlvasas(f), Tomoritve(n.ListaPuffer));
}
