#include <QDesktopServices>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <zip.h>

#include "app/game_table.h"
#include "app/online_access.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/internet_parancsok.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/internetletoltesablak.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "app/version.h"
#include "draws/result_parsers.h"
#include "common/binary_io.h"
#include "draws/database_file.h"
#include "draws/ui/internet_huzasok.h"
#include "tickets/number_lists.h"
#include "variation/store_jobs.h"
#include "variation/ui/internet_variacio.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/variation_store.h"
#include "http_szerver.h"
#include "valaszolo.h"
#include "varakozas_figyelo.h"

namespace {

using kvx::teszt::HttpSzerver;
using kvx::teszt::Valaszolo;

// Records the addresses the program asks the desktop to open.
class UrlNaplo : public QObject {
    Q_OBJECT
public:
    UrlNaplo()
    {
        for (const char* s : {"http", "https", "mailto", "file", "javascript"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(s), this, "megnyit");
    }
    ~UrlNaplo() override
    {
        for (const char* s : {"http", "https", "mailto", "file", "javascript"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(s));
    }
    QStringList Megnyitott;
public slots:
    void megnyit(const QUrl& u) { Megnyitott << u.toString(QUrl::FullyEncoded); }
};

kvx::TOnlineEleresek tabla(std::int32_t sorszam, std::int32_t verzio = kvx::VerzioSzam())
{
    kvx::TOnlineEleresek t;
    t.Verzio = {verzio / 1000, verzio / 100 % 10, verzio / 10 % 10, verzio % 10};
    t.Sorszam = sorszam;
    for (int g = 0; g < kvx::kJatekokSzama; ++g) {
        t.TarsasagHonlap[g] = "https://op.example/" + std::to_string(g);
        t.KalkulatorKod[g] = 40 + g;
    }
    t.KeziFogadas[0] = "https://bet.example/manual?g=0";
    t.RekordNyeremenyek = "https://op.example/records";
    return t;
}

std::string kep(const kvx::TOnlineEleresek& t)
{
    const std::vector<std::uint8_t> d = kvx::OnlineEleresekIras(t);
    return std::string(d.begin(), d.end());
}

std::string zipKep(const std::string& nev, const std::string& tartalom)
{
    QTemporaryDir d;
    const std::string ut = d.filePath(QStringLiteral("a.zip")).toStdString();
    int err = 0;
    zip_t* z = zip_open(ut.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    zip_source_t* s = zip_source_buffer(z, tartalom.data(), tartalom.size(), 0);
    zip_file_add(z, nev.c_str(), s, ZIP_FL_ENC_UTF_8);
    zip_close(z);
    QFile f(QString::fromStdString(ut));
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}

std::string olvas(const QString& ut)
{
    QFile f(ut);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
}

QStringList dobozok(const Valaszolo& v)
{
    QStringList l;
    for (const auto& d : v.Latott)
        if (d.ObjektumNev != QStringLiteral("InternetLetoltesAblak"))
            l << d.Szoveg;
    return l;
}

class InternetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        kvx::Folders& f = program_.Konyvtarak;
        QDir(dir_.path()).mkpath(QStringLiteral("Dat"));
        QDir(dir_.path()).mkpath(QStringLiteral("Cache"));
        f.DatKonyvtar = dir_.filePath(QStringLiteral("Dat/")).toStdString();
        f.CacheKonyvtar = dir_.filePath(QStringLiteral("Cache/")).toStdString();
        program_.Gyarto.Honlap = szerver_.cim("");
        program_.Gyarto.ProbaCim = szerver_.cim("/");
        program_.Gyarto.Email = "info@kavarex.example";
        iv().Korlatok.CsendMs = 1500;
        iv().Korlatok.OsszesMs = 8000;
        iv().ProbaMs = 3000;
        ablak_.SetVezerlo(&iv());
        // The table in use: serial 5.
        const std::string regi = kep(tabla(5));
        QFile o(datOdb());
        o.open(QIODevice::WriteOnly);
        o.write(regi.data(), static_cast<qint64>(regi.size()));
        o.close();
        ASSERT_TRUE(iv().OnlineEleresBetoltes(datOdb()));
        // What the draws and the variation answer the controller, as their
        // wiring in the main window sets it.
        InternetHuzasokHorgai(iv());
        InternetVariacioHorgai(iv());
    }

    InternetVezerlo& iv() { return program_.InternetV(); }
    QString datOdb() const { return dir_.filePath(QStringLiteral("Dat/Online.odb")); }
    QStringList cache() const
    {
        return QDir(dir_.filePath(QStringLiteral("Cache"))).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QStringList dat() const
    {
        return QDir(dir_.filePath(QStringLiteral("Dat"))).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void kinal(const std::string& sorszam, HttpSzerver::Valasz zip)
    {
        szerver_.beallit("/hu/download/online.txt", {200, sorszam});
        szerver_.beallit("/hu/download/Database/Online.zip", std::move(zip));
    }

    kvx::Program program_;
    QTemporaryDir dir_;
    HttpSzerver szerver_;
    TInternetLetoltesAblak ablak_;
};

TEST_F(InternetTest, RefreshReplacesTheTableWithANewerOne)
{
    const std::string uj = kep(tabla(8));
    kinal("8", {200, zipKep("Online.odb", uj), HttpSzerver::Mod::Lassu, 2});
    QStringList statuszok;
    // Received on this thread, as the window receives them.
    QObject::connect(&iv(), &InternetVezerlo::statusz, &ablak_, [&](const QString& s) { statuszok << s; });
    bool ablakLatszott = false;
    QObject::connect(&iv(), &InternetVezerlo::statusz, &ablak_,
                     [&] { ablakLatszott = ablakLatszott || ablak_.isVisible(); });
    Valaszolo v(QStringList{});
    iv().InternetMegszStart(kvx::InternetMuvelet::EleresekFrissitese);
    EXPECT_EQ(olvas(datOdb()), uj);
    EXPECT_EQ(program_.Online.OnlineEleresek.Sorszam, 8);
    EXPECT_FALSE(program_.Online.EleresFrissitesKell);
    EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
    EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
    EXPECT_EQ(dat(), QStringList{QStringLiteral("Online.odb")});
    EXPECT_TRUE(ablakLatszott);
    EXPECT_FALSE(ablak_.isVisible());
    EXPECT_TRUE(statuszok.contains(
        QStringLiteral("Internetes hivatkozások, online fogadások eléréseinek frissítése")));
    EXPECT_EQ(ablak_.Label1->text(), QStringLiteral("Internetes hivatkozások, online fogadások eléréseinek frissítése."));
}

// A program window minimised when an internet action starts, or while it
// runs, is restored: at the start and again at the end.
TEST_F(InternetTest, MinimisedProgramIsRestoredAroundAnAction)
{
    kinal("8", {200, zipKep("Online.odb", kep(tabla(8)))});
    QMainWindow foablak;
    foablak.showMinimized();
    ASSERT_TRUE(foablak.isMinimized());
    QList<bool> kicsinyitve;
    QObject::connect(&iv(), &InternetVezerlo::statusz, &ablak_, [&] {
        kicsinyitve << foablak.isMinimized();
        foablak.showMinimized();
    });
    Valaszolo v(QStringList{});
    iv().InternetMegszStart(kvx::InternetMuvelet::EleresekFrissitese);
    ASSERT_FALSE(kicsinyitve.isEmpty());
    EXPECT_FALSE(kicsinyitve.front());
    EXPECT_FALSE(foablak.isMinimized());
    EXPECT_EQ(program_.Online.OnlineEleresek.Sorszam, 8);
}

// Whatever is wrong with the offered table, the one in use stays byte for
// byte, nothing is left in the download folder, and the user is told.
TEST_F(InternetTest, RefreshRefusesBadDownloadsAndKeepsTheTable)
{
    std::string rovid = kep(tabla(8));
    rovid.pop_back();
    std::string hosszu = kep(tabla(8));
    hosszu.push_back('\0');
    const struct {
        const char* eset;
        std::string sorszam;
        HttpSzerver::Valasz zip;
        const char* uzenet;  // part of the first box shown; empty: not checked
    } esetek[] = {
        {"short table", "8", {200, zipKep("Online.odb", rovid)}, "Érvénytelen méretű állomány."},
        {"long table", "8", {200, zipKep("Online.odb", hosszu)}, "Érvénytelen méretű állomány."},
        {"older serial", "8", {200, zipKep("Online.odb", kep(tabla(4)))}, ""},
        {"needs a newer program", "8", {200, zipKep("Online.odb", kep(tabla(8, kvx::VerzioSzam() + 1)))}, ""},
        {"archive missing", "8", {404, "<html>no</html>"}, "Sikertelen az állomány letöltése."},
        {"server error", "8", {500, "<html>oops</html>"}, "Sikertelen az állomány letöltése."},
        {"cut archive", "8", {200, zipKep("Online.odb", kep(tabla(8))), HttpSzerver::Mod::Csonka}, "Sikertelen az állomány letöltése."},
        {"corrupt archive", "8", {200, std::string(3000, 'Z')}, "A rendszer nem tudja kicsomagolni"},
        {"climbing member", "8", {200, zipKep("../Online.odb", kep(tabla(8)))}, "A rendszer nem tudja kicsomagolni"},
        {"serial with a line break", "8\r\n", {200, zipKep("Online.odb", kep(tabla(8)))}, "Nem elérhetőek a verzió információk"},
    };
    const std::string regi = olvas(datOdb());
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        kinal(e.sorszam, e.zip);
        Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK")});
        iv().InternetMegszStart(kvx::InternetMuvelet::EleresekFrissitese);
        EXPECT_EQ(olvas(datOdb()), regi);
        EXPECT_EQ(program_.Online.OnlineEleresek.Sorszam, 5);
        EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
        EXPECT_EQ(dat(), QStringList{QStringLiteral("Online.odb")});
        EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("Online.odb"))));
        const QStringList l = dobozok(v);
        if (*e.uzenet) {
            ASSERT_FALSE(l.isEmpty());
            EXPECT_TRUE(l.front().contains(QString::fromUtf8(e.uzenet))) << l.join('|').toStdString();
        }
    }
}

TEST_F(InternetTest, SameSerialSaysSoAndRewritesTheTable)
{
    kinal("5", {404, ""});
    QFile::remove(datOdb());
    Valaszolo v({QStringLiteral("OK")});
    iv().InternetMegszStart(kvx::InternetMuvelet::EleresekFrissitese);
    const QStringList l = dobozok(v);
    ASSERT_EQ(l.size(), 1);
    EXPECT_TRUE(l[0].endsWith(QStringLiteral("A legfrissebb adatbázist használja.")));
    EXPECT_EQ(olvas(datOdb()), kep(tabla(5)));
    EXPECT_EQ(szerver_.kert().back(), "/hu/download/online.txt");
}

// No maker's site answers: every maker action says that the site cannot be
// reached (not that the machine is offline), and nothing is opened or
// fetched.
TEST_F(InternetTest, MakersSiteThatDoesNotAnswerIsNamed)
{
    {
        HttpSzerver zart;
        program_.Gyarto.Honlap = zart.cim("");
        program_.Gyarto.ProbaCim = zart.cim("/");
    }
    program_.Uzenetek.Jovahagyas = false;
    UrlNaplo n;
    Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK")});
    for (const kvx::InternetMuvelet m : {kvx::InternetMuvelet::KavarexHonlap, kvx::InternetMuvelet::UjVerzio,
                                         kvx::InternetMuvelet::AktualisAdatbazis, kvx::InternetMuvelet::EleresekFrissitese})
        iv().InternetMegszStart(m);
    const QString uzenet = QString::fromUtf8("Nem érhető el a program honlapja:");
    const QStringList l = dobozok(v);
    ASSERT_EQ(l.size(), 4) << l.join('|').toStdString();
    for (const QString& d : l) {
        EXPECT_TRUE(d.startsWith(uzenet)) << d.toStdString();
        EXPECT_TRUE(d.contains(QString::fromStdString(program_.Gyarto.Honlap))) << d.toStdString();
    }
    EXPECT_TRUE(n.Megnyitott.isEmpty());
    EXPECT_TRUE(szerver_.kert().empty());
    EXPECT_FALSE(ablak_.isVisible());
}

// While the probe waits for an answer, the connection window shows
// "Internetkapcsolat..."; Escape there gives the action up at once, without
// a message, and nothing else is asked of the server.
TEST_F(InternetTest, ProbeWaitShowsTheConnectionWindowAndEscapeEndsIt)
{
    szerver_.beallit("/", {200, "", HttpSzerver::Mod::Hallgat});
    iv().ProbaMs = 20000;
    for (const bool bezarasGomb : {false, true}) {
        SCOPED_TRACE(bezarasGomb ? "close box" : "Escape");
        bool latszott = false;
        QString felirat;
        QTimer::singleShot(300, &ablak_, [&] {
            latszott = ablak_.isVisible();
            felirat = ablak_.Label1->text();
            if (bezarasGomb)
                ablak_.close();
            else
                QTest::keyClick(&ablak_, Qt::Key_Escape);
        });
        Valaszolo v({});
        iv().InternetMegszStart(kvx::InternetMuvelet::EleresekFrissitese);
        // The stop ended the wait, not the probe's own time limit.
        EXPECT_TRUE(iv().Leallitva());
        EXPECT_TRUE(latszott);
        EXPECT_EQ(felirat, QStringLiteral("Internetkapcsolat..."));
        EXPECT_FALSE(ablak_.isVisible());
        EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
        EXPECT_FALSE(iv().Fut());
    }
    for (const std::string& k : szerver_.kert())
        EXPECT_EQ(k, "/");
}

TEST_F(InternetTest, LinksOpenOnlyWebAddressesWithEncodedValues)
{
    UrlNaplo n;
    // Each link probes the host it opens (answered here, nothing leaves the
    // machine); the mail link probes nothing.
    QStringList probak;
    iv().Proba = [&](const QUrl& p) {
        probak << p.toString();
        return true;
    };
    const QString host = QString::fromStdString(szerver_.cim(""));
    program_.Jatek.LottoIndex = 0;
    iv().InternetMegszStart(kvx::InternetMuvelet::TarsasagHonlap);
    iv().InternetMegszStart(kvx::InternetMuvelet::KeziAdatbevitel);
    iv().InternetMegszStart(kvx::InternetMuvelet::RekordNyeremenyek);
    iv().InternetMegszStart(kvx::InternetMuvelet::KavarexHonlap);
    iv().InternetMegszStart(kvx::InternetMuvelet::Szimulator);
    iv().InternetMegszStart(kvx::InternetMuvelet::VariaciokLetoltese);
    program_.Jatek.KenoJatek = true;
    program_.Jatek.SzamsorHossz = 8;
    iv().InternetMegszStart(kvx::InternetMuvelet::Kalkulator);
    EXPECT_EQ(n.Megnyitott,
              QStringList({QStringLiteral("https://op.example/0"), QStringLiteral("https://bet.example/manual?g=0"),
                           QStringLiteral("https://op.example/records"), host + "/", host + "/hu/sim/kvxsim.php",
                           host + "/hu/vari/lotto_variation.php", host + "/hu/calc/calc.php?l=40&jt=8&tt=12"}));
    EXPECT_EQ(probak, QStringList({QStringLiteral("https://op.example/"), QStringLiteral("https://bet.example/"),
                                   QStringLiteral("https://op.example/"), host + "/", host + "/", host + "/", host + "/"}));

    // Addresses from a table that point elsewhere than the web are refused.
    n.Megnyitott.clear();
    program_.Online.OnlineEleresek.TarsasagHonlap[0] = "file:///etc/passwd";
    program_.Online.OnlineEleresek.KeziFogadas[0] = "javascript:alert(1)";
    program_.Online.OnlineEleresek.RekordNyeremenyek = "";
    Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK")});
    iv().InternetMegszStart(kvx::InternetMuvelet::TarsasagHonlap);
    iv().InternetMegszStart(kvx::InternetMuvelet::KeziAdatbevitel);
    iv().InternetMegszStart(kvx::InternetMuvelet::RekordNyeremenyek);
    EXPECT_TRUE(n.Megnyitott.isEmpty()) << n.Megnyitott.join(' ').toStdString();
    EXPECT_EQ(dobozok(v).size(), 3);

    // The mail link asks first and opens a mail with an encoded subject.
    probak.clear();
    Valaszolo igen({QStringLiteral("Igen")});
    iv().InternetMegszStart(kvx::InternetMuvelet::Level);
    EXPECT_TRUE(probak.isEmpty());
    ASSERT_EQ(n.Megnyitott.size(), 1);
    EXPECT_EQ(n.Megnyitott[0], QStringLiteral("mailto:info@kavarex.example?subject=Fejleszt%C3%A9s%20t%C3%A1mogat%C3%A1sa%2C%20%C3%A9szrev%C3%A9telek"));
}

// The upload writes the variation as "variation.csv" into the list folder and
// opens the operator's upload address with its line count and path; a
// variation longer than one upload carries gets the splitting instructions.
TEST_F(InternetTest, UploadWritesTheVariationFileAndOpensTheUploadAddress)
{
    UrlNaplo n;
    iv().Proba = [](const QUrl& p) { return p.toString() == QStringLiteral("https://up.example/"); };
    program_.Jatek.LottoIndex = 0;
    kvx::JatekParameterek(program_.Jatek);
    QDir(dir_.path()).mkpath(QStringLiteral("List"));
    program_.Konyvtarak.ListKonyvtar = dir_.filePath(QStringLiteral("List/")).toStdString();
    kvx::SzamListak& l = program_.Szamok;
    l.KijeloltSzamok = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    l.KijeloltFoSzamDb = 12;
    l.KijeloltFoSzamFelso = 11;
    l.VariacioMeret = l.VariacioFoMeret = 5;
    l.VariacioMeretFelso = l.VariacioFoMeretFelso = 4;
    kvx::VariationStore& t = program_.Tar;
    ASSERT_TRUE(kvx::SetBontasMatrix(t, 5, 5, nullptr));
    for (int r = 0; r < 5; ++r)
        for (int k = 0; k < 5; ++k)
            t.sor(r)[k] = static_cast<std::uint8_t>((r + k) % 12);
    t.BontSzelvszam = 5;
    kvx::TOnlineEleresek& o = program_.Online.OnlineEleresek;
    o.Feltoltes1[0] = "https://up.example/send?";
    o.Feltoltes2[0] = "n=";
    o.Feltoltes3[0] = "&f=";
    o.FeltoltesSzam[0] = -1;
    o.FeltoltesElfogadott[0] = 1;
    o.FeltoltesMaximum[0] = 3;
    {
        Valaszolo v({QStringLiteral("OK")});
        iv().InternetMegszStart(kvx::InternetMuvelet::VariacioFeltoltes);
        ASSERT_EQ(dobozok(v).size(), 1);
        EXPECT_EQ(dobozok(v)[0].replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString(), kvx::FeltoltesFelosztasSzoveg(3, 5));
    }
    EXPECT_TRUE(n.Megnyitott.isEmpty());
    const QString csv = dir_.filePath(QStringLiteral("List/variation.csv"));
    EXPECT_FALSE(QFile::exists(csv));

    o.FeltoltesMaximum[0] = 10;
    // The export is written behind the wait window.
    QWidget foablak;
    kvx::TUzenetAblak varakozas(&foablak);
    kvx::Program::aktualis().VarakozoAblak = &varakozas;
    kvx::teszt::VarakozasFigyelo figyelo(&varakozas);
    {
        Valaszolo v({QStringLiteral("OK")});
        iv().InternetMegszStart(kvx::InternetMuvelet::VariacioFeltoltes);
        ASSERT_EQ(dobozok(v).size(), 1);
        EXPECT_TRUE(dobozok(v)[0].startsWith(QStringLiteral("Online fogadás állománya sikeresen létrehozva.")));
    }
    kvx::Program::aktualis().VarakozoAblak = nullptr;
    EXPECT_EQ(figyelo.Feliratok, QStringList{QStringLiteral("Export állomány mentése")});
    EXPECT_FALSE(varakozas.isVisible());
    ASSERT_TRUE(QFile::exists(csv));
    ASSERT_EQ(n.Megnyitott.size(), 1);
    EXPECT_EQ(n.Megnyitott[0], QStringLiteral("https://up.example/send?n=5&f=") +
                                   QString::fromStdString(kvx::UrlKodolas(csv.toStdString())));
}

TEST_F(InternetTest, TableOfTheWrongSizeIsRefusedOnLoad)
{
    std::string d = kep(tabla(9));
    for (const int delta : {-1, +1}) {
        std::string x = d;
        x.resize(x.size() + delta, '\0');
        QFile f(datOdb());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(x.data(), static_cast<qint64>(x.size()));
        f.close();
        Valaszolo v({QStringLiteral("OK")});
        EXPECT_FALSE(iv().OnlineEleresBetoltes(datOdb()));
        ASSERT_EQ(dobozok(v).size(), 1);
        EXPECT_TRUE(dobozok(v)[0].startsWith(QStringLiteral("Érvénytelen állomány: Online.odb")));
        EXPECT_EQ(program_.Online.OnlineEleresek.Sorszam, 5);
    }
}

// A database image of game jatek with db draws of the year ev (weeks 1..db).
std::string adatbazisKep(int jatek, int db, int ev = 2020)
{
    kvx::GameParams g;
    g.LottoIndex = jatek;
    kvx::JatekParameterek(g);
    kvx::TTombInt2D sorok;
    for (int i = 1; i <= db; ++i) {
        kvx::TTombInt1D sor{i, ev, i};
        for (int j = 0; j < g.HuzottSzamok; ++j)
            sor.push_back(1 + j + i % 3);
        sorok.push_back(sor);
    }
    const std::vector<std::uint8_t> d = kvx::AdatbazisKep(sorok, g, kvx::HuzasIroVerzio());
    return std::string(d.begin(), d.end());
}

void ir(const QString& ut, const std::string& tartalom)
{
    QFile f(ut);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(tartalom.data(), static_cast<qint64>(tartalom.size()));
}

// The current game's database from the maker's site: what arrives is read as
// the game's database before it may replace the one in use; a shorter one
// replaces it only after a Yes; anything broken leaves it byte for byte.
TEST_F(InternetTest, DatabaseUpdateReplacesOnlyWithAWholeDatabase)
{
    program_.Uzenetek.Jovahagyas = false;
    program_.Jatek.LottoIndex = 0;
    const QString nev = QString::fromUtf8(kvx::AdatbazisAllomany[0]);
    const QString ut = dir_.filePath(QStringLiteral("Dat/")) + nev;
    const std::string regi = adatbazisKep(0, 3);
    int frissult = 0;
    QObject::connect(&iv(), &InternetVezerlo::adatbazisFrissult, [&] { ++frissult; });
    const std::string tartalom = "/hu/download/Database/" + nev.toStdString();
    std::string levagott = adatbazisKep(0, 4);
    levagott.resize(levagott.size() - 13);
    const QString ervenytelen = QString::fromUtf8("Érvénytelen");
    const QString sikertelen = QString::fromUtf8("Sikertelen az állomány letöltése.");
    const struct {
        const char* eset;
        HttpSzerver::Valasz valasz;
        QStringList valaszok;
        bool csere;      // the download replaces the database
        QString uzenet;  // start of the one box shown; empty: not checked
    } esetek[] = {
        {"longer download", {200, adatbazisKep(0, 4)}, {}, true, {}},
        {"shorter, Yes", {200, adatbazisKep(0, 2)}, {QStringLiteral("Igen")}, true, {}},
        {"shorter, No", {200, adatbazisKep(0, 2)}, {QStringLiteral("Nem")}, false, {}},
        {"not found", {404, adatbazisKep(0, 4)}, {QStringLiteral("OK")}, false, sikertelen},
        {"transfer cut short", {200, adatbazisKep(0, 4), HttpSzerver::Mod::Csonka}, {QStringLiteral("OK")}, false, sikertelen},
        {"error page sent whole", {200, "<html><body>" + std::string(900, 'x') + "</body></html>"},
         {QStringLiteral("OK")}, false, ervenytelen},
        {"truncated database sent whole", {200, levagott}, {QStringLiteral("OK")}, false, ervenytelen},
        {"another game's database", {200, adatbazisKep(1, 4)}, {QStringLiteral("OK")}, false, ervenytelen},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        ir(ut, regi);
        szerver_.beallit(tartalom, e.valasz);
        Valaszolo v(e.valaszok);
        frissult = 0;
        iv().InternetMegszStart(kvx::InternetMuvelet::AktualisAdatbazis);
        EXPECT_EQ(olvas(ut), e.csere ? e.valasz.Torzs : regi);
        EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
        EXPECT_EQ(dat(), QStringList({nev, QStringLiteral("Online.odb")}));
        const QStringList l = dobozok(v);
        EXPECT_EQ(l.size(), e.valaszok.size()) << l.join('|').toStdString();
        if (!e.uzenet.isEmpty() && !l.isEmpty()) {
            EXPECT_TRUE(l.front().startsWith(e.uzenet)) << l.front().toStdString();
        }
        EXPECT_EQ(frissult, 1);
    }

    // Without a database of its own, an error page makes none.
    QFile::remove(ut);
    szerver_.beallit(tartalom, {200, "<html>moved</html>"});
    Valaszolo v({QStringLiteral("OK")});
    iv().InternetMegszStart(kvx::InternetMuvelet::AktualisAdatbazis);
    EXPECT_EQ(dobozok(v).size(), 1);
    EXPECT_EQ(dat(), QStringList{QStringLiteral("Online.odb")});
    EXPECT_TRUE(cache().isEmpty());
}

// Every game's database: games in order (the Keno games share game 8's
// file); the first failure ends the loop, later games are not asked for.
TEST_F(InternetTest, EveryGameUpdateStopsAtTheFirstFailure)
{
    program_.Uzenetek.Jovahagyas = false;
    const auto cim = [](int g) {
        return "/hu/download/Database/" + std::string(kvx::AdatbazisAllomany[static_cast<std::size_t>(g)]);
    };
    const auto helyi = [this](int g) {
        return dir_.filePath(QStringLiteral("Dat/")) + QString::fromUtf8(kvx::AdatbazisAllomany[static_cast<std::size_t>(g)]);
    };
    for (int g = 0; g < 2; ++g)
        szerver_.beallit(cim(g), {200, adatbazisKep(g, 3)});
    szerver_.beallit(cim(2), {200, "<html>not here</html>"});
    szerver_.beallit(cim(3), {200, adatbazisKep(3, 3)});
    Valaszolo v({QStringLiteral("OK")});
    iv().InternetMegszStart(kvx::InternetMuvelet::MindenAdatbazis);
    EXPECT_EQ(dobozok(v).size(), 1);
    for (int g = 0; g < 2; ++g)
        EXPECT_EQ(olvas(helyi(g)), adatbazisKep(g, 3));
    EXPECT_FALSE(QFile::exists(helyi(2)));
    const std::vector<std::string> kert = szerver_.kert();
    EXPECT_NE(std::find(kert.begin(), kert.end(), cim(2)), kert.end());
    EXPECT_EQ(std::find(kert.begin(), kert.end(), cim(3)), kert.end());
    EXPECT_TRUE(cache().isEmpty());
}

// Four digits of a version number, as the maker's version file holds them.
std::string negyJegy(int v)
{
    char b[16];
    std::snprintf(b, sizeof b, "%04d", v);
    return b;
}
QString pontokkal(int v)
{
    const std::string s = negyJegy(v);
    return QStringLiteral("%1.%2.%3.%4").arg(s[0]).arg(s[1]).arg(s[2]).arg(s[3]);
}

void varVegeig(const kvx::OnlineAllapot& o)
{
    QElapsedTimer t;
    t.start();
    while (!o.VerzioKeresesVege.load() && t.elapsed() < 15000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// "Új verzió keresése": the same or an older version says so; a newer one is
// announced and, on Yes, only its download page opens. An installer sitting
// in the download folder is never started and nothing executable is
// fetched. An unreachable site or a bad version file says plainly that the
// version information is not available.
TEST_F(InternetTest, VersionCheckOpensOnlyTheDownloadPage)
{
    UrlNaplo n;
    QStringList bejelentve;
    QObject::connect(&iv(), &InternetVezerlo::ujVerzioLetoltheto, [&](const QString& v) { bejelentve << v; });
    const int most = kvx::VerzioSzam();
    const QString telepito = dir_.filePath(QStringLiteral("Cache/kavarex%1.exe").arg(QString::fromStdString(negyJegy(most + 1))));
    const QString jel = dir_.filePath(QStringLiteral("futott"));
    ir(telepito, "#!/bin/sh\ntouch '" + jel.toStdString() + "'\n");
    QFile::setPermissions(telepito, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::string telepitoTartalom = olvas(telepito);
    const QString oldal = QString::fromStdString(szerver_.cim("/index.php?id=download/download"));
    const QString aktualis = QString::fromUtf8("Aktuális verzió: Kavarex Personal ") + QString::fromStdString(kvx::VerzioSzoveg());
    const QString megjelent = QString::fromUtf8("Megjelent a Kavarex Personal %1 verziója.").arg(pontokkal(most + 1));
    const QString nemElerheto = QString::fromUtf8("Nem elérhetőek a verzió információk, nem lehetséges a program online frissítése.");
    const struct {
        const char* eset;
        HttpSzerver::Valasz verzio;
        bool zartHost;
        const char* valasz;
        QString uzenet;
        QStringList megnyitott;
        bool bejelentes;
    } esetek[] = {
        {"same version", {200, negyJegy(most)}, false, "OK", aktualis, {}, false},
        {"older version", {200, negyJegy(most - 1)}, false, "OK", aktualis, {}, false},
        {"newer, Yes", {200, negyJegy(most + 1)}, false, "Igen", megjelent, {oldal}, true},
        {"newer, No", {200, negyJegy(most + 1)}, false, "Nem", megjelent, {}, true},
        {"zero bytes after the digits", {200, negyJegy(most + 1) + std::string(3, '\0') + "9"}, false, "Nem", megjelent, {}, true},
        {"no version file", {404, negyJegy(most + 1)}, false, "OK", nemElerheto, {}, false},
        {"five digits", {200, negyJegy(most + 1) + "0"}, false, "OK", nemElerheto, {}, false},
        {"line break after the digits", {200, negyJegy(most + 1) + "\r\n"}, false, "OK", nemElerheto, {}, false},
        {"site not reachable", {200, negyJegy(most + 1)}, true, "OK", nemElerheto, {}, false},
    };
    const std::string host = program_.Gyarto.Honlap;
    iv().Proba = [](const QUrl&) { return true; };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        szerver_.beallit("/hu/download/kvxversion.txt", e.verzio);
        if (e.zartHost) {
            HttpSzerver zart;
            program_.Gyarto.Honlap = zart.cim("");
        }
        n.Megnyitott.clear();
        bejelentve.clear();
        Valaszolo v({QString::fromUtf8(e.valasz)});
        iv().InternetMegszStart(kvx::InternetMuvelet::UjVerzio);
        program_.Gyarto.Honlap = host;
        const QStringList l = dobozok(v);
        ASSERT_EQ(l.size(), 1) << l.join('|').toStdString();
        EXPECT_TRUE(l[0].startsWith(e.uzenet)) << l[0].toStdString();
        EXPECT_EQ(n.Megnyitott, e.megnyitott);
        EXPECT_EQ(bejelentve, e.bejelentes ? QStringList{pontokkal(most + 1)} : QStringList{});
        // A check the site did not answer stays due: the next database
        // update tries it again.
        EXPECT_EQ(program_.Online.UjVerzioKereses, e.uzenet == nemElerheto);
        program_.Online.UjVerzioKereses = false;
    }
    EXPECT_FALSE(QFile::exists(jel));
    EXPECT_EQ(olvas(telepito), telepitoTartalom);
    for (const std::string& k : szerver_.kert())
        EXPECT_EQ(k.find(".exe"), std::string::npos) << k;
    EXPECT_EQ(cache(), QStringList{QFileInfo(telepito).fileName()});
}

// The start-up check runs on a worker of its own without any box: a newer
// version is only announced; otherwise a due refresh of the table runs
// silently. Meanwhile the window actions wait for it with a message.
TEST_F(InternetTest, StartUpVersionCheckIsSilent)
{
    UrlNaplo n;
    QStringList bejelentve;
    QObject::connect(&iv(), &InternetVezerlo::ujVerzioLetoltheto, [&](const QString& v) { bejelentve << v; });
    const int most = kvx::VerzioSzam();
    iv().Proba = [](const QUrl&) { return true; };
    szerver_.beallit("/hu/download/online.txt", {200, "5"});

    // The same version, slow to answer; the table is due for a refresh.
    szerver_.beallit("/hu/download/kvxversion.txt", {200, negyJegy(most), HttpSzerver::Mod::Lassu, 400});
    program_.Online.EleresFrissitesKell = true;
    {
        Valaszolo v({QStringLiteral("OK")});
        iv().UjVerzioMegszakitas();
        EXPECT_FALSE(program_.Online.VerzioKeresesVege.load());
        iv().InternetMegszStart(kvx::InternetMuvelet::EleresekFrissitese);
        varVegeig(program_.Online);
        ASSERT_TRUE(program_.Online.VerzioKeresesVege.load());
        ASSERT_EQ(dobozok(v).size(), 1);
        EXPECT_TRUE(dobozok(v)[0].startsWith(QString::fromUtf8("Kavarex Personal új verzió keresése folyamatban.")));
    }
    std::vector<std::string> kert = szerver_.kert();
    ASSERT_GE(kert.size(), 2u);
    EXPECT_EQ(kert.back(), "/hu/download/online.txt");
    EXPECT_FALSE(program_.Online.EleresFrissitesKell);
    EXPECT_TRUE(bejelentve.isEmpty());

    // A newer version: announced, nothing asked, nothing opened, no refresh.
    szerver_.beallit("/hu/download/kvxversion.txt", {200, negyJegy(most + 1)});
    program_.Online.EleresFrissitesKell = true;
    const std::size_t elotte = szerver_.kert().size();
    {
        Valaszolo v({});
        iv().UjVerzioMegszakitas();
        varVegeig(program_.Online);
        EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
    }
    EXPECT_EQ(bejelentve, QStringList{pontokkal(most + 1)});
    EXPECT_TRUE(n.Megnyitott.isEmpty());
    kert = szerver_.kert();
    EXPECT_EQ(kert.size(), elotte + 1);
    EXPECT_EQ(kert.back(), "/hu/download/kvxversion.txt");

    // The site cannot be reached: nothing to say at start-up.
    {
        HttpSzerver zart;
        program_.Gyarto.Honlap = zart.cim("");
    }
    {
        Valaszolo v({});
        iv().UjVerzioMegszakitas();
        varVegeig(program_.Online);
        EXPECT_TRUE(dobozok(v).isEmpty());
    }
    EXPECT_EQ(bejelentve.size(), 1);
}

// A downloaded table that needs a newer program announces that version, in
// the refresh the user asked for (with its message) and in the silent one
// after the start-up check; the table in use stays.
TEST_F(InternetTest, TableForANewerProgramAnnouncesTheNewVersion)
{
    QStringList bejelentve;
    QObject::connect(&iv(), &InternetVezerlo::ujVerzioLetoltheto, [&](const QString& v) { bejelentve << v; });
    const int most = kvx::VerzioSzam();
    iv().Proba = [](const QUrl&) { return true; };
    kinal("8", {200, zipKep("Online.odb", kep(tabla(8, most + 1)))});
    szerver_.beallit("/hu/download/kvxversion.txt", {200, negyJegy(most)});
    const std::string regi = olvas(datOdb());
    for (const bool interaktiv : {true, false}) {
        SCOPED_TRACE(interaktiv ? "asked for" : "silent");
        bejelentve.clear();
        Valaszolo v({QStringLiteral("OK")});
        if (interaktiv) {
            iv().InternetMegszStart(kvx::InternetMuvelet::EleresekFrissitese);
        } else {
            program_.Online.EleresFrissitesKell = true;
            iv().UjVerzioMegszakitas();
            varVegeig(program_.Online);
        }
        EXPECT_EQ(bejelentve, QStringList{pontokkal(most + 1)});
        EXPECT_EQ(dobozok(v).size(), interaktiv ? 1 : 0) << dobozok(v).join('|').toStdString();
        EXPECT_EQ(olvas(datOdb()), regi);
        EXPECT_EQ(program_.Online.OnlineEleresek.Sorszam, 5);
    }
}

std::string zipTobb(const std::vector<std::pair<std::string, std::string>>& tagok)
{
    QTemporaryDir d;
    const std::string ut = d.filePath(QStringLiteral("a.zip")).toStdString();
    int err = 0;
    zip_t* z = zip_open(ut.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    for (const auto& [nev, tartalom] : tagok) {
        zip_source_t* s = zip_source_buffer(z, tartalom.data(), tartalom.size(), 0);
        zip_file_add(z, nev.c_str(), s, ZIP_FL_ENC_UTF_8);
    }
    zip_close(z);
    return olvas(QString::fromStdString(ut));
}

// The draws of a database file as the loader reads them.
kvx::TTombInt2D huzasok(const QString& ut, int jatek)
{
    kvx::DrawsState d;
    kvx::GameParams g;
    g.LottoIndex = jatek;
    kvx::JatekParameterek(g);
    EXPECT_TRUE(kvx::HuzasokBe(d, g, ut.toStdString(), {true, {}}).sikeres());
    return d.Huzasok;
}

std::string sorok(const std::vector<std::string>& l)
{
    std::string s;
    for (const std::string& x : l)
        s += x + "\r\n";
    return s;
}

class NaprakeszTest : public InternetTest {
protected:
    void jatek(int g, const std::string& cim, const std::string& allomany, const std::string& archivum = {})
    {
        program_.Jatek.LottoIndex = g;
        kvx::JatekParameterek(program_.Jatek);
        kvx::TOnlineEleresek& t = program_.Online.OnlineEleresek;
        t.EredmenyCim[g] = szerver_.cim(cim);
        t.EredmenyAllomany[g] = allomany;
        t.EredmenyArchivum[g] = archivum;
        frissult_ = 0;
        QObject::connect(&iv(), &InternetVezerlo::adatbazisFrissult, [this] { ++frissult_; });
    }
    QString adatbazis(int g) const
    {
        return dir_.filePath(QStringLiteral("Dat/")) + QString::fromUtf8(kvx::AdatbazisAllomany[static_cast<std::size_t>(g)]);
    }
    int frissult_ = 0;
};

// A line of the 5/90 game's result file (newest first): year, week, nine
// other fields, the five numbers.
std::string otos(int ev, int het, const std::string& szamok)
{
    return std::to_string(ev) + ";" + std::to_string(het) +
           ";2019.01.12.;0;0 Ft;35;1 850 490 Ft;2951;22 070 Ft;89413;1 395 Ft;" + szamok;
}

// The 5/90 game's update from its result file: a good file replaces the
// database; a broken one, a declined shorter one, a failed download or a
// new file that cannot be written leave it byte for byte, and make none
// where there was none. Nothing stays in the download folder.
TEST_F(NaprakeszTest, ResultFileUpdatesTheDatabaseOnlyWhenItReadsWhole)
{
    jatek(0, "/cmsfiles/otos.csv", "otos.csv");
    const QString db = adatbazis(0);
    const std::string regi = adatbazisKep(0, 3);
    const std::string jo = sorok({otos(2024, 4, "90;66;45;17;3"), otos(2024, 3, "1;2;3;4;5"), otos(2024, 2, "6;7;8;9;10"),
                                  otos(2024, 1, "11;12;13;14;15")});
    const std::string hibas = sorok({otos(2024, 4, "90;66;45;17;91"), otos(2024, 3, "1;2;3;4;5"),
                                     otos(2024, 2, "6;7;8;9;10"), otos(2024, 1, "11;12;13;14;15")});
    const QString formatum = QString::fromUtf8("A Társaság honlapján elérhető állomány formátuma megváltozott");
    const QString blokk = db + QStringLiteral(".naprakesz");
    const struct {
        const char* eset;
        bool elozo;                 // a database exists before
        bool foglalt;               // the new file's temporary place is taken
        int statusz;
        const std::string* torzs;
        const char* gomb;           // the answer to the one box; null: no box
        QString uzenet;
        bool csere;
    } esetek[] = {
        {"good file", true, false, 200, &jo, nullptr, {}, true},
        {"number out of range", true, false, 200, &hibas, "OK", formatum, false},
        {"new file cannot be written", true, true, 200, &jo, "OK",
         QString::fromUtf8("Hiba történt az adatbázis állományának mentése során."), false},
        {"no database, number out of range", false, false, 200, &hibas, "OK", formatum, false},
        {"no database, not found", false, false, 404, &jo, "OK", QString::fromUtf8("Sikertelen az állomány letöltése."), false},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        QFile::remove(db);
        if (e.elozo)
            ir(db, regi);
        if (e.foglalt) {
            QDir().mkpath(blokk);
            ir(blokk + QStringLiteral("/x"), "x");
        }
        szerver_.beallit("/cmsfiles/otos.csv", {e.statusz, *e.torzs});
        frissult_ = 0;
        Valaszolo v(e.gomb ? QStringList{QString::fromUtf8(e.gomb)} : QStringList{});
        iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
        const QStringList l = dobozok(v);
        ASSERT_EQ(l.size(), e.gomb ? 1 : 0) << l.join('|').toStdString();
        if (e.gomb) {
            EXPECT_TRUE(l[0].startsWith(e.uzenet)) << l[0].toStdString();
        }
        if (e.csere) {
            const kvx::TTombInt2D t = huzasok(db, 0);
            ASSERT_EQ(t.size(), 4u);
            EXPECT_EQ(std::vector<int>(t[3].begin(), t[3].begin() + 8), (std::vector<int>{4, 2024, 4, 3, 17, 45, 66, 90}));
        } else {
            EXPECT_EQ(olvas(db), e.elozo ? regi : std::string("<missing>"));
        }
        EXPECT_EQ(frissult_, e.csere ? 1 : 0);
        EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
        QStringList varhato{QStringLiteral("Online.odb")};
        if (e.elozo || e.csere)
            varhato.prepend(QFileInfo(db).fileName());
        EXPECT_EQ(dat(), varhato);
        if (e.foglalt)
            QDir(blokk).removeRecursively();
    }
}

// Game 5 publishes one file a year: the address of the table (of an
// earlier year) is rebuilt for the current year, and the year's draws
// follow the earlier years' ones.
TEST_F(NaprakeszTest, Game5FetchesTheCurrentYearsFile)
{
    const int ev = QDate::currentDate().year();
    jatek(5, "/cmsfiles/NN_W2D_STAT_Lotto_2019.csv", "NN_W2D_STAT_Lotto_2019.csv");
    const QString db = adatbazis(5);
    ir(db, adatbazisKep(5, 2, ev - 1));
    const std::string ut = "/cmsfiles/NN_W2D_STAT_Lotto_" + std::to_string(ev) + ".csv";
    szerver_.beallit(ut, {200, sorok({"Lotto 6 aus 45", "Ziehung aufsteigend 02.01. 3 7 12 25 33 41 Zz 9",
                                      "Ziehung in Reihenfolge 02.01. 33 7 12 25 3 41 Zz 9",
                                      "Ziehung aufsteigend 05.01. 4 8 13 26 34 42 Zz 10"})});
    Valaszolo v({QStringLiteral("Igen")});
    iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
    const QStringList l = dobozok(v);
    ASSERT_EQ(l.size(), 1) << l.join('|').toStdString();
    EXPECT_TRUE(l[0].startsWith(QString::fromUtf8("A letöltött állomány az aktuális (%1) év").arg(ev))) << l[0].toStdString();
    EXPECT_EQ(szerver_.kert().back(), ut);
    const kvx::TTombInt2D t = huzasok(db, 5);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(std::vector<int>(t[2].begin(), t[2].begin() + 10), (std::vector<int>{3, ev, kvx::IsoHet({ev, 1, 2}), 3, 7, 12, 25, 33, 41, 9}));
    EXPECT_EQ(t[3][1], ev);
    EXPECT_EQ(t[1][1], ev - 1);
    EXPECT_EQ(frissult_, 1);
    EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
}

// Game 22's archive holds numbered result files: the lowest number from
// 1189 on is read (with the older draws' file of the same archive), every
// unpacked file is removed again.
TEST_F(NaprakeszTest, Game22ReadsTheFirstNumberedFile)
{
    jatek(22, "/results/maxima.zip", "Maxima_Results__402-1189.txt", "maxima.zip");
    const std::string regiek = sorok({"N;Date;Type;B1;B2;B3;B4;B5", "402;2023.12.29;x;1;7;15;23;39", "end"});
    const std::string ujak = sorok({"N;Date;Type;B1;B2;B3;B4;B5", "405;2024.01.12;x;41;9;17;25;3",
                                    "404;2024.01.09;x;2;8;16;24;40", "end"});
    const std::string kesobbi = sorok({"N;Date;Type;B1;B2;B3;B4;B5", "999;2024.02.01;x;1;2;3;4;5", "end"});
    szerver_.beallit("/results/maxima.zip",
                     {200, zipTobb({{"Maxima_Results__1-402.txt", regiek},
                                    {"Maxima_Results__402-1190.txt", kesobbi},
                                    {"Maxima_Results__402-1189.txt", ujak}})});
    Valaszolo v({});
    iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
    EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
    const kvx::TTombInt2D t = huzasok(adatbazis(22), 22);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(std::vector<int>(t[0].begin(), t[0].begin() + 8), (std::vector<int>{1, 2023, 52, 1, 7, 15, 23, 39}));
    EXPECT_EQ(std::vector<int>(t[2].begin(), t[2].begin() + 8), (std::vector<int>{3, 2024, 2, 3, 9, 17, 25, 41}));
    EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();

    // An archive with a member it should not hold unpacks nothing and
    // keeps the database.
    const std::string elotte = olvas(adatbazis(22));
    szerver_.beallit("/results/maxima.zip", {200, zipTobb({{"Maxima_Results__402-1189.txt", ujak}, {"run.sh", "x"}})});
    Valaszolo v2({QStringLiteral("OK")});
    iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
    ASSERT_EQ(dobozok(v2).size(), 1);
    EXPECT_TRUE(dobozok(v2)[0].startsWith(QString::fromUtf8("A rendszer nem tudja kicsomagolni a tömörített állományt.")));
    EXPECT_EQ(olvas(adatbazis(22)), elotte);
    EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
}

// Game 4 needs a second file from the same host; when it cannot be fetched
// the update stops, and the result file already fetched goes again.
TEST_F(NaprakeszTest, MissingExtraFileStopsTheUpdate)
{
    jatek(4, "/res/loto.csv", "loto.csv");
    szerver_.beallit("/res/loto.csv", {200, "fejlec\r\n"});
    Valaszolo v({QStringLiteral("OK"), QStringLiteral("OK")});
    iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
    const QStringList l = dobozok(v);
    ASSERT_EQ(l.size(), 2) << l.join('|').toStdString();
    EXPECT_TRUE(l[0].startsWith(QString::fromUtf8("Sikertelen az állomány letöltése.")));
    EXPECT_TRUE(l[1].contains(QString::fromUtf8("könyvtár nem tartalmazza a naprakész húzások állományát.")));
    EXPECT_TRUE(l[1].endsWith(QStringLiteral("loto2.csv")));
    const std::vector<std::string> kert = szerver_.kert();
    EXPECT_NE(std::find(kert.begin(), kert.end(), "/Documents/Csv/loto2.csv"), kert.end());
    EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
    EXPECT_EQ(dat(), QStringList{QStringLiteral("Online.odb")});
    EXPECT_EQ(frissult_, 0);
}

// The operator's update asks only the operator's server: without any
// maker's site it runs; with the operator's server gone it says there is no
// connection and keeps the database.
TEST_F(NaprakeszTest, OperatorUpdateProbesTheOperatorsServer)
{
    {
        HttpSzerver zart;
        program_.Gyarto.Honlap = zart.cim("");
        program_.Gyarto.ProbaCim = zart.cim("/");
    }
    jatek(0, "/cmsfiles/otos.csv", "otos.csv");
    szerver_.beallit("/cmsfiles/otos.csv", {200, sorok({otos(2024, 2, "1;2;3;4;5"), otos(2024, 1, "6;7;8;9;10")})});
    {
        Valaszolo v({});
        iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
        EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
    }
    EXPECT_EQ(huzasok(adatbazis(0), 0).size(), 2u);
    EXPECT_EQ(frissult_, 1);
    EXPECT_EQ(szerver_.kert(), (std::vector<std::string>{"/", "/", "/cmsfiles/otos.csv"}));

    const std::string elotte = olvas(adatbazis(0));
    {
        HttpSzerver zart;
        program_.Online.OnlineEleresek.EredmenyCim[0] = zart.cim("/cmsfiles/otos.csv");
    }
    Valaszolo v({QStringLiteral("OK")});
    iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
    EXPECT_EQ(dobozok(v), QStringList{QStringLiteral("Nincs internetkapcsolat.")});
    EXPECT_EQ(olvas(adatbazis(0)), elotte);
    EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
}

// A result file shorter than the history, as a download cut at a line end
// and sent without a length header arrives: whole to the client, but with
// fewer draws. The update asks first; No (the default) keeps the database
// byte for byte, Yes takes the fewer draws.
TEST_F(NaprakeszTest, ShorterResultFileReplacesTheHistoryOnlyAfterAYes)
{
    jatek(0, "/cmsfiles/otos.csv", "otos.csv");
    const QString db = adatbazis(0);
    const std::string regi = adatbazisKep(0, 4);
    szerver_.beallit("/cmsfiles/otos.csv", {200, sorok({otos(2024, 2, "1;2;3;4;5"), otos(2024, 1, "6;7;8;9;10")}),
                                            HttpSzerver::Mod::HosszNelkul});
    const QString kerdes = QString::fromStdString(kvx::KevesebbHuzasKerdes("otos.csv")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const char* valasz : {"Nem", "Igen"}) {
        SCOPED_TRACE(valasz);
        ir(db, regi);
        frissult_ = 0;
        Valaszolo v({QString::fromUtf8(valasz)});
        iv().InternetMegszStart(kvx::InternetMuvelet::NaprakeszAdatbazis);
        const QStringList l = dobozok(v);
        ASSERT_EQ(l.size(), 1) << l.join('|').toStdString();
        EXPECT_EQ(QString(l[0]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), kerdes);
        if (std::string(valasz) == "Nem") {
            EXPECT_EQ(olvas(db), regi);
            EXPECT_EQ(frissult_, 0);
        } else {
            EXPECT_EQ(huzasok(db, 0).size(), 2u);
            EXPECT_EQ(frissult_, 1);
        }
        EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
        EXPECT_EQ(dat(), QStringList({QFileInfo(db).fileName(), QStringLiteral("Online.odb")}));
    }
}

// A download that trickles in is stopped at once by Escape, by the
// connection window's close box and by the main window's close, which then
// goes on once the action has ended; the every-game update leaves out the
// games after it. The database and the download folder stay as they were,
// and nothing is said.
TEST_F(InternetTest, SlowDownloadStopsOnEscapeAndOnClose)
{
    TFoablak w(dir_.filePath(QStringLiteral("prog/kavarex")));
    program_.Uzenetek.Jovahagyas = false;
    program_.Jatek.LottoIndex = 0;
    const auto cim = [](int g) {
        return "/hu/download/Database/" + std::string(kvx::AdatbazisAllomany[static_cast<std::size_t>(g)]);
    };
    const QString db = dir_.filePath(QStringLiteral("Dat/")) + QString::fromUtf8(kvx::AdatbazisAllomany[0]);
    const std::string regi = adatbazisKep(0, 3);
    // About 40 KiB at 1 KiB every 150 ms: six seconds if nothing stops it.
    for (int g = 0; g < 2; ++g)
        szerver_.beallit(cim(g), {200, adatbazisKep(g, 1500), HttpSzerver::Mod::Lassu, 150});
    // The main window's close reaches its own handler only once the action
    // has ended; here that second close is counted and kept from quitting.
    struct Bezarasok : QObject {
        InternetVezerlo& iv;
        int utana = 0;
        explicit Bezarasok(InternetVezerlo& v) : iv(v) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() != QEvent::Close || iv.Fut())
                return false;
            ++utana;
            e->ignore();
            return true;
        }
    } bezarasok(iv());
    w.installEventFilter(&bezarasok);
    const struct {
        const char* eset;
        kvx::InternetMuvelet muvelet;
        std::function<void()> leallit;
    } esetek[] = {
        {"Escape", kvx::InternetMuvelet::AktualisAdatbazis, [this] { QTest::keyClick(&ablak_, Qt::Key_Escape); }},
        {"close box", kvx::InternetMuvelet::AktualisAdatbazis, [this] { ablak_.close(); }},
        {"every game, Escape", kvx::InternetMuvelet::MindenAdatbazis,
         [this] { QTest::keyClick(&ablak_, Qt::Key_Escape); }},
        {"main window", kvx::InternetMuvelet::AktualisAdatbazis, [&w] { w.close(); }},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        ir(db, regi);
        const std::size_t kertElotte = szerver_.kert().size();
        bool futott = false;
        bool blokkolt = true, foablakBe = true, ablakBe = false;
        QTimer::singleShot(600, &ablak_, [&] {
            futott = iv().Fut() && ablak_.isVisible();
            // The other windows are off, but no modal window blocks them: the
            // window system's close of the main window must reach it.
            blokkolt = QApplication::activeModalWidget() != nullptr;
            foablakBe = w.isEnabled();
            ablakBe = ablak_.isEnabled();
            e.leallit();
        });
        Valaszolo v({});
        iv().InternetMegszStart(e.muvelet);
        EXPECT_TRUE(iv().Leallitva());
        EXPECT_TRUE(futott);
        EXPECT_FALSE(blokkolt);
        EXPECT_FALSE(foablakBe);
        EXPECT_TRUE(ablakBe);
        EXPECT_TRUE(w.isEnabled());
        EXPECT_EQ(olvas(db), regi);
        EXPECT_TRUE(cache().isEmpty()) << cache().join(' ').toStdString();
        EXPECT_EQ(dat(), QStringList({QFileInfo(db).fileName(), QStringLiteral("Online.odb")}));
        EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
        EXPECT_FALSE(ablak_.isVisible());
        const std::vector<std::string> kert = szerver_.kert();
        EXPECT_EQ(std::find(kert.begin() + static_cast<std::ptrdiff_t>(kertElotte), kert.end(), cim(1)), kert.end());
    }
    // The main window's close went on after its action had ended.
    EXPECT_TRUE(kvx::teszt::varj([&] { return bezarasok.utana == 1; }, 2000));
}

// A due version check or refresh of the table runs after the database
// updates also when their question got a "Nem" (then nothing else is
// fetched); a failed operator update ends the action without it.
TEST_F(NaprakeszTest, DueCheckFollowsADeclinedUpdateButNotAFailedOperatorUpdate)
{
    // The updates ask first (the confirmation's tip may follow once).
    program_.Uzenetek.Jovahagyas = true;
    jatek(0, "/cmsfiles/otos.csv", "otos.csv");
    const std::string db = "/hu/download/Database/" + std::string(kvx::AdatbazisAllomany[0]);
    szerver_.beallit(db, {200, adatbazisKep(0, 4)});
    szerver_.beallit("/hu/download/online.txt", {200, "5"});
    szerver_.beallit("/hu/download/kvxversion.txt", {200, negyJegy(kvx::VerzioSzam())});
    szerver_.beallit("/cmsfiles/otos.csv", {404, "nincs"});
    const std::string verzio = "/hu/download/kvxversion.txt", tabla = "/hu/download/online.txt";
    const struct {
        const char* eset;
        kvx::InternetMuvelet muvelet;
        bool verzioKell, frissitesKell;  // due before the action
        QStringList valaszok;
        std::vector<std::string> kert;  // asked of the server, the probes left out
    } esetek[] = {
        {"current game, No, version check due", kvx::InternetMuvelet::AktualisAdatbazis, true, false, {QStringLiteral("Nem"), QStringLiteral("Nem")}, {verzio}},
        {"every game, No, refresh due", kvx::InternetMuvelet::MindenAdatbazis, false, true, {QStringLiteral("Nem"), QStringLiteral("Nem")}, {tabla}},
        {"current game, No, nothing due", kvx::InternetMuvelet::AktualisAdatbazis, false, false, {QStringLiteral("Nem"), QStringLiteral("Nem")}, {}},
        {"current game, Yes, refresh due", kvx::InternetMuvelet::AktualisAdatbazis, false, true, {QStringLiteral("Igen"), QStringLiteral("Nem")}, {db, tabla}},
        {"operator update failed, refresh due", kvx::InternetMuvelet::NaprakeszAdatbazis, false, true, {QStringLiteral("OK")}, {"/cmsfiles/otos.csv"}},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        QFile::remove(adatbazis(0));
        program_.Online.UjVerzioKereses = e.verzioKell;
        program_.Online.EleresFrissitesKell = e.frissitesKell;
        const std::size_t elotte = szerver_.kert().size();
        Valaszolo v(e.valaszok);
        iv().InternetMegszStart(e.muvelet);
        std::vector<std::string> kert;
        const std::vector<std::string> osszes = szerver_.kert();
        for (auto it = osszes.begin() + static_cast<std::ptrdiff_t>(elotte); it != osszes.end(); ++it)
            if (*it != "/")
                kert.push_back(*it);
        EXPECT_EQ(kert, e.kert);
        const QStringList l = dobozok(v);
        ASSERT_FALSE(l.isEmpty());
        EXPECT_TRUE(e.muvelet == kvx::InternetMuvelet::NaprakeszAdatbazis
                        ? l[0].startsWith(QString::fromUtf8("Sikertelen az állomány letöltése."))
                        : l[0].endsWith(QString::fromUtf8("Frissíti az adatbázisokat?")))
            << l[0].toStdString();
        // The refresh ran (and was no longer due) exactly where it was asked for.
        const bool frissitett = std::find(kert.begin(), kert.end(), tabla) != kert.end();
        EXPECT_EQ(program_.Online.EleresFrissitesKell, e.frissitesKell && !frissitett);
        EXPECT_FALSE(iv().Fut());
    }
}

// The notification of a newer version starts an action: it is off while
// one runs, and on again when it ended.
TEST_F(InternetTest, NotificationButtonIsOffWhileAnActionRuns)
{
    TFoablak w(dir_.filePath(QStringLiteral("prog/kavarex")));
    program_.Uzenetek.Jovahagyas = false;
    QAction* ertesito = w.findChild<QAction*>(QStringLiteral("VerzioErtesitoGomb"));
    ASSERT_NE(ertesito, nullptr);
    emit iv().ujVerzioLetoltheto(QStringLiteral("9.9.9.9"));
    ASSERT_TRUE(ertesito->isVisible());
    EXPECT_TRUE(ertesito->isEnabled());
    const std::string db = "/hu/download/Database/" + std::string(kvx::AdatbazisAllomany[0]);
    szerver_.beallit(db, {200, adatbazisKep(0, 1500), HttpSzerver::Mod::Lassu, 150});
    bool kozben = true;
    bool ujraKozben = true;
    QTimer::singleShot(400, &ablak_, [&] {
        kozben = ertesito->isEnabled();
        // Announced again meanwhile: it still waits for the action's end.
        emit iv().ujVerzioLetoltheto(QStringLiteral("9.9.9.9"));
        ujraKozben = ertesito->isEnabled();
        QTest::keyClick(&ablak_, Qt::Key_Escape);
    });
    Valaszolo v({});
    iv().InternetMegszStart(kvx::InternetMuvelet::AktualisAdatbazis);
    EXPECT_TRUE(iv().Leallitva());
    EXPECT_FALSE(kozben);
    EXPECT_FALSE(ujraKozben);
    EXPECT_TRUE(ertesito->isEnabled());
}

// The main window's per-game items follow the table in use.
TEST_F(InternetTest, MenuItemsFollowTheTable)
{
    TFoablak w(dir_.filePath(QStringLiteral("prog/kavarex")));
    program_.Jatek.LottoIndex = 0;
    kvx::TOnlineEleresek t = tabla(6);
    t.KeziFogadas[0].clear();
    t.RekordNyeremenyek.clear();
    t.EredmenyAllomany[0] = "eredmeny.csv";
    const std::string d = kep(t);
    QFile f(datOdb());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(d.data(), static_cast<qint64>(d.size()));
    f.close();
    ASSERT_TRUE(iv().OnlineEleresBetoltes(datOdb()));
    const QString n = QString::fromUtf8(kvx::JatekNev[0]);
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Honlap1)->text(), n + QStringLiteral(" honlap"));
    EXPECT_TRUE(w.Akcio(kvx::ParancsId::Honlap1)->isEnabled());
    EXPECT_FALSE(w.Akcio(kvx::ParancsId::Rekordnyeremnyek1)->isVisible());
    EXPECT_FALSE(w.Akcio(kvx::ParancsId::Kziadatbevitel1)->isEnabled());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Kziadatbevitel1)->statusTip(), QStringLiteral(" %1 - nincs lehetőség online fogadásra ").arg(n));
    EXPECT_TRUE(w.Akcio(kvx::ParancsId::Naprakszadatbzis1)->isVisible());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Aktulisadatbzisfrisstse1)->statusTip(),
              QStringLiteral(" %1 adatbázisának frissítése a program honlapjáról ").arg(n));
    // The upload needs a variation.
    EXPECT_FALSE(w.Akcio(kvx::ParancsId::Varicifeltltse1)->isEnabled());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Varicifeltltse1)->statusTip(), QStringLiteral(" Nincs kész variáció "));
    // The item follows the variation's changes: a variation with lines is
    // told that this table takes no upload of the game, and once its lines
    // are gone the item asks for a variation again.
    program_.Tar.BontSzelvszam = 5;
    emit program_.Variacio().valtozott();
    EXPECT_FALSE(w.Akcio(kvx::ParancsId::Varicifeltltse1)->isEnabled());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Varicifeltltse1)->statusTip(),
              QStringLiteral(" %1 - nincs lehetőség online küldésre ").arg(n));
    program_.Tar.BontSzelvszam = 0;
    emit program_.Variacio().valtozott();
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Varicifeltltse1)->statusTip(), QStringLiteral(" Nincs kész variáció "));
    // The up-to-date download and the version search run.
    EXPECT_TRUE(w.Akcio(kvx::ParancsId::Naprakszadatbzis1)->isEnabled());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::Naprakszadatbzis1)->statusTip(),
              QStringLiteral(" %1 naprakész adatbázisának letöltése a játékot üzemeltető Társaság honlapjáról ").arg(n));
    EXPECT_TRUE(w.Akcio(kvx::ParancsId::jverzikeresse1)->isEnabled());
    EXPECT_EQ(w.Akcio(kvx::ParancsId::jverzikeresse1)->statusTip(), QString::fromUtf8(" Új verzió keresése "));
}

// The items' images follow the table: manual betting at hand or not, the
// upload taken by the operator, only possibly taken, or not possible; a new
// version gives the version item its download image.
TEST_F(InternetTest, MenuImagesFollowTheTable)
{
    TFoablak w(dir_.filePath(QStringLiteral("prog/kavarex")));
    program_.Jatek.LottoIndex = 0;
    const struct {
        const char* eset;
        bool kezi;
        const char* feltoltes;
        bool elfogadott;
        int keziKep, feltoltesKep;
    } esetek[] = {
        {"betting and an accepted upload", true, "https://up.example/", true, 57, 56},
        {"an upload that may not be taken", true, "https://up.example/", false, 57, 46},
        {"nothing online", false, "", false, 1, 1},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        kvx::TOnlineEleresek t = tabla(6);
        t.KeziFogadas[0] = e.kezi ? "https://bet.example/manual?g=0" : "";
        t.Feltoltes1[0] = e.feltoltes;
        t.FeltoltesElfogadott[0] = e.elfogadott ? 1 : 0;
        const std::string d = kep(t);
        QFile f(datOdb());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(d.data(), static_cast<qint64>(d.size()));
        f.close();
        ASSERT_TRUE(iv().OnlineEleresBetoltes(datOdb()));
        for (const auto& [nev, index] : {std::pair{kvx::ParancsId::Kziadatbevitel1, e.keziKep}, std::pair{kvx::ParancsId::Varicifeltltse1, e.feltoltesKep}}) {
            QAction* a = w.Akcio(nev);
            EXPECT_EQ(a->property("KepIndex").toInt(), index) << nev;
            EXPECT_FALSE(a->icon().isNull()) << nev;
        }
    }
    QAction* verzio = w.Akcio(kvx::ParancsId::jverzikeresse1);
    EXPECT_TRUE(verzio->icon().isNull());
    emit iv().ujVerzioLetoltheto(QStringLiteral("9.9.9.9"));
    EXPECT_EQ(verzio->property("KepIndex").toInt(), 49);
    EXPECT_FALSE(verzio->icon().isNull());
    EXPECT_EQ(verzio->text(), QString::fromUtf8("Új verzió letöltése"));
}

// The start-up checks of the file dates, run through the main window with a
// probe of the test's own.
TEST_F(InternetTest, StartUpChecksFollowTheFileDates)
{
    namespace fs = std::filesystem;
    TFoablak w(dir_.filePath(QStringLiteral("prog/kavarex")));
    InternetParancsok* menu = w.findChild<InternetParancsok*>();
    ASSERT_NE(menu, nullptr);
    kvx::Folders& f = program_.Konyvtarak;
    f.DatKonyvtar = dir_.filePath(QStringLiteral("Dat/")).toStdString();
    f.IniAllomany = dir_.filePath(QStringLiteral("kavarex.ini")).toStdString();
    program_.Jatek.LottoIndex = 0;
    const std::string db = f.DatKonyvtar + kvx::AdatbazisAllomany[0];
    for (const std::string& ut : {f.IniAllomany, db}) {
        QFile d(QString::fromStdString(ut));
        d.open(QIODevice::WriteOnly);
        d.write("x");
    }
    const auto most = fs::last_write_time(f.IniAllomany);
    const auto datum = [&](const std::string& ut, int napja) {
        fs::last_write_time(ut, most - std::chrono::hours(24 * napja));
    };
    bool online = false;
    int probak = 0;
    // The checks offer the maker's downloads: they probe the maker's site.
    iv().Proba = [&](const QUrl& proba) {
        ++probak;
        EXPECT_EQ(proba.toString().toStdString(), program_.Gyarto.ProbaCim);
        return online;
    };
    const QByteArray regi = qgetenv("KAVAREX_NO_STARTUP_CHECKS");
    qunsetenv("KAVAREX_NO_STARTUP_CHECKS");
    program_.Beallitasok.UjVerzioKereses = true;

    // Old database, offline: the warning names the days; the table is fresh.
    datum(db, 21);
    datum(datOdb().toStdString(), 1);
    {
        Valaszolo v({QStringLiteral("OK")});
        menu->InditasiEllenorzes();
        ASSERT_EQ(dobozok(v).size(), 1);
        EXPECT_TRUE(dobozok(v)[0].startsWith(QString::fromUtf8("21 napja nem frissült a húzások adatbázisa.")));
    }
    // Online: the every-game update starts and its question names the days.
    // (The confirmation's tip follows it once; No clears it.)
    online = true;
    {
        Valaszolo v({QStringLiteral("Nem"), QStringLiteral("Nem")});
        menu->InditasiEllenorzes();
        ASSERT_GE(dobozok(v).size(), 1);
        EXPECT_TRUE(dobozok(v)[0].startsWith(
            QString::fromUtf8("21 napja nem frissült - %1 húzásainak listája.").arg(QString::fromUtf8(kvx::JatekNev[0]))))
            << dobozok(v)[0].toStdString();
    }
    // A fresh database and an old table, online, with a variation (as when
    // one is opened from the command line): no version check; the table's
    // age is asked, No: nothing starts.
    datum(db, 1);
    datum(datOdb().toStdString(), 30);
    ASSERT_TRUE(kvx::SetBontasMatrix(program_.Tar, 1, 5, nullptr));
    program_.Tar.BontSzelvszam = 1;
    {
        Valaszolo v({QStringLiteral("Nem")});
        menu->InditasiEllenorzes();
        ASSERT_EQ(dobozok(v).size(), 1);
        EXPECT_TRUE(dobozok(v)[0].startsWith(QString::fromUtf8("30 napja nem frissült az internetes")));
        EXPECT_TRUE(program_.Online.VerzioKeresesVege.load());
    }
    for (const std::string& k : szerver_.kert())
        EXPECT_NE(k, "/hu/download/kvxversion.txt");
    // Without one, the version check runs silently instead: a newer version
    // shows the notification button, the due refresh waits for later.
    program_.Tar.BontSzelvszam = 0;
    szerver_.beallit("/hu/download/kvxversion.txt", {200, negyJegy(kvx::VerzioSzam() + 1)});
    QAction* ertesito = w.findChild<QAction*>(QStringLiteral("VerzioErtesitoGomb"));
    ASSERT_NE(ertesito, nullptr);
    EXPECT_FALSE(ertesito->isVisible());
    {
        Valaszolo v({});
        menu->InditasiEllenorzes();
        varVegeig(program_.Online);
        EXPECT_TRUE(dobozok(v).isEmpty()) << dobozok(v).join('|').toStdString();
    }
    EXPECT_EQ(szerver_.kert().back(), "/hu/download/kvxversion.txt");
    EXPECT_TRUE(ertesito->isVisible());
    EXPECT_TRUE(ertesito->toolTip().startsWith(
        QString::fromUtf8(" Megjelent a Kavarex Personal %1 verziója. ").arg(pontokkal(kvx::VerzioSzam() + 1))));
    EXPECT_EQ(w.Akcio(kvx::ParancsId::jverzikeresse1)->text(), QString::fromUtf8("Új verzió letöltése"));
    EXPECT_TRUE(program_.Online.EleresFrissitesKell);
    program_.Beallitasok.UjVerzioKereses = false;
    // A missing table asks whatever the dates; the probe is not needed.
    QFile::remove(datOdb());
    online = false;
    probak = 0;
    {
        Valaszolo v({QStringLiteral("Nem")});
        menu->InditasiEllenorzes();
        ASSERT_EQ(dobozok(v).size(), 1);
        EXPECT_TRUE(dobozok(v)[0].startsWith(QString::fromUtf8("Hiányzik az internetes hivatkozások")));
        EXPECT_EQ(probak, 0);
    }
    // Switched off: nothing is asked at all.
    qputenv("KAVAREX_NO_STARTUP_CHECKS", "1");
    {
        Valaszolo v({QStringLiteral("Nem")});
        menu->InditasiEllenorzes();
        EXPECT_TRUE(dobozok(v).isEmpty());
    }
    if (regi.isEmpty())
        qunsetenv("KAVAREX_NO_STARTUP_CHECKS");
}

}  // namespace

#include "internet_test.moc"
