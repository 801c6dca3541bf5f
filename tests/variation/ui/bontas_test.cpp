// The generation run driven the user's way, on the variation's windows
// without the main window: numbers marked, error points set, Start, the run
// window while it goes and after it, Pause, resume and Stop, and the end
// report.
#include "variation/ui/bontas_alap.h"
#include "variation/ui/futas_segedek.h"
#include "conditions/variation_options.h"
#include "app/ui/program.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/bontas.h"
#include "variation/ui/variacio_ablakok.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/shell_state.h"
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
#include "app/version.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
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

class BontasTest : public kvx::teszt::BontasAlap<kvx::teszt::VariacioAblakok> {};

// The engine's own count for the same input.
std::int32_t referencia(std::int32_t n, std::int32_t k, std::int32_t h, TTombByte1D* sorok = nullptr)
{
    VariationStore t;
    BontasBemenet b;
    b.KijeloltSzamDb = b.KijeloltFoSzamDb = n;
    b.VariacioMeret = b.VariacioFoMeret = k;
    b.Hibapont = h;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    BontasFuttatas(t, b, all, vez, env);
    if (sorok)
        sorok->assign(t.FBontasMatrix, t.FBontasMatrix + static_cast<std::size_t>(t.BontSzelvszam) * k);
    return t.BontSzelvszam;
}

TEST_F(BontasTest, StartWithTwelveNumbersAndOneErrorPointStoresTheEnginesLines)
{
    EXPECT_FALSE(a(ParancsId::rls2)->isEnabled());
    EXPECT_EQ(a(ParancsId::rls2)->toolTip(), QStringLiteral(" Nincs kész variáció "));
    jelol({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88});
    ASSERT_EQ(szamListak().KijeloltSzamDb(), 12);
    feltetelRekordok().Hibapont = 1;

    Valaszolo v(QStringList{});
    a(ParancsId::Start1)->trigger();
    EXPECT_TRUE(bontas_->isVisible());
    EXPECT_EQ(bontas_->windowTitle(), QStringLiteral(" Variáció készítése"));
    ASSERT_TRUE(vegeVar());

    TTombByte1D elvart;
    const std::int32_t db = referencia(12, 5, 1, &elvart);
    ASSERT_GT(db, 0);
    const VariationStore& t = variationStore();
    EXPECT_EQ(t.BontSzelvszam, db);
    EXPECT_TRUE(std::equal(elvart.begin(), elvart.end(), t.FBontasMatrix));
    EXPECT_EQ(t.Import_Count, (TTombInt1D{db}));
    // What the user sees after the run.
    EXPECT_TRUE(bontas_->isVisible());
    EXPECT_EQ(bontas_->SzelvSzamCimke->text(), QString::fromStdString(SzelvSzamSzoveg(db)));
    EXPECT_EQ(bontas_->Label4->text(), QStringLiteral("Folyamat: 100%"));
    EXPECT_EQ(bontas_->BontFolyamatPB->value(), 100);
    EXPECT_EQ(bontas_->KilepesGomb->text(), QStringLiteral("Kilépés"));
    EXPECT_EQ(bontas_->BreakGomb->text(), QStringLiteral("Statisztika"));
    EXPECT_EQ(bontas_->Label5->text(), QStringLiteral("Hibapont: 1"));
    EXPECT_EQ(bontas_->VariacioFejlec->text(), QStringLiteral("12 szám variációja "));
    EXPECT_FALSE(bontas_->StopGomb->isEnabled());
    EXPECT_TRUE(bontas_->TorlesGomb->isEnabled());
    EXPECT_TRUE(bontas_->UtolsoJelentes.isEmpty());
    EXPECT_TRUE(a(ParancsId::rls2)->isEnabled());
    EXPECT_EQ(a(ParancsId::rls2)->toolTip(), QStringLiteral(" Variáció törlése "));
    EXPECT_FALSE(a(ParancsId::PauseTorles)->isEnabled());
    EXPECT_EQ(a(ParancsId::PauseTorles)->toolTip(), QStringLiteral(" Nem [Pause] felfüggesztett variáció "));
    if (const QString p = kepUtvonal("bontas_vege.png"); !p.isEmpty())
        bontas_->grab().save(p);

    // Kilépés closes the window; the variation stays.
    bontas_->KilepesGomb->click();
    EXPECT_FALSE(bontas_->isVisible());
    EXPECT_EQ(variationStore().BontSzelvszam, db);
    // The variation is ready: Start says so until it is deleted.
    EXPECT_FALSE(a(ParancsId::Start1)->isEnabled());
    EXPECT_EQ(a(ParancsId::Start1)->toolTip(), QStringLiteral(" A variáció elkészült "));

    // Delete: asked, then gone.
    bontas_->KilepesGomb->click();
    Valaszolo torles({QStringLiteral("Igen")});
    a(ParancsId::rls2)->trigger();
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
    EXPECT_FALSE(a(ParancsId::rls2)->isEnabled());
    EXPECT_TRUE(a(ParancsId::Start1)->isEnabled());
    EXPECT_EQ(a(ParancsId::Start1)->toolTip(), QStringLiteral(" Variáció készítése "));
}

TEST_F(BontasTest, CsokkentSearchFollowsTheRunAndShowsItsCycles)
{
    jelol({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88});
    feltetelRekordok().Hibapont = 1;
    TVariacioOpciok& o = feltetelRekordok().VariacioOpciok;
    o.Optimalizalas = 1;
    o.Csokkent = 1;
    o.Feluliras = 1;

    Valaszolo v(QStringList{});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(vegeVar());
    const std::int32_t db = referencia(12, 5, 1);
    const VariationStore& t = variationStore();
    EXPECT_GT(t.BontSzelvszam, 0);
    EXPECT_LE(t.BontSzelvszam, db);
    EXPECT_GT(o.OptCiklus, 1);
    EXPECT_EQ(bontas_->SzelvSzamCimke->text(),
              QString::fromStdString(OptCiklusSzoveg(o.OptTrillio, o.OptCiklus)));
    EXPECT_TRUE(bontas_->TarolvaCimke->isVisible());
    EXPECT_EQ(bontas_->TarolvaCimke->text(),
              QString::fromStdString(OptTaroltSzoveg(o.OptLegjobbTrillio, o.OptLegjobbCiklus, t.BontSzelvszam)));
    if (const QString p = kepUtvonal("bontas_csokkent.png"); !p.isEmpty())
        bontas_->grab().save(p);
}

TEST_F(BontasTest, ConditionsNoLinePassesEndInTheErrorReport)
{
    jelol({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88});
    FeltetelRekordok& f = feltetelRekordok();
    f.Hibapont = 1;
    f.OsszegFeltetel.Allapot = 1;
    f.OsszegFeltetel.Min = 1;
    f.OsszegFeltetel.Max = 10;  // no five of these numbers sum to 10
    f.FeltetelJelzo = true;

    QStringList latott;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        auto* mb = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!mb)
            return;
        latott << mb->text();
        if (const QString p = kepUtvonal("bontas_jelentes.png"); !p.isEmpty() && latott.size() == 1)
            mb->grab().save(p);
        for (QAbstractButton* b : mb->buttons())
            if (b->text() == QStringLiteral("OK") || b->text() == QStringLiteral("Igen")) {
                b->click();
                return;
            }
    });
    figyelo.start(20);
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(vegeVar());
    ASSERT_TRUE(varj([&] { return !bontas_->isVisible(); }, 10000));
    figyelo.stop();
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
    EXPECT_TRUE(bontas_->UtolsoJelentesHiba);
    EXPECT_EQ(bontas_->UtolsoJelentes,
              QStringLiteral("A folyamat során nem teljesült feltétel:\r\n     »   Math - Összeg"
                             "\r\n\r\nGondolja újra az alkalmazott logikai és/vagy numerikus értékeket."
                             "\r\n\r\nHibakeresés, Súgó: Tartalom - Feltétel - Ellenőrzés"));
    ASSERT_FALSE(latott.isEmpty());
    EXPECT_TRUE(latott.last().contains(QStringLiteral("Math - Összeg")));
}

// A first allocation above 100,000 rows is made behind the wait window
// before the run starts; the run then stores into it.
TEST_F(BontasTest, LargeFirstAllocationIsPreparedBehindTheWaitWindow)
{
    for (int i = 1; i <= 30; ++i)
        SzamJeloles(szamListak(), game(), mainState(), i, 0, false);
    tickets();
    ASSERT_EQ(szamListak().KijeloltSzamDb(), 30);
    FeltetelRekordok& f = feltetelRekordok();
    f.OsszegFeltetel.Allapot = 1;
    f.OsszegFeltetel.Min = 1;
    f.OsszegFeltetel.Max = 1000;  // every line passes
    f.FeltetelJelzo = true;
    variationStore().BontEngedelyezettMeret = 200000;
    ASSERT_NE(ablakok_->UzenetAblak, nullptr);
    ablakok_->UzenetAblak->Label1->clear();

    Valaszolo v(QStringList{});
    a(ParancsId::Start1)->trigger();
    const bool vege = vegeVar();
    variationStore().BontEngedelyezettMeret = 100000;
    ASSERT_TRUE(vege);
    EXPECT_EQ(ablakok_->UzenetAblak->Label1->text(), QStringLiteral("Variáció tömbjének előkészítése"));
    EXPECT_FALSE(ablakok_->UzenetAblak->isVisible());
    EXPECT_EQ(variationStore().BontSzelvszam, 142506);
    EXPECT_EQ(bontas_->SzelvSzamCimke->text(), QString::fromStdString(SzelvSzamSzoveg(142506)));
}

// Reducing a finished variation without Felülírás would keep every line
// protected: Start ticks Felülírás itself, says so, and asks whether to run;
// after a Nem it waits for a new Start.
TEST_F(BontasTest, StartTicksFelulirasForAReductionOfEveryProtectedLine)
{
    jelol({3, 9, 14, 22, 27, 31, 40, 48, 55});
    feltetelRekordok().Hibapont = 1;
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        ASSERT_TRUE(vegeVar());
    }
    const std::int32_t sorok = variationStore().BontSzelvszam;
    ASSERT_GT(sorok, 0);
    // Extension mode over the same numbers lets Start work on the lines.
    a(ParancsId::Beilleszts1)->trigger();
    ASSERT_TRUE(a(ParancsId::Start1)->isEnabled());
    feltetelRekordok().Hibapont = 1;
    TVariacioOpciok& vo = feltetelRekordok().VariacioOpciok;
    vo.Optimalizalas = 1;
    vo.Csokkent = 1;
    vo.Feluliras = 0;
    vo.SetVedettSzamsorDb(sorok);
    Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK")});
    a(ParancsId::Start1)->trigger();
    ASSERT_FALSE(v.Latott.isEmpty());
    EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(QStringLiteral("A program kijelölte a Felülírás opciót")));
    EXPECT_TRUE(v.Latott.front().Szoveg.endsWith(QStringLiteral("Mégis elindítja a variáció készítését?")));
    EXPECT_EQ(feltetelRekordok().VariacioOpciok.Optimalizalas, 1);
    EXPECT_EQ(feltetelRekordok().VariacioOpciok.Feluliras, 1);
    EXPECT_EQ(feltetelRekordok().VariacioOpciok.VedettSzamsorDb(), 0);
    ASSERT_NE(ablakok_->Feltetelek, nullptr);
    EXPECT_TRUE(ablakok_->Feltetelek->OptBontFelulirasBox->isChecked());
    EXPECT_FALSE(bontas_->Fut());
    EXPECT_EQ(variationStore().BontSzelvszam, sorok);
}

// Lines made or changed by this program carry its version and today's date
// into the next save, whatever a loaded file said before.
TEST_F(BontasTest, RunsAndEditsStampTheVersionAndTheDate)
{
    VariacioAllomanyAllapot& va = variacioAllomany();
    const auto regi = [&va] {
        va.VariacioVerzio = "2.7.0.0";
        va.AllomanyVerzioSzam = 2700;
        va.VariacioDatum = 40000.0;
    };
    regi();
    jelol({3, 9, 14, 22, 27, 31, 40});
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        ASSERT_TRUE(vegeVar());
    }
    EXPECT_EQ(va.VariacioVerzio, VerzioSzoveg());
    EXPECT_EQ(va.AllomanyVerzioSzam, VerzioSzam());
    EXPECT_NEAR(va.VariacioDatum, MaiDatum(), 1.0);
    regi();
    kvx::Program::aktualis().Variacio().SzerkesztettVariacioBeallitas(true);
    EXPECT_EQ(va.VariacioVerzio, VerzioSzoveg());
    EXPECT_NEAR(va.VariacioDatum, MaiDatum(), 1.0);
}

TEST_F(BontasTest, LongRunCanBePausedResumedAndStopped)
{
    SzamListak& l = szamListak();
    MindenSzamKijelolese(l, game(), mainState(), game().OsszesSzam);
    tickets();
    ASSERT_EQ(l.KijeloltSzamDb(), 90);
    feltetelRekordok().Hibapont = 1;

    // Pause at once: the question is answered Igen, the window closes.
    Valaszolo v({QStringLiteral("Igen")});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(bontas_->isVisible());
    ASSERT_TRUE(varj([&] { return bontasEgyseg().Vezerles.BontSzelvszam.load() > 100; }, 60000));
    if (const QString p = kepUtvonal("bontas_fut.png"); !p.isEmpty()) {
        bontas_->Timer1Timer();
        bontas_->grab().save(p);
    }
    bontas_->PauseGomb->click();
    ASSERT_TRUE(vegeVar());
    ASSERT_TRUE(varj([&] { return !bontas_->isVisible(); }, 10000));
    ASSERT_FALSE(v.Latott.isEmpty());
    EXPECT_TRUE(v.Latott.front().Szoveg.contains(QStringLiteral("Felfüggeszti a folyamatot?")));
    EXPECT_TRUE(bontasEgyseg().Vezerles.BontasPause.load());
    EXPECT_EQ(bontasEgyseg().Allapot.PauseSzamsor.size(), 5u);
    EXPECT_TRUE(a(ParancsId::PauseTorles)->isEnabled() || variationStore().BontSzelvszam == 0);
    EXPECT_GT(variationStore().BontSzelvszam, 0);
    // The paused lines go on as an extension: the conditions open for a
    // change before the run is resumed.
    EXPECT_TRUE(a(ParancsId::Start1)->isEnabled());
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_TRUE(ablakok_->Feltetelek->isVisible());
    EXPECT_EQ(a(ParancsId::Start1)->toolTip(), QStringLiteral(" Variáció készítése "));

    const std::int32_t pauseSorok = variationStore().BontSzelvszam;
    TTombByte1D pauseTartalom(variationStore().FBontasMatrix,
                              variationStore().FBontasMatrix + static_cast<std::size_t>(pauseSorok) * 5);

    // Resume: the paused variation goes on as an extension of its lines.
    // Stop at once (answered Igen): the lines stored before the resumed run
    // stay, as the question says.
    Valaszolo stop({QStringLiteral("Igen")});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(bontas_->isVisible());
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    bontas_->StopGomb->click();
    ASSERT_TRUE(vegeVar());
    ASSERT_TRUE(varj([&] { return !bontas_->isVisible(); }, 10000));
    ASSERT_FALSE(stop.Latott.isEmpty());
    EXPECT_TRUE(stop.Latott.front().Szoveg.contains(QStringLiteral("Leállítja a folyamatot?")));
    EXPECT_TRUE(stop.Latott.front().Szoveg.contains(QStringLiteral("a folyamatot megelőző számsorokat")));
    EXPECT_FALSE(bontas_->GetBontStatus());
    ASSERT_EQ(variationStore().BontSzelvszam, pauseSorok);
    EXPECT_TRUE(std::equal(pauseTartalom.begin(), pauseTartalom.end(), variationStore().FBontasMatrix));
    EXPECT_TRUE(a(ParancsId::rls2)->isEnabled());
    EXPECT_TRUE(a(ParancsId::Start1)->isEnabled());
    EXPECT_EQ(a(ParancsId::Start1)->toolTip(), QStringLiteral(" Variáció készítése "));
    // "Bővítés" switches extension mode off again.
    // Its image shows the state: 41 while extension mode is on, 42 after.
    EXPECT_EQ(a(ParancsId::Beilleszts1)->toolTip(), QStringLiteral(" Variáció bővítésének tiltása "));
    EXPECT_EQ(a(ParancsId::Beilleszts1)->property("KepIndex").toInt(), 41);
    const QImage be = a(ParancsId::Beilleszts1)->icon().pixmap(16, 16).toImage();
    a(ParancsId::Beilleszts1)->trigger();
    EXPECT_FALSE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(a(ParancsId::Beilleszts1)->toolTip(), QStringLiteral(" Variáció bővítése és/vagy a számsor módosítása "));
    EXPECT_EQ(a(ParancsId::Beilleszts1)->property("KepIndex").toInt(), 42);
    EXPECT_NE(a(ParancsId::Beilleszts1)->icon().pixmap(16, 16).toImage(), be);
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        be.scaled(64, 64).save(QDir(d).filePath("bovites_41.png"));
        a(ParancsId::Beilleszts1)->icon().pixmap(16, 16).toImage().scaled(64, 64).save(QDir(d).filePath("bovites_42.png"));
    }
    EXPECT_EQ(a(ParancsId::Start1)->toolTip(), QStringLiteral(" Leállított variáció befejezése "));
    if (ablakok_->Feltetelek)
        ablakok_->Feltetelek->hide();
}

// An extension whose lines the optimisation may rewrite (Felülírás on):
// the Stop question says the list keeps the lines as the run left them, and
// it does, the new lines closing their part of the variation.
TEST_F(BontasTest, StoppedExtensionThatMayRewriteKeepsTheCurrentLines)
{
    SzamListak& l = szamListak();
    MindenSzamKijelolese(l, game(), mainState(), game().OsszesSzam);
    tickets();
    feltetelRekordok().Hibapont = 1;
    {
        Valaszolo v({QStringLiteral("Igen")});
        a(ParancsId::Start1)->trigger();
        ASSERT_TRUE(varj([&] { return bontasEgyseg().Vezerles.BontSzelvszam.load() > 100; }, 60000));
        bontas_->PauseGomb->click();
        ASSERT_TRUE(vegeVar());
        ASSERT_TRUE(varj([&] { return !bontas_->isVisible(); }, 10000));
    }
    ASSERT_TRUE(bontasEgyseg().BontasBovites);
    if (ablakok_->Feltetelek)
        ablakok_->Feltetelek->hide();
    const std::int32_t elotte = variationStore().BontSzelvszam;
    ASSERT_GT(elotte, 0);
    const TTombByte1D elotteSorok(variationStore().FBontasMatrix,
                                  variationStore().FBontasMatrix + static_cast<std::size_t>(elotte) * 5);
    TVariacioOpciok& o = feltetelRekordok().VariacioOpciok;
    o.Optimalizalas = 1;
    o.Csokkent = 1;
    o.Feluliras = 1;

    Valaszolo stop({QStringLiteral("Igen")});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(bontas_->isVisible());
    ASSERT_TRUE(varj([&] { return bontasEgyseg().Vezerles.BontSzelvszam.load() > elotte + 100; }, 60000));
    bontas_->StopGomb->click();
    ASSERT_TRUE(vegeVar());
    ASSERT_TRUE(varj([&] { return !bontas_->isVisible(); }, 10000));
    ASSERT_FALSE(stop.Latott.isEmpty());
    EXPECT_EQ(stop.Latott.front().Szoveg,
              QStringLiteral("[Stop] leállított folyamat\nA variációs lista, a folyamat aktuális állapota szerinti "
                             "számsorokat fogja tartalmazni.\n\nLeállítja a folyamatot?"));
    const VariationStore& t = variationStore();
    EXPECT_GT(t.BontSzelvszam, elotte + 100);
    EXPECT_EQ(t.BontMatrixMeret, t.BontSzelvszam);
    EXPECT_TRUE(std::equal(elotteSorok.begin(), elotteSorok.end(), t.FBontasMatrix));
    ASSERT_FALSE(t.Import_Count.empty());
    EXPECT_EQ(t.Import_Count.back(), t.BontSzelvszam);
    o.Optimalizalas = 0;
    if (ablakok_->Feltetelek)
        ablakok_->Feltetelek->hide();
}

// The store fills up and "Nem" refuses its growth: the run ends with the
// lines stored so far, kept and said so, never deleted as after a Stop.
TEST_F(BontasTest, RefusedGrowthKeepsTheStoredLinesAndSaysSo)
{
    jelol({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88});  // 792 lines in full
    settings().JovahagyasVariacio = true;
    variationStore().BontEngedelyezettMeret = 100;

    Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK")});
    a(ParancsId::Start1)->trigger();
    ASSERT_TRUE(vegeVar());
    ASSERT_TRUE(varj([&] { return !bontas_->isVisible() && v.Latott.size() >= 2; }, 10000));
    EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("Folytatja a variáció készítését?")));
    EXPECT_TRUE(v.Latott[1].Szoveg.contains(QStringLiteral("Az eddig elkészült 100 számsor megmaradt")));
    const VariationStore& t = variationStore();
    ASSERT_EQ(t.BontSzelvszam, 100);
    EXPECT_EQ(t.BontMatrixMeret, 100);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{100}));
    // The first 100 lines of the full variation, in order.
    TTombByte1D elvart;
    referencia(12, 5, 0, &elvart);
    EXPECT_TRUE(std::equal(t.FBontasMatrix, t.FBontasMatrix + 500, elvart.begin()));
    EXPECT_TRUE(a(ParancsId::rls2)->isEnabled());
    EXPECT_TRUE(bontasEgyseg().BefejezetlenVariacio);
}

// With confirmations switched off, Pause and Break take effect at once: no
// question is shown and the run ends paused with its lines.
TEST_F(BontasTest, PauseAndBreakAskNothingWithConfirmationsOff)
{
    uzenetBeallitasok().Jovahagyas = false;
    for (const char* gomb : {"PauseGomb", "BreakGomb"}) {
        SCOPED_TRACE(gomb);
        if (variationStore().BontMatrixMeret > 0) {
            kvx::Program::aktualis().VariacioParancsai().Torles();
            LMPStatusokTorlese(bontasEgyseg());
        }
        SzamListak& l = szamListak();
        if (l.KijeloltSzamDb() < game().OsszesSzam)
            MindenSzamKijelolese(l, game(), mainState(), game().OsszesSzam);
        tickets();
        feltetelRekordok().Hibapont = 1;
        Valaszolo v({QStringLiteral("Igen")});
        a(ParancsId::Start1)->trigger();
        ASSERT_TRUE(bontas_->isVisible());
        ASSERT_TRUE(varj([&] { return bontasEgyseg().Vezerles.BontSzelvszam.load() > 100; }, 60000));
        bontas_->findChild<QPushButton*>(QString::fromUtf8(gomb))->click();
        ASSERT_TRUE(vegeVar());
        EXPECT_TRUE(v.Latott.isEmpty());
        // Pause keeps the run to resume; Break leaves its lines without it.
        EXPECT_EQ(bontasEgyseg().Vezerles.BontasPause.load(), std::string(gomb) == "PauseGomb");
        EXPECT_GT(variationStore().BontSzelvszam, 0);
    }
}

}  // namespace
