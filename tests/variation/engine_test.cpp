// The engine against the plain reference over a table of cases, and the
// behaviours of the store and of a run that the reference does not model.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <set>
#include <string>

#include "reference_engine.h"
#include "variation/line_enumerator.h"
#include "variation/store_jobs.h"

namespace kvx {
namespace {

using ref::Bemenet;
using ref::Sor;

// Per-line tests shared by both sides. Selection index i stands for the
// number i + 1.
struct SzuroBeallitas {
    enum Fajta { Nincs, Osszeg, ParosOsszeg, Kedvenc, Ugras } fajta = Nincs;
    int kf = 0;
    int osszegMin = 0, osszegMax = 0;
    int parosMin = 0, parosMax = 0;
    int kedvElso = 0, kedvUtolso = 0, kedvMin = 0;
    int ugrasTol = 0, ugrasIg = 0;
    int k = 0;
    std::vector<int> mx;

    bool operator()(std::uint8_t* s, std::int32_t& poz) const
    {
        switch (fajta) {
        case Nincs: return true;
        case Osszeg:
        case ParosOsszeg: {
            int sum = 0, paros = 0;
            for (int i = 0; i < kf; ++i) {
                sum += s[i] + 1;
                paros += ((s[i] + 1) % 2 == 0);
            }
            if (sum < osszegMin || sum > osszegMax)
                return false;  // rejects, cursor unmoved
            if (fajta == ParosOsszeg && (paros < parosMin || paros > parosMax))
                return false;
            return true;
        }
        case Kedvenc: {
            int c = 0;
            for (int i = 0; i < kf; ++i)
                c += (s[i] >= kedvElso && s[i] <= kedvUtolso);
            if (c < kedvMin) {
                poz = kf - (kedvMin - c);
                return false;
            }
            return true;
        }
        case Ugras:
            if (s[0] >= ugrasTol && s[0] <= ugrasIg) {
                // Jump to the last line whose first index is ugrasIg.
                s[0] = static_cast<std::uint8_t>(ugrasIg);
                for (int i = 1; i < k; ++i)
                    s[i] = static_cast<std::uint8_t>(mx[static_cast<std::size_t>(i)]);
                poz = k - 1;
                return false;
            }
            return true;
        }
        return true;
    }
};

// The copies of a parallel run share the call counter.
struct TesztSzuro {
    const SzuroBeallitas* sz = nullptr;
    std::shared_ptr<std::atomic<int>> hivasok = std::make_shared<std::atomic<int>>(0);
    std::function<void(int)> hivasUtan;
    static constexpr bool vanFeltetel = true;
    static constexpr bool vanTalalatiArany = false;
    bool feltetel(std::uint8_t* s, std::int32_t& poz)
    {
        const int h = ++*hivasok;
        if (hivasUtan)
            hivasUtan(h);
        return (*sz)(s, poz);
    }
    bool talalatiArany(std::uint8_t*, std::int32_t&) { return true; }
    bool parhuzamosithato() const { return true; }
    TesztSzuro masolat() const { return *this; }
    TeljesultBitek teljesult() const { return {}; }
    void teljesultHozzaad(const TeljesultBitek&) {}
};

std::vector<Sor> Sorok(const VariationStore& t)
{
    std::vector<Sor> v;
    for (std::int32_t r = 0; r < t.BontSzelvszam; ++r)
        v.emplace_back(t.sor(r), t.sor(r) + t.BontMatrixSorHossz);
    return v;
}

std::uint64_t Hash(const std::vector<Sor>& v)
{
    std::uint64_t h = 1469598103934665603ull;
    for (const Sor& s : v)
        for (std::uint8_t x : s)
            h = (h ^ x) * 1099511628211ull;
    return h;
}

void Elozo(VariationStore& t, const std::vector<Sor>& sorok, int k, int n)
{
    SetBontasMatrix(t, static_cast<std::int64_t>(sorok.size()), k, nullptr);
    t.BontSzelvszam = static_cast<std::int32_t>(sorok.size());
    for (std::size_t r = 0; r < sorok.size(); ++r)
        std::copy(sorok[r].begin(), sorok[r].end(), t.sor(static_cast<std::int32_t>(r)));
    BontasListazasTorlesUtan(t, n);
}

struct Futas {
    std::vector<Sor> sorok;
    BontasEredmeny e;
    BontasAllapot all;
    std::int32_t meret = 0;
};

Futas EngineFut(const BontasBemenet& b, const SzuroBeallitas& sz, const std::vector<Sor>& elozo = {})
{
    SCOPED_TRACE(testing::Message() << "threads " << b.SzalDb);
    VariationStore t;
    t.BontEngedelyezettMeret = 1000;  // small, so the runs grow the store
    if (b.BontasBovites)
        Elozo(t, elozo, b.VariacioMeret, b.KijeloltSzamDb);
    Futas f;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    if (sz.fajta == SzuroBeallitas::Nincs) {
        f.e = BontasFuttatas(t, b, f.all, vez, env);
    } else {
        TesztSzuro ts;
        ts.sz = &sz;
        f.e = BontasFuttatas(t, b, f.all, vez, env, ts);
    }
    f.sorok = Sorok(t);
    f.meret = t.BontMatrixMeret;
    EXPECT_EQ(t.BontMatrixMeret, t.BontSzelvszam) << "the run ends compacted";
    EXPECT_EQ(vez.BontSzelvszam.load(), t.BontSzelvszam);
    return f;
}

struct Eset {
    const char* nev;
    int n, nf, k, kf, h;
    SzuroBeallitas::Fajta szuro = SzuroBeallitas::Nincs;
    bool gyakorisagi = false, veletlen = false, bovites = false;
    bool tuliras = false, teteles = false, sorozat = false;
    int tul = 0, tmin = 0, tmax = 0;
    bool elozoKerekes = false;  // extension over a wheel made first
};

SzuroBeallitas Szuro(const Eset& e)
{
    SzuroBeallitas sz;
    sz.fajta = e.szuro;
    sz.kf = e.kf;
    sz.k = e.k;
    // A sum window around the middle and an even count of 2..3.
    const int kozep = e.kf * (e.nf + 1) / 2;
    sz.osszegMin = kozep - e.nf / 2;
    sz.osszegMax = kozep + e.nf;
    sz.parosMin = std::max(0, e.kf / 2 - 1);
    sz.parosMax = e.kf / 2 + 1;
    sz.kedvElso = 2;
    sz.kedvUtolso = e.nf / 2;
    sz.kedvMin = 2;
    sz.ugrasTol = 3;
    sz.ugrasIg = 5;
    sz.mx.resize(static_cast<std::size_t>(e.k));
    for (int i = 0; i < e.kf; ++i)
        sz.mx[static_cast<std::size_t>(i)] = e.nf - e.kf + i;
    for (int i = e.kf; i < e.k; ++i)
        sz.mx[static_cast<std::size_t>(i)] = e.n - (e.k - e.kf) + (i - e.kf);
    return sz;
}

BontasBemenet Bemenet(const Eset& e)
{
    BontasBemenet b = Bemenet(e.n, e.k, e.h);
    b.KijeloltFoSzamDb = e.nf;
    b.VariacioFoMeret = e.kf;
    b.VanPluszSzam = e.nf < e.n;
    b.FeltetelJelzo = e.szuro != SzuroBeallitas::Nincs;
    b.GyakorisagiEloszlas = e.gyakorisagi;
    b.VeletlenSzamsorok = e.veletlen;
    b.BontasBovites = e.bovites;
    b.TulirasBont = e.tuliras;
    b.TulirasTeteles = e.teteles;
    b.TulirasSorozat = e.sorozat;
    b.Tuliras = e.tul;
    b.TulirasTetelesMin = e.tmin;
    b.TulirasTetelesMax = e.tmax;
    b.VeletlenMag = 12345;
    return b;
}

class EngineReferencia : public ::testing::TestWithParam<Eset> {};

TEST_P(EngineReferencia, SameLinesInTheSameOrder)
{
    const Eset& e = GetParam();
    const SzuroBeallitas sz = Szuro(e);
    const BontasBemenet b = Bemenet(e);
    std::vector<Sor> elozo;
    if (e.elozoKerekes) {
        // An earlier wheel with more error points, extended now.
        BontasBemenet b0 = Bemenet(e.n, e.k, std::min(e.k - 1, e.h + 2));
        b0.KijeloltFoSzamDb = e.nf;
        b0.VariacioFoMeret = e.kf;
        b0.VanPluszSzam = e.nf < e.n;
        elozo = EngineFut(b0, SzuroBeallitas{}).sorok;
        ASSERT_FALSE(elozo.empty());
    }
    const ref::RefEredmeny r = ref::RefFuttatas(b, elozo, [&](std::uint8_t* s, std::int32_t& p) { return sz(s, p); });
    // The single-thread walk, and the full variations cut into slices.
    for (const std::int32_t szalak : {1, 8}) {
        BontasBemenet bs = b;
        bs.SzalDb = szalak;
        const Futas f = EngineFut(bs, sz, elozo);
        EXPECT_EQ(f.e.veg, BontasVeg::Kesz);
        ASSERT_EQ(f.sorok.size(), r.sorok.size());
        EXPECT_EQ(Hash(f.sorok), Hash(r.sorok));
        EXPECT_EQ(f.sorok, r.sorok);
        EXPECT_EQ(f.all.TeljesultFeltetelekA & kTulirasTetelesBit, r.TeljesultFeltetelekA & kTulirasTetelesBit);
    }
}

using F = SzuroBeallitas;
// clang-format off
const Eset kEsetek[] = {
    {"full_20_5", 20, 20, 5, 5, 0},
    {"full_20_5_sum", 20, 20, 5, 5, 0, F::Osszeg},
    {"full_24_6_sum_even", 24, 24, 6, 6, 0, F::ParosOsszeg},
    {"full_30_5_restart", 30, 30, 5, 5, 0, F::Kedvenc},
    {"full_22_5_jump", 22, 22, 5, 5, 0, F::Ugras},
    {"full_extra_26_6_sum", 26, 20, 6, 5, 0, F::Osszeg},
    {"full_extra_16_4", 16, 12, 4, 3, 0},
    {"full_9_2", 9, 9, 2, 2, 0},
    {"wheel_20_5_h1", 20, 20, 5, 5, 1},
    {"wheel_30_5_h1", 30, 30, 5, 5, 1},
    {"wheel_45_5_h2", 45, 45, 5, 5, 2},
    {"wheel_40_5_h3", 40, 40, 5, 5, 3},
    {"wheel_24_6_h1", 24, 24, 6, 6, 1},
    {"wheel_36_6_h3", 36, 36, 6, 6, 3},
    {"wheel_22_7_h2", 22, 22, 7, 7, 2},
    {"wheel_35_7_h4", 35, 35, 7, 7, 4},
    {"wheel_30_5_h1_sum_even", 30, 30, 5, 5, 1, F::ParosOsszeg},
    {"wheel_25_6_h2_sum", 25, 25, 6, 6, 2, F::Osszeg},
    {"wheel_30_5_h1_restart", 30, 30, 5, 5, 1, F::Kedvenc},
    {"wheel_24_6_h2_jump", 24, 24, 6, 6, 2, F::Ugras},
    {"wheel_extra_26_6_h1", 26, 20, 6, 5, 1},
    {"wheel_extra_30_7_h2_sum", 30, 22, 7, 5, 2, F::Osszeg},
    {"extension_20_5_h1", 20, 20, 5, 5, 1, F::Nincs, false, false, true, false, false, false, 0, 0, 0, true},
    {"extension_18_5_h0", 18, 18, 5, 5, 0, F::Nincs, false, false, true, false, false, false, 0, 0, 0, true},
    {"talalat_20_5_t2", 20, 20, 5, 5, 0, F::Nincs, false, false, false, true, false, false, 2},
    {"teteles_16_5_t2", 16, 16, 5, 5, 0, F::Nincs, false, false, false, true, true, false, 2, 0, 4},
    {"teteles_14_5_t1_min1", 14, 14, 5, 5, 0, F::Nincs, false, false, false, true, true, false, 1, 1, 3},
    {"teteles_sorozat_14_5_t2", 14, 14, 5, 5, 0, F::Nincs, false, false, false, true, true, true, 2, 1, 3},
    {"frequency_20_5_h1", 20, 20, 5, 5, 1, F::Nincs, true},
    {"frequency_25_6_h2_sum", 25, 25, 6, 6, 2, F::Osszeg, true},
    {"frequency_full_18_5_sum", 18, 18, 5, 5, 0, F::Osszeg, true},
    {"random_20_5_h1", 20, 20, 5, 5, 1, F::Nincs, false, true},
    {"random_full_12_4", 12, 12, 4, 4, 0, F::Nincs, false, true},
    {"random_20_5_h2_sum", 20, 20, 5, 5, 2, F::Osszeg, false, true},
    {"k1_full", 9, 9, 1, 1, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Esetek, EngineReferencia, ::testing::ValuesIn(kEsetek),
                         [](const ::testing::TestParamInfo<Eset>& i) { return std::string(i.param.nev); });

TEST(LineEnumerator, SixNumbersThreePerLineInLexicographicOrder)
{
    const Futas f = EngineFut(Bemenet(6, 3, 0), SzuroBeallitas{});
    ASSERT_EQ(f.sorok.size(), 20u);
    EXPECT_EQ(f.sorok.front(), (Sor{0, 1, 2}));
    EXPECT_EQ(f.sorok[1], (Sor{0, 1, 3}));
    EXPECT_EQ(f.sorok.back(), (Sor{3, 4, 5}));
}

TEST(LineEnumerator, WheelLinesShareAtMostTheAllowedNumbers)
{
    const Futas f = EngineFut(Bemenet(40, 6, 2), SzuroBeallitas{});
    ASSERT_GT(f.sorok.size(), 100u);
    for (std::size_t i = 0; i < f.sorok.size(); ++i)
        for (std::size_t j = i + 1; j < f.sorok.size(); ++j) {
            int c = 0;
            for (auto x : f.sorok[i])
                c += std::count(f.sorok[j].begin(), f.sorok[j].end(), x);
            ASSERT_LE(c, 3);
        }
}

TEST(LineEnumerator, RandomLinesWithoutCoveringAreNotRepeated)
{
    BontasBemenet b = Bemenet(10, 3, 0);
    b.VeletlenSzamsorok = true;
    b.VeletlenMag = 7;
    const Futas f = EngineFut(b, SzuroBeallitas{});
    std::set<std::uint64_t> egyedi;
    for (const Sor& s : f.sorok)
        egyedi.insert(Hash({s}));
    EXPECT_EQ(egyedi.size(), f.sorok.size());
    EXPECT_GT(f.sorok.size(), 50u);  // 120 attempts over 120 lines
    EXPECT_EQ(f.all.VeletlenKiserletek, 120);
}

TEST(LineEnumerator, InputsThatWouldDivideByZeroAreRefused)
{
    VariationStore t;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    EXPECT_EQ(BontasFuttatas(t, Bemenet(20, 5, 5), all, vez, env).hiba, BontasHiba::HibapontTulNagy);
    EXPECT_EQ(BontasFuttatas(t, Bemenet(20, 5, 7), all, vez, env).hiba, BontasHiba::HibapontTulNagy);
    BontasBemenet b = Bemenet(20, 1, 0);
    b.SzorasAktiv = true;
    EXPECT_EQ(BontasFuttatas(t, b, all, vez, env).hiba, BontasHiba::SzorasEgyFoPozicio);
    b = Bemenet(20, 5, 0);
    b.TulirasBont = true;
    b.Tuliras = 5;
    EXPECT_EQ(BontasFuttatas(t, b, all, vez, env).hiba, BontasHiba::TulirasErvenytelen);
    EXPECT_EQ(BontasFuttatas(t, Bemenet(4, 5, 0), all, vez, env).hiba, BontasHiba::ErvenytelenMeret);
    EXPECT_EQ(t.BontSzelvszam, 0);
}

// A run paused after some candidates and resumed gives the same lines as an
// uninterrupted one, in the same order: resumed as it is (the lines stored
// before the pause must stay), or with extension mode switched on, as the
// main window's Start does for a paused variation.
struct PauseEset {
    const char* nev;
    int n, k, h;
    bool gyakorisagi;
    int pauseUtan;
    bool bovitessel;
    int szalak = 1;
};

class PauseFolytatas : public ::testing::TestWithParam<PauseEset> {};

TEST_P(PauseFolytatas, ResumedRunEqualsUninterrupted)
{
    const PauseEset& p = GetParam();
    BontasBemenet b = Bemenet(p.n, p.k, p.h);
    b.GyakorisagiEloszlas = p.gyakorisagi;
    b.FeltetelJelzo = true;
    b.SzalDb = p.szalak;
    SzuroBeallitas sz;
    sz.fajta = SzuroBeallitas::Osszeg;
    sz.kf = p.k;
    sz.osszegMin = 0;
    sz.osszegMax = 1000;
    const Futas egyben = EngineFut(b, sz);

    VariationStore t;
    t.BontEngedelyezettMeret = 1000;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    int kerdesek = 0;
    vez.PauseVizsgalat = [&] { return ++kerdesek > 1; };  // the first question is answered No
    TesztSzuro ts;
    ts.sz = &sz;
    ts.hivasUtan = [&](int h) {
        if (h % p.pauseUtan == 0)
            vez.PauseKeres();
    };
    int szunetek = 0;
    for (int i = 0; i < 10000; ++i) {
        BontasBemenet bb = b;
        bb.BontasBovites = p.bovitessel && i > 0;
        const BontasEredmeny e = BontasFuttatas(t, bb, all, vez, env, ts);
        ASSERT_NE(e.veg, BontasVeg::Hibas);
        EXPECT_EQ(t.BontMatrixMeret, t.BontSzelvszam);
        if (e.veg != BontasVeg::Szunet)
            break;
        ++szunetek;
        EXPECT_TRUE(all.BontasBefejezetlen);
        vez.BontasPause.store(true);  // still paused: the next start resumes
    }
    EXPECT_GT(szunetek, 1);
    ASSERT_EQ(Sorok(t).size(), egyben.sorok.size());
    EXPECT_EQ(Hash(Sorok(t)), Hash(egyben.sorok));
    EXPECT_EQ(Sorok(t), egyben.sorok);
}

const PauseEset kPauseEsetek[] = {
    {"full_16_5", 16, 5, 0, false, 700, false},
    {"full_16_5_extension", 16, 5, 0, false, 700, true},
    {"wheel_24_5_h1", 24, 5, 1, false, 300, false},
    {"wheel_24_5_h1_extension", 24, 5, 1, false, 300, true},
    {"frequency_20_5_h1", 20, 5, 1, true, 200, false},
    {"frequency_20_5_h1_extension", 20, 5, 1, true, 200, true},
    {"frequency_full_14_4", 14, 4, 0, true, 150, false},
    {"full_20_5_8_threads", 20, 5, 0, false, 2000, false, 8},
    {"full_20_5_8_threads_extension", 20, 5, 0, false, 2000, true, 8},
};

INSTANTIATE_TEST_SUITE_P(Esetek, PauseFolytatas, ::testing::ValuesIn(kPauseEsetek),
                         [](const ::testing::TestParamInfo<PauseEset>& i) { return std::string(i.param.nev); });

TEST(LineEnumerator, StopAnsweredNoGoesOnAndYesKeepsTheLines)
{
    const Futas egyben = EngineFut(Bemenet(24, 5, 1), SzuroBeallitas{});
    for (bool igen : {false, true}) {
        VariationStore t;
        BontasAllapot all;
        BontasVezerles vez;
        TarolasKornyezet env;
        vez.StopVizsgalat = [&] { return igen; };
        SzuroBeallitas sz;
        sz.fajta = SzuroBeallitas::Osszeg;
        sz.kf = 5;
        sz.osszegMax = 1000;
        TesztSzuro ts;
        ts.sz = &sz;
        ts.hivasUtan = [&](int h) {
            if (h == 300)
                vez.BontasMegszakitasa();
        };
        BontasBemenet b = Bemenet(24, 5, 1);
        b.FeltetelJelzo = true;
        const BontasEredmeny e = BontasFuttatas(t, b, all, vez, env, ts);
        EXPECT_EQ(t.BontMatrixMeret, t.BontSzelvszam);
        if (igen) {
            EXPECT_EQ(e.veg, BontasVeg::Leallitva);
            EXPECT_GT(t.BontSzelvszam, 0);
            EXPECT_LT(static_cast<std::size_t>(t.BontSzelvszam), egyben.sorok.size());
            const auto s = Sorok(t);
            EXPECT_TRUE(std::equal(s.begin(), s.end(), egyben.sorok.begin()));
        } else {
            EXPECT_EQ(e.veg, BontasVeg::Kesz);
            EXPECT_EQ(Sorok(t), egyben.sorok);
        }
    }
}

TEST(VariationStore, FullVariationLineCounts)
{
    EXPECT_EQ(TeljBontSzelvszam(90, 5, 0, false, 0), 43949268);
    EXPECT_EQ(TeljBontSzelvszam(37, 1, 0, false, 0), 37);
    EXPECT_EQ(TeljBontSzelvszam(5, 6, 0, false, 0), 0);
    EXPECT_EQ(TeljBontSzelvszam(62, 7, 12, true, 2), 139838160);
    EXPECT_EQ(TeljBontSzelvszam(58, 3, 12, true, 2), 3036);
    EXPECT_EQ(TeljBontSzelvszam(128, 64, 0, false, 0), INT64_MIN);
    EXPECT_EQ(TeljBontSzelvszam(66, 33, 0, false, 0), 7219428434016265740LL);
}

TEST(VariationStore, GrowsByDoublingAndAsksEachTime)
{
    for (const std::int32_t szalak : {1, 8}) {
        SCOPED_TRACE(testing::Message() << "threads " << szalak);
        VariationStore t;
        t.BontEngedelyezettMeret = 100;
        BontasAllapot all;
        BontasVezerles vez;
        TarolasKornyezet env;
        std::vector<std::string> kerdesek;
        env.JovahagyasKerdes = [&](const std::string& s) {
            kerdesek.push_back(s);
            return true;
        };
        // Every growth is announced around its questions and around the
        // reallocation itself.
        std::vector<std::int32_t> meretek;
        std::string jelzesek;
        env.NovelesJelzo = [&](NovelesJelzes j) {
            jelzesek += "KFfV"[static_cast<int>(j)];
            if (j == NovelesJelzes::FoglalasVege)
                meretek.push_back(t.BontMatrixMeret);
        };
        SzuroBeallitas sz;
        sz.fajta = SzuroBeallitas::Osszeg;
        sz.kf = 5;
        sz.osszegMax = 1000;
        TesztSzuro ts;
        ts.sz = &sz;
        BontasBemenet b = Bemenet(30, 5, 0);
        b.FeltetelJelzo = true;  // a condition: the store doubles
        b.SzalDb = szalak;
        BontasFuttatas(t, b, all, vez, env, ts);
        EXPECT_EQ(t.BontSzelvszam, 142506);
        EXPECT_EQ(meretek, (std::vector<std::int32_t>{200, 400, 800, 1600, 3200, 6400, 12800, 25600, 51200, 102400,
                                                      142506}));
        std::string vart;
        for (int i = 0; i < 11; ++i)
            vart += "KFfV";
        EXPECT_EQ(jelzesek, vart);
        ASSERT_EQ(kerdesek.size(), 11u);
        EXPECT_EQ(kerdesek.front(), kSzovegNovelesResz);
        EXPECT_EQ(kerdesek.back(), kSzovegNovelesMind);
    }
}

// The hit-ratio condition is a selected condition: the store doubles rather
// than taking the full size at once, as it would when every line is stored.
struct CsakTalalat {
    static constexpr bool vanFeltetel = false;
    static constexpr bool vanTalalatiArany = true;
    bool feltetel(std::uint8_t*, std::int32_t&) { return true; }
    bool talalatiArany(std::uint8_t* s, std::int32_t&) { return s[0] < 3; }
    bool parhuzamosithato() const { return true; }
    CsakTalalat masolat() const { return *this; }
    TeljesultBitek teljesult() const { return {}; }
    void teljesultHozzaad(const TeljesultBitek&) {}
};

TEST(VariationStore, HitRatioAloneGrowsByDoubling)
{
    VariationStore t;
    t.BontEngedelyezettMeret = 100;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    std::vector<std::string> kerdesek;
    env.JovahagyasKerdes = [&](const std::string& s) {
        kerdesek.push_back(s);
        return true;
    };
    BontasBemenet b = Bemenet(20, 5, 0);
    b.TalArAktiv = true;
    CsakTalalat sz;
    BontasFuttatas(t, b, all, vez, env, sz);
    EXPECT_EQ(t.BontSzelvszam, 3876 + 3060 + 2380);  // first index 0, 1 or 2
    ASSERT_FALSE(kerdesek.empty());
    EXPECT_EQ(kerdesek.front(), kSzovegNovelesResz);
}

// Start can make the first allocation itself (behind the wait window): the
// run then takes the store as it is.
TEST(VariationStore, FirstAllocationBeforeTheRun)
{
    VariationStore t;
    t.BontEngedelyezettMeret = 2000;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    const BontasBemenet b = Bemenet(12, 5, 0);
    std::vector<std::int64_t> foglalasok;
    const auto foglalo = [&](std::int64_t sorok, const std::function<bool()>& munka) {
        foglalasok.push_back(sorok);
        return munka();
    };
    ASSERT_EQ(BontasElsoFoglalas(t, b, false, env, foglalo), BontasHiba::Nincs);
    EXPECT_EQ(foglalasok, (std::vector<std::int64_t>{792}));  // the full size is smaller
    EXPECT_EQ(t.BontMatrixMeret, 792);
    all.ElsoFoglalasKesz = true;
    int novelesek = 0;
    env.NovelesJelzo = [&](NovelesJelzes j) { novelesek += j == NovelesJelzes::Kezdet; };
    EXPECT_EQ(BontasFuttatas(t, b, all, vez, env).veg, BontasVeg::Kesz);
    EXPECT_FALSE(all.ElsoFoglalasKesz);
    EXPECT_EQ(t.BontSzelvszam, 792);
    EXPECT_EQ(novelesek, 0);
    // Little memory: the allocation shrinks to what fits (32 bytes a row);
    // none: refused, with the store unchanged.
    VariationStore u;
    env.SzabadMemoria = [] { return std::int64_t{1000}; };
    EXPECT_EQ(BontasElsoFoglalas(u, b, false, env, foglalo), BontasHiba::Nincs);
    EXPECT_EQ(u.BontMatrixMeret, 31);
    VariationStore v;
    env.SzabadMemoria = [] { return std::int64_t{0}; };
    EXPECT_EQ(BontasElsoFoglalas(v, b, false, env, foglalo), BontasHiba::MemoriaLimit);
    EXPECT_EQ(v.BontMatrixMeret, 0);
    EXPECT_EQ(foglalasok.size(), 2u);
}

TEST(VariationStore, RefusedGrowthStopsWithTheLinesSoFar)
{
    VariationStore t;
    t.BontEngedelyezettMeret = 100;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasKerdes = [](const std::string&) { return false; };
    const BontasEredmeny e = BontasFuttatas(t, Bemenet(30, 5, 1), all, vez, env);
    EXPECT_EQ(e.veg, BontasVeg::Leallitva);
    EXPECT_EQ(t.BontSzelvszam, 100);
    EXPECT_EQ(t.BontMatrixMeret, 100);
    // The store ended the run, not the user: the lines are to stay.
    EXPECT_TRUE(all.TarolasLeallitas);

    // A later run that is stopped by the user says otherwise.
    VariationStore t2;
    vez.BontasMegszakitasa();
    env.JovahagyasKerdes = [](const std::string&) { return true; };
    BontasFuttatas(t2, Bemenet(30, 5, 1), all, vez, env);
    EXPECT_FALSE(all.TarolasLeallitas);
}

TEST(VariationStore, GrowthReachesTheHundredMillionLimit)
{
    // 51,200,000 stored lines of one byte (the buffer is not needed for the
    // decision): the store grows to the limit instead of stopping.
    VariationStore t;
    SetBontasMatrix(t, 51200000, 1, nullptr);
    t.BontSzelvszam = 51200000;
    t.BontFoglalasMeret = 51200000;
    t.ABSZ = 622614630;
    TarolasKornyezet env;
    std::vector<std::string> uzenetek;
    env.InformacioUzenet = [&](const std::string& s) { uzenetek.push_back(s); };
    TarolasFutas futas;
    futas.FeltetelJelzo = true;
    bool stop = false;
    EXPECT_TRUE(t.Noveles(env, futas, stop));
    EXPECT_FALSE(stop);
    EXPECT_EQ(t.BontMatrixMeret, kBontMaxSzelvszam);
    EXPECT_TRUE(uzenetek.empty());
    // At the limit itself the run stops with the message.
    t.BontSzelvszam = static_cast<std::int32_t>(kBontMaxSzelvszam);
    EXPECT_FALSE(t.Noveles(env, futas, stop));
    EXPECT_TRUE(stop);
    ASSERT_EQ(uzenetek.size(), 1u);
    EXPECT_EQ(uzenetek[0], kSzoveg100Millio);
}

TEST(StoreJobs, SortRestoreAndLimits)
{
    VariationStore t;
    const std::vector<Sor> sorok = {{3, 4, 5}, {0, 1, 2}, {1, 2, 3}, {0, 1, 2}, {0, 2, 5}};
    Elozo(t, sorok, 3, 6);
    EXPECT_FALSE(BontListRendezes(t, 5, 5, false));
    EXPECT_FALSE(BontListRendezes(t, 0, 5, true));
    ASSERT_TRUE(BontListRendezes(t, 1, 5, false));
    EXPECT_EQ(Sorok(t), (std::vector<Sor>{{3, 4, 5}, {0, 1, 2}, {0, 1, 2}, {0, 2, 5}, {1, 2, 3}}));
    ASSERT_TRUE(BontListRendezes(t, 0, 5, false));
    EXPECT_EQ(Sorok(t).front(), (Sor{0, 1, 2}));
    EXPECT_TRUE(BontListEredetiSorrend(t));
    EXPECT_EQ(Sorok(t), (std::vector<Sor>{{3, 4, 5}, {0, 1, 2}, {0, 1, 2}, {0, 2, 5}, {1, 2, 3}}));
    // After a sort, a changed row count makes the restore do nothing.
    ASSERT_TRUE(BontListRendezes(t, 0, 5, false));
    SetBontasMatrix(t, 4, 3, nullptr);
    EXPECT_FALSE(BontListEredetiSorrend(t));
    EXPECT_EQ(t.BontSzelvszam, 4);
}

// With the optimisation on a sort gives its search the first index of the
// line now at the sort's first row; without it the boundary is left alone.
TEST(StoreJobs, SortWithTheOptimisationOnMovesItsBoundaryByte)
{
    for (const bool opt : {true, false}) {
        SCOPED_TRACE(opt ? "optimisation on" : "optimisation off");
        VariationStore t;
        Elozo(t, {{3, 4, 5}, {2, 3, 4}, {1, 2, 5}, {4, 5, 6}}, 3, 7);
        TVariacioOpciok o;
        o.Optimalizalas = opt ? 1 : 0;
        o.OptHatarBajt = 9;
        ASSERT_TRUE(BontListRendezes(t, 1, 4, false, &o));
        EXPECT_EQ(Sorok(t), (std::vector<Sor>{{3, 4, 5}, {1, 2, 5}, {2, 3, 4}, {4, 5, 6}}));
        EXPECT_EQ(o.OptHatarBajt, opt ? 1 : 9);
        ASSERT_TRUE(BontListRendezes(t, 2, 4, false, &o));
        EXPECT_EQ(o.OptHatarBajt, opt ? 2 : 9);
        // A sort that does nothing changes nothing.
        o.OptHatarBajt = 9;
        EXPECT_FALSE(BontListRendezes(t, 4, 4, false, &o));
        EXPECT_EQ(o.OptHatarBajt, 9);
    }
}

TEST(StoreJobs, CompactionCutsToTheLineCount)
{
    VariationStore t;
    SetBontasMatrix(t, 10, 3, nullptr);
    t.BontSzelvszam = 3;
    t.sor(2)[0] = 7;
    BontMatrixOpt(t, false);
    EXPECT_EQ(t.BontMatrixMeret, 3);
    EXPECT_EQ(t.sor(2)[0], 7);
    BontMatrixOpt(t, false);  // nothing more to do
    EXPECT_EQ(t.BontMatrixMeret, 3);
}

TEST(CoveringIndex, CountsFollowAddedAndRemovedLines)
{
    // Rows whose bytes are all 0 are occupied too: removal goes by line count.
    VariationStore t;
    Elozo(t, {{0, 1, 2}, {0, 1, 3}, {0, 4, 5}}, 3, 6);
    ReszhalmazTabla tab;
    tab.init(6, 2, true);
    for (int r = 0; r < t.BontSzelvszam; ++r)
        tab.hozzaad(t.sor(r), 3);
    const std::uint8_t p01[] = {0, 1};
    EXPECT_EQ(tab.osszeg(p01, 2), 2u);
    EXPECT_TRUE(tab.kiterjesztes(0).tartalmaz(1));  // {0} + 1
    SorIndexTorles(t, tab, 1, 5);  // rows 1 and 2 (row 5 does not exist)
    EXPECT_EQ(tab.osszeg(p01, 2), 1u);
    const std::uint8_t p45[] = {4, 5};
    EXPECT_FALSE(tab.fedett(p45, 2));
    EXPECT_FALSE(tab.kiterjesztes(0).tartalmaz(4));
    EXPECT_TRUE(tab.kiterjesztes(0).tartalmaz(1));
    SorIndexTorles(t, tab, 0, 0);
    EXPECT_TRUE(tab.ures());
    EXPECT_FALSE(tab.kiterjesztes(0).tartalmaz(1));
}

}  // namespace
}  // namespace kvx
