// Hand edits of the variation list and the extension boundaries they leave.
#include "variation/list_editing.h"

#include <gtest/gtest.h>

#include "variation/generation_run.h"
#include "variation/store_jobs.h"

namespace kvx {
namespace {

// n lines of 2 indexes: line i (0-based) = {i, i + 1} modulo 20.
void tolt(VariationStore& t, std::int32_t n, TTombInt1D hatarok)
{
    SetBontasMatrix(t, n, 2, nullptr);
    for (std::int32_t i = 0; i < n; ++i) {
        t.sor(i)[0] = static_cast<std::uint8_t>(i);
        t.sor(i)[1] = static_cast<std::uint8_t>(i + 1);
    }
    t.BontSzelvszam = n;
    t.Import_Count = std::move(hatarok);
    t.ABSZ = 190;
}

TEST(ListEditing, DeletingLinesRepairsTheBoundaries)
{
    struct Eset {
        std::int32_t n;
        TTombInt1D hatarok;
        std::int32_t f, l;
        TTombInt1D vart;
        std::int32_t kijelol;
    };
    const Eset esetek[] = {
        {10, {4, 10}, 3, 5, {2, 7}, 3},          // lines 3..5 of 10
        {10, {4, 6, 10}, 5, 6, {4, 8}, 5},       // a whole part goes, its boundary with it
        {10, {4, 10}, 1, 4, {6}, 1},             // the base part goes
        {10, {4, 10}, 8, 10, {4, 7}, 7},         // the tail: nothing moves, the last line is selected
        {10, {}, 2, 2, {9}, 2},                  // no boundaries yet
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(testing::Message() << e.f << ".." << e.l);
        VariationStore t;
        BontasEgyseg u;
        tolt(t, e.n, e.hatarok);
        std::int32_t idegen = 0;
        const std::int32_t k = BontSzamsorTartomanyTorlese(t, u, e.f, e.l, idegen, 20);
        const std::int32_t d = e.l - e.f + 1;
        EXPECT_EQ(t.BontMatrixMeret, e.n - d);
        EXPECT_EQ(t.BontSzelvszam, e.n - d);
        EXPECT_EQ(t.Import_Count, e.vart);
        EXPECT_EQ(k, e.kijelol);
        EXPECT_TRUE(u.SzerkesztettVariacio);
        // The rows after the range moved down in order.
        for (std::int32_t r = 0; r < t.BontMatrixMeret; ++r) {
            const std::int32_t regi = r < e.f - 1 ? r : r + d;
            EXPECT_EQ(t.sor(r)[0], regi);
        }
    }
}

TEST(ListEditing, AddingLinesMakesOnePartEach)
{
    VariationStore t;
    BontasEgyseg u;
    tolt(t, 5, {5});
    const std::uint8_t a[2] = {3, 9};
    const std::uint8_t b[2] = {4, 11};
    BontSorokHozzaadasa(t, u, a, 1, 20);
    BontSorokHozzaadasa(t, u, b, 1, 20);
    EXPECT_EQ(t.BontSzelvszam, 7);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{5, 6, 7}));
    EXPECT_TRUE(u.BontasBovites);
    EXPECT_EQ(t.sor(6)[1], 11);
    EXPECT_EQ(t.BontSzamGyakorisag[3], 3) << "rows 2, 3 and the added line hold index 3";

    // Replacing a line recounts.
    const std::uint8_t c[2] = {18, 19};
    BontSzamsorCsere(t, u, 0, c, 20);
    EXPECT_EQ(t.BontSzamGyakorisag[0], 0);
    EXPECT_EQ(t.BontSzamGyakorisag[19], 1);

    // A block of three test lines is one more part.
    const std::uint8_t blokk[6] = {1, 2, 3, 4, 5, 6};
    BontSorokHozzaadasa(t, u, blokk, 3, 20);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{5, 6, 7, 10}));
}

TEST(ListEditing, NoAdditionPastTheFullVariation)
{
    VariationStore t;
    tolt(t, 5, {5});
    t.ABSZ = 6;
    std::string uzenet;
    EXPECT_TRUE(BontSzamsorHozzaadasEllenorzes(t, 1, uzenet));
    EXPECT_FALSE(BontSzamsorHozzaadasEllenorzes(t, 2, uzenet));
    EXPECT_EQ(uzenet, kSzovegTeljesVariacioFelett);
}

TEST(ListEditing, ForeignLineCountFollowsTheDeletion)
{
    struct Eset {
        std::int32_t idegen, f, l, vart;
    };
    for (const Eset& e : {Eset{8, 3, 5, 5}, Eset{4, 3, 5, 2}, Eset{2, 3, 5, 2}, Eset{0, 3, 5, 0}}) {
        VariationStore t;
        BontasEgyseg u;
        tolt(t, 10, {10});
        std::int32_t idegen = e.idegen;
        BontSzamsorTartomanyTorlese(t, u, e.f, e.l, idegen, 20);
        EXPECT_EQ(idegen, e.vart) << e.idegen;
    }
}

}  // namespace
}  // namespace kvx
