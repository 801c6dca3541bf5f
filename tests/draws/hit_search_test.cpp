// The search by hits over the draws table: hit values of a drawing against
// a set of marks, the tally over the draws-list range, the classes a search
// box offers, and the walk over the matching number rows. The tables are
// read from database images through the database reader.
#include "draws/hit_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "draws/database_file.h"
#include "draws_fixture.h"

namespace kvx {
namespace {

using testing::Jatek;
using testing::Sor;

// The draws of `sorok` as the loader builds the table from a file.
DrawsState Tabla(const GameParams& g, const TTombInt2D& sorok)
{
    BetoltottAdatbazis ki;
    BetoltesBeallitasok b;
    b.AdatbazisTipus = false;
    const BetoltesEredmeny e = HuzasAdatbazisOlvasas(AdatbazisKep(sorok, g, testing::kTesztVerzio), g, b, "t.ldb", ki);
    EXPECT_TRUE(e.sikeres()) << e.Uzenet;
    ki.Tabla.AdatbazisBetoltve = true;
    return ki.Tabla;
}

HuzKeresJelolesek Jelolesek(const GameParams& g, std::initializer_list<int> szamok, std::initializer_list<int> pot = {})
{
    HuzKeresJelolesek j;
    j.Torles(g);
    for (int n : szamok)
        EXPECT_EQ(HuzKeresSzamClick(j, g, n, 0), KeresKattintas::Jelolve) << n;
    for (int n : pot)
        EXPECT_EQ(HuzKeresSzamClick(j, g, n, 50), KeresKattintas::PotJelolve) << n;
    return j;
}

TEST(HitSearch, HitValuesOfADrawing)
{
    struct Eset {
        const char* mi;
        int jatek;
        std::initializer_list<int> jelolt, pot, huzas;
        std::int32_t vart;
    };
    // Extra-pool numbers are stored above the main pool: EuroMillions'
    // Lucky Stars 1 and 2 are 51 and 52.
    const Eset esetek[] = {
        {"6/45: five and the drawn bonus among the marks", 1, {1, 2, 3, 4, 5, 6}, {}, {1, 2, 3, 4, 5, 9, 6}, 6},
        {"6/45: six", 1, {1, 2, 3, 4, 5, 6}, {}, {1, 2, 3, 4, 5, 6, 7}, 7},
        {"6/45: five, bonus missed", 1, {1, 2, 3, 4, 5, 6}, {}, {1, 2, 3, 4, 5, 9, 8}, 5},
        {"6/45: four and the bonus do not lift", 1, {1, 2, 3, 4, 5, 6}, {}, {1, 2, 3, 4, 10, 9, 6}, 4},
        {"6/45: bonus mark met", 1, {1, 2, 3, 4, 5, 6}, {9}, {1, 2, 3, 4, 5, 10, 9}, 6},
        // With bonus marks the plain marks no longer meet the bonus.
        {"6/45: bonus mark missed", 1, {1, 2, 3, 4, 5, 6}, {9}, {1, 2, 3, 4, 5, 10, 6}, 5},
        {"Ausztria 6/45: bonus classes", 5, {1, 2, 3, 4, 5, 6}, {}, {1, 2, 3, 4, 5, 7, 6}, 11},
        {"Ausztria 6/45: four and bonus", 5, {1, 2, 3, 4, 5, 6}, {}, {1, 2, 3, 4, 8, 9, 6}, 9},
        {"Ausztria 6/45: six, no bonus level", 5, {1, 2, 3, 4, 5, 6}, {}, {1, 2, 3, 4, 5, 6, 7}, 12},
        {"EuroMillions: 3 + 1 star", 24, {1, 2, 3, 4, 5, 51, 52}, {}, {1, 2, 3, 10, 11, 51, 53}, 3 * 3 + 1},
        {"EuroMillions: 5 + 2 stars", 24, {1, 2, 3, 4, 5, 51, 52}, {}, {1, 2, 3, 4, 5, 51, 52}, 17},
        {"Keno 10: seven of twenty", 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {},
         {1, 2, 3, 4, 5, 6, 7, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33}, 7},
        {"5/90: full hit", 0, {10, 20, 30, 40, 50}, {}, {10, 20, 30, 40, 50}, 5},
    };
    for (const Eset& e : esetek) {
        const GameParams g = Jatek(e.jatek);
        const DrawsState d = Tabla(g, {Sor(g, 1, 2024, 1, e.huzas)});
        const HuzKeresJelolesek j = Jelolesek(g, e.jelolt, e.pot);
        const std::int32_t v = HuzasTalalat(g, j, d.Huzasok[0], 3);
        EXPECT_EQ(v, e.vart) << e.mi;
        EXPECT_LT(v, HuzKeresTalalatokMeret(g)) << e.mi;
    }
}

TEST(HitSearch, MarksStopAtADrawingThenFillTheBonusSlots)
{
    const GameParams g = Jatek(1);  // 6/45, one bonus number
    HuzKeresJelolesek j;
    j.Torles(g);
    EXPECT_EQ(HuzKeresSzamClick(j, g, 7, 50), KeresKattintas::PotJelolve);  // Shift: bonus
    EXPECT_EQ(HuzKeresSzamClick(j, g, 8, 50), KeresKattintas::Elutasitva);  // one slot only
    EXPECT_EQ(HuzKeresSzamClick(j, g, 7, 0), KeresKattintas::Torolve);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(HuzKeresSzamClick(j, g, n, 0), KeresKattintas::Jelolve);
    // A full drawing: the next plain click is the bonus mark.
    EXPECT_EQ(HuzKeresSzamClick(j, g, 9, 0), KeresKattintas::PotJelolve);
    EXPECT_EQ(HuzKeresSzamClick(j, g, 10, 0), KeresKattintas::Elutasitva);
    EXPECT_EQ(HuzKeresSzamClick(j, g, 3, 50), KeresKattintas::Elutasitva);  // unmark needs no modifier
    EXPECT_EQ(HuzKeresSzamClick(j, g, 3, 0), KeresKattintas::Torolve);
    EXPECT_EQ(j.Jeloltek, (TTombByte1D{1, 2, 4, 5, 6}));

    // EuroMillions: five main and two extra-pool marks at most.
    const GameParams em = Jatek(24);
    HuzKeresJelolesek k;
    k.Torles(em);
    for (int n : {1, 2, 3, 4, 5, 51, 52})
        EXPECT_EQ(HuzKeresSzamClick(k, em, n, 0), KeresKattintas::Jelolve);
    EXPECT_EQ(HuzKeresSzamClick(k, em, 1, 0), KeresKattintas::Torolve);
    EXPECT_EQ(HuzKeresSzamClick(k, em, 53, 0), KeresKattintas::Elutasitva);  // third star
    EXPECT_EQ(HuzKeresSzamClick(k, em, 6, 0), KeresKattintas::Jelolve);
    EXPECT_EQ(k.PluszDb, 2);
}

// A random line of a drawing's shape, clicked without a modifier, fills the
// search ticket as a drawing: the line as plain marks, the bonus numbers in
// the bonus slots; game 17 marks a whole drawing of its main pool.
TEST(HitSearch, RandomLineOfADrawingsShapeMarksLikeADrawing)
{
    struct Eset {
        int jatek;
        std::size_t jeloltek;  // plain marks
        std::int32_t pluszDb;  // of them from the extra pool
        std::int32_t potDb;    // bonus marks
    };
    const Eset esetek[] = {
        {0, 5, 0, 0},  {1, 6, 0, 1},  {38, 7, 0, 3}, {8, 10, 0, 0},
        {17, 6, 0, 0}, {24, 7, 2, 0}, {43, 7, 1, 0},
    };
    RandomState rs(11);
    for (const Eset& e : esetek) {
        const GameParams g = Jatek(e.jatek);
        for (int ismetles = 0; ismetles < 20; ++ismetles) {
            SCOPED_TRACE(::testing::Message() << e.jatek << " #" << ismetles);
            const TTombByte1D sor = HuzKeresVeletlenSzamsor(g, rs);
            ASSERT_EQ(sor.size(), e.jeloltek + static_cast<std::size_t>(e.potDb));
            const std::set<int> kulonbozo(sor.begin(), sor.end());
            EXPECT_EQ(kulonbozo.size(), sor.size());
            // The line ascends; its extra-pool numbers come from the extra pool.
            EXPECT_TRUE(std::is_sorted(sor.begin(), sor.begin() + static_cast<std::ptrdiff_t>(e.jeloltek)));
            for (std::size_t i = 0; i < sor.size(); ++i) {
                const bool plusz = i >= static_cast<std::size_t>(g.SzamsorFoSzamDb) && i < e.jeloltek && e.pluszDb > 0;
                EXPECT_GE(sor[i], plusz ? g.FoSzamKeszlet + 1 : 1) << i;
                EXPECT_LE(sor[i], plusz ? g.OsszesSzam : g.FoSzamKeszlet) << i;
            }
            HuzKeresJelolesek j;
            j.Torles(g);
            for (std::uint8_t n : sor)
                EXPECT_NE(HuzKeresSzamClick(j, g, n, 0), KeresKattintas::Elutasitva) << int(n);
            EXPECT_EQ(j.Jeloltek, TTombByte1D(sor.begin(), sor.begin() + static_cast<std::ptrdiff_t>(e.jeloltek)));
            EXPECT_EQ(j.PluszDb, e.pluszDb);
            EXPECT_EQ(j.PotDb, e.potDb);
        }
    }
}

TEST(HitSearch, TallyCountsOnlyHeldDrawingsOfTheRange)
{
    // 7/35 draws twice; draw 3 has no second drawing (zeros).
    const GameParams g = Jatek(2);
    const DrawsState d = Tabla(g, {
                                      Sor(g, 1, 2024, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}),
                                      Sor(g, 2, 2024, 2, {1, 2, 3, 20, 21, 22, 23, 1, 2, 3, 4, 5, 6, 7}),
                                      Sor(g, 3, 2024, 3, {29, 30, 31, 32, 33, 34, 35}),
                                      Sor(g, 4, 2024, 4, {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 18, 19, 20, 21}),
                                  });
    const HuzKeresJelolesek j = Jelolesek(g, {1, 2, 3, 4, 5, 6, 7});
    TTombInt1D vart(static_cast<std::size_t>(HuzKeresTalalatokMeret(g)), 0);
    vart[7] = 3;  // draw 1 first, draw 2 second, draw 4 first
    vart[0] = 3;  // draw 1 second, draw 3 first, draw 4 second: never the missing drawing
    vart[3] = 1;  // draw 2 first
    EXPECT_EQ(TalalatokSzamolasa(g, j, d, 1, 4), vart);
    // The range: draws 2..3 only.
    TTombInt1D resz(vart.size(), 0);
    resz[7] = 1;
    resz[3] = 1;
    resz[0] = 1;
    EXPECT_EQ(TalalatokSzamolasa(g, j, d, 2, 3), resz);
    // A range past the table is cut to it.
    EXPECT_EQ(TalalatokSzamolasa(g, j, d, 0, 99), vart);
}

TEST(HitSearch, WalkOverFirstAndSecondDrawings)
{
    const GameParams g = Jatek(2);
    const DrawsState d = Tabla(g, {
                                      Sor(g, 1, 2024, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}),
                                      Sor(g, 2, 2024, 2, {1, 2, 3, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}),
                                      Sor(g, 3, 2024, 3, {8, 9, 10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 7}),
                                      Sor(g, 4, 2024, 4, {29, 30, 31, 32, 33, 34, 35}),
                                  });
    const HuzKeresJelolesek j = Jelolesek(g, {1, 2, 3, 4, 5, 6, 7});
    HuzKeresLepes l;
    l.Jatek = &g;
    l.Huzasok = &d;
    l.Jelolesek = &j;
    l.Elso = 1;
    l.Utolso = 4;
    const SzamsorHely nincs{};

    // Seven hits: draw 1 first drawing, draw 3 second drawing.
    l.Min = l.Max = 7;
    EXPECT_EQ(l.ElsoTalalat(), (SzamsorHely{1, 0}));
    EXPECT_EQ(l.Kovetkezo({1, 0}), (SzamsorHely{3, 1}));
    EXPECT_EQ(l.Kovetkezo({3, 1}), nincs);  // past the end: the caller goes to the last
    EXPECT_EQ(l.UtolsoTalalat(), (SzamsorHely{3, 1}));
    EXPECT_EQ(l.Elozo({3, 1}), (SzamsorHely{1, 0}));
    EXPECT_EQ(l.Elozo({1, 0}), nincs);
    // The second drawing of the same draw comes before the next draw.
    l.Min = l.Max = 0;
    EXPECT_EQ(l.Kovetkezo({1, 0}), (SzamsorHely{1, 1}));
    EXPECT_EQ(l.Kovetkezo({1, 1}), (SzamsorHely{2, 1}));
    // No hit: the missing second drawing of draw 4 is never a 0-hit row.
    EXPECT_EQ(l.UtolsoTalalat(), (SzamsorHely{4, 0}));
    EXPECT_EQ(l.Kovetkezo({4, 0}), nincs);
    // Only draw 1 in range holds the class: last and previous stay on it.
    l.Min = l.Max = 7;
    l.Utolso = 2;
    EXPECT_EQ(l.UtolsoTalalat(), (SzamsorHely{1, 0}));
    EXPECT_EQ(l.Elozo({1, 0}), nincs);
    // Every row: the walk steps through the rows that exist.
    l.Minden = true;
    l.Utolso = 4;
    EXPECT_EQ(l.ElsoTalalat(), (SzamsorHely{1, 0}));
    EXPECT_EQ(l.Kovetkezo({3, 1}), (SzamsorHely{4, 0}));
    EXPECT_EQ(l.UtolsoTalalat(), (SzamsorHely{4, 0}));
    EXPECT_EQ(l.Elozo({2, 0}), (SzamsorHely{1, 1}));
}

TEST(HitSearch, SearchBoxClassesAndInfoRows)
{
    struct Eset {
        int jatek;
        std::vector<std::int32_t> ertekek;  // values that have rows
        std::vector<std::string> vart;      // after "Minden találat"
    };
    const Eset esetek[] = {
        {0, {5, 2, 0}, {"5 találat", "2 találat", "0 találat"}},
        {1, {7, 6, 5}, {"6 találat", "5+1 találat", "5 találat"}},
        {5, {12, 11, 10, 1}, {"6 találat", "5+1 találat", "5 találat", "0+1 találat"}},
        {24, {17, 16, 15, 14, 3}, {"5+2 találat", "5+1 találat", "5 találat", "4+2 találat", "1 találat"}},
    };
    for (const Eset& e : esetek) {
        const GameParams g = Jatek(e.jatek);
        TTombInt1D t(static_cast<std::size_t>(HuzKeresTalalatokMeret(g)), 0);
        for (std::int32_t v : e.ertekek)
            t[static_cast<std::size_t>(v)] = 1;
        const std::vector<KeresElem> elemek = KeresBoxElemek(g, t);
        ASSERT_EQ(elemek.size(), e.vart.size() + 1) << e.jatek;
        EXPECT_EQ(elemek[0].Szoveg, kMindenTalalat);
        for (std::size_t i = 0; i < e.vart.size(); ++i) {
            EXPECT_EQ(elemek[i + 1].Szoveg, e.vart[i]) << e.jatek;
            EXPECT_EQ(elemek[i + 1].Ertek, e.ertekek[i]) << e.jatek;
        }
        EXPECT_EQ(MindenKerTal(t), std::make_pair(e.ertekek.back(), e.ertekek.front()));
    }
    // The info rows: 6/45 in short labels with the bonus row under the full hit.
    const GameParams g = Jatek(1);
    const TTombInt1D t{9, 8, 7, 6, 5, 4, 3, 2};
    EXPECT_EQ(TalalatSorokSzovege(g, t), " 6   találat:       2\r\n"
                                         " 5+1 találat:       3\r\n"
                                         " 5   találat:       4\r\n"
                                         " 4   találat:       5\r\n"
                                         " 3   találat:       6\r\n"
                                         " 2   találat:       7\r\n"
                                         " 1   találat:       8\r\n"
                                         " 0   találat:       9\r\n");
    EXPECT_EQ(TalalatSorokSzovege(Jatek(0), {4, 3}), "   1 találat:       3\r\n   0 találat:       4\r\n");
}

TEST(HitSearch, ButtonHints)
{
    EXPECT_EQ(KeresGombTippek(true, true, false, "5 találat").Lepes, " Következő 5 találatos számsor ");
    EXPECT_EQ(KeresGombTippek(true, true, false, "5 találat").Vege, " Utolsó 5 találatos számsor ");
    EXPECT_EQ(KeresGombTippek(false, false, false, "5+1 találat").Lepes, " Első 5+1 találatos számsor kiválasztva ");
    EXPECT_EQ(KeresGombTippek(false, true, true, "Minden találat").Lepes, " Előző n találatos számsor ");
    EXPECT_EQ(KeresGombTippek(true, false, true, "Minden találat").Vege, " Utolsó n találatos számsor kiválasztva ");
}

// For every game: whatever the user can mark and whatever a draw row holds,
// a hit value stays inside the tally.
TEST(HitSearch, RandomMarksAndDrawsNeverPassTheTally)
{
    std::mt19937 gen(19);
    for (int jatek = 0; jatek < kJatekokSzama; ++jatek) {
        const GameParams g = Jatek(jatek);
        const std::int32_t meret = HuzKeresTalalatokMeret(g);
        for (int kor = 0; kor < 300; ++kor) {
            HuzKeresJelolesek j;
            j.Torles(g);
            for (int k = 0; k < 40; ++k) {
                const int n = std::uniform_int_distribution<int>(1, g.OsszesSzam)(gen);
                const int mod = std::uniform_int_distribution<int>(0, 3)(gen) == 0 ? 50 : 0;
                HuzKeresSzamClick(j, g, n, mod);
            }
            // A draw row of distinct numbers: main pool, extra pool, bonus.
            std::vector<int> fo(static_cast<std::size_t>(g.FoSzamKeszlet));
            for (int i = 0; i < g.FoSzamKeszlet; ++i)
                fo[static_cast<std::size_t>(i)] = i + 1;
            std::shuffle(fo.begin(), fo.end(), gen);
            TTombInt1D sor(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
            std::size_t f = 0;
            for (int s = 0; s < (g.TobbSorsolas ? 2 : 1); ++s) {
                const std::int32_t c = SzamsorOszlop(g, s);
                for (int i = 0; i < g.HuzottFoSzamokPluszNelkul; ++i)
                    sor[static_cast<std::size_t>(c + i)] = fo[f++ % fo.size()];
                for (int i = 0; i < g.PluszSzamDb; ++i)
                    sor[static_cast<std::size_t>(c + g.HuzottFoSzamokPluszNelkul + i)] =
                        g.FoSzamKeszlet + 1 + (i + kor) % std::max(1, g.PluszSzamKeszlet);
                for (int i = 0; i < g.PotSzamok; ++i)
                    sor[static_cast<std::size_t>(c + g.HuzottFoSzamok + i)] = fo[f++ % fo.size()];
                const std::int32_t v = HuzasTalalat(g, j, sor, c);
                ASSERT_GE(v, 0) << jatek;
                ASSERT_LT(v, meret) << "game " << jatek;
            }
        }
    }
}

}  // namespace
}  // namespace kvx
