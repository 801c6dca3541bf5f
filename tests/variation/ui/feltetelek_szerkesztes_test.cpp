// Values typed and double-clicked on the Math and Spec tabs, and the "~"
// markers of the distribution and Math tabs as the user meets them: hidden
// while their condition is off, and quoting each other's condition as it
// changes.
#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "conditions/consistency_check.h"
#include "conditions/ui/math_lap.h"
#include "conditions/ui/spec_lap.h"
#include "conditions/ui/szamkeszlet_panel.h"
#include "lap_kezeles.h"

using namespace kvx;
using namespace kvx::teszt;

namespace {

struct Ablak {
    Ablak(std::int32_t sorrendMod, std::initializer_list<int> szamok) : k(sorrendMod), w(nullptr, k.a)
    {
        for (int n : szamok) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
        if (k.l.VariacioMeret != 5) VariacioMeretBeallitas(k.l, k.g, 5);
        w.Uzenet = [this](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
        w.MathLap->Tipp = [](const QString&, int) {};
        w.FeltetelStart();
    }
    FeltetelekKornyezet k;
    TFeltetelek w;
    QStringList uzenetek;
};

void Radio(const lap::RadioCsoport& g, int i) { qobject_cast<QRadioButton*>(g.Gombok->button(i))->click(); }

}  // namespace

// Twelve numbers of 5/90: the five smallest add up to 54, the five largest
// to 408. Ticking " Összeg" keeps the form's maximum; typed sums beyond the
// limits take the limits; a typed maximum below the minimum takes it down,
// an arrow step takes the other along.
TEST(FeltetelekSzerkesztes, TypedSumsTakeTheirLimits)
{
    kvx::Program program;
    Ablak a(1, {3, 7, 10, 15, 19, 40, 50, 75, 78, 80, 85, 90});
    a.w.FeltetelekPC->setCurrentIndex(LapMath);
    TMathLap& m = *a.w.MathLap;
    const TMinMaxFeltetel& r = a.k.f.OsszegFeltetel;

    m.EsemOsszegBox->click();
    ASSERT_TRUE(m.EsemOsszegBox->isChecked());
    EXPECT_EQ(m.EsemOsszFixEdit->value(), 54);
    EXPECT_EQ(m.EsemOsszMaxEdit->value(), 145) << "the form's maximum stays";
    EXPECT_EQ((std::pair{r.Min, r.Max}), (std::pair{54, 145}));

    struct Eset {
        QSpinBox* edit;
        const char* szoveg;
        int vMin, vMax;
    };
    const Eset esetek[] = {
        {m.EsemOsszFixEdit, "150", 150, 150},  // above the maximum: it follows on leaving
        {m.EsemOsszMaxEdit, "300", 150, 300},
        {m.EsemOsszMaxEdit, "999", 150, 408},  // above the limit: the limit
        {m.EsemOsszMaxEdit, "100", 100, 100},  // below the minimum: it follows down
        {m.EsemOsszFixEdit, "10", 54, 100},    // below the lowest sum: the lowest
        {m.EsemOsszFixEdit, "", 54, 100},      // empty: the lowest
        {m.EsemOsszMaxEdit, "20", 54, 54},
    };
    for (const Eset& c : esetek) {
        SCOPED_TRACE(c.edit->objectName().toStdString() + " " + c.szoveg);
        Gepel(c.edit, QString::fromUtf8(c.szoveg));
        EXPECT_EQ(m.EsemOsszFixEdit->value(), c.vMin);
        EXPECT_EQ(m.EsemOsszMaxEdit->value(), c.vMax);
        EXPECT_EQ((std::pair{r.Min, r.Max}), (std::pair{c.vMin, c.vMax}));
    }

    // The arrows: the other value follows across.
    Gepel(m.EsemOsszMaxEdit, "150");
    Gepel(m.EsemOsszFixEdit, "150");
    Nyil(m.EsemOsszMaxEdit, false);
    EXPECT_EQ((std::pair{r.Min, r.Max}), (std::pair{149, 149}));
    Nyil(m.EsemOsszFixEdit, true);
    EXPECT_EQ((std::pair{r.Min, r.Max}), (std::pair{150, 150}));
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();
}

// The serial numbers: a last typed below the first takes the first's value.
// Double clicks on the serial numbers, the sub-ranges and N jump between the
// other end and the extreme.
TEST(FeltetelekSzerkesztes, SerialNumbersAndTheirDoubleClicks)
{
    kvx::Program program;
    Ablak a(1, {40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 80});  // C(12, 5) = 792 lines
    a.w.FeltetelekPC->setCurrentIndex(LapSpec);
    TSpecLap& s = *a.w.SpecLap;
    const TSzamsorokFeltetel& r = a.k.f.SzamsorokFeltetel;
    s.SzamsorokTartomanyBox->click();
    ASSERT_TRUE(s.SzamsorokTartomanyBox->isChecked());

    Gepel(s.SzamsorokTartomanyMinEdit, "150");
    Gepel(s.SzamsorokTartomanyMaxEdit, "140");
    EXPECT_EQ(s.SzamsorokTartomanyMinEdit->text(), "150");
    EXPECT_EQ(s.SzamsorokTartomanyMaxEdit->text(), "150");
    EXPECT_EQ((std::pair{r.Elso[0], r.Utolso[0]}), (std::pair{150, 150}));

    struct Eset {
        QLineEdit* edit;
        int elso, utolso;  // the record after the double click
    };
    const Eset soroszamok[] = {
        {s.SzamsorokTartomanyMaxEdit, 150, 792},  // equal: the full variation
        {s.SzamsorokTartomanyMaxEdit, 150, 150},  // different: the first's value
        {s.SzamsorokTartomanyMinEdit, 1, 150},    // equal: 1
        {s.SzamsorokTartomanyMinEdit, 150, 150},  // different: the last's value
    };
    for (const Eset& c : soroszamok) {
        SCOPED_TRACE(c.edit->objectName().toStdString());
        Dupla(c.edit);
        EXPECT_EQ((std::pair{r.Elso[0], r.Utolso[0]}), (std::pair{c.elso, c.utolso}));
    }

    // Sub-ranges of D = 6 (132 lines each); the serial numbers follow them.
    Radio(s.SzamsorokTartomanyModGroup, 0);
    s.SzamsorokTartomanyCB->setCurrentIndex(2);
    emit s.SzamsorokTartomanyCB->activated(2);
    Gepel(s.SzamsorokTartomanyMin, "2");
    Gepel(s.SzamsorokTartomanyMax, "3");
    ASSERT_EQ((std::pair{r.OsztasMin[0], r.OsztasMax[0]}), (std::pair{2, 3}));
    const Eset reszek[] = {
        {s.SzamsorokTartomanyMax, 2, 2},  // different: the first's value
        {s.SzamsorokTartomanyMax, 2, 6},  // equal: D
        {s.SzamsorokTartomanyMin, 6, 6},  // different: the last's value
        {s.SzamsorokTartomanyMin, 1, 6},  // equal: 1
    };
    for (const Eset& c : reszek) {
        SCOPED_TRACE(c.edit->objectName().toStdString());
        Dupla(c.edit);
        EXPECT_EQ((std::pair{r.OsztasMin[0], r.OsztasMax[0]}), (std::pair{c.elso, c.utolso}));
    }
    EXPECT_EQ((std::pair{r.Elso[0], r.Utolso[0]}), (std::pair{1, 792}));

    // N: in line mode between half the full variation and 2; in range mode
    // between D and the smallest D offered.
    s.SzamsorokSorozatokBox->click();
    ASSERT_TRUE(s.SzamsorokSorozatokBox->isChecked());
    ASSERT_EQ(r.MintaErtek[0], 2);
    Dupla(s.SzamsorokSorozatokEdit);
    EXPECT_EQ(r.MintaErtek[0], 396);
    Dupla(s.SzamsorokSorozatokEdit);
    EXPECT_EQ(r.MintaErtek[0], 2);
    Radio(s.SzamsorokSorozatokModGroup, 0);
    s.SzamsorokSorozatokCB->setCurrentIndex(2);
    emit s.SzamsorokSorozatokCB->activated(2);
    Dupla(s.SzamsorokSorozatokEdit);
    EXPECT_EQ(r.MintaErtek[0], 6);
    EXPECT_EQ(s.SzamsorokSorozatokEdit->text(), "6");
    Dupla(s.SzamsorokSorozatokEdit);
    EXPECT_EQ(r.MintaErtek[0], 2);
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();
}

// A fresh window shows no "~": Favorizált and Számcsoportok are off. Ticked
// with numbers selected out of order, theirs shows.
TEST(FeltetelekSzerkesztes, MarkersStayHiddenWhileTheirConditionIsOff)
{
    kvx::Program program;
    Ablak a(0, {40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 80});  // in the order of selection
    ASSERT_EQ(a.w.FeltetelekPC->currentIndex(), 0);
    for (QLabel* l : {a.w.Panel1IL, a.w.Panel3IL, a.w.SzamkeszletPanel->Panel26IL})
        EXPECT_FALSE(l->isVisible()) << l->objectName().toStdString();
    a.w.FavAllapotBox->click();
    a.w.SzamcsoportAllapotBox->click();
    EXPECT_TRUE(a.w.Panel1IL->isVisible());
    EXPECT_TRUE(a.w.Panel3IL->isVisible());
    a.w.FavAllapotBox->click();
    EXPECT_FALSE(a.w.Panel1IL->isVisible());

    // "Számok eloszlása" stays readable over its switched-off panel.
    a.w.FeltetelekPC->setCurrentIndex(LapSpec);
    QLabel* cim = nullptr;
    for (QLabel* l : a.w.SpecLap->Panel23->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Számok eloszlása")) cim = l;
    ASSERT_NE(cim, nullptr);
    ASSERT_FALSE(a.w.SpecLap->SorozatAllapotBox->isChecked());
    EXPECT_TRUE(cim->isEnabled());
    EXPECT_FALSE(a.w.SpecLap->DbSorozatEdit->isEnabled());
    a.w.SpecLap->SorozatAllapotBox->click();
    a.w.SpecLap->SorozatAllapotBox->click();
    EXPECT_TRUE(cim->isEnabled());
}

// The number pools' marker quotes the Math tab's fixed range, and the fixed
// range's marker the positions the number pools allow: each follows a
// change on the other tab. Numbers 1..12 in one run, ascending.
TEST(FeltetelekSzerkesztes, MarkersFollowTheOtherTabsCondition)
{
    kvx::Program program;
    Ablak a(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    TSzamkeszletPanel& p = *a.w.SzamkeszletPanel;
    TMathLap& m = *a.w.MathLap;
    p.SzamokAllapotBox->click();
    ASSERT_TRUE(p.SzamokAllapotBox->isChecked());
    EXPECT_FALSE(p.Panel26IL->isVisible());

    a.w.FeltetelekPC->setCurrentIndex(LapMath);
    m.FixTartomanyBox->click();
    ASSERT_TRUE(m.FixTartomanyBox->isChecked());
    EXPECT_FALSE(m.Panel17IL->isVisible()) << "both allow positions 1..12";
    ASSERT_TRUE(Allit(m.TartomanyEdit, 2));
    EXPECT_EQ(m.Panel17IL->toolTip(), " A Számkészletek feltétel beállítása szerint: \n 1. - 12. sorszámú számok "
                                      "vesznek részt a variációban. ");
    a.w.FeltetelekPC->setCurrentIndex(0);
    EXPECT_TRUE(p.Panel26IL->isVisible());
    EXPECT_EQ(p.Panel26IL->toolTip(), " Terjedelem - Fix feltétel beállítása szerint:\n  - 2. - 12. sorszámú számok "
                                      "vesznek részt a variációban. ");

    // The last place's pool ends at position 11: the Math tab says so.
    ASSERT_TRUE(Allit(p.AktSzamEdit, 5));
    ASSERT_TRUE(Allit(p.AktSzamUtolsoEdit, 11));
    a.w.FeltetelekPC->setCurrentIndex(LapMath);
    EXPECT_TRUE(m.Panel17IL->isVisible());
    EXPECT_EQ(m.Panel17IL->toolTip(), " A Számkészletek feltétel beállítása szerint: \n 1. - 11. sorszámú számok "
                                      "vesznek részt a variációban. ");
    p.SzamokAllapotBox->click();
    EXPECT_FALSE(m.Panel17IL->isVisible());

    // The fixed range switched off: the number pools' marker goes with it.
    p.SzamokAllapotBox->click();
    a.w.FeltetelekPC->setCurrentIndex(0);
    ASSERT_TRUE(p.Panel26IL->isVisible());
    m.FixTartomanyBox->click();
    EXPECT_FALSE(p.Panel26IL->isVisible());
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();
}
