#include "tickets/number_lists.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <vector>

#include "tickets_fixture.h"

namespace kvx {
namespace {

using teszt::bajtok;
using teszt::jatek;

struct Jegy {
    explicit Jegy(int index) : g(jatek(index)) { ListakInicializalasa(l, g, ms); }
    JelolesEredmeny jelol(int n, int mode, const BovitesAllapot& b = {})
    {
        return SzamKattintas(l, g, ms, n, mode, b, [this] { ++elott; });
    }
    GameParams g;
    SzamListak l;
    MainState ms;
    int elott = 0;
};

// At most SzamsorFoSzamDb - 2 fixed numbers; the next one is refused and the
// number is left unmarked.
TEST(NumberLists, FixedLimitPerGame)
{
    struct Eset {
        int jatek;
        int maxFix;
    };
    for (Eset e : {Eset{0, 3}, Eset{1, 4}, Eset{2, 5}, Eset{8, 8}, Eset{16, 0}, Eset{24, 3}, Eset{43, 4}}) {
        SCOPED_TRACE(e.jatek);
        Jegy j(e.jatek);
        for (int n = 1; n <= e.maxFix; ++n) {
            JelolesEredmeny r = j.jelol(n, ModFix);
            EXPECT_TRUE(r.Valtozott);
            EXPECT_TRUE(r.FixSzamUzenet);
            EXPECT_EQ(r.FormTagValtozas, 1);
        }
        JelolesEredmeny r = j.jelol(e.maxFix + 1, ModFix);
        EXPECT_FALSE(r.Valtozott);
        EXPECT_EQ(r.Informacio, "Nem lehetséges több fix szám kijelölése.");
        EXPECT_TRUE(r.ModVisszaallitas);
        EXPECT_EQ(j.l.FixSzamDb(), e.maxFix);
        EXPECT_EQ(SzamSzerepe(j.l, e.maxFix + 1), SzamSzerep::Nincs);
        EXPECT_EQ(j.l.VariacioMeret, j.g.SzamsorHossz - e.maxFix);
        EXPECT_EQ(j.l.VariacioFoMeret, j.g.SzamsorHossz - e.maxFix - j.g.PluszSzamDb);
    }
}

TEST(NumberLists, ExtraPoolNumberCannotBeFixed)
{
    Jegy j(24);  // EuroMillions: stars are 51..62
    JelolesEredmeny r = j.jelol(52, ModFix);
    EXPECT_TRUE(r.Elutasitva);
    EXPECT_EQ(r.Informacio, " Lucky Star szám nem jelölhető ki fix számként.");
    EXPECT_TRUE(r.ModVisszaallitas);
    EXPECT_EQ(j.elott, 0);  // the conditions are not cleared
    EXPECT_TRUE(j.l.FixSzamok.empty());
}

TEST(NumberLists, ExtraPoolNumbersStayAtTheEndInTheirOrder)
{
    Jegy j(24);
    for (int n : {3, 52, 17}) j.jelol(n, ModKijelolt);
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({3, 17, 52}));
    EXPECT_EQ(j.l.KijeloltPluszSzamDb, 1);
    EXPECT_EQ(j.l.KijeloltFoSzamDb, 2);
    EXPECT_EQ(j.l.KijeloltFoSzamFelso, 1);

    for (int n : {55, 9, 51}) j.jelol(n, n > 50 ? ModAllando : ModKijelolt);
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({3, 17, 9, 52, 55, 51}));
    EXPECT_EQ(j.l.KijeloltPluszSzamDb, 3);
    EXPECT_EQ(j.l.AllandoPluszSzamDb, 2);
    EXPECT_EQ(KijeloltPozicio(j.l, 9), 3);
    EXPECT_EQ(KijeloltPozicio(j.l, 4), 0);
}

// More numbers than one line: counted with the fixed numbers, and with an
// extra pool the main numbers must exceed a line while the extras fill theirs.
TEST(NumberLists, OverFullLine)
{
    struct Sor { int jatek; std::vector<int> kijelolt; std::vector<int> fix; bool tulteli; };
    const Sor sorok[] = {
        {0, {1, 2, 3, 4, 5}, {}, false},
        {0, {1, 2, 3, 4, 5, 6}, {}, true},
        {0, {1, 2, 3, 4}, {7, 8}, true},
        {24, {1, 2, 3, 4, 5, 6, 51}, {}, false},
        {24, {1, 2, 3, 4, 5, 6, 51, 52}, {}, true},
        {24, {1, 2, 3, 4, 5, 51, 52, 53}, {}, false},
    };
    for (const Sor& s : sorok) {
        Jegy j(s.jatek);
        for (int n : s.fix) j.jelol(n, ModFix);
        for (int n : s.kijelolt) j.jelol(n, ModKijelolt);
        EXPECT_EQ(SzamsorTulteli(j.l, j.g), s.tulteli) << s.jatek << " " << s.kijelolt.size() << "+" << s.fix.size();
    }
}

// "Saját számokkal" takes one whole line of constant numbers on an otherwise
// empty ticket; the disabled hint says how many to mark.
TEST(NumberLists, OwnNumbersSampleNeedsOneLineOfConstantNumbersOnly)
{
    struct Sor {
        int jatek;
        std::vector<int> allando;
        std::vector<int> kijelolt;
        std::vector<int> fix;
        bool bovites;
        bool engedelyezett;
    };
    const Sor sorok[] = {
        {3, {3, 9, 17, 26, 33}, {}, {}, false, true},
        {3, {3, 9, 17, 26}, {33}, {}, false, false},   // one plain number
        {3, {3, 9, 17, 26}, {}, {}, false, false},     // one short
        {3, {3, 9, 17, 26, 33, 34}, {}, {}, false, false},
        {3, {3, 9, 17, 26, 33}, {}, {1}, false, false},  // a fixed number besides
        {3, {3, 9, 17, 26, 33}, {}, {}, true, false},    // extension mode
        {15, {4, 40, 70}, {}, {}, false, true},
        {16, {4, 40}, {}, {}, false, false},             // not in this game
        {24, {1, 2, 3, 4, 5, 51, 52}, {}, {}, false, true},
        {24, {1, 2, 3, 4, 5, 51}, {6}, {}, false, false},
    };
    const std::string alap = " Példabontás (variáció) készítése saját számok alapján ";
    for (const Sor& s : sorok) {
        SCOPED_TRACE(testing::Message() << s.jatek << " " << s.allando.size() << "+" << s.kijelolt.size() << "+"
                                        << s.fix.size() << (s.bovites ? " bov" : ""));
        Jegy j(s.jatek);
        for (int n : s.fix) j.jelol(n, ModFix);
        for (int n : s.allando) j.jelol(n, ModAllando);
        for (int n : s.kijelolt) j.jelol(n, ModKijelolt);
        const SajatSzamokMenu m = SajatSzamokAllapot(j.l, j.g, s.bovites);
        EXPECT_EQ(m.Engedelyezett, s.engedelyezett);
        const std::string darab = s.jatek == 24 ? "5 + 2" : std::to_string(j.g.SzamsorFoSzamDb);
        EXPECT_EQ(m.Tipp, s.engedelyezett
                              ? alap
                              : alap + "\r\n Jelöljön ki az üres Főszelvényen " + darab + " állandó számot. ");
    }
}

// Constant and random numbers leave their lists by the exchange rule; the
// selected list keeps its order.
TEST(NumberLists, RemovalOrder)
{
    struct Eset {
        int torolt;
        TTombByte1D marad;
    };
    for (int mode : {ModAllando, ModVeletlen}) {
        for (const Eset& e : {Eset{7, bajtok({12, 3, 9})}, Eset{12, bajtok({3, 7, 9})}, Eset{3, bajtok({12, 7, 9})},
                              Eset{9, bajtok({12, 3, 7})}}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " remove " << e.torolt);
            Jegy j(0);
            for (int n : {3, 7, 9, 12}) j.jelol(n, mode);
            j.jelol(e.torolt, mode);
            EXPECT_EQ(mode == ModAllando ? j.l.AllandoSzamok : j.l.VeletlenSzamok, e.marad);
            TTombByte1D kijelolt = bajtok({3, 7, 9, 12});
            std::erase(kijelolt, static_cast<std::uint8_t>(e.torolt));
            EXPECT_EQ(j.l.KijeloltSzamok, kijelolt);
        }
    }
    Jegy j(0);
    for (int n : {5, 1, 8, 2}) j.jelol(n, ModKijelolt);
    j.jelol(1, ModKijelolt);
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({5, 8, 2}));
    for (int n : {20, 10, 30}) j.jelol(n, ModFix);
    j.jelol(10, ModFix);
    EXPECT_EQ(j.l.FixSzamok, bajtok({20, 30}));
    EXPECT_EQ(FixPozicio(j.l, 30), 2);
}

// Which click changes what, by the number's role and the marking mode.
TEST(NumberLists, ModesAgainstRoles)
{
    struct Eset {
        const char* nev;
        int szerepMod;  // how number 10 is marked first (-1: not marked)
        int kattintas;  // the mode of the click on 10
        SzamSzerep utana;
    };
    const Eset esetek[] = {
        {"plain click marks", -1, ModKijelolt, SzamSzerep::Kijelolt},
        {"plain click unmarks", ModKijelolt, ModKijelolt, SzamSzerep::Nincs},
        {"plain click unmarks a random number", ModVeletlen, ModKijelolt, SzamSzerep::Nincs},
        {"plain click leaves a fixed number", ModFix, ModKijelolt, SzamSzerep::Fix},
        {"plain click leaves a constant number", ModAllando, ModKijelolt, SzamSzerep::Allando},
        {"Ctrl on a selected number", ModKijelolt, ModAllando, SzamSzerep::Kijelolt},
        {"Shift on a selected number", ModKijelolt, ModFix, SzamSzerep::Kijelolt},
        {"Shift on a constant number", ModAllando, ModFix, SzamSzerep::Allando},
        {"Ctrl on a fixed number", ModFix, ModAllando, SzamSzerep::Fix},
        {"Ctrl on a random number", ModVeletlen, ModAllando, SzamSzerep::Veletlen},
        {"Ctrl unmarks a constant number", ModAllando, ModAllando, SzamSzerep::Nincs},
        {"Shift unmarks a fixed number", ModFix, ModFix, SzamSzerep::Nincs},
        {"random mode on a fixed number", ModFix, ModVeletlen, SzamSzerep::Fix},
        {"random mode on a constant number", ModAllando, ModVeletlen, SzamSzerep::Allando},
        {"mode 200 changes nothing", -1, ModShiftCtrl, SzamSzerep::Nincs},
        {"mode 300 changes nothing", ModKijelolt, ModAlt, SzamSzerep::Kijelolt},
        {"mode 350 changes nothing", ModFix, ModShiftAlt, SzamSzerep::Fix},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        Jegy j(0);
        if (e.szerepMod >= 0) j.jelol(10, e.szerepMod);
        j.ms.Mentve = true;
        const SzamSzerep elotte = SzamSzerepe(j.l, 10);
        const int elottDb = j.elott;
        JelolesEredmeny r = j.jelol(10, e.kattintas);
        EXPECT_EQ(SzamSzerepe(j.l, 10), e.utana);
        EXPECT_EQ(r.Valtozott, e.utana != elotte);
        EXPECT_EQ(j.ms.Mentve, !r.Valtozott);  // only a change clears the saved flag
        EXPECT_EQ(j.elott, elottDb + 1);       // the conditions are cleared on every click
        // Invariants: constant and random numbers are selected, fixed ones are not.
        for (std::uint8_t n : j.l.AllandoSzamok) EXPECT_TRUE(KijeloltE(j.l, n));
        for (std::uint8_t n : j.l.VeletlenSzamok) EXPECT_TRUE(KijeloltE(j.l, n));
        for (std::uint8_t n : j.l.FixSzamok) EXPECT_FALSE(KijeloltE(j.l, n));
    }
}

TEST(NumberLists, RandomNumberPicksOnlyFreeNumbersAndStopsWhenNoneIsLeft)
{
    Jegy j(0);
    j.jelol(2, ModKijelolt);
    j.jelol(4, ModFix);
    int hivasok = 0;
    std::pair<int, int> tartomany;
    VeletlenFuggveny rnd = [&](int lo, int hi) {
        ++hivasok;
        tartomany = {lo, hi};
        return 1;
    };
    JelolesEredmeny r = VeletlenSzamGeneralas(j.l, j.g, j.ms, 1, 5, rnd);
    EXPECT_EQ(tartomany, std::make_pair(0, 2));  // free: 1, 3, 5
    EXPECT_TRUE(r.Valtozott);
    EXPECT_EQ(j.l.VeletlenSzamok, bajtok({3}));
    EXPECT_TRUE(KijeloltE(j.l, 3));

    VeletlenSzamGeneralas(j.l, j.g, j.ms, 1, 5, [](int, int hi) { return hi; });
    VeletlenSzamGeneralas(j.l, j.g, j.ms, 1, 5, [](int lo, int) { return lo; });
    EXPECT_EQ(j.l.VeletlenSzamok, bajtok({3, 5, 1}));

    hivasok = 0;
    const SzamListak elotte = j.l;
    r = VeletlenSzamGeneralas(j.l, j.g, j.ms, 1, 5, rnd);
    EXPECT_TRUE(r.Elutasitva);
    EXPECT_EQ(r.Informacio, kNincsSzabadSzam);
    EXPECT_EQ(hivasok, 0);
    EXPECT_EQ(j.l.KijeloltSzamok, elotte.KijeloltSzamok);
    EXPECT_EQ(j.l.VeletlenSzamok, elotte.VeletlenSzamok);
}

// The random-numbers command: how many it may add, and what it adds. In
// extension mode the extra-pool numbers the variation had come back first.
TEST(NumberLists, RandomNumbersCommandAddsUpToTheCountAndEnds)
{
    struct Eset {
        const char* nev;
        int jatek;
        std::vector<int> kijelolt;
        std::vector<int> fix;
        BovitesAllapot bov;
        int maximum;
        int n;
        int kijeloltUtana;  // KijeloltSzamDb afterwards
        int pluszUtana;     // KijeloltPluszSzamDb afterwards
    };
    const Eset esetek[] = {
        {"free numbers of 5/90", 0, {2, 3}, {4}, {}, 87, 7, 9, 0},
        {"more than are free stops at the last one", 0, {}, {}, {}, 90, 95, 90, 0},
        {"extension: the extra-pool numbers first", 24, {1, 2, 3}, {}, {true, 7, 0, 2}, 4, 4, 7, 2},
        {"extension: never more than asked", 24, {1, 2, 3}, {}, {true, 7, 0, 2}, 4, 1, 4, 1},
        {"extension: the extended selection is whole", 0, {1, 2, 3, 4, 5, 6}, {}, {true, 6, 0, 0}, 0, 3, 6, 0},
    };
    std::mt19937 gen(7);
    const VeletlenFuggveny rnd = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        Jegy j(e.jatek);
        for (int n : e.kijelolt) j.jelol(n, ModKijelolt, e.bov);
        for (int n : e.fix) j.jelol(n, ModFix, e.bov);
        const SzamListak elotte = j.l;
        EXPECT_EQ(VeletlenSzamokMaximum(j.l, j.g, e.bov), e.maximum);
        const TobbJelolesEredmeny r = VeletlenSzamokKijelolese(j.l, j.g, j.ms, e.n, rnd, e.bov, [&j] { ++j.elott; });
        EXPECT_EQ(j.l.KijeloltSzamDb(), e.kijeloltUtana);
        EXPECT_EQ(j.l.KijeloltPluszSzamDb, e.pluszUtana);
        EXPECT_EQ(j.l.FixSzamok, elotte.FixSzamok);
        const int uj = e.kijeloltUtana - elotte.KijeloltSzamDb();
        EXPECT_EQ(j.l.VeletlenSzamDb(), uj);
        EXPECT_EQ(r.Valtozott, uj > 0);
        // Every new number is a distinct, free one of the ticket.
        std::set<int> latott(elotte.KijeloltSzamok.begin(), elotte.KijeloltSzamok.end());
        latott.insert(elotte.FixSzamok.begin(), elotte.FixSzamok.end());
        for (int n : j.l.VeletlenSzamok) {
            EXPECT_TRUE(n >= 1 && n <= j.g.OsszesSzam) << n;
            EXPECT_TRUE(latott.insert(n).second) << n;
        }
        for (const JelolesEredmeny& m : r.Jelolesek) EXPECT_TRUE(m.Figyelmeztetesek.empty());
    }
}

TEST(NumberLists, NumberOrderSortsMainAndExtraNumbersSeparately)
{
    Jegy j(24);
    for (int n : {17, 3, 52, 51, 40}) j.jelol(n, ModKijelolt);
    ASSERT_EQ(j.l.KijeloltSzamok, bajtok({17, 3, 40, 52, 51}));
    Szamsorrend(j.l, j.g, j.ms, 1, {});
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({3, 17, 40, 51, 52}));
    Szamsorrend(j.l, j.g, j.ms, 2, {});
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({40, 17, 3, 52, 51}));
    j.l.SzamsorrendAlkalmaz = false;
    Szamsorrend(j.l, j.g, j.ms, 1, {});
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({40, 17, 3, 52, 51}));
}

// Every order of the selection is equally likely (a swap with a position
// drawn from the whole list each time would favour some orders).
TEST(NumberLists, RandomOrderIsAFairShuffle)
{
    Jegy j(0);
    for (int n : {1, 2, 3}) j.jelol(n, ModKijelolt);
    std::mt19937 gen(12345);
    VeletlenFuggveny rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    std::map<int, int> db;  // order coded as three digits
    const int korok = 60000;
    for (int i = 0; i < korok; ++i) {
        Szamsorrend(j.l, j.g, j.ms, 3, rnd);
        const TTombByte1D& k = j.l.KijeloltSzamok;
        ++db[k[0] * 100 + k[1] * 10 + k[2]];
    }
    ASSERT_EQ(db.size(), 6u);
    for (const auto& [sorrend, n] : db) EXPECT_NEAR(n, korok / 6, korok / 60);
}

TEST(NumberLists, ClearingEmptiesEveryListAndResetsTheLineSize)
{
    Jegy j(0);
    j.jelol(1, ModFix);
    j.jelol(2, ModFix);
    for (int n : {10, 11}) j.jelol(n, ModAllando);
    for (int n : {20, 21}) j.jelol(n, ModVeletlen);
    for (int n : {30, 31, 32}) j.jelol(n, ModKijelolt);

    TobbJelolesEredmeny r = KijeloltSzamokTorlese(j.l, j.g, j.ms, {}, [&] { ++j.elott; });
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({10, 11, 20, 21}));  // constant and random stay
    EXPECT_TRUE(r.TeljesFrissites);

    j.l.SzamsorrendAlkalmaz = false;
    j.ms.Mentve = true;
    r = MindenSzamTorlese(j.l, j.g, j.ms);
    EXPECT_TRUE(r.Valtozott);
    EXPECT_TRUE(j.l.KijeloltSzamok.empty());
    EXPECT_TRUE(j.l.FixSzamok.empty());
    EXPECT_TRUE(j.l.AllandoSzamok.empty());
    EXPECT_TRUE(j.l.VeletlenSzamok.empty());
    EXPECT_EQ(j.l.VariacioMeret, 5);
    EXPECT_TRUE(j.l.SzamsorrendAlkalmaz);
    EXPECT_FALSE(j.ms.Mentve);
}

// Lists out of step (as a damaged file could leave them) still clear.
TEST(NumberLists, ClearingEndsOnInconsistentLists)
{
    Jegy j(0);
    j.l.KijeloltSzamok = bajtok({5, 0, 7});
    j.l.FixSzamok = bajtok({5, 0, 8});
    j.l.AllandoSzamok = bajtok({7, 9});
    j.l.VeletlenSzamok = bajtok({7});
    MindenSzamTorlese(j.l, j.g, j.ms);
    EXPECT_TRUE(j.l.KijeloltSzamok.empty());
    EXPECT_TRUE(j.l.FixSzamok.empty());
    EXPECT_TRUE(j.l.AllandoSzamok.empty());
    EXPECT_TRUE(j.l.VeletlenSzamok.empty());
}

TEST(NumberLists, SelectAllMarksTheFreeNumbersUpToCount)
{
    Jegy j(3);  // 35 numbers
    j.jelol(2, ModFix);
    j.jelol(4, ModKijelolt);
    MindenSzamKijelolese(j.l, j.g, j.ms, 6);
    EXPECT_EQ(j.l.KijeloltSzamok, bajtok({4, 1, 3, 5, 6}));
    EXPECT_TRUE(KijelolesMenuAllapot(j.l, j.g).Engedelyezett);
    MindenSzamKijelolese(j.l, j.g, j.ms, 35);
    KijelolesMenu m = KijelolesMenuAllapot(j.l, j.g);
    EXPECT_FALSE(m.Engedelyezett);
    EXPECT_EQ(m.KijelolesTipp, " Minden szám kijelölve ");
    EXPECT_EQ(m.VeletlenTipp, " Minden szám kijelölve ");
    // Nothing left: a random number is refused, not looked for forever.
    EXPECT_TRUE(VeletlenSzamGeneralas(j.l, j.g, j.ms, 1, 35, [](int lo, int) { return lo; }).Elutasitva);
}

// The clearing commands follow what the ticket holds, kind by kind.
TEST(NumberLists, ClearingCommandsNeedNumbersOfTheirKind)
{
    Jegy j(0);
    TorlesMenu m = TorlesMenuAllapot(j.l);
    for (const TorlesMenuPont* p : {&m.Torles, &m.Mind, &m.Kijelolt, &m.Fix, &m.Allando, &m.Veletlen})
        EXPECT_FALSE(p->Engedelyezett);
    EXPECT_EQ(m.Mind.Tipp, " Nincs kijelölt számsor ");
    EXPECT_EQ(m.Torles.Tipp, " Nincs kijelölt számsor ");
    EXPECT_EQ(m.Fix.Tipp, " Nincs kijelölve fix szám ");
    EXPECT_EQ(m.Allando.Tipp, " Nincs kijelölve állandó szám ");
    EXPECT_EQ(m.Veletlen.Tipp, " Nincs kijelölve véletlen szám ");

    // Only a fixed number: everything but the other kinds.
    j.jelol(1, ModFix);
    m = TorlesMenuAllapot(j.l);
    EXPECT_TRUE(m.Torles.Engedelyezett);
    EXPECT_TRUE(m.Mind.Engedelyezett);
    EXPECT_EQ(m.Mind.Tipp, " Minden szám törlése ");
    EXPECT_TRUE(m.Fix.Engedelyezett);
    EXPECT_EQ(m.Fix.Tipp, " Fix számok törlése ");
    EXPECT_FALSE(m.Kijelolt.Engedelyezett);
    EXPECT_EQ(m.Kijelolt.Tipp, " Nincs kijelölt szám ");
    EXPECT_FALSE(m.Allando.Engedelyezett);

    // Constant and random numbers alone leave no plain selected number.
    j.jelol(2, ModAllando);
    j.jelol(3, ModVeletlen);
    m = TorlesMenuAllapot(j.l);
    EXPECT_TRUE(m.Allando.Engedelyezett);
    EXPECT_TRUE(m.Veletlen.Engedelyezett);
    EXPECT_EQ(m.Veletlen.Tipp, " Véletlen számok törlése ");
    EXPECT_FALSE(m.Kijelolt.Engedelyezett);
    j.jelol(4, ModKijelolt);
    m = TorlesMenuAllapot(j.l);
    EXPECT_TRUE(m.Kijelolt.Engedelyezett);
    EXPECT_EQ(m.Kijelolt.Tipp, " Variáció számainak törlése ");
}

TEST(NumberLists, ExtensionModeWarnings)
{
    {
        Jegy j(0);
        BovitesAllapot b{true, 6, 0, 0};
        for (int n = 1; n <= 6; ++n) j.jelol(n, ModKijelolt, b);
        JelolesEredmeny r = j.jelol(7, ModKijelolt, b);
        ASSERT_EQ(r.Figyelmeztetesek.size(), 1u);
        EXPECT_EQ(r.Figyelmeztetesek[0], "1 számmal jelölt ki többet, mint a variáció 6 száma.\r\n\r\nTöröljön 1 számot.");
        EXPECT_TRUE(r.ModVisszaallitas);
        r = j.jelol(7, ModKijelolt, b);
        EXPECT_TRUE(r.BovitesVisszaallt);
        EXPECT_TRUE(r.Figyelmeztetesek.empty());
    }
    {
        Jegy j(0);
        BovitesAllapot b{true, 5, 2, 0};
        for (int n = 1; n <= 4; ++n) j.jelol(n, ModKijelolt, b);
        JelolesEredmeny r = j.jelol(5, ModKijelolt, b);
        ASSERT_EQ(r.Figyelmeztetesek.size(), 1u);
        EXPECT_EQ(r.Figyelmeztetesek[0], "Még 2 fix szám kijelölése szükséges.");
        j.jelol(6, ModFix, b);
        r = j.jelol(7, ModFix, b);
        EXPECT_TRUE(r.BovitesVisszaallt);
        r = j.jelol(8, ModFix, b);  // no more fixed numbers than the variation had
        EXPECT_EQ(r.Informacio, "Nem lehetséges több fix szám kijelölése.");
        EXPECT_EQ(j.l.FixSzamDb(), 2);
    }
    {
        Jegy j(24);
        BovitesAllapot b{true, 7, 0, 2};
        for (int n : {1, 2, 3, 4, 5, 51, 52}) j.jelol(n, ModKijelolt, b);
        JelolesEredmeny r = j.jelol(6, ModKijelolt, b);
        ASSERT_EQ(r.Figyelmeztetesek.size(), 1u);
        EXPECT_EQ(r.Figyelmeztetesek[0],
                  "1 törzsszámmal jelölt ki többet, mint a variáció 5 törzsszáma.\r\n\r\nTöröljön 1 törzsszámot.");
        r = j.jelol(53, ModKijelolt, b);
        ASSERT_EQ(r.Figyelmeztetesek.size(), 2u);
        EXPECT_EQ(r.Figyelmeztetesek[1], "1 Lucky Star számmal jelölt ki többet, mint a variáció 2 Lucky Star száma."
                                         "\r\n\r\nTöröljön 1 Lucky Star számot.");
    }
}

// In extension mode select-all fills the selection back up to the counts the
// extension began with, main numbers and extra-pool numbers each, and no
// further; outside it (or with nothing recorded) every free number is marked.
TEST(NumberLists, SelectAllInExtensionModeStopsAtTheRecordedCounts)
{
    struct Eset {
        const char* nev;
        int jatek;
        BovitesAllapot bov;
        std::vector<int> elotte;
        std::vector<int> utana;  // empty: every number of the ticket
    };
    const Eset esetek[] = {
        {"5/90 extension of 6", 0, {true, 6, 0, 0}, {10, 20, 30, 40}, {10, 20, 30, 40, 1, 2}},
        {"with a fixed number", 0, {true, 5, 1, 0}, {3}, {3, 1, 2, 4, 5}},
        {"main and extra counts", 24, {true, 7, 0, 2}, {5, 51}, {5, 1, 2, 3, 4, 51, 52}},
        {"outside extension mode", 3, {false, 0, 0, 0}, {7}, {}},
        {"nothing recorded", 3, {true, 0, 0, 0}, {7}, {}},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        Jegy j(e.jatek);
        for (int n : e.elotte) j.jelol(n, ModKijelolt);
        if (e.bov.BovitesFixSzamDb > 0) j.jelol(e.jatek == 0 ? 90 : 1, ModFix);
        const TobbJelolesEredmeny t = KijelolesMind(j.l, j.g, j.ms, e.bov, [&j] { ++j.elott; });
        if (e.utana.empty()) {
            EXPECT_EQ(j.l.KijeloltSzamDb() + j.l.FixSzamDb(), j.g.OsszesSzam);
            continue;
        }
        EXPECT_EQ(std::vector<int>(j.l.KijeloltSzamok.begin(), j.l.KijeloltSzamok.end()), e.utana);
        // The last mark brought the ticket back to the extended variation's numbers.
        ASSERT_FALSE(t.Jelolesek.empty());
        EXPECT_TRUE(t.Jelolesek.back().BovitesVisszaallt);
        EXPECT_FALSE(KijelolesMenuAllapot(j.l, j.g, e.bov).Engedelyezett);
        // A second select-all finds nothing to do.
        EXPECT_FALSE(KijelolesMind(j.l, j.g, j.ms, e.bov).Valtozott);
    }
}

TEST(NumberLists, ClearConfirmationQuestion)
{
    TorlesHelyzet h;
    h.BackFigyelmeztetes = "X ";
    EXPECT_FALSE(TorlesKerdes(0, h).has_value());  // nothing to delete
    h.VanSzam = true;
    EXPECT_EQ(TorlesKerdes(0, h), "X Biztos törli a kijelölt számokat?");
    h.FeltetelJelzo = true;
    EXPECT_EQ(TorlesKerdes(2, h), "X Biztos törli az állandó számokat és feltételeket?");
    h.VanVariacio = true;
    EXPECT_EQ(TorlesKerdes(1, h), "X Biztos törli a fix számokat, feltételeket és a variáció listáját?");
    h.FeltetelJelzo = false;
    EXPECT_EQ(TorlesKerdes(3, h), "X Biztos törli a véletlen számokat és a variáció listáját?");
    h.Mentve = true;
    EXPECT_FALSE(TorlesKerdes(3, h).has_value());
    h.Mentve = false;
    h.LetoltesFolyamatban = true;
    EXPECT_FALSE(TorlesKerdes(3, h).has_value());

    EXPECT_TRUE(TorlesElottiMentes(true, "tip", 0));
    EXPECT_FALSE(TorlesElottiMentes(true, "top", 0));
    EXPECT_TRUE(TorlesElottiMentes(true, "top", 10));
    EXPECT_FALSE(TorlesElottiMentes(false, "tip", 10));
}

}  // namespace
}  // namespace kvx
