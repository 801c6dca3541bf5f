// The main window's help, tips and launcher progress on the offscreen
// platform: the help page opens at the topic of the command or of the control
// right-clicked for "Mi ez?", the about box's licence and the development
// text, the fixed-number advice before the conditions open, and the launcher
// progress connected at start.
#include "app/ui/beallitasok.h"
#include "shell/foablak.h"
#include "draws/ui/velszam.h"
#include "printing/ui/nyomtopc.h"
#include "statistics/ui/statisztika.h"
#include "shell/formok.h"
#include "app/ui/nevjegy.h"
#include "app/ui/program.h"
#include "app/ui/sugo.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/maker_info.h"
#include "app/shell_state.h"
#include "conditions/ui/feltetelek.h"
#include "platform/taskbar_progress.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "valaszolo.h"

namespace {

using namespace kvx;

// Records the addresses the program asks the desktop to open.
class UrlNaplo : public QObject {
    Q_OBJECT
public:
    UrlNaplo() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "megnyit"); }
    ~UrlNaplo() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList Horgonyok;  // the fragment of every opened address ("" for none)
    QStringList Utak;

public slots:
    void megnyit(const QUrl& u)
    {
        Horgonyok << u.fragment();
        Utak << u.toLocalFile();
    }
};

class SugoTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void ablak(bool sugoVan)
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Help")));
        if (sugoVan) {
            QFile f(dir_.filePath(QStringLiteral("Help/kavarex.html")));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        window_ = std::make_unique<TFoablak>(dir_.filePath(QStringLiteral("kavarex")));
        kvx::Program::aktualis().HibaUzenet = [this](const QString& s) { hibak_ << s; };
        FormokLetrehozasa(*window_);
        window_->show();
        settings().UzenetekLog[17] = 0;  // no oversize warning on the small offscreen screen
    }
    void TearDown() override { window_.reset(); }
    QAction* a(kvx::ParancsId nev) const { return window_->Akcio(nev); }

    // Right-clicks w at pos and chooses "Mi ez?" from the pop-up; false when
    // no pop-up offered it.
    static bool miEz(QWidget* w, const QPoint& pos)
    {
        QContextMenuEvent e(QContextMenuEvent::Mouse, pos, w->mapToGlobal(pos));
        QApplication::sendEvent(w, &e);
        for (QWidget* t : QApplication::topLevelWidgets()) {
            auto* m = qobject_cast<QMenu*>(t);
            if (!m || !m->isVisible()) continue;
            for (QAction* act : m->actions())
                if (act->text() == QStringLiteral("Mi ez?")) {
                    m->close();
                    act->trigger();
                    return true;
                }
        }
        return false;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    QStringList hibak_;
};

TEST_F(SugoTest, HelpOpensAtTheTopicOfTheCommandOrTheControl)
{
    ablak(true);
    UrlNaplo naplo;
    a(ParancsId::makrk1)->trigger();
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    fo->show();
    // The info panel's label lies under the click: the panel's topic holds for it.
    ASSERT_TRUE(miEz(fo->InfoPanel, QPoint(4, 4)));
    ASSERT_TRUE(miEz(window_.get(), QPoint(window_->width() / 2, window_->height() / 2)));
    formok().Nevjegy->LicencButton->click();
    EXPECT_EQ(naplo.Horgonyok, (QStringList{"k501", "k20", "k501", "k2000"}));
    for (const QString& ut : naplo.Utak) EXPECT_EQ(ut, dir_.filePath(QStringLiteral("Help/kavarex.html")));
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();

    // The page carries every anchor the program opens.
    QFile oldal(QDir::cleanPath(QStringLiteral(KAVAREX_FIXTURES "/../../data/Help/kavarex.html")));
    ASSERT_TRUE(oldal.open(QIODevice::ReadOnly));
    const QByteArray html = oldal.readAll();
    for (const char* h : {"id=\"k501\"", "id=\"k20\"", "id=\"k2000\""}) EXPECT_TRUE(html.contains(h)) << h;
}

// The settings window: a control of a tab opens that tab's topic; the tab bar
// and the buttons the topic of the tab shown. The count dialog of random
// draws and the coupon-filling options have theirs. The page has the anchors
// of every window topic.
TEST_F(SugoTest, SettingsTabsOpenTheHelpAtTheirOwnTopic)
{
    ablak(true);
    UrlNaplo naplo;
    TBeallitasok* b = formok().Beallitasok;
    ASSERT_NE(b, nullptr);
    b->show();
    b->Lapok->setCurrentIndex(1);
    ASSERT_TRUE(miEz(b->BontMaxMereteTB, b->BontMaxMereteTB->rect().center()));
    QTabBar* fulek = b->Lapok->tabBar();
    ASSERT_TRUE(miEz(fulek, fulek->tabRect(1).center()));
    b->Lapok->setCurrentIndex(2);
    ASSERT_TRUE(miEz(fulek, fulek->tabRect(2).center()));
    b->Lapok->setCurrentIndex(0);
    ASSERT_TRUE(miEz(b->Lapok->currentWidget(), QPoint(2, 2)));
    b->hide();
    // The count dialog of random draws, while it waits for the count.
    TVelSzam* v = formok().VelSzam;
    ASSERT_NE(v, nullptr);
    bool felugro = false;
    QTimer::singleShot(0, v, [&] {
        felugro = miEz(v, QPoint(2, 2));
        v->MegseGomb->click();
    });
    EXPECT_EQ(v->Start(10, false), 0);
    EXPECT_TRUE(felugro);
    formok().NyomtOpc->show();
    ASSERT_TRUE(miEz(formok().NyomtOpc, QPoint(2, 2)));
    EXPECT_EQ(naplo.Horgonyok, (QStringList{"k70", "k70", "k60", "k50", "k700", "k650"}));
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();

    QFile oldal(QDir::cleanPath(QStringLiteral(KAVAREX_FIXTURES "/../../data/Help/kavarex.html")));
    ASSERT_TRUE(oldal.open(QIODevice::ReadOnly));
    const QByteArray html = oldal.readAll();
    for (const int k : {kSugoBeallitasAltalanos, kSugoBeallitasInformaciok, kSugoBeallitasVariacio, kSugoVeletlenSzamok,
                        kSugoVeletlenSzamsorok, kSugoSzelvenyKitoltes})
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"k%1\"").arg(k).toUtf8())) << k;
}

// The statistics window: "Mi ez?" on each control under the chart opens the
// section of that control, titled with the control's own caption; the chart
// itself opens the window's section.
TEST_F(SugoTest, StatisticsControlsOpenTheirOwnSections)
{
    ablak(true);
    UrlNaplo naplo;
    TStatisztika* s = formok().Statisztika;
    ASSERT_NE(s, nullptr);
    s->show();
    QFile oldal(QDir::cleanPath(QStringLiteral(KAVAREX_FIXTURES "/../../data/Help/kavarex.html")));
    ASSERT_TRUE(oldal.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(oldal.readAll());
    const auto cim = [&html](const QString& horgony) {
        const QRegularExpression h(QStringLiteral("<h(\\d) id=\"%1\">(.*?)</h\\1>").arg(horgony));
        const QRegularExpressionMatch m = h.match(html);
        return m.hasMatch() ? QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText() : QString();
    };
    struct Eset {
        QWidget* w;
        QString felirat;  // what the section's title holds
        int tema;
    };
    const Eset esetek[] = {
        {s->ZoomCheckBox, s->ZoomCheckBox->text(), kSugoStatZoom},
        {s->InverzCheckBox, s->InverzCheckBox->text(), kSugoStatInverz},
        {s->MindCheckBox, s->MindCheckBox->text(), kSugoStatMind},
        {s->MicroCheckBox, s->MicroCheckBox->text(), kSugoStatMikro},
        {s->NanoCheckBox, s->NanoCheckBox->text(), kSugoStatNano},
        {s->ElmeletiCheckBox, s->ElmeletiCheckBox->text(), kSugoStatElmeleti},
        {s->TenylegesCheckBox, s->TenylegesCheckBox->text(), kSugoStatTenyleges},
        {s->TimeCheckBox, s->TimeCheckBox->text(), kSugoStatHuzas},
        {s->EredetiGomb, s->EredetiGomb->text(), kSugoStatSorrend},
        {s->NovekvoGomb, s->NovekvoGomb->text(), kSugoStatSorrend},
        {s->CsokkenoGomb, s->CsokkenoGomb->text(), kSugoStatSorrend},
        {s->SpeedButton1, s->SpeedButton1->text(), kSugoStatFoablakSzelesseg},
        {s->SpeedButton2, s->SpeedButton2->text(), kSugoStatAlapSzelesseg},
        {s->SzomszedosSzamokCB, QStringLiteral("Választólista"), kSugoStatValaszto},
        {s->SelectionSortBox, QStringLiteral("Statisztika"), kSugoStatisztika},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.felirat.toStdString());
        naplo.Horgonyok.clear();
        ASSERT_TRUE(miEz(e.w, QPoint(2, 2)));
        const QString horgony = QStringLiteral("k%1").arg(e.tema);
        EXPECT_EQ(naplo.Horgonyok, QStringList{horgony});
        const QString c = cim(horgony);
        EXPECT_TRUE(c.contains(e.felirat.trimmed())) << c.toStdString();
    }
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();
}

TEST_F(SugoTest, WithoutTheHelpPageNothingOpensAndTheLicenceSaysWhy)
{
    ablak(false);
    hibak_.clear();
    UrlNaplo naplo;
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    fo->show();
    EXPECT_FALSE(miEz(fo->InfoPanel, QPoint(4, 4)));
    a(ParancsId::makrk1)->trigger();
    teszt::Valaszolo v({QStringLiteral("OK")});
    formok().Nevjegy->LicencButton->click();
    EXPECT_TRUE(naplo.Horgonyok.isEmpty());
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("Hiányzik a Súgó állománya")))
        << v.Latott[0].Szoveg.toStdString();
}

// Where the page cannot be shown (the desktop has no program for it, as on
// the offscreen platform without a URL handler, or the page has gone since
// start-up) every help command says so and names the page's full path.
TEST_F(SugoTest, AHelpPageThatCannotBeShownIsNamedWithItsPath)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    ablak(true);
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    fo->show();
    const QString oldal = dir_.filePath(QStringLiteral("Help/kavarex.html"));
    const struct {
        const char* nev;
        std::function<void()> parancs;
    } parancsok[] = {
        {"Témakörök", [this] { a(ParancsId::makrk1)->trigger(); }},
        {"Mi ez?", [fo] { ASSERT_TRUE(miEz(fo->InfoPanel, QPoint(4, 4))); }},
        {"Licenc", [] { formok().Nevjegy->LicencButton->click(); }},
    };
    const struct {
        const char* eset;
        const char* uzenet;
        const char* kep;
    } esetek[] = {
        {"no program shows it", kSugoNincsMegjelenito, "sugo_nincs_megjelenito.png"},
        {"the page has gone", kSugoOldalHianyzik, "sugo_oldal_hianyzik.png"},
    };
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    for (const auto& e : esetek) {
        if (e.uzenet == kSugoOldalHianyzik) {
            ASSERT_TRUE(QFile::remove(oldal));
        }
        for (const auto& p : parancsok) {
            SCOPED_TRACE(std::string(e.eset) + ", " + p.nev);
            teszt::Valaszolo v({});
            // The box is looked at (and pictured) before it is answered.
            QTimer valasz;
            QObject::connect(&valasz, &QTimer::timeout, [&] {
                QWidget* w = QApplication::activeModalWidget();
                if (!w || v.Latott.isEmpty())
                    return;
                if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
                    w->grab().save(QDir(d).filePath(QString::fromUtf8(e.kep)));
                for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                    if (b->text() == QStringLiteral("OK"))
                        b->click();
            });
            valasz.start(10);
            p.parancs();
            ASSERT_EQ(v.Latott.size(), 1);
            EXPECT_EQ(QString(v.Latott[0].Szoveg).remove(QChar('\r')).toStdString(),
                      QString(QString::fromUtf8(e.uzenet) + oldal).remove(QChar('\r')).toStdString());
        }
    }
}

TEST_F(SugoTest, DevelopmentItemShowsTheMakersOffer)
{
    ablak(true);
    ASSERT_TRUE(a(ParancsId::Fejleszts1)->isEnabled());
    teszt::Valaszolo v({QStringLiteral("OK")});
    a(ParancsId::Fejleszts1)->trigger();
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_EQ(v.Latott[0].Cim, QStringLiteral(" Információ"));
    EXPECT_TRUE(v.Latott[0].Szoveg.remove(QChar('\r')).startsWith(
        QString::fromStdString(fejlesztesSzoveg(gyartoCimek())).remove(QChar('\r'))))
        << v.Latott[0].Szoveg.toStdString();
}

// The advice on fixed numbers comes when the conditions open after a fixed
// number was marked: once per marking while its flag is set, never after "Nem".
TEST_F(SugoTest, FixedNumberAdviceBeforeTheConditions)
{
    ablak(true);
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    for (int n : {3, 14, 15, 42, 65, 35}) fo->SzamJeloles(n, ModKijelolt, false);
    const auto nyitas = [this](const QString& valasz) {
        if (formok().Feltetelek) formok().Feltetelek->close();
        teszt::Valaszolo v(valasz.isEmpty() ? QStringList{} : QStringList{valasz});
        a(ParancsId::Listzs1)->trigger();
        int db = 0;
        for (const teszt::LatottDoboz& d : v.Latott)
            if (QString(d.Szoveg).remove(QChar('\r')).startsWith(QString::fromUtf8(kFixSzamTipp).remove(QChar('\r'))))
                ++db;
        return db;
    };
    auto& jelzo = settings().UzenetekLog[kFixSzamTippIndex];
    ASSERT_EQ(jelzo, 1);
    EXPECT_EQ(nyitas(QString()), 0);  // no fixed number
    fo->SzamJeloles(50, ModFix, false);
    EXPECT_EQ(nyitas(QStringLiteral("Igen")), 1);
    EXPECT_EQ(jelzo, 1);
    EXPECT_EQ(nyitas(QString()), 0);  // given once for that marking
    fo->SzamJeloles(60, ModFix, false);
    EXPECT_EQ(nyitas(QStringLiteral("Nem")), 1);
    EXPECT_EQ(jelzo, 0);
    fo->SzamJeloles(70, ModFix, false);
    EXPECT_EQ(nyitas(QString()), 0);
    ASSERT_TRUE(formok().Feltetelek);
    EXPECT_TRUE(formok().Feltetelek->isVisible());
}

// The launcher progress is connected when the main window starts, to the
// session bus the desktop names; without one every progress call is a no-op.
TEST(SugoIndulas, LauncherProgressIsConnectedAtStart)
{
    const QByteArray regi = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const auto visszaallit = [&] {
        if (regi.isNull())
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        else
            qputenv("DBUS_SESSION_BUS_ADDRESS", regi);
    };
    {
        kvx::Program program;
        QTemporaryDir dir;
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        platform::DoneTaskbar();
        TFoablak w(dir.filePath(QStringLiteral("kavarex")));
        EXPECT_FALSE(platform::TaskbarAvailable());
        EXPECT_FALSE(platform::SetTaskbarProgressState(2));
    }
    const QString dbus = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    const QString mon = QStandardPaths::findExecutable(QStringLiteral("dbus-monitor"));
    if (dbus.isEmpty() || mon.isEmpty()) {
        visszaallit();
        GTEST_SKIP() << "dbus-daemon or dbus-monitor is not installed";
    }
    QProcess daemon;
    daemon.start(dbus, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QByteArray cim = daemon.readLine().trimmed();
    ASSERT_FALSE(cim.isEmpty());
    QProcess monitor;
    monitor.start(mon, {QStringLiteral("--address"), QString::fromUtf8(cim),
                        QStringLiteral("type='signal',interface='com.canonical.Unity.LauncherEntry'")});
    ASSERT_TRUE(monitor.waitForStarted(5000));
    teszt::varj([] { return false; }, 300);
    {
        kvx::Program program;
        QTemporaryDir dir;
        qputenv("DBUS_SESSION_BUS_ADDRESS", cim);
        auto w = std::make_unique<TFoablak>(dir.filePath(QStringLiteral("kavarex")));
        visszaallit();
        EXPECT_TRUE(platform::TaskbarAvailable());
        EXPECT_TRUE(platform::SetTaskbarProgressState(2));
        EXPECT_TRUE(platform::SetTaskbarProgressValue(100, 40));
        // Closing the program takes the progress off the launcher.
        w.reset();
        EXPECT_FALSE(platform::TaskbarAvailable());
    }
    QByteArray kimenet;
    teszt::varj([&] {
        kimenet += monitor.readAllStandardOutput();
        return kimenet.count("member=Update") >= 3;
    });
    EXPECT_EQ(kimenet.count("member=Update"), 3);
    EXPECT_TRUE(kimenet.contains("double 0.4"));
    EXPECT_TRUE(kimenet.contains("application://kavarex.desktop"));
    monitor.terminate();
    monitor.waitForFinished(3000);
    daemon.terminate();
    daemon.waitForFinished(3000);
}

}  // namespace

#include "sugo_test.moc"

// "Súgó - Támogatás" asks the about box's support question; "Nem" sends nothing.
TEST_F(SugoTest, SupportItemAsksTheAboutBoxsQuestion)
{
    ablak(true);
    ASSERT_TRUE(a(ParancsId::mogats1)->isEnabled());
    uzenetBeallitasok().Jovahagyas = true;
    teszt::Valaszolo v({QStringLiteral("Nem")});
    a(ParancsId::mogats1)->trigger();
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_EQ(QString(v.Latott[0].Szoveg).remove(QChar('\r')),
              QString::fromStdString(tamogatasKerdes(gyartoCimek())).remove(QChar('\r')));
    ASSERT_NE(formok().Nevjegy, nullptr);
    EXPECT_EQ(formok().Nevjegy->TamogatasGombTag, 1);
}
