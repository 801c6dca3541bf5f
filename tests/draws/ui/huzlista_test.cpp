// The draws list and the draw entry in the running program: a database in a
// temporary program folder is listed, a draw is entered on the entry ticket
// (or read from the clipboard), and saving writes it to the file.
#include "app/folders.h"
#include "app/ui/program.h"
#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "conditions/condition_records.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "tickets/ui/huzbeszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/variation_store.h"

#include "../../app/ui/harom_huzas.h"
#include "../../app/ui/valaszolo.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class HuzListaAblakTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        adatbazis_ = kvx::teszt::haromHuzasAdatbazis(dir_.path());
        ASSERT_FALSE(adatbazis_.empty());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        kvx::Program::aktualis().HibaUzenet = [this](const QString& q) { hibak_ << q; };
        FormokLetrehozasa(*window_);
        // No tips during the test.
        kvx::uzenetBeallitasok().Inform = false;
        kvx::settings().UzenetekLog.fill(0);
        ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    }
    void TearDown() override
    {
        window_.reset();
    }

    THuzLista* lista() { return formok().HuzLista; }
    THuzBe* be() { return formok().HuzBe; }
    QString cella(int sor, int oszlop)
    {
        return lista()->Model()->data(lista()->Model()->index(sor, oszlop)).toString();
    }
    // Whole rows the grid shows, once the window's layout has settled.
    int lathatoSorok()
    {
        QApplication::processEvents();
        const QTableView* t = lista()->HuzTabla;
        return t->viewport()->height() / t->verticalHeader()->defaultSectionSize();
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
    QAction* listazas = window_->Akcio(kvx::ParancsId::Listzs3);
    ASSERT_TRUE(listazas->isEnabled());
    listazas->trigger();
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_EQ(lista()->windowTitle(), QStringLiteral(" Húzások listája "));
    EXPECT_EQ(lista()->Model()->rowCount(), 3);
    EXPECT_EQ(lathatoSorok(), 3);
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
    // The window grew with the list: every draw is in view.
    EXPECT_EQ(lathatoSorok(), 4);
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
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
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

// While a draw is entered, every other window waits: the list's "Ment" with
// an unsaved edit would write the entry's empty row into the file.
TEST_F(HuzListaAblakTest, EntryKeepsEveryOtherWindowWaiting)
{
    std::vector<std::uint8_t> elotte;
    ASSERT_TRUE(kvx::readWholeFile(adatbazis_, elotte));
    window_->show();
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
    lista()->HuzTabla->setCurrentIndex(lista()->Model()->index(1, 3));
    lista()->TorlesGomb->trigger();
    ASSERT_TRUE(lista()->MentesGomb->isEnabled());
    lista()->BovitesGomb->trigger();
    ASSERT_TRUE(be()->isVisible());
    EXPECT_TRUE(be()->isEnabled());
    EXPECT_TRUE(szelvenyek().HuzBeSzelveny->isEnabled());
    EXPECT_FALSE(lista()->isEnabled());
    EXPECT_FALSE(window_->menuBar()->isEnabled());
    // The user's click on the list's save button does nothing.
    for (QToolButton* b : lista()->findChildren<QToolButton*>())
        if (b->defaultAction() == lista()->MentesGomb)
            QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseClick(be()->MegseGomb, Qt::LeftButton);
    std::vector<std::uint8_t> utana;
    ASSERT_TRUE(kvx::readWholeFile(adatbazis_, utana));
    EXPECT_EQ(utana, elotte);
    EXPECT_TRUE(lista()->isEnabled());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
    // The edit is still there to be saved, and saving writes a loadable file.
    ASSERT_TRUE(lista()->MentesGomb->isEnabled());
    lista()->MentesGomb->trigger();
    ASSERT_TRUE(kvx::readWholeFile(adatbazis_, utana));
    EXPECT_EQ(utana.size(), 16u + 2 * 28u);
    EXPECT_TRUE(hibak_.isEmpty());
}

TEST_F(HuzListaAblakTest, DrawsOnTheClipboardAreAppendedOneAfterTheOther)
{
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
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


// Shift+Ctrl fills the entry with a random draw and accepts it at once.
TEST_F(HuzListaAblakTest, RandomFillingEntersAWholeDrawAndAcceptsIt)
{
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
    window_->SetBillentyuMod(200);
    lista()->BovitesGomb->trigger();
    EXPECT_FALSE(be()->isVisible());
    ASSERT_EQ(lista()->Model()->rowCount(), 4);
    EXPECT_EQ(window_->GetBillentyuMod(), 0);
    std::vector<int> szamok;
    for (int c = 3; c < 8; ++c)
        szamok.push_back(cella(3, c).toInt());
    EXPECT_TRUE(std::is_sorted(szamok.begin(), szamok.end()));
    EXPECT_EQ(std::adjacent_find(szamok.begin(), szamok.end()), szamok.end());
    for (int n : szamok)
        EXPECT_TRUE(n >= 1 && n <= 90) << n;
    EXPECT_EQ(cella(3, 2), QStringLiteral("4."));  // the proposed week
    EXPECT_TRUE(lista()->MentesGomb->isEnabled());

    // Modifying with Shift+Ctrl replaces the selected draw's numbers.
    lista()->EloreGombClick();
    const kvx::TTombInt1D elotte = kvx::draws().Huzasok[0];
    window_->SetBillentyuMod(200);
    lista()->ModositasGomb->trigger();
    EXPECT_FALSE(be()->isVisible());
    ASSERT_EQ(lista()->Model()->rowCount(), 4);
    const kvx::TTombInt1D utana = kvx::draws().Huzasok[0];
    EXPECT_EQ(utana[1], 2020);
    EXPECT_EQ(utana[2], 1);
    EXPECT_NE(elotte, utana);
    // Undo brings the old numbers back.
    lista()->VisszaGomb->trigger();
    EXPECT_EQ(kvx::draws().Huzasok[0], elotte);
}

// With a variation built under an active hit-ratio condition, the draws of
// its ranges can be neither changed nor removed.
TEST_F(HuzListaAblakTest, EditsInsideTheReservedHitRatioRangeAreRefused)
{
    auto& f = kvx::feltetelRekordok();
    f.TalArAktiv = true;
    f.TalalatiAranyFeltetel.DbTartomany = 1;
    f.TalalatiAranyFeltetel.ElsoHuzas[0] = 2;
    f.TalalatiAranyFeltetel.UtolsoHuzas[0] = 2;
    kvx::variationStore().BontSzelvszam = 10;
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();

    lista()->EloreGombClick();  // draw 1: before the range
    EXPECT_FALSE(lista()->BeszurasGomb->isEnabled());
    EXPECT_FALSE(lista()->TorlesGomb->isEnabled());
    EXPECT_TRUE(lista()->ModositasGomb->isEnabled());
    EXPECT_EQ(lista()->TorlesGomb->toolTip(),
              QStringLiteral(" Variáció - Találati arány feltétel \r\n Foglalt tartomány: nem törölhető a húzás "));

    lista()->HatraGombClick();  // draw 3: after the range
    EXPECT_TRUE(lista()->BeszurasGomb->isEnabled());
    EXPECT_TRUE(lista()->TorlesGomb->isEnabled());
    EXPECT_TRUE(lista()->ModositasGomb->isEnabled());

    // Draw 2 lies in the range: every edit is refused, also when asked directly.
    lista()->HuzTabla->setCurrentIndex(lista()->Model()->index(1, 3));
    EXPECT_EQ(kvx::huzLista().KivRekord, 2);
    EXPECT_FALSE(lista()->ModositasGomb->isEnabled());
    EXPECT_EQ(lista()->ModositasGomb->toolTip(),
              QStringLiteral(" Variáció - Találati arány feltétel \r\n Foglalt tartomány:  nem módosítható a húzás "));
    lista()->TorlesGombClick();
    lista()->ModositasGombClick();
    lista()->BeszurasGombClick();
    EXPECT_FALSE(be()->isVisible());
    EXPECT_EQ(lista()->Model()->rowCount(), 3);
    EXPECT_FALSE(lista()->MentesGomb->isEnabled());

    // Without the variation the range is free again.
    kvx::variationStore().BontSzelvszam = 0;
    lista()->SzelvKijelzes();
    EXPECT_TRUE(lista()->TorlesGomb->isEnabled());
}

// Deleting the last draw shortens a hit-ratio range that reached it, and
// the user is told.
TEST_F(HuzListaAblakTest, DeletingTheLastDrawShortensTheHitRatioRange)
{
    auto& f = kvx::feltetelRekordok();
    f.TalArAktiv = true;
    f.TalalatiAranyFeltetel.DbTartomany = 1;
    f.TalalatiAranyFeltetel.ElsoHuzas[0] = 1;
    f.TalalatiAranyFeltetel.UtolsoHuzas[0] = 3;
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
    lista()->HatraGombClick();
    // The notice box is closed as soon as it shows; its text is kept.
    QStringList latott;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            latott << box->text();
            box->accept();
        }
    });
    figyelo.start(10);
    lista()->TorlesGomb->trigger();
    figyelo.stop();
    EXPECT_EQ(lista()->Model()->rowCount(), 2);
    EXPECT_EQ(f.TalalatiAranyFeltetel.UtolsoHuzas[0], 2);
    ASSERT_EQ(latott.size(), 1);
    EXPECT_TRUE(latott.front().contains(QStringLiteral("Találati arány feltételben")));
}

// On a user's own database the entry opens again after each accepted draw,
// until Mégse.
TEST_F(HuzListaAblakTest, EntryReopensOnAUsersDatabase)
{
    kvx::SetAdatbazisTipusa(kvx::adatbazisFajta(), false);
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
    lista()->BovitesGomb->trigger();
    ASSERT_TRUE(be()->isVisible());
    for (int n : {1, 2, 3, 4, 5})
        kattint(n);
    QTest::mouseClick(be()->RendbenGomb, Qt::LeftButton);
    ASSERT_TRUE(kvx::teszt::varj([&] { return be()->isVisible(); }));
    EXPECT_EQ(lista()->Model()->rowCount(), 5);  // the accepted draw and the next empty row
    EXPECT_EQ(be()->HetBe->value(), 5);
    QTest::mouseClick(be()->MegseGomb, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_FALSE(be()->isVisible());
    EXPECT_EQ(lista()->Model()->rowCount(), 4);
}

}  // namespace

// The entry window and its ticket stand beside the list and leave its
// columns and buttons free, also on their first showing.
TEST_F(HuzListaAblakTest, EntryWindowDoesNotCoverTheList)
{
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    lista()->move(700, 300);
    lista()->BovitesGomb->trigger();
    ASSERT_TRUE(be()->isVisible());
    const QRect l = lista()->frameGeometry();
    EXPECT_FALSE(be()->frameGeometry().intersects(l));
    EXPECT_LE(be()->frameGeometry().right(), l.left());
    THuzBeSzelveny* sz = szelvenyek().HuzBeSzelveny;
    ASSERT_TRUE(sz && sz->isVisible());
    EXPECT_FALSE(sz->frameGeometry().intersects(l));
}

// Every toolbar button is in view with its picture (the window is only as
// wide as the grid), and nothing shows a cut caption.
TEST_F(HuzListaAblakTest, ToolbarButtonsAreAllInViewWithPictures)
{
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    QApplication::processEvents();
    QToolBar* tb = lista()->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    ASSERT_NE(tb, nullptr);
    int gombok = 0;
    for (QAction* a : tb->actions()) {
        if (a->isSeparator())
            continue;
        SCOPED_TRACE(a->objectName().toStdString());
        ++gombok;
        EXPECT_FALSE(a->icon().isNull());
        EXPECT_GE(a->text().size(), 6);  // a whole word, not a stub
        QWidget* w = tb->widgetForAction(a);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(tb->rect().contains(w->geometry()));
    }
    EXPECT_EQ(gombok, 13);
    // No button went into the toolbar's overflow menu.
    for (QToolButton* b : tb->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        EXPECT_FALSE(b->isVisible());
}

// The list's two print buttons run the database menu's printouts: to the
// list file and on paper after the question.
TEST_F(HuzListaAblakTest, ThePrintButtonsRunTheDatabaseMenusPrintouts)
{
    QTemporaryDir pdf;
    ASSERT_TRUE(pdf.isValid());
    NyomtatasVezerlo* ny = window_->Nyomtatas();
    ASSERT_NE(ny, nullptr);
    std::vector<std::unique_ptr<QPrinter>> nyomtatok;
    ny->NyomtatoElerheto = [] { return true; };
    ny->NyomtatoKeszites = [&](int) {
        auto p = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdf.filePath(QStringLiteral("job%1.pdf").arg(nyomtatok.size() + 1)));
        nyomtatok.push_back(std::move(p));
        return nyomtatok.back().get();
    };
    window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_TRUE(lista()->ToolButton2->isEnabled());
    EXPECT_TRUE(lista()->NyomtatasGomb->isEnabled());
    EXPECT_EQ(lista()->ToolButton2->toolTip(), QStringLiteral(" Lista nyomtatása állományba - előnézet "));
    EXPECT_EQ(lista()->NyomtatasGomb->toolTip(), QStringLiteral(" Lista papíralapú nyomtatása "));

    const QString fajl = QString::fromStdString(kvx::folders().ListKonyvtar) + QStringLiteral("huzlist.rtf");
    QFile::remove(fajl);
    {
        // The offscreen desktop opens no file: the program names it instead.
        kvx::teszt::Valaszolo v({QStringLiteral("OK")});
        lista()->ToolButton2->trigger();
    }
    EXPECT_TRUE(QFileInfo(fajl).size() > 0);
    EXPECT_TRUE(nyomtatok.empty());
    {
        kvx::teszt::Valaszolo v({QStringLiteral("Igen")});
        lista()->NyomtatasGomb->trigger();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QStringLiteral("Elindítja a nyomtatást?")));
    }
    ASSERT_EQ(nyomtatok.size(), 1u);
    EXPECT_TRUE(QFileInfo(nyomtatok[0]->outputFileName()).size() > 0);
}

namespace {

// A database of twenty draws: more than the list shows at first.
class HuzListaSorokTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        adatbazis_ = kvx::teszt::haromHuzasAdatbazis(dir_.path(), 20);
        ASSERT_FALSE(adatbazis_.empty());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        kvx::uzenetBeallitasok().Inform = false;
        kvx::settings().UzenetekLog.fill(0);
        // Room under the main window for every row.
        window_->findChild<kvx::AblakElhelyezes*>()->SetMunkaTerulet(QRect(0, 0, 1400, 1000));
        window_->setGeometry(0, 0, 1400, 1000);
        window_->show();
        ASSERT_EQ(kvx::draws().HuzasokSzama, 20);
    }

    THuzLista* lista() { return formok().HuzLista; }
    int sorMagassag() { return lista()->HuzTabla->verticalHeader()->defaultSectionSize(); }
    // Whole draw rows the grid shows, once the layout has settled.
    int lathato()
    {
        QApplication::processEvents();
        return lista()->HuzTabla->viewport()->height() / sorMagassag();
    }
    void megnyit()
    {
        window_->Akcio(kvx::ParancsId::Listzs3)->trigger();
        QApplication::processEvents();
    }

    QTemporaryDir dir_;
    std::string adatbazis_;
    std::unique_ptr<TFoablak> window_;
};

}  // namespace

// The list keeps the rows the user resized it to, grows no taller than all
// its rows, and opens at the last draw only after a load.
TEST_F(HuzListaSorokTest, TheListKeepsItsRowsAndItsSelection)
{
    megnyit();
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_EQ(lista()->LathatoSorok, 16);
    EXPECT_EQ(lathato(), 15);  // the heading row is one of the 16
    EXPECT_EQ(kvx::huzLista().KivRekord, 20);

    // The user makes it seven rows lower.
    lista()->resize(lista()->width(), lista()->height() - 7 * sorMagassag());
    EXPECT_EQ(lathato(), 8);
    EXPECT_EQ(lista()->LathatoSorok, 9);
    // Paging follows the rows in sight.
    lista()->EloreGomb->click();
    EXPECT_EQ(kvx::huzLista().KivRekord, 1);
    EXPECT_TRUE(lista()->HatraLapozGomb->isEnabled());
    lista()->HatraLapozGomb->click();
    EXPECT_EQ(kvx::huzLista().KivRekord, 9);

    // Opened again: the same rows, the same draw.
    lista()->close();
    megnyit();
    EXPECT_EQ(lathato(), 8);
    EXPECT_EQ(kvx::huzLista().KivRekord, 9);

    // Never taller than every row: stretched, it shows the twenty draws.
    lista()->resize(lista()->width(), lista()->height() + 40 * sorMagassag());
    EXPECT_EQ(lathato(), 20);
    EXPECT_EQ(lista()->LathatoSorok, 21);

    // A load opens the list at the last draw again.
    lista()->close();
    ASSERT_TRUE(kvx::Program::aktualis().HuzasokV().HuzasokBetoltese(adatbazis_, {}).sikeres());
    megnyit();
    EXPECT_EQ(kvx::huzLista().KivRekord, 20);
}
