#include "app/workers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "app/wait_jobs.h"

namespace kvx {
namespace {

TEST(Munkaszalak, CountsRunningWorkersAndStopsThemAll)
{
    SzalNyilvantartas ny;
    EXPECT_TRUE(ny.Tetlen());
    std::atomic<int> kilepett{0};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(ny.Indit([&](std::stop_token st) {
            while (!st.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ++kilepett;
        }));
    EXPECT_EQ(ny.FThreadLog(), 3);
    int pumpalt = 0;
    ny.MindetLeallit([&] { ++pumpalt; });
    EXPECT_EQ(kilepett.load(), 3);
    EXPECT_TRUE(ny.Tetlen());
}

TEST(Munkaszalak, AnExceptionStillEndsTheCount)
{
    SzalNyilvantartas ny;
    auto sz = ny.Indit([](std::stop_token) { throw std::runtime_error("x"); });
    ny.Bevar(sz);
    EXPECT_TRUE(ny.Tetlen());
    // A finished worker can be started again behind it.
    std::atomic<bool> futott{false};
    auto sz2 = ny.Indit([&](std::stop_token) { futott = true; });
    ny.Bevar(sz2);
    EXPECT_TRUE(futott.load());
}

TEST(Munkaszalak, StopOneWorker)
{
    SzalNyilvantartas ny;
    auto sz = ny.Indit([](std::stop_token st) {
        while (!st.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    EXPECT_FALSE(ny.Tetlen());
    ny.LeallitasKerese(sz);
    ny.Bevar(sz);
    EXPECT_TRUE(ny.Tetlen());
}

// Spins until f() holds, for at most ten seconds.
template <class F>
bool amig(F f)
{
    const auto vege = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!f()) {
        if (std::chrono::steady_clock::now() > vege)
            return false;
        std::this_thread::yield();
    }
    return true;
}

TEST(TesztTartas, AClosedHoldKeepsAJobUntilItOpensOrItsFlagFalls)
{
    std::atomic<bool> fut{true};
    std::atomic<int> atment{0};
    const auto munka = [&] {
        TesztTartas::Pont(fut);
        ++atment;
    };
    // Open: a hold point passes at once.
    munka();
    EXPECT_EQ(atment.load(), 1);
    // Declared before the hold: a failed check opens it before they are joined.
    std::jthread elso, masodik;
    {
        TesztTartas tartas;
        // A cleared flag lets its job go.
        elso = std::jthread(munka);
        ASSERT_TRUE(amig([] { return TesztTartas::Tartott() == 1; }));
        EXPECT_EQ(atment.load(), 1);
        fut.store(false);
        TesztTartas::Ebresztes();
        elso.join();
        EXPECT_EQ(atment.load(), 2);
        EXPECT_EQ(TesztTartas::Tartott(), 0);
        // A job whose flag is down already passes a closed hold.
        munka();
        EXPECT_EQ(atment.load(), 3);
        fut.store(true);
        masodik = std::jthread(munka);
        ASSERT_TRUE(amig([] { return TesztTartas::Tartott() == 1; }));
        EXPECT_EQ(atment.load(), 3);
    }
    // Opening the hold lets the running job go.
    masodik.join();
    EXPECT_EQ(atment.load(), 4);
    EXPECT_EQ(TesztTartas::Tartott(), 0);
}

TEST(VarakozoAblak, RandomLinesProgress)
{
    // Single row: start equals current, no text.
    EXPECT_FALSE(veletlenSzamsorHaladas(1, 5, 5, 5, false).Szoveg);
    // Other jobs show nothing.
    EXPECT_FALSE(veletlenSzamsorHaladas(2, 0, 10, 100, false).Szoveg);
    auto h = veletlenSzamsorHaladas(1, 0, 49, 199, true);
    ASSERT_TRUE(h.Szoveg);
    EXPECT_EQ(*h.Szoveg, "Véletlen számsorok generálása:  50 / 200  húzás");
    EXPECT_EQ(h.Szazalek, 25);
    // Fewer than 100 rows: no taskbar value.
    auto kevés = veletlenSzamsorHaladas(1, 0, 10, 50, false);
    EXPECT_EQ(*kevés.Szoveg, "Véletlen számsorok generálása:  11 / 51  számsor");
    EXPECT_FALSE(kevés.Szazalek);
}

TEST(VarakozoAblak, JobRegistryAcceptsOnlyJobCodes)
{
    UzenetAblakAllapot a;
    EXPECT_FALSE(uzenetAblakFeladatBejegyzes(a, 0, [](std::stop_token, MunkaJelzok&) {}));
    EXPECT_FALSE(uzenetAblakFeladatBejegyzes(a, kUzenetAblakFeladatokSzama, [](std::stop_token, MunkaJelzok&) {}));
    EXPECT_TRUE(uzenetAblakFeladatBejegyzes(a, kFeladatBontSzamsorTorles, [](std::stop_token, MunkaJelzok&) {}));
}

}  // namespace
}  // namespace kvx
