// The item tabs, the events tab and the number pools as the user meets
// them: refusals and messages, the twin / mirror-pair question, the run
// length that skips 1, a file's records reaching the controls and going back
// to the same bytes; and the information window.
#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "conditions/number_set_file.h"
#include "conditions/ui/esemenyek_lap.h"
#include "conditions/ui/info.h"
#include "conditions/ui/szamkeszlet_panel.h"
#include "conditions/ui/tetel_ful.h"
#include "lap_kezeles.h"

using namespace kvx;
using namespace kvx::teszt;

namespace {

struct Ablak {
    Ablak(const std::vector<int>& szamok, int k) : kornyezet(0), w(nullptr, kornyezet.a)
    {
        FeltetelekKornyezet& e = kornyezet;
        for (int n : szamok) SzamJeloles(e.l, e.g, e.ms, n, ModKijelolt, false);
        if (k > 0 && e.l.VariacioMeret != k) VariacioMeretBeallitas(e.l, e.g, k);
        w.Uzenet = [this](TFeltetelek::UzenetFajta, const QString& s) { uzenetek << s; };
        w.Kerdes = [this](const QString& s) {
            kerdesek << s;
            return valasz;
        };
        w.FeltetelStart();
    }
    FeltetelekKornyezet kornyezet;
    TFeltetelek w;
    QStringList uzenetek, kerdesek;
    bool valasz = true;
};

const QString kNemErtelmezheto = QStringLiteral("A kijelölt számsorral nem értelmezhető a feltétel.");

}  // namespace

TEST(FeltetelekLapok, RefusalsAndTheAutomaticRepeatMode)
{
    kvx::Program program;
    {
        // 1..9 only: all in tens group 0.
        Ablak a({1, 2, 3, 4, 5, 6, 7, 8, 9}, 5);
        TTetelFul& t = *a.w.SzamcsoportLap;
        EXPECT_FALSE(t.ParosEdit->isEnabled());
        for (QCheckBox* b : {t.ParosBox, t.TetelesBox}) {
            a.uzenetek.clear();
            b->click();
            EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
            EXPECT_EQ(a.uzenetek, QStringList{kNemErtelmezheto});
        }
        EXPECT_FALSE(a.kornyezet.f.SzcsParosFeltetel.Allapot);
        EXPECT_FALSE(a.kornyezet.f.FeltetelJelzo);
    }
    {
        // Only tens group 0 repeats: "Egy" is forced, with the message.
        Ablak a({3, 5, 12, 25, 31, 47}, 5);
        TTetelFul& t = *a.w.SzamcsoportLap;
        t.IsmetBox->click();
        ASSERT_TRUE(t.IsmetBox->isChecked());
        EXPECT_EQ(a.uzenetek, QStringList{"A kijelölt számsor alapján, csak egy számcsoport ismétlődhet."});
        EXPECT_TRUE(t.IsmetEgy->isChecked());
        EXPECT_EQ(t.IsmetMaxEdit->maximum(), 1);
        EXPECT_FALSE(t.IsmetTobbCB->isEnabled());
        t.IsmetTobb->click();
        EXPECT_TRUE(t.IsmetEgy->isChecked()) << "the selection allows one repeating group only";
        EXPECT_EQ(a.kornyezet.f.SzcsIsmetFeltetel.Szama, 1);
        EXPECT_EQ(t.IsmetLog->toolTip(), " Egy számcsoport ismétlődhet egy számsorban. ");
    }
    {
        // Free mode: "Csak több" is offered only for "Több" with a minimum above 1.
        Ablak a({1, 2, 11, 12, 21, 22, 31, 41}, 5);
        TTetelFul& t = *a.w.SzamcsoportLap;
        t.IsmetBox->click();
        EXPECT_TRUE(a.uzenetek.isEmpty());
        t.IsmetTobb->click();
        ASSERT_TRUE(Allit(t.IsmetMaxEdit, 3));
        EXPECT_FALSE(t.IsmetTobbCB->isEnabled());
        ASSERT_TRUE(Allit(t.IsmetEdit, 2));
        ASSERT_TRUE(t.IsmetTobbCB->isEnabled());
        t.IsmetTobbCB->click();
        EXPECT_EQ(a.kornyezet.f.SzcsIsmetFeltetel.CsakTobb, 1);
        EXPECT_EQ(t.IsmetEdit->toolTip(),
                  " Csak több számcsoport ismétlődhet egy számsorban, minimum 2, maximum 3 esetben. ");
        ASSERT_TRUE(Allit(t.IsmetEdit, 1));
        EXPECT_FALSE(t.IsmetTobbCB->isChecked());
        EXPECT_EQ(a.kornyezet.f.SzcsIsmetFeltetel.CsakTobb, 0);
    }
}

TEST(FeltetelekLapok, ItemStepAndListTextOnTheWindow)
{
    kvx::Program program;
    // Tens groups 2, 5 and 7.
    Ablak a({21, 55, 72, 27}, 3);
    TTetelFul& t = *a.w.SzamcsoportLap;
    t.TetelesBox->click();
    ASSERT_TRUE(t.TetelesBox->isChecked());
    EXPECT_EQ(t.TetelesNeveUD->minimum(), 2);
    EXPECT_EQ(t.TetelesNeveUD->maximum(), 7);
    ASSERT_EQ(t.TetelesNeveUD->value(), 2);
    Nyil(t.TetelesNeveUD, true);
    EXPECT_EQ(t.TetelesNeveUD->value(), 5) << "3 and 4 hold no number";
    Nyil(t.TetelesNeveUD, true);
    EXPECT_EQ(t.TetelesNeveUD->value(), 7);
    Nyil(t.TetelesNeveUD, false);
    EXPECT_EQ(t.TetelesNeveUD->value(), 5);
    Nyil(t.TetelesNeveUD, false);
    EXPECT_EQ(t.TetelesNeveUD->value(), 2);
    EXPECT_EQ(t.TetelesNeveLabel->text(), "  Húszas  ");
    EXPECT_EQ(t.TetelesMaxEdit->maximum(), 2) << "21 and 27";
    ASSERT_TRUE(Allit(t.TetelesMaxEdit, 2));
    EXPECT_EQ(t.TetelesDbEdit->toolTip(),
              " Kijelölt számcsoportok listája\n  1. Húszas számcsoportból minimum 0, maximum 2 találat elérése. ");
    EXPECT_EQ(t.TetelesDbEdit->maximum(), 3);
}

TEST(FeltetelekLapok, TwinAndMirrorQuestionAndNeighbourRuns)
{
    kvx::Program program;
    // Twins 22 33 44 55, the mirror pair 12-21; 21, 22 are neighbours.
    Ablak a({12, 21, 22, 33, 44, 55, 70}, 5);
    TEsemenyekLap& e = *a.w.EsemenyekLap;
    e.TukorszamBox->click();
    ASSERT_TRUE(e.TukorszamBox->isChecked());
    EXPECT_EQ(e.TukorszamMaxEdit->maximum(), 1);
    ASSERT_TRUE(Allit(e.TukorszamMaxEdit, 0));
    e.IkerszamBox->click();
    ASSERT_TRUE(e.IkerszamBox->isChecked());
    EXPECT_EQ(e.IkerszamMaxEdit->maximum(), 4);
    EXPECT_TRUE(a.kerdesek.isEmpty()) << "a twin minimum of 0 leaves room for mirror pairs";
    ASSERT_TRUE(Allit(e.IkerszamEdit, 4));
    e.IkerszamBox->click();  // off, and on again with the minimum 4 stored
    e.IkerszamBox->click();
    ASSERT_EQ(a.kerdesek.size(), 1);
    EXPECT_TRUE(a.kerdesek[0].startsWith("A beállított értékeket alkalmazva, nincs értelme a Tükör számpár"));
    EXPECT_FALSE(e.TukorszamBox->isChecked());
    EXPECT_EQ(a.kornyezet.f.TukorszamFeltetel.Allapot, 0);
    EXPECT_TRUE(e.IkerszamBox->isChecked());

    // Run lengths skip 1 both ways; with no run allowed the cases hide.
    e.SzomszedosAltBox->click();
    ASSERT_TRUE(e.SzomszedosAltBox->isChecked());
    ASSERT_TRUE(Allit(e.SzomszedosSzamokAltEditMax, 4));
    ASSERT_TRUE(Allit(e.SzomszedosSzamokAltEditMin, 2));
    EXPECT_TRUE(!e.SzomszedosSzamokAltMinEdit->isHidden());
    Nyil(e.SzomszedosSzamokAltEditMin, false);
    EXPECT_EQ(e.SzomszedosSzamokAltEditMin->value(), 0);
    EXPECT_EQ(e.SzomszedosSzamokAltEditMax->value(), 0);
    EXPECT_FALSE(!e.SzomszedosSzamokAltMinEdit->isHidden());
    EXPECT_EQ(e.AltMaxLabel->text(), "   szomszédos szám lehet.");
    EXPECT_EQ(e.SzomszedosSzamokAltEditMax->toolTip(), " Nem lehetnek szomszédos számok egy számsorban. ");
    Nyil(e.SzomszedosSzamokAltEditMax, true);
    EXPECT_EQ(e.SzomszedosSzamokAltEditMin->value(), 2);
    EXPECT_EQ(e.SzomszedosSzamokAltEditMax->value(), 2);
    EXPECT_EQ(a.kornyezet.f.SzomszedosFeltetel.SzomszedMax, 2);
    // Neighbours exist but the order is not monotone: the order box is the user's.
    EXPECT_TRUE(e.SzomszedosSorrendAltBox->isEnabled());
    e.SzomszedosSorrendAltBox->click();
    EXPECT_EQ(a.kornyezet.f.SzomszedosFeltetel.AltSorrend, e.SzomszedosSorrendAltBox->isChecked() ? 1 : 0);
    // Unticking the part keeps the others' state and clears the condition.
    e.SzomszedosAltBox->click();
    EXPECT_EQ(a.kornyezet.f.SzomszedosFeltetel.Allapot, 0);
    EXPECT_FALSE(e.SzomszedosSzamokAltEditMin->isEnabled());
}

TEST(FeltetelekLapok, NumberPoolPresetsThroughTheButtons)
{
    kvx::Program program;
    std::vector<int> husz;
    for (int i = 1; i <= 20; ++i) husz.push_back(i * 4);
    Ablak a(husz, 5);
    TSzamkeszletPanel& p = *a.w.SzamkeszletPanel;
    p.SzamokAllapotBox->click();
    ASSERT_TRUE(p.SzamokAllapotBox->isChecked());
    const TSzamkeszletFeltetel& r = a.kornyezet.f.SzamkeszletFeltetel;
    EXPECT_EQ(r.Elso[4], 5);
    EXPECT_EQ(r.Utolso[4], 20) << "a fresh record starts from the default preset";
    p.SzamokOptimalisLabel->click();
    const std::int32_t elso[] = {1, 2, 5, 9, 9}, utolso[] = {13, 12, 16, 19, 20};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r.Elso[static_cast<std::size_t>(i)], elso[i]) << i;
        EXPECT_EQ(r.Utolso[static_cast<std::size_t>(i)], utolso[i]) << i;
    }
    ASSERT_TRUE(Allit(p.AktSzamEdit, 4));
    EXPECT_EQ(p.AktSzamElsoEdit->value(), 9);
    EXPECT_EQ(p.AktSzamUtolsoEdit->maximum(), 19);
    Dupla(p.AktSzamUtolsoEdit);
    EXPECT_EQ(p.AktSzamUtolsoEdit->value(), 9) << "to the first";
    Dupla(p.AktSzamUtolsoEdit);
    EXPECT_EQ(p.AktSzamUtolsoEdit->value(), 19) << "equal to the first: to its upper bound";
    p.SzamokResetLabel->click();
    EXPECT_EQ(r.Utolso[0], 4);
    EXPECT_TRUE(p.AktSzamEdit->toolTip().startsWith(" Indexek tartománya\n  1. index számkészlete  4 szám:"));
    EXPECT_FALSE(p.Panel26IL->isVisibleTo(&a.w)) << "the selection is increasing";
}

TEST(FeltetelekLapok, RecordsFromAFileReachTheControlsAndGoBackToTheSameBytes)
{
    kvx::Program program;
    const std::vector<int> szamok = {40, 3, 17, 88, 25, 9, 61, 54, 72, 11, 33, 31, 13};
    Ablak a(szamok, 5);
    FeltetelekKornyezet& k = a.kornyezet;
    // Conditions set through the controls of each tab.
    TTetelFul& cs = *a.w.SzamcsoportLap;
    cs.ParosBox->click();
    ASSERT_TRUE(Allit(cs.ParosMaxEdit, 3));
    ASSERT_TRUE(Allit(cs.ParosEdit, 1));
    TTetelFul& sv = *a.w.SzamvegzodesLap;
    sv.TetelesBox->click();
    ASSERT_TRUE(Allit(sv.TetelesDbEdit, 2));
    ASSERT_TRUE(Allit(sv.TetelesAktEdit, 2));
    ASSERT_TRUE(Allit(sv.TetelesNeveUD, 3));
    ASSERT_TRUE(Allit(sv.TetelesMaxEdit, 2));
    TTetelFul& sj = *a.w.SzamjegyLap;
    sj.IsmetBox->click();
    ASSERT_TRUE(Allit(sj.IsmetMaxEdit, 4));
    TEsemenyekLap& e = *a.w.EsemenyekLap;
    e.PrimszamBox->click();
    ASSERT_TRUE(Allit(e.PrimszamMaxEdit, 2));
    e.SzomszedosMobBox->click();
    ASSERT_TRUE(e.SzomszedosMobBox->isChecked());
    ASSERT_TRUE(Allit(e.SzomszedosSzamokMobEdit, 6));
    a.w.SzamkeszletPanel->SzamokAllapotBox->click();
    a.w.SzamkeszletPanel->SzamokResetLabel->click();

    BinWriter elso;
    FeltetelBlokkIras(elso, k.f);
    const FeltetelRekordok mentett = k.f;

    // Cleared, then read back from the bytes and shown by a new window.
    FeltetelekRekordokReset(k.f, k.g);
    BinReader rd(elso.data());
    ASSERT_TRUE(FeltetelBlokkOlvasas(rd, k.f));
    TFeltetelek w2(nullptr, k.a);
    w2.Uzenet = [&](TFeltetelek::UzenetFajta, const QString& s) { a.uzenetek << s; };
    w2.FeltetelStart();
    EXPECT_TRUE(w2.SzamcsoportLap->ParosBox->isChecked());
    EXPECT_EQ(w2.SzamcsoportLap->ParosEdit->value(), 1);
    EXPECT_EQ(w2.SzamcsoportLap->ParosMaxEdit->value(), 3);
    EXPECT_EQ(w2.SzamvegzodesLap->TetelesDbEdit->value(), 2);
    EXPECT_EQ(w2.SzamvegzodesLap->TetelesAktEdit->value(), 1) << "loading shows the first entry";
    ASSERT_TRUE(Allit(w2.SzamvegzodesLap->TetelesAktEdit, 2));
    EXPECT_EQ(w2.SzamvegzodesLap->TetelesNeveLabel->text(), "  Hármas  ");
    EXPECT_EQ(w2.SzamjegyLap->IsmetMaxEdit->value(), 4);
    EXPECT_EQ(w2.EsemenyekLap->PrimszamMaxEdit->value(), 2);
    EXPECT_TRUE(w2.EsemenyekLap->SzomszedosMobBox->isChecked());
    EXPECT_EQ(w2.EsemenyekLap->SzomszedosSzamokMobEdit->value(), 6);
    EXPECT_TRUE(w2.SzamkeszletPanel->SzamokAllapotBox->isChecked());
    EXPECT_EQ(w2.SzamkeszletPanel->AktSzamUtolsoEdit->value(), mentett.SzamkeszletFeltetel.Utolso[0]);

    BinWriter masodik;
    FeltetelBlokkIras(masodik, k.f);
    EXPECT_EQ(masodik.data(), elso.data());
    EXPECT_TRUE(a.uzenetek.isEmpty() || a.uzenetek == QStringList{QString::fromStdString(
                                                           " Az 1-90-ig terjedő számegyenesen nem lehetséges szomszédos szám. ")})
        << a.uzenetek.join("|").toStdString();
}

TEST(InfoWindow, RefreshKeepsTheDisplayWhenNothingChangedAndHeadingsBold)
{
    kvx::Program program;
    TInfo w;
    InfoSorok sorok;
    for (int i = 0; i < 200; ++i) sorok.push_back({"sor " + std::to_string(i), i % 50 == 0});
    int hivas = 0;
    w.Epito = [&] {
        ++hivas;
        return sorok;
    };
    w.resize(400, 300);
    w.Start();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.BontInfo->document()->blockCount(), 200);
    EXPECT_TRUE(w.BontInfo->isReadOnly());
    EXPECT_EQ(w.BontInfo->document()->findBlockByNumber(50).begin().fragment().charFormat().fontWeight(),
              QFont::Bold);
    EXPECT_NE(w.BontInfo->document()->findBlockByNumber(51).begin().fragment().charFormat().fontWeight(),
              QFont::Bold);
    EXPECT_FALSE(w.Button2->isEnabled());
    EXPECT_FALSE(w.Button4->isEnabled());
    EXPECT_EQ(w.Button2->toolTip(), "Ez a funkció még nem érhető el.");

    // The reader scrolls and selects; a refresh with the same lines leaves both.
    QTextCursor c = w.BontInfo->textCursor();
    c.setPosition(10);
    c.setPosition(20, QTextCursor::KeepAnchor);
    w.BontInfo->setTextCursor(c);
    QScrollBar* sb = w.BontInfo->verticalScrollBar();
    ASSERT_GT(sb->maximum(), 0);
    sb->setValue(sb->maximum() / 2);
    const int hely = sb->value();
    const QTextDocument* doc = w.BontInfo->document();
    const int verzio = doc->revision();
    w.Listazas();
    EXPECT_EQ(hivas, 2);
    EXPECT_EQ(doc->revision(), verzio) << "the display was rebuilt";
    EXPECT_EQ(sb->value(), hely);
    EXPECT_EQ(w.BontInfo->textCursor().selectedText(), c.selectedText());

    // One line changes: the whole text is rebuilt and the place is kept.
    sorok[120].Szoveg = "más";
    w.Listazas();
    EXPECT_NE(doc->revision(), verzio);
    EXPECT_EQ(w.BontInfo->document()->findBlockByNumber(120).text(), "más");
    EXPECT_EQ(sb->value(), hely);

    w.ListaTorlese(true);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.BontInfo->toPlainText().isEmpty());
}

TEST(InfoWindow, DescribesTheProgramsConditions)
{
    kvx::Program program;
    JatekParameterek(game());
    ListakInicializalasa(szamListak(), game(), mainState());
    for (int n : {2, 11, 3, 40, 22}) SzamJeloles(szamListak(), game(), mainState(), n, ModKijelolt, false);
    feltetelRekordok().PrimszamFeltetel = {1, {}, 2, 2};
    TInfo w;
    w.Start();
    const QString s = w.BontInfo->toPlainText();
    EXPECT_TRUE(s.contains("Események - Prímszám")) << s.toStdString();
    EXPECT_TRUE(s.contains("  Egy számsorban, pontosan 2 prímszám szerepelhet.")) << s.toStdString();
    EXPECT_TRUE(s.contains(" 2 - 11 -  3 - 40 - 22")) << s.toStdString();
}
