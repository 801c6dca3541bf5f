// The draws controller between the windows: a draw entered in the entry
// window reaches the draws list through the controller alone (only those two
// windows are built), and unsaved edits offered for saving at a game change
// go to the old game's file.
#include "app/folders.h"
#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "conditions/number_set_file.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/allomany_parancsok.h"

#include "../../app/ui/harom_huzas.h"
#include "../../app/ui/valaszolo.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QDir>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The draws list and the entry window of game 0 over three draws, and
// nothing else of the program.
class HuzasokVezerloTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const std::string adatbazis = kvx::teszt::haromHuzasAdatbazis(dir_.path());
        ASSERT_FALSE(adatbazis.empty());
        kvx::game().LottoIndex = 0;
        kvx::JatekParameterek(kvx::game());
        kvx::uzenetBeallitasok().Inform = false;
        kvx::settings().UzenetekLog.fill(0);
        ASSERT_TRUE(vezerlo().HuzasokBetoltese(adatbazis, {}).sikeres());
        lista_ = std::make_unique<THuzLista>(vezerlo());
        be_ = std::make_unique<THuzBe>(vezerlo());
        lista_->Start();
        ASSERT_TRUE(lista_->isVisible());
    }

    HuzasokVezerlo& vezerlo() { return program_.HuzasokV(); }
    QString cella(int sor, int oszlop)
    {
        return lista_->Model()->data(lista_->Model()->index(sor, oszlop)).toString();
    }

    QTemporaryDir dir_;
    std::unique_ptr<THuzLista> lista_;
    std::unique_ptr<THuzBe> be_;
};

TEST_F(HuzasokVezerloTest, DrawEnteredInTheEntryWindowGrowsTheList)
{
    lista_->BovitesGomb->trigger();
    // The controller opened the entry; the list rests meanwhile.
    ASSERT_TRUE(be_->isVisible());
    EXPECT_TRUE(vezerlo().BevitelFolyamatban());
    EXPECT_FALSE(lista_->HuzTabla->isEnabled());
    EXPECT_EQ(lista_->Model()->rowCount(), 4);
    // What the entry ticket sends: the numbers show in the entry's grid.
    for (int n : {45, 5, 25, 15, 35})
        vezerlo().HuzBeSzamBevitel(n, 0);
    EXPECT_EQ(be_->Szamsor1Lista->item(0, 0)->text(), QStringLiteral("5"));
    EXPECT_EQ(be_->Szamsor1Lista->item(0, 4)->text(), QStringLiteral("45"));
    ASSERT_TRUE(be_->RendbenGomb->isEnabled());
    QTest::mouseClick(be_->RendbenGomb, Qt::LeftButton);

    EXPECT_FALSE(be_->isVisible());
    EXPECT_FALSE(vezerlo().BevitelFolyamatban());
    EXPECT_TRUE(lista_->HuzTabla->isEnabled());
    ASSERT_EQ(lista_->Model()->rowCount(), 4);
    EXPECT_EQ(cella(3, 0), QStringLiteral("4."));
    EXPECT_EQ(cella(3, 3), QStringLiteral("5"));
    EXPECT_EQ(cella(3, 7), QStringLiteral("45"));
    EXPECT_EQ(kvx::huzLista().KivRekord, 4);
    EXPECT_TRUE(lista_->MentesGomb->isEnabled());
    EXPECT_TRUE(lista_->VisszaGomb->isEnabled());

    // A cancelled entry takes its empty row away again and changes nothing.
    lista_->BovitesGomb->trigger();
    ASSERT_TRUE(be_->isVisible());
    EXPECT_EQ(lista_->Model()->rowCount(), 5);
    QTest::mouseClick(be_->MegseGomb, Qt::LeftButton);
    EXPECT_FALSE(be_->isVisible());
    EXPECT_EQ(lista_->Model()->rowCount(), 4);
    EXPECT_EQ(cella(3, 7), QStringLiteral("45"));
}

// Saving from the list goes through the controller to the file the table
// came from; a failed save is refused with the file error and keeps the
// edit savable.
TEST_F(HuzasokVezerloTest, SaveWritesTheLoadedFileAndEndsTheUndoHistory)
{
    const std::string allomany = vezerlo().BetoltottAllomany();
    lista_->EloreGombClick();
    lista_->TorlesGomb->trigger();
    ASSERT_EQ(lista_->Model()->rowCount(), 2);
    ASSERT_TRUE(lista_->MentesGomb->isEnabled());
    lista_->MentesGomb->trigger();
    std::vector<std::uint8_t> adat;
    ASSERT_TRUE(kvx::readWholeFile(allomany, adat));
    EXPECT_EQ(adat.size(), 16u + 2 * 28u);
    EXPECT_FALSE(lista_->MentesGomb->isEnabled());
    EXPECT_FALSE(lista_->VisszaGomb->isEnabled());
    EXPECT_FALSE(kvx::huzLista().HuzasokModositva);
}

// The whole program: a game change offers the unsaved draws of the old game
// for saving. They are written to the old game's file with the old game's
// header; the new game's database is not touched and is loaded as it was.
class JatekValtasMentesTest : public ::testing::Test {
protected:
    kvx::Program program_;
};

TEST_F(JatekValtasMentesTest, UnsavedDrawsAreSavedToTheOldGamesFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string regi = kvx::teszt::haromHuzasAdatbazis(dir.path());
    ASSERT_FALSE(regi.empty());
    kvx::GameParams g1;
    g1.LottoIndex = 1;
    kvx::JatekParameterek(g1);
    kvx::TTombInt2D sorok;
    for (int i = 1; i <= 5; ++i) {
        kvx::TTombInt1D sor{i, 2021, i, i, 6 + i, 12 + i, 18 + i, 24 + i, 30 + i};
        sor.resize(static_cast<std::size_t>(g1.HuzottSzamok + 3), 0);
        sorok.push_back(sor);
    }
    const std::string uj = QDir(dir.path()).filePath(QStringLiteral("Dat/")).toStdString() + kvx::AdatbazisAllomany[1];
    const std::vector<std::uint8_t> ujKep = kvx::AdatbazisKep(sorok, g1, kvx::HuzasIroVerzio());
    ASSERT_TRUE(kvx::writeFileAtomic(uj, ujKep));

    auto window = std::make_unique<TFoablak>(dir.filePath("kavarex"));
    kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
    kvx::Program::aktualis().HibaUzenet = [](const QString&) {};
    FormokLetrehozasa(*window);
    kvx::uzenetBeallitasok().Inform = false;
    kvx::settings().UzenetekLog.fill(0);
    ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
    THuzLista* lista = formok().HuzLista;
    window->Akcio(kvx::ParancsId::Listzs3)->trigger();
    lista->EloreGombClick();
    lista->TorlesGomb->trigger();
    ASSERT_EQ(kvx::draws().HuzasokSzama, 2);

    {
        // "OK" closes any box a damaged file would bring, so that a fault fails
        // the checks below rather than waiting.
        kvx::teszt::Valaszolo v({QStringLiteral("Igen"), QStringLiteral("OK"), QStringLiteral("OK")});
        window->LottoSelect(1);
        ASSERT_FALSE(v.Latott.isEmpty());
        EXPECT_EQ(v.Latott.size(), 1);  // the save question only
        EXPECT_TRUE(v.Latott.front().Szoveg.contains(QString::fromUtf8(kvx::JatekNev[0])));
    }
    EXPECT_EQ(kvx::game().LottoIndex, 1);
    EXPECT_FALSE(lista->isVisible());

    std::vector<std::uint8_t> adat;
    ASSERT_TRUE(kvx::readWholeFile(regi, adat));
    ASSERT_EQ(adat.size(), 16u + 2 * 28u);
    kvx::BetoltottAdatbazis b;
    kvx::GameParams g0;
    g0.LottoIndex = 0;
    kvx::JatekParameterek(g0);
    kvx::BetoltesBeallitasok beall;
    ASSERT_TRUE(kvx::HuzasAdatbazisOlvasas(adat, g0, beall, regi, b).sikeres());
    EXPECT_EQ(b.FajlJatek, 0);
    EXPECT_EQ(b.Tabla.Huzasok[0][3], 3);  // draw 2 moved up

    ASSERT_TRUE(kvx::readWholeFile(uj, adat));
    EXPECT_EQ(adat, ujKep);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 5);
    window.reset();
}

// The main ticket's clearing question offers the unsaved draws for saving;
// a game switch asks it once, declined or not, and a declined save writes
// nothing.
TEST_F(JatekValtasMentesTest, ClearingQuestionOffersTheUnsavedDrawsOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string regi = kvx::teszt::haromHuzasAdatbazis(dir.path());
    ASSERT_FALSE(regi.empty());
    std::vector<std::uint8_t> eredeti;
    ASSERT_TRUE(kvx::readWholeFile(regi, eredeti));
    auto window = std::make_unique<TFoablak>(dir.filePath("kavarex"));
    kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
    kvx::Program::aktualis().HibaUzenet = [](const QString&) {};
    FormokLetrehozasa(*window);
    kvx::uzenetBeallitasok().Inform = false;
    kvx::settings().UzenetekLog.fill(0);
    THuzLista* lista = formok().HuzLista;
    window->Akcio(kvx::ParancsId::Listzs3)->trigger();
    lista->EloreGombClick();
    lista->TorlesGomb->trigger();
    ASSERT_TRUE(kvx::huzLista().HuzasokModositva);

    const auto kerdesek = [](const kvx::teszt::Valaszolo& v) {
        int n = 0;
        for (const kvx::teszt::LatottDoboz& d : v.Latott)
            n += d.Szoveg.startsWith(QStringLiteral("Módosította, de nem mentette:")) ? 1 : 0;
        return n;
    };
    {
        kvx::teszt::Valaszolo v({QStringLiteral("Nem")});
        EXPECT_TRUE(kvx::Program::aktualis().SzamsorParancsai().SzamTorlesJovahagyas(0));
        EXPECT_EQ(kerdesek(v), 1);
    }
    {
        kvx::teszt::Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK"), QStringLiteral("OK")});
        window->LottoSelect(1);
        EXPECT_EQ(kerdesek(v), 1);
    }
    EXPECT_EQ(kvx::game().LottoIndex, 1);
    std::vector<std::uint8_t> adat;
    ASSERT_TRUE(kvx::readWholeFile(regi, adat));
    EXPECT_EQ(adat, eredeti);
    window.reset();
}

// Opening a file of another game clears the ticket (whose question offers
// the unsaved draws) and then switches the game: the draws are offered once,
// and declined they leave the old game's file as it was.
TEST_F(JatekValtasMentesTest, OpeningAFileOfAnotherGameOffersTheUnsavedDrawsOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string regi = kvx::teszt::haromHuzasAdatbazis(dir.path());
    ASSERT_FALSE(regi.empty());
    std::vector<std::uint8_t> eredeti;
    ASSERT_TRUE(kvx::readWholeFile(regi, eredeti));
    // A number set of game 1 (6 of 45).
    kvx::GameParams g1;
    g1.LottoIndex = 1;
    kvx::JatekParameterek(g1);
    kvx::SzamListak l1;
    kvx::MainState ms1;
    kvx::ListakInicializalasa(l1, g1, ms1);
    for (int n : {1, 2, 3, 4, 5, 6, 7})
        kvx::SzamJeloles(l1, g1, ms1, n, kvx::ModKijelolt, false);
    kvx::FeltetelRekordok f1;
    kvx::FeltetelekRekordokReset(f1, g1);
    const std::string tip = dir.filePath(QStringLiteral("g1.tip")).toStdString();
    std::string hiba;
    ASSERT_TRUE(kvx::SzamsorMentese(tip, kvx::SzamsorKepKeszites(l1, g1, f1, 0, {}), hiba)) << hiba;

    auto window = std::make_unique<TFoablak>(dir.filePath("kavarex"));
    kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
    kvx::Program::aktualis().HibaUzenet = [](const QString&) {};
    FormokLetrehozasa(*window);
    kvx::uzenetBeallitasok().Inform = false;
    kvx::settings().UzenetekLog.fill(0);
    THuzLista* lista = formok().HuzLista;
    window->Akcio(kvx::ParancsId::Listzs3)->trigger();
    lista->EloreGombClick();
    lista->TorlesGomb->trigger();
    ASSERT_TRUE(kvx::huzLista().HuzasokModositva);

    // Every question is declined, every notice acknowledged.
    int kerdesek = 0;
    QTimer valaszolo;
    QObject::connect(&valaszolo, &QTimer::timeout, [&kerdesek] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        QString szoveg;
        if (auto* mb = qobject_cast<QMessageBox*>(w))
            szoveg = mb->text();
        else if (auto* l = w->findChild<QLabel*>(QStringLiteral("Message")))
            szoveg = l->text();
        QAbstractButton* nem = nullptr;
        QAbstractButton* ok = nullptr;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->text() == QStringLiteral("Nem"))
                nem = b;
            else if (b->text() == QStringLiteral("OK"))
                ok = b;
        }
        if (!nem && !ok)
            return;
        kerdesek += szoveg.startsWith(QStringLiteral("Módosította, de nem mentette:")) ? 1 : 0;
        (nem ? nem : ok)->click();
    });
    valaszolo.start(10);
    ASSERT_TRUE(kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->SzamsorBetoltese(QString::fromStdString(tip)));
    valaszolo.stop();
    EXPECT_EQ(kvx::game().LottoIndex, 1);
    EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 7);
    EXPECT_EQ(kerdesek, 1);
    std::vector<std::uint8_t> adat;
    ASSERT_TRUE(kvx::readWholeFile(regi, adat));
    EXPECT_EQ(adat, eredeti);
    window.reset();
}

}  // namespace

namespace {

// After a load the hit-ratio ranges cover the new table, unless the
// condition is selected or a variation was made with the ranges set.
TEST_F(HuzasokVezerloTest, ALoadResetsTheHitRatioRangesOnlyWhenNothingDependsOnThem)
{
    struct Eset {
        bool talArAktiv;
        bool variacio;
        bool visszaall;
    };
    // The variation's controller tells the draws what holds on to them.
    program_.Variacio();
    for (const Eset e : {Eset{false, false, true}, Eset{true, false, false}, Eset{false, true, false}}) {
        SCOPED_TRACE(testing::Message() << e.talArAktiv << e.variacio);
        kvx::FeltetelRekordok& f = kvx::feltetelRekordok();
        f.TalalatiAranyFeltetel.ElsoHuzas.fill(2);
        f.TalalatiAranyFeltetel.UtolsoHuzas.fill(2);
        f.TalArAktiv = e.talArAktiv;
        kvx::variationStore().BontMatrixMeret = e.variacio ? 5 : 0;
        ASSERT_TRUE(vezerlo().HuzasokBetoltese(std::string(vezerlo().BetoltottAllomany()), {}).sikeres());
        EXPECT_EQ(f.TalalatiAranyFeltetel.ElsoHuzas[9], e.visszaall ? 1 : 2);
        EXPECT_EQ(f.TalalatiAranyFeltetel.UtolsoHuzas[9], e.visszaall ? 3 : 2);
        EXPECT_EQ(kvx::huzSzama().GetBontSzamsorUtolso(), e.variacio ? 5 : 1);
        kvx::variationStore().BontMatrixMeret = 0;
    }
}

}  // namespace
