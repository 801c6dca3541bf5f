// The check of the variation against a marked line: the hit value of a
// stored line with bonus numbers, extra pools, fixed numbers and Keno, the
// tally over the stored lines only, the walk over the matches, and the
// ordinal of a complete marked line.
#include "variation/line_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "draws/hit_search.h"
#include "variation/store_jobs.h"

namespace kvx {
namespace {

GameParams Jatek(int index) { return kvx::JatekParameterei(index); }

// A variation over the selection `kijelolt` (main numbers first, then
// `plusz` extra-pool numbers) with the fixed numbers `fix`; its lines are
// given as ticket numbers and stored as positions.
struct Variacio {
    GameParams g;
    VariationStore t;
    BontListaNezet n;

    Variacio(int jatek, TTombByte1D kijelolt, std::int32_t plusz, TTombByte1D fix,
             const std::vector<TTombByte1D>& sorok, std::int32_t lefoglalt = 0)
        : g(Jatek(jatek))
    {
        n.Tar = &t;
        n.Jatek = &g;
        n.KijeloltSzamok = std::move(kijelolt);
        n.FixSzamok = std::move(fix);
        n.KijeloltPluszSzamDb = plusz;
        n.KijeloltFoSzamDb = static_cast<std::int32_t>(n.KijeloltSzamok.size()) - plusz;
        n.VariacioMeret = g.SzamsorHossz - static_cast<std::int32_t>(n.FixSzamok.size());
        n.VariacioFoMeret = g.SzamsorFoSzamDb - static_cast<std::int32_t>(n.FixSzamok.size());
        const auto db = static_cast<std::int32_t>(sorok.size());
        SetBontasMatrix(t, std::max(db, lefoglalt), n.VariacioMeret, nullptr);
        for (std::int32_t i = 0; i < db; ++i)
            for (std::int32_t k = 0; k < n.VariacioMeret; ++k) {
                const std::uint8_t szam = sorok[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
                const auto p = std::find(n.KijeloltSzamok.begin(), n.KijeloltSzamok.end(), szam);
                t.sor(i)[k] = static_cast<std::uint8_t>(p - n.KijeloltSzamok.begin());
            }
        t.BontSzelvszam = db;
    }
};

BontEllJelolesek Jelolesek(const GameParams& g, const TTombByte1D& szamok, const TTombByte1D& pot)
{
    BontEllJelolesek j;
    j.Mod = BontEllEllenorzes;
    const SzamListak l;
    for (std::uint8_t n : szamok)
        EXPECT_EQ(BontEllSzamClick(j, l, g, n, 0), BontEllKattintas::Jelolve) << int(n);
    for (std::uint8_t n : pot)
        EXPECT_EQ(BontEllSzamClick(j, l, g, n, 50), BontEllKattintas::PotJelolve) << int(n);
    return j;
}

TTombByte1D Tol(int a, int b)
{
    TTombByte1D v;
    for (int i = a; i <= b; ++i)
        v.push_back(static_cast<std::uint8_t>(i));
    return v;
}

TEST(VariationCheck, HitValueOfALine)
{
    struct Eset {
        const char* mi;
        int jatek;
        TTombByte1D kijelolt;
        std::int32_t plusz;
        TTombByte1D fix, sor, jelolt, pot;
        std::int32_t vart;
    };
    const Eset esetek[] = {
        {"6/45: six", 1, Tol(1, 10), 0, {}, Tol(1, 6), Tol(1, 6), {}, 7},
        {"6/45: five", 1, Tol(1, 10), 0, {}, {1, 2, 3, 4, 5, 9}, Tol(1, 6), {}, 5},
        {"6/45: five and the bonus", 1, Tol(1, 10), 0, {}, {1, 2, 3, 4, 5, 9}, Tol(1, 6), {9}, 6},
        {"6/45: four and the bonus do not lift", 1, Tol(1, 10), 0, {}, {1, 2, 3, 4, 9, 10}, Tol(1, 6), {9}, 4},
        {"6/45: a fixed number hits in every line", 1, Tol(1, 9), 0, {10}, Tol(1, 5), {1, 2, 3, 4, 5, 10}, {}, 7},
        {"6/45: the fixed number and the bonus", 1, Tol(1, 9), 0, {10}, {1, 2, 3, 4, 6}, {1, 2, 3, 4, 5, 10}, {6}, 6},
        {"Ausztria 6/45: five and the bonus class", 5, Tol(1, 10), 0, {}, {1, 2, 3, 4, 5, 7}, Tol(1, 6), {7}, 11},
        {"Ausztria 6/45: six", 5, Tol(1, 10), 0, {}, Tol(1, 6), Tol(1, 6), {7}, 12},
        {"Ausztria 6/45: three and the bonus", 5, Tol(1, 10), 0, {}, {1, 2, 3, 7, 8, 9}, Tol(1, 6), {7}, 7},
        {"EuroMillions: 3 + 1 star", 24, {1, 2, 3, 4, 5, 6, 7, 51, 52, 53}, 3, {}, {1, 2, 3, 4, 5, 51, 52},
         {1, 2, 3, 51}, {}, 3 * 3 + 1},
        {"EuroMillions: 5 + 2 stars", 24, {1, 2, 3, 4, 5, 6, 7, 51, 52, 53}, 3, {}, {1, 2, 3, 4, 5, 51, 52},
         {1, 2, 3, 4, 5, 51, 52}, {}, 17},
        {"Keno 10: a whole drawing marked", 8, Tol(1, 12), 0, {}, Tol(3, 12), Tol(1, 20), {}, 10},
        {"Keno 10: none", 8, Tol(1, 12), 0, {}, Tol(3, 12), Tol(21, 40), {}, 0},
    };
    for (const Eset& e : esetek) {
        const Variacio v(e.jatek, e.kijelolt, e.plusz, e.fix, {e.sor});
        const BontEllJelolesek j = Jelolesek(v.g, e.jelolt, e.pot);
        const BontEllKereso k(j, v.n);
        EXPECT_EQ(k.SzamsorTalalat(0), e.vart) << e.mi;
        const TTombInt1D t = BontEllTalalatok(j, v.n);
        ASSERT_EQ(static_cast<std::int32_t>(t.size()), BontEllTalalatokMeret(v.g)) << e.mi;
        ASSERT_LT(e.vart, static_cast<std::int32_t>(t.size())) << e.mi;
        EXPECT_EQ(t[static_cast<std::size_t>(e.vart)], 1) << e.mi;
    }
}

TEST(VariationCheck, DrawsVariationLinesHoldNumbers)
{
    Variacio v(0, {}, 0, {}, {});
    v.n.HuzasMod = true;
    SetBontasMatrix(v.t, 2, 5, nullptr);
    const std::uint8_t sorok[2][5] = {{10, 20, 30, 40, 50}, {11, 20, 31, 41, 51}};
    for (int i = 0; i < 2; ++i)
        std::copy(sorok[i], sorok[i] + 5, v.t.sor(i));
    v.t.BontSzelvszam = 2;
    const BontEllJelolesek j = Jelolesek(v.g, {10, 20, 30}, {});
    EXPECT_EQ(BontEllTalalatok(j, v.n), (TTombInt1D{0, 1, 0, 1, 0, 0}));
}

TEST(VariationCheck, OnlyStoredLinesCountAndAreFound)
{
    // Ten rows allocated (a paused run), four lines stored; the rows beyond
    // them hold what a full match would look like.
    Variacio v(0, Tol(1, 10), 0, {}, {Tol(1, 5), {1, 2, 3, 9, 10}, {6, 7, 8, 9, 10}, {1, 2, 6, 7, 8}}, 10);
    for (std::int32_t i = 4; i < 10; ++i)
        for (std::int32_t k = 0; k < 5; ++k)
            v.t.sor(i)[k] = static_cast<std::uint8_t>(k);
    const BontEllJelolesek j = Jelolesek(v.g, Tol(1, 5), {});
    EXPECT_EQ(BontEllTalalatok(j, v.n), (TTombInt1D{1, 0, 1, 1, 0, 1}));

    const BontEllKereso k(j, v.n);
    ASSERT_EQ(k.SorDb(), 4);
    EXPECT_EQ(k.Keres(0, 1, 5, 5), 0);    // only line 1 has five
    EXPECT_EQ(k.Keres(3, -1, 5, 5), 0);   // last: line 1 again
    EXPECT_EQ(k.Keres(1, 1, 5, 5), -1);   // next past it: none
    EXPECT_EQ(k.Keres(-1, -1, 5, 5), -1); // previous from line 1: none
    EXPECT_EQ(k.Keres(0, 1, 2, 3), 1);
    EXPECT_EQ(k.Keres(9, -1, 0, 5), -1);  // never beyond the stored lines
    EXPECT_EQ(k.Keres(3, -1, 0, 5), 3);
}

TEST(VariationCheck, OrdinalOnlyForALineOfTheSelection)
{
    // Román 5/40: a line of five, a drawing of six.
    const Variacio v(17, Tol(1, 10), 0, {}, {Tol(1, 5)});
    // Five marks, one outside the selection: not a line of the variation.
    BontEllJelolesek j = Jelolesek(v.g, {1, 2, 3, 4, 39}, {});
    EXPECT_EQ(BontEllSorszam(j, v.n), "");
    // Six marks (a whole drawing), five of the selection: a line.
    j = Jelolesek(v.g, {1, 2, 3, 4, 39, 5}, {});
    EXPECT_EQ(BontEllSorszam(j, v.n).substr(0, 7), "\r\n Ssz:");
    const Variacio hatos(1, Tol(1, 10), 0, {}, {Tol(1, 6)});
    const BontEllInfo info = BontEllInfoKeszites(Jelolesek(hatos.g, Tol(1, 5), {9}), hatos.n, false, {});
    EXPECT_TRUE(info.Szoveg.starts_with(" Kijelölve: 5+1 szám\r\n")) << info.Szoveg;
}

TEST(VariationCheck, CheckModeMarks)
{
    const GameParams g = Jatek(1);  // 6/45: a drawing is 6 numbers, one bonus
    const SzamListak l;             // the check marks any number of the ticket
    BontEllJelolesek j;
    j.Mod = BontEllEllenorzes;
    for (int n : {40, 41, 42, 43, 44, 45})
        EXPECT_EQ(BontEllSzamClick(j, l, g, n, 0), BontEllKattintas::Jelolve);
    EXPECT_EQ(BontEllSzamClick(j, l, g, 1, 0), BontEllKattintas::PotJelolve);  // full: the bonus
    EXPECT_EQ(BontEllSzamClick(j, l, g, 2, 0), BontEllKattintas::Elutasitva);
    EXPECT_EQ(BontEllSzamClick(j, l, g, 1, 0), BontEllKattintas::Torolve);
    EXPECT_EQ(BontEllSzamClick(j, l, g, 40, 100), BontEllKattintas::Elutasitva);
    EXPECT_EQ(BontEllSzamClick(j, l, g, 46, 0), BontEllKattintas::Elutasitva);  // not on the ticket
    EXPECT_EQ(j.PotDb, 0);
    EXPECT_EQ(j.Jeloltek.size(), 6u);
}

TEST(VariationCheck, NumberHints)
{
    // 6/45: selection 1..9 (4 constant), fixed 10; no line holds 9.
    Variacio v(1, Tol(1, 9), 0, {10}, {Tol(1, 5), {2, 3, 4, 5, 6}});
    v.n.AllandoSzamok = {4};
    v.t.BontSzamGyakorisag = {1, 2, 2, 2, 2, 1, 0, 0, 0};
    const BontEllJelolesek j = Jelolesek(v.g, {1}, {20});
    const std::pair<int, std::string> esetek[] = {
        {2, " Variációra kijelölt szám \r\n 2. szám a számsorban "},
        {4, " Variációra kijelölt állandó szám \r\n 4. szám a számsorban "},
        {9, " Variációra kijelölt szám - nem szerepel a variációban. \r\n 9. szám a számsorban "},
        {10, " Variációra kijelölt 1. fix szám "},
        {20, " Szám : 20 \r\n Plusz számként kijelölve "},
    };
    for (const auto& [szam, vart] : esetek)
        EXPECT_EQ(BontEllSzamTipp(j, v.n, szam), vart) << szam;
}

// For every game: random selections, lines and marks never score past the
// tally of the check.
TEST(VariationCheck, RandomMarksAndLinesNeverPassTheTally)
{
    std::mt19937 gen(105);
    for (int jatek = 0; jatek < kJatekokSzama; ++jatek) {
        const GameParams g = Jatek(jatek);
        for (int kor = 0; kor < 40; ++kor) {
            const int fixDb = kor % 2 == 0 || g.SzamsorFoSzamDb < 2 ? 0 : 1;
            std::vector<int> fo(static_cast<std::size_t>(g.FoSzamKeszlet));
            for (int i = 0; i < g.FoSzamKeszlet; ++i)
                fo[static_cast<std::size_t>(i)] = i + 1;
            std::shuffle(fo.begin(), fo.end(), gen);
            const int foDb = std::min<int>(g.FoSzamKeszlet - fixDb, g.SzamsorFoSzamDb - fixDb + 4);
            TTombByte1D kijelolt(fo.begin() + fixDb, fo.begin() + fixDb + foDb);
            TTombByte1D fix(fo.begin(), fo.begin() + fixDb);
            int plusz = 0;
            if (g.VanPluszSzam) {
                plusz = std::min(g.PluszSzamKeszlet, g.PluszSzamDb + 1);
                for (int i = 0; i < plusz; ++i)
                    kijelolt.push_back(static_cast<std::uint8_t>(g.FoSzamKeszlet + 1 + i));
            }
            std::vector<TTombByte1D> sorok;
            for (int s = 0; s < 30; ++s) {
                TTombByte1D m(kijelolt.begin(), kijelolt.begin() + foDb);
                std::shuffle(m.begin(), m.end(), gen);
                m.resize(static_cast<std::size_t>(g.SzamsorFoSzamDb - fixDb));
                for (int i = 0; i < g.PluszSzamDb; ++i)
                    m.push_back(kijelolt[static_cast<std::size_t>(foDb + (i + s) % plusz)]);
                sorok.push_back(m);
            }
            const Variacio v(jatek, kijelolt, plusz, fix, sorok);
            BontEllJelolesek j;
            j.Mod = BontEllEllenorzes;
            const SzamListak l;
            for (int k = 0; k < 40; ++k)
                BontEllSzamClick(j, l, g, std::uniform_int_distribution<int>(1, g.OsszesSzam)(gen),
                                 std::uniform_int_distribution<int>(0, 3)(gen) == 0 ? 50 : 0);
            const BontEllKereso ker(j, v.n);
            for (std::int32_t i = 0; i < ker.SorDb(); ++i) {
                const std::int32_t e = ker.SzamsorTalalat(i);
                ASSERT_GE(e, 0) << jatek;
                ASSERT_LT(e, BontEllTalalatokMeret(g)) << "game " << jatek;
            }
        }
    }
}

}  // namespace
}  // namespace kvx
