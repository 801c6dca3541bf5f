#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

const Teglalap kMunka{0, 0, 1600, 1000};

bool benne(const Teglalap& t, const Teglalap& m)
{
    return t.Left >= m.Left && t.Top >= m.Top && t.Left + t.Width <= m.Left + m.Width &&
           t.Top + t.Height <= m.Top + m.Height;
}

// Main window filling a 1600 x 1000 screen; toolbar band 0..70.
ElhelyezesiKep kep()
{
    ElhelyezesiKep k;
    k.Fo = {0, 0, 1600, 1000, 1600, 975, 45, 45, 1.0};
    k.MunkaTerulet = kMunka;
    k.Eszkoztar = {0, 0, 1600, 70};
    k.Nyitott = {{AblakFajta::Foszelveny, {20, 80, 300, 350}}};
    return k;
}

TEST(AblakElhelyezes, FreeSpotsTable)
{
    const std::vector<Teglalap> ures;
    struct Eset {
        const char* mit;
        Teglalap kivant;
        std::vector<Teglalap> foglalt;
        Teglalap vart;
    };
    const Eset esetek[] = {
        {"a free spot is kept", {400, 100, 200, 100}, {{0, 0, 300, 300}}, {400, 100, 200, 100}},
        {"off the right edge: pulled in", {1500, 100, 200, 100}, {}, {1400, 100, 200, 100}},
        {"off the top-left: pulled in", {-50, -20, 200, 100}, {}, {0, 0, 200, 100}},
        {"over a window: beside it, nearest to the spot", {100, 100, 200, 100}, {{0, 0, 400, 300}}, {100, 310, 200, 100}},
    };
    for (const Eset& e : esetek) {
        const Teglalap t = SzabadHely(e.kivant, e.kivant.Width, e.kivant.Height, e.foglalt, ures, kMunka, 10);
        EXPECT_EQ(t, e.vart) << e.mit;
    }
}

TEST(AblakElhelyezes, BesideItsPartnerBeforeItsOwnSpot)
{
    // The spot is free, but the partner stands elsewhere: the window goes
    // beside the partner, 10 pixels off.
    const Teglalap tars{800, 400, 200, 200};
    const Teglalap t = SzabadHely({0, 0, 100, 100}, 100, 100, {tars}, {tars}, kMunka, 10);
    EXPECT_EQ(Atfedes(t, tars), 0);
    const int dx = std::max(t.Left - (tars.Left + tars.Width), tars.Left - (t.Left + t.Width));
    const int dy = std::max(t.Top - (tars.Top + tars.Height), tars.Top - (t.Top + t.Height));
    EXPECT_EQ(std::max(dx, dy), 10);
}

TEST(AblakElhelyezes, NoRoomShrinksLeastOverlapNeverOffScreen)
{
    // Only a 300-pixel band is free under the obstacle.
    const std::vector<Teglalap> foglalt{{0, 0, 1600, 700}};
    // A window that may shrink takes the band, made lower.
    const Teglalap kicsi = SzabadHely({100, 100, 500, 500}, 500, 200, foglalt, {}, kMunka, 10);
    EXPECT_EQ(kicsi, (Teglalap{100, 710, 500, 290}));
    // One that may not covers the least it can and stays on the screen.
    const Teglalap merev = SzabadHely({100, 100, 500, 500}, 500, 500, foglalt, {}, kMunka, 10);
    EXPECT_TRUE(benne(merev, kMunka));
    EXPECT_EQ(merev.Top, 500);
    EXPECT_EQ(merev.Height, 500);
    // Larger than the work area: cut to it.
    const Teglalap nagy = SzabadHely({0, 0, 2000, 1200}, 2000, 1200, {}, {}, kMunka, 10);
    EXPECT_EQ(nagy, kMunka);
}

TEST(AblakElhelyezes, OpenWindowGivesWay)
{
    const Teglalap nyitott{600, 80, 900, 900};
    // It may shrink to 900 x 300: its bottom edge goes up.
    EXPECT_EQ(Kiter(nyitott, 900, 300, {600, 700, 900, 300}, 10), (Teglalap{600, 80, 900, 610}));
    // Its top edge comes down.
    EXPECT_EQ(Kiter(nyitott, 900, 300, {600, 80, 900, 300}, 10), (Teglalap{600, 390, 900, 590}));
    // Not below its smallest size, and not at all for a window that keeps its size.
    EXPECT_FALSE(Kiter(nyitott, 900, 800, {600, 700, 900, 300}, 10));
    EXPECT_FALSE(Kiter(nyitott, 0, 0, {600, 700, 900, 300}, 10));
    // No overlap: it stays.
    EXPECT_EQ(Kiter(nyitott, 900, 300, {0, 0, 100, 100}, 10), nyitott);
}

TEST(AblakElhelyezes, ConditionsBesideTicketOffToolbar)
{
    ElhelyezesiKep k = kep();
    // The conditions window's first spot is beside the ticket; it never
    // covers the toolbar band.
    const Teglalap t = AblakHelye(AblakFajta::Feltetelek, k, {0, 0, 700, 600}, true, 700, 600);
    EXPECT_GT(t.Left, 20 + 300);
    EXPECT_LE(t.Left, 20 + 300 + 20);
    EXPECT_GE(t.Top, 70);
    EXPECT_EQ(Atfedes(t, k.Nyitott[0].Hely), 0);

    // The run window then goes beside the conditions window, over neither.
    k.Nyitott.push_back({AblakFajta::Feltetelek, t});
    const Teglalap b = AblakHelye(AblakFajta::Bontas, k, {0, 0, 500, 400}, true, 500, 400);
    for (const NyitottAblak& n : k.Nyitott)
        EXPECT_EQ(Atfedes(b, n.Hely), 0);
    EXPECT_EQ(Atfedes(b, k.Eszkoztar), 0);
    EXPECT_TRUE(benne(b, kMunka));
}

TEST(AblakElhelyezes, AnOpenWindowMovesToMakeRoom)
{
    // Under the run window a list of fixed size stands where the wide
    // conditions window could go; moved aside, it leaves room for both.
    ElhelyezesiKep k = kep();
    k.Nyitott.push_back({AblakFajta::Bontas, {330, 80, 1270, 500}});
    k.Nyitott.push_back({AblakFajta::BontLista, {1000, 590, 400, 300}});
    const Elhelyezes e = AblakHelyeAtrendezessel(AblakFajta::Feltetelek, k, {0, 0, 1100, 300}, true, 1100, 300);
    ASSERT_EQ(e.Kiteresek.size(), 1u);
    EXPECT_EQ(e.Kiteresek[0].first, 2u);
    std::vector<Teglalap> mind{k.Eszkoztar, k.Nyitott[0].Hely, k.Nyitott[1].Hely, e.Kiteresek[0].second, e.Hely};
    for (std::size_t i = 0; i < mind.size(); ++i) {
        EXPECT_TRUE(benne(mind[i], kMunka)) << i;
        for (std::size_t j = i + 1; j < mind.size(); ++j)
            EXPECT_EQ(Atfedes(mind[i], mind[j]), 0) << i << " " << j;
    }
}

TEST(AblakElhelyezes, LaterShowingKeepsAFreePlace)
{
    const ElhelyezesiKep k = kep();
    const Teglalap hol{900, 500, 300, 200};
    EXPECT_EQ(AblakHelye(AblakFajta::HuzLista, k, hol, false, 300, 200), hol);
    // The first showing puts a list at the main window's right.
    const Teglalap elso = AblakHelye(AblakFajta::HuzLista, k, hol, true, 300, 200);
    EXPECT_EQ(elso.Left + elso.Width, 1600);
}

TEST(AblakElhelyezes, PartnerRulesTable)
{
    // Main window 0..1600 x 0..1000, toolbar band to 70, first row under
    // the toolbar 80, status bar from 975; the main ticket at the left.
    const Teglalap fo{20, 80, 300, 350};
    struct Eset {
        const char* mit;
        AblakFajta fajta;
        std::vector<NyitottAblak> nyitott;  // besides the main ticket
        Teglalap ablak;
        bool elso;
        Teglalap vart;
    };
    const Teglalap lista{900, 80, 400, 500};
    const Eset esetek[] = {
        {"draw entry: left of the list, at its top", AblakFajta::HuzBe, {{AblakFajta::HuzLista, lista}},
         {0, 0, 300, 200}, true, {585, 80, 300, 200}},
        {"draw entry: never further left than the main window + 15", AblakFajta::HuzBe,
         {{AblakFajta::HuzLista, {200, 80, 400, 500}}}, {0, 0, 300, 200}, true, {15, 80, 300, 200}},
        {"entry ticket: under the entry while it ends above the status bar", AblakFajta::HuzBeSzelveny,
         {{AblakFajta::HuzBe, {585, 80, 300, 200}}}, {0, 0, 320, 360}, true, {585, 295, 320, 360}},
        {"entry ticket: right of the entry when under it reaches the status bar", AblakFajta::HuzBeSzelveny,
         {{AblakFajta::HuzBe, {585, 500, 300, 200}}}, {0, 0, 320, 360}, true, {900, 500, 320, 360}},
        {"entry ticket: under the entry when right of it leaves the main window", AblakFajta::HuzBeSzelveny,
         {{AblakFajta::HuzBe, {1300, 500, 300, 200}}}, {0, 0, 320, 360}, true, {1300, 715, 320, 360}},
        {"auxiliary ticket: left of the list when that is free", AblakFajta::HuzSzelveny,
         {{AblakFajta::HuzLista, lista}}, {0, 0, 320, 360}, true, {565, 80, 320, 360}},
        {"auxiliary ticket: right of the list when the left holds the main ticket", AblakFajta::BontSzelveny,
         {{AblakFajta::BontLista, {500, 80, 400, 500}}}, {0, 0, 320, 360}, true, {915, 80, 320, 360}},
        {"auxiliary ticket: left of the list when the right does not fit either", AblakFajta::BontSzelveny,
         {{AblakFajta::BontLista, {500, 80, 1000, 500}}}, {0, 0, 320, 360}, true, {165, 80, 320, 360}},
        {"auxiliary ticket: at the main window's left + 15 when neither side fits", AblakFajta::HuzSzelveny,
         {{AblakFajta::HuzLista, {100, 80, 1400, 500}}}, {0, 0, 320, 360}, true, {15, 80, 320, 360}},
        {"run window: centred on the main window at every showing, its top kept", AblakFajta::Bontas,
         {}, {30, 600, 500, 400}, false, {550, 600, 500, 400}},
        {"main ticket: under the toolbar at the main window's left + 20", AblakFajta::Foszelveny, {},
         {400, 400, 300, 350}, false, {20, 80, 300, 350}},
        {"check ticket: centred at its first showing", AblakFajta::BontEllSzelveny, {},
         {100, 500, 400, 300}, true, {600, 350, 400, 300}},
        {"check ticket: back where it stood inside the main window", AblakFajta::BontEllSzelveny, {},
         {100, 500, 400, 300}, false, {100, 500, 400, 300}},
        {"check ticket: centred when it stood partly outside", AblakFajta::BontEllSzelveny, {},
         {1400, 100, 400, 300}, false, {600, 350, 400, 300}},
        {"draw search ticket: centred at its first showing, not beside the list", AblakFajta::HuzKeresSzelveny,
         {{AblakFajta::HuzLista, lista}}, {100, 500, 400, 300}, true, {600, 350, 400, 300}},
        {"draw search ticket: back where it stood inside the main window", AblakFajta::HuzKeresSzelveny,
         {{AblakFajta::HuzLista, lista}}, {100, 500, 400, 300}, false, {100, 500, 400, 300}},
        {"draw search ticket: centred when it stood partly outside", AblakFajta::HuzKeresSzelveny, {},
         {-50, 500, 400, 300}, false, {600, 350, 400, 300}},
    };
    for (const Eset& e : esetek) {
        ElhelyezesiKep k = kep();
        k.StatusSorTeto = 975;
        k.Nyitott.front().Hely = fo;
        for (const NyitottAblak& n : e.nyitott)
            k.Nyitott.push_back(n);
        EXPECT_EQ(KivantHely(e.fajta, k, e.ablak, e.elso), e.vart) << e.mit;
    }
}

TEST(AblakElhelyezes, AListAtTheLeftMovesRightForItsTicket)
{
    // The draws list stands at the main window's left, its ticket fits on
    // neither side: the list goes to the main window's right, the ticket
    // left of it.
    ElhelyezesiKep k = kep();
    k.Nyitott.front().Hely = {20, 80, 300, 350};
    k.Nyitott.push_back({AblakFajta::HuzLista, {300, 500, 1000, 400}});
    const Elhelyezes e = AblakHelyeAtrendezessel(AblakFajta::HuzSzelveny, k, {0, 0, 320, 360}, true, 320, 360);
    ASSERT_EQ(e.Kiteresek.size(), 1u);
    EXPECT_EQ(e.Kiteresek[0].first, 1u);
    const Teglalap lista = e.Kiteresek[0].second;
    EXPECT_EQ(lista, (Teglalap{600, 500, 1000, 400}));
    EXPECT_EQ(e.Hely, (Teglalap{265, 500, 320, 360}));
    EXPECT_EQ(Atfedes(e.Hely, k.Nyitott.front().Hely), 0);
}

TEST(AblakElhelyezes, EntryWindowsAndAGrownWindowLeaveTheOthersFree)
{
    ElhelyezesiKep k = kep();
    k.StatusSorTeto = 975;
    // The draws list with its auxiliary ticket at its left: the draw entry
    // and its ticket go where they cover neither.
    k.Nyitott.push_back({AblakFajta::HuzLista, {1100, 80, 400, 500}});
    k.Nyitott.push_back({AblakFajta::HuzSzelveny, {765, 80, 320, 360}});
    const Teglalap be = AblakHelye(AblakFajta::HuzBe, k, {0, 0, 300, 200}, true, 300, 200);
    EXPECT_GE(be.Left, 15);
    for (const NyitottAblak& n : k.Nyitott)
        EXPECT_EQ(Atfedes(be, n.Hely), 0);
    k.Nyitott.push_back({AblakFajta::HuzBe, be});
    const Teglalap t = AblakHelye(AblakFajta::HuzBeSzelveny, k, {0, 0, 320, 360}, true, 320, 360);
    for (const NyitottAblak& n : k.Nyitott)
        EXPECT_EQ(Atfedes(t, n.Hely), 0);

    // A window that grew over the run window where it stood (a statistic's
    // chart arrived) is moved off it at its next placement.
    ElhelyezesiKep s = kep();
    s.Nyitott.push_back({AblakFajta::Bontas, {550, 80, 500, 400}});
    const Teglalap nott{400, 300, 700, 500};
    ASSERT_GT(Atfedes(nott, s.Nyitott.back().Hely), 0);
    const Teglalap uj = AblakHelye(AblakFajta::Statisztika, s, nott, false, 700, 500);
    for (const NyitottAblak& n : s.Nyitott)
        EXPECT_EQ(Atfedes(uj, n.Hely), 0);
    EXPECT_TRUE(benne(uj, kMunka));

    // No free place is left for the statistics window (it may only become
    // lower): it covers the lists at the right rather than the run window.
    ElhelyezesiKep z = kep();
    z.Nyitott.push_back({AblakFajta::Bontas, {147, 425, 704, 461}});
    z.Nyitott.push_back({AblakFajta::HuzSzelveny, {857, 80, 321, 480}});
    z.Nyitott.push_back({AblakFajta::HuzLista, {1193, 80, 383, 428}});
    const Teglalap stat = AblakHelye(AblakFajta::Statisztika, z, {761, 547, 839, 453}, true, 839, 300);
    EXPECT_EQ(Atfedes(stat, z.Nyitott[1].Hely), 0);
    EXPECT_TRUE(benne(stat, kMunka));
    // Any other window takes the least overlap, the run window's too.
    const Teglalap egyeb = AblakHelye(AblakFajta::Egyeb, z, {761, 547, 839, 453}, true, 839, 300);
    EXPECT_GT(Atfedes(egyeb, z.Nyitott[1].Hely), 0);
}

TEST(AblakElhelyezes, WindowsStayUnderTheToolbarBandAtTheTop)
{
    struct Eset {
        const char* mit;
        Teglalap sav;
        Teglalap vart;
    };
    const Eset esetek[] = {
        {"under the band at the top", {0, 0, 1600, 70}, {0, 70, 1600, 930}},
        {"a main window lowered on the screen: the whole area", {0, 150, 1600, 70}, {0, 0, 1600, 1000}},
        {"a band leaving less than half the area: the whole area", {0, 0, 1600, 600}, {0, 0, 1600, 1000}},
        {"no band", {0, 0, 0, 0}, {0, 0, 1600, 1000}},
    };
    for (const Eset& e : esetek)
        EXPECT_EQ(AblakTerulet(kMunka, e.sav), e.vart) << e.mit;
}

// Where a window must lie over another, it keeps off that one's buttons,
// keeps its own out from under a window that stays above it, and spares the
// buttons of the window it works with before any other's (where covering
// the least would do otherwise).
TEST(AblakElhelyezes, WhereItMustOverlapItHidesNoButton)
{
    {
        // An open window with its buttons along its bottom fills the right:
        // the new one, too wide for the room at the left, lies over its
        // upper part, not low over the buttons.
        ElhelyezesiKep k = kep();
        const Teglalap gombok{420, 930, 1160, 40};
        k.Nyitott.push_back({AblakFajta::Egyeb, {400, 80, 1200, 900}});
        k.Nyitott.back().Gombok = {gombok};
        const Teglalap t = AblakHelye(AblakFajta::Egyeb, k, {0, 0, 500, 400}, true, 500, 400);
        EXPECT_TRUE(benne(t, {0, 70, 1600, 930}));
        EXPECT_GT(Atfedes(t, k.Nyitott.back().Hely), 0);
        EXPECT_EQ(Atfedes(t, gombok), 0);
    }
    {
        // A window that stays above it at the top, another one at the
        // bottom: its buttons along its top go under the upper one's bottom,
        // though it then covers more of the lower one.
        ElhelyezesiKep k = kep();
        k.Nyitott = {{AblakFajta::Egyeb, {300, 70, 1300, 600}}, {AblakFajta::Egyeb, {0, 700, 1600, 300}}};
        k.Nyitott[0].Felul = true;
        k.SajatGombok = {{0, 0, 400, 30}};
        const Teglalap t = AblakHelye(AblakFajta::Egyeb, k, {0, 0, 400, 300}, true, 400, 300);
        EXPECT_EQ(Atfedes({t.Left, t.Top, 400, 30}, k.Nyitott[0].Hely), 0);
    }
    {
        // Two lists with their buttons along their tops share the screen; an
        // auxiliary ticket of the full height lies over the other's buttons,
        // more of them, not over those of its own list.
        ElhelyezesiKep k = kep();
        k.Nyitott = {{AblakFajta::BontLista, {0, 70, 800, 930}}, {AblakFajta::HuzLista, {800, 70, 800, 930}}};
        k.Nyitott[0].Gombok = {{0, 70, 800, 20}};
        k.Nyitott[1].Gombok = {{800, 70, 800, 60}};
        const Teglalap t = AblakHelye(AblakFajta::BontSzelveny, k, {0, 0, 500, 930}, true, 500, 930);
        EXPECT_GE(t.Left, 800);
    }
    {
        // The main ticket at the left, a list with its buttons along its top
        // at the right, and a window too wide to keep off both: an
        // auxiliary ticket of the list covers the main ticket rather than
        // the buttons of its list; any other window the list's buttons
        // rather than the main ticket.
        ElhelyezesiKep k = kep();
        k.Nyitott = {{AblakFajta::Foszelveny, {0, 70, 700, 930}}, {AblakFajta::BontLista, {700, 70, 900, 930}}};
        k.Nyitott[0].Gombok = {k.Nyitott[0].Hely};
        k.Nyitott[1].Gombok = {{700, 70, 900, 40}};
        const Teglalap jegy = AblakHelye(AblakFajta::BontSzelveny, k, {0, 0, 800, 930}, true, 800, 930);
        EXPECT_EQ(jegy.Left, 0);
        const Teglalap mas = AblakHelye(AblakFajta::Egyeb, k, {0, 0, 800, 930}, true, 800, 930);
        EXPECT_GE(mas.Left, 700);
    }
}

TEST(AblakElhelyezes, AnOpenWindowMovesOffTheButtons)
{
    // A window nearly as large as the area must lie over a small list and
    // its buttons and over a window at the top left; the list moves to the
    // strip left free, off the new window's buttons.
    ElhelyezesiKep k = kep();
    k.Nyitott = {{AblakFajta::Egyeb, {0, 70, 450, 300}}, {AblakFajta::BontLista, {600, 400, 400, 200}}};
    k.Nyitott[1].Gombok = {{600, 560, 400, 40}};
    k.SajatGombok = {{0, 860, 1200, 40}};
    const Teglalap uj{0, 0, 1200, 900};
    const Elhelyezes e = AblakHelyeAtrendezessel(AblakFajta::Egyeb, k, uj, true, uj.Width, uj.Height);
    ASSERT_EQ(e.Kiteresek.size(), 1u);
    EXPECT_EQ(e.Kiteresek[0].first, 1u);
    ElhelyezesiKep utana = k;
    utana.Nyitott[1].Hely = e.Kiteresek[0].second;
    const Teglalap& lista = utana.Nyitott[1].Hely;
    utana.Nyitott[1].Gombok = {{lista.Left, lista.Top + 160, 400, 40}};
    EXPECT_EQ(lista.Width, 400);
    EXPECT_EQ(lista.Height, 200);
    EXPECT_EQ(RejtettGombok(e.Hely, utana), RejtettTerulet{});
    EXPECT_TRUE(benne(lista, {0, 70, 1600, 930}));
}

TEST(AblakElhelyezes, KnownNames)
{
    EXPECT_EQ(AblakFajtaNevbol("FSz"), AblakFajta::Foszelveny);
    EXPECT_EQ(AblakFajtaNevbol("Feltetelek"), AblakFajta::Feltetelek);
    EXPECT_EQ(AblakFajtaNevbol("BSz"), AblakFajta::BontSzelveny);
    EXPECT_EQ(AblakFajtaNevbol("msgdlg"), AblakFajta::Egyeb);
}

}  // namespace
}  // namespace kvx
