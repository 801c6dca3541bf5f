// The program body's services on the offscreen platform: the running-instance
// hand-over and the draws database loaded once every window exists.
#include "app/backups.h"
#include "app/folders.h"
#include "app/ini_file.h"
#include "app/settings.h"
#include "app/ui/beallitasok.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "app/shell_state.h"
#include "app/game_table.h"
#include "app/main_state.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "shell/inditas.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"
#include "platform/instance.h"
#include "tickets/number_lists.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "harom_huzas.h"
#include "valaszolo.h"

#include <functional>
#include <unistd.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

QString teszNev(const char* utotag)
{
    return QStringLiteral("kavarex-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(utotag));
}

class ProgramShellTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    void TearDown() override
    {
        window_.reset();
    }
    void ablak()
    {
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [this](const QString& q) {
            kerdesek_ << q;
            return valasz_;
        };
        kvx::Program::aktualis().HibaUzenet = [this](const QString& q) { hibak_ << q; };
    }
    // A file of the program's folder, with the folders on its way.
    void ir(const QString& nev, const QByteArray& tartalom)
    {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(nev)).path()));
        QFile f(dir_.filePath(nev));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tartalom);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    QStringList kerdesek_;
    QStringList hibak_;
    bool valasz_ = true;
};

TEST_F(ProgramShellTest, QuitRequestOfALaterInstanceClosesTheWindowThroughItsCloseQuery)
{
    ablak();
    FormokLetrehozasa(*window_);
    kvx::platform::FutoPeldany elso(teszNev("quit"));
    ASSERT_TRUE(elso.Figyel());
    window_->PeldanyFigyeles(&elso);
    window_->show();
    const QString ini = QString::fromStdString(kvx::folders().IniAllomany);
    ASSERT_TRUE(QFile::remove(ini));

    kvx::platform::FutoPeldany masodik(teszNev("quit"));
    ASSERT_TRUE(masodik.MasikPeldanyFut());
    ASSERT_TRUE(masodik.KilepesKerese());
    for (int i = 0; i < 100 && window_->isVisible(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(window_->isVisible());
    // The normal close path wrote the settings.
    EXPECT_TRUE(QFile::exists(ini));
}

// "Igen" to the second-instance question asks the earlier instance to close
// and goes on only once it has ended, the wait window showing meanwhile;
// the settings are read only then, so the ones the earlier instance wrote at
// its close are this one's. An earlier instance that stays (its user kept
// it) or does not end in time keeps the folder, and this one ends with a
// message and code 4 without having written a file. "Nem" ends this one and
// the earlier hears nothing. All of it happens in the main window's
// creation, before anything is read from the INI file.
TEST_F(ProgramShellTest, AnotherInstanceIsAskedAboutAndTakenOverOnlyOnceItHasEnded)
{
    enum class Korabbi { Nem, Bezar, Elutasit, Hallgat };
    const struct {
        const char* eset;
        Korabbi korabbi;
        int varakozasMs;
    } esetek[] = {
        {"No", Korabbi::Nem, 20000},
        {"the earlier one closes", Korabbi::Bezar, 20000},
        {"the earlier one stays", Korabbi::Elutasit, 20000},
        {"the earlier one does not answer", Korabbi::Hallgat, 500},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        // A program folder of its own for every case.
        const QString k = dir_.filePath(QString::fromUtf8(e.eset));
        ASSERT_TRUE(QDir().mkpath(k));
        const QString ini = QDir(k).filePath(QStringLiteral("kavarex.ini"));
        auto korabbi = std::make_unique<kvx::platform::FutoPeldany>(teszNev("masik"));
        ASSERT_TRUE(korabbi->Figyel());
        int kerve = 0;
        bool varakozoLatszott = false;
        QString varakozoSzoveg;
        QObject::connect(korabbi.get(), &kvx::platform::FutoPeldany::KilepesKerve, korabbi.get(), [&] {
            ++kerve;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* v = qobject_cast<kvx::TUzenetAblak*>(w); v && v->isVisible()) {
                    varakozoLatszott = true;
                    varakozoSzoveg = v->Label1->text();
                }
            // Ending: the earlier instance writes its settings at its close
            // (the game its user chose last), then stops answering.
            if (e.korabbi == Korabbi::Bezar) {
                kvx::IniFile f;
                f.WriteInteger("Kavarex", "Start", 3);
                f.WriteInteger("Kavarex", "Game", 2);
                ASSERT_TRUE(f.SaveToFile(ini.toStdString()));
                QTimer::singleShot(50, [&] { korabbi.reset(); });
            } else if (e.korabbi == Korabbi::Elutasit) {
                korabbi->KilepesElutasitas();
            }
        });

        // The check before any window: no "-r", so the main window asks.
        kvx::platform::FutoPeldany uj(teszNev("masik"));
        kvx::PeldanyEllenorzes(uj, {});
        ASSERT_TRUE(kvx::mainState().MasikPeldanyFut);

        kvx::teszt::Valaszolo valaszolo(
            {e.korabbi == Korabbi::Nem ? QStringLiteral("Nem") : QStringLiteral("Igen"), QStringLiteral("OK")});
        window_ = std::make_unique<TFoablak>(QDir(k).filePath("kavarex"), QStringList{}, &uj, e.varakozasMs);
        // Give a stray request time to arrive on No.
        QTest::qWait(e.korabbi == Korabbi::Nem ? 200 : 0);
        const bool atvette = e.korabbi == Korabbi::Bezar;
        ASSERT_GE(valaszolo.Latott.size(), 1);
        EXPECT_TRUE(valaszolo.Latott[0].Szoveg.startsWith(
            QStringLiteral("Már fut egy példánya a Kavarex Personal programnak.")));
        EXPECT_EQ(kvx::mainState().Kilepes, !atvette);
        EXPECT_EQ(window_->MasikPeldanyMiattKilep(), !atvette);
        EXPECT_EQ(kerve, e.korabbi == Korabbi::Nem ? 0 : 1);
        EXPECT_EQ(uj.Figyelo(), atvette);
        if (e.korabbi != Korabbi::Nem) {
            EXPECT_TRUE(varakozoLatszott);
            EXPECT_TRUE(varakozoSzoveg.startsWith(QString::fromUtf8(kvx::kPeldanyBezarasVarakozas)))
                << varakozoSzoveg.toStdString();
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<kvx::TUzenetAblak*>(w) && w->isVisible());
        const bool nemZart = e.korabbi == Korabbi::Elutasit || e.korabbi == Korabbi::Hallgat;
        ASSERT_EQ(valaszolo.Latott.size(), nemZart ? 2 : 1);
        if (nemZart) {
            EXPECT_EQ(valaszolo.Latott[1].Szoveg.toStdString(),
                      QString::fromUtf8(kvx::kPeldanyNemZartBeUzenet)
                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                          .toStdString());
        }
        if (atvette) {
            // The settings the earlier instance left are the ones read.
            EXPECT_EQ(kvx::game().LottoIndex, 2);
            FormokLetrehozasa(*window_);
            EXPECT_FALSE(kvx::mainState().Kilepes);
            EXPECT_EQ(valaszolo.Latott.size(), 1);
        } else {
            // Nothing was written: not even the INI file of a first start.
            const QStringList maradt = QDir(k).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            EXPECT_EQ(maradt.join(u' ').toStdString(), "");
        }
        window_.reset();
        korabbi.reset();
    }
}

// At start the files a killed earlier run left under its writers' temporary
// names go; a write of another running process and the backups stay.
TEST_F(ProgramShellTest, StartRemovesTheTemporaryFilesAKilledRunLeft)
{
    const QString halott = QStringLiteral(".tmp%1.0123456789abcdef").arg(QCoreApplication::applicationPid());
    const QString elo = QStringLiteral(".tmp%1.0123456789abcdef").arg(::getppid());
    const QStringList maradek = {QStringLiteral("Back/backOtos.tip.uj"), QStringLiteral("Dat/Huzas5.ldb") + halott,
                                 QStringLiteral("kavarex.ini") + halott};
    const QStringList marad = {QStringLiteral("Back/backOtos.tip"), QStringLiteral("Back/backOtos3.tip"),
                               QStringLiteral("Dat/Huzas6.ldb") + elo};
    for (const QString& n : maradek + marad)
        ir(n, "x");
    ablak();
    FormokLetrehozasa(*window_);
    for (const QString& n : maradek)
        EXPECT_FALSE(QFile::exists(dir_.filePath(n))) << n.toStdString();
    for (const QString& n : marad)
        EXPECT_TRUE(QFile::exists(dir_.filePath(n))) << n.toStdString();
}

// A restart asked for by the program itself ("-r") waits for the earlier
// instance; one that is still there after the wait is asked about like any
// other, so two instances never work on one folder.
TEST_F(ProgramShellTest, RestartArgumentWaitsForTheEarlierInstanceAndNeverRunsBesideIt)
{
    kvx::platform::FutoPeldany uj(teszNev("ujra"));
    kvx::PeldanyEllenorzes(uj, {QStringLiteral("-r"), QStringLiteral("16")});
    EXPECT_FALSE(kvx::mainState().MasikPeldanyFut);

    kvx::platform::FutoPeldany marad(teszNev("ujra"));
    ASSERT_TRUE(marad.Figyel());
    kvx::PeldanyEllenorzes(uj, {QStringLiteral("-r"), QStringLiteral("16")});
    EXPECT_TRUE(kvx::mainState().MasikPeldanyFut);
}

// The program body runs on the test's folder and instance name; `munka`
// runs once the main window is up, with the main window. What a restart
// starts is recorded with what could be seen at that moment.
class ProgramUjrainditasTest : public ProgramShellTest {
protected:
    struct Inditas {
        QString Program;
        QStringList Parameterek;
        bool FoablakVan;    // a main window still existed
        bool PeldanyFelel;  // something answered on the instance name
    };

    int futtatas(const std::function<void(TFoablak&)>& munka)
    {
        kvx::FuttatasBeallitasok b;
        b.PeldanyNev = teszNev("ujrainditas");
        b.ProgramAllomany = dir_.filePath("kavarex");
        b.ProgramInditas = [this, nev = b.PeldanyNev](const QString& program, const QStringList& param) {
            bool foablak = false;
            for (QWidget* w : QApplication::topLevelWidgets())
                foablak = foablak || qobject_cast<TFoablak*>(w);
            inditasok_.push_back({program, param, foablak, kvx::platform::FutoPeldany(nev).MasikPeldanyFut()});
            return true;
        };
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* f = qobject_cast<TFoablak*>(w)) {
                    kvx::Program::aktualis().Kerdes = [this](const QString& q) {
                        kerdesek_ << q;
                        return valasz_;
                    };
                    kvx::Program::aktualis().HibaUzenet = [this](const QString& q) { hibak_ << q; };
                    munka(*f);
                    return;
                }
            ADD_FAILURE() << "no main window";
            QCoreApplication::quit();
        });
        return kvx::ProgramFuttatas(program_, {}, b);
    }
    // Seven marked numbers of 5/90: unsaved work worth a backup.
    static void hetSzam()
    {
        kvx::settings().BiztonsagiMentes = true;
        kvx::settings().BackTipus = "tip";
        for (int n : {4, 8, 15, 16, 23, 42, 77})
            szelvenyek().Foszelveny->SzamJeloles(n, kvx::ModKijelolt, false);
    }
    std::vector<Inditas> inditasok_;
};

// The restart closes the way "Kilépés" does: the unsaved-work question and
// its backup, the settings written with the new size; the new instance is
// started only once the old one has no window left and no longer answers.
TEST_F(ProgramUjrainditasTest, ClosesLikeKilepesAndStartsTheNewInstanceOnlyAfterTheOldHasEnded)
{
    kvx::teszt::Valaszolo valaszolo({QStringLiteral("Igen")});
    const int kod = futtatas([](TFoablak& f) {
        hetSzam();
        f.MeretValtas(4);
    });
    EXPECT_EQ(kod, 0);
    ASSERT_EQ(valaszolo.Latott.size(), 1);
    EXPECT_TRUE(valaszolo.Latott[0].Szoveg.startsWith(QStringLiteral("Program újraindítása - ablakok méretének növelése")));
    ASSERT_EQ(kerdesek_.size(), 1) << kerdesek_.join('|').toStdString();
    EXPECT_TRUE(kerdesek_[0].contains(QStringLiteral("Biztos törli"))) << kerdesek_[0].toStdString();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(kvx::BackAllomany(kvx::folders(), 0, "", "tip"))));
    kvx::IniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(kvx::folders().IniAllomany));
    EXPECT_EQ(ini.ReadInteger("Kavarex", "Size", 0), 16);

    ASSERT_EQ(inditasok_.size(), 1u);
    EXPECT_EQ(inditasok_[0].Program, dir_.filePath("kavarex"));
    EXPECT_EQ(inditasok_[0].Parameterek, (QStringList{QStringLiteral("-r"), QStringLiteral("16")}));
    EXPECT_FALSE(inditasok_[0].FoablakVan);
    EXPECT_FALSE(inditasok_[0].PeldanyFelel);
}

// "Nem" to the unsaved-work question keeps the old instance as it was: its
// window, its numbers, its text size; nothing is started, and a later
// ordinary close does not restart either.
TEST_F(ProgramUjrainditasTest, RefusedCloseKeepsTheOldInstanceWithItsWork)
{
    kvx::teszt::Valaszolo valaszolo({QStringLiteral("Igen")});
    valasz_ = false;
    const int kod = futtatas([this](TFoablak& f) {
        hetSzam();
        const std::int32_t meret = kvx::settings().BetuMeret;
        f.MeretValtas(4);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 7);
        EXPECT_FALSE(kvx::mainState().Kilepes);
        EXPECT_EQ(kvx::settings().BetuMeret, meret);
        EXPECT_FALSE(f.UjrainditasMeret());
        EXPECT_TRUE(inditasok_.empty());
        EXPECT_EQ(kerdesek_.size(), 1);
        // Kilépés now: the same question, answered Igen this time.
        valasz_ = true;
        f.close();
    });
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(kerdesek_.size(), 2);
    EXPECT_TRUE(inditasok_.empty());
    kvx::IniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(kvx::folders().IniAllomany));
    EXPECT_NE(ini.ReadInteger("Kavarex", "Size", 0), 16);
}

// A new text size chosen in the settings window: the question about the
// unsaved numbers comes before the restart's own, and a No to either keeps
// the settings window open and the program as it was.
TEST_F(ProgramUjrainditasTest, TextSizeAsksAboutTheNumbersFirstAndANoKeepsTheSettingsOpen)
{
    kvx::teszt::Valaszolo valaszolo({QStringLiteral("Nem")});
    const int kod = futtatas([this, &valaszolo](TFoablak& f) {
        hetSzam();
        TBeallitasok* b = formok().Beallitasok;
        ASSERT_NE(b, nullptr);
        b->BeallitasokStart(true);
        ASSERT_TRUE(b->isVisible());
        // How many boxes had been seen when each numbers question came.
        QList<qsizetype> dobozokKerdeskor;
        kvx::Program::aktualis().Kerdes = [&](const QString& q) {
            kerdesek_ << q;
            dobozokKerdeskor << valaszolo.Latott.size();
            return valasz_;
        };
        // However the checks end, the program closes (answering Igen).
        struct Vegul {
            std::function<void()> Munka;
            ~Vegul() { Munka(); }
        } bezaras{[this, &f] {
            valasz_ = true;
            kvx::Program::aktualis().Kerdes = [this](const QString& q) {
                kerdesek_ << q;
                return valasz_;
            };
            f.close();
        }};
        const auto meret = [b](int i) {
            b->MeretvaltasBox->setCurrentIndex(i);
            emit b->MeretvaltasBox->activated(i);
        };
        const int index = (kvx::settings().BetuMeret - 8) / 2 == 4 ? 3 : 4;

        valasz_ = false;
        meret(index);
        ASSERT_EQ(kerdesek_.size(), 1);
        EXPECT_TRUE(kerdesek_[0].contains(QStringLiteral("Biztos törli"))) << kerdesek_[0].toStdString();
        EXPECT_TRUE(valaszolo.Latott.isEmpty());  // no restart question after a No
        EXPECT_TRUE(b->isVisible());

        valasz_ = true;
        meret(index);
        ASSERT_EQ(kerdesek_.size(), 2);
        EXPECT_EQ(dobozokKerdeskor[1], 0);  // the numbers first
        ASSERT_EQ(valaszolo.Latott.size(), 1);
        EXPECT_TRUE(valaszolo.Latott[0].Szoveg.startsWith(QStringLiteral("Program újraindítása - ablakok méretének ")));
        EXPECT_TRUE(b->isVisible());
        EXPECT_TRUE(f.isVisible());
        if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
            b->grab().save(QDir(d).filePath(QStringLiteral("beallitasok_ujrainditas_nem.png")));
        EXPECT_FALSE(f.UjrainditasMeret());
        EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 7);
        EXPECT_TRUE(inditasok_.empty());
    });
    EXPECT_EQ(kod, 0);
    EXPECT_TRUE(inditasok_.empty());
}

TEST_F(ProgramShellTest, DatabaseOfTheGameIsLoadedOnceEveryWindowExists)
{
    // Three draws of game 0 in the program's data folder.
    const std::string adatbazis = kvx::teszt::haromHuzasAdatbazis(dir_.path());
    ASSERT_FALSE(adatbazis.empty());

    ablak();
    ASSERT_EQ(kvx::game().LottoIndex, 0);
    EXPECT_FALSE(kvx::draws().AdatbazisBetoltve);  // not before the windows exist
    kvx::huzSzama().LHuzSzamaUtolso = 1;
    FormokLetrehozasa(*window_);
    EXPECT_TRUE(kvx::draws().AdatbazisBetoltve);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 3);
    EXPECT_EQ(kvx::folders().AktualisAdatbazis[0], adatbazis);
    // The ranges start anew over the loaded draws.
    EXPECT_EQ(kvx::huzSzama().HuzSzamaUtolso, 3);
    EXPECT_EQ(kvx::huzSzama().LHuzSzamaUtolso, 3);

    // The commands that need the draws follow the database.
    const auto parancsok = [this](bool van) {
        const std::pair<kvx::ParancsId, const char*> nevek[] = {
            {kvx::ParancsId::Listzs3, " Húzások listája "},
            {kvx::ParancsId::Hnyszorhztk1, " Hányszor húzták a számokat "},
            {kvx::ParancsId::Hnyhzsta1, " Hány húzás óta nem sorsolták a számokat "},
        };
        for (const auto& [nev, tipp] : nevek) {
            SCOPED_TRACE(nev);
            const QAction* a = window_->Akcio(nev);
            EXPECT_EQ(a->isEnabled(), van);
            EXPECT_EQ(a->toolTip(), van ? QString::fromUtf8(tipp) : QStringLiteral(" Hiányzik a húzások listája "));
        }
    };
    parancsok(true);
    window_->Akcio(kvx::ParancsId::Hnyszorhztk1)->trigger();

    // A game without a database file: the old draws go, and no box appears.
    window_->LottoSelect(1);
    EXPECT_FALSE(kvx::draws().AdatbazisBetoltve);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 0);
    EXPECT_TRUE(hibak_.isEmpty());
    parancsok(false);
    EXPECT_TRUE(window_->Akcio(kvx::ParancsId::Normlalak1)->isChecked());
    window_->LottoSelect(0);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 3);
    parancsok(true);
}

// The first start of the program over an older version's folder: the old
// files go (lists into the List folder), the game folders move into Lotto,
// a folder whose new place holds files already is reported and left as it is.
TEST_F(ProgramShellTest, FirstStartMovesTheOlderVersionsFilesAndFolders)
{
    const auto olvas = [this](const QString& nev) {
        QFile f(dir_.filePath(nev));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nincs>");
    };
    ir(QStringLiteral("teszt0.tip"), "t");
    ir(QStringLiteral("back.top"), "b");
    ir(QStringLiteral("huzlist.rtf"), "lista");
    ir(QStringLiteral("Otos/elso.tip"), "otos");
    ir(QStringLiteral("Hatos/regi.tip"), "regi");
    ir(QStringLiteral("Lotto/Hatos/uj.tip"), "uj");

    ablak();
    FormokLetrehozasa(*window_);

    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("teszt0.tip"))));
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("back.top"))));
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("huzlist.rtf"))));
    EXPECT_EQ(olvas(QStringLiteral("List/huzlist.rtf")), QByteArray("lista"));
    // The current game's folder made at start gave way to the old one.
    EXPECT_EQ(olvas(QStringLiteral("Lotto/Otos/elso.tip")), QByteArray("otos"));
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(QStringLiteral("Otos"))));
    EXPECT_EQ(olvas(QStringLiteral("Hatos/regi.tip")), QByteArray("regi"));
    EXPECT_EQ(olvas(QStringLiteral("Lotto/Hatos/uj.tip")), QByteArray("uj"));
    ASSERT_EQ(hibak_.size(), 1) << hibak_.join("|").toStdString();
    EXPECT_EQ(hibak_[0], QString::fromStdString(kvx::folders().ProgramKonyvtar) +
                             QStringLiteral("Hatos könyvtár áthelyezése sikertelen."));
    // The INI file was written after the check.
    EXPECT_TRUE(QFile::exists(QString::fromStdString(kvx::folders().IniAllomany)));
}

}  // namespace
