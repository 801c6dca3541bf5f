#include "app/ini_file.h"
#include "app/maker_info.h"

#include "common/binary_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#include <string>
#include <vector>

namespace kvx {
namespace {

TEST(IniFile, KeepsOrderCommentsAndUnknownLinesWhenWrittenBack)
{
    const std::string text =
        "; written by hand\n"
        "[Kavarex]\n"
        "Game=5\n"
        "stray line\n"
        "Size = 12 \n"
        "\n"
        "[HI]\n"
        "HI0=1\n";
    IniFile ini;
    ini.LoadFromString(text);
    EXPECT_EQ(ini.ToString(), "; written by hand\n[Kavarex]\nGame=5\nstray line\nSize=12\n\n[HI]\nHI0=1\n");

    ini.WriteInteger("kavarex", "GAME", 7);       // updated in place, original spelling kept
    ini.WriteInteger("Kavarex", "FT", 3);         // appended after the section's last key
    ini.WriteFloat("New", "x", 0.5);              // new section at the end
    EXPECT_EQ(ini.ToString(),
              "; written by hand\n[Kavarex]\nGame=7\nstray line\nSize=12\nFT=3\n\n[HI]\nHI0=1\n[New]\nx=0.5\n");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Kavarex", "HI", "New"}));
    EXPECT_EQ(ini.ReadSection("KAVAREX"), (std::vector<std::string>{"Game", "Size", "FT"}));
}

TEST(IniFile, NamesAreCaseInsensitiveAndTheFirstOfTwoKeysCounts)
{
    IniFile ini;
    ini.LoadFromString("[Price]\r\n0=350\r\n0=1\r\n[price]\r\n1=2,5\r\n");
    EXPECT_TRUE(ini.SectionExists("PRICE"));
    EXPECT_TRUE(ini.ValueExists("price", "1"));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Price", "0", -1), 350);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Price", "1", -1), 2.5);
    EXPECT_EQ(ini.ReadSections().size(), 1u);
}

TEST(IniFile, DeletingKeysAndSections)
{
    IniFile ini;
    ini.LoadFromString("[A]\nx=1\ny=2\n[B]\nz=3\n[C]\nw=4\n");
    EXPECT_FALSE(ini.Modified());
    ini.DeleteKey("a", "X");
    ini.DeleteKey("A", "missing");
    ini.EraseSection("b");
    EXPECT_TRUE(ini.Modified());
    EXPECT_FALSE(ini.ValueExists("A", "x"));
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_EQ(ini.ToString(), "[A]\ny=2\n[C]\nw=4\n");
}

// Keys are found through an index beside the kept order: deleting a key or a
// section, a repeated header and keys appended before trailing comments must
// all leave every other key where a read finds it.
TEST(IniFile, LookupsFollowDeletesRepeatedHeadersAndAppends)
{
    IniFile ini;
    ini.LoadFromString("[A]\nx=1\n; c\ny=2\n[B]\nz=3\n[a]\nw=4\n;end\n[C]\nv=5\n");
    ini.DeleteKey("A", "x");
    EXPECT_EQ(ini.ReadString("a", "Y", "-"), "2");
    EXPECT_EQ(ini.ReadString("A", "w", "-"), "4");
    ini.WriteString("A", "u", "6");
    ini.WriteString("A", "Y", "7");
    EXPECT_EQ(ini.ToString(), "[A]\n; c\ny=7\nw=4\nu=6\n;end\n[B]\nz=3\n[C]\nv=5\n");

    ini.EraseSection("a");
    EXPECT_FALSE(ini.ValueExists("A", "y"));
    EXPECT_EQ(ini.ReadString("B", "z", "-"), "3");
    EXPECT_EQ(ini.ReadString("c", "V", "-"), "5");
    ini.WriteString("C", "t", "8");
    ini.WriteString("A", "y", "9");  // a new section at the end
    EXPECT_EQ(ini.ToString(), "[B]\nz=3\n[C]\nv=5\nt=8\n[A]\ny=9\n");

    // Many keys: each read finds its own value.
    IniFile nagy;
    std::string szoveg = "[S]\n";
    for (int i = 0; i < 2000; ++i)
        szoveg += "Key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\n";
    nagy.LoadFromString(szoveg);
    nagy.DeleteKey("S", "key1000");
    for (int i = 0; i < 2000; i += 37)
        EXPECT_EQ(nagy.ReadInteger("s", "KEY" + std::to_string(i), -1), i == 1000 ? -1 : i * 7) << i;
}

TEST(IniFile, NumberReadingFallsBackOnBadValues)
{
    IniFile ini;
    ini.LoadFromString("[S]\ni=-12\nbad=12x\nbig=99999999999\nb0=0\nb1=5\nf1=4.25\nf2=-4,5\nf3=1.2.3\nf4=abc\n");
    EXPECT_EQ(ini.ReadInteger("S", "i", 0), -12);
    EXPECT_EQ(ini.ReadInteger("S", "bad", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "none", 7), 7);
    EXPECT_FALSE(ini.ReadBool("S", "b0", true));
    EXPECT_TRUE(ini.ReadBool("S", "b1", false));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "f1", 0), 4.25);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "f2", 0), -4.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "f3", 9), 9);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "f4", 9), 9);
    EXPECT_EQ(ini.ReadString("S", "none", "def"), "def");

    ini.WriteFloat("S", "w", 350);
    ini.WriteFloat("S", "v", -0.25);
    EXPECT_EQ(ini.ReadString("S", "w", ""), "350");
    EXPECT_EQ(ini.ReadString("S", "v", ""), "-0.25");
}

TEST(IniFile, FileRoundTripAndWindows1250)
{
    const auto dir = std::filesystem::temp_directory_path() / ("kvx_ini_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "k.ini").string();

    IniFile ini;
    ini.WriteString("Kavarex", "DirTO0", "/home/user/Lottó/Otos");
    ini.WriteBool("HI", "HI0", true);
    ASSERT_TRUE(ini.SaveToFile(path));
    IniFile back;
    ASSERT_TRUE(back.LoadFromFile(path));
    EXPECT_EQ(back.ToString(), ini.ToString());

    // An older file written in Windows-1250 reads as UTF-8.
    ASSERT_TRUE(writeFileAtomic(path, std::string_view("[Kavarex]\nDirTO0=C:\\Lott\xF3\n")));
    ASSERT_TRUE(back.LoadFromFile(path));
    EXPECT_EQ(back.ReadString("Kavarex", "DirTO0", ""), "C:\\Lottó");

    EXPECT_FALSE(back.LoadFromFile((dir / "missing.ini").string()));
    EXPECT_TRUE(back.ReadSections().empty());
    std::filesystem::remove_all(dir);
}

// A kept line keeps every byte through any number of saves, a CR at its end
// (or several, or a Windows line end) among them; the keys stay readable.
TEST(IniFile, KeptLinesEndingInCarriageReturnsSurviveEverySave)
{
    const auto dir = std::filesystem::temp_directory_path() / ("kvx_ini_cr_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "k.ini").string();
    const std::string kezdet =
        "; note\r\n"
        "[Kavarex]\r\n"
        "Game=3\r\n"
        "stray\r\r\n"
        "\r\n"
        "end\r";
    ASSERT_TRUE(writeFileAtomic(path, kezdet));
    std::string elozo;
    for (int mentes = 1; mentes <= 3; ++mentes) {
        SCOPED_TRACE(mentes);
        IniFile ini;
        ASSERT_TRUE(ini.LoadFromFile(path));
        EXPECT_EQ(ini.ReadInteger("Kavarex", "Game", -1), 3);
        ini.WriteInteger("Kavarex", "Game", 3);
        ASSERT_TRUE(ini.SaveToFile(path));
        std::vector<std::uint8_t> adat;
        ASSERT_TRUE(readWholeFile(path, adat));
        const std::string most(adat.begin(), adat.end());
        EXPECT_NE(most.find("; note\r\n"), std::string::npos);
        EXPECT_NE(most.find("\nstray\r\r\n\r\nend\r\n"), std::string::npos) << most;
        // From the first save on the file stays the same byte for byte.
        if (mentes > 1) {
            EXPECT_EQ(most, elozo);
        }
        elozo = most;
    }
    std::filesystem::remove_all(dir);
}

// The maker's site can be pointed elsewhere by the installation; anything
// but a web address is ignored and the compiled-in one stays.
TEST(IniFile, MakerHostAndProbeComeFromTheKavarexSection)
{
    const std::string ut = (std::filesystem::temp_directory_path() / ("kvx_gyarto_" + std::to_string(::getpid()) + ".ini")).string();
    const GyartoCimek alap;
    const struct {
        const char* szoveg;
        const char* honlap;
        const char* proba;
    } esetek[] = {
        {"[Kavarex]\nHost=http://127.0.0.1:8080/\n", "http://127.0.0.1:8080", "http://127.0.0.1:8080/"},
        {"[Kavarex]\nHost=http://127.0.0.1:8080\nProbe=https://probe.example/\n", "http://127.0.0.1:8080", "https://probe.example/"},
        {"[Kavarex]\nHost=file:///etc\nProbe=javascript:x\n", alap.Honlap.c_str(), alap.ProbaCim.c_str()},
        {"[Kavarex]\nGame=3\n", alap.Honlap.c_str(), alap.ProbaCim.c_str()},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.szoveg);
        ASSERT_TRUE(writeFileAtomic(ut, std::string_view(e.szoveg)));
        GyartoCimek c;
        ASSERT_TRUE(GyartoCimekOlvasas(ut, c));
        EXPECT_EQ(c.Honlap, e.honlap);
        EXPECT_EQ(c.ProbaCim, e.proba);
        EXPECT_EQ(c.Email, alap.Email);
    }
    std::filesystem::remove(ut);
}

}  // namespace
}  // namespace kvx
