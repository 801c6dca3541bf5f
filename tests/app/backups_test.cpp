#include "app/backups.h"
#include "app/stale_files.h"

#include "common/binary_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <vector>
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

// The three moves of the generations, each from the starting points it
// meets: a new backup ("N" written), a restore with the unsaved work "W"
// kept aside under "2", and a restore without it (the two trade places).
// "P"/"A" is the current set, "O"/"B" the older one.
enum class Lepes { UjMentes, Forgatas, Csere };
struct LepesEset {
    const char* nev;
    Lepes lepes;
    std::map<std::string, std::string> elotte, utana;  // by n: "", "1", "2"
};
const LepesEset kLepesek[] = {
    {"new backup over two generations", Lepes::UjMentes, {{"", "P"}, {"1", "O"}}, {{"", "N"}, {"1", "P"}}},
    {"new backup over the current only", Lepes::UjMentes, {{"", "P"}}, {{"", "N"}}},
    {"first backup", Lepes::UjMentes, {}, {{"", "N"}}},
    {"restore with work aside", Lepes::Forgatas, {{"", "A"}, {"1", "B"}, {"2", "W"}}, {{"", "W"}, {"1", "A"}}},
    {"restore with work aside, no older", Lepes::Forgatas, {{"", "A"}, {"2", "W"}}, {{"", "W"}, {"1", "A"}}},
    {"restore trading places", Lepes::Csere, {{"", "A"}, {"1", "B"}}, {{"", "B"}, {"1", "A"}}},
};

class BackLepesek : public BackFajlok {
protected:
    std::map<std::string, std::string> fajlok(const std::map<std::string, std::string>& n) const
    {
        std::map<std::string, std::string> m;
        for (const auto& [g, t] : n)
            m["backOtos" + g + ".top"] = t;
        return m;
    }
    void kiindulas(const LepesEset& e)
    {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        for (const auto& [g, t] : e.elotte)
            ir(g, t);
    }
    // Runs the move with every file operation going through `lepes` first
    // (which may fail it or throw); the write of "N" counts as one, and so
    // does a removal when `torlesIs` (a removal cannot fail, but a kill can
    // come before it).
    bool futtat(const LepesEset& e, const std::function<bool()>& lepes, bool masolas, bool torlesIs)
    {
        BackMuveletek m;
        m.Atnevezes = [&](const std::string& a, const std::string& b) { return lepes() && Atnevezes(a, b); };
        m.MasodikNev = [&](const std::string& a, const std::string& b) {
            if (!lepes())
                return false;
            if (!masolas)
                return MasodikNev(a, b);
            // Where no link can be made: a whole copy.
            std::vector<std::uint8_t> adat;
            return readWholeFile(a, adat) && writeFileAtomic(b, std::span<const std::uint8_t>(adat));
        };
        m.Torles = [&](const std::string& p) {
            if (torlesIs)
                lepes();
            fs::remove(p);
        };
        switch (e.lepes) {
        case Lepes::UjMentes:
            return BackUjMentes(ut(""), ut("1"),
                                [&](const std::string& hova) {
                                    return lepes() && writeFileAtomic(hova, std::string_view("N"));
                                },
                                m);
        case Lepes::Forgatas: return BackForgatas(ut(""), ut("1"), ut("2"), m).Sikeres;
        case Lepes::Csere: return BackKorrekcio(ut(""), ut("1"), m).Sikeres;
        }
        return false;
    }
};

// Whichever step fails (the write, the second name or any rename), the
// backups are exactly as before and nothing is left beside them.
TEST_F(BackLepesek, AFailedStepLeavesTheBackupsAsTheyWere)
{
    for (const LepesEset& e : kLepesek) {
        for (bool masolas : {false, true}) {
            for (int hibas = 0;; ++hibas) {
                SCOPED_TRACE(::testing::Message() << e.nev << (masolas ? ", copies" : ", links") << ", step "
                                                  << hibas << " fails");
                kiindulas(e);
                int lepesek = 0;
                // Only the one step fails; the steps putting files back work.
                const bool ok = futtat(e, [&] { return lepesek++ != hibas; }, masolas, false);
                if (hibas >= lepesek) {
                    // Every step has been failed once; this run went through.
                    EXPECT_TRUE(ok);
                    EXPECT_EQ(allapot(), fajlok(e.utana));
                    break;
                }
                EXPECT_FALSE(ok);
                EXPECT_EQ(allapot(), fajlok(e.elotte));
            }
        }
    }
}

// The program is killed after any number of steps (a write cut short leaves
// its half-written temporary file). Until the next start every set of
// before (or, once the move is through, of after) is still under some name;
// the start-up clean-up then leaves
// either the backups as they were or the move completed, and nothing else.
TEST_F(BackLepesek, AKillAtAnyStepLosesNoGeneration)
{
    struct Olve {};
    for (const LepesEset& e : kLepesek) {
        for (bool masolas : {false, true}) {
            for (int hatar = 0;; ++hatar) {
                SCOPED_TRACE(::testing::Message() << e.nev << (masolas ? ", copies" : ", links")
                                                  << ", killed after " << hatar << " steps");
                kiindulas(e);
                int lepesek = 0;
                bool megolve = false;
                try {
                    EXPECT_TRUE(futtat(
                        e,
                        [&] {
                            if (lepesek++ == hatar) {
                                writeFileAtomic(ut("") + ".uj.tmp" + std::to_string(::getpid()) +
                                                    ".0123456789abcdef",
                                                std::string_view("N?"));
                                throw Olve{};
                            }
                            return true;
                        },
                        masolas, true));
                } catch (const Olve&) {
                    megolve = true;
                }
                std::set<std::string> tartalmak;
                for (const auto& [nev, t] : allapot())
                    tartalmak.insert(t);
                const auto mind = [&](const std::map<std::string, std::string>& n) {
                    for (const auto& [g, t] : n)
                        if (!tartalmak.count(t))
                            return false;
                    return true;
                };
                EXPECT_TRUE(mind(e.elotte) || mind(e.utana)) << ::testing::PrintToString(allapot());

                Folders f;
                f.BackKonyvtar = dir_.string() + "/";
                ElhagyottAtmenetiAllomanyokTorlese(f, [](long) { return false; });
                const auto most = allapot();
                EXPECT_TRUE(most == fajlok(e.elotte) || most == fajlok(e.utana)) << ::testing::PrintToString(most);
                if (!megolve) {
                    EXPECT_EQ(most, fajlok(e.utana));
                    break;
                }
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
