// The per-line charts of the statistics window over the draws database and
// over a variation: started from their menu items, shown and cached.
#include "statistics/ui/statisztika.h"

#include "app/main_menu.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "app/ui/valaszolo.h"
#include "tickets/number_lists.h"
#include "variation/ui/bontas.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

template <class F>
bool varj(F feltetel, int ms = 120000)
{
    return kvx::teszt::varj(feltetel, ms);
}

void kep(QWidget* w, const char* nev)
{
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        QApplication::processEvents();
        w->grab().save(QDir(d).filePath(QString::fromUtf8(nev)));
    }
}

class SzamsorStatisztikaAblak : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        window_->Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        uzenetBeallitasok().Inform = false;
        settings().UzenetekLog.fill(0);
        settings().JovahagyasVariacio = false;
        ASSERT_TRUE(draws().AdatbazisBetoltve);
        s_ = formok().Statisztika;
        ASSERT_NE(s_, nullptr);
    }
    void TearDown() override
    {
        if (s_)
            s_->close();
        if (TBontas* b = formok().Bontas)
            b->BontasMegszakitasa();
        varj([] { return szalak().Tetlen(); }, 60000);
        window_.reset();
    }
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

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    TStatisztika* s_ = nullptr;
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
    for (int n : {3, 9, 14, 22, 27, 31, 40, 48})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    window_->FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    feltetelRekordok().Hibapont = 1;
    {
        Valaszolo v(QStringList{});
        window_->Akcio(QStringLiteral("Start1"))->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
    }
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

    // Consecutive draws: two steps.
    fut(33);
    EXPECT_EQ(osszeg(statMasolat().Tablak[33], 1), 2);
    kep(s_, "egymast_koveto_sorok_adatbazis.png");
    // Another statistic hides the choice.
    fut(8);
    EXPECT_FALSE(cb->isVisible());
}

TEST_F(SzamsorStatisztikaAblak, LineDistributionOfAVariation)
{
    for (int n : {3, 9, 14, 22, 27, 31, 40})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    window_->FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    feltetelRekordok().Hibapont = 1;
    {
        Valaszolo v(QStringList{});
        window_->Akcio(QStringLiteral("Start1"))->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
    }
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
}

TEST_F(SzamsorStatisztikaAblak, NeighbourChartOffersTheChainsThatOccurred)
{
    // Draws 2 11 21 31 41, 3 12 22 32 42, 4 13 23 33 43: no neighbours;
    // the variation of 4, 5, 6, 9 and 10 in lines of 5 has some.
    s_->StatisztikaKeszites(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    const TTombInt2D& t = fut(21);
    QComboBox* cb = s_->SzomszedosSzamokCB;
    ASSERT_TRUE(cb->isVisible());
    ASSERT_EQ(cb->count(), 1);
    EXPECT_EQ(cb->itemText(0), QStringLiteral("Tételes"));
    EXPECT_EQ(osszeg(t, 1), 0);

    for (int n : {4, 5, 6, 9, 10, 30, 60})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    window_->FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    feltetelRekordok().Hibapont = 1;
    {
        Valaszolo v(QStringList{});
        window_->Akcio(QStringLiteral("Start1"))->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
    }
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    fut(19);
    ASSERT_GT(cb->count(), 1);
    EXPECT_EQ(cb->itemText(1), QStringLiteral("2 szomszédos szám "));
    const TTombInt2D& tabla = statMasolat().Tablak[19];
    // Item 1: the runs of two, read from the kept counts.
    cb->setCurrentIndex(1);
    emit cb->activated(1);
    ASSERT_TRUE(varj([this] { return kesz(); }));
    std::int64_t kettes = 0;
    for (const TTombInt1D& r : tabla)
        kettes += r[4];
    std::int64_t lathato = 0;
    for (const TTombInt1D& r : s_->Modell().Tabla())
        lathato += r[1];
    EXPECT_GT(kettes, 0);
    EXPECT_EQ(lathato, kettes);
    kep(s_, "szomszedos_szamok_variacio.png");
}

}  // namespace
