#pragma once
// What the check tests share on either base (the variation's windows alone,
// or the whole main window over a small draws database): quiet settings, a
// variation of twelve 5/90 numbers made with Start, the hits of a stored
// line and clicks on the check ticket.
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/harom_huzas.h"
#include "draws/ui/keres_panel.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontellszelveny.h"
#include "variation/ui/bontlista.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace kvx::teszt {

// adatbazis: the three-draw database is made before the windows, for the
// main window to load at its start.
template <class Ablakok, bool adatbazis>
class EllenorzesAlap : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        if (adatbazis) {
            ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
        }
        ablakok_ = std::make_unique<Ablakok>(program_, dir_.filePath("kavarex"));
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        settings().Hangjelzes = false;
    }
    void TearDown() override
    {
        if (TBontas* b = ablakok_ ? ablakok_->Bontas.data() : nullptr)
            b->BontasMegszakitasa();
        kvx::teszt::varj([] { return szalak().Tetlen(); }, 60000);
        ablakok_.reset();
    }

    void general()
    {
        for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        futtatas(1);
        ASSERT_GT(variationStore().BontSzelvszam, 0);
    }
    // Makes the variation of the selected numbers with Start; every
    // question is answered Igen.
    void futtatas(int hibapont)
    {
        ablakok_->SzamokValtoztak();
        feltetelRekordok().Hibapont = hibapont;
        Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Igen")});
        kvx::Parancs(kvx::ParancsId::Start1)->trigger();
        TBontas* b = ablakok_->Bontas;
        ASSERT_TRUE(kvx::teszt::varj([b] { return !b->Fut() && szalak().Tetlen(); }, 120000));
        if (b->isVisible())
            b->hide();
    }

    // How many of the marked numbers line r (0-based) holds, read from the store.
    int talalat(int r, const std::vector<int>& jelolt) const
    {
        const VariationStore& t = variationStore();
        int h = 0;
        for (int k = 0; k < t.BontMatrixSorHossz; ++k) {
            const int szam = szamListak().KijeloltSzamok[t.sor(r)[k]];
            h += std::count(jelolt.begin(), jelolt.end(), szam) > 0;
        }
        return h;
    }

    TBontLista* lista() { return ablakok_->BontLista; }
    TKeresPanel* panel() { return lista()->KeresPanel; }
    void kattint(int n, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QTest::mouseClick(szelvenyek().BontEllSzelveny->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton,
                          mod);
    }

    QTemporaryDir dir_;
    std::unique_ptr<Ablakok> ablakok_;
};

}  // namespace kvx::teszt
