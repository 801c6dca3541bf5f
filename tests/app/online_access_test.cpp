#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "app/online_access.h"
#include "common/binary_io.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

std::int32_t i32At(const std::vector<std::uint8_t>& d, std::size_t at)
{
    return static_cast<std::int32_t>(d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24);
}
std::string rovidAt(const std::vector<std::uint8_t>& d, std::size_t at)
{
    return std::string(reinterpret_cast<const char*>(&d[at + 1]), d[at]);
}

TOnlineEleresek mintaTabla(std::int32_t sorszam = 7, std::array<std::int32_t, 4> verzio = {2, 8, 1, 7})
{
    TOnlineEleresek t;
    t.Verzio = verzio;
    t.Sorszam = sorszam;
    for (int g = 0; g < kJatekokSzama; ++g) {
        const std::string s = std::to_string(g);
        t.KalkulatorKod[g] = 100 + g;
        t.KeziFogadas[g] = "https://kezi/" + s;
        t.Feltoltes1[g] = "p1-" + s;
        t.Feltoltes2[g] = "p2-" + s;
        t.Feltoltes3[g] = "p3-" + s;
        t.Feltoltes4[g] = "p4-" + s;
        t.FeltoltesSzam[g] = g - 1;
        t.Feltoltes5[g] = "p5-" + s;
        t.Feltoltes6[g] = g % 2 ? "p6-" + s : "";
        t.FeltoltesElfogadott[g] = static_cast<std::uint8_t>(g % 3 == 0);
        t.FeltoltesMaximum[g] = 10 + g;
        t.TarsasagHonlap[g] = "https://op/" + s;
        t.EredmenyAllomany[g] = "res" + s + ".csv";
        t.EredmenyCim[g] = "https://op/res/" + s;
        t.EredmenyArchivum[g] = g == 5 ? "res5.zip" : "";
    }
    t.RekordNyeremenyek = "https://rekord";
    t.KeziFogadas[43] = std::string(255, 'k');
    return t;
}

TEST(OnlineEleresekTest, ImageHasTheRecordLayoutAndReadsBack)
{
    const TOnlineEleresek t = mintaTabla();
    const std::vector<std::uint8_t> d = OnlineEleresekIras(t);
    ASSERT_EQ(d.size(), kOnlineEleresekMeret);
    EXPECT_EQ(i32At(d, 0), 2);
    EXPECT_EQ(i32At(d, 12), 7);
    EXPECT_EQ(i32At(d, 16), 7);  // serial
    EXPECT_EQ(i32At(d, 20 + 4 * 3), 103);
    EXPECT_EQ(rovidAt(d, 196), "https://rekord");
    EXPECT_EQ(rovidAt(d, 452 + 256 * 2), "https://kezi/2");
    EXPECT_EQ(rovidAt(d, 11716), "p1-0");
    EXPECT_EQ(rovidAt(d, 22980 + 256), "p2-1");
    EXPECT_EQ(rovidAt(d, 34244), "p3-0");
    EXPECT_EQ(rovidAt(d, 45508), "p4-0");
    EXPECT_EQ(i32At(d, 56772), -1);
    EXPECT_EQ(rovidAt(d, 56948), "p5-0");
    EXPECT_EQ(rovidAt(d, 68212 + 256), "p6-1");
    EXPECT_EQ(d[79476 + 3], 1);
    EXPECT_EQ(i32At(d, 79520 + 4 * 43), 53);
    EXPECT_EQ(rovidAt(d, 79696), "https://op/0");
    EXPECT_EQ(rovidAt(d, 90960 + 256 * 43), "res43.csv");
    EXPECT_EQ(rovidAt(d, 102224), "https://op/res/0");
    EXPECT_EQ(rovidAt(d, 113488 + 256 * 5), "res5.zip");

    const auto vissza = OnlineEleresekOlvasas(d);
    ASSERT_TRUE(vissza);
    EXPECT_EQ(OnlineEleresekIras(*vissza), d);
    EXPECT_EQ(vissza->KeziFogadas[43], std::string(255, 'k'));
    EXPECT_EQ(vissza->OnlineVerzio(), 2817);
    EXPECT_EQ(vissza->OnlineVerzioSzoveg(), "2.8.1.7");
}

class OnlineAllomanyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("kvx_online_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        ut_ = (dir_ / "Online.odb").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    void ir(const std::vector<std::uint8_t>& d)
    {
        std::ofstream f(ut_, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(d.data()), static_cast<std::streamsize>(d.size()));
    }
    fs::path dir_;
    std::string ut_;
};

TEST_F(OnlineAllomanyTest, LoadAcceptsOnlyTheExactSizeAndKeepsTheTableOtherwise)
{
    const std::vector<std::uint8_t> jo = OnlineEleresekIras(mintaTabla(9));
    TOnlineEleresek t = mintaTabla(3);
    for (const std::size_t meret : {kOnlineEleresekMeret - 1, kOnlineEleresekMeret + 1, std::size_t{20}, std::size_t{0}}) {
        SCOPED_TRACE(meret);
        std::vector<std::uint8_t> d = jo;
        d.resize(meret, 0);
        ir(d);
        EXPECT_EQ(OnlineEleresBetoltes(ut_, 2817, t), OnlineBetoltes::Meret);
        EXPECT_EQ(t.Sorszam, 3);
    }
    ir(jo);
    EXPECT_EQ(OnlineEleresBetoltes(ut_, 2817, t), OnlineBetoltes::Rendben);
    EXPECT_EQ(t.Sorszam, 9);
    // Made for a newer program: reported, and the record is still what the
    // menus follow.
    ir(OnlineEleresekIras(mintaTabla(11, {2, 9, 0, 0})));
    EXPECT_EQ(OnlineEleresBetoltes(ut_, 2817, t), OnlineBetoltes::UjabbVerzio);
    EXPECT_EQ(t.Sorszam, 11);
    // Its version composite taken in 32 bits would read as 2817.
    ir(OnlineEleresekIras(mintaTabla(12, {4294968, 0, 0, 2113})));
    EXPECT_EQ(OnlineEleresBetoltes(ut_, 2817, t), OnlineBetoltes::UjabbVerzio);
    EXPECT_EQ(t.OnlineVerzioSzoveg(), "4294968.0.0.2113");
    EXPECT_EQ(OnlineEleresBetoltes((dir_ / "nincs.odb").string(), 2817, t), OnlineBetoltes::Megnyitas);
}

TEST_F(OnlineAllomanyTest, SaveWritesTheImageThroughATemporaryFile)
{
    ir({1, 2, 3});
    ASSERT_TRUE(OnlineEleresMentes(ut_, mintaTabla(12)));
    std::vector<std::uint8_t> d;
    ASSERT_TRUE(readWholeFile(ut_, d));
    EXPECT_EQ(d, OnlineEleresekIras(mintaTabla(12)));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    EXPECT_FALSE(OnlineEleresMentes((dir_ / "nincs" / "Online.odb").string(), mintaTabla()));
}

TEST(LetoltottTablaTest, OnlyAWholeNewerTableForThisVersionIsAccepted)
{
    const auto kep = [](std::int32_t s, std::array<std::int32_t, 4> v) { return OnlineEleresekIras(mintaTabla(s, v)); };
    std::vector<std::uint8_t> rovid = kep(20, {2, 8, 1, 7});
    rovid.pop_back();
    std::vector<std::uint8_t> hosszu = kep(20, {2, 8, 1, 7});
    hosszu.push_back(0);
    const struct {
        const char* eset;
        std::vector<std::uint8_t> adat;
        std::int32_t betoltott;
        LetoltottTabla varhato;
    } esetek[] = {
        {"newer serial", kep(20, {2, 8, 1, 7}), 10, LetoltottTabla::Elfogadva},
        {"same serial", kep(10, {2, 8, 1, 7}), 10, LetoltottTabla::NemUjabb},
        {"older serial", kep(9, {2, 8, 1, 7}), 10, LetoltottTabla::NemUjabb},
        {"one byte short", rovid, 10, LetoltottTabla::Meret},
        {"one byte long", hosszu, 10, LetoltottTabla::Meret},
        {"needs a newer program", kep(20, {2, 8, 1, 8}), 10, LetoltottTabla::UjabbVerzio},
        {"for an older program", kep(20, {2, 8, 0, 0}), 10, LetoltottTabla::MasVerzio},
        {"older program, nothing loaded", kep(1, {2, 8, 0, 0}), 0, LetoltottTabla::Elfogadva},
        // Parts whose composite wraps around 32 bits, or that lie outside
        // their digit, cannot pass for this program's version.
        {"composite above 32 bits", kep(20, {4294968, 0, 0, 2113}), 10, LetoltottTabla::UjabbVerzio},
        {"composite above 32 bits, nothing loaded", kep(20, {4294968, 0, 0, 2113}), 0, LetoltottTabla::UjabbVerzio},
        {"largest major", kep(20, {INT32_MAX, 9, 9, 9}), 10, LetoltottTabla::UjabbVerzio},
        {"a part above 9", kep(20, {2, 7, 1, 107}), 10, LetoltottTabla::UjabbVerzio},
        {"a negative part", kep(20, {2, 8, 2, -3}), 10, LetoltottTabla::UjabbVerzio},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        const LetoltottTablaEredmeny r = LetoltottTablaEllenorzes(e.adat, e.betoltott, 2817);
        EXPECT_EQ(r.Allapot, e.varhato);
        EXPECT_EQ(r.Tabla.has_value(), e.varhato == LetoltottTabla::Elfogadva);
    }
    EXPECT_EQ(LetoltottTablaEllenorzes(kep(20, {2, 9, 0, 1}), 10, 2817).VerzioSzoveg, "2.9.0.1");
    EXPECT_EQ(LetoltottTablaEllenorzes(kep(20, {4294968, 0, 0, 2113}), 10, 2817).VerzioSzoveg, "4294968.0.0.2113");
}

TEST(WebSzovegTest, VersionAndSerialTexts)
{
    EXPECT_EQ(VerzioSzovegbol("2817"), std::optional<std::string>("2.8.1.7"));
    for (const char* rossz : {"281", "28170", "28a7", "", "2817\n"})
        EXPECT_FALSE(VerzioSzovegbol(rossz)) << rossz;
    EXPECT_EQ(SorszamSzoveg("123"), std::optional<std::int64_t>(123));
    for (const char* rossz : {"", "12\r\n", "1 2", "-3", "1234567890123"})
        EXPECT_FALSE(SorszamSzoveg(rossz)) << rossz;
}

// Each 1024-byte block of the file counts up to its first zero byte.
TEST(WebSzovegTest, EachBlockEndsAtItsFirstZeroByte)
{
    using namespace std::string_literals;
    const std::string blokk2 = "12"s + std::string(1022, '\0') + "34\0x"s;
    const struct {
        std::string torzs, szoveg;
    } esetek[] = {
        {"2817", "2817"},
        {"2817\0\0\0"s, "2817"},
        {"28\0" "17"s, "28"},
        {blokk2, "1234"},
        {std::string(1024, '7') + "\0" "8"s, std::string(1024, '7')},
        {"\0" "123"s, ""},
    };
    for (const auto& e : esetek)
        EXPECT_EQ(BlokkSzoveg(e.torzs), e.szoveg) << e.torzs.size();
    EXPECT_EQ(VerzioSzovegbol(BlokkSzoveg("2817\0\0"s)), std::optional<std::string>("2.8.1.7"));
}

TEST(FeltoltesTest, SplittingInstructionsNameTheNextOrTheRemainingLines)
{
    const std::string s25 = FeltoltesFelosztasSzoveg(10, 25);
    EXPECT_EQ(s25.find("maximuma: 10\r\n\r\n"), s25.find("maximuma: "));
    EXPECT_NE(s25.find("2. Törölje a variáció 11. - 25. sorszámig terjedő számsorait.\r\n"), std::string::npos);
    EXPECT_NE(s25.find("küldje játékba a következő (11-20-ig terjedő) 10 számsort.\r\n\r\n7. Folytassa"), std::string::npos);
    const std::string s15 = FeltoltesFelosztasSzoveg(10, 15);
    EXPECT_TRUE(s15.ends_with("küldje játékba a maradék (11-15-ig terjedő) 5 számsort."));
    EXPECT_EQ(s15.find("7."), std::string::npos);
    // Exactly two uploads: the second is the remainder, not "the next".
    EXPECT_TRUE(FeltoltesFelosztasSzoveg(10, 20).ends_with("maradék (11-20-ig terjedő) 10 számsort."));
    EXPECT_TRUE(FeltoltesMegjegyzes(true, "Ötöslottó").empty());
    EXPECT_TRUE(FeltoltesMegjegyzes(false, "Ötöslottó").starts_with("A(z) Ötöslottó online fogadását"));
}

TEST(FeltoltesTest, AddressLayoutFollowsTheNumberAndPartSix)
{
    TOnlineEleresek t;
    t.Feltoltes1[0] = "https://op/up?";
    t.Feltoltes2[0] = "&n=";
    t.Feltoltes3[0] = "&f=";
    t.Feltoltes4[0] = "&u=";
    t.Feltoltes5[0] = "&x=";
    const std::string f = "/home/é v/variation.csv";
    const std::string fk = "%2Fhome%2F%C3%A9%20v%2Fvariation.csv";
    t.FeltoltesSzam[0] = -1;
    EXPECT_EQ(FeltoltesCim(t, 0, 25, f), "https://op/up?&n=25&f=" + fk);
    t.Feltoltes6[0] = "6";
    EXPECT_EQ(FeltoltesCim(t, 0, 25, f), "https://op/up?&x=6&n=25&f=" + fk);
    t.FeltoltesSzam[0] = 3;
    EXPECT_EQ(FeltoltesCim(t, 0, 25, f), "https://op/up?&u=3&x=6&n=25&f=" + fk);
    t.Feltoltes6[0] = "";
    EXPECT_EQ(FeltoltesCim(t, 0, 25, f), "https://op/up?&u=3&n=25&f=" + fk);
}

TEST(WebCimTest, CalculatorAndAllowedSchemes)
{
    EXPECT_EQ(KalkulatorCim("https://h/hu/calc/calc.php?l=", 12, true, 8), "https://h/hu/calc/calc.php?l=12&jt=8&tt=12");
    EXPECT_EQ(KalkulatorCim("https://h/hu/calc/calc.php?l=", 3, false, 5), "https://h/hu/calc/calc.php?l=3");
    const struct {
        const char* cim;
        bool level;
        bool jo;
    } esetek[] = {
        {"https://op.example/page", false, true}, {"HTTP://op.example/", false, true},
        {"file:///etc/passwd", false, false},     {"javascript:alert(1)", false, false},
        {"mailto:info@x.hu", false, false},       {"mailto:info@x.hu", true, true},
        {"calc.exe", false, false},               {"http:/x", false, false},
        {"https://a b", false, false},            {"", false, false},
    };
    for (const auto& e : esetek)
        EXPECT_EQ(CimEngedett(e.cim, e.level), e.jo) << e.cim;
}

TEST(OnlineMenuTest, ItemsFollowTheGamesFields)
{
    TOnlineEleresek t = mintaTabla();
    t.KeziFogadas[2].clear();
    t.Feltoltes1[2].clear();
    const OnlineMenuAllapot a = OnlineFogadasBeallitasok(t, 0, "Ötöslottó", true);
    EXPECT_TRUE(a.NaprakeszLathato);
    EXPECT_EQ(a.TarsasagFelirat, "Ötöslottó honlap");
    EXPECT_TRUE(a.KeziEngedett);
    EXPECT_EQ(a.KeziKep, 57);
    EXPECT_EQ(a.FeltoltesKep, 56);  // game 0 accepts the file
    EXPECT_EQ(a.FeltoltesTipp, " Aktuális variáció játékba küldése - online fogadás ");
    const OnlineMenuAllapot b = OnlineFogadasBeallitasok(t, 2, "Skandináv", true);
    EXPECT_FALSE(b.KeziEngedett);
    EXPECT_EQ(b.KeziTipp, " Skandináv - nincs lehetőség online fogadásra ");
    EXPECT_EQ(b.FeltoltesTipp, " Skandináv - nincs lehetőség online küldésre ");
    EXPECT_EQ(OnlineFogadasBeallitasok(t, 2, "Skandináv", false).FeltoltesTipp, " Nincs kész variáció ");
    EXPECT_EQ(OnlineFogadasBeallitasok(t, 41, "X", false).TarsasagFelirat, "Ausztrál Mon && Wed honlap");
    EXPECT_EQ(OnlineFogadasBeallitasok(t, 24, "Y", false).TarsasagTipp, " Y nyerőszámok ");
    EXPECT_FALSE(OnlineFogadasBeallitasok(TOnlineEleresek{}, 0, "Z", false).TarsasagLathato);
}

}  // namespace
}  // namespace kvx
