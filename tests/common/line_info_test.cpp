#include "common/line_info.h"

#include "common/delphi_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvx {
namespace {

std::string info(std::vector<std::uint8_t> line, int mode)
{
    return SegedszelvenyInfo(line, mode);
}

int lineCount(const std::string& s)
{
    int n = 1;
    for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2))
        ++n;
    return n;
}

TEST(LineInfo, TwinsMirrorPairAndNoNeighbours)
{
    formatSettings().decimalSeparator = ',';
    EXPECT_EQ(info({33, 21, 12}, 0),
              "\r\n Összeg:  66"
              "\r\n Szórás: 10,5357"
              "\r\n Terjedelem      : 21"
              "\r\n Ikerszám        :  1"
              "\r\n Tükör számpár   :  1"
              "\r\n Prímszám        :  0"
              "\r\n Szomszédos szám :  0"
              "\r\n"
              "\r\n Páros"
              "\r\n  - számvégződés :  1"
              "\r\n  - számcsoport  :  1"
              "\r\n  - számjegy     :  2"
              "\r\n Ismétlődés"
              "\r\n  -      számvégz:  0"
              "\r\n  -      számcsop:  0"
              "\r\n  - több számjegy:  3");
}

TEST(LineInfo, RunsPrimesAndRepeats)
{
    formatSettings().decimalSeparator = ',';
    const std::vector<std::uint8_t> line = {41, 2, 17, 1, 40, 3, 27, 7};
    const std::string head =
        "\r\n Összeg: 138"
        "\r\n Szórás: 16,8247";
    const std::string middle =
        " Terjedelem      : 40"
        "\r\n Ikerszám        :  0"
        "\r\n Tükör számpár   :  0"
        "\r\n Prímszám        :  5"
        "\r\n Szomszédos szám"
        "\r\n  - több esetben :  5";
    const std::string tail =
        " Páros"
        "\r\n  - számvégződés :  2"
        "\r\n  - számcsoport  :  7"
        "\r\n  - számjegy     :  5"
        "\r\n Ismétlődés"
        "\r\n  - több számvégz:  3"
        "\r\n  - több számcsop:  4"
        "\r\n  - több számjegy:  6";
    EXPECT_EQ(info(line, 0), head + "\r\n" + middle + "\r\n" + tail);
    EXPECT_EQ(info(line, 4), head);
    EXPECT_EQ(info(line, 1), head + "\r\n" + middle);
    EXPECT_EQ(info(line, 5), middle + "\r\n" + tail);
    EXPECT_EQ(info(line, 2), tail);

    std::vector<std::uint8_t> sorted = line;
    SegedszelvenyInfo(sorted, 4);
    EXPECT_EQ(sorted, (std::vector<std::uint8_t>{1, 2, 3, 7, 17, 27, 40, 41}));
}

TEST(LineInfo, SameLineCountWithAndWithoutNeighbours)
{
    const std::string withRun = info({1, 2, 30, 45, 60}, 0);
    const std::string without = info({10, 20, 30, 45, 60}, 0);
    EXPECT_NE(withRun.find("  -  egy esetben :  2"), std::string::npos);
    EXPECT_NE(without.find(" Szomszédos szám :  0\r\n\r\n Páros"), std::string::npos);
    EXPECT_EQ(lineCount(withRun), lineCount(without));
}

TEST(LineInfo, ShortLinesAndEmptyPositions)
{
    // One number: no spread and no range; the empty positions count for nothing.
    const std::string one = info({0, 7, 0}, 1);
    EXPECT_NE(one.find(" Összeg:   7"), std::string::npos);
    EXPECT_NE(one.find(" Szórás: 0,0000"), std::string::npos);
    EXPECT_NE(one.find(" Terjedelem      :  0"), std::string::npos);
    EXPECT_NE(one.find(" Prímszám        :  1"), std::string::npos);
    // Mode 1 ends right after the neighbours, without a line break.
    EXPECT_TRUE(one.ends_with("\r\n Szomszédos szám :  0")) << one;
}

}  // namespace
}  // namespace kvx
