// The main ticket's number commands without the main window: the clearing
// commands ask, keep the backup and hand the variation what goes with the
// numbers in their order (through the hooks and szamokTorlesJovahagyva),
// and the number order items show the mode.
#include "tickets/ui/szamsor_parancsok.h"

#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/number_lists.h"
#include "tickets/ticket_layout.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "tickets/ui/szelvenyek.h"

#include "../../app/ui/harom_huzas.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace kvx;

class SzamsorParancsokTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tar_ = new ParancsTar(&ablak_);
        // The "Törlés" submenu's action is the shell's, made with its menu.
        auto* torles = new QAction(&ablak_);
        tar_->Felvesz(ParancsId::rls3, torles);
        JatekParameterek(game());
        ListakInicializalasa(szamListak(), game(), mainState());
        SzamsorParancsok::Horgok& h = sp().H;
        program_.Kerdes = [this](const QString&) {
            lepesek_.push_back("kerdes");
            return igen_;
        };
        h.BackMentese = [this] {
            lepesek_.push_back("back");
            return true;
        };
        h.VariacioFut = [this] { return fut_; };
        h.BovitesTorlesEng = [this] {
            lepesek_.push_back("bovitesKerdes");
            return true;
        };
        // What the variation would tell: its lines and conditions, its
        // extension.
        h.Tartalom = [this] { return tartalom_; };
        program_.Szelveny().BovitesLekerdezes = [this] { return bovites_; };
        QObject::connect(&sp(), &SzamsorParancsok::szamokTorlesJovahagyva, &ablak_, [this](SzamTorlesMod m) {
            lepesek_.push_back(m == SzamTorlesMod::Torles ? "torles" : "uresSzelveny");
        });
        QObject::connect(&program_.Szelveny(), &SzelvenyVezerlo::kijelzesKerve, &ablak_,
                         [this] { lepesek_.push_back("rajz"); });
        sp().ParancsokBekotese(&ablak_);
        sp().KijelolesMenuFrissites();
    }

    void TearDown() override { SzelvenyekLebontasa(); }

    SzamsorParancsok& sp() { return program_.SzamsorParancsai(); }
    // Every number selected, as "Kijelölés mind" leaves the ticket, unsaved.
    void mindKijelolve()
    {
        Parancs(ParancsId::Kijellmind1)->trigger();
        mainState().Mentve = false;
        lepesek_.clear();
    }

    Program program_;
    QMainWindow ablak_;
    ParancsTar* tar_ = nullptr;
    std::vector<std::string> lepesek_;
    bool igen_ = true;
    bool fut_ = false;
    SzamsorParancsok::TorlesTartalom tartalom_;
    BovitesAllapot bovites_;
};

TEST_F(SzamsorParancsokTest, ClearingAsksKeepsTheBackupThenDropsTheLinesAndConditions)
{
    mindKijelolve();
    ASSERT_EQ(szamListak().KijeloltSzamDb(), game().OsszesSzam);
    EXPECT_TRUE(Parancs(ParancsId::Mind1)->isEnabled());
    tartalom_ = {true, true};

    igen_ = false;
    Parancs(ParancsId::Mind1)->trigger();
    EXPECT_EQ(lepesek_, (std::vector<std::string>{"kerdes"}));
    EXPECT_EQ(szamListak().KijeloltSzamDb(), game().OsszesSzam);

    igen_ = true;
    lepesek_.clear();
    Parancs(ParancsId::Mind1)->trigger();
    EXPECT_EQ(lepesek_, (std::vector<std::string>{"kerdes", "back", "torles", "rajz"}));
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);
    // With nothing left to clear, the clearing commands switch off.
    EXPECT_FALSE(Parancs(ParancsId::Mind1)->isEnabled());
    EXPECT_FALSE(Parancs(ParancsId::Bontsszmai1)->isEnabled());
    EXPECT_TRUE(Parancs(ParancsId::Kijellmind1)->isEnabled());
}

// While an internet action holds the connection window, a clear goes on at
// once: no question and no backup; once it has ended the question is back.
TEST_F(SzamsorParancsokTest, WhileAnInternetActionRunsTheClearIsAgreedAtOnce)
{
    mindKijelolve();
    tartalom_ = {true, true};
    igen_ = false;
    InternetVezerlo& iv = program_.InternetV();
    iv.Proba = [](const QUrl&) { return true; };
    bool futott = false;
    QObject::connect(&iv, &InternetVezerlo::ablakNyitas, &ablak_, [&] {
        futott = iv.Fut();
        Parancs(ParancsId::Mind1)->trigger();
    });
    ASSERT_TRUE(iv.ProbaAblakkal(QUrl(QStringLiteral("http://127.0.0.1:9/"))));
    ASSERT_TRUE(futott);
    EXPECT_EQ(lepesek_, (std::vector<std::string>{"torles", "rajz"}));
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);

    mindKijelolve();
    EXPECT_FALSE(iv.Fut());
    EXPECT_FALSE(sp().TorlesJovahagyas(0));
    EXPECT_EQ(lepesek_, (std::vector<std::string>{"kerdes"}));
}

TEST_F(SzamsorParancsokTest, ARunningVariationKeepsTheNumbersWithoutAQuestion)
{
    mindKijelolve();
    fut_ = true;
    ASSERT_TRUE(Parancs(ParancsId::Bontsszmai1)->isEnabled());
    Parancs(ParancsId::Bontsszmai1)->trigger();
    sp().MindenSzamTorlese();
    EXPECT_TRUE(lepesek_.empty());
    EXPECT_EQ(szamListak().KijeloltSzamDb(), game().OsszesSzam);
}

TEST_F(SzamsorParancsokTest, InExtensionModeTheUsersClearKeepsTheLinesAndAnEmptyTicketEndsTheExtension)
{
    mindKijelolve();
    bovites_.BontasBovites = true;
    tartalom_.VanVariacio = true;
    sp().Mind1Click();
    EXPECT_EQ(lepesek_, (std::vector<std::string>{"bovitesKerdes", "rajz"}));
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);

    bovites_.BontasBovites = false;
    mindKijelolve();
    bovites_.BontasBovites = true;
    sp().MindenSzamTorlese();
    EXPECT_EQ(lepesek_, (std::vector<std::string>{"kerdes", "back", "uresSzelveny", "rajz"}));
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);
}

// The main ticket's "Hányszor húzták" view counts over the draws as they are
// now before anything made after the number commands (every window) hears
// that the draws changed: the view's listener is the draws controller's
// first.
TEST_F(SzamsorParancsokTest, TheTicketsDrawViewCountsNewDrawsBeforeTheWindowsHearOfThem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SzelvIniAlap(settings(), game(), mainState(), 13);
    SzelvenyekLetrehozasa(&ablak_);
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    HuzasokVezerlo& h = program_.HuzasokV();
    // One draw: 2, 11, 21, 31, 41; number 3 comes with the second draw.
    const std::string ut = teszt::haromHuzasAdatbazis(dir.path(), 1);
    ASSERT_TRUE(h.HuzasokBetoltese(ut, {}).sikeres());
    Parancs(ParancsId::Hnyszorhztk1)->trigger();
    const QLabel* harmas = fo->SzamPanelek[2];
    ASSERT_EQ(harmas->text(), QStringLiteral("-"));

    QString latott;
    QObject::connect(&h, &HuzasokVezerlo::valtozott, &ablak_, [&latott, harmas] { latott = harmas->text(); });
    ASSERT_EQ(teszt::haromHuzasAdatbazis(dir.path(), 3), ut);
    ASSERT_TRUE(h.HuzasokBetoltese(ut, {}).sikeres());
    EXPECT_EQ(harmas->text(), QStringLiteral("1"));
    EXPECT_EQ(latott, QStringLiteral("1"));
}

TEST_F(SzamsorParancsokTest, TheNumberOrderItemShowsTheModeChosen)
{
    std::vector<QAction*> sorrend;
    for (const FomenuPont& p : FomenuPontok())
        if (p.Fajta == PontFajta::Valaszto)
            sorrend.push_back(Parancs(p.Id));
    ASSERT_GE(sorrend.size(), 2u);
    for (QAction* a : sorrend) {
        const int mod = a->data().toInt();
        a->trigger();
        EXPECT_EQ(settings().SzamsorrendMod, mod) << a->objectName().toStdString();
        for (QAction* b : sorrend)
            EXPECT_EQ(b->isChecked(), b == a) << b->objectName().toStdString();
    }
}

}  // namespace
