// The program body's services on the offscreen platform: the running-instance
// hand-over and the draws database loaded once every window exists.
#include "app/folders.h"
#include "app/ui/program.h"
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/inditas.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"
#include "platform/instance.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "harom_huzas.h"

#include <memory>
#include <utility>

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
        window_->Kerdes = [this](const QString& q) {
            kerdesek_ << q;
            return valasz_;
        };
        window_->HibaUzenet = [this](const QString& q) { hibak_ << q; };
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

TEST_F(ProgramShellTest, AnotherInstanceIsAskedAboutAndEndedOnlyOnYes)
{
    for (const bool igen : {false, true}) {
        SCOPED_TRACE(igen);
        kvx::platform::FutoPeldany korabbi(teszNev("masik"));
        ASSERT_TRUE(korabbi.Figyel());
        QSignalSpy kilepesKeres(&korabbi, &kvx::platform::FutoPeldany::KilepesKerve);

        // The check before any window: no "-r", so the question waits for Betoltes.
        kvx::platform::FutoPeldany uj(teszNev("masik"));
        kvx::PeldanyEllenorzes(uj, {});
        ASSERT_TRUE(kvx::mainState().MasikPeldanyFut);

        kerdesek_.clear();
        valasz_ = igen;
        ablak();
        window_->PeldanyFigyeles(&uj);
        FormokLetrehozasa(*window_);
        ASSERT_EQ(kerdesek_.size(), 1);
        EXPECT_TRUE(kerdesek_[0].startsWith(QStringLiteral("Már fut egy példánya a Kavarex Personal programnak.")));
        // The request travels over the socket: wait for it on Yes (a loaded
        // or sanitizer build takes far longer than a few milliseconds), give
        // a stray one time to arrive on No.
        if (igen)
            kilepesKeres.wait(5000);
        else
            QTest::qWait(200);
        // No: this instance ends and the earlier one hears nothing.
        EXPECT_EQ(kvx::mainState().Kilepes, !igen);
        EXPECT_EQ(kilepesKeres.count(), igen ? 1 : 0);
        EXPECT_EQ(kvx::mainState().MasikPeldanyFut, !igen);
        window_.reset();
    }
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
        const std::pair<const char*, const char*> nevek[] = {
            {"Listzs3", " Húzások listája "},
            {"Hnyszorhztk1", " Hányszor húzták a számokat "},
            {"Hnyhzsta1", " Hány húzás óta nem sorsolták a számokat "},
        };
        for (const auto& [nev, tipp] : nevek) {
            SCOPED_TRACE(nev);
            const QAction* a = window_->Akcio(QString::fromUtf8(nev));
            EXPECT_EQ(a->isEnabled(), van);
            EXPECT_EQ(a->toolTip(), van ? QString::fromUtf8(tipp) : QStringLiteral(" Hiányzik a húzások listája "));
        }
    };
    parancsok(true);
    window_->Akcio(QStringLiteral("Hnyszorhztk1"))->trigger();

    // A game without a database file: the old draws go, and no box appears.
    window_->LottoSelect(1);
    EXPECT_FALSE(kvx::draws().AdatbazisBetoltve);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 0);
    EXPECT_TRUE(hibak_.isEmpty());
    parancsok(false);
    EXPECT_TRUE(window_->Akcio(QStringLiteral("Normlalak1"))->isChecked());
    window_->LottoSelect(0);
    EXPECT_EQ(kvx::draws().HuzasokSzama, 3);
    parancsok(true);
}

// The first start of the program over an older version's folder: the old
// files go (lists into the List folder), the game folders move into Lotto,
// a folder whose new place holds files already is reported and left as it is.
TEST_F(ProgramShellTest, FirstStartMovesTheOlderVersionsFilesAndFolders)
{
    const auto ir = [this](const QString& nev, const QByteArray& tartalom) {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(nev)).path()));
        QFile f(dir_.filePath(nev));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tartalom);
    };
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
