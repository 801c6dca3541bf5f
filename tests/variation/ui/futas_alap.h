#pragma once
// What the run, list and extension window tests share: a shown main window
// with every window made, quiet settings, and a run of twelve 5/90 numbers
// wheeled with one error point.
#include "app/main_state.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"

#include <QAction>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kvx::teszt {

class FutasAlap : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        settings().AutomatikusNev = false;
    }
    void TearDown() override
    {
        szelvenyek().Uzenet = {};
        if (TBontas* b = formok().Bontas)
            b->BontasMegszakitasa();
        varj([] { return szalak().Tetlen(); }, 60000);
        window_.reset();
    }
    QAction* a(kvx::ParancsId nev) const { return window_->Akcio(nev); }

    // Marks twelve numbers of 5/90 on the main ticket, as a user would.
    void tizenketSzam()
    {
        for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        // The main ticket tells the main window about its numbers this way.
        kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    }
    // Runs the marked numbers with one error point and waits for the end.
    void futtatas()
    {
        feltetelRekordok().Hibapont = 1;
        Valaszolo v(QStringList{});
        a(kvx::ParancsId::Start1)->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }, 120000));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
};

}  // namespace kvx::teszt
