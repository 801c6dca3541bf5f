#include "conditions/math_conditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/delphi_format.h"

using namespace kvx;

namespace {

MathKornyezet Kornyezet(std::vector<int> szamok, int k)
{
    MathKornyezet e;
    for (int x : szamok) e.KijeloltSzamok.push_back(static_cast<std::uint8_t>(x));
    e.KijeloltFoSzamDb = static_cast<std::int32_t>(szamok.size());
    e.VariacioFoMeret = k;
    std::sort(szamok.begin(), szamok.end());
    e.KijeloltNemSzomszedos = !szamok.empty() && szamok.back() - szamok.front() + 1 > static_cast<int>(szamok.size());
    return e;
}

}  // namespace

TEST(Math, LimitsOfOneToTen)
{
    const MathKornyezet e = Kornyezet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5);
    const OsszegHatar o = OsszegHatarok(e);
    EXPECT_EQ(o.Min, 15);
    EXPECT_EQ(o.Max, 40);
    const SzorasHatar s = SzorasHatarok(e);
    EXPECT_EQ(SzorasSzoveg(s.Also + kSzorasTures), "1,5811");
    EXPECT_EQ(SzorasSzoveg(s.Felso - kSzorasTures), "4,1833");
    const TerjedelemHatar t = TerjedelemHatarok(e);
    EXPECT_EQ(t.ValtozoMin, 4);
    EXPECT_EQ(t.ValtozoMax, 9);
    EXPECT_EQ(t.FixElsoMax, 5);
    EXPECT_EQ(t.FixUtolsoMin, 6);
    EXPECT_EQ(t.FixUtolsoMax, 10);
    EXPECT_EQ(SzorasTipp(e, s),
              " Szórás értékhatárok: \r\n Minimum: 1,5811\r\n Maximum: 4,1833\r\n +- 0,0001 tűrés a "
              "kerekítések okán ");
    // A gap in the selection: every marker starts with the note.
    const MathKornyezet g = Kornyezet({1, 2, 3, 4, 5, 20, 21, 22, 23, 24}, 5);
    const char* megjegyzes = " A variációra kijelölt számok nem szomszédosak";
    EXPECT_TRUE(OsszegTipp(g, OsszegHatarok(g)).starts_with(megjegyzes));
    EXPECT_TRUE(SzorasTipp(g, SzorasHatarok(g)).starts_with(megjegyzes));
    TTerjedelemFeltetel r;
    r.Fix = 1;
    EXPECT_TRUE(TerjedelemFixTipp(g, r).starts_with(megjegyzes));
    EXPECT_TRUE(OsszegTipp(e, o).starts_with(" Összeg értékhatárok"));

    // Number pools narrower than the Fix positions: the marker says which
    // positions take part, after the note when there is one.
    MathKornyezet p = g;
    p.SzamkeszletAktiv = true;
    p.SzamkeszletElso = 2;
    p.SzamkeszletUtolso = 8;
    r.FixMin = 1;
    r.FixMax = 10;
    const char* keszlet =
        " A Számkészletek feltétel beállítása szerint: \r\n 2. - 8. sorszámú számok vesznek részt a variációban. ";
    EXPECT_EQ(TerjedelemFixTipp(p, r), TerjedelemFixTipp(g, r) + "\r\n\r\n" + keszlet);
    p.KijeloltNemSzomszedos = false;
    EXPECT_EQ(TerjedelemFixTipp(p, r), keszlet);
    r.FixMin = 2;
    r.FixMax = 8;
    EXPECT_EQ(TerjedelemFixTipp(p, r), "");
    r.Fix = 0;
    r.FixMax = 10;
    EXPECT_EQ(TerjedelemFixTipp(p, r), "");
}

// The greatest deviation is not always that of one fixed split.
TEST(Math, GreatestDeviationTakesTheBestSplit)
{
    const SzorasHatar s = SzorasHatarok(Kornyezet({1, 2, 3, 4, 100}, 3));
    EXPECT_NEAR(s.Felso - kSzorasTures, MintaSzoras({1, 2, 100}), 1e-9);
    EXPECT_GT(s.Felso, 56.87);
}

// Random selections of up to 14 numbers against every k-subset: the sum
// limits are exact, the least deviation is the true one within the
// tolerance, and no line's deviation lies above the greatest offered.
TEST(Math, LimitsAgainstEveryLine)
{
    std::mt19937 rng(18);
    for (int proba = 0; proba < 150; ++proba) {
        const int n = std::uniform_int_distribution<int>(2, 14)(rng);
        std::vector<int> mind(90);
        for (int i = 0; i < 90; ++i) mind[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(mind.begin(), mind.end(), rng);
        std::vector<int> szamok(mind.begin(), mind.begin() + n);
        const int k = std::uniform_int_distribution<int>(2, n)(rng);
        const MathKornyezet e = Kornyezet(szamok, k);
        const OsszegHatar o = OsszegHatarok(e);
        const SzorasHatar s = SzorasHatarok(e);
        const TerjedelemHatar t = TerjedelemHatarok(e);
        int osszMin = 1 << 30, osszMax = 0, tMin = 1 << 30, tMax = 0;
        double szMin = 1e9, szMax = 0;
        std::vector<bool> valaszt(static_cast<std::size_t>(n), false);
        std::fill(valaszt.end() - k, valaszt.end(), true);
        do {
            std::vector<int> sor;
            for (int i = 0; i < n; ++i)
                if (valaszt[static_cast<std::size_t>(i)]) sor.push_back(szamok[static_cast<std::size_t>(i)]);
            int ossz = 0;
            for (int x : sor) ossz += x;
            osszMin = std::min(osszMin, ossz);
            osszMax = std::max(osszMax, ossz);
            const double sz = MintaSzoras(sor);
            szMin = std::min(szMin, sz);
            szMax = std::max(szMax, sz);
            const auto [lo, hi] = std::minmax_element(sor.begin(), sor.end());
            tMin = std::min(tMin, *hi - *lo);
            tMax = std::max(tMax, *hi - *lo);
        } while (std::next_permutation(valaszt.begin(), valaszt.end()));
        SCOPED_TRACE(::testing::Message() << "n=" << n << " k=" << k);
        EXPECT_EQ(o.Min, osszMin);
        EXPECT_EQ(o.Max, osszMax);
        EXPECT_NEAR(s.Also + kSzorasTures, szMin, 1e-4);
        EXPECT_LE(s.Also, szMin);
        EXPECT_GE(s.Felso - kSzorasTures, szMax - 1e-9);
        EXPECT_EQ(t.ValtozoMin, tMin);
        EXPECT_EQ(t.ValtozoMax, tMax);
    }
}

TEST(Math, SumAndDeviationValuesStayWithinTheirLimits)
{
    const OsszegHatar h{false, 15, 40};
    struct OEset {
        std::optional<std::int32_t> min, max;
        std::int32_t vMin, vMax;
    };
    const OEset osszeg[] = {
        {std::nullopt, std::nullopt, 15, 15}, {10, 50, 15, 40}, {30, 20, 30, 30}, {45, 41, 40, 40}, {20, 25, 20, 25},
    };
    for (const OEset& c : osszeg) {
        TMinMaxFeltetel r;
        OsszegEllenorzes(r, h, c.min, c.max);
        EXPECT_EQ(r.Min, c.vMin);
        EXPECT_EQ(r.Max, c.vMax);
    }
    TMinMaxFeltetel r;
    r.Min = 30;
    r.Max = 20;
    OsszegNormalizalas(r, h, MathMezo::Max);
    EXPECT_EQ(r.Min, 20);
    r.Min = 35;
    OsszegNormalizalas(r, h, MathMezo::Min);
    EXPECT_EQ(r.Max, 35);

    const SzorasHatar s{false, 1.5810, 4.1834};
    struct SEset {
        std::optional<double> min, max;
        double vMin, vMax;
    };
    const SEset szoras[] = {
        {std::nullopt, std::nullopt, 1.5810, 1.5812},  // empty: the lower bound, 0.0002 apart
        {0.5, 9.0, 1.5810, 4.1834},                    // outside: the bounds
        {4.1834, 4.1834, 4.1832, 4.1834},              // the two stay apart at the top
        {3.0, 2.0, 3.0, 3.0002},                       // a maximum below the minimum
        {2.5, 3.25, 2.5, 3.25},
    };
    for (const SEset& c : szoras) {
        TSzorasFeltetel r2;
        SzorasEllenorzes(r2, s, c.min, c.max);
        EXPECT_NEAR(r2.Min, c.vMin, 1e-5);
        EXPECT_NEAR(r2.Max, c.vMax, 1e-5);
        EXPECT_GE(r2.Max - r2.Min, 0.0002 - 1e-5);
    }
    EXPECT_EQ(SzorasCsonkolas(2.7183, s), 2.0);
    EXPECT_EQ(SzorasCsonkolas(1.7, s), 2.0) << "1 is below the lower bound";
    EXPECT_EQ(SzorasCsonkolas(std::nullopt, s), 2.0);
    EXPECT_EQ(SzorasErtek(","), std::nullopt);
    EXPECT_EQ(SzorasErtek("2,75"), 2.75);
    EXPECT_EQ(SzorasErtek(""), std::nullopt);

    // A stored maximum above the reachable one is lowered to it.
    TSzorasFeltetel t;
    t.Min = 2;
    t.Max = 60;
    SzorasBejeloles(t, s);
    EXPECT_FLOAT_EQ(t.Max, static_cast<float>(s.Felso));
    EXPECT_FLOAT_EQ(t.Min, 2.0f);
}

// A sum typed beyond the limits takes the nearer limit, and the order of the
// two is put right by the check of the edit the user left: leaving the
// maximum below the minimum takes the minimum down with it (unless the
// maximum is at or below the lowest sum), leaving the minimum above the
// maximum takes the maximum up. Selection of 12 numbers of 5/90 whose five
// smallest add up to 54 and five largest to 408.
TEST(Math, TypedSumsTakeTheLimitsByTheEditLeft)
{
    const OsszegHatar h{false, 54, 408};
    struct Eset {
        MathMezo kilepett;
        std::optional<std::int32_t> min, max;
        std::int32_t vMin, vMax;
    };
    const Eset esetek[] = {
        {MathMezo::Max, 150, 999, 150, 408},           // above the limit: the limit, not 99
        {MathMezo::Max, 150, 300, 150, 300},
        {MathMezo::Max, 150, 100, 100, 100},           // below the minimum: the minimum follows it down
        {MathMezo::Max, 150, 20, 150, 150},            // below the lowest sum: the minimum's value
        {MathMezo::Max, 150, std::nullopt, 150, 150},  // empty
        {MathMezo::Min, 10, 300, 54, 300},             // below the lowest sum: the lowest
        {MathMezo::Min, 999, 300, 408, 408},           // above the highest: the highest, and the maximum too
        {MathMezo::Min, 200, 150, 200, 200},           // above the maximum: the maximum follows it up
        {MathMezo::Min, std::nullopt, 300, 54, 300},   // empty
    };
    for (const Eset& c : esetek) {
        SCOPED_TRACE(::testing::Message() << (c.kilepett == MathMezo::Max ? "max " : "min ")
                                          << c.min.value_or(-1) << " " << c.max.value_or(-1));
        TMinMaxFeltetel r{1, {}, 150, 300};
        OsszegEllenorzes(r, h, c.min, c.max, c.kilepett);
        EXPECT_EQ(r.Min, c.vMin);
        EXPECT_EQ(r.Max, c.vMax);
    }

    // Ticking the box: the edits keep their values within the limits; only a
    // stored minimum below the lowest sum or maximum above the highest moves.
    struct BEset {
        std::int32_t rMin, rMax, eMin, eMax, vMin, vMax;
    };
    const BEset bejeloles[] = {
        {0, 0, 15, 145, 54, 145},       // a fresh record: the form's maximum stays
        {0, 500, 15, 145, 54, 408},     // a stored maximum above the highest
        {100, 200, 120, 300, 120, 300},  // the edits' values
        {100, 200, 300, 250, 300, 300},  // in order
        {100, 200, 60, 999, 60, 408},    // held within the limits
    };
    for (const BEset& c : bejeloles) {
        SCOPED_TRACE(::testing::Message() << c.rMin << "-" << c.rMax << " " << c.eMin << "-" << c.eMax);
        TMinMaxFeltetel r{1, {}, c.rMin, c.rMax};
        OsszegBejeloles(r, h, c.eMin, c.eMax);
        EXPECT_EQ(r.Min, c.vMin);
        EXPECT_EQ(r.Max, c.vMax);
    }
}

// The fixed stretch keeps k + 1 numbers: the changed end pushes the other.
TEST(Math, FixedStretchKeepsMoreNumbersThanALine)
{
    const MathKornyezet e = Kornyezet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5);
    const TerjedelemHatar h = TerjedelemHatarok(e);
    struct Eset {
        TerjedelemMezo mezo;
        std::int32_t min, max, vMin, vMax;
    };
    const Eset esetek[] = {
        {TerjedelemMezo::FixMin, 4, 8, 4, 9},
        {TerjedelemMezo::FixMax, 3, 6, 1, 6},
        {TerjedelemMezo::Nincs, 0, 0, 1, 10},  // an empty record: the whole selection
        {TerjedelemMezo::FixMin, 9, 10, 5, 10},
    };
    for (const Eset& c : esetek) {
        TTerjedelemFeltetel r;
        r.Fix = 1;
        r.FixMin = c.min;
        r.FixMax = c.max;
        TerjedelemNormalizalas(r, h, 5, c.mezo);
        EXPECT_EQ(r.FixMin, c.vMin);
        EXPECT_EQ(r.FixMax, c.vMax);
        EXPECT_EQ(r.Allapot, 1);
    }
    TTerjedelemFeltetel r;
    r.Allapot = 1;
    TerjedelemNormalizalas(r, h, 5);
    EXPECT_EQ(r.Allapot, 0) << "neither sub-condition";
    r.Fix = 1;
    r.FixMin = 2;
    r.FixMax = 8;
    std::int32_t lo = 0, hi = 0;
    FixTerjedelem(e, r, lo, hi);
    EXPECT_EQ(lo, 4);
    EXPECT_EQ(hi, 6);
    // The label counts the fixed stretch while Fix is on, else the selection.
    EXPECT_EQ(TerjedelemLabel37(r, 9), "-dik számig, 7 szám variációja.");
    r.Fix = 0;
    EXPECT_EQ(TerjedelemLabel37(r, 9), "-dik számig, 9 szám variációja.");
}
