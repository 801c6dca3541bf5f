#pragma once
// What the variation test's window tests share on either base (the
// variation's windows alone, or the whole main window): a small draws
// database loaded, quiet settings, the test over draws 1 to 3, a variation
// made with Start, the wait for a test's end and the report's text.
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/harom_huzas.h"
#include "variation/ui/futas_segedek.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/number_lists.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/teszt_vezerlo.h"

#include <QAction>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <set>

namespace kvx::teszt {

template <class Ablakok>
class BontTesztAlap : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const std::string adatbazis = kvx::teszt::haromHuzasAdatbazis(dir_.path());
        ASSERT_FALSE(adatbazis.empty());
        ablakok_ = std::make_unique<Ablakok>(program_, dir_.filePath("kavarex"));
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        uzenetBeallitasok().Inform = false;
        if (!draws().AdatbazisBetoltve) {
            ASSERT_TRUE(program_.HuzasokV().HuzasokBetoltese(adatbazis, {}).sikeres());
        }
        huzSzama().SetVariacioTesztSzamsorElso(1);
        huzSzama().SetVariacioTesztSzamsorUtolso(3);
        teszt_ = ablakok_->BontTeszt;
        ASSERT_NE(teszt_, nullptr);
    }
    void TearDown() override
    {
        program_.Teszt().Leallitas();
        if (TBontas* b = ablakok_ ? ablakok_->Bontas.data() : nullptr)
            b->BontasMegszakitasa();
        futas::varj([] { return szalak().Tetlen(); }, 60000);
        ablakok_.reset();
    }

    QAction* a(kvx::ParancsId nev) const { return kvx::Parancs(nev); }

    // A variation of the numbers with error points, made with Start.
    void variacio(std::initializer_list<int> szamok, int hibapont)
    {
        for (int x : szamok)
            SzamJeloles(szamListak(), game(), mainState(), x, 0, false);
        ablakok_->SzamokValtoztak();
        feltetelRekordok().Hibapont = hibapont;
        Valaszolo v(QStringList{});
        a(kvx::ParancsId::Start1)->trigger();
        TBontas* b = ablakok_->Bontas;
        ASSERT_TRUE(futas::varj([b] { return !b->Fut() && szalak().Tetlen(); }));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
        b->KilepesGomb->click();
    }
    bool tesztVegeVar()
    {
        return futas::varj([this] { return !program_.Teszt().Fut() && szalak().Tetlen(); });
    }
    QString jelentes() const { return teszt_->RichEdit1->toPlainText(); }

    // Best hits of a line of numbers against the stored lines.
    int legjobb(const std::set<int>& huzas) const
    {
        const VariationStore& t = variationStore();
        int best = 0;
        for (int r = 0; r < t.BontSzelvszam; ++r) {
            int h = 0;
            for (int p = 0; p < t.BontMatrixSorHossz; ++p)
                h += static_cast<int>(huzas.count(szamListak().KijeloltSzamok[t.sor(r)[p]]));
            best = std::max(best, h);
        }
        return best;
    }

    QTemporaryDir dir_;
    std::unique_ptr<Ablakok> ablakok_;
    QPointer<TBontTeszt> teszt_;
};

}  // namespace kvx::teszt
