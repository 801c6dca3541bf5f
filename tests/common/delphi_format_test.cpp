#include "common/delphi_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace kvx {
namespace {

class DelphiFormat : public ::testing::Test {
protected:
    void SetUp() override { formatSettings() = FormatSettings{}; }
    void TearDown() override { formatSettings() = FormatSettings{}; }
};

TEST_F(DelphiFormat, IntegersWidthAndPrecision)
{
    struct Case { const char* fmt; FmtArg arg; const char* want; };
    const std::vector<Case> cases = {
        {"%2.0d", 0, " 0"},        {"%2.0u", 0, " 0"},      {"%4.0u", 15, "  15"},   {"%4.0u", 12345, "12345"},
        {"%3.0u", 7u, "  7"},      {"%.3d", 5, "005"},      {"%.5d", -12, "-00012"}, {"%-4d|", 7, "7   |"},
        {"%x", 255, "ff"},         {"%X", 255, "FF"},       {"%d", 3.9, "3"},
        {"%d", std::numeric_limits<long long>::min(), "-9223372036854775808"},
        {"%u", std::numeric_limits<unsigned long long>::max(), "18446744073709551615"},
        {"%d", std::numeric_limits<long long>::max(), "9223372036854775807"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.fmt, {c.arg}), c.want) << c.fmt;
}

TEST_F(DelphiFormat, FixedAndThousandsWithTheProgramSeparators)
{
    EXPECT_EQ(Format("%6.4f", {1.5}), "1,5000");
    EXPECT_EQ(Format("%6.4f", {10.535653752852738}), "10,5357");
    EXPECT_EQ(Format("%8.2f", {-0.001}), "    0,00");
    EXPECT_EQ(Format("%.0n", {1234567}), "1 234 567");
    EXPECT_EQ(Format("%.0n", {-1234567}), "-1 234 567");
    EXPECT_EQ(Format("%.2n", {1234567.891}), "1 234 567,89");
    EXPECT_EQ(Format("%.0n", {999}), "999");
    // 64-bit counts keep every digit (a double would round them).
    EXPECT_EQ(Format("%.0n", {9007199254740993LL}), "9 007 199 254 740 993");
    EXPECT_EQ(Format("%.0n", {std::numeric_limits<long long>::min()}), "-9 223 372 036 854 775 808");
    EXPECT_EQ(FormatThousands(std::numeric_limits<std::int64_t>::max()), "9 223 372 036 854 775 807");
    EXPECT_EQ(FormatFloatThousands(1234.5, 1), "1 234,5");

    formatSettings().decimalSeparator = '.';
    formatSettings().thousandSeparator.assign(1, ',');
    EXPECT_EQ(Format("%6.4f", {1.5}), "1.5000");
    EXPECT_EQ(Format("%.0n", {1234567}), "1,234,567");
}

TEST_F(DelphiFormat, TextsAndDirectives)
{
    EXPECT_EQ(Format("%s-%s", {"a", std::string("b")}), "a-b");
    EXPECT_EQ(Format("%5s|%-5s|", {"ab", "cd"}), "   ab|cd   |");
    EXPECT_EQ(Format("%.2s", {"abcdef"}), "ab");
    EXPECT_EQ(Format("%*d", {5, 42}), "   42");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("%d és %d", {1}), "1 és ");  // a missing argument prints nothing
}

TEST_F(DelphiFormat, WidthCountsCharactersNotBytes)
{
    // Hungarian letters take two bytes in UTF-8; the columns of the lists
    // line up only when the width counts characters.
    EXPECT_EQ(Format("%-8s|", {"Összeg"}), "Összeg  |");
    EXPECT_EQ(Format("%8s|", {"Szórás"}), "  Szórás|");
    EXPECT_EQ(Format("%.2s", {"ÁÉÍ"}), "ÁÉ");
}

}  // namespace
}  // namespace kvx
