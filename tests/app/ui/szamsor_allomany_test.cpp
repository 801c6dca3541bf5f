// The number-set file from the main window on the offscreen platform: saved
// and opened again through the menu commands and the file dialogs, and
// loaded from the command line at start-up.
#include "app/folders.h"
#include "app/ui/program.h"
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"
#include "tickets/file_helpers.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "harom_huzas.h"
#include "ismetles.h"
#include "valaszolo.h"

#include <functional>
#include <memory>

namespace {

// Fills the file name of the visible file dialog and accepts it.
void dialogusKitoltese(const QString& nev, QString* cim = nullptr)
{
    kvx::teszt::ismetlesAmigSikerul([=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d || !d->isVisible()) continue;
            if (cim) *cim = d->windowTitle();
            d->findChild<QLineEdit*>("fileNameEdit")->setText(nev);
            QMetaObject::invokeMethod(d, "accept");
            return true;
        }
        return false;
    });
}

// A number set of game g with the given numbers, written as the program writes it.
void szamsorAllomany(const QString& nev, int jatek, std::initializer_list<int> szamok)
{
    kvx::GameParams g;
    g.LottoIndex = jatek;
    kvx::JatekParameterek(g);
    kvx::SzamListak l;
    kvx::MainState ms;
    kvx::ListakInicializalasa(l, g, ms);
    for (int n : szamok) kvx::SzamJeloles(l, g, ms, n, kvx::ModKijelolt, false);
    kvx::FeltetelRekordok f;
    kvx::FeltetelekRekordokReset(f, g);
    std::string hiba;
    ASSERT_TRUE(kvx::SzamsorMentese(nev.toStdString(), kvx::SzamsorKepKeszites(l, g, f, 0, {}), hiba)) << hiba;
}

class SzamsorAllomanyTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    void TearDown() override
    {
        window_.reset();
    }
    void ablak(const QStringList& args = {})
    {
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"), args);
        kvx::Program::aktualis().Kerdes = [this](const QString& q) {
            kerdesek_ << q;
            return true;
        };
        kvx::Program::aktualis().HibaUzenet = [this](const QString& q) { hibak_ << q; };
        FormokLetrehozasa(*window_);
    }
    QAction* a(kvx::ParancsId nev) { return window_->Akcio(nev); }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    QStringList kerdesek_;
    QStringList hibak_;
};

TEST_F(SzamsorAllomanyTest, SavedThroughTheMenuAndOpenedAgainOntoTheMainTicket)
{
    ablak();
    kvx::settings().UzenetekLog[20] = 0;
    kvx::settings().UzenetekLog[21] = 0;
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);

    // Five numbers are one line of 5/90: nothing to save yet.
    for (int n : {3, 14, 15, 92 - 50, 65}) fo->SzamJeloles(n, kvx::ModKijelolt, false);
    EXPECT_FALSE(a(kvx::ParancsId::Ments3)->isEnabled());
    EXPECT_FALSE(a(kvx::ParancsId::Mentsmsknt1)->isEnabled());
    EXPECT_FALSE(a(kvx::ParancsId::Listzs1)->isEnabled());
    fo->SzamJeloles(35, kvx::ModKijelolt, false);
    ASSERT_TRUE(a(kvx::ParancsId::Ments3)->isEnabled());
    // An over-full line opens the conditions as well.
    EXPECT_TRUE(a(kvx::ParancsId::Listzs1)->isEnabled());
    EXPECT_EQ(a(kvx::ParancsId::Ments3)->statusTip(), QStringLiteral(" Számsor és feltételek mentése "));
    EXPECT_TRUE(a(kvx::ParancsId::Mentsmsknt1)->isEnabled());
    const kvx::TTombByte1D mentett = kvx::szamListak().KijeloltSzamok;
    const QString info = fo->InfoCimke->text();

    const QString nev = dir_.filePath("sajat.tip");
    QString cim;
    dialogusKitoltese(nev, &cim);
    a(kvx::ParancsId::Ments3)->trigger();
    EXPECT_EQ(cim, QStringLiteral(" Számsor mentése"));
    ASSERT_TRUE(QFile::exists(nev)) << hibak_.join('|').toStdString();
    EXPECT_TRUE(kvx::mainState().Mentve);

    a(kvx::ParancsId::Mind1)->trigger();
    EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 0);
    EXPECT_FALSE(a(kvx::ParancsId::Ments3)->isEnabled());
    EXPECT_NE(fo->InfoCimke->text(), info);

    dialogusKitoltese(nev, &cim);
    a(kvx::ParancsId::Megnyits1)->trigger();
    EXPECT_EQ(cim, QStringLiteral(" Állomány betöltése"));
    EXPECT_EQ(kvx::szamListak().KijeloltSzamok, mentett);
    // The main ticket shows them again and the save commands follow.
    EXPECT_EQ(szelvenyek().Foszelveny->InfoCimke->text(), info);
    EXPECT_TRUE(a(kvx::ParancsId::Ments3)->isEnabled());
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();
}

TEST_F(SzamsorAllomanyTest, NumberSetOnTheCommandLineIsLoadedAtStartWithItsGame)
{
    // A draws database of game 0 shows that the rest of start-up ran.
    const QString nev = dir_.filePath("hatos.tip");
    szamsorAllomany(nev, 1, {1, 2, 3, 4, 5, 6, 7});
    ablak({nev});
    EXPECT_EQ(kvx::game().LottoIndex, 1);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Kavarex Personal  -  Magyar 6/45"));
    EXPECT_EQ(kvx::szamListak().KijeloltSzamok, (kvx::TTombByte1D{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(window_->ParancssoriAllomany().isEmpty());
    EXPECT_TRUE(a(kvx::ParancsId::Ments3)->isEnabled());
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();
}

// A number set of another game opened through the menu switches the program
// to that game first, then loads its numbers onto the new game's ticket.
TEST_F(SzamsorAllomanyTest, NumberSetOfAnotherGameOpensInItsGame)
{
    const QString nev = dir_.filePath("hatos.tip");
    szamsorAllomany(nev, 1, {1, 2, 3, 4, 5, 6, 7});
    ablak();
    kvx::settings().UzenetekLog.fill(0);  // no once-only tips
    ASSERT_EQ(kvx::game().LottoIndex, 0);
    dialogusKitoltese(nev);
    kvx::teszt::Valaszolo v({QStringLiteral("OK")});
    a(kvx::ParancsId::Megnyits1)->trigger();
    // The user is told which game the file belongs to (the file dialog is
    // the other modal window seen).
    QStringList uzenetek;
    for (const kvx::teszt::LatottDoboz& d : v.Latott)
        if (!d.Szoveg.isEmpty())
            uzenetek << d.Szoveg;
    ASSERT_EQ(uzenetek.size(), 1) << uzenetek.join('|').toStdString();
    EXPECT_TRUE(uzenetek[0].contains(QStringLiteral("Nem az aktuális játékhoz tartozó állomány.")))
        << uzenetek[0].toStdString();
    EXPECT_EQ(kvx::game().LottoIndex, 1);
    EXPECT_EQ(window_->windowTitle().toStdString(), "Kavarex Personal  -  Magyar 6/45");
    EXPECT_EQ(kvx::szamListak().KijeloltSzamok, (kvx::TTombByte1D{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(a(kvx::ParancsId::Ments3)->isEnabled());
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();
}

TEST_F(SzamsorAllomanyTest, DamagedNumberSetOnTheCommandLineLeavesStartUpGoing)
{
    ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());

    const QString nev = dir_.filePath("rossz.tip");
    szamsorAllomany(nev, 0, {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(QFile::resize(nev, 150));
    ablak({nev});
    ASSERT_EQ(hibak_.size(), 1);
    EXPECT_TRUE(hibak_[0].contains(QStringLiteral("Érvénytelen méretű állomány."))) << hibak_[0].toStdString();
    EXPECT_EQ(kvx::game().LottoIndex, 0);
    EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 0);
    EXPECT_TRUE(window_->ParancssoriAllomany().isEmpty());
    // Start-up went on: the draws database is there.
    EXPECT_TRUE(kvx::draws().AdatbazisBetoltve);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 3);
}

}  // namespace
