// The run's decisions and texts, the deletion front ends and the command
// availability table.
#include "variation/command_availability.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/variation_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kvx {
namespace {

TEST(CommandAvailability, TableOfStates)
{
    struct Sor {
        ParancsKulcs nev;
        bool e, huzas, bovites, pause;
        TTombInt1D hatarok;
        bool eng;
        const char* tipp;
    };
    const Sor sorok[] = {
        {ParancsId::rls2, false, false, false, false, {}, false, " Nincs kész variáció "},
        {ParancsId::rls2, true, false, false, false, {10}, true, " Variáció törlése "},
        {ParancsId::Listzs2, false, false, false, false, {}, false, " Nincs kész variáció "},
        {ParancsId::PauseTorles, false, false, false, true, {}, false, " Nincs kész variáció "},
        {ParancsId::PauseTorles, true, false, false, false, {10}, false, " Nem [Pause] felfüggesztett variáció "},
        {ParancsId::PauseTorles, true, false, false, true, {10}, true, " Pause státusz törlése "},
        {ParancsId::eszt1, true, true, false, false, {10}, false,
         " Húzások számsoraiból összeállított variáció \r\n Nem támogatott a variáció tesztje. "},
        {ParancsId::eszt1, true, false, false, false, {10}, true, " Variáció tesztje "},
        {ParancsId::Beilleszts1, true, true, false, false, {10}, false,
         " Húzások számsoraiból összeállított variáció \r\n Nem támogatott a variáció szerkesztése. "},
        {ParancsId::Beilleszts1, true, false, false, false, {10}, true, " Variáció bővítése és/vagy a számsor módosítása "},
        {ParancsId::Mdosts1, true, false, true, false, {10}, true, " Feltételek, hibapont módosítása "},
        {ParancsId::Mdosts1, true, false, false, false, {10}, true, " Feltételek, hibapont módosítása - variáció törlése "},
        {ParancsId::Bvtmnytrlse1, true, false, true, false, {10}, false, " Nincs visszavonható bővítmény "},
        {ParancsId::Bvtmnytrlse1, true, false, true, false, {10, 14, 20, 25}, true,
         " 3. bővítmény törlése \r\n - Első számsor: 21. \r\n - Utolsó számsor: 25. "},
        {ParancsId::BovitmenyBeilleszt, true, false, true, false, {10, 14, 20, 25}, true,
         " 3 bővítmény egyesítése a variáció törzsével "},
        {ParancsId::BovitmenyBeilleszt, true, false, true, false, {10, 14}, true, " Bővítmény egyesítése a variáció törzsével "},
        {ParancsId::BovitmenyBeilleszt, true, false, false, false, {10, 14}, false, " Nincs beilleszthető bővítmény "},
        {VariacioGomb::BontasInfoGomb, false, false, false, false, {}, false, " Nincs kész variáció "},
        {VariacioGomb::BontSzamsorokTorleseGomb, true, false, false, false, {10}, true,
         " Számsorok törlése a variáció listájából "},
        {VariacioGomb::BontSzamsorokTorleseGomb, true, true, false, false, {10}, false,
         " Húzások számsoraiból összeállított variáció \r\n Nem támogatott a variáció szerkesztése. "},
        {ParancsId::Varicifeltltse1, true, false, false, false, {10}, false, " Magyar 5/90 - nincs lehetőség online küldésre "},
    };
    for (const Sor& s : sorok) {
        ParancsHelyzet h;
        h.VanBontas = s.e;
        h.HuzasSzamsorVariacio = s.huzas;
        h.BontasBovites = s.bovites;
        h.BontasPause = s.pause;
        h.Import_Count = s.hatarok;
        h.JatekNev = "Magyar 5/90";
        const auto t = VanNincsBontas(h);
        const ParancsAllapot* p = ParancsKeres(t, s.nev);
        ASSERT_NE(p, nullptr) << s.nev;
        EXPECT_EQ(p->Engedelyezett, s.eng) << s.nev << " e=" << s.e;
        EXPECT_EQ(p->Tipp, s.tipp) << s.nev << " e=" << s.e;
    }
    // With no variation nothing is available.
    ParancsHelyzet ures;
    for (const ParancsAllapot& p : VanNincsBontas(ures))
        EXPECT_FALSE(p.Engedelyezett) << p.Kulcs;
    ParancsHelyzet harom;
    harom.VanBontas = harom.BontasBovites = true;
    harom.Import_Count = {10, 14, 20, 25};
    EXPECT_EQ(ParancsKeres(VanNincsBontas(harom), ParancsId::BovitmenyBeilleszt)->Felirat, "Bővítmények egyesítése");
}

// The index order: a sorted list can be restored or fixed, and is not
// edited until then.
TEST(CommandAvailability, IndexOrderCommandsFollowTheSort)
{
    struct Sor {
        bool rendezett, huzas;
        ParancsKulcs nev;
        bool eng;
        const char* tipp;
    };
    const Sor sorok[] = {
        {false, false, ParancsId::Rendezs1, true, " Variáció indexeinek rendezése "},
        {true, false, ParancsId::Rendezs1, false, " A variáció indexei rendezettek "},
        {false, true, ParancsId::Rendezs1, false,
         " Húzások számsoraiból összeállított variáció \r\n Nem támogatott a variáció szerkesztése. "},
        {false, false, ParancsId::Eredetisorrend1, false, " Az indexek sorrendje rögzített "},
        {true, false, ParancsId::Eredetisorrend1, true, " Indexek korábbi sorrendjének visszaállítása "},
        {false, false, ParancsId::Vglegesszmsorrend1, false, " Az indexek sorrendje rögzített "},
        {true, false, ParancsId::Vglegesszmsorrend1, true, " Indexek aktuális sorrendjének rögzítése "},
        {false, false, VariacioGomb::BontListModositasGomb, true, " Kijelölt számsor módosítása "},
        {true, false, VariacioGomb::BontListBovitesGomb, false, " Számsor hozzáadása: a variáció indexeinek rögzített állapota esetén engedélyezett. "},
        {true, false, VariacioGomb::BontListModositasGomb, false, " Számsor módosítása: a variáció indexeinek rögzített állapota esetén engedélyezett. "},
        {true, false, VariacioGomb::BontSzamsorokTorleseGomb, false, " Számsor törlése: a variáció indexeinek rögzített állapota esetén engedélyezett. "},
    };
    for (const Sor& s : sorok) {
        ParancsHelyzet h;
        h.VanBontas = true;
        h.BontSzelvszam = 10;
        h.ABSZ = 252;
        h.Import_Count = {10};
        h.Rendezett = s.rendezett;
        h.HuzasSzamsorVariacio = s.huzas;
        const auto t = VanNincsBontas(h);
        EXPECT_EQ(std::count_if(t.begin(), t.end(), [&](const ParancsAllapot& p) { return p.Kulcs == s.nev; }), 1)
            << s.nev;
        const ParancsAllapot* p = ParancsKeres(t, s.nev);
        ASSERT_NE(p, nullptr) << s.nev;
        EXPECT_EQ(p->Engedelyezett, s.eng) << s.nev << " rendezett=" << s.rendezett;
        EXPECT_EQ(p->Tipp, s.tipp) << s.nev << " rendezett=" << s.rendezett;
    }
    // The state is the store's: a sort makes it, a restore ends it.
    VariationStore t;
    SetBontasMatrix(t, 3, 2, nullptr);
    const std::uint8_t sorokAdat[] = {2, 3, 0, 1, 1, 2};
    std::copy(std::begin(sorokAdat), std::end(sorokAdat), t.FBontasMatrix);
    t.BontSzelvszam = 3;
    EXPECT_FALSE(BontListRendezett(t));
    ASSERT_TRUE(BontListRendezes(t, 0, 3, false));
    EXPECT_TRUE(BontListRendezett(t));
    EXPECT_EQ(t.sor(0)[0], 0);
    BontListSorrendRogzitese(t);
    EXPECT_FALSE(BontListRendezett(t));
    EXPECT_FALSE(BontListEredetiSorrend(t));
    EXPECT_EQ(t.sor(0)[0], 0);
}

TEST(GenerationRun, StartRefusesFullVariationsAboveTheLimitAndOverflows)
{
    StartHelyzet h;
    h.ABSZ = 100000000;  // exactly the limit passes
    EXPECT_EQ(StartEllenorzes(h).Dontes, StartDontes::Indul);
    h.ABSZ = 100000001;
    StartEredmeny e = StartEllenorzes(h);
    EXPECT_EQ(e.Dontes, StartDontes::TulNagy);
    EXPECT_EQ(e.Uzenet, "A teljes variáció 100 000 001 számsort igényel.\r\n\r\nAz aktuális verzió nem kezel ilyen "
                        "méretű variációt:\r\n - Csökkentse a variációra kijelölt számok mennyiségét");
    // With error points or conditions the run may go on.
    h.Hibapont = 1;
    EXPECT_EQ(StartEllenorzes(h).Dontes, StartDontes::Indul);
    h.Hibapont = 0;
    h.FeltetelJelzo = true;
    EXPECT_EQ(StartEllenorzes(h).Dontes, StartDontes::Indul);
    // A size that does not fit 64 bits is too large, never "reached".
    h.ABSZ = TeljBontSzelvszam(128, 20, 0, false, 0);
    ASSERT_LT(h.ABSZ, 0);
    h.ABSZValos = TeljBontSzelvszamValos(128, 20, 0, false, 0);
    h.BontMatrixMeret = 5;
    e = StartEllenorzes(h);
    EXPECT_EQ(e.Dontes, StartDontes::TulNagy);
    EXPECT_NE(e.Uzenet.find("számsort igényel"), std::string::npos);
    // The store already holds the full variation.
    StartHelyzet k;
    k.ABSZ = 792;
    k.BontMatrixMeret = 792;
    EXPECT_EQ(StartEllenorzes(k).Dontes, StartDontes::ElerteTeljes);
    k.CsokkentOptimalizalas = true;
    EXPECT_EQ(StartEllenorzes(k).Dontes, StartDontes::Indul);
}

TEST(GenerationRun, TextsOfTheRunWindow)
{
    EXPECT_EQ(VariacioIdotartama(0), "Időtartam: 0:00:00,000");
    EXPECT_EQ(VariacioIdotartama(3723.25), "Időtartam: 1:02:03,250");
    EXPECT_EQ(VariacioIdotartama(2 * 86400 + 5), "Időtartam: 2:0:00:05,000");
    EXPECT_EQ(BontasFejlec(12, 2, false, 0, "", false), "12 + 2 fix szám variációja ");
    EXPECT_EQ(BontasFejlec(12, 0, false, 0, "", true), "12 szám bővített variációja ");
    EXPECT_EQ(BontasFejlec(10, 0, true, 2, " Powerball", false), "10 + 2 Powerball szám variációja ");
    EXPECT_EQ(SzelvSzamSzoveg(1234567), "1 234 567 számsor");
    EXPECT_EQ(KoltsegSzoveg(792, 300, 0), "Variáció költsége: 237 600 forint");
    EXPECT_NE(MegszakitasUzenet(4).find("Felfüggeszti a folyamatot?"), std::string::npos);
    EXPECT_NE(MegszakitasUzenet(7).find("Megszakítja a folyamatot?"), std::string::npos);
    // The progress never shows 100 while a run goes on.
    std::int64_t alap = 0, oszto = 0;
    SetABSZV(12, 5, alap, oszto);
    EXPECT_EQ(alap, 1);
    EXPECT_EQ(oszto, (792 - 1) / 100);
    const std::uint8_t utolso[] = {7, 8, 9, 10, 11};
    EXPECT_EQ(FolyamatSzazalek(utolso, 5, alap, oszto, 0), 99);
    EXPECT_EQ(FolyamatSzazalek(utolso, 5, alap, oszto, 80), 99);
    SetABSZV(5, 5, alap, oszto);
    EXPECT_EQ(oszto, 1);
}

// What a stopped extension keeps, and the Stop question that says it: the
// lines before the run, or, when the optimisation may rewrite every line
// (Felülírás), the lines as the run left them, closing their own part.
TEST(GenerationRun, StoppedExtensionKeepsWhatTheStopQuestionSays)
{
    struct Eset {
        bool opt, feluliras;
        const char* kozep;
        std::int32_t sorok;
        TTombInt1D hatarok;
    };
    const Eset esetek[] = {
        {false, false, ", a folyamatot megelőző számsorokat fogja tartalmazni.", 4, {4}},
        {true, false, ", a folyamatot megelőző számsorokat fogja tartalmazni.", 4, {4}},
        {false, true, ", a folyamatot megelőző számsorokat fogja tartalmazni.", 4, {4}},
        {true, true, ", a folyamat aktuális állapota szerinti számsorokat fogja tartalmazni.", 7, {4, 7}},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.kozep);
        TVariacioOpciok o;
        o.Optimalizalas = e.opt ? 1 : 0;
        o.Feluliras = e.feluliras ? 1 : 0;
        const bool aktualis = StopAktualisSorok(true, o);
        EXPECT_EQ(StopUzenet(true, aktualis),
                  std::string("[Stop] leállított folyamat\r\nA variációs lista") + e.kozep +
                      "\r\n\r\nLeállítja a folyamatot?");
        // Four lines before the run, three more when it was stopped.
        VariationStore t;
        SetBontasMatrix(t, 7, 3, nullptr);
        for (std::int32_t r = 0; r < 7; ++r)
            for (int j = 0; j < 3; ++j)
                t.sor(r)[j] = static_cast<std::uint8_t>((r + j) % 9);
        t.BontSzelvszam = 7;
        t.Import_Count = {4};
        BovitesLeallitasUtan(t, 9, TorlesKornyezet{}, aktualis);
        EXPECT_EQ(t.BontSzelvszam, e.sorok);
        EXPECT_EQ(t.BontMatrixMeret, e.sorok);
        EXPECT_EQ(t.Import_Count, e.hatarok);
    }
    // Not an extension: the list goes, whatever the options.
    TVariacioOpciok o;
    o.Optimalizalas = o.Feluliras = 1;
    EXPECT_FALSE(StopAktualisSorok(false, o));
    EXPECT_EQ(StopUzenet(false, false), "[Stop] leállított folyamat\r\nA variációs lista törlésre kerül - új "
                                        "variáció készítése.\r\n\r\nLeállítja a folyamatot?");
}

TEST(GenerationRun, EndReportListsActiveConditionsNoLinePassed)
{
    VegeBemenet be;
    be.BontSzelvszam = 40;
    be.ABSZ = 792;
    be.Kijelolt.SetFeltetel(BitOsszeg);
    be.Kijelolt.SetFeltetel(BitSzomszedos);
    be.Kijelolt.SetAlFeltetel(AlBitSzomszedosAlt);
    be.Kijelolt.SetFeltetel(BitPrimszam);
    be.KijeloltDb = 3;
    be.Teljesult.SetFeltetel(BitPrimszam);
    VegeJelentes j = VegeJelentesKeszites(be);
    EXPECT_FALSE(j.HibaDoboz);
    EXPECT_EQ(j.Szoveg,
              "A folyamat során nem teljesült feltételek:"
              "\r\n     »   Események - Szomszédos számok - Egy számsorban\r\n     »   Math - Összeg"
              "\r\n\r\nElőfordulhat, hogy a nem teljesült feltételek"
              "\r\n - szerint érvényes számsorok, már részei a variációnak"
              "\r\n - a listában nem felsorolt feltétellel ütköznek"
              "\r\n\r\nHibakeresés, Súgó: Tartalom - Feltétel - Ellenőrzés");
    // Every condition met: nothing to report.
    be.Teljesult.SetFeltetel(BitOsszeg);
    be.Teljesult.SetAlFeltetel(AlBitSzomszedosAlt);
    EXPECT_EQ(VegeJelentesKeszites(be).Szoveg, "");
    // No line at all: an error box with the advice.
    VegeBemenet ures;
    ures.ABSZ = 792;
    ures.Kijelolt.SetFeltetel(BitOsszeg);
    ures.KijeloltDb = 1;
    j = VegeJelentesKeszites(ures);
    EXPECT_TRUE(j.HibaDoboz);
    EXPECT_EQ(j.Szoveg, "A folyamat során nem teljesült feltétel:\r\n     »   Math - Összeg"
                        "\r\n\r\nGondolja újra az alkalmazott logikai és/vagy numerikus értékeket."
                        "\r\n\r\nHibakeresés, Súgó: Tartalom - Feltétel - Ellenőrzés");
    VegeBemenet semmi;
    semmi.ABSZ = 792;
    semmi.Hibapont = 1;
    EXPECT_EQ(VegeJelentesKeszites(semmi).Szoveg,
              "Nincs kijelölt feltétel, mégis nulla a variáció számsorainak mennyisége.\r\n\r\nMódosítsa a hibapont "
              "értékét és/vagy a kijelölt feltételeket.");
    // A stopped run reports nothing.
    semmi.BontStatus = false;
    EXPECT_EQ(VegeJelentesKeszites(semmi).Szoveg, "");
}

TEST(GenerationRun, ImportCountAndDeletion)
{
    VariationStore t;
    BontasEgyseg u;
    u.SzamsorHossz = 5;
    SetBontasMatrix(t, 30, 5, nullptr);
    t.BontSzamGyakorisag.assign(12, 0);
    t.BontSzelvszam = 20;
    ImportCountVege(t);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{20}));
    t.BontSzelvszam = 30;
    ImportCountVege(t);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{20, 30}));
    ImportCountVege(t);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{20, 30}));

    // Truncation keeps the lines up to the last boundary and marks the edit.
    t.Import_Count = {20};
    bool mentve = true;
    TorlesKornyezet k;
    k.KijeloltSzamDb = 12;
    BontasTorlese(t, u, true, mentve, k);
    EXPECT_EQ(t.BontMatrixMeret, 20);
    EXPECT_EQ(t.BontSzelvszam, 20);
    EXPECT_TRUE(u.SzerkesztettVariacio);
    EXPECT_TRUE(u.BefejezetlenVariacio);
    EXPECT_FALSE(mentve);

    // The delete command asks, and "Nem" keeps everything.
    int kerdesek = 0;
    k.JovahagyasKerese = [&](const std::string& s) {
        ++kerdesek;
        EXPECT_EQ(s, "Biztos törli a variáció listáját?");
        return false;
    };
    EXPECT_FALSE(BontTorlesEng1(t, u, mentve, k));
    EXPECT_EQ(t.BontMatrixMeret, 20);
    k.JovahagyasKerese = [&](const std::string&) { return ++kerdesek, true; };
    EXPECT_TRUE(BontTorlesEng1(t, u, mentve, k));
    EXPECT_EQ(kerdesek, 2);
    EXPECT_EQ(t.BontMatrixMeret, 0);
    EXPECT_EQ(t.BontSzelvszam, 0);
    EXPECT_FALSE(u.SzerkesztettVariacio);
    EXPECT_FALSE(u.BefejezetlenVariacio);
    // Empty and unsaved: nothing happens.
    EXPECT_FALSE(BontTorlesEng1(t, u, mentve, k));
    EXPECT_EQ(kerdesek, 2);

    // Conditions before a varied ticket changes.
    SetBontasMatrix(t, 10, 5, nullptr);
    t.BontSzelvszam = 10;
    k.FeltetelJelzo = true;
    bool torolve = false, letiltva = false;
    k.FeltetelekTorlese = [&] { torolve = true; };
    std::string kerdes;
    k.JovahagyasKerese = [&](const std::string& s) { return kerdes = s, true; };
    mentve = false;
    EXPECT_TRUE(BontTorlesEng2(t, u, mentve, letiltva, k));
    EXPECT_EQ(kerdes, "Biztos törli a feltételeket és a variáció listáját?");
    EXPECT_TRUE(torolve);
    // The question promised the list: it is gone too.
    EXPECT_EQ(t.BontSzelvszam, 0);
    EXPECT_EQ(t.BontMatrixMeret, 0);
}

// A deleted variation holds no lines of another game and belongs to the
// current game again; cutting back to the last extension keeps both.
TEST(BontasTorles, DeletionBelongsToTheCurrentGameAgain)
{
    for (const bool truncate : {false, true}) {
        SCOPED_TRACE(truncate ? "truncate" : "delete");
        VariationStore t;
        BontasEgyseg u;
        SetBontasMatrix(t, 10, 5, nullptr);
        t.BontSzelvszam = 10;
        t.Import_Count = {4};
        VariacioAllomanyAllapot a;
        a.BontLottoIndex = 7;
        a.BontIdegenSzamsorDb = 4;
        TorlesKornyezet k;
        k.Allomany = &a;
        k.LottoIndex = 2;
        bool mentve = true;
        BontasTorlese(t, u, truncate, mentve, k);
        EXPECT_EQ(a.BontLottoIndex, truncate ? 7 : 2);
        EXPECT_EQ(a.BontIdegenSzamsorDb, truncate ? 4 : 0);
        EXPECT_EQ(t.BontSzelvszam, truncate ? 4 : 0);
    }
}

// Which stored variation goes on as an extension when its conditions are
// opened or a run starts: one a run left unfinished, or one edited by hand.
TEST(GenerationRun, UnfinishedOrEditedVariationGoesOnAsAnExtension)
{
    struct Eset {
        const char* nev;
        bool sorok, bovites, leallitva, pause, befejezetlen, szerkesztett;
        bool bovitesKell;
    };
    const Eset esetek[] = {
        {"finished", true, false, false, false, false, false, false},
        {"stopped", true, false, true, false, false, false, true},
        {"paused", true, false, false, true, false, false, true},
        {"broken off", true, false, false, false, true, false, true},
        {"edited by hand", true, false, false, false, false, true, true},
        {"edited, already an extension", true, true, false, false, false, true, false},
        {"no lines", false, false, true, true, true, true, false},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        VariationStore t;
        if (e.sorok) {
            SetBontasMatrix(t, 3, 5, nullptr);
            t.BontSzelvszam = 3;
        }
        BontasEgyseg u;
        u.BontasBovites = e.bovites;
        u.Vezerles.FBontStatus.store(!e.leallitva);
        u.Vezerles.BontasPause.store(e.pause);
        u.Allapot.BontasBefejezetlen = e.befejezetlen;
        u.SzerkesztettVariacio = e.szerkesztett;
        EXPECT_EQ(MegszakitottVariacio(t, u), e.bovitesKell);
    }
}

// Before the numbers of the main ticket change: which question is asked,
// and whether the conditions and the lines survive each answer. Lines left
// behind would stand for other numbers once the selection changes.
TEST(BontasTorles, SelectionChangeAsksAndNeverLeavesStaleLines)
{
    struct Eset {
        const char* nev;
        bool sorok, mentve, feltetel, bovites, valasz;
        const char* kerdes;  // empty: no question
        bool eredmeny, feltetelTorolve, sorokMaradnak, mentes;
        bool mentesHiba = false;  // the backup cannot be written and the user keeps the work
    };
    const Eset esetek[] = {
        {"nothing at stake", false, false, false, false, true, "", true, true, true, false},
        {"conditions only, yes", false, false, true, false, true, "Biztos törli a feltételeket?", true, true, true, false},
        {"conditions only, no", false, false, true, false, false, "Biztos törli a feltételeket?", false, false, true, false},
        {"lines, yes", true, false, false, false, true, "Biztos törli a variáció listáját?", true, false, false, true},
        {"lines, no", true, false, false, false, false, "Biztos törli a variáció listáját?", false, false, true, false},
        {"lines and conditions, yes", true, false, true, false, true,
         "Biztos törli a feltételeket és a variáció listáját?", true, true, false, true},
        {"lines and conditions, no", true, false, true, false, false,
         "Biztos törli a feltételeket és a variáció listáját?", false, false, true, false},
        {"saved lines", true, true, false, false, false, "", true, false, false, false},
        {"saved lines and conditions, yes", true, true, true, false, true, "Biztos törli a feltételeket?", true, true,
         false, false},
        {"extension keeps its lines", true, false, true, true, true, "Biztos törli a feltételeket?", true, true, true,
         false},
        {"lines, backup failed", true, false, false, false, true, "Biztos törli a variáció listáját?", false, false,
         true, true, true},
        {"lines and conditions, backup failed", true, false, true, false, true,
         "Biztos törli a feltételeket és a variáció listáját?", false, false, true, true, true},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        VariationStore t;
        BontasEgyseg u;
        if (e.sorok) {
            SetBontasMatrix(t, 10, 5, nullptr);
            t.BontSzelvszam = 10;
        }
        u.BontasBovites = e.bovites;
        bool mentve = e.mentve, letiltva = false, torolve = false;
        int mentesek = 0;
        std::string kerdes;
        TorlesKornyezet k;
        k.FeltetelJelzo = e.feltetel;
        k.FeltetelekTorlese = [&] { torolve = true; };
        // The backup holds the conditions: it comes before they are cleared.
        k.BackMentese = [&] {
            ++mentesek;
            EXPECT_FALSE(torolve);
            return !e.mentesHiba;
        };
        k.JovahagyasKerese = [&](const std::string& s) { return kerdes = s, e.valasz; };
        EXPECT_EQ(BontTorlesEng2(t, u, mentve, letiltva, k), e.eredmeny);
        EXPECT_EQ(kerdes, e.kerdes);
        EXPECT_EQ(torolve, e.feltetelTorolve);
        EXPECT_EQ(t.BontSzelvszam > 0, e.sorok && e.sorokMaradnak);
        EXPECT_EQ(mentesek, e.mentes ? 1 : 0);
    }
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// The engine's input from the selection, the records, the options panel's
// stored values and the game: every option reaches its field, options that
// need another one stay off without it.
TEST(GenerationRun, EngineInputFromTheOptionsTable)
{
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    SzamListak l;
    l.KijeloltSzamok = {40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 80};
    l.KijeloltFoSzamDb = 12;
    l.VariacioMeret = l.VariacioFoMeret = 5;

    struct Sor {
        const char* nev;
        std::int32_t hibapont;
        VariacioOpcioErtekek o;
        bool feltetel, letiltott, szoras, talar, adatbazis, bovites;
        // expected
        bool tulirasBont;
        std::int32_t tuliras;
        bool teteles, sorozat;
        std::int32_t tmin, tmax;
        bool gyak, opt, vel, feltJelzo, szorasAktiv, talarAktiv;
    };
    const auto opc = [](bool tb, int t, bool tt, int mn, int mx, bool s, bool gy, bool op, bool v) {
        VariacioOpcioErtekek o;
        o.TulirasBont = tb;
        o.Tuliras = t;
        o.TulirasTeteles = tt;
        o.TulirasTetelesMin = mn;
        o.TulirasTetelesMax = mx;
        o.TulirasSorozat = s;
        o.GyakorisagiEloszlas = gy;
        o.Optimalizalt = op;
        o.VeletlenSzamsorok = v;
        return o;
    };
    const Sor sorok[] = {
        {"nothing", 0, opc(false, 0, false, 0, 0, false, false, false, false), false, false, false, false, false, false,
         false, 0, false, false, 0, 0, false, false, false, false, false, false},
        {"error points", 2, opc(false, 0, false, 0, 0, false, false, false, false), false, false, false, false, false,
         false, false, 0, false, false, 0, 0, false, false, false, false, false, false},
        {"Találat", 1, opc(true, 3, false, 0, 0, false, false, false, false), false, false, false, false, false, false,
         true, 3, false, false, 0, 0, false, false, false, false, false, false},
        {"Találat with Tételes and Sorozat", 1, opc(true, 2, true, 2, 4, true, false, false, false), false, false, false,
         false, false, false, true, 2, true, true, 2, 4, false, false, false, false, false, false},
        {"Tételes left without Találat", 0, opc(false, 2, true, 2, 4, true, false, false, false), false, false, false,
         false, false, false, false, 0, false, false, 0, 0, false, false, false, false, false, false},
        {"Sorozat without Tételes", 0, opc(true, 2, false, 0, 0, true, false, false, false), false, false, false, false,
         false, false, true, 2, false, false, 0, 0, false, false, false, false, false, false},
        {"frequency, optimised, random", 1, opc(false, 0, false, 0, 0, false, true, true, true), false, false, false,
         false, false, false, false, 0, false, false, 0, 0, true, true, true, false, false, false},
        {"conditions", 0, opc(false, 0, false, 0, 0, false, false, false, false), true, false, true, true, true, true,
         false, 0, false, false, 0, 0, false, false, false, true, true, true},
        {"hit ratio without draws", 0, opc(false, 0, false, 0, 0, false, false, false, false), true, false, false, true,
         false, false, false, 0, false, false, 0, 0, false, false, false, true, false, false},
        {"conditions switched off", 0, opc(false, 0, false, 0, 0, false, false, false, false), true, true, true, true,
         true, false, false, 0, false, false, 0, 0, false, false, false, false, false, false},
    };
    for (const Sor& s : sorok) {
        SCOPED_TRACE(s.nev);
        FeltetelRekordok f;
        f.Hibapont = s.hibapont;
        f.FeltetelJelzo = s.feltetel;
        f.LetiltottFeltetelek = s.letiltott;
        f.SzorasFeltetel.Allapot = s.szoras ? 1 : 0;
        f.TalalatiAranyFeltetel.Allapot = s.talar ? 1 : 0;
        BontasBemenetKornyezet k;
        k.AdatbazisBetoltve = s.adatbazis;
        k.BontasBovites = s.bovites;
        k.VeletlenMag = 77;
        const BontasBemenet b = BontasBemenetKeszites(l, f, s.o, g, k);
        EXPECT_EQ(b.KijeloltSzamDb, 12);
        EXPECT_EQ(b.KijeloltFoSzamDb, 12);
        EXPECT_EQ(b.VariacioMeret, 5);
        EXPECT_EQ(b.VariacioFoMeret, 5);
        EXPECT_EQ(b.VanPluszSzam, g.VanPluszSzam);
        EXPECT_EQ(b.Hibapont, s.hibapont);
        EXPECT_EQ(b.BontasBovites, s.bovites);
        EXPECT_EQ(b.TulirasBont, s.tulirasBont);
        EXPECT_EQ(b.Tuliras, s.tuliras);
        EXPECT_EQ(b.TulirasTeteles, s.teteles);
        EXPECT_EQ(b.TulirasSorozat, s.sorozat);
        EXPECT_EQ(b.TulirasTetelesMin, s.tmin);
        EXPECT_EQ(b.TulirasTetelesMax, s.tmax);
        EXPECT_EQ(b.GyakorisagiEloszlas, s.gyak);
        EXPECT_EQ(b.Optimalizalt, s.opt);
        EXPECT_EQ(b.VeletlenSzamsorok, s.vel);
        EXPECT_EQ(b.FeltetelJelzo, s.feltJelzo);
        EXPECT_EQ(b.SzorasAktiv, s.szorasAktiv);
        EXPECT_EQ(b.TalArAktiv, s.talarAktiv);
        EXPECT_EQ(b.VeletlenMag, 77u);
        EXPECT_EQ(BontasBemenetEllenorzes(b), BontasHiba::Nincs);
        EXPECT_FALSE(b.HuzasSzamsorVariacio);
    }

    // The hit-ratio source "húzások": drawn lines of the game's length, at
    // most the draws the ranges span (within the table); never an extension.
    FeltetelRekordok f;
    f.FeltetelJelzo = true;
    TTalalatiAranyFeltetel& ta = f.TalalatiAranyFeltetel;
    ta.Allapot = 1;
    ta.Forras = 1;
    ta.DbTartomany = 2;
    ta.ElsoHuzas[0] = 10;
    ta.UtolsoHuzas[0] = 20;
    ta.ElsoHuzas[1] = 15;
    ta.UtolsoHuzas[1] = 40;
    BontasBemenetKornyezet k;
    k.AdatbazisBetoltve = true;
    k.HuzasokSzama = 30;
    BontasBemenet b = BontasBemenetKeszites(l, f, VariacioOpcioErtekek{}, g, k);
    EXPECT_TRUE(b.HuzasSzamsorVariacio);
    EXPECT_EQ(b.SzamsorHossz, g.SzamsorHossz);
    EXPECT_EQ(b.CelSzelvszam, 21 * g.SorsolasokSzama);
    k.BontasBovites = true;
    EXPECT_FALSE(BontasBemenetKeszites(l, f, VariacioOpcioErtekek{}, g, k).HuzasSzamsorVariacio);
    k.BontasBovites = false;
    ta.Forras = 0;
    EXPECT_FALSE(BontasBemenetKeszites(l, f, VariacioOpcioErtekek{}, g, k).HuzasSzamsorVariacio);
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// Start: a new run when the line is over-full and nothing is stored (or an
// extension goes on with its counts); a stored variation offers completion by
// its kind, or reports that it is ready.
TEST(CommandAvailability, StartByTheLineAndTheStoredVariation)
{
    struct Sor {
        const char* nev;
        bool tulteli;
        std::int32_t sorok;
        bool bovites, azonos, pause, szerkesztett, befejezetlen, status;
        bool eng;
        const char* tipp;
    };
    const Sor sorok[] = {
        {"empty ticket", false, 0, false, false, false, false, false, true, false, " Nincs kijelölt számsor "},
        {"new run", true, 0, false, false, false, false, false, true, true, " Variáció készítése "},
        {"paused before a line", true, 0, false, false, true, false, false, true, true, " Variáció készítése "},
        {"ready", true, 792, false, false, false, false, false, true, false, " A variáció elkészült "},
        {"paused", true, 300, false, false, true, false, true, true, true, " Felfüggesztett variáció befejezése "},
        {"unfinished", true, 300, false, false, false, false, true, true, true, " Megszakított variáció befejezése "},
        {"edited", true, 300, false, false, false, true, false, true, true,
         " Szerkesztett, módosított variáció ellenőrzése "},
        {"extension stopped, counts changed", true, 300, true, false, false, false, true, false, true,
         " Leállított variáció befejezése "},
        {"extension with its counts", true, 300, true, true, false, false, false, true, true, " Variáció készítése "},
        {"extension, counts changed", true, 300, true, false, false, false, false, true, false,
         " A variáció elkészült "},
    };
    for (const Sor& s : sorok) {
        SCOPED_TRACE(s.nev);
        ParancsHelyzet h;
        h.Tulteli = s.tulteli;
        h.BontSzelvszam = s.sorok;
        h.VanBontas = s.sorok > 0;
        h.BontasBovites = s.bovites;
        h.BovitesAzonosSzamok = s.azonos;
        h.BontasPause = s.pause;
        h.SzerkesztettVariacio = s.szerkesztett;
        h.BontasBefejezetlen = s.befejezetlen;
        h.BontStatus = s.status;
        const auto t = VanNincsBontas(h);
        const ParancsAllapot* p = ParancsKeres(t, ParancsId::Start1);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Engedelyezett, s.eng);
        EXPECT_EQ(p->Tipp, s.tipp);
    }
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

TEST(GenerationRun, MissingNumbersTipAndExampleWheelText)
{
    BontStatBemenet be;
    be.KijeloltSzamok = {3, 5, 17, 20, 45, 60};
    be.KijeloltFoSzamDb = 6;
    be.BontSzamGyakorisag = {0, 4, 0, 2, 0, 1};
    EXPECT_EQ(BontStatVizsgSzoveg(be), "3 szám hiányzik a variációra kijelölt számsorból:\r\n      3    17    45");
    be.VanTeljesult = true;
    EXPECT_EQ(BontStatVizsgSzoveg(be), "A teljes variáció szűrését követően\r\n3 szám hiányzik a variációra kijelölt "
                                       "számsorból:\r\n      3    17    45");
    be.TalArHuzasForras = true;
    EXPECT_EQ(BontStatVizsgSzoveg(be), "");
    // Nine missing numbers: eight on a line; an extra pool shown on the ticket's scale.
    BontStatBemenet p;
    p.KijeloltSzamok = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 52, 53};
    p.KijeloltFoSzamDb = 10;
    p.BontSzamGyakorisag = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1};
    p.VanPluszSzam = true;
    p.PluszSzamNev = " Powerball";
    p.FoSzamKeszlet = 50;
    p.PluszSzamEltolas = 0;
    EXPECT_EQ(BontStatVizsgSzoveg(p), "9 törzsszám hiányzik a variációra kijelölt számsorból:\r\n"
                                      "      1      2      3      4      5      6      7      8\r\n      9\r\n"
                                      "1 Powerball szám hiányzik a variációra kijelöl számsorból:\r\n      2");

    PeldabontasInfoBemenet pb;
    pb.Peldabontas = pb.VanPluszSzam = pb.MindenSzamKijelolt = true;
    pb.SzamsorFoSzamDb = 5;
    pb.PluszSzamDb = 1;
    pb.PluszSzamKeszlet = 10;
    pb.BontSzelvszam = 1200;
    EXPECT_EQ(ProbabontasPBInfo(pb, true),
              "  5 + 1 találat eléréséhez 1200 számsor\r\n  5 + 0 találat eléréséhez  120 számsor");
    pb.Hibapont = 1;
    EXPECT_EQ(ProbabontasPBInfo(pb, false), "");

    EXPECT_EQ(SorozatCiklusSzoveg(2, 2, 4), "1/3 ciklus");
    EXPECT_EQ(SorozatCiklusSzoveg(4, 2, 4), "3/3 ciklus");
}

TEST(GenerationRun, EndReportNotesOfTheOptimisationAndTheTalalatOption)
{
    VegeBemenet be;
    be.BontSzelvszam = 40;
    be.ABSZ = 792;
    be.Optimalizalas = true;
    be.Csokkent = true;
    be.Bovites = true;
    be.OptMod = 3;
    be.OptElsoCiklus = true;
    be.OptGyorskereses = true;
    be.TalalatTeteles = true;
    be.TulirasTetelesMin = be.TulirasTetelesMax = 2;
    be.TulirasTetelesLimit = 9999;
    const std::string s = VegeJelentesKeszites(be).Szoveg;
    EXPECT_EQ(s.substr(0, s.find("\r\n\r\n")),
              "A folyamat során nem teljesült feltételek:"
              "\r\n     »   Variáció - Csökkent opció"
              "\r\n          ( ! ) Nem kijelölt a Felülírás opció"
              "\r\n          ( ! ) Mód opció arányértéke: 3"
              "\r\n          ( ! ) Gyorskeresés opció bekapcsolt"
              "\r\n     »   Variáció - Találat opció"
              "\r\n          ( ! ) Tételes opció - esetek [min,max] értékei");
    be.Feluliras = true;
    be.OptVedettSzamsor = 12;
    be.OptMod = 6;
    be.OptGyorskereses = false;
    be.TalalatTeteles = false;
    const std::string f = VegeJelentesKeszites(be).Szoveg;
    EXPECT_NE(f.find("\r\n          ( ! ) Felülírás - az első 12 számsor kivételével\r\n\r\n"), std::string::npos) << f;
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// The first allocation of a run is held to what the free memory affords.
TEST(GenerationRun, LargestAffordableVariation)
{
    EXPECT_EQ(BontasOptMerete(std::nullopt), 100'000'000);
    EXPECT_EQ(BontasOptMerete(std::uint64_t{32} * 5 + 31), 5);
    EXPECT_EQ(BontasOptMerete(std::uint64_t{0}), 0);
    EXPECT_EQ(BontasOptMerete(std::uint64_t{1} << 40), 100'000'000);
}

}  // namespace
}  // namespace kvx
