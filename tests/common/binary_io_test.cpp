#include "common/binary_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace kvx {
namespace {

namespace fs = std::filesystem;

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("kvx_binio_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string file(const char* name) const { return (dir_ / name).string(); }
    std::string olvas(const std::string& p) const
    {
        std::vector<std::uint8_t> d;
        EXPECT_TRUE(readWholeFile(p, d));
        return std::string(d.begin(), d.end());
    }
    std::vector<std::string> nevek() const
    {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(dir_))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    static unsigned mod(const std::string& p)
    {
        struct stat st {};
        EXPECT_EQ(::stat(p.c_str(), &st), 0);
        return st.st_mode & 07777;
    }
    fs::path dir_;
};

// A link planted at the old fixed temporary name points at a file of
// someone else: the write must not go through it.
TEST_F(AtomicWrite, LinkAtTheTemporaryNameIsNeverFollowed)
{
    const std::string cel = file("idegen.txt");
    ASSERT_TRUE(writeFileAtomic(cel, std::string_view("marad")));
    const std::string adat = file("adat.ldb");
    fs::create_symlink(cel, adat + ".tmp");

    ASSERT_TRUE(writeFileAtomic(adat, std::string_view("uj tartalom")));
    EXPECT_EQ(olvas(adat), "uj tartalom");
    EXPECT_EQ(olvas(cel), "marad");
    EXPECT_TRUE(fs::is_symlink(adat + ".tmp"));
    EXPECT_EQ(nevek(), (std::vector<std::string>{"adat.ldb", "adat.ldb.tmp", "idegen.txt"}));
}

TEST_F(AtomicWrite, ReplacedFileKeepsItsPermissionBitsAndANewOneFollowsTheUmask)
{
    const std::string regi = file("sajat.ini");
    ASSERT_TRUE(writeFileAtomic(regi, std::string_view("a=1\n")));
    ASSERT_EQ(::chmod(regi.c_str(), 0640), 0);
    ASSERT_TRUE(writeFileAtomic(regi, std::string_view("a=2\n")));
    EXPECT_EQ(mod(regi), 0640u);
    EXPECT_EQ(olvas(regi), "a=2\n");

    const mode_t elozo = ::umask(022);
    const std::string uj = file("uj.ini");
    const bool ok = writeFileAtomic(uj, std::string_view("b=1\n"));
    ::umask(elozo);
    ASSERT_TRUE(ok);
    EXPECT_EQ(mod(uj), 0644u);
}

TEST_F(AtomicWrite, FailedRenameKeepsTheOldEntryAndLeavesNoTemporaryFile)
{
    // A folder stands where the file should go: the rename fails.
    const std::string hely = file("mappa");
    fs::create_directories(hely + "/belso");
    EXPECT_FALSE(writeFileAtomic(hely, std::string_view("x")));
    EXPECT_TRUE(fs::is_directory(hely + "/belso"));
    EXPECT_EQ(nevek(), (std::vector<std::string>{"mappa"}));

    // A folder that does not exist: nothing is created.
    EXPECT_FALSE(writeFileAtomic(file("nincs/adat.ldb"), std::string_view("x")));
    EXPECT_EQ(nevek(), (std::vector<std::string>{"mappa"}));
}

}  // namespace
}  // namespace kvx
