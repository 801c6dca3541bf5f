// The main ticket's "Véletlen számok" command in the running program: the
// count dialog in its numbers mode, the random numbers it marks, and the
// last free number taken without a dialog.
#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "draws/ui/velszam.h"
#include "tickets/number_lists.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

using namespace kvx;

class VeletlenSzamokTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        uzenetBeallitasok().Jovahagyas = false;
        settings().UzenetekLog.fill(0);
    }
    void TearDown() override { window_.reset(); }
    QAction* parancs() const { return window_->Akcio(ParancsId::Vletlenszmok1); }
    // Answers the count dialog when it opens: types the count (empty: keeps
    // the one offered) and presses the button; records what it showed.
    void valasz(const QString& szam, bool kijeloles)
    {
        TVelSzam* d = formok().VelSzam;
        QTimer::singleShot(0, d, [this, d, szam, kijeloles] {
            lathato_ = d->isVisible();
            cim_ = d->windowTitle();
            cimke_ = d->VelSzamBeCimke->text();
            tipp_ = d->VelSzamBeUD->toolTip();
            QLineEdit* e = d->VelSzamBeUD->findChild<QLineEdit*>();
            hossz_ = e->maxLength();
            if (!szam.isEmpty()) {
                e->selectAll();
                QTest::keyClicks(e, szam);
            }
            QTest::mouseClick(kijeloles ? d->KijelolesGomb : d->MegseGomb, Qt::LeftButton);
        });
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    bool lathato_ = false;
    QString cim_, cimke_, tipp_;
    int hossz_ = 0;
};

TEST_F(VeletlenSzamokTest, CountDialogMarksThatManyFreeNumbers)
{
    // 5/90 with two selected and one fixed number: 87 are free.
    for (int n : {10, 20})
        SzamJeloles(szamListak(), game(), mainState(), n, ModKijelolt, false);
    SzamJeloles(szamListak(), game(), mainState(), 30, ModFix, false);
    ASSERT_TRUE(parancs()->isEnabled());

    valasz(QStringLiteral("7"), true);
    parancs()->trigger();
    EXPECT_TRUE(lathato_);
    EXPECT_EQ(cim_, QStringLiteral(" Véletlen számok"));
    EXPECT_EQ(cimke_, QStringLiteral("Véletlen számok mennyisége"));
    EXPECT_EQ(tipp_, QStringLiteral(" Minimum: 1\r\n Maximum: 87 "));
    EXPECT_EQ(hossz_, 2);
    const SzamListak& l = szamListak();
    EXPECT_EQ(l.KijeloltSzamDb(), 9);
    EXPECT_EQ(l.FixSzamDb(), 1);
    ASSERT_EQ(l.VeletlenSzamDb(), 7);
    const std::set<int> uj(l.VeletlenSzamok.begin(), l.VeletlenSzamok.end());
    EXPECT_EQ(uj.size(), 7u);
    for (int n : {10, 20, 30})
        EXPECT_FALSE(uj.count(n)) << n;

    // Cancelled, nothing changes.
    valasz(QString(), false);
    parancs()->trigger();
    EXPECT_EQ(l.KijeloltSzamDb(), 9);
    EXPECT_EQ(l.VeletlenSzamDb(), 7);

    // A count above the free numbers is read as the most there are.
    valasz(QStringLiteral("99"), true);
    parancs()->trigger();
    EXPECT_EQ(tipp_, QStringLiteral(" Minimum: 1\r\n Maximum: 80 "));
    EXPECT_EQ(l.KijeloltSzamDb() + l.FixSzamDb(), 90);
    EXPECT_FALSE(parancs()->isEnabled());
    EXPECT_EQ(parancs()->statusTip(), QStringLiteral(" Minden szám kijelölve "));
}

TEST_F(VeletlenSzamokTest, LastFreeNumberIsMarkedWithoutTheDialog)
{
    for (int n = 1; n <= 90; ++n)
        if (n != 44)
            SzamJeloles(szamListak(), game(), mainState(), n, ModKijelolt, false);
    ASSERT_EQ(szamListak().KijeloltSzamDb(), 89);
    // Any dialog would stay open: the test would hang on it, so a timer
    // notes one and closes it.
    valasz(QString(), false);
    parancs()->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(lathato_);
    EXPECT_EQ(szamListak().VeletlenSzamok, (TTombByte1D{44}));
}

}  // namespace
