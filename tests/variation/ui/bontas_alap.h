#pragma once
// What the run window's tests share on either base (the variation's windows
// alone, or the whole main window): quiet settings, the run window, numbers
// marked on the main ticket as a user would, and the wait for a run's end.
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "tickets/number_lists.h"
#include "variation/ui/bontas.h"

#include <QAction>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace kvx::teszt {

template <class Ablakok>
class BontasAlap : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ablakok_ = std::make_unique<Ablakok>(program_, dir_.filePath("kavarex"));
        settings().JovahagyasVariacio = false;
        // No one-time tips after the questions.
        settings().UzenetekLog.fill(0);
        bontas_ = ablakok_->Bontas;
        ASSERT_NE(bontas_, nullptr);
    }
    void TearDown() override
    {
        if (bontas_)
            bontas_->BontasMegszakitasa();
        kvx::teszt::varj([] { return szalak().Tetlen(); }, 60000);
        ablakok_.reset();
    }
    void jelol(std::initializer_list<int> szamok)
    {
        for (int a : szamok)
            SzamJeloles(szamListak(), game(), mainState(), a, 0, false);
        tickets();
    }
    // What the main ticket reports after a marking.
    void tickets() { ablakok_->SzamokValtoztak(); }
    // Runs can take long on a loaded machine: two minutes.
    bool vegeVar() const
    {
        return kvx::teszt::varj([this] { return !bontas_->Fut() && szalak().Tetlen(); }, 120000);
    }
    QAction* a(kvx::ParancsId nev) const { return kvx::Parancs(nev); }

    QTemporaryDir dir_;
    std::unique_ptr<Ablakok> ablakok_;
    QPointer<TBontas> bontas_;
};

}  // namespace kvx::teszt
