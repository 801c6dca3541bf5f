#include <QCoreApplication>
#include <QLocalSocket>
#include <thread>
#include <QElapsedTimer>
#include <QFile>
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

TEST(Fajltipusok, WrittenUnderXdgDataHome)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray regi = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    const FajltipusEredmeny e = FajltipusokRegisztralasa(QStringLiteral("/opt/Kavarex 1/kavarex"));
    // Twice: the second run replaces the first.
    const FajltipusEredmeny e2 = FajltipusokRegisztralasa(QStringLiteral("/opt/Kavarex 1/kavarex"));
    if (regi.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", regi);
    EXPECT_TRUE(e.Irva);
    EXPECT_TRUE(e2.Irva);
    EXPECT_EQ(e.MimeCsomag, dir.path() + QStringLiteral("/mime/packages/kavarex.xml"));

    QFile mime(e.MimeCsomag);
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QString m = QString::fromUtf8(mime.readAll());
    EXPECT_TRUE(m.contains(QStringLiteral("<glob pattern=\"*.tip\"/>")));
    EXPECT_TRUE(m.contains(QStringLiteral("<glob pattern=\"*.top\"/>")));

    QFile desk(e.AsztaliBejegyzes);
    ASSERT_TRUE(desk.open(QIODevice::ReadOnly));
    const QString d = QString::fromUtf8(desk.readAll());
    EXPECT_TRUE(d.contains(QStringLiteral("Exec=\"/opt/Kavarex 1/kavarex\" %f\n")));
    EXPECT_TRUE(d.contains(QStringLiteral("MimeType=application/x-kavarex-tip;application/x-kavarex-top;")));
    // With the tool installed the mime cache is built in the same folder.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/mime/globs2")));
    }
}

TEST(Fajltipusok, HarmlessWhenTheFolderCannotBeWritten)
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
