// The main window on the offscreen platform: start-up, the game menu and the
// INI file written on close.
#include "shell/foablak.h"
#include "app/ui/tippek.h"
#include "app/ui/program.h"
#include "app/ui/sugo.h"
#include "app/ui/sugo_parancsok.h"

#include "app/folders.h"
#include "app/game_table.h"
#include "app/ini_file.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QHelpEvent>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>

#include "app/maker_info.h"
#include "app/main_state.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/variation_store.h"
#include "variation/ui/variacio_vezerlo.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Every game item of the menu, with the submenu title it sits under ("" at the top).
struct Pont {
    QAction* action;
    QString almenu;
};

std::vector<Pont> jatekPontok(QMenu* menu)
{
    std::vector<Pont> out;
    for (QAction* a : menu->actions()) {
        if (QMenu* sub = a->menu()) {
            for (QAction* b : sub->actions())
                if (!b->isSeparator())
                    out.push_back({b, sub->title()});
        } else if (!a->isSeparator()) {
            out.push_back({a, QString()});
        }
    }
    return out;
}

QAction* almenuAkcio(QMenu* menu, const QString& title)
{
    for (QAction* a : menu->actions())
        if (a->menu() && a->menu()->title() == title)
            return a;
    return nullptr;
}

class FoablakTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
    }
    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
};

TEST_F(FoablakTest, StartCreatesFoldersAndDefaultIni)
{
    for (const char* d : {"Dat", "Dat/Private", "Dat/Cache", "Back", "List", "Lotto/Otos", "Dat/Private/EJ"})
        EXPECT_TRUE(QDir(dir_.filePath(d)).exists()) << d;
    EXPECT_TRUE(QFile::exists(dir_.filePath("kavarex.ini")));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Kavarex Personal  -  Magyar 5/90"));
}

TEST_F(FoablakTest, MenuHoldsEveryGameOnceWithItsCaption)
{
    QMenu* menu = window_->JatekMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Játék"));
    EXPECT_EQ(window_->menuBar()->actions().size(), 10);

    std::map<int, QString> captions;
    for (const Pont& p : jatekPontok(menu)) {
        const int tag = p.action->data().toInt();
        EXPECT_TRUE(p.action->isCheckable());
        EXPECT_NE(p.action->actionGroup(), nullptr);
        EXPECT_EQ(p.action->actionGroup(), jatekPontok(menu).front().action->actionGroup());
        EXPECT_TRUE(captions.emplace(tag, p.action->text()).second) << "twice: " << tag;
    }
    ASSERT_EQ(captions.size(), 44u);
    for (int i = 0; i < 44; ++i) {
        QString expected = QString::fromUtf8(kvx::JatekNev[static_cast<std::size_t>(i)]);
        if (i >= 8 && i <= 16)
            expected = QString::number(18 - i) + QStringLiteral(" számra");
        expected.replace("&", "&&");
        EXPECT_EQ(captions[i], expected) << i;
    }
    EXPECT_EQ(captions[41], QStringLiteral("Ausztrál Mon && Wed"));

    const auto all = jatekPontok(menu);
    const auto find = [&](int tag) {
        for (const Pont& p : all)
            if (p.action->data().toInt() == tag)
                return p;
        return Pont{nullptr, {}};
    };
    EXPECT_EQ(find(0).action->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(find(2).action->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_EQ(find(12).almenu, QStringLiteral("Magyar Kenó "));
    EXPECT_EQ(find(41).almenu, QStringLiteral("Ausztrál"));
    EXPECT_EQ(find(25).almenu, QStringLiteral("Szlovák"));
    EXPECT_EQ(find(30).almenu, QString());
}

TEST_F(FoablakTest, ChoosingAGameSwitchesGameCaptionAndMarks)
{
    QMenu* menu = window_->JatekMenu();
    const auto all = jatekPontok(menu);
    const auto action = [&](const QString& text) -> QAction* {
        for (const Pont& p : all)
            if (p.action->text() == text)
                return p.action;
        return nullptr;
    };
    const auto checkedTags = [&] {
        std::vector<int> tags;
        for (const Pont& p : all)
            if (p.action->isChecked())
                tags.push_back(p.action->data().toInt());
        return tags;
    };
    const auto marked = [&](const QString& title) {
        QAction* a = almenuAkcio(menu, title);
        return a && a->isChecked() && a->font().bold();
    };

    EXPECT_EQ(checkedTags(), std::vector<int>{0});

    action(QStringLiteral("EuroJackpot"))->trigger();
    EXPECT_EQ(kvx::game().LottoIndex, 30);
    EXPECT_EQ(kvx::game().PluszSzamNev, " Euro");
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Kavarex Personal  -  EuroJackpot"));
    EXPECT_EQ(checkedTags(), std::vector<int>{30});
    EXPECT_TRUE(QDir(dir_.filePath("Lotto/EJ")).exists());

    action(QStringLiteral("Horvát 7/39"))->trigger();
    EXPECT_EQ(kvx::game().LottoIndex, 7);
    EXPECT_EQ(checkedTags(), std::vector<int>{7});
    EXPECT_TRUE(marked(QStringLiteral("Horvát")));
    EXPECT_FALSE(marked(QStringLiteral("Ausztrál")));
    EXPECT_FALSE(marked(QStringLiteral("Magyar Kenó ")));

    action(QStringLiteral("5 számra"))->trigger();
    EXPECT_EQ(kvx::game().LottoIndex, 13);
    EXPECT_EQ(kvx::game().SzamsorHossz, 5);
    EXPECT_TRUE(marked(QStringLiteral("Magyar Kenó ")));
    EXPECT_FALSE(marked(QStringLiteral("Horvát")));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Kavarex Personal  -  Magyar Kenó 5 számra"));
}

TEST_F(FoablakTest, ClosingWritesTheGameAndTheNextStartTakesIt)
{
    window_->LottoSelect(30);
    window_->close();
    kvx::IniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(dir_.filePath("kavarex.ini").toStdString()));
    EXPECT_EQ(ini.ReadInteger("Kavarex", "Game", -1), 30);

    window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
    EXPECT_EQ(kvx::game().LottoIndex, 30);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Kavarex Personal  -  EuroJackpot"));
    QAction* ej = nullptr;
    for (const Pont& p : jatekPontok(window_->JatekMenu()))
        if (p.action->data().toInt() == 30)
            ej = p.action;
    ASSERT_NE(ej, nullptr);
    EXPECT_TRUE(ej->isChecked());
}

// The INI's Hint key switches every window's tooltips; Hint=0 shows none.
TEST_F(FoablakTest, TheIniHintKeySwitchesTooltips)
{
    struct Szamlalo : QWidget {
        int db = 0;
        bool event(QEvent* e) override
        {
            if (e->type() == QEvent::ToolTip)
                ++db;
            return QWidget::event(e);
        }
    };
    for (const bool hint : {false, true}) {
        SCOPED_TRACE(hint);
        window_->close();
        window_.reset();
        kvx::IniFile ini;
        const std::string nev = dir_.filePath("kavarex.ini").toStdString();
        ASSERT_TRUE(ini.LoadFromFile(nev));
        ini.WriteBool("Kavarex", "Hint", hint);
        ASSERT_TRUE(ini.SaveToFile(nev));
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        Szamlalo w;
        w.setToolTip(QStringLiteral(" Tipp "));
        QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(&w, &e);
        EXPECT_EQ(w.db, hint ? 1 : 0);
    }
    // The hints appear after 100 ms and stay 50 s.
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);
    EXPECT_EQ(kvx::TippIdotartam(), 50000);
}

}  // namespace

namespace {

TEST(FoablakSugo, HelpCommandsFollowTheHelpFile)
{
    kvx::Program program;
    for (const bool van : {false, true}) {
        SCOPED_TRACE(van);
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkpath("Help"));
        // An old help file of the same name goes at start.
        QFile regi(dir.filePath("Help/kavarex.hlp"));
        ASSERT_TRUE(regi.open(QIODevice::WriteOnly));
        regi.close();
        if (van) {
            QFile sugo(dir.filePath("Help/kavarex.html"));
            ASSERT_TRUE(sugo.open(QIODevice::WriteOnly));
        }
        TFoablak w(dir.filePath("kavarex"));
        QAction* temak = w.Akcio(kvx::ParancsId::makrk1);
        EXPECT_EQ(temak->isEnabled(), van);
        EXPECT_EQ(kvx::Program::aktualis().SugoParancsai().MiEz()->isVisible(), van);
        EXPECT_EQ(kvx::Program::aktualis().SugoParancsai().Szolgaltatas()->Allomany.isEmpty(), !van);
        if (!van) {
            EXPECT_EQ(temak->statusTip(), QStringLiteral(" Hiányzik a Súgó állománya "));
        }
        EXPECT_FALSE(QFile::exists(dir.filePath("Help/kavarex.hlp")));
        // The help toolbar button is the same command.
        EXPECT_TRUE(w.EszkoztarSav()->actions().contains(temak));
    }
}

TEST(FoablakPuffer, HiddenPrintBuffersAndWebAddresses)
{
    kvx::Program program;
    QTemporaryDir dir;
    TFoablak w(dir.filePath("kavarex"));
    // The buffers are the printing's, made with the main window.
    const NyomtatasVezerlo* ny = w.findChild<NyomtatasVezerlo*>();
    ASSERT_NE(ny, nullptr);
    for (QTextEdit* p : {ny->ListaPuffer, ny->ListaPuffer2}) {
        ASSERT_NE(p, nullptr);
        EXPECT_FALSE(p->isVisible());
        EXPECT_TRUE(p->isReadOnly());
        EXPECT_EQ(p->lineWrapMode(), QTextEdit::NoWrap);
        EXPECT_EQ(p->font().family(), QStringLiteral("Courier New"));
        EXPECT_EQ(p->font().pointSize(), 8);
    }
    EXPECT_EQ(ny->ElvalasztoVonal.size(), 90);
    const QString host = QString::fromStdString(kvx::gyartoCimek().Honlap);
    EXPECT_EQ(w.WebCim(kvx::ParancsId::Kavarexkalkultoraweben1), host + "/hu/calc/calc.php?l=");
    EXPECT_EQ(w.WebCim(kvx::ParancsId::Varicikletltse1), host + "/hu/vari/lotto_variation.php");
    // The web items open their pages, the new-version search runs.
    EXPECT_TRUE(w.Akcio(kvx::ParancsId::Kavarexaweben1)->isEnabled());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Kavarexaweben1)->statusTip(), QStringLiteral(" Kavarex a weben "));
    EXPECT_TRUE(w.Akcio(kvx::ParancsId::jverzikeresse1)->isEnabled());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::jverzikeresse1)->statusTip(), QString::fromUtf8(" Új verzió keresése "));
}

TEST_F(FoablakTest, ExtensionModeShowsItsBackground)
{
    ASSERT_NE(window_->BovitesHatter(), nullptr);
    window_->show();
    EXPECT_FALSE(window_->BovitesHatter()->isVisible());
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    v.Import_log_true();
    EXPECT_TRUE(window_->BovitesHatter()->isVisible());
    EXPECT_GT(window_->BovitesHatter()->height(), 0);
    v.Import_log_false();
    EXPECT_FALSE(window_->BovitesHatter()->isVisible());
}

}  // namespace

// A game change discards the old game's variation: its lines would otherwise
// be listed, saved and extended under the new game's numbers.
TEST_F(FoablakTest, GameChangeDeletesTheVariation)
{
    kvx::VariationStore& t = kvx::variationStore();
    ASSERT_TRUE(kvx::SetBontasMatrix(t, 3, kvx::game().SzamsorHossz, nullptr));
    for (std::int32_t r = 0; r < 3; ++r)
        for (std::int32_t i = 0; i < t.BontMatrixSorHossz; ++i)
            t.sor(r)[i] = static_cast<std::uint8_t>(r + i + 1);
    t.BontSzelvszam = 3;
    kvx::bontasEgyseg().BontasBovites = true;
    kvx::mainState().Mentve = true;  // no question

    window_->LottoSelect(1);

    EXPECT_EQ(kvx::game().LottoIndex, 1);
    EXPECT_EQ(t.BontSzelvszam, 0);
    EXPECT_EQ(t.BontMatrixMeret, 0);
    EXPECT_FALSE(kvx::bontasEgyseg().BontasBovites);
}
