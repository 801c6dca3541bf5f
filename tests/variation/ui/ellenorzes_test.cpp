// The check of a variation, the user's way, on the variation's windows
// without the main window: a variation is made, numbers are marked on the
// variation-check ticket, and the variation list's search panel walks the
// lines that hold the chosen number of them; the check ticket's clearing and
// a large variation counted behind the wait window.
#include "variation/ui/ellenorzes_alap.h"
#include "variation/ui/bontlista.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "variation/ui/variacio_ablakok.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ismetles.h"
#include "draws/ui/keres_panel.h"
#include "app/ui/valaszolo.h"
#include "app/ui/varakozas_figyelo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"
#include "tickets/ticket_layout.h"
#include "variation/ui/bontellszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/variacio_vezerlo.h"


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

#include <memory>
#include <vector>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

class EllenorzesTest : public kvx::teszt::EllenorzesAlap<kvx::teszt::VariacioAblakok, false> {
protected:
    // How many of the variation's lines hold 0..5 of the marked numbers.
    std::vector<int> talalatDb(const std::vector<int>& jelolt)
    {
        std::vector<int> db(6, 0);
        for (int r = 0; r < variationStore().BontSzelvszam; ++r)
            ++db[static_cast<std::size_t>(talalat(r, jelolt))];
        return db;
    }
    // The hit classes the search box should offer for the marked numbers:
    // every class that occurs among the variation's lines, highest first.
    QStringList osztalyok(const std::vector<int>& jelolt)
    {
        const std::vector<int> db = talalatDb(jelolt);
        QStringList vart{QStringLiteral("Minden találat")};
        for (int h = 5; h >= 0; --h)
            if (db[static_cast<std::size_t>(h)] > 0)
                vart << QStringLiteral("%1 találat").arg(h);
        return vart;
    }
    // What the search box offers.
    QStringList box()
    {
        QStringList b;
        for (int i = 0; i < panel()->KeresBox->count(); ++i)
            b << panel()->KeresBox->itemText(i);
        return b;
    }
};

TEST_F(EllenorzesTest, MarkedLineIsFoundInTheList)
{
    general();
    const int sorok = variationStore().BontSzelvszam;
    QAction* ellenorzes = kvx::Parancs(ParancsId::Ellenrzs1);
    ASSERT_TRUE(ellenorzes->isEnabled());
    ellenorzes->trigger();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Variáció ellenőrzés"));
    EXPECT_FALSE(sz->TorlesGomb->isEnabled());

    const std::vector<int> jelolt{3, 9, 14, 22};
    for (int n : jelolt)
        kattint(n);
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 4 szám")));
    // The list opened with its search panel; the box offers the classes that occur.
    ASSERT_TRUE(lista()->isVisible());
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(box(), osztalyok(jelolt));
    // The info text counts the same.
    const std::vector<int> db = talalatDb(jelolt);
    for (int h = 0; h <= 5; ++h)
        EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("   %1 találat:%2").arg(h).arg(db[static_cast<std::size_t>(h)], 8)))
            << h;

    // Class "2 találat": next walks exactly the lines with two of the marks.
    const int i = panel()->KeresBox->findText(QStringLiteral("2 találat"));
    ASSERT_GT(i, 0);
    panel()->KeresBox->setCurrentIndex(i);
    emit panel()->KeresBox->activated(i);
    std::vector<int> talalt{lista()->KivRekord};
    while (panel()->TovabbKeresGomb->isEnabled()) {
        panel()->TovabbKeresGomb->click();
        if (lista()->KivRekord == talalt.back())
            break;
        talalt.push_back(lista()->KivRekord);
    }
    std::vector<int> kettes;
    for (int r = 0; r < sorok; ++r)
        if (talalat(r, jelolt) == 2)
            kettes.push_back(r + 1);
    EXPECT_EQ(talalt, kettes);
    EXPECT_FALSE(panel()->TovabbKeresGomb->isEnabled());
    EXPECT_EQ(panel()->TovabbKeresGomb->toolTip(), QStringLiteral(" Utolsó 2 találatos számsor kiválasztva "));
    panel()->ElsoreKeresGomb->click();
    EXPECT_EQ(lista()->KivRekord, kettes.front());
    EXPECT_TRUE(panel()->Label1->property("Kiemelt").toBool());

    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        QApplication::processEvents();
        sz->grab().save(QDir(d).filePath("bontellszelveny.png"));
        lista()->grab().save(QDir(d).filePath("bontlista_kereses.png"));
    }

    // Törlés clears the marks: the search ends.
    sz->TorlesGomb->click();
    EXPECT_TRUE(sz->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 0 szám")));
}

// A line entered for the list (a new one, or one replacing the selected
// line): the list's search panel follows the marks as they are made; with
// nothing marked it goes, and the ticket's button is off.
TEST_F(EllenorzesTest, LineEntryShowsTheListsSearchWhileTheLineIsEntered)
{
    general();
    kvx::Parancs(ParancsId::Listzs2)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;

    lista()->BontListBovitesGomb->click();
    ASSERT_TRUE(sz->isVisible());
    ASSERT_EQ(sz->Mod(), BontEllUjSzamsor);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(sz->TorlesGomb->isEnabled());
    kattint(3);
    kattint(9);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(box(), osztalyok({3, 9}));
    EXPECT_TRUE(sz->TorlesGomb->isEnabled());
    // The search walks the lines that hold both numbers.
    const int i = panel()->KeresBox->findText(QStringLiteral("2 találat"));
    ASSERT_GT(i, 0);
    panel()->KeresBox->setCurrentIndex(i);
    emit panel()->KeresBox->activated(i);
    EXPECT_EQ(talalat(lista()->KivRekord - 1, {3, 9}), 2);
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        QApplication::processEvents();
        sz->grab().save(QDir(d).filePath("bontellszelveny_beolvasas.png"));
        lista()->grab().save(QDir(d).filePath("bontlista_beolvasas_kereses.png"));
    }
    kattint(9);
    kattint(3);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(sz->TorlesGomb->isEnabled());
    sz->KilepesGomb->click();

    // Replacing line 2: the ticket reads its numbers, and the search shows
    // the lines against them.
    lista()->AktSorKijelol(2);
    lista()->BontListModositasGomb->click();
    ASSERT_EQ(sz->Mod(), BontEllModositas);
    std::vector<int> masodik;
    for (std::uint8_t n : sz->Jelolesek.Jeloltek)
        masodik.push_back(n);
    ASSERT_EQ(masodik.size(), 5u);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(box(), osztalyok(masodik));
    EXPECT_TRUE(sz->TorlesGomb->isEnabled());
    for (int n : masodik)
        kattint(n);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(sz->TorlesGomb->isEnabled());
}

TEST_F(EllenorzesTest, ListLineGoesOntoTheCheckTicket)
{
    general();
    kvx::Parancs(ParancsId::Listzs2)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    lista()->AktSorKijelol(2);
    lista()->EllenorzesGomb->click();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Keres: variáció 2. számsora"));
    // The line's own class is the best one: the full hit, line 2 among its lines.
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->KeresBox->currentText(), QStringLiteral("5 találat"));
    EXPECT_EQ(lista()->KivRekord, 2);
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Ssz:")));
    // A deletion of the variation ends the check.
    Valaszolo v({QStringLiteral("Igen")});
    kvx::Parancs(ParancsId::rls2)->trigger();
    EXPECT_FALSE(sz->isVisible());
    EXPECT_TRUE(program_.Variacio().BontEllTalalatok().empty());
}

// Törlés of the check mode runs the check command: with Shift+Ctrl held the
// check starts again on a random line of the selection.
TEST_F(EllenorzesTest, ClearOfTheCheckRunsTheCheckCommand)
{
    general();
    kvx::Parancs(ParancsId::Ellenrzs1)->trigger();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    const struct {
        int billentyuMod;
        const char* kijelolve;
    } esetek[] = {{0, "Kijelölve: 0 szám"}, {200, "Kijelölve: 5 szám"}};
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.billentyuMod);
        sz->ModBeallitas(0);
        for (int n : {3, 9})
            kattint(n);
        ASSERT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 2 szám")));
        mainState().BillentyuMod = e.billentyuMod;
        sz->TorlesGomb->click();
        mainState().BillentyuMod = 0;
        EXPECT_TRUE(sz->isVisible());
        EXPECT_TRUE(sz->InfoCimke->text().contains(QString::fromUtf8(e.kijelolve))) << sz->InfoCimke->text().toStdString();
    }
    // The random line is a line of the selection.
    for (std::uint8_t n : sz->Jelolesek.Jeloltek)
        EXPECT_NE(std::find(szamListak().KijeloltSzamok.begin(), szamListak().KijeloltSzamok.end(), n),
                  szamListak().KijeloltSzamok.end())
            << int(n);
}

// The check ticket's clear goes through the check command, so an unfinished
// variation asks first: No keeps the marks, Igen starts the check anew.
TEST_F(EllenorzesTest, ClearOfTheCheckAsksAboutAnUnfinishedVariation)
{
    general();
    kvx::Parancs(ParancsId::Ellenrzs1)->trigger();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    const struct {
        const char* valasz;
        const char* kijelolve;
    } esetek[] = {{"Nem", "Kijelölve: 2 szám"}, {"Igen", "Kijelölve: 0 szám"}};
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.valasz);
        sz->ModBeallitas(0);
        for (int n : {3, 9})
            kattint(n);
        ASSERT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("Kijelölve: 2 szám")));
        // What a run that ended before its last line leaves.
        bontasEgyseg().BefejezetlenVariacio = true;
        bontasEgyseg().Allapot.BontasBefejezetlen = true;
        Valaszolo v({QString::fromUtf8(e.valasz)});
        sz->TorlesGomb->click();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott.front().Szoveg.endsWith(QStringLiteral("Mégis ellenőrzi a variációt?")))
            << v.Latott.front().Szoveg.toStdString();
        EXPECT_TRUE(sz->isVisible());
        EXPECT_TRUE(sz->InfoCimke->text().contains(QString::fromUtf8(e.kijelolve))) << sz->InfoCimke->text().toStdString();
    }
    bontasEgyseg().Allapot.BontasBefejezetlen = false;
}

// Counting a variation of more than 100,000 lines shows the wait window;
// a smaller one counts without it.
TEST_F(EllenorzesTest, LargeVariationIsCountedBehindTheWaitWindow)
{
    kvx::teszt::VarakozasFigyelo figyelo(ablakok_->UzenetAblak);
    const struct {
        int szamok;  // the first n numbers make the full variation
        bool varakozas;
    } esetek[] = {{28, false}, {29, true}};  // 98,280 and 118,755 lines
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.szamok);
        MindenSzamTorlese(szamListak(), game(), mainState());
        for (int n = 1; n <= e.szamok; ++n)
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        futtatas(0);
        ASSERT_GT(variationStore().BontSzelvszam, e.varakozas ? 100000 : 90000);
        kvx::Parancs(ParancsId::Ellenrzs1)->trigger();
        figyelo.Feliratok.clear();
        kattint(1);
        EXPECT_EQ(figyelo.Feliratok, e.varakozas ? QStringList{QStringLiteral("Találati arányok beállítása")} : QStringList{});
        EXPECT_FALSE(ablakok_->UzenetAblak->isVisible());
        EXPECT_TRUE(szelvenyek().BontEllSzelveny->InfoCimke->text().contains(QStringLiteral("Kijelölve: 1 szám")));
        Valaszolo torles({QStringLiteral("Igen")});
        kvx::Parancs(ParancsId::rls2)->trigger();
    }
}

}  // namespace
