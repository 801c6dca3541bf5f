// Files and folders older versions left in the program folder: the old file
// names, their removal at the first run and the move of the saved-files
// folders into the Lotto folder without losing anything.
#include "app/folders.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(RegiAllomanyNevTest, NamesFollowTheCounterRule)
{
    struct Eset {
        int a;
        int b;
        const char* nev;
    };
    const Eset esetek[] = {
        {0, 0, "teszt.tip"},      {0, 1, "teszt00.tip"},   {0, 13, "teszt012.tip"}, {1, 0, "teszt0.tip"},
        {1, 1, "teszt00.tip"},    {5, 3, "teszt42.tip"},   {11, 0, "teszt10.tip"},  {13, 13, "teszt1212.tip"},
        {12, 11, "teszt1110.tip"},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(std::to_string(e.a) + "," + std::to_string(e.b));
        EXPECT_EQ(kvx::RegiAllomanyNev("teszt", "tip", e.a, e.b), e.nev);
    }
    EXPECT_EQ(kvx::RegiAllomanyNev("huzlist", "rtf", 0, 0), "huzlist.rtf");
}

class RegiProgramKonyvtar : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        gyoker_ = fs::temp_directory_path() /
                  ("kvx_folders_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
        fs::remove_all(gyoker_);
        fs::create_directories(gyoker_);
        kvx::KonyvtarakBeallitasa(f_, (gyoker_ / "kavarex").string());
        ASSERT_TRUE(kvx::KonyvtarakLetrehozasa(f_));
    }
    void TearDown() override { fs::remove_all(gyoker_); }

    static void ir(const fs::path& p, const std::string& tartalom)
    {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << tartalom;
    }
    static std::string olvas(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path program(const std::string& nev) const { return fs::path(f_.ProgramKonyvtar) / nev; }
    fs::path lotto(const std::string& nev) const { return fs::path(f_.LottoKonyvtar) / nev; }

    fs::path gyoker_;
    kvx::Folders f_;
};

TEST_F(RegiProgramKonyvtar, OldFilesAreRemovedAndListsKeptInTheListFolder)
{
    ir(program("teszt.tip"), "t");
    ir(program("back012.top"), "b");
    ir(program("huzlist00.rtf"), "lista");
    ir(program("infolist1212.rtf"), "info");
    // A list of the same name in the list folder is not overwritten, and the
    // old one stays rather than being lost.
    ir(program("bontlist.rtf"), "regi");
    ir(fs::path(f_.ListKonyvtar) / "bontlist.rtf", "uj");
    // Files outside the naming rule are not touched.
    ir(program("teszt1313.tip"), "x");
    ir(program("sajat.rtf"), "y");

    kvx::RegiAllomanyokTorlese(f_);

    EXPECT_FALSE(fs::exists(program("teszt.tip")));
    EXPECT_FALSE(fs::exists(program("back012.top")));
    EXPECT_FALSE(fs::exists(fs::path(f_.ListKonyvtar) / "back012.top"));
    EXPECT_FALSE(fs::exists(program("huzlist00.rtf")));
    EXPECT_EQ(olvas(fs::path(f_.ListKonyvtar) / "huzlist00.rtf"), "lista");
    EXPECT_FALSE(fs::exists(program("infolist1212.rtf")));
    EXPECT_EQ(olvas(fs::path(f_.ListKonyvtar) / "infolist1212.rtf"), "info");
    EXPECT_EQ(olvas(program("bontlist.rtf")), "regi");
    EXPECT_EQ(olvas(fs::path(f_.ListKonyvtar) / "bontlist.rtf"), "uj");
    EXPECT_TRUE(fs::exists(program("teszt1313.tip")));
    EXPECT_TRUE(fs::exists(program("sajat.rtf")));
}

TEST_F(RegiProgramKonyvtar, OldLayoutFoldersMoveIntoTheLottoFolder)
{
    ir(program("Otos/a.tip"), "otos");
    ir(program("Skandinav/al/b.top"), "skandinav");
    // Start-up made the current game's folder already: empty, it gives way.
    fs::create_directories(lotto("Skandinav"));
    // Saved files in the new place are never overwritten by the old folder.
    ir(program("Hatos/regi.tip"), "regi");
    ir(lotto("Hatos/uj.tip"), "uj");
    f_.UtolsoKonyvtarak[kvx::kSzamsorMentes][2] = "/mashol/";

    const kvx::AthelyezesEredmeny e = kvx::MentettKonyvtarakAthelyezese(f_, true);

    EXPECT_TRUE(e.Lefutott);
    EXPECT_EQ(olvas(lotto("Otos/a.tip")), "otos");
    EXPECT_FALSE(fs::exists(program("Otos")));
    EXPECT_EQ(olvas(lotto("Skandinav/al/b.top")), "skandinav");
    EXPECT_FALSE(fs::exists(program("Skandinav")));
    ASSERT_EQ(e.Hibak.size(), 1u);
    EXPECT_EQ(e.Hibak[0], f_.ProgramKonyvtar + "Hatos könyvtár áthelyezése sikertelen.");
    EXPECT_EQ(olvas(program("Hatos/regi.tip")), "regi");
    EXPECT_EQ(olvas(lotto("Hatos/uj.tip")), "uj");
    EXPECT_FALSE(fs::exists(lotto("Hatos/regi.tip")));
    EXPECT_EQ(f_.UtolsoKonyvtarak[kvx::kSzamsorMentes][2], f_.LottoKonyvtar + "Skandinav");
}

TEST_F(RegiProgramKonyvtar, CheckRunsOnFirstRunMissingFoldersOrALeftoverOldFolder)
{
    fs::create_directories(lotto("Otos"));
    f_.UtolsoKonyvtarak[kvx::kSzamsorMegnyitas][0] = "/mashol/";
    // The new layout in place and not a first run: nothing to do, the last
    // used folders read from the INI stay.
    EXPECT_FALSE(kvx::MentettKonyvtarakAthelyezese(f_, false).Lefutott);
    EXPECT_EQ(f_.UtolsoKonyvtarak[kvx::kSzamsorMegnyitas][0], "/mashol/");
    EXPECT_TRUE(kvx::MentettKonyvtarakAthelyezese(f_, true).Lefutott);
    EXPECT_EQ(f_.UtolsoKonyvtarak[kvx::kSzamsorMegnyitas][0], f_.LottoKonyvtar + "Otos");

    // An old folder still in the program folder is moved even then.
    ir(program("Keno5/k.tip"), "keno");
    const kvx::AthelyezesEredmeny e = kvx::MentettKonyvtarakAthelyezese(f_, false);
    EXPECT_TRUE(e.Lefutott);
    EXPECT_TRUE(e.Hibak.empty());
    EXPECT_EQ(olvas(lotto("Keno5/k.tip")), "keno");

    // Without the Otos folder the check runs and creates the Lotto folder.
    fs::remove_all(f_.LottoKonyvtar);
    EXPECT_TRUE(kvx::MentettKonyvtarakAthelyezese(f_, false).Lefutott);
    EXPECT_TRUE(fs::is_directory(f_.LottoKonyvtar));
}

TEST_F(RegiProgramKonyvtar, FolderMovesAcrossFileSystemsByCopying)
{
    // /dev/shm is a file system of its own on most Linux machines.
    const fs::path masik = fs::path("/dev/shm") / ("kvx_folders_" + std::to_string(::getpid()));
    std::error_code ec;
    fs::create_directories(masik / "Otos" / "al", ec);
    if (ec || fs::status(masik).type() == fs::file_type::not_found)
        GTEST_SKIP() << "no second file system";
    struct Takarit {
        fs::path p;
        ~Takarit() { fs::remove_all(p); }
    } takarit{masik};
    std::ofstream(masik / "Otos" / "al" / "x.tip", std::ios::binary) << "masik";

    ASSERT_TRUE(kvx::KonyvtarAthelyezese((masik / "Otos").string(), f_.LottoKonyvtar + "Otos/"));
    EXPECT_EQ(olvas(lotto("Otos/al/x.tip")), "masik");
    EXPECT_FALSE(fs::exists(masik / "Otos"));
    // No temporary copy is left beside the target.
    int db = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(f_.LottoKonyvtar))
        ++db;
    EXPECT_EQ(db, 1);

    // A missing source is a failure, not a success.
    EXPECT_FALSE(kvx::KonyvtarAthelyezese((masik / "Nincs").string(), f_.LottoKonyvtar + "Nincs"));
}

}  // namespace
