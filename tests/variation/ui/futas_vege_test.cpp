// The run window's end buttons: each closes the window, and the variation's
// commands carry out what the button names, step by step in a fixed order,
// on the lines the run has just stored.
#include "app/ui/program.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_ablakok.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "tickets/number_lists.h"
#include "variation/ui/bontellszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/variacio_vezerlo.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

class FutasVegeTest : public kvx::teszt::FutasAblakokAlap {
protected:
    void SetUp() override
    {
        FutasAblakokAlap::SetUp();
        // The end buttons' questions are part of what is tested here.
        settings().JovahagyasVariacio = true;
        szelvenyek().Uzenet = [](QWidget*, const QString&, SzelvenyUzenetFajta) {};
        tizenketSzam();
    }

    // Twelve numbers of 5/90 wheeled with one error point; the run window
    // stays open on its end report.
    void futas()
    {
        futtatas();
        ASSERT_TRUE(ablakok_->Bontas->isVisible());
    }

};

TEST_F(FutasVegeTest, EndButtonsFollowTheMenuAndHandTheirActionToTheMainWindow)
{
    enum class Kovetkezmeny { Ellenorzes, Torolve, Megmaradt, Info };
    struct Eset {
        const char* gomb;
        QStringList valaszok;  // the boxes' answers
        Kovetkezmeny vart;
    };
    const Eset esetek[] = {
        {"EllenorzesGomb", {}, Kovetkezmeny::Ellenorzes},
        {"ModositGomb", {QStringLiteral("Igen")}, Kovetkezmeny::Torolve},
        {"ModositGomb", {QStringLiteral("Nem")}, Kovetkezmeny::Megmaradt},
        {"InfoGomb", {}, Kovetkezmeny::Info},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(testing::Message() << e.gomb << " " << e.valaszok.join(',').toStdString());
        VariacioVezerlo& vv = kvx::Program::aktualis().Variacio();
        if (variationStore().BontMatrixMeret > 0)
            vv.BontasTorlese(false);
        for (QWidget* w : {static_cast<QWidget*>(ablakok_->Feltetelek.data()), static_cast<QWidget*>(ablakok_->Info.data()),
                           static_cast<QWidget*>(szelvenyek().BontEllSzelveny)})
            if (w)
                w->hide();
        futas();
        TBontas* b = ablakok_->Bontas;
        const std::int32_t db = variationStore().BontSzelvszam;
        // The three buttons carry the hints of the commands they stand for.
        for (const auto& [gomb, menu] : {std::pair<QPushButton*, kvx::ParancsId>{b->EllenorzesGomb, ParancsId::Ellenrzs1},
                                         std::pair<QPushButton*, kvx::ParancsId>{b->ModositGomb, ParancsId::Mdosts1},
                                         std::pair<QPushButton*, kvx::ParancsId>{b->InfoGomb, ParancsId::InfoGomb}}) {
            EXPECT_TRUE(gomb->isEnabled()) << menu;
            EXPECT_EQ(gomb->toolTip(), a(menu)->toolTip()) << menu;
        }

        if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
            b->grab().save(QDir(d).filePath(QStringLiteral("futas_vege.png")));
        Valaszolo v(e.valaszok);
        QTest::mouseClick(b->findChild<QPushButton*>(QString::fromUtf8(e.gomb)), Qt::LeftButton);
        EXPECT_FALSE(b->isVisible());
        TBontEllSzelveny* ell = szelvenyek().BontEllSzelveny;
        switch (e.vart) {
        case Kovetkezmeny::Ellenorzes:
            ASSERT_NE(ell, nullptr);
            EXPECT_TRUE(ell->isVisible());
            EXPECT_EQ(variationStore().BontSzelvszam, db);
            break;
        case Kovetkezmeny::Torolve:
        case Kovetkezmeny::Megmaradt:
            ASSERT_EQ(v.Latott.size(), 1);
            EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("Biztos törli a variáció listáját?")));
            EXPECT_EQ(variationStore().BontSzelvszam, e.vart == Kovetkezmeny::Torolve ? 0 : db);
            // The conditions open for the next run either way.
            EXPECT_TRUE(ablakok_->Feltetelek->isVisible());
            EXPECT_FALSE(bontasEgyseg().BontasBovites);
            break;
        case Kovetkezmeny::Info:
            EXPECT_TRUE(ablakok_->Info->isVisible());
            EXPECT_EQ(variationStore().BontSzelvszam, db);
            break;
        }
    }
}

// An extension's lines are not deleted by Módosítás: the conditions open
// for the numbers or settings to change, and the list shows the lines.
TEST_F(FutasVegeTest, ModositasKeepsAnExtensionsLines)
{
    futas();
    const std::int32_t db = variationStore().BontSzelvszam;
    program_.Variacio().Import_log_true();
    ASSERT_TRUE(bontasEgyseg().BontasBovites);
    TBontas* b = ablakok_->Bontas;
    b->VanNincsBontas(true);
    ASSERT_TRUE(b->ModositGomb->isEnabled());
    EXPECT_EQ(b->ModositGomb->toolTip(), QStringLiteral(" Feltételek, hibapont módosítása "));
    Valaszolo v(QStringList{});
    QTest::mouseClick(b->ModositGomb, Qt::LeftButton);
    EXPECT_TRUE(v.Latott.isEmpty());
    EXPECT_EQ(variationStore().BontSzelvszam, db);
    EXPECT_TRUE(ablakok_->Feltetelek->isVisible());
    EXPECT_TRUE(ablakok_->BontLista->isVisible());
}

// What follows a run is a fixed order of steps for each button of the run
// window: a step moved before another changes what the user
// sees first (the list over the conditions, the commands' states before
// the diagram, the deletion before the conditions open).
TEST_F(FutasVegeTest, EachEndButtonAnnouncesItsFollowUpStepsInOrder)
{
    futas();
    ablakok_->Bontas->hide();
    const std::int32_t db = variationStore().BontSzelvszam;
    VariacioParancsok& vp = program_.VariacioParancsai();
    VariacioVezerlo& vv = program_.Variacio();
    // Only the recorder listens: the steps are announced, not carried out.
    QObject::disconnect(&vp, &VariacioParancsok::futasUtan, nullptr, nullptr);
    std::vector<FutasUtaniLepes> lepesek;
    QObject::connect(&vp, &VariacioParancsok::futasUtan, &vp,
                     [&lepesek](FutasUtaniLepes l) { lepesek.push_back(l); });
    using L = FutasUtaniLepes;
    using G = BontasGomb;
    struct Eset {
        G gomb;
        bool bovites;  // the lines are an extension
        std::vector<L> vart;
    };
    const Eset esetek[] = {
        {G::Nincs, false, {L::ParancsAllapot}},
        {G::Ellenorzes, false, {L::Ellenorzes, L::ParancsAllapot}},
        {G::Lista, false, {L::Listazas, L::ParancsAllapot}},
        {G::Mentes, false, {L::Mentes, L::ParancsAllapot}},
        {G::Modositas, false, {L::Modositas, L::ParancsAllapot}},
        {G::Modositas, true, {L::Modositas, L::Listazas, L::ParancsAllapot}},
        {G::Teszt, false, {L::Teszt, L::ParancsAllapot}},
        {G::Torles, false, {L::Torles, L::FeltetelekMegnyitasa, L::ParancsAllapot}},
        {G::Megszakitas, false, {L::Modositas, L::PauseTorles, L::ParancsAllapot}},
        {G::Megszakitas, true, {L::Modositas, L::Listazas, L::PauseTorles, L::ParancsAllapot}},
        {G::Bovites, false, {L::Bovites, L::Listazas, L::FeltetelekMegnyitasa, L::ParancsAllapot}},
        {G::Info, false, {L::Informacio, L::ParancsAllapot}},
        {G::Statisztika, false, {L::ParancsAllapot, L::Diagram}},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(testing::Message() << e.gomb << (e.bovites ? " extension" : ""));
        if (e.bovites)
            vv.Import_log_true();
        else
            vv.Import_log_false();
        lepesek.clear();
        vv.BontasAblakBezarva(e.gomb);
        EXPECT_EQ(lepesek, e.vart);
        // A finished run keeps its lines whatever follows.
        EXPECT_EQ(variationStore().BontSzelvszam, db);
    }
    // Without lines every button only sets the commands and opens the
    // conditions for a new run.
    vv.Import_log_false();
    vv.BontasTorlese(false);
    ASSERT_EQ(variationStore().BontSzelvszam, 0);
    for (G gomb : {G::Ellenorzes, G::Torles, G::Statisztika}) {
        SCOPED_TRACE(gomb);
        lepesek.clear();
        vv.BontasAblakBezarva(gomb);
        EXPECT_EQ(lepesek, (std::vector<L>{L::ParancsAllapot, L::FeltetelekMegnyitasa}));
    }
}

// A failing order test names the steps, the buttons and the commands, not
// their numbers.
TEST(FutasVegeNevek, StepsAndCommandsPrintByName)
{
    using L = FutasUtaniLepes;
    EXPECT_EQ(testing::PrintToString(std::vector<L>{L::Torles, L::FeltetelekMegnyitasa, L::ParancsAllapot}),
              "{ Torles, FeltetelekMegnyitasa, ParancsAllapot }");
    // Every step has its own name.
    std::vector<std::string> nevek;
    for (int i = 0; i <= static_cast<int>(L::Diagram); ++i)
        nevek.push_back(testing::PrintToString(static_cast<L>(i)));
    EXPECT_EQ(nevek.back(), "Diagram");
    std::sort(nevek.begin(), nevek.end());
    EXPECT_EQ(std::adjacent_find(nevek.begin(), nevek.end()), nevek.end());
    for (const std::string& n : nevek)
        EXPECT_EQ(n.find("FutasUtaniLepes("), std::string::npos) << n;

    // So has every button of the run window, in the order of their codes.
    std::vector<std::string> gombok;
    for (int i = 0; i <= static_cast<int>(BontasGomb::Statisztika); ++i)
        gombok.push_back(testing::PrintToString(static_cast<BontasGomb>(i)));
    EXPECT_EQ(gombok.front(), "Nincs");
    EXPECT_EQ(gombok[static_cast<std::size_t>(BontasGomb::Megszakitas)], "Megszakitas");
    EXPECT_EQ(gombok.back(), "Statisztika");
    std::sort(gombok.begin(), gombok.end());
    EXPECT_EQ(std::adjacent_find(gombok.begin(), gombok.end()), gombok.end());
    for (const std::string& n : gombok)
        EXPECT_EQ(n.find("BontasGomb("), std::string::npos) << n;

    EXPECT_EQ(testing::PrintToString(std::vector<ParancsId>{ParancsId::Listzs1, ParancsId::Start1}), "{ Listzs1, Start1 }");
    EXPECT_EQ(testing::PrintToString(std::vector<ParancsKulcs>{ParancsId::Start1, VariacioGomb::BontasInfoGomb}),
              "{ Start1, BontasInfoGomb }");
}

}  // namespace

// "Ellenőrzés" with Shift+Ctrl held starts the check on a random line of the
// selection: five of the selected numbers are marked and checked at once.
TEST_F(FutasVegeTest, EllenorzesWithShiftCtrlChecksARandomLineOfTheSelection)
{
    futas();
    ablakok_->Bontas->hide();
    mainState().BillentyuMod = 200;
    program_.VariacioParancsai().Ellenorzes();
    mainState().BillentyuMod = 0;
    TBontEllSzelveny* ell = szelvenyek().BontEllSzelveny;
    ASSERT_NE(ell, nullptr);
    ASSERT_TRUE(ell->isVisible());
    const TTombByte1D jelek = ell->Jelolesek.Jeloltek;
    ASSERT_EQ(jelek.size(), 5u);
    const std::vector<int> kijelolt{3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88};
    for (auto n : jelek)
        EXPECT_NE(std::find(kijelolt.begin(), kijelolt.end(), int(n)), kijelolt.end()) << int(n);
    // The controller checked these very marks.
    EXPECT_EQ(program_.Variacio().EllenorzoJelek().Jeloltek, jelek);
    EXPECT_FALSE(program_.Variacio().BontEllTalalatok().empty());
}
