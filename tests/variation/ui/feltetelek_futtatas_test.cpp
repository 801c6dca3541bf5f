// A number-group condition set by hand on the conditions window, then a run
// of the variation engine with the window's records: every stored line keeps
// the rule, checked by a plain count written here, and without error points
// the run stores exactly the lines of the full variation that keep it.
#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "conditions/ui/feltetelek_kornyezet.h"
#include "lap_kezeles.h"
#include "variation/condition_filter.h"
#include "variation/generation_run.h"
#include "variation/variation_store.h"

using namespace kvx;
using teszt::Allit;
using teszt::MindenSor;
using teszt::Nyil;

namespace {

using Sor = std::vector<std::uint8_t>;  // selection indexes, ascending

// A double click on the value, as a user would.
void Dupla(QSpinBox* e) { QTest::mouseDClick(e->findChild<QLineEdit*>(), Qt::LeftButton); }

// The rule, counted plainly: for each of the first Db groups, the numbers of
// the line at the 1-based selection positions ElsoIndex..UtolsoIndex number
// between TalalatMin and TalalatMax.
bool SzamcsoportSzabaly(const TSzamcsoportokFeltetel& r, const Sor& s)
{
    for (int g = 0; g < r.Db; ++g) {
        const TCsoport& c = r.Csoport[static_cast<std::size_t>(g)];
        int db = 0;
        for (std::uint8_t i : s) {
            const int pozicio = i + 1;
            if (pozicio >= c.ElsoIndex && pozicio <= c.UtolsoIndex) ++db;
        }
        if (db < c.TalalatMin || db > c.TalalatMax) return false;
    }
    return true;
}

int Kozos(const Sor& a, const Sor& b)
{
    int db = 0;
    for (std::uint8_t x : a) db += std::count(b.begin(), b.end(), x) > 0 ? 1 : 0;
    return db;
}

struct Kornyezet : teszt::FeltetelekKornyezet {
    Kornyezet() : FeltetelekKornyezet(1) {}
};

// A run of the engine with what the window left in the records, as a run
// starts: markers, the per-line test's snapshot, the enumerator's input.
std::vector<Sor> Futtatas(Kornyezet& k, bool szamcsoportok = true)
{
    std::uint64_t teljesult = 0;
    std::vector<Sor> v = teszt::Futtatas(k, nullptr, &teljesult);
    if (szamcsoportok) {
        EXPECT_TRUE(teljesult & (std::uint64_t{1} << BitSzamcsoportok));
    }
    return v;
}

}  // namespace

TEST(FeltetelekFuttatas, NumberGroupsSetOnTheWindowDriveTheEngine)
{
    kvx::Program program;
    Kornyezet k;
    // Twelve numbers marked out of order: the groups count selection
    // positions, not values.
    const int szamok[] = {40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 80};
    for (int n : szamok) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
    ASSERT_EQ(k.l.KijeloltSzamDb(), 12);
    ASSERT_EQ(k.l.KijeloltSzamok[0], 40);
    if (k.l.VariacioMeret != 5) VariacioMeretBeallitas(k.l, k.g, 5);
    ASSERT_EQ(k.l.VariacioFoMeret, 5);

    TFeltetelek w(nullptr, k.a);
    QStringList uzenetek;
    w.Uzenet = [&](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
    w.FeltetelStart();
    ASSERT_TRUE(w.isVisible());
    EXPECT_FALSE(w.DbSzamcsoportEdit->isEnabled());

    // Tick Számcsoportok; the panel opens on group 1 of at least one group.
    w.SzamcsoportAllapotBox->click();
    ASSERT_TRUE(w.SzamcsoportAllapotBox->isChecked());
    ASSERT_TRUE(w.DbSzamcsoportEdit->isEnabled());
    EXPECT_EQ(w.AktSzamcsoportEdit->value(), 1);
    EXPECT_GE(w.DbSzamcsoportEdit->value(), 1);
    EXPECT_EQ(w.AktSzamcsoportUtolsoEdit->maximum(), 12);
    EXPECT_TRUE(w.Panel3IL->isVisible()) << "the selection is not ascending";
    EXPECT_TRUE(w.Panel3IL->toolTip().startsWith(QStringLiteral(" Nem növekvő a variációra kijelölt számok sorrendje.")));

    // Two groups. Group 1: positions 1..6, 2 to 3 numbers of a line.
    ASSERT_TRUE(Allit(w.DbSzamcsoportEdit, 2));
    EXPECT_FALSE(Allit(w.DbSzamcsoportEdit, 11)) << "at most 10 groups";
    EXPECT_EQ(w.DbSzamcsoportEdit->value(), 10);
    ASSERT_TRUE(Allit(w.DbSzamcsoportEdit, 2));
    ASSERT_TRUE(Allit(w.AktSzamcsoportElsoEdit, 1));
    ASSERT_TRUE(Allit(w.AktSzamcsoportUtolsoEdit, 6));
    ASSERT_TRUE(Allit(w.AktSzamcsoportMaxEdit, 3));
    ASSERT_TRUE(Allit(w.AktSzamcsoportMinEdit, 2));
    EXPECT_EQ(w.SzamcsoportMinLabel->text(), "A számcsoport 6 számából minimum");
    // The hint lists the numbers at those positions, in marking order.
    EXPECT_TRUE(w.AktSzamcsoportElsoEdit->toolTip().contains(" 40  3  17  88  25  9 "))
        << w.AktSzamcsoportElsoEdit->toolTip().toStdString();

    // Group 2 by double clicks: the last position first falls to the first
    // one, then, equal to it, goes to the last selected number; the first
    // position is then raised to 5. It may hold 1 to 2 numbers.
    ASSERT_TRUE(Allit(w.AktSzamcsoportEdit, 2));
    if (w.AktSzamcsoportUtolsoEdit->value() != w.AktSzamcsoportElsoEdit->value()) {
        Dupla(w.AktSzamcsoportUtolsoEdit);
        EXPECT_EQ(w.AktSzamcsoportUtolsoEdit->value(), w.AktSzamcsoportElsoEdit->value());
    }
    Dupla(w.AktSzamcsoportUtolsoEdit);
    EXPECT_EQ(w.AktSzamcsoportUtolsoEdit->value(), 12);
    ASSERT_TRUE(Allit(w.AktSzamcsoportElsoEdit, 5));
    EXPECT_FALSE(Allit(w.AktSzamcsoportMaxEdit, 6)) << "no more hits than numbers in a line";
    EXPECT_EQ(w.AktSzamcsoportMaxEdit->value(), 5);
    ASSERT_TRUE(Allit(w.AktSzamcsoportMaxEdit, 2));
    ASSERT_TRUE(Allit(w.AktSzamcsoportMinEdit, 1));

    // Back on group 1 the window shows what was set there.
    ASSERT_TRUE(Allit(w.AktSzamcsoportEdit, 1));
    EXPECT_EQ(w.AktSzamcsoportUtolsoEdit->value(), 6);
    EXPECT_EQ(w.AktSzamcsoportMinEdit->value(), 2);

    const TSzamcsoportokFeltetel& r = k.f.SzamcsoportokFeltetel;
    ASSERT_EQ(r.Allapot, 1);
    ASSERT_EQ(r.Db, 2);
    EXPECT_EQ(r.Csoport[0], (TCsoport{1, 6, 2, 3, 0}));
    EXPECT_EQ(r.Csoport[1], (TCsoport{5, 12, 1, 2, 0}));
    EXPECT_TRUE(k.f.FeltetelJelzo);
    EXPECT_EQ(k.f.Hibapont, 0);
    EXPECT_TRUE(uzenetek.isEmpty()) << uzenetek.join("|").toStdString();

    const std::vector<Sor> minden = MindenSor(12, 5);
    ASSERT_EQ(minden.size(), 792u);
    std::vector<Sor> jo;
    for (const Sor& s : minden)
        if (SzamcsoportSzabaly(r, s)) jo.push_back(s);
    ASSERT_GT(jo.size(), 0u);
    ASSERT_LT(jo.size(), minden.size()) << "the condition should refuse some lines";

    // No error points: exactly the lines that keep the rule, in order.
    const std::vector<Sor> tarolt = Futtatas(k);
    EXPECT_EQ(std::count_if(tarolt.begin(), tarolt.end(), [&](const Sor& s) { return !SzamcsoportSzabaly(r, s); }), 0)
        << "stored lines breaking the rule";
    ASSERT_EQ(tarolt.size(), jo.size());
    EXPECT_EQ(tarolt, jo);

    // One error point set on the options panel: only lines keeping the rule,
    // no two sharing more than 3 numbers, and every line that keeps the rule
    // within one number of a stored one.
    ASSERT_TRUE(w.HibapontBeEdit->isEnabled());
    ASSERT_TRUE(Allit(w.HibapontBeEdit, 1));
    ASSERT_EQ(k.f.Hibapont, 1);
    const std::vector<Sor> fedo = Futtatas(k);
    ASSERT_FALSE(fedo.empty());
    EXPECT_LT(fedo.size(), jo.size());
    int rossz = 0, kozeli = 0;
    for (std::size_t i = 0; i < fedo.size(); ++i) {
        rossz += SzamcsoportSzabaly(r, fedo[i]) ? 0 : 1;
        for (std::size_t m = 0; m < i; ++m) kozeli += Kozos(fedo[i], fedo[m]) > 3 ? 1 : 0;
    }
    EXPECT_EQ(rossz, 0) << "stored lines breaking the rule";
    EXPECT_EQ(kozeli, 0) << "pairs of stored lines sharing more than 3 numbers";
    const auto fedetlen = std::count_if(jo.begin(), jo.end(), [&](const Sor& s) {
        return std::none_of(fedo.begin(), fedo.end(), [&](const Sor& t) { return Kozos(s, t) >= 4; });
    });
    EXPECT_EQ(fedetlen, 0) << "lines keeping the rule left uncovered";
    EXPECT_TRUE(uzenetek.isEmpty()) << uzenetek.join("|").toStdString();
}

// The Találat option ticked and set on the options panel reaches the engine:
// the run stores what the engine gives for the same input written by hand.
TEST(FeltetelekFuttatas, TalalatOptionSetOnThePanelDrivesTheEngine)
{
    kvx::Program program;
    Kornyezet k;
    const int szamok[] = {40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 80};
    for (int n : szamok) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
    if (k.l.VariacioMeret != 5) VariacioMeretBeallitas(k.l, k.g, 5);
    TFeltetelek w(nullptr, k.a);
    QStringList uzenetek;
    w.Uzenet = [&](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
    w.FeltetelStart();
    ASSERT_TRUE(w.isVisible());

    ASSERT_TRUE(w.TulirasBontBox->isEnabled());
    w.TulirasBontBox->click();
    ASSERT_TRUE(w.TulirasBontBox->isChecked());
    ASSERT_TRUE(w.TulirasEdit->isEnabled());
    ASSERT_TRUE(Allit(w.TulirasEdit, 2));
    ASSERT_TRUE(k.o.TulirasBont);
    ASSERT_EQ(k.o.Tuliras, 2);

    const std::vector<Sor> tarolt = Futtatas(k, false);

    BontasBemenet b;
    b.KijeloltSzamDb = b.KijeloltFoSzamDb = 12;
    b.VariacioMeret = b.VariacioFoMeret = 5;
    b.Hibapont = k.f.Hibapont;
    b.TulirasBont = true;
    b.Tuliras = 2;
    VariationStore tar;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    ASSERT_EQ(BontasFuttatas(tar, b, all, vez, env).hiba, BontasHiba::Nincs);
    std::vector<Sor> elvart;
    for (std::int32_t r = 0; r < tar.BontSzelvszam; ++r) elvart.emplace_back(tar.sor(r), tar.sor(r) + 5);
    ASSERT_FALSE(elvart.empty());
    EXPECT_EQ(tarolt, elvart);
    // No two stored lines share more than two numbers.
    int kozeli = 0;
    for (std::size_t i = 0; i < tarolt.size(); ++i)
        for (std::size_t m = 0; m < i; ++m) kozeli += Kozos(tarolt[i], tarolt[m]) > 2 ? 1 : 0;
    EXPECT_EQ(kozeli, 0);
    EXPECT_TRUE(uzenetek.isEmpty()) << uzenetek.join("|").toStdString();
}
