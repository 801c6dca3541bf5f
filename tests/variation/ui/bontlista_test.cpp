// The variation list on the variation's windows without the main window:
// lines added, replaced and deleted from the list, the index order while a
// sort runs, the extensions' buttons, the auxiliary ticket, the overwrite
// boundary, and the list following the variation's deletion and a new run.
#include "variation/ui/futas_segedek.h"
#include "variation/ui/bontlista.h"
#include "app/ui/program.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_ablakok.h"
#include "variation/ui/bontlista_alap.h"

#include "app/game_table.h"
#include "common/delphi_format.h"
#include "app/main_state.h"
#include "app/settings.h"
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
#include "tickets/ui/bontszelveny.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/list_editing.h"
#include "variation/variation_file.h"

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

class BontListaTest : public kvx::teszt::BontListaAlap<kvx::teszt::FutasAblakokAlap> {
protected:
    // Fills the next range dialog with first..last and confirms it.
    void tartomanyKitoltese(int elso, int utolso)
    {
        kvx::teszt::ismetlesAmigSikerul([=, this] {
            THuzSzama* h = ablakok_->HuzSzama;
            if (!h || !h->isVisible())
                return false;
            h->ElsoHuzBe->setText(QString::number(elso));
            h->UtolsoHuzBe->setText(QString::number(utolso));
            h->RendbenGomb->click();
            return true;
        });
    }
};

// Notes how the list stands when the wait window appears: its worker waits
// for that moment, so this is how the list stands while the job runs.
class VarakozasFigyelo : public QObject {
public:
    VarakozasFigyelo(QWidget* varakozoAblak, TBontLista* lista) : lista_(lista)
    {
        varakozoAblak->installEventFilter(this);
    }
    int Megjelenesek = 0;
    bool ListaLathato = false;
    int ListaSorai = -1;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            ++Megjelenesek;
            ListaLathato = lista_->isVisible();
            ListaSorai = lista_->BontTabla->model()->rowCount();
        }
        return false;
    }

private:
    TBontLista* lista_;
};

std::vector<std::uint8_t> sorBajtjai(int r)
{
    const VariationStore& t = variationStore();
    return {t.sor(r), t.sor(r) + t.BontMatrixSorHossz};
}

void jelol(TBontEllSzelveny* s, int n) { emit s->SzamPanelek[static_cast<std::size_t>(n - 1)]->Kattintas(s->SzamPanelek[static_cast<std::size_t>(n - 1)]); }

TEST_F(BontListaTest, AddReplaceAndDeleteLinesFromTheList)
{
    general();
    VariationStore& t = variationStore();
    const std::int32_t db = t.BontSzelvszam;
    ASSERT_GE(db, 8);
    const TTombByte1D szamok = szamListak().KijeloltSzamok;
    a(ParancsId::Listzs2)->trigger();
    TBontLista* lista = ablakok_->BontLista;
    ASSERT_TRUE(lista->isVisible());
    ASSERT_TRUE(lista->BontListBovitesGomb->isEnabled());
    EXPECT_EQ(lista->BontListBovitesGomb->toolTip(), QStringLiteral(" Számsor hozzáadása a variáció listájához "));
    ASSERT_TRUE(lista->BontListModositasGomb->isEnabled());
    ASSERT_TRUE(lista->BontSzamsorokTorleseGomb->isEnabled());
    TBontEllSzelveny* s = szelvenyek().BontEllSzelveny;
    ASSERT_NE(s, nullptr);

    // Adding a line: only the selected numbers can be marked, and no more
    // than a line holds; the fifth mark makes the button "Beillesztés".
    lista->BontListBovitesGomb->click();
    ASSERT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), QStringLiteral(" Számsor beolvasás"));
    int kivul = 1;
    while (std::find(szamok.begin(), szamok.end(), kivul) != szamok.end())
        ++kivul;
    jelol(s, kivul);
    EXPECT_TRUE(s->Jelolesek.Jeloltek.empty());
    for (int i : {4, 0, 2, 7})
        jelol(s, szamok[static_cast<std::size_t>(i)]);
    EXPECT_EQ(s->TorlesGomb->text(), QStringLiteral("Törlés"));
    jelol(s, szamok[9]);
    EXPECT_EQ(s->TorlesGomb->text(), QStringLiteral("Beillesztés"));
    EXPECT_EQ(s->TorlesGomb->toolTip(), QStringLiteral(" Számsor hozzáadása a variáció listájához "));
    jelol(s, szamok[10]);  // a sixth number is refused
    EXPECT_EQ(s->Jelolesek.Jeloltek.size(), 5u);
    EXPECT_TRUE(s->InfoCimke->text().contains(QStringLiteral("Ssz:")));
    s->TorlesGomb->click();
    ASSERT_EQ(t.BontSzelvszam, db + 1);
    EXPECT_EQ(sorBajtjai(db), (std::vector<std::uint8_t>{0, 2, 4, 7, 9}));
    EXPECT_EQ(t.Import_Count, (TTombInt1D{db, db + 1}));
    EXPECT_TRUE(bontasEgyseg().SzerkesztettVariacio);
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_FALSE(mainState().Mentve);
    EXPECT_TRUE(lista->isVisible());
    EXPECT_EQ(lista->KivRekord, db + 1);
    EXPECT_EQ(lista->BontTabla->model()->rowCount(), db + 1);
    // The insert mode goes on for the next line.
    EXPECT_TRUE(s->isVisible());
    EXPECT_TRUE(s->Jelolesek.Jeloltek.empty());
    s->KilepesGomb->click();
    EXPECT_FALSE(s->isVisible());

    // Replacing line 2: the ticket reads the line, one number is swapped.
    lista->AktSorKijelol(2);
    const std::vector<std::uint8_t> regi = sorBajtjai(1);
    const std::vector<std::uint8_t> harmadik = sorBajtjai(2);
    lista->BontListModositasGomb->click();
    ASSERT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), QStringLiteral(" 2. számsor módosítása"));
    EXPECT_EQ(s->TorlesGomb->text(), QStringLiteral("Beillesztés"));
    EXPECT_EQ(s->TorlesGomb->toolTip(), QStringLiteral(" Módosított számsor beillesztése "));
    jelol(s, szamok[regi[0]]);
    EXPECT_EQ(s->TorlesGomb->text(), QStringLiteral("Kijelölés"));
    std::uint8_t uj = 0;
    while (std::find(regi.begin(), regi.end(), uj) != regi.end())
        ++uj;
    jelol(s, szamok[uj]);
    std::vector<std::uint8_t> vart(regi.begin() + 1, regi.end());
    vart.push_back(uj);
    std::sort(vart.begin(), vart.end());
    s->TorlesGomb->click();
    EXPECT_EQ(sorBajtjai(1), vart);
    EXPECT_EQ(sorBajtjai(2), harmadik);
    EXPECT_EQ(t.BontSzelvszam, db + 1);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{db, db + 1}));
    EXPECT_EQ(lista->KivRekord, 2);
    EXPECT_FALSE(s->isVisible());

    // Deleting lines 3..5 through the range dialog: rows move up, the
    // boundaries follow.
    const std::vector<std::uint8_t> hatodik = sorBajtjai(5);
    tartomanyKitoltese(3, 5);
    {
        Valaszolo v({QStringLiteral("Igen")});
        lista->BontSzamsorokTorleseGomb->click();
        bool kerdezte = false;
        for (const auto& d : v.Latott)
            kerdezte = kerdezte || d.Szoveg.contains(QStringLiteral("Biztos törli a kijelölt számsor(oka)t?"));
        EXPECT_TRUE(kerdezte);
    }
    ASSERT_EQ(t.BontSzelvszam, db - 2);
    EXPECT_EQ(sorBajtjai(2), hatodik);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{db - 3, db - 2}));
    EXPECT_EQ(lista->BontTabla->model()->rowCount(), db - 2);
    EXPECT_EQ(lista->KivRekord, 3);

    // At the full variation the add button is inert, and a line entered
    // anyway is refused with the message.
    t.ABSZ = t.BontSzelvszam;
    lista->SzerkesztoGombokBeallitasa();
    EXPECT_FALSE(lista->BontListBovitesGomb->isEnabled());
    EXPECT_EQ(lista->BontListBovitesGomb->toolTip(),
              QStringLiteral(" A variáció számsorainak mennyisége elérte a teljes variáció méretét "));
    program_.Variacio().BontSzamsorHozzaadasStart();
    for (int i : {1, 3, 5, 6, 8})
        jelol(s, szamok[static_cast<std::size_t>(i)]);
    {
        Valaszolo v({QStringLiteral("OK")});
        s->TorlesGomb->click();
        bool latta = false;
        for (const auto& d : v.Latott)
            latta = latta || d.Szoveg.contains(QStringLiteral("Nem bővíthető a variáció listája."));
        EXPECT_TRUE(latta);
    }
    EXPECT_EQ(t.BontSzelvszam, db - 2);
}

// The sort moves every row of the store on the wait window's worker: the
// list has closed and let go of the lines before the worker starts, and
// shows the sorted lines with the same row selected once it has ended. A
// sort that cannot run (another worker is busy) brings the list back as it
// stood.
TEST_F(BontListaTest, ListLetsGoOfTheLinesWhileTheSortRunsAndShowsThemSortedAfter)
{
    general();
    const std::vector<std::string> forditott = forditottSorrend();
    const std::vector<std::string> rendezett(forditott.rbegin(), forditott.rend());
    const TTombByte1D& szamok = szamListak().KijeloltSzamok;
    const auto elsoSzam = [&szamok](const std::string& sor) {
        return static_cast<int>(szamok[static_cast<std::uint8_t>(sor[0])]);
    };
    a(ParancsId::Listzs2)->trigger();
    TBontLista* lista = ablakok_->BontLista;
    ASSERT_TRUE(lista->isVisible());
    lista->AktSorKijelol(3);
    ASSERT_EQ(lista->GetKivRekord(), 3);
    QAbstractItemModel* m = lista->BontTabla->model();
    const int n = static_cast<int>(forditott.size());

    VarakozasFigyelo figyelo(ablakok_->UzenetAblak.data(), lista);
    lista->RendezesGomb->click();
    ASSERT_EQ(figyelo.Megjelenesek, 1);
    EXPECT_FALSE(figyelo.ListaLathato);
    EXPECT_EQ(figyelo.ListaSorai, 0);
    EXPECT_EQ(sorok(), rendezett);
    EXPECT_TRUE(lista->isVisible());
    ASSERT_EQ(m->rowCount(), n);
    EXPECT_EQ(m->data(m->index(0, 1)).toInt(), elsoSzam(rendezett.front()));
    EXPECT_EQ(m->data(m->index(n - 1, 1)).toInt(), elsoSzam(rendezett.back()));
    EXPECT_EQ(lista->GetKivRekord(), 3);

    lista->EredetiSorrendGomb->click();
    ASSERT_EQ(sorok(), forditott);
    std::atomic<bool> enged{false};
    const auto foglalt = szalak().Indit([&enged](std::stop_token st) {
        while (!enged.load() && !st.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    lista->RendezesGomb->click();
    EXPECT_TRUE(varj([lista] { return lista->isVisible(); }, 10000));
    enged.store(true);
    szalak().Bevar(foglalt);
    EXPECT_EQ(figyelo.Megjelenesek, 1);
    EXPECT_EQ(sorok(), forditott);
    ASSERT_EQ(m->rowCount(), n);
    EXPECT_EQ(m->data(m->index(0, 1)).toInt(), elsoSzam(forditott.front()));
    EXPECT_EQ(lista->GetKivRekord(), 3);
}

// The extension commands from the list's buttons: the last extension goes
// after its question, the others are merged into the base.
TEST_F(BontListaTest, ExtensionsAreDeletedAndMergedFromTheList)
{
    uzenetBeallitasok().Jovahagyas = true;
    general();
    VariationStore& t = variationStore();
    const std::int32_t db = t.BontSzelvszam;
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    const std::uint8_t egy[] = {0, 1, 2, 3, 4};
    ASSERT_TRUE(v.BontSzamsorTesztHozzaadas(egy, 1));
    const std::uint8_t ketto[] = {0, 1, 2, 3, 5, 0, 1, 2, 3, 6};
    ASSERT_TRUE(v.BontSzamsorTesztHozzaadas(ketto, 2));
    ASSERT_EQ(t.Import_Count.size(), 3u);
    ASSERT_TRUE(bontasEgyseg().BontasBovites);

    a(ParancsId::Listzs2)->trigger();
    TBontLista* lista = ablakok_->BontLista;
    ASSERT_TRUE(lista->isVisible());
    ASSERT_TRUE(lista->BovitmenyTorlesGomb->isEnabled());
    EXPECT_EQ(lista->BovitmenyTorlesGomb->toolTip(),
              QStringLiteral(" 2. bővítmény törlése \r\n - Első számsor: %1. \r\n - Utolsó számsor: %2. ")
                  .arg(db + 2)
                  .arg(db + 3));
    ASSERT_TRUE(lista->BovitmenyEgyesitesGomb->isEnabled());
    EXPECT_EQ(lista->BovitmenyEgyesitesGomb->toolTip(), QStringLiteral(" 2 bővítmény egyesítése a variáció törzsével "));
    EXPECT_EQ(lista->TorlesGomb->toolTip(), QStringLiteral(" Variáció törlése "));
    {
        Valaszolo k({QStringLiteral("Igen")});
        lista->BovitmenyTorlesGomb->click();
        ASSERT_EQ(k.Latott.size(), 1);
        EXPECT_TRUE(k.Latott.front().Szoveg.startsWith(QStringLiteral("A bővítmény törlése nem visszavonható.")));
    }
    EXPECT_EQ(t.BontSzelvszam, db + 1);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{db, db + 1}));
    EXPECT_TRUE(bontasEgyseg().SzerkesztettVariacio);

    a(ParancsId::Listzs2)->trigger();
    ASSERT_TRUE(lista->BovitmenyEgyesitesGomb->isEnabled());
    {
        Valaszolo k({QStringLiteral("Igen")});
        lista->BovitmenyEgyesitesGomb->click();
        ASSERT_EQ(k.Latott.size(), 1);
    }
    EXPECT_EQ(t.BontSzelvszam, db + 1);
    EXPECT_EQ(t.Import_Count, (TTombInt1D{db + 1}));
    EXPECT_FALSE(a(ParancsId::Bvtmnytrlse1)->isEnabled());
    EXPECT_EQ(a(ParancsId::Bvtmnytrlse1)->toolTip(), QStringLiteral(" Nincs visszavonható bővítmény "));
    EXPECT_FALSE(a(ParancsId::BovitmenyBeilleszt)->isEnabled());
}

TEST_F(BontListaTest, AuxiliaryTicketShowsTheSelectedLineAndItsFacts)
{
    general();
    VariationStore& t = variationStore();
    a(ParancsId::Listzs2)->trigger();
    TBontLista* lista = ablakok_->BontLista;
    lista->AktSorKijelol(2);
    TBontSzelveny* s = szelvenyek().BontSzelveny;
    ASSERT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), QStringLiteral(" Variáció 2. számsora"));
    // Exactly the line's numbers are marked.
    const TTombByte1D& szamok = szamListak().KijeloltSzamok;
    std::vector<int> vart, jelolt;
    for (std::int32_t j = 0; j < t.BontMatrixSorHossz; ++j)
        vart.push_back(szamok[t.sor(1)[j]]);
    std::sort(vart.begin(), vart.end());
    for (std::size_t i = 0; i < s->Jelolesek().size(); ++i)
        if (s->Jelolesek()[i] != SegedJeloles::Nincs)
            jelolt.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ(jelolt, vart);
    EXPECT_TRUE(s->SzamPanelek[static_cast<std::size_t>(vart[0] - 1)]->Szin.Vastag);
    // The report ends with the line's facts.
    const QString info = s->InfoCimke->text();
    EXPECT_TRUE(info.contains(QStringLiteral("Ssz:")));
    EXPECT_TRUE(info.contains(QStringLiteral("Összeg:")));
    int osszeg = 0;
    for (int x : vart)
        osszeg += x;
    EXPECT_TRUE(info.contains(QString::fromStdString(" Összeg:" + Format("%4.0u", {osszeg}))));
}

TEST_F(BontListaTest, ShiftCtrlDoubleClickSetsTheOverwriteBoundary)
{
    general();
    VariationStore& t = variationStore();
    a(ParancsId::Listzs2)->trigger();
    TBontLista* lista = ablakok_->BontLista;
    lista->AktSorKijelol(3);
    TVariacioOpciok& o = feltetelRekordok().VariacioOpciok;
    // Without optimisation and Felülírás nothing changes.
    mainState().BillentyuMod = 200;
    lista->BontTablaDblClick();
    EXPECT_EQ(o.VedettSzamsorDb(), 0);
    o.Optimalizalas = 1;
    o.Feluliras = 1;
    mainState().BillentyuMod = 0;
    lista->BontTablaDblClick();
    EXPECT_EQ(o.VedettSzamsorDb(), 0);
    mainState().BillentyuMod = 200;
    lista->BontTablaDblClick();
    EXPECT_EQ(o.VedettSzamsorDb(), 3);
    EXPECT_EQ(o.OptHatarBajt, t.sor(3)[0]);
    EXPECT_EQ(mainState().BillentyuMod, 0);
    // On the last line the byte beside it is 0.
    lista->HatraGomb->click();
    mainState().BillentyuMod = 200;
    lista->BontTablaDblClick();
    EXPECT_EQ(o.VedettSzamsorDb(), t.BontSzelvszam);
    EXPECT_EQ(o.OptHatarBajt, 0);
}

// The windows stay in step with the variation: a click on the main ticket
// with a variation listed asks first; "Nem" keeps numbers and lines, "Igen"
// deletes the lines and closes the list that showed them.
TEST_F(BontListaTest, ClickOnTheMainTicketAsksBeforeTheVariationGoes)
{
    general();
    ablakok_->Bontas->ListaGomb->click();
    TBontLista* lista = ablakok_->BontLista;
    ASSERT_TRUE(varj([lista] { return lista->isVisible(); }, 5000));
    const std::int32_t db = variationStore().BontSzelvszam;
    const TTombByte1D szamok = szamListak().KijeloltSzamok;
    TSzamPanel* otos = szelvenyek().Foszelveny->SzamPanelek[4];
    ASSERT_EQ(std::count(szamok.begin(), szamok.end(), 5), 0);

    {
        Valaszolo nem({QStringLiteral("Nem")});
        QTest::mouseClick(otos, Qt::LeftButton, Qt::NoModifier, otos->rect().center());
        ASSERT_EQ(nem.Latott.size(), 1);
        EXPECT_TRUE(nem.Latott[0].Szoveg.contains(QStringLiteral("Biztos törli a variáció listáját?")));
    }
    EXPECT_EQ(szamListak().KijeloltSzamok, szamok);
    EXPECT_EQ(variationStore().BontSzelvszam, db);
    EXPECT_TRUE(lista->isVisible());

    {
        Valaszolo igen({QStringLiteral("Igen")});
        QTest::mouseClick(otos, Qt::LeftButton, Qt::NoModifier, otos->rect().center());
        ASSERT_EQ(igen.Latott.size(), 1);
    }
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
    EXPECT_FALSE(lista->isVisible());
    EXPECT_FALSE(szelvenyek().BontSzelveny->isVisible());
    EXPECT_EQ(std::count(szamListak().KijeloltSzamok.begin(), szamListak().KijeloltSzamok.end(), 5), 1);
    EXPECT_FALSE(a(ParancsId::rls2)->isEnabled());

    // Without a variation the next click asks nothing.
    {
        Valaszolo semmi({});
        QTest::mouseClick(otos, Qt::LeftButton, Qt::NoModifier, otos->rect().center());
        EXPECT_TRUE(semmi.Latott.isEmpty());
    }
    EXPECT_EQ(std::count(szamListak().KijeloltSzamok.begin(), szamListak().KijeloltSzamok.end(), 5), 0);
}

// Variáció › Törlés deletes the lines and closes the list showing them.
TEST_F(BontListaTest, DeletingTheVariationClosesItsList)
{
    general();
    ablakok_->Bontas->ListaGomb->click();
    TBontLista* lista = ablakok_->BontLista;
    ASSERT_TRUE(varj([lista] { return lista->isVisible(); }, 5000));
    ASSERT_TRUE(a(ParancsId::rls2)->isEnabled());
    {
        Valaszolo igen({QStringLiteral("Igen")});
        a(ParancsId::rls2)->trigger();
        ASSERT_EQ(igen.Latott.size(), 1);
        EXPECT_TRUE(igen.Latott[0].Szoveg.contains(QStringLiteral("Biztos törli a variáció listáját?")));
    }
    EXPECT_EQ(variationStore().BontSzelvszam, 0);
    EXPECT_EQ(variationStore().BontMatrixMeret, 0);
    EXPECT_FALSE(lista->isVisible());
    EXPECT_FALSE(ablakok_->Bontas->isVisible());
    EXPECT_FALSE(a(ParancsId::rls2)->isEnabled());
    EXPECT_FALSE(a(ParancsId::Listzs2)->isEnabled());
    // The numbers stay: only the lines went.
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 12);
}

// An extension run grows the store the list reads: the list closes before
// the worker starts.
TEST_F(BontListaTest, ListClosesWhenARunStarts)
{
    general();
    ablakok_->Bontas->ListaGomb->click();
    TBontLista* lista = ablakok_->BontLista;
    ASSERT_TRUE(varj([lista] { return lista->isVisible(); }, 5000));
    a(ParancsId::Beilleszts1)->trigger();
    ASSERT_TRUE(a(ParancsId::Start1)->isEnabled());
    Valaszolo v(QStringList{});
    a(ParancsId::Start1)->trigger();
    EXPECT_FALSE(lista->isVisible());
    TBontas* b = ablakok_->Bontas;
    ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
}

}  // namespace
