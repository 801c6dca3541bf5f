// The statistics window the user's way, and its chart painted into an image:
// bar tops, the colours of the numbers' roles, Zoom and the filler after the
// last bar.
#include "statistics/ui/statisztika.h"
#include "statistics/ui/statisztika_ablak.h"
#include "statistics/ui/diagram_festes.h"

#include "app/main_menu.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzlista.h"
#include "tickets/number_lists.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QWindow>
#include <QImage>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <numeric>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

template <class F>
bool varj(F feltetel, int ms = 120000)
{
    return kvx::teszt::statisztikaVarj(feltetel, ms);
}
using kvx::teszt::kep;

// ---- The chart in an image ----

class DiagramKep : public ::testing::Test {
protected:
    kvx::Program program_;

    // Numbers 1..6 drawn 2, 4, 6, 8, 10 and 0 times.
    void SetUp() override
    {
        GameParams& g = game();
        g.LottoIndex = 0;
        JatekParameterek(g);
        for (int n = 1; n <= 6; ++n)
            tabla_.push_back({n, 2 * n % 12, n});
        StatKornyezet k;
        k.Jatek = g;
        k.FoSorok = 3;
        b_.Tag = 1;
        b_.Jatek = g;
        b_.V = MunkavaltozokBeallitasa(1, k);
        b_.Gyorsitotar = tabla_;
        a_.Tag = 1;
        a_.Jatek = g;
        a_.Szamok = &szamListak();
    }

    QImage fest(DiagramOpciok o)
    {
        m_.Ujrakezdes(tabla_);
        m_.Start(o, b_, DiagramMeretek{});
        a_.Nano = o.Nano;
        QImage kep(600, 388, QImage::Format_RGB32);
        QPainter p(&kep);
        DiagramFestes(p, kep.size(), m_, a_);
        return kep;
    }

    // The first row from the top, below the header band, whose pixel in
    // column x is not white.
    static int teto(const QImage& k, int x, int tol)
    {
        for (int y = tol; y < k.height(); ++y)
            if (k.pixelColor(x, y) != QColor(Qt::white))
                return y;
        return -1;
    }

    TTombInt2D tabla_;
    DiagramBemenet b_;
    DiagramFestesAdatok a_;
    DiagramModell m_;
};

TEST_F(DiagramKep, BarsStandAtTheirValuesInTheColoursOfTheNumbersRoles)
{
    // 1 selected, 2 fixed, 3 constant, 4 random; 5 plain.
    SzamListak& l = szamListak();
    l.KijeloltSzamok = {1, 3, 4};
    l.FixSzamok = {2};
    l.AllandoSzamok = {3};
    l.VeletlenSzamok = {4};
    DiagramOpciok o;
    o.Mikro = true;  // no labels: the first coloured pixel is the bar's top
    o.Elmeleti = false;
    o.Tenyleges = false;
    const QImage k = fest(o);
    const OszlopSzerep szerep[] = {OszlopSzerep::Kijelolt, OszlopSzerep::Fix, OszlopSzerep::Allando,
                                   OszlopSzerep::Veletlen, OszlopSzerep::Normal};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const Oszlop b = m_.OszlopGeometria(i, 0, k.width());
        const int x = (b.X0 + b.X1) / 2;
        EXPECT_EQ(teto(k, x, 40), b.Teto);
        // With a zero among the counts the axis starts at 0: bar i + 1
        // stands 2 x (i + 1) steps high.
        EXPECT_EQ(m_.Alap(), 0);
        EXPECT_EQ(b.Teto, m_.AljY() - 2 * (i + 1) * m_.Egyseg());
        EXPECT_EQ(k.pixelColor(x, b.Teto + 3), OszlopSzinek(szerep[i]).Ecset);
        EXPECT_EQ(k.pixelColor(x, b.Teto + 3), OszlopSzinek(OszlopSzerepe(m_, a_, i)).Ecset);
    }
    // Number 6 was never drawn: no bar; Mind ticked fills after the last one.
    const Oszlop utolso = m_.OszlopGeometria(5, 0, k.width());
    EXPECT_EQ(teto(k, (utolso.X0 + utolso.X1) / 2, 40), -1);
    a_.MindKitoltes = true;
    const QImage k2 = fest(o);
    EXPECT_EQ(k2.pixelColor(utolso.X1 + 20, 200), QColor(240, 240, 240));
    EXPECT_EQ(k2.pixelColor(utolso.X1 + 20, 10), QColor(240, 240, 240));  // the header band
}

TEST_F(DiagramKep, ZoomPaintsItsOwnColourAndTheExpectedPartIsDrawnAgain)
{
    DiagramOpciok o;
    o.Mikro = true;
    o.Zoom = true;
    o.Tenyleges = false;
    o.Elmeleti = false;
    const QImage z = fest(o);
    ASSERT_TRUE(m_.ZoomAktiv());
    const Oszlop b = m_.OszlopGeometria(0, 0, z.width());
    EXPECT_EQ(z.pixelColor((b.X0 + b.X1) / 2, b.Teto + 3), OszlopSzinek(OszlopSzerep::Zoom).Ecset);

    // "Hány húzás óta...": the part of a bar above the expected value is
    // drawn in the pen colour, the rest keeps the brush.
    b_.Tag = 2;
    a_.Tag = 2;
    StatKornyezet k;
    k.Jatek = game();
    k.FoSorok = 3;
    b_.V = MunkavaltozokBeallitasa(2, k);
    // 90 numbers, 5 a draw: a number comes every 18 draws, so 17 draws
    // pass after it on average.
    tabla_ = {{1, 5, 1}, {2, 10, 2}, {3, 20, 3}, {4, 30, 4}, {5, 40, 5}};
    b_.Gyorsitotar = tabla_;
    o = DiagramOpciok{};
    o.Mikro = true;
    o.Tenyleges = false;
    const QImage e = fest(o);
    ASSERT_TRUE(m_.ElmeletiSzint().has_value());
    const int szint = *m_.ElmeletiSzint();
    EXPECT_NEAR(m_.Ertekek()[0], 17.0, 1e-9);
    int felette = 0;
    for (int i = 0; i < 5; ++i) {
        const Oszlop c = m_.OszlopGeometria(i, 0, e.width());
        const int x = (c.X0 + c.X1) / 2;
        if (c.Teto + 2 < szint) {
            ++felette;
            EXPECT_EQ(e.pixelColor(x, c.Teto + 2), OszlopSzinek(OszlopSzerep::Normal).Toll) << i;
            EXPECT_EQ(e.pixelColor(x, szint + 2), OszlopSzinek(OszlopSzerep::Normal).Ecset) << i;
        } else {
            EXPECT_EQ(e.pixelColor(x, c.Teto + 2), OszlopSzinek(OszlopSzerep::Normal).Ecset) << i;
        }
    }
    EXPECT_EQ(felette, 3);
}

// A bar taller than the chart has its value at the top of the chart, after
// eleven blanks painted on the label background.
TEST_F(DiagramKep, TheValueOfABarTallerThanTheChartStandsAfterElevenBlanks)
{
    DiagramOpciok o;
    o.Elmeleti = false;
    o.Tenyleges = false;
    fest(o);
    const std::int64_t H = m_.H();
    ASSERT_GT(H, 0);
    // Twice the chart's height: compressed by 2, the bar is H + 1 high.
    tabla_[4][1] = static_cast<std::int32_t>(2 * H);
    const QImage k = fest(o);
    const Oszlop b = m_.OszlopGeometria(4, 0, k.width());
    ASSERT_GT(static_cast<std::int64_t>(b.Magassag) * m_.Egyseg(), H);
    QFont f;
    f.setPointSize(a_.BetuMeret);
    const QFontMetrics fm(f);
    const QString ertek = QString::number(2 * H);
    const int ex = b.X0 + (b.X1 - b.X0 - fm.horizontalAdvance(ertek)) / 2;
    const int y = static_cast<int>(std::lround(28 * a_.MeretSzorzo)) - 4 + fm.height() / 2;
    const int ures = fm.horizontalAdvance(QString(11, QLatin1Char(' ')));
    // The blanks' background over the bar before it, the value after them.
    for (int x : {ex - ures + 1, ex - ures / 2, ex - 2})
        EXPECT_EQ(k.pixelColor(x, y), QColor(254, 254, 255)) << x;
    bool betu = false;
    for (int x = ex; x < ex + fm.horizontalAdvance(ertek); ++x)
        betu = betu || k.pixelColor(x, y) != QColor(254, 254, 255);
    EXPECT_TRUE(betu);
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
        k.save(QDir(d).filePath(QStringLiteral("magas_oszlop.png")));
}

// ---- The window ----

class StatisztikaAblak : public kvx::teszt::StatisztikaAblakAlap {
protected:
    QAction* a(kvx::ParancsId nev) const { return window_->Akcio(nev); }
    bool kesz() const { return !s_->Fut() && szalak().Tetlen(); }
    // The item of tag shows menu picture index.
    bool kepe(int tag, int index) const
    {
        const QColor szin = s_->MainMenu2->palette().color(QPalette::ButtonText);
        return s_->MenuPont(tag)->icon().pixmap(32, 32).toImage() == StatMenuKep(index, szin).pixmap(32, 32).toImage();
    }
};

TEST_F(StatisztikaAblak, MenuPicturesShowWhichResultsAreKept)
{
    for (int tag = 1; tag <= 33; ++tag)
        EXPECT_TRUE(kepe(tag, StatLeirasTag(tag)->Diagram ? kKepDiagram : kKepSzoveges)) << tag;
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    s_->StatisztikaKeszites(5);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_TRUE(kepe(1, kKepDiagramKesz));
    EXPECT_TRUE(kepe(5, kKepSzovegesKesz));
    EXPECT_TRUE(kepe(2, kKepDiagram));
    EXPECT_TRUE(kepe(6, kKepSzoveges));
    // A new main-ticket range drops the main ticket's results only.
    Program::aktualis().HuzasokV().TartomanyokModositva(1);
    EXPECT_TRUE(kepe(1, kKepDiagram));
    EXPECT_TRUE(kepe(5, kKepSzovegesKesz));
    // A new database range with the window closed: nothing is shown again.
    s_->KilepesClick();
    Program::aktualis().HuzasokV().TartomanyokModositva(3);
    EXPECT_TRUE(kepe(5, kKepSzoveges));
}

// "Számpárok" stands apart from the line charts above it in both menus.
TEST_F(StatisztikaAblak, SeparatorsSetThePairsApart)
{
    const struct {
        QMenu* Menu;
        int Par, Elotte;
    } esetek[] = {{s_->Varici1, 23, 25}, {s_->Adatbzis1, 22, 24}};
    for (const auto& e : esetek) {
        const QList<QAction*> p = e.Menu->actions();
        const qsizetype i = p.indexOf(s_->MenuPont(e.Par));
        ASSERT_GE(i, 2) << e.Par;
        EXPECT_TRUE(p[i - 1]->isSeparator() && p[i - 1]->isVisible()) << e.Par;
        EXPECT_EQ(p[i - 2], s_->MenuPont(e.Elotte)) << e.Par;
        ASSERT_LT(i + 1, p.size());
        EXPECT_TRUE(p[i + 1]->isSeparator() && p[i + 1]->isVisible()) << e.Par;
    }
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        s_->show();
        s_->Varici1->popup(s_->mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        s_->Varici1->grab().save(QDir(d).filePath(QStringLiteral("statisztika_variacio_menu.png")));
        s_->Varici1->hide();
    }
}

// The window is as large as what it shows: a narrow band while a statistic
// runs, a chart no narrower than its option panel and never wider than the
// screen, a text report exactly its own size; the height follows the content.
TEST_F(StatisztikaAblak, WindowSizeFollowsWhatItShows)
{
    const int munka = s_->screen()->availableGeometry().width();
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(s_->Fut());
    EXPECT_FALSE(s_->Panel2->isVisible());
    const int sav = s_->width();
    const int savMagas = s_->height();
    if (s_->frameGeometry().width() >= munka)
        GTEST_SKIP() << "the screen is narrower than the option panel (ctest gives these tests a wider one)";
    ASSERT_TRUE(varj([this] { return kesz(); }));
    QApplication::processEvents();
    EXPECT_TRUE(s_->Panel2->isVisible());
    EXPECT_GT(s_->width(), sav);
    EXPECT_GT(s_->height(), savMagas);
    EXPECT_LE(s_->frameGeometry().width(), munka);
    EXPECT_EQ(s_->minimumWidth(), sav);

    // As narrow as it may be: the last button still shows whole.
    const QSize diagram = s_->size();
    s_->resize(100, diagram.height() + 200);
    QApplication::processEvents();
    EXPECT_EQ(s_->width(), sav);
    EXPECT_EQ(s_->height(), diagram.height());
    EXPECT_LE(s_->SpeedButton2->geometry().right(), s_->Panel2->width());
    s_->resize(munka + 300, diagram.height());
    QApplication::processEvents();
    EXPECT_LE(s_->frameGeometry().width(), munka);

    const int vege = s_->width();
    s_->StatisztikaKeszites(5);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    QApplication::processEvents();
    EXPECT_FALSE(s_->Panel2->isVisible());
    const QSize jelentes = s_->size();
    s_->resize(jelentes + QSize(100, 100));
    QApplication::processEvents();
    EXPECT_EQ(s_->size(), jelentes);
    s_->resize(jelentes - QSize(100, 50));
    QApplication::processEvents();
    EXPECT_EQ(s_->size(), jelentes);

    // The chart comes back in the width it had.
    s_->StatisztikaKeszites(2);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    QApplication::processEvents();
    EXPECT_EQ(s_->size(), QSize(vege, diagram.height()));
}

// Coming back to the main window repaints the idle statistics window showing
// beside it and fits it to its chart again; a hidden window is left alone.
TEST_F(StatisztikaAblak, ActivatingTheMainWindowRepaintsAndFitsTheChartShown)
{
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    QApplication::processEvents();
    ASSERT_TRUE(s_->isVisible());
    const QSize hatarok(s_->minimumWidth(), s_->maximumWidth());
    struct FestesSzamlalo : QObject {
        int Db = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Db += e->type() == QEvent::Paint;
            return false;
        }
    } festesek;
    s_->SelectionSortBox->installEventFilter(&festesek);
    const auto aktival = [](QWidget* w) {
        w->activateWindow();
        return varj([w] { return w->isActiveWindow(); }, 5000);
    };
    // Something bent the window's limits while the main window was away.
    ASSERT_TRUE(aktival(s_));
    s_->setMinimumWidth(hatarok.width() / 2);
    s_->setMaximumWidth(hatarok.width() / 2);
    QApplication::processEvents();
    festesek.Db = 0;
    ASSERT_TRUE(aktival(window_.get()));
    EXPECT_TRUE(varj([&festesek] { return festesek.Db > 0; }, 5000));
    EXPECT_EQ(QSize(s_->minimumWidth(), s_->maximumWidth()), hatarok);
    kep(s_, "statisztika_aktivalas_utan.png");

    ASSERT_TRUE(aktival(s_));
    s_->hide();
    s_->setMinimumWidth(hatarok.width() / 2);
    s_->setMaximumWidth(hatarok.width() / 2);
    formok().HuzLista->Start();
    ASSERT_TRUE(aktival(formok().HuzLista));
    ASSERT_TRUE(aktival(window_.get()));
    EXPECT_EQ(s_->maximumWidth(), hatarok.width() / 2);
    s_->removeEventFilter(&festesek);
}

// A window the screen cannot hold says so once per statistic.
TEST_F(StatisztikaAblak, AWindowTooLargeForTheScreenWarnsOncePerStatistic)
{
    settings().BetuMeret = 20;
    settings().UzenetekLog[17] = 1;
    TStatisztika nagy(Program::aktualis().Variacio(), Program::aktualis().HuzasokV(), window_.get());
    const auto kesz = [&nagy] { return !nagy.Fut() && szalak().Tetlen(); };
    // More answers than warnings due: one too many is counted, not left open.
    Valaszolo v(QStringList(4, QStringLiteral("Igen")));
    const auto figyelmeztetesek = [&v] {
        return std::count_if(v.Latott.begin(), v.Latott.end(), [](const kvx::teszt::LatottDoboz& d) {
            return d.Szoveg.contains(QStringLiteral(" ablak magassága meghaladja a kijelző"));
        });
    };
    nagy.StatisztikaKeszites(1);
    ASSERT_TRUE(varj([&] { return kesz() && figyelmeztetesek() == 1; }, 20000));
    EXPECT_TRUE(v.Latott.back().Szoveg.startsWith(QStringLiteral("A(z) Statisztika - Főszelvény - Hányszor húzták ablak")))
        << v.Latott.back().Szoveg.toStdString();
    // The warning tells; the window itself stays on the work area.
    EXPECT_LE(nagy.frameGeometry().height(), nagy.screen()->availableGeometry().height());
    nagy.StatisztikaKeszites(1);
    ASSERT_TRUE(varj(kesz));
    QTest::qWait(200);
    EXPECT_EQ(figyelmeztetesek(), 1);
    nagy.StatisztikaKeszites(2);
    EXPECT_TRUE(varj([&] { return kesz() && figyelmeztetesek() == 2; }, 20000));
    EXPECT_EQ(settings().UzenetekLog[17], 1);
    nagy.close();
}

// Shift+Ctrl and a double click on a bar open the draws list at the draw
// where its number came last, in a game of two drawings at the drawing.
TEST_F(StatisztikaAblak, ShiftCtrlDoubleClickOpensTheDrawsListAtTheDrawing)
{
    GameParams g;
    g.LottoIndex = 2;  // 7/35, two drawings
    JatekParameterek(g);
    ASSERT_TRUE(g.TobbSorsolas);
    // Draw 2 has no second drawing; draw 3's second drawing holds 29-35.
    const TTombInt2D sorok = {{1, 2020, 1, 1, 2, 3, 4, 5, 6, 7, 21, 22, 23, 24, 25, 26, 27},
                              {2, 2020, 2, 8, 9, 10, 11, 12, 13, 14, 0, 0, 0, 0, 0, 0, 0},
                              {3, 2020, 3, 15, 16, 17, 18, 19, 20, 28, 29, 30, 31, 32, 33, 34, 35}};
    ASSERT_TRUE(writeFileAtomic(dir_.filePath(QStringLiteral("Dat/")).toStdString() + AdatbazisAllomany[2],
                                AdatbazisKep(sorok, g, HuzasIroVerzio())));
    window_->LottoSelect(2);
    ASSERT_EQ(draws().HuzasokSzama, 3);
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    THuzLista* l = formok().HuzLista;
    const struct {
        int Szam, Sor, Oszlop;
    } esetek[] = {{30, 2, g.MasodikHuzasOszlop}, {16, 2, 3}, {12, 1, 3}};
    for (const auto& e : esetek) {
        const Oszlop b = s_->Modell().OszlopGeometria(e.Szam - 1, s_->ScrollBar1->value(), s_->SelectionSortBox->width());
        ASSERT_TRUE(b.Lathato) << e.Szam;
        QTest::mouseDClick(s_->SelectionSortBox, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                           QPoint((b.X0 + b.X1) / 2, b.Teto + 5));
        ASSERT_TRUE(varj([l] { return l->isVisible(); }, 5000)) << e.Szam;
        EXPECT_EQ(l->HuzTabla->currentIndex().row(), e.Sor) << e.Szam;
        EXPECT_EQ(l->HuzTabla->currentIndex().column(), e.Oszlop) << e.Szam;
        // A jump marks nothing.
        EXPECT_FALSE(KijeloltE(szamListak(), e.Szam)) << e.Szam;
    }
}

TEST_F(StatisztikaAblak, MainTicketChartsFromTheMenuAndADoubleClickMarksTheNumber)
{
    // The statistics button opens "Hányszor húzták" on a loaded database.
    ASSERT_TRUE(a(ParancsId::StatisztikaGomb)->isEnabled());
    a(ParancsId::StatisztikaGomb)->trigger();
    ASSERT_TRUE(s_->isVisible());
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_EQ(s_->FormTag(), 1);
    EXPECT_EQ(s_->windowTitle(), QStringLiteral(" Statisztika - Főszelvény - Hányszor húzták"));
    EXPECT_EQ(s_->Fejlec(), QStringLiteral("Tartomány: 1. - 3. húzások alapján 3 számsor, 15 szám"));
    // The three draws hold 2-4, 11-13, 21-23, 31-33 and 41-43.
    const TTombInt2D& t = s_->Modell().Tabla();
    ASSERT_EQ(t.size(), 90u);
    for (int n = 1; n <= 90; ++n) {
        const int j = n % 10;
        const int varhato = (n < 50 && j >= (n < 10 ? 2 : 1) && j <= (n < 10 ? 4 : 3)) ? 1 : 0;
        EXPECT_EQ(t[static_cast<std::size_t>(n - 1)][1], varhato) << n;
    }
    EXPECT_TRUE(statMasolat().Van(1));
    EXPECT_TRUE(s_->MenuPont(kFoszelvenyReset)->isEnabled());
    kep(s_, "hanyszor_huztak.png");

    // Every statistic not built yet is disabled and says so.
    for (int tag = 4; tag <= 33; ++tag) {
        if (StatLeirasTag(tag)->Kesz) {
            EXPECT_TRUE(s_->MenuPont(tag)->isEnabled()) << tag;
            continue;
        }
        EXPECT_FALSE(s_->MenuPont(tag)->isEnabled()) << tag;
        EXPECT_EQ(s_->MenuPont(tag)->statusTip(), QString::fromUtf8(kNemElerheto)) << tag;
    }
    // Without a variation its menu is off.
    EXPECT_FALSE(s_->Varici1->isEnabled());

    // A double click on the bar of 12 marks 12 on the main ticket; one on
    // the empty column of 50 changes nothing.
    const Oszlop b = s_->Modell().OszlopGeometria(11, s_->ScrollBar1->value(), s_->SelectionSortBox->width());
    ASSERT_TRUE(b.Lathato);
    ASSERT_FALSE(KijeloltE(szamListak(), 12));
    QTest::mouseDClick(s_->SelectionSortBox, Qt::LeftButton, {}, QPoint((b.X0 + b.X1) / 2, b.Teto + 5));
    EXPECT_TRUE(KijeloltE(szamListak(), 12));
    // The bar's hint: 12 came once, in the second of the three draws.
    s_->SelectionSortBoxMouseMove(QPoint((b.X0 + b.X1) / 2, b.Teto + 5));
    const QString tipp = s_->SelectionSortBox->toolTip();
    EXPECT_TRUE(tipp.startsWith(QStringLiteral(" 1 esetben sorsolták \r\n Utoljára: 2. húzás számsorából"))) << tipp.toStdString();
    EXPECT_TRUE(tipp.contains(QStringLiteral("   - 1 húzás óta nem került elő "))) << tipp.toStdString();
    const int db = szamListak().KijeloltSzamDb();
    const Oszlop ures = s_->Modell().OszlopGeometria(49, 0, s_->SelectionSortBox->width());
    if (ures.Lathato) {
        QTest::mouseDClick(s_->SelectionSortBox, Qt::LeftButton, {}, QPoint((ures.X0 + ures.X1) / 2, ures.Alj - 5));
        EXPECT_EQ(szamListak().KijeloltSzamDb(), db);
        // Nor is there a hint over the white of an empty column.
        s_->SelectionSortBoxMouseMove(QPoint((ures.X0 + ures.X1) / 2, ures.Alj - 5));
        EXPECT_TRUE(s_->SelectionSortBox->toolTip().isEmpty());
    }

    // "Hány húzás óta..." from the menu; Zoom groups the numbers by value.
    s_->MenuPont(2)->trigger();
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_EQ(s_->windowTitle(), QStringLiteral(" Statisztika - Főszelvény - Hány húzás óta..."));
    EXPECT_EQ(s_->Modell().Tabla()[42][1], 0);   // 43 came in the last draw
    EXPECT_EQ(s_->Modell().Tabla()[41][1], 1);   // 42 one draw before it
    EXPECT_EQ(s_->Modell().Tabla()[1][1], 2);    // 2 two draws before
    EXPECT_TRUE(s_->ElmeletiCheckBox->isEnabled());
    kep(s_, "hany_huzas_ota.png");
    s_->ZoomCheckBox->click();
    EXPECT_TRUE(s_->Modell().ZoomAktiv());
    std::int32_t szamok = 0;
    for (const TTombInt1D& r : s_->Modell().Tabla())
        szamok += r[0];
    EXPECT_EQ(szamok, 90);
    kep(s_, "hany_huzas_ota_zoom.png");
    s_->ZoomCheckBox->click();
    s_->NovekvoGomb->click();
    kep(s_, "hany_huzas_ota_novekvo.png");

    // A new main-ticket range drops the main ticket's results and shows
    // the statistic again over the new range.
    EXPECT_TRUE(a(ParancsId::Hzsokszma1)->isEnabled());
    EXPECT_TRUE(a(ParancsId::Hzsokszma2)->isEnabled());
    // The window's own range items answer the same keys.
    EXPECT_EQ(s_->MenuPont(kFoszelvenyTartomany)->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_EQ(s_->MenuPont(kAdatbazisTartomany)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+H")));
    ASSERT_TRUE(statMasolat().Van(1));
    huzSzama().SetHuzSzamaElso(2);
    Program::aktualis().HuzasokV().TartomanyokModositva(1);
    EXPECT_FALSE(statMasolat().Van(1));
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_EQ(s_->FormTag(), 2);
    EXPECT_EQ(s_->Fejlec(), QStringLiteral("Tartomány: 2. - 3. húzások alapján 2 számsor, 10 szám"));
    // Still in ascending order; 2 never came in the range: the range's length.
    for (const TTombInt1D& r : s_->Modell().Tabla()) {
        if (r[0] == 2) {
            EXPECT_EQ(r[1], 2);
        }
    }
    EXPECT_EQ(s_->Modell().Tabla().back()[1], 2);
}

TEST_F(StatisztikaAblak, DatabaseTextReportsFromTheMenu)
{
    // The three draws 2 11 21 31 41, 3 12 22 32 42, 4 13 23 33 43.
    struct Eset {
        int Tag;
        const char* Felirat;
        std::string Sor;
    } esetek[] = {
        {5, "Páros-páratlan", "Kihúzott páros számok összesen               :  6 szám,"},
        {6, "Ismétlődés", "Számvégződés ismétlődés összesen     : 3 számsor,"},
        {7, "Események", "Kihúzott ikerszám összesen            : 3 szám,"},
        {4, "Találati arányok", "0 találatot elérő számsor: 3 db"},
    };
    for (const Eset& e : esetek) {
        s_->StatisztikaKeszites(e.Tag);
        ASSERT_TRUE(varj([this] { return kesz(); })) << e.Tag;
        EXPECT_EQ(s_->windowTitle(), QStringLiteral(" Statisztika - Húzások listája - ") + QString::fromUtf8(e.Felirat));
        EXPECT_TRUE(statMasolat().Van(e.Tag));
        std::map<int, std::string> sorok;
        for (const JelentesLepes& l : s_->Jelentes().Lepesek)
            if (!l.Sav)
                sorok[l.Y] += l.Szoveg;
        bool van = false;
        for (const auto& [y, t] : sorok)
            van = van || t.find(e.Sor) != std::string::npos;
        EXPECT_TRUE(van) << e.Tag << " misses [" << e.Sor << "]";
        // The report is painted: the value colour is on the box.
        const QImage k = s_->SelectionSortBox->grab().toImage();
        bool ertekSzin = false;
        for (int y = 0; y < k.height() && !ertekSzin; ++y)
            for (int x = 0; x < k.width() && !ertekSzin; ++x) {
                // Antialiased: a clearly blue-green pixel of the values.
                const QColor c = k.pixelColor(x, y);
                ertekSzin = c.red() < 60 && c.blue() > c.red() + 80 && c.green() < c.blue();
            }
        EXPECT_TRUE(ertekSzin) << e.Tag;
        kep(s_, (std::string("jelentes_") + std::to_string(e.Tag) + ".png").c_str());
    }
    EXPECT_TRUE(s_->MenuPont(kAdatbazisReset)->isEnabled());
}

TEST_F(StatisztikaAblak, FrequencyDistributionOfAVariationIsCachedUnlessCancelled)
{
    variacio({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88}, 1);
    const std::int32_t sorok = variationStore().BontSzelvszam;
    ASSERT_GT(sorok, 0);

    // Started and closed at once: the run is cancelled and nothing is kept.
    s_->StatisztikaKeszites(3);
    s_->KilepesClick();
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_FALSE(statMasolat().Van(3));

    s_->StatisztikaKeszites(3);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_EQ(s_->windowTitle(), QStringLiteral(" Statisztika - Variáció - Gyakorisági eloszlás"));
    const TTombInt2D& t = s_->Modell().Tabla();
    ASSERT_EQ(t.size(), 12u);
    std::int64_t osszes = 0;
    for (const TTombInt1D& r : t)
        osszes += r[1];
    EXPECT_EQ(osszes, static_cast<std::int64_t>(sorok) * 5);
    EXPECT_EQ(t[0][0], 3);
    EXPECT_TRUE(statMasolat().Van(3));
    EXPECT_TRUE(s_->MenuPont(kVariacioReset)->isEnabled());
    EXPECT_TRUE(s_->Fejlec().startsWith(QStringLiteral("Tartomány: ")));
    EXPECT_TRUE(s_->Fejlec().endsWith(QStringLiteral(" számsorra - 12 szám gyakorisági eloszlása")));
    kep(s_, "gyakorisagi_eloszlas.png");

    // Reset drops the variation's results and computes it again.
    s_->Reset1Click(kVariacioReset);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_TRUE(statMasolat().Van(3));
    EXPECT_EQ(s_->Modell().Tabla().size(), 12u);

    // The information window's Diagram button shows it again.
    s_->KilepesClick();
    ASSERT_TRUE(formok().Info->Button4->isEnabled());
    formok().Info->Button4->click();
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_TRUE(s_->isVisible());
    EXPECT_EQ(s_->FormTag(), 3);

    // The variation's text reports: even/odd over its lines, and the hit
    // ratios, where no two lines of a variation are identical.
    for (int tag : {10, 12}) {
        s_->StatisztikaKeszites(tag);
        ASSERT_TRUE(varj([this] { return kesz(); })) << tag;
        EXPECT_EQ(s_->FormTag(), tag);
        EXPECT_TRUE(statMasolat().Van(tag));
        std::string osszes;
        for (const JelentesLepes& l : s_->Jelentes().Lepesek)
            osszes += l.Szoveg;
        EXPECT_NE(osszes.find(tag == 10 ? "Variált páros számok összesen" : "Maximum 5 találatot elérő számsor: "),
                  std::string::npos)
            << tag;
        EXPECT_EQ(osszes.find("sorszámainak listája"), std::string::npos) << tag;
        kep(s_, tag == 10 ? "jelentes_10.png" : "jelentes_12.png");
    }

    // Deleting the variation drops its results and closes a window showing them.
    {
        Valaszolo v({QStringLiteral("Igen")});
        a(ParancsId::rls2)->trigger();
    }
    EXPECT_FALSE(statMasolat().Van(3));
    EXPECT_FALSE(s_->isVisible());
}

// Shift+Ctrl and a double click on a bar of the variation's chart open the
// variation list at the last line holding the number; the chart shows the
// lines by their rows, so sorting them closes the window.
TEST_F(StatisztikaAblak, AVariationBarOpensTheListAtItsLastLineAndASortClosesTheWindow)
{
    variacio({3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88}, 1);
    ASSERT_GT(variationStore().BontSzelvszam, 2);
    s_->StatisztikaKeszites(3);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    ASSERT_FALSE(s_->TimeCheckBox->isChecked());
    // The bar whose number left the lines earliest: its line is not where
    // the list would open anyway (the first or the last).
    const TTombInt2D& t = s_->Modell().Tabla();
    std::size_t i = 0;
    for (std::size_t j = 1; j < t.size(); ++j)
        if (t[j][2] < t[i][2])
            i = j;
    const int sor = t[i][2];
    ASSERT_GT(sor, 1);
    ASSERT_LT(sor, variationStore().BontSzelvszam);
    TBontLista* l = formok().BontLista;
    ASSERT_NE(l, nullptr);
    ASSERT_FALSE(l->isVisible());
    const Oszlop b = s_->Modell().OszlopGeometria(static_cast<int>(i), s_->ScrollBar1->value(),
                                                  s_->SelectionSortBox->width());
    ASSERT_TRUE(b.Lathato);
    QTest::mouseDClick(s_->SelectionSortBox, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                       QPoint((b.X0 + b.X1) / 2, (b.Teto + b.Alj) / 2));
    ASSERT_TRUE(varj([l] { return l->isVisible(); }, 5000));
    EXPECT_EQ(l->GetKivRekord(), sor);

    ASSERT_TRUE(s_->isVisible());
    ASSERT_TRUE(a(ParancsId::Rendezs1)->isEnabled());
    a(ParancsId::Rendezs1)->trigger();
    EXPECT_FALSE(s_->isVisible());
    EXPECT_TRUE(a(ParancsId::Eredetisorrend1)->isEnabled());
}

// The statistics button is on the main window's tool bar from the start and
// off until the statistics window is wired to it.
TEST(StatisztikaGomb, OffUntilTheWindowIsWiredThenOnWithItsHint)
{
    kvx::Program program;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TFoablak w(dir.filePath("kavarex"));
    QAction* gomb = w.Akcio(ParancsId::StatisztikaGomb);
    ASSERT_NE(gomb, nullptr);
    const QList<QObject*> helyek = gomb->associatedObjects();
    EXPECT_TRUE(std::any_of(helyek.begin(), helyek.end(), [](QObject* o) { return qobject_cast<QToolBar*>(o); }));
    EXPECT_FALSE(gomb->isEnabled());
    EXPECT_EQ(gomb->statusTip(), QString::fromUtf8(kNemElerheto));
    FormokLetrehozasa(w);
    EXPECT_TRUE(gomb->isEnabled());
    EXPECT_EQ(gomb->statusTip(), QStringLiteral(" Statisztika "));
}

// A running statistic is cancelled the user's ways: the "Kilépés" menu,
// Esc and the close box. While it runs the statistics window is the only
// one that answers; a cancelled run keeps nothing, and every window is back.
TEST_F(StatisztikaAblak, ARunningStatisticStopsByKilepesEscOrTheCloseBox)
{
    // The hit ratios of the 252 lines of 10 numbers, held by the test with
    // the lines in hand until the window is closed.
    std::vector<int> szamok(10);
    std::iota(szamok.begin(), szamok.end(), 1);
    variacio(szamok, 0);
    ASSERT_EQ(variationStore().BontSzelvszam, 252);
    TesztTartas tartas;
    const std::pair<const char*, std::function<void()>> modok[] = {
        {"Kilépés",
         [this] {
             QTest::mouseClick(s_->MainMenu2, Qt::LeftButton, {}, s_->MainMenu2->actionGeometry(s_->Kilepes).center());
         }},
        {"Esc", [this] { QTest::keyClick(s_, Qt::Key_Escape); }},
        {"close box", [this] { s_->windowHandle()->close(); }},
    };
    QWidget* lista = formok().BontLista;
    for (const auto& [nev, leallitas] : modok) {
        s_->StatisztikaKeszites(12);
        ASSERT_TRUE(s_->Fut()) << nev;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(s_)) << nev;
        ASSERT_TRUE(varj([] { return TesztTartas::Tartott() == 1; })) << nev;
        EXPECT_TRUE(s_->Fut()) << nev;
        EXPECT_TRUE(s_->isEnabled()) << nev;
        EXPECT_TRUE(s_->Kilepes->isEnabled()) << nev;
        EXPECT_FALSE(window_->isEnabled()) << nev;
        EXPECT_FALSE(lista->isEnabled()) << nev;
        leallitas();
        ASSERT_TRUE(varj([this] { return kesz(); })) << nev;
        EXPECT_EQ(TesztTartas::Tartott(), 0) << nev;
        EXPECT_FALSE(statMasolat().Van(12)) << nev;
        EXPECT_TRUE(kepe(12, kKepSzoveges)) << nev;
        EXPECT_FALSE(s_->isVisible()) << nev;
        EXPECT_TRUE(window_->isEnabled()) << nev;
        EXPECT_TRUE(lista->isEnabled()) << nev;
    }
}

}  // namespace
