// The run window's Bővítés button, on the variation's windows without the
// main window: the run's lines become an extension of the numbers they were
// made of.
#include "app/ui/program.h"
#include "variation/ui/variacio_ablakok.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

class BovitesTest : public kvx::teszt::FutasAblakokAlap {
protected:
    void SetUp() override
    {
        FutasAblakokAlap::SetUp();
        szelvenyek().Uzenet = [this](QWidget*, const QString& t, SzelvenyUzenetFajta) { uzenetek_.push_back(t); };
    }

    std::vector<QString> uzenetek_;
};

// The run window's Bővítés button: the finished lines become an extension,
// the list and the conditions open. An extension's own run does not offer it.
TEST_F(BovitesTest, TheRunWindowsBovitesButtonBeginsAnExtension)
{
    for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    ablakok_->SzamokValtoztak();
    feltetelRekordok().Hibapont = 1;
    TBontas* b = ablakok_->Bontas;
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        ASSERT_TRUE(kvx::teszt::varj([b] { return !b->Fut() && szalak().Tetlen(); }, 120000));
    }
    const std::int32_t db = variationStore().BontSzelvszam;
    ASSERT_GT(db, 0);
    ASSERT_TRUE(b->isVisible());
    ASSERT_TRUE(b->BovitesGomb->isEnabled());
    QTest::mouseClick(b->BovitesGomb, Qt::LeftButton);
    EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(bontasEgyseg().BovitesKijeloltSzamDb, 12);
    EXPECT_EQ(variationStore().BontSzelvszam, db);
    EXPECT_TRUE(ablakok_->BontLista->isVisible());
    EXPECT_TRUE(ablakok_->Feltetelek->isVisible());
}

}  // namespace
