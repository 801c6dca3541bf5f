#include "conditions/number_set_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "conditions/markers.h"

#include "tickets/tickets_fixture.h"

namespace kvx {
namespace {

using teszt::bajtok;
using teszt::jatek;

std::size_t blokkEltolas(const char* nev)
{
    for (const auto& e : kFeltetelBlokk)
        if (std::strcmp(e.Nev, nev) == 0) return e.Eltolas;
    ADD_FAILURE() << nev;
    return 0;
}

// Every record of the block set to something other than its reset value,
// counts and codes within range.
FeltetelRekordok mindenFeltetel(const GameParams& g)
{
    FeltetelRekordok f;
    FeltetelekRekordokReset(f, g);
    f.FavFeltetel = {1, {}, 1, 3, 0, 2};
    f.MobFeltetel = {1, {}, 3, 2};
    f.FixFeltetel = {1, {}, 4, 3};
    f.SzcsParosFeltetel = {1, {}, 1, 4, 0, {}};
    f.SzcsIsmetFeltetel = {1, 1, {}, 0, 2, 1, {}};
    auto& ta = f.TalalatiAranyFeltetel;
    ta.Allapot = 1;
    ta.DbTartomany = 2;
    ta.AktTartomany = 0;  // the reader resets the edited range
    ta.Tipus = {1, 0};
    ta.TalalatMax[1] = 3;
    ta.ElsoHuzas[1] = 5;
    ta.UtolsoHuzas[1] = 40;
    ta.Forras = 1;
    f.SzvParosFeltetel = {1, {}, 2, 3, 0, {}};
    f.SzvIsmetFeltetel = {1, 0, {}, 1, 3, 0, {}};
    f.OsszegFeltetel = {1, {}, 100, 200};
    f.IkerszamFeltetel = {1, {}, 0, 1};
    f.TukorszamFeltetel = {1, {}, 0, 2};
    f.SzorasFeltetel.Allapot = 1;
    f.SzorasFeltetel.Min = 10.5f;
    f.SzorasFeltetel.Max = 30.25f;
    f.TerjedelemFeltetel = {1, 1, {}, 2, 6, 1, {}, 20, 80};
    f.PrimszamFeltetel = {1, {}, 1, 2};
    f.SzamcsoportokFeltetel.Allapot = 1;
    f.SzamcsoportokFeltetel.Db = 2;
    f.SzamcsoportokFeltetel.Csoport[0] = {1, 3, 0, 2, 0};
    f.SzamcsoportokFeltetel.Csoport[1] = {4, 6, 1, 3, 0};
    f.SzomszedosFeltetel.Allapot = 1;
    f.SzomszedosFeltetel.Alt = 1;
    f.SzomszedosFeltetel.SzomszedMin = 2;
    f.SzomszedosFeltetel.SzomszedMax = 3;
    f.SzomszedosFeltetel.Tartalek[5] = 9;
    f.TalArAdatbazisTipus = 0;
    f.AllandoFeltetel = {1, {}, 0, 1};
    for (TTetelesFeltetel* t : {&f.SzamcsoportTetelesFeltetel, &f.SzamvegzodesTetelesFeltetel, &f.SzJTetelesFeltetel}) {
        t->Allapot = 1;
        t->Db = 2;
        t->Tetel[0] = {1, 0, 2, 7};
        t->Tetel[1] = {9, 1, 1, 0};
    }
    f.SorozatFeltetel.Allapot = 1;
    f.SorozatFeltetel.DbMinta = 1;
    f.SorozatFeltetel.Minta[0] = {0, 2, 1, 2, 1};
    f.SorozatFeltetel.MintaDbMax = 2;
    f.SzJParosFeltetel = {1, {}, 2, 5};
    f.SzJIsmetFeltetel = {1, 1, {}, 1, 2, 1, {}};
    f.SzamkeszletFeltetel.Allapot = 1;
    for (std::size_t p = 0; p < 5; ++p) {
        f.SzamkeszletFeltetel.Elso[p] = static_cast<std::int32_t>(p + 1);
        f.SzamkeszletFeltetel.Utolso[p] = static_cast<std::int32_t>(p + 2);
    }
    f.SzamkeszletFeltetel.Elso[10] = 7;
    auto& ss = f.SzamsorokFeltetel;
    ss.Allapot = 1;
    ss.Tartomany = 1;
    ss.DbTartomany = 2;
    ss.Osztas = {3, 4};
    ss.Elso = {1, 100};
    ss.Utolso = {50, 2000};
    ss.Sorozat = 1;
    ss.DbMinta = 1;
    ss.MintaOsztas[0] = 5;
    ss.MintaErtek[0] = 12;
    f.Hibapont = 1;
    f.FeltetelJelzo = true;
    return f;
}

struct Allapot {
    explicit Allapot(int index = 0) : g(jatek(index))
    {
        ListakInicializalasa(l, g, ms);
        FeltetelekRekordokReset(f, g);
    }
    SzamsorOlvasasKornyezet env() const
    {
        SzamsorOlvasasKornyezet e;
        e.Jatek = &g;
        e.Feltetelek = &f;
        e.ProgramVerzioSzam = SzamsorFajlVerzioSzam();
        e.AdatbazisBetoltve = true;
        e.AdatbazisTipus = true;
        e.HuzasokSzama = 1000;
        return e;
    }
    GameParams g;
    SzamListak l;
    MainState ms;
    FeltetelRekordok f;
};

// A full number set of game 0 (5 of 90): 6 selected numbers, 1 constant, 1 random.
SzamsorKep teljesKep(const GameParams& g)
{
    SzamsorKep k;
    k.Verzio = ProgramVerzio();
    k.LottoIndex = g.LottoIndex;
    k.VariacioMeret = 5;
    k.KijeloltSzamok = bajtok({12, 7, 88, 3, 45, 61});
    k.AllandoSzamok = bajtok({45});
    k.VeletlenSzamok = bajtok({61});
    k.SzamsorrendMod = 2;
    k.Hibapont = 1;
    k.FeltetelJelzo = 1;
    k.Feltetelek = mindenFeltetel(g);
    k.Opciok = {1, 1, 1};
    return k;
}

std::vector<std::uint8_t> iras(const SzamsorKep& k)
{
    BinWriter w;
    SzamsorKepIras(w, k);
    return w.data();
}

void i32At(std::vector<std::uint8_t>& d, std::size_t at, std::int32_t v)
{
    for (int i = 0; i < 4; ++i) d[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

TEST(NumberSetFile, RoundTripIsByteIdenticalAndKeepsEveryValue)
{
    Allapot a;
    const SzamsorKep k = teljesKep(a.g);
    const auto elso = iras(k);
    ASSERT_EQ(elso.size(), kSzamsorKepAlapMeret + 6 + 0 + 1 + 1);

    const auto r = SzamsorKepOlvasas(elso, "x.tip", a.env());
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(r.Vege, elso.size());
    EXPECT_EQ(r.VariacioVerzio, VerzioSzovegErtek(SzamsorFajlVerzio()));
    EXPECT_TRUE(r.Figyelmeztetesek.size() == 1);  // database kind differs (file: user database)
    EXPECT_EQ(r.Kep.KijeloltSzamok, k.KijeloltSzamok);
    EXPECT_EQ(r.Kep.AllandoSzamok, k.AllandoSzamok);
    EXPECT_EQ(r.Kep.VeletlenSzamok, k.VeletlenSzamok);
    EXPECT_EQ(r.Kep.SzamsorrendMod, 2);
    EXPECT_EQ(r.Kep.Hibapont, 1);
    EXPECT_EQ(r.Kep.Opciok, k.Opciok);
    EXPECT_EQ(r.Kep.Feltetelek.SzamsorokFeltetel, k.Feltetelek.SzamsorokFeltetel);
    EXPECT_EQ(r.Kep.Feltetelek.SzorasFeltetel, k.Feltetelek.SzorasFeltetel);
    EXPECT_TRUE(r.Kep.Feltetelek.SorozatSorrend);

    // Applied and written again from the program's state: the same bytes.
    SzamsorKepAlkalmazas(r.Kep, a.l, a.g, a.ms, a.f);
    const auto masodik = iras(SzamsorKepKeszites(a.l, a.g, a.f, 2, r.Kep.Opciok));
    EXPECT_EQ(masodik, elso);
}

TEST(NumberSetFile, TicketPartEndsWhereTheVariationBodyBegins)
{
    Allapot a;
    auto d = iras(teljesKep(a.g));
    const std::size_t vege = d.size();
    d.insert(d.end(), {1, 2, 3, 4});
    const auto r = SzamsorKepOlvasas(d, "x.top", a.env());
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.Vege, vege);
}

TEST(NumberSetFile, ExtraPoolNumbersGoToTheEnd)
{
    Allapot a(24);  // 5 from 50 + 2 from 12
    SzamsorKep k;
    k.LottoIndex = 24;
    k.VariacioMeret = 7;
    k.KijeloltSzamok = bajtok({51, 3, 52, 9, 17, 30, 44});
    k.Feltetelek = a.f;
    const auto r = SzamsorKepOlvasas(iras(k), "e.tip", a.env());
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    SzamsorKepAlkalmazas(r.Kep, a.l, a.g, a.ms, a.f);
    EXPECT_EQ(a.l.KijeloltSzamok, bajtok({3, 9, 17, 30, 44, 51, 52}));
    EXPECT_EQ(a.l.KijeloltPluszSzamDb, 2);
    EXPECT_EQ(a.l.VariacioFoMeret, 5);
}

// ---- Files of older versions, built field by field -------------------------

struct RegiFajl {
    BinWriter w;
    RegiFajl(int ma, int mi, int re, int bu, int jatekMezo, int meret, TTombByte1D kijelolt, int hibapont, int jelzo)
    {
        w.i32(ma);
        w.i32(mi);
        w.i32(re);
        w.i32(bu);
        w.i32(jatekMezo);
        w.i32(meret);
        w.i32(static_cast<std::int32_t>(kijelolt.size()));
        w.bytes(kijelolt.data(), kijelolt.size());
        w.i32(0);  // fixed
        w.i32(0);  // constant
        w.i32(1);  // order
        w.i32(hibapont);
        w.u8(static_cast<std::uint8_t>(jelzo));
    }
    void rekord(std::size_t n, std::initializer_list<std::pair<std::size_t, std::int32_t>> i32s,
                std::initializer_list<std::pair<std::size_t, std::uint8_t>> u8s = {})
    {
        std::vector<std::uint8_t> b(n, 0);
        for (auto [o, v] : i32s)
            for (int i = 0; i < 4; ++i) b[o + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
        for (auto [o, v] : u8s) b[o] = v;
        w.bytes(b);
    }
    std::vector<std::uint8_t> kesz() const { return w.data(); }
};

TEST(NumberSetFile, Version1999StoresGamePlusFiveAndTheOldBlock)
{
    Allapot a;
    RegiFajl f(1, 9, 9, 9, 5, 5, bajtok({1, 2, 3, 4, 5, 6, 7}), 0, 1);
    // 212-byte block: error points 1, favourites 2..4 at most 1 hit, Összeg 90..150,
    // Találati arány selected, range searched 0..2 hits.
    f.rekord(212, {{8, 2}, {12, 4}, {16, 0}, {20, 1}, {96, 0}, {100, 2}, {156, 90}, {160, 150}},
             {{0, 1}, {4, 1}, {92, 1}, {93, 1}, {152, 1}});
    f.w.i32(10);  // hit-ratio draws
    f.w.i32(20);
    f.w.i32(0);   // random numbers (1.2.3.0 and later)
    f.w.u8(1);    // frequency option (1.3.1.0 and later)
    const auto r = SzamsorKepOlvasas(f.kesz(), "old.tip", a.env());
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(r.Kep.LottoIndex, 0);
    EXPECT_EQ(r.AllomanyVerzioSzam, 1999);
    EXPECT_EQ(r.Kep.Hibapont, 1);
    const auto& c = r.Kep.Feltetelek;
    EXPECT_EQ(c.FavFeltetel, (TFavFeltetel{1, {}, 2, 4, 0, 1}));
    EXPECT_EQ(c.OsszegFeltetel, (TMinMaxFeltetel{1, {}, 90, 150}));
    EXPECT_EQ(c.TalalatiAranyFeltetel.DbTartomany, 1);
    EXPECT_EQ(c.TalalatiAranyFeltetel.TalalatMax[0], 2);
    EXPECT_EQ(c.TalalatiAranyFeltetel.ElsoHuzas[0], 10);
    EXPECT_EQ(c.TalalatiAranyFeltetel.UtolsoHuzas[0], 20);
    EXPECT_EQ(r.Kep.Opciok.GyakorisagiEloszlas, 1);
    EXPECT_EQ(r.Vege, f.kesz().size());

    // The same file with a stored game below 5 is refused.
    auto d = f.kesz();
    i32At(d, 16, 4);
    const auto r2 = SzamsorKepOlvasas(d, "old.tip", a.env());
    EXPECT_FALSE(r2.Ok);
    EXPECT_EQ(r2.Hiba, "A játék kódja érvénytelen tartományba esik.");
    EXPECT_EQ(r2.Uzenet, "1.9.9.9 verzió állománya\r\n\r\nA játék kódja érvénytelen tartományba esik.\r\n\r\nold.tip");
}

// 2.4.0.0: even/odd mirrored, 12-byte repetition, 188-byte hit ratio, old
// spread, 56-byte neighbours; no itemised records.
std::vector<std::uint8_t> fajl2400(std::int32_t parosMin = 1, std::int32_t parosMax = 3)
{
    RegiFajl f(2, 4, 0, 0, 0, 5, bajtok({1, 2, 3, 4, 5, 6, 7}), 0, 1);
    f.w.u8(0);                                               // error points byte
    f.rekord(20, {});                                        // Fav
    f.rekord(12, {});                                        // Mob
    f.rekord(12, {});                                        // Fix
    f.rekord(16, {{4, parosMin}, {8, parosMax}}, {{0, 1}});  // SzcsParos, marker 0
    f.rekord(12, {{4, 1}, {8, 2}}, {{0, 1}, {1, 1}});        // SzcsIsmet old
    f.rekord(188, {{24, 1}, {64, 4}, {108, 3}, {148, 9}}, {{0, 0}, {12, 1}, {104, 1}});  // TalalatiArany old 2
    f.rekord(16, {{4, 2}, {8, 2}}, {{0, 1}, {12, 1}});       // SzvParos, marker 1: as it stands
    f.rekord(12, {{4, 0}, {8, 1}});                          // SzvIsmet old
    f.rekord(12, {});                                        // Osszeg
    f.rekord(12, {});                                        // Iker
    f.rekord(12, {});                                        // Tukor
    f.rekord(12, {}, {{0, 1}});                              // Szoras (new since 2.0.1.7)
    f.rekord(12, {{4, 2}, {8, 6}}, {{0, 1}});                // Terjedelem old
    f.rekord(12, {});                                        // Primszam
    f.rekord(208, {{4, 1}, {8, 1}, {12, 2}}, {{0, 1}});      // Szamcsoportok
    f.rekord(56, {{4, 3}, {12, 2}, {20, 4}}, {{0, 1}, {2, 0}, {8, 1}, {17, 1}});  // Szomszedos old
    f.w.u8(0);                                               // TalArAdatbazisTipus
    f.rekord(12, {{4, 1}, {8, 1}}, {{0, 1}});                // Allando
    f.w.i32(0);                                              // random numbers
    f.w.u8(0);                                               // frequency
    f.w.zeros(31);                                           // marker
    f.w.u8(1);                                               // optimised
    return f.kesz();
}

TEST(NumberSetFile, Version2400ConvertsTheOldRecords)
{
    Allapot a;
    a.f.SzamcsoportTetelesFeltetel.Db = 3;  // a record the file does not hold keeps its value
    const auto d = fajl2400();
    const auto r = SzamsorKepOlvasas(d, "2400.tip", a.env());
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    const auto& c = r.Kep.Feltetelek;
    // Mirrored even/odd limits keep Min <= Max: k = 5, old 1..3 gives 2..4.
    EXPECT_EQ(c.SzcsParosFeltetel.Min, 2);
    EXPECT_EQ(c.SzcsParosFeltetel.Max, 4);
    EXPECT_EQ(c.SzvParosFeltetel.Min, 2);
    EXPECT_EQ(c.SzcsIsmetFeltetel, (TIsmetFeltetel{1, 1, {}, 1, 2, 0, {}}));
    EXPECT_EQ(c.TalalatiAranyFeltetel.Tipus[0], 1);
    EXPECT_EQ(c.TalalatiAranyFeltetel.TalalatMin[0], 1);
    EXPECT_EQ(c.TalalatiAranyFeltetel.TalalatMax[0], 4);
    EXPECT_EQ(c.TalalatiAranyFeltetel.Forras, 1);
    EXPECT_EQ(c.TalalatiAranyFeltetel.ElsoHuzas[0], 3);
    EXPECT_EQ(c.TalalatiAranyFeltetel.UtolsoHuzas[0], 9);
    EXPECT_EQ(c.TerjedelemFeltetel.Fix, 1);
    EXPECT_EQ(c.TerjedelemFeltetel.FixMax, 6);
    EXPECT_EQ(c.SzomszedosFeltetel.SzomszedMin, 2);  // old flag 0: default 2
    EXPECT_EQ(c.SzomszedosFeltetel.SzomszedMax, 3);
    EXPECT_EQ(c.SzomszedosFeltetel.EsetMin, 2);
    EXPECT_EQ(c.SzomszedosFeltetel.Mob, 1);
    EXPECT_EQ(c.SzomszedosFeltetel.MobMeret, 4);
    EXPECT_EQ(c.TalArAdatbazisTipus, 0);
    EXPECT_EQ(c.AllandoFeltetel.Max, 1);
    EXPECT_EQ(c.SzamcsoportTetelesFeltetel.Db, 3);
    EXPECT_EQ(r.Kep.Opciok.Optimalizalt, 1);
    EXPECT_EQ(r.Vege, d.size());
    ASSERT_EQ(r.Figyelmeztetesek.size(), 1u);
    EXPECT_NE(r.Figyelmeztetesek[0].find("A 2.4.0.0 verzió állományát tölti be."), std::string::npos);
}

// A refused file older than 2.0 whose conditions were on with the hit ratio
// among them says that its condition settings are gone; no other refusal
// says so.
TEST(NumberSetFile, RefusedOldFileWithTheHitRatioOnSaysItsConditionsAreGone)
{
    struct Eset {
        const char* nev;
        int jelzo;          // the file's conditions flag
        std::uint8_t talAr; // the old block's hit-ratio flag
        int hibapont;       // error points in the old block
        std::int32_t elso;  // first hit-ratio draw
        const char* hiba;
        bool megjegyzes;
    };
    const char* huzas = "Találati arány - Húzások száma érvénytelen tartományba esik.";
    const char* pontHiba = "A hibapont értéke érvénytelen tartományba esik.";
    const Eset esetek[] = {
        {"draw range, hit ratio on", 1, 1, 0, 0, huzas, true},
        {"error points, hit ratio on", 1, 1, 9, 10, pontHiba, true},
        {"conditions off", 0, 1, 0, 0, huzas, false},
        {"hit ratio off", 1, 0, 0, 0, huzas, false},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        Allapot a;
        RegiFajl f(1, 9, 9, 9, 5, 5, bajtok({1, 2, 3, 4, 5, 6, 7}), 0, e.jelzo);
        f.rekord(212, {{96, 0}, {100, 2}}, {{0, static_cast<std::uint8_t>(e.hibapont)}, {92, e.talAr}, {93, 1}});
        f.w.i32(e.elso);
        f.w.i32(20);
        f.w.i32(0);
        f.w.u8(0);
        const auto r = SzamsorKepOlvasas(f.kesz(), "old.tip", a.env());
        ASSERT_FALSE(r.Ok);
        EXPECT_EQ(r.Hiba, e.hiba);
        EXPECT_EQ(r.Uzenet, std::string("1.9.9.9 verzió állománya\r\n\r\n") + e.hiba +
                                (e.megjegyzes ? "\r\nA feltételek beállításai törlésre kerültek." : "") +
                                "\r\n\r\nold.tip");
    }
    // A newer file is refused plainly, whatever an old file left in the
    // program's records before.
    Allapot a;
    a.f.RegiFeltetelek[92] = 1;
    auto d = fajl2400();
    i32At(d, d.size() - 37, 999);  // random numbers
    const auto r = SzamsorKepOlvasas(d, "2400.tip", a.env());
    ASSERT_FALSE(r.Ok);
    EXPECT_EQ(r.Uzenet, "2.4.0.0 verzió állománya\r\n\r\nA véletlen számok mennyisége érvénytelen tartományba esik."
                        "\r\n\r\n2400.tip");
}

// Old even/odd limits are mirrored only when they fit a line of k = 5
// numbers; others are refused before the conversion could overflow.
TEST(NumberSetFile, Version2400EvenOddLimitsOutsideTheLineAreRefused)
{
    Allapot a;
    const struct {
        std::int32_t min, max;
        bool jo;
    } esetek[] = {
        {0, 5, true}, {5, 5, true}, {0, 0, true},
        {-1, 3, false}, {1, 6, false}, {INT32_MIN, 3, false}, {1, INT32_MIN, false}, {INT32_MAX, 3, false},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(std::to_string(e.min) + ".." + std::to_string(e.max));
        const auto r = SzamsorKepOlvasas(fajl2400(e.min, e.max), "2400.tip", a.env());
        EXPECT_EQ(r.Ok, e.jo);
        if (e.jo) {
            EXPECT_EQ(r.Kep.Feltetelek.SzcsParosFeltetel.Min, 5 - e.max);
            EXPECT_EQ(r.Kep.Feltetelek.SzcsParosFeltetel.Max, 5 - e.min);
        } else {
            EXPECT_EQ(r.HibaFajta, SzamsorHiba::Tartomany);
            EXPECT_EQ(r.Hiba, kErvenytelenAltalanos);
        }
    }
}

TEST(NumberSetFile, Version2300ReadsTheShortHitRatioRecord)
{
    Allapot a;
    RegiFajl f(2, 3, 0, 0, 0, 5, bajtok({1, 2, 3, 4, 5, 6}), 2, 0);
    f.w.u8(2);
    f.rekord(20, {}), f.rekord(12, {}), f.rekord(12, {});
    f.rekord(16, {}, {{12, 1}});
    f.rekord(12, {});
    f.rekord(24, {{4, 1}, {8, 3}, {16, 7}, {20, 8}}, {{0, 1}, {1, 0}, {12, 1}});
    f.rekord(16, {}, {{12, 1}});
    f.rekord(12, {});
    for (int i = 0; i < 3; ++i) f.rekord(12, {});
    f.rekord(12, {});                 // Szoras
    f.rekord(12, {});                 // Terjedelem old
    f.rekord(12, {});                 // Primszam
    f.rekord(208, {});                // Szamcsoportok
    f.w.i32(0);
    f.w.u8(0);
    f.w.zeros(31);
    f.w.u8(0);
    const auto d = f.kesz();
    const auto r = SzamsorKepOlvasas(d, "2300.tip", a.env());
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(r.Kep.Hibapont, 2);
    const auto& t = r.Kep.Feltetelek.TalalatiAranyFeltetel;
    EXPECT_EQ(t.Allapot, 1);
    EXPECT_EQ(t.Tipus[0], 0);
    EXPECT_EQ(t.TalalatMax[0], 3);
    EXPECT_EQ(t.ElsoHuzas[0], 7);
    EXPECT_EQ(t.UtolsoHuzas[0], 8);
    EXPECT_EQ(r.Kep.Feltetelek.TalArAdatbazisTipus, 1);
    EXPECT_EQ(r.Vege, d.size());
}

// ---- Damaged files ----------------------------------------------------------

TEST(NumberSetFile, EveryCutIsRefusedAsAnInvalidSize)
{
    Allapot a;
    const auto d = iras(teljesKep(a.g));
    const auto d2400 = fajl2400();
    for (const auto* teljes : {&d, &d2400}) {
        for (std::size_t n = 0; n < teljes->size(); ++n) {
            std::vector<std::uint8_t> c(teljes->begin(), teljes->begin() + static_cast<std::ptrdiff_t>(n));
            const auto r = SzamsorKepOlvasas(c, "cut.tip", a.env());
            ASSERT_FALSE(r.Ok) << n;
            ASSERT_EQ(r.HibaFajta, SzamsorHiba::Meret) << n;
            ASSERT_EQ(r.Uzenet, "Érvénytelen méretű állomány.\r\n\r\ncut.tip");
        }
    }
}

TEST(NumberSetFile, BadValuesAreRefusedWithTheirMessage)
{
    Allapot a;
    const SzamsorKep jo = teljesKep(a.g);
    // Offsets in the file of teljesKep: 6 selected, 0 fixed, 1 constant, 1 random.
    constexpr std::size_t kKijelolt = 28, kFixDb = 34, kAllandoDb = 38, kAllando = 42, kSorrend = 43,
                          kHibapont = 47, kBlokk = 53, kVeletlenDb = kBlokk + 2037, kVeletlen = kVeletlenDb + 4;
    struct Eset {
        const char* nev;
        std::function<void(std::vector<std::uint8_t>&)> ront;
        const char* uzenet;
    };
    const char* const meret = "A számsoronként variált számok mennyisége érvénytelen tartományba esik.";
    const char* const ervenytelen = kErvenytelenAltalanos;
    const std::vector<Eset> esetek = {
        {"version part 11", [](auto& d) { i32At(d, 0, 11); }, "A verzió száma érvénytelen tartományba esik."},
        {"version part -1", [](auto& d) { i32At(d, 12, -1); }, "A verzió száma érvénytelen tartományba esik."},
        {"game 44", [](auto& d) { i32At(d, 16, 44); }, "A játék kódja érvénytelen tartományba esik."},
        {"game -1", [](auto& d) { i32At(d, 16, -1); }, "A játék kódja érvénytelen tartományba esik."},
        {"size 0", [](auto& d) { i32At(d, 20, 0); }, meret},
        {"size 6", [](auto& d) { i32At(d, 20, 6); }, meret},
        {"size 1 (one varied number)", [](auto& d) { i32At(d, 20, 1); }, meret},
        {"selected 2", [](auto& d) { i32At(d, 24, 2); }, "A variációra kijelölt számok mennyisége érvénytelen tartományba esik."},
        {"selected 91", [](auto& d) { i32At(d, 24, 91); }, "A variációra kijelölt számok mennyisége érvénytelen tartományba esik."},
        {"selected huge", [](auto& d) { i32At(d, 24, 0x7fffffff); }, "A variációra kijelölt számok mennyisége érvénytelen tartományba esik."},
        {"selected number 0", [](auto& d) { d[kKijelolt] = 0; }, "Az egyik variációra kijelölt szám érvénytelen tartományba esik."},
        {"selected number 91", [](auto& d) { d[kKijelolt + 1] = 91; }, "Az egyik variációra kijelölt szám érvénytelen tartományba esik."},
        {"selected twice", [](auto& d) { d[kKijelolt + 1] = d[kKijelolt]; }, "Az egyik variációra kijelölt szám érvénytelen tartományba esik."},
        {"fixed count", [](auto& d) { i32At(d, kFixDb, 2); }, "A fix számok mennyisége érvénytelen tartományba esik."},
        {"fixed count INT_MAX", [](auto& d) { i32At(d, kFixDb, INT32_MAX); }, "A fix számok mennyisége érvénytelen tartományba esik."},
        {"fixed count INT_MIN", [](auto& d) { i32At(d, kFixDb, INT32_MIN); }, "A fix számok mennyisége érvénytelen tartományba esik."},
        {"constant count -1", [](auto& d) { i32At(d, kAllandoDb, -1); }, "Az állandó számok mennyisége érvénytelen tartományba esik."},
        {"constant not selected", [](auto& d) { d[kAllando] = 90; }, "Az egyik állandó szám érvénytelen tartományba esik."},
        {"order 4", [](auto& d) { i32At(d, kSorrend, 4); }, "A számsorrendet leíró kód érvénytelen tartományba esik."},
        {"error points 6", [](auto& d) { i32At(d, kHibapont, 6); }, "A hibapont értéke érvénytelen tartományba esik."},
        {"hit-ratio ranges 11", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("TalalatiAranyFeltetel") + 4, 11); }, ervenytelen},
        {"current pattern 10", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamsorokFeltetel") + 264, 10); }, ervenytelen},
        {"group count 11", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamcsoportokFeltetel") + 4, 11); }, ervenytelen},
        {"group index past the selection", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamcsoportokFeltetel") + 12, 7); }, ervenytelen},
        {"favourite index 0", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("FavFeltetel") + 4, 0); }, ervenytelen},
        {"pool position past the selection", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamkeszletFeltetel") + 8, 7); }, ervenytelen},
        {"fixed spread range past the selection", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("TerjedelemFeltetel") + 8, 7); }, ervenytelen},
        {"item code 10", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzJTetelesFeltetel") + 8, 10); }, ervenytelen},
        {"item count -1", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamvegzodesTetelesFeltetel") + 4, -1); }, ervenytelen},
        {"pattern count 11", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SorozatFeltetel") + 4, 11); }, ervenytelen},
        {"line ranges 12", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamsorokFeltetel") + 16, 12); }, ervenytelen},
        {"divisor index -1", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamsorokFeltetel") + 128, -1); }, ervenytelen},
        {"pattern divisor index", [&](auto& d) { i32At(d, kBlokk + blokkEltolas("SzamsorokFeltetel") + 328, 5000); }, ervenytelen},
        {"random count 91", [](auto& d) { i32At(d, kVeletlenDb, 91); }, "A véletlen számok mennyisége érvénytelen tartományba esik."},
        {"random not selected", [](auto& d) { d[kVeletlen] = 89; }, "Az egyik véletlen szám érvénytelen tartományba esik."},
        {"random is constant", [](auto& d) { d[kVeletlen] = 45; }, "Az egyik véletlen szám érvénytelen tartományba esik."},
    };
    const auto alap = iras(jo);
    for (const Eset& e : esetek) {
        auto d = alap;
        e.ront(d);
        const auto r = SzamsorKepOlvasas(d, "bad.tip", a.env());
        EXPECT_FALSE(r.Ok) << e.nev;
        EXPECT_EQ(r.Hiba, e.uzenet) << e.nev;
        EXPECT_NE(r.Uzenet.find(e.uzenet), std::string::npos) << e.nev;
    }
}

TEST(NumberSetFile, FileOfAnotherGameIsRefusedWithItsGame)
{
    Allapot a;        // game 0
    Allapot b(1);     // 6 of 45
    SzamsorKep k;
    k.LottoIndex = 1;
    k.VariacioMeret = 6;
    k.KijeloltSzamok = bajtok({1, 2, 3, 4, 5, 6, 7});
    k.Feltetelek = b.f;
    const auto d = iras(k);
    EXPECT_EQ(SzamsorJatekIndex(d), 1);
    const auto r = SzamsorKepOlvasas(d, "g1.tip", a.env());
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.HibaFajta, SzamsorHiba::MasikJatek);
    EXPECT_EQ(r.JatekIndex, 1);
    EXPECT_EQ(r.Uzenet,
              "Nem az aktuális játékhoz tartozó állomány - vagy módosult a játék számkészlete, szabályzata\r\n\r\ng1.tip");
    // Read again under the file's game it loads.
    EXPECT_TRUE(SzamsorKepOlvasas(d, "g1.tip", b.env()).Ok);
}

TEST(NumberSetFile, HitRatioNeedsADatabaseAndAsksWhenTheRangesDoNotFit)
{
    Allapot a;
    const auto d = iras(teljesKep(a.g));  // hit ratio selected, a range up to draw 40
    auto env = a.env();
    env.HuzasokSzama = 30;
    auto r = SzamsorKepOlvasas(d, "t.tip", env);
    ASSERT_TRUE(r.Ok);
    EXPECT_TRUE(r.TalArKerdes);
    TTalalatiAranyFeltetel t = r.Kep.Feltetelek.TalalatiAranyFeltetel;
    TalalatiAranyIllesztes(t, 30);
    EXPECT_EQ(t.ElsoHuzas[1], 5);
    EXPECT_EQ(t.UtolsoHuzas[1], 30);
    // A range beyond the database keeps its last two draws, or the one there is.
    TalalatiAranyIllesztes(t, 3);
    EXPECT_EQ(t.ElsoHuzas[1], 2);
    EXPECT_EQ(t.UtolsoHuzas[1], 3);
    TalalatiAranyIllesztes(t, 1);
    EXPECT_EQ(t.ElsoHuzas[1], 1);
    EXPECT_EQ(t.UtolsoHuzas[1], 1);
    env.AdatbazisBetoltve = false;
    r = SzamsorKepOlvasas(d, "t.tip", env);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.HibaFajta, SzamsorHiba::HianyzoHuzasLista);
}

TEST(NumberSetFile, SaveCheckFindsWhatTheReaderWouldRefuse)
{
    Allapot a;
    SzamsorKep k = teljesKep(a.g);
    EXPECT_EQ(SzamsorKepEllenorzes(k, a.g), "");
    k.KijeloltSzamok = bajtok({1, 2});
    EXPECT_EQ(SzamsorKepEllenorzes(k, a.g), "A variációra kijelölt számok mennyisége érvénytelen tartományba esik.");
}

TEST(NumberSetFile, NewerVersionWarnsAndLoads)
{
    Allapot a;
    auto d = iras(teljesKep(a.g));
    i32At(d, 0, 10);
    auto env = a.env();
    const auto r = SzamsorKepOlvasas(d, "n.tip", env);
    ASSERT_TRUE(r.Ok);
    ASSERT_FALSE(r.Figyelmeztetesek.empty());
    EXPECT_EQ(r.Figyelmeztetesek[0].find("Aktuális verzió: Kavarex Personal "), 0u);
}

}  // namespace
}  // namespace kvx
