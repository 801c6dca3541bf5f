// The search by hits in the draws list, the user's way: the selected draw
// goes onto the draw-search ticket, the list's search panel offers the hit
// classes that occur, and its buttons walk the draws of a class.
#include "app/ui/program.h"
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "draws/ui/keres_panel.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/ui/huzlista.h"
#include "tickets/ui/huzkeresszelveny.h"
#include "tickets/ui/szelvenyek.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using namespace kvx;

// A 5/90 database of six draws in the program folder's Dat subfolder.
std::string hatHuzas(const QString& mappa)
{
    GameParams g;
    g.LottoIndex = 0;
    JatekParameterek(g);
    const int huzasok[6][5] = {{1, 2, 3, 4, 5},    {1, 2, 3, 40, 50}, {10, 20, 30, 40, 50},
                               {1, 2, 3, 60, 70}, {1, 2, 3, 4, 80},  {11, 12, 13, 14, 15}};
    TTombInt2D sorok;
    for (int i = 0; i < 6; ++i) {
        TTombInt1D sor{i + 1, 2024, i + 1};
        sor.insert(sor.end(), huzasok[i], huzasok[i] + 5);
        sor.resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        sorok.push_back(sor);
    }
    if (!QDir(mappa).mkpath(QStringLiteral("Dat")))
        return {};
    const std::string nev = QDir(mappa).filePath(QStringLiteral("Dat/")).toStdString() + AdatbazisAllomany[0];
    return writeFileAtomic(nev, AdatbazisKep(sorok, g, HuzasIroVerzio())) ? nev : std::string();
}

class HuzKeresesTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(hatHuzas(dir_.path()).empty());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        uzenetBeallitasok().Inform = false;
        settings().UzenetekLog.fill(0);
        settings().Hangjelzes = false;
        ASSERT_TRUE(draws().AdatbazisBetoltve);
    }
    void TearDown() override { window_.reset(); }

    THuzLista* lista() { return formok().HuzLista; }
    TKeresPanel* panel() { return lista()->KeresPanel; }
    QStringList osztalyok()
    {
        QStringList s;
        for (int i = 0; i < panel()->KeresBox->count(); ++i)
            s << panel()->KeresBox->itemText(i);
        return s;
    }
    void osztaly(const QString& t)
    {
        const int i = panel()->KeresBox->findText(t);
        ASSERT_GE(i, 0) << t.toStdString();
        panel()->KeresBox->setCurrentIndex(i);
        emit panel()->KeresBox->activated(i);
    }
    int kivalasztott() const { return huzLista().KivRekord; }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
};

TEST_F(HuzKeresesTest, SelectedDrawIsSearchedByItsHits)
{
    window_->Akcio(ParancsId::Listzs3)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    lista()->EloreGombClick();
    ASSERT_EQ(kivalasztott(), 1);
    ASSERT_TRUE(lista()->KeresesGomb->isEnabled());
    lista()->KeresesGomb->trigger();

    THuzKeresSzelveny* sz = szelvenyek().HuzKeresSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Keres: húzások 1. számsora"));
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 5 szám")));
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(osztalyok(), (QStringList{"Minden találat", "5 találat", "4 találat", "3 találat", "0 találat"}));
    // The best class is chosen and its first draw selected; no edits while searching.
    EXPECT_EQ(panel()->KeresBox->currentText(), QStringLiteral("5 találat"));
    EXPECT_EQ(kivalasztott(), 1);
    EXPECT_FALSE(lista()->BovitesGomb->isEnabled());
    EXPECT_EQ(lista()->TorlesGomb->toolTip(), QStringLiteral(" Számsor keresése aktív: nem engedélyezett funkció "));

    osztaly(QStringLiteral("3 találat"));
    EXPECT_EQ(kivalasztott(), 2);
    EXPECT_FALSE(panel()->ElsoreKeresGomb->isEnabled());
    EXPECT_TRUE(panel()->TovabbKeresGomb->isEnabled());
    EXPECT_EQ(panel()->TovabbKeresGomb->toolTip(), QStringLiteral(" Következő 3 találatos számsor "));
    panel()->TovabbKeresGomb->click();
    EXPECT_EQ(kivalasztott(), 4);
    // Past the last draw of the class: the last one stays, forward is closed.
    panel()->TovabbKeresGomb->click();
    EXPECT_EQ(kivalasztott(), 4);
    EXPECT_FALSE(panel()->TovabbKeresGomb->isEnabled());
    EXPECT_EQ(panel()->UtolsoraKeresGomb->toolTip(), QStringLiteral(" Utolsó 3 találatos számsor kiválasztva "));
    panel()->VisszaKeresGomb->click();
    EXPECT_EQ(kivalasztott(), 2);
    panel()->VisszaKeresGomb->click();
    EXPECT_EQ(kivalasztott(), 2);
    EXPECT_FALSE(panel()->VisszaKeresGomb->isEnabled());

    // Moving off a match greys the caption and opens both pairs again.
    lista()->HatraGombClick();
    EXPECT_EQ(kivalasztott(), 6);
    EXPECT_FALSE(panel()->Label1->property("Kiemelt").toBool());
    EXPECT_TRUE(panel()->VisszaKeresGomb->isEnabled());
    panel()->ElsoreKeresGomb->click();
    EXPECT_EQ(kivalasztott(), 2);
    EXPECT_TRUE(panel()->Label1->property("Kiemelt").toBool());

    // The ticket closes: the panel goes and editing comes back.
    sz->KilepesGomb->click();
    EXPECT_FALSE(sz->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(lista()->BovitesGomb->isEnabled());
}

TEST_F(HuzKeresesTest, NumbersMarkedOnTheSearchTicket)
{
    // The menu opens an empty ticket; each click counts again.
    window_->Akcio(ParancsId::Keress1)->trigger();
    THuzKeresSzelveny* sz = szelvenyek().HuzKeresSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    for (int n : {40, 50})
        QTest::mouseClick(sz->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton);
    ASSERT_TRUE(lista()->isVisible());
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(osztalyok(), (QStringList{"Minden találat", "2 találat", "0 találat"}));
    EXPECT_EQ(kivalasztott(), 2);
    panel()->UtolsoraKeresGomb->click();
    EXPECT_EQ(kivalasztott(), 3);
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("2  találat:       2")) ||
                sz->InfoCimke->text().contains(QStringLiteral("   2 találat:       2")))
        << sz->InfoCimke->text().toStdString();
    // Unmarking both: no search left.
    for (int n : {40, 50})
        QTest::mouseClick(sz->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton);
    EXPECT_FALSE(panel()->isVisible());
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        for (int n : {1, 2, 3})
            QTest::mouseClick(sz->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton);
        QApplication::processEvents();
        lista()->grab().save(QDir(d).filePath("huzlista_kereses.png"));
        sz->grab().save(QDir(d).filePath("huzkeresszelveny.png"));
    }
}

// "Keresés" with Shift+Ctrl held: a random line of a drawing's shape is
// marked on the ticket and searched for at once; without them the ticket
// opens empty again.
TEST_F(HuzKeresesTest, ShiftCtrlSearchMarksARandomDrawing)
{
    THuzKeresSzelveny* sz = szelvenyek().HuzKeresSzelveny;
    mainState().BillentyuMod = 200;
    window_->Akcio(ParancsId::Keress1)->trigger();
    ASSERT_TRUE(sz->isVisible());
    const TTombByte1D jeloltek = sz->Jelolesek.Jeloltek;
    ASSERT_EQ(jeloltek.size(), 5u);
    EXPECT_TRUE(std::is_sorted(jeloltek.begin(), jeloltek.end()));
    for (std::uint8_t n : jeloltek) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 90);
    }
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 5 szám"))) << sz->InfoCimke->text().toStdString();
    // The list opened with its search panel: every draw has a hit value
    // against the marks (0 hits included), so there is always a class to
    // offer.
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(mainState().BillentyuMod, 200);
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        QApplication::processEvents();
        sz->grab().save(QDir(d).filePath("huzkeresszelveny_veletlen.png"));
    }

    mainState().BillentyuMod = 0;
    window_->Akcio(ParancsId::Keress1)->trigger();
    EXPECT_TRUE(sz->isVisible());
    EXPECT_TRUE(sz->Jelolesek.Ures());
}

// The ticket's Törlés starts the search again as "Keresés" does: the marks
// go, and with Shift+Ctrl held over the button a random line of a drawing's
// shape is marked and searched for. Without the command (switched off) it
// only clears the marks.
TEST_F(HuzKeresesTest, TorlesStartsTheSearchAgainAsKeresesDoes)
{
    THuzKeresSzelveny* sz = szelvenyek().HuzKeresSzelveny;
    QAction* keres = window_->Akcio(ParancsId::Keress1);
    struct Eset {
        const char* nev;
        Qt::KeyboardModifiers gombok;
        bool parancs;
        std::size_t jeloltek;
    };
    const Eset esetek[] = {
        {"Shift+Ctrl", Qt::ShiftModifier | Qt::ControlModifier, true, 5},
        {"no keys", Qt::NoModifier, true, 0},
        {"Shift+Ctrl, the command off", Qt::ShiftModifier | Qt::ControlModifier, false, 0},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        mainState().BillentyuMod = 0;
        keres->trigger();
        ASSERT_TRUE(sz->isVisible());
        for (int n : {1, 2, 3, 4, 80})
            QTest::mouseClick(sz->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton);
        ASSERT_EQ(sz->Jelolesek.Jeloltek, (TTombByte1D{1, 2, 3, 4, 80}));
        keres->setEnabled(e.parancs);
        QTest::mouseClick(sz->TorlesGomb, Qt::LeftButton, e.gombok);
        keres->setEnabled(true);
        ASSERT_TRUE(sz->isVisible());
        const TTombByte1D utana = sz->Jelolesek.Jeloltek;
        EXPECT_EQ(utana.size(), e.jeloltek);
        EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: %1 szám").arg(e.jeloltek)))
            << sz->InfoCimke->text().toStdString();
        for (std::uint8_t n : utana) {
            EXPECT_GE(n, 1);
            EXPECT_LE(n, 90);
        }
        // A search for the marks goes on in the list: its panel shows.
        EXPECT_EQ(panel()->isVisible(), e.jeloltek > 0);
        if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty() && e.jeloltek > 0) {
            QApplication::processEvents();
            sz->grab().save(QDir(d).filePath("huzkeresszelveny_torles_veletlen.png"));
        }
        // Clicked with the keys let go.
        QTest::mouseClick(sz->KilepesGomb, Qt::LeftButton);
        ASSERT_FALSE(sz->isVisible());
    }
}

}  // namespace
