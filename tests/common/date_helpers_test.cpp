#include "common/date_helpers.h"

#include "common/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kvx {
namespace {

TEST(IsoHet, WeeksAroundTheTurnOfTheYear)
{
    struct Case { int y, m, d, week; };
    const std::vector<Case> cases = {
        {2021, 1, 1, 53},   // a Friday: still the last week of 2020
        {2021, 1, 4, 1},    {2020, 12, 31, 53}, {2019, 12, 30, 1},  // Monday of 2020's first week
        {2024, 12, 30, 1},  {2016, 1, 3, 53},   {2023, 6, 15, 24},  {2026, 12, 31, 53},
        {2021, 2, 30, 0},   {2021, 13, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsoHet(c.y, c.m, c.d), c.week) << c.y << "-" << c.m << "-" << c.d;
}

TEST(HonapSorszama, ExactNamesPerGame)
{
    struct Case { const char* text; int game; int want; };
    const std::vector<Case> cases = {
        {"Jan", 0, 1},      {"Dec", 24, 12},      {"Jan", 26, -1},     {"jan", 0, -1},     {"JAN", 0, -1},
        {"Gennaio", 26, 1}, {"Dicembre", 26, 12}, {"Settembre", 26, 9}, {"Gennaio", 0, -1}, {"", 0, -1},
        {"Jan ", 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HonapSorszama(c.text, c.game), c.want) << c.text << " game " << c.game;
}

void expectDistinctSorted(const std::vector<std::uint8_t>& line, int from, int to, int lo, int hi)
{
    for (int i = from; i < to; ++i) {
        EXPECT_GE(line[static_cast<std::size_t>(i)], lo);
        EXPECT_LE(line[static_cast<std::size_t>(i)], hi);
        if (i > from) {
            EXPECT_LT(line[static_cast<std::size_t>(i - 1)], line[static_cast<std::size_t>(i)]);
        }
    }
}

TEST(VeletlenSzamsor, LinesWithAndWithoutExtraPool)
{
    RandomState rs(11);
    rs.SzunetNelkul = true;
    for (const bool generator : {true, false}) {
        for (int round = 0; round < 200; ++round) {
            // 50 + 12, two extras: mains 0..49, extras 50..61.
            std::vector<std::uint8_t> line(9, 0);
            ASSERT_TRUE(VeletlenSzamsor(rs, line, 7, 5, generator, 2, 50, 62, true));
            expectDistinctSorted(line, 0, 5, 0, 49);
            expectDistinctSorted(line, 5, 7, 50, 61);
            EXPECT_EQ(line[7], 0);  // beyond the line: untouched
            // 90 numbers, 5 per line.
            std::vector<std::uint8_t> plain(5);
            ASSERT_TRUE(VeletlenSzamsor(rs, plain, 5, 5, generator, 0, 90, 90, false));
            expectDistinctSorted(plain, 0, 5, 0, 89);
        }
        // Every number of the pool: terminates with the whole pool.
        std::vector<std::uint8_t> all(6);
        ASSERT_TRUE(VeletlenSzamsor(rs, all, 6, 5, generator, 1, 5, 6, true));
        EXPECT_EQ(all, (std::vector<std::uint8_t>{0, 1, 2, 3, 4, 5}));
    }
}

TEST(VeletlenSzamsor, RefusesLinesThatCannotBeFilled)
{
    RandomState rs(11);
    struct Case { const char* what; int n, k, e, b, c; bool plusz; };
    const std::vector<Case> cases = {
        {"more numbers than the pool", 5, 5, 0, 4, 4, false},
        {"extras cannot be distinct", 7, 5, 2, 50, 51, true},
        {"longer than the line", 9, 5, 0, 90, 90, false},
        {"main count beyond the length", 4, 5, 0, 90, 90, false},
        {"pool beyond a byte", 5, 5, 0, 300, 300, false},
        {"extra pool beyond a byte", 7, 5, 2, 50, 260, true},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> line(8, 7);
        EXPECT_FALSE(VeletlenSzamsor(rs, line, c.n, c.k, true, c.e, c.b, c.c, c.plusz)) << c.what;
        EXPECT_EQ(line, std::vector<std::uint8_t>(8, 7)) << c.what;
    }
}

TEST(TalaranyHuzSzamaElsoUtolso, FitsRangesToTheDraws)
{
    std::array<TalalatiTartomany, 10> r{};
    for (auto& x : r) x = {1, 50};
    r[0] = {10, 200};  // last beyond the draws
    r[1] = {150, 300}; // first beyond the new last
    r[2] = {5, 20};
    r[3] = {1, 1};
    r[9] = {2, 500};   // not in use, still fitted
    const TalaranyHatarok h = TalaranyHuzSzamaElsoUtolso(r, 100, 3, true);
    EXPECT_TRUE(h.Valtozott);
    EXPECT_EQ(r[0].Elso, 10);
    EXPECT_EQ(r[0].Utolso, 100);
    EXPECT_EQ(r[1].Elso, 99);
    EXPECT_EQ(r[1].Utolso, 100);
    EXPECT_EQ(r[9].Utolso, 100);
    EXPECT_EQ(h.LegkisebbElso, 5);
    EXPECT_EQ(h.LegnagyobbUtolso, 100);

    // Already fitted, or no report asked: no change reported.
    EXPECT_FALSE(TalaranyHuzSzamaElsoUtolso(r, 100, 3, true).Valtozott);
    r[4] = {80, 90};
    EXPECT_FALSE(TalaranyHuzSzamaElsoUtolso(r, 60, 10, false).Valtozott);
    EXPECT_EQ(r[4].Elso, 59);
    EXPECT_EQ(r[4].Utolso, 60);

    // A database of one draw: first draws fall back to 1.
    const TalaranyHatarok one = TalaranyHuzSzamaElsoUtolso(r, 1, 10, true);
    EXPECT_TRUE(one.Valtozott);
    for (const auto& x : r) {
        EXPECT_EQ(x.Elso, 1);
        EXPECT_EQ(x.Utolso, 1);
    }
    // No range in use: the start values stand.
    const TalaranyHatarok none = TalaranyHuzSzamaElsoUtolso(r, 1, 0, false);
    EXPECT_EQ(none.LegkisebbElso, 100000000);
    EXPECT_EQ(none.LegnagyobbUtolso, 0);
}

}  // namespace
}  // namespace kvx
