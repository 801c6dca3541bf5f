// The conditions window beside a variation, with the main window: "Törlés"
// opens the window again for new conditions whatever the variation was (and
// beside an extension lists the lines it keeps), the conditions command and
// the information command follow the variation at once, a condition removed
// by hand voids the test of the lines, the list's Felülírás boundary shows
// in the option's hint, and the window's button speaks of a paused run as
// Start does.
#include "variation/ui/bontteszt.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "conditions/ui/math_lap.h"
#include "draws/ui/huzszama.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "variation/ui/allomany_parancsok.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontteszt_alap.h"
#include "variation/ui/foablak_ablakok.h"
#include "variation/ui/teszt_vezerlo.h"

#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;
using kvx::teszt::futas::varj;

// A click on a check box's square, where the user clicks it.
void kattintas(QCheckBox* b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

class FeltetelekFoablak : public kvx::teszt::BontTesztAlap<kvx::teszt::FoablakAblakok> {
protected:
    void SetUp() override
    {
        BontTesztAlap::SetUp();
        feltetelek_ = formok().Feltetelek;
        ASSERT_NE(feltetelek_, nullptr);
    }
    // Start on the numbers marked, its window closed after the run.
    void futtatas()
    {
        feltetelRekordok().Hibapont = 1;
        Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        TBontas* b = ablakok_->Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
        b->KilepesGomb->click();
    }
    // The Összeg condition, as the Math tab leaves it.
    void osszeg()
    {
        FeltetelRekordok& f = feltetelRekordok();
        f.OsszegFeltetel = {1, {}, 100, 200};
        SetFeltetelJelzo(f, true, false);
    }
    // The main window's toolbar button of a command.
    QWidget* gomb(ParancsId nev) const
    {
        TFoablak* fo = ablakok_->Foablak.get();
        return fo->EszkoztarSav() ? fo->EszkoztarSav()->widgetForAction(a(nev)) : nullptr;
    }

    QPointer<TFeltetelek> feltetelek_;
};

// "Törlés" in the conditions window: whether the variation was saved, not
// saved or had no lines, the question warns that no backup is made, and the
// window comes back for conditions to be set anew (its Kijelölés mode, not
// the listing of lines that are gone); the range dialog takes the hit-ratio
// condition's whole range.
TEST_F(FeltetelekFoablak, TorlesOpensTheWindowAgainForNewConditions)
{
    settings().BiztonsagiMentes = false;
    for (int x : {2, 3, 4, 11, 12, 13, 21})
        SzamJeloles(szamListak(), game(), mainState(), x, 0, false);
    ablakok_->SzamokValtoztak();
    struct Eset {
        const char* nev;
        bool sorok;
        bool mentett;
        const char* kerdes;
    };
    const Eset esetek[] = {
        {"saved variation", true, true,
         "Nem készül biztonsági másolat\n\nBiztos törli a feltételeket és a variáció listáját?"},
        {"unsaved variation", true, false,
         "Nem készül biztonsági másolat\n\nBiztos törli a feltételeket és a variáció listáját?"},
        {"no lines", false, false, "Nem készül biztonsági másolat\n\nBiztos törli a feltételeket?"},
    };
    THuzSzama* tartomany = formok().HuzSzama;
    ASSERT_NE(tartomany, nullptr);
    TFeltetelek* w = feltetelek_;
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        if (e.sorok)
            futtatas();
        if (e.mentett) {
            TAllomanyDialogusok* d = program_.AllomanyParancsai().Dialogusok();
            ASSERT_NE(d, nullptr);
            ASSERT_TRUE(d->VariacioMentese(dir_.filePath("mentett.top")));
            ASSERT_TRUE(mainState().Mentve);
        }
        osszeg();
        a(ParancsId::Listzs1)->trigger();
        ASSERT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowTitle(), e.sorok ? QStringLiteral(" Feltételek listája")
                                            : QStringLiteral(" Feltételek kijelölése"));
        // The range dialog was left elsewhere.
        tartomany->Tag = 1;
        tartomany->ElsoHuzBe->setText(QStringLiteral("2"));

        Valaszolo v({QStringLiteral("Igen")});
        QTest::mouseClick(w->TorlesGomb, Qt::LeftButton);
        ASSERT_FALSE(v.Latott.isEmpty());
        EXPECT_EQ(v.Latott.front().Szoveg, QString::fromUtf8(e.kerdes));
        EXPECT_EQ(variationStore().BontSzelvszam, 0);
        EXPECT_FALSE(feltetelRekordok().FeltetelJelzo);
        EXPECT_EQ(feltetelRekordok().OsszegFeltetel.Allapot, 0);
        ASSERT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowTitle(), QStringLiteral(" Feltételek kijelölése"));
        EXPECT_EQ(w->BontasGomb->text(), QStringLiteral("Variáció"));
        EXPECT_EQ(w->BontasGomb->toolTip(), QStringLiteral(" Variáció készítése "));
        EXPECT_TRUE(w->FeltetelekPC->currentWidget()->isEnabled());
        EXPECT_TRUE(w->Panel8->isEnabled());
        EXPECT_EQ(a(ParancsId::Listzs1)->text(), QStringLiteral("Kijelölés"));
        EXPECT_EQ(tartomany->Tag, 2);
        EXPECT_EQ(tartomany->ElsoHuzBe->text(), QStringLiteral("1"));
        EXPECT_EQ(tartomany->UtolsoHuzBe->text(), QString::number(draws().HuzasokSzama));
        EXPECT_TRUE(tartomany->MindHuzBox->isChecked());
        if (const QString p = kvx::teszt::kepUtvonal("feltetelek_torles_utan.png"); !p.isEmpty() && !e.sorok) {
            // The pages a 5/90 selection of seven numbers shows afresh.
            w->grab().save(p);
            w->FeltetelekPC->setCurrentIndex(2);
            QCoreApplication::processEvents();
            w->grab().save(kvx::teszt::kepUtvonal("feltetelek_talarany_590.png"));
            w->FeltetelekPC->setCurrentIndex(6);
            QCoreApplication::processEvents();
            w->MathLap->Panel17->grab().save(kvx::teszt::kepUtvonal("feltetelek_terjedelem_7szam.png"));
        }
        w->close();
    }
}

// "Törlés" beside an extension of the numbers still on the ticket: the
// lines stay for the conditions to be set anew, and the list of them opens
// (it was closed), beside the conditions window in its Kijelölés mode.
TEST_F(FeltetelekFoablak, TorlesBesideAnExtensionListsItsLines)
{
    settings().BiztonsagiMentes = false;
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    const int sorok = variationStore().BontSzelvszam;
    a(ParancsId::Beilleszts1)->trigger();
    ASSERT_TRUE(bontasEgyseg().BontasBovites);
    TBontLista* lista = ablakok_->BontLista;
    lista->close();
    TFeltetelek* w = feltetelek_;
    w->close();
    osszeg();
    a(ParancsId::Listzs1)->trigger();
    ASSERT_TRUE(w->isVisible());
    ASSERT_TRUE(w->TorlesGomb->isEnabled());
    ASSERT_FALSE(lista->isVisible());

    Valaszolo v({QStringLiteral("Igen")});
    QTest::mouseClick(w->TorlesGomb, Qt::LeftButton);
    ASSERT_FALSE(v.Latott.isEmpty());
    EXPECT_EQ(v.Latott.front().Szoveg, QStringLiteral("Nem készül biztonsági másolat\n\nBiztos törli a feltételeket?"));
    EXPECT_FALSE(feltetelRekordok().FeltetelJelzo);
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(variationStore().BontSzelvszam, sorok);
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" Feltételek kijelölése"));
    ASSERT_TRUE(lista->isVisible());
    EXPECT_EQ(lista->Modell->rowCount(), sorok);
    if (const QString p = kvx::teszt::kepUtvonal("feltetelek_torles_bovites.png"); !p.isEmpty()) {
        QCoreApplication::processEvents();
        w->grab().save(p);
        lista->grab().save(kvx::teszt::kepUtvonal("bontlista_torles_bovites.png"));
    }
    lista->close();
    w->close();
}

// The conditions command names what it opens as soon as the variation
// changes (its caption and hint, on the menu and the toolbar alike), and the
// information command is there exactly while the conditions command is.
TEST_F(FeltetelekFoablak, CommandsFollowTheVariationAtOnce)
{
    for (int x : {2, 3, 4, 11, 12, 13, 21})
        SzamJeloles(szamListak(), game(), mainState(), x, 0, false);
    ablakok_->SzamokValtoztak();
    struct Allapot {
        const char* nev;
        bool feltetelek;
        const char* felirat;
        const char* tipp;
        const char* infoTipp;
    };
    const auto ellenoriz = [this](const Allapot& e) {
        SCOPED_TRACE(e.nev);
        EXPECT_FALSE(feltetelek_->isVisible());
        QAction* f = a(ParancsId::Listzs1);
        EXPECT_EQ(f->isEnabled(), e.feltetelek);
        EXPECT_EQ(f->text(), QString::fromUtf8(e.felirat));
        EXPECT_EQ(f->toolTip(), QString::fromUtf8(e.tipp));
        if (QWidget* g = gomb(ParancsId::Listzs1)) {
            EXPECT_EQ(g->toolTip(), QString::fromUtf8(e.tipp));
        }
        QAction* i = a(ParancsId::InfoGomb);
        EXPECT_EQ(i->isEnabled(), e.feltetelek);
        EXPECT_EQ(i->toolTip(), QString::fromUtf8(e.infoTipp));
        if (QWidget* g = gomb(ParancsId::InfoGomb)) {
            EXPECT_EQ(g->isEnabled(), e.feltetelek);
            EXPECT_EQ(g->toolTip(), QString::fromUtf8(e.infoTipp));
        }
    };
    ellenoriz({"numbers marked", true, "Kijelölés", " Feltételek kijelölése, hibapont beállítása ",
               " Információk a variációról "});
    futtatas();
    ellenoriz({"after a run", true, "Listázás", " Feltételek listája, módosítása ", " Információk a variációról "});
    {
        Valaszolo v({QStringLiteral("Igen")});
        a(ParancsId::rls2)->trigger();
    }
    ASSERT_EQ(variationStore().BontSzelvszam, 0);
    ellenoriz({"after the deletion", true, "Kijelölés", " Feltételek kijelölése, hibapont beállítása ",
               " Információk a variációról "});
    {
        Valaszolo v({QStringLiteral("Igen")});
        a(ParancsId::Mind1)->trigger();
    }
    ASSERT_EQ(szamListak().KijeloltSzamDb(), 0);
    ellenoriz({"no numbers", false, "Kijelölés", " Nincs kijelölt számsor ", " Nincs kijelölt számsor "});
}

// Unticking a condition by hand voids the test of the lines: the test window
// closes and its report leaves the description.
TEST_F(FeltetelekFoablak, RemovingAConditionVoidsTheTest)
{
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    // Extension mode: the conditions can be changed beside the lines.
    a(ParancsId::Beilleszts1)->trigger();
    ASSERT_TRUE(bontasEgyseg().BontasBovites);
    TFeltetelek* w = feltetelek_;
    if (!w->isVisible())
        a(ParancsId::Listzs1)->trigger();
    ASSERT_TRUE(w->isVisible());
    ASSERT_EQ(w->windowTitle(), QStringLiteral(" Feltételek kijelölése"));
    w->FeltetelekPC->setCurrentIndex(6);
    kattintas(w->MathLap->EsemOsszegBox);
    ASSERT_TRUE(feltetelRekordok().OsszegFeltetel.Allapot);
    w->close();

    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(tesztVegeVar());
    ASSERT_TRUE(teszt_->isVisible());
    ASSERT_FALSE(program_.Teszt().PeldabontasLog().empty());
    a(ParancsId::InfoGomb)->trigger();
    TInfo* info = formok().Info;
    ASSERT_TRUE(info && info->isVisible());
    const QString fejlec = QStringLiteral("számsor tesztje");
    ASSERT_TRUE(info->BontInfo->toPlainText().contains(fejlec));

    a(ParancsId::Listzs1)->trigger();
    ASSERT_TRUE(w->isVisible());
    w->FeltetelekPC->setCurrentIndex(6);
    kattintas(w->MathLap->EsemOsszegBox);
    EXPECT_EQ(feltetelRekordok().OsszegFeltetel.Allapot, 0);
    EXPECT_FALSE(teszt_->isVisible());
    EXPECT_TRUE(program_.Teszt().PeldabontasLog().empty());
    EXPECT_FALSE(info->BontInfo->toPlainText().contains(fejlec)) << info->BontInfo->toPlainText().toStdString();
    info->close();
    w->close();
}

// Shift+Ctrl and a double click in the list set the Felülírás boundary: the
// option's hint names it at once, in the open conditions window.
TEST_F(FeltetelekFoablak, FelulirasBoundaryFromTheListShowsInTheHint)
{
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    ASSERT_GE(variationStore().BontSzelvszam, 3);
    TVariacioOpciok& vo = feltetelRekordok().VariacioOpciok;
    vo.Optimalizalas = 1;
    vo.Csokkent = 1;
    vo.Feluliras = 1;
    vo.SetVedettSzamsorDb(0);
    TFeltetelek* w = feltetelek_;
    a(ParancsId::Listzs1)->trigger();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->OptBontFelulirasBox->toolTip(), QStringLiteral(" Módosított variáció felülírása "));

    TBontLista* lista = ablakok_->BontLista;
    a(ParancsId::Listzs2)->trigger();
    ASSERT_TRUE(lista->isVisible());
    lista->AktSorKijelol(3);
    mainState().BillentyuMod = 200;
    lista->BontTablaDblClick();
    EXPECT_EQ(vo.VedettSzamsorDb(), 3);
    EXPECT_EQ(w->OptBontFelulirasBox->toolTip(),
              QStringLiteral(" Módosított variáció felülírása \n az első 3 számsor kivételével. "));
    lista->close();
    w->close();
}

// The window's button in its Kijelölés mode speaks of a run to be finished
// in Start's own words: after a pause the lines go on as an extension and
// the button says what Start now does.
TEST_F(FeltetelekFoablak, TheButtonSpeaksOfAPausedRunAsStartDoes)
{
    SzamListak& l = szamListak();
    MindenSzamKijelolese(l, game(), mainState(), game().OsszesSzam);
    ablakok_->SzamokValtoztak();
    feltetelRekordok().Hibapont = 1;
    TBontas* b = ablakok_->Bontas;
    Valaszolo v({QStringLiteral("Igen")});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(varj([] { return bontasEgyseg().Vezerles.BontSzelvszam.load() > 100; }, 60000));
    b->PauseGomb->click();
    ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen() && !b->isVisible(); }));
    ASSERT_TRUE(bontasEgyseg().Vezerles.BontasPause.load());
    TFeltetelek* w = feltetelek_;
    ASSERT_TRUE(w->isVisible());
    ASSERT_EQ(w->windowTitle(), QStringLiteral(" Feltételek kijelölése"));
    EXPECT_EQ(w->BontasGomb->text(), QStringLiteral("Variáció"));
    EXPECT_EQ(w->BontasGomb->toolTip(), a(ParancsId::Start1)->toolTip());
    EXPECT_NE(w->BontasGomb->toolTip(), QStringLiteral(" Variáció folytatása "));
    w->close();
}

}  // namespace
