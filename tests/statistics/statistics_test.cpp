// The statistics' computations against a brute force, the result cache and
// its drops, the working variables and refusals, and the chart's model:
// scale, options, expected values, sort orders and Zoom.
#include "statistics/chart_model.h"
#include "statistics/diagram_engine.h"
#include "statistics/stat_result.h"
#include "statistics/stat_table.h"

#include "app/game_table.h"
#include "common/delphi_format.h"
#include "draws/draws_table.h"
#include "tickets/number_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <random>

namespace {

using namespace kvx;

GameParams jatek(int index) { return kvx::JatekParameterei(index); }

// Random draws of the game: each row the first drawing's numbers, sorted.
DrawsState veletlenHuzasok(const GameParams& g, int sorok, unsigned mag)
{
    std::mt19937 r(mag);
    DrawsState d;
    SetHuzasok(d, sorok, g.HuzottSzamok + 3);
    for (int i = 0; i < sorok; ++i) {
        std::vector<int> fo(static_cast<std::size_t>(g.FoSzamKeszlet));
        for (int n = 0; n < g.FoSzamKeszlet; ++n)
            fo[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(fo.begin(), fo.end(), r);
        TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(i)];
        sor[0] = i + 1;
        for (int j = 0; j < g.HuzottFoSzamokPluszNelkul; ++j)
            sor[static_cast<std::size_t>(3 + j)] = fo[static_cast<std::size_t>(j)];
        std::sort(sor.begin() + 3, sor.begin() + 3 + g.HuzottFoSzamokPluszNelkul);
    }
    d.AdatbazisBetoltve = true;
    return d;
}

// A source that counts the rows it hands out and may cancel the run after
// a number of them.
class SzamlaloForras : public VariacioSorForras {
public:
    SzamlaloForras(std::vector<std::uint8_t> blokk, std::int32_t hossz)
        : blokk_(std::move(blokk)), hossz_(hossz)
    {
    }
    std::int32_t SorDb() const override { return static_cast<std::int32_t>(blokk_.size()) / hossz_; }
    std::int32_t SorHossz() const override { return hossz_; }
    const std::uint8_t* Sor(std::int32_t m) const override
    {
        ++Olvasasok;
        Legnagyobb = std::max(Legnagyobb, m);
        if (Utana)
            Utana(Olvasasok);
        return blokk_.data() + static_cast<std::size_t>(m) * static_cast<std::size_t>(hossz_);
    }
    mutable int Olvasasok = 0;
    mutable int Legnagyobb = -1;
    std::function<void(int)> Utana;

private:
    std::vector<std::uint8_t> blokk_;
    std::int32_t hossz_;
};

// ---- Tags 1 and 2 ----

TEST(FoszelvenyStatisztika, MatchesACountOverTheDrawsAndSplitsAnOddPoolsMiddle)
{
    for (int index : {0, 1}) {  // 90 numbers (even pool), 45 numbers (odd pool)
        SCOPED_TRACE(index);
        const GameParams g = jatek(index);
        const DrawsState d = veletlenHuzasok(g, 200, 7u + static_cast<unsigned>(index));
        SzamStatisztikaState s;
        HuzasStatisztika(s, d, g, 21, 180);
        StatEredmeny e;
        FoszelvenyStatisztika(s.HanyszorHuztak, g, e);

        std::vector<int> db(static_cast<std::size_t>(g.OsszesSzam), 0), utolso(db.size(), 0);
        for (int r = 21; r <= 180; ++r)
            for (int j = 0; j < g.HuzottFoSzamokPluszNelkul; ++j) {
                const int n = d.Huzasok[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(3 + j)];
                ++db[static_cast<std::size_t>(n - 1)];
                utolso[static_cast<std::size_t>(n - 1)] = r;
            }
        ASSERT_EQ(e.SortArraySorDb(), g.OsszesSzam);
        double also = 0, felso = 0, osszes = 0;
        const int fo = g.FoSzamKeszlet;
        for (int i = 0; i < g.OsszesSzam; ++i) {
            const TTombInt1D& sor = e.SortArray[static_cast<std::size_t>(i)];
            EXPECT_EQ(sor[0], i + 1);
            EXPECT_EQ(sor[1], db[static_cast<std::size_t>(i)]);
            EXPECT_EQ(sor[2], utolso[static_cast<std::size_t>(i)]);
            osszes += db[static_cast<std::size_t>(i)];
            if (fo % 2 == 1 && i == fo / 2) {
                also += db[static_cast<std::size_t>(i)] / 2.0;
                felso += db[static_cast<std::size_t>(i)] / 2.0;
            } else if (i < fo / 2)
                also += db[static_cast<std::size_t>(i)];
            else
                felso += db[static_cast<std::size_t>(i)];
        }
        EXPECT_DOUBLE_EQ(e.StatErtekek[3], osszes);
        EXPECT_DOUBLE_EQ(e.StatErtekek[4], also);
        EXPECT_DOUBLE_EQ(e.StatErtekek[5], felso);
        EXPECT_DOUBLE_EQ(e.StatErtekek[4] + e.StatErtekek[5], e.StatErtekek[3]);
    }
}

// ---- Tag 3 ----

struct GyakorisagEset {
    const char* nev;
    int jatek;
    bool huzasokbol;
    TTombByte1D kijelolt;  // index-based variations
    int sorHossz;
};

// Brute force over the block: occurrences and last line per table row.
TTombInt2D kezzelSzamolt(const std::vector<std::uint8_t>& blokk, const GyakorisagEset& c, const GameParams& g,
                         int poz)
{
    const int sorok = c.huzasokbol ? g.OsszesSzam : static_cast<int>(c.kijelolt.size());
    TTombInt2D t(static_cast<std::size_t>(sorok), TTombInt1D(3, 0));
    for (int i = 0; i < sorok; ++i)
        t[static_cast<std::size_t>(i)][0] = c.huzasokbol ? i + 1 : c.kijelolt[static_cast<std::size_t>(i)];
    const int n = static_cast<int>(blokk.size()) / c.sorHossz;
    for (int m = 0; m < n; ++m)
        for (int j = 0; j < poz; ++j) {
            const int b = blokk[static_cast<std::size_t>(m * c.sorHossz + j)];
            const int r = c.huzasokbol ? b - 1 : b;
            ++t[static_cast<std::size_t>(r)][1];
            t[static_cast<std::size_t>(r)][2] = m + 1;
        }
    return t;
}

TEST(GyakorisagiEloszlas, MatchesACountOverTheLines)
{
    const GyakorisagEset esetek[] = {
        {"indexes of eight numbers, 5/90", 0, false, {4, 9, 17, 23, 38, 51, 66, 80}, 5},
        {"indexes with extra-pool numbers last, EuroJackpot", 30, false, {3, 8, 15, 22, 31, 44, 51, 52, 55}, 7},
        {"numbers of a variation built from draws, 6/45", 1, true, {}, 6},
    };
    for (const GyakorisagEset& c : esetek) {
        SCOPED_TRACE(c.nev);
        const GameParams g = jatek(c.jatek);
        std::mt19937 r(3);
        std::vector<std::uint8_t> blokk;
        const int kSorok = 400;
        for (int m = 0; m < kSorok; ++m)
            for (int j = 0; j < c.sorHossz; ++j) {
                if (c.huzasokbol)
                    blokk.push_back(static_cast<std::uint8_t>(1 + r() % static_cast<unsigned>(g.OsszesSzam)));
                else
                    blokk.push_back(static_cast<std::uint8_t>(r() % c.kijelolt.size()));
            }
        const SzamlaloForras src(blokk, c.sorHossz);
        GyakorisagBemenet b;
        b.Jatek = g;
        b.HuzasSzamsorVariacio = c.huzasokbol;
        b.KijeloltSzamok = c.kijelolt;
        b.VariacioMeretFelso = c.sorHossz - 1;
        b.TartomanyUtolso = kSorok;
        StatMasolat cache;
        StatFutas f;
        f.StatisztikaFut = true;
        StatEredmeny e;
        ASSERT_TRUE(DiagramLekerdezes(3, cache, {}, src, b, f, e));
        const int poz = c.huzasokbol ? std::min(g.HuzottFoSzamok, c.sorHossz) : c.sorHossz;
        const TTombInt2D varhato = kezzelSzamolt(blokk, c, g, poz);
        EXPECT_EQ(e.SortArray, varhato);

        // Main-pool rows come first; extra-pool rows only feed [7].
        int plusz = 0;
        double pluszDb = 0, fo = 0;
        for (const TTombInt1D& sor : varhato)
            if (g.VanPluszSzam && sor[0] > g.FoSzamKeszlet) {
                ++plusz;
                pluszDb += sor[1];
            } else
                fo += sor[1];
        const int M = static_cast<int>(varhato.size()) - plusz;
        EXPECT_DOUBLE_EQ(e.StatErtekek[2], fo);
        EXPECT_DOUBLE_EQ(e.StatErtekek[7], pluszDb);
        EXPECT_DOUBLE_EQ(e.StatErtekek[6], (M + 1) / 2);
        EXPECT_DOUBLE_EQ(e.StatErtekek[4] + e.StatErtekek[5], fo);
        if (c.jatek == 30) {
            EXPECT_GT(plusz, 0);
        }
    }
}

TEST(GyakorisagiEloszlas, ReadsOnlyTheLinesAndTheBytesThatExist)
{
    // A game whose draws are longer than its lines: a variation built from
    // draws holds 5 numbers per row while a draw has 6.
    const GameParams g = jatek(17);
    ASSERT_LT(g.SzamsorHossz, g.HuzottFoSzamok);
    const int hossz = g.SzamsorHossz;
    std::vector<std::uint8_t> blokk;
    for (int m = 0; m < 3; ++m)
        for (int j = 0; j < hossz; ++j)
            blokk.push_back(static_cast<std::uint8_t>(1 + m * hossz + j));
    const SzamlaloForras src(blokk, hossz);
    GyakorisagBemenet b;
    b.Jatek = g;
    b.HuzasSzamsorVariacio = true;
    b.TartomanyUtolso = 3 + 1;  // one past the last line
    StatMasolat cache;
    StatFutas f;
    f.StatisztikaFut = true;
    StatEredmeny e;
    ASSERT_TRUE(DiagramLekerdezes(3, cache, {}, src, b, f, e));
    EXPECT_LE(src.Legnagyobb, 2);
    // Every number of the three rows once; the next row's first number is
    // not counted into the row before it.
    for (int n = 1; n <= g.OsszesSzam; ++n)
        EXPECT_EQ(e.SortArray[static_cast<std::size_t>(n - 1)][1], n <= 3 * hossz ? 1 : 0) << n;
}

// ---- The cache ----

TEST(StatMasolat, SecondRunReadsNoLineAndACancelledRunKeepsNothing)
{
    const GameParams g = jatek(0);
    std::vector<std::uint8_t> blokk;
    for (int m = 0; m < 50; ++m)
        for (int j = 0; j < 5; ++j)
            blokk.push_back(static_cast<std::uint8_t>((m + j * 3) % 8));
    SzamlaloForras src(blokk, 5);
    GyakorisagBemenet b;
    b.Jatek = g;
    b.KijeloltSzamok = {3, 9, 14, 22, 27, 31, 40, 48};
    b.VariacioMeretFelso = 4;
    b.TartomanyUtolso = 50;
    StatMasolat cache;
    StatFutas f;

    // Cancelled midway: nothing cached, the occurrence table starts afresh.
    f.StatisztikaFut = true;
    src.Utana = [&f](int n) {
        if (n == 20)
            f.StatisztikaFut = false;
    };
    StatEredmeny e0;
    EXPECT_FALSE(DiagramLekerdezes(3, cache, {}, src, b, f, e0));
    EXPECT_FALSE(cache.Van(3));
    EXPECT_TRUE(cache.GyakorisagTabla.empty());

    src.Utana = nullptr;
    src.Olvasasok = 0;
    f.StatisztikaFut = true;
    StatEredmeny e1;
    ASSERT_TRUE(DiagramLekerdezes(3, cache, {}, src, b, f, e1));
    EXPECT_EQ(src.Olvasasok, 50);
    ASSERT_TRUE(cache.Van(3));

    src.Olvasasok = 0;
    StatEredmeny e2;
    ASSERT_TRUE(DiagramLekerdezes(3, cache, {}, src, b, f, e2));
    EXPECT_EQ(src.Olvasasok, 0);
    EXPECT_EQ(e2.SortArray, e1.SortArray);
    EXPECT_EQ(e2.StatErtekek, e1.StatErtekek);
}

TEST(StatMasolat, EachDropEmptiesItsOwnSide)
{
    const struct {
        const char* nev;
        void (StatMasolat::*torles)();
        StatOldal oldal;
    } esetek[] = {
        {"variation", &StatMasolat::VMasolatTorles, StatOldal::Variacio},
        {"database", &StatMasolat::AMasolatTorles, StatOldal::Adatbazis},
        {"main ticket", &StatMasolat::A1MasolatTorles, StatOldal::Foszelveny},
    };
    for (const auto& c : esetek) {
        SCOPED_TRACE(c.nev);
        StatMasolat m;
        StatEredmeny e;
        e.SetSortArray(2, 3);
        for (int t = 1; t <= 33; ++t)
            m.Tarolas(t, e);
        m.GyakorisagTabla = {{1, 2, 3}};
        (m.*c.torles)();
        for (int t = 1; t <= 33; ++t)
            EXPECT_EQ(m.Van(t), SlotOldala(t) != c.oldal) << t;
        EXPECT_EQ(m.GyakorisagTabla.empty(), c.oldal == StatOldal::Variacio);
        EXPECT_FALSE(m.OldalonVan(c.oldal));
    }
    // Every statistic belongs to exactly one side; slot 0 to none.
    EXPECT_EQ(SlotOldala(0), StatOldal::Nincs);
    int db[4] = {};
    for (int t = 1; t <= 33; ++t)
        ++db[static_cast<int>(SlotOldala(t))];
    EXPECT_EQ(db[1], 2);
    EXPECT_EQ(db[2], 16);
    EXPECT_EQ(db[3], 15);
}

// ---- Working variables, refusals and header ----

TEST(StatTabla, SourcesAndKindsOfTheStatistics)
{
    StatKornyezet k;
    k.Jatek = jatek(0);
    for (int t = 1; t <= 33; ++t) {
        const StatLeiras* l = StatLeirasTag(t);
        ASSERT_NE(l, nullptr);
        const StatMunkavaltozok v = MunkavaltozokBeallitasa(t, k);
        EXPECT_EQ(v.StatForras, l->Forras) << t;
        EXPECT_EQ(v.DiagramStat, l->Diagram) << t;
        // The menu holds the statistic in the menu the table names.
        const auto& p = StatMenuPontok(l->Menu);
        EXPECT_EQ(std::count(p.begin(), p.end(), t), 1) << t;
    }
    EXPECT_EQ(StatLeirasTag(0), nullptr);
    EXPECT_EQ(StatLeirasTag(34), nullptr);
}

TEST(StatTabla, RefusalsBeforeAStart)
{
    StatKornyezet k;
    k.Jatek = jatek(0);
    k.BontSzelvszam = 1;
    k.AdbSorok = 1;
    const std::string egy = "Egy számsor esetén nem értelmezett a kért statisztika.";
    EXPECT_EQ(InditasElutasitas(25, k), egy);
    EXPECT_EQ(InditasElutasitas(32, k), egy);
    EXPECT_EQ(InditasElutasitas(24, k), egy);
    EXPECT_EQ(InditasElutasitas(3, k), "");
    k.BontSzelvszam = 2;
    EXPECT_EQ(InditasElutasitas(25, k), "");

    // Keno: a draw of 20 numbers is too long for the line statistics.
    k.Jatek = jatek(8);
    k.AdbSorok = 100;
    k.HuzasMeret = 20;
    const std::string keno = InditasElutasitas(33, k);
    EXPECT_EQ(keno, "A vizsgált számsorok 20 számból állnak\r\n\r\nAz aktuális verzió nem kezel ilyen számsorokat.\r\n"
                    "20/80 teljes variációja: " +
                        FormatThousands(3535316142212174320LL) + " számsor");
    EXPECT_EQ(InditasElutasitas(1, k), "");

    // The hit-ratio statistics above a million numbers.
    StatKornyezet h;
    h.Jatek = jatek(0);
    h.AdbSorok = 200001;
    EXPECT_TRUE(TalalatiAranyTulMeretes(MunkavaltozokBeallitasa(4, h)));
    h.AdbSorok = 200000;
    EXPECT_FALSE(TalalatiAranyTulMeretes(MunkavaltozokBeallitasa(4, h)));
    EXPECT_FALSE(TalalatiAranyTulMeretes(MunkavaltozokBeallitasa(1, h)));
}

TEST(StatTabla, ARefusedHitRatioStartFallsBackOnlyToAStatisticThatMayRun)
{
    StatKornyezet k;
    k.Jatek = jatek(0);
    k.AdbSorok = 300000;  // 1.5 million numbers in the database range
    k.FoSorok = 300000;
    k.BontSzelvszam = 10;
    const std::string tulMeretes = kTalalatiAranyTulMeretes;
    struct Eset {
        const char* nev;
        int tag, elozo, varhato;
        bool uzenet;
    } const esetek[] = {
        {"within the limit", 12, 1, 12, false},
        {"refused, the previous chart runs", 4, 1, 1, true},
        {"refused, the previous one is the refused kind too", 4, 4, 0, true},
        {"refused, nothing shown before", 4, 0, 0, true},
    };
    for (const Eset& c : esetek) {
        SCOPED_TRACE(c.nev);
        const InditasDontes d = TalalatiAranyDontes(c.tag, c.elozo, k);
        EXPECT_EQ(d.Tag, c.varhato);
        EXPECT_EQ(d.Uzenet, c.uzenet ? tulMeretes : std::string());
    }
}

TEST(StatTabla, HeaderTexts)
{
    StatKornyezet k;
    k.Jatek = jatek(0);
    k.FoSorok = 1200;
    k.FoElso = 11;
    k.FoUtolso = 1210;
    k.BontSzelvszam = 3000;
    const std::string e = FormatThousands(1200);
    EXPECT_EQ(FejlecSzoveg(1, MunkavaltozokBeallitasa(1, k), k, 90, ""),
              "Tartomány: 11. - " + FormatThousands(1210) + ". húzások alapján " + e + " számsor, " +
                  FormatThousands(6000) + " szám");
    EXPECT_EQ(FejlecSzoveg(3, MunkavaltozokBeallitasa(3, k), k, 8, "8 szám variációja "),
              "Tartomány: 8 szám variációja " + FormatThousands(3000) + " számsorra - 8 szám gyakorisági eloszlása");
    k.FixSzamDb = 2;
    EXPECT_EQ(FejlecSzoveg(3, MunkavaltozokBeallitasa(3, k), k, 8, "X "),
              "Tartomány: X " + FormatThousands(3000) + " számsorra - 8 szám gyakorisági eloszlása - fix számok "
                                                         "kivételével");
    EXPECT_EQ(StatAblakFelirat(2, MunkavaltozokBeallitasa(2, k), "Húzások listája"),
              " Statisztika - Főszelvény - Hány húzás óta...");
    EXPECT_EQ(StatAblakFelirat(3, MunkavaltozokBeallitasa(3, k), "Húzások listája"),
              " Statisztika - Variáció - Gyakorisági eloszlás");
}

// ---- The chart's model ----

DiagramBemenet bemenet(int tag, const TTombInt2D& t, int sorok = 3)
{
    DiagramBemenet b;
    b.Tag = tag;
    b.Jatek = jatek(0);
    StatKornyezet k;
    k.Jatek = b.Jatek;
    k.FoSorok = sorok;
    k.BontSzelvszam = sorok;
    b.V = MunkavaltozokBeallitasa(tag, k);
    b.Gyorsitotar = t;
    return b;
}

TTombInt2D tabla(std::initializer_list<std::int32_t> ertekek)
{
    TTombInt2D t;
    int i = 0;
    for (std::int32_t v : ertekek) {
        ++i;
        t.push_back({i, v, v > 0 ? 100 + i : 0});
    }
    return t;
}

TEST(DiagramModell, BarTopsFollowTheScale)
{
    struct Eset {
        const char* nev;
        TTombInt2D t;
        std::int64_t alap;
        int egyseg, tomorites;
        int jegyek;  // digits of the widest label: the column width
    };
    // Paint box 388 high: H = 332, bars stand on y = 370.
    const Eset esetek[] = {
        {"small values fill the height", tabla({10, 20, 30}), 9, 15, 1, 3},
        {"a zero count starts the axis at 0", tabla({0, 4, 8}), 0, 41, 1, 3},
        {"values far apart are compressed", tabla({10, 500, 1000}), 9, 1, 3, 4},
        {"values above the height start at their minimum", tabla({1000, 1100, 1200}), 999, 1, 1, 4},
    };
    for (const Eset& c : esetek) {
        SCOPED_TRACE(c.nev);
        DiagramModell m;
        m.Ujrakezdes(c.t);
        DiagramOpciok o;
        m.Start(o, bemenet(1, c.t), DiagramMeretek{});
        EXPECT_EQ(m.H(), 332);
        EXPECT_EQ(m.AljY(), 370);
        EXPECT_EQ(m.Alap(), c.alap);
        EXPECT_EQ(m.Egyseg(), c.egyseg);
        EXPECT_EQ(m.Tomorites(), c.tomorites);
        for (int i = 0; i < static_cast<int>(c.t.size()); ++i) {
            const Oszlop b = m.OszlopGeometria(i, 0, 900);
            std::int64_t h = c.t[static_cast<std::size_t>(i)][1] - c.alap;
            if (c.tomorites > 1)
                h = h / c.tomorites + 1;
            EXPECT_EQ(b.Teto, 370 - h * c.egyseg) << i;
            // No bar leaves the chart.
            EXPECT_GE(b.Teto, 370 - 332 - c.egyseg) << i;
            // Font size 8 per digit and 2; the margin is the digits and 2.
            const int w = 8 * c.jegyek + 2;
            EXPECT_EQ(b.X0, i * w + c.jegyek + 2);
            EXPECT_EQ(b.X1, (i + 1) * w);
        }
    }
}

TEST(DiagramModell, MindHidesRowsWithoutACount)
{
    const TTombInt2D t = tabla({3, 0, 5, 0});
    DiagramModell m;
    m.Ujrakezdes(t);
    DiagramOpciok o;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    EXPECT_TRUE(m.Engedelyek().Mind);
    EXPECT_EQ(m.Tabla().size(), 4u);
    o.Mind = false;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    ASSERT_EQ(m.Tabla().size(), 2u);
    EXPECT_EQ(m.Tabla()[0][0], 1);
    EXPECT_EQ(m.Tabla()[1][0], 3);
    // Without empty rows Mind stays disabled.
    const TTombInt2D teli = tabla({3, 4});
    m.Ujrakezdes(teli);
    m.Start(o, bemenet(1, teli), DiagramMeretek{});
    EXPECT_FALSE(m.Engedelyek().Mind);
}

// Draws since a number came, over real histories: the expected value is
// their mean, and a number of the last draw (0 draws since) is a value,
// not an empty row; only a number that never came in the range is empty.
TEST(DiagramModell, DrawsSinceExpectedValueAndMindOverRandomHistories)
{
    const GameParams g = jatek(0);
    double osszeg = 0;
    int db = 0;
    DiagramModell m;
    for (unsigned mag = 1; mag <= 200; ++mag) {
        const DrawsState d = veletlenHuzasok(g, 400, mag);
        SzamStatisztikaState st;
        HuzasStatisztika(st, d, g, 1, 400);
        StatEredmeny e;
        FoszelvenyStatisztika(st.HanyHuzasOta, g, e);
        for (const TTombInt1D& r : e.SortArray) {
            osszeg += r[1];
            ++db;
        }
        if (mag == 1) {
            m.Ujrakezdes(e.SortArray);
            DiagramOpciok o;
            m.Start(o, bemenet(2, e.SortArray, 400), DiagramMeretek{});
            // Every number came in 400 draws: nothing to hide.
            EXPECT_FALSE(m.Engedelyek().Mind);
            o.Mind = false;
            m.Start(o, bemenet(2, e.SortArray, 400), DiagramMeretek{});
            EXPECT_EQ(m.Tabla().size(), 90u);
        }
    }
    const double atlag = osszeg / db;
    EXPECT_NEAR(atlag, 17.0, 0.4);
    EXPECT_NEAR(m.Ertekek()[0], atlag, 0.4);

    // Three draws of 1-5, 6-10 and 11-15: 11-15 came in the last draw.
    DrawsState d;
    SetHuzasok(d, 3, g.HuzottSzamok + 3);
    for (int r = 0; r < 3; ++r)
        for (int j = 0; j < 5; ++j)
            d.Huzasok[static_cast<std::size_t>(r)][static_cast<std::size_t>(3 + j)] = 5 * r + j + 1;
    SzamStatisztikaState st;
    HuzasStatisztika(st, d, g, 1, 3);
    StatEredmeny e;
    FoszelvenyStatisztika(st.HanyHuzasOta, g, e);
    m.Ujrakezdes(e.SortArray);
    DiagramOpciok o;
    o.Mind = false;
    m.Start(o, bemenet(2, e.SortArray, 3), DiagramMeretek{});
    EXPECT_TRUE(m.Engedelyek().Mind);
    ASSERT_EQ(m.Tabla().size(), 15u);
    EXPECT_EQ(std::count_if(m.Tabla().begin(), m.Tabla().end(), [](const TTombInt1D& r) { return r[1] == 0; }), 5);
    // The same with the last draws shown (Húzás): the rows by their draw.
    o.Huzas = true;
    m.Start(o, bemenet(2, e.SortArray, 3), DiagramMeretek{});
    EXPECT_EQ(m.Tabla().size(), 15u);
}

// A jump from a bar selects the drawing the number came in: the second
// drawing's first column only in a game of two drawings, for the charts
// keyed by the numbers of a draw, and for the neighbours chart only where
// the number and the next one stand side by side.
TEST(HuzasUgrasOszlop, FindsTheSecondDrawing)
{
    const GameParams ket = jatek(2);  // 7/35, two drawings of 7
    ASSERT_TRUE(ket.TobbSorsolas);
    const std::int32_t masodik = ket.MasodikHuzasOszlop;
    TTombInt1D sor(static_cast<std::size_t>(ket.HuzottSzamok + 3), 0);
    const std::int32_t elso[] = {1, 5, 9, 13, 17, 21, 25};
    const std::int32_t masik[] = {2, 6, 7, 14, 18, 22, 30};
    for (int j = 0; j < 7; ++j) {
        sor[static_cast<std::size_t>(3 + j)] = elso[j];
        sor[static_cast<std::size_t>(masodik + j)] = masik[j];
    }
    struct Eset {
        const char* Nev;
        GameParams Jatek;
        std::int32_t Tag, Kulcs, Oszlop;
    } esetek[] = {
        {"first drawing", ket, 1, 5, 3},
        {"second drawing, times drawn", ket, 1, 14, masodik},
        {"second drawing, draws since", ket, 2, 30, masodik},
        {"second drawing, number sets", ket, 28, 18, masodik},
        {"second drawing, neighbours 6-7", ket, 21, 6, masodik},
        {"second drawing, neighbour is not next", ket, 21, 14, 3},
        {"second drawing, last number", ket, 21, 30, 3},
        {"second drawing, sums", ket, 8, 14, 3},
        {"one drawing", jatek(0), 1, 14, 3},
    };
    for (const Eset& e : esetek)
        EXPECT_EQ(HuzasUgrasOszlop(e.Tag, e.Kulcs, sor, e.Jatek), e.Oszlop) << e.Nev;
}

TEST(DiagramModell, SortOrdersAndZoom)
{
    const TTombInt2D t = tabla({5, 3, 5, 7, 3, 5, 1, 7});
    for (int rend : {0, 1, 2}) {
        SCOPED_TRACE(rend);
        DiagramModell m;
        m.Ujrakezdes(t);
        DiagramOpciok o;
        o.Rendezes = rend;
        m.Start(o, bemenet(1, t), DiagramMeretek{});
        const TTombInt2D& r = m.Tabla();
        ASSERT_EQ(r.size(), t.size());
        // The same rows, whole, in the order asked.
        TTombInt2D a = r, b = t;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
        for (std::size_t i = 1; i < r.size(); ++i) {
            if (rend == 1) {
                EXPECT_LE(r[i - 1][1], r[i][1]);
            } else if (rend == 2) {
                EXPECT_GE(r[i - 1][1], r[i][1]);
            }
        }
        if (rend == 0) {
            EXPECT_EQ(r, t);
        }
    }
    // Zoom: one bar per distinct count, labelled with how many numbers had it.
    DiagramModell m;
    m.Ujrakezdes(t);
    DiagramOpciok o;
    o.Zoom = true;
    o.Rendezes = 2;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    EXPECT_TRUE(m.ZoomAktiv());
    std::map<int, int> kapott;
    for (const TTombInt1D& r : m.Tabla())
        kapott[r[1]] = r[0];
    EXPECT_EQ(kapott, (std::map<int, int>{{1, 1}, {3, 2}, {5, 3}, {7, 2}}));
    EXPECT_EQ(m.Tabla().front()[1], 7);
    // Inverz turns Zoom off for the main-ticket charts.
    o.Inverz = true;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    EXPECT_FALSE(m.Engedelyek().Zoom);
    EXPECT_FALSE(m.ZoomAktiv());
}

TEST(DiagramModell, InverzAndHuzasExchangeTheColumns)
{
    // (number, times drawn, last draw)
    const TTombInt2D t = {{1, 4, 30}, {2, 1, 12}, {3, 6, 29}};
    DiagramModell m;
    m.Ujrakezdes(t);
    DiagramOpciok o;
    o.Huzas = true;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    // Húzás: the bars are the last draws, the count goes behind.
    EXPECT_EQ(m.Tabla(), (TTombInt2D{{1, 30, 4}, {2, 12, 1}, {3, 29, 6}}));
    EXPECT_FALSE(m.Engedelyek().Tenyleges);
    o.Huzas = false;
    o.Inverz = true;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    EXPECT_EQ(m.Tabla(), (TTombInt2D{{4, 1, 30}, {1, 2, 12}, {6, 3, 29}}));
    EXPECT_EQ(m.Kulcs(2), 3);
    o.Inverz = false;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    EXPECT_EQ(m.Tabla(), t);
}

TEST(DiagramModell, HuzasKeepsTheNumberAsTheKeyOfTheNeighbourChart)
{
    // The neighbour chart's view: (number, neighbour pairs, last line).
    const TTombInt2D t = {{4, 2, 7}, {5, 3, 9}, {6, 1, 7}};
    for (int tag : {19, 21}) {
        DiagramModell m;
        m.Ujrakezdes(t);
        DiagramOpciok o;
        o.Huzas = true;
        m.Start(o, bemenet(tag, t), DiagramMeretek{});
        EXPECT_EQ(m.Tabla(), (TTombInt2D{{4, 7, 2}, {5, 9, 3}, {6, 7, 1}})) << tag;
        EXPECT_EQ(m.Kulcs(1), 5) << tag;
        o.Huzas = false;
        m.Start(o, bemenet(tag, t), DiagramMeretek{});
        EXPECT_EQ(m.Tabla(), t) << tag;
    }
    // Zoom takes Húzás away from the chart of all neighbours only.
    for (int elem : {0, 1}) {
        DiagramModell m;
        m.Ujrakezdes(t);
        DiagramOpciok o;
        o.Zoom = true;
        o.Huzas = true;
        DiagramBemenet b = bemenet(21, t);
        b.SzomszedosElem = elem;
        m.Start(o, b, DiagramMeretek{});
        EXPECT_EQ(m.Engedelyek().Huzas, elem != 0) << elem;
        EXPECT_EQ(o.Huzas, elem != 0) << elem;
        EXPECT_TRUE(m.ZoomAktiv()) << elem;
    }
}

TEST(DiagramModell, MikroAndNanoExcludeEachOther)
{
    const TTombInt2D t = tabla({1, 2});
    DiagramModell m;
    m.Ujrakezdes(t);
    DiagramOpciok o;
    o.Mikro = true;
    o.Nano = true;
    m.Start(o, bemenet(1, t), DiagramMeretek{}, false);  // nano was clicked
    EXPECT_FALSE(o.Mikro);
    EXPECT_EQ(m.OszlopSzelesseg(), 3);
    EXPECT_FALSE(m.Cimkek());
    o.Mikro = true;
    m.Start(o, bemenet(1, t), DiagramMeretek{}, true);  // Mikro was clicked
    EXPECT_FALSE(o.Nano);
    EXPECT_EQ(m.OszlopSzelesseg(), 10);
    EXPECT_EQ(m.Margo(), 2);
}

TEST(DiagramModell, ExpectedValuesAndTheirUndefinedCases)
{
    // 5/90, 3 draws of 5 numbers: each number is expected 3 x 5 / 90 times.
    TTombInt2D t;
    for (int n = 1; n <= 90; ++n)
        t.push_back({n, n <= 15 ? 1 : 0, n <= 15 ? 3 : 0});
    DiagramBemenet b = bemenet(1, t);
    b.Ertekek[3] = 15;
    DiagramModell m;
    m.Ujrakezdes(t);
    DiagramOpciok o;
    m.Start(o, b, DiagramMeretek{});
    EXPECT_NEAR(m.Ertekek()[0], 15.0 / 90, 1e-12);
    // A number last drawn in the last draw counts 0 draws since it came.
    EXPECT_NEAR(m.Ertekek()[1], 90.0 / 5 - 1, 1e-12);
    EXPECT_NEAR(m.Ertekek()[2], 15.0 / 90, 1e-12);
    EXPECT_TRUE(m.TenylegesSzint().has_value());
    // Tag 2 exchanges the two.
    DiagramBemenet b2 = bemenet(2, t);
    b2.Ertekek[3] = 15;
    m.Ujrakezdes(t);
    m.Start(o, b2, DiagramMeretek{});
    EXPECT_NEAR(m.Ertekek()[0], 90.0 / 5 - 1, 1e-12);
    ASSERT_TRUE(m.ElmeletiSzint().has_value());

    // Mind unticked with no count at all: no bar, and no level is drawn
    // from a division by zero.
    TTombInt2D ures;
    for (int n = 1; n <= 90; ++n)
        ures.push_back({n, 0, 0});
    m.Ujrakezdes(ures);
    o.Mind = false;
    m.Start(o, bemenet(1, ures), DiagramMeretek{});
    EXPECT_TRUE(m.Tabla().empty());
    EXPECT_FALSE(m.TenylegesSzint().has_value());
    EXPECT_FALSE(m.ElmeletiSzint().has_value());

    // The frequency distribution with no main-pool bar left.
    DiagramBemenet b3 = bemenet(3, {});
    b3.Ertekek[2] = 10;
    m.Ujrakezdes({});
    m.Start(o, b3, DiagramMeretek{});
    EXPECT_FALSE(m.TenylegesSzint().has_value());
}

TEST(DiagramModell, ActualAverageOfTheValueAndCountFamilies)
{
    // Spans (lines, span, last): 2 lines of span 4, 1 of span 10: the mean
    // span is 6 in either view, and the second value is cleared.
    const TTombInt2D span = {{2, 4, 5}, {0, 5, 0}, {1, 10, 3}};
    // Pairs (row, count, last, first, second): 9 occurrences over 3 bars,
    // or over the 2 bars left with Mind unticked.
    const TTombInt2D par = {{1, 4, 3, 1, 2}, {2, 0, 0, 1, 3}, {3, 5, 2, 2, 3}};
    struct Eset {
        const char* Nev;
        int Tag;
        TTombInt2D T;
        bool Inverz, Mind;
        double Atlag;
    } esetek[] = {
        {"span", 17, span, true, true, 6.0},
        {"span, Inverz off", 17, span, false, true, 6.0},
        {"consecutive numbers", 26, span, true, true, 6.0},
        {"pairs", 22, par, false, true, 3.0},
        {"pairs, Mind unticked", 22, par, false, false, 4.5},
        {"number sets", 28, {{1, 3, 1}, {2, 6, 2}}, false, true, 4.5},
    };
    for (const Eset& e : esetek) {
        DiagramBemenet b = bemenet(e.Tag, e.T);
        b.Ertekek = {1, 7, 9, 0, 0, 0, 0, 0};
        DiagramModell m;
        m.Ujrakezdes(e.T);
        DiagramOpciok o;
        o.Inverz = e.Inverz;
        o.Mind = e.Mind;
        m.Start(o, b, DiagramMeretek{});
        EXPECT_DOUBLE_EQ(m.Ertekek()[2], e.Atlag) << e.Nev;
        EXPECT_EQ(m.Ertekek()[0], 1.0) << e.Nev;
    }
}

TEST(DiagramModell, NeighbourChartsExpectAndAverageFromTheCountsShown)
{
    // The neighbours' view (number, count, last): 9 neighbour pairs over 4
    // numbers, 2 of which have one.
    const TTombInt2D t = {{1, 0, 0}, {2, 3, 1}, {3, 6, 2}, {4, 0, 0}};
    struct Eset {
        const char* Nev;
        bool Mind, Huzas, Inverz;
        double Elmeleti, Tenyleges;
        bool ElmeletiMutat;
    } esetek[] = {
        {"all numbers shown", true, false, false, 9.0 / 4, 4.5, true},
        // Without the numbers lacking a count both are the same average.
        {"Mind unticked", false, false, false, 4.5, 4.5, true},
        // The count stands behind the last line: the same values, but no
        // expected part is drawn over last lines.
        {"Húzás", true, true, false, 9.0 / 4, 4.5, false},
        {"Inverz", true, false, true, 9.0 / 4, 4.5, true},
    };
    for (int tag : {19, 21})
        for (const Eset& e : esetek) {
            SCOPED_TRACE(std::string(e.Nev) + " " + std::to_string(tag));
            DiagramBemenet b = bemenet(tag, t);
            EXPECT_TRUE(b.V.VanElmeleti);
            b.Ertekek = {1, 7, 9, 0, 0, 0, 0, 0};
            DiagramModell m;
            m.Ujrakezdes(t);
            DiagramOpciok o;
            o.Mind = e.Mind;
            o.Huzas = e.Huzas;
            o.Inverz = e.Inverz;
            m.Start(o, b, DiagramMeretek{});
            EXPECT_DOUBLE_EQ(m.Ertekek()[0], e.Elmeleti);
            EXPECT_DOUBLE_EQ(m.Ertekek()[2], e.Tenyleges);
            EXPECT_EQ(m.ElmeletiMutat(), e.ElmeletiMutat);
            EXPECT_EQ(m.ElmeletiSzint().has_value(), true);
        }
    // A chart with no count keeps the values it was given.
    const TTombInt2D ures = {{1, 0, 0}, {2, 0, 0}};
    DiagramBemenet b = bemenet(21, ures);
    b.Ertekek = {1, 7, 9, 0, 0, 0, 0, 0};
    DiagramModell m;
    m.Ujrakezdes(ures);
    DiagramOpciok o;
    m.Start(o, b, DiagramMeretek{});
    EXPECT_EQ(m.Ertekek()[0], 1.0);
    EXPECT_EQ(m.Ertekek()[2], 9.0);
}

// The result table of pairs: every pair of 1..P (rows 1..C(P, 2)), then
// the extra pairs as their stored numbers above P; count c at the rows
// asked for.
TTombInt2D parTabla(const GameParams& g, const std::map<int, int>& darab)
{
    TTombInt2D t;
    auto resz = [&](int n, int alap) {
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j) {
                const int r = static_cast<int>(t.size()) + 1;
                const auto it = darab.find(r);
                const int c = it == darab.end() ? 0 : it->second;
                t.push_back({r, c, c > 0 ? r % 7 + 1 : 0, alap + i, alap + j});
            }
    };
    resz(g.FoSzamKeszlet, 0);
    if (g.VanPluszSzam && g.PluszSzamDb > 1)
        resz(g.PluszSzamKeszlet, g.FoSzamKeszlet);
    return t;
}

TEST(DiagramModell, PairBarsAreLabelledWithTheirNumbers)
{
    // EuroJackpot: 1225 main pairs of 1..50, then 66 pairs of the 12 extras.
    DiagramBemenet b = bemenet(22, {});
    b.Jatek = jatek(30);
    b.V.SzamparStat = true;
    ASSERT_EQ(b.Jatek.FoSzamKeszlet, 50);
    const std::map<int, int> darab = {{1, 4}, {1225, 2}, {1226, 3}, {1291, 1}};
    b.Gyorsitotar = parTabla(b.Jatek, darab);
    ASSERT_EQ(b.Gyorsitotar.size(), 1291u);
    struct Eset {
        const char* Nev;
        bool Mind, Inverz, Huzas, Zoom;
        std::vector<std::pair<std::string, bool>> Cimkek;  // the first bars' labels, extra colour
        std::int32_t Plusz;  // bars of extra pairs
    } esetek[] = {
        {"all pairs", true, false, false, false, {{"1-2", false}, {"1-3", false}}, 66},
        // Rows 1225 (49-50), 1226 (the first extra pair, 51-52) and 1291
        // (the last, 61-62) are shown in the extra pool's numbering.
        {"pairs that came", false, false, false, false,
         {{"1-2", false}, {"49-50", false}, {"1-2", true}, {"11-12", true}}, 2},
        {"Húzás", false, false, true, false, {{"1-2", false}, {"49-50", false}, {"1-2", true}, {"11-12", true}}, 2},
        // Inverz: the count stands under the bar, still in the extra colour.
        {"Inverz", false, true, false, false, {{"4", false}, {"2", false}, {"3", true}, {"1", true}}, 2},
        // Zoom: one bar per count, labelled with how many pairs have it.
        {"Zoom", false, false, false, true, {{"1", false}, {"1", false}, {"1", false}, {"1", false}}, 2},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.Nev);
        DiagramModell m;
        m.Ujrakezdes(b.Gyorsitotar);
        DiagramOpciok o;
        o.Mind = e.Mind;
        o.Inverz = e.Inverz;
        o.Huzas = e.Huzas;
        o.Zoom = e.Zoom;
        m.Start(o, b, DiagramMeretek{});
        ASSERT_GE(m.Tabla().size(), e.Cimkek.size());
        for (std::size_t i = 0; i < e.Cimkek.size(); ++i) {
            const OszlopCimke c = m.Cimke(static_cast<std::int32_t>(i));
            EXPECT_EQ(c.Szoveg, e.Cimkek[i].first) << i;
            EXPECT_EQ(c.Plusz, e.Cimkek[i].second) << i;
        }
        EXPECT_EQ(m.PluszOszlopok(), e.Plusz);
    }
    // The bars of the last extra pair name its stored numbers.
    DiagramModell m;
    m.Ujrakezdes(b.Gyorsitotar);
    DiagramOpciok o;
    m.Start(o, b, DiagramMeretek{});
    EXPECT_EQ(m.Par(1290), (std::pair<std::int32_t, std::int32_t>{61, 62}));

    // 5/90 has no extra pool: its last pair is 89-90, nothing in the extra colour.
    DiagramBemenet b90 = bemenet(22, {});
    b90.Gyorsitotar = parTabla(b90.Jatek, {{4005, 1}});
    DiagramModell m90;
    m90.Ujrakezdes(b90.Gyorsitotar);
    m90.Start(o, b90, DiagramMeretek{});
    EXPECT_EQ(m90.Cimke(4004).Szoveg, "89-90");
    EXPECT_FALSE(m90.Cimke(4004).Plusz);
    EXPECT_EQ(m90.PluszOszlopok(), 0);
}

TEST(DiagramModell, OnlyKeysThatAreNumbersAreRenumberedAsExtras)
{
    // EuroJackpot: a main-ticket bar of the stored number 51 is extra
    // number 1; a sum of 120 is a value and stays as it is.
    const GameParams g = jatek(30);
    struct Eset {
        int Tag;
        TTombInt2D T;
        bool Inverz;
        std::string Cimke;
        bool Plusz;
    } esetek[] = {
        {1, {{51, 3, 9}}, false, "1", true},
        {1, {{51, 3, 9}}, true, "3", true},
        {1, {{50, 3, 9}}, false, "50", false},
        // Sums: (lines, sum, last); Inverz puts the sum under the bar.
        {8, {{2, 120, 9}}, true, "120", false},
        {17, {{2, 49, 9}, {1, 52, 4}}, true, "49", false},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.Tag);
        DiagramBemenet b = bemenet(e.Tag, e.T);
        b.Jatek = g;
        DiagramModell m;
        m.Ujrakezdes(e.T);
        DiagramOpciok o;
        o.Inverz = e.Inverz;
        m.Start(o, b, DiagramMeretek{});
        EXPECT_EQ(m.Cimke(0).Szoveg, e.Cimke);
        EXPECT_EQ(m.Cimke(0).Plusz, e.Plusz);
    }
}

TEST(DiagramModell, TheBarUnderTheMouse)
{
    const TTombInt2D t = tabla({1, 2, 3, 4});
    DiagramModell m;
    m.Ujrakezdes(t);
    DiagramOpciok o;
    m.Start(o, bemenet(1, t), DiagramMeretek{});
    EXPECT_EQ(m.OszlopItt(0, 0), 0);
    EXPECT_EQ(m.OszlopItt(27, 0), 1);
    EXPECT_EQ(m.OszlopItt(27, 52), 3);  // scrolled by two bars
    EXPECT_EQ(m.OszlopItt(4 * 26, 0), -1);
    EXPECT_EQ(m.OszlopItt(-1, 0), -1);
    // Scrolled away bars are not drawn.
    EXPECT_FALSE(m.OszlopGeometria(0, 52, 900).Lathato);
    EXPECT_TRUE(m.OszlopGeometria(2, 52, 900).Lathato);
    EXPECT_EQ(m.OszlopGeometria(2, 52, 900).X0, 5);
}

}  // namespace
