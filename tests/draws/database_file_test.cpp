#include "draws/database_file.h"

#include "draws/draw_ranges.h"
#include "draws_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <random>

namespace kvx {
namespace {

using testing::Jatek;
using testing::Sor;
using testing::kTesztVerzio;

struct Csalad {
    const char* nev;
    int jatek;
    TTombInt2D sorok;
};

std::vector<Csalad> Csaladok()
{
    const GameParams g0 = Jatek(0), g1 = Jatek(1), g2 = Jatek(2), g30 = Jatek(30), g8 = Jatek(8);
    return {
        {"egy_huzas_5_90", 0, {Sor(g0, 1, 2019, 1, {3, 17, 45, 66, 90}), Sor(g0, 2, 2019, 2, {1, 2, 3, 4, 5})}},
        {"potszam_6_45", 1, {Sor(g1, 1, 2020, 10, {4, 9, 12, 30, 41, 45, 7}), Sor(g1, 2, 2020, 11, {1, 2, 3, 4, 5, 6, 0})}},
        {"ket_huzas_7_35", 2,
         {Sor(g2, 1, 2021, 5, {1, 5, 9, 13, 20, 28, 35, 2, 6, 10, 14, 21, 29, 34}),
          Sor(g2, 2, 2021, 6, {3, 4, 8, 15, 16, 23, 42 - 7, 0, 0, 0, 0, 0, 0, 0})}},
        {"plusz_keszlet_eurojackpot", 30,
         {Sor(g30, 1, 2022, 20, {5, 11, 23, 38, 50, 50 + 3, 50 + 12}),
          Sor(g30, 2, 2022, 21, {1, 2, 3, 4, 49, 50 + 1, 50 + 2})}},
        {"keno_20", 8,
         {Sor(g8, 1, 2023, 1, {1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 43, 46, 49, 52, 55, 80}),
          Sor(g8, 2, 2023, 1, {2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21, 23, 24, 26, 27, 29, 79})}},
    };
}

TEST(DatabaseFile, EachFamilyReadsValidatesAndWritesBackByteIdentical)
{
    testing::TempDir dir;
    for (const Csalad& c : Csaladok()) {
        SCOPED_TRACE(c.nev);
        GameParams g = Jatek(c.jatek);
        const auto kep = AdatbazisKep(c.sorok, g, kTesztVerzio);
        ASSERT_EQ(kep.size(), kHuzFejlecMeret + kHuzRekordMeret * c.sorok.size());
        const std::string path = dir.file(std::string(c.nev) + ".ldb");
        testing::Ir(path, kep);

        DrawsState d;
        const BetoltesEredmeny e = HuzasokBe(d, g, path, {});
        ASSERT_TRUE(e.sikeres()) << e.Uzenet;
        EXPECT_TRUE(d.AdatbazisBetoltve);
        EXPECT_EQ(d.HuzasokSzama, static_cast<std::int32_t>(c.sorok.size()));
        EXPECT_EQ(d.HuzasokUtolsoIndex, d.HuzasokSzama - 1);
        EXPECT_EQ(d.Huzasok, c.sorok);

        const std::string masolat = dir.file(std::string(c.nev) + "_2.ldb");
        ASSERT_TRUE(AdatbazisMentese(d, g, masolat, kTesztVerzio));
        EXPECT_EQ(testing::Olvas(masolat), kep);
        EXPECT_FALSE(std::filesystem::exists(masolat + ".tmp"));
    }
}

TEST(DatabaseFile, RecordIsWrittenFieldByFieldWithZeroPadding)
{
    GameParams g = Jatek(0);
    const auto kep = AdatbazisKep(TTombInt2D{Sor(g, 7, 2019, 52, {1, 2, 3, 4, 90})}, g, kTesztVerzio);
    const std::vector<std::uint8_t> vart = {
        3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // header: 3.1.0, game 0
        7, 0, 0, 0, 0xE3, 0x07, 52,                      // sequence, year 2019, week
        1, 2, 3, 4, 90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(kep, vart);
}

TEST(DatabaseFile, HeaderOnlyFileIsAnEmptyDatabase)
{
    testing::TempDir dir;
    GameParams g = Jatek(0);
    const std::string path = dir.file("ures.ldb");
    testing::Ir(path, AdatbazisKep(TTombInt2D{}, g, kTesztVerzio));
    DrawsState d;
    SetHuzasok(d, 3, 8);
    HuzSzamaState tart;
    tart.SetHuzSzamaUtolso(3);
    ASSERT_TRUE(HuzasokBe(d, g, path, {}, &tart).sikeres());
    EXPECT_EQ(d.HuzasokSzama, 0);
    EXPECT_EQ(d.HuzasokUtolsoIndex, 0);
    EXPECT_TRUE(d.Huzasok.empty());
    EXPECT_TRUE(d.AdatbazisBetoltve);
    EXPECT_EQ(tart.GetHuzSzamaUtolso(), 0);
}

TEST(DatabaseFile, MissingFileReportsAbsentAndKeepsTable)
{
    testing::TempDir dir;
    GameParams g = Jatek(0);
    DrawsState d;
    SetHuzasok(d, 2, 8);
    EXPECT_EQ(HuzasokBe(d, g, dir.file("nincs.ldb"), {}).Allapot, BetoltesAllapot::NincsAllomany);
    EXPECT_EQ(d.HuzasokSzama, 2);
}

// Broken files: each is refused with its message, and the table loaded
// before stays as it was.
struct HibasEset {
    const char* nev;
    std::function<std::vector<std::uint8_t>(std::vector<std::uint8_t>)> ront;
    std::string uzenet;
};

void SetU8(std::vector<std::uint8_t>& k, std::size_t at, std::uint8_t v) { k.at(at) = v; }
void SetI32(std::vector<std::uint8_t>& k, std::size_t at, std::int32_t v)
{
    for (int i = 0; i < 4; ++i)
        k.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
}

// Offsets of record r (0-based) in the file.
constexpr std::size_t Rek(std::size_t r) { return kHuzFejlecMeret + kHuzRekordMeret * r; }
constexpr std::size_t Szam(std::size_t r, std::size_t k) { return Rek(r) + 7 + k; }

TEST(DatabaseFile, BrokenFilesAreRefusedAndTheEarlierTableIsKept)
{
    testing::TempDir dir;
    GameParams g = Jatek(1);  // 6/45 with a bonus number
    const TTombInt2D jo = {Sor(g, 1, 2020, 10, {4, 9, 12, 30, 41, 45, 7}), Sor(g, 2, 2020, 11, {1, 2, 3, 4, 5, 6, 8})};
    const auto alap = AdatbazisKep(jo, g, kTesztVerzio);
    const std::string meret = kErvenytelenMeretUzenet;
    auto vag = [](std::size_t n) { return [n](std::vector<std::uint8_t> k) { k.resize(n); return k; }; };

    std::vector<HibasEset> esetek = {
        {"ures_allomany", vag(0), meret},
        {"fejlec_verzio_utan", vag(4), meret},
        {"fejlec_alverzio_utan", vag(8), meret},
        {"fejlec_kiadas_utan", vag(12), meret},
        {"rekord_sorszam_utan", vag(Rek(0) + 4), meret},
        {"rekord_ev_utan", vag(Rek(0) + 6), meret},
        {"rekord_het_utan", vag(Rek(0) + 7), meret},
        {"rekord_felig_szamok", vag(Rek(0) + 17), meret},
        {"masodik_rekord_csonka", vag(Rek(1) + 12), meret},
        {"masodik_rekord_utolso_bajt_hianyzik", vag(Rek(2) - 1), meret},
        // Version fields whose composite (major x 1000 + ...) leaves the 32-bit range.
        {"verzio_int_max", [](auto k) { SetI32(k, 0, INT32_MAX); return k; }, kErvenytelenAllomanyUzenet},
        {"verzio_kozvetlenul_tul", [](auto k) { SetI32(k, 0, 2147484); return k; }, kErvenytelenAllomanyUzenet},
        {"alverzio_int_max", [](auto k) { SetI32(k, 4, INT32_MAX); return k; }, kErvenytelenAllomanyUzenet},
        {"kiadas_int_max", [](auto k) { SetI32(k, 8, INT32_MAX); return k; }, kErvenytelenAllomanyUzenet},
        {"verzio_int_min", [](auto k) { SetI32(k, 0, INT32_MIN); return k; }, kErvenytelenAllomanyUzenet},
        {"kiadas_negativ", [](auto k) { SetI32(k, 8, -1); return k; }, kErvenytelenAllomanyUzenet},
        {"jatek_index_44", [](auto k) { SetI32(k, 12, 44); return k; }, kErvenytelenAllomanyUzenet},
        {"jatek_index_negativ", [](auto k) { SetI32(k, 12, -1); return k; }, kErvenytelenAllomanyUzenet},
        {"sorszam_nulla", [](auto k) { SetI32(k, Rek(1), 0); return k; },
         "2. húzás sorszáma érvénytelen tartományba esik."},
        {"sorszam_tul_nagy", [](auto k) { SetI32(k, Rek(0), 100001); return k; },
         "1. húzás sorszáma érvénytelen tartományba esik."},
        {"ev_1900", [](auto k) { SetU8(k, Rek(1) + 4, 0x6C); SetU8(k, Rek(1) + 5, 0x07); return k; },
         "2. húzás évszáma érvénytelen tartományba esik."},
        {"het_54", [](auto k) { SetU8(k, Rek(1) + 6, 54); return k; }, "2. húzás hete érvénytelen tartományba esik."},
        {"het_nulla", [](auto k) { SetU8(k, Rek(0) + 6, 0); return k; }, "1. húzás hete érvénytelen tartományba esik."},
        {"szam_46", [](auto k) { SetU8(k, Szam(1, 5), 46); return k; },
         "2. húzás 6. száma érvénytelen tartományba esik."},
        {"potszam_46", [](auto k) { SetU8(k, Szam(1, 6), 46); return k; },
         "2. húzás 1. plusz száma érvénytelen tartományba esik."},
        {"torzsszam_nulla", [](auto k) { SetU8(k, Szam(1, 2), 0); return k; },
         "2. húzás 3. törzsszáma nulla - hiányos számsor."},
        {"szomszedos_azonos", [](auto k) { SetU8(k, Szam(1, 3), 3); return k; }, "2. húzás azonos számokat tartalmaz."},
        {"nem_szomszedos_azonos", [](auto k) { SetU8(k, Szam(1, 0), 5); return k; },
         "2. húzás azonos számokat tartalmaz."},
        {"torzsszam_egyenlo_potszammal", [](auto k) { SetU8(k, Szam(0, 6), 12); return k; },
         "1. húzás 3. törzsszáma azonos a plusz számmal."},
    };

    for (const HibasEset& e : esetek) {
        SCOPED_TRACE(e.nev);
        const std::string path = dir.file(std::string(e.nev) + ".ldb");
        testing::Ir(path, e.ront(alap));
        DrawsState d;
        SetHuzasok(d, 1, g.HuzottSzamok + 3);
        d.Huzasok[0] = Sor(g, 9, 2000, 1, {1, 2, 3, 4, 5, 6, 7});
        d.AdatbazisBetoltve = true;
        const DrawsState elotte = d;
        HuzSzamaState tart;
        tart.SetHuzSzamaUtolso(1);
        const BetoltesEredmeny r = HuzasokBe(d, g, path, {}, &tart);
        EXPECT_EQ(r.Allapot, BetoltesAllapot::Ervenytelen);
        EXPECT_EQ(r.Uzenet, e.uzenet);
        EXPECT_EQ(d.Huzasok, elotte.Huzasok);
        EXPECT_EQ(d.HuzasokSzama, 1);
        EXPECT_TRUE(d.AdatbazisBetoltve);
        EXPECT_EQ(tart.GetHuzSzamaUtolso(), 1);
    }
}

TEST(DatabaseFile, GameSpecificNumberRules)
{
    struct Eset {
        const char* nev;
        int jatek;
        TTombInt1D sor;
        std::string uzenet;  // empty: accepted
    };
    const GameParams g2 = Jatek(2), g4 = Jatek(4), g30 = Jatek(30), g38 = Jatek(38), g41 = Jatek(41);
    const std::vector<Eset> esetek = {
        {"7_35_masodik_ures", 2, Sor(g2, 1, 2021, 5, {1, 2, 3, 4, 5, 6, 7}), ""},
        {"7_35_masodik_egy_nulla", 2, Sor(g2, 1, 2021, 5, {1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 0}),
         "1. húzás 2. számsorából egy/több törzsszám nulla."},
        {"7_35_masodik_azonos", 2, Sor(g2, 1, 2021, 5, {1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 3, 5, 6, 7}),
         "1. húzás 2. számsora azonos számokat tartalmaz."},
        {"6_49_masodik_potszam_egyedul", 4, Sor(g4, 1, 2021, 5, {1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0, 0, 9}),
         "1. húzás 2. számsorának plusz száma csak nulla lehet."},
        {"6_49_masodik_potszam_egyenlo", 4, Sor(g4, 1, 2021, 5, {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 12}),
         "1. húzás 2. számsorának 3. törzsszáma azonos a plusz számmal."},
        {"eurojackpot_hianyzo_euro", 30, Sor(g30, 1, 2022, 20, {1, 2, 3, 4, 5, 53, 50}),
         "1. húzás 2. Euro száma nulla - hiányos számsor."},
        {"eurojackpot_euro_tul_nagy", 30, Sor(g30, 1, 2022, 20, {1, 2, 3, 4, 5, 53, 63}),
         "1. húzás 2. Euro száma érvénytelen tartományba esik."},
        {"oz_lotto_egy_nulla_potszam", 38, Sor(g38, 1, 2022, 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}), ""},
        {"oz_lotto_ket_nulla_potszam", 38, Sor(g38, 1, 2022, 20, {1, 2, 3, 4, 5, 6, 7, 8, 0, 0}),
         "1. húzás egyik plusz száma nulla - hiányos számsor."},
        {"mon_wed_egy_nulla_potszam", 41, Sor(g41, 1, 2022, 20, {1, 2, 3, 4, 5, 6, 8, 0}),
         "1. húzás egyik plusz száma nulla - hiányos számsor."},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        GameParams g = Jatek(e.jatek);
        // A valid first row, so that the row under test is the second one
        // where it could not be the first.
        BetoltottAdatbazis ki;
        const auto kep = AdatbazisKep(TTombInt2D{e.sor}, g, kTesztVerzio);
        const BetoltesEredmeny r = HuzasAdatbazisOlvasas(kep, g, {}, "x.ldb", ki);
        EXPECT_EQ(r.Uzenet, e.uzenet);
        EXPECT_EQ(r.sikeres(), e.uzenet.empty());
    }
}

TEST(DatabaseFile, TooFewNumbersInFirstRecord)
{
    GameParams g0 = Jatek(0), g1 = Jatek(1), g30 = Jatek(30);
    BetoltottAdatbazis ki;
    auto olvas = [&](const GameParams& g, TTombInt1D sor) {
        return HuzasAdatbazisOlvasas(AdatbazisKep(TTombInt2D{sor}, g, kTesztVerzio), g, {}, "x", ki).Uzenet;
    };
    EXPECT_EQ(olvas(g0, Sor(g0, 1, 2019, 1, {1, 2, 3, 4})),
              "Magyar 5/90: 5 számot sorsolnak\r\n\r\n1. húzás 5. száma nulla.");
    EXPECT_EQ(olvas(g1, Sor(g1, 1, 2019, 1, {1, 2, 3})),
              "Magyar 6/45: 6 törzsszámot és 1 plusz számot sorsolnak\r\n\r\n"
              "Az import adatbázisnak minimum 6 törzsszámot kell tartalmaznia.");
    EXPECT_EQ(olvas(g30, Sor(g30, 1, 2019, 1, {1, 2, 3, 4, 5, 51})),
              "EuroJackpot: 5 törzsszámot és 2 Euro számot sorsolnak\r\n\r\n"
              "1. húzás: törzsszámok 5 db,  Euro számok 1 db");
}

TEST(DatabaseFile, DrawCountLimit)
{
    GameParams g = Jatek(0);
    TTombInt2D sorok(100001, Sor(g, 1, 2019, 1, {1, 2, 3, 4, 5}));
    BetoltottAdatbazis ki;
    auto kep = AdatbazisKep(sorok, g, kTesztVerzio);
    BetoltesEredmeny r = HuzasAdatbazisOlvasas(kep, g, {}, "x", ki);
    EXPECT_EQ(r.Allapot, BetoltesAllapot::TulSokHuzas);
    EXPECT_EQ(r.Uzenet, kTulSokHuzasUzenet);
    kep.resize(kep.size() - kHuzRekordMeret);
    EXPECT_TRUE(HuzasAdatbazisOlvasas(kep, g, {}, "x", ki).sikeres());
    EXPECT_EQ(ki.Tabla.HuzasokSzama, 100000);
}

TEST(DatabaseFile, AnotherGamesFileAsksFromVersion2660)
{
    GameParams g0 = Jatek(0), g1 = Jatek(1), g8 = Jatek(8), g12 = Jatek(12);
    const auto kep1 = AdatbazisKep(TTombInt2D{Sor(g1, 1, 2019, 1, {1, 2, 3, 4, 5, 6, 7})}, g1, kTesztVerzio);
    BetoltottAdatbazis ki;
    std::string kerdes;
    int kerdesek = 0;
    BetoltesBeallitasok nem{true, [&](const std::string& q) { kerdes = q; ++kerdesek; return false; }};
    BetoltesBeallitasok igen{true, [&](const std::string&) { ++kerdesek; return true; }};

    // Game 1's file into game 0 (its 7 bytes of numbers are more than enough).
    EXPECT_EQ(HuzasAdatbazisOlvasas(kep1, g0, nem, "/dat/Huzas5.ldb", ki).Allapot, BetoltesAllapot::Elutasitva);
    EXPECT_EQ(kerdesek, 1);
    EXPECT_EQ(kerdes.rfind("Egy másik játék, a(z) Magyar 6/45 húzásainak adatbázisát tölti be.\r\n", 0), 0u);
    EXPECT_NE(kerdes.find("\r\n/dat/Huzas5.ldb\r\n"), std::string::npos);
    EXPECT_NE(kerdes.find("Folytatja az adatbázis betöltését?"), std::string::npos);
    EXPECT_FALSE(HuzasAdatbazisOlvasas(kep1, g0, {}, "x", ki).sikeres());  // no one to ask: No
    EXPECT_TRUE(HuzasAdatbazisOlvasas(kep1, g0, igen, "x", ki).sikeres());
    EXPECT_EQ(kerdesek, 2);

    // Version 2650 (2.6.5): no question.
    auto regi = AdatbazisKep(TTombInt2D{Sor(g1, 1, 2019, 1, {1, 2, 3, 4, 5, 6, 7})}, g1, THuzVerzio{2, 6, 5});
    EXPECT_TRUE(HuzasAdatbazisOlvasas(regi, g0, nem, "x", ki).sikeres());
    EXPECT_EQ(kerdesek, 2);

    // Any Keno file into any Keno game.
    TTombInt1D keno = Sor(g12, 1, 2019, 1, {});
    for (int i = 0; i < 20; ++i)
        keno[static_cast<std::size_t>(3 + i)] = i + 1;
    EXPECT_TRUE(HuzasAdatbazisOlvasas(AdatbazisKep(TTombInt2D{keno}, g12, kTesztVerzio), g8, nem, "x", ki).sikeres());
    EXPECT_EQ(kerdesek, 2);
}

TEST(DatabaseFile, YearAndWeekCorrectedOnlyInTheProgramDatabase)
{
    GameParams g = Jatek(0);
    const TTombInt2D sorok = {Sor(g, 1, 2020, 52, {1, 2, 3, 4, 5}), Sor(g, 2, 2021, 53, {1, 2, 3, 4, 5}),
                              Sor(g, 3, 2021, 52, {1, 2, 3, 4, 5}), Sor(g, 4, 2021, 1, {1, 2, 3, 4, 5})};
    const auto kep = AdatbazisKep(sorok, g, kTesztVerzio);
    BetoltottAdatbazis ki;
    ASSERT_TRUE(HuzasAdatbazisOlvasas(kep, g, {true, {}}, "x", ki).sikeres());
    EXPECT_EQ(ki.Tabla.Huzasok[1][2], 1);     // week 53 of the next year becomes week 1
    EXPECT_EQ(ki.Tabla.Huzasok[3][1], 2022);  // week 1 after week 52 of the same year: next year
    ASSERT_TRUE(HuzasAdatbazisOlvasas(kep, g, {false, {}}, "x", ki).sikeres());
    EXPECT_EQ(ki.Tabla.Huzasok, sorok);

    // A second week-1 draw after one moved into the next year follows it; a
    // week-1 draw two or more years behind its predecessor is no year end.
    const TTombInt2D tovabb = {Sor(g, 1, 2021, 52, {1, 2, 3, 4, 5}), Sor(g, 2, 2021, 1, {1, 2, 3, 4, 5}),
                               Sor(g, 3, 2021, 1, {1, 2, 3, 4, 5}), Sor(g, 4, 2793, 1, {1, 2, 3, 4, 5}),
                               Sor(g, 5, 2791, 1, {1, 2, 3, 4, 5})};
    ASSERT_TRUE(HuzasAdatbazisOlvasas(AdatbazisKep(tovabb, g, kTesztVerzio), g, {true, {}}, "x", ki).sikeres());
    std::vector<std::int32_t> evek;
    for (const TTombInt1D& sor : ki.Tabla.Huzasok)
        evek.push_back(sor[1]);
    EXPECT_EQ(evek, (std::vector<std::int32_t>{2021, 2022, 2022, 2793, 2791}));
}

// The correction may change a file once, on its first load; from then on
// loading and saving keeps the bytes. Generated databases with year ends,
// repeated weeks and years that go back and forth.
TEST(DatabaseFile, YearCorrectionIsStableOverLoadAndSave)
{
    GameParams g = Jatek(0);
    std::mt19937 rnd(20260);
    const std::int32_t hetek[] = {1, 1, 2, 26, 51, 52, 52, 53};
    int betoltve = 0, valtozott = 0;
    for (int db = 0; db < 400; ++db) {
        SCOPED_TRACE(db);
        TTombInt2D sorok;
        std::int32_t ev = 1901 + static_cast<std::int32_t>(rnd() % 8000);
        const int n = 2 + static_cast<int>(rnd() % 30);
        for (int i = 0; i < n; ++i) {
            const std::int32_t lepes[] = {0, 0, 0, 1, 1, -1, -2, 3, -700};
            ev = std::clamp(ev + lepes[rnd() % std::size(lepes)], 1901, 9990);
            sorok.push_back(Sor(g, i + 1, ev, hetek[rnd() % std::size(hetek)], {1, 2, 3, 4, 5}));
        }
        const auto eredeti = AdatbazisKep(sorok, g, kTesztVerzio);
        BetoltottAdatbazis a, b;
        if (!HuzasAdatbazisOlvasas(eredeti, g, {true, {}}, "x", a).sikeres())
            continue;
        ++betoltve;
        const auto elso = AdatbazisKep(a.Tabla, g, kTesztVerzio);
        valtozott += elso != eredeti;
        ASSERT_TRUE(HuzasAdatbazisOlvasas(elso, g, {true, {}}, "x", b).sikeres());
        const auto masodik = AdatbazisKep(b.Tabla, g, kTesztVerzio);
        ASSERT_EQ(masodik, elso);
    }
    // The generator reaches both kinds of file.
    EXPECT_GT(betoltve, 300);
    EXPECT_GT(valtozott, 50);
}

TEST(DatabaseFile, OlderRecordLayout)
{
    GameParams g = Jatek(0);
    BinWriter w;
    IrHuzFejlec(w, THuzFejlec{THuzVerzio{1, 9, 0}, 0});
    w.i32(12345);  // ignored
    w.i32(1);
    w.u16(1999);
    w.u8(33);
    const std::uint8_t szamok[17] = {5, 10, 20, 40, 80, 99, 99};  // bytes past the draw are not taken
    w.bytes(szamok, sizeof szamok);
    BetoltottAdatbazis ki;
    ASSERT_TRUE(HuzasAdatbazisOlvasas(w.data(), g, {}, "x", ki).sikeres());
    EXPECT_EQ(ki.Tabla.Huzasok[0], (TTombInt1D{1, 1999, 33, 5, 10, 20, 40, 80}));
}

TEST(DatabaseFile, PrivateKenoFileSetsDrawSizeOnlyWhenLoaded)
{
    testing::TempDir dir;
    GameParams g = Jatek(8);
    TTombInt1D tiz{1, 2023, 4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    GameParams g10 = g;
    SorsolasMeretBeallitas(g10, 10, 10);
    const std::string jo = dir.file("jo.pdb");
    testing::Ir(jo, AdatbazisKep(TTombInt2D{tiz}, g10, kTesztVerzio));
    DrawsState d;
    ASSERT_TRUE(HuzasokBe(d, g, jo, {false, {}}).sikeres());
    EXPECT_EQ(g.HuzottSzamok, 10);
    EXPECT_EQ(d.Huzasok[0], tiz);

    // A broken private file keeps the table and the draw size loaded before.
    TTombInt1D rossz = tiz;
    rossz.resize(3 + 12);
    rossz[13] = 11;
    rossz[14] = 11;
    GameParams g12 = g;
    SorsolasMeretBeallitas(g12, 12, 12);
    const std::string hibas = dir.file("hibas.pdb");
    testing::Ir(hibas, AdatbazisKep(TTombInt2D{rossz}, g12, kTesztVerzio));
    const BetoltesEredmeny r = HuzasokBe(d, g, hibas, {false, {}});
    EXPECT_EQ(r.Uzenet, "1. húzás azonos számokat tartalmaz.");
    EXPECT_EQ(g.HuzottSzamok, 10);
    EXPECT_EQ(d.Huzasok[0], tiz);

    // The program database keeps the game's size (20), and ten numbers pass.
    GameParams gp = Jatek(8);
    DrawsState dp;
    ASSERT_TRUE(HuzasokBe(dp, gp, jo, {true, {}}).sikeres());
    EXPECT_EQ(gp.HuzottSzamok, 20);
    EXPECT_EQ(dp.Oszlopszam, 23);
}

TEST(DatabaseFile, FailedSaveLeavesOldFile)
{
    testing::TempDir dir;
    GameParams g = Jatek(0);
    DrawsState d;
    SetHuzasok(d, 1, 8);
    d.Huzasok[0] = Sor(g, 1, 2019, 1, {1, 2, 3, 4, 5});
    EXPECT_FALSE(AdatbazisMentese(d, g, dir.file("nincs/ilyen/mappa.ldb"), kTesztVerzio));
    EXPECT_GE(HuzasIroVerzio().Osszetett(), 2660);
}

TEST(DrawsTable, CountsNumberRowsAndBonusRows)
{
    GameParams g = Jatek(4);  // two drawings with a bonus each
    DrawsState d;
    SetHuzasok(d, 3, g.HuzottSzamok + 3);
    d.Huzasok[0] = Sor(g, 1, 2020, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    d.Huzasok[1] = Sor(g, 2, 2020, 2, {1, 2, 3, 4, 5, 6, 7});
    d.Huzasok[2] = Sor(g, 3, 2020, 3, {1, 2, 3, 4, 5, 6, 0});
    EXPECT_FALSE(GetDbTaroltSzamsor(d, g, 1, 3));  // nothing loaded
    d.AdatbazisBetoltve = true;
    ASSERT_TRUE(GetDbTaroltSzamsor(d, g, 1, 3));
    EXPECT_EQ(d.TaroltSzamsorDb, 4);
    EXPECT_EQ(d.PluszSzamosDb, 3);
    EXPECT_FALSE(GetDbTaroltSzamsor(d, g, 2, 4));
    FinalizeHuzasok(d);
    EXPECT_EQ(d.HuzasokSzama, 0);
    EXPECT_FALSE(d.AdatbazisBetoltve);
}

}  // namespace
}  // namespace kvx
