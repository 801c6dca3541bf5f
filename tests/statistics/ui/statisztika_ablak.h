#pragma once
// What the statistics window tests share: a main window over the three-draw
// database with every window made, the statistics window at hand, a wait
// long enough for a statistic and an optional picture of a window.
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "statistics/ui/statisztika.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/bontas.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kvx::teszt {

template <class F>
bool statisztikaVarj(F feltetel, int ms = 120000)
{
    return kvx::teszt::varj(feltetel, ms);
}

// Saves a picture of the window when KAVAREX_KEPEK names a folder.
inline void kep(QWidget* w, const char* nev)
{
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        QApplication::processEvents();
        w->grab().save(QDir(d).filePath(QString::fromUtf8(nev)));
    }
}

class StatisztikaAblakAlap : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(haromHuzasAdatbazis(dir_.path()).empty());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        uzenetBeallitasok().Inform = false;
        settings().UzenetekLog.fill(0);
        settings().JovahagyasVariacio = false;
        ASSERT_TRUE(draws().AdatbazisBetoltve);
        s_ = formok().Statisztika;
        ASSERT_NE(s_, nullptr);
    }
    void TearDown() override
    {
        if (s_)
            s_->close();
        if (TBontas* b = formok().Bontas)
            b->BontasMegszakitasa();
        statisztikaVarj([] { return szalak().Tetlen(); }, 60000);
        window_.reset();
    }

    // The numbers selected on the main ticket and a variation of them in
    // lines of 5 made by "Start" (error points 0: every such line).
    void variacio(const std::vector<int>& szamok, int hibapont)
    {
        for (int n : szamok)
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
        feltetelRekordok().Hibapont = hibapont;
        Valaszolo v(QStringList{});
        window_->Akcio(kvx::ParancsId::Start1)->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(statisztikaVarj([b] { return !b->Fut() && szalak().Tetlen(); }));
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    TStatisztika* s_ = nullptr;
};

}  // namespace kvx::teszt
