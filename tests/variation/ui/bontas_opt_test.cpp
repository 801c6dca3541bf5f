// The run window with the optimisation search: its option indicators, the
// stored-lines label from the start, the labels while the search goes (the
// progress tick, the Pause question, after a growth of the store), and the
// proposal question that is no run time.
#include "variation/ui/bontas_alap.h"
#include "variation/ui/futas_segedek.h"
#include "variation/ui/variacio_ablakok.h"

#include "app/ui/uzenetek.h"
#include "conditions/condition_records.h"
#include "platform/taskbar_progress.h"
#include "variation/generation_run.h"
#include "variation/line_enumerator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;
using kvx::teszt::futas::varj;
using kvx::teszt::kepUtvonal;

class BontasOptTest : public kvx::teszt::BontasAlap<kvx::teszt::VariacioAblakok> {
protected:
    QCheckBox* jelzo(const QString& felirat) const
    {
        for (QCheckBox* c : bontas_->Jelzok)
            if (c->text() == felirat)
                return c;
        return nullptr;
    }
    // Twelve numbers, two error points: a wheel the search finishes quickly.
    // A new run of the search rewrites every line: Felülírás is on.
    void futas(bool optimalizalas, bool csokkent = true, bool feluliras = true)
    {
        if (szamListak().KijeloltSzamDb() == 0)
            jelol({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88});
        feltetelRekordok().Hibapont = 2;
        TVariacioOpciok& o = feltetelRekordok().VariacioOpciok;
        o.Optimalizalas = optimalizalas ? 1 : 0;
        o.Csokkent = csokkent ? 1 : 0;
        o.Feluliras = feluliras ? 1 : 0;
        o.Rendez = 1;
        o.Mod = 1;
        o.Arany = 7;
        // The trial of a rewritable variation may propose another start, and
        // a search that found nothing better says so: every box is accepted.
        QTimer valaszolo;
        QObject::connect(&valaszolo, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget())
                for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                    if (b->text() == QStringLiteral("Igen") || b->text() == QStringLiteral("OK")) {
                        b->click();
                        return;
                    }
        });
        valaszolo.start(20);
        a(ParancsId::Start1)->trigger();
        // What the window shows as the run starts.
        inditaskor_ = bontas_->TarolvaCimke->isVisibleTo(bontas_) ? bontas_->TarolvaCimke->text() : QString();
        ASSERT_TRUE(vegeVar());
    }
    QString koltseg(std::int64_t n) const
    {
        const auto j = static_cast<std::size_t>(game().LottoIndex);
        return QString::fromStdString(KoltsegSzoveg(n, settings().JegyAr[j], settings().PenznemIndex[j]));
    }
    QString inditaskor_;
};

// The five option boxes are ticked by the options only while the
// optimisation is switched on; "Tárolva: " shows from the start with it;
// after a run that stored lines the list button has the focus.
TEST_F(BontasOptTest, OptionIndicatorsStoredLinesLabelAndFocus)
{
    struct Eset {
        bool opt;
        bool feluliras, novel, csokkent, rendez, mod;
        const char* tarolva;  // the stored-lines label at the start, "" hidden
    };
    const Eset esetek[] = {
        {true, true, false, true, true, true, "Tárolva: 0 számsor"},
        {true, true, true, false, true, true, "Tárolva: 0 számsor"},
        {false, false, false, false, false, false, ""},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.opt ? (e.novel ? "Növel, Felülírás" : "Csökkent") : "optimisation off");
        futas(e.opt, e.csokkent, e.feluliras);
        ASSERT_GT(variationStore().BontSzelvszam, 0);
        EXPECT_EQ(inditaskor_, QString::fromUtf8(e.tarolva));
        const struct {
            const char* felirat;
            bool be;
        } jelzok[] = {{"Felülírás", e.feluliras}, {"Növel", e.novel}, {"Csökkent", e.csokkent},
                      {"Rendez", e.rendez},       {"Mód 7", e.mod}};
        for (const auto& j : jelzok) {
            QCheckBox* c = jelzo(QString::fromUtf8(j.felirat));
            ASSERT_NE(c, nullptr) << j.felirat;
            EXPECT_EQ(c->isChecked(), j.be) << j.felirat;
            EXPECT_FALSE(c->isEnabled()) << j.felirat;
        }
        EXPECT_EQ(bontas_->focusWidget(), bontas_->ListaGomb);
        if (e.opt)
            if (const QString p = kepUtvonal("bontas_optimalizalas.png"); !p.isEmpty()) {
                // The option boxes close the indicators' list.
                if (auto* g = bontas_->findChild<QScrollArea*>())
                    g->ensureWidgetVisible(jelzo(QStringLiteral("Mód 7")));
                bontas_->grab().save(p);
            }
        // The next case starts anew.
        bontas_->KilepesGombClick();
        kvx::Program::aktualis().Variacio().BontasTorlese(false);
        ASSERT_EQ(variationStore().BontSzelvszam, 0);
    }
}

// What the labels say while the search goes, as the worker publishes it:
// the progress tick, the Pause question and the label after a growth.
TEST_F(BontasOptTest, LabelsWhileTheSearchGoes)
{
    futas(true);
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    BontasVezerles& v = bontasEgyseg().Vezerles;
    // The search stands at a line count of 20; its best copy of 12 lines.
    const auto allapot = [&v](bool fut, bool teszt, std::int64_t trillio, std::int64_t ciklus,
                              std::int64_t legjobbTrillio, std::int64_t legjobbCiklus) {
        v.FHibapontMenet.store(0);
        v.FBontStatus.store(true);
        v.BontasPause.store(false);
        v.BontSzelvszam.store(20);
        v.OptFut.store(fut);
        v.OptTesztFut.store(teszt);
        v.OptTrillio.store(trillio);
        v.OptCiklus.store(ciklus);
        v.OptLegjobb.store(12);
        v.OptLegjobbTrillio.store(legjobbTrillio);
        v.OptLegjobbCiklus.store(legjobbCiklus);
    };
    struct Tick {
        bool fut, teszt;
        std::int64_t trillio, ciklus, legjobbTrillio, legjobbCiklus;
        const char* szelvSzam;
        const char* tarolva;  // nullptr: unchanged
        std::int64_t koltsegSorok;
    };
    const Tick tickek[] = {
        {true, false, 0, 5, 0, 3, "5. ciklus: 20 számsor vizsgálata", "Tárolva 3. ciklus: 12 számsor", 12},
        {true, false, 2, 4, 1, 9, "2 trillió 4. ciklus: 20 számsor vizsgálata", "Tárolva 1 trillió 9. ciklus: 12 számsor",
         12},
        {true, true, 0, 1, 0, 1, "20 számsor tesztje", nullptr, 20},
        {true, false, 0, 1, 0, 1, "20 számsor", nullptr, 20},
        {false, false, 0, 5, 0, 3, "20 számsor", nullptr, 20},
    };
    bontas_->Timer1->start();
    for (const Tick& e : tickek) {
        SCOPED_TRACE(e.szelvSzam);
        allapot(e.fut, e.teszt, e.trillio, e.ciklus, e.legjobbTrillio, e.legjobbCiklus);
        bontas_->TarolvaCimke->setText(QStringLiteral("-"));
        bontas_->Timer1Timer();
        EXPECT_EQ(bontas_->SzelvSzamCimke->text(), QString::fromUtf8(e.szelvSzam));
        EXPECT_EQ(bontas_->TarolvaCimke->text(), e.tarolva ? QString::fromUtf8(e.tarolva) : QStringLiteral("-"));
        EXPECT_EQ(bontas_->KoltsegCimke->text(), koltseg(e.koltsegSorok));
    }
    bontas_->Timer1->stop();

    // The Pause question quotes the search's cycles and its best copy.
    struct Szunet {
        bool fut;
        std::int64_t trillio, ciklus, legjobbCiklus;
        const char* szelvSzam;
    };
    const Szunet szunetek[] = {
        {true, 0, 5, 3, "5 ciklusból a(z) 3. ciklusban: 12 számsor"},
        {true, 2, 4, 9, "2 trillió 4 ciklusból a(z) 9. ciklusban: 12 számsor"},
        {false, 0, 5, 3, "20 számsor"},
    };
    for (const Szunet& e : szunetek) {
        SCOPED_TRACE(e.szelvSzam);
        allapot(e.fut, false, e.trillio, e.ciklus, 0, e.legjobbCiklus);
        Valaszolo nem({QStringLiteral("Nem")});
        EXPECT_FALSE(v.PauseVizsgalat());
        ASSERT_EQ(nem.Latott.size(), 1);
        EXPECT_TRUE(nem.Latott.front().Szoveg.contains(QStringLiteral("Megszakítja a folyamatot?")) ||
                    nem.Latott.front().Szoveg.contains(QStringLiteral("Felfüggeszti a folyamatot?")));
        EXPECT_EQ(bontas_->SzelvSzamCimke->text(), QString::fromUtf8(e.szelvSzam));
    }

    // After a growth of the store the label counts the cycles again, grey
    // while the search goes.
    const QColor alap = QPalette().color(QPalette::WindowText);
    struct Noveles {
        bool fut;
        const char* szelvSzam;
        QColor szin;
    };
    const Noveles novelesek[] = {
        {true, "7. ciklus: 20 számsor", QColor(128, 128, 128)},
        {false, "20 számsor", alap},
    };
    for (const Noveles& e : novelesek) {
        SCOPED_TRACE(e.szelvSzam);
        allapot(e.fut, false, 0, 7, 0, 3);
        bontas_->kiterjesztesKijelzes(true);
        EXPECT_EQ(bontas_->SzelvSzamCimke->text(), QStringLiteral("Variáció tömbjének kiterjesztése..."));
        EXPECT_EQ(bontas_->SzelvSzamCimke->palette().color(QPalette::WindowText), QColor(0, 128, 128));
        bontas_->kiterjesztesKijelzes(false);
        EXPECT_EQ(bontas_->SzelvSzamCimke->text(), QString::fromUtf8(e.szelvSzam));
        EXPECT_EQ(bontas_->SzelvSzamCimke->palette().color(QPalette::WindowText), e.szin);
    }
    v.OptFut.store(false);
}

// The proposal of the trial is asked with the taskbar showing the run
// paused; the time it stays open moves the run's start on (it is no run
// time), and the progress tick shows nothing new meanwhile.
TEST_F(BontasOptTest, TheProposalQuestionIsNoRunTime)
{
    futas(true);
    BontasEgyseg& u = bontasEgyseg();
    ASSERT_TRUE(u.Vezerles.OptJavaslatKerdes);

    // A private session bus takes the taskbar progress.
    const QString dbus = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    QProcess daemon;
    bool busz = false;
    if (!dbus.isEmpty()) {
        daemon.start(dbus, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (daemon.waitForReadyRead(5000))
            busz = platform::InitTaskbar(QString::fromUtf8(daemon.readLine()).trimmed());
    }

    u.Vezerles.FHibapontMenet.store(0);
    u.Vezerles.FBontStatus.store(true);
    u.Vezerles.BontasPause.store(false);
    bontas_->Timer1->start();
    const double kezdoElotte = u.BontasKezdoIdo.load();
    int allapotKozben = -1;
    bool tickKozben = true;
    QString kerdes;
    QTimer figyelo;
    std::chrono::steady_clock::time_point nyitva{};
    figyelo.setInterval(10);
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (nyitva == std::chrono::steady_clock::time_point{}) {
            nyitva = std::chrono::steady_clock::now();
            allapotKozben = platform::taskbarAllapot().Allapot;
            if (auto* mb = qobject_cast<QMessageBox*>(w))
                kerdes = mb->text();
            else if (auto* l = w->findChild<QLabel*>(QStringLiteral("Message")))
                kerdes = l->text();
            bontas_->IdoCimke->setText(QStringLiteral("-"));
            bontas_->Timer1Timer();
            tickKozben = bontas_->IdoCimke->text() != QStringLiteral("-");
        }
        // Open for 300 ms, then Igen.
        if (std::chrono::steady_clock::now() - nyitva < std::chrono::milliseconds(300))
            return;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (b->text() == QStringLiteral("Igen")) {
                figyelo.stop();
                b->click();
                return;
            }
    });
    figyelo.start();
    const auto elotte = std::chrono::steady_clock::now();
    EXPECT_TRUE(u.Vezerles.OptJavaslatKerdes("Elfogadja a program javaslatát?"));
    const double nyitvaMp = std::chrono::duration<double>(std::chrono::steady_clock::now() - nyitva).count();
    const double osszesMp = std::chrono::duration<double>(std::chrono::steady_clock::now() - elotte).count();
    bontas_->Timer1->stop();
    EXPECT_EQ(kerdes, QStringLiteral("Elfogadja a program javaslatát?"));
    EXPECT_FALSE(tickKozben);
    // The start moved on by the time the question was open, no more than the
    // whole call took.
    const double eltolas = u.BontasKezdoIdo.load() - kezdoElotte;
    EXPECT_GE(eltolas, nyitvaMp - 0.05);
    EXPECT_LE(eltolas, osszesMp + 0.05);
    EXPECT_GE(eltolas, 0.3);
    if (busz) {
        EXPECT_EQ(allapotKozben, 4);
        EXPECT_EQ(platform::taskbarAllapot().Allapot, 2);
        platform::DoneTaskbar();
    } else {
        ADD_FAILURE() << "no private session bus: dbus-daemon is installed by scripts/setup";
    }
    daemon.kill();
    daemon.waitForFinished(5000);
}

}  // namespace
