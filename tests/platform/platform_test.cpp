#include <QCoreApplication>
#include <QLocalSocket>
#include <functional>
#include <thread>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/file_types.h"
#include "platform/instance.h"
#include "platform/system_info.h"
#include "platform/taskbar_progress.h"

namespace kvx::platform {
namespace {

// The platform stand-ins need a Qt core application for their sockets.
class QtKornyezet : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char nev[] = "platform_tests";
        static char* argv[] = {nev, nullptr};
        app_ = new QCoreApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QCoreApplication* app_ = nullptr;
};
const auto* const kKornyezet = ::testing::AddGlobalTestEnvironment(new QtKornyezet);

template <class F>
bool varj(F felt, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!felt()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

TEST(FutoPeldanyTest, SecondInstanceSeesTheFirstAndAsksItToQuit)
{
    const QString nev = QStringLiteral("kavarex-test-%1").arg(QCoreApplication::applicationPid());
    FutoPeldany elso(nev);
    ASSERT_TRUE(elso.Figyel());
    int kerve = 0;
    QObject::connect(&elso, &FutoPeldany::KilepesKerve, [&] { ++kerve; });

    FutoPeldany masodik(nev);
    EXPECT_TRUE(masodik.MasikPeldanyFut());
    EXPECT_FALSE(masodik.Figyel());  // the name is taken
    // The request is sent from a helper thread: the first instance's
    // socket is served by this thread's event loop.
    bool elkuldve = false;
    std::thread t([&] { elkuldve = FutoPeldany(nev).KilepesKerese(); });
    EXPECT_TRUE(varj([&] { return kerve == 1; }));
    t.join();
    EXPECT_TRUE(elkuldve);

    // Garbage is not a quit request.
    std::thread t2([&] {
        QLocalSocket s;
        s.connectToServer(nev);
        if (s.waitForConnected(1000)) {
            s.write("kill\n");
            s.waitForBytesWritten(1000);
        }
    });
    t2.join();
    varj([] { return false; }, 100);
    EXPECT_EQ(kerve, 1);
}

TEST(FutoPeldanyTest, StaleSocketIsTakenOver)
{
    const QString nev = QStringLiteral("kavarex-stale-%1").arg(QCoreApplication::applicationPid());
    {
        FutoPeldany regi(nev);
        ASSERT_TRUE(regi.Figyel());
    }
    FutoPeldany uj(nev);
    EXPECT_FALSE(uj.MasikPeldanyFut(100));
    EXPECT_TRUE(uj.VarakozasKilepesre(200));
    EXPECT_TRUE(uj.Figyel());
}

TEST(RendszerInfo, MemoryAndDisk)
{
    EXPECT_EQ(memAvailableBol("MemTotal: 100 kB\nMemAvailable:   2048 kB\n"), 2048u * 1024u);
    EXPECT_FALSE(memAvailableBol("MemTotal: 100 kB\n"));
    EXPECT_EQ(memAvailableBol("MemTotal: 8000 kB\nMemFree:   100 kB\n"), 100u * 1024u);
    EXPECT_EQ(memAvailableBol("MemFree: 100 kB\nMemAvailable: 2048 kB\n"), 2048u * 1024u);
    EXPECT_FALSE(memAvailableBol("MemAvailable: x kB\n"));
    EXPECT_FALSE(memAvailableBol("MemAvailable: 99999999999999999999 kB\n"));
    const auto mem = SzabadMemoria();
    ASSERT_TRUE(mem);
    EXPECT_GT(*mem, 0u);
    EXPECT_TRUE(SzabadLemezterulet("/tmp"));
    EXPECT_FALSE(SzabadLemezterulet("/nincs/ilyen/utvonal"));
}

// XDG_DATA_HOME (and PATH, for the desktop tools) point elsewhere while
// one test runs.
class Fajltipusok : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        regiXdg_ = qgetenv("XDG_DATA_HOME");
        regiPath_ = qgetenv("PATH");
        qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("xdg")).toUtf8());
    }
    void TearDown() override
    {
        const auto vissza = [](const char* nev, const QByteArray& ertek) {
            if (ertek.isNull())
                qunsetenv(nev);
            else
                qputenv(nev, ertek);
        };
        vissza("XDG_DATA_HOME", regiXdg_);
        vissza("PATH", regiPath_);
    }
    // An executable file of the test's folder.
    QString program(const QString& nev, const QByteArray& tartalom = "#!/bin/sh\n")
    {
        const QString ut = dir_.filePath(nev);
        QDir().mkpath(QFileInfo(ut).absolutePath());
        QFile f(ut);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tartalom);
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return ut;
    }
    static QByteArray olvas(const QString& ut)
    {
        QFile f(ut);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
    QByteArray regiXdg_, regiPath_;
};

TEST_F(Fajltipusok, WrittenWhenMissingWithTheDescriptionsAndTheQuotedExecutable)
{
    const QString exe = program(QStringLiteral("Kavarex 1/ka\"va%rex"));
    const FajltipusEredmeny e = FajltipusokRegisztralasa(exe);
    EXPECT_TRUE(e.Irva);
    EXPECT_TRUE(e.MimeIrva);
    EXPECT_TRUE(e.AsztaliIrva);
    EXPECT_EQ(e.MimeCsomag, dir_.filePath(QStringLiteral("xdg/mime/packages/kavarex.xml")));

    const QString m = QString::fromUtf8(olvas(e.MimeCsomag));
    EXPECT_TRUE(m.contains(QStringLiteral("<glob pattern=\"*.tip\"/>")));
    EXPECT_TRUE(m.contains(QStringLiteral("<glob pattern=\"*.top\"/>")));
    EXPECT_TRUE(m.contains(QString::fromUtf8("<comment>Kavarex: számsor</comment>")));
    EXPECT_TRUE(m.contains(QString::fromUtf8("<comment>Kavarex: variáció</comment>")));

    const QString d = QString::fromUtf8(olvas(e.AsztaliBejegyzes));
    QString idezett = exe;
    idezett.replace(QStringLiteral("\""), QStringLiteral("\\\\\"")).replace(QStringLiteral("%"), QStringLiteral("%%"));
    EXPECT_TRUE(d.contains(QStringLiteral("Exec=\"") + idezett + QStringLiteral("\" %f\n"))) << d.toStdString();
    EXPECT_TRUE(d.contains(QStringLiteral("MimeType=application/x-kavarex-tip;application/x-kavarex-top;")));
}

// A start finds the files in place and leaves them: the entry of another
// copy whose executable still exists keeps naming it; an entry whose
// executable is gone, and a package of an older text, are written anew.
TEST_F(Fajltipusok, RewrittenOnlyWhenMissingOrTheirExecutableIsGone)
{
    const QString elso = program(QStringLiteral("a/kavarex"));
    const QString masik = program(QStringLiteral("b/kavarex"));
    const FajltipusEredmeny e = FajltipusokRegisztralasa(elso);
    ASSERT_TRUE(e.Irva);
    const QByteArray mime = olvas(e.MimeCsomag);
    const QByteArray bejegyzes = olvas(e.AsztaliBejegyzes);

    const struct {
        const char* eset;
        std::function<void()> elotte;
        bool mimeIrva, asztaliIrva;
        const QString* exec;  // the copy the entry names afterwards
    } esetek[] = {
        {"both in place", [] {}, false, false, &elso},
        {"the package of an older text",
         [&] {
             QFile f(e.MimeCsomag);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray(mime).replace("Kavarex: ", "Kavarex "));
         },
         true, false, &elso},
        {"the package missing", [&] { QFile::remove(e.MimeCsomag); }, true, false, &elso},
        {"the entry missing", [&] { QFile::remove(e.AsztaliBejegyzes); }, false, true, &masik},
        {"the entry's executable gone",
         [&] {
             ASSERT_TRUE(FajltipusokRegisztralasa(elso).Irva);
             QFile::remove(e.AsztaliBejegyzes);
             ASSERT_TRUE(FajltipusokRegisztralasa(elso).AsztaliIrva);
             QFile::remove(elso);
         },
         false, true, &masik},
    };
    for (const auto& c : esetek) {
        SCOPED_TRACE(c.eset);
        c.elotte();
        const QByteArray mimeElotte = olvas(e.MimeCsomag);
        const QByteArray asztaliElotte = olvas(e.AsztaliBejegyzes);
        const FajltipusEredmeny r = FajltipusokRegisztralasa(masik);
        EXPECT_TRUE(r.Irva);
        EXPECT_EQ(r.MimeIrva, c.mimeIrva);
        EXPECT_EQ(r.AsztaliIrva, c.asztaliIrva);
        EXPECT_EQ(olvas(e.MimeCsomag), mime);
        if (!c.asztaliIrva) {
            EXPECT_EQ(olvas(e.AsztaliBejegyzes), asztaliElotte);
        }
        if (!c.mimeIrva) {
            EXPECT_EQ(olvas(e.MimeCsomag), mimeElotte);
        }
        EXPECT_TRUE(QString::fromUtf8(olvas(e.AsztaliBejegyzes)).contains(QStringLiteral("Exec=\"") + *c.exec))
            << olvas(e.AsztaliBejegyzes).toStdString();
    }
    EXPECT_NE(bejegyzes, olvas(e.AsztaliBejegyzes));
}

// The mime database tool runs after a write, but the registration does not
// wait for it: here the tool goes on only once the test lets it, after the
// call returned (a waiting caller would have ended it at its time limit).
TEST_F(Fajltipusok, TheMimeToolRunsOnItsOwnWithoutBeingWaitedFor)
{
    if (qEnvironmentVariableIsSet("KAVAREX_NO_DESKTOP_TOOLS"))
        GTEST_SKIP() << "desktop tools are switched off";
    const QString jelek = dir_.filePath(QStringLiteral("jelek"));
    QDir().mkpath(jelek);
    program(QStringLiteral("bin/update-mime-database"),
            QStringLiteral("#!/bin/sh\ni=0\nwhile [ ! -e '%1/mehet' ] && [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done\n"
                           "echo \"$1\" > '%1/kesz.uj' && mv '%1/kesz.uj' '%1/kesz'\n")
                .arg(jelek)
                .toUtf8());
    qputenv("PATH", dir_.filePath(QStringLiteral("bin")).toUtf8() + ':' + regiPath_);
    const FajltipusEredmeny e = FajltipusokRegisztralasa(program(QStringLiteral("a/kavarex")));
    ASSERT_TRUE(e.MimeIrva);
    EXPECT_FALSE(QFile::exists(jelek + QStringLiteral("/kesz")));
    QFile mehet(jelek + QStringLiteral("/mehet"));
    ASSERT_TRUE(mehet.open(QIODevice::WriteOnly));
    mehet.close();
    EXPECT_TRUE(varj([&] { return QFile::exists(jelek + QStringLiteral("/kesz")); }, 20000));
    EXPECT_EQ(olvas(jelek + QStringLiteral("/kesz")).trimmed(), dir_.filePath(QStringLiteral("xdg/mime")).toUtf8());
}

TEST(FajltipusokIras, HarmlessWhenTheFolderCannotBeWritten)
{
    const QByteArray regi = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/proc/nem/irhato");
    const FajltipusEredmeny e = FajltipusokRegisztralasa(QStringLiteral("/usr/bin/kavarex"));
    if (regi.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", regi);
    EXPECT_FALSE(e.Irva);
}

TEST(TaskbarHaladas, WithoutABusEveryCallIsRefused)
{
    DoneTaskbar();
    EXPECT_FALSE(TaskbarAvailable());
    EXPECT_FALSE(SetTaskbarProgressState(2));
    EXPECT_FALSE(SetTaskbarProgressValue(100, 50));
    EXPECT_FALSE(InitTaskbar(QStringLiteral("unix:path=/nincs/ilyen/busz")));
}

TEST(TaskbarHaladas, LauncherEntrySignalOnAPrivateBus)
{
    const QString dbus = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (dbus.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    QProcess daemon;
    daemon.start(dbus, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QString cim = QString::fromUtf8(daemon.readLine()).trimmed();
    ASSERT_FALSE(cim.isEmpty());

    // dbus-monitor, where installed, shows what the launcher would receive.
    QProcess monitor;
    const QString mon = QStandardPaths::findExecutable(QStringLiteral("dbus-monitor"));
    if (!mon.isEmpty()) {
        monitor.start(mon, {QStringLiteral("--address"), cim,
                            QStringLiteral("type='signal',interface='com.canonical.Unity.LauncherEntry'")});
        ASSERT_TRUE(monitor.waitForStarted(5000));
        varj([] { return false; }, 300);
    }

    DoneTaskbar();
    ASSERT_TRUE(InitTaskbar(cim));
    EXPECT_TRUE(TaskbarAvailable());
    EXPECT_TRUE(SetTaskbarProgressState(2));
    EXPECT_TRUE(SetTaskbarProgressValue(200, 50));
    EXPECT_TRUE(SetTaskbarProgressState(0));
    EXPECT_DOUBLE_EQ(taskbarAllapot().Ertek, 0.25);
    DoneTaskbar();
    if (!mon.isEmpty()) {
        QByteArray kimenet;
        varj([&] {
            kimenet += monitor.readAllStandardOutput();
            return kimenet.count("member=Update") >= 3;
        });
        EXPECT_EQ(kimenet.count("member=Update"), 3);
        EXPECT_TRUE(kimenet.contains("application://kavarex.desktop"));
        EXPECT_TRUE(kimenet.contains("progress-visible"));
        EXPECT_TRUE(kimenet.contains("double 0.25"));
        monitor.terminate();
        monitor.waitForFinished(3000);
    }
    daemon.terminate();
    daemon.waitForFinished(3000);
}

}  // namespace
}  // namespace kvx::platform
