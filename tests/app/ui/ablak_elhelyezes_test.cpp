// Where the windows of the main road stand at a large text size: a
// variation is made at text size 14 on a 1600 x 1000 work area, its run
// window stays, the list and the conditions window open; no two of them
// and the main ticket overlap, none covers the toolbar, all stay on the
// screen. And every window, dialog and pop-up menu takes the text size.
#include "app/ui/ablak_elhelyezes.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/variation_options.h"
#include "tickets/number_lists.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>

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
        window_->Kerdes = [](const QString&) { return true; };
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
    window_->FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    TFeltetelek* feltetelek = formok().Feltetelek;
    feltetelek->FeltetelStart();
    feltetelRekordok().Hibapont = 1;
    teszt::Valaszolo v(QStringList{});
    window_->Akcio(QStringLiteral("Start1"))->trigger();
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
    for (std::size_t i = 0; i < std::size(ablakok); ++i)
        for (std::size_t j = i + 1; j < std::size(ablakok); ++j)
            EXPECT_FALSE(ablakok[i].w->frameGeometry().intersects(ablakok[j].w->frameGeometry()))
                << ablakok[i].nev << " and " << ablakok[j].nev << " overlap";

    // The text size reaches the windows made after the main window and the
    // pop-up menus.
    EXPECT_EQ(feltetelek->font().pointSize(), 14);
    EXPECT_EQ(bontas->font().pointSize(), 14);
    EXPECT_EQ(lista->font().pointSize(), 14);
    QMenu felbukkano;
    felbukkano.ensurePolished();
    EXPECT_EQ(felbukkano.font().pointSize(), menuBetuMeret(14, 3));
}

}  // namespace
