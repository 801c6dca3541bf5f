// Every window of the main road at every text size, on the screen the test
// program runs on (1600 x 1000 and 1366 x 768, see tests/CMakeLists.txt):
// each lies inside the work area with its buttons in sight, none covers
// the main ticket or another open window of the road while the screen has
// room, and their texts take the size; the open dialog grows with it; the
// variation test window keeps its buttons on the screen. With KAVAREX_KEPEK
// naming a folder, pictures of the screen are saved at sizes 8, 14 and 20
// (under a real X server: QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0
// 1600x1000x24").
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "app/ui/valaszolo.h"
#include "app/window_placement.h"
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
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/teszt_vezerlo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTimer>
#include <QTreeView>
#include <QCheckBox>
#include <QSpinBox>
#include <QPushButton>
#include <QScrollBar>
#include <QScrollArea>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>

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

Teglalap teglalap(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

class AblakMeretekTest : public ::testing::TestWithParam<int> {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(teszt::haromHuzasAdatbazis(dir_.path()).empty());
        meret_ = GetParam();
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"), QStringList{"-r", QString::number(meret_)});
        window_->Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        uzenetBeallitasok().Inform = false;
        QApplication::processEvents();
        elhelyezes_ = window_->findChild<AblakElhelyezes*>();
        ASSERT_NE(elhelyezes_, nullptr);
        munka_ = elhelyezes_->MunkaTerulet();
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
    QAction* a(const char* nev) const { return window_->Akcio(QString::fromUtf8(nev)); }
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
    // A variation of the marked numbers with one error point, made with Start.
    void variacio()
    {
        feltetelRekordok().Hibapont = 1;
        teszt::Valaszolo v(QStringList{});
        a("Start1")->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(teszt::varj([b] { return !b->Fut() && szalak().Tetlen(); }, 60000));
        b->KilepesGomb->click();
        ASSERT_GT(variationStore().BontSzelvszam, 0);
    }

    // The window just opened: on the work area, every button in sight
    // (a page may scroll up and down, never sideways), and over another
    // open window of the road only where no free place of its smallest
    // size is left beside them.
    void ellenoriz(const Ablak& uj, const std::vector<Ablak>& nyitott, const char* helyzet)
    {
        QApplication::processEvents();
        const std::string h = uj.Nev + ", " + hol(helyzet);
        ASSERT_TRUE(uj.W && uj.W->isVisible()) << h;
        const QRect r = uj.W->frameGeometry();
        EXPECT_TRUE(munka_.contains(r)) << szoveg(r) << " leaves the work area: " << h;
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
        }
        std::vector<Teglalap> foglalt{teglalap(elhelyezes_->EszkoztarSav())};
        long long fedes = 0;
        std::string kit;
        for (const Ablak& x : nyitott) {
            if (!x.W->isVisible())
                continue;
            const QRect m = x.W->frameGeometry();
            foglalt.push_back(teglalap(m));
            if (m.intersects(r)) {
                fedes += Atfedes(teglalap(m), teglalap(r));
                kit += " " + x.Nev + " " + szoveg(m);
            }
        }
        if (fedes == 0)
            return;
        // The smallest frame the placement let it give way to.
        const QSize min = uj.W->property("kvxLegkisebb").toSize();
        ASSERT_TRUE(min.isValid()) << h;
        const int minW = min.width();
        const int minH = min.height();
        // With the gap the placement keeps between neighbours.
        const int hezag = std::max(4, static_cast<int>(std::lround(6 * meret_ / 8.0)));
        const Teglalap szabad = SzabadHely(teglalap(r), minW, minH, foglalt, {}, teglalap(munka_), hezag);
        long long szabadFedes = 0;
        const Teglalap tagabb{szabad.Left - hezag + 1, szabad.Top - hezag + 1, szabad.Width + 2 * hezag - 2,
                              szabad.Height + 2 * hezag - 2};
        for (const Teglalap& f : foglalt)
            szabadFedes += Atfedes(f, tagabb);
        EXPECT_GT(szabadFedes, 0) << szoveg(r) << " covers" << kit << " though " << szoveg(QRect(szabad.Left, szabad.Top, szabad.Width, szabad.Height)) << " is free: " << h;
    }
    // The window's texts at the program's text size.
    void betuMeret(QWidget* w, const char* nev)
    {
        EXPECT_EQ(w->font().pointSize(), meret_) << nev << ", " << hol("");
    }
    void kep(const char* nev)
    {
        const QString d = qEnvironmentVariable("KAVAREX_KEPEK");
        if (d.isEmpty() || (meret_ != 8 && meret_ != 14 && meret_ != 20))
            return;
        QApplication::processEvents();
        QScreen* s = QGuiApplication::primaryScreen();
        s->grabWindow(0).save(QDir(d).filePath(QStringLiteral("ut_%1_%2x%3_%4.png")
                                                   .arg(meret_)
                                                   .arg(s->geometry().width())
                                                   .arg(s->geometry().height())
                                                   .arg(QString::fromUtf8(nev))));
    }

    int meret_ = 8;
    QRect munka_;
    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    AblakElhelyezes* elhelyezes_ = nullptr;
};

TEST_P(AblakMeretekTest, MainRoadWindowsStayOnTheScreenAndApart)
{
    ASSERT_EQ(settings().BetuMeret, meret_);
    const Ablak fo{"main ticket", szelvenyek().Foszelveny};
    const Ablak feltetelek{"conditions", formok().Feltetelek};
    ASSERT_TRUE(munka_.contains(fo.W->frameGeometry())) << szoveg(fo.W->frameGeometry()) << ": " << hol("main ticket");

    // Without a variation: the conditions window beside the main ticket.
    szamok();
    a("Listzs1")->trigger();
    ellenoriz(feltetelek, {fo}, "conditions without a variation");
    betuMeret(feltetelek.W, "conditions");
    kep("feltetelek");
    feltetelek.W->close();

    // The road of a variation, window after window.
    variacio();
    std::vector<Ablak> ut{fo};
    a("Listzs2")->trigger();
    const Ablak lista{"variation list", formok().BontLista};
    ellenoriz(lista, ut, "variation list");
    ut.push_back(lista);
    if (szelvenyek().BontSzelveny && szelvenyek().BontSzelveny->isVisible())
        ut.push_back({"variation ticket", szelvenyek().BontSzelveny});
    a("Listzs1")->trigger();
    ellenoriz(feltetelek, ut, "conditions with a variation");
    ut.push_back(feltetelek);
    a("InfoGomb")->trigger();
    const Ablak info{"information", formok().Info};
    ellenoriz(info, ut, "information window");
    ut.push_back(info);
    // The description's fixed font follows the text size too.
    auto* bontInfo = info.W->findChild<QTextEdit*>(QStringLiteral("BontInfo"));
    ASSERT_NE(bontInfo, nullptr);
    EXPECT_NEAR(bontInfo->font().pointSizeF(), 9.0 * meret_ / 8, 0.01) << hol("information window");
    kep("variacio");

    a("StatisztikaGomb")->trigger();
    const Ablak stat{"statistics", formok().Statisztika};
    ASSERT_TRUE(teszt::varj([] { return szalak().Tetlen(); }, 60000));
    ellenoriz(stat, ut, "statistics window");
    betuMeret(stat.W, "statistics");
    ut.push_back(stat);

    a("eszt1")->trigger();
    const Ablak teszt{"variation test", formok().BontTeszt};
    ASSERT_TRUE(teszt::varj([this] { return !program_.Teszt().Fut() && szalak().Tetlen(); }, 60000));
    ellenoriz(teszt, ut, "variation test");
    ut.push_back(teszt);

    a("Listzs3")->trigger();
    const Ablak huzasok{"draws list", formok().HuzLista};
    ellenoriz(huzasok, ut, "draws list");
    betuMeret(huzasok.W, "draws list");
    kep("mind");
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
    a("Megnyits1")->trigger();
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
    variacio();
    a("eszt1")->trigger();
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
    a("eszt1")->trigger();
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
