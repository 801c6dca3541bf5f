#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "app/ui/megszakitas.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "valaszolo.h"

namespace kvx {
namespace {

using teszt::varj;

TEST(Megszakitas, OrderOfTheWorkerPattern)
{
    kvx::Program program;
    SzalNyilvantartas ny;
    QWidget form;
    QTimer idozito;
    idozito.setInterval(5);
    std::atomic<int> lepes{0};
    std::atomic<bool> idozitoJart{false}, formLathato{false};
    bool vegeGuiSzalon = false, sikeres = false;
    QObject::connect(&idozito, &QTimer::timeout, [&] { idozitoJart = true; });

    MegszakitasLeiras l;
    l.Form = &form;
    l.Idozito = &idozito;
    l.Munka = [&](std::stop_token) {
        formLathato = lepes.load() == 1;
        while (!idozitoJart.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        lepes = 2;
    };
    l.VegeKezelo = [&](bool ok) {
        vegeGuiSzalon = QThread::currentThread() == qApp->thread();
        sikeres = ok;
        EXPECT_FALSE(idozito.isActive());
        EXPECT_FALSE(ny.Tetlen());  // the idle count drops after the end handler
        lepes = 3;
    };
    auto sz = Megszakitas::Indit(std::move(l), ny);
    ASSERT_TRUE(sz);
    EXPECT_EQ(ny.FThreadLog(), 1);
    // The job waits for its window.
    QTest::qWait(30);
    EXPECT_EQ(lepes.load(), 0);
    lepes = 1;
    form.show();
    ASSERT_TRUE(varj([&] { return lepes.load() == 3; }));
    ny.Bevar(sz);
    EXPECT_TRUE(formLathato.load());
    EXPECT_TRUE(vegeGuiSzalon);
    EXPECT_TRUE(sikeres);
    EXPECT_TRUE(ny.Tetlen());
}

TEST(Megszakitas, ShutdownServesWaitingWorkersAndDoesNotAsk)
{
    kvx::Program program;
    SzalNyilvantartas ny;
    std::atomic<int> valasz{-1};
    std::atomic<bool> vege{false}, indult{false};
    MegszakitasLeiras l;
    l.Munka = [&](std::stop_token st) {
        indult = true;
        while (!st.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        // A question while the program shuts down gets No without a window.
        valasz = FigyelmeztetoKerdes(QStringLiteral("Menti?")) ? 1 : 0;
    };
    // The end handler needs the GUI thread while the GUI thread joins.
    l.VegeKezelo = [&](bool) { vege = true; };
    ASSERT_TRUE(Megszakitas::Indit(std::move(l), ny));
    ASSERT_TRUE(varj([&] { return indult.load(); }));
    MunkaszalakLeallitasa(ny);
    EXPECT_TRUE(vege.load());
    EXPECT_TRUE(ny.Tetlen());
    EXPECT_EQ(valasz.load(), 0);
}

// What a worker hands the GUI thread and what comes back: the worker's data
// is read on the GUI thread, the answer read and freed by the worker after
// the call, in the order the calls give (the thread-sanitizer run checks that
// it sees this order as well). Calls that nobody waits for run in the order
// they were sent, and one for an object that is gone is dropped.
TEST(Megszakitas, CallsToTheGuiThreadHandOverTheirData)
{
    kvx::Program program;
    SzalNyilvantartas ny;
    struct Eredmeny {
        bool futott = false;
        bool guiSzalon = false;
        std::string valasz;
    } e;
    auto sz = ny.Indit([&e](std::stop_token) {
        auto adat = std::make_unique<std::vector<int>>(1000, 7);
        std::unique_ptr<std::string> valasz;
        e.futott = GuiSzalonFuttatas(
            [&] {
                e.guiSzalon = QThread::currentThread() == qApp->thread();
                valasz = std::make_unique<std::string>(std::to_string(std::accumulate(adat->begin(), adat->end(), 0)));
                adat->clear();
            },
            true);
        adat.reset();
        e.valasz = *valasz;
        valasz.reset();
    });
    ASSERT_TRUE(varj([&] { return ny.Tetlen(); }));
    ny.Bevar(sz);
    EXPECT_TRUE(e.futott);
    EXPECT_TRUE(e.guiSzalon);
    EXPECT_EQ(e.valasz, "7000");

    std::vector<int> sorrend;
    auto* megszunik = new QObject;
    QObject marad;
    sz = ny.Indit([&sorrend, megszunik, &marad](std::stop_token) {
        auto szam = std::make_shared<int>(1);
        GuiSzalonKuldes(nullptr, [&sorrend, szam] { sorrend.push_back(*szam); });
        GuiSzalonKuldes(megszunik, [&sorrend] { sorrend.push_back(99); });
        GuiSzalonKuldes(&marad, [&sorrend] { sorrend.push_back(3); });
    });
    ny.Bevar(sz);
    delete megszunik;
    ASSERT_TRUE(varj([&] { return sorrend.size() >= 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(sorrend, (std::vector<int>{1, 3}));
}

class VarakozoAblakTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        foablak.resize(900, 600);
        foablak.show();
    }
    QMainWindow foablak;
    UzenetAblakAllapot allapot;
    SzalNyilvantartas ny;
};

TEST_F(VarakozoAblakTest, JobWithProgressAndCancel)
{
    std::atomic<bool> leallitva{false};
    uzenetAblakFeladatBejegyzes(allapot, kFeladatVeletlenSzamsorok,
                                [&](std::stop_token st, MunkaJelzok& h) {
                                    h.Kezdet = 0;
                                    h.Utolso = 999;
                                    for (int i = 0; i < 1000000 && !st.stop_requested(); ++i) {
                                        h.Aktualis = i % 1000;
                                        std::this_thread::sleep_for(std::chrono::microseconds(200));
                                    }
                                    leallitva = st.stop_requested();
                                });
    TUzenetAblak w(&foablak, 1.0, allapot, ny);
    w.Timer4->setInterval(20);
    QStringList feliratok;
    bool lathatoVolt = false;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        if (!w.isVisible()) return;
        lathatoVolt = true;
        if (!feliratok.contains(w.Label1->text())) feliratok << w.Label1->text();
        if (feliratok.size() >= 3) QTest::keyClick(&w, Qt::Key_Escape);  // cancel
    });
    figyelo.start(10);
    w.UzenetKi(QStringLiteral("Véletlen számsorok"), 0, kFeladatVeletlenSzamsorok, true);
    figyelo.stop();
    EXPECT_TRUE(lathatoVolt);
    EXPECT_TRUE(leallitva.load());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(ny.Tetlen());
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Türelmét kérem"));
    ASSERT_GE(feliratok.size(), 2);
    EXPECT_EQ(feliratok[0], QStringLiteral("Véletlen számsorok"));
    EXPECT_TRUE(feliratok[1].startsWith(QStringLiteral("Véletlen számsorok generálása:  ")));
    EXPECT_TRUE(feliratok[1].endsWith(QStringLiteral(" / 1000  számsor")));
}

TEST_F(VarakozoAblakTest, JobWithoutCodeClosesAtOnceAndBusyRefuses)
{
    TUzenetAblak w(&foablak, 1.0, allapot, ny);
    w.UzenetKi(QStringLiteral("Semmi"), 0, 6, true);  // no job registered for 6
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(ny.Tetlen());

    auto fut = ny.Indit([](std::stop_token st) {
        while (!st.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    w.UzenetKi(QStringLiteral("Másik"), 0, 2, false);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Semmi"));
    ny.LeallitasKerese(fut);
    ny.Bevar(fut);
}

TEST_F(VarakozoAblakTest, ModelessTextDisablesTheOtherWindows)
{
    TUzenetAblak w(&foablak, 1.0, allapot, ny);
    w.UzenetKi(QStringLiteral("Betöltés..."), 0, 0, false);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(foablak.isEnabled());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Betöltés..."));
    w.UzenetVege();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(foablak.isEnabled());
}

}  // namespace
}  // namespace kvx
