// The draws list of a game that draws twice (7/35): Left, Right and Tab,
// previewed by the main window, move the grid between the two drawings of
// the current row.
#include "app/game_table.h"
#include "app/ui/program.h"
#include "app/messages.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/draw_editing.h"
#include "draws/draws_table.h"
#include "draws/ui/huzlista.h"

#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class KetSorsolasTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        kvx::GameParams g;
        g.LottoIndex = 2;
        kvx::JatekParameterek(g);
        ASSERT_TRUE(g.TobbSorsolas);
        masodik_ = g.MasodikHuzasOszlop;
        // Draws 1 and 3 have a second drawing, draw 2 has none.
        kvx::TTombInt2D sorok;
        sorok.push_back({1, 2020, 1, 1, 2, 3, 4, 5, 6, 7, 21, 22, 23, 24, 25, 26, 27});
        sorok.push_back({2, 2020, 2, 8, 9, 10, 11, 12, 13, 14, 0, 0, 0, 0, 0, 0, 0});
        sorok.push_back({3, 2020, 3, 15, 16, 17, 18, 19, 20, 28, 29, 30, 31, 32, 33, 34, 35});
        for (const kvx::TTombInt1D& s : sorok)
            ASSERT_EQ(static_cast<int>(s.size()), g.HuzottSzamok + 3);
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Dat")));
        const std::string adatbazis =
            QDir(dir_.path()).filePath(QStringLiteral("Dat/")).toStdString() + kvx::AdatbazisAllomany[2];
        ASSERT_TRUE(kvx::writeFileAtomic(adatbazis, kvx::AdatbazisKep(sorok, g, kvx::HuzasIroVerzio())));

        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        kvx::Program::aktualis().HibaUzenet = [](const QString&) {};
        FormokLetrehozasa(*window_);
        kvx::uzenetBeallitasok().Inform = false;
        kvx::settings().UzenetekLog.fill(0);
        window_->LottoSelect(2);
        ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
        ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
        lista()->Start();
        ASSERT_TRUE(lista()->isVisible());
    }
    void TearDown() override { window_.reset(); }

    THuzLista* lista() { return formok().HuzLista; }
    QTableView* tabla() { return lista()->HuzTabla; }
    int oszlop() { return tabla()->currentIndex().column(); }
    void billentyu(Qt::Key k) { QTest::keyClick(tabla(), k); }
    void sor(int draw) { tabla()->setCurrentIndex(lista()->Model()->index(draw - 1, 3)); }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    int masodik_ = 0;
};

TEST_F(KetSorsolasTest, RightLeftAndTabMoveBetweenTheTwoDrawings)
{
    // The list opens on the last draw's first drawing.
    ASSERT_EQ(tabla()->currentIndex().row(), 2);
    ASSERT_EQ(oszlop(), 3);
    EXPECT_TRUE(kvx::huzLista().MasodikSzamsorKijelolt);

    billentyu(Qt::Key_Right);
    EXPECT_EQ(oszlop(), masodik_);
    EXPECT_EQ(kvx::huzLista().KivSzamsorOszlop, masodik_);
    EXPECT_EQ(kvx::huzLista().KivSzamok[0], 29);  // the second drawing is the selected row
    billentyu(Qt::Key_Left);
    EXPECT_EQ(oszlop(), 3);
    EXPECT_EQ(kvx::huzLista().KivSzamok[0], 15);
    // Tab goes there and back.
    billentyu(Qt::Key_Tab);
    EXPECT_EQ(oszlop(), masodik_);
    billentyu(Qt::Key_Tab);
    EXPECT_EQ(oszlop(), 3);
    EXPECT_EQ(tabla()->currentIndex().row(), 2);
}

TEST_F(KetSorsolasTest, KeysAreLeftToTheGridWhereThereIsNoDrawingToMoveTo)
{
    // Draw 2 has no second drawing: Right is the grid's own move, within the
    // first drawing.
    sor(2);
    billentyu(Qt::Key_Right);
    EXPECT_EQ(oszlop(), 4);
    EXPECT_EQ(kvx::huzLista().KivSzamsorOszlop, 3);
    EXPECT_EQ(kvx::huzLista().KivSzamok[0], 8);

    // On the second drawing of draw 1 Right is the grid's again.
    sor(1);
    billentyu(Qt::Key_Right);
    ASSERT_EQ(oszlop(), masodik_);
    billentyu(Qt::Key_Right);
    EXPECT_EQ(oszlop(), masodik_ + 1);
    EXPECT_EQ(kvx::huzLista().KivSzamsorOszlop, masodik_);

    // A hidden list takes no keys.
    lista()->hide();
    sor(3);
    billentyu(Qt::Key_Tab);
    EXPECT_NE(oszlop(), masodik_);
}

}  // namespace
