#include "app/backups.h"
#include "app/stale_files.h"

#include "common/binary_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

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

// The program is killed after `hatar` file operations of a new backup (the
// write of the new set is one of them, cut short with its temporary file
// left behind); the next start removes the temporary files. Whatever the
// point, the current backup is the one before or the new one, never the
// older generation, and nothing but the two backup names is left.
TEST_F(BackFajlok, NoKillLeavesTheNewestSetUnderANameNothingReads)
{
    struct Olve {};
    struct Kiindulas {
        const char* nev;
        bool aktualis, egyes;
    };
    for (const Kiindulas& k : {Kiindulas{"current and older", true, true}, Kiindulas{"current only", true, false},
                               Kiindulas{"first backup", false, false}}) {
        for (int hatar = 0;; ++hatar) {
            SCOPED_TRACE(::testing::Message() << k.nev << ", killed after " << hatar << " operations");
            fs::remove_all(dir_);
            fs::create_directories(dir_);
            if (k.aktualis)
                ir("", "P");
            if (k.egyes)
                ir("1", "O");
            int muveletek = 0;
            const auto lepes = [&] {
                if (muveletek++ == hatar)
                    throw Olve{};
            };
            BackMuveletek m;
            m.Atnevezes = [&](const std::string& a, const std::string& b) { return lepes(), Atnevezes(a, b); };
            m.MasodikNev = [&](const std::string& a, const std::string& b) { return lepes(), MasodikNev(a, b); };
            m.Torles = [&](const std::string& p) {
                lepes();
                fs::remove(p);
            };
            const auto iras = [&](const std::string& hova) {
                if (muveletek++ == hatar) {
                    // Killed while writing: a half-written temporary file.
                    std::string cel = hova + ".tmp" + std::to_string(::getpid()) + ".0123456789abcdef";
                    writeFileAtomic(cel, std::string_view("N?"));
                    throw Olve{};
                }
                return writeFileAtomic(hova, std::string_view("N"));
            };
            bool megolve = false;
            try {
                EXPECT_TRUE(BackUjMentes(ut(""), ut("1"), iras, m));
            } catch (const Olve&) {
                megolve = true;
            }
            Folders f;
            f.BackKonyvtar = dir_.string() + "/";
            ElhagyottAtmenetiAllomanyokTorlese(f, [](long) { return false; });

            const auto most = allapot();
            std::set<std::string> nevek;
            for (const auto& [nev, tartalom] : most)
                nevek.insert(nev);
            EXPECT_TRUE(nevek.count("backOtos.top") || !k.aktualis);
            nevek.erase("backOtos.top");
            nevek.erase("backOtos1.top");
            EXPECT_TRUE(nevek.empty()) << *nevek.begin();
            const std::string aktualis = most.count("backOtos.top") ? most.at("backOtos.top") : "";
            EXPECT_TRUE(aktualis == "N" || aktualis == (k.aktualis ? "P" : "")) << aktualis;
            if (k.egyes) {
                const std::string egyes = most.count("backOtos1.top") ? most.at("backOtos1.top") : "";
                EXPECT_TRUE(egyes == "O" || egyes == "P") << egyes;
            }
            if (!megolve) {
                // Every point has been tried: the whole run made the new set
                // current and kept the one before as the older generation.
                EXPECT_EQ(aktualis, "N");
                if (k.egyes)
                    EXPECT_EQ(most.at("backOtos1.top"), "P");
                else
                    EXPECT_FALSE(most.count("backOtos1.top"));
                break;
            }
        }
    }
}

// A new set that cannot be written leaves both generations as they were.
TEST_F(BackFajlok, AFailedWriteMovesNoGeneration)
{
    ir("", "P");
    ir("1", "O");
    const auto elotte = allapot();
    EXPECT_FALSE(BackUjMentes(ut(""), ut("1"), [](const std::string&) { return false; }));
    EXPECT_EQ(allapot(), elotte);
    // A folder standing in the current backup's way: the set is written but
    // cannot take its name; nothing is lost and nothing is left behind.
    fs::remove(ut(""));
    fs::create_directories(ut("") + "/x");
    EXPECT_FALSE(BackUjMentes(ut(""), ut("1"), [](const std::string& p) { return writeFileAtomic(p, std::string_view("N")); }));
    fs::remove_all(ut(""));
    EXPECT_EQ(allapot(), (std::map<std::string, std::string>{{"backOtos1.top", "O"}}));
}

}  // namespace
}  // namespace kvx
