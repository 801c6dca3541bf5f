// The variation test driven the user's way: a variation made, the Teszt
// command against a small draws database, the report, the switch to the
// full test, "Beillesztés" of test lines, saving and loading the result;
// Stop and the one-day rule.
#include "variation/ui/bontteszt.h"

#include "app/folders.h"
#include "app/game_table.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/program.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "variation/ui/bontas.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/bontteszt_alap.h"
#include "variation/ui/foablak_ablakok.h"
#include "variation/ui/allomany_parancsok.h"


#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

using kvx::teszt::kepUtvonal;

using kvx::teszt::futas::varj;

class BontTesztTest : public kvx::teszt::BontTesztAlap<kvx::teszt::FoablakAblakok> {
protected:
    void SetUp() override
    {
        BontTesztAlap::SetUp();
        window_ = ablakok_->Foablak.get();
    }
    TFoablak* window_ = nullptr;
};

TEST_F(BontTesztTest, TestAgainstTheDrawsThenTheFullTestAndInsertingItsLines)
{
    EXPECT_FALSE(a(ParancsId::eszt1)->isEnabled());
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    const std::int32_t sorok = variationStore().BontSzelvszam;
    ASSERT_TRUE(a(ParancsId::eszt1)->isEnabled());
    EXPECT_EQ(a(ParancsId::eszt1)->toolTip(), QStringLiteral(" Variáció tesztje "));

    // Against the three draws of the database.
    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(teszt_->isVisible());
    EXPECT_EQ(teszt_->windowTitle(), QStringLiteral(" Variáció tesztje"));
    ASSERT_TRUE(tesztVegeVar());
    EXPECT_TRUE(teszt_->HuzasokLogCB->isChecked());
    EXPECT_EQ(teszt_->TesztFejlec->text(),
              QStringLiteral("%1 számsor tesztje: 1. - 3. húzások számsoraival, 3 számsorral").arg(sorok));
    const QString r = jelentes();
    EXPECT_TRUE(r.contains(QStringLiteral(" Találati arányok elérésének esélyei 5 számra"))) << r.toStdString();
    EXPECT_TRUE(r.contains(QStringLiteral("                     3 db 100,00%"))) << r.toStdString();
    // Each draw counted in the class of its best line.
    std::vector<int> db(6, 0);
    for (int i = 1; i <= 3; ++i)
        ++db[static_cast<std::size_t>(legjobb({1 + i, 10 + i, 20 + i, 30 + i, 40 + i}))];
    for (int h = 0; h <= 5; ++h)
        EXPECT_TRUE(r.contains(QStringLiteral("\n  %1                  %2 db").arg(h).arg(db[static_cast<std::size_t>(h)])))
            << h << r.toStdString();
    EXPECT_EQ(teszt_->Label1->text(), QStringLiteral("Folyamat: 100%"));
    EXPECT_TRUE(teszt_->KilepesGomb->isEnabled());
    EXPECT_FALSE(teszt_->StopGomb->isEnabled());
    // The draw test inserts lines only when every number is selected.
    EXPECT_FALSE(teszt_->BovitesTesztGomb->isEnabled());
    // The other windows wait while the test runs and work again after it.
    EXPECT_TRUE(window_->menuBar()->isEnabled());
    if (const QString p = kepUtvonal("teszt_huzasok.png"); !p.isEmpty())
        teszt_->grab().save(p);

    // Unticking the draws box restarts it as the full test of the selection.
    teszt_->HuzasokLogCB->click();
    ASSERT_TRUE(varj([this] { return teszt_->isVisible(); }));
    ASSERT_TRUE(tesztVegeVar());
    EXPECT_FALSE(teszt_->HuzasokLogCB->isChecked());
    EXPECT_EQ(teszt_->TesztFejlec->text(),
              QStringLiteral("%1 számsor tesztje: 5/7 teljes variációjával, 21 számsorral").arg(sorok));
    EXPECT_TRUE(jelentes().contains(QStringLiteral("                    21 db 100,00%")));
    // Every stored line is hit fully by exactly one test line.
    EXPECT_TRUE(jelentes().contains(QStringLiteral("\n  5              %1 db").arg(sorok, 5)));

    // The lowest class with lines is listed and inserted.
    TesztVezerlo& t = program_.Teszt();
    int osztaly = 0;
    while (osztaly < 5 && t.PeldaDb(osztaly) == 0)
        ++osztaly;
    ASSERT_LT(osztaly, 5);
    const std::int64_t uj = t.PeldaDb(osztaly);
    teszt_->TesztListDbTalalatraUpDown->setValue(osztaly);
    EXPECT_TRUE(jelentes().contains(QStringLiteral("%1 találatos teszt számsorok listája").arg(osztaly)));
    EXPECT_TRUE(jelentes().contains(QStringLiteral("    1.  "))) << jelentes().toStdString();
    ASSERT_TRUE(teszt_->BovitesTesztGomb->isEnabled());
    EXPECT_EQ(teszt_->BovitesTesztGomb->toolTip(),
              QStringLiteral(" %1 találatos teszt számsorok beillesztése a variáció listájába ").arg(osztaly));
    if (const QString p = kepUtvonal("teszt_teljes.png"); !p.isEmpty())
        teszt_->grab().save(p);
    {
        // With two lines or more the range dialog asks which of them.
        Valaszolo v({QStringLiteral("Rendben")});
        teszt_->BovitesTesztGomb->click();
    }
    EXPECT_FALSE(teszt_->isVisible());
    const VariationStore& s = variationStore();
    ASSERT_EQ(s.BontSzelvszam, sorok + uj);
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    // The new lines are lines of the selection the store can hold: no
    // repeated index, no index beyond the selection.
    for (int r = sorok; r < s.BontSzelvszam; ++r) {
        std::set<int> sor(s.sor(r), s.sor(r) + s.BontMatrixSorHossz);
        EXPECT_EQ(sor.size(), 5u);
        EXPECT_LT(*sor.rbegin(), szamListak().KijeloltSzamDb());
    }

    // The variation saves and loads back identical.
    const std::vector<std::uint8_t> elotte(s.FBontasMatrix,
                                           s.FBontasMatrix + static_cast<std::size_t>(s.BontSzelvszam) * 5);
    const QString nev = dir_.filePath(QStringLiteral("teszt.top"));
    ASSERT_TRUE(kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->VariacioMentese(nev));
    {
        Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Igen"), QStringLiteral("OK")});
        ASSERT_TRUE(kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->VariacioBetoltese(nev));
    }
    ASSERT_EQ(s.BontSzelvszam, sorok + uj);
    const std::vector<std::uint8_t> utana(s.FBontasMatrix,
                                          s.FBontasMatrix + static_cast<std::size_t>(s.BontSzelvszam) * 5);
    EXPECT_EQ(utana, elotte);
}

TEST_F(BontTesztTest, StopClosesWithoutAReportAndTheNextTestStartsAnew)
{
    // The full variation of 30 numbers against its own 142,506 test lines.
    variacio({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
              29, 30},
             0);
    // The test holds the run after its first batch of test lines.
    TesztTartas tartas;
    const auto tartott = [this] { return TesztTartas::Tartott() == 1 && program_.Teszt().TesztSzamsorDb() > 0; };
    teszt_->HuzasokLogCB->setChecked(false);
    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(teszt_->isVisible());
    EXPECT_FALSE(teszt_->KilepesGomb->isEnabled());
    EXPECT_FALSE(window_->menuBar()->isEnabled());
    ASSERT_TRUE(varj(tartott));
    teszt_->StopGomb->click();
    ASSERT_TRUE(tesztVegeVar());
    EXPECT_FALSE(teszt_->isVisible());
    EXPECT_TRUE(program_.Teszt().PeldabontasLog().empty());
    EXPECT_LT(program_.Teszt().TesztSzamsorDb(), 142506);
    EXPECT_TRUE(window_->menuBar()->isEnabled());

    // The next Teszt starts a new test, which is stopped by the one-day
    // rule: the clock says the first lines took hours.
    double ora = 1000;
    teszt_->Ora = [&ora] { return ora; };
    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(teszt_->isVisible());
    ASSERT_TRUE(varj(tartott));
    ASSERT_TRUE(program_.Teszt().Fut());
    // Within the first 30 seconds the one-day rule stops nothing.
    ora = 1005;
    teszt_->Timer2Timer();
    EXPECT_TRUE(teszt_->HatralevoIdoLabel->text().startsWith(QStringLiteral("Hátralévő: ")));
    EXPECT_TRUE(program_.Teszt().Fut());
    EXPECT_TRUE(teszt_->isVisible());
    if (const QString p = kepUtvonal("teszt_fut.png"); !p.isEmpty())
        teszt_->grab().save(p);
    ora = 1000 + 200000;
    Valaszolo v({QStringLiteral("OK")});
    teszt_->Timer2Timer();
    ASSERT_TRUE(tesztVegeVar());
    ASSERT_FALSE(v.Latott.isEmpty());
    EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(QStringLiteral("A teszt több mint ")));
    EXPECT_TRUE(v.Latott.front().Szoveg.contains(QStringLiteral("A program leállította a teszt folyamatát.")));
    EXPECT_FALSE(teszt_->isVisible());
    EXPECT_TRUE(program_.Teszt().PeldabontasLog().empty());
}

// A test against the draws tells about the draws of the database in use: a
// switch to another database closes its window and drops its report. The
// full test of the selection does not depend on the draws and stays.
TEST_F(BontTesztTest, DatabaseSwitchDropsATestAgainstTheDraws)
{
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    const QString beepitett = QString::fromStdString(folders().DatKonyvtar + AdatbazisAllomany[0]);
    const QString alternativ = QString::fromStdString(folders().DatKonyvtar + AlternativAllomany[0]);
    ASSERT_TRUE(QFile::copy(beepitett, alternativ));
    kvx::Program::aktualis().AdatbazisParancsai().AlternativAdatbazisAction(true);
    for (const bool huzasok : {true, false}) {
        SCOPED_TRACE(huzasok ? "against the draws" : "full test");
        a(ParancsId::eszt1)->trigger();
        ASSERT_TRUE(teszt_->isVisible());
        ASSERT_TRUE(tesztVegeVar());
        if (teszt_->HuzasokLogCB->isChecked() != huzasok) {
            teszt_->HuzasokLogCB->click();
            ASSERT_TRUE(varj([this] { return teszt_->isVisible(); }));
            ASSERT_TRUE(tesztVegeVar());
        }
        ASSERT_FALSE(program_.Teszt().PeldabontasLog().empty());
        Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Igen")});
        a(adatbazisFajta().AdatbazisTipus ? ParancsId::Betlts1 : ParancsId::Kavarexadatbzis1)->trigger();
        EXPECT_EQ(teszt_->isVisible(), !huzasok);
        EXPECT_EQ(program_.Teszt().PeldabontasLog().empty(), huzasok);
        if (teszt_->isVisible())
            teszt_->KilepesGomb->click();
    }
}

TEST_F(BontTesztTest, TheRunWindowsTesztButtonOpensTheTestAfterTheRun)
{
    for (int x : {5, 15, 25, 35, 45, 55, 65})
        SzamJeloles(szamListak(), game(), mainState(), x, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    feltetelRekordok().Hibapont = 1;
    Valaszolo v(QStringList{});
    a(ParancsId::Start1)->trigger();
    TBontas* b = formok().Bontas;
    ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
    ASSERT_TRUE(b->TesztGomb->isEnabled());
    EXPECT_EQ(b->TesztGomb->toolTip(), QStringLiteral(" Variáció tesztje "));
    b->TesztGomb->click();
    EXPECT_FALSE(b->isVisible());
    ASSERT_TRUE(teszt_->isVisible());
    ASSERT_TRUE(tesztVegeVar());
    EXPECT_TRUE(jelentes().contains(QStringLiteral(" Találati arányok elérésének esélyei 5 számra")));
    // Deleting the variation closes the test window and drops the result.
    teszt_->KilepesGomb->click();
    Valaszolo torles({QStringLiteral("Igen")});
    a(ParancsId::rls2)->trigger();
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
    EXPECT_TRUE(program_.Teszt().PeldabontasLog().empty());
    EXPECT_FALSE(a(ParancsId::eszt1)->isEnabled());
}

// A finished test's report stands in the variation's description, and an
// open information window shows it as soon as the test ends; a test that
// judged the conditions over the selection no longer does once the options
// changed after the run.
TEST_F(BontTesztTest, TheTestsReportReachesTheDescription)
{
    variacio({2, 3, 4, 11, 12, 13, 21}, 1);
    const std::int32_t sorok = variationStore().BontSzelvszam;
    a(ParancsId::InfoGomb)->trigger();
    TInfo* info = formok().Info;
    ASSERT_TRUE(info && info->isVisible());
    const auto leiras = [info] { return info->BontInfo->toPlainText(); };
    ASSERT_FALSE(leiras().contains(QStringLiteral("számsor tesztje")));

    a(ParancsId::eszt1)->trigger();
    ASSERT_TRUE(tesztVegeVar());
    ASSERT_TRUE(info->isVisible());
    const QString fejlec = QStringLiteral("%1 számsor tesztje: 1. - 3. húzások számsoraival, 3 számsorral").arg(sorok);
    EXPECT_TRUE(leiras().contains(fejlec)) << leiras().toStdString();
    // The report follows without its first (empty) line.
    const QString log = QString::fromStdString(program_.Teszt().PeldabontasLog()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList sorai = log.split(QLatin1Char('\n'));
    ASSERT_GE(sorai.size(), 3);
    EXPECT_TRUE(leiras().contains(fejlec + QLatin1Char('\n') + sorai[1])) << leiras().toStdString();
    // A test of the draws is shown after a change of the options too.
    bontasEgyseg().OpcioModosulas = true;
    info->Listazas();
    EXPECT_TRUE(leiras().contains(fejlec));
    // A test that judged the conditions over the selection no longer
    // describes the variation once the options changed.
    TesztVezerlo& t = program_.Teszt();
    t.FeltetelekTeszt = true;
    t.Beallitas.HuzasokTeszt = false;
    info->Listazas();
    EXPECT_FALSE(leiras().contains(fejlec)) << leiras().toStdString();
    bontasEgyseg().OpcioModosulas = false;
    info->Listazas();
    EXPECT_TRUE(leiras().contains(fejlec));
    info->close();
}

}  // namespace
