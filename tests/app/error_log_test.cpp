#include "app/error_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kvx {
namespace {

HibaNaploAdatok minta()
{
    HibaNaploAdatok a;
    a.Uzenet = "Hopp";
    a.ErrorName = "std::runtime_error";
    a.ErrorParent = "std::exception";
    a.DatumIdo = "2024. 01. 31. 12:00:00";
    a.VerzioSzoveg = "1.0.0.0";
    a.ClassName = "TFoablak";
    a.ClassParent = "QMainWindow";
    a.Ablakok = {{"TFoablak", "Kavarex Personal", true}, {"TUzenetAblak", " Türelmét kérem", false}};
    a.LottoIndex = 3;
    a.HuzasokHossz = 10;
    a.HuzasokSzama = 9;
    a.VariacioVerzio = "2.8.1.7";
    a.FThreadLog = true;
    a.Platform = "linux";
    a.PlatformFoVerzio = std::string("6");
    return a;
}

TEST(HibaNaplo, ReportLayout)
{
    const std::string s = hibaNaploSzoveg(minta());
    const std::string vart =
        "Hopp\n"
        "ErrorName: std::runtime_error\n"
        "ErrorParent: std::exception\n"
        "2024. 01. 31. 12:00:00\n"
        "Program version: 1.0.0.0\n"
        "ClassName: TFoablak\n"
        "ClassParent: QMainWindow\n"
        "Program Windows: \n"
        "    Class name: TFoablak ;    Form Caption: Kavarex Personal ;    Visible: True\n"
        "    Class name: TUzenetAblak ;    Form Caption:  Türelmét kérem ;    Visible: False\n"
        "Lotto: 3\n"
        "DataBase Count: 10\n"
        "DataBase Count F: 9\n"
        "Variation version: 2.8.1.7\n"
        "Variation Count: 0\n"
        "Variation Count F: 0\n"
        "Variation N: 0\n"
        "Variation CN: 0\n"
        "Variation FN: 0\n"
        "FThreadLog: -1\n"
        "Win32Platform: linux\n"
        "Win32MajorVersion: 6\n"
        "FWinPlatform: 0\n"
        "\n";
    EXPECT_EQ(s, vart);
}

TEST(HibaNaplo, OptionalTableLinesAndBusyFlag)
{
    HibaNaploAdatok a = minta();
    a.HuzTabla = TablaPozicio{120, 7};
    a.BontTabla = TablaPozicio{50, 2};
    a.FThreadLog = false;
    const std::string s = hibaNaploSzoveg(a);
    EXPECT_NE(s.find("DataBase Count F: 9\nDataBase Table Rows: 120\nDataBase Table Row: 7\n"),
              std::string::npos);
    EXPECT_NE(s.find("Variation Count F: 0\nVariation Table Rows: 50\nVariation Table Row: 2\n"),
              std::string::npos);
    EXPECT_NE(s.find("FThreadLog: 0\n"), std::string::npos);
}

TEST(HibaNaplo, AppendsReportsAndReportsWriteFailure)
{
    const auto dir = std::filesystem::temp_directory_path() / "kvx_error_log_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string ut = (dir / kHibaNaploNev).string();
    const std::string r = hibaNaploSzoveg(minta());
    ASSERT_TRUE(hibaNaploIras(ut, r));
    ASSERT_TRUE(hibaNaploIras(ut, r));
    std::ifstream f(ut, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    EXPECT_EQ(ss.str(), r + r);
    // A folder that does not exist: no exception, a false answer.
    EXPECT_FALSE(hibaNaploIras((dir / "nincs" / kHibaNaploNev).string(), r));
    std::filesystem::remove_all(dir);
}

TEST(HibaNaplo, ExceptionClassNames)
{
    const std::out_of_range oor("x");
    EXPECT_EQ(kivetelOsztaly(oor), "std::out_of_range");
    EXPECT_EQ(kivetelSzuloOsztaly(oor), "std::logic_error");
    struct Sajat : std::runtime_error {
        Sajat() : std::runtime_error("s") {}
    };
    EXPECT_EQ(kivetelSzuloOsztaly(Sajat()), "std::runtime_error");
    EXPECT_EQ(kivetelSzuloOsztaly(std::exception()), "");
}

TEST(HibaNaplo, MessageNamesLogPathAndAsksToQuit)
{
    const std::string s = kritikusHibaSzoveg("Hopp", "/lista/", "info@kavarex.hu");
    EXPECT_TRUE(s.starts_with("Üdvözlöm...\r\n\r\nKritikus hibát észlelt a program. Hibaüzenet:\r\nHopp\r\n\r\n"));
    EXPECT_NE(s.find("\r\n/lista/KVXError.log\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(s.ends_with("\r\n\r\nLeállítja a program futását? Kilép a programból?"));
}

}  // namespace
}  // namespace kvx
