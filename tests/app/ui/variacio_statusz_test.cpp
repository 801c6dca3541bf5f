// The status bar's variation service: it keeps the last state written and
// the panel's text, which follows only a write that asks for the text while
// the run window exists, and it announces every write.
#include "app/ui/variacio_statusz.h"

#include "app/ui/program.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

class VariacioStatuszTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&s(), &VariacioStatusz::kiirva, [this] { ++kiirasok_; });
        szerkesztett_.BontMatrixMeret = 5;
        szerkesztett_.BontSzelvszam = 5;
        szerkesztett_.BontStatus = false;
        szerkesztett_.SzerkesztettVariacio = true;
    }
    VariacioStatusz& s() { return program_.VariacioStatusza(); }

    Program program_;
    VariacioAllapot szerkesztett_;
    int kiirasok_ = 0;
};

TEST_F(VariacioStatuszTest, TextFollowsTheStateOnlyWhenAskedFor)
{
    EXPECT_TRUE(s().Szoveg().isEmpty());
    EXPECT_EQ(s().Allapot().BontSzelvszam, 0);
    s().Kiiras(szerkesztett_, true, true);
    EXPECT_EQ(s().Szoveg(), QStringLiteral("Stop - Edited"));
    EXPECT_EQ(s().Allapot().BontSzelvszam, 5);
    s().Kiiras(szerkesztett_, false, true);
    EXPECT_EQ(s().Szoveg(), QStringLiteral("Run"));
    // A write of the widths only takes the state but leaves the text.
    VariacioAllapot ures;
    s().Kiiras(ures, true, false);
    EXPECT_EQ(s().Szoveg(), QStringLiteral("Run"));
    EXPECT_EQ(s().Allapot().BontSzelvszam, 0);
    // Before the run window exists the text stays as well.
    VariacioAllapot ablakNelkul = szerkesztett_;
    ablakNelkul.VanBontasAblak = false;
    s().Kiiras(ablakNelkul, true, true);
    EXPECT_EQ(s().Szoveg(), QStringLiteral("Run"));
    EXPECT_FALSE(s().Allapot().VanBontasAblak);
    EXPECT_EQ(kiirasok_, 4);
}

TEST_F(VariacioStatuszTest, RewriteShowsTheLastStateAsFinished)
{
    s().Kiiras(szerkesztett_, false, true);
    ASSERT_EQ(s().Szoveg(), QStringLiteral("Run"));
    s().Ujrakiiras();
    EXPECT_EQ(s().Szoveg(), QStringLiteral("Stop - Edited"));
    EXPECT_EQ(s().Allapot().BontSzelvszam, 5);
    EXPECT_EQ(kiirasok_, 2);
}

}  // namespace
}  // namespace kvx
