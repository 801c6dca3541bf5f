// The conditions window on the offscreen platform: conditions set on the
// window survive a number-set file round trip, the group rules hold when a
// record is loaded, the modes and the check button, what it shows of the
// game and the selection, the order of its refusals, and what counts as a
// condition removed.
#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "feltetelek_kornyezet.h"
#include "app/settings.h"
#include "app/ui/valaszolo.h"
#include "conditions/number_set_file.h"
#include "conditions/ui/math_lap.h"
#include "conditions/ui/talarany_lap.h"
#include "conditions/variation_options.h"

using namespace kvx;

namespace {

// Twenty numbers marked: 3, 6, ..., 60.
struct Kornyezet : teszt::FeltetelekKornyezet {
    Kornyezet() : FeltetelekKornyezet(0)
    {
        for (int n = 1; n <= 20; ++n) SzamJeloles(l, g, ms, n * 3, ModKijelolt, false);
    }
};

struct Ablak {
    explicit Ablak(Kornyezet& k) : w(nullptr, k.a)
    {
        w.Uzenet = [this](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
        w.Variacio = [this] { return variacio; };
        w.show();
    }
    TFeltetelek w;
    QStringList uzenetek;
    FeltetelekVariacio variacio;
};

// A click on a check box's square, where the user clicks it.
void kattintas(QCheckBox* b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

std::vector<std::uint8_t> mentes(const Kornyezet& k)
{
    BinWriter wr;
    SzamsorKepIras(wr, SzamsorKepKeszites(k.l, k.g, k.f, k.mod, {}));
    return wr.data();
}

}  // namespace

TEST(FeltetelekWindow, ConditionsSetOnTheWindowSurviveANumberSetFile)
{
    kvx::Program program;
    Kornyezet k;
    ASSERT_GE(k.l.VariacioFoMeret, 5);
    Ablak a(k);
    TFeltetelek& w = a.w;
    EXPECT_EQ(w.FeltetelekPC->count(), 8);
    EXPECT_EQ(w.FeltetelekPC->tabText(0), " Eloszlás ");
    EXPECT_EQ(w.FeltetelekPC->tabText(7), " Spec ");
    EXPECT_FALSE(w.FavSzamaiEdit->isEnabled());

    // The user ticks Favorizált számok and moves its controls.
    w.FavAllapotBox->click();
    EXPECT_TRUE(w.FavSzamaiEdit->isEnabled());
    EXPECT_EQ(w.FavAllapotBox->toolTip(), " Feltétel törlése ");
    w.FavSzamaiMaxEdit->setValue(3);
    w.FavSzamaiEdit->setValue(2);
    w.FavTalalatMaxEdit->setValue(5);  // held at the group's size 2
    w.FavTalalatEdit->setValue(2);
    EXPECT_EQ(w.FavTalalatMaxEdit->value(), 2);
    EXPECT_EQ(w.Label2->text(), "A számcsoport 2 számából minimum");
    EXPECT_EQ(k.f.FavFeltetel, (TFavFeltetel{1, {}, 2, 3, 2, 2}));
    // Számcsoportok: two groups, the list text is the count edit's hint.
    w.SzamcsoportAllapotBox->click();
    w.DbSzamcsoportEdit->setValue(2);
    w.AktSzamcsoportEdit->setValue(2);
    w.AktSzamcsoportUtolsoEdit->setValue(8);
    w.AktSzamcsoportElsoEdit->setValue(4);
    w.AktSzamcsoportMaxEdit->setValue(3);
    EXPECT_TRUE(w.DbSzamcsoportEdit->toolTip().startsWith(" Kijelölt számcsoportok listája\n"));
    EXPECT_TRUE(w.DbSzamcsoportEdit->toolTip().contains("  2. számcsoport  5 száma:  4. -  8. számig terjed"))
        << w.DbSzamcsoportEdit->toolTip().toStdString();
    w.MobAllapotBox->click();
    w.MobSzamaiEdit->setValue(5);
    w.HibapontBeEdit->setValue(2);
    EXPECT_TRUE(k.f.FeltetelJelzo);
    EXPECT_TRUE(w.TorlesGomb->isEnabled());
    EXPECT_TRUE(w.EllenorzesGomb->isEnabled());

    const std::vector<std::uint8_t> fajl = mentes(k);
    const FeltetelRekordok mentett = k.f;

    // Clear everything, then open the file again.
    FeltetelekRekordokReset(k.f, k.g);
    w.BeolvFeltKijelolese();
    EXPECT_FALSE(w.FavAllapotBox->isChecked());
    EXPECT_FALSE(w.FavSzamaiEdit->isEnabled());
    EXPECT_EQ(w.HibapontBeEdit->value(), 0);
    EXPECT_FALSE(w.TorlesGomb->isEnabled());

    SzamsorOlvasasKornyezet env;
    env.Jatek = &k.g;
    env.Feltetelek = &k.f;
    const SzamsorOlvasasEredmeny r = SzamsorKepOlvasas(fajl, "proba.tip", env);
    ASSERT_TRUE(r.Ok) << r.Uzenet;
    SzamsorKepAlkalmazas(r.Kep, k.l, k.g, k.ms, k.f);
    w.BeolvFeltKijelolese();
    EXPECT_TRUE(w.FavAllapotBox->isChecked());
    EXPECT_EQ(w.FavSzamaiEdit->value(), 2);
    EXPECT_EQ(w.FavSzamaiMaxEdit->value(), 3);
    EXPECT_EQ(w.FavTalalatEdit->value(), 2);
    EXPECT_EQ(w.FavTalalatMaxEdit->value(), 2);
    EXPECT_TRUE(w.SzamcsoportAllapotBox->isChecked());
    EXPECT_EQ(w.DbSzamcsoportEdit->value(), 2);
    EXPECT_EQ(w.AktSzamcsoportEdit->value(), 1);  // loading shows the first group
    w.AktSzamcsoportEdit->setValue(2);
    EXPECT_EQ(w.AktSzamcsoportElsoEdit->value(), 4);
    EXPECT_EQ(w.AktSzamcsoportUtolsoEdit->value(), 8);
    EXPECT_EQ(w.AktSzamcsoportMaxEdit->value(), 3);
    EXPECT_TRUE(w.MobAllapotBox->isChecked());
    EXPECT_EQ(w.MobSzamaiEdit->value(), 5);
    EXPECT_EQ(w.HibapontBeEdit->value(), 2);
    EXPECT_EQ(k.f.FavFeltetel, mentett.FavFeltetel);
    EXPECT_EQ(k.f.SzamcsoportokFeltetel, mentett.SzamcsoportokFeltetel);
    EXPECT_TRUE(a.uzenetek.isEmpty()) << a.uzenetek.join("|").toStdString();
}

TEST(FeltetelekWindow, GroupRulesHoldWhenARecordIsLoaded)
{
    kvx::Program program;
    Kornyezet k;
    // A file that selects the fixed groups with a selection of 9 numbers and
    // 5 a line: 9 div 2 < 5, the condition is refused on loading.
    MindenSzamTorlese(k.l, k.g, k.ms);
    for (int n = 1; n <= 9; ++n) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
    VariacioMeretBeallitas(k.l, k.g, 5);
    Ablak a(k);
    k.f.FixFeltetel = {1, {}, 3, 2};
    k.f.MobFeltetel = {1, {}, 3, 2};
    a.w.BeolvFeltKijelolese();
    EXPECT_FALSE(a.w.FixAllapotBox->isChecked());
    EXPECT_EQ(k.f.FixFeltetel.Allapot, 0);
    EXPECT_EQ(k.f.FixFeltetel.Meret, 3);  // the other fields keep their values
    EXPECT_TRUE(a.w.MobAllapotBox->isChecked());  // 9 >= 2 * 5 - 1
    ASSERT_EQ(a.uzenetek.size(), 1);
    EXPECT_EQ(a.uzenetek[0], "A kijelölt számsorral nem értelmezhető a feltétel.");

    // Ticking by the user is refused the same way.
    a.uzenetek.clear();
    a.w.FixAllapotBox->click();
    EXPECT_FALSE(a.w.FixAllapotBox->isChecked());
    EXPECT_EQ(a.uzenetek.size(), 1);
    EXPECT_FALSE(k.f.FeltetelJelzo && k.f.FixFeltetel.Allapot);
}

TEST(FeltetelekWindow, LineLengthOneFromAFileRefusesTalalatNotTheProgram)
{
    kvx::Program program;
    Kornyezet k;
    Ablak a(k);
    VariacioMeretBeallitas(k.l, k.g, 0);
    k.o.TulirasBont = true;
    k.o.TulirasTeteles = true;
    a.w.BeolvFeltKijelolese();
    EXPECT_FALSE(a.w.TulirasBontBox->isChecked());
    EXPECT_FALSE(k.o.TulirasBont);
    EXPECT_TRUE(a.uzenetek.contains("A kijelölt számsorral nem értelmezhető a feltétel."));
}

TEST(FeltetelekWindow, ListingModeAndCheckButton)
{
    kvx::Program program;
    Kornyezet k;
    Ablak a(k);
    a.variacio.SzamsorDb = 120;
    bool torlesKerdes = false;
    QObject::connect(&a.w, &TFeltetelek::variacioTorlesKerve, [&] { torlesKerdes = true; });
    a.w.hide();
    a.w.show();
    EXPECT_EQ(a.w.windowTitle(), " Feltételek listája");
    EXPECT_EQ(a.w.BontasGomb->text(), "Módosítás");
    EXPECT_FALSE(a.w.EloszlasTS->isEnabled());
    EXPECT_FALSE(a.w.Panel8->isEnabled());
    a.w.BontasGomb->click();
    EXPECT_TRUE(torlesKerdes);

    // Back to selecting; a favourite limit no line can meet fails the check
    // and turns to its tab.
    a.variacio.SzamsorDb = 0;
    a.w.hide();
    a.w.show();
    EXPECT_EQ(a.w.windowTitle(), " Feltételek kijelölése");
    EXPECT_FALSE(a.w.BontasGomb->isEnabled());  // starting a run is not wired here
    a.w.FeltetelekPC->setCurrentIndex(3);
    a.w.FavAllapotBox->click();
    a.w.FavSzamaiEdit->setValue(1);
    a.w.FavSzamaiMaxEdit->setValue(20);
    a.w.FavTalalatEdit->setValue(0);
    a.w.FavTalalatMaxEdit->setValue(1);
    a.uzenetek.clear();
    a.w.EllenorzesGomb->click();
    EXPECT_EQ(a.w.FeltetelekPC->currentIndex(), 0);
    ASSERT_FALSE(a.uzenetek.isEmpty());
    EXPECT_TRUE(a.uzenetek[0].startsWith("Nem teljesülhet az Eloszlás - Favorizált számok feltétel"));

    a.w.FavTalalatMaxEdit->setValue(5);
    a.uzenetek.clear();
    a.w.EllenorzesGomb->click();
    ASSERT_EQ(a.uzenetek.size(), 1);
    EXPECT_TRUE(a.uzenetek[0].startsWith("A vizsgált feltételek beállításai érvényesek"));
}

// Every tab of the window holds its conditions: none stands blank.
TEST(FeltetelekWindow, EveryTabHoldsItsConditions)
{
    Kornyezet k;
    Ablak a(k);
    ASSERT_EQ(a.w.FeltetelekPC->count(), 8);
    for (int i = 0; i < a.w.FeltetelekPC->count(); ++i) {
        SCOPED_TRACE(a.w.FeltetelekPC->tabText(i).toStdString());
        EXPECT_FALSE(a.w.FeltetelekPC->widget(i)->findChildren<QCheckBox*>().isEmpty());
    }
}

// Ticking an optimisation option shows its once-only tips; a tip answered
// "Nem" is never shown again, one answered "Igen" comes back.
TEST(FeltetelekWindow, OptimisationOptionsShowTheirTipsOnce)
{
    kvx::Program program;
    settings().UzenetekLog.fill(1);
    uzenetBeallitasok().UzenetekLog = &settings().UzenetekLog;
    Kornyezet k;
    Ablak a(k);
    TFeltetelek& w = a.w;
    w.HibapontBeEdit->setValue(2);
    ASSERT_TRUE(w.OptBontNovelBox->isEnabled());

    const auto elso = [](const teszt::Valaszolo& v) {
        QStringList cimek;
        for (const teszt::LatottDoboz& d : v.Latott) cimek << QString(d.Szoveg).remove(QChar('\r')).section(QChar('\n'), 0, 0);
        return cimek;
    };
    {
        teszt::Valaszolo v({QStringLiteral("Nem"), QStringLiteral("Igen")});
        w.OptBontNovelBox->click();
        EXPECT_EQ(elso(v), (QStringList{QStringLiteral("Növel/Csökkent opció"), QStringLiteral("Mód opció")}));
    }
    EXPECT_EQ(settings().UzenetekLog[33], 0);
    EXPECT_EQ(settings().UzenetekLog[30], 1);
    {
        teszt::Valaszolo v({QStringLiteral("Nem"), QStringLiteral("Nem")});
        w.OptBontRendezBox->click();
        w.OptBontFelulirasBox->click();
        EXPECT_EQ(elso(v), (QStringList{QStringLiteral("Rendez opció"), QStringLiteral("Felülírás opció")}));
    }
    EXPECT_TRUE(w.OptBontFelulirasBox->isChecked());
    {
        // Csökkent: only the Mód tip is still due; unticking shows nothing.
        teszt::Valaszolo v({QStringLiteral("Nem")});
        w.OptBontCsokkentBox->click();
        w.OptBontRendezBox->click();
        w.OptBontRendezBox->click();
        w.OptBontFelulirasBox->click();
        w.OptBontFelulirasBox->click();
        EXPECT_EQ(elso(v), (QStringList{QStringLiteral("Mód opció")}));
        for (const teszt::LatottDoboz& d : v.Latott)
            EXPECT_TRUE(d.Szoveg.contains(QStringLiteral("Erre legközelebb is emlékeztesse a program?")));
    }
    for (int t : {30, 31, 33, 34}) EXPECT_EQ(settings().UzenetekLog[static_cast<std::size_t>(t)], 0) << t;
}

// A double click on a Tételes edit jumps it: the minimum to the maximum or
// back to its lowest value, the maximum to the limit or back to the minimum.
TEST(FeltetelekWindow, DoubleClickJumpsTheTetelesEdits)
{
    kvx::Program program;
    Kornyezet k;
    Ablak a(k);
    TFeltetelek& w = a.w;
    w.TulirasBontBox->click();
    w.TulirasTetelesBox->click();
    ASSERT_TRUE(w.TulirasTetelesEdit->isEnabled());
    const int limit = w.TulirasTetelesMaxEdit->maximum();
    ASSERT_GE(limit, 2);
    w.TulirasTetelesMaxEdit->setValue(limit - 1);
    w.TulirasTetelesEdit->setValue(limit - 2);
    QLineEdit* min = w.TulirasTetelesEdit->findChild<QLineEdit*>();
    QLineEdit* max = w.TulirasTetelesMaxEdit->findChild<QLineEdit*>();
    struct Lepes {
        QLineEdit* hova;
        int vartMin, vartMax;
    };
    const Lepes lepesek[] = {
        {min, limit - 1, limit - 1},  // the larger maximum
        {min, 0, limit - 1},          // not larger: the lowest value
        {max, 0, limit},  // below the limit: the limit
        {max, 0, 0},      // at the limit: the minimum
    };
    for (const Lepes& l : lepesek) {
        QTest::mouseDClick(l.hova, Qt::LeftButton);
        EXPECT_EQ(w.TulirasTetelesEdit->value(), l.vartMin);
        EXPECT_EQ(w.TulirasTetelesMaxEdit->value(), l.vartMax);
    }
    EXPECT_EQ(k.o.TulirasTetelesMin, 0);
    EXPECT_EQ(k.o.TulirasTetelesMax, 0);
}

// What the window shows of the game and the selection as it opens: the
// hit-ratio tab's extra-pool limits only in a game with an extra pool, and
// the Terjedelem label counts the numbers a line is varied from (the fixed
// stretch while Fix is on, else the whole selection).
TEST(FeltetelekWindow, TextsFollowTheGameAndTheSelection)
{
    kvx::Program program;
    struct Eset {
        const char* nev;
        std::int32_t jatek;
        int szamok;
        bool fix;  // Terjedelem with the fixed stretch 2..7
        bool plusz;
        const char* terjedelem;
    };
    const Eset esetek[] = {
        {"5/90, seven numbers", 0, 7, false, false, "-dik számig, 7 szám variációja."},
        {"5/90, nine numbers", 0, 9, false, false, "-dik számig, 9 szám variációja."},
        {"5/90, a fixed stretch", 0, 9, true, false, "-dik számig, 6 szám variációja."},
        {"5+2 from 50 and 12", 30, 7, false, true, "-dik számig, 7 szám variációja."},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        teszt::FeltetelekKornyezet k(0);
        k.g.LottoIndex = e.jatek;
        JatekParameterek(k.g);
        ListakInicializalasa(k.l, k.g, k.ms);
        FeltetelekRekordokReset(k.f, k.g);
        for (int n = 1; n <= e.szamok; ++n) SzamJeloles(k.l, k.g, k.ms, n * 3, ModKijelolt, false);
        if (e.fix) {
            TTerjedelemFeltetel& t = k.f.TerjedelemFeltetel;
            t.Allapot = t.Fix = 1;
            t.FixMin = 2;
            t.FixMax = 7;
            k.f.FeltetelJelzo = true;
        }
        TFeltetelek w(nullptr, k.a);
        QStringList uzenetek;
        w.Uzenet = [&](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
        w.show();
        EXPECT_TRUE(uzenetek.isEmpty()) << uzenetek.join("|").toStdString();
        for (QWidget* x : {static_cast<QWidget*>(w.TalArLap->TalArTalalatPBEdit),
                           static_cast<QWidget*>(w.TalArLap->TalArTalalatPBEditMax),
                           static_cast<QWidget*>(w.TalArLap->PBCimke), static_cast<QWidget*>(w.TalArLap->PBMaxCimke)})
            EXPECT_EQ(!x->isHidden(), e.plusz) << x->objectName().toStdString();
        EXPECT_EQ(w.MathLap->Label37->text(), QString::fromUtf8(e.terjedelem));
        if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
            w.FeltetelekPC->setCurrentIndex(2);
            QCoreApplication::processEvents();
            w.grab().save(QDir(d).filePath(QStringLiteral("feltetelek_talarany_%1.png").arg(e.jatek)));
        }
    }
}

// A selection that no longer fits several conditions refuses them one by one
// as the window opens, in the fixed order of the conditions whatever tab
// holds them.
TEST(FeltetelekWindow, RefusalsComeInTheOrderOfTheConditions)
{
    kvx::Program program;
    teszt::FeltetelekKornyezet k(0);
    // Odd numbers of odd tens groups with odd digits only, no constant
    // number, no twin, too few for a series of five.
    for (int n : {13, 15, 17, 19, 31, 35, 37}) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
    FeltetelRekordok& f = k.f;
    const std::pair<const char*, std::uint8_t*> feltetelek[] = {
        {"Sorozatok", &f.SorozatFeltetel.Allapot},
        {"Számjegy páros-páratlan", &f.SzJParosFeltetel.Allapot},
        {"Ikerszám", &f.IkerszamFeltetel.Allapot},
        {"Számvégződés páros-páratlan", &f.SzvParosFeltetel.Allapot},
        {"Számcsoport páros-páratlan", &f.SzcsParosFeltetel.Allapot},
        {"Állandó számok", &f.AllandoFeltetel.Allapot},
    };
    // Set behind the window, as a loaded file sets them.
    TFeltetelek w(nullptr, k.a);
    for (const auto& [nev, allapot] : feltetelek) *allapot = 1;
    f.FeltetelJelzo = true;
    // Each refusal clears its record before it is told: the one cleared
    // since the message before is the one refused.
    std::vector<std::string> sorrend;
    w.Uzenet = [&](TFeltetelek::UzenetFajta, const QString& s) {
        if (s != QString::fromUtf8(kNemErtelmezhetoFeltetel)) return;
        for (const auto& [nev, allapot] : feltetelek)
            if (*allapot == 0 && std::find(sorrend.begin(), sorrend.end(), nev) == sorrend.end()) {
                sorrend.push_back(nev);
                return;
            }
        sorrend.push_back("?");
    };
    w.show();
    const std::vector<std::string> vart = {"Állandó számok", "Számcsoport páros-páratlan",
                                           "Számvégződés páros-páratlan", "Ikerszám", "Számjegy páros-páratlan",
                                           "Sorozatok"};
    EXPECT_EQ(sorrend, vart);
}

// Unticking a condition by hand removes it: the window says so once (what
// was worked out with it goes); loading and clearing the records do not.
TEST(FeltetelekWindow, OnlyAConditionUntickedByHandCountsAsRemoved)
{
    kvx::Program program;
    Kornyezet k;
    Ablak a(k);
    TFeltetelek& w = a.w;
    int kivetel = 0;
    QObject::connect(&w, &TFeltetelek::feltetelKiveve, [&] { ++kivetel; });
    w.BeolvFeltKijelolese();
    w.FeltetelekPC->setCurrentIndex(6);
    kattintas(w.MathLap->EsemOsszegBox);
    ASSERT_TRUE(w.MathLap->EsemOsszegBox->isChecked());
    w.BeolvFeltKijelolese();
    EXPECT_EQ(kivetel, 0);
    kattintas(w.MathLap->EsemOsszegBox);
    EXPECT_FALSE(w.MathLap->EsemOsszegBox->isChecked());
    EXPECT_EQ(k.f.OsszegFeltetel.Allapot, 0);
    EXPECT_EQ(kivetel, 1);
    w.FeltetelekPC->setCurrentIndex(0);
    kattintas(w.FavAllapotBox);
    k.ms.Mentve = true;
    w.FeltetelekTorlese();
    EXPECT_FALSE(w.FavAllapotBox->isChecked());
    EXPECT_EQ(kivetel, 1);
}
