// The main ticket and the other ticket windows, driven with the mouse on
// Qt's offscreen platform; what is marked is read back from the number lists.
#include <QApplication>
#include <QFrame>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "app/game_table.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/program.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "tickets/number_lists.h"
#include "tickets/ticket_layout.h"
#include "variation/ui/bontellszelveny.h"
#include "tickets/ui/bontszelveny.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/huzbeszelveny.h"
#include "tickets/ui/huzkeresszelveny.h"
#include "tickets/ui/huzszelveny.h"
#include "tickets/ui/szelvenyek.h"

using namespace kvx;

namespace {

std::vector<int> lista(const TTombByte1D& v)
{
    return std::vector<int>(v.begin(), v.end());
}

QColor szin(std::int32_t rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

class SzelvenyTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        SzelvIniAlap(settings(), game(), mainState(), 13);
        uzenetek.clear();
        szelvenyek().Uzenet = [this](QWidget*, const QString& t, SzelvenyUzenetFajta) { uzenetek.push_back(t); };
        BontEllSzelvenyBekotes();
    }
    void TearDown() override
    {
        SzelvenyekLebontasa();
        szelvenyek().Uzenet = {};
    }

    TFoszelveny* epit(int jatek)
    {
        game().LottoIndex = jatek;
        SzelvenyekLetrehozasa(&foablak);
        return szelvenyek().Foszelveny.data();
    }

    TSzamPanel* panel(int n) { return szelvenyek().Foszelveny->SzamPanelek[static_cast<std::size_t>(n - 1)]; }

    void kattint(int n, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::mouseClick(panel(n), Qt::LeftButton, m, panel(n)->rect().center());
    }

    QMainWindow foablak;
    std::vector<QString> uzenetek;
};

TEST_F(SzelvenyTest, ClicksWithModifiersMarkTheRolesInTheLists)
{
    TFoszelveny* f = epit(0);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral(" Főszelvény"));
    ASSERT_EQ(f->SzamPanelek.size(), 90u);

    kattint(5);
    kattint(10, Qt::ShiftModifier);    // fixed
    kattint(20, Qt::ControlModifier);  // constant
    kattint(5, Qt::ControlModifier);   // already selected: nothing changes
    kattint(5, Qt::ShiftModifier);     // likewise
    const SzamListak& l = szamListak();
    EXPECT_EQ(lista(l.KijeloltSzamok), (std::vector<int>{5, 20}));
    EXPECT_EQ(lista(l.FixSzamok), (std::vector<int>{10}));
    EXPECT_EQ(lista(l.AllandoSzamok), (std::vector<int>{20}));
    EXPECT_TRUE(uzenetek.empty());

    // The panels show the roles from the lists.
    const SzelvenySor& look = settings().SzelvenyBeallitas[0];
    EXPECT_EQ(panel(5)->palette().color(QPalette::Window), szin(look[SzeletJelolt]));
    EXPECT_EQ(panel(10)->palette().color(QPalette::WindowText), szin(look[SzeletFix]));
    EXPECT_EQ(panel(20)->palette().color(QPalette::WindowText), szin(look[SzeletAllando]));
    EXPECT_EQ(panel(6)->palette().color(QPalette::Window), szin(look[SzeletCellaSzin]));
    EXPECT_TRUE(f->InfoCimke->text().contains(QStringLiteral(" Kijelölve  :  3 szám")));

    // At most three fixed numbers on 5/90: the fourth is refused with a message.
    kattint(11, Qt::ShiftModifier);
    kattint(12, Qt::ShiftModifier);
    kattint(13, Qt::ShiftModifier);
    EXPECT_EQ(lista(l.FixSzamok), (std::vector<int>{10, 11, 12}));
    ASSERT_EQ(uzenetek.size(), 1u);
    EXPECT_EQ(uzenetek[0], QStringLiteral("Nem lehetséges több fix szám kijelölése."));
    EXPECT_EQ(panel(13)->palette().color(QPalette::Window), szin(look[SzeletCellaSzin]));

    // Clicking a marked number again unmarks it in its role.
    kattint(5);
    kattint(10, Qt::ShiftModifier);
    kattint(20, Qt::ControlModifier);
    EXPECT_TRUE(l.KijeloltSzamok.empty());
    EXPECT_EQ(lista(l.FixSzamok), (std::vector<int>{11, 12}));
    EXPECT_TRUE(l.AllandoSzamok.empty());
    EXPECT_EQ(panel(5)->palette().color(QPalette::Window), szin(look[SzeletCellaSzin]));
}

// The chosen number order holds after every marking, not only when it is
// chosen; a loaded file's own order is left alone.
TEST_F(SzelvenyTest, EveryMarkingTakesItsPlaceInTheNumberOrder)
{
    const std::pair<int, std::vector<int>> esetek[] = {
        {0, {30, 5, 12}}, {1, {5, 12, 30}}, {2, {30, 12, 5}}};
    for (const auto& [mod, vart] : esetek) {
        SCOPED_TRACE(mod);
        epit(0);
        settings().SzamsorrendMod = mod;
        for (int n : {30, 5, 12})
            kattint(n);
        EXPECT_EQ(lista(szamListak().KijeloltSzamok), vart);
        SzelvenyekLebontasa();
    }
    epit(0);
    settings().SzamsorrendMod = 1;
    szamListak().KijeloltSzamok = {30, 5, 12};
    szamListak().SzamsorrendAlkalmaz = false;
    szelvenyek().Foszelveny->Frissites();
    EXPECT_EQ(lista(szamListak().KijeloltSzamok), (std::vector<int>{30, 5, 12}));
}

TEST_F(SzelvenyTest, ExtraPoolNumberCannotBeFixed)
{
    epit(30);
    ASSERT_EQ(szelvenyek().Foszelveny->SzamPanelek.size(), 62u);
    EXPECT_EQ(panel(51)->text(), QStringLiteral("1"));
    kattint(52, Qt::ShiftModifier);
    kattint(3);
    kattint(52);
    EXPECT_TRUE(szamListak().FixSzamok.empty());
    EXPECT_EQ(lista(szamListak().KijeloltSzamok), (std::vector<int>{3, 52}));
    ASSERT_EQ(uzenetek.size(), 1u);
    EXPECT_TRUE(uzenetek[0].endsWith(QStringLiteral(" szám nem jelölhető ki fix számként.")));
}

TEST_F(SzelvenyTest, RightButtonDragTogglesEachNumberEnteredOnce)
{
    epit(0);
    TSzamPanel* elso = panel(1);
    const auto mozgas = [&](int n) {
        const QPoint g = panel(n)->mapToGlobal(panel(n)->rect().center());
        QMouseEvent e(QEvent::MouseMove, elso->mapFromGlobal(g), g, Qt::NoButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(elso, &e);
    };
    QTest::mousePress(elso, Qt::RightButton, Qt::NoModifier, elso->rect().center());
    mozgas(1);
    mozgas(1);  // still on the same number: no second toggle
    mozgas(2);
    mozgas(3);
    mozgas(3);
    QTest::mouseRelease(elso, Qt::RightButton, Qt::NoModifier, elso->rect().center());
    EXPECT_EQ(lista(szamListak().KijeloltSzamok), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(szelvenyek().Foszelveny->EgerSzam, 0);

    // A new drag over a marked number unmarks it.
    QTest::mousePress(elso, Qt::RightButton, Qt::NoModifier, elso->rect().center());
    mozgas(2);
    QTest::mouseRelease(elso, Qt::RightButton, Qt::NoModifier, elso->rect().center());
    EXPECT_EQ(lista(szamListak().KijeloltSzamok), (std::vector<int>{1, 3}));
}

TEST_F(SzelvenyTest, RandomMarkingStopsWithAMessageWhenNoNumberIsFree)
{
    TFoszelveny* f = epit(8);  // Kenó: 80 numbers
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(f->VeletlenSzamGeneralas(1, 10));
    const SzamListak& l = szamListak();
    EXPECT_EQ(l.VeletlenSzamDb(), 5);
    for (int n : lista(l.VeletlenSzamok)) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 10);
        EXPECT_EQ(panel(n)->palette().color(QPalette::WindowText),
                  szin(settings().SzelvenyBeallitas[0][SzeletVeletlen]));
    }
    for (int n = 1; n <= 10; ++n)
        if (!KijeloltE(l, n)) kattint(n);
    EXPECT_FALSE(f->VeletlenSzamGeneralas(1, 10));
    ASSERT_EQ(uzenetek.size(), 1u);
    EXPECT_EQ(uzenetek[0], QString::fromUtf8(kNincsSzabadSzam));
    EXPECT_EQ(l.KijeloltSzamDb(), 10);
    EXPECT_EQ(l.VeletlenSzamDb(), 5);
}

TEST_F(SzelvenyTest, RebuildMakesSixTicketsForTheNewGame)
{
    epit(0);
    kattint(7);
    epit(37);
    const SzelvenyekAllapot& s = szelvenyek();
    ASSERT_TRUE(s.Foszelveny && s.BontEllSzelveny && s.HuzKeresSzelveny && s.HuzSzelveny && s.BontSzelveny &&
                s.HuzBeSzelveny);
    EXPECT_EQ(game().LottoIndex, 37);
    EXPECT_EQ(s.Foszelveny->SzamPanelek.size(), 59u);
    EXPECT_EQ(s.Foszelveny->SzamPanelek[49]->text(), QStringLiteral("0"));
    EXPECT_TRUE(szamListak().KijeloltSzamok.empty());  // a new main ticket starts empty

    EXPECT_TRUE(s.Foszelveny->isVisible());
    EXPECT_FALSE(s.BontSzelveny->isVisible());
    EXPECT_FALSE(s.HuzBeSzelveny->InfoPanel->isVisibleTo(s.HuzBeSzelveny));
    EXPECT_TRUE(s.BontEllSzelveny->TorlesGomb->isVisibleTo(s.BontEllSzelveny));
    EXPECT_TRUE(s.HuzKeresSzelveny->KilepesGomb->isVisibleTo(s.HuzKeresSzelveny));
    EXPECT_FALSE(s.Foszelveny->GombPanel->isVisibleTo(s.Foszelveny));
    EXPECT_NE(s.BontEllSzelveny->InfoPanel2, nullptr);  // game 37 has an extra-pool panel

    // The user cannot close a ticket.
    s.Foszelveny->close();
    EXPECT_TRUE(s.Foszelveny->isVisible());

    SzelvenyekLebontasa();
    EXPECT_FALSE(s.Foszelveny);
    EXPECT_FALSE(s.HuzBeSzelveny);
}

// The variation ticket as the user sees it: on a grid shorter than the info
// panel beside it (6/45, 7 columns) the space below the grid has the info
// colour, not the form colour that draws the cell lines; on ten-column games
// (5/90) the two halves of the info panel start on the same line.
TEST_F(SzelvenyTest, VariationTicketHasNoHoleBelowTheGridAndAlignedInfoHalves)
{
    epit(1);
    TBontSzelveny* b = szelvenyek().BontSzelveny;
    ASSERT_NE(b, nullptr);
    b->show();
    const QRect utolso = b->SzamPanelek.back()->geometry();
    const int y = utolso.bottom() + 6;
    ASSERT_LT(y, b->height() - (b->GombPanel->isVisibleTo(b) ? b->GombPanel->height() : 0))
        << "the info panel is taller than the grid";
    const QImage kep = b->grab().toImage();
    const SzelvenySor& look = settings().SzelvenyBeallitas[FajtaBontSzelveny];
    ASSERT_NE(look[SzeletInfo], look[SzeletAblak]);
    EXPECT_EQ(kep.pixelColor(utolso.center().x(), y), szin(look[SzeletInfo]));
    EXPECT_EQ(kep.pixelColor(2, y), szin(look[SzeletInfo]));

    epit(0);
    b = szelvenyek().BontSzelveny;
    ASSERT_NE(b, nullptr);
    ASSERT_NE(b->InfoCimke2, nullptr);
    EXPECT_EQ(b->InfoCimke2->y(), b->InfoCimke->y());
    EXPECT_GT(b->InfoCimke2->y(), 0);
}

// On a work area too low for them every ticket keeps the cell size set
// (its numbers whole, with their margins), stays within the area and
// scrolls its grid and info panels, its buttons under them in sight; a
// second info panel of its own stands under the grid. The main ticket
// instead has smaller cells, still holding their numbers, as far as its
// info lines stay whole, and shows all of it where that is enough.
TEST_F(SzelvenyTest, TicketsKeepTheirCellsAndScrollOnALowScreen)
{
    auto* elhelyezes = new AblakElhelyezes(&foablak);
    elhelyezes->SetMunkaTerulet(QRect(0, 0, 900, 300));
    foablak.setGeometry(0, 0, 900, 300);
    for (int jatek : {0, 1, 8, 24, 30, 37}) {
        epit(jatek);
        const SzelvenyekAllapot& sz = szelvenyek();
        for (TSzelveny* t : std::initializer_list<TSzelveny*>{sz.Foszelveny, sz.BontSzelveny, sz.BontEllSzelveny,
                                                              sz.HuzSzelveny, sz.HuzKeresSzelveny}) {
            SCOPED_TRACE(std::to_string(jatek) + " " + t->objectName().toStdString());
            const bool fo = t == sz.Foszelveny;
            const int cella = settings().SzelvenyBeallitas[static_cast<std::size_t>(t->SzelvenyTipus)][SzeletCella];
            for (const TSzamPanel* p : t->SzamPanelek) {
                const QMargins m = p->contentsMargins();
                const int kell = QFontMetrics(p->font()).horizontalAdvance(QStringLiteral("88")) + m.left() + m.right();
                ASSERT_GE(p->width(), kell);
                ASSERT_GT(m.left() + m.right(), 0);
                if (fo) {
                    ASSERT_LE(p->width(), cella);
                } else {
                    ASSERT_EQ(p->width(), std::max(cella, kell));
                }
            }
            const QSize max = elhelyezes->LegnagyobbMeret(t);
            EXPECT_LE(t->height(), max.height());
            auto* lap = t->findChild<QScrollArea*>();
            ASSERT_NE(lap, nullptr);
            if (fo) {
                // Ten and seven columns leave the info text room with
                // smaller cells; five columns do not, the grid scrolls.
                if (jatek <= 1) {
                    EXPECT_GE(lap->height(), lap->widget()->height()) << "the main ticket scrolls";
                }
                EXPECT_LE(t->InfoCimke->x() + t->InfoCimke->sizeHint().width(), t->InfoPanel->width());
            } else {
                EXPECT_LT(lap->height(), lap->widget()->height()) << "the grid is taller than the area";
            }
            if (t->GombPanel->isVisibleTo(t)) {
                const QRect g(t->KilepesGomb->mapTo(t, QPoint(0, 0)), t->KilepesGomb->size());
                EXPECT_TRUE(t->rect().contains(g));
            }
            if (t->InfoPanel2 && t->InfoPanel2->parentWidget() != t->InfoPanel) {
                EXPECT_EQ(t->InfoPanel2->x(), 0);
                EXPECT_GT(t->InfoPanel2->y(), t->SzamPanelek.front()->geometry().bottom());
            }
        }
    }
}

// Pictures of the main ticket for a human look; written only when
// KAVAREX_SZELVENY_KEPEK names a folder.
TEST_F(SzelvenyTest, PicturesOfMarkedTickets)
{
    const QString mappa = qEnvironmentVariable("KAVAREX_SZELVENY_KEPEK");
    if (mappa.isEmpty())
        GTEST_SKIP() << "KAVAREX_SZELVENY_KEPEK not set";
    for (int jatek : {0, 30, 8, 24, 37}) {
        TFoszelveny* f = epit(jatek);
        kattint(3);
        kattint(14);
        kattint(7, Qt::ShiftModifier);
        kattint(21, Qt::ControlModifier);
        kattint(33, Qt::ControlModifier);
        f->VeletlenSzamGeneralas(40, 49);
        f->VeletlenSzamGeneralas(40, 49);
        if (jatek == 30) {
            kattint(52);
            kattint(60, Qt::ControlModifier);
        }
        QApplication::processEvents();
        if (jatek == 30) {
            TSzelveny* e = szelvenyek().BontEllSzelveny;
            e->show();
            EXPECT_TRUE(e->grab().save(mappa + QStringLiteral("/bontellszelveny_30.png")));
            e->hide();
        }
        EXPECT_TRUE(f->grab().save(mappa + QStringLiteral("/foszelveny_%1.png").arg(jatek)));
    }
}

}  // namespace
