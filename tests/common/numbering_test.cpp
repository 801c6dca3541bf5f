#include "common/numbering.h"

#include "app/game_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kvx {
namespace {

NumberingDims dimsOfGame(int index)
{
    GameParams g;
    g.LottoIndex = index;
    JatekParameterek(g);
    return gameNumberingDims(g);
}

std::optional<std::uint64_t> rankOf(std::vector<std::uint8_t> line, const NumberingDims& d)
{
    return SzamsorSorszamaTV(line, d);
}

std::vector<std::int32_t> lineOf(std::uint64_t ordinal, const NumberingDims& d)
{
    std::vector<std::int32_t> out(static_cast<std::size_t>(d.lineLength()), -7);
    if (!SorszamSzamsoraTV(ordinal, d, out))
        return {};
    return out;
}

// An unranked line as the ranking takes it: extras coded N + index.
std::vector<std::uint8_t> coded(const std::vector<std::int32_t>& line, const NumberingDims& d)
{
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < line.size(); ++i)
        out.push_back(static_cast<std::uint8_t>(static_cast<std::int32_t>(i) < d.m ? line[i] : d.N + line[i]));
    return out;
}

TEST(Numbering, GameDimensions)
{
    const NumberingDims d0 = dimsOfGame(0);
    EXPECT_EQ(d0.N, 90);
    EXPECT_EQ(d0.m, 5);
    EXPECT_FALSE(d0.VanPluszSzam);
    const NumberingDims d24 = dimsOfGame(24);
    EXPECT_EQ(d24.N, 50);
    EXPECT_EQ(d24.m, 5);
    EXPECT_EQ(d24.a, 12);
    EXPECT_EQ(d24.e, 2);
    EXPECT_EQ(d24.T, 62);
    EXPECT_TRUE(d24.VanPluszSzam);
    EXPECT_EQ(d24.lineLength(), 7);
    for (int g = 0; g < kJatekokSzama; ++g)
        EXPECT_TRUE(dimsOfGame(g).valid()) << "game " << g;
}

TEST(Numbering, KnownOrdinals)
{
    const NumberingDims g0 = dimsOfGame(0);
    const NumberingDims g24 = dimsOfGame(24);
    const NumberingDims pairs5 = variationNumberingDims(5, 2, 0, 0, false);
    struct Case {
        const char* what;
        NumberingDims d;
        std::vector<std::uint8_t> line;  // as ranked (extras coded)
        std::uint64_t ordinal;
        std::vector<std::int32_t> unranked;  // extras as pool indexes
    };
    const std::vector<Case> cases = {
        {"first line", g0, {1, 2, 3, 4, 5}, 1, {1, 2, 3, 4, 5}},
        {"last line", g0, {86, 87, 88, 89, 90}, 43949268, {86, 87, 88, 89, 90}},
        {"unsorted input", g0, {5, 3, 1, 2, 4}, 1, {1, 2, 3, 4, 5}},
        {"second line", g0, {1, 2, 3, 4, 6}, 2, {1, 2, 3, 4, 6}},
        {"extras 1 2", g24, {1, 2, 3, 4, 5, 51, 52}, 1, {1, 2, 3, 4, 5, 1, 2}},
        {"extras 1 3", g24, {1, 2, 3, 4, 5, 51, 53}, 2, {1, 2, 3, 4, 5, 1, 3}},
        {"extras 11 12", g24, {1, 2, 3, 4, 5, 61, 62}, 66, {1, 2, 3, 4, 5, 11, 12}},
        {"next main line", g24, {1, 2, 3, 4, 6, 51, 52}, 67, {1, 2, 3, 4, 6, 1, 2}},
        {"pool 5 two per line", pairs5, {2, 3}, 5, {2, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rankOf(c.line, c.d), c.ordinal) << c.what;
        EXPECT_EQ(lineOf(c.ordinal, c.d), c.unranked) << c.what;
    }
    EXPECT_EQ(fullVariationSize(g0), 43949268u);
    EXPECT_EQ(fullVariationSize(g24), 2118760u * 66u);

    std::vector<std::uint8_t> pair = {3, 2};
    EXPECT_EQ(SzamparokSorszama(pair, 5), 5u);
    EXPECT_EQ(pair, (std::vector<std::uint8_t>{2, 3}));
    pair = {4, 5};
    EXPECT_EQ(SzamparokSorszama(pair, 5), 10u);
    pair = {1, 2};
    EXPECT_EQ(SzamparokSorszama(pair, 90), 1u);
}

// Every line of small numberings, in lexicographic order, against both
// directions: catches off-by-one errors at every position boundary.
TEST(Numbering, MatchesEnumerationOfSmallVariations)
{
    const std::vector<NumberingDims> all = {
        variationNumberingDims(6, 2, 0, 0, false), variationNumberingDims(7, 3, 0, 0, false),
        variationNumberingDims(7, 3, 4, 1, true),  variationNumberingDims(7, 3, 4, 2, true),
        variationNumberingDims(5, 1, 3, 2, true),  variationNumberingDims(6, 6, 2, 2, true),
    };
    for (const NumberingDims& d : all) {
        std::vector<std::vector<std::uint8_t>> lines;
        std::vector<std::uint8_t> cur(static_cast<std::size_t>(d.lineLength()));
        // Main combinations in order, extra combinations in order inside each.
        std::vector<int> mainSel(static_cast<std::size_t>(d.m));
        for (int i = 0; i < d.m; ++i) mainSel[static_cast<std::size_t>(i)] = i + 1;
        for (;;) {
            const int extraPairs = d.VanPluszSzam ? 1 : 0;
            if (!extraPairs) {
                lines.emplace_back(mainSel.begin(), mainSel.end());
            } else if (d.e == 1) {
                for (int x = 1; x <= d.a; ++x) {
                    std::vector<std::uint8_t> l(mainSel.begin(), mainSel.end());
                    l.push_back(static_cast<std::uint8_t>(d.N + x));
                    lines.push_back(l);
                }
            } else {
                for (int x = 1; x <= d.a; ++x)
                    for (int y = x + 1; y <= d.a; ++y) {
                        std::vector<std::uint8_t> l(mainSel.begin(), mainSel.end());
                        l.push_back(static_cast<std::uint8_t>(d.N + x));
                        l.push_back(static_cast<std::uint8_t>(d.N + y));
                        lines.push_back(l);
                    }
            }
            int i = d.m - 1;
            while (i >= 0 && mainSel[static_cast<std::size_t>(i)] == d.N - (d.m - 1 - i)) --i;
            if (i < 0) break;
            ++mainSel[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < d.m; ++j) mainSel[static_cast<std::size_t>(j)] = mainSel[static_cast<std::size_t>(j - 1)] + 1;
        }
        ASSERT_EQ(fullVariationSize(d), lines.size()) << "N " << d.N << " m " << d.m << " a " << d.a << " e " << d.e;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_EQ(rankOf(lines[k], d), k + 1);
            EXPECT_EQ(coded(lineOf(k + 1, d), d), lines[k]);
        }
    }
}

TEST(Numbering, RandomOrdinalsRoundTrip)
{
    std::mt19937_64 rng(12345);
    // No extra pool, one extra, two extras, Keno, and a large numbering near
    // the 64-bit limit.
    const std::vector<NumberingDims> all = {dimsOfGame(0), dimsOfGame(27), dimsOfGame(24), dimsOfGame(8),
                                            dimsOfGame(34), variationNumberingDims(120, 10, 135, 2, true)};
    for (const NumberingDims& d : all) {
        const std::uint64_t full = *fullVariationSize(d);
        std::vector<std::uint64_t> ordinals = {1, 2, full - 1, full};
        for (int i = 0; i < 2000; ++i)
            ordinals.push_back(std::uniform_int_distribution<std::uint64_t>(1, full)(rng));
        for (const std::uint64_t p : ordinals) {
            const std::vector<std::int32_t> line = lineOf(p, d);
            ASSERT_EQ(line.size(), static_cast<std::size_t>(d.lineLength())) << p;
            EXPECT_EQ(rankOf(coded(line, d), d), p) << "N " << d.N << " ordinal " << p;
        }
    }
    EXPECT_EQ(fullVariationSize(variationNumberingDims(120, 10, 135, 2, true)), 1049836675787728920u);
}

TEST(Numbering, RefusesOrdinalsOutsideTheVariation)
{
    const NumberingDims d = dimsOfGame(24);
    std::vector<std::int32_t> out(7, -7);
    const std::vector<std::int32_t> untouched(7, -7);
    EXPECT_FALSE(SorszamSzamsoraTV(0, d, out));
    EXPECT_FALSE(SorszamSzamsoraTV(*fullVariationSize(d) + 1, d, out));
    EXPECT_FALSE(SorszamSzamsoraTV(~std::uint64_t{0}, d, out));
    EXPECT_EQ(out, untouched);
    std::vector<std::int32_t> shortOut(6, -7);
    EXPECT_FALSE(SorszamSzamsoraTV(1, d, shortOut));
}

TEST(Numbering, RefusesBadLinesAndDimensions)
{
    const NumberingDims g0 = dimsOfGame(0);
    const NumberingDims g24 = dimsOfGame(24);
    EXPECT_FALSE(rankOf({1, 2, 3, 4, 4}, g0)) << "repeated number";
    EXPECT_FALSE(rankOf({0, 2, 3, 4, 5}, g0)) << "empty position";
    EXPECT_FALSE(rankOf({1, 2, 3, 4, 91}, g0)) << "beyond the pool";
    EXPECT_FALSE(rankOf({1, 2, 3, 4}, g0)) << "too short";
    EXPECT_FALSE(rankOf({1, 2, 3, 4, 5, 6, 52}, g24)) << "only one extra";
    EXPECT_FALSE(rankOf({1, 2, 3, 4, 5, 51, 63}, g24)) << "extra beyond the pool";
    std::vector<std::uint8_t> pair = {2, 2};
    EXPECT_FALSE(SzamparokSorszama(pair, 5));
    pair = {2, 6};
    EXPECT_FALSE(SzamparokSorszama(pair, 5));

    EXPECT_FALSE(variationNumberingDims(5, 0, 0, 0, false).valid());
    EXPECT_FALSE(variationNumberingDims(5, 6, 0, 0, false).valid());
    EXPECT_FALSE(variationNumberingDims(50, 5, 12, 3, true).valid());
    EXPECT_FALSE(variationNumberingDims(50, 5, 1, 2, true).valid());
    EXPECT_FALSE(variationNumberingDims(200, 5, 60, 2, true).valid());

    // Counts that leave 64 bits are reported, not answered.
    const NumberingDims huge = variationNumberingDims(200, 100, 0, 0, false);
    EXPECT_FALSE(fullVariationSize(huge));
    std::vector<std::int32_t> out(100);
    EXPECT_FALSE(SorszamSzamsoraTV(1, huge, out));
    std::vector<std::uint8_t> line(100);
    for (int i = 0; i < 100; ++i) line[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    EXPECT_FALSE(SzamsorSorszamaTV(line, huge));
    // The main count fits, the product with the extra pairs does not.
    const NumberingDims product = variationNumberingDims(128, 12, 127, 2, true);
    EXPECT_FALSE(fullVariationSize(product));
}

TEST(Binomial, ValuesAndOverflow)
{
    struct Case { int n, k; std::optional<std::int64_t> want; };
    const std::vector<Case> cases = {
        {5, 6, 0}, {5, -1, 0}, {-3, 2, 0}, {0, 0, 1}, {7, 7, 1}, {10, 5, 252}, {90, 5, 43949268},
        {62, 31, 465428353255261088}, {66, 33, 7219428434016265740}, {67, 33, std::nullopt},
        {255, 127, std::nullopt}, {255, 1, 255}, {300, 2, 44850}, {1000, 3, 166167000}, {1000, 997, 166167000},
        {1000, 500, std::nullopt}, {100000, 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BinomalisEgyutthato(c.n, c.k), c.want) << "C(" << c.n << ", " << c.k << ")";
    // The table agrees with Pascal's rule wherever it fits.
    for (int n = 1; n <= 255; ++n)
        for (int k = 1; k < n; ++k) {
            const auto v = BinomalisEgyutthato(n, k), x = BinomalisEgyutthato(n - 1, k - 1), y = BinomalisEgyutthato(n - 1, k);
            if (v) {
                ASSERT_EQ(*v, *x + *y) << n << " " << k;
            }
        }
}

TEST(LineSort, ZerosStayOrComeFirst)
{
    struct Case { std::vector<std::uint8_t> in; int start, end; std::vector<std::uint8_t> sorted, sortedZeroFirst; };
    const std::vector<Case> cases = {
        {{3, 0, 1}, 0, 3, {1, 0, 3}, {0, 1, 3}},
        {{0, 3, 1}, 0, 3, {0, 1, 3}, {0, 1, 3}},
        {{5, 4, 3, 2}, 1, 3, {5, 3, 4, 2}, {5, 3, 4, 2}},
        {{5, 4, 3}, -2, 99, {3, 4, 5}, {3, 4, 5}},
        {{9}, 0, 1, {9}, {9}},
        {{2, 1}, 1, 1, {2, 1}, {2, 1}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> a = c.in, b = c.in;
        TombRendezes(a, c.start, c.end);
        TombRendezesNullara(b, c.start, c.end);
        EXPECT_EQ(a, c.sorted);
        EXPECT_EQ(b, c.sortedZeroFirst);
    }
}

}  // namespace
}  // namespace kvx
