// The user's own draws databases in the running program: the commands that
// follow the database's presence, creating an alternative database and
// entering draws into it, saving it as a private database, random draws, and
// a write that fails.
#include "app/folders.h"
#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "app/ui/ablak_elhelyezes.h"
#include "shell/formok.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/talarany_lap.h"
#include "common/binary_io.h"
#include "draws/alternative_databases.h"
#include "draws/database_file.h"
#include "draws/result_parsers.h"
#include "draws/draws_table.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "draws/draw_ranges.h"
#include "tickets/ui/foszelveny.h"
#include "ismetles.h"
#include "draws/ui/velszam.h"
#include "statistics/stat_table.h"
#include "statistics/ui/statisztika.h"
#include "tickets/ui/huzbeszelveny.h"
#include "tickets/ui/huzkeresszelveny.h"
#include "tickets/ui/huzszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/variacio_vezerlo.h"

#include "harom_huzas.h"
#include "http_szerver.h"
#include "valaszolo.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string_view>

namespace {

using kvx::teszt::Valaszolo;

QString tipp(QAction* a)
{
    return a->toolTip();
}

std::vector<std::uint8_t> tartalom(const std::string& utvonal)
{
    std::vector<std::uint8_t> adat;
    kvx::readWholeFile(utvonal, adat);
    return adat;
}

class AdatbazisokTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    void TearDown() override { window_.reset(); }

    // Starts the program in the test folder, with or without the built-in
    // database of game 0.
    void indit(bool beepitett)
    {
        if (beepitett) {
            ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
        }
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        kvx::Program::aktualis().HibaUzenet = [this](const QString& q) { hibak_ << q; };
        alapDialogus_ = kvx::Program::aktualis().AdatbazisParancsai().PrivatAllomanyValasztas;
        kvx::Program::aktualis().AdatbazisParancsai().PrivatAllomanyValasztas = [this](bool) { return privat_; };
        kvx::Program::aktualis().AdatbazisParancsai().VeletlenDarab = [this](int maximum) {
            maximumok_ << maximum;
            return darab_;
        };
        FormokLetrehozasa(*window_);
        kvx::uzenetBeallitasok().Inform = false;
        kvx::uzenetBeallitasok().Jovahagyas = false;
        kvx::settings().UzenetekLog.fill(0);
    }
    QAction* akcio(kvx::ParancsId nev) { return window_->Akcio(nev); }
    std::string alternativ() const { return kvx::folders().DatKonyvtar + kvx::AlternativAllomany[0]; }
    THuzLista* lista() { return formok().HuzLista; }
    TTalalatiAranyLap* talAr() { return formok().Feltetelek->TalArLap; }
    THuzBe* be() { return formok().HuzBe; }
    void kattint(int n)
    {
        THuzBeSzelveny* sz = szelvenyek().HuzBeSzelveny;
        QTest::mouseClick(sz->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton);
    }
    // Appends a draw through the list's append button and the entry ticket.
    void huzasBevitel(std::initializer_list<int> szamok)
    {
        lista()->BovitesGomb->trigger();
        ASSERT_TRUE(be()->isVisible());
        for (int n : szamok)
            kattint(n);
        ASSERT_TRUE(be()->RendbenGomb->isEnabled());
        QTest::mouseClick(be()->RendbenGomb, Qt::LeftButton);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    QStringList hibak_;
    QString privat_;
    // The file dialog the program runs (the tests answer through privat_).
    std::function<QString(bool)> alapDialogus_;
    int darab_ = 0;
    QList<int> maximumok_;
};

TEST_F(AdatbazisokTest, CommandsFollowWhichDatabaseIsLoaded)
{
    // A fresh install: no database, nothing asked, but the user can make one.
    Valaszolo v(QStringList{});
    indit(false);
    EXPECT_FALSE(kvx::draws().AdatbazisBetoltve);
    for (kvx::ParancsId nev : {kvx::ParancsId::Listzs3, kvx::ParancsId::Hnyszorhztk1, kvx::ParancsId::Hnyhzsta1,
                               kvx::ParancsId::Mentsmsknt2, kvx::ParancsId::Ments4}) {
        EXPECT_FALSE(akcio(nev)->isEnabled()) << nev;
        EXPECT_EQ(tipp(akcio(nev)), QStringLiteral(" Hiányzik a húzások listája ")) << nev;
    }
    for (kvx::ParancsId nev : {kvx::ParancsId::Alternatvadatbzis1, kvx::ParancsId::jadatbzis1, kvx::ParancsId::Megnyits2})
        EXPECT_TRUE(akcio(nev)->isEnabled()) << nev;
    EXPECT_FALSE(akcio(kvx::ParancsId::Betlts1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Betlts1)), QStringLiteral(" Nincs alternatív adatbázis "));
    EXPECT_FALSE(akcio(kvx::ParancsId::Vletlenszmsorok1)->isEnabled());
    EXPECT_FALSE(akcio(kvx::ParancsId::Kavarexadatbzis1)->isEnabled());
    EXPECT_FALSE(akcio(kvx::ParancsId::Hzsokalapjn1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Hzsokalapjn1)), QStringLiteral(" Hiányzik a húzások listája "));
    // The search needs draws to search in.
    EXPECT_FALSE(akcio(kvx::ParancsId::Keress1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Keress1)), QStringLiteral(" Hiányzik a húzások listája "));
    // Nor can the hit-ratio condition be set: it compares with the draws.
    EXPECT_FALSE(talAr()->TalArAllapotBox->isEnabled());
    EXPECT_TRUE(v.Latott.isEmpty());
    window_.reset();

    // The built-in database and an alternative file.
    ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
    ASSERT_TRUE(QFile::copy(dir_.filePath("Dat/") + QString::fromUtf8(kvx::AdatbazisAllomany[0]),
                            dir_.filePath("Dat/") + QString::fromUtf8(kvx::AlternativAllomany[0])));
    indit(false);
    ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    EXPECT_TRUE(akcio(kvx::ParancsId::Listzs3)->isEnabled());
    EXPECT_TRUE(akcio(kvx::ParancsId::Betlts1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Betlts1)), QStringLiteral(" Alternatív adatbázis betöltése "));
    EXPECT_FALSE(akcio(kvx::ParancsId::Kavarexadatbzis1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Kavarexadatbzis1)), QStringLiteral(" Kavarex adatbázis betöltve "));
    EXPECT_FALSE(akcio(kvx::ParancsId::Vletlenszmsorok1)->isEnabled());
    EXPECT_TRUE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    // The box is back; its edits wait for it to be checked.
    EXPECT_TRUE(talAr()->TalArAllapotBox->isEnabled());
    EXPECT_FALSE(talAr()->DbTartomanyEdit->isEnabled());

    akcio(kvx::ParancsId::Betlts1)->trigger();
    EXPECT_FALSE(kvx::adatbazisFajta().AdatbazisTipus);
    EXPECT_EQ(kvx::Program::aktualis().HuzasokV().BetoltottAllomany(), alternativ());
    EXPECT_TRUE(lista()->isVisible());
    EXPECT_FALSE(akcio(kvx::ParancsId::Betlts1)->isEnabled());
    EXPECT_TRUE(akcio(kvx::ParancsId::Kavarexadatbzis1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Kavarexadatbzis1)), QStringLiteral(" Kavarex adatbázis visszatöltése "));
    EXPECT_TRUE(akcio(kvx::ParancsId::Vletlenszmsorok1)->isEnabled());

    akcio(kvx::ParancsId::Kavarexadatbzis1)->trigger();
    EXPECT_TRUE(kvx::adatbazisFajta().AdatbazisTipus);
    EXPECT_TRUE(akcio(kvx::ParancsId::Betlts1)->isEnabled());
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// A missing built-in database: at start-up its commands only go off; a later
// load that misses it offers the download, which comes from the maker's site
// (here a server on 127.0.0.1), is loaded and listed.
TEST_F(AdatbazisokTest, MissingDatabaseIsOfferedForDownloadAfterStartUp)
{
    struct AjanlatBe {
        AjanlatBe() : regi(qgetenv("KAVAREX_NO_DOWNLOAD_OFFER")) { qunsetenv("KAVAREX_NO_DOWNLOAD_OFFER"); }
        ~AjanlatBe() { qputenv("KAVAREX_NO_DOWNLOAD_OFFER", regi); }
        QByteArray regi;
    } ajanlat;
    kvx::teszt::HttpSzerver szerver;
    QTemporaryDir oldal;
    const std::vector<std::uint8_t> adatbazis = tartalom(kvx::teszt::haromHuzasAdatbazis(oldal.path()));
    ASSERT_FALSE(adatbazis.empty());
    const std::string nev = kvx::AdatbazisAllomany[0];
    szerver.beallit("/hu/download/Database/" + nev, {200, std::string(adatbazis.begin(), adatbazis.end())});
    program_.Gyarto.Honlap = szerver.cim("");
    program_.Gyarto.ProbaCim = szerver.cim("/");
    const auto dobozok = [](const Valaszolo& v) {
        QStringList l;
        for (const auto& d : v.Latott)
            if (d.ObjektumNev != QStringLiteral("InternetLetoltesAblak"))
                l << d.Szoveg;
        return l;
    };
    const auto kerdes = [](int jatek) {
        return QString::fromUtf8("Hiányzik: %1 húzásainak listája").arg(QString::fromUtf8(kvx::JatekNev[jatek]));
    };

    Valaszolo csend(QStringList{});
    indit(false);
    QTest::qWait(100);
    EXPECT_TRUE(dobozok(csend).isEmpty()) << dobozok(csend).join('|').toStdString();
    ASSERT_EQ(program_.Gyarto.Honlap, szerver.cim(""));

    // Another game without its database: asked; No fetches nothing.
    {
        Valaszolo v({QStringLiteral("Nem")});
        window_->LottoSelect(1);
        ASSERT_TRUE(kvx::teszt::varj([&] { return !v.Latott.isEmpty(); }));
        QTest::qWait(50);
        ASSERT_EQ(dobozok(v).size(), 1) << dobozok(v).join('|').toStdString();
        EXPECT_TRUE(dobozok(v)[0].startsWith(kerdes(1))) << dobozok(v)[0].toStdString();
        EXPECT_TRUE(dobozok(v)[0].endsWith(QString::fromUtf8("Letölti a húzások listáját?")));
    }
    // A private database that fails to open is not the built-in one: its
    // error is all the user hears.
    {
        Valaszolo v(QStringList{});
        kvx::Program::aktualis().AdatbazisParancsai().Betlts1Click(kvx::kPrivatMegnyitas, dir_.filePath(QStringLiteral("nincs.pdb")));
        QTest::qWait(100);
        EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
        EXPECT_EQ(hibak_.size(), 1);
    }
    EXPECT_TRUE(szerver.kert().empty());

    // Back to the first game: Yes downloads its database, which is loaded
    // and listed.
    {
        Valaszolo v({QStringLiteral("Igen")});
        window_->LottoSelect(0);
        ASSERT_TRUE(kvx::teszt::varj([] { return kvx::draws().AdatbazisBetoltve; }))
            << dobozok(v).join('|').toStdString();
        EXPECT_TRUE(dobozok(v).value(0).startsWith(kerdes(0)));
    }
    EXPECT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_TRUE(kvx::adatbazisFajta().AdatbazisTipus);
    EXPECT_EQ(tartalom(kvx::folders().DatKonyvtar + nev), adatbazis);
    EXPECT_TRUE(lista()->isVisible());
    EXPECT_TRUE(akcio(kvx::ParancsId::Listzs3)->isEnabled());
    const std::vector<std::string> kert = szerver.kert();
    EXPECT_NE(std::find(kert.begin(), kert.end(), "/hu/download/Database/" + nev), kert.end());
}

// The road of a new user: an alternative database is made, three draws are
// entered and saved, the list is saved as a private database; after a
// restart both load with the draws.
TEST_F(AdatbazisokTest, OwnDatabaseMadeFromNothingKeepsItsDrawsOverARestart)
{
    indit(false);
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 0);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(alternativ())));
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_FALSE(akcio(kvx::ParancsId::Betlts1)->isEnabled());  // the alternative database is the one loaded

    huzasBevitel({1, 2, 3, 4, 5});
    huzasBevitel({10, 20, 30, 40, 50});
    huzasBevitel({86, 87, 88, 89, 90});
    ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
    // The alternative database itself is loaded: its edits may go into it,
    // and once saved there is nothing left to put there.
    EXPECT_TRUE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    lista()->MentesGomb->trigger();
    EXPECT_FALSE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    EXPECT_EQ(tartalom(alternativ()).size(), 16u + 3 * 28u);

    privat_ = QString::fromStdString(kvx::folders().PrivateKonyvtar) + QStringLiteral("Otos/sajat.pdb");
    akcio(kvx::ParancsId::Mentsmsknt2)->trigger();
    EXPECT_TRUE(kvx::adatbazisFajta().PrivatAdatbazis);
    EXPECT_EQ(kvx::Program::aktualis().HuzasokV().BetoltottAllomany(), privat_.toStdString());
    EXPECT_EQ(tartalom(privat_.toStdString()), tartalom(alternativ()));
    ASSERT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();

    // Restart.
    window_.reset();
    kvx::Program ujra;
    indit(false);
    EXPECT_FALSE(kvx::draws().AdatbazisBetoltve);
    ASSERT_TRUE(akcio(kvx::ParancsId::Betlts1)->isEnabled());
    akcio(kvx::ParancsId::Betlts1)->trigger();
    ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_EQ(kvx::draws().Huzasok[2][3], 86);
    akcio(kvx::ParancsId::Megnyits2)->trigger();
    EXPECT_TRUE(kvx::adatbazisFajta().PrivatAdatbazis);
    ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_EQ(kvx::draws().Huzasok[1][3], 10);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
    window_.reset();
}

TEST_F(AdatbazisokTest, RandomDatabaseOfAThousandDrawsIsListed)
{
    indit(false);
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    ASSERT_TRUE(akcio(kvx::ParancsId::Bvts1)->isEnabled());
    darab_ = 1000;
    kvx::uzenetBeallitasok().Jovahagyas = true;
    Valaszolo v({QStringLiteral("Igen")});
    akcio(kvx::ParancsId::Bvts1)->trigger();
    EXPECT_EQ(maximumok_, QList<int>{10000});
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QStringLiteral("Adatbázis bővítése 1 000 véletlen számsorral")))
        << v.Latott[0].Szoveg.toStdString();
    ASSERT_EQ(kvx::draws().HuzasokSzama, 1000);
    EXPECT_EQ(tartalom(alternativ()).size(), 16u + 1000 * 28u);
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_EQ(lista()->Model()->rowCount(), 1000);
    for (const kvx::TTombInt1D& sor : kvx::draws().Huzasok)
        EXPECT_EQ(std::set<std::int32_t>(sor.begin() + 3, sor.begin() + 8).size(), 5u);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// Every command that writes a database file: a write that fails leaves the
// file byte for byte and the loaded list as they were, and tells the user.
TEST_F(AdatbazisokTest, FailedWriteKeepsTheFileThatWasThere)
{
    struct Eset {
        const char* nev;
        kvx::ParancsId parancs;
        bool alternativBetoltve;
    };
    const Eset esetek[] = {
        {"save into the alternative", kvx::ParancsId::Ments4, false},
        {"new over the alternative", kvx::ParancsId::jadatbzis1, false},
        {"overwrite with random draws", kvx::ParancsId::Fellrs1, true},
        {"extend with random draws", kvx::ParancsId::Bvts1, true},
    };
    indit(true);
    ASSERT_TRUE(QFile::copy(dir_.filePath("Dat/") + QString::fromUtf8(kvx::AdatbazisAllomany[0]),
                            QString::fromStdString(alternativ())));
    const std::vector<std::uint8_t> regi = tartalom(alternativ());
    darab_ = 5;
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        if (e.alternativBetoltve)
            kvx::Program::aktualis().AdatbazisParancsai().Betlts1Click(kvx::kAlternativBetoltes);
        else
            kvx::Program::aktualis().AdatbazisParancsai().Betlts1Click(kvx::kKavarexAdatbazis);
        const kvx::TTombInt2D tabla = kvx::draws().Huzasok;
        HuzasokVezerlo& h = kvx::Program::aktualis().HuzasokV();
        const auto iro = h.AllomanyIro;
        h.AllomanyIro = [](const std::string&, const std::vector<std::uint8_t>&) { return false; };
        Valaszolo v({QStringLiteral("Igen"), QStringLiteral("OK")});
        kvx::uzenetBeallitasok().Jovahagyas = true;
        ASSERT_TRUE(akcio(e.parancs)->isEnabled());
        akcio(e.parancs)->trigger();
        kvx::uzenetBeallitasok().Jovahagyas = false;
        h.AllomanyIro = iro;
        EXPECT_EQ(tartalom(alternativ()), regi);
        EXPECT_EQ(kvx::draws().Huzasok, tabla);
        ASSERT_FALSE(v.Latott.isEmpty());
        EXPECT_EQ(v.Latott.back().Szoveg, QStringLiteral("Nem sikerült létrehozni az állományt."));
        EXPECT_EQ(kvx::adatbazisFajta().AdatbazisTipus, !e.alternativBetoltve);
    }
}

TEST_F(AdatbazisokTest, SavingTheLoadedAlternativeIntoItselfAsksNothing)
{
    indit(true);
    ASSERT_TRUE(QFile::copy(dir_.filePath("Dat/") + QString::fromUtf8(kvx::AdatbazisAllomany[0]),
                            QString::fromStdString(alternativ())));
    kvx::Program::aktualis().AdatbazisParancsai().Betlts1Click(kvx::kAlternativBetoltes);
    ASSERT_FALSE(kvx::adatbazisFajta().AdatbazisTipus);
    huzasBevitel({5, 15, 25, 35, 45});
    kvx::uzenetBeallitasok().Jovahagyas = true;
    Valaszolo v(QStringList{});
    ASSERT_TRUE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    akcio(kvx::ParancsId::Ments4)->trigger();
    EXPECT_TRUE(v.Latott.isEmpty());
    EXPECT_EQ(tartalom(alternativ()).size(), 16u + 4 * 28u);

    // From the built-in database it always asks, naming the file it replaces.
    kvx::Program::aktualis().AdatbazisParancsai().Betlts1Click(kvx::kKavarexAdatbazis);
    kvx::uzenetBeallitasok().Jovahagyas = false;
    Valaszolo nem({QStringLiteral("Nem")});
    akcio(kvx::ParancsId::Ments4)->trigger();
    ASSERT_EQ(nem.Latott.size(), 1);
    EXPECT_TRUE(nem.Latott[0].Szoveg.contains(QStringLiteral("felülírása nem visszavonható")));
}

// The alternative database's "Mentés" takes the list whenever the
// alternative file could be loaded in its place, and the unsaved edits of
// any list; it follows an edit and a save at once.
TEST_F(AdatbazisokTest, AlternativeSaveFollowsTheLoadItemAndUnsavedEdits)
{
    indit(true);
    // No alternative file: the built-in list as it is has nowhere to go.
    EXPECT_FALSE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    akcio(kvx::ParancsId::Listzs3)->trigger();
    huzasBevitel({5, 15, 25, 35, 45});
    EXPECT_TRUE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    lista()->MentesGomb->trigger();
    EXPECT_FALSE(akcio(kvx::ParancsId::Ments4)->isEnabled());

    // With the alternative file there, the built-in list may replace it.
    ASSERT_TRUE(QFile::copy(dir_.filePath("Dat/") + QString::fromUtf8(kvx::AdatbazisAllomany[0]),
                            QString::fromStdString(alternativ())));
    kvx::Program::aktualis().AdatbazisParancsai().Betlts1Click(kvx::kKavarexAdatbazis);
    EXPECT_TRUE(akcio(kvx::ParancsId::Betlts1)->isEnabled());
    EXPECT_TRUE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Ments4)), QStringLiteral(" Alternatív adatbázis mentése "));

    // The alternative list itself: only its edits.
    akcio(kvx::ParancsId::Betlts1)->trigger();
    ASSERT_FALSE(kvx::adatbazisFajta().AdatbazisTipus);
    EXPECT_FALSE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    huzasBevitel({6, 16, 26, 36, 46});
    EXPECT_TRUE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    lista()->MentesGomb->trigger();
    EXPECT_FALSE(akcio(kvx::ParancsId::Ments4)->isEnabled());
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// "Keresés" names the database it searches, on its item, its button and the
// search ticket's panels; another database ends a search of the draws left.
TEST_F(AdatbazisokTest, SearchNamesItsDatabaseAndEndsWithASwitch)
{
    ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
    ASSERT_TRUE(QFile::copy(dir_.filePath("Dat/") + QString::fromUtf8(kvx::AdatbazisAllomany[0]),
                            dir_.filePath("Dat/") + QString::fromUtf8(kvx::AlternativAllomany[0])));
    indit(false);
    const QString beepitett = QStringLiteral(" Számsor keresése a húzások listájában ");
    const QString sajat = QStringLiteral(" Számsor keresése az alternatív, felhasználói adatbázis listájában ");
    THuzKeresSzelveny* sz = szelvenyek().HuzKeresSzelveny;
    ASSERT_NE(sz, nullptr);
    const auto panelek = [sz] {
        QStringList t{sz->InfoPanel->toolTip()};
        if (sz->InfoPanel2)
            t << sz->InfoPanel2->toolTip();
        return t;
    };
    EXPECT_TRUE(akcio(kvx::ParancsId::Keress1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Keress1)), beepitett);
    akcio(kvx::ParancsId::Keress1)->trigger();
    ASSERT_TRUE(sz->isVisible());
    for (const QString& t : panelek())
        EXPECT_EQ(t, beepitett);
    for (int n : {2, 11, 21})
        QTest::mouseClick(sz->SzamPanelek[static_cast<std::size_t>(n - 1)], Qt::LeftButton);
    ASSERT_FALSE(sz->Jelolesek.Ures());

    akcio(kvx::ParancsId::Betlts1)->trigger();
    ASSERT_FALSE(kvx::adatbazisFajta().AdatbazisTipus);
    EXPECT_FALSE(sz->isVisible());
    EXPECT_TRUE(sz->Jelolesek.Ures());
    EXPECT_FALSE(kvx::Program::aktualis().HuzasokV().KeresAktiv());
    EXPECT_TRUE(akcio(kvx::ParancsId::Keress1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Keress1)), sajat);
    akcio(kvx::ParancsId::Keress1)->trigger();
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Számsor keresés"));
    for (const QString& t : panelek())
        EXPECT_EQ(t, sajat);

    // Back to the built-in database: its own wording again.
    akcio(kvx::ParancsId::Kavarexadatbzis1)->trigger();
    EXPECT_FALSE(sz->isVisible());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Keress1)), beepitett);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// Random draws extend a database up to 100,000 draws: at the limit the
// command is off and says why.
TEST_F(AdatbazisokTest, ExtendingStopsAtTheLargestDatabase)
{
    kvx::GameParams g;
    g.LottoIndex = 0;
    kvx::JatekParameterek(g);
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Dat")));
    for (int n : {kvx::kMaxHuzasok - 1, kvx::kMaxHuzasok}) {
        SCOPED_TRACE(n);
        kvx::TTombInt2D sorok(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            sorok[static_cast<std::size_t>(i)] = {i + 1, 2020, 1 + i % 52, 1, 2, 3, 4, 5};
            sorok[static_cast<std::size_t>(i)].resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        }
        const std::string alt = dir_.filePath("Dat/").toStdString() + kvx::AlternativAllomany[0];
        ASSERT_TRUE(kvx::writeFileAtomic(alt, kvx::AdatbazisKep(sorok, g, kvx::HuzasIroVerzio())));
        indit(false);
        akcio(kvx::ParancsId::Betlts1)->trigger();
        ASSERT_EQ(kvx::draws().HuzasokSzama, n);
        const bool teli = n == kvx::kMaxHuzasok;
        EXPECT_EQ(akcio(kvx::ParancsId::Bvts1)->isEnabled(), !teli);
        EXPECT_EQ(tipp(akcio(kvx::ParancsId::Bvts1)), teli ? QStringLiteral(" Az adatbázis mérete elérte a maximumot - nem bővíthető ")
                                             : QStringLiteral(" Aktuális lista bővítése véletlen számsorokkal "));
        window_.reset();
    }
}

// The private save writes only a ".pdb" (a name without an extension gets
// one): a user's file of another kind chosen in the dialog stays byte for
// byte, and the database in use stays the one loaded.
TEST_F(AdatbazisokTest, PrivateSaveWritesOnlyAPdbName)
{
    indit(true);
    const std::string beepitett = kvx::Program::aktualis().HuzasokV().BetoltottAllomany();
    const QString csv = dir_.filePath(QStringLiteral("proba.csv"));
    {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1;2;3;4;5\r\n6;7;8;9;10\r\n");
    }
    const std::vector<std::uint8_t> elotte = tartalom(csv.toStdString());
    privat_ = csv;
    {
        Valaszolo v({QStringLiteral("OK")});
        akcio(kvx::ParancsId::Mentsmsknt2)->trigger();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("proba.csv"))) << v.Latott[0].Szoveg.toStdString();
    }
    EXPECT_EQ(tartalom(csv.toStdString()), elotte);
    EXPECT_TRUE(kvx::adatbazisFajta().AdatbazisTipus);
    EXPECT_EQ(kvx::Program::aktualis().HuzasokV().BetoltottAllomany(), beepitett);
    EXPECT_EQ(kvx::folders().AktualisAdatbazis[0], beepitett);

    privat_ = dir_.filePath(QStringLiteral("proba"));
    akcio(kvx::ParancsId::Mentsmsknt2)->trigger();
    const std::string pdb = dir_.filePath(QStringLiteral("proba.pdb")).toStdString();
    EXPECT_FALSE(QFile::exists(privat_));
    EXPECT_TRUE(kvx::adatbazisFajta().PrivatAdatbazis);
    EXPECT_EQ(kvx::Program::aktualis().HuzasokV().BetoltottAllomany(), pdb);
    EXPECT_EQ(tartalom(pdb), tartalom(beepitett));
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// The private databases' own dialogs: their titles, the tip before opening,
// the proposed name of a save, and the remembered folders (a cancel sends
// the next dialog back to the game's folder).
TEST_F(AdatbazisokTest, PrivateDatabaseDialogs)
{
    indit(true);
    AdatbazisParancsok& ap = kvx::Program::aktualis().AdatbazisParancsai();
    ap.PrivatAllomanyValasztas = alapDialogus_;
    kvx::uzenetBeallitasok().Inform = true;
    kvx::settings().AutomatikusNev = true;
    kvx::settings().UzenetekLog[kvx::kMegnyitasTippIndex] = 1;
    kvx::Folders& f = kvx::folders();
    const std::string alap = f.PrivateKonyvtar + kvx::JatekMappa[0];
    const QString mashol = dir_.filePath(QStringLiteral("mashol"));
    ASSERT_TRUE(QDir().mkpath(mashol));
    f.UtolsoKonyvtarak[kvx::kPrivateMegnyitas][0] = mashol.toStdString();
    f.UtolsoKonyvtarak[kvx::kPrivateMentes][0] = mashol.toStdString();

    struct Latott {
        QString cim, nev, konyvtar;
        qsizetype dobozok = -1;
    };
    // Answers the next file dialog: cancels it, or accepts the name typed.
    const auto dialogus = [](const QString& gepelt, const Valaszolo* v) {
        auto l = std::make_shared<Latott>();
        kvx::teszt::ismetlesAmigSikerul([l, gepelt, v] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* d = qobject_cast<QFileDialog*>(w);
                if (!d || !d->isVisible())
                    continue;
                auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                l->cim = d->windowTitle();
                l->nev = edit ? edit->text() : QString();
                l->konyvtar = d->directory().absolutePath();
                l->dobozok = v ? v->Latott.size() : -1;
                if (gepelt.isEmpty()) {
                    d->reject();
                } else {
                    edit->setText(gepelt);
                    QMetaObject::invokeMethod(d, "accept");
                }
                return true;
            }
            return false;
        });
        return l;
    };

    {
        Valaszolo v({QStringLiteral("Nem")});
        const auto l = dialogus(QString(), &v);
        akcio(kvx::ParancsId::Megnyits2)->trigger();
        EXPECT_EQ(l->cim, QStringLiteral(" Privát adatbázis betöltése"));
        EXPECT_EQ(l->konyvtar, mashol);
        // The tip came first, and once.
        ASSERT_GE(l->dobozok, 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QString::fromUtf8(kvx::kMegnyitasTipp).left(40)))
            << v.Latott[0].Szoveg.toStdString();
        EXPECT_EQ(kvx::settings().UzenetekLog[kvx::kMegnyitasTippIndex], 0);
    }
    EXPECT_EQ(f.UtolsoKonyvtarak[kvx::kPrivateMegnyitas][0], alap);
    EXPECT_TRUE(kvx::adatbazisFajta().AdatbazisTipus);

    {
        const auto l = dialogus(QStringLiteral("sajat"), nullptr);
        akcio(kvx::ParancsId::Mentsmsknt2)->trigger();
        EXPECT_EQ(l->cim, QStringLiteral(" Mentés privát adatbázisba"));
        EXPECT_EQ(l->nev, QStringLiteral("3_huzas"));
        EXPECT_EQ(l->konyvtar, mashol);
    }
    EXPECT_TRUE(QFile::exists(QDir(mashol).filePath(QStringLiteral("sajat.pdb"))));
    EXPECT_EQ(f.UtolsoKonyvtarak[kvx::kPrivateMentes][0], mashol.toStdString());
    EXPECT_TRUE(kvx::adatbazisFajta().PrivatAdatbazis);
    {
        const auto l = dialogus(QString(), nullptr);
        akcio(kvx::ParancsId::Mentsmsknt2)->trigger();
        EXPECT_EQ(l->cim, QStringLiteral(" Mentés privát adatbázisba"));
    }
    EXPECT_EQ(f.UtolsoKonyvtarak[kvx::kPrivateMentes][0], alap);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

TEST_F(AdatbazisokTest, CountDialogOffersOneToTheMaximum)
{
    indit(false);
    TVelSzam* d = formok().VelSzam;
    ASSERT_NE(d, nullptr);
    QTimer::singleShot(0, d, [d] {
        QLineEdit* e = d->VelSzamBeUD->findChild<QLineEdit*>();
        e->selectAll();
        QTest::keyClicks(e, QStringLiteral("99999"));
        QTest::mouseClick(d->KijelolesGomb, Qt::LeftButton);
    });
    EXPECT_EQ(d->Start(5000, false), 5000);
    EXPECT_EQ(d->VelSzamBeCimke->text(), QStringLiteral("Véletlen számsorok mennyisége"));
    EXPECT_EQ(d->VelSzamBeUD->toolTip(), QStringLiteral(" Minimum: 1\r\n Maximum: 5000 "));

    QTimer::singleShot(0, d, [d] { QTest::mouseClick(d->MegseGomb, Qt::LeftButton); });
    EXPECT_EQ(d->Start(5000, true), 0);
    EXPECT_EQ(d->VelSzamBeCimke->text(), QStringLiteral("Véletlen húzások mennyisége"));
}

// Opened over the draws list, the dialog stands beside the windows in use,
// not centred over the main window (where the draws ticket stands).
TEST_F(AdatbazisokTest, CountDialogStandsBesideTheOpenWindows)
{
    indit(false);
    window_->resize(1500, 900);
    window_->findChild<kvx::AblakElhelyezes*>()->SetMunkaTerulet(QRect(0, 0, 1500, 900));
    window_->show();
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    const QList<QWidget*> nyitott{static_cast<QWidget*>(szelvenyek().Foszelveny.data()), lista(),
                                  static_cast<QWidget*>(szelvenyek().HuzSzelveny.data())};
    for (QWidget* w : nyitott)
        ASSERT_TRUE(w && w->isVisible());
    TVelSzam* d = formok().VelSzam;
    QList<QRect> atfedesek;
    QRect hely;
    QTimer::singleShot(0, d, [&] {
        hely = d->frameGeometry();
        for (QWidget* w : nyitott)
            if (hely.intersects(w->frameGeometry()))
                atfedesek << w->frameGeometry();
        QTest::mouseClick(d->MegseGomb, Qt::LeftButton);
    });
    EXPECT_EQ(d->Start(5000, false), 0);
    EXPECT_TRUE(atfedesek.isEmpty()) << hely.x() << "," << hely.y() << " " << hely.width() << "x" << hely.height();
}

// "Megnyitás" takes the user's file of number lines as well: it becomes a
// private database of the game under the file's name and is loaded. A bad
// file changes nothing: neither the database in use nor a file of that name,
// and it is refused before the question about replacing that file.
TEST_F(AdatbazisokTest, ImportedDrawsFileBecomesAPrivateDatabase)
{
    indit(true);
    const auto ir = [this](const char* nev, const char* szoveg) {
        QFile f(dir_.filePath(QString::fromUtf8(nev)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(szoveg);
        return f.fileName();
    };
    const QString cel = QString::fromStdString(kvx::folders().PrivateKonyvtar) + QStringLiteral("Otos/huzasaim.pdb");
    privat_ = ir("huzasaim.csv", "7;21;3;84;60\r\n1;2;3;4;5\r\n90;89;88;87;86\r\n");
    {
        Valaszolo v(QStringList{});
        akcio(kvx::ParancsId::Megnyits2)->trigger();
        EXPECT_TRUE(v.Latott.isEmpty());
    }
    EXPECT_TRUE(kvx::adatbazisFajta().PrivatAdatbazis);
    EXPECT_EQ(QString::fromStdString(kvx::folders().AktualisAdatbazis[0]), cel);
    ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_EQ(kvx::draws().Huzasok[0][3], 3);
    EXPECT_EQ(kvx::draws().Huzasok[2][7], 90);
    EXPECT_TRUE(lista()->isVisible());
    const std::vector<std::uint8_t> kep = tartalom(cel.toStdString());

    // The same name again with a bad line: refused whole, before any
    // question about the file it would replace.
    privat_ = ir("huzasaim.txt", "1 2 3 4 5\n1 2 3 4 91\n");
    {
        Valaszolo v({QStringLiteral("OK")});
        akcio(kvx::ParancsId::Megnyits2)->trigger();
        ASSERT_EQ(v.Latott.size(), 1);
        // The box shows the lines without their carriage returns.
        EXPECT_EQ(v.Latott[0].Szoveg,
                  QString::fromStdString(kvx::ImportHibaUzenet(privat_.toStdString()) +
                                         "\r\n\r\n2. sor: „1 2 3 4 91”\r\nEgy sorban: 5 különböző szám 1 és 90 "
                                         "között, például: 1;2;3;4;5")
                      .replace("\r\n", "\n"));
    }
    EXPECT_EQ(tartalom(cel.toStdString()), kep);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_EQ(QString::fromStdString(kvx::folders().AktualisAdatbazis[0]), cel);

    // A good file of that name asks first; declining writes nothing.
    privat_ = ir("huzasaim.txt", "11 12 13 14 15\n");
    {
        Valaszolo v({QStringLiteral("Nem")});
        akcio(kvx::ParancsId::Megnyits2)->trigger();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QStringLiteral("Az állomány már létezik:\n") + cel))
            << v.Latott[0].Szoveg.toStdString();
    }
    EXPECT_EQ(tartalom(cel.toStdString()), kep);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// Random draws may repeat one another: the statistic that finds identical
// lines follows them, announced once by its tip. Neither comes while that
// statistic is not there to run.
TEST_F(AdatbazisokTest, RandomDrawsAreCheckedForRepeatsOnlyByAStatisticThatExists)
{
    indit(false);
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    kvx::settings().UzenetekLog[26] = 1;
    darab_ = 5;
    kvx::uzenetBeallitasok().Inform = true;
    // "Nem": the tip is not wanted again.
    Valaszolo v({QStringLiteral("Nem")});
    akcio(kvx::ParancsId::Bvts1)->trigger();
    kvx::uzenetBeallitasok().Inform = false;
    ASSERT_EQ(kvx::draws().HuzasokSzama, 5);
    const kvx::StatLeiras* l = kvx::StatLeirasTag(4);
    ASSERT_NE(l, nullptr);
    ASSERT_EQ(std::string(l->Felirat), "Találati arányok");
    TStatisztika* st = formok().Statisztika;
    if (l->Kesz) {
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QStringLiteral("Véletlen számsorokkal módosított adatbázis")));
        EXPECT_EQ(kvx::settings().UzenetekLog[26], 0);
        EXPECT_TRUE(kvx::teszt::varj([st] { return st->isVisible() && !st->Fut(); }));
        EXPECT_EQ(st->FormTag(), 4);
    } else {
        EXPECT_TRUE(v.Latott.isEmpty());
        EXPECT_EQ(kvx::settings().UzenetekLog[26], 1);
        EXPECT_FALSE(st->isVisible());
    }
}

// "Mentés" writes the table back to its file, and only while it holds
// unsaved edits.
TEST_F(AdatbazisokTest, SaveCommandFollowsUnsavedEdits)
{
    indit(true);
    ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    EXPECT_FALSE(akcio(kvx::ParancsId::Ments1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Ments1)), QStringLiteral(" Nincs mentésre váró adat "));
    akcio(kvx::ParancsId::Listzs3)->trigger();
    huzasBevitel({5, 15, 25, 35, 45});
    ASSERT_EQ(kvx::draws().HuzasokSzama, 4);
    EXPECT_TRUE(akcio(kvx::ParancsId::Ments1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Ments1)), QStringLiteral(" Módosított adatbázis mentése "));
    akcio(kvx::ParancsId::Ments1)->trigger();
    EXPECT_FALSE(akcio(kvx::ParancsId::Ments1)->isEnabled());
    window_.reset();
    indit(false);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 4);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// The main ticket's "Hányszor húzták" view follows the edits of the draws:
// an appended, a deleted and a restored draw are counted at once.
TEST_F(AdatbazisokTest, TimesDrawnViewFollowsEditsOfTheDraws)
{
    indit(true);
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    akcio(kvx::ParancsId::Hnyszorhztk1)->trigger();
    const auto cella = [fo](int n) { return fo->SzamPanelek[static_cast<std::size_t>(n - 1)]->text(); };
    ASSERT_EQ(cella(2), QStringLiteral("1"));
    akcio(kvx::ParancsId::Listzs3)->trigger();
    huzasBevitel({2, 15, 25, 35, 45});
    ASSERT_EQ(kvx::draws().HuzasokSzama, 4);
    EXPECT_EQ(cella(2), QStringLiteral("2")) << "after the new draw";
    EXPECT_EQ(cella(15), QStringLiteral("1"));
    lista()->TorlesGomb->trigger();
    ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_EQ(cella(2), QStringLiteral("1")) << "after the delete";
    lista()->VisszaGomb->trigger();
    ASSERT_EQ(kvx::draws().HuzasokSzama, 4);
    EXPECT_EQ(cella(2), QStringLiteral("2")) << "after the undo";
}

// A new main-ticket range: the ticket's figures count over it; the
// database's "Húzások száma" sets the range of the draws list only.
TEST_F(AdatbazisokTest, DrawRangeCommandsSetTheirOwnRanges)
{
    indit(true);
    ASSERT_TRUE(akcio(kvx::ParancsId::Hzsokszma1)->isEnabled());
    ASSERT_TRUE(akcio(kvx::ParancsId::Hzsokszma2)->isEnabled());
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    akcio(kvx::ParancsId::Hnyszorhztk1)->trigger();
    // Draw 1 holds 2, draw 3 holds 4; over draws 2..3 only 4 was drawn.
    EXPECT_EQ(fo->SzamPanelek[1]->text(), QStringLiteral("1"));
    const auto kitolt = [](int elso, int utolso) {
        kvx::teszt::ismetlesAmigSikerul([=] {
            THuzSzama* h = formok().HuzSzama;
            if (!h || !h->isVisible())
                return false;
            h->ElsoHuzBe->setText(QString::number(elso));
            h->UtolsoHuzBe->setText(QString::number(utolso));
            h->RendbenGomb->click();
            return true;
        });
    };
    // The range dialog in the main ticket's mode (the menu command also
    // starts the statistics window's run, which is not what this checks).
    kitolt(2, 3);
    ASSERT_TRUE(formok().HuzSzama->Start(1));
    EXPECT_EQ(kvx::huzSzama().GetHuzSzamaElso(), 2);
    EXPECT_EQ(kvx::huzSzama().GetHuzSzamaUtolso(), 3);
    EXPECT_EQ(fo->SzamPanelek[1]->text(), QStringLiteral("-"));
    EXPECT_EQ(fo->SzamPanelek[3]->text(), QStringLiteral("1"));
    EXPECT_EQ(kvx::huzSzama().GetLHuzSzamaElso(), 1);

    EXPECT_EQ(kvx::huzSzama().GetLHuzSzamaUtolso(), 3);

    kitolt(1, 2);
    akcio(kvx::ParancsId::Hzsokszma2)->trigger();
    EXPECT_EQ(kvx::huzSzama().GetLHuzSzamaElso(), 1);
    EXPECT_EQ(kvx::huzSzama().GetLHuzSzamaUtolso(), 2);
    EXPECT_EQ(kvx::huzSzama().GetHuzSzamaElso(), 2);
}

}  // namespace

// A new alternative database holds no draw: there is no list to print until
// the first draw is entered.
TEST_F(AdatbazisokTest, EmptyDatabaseHasNoListToPrint)
{
    indit(true);
    ASSERT_TRUE(akcio(kvx::ParancsId::Listanyomtatsa1)->isEnabled());
    ASSERT_TRUE(akcio(kvx::ParancsId::Nyomtats3)->isEnabled());
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    ASSERT_EQ(kvx::draws().HuzasokSzama, 0);
    for (kvx::ParancsId nev : {kvx::ParancsId::Listanyomtatsa1, kvx::ParancsId::Nyomtats3}) {
        EXPECT_FALSE(akcio(nev)->isEnabled()) << nev;
        EXPECT_EQ(tipp(akcio(nev)), QStringLiteral(" Hiányzik a húzások listája ")) << nev;
    }
    huzasBevitel({1, 2, 3, 4, 5});
    ASSERT_EQ(kvx::draws().HuzasokSzama, 1);
    EXPECT_TRUE(akcio(kvx::ParancsId::Listanyomtatsa1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Listanyomtatsa1)), QStringLiteral(" Nyomtatás "));
    EXPECT_TRUE(akcio(kvx::ParancsId::Nyomtats3)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Nyomtats3)), QStringLiteral(" Húzások listájának nyomtatása állományba "));
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// Overwriting with random draws replaces the draws there are: an empty
// database offers only the extension, until it holds a draw.
TEST_F(AdatbazisokTest, RandomOverwriteWaitsForDrawsToReplace)
{
    indit(false);
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    ASSERT_EQ(kvx::draws().HuzasokSzama, 0);
    ASSERT_TRUE(akcio(kvx::ParancsId::Vletlenszmsorok1)->isEnabled());
    EXPECT_FALSE(akcio(kvx::ParancsId::Fellrs1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Fellrs1)), QStringLiteral(" Hiányzik a húzások listája "));
    EXPECT_TRUE(akcio(kvx::ParancsId::Bvts1)->isEnabled());

    darab_ = 3;
    akcio(kvx::ParancsId::Bvts1)->trigger();
    ASSERT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_TRUE(akcio(kvx::ParancsId::Fellrs1)->isEnabled());
    EXPECT_EQ(tipp(akcio(kvx::ParancsId::Fellrs1)), QStringLiteral(" Adatbázis felülírása véletlen számsorokkal "));
    akcio(kvx::ParancsId::Fellrs1)->trigger();
    EXPECT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// The draws ticket beside the list of an empty database shows no draw: no
// range of draws "1. - 0.", no tally, no marks, until a draw is entered.
TEST_F(AdatbazisokTest, DrawsTicketOfAnEmptyDatabaseShowsNoDraw)
{
    indit(true);
    akcio(kvx::ParancsId::Listzs3)->trigger();
    THuzSzelveny* sz = szelvenyek().HuzSzelveny;
    ASSERT_NE(sz, nullptr);
    ASSERT_TRUE(sz->InfoCimke->text().startsWith(QStringLiteral(" 1. - 3. húzások")));
    const auto jelolt = [sz] {
        int db = 0;
        const kvx::PanelSzin alap = kvx::AlapPanelSzin(sz->Look());
        for (TSzamPanel* p : sz->SzamPanelek)
            db += p->Szin.Cella != alap.Cella;
        return db;
    };
    ASSERT_EQ(jelolt(), 5);

    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    ASSERT_EQ(kvx::draws().HuzasokSzama, 0);
    ASSERT_TRUE(lista()->isVisible());
    EXPECT_EQ(sz->InfoCimke->text().toStdString(), "");
    EXPECT_EQ(jelolt(), 0);
    EXPECT_EQ(sz->windowTitle().toStdString(), " Húzások szelvénye");

    huzasBevitel({1, 2, 3, 4, 5});
    ASSERT_EQ(kvx::draws().HuzasokSzama, 1);
    EXPECT_TRUE(sz->InfoCimke->text().startsWith(QStringLiteral(" 1. - 1. húzások"))) << sz->InfoCimke->text().toStdString();
    EXPECT_EQ(jelolt(), 5);
    EXPECT_EQ(sz->windowTitle().toStdString(), " 1. húzás számsora");
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// "Kavarex adatbázis" without the built-in file: the message says so before
// anything is asked or changed, so unsaved draws stay unsaved (the save
// question answered "Nem" would otherwise mark them saved for a switch that
// never happens).
TEST_F(AdatbazisokTest, MissingBuiltInDatabaseIsReportedBeforeTheSwitchAsksAnything)
{
    indit(false);
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    huzasBevitel({1, 2, 3, 4, 5});
    ASSERT_TRUE(kvx::huzLista().HuzasokModositva);
    ASSERT_TRUE(akcio(kvx::ParancsId::Kavarexadatbzis1)->isEnabled());
    // Every question that shows is answered "Nem" and counted.
    int kerdesek = 0;
    QTimer valaszolo;
    QObject::connect(&valaszolo, &QTimer::timeout, [&kerdesek] {
        auto* mb = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!mb || !mb->isVisible())
            return;
        for (QAbstractButton* b : mb->buttons())
            if (b->text() == QStringLiteral("Nem")) {
                ++kerdesek;
                b->click();
                return;
            }
    });
    valaszolo.start(10);
    akcio(kvx::ParancsId::Kavarexadatbzis1)->trigger();
    valaszolo.stop();
    EXPECT_EQ(kerdesek, 0);
    ASSERT_EQ(hibak_.size(), 1);
    EXPECT_TRUE(hibak_[0].endsWith(QStringLiteral(" állomány nem található."))) << hibak_[0].toStdString();
    EXPECT_TRUE(kvx::huzLista().HuzasokModositva);
    EXPECT_TRUE(akcio(kvx::ParancsId::Ments1)->isEnabled());
    EXPECT_EQ(kvx::draws().HuzasokSzama, 1);
    EXPECT_EQ(kvx::Program::aktualis().HuzasokV().BetoltottAllomany(), alternativ());
}

// The built-in database can be gone back to from every other one, a private
// one included while the alternative file exists; the tool-bar button of
// "Kavarex adatbázis" shows only then, and the draws list's command names
// the database it lists.
TEST_F(AdatbazisokTest, BuiltInDatabaseCanBeReloadedFromEveryOtherOne)
{
    ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
    const QString beepitett = dir_.filePath("Dat/") + QString::fromUtf8(kvx::AdatbazisAllomany[0]);
    ASSERT_TRUE(QFile::copy(beepitett, dir_.filePath("Dat/") + QString::fromUtf8(kvx::AlternativAllomany[0])));
    privat_ = dir_.filePath(QStringLiteral("sajat.pdb"));
    ASSERT_TRUE(QFile::copy(beepitett, privat_));
    indit(false);
    ASSERT_TRUE(kvx::draws().AdatbazisBetoltve);
    QAction* gomb = akcio(kvx::ParancsId::KavarexadatbzisGomb);
    ASSERT_NE(gomb, nullptr);
    const QList<QAction*> eszkoztar = window_->EszkoztarSav()->actions();
    EXPECT_TRUE(eszkoztar.contains(gomb));
    EXPECT_TRUE(eszkoztar.contains(akcio(kvx::ParancsId::Hzsokalapjn1)));

    const struct {
        const char* eset;
        kvx::ParancsId parancs;  // what loads the database; Nincs: start-up
        bool kavarex;
        const char* kavarexTipp;
        const char* lista;
    } esetek[] = {
        {"built-in", kvx::ParancsId::Nincs, false, " Kavarex adatbázis betöltve ", " Húzások listája "},
        {"private", kvx::ParancsId::Megnyits2, true, " Kavarex adatbázis visszatöltése ", " Privát adatbázis "},
        {"alternative", kvx::ParancsId::Betlts1, true, " Kavarex adatbázis visszatöltése ", " Alternatív adatbázis "},
        {"built-in through the button", kvx::ParancsId::KavarexadatbzisGomb, false, " Kavarex adatbázis betöltve ", " Húzások listája "},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        if (e.parancs != kvx::ParancsId::Nincs) {
            ASSERT_TRUE(akcio(e.parancs)->isEnabled());
            akcio(e.parancs)->trigger();
        }
        EXPECT_EQ(akcio(kvx::ParancsId::Kavarexadatbzis1)->isEnabled(), e.kavarex);
        EXPECT_EQ(tipp(akcio(kvx::ParancsId::Kavarexadatbzis1)), QString::fromUtf8(e.kavarexTipp));
        EXPECT_EQ(gomb->isEnabled(), e.kavarex);
        EXPECT_EQ(gomb->isVisible(), e.kavarex);
        EXPECT_EQ(tipp(gomb), QString::fromUtf8(e.kavarexTipp));
        EXPECT_EQ(tipp(akcio(kvx::ParancsId::Listzs3)), QString::fromUtf8(e.lista));
        if (e.parancs != kvx::ParancsId::Nincs) {
            EXPECT_EQ(lista()->windowTitle(), QString::fromUtf8(e.lista));
        }
        EXPECT_TRUE(akcio(kvx::ParancsId::Hzsokalapjn1)->isEnabled());
    }
    EXPECT_TRUE(kvx::adatbazisFajta().AdatbazisTipus);
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// Random draws are drawn behind the wait window, which counts the lines.
TEST_F(AdatbazisokTest, RandomDrawsAreDrawnBehindTheWaitWindow)
{
    indit(false);
    akcio(kvx::ParancsId::jadatbzis1)->trigger();
    darab_ = 5000;
    QStringList feliratok;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        kvx::TUzenetAblak* w = formok().UzenetAblak;
        if (w && w->isVisible() && !feliratok.contains(w->Label1->text()))
            feliratok << w->Label1->text();
    });
    figyelo.start(0);
    akcio(kvx::ParancsId::Bvts1)->trigger();
    figyelo.stop();
    EXPECT_EQ(kvx::draws().HuzasokSzama, 5000);
    ASSERT_FALSE(feliratok.isEmpty());
    EXPECT_EQ(feliratok[0], QStringLiteral("Véletlen számsorok generálása"));
    EXPECT_FALSE(formok().UzenetAblak->isVisible());
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}

// Before a switch of database the statistics window closes, and a selected
// hit-ratio condition, which counts over the draws being left, is given up
// only when the user agrees; with it goes a variation built from the draws'
// lines. A "Nem" keeps both the condition and the database.
TEST_F(AdatbazisokTest, SwitchGivesUpTheHitRatioConditionOnlyWhenTheUserAgrees)
{
    ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
    const QString beepitett = dir_.filePath("Dat/") + QString::fromUtf8(kvx::AdatbazisAllomany[0]);
    ASSERT_TRUE(QFile::copy(beepitett, dir_.filePath("Dat/") + QString::fromUtf8(kvx::AlternativAllomany[0])));
    indit(false);
    ASSERT_TRUE(kvx::adatbazisFajta().AdatbazisTipus);
    const struct {
        const char* eset;
        bool variacio;  // the variation was built from the draws' lines
        const char* valasz;
    } esetek[] = {
        {"refused", false, "Nem"},
        {"agreed", false, "Igen"},
        {"refused, variation of draws", true, "Nem"},
        {"agreed, variation of draws", true, "Igen"},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        // Back to the built-in database, without a condition to ask about.
        kvx::feltetelRekordok().TalArAktiv = false;
        if (!kvx::adatbazisFajta().AdatbazisTipus) {
            akcio(kvx::ParancsId::Kavarexadatbzis1)->trigger();
        }
        ASSERT_TRUE(kvx::adatbazisFajta().AdatbazisTipus);
        kvx::FeltetelRekordok& f = kvx::feltetelRekordok();
        f.FeltetelJelzo = true;
        f.TalArAktiv = true;
        f.TalalatiAranyFeltetel.Allapot = 1;
        formok().Feltetelek->BeolvFeltKijelolese();
        ASSERT_TRUE(talAr()->TalArAllapotBox->isChecked());
        formok().Statisztika->show();
        f.HuzasSzamsorVariacio = e.variacio;
        int torlesek = 0;
        const QMetaObject::Connection c = QObject::connect(&kvx::Program::aktualis().Variacio(),
                                                           &VariacioVezerlo::valtozott, [&torlesek] { ++torlesek; });
        Valaszolo v({QString::fromUtf8(e.valasz)});
        akcio(kvx::ParancsId::Betlts1)->trigger();
        QObject::disconnect(c);
        EXPECT_FALSE(formok().Statisztika->isVisible());
        ASSERT_EQ(v.Latott.size(), 1);
        const QString& kerdes = v.Latott[0].Szoveg;
        EXPECT_TRUE(kerdes.startsWith(QStringLiteral("Adatbázis váltás"))) << kerdes.toStdString();
        EXPECT_EQ(kerdes.contains(QStringLiteral("Húzások számsoraiból összeállított variáció")), e.variacio)
            << kerdes.toStdString();
        const bool igen = std::string_view(e.valasz) == "Igen";
        EXPECT_EQ(kvx::adatbazisFajta().AdatbazisTipus, !igen);
        EXPECT_EQ(f.TalArAktiv, !igen);
        EXPECT_EQ(f.TalalatiAranyFeltetel.Allapot, igen ? 0 : 1);
        EXPECT_EQ(talAr()->TalArAllapotBox->isChecked(), !igen);
        EXPECT_EQ(torlesek > 0, igen && e.variacio);
    }
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join("|").toStdString();
}
