// Automatic backups in the running program: clearing unsaved numbers keeps
// them in the Back folder, and "Visszatöltés" brings the newest backup back
// while keeping the work it replaces.
#include "app/backups.h"
#include "app/folders.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_tiltas.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "common/binary_io.h"
#include "conditions/markers.h"
#include "conditions/number_set_file.h"
#include "tickets/number_lists.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/back_vezerlo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "valaszolo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

using Szamok = std::vector<int>;

class VisszatoltesTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        kvx::Program::aktualis().HibaUzenet = [this](const QString& q) { hibak_ << q; };
        FormokLetrehozasa(*window_);
        kvx::settings().BackTipus = "tip";
        kvx::settings().BiztonsagiMentes = true;
        kvx::settings().UzenetekLog.fill(0);
        kvx::Program::aktualis().Back().VanElmentettUtolsoBontas();
    }
    void TearDown() override { window_.reset(); }

    QAction* visszatoltes() { return window_->Akcio(kvx::ParancsId::Visszatlts1); }
    std::string ut(const char* n) const { return kvx::BackAllomany(kvx::folders(), 0, n, "tip"); }
    // Marks the numbers on an empty main ticket: unsaved work.
    void jelol(const Szamok& szamok)
    {
        for (int n : szamok)
            szelvenyek().Foszelveny->SzamJeloles(n, kvx::ModKijelolt, false);
        ASSERT_FALSE(kvx::mainState().Mentve);
    }
    Szamok ticket() const
    {
        const kvx::SzamListak& l = kvx::szamListak();
        Szamok v(l.KijeloltSzamok.begin(), l.KijeloltSzamok.begin() + l.KijeloltSzamDb());
        std::sort(v.begin(), v.end());
        return v;
    }
    // The numbers of a backup file, or nothing when there is none.
    Szamok fajl(const std::string& utvonal)
    {
        if (!QFile::exists(QString::fromStdString(utvonal)))
            return {};
        kvx::SzamsorOlvasasKornyezet env;
        env.Jatek = &kvx::game();
        kvx::FeltetelRekordok f;
        kvx::FeltetelekRekordokReset(f, kvx::game());
        env.Feltetelek = &f;
        const kvx::SzamsorOlvasasEredmeny r = kvx::SzamsorBetoltese(utvonal, env, nullptr);
        EXPECT_TRUE(r.Ok) << r.Uzenet;
        Szamok v;
        for (std::uint8_t n : r.Kep.KijeloltSzamok)
            if (n)
                v.push_back(n);
        std::sort(v.begin(), v.end());
        return v;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    QStringList hibak_;
};

const Szamok A{1, 2, 3, 4, 5, 6};
const Szamok W{11, 12, 13, 14, 15, 16};

TEST_F(VisszatoltesTest, ClearingUnsavedNumbersKeepsThemAndOneLineIsNotKept)
{
    EXPECT_FALSE(visszatoltes()->isEnabled());
    EXPECT_EQ(visszatoltes()->toolTip(), QStringLiteral(" Nincs visszatölthető állomány "));
    // One line of 5/90 is not worth a backup.
    jelol({1, 2, 3, 4, 5});
    window_->Akcio(kvx::ParancsId::Mind1)->trigger();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ut(""))));

    // While a run or a statistic holds the program (its commands, the
    // statistics button among them, are off) nothing is written.
    jelol(W);
    {
        const kvx::AblakTiltas tiltas = kvx::AblakTiltas::MindenMasAblak(nullptr);
        window_->Akcio(kvx::ParancsId::Mind1)->trigger();
    }
    EXPECT_TRUE(ticket().empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ut(""))));

    jelol(A);
    window_->Akcio(kvx::ParancsId::Mind1)->trigger();
    EXPECT_TRUE(ticket().empty());
    EXPECT_EQ(fajl(ut("")), A);
    EXPECT_TRUE(visszatoltes()->isEnabled());
    EXPECT_EQ(visszatoltes()->toolTip(), QStringLiteral(" Utolsó (nem mentett) számsor visszatöltése "));
    // The backup did not make the work count as saved elsewhere.
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();
}

TEST_F(VisszatoltesTest, RestoreWithoutWorkOrOlderBackupEndsTheCommand)
{
    jelol(A);
    window_->Akcio(kvx::ParancsId::Mind1)->trigger();
    visszatoltes()->trigger();
    EXPECT_EQ(ticket(), A);
    EXPECT_FALSE(visszatoltes()->isEnabled());
    EXPECT_EQ(visszatoltes()->toolTip(), QStringLiteral(" Visszatöltés sikeres "));
    EXPECT_EQ(fajl(ut("")), A);
    EXPECT_TRUE(fajl(ut("1")).empty());
}

// The newest backup A is loaded, not an older one, and the unsaved work W
// takes its place, so a second restore brings W back and a third A again.
TEST_F(VisszatoltesTest, RestoreKeepsTheNewestBackupAndTwiceReturnsToTheStart)
{
    for (bool regebbi : {false, true}) {
        SCOPED_TRACE(regebbi ? "with an older backup" : "without an older backup");
        window_->Akcio(kvx::ParancsId::Mind1)->trigger();
        QFile::remove(QString::fromStdString(ut("1")));
        if (regebbi) {
            // B is written first, then A replaces it as the newest.
            jelol({21, 22, 23, 24, 25, 26});
            window_->Akcio(kvx::ParancsId::Mind1)->trigger();
            ASSERT_TRUE(QFile::rename(QString::fromStdString(ut("")), QString::fromStdString(ut("1"))));
        }
        jelol(A);
        window_->Akcio(kvx::ParancsId::Mind1)->trigger();
        ASSERT_EQ(fajl(ut("")), A);

        jelol(W);
        visszatoltes()->trigger();
        EXPECT_EQ(ticket(), A);
        EXPECT_EQ(fajl(ut("")), W);
        EXPECT_EQ(fajl(ut("1")), A);
        EXPECT_TRUE(visszatoltes()->isEnabled());

        visszatoltes()->trigger();
        EXPECT_EQ(ticket(), W);
        visszatoltes()->trigger();
        EXPECT_EQ(ticket(), A);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(ut("2"))));
    }
    EXPECT_TRUE(hibak_.isEmpty()) << hibak_.join('|').toStdString();
}

// A backup that cannot be written stops the clearing: after the writer's
// message the user is told why and asked; No keeps every number, Yes clears
// them. The older generation stays as it was either way.
TEST_F(VisszatoltesTest, AFailedBackupStopsTheClearingUntilTheUserSaysSo)
{
    namespace fs = std::filesystem;
    const std::string back = kvx::folders().BackKonyvtar;
    const std::string backMappa = back.substr(0, back.size() - 1);
    struct Akadaly {
        const char* nev;
        const char* ok;  // the reason the question gives
        bool iroUzenete;  // the writer failed and said so (else the set could not take its name)
        std::function<void()> allit, bont;
    };
    const Akadaly akadalyok[] = {
        {"the Back folder is a file", "mappa nem érhető el.", true,
         [&] {
             fs::rename(backMappa, backMappa + ".el");
             ASSERT_TRUE(kvx::writeFileAtomic(backMappa, std::string_view("x")));
         },
         [&] {
             fs::remove(backMappa);
             fs::rename(backMappa + ".el", backMappa);
         }},
        {"a folder in the backup's way", "állomány nem írható.", false,
         [&] {
             fs::remove(ut(""));
             fs::create_directories(ut("") + "/x");
         },
         [&] { fs::remove_all(ut("")); }},
    };
    const Szamok B{21, 22, 23, 24, 25, 26};
    for (const Akadaly& a : akadalyok) {
        for (const bool megis : {false, true}) {
            SCOPED_TRACE(::testing::Message() << a.nev << (megis ? ", deleted anyway" : ", kept"));
            // An older generation B, then unsaved work A.
            kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
            jelol(B);
            window_->Akcio(kvx::ParancsId::Mind1)->trigger();
            ASSERT_TRUE(QFile::rename(QString::fromStdString(ut("")), QString::fromStdString(ut("1"))));
            jelol(A);
            a.allit();
            QStringList kerdesek;
            kvx::Program::aktualis().Kerdes = [&](const QString& q) {
                kerdesek << q;
                return kerdesek.size() == 1 || megis;
            };
            hibak_.clear();
            window_->Akcio(kvx::ParancsId::Mind1)->trigger();
            a.bont();

            EXPECT_EQ(hibak_, a.iroUzenete
                                  ? QStringList{QStringLiteral("Hiba történt a számsor állományának mentése során.")}
                                  : QStringList{});
            ASSERT_EQ(kerdesek.size(), 2);
            EXPECT_TRUE(kerdesek[1].startsWith(QStringLiteral("Nem sikerült a biztonsági mentés.\r\n")));
            EXPECT_TRUE(kerdesek[1].contains(QString::fromUtf8(a.ok))) << kerdesek[1].toStdString();
            EXPECT_TRUE(kerdesek[1].endsWith(QStringLiteral("Mégis törli a számsort?")));
            EXPECT_EQ(ticket(), megis ? Szamok{} : A);
            EXPECT_EQ(fajl(ut("1")), B);
            EXPECT_FALSE(QFile::exists(QString::fromStdString(ut(""))));
            EXPECT_TRUE(QDir(QString::fromStdString(back)).entryList({QStringLiteral("*.uj")}).isEmpty());
            kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
            window_->Akcio(kvx::ParancsId::Mind1)->trigger();
            QFile::remove(QString::fromStdString(ut("")));
            QFile::remove(QString::fromStdString(ut("1")));
        }
    }
}

// The question after a failed backup is the warning box whose default
// button is No: Enter keeps the numbers.
TEST_F(VisszatoltesTest, AFailedBackupQuestionDefaultsToKeepingTheWork)
{
    jelol(A);
    std::filesystem::create_directories(ut("") + "/x");
    kvx::Program::aktualis().Kerdes = [](const QString& q) { return kvx::FigyelmeztetoKerdes(q); };
    // Yes to the clearing question, then Enter on the backup's question.
    kvx::teszt::Valaszolo valaszolo({QStringLiteral("Igen")});
    QTimer enter;
    QStringList latott;
    QObject::connect(&enter, &QTimer::timeout, [&] {
        auto* mb = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!mb || !mb->text().startsWith(QStringLiteral("Nem sikerült a biztonsági mentés.")))
            return;
        latott << mb->defaultButton()->text();
        QTest::keyClick(mb, Qt::Key_Return);
    });
    enter.start(10);
    window_->Akcio(kvx::ParancsId::Mind1)->trigger();
    EXPECT_EQ(latott, QStringList{QStringLiteral("Nem")});
    EXPECT_EQ(ticket(), A);
}

}  // namespace
