// Hand edits of the variation list and the extension boundaries they leave.
#include "variation/list_editing.h"

#include <gtest/gtest.h>

#include <vector>

#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/line_entry.h"

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

TEST(ListEditing, LastExtensionDeletionCutsToTheBoundaryBefore)
{
    VariationStore t;
    BontasEgyseg u;
    std::int32_t idegen = 0;
    tolt(t, 10, {4, 7, 10});
    ASSERT_TRUE(UtolsoBovitmenyTorlese(t, u, idegen, 20));
    EXPECT_EQ(t.BontSzelvszam, 7);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{4, 7}));
    EXPECT_EQ(t.sor(6)[0], 6);
    tolt(t, 5, {5});
    EXPECT_FALSE(UtolsoBovitmenyTorlese(t, u, idegen, 20));
    EXPECT_EQ(t.BontSzelvszam, 5);
}

// A sorted list: the last extension is the rows stored last, not the rows
// that the sort put last. The cut keeps the base lines and the list stays
// sorted; the earlier order is the base part's own.
TEST(ListEditing, LastExtensionOfASortedListIsCutInStoredOrderAndSortedAgain)
{
    VariationStore t;
    BontasEgyseg u;
    std::int32_t idegen = 0;
    tolt(t, 8, {5, 8});
    // Base lines 10, 12, 14, 16, 18 (first byte); extension lines 1, 3, 5.
    const std::uint8_t elso[8] = {18, 10, 16, 12, 14, 5, 1, 3};
    for (std::int32_t i = 0; i < 8; ++i)
        t.sor(i)[0] = elso[i];
    ASSERT_TRUE(BontListRendezes(t, 0, 8, false));
    ASSERT_EQ(t.sor(0)[0], 1);

    ASSERT_TRUE(UtolsoBovitmenyTorlese(t, u, idegen, 20));
    ASSERT_EQ(t.BontSzelvszam, 5);
    std::vector<int> sorok;
    for (std::int32_t i = 0; i < 5; ++i)
        sorok.push_back(t.sor(i)[0]);
    EXPECT_EQ(sorok, (std::vector<int>{10, 12, 14, 16, 18}));
    EXPECT_EQ(t.Import_Count, (TTombInt1D{5}));

    ASSERT_TRUE(BontListEredetiSorrend(t));
    sorok.clear();
    for (std::int32_t i = 0; i < 5; ++i)
        sorok.push_back(t.sor(i)[0]);
    EXPECT_EQ(sorok, (std::vector<int>{18, 10, 16, 12, 14}));
}

// Restoring the order of an earlier sort must never bring back a line
// that was replaced since.
TEST(ListEditing, AnEditDropsTheOrderSavedBySorting)
{
    VariationStore t;
    BontasEgyseg u;
    tolt(t, 6, {6});
    for (std::int32_t i = 0; i < 6; ++i)
        t.sor(i)[0] = static_cast<std::uint8_t>(10 - i);
    ASSERT_TRUE(BontListRendezes(t, 0, 6, false));
    const std::uint8_t uj[2] = {15, 16};
    BontSzamsorCsere(t, u, 0, uj, 20);
    EXPECT_FALSE(BontListEredetiSorrend(t));
    EXPECT_EQ(t.sor(0)[0], 15);
}

TEST(LineEntry, MarksFollowTheSelectionAndTheLineShape)
{
    // Selection 3, 9, 14, 22, 27 (main) and 51, 52 (extra pool); a line has
    // 3 main and 1 extra number.
    GameParams g;
    g.VanPluszSzam = true;
    g.FoSzamKeszlet = 50;
    SzamListak l;
    l.KijeloltSzamok = {3, 9, 14, 22, 27, 51, 52};
    l.KijeloltFoSzamDb = 5;
    l.KijeloltPluszSzamDb = 2;
    l.VariacioMeret = 4;
    l.VariacioFoMeret = 3;
    BontEllJelolesek j;
    EXPECT_EQ(BontEllSzamClick(j, l, g, 4, 0), BontEllKattintas::Elutasitva);   // not selected
    EXPECT_EQ(BontEllSzamClick(j, l, g, 9, 50), BontEllKattintas::Elutasitva);  // with a modifier
    for (int n : {22, 3, 51})
        EXPECT_EQ(BontEllSzamClick(j, l, g, n, 0), BontEllKattintas::Jelolve);
    EXPECT_EQ(BontEllSzamClick(j, l, g, 52, 0), BontEllKattintas::Elutasitva);  // one extra per line
    EXPECT_FALSE(BontEllKesz(j, l));
    EXPECT_EQ(BontEllSzamClick(j, l, g, 14, 0), BontEllKattintas::Jelolve);
    EXPECT_EQ(BontEllSzamClick(j, l, g, 27, 0), BontEllKattintas::Elutasitva);  // complete
    ASSERT_TRUE(BontEllKesz(j, l));
    EXPECT_EQ(BontEllSzamsorTomb(j, l), (TTombByte1D{0, 2, 3, 5}));
    EXPECT_TRUE(SzamsorTombErvenyes(BontEllSzamsorTomb(j, l), l));
    EXPECT_EQ(BontEllSzamClick(j, l, g, 51, 0), BontEllKattintas::Torolve);
    EXPECT_EQ(j.PluszDb, 0);
    // Lines the store must never take.
    for (const TTombByte1D& rossz : {TTombByte1D{0, 2, 2, 5}, TTombByte1D{0, 1, 2, 3}, TTombByte1D{0, 2, 5, 6},
                                     TTombByte1D{0, 2, 3, 9}, TTombByte1D{3, 2, 0, 5}, TTombByte1D{0, 2, 5}})
        EXPECT_FALSE(SzamsorTombErvenyes(rossz, l)) << int(rossz[0]) << int(rossz[1]) << int(rossz[2]);
}

}  // namespace
}  // namespace kvx
