// Printing through Qt's printer into PDF files (one per job) checked with
// poppler's tools, and the print files checked with a real RTF reader.
#include "shell/foablak.h"
#include "app/ui/program.h"
#include "variation/ui/variacio_parancsok.h"
#include "shell/formok.h"
#include "conditions/number_pools.h"
#include "conditions/ui/info.h"
#include "conditions/ui/feltetelek.h"
#include "printing/ui/nyomtopc.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontellszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/variacio_vezerlo.h"
#include <QGroupBox>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QPushButton>
#include <QTextEdit>
#include <QTest>
#include <QApplication>
#include "app/ui/beallitasok.h"
#include "app/ui/uzenetablak.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "printing/ui/megnyitasok.h"
#include "moc_megnyitasok.cpp"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include "app/folders.h"
#include "app/settings.h"
#include "printing/nyomtatas_fixture.h"
#include "printing/print_pages.h"
#include "variation/store_jobs.h"
#include "variation/variation_file.h"
#include "conditions/variation_options.h"
#include "app/ui/valaszolo.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <sstream>

using namespace kvx;
using namespace kvx::testing;

namespace {

// A box's text with its line breaks as the box shows them.
std::string Sima(QString s)
{
    return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString();
}

class NyomtatasTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        ny_ = window_->Nyomtatas();
        ASSERT_NE(ny_, nullptr);
        ny_->NyomtatoElerheto = [this] { return vanNyomtato_; };
        ny_->NyomtatoKeszites = [this](int) {
            auto p = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setPageSize(QPageSize(QPageSize::A4));
            p->setOutputFileName(dir_.filePath(QStringLiteral("job%1.pdf").arg(nyomtatok_.size() + 1)));
            nyomtatok_.push_back(std::move(p));
            return nyomtatok_.back().get();
        };
    }

    void Huzasok(int db)
    {
        program_.Huzasok = kvx::testing::Huzasok(program_.Jatek, db);
        program_.Huzasok.AdatbazisBetoltve = true;
    }

    // A variation of `db` lines of 5 over the selected numbers 1..12.
    void Variacio(int db)
    {
        SzamListak& l = program_.Szamok;
        l.KijeloltSzamok.clear();
        for (int i = 1; i <= 12; ++i)
            l.KijeloltSzamok.push_back(static_cast<std::uint8_t>(i));
        l.KijeloltFoSzamDb = 12;
        l.KijeloltFoSzamFelso = 11;
        l.VariacioMeret = l.VariacioFoMeret = 5;
        l.VariacioMeretFelso = l.VariacioFoMeretFelso = 4;
        VariationStore& t = program_.Tar;
        ASSERT_TRUE(SetBontasMatrix(t, db, 5, nullptr));
        for (int s = 0; s < db; ++s)
            for (int k = 0; k < 5; ++k)
                t.sor(s)[k] = static_cast<std::uint8_t>((s + k) % 12);
        t.BontSzelvszam = db;
    }

    // Every window made and shown, a variation of `db` lines and its list open.
    TBontLista* ListaNyitva(int db)
    {
        FormokLetrehozasa(*window_);
        settings().UzenetekLog.fill(0);  // no once-only tips
        window_->show();
        Variacio(db);
        program_.Variacio().Ertesites();
        kvx::Program::aktualis().VariacioParancsai().ParancsAllapotFrissites();
        TBontLista* lista = formok().BontLista;
        if (lista) {
            lista->TablaUjrakezdes();
            lista->BontListaStart();
        }
        return lista;
    }

    std::string Job(int job) { return dir_.filePath(QStringLiteral("job%1.pdf").arg(job)).toStdString(); }

    // pdfinfo's fields of a job's file.
    std::map<std::string, std::string> Info(int job) { return Info(Job(job)); }
    static std::map<std::string, std::string> Info(const std::string& pdf)
    {
        std::map<std::string, std::string> m;
        std::istringstream in(Futtatas("pdfinfo '" + pdf + "'"));
        for (std::string sor; std::getline(in, sor);) {
            const auto k = sor.find(':');
            if (k == std::string::npos)
                continue;
            std::string v = sor.substr(k + 1);
            v.erase(0, v.find_first_not_of(' '));
            m[sor.substr(0, k)] = v;
        }
        return m;
    }

    // The text lines of a job's PDF (of its page `oldal` when given), blanks
    // collapsed, empty lines dropped.
    std::vector<std::string> Szoveg(int job) { return Szoveg(Job(job)); }
    static std::vector<std::string> Szoveg(const std::string& pdf, int oldal = 0)
    {
        const std::string lapok = oldal > 0 ? " -f " + std::to_string(oldal) + " -l " + std::to_string(oldal) : "";
        std::istringstream in(Futtatas("pdftotext -layout -enc UTF-8" + lapok + " '" + pdf + "' -"));
        std::vector<std::string> v;
        for (std::string sor; std::getline(in, sor);) {
            if (!sor.empty() && sor.back() == '\f')
                sor.pop_back();
            std::string t = Tomor(sor);
            if (!t.empty() && t != "\f")
                v.push_back(t);
        }
        return v;
    }

    // A page of the buffer as the PDF's text should show it.
    static std::vector<std::string> Vart(const std::vector<NyomtSor>& lap)
    {
        std::vector<std::string> v;
        for (const NyomtSor& s : lap) {
            const std::string t = Tomor(s.Szoveg);
            if (!t.empty() && s.Szoveg != kLapdobasSor)
                v.push_back(t);
        }
        return v;
    }

    // A file of the list folder.
    static QString ListaAllomany(const char* nev)
    {
        return QString::fromStdString(folders().ListKonyvtar) + QString::fromUtf8(nev);
    }

    // The texts of the message boxes a responder saw (not the file dialogs).
    static QStringList Dobozok(const teszt::Valaszolo& v)
    {
        QStringList l;
        for (const teszt::LatottDoboz& d : v.Latott)
            if (d.ObjektumNev != QStringLiteral("PdfDialog"))
                l << Sima(d.Szoveg).c_str();
        return l;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    NyomtatasVezerlo* ny_ = nullptr;
    bool vanNyomtato_ = true;
    std::vector<std::unique_ptr<QPrinter>> nyomtatok_;
    teszt::MegnyitasFigyelo figyelo_;
    QStringList& megnyitva_ = figyelo_.Allomanyok;
};

}  // namespace

TEST_F(NyomtatasTest, EveryPageIsAJobOfItsOwnTitledByTheStemAndItsNumber)
{
    Huzasok(300);
    ASSERT_TRUE(ny_->HuzListaNyomtatas(false));
    const auto lapok = LapokFelosztasa(ny_->Egyseg.ListaPuffer);
    // Paper pages: 74 rows of two draws, 300 draws make 3 pages.
    ASSERT_EQ(lapok.size(), 3u);
    ASSERT_EQ(nyomtatok_.size(), 3u);
    for (int job = 1; job <= 3; ++job) {
        const auto info = Info(job);
        EXPECT_EQ(info.at("Title"), "huzlist" + std::to_string(job));
        EXPECT_EQ(info.at("Pages"), "1");
        EXPECT_EQ(Szoveg(job), Vart(lapok[static_cast<std::size_t>(job - 1)])) << "job " << job;
    }
    EXPECT_TRUE(megnyitva_.isEmpty());
}

TEST_F(NyomtatasTest, ABufferWithoutFormFeedsIsOneJob)
{
    ny_->Egyseg.Torles();
    ny_->Egyseg.Hozzaad("Árvíztűrő tükörfúrógép", true);
    ny_->Egyseg.Hozzaad("  második sor");
    ASSERT_TRUE(ny_->LapokNyomtatasa(QStringLiteral("infolist"), 25));
    ASSERT_EQ(nyomtatok_.size(), 1u);
    EXPECT_EQ(Info(1).at("Title"), "infolist1");
    EXPECT_EQ(Szoveg(1), (std::vector<std::string>{"Árvíztűrő tükörfúrógép", "második sor"}));
}

TEST_F(NyomtatasTest, TheDrawListFileIsWrittenThenOpened)
{
    Huzasok(150);
    window_->Nyomtatas()->Nyomtats3Click();
    const QString f = QString::fromStdString(folders().ListKonyvtar) + QStringLiteral("huzlist.rtf");
    ASSERT_EQ(megnyitva_, QStringList{f});
    EXPECT_EQ(RtfOlvasas(f.toStdString()), Tomoritve(ny_->Egyseg.ListaPuffer));
    EXPECT_EQ(ny_->Egyseg.OldalSorok, kAllomanyOldalSorok);
    EXPECT_TRUE(nyomtatok_.empty());
}

TEST_F(NyomtatasTest, AFailedSaveIsReportedAndNothingIsOpened)
{
    Huzasok(10);
    // The list folder is gone: the file cannot be written.
    const std::string regi = folders().ListKonyvtar;
    folders().ListKonyvtar = dir_.filePath(QStringLiteral("nincs/ilyen/")).toStdString();
    teszt::Valaszolo v({QStringLiteral("OK")});
    EXPECT_FALSE(ny_->HuzListaNyomtatas(true));
    EXPECT_TRUE(megnyitva_.isEmpty());
    ASSERT_EQ(v.Latott.size(), 1);
    EXPECT_EQ(Sima(v.Latott[0].Szoveg),
              Sima(QString::fromUtf8(kNemSikerultLetrehozni) + dir_.filePath(QStringLiteral("nincs/ilyen/huzlist.rtf"))));
    folders().ListKonyvtar = regi;

    // A file in use (here: a folder in its place) stops before anything is
    // built, with the in-use message.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(regi) + QStringLiteral("huzlist.rtf")));
    teszt::Valaszolo v2({QStringLiteral("OK")});
    EXPECT_FALSE(ny_->HuzListaNyomtatas(true));
    EXPECT_TRUE(megnyitva_.isEmpty());
    ASSERT_EQ(v2.Latott.size(), 1);
    EXPECT_TRUE(v2.Latott[0].Szoveg.startsWith(QStringLiteral("Foglalt állomány")));
}

TEST_F(NyomtatasTest, PaperCommandsAskFirstAndWithoutAPrinterOfferAPdf)
{
    Variacio(20);
    window_->show();
    // Declined: nothing printed.
    {
        teszt::Valaszolo v({QStringLiteral("Nem")});
        window_->Nyomtatas()->Listanyomtatsa2Click();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_EQ(Sima(v.Latott[0].Szoveg),
                  Sima("Elindítja a nyomtatást?\n\n" + window_->Akcio(ParancsId::Listanyomtatsa2)->toolTip()));
        EXPECT_TRUE(nyomtatok_.empty());
    }
    // No printer: the PDF's save dialog, usable over the disabled windows;
    // cancelled, nothing is written or opened and nothing more is asked.
    vanNyomtato_ = false;
    {
        teszt::Valaszolo v({QStringLiteral("Igen")});
        teszt::PdfValaszto pdf(false);
        window_->Nyomtatas()->Listanyomtatsa2Click();
        EXPECT_EQ(Dobozok(v).size(), 1);
        EXPECT_EQ(pdf.Javaslatok, QStringList{ListaAllomany("bontlist1.pdf")});
        EXPECT_EQ(pdf.Engedelyezett, QList<bool>{true});
        EXPECT_TRUE(nyomtatok_.empty());
        EXPECT_FALSE(QFile::exists(ListaAllomany("bontlist1.pdf")));
        EXPECT_TRUE(QDir(ListaAllomany("")).entryList({QStringLiteral("*.tmp")}, QDir::Files).isEmpty());
        EXPECT_TRUE(megnyitva_.isEmpty());
    }
    // With a printer: the variation list, jobs titled "bontlist" + page.
    vanNyomtato_ = true;
    {
        teszt::Valaszolo v({QStringLiteral("Igen")});
        window_->Nyomtatas()->Listanyomtatsa2Click();
    }
    ASSERT_EQ(nyomtatok_.size(), LapokFelosztasa(ny_->Egyseg.ListaPuffer).size());
    EXPECT_EQ(Info(1).at("Title"), "bontlist1");
    EXPECT_EQ(Szoveg(1), Vart(LapokFelosztasa(ny_->Egyseg.ListaPuffer)[0]));
    window_->hide();
}

// Without a printer each paper command writes its pages into one PDF file,
// proposed in the list folder under the first job's name, each page laid out
// as the paper page (A4), and opens it; no printer job is made.
TEST_F(NyomtatasTest, WithoutAPrinterEachPaperCommandWritesItsPagesIntoOnePdf)
{
    FormokLetrehozasa(*window_);
    settings().UzenetekLog.fill(0);  // no once-only tips
    Huzasok(300);
    Variacio(400);
    vanNyomtato_ = false;
    TInfo* info = formok().Info;
    ASSERT_NE(info, nullptr);
    struct Eset {
        const char* allomany;
        std::function<void()> parancs;
        const char* valasz;  // to the question before printing
        std::size_t lapok;   // at least
    } esetek[] = {
        {"huzlist1.pdf", [this] { window_->Nyomtatas()->Listanyomtatsa1Click(); }, "Igen", 3},
        {"bontlist1.pdf", [this] { window_->Nyomtatas()->Listanyomtatsa2Click(); }, "Igen", 1},
        {"infolist1.pdf",
         [info] {
             info->Start();
             info->Button2->click();
             info->close();
         },
         "Nem", 1},  // "Nem": on paper
    };
    for (const Eset& e : esetek) {
        megnyitva_.clear();
        teszt::Valaszolo v({QString::fromUtf8(e.valasz)});
        teszt::PdfValaszto pdf;
        e.parancs();
        const QString f = ListaAllomany(e.allomany);
        ASSERT_EQ(pdf.Javaslatok, QStringList{f}) << e.allomany;
        EXPECT_EQ(megnyitva_, QStringList{f}) << e.allomany;
        EXPECT_TRUE(nyomtatok_.empty()) << e.allomany;
        const auto lapok = LapokFelosztasa(ny_->Egyseg.ListaPuffer);
        ASSERT_GE(lapok.size(), e.lapok) << e.allomany;
        const auto m = Info(f.toStdString());
        EXPECT_EQ(m.at("Title"), QFileInfo(f).completeBaseName().toStdString());
        EXPECT_EQ(m.at("Pages"), std::to_string(lapok.size())) << e.allomany;
        EXPECT_NE(m.at("Page size").find("(A4)"), std::string::npos) << m.at("Page size");
        for (std::size_t l = 0; l < lapok.size(); ++l)
            EXPECT_EQ(Szoveg(f.toStdString(), static_cast<int>(l) + 1), Vart(lapok[l])) << e.allomany << " " << l + 1;
        // No temporary file is left beside it.
        EXPECT_EQ(QDir(ListaAllomany("")).entryList({QStringLiteral("*.tmp")}, QDir::Files), QStringList{});
    }
    // The accents come back as written: the page of a buffer of them.
    ny_->Egyseg.Torles();
    ny_->Egyseg.Hozzaad("Árvíztűrő tükörfúrógép ŐŰ", true);
    ny_->Egyseg.Hozzaad("  második sor");
    {
        teszt::PdfValaszto pdf(true, dir_.filePath(QStringLiteral("ekezetek.pdf")));
        ASSERT_TRUE(ny_->LapokNyomtatasa(QStringLiteral("infolist"), 25));
    }
    EXPECT_EQ(Szoveg(dir_.filePath(QStringLiteral("ekezetek.pdf")).toStdString()),
              (std::vector<std::string>{"Árvíztűrő tükörfúrógép ŐŰ", "második sor"}));
}

// Without a printer the page set-up sets up the PDF's pages: a landscape
// choice there gives landscape A4 pages.
TEST_F(NyomtatasTest, WithoutAPrinterThePageSetUpShapesThePdfsPages)
{
    vanNyomtato_ = false;
    QPageSetupDialog* d = ny_->PrSetupCreate();
    ASSERT_NE(d, nullptr);
    d->printer()->setPageOrientation(QPageLayout::Landscape);
    ny_->Egyseg.Torles();
    ny_->Egyseg.Hozzaad("Fekvő lap");
    // Every later printout keeps it.
    for (const char* nev : {"fekvo1.pdf", "fekvo2.pdf"}) {
        const QString f = dir_.filePath(QString::fromUtf8(nev));
        {
            teszt::PdfValaszto pdf(true, f);
            ASSERT_TRUE(ny_->LapokNyomtatasa(QStringLiteral("infolist"), 25));
        }
        EXPECT_EQ(Info(f.toStdString()).at("Page size"), "842 x 595 pts (A4)") << nev;
        EXPECT_EQ(Szoveg(f.toStdString()), std::vector<std::string>{"Fekvő lap"});
    }
}

// Where the desktop has no program for a file it was handed (the offscreen
// platform has none), a message names the file with its full path: the RTF
// of "Nyomtatás állományba" and the PDF printed without a printer.
TEST_F(NyomtatasTest, AWrittenFileTheDesktopCannotOpenIsNamedWithItsFullPath)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    Huzasok(10);
    vanNyomtato_ = false;
    const struct {
        std::function<void()> parancs;
        QString allomany;
        QStringList valaszok;
    } esetek[] = {
        {[this] { window_->Nyomtatas()->Nyomtats3Click(); }, ListaAllomany("huzlist.rtf"), {QStringLiteral("OK")}},
        {[this] { window_->Nyomtatas()->Listanyomtatsa1Click(); }, ListaAllomany("huzlist1.pdf"),
         {QStringLiteral("Igen"), QStringLiteral("OK")}},
    };
    for (const auto& [parancs, f, valaszok] : esetek) {
        teszt::Valaszolo v(valaszok);
        teszt::PdfValaszto pdf;
        parancs();
        EXPECT_TRUE(QFile::exists(f)) << f.toStdString();
        const QStringList d = Dobozok(v);
        ASSERT_FALSE(d.isEmpty()) << f.toStdString();
        EXPECT_EQ(d.back().toStdString(), Sima(QString::fromUtf8(kNincsMegnyitoProgram) + f)) << f.toStdString();
        EXPECT_TRUE(QFileInfo(f).isAbsolute());
    }
}

// With no printer installed the slip options still open, ready to print
// (into a PDF) and to calibrate.
TEST_F(NyomtatasTest, TheSlipOptionsOpenWithoutAPrinter)
{
    FormokLetrehozasa(*window_);
    settings().UzenetekLog.fill(0);  // no once-only tips
    window_->show();
    vanNyomtato_ = false;
    Variacio(20);
    TNyomtOpc* opc = formok().NyomtOpc;
    ASSERT_NE(opc, nullptr);
    {
        teszt::Valaszolo v({QStringLiteral("OK")});
        window_->Nyomtatas()->SzelvenyKitoltesStart();
        EXPECT_TRUE(v.Latott.isEmpty());
    }
    ASSERT_TRUE(opc->isVisible());
    const QWidget* const reszek[] = {opc->NyomtatasGomb, opc->TesztGomb, opc->NyomtTulGomb, opc->TrackBarTopLeft,
                                     opc->JokerGroup};
    for (const QWidget* w : reszek)
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
        opc->grab().save(QDir(d).filePath(QStringLiteral("szelveny_opciok_nyomtato_nelkul.png")));
    opc->reject();
    window_->hide();
}

TEST_F(NyomtatasTest, MoreThan10000LinesAreRefusedBeforeAnythingIsBuilt)
{
    struct Eset {
        int sorok;
        bool elutasitva;
    } esetek[] = {{10000, false}, {10001, true}};
    for (const Eset& e : esetek) {
        Variacio(e.sorok);
        megnyitva_.clear();
        ny_->Egyseg.Torles();
        teszt::Valaszolo v({QStringLiteral("OK")});
        window_->Nyomtatas()->Lista1Click();
        EXPECT_EQ(megnyitva_.isEmpty(), e.elutasitva) << e.sorok;
        if (e.elutasitva) {
            ASSERT_EQ(v.Latott.size(), 1);
            EXPECT_EQ(Sima(v.Latott[0].Szoveg), Sima(QString::fromUtf8(kTobbMint10000)));
            EXPECT_TRUE(ny_->Egyseg.ListaPuffer.empty());
        }
    }
}

TEST_F(NyomtatasTest, InformationTextWithoutPagingAndItsPrintFile)
{
    Variacio(30);
    const auto szoveg = ny_->InfoSzoveg();
    ASSERT_GE(szoveg.size(), 4u);
    EXPECT_TRUE(szoveg[0].Vastag);
    EXPECT_EQ(szoveg[1].Szoveg.find("oldal"), std::string::npos);
    for (const auto& s : szoveg)
        EXPECT_NE(s.Szoveg, kLapdobasSor);
    ASSERT_TRUE(ny_->InfoNyomtatas(true));
    const QString f = QString::fromStdString(folders().ListKonyvtar) + QStringLiteral("infolist.rtf");
    EXPECT_EQ(megnyitva_, QStringList{f});
    EXPECT_EQ(RtfOlvasas(f.toStdString()), Tomoritve(szoveg));
}

// Both variation-list printouts put sorted lines back into their earlier
// order first: the printout numbers them as before the sort.
TEST_F(NyomtatasTest, TheVariationListPrintoutsRestoreTheEarlierOrderFirst)
{
    TBontLista* lista = ListaNyitva(20);
    ASSERT_TRUE(lista);
    const VariationStore& t = program_.Tar;
    const std::vector<std::uint8_t> eredeti(t.FBontasMatrix, t.FBontasMatrix + 20 * 5);
    ASSERT_TRUE(ny_->BontListaNyomtatas(true));
    const std::vector<NyomtSor> vart = ny_->Egyseg.ListaPuffer;
    struct Eset {
        kvx::ParancsId nev;
        std::function<void()> parancs;
    } esetek[] = {
        {ParancsId::Lista1, [this] { window_->Nyomtatas()->Lista1Click(); }},
        {ParancsId::Listanyomtatsa2,
         [this] {
             teszt::Valaszolo v({QStringLiteral("Igen")});
             window_->Nyomtatas()->Listanyomtatsa2Click();
         }},
    };
    for (const Eset& e : esetek) {
        kvx::Program::aktualis().VariacioParancsai().Rendezes();
        ASSERT_NE(std::vector<std::uint8_t>(t.FBontasMatrix, t.FBontasMatrix + 20 * 5), eredeti) << e.nev;
        ASSERT_TRUE(window_->Akcio(ParancsId::Eredetisorrend1)->isEnabled()) << e.nev;
        ny_->Egyseg.Torles();
        e.parancs();
        EXPECT_EQ(std::vector<std::uint8_t>(t.FBontasMatrix, t.FBontasMatrix + 20 * 5), eredeti) << e.nev;
        EXPECT_EQ(Tomoritve(ny_->Egyseg.ListaPuffer), Tomoritve(vart)) << e.nev;
    }
}

// The Találat option is described by the summary its panel worked out, and
// a loaded variation's option by the values its file brought.
TEST_F(NyomtatasTest, TheTalalatOptionIsDescribedByItsSummary)
{
    Variacio(30);
    struct Eset {
        std::int32_t T;
        bool teteles, sorozat;
        const char* vart;
    } esetek[] = {
        {3, false, false, " 3 találatot elérő számsorok."},
        {2, true, false, " 1 - 4 esetben előforduló, 2 találatot elérő számsorok."},
        {2, true, true, " 1 - 4 esetben előforduló, 2 találatot elérő számsorok ciklikus leválogatása."},
    };
    const auto leiras = [this] {
        std::vector<std::string> v;
        for (const NyomtSor& s : ny_->InfoSzoveg())
            v.push_back(s.Szoveg);
        return v;
    };
    const auto utana = [](const std::vector<std::string>& v, const std::string& mi) -> std::string {
        const auto i = std::find(v.begin(), v.end(), mi);
        return i == v.end() || i + 1 == v.end() ? std::string("(nincs)") : *(i + 1);
    };
    OpcioKornyezet env;
    env.KijeloltFoSzamDb = 12;
    env.VariacioFoMeret = 5;
    env.VariacioMeretFelso = 4;
    env.SzamsorFoSzamDb = 5;
    env.SzamsorHosszMax = 4;
    for (const Eset& e : esetek) {
        OpcioDobozok d;
        d.TulirasBontBox = true;
        d.TulirasUD = e.T;
        d.TulirasTetelesBox = e.teteles;
        d.TulirasTetelesEdit = "1";
        d.TulirasTetelesMaxEdit = "4";
        d.TulirasSorozatBox = e.sorozat;
        const OpcioEredmeny r =
            VariacioOpciokSzamitasa(d, OpcioForras::Nincs, env, program_.Feltetelek, program_.VariacioOpciok);
        ASSERT_TRUE(r.Hiba.empty()) << r.Hiba;
        ASSERT_EQ(program_.VariacioOpciok.TulirasSorozat, e.sorozat) << e.vart;
        EXPECT_EQ(utana(leiras(), "Találat opció"), e.vart);
    }
    // A variation file brings T and the Tételes range without the panel.
    VariacioOpcioErtekek& o = program_.VariacioOpciok;
    o = {};
    VariacioTorzs z;
    z.TulirasBont = 1;
    z.TulirasTeteles = 1;
    z.Tuliras = 4;
    z.TulirasTetelesMin = 2;
    z.TulirasTetelesMax = 7;
    VariacioTorzsAlkalmazas(z, program_.Tar, program_.Bontas, o, program_.Feltetelek, program_.VariacioAllomany);
    EXPECT_EQ(utana(leiras(), "Találat opció"), " 2 - 7 esetben előforduló, 4 találatot elérő számsorok.");
}

namespace {

// The information window shows the printed description, quoting the
// conditions window's lists, and its "Nyomtatás" writes the print file after
// its three-way question.
TEST_F(NyomtatasTest, InformationWindowShowsAndPrintsTheDescription)
{
    FormokLetrehozasa(*window_);
    Variacio(30);
    FeltetelRekordok& f = program_.Feltetelek;
    f.SzamkeszletFeltetel.Allapot = 1;
    SzamokAlapertelmezett(f.SzamkeszletFeltetel, 12, 5);
    f.FeltetelJelzo = true;
    TInfo* info = formok().Info;
    ASSERT_NE(info, nullptr);
    info->Start();
    const QString szoveg = info->BontInfo->toPlainText();
    EXPECT_TRUE(szoveg.contains(QStringLiteral("Variációra kijelölt számok")));
    EXPECT_TRUE(szoveg.contains(QStringLiteral("Eloszlás - Számkészletek")));
    EXPECT_TRUE(szoveg.contains(QString::fromStdString(SzamokList(f.SzamkeszletFeltetel, 0))));
    ASSERT_TRUE(info->Button2->isEnabled());
    {
        teszt::Valaszolo v({QStringLiteral("Mégse")});
        info->Button2->click();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QStringLiteral("Információk nyomtatása")));
    }
    EXPECT_TRUE(megnyitva_.isEmpty());
    {
        teszt::Valaszolo v({QStringLiteral("Igen")});
        info->Button2->click();
    }
    const QString fajl = QString::fromStdString(folders().ListKonyvtar) + QStringLiteral("infolist.rtf");
    EXPECT_EQ(megnyitva_, QStringList{fajl});
    const std::vector<NyomtSor> rtf = RtfOlvasas(fajl.toStdString());
    EXPECT_TRUE(std::any_of(rtf.begin(), rtf.end(),
                            [](const NyomtSor& s) { return s.Szoveg.find("Eloszlás - Számkészletek") != std::string::npos; }));
    info->close();
}

// The variation list's printouts and the coupon filling need a variation:
// off while there is none, from the main window's start on, and on with
// their own hints once one is there.
TEST_F(NyomtatasTest, TheVariationsPrintCommandsFollowWhetherThereIsAVariation)
{
    const struct {
        kvx::ParancsId Id;
        const char* Tipp;
    } parancsok[] = {{ParancsId::Listanyomtatsa2, " Nyomtatás "},
                     {ParancsId::Lista1, " Variáció listájának nyomtatása állományba "},
                     {ParancsId::Szelvnyek1, " Szelvények kitöltése nyomtatóval "}};
    const auto allapot = [&](bool van, const char* mikor) {
        for (const auto& p : parancsok) {
            const QAction* a = window_->Akcio(p.Id);
            ASSERT_NE(a, nullptr) << p.Id;
            EXPECT_EQ(a->isEnabled(), van) << p.Id << " " << mikor;
            EXPECT_EQ(a->statusTip(), QString::fromUtf8(van ? p.Tipp : " Nincs kész variáció ")) << p.Id << " " << mikor;
        }
    };
    allapot(false, "at start");
    FormokLetrehozasa(*window_);
    settings().UzenetekLog.fill(0);  // no once-only tips
    window_->show();
    allapot(false, "with every window");
    Variacio(20);
    program_.Variacio().Ertesites();
    kvx::Program::aktualis().VariacioParancsai().ParancsAllapotFrissites();
    allapot(true, "with a variation");
    {
        teszt::Valaszolo v({QStringLiteral("Igen")});
        window_->Akcio(ParancsId::rls2)->trigger();
    }
    ASSERT_EQ(program_.Tar.BontSzelvszam, 0);
    allapot(false, "after the deletion");
}

// The settings window's printer button opens the page set-up of the printer
// the printouts go to.
TEST_F(NyomtatasTest, TheSettingsPrinterButtonOpensThePrintoutsPageSetUp)
{
    FormokLetrehozasa(*window_);
    vanNyomtato_ = false;
    QPageSetupDialog* d = ny_->PrSetupCreate();
    ASSERT_NE(d, nullptr);
    QPointer<QWidget> latott;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&latott] {
        if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget()); w && w->isVisible()) {
            latott = w;
            w->reject();
        }
    });
    figyelo.start(10);
    TBeallitasok* b = formok().Beallitasok;
    ASSERT_NE(b, nullptr);
    b->Button1->click();
    EXPECT_EQ(latott.data(), d);
}

// The variation list's tool bar carries the main window's print, print to
// file, coupon and modify commands: each button takes its command's state
// and hint, and runs it.
TEST_F(NyomtatasTest, TheVariationListsToolBarRunsThePrintCouponAndModifyCommands)
{
    TBontLista* lista = ListaNyitva(20);
    ASSERT_TRUE(lista && lista->isVisible());
    const std::pair<QToolButton*, kvx::ParancsId> gombok[] = {{lista->NyomtatasGomb, ParancsId::Listanyomtatsa2},
                                                           {lista->NyomtatasAllomanybaGomb, ParancsId::Lista1},
                                                           {lista->SzelvenyekGomb, ParancsId::Szelvnyek1},
                                                           {lista->ModositasGomb, ParancsId::Mdosts1}};
    for (const auto& [b, nev] : gombok) {
        ASSERT_NE(b, nullptr) << nev;
        EXPECT_TRUE(b->isVisible()) << nev;
        EXPECT_TRUE(b->isEnabled()) << nev;
        EXPECT_EQ(b->toolTip(), window_->Akcio(nev)->toolTip()) << nev;
    }
    // The narrow window keeps every tool button on its bars (none pushed
    // into an overflow menu); the search among the draws shows only while
    // there are draws to list.
    for (QToolBar* bar : lista->findChildren<QToolBar*>())
        for (QToolButton* b : bar->findChildren<QToolButton*>()) {
            if (!b->objectName().startsWith(QStringLiteral("qt_")) && b != lista->KeresesGomb) {
                EXPECT_TRUE(b->isVisible()) << b->objectName().toStdString();
            }
        }
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
        lista->grab().save(QDir(d).filePath(QStringLiteral("lista_nyomtatas_gombok.png")));
    EXPECT_EQ(lista->NyomtatasAllomanybaGomb->toolTip(), QStringLiteral(" Variáció listájának nyomtatása állományba "));
    EXPECT_EQ(lista->SzelvenyekGomb->toolTip(), QStringLiteral(" Szelvények kitöltése nyomtatóval "));

    // Print to file: the list's RTF file, opened.
    lista->NyomtatasAllomanybaGomb->click();
    const QString fajl = QString::fromStdString(folders().ListKonyvtar) + QStringLiteral("bontlist.rtf");
    ASSERT_EQ(megnyitva_, QStringList{fajl});
    EXPECT_EQ(RtfOlvasas(fajl.toStdString()), Tomoritve(ny_->Egyseg.ListaPuffer));
    EXPECT_TRUE(nyomtatok_.empty());

    // Paper: asked first, then one job per page.
    {
        teszt::Valaszolo v({QStringLiteral("Igen")});
        lista->NyomtatasGomb->click();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.startsWith(QStringLiteral("Elindítja a nyomtatást?")));
    }
    ASSERT_EQ(nyomtatok_.size(), LapokFelosztasa(ny_->Egyseg.ListaPuffer).size());
    EXPECT_EQ(Info(1).at("Title"), "bontlist1");

    // Coupons: the filling options open.
    TNyomtOpc* opc = formok().NyomtOpc;
    ASSERT_NE(opc, nullptr);
    lista->SzelvenyekGomb->click();
    EXPECT_TRUE(opc->isVisible());
    opc->reject();
    EXPECT_FALSE(opc->isVisible());
    EXPECT_TRUE(lista->isEnabled());

    // Modify: the lines go when the user agrees, and the conditions open.
    {
        teszt::Valaszolo v({QStringLiteral("Igen")});
        lista->ModositasGomb->click();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_TRUE(v.Latott[0].Szoveg.contains(QStringLiteral("Biztos törli a variáció listáját?")));
    }
    EXPECT_EQ(program_.Tar.BontSzelvszam, 0);
    EXPECT_FALSE(lista->isVisible());
    EXPECT_TRUE(formok().Feltetelek->isVisible());
    // Without lines the commands are off: the list's buttons with them.
    lista->SzerkesztoGombokBeallitasa();
    for (const auto& [b, nev] : gombok)
        EXPECT_FALSE(b->isEnabled()) << nev;
    formok().Feltetelek->close();
}

}  // namespace

// Slips are filled only for the games whose slips the program knows, and for
// at most 1,000 lines; otherwise the command says why and opens nothing.
TEST_F(NyomtatasTest, SlipFillingRefusesOtherGamesAndMoreThanAThousandLines)
{
    struct Eset {
        int jatek;
        int sorok;
        const char* uzenet;  // nullptr: the filling options open
    } esetek[] = {
        {0, 1000, nullptr},
        {0, 1001, kTobbMint1000Szelveny},
        {3, 10, kSzelvenyNemElerheto},
        {8, 10, nullptr},
        {17, 10, kSzelvenyNemElerheto},
        {30, 10, nullptr},
    };
    FormokLetrehozasa(*window_);
    settings().UzenetekLog.fill(0);  // no once-only tips
    TNyomtOpc* opc = formok().NyomtOpc;
    ASSERT_NE(opc, nullptr);
    for (const Eset& e : esetek) {
        program_.Jatek = NyJatek(e.jatek);
        Variacio(e.sorok);
        teszt::Valaszolo v({QStringLiteral("OK")});
        window_->Nyomtatas()->SzelvenyKitoltesStart();
        if (e.uzenet) {
            ASSERT_EQ(v.Latott.size(), 1) << e.jatek << " " << e.sorok;
            EXPECT_EQ(Sima(v.Latott[0].Szoveg), Sima(QString::fromUtf8(e.uzenet)));
            EXPECT_FALSE(opc->isVisible());
        } else {
            EXPECT_TRUE(v.Latott.isEmpty()) << e.jatek;
            EXPECT_TRUE(opc->isVisible()) << e.jatek;
            opc->reject();
        }
    }
}

namespace {

// The windows the user can work in now: shown, of the program's kinds
// (no menus or tooltips), and on.
std::vector<QWidget*> Valaszolok()
{
    std::vector<QWidget*> v;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType t = w->windowType();
        if (w->isVisible() && w->isEnabled() && (t == Qt::Window || t == Qt::Dialog || t == Qt::Tool))
            v.push_back(w);
    }
    return v;
}

}  // namespace

// While the coupon options are open they are the only window that answers,
// and a test sheet, printed behind the wait window, does not change that:
// the variation list's "Módosítás", which would delete the lines the
// options are about to print, cannot be reached until the options close.
TEST_F(NyomtatasTest, ACouponTestSheetLeavesTheOptionsTheOnlyWindowThatAnswers)
{
    TBontLista* lista = ListaNyitva(20);
    ASSERT_TRUE(lista && lista->isVisible());
    TNyomtOpc* opc = formok().NyomtOpc;
    kvx::TUzenetAblak* varakozas = formok().UzenetAblak;
    // What answers once the wait window has come up for the printing.
    std::vector<std::vector<QWidget*>> kozben;
    QObject::connect(ny_, &NyomtatasVezerlo::varakozasKezdete, varakozas,
                     [&kozben] { kozben.push_back(Valaszolok()); });

    lista->SzelvenyekGomb->click();
    ASSERT_TRUE(opc->isVisible());
    EXPECT_EQ(Valaszolok(), std::vector<QWidget*>{opc});
    opc->TesztGomb->click();
    ASSERT_EQ(nyomtatok_.size(), 1u);
    // While it printed only the wait window showed and answered.
    ASSERT_EQ(kozben.size(), 1u);
    EXPECT_EQ(kozben[0], std::vector<QWidget*>{varakozas});
    EXPECT_FALSE(varakozas->isVisible());
    EXPECT_TRUE(opc->isVisible());
    EXPECT_EQ(Valaszolok(), std::vector<QWidget*>{opc});
    EXPECT_FALSE(lista->ModositasGomb->isEnabled());
    {
        teszt::Valaszolo v({QStringLiteral("Igen")});
        QTest::mouseClick(lista->ModositasGomb, Qt::LeftButton);
        QTest::qWait(100);
        EXPECT_TRUE(v.Latott.isEmpty());
    }
    EXPECT_EQ(program_.Tar.BontSzelvszam, 20);

    // Closed: everything answers again.
    opc->MegseGomb->click();
    EXPECT_FALSE(opc->isVisible());
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_TRUE(lista->isEnabled());
    EXPECT_TRUE(lista->ModositasGomb->isEnabled());
}

namespace {

// A line replaced in place keeps the count of lines, yet the sheets are no
// longer the ones the kept range was chosen on: the next filling offers every
// sheet again.
TEST_F(NyomtatasTest, ALineEditedInPlaceOffersEverySheetAgain)
{
    TBontLista* lista = ListaNyitva(20);
    ASSERT_TRUE(lista && lista->isVisible());
    TNyomtOpc* opc = formok().NyomtOpc;
    const std::int32_t lapok = ny_->SzelvenyLapokSzama();
    ASSERT_GE(lapok, 2);

    // The user's range of an earlier filling survives a close and a reopen.
    lista->SzelvenyekGomb->click();
    ASSERT_TRUE(opc->isVisible());
    EXPECT_EQ(opc->Tol, 1);
    EXPECT_EQ(opc->Ig, lapok);
    opc->Tol = opc->Ig = 2;
    opc->MegseGomb->click();
    lista->SzelvenyekGomb->click();
    EXPECT_EQ(opc->Tol, 2);
    EXPECT_EQ(opc->Ig, 2);
    opc->MegseGomb->click();
    ASSERT_FALSE(opc->isVisible());

    // Line 1 is changed on the check ticket: one of its numbers swapped for
    // a selected number it does not hold.
    const VariationStore& t = program_.Tar;
    const std::vector<std::uint8_t> regi(t.sor(0), t.sor(0) + 5);
    lista->AktSorKijelol(1);
    lista->BontListModositasGomb->click();
    TBontEllSzelveny* s = szelvenyek().BontEllSzelveny;
    ASSERT_TRUE(s && s->isVisible());
    const auto jelol = [s](int n) {
        TSzamPanel* panel = s->SzamPanelek[static_cast<std::size_t>(n - 1)];
        emit panel->Kattintas(panel);
    };
    const TTombByte1D& szamok = program_.Szamok.KijeloltSzamok;
    jelol(szamok[regi[0]]);
    std::uint8_t uj = 0;
    while (std::find(regi.begin(), regi.end(), uj) != regi.end())
        ++uj;
    jelol(szamok[uj]);
    s->TorlesGomb->click();
    ASSERT_EQ(program_.Tar.BontSzelvszam, 20);
    ASSERT_NE(std::vector<std::uint8_t>(t.sor(0), t.sor(0) + 5), regi);

    lista->SzelvenyekGomb->click();
    ASSERT_TRUE(opc->isVisible());
    EXPECT_EQ(opc->Tol, 1);
    EXPECT_EQ(opc->Ig, lapok);
    opc->MegseGomb->click();
}

}  // namespace
