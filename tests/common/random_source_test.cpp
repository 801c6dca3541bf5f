#include "common/random_source.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kvx {
namespace {

struct FakeHardware {
    bool supported = true;
    enum { Works, Fails, Throws } mode = Works;
    int calls = 0;

    HardverForras source()
    {
        HardverForras h;
        h.tamogatott = [this] { return supported; };
        h.veletlen = [this](std::uint32_t& v) {
            ++calls;
            if (mode == Throws)
                throw std::runtime_error("instruction fault");
            if (mode == Fails)
                return false;
            v = 0x04030201u;
            return true;
        };
        return h;
    }
};

TEST(RandomSource, WorkingHardwareFillsTheBuffer)
{
    FakeHardware hw;
    RandomState s(1, hw.source());
    VeletlenForrasVizsgalat(s);
    EXPECT_EQ(s.VeletlenForras, 1);
    std::array<std::uint8_t, 5> buf{};
    GetRandomBytes(s, buf, false);
    EXPECT_EQ(buf, (std::array<std::uint8_t, 5>{1, 2, 3, 4, 1}));
    // Library only: the hardware is not asked.
    const int before = hw.calls;
    GetRandomBytes(s, buf, true);
    EXPECT_EQ(hw.calls, before);
    EXPECT_EQ(buf[4], 1);
}

TEST(RandomSource, HardwareFailingTenTimesFallsBackForGood)
{
    FakeHardware hw;
    RandomState s(1, hw.source());
    VeletlenForrasVizsgalat(s);
    ASSERT_EQ(s.VeletlenForras, 1);
    hw.mode = FakeHardware::Fails;
    hw.calls = 0;
    std::array<std::uint8_t, 5> buf{};
    GetRandomBytes(s, buf, false);
    EXPECT_EQ(hw.calls, 10);
    EXPECT_EQ(s.VeletlenForras, 3);
    EXPECT_EQ(buf[4], 3);
    // Working again does not bring the hardware back.
    hw.mode = FakeHardware::Works;
    GetRandomBytes(s, buf, false);
    EXPECT_EQ(hw.calls, 10);
    EXPECT_EQ(buf[4], 3);
}

TEST(RandomSource, ExceptionInUseAndUnsupportedProcessor)
{
    FakeHardware throwing;
    RandomState s(1, throwing.source());
    VeletlenForrasVizsgalat(s);
    throwing.mode = FakeHardware::Throws;
    std::array<std::uint8_t, 5> buf{};
    GetRandomBytes(s, buf, false);
    EXPECT_EQ(s.VeletlenForras, 4);
    EXPECT_EQ(buf[4], 4);

    FakeHardware missing;
    missing.supported = false;
    RandomState t(1, missing.source());
    VeletlenForrasVizsgalat(t);
    EXPECT_EQ(t.VeletlenForras, 2);
    t.SzunetNelkul = true;
    for (int i = 0; i < 100; ++i) {
        const int v = GetRandom(t, 1, 90);
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 90);
    }
    EXPECT_EQ(t.VeletlenPuffer[4], 2);
    EXPECT_EQ(missing.calls, 0);

    // The probe itself faulting counts as not supported.
    FakeHardware faulting;
    faulting.mode = FakeHardware::Throws;
    RandomState u(1, faulting.source());
    VeletlenForrasVizsgalat(u);
    EXPECT_EQ(u.VeletlenForras, 2);
}

TEST(RandomSource, RealProbeAgreesWithTheProcessor)
{
    RandomState s(1);
    VeletlenForrasVizsgalat(s);
    EXPECT_EQ(s.VeletlenForras, HardverVeletlenTamogatott() ? 1 : 2);
    EXPECT_EQ(&randomSource(), &randomSource());
    EXPECT_NE(randomSource().VeletlenForras, 0);
}

TEST(GetRandom, ValuesStayInRangeAndCoverIt)
{
    FakeHardware hw;  // a constant hardware value: the mixing must spread it
    RandomState s(7, hw.source());
    VeletlenForrasVizsgalat(s);
    s.SzunetNelkul = true;
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const int v = GetRandom(s, 1, 90);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 90);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 90u);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(GetRandom(s, 255, 255), 255);
}

TEST(GetRandom, RefusesRangesItCannotDraw)
{
    RandomState s(1);
    s.SzunetNelkul = true;
    struct Case { int min, max; };
    for (const Case c : {Case{0, 90}, Case{-5, 10}, Case{10, 9}, Case{1, 256}, Case{300, 400}})
        EXPECT_EQ(GetRandom(s, c.min, c.max), 0) << c.min << ".." << c.max;
    EXPECT_EQ(s.VeletlenHivasok, 0);
}

TEST(GetRandom, PausesArePacedAndCanBeSkipped)
{
    RandomState quiet(3);
    quiet.SzunetNelkul = true;
    bool reset = false;
    for (int i = 0; i < 3100 && !reset; ++i) {
        const int before = quiet.VeletlenHivasok;
        GetRandom(quiet, 1, 255);  // every byte is in range: one round per call
        reset = quiet.VeletlenHivasok < before;
    }
    EXPECT_TRUE(reset) << "the counter restarts within 3000 rounds";

    RandomState paced(3);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3100; ++i)
        GetRandom(paced, 1, 255);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(10));
}

TEST(GetRandom, SharedByThreeThreads)
{
    RandomState s(5);
    s.SzunetNelkul = true;
    std::vector<std::thread> threads;
    std::array<bool, 3> ok{true, true, true};
    for (int t = 0; t < 3; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 20000; ++i) {
                const int v = GetRandom(s, 1, 90);
                if (v < 1 || v > 90)
                    ok[static_cast<std::size_t>(t)] = false;
            }
        });
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(ok, (std::array<bool, 3>{true, true, true}));
}

}  // namespace
}  // namespace kvx
