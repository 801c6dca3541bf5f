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
