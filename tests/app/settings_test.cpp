#include "app/settings.h"

#include "app/ini_file.h"
#include "app/version.h"
#include "common/binary_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>
#include <sys/resource.h>
#include <unistd.h>

namespace kvx {
namespace {

namespace fs = std::filesystem;

class SettingsIni : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("kvx_settings_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        KonyvtarakBeallitasa(f, (dir_ / "kavarex").string());
        UtolsoKonyvtarakAlap(f);
        ASSERT_TRUE(KonyvtarakLetrehozasa(f));
        SzelvIniAlap(s, g, m, 16);
        k.MunkaTerulet = {0, 0, 1600, 1000};
        k.MinSzelesseg = 1024;
        k.MinMagassag = 720;
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeIni(const std::string& text) { ASSERT_TRUE(writeFileAtomic(f.IniAllomany, std::string_view(text))); }
    IniEredmeny read() { return KavarexIniOlvas(s, g, f, k); }
    IniFile fileNow()
    {
        IniFile ini;
        ini.LoadFromFile(f.IniAllomany);
        return ini;
    }

    fs::path dir_;
    Folders f;
    Settings s;
    GameParams g;
    MainState m;
    AblakKorlatok k;
};

// Under a file-size limit (ulimit -f) the writer fails like on a full disk:
// the program lives on to show the message, the old file is intact, and no
// temporary file is left. The limit's signal would end the child at once.
TEST_F(SettingsIni, AWritePastTheFileSizeLimitFailsLikeAnyOtherWrite)
{
    writeIni("[Kavarex]\nGame=3\n");
    // Runs in the child: 0 when everything is as it should be.
    const auto korlatMellett = [this] {
        FajlmeretJelzesKikapcsolasa();
        rlimit korlat{};
        korlat.rlim_cur = korlat.rlim_max = 1024;
        if (::setrlimit(RLIMIT_FSIZE, &korlat) != 0)
            return 10;
        const IniEredmeny r = KavarexIniIras(s, g, f, 1920, 1080);
        int hiba = 0;
        if (r.Rendben || r.HibaUzenet != IniAllomanyHibaUzenet(f.IniAllomany, true))
            hiba |= 1;
        std::vector<std::uint8_t> adat;
        if (!readWholeFile(f.IniAllomany, adat) || std::string(adat.begin(), adat.end()) != "[Kavarex]\nGame=3\n")
            hiba |= 2;
        for (const auto& e : fs::directory_iterator(dir_))
            if (e.is_regular_file() && e.path() != fs::path(f.IniAllomany))
                hiba |= 4;
        return hiba;
    };
    EXPECT_EXIT(std::_Exit(korlatMellett()), ::testing::ExitedWithCode(0), "");
}

TEST_F(SettingsIni, FoldersAndDefaults)
{
    const std::string p = dir_.generic_string() + "/";
    EXPECT_EQ(f.ProgramKonyvtar, p);
    EXPECT_EQ(f.LottoKonyvtar, p + "Lotto/");
    EXPECT_EQ(f.PrivateKonyvtar, p + "Dat/Private/");
    EXPECT_EQ(f.CacheKonyvtar, p + "Dat/Cache/");
    EXPECT_EQ(f.BackKonyvtar, p + "Back/");
    EXPECT_EQ(f.ListKonyvtar, p + "List/");
    EXPECT_EQ(f.IniAllomany, p + "kavarex.ini");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMentes][30], p + "Lotto/EJ");
    EXPECT_EQ(f.UtolsoKonyvtarak[kPrivateMegnyitas][22], p + "Dat/Private/Uk542");

    JatekKonyvtarakBeallitasa(f, 30);
    EXPECT_TRUE(fs::is_directory(f.LottoKonyvtar + "EJ"));
    EXPECT_TRUE(fs::is_directory(f.PrivateKonyvtar + "Keno7"));
    EXPECT_EQ(f.AktualisAdatbazis[12], p + "Dat/Keno.ldb");

    EXPECT_DOUBLE_EQ(s.JegyAr[2], 350);
    EXPECT_DOUBLE_EQ(s.JegyAr[16], 300);
    EXPECT_DOUBLE_EQ(s.JegyAr[17], 2.0);
    EXPECT_EQ(s.PenznemIndex[16], 0);
    EXPECT_EQ(s.PenznemIndex[17], 1);
    EXPECT_EQ(s.SzelvenyOrigoX[2], 26);
    EXPECT_EQ(s.SzelvenyOrigoY[3], 24);

    // Ticket look: cell size from the text height, the derived colours are
    // their kind's base colour plus a fixed offset.
    const auto& t = s.SzelvenyBeallitas;
    EXPECT_EQ(t[0][1], 38);  // 16 * 2.39 rounded
    EXPECT_EQ(t[3][4], s.BetuMeret);
    EXPECT_EQ(t[0][0], kSzurkeSzoveg);
    EXPECT_EQ(t[1][3], RGB(130 + 110, 100 + 120, 10 + 155));
    EXPECT_EQ(t[1][14], RGB(240 + 15, 220 + 20, 165 + 20));
    EXPECT_EQ(t[2][2], RGB(255, 250 + 3, 240 + 14));
    EXPECT_EQ(t[2][6], RGB(255, 255, 255));
    EXPECT_EQ(t[3][2], RGB(105 + 145, 115 + 140, 95 + 145));
    EXPECT_EQ(t[3][14], RGB(210 + 20, 220 + 20, 200 + 20));
    EXPECT_EQ(t[4][2], RGB(250 + 5, 255, 240 + 5));
    EXPECT_EQ(t[4][0], kSzurkeSzoveg);
    EXPECT_EQ(t[4][7], RGB(255, 250, 240));
    EXPECT_EQ(t[5][5], RGB(0, 0, 128));
    EXPECT_EQ(t[5][12], RGB(0, 120, 180));
}

TEST_F(SettingsIni, WrittenSettingsReadBackEqual)
{
    s.BetuMeret = 12;
    s.Inform = false;
    s.UjVerzioKereses = false;
    s.ShowHint = false;
    s.BackTipus = "tip";
    s.InditasokSzama = 6;
    s.AblakFelso = 10;
    s.AblakBal = 20;
    s.AblakSzelesseg = 1200;
    s.AblakMagassag = 800;
    s.UzenetekLog[3] = 0;
    s.UzenetekLog[35] = 0;
    s.JegyAr[30] = 2.5;
    s.JegyAr[0] = 400;
    s.PenznemIndex[3] = 7;
    s.NyomtatasiMargok[1][2] = -1.5;
    s.NyomtatasiMargok[4][0] = 3.25;
    g.LottoIndex = 30;
    f.UtolsoKonyvtarak[kPrivateMentes][5] = "/home/user/Lottó";
    ASSERT_TRUE(KavarexIniIras(s, g, f, 1920, 1080).Rendben);

    Settings r;
    GameParams rg;
    MainState rm;
    Folders rf = f;
    UtolsoKonyvtarakAlap(rf);
    SzelvIniAlap(r, rg, rm, 16);
    ASSERT_TRUE(KavarexIniOlvas(r, rg, rf, k).Rendben);

    Settings expected = s;
    expected.InditasokSzama = 7;  // one more start
    EXPECT_EQ(r, expected);
    EXPECT_EQ(rg.LottoIndex, 30);
    EXPECT_EQ(rf.UtolsoKonyvtarak, f.UtolsoKonyvtarak);

    // Reading and writing again changes nothing but the start counter.
    const std::string first = fileNow().ToString();
    ASSERT_TRUE(KavarexIniIras(r, rg, rf, 1920, 1080).Rendben);
    IniFile again = fileNow();
    again.WriteInteger("Kavarex", "Start", 6);
    EXPECT_EQ(again.ToString(), first);
}

TEST_F(SettingsIni, WriterKeyOrder)
{
    ASSERT_TRUE(KavarexIniIras(s, g, f, 1600, 1000).Rendben);
    const IniFile ini = fileNow();
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Kavarex", "Currency", "Price", "HI"}));

    std::vector<std::string> expected = {"Game", "Approve", "ApproveVari", "Info", "Sound", "AutoName", "Search",
                                         "Hint", "Start", "Size", "SW", "SH", "FT", "FL", "FW", "FH", "VersionI",
                                         "BackLog", "Back", "Dir"};
    for (int gi = 0; gi < kJatekokSzama; ++gi)
        for (const char* kind : {"DirTO", "DirTS", "DirPO", "DirPS"})
            expected.push_back(kind + std::to_string(gi));
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j)
            expected.push_back("PTC" + std::to_string(i) + std::to_string(j));
    EXPECT_EQ(ini.ReadSection("Kavarex"), expected);
    EXPECT_EQ(ini.ReadSection("Price").size(), 44u);
    EXPECT_EQ(ini.ReadSection("HI").back(), "HI35");
    EXPECT_EQ(ini.ReadString("Kavarex", "VersionI", ""), std::to_string(VerzioSzam()));
    EXPECT_EQ(ini.ReadString("Price", "0", ""), "350");
    EXPECT_EQ(ini.ReadString("Kavarex", "Dir", ""), f.ProgramKonyvtar);
}

TEST_F(SettingsIni, WriterKeepsKeysItDoesNotWriteAndFloatsUseAPoint)
{
    writeIni("[Kavarex]\nCache=setup.exe\n; note\n");
    s.JegyAr[30] = 2.5;
    s.NyomtatasiMargok[0][1] = -0.5;
    ASSERT_TRUE(KavarexIniIras(s, g, f, 1600, 1000).Rendben);
    const IniFile ini = fileNow();
    EXPECT_EQ(ini.ReadString("Kavarex", "Cache", ""), "setup.exe");
    EXPECT_EQ(ini.ReadString("Price", "30", ""), "2.5");
    EXPECT_EQ(ini.ReadString("Kavarex", "PTC01", ""), "-0.5");
    EXPECT_NE(ini.ToString().find("; note"), std::string::npos);
}

TEST_F(SettingsIni, RangeRules)
{
    struct Case {
        const char* name;
        std::string body;  // added to a valid file
        std::function<void(const Settings&, const GameParams&)> check;
    };
    const std::vector<Case> cases = {
        {"game 44", "[Kavarex]\nGame=44\n", [](auto&, auto& gp) { EXPECT_EQ(gp.LottoIndex, 0); }},
        {"game -1", "[Kavarex]\nGame=-1\n", [](auto&, auto& gp) { EXPECT_EQ(gp.LottoIndex, 0); }},
        {"game 43", "[Kavarex]\nGame=43\n", [](auto&, auto& gp) { EXPECT_EQ(gp.LottoIndex, 43); }},
        {"size 9", "[Kavarex]\nSize=9\n", [](auto& st, auto&) { EXPECT_EQ(st.BetuMeret, 10); }},
        {"size 22", "[Kavarex]\nSize=22\n", [](auto& st, auto&) { EXPECT_EQ(st.BetuMeret, 10); }},
        {"size 6", "[Kavarex]\nSize=6\n", [](auto& st, auto&) { EXPECT_EQ(st.BetuMeret, 10); }},
        {"size 16", "[Kavarex]\nSize=16\n", [](auto& st, auto&) { EXPECT_EQ(st.BetuMeret, 16); }},
        {"start", "[Kavarex]\nStart=3\n", [](auto& st, auto&) { EXPECT_EQ(st.InditasokSzama, 4); }},
        {"negative start", "[Kavarex]\nStart=-7\n", [](auto& st, auto&) { EXPECT_EQ(st.InditasokSzama, 1); }},
        {"empty back", "[Kavarex]\nBack=\n", [](auto& st, auto&) { EXPECT_EQ(st.BackTipus, "top"); }},
        {"flags", "[Kavarex]\nSound=0\nHint=0\n[HI]\nHI7=0\n",
         [](auto& st, auto&) {
             EXPECT_FALSE(st.Hangjelzes);
             EXPECT_FALSE(st.ShowHint);
             EXPECT_EQ(st.UzenetekLog[7], 0);
             EXPECT_EQ(st.UzenetekLog[8], 1);
         }},
        {"price too high", "[Price]\n5=1000000\n", [](auto& st, auto&) { EXPECT_DOUBLE_EQ(st.JegyAr[5], 2.0); }},
        {"price negative", "[Price]\n0=-5\n", [](auto& st, auto&) { EXPECT_DOUBLE_EQ(st.JegyAr[0], 2.0); }},
        {"price comma", "[Price]\n30=2,5\n", [](auto& st, auto&) { EXPECT_DOUBLE_EQ(st.JegyAr[30], 2.5); }},
        {"price point", "[Price]\n30=2.5\n", [](auto& st, auto&) { EXPECT_DOUBLE_EQ(st.JegyAr[30], 2.5); }},
        {"price garbage", "[Price]\n1=abc\n", [](auto& st, auto&) { EXPECT_DOUBLE_EQ(st.JegyAr[1], 350); }},
        {"currency 7 and 8", "[Price]\n0=1\n[Currency]\n3=7\n4=8\n",
         [](auto& st, auto&) {
             EXPECT_EQ(st.PenznemIndex[3], 7);
             EXPECT_EQ(st.PenznemIndex[4], 8);
         }},
        {"currency out of list", "[Price]\n0=1\n[Currency]\n3=9\n30=9\n31=-1\n",
         [](auto& st, auto&) {
             EXPECT_EQ(st.PenznemIndex[3], 0);
             EXPECT_EQ(st.PenznemIndex[30], 1);
             EXPECT_EQ(st.PenznemIndex[31], 1);
         }},
        {"currency without price", "[Currency]\n3=7\n", [](auto& st, auto&) { EXPECT_EQ(st.PenznemIndex[3], 0); }},
        {"PTC above 4", "[Kavarex]\nPTC12=4.5\n",
         [](auto& st, auto&) { EXPECT_DOUBLE_EQ(st.NyomtatasiMargok[1][2], 0); }},
        {"PTC -4", "[Kavarex]\nPTC12=-4\n", [](auto& st, auto&) { EXPECT_DOUBLE_EQ(st.NyomtatasiMargok[1][2], -4); }},
        {"PTC comma", "[Kavarex]\nPTC40=1,5\nPTC41=-2.25\n",
         [](auto& st, auto&) {
             EXPECT_DOUBLE_EQ(st.NyomtatasiMargok[4][0], 1.5);
             EXPECT_DOUBLE_EQ(st.NyomtatasiMargok[4][1], -2.25);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SzelvIniAlap(s, g, m, 16);
        s.BetuMeret = 10;
        const bool ownStart = c.body.find("Start=") != std::string::npos;
        writeIni(std::string("[Kavarex]\n") + (ownStart ? "" : "Start=0\n") + "DirTO0=x\n" + c.body);
        const IniEredmeny r = read();
        EXPECT_TRUE(r.Rendben);
        EXPECT_TRUE(r.HibaUzenet.empty());
        c.check(s, g);
    }
}

TEST_F(SettingsIni, MissingPriceDropsCurrencyKeys)
{
    writeIni("[Kavarex]\nStart=0\nDirTO0=x\n[Currency]\n3=7\n40=8\n");
    ASSERT_TRUE(read().Rendben);
    EXPECT_FALSE(fileNow().SectionExists("Currency"));
}

TEST_F(SettingsIni, TicketSetColorMarksAnOutdatedFile)
{
    writeIni("[Kavarex]\nStart=0\nDirTO0=x\n[Ticket]\nSetColor=3\n");
    const IniEredmeny bad = read();
    EXPECT_FALSE(bad.Rendben);
    EXPECT_TRUE(bad.HibaUzenet.empty());
    writeIni("[Kavarex]\nStart=0\nDirTO0=x\n[Ticket]\nSetColor=-1\n");
    EXPECT_TRUE(read().Rendben);
}

TEST_F(SettingsIni, OldestLayoutIsTakenOverAndReportedForReplacement)
{
    writeIni("[Kavarex]\nJatek=8\nSound=0\nHintStatus=0\nIniDir2=/old/hk\nIniDir3=\nSet=1\n");
    const IniEredmeny r = read();
    EXPECT_FALSE(r.Rendben);
    EXPECT_TRUE(r.HibaUzenet.empty());
    EXPECT_EQ(g.LottoIndex, 3);
    EXPECT_FALSE(s.Hangjelzes);
    EXPECT_FALSE(s.ShowHint);
    EXPECT_TRUE(s.Jovahagyas);
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMegnyitas][2], "/old/hk");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMegnyitas][3], f.LottoKonyvtar + "Sk535");

    // An old game code outside 5..12 takes nothing.
    SzelvIniAlap(s, g, m, 16);
    writeIni("[Kavarex]\nJatek=13\nSound=0\n");
    EXPECT_FALSE(read().Rendben);
    EXPECT_EQ(g.LottoIndex, 0);
    EXPECT_TRUE(s.Hangjelzes);

    // [Bontas] Penznem marks the old layout even with a start counter.
    writeIni("[Kavarex]\nStart=4\nGame=30\n[Bontas]\nPenznem=1\n");
    EXPECT_FALSE(read().Rendben);
    EXPECT_EQ(g.LottoIndex, 0);
}

TEST_F(SettingsIni, OlderDirKeysFor44Games)
{
    std::string body = "[Kavarex]\nStart=2\nDir=/prog/\n";
    for (int i = 0; i < 44; ++i)
        body += "Dir" + std::to_string(i) + "=/open/" + std::to_string(i) + "\n";
    for (int i = 0; i < 44; ++i)
        body += "Dir" + std::to_string(44 + i) + "=/save/" + std::to_string(i) + "\n";
    writeIni(body + "[HI]\nHI5=0\nHI14=0\nHI6=0\n");
    ASSERT_TRUE(read().Rendben);
    for (int gi : {0, 17, 43}) {
        EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMegnyitas][static_cast<std::size_t>(gi)], "/open/" + std::to_string(gi));
        EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMentes][static_cast<std::size_t>(gi)], "/save/" + std::to_string(gi));
    }
    EXPECT_EQ(s.UzenetekLog[5], 1);  // tips about the new features show again
    EXPECT_EQ(s.UzenetekLog[14], 1);
    EXPECT_EQ(s.UzenetekLog[6], 0);
    const IniFile after = fileNow();
    for (int i = 0; i < 88; ++i)
        EXPECT_FALSE(after.ValueExists("Kavarex", "Dir" + std::to_string(i))) << i;
    EXPECT_TRUE(after.ValueExists("Kavarex", "Dir"));
}

TEST_F(SettingsIni, OlderDirKeysForFewerGames)
{
    // Eight games: Dir0..Dir7 open, Dir8..Dir15 save.
    std::string body = "[Kavarex]\nStart=2\n";
    for (int i = 0; i < 16; ++i)
        body += "Dir" + std::to_string(i) + "=/d/" + std::to_string(i) + "\n";
    writeIni(body);
    ASSERT_TRUE(read().Rendben);
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMegnyitas][0], "/d/0");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMentes][0], "/d/8");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMegnyitas][7], "/d/7");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMentes][7], "/d/15");
    // Game 8's folders are not another game's.
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMegnyitas][8], f.LottoKonyvtar + "Keno10");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMentes][8], f.LottoKonyvtar + "Keno10");
}

TEST_F(SettingsIni, OlderDirKeysWithAnEvenHighestKeyTakeNothing)
{
    writeIni("[Kavarex]\nStart=2\nDir0=/a\nDir44=/b\n");
    ASSERT_TRUE(read().Rendben);
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMegnyitas][0], f.LottoKonyvtar + "Otos");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMentes][0], f.LottoKonyvtar + "Otos");
    EXPECT_EQ(f.UtolsoKonyvtarak[kSzamsorMentes][22], f.LottoKonyvtar + "Uk542");
    const IniFile after = fileNow();
    EXPECT_FALSE(after.ValueExists("Kavarex", "Dir0"));
    EXPECT_FALSE(after.ValueExists("Kavarex", "Dir44"));
}

TEST_F(SettingsIni, CacheNameIsAFileNameInsideTheCacheFolder)
{
    const auto touch = [](const std::string& p) { ASSERT_TRUE(writeFileAtomic(p, std::string_view("x"))); };
    touch(f.DatKonyvtar + "outside.txt");
    touch(f.CacheKonyvtar + "setup.exe");
    touch(f.CacheKonyvtar + "Kavarex2015.exe");
    touch(f.CacheKonyvtar + "keep.txt");

    for (const char* bad : {"../outside.txt", "..", ".", "", "/"}) {
        SCOPED_TRACE(bad);
        writeIni(std::string("[Kavarex]\nStart=0\nDirTO0=x\nCache=") + bad + "\n");
        ASSERT_TRUE(read().Rendben);
        EXPECT_TRUE(fs::exists(f.DatKonyvtar + "outside.txt"));
        EXPECT_TRUE(fs::is_directory(f.CacheKonyvtar));
        EXPECT_TRUE(fs::exists(f.CacheKonyvtar + "keep.txt"));
    }
    EXPECT_FALSE(fs::exists(f.CacheKonyvtar + "Kavarex2015.exe"));

    // A path in front is dropped: the file of that name in the cache folder goes.
    writeIni("[Kavarex]\nStart=0\nDirTO0=x\nCache=C:\\Program Files\\Kavarex\\Dat\\Cache\\setup.exe\n");
    ASSERT_TRUE(read().Rendben);
    EXPECT_FALSE(fs::exists(f.CacheKonyvtar + "setup.exe"));
    EXPECT_TRUE(fs::exists(f.CacheKonyvtar + "keep.txt"));
}

TEST_F(SettingsIni, WindowRectangleRule)
{
    writeIni("[Kavarex]\nStart=0\nDirTO0=x\nFT=50\nFL=40\nFW=900\nFH=800\n");
    ASSERT_TRUE(read().Rendben);
    EXPECT_EQ(s.AblakSzelesseg, 1024);
    EXPECT_EQ(s.AblakMagassag, 800);
    EXPECT_EQ(s.AblakFelso, 50);
    EXPECT_EQ(s.AblakBal, 40);

    struct Case { KepernyoTeglalap in, out; };
    const AblakKorlatok wa{{0, 30, 1600, 970}, 1024, 720};
    for (const Case& c : {
             Case{{-10, -20, 1100, 750}, {0, 30, 1100, 750}},         // above and left of the screen
             Case{{0, 0, 0, 0}, {0, 30, 1024, 720}},                  // nothing stored
             Case{{0, 0, 5000, 4000}, {0, 30, 1600, 970}},            // larger than the work area
             Case{{1000, 600, 1200, 800}, {400, 200, 1200, 800}},     // past the right and bottom edges
         }) {
        const KepernyoTeglalap r = AblakIllesztes(c.in, wa);
        EXPECT_EQ(r.Bal, c.out.Bal);
        EXPECT_EQ(r.Felso, c.out.Felso);
        EXPECT_EQ(r.Szelesseg, c.out.Szelesseg);
        EXPECT_EQ(r.Magassag, c.out.Magassag);
        EXPECT_GE(r.Bal, wa.MunkaTerulet.Bal);
        EXPECT_LE(r.Felso + r.Magassag, wa.MunkaTerulet.Felso + wa.MunkaTerulet.Magassag);
    }

    std::int32_t w = 0, h = 0;
    AblakMinimum(1920, 1080, {0, 0, 1920, 1040}, 0, w, h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 680);
    AblakMinimum(1920, 1080, {0, 0, 1920, 1040}, 2, w, h);
    EXPECT_EQ(w, 1280);
    AblakMinimum(1000, 700, {0, 0, 1000, 700}, 3, w, h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
}

TEST_F(SettingsIni, UnreadableAndUnwritableFiles)
{
    const IniEredmeny r = read();  // no file
    EXPECT_FALSE(r.Rendben);
    EXPECT_EQ(r.HibaUzenet, "Hiba történt a " + f.IniAllomany + " állományának betöltése során.");
    EXPECT_EQ(IniSerultUzenet(f.IniAllomany), "Sérült a " + f.IniAllomany + " állománya.");

    Folders nowhere = f;
    nowhere.IniAllomany = (dir_ / "no" / "such" / "k.ini").string();
    const IniEredmeny w = KavarexIniIras(s, g, nowhere, 1600, 1000);
    EXPECT_FALSE(w.Rendben);
    EXPECT_EQ(w.HibaUzenet, "Hiba történt a " + nowhere.IniAllomany + " állományának mentése során.");
}

// Before a rejected file is written anew: a file that could not be read is
// kept aside (its own keys may matter, the failure may pass); a file read and
// found outdated is simply replaced.
TEST_F(SettingsIni, RejectedFileIsReplacedAndAnUnreadableOneKeptAsBak)
{
    const std::string sajat = "[Kavarex]\nStart=3\n[Sajat]\nKulcs=megmarad\n";
    const std::string bak = f.IniAllomany + ".bak";
    for (const bool olvashatatlan : {true, false}) {
        SCOPED_TRACE(olvashatatlan);
        fs::remove_all(bak);
        ASSERT_TRUE(writeFileAtomic(bak, std::string_view("[Regi]\n")));
        writeIni(sajat);
        SerultIniEltavolitasa(f.IniAllomany, olvashatatlan);
        EXPECT_FALSE(fs::exists(f.IniAllomany));
        ASSERT_TRUE(KavarexIniIras(s, g, f, 1600, 1000).Rendben);
        EXPECT_FALSE(fileNow().SectionExists("Sajat"));
        std::vector<std::uint8_t> d;
        ASSERT_TRUE(readWholeFile(bak, d));
        EXPECT_EQ(std::string(d.begin(), d.end()), olvashatatlan ? sajat : "[Regi]\n");
    }
}

TEST(Settings, ScreenBasedFontSizeAndVersion)
{
    EXPECT_EQ(AlapBetuMeret(2560, 96), 14);
    EXPECT_EQ(AlapBetuMeret(1600, 144), 14);
    EXPECT_EQ(AlapBetuMeret(1920, 96), 12);
    EXPECT_EQ(AlapBetuMeret(1700, 96), 10);
    EXPECT_EQ(AlapBetuMeret(1366, 96), 8);
    EXPECT_EQ(AlapBetuMeret(1366, 110), 12);

    const TVerzio v = ProgramVerzio();
    EXPECT_EQ(VerzioSzam(), v.major * 1000 + v.minor * 100 + v.release * 10 + v.build);
    EXPECT_EQ(VerzioSzoveg(), std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                                  std::to_string(v.release) + "." + std::to_string(v.build));
}

}  // namespace
}  // namespace kvx

namespace {

// The ticket sizes follow the text size chosen after the defaults were set:
// a cell of 2.39 text heights and the number font of the text size, every kind.
TEST(SzelvenyMeretek, FollowTheFinalTextSize)
{
    kvx::Settings s;
    kvx::GameParams g;
    kvx::MainState m;
    s.BetuMeret = 8;
    kvx::SzelvIniAlap(s, g, m, 13);
    s.BetuMeret = 12;
    kvx::SzelvenyMeretekBeallitasa(s, 19);
    for (const auto& fajta : s.SzelvenyBeallitas) {
        EXPECT_EQ(fajta[1], 45);
        EXPECT_EQ(fajta[4], 12);
    }
}

}  // namespace
