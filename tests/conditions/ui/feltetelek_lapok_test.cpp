// Records loaded into the hit-ratio, math and Spec tabs (after a file was
// read, or when the window shows) reach the controls and stay as they were.
#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "conditions/ui/math_lap.h"
#include "conditions/ui/spec_lap.h"
#include "conditions/ui/talarany_lap.h"
#include "feltetelek_kornyezet.h"
#include "draws/draws_table.h"

using namespace kvx;

TEST(FeltetelekLapok, LoadedRecordsReachTheControlsAndStayAsTheyWere)
{
    kvx::Program program;
    teszt::FeltetelekKornyezet k(1);
    for (int n = 1; n <= 14; ++n) SzamJeloles(k.l, k.g, k.ms, n * 3, ModKijelolt, false);
    VariacioMeretBeallitas(k.l, k.g, 5);
    DrawsState d;
    SetHuzasok(d, 150, 8);
    d.AdatbazisBetoltve = true;
    k.a.Huzasok = &d;

    FeltetelRekordok& f = k.f;
    TTalalatiAranyFeltetel& t = f.TalalatiAranyFeltetel;
    t.Allapot = 1;
    t.DbTartomany = 2;
    t.Tipus = {1, 0};
    t.TalalatMin = {1, 2};
    t.TalalatMax = {3, 4};
    t.ElsoHuzas = {120, 5};
    t.UtolsoHuzas = {120, 60};
    f.TalArAdatbazisTipus = 0;
    f.OsszegFeltetel = {1, {}, 100, 150};
    f.SzorasFeltetel.Allapot = 1;
    f.SzorasFeltetel.Min = 10.5f;
    f.SzorasFeltetel.Max = 15.25f;  // the widest line reaches 19.0448
    f.TerjedelemFeltetel.Allapot = 1;
    f.TerjedelemFeltetel.Fix = 1;
    f.TerjedelemFeltetel.FixMin = 2;
    f.TerjedelemFeltetel.FixMax = 12;
    TSorozatFeltetel& s = f.SorozatFeltetel;
    s.Allapot = 1;
    s.DbMinta = 2;
    s.Minta[0] = {2, 2, 1, 3, 1};
    s.Minta[1] = {3, 5, 0, 2, 0};
    s.MintaDbMin = 1;
    s.MintaDbMax = 2;
    TSzamsorokFeltetel& r = f.SzamsorokFeltetel;
    r.Allapot = r.Tartomany = r.Sorozat = 1;
    r.KijeloltDb = 14;
    r.VariacioMeret = 5;
    r.DbTartomany = 1;
    r.Tipus[0] = 1;
    r.Mod[0] = 1;
    r.Osztas[0] = 1;  // 2002 lines: D = 7, sub-ranges of 286 lines
    r.OsztasMin[0] = 2;
    r.OsztasMax[0] = 3;
    r.Elso[0] = 287;
    r.Utolso[0] = 858;
    r.DbMinta = 1;
    r.MintaTipus[0] = 1;
    r.MintaErtek[0] = 4;
    r.MintaMasolat[0] = 4;
    f.FeltetelJelzo = true;
    const FeltetelRekordok elotte = f;

    TFeltetelek w(nullptr, k.a);
    w.Uzenet = [](TFeltetelek::UzenetFajta, const QString& m) { ADD_FAILURE() << m.toStdString(); };
    w.TalArLap->Tipp = [](const QString&, int) {};
    w.MathLap->Tipp = [](const QString&, int) {};
    f = elotte;
    w.BeolvFeltKijelolese();
    w.BeolvFeltKijelolese();

    // A one-draw range survives every load.
    EXPECT_EQ(t, elotte.TalalatiAranyFeltetel);
    EXPECT_EQ(f.TalArAdatbazisTipus, 0) << "loading keeps the database kind";
    EXPECT_EQ(f.OsszegFeltetel, elotte.OsszegFeltetel);
    EXPECT_EQ(f.SzorasFeltetel, elotte.SzorasFeltetel);
    EXPECT_EQ(f.TerjedelemFeltetel, elotte.TerjedelemFeltetel);
    EXPECT_EQ(s, elotte.SorozatFeltetel);
    EXPECT_TRUE(f.SorozatSorrend);
    EXPECT_EQ(r, elotte.SzamsorokFeltetel);

    EXPECT_TRUE(w.TalArLap->TalArAllapotBox->isChecked());
    EXPECT_EQ(w.TalArLap->Label15->text(), "120. - 120. húzásokkal összehasonlítva");
    EXPECT_EQ(w.TalArLap->DbTartomanyEdit->value(), 2);
    EXPECT_EQ(w.MathLap->EsemOsszFixEdit->value(), 100);
    EXPECT_DOUBLE_EQ(w.MathLap->SzorasMaxEdit->value(), 15.25);
    EXPECT_EQ(w.MathLap->TartomanyMaxEdit->value(), 12);
    EXPECT_FALSE(w.MathLap->MobilTartomanyBox->isChecked());
    EXPECT_TRUE(w.SpecLap->SSorozatSorrendBox->isChecked());
    EXPECT_EQ(w.SpecLap->SMintaMinEdit->value(), 2);
    EXPECT_EQ(w.SpecLap->SzamsorokTartomanyCB->currentText(), "7");
    EXPECT_EQ(w.SpecLap->SzamsorokTartomanyMaxEdit->text(), "858");
    EXPECT_EQ(w.SpecLap->SzamsorokSorozatokEdit->text(), "4");

    // Clearing unticks every box of the three tabs; the values stay.
    f.FeltetelJelzo = true;
    k.ms.Mentve = true;
    w.FeltetelekTorlese();
    for (QCheckBox* b :
         {w.TalArLap->TalArAllapotBox, w.MathLap->EsemOsszegBox, w.MathLap->MathSzorasBox, w.MathLap->FixTartomanyBox,
          w.SpecLap->SorozatAllapotBox, w.SpecLap->SzamsorokTartomanyBox, w.SpecLap->SzamsorokSorozatokBox})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_FALSE(w.TalArLap->DbTartomanyEdit->isEnabled());
    EXPECT_EQ(f.OsszegFeltetel.Min, 100);

    // A stored deviation beyond the reach of the selection is lowered to it.
    f = elotte;
    f.SzorasFeltetel.Max = 25;
    w.BeolvFeltKijelolese();
    EXPECT_NEAR(f.SzorasFeltetel.Max, 19.0448, 1e-3);
}
