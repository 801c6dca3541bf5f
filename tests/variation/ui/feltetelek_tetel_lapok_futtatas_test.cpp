// A condition set through the controls of each new tab drives a run of the
// engine: every stored line keeps the condition, checked by a plain rule
// written here, and the run stores exactly the lines of the full variation
// that keep it.
#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "conditions/ui/esemenyek_lap.h"
#include "conditions/ui/szamkeszlet_panel.h"
#include "conditions/ui/tetel_ful.h"
#include "lap_kezeles.h"

using namespace kvx;
using namespace kvx::teszt;

namespace {

// Marked in this order: twins 88, 11, 33; the mirror pair 13-31; primes 3,
// 17, 61, 11, 31, 13; no two numbers differ by 1.
const int kSzamok[] = {40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 31, 13};

bool prim(int n)
{
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

struct Eset {
    const char* nev;
    // Sets the condition through the controls; false when a control refused.
    std::function<bool(TFeltetelek&)> beallit;
    // The rule over the line's numbers (ascending selection positions and
    // the numbers at them).
    std::function<bool(const Sor& poz, const std::vector<int>& szam, const FeltetelRekordok& f)> szabaly;
};

}  // namespace

TEST(FeltetelekLapokFuttatas, EachTabDrivesTheEngine)
{
    const Eset esetek[] = {
        {"number groups: 1..2 numbers of even tens group",
         [](TFeltetelek& w) {
             TTetelFul& t = *w.SzamcsoportLap;
             t.ParosBox->click();
             return t.ParosBox->isChecked() && Allit(t.ParosMaxEdit, 2) && Allit(t.ParosEdit, 1);
         },
         [](const Sor&, const std::vector<int>& sz, const FeltetelRekordok&) {
             const auto c = std::count_if(sz.begin(), sz.end(), [](int n) { return (n / 10) % 2 == 0; });
             return c >= 1 && c <= 2;
         }},
        {"endings: 1..2 numbers ending in 3",
         [](TFeltetelek& w) {
             TTetelFul& t = *w.SzamvegzodesLap;
             t.TetelesBox->click();
             return t.TetelesBox->isChecked() && Allit(t.TetelesNeveUD, 3) &&
                    t.TetelesNeveLabel->text() == QStringLiteral("  Hármas  ") && Allit(t.TetelesMaxEdit, 2) &&
                    Allit(t.TetelesMinEdit, 1);
         },
         [](const Sor&, const std::vector<int>& sz, const FeltetelRekordok&) {
             const auto c = std::count_if(sz.begin(), sz.end(), [](int n) { return n % 10 == 3; });
             return c >= 1 && c <= 2;
         }},
        {"digits: 1..2 repeats over all digits",
         [](TFeltetelek& w) {
             TTetelFul& t = *w.SzamjegyLap;
             t.IsmetBox->click();
             if (!t.IsmetBox->isChecked()) return false;
             t.IsmetTobb->click();
             return Allit(t.IsmetMaxEdit, 2) && Allit(t.IsmetEdit, 1) && !t.IsmetTobbCB->isEnabled();
         },
         [](const Sor&, const std::vector<int>& sz, const FeltetelRekordok&) {
             std::map<int, int> db;
             for (int n : sz) {
                 if (n >= 10) ++db[n / 10];
                 ++db[n % 10];
             }
             int ism = 0;
             for (const auto& [d, c] : db) ism += c - 1;
             return ism >= 1 && ism <= 2;
         }},
        {"events: exactly one prime",
         [](TFeltetelek& w) {
             TEsemenyekLap& e = *w.EsemenyekLap;
             e.PrimszamBox->click();
             return e.PrimszamBox->isChecked() && Allit(e.PrimszamMaxEdit, 1) && Allit(e.PrimszamEdit, 1);
         },
         [](const Sor&, const std::vector<int>& sz, const FeltetelRekordok&) {
             return std::count_if(sz.begin(), sz.end(), prim) == 1;
         }},
        {"events: no twin",
         [](TFeltetelek& w) {
             TEsemenyekLap& e = *w.EsemenyekLap;
             e.IkerszamBox->click();
             return e.IkerszamBox->isChecked() && Allit(e.IkerszamMaxEdit, 0);
         },
         [](const Sor&, const std::vector<int>& sz, const FeltetelRekordok&) {
             return std::none_of(sz.begin(), sz.end(), [](int n) { return n >= 10 && n / 10 == n % 10; });
         }},
        {"events: the mirror pair 13-31",
         [](TFeltetelek& w) {
             TEsemenyekLap& e = *w.EsemenyekLap;
             e.TukorszamBox->click();
             return e.TukorszamBox->isChecked() && Allit(e.TukorszamMaxEdit, 1) && Allit(e.TukorszamEdit, 1);
         },
         [](const Sor&, const std::vector<int>& sz, const FeltetelRekordok&) {
             return std::count(sz.begin(), sz.end(), 13) && std::count(sz.begin(), sz.end(), 31);
         }},
        {"events: no neighbours in selection order",
         [](TFeltetelek& w) {
             TEsemenyekLap& e = *w.EsemenyekLap;
             e.SzomszedosAltBox->click();
             return e.SzomszedosAltBox->isChecked() && !e.SzomszedosSorrendAltBox->isChecked() &&
                    Allit(e.SzomszedosSzamokAltEditMin, 0) && Allit(e.SzomszedosSzamokAltEditMax, 0);
         },
         [](const Sor& poz, const std::vector<int>&, const FeltetelRekordok&) {
             for (std::size_t i = 1; i < poz.size(); ++i)
                 if (poz[i] == poz[i - 1] + 1) return false;
             return true;
         }},
        {"number pools: the optimal preset",
         [](TFeltetelek& w) {
             TSzamkeszletPanel& p = *w.SzamkeszletPanel;
             p.SzamokAllapotBox->click();
             if (!p.SzamokAllapotBox->isChecked()) return false;
             p.SzamokOptimalisLabel->click();
             return true;
         },
         [](const Sor& poz, const std::vector<int>&, const FeltetelRekordok& f) {
             for (std::size_t p = 0; p < poz.size(); ++p) {
                 const int hely = poz[p] + 1;
                 if (hely < f.SzamkeszletFeltetel.Elso[p] || hely > f.SzamkeszletFeltetel.Utolso[p]) return false;
             }
             return true;
         }},
    };
    for (const Eset& c : esetek) {
        SCOPED_TRACE(c.nev);
        kvx::Program program;
        FeltetelekKornyezet k(0);
        for (int n : kSzamok) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
        if (k.l.VariacioMeret != 5) VariacioMeretBeallitas(k.l, k.g, 5);
        ASSERT_EQ(k.l.KijeloltSzamok[0], 40);
        TFeltetelek w(nullptr, k.a);
        QStringList uzenetek;
        w.Uzenet = [&](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
        w.Kerdes = [](const QString&) { return false; };
        w.FeltetelStart();
        ASSERT_TRUE(c.beallit(w));
        ASSERT_TRUE(k.f.FeltetelJelzo);

        std::vector<Sor> jo;
        std::size_t minden = 0;
        for (const Sor& s : MindenSor(13, 5)) {
            ++minden;
            std::vector<int> sz;
            for (std::uint8_t i : s) sz.push_back(k.l.KijeloltSzamok[i]);
            if (c.szabaly(s, sz, k.f)) jo.push_back(s);
        }
        ASSERT_GT(jo.size(), 0u);
        ASSERT_LT(jo.size(), minden) << "the condition should refuse some lines";
        const std::vector<Sor> tarolt = Futtatas(k);
        EXPECT_EQ(tarolt.size(), jo.size());
        EXPECT_EQ(tarolt, jo);
    }
}
