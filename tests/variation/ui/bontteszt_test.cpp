// The variation test on the variation's windows without the main window,
// against a small draws database: a test window taller than the screen,
// and the full test judging the lines against the conditions.
#include "variation/ui/bontteszt.h"

#include "app/folders.h"
#include "app/game_table.h"
#include "app/settings.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "variation/ui/bontas.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/bontteszt_alap.h"
#include "variation/ui/variacio_ablakok.h"


#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

using kvx::teszt::kepUtvonal;

using kvx::teszt::futas::varj;

class BontTesztTest : public kvx::teszt::BontTesztAlap<kvx::teszt::VariacioAblakok> {};

// A test window left taller than the screen's work area warns at the start,
// as every resizable window does, and once told not to remind, it is quiet.
TEST_F(BontTesztTest, ATestWindowTallerThanTheScreenWarnsUntilToldNotTo)
{
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    settings().UzenetekLog[17] = 1;
    const QRect munka = teszt_->screen()->availableGeometry();
    teszt_->resize(teszt_->width(), munka.height() + 200);
    {
        Valaszolo v({QStringLiteral("Nem")});
        a(ParancsId::eszt1)->trigger();
        ASSERT_TRUE(tesztVegeVar());
        ASSERT_FALSE(v.Latott.isEmpty());
        EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(QStringLiteral("A(z)") + teszt_->windowTitle() +
                                                        QStringLiteral(" ablak magassága meghaladja")))
            << v.Latott.front().Szoveg.toStdString();
    }
    EXPECT_EQ(settings().UzenetekLog[17], 0);
    // Placed again, it fits the work area.
    EXPECT_LE(teszt_->frameGeometry().height(), munka.height());
    teszt_->KilepesGomb->click();
    program_.Teszt().PeldabontasLogTorles();
    teszt_->resize(teszt_->width(), munka.height() + 200);
    Valaszolo v(QStringList{});
    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(tesztVegeVar());
    EXPECT_TRUE(v.Latott.isEmpty());
}

TEST_F(BontTesztTest, FullTestJudgesTheLinesAgainstTheConditions)
{
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    // A sum condition is set after the run: the test shows which of the 21
    // lines meet it.
    FeltetelRekordok& f = feltetelRekordok();
    f.OsszegFeltetel.Allapot = 1;
    f.OsszegFeltetel.Min = 50;
    f.OsszegFeltetel.Max = 60;
    f.FeltetelJelzo = true;
    teszt_->HuzasokLogCB->setChecked(false);
    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(tesztVegeVar());
    ASSERT_TRUE(teszt_->FeltetelekLogCB->isEnabled());
    EXPECT_TRUE(program_.Teszt().FeltetelekTeszt);
    const int szamok[] = {2, 3, 4, 11, 12, 13, 21};
    int jo = 0;
    for (int x = 0; x < 7; ++x)
        for (int y = x + 1; y < 7; ++y) {
            const int osszeg = 66 - szamok[x] - szamok[y];
            jo += osszeg >= 50 && osszeg <= 60;
        }
    const QString r = jelentes();
    EXPECT_TRUE(r.contains(QStringLiteral("Legrosszabb eset       Minden feltétel teljesül"))) << r.toStdString();
    EXPECT_TRUE(r.contains(QStringLiteral("                    21 db 100,00%%1 db").arg(21 - jo, 17)))
        << r.toStdString();
    if (const QString p = kepUtvonal("teszt_feltetelek.png"); !p.isEmpty())
        teszt_->grab().save(p);

    // Unticking the box restarts the test without the conditions columns.
    teszt_->FeltetelekLogCB->click();
    ASSERT_TRUE(varj([this] { return teszt_->isVisible(); }));
    ASSERT_TRUE(tesztVegeVar());
    EXPECT_FALSE(program_.Teszt().FeltetelekTeszt);
    EXPECT_FALSE(jelentes().contains(QStringLiteral("Legrosszabb eset")));
}

}  // namespace
