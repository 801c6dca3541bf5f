// The command registry: the actions made from the command table, found by
// id, and the handlers the subsystems hang on them.
#include "app/ui/parancs_tar.h"

#include "app/main_menu.h"
#include "app/ui/program.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using kvx::ParancsTar;

TEST(ParancsTarTest, EveryCommandOfTheTableHasOneActionAsTheTableDescribesIt)
{
    kvx::Program program;
    QMainWindow ablak;
    auto* tar = new ParancsTar(&ablak);
    EXPECT_EQ(ParancsTar::aktualis(), tar);
    for (const kvx::FomenuPont& p : kvx::FomenuPontok()) {
        if (p.Fajta == kvx::PontFajta::Elvalaszto || p.Fajta == kvx::PontFajta::Almenu) {
            if (p.Id != kvx::ParancsId::Nincs) {
                EXPECT_EQ(tar->Keres(p.Id), nullptr) << p.Nev();  // the shell's submenus
            }
            continue;
        }
        QAction* a = (*tar)[p.Id];
        SCOPED_TRACE(p.Nev());
        EXPECT_EQ(a->objectName(), QString::fromUtf8(p.Nev()));
        EXPECT_EQ(a->text(), QString::fromUtf8(p.Felirat));
        EXPECT_EQ(a->isEnabled(), p.Kesz);
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(p.Kesz ? p.Tipp : kvx::kNemElerheto));
        EXPECT_EQ(a->statusTip(), a->toolTip());
        EXPECT_EQ(a->shortcut().toString(), QString::fromUtf8(p.Gyorsbillentyu));
        EXPECT_EQ(a->data().toInt(), p.Tag);
        EXPECT_EQ(a->isCheckable(), p.Fajta == kvx::PontFajta::Valaszto);
        EXPECT_EQ(a->parent(), &ablak);
    }
}

TEST(ParancsTarTest, AMisspeltNameFailsLoudlyAndAnAddedActionIsFound)
{
    kvx::Program program;
    QMainWindow ablak;
    ParancsTar tar(&ablak);
    // A misspelt id does not compile (the parancs_id_elgepeles build test);
    // a name read at run time has no id, and no row's id has no action.
    EXPECT_EQ(kvx::ParancsIdNevbol("Start"), std::nullopt);
    EXPECT_EQ(kvx::ParancsIdNevbol(kvx::ParancsNev(kvx::ParancsId::Start1)), kvx::ParancsId::Start1);
    EXPECT_THROW(tar[kvx::ParancsId::Nincs], std::logic_error);
    EXPECT_THROW(kvx::Parancs(kvx::ParancsId::Nincs), std::logic_error);
    EXPECT_EQ(tar.Keres(kvx::ParancsId::Nincs), nullptr);
    EXPECT_EQ(kvx::Parancs(kvx::ParancsId::Start1), tar[kvx::ParancsId::Start1]);

    auto* gomb = new QAction(QStringLiteral("Statisztika"), &ablak);
    tar.Felvesz(kvx::ParancsId::StatisztikaGomb, gomb);
    EXPECT_EQ(tar[kvx::ParancsId::StatisztikaGomb], gomb);
    EXPECT_EQ(gomb->objectName(), QString::fromUtf8(kvx::ParancsNev(kvx::ParancsId::StatisztikaGomb)));
    EXPECT_THROW(tar.Felvesz(kvx::ParancsId::Nincs, new QAction(&ablak)), std::logic_error);

    tar.Engedelyez(kvx::ParancsId::Start1, false);
    EXPECT_FALSE(tar.Engedelyezett(kvx::ParancsId::Start1));
    EXPECT_FALSE(tar[kvx::ParancsId::Start1]->isEnabled());
}

TEST(ParancsTarTest, AHandlerRunsOnTheCommandUntilItsOwnerGoes)
{
    kvx::Program program;
    QMainWindow ablak;
    ParancsTar tar(&ablak);
    int hivasok = 0;
    auto gazda = std::make_unique<QObject>();
    QAction* a = tar.Kezelo(kvx::ParancsId::Kijellmind1, gazda.get(), [&hivasok] { ++hivasok; });
    a->trigger();
    EXPECT_EQ(hivasok, 1);
    gazda.reset();
    a->trigger();
    EXPECT_EQ(hivasok, 1);
}

// A step another subsystem's rule asks for runs the command's handler even
// while the user cannot choose it; the command's state stays as it was.
TEST(ParancsTarTest, ARequestedStepRunsTheHandlerWhateverTheCommandsState)
{
    kvx::Program program;
    QMainWindow ablak;
    ParancsTar tar(&ablak);
    int hivasok = 0;
    auto gazda = std::make_unique<QObject>();
    QAction* a = tar.Kezelo(kvx::ParancsId::Start1, gazda.get(), [&hivasok] { ++hivasok; });
    tar.Engedelyez(kvx::ParancsId::Start1, false);
    a->trigger();
    EXPECT_EQ(hivasok, 0);
    tar.Vegrehajtas(kvx::ParancsId::Start1);
    EXPECT_EQ(hivasok, 1);
    EXPECT_FALSE(a->isEnabled());
    tar.Engedelyez(kvx::ParancsId::Start1, true);
    tar.Vegrehajtas(kvx::ParancsId::Start1);
    EXPECT_EQ(hivasok, 2);
    gazda.reset();
    tar.Vegrehajtas(kvx::ParancsId::Start1);
    EXPECT_EQ(hivasok, 2);

    // A radio item's handler hears its current check state, which stays.
    std::vector<bool> allapotok;
    QAction* r = tar.Kezelo(kvx::ParancsId::Nvekv1, &ablak, [&allapotok](bool be) { allapotok.push_back(be); });
    ASSERT_TRUE(r->isCheckable());
    tar.Vegrehajtas(kvx::ParancsId::Nvekv1);
    r->setChecked(true);
    tar.Vegrehajtas(kvx::ParancsId::Nvekv1);
    EXPECT_EQ(allapotok, (std::vector<bool>{false, true}));
    EXPECT_TRUE(r->isChecked());

    EXPECT_THROW(tar.Vegrehajtas(kvx::ParancsId::Nincs), std::logic_error);
}

// A command can be chosen while it is on and so is each of its toolbar
// buttons; a button is off while its toolbar or its window is.
TEST(ParancsTarTest, ACommandIsAvailableWhileItAndItsToolbarButtonsAreOn)
{
    kvx::Program program;
    EXPECT_FALSE(kvx::ParancsElerheto(kvx::ParancsId::Start1));  // no registry yet
    QMainWindow ablak;
    ParancsTar tar(&ablak);
    QToolBar* sav = ablak.addToolBar(QStringLiteral("Eszköztár"));
    sav->addAction(tar[kvx::ParancsId::Start1]);
    ASSERT_NE(sav->widgetForAction(tar[kvx::ParancsId::Start1]), nullptr);

    EXPECT_TRUE(kvx::ParancsElerheto(kvx::ParancsId::Start1));
    EXPECT_TRUE(kvx::ParancsElerheto(kvx::ParancsId::Kilps1));  // menu only
    sav->setEnabled(false);
    EXPECT_FALSE(kvx::ParancsElerheto(kvx::ParancsId::Start1));
    EXPECT_TRUE(kvx::ParancsElerheto(kvx::ParancsId::Kilps1));
    sav->setEnabled(true);
    ablak.setEnabled(false);
    EXPECT_FALSE(kvx::ParancsElerheto(kvx::ParancsId::Start1));
    ablak.setEnabled(true);
    EXPECT_TRUE(kvx::ParancsElerheto(kvx::ParancsId::Start1));
    tar.Engedelyez(kvx::ParancsId::Start1, false);
    EXPECT_FALSE(kvx::ParancsElerheto(kvx::ParancsId::Start1));
    // A command not built yet, and a toolbar button the shell has not added.
    EXPECT_FALSE(kvx::ParancsElerheto(kvx::ParancsId::Listzs2));
    EXPECT_FALSE(kvx::ParancsElerheto(kvx::ParancsId::StatisztikaGomb));
}

TEST(ParancsTarTest, TheRegistryBelongsToItsProgram)
{
    kvx::Program elso;
    auto ablak = std::make_unique<QMainWindow>();
    auto* tar = new ParancsTar(ablak.get());
    {
        kvx::Program masodik;
        EXPECT_EQ(ParancsTar::aktualis(), nullptr);
        EXPECT_THROW(kvx::Parancs(kvx::ParancsId::Start1), std::logic_error);
    }
    EXPECT_EQ(ParancsTar::aktualis(), tar);
    ablak.reset();
    EXPECT_EQ(ParancsTar::aktualis(), nullptr);
}

}  // namespace
