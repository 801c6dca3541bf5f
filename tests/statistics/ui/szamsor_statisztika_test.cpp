// The per-line charts of the statistics window over the draws database and
// over a variation: started from their menu items, shown and cached.
#include "statistics/ui/statisztika.h"
#include "statistics/ui/statisztika_ablak.h"

#include "app/main_menu.h"
#include "common/delphi_format.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "tickets/number_lists.h"
#include "variation/ui/bontas.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QDir>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <memory>
#include <string>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

template <class F>
bool varj(F feltetel, int ms = 120000)
{
    return kvx::teszt::statisztikaVarj(feltetel, ms);
}
using kvx::teszt::kep;

class SzamsorStatisztikaAblak : public kvx::teszt::StatisztikaAblakAlap {
protected:
    bool kesz() const { return !s_->Fut() && szalak().Tetlen(); }
    // Starts tag from its menu item and waits for the chart.
    const TTombInt2D& fut(int tag)
    {
        s_->MenuPont(tag)->trigger();
        EXPECT_TRUE(varj([this] { return kesz(); }));
        EXPECT_EQ(s_->FormTag(), tag);
        return s_->Modell().Tabla();
    }
    // Sum of column c of a table.
    static std::int64_t osszeg(const TTombInt2D& t, std::size_t c)
    {
        std::int64_t s = 0;
        for (const TTombInt1D& r : t)
            s += r[c];
        return s;
    }

    // The report's lines by their y, each line's texts joined.
    std::map<int, std::string> jelentesSorai() const
    {
        std::map<int, std::string> sorok;
        for (const JelentesLepes& l : s_->Jelentes().Lepesek)
            if (!l.Sav)
                sorok[l.Y] += l.Szoveg;
        return sorok;
    }
    bool jelentesben(const std::string& sor) const
    {
        for (const auto& [y, t] : jelentesSorai())
            if (t.find(sor) != std::string::npos)
                return true;
        return false;
    }

};

TEST_F(SzamsorStatisztikaAblak, DatabaseChartsCountEveryDraw)
{
    // The three draws are 1+i 10+i 20+i 30+i 40+i: sums 110, 115, 120, spans
    // 39, and 30 different pairs.
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    struct {
        int Tag;
        const char* Kep;
        std::size_t Oszlop;
        std::int64_t Osszes;
    } const esetek[] = {{8, "osszeg_adatbazis.png", 0, 3},        {9, "szoras_adatbazis.png", 0, 3},
                        {17, "terjedelem_adatbazis.png", 0, 3},   {22, "szamparok_adatbazis.png", 1, 30},
                        {26, "egymast_koveto_szamok_adatbazis.png", 0, 12}};
    for (const auto& c : esetek) {
        const TTombInt2D& t = fut(c.Tag);
        ASSERT_FALSE(t.empty()) << c.Tag;
        EXPECT_EQ(osszeg(statMasolat().Tablak[static_cast<std::size_t>(c.Tag)], c.Oszlop), c.Osszes) << c.Tag;
        EXPECT_TRUE(statMasolat().Van(c.Tag)) << c.Tag;
        kep(s_, c.Kep);
    }
    EXPECT_EQ(s_->windowTitle().endsWith(QStringLiteral(" - Egymást követő számok")), true);
}

TEST_F(SzamsorStatisztikaAblak, VariationChartsCountEveryLine)
{
    variacio({3, 9, 14, 22, 27, 31, 40, 48}, 1);
    const std::int64_t sorok = variationStore().BontSzelvszam;
    ASSERT_GT(sorok, 0);
    struct {
        int Tag;
        const char* Kep;
        std::size_t Oszlop;
        std::int64_t Osszes;
    } const esetek[] = {{14, "osszeg_variacio.png", 0, sorok},        {15, "szoras_variacio.png", 0, sorok},
                        {16, "terjedelem_variacio.png", 0, sorok},    {23, "szamparok_variacio.png", 1, 10 * sorok},
                        {27, "egymast_koveto_szamok_variacio.png", 0, 4 * sorok}};
    for (const auto& c : esetek) {
        EXPECT_FALSE(fut(c.Tag).empty()) << c.Tag;
        EXPECT_EQ(osszeg(statMasolat().Tablak[static_cast<std::size_t>(c.Tag)], c.Oszlop), c.Osszes) << c.Tag;
        kep(s_, c.Kep);
    }
    // The pairs of the 8 selected numbers, smaller first.
    s_->MenuPont(23)->trigger();
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_EQ(s_->Modell().Tabla().size(), 28u);
}

TEST_F(SzamsorStatisztikaAblak, LineDistributionChangesItsRangesWithoutReadingTheDrawsAgain)
{
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_FALSE(s_->SzomszedosSzamokCB->isVisible());
    const TTombInt2D& t = fut(24);
    QComboBox* cb = s_->SzomszedosSzamokCB;
    ASSERT_TRUE(cb->isVisible());
    // 5/90 has 43,949,268 lines: 2 ranges is the first choice.
    ASSERT_GT(cb->count(), 2);
    EXPECT_EQ(cb->itemText(0), QStringLiteral("2 tartomány "));
    EXPECT_EQ(cb->currentIndex(), 0);
    EXPECT_EQ(t.size(), 2u);
    EXPECT_EQ(osszeg(statMasolat().Tablak[24], 1), 3);
    kep(s_, "eloszlas_adatbazis.png");

    // The third choice: the slot and the kept counts serve it.
    const int L = cb->itemText(2).split(QLatin1Char(' ')).front().toInt();
    cb->setCurrentIndex(2);
    emit cb->activated(2);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_EQ(s_->Futas().Haladas.load(), 0);
    EXPECT_EQ(statMasolat().Tablak[24].size(), static_cast<std::size_t>(L));
    EXPECT_EQ(osszeg(statMasolat().Tablak[24], 1), 3);

    // Consecutive draws: two steps, served from the tables the distribution
    // kept (no draw read again).
    fut(33);
    EXPECT_EQ(s_->Futas().Haladas.load(), 0);
    EXPECT_EQ(osszeg(statMasolat().Tablak[33], 1), 2);
    kep(s_, "egymast_koveto_sorok_adatbazis.png");
    // Another statistic hides the choice.
    fut(8);
    EXPECT_FALSE(cb->isVisible());
}

TEST_F(SzamsorStatisztikaAblak, LineDistributionOfAVariation)
{
    variacio({3, 9, 14, 22, 27, 31, 40}, 1);
    const std::int64_t sorok = variationStore().BontSzelvszam;
    ASSERT_GT(sorok, 1);
    fut(25);
    // 7 numbers in lines of 5: 21 lines in all, so 3, 7 and 21 ranges.
    QComboBox* cb = s_->SzomszedosSzamokCB;
    ASSERT_EQ(cb->count(), 3);
    EXPECT_EQ(cb->itemText(2), QStringLiteral("21 tartomány "));
    EXPECT_EQ(osszeg(statMasolat().Tablak[25], 1), sorok);
    cb->setCurrentIndex(2);
    emit cb->activated(2);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    ASSERT_EQ(statMasolat().Tablak[25].size(), 21u);
    for (const TTombInt1D& r : statMasolat().Tablak[25])
        EXPECT_LE(r[1], 1);
    kep(s_, "eloszlas_variacio.png");
    fut(32);
    EXPECT_EQ(s_->Futas().Haladas.load(), 0);
    EXPECT_EQ(osszeg(statMasolat().Tablak[32], 1), sorok - 1);
    kep(s_, "egymast_koveto_sorok_variacio.png");
}

TEST_F(SzamsorStatisztikaAblak, NumberSetsShowTheChosenPosition)
{
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    fut(28);
    QComboBox* cb = s_->SzomszedosSzamokCB;
    ASSERT_TRUE(cb->isVisible());
    ASSERT_EQ(cb->count(), 5);
    EXPECT_EQ(cb->itemText(2), QStringLiteral("Számsor 3. száma "));
    // First numbers of the three draws: 2, 3, 4.
    const TTombInt2D& t = statMasolat().Tablak[28];
    ASSERT_EQ(t.size(), 86u);
    EXPECT_EQ(t[1], (TTombInt1D{2, 1, 1}));
    EXPECT_EQ(t[3], (TTombInt1D{4, 1, 3}));
    // Third numbers 21, 22, 23: no draw is read again.
    cb->setCurrentIndex(2);
    emit cb->activated(2);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_EQ(s_->Futas().Haladas.load(), 0);
    const TTombInt2D& u = statMasolat().Tablak[28];
    EXPECT_EQ(u.front()[0], 3);
    EXPECT_EQ(u[19], (TTombInt1D{22, 1, 2}));
    kep(s_, "szamkeszletek_adatbazis.png");

    // Its bars stand for numbers: a double click on the bar of 22 marks 22
    // on the main ticket, and the bar takes the colour of a selected number.
    const TTombInt2D& d = s_->Modell().Tabla();
    int i = -1;
    for (std::size_t r = 0; r < d.size(); ++r)
        if (s_->Modell().Kulcs(static_cast<std::int32_t>(r)) == 22)
            i = static_cast<int>(r);
    ASSERT_GE(i, 0);
    s_->ScrollBar1->setValue(i * s_->Modell().OszlopSzelesseg());
    const Oszlop b = s_->Modell().OszlopGeometria(i, s_->ScrollBar1->value(), s_->SelectionSortBox->width());
    ASSERT_TRUE(b.Lathato);
    // Beside the actual part, which is drawn inset in a shade of its own.
    const QPoint hol(b.X0 + 2, b.Teto + 5);
    ASSERT_FALSE(KijeloltE(szamListak(), 22));
    const QColor elotte = s_->SelectionSortBox->grab().toImage().pixelColor(hol);
    QTest::mouseDClick(s_->SelectionSortBox, Qt::LeftButton, {}, hol);
    EXPECT_TRUE(KijeloltE(szamListak(), 22));
    const QColor utana = s_->SelectionSortBox->grab().toImage().pixelColor(hol);
    EXPECT_NE(utana, elotte);
    EXPECT_EQ(utana, QColor(93, 138, 168));  // the selected number's brush
    QTest::mouseDClick(s_->SelectionSortBox, Qt::LeftButton, {}, hol);
    EXPECT_FALSE(KijeloltE(szamListak(), 22));
}

TEST_F(SzamsorStatisztikaAblak, NeighbourChartOffersTheChainsThatOccurred)
{
    // Draws 2 11 21 31 41, 3 12 22 32 42, 4 13 23 33 43: no neighbours;
    // the variation of 4, 5, 6, 9 and 10 in lines of 5 has some.
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    QComboBox* cb = s_->SzomszedosSzamokCB;
    {
        Valaszolo v({QStringLiteral("OK")});
        s_->MenuPont(21)->trigger();
        // Nothing to chart: the message, then the text report of the draws.
        ASSERT_TRUE(varj([this] { return s_->FormTag() == 20 && kesz(); }));
        ASSERT_TRUE(statMasolat().Van(21));
        EXPECT_EQ(osszeg(statMasolat().Tablak[21], 1), 0);
        ASSERT_EQ(cb->count(), 1);
        EXPECT_EQ(cb->itemText(0), QStringLiteral("Tételes"));
        EXPECT_FALSE(cb->isVisible());
        ASSERT_FALSE(v.Latott.isEmpty());
        EXPECT_EQ(v.Latott.front().Szoveg, QStringLiteral("Nincs szomszédos szám a kijelölt tartományon belül. "));
        EXPECT_FALSE(s_->Jelentes().Lepesek.empty());
    }

    variacio({4, 5, 6, 9, 10, 30, 60}, 1);
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    fut(19);
    ASSERT_GT(cb->count(), 1);
    EXPECT_EQ(cb->itemText(1), QStringLiteral("2 szomszédos szám "));
    const TTombInt2D& tabla = statMasolat().Tablak[19];
    // Item 1: the runs of two, read from the kept counts, shown from the
    // start; the focus goes on to Inverz.
    s_->show();
    s_->resize(s_->minimumWidth(), s_->height());
    QApplication::processEvents();
    ASSERT_GT(s_->ScrollBar1->maximum(), 0);
    s_->ScrollBar1->setValue(s_->ScrollBar1->maximum());
    ASSERT_GT(s_->ScrollBar1->value(), 0);
    cb->setFocus();
    cb->setCurrentIndex(1);
    emit cb->activated(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    EXPECT_GT(s_->ScrollBar1->maximum(), 0);
    EXPECT_EQ(s_->ScrollBar1->value(), 0);
    EXPECT_EQ(s_->focusWidget(), s_->InverzCheckBox);
    std::int64_t kettes = 0;
    for (const TTombInt1D& r : tabla)
        kettes += r[4];
    std::int64_t lathato = 0;
    for (const TTombInt1D& r : s_->Modell().Tabla())
        lathato += r[1];
    EXPECT_GT(kettes, 0);
    EXPECT_EQ(lathato, kettes);
    // The chart starts at the first number a run of exactly two started at.
    const auto elso = std::find_if(tabla.begin(), tabla.end(), [](const TTombInt1D& r) { return r[4] > 0; });
    ASSERT_NE(elso, tabla.end());
    EXPECT_EQ(s_->Modell().Tabla().front()[0], (*elso)[0]);
    EXPECT_GT((*elso)[0], 1);
    EXPECT_EQ(s_->Modell().Tabla().back()[0], 90);
    kep(s_, "szomszedos_lanc_variacio.png");
    // Zoom over all neighbours: one bar per count, labelled with how many
    // numbers had it; every number of the pool is among them.
    cb->setCurrentIndex(0);
    emit cb->activated(0);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    s_->ZoomCheckBox->click();
    ASSERT_TRUE(s_->Modell().ZoomAktiv());
    EXPECT_EQ(osszeg(s_->Modell().Tabla(), 0), 90);
    s_->ZoomCheckBox->click();
    kep(s_, "szomszedos_szamok_variacio.png");
}

// The chooser under a chart names what it chooses; the charts of many
// ranges bring their tip after the run, until it is answered "Nem".
TEST_F(SzamsorStatisztikaAblak, ChoosersNameWhatTheyChooseAndRangeChartsBringTheirTip)
{
    variacio({4, 5, 6, 9, 10, 30, 60}, 1);
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    uzenetBeallitasok().Inform = true;
    settings().UzenetekLog[11] = 1;
    Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Nem")});
    const auto tippek = [&v] {
        return std::count_if(v.Latott.begin(), v.Latott.end(), [](const kvx::teszt::LatottDoboz& d) {
            return d.Szoveg.contains(QStringLiteral("Kiválasztható tartományok maximuma: 10 000"));
        });
    };
    const struct {
        int Tag;
        const char* Tipp;
        long Tippek;  // tips seen after the run
    } esetek[] = {
        {19, " Szomszédos számok ", 0},
        {28, " Számkészletek ", 0},
        {33, " Egymást követő számsorok ", 1},
        {25, " Számsorok eloszlása ", 2},  // answered "Nem"
        {24, " Számsorok eloszlása ", 2},
    };
    for (const auto& e : esetek) {
        fut(e.Tag);
        EXPECT_TRUE(s_->SzomszedosSzamokCB->isVisible()) << e.Tag;
        EXPECT_EQ(s_->SzomszedosSzamokCB->toolTip(), QString::fromUtf8(e.Tipp)) << e.Tag;
        varj([&] { return tippek() >= e.Tippek; }, 5000);
        QTest::qWait(100);
        EXPECT_EQ(tippek(), e.Tippek) << e.Tag;
    }
    EXPECT_EQ(settings().UzenetekLog[11], 0);
    // Charts without a chooser hide it.
    fut(8);
    EXPECT_FALSE(s_->SzomszedosSzamokCB->isVisible());
}

TEST_F(SzamsorStatisztikaAblak, DatabaseTextReportsOfNeighboursAndNumberSets)
{
    // Draws 2 11 21 31 41, 3 12 22 32 42, 4 13 23 33 43: no neighbours; three
    // values at every position.
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    const std::string sep(1, formatSettings().decimalSeparator);
    struct {
        int Tag;
        const char* Felirat;
        std::vector<std::string> Sorok;
    } const esetek[] = {
        {20, "Szomszédos számok",
         {"0 szomszédos szám: 3 számsor100" + sep + "0000%", "Szomszédos számok összesen   : 0 számsor,",
          "Egy esetben/számsor összesen : 0 számsor,"}},
        {30, "Számkészletek",
         {"1. index számkészlete: 3 szám - a lehetséges 3 számból:100" + sep + "00%",
          "5. index számkészlete: 3 szám - a lehetséges 3 számból:100" + sep + "00%"}},
    };
    for (const auto& e : esetek) {
        ASSERT_TRUE(s_->MenuPont(e.Tag)->isEnabled()) << e.Tag;
        fut(e.Tag);
        EXPECT_EQ(s_->windowTitle(), QStringLiteral(" Statisztika - Húzások listája - ") + QString::fromUtf8(e.Felirat));
        EXPECT_FALSE(s_->SzomszedosSzamokCB->isVisible()) << e.Tag;
        EXPECT_TRUE(statMasolat().Van(e.Tag)) << e.Tag;
        for (const std::string& sor : e.Sorok)
            EXPECT_TRUE(jelentesben(sor)) << e.Tag << " misses [" << sor << "]";
        kep(s_, (std::string("jelentes_") + std::to_string(e.Tag) + ".png").c_str());
    }
    // From the cache: the same report without reading a draw.
    fut(20);
    EXPECT_EQ(s_->Futas().Haladas.load(), 0);
    EXPECT_TRUE(jelentesben("0 szomszédos szám: 3 számsor"));
    // The database statistics are measured against 5/90's full variation.
    EXPECT_EQ(s_->Munkavaltozok().TeljesMeret, 43949268);
}

TEST_F(SzamsorStatisztikaAblak, VariationTextReportsOfNeighboursAndNumberSets)
{
    variacio({4, 5, 6, 9, 10, 30, 60}, 0);
    ASSERT_EQ(variationStore().BontSzelvszam, 21);
    // Lines holding two numbers that differ by one, counted directly.
    int szomszedos = 0;
    const VariationStore& t = variationStore();
    for (int m = 0; m < t.BontSzelvszam; ++m) {
        std::vector<int> v;
        for (int j = 0; j < 5; ++j)
            v.push_back(szamListak().KijeloltSzamok[t.sor(m)[j]]);
        std::sort(v.begin(), v.end());
        bool van = false;
        for (int j = 1; j < 5; ++j)
            van = van || v[static_cast<std::size_t>(j)] == v[static_cast<std::size_t>(j - 1)] + 1;
        szomszedos += van ? 1 : 0;
    }
    fut(18);
    EXPECT_EQ(s_->windowTitle(), QStringLiteral(" Statisztika - Variáció - Szomszédos számok"));
    EXPECT_TRUE(jelentesben("Szomszédos számok összesen   : " + std::to_string(szomszedos) + " számsor,"))
        << szomszedos;
    kep(s_, "jelentes_18.png");
    // Seven selected numbers in lines of 5: three positions possible at
    // each place, all of them met by the full variation.
    fut(31);
    EXPECT_EQ(s_->windowTitle(), QStringLiteral(" Statisztika - Variáció - Számkészletek"));
    const std::string sep(1, formatSettings().decimalSeparator);
    for (int p = 1; p <= 5; ++p)
        EXPECT_TRUE(jelentesben(std::to_string(p) + ". index számkészlete: 3 szám - a lehetséges 3 számból:100" +
                                sep + "00%"))
            << p;
    kep(s_, "jelentes_31.png");
    // The chart after the text: the same position table serves it.
    fut(29);
    EXPECT_TRUE(s_->SzomszedosSzamokCB->isVisible());
    EXPECT_EQ(s_->SzomszedosSzamokCB->count(), 5);
    // 4 .. 60 are not one run: no expected values for the sums.
    fut(14);
    EXPECT_FALSE(s_->ElmeletiCheckBox->isEnabled());
}

TEST_F(SzamsorStatisztikaAblak, ExpectedValuesOfAVariationOfNeighbouringNumbers)
{
    variacio({10, 11, 12, 13, 14, 15, 16}, 0);
    ASSERT_EQ(variationStore().BontSzelvszam, 21);
    // Every 5 of 10..16, enumerated.
    double osszeg = 0, terjedelem = 0, db = 0;
    for (int a = 10; a <= 16; ++a)
        for (int b = 10; b <= 16; ++b)
            if (b != a) {
                // The two numbers left out.
                if (b < a)
                    continue;
                std::vector<int> v;
                for (int n = 10; n <= 16; ++n)
                    if (n != a && n != b)
                        v.push_back(n);
                osszeg += std::accumulate(v.begin(), v.end(), 0);
                terjedelem += v.back() - v.front();
                ++db;
            }
    ASSERT_EQ(db, 21);
    struct {
        int Tag;
        double Vart;
    } const esetek[] = {{14, osszeg / db}, {16, terjedelem / db}};
    for (const auto& c : esetek) {
        fut(c.Tag);
        EXPECT_TRUE(s_->Munkavaltozok().VanElmeleti) << c.Tag;
        EXPECT_TRUE(s_->ElmeletiCheckBox->isEnabled()) << c.Tag;
        EXPECT_NEAR(s_->Modell().Ertekek()[0], c.Vart, 1e-9) << c.Tag;
        EXPECT_TRUE(s_->Modell().ElmeletiSzint().has_value()) << c.Tag;
    }
    // The actual mean sum of the full variation is the expected one.
    fut(14);
    EXPECT_NEAR(s_->Modell().Ertekek()[2], osszeg / db, 1e-9);
    kep(s_, "osszeg_elmeleti_variacio.png");
    // Deviations of 5 numbers have an expected line too.
    fut(15);
    EXPECT_TRUE(s_->ElmeletiCheckBox->isEnabled());
}

}  // namespace

namespace {

// Scrolls bar i of the chart into view and moves the mouse onto it.
QString tippBar(TStatisztika* s, int i)
{
    s->ScrollBar1->setValue(i * s->Modell().OszlopSzelesseg());
    const Oszlop b = s->Modell().OszlopGeometria(i, s->ScrollBar1->value(), s->SelectionSortBox->width());
    EXPECT_TRUE(b.Lathato);
    s->SelectionSortBoxMouseMove(QPoint((b.X0 + b.X1) / 2, b.Teto + 2));
    return s->SelectionSortBox->toolTip();
}

}  // namespace

TEST_F(SzamsorStatisztikaAblak, HintsOfTheBarsOfTheLineCharts)
{
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    // The draws are 1+i 10+i 20+i 30+i 40+i for i = 1, 2, 3: sums 106, 111
    // and 116. The bar of 111 is the mean's.
    auto bar = [this](int tag, auto felt) {
        const TTombInt2D& t = s_->Modell().Tabla();
        for (std::size_t r = 0; r < t.size(); ++r)
            if (felt(DiagramTippSor(t[r], tag, s_->Modell().InverzOszlop(), false).Kulcs))
                return static_cast<int>(r);
        return -1;
    };
    fut(8);
    int i = bar(8, [](std::int64_t k) { return k == 111; });
    ASSERT_GE(i, 0);
    QString tipp = tippBar(s_, i);
    EXPECT_TRUE(tipp.startsWith(QStringLiteral(" Kihúzott számsor (5 szám) összege: 111 \r\n 1 számsor ")))
        << tipp.toStdString();
    EXPECT_TRUE(tipp.contains(QStringLiteral(" Tartomány (összegek) átlaga: 111,0000* \r\n Eltérés: 0,0000 ")))
        << tipp.toStdString();
    // One line below the mean, one at it, one above.
    EXPECT_TRUE(tipp.contains(QStringLiteral("\r\n * Átlag alatti előfordulás: 1 számsor \r\n * Átlagos előfordulás: "
                                             "1 számsor \r\n * Átlag feletti előfordulás: 1 számsor ")))
        << tipp.toStdString();
    kep(s_, "tipp_osszeg.png");

    // The first of two ranges of the line distribution starts at the first
    // line of the game and holds the three draws.
    fut(24);
    tipp = tippBar(s_, 0);
    EXPECT_TRUE(tipp.startsWith(QStringLiteral(" Teljes variáció 1. tartománya (21 974 634 számsor) \r\n"
                                               " 1. - 21 974 634. sorszámú számsorokból áll \r\n"
                                               " Tartomány első számsora: 1, 2, 3, 4, 5 ")))
        << tipp.toStdString();
    EXPECT_TRUE(tipp.contains(QStringLiteral("\r\n A tartományból 3 számsor került kihúzásra "))) << tipp.toStdString();

    // Pairs: 2-11 came in the first draw only.
    fut(22);
    const TTombInt2D& parok = statMasolat().Tablak[22];
    std::int64_t sor = 0;
    for (const TTombInt1D& r : parok)
        if (r[3] == 2 && r[4] == 11)
            sor = r[0];
    i = bar(22, [sor](std::int64_t k) { return k == sor; });
    ASSERT_GE(i, 0);
    tipp = tippBar(s_, i);
    EXPECT_TRUE(tipp.startsWith(QStringLiteral(" Számpár: 2 - 11\r\n 1 esetben fordul elő "))) << tipp.toStdString();
    EXPECT_TRUE(tipp.contains(QStringLiteral("\r\n ** 3 975 számpár nem került kihúzásra "))) << tipp.toStdString();
    // The bar is labelled with its pair, not with its row number.
    EXPECT_EQ(s_->Modell().Cimke(i).Szoveg, "2-11");
    // Only the 30 pairs that came: each labelled with its two numbers.
    s_->MindCheckBox->click();
    ASSERT_EQ(s_->Modell().Tabla().size(), 30u);
    for (int j = 0; j < 30; ++j) {
        const auto [x, y] = s_->Modell().Par(j);
        EXPECT_EQ(s_->Modell().Cimke(j).Szoveg, std::to_string(x) + "-" + std::to_string(y)) << j;
        EXPECT_LT(x, y) << j;
    }
    EXPECT_EQ(s_->Modell().Cimke(0).Szoveg, "2-11");
    s_->ScrollBar1->setValue(0);
    kep(s_, "szampar_cimkek.png");
    s_->MindCheckBox->click();

    // The first bar with a count in other families: the hint opens with the
    // family's own line.
    struct {
        int Tag;
        const char* Eleje;
    } const csaladok[] = {
        {9, " Kihúzott számsor (5 szám) szórása: 15 - 15,9999 \r\n 3 számsor "},
        {17, " Kihúzott számsor (5 szám) terjedelme: 39 \r\n 3 számsor "},
        {26, " Egymást követő számok távolsága: 8 szám \r\n 3 esetben "},
        {28, " Számsor 1. száma: 2 \r\n 1 számsor esetében \r\n 2 szám fordul elő utoljára a(z) 1. húzás számsorában "},
        {33, " Egymást követő számsorok távolsága (abs): 0 - 21 974 634 \r\n 2 esetben "},
    };
    for (const auto& c : csaladok) {
        fut(c.Tag);
        const TTombInt2D& t = s_->Modell().Tabla();
        int j = -1;
        for (std::size_t r = 0; r < t.size() && j < 0; ++r)
            if (DiagramTippSor(t[r], c.Tag, s_->Modell().InverzOszlop(), false).Darab > 0)
                j = static_cast<int>(r);
        ASSERT_GE(j, 0) << c.Tag;
        tipp = tippBar(s_, j);
        EXPECT_TRUE(tipp.startsWith(QString::fromUtf8(c.Eleje))) << c.Tag << "\n" << tipp.toStdString();
    }
    fut(22);

    // Nano: the paint box keeps no hint; the marker at the mouse carries it,
    // in the colour of the bar under it.
    s_->NanoCheckBox->click();
    ASSERT_EQ(s_->Modell().OszlopSzelesseg(), 3);
    EXPECT_TRUE(tippBar(s_, i).isEmpty());
    ASSERT_TRUE(s_->StaticText1->isVisible());
    EXPECT_TRUE(s_->StaticText1->toolTip().startsWith(QStringLiteral(" Számpár: 2 - 11\r\n")))
        << s_->StaticText1->toolTip().toStdString();
    const QPoint hol = s_->StaticText1->pos();
    // Resting on the bar shows the marker's hint.
    QHelpEvent pihen(QEvent::ToolTip, hol, s_->SelectionSortBox->mapToGlobal(hol));
    QApplication::sendEvent(s_->SelectionSortBox, &pihen);
    EXPECT_EQ(QToolTip::text(), s_->StaticText1->toolTip());
    QToolTip::hideText();
    EXPECT_NE(s_->StaticText1->palette().color(QPalette::Window), QColor(Qt::white));
    s_->StaticText1->hide();
    EXPECT_EQ(s_->SelectionSortBox->grab(QRect(hol, QSize(1, 1))).toImage().pixelColor(0, 0),
              s_->StaticText1->palette().color(QPalette::Window));
    // Off the bars the marker goes.
    s_->SelectionSortBoxMouseMove(QPoint(hol.x(), 5));
    EXPECT_FALSE(s_->StaticText1->isVisible());
    s_->NanoCheckBox->click();
}

TEST_F(SzamsorStatisztikaAblak, NeighbourHintCountsTheLinesWithoutANeighbour)
{
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    variacio({4, 5, 6, 9, 10, 30, 60}, 0);  // every line of 5 of the 7
    // The lines holding 9 without 10 (8 is not selected), counted here.
    const VariationStore& tar = variationStore();
    std::int64_t egyedul = 0, szomszeddal = 0;
    for (std::int32_t m = 0; m < tar.BontSzelvszam; ++m) {
        bool kilenc = false, tiz = false;
        for (std::int32_t j = 0; j < 5; ++j) {
            const int n = szamListak().KijeloltSzamok[tar.FBontasMatrix[m * tar.BontMatrixSorHossz + j]];
            kilenc = kilenc || n == 9;
            tiz = tiz || n == 10;
        }
        egyedul += kilenc && !tiz;
        szomszeddal += kilenc && tiz;
    }
    ASSERT_EQ(tar.BontSzelvszam, 21);
    ASSERT_EQ(egyedul, 5);
    fut(19);
    const TTombInt2D& t = s_->Modell().Tabla();
    int i = -1;
    for (std::size_t r = 0; r < t.size(); ++r)
        if (DiagramTippSor(t[r], 19, s_->Modell().InverzOszlop(), false).Kulcs == 9)
            i = static_cast<int>(r);
    ASSERT_GE(i, 0);
    const QString tipp = tippBar(s_, i);
    EXPECT_TRUE(tipp.contains(QStringLiteral("\r\n %1 esetben szomszédos \r\n Különállóan %2 esetben fordul elő ")
                                  .arg(szomszeddal)
                                  .arg(egyedul)))
        << tipp.toStdString();
    EXPECT_TRUE(tipp.contains(QStringLiteral("   - Következő számmal (10): %1 esetben ").arg(szomszeddal)))
        << tipp.toStdString();

    // The expected count is the shown total spread over the numbers shown;
    // the hint gives it with the bar's distance from it.
    EXPECT_TRUE(s_->ElmeletiCheckBox->isEnabled());
    ASSERT_TRUE(s_->ElmeletiCheckBox->isChecked());
    std::int64_t osszes = 0, vanDb = 0;
    for (const TTombInt1D& r : t) {
        osszes += r[1];
        vanDb += r[1] > 0;
    }
    ASSERT_GT(vanDb, 0);
    EXPECT_DOUBLE_EQ(s_->Modell().Ertekek()[0], static_cast<double>(osszes) / static_cast<double>(t.size()));
    EXPECT_DOUBLE_EQ(s_->Modell().Ertekek()[2], static_cast<double>(osszes) / static_cast<double>(vanDb));
    const QString varhato = QString::fromStdString(
        " Szomszédos számok átlagos gyakorisága: " +
        FormatFloatThousands(static_cast<double>(osszes) / static_cast<double>(t.size()), 2) + " \r\n Eltérés: ");
    EXPECT_TRUE(tipp.contains(varhato)) << tipp.toStdString();
    // Without the numbers lacking a neighbour the two averages are one.
    s_->MindCheckBox->click();
    ASSERT_FALSE(s_->MindCheckBox->isChecked());
    EXPECT_DOUBLE_EQ(s_->Modell().Ertekek()[0], s_->Modell().Ertekek()[2]);
    s_->MindCheckBox->click();
    kep(s_, "szomszedos_elmeleti_variacio.png");
}
