// Sample variations in the running program: the example line's presets
// reach the conditions, every number is selected, and the run that follows
// keeps the example itself among lines of the same sum.
#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "app/workers.h"
#include "common/binary_io.h"
#include "conditions/condition_records.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"
#include "draws/ui/huzlista.h"
#include "tickets/number_lists.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "conditions/ui/feltetelek.h"
#include "variation/variation_store.h"

#include "valaszolo.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace {

using namespace kvx;

class PeldabontasTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        bontas_ = formok().Bontas;
    }
    void TearDown() override
    {
        if (bontas_)
            bontas_->BontasMegszakitasa();
        teszt::varj([] { return szalak().Tetlen(); }, 60000);
        window_.reset();
    }
    QAction* a(ParancsId nev) const { return window_->Akcio(nev); }
    // A picture of the "Példabontás" menu when KAVAREX_KEPEK names a folder.
    void menuKep(const char* nev) const
    {
        const QString d = qEnvironmentVariable("KAVAREX_KEPEK");
        if (d.isEmpty())
            return;
        for (QAction* m : window_->menuBar()->actions())
            if (m->text() == QStringLiteral("Példabontás") && m->menu())
                m->menu()->grab().save(QDir(d).filePath(QString::fromUtf8(nev)));
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    QPointer<TBontas> bontas_;
};

TEST_F(PeldabontasTest, OwnNumbersGiveARunOfLinesLikeTheExample)
{
    window_->LottoSelect(3);  // 5/35: a full run is quick
    ASSERT_EQ(game().LottoIndex, 3);
    const std::vector<int> pelda{3, 9, 17, 26, 33};
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    // Plain numbers are no example: the command says what to mark.
    const QString tipp = QStringLiteral(" Példabontás (variáció) készítése saját számok alapján ");
    EXPECT_FALSE(a(ParancsId::Sajtszmokkal1)->isEnabled());
    for (int n : pelda)
        fo->SzamJeloles(n, ModKijelolt, false);
    EXPECT_FALSE(a(ParancsId::Sajtszmokkal1)->isEnabled());
    EXPECT_EQ(a(ParancsId::Sajtszmokkal1)->toolTip(),
              tipp + QStringLiteral("\n Jelöljön ki az üres Főszelvényen 5 állandó számot. "));
    menuKep("peldabontas_menu_tiltva.png");
    a(ParancsId::Mind1)->trigger();
    ASSERT_EQ(szamListak().KijeloltSzamDb(), 0);
    for (int n : pelda)
        fo->SzamJeloles(n, ModAllando, false);
    ASSERT_TRUE(a(ParancsId::Sajtszmokkal1)->isEnabled());
    EXPECT_EQ(a(ParancsId::Sajtszmokkal1)->toolTip(), tipp);
    menuKep("peldabontas_menu.png");
    // A sixth constant number is more than one line.
    fo->SzamJeloles(34, ModAllando, false);
    EXPECT_FALSE(a(ParancsId::Sajtszmokkal1)->isEnabled());
    fo->SzamJeloles(34, ModAllando, true);
    ASSERT_TRUE(a(ParancsId::Sajtszmokkal1)->isEnabled());
    teszt::Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK")});
    a(ParancsId::Sajtszmokkal1)->trigger();
    ASSERT_TRUE(teszt::varj([this] { return bontas_ && !bontas_->Fut() && szalak().Tetlen(); }, 120000));
    for (const auto& d : v.Latott)
        ADD_FAILURE() << d.Cim.toStdString() << ": " << d.Szoveg.toStdString() << " [" << d.Gombok.join(",").toStdString() << "]";

    EXPECT_EQ(szamListak().KijeloltSzamDb(), 35);
    EXPECT_EQ(bontas_->windowTitle(), QStringLiteral(" Példabontás: saját számok alapján"));
    EXPECT_TRUE(bontasEgyseg().Peldabontas);
    const FeltetelRekordok& f = feltetelRekordok();
    EXPECT_TRUE(f.FeltetelJelzo);
    EXPECT_EQ(f.OsszegFeltetel.Allapot, 1);
    EXPECT_EQ(f.OsszegFeltetel.Min, 88);
    EXPECT_EQ(f.TalalatiAranyFeltetel.Allapot, 0);  // no draws

    const VariationStore& t = variationStore();
    ASSERT_GT(t.BontSzelvszam, 0);
    const std::size_t k = static_cast<std::size_t>(t.BontMatrixSorHossz);
    bool peldaKozte = false;
    for (std::int32_t r = 0; r < t.BontSzelvszam; ++r) {
        std::vector<int> sor;
        for (std::size_t c = 0; c < k; ++c)
            sor.push_back(szamListak().KijeloltSzamok[t.FBontasMatrix[static_cast<std::size_t>(r) * k + c]]);
        std::sort(sor.begin(), sor.end());
        int osszeg = 0;
        for (int n : sor)
            osszeg += n;
        ASSERT_EQ(osszeg, 88) << r;
        peldaKozte = peldaKozte || sor == pelda;
    }
    // The example passes the conditions made from it.
    EXPECT_TRUE(peldaKozte);
}

// A sample variation deleted, or extended by the user, is no sample any
// more: the next run is an ordinary one, with the ordinary caption, hint
// and list caption.
TEST_F(PeldabontasTest, AfterASampleIsDeletedOrExtendedTheNextRunIsOrdinary)
{
    for (const bool torles : {true, false}) {
        SCOPED_TRACE(torles ? "deleted" : "extended");
        window_->LottoSelect(torles ? 3 : 17);  // 5/35, then 5/40: the game change leaves no variation
        // A sample of one's own numbers is made of constant numbers.
        for (int n : {3, 9, 17, 26, 33})
            szelvenyek().Foszelveny->SzamJeloles(n, ModAllando, false);
        {
            teszt::Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK")});
            a(ParancsId::Sajtszmokkal1)->trigger();
            ASSERT_TRUE(teszt::varj([this] { return bontas_ && !bontas_->Fut() && szalak().Tetlen(); }, 120000));
        }
        ASSERT_TRUE(bontasEgyseg().Peldabontas);
        EXPECT_EQ(a(ParancsId::Ellenrzs1)->toolTip(), QStringLiteral(" Példabontás ellenőrzése "));
        bontas_->KilepesGombClick();

        uzenetBeallitasok().Jovahagyas = false;
        if (torles) {
            // Variáció - Törlés; the same numbers and conditions are left.
            mainState().Mentve = true;
            a(ParancsId::rls2)->trigger();
            ASSERT_EQ(variationStore().BontSzelvszam, 0);
        } else {
            // Bővítés: the sample's lines are extended.
            a(ParancsId::Beilleszts1)->trigger();
            ASSERT_TRUE(bontasEgyseg().BontasBovites);
            if (formok().Feltetelek)
                formok().Feltetelek->hide();
        }
        teszt::Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK")});
        ASSERT_TRUE(a(ParancsId::Start1)->isEnabled());
        a(ParancsId::Start1)->trigger();
        ASSERT_TRUE(bontas_->isVisible());
        EXPECT_EQ(bontas_->windowTitle(), QStringLiteral(" Variáció készítése"));
        ASSERT_TRUE(teszt::varj([this] { return !bontas_->Fut() && szalak().Tetlen(); }, 120000));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
        EXPECT_FALSE(bontasEgyseg().Peldabontas);
        EXPECT_EQ(a(ParancsId::Ellenrzs1)->toolTip(), QStringLiteral(" Variáció ellenőrzése "));
        bontas_->KilepesGombClick();
        a(ParancsId::Listzs2)->trigger();
        ASSERT_TRUE(formok().BontLista && formok().BontLista->isVisible());
        EXPECT_EQ(formok().BontLista->windowTitle(), QStringLiteral(" Variáció listája"));
        formok().BontLista->hide();
        uzenetBeallitasok().Jovahagyas = true;
    }
}

// The draws list's pop-up command takes the number row selected in the
// list: in a two-drawing game the second drawing is an example of its own.
TEST_F(PeldabontasTest, DrawsListPopUpTakesTheSelectedDrawing)
{
    GameParams g;
    g.LottoIndex = 2;  // 7/35, two drawings a week
    JatekParameterek(g);
    ASSERT_TRUE(g.TobbSorsolas);
    TTombInt2D sorok;
    for (int i = 1; i <= 3; ++i) {
        TTombInt1D sor{i, 2021, i, i, 5 + i, 10 + i, 15 + i, 20 + i, 25 + i, 28 + i};
        for (int n : {1, 3, 5, 7, 9, 11, 13 + i})
            sor.push_back(n);
        sor.resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        sorok.push_back(sor);
    }
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Dat")));
    ASSERT_TRUE(writeFileAtomic(dir_.filePath(QStringLiteral("Dat/")).toStdString() + AdatbazisAllomany[2],
                                AdatbazisKep(sorok, g, HuzasIroVerzio())));
    window_->LottoSelect(2);
    ASSERT_EQ(draws().HuzasokSzama, 3);
    THuzLista* lista = formok().HuzLista;
    lista->Start();
    // The second drawing of the second draw.
    lista->HuzTabla->setCurrentIndex(lista->Model()->index(1, g.MasodikHuzasOszlop));
    ASSERT_EQ(lista->HuzTabla->contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_TRUE(lista->HuzTabla->actions().contains(lista->Pldabonts1));
    // Stopping the run at the end asks nothing.
    uzenetBeallitasok().Jovahagyas = false;
    teszt::Valaszolo v(QStringList{});
    lista->Pldabonts1->trigger();
    ASSERT_TRUE(bontas_);
    EXPECT_EQ(bontas_->windowTitle(), QStringLiteral(" Példabontás: húzások 4. számsora alapján"));
    EXPECT_EQ(std::set<int>(szamListak().AllandoSzamok.begin(), szamListak().AllandoSzamok.end()),
              (std::set<int>{1, 3, 5, 7, 9, 11, 15}));
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 35);
    // Only the draw before it is there for the hit ratio: fewer than three.
    EXPECT_EQ(feltetelRekordok().TalalatiAranyFeltetel.Allapot, 0);
    EXPECT_TRUE(v.Latott.isEmpty());
}

}  // namespace
