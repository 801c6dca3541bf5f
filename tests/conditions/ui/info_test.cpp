// The information window beside a main window: its size (a width of its
// own, a height from the main window's, at most the work area), the focus,
// the height warning, and "Diagram" only for a variation with rows.
#include "conditions/ui/info.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cmath>

#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"

using namespace kvx;

namespace {

// A main window with a menu and a toolbar, and its placement service.
struct Foablak {
    explicit Foablak(const QRect& hely, const QRect& munka)
    {
        fo.menuBar()->addMenu(QStringLiteral("Menü"));
        auto* eszkoztar = fo.addToolBar(QStringLiteral("Eszközök"));
        eszkoztar->addAction(QStringLiteral("Egy"));
        fo.setCentralWidget(new QLabel(QStringLiteral("Szelvény")));
        elhelyezes = new AblakElhelyezes(&fo);
        elhelyezes->SetMunkaTerulet(munka);
        fo.setGeometry(hely);
        fo.show();
        savAlja = eszkoztar->mapToGlobal(QPoint(0, eszkoztar->height())).y();
        sav = savAlja - fo.frameGeometry().top() + static_cast<int>(std::lround(fo.font().pointSize() / 8.0 * 10));
        kliens = fo.frameGeometry().bottom() + 1 - fo.menuBar()->mapToGlobal(QPoint(0, fo.menuBar()->height())).y();
    }
    QMainWindow fo;
    AblakElhelyezes* elhelyezes = nullptr;
    int sav = 0;     // the title, menu and toolbar band with its margin
    int savAlja = 0; // the bottom of the band on the screen
    int kliens = 0;  // the client height under the menu
};

}  // namespace

TEST(InfoWindow, SizedFromTheMainWindowWithAWidthOfItsOwn)
{
    kvx::Program program;
    settings().UzenetekLog[17] = 1;
    for (const int teto : {0, 150}) {
        SCOPED_TRACE(teto);
        Foablak f(QRect(0, teto, 780, 420), QRect(0, 0, 800, 600));
        TInfo w(&f.fo);
        w.Epito = [] { return InfoSorok{{"sor", false}}; };
        teszt::Valaszolo v({QStringLiteral("Nem")});
        w.Start();
        // The band above and as much again below, wherever the main window
        // stands; the frame at most as high as the work area under the
        // band where the main window stands at the top of the screen.
        const int keret = w.frameGeometry().height() - w.height();
        EXPECT_EQ(w.height() + keret, f.kliens - 2 * f.sav);
        EXPECT_EQ(w.maximumHeight() + keret, teto == 0 ? 600 - f.savAlja : 600);
        EXPECT_EQ(w.focusWidget(), w.BontInfo);
        EXPECT_TRUE(v.Latott.isEmpty()) << "the window fits the screen";
        // Only the height changes, down to eight lines of the description
        // over the buttons.
        const int szeles = w.width();
        w.resize(szeles + 100, 1);
        EXPECT_EQ(w.width(), szeles);
        EXPECT_EQ(w.height(), w.minimumHeight());
        const int sor = QFontMetrics(w.BontInfo->font()).lineSpacing();
        EXPECT_GE(w.BontInfo->viewport()->height(), 8 * sor);
        EXPECT_LT(w.BontInfo->viewport()->height(), 9 * sor + 20);
    }
}

// A main window taller than the screen: the information window taken from
// it does not fit, and its start says so once (answered Nem: not again).
TEST(InfoWindow, StartWarnsAboutAWindowTallerThanTheScreen)
{
    kvx::Program program;
    settings().UzenetekLog[17] = 1;
    const QRect nagy(0, 0, 1600, 1400);
    Foablak f(nagy, nagy);
    TInfo w(&f.fo);
    w.Epito = [] { return InfoSorok{{"sor", false}}; };
    {
        teszt::Valaszolo v({QStringLiteral("Nem")});
        w.Start();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("Információk a variációról ablak magassága meghaladja")))
            << v.Latott[0].Szoveg.toStdString();
    }
    EXPECT_EQ(settings().UzenetekLog[17], 0);
    w.close();
    teszt::Valaszolo v({QStringLiteral("Nem")});
    w.Start();
    EXPECT_TRUE(v.Latott.isEmpty());
}

// "Diagram" works for a variation with rows, once someone shows the diagram.
TEST(InfoWindow, DiagramOnlyForAVariationWithRows)
{
    kvx::Program program;
    settings().UzenetekLog[17] = 0;
    TInfo w;
    bool sorok = false;
    InfoSorok szoveg{{"egy", false}};
    w.Epito = [&] { return szoveg; };
    w.VanSor = [&] { return sorok; };
    w.DiagramEngedelyezes();
    w.Start();
    EXPECT_FALSE(w.Button4->isEnabled());
    sorok = true;
    szoveg = {{"két", false}};
    w.Listazas();
    EXPECT_TRUE(w.Button4->isEnabled());
    w.close();
    sorok = false;
    w.Start();
    EXPECT_FALSE(w.Button4->isEnabled()) << "checked again when shown";

    // Without a hook: the program's variation, which has no rows.
    TInfo p;
    p.DiagramEngedelyezes();
    EXPECT_FALSE(p.Button4->isEnabled());
}
