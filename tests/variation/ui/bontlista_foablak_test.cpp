// The variation list and the ".top" file the user's way, with the main
// window: a variation is generated, listed, saved through the save dialog,
// cleared, and opened again with its lines, numbers, conditions and
// options; the list beside the tickets of a new game and in the main
// window's place, and the main window's commands that take the lines.
#include "variation/ui/futas_segedek.h"
#include "variation/ui/bontlista.h"
#include "app/ui/program.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/futas_alap.h"

#include "app/game_table.h"
#include "common/delphi_format.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/ismetles.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/variation_options.h"
#include "tickets/number_lists.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/ui/bontas.h"
#include "variation/ui/variacio_vezerlo.h"
#include "conditions/ui/feltetelek.h"
#include "draws/ui/huzszama.h"
#include "variation/ui/bontellszelveny.h"
#include "statistics/ui/statisztika.h"
#include "tickets/ui/bontszelveny.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/list_editing.h"
#include "variation/variation_file.h"
#include "variation/ui/bontlista_alap.h"

#include <QAction>
#include <QScreen>
#include <QApplication>
#include <QHeaderView>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QCheckBox>
#include <QToolButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

using kvx::teszt::futas::varj;

// Types a name into the next file dialog and confirms it.
void dialogusKitoltese(const QString& nev)
{
    kvx::teszt::ismetlesAmigSikerul([=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d || !d->isVisible())
                continue;
            d->findChild<QLineEdit*>("fileNameEdit")->setText(nev);
            QMetaObject::invokeMethod(d, "accept");
            return true;
        }
        return false;
    });
}

class BontListaTest : public kvx::teszt::BontListaAlap<kvx::teszt::FutasAlap> {};

TEST_F(BontListaTest, GenerateListSaveClearOpen)
{
    general();
    VariationStore& t = variationStore();
    const std::int32_t db = t.BontSzelvszam;
    const std::vector<std::uint8_t> sorok(t.FBontasMatrix, t.FBontasMatrix + static_cast<std::size_t>(db) * 5);
    // Conditions and options that must come back with the file.
    FeltetelRekordok& f = feltetelRekordok();
    f.OsszegFeltetel = {1, {}, 60, 300};
    f.FeltetelJelzo = true;
    f.VariacioOpciok.Arany = 4;
    f.VariacioOpciok.Feluliras = 1;
    variacioOpcioErtekek().TulirasBont = true;
    variacioOpcioErtekek().Tuliras = 2;
    bontasEgyseg().BontasIdotartam = 12.345;
    const FeltetelRekordok mentettFeltetelek = f;
    const TTombByte1D szamok = szamListak().KijeloltSzamok;

    // The run window's Lista button opens the list.
    TBontas* bontas = formok().Bontas;
    ASSERT_TRUE(bontas->ListaGomb->isEnabled());
    ASSERT_TRUE(bontas->MentesGomb->isEnabled());
    bontas->ListaGomb->click();
    TBontLista* lista = formok().BontLista;
    ASSERT_TRUE(varj([lista] { return lista->isVisible(); }, 5000));
    EXPECT_EQ(lista->windowTitle(), QStringLiteral(" Variáció listája"));
    QAbstractItemModel* m = lista->BontTabla->model();
    ASSERT_EQ(m->rowCount(), db);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Számsor"));
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("1."));
    // Row 1 shows the selected numbers its indexes point at.
    EXPECT_EQ(m->data(m->index(0, 0)).toString(), QStringLiteral("1."));
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(m->data(m->index(0, j + 1)).toInt(), szamok[sorok[static_cast<std::size_t>(j)]]);
    // Selecting the last line: its report counts every line of the variation.
    lista->HatraGomb->click();
    EXPECT_EQ(lista->KivRekord, db);
    std::int32_t osszes = 0;
    for (std::int32_t x : lista->TalalatEloszlas)
        osszes += x;
    EXPECT_EQ(osszes, db);
    EXPECT_NE(lista->Riport.Szoveg.find(" Variáció listája\r\n"), std::string::npos);
    EXPECT_NE(lista->Riport.Szoveg.find("Ssz:"), std::string::npos);
    EXPECT_EQ(lista->TobbszorosSor, 0);
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        lista->AktSorKijelol(3);
        QApplication::processEvents();
        lista->grab().save(QDir(d).filePath("bontlista.png"));
    }

    // Save through the dialog.
    const QString nev = dir_.filePath("proba.top");
    dialogusKitoltese(nev);
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Ments2)->trigger();
    }
    ASSERT_TRUE(QFile::exists(nev));
    EXPECT_TRUE(mainState().Mentve);

    // Clear everything.
    {
        Valaszolo v({QStringLiteral("Igen")});
        a(ParancsId::rls2)->trigger();
    }
    ASSERT_EQ(t.BontSzelvszam, 0);
    EXPECT_FALSE(formok().BontLista->isVisible());
    MindenSzamTorlese(szamListak(), game(), mainState());
    feltetelRekordok() = FeltetelRekordok{};
    variacioOpcioErtekek() = VariacioOpcioErtekek{};
    bontasEgyseg().BontasIdotartam = 0;

    // Open it again.
    dialogusKitoltese(nev);
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Megnyits1)->trigger();
    }
    ASSERT_EQ(t.BontSzelvszam, db);
    EXPECT_TRUE(std::equal(sorok.begin(), sorok.end(), t.FBontasMatrix));
    EXPECT_EQ(szamListak().KijeloltSzamok, szamok);
    EXPECT_EQ(feltetelRekordok().OsszegFeltetel, mentettFeltetelek.OsszegFeltetel);
    EXPECT_EQ(feltetelRekordok().VariacioOpciok, mentettFeltetelek.VariacioOpciok);
    EXPECT_EQ(feltetelRekordok().Hibapont, 1);
    EXPECT_TRUE(variacioOpcioErtekek().TulirasBont);
    EXPECT_EQ(variacioOpcioErtekek().Tuliras, 2);
    EXPECT_DOUBLE_EQ(bontasEgyseg().BontasIdotartam, 12.345);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{db}));
    EXPECT_TRUE(a(ParancsId::Listzs2)->isEnabled());
    // The opened variation is listed at once.
    EXPECT_TRUE(formok().BontLista->isVisible());
    EXPECT_EQ(formok().BontLista->BontTabla->model()->rowCount(), db);

    // A damaged copy is refused with its message and changes nothing.
    QFile be(nev);
    ASSERT_TRUE(be.open(QIODevice::ReadOnly));
    QByteArray adat = be.readAll();
    be.close();
    const QString rossz = dir_.filePath("rossz.top");
    QFile ki(rossz);
    ASSERT_TRUE(ki.open(QIODevice::WriteOnly));
    ki.write(adat.left(adat.size() - 20));
    ki.close();
    dialogusKitoltese(rossz);
    Valaszolo v({QStringLiteral("OK")});
    a(ParancsId::Megnyits1)->trigger();
    ASSERT_FALSE(v.Latott.isEmpty());
    bool latta = false;
    for (const auto& d : v.Latott)
        latta = latta || d.Szoveg.contains(QStringLiteral("Érvénytelen méretű állomány."));
    EXPECT_TRUE(latta);
    EXPECT_EQ(t.BontSzelvszam, db);
    EXPECT_TRUE(std::equal(sorok.begin(), sorok.end(), t.FBontasMatrix));
    EXPECT_EQ(szamListak().KijeloltSzamok, szamok);

    // The list shows the loaded variation when opened again.
    a(ParancsId::Listzs2)->trigger();
    EXPECT_EQ(lista->BontTabla->model()->rowCount(), db);
}

// The index order from the list's buttons (the main window's commands): a
// sort orders the lines and locks the editing buttons, the earlier order
// brings the lines back, fixing keeps the sorted order for good.
TEST_F(BontListaTest, IndexOrderIsSortedRestoredAndFixedFromTheList)
{
    general();
    // The lines in an order of their own.
    const std::vector<std::string> forditott = forditottSorrend();
    const std::vector<std::string> rendezett(forditott.rbegin(), forditott.rend());
    mainState().Mentve = true;

    a(ParancsId::Listzs2)->trigger();
    TBontLista* lista = formok().BontLista;
    ASSERT_TRUE(lista->isVisible());
    ASSERT_TRUE(lista->RendezesGomb->isEnabled());
    EXPECT_FALSE(lista->EredetiSorrendGomb->isEnabled());
    EXPECT_EQ(lista->EredetiSorrendGomb->toolTip(), QStringLiteral(" Az indexek sorrendje rögzített "));

    // With the optimisation on, its search measures the rewritable lines
    // by the line the sort put first.
    TVariacioOpciok& o = feltetelRekordok().VariacioOpciok;
    o.Optimalizalas = 1;
    o.OptHatarBajt = 99;
    lista->RendezesGomb->click();
    EXPECT_EQ(sorok(), rendezett);
    EXPECT_EQ(o.OptHatarBajt, static_cast<std::uint8_t>(rendezett.front()[0]));
    o.Optimalizalas = 0;
    EXPECT_TRUE(lista->isVisible());
    EXPECT_FALSE(a(ParancsId::Rendezs1)->isEnabled());
    EXPECT_EQ(a(ParancsId::Rendezs1)->toolTip(), QStringLiteral(" A variáció indexei rendezettek "));
    EXPECT_FALSE(lista->RendezesGomb->isEnabled());
    EXPECT_TRUE(lista->EredetiSorrendGomb->isEnabled());
    EXPECT_TRUE(lista->RogzitesGomb->isEnabled());
    EXPECT_FALSE(lista->BontListModositasGomb->isEnabled());
    EXPECT_EQ(lista->BontListModositasGomb->toolTip(),
              QStringLiteral(" Számsor módosítása: a variáció indexeinek rögzített állapota esetén engedélyezett. "));

    lista->EredetiSorrendGomb->click();
    EXPECT_EQ(sorok(), forditott);
    EXPECT_TRUE(a(ParancsId::Rendezs1)->isEnabled());
    EXPECT_FALSE(a(ParancsId::Eredetisorrend1)->isEnabled());
    EXPECT_TRUE(lista->BontListModositasGomb->isEnabled());
    EXPECT_TRUE(mainState().Mentve);

    // A save writes the stored order: the list and the commands follow it.
    lista->RendezesGomb->click();
    dialogusKitoltese(dir_.filePath("rendezett.top"));
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Ments2)->trigger();
    }
    EXPECT_EQ(sorok(), forditott);
    EXPECT_TRUE(a(ParancsId::Rendezs1)->isEnabled());
    EXPECT_FALSE(lista->EredetiSorrendGomb->isEnabled());
    QAbstractItemModel* m = lista->BontTabla->model();
    EXPECT_EQ(m->data(m->index(0, 1)).toInt(),
              szamListak().KijeloltSzamok[static_cast<std::uint8_t>(forditott[0][0])]);

    lista->RendezesGomb->click();
    lista->RogzitesGomb->click();
    EXPECT_EQ(sorok(), rendezett);
    EXPECT_FALSE(a(ParancsId::Eredetisorrend1)->isEnabled());
    EXPECT_TRUE(a(ParancsId::Rendezs1)->isEnabled());
    EXPECT_FALSE(mainState().Mentve);
    // Restoring now has nothing to go back to.
    kvx::Program::aktualis().VariacioParancsai().EredetiSorrend();
    EXPECT_EQ(sorok(), rendezett);
}

// The statistics button counts the lines in their earlier order: a sorted
// variation gets its stored order back first, and the sort commands say so.
TEST_F(BontListaTest, StatisticsButtonRestoresTheEarlierOrderFirst)
{
    general();
    const std::vector<std::string> forditott = forditottSorrend();
    a(ParancsId::Rendezs1)->trigger();
    ASSERT_NE(sorok(), forditott);
    ASSERT_TRUE(a(ParancsId::Eredetisorrend1)->isEnabled());
    TStatisztika* s = formok().Statisztika;
    ASSERT_NE(s, nullptr);
    a(ParancsId::StatisztikaGomb)->trigger();
    EXPECT_EQ(sorok(), forditott);
    EXPECT_FALSE(a(ParancsId::Eredetisorrend1)->isEnabled());
    EXPECT_TRUE(a(ParancsId::Rendezs1)->isEnabled());
    ASSERT_TRUE(varj([s] { return !s->Fut() && szalak().Tetlen(); }));
    EXPECT_TRUE(s->isVisible());
    s->close();
}

// An open conditions window follows the selection: a number marked on the
// main ticket raises the Tételes limit to the new full variation's size.
TEST_F(BontListaTest, OpenConditionsWindowFollowsTheSelectionsLimits)
{
    for (int n : {3, 9, 14, 22, 27, 31})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    a(ParancsId::Listzs1)->trigger();
    TFeltetelek* f = formok().Feltetelek;
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(f->TulirasTetelesEdit->maximum(), 6);  // C(6, 5)
    TSzamPanel* p = szelvenyek().Foszelveny->SzamPanelek[69];
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, p->rect().center());
    ASSERT_EQ(szamListak().KijeloltSzamDb(), 7);
    EXPECT_EQ(f->TulirasTetelesEdit->maximum(), 21);  // C(7, 5)
}

// After a game change the tickets are new and of another size: the list opens
// beside the new main ticket again and its auxiliary ticket beside the list,
// neither covering the other.
TEST_F(BontListaTest, ListIsPlacedAgainBesideTheNewGamesTicket)
{
    general();
    a(ParancsId::Listzs2)->trigger();
    TBontLista* lista = formok().BontLista;
    ASSERT_TRUE(lista->isVisible());
    lista->close();

    window_->LottoSelect(1);
    ASSERT_EQ(game().LottoIndex, 1);
    for (int n = 1; n <= 8; ++n)
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    feltetelRekordok().Hibapont = 1;
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
    }
    ASSERT_GT(variationStore().BontSzelvszam, 0);
    a(ParancsId::Listzs2)->trigger();
    lista->AktSorKijelol(1);
    const QRect fo = szelvenyek().Foszelveny->frameGeometry();
    const QRect l = lista->frameGeometry();
    // Placed afresh for the new ticket: on the screen, over no other window.
    EXPECT_TRUE(lista->screen()->availableGeometry().contains(l));
    TBontSzelveny* s = szelvenyek().BontSzelveny;
    ASSERT_TRUE(s->isVisible());
    EXPECT_FALSE(s->frameGeometry().intersects(l));
    EXPECT_FALSE(l.intersects(fo));
}

// The list is sized for its rows: at first sixteen with the heading row,
// never more than all of them; it keeps the rows the user resized it to, and
// its paging buttons follow RowCount (heading counted) less the rows in sight.
TEST_F(BontListaTest, ListHeightAndPagingFollowTheRowsInSight)
{
    window_->findChild<AblakElhelyezes*>()->SetMunkaTerulet(QRect(0, 0, 1400, 1000));
    window_->setGeometry(0, 0, 1400, 1000);
    for (int n : {3, 9, 14, 22, 27, 31, 40})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    feltetelRekordok().Hibapont = 0;
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Start1)->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
    }
    ASSERT_EQ(variationStore().BontSzelvszam, 21);
    a(ParancsId::Listzs2)->trigger();
    TBontLista* l = formok().BontLista;
    ASSERT_TRUE(l->isVisible());
    const int sorM = l->BontTabla->verticalHeader()->defaultSectionSize();
    const auto lathato = [&] {
        QApplication::processEvents();
        return l->BontTabla->viewport()->height() / sorM;
    };
    EXPECT_EQ(lathato(), 15);

    // RowCount is 22: paging needs at least two rows out of sight.
    struct Eset {
        int sorok;  // draw rows in sight
        bool lapoz;
    };
    for (const Eset& e : {Eset{19, true}, Eset{20, true}, Eset{21, false}}) {
        l->resize(l->width(), l->height() + (e.sorok - lathato()) * sorM);
        ASSERT_EQ(lathato(), e.sorok);
        EXPECT_EQ(l->LathatoSorok, e.sorok + 1);
        l->AktSorKijelol(1);
        EXPECT_EQ(l->HatraGomb->isEnabled(), e.lapoz) << e.sorok;
        EXPECT_EQ(l->HatraLapozGomb->isEnabled(), e.lapoz) << e.sorok;
        EXPECT_FALSE(l->EloreGomb->isEnabled()) << e.sorok;
    }
    // Never taller than all rows.
    l->resize(l->width(), l->height() + 10 * sorM);
    EXPECT_EQ(lathato(), 21);

    // Made lower by the user, it opens again with those rows, also rebuilt.
    l->resize(l->width(), l->height() - 9 * sorM);
    EXPECT_EQ(lathato(), 12);
    l->close();
    l->TablaUjrakezdes();
    l->BontListaStart();
    EXPECT_EQ(lathato(), 12);
    l->AktSorKijelol(1);
    EXPECT_TRUE(l->HatraLapozGomb->isEnabled());
}

// While a run goes, only its window answers: the main ticket refuses clicks
// and the main window's menus are off; both come back at the run's end.
TEST_F(BontListaTest, MainTicketRefusesClicksDuringARun)
{
    for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    Valaszolo v(QStringList{});
    a(ParancsId::Start1)->trigger();
    // The worker hands its end to this thread, so the run is still going
    // here whatever its speed.
    TFoszelveny* fo = szelvenyek().Foszelveny;
    TSzamPanel* otos = fo->SzamPanelek[4];
    EXPECT_FALSE(fo->isEnabled());
    EXPECT_FALSE(window_->menuBar()->isEnabled());
    EXPECT_TRUE(formok().Bontas->isEnabled());
    QTest::mouseClick(otos, Qt::LeftButton, Qt::NoModifier, otos->rect().center());
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 12);

    TBontas* b = formok().Bontas;
    ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
    ASSERT_TRUE(varj([fo] { return fo->isEnabled(); }, 5000));
    EXPECT_TRUE(window_->menuBar()->isEnabled());
    EXPECT_GT(variationStore().BontSzelvszam, 0);
}

// Clearing the numbers through the menu takes the lines with them, as its
// question says.
// A file of lines with a bad row is refused before anything is asked: the
// current variation, its numbers and its list stay. A good file asks about
// the variation first and then takes its place.
TEST_F(BontListaTest, ARefusedImportKeepsTheVariationAndAsksNothing)
{
    general();
    formok().Bontas->ListaGomb->click();
    TBontLista* lista = formok().BontLista;
    ASSERT_TRUE(varj([lista] { return lista->isVisible(); }, 5000));
    const VariationStore& t = variationStore();
    const std::int32_t db = t.BontSzelvszam;
    const std::vector<std::uint8_t> sorok(t.FBontasMatrix, t.FBontasMatrix + static_cast<std::size_t>(db) * 5);
    const TTombByte1D szamok = szamListak().KijeloltSzamok;
    QStringList kerdesek;
    kvx::Program::aktualis().Kerdes = [&kerdesek](const QString& k) { return kerdesek << k, true; };
    const auto fajl = [this](const char* nev, const char* tartalom) {
        QFile f(dir_.filePath(QString::fromUtf8(nev)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tartalom);
        return f.fileName();
    };

    dialogusKitoltese(fajl("rossz.csv", "Számsorok\r\n1;2;3;4;5\r\n6;7;8;9;10;11\r\n"));
    {
        Valaszolo v({QStringLiteral("OK")});
        a(ParancsId::Megnyits1)->trigger();
        // The open dialog, then the refusal alone.
        ASSERT_EQ(v.Latott.size(), 2);
        EXPECT_EQ(v.Latott[0].ObjektumNev, QStringLiteral("OpenDialog1"));
        EXPECT_EQ(v.Latott[1].Cim, QStringLiteral(" Hiba"));
        EXPECT_TRUE(v.Latott[1].Szoveg.startsWith(
            QStringLiteral("A sor több számot tartalmaz, mint egy számsor.\n\n3. sor: „6;7;8;9;10;11”")))
            << v.Latott[1].Szoveg.toStdString();
    }
    EXPECT_TRUE(kerdesek.isEmpty()) << kerdesek.join('|').toStdString();
    ASSERT_EQ(t.BontSzelvszam, db);
    EXPECT_TRUE(std::equal(sorok.begin(), sorok.end(), t.FBontasMatrix));
    EXPECT_EQ(szamListak().KijeloltSzamok, szamok);
    EXPECT_TRUE(lista->isVisible());
    EXPECT_EQ(lista->BontTabla->model()->rowCount(), db);

    // A title line is no line of numbers: it is skipped.
    dialogusKitoltese(fajl("jo.csv", "Számsorok\r\n1;2;3;4;5\r\n6;7;8;9;10\r\n"));
    {
        Valaszolo v(QStringList{});
        a(ParancsId::Megnyits1)->trigger();
    }
    ASSERT_EQ(kerdesek.size(), 1);
    EXPECT_TRUE(kerdesek[0].contains(QStringLiteral("és a variáció listáját?"))) << kerdesek[0].toStdString();
    EXPECT_EQ(t.BontSzelvszam, 2);
    EXPECT_EQ(szamListak().KijeloltSzamok, (TTombByte1D{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(BontListaTest, ClearingTheNumbersTakesTheLinesWithThem)
{
    general();
    QStringList kerdesek;
    kvx::Program::aktualis().Kerdes = [&kerdesek](const QString& k) { return kerdesek << k, true; };
    a(ParancsId::Mind1)->trigger();
    ASSERT_EQ(kerdesek.size(), 1);
    EXPECT_TRUE(kerdesek[0].contains(QStringLiteral("és a variáció listáját?")));
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
    EXPECT_FALSE(a(ParancsId::rls2)->isEnabled());
}

// The main window's conditions items follow the conditions window's buttons;
// "Törlés" with a variation listed asks the variation's question and takes
// the lines with the conditions.
TEST_F(BontListaTest, ConditionsItemsOfTheMainWindowClearConditionsAndLines)
{
    QAction* torles = a(ParancsId::rls1);
    QAction* ellenorzes = a(ParancsId::Ellenrzs2);
    EXPECT_FALSE(torles->isEnabled());
    EXPECT_EQ(torles->toolTip(), QStringLiteral(" Nincs kijelölt feltétel "));
    EXPECT_FALSE(ellenorzes->isEnabled());

    general();
    // A sum condition ticked on the conditions window.
    feltetelRekordok().OsszegFeltetel = {1, {}, 60, 300};
    formok().Feltetelek->SetFeltetelJelzo(true);
    EXPECT_TRUE(torles->isEnabled());
    EXPECT_EQ(torles->toolTip(), QStringLiteral(" Feltételek törlése "));
    EXPECT_TRUE(ellenorzes->isEnabled());
    EXPECT_EQ(ellenorzes->toolTip(), QStringLiteral(" Feltételek ellenőrzése "));

    {
        Valaszolo igen({QStringLiteral("Igen")});
        torles->trigger();
        ASSERT_FALSE(igen.Latott.isEmpty());
        EXPECT_TRUE(igen.Latott[0].Szoveg.contains(QStringLiteral("Biztos törli a feltételeket és a variáció listáját?")));
    }
    EXPECT_FALSE(feltetelRekordok().FeltetelJelzo);
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
    EXPECT_FALSE(torles->isEnabled());
}

// Every command that changes the selection goes through the one rule: with
// lines stored and a condition ticked, Igen takes both, Nem keeps both and
// the order of the numbers.
TEST_F(BontListaTest, EveryCommandThatChangesTheSelectionTakesLinesAndConditionsTogether)
{
    struct Eset {
        kvx::ParancsId parancs;  // Nincs: the game switch
        bool igen;
        bool sorokMaradnak;
    };
    const Eset esetek[] = {
        {ParancsId::Bontsszmai1, true, false}, {ParancsId::Bontsszmai1, false, true}, {ParancsId::Kijellmind1, true, false},
        {ParancsId::Cskken1, true, false},     {ParancsId::Cskken1, false, true},     {ParancsId::Nincs, true, false},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(testing::Message() << e.parancs << (e.igen ? " Igen" : " Nem"));
        if (szamListak().KijeloltSzamDb() > 0)
            MindenSzamTorlese(szamListak(), game(), mainState());
        settings().SzamsorrendMod = 0;
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        general();
        feltetelRekordok().OsszegFeltetel = {1, {}, 60, 300};
        formok().Feltetelek->SetFeltetelJelzo(true);
        const std::int32_t db = variationStore().BontSzelvszam;
        const TTombByte1D szamok = szamListak().KijeloltSzamok;
        kvx::Program::aktualis().Kerdes = [&e](const QString&) { return e.igen; };
        {
            Valaszolo v({e.igen ? QStringLiteral("Igen") : QStringLiteral("Nem")});
            if (e.parancs == ParancsId::Nincs)
                window_->LottoSelect(1);
            else
                a(e.parancs)->trigger();
        }
        EXPECT_EQ(variationStore().BontSzelvszam, e.sorokMaradnak ? db : 0);
        EXPECT_EQ(feltetelRekordok().FeltetelJelzo, e.sorokMaradnak);
        if (e.sorokMaradnak) {
            EXPECT_EQ(szamListak().KijeloltSzamok, szamok);
        }
        if (e.parancs == ParancsId::Nincs)
            window_->LottoSelect(0);
    }
}

}  // namespace
