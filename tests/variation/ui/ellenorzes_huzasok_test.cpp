// The check of a variation against the draws, with the main window and a
// database of three draws: the bonus mark of a number after a game change,
// a draw checked against the variation, a list line searched among the
// draws, and the draw search button following the database.
#include "variation/ui/ellenorzes_alap.h"
#include "variation/ui/foablak_ablakok.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/futas_segedek.h"
#include "app/ui/program.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "app/ui/uzenetablak.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/ismetles.h"
#include "app/ui/harom_huzas.h"
#include "draws/ui/keres_panel.h"
#include "draws/ui/huzlista.h"
#include "app/ui/valaszolo.h"
#include "app/ui/varakozas_figyelo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"
#include "tickets/ticket_layout.h"
#include "variation/ui/bontellszelveny.h"
#include "tickets/ui/huzkeresszelveny.h"
#include "draws/hit_search.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/variacio_vezerlo.h"


#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

class EllenorzesTest : public kvx::teszt::EllenorzesAlap<kvx::teszt::FoablakAblakok, true> {
protected:
    void SetUp() override
    {
        EllenorzesAlap::SetUp();
        window_ = ablakok_->Foablak.get();
    }
    TFoablak* window_ = nullptr;
};

// A game with bonus numbers: in the check mode the fixed numbers are
// underlined, and a bonus mark on a number that no line holds gets the
// bonus colour lifted by RGB(130, 60, 20), channel by channel.
TEST_F(EllenorzesTest, BonusMarkOfANumberInNoLineAndUnderlinedFixedNumbers)
{
    window_->JatekValtas(1, false);
    ASSERT_TRUE(game().VanPotSzam);
    for (int n : {3, 9, 14, 22, 27, 31, 40})
        SzamJeloles(szamListak(), game(), mainState(), n, ModKijelolt, false);
    SzamJeloles(szamListak(), game(), mainState(), 44, ModFix, false);
    futtatas(1);
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    // Number 40 (the seventh selected) as if no line held it.
    VariationStore& t = variationStore();
    ASSERT_GE(t.BontSzamGyakorisag.size(), 7u);
    t.BontSzamGyakorisag[6] = 0;
    window_->Akcio(ParancsId::Ellenrzs1)->trigger();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    const SzelvenySor& look = sz->Look();
    const auto szin = [](std::int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); };
    const auto panel = [sz](int n) { return sz->SzamPanelek[static_cast<std::size_t>(n - 1)]; };
    EXPECT_TRUE(panel(44)->font().underline());
    EXPECT_FALSE(panel(3)->font().underline());
    // Shift marks bonus numbers; the one slot is freed again by a click.
    kattint(40, Qt::ShiftModifier);
    ASSERT_TRUE(sz->Jelolesek.PotJelolt(40));
    EXPECT_EQ(panel(40)->palette().color(QPalette::WindowText),
              szin(SzinOsszeg(look[SzeletPluszBetu], 130 | (60 << 8) | (20 << 16))));
    kattint(40, Qt::ShiftModifier);
    ASSERT_FALSE(sz->Jelolesek.PotJelolt(40));
    // A bonus mark on a number the lines hold keeps the plain bonus colour.
    kattint(3, Qt::ShiftModifier);
    ASSERT_TRUE(sz->Jelolesek.PotJelolt(3));
    EXPECT_EQ(panel(3)->palette().color(QPalette::WindowText), szin(look[SzeletPluszBetu]));
    // The insert mode underlines nothing.
    window_->Akcio(ParancsId::Ellenrzs1)->trigger();
    sz->ModBeallitas(1);
    EXPECT_FALSE(panel(44)->font().underline());
}

// The variation's commands in the two lists take the state and the hint of
// the main items they stand for: the draws list's search in the variation,
// the variation list's Mentés and Ellenőrzés.
TEST_F(EllenorzesTest, ListsTakeTheHintsOfTheVariationCommands)
{
    window_->Akcio(ParancsId::Listzs3)->trigger();
    THuzLista* huzasok = formok().HuzLista;
    ASSERT_TRUE(huzasok->isVisible());
    EXPECT_FALSE(huzasok->KeresVariaciobanGomb->isEnabled());
    EXPECT_EQ(huzasok->KeresVariaciobanGomb->toolTip(), QStringLiteral(" Nincs kész variáció "));
    general();
    window_->Akcio(ParancsId::Listzs2)->trigger();
    TBontLista* lista = formok().BontLista;
    ASSERT_TRUE(lista->isVisible());
    struct Eset {
        bool pelda;
        const char* ellenorzes;
    };
    for (const Eset& e : {Eset{false, " Variáció ellenőrzése "}, Eset{true, " Példabontás ellenőrzése "}}) {
        SCOPED_TRACE(e.ellenorzes);
        bontasEgyseg().Peldabontas = e.pelda;
        kvx::Program::aktualis().Variacio().Ertesites();
        const struct {
            QWidget* w;
            QString tipp;
        } gombok[] = {
            {huzasok->ToolBar1->widgetForAction(huzasok->KeresVariaciobanGomb),
             QStringLiteral(" Kijelölt számsor keresése a variáció listájában ")},
            {lista->MentesGomb, QStringLiteral(" Variáció, export állományok mentése ")},
            {lista->EllenorzesGomb, QString::fromUtf8(e.ellenorzes)},
        };
        for (const auto& g : gombok) {
            ASSERT_NE(g.w, nullptr);
            EXPECT_TRUE(g.w->isEnabled()) << g.tipp.toStdString();
            EXPECT_EQ(g.w->toolTip(), g.tipp);
        }
        EXPECT_EQ(lista->EllenorzesGomb->toolTip(), window_->Akcio(ParancsId::Ellenrzs1)->toolTip());
        EXPECT_EQ(lista->MentesGomb->toolTip(), window_->Akcio(ParancsId::Ments2)->toolTip());
        if (e.pelda)
            continue;
        for (const auto& [w, nev] : {std::pair<QWidget*, const char*>{lista, "bontlista_tippek.png"},
                                     std::pair<QWidget*, const char*>{huzasok, "huzlista_tippek.png"}})
            if (const QString p = kvx::teszt::kepUtvonal(nev); !p.isEmpty())
                w->grab().save(p);
    }
    bontasEgyseg().Peldabontas = false;
}

TEST_F(EllenorzesTest, DrawIsCheckedAgainstTheVariation)
{
    window_->Akcio(ParancsId::Listzs3)->trigger();
    THuzLista* huzasok = formok().HuzLista;
    ASSERT_TRUE(huzasok->isVisible());
    EXPECT_FALSE(huzasok->KeresVariaciobanGomb->isEnabled());
    general();
    ASSERT_TRUE(huzasok->KeresVariaciobanGomb->isEnabled());
    huzasok->EloreGombClick();
    huzasok->KeresVariaciobanGomb->trigger();
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Keres: húzások 1. számsora"));
    // Draw 1 is 2, 11, 21, 31, 41: only 31 is among the variation's numbers.
    EXPECT_EQ(sz->Jelolesek.Jeloltek, (TTombByte1D{2, 11, 21, 31, 41}));
    const int sorok = variationStore().BontSzelvszam;
    int db = 0;
    for (int r = 0; r < sorok; ++r)
        db += talalat(r, {31}) == 1;
    EXPECT_TRUE(sz->InfoCimke->text().contains(QStringLiteral("   1 találat:%1").arg(db, 8)));
}

// The list's search button puts the selected line on the draw-search
// ticket: the draws list opens at the first draw of the best class.
TEST_F(EllenorzesTest, ListLineIsSearchedAmongTheDraws)
{
    general();
    window_->Akcio(ParancsId::Listzs2)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    ASSERT_TRUE(window_->Akcio(ParancsId::Listzs3)->isEnabled());
    EXPECT_TRUE(lista()->KeresesGomb->isVisible());
    // A line holding 31 (draw 1) or 3 or 22 (draw 2) of the draws'
    // numbers 2, 11, 21, 31, 41 / 3, 12, 22, 32, 42 / 4, 13, 23, 33, 43.
    const VariationStore& t = variationStore();
    const std::vector<std::vector<int>> huzasok{{2, 11, 21, 31, 41}, {3, 12, 22, 32, 42}, {4, 13, 23, 33, 43}};
    int sor = 0, legjobb = 0, elsoHuzas = 0;
    for (int r = 0; r < t.BontSzelvszam && legjobb == 0; ++r)
        for (int h = 0; h < 3; ++h)
            if (const int db = talalat(r, huzasok[static_cast<std::size_t>(h)]); db > legjobb) {
                legjobb = db;
                sor = r + 1;
                elsoHuzas = h + 1;
            }
    ASSERT_GT(legjobb, 0);
    for (int h = 0; h < 3; ++h)
        if (talalat(sor - 1, huzasok[static_cast<std::size_t>(h)]) == legjobb) {
            elsoHuzas = h + 1;
            break;
        }
    lista()->AktSorKijelol(sor);
    lista()->KeresesGomb->click();
    THuzKeresSzelveny* ker = szelvenyek().HuzKeresSzelveny;
    ASSERT_TRUE(ker && ker->isVisible());
    EXPECT_EQ(ker->windowTitle(), QStringLiteral(" Variáció %1. számsora").arg(sor));
    TTombByte1D szamok;
    for (int k = 0; k < t.BontMatrixSorHossz; ++k)
        szamok.push_back(szamListak().KijeloltSzamok[t.sor(sor - 1)[k]]);
    std::sort(szamok.begin(), szamok.end());
    TTombByte1D jelolt = ker->Jelolesek.Jeloltek;
    std::sort(jelolt.begin(), jelolt.end());
    EXPECT_EQ(jelolt, szamok);
    THuzLista* huzasLista = formok().HuzLista;
    ASSERT_TRUE(huzasLista->isVisible());
    ASSERT_TRUE(huzasLista->KeresPanel->isVisible());
    EXPECT_EQ(huzasLista->KeresPanel->KeresBox->currentText(), QStringLiteral("%1 találat").arg(legjobb));
    EXPECT_EQ(huzLista().KivRekord, elsoHuzas);
}

// The list offers the search among the draws only while the draws can be
// listed: the button follows the draws list command both ways.
TEST_F(EllenorzesTest, TheDrawSearchButtonFollowsWhetherTheDrawsCanBeListed)
{
    general();
    window_->Akcio(ParancsId::Listzs2)->trigger();
    ASSERT_TRUE(lista()->isVisible());
    ASSERT_TRUE(window_->Akcio(ParancsId::Listzs3)->isEnabled());
    EXPECT_TRUE(lista()->KeresesGomb->isVisible());
    kvx::Program::aktualis().AdatbazisParancsai().NincsAdatbazisAction();
    ASSERT_FALSE(window_->Akcio(ParancsId::Listzs3)->isEnabled());
    // The tool bar lays its buttons out when the events are handled.
    QApplication::processEvents();
    EXPECT_FALSE(lista()->KeresesGomb->isVisible());
    kvx::Program::aktualis().AdatbazisParancsai().VanAdatbazisAction();
    ASSERT_TRUE(window_->Akcio(ParancsId::Listzs3)->isEnabled());
    QApplication::processEvents();
    EXPECT_TRUE(lista()->KeresesGomb->isVisible());
}

// A sorted variation is put back into its earlier order before a draw is
// checked against it: the hits count the lines as the list numbers them.
TEST_F(EllenorzesTest, ADrawIsCheckedAgainstTheLinesInTheirEarlierOrder)
{
    general();
    const VariationStore& t = variationStore();
    const std::size_t bajt = static_cast<std::size_t>(t.BontSzelvszam) * static_cast<std::size_t>(t.BontMatrixSorHossz);
    const std::vector<std::uint8_t> eredeti(t.FBontasMatrix, t.FBontasMatrix + bajt);
    window_->Akcio(ParancsId::Listzs2)->trigger();
    window_->Akcio(ParancsId::Rendezs1)->trigger();
    ASSERT_NE(std::vector<std::uint8_t>(t.FBontasMatrix, t.FBontasMatrix + bajt), eredeti);
    ASSERT_TRUE(window_->Akcio(ParancsId::Eredetisorrend1)->isEnabled());
    window_->Akcio(ParancsId::Listzs3)->trigger();
    THuzLista* huzasok = formok().HuzLista;
    ASSERT_TRUE(huzasok->isVisible());
    huzasok->EloreGombClick();
    huzasok->KeresVariaciobanGomb->trigger();
    EXPECT_EQ(std::vector<std::uint8_t>(t.FBontasMatrix, t.FBontasMatrix + bajt), eredeti);
    EXPECT_FALSE(window_->Akcio(ParancsId::Eredetisorrend1)->isEnabled());
    TBontEllSzelveny* sz = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(sz->isVisible());
    EXPECT_EQ(sz->windowTitle(), QStringLiteral(" Keres: húzások 1. számsora"));
    // The search walks the lines holding 31 in the restored order.
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->KeresBox->currentText(), QStringLiteral("1 találat"));
    int elso = 0;
    while (elso < t.BontSzelvszam && talalat(elso, {31}) != 1)
        ++elso;
    EXPECT_EQ(lista()->KivRekord, elso + 1);
}

}  // namespace
