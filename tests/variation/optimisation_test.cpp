// The Csökkent / Növel search after a covering run, on small wheels: the
// lines it ends with still cover every candidate and keep the covering
// rule, Csökkent never ends with more lines and Növel never with fewer, the
// protected rows stay as they were, and a paused search resumes from its
// best copy with its cycle counters.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "variation/line_enumerator.h"
#include "variation/store_jobs.h"

namespace kvx {
namespace {

using Sor = std::vector<std::uint8_t>;

struct Wheel {
    int n, k, h;  // selected numbers, numbers per line, error points
    int talalat = -1;  // the Találat value instead of error points (-1: off)
};

BontasBemenet bemenet(const Wheel& w)
{
    BontasBemenet b;
    b.KijeloltSzamDb = b.KijeloltFoSzamDb = w.n;
    b.VariacioMeret = b.VariacioFoMeret = w.k;
    b.Hibapont = w.h;
    if (w.talalat >= 0) {
        b.Hibapont = 0;
        b.TulirasBont = true;
        b.Tuliras = w.talalat;
    }
    b.SzalDb = 1;
    return b;
}

// The allowance: stored lines share at most T numbers.
int allowance(const Wheel& w) { return w.talalat >= 0 ? w.talalat : w.k - 1 - w.h; }

// Counts the calls of the per-line test; a hook may act on a call.
struct Szamlalo {
    std::function<void(int)> hivasUtan;
    int hivasok = 0;
    static constexpr bool vanFeltetel = true;
    static constexpr bool vanTalalatiArany = false;
    bool feltetel(std::uint8_t*, std::int32_t&)
    {
        ++hivasok;
        if (hivasUtan)
            hivasUtan(hivasok);
        return true;
    }
    bool talalatiArany(std::uint8_t*, std::int32_t&) { return true; }
};

struct Futas {
    VariationStore t;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    TVariacioOpciok o;
    Szamlalo sz;
    BontasEredmeny e;

    Futas() { env.JovahagyasVariacio = false; }
    void fut(const Wheel& w, bool optimalizalas, bool bovites = false)
    {
        BontasBemenet b = bemenet(w);
        b.BontasBovites = bovites;
        b.FeltetelJelzo = true;  // the counter sees every candidate
        if (optimalizalas)
            b.Opt = &o;
        t.ABSZ = BontasABSZ(b);
        e = BontasFuttatas(t, b, all, vez, env, sz);
    }
    std::vector<Sor> sorok() const
    {
        std::vector<Sor> v;
        for (std::int32_t r = 0; r < t.BontSzelvszam; ++r)
            v.emplace_back(t.sor(r), t.sor(r) + t.BontMatrixSorHossz);
        return v;
    }
};

int kozos(const Sor& a, const Sor& b)
{
    int c = 0;
    for (auto x : a)
        c += static_cast<int>(std::count(b.begin(), b.end(), x));
    return c;
}

// Every line is a valid ascending line; no two lines share more than T
// numbers; every candidate shares more than T with some line.
void fedesEllenorzes(const std::vector<Sor>& sorok, const Wheel& w)
{
    const int T = allowance(w);
    for (const Sor& s : sorok) {
        ASSERT_EQ(static_cast<int>(s.size()), w.k);
        ASSERT_TRUE(std::is_sorted(s.begin(), s.end()) && std::adjacent_find(s.begin(), s.end()) == s.end());
        ASSERT_LT(s.back(), w.n);
    }
    for (std::size_t i = 0; i < sorok.size(); ++i)
        for (std::size_t j = i + 1; j < sorok.size(); ++j)
            ASSERT_LE(kozos(sorok[i], sorok[j]), T) << "rows " << i << " and " << j;
    Sor c(static_cast<std::size_t>(w.k));
    for (int i = 0; i < w.k; ++i) c[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    for (;;) {
        const bool fedett = std::any_of(sorok.begin(), sorok.end(), [&](const Sor& s) { return kozos(s, c) > T; });
        ASSERT_TRUE(fedett) << "an uncovered candidate";
        int p = w.k - 1;
        while (p >= 0 && c[static_cast<std::size_t>(p)] == w.n - w.k + p) --p;
        if (p < 0) break;
        ++c[static_cast<std::size_t>(p)];
        for (int j = p + 1; j < w.k; ++j) c[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(c[static_cast<std::size_t>(j) - 1] + 1);
    }
}

const Wheel kWheels[] = {{9, 3, 1}, {10, 4, 1}, {11, 4, 2}, {12, 5, 2}, {12, 4, 0, 2}, {13, 5, 0, 3}};

TEST(Optimalizalas, CsokkentNeverEndsLargerAndKeepsEveryCandidateCovered)
{
    for (const Wheel& w : kWheels) {
        SCOPED_TRACE(testing::Message() << w.n << "/" << w.k << " h" << w.h << " T" << w.talalat);
        Futas alap;
        alap.fut(w, false);
        Futas f;
        f.o.Optimalizalas = 1;
        f.o.Csokkent = 1;
        f.o.Feluliras = 1;
        f.fut(w, true);
        EXPECT_EQ(f.e.veg, BontasVeg::Kesz);
        EXPECT_LE(f.t.BontSzelvszam, alap.t.BontSzelvszam);
        EXPECT_GT(f.o.OptCiklus, 1);
        fedesEllenorzes(f.sorok(), w);
        // The bit says whether a smaller variation was found.
        EXPECT_EQ((f.all.TeljesultFeltetelekA & kOptimalizalasBit) != 0, f.t.BontSzelvszam < alap.t.BontSzelvszam);
        EXPECT_EQ(f.vez.OptLegjobb.load(), f.t.BontSzelvszam);
        ASSERT_EQ(f.t.Import_Count.size(), 1u);
        EXPECT_EQ(f.t.Import_Count[0], f.t.BontSzelvszam);
    }
}

TEST(Optimalizalas, NovelNeverEndsSmallerAndKeepsTheRule)
{
    for (const Wheel& w : kWheels) {
        SCOPED_TRACE(testing::Message() << w.n << "/" << w.k << " h" << w.h << " T" << w.talalat);
        Futas alap;
        alap.fut(w, false);
        Futas f;
        f.o.Optimalizalas = 1;
        f.o.Feluliras = 1;
        f.fut(w, true);
        EXPECT_EQ(f.e.veg, BontasVeg::Kesz);
        EXPECT_GE(f.t.BontSzelvszam, alap.t.BontSzelvszam);
        fedesEllenorzes(f.sorok(), w);
    }
}

TEST(Optimalizalas, ProtectedRowsStayByteForByte)
{
    const Wheel w{11, 4, 1};
    Futas alap;
    alap.fut(w, false);
    const std::vector<Sor> elotte = alap.sorok();
    ASSERT_GT(elotte.size(), 6u);

    // Without Felülírás no line is rewritten: the whole variation stays.
    for (bool csokkent : {true, false}) {
        Futas f;
        f.o.Optimalizalas = 1;
        f.o.Csokkent = csokkent;
        f.fut(w, true);
        EXPECT_EQ(f.sorok(), elotte);
    }

    // With Felülírás but the first rows protected, those rows stay.
    for (const std::int32_t vedett : {1, 4}) {
        SCOPED_TRACE(vedett);
        Futas f;
        f.o.Optimalizalas = 1;
        f.o.Csokkent = 1;
        f.o.Feluliras = 1;
        f.o.OptVedettSzamsor = vedett;
        // An extension run over the first rows of the variation.
        SetBontasMatrix(f.t, vedett, w.k, nullptr);
        f.t.BontSzamGyakorisag.assign(static_cast<std::size_t>(w.n), 0);
        for (std::int32_t r = 0; r < vedett; ++r) {
            std::copy(elotte[static_cast<std::size_t>(r)].begin(), elotte[static_cast<std::size_t>(r)].end(), f.t.sor(r));
            for (auto x : elotte[static_cast<std::size_t>(r)]) ++f.t.BontSzamGyakorisag[x];
        }
        f.t.BontSzelvszam = vedett;
        f.t.Import_Count = {vedett};
        f.fut(w, true, true);
        const auto utana = f.sorok();
        ASSERT_GE(utana.size(), static_cast<std::size_t>(vedett));
        EXPECT_TRUE(std::equal(elotte.begin(), elotte.begin() + vedett, utana.begin()));
        fedesEllenorzes(utana, w);
    }
}

TEST(Optimalizalas, ARewritableVariationWithSpareLinesIsOfferedASmallerStart)
{
    // Every line of the wheel twice: half of the variation already covers
    // every candidate, which the trial finds and proposes to start from.
    const Wheel w{10, 4, 1};
    Futas alap;
    alap.fut(w, false);
    const std::vector<Sor> kerek = alap.sorok();
    const auto W = static_cast<std::int32_t>(kerek.size());
    for (bool igen : {true, false}) {
        SCOPED_TRACE(igen);
        Futas f;
        f.o.Optimalizalas = 1;
        f.o.Csokkent = 1;
        f.o.Feluliras = 1;
        SetBontasMatrix(f.t, 2 * W, w.k, nullptr);
        f.t.BontSzamGyakorisag.assign(static_cast<std::size_t>(w.n), 0);
        for (std::int32_t r = 0; r < 2 * W; ++r) {
            const Sor& s = kerek[static_cast<std::size_t>(r % W)];
            std::copy(s.begin(), s.end(), f.t.sor(r));
            for (auto x : s) ++f.t.BontSzamGyakorisag[x];
        }
        f.t.BontSzelvszam = 2 * W;
        f.t.Import_Count = {2 * W};
        // The run window asks the proposal through its own question.
        std::vector<std::string> kerdesek;
        f.vez.OptJavaslatKerdes = [&](const std::string& k) {
            EXPECT_TRUE(f.vez.OptTesztFut.load());
            kerdesek.push_back(k);
            return igen;
        };
        f.env.JovahagyasKerdes = [](const std::string& k) { return ADD_FAILURE() << k, true; };
        f.fut(w, true, true);
        ASSERT_EQ(kerdesek.size(), 1u);
        EXPECT_EQ(kerdesek[0].rfind("A módosított variáció számsorainak mennyisége: " + std::to_string(2 * W) +
                                        "\r\n\r\nA jelenlegi beállítások mellett, a program ", 0),
                  0u)
            << kerdesek[0];
        EXPECT_LT(f.t.BontSzelvszam, 2 * W);
        EXPECT_EQ(f.e.veg, BontasVeg::Kesz);
        // Duplicates share every number: the rule check finds any left.
        fedesEllenorzes(f.sorok(), w);
    }
}

// A Stop or a Pause confirmed while the trial of a rewritable variation runs
// ends the optimisation there: its question is asked once, and the lines
// are the variation the generation made.
TEST(Optimalizalas, StopOrPauseDuringTheTrialIsAskedOnce)
{
    const Wheel w{10, 4, 1};
    Futas alap;
    alap.fut(w, false);
    for (const bool stop : {true, false}) {
        SCOPED_TRACE(stop ? "Stop" : "Pause");
        Futas f;
        f.o.Optimalizalas = 1;
        f.o.Csokkent = 1;
        f.o.Feluliras = 1;
        int kerdesek = 0;
        f.vez.StopVizsgalat = [&] { return ++kerdesek, true; };
        f.vez.PauseVizsgalat = [&] { return ++kerdesek, true; };
        bool kerve = false, kereses = false;
        f.sz.hivasUtan = [&](int) {
            kereses = kereses || f.vez.OptFut.load();
            if (kerve || !f.vez.OptTesztFut.load())
                return;
            kerve = true;
            if (stop)
                f.vez.BontasMegszakitasa();
            else
                f.vez.PauseKeres();
        };
        f.fut(w, true);
        ASSERT_TRUE(kerve);
        EXPECT_TRUE(kereses);
        EXPECT_EQ(kerdesek, 1);
        EXPECT_EQ(f.e.veg, stop ? BontasVeg::Leallitva : BontasVeg::Szunet);
        EXPECT_FALSE(f.vez.OptTesztFut.load());
        EXPECT_FALSE(f.vez.OptFut.load());
        EXPECT_EQ(f.o.OptPause, stop ? 0 : 1);
        EXPECT_EQ(f.sorok(), alap.sorok());
    }
}

TEST(Optimalizalas, APausedSearchResumesFromItsBestCopy)
{
    const Wheel w{13, 5, 0, 3};
    Futas f;
    f.o.Optimalizalas = 1;
    f.o.Csokkent = 1;
    f.o.Feluliras = 1;
    // Pause well inside the search (the generation takes far fewer calls).
    Futas alap;
    alap.fut(w, false);
    const int pauseHivas = alap.sz.hivasok * 4;
    f.sz.hivasUtan = [&](int h) {
        if (h == pauseHivas)
            f.vez.PauseKeres();
    };
    f.fut(w, true);
    ASSERT_EQ(f.e.veg, BontasVeg::Szunet);
    EXPECT_EQ(f.o.OptPause, 1);
    // Paused, the variation is the best copy; the working state waits beside it.
    const std::vector<Sor> legjobb = f.sorok();
    EXPECT_EQ(f.vez.OptLegjobb.load(), static_cast<std::int32_t>(legjobb.size()));
    EXPECT_EQ(f.o.OptSzamsorHatar, f.t.OptLegjobbSzamsorDb);
    fedesEllenorzes(legjobb, w);
    const std::int64_t ciklus = f.o.OptCiklus;
    ASSERT_GT(ciklus, 1);
    // The run window reads the counters the search published.
    EXPECT_EQ(f.vez.OptCiklus.load(), ciklus);
    EXPECT_EQ(f.vez.OptLegjobbCiklus.load(), f.o.OptLegjobbCiklus);
    EXPECT_FALSE(f.vez.OptFut.load());

    // Resume as Start does; the cycle counter is about to roll over.
    f.o.OptCiklus = kOptCiklusMax;
    f.o.OptTrillio = 0;
    f.all.BontasFolytatas = true;
    f.vez.BontasPause.store(false);
    f.sz.hivasUtan = nullptr;
    const int generalas = f.sz.hivasok;
    f.fut(w, true);
    EXPECT_EQ(f.e.veg, BontasVeg::Kesz);
    EXPECT_EQ(f.o.OptPause, 0);
    EXPECT_LE(f.t.BontSzelvszam, static_cast<std::int32_t>(legjobb.size()));
    fedesEllenorzes(f.sorok(), w);
    EXPECT_EQ(f.o.OptTrillio, 1);
    EXPECT_EQ(f.vez.OptTrillio.load(), 1);
    EXPECT_EQ(f.vez.OptCiklus.load(), f.o.OptCiklus);
    EXPECT_GE(f.o.OptCiklus, 1);
    EXPECT_LT(f.o.OptCiklus, kOptCiklusMax);
    // No generation ran before the resumed search: it went straight on.
    EXPECT_GT(f.sz.hivasok, generalas);
}

}  // namespace
}  // namespace kvx
