// The save and open dialogs on the offscreen platform: a number set is saved
// through the save dialog and opened again through the open dialog.
#include "variation/ui/filedialogs.h"
#include "app/ui/ismetles.h"
#include "app/ui/program.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "conditions/markers.h"
#include "conditions/variation_options.h"
#include "tickets/file_helpers.h"
#include "common/binary_io.h"
#include "variation/variation_file.h"
#include "variation/variation_store.h"

using namespace kvx;

namespace {

// Fills the file name of the first visible file dialog and accepts it, or
// cancels it when nev is empty.
void dialogusKitoltese(const QString& nev, QString* cim = nullptr, QString* javasolt = nullptr, int szuro = 0)
{
    kvx::teszt::ismetlesAmigSikerul([=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d || !d->isVisible()) continue;
            auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
            if (cim) *cim = d->windowTitle();
            if (javasolt && edit) *javasolt = edit->text();
            if (nev.isEmpty()) {
                d->reject();
                return true;
            }
            if (szuro > 0) d->selectNameFilter(d->nameFilters().at(szuro - 1));
            edit->setText(nev);
            QMetaObject::invokeMethod(d, "accept");
            return true;
        }
        return false;
    });
}

QByteArray olvas(const QString& nev)
{
    QFile f(nev);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Kornyezet {
    Kornyezet()
    {
        g.LottoIndex = 0;
        JatekParameterek(g);
        ListakInicializalasa(l, g, ms);
        FeltetelekRekordokReset(f, g);
        konyvtarak.LottoKonyvtar = dir.path().toStdString() + "/Lotto/";
        konyvtarak.PrivateKonyvtar = dir.path().toStdString() + "/Private/";
        UtolsoKonyvtarakAlap(konyvtarak);
        beallitasok.UzenetekLog.fill(0);
        beallitasok.AutomatikusNev = true;
        a.Jatek = &g;
        a.Listak = &l;
        a.Feltetelek = &f;
        a.Konyvtarak = &konyvtarak;
        a.Foallapot = &ms;
        a.Beallitasok = &beallitasok;
        a.AdatbazisBetoltve = true;
        a.HuzasokSzama = 100;
    }
    QTemporaryDir dir;
    GameParams g;
    SzamListak l;
    MainState ms;
    FeltetelRekordok f;
    Folders konyvtarak;
    Settings beallitasok;
    AllomanyDialogusAllapot a;
};

TEST(FileDialogs, SaveThroughTheDialogAndOpenAgain)
{
    kvx::Program program;
    Kornyezet k;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    std::vector<QString> uzenetek;
    d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek.push_back(t); };
    d.Kerdes = [](const QString&) { return true; };

    for (int n : {3, 14, 15, 92 - 50, 65, 35}) SzamJeloles(*d.Allapot.Listak, *d.Allapot.Jatek, *d.Allapot.Foallapot, n, ModKijelolt, false);
    d.Allapot.Feltetelek->OsszegFeltetel = {1, {}, 100, 200};
    d.Allapot.Feltetelek->FeltetelJelzo = true;
    const TTombByte1D mentett = d.Allapot.Listak->KijeloltSzamok;

    const QString nev = k.dir.path() + "/sajat.tip";
    QString cim, javasolt;
    dialogusKitoltese(nev, &cim, &javasolt);
    ASSERT_TRUE(d.AllomanyDialogus(ModMentes, "tip", false)) << (uzenetek.empty() ? "" : uzenetek.back().toStdString());
    EXPECT_EQ(cim, " Számsor mentése");
    EXPECT_EQ(javasolt, "6sz_");
    EXPECT_TRUE(QFileInfo::exists(nev));
    EXPECT_TRUE(k.ms.Mentve);
    EXPECT_EQ(k.konyvtarak.UtolsoKonyvtarak[kSzamsorMentes][0], k.dir.path().toStdString());

    // Change the ticket and the conditions, then open the file again.
    MindenSzamTorlese(k.l, k.g, k.ms);
    k.f.OsszegFeltetel = {};
    dialogusKitoltese(nev, &cim);
    ASSERT_TRUE(d.AllomanyDialogus(ModMegnyitas, "", false));
    EXPECT_EQ(cim, " Állomány betöltése");
    EXPECT_EQ(k.l.KijeloltSzamok, mentett);
    EXPECT_EQ(k.f.OsszegFeltetel, (TMinMaxFeltetel{1, {}, 100, 200}));
}

// A dialog opens with an empty name box: the name chosen last time is not
// offered again (it may belong to another game's folder).
TEST(FileDialogs, NameChosenLastTimeIsNotOfferedAgain)
{
    kvx::Program program;
    Kornyezet k;
    k.beallitasok.AutomatikusNev = false;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    d.Uzenet = [](TAllomanyDialogusok::UzenetFajta, const QString&) {};
    d.Kerdes = [](const QString&) { return true; };
    for (int n : {1, 2, 3, 4, 5, 6, 7}) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);

    const QString nev = k.dir.path() + "/elso.tip";
    QString javasolt = "x";
    dialogusKitoltese(nev, nullptr, &javasolt);
    ASSERT_TRUE(d.AllomanyDialogus(ModMentes, "tip", false));
    EXPECT_EQ(javasolt, "");
    dialogusKitoltese(QString(), nullptr, &javasolt);
    EXPECT_FALSE(d.AllomanyDialogus(ModMentes, "tip", false));
    EXPECT_TRUE(javasolt.isEmpty()) << "save dialog offers " << javasolt.toStdString();

    dialogusKitoltese(nev, nullptr, &javasolt);
    ASSERT_TRUE(d.AllomanyDialogus(ModMegnyitas, "", false));
    EXPECT_EQ(javasolt, "");
    dialogusKitoltese(QString(), nullptr, &javasolt);
    EXPECT_FALSE(d.AllomanyDialogus(ModMegnyitas, "", false));
    EXPECT_TRUE(javasolt.isEmpty()) << "open dialog offers " << javasolt.toStdString();
}

// The three options a number set stores are the options panel's, and a load
// shows the file's ones: whatever was ticked before (all eight options of
// the panel) is unticked first.
TEST(FileDialogs, OptionsOfThePanelAreSavedAndRestored)
{
    kvx::Program program;
    Kornyezet k;
    VariacioOpcioErtekek o;
    k.a.VariacioOpciok = &o;
    k.beallitasok.AutomatikusNev = false;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    d.Uzenet = [](TAllomanyDialogusok::UzenetFajta, const QString&) {};
    d.Kerdes = [](const QString&) { return true; };
    struct Eset { bool gyak, opt, vel; };
    int i = 0;
    for (const Eset e : {Eset{true, false, false}, Eset{false, true, false}, Eset{false, false, true},
                         Eset{false, false, false}}) {
        SCOPED_TRACE(i);
        MindenSzamTorlese(k.l, k.g, k.ms);
        for (int n : {3, 14, 15, 42, 65, 35})
            SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
        o = VariacioOpcioErtekek{};
        o.GyakorisagiEloszlas = e.gyak;
        o.Optimalizalt = e.opt;
        o.VeletlenSzamsorok = e.vel;
        const QString nev = k.dir.path() + QStringLiteral("/opciok%1.tip").arg(i++);
        dialogusKitoltese(nev);
        ASSERT_TRUE(d.AllomanyDialogus(ModMentes, "tip", false));
        // Every option of the panel on before the load (Növel and Csökkent
        // exclude each other: the cases take turns).
        o.GyakorisagiEloszlas = !e.gyak;
        o.Optimalizalt = !e.opt;
        o.VeletlenSzamsorok = !e.vel;
        o.TulirasBont = true;
        o.TulirasTeteles = true;
        TVariacioOpciok& vo = k.f.VariacioOpciok;
        vo.Optimalizalas = 1;
        vo.Csokkent = i % 2;
        vo.Feluliras = 1;
        vo.Rendez = 1;
        vo.Mod = 1;
        dialogusKitoltese(nev);
        ASSERT_TRUE(d.AllomanyDialogus(ModMegnyitas, "", false));
        EXPECT_EQ(o.GyakorisagiEloszlas, e.gyak);
        EXPECT_EQ(o.Optimalizalt, e.opt);
        EXPECT_EQ(o.VeletlenSzamsorok, e.vel);
        EXPECT_FALSE(o.TulirasBont);
        EXPECT_FALSE(o.TulirasTeteles);
        // The next run does not optimise what the numbers before were given.
        EXPECT_EQ(vo.Optimalizalas, 0);
        const OpcioDobozok p = OpcioDobozokBetoltese(k.f, o);
        EXPECT_FALSE(p.OptBontNovelBox);
        EXPECT_FALSE(p.OptBontCsokkentBox);
        EXPECT_FALSE(p.OptBontFelulirasBox);
        EXPECT_FALSE(p.OptBontRendezBox);
    }
}

// The name the save dialog proposes for a variation carries its options,
// the Találat part and the state of the run.
TEST(FileDialogs, ProposedVariationNameCarriesTheOptionsAndTheState)
{
    kvx::Program program;
    Kornyezet k;
    VariacioOpcioErtekek o;
    k.a.VariacioOpciok = &o;
    k.a.BontMatrixMeret = 1234;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    d.Uzenet = [](TAllomanyDialogusok::UzenetFajta, const QString&) {};
    for (int n : {3, 14, 15, 42, 65, 35})
        SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
    k.f.Hibapont = 1;
    struct Eset {
        const char* allapot;
        bool talalat, teteles, sorozat, csokkent, pelda;
        const char* nev;
    };
    const Eset esetek[] = {
        {"Ready", false, false, false, false, false, "6sz_1234szs_1h"},
        {"", false, false, false, false, false, "6sz_1234szs_1h"},
        {"Stop - Edited", true, true, false, false, false, "6sz_1234szs_T3t_Stop_Edited"},
        {"Pause", true, false, true, false, false, "6sz_1234szs_T3s_Pause"},
        {"Edited", false, false, false, true, false, "6sz_1234szs_1h_Csfm7_Edited"},
        {"Ready", false, false, false, false, true, "p_6sz_1234szs_1h"},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        d.Allapot.VariacioAllapot = e.allapot;
        d.Allapot.Peldabontas = e.pelda;
        o = VariacioOpcioErtekek{};
        o.TulirasBont = e.talalat;
        o.Tuliras = 3;
        o.TulirasTeteles = e.teteles;
        o.TulirasSorozat = e.sorozat;
        k.f.VariacioOpciok = TVariacioOpciok{};
        if (e.csokkent) {
            k.f.VariacioOpciok.Optimalizalas = 1;
            k.f.VariacioOpciok.Csokkent = 1;
            k.f.VariacioOpciok.Feluliras = 1;
            k.f.VariacioOpciok.Arany = 7;
        }
        QString javasolt;
        dialogusKitoltese(QString(), nullptr, &javasolt);
        EXPECT_FALSE(d.AllomanyDialogus(ModMentes, "top", false));
        EXPECT_EQ(javasolt.toStdString(), e.nev);
    }
}

// A variation is saved only when the drive has room for its lines: the
// check comes before the line limit and before anything is written.
TEST(FileDialogs, VariationSaveNeedsRoomForItsLines)
{
    kvx::Program program;
    Kornyezet k;
    k.a.BontMatrixMeret = 1000000;  // 5 numbers a line: 5,001,024 bytes needed
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    std::vector<QString> uzenetek;
    d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek.push_back(t); };
    struct Eset {
        std::int64_t szabad;
        const char* uzenet;
    };
    const Eset esetek[] = {
        {5001023, kNincsSzabadHely},
        {5001024, kTobbMintEgyMillio},
        {-1, kTobbMintEgyMillio},  // unknown: the save is not refused for it
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.szabad);
        d.SzabadHely = [&](const std::string&) { return e.szabad; };
        uzenetek.clear();
        const QString nev = k.dir.path() + "/sok.top";
        dialogusKitoltese(nev);
        EXPECT_FALSE(d.AllomanyDialogus(ModMentes, "top", false));
        ASSERT_EQ(uzenetek.size(), 1u);
        EXPECT_EQ(uzenetek[0].toStdString(), e.uzenet);
        EXPECT_FALSE(QFileInfo::exists(nev));
    }
}

TEST(FileDialogs, RefusedFileLeavesTheTicketAndCancelResetsTheFolder)
{
    kvx::Program program;
    Kornyezet k;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    std::vector<QString> uzenetek;
    d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek.push_back(t); };
    d.Kerdes = [](const QString&) { return true; };
    for (int n : {1, 2, 3, 4, 5, 6}) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
    k.f.OsszegFeltetel = {1, {}, 50, 60};

    // A damaged file: a number set cut short.
    const QString rossz = k.dir.path() + "/rossz.tip";
    std::string hiba;
    ASSERT_TRUE(kvx::SzamsorMentese(rossz.toStdString(), SzamsorKepKeszites(k.l, k.g, k.f, 0, {}), hiba));
    ASSERT_TRUE(QFile::resize(rossz, 150));
    k.f.OsszegFeltetel = {1, {}, 50, 60};
    const TTombByte1D elotte = k.l.KijeloltSzamok;
    dialogusKitoltese(rossz);
    EXPECT_FALSE(d.AllomanyDialogus(ModMegnyitas, "", false));
    ASSERT_FALSE(uzenetek.empty());
    EXPECT_TRUE(uzenetek.back().contains("Érvénytelen méretű állomány.")) << uzenetek.back().toStdString();
    EXPECT_EQ(k.l.KijeloltSzamok, elotte);
    EXPECT_EQ(k.f.OsszegFeltetel, (TMinMaxFeltetel{1, {}, 50, 60}));

    // Cancelling puts the game's default folder back.
    k.konyvtarak.UtolsoKonyvtarak[kSzamsorMegnyitas][0] = "/somewhere";
    dialogusKitoltese(QString());
    EXPECT_FALSE(d.AllomanyDialogus(ModMegnyitas, "", false));
    EXPECT_EQ(k.konyvtarak.UtolsoKonyvtarak[kSzamsorMegnyitas][0], k.konyvtarak.LottoKonyvtar + JatekMappa[0]);

    // A variation file without lines is refused (the reader would refuse it), and no file is left.
    uzenetek.clear();
    EXPECT_FALSE(d.VariacioMentese(k.dir.path() + "/v.top"));
    ASSERT_EQ(uzenetek.size(), 1u);
    EXPECT_EQ(uzenetek[0], "A variáció számsorainak mennyisége érvénytelen tartományba esik.");
    EXPECT_FALSE(QFile::exists(k.dir.path() + "/v.top"));
}

TEST(FileDialogs, FileOfAnotherGameSwitchesTheGameFirst)
{
    kvx::Program program;
    Kornyezet k;
    // Written under game 1 (6 of 45).
    GameParams g1;
    g1.LottoIndex = 1;
    JatekParameterek(g1);
    SzamListak l1;
    MainState ms1;
    ListakInicializalasa(l1, g1, ms1);
    for (int n : {1, 2, 3, 4, 5, 6, 7}) SzamJeloles(l1, g1, ms1, n, ModKijelolt, false);
    FeltetelRekordok f1;
    FeltetelekRekordokReset(f1, g1);
    const std::string nev = (k.dir.path() + "/g1.tip").toStdString();
    std::string uzenet;
    ASSERT_TRUE(kvx::SzamsorMentese(nev, SzamsorKepKeszites(l1, g1, f1, 0, {}), uzenet));

    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    std::vector<QString> uzenetek;
    d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek.push_back(t); };
    int valtas = -1;
    auto alap = d.JatekValtas;
    d.JatekValtas = [&](int i) {
        valtas = i;
        alap(i);
    };
    ASSERT_TRUE(d.SzamsorBetoltese(QString::fromStdString(nev)));
    EXPECT_EQ(valtas, 1);
    EXPECT_EQ(k.g.LottoIndex, 1);
    EXPECT_EQ(k.l.KijeloltSzamDb(), 7);
    ASSERT_FALSE(uzenetek.empty());
    EXPECT_TRUE(uzenetek[0].startsWith("Nem az aktuális játékhoz tartozó állomány.")) << uzenetek[0].toStdString();
}

TEST(FileDialogs, LinesAreImportedAndExportedThroughTheDialogs)
{
    kvx::Program program;
    Kornyezet k;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    std::vector<QString> uzenetek;
    d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek.push_back(t); };
    d.Kerdes = [](const QString&) { return true; };
    int valtozas = 0;
    QObject::connect(&d, &TAllomanyDialogusok::variacioValtozas, [&] { ++valtozas; });
    const auto fajl = [&](const QString& nev, const char* tartalom) {
        QFile f(k.dir.path() + "/" + nev);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tartalom);
        return f.fileName();
    };

    // A refused file: its message naming the line; the ticket is not cleared.
    SzamJeloles(k.l, k.g, k.ms, 44, ModKijelolt, false);
    dialogusKitoltese(fajl("rossz.txt", "1;2;3;4;95\r\n"));
    EXPECT_FALSE(d.AllomanyDialogus(ModMegnyitas, "", false));
    ASSERT_EQ(uzenetek.size(), 1u);
    EXPECT_TRUE(uzenetek[0].startsWith("1. sor 5. száma (95) érvénytelen tartományba esik.\r\n\r\n1. sor: „1;2;3;4;95”"))
        << uzenetek[0].toStdString();
    EXPECT_EQ(valtozas, 0);
    EXPECT_EQ(program.Tar.BontSzelvszam, 0);
    EXPECT_EQ(k.l.KijeloltSzamok, (TTombByte1D{44}));

    // The ticket's numbers give way to the file's.
    dialogusKitoltese(fajl("sorok.csv", "1;2;3;4;5\r\n6;7;8;9;10\r\n"));
    d.AllomanyDialogus(ModMegnyitas, "", false);
    EXPECT_EQ(valtozas, 1);
    EXPECT_EQ(program.Tar.BontSzelvszam, 2);
    EXPECT_EQ(k.l.KijeloltSzamok, (TTombByte1D{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    // The save dialog's csv and txt entries write the export.
    d.Allapot.BontMatrixMeret = program.Tar.BontMatrixMeret;
    const QString csv = k.dir.path() + "/ki.csv", txt = k.dir.path() + "/ki.txt";
    dialogusKitoltese(csv, nullptr, nullptr, 2);
    EXPECT_TRUE(d.AllomanyDialogus(ModMentes, "top", false));
    dialogusKitoltese(txt, nullptr, nullptr, 3);
    EXPECT_TRUE(d.AllomanyDialogus(ModMentes, "top", false));
    EXPECT_EQ(olvas(csv), QByteArray("1;2;3;4;5\r\n6;7;8;9;10\r\n"));
    EXPECT_EQ(olvas(txt), QByteArray(" 1 -  2 -  3 -  4 -  5\r\n 6 -  7 -  8 -  9 - 10\r\n"));
}

// The user picks a save entry with the keyboard in the type box and types a
// name without an extension: the name takes the entry's extension, whatever
// entry was chosen before.
TEST(FileDialogs, NameWithoutExtensionTakesTheChosenEntrysExtension)
{
    kvx::Program program;
    Kornyezet k;
    k.beallitasok.AutomatikusNev = false;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    QStringList uzenetek, varakozas;
    d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek << t; };
    d.Kerdes = [](const QString&) { return true; };
    d.VarakozasKi = [&](const QString& t) { varakozas << t; };
    d.VarakozasVege = [] {};
    QFile sorok(k.dir.path() + "/sorok.csv");
    ASSERT_TRUE(sorok.open(QIODevice::WriteOnly));
    sorok.write("1;2;3;4;5\r\n6;7;8;9;10\r\n");
    sorok.close();
    ASSERT_TRUE(d.Import(sorok.fileName()));
    d.Allapot.BontMatrixMeret = program.Tar.BontMatrixMeret;
    const struct {
        const char* fajta;
        int szuro;  // 1-based entry chosen in the type box
        const char* nev;
        const char* fajl;       // the file written
        QByteArray tartalom;    // its text; empty: not checked
        const char* varakozas;  // the wait window's text
    } esetek[] = {
        {"top", 2, "a", "a.csv", "1;2;3;4;5\r\n6;7;8;9;10\r\n", "Export állomány mentése"},
        {"top", 3, "b", "b.txt", " 1 -  2 -  3 -  4 -  5\r\n 6 -  7 -  8 -  9 - 10\r\n", "Export állomány mentése"},
        {"top", 5, "c", "c.tmb", "Array(1,2,3,4,5,6,7,8,9,10);\r\n", "Export állomány mentése"},
        {"top", 1, "d", "d.top", "", "Variáció mentése állományba"},
        {"", 3, "e", "e.csv", "1;2;3;4;5\r\n6;7;8;9;10\r\n", "Export állomány mentése"},
        {"", 4, "f", "f.txt", " 1 -  2 -  3 -  4 -  5\r\n 6 -  7 -  8 -  9 - 10\r\n", "Export állomány mentése"},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.fajl);
        uzenetek.clear();
        varakozas.clear();
        kvx::teszt::ismetlesAmigSikerul([&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dlg = qobject_cast<QFileDialog*>(w);
                if (!dlg || !dlg->isVisible()) continue;
                auto* tipus = dlg->findChild<QComboBox*>("fileTypeCombo");
                if (!tipus) return false;
                tipus->setFocus();
                // First the entry after the one asked for, then back to it:
                // the last choice counts.
                const int cel = e.szuro - 1;
                const int kerulo = cel + 1 < tipus->count() ? cel + 1 : cel - 1;
                while (tipus->currentIndex() != kerulo)
                    QTest::keyClick(tipus, tipus->currentIndex() < kerulo ? Qt::Key_Down : Qt::Key_Up);
                while (tipus->currentIndex() != cel)
                    QTest::keyClick(tipus, tipus->currentIndex() < cel ? Qt::Key_Down : Qt::Key_Up);
                dlg->findChild<QLineEdit*>("fileNameEdit")->setText(k.dir.path() + "/" + QString::fromUtf8(e.nev));
                QMetaObject::invokeMethod(dlg, "accept");
                return true;
            }
            return false;
        });
        EXPECT_TRUE(d.AllomanyDialogus(ModMentes, QString::fromUtf8(e.fajta), false)) << uzenetek.join('|').toStdString();
        EXPECT_TRUE(uzenetek.isEmpty()) << uzenetek.join('|').toStdString();
        const QString fajl = k.dir.path() + "/" + QString::fromUtf8(e.fajl);
        EXPECT_TRUE(QFileInfo::exists(fajl));
        if (!e.tartalom.isEmpty()) {
            EXPECT_EQ(olvas(fajl), e.tartalom);
        }
        EXPECT_EQ(varakozas, QStringList{QString::fromUtf8(e.varakozas)});
    }
}

// Writing and reading a variation file show the wait window with the text of
// the kind of file, and close it again, also when the file is refused.
TEST(FileDialogs, VariationFilesShowTheWaitWindow)
{
    kvx::Program program;
    Kornyezet k;
    QWidget foablak;
    TAllomanyDialogusok d(&foablak, k.a);
    QStringList uzenetek, varakozas;
    int nyitva = 0;
    d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek << t; };
    d.Kerdes = [](const QString&) { return true; };
    d.VarakozasKi = [&](const QString& t) {
        varakozas << t;
        ++nyitva;
    };
    d.VarakozasVege = [&] { --nyitva; };
    QFile sorok(k.dir.path() + "/sorok.csv");
    ASSERT_TRUE(sorok.open(QIODevice::WriteOnly));
    sorok.write("1;2;3;4;5\r\n6;7;8;9;10\r\n");
    sorok.close();
    ASSERT_TRUE(d.Import(sorok.fileName()));
    ASSERT_EQ(program.Tar.BontSzelvszam, 2);

    const QString sajat = k.dir.path() + "/sajat.top";
    const QString back = k.dir.path() + "/backOtos.top";
    ASSERT_TRUE(d.VariacioMentese(sajat));
    ASSERT_TRUE(d.VariacioMentese(back));
    EXPECT_EQ(varakozas, (QStringList{"Variáció mentése állományba", "Utolsó variáció mentése"}));
    varakozas.clear();
    ASSERT_TRUE(d.VariacioBetoltese(sajat)) << uzenetek.join('|').toStdString();
    ASSERT_TRUE(d.VariacioBetoltese(back));
    EXPECT_EQ(program.Tar.BontSzelvszam, 2);
    // The body is read, then put in place: the window shows for both.
    EXPECT_EQ(varakozas, (QStringList{"Variáció állományának betöltése", "Variáció állományának betöltése",
                                      "Biztonsági másolat visszatöltése", "Biztonsági másolat visszatöltése"}));
    EXPECT_EQ(nyitva, 0);

    // A cut body: the window closes before the refusal is shown.
    ASSERT_TRUE(QFile::resize(sajat, QFileInfo(sajat).size() - 7));
    varakozas.clear();
    uzenetek.clear();
    d.VarakozasKi = [&](const QString& t) {
        varakozas << t;
        ++nyitva;
        EXPECT_TRUE(uzenetek.isEmpty());
    };
    EXPECT_FALSE(d.VariacioBetoltese(sajat));
    EXPECT_EQ(varakozas, QStringList{"Variáció állományának betöltése"});
    EXPECT_EQ(nyitva, 0);
    ASSERT_EQ(uzenetek.size(), 1);
    EXPECT_TRUE(uzenetek[0].contains("Érvénytelen méretű állomány.")) << uzenetek[0].toStdString();
}

// A ".top" that holds only a ticket part: versions 2.0.0.0 - 2.0.1.9 could
// save a number set over a variation file. The size message is followed by
// the explanation, and the file opens as the number set it holds; a file of
// any later version is refused as it stands.
TEST(FileDialogs, VariationFileWithoutItsBodyFromAnOldVersion)
{
    struct Eset {
        int verzio;  // minor.release of 2.x.y.0
        bool magyarazat;
    };
    for (const Eset e : {Eset{1, true}, Eset{2, false}}) {
        SCOPED_TRACE(e.verzio);
        kvx::Program program;
        Kornyezet k;
        QWidget foablak;
        TAllomanyDialogusok d(&foablak, k.a);
        QStringList uzenetek;
        d.Uzenet = [&](TAllomanyDialogusok::UzenetFajta, const QString& t) { uzenetek << t; };
        d.Kerdes = [](const QString&) { return true; };
        for (int n : {80, 81, 82, 83, 84, 85, 86}) SzamJeloles(k.l, k.g, k.ms, n, ModKijelolt, false);
        const TTombByte1D elotte = k.l.KijeloltSzamok;

        // The ticket part of version 2.0.e.0: the header, the lists, then
        // the condition records of that layout (all clear), the options.
        BinWriter w;
        for (int v : {2, 0, e.verzio, 0}) w.i32(v);
        w.i32(0);  // game
        w.i32(5);  // variation size
        w.i32(6);
        for (std::uint8_t n : {1, 2, 3, 4, 5, 6}) w.u8(n);
        w.i32(0);  // fixed
        w.i32(0);  // constant
        w.i32(1);  // order
        w.i32(2);  // error points
        w.u8(1);   // conditions flag
        w.u8(2);   // error points as a byte
        for (int n : {20, 12, 12, 16, 12, 24, 16, 12, 12, 12, 12, 12, 12, 12}) w.zeros(static_cast<std::size_t>(n));
        w.i32(0);    // random numbers
        w.u8(0);     // frequency
        w.zeros(31); // marker
        w.u8(0);     // optimised
        const QString nev = k.dir.path() + "/regi.top";
        QFile f(nev);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::vector<std::uint8_t> adat = w.data();
        f.write(reinterpret_cast<const char*>(adat.data()), static_cast<qint64>(adat.size()));
        f.close();

        EXPECT_EQ(d.VariacioBetoltese(nev), e.magyarazat);
        ASSERT_EQ(uzenetek.size(), e.magyarazat ? 2 : 1);
        EXPECT_TRUE(uzenetek[0].contains("Érvénytelen méretű állomány.")) << uzenetek[0].toStdString();
        if (e.magyarazat) {
            EXPECT_EQ(uzenetek[1], QString::fromUtf8(kTorzsHianyzikSzoveg));
            EXPECT_EQ(k.l.KijeloltSzamok, (TTombByte1D{1, 2, 3, 4, 5, 6}));
            EXPECT_EQ(k.f.Hibapont, 2);
        } else {
            EXPECT_EQ(k.l.KijeloltSzamok, elotte);
        }
        EXPECT_EQ(program.Tar.BontSzelvszam, 0);
    }
}

}  // namespace
