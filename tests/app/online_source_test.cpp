#include "app/online_source.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/version.h"
#include "common/binary_io.h"

namespace fs = std::filesystem;
using namespace kvx;

namespace {

std::string olvas(const std::string& ut)
{
    std::ifstream f(ut, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// A whole, valid source table with every field empty.
std::string uresForras()
{
    std::string s = "verzio\t0.0.0.0\nsorszam\t1\nrekord\t-\n";
    for (int g = 0; g < kJatekokSzama; ++g)
        s += std::to_string(g) + "\t" + JatekNev[g] + "\t-\t-\t-\t-\t-\n";
    return s;
}

}  // namespace

TEST(ShippedOnlineTable, LoadsRoundTripsAndHoldsTheSourceAddresses)
{
    std::vector<std::uint8_t> kep;
    ASSERT_TRUE(readWholeFile(KAVAREX_ONLINE_ODB, kep));
    TOnlineEleresek t;
    ASSERT_EQ(OnlineEleresBetoltes(KAVAREX_ONLINE_ODB, VerzioSzam(), t), OnlineBetoltes::Rendben);
    EXPECT_EQ(OnlineEleresekIras(t), kep);

    const OnlineForras f = OnlineForrasOlvasas(olvas(KAVAREX_ONLINE_FORRAS));
    ASSERT_TRUE(f.Tabla) << f.Hiba;
    EXPECT_EQ(OnlineEleresekIras(*f.Tabla), kep);

    // The Hungarian operator's result files are filled in; the other games
    // have none, so their up-to-date item stays hidden.
    const struct {
        int g;
        const char* allomany;
    } eredmenyek[] = {{0, "otos.csv"}, {1, "hatos.csv"}, {2, "skandi.csv"}, {8, "keno.csv"}, {16, "keno.csv"}};
    for (const auto& e : eredmenyek) {
        EXPECT_EQ(t.EredmenyAllomany[e.g], e.allomany);
        EXPECT_EQ(t.EredmenyCim[e.g], std::string("https://bet.szerencsejatek.hu/cmsfiles/") + e.allomany);
        EXPECT_TRUE(t.EredmenyArchivum[e.g].empty());
    }
    for (const int g : {3, 7, 17, 24, 30, 43}) {
        EXPECT_TRUE(t.EredmenyAllomany[g].empty()) << g;
        EXPECT_TRUE(t.EredmenyCim[g].empty()) << g;
    }
    for (int g = 0; g < kJatekokSzama; ++g)
        EXPECT_LT(t.FeltoltesSzam[g], 0) << g;
}

TEST(OnlineSourceTable, ReadsEveryColumnIntoItsField)
{
    std::string s = uresForras();
    const std::string sor5 = std::string("5\t") + JatekNev[5] + "\t-\t-\t-\t-\t-\n";
    s.replace(s.find(sor5), sor5.size(),
              std::string("5\t") + JatekNev[5] + "\thttp://a/\tr.txt\thttp://b/r.zip\tr.zip\thttp://c/\r\n");
    s.replace(s.find("0.0.0.0"), 7, "2.7.3.1");
    s.replace(s.find("sorszam\t1"), 9, "sorszam\t42");
    s.replace(s.find("rekord\t-"), 8, "rekord\thttp://rekord/");
    s = "# comment\n\n" + s;
    const OnlineForras f = OnlineForrasOlvasas(s);
    ASSERT_TRUE(f.Tabla) << f.Hiba;
    const TOnlineEleresek& t = *f.Tabla;
    EXPECT_EQ(t.OnlineVerzio(), 2731);
    EXPECT_EQ(t.Sorszam, 42);
    EXPECT_EQ(t.RekordNyeremenyek, "http://rekord/");
    EXPECT_EQ(t.TarsasagHonlap[5], "http://a/");
    EXPECT_EQ(t.EredmenyAllomany[5], "r.txt");
    EXPECT_EQ(t.EredmenyCim[5], "http://b/r.zip");
    EXPECT_EQ(t.EredmenyArchivum[5], "r.zip");
    EXPECT_EQ(t.KeziFogadas[5], "http://c/");
    EXPECT_TRUE(t.TarsasagHonlap[4].empty());
}

TEST(OnlineSourceTable, RefusesABrokenSourceNamingTheLine)
{
    const std::string jo = uresForras();
    const std::string sor3 = std::string("3\t") + JatekNev[3] + "\t-\t-\t-\t-\t-\n";
    auto csere = [&](const std::string& mit, const std::string& mire) {
        std::string s = jo;
        s.replace(s.find(mit), mit.size(), mire);
        return s;
    };
    const struct {
        const char* eset;
        std::string forras;
        const char* hiba;
    } esetek[] = {
        {"missing game row", csere(sor3, ""), "game 3 has no row"},
        {"game twice", jo + sor3, "game 3 appears twice"},
        {"shifted row", csere(sor3, std::string("3\t") + JatekNev[4] + "\t-\t-\t-\t-\t-\n"), "line 7: game 3 is"},
        {"six fields", csere(sor3, std::string("3\t") + JatekNev[3] + "\t-\t-\t-\t-\n"), "7 fields"},
        {"empty field", csere(sor3, std::string("3\t") + JatekNev[3] + "\t\t-\t-\t-\t-\n"), "write - for empty"},
        {"non-ASCII text", csere(sor3, std::string("3\t") + JatekNev[3] + "\thttp://á/\t-\t-\t-\t-\n"), "ASCII"},
        {"too long text", csere(sor3, std::string("3\t") + JatekNev[3] + "\t" + std::string(256, 'x') + "\t-\t-\t-\t-\n"),
         "too long"},
        {"game index 44", jo + "44\tx\t-\t-\t-\t-\t-\n", "unknown row"},
        {"bad version", csere("0.0.0.0", "0.0.10.0"), "bad version"},
        {"short version", csere("0.0.0.0", "1.2.3"), "bad version"},
        {"negative serial", csere("sorszam\t1", "sorszam\t-1"), "serial"},
        {"no record row", csere("rekord\t-\n", ""), "rekord"},
        {"empty text", std::string(), "are all needed"},
    };
    for (const auto& e : esetek) {
        const OnlineForras f = OnlineForrasOlvasas(e.forras);
        EXPECT_FALSE(f.Tabla) << e.eset;
        EXPECT_NE(f.Hiba.find(e.hiba), std::string::npos) << e.eset << ": " << f.Hiba;
    }
}

class AlapTelepitesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("kvx_alap_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        alap_ = (dir_ / "alap.odb").string();
        cel_ = (dir_ / "Online.odb").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
    std::string alap_, cel_;
};

TEST_F(AlapTelepitesTest, CopiesTheShippedTableOnlyWhenNoneIsThere)
{
    TOnlineEleresek t;
    t.Sorszam = 7;
    const std::vector<std::uint8_t> kep = OnlineEleresekIras(t);
    ASSERT_TRUE(writeFileAtomic(alap_, std::span<const std::uint8_t>(kep)));

    EXPECT_EQ(AlapOnlineTelepites(alap_, cel_), AlapTelepites::Telepitve);
    std::vector<std::uint8_t> van;
    ASSERT_TRUE(readWholeFile(cel_, van));
    EXPECT_EQ(van, kep);

    // A table already in place (here an older, different one) is kept.
    t.Sorszam = 3;
    const std::vector<std::uint8_t> regi = OnlineEleresekIras(t);
    ASSERT_TRUE(writeFileAtomic(cel_, std::span<const std::uint8_t>(regi)));
    EXPECT_EQ(AlapOnlineTelepites(alap_, cel_), AlapTelepites::MarVan);
    ASSERT_TRUE(readWholeFile(cel_, van));
    EXPECT_EQ(van, regi);
}

TEST_F(AlapTelepitesTest, AMissingOrBrokenShippedTableInstallsNothing)
{
    EXPECT_EQ(AlapOnlineTelepites(alap_, cel_), AlapTelepites::NincsAlap);
    std::vector<std::uint8_t> csonka(kOnlineEleresekMeret - 1, 0);
    ASSERT_TRUE(writeFileAtomic(alap_, std::span<const std::uint8_t>(csonka)));
    EXPECT_EQ(AlapOnlineTelepites(alap_, cel_), AlapTelepites::NincsAlap);
    EXPECT_FALSE(fs::exists(cel_));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}
