// The variation body: the layouts of older versions read through their
// gates, damaged bodies refused with their messages, and a body written,
// read and written again byte for byte.
#include "variation/variation_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <functional>

#include "app/game_table.h"
#include "conditions/number_set_file.h"
#include "conditions/variation_options.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"
#include "conditions/number_set_file.h"
#include "variation/generation_run.h"
#include "variation/line_enumerator.h"
#include "variation/store_jobs.h"

namespace kvx {
namespace {

// A selection of 10 numbers, 5 per line (5/90 without extras).
TorzsOlvasasKornyezet kornyezet()
{
    TorzsOlvasasKornyezet e;
    e.VariacioMeret = 5;
    e.SzamsorHossz = 5;
    e.SzamsorHosszMax = 20;
    e.OsszesSzam = 90;
    e.OsszesSzamMax = 100;
    e.KijeloltSzamDb = 10;
    e.FCsoportFelso = 5;
    e.VariacioFoMeret = 5;
    e.ABSZ = 252;
    return e;
}

// A full staging body with a value in every field.
VariacioTorzs minta()
{
    VariacioTorzs t;
    t.VariacioDatum = 45000.25;
    t.SorHossz = 5;
    t.VariacioMeret = 5;
    t.SzamsorDb = 3;
    t.Sorok = {0, 1, 2, 3, 4, 0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    t.BontSzamGyakorisag = {2, 2, 2, 2, 2, 1, 1, 1, 1, 1};
    t.Import_Count = {2, 3};
    t.BontasBovites = true;
    t.TulirasBont = 1;
    t.TulirasTeteles = 1;
    t.TulirasSorozat = 0;
    t.Tuliras = 3;
    t.TulirasTetelesMin = 4;
    t.TulirasTetelesMax = 9;
    t.TulirasAktMin = 5;
    t.TulirasAktMax = 8;
    t.TulirasSorozatAkt = 6;
    t.BontasPause = true;
    t.PauseSzamsor = {1, 2, 3, 4, 9};
    t.FPauseMenet = 2;
    t.FBontStatus = true;
    t.SzerkesztettVariacio = true;
    t.BontasBefejezetlen = true;
    t.BontasIdotartamNap = 1234.0 / 86400000.0;
    t.FCsoportFelso = 5;
    t.FCsoportIndex = 2;
    t.FCsoportSzamsorok.assign(30, 0);
    for (std::size_t i = 0; i < 30; ++i)
        t.FCsoportSzamsorok[i] = static_cast<std::uint8_t>(i % 10);
    t.FCsoportAktiv = {1, 0, 1, 0, 1, 1};
    t.VeletlenKiserletek = 77;
    t.TeljesultFeltetelekA = 0x8000000000000001ULL;
    t.TeljesultFeltetelekB = 0x55;
    t.OpcioModosulas = true;
    t.VariacioOpciok.Optimalizalas = 1;
    t.VariacioOpciok.Csokkent = 1;
    t.VariacioOpciok.Arany = 7;
    t.VariacioOpciok.OptCiklus = 123456789012LL;
    t.VariacioOpciok.OptVedettSzamsor = 1;
    t.OptLegjobbSzamsorDb = 2;
    t.OptLegjobbSzamsorok = {0, 1, 2, 3, 5, 4, 5, 6, 7, 8};
    t.BefejezetlenVariacio = true;
    return t;
}

// Writes a body the way a program of version v wrote it, field by field,
// with no checks (so a test can also write damaged values).
std::vector<std::uint8_t> regiIras(const VariacioTorzs& t, std::int32_t v, std::int32_t kulonSzamsorDb = -1)
{
    BinWriter w;
    w.i32(v / 1000);
    w.i32(v / 100 % 10);
    w.i32(v / 10 % 10);
    w.i32(v % 10);
    w.i32(kulonSzamsorDb >= 0 ? kulonSzamsorDb : t.SzamsorDb);
    w.f64(t.VariacioDatum);
    w.bytes(t.Sorok);
    if (t.HuzasSzamsorVariacio) {
        w.i32(static_cast<std::int32_t>(t.BontHuzasSorszam.size()));
        for (auto h : t.BontHuzasSorszam) w.i32(h);
    }
    for (auto g : t.BontSzamGyakorisag) w.i32(g);
    if (v < 2000) return w.data();
    w.u8(16);
    w.bytes("Kavarex Personal", 16);
    w.zeros(14);
    if (v <= 2709) w.i32(-5);  // the kept value
    w.i32(static_cast<std::int32_t>(t.Import_Count.size()));
    for (auto b : t.Import_Count) w.i32(b);
    if (v >= 2720) w.boolean(t.BontasBovites);
    w.u8(t.TulirasBont);
    w.u8(t.TulirasTeteles);
    w.u8(t.TulirasSorozat);
    w.i32(t.Tuliras);
    w.i32(t.TulirasTetelesMin);
    w.i32(t.TulirasTetelesMax);
    if (v >= 2741) {
        w.i32(t.TulirasAktMin);
        w.i32(t.TulirasAktMax);
        w.i32(t.TulirasSorozatAkt);
    }
    w.boolean(t.BontasPause);
    w.bytes(t.PauseSzamsor);
    w.i32(t.FPauseMenet);
    if (v < 2710) return w.data();
    w.boolean(t.FBontStatus);
    w.boolean(t.SzerkesztettVariacio);
    if (v >= 2730) w.boolean(t.BontasBefejezetlen);
    w.f64(t.BontasIdotartamNap);
    w.i32(t.FCsoportIndex);
    w.bytes(t.FCsoportSzamsorok);
    w.bytes(t.FCsoportAktiv);
    w.i64(t.VeletlenKiserletek);
    if (v >= 2750) {
        w.u64(t.TeljesultFeltetelekA);
        w.u64(t.TeljesultFeltetelekB);
    }
    if (v >= 2810) w.boolean(t.OpcioModosulas);
    TVariacioOpciok o = t.VariacioOpciok;
    o.OptSzamsorHatar = t.OptLegjobbSzamsorDb;
    RekordIras(w, o);
    w.bytes(t.OptLegjobbSzamsorok);
    return w.data();
}

TorzsOlvasasEredmeny olvas(const std::vector<std::uint8_t>& b, const TorzsOlvasasKornyezet& e = kornyezet())
{
    BinReader rd(b);
    return VariacioTorzsOlvasas(rd, e);
}

TEST(VariationFile, OptionsRecordIs104BytesWithTheProtectedCountAt60)
{
    TVariacioOpciok o;
    o.Arany = 0x01020304;
    o.OptSzamsorHatar = 0x0A0B0C0D;
    o.SetVedettSzamsorDb(0x11223344);
    o.OptPause = 9;
    BinWriter w;
    RekordIras(w, o);
    ASSERT_EQ(w.size(), TVariacioOpciok::kMeret);
    EXPECT_EQ(w.data()[8], 0x04);
    EXPECT_EQ(w.data()[12], 0x0D);
    EXPECT_EQ(w.data()[60], 0x44);
    EXPECT_EQ(w.data()[63], 0x11);
    EXPECT_EQ(w.data()[69], 9);
}

TEST(VariationFile, VersionGates)
{
    struct Eset {
        std::int32_t v;
        bool bovites;          // import state after the load
        bool aktTeteles;       // fields 19-21 present
        bool futasAllapot;     // fields 25.. present
        bool befejezetlen;     // field 27
        bool teljesult;        // field 33
        bool opcioMod;         // OpcioModosulas after the load
        std::size_t hatarok;   // extension boundaries
    };
    // The sample has two boundaries and its import byte set; older bodies
    // derive the import state and the options-changed flag from them.
    const Eset esetek[] = {
        {1999, false, false, false, false, false, false, 1},
        {2000, true, false, false, false, false, true, 2},
        {2705, true, false, false, false, false, true, 2},
        {2709, true, false, false, false, false, true, 2},
        {2710, true, false, true, false, false, true, 2},
        {2719, true, false, true, false, false, true, 2},
        {2720, true, false, true, false, false, true, 2},
        {2729, true, false, true, false, false, true, 2},
        {2730, true, false, true, true, false, true, 2},
        {2740, true, false, true, true, false, true, 2},
        {2741, true, true, true, true, false, true, 2},
        {2750, true, true, true, true, true, true, 2},
        {2800, true, true, true, true, true, true, 2},
        {2810, true, true, true, true, true, true, 2},
        {2817, true, true, true, true, true, true, 2},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.v);
        const auto b = regiIras(minta(), e.v);
        BinReader rd(b);
        const TorzsOlvasasEredmeny r = VariacioTorzsOlvasas(rd, kornyezet());
        ASSERT_TRUE(r.Ok) << r.Hiba;
        EXPECT_TRUE(rd.atEnd()) << "every byte of the layout is consumed";
        const VariacioTorzs& t = r.Torzs;
        EXPECT_EQ(t.VerzioSzam, e.v);
        EXPECT_EQ(t.SzamsorDb, 3);
        EXPECT_EQ(t.Sorok, minta().Sorok);
        EXPECT_EQ(t.BontasBovites, e.bovites);
        EXPECT_EQ(t.TulirasAktMin, e.aktTeteles ? 5 : 0);
        EXPECT_EQ(t.TulirasSorozatAkt, e.aktTeteles ? 6 : 0);
        EXPECT_EQ(t.FCsoportIndex, e.futasAllapot ? 2 : 0);
        EXPECT_EQ(t.VeletlenKiserletek, e.futasAllapot ? 77 : 0);
        EXPECT_EQ(t.BontasBefejezetlen, e.befejezetlen);
        EXPECT_EQ(t.TeljesultFeltetelekB, e.teljesult ? 0x55u : 0u);
        EXPECT_EQ(t.OpcioModosulas, e.opcioMod);
        EXPECT_EQ(t.Import_Count.size(), e.hatarok);
        EXPECT_EQ(t.Import_Count.back(), 3);
        EXPECT_EQ(t.OptLegjobbSzamsorDb, e.futasAllapot ? 2 : 0);
        EXPECT_EQ(t.Tuliras, e.v >= 2000 ? 3 : 0);
        EXPECT_EQ(t.BontasPause, e.v >= 2000);
        // Frequency groups: the file's state, or without one every group
        // from its first line (group 2: indexes 2..6, the last one below).
        if (e.futasAllapot) {
            EXPECT_EQ(t.FCsoportSzamsorok, minta().FCsoportSzamsorok);
            EXPECT_EQ(t.FCsoportAktiv, minta().FCsoportAktiv);
        } else {
            ASSERT_EQ(t.FCsoportSzamsorok.size(), 30u);
            EXPECT_EQ(t.FCsoportAktiv, TTombByte1D(6, 1));
            EXPECT_EQ(TTombByte1D(t.FCsoportSzamsorok.begin() + 10, t.FCsoportSzamsorok.begin() + 15),
                      (TTombByte1D{2, 3, 4, 5, 5}));
        }
    }
}

// A paused frequency-mode run saved by a version before 2710 (no group
// state in the file) goes on after the load and adds lines.
TEST(VariationFile, PausedFrequencyRunOfAnOldFileGoesOn)
{
    VariacioTorzs regi;
    regi.SzamsorDb = 3;
    regi.Sorok = {0, 1, 2, 3, 4, 1, 2, 3, 4, 5, 2, 3, 4, 5, 6};
    regi.BontSzamGyakorisag.assign(10, 0);
    regi.Import_Count = {3};
    regi.BontasPause = true;
    regi.PauseSzamsor = {2, 3, 4, 5, 6};
    const auto b = regiIras(regi, 2705);
    const TorzsOlvasasEredmeny r = olvas(b);
    ASSERT_TRUE(r.Ok) << r.Hiba;

    VariationStore t;
    t.BontEngedelyezettMeret = 1000;
    BontasEgyseg u;
    VariacioOpcioErtekek o;
    FeltetelRekordok f;
    VariacioAllomanyAllapot a;
    VariacioTorzsAlkalmazas(r.Torzs, t, u, o, f, a);
    ASSERT_EQ(t.BontSzelvszam, 3);
    ASSERT_TRUE(u.Vezerles.BontasPause.load());

    BontasBemenet be;
    be.KijeloltSzamDb = 10;
    be.KijeloltFoSzamDb = 10;
    be.VariacioMeret = 5;
    be.VariacioFoMeret = 5;
    be.GyakorisagiEloszlas = true;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    const BontasEredmeny e = BontasFuttatas(t, be, u.Allapot, u.Vezerles, env);
    ASSERT_NE(e.veg, BontasVeg::Hibas);
    EXPECT_GT(t.BontSzelvszam, 3);
}

TEST(VariationFile, ImportStateOfOldBodiesAndTheOptionsChangedFlag)
{
    // 2719 with three boundaries switches the import state on; 2720 follows
    // its byte; 2800 without field 34 derives the options-changed flag.
    VariacioTorzs t = minta();
    t.Import_Count = {1, 2, 3};
    t.BontasBovites = false;
    t.OpcioModosulas = false;
    EXPECT_TRUE(olvas(regiIras(t, 2719)).Torzs.BontasBovites);
    EXPECT_FALSE(olvas(regiIras(t, 2720)).Torzs.BontasBovites);
    EXPECT_TRUE(olvas(regiIras(t, 2800)).Torzs.OpcioModosulas);
    EXPECT_FALSE(olvas(regiIras(t, 2810)).Torzs.OpcioModosulas);
    t.Import_Count = {3};
    EXPECT_FALSE(olvas(regiIras(t, 2800)).Torzs.OpcioModosulas);
    // An edited flag set by the ticket part stays set although the body says 0.
    t.SzerkesztettVariacio = false;
    TorzsOlvasasKornyezet e = kornyezet();
    e.SzerkesztettVariacio = true;
    EXPECT_TRUE(olvas(regiIras(t, 2817), e).Torzs.SzerkesztettVariacio);
    // A best copy behind a cleared optimisation byte stays unread.
    t.VariacioOpciok.Optimalizalas = 0;
    const TorzsOlvasasEredmeny r = olvas(regiIras(t, 2817));
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.Torzs.OptLegjobbSzamsorDb, 0);
    // A pause pass out of range loads as 0 without a message.
    t.FPauseMenet = -1;
    EXPECT_EQ(olvas(regiIras(t, 2817)).Torzs.FPauseMenet, 0);
    t.FPauseMenet = 21;
    EXPECT_EQ(olvas(regiIras(t, 2817)).Torzs.FPauseMenet, 0);
}

TEST(VariationFile, DamagedBodiesAreRefusedWithTheirMessage)
{
    struct Eset {
        const char* nev;
        std::function<void(VariacioTorzs&)> rontas;
        std::string uzenet;
    };
    const std::string azonos2 = "A variáció 2. számsora azonos számokat tartalmaz.";
    const Eset esetek[] = {
        {"index above the selection", [](VariacioTorzs& t) { t.Sorok[4] = 10; },
         "A variáció egyik száma érvénytelen tartományba esik."},
        {"repeated number", [](VariacioTorzs& t) { t.Sorok[7] = 2; t.Sorok[8] = 4; t.Sorok[9] = 8; t.Sorok[6] = 2; },
         azonos2},
        {"repeated index 0", [](VariacioTorzs& t) { t.Sorok[5] = 0; t.Sorok[6] = 0; }, azonos2},
        {"descending row", [](VariacioTorzs& t) { std::swap(t.Sorok[6], t.Sorok[7]); },
         "A variáció 2. számsorának indexei nem növekvő sorrendűek."},
        {"negative count", [](VariacioTorzs& t) { t.BontSzamGyakorisag[3] = -1; },
         "Egy statisztikai adat érvénytelen tartományba esik."},
        {"equal boundaries", [](VariacioTorzs& t) { t.Import_Count = {3, 3}; },
         "Variáció aktuálisan beolvasott bővítményének mérete érvénytelen tartományba esik."},
        {"boundary 0", [](VariacioTorzs& t) { t.Import_Count = {0}; },
         "Variáció aktuálisan beolvasott bővítményének mérete érvénytelen tartományba esik."},
        {"boundary past N", [](VariacioTorzs& t) { t.Import_Count = {4}; },
         "Variáció aktuálisan beolvasott bővítményének mérete érvénytelen tartományba esik."},
        {"Találat value", [](VariacioTorzs& t) { t.Tuliras = 21; },
         "Találat - Tételes találat érvénytelen tartományba esik."},
        {"Tételes minimum above ABSZ", [](VariacioTorzs& t) { t.TulirasTetelesMin = 253; },
         "Találat - Esetek minimuma érvénytelen tartományba esik."},
        {"Tételes maximum", [](VariacioTorzs& t) { t.TulirasTetelesMax = -1; },
         "Találat - Esetek maximuma érvénytelen tartományba esik."},
        {"current minimum", [](VariacioTorzs& t) { t.TulirasAktMin = -2; },
         "Találat - Esetek aktuális minimuma érvénytelen tartományba esik."},
        {"current maximum", [](VariacioTorzs& t) { t.TulirasAktMax = 1000000; },
         "Találat - Esetek aktuális maximuma érvénytelen tartományba esik."},
        {"series value", [](VariacioTorzs& t) { t.TulirasSorozatAkt = 300; },
         "Találat - Esetek sorozatának értéke érvénytelen tartományba esik."},
        {"pause line above the selection", [](VariacioTorzs& t) { t.PauseSzamsor[4] = 10; },
         "A beolvasott index érvénytelen tartományba esik."},
        {"negative run time", [](VariacioTorzs& t) { t.BontasIdotartamNap = -0.5; },
         "A variáció időtartama érvénytelen tartományba esik."},
        {"run time not a number", [](VariacioTorzs& t) { t.BontasIdotartamNap = std::nan(""); },
         "A variáció időtartama érvénytelen tartományba esik."},
        {"current group", [](VariacioTorzs& t) { t.FCsoportIndex = 6; },
         "Az aktuális gyakorisági index érvénytelen tartományba esik."},
        {"group line", [](VariacioTorzs& t) { t.FCsoportSzamsorok[29] = 10; },
         "Egy gyakorisági index érvénytelen tartományba esik."},
        {"random attempts", [](VariacioTorzs& t) { t.VeletlenKiserletek = 253; },
         "A generált véletlen számsorok mennyisége érvénytelen tartományba esik."},
        {"Mód value", [](VariacioTorzs& t) { t.VariacioOpciok.Arany = 11; },
         "A Mód opció értéke érvénytelen tartományba esik."},
        {"best copy repeats", [](VariacioTorzs& t) { t.OptLegjobbSzamsorok[9] = 7; },
         "A variáció 2. számsora azonos számokat tartalmaz."},
        {"best copy index", [](VariacioTorzs& t) { t.OptLegjobbSzamsorok[0] = 200; },
         "A variáció egyik száma érvénytelen tartományba esik."},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        VariacioTorzs t = minta();
        e.rontas(t);
        const TorzsOlvasasEredmeny r = olvas(regiIras(t, 2817));
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.HibaFajta, TorzsHiba::Hibas);
        EXPECT_EQ(r.Hiba, e.uzenet);
        EXPECT_EQ(r.Torzs.SzamsorDb, 0) << "nothing of a refused body is handed out";
    }

    // Version part, line counts and truncation.
    auto b = regiIras(minta(), 2817);
    auto v = b;
    v[4] = 11;
    EXPECT_EQ(olvas(v).Hiba, "Érvénytelen verzió");
    EXPECT_EQ(olvas(regiIras(minta(), 2817, 0)).Hiba,
              "A variáció számsorainak mennyisége érvénytelen tartományba esik.");
    const TorzsOlvasasEredmeny nagy = olvas(regiIras(minta(), 2817, 1000001));
    EXPECT_EQ(nagy.HibaFajta, TorzsHiba::TulNagy);
    EXPECT_EQ(nagy.Hiba, kTorzsTulNagy);
    for (std::size_t hossz : {std::size_t{0}, std::size_t{10}, std::size_t{40}, std::size_t{100}, std::size_t{200},
                              b.size() - 1}) {
        SCOPED_TRACE(hossz);
        const std::vector<std::uint8_t> rovid(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(hossz));
        EXPECT_EQ(olvas(rovid).Hiba, "Érvénytelen méretű állomány.");
    }
    // A line count that promises more rows than the file holds is refused
    // before anything is allocated.
    EXPECT_EQ(olvas(regiIras(minta(), 2817, 1000000)).Hiba, "Érvénytelen méretű állomány.");
}

TEST(VariationFile, CountsAreRecountedFromTheRows)
{
    VariacioTorzs t = minta();
    t.BontSzamGyakorisag = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    const TorzsOlvasasEredmeny r = olvas(regiIras(t, 2817));
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.Torzs.BontSzamGyakorisag, (TTombInt1D{2, 2, 2, 2, 2, 1, 1, 1, 1, 1}));
}

TEST(VariationFile, WriterRefusesWhatTheReaderRefuses)
{
    VariacioTorzs t = minta();
    t.SzamsorDb = 1000001;
    t.Sorok.assign(static_cast<std::size_t>(t.SzamsorDb) * 5, 0);
    BinWriter w;
    std::string hiba;
    EXPECT_FALSE(VariacioTorzsIras(w, t, hiba));
    EXPECT_EQ(hiba, kTorzsTulNagy);
    EXPECT_EQ(w.size(), 0u);
    t = minta();
    t.SzamsorDb = 0;
    t.Sorok.clear();
    EXPECT_FALSE(VariacioTorzsIras(w, t, hiba));
    EXPECT_EQ(w.size(), 0u);
}

// A file that cannot be written is reported in the file's own terms, a
// variation like a number set, and no file is left behind.
TEST(VariationFile, AFailedWriteNamesTheKindOfFile)
{
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    SzamListak l;
    l.KijeloltSzamok = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    VariacioMeretBeallitas(l, g, 5);
    l.KijeloltFoSzamDb = 10;
    FeltetelRekordok f;
    FeltetelekKezdoertekei(f, g);
    const SzamsorKep kep = SzamsorKepKeszites(l, g, f, 0, {});
    const std::filesystem::path nincs =
        std::filesystem::temp_directory_path() / ("kavarex_nincs_" + std::to_string(::getpid())) / "mappa";
    struct Eset {
        const char* nev;
        std::function<bool(const std::string&, std::string&)> iras;
        const char* uzenet;
    };
    const Eset esetek[] = {
        {"v.top", [&](const std::string& n, std::string& u) { return VariacioAllomanyIras(n, kep, minta(), u); },
         "Hiba történt a variáció állományának mentése során."},
        {"s.tip", [&](const std::string& n, std::string& u) { return SzamsorMentese(n, kep, u); },
         "Hiba történt a számsor állományának mentése során."},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        const std::string nev = (nincs / e.nev).string();
        std::string uzenet;
        EXPECT_FALSE(e.iras(nev, uzenet));
        EXPECT_EQ(uzenet, e.uzenet);
        EXPECT_FALSE(std::filesystem::exists(nev));
    }
}

TEST(VariationFile, BestCopyCountIsTheRowsWritten)
{
    VariacioTorzs t = minta();
    t.VariacioOpciok.OptSzamsorHatar = 50;  // a stale count in the record
    t.OptLegjobbSzamsorDb = 0;
    t.OptLegjobbSzamsorok.clear();
    BinWriter w;
    std::string hiba;
    ASSERT_TRUE(VariacioTorzsIras(w, t, hiba));
    const TorzsOlvasasEredmeny r = olvas(w.data());
    ASSERT_TRUE(r.Ok) << r.Hiba;
    EXPECT_EQ(r.Torzs.VariacioOpciok.OptSzamsorHatar, 0);
    EXPECT_EQ(r.Torzs.OptLegjobbSzamsorDb, 0);
}

TEST(VariationFile, RoundTripIsByteIdentical)
{
    BinWriter w1;
    std::string hiba;
    ASSERT_TRUE(VariacioTorzsIras(w1, minta(), hiba));
    EXPECT_EQ(w1.data(), regiIras(minta(), 2817)) << "the writer writes the newest layout";
    const TorzsOlvasasEredmeny r = olvas(w1.data());
    ASSERT_TRUE(r.Ok) << r.Hiba;
    BinWriter w2;
    ASSERT_TRUE(VariacioTorzsIras(w2, r.Torzs, hiba));
    EXPECT_EQ(w1.data(), w2.data());

    // Through the program state as well: apply, gather, write.
    VariationStore t;
    BontasEgyseg u;
    VariacioOpcioErtekek o;
    FeltetelRekordok f;
    VariacioAllomanyAllapot a;
    SzamListak l;
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    l.KijeloltSzamok = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    VariacioMeretBeallitas(l, g, 5);
    l.KijeloltFoSzamDb = 10;
    VariacioTorzsAlkalmazas(r.Torzs, t, u, o, f, a);
    EXPECT_EQ(t.BontSzelvszam, 3);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{2, 3}));
    EXPECT_NEAR(u.BontasIdotartam, 1.234, 1e-9);
    EXPECT_TRUE(u.Vezerles.BontasPause.load());
    EXPECT_EQ(a.VariacioVerzio, "2.8.1.7");
    const VariacioTorzs z = VariacioTorzsKeszites(t, u, o, f, l, a);
    BinWriter w3;
    ASSERT_TRUE(VariacioTorzsIras(w3, z, hiba)) << hiba;
    EXPECT_EQ(w1.data(), w3.data());
}

// A variation made of drawn lines holds the numbers themselves, a whole
// line per row: the file's conditions tell the reader so before the body.
TEST(VariationFile, VariationOfDrawnLinesOpensAgain)
{
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    SzamListak l;
    l.KijeloltSzamok = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    VariacioMeretBeallitas(l, g, 5);
    l.KijeloltFoSzamDb = 10;
    FeltetelRekordok f;
    FeltetelekKezdoertekei(f, g);
    f.TalalatiAranyFeltetel.Allapot = 1;
    f.TalalatiAranyFeltetel.Forras = 1;
    f.TalalatiAranyFeltetel.ElsoHuzas[0] = 1;
    f.TalalatiAranyFeltetel.UtolsoHuzas[0] = 3;
    SetFeltetelJelzo(f, true, false);
    ASSERT_TRUE(f.HuzasSzamsorVariacio);
    const SzamsorKep kep = SzamsorKepKeszites(l, g, f, 0, {});

    VariacioTorzs z = minta();
    z.HuzasSzamsorVariacio = true;
    z.BontasBovites = false;
    z.Import_Count = {2};
    z.SzamsorDb = 2;
    z.Sorok = {11, 21, 31, 41, 51, 2, 12, 22, 32, 88};
    z.BontHuzasSorszam = {1, 3};
    const std::string nev =
        (std::filesystem::temp_directory_path() / ("kavarex_huzas_" + std::to_string(::getpid()) + ".top")).string();
    std::string uzenet;
    ASSERT_TRUE(VariacioAllomanyIras(nev, kep, z, uzenet)) << uzenet;

    FeltetelRekordok jelenlegi;
    FeltetelekKezdoertekei(jelenlegi, g);
    SzamsorOlvasasKornyezet env;
    env.Jatek = &g;
    env.Feltetelek = &jelenlegi;
    env.AdatbazisBetoltve = true;
    env.HuzasokSzama = 3;
    std::vector<std::uint8_t> adat;
    const SzamsorOlvasasEredmeny r = SzamsorBetoltese(nev, env, &adat);
    std::filesystem::remove(nev);
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    const TorzsOlvasasEredmeny b = VariacioTorzsBetoltese(adat, r.Vege, r.Kep, g);
    ASSERT_TRUE(b.Ok) << b.Hiba;
    EXPECT_TRUE(b.Torzs.HuzasSzamsorVariacio);
    EXPECT_EQ(b.Torzs.SorHossz, 5);
    EXPECT_EQ(b.Torzs.Sorok, z.Sorok);
    EXPECT_EQ(b.Torzs.BontHuzasSorszam, z.BontHuzasSorszam);
}

TEST(VariacioTorzsBetoltes, TipAndConstantNumbersWarningAfterTheLoad)
{
    EXPECT_EQ(BetoltesUtaniTipp(true, ""), kTorzsPauseTipp);
    EXPECT_EQ(BetoltesUtaniTipp(false, "[Stop] leállított folyamat, nem befejezett variáció."),
              "[Stop] leállított folyamat, nem befejezett variáció.");
    EXPECT_EQ(BetoltesUtaniTipp(false, "Szerkesztett, módosított variáció."), "");
    EXPECT_EQ(BetoltesUtaniTipp(false, ""), "");

    GameParams g;
    g.PluszSzamNev = " Joker";
    SzamListak l;
    l.AllandoSzamok = {5, 61};
    l.AllandoPluszSzamDb = 1;
    FeltetelRekordok f;
    f.AllandoFeltetel.Allapot = 1;
    f.AllandoFeltetel.Max = 2;
    const std::string w = AllandoSzamokFigyelmeztetes(2400, f, l, g);
    EXPECT_NE(w.find("egy számsorban maximum 2 állandó szám engedélyezett\r\n   - 2 állandó számból 1 Joker szám lett "
                     "kijelölve"),
              std::string::npos);
    EXPECT_NE(w.find("figyelembe veszi a Joker számokból kejelölt"), std::string::npos);
    struct Eset { std::int32_t v; std::uint8_t allapot; std::int32_t max; std::int32_t plusz; };
    for (const Eset e : {Eset{2339, 1, 2, 1}, Eset{2416, 1, 2, 1}, Eset{2340, 0, 2, 1}, Eset{2415, 1, 0, 1},
                         Eset{2400, 1, 2, 0}}) {
        f.AllandoFeltetel.Allapot = e.allapot;
        f.AllandoFeltetel.Max = e.max;
        l.AllandoPluszSzamDb = e.plusz;
        EXPECT_EQ(AllandoSzamokFigyelmeztetes(e.v, f, l, g), "") << e.v;
    }
    f.AllandoFeltetel = {1, {}, 0, 3};
    l.AllandoPluszSzamDb = 1;
    EXPECT_FALSE(AllandoSzamokFigyelmeztetes(2340, f, l, g).empty());
    EXPECT_FALSE(AllandoSzamokFigyelmeztetes(2415, f, l, g).empty());
}

}  // namespace
}  // namespace kvx

// The wait window's text: the current game's automatic backup has its own,
// whatever the letter case of its name; any other file is a variation file.
TEST(VariationFile, WaitWindowTextOfSavingAndLoading)
{
    struct Eset {
        const char* nev;
        bool mentes;
        const char* szoveg;
    };
    const Eset esetek[] = {
        {"/x/Lotto/Otos/sajat.top", true, "Variáció mentése állományba"},
        {"/x/Back/backOtos.top", true, "Utolsó variáció mentése"},
        {"/x/Back/BACKOTOS1.top", true, "Utolsó variáció mentése"},
        {"/x/Lotto/Otos/sajat.top", false, "Variáció állományának betöltése"},
        {"/x/Back/backotos.top", false, "Biztonsági másolat visszatöltése"},
        {"/x/Back/backHatos.top", false, "Variáció állományának betöltése"},  // another game's backup
        {"/backOtos/sajat.top", false, "Variáció állományának betöltése"},    // only the file's name counts
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        EXPECT_EQ(kvx::VariacioVarakozasSzoveg(e.nev, "Otos", e.mentes), e.szoveg);
    }
}
