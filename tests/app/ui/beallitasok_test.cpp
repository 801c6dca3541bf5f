// The settings window: the variation limit, the price, the backup switch
// and the text size.
#include "app/ui/beallitasok.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "app/ui/valaszolo.h"
#include "variation/ui/beallitasok_variacio.h"
#include "variation/ui/variacio_vezerlo.h"

#include <gtest/gtest.h>

using namespace kvx;

namespace {

class BeallitasokTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        w_ = new TBeallitasok(window_.get());
        w_->SzabadMemoria = [this] { return memoria_; };
        BeallitasokVariacioBekotese(*w_);
    }

    void Nyit(int jatek)
    {
        window_->LottoSelect(jatek);
        w_->BeallitasokStart(true);
        ASSERT_TRUE(w_->isVisible());
    }

    void Ar(const char* gepel)
    {
        w_->SzelvArEdit->setFocus();
        w_->SzelvArEdit->clear();
        QTest::keyClicks(w_->SzelvArEdit, QString::fromUtf8(gepel));
        emit w_->SzelvArEdit->editingFinished();
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    TBeallitasok* w_ = nullptr;
    std::optional<std::uint64_t> memoria_ = std::uint64_t{64} << 40;
};

TEST_F(BeallitasokTest, TheLimitIsTheFullVariationOrWhatTheMemoryHoldsAndRoundsToSteps)
{
    Nyit(0);
    EXPECT_EQ(w_->BontMaximum(), 43949268);
    EXPECT_FALSE(w_->Memo1Label->isEnabled());
    w_->close();
    memoria_ = std::uint64_t{640} << 20;
    Nyit(0);
    EXPECT_EQ(w_->BontMaximum(), 20971520);
    struct Eset {
        int allas;
        std::int64_t meret;
        const char* szoveg;
        bool memo1, memo2;
    } esetek[] = {
        {12, 1200000, "1 200 000 számsor", false, true},
        {1, 100000, "100 000 számsor", false, false},
        {w_->BontMaxMereteTB->maximum(), 20971520, "20 971 520 számsor", true, true},
    };
    for (const Eset& e : esetek) {
        w_->BontMaxMereteTB->setValue(e.allas);
        EXPECT_EQ(program_.Tar.BontEngedelyezettMeret, e.meret) << e.allas;
        EXPECT_EQ(w_->Label2->text(), QString::fromUtf8(e.szoveg));
        EXPECT_EQ(w_->Memo1Label->isEnabled(), e.memo1) << e.allas;
        EXPECT_EQ(w_->Memo2Label->isEnabled(), e.memo2) << e.allas;
    }
}

TEST_F(BeallitasokTest, TheSliderStartsAtTheVariationsPermittedSize)
{
    program_.Tar.BontEngedelyezettMeret = 1200000;
    Nyit(0);
    EXPECT_EQ(w_->Label2->text(), QString::fromUtf8("1 200 000 számsor"));
    // A permitted size above what the memory holds shows as the largest offered.
    w_->close();
    memoria_ = std::uint64_t{640} << 20;
    program_.Tar.BontEngedelyezettMeret = 43949268;
    Nyit(0);
    EXPECT_EQ(w_->BontMaxMereteTB->value(), w_->BontMaxMereteTB->maximum());
    EXPECT_EQ(w_->Label2->text(), QString::fromUtf8("20 971 520 számsor"));
}

TEST_F(BeallitasokTest, ThePriceTakesTwoDecimalsKeepsTheStoredOneWhenUnusableAndIsShared)
{
    Nyit(1);
    Ar("12,345,6");
    EXPECT_EQ(w_->SzelvArEdit->text(), QStringLiteral("12,34"));
    for (int j : {0, 1, 2})
        EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[static_cast<std::size_t>(j)], 12.34) << j;
    EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[8], 300);
    Ar("0,05");
    EXPECT_EQ(w_->SzelvArEdit->text(), QStringLiteral("12,34"));
    EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[1], 12.34);
    Ar("");
    EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[1], 12.34);
    w_->close();

    Nyit(12);
    Ar("250");
    for (int j = 8; j <= 16; ++j)
        EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[static_cast<std::size_t>(j)], 250) << j;
    w_->close();
    Nyit(30);
    Ar("2,5");
    EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[30], 2.5);
    EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[29], 2.0);
    // Ticking a box does not carry the price of one game over to the others.
    program_.Beallitasok.JegyAr[0] = 350;
    w_->close();
    Nyit(1);
    w_->SoundCheckBox->click();
    EXPECT_DOUBLE_EQ(program_.Beallitasok.JegyAr[0], 350);
}

TEST_F(BeallitasokTest, BackupsOffWarnDisableTheVariationBoxAndPrefixDeleteQuestions)
{
    Nyit(0);
    {
        teszt::Valaszolo v({QStringLiteral("OK")});
        w_->BackLogCheck->click();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(QStringLiteral("Amennyiben letiltja")));
    }
    EXPECT_FALSE(program_.Beallitasok.BiztonsagiMentes);
    EXPECT_FALSE(w_->BackTipusaGomb->isEnabled());
    EXPECT_EQ(program_.Variacio().TorlesKornyezet().BackFigyelmeztetes, "Nem készül biztonsági másolat\r\n\r\n");
    // Reset ticks everything again.
    w_->ResetGombClick();
    EXPECT_TRUE(program_.Beallitasok.BiztonsagiMentes);
    EXPECT_EQ(program_.Variacio().TorlesKornyezet().BackFigyelmeztetes, "");
}

TEST_F(BeallitasokTest, AnotherTextSizeGoesToTheRestartAndTheBoxKeepsTheSizeInUse)
{
    Nyit(0);
    QSignalSpy spy(w_, &TBeallitasok::meretValtas);
    w_->MeretvaltasBox->setCurrentIndex(2);
    emit w_->MeretvaltasBox->activated(2);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.front().front().toInt(), 2);
    EXPECT_EQ(w_->MeretvaltasBox->currentIndex(), (program_.Beallitasok.BetuMeret - 8) / 2);
    // The size in use is offered again: no signal.
    emit w_->MeretvaltasBox->activated((program_.Beallitasok.BetuMeret - 8) / 2);
    EXPECT_EQ(spy.size(), 1);
}

}  // namespace
