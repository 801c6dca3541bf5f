// The variation test's engine against a plain count, its draw rules, its
// examples, Stop, the report and list texts, the set-up of the main window's
// command and the insert rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/delphi_format.h"
#include "variation/variation_test.h"

namespace kvx {
namespace {

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

// Distinct random lines of k selection indexes of n (ascending), the first
// kf of them from the nf main indexes, the rest from the extra ones.
std::vector<std::uint8_t> veletlenSorok(int db, int n, int nf, int k, int kf, unsigned mag)
{
    std::mt19937 r(mag);
    std::set<std::uint64_t> volt;  // lines as bit sets
    std::vector<std::uint8_t> ki;
    while (static_cast<int>(volt.size()) < db) {
        std::vector<std::uint8_t> fo(static_cast<std::size_t>(nf)), plusz(static_cast<std::size_t>(n - nf));
        for (int i = 0; i < nf; ++i)
            fo[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        for (int i = nf; i < n; ++i)
            plusz[static_cast<std::size_t>(i - nf)] = static_cast<std::uint8_t>(i);
        std::shuffle(fo.begin(), fo.end(), r);
        std::shuffle(plusz.begin(), plusz.end(), r);
        std::vector<std::uint8_t> s(fo.begin(), fo.begin() + kf);
        s.insert(s.end(), plusz.begin(), plusz.begin() + (k - kf));
        std::sort(s.begin(), s.end());
        std::uint64_t halmaz = 0;
        for (const std::uint8_t i : s)
            halmaz |= std::uint64_t{1} << i;
        if (volt.insert(halmaz).second)
            ki.insert(ki.end(), s.begin(), s.end());
    }
    return ki;
}

// The plain count: every combination of the selection against every line,
// best (main, extra) taken in that order.
std::vector<std::int64_t> kezzelSzamolt(const std::vector<std::uint8_t>& sorok, int k, int n, int nf, int tf, int te,
                                        int fix, int szorzo, int osztalyok)
{
    std::vector<std::int64_t> db(static_cast<std::size_t>(osztalyok), 0);
    std::vector<int> fo(static_cast<std::size_t>(nf)), plusz(static_cast<std::size_t>(n - nf));
    std::vector<bool> fv(static_cast<std::size_t>(nf), false), pv(static_cast<std::size_t>(n - nf), false);
    std::fill(fv.begin(), fv.begin() + tf, true);
    do {
        std::fill(pv.begin(), pv.end(), false);
        std::fill(pv.begin(), pv.begin() + te, true);
        do {
            std::set<int> t;
            for (int i = 0; i < nf; ++i)
                if (fv[static_cast<std::size_t>(i)])
                    t.insert(i);
            for (int i = 0; i < n - nf; ++i)
                if (pv[static_cast<std::size_t>(i)])
                    t.insert(nf + i);
            int bm = -1, be = -1;
            for (std::size_t r = 0; r < sorok.size() / static_cast<std::size_t>(k); ++r) {
                int m = 0, e = 0;
                for (int p = 0; p < k; ++p) {
                    const int i = sorok[r * static_cast<std::size_t>(k) + static_cast<std::size_t>(p)];
                    if (t.count(i))
                        (i < nf ? m : e) += 1;
                }
                if (m > bm || (m == bm && e > be)) {
                    bm = m;
                    be = e;
                }
            }
            ++db[static_cast<std::size_t>(szorzo * (bm + fix) + be)];
        } while (std::prev_permutation(pv.begin(), pv.end()));
    } while (std::prev_permutation(fv.begin(), fv.end()));
    return db;
}

TEST(VariacioTesztMotor, TeljesTesztOsztalyaiAKezziSzamlalassalEgyeznek)
{
    struct Eset {
        int jatek, n, nf, k, kf, sorok, t, fix;
    };
    const Eset esetek[] = {
        {0, 9, 9, 5, 5, 12, 5, 0},    // 5/90, t equal to the line
        {0, 10, 10, 5, 5, 30, 3, 0},  // t below the line
        {0, 8, 8, 3, 3, 6, 5, 2},     // fixed numbers: lines of 3, tests of 5
        {0, 12, 12, 4, 4, 1, 4, 0},   // a single line
        {24, 9, 6, 7, 5, 10, 7, 0},   // EuroMillions: main and extra hits apart
        {24, 9, 6, 7, 5, 10, 5, 0},   // EuroMillions, t below the line
        {24, 8, 6, 6, 4, 5, 7, 1},    // EuroMillions with a fixed number
    };
    for (const Eset& e : esetek) {
        const GameParams g = jatek(e.jatek);
        TesztBeallitas b;
        b.TesztSzamsorHossz = e.t;
        b.TesztFoSzamDb = e.t - g.PluszSzamDb;
        b.TesztValtozoSzamDb = e.t - e.fix;
        b.TesztValtozoFoSzamDb = b.TesztFoSzamDb - e.fix;
        b.TesztPluszSzamDb = g.PluszSzamDb;
        b.TesztTalalatSzorzo = g.VariacioTalalatSzorzo;
        b.TesztPluszTalalat = g.VanPluszSzam;
        const std::vector<std::uint8_t> sorok = veletlenSorok(e.sorok, e.n, e.nf, e.k, e.kf, 7u + e.t);
        const std::vector<std::int64_t> varhato =
            kezzelSzamolt(sorok, e.k, e.n, e.nf, b.TesztValtozoFoSzamDb, b.TesztValtozoSzamDb - b.TesztValtozoFoSzamDb,
                          e.fix, b.TesztTalalatSzorzo, b.OsztalyokSzama());
        for (const GyorsKereses gy : {GyorsKereses::Be, GyorsKereses::Ki})
            for (const int szal : {1, 3}) {
                TesztBemenet be;
                be.B = b;
                be.Jatek = g;
                for (int i = 0; i < e.nf; ++i)
                    be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(20 + i));
                for (int i = e.nf; i < e.n; ++i)
                    be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(g.FoSzamKeszlet + 1 + i - e.nf));
                be.KijeloltFoSzamDb = e.nf;
                for (int i = 0; i < e.fix; ++i)
                    be.FixSzamok.push_back(static_cast<std::uint8_t>(1 + i));
                be.Sorok = sorok;
                be.SorHossz = e.k;
                be.SorDb = e.sorok;
                be.SzalDb = szal;
                be.Gyors = gy;
                VariacioTeszt v(be);
                ASSERT_TRUE(v.BontasGepiEllenorzes());
                const TesztEredmeny& r = v.Eredmeny();
                ASSERT_TRUE(r.Kesz);
                std::vector<std::int64_t> kapott;
                for (const auto& d : r.Szamok.TesztOsztalyDb)
                    kapott.push_back(d[0]);
                EXPECT_EQ(kapott, varhato) << "game " << e.jatek << " n " << e.n << " t " << e.t << " fix " << e.fix
                                           << " fast " << (gy == GyorsKereses::Be) << " threads " << szal;
                std::int64_t ossz = 0;
                for (const std::int64_t x : varhato)
                    ossz += x;
                EXPECT_EQ(r.Szamok.TesztSzamsorDb, ossz);
                EXPECT_EQ(ossz, SetABSZTEST(b, g, {}, 1, 1, e.nf, e.n - e.nf));
            }
    }
}

// A draws table row of the game: sequence, year, week, the numbers.
TTombInt1D huzasSor(const GameParams& g, int sorszam, std::vector<int> szamok)
{
    TTombInt1D s{sorszam, 2024, sorszam};
    s.insert(s.end(), szamok.begin(), szamok.end());
    s.resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
    return s;
}

struct HuzasTesztEredmeny {
    std::vector<std::int64_t> db;
    TesztEredmeny e;
};

HuzasTesztEredmeny huzasTeszt(const GameParams& g, const TTombByte1D& kijelolt, const std::vector<std::uint8_t>& sorok,
                              int k, const TTombInt2D& huzasok, const TTombByte1D& fix = {})
{
    TesztBeallitasBemenet bb;
    bb.Jatek = g;
    bb.KijeloltSzamDb = static_cast<std::int32_t>(kijelolt.size());
    bb.KijeloltFoSzamDb = static_cast<std::int32_t>(
        std::count_if(kijelolt.begin(), kijelolt.end(), [&g](std::uint8_t v) { return v <= g.FoSzamKeszlet; }));
    bb.KijeloltPluszSzamDb = bb.KijeloltSzamDb - bb.KijeloltFoSzamDb;
    bb.FixSzamDb = static_cast<std::int32_t>(fix.size());
    bb.VariacioMeret = k;
    bb.AdatbazisBetoltve = true;
    const TesztElokeszites el = TesztBeallitasKeszites(bb);
    TesztBemenet be;
    be.B = el.B;
    be.Jatek = g;
    be.KijeloltSzamok = kijelolt;
    be.KijeloltFoSzamDb = bb.KijeloltFoSzamDb;
    be.FixSzamok = fix;
    be.Sorok = sorok;
    be.SorHossz = k;
    be.SorDb = static_cast<std::int32_t>(sorok.size()) / k;
    be.Huzasok = huzasok;
    VariacioTeszt v(be);
    EXPECT_TRUE(v.BontasGepiEllenorzes());
    HuzasTesztEredmeny r;
    for (const auto& d : v.Eredmeny().Szamok.TesztOsztalyDb)
        r.db.push_back(d[0]);
    r.e = v.Eredmeny();
    return r;
}

TEST(VariacioTesztMotor, KetSorsolasosSorKetszerAHianyzoMasodikEgyszerSzamit)
{
    // 7/35 draws twice per event; the second row has no second drawing.
    const GameParams g = jatek(2);
    ASSERT_TRUE(g.TobbSorsolas);
    TTombByte1D kijelolt;
    for (int v = 1; v <= 35; ++v)
        kijelolt.push_back(static_cast<std::uint8_t>(v));
    const std::vector<std::uint8_t> sorok{0, 1, 2, 3, 4, 5, 6};  // the line 1..7
    const TTombInt2D huzasok{
        huzasSor(g, 1, {1, 2, 3, 20, 21, 22, 23, 1, 2, 3, 4, 5, 30, 31}),
        huzasSor(g, 2, {1, 20, 21, 22, 23, 24, 25}),
        huzasSor(g, 3, {8, 9, 10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 7}),
    };
    TesztBeallitas b = TesztBeallitasKeszites({g, 35, 35, 0, 0, 7, true, true, false, 7, 5}).B;
    ASSERT_TRUE(b.HuzasokTeszt);
    EXPECT_EQ(SetABSZTEST(b, g, huzasok, 1, 3, 35, 0), 5);
    const HuzasTesztEredmeny r = huzasTeszt(g, kijelolt, sorok, 7, huzasok);
    const std::vector<std::int64_t> varhato{1, 1, 0, 1, 0, 1, 0, 1};
    EXPECT_EQ(r.db, varhato);
    EXPECT_EQ(r.e.Szamok.TesztSzamsorDb, 5);
    // The second drawing's example carries its own numbers and its row.
    ASSERT_EQ(r.e.TesztTalalatDb[7], 1);
    const std::vector<std::int32_t> pelda(r.e.TesztTalalatSzamsorok[7].begin(), r.e.TesztTalalatSzamsorok[7].end());
    EXPECT_EQ(pelda, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 3}));
}

TEST(VariacioTesztMotor, PotszamOsztalyokAJatekSzabalyaSzerint)
{
    // 6/45 (one bonus number, which counts only beside five hits) and
    // Austria 6/45 (the bonus forms classes of its own).
    struct Eset {
        int jatek;
        std::vector<int> huzas;  // six numbers and the bonus number
        int osztaly;             // class = 2 x main + extra
    };
    const Eset esetek[] = {
        {1, {1, 2, 3, 4, 5, 40, 6}, 2 * 5 + 1},   // 5 + bonus
        {1, {1, 2, 3, 4, 40, 41, 6}, 2 * 4},      // 4 + bonus: the bonus does not count
        {5, {1, 2, 3, 4, 40, 41, 6}, 2 * 4 + 1},  // 4 + bonus, its own class
        {5, {1, 2, 3, 4, 5, 6, 7}, 2 * 6},        // six: no bonus possible
    };
    for (const Eset& e : esetek) {
        const GameParams g = jatek(e.jatek);
        TTombByte1D kijelolt;
        for (int v = 1; v <= 45; ++v)
            kijelolt.push_back(static_cast<std::uint8_t>(v));
        const HuzasTesztEredmeny r = huzasTeszt(g, kijelolt, {0, 1, 2, 3, 4, 5}, 6, {huzasSor(g, 1, e.huzas)});
        std::vector<std::int64_t> varhato(r.db.size(), 0);
        varhato[static_cast<std::size_t>(e.osztaly)] = 1;
        EXPECT_EQ(r.db, varhato) << "game " << e.jatek;
    }
}

TEST(VariacioTesztMotor, PluszSzamAKijeloltFoSzamokUtanKezdodik)
{
    // EuroMillions with fewer selected main numbers than a line's main
    // positions plus one: the stored extra numbers start at index 6 and
    // are told apart by the index, not by the position.
    const GameParams g = jatek(24);
    TTombByte1D kijelolt{1, 2, 3, 4, 5, 6, 51, 52, 53};  // stars 1, 2, 3
    const std::vector<std::uint8_t> sorok{0, 1, 2, 3, 4, 6, 7};  // 1..5 + stars 1, 2
    const TTombInt2D huzasok{huzasSor(g, 1, {1, 2, 3, 40, 41, 51, 53}),   // 3 + 1
                             huzasSor(g, 2, {1, 2, 3, 4, 5, 51, 52})};   // 5 + 2
    const HuzasTesztEredmeny r = huzasTeszt(g, kijelolt, sorok, 7, huzasok);
    std::vector<std::int64_t> varhato(r.db.size(), 0);
    varhato[3 * 3 + 1] = 1;
    varhato[3 * 5 + 2] = 1;
    EXPECT_EQ(r.db, varhato);
}

TEST(VariacioTesztMotor, AzEzeregyedikPeldaSzamitDeNemTarolodik)
{
    // One line of 5 against every 5 of 15 numbers: most classes hold well
    // over a thousand lines.
    const GameParams g = jatek(0);
    TesztBemenet be;
    be.Jatek = g;
    be.B = TesztBeallitasKeszites({g, 15, 15, 0, 0, 5, false, false, false, 5, 5}).B;
    for (int v = 1; v <= 15; ++v)
        be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v));
    be.KijeloltFoSzamDb = 15;
    be.Sorok = {0, 1, 2, 3, 4};
    be.SorHossz = 5;
    be.SorDb = 1;
    VariacioTeszt v(be);
    ASSERT_TRUE(v.BontasGepiEllenorzes());
    const TesztEredmeny& e = v.Eredmeny();
    // C(10,4) x 5 lines share exactly one number with the line.
    EXPECT_EQ(e.Szamok.TesztOsztalyDb[1][0], 1050);
    EXPECT_EQ(e.TesztTalalatDb[1], kTesztPeldaMax);
    EXPECT_EQ(e.TesztTalalatSzamsorok[1].size(), static_cast<std::size_t>(kTesztPeldaMax * 5));
    // The first examples are the first test lines of the class in order.
    const std::vector<std::int32_t> elso(e.TesztTalalatSzamsorok[1].begin(), e.TesztTalalatSzamsorok[1].begin() + 5);
    EXPECT_EQ(elso, (std::vector<std::int32_t>{0, 5, 6, 7, 8}));

    TesztListaBemenet lb;
    lb.B = be.B;
    lb.Jatek = g;
    lb.KijeloltSzamok = be.KijeloltSzamok;
    lb.VanRiport = true;
    lb.Osztaly = 1;
    const TesztLista teljesNem = BontasTesztHianyzoLista(lb, e);
    EXPECT_NE(teljesNem.Szoveg.find(" A lista nem teljes, az első 1000 számsort tartalmazza."), std::string::npos);
    // The full class (one line: the line itself) carries no such note.
    lb.Osztaly = 5;
    const TesztLista teljes = BontasTesztHianyzoLista(lb, e);
    EXPECT_EQ(teljes.Szoveg.find("nem teljes"), std::string::npos);
    EXPECT_NE(teljes.Szoveg.find("    1.   1 -  2 -  3 -  4 -  5\r\n"), std::string::npos);
}

// Examples are kept only of the test lines whose own hits (the fixed
// numbers, which every line holds, apart) do not pass the list level;
// every line is counted in its class all the same. A draw test counts a
// drawn fixed number as a hit of its own.
TEST(VariacioTesztMotor, PeldakCsakAListaSzintigTarolodnak)
{
    const GameParams g = jatek(0);
    struct Eset {
        int fix;         // fixed numbers
        bool huzasok;    // the draws test
        int szint;       // L
        std::vector<std::int64_t> tarolt;  // examples per class
    };
    // Lines 1 2 3 (+ fixed) of 1..7 against every 3 of the 7 selected numbers
    // (with fixed numbers: classes one higher), and against two draws.
    const Eset esetek[] = {
        {0, false, 3, {4, 18, 12, 1}},
        {0, false, 1, {4, 18, 0, 0}},
        {0, false, 0, {4, 0, 0, 0}},
        {1, false, 1, {0, 4, 18, 0, 0}},
        {1, true, 2, {0, 1, 1, 0, 0}},
        {1, true, 1, {0, 1, 0, 0, 0}},
    };
    for (const Eset& e : esetek) {
        TesztBemenet be;
        be.Jatek = g;
        be.B = TesztBeallitasKeszites({g, 7, 7, 0, e.fix, 3, e.huzasok, e.huzasok, false, 3 + e.fix, 5}).B;
        for (int v = 1; v <= 7; ++v)
            be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v));
        be.KijeloltFoSzamDb = 7;
        if (e.fix > 0)
            be.FixSzamok = {50};
        be.Sorok = {0, 1, 2};
        be.SorHossz = 3;
        be.SorDb = 1;
        // Draw 1 holds 1 and the fixed 50 (2 hits), draw 2 only 1 (1 hit).
        if (e.huzasok)
            be.Huzasok = {huzasSor(g, 1, {1, 50, 60, 70, 80}), huzasSor(g, 2, {1, 60, 70, 80, 85})};
        be.ListaSzint = e.szint;
        VariacioTeszt v(be);
        ASSERT_TRUE(v.BontasGepiEllenorzes());
        const TesztEredmeny& r = v.Eredmeny();
        std::vector<std::int64_t> tarolt(r.TesztTalalatDb.begin(), r.TesztTalalatDb.begin() + static_cast<std::ptrdiff_t>(e.tarolt.size()));
        EXPECT_EQ(tarolt, e.tarolt) << "fix " << e.fix << " draws " << e.huzasok << " L " << e.szint;
        std::int64_t db = 0;
        for (const auto& o : r.Szamok.TesztOsztalyDb)
            db += o[0];
        EXPECT_EQ(db, e.huzasok ? 2 : 35) << "fix " << e.fix << " L " << e.szint;
    }
}

TEST(VariacioTesztMotor, StopUtanNincsVegesEredmeny)
{
    const GameParams g = jatek(0);
    TesztBemenet be;
    be.Jatek = g;
    be.B = TesztBeallitasKeszites({g, 20, 20, 0, 0, 5, false, false, false, 5, 5}).B;
    for (int v = 1; v <= 20; ++v)
        be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v));
    be.KijeloltFoSzamDb = 20;
    be.Sorok = {0, 1, 2, 3, 4};
    be.SorHossz = 5;
    be.SorDb = 1;
    VariacioTeszt v(be);
    v.Leallitas();
    EXPECT_FALSE(v.BontasGepiEllenorzes());
    EXPECT_FALSE(v.Eredmeny().Kesz);
    EXPECT_LT(v.TesztSzamsorDb(), 15504);
}

TEST(VariacioTesztMotor, FeltetelekreBukottSorokKulonOszlopban)
{
    // Lines whose numbers sum above 20 fail the conditions.
    const GameParams g = jatek(0);
    TesztBemenet be;
    be.Jatek = g;
    be.B = TesztBeallitasKeszites({g, 8, 8, 0, 0, 3, false, false, true, 3, 3}).B;
    for (int v = 1; v <= 8; ++v)
        be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v));
    be.KijeloltFoSzamDb = 8;
    be.Sorok = {0, 1, 2};
    be.SorHossz = 3;
    be.SorDb = 1;
    be.FeltetelTeszt = true;
    be.Feltetel = [] {
        return [](std::uint8_t* s) { return s[0] + s[1] + s[2] + 3 <= 12; };
    };
    be.SzalDb = 2;
    VariacioTeszt v(be);
    ASSERT_TRUE(v.BontasGepiEllenorzes());
    std::int64_t jo = 0, rossz[4] = {0, 0, 0, 0};
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b)
            for (int c = b + 1; c <= 8; ++c) {
                const int talalat = (a <= 3) + (b <= 3) + (c <= 3);
                if (a + b + c <= 12)
                    ++jo;
                else
                    ++rossz[talalat];
            }
    const TesztSzamok& sz = v.Eredmeny().Szamok;
    EXPECT_EQ(sz.TesztFeltetelDb, jo);
    for (int h = 0; h <= 3; ++h)
        EXPECT_EQ(sz.TesztOsztalyDb[static_cast<std::size_t>(h)][1], rossz[h]) << h;
}

// The test run once comparing the lines and once asking for the subset
// bitmaps (on one and on three threads): every count, example and total the
// same. bitkep: the bitmaps apply to the case.
void bitkepEgyezik(TesztBemenet be, const std::string& nev, bool bitkep = true)
{
    be.Bitkep = GyorsKereses::Ki;
    be.SzalDb = 2;
    VariacioTeszt alap(be);
    EXPECT_FALSE(alap.ReszhalmazBitkepek()) << nev;
    ASSERT_TRUE(alap.BontasGepiEllenorzes()) << nev;
    const TesztEredmeny& vart = alap.Eredmeny();
    for (const int szal : {1, 3}) {
        be.Bitkep = GyorsKereses::Be;
        be.SzalDb = szal;
        VariacioTeszt v(be);
        EXPECT_EQ(v.ReszhalmazBitkepek(), bitkep) << nev;
        ASSERT_TRUE(v.BontasGepiEllenorzes()) << nev;
        const TesztEredmeny& e = v.Eredmeny();
        EXPECT_TRUE(e.Kesz) << nev;
        EXPECT_EQ(e.Szamok.TesztOsztalyDb, vart.Szamok.TesztOsztalyDb) << nev << " threads " << szal;
        EXPECT_EQ(e.Szamok.TesztSzamsorDb, vart.Szamok.TesztSzamsorDb) << nev;
        EXPECT_EQ(e.Szamok.TesztFeltetelDb, vart.Szamok.TesztFeltetelDb) << nev;
        EXPECT_EQ(e.TesztTalalatDb, vart.TesztTalalatDb) << nev;
        EXPECT_EQ(e.TesztTalalatSzamsorok, vart.TesztTalalatSzamsorok) << nev;
        EXPECT_EQ(v.TesztSzamsorDb(), vart.Szamok.TesztSzamsorDb) << nev;
    }
}

// Random draw rows of the game over numbers 1..keszlet, a second drawing in
// every other row of a two-drawing game.
TTombInt2D veletlenHuzasok(const GameParams& g, int db, int keszlet, unsigned mag)
{
    std::mt19937 r(mag);
    TTombInt2D h;
    for (int i = 0; i < db; ++i) {
        std::vector<int> a(static_cast<std::size_t>(keszlet));
        std::iota(a.begin(), a.end(), 1);
        std::shuffle(a.begin(), a.end(), r);
        std::vector<int> szamok(a.begin(), a.begin() + g.HuzottSzamok);
        if (g.TobbSorsolas && i % 2 == 1)
            szamok.resize(static_cast<std::size_t>(g.HuzottFoSzamok));
        h.push_back(huzasSor(g, i + 1, szamok));
    }
    return h;
}

TEST(VariacioTesztMotor, ReszhalmazBitkepekAzOsszehasonlitassalEgyeznek)
{
    struct Eset {
        const char* nev;
        int jatek, n, nf, k, sorok, t, fix;
        bool huzasok;
        int huzasDb = 0, keszlet = 0;
        bool bitkep = true;
    };
    const Eset esetek[] = {
        {"5/90 draws", 0, 30, 30, 5, 500, 5, 0, true, 400, 45},
        {"7/35 drawing twice", 2, 20, 20, 7, 300, 7, 0, true, 300, 30},
        {"lines of 3 against draws of 5", 0, 12, 12, 3, 40, 5, 0, true, 300, 14},
        {"70,000 lines in blocks", 0, 40, 40, 5, 70000, 5, 0, true, 200, 50},
        {"5/90 full test", 0, 12, 12, 5, 40, 5, 0, false},
        {"5/90 full test of 3 numbers", 0, 12, 12, 5, 40, 3, 0, false},
        {"5/90 full test of 5 numbers, lines of 3", 0, 12, 12, 3, 40, 5, 0, false},
        {"full test in two batches", 0, 26, 26, 5, 300, 5, 0, false},
        // Bonus numbers take no part in the full test.
        {"6/45 full test", 1, 14, 14, 6, 60, 6, 0, false},
        {"7/35 full test", 2, 13, 13, 7, 50, 7, 0, false},
        {"keno full test, lines of 10", 8, 16, 16, 10, 30, 12, 0, false},
        // Where the bitmaps do not apply, the comparison runs.
        {"fixed numbers", 0, 10, 10, 3, 30, 5, 2, false, 0, 0, false},
        {"extra pool", 24, 9, 6, 7, 10, 7, 0, true, 50, 9, false},
        {"extra pool full test", 24, 10, 7, 7, 10, 7, 0, false, 0, 0, false},
        {"bonus number", 1, 20, 20, 6, 60, 6, 0, true, 80, 25, false},
    };
    for (const Eset& e : esetek) {
        const GameParams g = jatek(e.jatek);
        TesztBemenet be;
        be.Jatek = g;
        be.B = TesztBeallitasKeszites({g, e.n, e.nf, e.n - e.nf, e.fix, e.k, e.huzasok, e.huzasok, false, e.t, 5}).B;
        for (int i = 0; i < e.nf; ++i)
            be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(1 + i));
        for (int i = e.nf; i < e.n; ++i)
            be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(g.FoSzamKeszlet + 1 + i - e.nf));
        be.KijeloltFoSzamDb = e.nf;
        for (int i = 0; i < e.fix; ++i)
            be.FixSzamok.push_back(static_cast<std::uint8_t>(e.n + 1 + i));
        const int kf = g.VanPluszSzam ? e.k - g.PluszSzamDb : e.k;
        be.Sorok = veletlenSorok(e.sorok, e.n, e.nf, e.k, kf, 5u + static_cast<unsigned>(e.sorok));
        // A repeated line, a line with an index twice and one with a byte
        // beyond the selection: shorter sets.
        std::copy(be.Sorok.begin(), be.Sorok.begin() + e.k, be.Sorok.begin() + 2 * e.k);
        be.Sorok[static_cast<std::size_t>(3 * e.k + 1)] = be.Sorok[static_cast<std::size_t>(3 * e.k)];
        be.Sorok[static_cast<std::size_t>(4 * e.k)] = 200;
        be.SorHossz = e.k;
        be.SorDb = e.sorok;
        if (e.huzasok)
            be.Huzasok = veletlenHuzasok(g, e.huzasDb, e.keszlet, 9u);
        bitkepEgyezik(be, e.nev, e.bitkep);
    }
}

TEST(VariacioTesztMotor, ReszhalmazBitkepekkelFeltetelekkelEsStoppal)
{
    const GameParams g = jatek(0);
    for (const bool huzasok : {true, false}) {
        TesztBemenet be;
        be.Jatek = g;
        be.B = TesztBeallitasKeszites({g, 14, 14, 0, 0, 5, huzasok, huzasok, !huzasok, 5, 5}).B;
        for (int v = 1; v <= 14; ++v)
            be.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v));
        be.KijeloltFoSzamDb = 14;
        be.Sorok = veletlenSorok(60, 14, 14, 5, 5, 3u);
        be.SorHossz = 5;
        be.SorDb = 60;
        if (huzasok) {
            be.Huzasok = veletlenHuzasok(g, 30, 20, 4u);
        } else {
            // The conditions are judged beside the bitmaps' classes.
            be.FeltetelTeszt = true;
            be.Feltetel = [] {
                return [](std::uint8_t* s) { return s[0] + s[1] + s[2] + s[3] + s[4] <= 30; };
            };
            bitkepEgyezik(be, "conditions");
        }

        // Stop before the bitmaps are made: no result.
        be.Bitkep = GyorsKereses::Be;
        VariacioTeszt v(be);
        ASSERT_TRUE(v.ReszhalmazBitkepek()) << huzasok;
        v.Leallitas();
        EXPECT_FALSE(v.BontasGepiEllenorzes()) << huzasok;
        EXPECT_FALSE(v.Eredmeny().Kesz) << huzasok;
        EXPECT_EQ(v.TesztSzamsorDb(), 0) << huzasok;
    }
}

class TesztSzovegek : public ::testing::Test {
protected:
    void SetUp() override { formatSettings() = FormatSettings{}; }
};

TEST_F(TesztSzovegek, OtosLottoHuzasTesztjenekJelentese)
{
    const GameParams g = jatek(0);
    TesztRiportBemenet r;
    r.Jatek = g;
    r.B = TesztBeallitasKeszites({g, 90, 90, 0, 0, 5, true, true, false, 5, 5}).B;
    r.ABSZTEST = 3600;
    r.VariacioMeret = 5;
    TesztSzamok sz;
    sz.TesztOsztalyDb = {{1200, 0}, {1500, 0}, {700, 0}, {180, 0}, {20, 0}, {0, 0}};
    sz.TesztSzamsorDb = 3600;
    sz.TesztFeltetelDb = 3600;
    EXPECT_EQ(BontasTesztLista(r, sz, true),
              "\r\n"
              " Találati arányok elérésének esélyei 5 számra\r\n"
              "\r\n"
              " Tal              Minden eset\r\n"
              " ———   ——————————————————————————\r\n"
              "  5                  0 db      0%\r\n"
              "  4                 20 db   0,56%\r\n"
              "  3                180 db   5,00%\r\n"
              "  2                700 db  19,44%\r\n"
              "  1              1 500 db  41,67%\r\n"
              "  0              1 200 db  33,33%\r\n"
              " ———   ——————————————————————————\r\n"
              "                 3 600 db 100,00%");
}

TEST_F(TesztSzovegek, TeljesTesztFixSzamokkalEsFeltetelekkel)
{
    const GameParams g = jatek(0);
    TesztRiportBemenet r;
    r.Jatek = g;
    r.B = TesztBeallitasKeszites({g, 10, 10, 0, 2, 3, false, false, true, 5, 5}).B;
    ASSERT_EQ(r.B.TesztSzamsorHossz, 5);
    r.FixSzamDb = 2;
    r.FeltetelTeszt = true;
    r.FeltetelJelzo = true;
    r.ABSZTEST = 1343;
    r.VariacioMeret = 3;
    r.BontMatrixMeret = 5;
    r.ImportCountMeret = 2;
    TesztSzamok sz;
    sz.TesztOsztalyDb = {{0, 0}, {400, 50}, {600, 200}, {300, 100}, {40, 10}, {3, 1}};
    sz.TesztSzamsorDb = 1343;
    sz.TesztFeltetelDb = 982;
    EXPECT_EQ(BontasTesztLista(r, sz, true),
              "\r\n"
              " Találati arányok elérésének esélyei 3 + 2 fix számra\r\n"
              "\r\n"
              " Tal              Minden eset            Legrosszabb eset       Minden feltétel teljesül\r\n"
              " ———   ——————————————————————————  ——————————————————————————  ——————————————————————————\r\n"
              "  5                  3 db   0,22%                1 db   0,07%                2 db   0,15%\r\n"
              "  4                 40 db   2,98%               10 db   0,74%               30 db   2,23%\r\n"
              "  3                300 db  22,34%              100 db   7,45%              200 db  14,90%\r\n"
              "  2                600 db  44,68%              200 db  14,90%              400 db  29,80%\r\n"
              "  1                400 db  29,78%               50 db   3,72%              350 db  26,10%\r\n"
              "  0                  0 db      0%                0 db      0%                0 db      0%\r\n"
              " ———   ——————————————————————————  ——————————————————————————  ——————————————————————————\r\n"
              "                 1 343 db 100,00%              361 db  26,90%              982 db  73,10%"
              "\r\n\r\n Bővített variáció - csak az aktuálisan kijelölt feltételek vizsgálata lehetséges."
              "\r\n\r\n 2 számsor többször is szerepel a variáció listájában.\r\n"
              " Ismétlődő számsorok sorszámai: Statisztika - Variáció - Találati arányok");
    // While the test runs the repetition note is not there yet.
    EXPECT_EQ(BontasTesztLista(r, sz, false).find("többször"), std::string::npos);
}

TEST_F(TesztSzovegek, EuroMillionsHuzasTesztjenekJelentese)
{
    const GameParams g = jatek(24);
    TesztRiportBemenet r;
    r.Jatek = g;
    r.B = TesztBeallitasKeszites({g, 62, 50, 12, 0, 7, true, true, false, 7, 5}).B;
    ASSERT_EQ(r.B.TesztTalalatSzorzo, 3);
    r.ABSZTEST = 1000;
    r.VariacioMeret = 7;
    TesztSzamok sz;
    const std::int64_t db[] = {0, 0, 1, 0, 2, 3, 1, 5, 10, 4, 20, 60, 30, 100, 150, 80, 200, 334, 0, 0, 0, 0, 0, 0};
    for (const std::int64_t x : db)
        sz.TesztOsztalyDb.push_back({x, 0});
    sz.TesztSzamsorDb = 1000;
    EXPECT_EQ(BontasTesztLista(r, sz, true),
              "\r\n"
              " Találati arányok elérésének esélyei 5 + 2 Lucky Star számra\r\n"
              "\r\n"
              " Tal              Minden eset\r\n"
              " ———   ——————————————————————————\r\n"
              " 5+2               334 db  33,40%\r\n"
              " 5+1               200 db  20,00%\r\n"
              " 5                  80 db   8,00%\r\n"
              " 4+2               150 db  15,00%\r\n"
              " 4+1               100 db  10,00%\r\n"
              " 4                  30 db   3,00%\r\n"
              " 3+2                60 db   6,00%\r\n"
              " 3+1                20 db   2,00%\r\n"
              " 3                   4 db   0,40%\r\n"
              " 2+2                10 db   1,00%\r\n"
              " 2+1                 5 db   0,50%\r\n"
              " 2                   1 db   0,10%\r\n"
              " 1+2                 3 db   0,30%\r\n"
              " 1+1                 2 db   0,20%\r\n"
              " 1                   0 db      0%\r\n"
              " 0+2                 1 db   0,10%\r\n"
              " 0+1                 0 db      0%\r\n"
              " 0                   0 db      0%\r\n"
              " ———   ——————————————————————————\r\n"
              "                 1 000 db 100,00%");
}

TEST_F(TesztSzovegek, ListaKetOszlopbanPlusszSzamokAtszamozva)
{
    // Three EuroMillions draws in one class: two rows, the second column
    // holding the third example; stars shown from 1.
    const GameParams g = jatek(24);
    TesztEredmeny e;
    e.PeldaHossz = 8;
    e.TesztTalalatDb.assign(24, 0);
    e.TesztTalalatSzamsorok.assign(24, {});
    e.Szamok.TesztOsztalyDb.assign(24, {0, 0});
    e.TesztTalalatDb[4] = 3;
    e.Szamok.TesztOsztalyDb[4][0] = 3;
    e.TesztTalalatSzamsorok[4] = {1, 2, 3, 4, 5, 51, 62, 7, 10, 20, 30, 40, 50, 52, 53, 8, 6, 7, 8, 9, 11, 54, 55, 12};
    TesztListaBemenet lb;
    lb.Jatek = g;
    lb.B = TesztBeallitasKeszites({g, 62, 50, 12, 0, 7, true, true, false, 7, 5}).B;
    lb.VanRiport = true;
    lb.Osztaly = 4;
    lb.AllapotSzoveg = "";
    const TesztLista l = BontasTesztHianyzoLista(lb, e);
    EXPECT_EQ(l.Szoveg,
              "\r\n Húzások 1+1 találatos számsorai\r\n\r\n"
              "    7.   1 -  2 -  3 -  4 -  5    1 - 12            12.   6 -  7 -  8 -  9 - 11    4 -  5\r\n"
              "    8.  10 - 20 - 30 - 40 - 50    2 -  3\r\n");
    EXPECT_EQ(l.BeillesztTipp, " 1+1 találatos teszt számsorok beillesztése a variáció listájába ");
}

TEST_F(TesztSzovegek, KenoMagasOsztalyokListajaNemEsikSzet)
{
    // Keno lines of 10 in high classes: one column, no negative widths.
    const GameParams g = jatek(8);
    const std::pair<int, const char*> esetek[] = {
        {9, "    3.   3 - 6 - 9 -12"}, {10, "    3.   3 - 6 - 9 -12"}, {15, "    3.   3 -  6 -  9 - 12"}};
    for (const auto& [c, varhato] : esetek) {
        TesztEredmeny e;
        e.PeldaHossz = 10;
        e.TesztTalalatDb.assign(21, 0);
        e.TesztTalalatSzamsorok.assign(21, {});
        e.Szamok.TesztOsztalyDb.assign(21, {0, 0});
        e.TesztTalalatDb[static_cast<std::size_t>(c)] = 3;
        e.Szamok.TesztOsztalyDb[static_cast<std::size_t>(c)][0] = 3;
        for (int i = 0; i < 30; ++i)
            e.TesztTalalatSzamsorok[static_cast<std::size_t>(c)].push_back(i % 10);
        TesztListaBemenet lb;
        lb.Jatek = g;
        lb.B.TesztSzamsorHossz = 10;
        lb.B.TesztFoSzamDb = 10;
        lb.B.TesztValtozoSzamDb = 10;
        lb.B.TesztValtozoFoSzamDb = 10;
        for (int v = 1; v <= 10; ++v)
            lb.KijeloltSzamok.push_back(static_cast<std::uint8_t>(v * 3));
        lb.VanRiport = true;
        lb.Osztaly = c;
        const std::string s = BontasTesztHianyzoLista(lb, e).Szoveg;
        EXPECT_NE(s.find(varhato), std::string::npos) << c << s;
        EXPECT_EQ(std::count(s.begin(), s.end(), '.'), 3) << c << s;
    }
}

TEST(TesztBeallitasa, AFoablakParancsanakErtekei)
{
    struct Eset {
        const char* nev;
        int jatek, kijelolt, fo, plusz, fix, variacio;
        bool pipa, adatbazis, feltetel;
        int poz;
        bool huzasok;
        int t, min, max, listaMax;
        bool feltetelEng;
    };
    const Eset esetek[] = {
        {"5/90 draws", 0, 20, 20, 0, 0, 5, true, true, true, 3, true, 5, 2, 5, 5, false},
        {"5/90 no database", 0, 20, 20, 0, 0, 5, true, false, true, 20, false, 5, 2, 5, 4, true},
        {"5/90 few numbers", 0, 4, 4, 0, 0, 3, false, true, false, 20, false, 4, 2, 4, 4, false},
        {"5/90 fixed", 0, 10, 10, 0, 2, 3, false, true, true, 20, false, 5, 4, 5, 4, true},
        {"EuroMillions full", 24, 9, 6, 3, 0, 7, false, true, false, 20, false, 7, 4, 7, 16, false},
        {"EuroMillions few main", 24, 8, 4, 4, 0, 6, false, true, false, 20, false, 6, 4, 6, 14, false},
        {"6/45 draws", 1, 45, 45, 0, 0, 6, true, true, false, 20, true, 6, 2, 6, 12, false},
    };
    for (const Eset& e : esetek) {
        TesztBeallitasBemenet be{jatek(e.jatek), e.kijelolt, e.fo, e.plusz, e.fix, e.variacio,
                                 e.pipa,          e.adatbazis, e.feltetel, e.poz, 5};
        const TesztElokeszites el = TesztBeallitasKeszites(be);
        EXPECT_TRUE(el.Elutasitas.empty()) << e.nev;
        EXPECT_EQ(el.B.HuzasokTeszt, e.huzasok) << e.nev;
        EXPECT_EQ(el.HuzasokLogEngedelyezett, e.adatbazis) << e.nev;
        EXPECT_EQ(el.B.TesztSzamsorHossz, e.t) << e.nev;
        EXPECT_EQ(el.SzamMin, e.min) << e.nev;
        EXPECT_EQ(el.SzamMax, e.max) << e.nev;
        EXPECT_EQ(el.ListaMax, e.listaMax) << e.nev;
        EXPECT_EQ(el.FeltetelekLogEngedelyezett, e.feltetelEng) << e.nev;
        EXPECT_EQ(el.B.TesztValtozoSzamDb, e.t - e.fix) << e.nev;
    }
    // Too few numbers beside the fixed ones.
    const TesztElokeszites keves = TesztBeallitasKeszites({jatek(24), 4, 3, 1, 2, 3, false, true, false, 20, 5});
    EXPECT_EQ(keves.Elutasitas, "A fix számok kivételével, minimum 4 törzsszám és 2 Lucky Star szám variációját "
                                "teszteli a program.");
    const TesztElokeszites tipp = TesztBeallitasKeszites({jatek(1), 45, 45, 0, 0, 6, true, true, false, 6, 5});
    EXPECT_EQ(tipp.SzamTipp, " Kihúzott számsorok törzsszámainak mennyisége ");
}

TEST(TesztBeallitasa, BeillesztesCsakMegfeleloTesztsorokkal)
{
    TesztBeallitas b;
    b.TesztValtozoSzamDb = 5;
    const BeillesztesHelyzet alap{true, true, b, 5, 10, 100, 20, 90};
    EXPECT_TRUE(BeillesztesEngedelyezett(alap));
    struct Eset {
        const char* nev;
        void (*valtoztat)(BeillesztesHelyzet&);
    };
    const Eset tiltott[] = {
        {"no report", [](BeillesztesHelyzet& h) { h.VanRiport = false; }},
        {"no list", [](BeillesztesHelyzet& h) { h.VanLista = false; }},
        {"test lines longer", [](BeillesztesHelyzet& h) { h.VariacioMeret = 4; }},
        {"test lines shorter", [](BeillesztesHelyzet& h) { h.VariacioMeret = 6; }},
        {"empty class", [](BeillesztesHelyzet& h) { h.OsztalyPeldaDb = 0; }},
        {"a million lines", [](BeillesztesHelyzet& h) { h.BontMatrixMeret = 999990; }},
        {"draw test, not every number", [](BeillesztesHelyzet& h) { h.B.HuzasokTeszt = true; }},
    };
    for (const Eset& e : tiltott) {
        BeillesztesHelyzet h = alap;
        e.valtoztat(h);
        EXPECT_FALSE(BeillesztesEngedelyezett(h)) << e.nev;
    }
    BeillesztesHelyzet h = alap;
    h.BontMatrixMeret = 999989;
    EXPECT_TRUE(BeillesztesEngedelyezett(h));
    h.B.HuzasokTeszt = true;
    h.KijeloltSzamDb = 90;
    EXPECT_TRUE(BeillesztesEngedelyezett(h));
}

TEST(TesztBeallitasa, TesztsorokATarSzelessegeben)
{
    TesztEredmeny e;
    e.PeldaHossz = 6;
    e.TesztTalalatDb = {0, 2};
    e.TesztTalalatSzamsorok = {{}, {9, 3, 5, 1, 2, 11, 4, 6, 7, 8, 10, 12}};
    TesztBeallitas b;
    b.HuzasokTeszt = true;
    b.TesztValtozoSzamDb = 5;
    b.TesztSzamsorHossz = 5;
    TTombByte1D kijelolt;
    for (int v = 12; v >= 1; --v)
        kijelolt.push_back(static_cast<std::uint8_t>(v));  // number v at index 12 - v
    // Drawn numbers become ascending selection indexes.
    EXPECT_EQ(TesztSorok(e, b, 1, 1, 2, kijelolt, 5),
              (std::vector<std::uint8_t>{3, 7, 9, 10, 11, 2, 4, 5, 6, 8}));
    // A store of another width gets nothing.
    EXPECT_TRUE(TesztSorok(e, b, 1, 1, 2, kijelolt, 6).empty());
}

TEST(TesztIdo, EgyNaposSzabaly)
{
    struct Eset {
        std::int64_t kesz, osszes;
        double eltelt;
        bool tobbMintNap, leall;
    };
    const Eset esetek[] = {
        {1, 1000000, 10, true, false},     // over a day, but within the first 30 seconds
        {1, 1000000, 31, true, true},      // over a day after 30 seconds
        {500000, 1000000, 3600, false, false},
        {1000, 1000000, 60, false, false}, // 16.6 hours left
    };
    for (const Eset& e : esetek) {
        const TesztIdoBecsles b = TesztIdoBecslese(e.kesz, e.osszes, e.eltelt);
        EXPECT_EQ(b.TobbMintEgyNap, e.tobbMintNap) << e.kesz << " " << e.eltelt;
        EXPECT_EQ(b.Leallitas, e.leall) << e.kesz << " " << e.eltelt;
    }
    EXPECT_EQ(TesztIdoBecslese(500000, 1000000, 3600).Szazalek, 50);
    EXPECT_EQ(TesztIdoSzoveg(3725), "1:02:05");
    EXPECT_EQ(EgyNapUzenet(1234.4).substr(0, 40), "A teszt több mint 1 234 napig tartana.\r");
}

}  // namespace
}  // namespace kvx
