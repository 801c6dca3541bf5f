#include "tickets/file_helpers.h"
#include "conditions/number_set_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "conditions/markers.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

struct TempDir {
    TempDir()
    {
        p = fs::temp_directory_path() / ("kvx_fh_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(p);
        fs::create_directories(p);
    }
    ~TempDir() { fs::remove_all(p); }
    std::string operator/(const std::string& n) const { return (p / n).string(); }
    fs::path p;
};

TEST(FileHelpers, AutomaticNameFollowsTheSettings)
{
    AutomatikusNevAdatok a;
    a.KijeloltFoSzamDb = 10;
    a.VanPluszSzam = true;
    a.KijeloltPluszSzamDb = 2;
    a.FixSzamDb = 3;
    a.Variacio = true;
    a.BontMatrixMeret = 1234;
    a.Hibapont = 1;
    a.VariacioAllapot = "Ready";
    EXPECT_EQ(AutomatikusNev(a), "10+2+3f_sz_1234szs_1h");

    a.VariacioAllapot = "Stop - Edited";
    a.Optimalizalas = true;
    a.Csokkent = true;
    a.Feluliras = true;
    a.Arany = 4;
    a.Peldabontas = true;
    EXPECT_EQ(AutomatikusNev(a), "p_10+2+3f_sz_1234szs_1h_Csfm4_Stop_Edited");

    a.TulirasBont = true;
    a.Tuliras = 3;
    a.TulirasTeteles = true;
    a.Optimalizalas = false;
    a.VariacioAllapot.clear();
    a.Peldabontas = false;
    EXPECT_EQ(AutomatikusNev(a), "10+2+3f_sz_1234szs_T3t");

    AutomatikusNevAdatok t;  // a number set: no variation part
    t.KijeloltFoSzamDb = 7;
    t.BontMatrixMeret = 50;
    EXPECT_EQ(AutomatikusNev(t), "7sz_");
}

TEST(FileHelpers, SaveDialogSetUpAndWhatAChoiceWrites)
{
    EXPECT_EQ(MentesDialogusBeallitas("top", 5).Cim, " Variáció mentése");
    EXPECT_EQ(MentesDialogusBeallitas("", 5).SzuroIndex, 2);
    EXPECT_EQ(SzuroElemek(MentesDialogusBeallitas("", 5).Szuro).size(), 6u);
    EXPECT_EQ(MentesDialogusBeallitas("top", 0).AlapKiterjesztes, "tip");
    EXPECT_EQ(SzuroElemek(kMegnyitasSzuro)[1].Minta, "*.top");

    struct Eset {
        const char* fajta;
        int index;
        const char* nev;
        std::int64_t sorok;
        MentesCel cel;
        const char* formatum;
    };
    const std::string teljes = MentesSzuro();
    const Eset esetek[] = {
        {"tip", 1, "/a/x.tip", 0, MentesCel::Szamsor, ""},
        {"", 1, "/a/x.TIP", 10, MentesCel::Szamsor, ""},
        {"", 2, "/a/x.top", 10, MentesCel::Variacio, ""},
        {"top", 1, "/a/x.top", 10, MentesCel::Variacio, ""},
        {"top", 1, "/a/x.tip", 10, MentesCel::Semmi, ""},  // a ".tip" name under the ".top" entry
        {"tip", 1, "/a/x.doc", 0, MentesCel::Semmi, ""},   // unknown ending
        {"", 3, "/a/x.csv", 10, MentesCel::Export, "csv"},
        {"", 5, "/a/x.html", 10, MentesCel::Export, "html"},
        {"", 6, "/a/x.tmb", 10, MentesCel::Export, "tmb"},
        {"", 4, "/a/x.csv", 10, MentesCel::Semmi, ""},    // txt entry, csv name
    };
    for (const Eset& e : esetek) {
        const std::string szuro = std::string(e.fajta) == "top" ? kVariacioSzuro : teljes;
        const auto r = MentesDontes(e.fajta, e.index, szuro, e.nev, e.sorok);
        EXPECT_EQ(r.Cel, e.cel) << e.nev << " " << e.index;
        EXPECT_EQ(r.ExportFormatum, e.formatum) << e.nev;
    }
    EXPECT_EQ(MentesDontes("top", 2, kVariacioSzuro, "/a/x.csv", 10).ExportFormatum, "csv");

    EXPECT_TRUE(VariacioMentesMegengedett(999999));
    EXPECT_FALSE(VariacioMentesMegengedett(1000000));
}

TEST(FileHelpers, OpenChoiceAndFolders)
{
    EXPECT_EQ(MegnyitasDontes("/x/a.tip"), MegnyitasCel::Szamsor);
    EXPECT_EQ(MegnyitasDontes("/x/a.TOP"), MegnyitasCel::Variacio);
    EXPECT_EQ(MegnyitasDontes("/x/a.txt"), MegnyitasCel::Import);
    EXPECT_EQ(MegnyitasDontes("/x/a.doc"), MegnyitasCel::Valasszon);
    EXPECT_EQ(MegnyitasDontes("/x/a.tip.bak"), MegnyitasCel::Egyeb);

    EXPECT_EQ(AllomanyKonyvtara("/home/u/Lotto/Otos/a.tip", "/kezdo"), "/home/u/Lotto/Otos");
    EXPECT_EQ(AllomanyKonyvtara("C:\\L\\a.tip", "/kezdo"), "C:\\L");
    EXPECT_EQ(AllomanyKonyvtara("a.tip", "/kezdo"), "a.tip");
    EXPECT_EQ(AllomanyKonyvtara("", "/kezdo"), "/kezdo");

    Folders f;
    f.LottoKonyvtar = "/p/Lotto/";
    f.PrivateKonyvtar = "/p/Dat/Private/";
    UtolsoKonyvtarakAlap(f);
    UtolsoKonyvtarFrissites(f, kSzamsorMentes, 3, true, "/else/where/x.tip");
    EXPECT_EQ(KezdoKonyvtar(f, kSzamsorMentes, 3), "/else/where");
    UtolsoKonyvtarFrissites(f, kSzamsorMentes, 3, false, "");
    EXPECT_EQ(KezdoKonyvtar(f, kSzamsorMentes, 3), std::string("/p/Lotto/") + JatekMappa[3]);
    f.UtolsoKonyvtarak[kPrivateMentes][0].clear();
    EXPECT_EQ(KezdoKonyvtar(f, kPrivateMentes, 0), std::string("/p/Dat/Private/") + JatekMappa[0]);
}

TEST(FileHelpers, SharedFileAndAccessMessages)
{
    TempDir d;
    KozosAllomanyAllapot k;
    std::string uzenet;
    EXPECT_FALSE(AllomanyMegnyitasa(k, d / "nincs.dat", uzenet));
    EXPECT_EQ(uzenet, "Hiba történt: " + (d / "nincs.dat") + " megnyitása.");
    EXPECT_TRUE(AllomanyLetrehozasa(k, d / "uj.dat", true, uzenet));
    EXPECT_TRUE(AllomanyLezarasa(k, d / "uj.dat", uzenet));
    EXPECT_FALSE(AllomanyLezarasa(k, d / "uj.dat", uzenet));  // nothing open
    EXPECT_EQ(uzenet, "Hiba történt: " + (d / "uj.dat") + " lezárása.");
    EXPECT_FALSE(AllomanyLetrehozasa(k, d / "nincs/mappa.dat", true, uzenet));
    EXPECT_EQ(uzenet, "Hiba történt: " + (d / "nincs/mappa.dat") + " mentése.");

    EXPECT_TRUE(AllomanyHozzaferheto(d / "nincs.csv", uzenet));
    EXPECT_TRUE(AllomanyHozzaferheto(d / "uj.dat", uzenet));
    EXPECT_FALSE(AllomanyHozzaferheto(d.p.string(), uzenet));  // a folder cannot be opened as a file
    EXPECT_EQ(uzenet.rfind("Foglalt állomány\r\n\r\n", 0), 0u);
}

TEST(FileHelpers, NumberSetSaveAndLoadThroughFiles)
{
    TempDir d;
    GameParams g;
    JatekParameterek(g);
    FeltetelRekordok f;
    FeltetelekRekordokReset(f, g);
    SzamListak l;
    MainState ms;
    ListakInicializalasa(l, g, ms);
    for (int n : {5, 10, 15, 20, 25, 30}) SzamJeloles(l, g, ms, n, ModKijelolt, false);
    const SzamsorKep kep = SzamsorKepKeszites(l, g, f, 1, {});
    std::string uzenet;
    ASSERT_TRUE(SzamsorMentese(d / "a.tip", kep, uzenet));
    EXPECT_FALSE(SzamsorMentese(d / "nincs/a.tip", kep, uzenet));
    EXPECT_EQ(uzenet, "Hiba történt a számsor állományának mentése során.");

    SzamsorOlvasasKornyezet env;
    env.Jatek = &g;
    env.Feltetelek = &f;
    std::vector<std::uint8_t> adat;
    const auto r = SzamsorBetoltese(d / "a.tip", env, &adat);
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    EXPECT_EQ(r.Vege, adat.size());
    EXPECT_EQ(r.Kep.KijeloltSzamok, l.KijeloltSzamok);

    const auto m = SzamsorBetoltese(d / "b.tip", env);
    EXPECT_FALSE(m.Ok);
    EXPECT_EQ(m.Uzenet, "A keresett állomány nem található.\r\n\r\n" + (d / "b.tip"));
}

}  // namespace
}  // namespace kvx
