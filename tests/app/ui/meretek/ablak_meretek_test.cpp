// Every window of the main road at every text size, on the screen the test
// program runs on (1600 x 1000 and 1366 x 768, see tests/CMakeLists.txt),
// opened one after the other until all are open: each lies on the work
// area under the main window's toolbar with its buttons whole; a window
// just opened lies over no button of another window and has none of its
// own under one, wherever the screen leaves such a place, and otherwise is
// in front with its own buttons in sight; the tickets keep cells that hold
// their numbers and info lines that are whole; the information window
// shows eight lines, the test report ten, where the screen has room; the
// statistics window (opened by the information window's "Diagram") keeps
// its controls in sight; the texts take the size; the open dialog grows
// with it; the variation test window keeps its buttons on the screen. With
// KAVAREX_KEPEK naming a folder, pictures of the screen are saved at sizes
// 8, 14 and 20 (under a real X server: QT_QPA_PLATFORM=xcb xvfb-run -a -s
// "-screen 0 1600x1000x24").
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/gomb_fedes.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "draws/draws_table.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzlista.h"
#include "statistics/ui/statisztika.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/bontszelveny.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/huzszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/teszt_vezerlo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kvx;

struct Ablak {
    std::string Nev;
    QWidget* W = nullptr;
};

std::string szoveg(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

class AblakMeretekTest : public ::testing::TestWithParam<int> {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(teszt::haromHuzasAdatbazis(dir_.path()).empty());
        meret_ = GetParam();
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"), QStringList{"-r", QString::number(meret_)});
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        uzenetBeallitasok().Inform = false;
        QApplication::processEvents();
        munka_ = QGuiApplication::primaryScreen()->availableGeometry();
        // The main window's title, menu and toolbar band: the windows stay
        // under it.
        int sav = window_->geometry().top();
        if (window_->menuBar()->isVisible())
            sav = std::max(sav, window_->menuBar()->mapToGlobal(QPoint(0, window_->menuBar()->height())).y());
        for (const QToolBar* t : window_->findChildren<QToolBar*>())
            if (t->isVisible() && t->parentWidget() == window_.get())
                sav = std::max(sav, t->mapToGlobal(QPoint(0, t->height())).y());
        terulet_ = QRect(munka_.left(), sav, munka_.width(), munka_.bottom() + 1 - sav);
        ASSERT_TRUE(draws().AdatbazisBetoltve);
    }
    void TearDown() override
    {
        program_.Teszt().Leallitas();
        if (TBontas* b = formok().Bontas)
            b->BontasMegszakitasa();
        teszt::varj([] { return szalak().Tetlen(); }, 60000);
        window_.reset();
    }
    QAction* a(kvx::ParancsId nev) const { return window_->Akcio(nev); }
    std::string hol(const char* helyzet) const
    {
        return std::string(helyzet) + " at size " + std::to_string(meret_) + " on " + szoveg(munka_);
    }

    // Eight numbers marked on the main ticket.
    void szamok()
    {
        for (int n : {3, 9, 14, 22, 27, 31, 40, 48})
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    }
    // A variation of the marked numbers with one error point, made with
    // Start; the run window, checked, then sent away.
    void variacio(const std::vector<Ablak>& nyitott)
    {
        feltetelRekordok().Hibapont = 1;
        teszt::Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(teszt::varj([b] { return !b->Fut() && szalak().Tetlen(); }, 60000));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
        ASSERT_TRUE(b->isVisible());
        ellenoriz({"run", b}, nyitott, "run window");
        // Its condition indicators in sight: all of them where the screen
        // holds the window whole, a few rows scrolling where it does not.
        auto* jelzok = b->findChild<QScrollArea*>();
        ASSERT_NE(jelzok, nullptr);
        for (const QCheckBox* c : b->Jelzok)
            EXPECT_TRUE(c->isVisibleTo(b)) << hol("run window");
        const int sor = b->Jelzok.front()->sizeHint().height();
        if (b->sizeHint().height() + b->frameGeometry().height() - b->height() <= terulet_.height()) {
            EXPECT_EQ(jelzok->verticalScrollBar()->maximum(), 0) << hol("run window: indicators cut");
        } else {
            EXPECT_GE(jelzok->viewport()->height(), 2 * sor) << hol("run window: indicators");
        }
        b->KilepesGomb->click();
    }

    // The window just opened: on the work area under the toolbar band, every
    // button whole (a page may scroll up and down, never sideways); over no
    // button of the others and none of its own under them wherever the
    // screen leaves such a place, otherwise in front with its own buttons
    // in sight where the screen leaves that.
    void ellenoriz(const Ablak& uj, const std::vector<Ablak>& nyitott, const char* helyzet)
    {
        QApplication::processEvents();
        const std::string h = uj.Nev + ", " + hol(helyzet);
        ASSERT_TRUE(uj.W && uj.W->isVisible()) << h;
        const QRect r = uj.W->frameGeometry();
        EXPECT_TRUE(terulet_.contains(r)) << szoveg(r) << " not on " << szoveg(terulet_) << ": " << h;
        // A page scrolls up and down; sideways only where it is wider than
        // the work area, and then the window is as wide as the work area.
        for (const QScrollArea* sa : uj.W->findChildren<QScrollArea*>()) {
            if (!sa->isVisibleTo(uj.W) || !sa->widget() || sa->window() != uj.W)
                continue;
            if (sa->horizontalScrollBar()->maximum() > 0) {
                EXPECT_EQ(r.width(), munka_.width())
                    << "a page " << sa->widget()->minimumSizeHint().width() << " wide cut at the side in "
                    << szoveg(r) << ": " << h;
            }
        }
        for (const QAbstractButton* b : uj.W->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(uj.W) || b->window() != uj.W || b->objectName().startsWith(QLatin1String("qt_")))
                continue;
            bool lapon = false;
            for (const QWidget* p = b->parentWidget(); p && p != uj.W; p = p->parentWidget())
                lapon = lapon || qobject_cast<const QScrollArea*>(p);
            if (lapon)
                continue;
            const QRect gr(b->mapTo(uj.W, QPoint(0, 0)), b->size());
            EXPECT_TRUE(uj.W->rect().contains(gr))
                << "button \"" << b->text().toStdString() << "\" " << szoveg(gr) << " cut: " << h;
            // Its caption whole (a check box's with its box; a picture
            // button shows no caption).
            if (const auto* t = qobject_cast<const QToolButton*>(b);
                t && t->toolButtonStyle() == Qt::ToolButtonIconOnly && !t->icon().isNull())
                continue;
            const int kell = qobject_cast<const QCheckBox*>(b)
                                 ? b->minimumSizeHint().width()
                                 : b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 4;
            EXPECT_GE(b->width(), kell) << "button \"" << b->text().toStdString() << "\" squeezed to " << b->width()
                                        << ": " << h;
        }
        std::vector<const QWidget*> masok;
        for (const Ablak& x : nyitott)
            if (x.W != uj.W && x.W->isVisible())
                masok.push_back(x.W);
        const teszt::Fedes f = teszt::GombFedes(uj.W, masok);
        if (f.Mind == 0)
            return;
        std::string kit;
        for (const Ablak& x : nyitott)
            if (x.W != uj.W && x.W->isVisible() && x.W->frameGeometry().intersects(r))
                kit += " " + x.Nev + " " + szoveg(x.W->frameGeometry());
        if (const auto p = teszt::SzabadHely(uj.W, terulet_, masok, false)) {
            ADD_FAILURE() << szoveg(r) << " hides buttons with" << kit << " though at " << p->x() << "," << p->y()
                          << " it would hide none: " << h;
            return;
        }
        // No place hides none: it is in front, its own buttons in sight.
        std::vector<const QWidget*> mind = masok;
        mind.push_back(uj.W);
        EXPECT_TRUE(sorrend_.Elol(uj.W, mind)) << szoveg(r) << " not in front of" << kit << ": " << h;
        if (f.Sajat > 0 && teszt::SzabadHely(uj.W, terulet_, masok, true)) {
            ADD_FAILURE() << szoveg(r) << " has buttons under" << kit << " where another place shows them: " << h;
        }
    }
    // The window's texts at the program's text size.
    void betuMeret(QWidget* w, const char* nev)
    {
        EXPECT_EQ(w->font().pointSize(), meret_) << nev << ", " << hol("");
    }
    // A ticket's cells hold their two-digit numbers with their margins, its
    // info lines are whole.
    void szelveny(const TSzelveny* t, const char* nev)
    {
        ASSERT_NE(t, nullptr) << nev;
        for (const TSzamPanel* p : t->SzamPanelek) {
            const QMargins m = p->contentsMargins();
            const int kell = QFontMetrics(p->font()).horizontalAdvance(QStringLiteral("88")) + m.left() + m.right();
            ASSERT_GE(p->width(), kell) << nev << " cell " << p->Tag << ", " << hol("");
            ASSERT_GE(p->width(), 2 * (m.left() + m.right())) << nev << ": no margins, " << hol("");
        }
        for (const QLabel* l : {t->InfoCimke, t->InfoCimke2}) {
            if (!l || !l->isVisibleTo(t) || l->text().isEmpty())
                continue;
            EXPECT_LE(l->x() + l->sizeHint().width(), l->parentWidget()->width())
                << nev << "'s info line cut: \"" << l->text().toStdString() << "\", " << hol("");
        }
    }
    // At least `n` lines of the text in sight where the work area holds the
    // window with them.
    void sorok(const QWidget* w, const QTextEdit* t, int n, const char* nev)
    {
        const int sor = QFontMetrics(t->font()).lineSpacing();
        const int kell = w->frameGeometry().height() - t->viewport()->height() + n * sor;
        if (kell <= terulet_.height()) {
            EXPECT_GE(t->viewport()->height(), n * sor) << nev << " shows " << t->viewport()->height() / sor
                                                         << " lines, " << hol("");
        }
    }
    // The screen, and each window of `ablakok` by itself.
    void kep(const char* nev, const std::vector<Ablak>& ablakok = {})
    {
        const QString d = qEnvironmentVariable("KAVAREX_KEPEK");
        if (d.isEmpty() || (meret_ != 8 && meret_ != 14 && meret_ != 20))
            return;
        QApplication::processEvents();
        QScreen* s = QGuiApplication::primaryScreen();
        const QString elotag = QStringLiteral("ut_%1_%2x%3_").arg(meret_).arg(s->geometry().width()).arg(s->geometry().height());
        s->grabWindow(0).save(QDir(d).filePath(elotag + QString::fromUtf8(nev) + QStringLiteral(".png")));
        for (const Ablak& a : ablakok)
            if (a.W->isVisible())
                a.W->grab().save(QDir(d).filePath(elotag + QString::fromUtf8(nev) + QStringLiteral("_") +
                                                  a.W->objectName() + QStringLiteral(".png")));
    }

    int meret_ = 8;
    QRect munka_;
    QRect terulet_;
    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    teszt::Sorrend sorrend_;
};

TEST_P(AblakMeretekTest, MainRoadWindowsStayOnTheScreenAndApart)
{
    ASSERT_EQ(settings().BetuMeret, meret_);
    const Ablak fo{"main ticket", szelvenyek().Foszelveny};
    const Ablak feltetelek{"conditions", formok().Feltetelek};
    ASSERT_TRUE(terulet_.contains(fo.W->frameGeometry())) << szoveg(fo.W->frameGeometry()) << ": " << hol("main ticket");
    szelveny(szelvenyek().Foszelveny, "main ticket");

    // Without a variation: the conditions window beside the main ticket.
    szamok();
    a(ParancsId::Listzs1)->trigger();
    ellenoriz(feltetelek, {fo}, "conditions without a variation");
    betuMeret(feltetelek.W, "conditions");
    kep("feltetelek");
    feltetelek.W->close();

    // The road of a variation, window after window, all of them left open.
    std::vector<Ablak> ut{fo};
    variacio(ut);
    a(ParancsId::Listzs2)->trigger();
    const Ablak lista{"variation list", formok().BontLista};
    const Ablak bontSzelveny{"variation ticket", szelvenyek().BontSzelveny};
    ASSERT_TRUE(bontSzelveny.W && bontSzelveny.W->isVisible()) << hol("variation list");
    // The list first, then its ticket beside it.
    ellenoriz(lista, ut, "variation list");
    ut.push_back(lista);
    ellenoriz(bontSzelveny, ut, "variation ticket");
    ut.push_back(bontSzelveny);
    szelveny(szelvenyek().BontSzelveny, "variation ticket");

    a(ParancsId::Listzs1)->trigger();
    ellenoriz(feltetelek, ut, "conditions with a variation");
    ut.push_back(feltetelek);

    a(ParancsId::InfoGomb)->trigger();
    const Ablak info{"information", formok().Info};
    ellenoriz(info, ut, "information window");
    ut.push_back(info);
    // The description's fixed font follows the text size too.
    auto* bontInfo = info.W->findChild<QTextEdit*>(QStringLiteral("BontInfo"));
    ASSERT_NE(bontInfo, nullptr);
    EXPECT_NEAR(bontInfo->font().pointSizeF(), 9.0 * meret_ / 8, 0.01) << hol("information window");
    sorok(info.W, bontInfo, 8, "information window");
    kep("variacio");

    // The statistics window as the information window's "Diagram" opens it.
    ASSERT_TRUE(formok().Info->Button4->isEnabled()) << hol("Diagram");
    formok().Info->Button4->click();
    const Ablak stat{"statistics", formok().Statisztika};
    ASSERT_TRUE(teszt::varj([] { return szalak().Tetlen(); }, 60000));
    ellenoriz(stat, ut, "statistics window");
    betuMeret(stat.W, "statistics");
    // Its controls whole in the window, whatever the chart needs.
    for (const QWidget* c : stat.W->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(stat.W) || c->window() != stat.W ||
            (!qobject_cast<const QAbstractButton*>(c) && !qobject_cast<const QMenuBar*>(c) &&
             !qobject_cast<const QScrollBar*>(c)))
            continue;
        bool diagramon = false;
        for (const QWidget* p = c->parentWidget(); p && p != stat.W; p = p->parentWidget())
            diagramon = diagramon || qobject_cast<const QScrollArea*>(p);
        if (diagramon)
            continue;
        const QRect g(c->mapTo(stat.W, QPoint(0, 0)), c->size());
        EXPECT_TRUE(stat.W->rect().contains(g)) << "statistics control " << c->objectName().toStdString() << " "
                                                << szoveg(g) << " cut in " << szoveg(stat.W->rect()) << ", "
                                                << hol("statistics window");
    }
    ut.push_back(stat);

    a(ParancsId::eszt1)->trigger();
    const Ablak teszt{"variation test", formok().BontTeszt};
    ASSERT_TRUE(teszt::varj([this] { return !program_.Teszt().Fut() && szalak().Tetlen(); }, 60000));
    ellenoriz(teszt, ut, "variation test");
    sorok(teszt.W, formok().BontTeszt->RichEdit1, 10, "test report");
    ut.push_back(teszt);

    a(ParancsId::Listzs3)->trigger();
    const Ablak huzasok{"draws list", formok().HuzLista};
    const Ablak huzSzelveny{"draws ticket", szelvenyek().HuzSzelveny};
    ASSERT_TRUE(huzSzelveny.W && huzSzelveny.W->isVisible()) << hol("draws list");
    ellenoriz(huzasok, ut, "draws list");
    ut.push_back(huzasok);
    ellenoriz(huzSzelveny, ut, "draws ticket");
    szelveny(szelvenyek().HuzSzelveny, "draws ticket");
    betuMeret(huzasok.W, "draws list");
    ut.push_back(huzSzelveny);
    kep("mind", ut);
}

// The open dialog is as large as its text size asks, within the screen,
// and its name column shows a long name whole.
TEST_P(AblakMeretekTest, FileDialogGrowsWithTheTextSize)
{
    QSize meret;
    int nevOszlop = 0, atlag = 0;
    bool latta = false;
    QTimer figyelo;
    figyelo.setInterval(20);
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d || !d->isVisible())
                continue;
            meret = d->frameGeometry().size();
            if (auto* n = d->findChild<QTreeView*>(QStringLiteral("treeView")))
                nevOszlop = n->header()->sectionSize(0);
            atlag = QFontMetrics(d->font()).averageCharWidth();
            EXPECT_EQ(d->font().pointSize(), meret_) << hol("open dialog");
            latta = true;
            d->reject();
        }
    });
    figyelo.start();
    a(ParancsId::Megnyits1)->trigger();
    ASSERT_TRUE(teszt::varj([&] { return latta; }, 10000));
    const QSize kell = QSize(620 * meret_ / 8, 400 * meret_ / 8).boundedTo(munka_.size() * 9 / 10);
    EXPECT_GE(meret.width(), kell.width() - 1) << hol("open dialog");
    EXPECT_GE(meret.height(), kell.height() - 1) << hol("open dialog");
    EXPECT_TRUE(munka_.contains(QRect(QPoint(0, 0), meret))) << hol("open dialog");
    EXPECT_GE(nevOszlop, 36 * atlag) << hol("open dialog");
}

// The test window grows with its report: it takes the height the report
// needs within the work area, centred on the main window, its buttons on
// the screen; without "Részletek" it shrinks to its smallest height.
TEST_P(AblakMeretekTest, VariationTestWindowKeepsItsButtonsOnTheScreen)
{
    szamok();
    variacio({{"main ticket", szelvenyek().Foszelveny}});
    a(ParancsId::eszt1)->trigger();
    TBontTeszt* t = formok().BontTeszt;
    ASSERT_TRUE(teszt::varj([this] { return !program_.Teszt().Fut() && szalak().Tetlen(); }, 60000));
    ASSERT_TRUE(t->isVisible());
    const auto gombokLathatok = [&](const char* helyzet) {
        for (QPushButton* b : {t->StopGomb, t->KilepesGomb, t->BovitesTesztGomb, t->HuzasokSzamaGomb}) {
            const QRect g(b->mapToGlobal(QPoint(0, 0)), b->size());
            EXPECT_TRUE(munka_.contains(g)) << b->text().toStdString() << " " << szoveg(g) << ": " << hol(helyzet);
        }
        EXPECT_TRUE(munka_.contains(t->frameGeometry())) << szoveg(t->frameGeometry()) << ": " << hol(helyzet);
    };
    gombokLathatok("finished test");
    // The report's fixed font takes the text size.
    EXPECT_NEAR(t->RichEdit1->font().pointSizeF(), 9.0 * meret_ / 8, 0.01) << hol("finished test");

    // A long test with the details off: at its next tick the window is no
    // higher than its smallest height.
    t->KilepesGomb->click();
    program_.Teszt().PeldabontasLogTorles();
    t->HuzasokLogCB->setChecked(false);
    t->UpDown1->setValue(t->UpDown1->maximum());
    // The test is held after its first batch of lines, so it is still
    // running whatever the machine's speed.
    TesztTartas tartas;
    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(t->isVisible());
    ASSERT_TRUE(teszt::varj([this] { return TesztTartas::Tartott() == 1 && program_.Teszt().TesztSzamsorDb() > 0; }));
    ASSERT_TRUE(program_.Teszt().Fut());
    // The first tick fits the height to the report.
    t->Timer2Timer();
    const int magas = t->height();
    gombokLathatok("running test");
    t->ReszletekCheckBox->click();
    t->Timer2Timer();
    EXPECT_EQ(t->height(), t->minimumHeight()) << hol("details off");
    // Where the screen let it grow, it is lower now.
    if (magas > t->minimumHeight()) {
        EXPECT_LT(t->height(), magas) << hol("details off");
    }
    gombokLathatok("details off");
    t->StopGombClick();
}

INSTANTIATE_TEST_SUITE_P(Meretek, AblakMeretekTest, ::testing::Values(8, 10, 12, 14, 16, 18, 20));

}  // namespace
