// The main window's commands, the program's windows after start-up, the
// modifier mode, the status bar and the close query, on the offscreen platform.
#include "conditions/variation_options.h"
#include "app/ui/program.h"
#include "app/ui/variacio_statusz.h"
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/messages.h"
#include "conditions/hit_ratio_conditions.h"
#include "app/ui/ablak_elhelyezes.h"
#include "shell/foablak.h"
#include "app/ui/beallitasok.h"
#include "shell/formok.h"
#include "app/ui/internetletoltesablak.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "draws/ui/velszam.h"
#include "printing/ui/nyomtopc.h"
#include "statistics/ui/statisztika.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontteszt.h"
#include "tickets/number_lists.h"
#include "variation/ui/filedialogs.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/allomany_parancsok.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "tickets/ui/szelveny_vezerlo.h"

#include <QCheckBox>
#include <QLabel>
#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

class ShellTest : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        kvx::Program::aktualis().Kerdes = [this](const QString& q) {
            kerdesek_.push_back(q);
            return valasz_;
        };
        FormokLetrehozasa(*window_);
    }
    QAction* a(kvx::ParancsId nev) { return window_->Akcio(nev); }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    QStringList kerdesek_;
    bool valasz_ = true;
};

TEST_F(ShellTest, MenuCaptionsShortcutsAndStatesOfTheFirstGame)
{
    // A disabled command's hint says why; "" means not built yet.
    struct Sor { kvx::ParancsId nev; const char* felirat; const char* gyors; bool enabled; const char* miert = ""; };
    const Sor sorok[] = {
        {kvx::ParancsId::Kilps1, "Kilépés", "", true},
        {kvx::ParancsId::BELLTSOK1, "Beállítások", "", true},
        {kvx::ParancsId::Kijellmind1, "Kijelölés mind", "Ctrl+M", true},
        {kvx::ParancsId::Vletlenszmok1, "Véletlen számok", "Ctrl+W", true},
        {kvx::ParancsId::Vltozatlan1, "Változatlan", "", true},
        {kvx::ParancsId::Nvekv1, "Növekvő", "", true},
        // The empty ticket has nothing to clear.
        {kvx::ParancsId::rls3, "Törlés", "", false, " Nincs kijelölt számsor "},
        {kvx::ParancsId::Mind1, "Minden szám", "", false, " Nincs kijelölt számsor "},
        {kvx::ParancsId::Bontsszmai1, "Variáció számai", "", false, " Nincs kijelölt szám "},
        {kvx::ParancsId::Fixszmok1, "Fix számok", "", false, " Nincs kijelölve fix szám "},
        {kvx::ParancsId::llandszmok1, "Állandó számok", "", false, " Nincs kijelölve állandó szám "},
        {kvx::ParancsId::Vletlenszmok2, "Véletlen számok", "", false, " Nincs kijelölve véletlen szám "},
        {kvx::ParancsId::Megnyits1, "Megnyitás", "", true},
        {kvx::ParancsId::Mentsmsknt1, "Mentés másként", "", false, " Nincs mentésre váró adat "},
        {kvx::ParancsId::Ments3, "Mentés", "", false, " Nincs mentésre váró adat "},
        {kvx::ParancsId::Normlalak1, "Normál alak", "Ctrl+N", true},
        {kvx::ParancsId::Szmoksorrenje1, "Számok sorrendje", "Ctrl+S", true},
        {kvx::ParancsId::Listzs1, "Kijelölés", "Ctrl+F", false, " Nincs kijelölt számsor "},
        {kvx::ParancsId::Start1, "Start", "", false, " Nincs kijelölt számsor "},
        {kvx::ParancsId::makrk1, "Témakörök", "F1", false, " Hiányzik a Súgó állománya "},
        {kvx::ParancsId::Nvjegy1, "Névjegy", "", true},
        {kvx::ParancsId::Hzsokalapjn1, "Húzások alapján", "", false, " Hiányzik a húzások listája "},
        {kvx::ParancsId::Sajtszmokkal1, "Saját számokkal", "", false,
         " Példabontás (variáció) készítése saját számok alapján \n Jelöljön ki az üres Főszelvényen 5 állandó számot. "},
        {kvx::ParancsId::Hzsokszma1, "Húzások száma", "Ctrl+H", false, " Hiányzik a húzások listája "},
        {kvx::ParancsId::Hzsokszma2, "Húzások száma", "Ctrl+Alt+H", false, " Hiányzik a húzások listája "},
        {kvx::ParancsId::jverzikeresse1, "Új verzió keresése", "", true},
        {kvx::ParancsId::StatisztikaGomb, "Statisztika", "", true},
    };
    for (const Sor& s : sorok) {
        QAction* act = a(s.nev);
        ASSERT_NE(act, nullptr) << s.nev;
        EXPECT_EQ(act->text(), QString::fromUtf8(s.felirat)) << s.nev;
        EXPECT_EQ(act->shortcut(), QKeySequence(QString::fromUtf8(s.gyors))) << s.nev;
        EXPECT_EQ(act->isEnabled(), s.enabled) << s.nev;
        if (!s.enabled) {
            const QString miert = *s.miert ? QString::fromUtf8(s.miert) : QStringLiteral("Ez a funkció még nem érhető el.");
            EXPECT_EQ(act->statusTip(), miert) << s.nev;
        }
    }
    // Without a database the draws list cannot open, and its hint says why.
    EXPECT_FALSE(a(kvx::ParancsId::Listzs3)->isEnabled());
    EXPECT_EQ(a(kvx::ParancsId::Listzs3)->statusTip(), QStringLiteral(" Hiányzik a húzások listája "));
    QStringList menuk;
    for (QAction* m : window_->menuBar()->actions())
        menuk << m->text();
    EXPECT_EQ(menuk, (QStringList{"Fájl", "Játék", "Számsor", "Főszelvény", "Feltételek", "Variáció", "Adatbázis",
                                  "Példabontás", "Internet", "Súgó"}));
    EXPECT_TRUE(a(kvx::ParancsId::Vltozatlan1)->isChecked());
}

TEST_F(ShellTest, SixteenWindowsExistWithTheirCaptions)
{
    const Formok& f = formok();
    struct Sor { QWidget* w; const char* cim; };
    const Sor sorok[] = {
        {f.InternetLetoltesAblak, " Internetkapcsolat"}, {f.Feltetelek, " Feltételek kijelölése"},
        {f.HuzLista, " Húzások listája"},                {f.BontLista, " Variáció listája"},
        {f.Bontas, " Variáció készítése"},              {f.HuzSzama, "  Húzások száma"},
        {f.VelSzam, " Véletlen számok"},                {f.Beallitasok, " Program beállítások"},
        {f.Info, " Információk a variációról"},         {f.NyomtOpc, " Szelvények kitöltése nyomtatóval"},
        {f.BontTeszt, " Variáció tesztje"},
    };
    for (const Sor& s : sorok) {
        ASSERT_NE(s.w, nullptr);
        EXPECT_EQ(s.w->windowTitle(), QString::fromUtf8(s.cim));
        EXPECT_FALSE(s.w->isVisible());
    }
    EXPECT_NE(f.HuzBe, nullptr);
    EXPECT_NE(f.Statisztika, nullptr);
    EXPECT_EQ(f.Foablak, window_.get());
}

// Texts the windows and messages show, spelt as their words are; the
// newer-version message names the menu that holds the item.
TEST_F(ShellTest, TextsSpellTheirWords)
{
    const Formok& f = formok();
    const auto szovegek = [](const QWidget* w) {
        QStringList t;
        for (const QLabel* l : w->findChildren<QLabel*>())
            t << l->text() << l->toolTip();
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            t << b->text() << b->toolTip();
        return t;
    };
    const struct {
        QWidget* w;
        const char* szoveg;
    } sorok[] = {
        {f.Feltetelek, "   lehet egy számsor terjedelme."},
        {f.Feltetelek, " Csak több számcsoport ismétlődhet egy számsorban."},
        {f.Feltetelek, " Csak több számvégződés ismétlődhet egy számsorban."},
        {f.Feltetelek, " Csak több számjegy ismétlődhet egy számsorban."},
        {f.Bontas, "Találati arány"},
    };
    for (const auto& s : sorok)
        EXPECT_TRUE(szovegek(s.w).contains(QString::fromUtf8(s.szoveg))) << s.szoveg;
    const std::string uj = kvx::ujabbVerzioAllomanySzoveg("1.0.0.0", "9.0.0.0");
    EXPECT_TRUE(uj.ends_with("Kattintson az Internet - Új verzió keresése menüpontra")) << uj;
    QMenu* internet = nullptr;
    for (QAction* m : window_->menuBar()->actions())
        if (m->menu() && m->text().remove(QLatin1Char('&')) == QStringLiteral("Internet"))
            internet = m->menu();
    ASSERT_NE(internet, nullptr);
    const QList<QAction*> pontok = internet->actions();
    EXPECT_TRUE(std::any_of(pontok.begin(), pontok.end(),
                            [](const QAction* a) { return a->text() == QStringLiteral("Új verzió keresése"); }))
        << [&] { std::string r; for (QAction* a : pontok) r += a->text().toStdString() + "|"; return r; }();
    EXPECT_NE(std::string(kvx::kTalArKeresettTipp).find("csak a keresett találati arány értelmezett."),
              std::string::npos);
    // No window of the program shows the misspelt forms.
    for (QWidget* w : QApplication::topLevelWidgets())
        for (const QString& t : szovegek(w))
            for (const char* rossz : {"Találalti", "ismédlőd", "talalálat", "feltététel", "számszor"})
                EXPECT_FALSE(t.contains(QString::fromUtf8(rossz))) << w->objectName().toStdString() << ": "
                                                                    << t.toStdString();
}

TEST_F(ShellTest, GameSwitchRebuildsTheTicketsAndLoadsTheDatabaseInOrder)
{
    QStringList lepesek;
    QObject::connect(window_.get(), &TFoablak::jatekValtasLepes, window_.get(), [&](JatekValtasLepes l) {
        switch (l) {
        case JatekValtasLepes::SzelvenyekLebontasa:
            lepesek << "lebont";
            break;
        case JatekValtasLepes::SzelvenyekEpitese:
            lepesek << "letrehoz " + QString::number(kvx::game().LottoIndex);
            break;
        case JatekValtasLepes::AdatbazisBetoltese:
            lepesek << QString::fromStdString(
                           kvx::folders().AktualisAdatbazis[static_cast<std::size_t>(kvx::game().LottoIndex)])
                           .section('/', -1);
            break;
        }
    });
    formok().HuzLista->show();
    QAction* hatos = nullptr;
    for (QAction* m : window_->JatekMenu()->actions())
        if (!m->menu() && m->text() == QStringLiteral("Magyar 6/45"))
            hatos = m;
    ASSERT_NE(hatos, nullptr);
    hatos->trigger();
    EXPECT_EQ(kvx::game().LottoIndex, 1);
    EXPECT_EQ(kvx::game().SzamsorHossz, 6);
    EXPECT_TRUE(hatos->isChecked());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Kavarex Personal  -  Magyar 6/45"));
    EXPECT_EQ(lepesek, (QStringList{"lebont", "letrehoz 1", QString::fromUtf8(kvx::AdatbazisAllomany[1])}));
    // The steps ran, not only their announcements: the main ticket stands for the new game.
    EXPECT_NE(szelvenyek().Foszelveny, nullptr);
    EXPECT_FALSE(formok().HuzLista->isVisible());
}

// The commands follow a change of the main ticket's line before the windows
// (here: a listener connected once every window exists) hear of it.
TEST_F(ShellTest, TheCommandsFollowTheLineBeforeTheWindowsHearOfIt)
{
    struct Latott {
        bool tulteli, jelentett, feltetelek;
    };
    std::vector<Latott> latott;
    QObject::connect(&kvx::Program::aktualis().Szelveny(), &SzelvenyVezerlo::szamokValtoztak, window_.get(),
                     [&](bool tulteli) {
                         latott.push_back({tulteli, kvx::Program::aktualis().SzamsorParancsai().Tulteli(), a(kvx::ParancsId::Listzs1)->isEnabled()});
                     });
    a(kvx::ParancsId::Kijellmind1)->trigger();
    a(kvx::ParancsId::Mind1)->trigger();
    ASSERT_EQ(latott.size(), 2u);
    EXPECT_TRUE(latott[0].tulteli);
    EXPECT_FALSE(latott[1].tulteli);
    for (const Latott& l : latott) {
        EXPECT_EQ(l.jelentett, l.tulteli);
        EXPECT_EQ(l.feltetelek, l.tulteli);
    }
}

TEST_F(ShellTest, GameSwitchRefusedKeepsGameAndNumbers)
{
    a(kvx::ParancsId::Kijellmind1)->trigger();
    EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 90);
    EXPECT_FALSE(a(kvx::ParancsId::Kijellmind1)->isEnabled());
    valasz_ = false;
    window_->LottoSelect(30);
    EXPECT_EQ(kerdesek_.size(), 1);
    EXPECT_EQ(kvx::game().LottoIndex, 0);
    EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 90);
    // The menu mark stays on the game in use.
    bool jelolt = false;
    for (QAction* m : window_->JatekMenu()->actions())
        if (!m->menu() && m->data().isValid() && m->data().toInt() == 0)
            jelolt = m->isChecked();
    EXPECT_TRUE(jelolt);
}

TEST_F(ShellTest, ModifierModeFromHeldKeysPerGame)
{
    struct Sor { int jatek; Qt::KeyboardModifiers mods; int mod; };
    const Sor sorok[] = {
        {0, Qt::ShiftModifier | Qt::AltModifier, 0},
        {1, Qt::ShiftModifier | Qt::AltModifier, 350},
        {0, Qt::ShiftModifier, 50},
        {0, Qt::ControlModifier, 100},
        {0, Qt::ShiftModifier | Qt::ControlModifier, 200},
        {0, Qt::AltModifier, 300},
        {1, Qt::ControlModifier | Qt::AltModifier, 0},
    };
    for (const Sor& s : sorok) {
        window_->LottoSelect(s.jatek);
        QKeyEvent le(QEvent::KeyPress, Qt::Key_F, s.mods);
        QApplication::sendEvent(window_.get(), &le);
        EXPECT_EQ(window_->GetBillentyuMod(), s.mod) << s.jatek << " " << int(s.mods);
        QKeyEvent fel(QEvent::KeyRelease, Qt::Key_F, s.mods);
        QApplication::sendEvent(window_.get(), &fel);
        EXPECT_EQ(window_->GetBillentyuMod(), 0);
    }
    window_->SetBillentyuMod(100);
    window_->GombStatusTorles();
    EXPECT_EQ(window_->GetBillentyuMod(), 0);
}

TEST_F(ShellTest, NumberOrderAndClearingCommands)
{
    kvx::SzamListak& l = kvx::szamListak();
    for (int n : {30, 5, 17})
        kvx::SzamKattintas(l, kvx::game(), kvx::mainState(), n, 0);
    a(kvx::ParancsId::Nvekv1)->trigger();
    EXPECT_EQ(l.KijeloltSzamok, (kvx::TTombByte1D{5, 17, 30}));
    EXPECT_EQ(kvx::settings().SzamsorrendMod, 1);
    a(kvx::ParancsId::Cskken1)->trigger();
    EXPECT_EQ(l.KijeloltSzamok, (kvx::TTombByte1D{30, 17, 5}));
    EXPECT_TRUE(a(kvx::ParancsId::Cskken1)->isChecked());
    EXPECT_FALSE(a(kvx::ParancsId::Nvekv1)->isChecked());

    valasz_ = false;
    a(kvx::ParancsId::Bontsszmai1)->trigger();
    ASSERT_EQ(kerdesek_.size(), 1);
    EXPECT_EQ(kerdesek_[0], QStringLiteral("Biztos törli a kijelölt számokat?"));
    EXPECT_EQ(l.KijeloltSzamDb(), 3);
    valasz_ = true;
    a(kvx::ParancsId::Bontsszmai1)->trigger();
    EXPECT_EQ(l.KijeloltSzamDb(), 0);
}

// The clearing commands follow every change of the main ticket: each one
// is offered only while the ticket holds numbers of its kind.
TEST_F(ShellTest, ClearingCommandsFollowTheMainTicket)
{
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_NE(fo, nullptr);
    const auto allapot = [this] {
        QString s;
        for (kvx::ParancsId nev : {kvx::ParancsId::rls3, kvx::ParancsId::Mind1, kvx::ParancsId::Bontsszmai1,
                                   kvx::ParancsId::Fixszmok1, kvx::ParancsId::llandszmok1,
                                   kvx::ParancsId::Vletlenszmok2})
            s += a(nev)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    EXPECT_EQ(allapot(), QStringLiteral("000000"));
    fo->SzamJeloles(4, kvx::ModFix, false);
    EXPECT_EQ(allapot(), QStringLiteral("110100"));
    // The menu item and the tool button share the action: two hints.
    EXPECT_EQ(a(kvx::ParancsId::Mind1)->statusTip(), QStringLiteral(" Minden szám törlése "));
    EXPECT_EQ(a(kvx::ParancsId::Mind1)->toolTip(), QStringLiteral(" Számok törlése "));
    EXPECT_EQ(a(kvx::ParancsId::Bontsszmai1)->toolTip(), QStringLiteral(" Nincs kijelölt szám "));
    fo->SzamJeloles(9, kvx::ModAllando, false);
    EXPECT_EQ(allapot(), QStringLiteral("110110"));
    fo->SzamJeloles(12, kvx::ModKijelolt, false);
    EXPECT_EQ(allapot(), QStringLiteral("111110"));

    // Clearing the fixed numbers through the menu takes their item away.
    a(kvx::ParancsId::Fixszmok1)->trigger();
    EXPECT_EQ(kvx::szamListak().FixSzamDb(), 0);
    EXPECT_EQ(allapot(), QStringLiteral("111010"));
    EXPECT_EQ(a(kvx::ParancsId::Fixszmok1)->statusTip(), QStringLiteral(" Nincs kijelölve fix szám "));
    // "Minden szám" empties the ticket: everything goes off again.
    a(kvx::ParancsId::Mind1)->trigger();
    EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 0);
    EXPECT_EQ(allapot(), QStringLiteral("000000"));
    EXPECT_EQ(a(kvx::ParancsId::Mind1)->statusTip(), QStringLiteral(" Nincs kijelölt számsor "));
}

TEST_F(ShellTest, CloseQueryNeverQuitsAgainstNo)
{
    kvx::SzamKattintas(kvx::szamListak(), kvx::game(), kvx::mainState(), 7, 0);
    kvx::mainState().Mentve = false;
    kvx::mainState().SzamsorModositas = true;
    valasz_ = false;
    EXPECT_FALSE(window_->FormCloseQuery());
    EXPECT_EQ(kerdesek_.size(), 1);  // the edit question; no later question overrides it

    // Yes to the edit question still asks about the unsaved numbers.
    kerdesek_.clear();
    int valaszok = 0;
    kvx::Program::aktualis().Kerdes = [&](const QString& q) {
        kerdesek_ << q;
        return ++valaszok == 1;
    };
    EXPECT_FALSE(window_->FormCloseQuery());
    EXPECT_EQ(kerdesek_.size(), 2);
    EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 1);

    kvx::mainState().SzamsorModositas = false;
    kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
    QFile::remove(dir_.filePath("kavarex.ini"));
    EXPECT_TRUE(window_->FormCloseQuery());
    EXPECT_TRUE(QFile::exists(dir_.filePath("kavarex.ini")));
}

TEST_F(ShellTest, StatusBarShowsTheVariationState)
{
    kvx::VariacioAllapot v;
    v.BontMatrixMeret = 5;
    v.BontSzelvszam = 5;
    v.BontStatus = false;
    v.SzerkesztettVariacio = true;
    kvx::VariacioStatusz& statusz = kvx::Program::aktualis().VariacioStatusza();
    statusz.Kiiras(v, true, true);
    EXPECT_EQ(window_->StatusPanel(1), QStringLiteral("Stop - Edited"));
    statusz.Kiiras(v, false, true);
    EXPECT_EQ(window_->StatusPanel(1), QStringLiteral("Run"));

    // The file dialogs propose names after the panel's text, and the saves
    // are offered while the panel shows lines of a variation.
    AllomanyParancsok& ap = kvx::Program::aktualis().AllomanyParancsai();
    ap.DialogusAllapotFrissites();
    EXPECT_EQ(ap.Dialogusok()->Allapot.VariacioAllapot, "Run");
    SzamsorParancsok& sp = kvx::Program::aktualis().SzamsorParancsai();
    sp.FeltMenuAll(false);
    EXPECT_TRUE(a(kvx::ParancsId::Mentsmsknt1)->isEnabled());
    statusz.Kiiras(kvx::VariacioAllapot{}, true, true);
    sp.FeltMenuAll(false);
    EXPECT_FALSE(a(kvx::ParancsId::Mentsmsknt1)->isEnabled());
    EXPECT_EQ(a(kvx::ParancsId::Mentsmsknt1)->statusTip(), QStringLiteral(" Nincs mentésre váró adat "));
}

TEST_F(ShellTest, OpenWindowsFollowTheMainWindow)
{
    window_->setGeometry(100, 60, 1200, 800);
    window_->show();
    QWidget* lista = formok().HuzLista;
    lista->show();
    lista->move(700, 200);
    QCoreApplication::processEvents();
    const QPoint elotte = lista->pos();
    window_->move(window_->x() + 30, window_->y());
    QCoreApplication::processEvents();
    EXPECT_EQ(lista->pos(), elotte + QPoint(30, 0));
    lista->close();
    window_->hide();
}

TEST_F(ShellTest, MenuImageForReview)
{
    window_->resize(1100, 700);
    window_->show();
    QMenu* szamsor = nullptr;
    for (QAction* m : window_->menuBar()->actions())
        if (m->text() == QStringLiteral("Számsor"))
            szamsor = m->menu();
    ASSERT_NE(szamsor, nullptr);
    szamsor->popup(window_->mapToGlobal(QPoint(60, 25)));
    QCoreApplication::processEvents();
    window_->grab().save(QDir::temp().filePath("h7_main.png"));
    szamsor->grab().save(QDir::temp().filePath("h7_menu.png"));
    szamsor->close();
    EXPECT_TRUE(QFile::exists(QDir::temp().filePath("h7_menu.png")));
}

}  // namespace

// The conditions window stands beside the main ticket, also after a game
// change to a wider ticket.
// A game change unticks the variation options: the next game starts without
// the old game's Találat or frequency option.
TEST_F(ShellTest, GameChangeUnticksTheVariationOptions)
{
    for (int n : {3, 9, 14, 22, 27, 31, 40, 48}) kvx::SzamJeloles(kvx::szamListak(), kvx::game(), kvx::mainState(), n, 0, false);
    kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(kvx::SzamsorTulteli(kvx::szamListak(), kvx::game()));
    TFeltetelek* f = formok().Feltetelek;
    ASSERT_NE(f, nullptr);
    f->FeltetelStart();
    f->TulirasBontBox->click();
    ASSERT_TRUE(kvx::variacioOpcioErtekek().TulirasBont);
    kvx::mainState().Mentve = true;  // no clearing question
    window_->LottoSelect(1);
    EXPECT_FALSE(kvx::variacioOpcioErtekek().TulirasBont);
    EXPECT_FALSE(f->TulirasBontBox->isChecked());
}

TEST_F(ShellTest, ConditionsWindowStaysBesideTheTicketAcrossGameChanges)
{
    window_->resize(1500, 900);
    // The windows are placed on a screen as large as the main window.
    window_->findChild<kvx::AblakElhelyezes*>()->SetMunkaTerulet(QRect(0, 0, 1500, 900));
    window_->show();
    window_->LottoSelect(30);
    TFeltetelek* f = formok().Feltetelek;
    f->FeltetelekPosition();  // placed beside the narrow ticket, as at start-up
    window_->LottoSelect(0);
    ASSERT_EQ(kvx::game().LottoIndex, 0);
    TFoszelveny* fo = szelvenyek().Foszelveny;
    ASSERT_TRUE(fo && fo->isVisible());
    f->show();
    EXPECT_FALSE(f->frameGeometry().intersects(fo->frameGeometry()));
    EXPECT_GT(f->frameGeometry().left(), fo->frameGeometry().right());
}
