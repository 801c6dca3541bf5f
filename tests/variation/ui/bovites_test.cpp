// Extension mode the user's way: a variation is generated and switched to
// extension, then the main ticket is marked, cleared and filled again. The
// stored lines are positions in the selection, so the ticket holds the
// extension to the numbers it began with.
#include "app/ui/program.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/ui/futas_alap.h"

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/harom_huzas.h"
#include "app/ui/ismetles.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/ui/allomany_parancsok.h"
#include "variation/store_jobs.h"

#include <QAction>
#include <QToolBar>
#include <QTextEdit>
#include <QDir>
#include <QPushButton>
#include <QAbstractItemModel>
#include <QTableView>
#include <QApplication>
#include <QTimer>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace kvx;
using kvx::teszt::Valaszolo;

// Records the extension mode each time the watched window shows.
class MegjelenesFigyelo : public QObject {
public:
    std::vector<bool> Bovites;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            Bovites.push_back(bontasEgyseg().BontasBovites);
        return QObject::eventFilter(o, e);
    }
};

class BovitesTest : public kvx::teszt::FutasAlap {
protected:
    void SetUp() override
    {
        FutasAlap::SetUp();
        szelvenyek().Uzenet = [this](QWidget*, const QString& t, SzelvenyUzenetFajta) { uzenetek_.push_back(t); };
    }

    // Twelve numbers of 5/90 wheeled with one error point, then extension mode.
    void bovitesben()
    {
        tizenketSzam();
        futtatas();
        a(ParancsId::Beilleszts1)->trigger();
        ASSERT_TRUE(bontasEgyseg().BontasBovites);
        ASSERT_EQ(bontasEgyseg().BovitesKijeloltSzamDb, 12);
    }

    void kattint(int n, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        TSzamPanel* p = szelvenyek().Foszelveny->SzamPanelek[static_cast<std::size_t>(n - 1)];
        QTest::mouseClick(p, Qt::LeftButton, m, p->rect().center());
    }

    std::vector<QString> uzenetek_;
};

// One number too many is reported and takes the conditions command away;
// taking it back makes the lines valid again and lists them; select-all
// fills only the places the lines point to.
TEST_F(BovitesTest, TheTicketKeepsTheExtensionToItsNumbers)
{
    bovitesben();
    const std::int32_t db = variationStore().BontSzelvszam;
    EXPECT_FALSE(a(ParancsId::Kijellmind1)->isEnabled());
    EXPECT_TRUE(a(ParancsId::Listzs1)->isEnabled());

    kattint(1);
    ASSERT_EQ(uzenetek_.size(), 1u);
    EXPECT_EQ(uzenetek_[0], QStringLiteral("1 számmal jelölt ki többet, mint a variáció 12 száma.\r\n\r\nTöröljön 1 számot."));
    EXPECT_FALSE(a(ParancsId::Listzs1)->isEnabled());
    EXPECT_FALSE(a(ParancsId::Kijellmind1)->isEnabled());

    if (TBontLista* l = formok().BontLista)
        l->close();
    kattint(1);
    EXPECT_EQ(uzenetek_.size(), 1u);
    EXPECT_TRUE(a(ParancsId::Listzs1)->isEnabled());
    EXPECT_EQ(variationStore().BontSzelvszam, db);
    EXPECT_TRUE(formok().BontLista->isVisible());

    // One number taken away: select-all puts back one, the lowest free.
    kattint(88);
    EXPECT_TRUE(a(ParancsId::Kijellmind1)->isEnabled());
    a(ParancsId::Kijellmind1)->trigger();
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 12);
    EXPECT_TRUE(KijeloltE(szamListak(), 1));
    EXPECT_FALSE(KijeloltE(szamListak(), 2));
    EXPECT_FALSE(a(ParancsId::Kijellmind1)->isEnabled());
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(variationStore().BontSzelvszam, db);
}

// An extension is described by its lines: "Információk" (and its button)
// stays while the ticket holds other numbers and the conditions command is
// away; once the last line went, the extension with it, it follows the
// conditions command again.
TEST_F(BovitesTest, TheInformationCommandFollowsTheLinesOfAnExtension)
{
    bovitesben();
    QAction* info = a(ParancsId::InfoGomb);
    QWidget* gomb = window_->EszkoztarSav() ? window_->EszkoztarSav()->widgetForAction(info) : nullptr;
    struct Allapot {
        const char* nev;
        bool feltetelek;
        bool be;
        const char* tipp;
    };
    const auto ellenoriz = [&](const Allapot& e) {
        SCOPED_TRACE(e.nev);
        EXPECT_EQ(a(ParancsId::Listzs1)->isEnabled(), e.feltetelek);
        EXPECT_EQ(info->isEnabled(), e.be);
        EXPECT_EQ(info->toolTip(), QString::fromUtf8(e.tipp));
        if (gomb) {
            EXPECT_EQ(gomb->isEnabled(), e.be);
            EXPECT_EQ(gomb->toolTip(), QString::fromUtf8(e.tipp));
        }
    };
    ellenoriz({"the extension's numbers", true, true, " Információk a variációról "});
    kattint(1);
    ellenoriz({"a number more", false, true, " Információk a variációról "});
    info->trigger();
    TInfo* w = formok().Info;
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_FALSE(w->BontInfo->toPlainText().isEmpty());
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty()) {
        QApplication::processEvents();
        w->grab().save(QDir(d).filePath("info_bovites_mas_szamokkal.png"));
    }
    w->close();
    kattint(1);
    ellenoriz({"the numbers back", true, true, " Információk a variációról "});

    Valaszolo v({QStringLiteral("Igen")});
    kvx::Program::aktualis().Variacio().BontSzamsorTartomanyTorles(1, variationStore().BontMatrixMeret, false);
    ASSERT_EQ(variationStore().BontSzelvszam, 0);
    ASSERT_FALSE(bontasEgyseg().BontasBovites);
    kattint(1);
    ellenoriz({"no line left, a number more", true, true, " Információk a variációról "});
    Valaszolo nincs({QStringLiteral("Igen")});
    kvx::Program::aktualis().SzamsorParancsai().Mind1Click();
    ASSERT_EQ(szamListak().KijeloltSzamDb(), 0);
    ellenoriz({"no numbers", false, false, " Nincs kijelölt számsor "});
}

// A new number order in extension mode keeps the lines and lists them with
// the numbers they now stand for.
TEST_F(BovitesTest, ANewNumberOrderListsTheExtendedLinesAgain)
{
    bovitesben();
    const std::int32_t db = variationStore().BontSzelvszam;
    if (TBontLista* l = formok().BontLista)
        l->close();
    a(ParancsId::Cskken1)->trigger();
    EXPECT_EQ(szamListak().KijeloltSzamok.front(), 88);
    EXPECT_EQ(variationStore().BontSzelvszam, db);
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    ASSERT_TRUE(formok().BontLista->isVisible());
    QAbstractItemModel* m = formok().BontLista->BontTabla->model();
    const std::uint8_t* sor = variationStore().sor(0);
    EXPECT_EQ(m->data(m->index(0, 1)).toInt(), szamListak().KijeloltSzamok[sor[0]]);
}

// Conditions switched off while the numbers of an extension change are
// offered back once the ticket holds the extension's numbers again: Igen
// ticks them again and opens the conditions window, Nem leaves them off.
TEST_F(BovitesTest, SwitchedOffConditionsAreOfferedBackWhenTheNumbersReturn)
{
    uzenetBeallitasok().Jovahagyas = true;
    const QString kerdes = QStringLiteral("Letiltott feltételek aktiválása");
    for (const bool igen : {true, false}) {
        SCOPED_TRACE(igen);
        if (szamListak().KijeloltSzamDb() > 0)
            kvx::Program::aktualis().SzamsorParancsai().MindenSzamTorlese();
        bovitesben();
        FeltetelRekordok& f = feltetelRekordok();
        f.OsszegFeltetel = {1, {}, 10, 400};
        f.FeltetelJelzo = true;
        if (TBontLista* l = formok().BontLista)
            l->close();
        {
            Valaszolo v({QStringLiteral("Igen")});
            kattint(88);
            ASSERT_FALSE(v.Latott.isEmpty());
            EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(QStringLiteral("Variáció számsorának módosítása")));
        }
        ASSERT_TRUE(f.LetiltottFeltetelek);
        EXPECT_EQ(f.OsszegFeltetel.Allapot, 0);
        {
            Valaszolo v({igen ? QStringLiteral("Igen") : QStringLiteral("Nem")});
            kattint(88);
            ASSERT_EQ(v.Latott.size(), 1);
            EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(kerdes));
        }
        EXPECT_EQ(f.LetiltottFeltetelek, !igen);
        EXPECT_EQ(f.OsszegFeltetel.Allapot, igen ? 1 : 0);
        EXPECT_EQ(formok().Feltetelek->isVisible(), igen);
        formok().Feltetelek->close();
    }
}

// "Minden szám" keeps the extension and its lines for the numbers to come
// back to; a command that needs an empty ticket ends it with its lines.
TEST_F(BovitesTest, ClearingTheTicketKeepsOrEndsTheExtensionByWhoAsks)
{
    bovitesben();
    const std::int32_t db = variationStore().BontSzelvszam;
    a(ParancsId::Mind1)->trigger();
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(variationStore().BontMatrixMeret, db);
    EXPECT_TRUE(a(ParancsId::Kijellmind1)->isEnabled());

    a(ParancsId::Kijellmind1)->trigger();
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 12);
    EXPECT_TRUE(a(ParancsId::Listzs1)->isEnabled());

    kvx::Program::aktualis().SzamsorParancsai().MindenSzamTorlese();
    EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);
    EXPECT_FALSE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(variationStore().BontMatrixMeret, 0);
}

// What an agreed clear takes along goes before the numbers, in its order:
// the user's clear drops the lines, then the conditions set for the old
// selection; a clear for an empty ticket ends the extension first, or its
// lines would stay for the numbers to come back to.
TEST_F(BovitesTest, AnAgreedClearTakesTheLinesAndConditionsAlongInOrder)
{
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    std::vector<std::string> lepesek;
    QObject::connect(&v, &VariacioVezerlo::feltetelekTorolve, window_.get(), [&lepesek] {
        lepesek.push_back("feltetelek, sorok " + std::to_string(variationStore().BontMatrixMeret));
    });
    QObject::connect(&v, &VariacioVezerlo::bovitesValtozott, window_.get(), [&lepesek] {
        lepesek.push_back(std::string(bontasEgyseg().BontasBovites ? "bovites" : "bovites vege") + ", sorok " +
                          std::to_string(variationStore().BontMatrixMeret));
    });
    {
        SCOPED_TRACE("the user's clear");
        tizenketSzam();
        futtatas();
        FeltetelRekordok& f = feltetelRekordok();
        f.OsszegFeltetel = {1, {}, 10, 400};
        f.FeltetelJelzo = true;
        lepesek.clear();
        a(ParancsId::Mind1)->trigger();
        EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);
        EXPECT_EQ(variationStore().BontMatrixMeret, 0);
        EXPECT_FALSE(f.FeltetelJelzo);
        EXPECT_EQ(f.OsszegFeltetel.Allapot, 0);
        EXPECT_EQ(lepesek, (std::vector<std::string>{"feltetelek, sorok 0"}));
    }
    {
        SCOPED_TRACE("a clear for an empty ticket");
        bovitesben();
        const std::int32_t db = variationStore().BontMatrixMeret;
        ASSERT_GT(db, 0);
        lepesek.clear();
        kvx::Program::aktualis().SzamsorParancsai().MindenSzamTorlese();
        EXPECT_EQ(szamListak().KijeloltSzamDb(), 0);
        EXPECT_FALSE(bontasEgyseg().BontasBovites);
        EXPECT_EQ(variationStore().BontMatrixMeret, 0);
        EXPECT_EQ(lepesek, (std::vector<std::string>{"bovites vege, sorok " + std::to_string(db)}));
    }
}

// A loaded variation comes back in the state it can go on from: saved in
// extension mode, or stopped, it is an extension of its lines with the
// loaded numbers' counts; a finished one is not.
TEST_F(BovitesTest, ALoadedVariationResumesAsAnExtensionWhenItWasOne)
{
    struct Eset {
        const char* nev;
        bool bovites;
        bool leallitott;
        bool vart;
    };
    const Eset esetek[] = {
        {"saved in extension mode", true, false, true},
        {"stopped run", false, true, true},
        {"finished run", false, false, false},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        if (szamListak().KijeloltSzamDb() > 0)
            kvx::Program::aktualis().SzamsorParancsai().MindenSzamTorlese();
        bovitesben();
        if (!e.bovites)
            a(ParancsId::Beilleszts1)->trigger();
        ASSERT_EQ(bontasEgyseg().BontasBovites, e.bovites);
        bontasEgyseg().Vezerles.FBontStatus.store(!e.leallitott);
        const std::int32_t db = variationStore().BontSzelvszam;
        const QString nev = dir_.filePath(QStringLiteral("bov.top"));
        ASSERT_TRUE(kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->VariacioMentese(nev));
        kvx::Program::aktualis().SzamsorParancsai().MindenSzamTorlese();
        ASSERT_EQ(variationStore().BontMatrixMeret, 0);
        bontasEgyseg().Vezerles.FBontStatus.store(true);

        ASSERT_TRUE(kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->VariacioBetoltese(nev));
        EXPECT_EQ(variationStore().BontSzelvszam, db);
        EXPECT_EQ(bontasEgyseg().BontasBovites, e.vart);
        EXPECT_EQ(bontasEgyseg().BovitesKijeloltSzamDb, e.vart ? 12 : 0);
        // In extension mode a number beyond the loaded ones is reported, not undone.
        uzenetek_.clear();
        if (e.vart) {
            kattint(1);
            EXPECT_TRUE(KijeloltE(szamListak(), 1));
            ASSERT_EQ(uzenetek_.size(), 1u);
            EXPECT_TRUE(uzenetek_[0].startsWith(QStringLiteral("1 számmal jelölt ki többet")));
            kattint(1);
        }
    }
}

// Opening the conditions for a stopped variation makes it an extension: the
// conditions then apply to the lines still to come.
TEST_F(BovitesTest, OpeningTheConditionsOfAStoppedVariationBeginsAnExtension)
{
    bovitesben();
    a(ParancsId::Beilleszts1)->trigger();
    ASSERT_FALSE(bontasEgyseg().BontasBovites);
    if (formok().Feltetelek)
        formok().Feltetelek->hide();
    a(ParancsId::Listzs1)->trigger();
    EXPECT_FALSE(bontasEgyseg().BontasBovites);
    formok().Feltetelek->hide();
    bontasEgyseg().Vezerles.FBontStatus.store(false);
    a(ParancsId::Listzs1)->trigger();
    EXPECT_TRUE(bontasEgyseg().BontasBovites);
    EXPECT_EQ(bontasEgyseg().BovitesKijeloltSzamDb, 12);
}

// The conditions window shows a stopped variation already as an extension
// (it reads the mode as it opens), whether the user's command opens it or
// the variation's own rule does while the command is off.
TEST_F(BovitesTest, TheConditionsWindowOpensOnlyOnceAStoppedVariationIsAnExtension)
{
    bovitesben();
    a(ParancsId::Beilleszts1)->trigger();
    ASSERT_FALSE(bontasEgyseg().BontasBovites);
    TFeltetelek* f = formok().Feltetelek;
    ASSERT_NE(f, nullptr);
    MegjelenesFigyelo figyelo;
    f->installEventFilter(&figyelo);
    struct Eset {
        const char* nev;
        std::function<void()> megnyitas;
    };
    const Eset esetek[] = {
        {"the conditions command", [this] { a(ParancsId::Listzs1)->trigger(); }},
        {"the variation's rule with the command off",
         [this] {
             a(ParancsId::Listzs1)->setEnabled(false);
             program_.VariacioParancsai().FeltetelekMegnyitasa();
         }},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        if (bontasEgyseg().BontasBovites)
            a(ParancsId::Beilleszts1)->trigger();
        ASSERT_FALSE(bontasEgyseg().BontasBovites);
        f->hide();
        bontasEgyseg().Vezerles.FBontStatus.store(false);
        figyelo.Bovites.clear();
        e.megnyitas();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(figyelo.Bovites, std::vector<bool>{true});
    }
}

// More lines than a file takes are refused before a file name is asked for.
TEST_F(BovitesTest, SavingMoreThanAMillionLinesIsRefusedBeforeTheDialog)
{
    for (int n : {3, 9, 14, 22, 27, 31, 40})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    VariationStore& t = variationStore();
    ASSERT_TRUE(SetBontasMatrix(t, 1000001, 5, nullptr));
    t.BontSzelvszam = 1000001;
    bool dialogus = false;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&dialogus] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                dialogus = true;
                d->reject();
            }
    });
    figyelo.start(20);
    Valaszolo v({QStringLiteral("OK")});
    kvx::Program::aktualis().VariacioParancsai().Mentes();
    EXPECT_FALSE(dialogus);
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QStringLiteral("Több mint 1 millió számsor mentését kezdeményezte.")));
    FinalizeFBontasMatrix(t);
}

// The same with a database of three draws.
class BovitesAdatbazisTest : public BovitesTest {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kvx::teszt::haromHuzasAdatbazis(dir_.path()).empty());
        BovitesTest::SetUp();
        ASSERT_TRUE(draws().AdatbazisBetoltve);
    }
};

// A variation whose hit-ratio ranges reach beyond this database is loaded
// only when the user agrees, and then counts as edited.
TEST_F(BovitesAdatbazisTest, AVariationOfAnotherDatabaseLoadsAsEdited)
{
    Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK")});
    bovitesben();
    a(ParancsId::Beilleszts1)->trigger();
    if (formok().Feltetelek)
        formok().Feltetelek->hide();
    FeltetelRekordok& f = feltetelRekordok();
    f.TalalatiAranyFeltetel.Allapot = 1;
    f.TalalatiAranyFeltetel.DbTartomany = 1;
    f.TalalatiAranyFeltetel.ElsoHuzas[0] = 1;
    f.TalalatiAranyFeltetel.UtolsoHuzas[0] = 40;
    formok().Feltetelek->SetFeltetelJelzo(true);
    ASSERT_TRUE(f.TalArAktiv);
    ASSERT_FALSE(bontasEgyseg().SzerkesztettVariacio);
    const QString nev = dir_.filePath(QStringLiteral("masik.top"));
    ASSERT_TRUE(kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->VariacioMentese(nev));
    kvx::Program::aktualis().SzamsorParancsai().MindenSzamTorlese();

    QStringList kerdesek;
    kvx::Program::aktualis().Kerdes = [&kerdesek](const QString& k) {
        kerdesek << k;
        return true;
    };
    // What the main window tells the dialogs before it opens one.
    kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->Allapot.AdatbazisBetoltve = true;
    kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->Allapot.HuzasokSzama = draws().HuzasokSzama;
    ASSERT_TRUE(kvx::Program::aktualis().AllomanyParancsai().Dialogusok()->VariacioBetoltese(nev));
    ASSERT_FALSE(kerdesek.isEmpty());
    EXPECT_TRUE(kerdesek.back().startsWith(QStringLiteral("A beolvasott állomány egy másik adatbázisra hivatkozik.")));
    EXPECT_GT(variationStore().BontSzelvszam, 0);
    EXPECT_TRUE(bontasEgyseg().SzerkesztettVariacio);
    EXPECT_EQ(f.TalalatiAranyFeltetel.UtolsoHuzas[0], 3);
}

using KijelolesTest = BovitesTest;

// The error-point limit is worked out from the line's numbers: a fixed number
// marked while the conditions window is open lowers it there and then.
TEST_F(KijelolesTest, TheErrorPointLimitFollowsTheSelectionInAnOpenConditionsWindow)
{
    for (int n : {3, 9, 14, 22, 27, 31, 40})
        SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    a(ParancsId::Listzs1)->trigger();
    TFeltetelek* f = formok().Feltetelek;
    ASSERT_TRUE(f->isVisible());
    EXPECT_GT(f->HibapontBeEdit->maximum(), 3);
    kattint(50, Qt::ShiftModifier);
    ASSERT_EQ(szamListak().FixSzamDb(), 1);
    EXPECT_EQ(f->HibapontBeEdit->maximum(), 3);
}

}  // namespace
