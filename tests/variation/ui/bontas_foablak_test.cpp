// The run with the main window: the main window's start-up steps after a
// first allocation, Start asking nothing of the main window when the
// Találat option cannot be met, the close query during a run, the
// conditions window opened by the main window's command, and the
// statistics window after a run.
#include "variation/ui/bontas_alap.h"
#include "variation/ui/futas_segedek.h"
#include "variation/ui/foablak_ablakok.h"
#include "conditions/variation_options.h"
#include "app/ui/program.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/bontas.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/shell_state.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/valaszolo.h"
#include "conditions/ui/feltetelek.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"
#include "variation/generation_run.h"
#include "variation/line_enumerator.h"
#include "variation/store_jobs.h"
#include "variation/variation_file.h"
#include "variation/ui/variacio_vezerlo.h"
#include "statistics/ui/statisztika.h"
#include "app/version.h"


#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

using kvx::teszt::futas::varj;

using kvx::teszt::kepUtvonal;

class BontasTest : public kvx::teszt::BontasAlap<kvx::teszt::FoablakAblakok> {
protected:
    void SetUp() override
    {
        BontasAlap::SetUp();
        window_ = ablakok_->Foablak.get();
    }
    TFoablak* window_ = nullptr;
};

// The steps that follow the main window's start-up (its tips, the list of a
// variation opened with the program) wait for a first allocation that a
// Start began before them: the wait window's worker owns the store until it
// has ended, so no tip comes up over the wait window while it allocates.
TEST_F(BontasTest, StartUpStepsWaitForAFirstAllocationBehindTheWaitWindow)
{
    struct Visszaallitas {
        ~Visszaallitas() { qputenv("KAVAREX_NO_STARTUP_BOXES", "1"); }
    } visszaallitas;
    qunsetenv("KAVAREX_NO_STARTUP_BOXES");
    settings().UzenetekLog[kSugoTippIndex] = 1;
    for (int i = 1; i <= 30; ++i)
        SzamJeloles(szamListak(), game(), mainState(), i, 0, false);
    tickets();
    FeltetelRekordok& f = feltetelRekordok();
    f.OsszegFeltetel = {1, {}, 1, 1000};  // every line passes
    f.FeltetelJelzo = true;
    variationStore().BontEngedelyezettMeret = 200000;
    TUzenetAblak* varakozo = formok().UzenetAblak;
    ASSERT_NE(varakozo, nullptr);
    bool tippLatott = false, tippVarakozasAlatt = false;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        const QWidget* w = QApplication::activeModalWidget();
        if (!w || w->windowTitle() != QStringLiteral(" Hasznos információ"))
            return;
        tippLatott = true;
        tippVarakozasAlatt = tippVarakozasAlatt || varakozo->isVisible();
    });
    figyelo.start(1);

    Valaszolo v({QStringLiteral("Igen")});
    a(ParancsId::Start1)->trigger();
    const bool vege = vegeVar();
    variationStore().BontEngedelyezettMeret = 100000;
    ASSERT_TRUE(vege);
    EXPECT_EQ(varakozo->Label1->text(), QStringLiteral("Variáció tömbjének előkészítése"));
    // The answerer may close the tip before the watcher's tick comes round:
    // what it saw counts as seen too.
    const auto latta = [&] {
        for (const auto& d : v.Latott)
            if (d.Cim == QStringLiteral(" Hasznos információ"))
                return true;
        return tippLatott;
    };
    EXPECT_TRUE(varj([&] { return latta() && !QApplication::activeModalWidget(); }, 10000));
    EXPECT_FALSE(tippVarakozasAlatt);
    EXPECT_EQ(variationStore().BontSzelvszam, 142506);
}

// Start checks the Találat option too, not only the "Ellenőrzés" button: a
// failed check shows the tab to correct and asks whether to run anyway.
// Nem keeps the window at the tab (with the note when the check stopped
// before a selected condition), Igen runs.
TEST_F(BontasTest, StartAsksWhetherToRunDespiteAFailedCheck)
{
    jelol({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88});
    const QString talalat = QStringLiteral(
        "Nem teljesülhet a Találat opció kritériuma\r\n\r\nEsetek számának minimum értéke: 2\r\nÁllítsa nullára a "
        "minimum értéket.");
    const QString fav = QStringLiteral(
        "Nem teljesülhet az Eloszlás - Favorizált számok feltétel\r\n\r\nA favorizált számokból elérhető találatok "
        "maximuma alacsony.");
    struct Eset {
        const char* nev;
        bool favorizalt;  // else the Találat option's Tételes minimum fails
        const char* valasz;
        bool indul;
    };
    const Eset esetek[] = {
        {"Találat, no", false, "Nem", false},
        // The check stops at the first rule: the number pools it never
        // reached are named after the question.
        {"Favorizált with the number pools, no", true, "Nem", false},
        {"Találat, yes", false, "Igen", true},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        VariacioOpcioErtekek& o = variacioOpcioErtekek();
        FeltetelRekordok& f = feltetelRekordok();
        if (e.favorizalt) {
            f.FavFeltetel.Allapot = 1;
            f.FavFeltetel.ElsoIndex = 1;
            f.FavFeltetel.UtolsoIndex = 12;
            f.FavFeltetel.TalalatMax = 4;
            f.SzamkeszletFeltetel.Allapot = 1;
            SetFeltetelJelzo(f, true, false);
        } else {
            o.TulirasBont = true;
            o.TulirasTeteles = true;
            o.TulirasTetelesMin = 2;
        }
        int kerdesek = 0;
        kvx::Program::aktualis().Kerdes = [&](const QString&) {
            ++kerdesek;
            return true;
        };
        Valaszolo v({QString::fromUtf8(e.valasz), QStringLiteral("OK")});
        a(ParancsId::Start1)->trigger();
        EXPECT_EQ(kerdesek, 0);
        ASSERT_FALSE(v.Latott.isEmpty());
        // The box breaks its lines where the text has CR LF.
        EXPECT_EQ(v.Latott.front().Szoveg,
                  QString(e.favorizalt ? fav : talalat).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
                      QStringLiteral("\n\nMégis elindítja a variáció készítését?"));
        EXPECT_TRUE(v.Latott.front().Gombok.contains(QStringLiteral("Igen")));
        TFeltetelek* w = formok().Feltetelek;
        if (!e.indul) {
            EXPECT_FALSE(bontas_->Fut());
            EXPECT_FALSE(bontas_->isVisible());
            EXPECT_EQ(variationStore().BontSzelvszam, 0);
            ASSERT_TRUE(w->isVisible());
            EXPECT_EQ(w->FeltetelekPC->currentIndex(), 0);
            ASSERT_EQ(v.Latott.size(), e.favorizalt ? 2 : 1);
            if (e.favorizalt) {
                EXPECT_TRUE(v.Latott[1].Szoveg.startsWith(QStringLiteral("A program nem ellenőrzött minden feltételt")));
            }
        } else {
            ASSERT_TRUE(vegeVar());
            // No line can meet the criterion: the run says so at its end.
            ASSERT_EQ(v.Latott.size(), 2);
            EXPECT_TRUE(v.Latott[1].Szoveg.startsWith(QStringLiteral("A folyamat során nem teljesült feltétel")));
        }
        w->close();
        o = VariacioOpcioErtekek{};
        FeltetelekRekordokReset(f, game());
    }
}

TEST_F(BontasTest, CloseQueryAsksAboutAnUnsavedVariationAndKeepsRunningOnNo)
{
    jelol({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(vegeVar());
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    ASSERT_TRUE(bontas_->isVisible());
    QStringList kerdesek;
    kvx::Program::aktualis().Kerdes = [&](const QString& q) {
        kerdesek << q;
        return false;
    };
    EXPECT_FALSE(mainState().Mentve);
    EXPECT_FALSE(mainState().Kilepes);
    EXPECT_FALSE(window_->FormCloseQuery());
    ASSERT_EQ(kerdesek.size(), 1) << kerdesek.join("|").toStdString();
    EXPECT_TRUE(kerdesek.front().contains(QStringLiteral("a variáció listáját?")));
    EXPECT_EQ(variationStore().BontSzelvszam, 792);
}

// The conditions window's button starts the run as the Start command does;
// with the variation made the window lists the conditions and its button
// deletes the variation.
TEST_F(BontasTest, ConditionsWindowButtonStartsAndDeletesTheVariation)
{
    jelol({3, 9, 14, 22, 27, 31, 40});
    TFeltetelek* f = formok().Feltetelek;
    ASSERT_NE(f, nullptr);
    a(ParancsId::Listzs1)->trigger();
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(f->BontasGomb->text(), QStringLiteral("Variáció"));
    ASSERT_TRUE(f->BontasGomb->isEnabled());

    Valaszolo v(QStringList{});
    QTest::mouseClick(f->BontasGomb, Qt::LeftButton);
    ASSERT_TRUE(vegeVar());
    EXPECT_EQ(variationStore().BontSzelvszam, 21);
    bontas_->KilepesGomb->click();

    a(ParancsId::Listzs1)->trigger();
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(f->BontasGomb->text(), QStringLiteral("Módosítás"));
    EXPECT_FALSE(f->FeltetelekPC->currentWidget()->isEnabled());
    ASSERT_TRUE(f->BontasGomb->isEnabled());
    Valaszolo torles({QStringLiteral("Igen")});
    QTest::mouseClick(f->BontasGomb, Qt::LeftButton);
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
}

// Lines edited by hand in a finished variation: opening the conditions puts
// it into extension mode, as a stopped or paused one.
TEST_F(BontasTest, ConditionsOfAnEditedVariationOpenInExtensionMode)
{
    jelol({3, 9, 14, 22, 27, 31, 40});
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        ASSERT_TRUE(vegeVar());
    }
    bontas_->KilepesGomb->click();
    ASSERT_EQ(variationStore().BontSzelvszam, 21);
    kvx::Program::aktualis().Variacio().SzerkesztettVariacioBeallitas(true);
    ASSERT_FALSE(bontasEgyseg().BontasBovites);
    a(ParancsId::Listzs1)->trigger();
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(a(ParancsId::Beilleszts1)->toolTip(), QStringLiteral(" Variáció bővítésének tiltása "));
    EXPECT_EQ(variationStore().BontSzelvszam, 21);
}

TEST_F(BontasTest, StatisztikaAfterARunShowsHowOftenEachNumberCame)
{
    // 7 numbers in lines of 5 with no error point: the 21 lines of the full
    // variation, each number in 15 of them.
    jelol({3, 9, 14, 22, 27, 31, 40});
    feltetelRekordok().Hibapont = 0;
    Valaszolo v(QStringList{});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(vegeVar());
    ASSERT_EQ(variationStore().BontSzelvszam, 21);
    QPushButton* gomb = bontas_->BreakGomb;
    EXPECT_EQ(gomb->text(), QStringLiteral("Statisztika"));
    EXPECT_TRUE(gomb->isEnabled());
    EXPECT_TRUE(gomb->toolTip().isEmpty());

    TStatisztika* s = formok().Statisztika;
    ASSERT_NE(s, nullptr);
    ASSERT_FALSE(s->isVisible());
    QTest::mouseClick(gomb, Qt::LeftButton);
    EXPECT_FALSE(bontas_->isVisible());
    ASSERT_TRUE(varj([s] { return s->isVisible() && !s->Fut() && szalak().Tetlen(); }));
    EXPECT_EQ(s->FormTag(), 3);
    EXPECT_EQ(s->windowTitle(), QStringLiteral(" Statisztika - Variáció - Gyakorisági eloszlás"));
    const TTombInt2D& t = s->Modell().Tabla();
    ASSERT_EQ(t.size(), 7u);
    for (const TTombInt1D& r : t)
        EXPECT_EQ(r[1], 15) << r[0];
    // The lines are still there.
    EXPECT_EQ(variationStore().BontSzelvszam, 21);
    if (const QString p = kepUtvonal("bontas_statisztika.png"); !p.isEmpty()) {
        QCoreApplication::processEvents();
        s->grab().save(p);
    }
    s->close();
}

}  // namespace
