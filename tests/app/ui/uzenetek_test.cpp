#include "app/ui/uzenetek.h"
#include "app/ui/program.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/workers.h"
#include "valaszolo.h"

namespace kvx {
namespace {

using teszt::varj;

using teszt::Valaszolo;

class UzenetekTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        mentett_ = uzenetBeallitasok();
        uzenetBeallitasok().UzenetekLog = &tippek_;
        tippek_.fill(1);
    }
    void TearDown() override { uzenetBeallitasok() = mentett_; }

    UzenetBeallitasok mentett_;
    std::array<std::uint8_t, 36> tippek_{};
};

TEST_F(UzenetekTest, QuestionFromWorkerIsAnsweredOnTheGuiThread)
{
    for (int meret : {0, 2}) {
        uzenetBeallitasok().MeretIndex = meret;
        uzenetBeallitasok().MeretSzorzo = meret == 0 ? 1.0 : 1.5;
        for (const char* felirat : {"Nem", "Igen"}) {
            Valaszolo v({QString::fromUtf8(felirat)});
            SzalNyilvantartas ny;
            std::atomic<int> valasz{-1};
            std::atomic<bool> guiSzalonKerdezett{true};
            ny.Indit([&](std::stop_token) {
                guiSzalonKerdezett = QThread::currentThread() == qApp->thread();
                valasz = JovahagyasKerdes(QStringLiteral("Biztosan?")) ? 1 : 0;
            });
            ASSERT_TRUE(varj([&] { return valasz.load() >= 0; })) << meret << felirat;
            EXPECT_FALSE(guiSzalonKerdezett.load());
            EXPECT_EQ(valasz.load(), QString::fromUtf8(felirat) == "Igen" ? 1 : 0);
            ASSERT_EQ(v.Latott.size(), 1);
            EXPECT_EQ(v.Latott[0].Cim, QStringLiteral(" Jóváhagyás kérése"));
            EXPECT_TRUE(v.Latott[0].Gombok.contains("Igen"));
            EXPECT_TRUE(v.Latott[0].Gombok.contains("Nem"));
            EXPECT_TRUE(v.Latott[0].Szoveg.startsWith("Biztosan?"));
            EXPECT_EQ(v.Latott[0].ObjektumNev, meret == 0 ? QString() : QStringLiteral("msgdlg"));
            EXPECT_EQ(uzenetekAllapot().MsgEredmeny.load(),
                      QString::fromUtf8(felirat) == "Igen" ? mrYes : mrNo);
            ny.MindetLeallit();
        }
    }
}

TEST_F(UzenetekTest, BoxOnGuiThreadDuringARunDoesNotWait)
{
    uzenetBeallitasok().MeretIndex = 1;
    SzalNyilvantartas ny;
    ny.Indit([](std::stop_token st) {
        while (!st.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    ASSERT_FALSE(ny.Tetlen());
    Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Mégse")});
    EXPECT_TRUE(FigyelmeztetoKerdes(QStringLiteral("Folytatja?")));
    EXPECT_EQ(IgenNemMegseKerdes(QStringLiteral("Menti?")), mrCancel);
    EXPECT_EQ(v.Latott.size(), 2);
    ny.MindetLeallit();
}

// A box too large for the screen at the text size in use is not left
// unseen (answered by its default): it comes as the system-style box and the
// user's answer counts.
TEST_F(UzenetekTest, BoxThatDoesNotFitComesAsTheSystemBox)
{
    uzenetBeallitasok().MeretIndex = 3;
    uzenetBeallitasok().MeretSzorzo = 1.75;
    QString hosszu;
    for (int i = 0; i < 400; ++i) hosszu += QStringLiteral("Sor %1\r\n").arg(i);
    Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Igen"), QStringLiteral("Mégse")});
    EXPECT_TRUE(HibaKerdes(hosszu));
    EXPECT_TRUE(JovahagyasKerdes(hosszu));
    EXPECT_EQ(IgenNemMegseKerdes(hosszu), mrCancel);
    QCoreApplication::processEvents();
    ASSERT_EQ(v.Latott.size(), 3);
    for (const auto& l : v.Latott) {
        EXPECT_TRUE(l.ObjektumNev.isEmpty()) << l.ObjektumNev.toStdString();
        EXPECT_TRUE(l.Szoveg.startsWith(QStringLiteral("Sor 0")));
    }
    // A box that fits is still the program's own.
    Valaszolo r({QStringLiteral("Igen")});
    EXPECT_TRUE(HibaKerdes(QStringLiteral("Rövid kérdés?")));
    ASSERT_EQ(r.Latott.size(), 1);
    EXPECT_EQ(r.Latott[0].ObjektumNev, QStringLiteral("msgdlg"));
}

// The program's own question and error box are the warning question and the
// error box until the Program is told otherwise; then no box appears.
TEST_F(UzenetekTest, ProgramQuestionAndErrorGoToTheProgramsAnswerWhenSet)
{
    {
        Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK")});
        EXPECT_FALSE(ProgramKerdes(QStringLiteral("Folytatja?")));
        ProgramHibaUzenet(QStringLiteral("Hiba."));
        ASSERT_EQ(v.Latott.size(), 2);
        EXPECT_EQ(v.Latott[0].Cim, QStringLiteral(" Figyelmeztetés"));
        EXPECT_EQ(v.Latott[0].Szoveg, QStringLiteral("Folytatja?"));
        EXPECT_EQ(v.Latott[1].Szoveg, QStringLiteral("Hiba."));
    }
    QStringList kerdesek, hibak;
    program_.Kerdes = [&](const QString& q) {
        kerdesek << q;
        return true;
    };
    program_.HibaUzenet = [&](const QString& q) { hibak << q; };
    Valaszolo v({QStringLiteral("Nem"), QStringLiteral("OK")});
    EXPECT_TRUE(ProgramKerdes(QStringLiteral("Folytatja?")));
    ProgramHibaUzenet(QStringLiteral("Hiba."));
    QCoreApplication::processEvents();
    EXPECT_TRUE(v.Latott.isEmpty());
    EXPECT_EQ(kerdesek, QStringList{QStringLiteral("Folytatja?")});
    EXPECT_EQ(hibak, QStringList{QStringLiteral("Hiba.")});
    program_.Kerdes = nullptr;
    program_.HibaUzenet = nullptr;
}

TEST_F(UzenetekTest, GatesAnswerWithoutAWindow)
{
    uzenetBeallitasok().Jovahagyas = false;
    uzenetBeallitasok().Inform = false;
    Valaszolo v({});
    EXPECT_TRUE(JovahagyasKerese(QStringLiteral("x")));
    EXPECT_TRUE(HasznosInformacio(QStringLiteral("tipp")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(v.Latott.isEmpty());
    EXPECT_EQ(tippek_[kTippJovahagyas], 1);
}

TEST_F(UzenetekTest, ConfirmationThenItsTipOnce)
{
    uzenetBeallitasok().MeretIndex = 1;
    // Yes to the question, No to the tip: the tip flag clears.
    Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Nem")});
    EXPECT_TRUE(JovahagyasKerese(QStringLiteral("Töröl?")));
    ASSERT_EQ(v.Latott.size(), 2);
    EXPECT_EQ(v.Latott[1].Cim, QStringLiteral(" Hasznos információ"));
    EXPECT_TRUE(v.Latott[1].Szoveg.contains("Erre legközelebb is emlékeztesse a program?"));
    EXPECT_EQ(tippek_[kTippJovahagyas], 0);
    Valaszolo v2({QStringLiteral("Nem")});
    EXPECT_FALSE(JovahagyasKerese(QStringLiteral("Töröl?")));
    EXPECT_EQ(v2.Latott.size(), 1);
}

TEST_F(UzenetekTest, UnfinishedVariationNoticeComesOnceUntilDeclined)
{
    uzenetBeallitasok().MeretIndex = 1;
    tippek_[kTippJovahagyas] = 0;
    bool befejezetlen = true;
    const BontasAllapotJelzok leallitott{false, true, false};
    Valaszolo v({QStringLiteral("Nem"), QStringLiteral("Igen")});
    EXPECT_FALSE(BefejezetlenVariacioUzenet(befejezetlen, leallitott, QStringLiteral("[Stop]"), true,
                                            QStringLiteral("Mégis ellenőrzi a variációt?")));
    EXPECT_TRUE(befejezetlen);
    EXPECT_TRUE(BefejezetlenVariacioUzenet(befejezetlen, leallitott, QStringLiteral("[Stop]"), true,
                                           QStringLiteral("Mégis ellenőrzi a variációt?")));
    EXPECT_FALSE(befejezetlen);
    EXPECT_TRUE(BefejezetlenVariacioUzenet(befejezetlen, leallitott, QStringLiteral("[Stop]"), true,
                                           QStringLiteral("?")));
    EXPECT_EQ(v.Latott.size(), 2);
    EXPECT_EQ(v.Latott[0].Szoveg.left(6), QStringLiteral("[Stop]"));
}

}  // namespace
}  // namespace kvx
