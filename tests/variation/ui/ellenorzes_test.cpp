// The check of a variation, the user's way: a variation is made, numbers
// are marked on the variation-check ticket, and the variation list's search
// panel walks the lines that hold the chosen number of them.
#include "variation/ui/bontlista.h"
#include "app/ui/program.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/ismetles.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/keres_panel.h"
#include "draws/ui/huzlista.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"
#include "variation/ui/bontellszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/variacio_vezerlo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

class EllenorzesTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        window_->Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        settings().Hangjelzes = false;
    }
    void TearDown() override
    {
        if (TBontas* b = formok().Bontas)
            b->BontasMegszakitasa();
        kvx::teszt::varj([] { return szalak().Tetlen(); }, 60000);
        window_.reset();
    }

    void general()
    {
        for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        window_->FeltMenuAll(SzamsorTulteli(szamListak(), game()));
        feltetelRekordok().Hibapont = 1;
        Valaszolo v(QStringList{});
        window_->Akcio("Start1")->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(kvx::teszt::varj([b] { return !b->Fut() && szalak().Tetlen(); }, 120000));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
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

    TBontLista* lista() { return formok().BontLista; }
    TKeresPanel* panel() { return lista()->KeresPanel; }
    void kattint(int n)
    {
        QTest::mouseClick(szelvenyek().BontEllSzelveny->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
};

TEST_F(EllenorzesTest, MarkedLineIsFoundInTheList)
{
    general();
    const int sorok = variationStore().BontSzelvszam;
    QAction* ellenorzes = window_->Akcio("Ellenrzs1");
    ASSERT_TRUE(ellenorzes->isEnabled());
    ellenorzes->trigger();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Variáció ellenőrzés"));
    EXPECT_FALSE(sz->TorlesGomb->isEnabled());

    const std::vector<int> jelolt{3, 9, 14, 22};
    for (int n : jelolt)
        kattint(n);
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 4 szám")));
    // The list opened with its search panel; the box offers the classes that occur.
    ASSERT_TRUE(lista()->isVisible());
    ASSERT_TRUE(panel()->isVisible());
    std::vector<int> db(6, 0);
    for (int r = 0; r < sorok; ++r)
        ++db[static_cast<std::size_t>(talalat(r, jelolt))];
    QStringList vart{QStringLiteral("Minden találat")};
    for (int h = 5; h >= 0; --h)
        if (db[static_cast<std::size_t>(h)] > 0)
            vart << QStringLiteral("%1 találat").arg(h);
    QStringList box;
    for (int i = 0; i < panel()->KeresBox->count(); ++i)
        box << panel()->KeresBox->itemText(i);
    EXPECT_EQ(box, vart);
    // The info text counts the same.
    for (int h = 0; h <= 5; ++h)
        EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("   %1 találat:%2").arg(h).arg(db[static_cast<std::size_t>(h)], 8)))
            << h;

    // Class "2 találat": next walks exactly the lines with two of the marks.
    const int i = panel()->KeresBox->findText(QStringLiteral("2 találat"));
    ASSERT_GT(i, 0);
    panel()->KeresBox->setCurrentIndex(i);
    emit panel()->KeresBox->activated(i);
    std::vector<int> talalt{lista()->KivRekord};
    while (panel()->TovabbKeresGomb->isEnabled()) {
        panel()->TovabbKeresGomb->click();
        if (lista()->KivRekord == talalt.back())
            break;
        talalt.push_back(lista()->KivRekord);
    }
    std::vector<int> kettes;
    for (int r = 0; r < sorok; ++r)
        if (talalat(r, jelolt) == 2)
            kettes.push_back(r + 1);
    EXPECT_EQ(talalt, kettes);
    EXPECT_FALSE(panel()->TovabbKeresGomb->isEnabled());
    EXPECT_EQ(panel()->TovabbKeresGomb->toolTip(), QStringLiteral(" Utolsó 2 találatos számsor kiválasztva "));
    panel()->ElsoreKeresGomb->click();
    EXPECT_EQ(lista()->KivRekord, kettes.front());
    EXPECT_TRUE(panel()->Label1->property("Kiemelt").toBool());

    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        QApplication::processEvents();
        sz->grab().save(QDir(d).filePath("bontellszelveny.png"));
        lista()->grab().save(QDir(d).filePath("bontlista_kereses.png"));
    }

    // Törlés clears the marks: the search ends.
    sz->TorlesGomb->click();
    EXPECT_TRUE(sz->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 0 szám")));
}

TEST_F(EllenorzesTest, ListLineGoesOntoTheCheckTicket)
{
    general();
    window_->Akcio("Listzs2")->trigger();
    ASSERT_TRUE(lista()->isVisible());
    lista()->AktSorKijelol(2);
    lista()->EllenorzesGomb->click();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Keres: variáció 2. számsora"));
    // The line's own class is the best one: the full hit, line 2 among its lines.
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->KeresBox->currentText(), QStringLiteral("5 találat"));
    EXPECT_EQ(lista()->KivRekord, 2);
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Ssz:")));
    // A deletion of the variation ends the check.
    Valaszolo v({QStringLiteral("Igen")});
    window_->Akcio("rls2")->trigger();
    EXPECT_FALSE(sz->isVisible());
    EXPECT_TRUE(program_.Variacio().BontEllTalalatok().empty());
}

TEST_F(EllenorzesTest, DrawIsCheckedAgainstTheVariation)
{
    window_->Akcio("Listzs3")->trigger();
    THuzLista* huzasok = formok().HuzLista;
    ASSERT_TRUE(huzasok->isVisible());
    EXPECT_FALSE(huzasok->KeresVariaciobanGomb->isEnabled());
    general();
    ASSERT_TRUE(huzasok->KeresVariaciobanGomb->isEnabled());
    huzasok->EloreGombClick();
    huzasok->KeresVariaciobanGomb->trigger();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Keres: húzások 1. számsora"));
    // Draw 1 is 2, 11, 21, 31, 41: only 31 is among the variation's numbers.
    EXPECT_EQ(sz->Jelolesek.Jeloltek, (TTombByte1D{2, 11, 21, 31, 41}));
    const int sorok = variationStore().BontSzelvszam;
    int db = 0;
    for (int r = 0; r < sorok; ++r)
        db += talalat(r, {31}) == 1;
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("   1 találat:%1").arg(db, 8)));
}

}  // namespace
