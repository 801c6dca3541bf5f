// The per-line condition test and the hit-ratio test: tables of lines
// accepted and refused per condition, the restart positions, the end-to-end
// run through the enumerator against a brute-force filter of the full
// variation, and the hit-ratio test against small draws tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

#include "conditions/markers.h"
#include "variation/condition_filter.h"
#include "variation/hit_ratio_check.h"
#include "variation/line_condition_check.h"

namespace {

using namespace kvx;

constexpr std::int32_t kNemIrt = -99;  // poz left untouched

GameParams Jatek(int i) { return kvx::JatekParameterei(i); }

struct Kornyezet {
    GameParams g;
    SzamListak l;
    FeltetelRekordok f;
    SzamJelzok j;

    Kornyezet(std::vector<std::uint8_t> szamok, int k, int jatek = 0) : g(Jatek(jatek))
    {
        l.KijeloltSzamok = std::move(szamok);
        l.KijeloltFoSzamDb = l.KijeloltSzamDb();
        l.KijeloltFoSzamFelso = l.KijeloltFoSzamDb - 1;
        l.VariacioMeret = l.VariacioFoMeret = k;
        l.VariacioMeretFelso = l.VariacioFoMeretFelso = k - 1;
    }
    void teszt(SorFeltetelTeszt& t, bool bontTesztFut = false)
    {
        SzamJelzoBeallitas(j, l, g, f, 1);
        t.Elokeszites(f, j, l, g, 1, bontTesztFut);
    }
    // Line of numbers -> selection indexes.
    std::vector<std::uint8_t> sor(const std::vector<int>& szamok) const
    {
        std::vector<std::uint8_t> s;
        for (int x : szamok) {
            const auto it = std::find(l.KijeloltSzamok.begin(), l.KijeloltSzamok.end(), x);
            s.push_back(static_cast<std::uint8_t>(it - l.KijeloltSzamok.begin()));
        }
        return s;
    }
};

std::vector<std::uint8_t> Egytol(int n)
{
    std::vector<std::uint8_t> v;
    for (int i = 1; i <= n; ++i)
        v.push_back(static_cast<std::uint8_t>(i));
    return v;
}

struct SorEset {
    const char* nev;
    std::function<void(FeltetelRekordok&)> beallit;
    std::vector<int> szamok;
    bool elfogad;
    std::int32_t ujraindit;  // expected restart, kNemIrt when the cursor is untouched
    int bit = -1;            // mask A bit set on acceptance (-1: none checked)
    int alBit = -1;          // mask B bit
};

const std::vector<SorEset>& SorEsetek()
{
    static const std::vector<SorEset> v = {
        // Sum.
        {"osszeg_bent", [](auto& f) { f.OsszegFeltetel = {1, {}, 100, 150}; }, {10, 20, 30, 40, 50}, true, kNemIrt, BitOsszeg},
        {"osszeg_also", [](auto& f) { f.OsszegFeltetel = {1, {}, 100, 150}; }, {1, 2, 3, 4, 90}, true, kNemIrt, BitOsszeg},
        {"osszeg_felett", [](auto& f) { f.OsszegFeltetel = {1, {}, 100, 150}; }, {10, 20, 30, 40, 51}, false, kNemIrt},
        {"osszeg_alatt", [](auto& f) { f.OsszegFeltetel = {1, {}, 100, 150}; }, {1, 2, 3, 4, 89}, false, kNemIrt},
        // Even / odd numbers (last digit).
        {"paros_bent", [](auto& f) { f.SzvParosFeltetel.Allapot = 1; f.SzvParosFeltetel.Min = 2; f.SzvParosFeltetel.Max = 3; },
         {2, 4, 5, 7, 9}, true, kNemIrt, BitSzvParos},
        {"paros_sok", [](auto& f) { f.SzvParosFeltetel.Allapot = 1; f.SzvParosFeltetel.Min = 2; f.SzvParosFeltetel.Max = 3; },
         {2, 4, 6, 8, 9}, false, 4},
        {"paros_egy", [](auto& f) { f.SzvParosFeltetel.Allapot = 1; f.SzvParosFeltetel.Min = 2; f.SzvParosFeltetel.Max = 3; },
         {1, 3, 5, 7, 8}, false, 4},
        {"paros_nincs", [](auto& f) { f.SzvParosFeltetel.Allapot = 1; f.SzvParosFeltetel.Min = 2; f.SzvParosFeltetel.Max = 3; },
         {1, 3, 5, 7, 9}, false, 3},
        // Even tens groups.
        {"szcs_paros_sok", [](auto& f) { f.SzcsParosFeltetel.Allapot = 1; f.SzcsParosFeltetel.Min = 1; f.SzcsParosFeltetel.Max = 2; },
         {1, 2, 11, 21, 31}, false, 4},
        {"szcs_paros_jo", [](auto& f) { f.SzcsParosFeltetel.Allapot = 1; f.SzcsParosFeltetel.Min = 1; f.SzcsParosFeltetel.Max = 2; },
         {1, 11, 21, 31, 51}, true, kNemIrt, BitSzcsParos},
        // Number groups by selection position.
        {"csoport_sok", [](auto& f) { f.SzamcsoportokFeltetel.Allapot = 1; f.SzamcsoportokFeltetel.Db = 1; f.SzamcsoportokFeltetel.Csoport[0] = {1, 30, 1, 2, 0}; },
         {1, 2, 3, 40, 50}, false, 4},
        {"csoport_nincs", [](auto& f) { f.SzamcsoportokFeltetel.Allapot = 1; f.SzamcsoportokFeltetel.Db = 1; f.SzamcsoportokFeltetel.Csoport[0] = {1, 30, 1, 2, 0}; },
         {40, 50, 60, 70, 80}, false, 4},
        {"csoport_jo", [](auto& f) { f.SzamcsoportokFeltetel.Allapot = 1; f.SzamcsoportokFeltetel.Db = 2; f.SzamcsoportokFeltetel.Csoport[0] = {1, 30, 1, 2, 0}; f.SzamcsoportokFeltetel.Csoport[1] = {31, 90, 3, 4, 0}; },
         {1, 40, 50, 60, 70}, true, kNemIrt, BitSzamcsoportok},
        {"csoport_masodik", [](auto& f) { f.SzamcsoportokFeltetel.Allapot = 1; f.SzamcsoportokFeltetel.Db = 2; f.SzamcsoportokFeltetel.Csoport[0] = {1, 30, 1, 2, 0}; f.SzamcsoportokFeltetel.Csoport[1] = {31, 90, 4, 4, 0}; },
         {1, 2, 50, 60, 70}, false, 4},
        // Favourites: positions 1..10, at least 2 in a line.
        {"fav_nincs", [](auto& f) { f.FavFeltetel = {1, {}, 1, 10, 2, 5}; }, {20, 30, 40, 50, 60}, false, 3},
        {"fav_jo", [](auto& f) { f.FavFeltetel = {1, {}, 1, 10, 2, 5}; }, {1, 2, 40, 50, 60}, true, kNemIrt, BitFav},
        // Repeats of last digits (sum mode, at most 1).
        {"szv_ismet_sok", [](auto& f) { f.SzvIsmetFeltetel = {1, 0, {}, 0, 1, 0, {}}; }, {1, 11, 21, 32, 43}, false, 4},
        {"szv_ismet_jo", [](auto& f) { f.SzvIsmetFeltetel = {1, 0, {}, 0, 1, 0, {}}; }, {1, 11, 22, 33, 44}, true, kNemIrt, BitSzvIsmet},
        // Egy mode: two different groups repeat -> reject without restart.
        {"szv_ismet_egy_ket_csoport", [](auto& f) { f.SzvIsmetFeltetel = {1, 1, {}, 0, 5, 0, {}}; }, {1, 11, 2, 12, 3}, false, kNemIrt},
        // CsakTobb: only one tens group repeats.
        {"szcs_ismet_csaktobb_egy", [](auto& f) { f.SzcsIsmetFeltetel = {1, 0, {}, 1, 4, 1, {}}; }, {1, 2, 3, 15, 25}, false, kNemIrt},
        {"szcs_ismet_csaktobb_ket", [](auto& f) { f.SzcsIsmetFeltetel = {1, 0, {}, 1, 4, 1, {}}; }, {1, 2, 13, 14, 25}, true, kNemIrt, BitSzcsIsmet},
        // Standard deviation and span.
        {"szoras_jo", [](auto& f) { f.SzorasFeltetel.Allapot = 1; f.SzorasFeltetel.Min = 10; f.SzorasFeltetel.Max = 20; }, {10, 20, 30, 40, 50}, true, kNemIrt, BitSzoras},
        {"szoras_kicsi", [](auto& f) { f.SzorasFeltetel.Allapot = 1; f.SzorasFeltetel.Min = 10; f.SzorasFeltetel.Max = 20; }, {1, 2, 3, 4, 5}, false, kNemIrt},
        {"terjedelem_valtozo", [](auto& f) { f.TerjedelemFeltetel.Allapot = 1; f.TerjedelemFeltetel.Valtozo = 1; f.TerjedelemFeltetel.ValtozoMin = 10; f.TerjedelemFeltetel.ValtozoMax = 40; },
         {10, 20, 30, 40, 50}, true, kNemIrt, -1, AlBitTerjedelemValtozo},
        {"terjedelem_szeles", [](auto& f) { f.TerjedelemFeltetel.Allapot = 1; f.TerjedelemFeltetel.Valtozo = 1; f.TerjedelemFeltetel.ValtozoMin = 10; f.TerjedelemFeltetel.ValtozoMax = 40; },
         {1, 2, 3, 4, 90}, false, kNemIrt},
        // Gap patterns: exactly one gap of 1.
        {"sorozat_egy", [](auto& f) { f.SorozatFeltetel.Allapot = 1; f.SorozatFeltetel.DbMinta = 1; f.SorozatFeltetel.Minta[0] = {0, 0, 1, 1, 0}; f.SorozatFeltetel.MintaDbMin = 1; f.SorozatFeltetel.MintaDbMax = 1; },
         {1, 2, 10, 20, 30}, true, kNemIrt, BitSorozat},
        {"sorozat_ketto", [](auto& f) { f.SorozatFeltetel.Allapot = 1; f.SorozatFeltetel.DbMinta = 1; f.SorozatFeltetel.Minta[0] = {0, 0, 1, 1, 0}; f.SorozatFeltetel.MintaDbMin = 1; f.SorozatFeltetel.MintaDbMax = 1; },
         {1, 2, 3, 20, 30}, false, kNemIrt},
        {"sorozat_nulla", [](auto& f) { f.SorozatFeltetel.Allapot = 1; f.SorozatFeltetel.DbMinta = 1; f.SorozatFeltetel.Minta[0] = {0, 0, 1, 1, 0}; f.SorozatFeltetel.MintaDbMin = 1; f.SorozatFeltetel.MintaDbMax = 1; },
         {1, 5, 10, 20, 30}, false, kNemIrt},
        // Neighbours in one line: exactly one run of exactly 2.
        {"szomszed_jo", [](auto& f) { auto& s = f.SzomszedosFeltetel; s.Allapot = 1; s.Alt = 1; s.SzomszedMin = 2; s.SzomszedMax = 2; s.EsetMin = 1; s.EsetMax = 1; s.AltSorrend = 1; },
         {1, 2, 10, 20, 30}, true, kNemIrt, -1, AlBitSzomszedosAlt},
        {"szomszed_hosszu_bent", [](auto& f) { auto& s = f.SzomszedosFeltetel; s.Allapot = 1; s.Alt = 1; s.SzomszedMin = 2; s.SzomszedMax = 2; s.EsetMin = 1; s.EsetMax = 1; s.AltSorrend = 1; },
         {1, 2, 3, 20, 30}, false, 3},
        {"szomszed_hosszu_vegen", [](auto& f) { auto& s = f.SzomszedosFeltetel; s.Allapot = 1; s.Alt = 1; s.SzomszedMin = 2; s.SzomszedMax = 2; s.EsetMin = 1; s.EsetMax = 1; s.AltSorrend = 1; },
         {10, 20, 40, 41, 42}, false, kNemIrt},
        {"szomszed_sorrend_nelkul", [](auto& f) { auto& s = f.SzomszedosFeltetel; s.Allapot = 1; s.Alt = 1; s.SzomszedMin = 2; s.SzomszedMax = 2; s.EsetMin = 1; s.EsetMax = 1; s.AltSorrend = 0; },
         {1, 2, 3, 20, 30}, false, kNemIrt},
        {"szomszed_tilos", [](auto& f) { auto& s = f.SzomszedosFeltetel; s.Allapot = 1; s.Alt = 1; s.SzomszedMin = 0; s.SzomszedMax = 1; s.EsetMin = 0; s.EsetMax = 5; s.AltSorrend = 1; },
         {1, 5, 6, 20, 30}, false, 2},
        // Mobile groups, twins, primes, number sets, endings.
        {"mobil", [](auto& f) { f.MobFeltetel = {1, {}, 10, 2}; }, {1, 5, 9, 20, 30}, false, 2},
        {"mobil_jo", [](auto& f) { f.MobFeltetel = {1, {}, 10, 2}; }, {1, 5, 11, 20, 30}, true, kNemIrt, BitMob},
        {"fix_csoport", [](auto& f) { f.FixFeltetel = {1, {}, 10, 1}; }, {1, 11, 12, 30, 40}, false, 2},
        {"iker", [](auto& f) { f.IkerszamFeltetel = {1, {}, 0, 1}; }, {11, 22, 33, 40, 50}, false, 1},
        {"prim_keves", [](auto& f) { f.PrimszamFeltetel = {1, {}, 2, 5}; }, {4, 6, 8, 9, 10}, false, 3},
        {"prim_jo", [](auto& f) { f.PrimszamFeltetel = {1, {}, 2, 5}; }, {2, 3, 8, 9, 10}, true, kNemIrt, BitPrimszam},
        {"szamkeszlet", [](auto& f) { auto& s = f.SzamkeszletFeltetel; s.Allapot = 1; s.Elso.fill(1); s.Utolso.fill(90); s.Utolso[0] = 10; },
         {11, 20, 30, 40, 50}, false, 0},
        {"vegzodes_teteles", [](auto& f) { auto& s = f.SzamvegzodesTetelesFeltetel; s.Allapot = 1; s.Db = 1; s.Tetel[0] = {0, 1, 1, 0}; },
         {10, 20, 31, 41, 51}, false, 4},
        {"vegzodes_teteles_jo", [](auto& f) { auto& s = f.SzamvegzodesTetelesFeltetel; s.Allapot = 1; s.Db = 1; s.Tetel[0] = {0, 1, 1, 0}; },
         {10, 21, 31, 41, 51}, true, kNemIrt, BitSzamvegzodesTeteles},
        {"szj_paros", [](auto& f) { f.SzJParosFeltetel = {1, {}, 0, 2}; }, {2, 24, 46, 68, 80}, false, kNemIrt},
        {"szj_teteles_sok", [](auto& f) { auto& s = f.SzJTetelesFeltetel; s.Allapot = 1; s.Db = 1; s.Tetel[0] = {1, 0, 2, 0}; },
         {1, 11, 20, 30, 40}, false, 1},
    };
    return v;
}

class SorFeltetelTabla : public ::testing::TestWithParam<SorEset> {};

TEST_P(SorFeltetelTabla, AcceptsOrRefusesWithTheRestart)
{
    const SorEset& e = GetParam();
    Kornyezet k(Egytol(90), 5);
    e.beallit(k.f);
    SorFeltetelTeszt t;
    k.teszt(t);
    auto s = k.sor(e.szamok);
    const auto eredeti = s;
    std::int32_t poz = kNemIrt;
    EXPECT_EQ(t.FeltVizsgalat(s.data(), poz), e.elfogad);
    EXPECT_EQ(poz, e.ujraindit);
    EXPECT_EQ(s, eredeti);
    if (e.elfogad && e.bit >= 0) {
        EXPECT_TRUE(t.TeljesultFeltetelek.Feltetel(e.bit));
    }
    if (e.elfogad && e.alBit >= 0) {
        EXPECT_TRUE(t.TeljesultFeltetelek.AlFeltetel(e.alBit));
    }
    if (!e.elfogad) {
        EXPECT_EQ(t.TeljesultFeltetelek, TFeltetelMaszk{}) << "a single condition that failed sets no bit";
    }

    // The variation test's calls never move the cursor.
    SorFeltetelTeszt teszt;
    k.teszt(teszt, true);
    poz = kNemIrt;
    EXPECT_EQ(teszt.FeltVizsgalat(s.data(), poz), e.elfogad);
    EXPECT_EQ(poz, kNemIrt);
}

INSTANTIATE_TEST_SUITE_P(Esetek, SorFeltetelTabla, ::testing::ValuesIn(SorEsetek()),
                         [](const auto& i) { return std::string(i.param.nev).substr(0, 24) + "_" + std::to_string(i.index); });

TEST(SorFeltetel, NoActiveConditionPassesAndSetsNoBit)
{
    Kornyezet k(Egytol(90), 5);
    SorFeltetelTeszt t;
    k.teszt(t);
    EXPECT_FALSE(t.VanFeltetel);
    auto s = k.sor({1, 2, 3, 4, 5});
    std::int32_t poz = kNemIrt;
    EXPECT_TRUE(t.FeltVizsgalat(s.data(), poz));
    EXPECT_EQ(poz, kNemIrt);
    EXPECT_EQ(t.TeljesultFeltetelek, TFeltetelMaszk{});
}

TEST(SorFeltetel, LineDistributionJumpsOnlyOutsideTheVariationTest)
{
    // One searched range 100..200 of the 3003 lines of 15 numbers, 5 per line.
    Kornyezet k(Egytol(15), 5);
    auto& ss = k.f.SzamsorokFeltetel;
    ss.Allapot = 1;
    ss.Tartomany = 1;
    ss.DbTartomany = 1;
    ss.Tipus[0] = 1;
    ss.Elso[0] = 100;
    ss.Utolso[0] = 200;
    SorFeltetelTeszt t;
    k.teszt(t);
    EXPECT_FALSE(t.TartomanyKivul);
    std::vector<std::uint8_t> s = {0, 1, 2, 3, 4};  // ordinal 1
    std::int32_t poz = kNemIrt;
    EXPECT_FALSE(t.FeltVizsgalat(s.data(), poz));
    EXPECT_EQ(poz, 4);
    std::uint8_t v[5];
    for (int i = 0; i < 5; ++i)
        v[i] = static_cast<std::uint8_t>(s[static_cast<std::size_t>(i)] + 1);
    EXPECT_EQ(SzamsorSorszamaTV(std::span<std::uint8_t>(v, 5), variationNumberingDims(15, 5, 0, 0, false)), 99u)
        << "the next candidate is the range's first line";

    SorFeltetelTeszt teszt;
    k.teszt(teszt, true);
    s = {0, 1, 2, 3, 4};
    poz = kNemIrt;
    EXPECT_FALSE(teszt.FeltVizsgalat(s.data(), poz));
    EXPECT_EQ(poz, kNemIrt);
    EXPECT_EQ(s, (std::vector<std::uint8_t>{0, 1, 2, 3, 4}));
}

// ---- End to end: the engine with the condition tests equals a brute-force
// filter of the full variation.

std::vector<std::vector<std::uint8_t>> TeljesVariacio(int n, int k)
{
    std::vector<std::vector<std::uint8_t>> v;
    std::vector<std::uint8_t> a(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        a[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    for (;;) {
        v.push_back(a);
        int p = k - 1;
        while (p >= 0 && a[static_cast<std::size_t>(p)] == n - k + p)
            --p;
        if (p < 0)
            return v;
        ++a[static_cast<std::size_t>(p)];
        for (int q = p + 1; q < k; ++q)
            a[static_cast<std::size_t>(q)] = static_cast<std::uint8_t>(a[static_cast<std::size_t>(q - 1)] + 1);
    }
}

DrawsState KisHuzasok(int db, unsigned mag, int n = 90, int k = 5)
{
    DrawsState d;
    SetHuzasok(d, db, k + 3);
    std::mt19937 gen(mag);
    for (int r = 0; r < db; ++r) {
        auto& sor = d.Huzasok[static_cast<std::size_t>(r)];
        sor[0] = r + 1;
        std::vector<int> p(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            p[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(p.begin(), p.end(), gen);
        std::sort(p.begin(), p.begin() + k);
        for (int i = 0; i < k; ++i)
            sor[static_cast<std::size_t>(3 + i)] = p[static_cast<std::size_t>(i)];
    }
    d.AdatbazisBetoltve = true;
    return d;
}

struct VegpontEset {
    const char* nev;
    std::function<void(FeltetelRekordok&)> beallit;
    int hibapont = 0;
};

const std::vector<VegpontEset>& VegpontEsetek()
{
    static const std::vector<VegpontEset> v = {
        {"osszeg_paros", [](auto& f) { f.OsszegFeltetel = {1, {}, 150, 250}; f.SzvParosFeltetel.Allapot = 1; f.SzvParosFeltetel.Min = 2; f.SzvParosFeltetel.Max = 3; }},
        {"csoportok_ismet", [](auto& f) { f.SzamcsoportokFeltetel.Allapot = 1; f.SzamcsoportokFeltetel.Db = 1; f.SzamcsoportokFeltetel.Csoport[0] = {1, 6, 2, 3, 0}; f.SzcsIsmetFeltetel = {1, 0, {}, 1, 2, 0, {}}; }},
        {"fav_allando_tukor", [](auto& f) { f.FavFeltetel = {1, {}, 3, 9, 2, 3}; f.TukorszamFeltetel = {1, {}, 1, 2}; }},
        {"iker_prim_szamkeszlet", [](auto& f) { f.IkerszamFeltetel = {1, {}, 1, 2}; f.PrimszamFeltetel = {1, {}, 1, 3}; auto& s = f.SzamkeszletFeltetel; s.Allapot = 1; s.Elso.fill(1); s.Utolso.fill(15); s.Utolso[0] = 6; s.Elso[4] = 12; }},
        {"szomszed_mob_fix", [](auto& f) { auto& s = f.SzomszedosFeltetel; s.Allapot = 1; s.Alt = 1; s.SzomszedMin = 2; s.SzomszedMax = 3; s.EsetMin = 1; s.EsetMax = 1; s.AltSorrend = 1; s.Mob = 1; s.MobMeret = 5; s.MobTalalatMax = 3; s.MobSorrend = 1; }},
        {"szomszed_tilos", [](auto& f) { auto& s = f.SzomszedosFeltetel; s.Allapot = 1; s.Alt = 1; s.SzomszedMin = 0; s.SzomszedMax = 1; s.EsetMin = 0; s.EsetMax = 5; s.AltSorrend = 1; s.Fix = 1; s.FixMeret = 20; s.FixTalalatMax = 3; s.FixSorrend = 1; }},
        {"teteles_szoras_sorozat", [](auto& f) { auto& s = f.SzamvegzodesTetelesFeltetel; s.Allapot = 1; s.Db = 1; s.Tetel[0] = {1, 1, 2, 0}; f.SzorasFeltetel.Allapot = 1; f.SzorasFeltetel.Min = 15; f.SzorasFeltetel.Max = 30; f.SorozatFeltetel.Allapot = 1; f.SorozatFeltetel.DbMinta = 1; f.SorozatFeltetel.Minta[0] = {3, 20, 1, 3, 0}; f.SorozatFeltetel.MintaDbMin = 1; f.SorozatFeltetel.MintaDbMax = 1; }},
        {"tartomanyok", [](auto& f) { auto& s = f.SzamsorokFeltetel; s.Allapot = 1; s.Tartomany = 1; s.DbTartomany = 3; s.Tipus = {1, 0, 1}; s.Elso = {100, 150, 2000}; s.Utolso = {400, 170, 2100}; }},
        {"tartomany_kizart", [](auto& f) { auto& s = f.SzamsorokFeltetel; s.Allapot = 1; s.Tartomany = 1; s.DbTartomany = 2; s.Tipus = {0, 0}; s.Elso = {10, 500}; s.Utolso = {300, 2900}; }},
        // Excluded every 3rd block of 50 lines, but every 7th line searched
        // by a later pattern: the block's jump must stop before those lines.
        {"sorozat_blokk_kizaras", [](auto& f) { auto& s = f.SzamsorokFeltetel; s.Allapot = 1; s.Sorozat = 1; s.DbMinta = 3; s.MintaMod = {0, 1, 0}; s.MintaTipus = {1, 0, 1}; s.MintaErtek = {2, 3, 7}; s.MintaMasolat = {0, 50, 0}; }},
        {"sorozat_csak_keresett", [](auto& f) { auto& s = f.SzamsorokFeltetel; s.Allapot = 1; s.Sorozat = 1; s.DbMinta = 2; s.MintaMod = {1, 0}; s.MintaTipus = {1, 1}; s.MintaErtek = {4, 11}; s.MintaMasolat = {30, 0}; }},
        {"fedes_osszeg", [](auto& f) { f.OsszegFeltetel = {1, {}, 150, 250}; f.FavFeltetel = {1, {}, 1, 5, 1, 2}; }, 2},
        {"fedes_tartomany", [](auto& f) { auto& s = f.SzamsorokFeltetel; s.Allapot = 1; s.Tartomany = 1; s.DbTartomany = 1; s.Tipus = {1}; s.Elso = {700}; s.Utolso = {2500}; }, 2},
        {"talalati_arany", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 2; t.Tipus = {0, 1}; t.TalalatMin = {2, 1}; t.TalalatMax = {5, 5}; t.ElsoHuzas = {1, 30}; t.UtolsoHuzas = {40, 60}; }},
        // Each kind of range: searched; excluded from a minimum up (skipped
        // by prefix, one number or two); excluded below the top (tested
        // line by line); two excluded orders with a sum beside them.
        {"talalati_arany_keresett", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {1}; t.TalalatMin = {3}; t.TalalatMax = {5}; t.ElsoHuzas = {1}; t.UtolsoHuzas = {60}; }},
        {"talalati_arany_kizart_egy", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {0}; t.TalalatMin = {1}; t.TalalatMax = {5}; t.ElsoHuzas = {3}; t.UtolsoHuzas = {4}; }},
        {"talalati_arany_kizart_ket", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {0}; t.TalalatMin = {2}; t.TalalatMax = {7}; t.ElsoHuzas = {1}; t.UtolsoHuzas = {60}; }},
        {"talalati_arany_kizart_also", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {0}; t.TalalatMin = {1}; t.TalalatMax = {1}; t.ElsoHuzas = {1}; t.UtolsoHuzas = {12}; }},
        {"fedes_talalati_arany_kizart", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {0}; t.TalalatMin = {3}; t.TalalatMax = {5}; t.ElsoHuzas = {1}; t.UtolsoHuzas = {60}; f.OsszegFeltetel = {1, {}, 100, 300}; }, 1},
        {"talalati_arany_ket_kizart_osszeg", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 3; t.Tipus = {0, 0, 1}; t.TalalatMin = {3, 2, 1}; t.TalalatMax = {5, 5, 5}; t.ElsoHuzas = {1, 50, 20}; t.UtolsoHuzas = {60, 55, 40}; f.OsszegFeltetel = {1, {}, 120, 260}; }},
    };
    return v;
}

class Vegpont : public ::testing::TestWithParam<VegpontEset> {};

TEST_P(Vegpont, EngineStoresExactlyTheLinesThatPass)
{
    const VegpontEset& e = GetParam();
    const std::vector<std::uint8_t> szamok = {3, 7, 12, 13, 18, 22, 25, 26, 27, 41, 47, 52, 60, 68, 88};
    Kornyezet k(szamok, 5);
    e.beallit(k.f);
    const DrawsState d = KisHuzasok(60, 7);
    const bool talAr = k.f.TalalatiAranyFeltetel.Allapot != 0;

    // The single-thread walk and the full variation in slices on 8 threads.
    std::vector<std::vector<std::uint8_t>> tarolt;
    BontasAllapot all;
    for (const std::int32_t szalak : {1, 8}) {
        SCOPED_TRACE(testing::Message() << "threads " << szalak);
        SorFeltetelTeszt t;
        k.teszt(t);
        TalalatiAranyTeszt ta;
        ta.Elokeszites(k.f.TalalatiAranyFeltetel, d, k.g, k.l.KijeloltSzamok, 15, 5, 5);
        FeltetelSzuro sz{&t, &ta};

        BontasBemenet b;
        b.KijeloltSzamDb = b.KijeloltFoSzamDb = 15;
        b.VariacioMeret = b.VariacioFoMeret = 5;
        b.Hibapont = e.hibapont;
        b.FeltetelJelzo = true;
        b.TalArAktiv = talAr;
        b.SzalDb = szalak;
        VariationStore tar;
        all = BontasAllapot{};
        BontasVezerles vez;
        TarolasKornyezet env;
        env.JovahagyasVariacio = false;
        const BontasEredmeny er = BontasFuttatas(tar, b, all, vez, env, sz);
        ASSERT_EQ(er.hiba, BontasHiba::Nincs);
        sz.TeljesultBeirasa(all);
        std::vector<std::vector<std::uint8_t>> sorok;
        for (std::int32_t r = 0; r < tar.BontSzelvszam; ++r)
            sorok.emplace_back(tar.sor(r), tar.sor(r) + 5);
        if (szalak == 1)
            tarolt = sorok;
        else
            EXPECT_EQ(sorok, tarolt);
    }

    // Plain re-check of every line, with a test that never skips.
    SorFeltetelTeszt ell;
    k.teszt(ell, true);
    auto atmegy = [&](std::vector<std::uint8_t> s) {
        std::int32_t poz = kNemIrt;
        if (!ell.FeltVizsgalat(s.data(), poz))
            return false;
        return !talAr || TalalatiAranyEgyszeru(k.f.TalalatiAranyFeltetel, d, k.g, k.l.KijeloltSzamok, s, 5);
    };
    for (const auto& s : tarolt)
        EXPECT_TRUE(atmegy(s));
    if (e.hibapont == 0) {
        std::vector<std::vector<std::uint8_t>> vart;
        for (const auto& s : TeljesVariacio(15, 5))
            if (atmegy(s))
                vart.push_back(s);
        EXPECT_EQ(tarolt, vart);
        EXPECT_GT(vart.size(), 0u) << "the case should keep some lines";
        EXPECT_LT(vart.size(), 3003u) << "the case should drop some lines";
    } else {
        // With covering, the stored lines are what candidate-by-candidate
        // walks store: walk T = 0 .. k-1-h stores each passing line that
        // shares at most T numbers with every line stored before it.
        std::vector<std::vector<std::uint8_t>> vart;
        for (int T = 0; T <= 5 - 1 - e.hibapont; ++T) {
            for (const auto& s : TeljesVariacio(15, 5)) {
                if (!atmegy(s) || std::find(vart.begin(), vart.end(), s) != vart.end())
                    continue;
                bool jo = true;
                for (const auto& v : vart) {
                    int kozos = 0;
                    for (auto x : s)
                        kozos += std::count(v.begin(), v.end(), x) > 0;
                    if (kozos > T) {
                        jo = false;
                        break;
                    }
                }
                if (jo)
                    vart.push_back(s);
            }
        }
        EXPECT_EQ(tarolt, vart);
    }
    if (!tarolt.empty() && talAr) {
        EXPECT_TRUE(all.TeljesultFeltetelekA & (1u << BitTalalatiArany));
    }
}

INSTANTIATE_TEST_SUITE_P(Esetek, Vegpont, ::testing::ValuesIn(VegpontEsetek()),
                         [](const auto& i) { return std::string(i.param.nev); });

// ---- Hit ratio against a small draws table.

DrawsState Tabla(const std::vector<std::vector<int>>& huzasok)
{
    DrawsState d;
    SetHuzasok(d, static_cast<std::int32_t>(huzasok.size()), 8);
    for (std::size_t r = 0; r < huzasok.size(); ++r) {
        d.Huzasok[r][0] = static_cast<std::int32_t>(r + 1);
        for (std::size_t i = 0; i < 5; ++i)
            d.Huzasok[r][3 + i] = huzasok[r][i];
    }
    return d;
}

TEST(TalalatiArany, RangesOfASmallTable)
{
    const GameParams g = Jatek(0);
    const DrawsState d = Tabla({{1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}, {6, 7, 8, 9, 11}});
    const auto sel = Egytol(90);
    auto rek = [](std::uint8_t tipus, int lo, int hi, int elso, int utolso) {
        TTalalatiAranyFeltetel r;
        r.Allapot = 1;
        r.DbTartomany = 1;
        r.Tipus[0] = tipus;
        r.TalalatMin[0] = lo;
        r.TalalatMax[0] = hi;
        r.ElsoHuzas[0] = elso;
        r.UtolsoHuzas[0] = utolso;
        return r;
    };
    struct Eset {
        TTalalatiAranyFeltetel r;
        std::vector<int> szamok;
        bool vart;
    };
    const std::vector<Eset> esetek = {
        {rek(1, 3, 5, 1, 3), {10, 20, 30, 60, 70}, true},    // 3 hits on draw 2
        {rek(1, 3, 5, 1, 3), {1, 2, 10, 20, 70}, false},     // never more than 2
        {rek(1, 3, 5, 1, 1), {10, 20, 30, 60, 70}, false},   // draw 2 outside the range
        {rek(0, 3, 5, 1, 3), {10, 20, 30, 60, 70}, false},   // excluded class reached
        {rek(0, 3, 5, 1, 3), {1, 2, 10, 20, 70}, true},
        {rek(1, 0, 0, 1, 3), {1, 10, 6, 60, 70}, false},     // every draw has a hit
        {rek(1, 0, 0, 1, 3), {60, 61, 62, 63, 64}, true},
        {rek(1, 1, 5, 3, 2), {1, 2, 3, 4, 5}, false},        // first above last: no draw examined
        {rek(0, 1, 5, 3, 2), {1, 2, 3, 4, 5}, true},
        {rek(1, 5, 5, 1, 1000), {6, 7, 8, 9, 11}, true},     // range bounded by the table
        {rek(0, 5, 5, -5, 1000), {6, 7, 8, 9, 11}, false},
    };
    for (std::size_t i = 0; i < esetek.size(); ++i) {
        const Eset& e = esetek[i];
        std::vector<std::uint8_t> s;
        for (int x : e.szamok)
            s.push_back(static_cast<std::uint8_t>(x - 1));
        std::sort(s.begin(), s.end());
        EXPECT_EQ(TalalatiAranyEgyszeru(e.r, d, g, sel, s, 5), e.vart) << "case " << i;
        TalalatiAranyTeszt t;
        t.Elokeszites(e.r, d, g, sel, 90, 5, 5);
        EXPECT_EQ(t.FeltVizsgTalalatiArany(s.data()), e.vart) << "case " << i;
        EXPECT_EQ(t.TeljesultFeltetelek.Feltetel(BitTalalatiArany), e.vart) << "case " << i;
    }
}

// The incremental form equals the plain rule for lines in enumeration order
// and in random order, also with an extra pool, two drawings and numbers
// near the top of the ticket.
struct JatekEset {
    int jatek;
    int kf, k;      // positions per line (k - kf extra)
    int nf, n;      // selection
};

class TalalatiAranyOsszevetes : public ::testing::TestWithParam<JatekEset> {};

TEST_P(TalalatiAranyOsszevetes, IncrementalEqualsPlain)
{
    const JatekEset p = GetParam();
    const GameParams g = Jatek(p.jatek);
    std::mt19937 gen(static_cast<unsigned>(p.jatek * 31 + 5));
    // Selection: the top nf main numbers and the top extras (coded above the main pool).
    std::vector<std::uint8_t> sel;
    for (int i = 0; i < p.nf; ++i)
        sel.push_back(static_cast<std::uint8_t>(g.FoSzamKeszlet - i));
    for (int i = 0; i < p.n - p.nf; ++i)
        sel.push_back(static_cast<std::uint8_t>(g.OsszesSzam - i));
    // Draws: random main numbers, random extras, a second drawing in half the rows.
    DrawsState d;
    const int oszlop = g.HuzottSzamok + 3;
    SetHuzasok(d, 300, oszlop);
    auto huz = [&](std::vector<std::int32_t>& sor, int kezd, int db, int tol, int ig) {
        std::vector<int> v;
        for (int x = tol; x <= ig; ++x)
            v.push_back(x);
        std::shuffle(v.begin(), v.end(), gen);
        for (int i = 0; i < db; ++i)
            sor[static_cast<std::size_t>(kezd + i)] = v[static_cast<std::size_t>(i)];
    };
    for (int r = 0; r < 300; ++r) {
        auto& sor = d.Huzasok[static_cast<std::size_t>(r)];
        sor[0] = r + 1;
        huz(sor, 3, g.ElsoHuzasFoSzamUtolsoOszlop - 2, 1, g.FoSzamKeszlet);
        if (g.VanPluszSzam)
            huz(sor, g.PluszSzamElsoOszlop, g.PluszSzamDb, g.FoSzamKeszlet + 1, g.OsszesSzam);
        if (g.TobbSorsolas && r % 2 == 0)
            huz(sor, g.MasodikHuzasOszlop, g.FoSzamUtolsoOszlop - g.MasodikHuzasOszlop + 1, 1, g.FoSzamKeszlet);
    }
    const std::vector<std::array<int, 7>> beallitasok = {
        // tipus, lo, hi, pbLo, pbHi, elso, utolso
        {0, 2, 5, 0, 2, 1, 300}, {1, 3, 7, 0, 2, 1, 300}, {1, 0, 0, 1, 2, 10, 200},
        {0, 1, 1, 0, 0, 1, 300}, {1, 2, 2, 1, 1, 250, 9999},
    };
    for (const auto& bb : beallitasok) {
        TTalalatiAranyFeltetel r;
        r.Allapot = 1;
        r.DbTartomany = 2;
        for (int q = 0; q < 2; ++q) {
            r.Tipus[q] = static_cast<std::uint8_t>(q == 0 ? bb[0] : 1 - bb[0]);
            r.TalalatMin[q] = bb[1] - q;
            r.TalalatMax[q] = bb[2];
            r.PBMin[q] = bb[3];
            r.PBMax[q] = bb[4];
            r.ElsoHuzas[q] = bb[5] + 20 * q;
            r.UtolsoHuzas[q] = bb[6];
        }
        TalalatiAranyTeszt t;
        t.Elokeszites(r, d, g, sel, p.nf, p.k, p.kf);
        int igen = 0, db = 0;
        auto ellenoriz = [&](std::vector<std::uint8_t> s) {
            const bool v = TalalatiAranyEgyszeru(r, d, g, sel, s, p.kf);
            ASSERT_EQ(t.FeltVizsgTalalatiArany(s.data()), v);
            igen += v;
            ++db;
        };
        // Lines in order: main part from the full variation of the first
        // 12 main numbers, extras cycling.
        int ciklus = 0;
        for (const auto& fo : TeljesVariacio(std::min(p.nf, 12), p.kf)) {
            std::vector<std::uint8_t> s = fo;
            for (int i = p.kf; i < p.k; ++i)
                s.push_back(static_cast<std::uint8_t>(p.nf + (ciklus + i - p.kf) % (p.n - p.nf)));
            std::sort(s.begin() + p.kf, s.end());
            if (std::adjacent_find(s.begin() + p.kf, s.end()) == s.end())
                ellenoriz(s);
            ++ciklus;
        }
        for (int i = 0; i < 300; ++i) {
            std::vector<std::uint8_t> fo(static_cast<std::size_t>(p.nf)), ex(static_cast<std::size_t>(p.n - p.nf));
            for (int q = 0; q < p.nf; ++q)
                fo[static_cast<std::size_t>(q)] = static_cast<std::uint8_t>(q);
            for (int q = 0; q < p.n - p.nf; ++q)
                ex[static_cast<std::size_t>(q)] = static_cast<std::uint8_t>(p.nf + q);
            std::shuffle(fo.begin(), fo.end(), gen);
            std::shuffle(ex.begin(), ex.end(), gen);
            std::vector<std::uint8_t> s(fo.begin(), fo.begin() + p.kf);
            std::sort(s.begin(), s.end());
            std::vector<std::uint8_t> e2(ex.begin(), ex.begin() + (p.k - p.kf));
            std::sort(e2.begin(), e2.end());
            s.insert(s.end(), e2.begin(), e2.end());
            ellenoriz(s);
        }
        EXPECT_GT(db, 0);
        (void)igen;
    }
}

INSTANTIATE_TEST_SUITE_P(Jatekok, TalalatiAranyOsszevetes,
                         ::testing::Values(JatekEset{0, 5, 5, 20, 20}, JatekEset{2, 7, 7, 16, 16},
                                           JatekEset{24, 5, 7, 14, 19}, JatekEset{27, 4, 5, 12, 17},
                                           JatekEset{0, 1, 1, 30, 30}));

}  // namespace

namespace {

// A game with a separate extra pool (game 24: 5 of 50 and 2 of 12): 8 main
// and 4 extra numbers selected, lines of 5 + 2. The constant numbers count
// over the extra positions too; the ordinals and the hit-ratio test see the
// extras.
struct ExtraEset {
    const char* nev;
    std::function<void(FeltetelRekordok&)> beallit;
};

class ExtraVegpont : public ::testing::TestWithParam<ExtraEset> {};

TEST_P(ExtraVegpont, EngineStoresExactlyTheLinesThatPass)
{
    Kornyezet k({4, 9, 13, 21, 30, 38, 44, 50, 51, 53, 58, 62}, 7, 24);
    k.l.KijeloltFoSzamDb = 8;
    k.l.KijeloltFoSzamFelso = 7;
    k.l.KijeloltPluszSzamDb = 4;
    k.l.VariacioFoMeret = 5;
    k.l.VariacioFoMeretFelso = 4;
    k.l.AllandoSzamok = {13, 53};
    GetParam().beallit(k.f);

    DrawsState d;
    SetHuzasok(d, 80, k.g.HuzottSzamok + 3);
    std::mt19937 gen(11);
    for (int r = 0; r < 80; ++r) {
        auto& sor = d.Huzasok[static_cast<std::size_t>(r)];
        sor[0] = r + 1;
        std::vector<int> fo(50), ex(12);
        std::iota(fo.begin(), fo.end(), 1);
        std::iota(ex.begin(), ex.end(), 51);
        std::shuffle(fo.begin(), fo.end(), gen);
        std::shuffle(ex.begin(), ex.end(), gen);
        for (int i = 0; i < 5; ++i)
            sor[static_cast<std::size_t>(3 + i)] = fo[static_cast<std::size_t>(i)];
        for (int i = 0; i < 2; ++i)
            sor[static_cast<std::size_t>(k.g.PluszSzamElsoOszlop + i)] = ex[static_cast<std::size_t>(i)];
    }
    const bool talAr = k.f.TalalatiAranyFeltetel.Allapot != 0;

    std::vector<std::vector<std::uint8_t>> tarolt;
    for (const std::int32_t szalak : {1, 8}) {
        SCOPED_TRACE(testing::Message() << "threads " << szalak);
        SorFeltetelTeszt t;
        k.teszt(t);
        TalalatiAranyTeszt ta;
        ta.Elokeszites(k.f.TalalatiAranyFeltetel, d, k.g, k.l.KijeloltSzamok, 8, 7, 5);
        FeltetelSzuro sz{&t, &ta};
        BontasBemenet b;
        b.KijeloltSzamDb = 12;
        b.KijeloltFoSzamDb = 8;
        b.VariacioMeret = 7;
        b.VariacioFoMeret = 5;
        b.VanPluszSzam = true;
        b.FeltetelJelzo = true;
        b.TalArAktiv = talAr;
        b.SzalDb = szalak;
        VariationStore tar;
        BontasAllapot all;
        BontasVezerles vez;
        TarolasKornyezet env;
        env.JovahagyasVariacio = false;
        ASSERT_EQ(BontasFuttatas(tar, b, all, vez, env, sz).hiba, BontasHiba::Nincs);
        std::vector<std::vector<std::uint8_t>> sorok;
        for (std::int32_t r = 0; r < tar.BontSzelvszam; ++r)
            sorok.emplace_back(tar.sor(r), tar.sor(r) + 7);
        if (szalak == 1)
            tarolt = sorok;
        else
            EXPECT_EQ(sorok, tarolt);
    }

    SorFeltetelTeszt ell;
    k.teszt(ell, true);
    std::vector<std::vector<std::uint8_t>> vart;
    for (const auto& fo : TeljesVariacio(8, 5))
        for (const auto& ex : TeljesVariacio(4, 2)) {
            std::vector<std::uint8_t> s = fo;
            for (auto x : ex)
                s.push_back(static_cast<std::uint8_t>(x + 8));
            std::int32_t poz = kNemIrt;
            if (ell.FeltVizsgalat(s.data(), poz) &&
                (!talAr || TalalatiAranyEgyszeru(k.f.TalalatiAranyFeltetel, d, k.g, k.l.KijeloltSzamok, s, 5)))
                vart.push_back(s);
        }
    EXPECT_EQ(tarolt, vart);
    EXPECT_GT(vart.size(), 0u);
    EXPECT_LT(vart.size(), 336u);
}

INSTANTIATE_TEST_SUITE_P(
    Esetek, ExtraVegpont,
    ::testing::Values(
        ExtraEset{"allando", [](auto& f) { f.AllandoFeltetel = {1, {}, 2, 2}; }},
        ExtraEset{"allando_osszeg", [](auto& f) { f.AllandoFeltetel = {1, {}, 1, 1}; f.OsszegFeltetel = {1, {}, 90, 140}; }},
        ExtraEset{"tartomany", [](auto& f) { auto& s = f.SzamsorokFeltetel; s.Allapot = 1; s.Tartomany = 1; s.DbTartomany = 2; s.Tipus = {1, 0}; s.Elso = {40, 100}; s.Utolso = {250, 120}; }},
        ExtraEset{"sorozat", [](auto& f) { auto& s = f.SzamsorokFeltetel; s.Allapot = 1; s.Sorozat = 1; s.DbMinta = 2; s.MintaMod = {1, 0}; s.MintaTipus = {0, 1}; s.MintaErtek = {2, 5}; s.MintaMasolat = {12, 0}; }},
        ExtraEset{"talalati_arany", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {1}; t.TalalatMin = {2}; t.TalalatMax = {5}; t.PBMin = {1}; t.PBMax = {2}; t.ElsoHuzas = {1}; t.UtolsoHuzas = {80}; }},
        ExtraEset{"talalati_arany_kizart", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {0}; t.TalalatMin = {1}; t.TalalatMax = {5}; t.PBMin = {1}; t.PBMax = {2}; t.ElsoHuzas = {1}; t.UtolsoHuzas = {20}; }},
        ExtraEset{"talalati_arany_kizart_minden_pb", [](auto& f) { auto& t = f.TalalatiAranyFeltetel; t.Allapot = 1; t.DbTartomany = 1; t.Tipus = {0}; t.TalalatMin = {2}; t.TalalatMax = {5}; t.PBMin = {0}; t.PBMax = {2}; t.ElsoHuzas = {1}; t.UtolsoHuzas = {30}; }}),
    [](const auto& i) { return std::string(i.param.nev); });

}  // namespace

namespace {

// Numbers above 103 count like any other: the sets are sized from the
// values a line can hold, not from the 104 bits of the files.
TEST(TalalatiArany, NumbersAbove103Hit)
{
    GameParams g = Jatek(0);
    g.FoSzamKeszlet = g.OsszesSzam = 125;
    std::vector<std::uint8_t> sel;
    for (int x = 100; x <= 125; ++x)
        sel.push_back(static_cast<std::uint8_t>(x));
    const DrawsState d = Tabla({{1, 2, 3, 4, 5}, {104, 110, 117, 120, 125}});
    TTalalatiAranyFeltetel r;
    r.Allapot = 1;
    r.DbTartomany = 1;
    r.Tipus[0] = 1;
    r.TalalatMin[0] = 5;
    r.TalalatMax[0] = 5;
    r.ElsoHuzas[0] = 1;
    r.UtolsoHuzas[0] = 2;
    const std::vector<std::uint8_t> talalt = {4, 10, 17, 20, 25};  // 104, 110, 117, 120, 125
    const std::vector<std::uint8_t> nem = {4, 10, 17, 20, 24};
    EXPECT_TRUE(TalalatiAranyEgyszeru(r, d, g, sel, talalt, 5));
    EXPECT_FALSE(TalalatiAranyEgyszeru(r, d, g, sel, nem, 5));
    TalalatiAranyTeszt t;
    t.Elokeszites(r, d, g, sel, 26, 5, 5);
    EXPECT_TRUE(t.FeltVizsgTalalatiArany(talalt.data()));
    EXPECT_FALSE(t.FeltVizsgTalalatiArany(nem.data()));
}

}  // namespace

namespace {

struct HuzasModFutas {
    std::vector<std::pair<std::int32_t, std::int32_t>> tarolt;
    std::int32_t sorok = 0;
};

HuzasModFutas HuzasModFut(const DrawsState& d, int lo, int hi, std::size_t hely)
{
    const GameParams g = Jatek(0);
    const auto sel = Egytol(12);
    TTalalatiAranyFeltetel r;
    r.Allapot = 1;
    r.Forras = 1;
    r.DbTartomany = 1;
    r.Tipus[0] = 1;
    r.TalalatMin[0] = lo;
    r.TalalatMax[0] = hi;
    r.ElsoHuzas[0] = 1;
    r.UtolsoHuzas[0] = d.HuzasokSzama;
    TalalatiAranyTeszt t;
    t.Elokeszites(r, d, g, sel, 12, 5, 5);
    HuzasModFutas f;
    t.HuzasModBeallitas([&](std::int32_t sor, std::int32_t kezdet) {
        f.tarolt.emplace_back(sor, kezdet);
        return f.tarolt.size() < hely;
    });
    FeltetelSzuro sz{nullptr, &t};
    BontasBemenet b;
    b.KijeloltSzamDb = b.KijeloltFoSzamDb = 12;
    b.VariacioMeret = b.VariacioFoMeret = 5;
    b.TalArAktiv = true;
    VariationStore tar;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    EXPECT_EQ(BontasFuttatas(tar, b, all, vez, env, sz).hiba, BontasHiba::Nincs);
    f.sorok = tar.BontSzelvszam;
    EXPECT_TRUE(t.TeljesultFeltetelek.Feltetel(BitTalalatiArany) == !f.tarolt.empty());
    return f;
}

TEST(TalalatiArany, DrawModeStoresEachMetDrawingOnce)
{
    const DrawsState d = Tabla({{1, 2, 3, 4, 5}, {1, 2, 3, 50, 60}, {70, 71, 72, 73, 74}, {1, 2, 3, 4, 5}, {8, 9, 10, 80, 81}});
    using P = std::vector<std::pair<std::int32_t, std::int32_t>>;
    // 3 to 5 hits: the first candidate meets rows 0, 1 and 3; row 4 is met
    // later; row 2 holds no selected number.
    HuzasModFutas f = HuzasModFut(d, 3, 5, 100);
    EXPECT_EQ(f.tarolt, (P{{0, 3}, {1, 3}, {3, 3}, {4, 3}}));
    EXPECT_EQ(f.sorok, 0) << "the candidates themselves are never stored";
    // Exactly 3: a drawing holding more selected numbers is never stored.
    f = HuzasModFut(d, 3, 3, 100);
    EXPECT_EQ(f.tarolt, (P{{1, 3}, {4, 3}}));
    // A refusal of the store ends the run.
    f = HuzasModFut(d, 3, 5, 2);
    EXPECT_EQ(f.tarolt, (P{{0, 3}, {1, 3}}));
}

// The run itself in draw mode: the drawings become the lines, whole lines of
// the game with their sequence numbers, each once; the run ends when every
// drawing the ranges can give is stored.
TEST(TalalatiArany, DrawModeRunStoresTheDrawingsAsLines)
{
    const DrawsState d = Tabla({{1, 2, 3, 4, 5}, {1, 2, 3, 50, 60}, {70, 71, 72, 73, 74}, {1, 2, 3, 4, 5}, {8, 9, 10, 80, 81}});
    const GameParams g = Jatek(0);
    TTalalatiAranyFeltetel r;
    r.Allapot = 1;
    r.Forras = 1;
    r.DbTartomany = 1;
    r.Tipus[0] = 1;
    r.TalalatMin[0] = 3;
    r.TalalatMax[0] = 5;
    r.ElsoHuzas[0] = 1;
    r.UtolsoHuzas[0] = d.HuzasokSzama;
    for (const std::int32_t cel : {5, 2}) {
        SCOPED_TRACE(cel);
        TalalatiAranyTeszt t;
        t.Elokeszites(r, d, g, Egytol(12), 12, 5, 5);
        BontasBemenet b;
        b.KijeloltSzamDb = b.KijeloltFoSzamDb = 12;
        b.VariacioMeret = b.VariacioFoMeret = 5;
        b.TalArAktiv = true;
        b.HuzasSzamsorVariacio = true;
        b.SzamsorHossz = 5;
        b.CelSzelvszam = cel;
        VariationStore tar;
        tar.BontEngedelyezettMeret = 1;  // the store grows on the way
        BontasAllapot all;
        BontasVezerles vez;
        TarolasKornyezet env;
        env.JovahagyasVariacio = false;
        t.HuzasModBeallitas(HuzasTaroloKeszites(tar, d.Huzasok, b, env, vez, all));
        FeltetelSzuro sz{nullptr, &t};
        const BontasEredmeny e = BontasFuttatas(tar, b, all, vez, env, sz);
        ASSERT_EQ(e.hiba, BontasHiba::Nincs);
        EXPECT_EQ(e.veg, BontasVeg::Kesz);
        std::vector<std::vector<int>> sorok;
        for (std::int32_t i = 0; i < tar.BontSzelvszam; ++i)
            sorok.emplace_back(tar.sor(i), tar.sor(i) + 5);
        EXPECT_EQ(tar.BontMatrixSorHossz, 5);
        if (cel == 5) {
            EXPECT_EQ(sorok, (std::vector<std::vector<int>>{{1, 2, 3, 4, 5}, {1, 2, 3, 50, 60}, {1, 2, 3, 4, 5},
                                                            {8, 9, 10, 80, 81}}));
            EXPECT_EQ(tar.BontHuzasSorszam, (TTombInt1D{1, 2, 4, 5}));
        } else {
            EXPECT_EQ(tar.BontSzelvszam, 2);
            EXPECT_EQ(tar.BontHuzasSorszam, (TTombInt1D{1, 2}));
        }
    }
}

}  // namespace
