// The draws list and the draw entry in the running program: a database in a
// temporary program folder is listed, a draw is entered on the entry ticket
// (or read from the clipboard), and saving writes it to the file.
#include "app/folders.h"
#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "tickets/ui/huzbeszelveny.h"
#include "tickets/ui/szelvenyek.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class HuzListaAblakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        kvx::GameParams g;
        g.LottoIndex = 0;
        kvx::JatekParameterek(g);
        kvx::TTombInt2D sorok;
        for (int i = 1; i <= 3; ++i) {
            kvx::TTombInt1D sor{i, 2020, i, 1 + i, 10 + i, 20 + i, 30 + i, 40 + i};
            sorok.push_back(sor);
        }
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Dat")));
        adatbazis_ = QDir(dir_.path()).filePath(QStringLiteral("Dat/")).toStdString() + kvx::AdatbazisAllomany[0];
        ASSERT_TRUE(kvx::writeFileAtomic(adatbazis_, kvx::AdatbazisKep(sorok, g, kvx::HuzasIroVerzio())));
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        window_->Kerdes = [](const QString&) { return true; };
        window_->HibaUzenet = [this](const QString& q) { hibak_ << q; };
        FormokLetrehozasa(*window_);
        // No tips during the test.
        kvx::uzenetBeallitasok().Inform = false;
        kvx::settings().UzenetekLog.fill(0);
        ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    }
    void TearDown() override { window_.reset(); }

    THuzLista* lista() { return formok().HuzLista; }
    THuzBe* be() { return formok().HuzBe; }
    QString cella(int sor, int oszlop)
    {
        return lista()->Model()->data(lista()->Model()->index(sor, oszlop)).toString();
    }
    void kattint(int n)
    {
        THuzBeSzelveny* sz = szelvenyek().HuzBeSzelveny;
        TSzamPanel* p = sz->SzamPanelek[static_cast<std::size_t>(n - 1)];
        QTest::mouseClick(p, Qt::LeftButton);
    }

    QTemporaryDir dir_;
    std::string adatbazis_;
    std::unique_ptr<TFoablak> window_;
    QStringList hibak_;
};

TEST_F(HuzListaAblakTest, AppendedDrawIsListedAndSavedToTheFile)
{
    QAction* listazas = window_->Akcio("Listzs3");
    ASSERT_TRUE(listazas->isEnabled());
    listazas->trigger();
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_EQ(lista()->Model()->rowCount(), 3);
    EXPECT_EQ(cella(2, 0), QStringLiteral("3."));
    EXPECT_FALSE(lista()->MentesGomb->isEnabled());

    lista()->BovitesGomb->trigger();
    ASSERT_TRUE(be()->isVisible());
    EXPECT_EQ(be()->windowTitle(), QStringLiteral(" Húzás beolvasása"));
    EXPECT_EQ(be()->EvBe->value(), 2020);
    EXPECT_EQ(be()->HetBe->value(), 4);
    EXPECT_FALSE(be()->RendbenGomb->isEnabled());
    for (int n : {45, 5, 25, 15})
        kattint(n);
    EXPECT_FALSE(be()->RendbenGomb->isEnabled());
    kattint(35);
    EXPECT_EQ(be()->Szamsor1Lista->item(0, 0)->text(), QStringLiteral("5"));
    ASSERT_TRUE(be()->RendbenGomb->isEnabled());
    QTest::mouseClick(be()->RendbenGomb, Qt::LeftButton);

    EXPECT_FALSE(be()->isVisible());
    ASSERT_EQ(lista()->Model()->rowCount(), 4);
    EXPECT_EQ(cella(3, 0), QStringLiteral("4."));
    EXPECT_EQ(cella(3, 2), QStringLiteral("4."));
    EXPECT_EQ(cella(3, 3), QStringLiteral("5"));
    EXPECT_EQ(cella(3, 7), QStringLiteral("45"));
    // Not written until saved.
    std::vector<std::uint8_t> adat;
    ASSERT_TRUE(kvx::readWholeFile(adatbazis_, adat));
    EXPECT_EQ(adat.size(), 16u + 3 * 28u);
    ASSERT_TRUE(lista()->MentesGomb->isEnabled());
    ASSERT_TRUE(lista()->VisszaGomb->isEnabled());

    lista()->MentesGomb->trigger();
    ASSERT_TRUE(kvx::readWholeFile(adatbazis_, adat));
    ASSERT_EQ(adat.size(), 16u + 4 * 28u);
    const std::size_t r = 16 + 3 * 28;
    EXPECT_EQ(adat[r], 4);                               // sequence
    EXPECT_EQ(adat[r + 4] | (adat[r + 5] << 8), 2020);   // year
    EXPECT_EQ(adat[r + 6], 4);                           // week
    EXPECT_EQ((std::vector<int>{adat[r + 7], adat[r + 8], adat[r + 9], adat[r + 10], adat[r + 11], adat[r + 12]}),
              (std::vector<int>{5, 15, 25, 35, 45, 0}));
    // Saving ends the undo history.
    EXPECT_FALSE(lista()->MentesGomb->isEnabled());
    EXPECT_FALSE(lista()->VisszaGomb->isEnabled());
    EXPECT_TRUE(hibak_.isEmpty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(adatbazis_ + ".tmp")));
}

TEST_F(HuzListaAblakTest, CancelledEntryLeavesTheListAndUndoTakesADeletionBack)
{
    window_->Akcio("Listzs3")->trigger();
    lista()->BovitesGomb->trigger();
    ASSERT_TRUE(be()->isVisible());
    EXPECT_EQ(lista()->Model()->rowCount(), 4);  // the empty row of the entry
    QTest::mouseClick(be()->MegseGomb, Qt::LeftButton);
    EXPECT_EQ(lista()->Model()->rowCount(), 3);
    EXPECT_FALSE(lista()->VisszaGomb->isEnabled());

    lista()->EloreGombClick();
    lista()->HatraGombClick();
    lista()->HuzTabla->setCurrentIndex(lista()->Model()->index(1, 3));
    lista()->TorlesGomb->trigger();
    ASSERT_EQ(lista()->Model()->rowCount(), 2);
    EXPECT_EQ(cella(1, 0), QStringLiteral("2."));
    EXPECT_EQ(cella(1, 3), QStringLiteral("4"));
    ASSERT_TRUE(lista()->VisszaGomb->isEnabled());
    lista()->VisszaGomb->trigger();
    ASSERT_EQ(lista()->Model()->rowCount(), 3);
    EXPECT_EQ(cella(1, 3), QStringLiteral("3"));
    EXPECT_EQ(cella(2, 0), QStringLiteral("3."));
    EXPECT_TRUE(lista()->MegseGomb->isEnabled());
}

TEST_F(HuzListaAblakTest, DrawsOnTheClipboardAreAppendedOneAfterTheOther)
{
    window_->Akcio("Listzs3")->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("01 02 03 04 05\r\n06;07;08;09;10\r\n"));
    window_->SetBillentyuMod(300);  // Alt held when the command starts
    lista()->BovitesGomb->trigger();
    for (int i = 0; i < 50 && lista()->Model()->rowCount() < 5; ++i)
        QTest::qWait(10);
    ASSERT_EQ(lista()->Model()->rowCount(), 5);
    EXPECT_EQ(cella(3, 3), QStringLiteral("1"));
    EXPECT_EQ(cella(4, 7), QStringLiteral("10"));
    EXPECT_FALSE(be()->isVisible());
}

}  // namespace
