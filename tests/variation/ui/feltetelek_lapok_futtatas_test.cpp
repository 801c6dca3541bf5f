// Conditions set by hand on the hit-ratio, math and Spec tabs, then a run of
// the variation engine with the window's records: every stored line keeps
// the rule, checked by a plain rule written here, and the run stores exactly
// the lines of the full variation that keep it.
#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "conditions/consistency_check.h"
#include "conditions/ui/math_lap.h"
#include "conditions/ui/spec_lap.h"
#include "conditions/ui/talarany_lap.h"
#include "conditions/ui/feltetelek_kornyezet.h"
#include "lap_kezeles.h"
#include "variation/condition_filter.h"
#include "variation/generation_run.h"
#include "variation/hit_ratio_check.h"
#include "variation/variation_store.h"

using namespace kvx;
using teszt::Allit;
using teszt::MindenSor;
using teszt::Nyil;
using teszt::Gepel;

namespace {

using Sor = std::vector<std::uint8_t>;  // selection indexes, ascending

void Radio(const lap::RadioCsoport& g, int i)
{
    qobject_cast<QRadioButton*>(g.Gombok->button(i))->click();
}

struct Kornyezet : teszt::FeltetelekKornyezet {
    explicit Kornyezet(std::initializer_list<int> szamok) : FeltetelekKornyezet(1)
    {
        for (int n : szamok) SzamJeloles(l, g, ms, n, ModKijelolt, false);
        if (l.VariacioMeret != 5) VariacioMeretBeallitas(l, g, 5);
        a.Huzasok = &d;
    }
    std::vector<int> szamok(const Sor& s) const
    {
        std::vector<int> v;
        for (std::uint8_t i : s) v.push_back(l.KijeloltSzamok[i]);
        std::sort(v.begin(), v.end());
        return v;
    }
    DrawsState d;
};

// A run with what the window left in the records, as a run starts.
std::vector<Sor> Futtatas(Kornyezet& k)
{
    return teszt::Futtatas(k, &k.d);
}

// The run against the plain rule over the full variation: the same lines,
// some refused and some kept.
void Osszevetes(Kornyezet& k, const std::function<bool(const Sor&, std::uint64_t)>& szabaly)
{
    const std::vector<Sor> minden = MindenSor(k.l.KijeloltFoSzamDb, k.l.VariacioFoMeret);
    std::vector<Sor> jo;
    for (std::size_t i = 0; i < minden.size(); ++i)
        if (szabaly(minden[i], i + 1)) jo.push_back(minden[i]);
    ASSERT_GT(jo.size(), 0u);
    ASSERT_LT(jo.size(), minden.size()) << "the condition should refuse some lines";
    const std::vector<Sor> tarolt = Futtatas(k);
    EXPECT_EQ(tarolt.size(), jo.size());
    EXPECT_EQ(tarolt, jo);
}

struct Ablak {
    explicit Ablak(Kornyezet& k) : w(nullptr, k.a)
    {
        w.Uzenet = [this](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
        w.TalArLap->Tipp = [this](const QString& s, int) { tippek << s; };
        w.MathLap->Tipp = [this](const QString& s, int) { tippek << s; };
        w.FeltetelStart();
    }
    TFeltetelek w;
    QStringList uzenetek, tippek;
};

}  // namespace

TEST(FeltetelekLapokFuttatas, HitRatioRangesSetOnTheTabDriveTheEngine)
{
    kvx::Program program;
    Kornyezet k{3, 14, 7, 1, 11, 5, 9, 2, 13, 6, 10, 4};
    // Thirty draws of numbers 1..15: lines of the selection hit them often.
    SetHuzasok(k.d, 30, 8);
    std::mt19937 gen(18);
    for (int r = 0; r < 30; ++r) {
        std::vector<int> p(15);
        for (int i = 0; i < 15; ++i) p[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(p.begin(), p.end(), gen);
        std::sort(p.begin(), p.begin() + 5);
        auto& sor = k.d.Huzasok[static_cast<std::size_t>(r)];
        sor[0] = r + 1;
        for (int i = 0; i < 5; ++i) sor[static_cast<std::size_t>(3 + i)] = p[static_cast<std::size_t>(i)];
    }
    k.d.AdatbazisBetoltve = true;
    Ablak a(k);
    TTalalatiAranyLap& t = *a.w.TalArLap;
    // The range dialog stands in: it gives the draws asked for.
    std::pair<int, int> parbeszed{1, 30};
    QObject::connect(&a.w, &TFeltetelek::huzasTartomanyKerve, [&](std::int32_t* elso, std::int32_t* utolso) {
        *elso = parbeszed.first;
        *utolso = parbeszed.second;
    });

    EXPECT_FALSE(t.DbTartomanyEdit->isEnabled());
    t.TalArAllapotBox->click();
    ASSERT_TRUE(t.TalArAllapotBox->isChecked());
    ASSERT_TRUE(t.HuzasokGomb->isEnabled());
    EXPECT_EQ(t.Label15->text(), "1. - 1. húzásokkal összehasonlítva") << "a one-draw range stays";

    // Range 1: searched, 3 to 5 hits, draws 1..30.
    t.HuzasokGomb->click();
    EXPECT_EQ(t.Label15->text(), "1. - 30. húzásokkal összehasonlítva");
    ASSERT_TRUE(Allit(t.TalArTalalatEditMax, 5));
    ASSERT_TRUE(Allit(t.TalArTalalatEdit, 3));
    EXPECT_FALSE(Allit(t.TalArTalalatEditMax, 6)) << "no more hits than numbers in a line";
    // Range 2: excluded, 4 to 5 hits, draws 10..20.
    ASSERT_TRUE(Allit(t.DbTartomanyEdit, 2));
    ASSERT_TRUE(Allit(t.AktTartomanyEdit, 2));
    Radio(t.TalArTipusGroup, 0);
    parbeszed = {10, 20};
    t.HuzasokGomb->click();
    ASSERT_TRUE(Allit(t.TalArTalalatEditMax, 5));
    ASSERT_TRUE(Allit(t.TalArTalalatEdit, 4));
    // Lowering the count below the current range moves to the last in use.
    ASSERT_TRUE(Allit(t.DbTartomanyEdit, 1));
    EXPECT_EQ(t.AktTartomanyEdit->value(), 1);
    ASSERT_TRUE(Allit(t.DbTartomanyEdit, 2));
    ASSERT_TRUE(Allit(t.AktTartomanyEdit, 2));
    EXPECT_EQ(t.TalArTalalatEdit->value(), 4) << "range 2 kept its values";

    const TTalalatiAranyFeltetel& r = k.f.TalalatiAranyFeltetel;
    ASSERT_EQ(r.DbTartomany, 2);
    EXPECT_EQ((std::vector<int>{r.Tipus[0], r.TalalatMin[0], r.TalalatMax[0], r.ElsoHuzas[0], r.UtolsoHuzas[0]}),
              (std::vector<int>{1, 3, 5, 1, 30}));
    EXPECT_EQ((std::vector<int>{r.Tipus[1], r.TalalatMin[1], r.TalalatMax[1], r.ElsoHuzas[1], r.UtolsoHuzas[1]}),
              (std::vector<int>{0, 4, 5, 10, 20}));
    EXPECT_EQ(t.DbTartomanyEdit->toolTip(),
              " Kijelölt tartományok listája\n  1. tartomány: keresett, 3 - 5 találati arányra, 1. - 30. húzások \n  "
              "2. tartomány: kizárt, 4 - 5 találati arányra, 10. - 20. húzások ");
    ASSERT_TRUE(k.f.TalArAktiv);
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();

    auto talalat = [&](const std::vector<int>& sor, int huzas) {
        int db = 0;
        for (int i = 0; i < 5; ++i)
            db += std::count(sor.begin(), sor.end(),
                             k.d.Huzasok[static_cast<std::size_t>(huzas - 1)][static_cast<std::size_t>(3 + i)]) > 0;
        return db;
    };
    Osszevetes(k, [&](const Sor& s, std::uint64_t) {
        const std::vector<int> sor = k.szamok(s);
        for (int i = 0; i < 2; ++i) {
            bool van = false;
            for (int h = r.ElsoHuzas[static_cast<std::size_t>(i)]; h <= r.UtolsoHuzas[static_cast<std::size_t>(i)];
                 ++h) {
                const int c = talalat(sor, h);
                van = van || (c >= r.TalalatMin[static_cast<std::size_t>(i)] &&
                              c <= r.TalalatMax[static_cast<std::size_t>(i)]);
            }
            if (van != (r.Tipus[static_cast<std::size_t>(i)] == 1)) return false;
        }
        return true;
    });

    // "húzások": every range searched, the type group off, the error points
    // forced to 0, the tip offered once.
    Radio(t.TalArHuzBontGroup, 1);
    EXPECT_EQ(r.Forras, 1);
    EXPECT_EQ(r.Tipus[1], 1);
    EXPECT_FALSE(t.TalArTipusGroup.Doboz->isEnabled());
    EXPECT_FALSE(a.w.HibapontBeEdit->isEnabled());
    EXPECT_TRUE(t.DbTartomanyEdit->toolTip().endsWith("Húzások számsoraiból összeállított variáció. "));
}

TEST(FeltetelekLapokFuttatas, MathConditionsSetOnTheTabDriveTheEngine)
{
    kvx::Program program;
    Kornyezet k{40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 80};
    Ablak a(k);
    TMathLap& m = *a.w.MathLap;

    m.EsemOsszegBox->click();
    ASSERT_TRUE(m.EsemOsszegBox->isChecked());
    // The five smallest and the five largest of the selection.
    EXPECT_EQ(m.EsemOsszFixEdit->minimum(), 3 + 9 + 11 + 17 + 25);
    EXPECT_EQ(m.EsemOsszFixEdit->maximum(), 88 + 80 + 72 + 61 + 54);
    Gepel(m.EsemOsszFixEdit, "150");
    Gepel(m.EsemOsszMaxEdit, "260");
    EXPECT_EQ(k.f.OsszegFeltetel.Min, 150);
    EXPECT_EQ(k.f.OsszegFeltetel.Max, 260);
    EXPECT_TRUE(m.Panel6IL->toolTip().startsWith(" A variációra kijelölt számok nem szomszédosak"));

    m.MathSzorasBox->click();
    ASSERT_TRUE(m.MathSzorasBox->isChecked());
    EXPECT_EQ(a.tippek.size(), 1) << "the deviation tip";
    Gepel(m.SzorasEdit, "20,5");
    Gepel(m.SzorasMaxEdit, "30,25");
    EXPECT_FLOAT_EQ(k.f.SzorasFeltetel.Min, 20.5f);
    EXPECT_FLOAT_EQ(k.f.SzorasFeltetel.Max, 30.25f);

    // Terjedelem: positions 2..11 of the selection, spread 30..70.
    m.FixTartomanyBox->click();
    ASSERT_TRUE(m.TartomanyEdit->isEnabled());
    EXPECT_EQ(m.TartomanyEdit->maximum(), 12 - 5);
    ASSERT_TRUE(Allit(m.TartomanyMaxEdit, 11));
    ASSERT_TRUE(Allit(m.TartomanyEdit, 2));
    EXPECT_EQ(m.Label37->text(), "-dik számig, 10 szám variációja.");
    m.MobilTartomanyBox->click();
    ASSERT_TRUE(m.MobilTartomanyEdit->isEnabled());
    // The least spread of five of the selection is 25 - 3.
    EXPECT_EQ(m.MobilTartomanyEdit->minimum(), 22);
    EXPECT_EQ(m.MobilTartomanyMaxEdit->maximum(), 88 - 3);
    ASSERT_TRUE(Allit(m.MobilTartomanyEdit, 30));
    EXPECT_EQ(m.MobilTartomanyMaxEdit->value(), 30) << "the maximum follows";
    ASSERT_TRUE(Allit(m.MobilTartomanyMaxEdit, 70));
    const TTerjedelemFeltetel& t = k.f.TerjedelemFeltetel;
    EXPECT_EQ((std::vector<int>{t.Allapot, t.Fix, t.FixMin, t.FixMax, t.Valtozo, t.ValtozoMax}),
              (std::vector<int>{1, 1, 2, 11, 1, 70}));
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();

    const TSzorasFeltetel sz = k.f.SzorasFeltetel;
    Osszevetes(k, [&](const Sor& s, std::uint64_t) {
        const std::vector<int> sor = k.szamok(s);
        int osszeg = 0;
        for (int x : sor) osszeg += x;
        double atlag = osszeg / 5.0, q = 0;
        for (int x : sor) q += (x - atlag) * (x - atlag);
        const double d = std::sqrt(q / 4);
        for (std::uint8_t i : s)
            if (i + 1 < t.FixMin || i + 1 > t.FixMax) return false;
        const int terj = sor.back() - sor.front();
        return osszeg >= 150 && osszeg <= 260 && d >= sz.Min && d <= sz.Max && terj >= t.ValtozoMin &&
               terj <= t.ValtozoMax;
    });

    // Closing the window runs the exit checks: values stay as set.
    a.w.close();
    EXPECT_EQ(k.f.OsszegFeltetel.Min, 150);
    EXPECT_FLOAT_EQ(k.f.SzorasFeltetel.Max, 30.25f);
}

TEST(FeltetelekLapokFuttatas, SeriesSetOnTheTabDriveTheEngine)
{
    kvx::Program program;
    Kornyezet k{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    Ablak a(k);
    a.w.FeltetelekPC->setCurrentIndex(LapSpec);
    TSpecLap& s = *a.w.SpecLap;
    s.SorozatAllapotBox->click();
    ASSERT_TRUE(s.SorozatAllapotBox->isChecked());
    EXPECT_EQ(s.SMintaMaxEdit->maximum(), 14 - 5);
    // Pattern 1: neighbours (distance 0) one or two times.
    ASSERT_TRUE(Allit(s.DbSorozatEdit, 2));
    ASSERT_TRUE(Allit(s.SEsetekMaxEdit, 2));
    ASSERT_TRUE(Allit(s.SEsetekMinEdit, 1));
    // Pattern 2: distances 2..3, at most once.
    ASSERT_TRUE(Allit(s.AktSorozatEdit, 2));
    ASSERT_TRUE(Allit(s.SMintaMaxEdit, 3));
    ASSERT_TRUE(Allit(s.SMintaMinEdit, 2));
    ASSERT_TRUE(Allit(s.SEsetekMaxEdit, 1));
    ASSERT_TRUE(Allit(s.SDbMintaMaxEdit, 2));
    ASSERT_TRUE(Allit(s.SDbMintaMinEdit, 2));
    const TSorozatFeltetel& r = k.f.SorozatFeltetel;
    EXPECT_EQ(r.Minta[0], (TMinta{0, 0, 1, 2, 0}));
    EXPECT_EQ(r.Minta[1], (TMinta{2, 3, 0, 1, 0}));
    EXPECT_EQ(r.MintaDbMin, 2);
    EXPECT_TRUE(s.SSorozatSorrendBox->isEnabled());
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();

    auto szabaly = [&](const Sor& sor, bool sorrend) {
        const std::vector<int> v = k.szamok(sor);
        int jelen = 0;
        for (int m = 0; m < 2; ++m) {
            const TMinta& t = r.Minta[static_cast<std::size_t>(m)];
            int c = 0;
            for (int i = 0; i + 1 < 5; ++i) {
                const int tav = v[static_cast<std::size_t>(i + 1)] - v[static_cast<std::size_t>(i)] - 1;
                c += tav >= t.TavolsagMin && tav <= t.TavolsagMax;
            }
            if (sorrend) {
                const int tav = v[static_cast<std::size_t>(m + 1)] - v[static_cast<std::size_t>(m)] - 1;
                if (tav < t.TavolsagMin || tav > t.TavolsagMax) return false;
            }
            if (c < t.EsetMin || c > t.EsetMax) return false;
            jelen += c > 0;
        }
        return jelen >= r.MintaDbMin && jelen <= r.MintaDbMax;
    };
    Osszevetes(k, [&](const Sor& sor, std::uint64_t) { return szabaly(sor, false); });

    // The order option: the i-th distance within pattern i as well.
    s.SSorozatSorrendBox->click();
    ASSERT_TRUE(k.f.SorozatSorrend);
    EXPECT_EQ(r.Minta[0].Tartalek, 1);
    EXPECT_FALSE(s.SDbMintaMinEdit->isVisible());
    EXPECT_TRUE(s.SDbMintaMaxEdit->isVisible());
    Osszevetes(k, [&](const Sor& sor, std::uint64_t) { return szabaly(sor, true); });

    // Too few numbers for the line: refused.
    kvx::Program p2;
    Kornyezet kevés{1, 2, 3, 4, 5, 6, 7, 8, 9};
    Ablak b(kevés);
    b.w.SpecLap->SorozatAllapotBox->click();
    EXPECT_FALSE(b.w.SpecLap->SorozatAllapotBox->isChecked());
    EXPECT_EQ(b.uzenetek.size(), 1);
}

TEST(FeltetelekLapokFuttatas, LineRangesSetOnTheTabDriveTheEngine)
{
    kvx::Program program;
    Kornyezet k{40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 80};
    Ablak a(k);
    a.w.FeltetelekPC->setCurrentIndex(LapSpec);
    TSpecLap& s = *a.w.SpecLap;
    s.SzamsorokTartomanyBox->click();
    ASSERT_TRUE(s.SzamsorokTartomanyBox->isChecked());
    // C(12,5) = 792 lines.
    EXPECT_EQ(s.OsztoLista(),
              (std::vector<std::int64_t>{2, 4, 6, 8, 11, 18, 22, 24, 33, 36, 44, 72, 99, 132, 198, 396}));
    EXPECT_EQ(s.SzamsorokTartomanyCB->count(), 16);

    // Range 1: searched, lines 100..400 typed.
    Radio(s.SzamsorokTartomanyTipusGroup, 1);
    Gepel(s.SzamsorokTartomanyMinEdit, "100");
    Gepel(s.SzamsorokTartomanyMaxEdit, "99999999999999");
    EXPECT_EQ(s.SzamsorokTartomanyMaxEdit->text(), "792") << "held to the full variation";
    Gepel(s.SzamsorokTartomanyMaxEdit, "400");
    // Range 2: excluded, the 2nd of 6 sub-ranges (lines 133..264).
    ASSERT_TRUE(Allit(s.SzamsorokDbTartomanyEdit, 2));
    ASSERT_TRUE(Allit(s.SzamsorokAktTartomanyEdit, 2));
    Radio(s.SzamsorokTartomanyTipusGroup, 0);
    Radio(s.SzamsorokTartomanyModGroup, 0);
    ASSERT_TRUE(s.SzamsorokTartomanyCB->isVisible());
    s.SzamsorokTartomanyCB->setCurrentIndex(2);
    emit s.SzamsorokTartomanyCB->activated(2);
    Gepel(s.SzamsorokTartomanyMin, "2");
    Gepel(s.SzamsorokTartomanyMax, "2");
    const TSzamsorokFeltetel& r = k.f.SzamsorokFeltetel;
    EXPECT_EQ(r.Elso[1], 133);
    EXPECT_EQ(r.Utolso[1], 264);
    EXPECT_TRUE(s.SzamsorokTartomanyMinEdit->isReadOnly());

    // Pattern: every 3rd line excluded.
    s.SzamsorokSorozatokBox->click();
    ASSERT_TRUE(s.SzamsorokSorozatokBox->isChecked());
    Radio(s.SzamsorokSorozatokTipusGroup, 0);
    Gepel(s.SzamsorokSorozatokEdit, "3");
    EXPECT_EQ(r.MintaErtek[0], 3);
    EXPECT_EQ(r.MintaMasolat[0], 3);
    EXPECT_EQ(r.KijeloltDb, 12);
    EXPECT_EQ(r.VariacioMeret, 5);
    EXPECT_TRUE(
        s.SzamsorokDbTartomanyEdit->toolTip().contains("2. tartomány: 133. - 264. sorszámú számsorok kizárása. "))
        << s.SzamsorokDbTartomanyEdit->toolTip().toStdString();
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();

    Osszevetes(k, [&](const Sor&, std::uint64_t u) {
        int dont = -1;
        for (int i = 0; i < 2; ++i)
            if (u >= static_cast<std::uint64_t>(r.Elso[static_cast<std::size_t>(i)]) &&
                u <= static_cast<std::uint64_t>(r.Utolso[static_cast<std::size_t>(i)]))
                dont = i;
        if (dont < 0 || r.Tipus[static_cast<std::size_t>(dont)] == 0) return false;
        return u % 3 != 0;
    });

    // Sorting puts the ranges in order of their first line.
    ASSERT_TRUE(s.SzamsorokTartomanyokRendezesGomb->isVisible());
    s.SzamsorokTartomanyokRendezesGomb->click();
    EXPECT_EQ(r.Elso[0], 100);
    EXPECT_EQ(r.Elso[1], 133);
}

// Seven numbers for a line of five: 21 lines, no divisor in range; the
// sub-range modes cannot be chosen.
TEST(FeltetelekLapokFuttatas, NoDivisorDisablesTheSubRangeModes)
{
    kvx::Program program;
    Kornyezet k{1, 2, 3, 4, 5, 6, 7};
    VariacioMeretBeallitas(k.l, k.g, 6);
    ASSERT_EQ(k.l.VariacioFoMeret, 6);
    Ablak a(k);
    a.w.FeltetelekPC->setCurrentIndex(LapSpec);
    TSpecLap& s = *a.w.SpecLap;
    s.SzamsorokTartomanyBox->click();
    s.SzamsorokSorozatokBox->click();
    EXPECT_TRUE(s.OsztoLista().empty());
    EXPECT_FALSE(s.SzamsorokTartomanyModGroup.Gombok->button(0)->isEnabled());
    EXPECT_FALSE(s.SzamsorokSorozatokModGroup.Gombok->button(0)->isEnabled());
    EXPECT_EQ(k.f.SzamsorokFeltetel.Mod[0], 0);
    EXPECT_FALSE(s.SzamsorokTartomanyCB->isVisible());
}
