#include "app/settings_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace kvx;

namespace {

constexpr std::uint64_t kSokMemoria = std::uint64_t{64} << 40;  // 64 TiB
constexpr std::int64_t kOtosLotto = 43949268;                   // C(90, 5)
constexpr std::int64_t kKeno10 = 1646492110120;                  // C(80, 10)

}  // namespace

TEST(BontMaxMaximum, TheFullVariationUnlessTheFreeMemoryHoldsLess)
{
    struct Eset {
        std::uint64_t memoria;
        std::int64_t teljes;
        std::int64_t maximum;
        bool korlat;
    } esetek[] = {
        {kSokMemoria, kOtosLotto, kOtosLotto, false},
        {std::uint64_t{640} << 20, kKeno10, 20971520, true},
        {kSokMemoria, kKeno10, kKeno10, false},
        // A small game's full variation is below the smallest size.
        {kSokMemoria, 3003, kBontMeretLepes, false},
        // A full variation beyond int64 is beyond any memory.
        {std::uint64_t{1} << 30, std::numeric_limits<std::int64_t>::min(), (std::int64_t{1} << 30) / 32, true},
    };
    for (const Eset& e : esetek) {
        EXPECT_EQ(BontMaxMaximum(e.memoria, e.teljes), e.maximum) << e.teljes;
        EXPECT_EQ(BontMemoriaKorlat(e.memoria, e.teljes), e.korlat) << e.teljes;
    }
}

TEST(BontMeret, ThePositionRoundsDownToAStepAndTheMaximumIsKeptExactly)
{
    EXPECT_EQ(BontMeretKerekites(1234567, kOtosLotto), 1200000);
    EXPECT_EQ(BontMeretKerekites(kOtosLotto, kOtosLotto), kOtosLotto);
    EXPECT_EQ(BontMeretKerekites(99999, kOtosLotto), kBontMeretLepes);
    EXPECT_EQ(BontMeretSzoveg(1200000), "1 200 000 számsor");
}

TEST(BontMeretCsuszka, TheSliderHoldsKeno10sFullVariationInStepsWithTheExactMaximumLast)
{
    struct Eset {
        std::int64_t maximum;
        std::int32_t lepesek;
    } esetek[] = {{kKeno10, 16464922}, {kOtosLotto, 440}, {3003, 1}, {20971520, 210}};
    for (const Eset& e : esetek) {
        const std::int32_t n = CsuszkaLepesDb(e.maximum);
        EXPECT_EQ(n, e.lepesek) << e.maximum;
        EXPECT_EQ(CsuszkaMeret(n, e.maximum), std::max(e.maximum, kBontMeretLepes)) << e.maximum;
        EXPECT_EQ(CsuszkaAllas(e.maximum, e.maximum), n);
        EXPECT_EQ(CsuszkaMeret(1, e.maximum), n == 1 ? std::max(e.maximum, kBontMeretLepes) : kBontMeretLepes);
    }
    EXPECT_EQ(CsuszkaAllas(1234567, kKeno10), 12);
    EXPECT_EQ(CsuszkaMeret(12, kKeno10), 1200000);
    // A stored size above a lowered maximum sits at the maximum.
    EXPECT_EQ(CsuszkaMeret(CsuszkaAllas(kOtosLotto, 20971520), 20971520), 20971520);
}

TEST(JegyArSzerkesztes, TypingKeepsDigitsAndOneSeparatorWithTwoDecimals)
{
    EXPECT_TRUE(ArBillentyuElfogadva("12", ',', ','));
    EXPECT_FALSE(ArBillentyuElfogadva("12,3", ',', ','));
    EXPECT_FALSE(ArBillentyuElfogadva("12", '.', ','));
    EXPECT_FALSE(ArBillentyuElfogadva("12", 'a', ','));
    EXPECT_TRUE(ArBillentyuElfogadva("", '7', ','));
    EXPECT_EQ(ArSzovegIgazitas("12,345", ','), "12,34");
    EXPECT_EQ(ArSzovegIgazitas("1234567", ','), "123456");
    EXPECT_EQ(ArSzovegIgazitas("123456,7", ','), "123456,7");
}

TEST(JegyArSzerkesztes, AnUnusableTextKeepsTheStoredPrice)
{
    struct Eset {
        const char* szoveg;
        double ar;
    } esetek[] = {{"12,34", 12.34}, {"350", 350}, {"0,1", 0.1},  {"0,05", 225}, {"", 225},
                  {",", 225},       {"1,2,3", 225}, {"abc", 225}, {"0", 225},   {"12,", 12}};
    for (const Eset& e : esetek)
        EXPECT_DOUBLE_EQ(ArErtek(e.szoveg, ',', 225), e.ar) << e.szoveg;
    EXPECT_EQ(ArSzoveg(12.5, ','), "12,5");
    EXPECT_EQ(ArSzoveg(350, ','), "350");
}

TEST(JegyArSzerkesztes, GamesThatShareAPriceChangeTogether)
{
    struct Eset {
        int jatek;
        int elso, utolso;
    } esetek[] = {{1, 0, 2}, {0, 0, 2}, {12, 8, 16}, {30, 30, 30}, {5, 5, 5}, {17, 17, 17}};
    for (const Eset& e : esetek) {
        std::array<double, kJatekokSzama> ar{};
        JegyArBeallitas(ar, e.jatek, 99);
        for (int j = 0; j < kJatekokSzama; ++j)
            EXPECT_EQ(ar[static_cast<std::size_t>(j)], j >= e.elso && j <= e.utolso ? 99 : 0) << e.jatek << " " << j;
    }
}

TEST(BackFigyelmeztetes, OnlyWithBackupsOffDoDeleteQuestionsWarn)
{
    EXPECT_EQ(BackFigyelmeztetesSzoveg(true), "");
    EXPECT_EQ(BackFigyelmeztetesSzoveg(false), "Nem készül biztonsági másolat\r\n\r\n");
}
