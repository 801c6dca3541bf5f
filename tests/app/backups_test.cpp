#include "app/backups.h"

#include "common/binary_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace kvx {
namespace {

namespace fs = std::filesystem;

TEST(BackAllomany, NamesTheGenerationsOfAGame)
{
    Folders f;
    f.BackKonyvtar = "/p/Back/";
    EXPECT_EQ(BackAllomany(f, 0, "", "top"), "/p/Back/backOtos.top");
    EXPECT_EQ(BackAllomany(f, 0, "1", "tip"), "/p/Back/backOtos1.tip");
}

TEST(BackIrasFajta, LargeVariationsAreKeptAsNumberSets)
{
    EXPECT_EQ(BackIrasFajta("top", 100000), "top");
    EXPECT_EQ(BackIrasFajta("top", 100001), "tip");
    EXPECT_EQ(BackIrasFajta("tip", 5), "tip");
}

TEST(BackEsedekes, OnlyUnsavedWorkBeyondOneLine)
{
    struct Eset {
        const char* nev;
        BackHelyzet h;
        const char* fajta;
        bool esedekes;
    };
    const Eset esetek[] = {
        {"number set", {6, 5, true, false, 0}, "tip", true},
        {"as many numbers as a line", {5, 5, true, false, 0}, "tip", false},
        {"saved", {6, 5, true, true, 0}, "tip", false},
        {"during a restore", {6, 5, false, false, 0}, "tip", false},
        {"variation without lines", {6, 5, true, false, 0}, "top", false},
        {"variation", {6, 5, true, false, 6}, "top", true},
    };
    for (const Eset& e : esetek)
        EXPECT_EQ(BackEsedekes(e.h, e.fajta), e.esedekes) << e.nev;
}

class BackFajlok : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("kvx_back_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string ut(const std::string& n) const { return (dir_ / ("backOtos" + n + ".top")).string(); }
    void ir(const std::string& n, const std::string& t) { ASSERT_TRUE(writeFileAtomic(ut(n), t)); }
    // Name -> content of every file in the folder.
    std::map<std::string, std::string> allapot() const
    {
        std::map<std::string, std::string> m;
        for (const auto& e : fs::directory_iterator(dir_)) {
            std::vector<std::uint8_t> adat;
            readWholeFile(e.path().string(), adat);
            m[e.path().filename().string()] = std::string(adat.begin(), adat.end());
        }
        return m;
    }
    fs::path dir_;
};

TEST_F(BackFajlok, SwapTradesTheTwoGenerations)
{
    ir("", "A");
    BackCsere r = BackKorrekcio(ut(""), ut("1"));
    EXPECT_FALSE(r.VoltEgyes);
    EXPECT_EQ(allapot(), (std::map<std::string, std::string>{{"backOtos.top", "A"}}));

    ir("1", "B");
    r = BackKorrekcio(ut(""), ut("1"));
    EXPECT_TRUE(r.VoltEgyes);
    EXPECT_TRUE(r.Sikeres);
    EXPECT_EQ(allapot(), (std::map<std::string, std::string>{{"backOtos.top", "B"}, {"backOtos1.top", "A"}}));
}

// A restore loaded the current backup A while unsaved work W waited aside:
// W becomes the current backup and A the older one, so the next restore
// brings W back; without work aside a restore trades the two.
TEST_F(BackFajlok, RestoringTwiceReturnsToTheWorkOfTheStart)
{
    ir("", "A");
    ir("1", "B");
    ir("2", "W");
    BackCsere r = BackForgatas(ut(""), ut("1"), ut("2"));
    EXPECT_TRUE(r.Sikeres);
    EXPECT_TRUE(r.VoltEgyes);
    EXPECT_EQ(allapot(), (std::map<std::string, std::string>{{"backOtos.top", "W"}, {"backOtos1.top", "A"}}));
    r = BackForgatas(ut(""), ut("1"), ut("2"));
    EXPECT_EQ(allapot(), (std::map<std::string, std::string>{{"backOtos.top", "A"}, {"backOtos1.top", "W"}}));

    // Only the current backup and work aside.
    fs::remove(ut("1"));
    ir("2", "X");
    r = BackForgatas(ut(""), ut("1"), ut("2"));
    EXPECT_TRUE(r.VoltEgyes);
    EXPECT_EQ(allapot(), (std::map<std::string, std::string>{{"backOtos.top", "X"}, {"backOtos1.top", "A"}}));
    // Only the current backup: nothing to trade.
    fs::remove(ut("1"));
    r = BackForgatas(ut(""), ut("1"), ut("2"));
    EXPECT_FALSE(r.VoltEgyes);
    EXPECT_EQ(allapot(), (std::map<std::string, std::string>{{"backOtos.top", "X"}}));
}

// Whichever rename fails, every backup is where it was, with its content.
TEST_F(BackFajlok, AFailedRenameLosesNoBackup)
{
    for (bool tartalekkal : {false, true}) {
        for (int hibas = 1; hibas <= 3; ++hibas) {
            SCOPED_TRACE(::testing::Message() << "aside " << tartalekkal << ", failing rename " << hibas);
            fs::remove_all(dir_);
            fs::create_directories(dir_);
            ir("", "A");
            ir("1", "B");
            if (tartalekkal)
                ir("2", "W");
            const auto elotte = allapot();
            int hivas = 0;
            const AtnevezesFn atnevez = [&](const std::string& honnan, const std::string& hova) {
                // Renames that put files back always work.
                if (++hivas == hibas)
                    return false;
                return Atnevezes(honnan, hova);
            };
            const BackCsere r = tartalekkal ? BackForgatas(ut(""), ut("1"), ut("2"), atnevez)
                                            : BackKorrekcio(ut(""), ut("1"), atnevez);
            EXPECT_FALSE(r.Sikeres);
            EXPECT_EQ(allapot(), elotte);
        }
    }
}

}  // namespace
}  // namespace kvx
