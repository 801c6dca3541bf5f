// The variation list and the ".top" file the user's way: a variation is
// generated, listed, saved through the save dialog, cleared, and opened
// again with its lines, numbers, conditions and options.
#include "variation/ui/bontlista.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/variation_options.h"
#include "tickets/number_lists.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/ui/bontas.h"
#include "variation/variation_file.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

template <class F>
bool varj(F feltetel, int ms = 120000)
{
    QElapsedTimer t;
    t.start();
    while (!feltetel()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// Types a name into the next file dialog and confirms it.
void dialogusKitoltese(const QString& nev)
{
    auto probal = std::make_shared<std::function<void()>>();
    *probal = [=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d || !d->isVisible())
                continue;
            d->findChild<QLineEdit*>("fileNameEdit")->setText(nev);
            QMetaObject::invokeMethod(d, "accept");
            return;
        }
        QTimer::singleShot(20, *probal);
    };
    QTimer::singleShot(20, *probal);
}

class BontListaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        window_->Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*window_);
        window_->show();
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        settings().AutomatikusNev = false;
        FinalizeFBontasMatrix(variationStore());
        BontasPauseTorlese(bontasEgyseg());
        feltetelRekordok() = FeltetelRekordok{};
        variacioOpcioErtekek() = VariacioOpcioErtekek{};
    }
    void TearDown() override
    {
        if (TBontas* b = formok().Bontas)
            b->BontasMegszakitasa();
        varj([] { return szalak().Tetlen(); }, 60000);
        FinalizeFBontasMatrix(variationStore());
        BontasPauseTorlese(bontasEgyseg());
        feltetelRekordok() = FeltetelRekordok{};
        variacioOpcioErtekek() = VariacioOpcioErtekek{};
        MindenSzamTorlese(szamListak(), game(), mainState());
        settings().JovahagyasVariacio = true;
        window_.reset();
        mainState().Kilepes = false;
    }
    QAction* a(const char* nev) const { return window_->Akcio(QString::fromUtf8(nev)); }

    void general()
    {
        for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        // The main ticket tells the main window about its numbers this way.
        window_->FeltMenuAll(SzamsorTulteli(szamListak(), game()));
        feltetelRekordok().Hibapont = 1;
        Valaszolo v(QStringList{});
        a("Start1")->trigger();
        TBontas* b = formok().Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
};

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
        a("Ments2")->trigger();
    }
    ASSERT_TRUE(QFile::exists(nev));
    EXPECT_TRUE(mainState().Mentve);

    // Clear everything.
    {
        Valaszolo v({QStringLiteral("Igen")});
        a("rls2")->trigger();
    }
    ASSERT_EQ(t.BontSzelvszam, 0);
    MindenSzamTorlese(szamListak(), game(), mainState());
    feltetelRekordok() = FeltetelRekordok{};
    variacioOpcioErtekek() = VariacioOpcioErtekek{};
    bontasEgyseg().BontasIdotartam = 0;

    // Open it again.
    dialogusKitoltese(nev);
    {
        Valaszolo v(QStringList{});
        a("Megnyits1")->trigger();
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
    EXPECT_TRUE(a("Listzs2")->isEnabled());

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
    a("Megnyits1")->trigger();
    ASSERT_FALSE(v.Latott.isEmpty());
    bool latta = false;
    for (const auto& d : v.Latott)
        latta = latta || d.Szoveg.contains(QStringLiteral("Érvénytelen méretű állomány."));
    EXPECT_TRUE(latta);
    EXPECT_EQ(t.BontSzelvszam, db);
    EXPECT_TRUE(std::equal(sorok.begin(), sorok.end(), t.FBontasMatrix));
    EXPECT_EQ(szamListak().KijeloltSzamok, szamok);

    // The list shows the loaded variation when opened again.
    a("Listzs2")->trigger();
    EXPECT_EQ(lista->BontTabla->model()->rowCount(), db);
}

}  // namespace
