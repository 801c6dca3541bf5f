#include "app/window_geometry.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

// Main window at (100, 50), frame 1000 x 700, client 990 x 660, toolbar 30.
FoablakMeretek foablak()
{
    FoablakMeretek f;
    f.Left = 100;
    f.Top = 50;
    f.Width = 1000;
    f.Height = 700;
    f.ClientWidth = 990;
    f.ClientHeight = 660;
    f.ToolBarHeight = 30;
    f.Image1Top = 60;
    f.MeretSzorzo = 1.25;
    return f;
}

TEST(AblakHelyezes, TopBelowToolbar)
{
    const FoablakMeretek f = foablak();
    EXPECT_EQ(GetFormSetTop(f), 700 + 50 + 30 + 13 - 660);  // 133
    // Without the keep flag every form goes below the toolbar.
    EXPECT_EQ(FormSetTop(f, {300, 400, 200, 100}, false), (Teglalap{300, 133, 200, 100}));
    // With it a form inside the band stays where it is ...
    EXPECT_EQ(FormSetTop(f, {300, 400, 200, 100}, true), (Teglalap{300, 400, 200, 100}));
    // ... a form above the picture does not.
    EXPECT_EQ(FormSetTop(f, {300, 100, 200, 100}, true).Top, 133);
    // A form that would reach below the main window goes up to the toolbar.
    EXPECT_EQ(FormSetTop(f, {300, 0, 200, 650}, false).Top, 50 + 30);
}

TEST(AblakHelyezes, LeftAndCentre)
{
    const FoablakMeretek f = foablak();
    EXPECT_EQ(FormSetLeft(f, {0, 0, 300, 100}).Left, 990 + 100 - 300);
    // Inside: untouched; sticking out: centred horizontally.
    EXPECT_EQ(FormSetTopLeftCenter(f, {200, 100, 300, 100}, true), (Teglalap{200, 100, 300, 100}));
    EXPECT_EQ(FormSetTopLeftCenter(f, {900, 100, 300, 100}, false).Left, 100 + 500 - 150);
    // Vertically: centred, and a form taller than the main window stays below the toolbar.
    EXPECT_EQ(FormSetTopLeftCenter(f, {200, 0, 300, 100}, true).Top, 50 + 350 - 50);
    EXPECT_EQ(FormSetTopLeftCenter(f, {200, 0, 300, 900}, true).Top, 50 + 30);
    EXPECT_EQ(FormSetLeftCustom(f, {50, 0, 300, 100}, 8).Left, 108);
    EXPECT_EQ(FormSetLeftCustom(f, {900, 0, 300, 100}, 8).Left, 790);
    EXPECT_EQ(FormSetLeftCustom(f, {300, 0, 300, 100}, 8).Left, 300);
}

// The conditions window stands beside the main ticket and leaves it free.
TEST(AblakHelyezes, ConditionsWindowBesideTheTicket)
{
    const Teglalap fo{100, 50, 1600, 900};
    const Teglalap jegy{110, 100, 300, 400};
    struct Eset {
        Teglalap foablak;
        std::optional<Teglalap> szelveny;
        int szelesseg;
        int bal;
    };
    const Eset esetek[] = {
        {fo, jegy, 700, 110 + 300 + 20},             // beside the ticket
        {fo, jegy, 1300, 100 + 20},                  // would reach past the main window
        {fo, std::nullopt, 700, 100 + 20},           // no ticket shown
        {{100, 50, 800, 600}, jegy, 500, 100 + 800 - 500 - 20},  // narrow main window
    };
    for (const Eset& e : esetek) {
        const int bal = FeltetelekBal(e.foablak, e.szelveny, e.szelesseg);
        EXPECT_EQ(bal, e.bal);
        if (e.szelveny && e.foablak.Width > 800 && bal != e.foablak.Left + 20) {
            EXPECT_GE(bal, e.szelveny->Left + e.szelveny->Width);
        }
    }
}

TEST(AblakHelyezes, WaitWindowNearTheMouse)
{
    const FoablakMeretek f = foablak();
    EXPECT_EQ(egerMelleHelyezes(f, {100, 100, 404, 51}, 400, 300), (Teglalap{370, 270, 404, 51}));
    // Too far right or down: pulled back inside.
    EXPECT_EQ(egerMelleHelyezes(f, {800, 680, 404, 51}, 400, 300), (Teglalap{576, 609, 404, 51}));
}

TEST(AblakHelyezes, OversizeWarning)
{
    KepernyoMeretek kicsi{1366, 728, 1366, 768};
    EXPECT_FALSE(formMeretFigyelmeztetes(" X", 800, 600, false, kicsi, 8).has_value());
    auto mindketto = formMeretFigyelmeztetes(" X", 1400, 800, true, kicsi, 10);
    ASSERT_TRUE(mindketto);
    EXPECT_NE(mindketto->find("A(z) X ablak magassága és szélessége meghaladja"), std::string::npos);
    // 768 rows: always the resolution advice.
    EXPECT_NE(mindketto->find("Kijelző aktuális felbontása: 1366 x 768 képpont."), std::string::npos);
    EXPECT_TRUE(mindketto->ends_with("\r\n\r\nErre legközelebb is emlékeztesse a program?"));

    KepernyoMeretek nagy{1920, 1040, 1920, 1080};
    auto magas = formMeretFigyelmeztetes(" X", 800, 1100, true, nagy, 10);
    ASSERT_TRUE(magas);
    EXPECT_NE(magas->find("ablak magassága meghaladja"), std::string::npos);
    EXPECT_NE(magas->find("\r\n\r\n\r\nA program ablaka méretezhető."), std::string::npos);
    auto szeles = formMeretFigyelmeztetes(" X", 2000, 600, true, nagy, 10);
    ASSERT_TRUE(szeles);
    EXPECT_NE(szeles->find("Csökkentse a Beállítások"), std::string::npos);
    auto kisBetu = formMeretFigyelmeztetes(" X", 2000, 600, true, nagy, 8);
    ASSERT_TRUE(kisBetu);
    EXPECT_NE(kisBetu->find("Lehetséges oka:"), std::string::npos);
    EXPECT_NE(kisBetu->find("Válassza a Windows alapértelmezett beállításait."), std::string::npos);
}

TEST(AblakHelyezes, MenuFontSize)
{
    EXPECT_EQ(menuBetuMeret(8, 0), 8);
    EXPECT_EQ(menuBetuMeret(10, 1), 10);
    EXPECT_EQ(menuBetuMeret(14, 3), 12);
}

}  // namespace
}  // namespace kvx

namespace {

// A main window at (100, 50), 1200 x 800 on a 1920 x 1040 work area, with a
// main ticket at its left and a list window at its right.
struct KovetesSor {
    const char* eset;
    kvx::Teglalap uj;                 // the main window after the change
    kvx::Teglalap foszelveny, lista;  // expected places
};

}  // namespace

TEST(WindowFollow, WindowsFollowTheMainWindow)
{
    const kvx::Teglalap elozo{100, 50, 1200, 800};
    const kvx::Teglalap munka{0, 0, 1920, 1040};
    const kvx::Teglalap fsz{120, 130, 300, 400};
    const kvx::Teglalap lista{800, 130, 400, 500};
    const KovetesSor sorok[] = {
        {"drag 30 right", {130, 50, 1200, 800}, {150, 130, 300, 400}, {830, 130, 400, 500}},
        {"drag 20 down, 10 left", {90, 70, 1200, 800}, {110, 150, 300, 400}, {790, 150, 400, 500}},
        {"widen 50 at the right edge", {100, 50, 1250, 800}, fsz, {850, 130, 400, 500}},
        {"widen 50 at the left edge", {50, 50, 1250, 800}, {70, 130, 300, 400}, lista},
        {"narrow 50 at the right edge", {100, 50, 1150, 800}, fsz, {750, 130, 400, 500}},
        {"narrow 50 at the left edge", {150, 50, 1150, 800}, {170, 130, 300, 400}, lista},
        {"taller only", {100, 50, 1200, 900}, fsz, lista},
    };
    for (const KovetesSor& s : sorok) {
        SCOPED_TRACE(s.eset);
        kvx::FoablakMeretek f;
        f.Left = s.uj.Left;
        f.Top = s.uj.Top;
        f.Width = s.uj.Width;
        f.Height = s.uj.Height;
        f.ClientWidth = s.uj.Width - 16;
        f.ClientHeight = s.uj.Height - 39;
        f.ToolBarHeight = 27;
        const auto ki = kvx::WindowPosChanging(elozo, f, munka, {{fsz, true}, {lista, false}});
        ASSERT_EQ(ki.size(), 2u);
        EXPECT_EQ(ki[0], s.foszelveny);
        EXPECT_EQ(ki[1], s.lista);
    }
}

TEST(WindowFollow, WindowsStayOnTheWorkAreaAndInsideTheMainWindow)
{
    const kvx::Teglalap munka{0, 0, 1920, 1040};
    kvx::FoablakMeretek f;
    f.Left = 100;
    f.Top = 50;
    f.Width = 1300;
    f.Height = 800;
    f.ClientWidth = 1284;
    f.ClientHeight = 761;
    f.ToolBarHeight = 27;
    // Widening by 100 would push the list past the work area's right edge:
    // it keeps its place and is then pulled inside the main window.
    const auto ki = kvx::WindowPosChanging({100, 50, 1200, 800}, f, munka, {{{1450, 130, 400, 500}, false}});
    EXPECT_EQ(ki[0].Left, 100 + 1300 - 20 - 400);
    // Moved up so far that a window would leave the work area: it goes under the toolbar.
    const auto fent = kvx::WindowPosChanging({100, 350, 1300, 800}, f, munka, {{{300, 100, 400, 300}, false}});
    EXPECT_EQ(fent[0].Top, kvx::GetFormSetTop(f));
    EXPECT_EQ(fent[0].Left, 300);
    // Nothing moved: nothing changes, even for a window outside the main window.
    const auto semmi = kvx::WindowPosChanging({100, 50, 1300, 900}, f, munka, {{{10, 10, 50, 50}, false}});
    EXPECT_EQ(semmi[0], (kvx::Teglalap{10, 10, 50, 50}));
}
