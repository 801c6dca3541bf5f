// Where the windows of the main road stand at a large text size: a
// variation is made at text size 14 on a 1600 x 1000 work area, its run
// window stays, the list and the conditions window open; none covers the
// toolbar, all stay on the screen, the run window shows its condition
// indicators whole, and the conditions window, too wide for the room left
// beside them, shows its page whole rather than cut, its own buttons in
// sight of the windows that stay above it. And every window, dialog and pop-up menu takes the text size.
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/gomb_fedes.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/variation_options.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace kvx;

class AblakElhelyezesTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"), QStringList{"-r", "14"});
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        elhelyezes_ = window_->findChild<AblakElhelyezes*>();
        ASSERT_NE(elhelyezes_, nullptr);
        elhelyezes_->SetMunkaTerulet(kMunka);
        window_->setGeometry(kMunka);
        FormokLetrehozasa(*window_);
        window_->show();
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
    }
    void TearDown() override
    {
        if (TBontas* b = formok().Bontas)
            b->BontasMegszakitasa();
        teszt::varj([] { return szalak().Tetlen(); }, 60000);
        window_.reset();
    }

    const QRect kMunka{0, 0, 1600, 1000};
    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    AblakElhelyezes* elhelyezes_ = nullptr;
};

TEST_F(AblakElhelyezesTest, AtTextSize14TheMainRoadWindowsLeaveEachOtherFree)
{
    ASSERT_EQ(settings().BetuMeret, 14);
    // Twelve numbers on the main ticket, the conditions window, a run.
    for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    TFeltetelek* feltetelek = formok().Feltetelek;
    feltetelek->FeltetelStart();
    feltetelRekordok().Hibapont = 1;
    teszt::Valaszolo v(QStringList{});
    window_->Akcio(ParancsId::Start1)->trigger();
    TBontas* bontas = formok().Bontas;
    ASSERT_TRUE(teszt::varj([bontas] { return !bontas->Fut() && szalak().Tetlen(); }, 120000));
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    // The run window stays; the list (without its auxiliary ticket) and the
    // conditions window open beside it.
    bontas->show();
    TBontLista* lista = formok().BontLista;
    lista->SegedszelvenyLathato = false;
    lista->BontListaStart();
    feltetelek->FeltetelStart();
    QApplication::processEvents();

    struct Ablak {
        const char* nev;
        QWidget* w;
    };
    const Ablak ablakok[] = {{"main ticket", szelvenyek().Foszelveny},
                             {"conditions", feltetelek},
                             {"run", bontas},
                             {"list", lista}};
    const QRect sav = elhelyezes_->EszkoztarSav();
    ASSERT_GT(sav.height(), 0);
    for (const Ablak& a : ablakok) {
        ASSERT_TRUE(a.w && a.w->isVisible()) << a.nev;
        const QRect r = a.w->frameGeometry();
        EXPECT_TRUE(kMunka.contains(r)) << a.nev << " leaves the screen";
        EXPECT_FALSE(r.intersects(sav)) << a.nev << " covers the toolbar";
    }
    // The run window keeps its condition indicators whole: the screen has
    // room for them.
    auto* jelzok = bontas->findChild<QScrollArea*>();
    ASSERT_NE(jelzok, nullptr);
    EXPECT_EQ(jelzok->verticalScrollBar()->maximum(), 0) << "the run window's indicators scroll";
    // The conditions window, shown last, cannot keep off all of them: its
    // own buttons are in sight, as they can be.
    const QRect terulet(kMunka.left(), sav.bottom() + 1, kMunka.width(), kMunka.bottom() - sav.bottom());
    std::vector<const QWidget*> masok{ablakok[0].w, bontas, lista};
    if (teszt::SzabadHely(feltetelek, terulet, masok, true)) {
        EXPECT_EQ(teszt::GombFedes(feltetelek, masok).Sajat, 0) << "the conditions window's buttons hidden";
    }
    auto* lap = qobject_cast<QScrollArea*>(feltetelek->FeltetelekPC->currentWidget());
    ASSERT_NE(lap, nullptr);
    EXPECT_EQ(lap->horizontalScrollBar()->maximum(), 0) << "the page is cut at the side";

    // The text size reaches the windows made after the main window and the
    // pop-up menus.
    EXPECT_EQ(feltetelek->font().pointSize(), 14);
    EXPECT_EQ(bontas->font().pointSize(), 14);
    EXPECT_EQ(lista->font().pointSize(), 14);
    QMenu felbukkano;
    felbukkano.ensurePolished();
    EXPECT_EQ(felbukkano.font().pointSize(), menuBetuMeret(14, 3));
}

TEST_F(AblakElhelyezesTest, MovedMainTicketGoesBackWhenItLosesTheActivation)
{
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_TRUE(fo && fo->isVisible());
    QEvent deaktivalas(QEvent::WindowDeactivate);
    fo->move(600, 500);
    fo->setEnabled(false);
    QApplication::sendEvent(fo, &deaktivalas);
    EXPECT_EQ(fo->pos(), QPoint(600, 500)) << "a disabled ticket stays where it is";
    fo->setEnabled(true);
    QApplication::sendEvent(fo, &deaktivalas);
    // Back at its place: at the main window's left + 20, just under the toolbar.
    EXPECT_EQ(fo->pos().x(), window_->frameGeometry().left() + 20);
    const int sav = elhelyezes_->EszkoztarSav().bottom();
    EXPECT_GT(fo->pos().y(), sav);
    EXPECT_LT(fo->pos().y(), sav + 30);
}

// The conditions window on a screen too low for its page: the window stays
// within the limit (the work area less four status bars), the page scrolls
// by its bar and the wheel, and the buttons stay at the bottom in sight.
TEST_F(AblakElhelyezesTest, ConditionsWindowAboveTheScreenLimitScrollsItsPage)
{
    const QRect alacsony(0, 0, 1600, 560);
    elhelyezes_->SetMunkaTerulet(alacsony);
    window_->setGeometry(alacsony);
    for (int n : {3, 9, 14, 22, 27, 31, 40, 48})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    TFeltetelek* f = formok().Feltetelek;
    f->FeltetelStart();
    QApplication::processEvents();
    const int hatar = alacsony.height() - 4 * elhelyezes_->StatusSorMagassag();
    EXPECT_LE(f->frameGeometry().height(), hatar);
    auto* lap = qobject_cast<QScrollArea*>(f->FeltetelekPC->currentWidget());
    ASSERT_NE(lap, nullptr);
    QScrollBar* sav = lap->verticalScrollBar();
    EXPECT_TRUE(sav->isVisible());
    ASSERT_GT(sav->maximum(), 0);
    EXPECT_EQ(sav->value(), 0);
    QWheelEvent gorgetes(QPointF(10, 10), lap->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(lap->viewport(), &gorgetes);
    // One wheel step: about the button panel's height.
    EXPECT_NEAR(sav->value(), f->Panel15->sizeHint().height(), QApplication::wheelScrollLines());
    // The buttons under the page, whole in the window.
    ASSERT_TRUE(f->BontasGomb->isVisible());
    const QRect gombok(f->Panel15->mapTo(f, QPoint(0, 0)), f->Panel15->size());
    EXPECT_TRUE(f->rect().contains(gombok));
    EXPECT_GT(gombok.top(), lap->mapTo(f, QPoint(0, lap->height())).y() - 1);

    // On a taller screen the limit follows it.
    elhelyezes_->SetMunkaTerulet(kMunka);
    window_->setGeometry(kMunka);
    f->FeltetelekPC->setCurrentIndex(1);
    f->FeltetelekPC->setCurrentIndex(0);
    EXPECT_GT(f->maximumHeight(), hatar);
    EXPECT_LE(f->maximumHeight(), kMunka.height() - 4 * elhelyezes_->StatusSorMagassag());
}

// A tab change with numbers selected checks the window against the screen
// and warns once; without numbers it does not.
TEST_F(AblakElhelyezesTest, TabChangeWithNumbersWarnsAboutAWindowLargerThanTheScreen)
{
    // A work area lower than the screen: the page scrolls within the
    // screen's height, only the width is too large for the screen.
    const QRect alacsony(0, 0, 1600, 700);
    elhelyezes_->SetMunkaTerulet(alacsony);
    window_->setGeometry(alacsony);
    TFeltetelek* f = formok().Feltetelek;
    f->FeltetelStart();
    f->setMinimumWidth(5000);
    settings().UzenetekLog[17] = 1;
    {
        teszt::Valaszolo v({QStringLiteral("Nem")});
        f->FeltetelekPC->setCurrentIndex(1);
        QApplication::processEvents();
        EXPECT_TRUE(v.Latott.isEmpty()) << "no numbers selected";
    }
    for (int n : {3, 9, 14, 22, 27, 31})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    {
        teszt::Valaszolo v({QStringLiteral("Nem")});
        f->FeltetelekPC->setCurrentIndex(2);
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("szélessége meghaladja")));
        EXPECT_EQ(settings().UzenetekLog[17], 0);
        f->FeltetelekPC->setCurrentIndex(3);
        QApplication::processEvents();
        EXPECT_EQ(v.Latott.size(), 1) << "answered Nem: not asked again";
    }
}

// A key pressed with a modifier in the conditions window only sets the
// marking mode, as on the main window; plain keys work as ever.
TEST_F(AblakElhelyezesTest, ConditionsWindowTakesNoKeyPressedWithAModifier)
{
    for (int n : {3, 9, 14, 22, 27, 31, 40, 48})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    TFeltetelek* f = formok().Feltetelek;
    f->FeltetelStart();
    QSpinBox* e = f->HibapontBeEdit;
    ASSERT_TRUE(e->isEnabled());
    ASSERT_GT(e->maximum(), 1);
    e->setFocus();
    const int ertek = e->value();
    struct Eset {
        Qt::KeyboardModifiers mod;
        std::int32_t billentyuMod;
    };
    for (const Eset& c : {Eset{Qt::ShiftModifier, 50}, Eset{Qt::ControlModifier, 100}, Eset{Qt::AltModifier, 300}}) {
        QTest::keyPress(e, Qt::Key_Up, c.mod);
        EXPECT_EQ(mainState().BillentyuMod, c.billentyuMod);
        EXPECT_EQ(e->value(), ertek);
        QTest::keyRelease(e, Qt::Key_Up, c.mod);
        EXPECT_EQ(mainState().BillentyuMod, 0);
    }
    QTest::keyClick(e, Qt::Key_Up);
    EXPECT_EQ(e->value(), ertek + 1);
}

}  // namespace
