// Coupon filling through Qt's printer into PDF files (one per sheet),
// the marks read back with poppler's word boxes.
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "printing/ui/megnyitasok.h"
#include "printing/ui/nyomtopc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPageLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QPrinter>
#include <QSlider>
#include <QSpinBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/folders.h"
#include "app/game_grid.h"
#include "app/ui/valaszolo.h"
#include "printing/nyomtatas_fixture.h"
#include "variation/store_jobs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

using namespace kvx;
using namespace kvx::testing;

namespace {

struct Szo {
    double x, y;  // top-left corner in mm
    std::string szoveg;
};

class SzelvenyKitoltesTest : public ::testing::Test {
protected:
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<TFoablak>(dir_.filePath("kavarex"));
        ny_ = window_->Nyomtatas();
        ny_->NyomtatoElerheto = [this] { return vanNyomtato_; };
        ny_->NyomtatoKeszites = [this](int) {
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setResolution(600);
            p->setPageSize(QPageSize(QPageSize::A4));
            p->setOutputFileName(dir_.filePath(QStringLiteral("job%1.pdf").arg(nyomtatok_.size() + 1)));
            nyomtatok_.push_back(std::move(p));
            return nyomtatok_.back().get();
        };
        opc_ = new TNyomtOpc(ny_, window_.get());
    }

    // A variation of the game: each line names indexes into the selection.
    void Variacio(int jatek, const std::vector<std::uint8_t>& kijelolt, const std::vector<std::vector<std::uint8_t>>& sorok,
                  int db)
    {
        {
            // Switching games clears the previous variation.
            teszt::Valaszolo v({QStringLiteral("Igen"), QStringLiteral("Igen"), QStringLiteral("Igen")});
            window_->LottoSelect(jatek);
        }
        SzamListak& l = program_.Szamok;
        l.KijeloltSzamok = kijelolt;
        const int k = static_cast<int>(sorok[0].size());
        l.VariacioMeret = l.VariacioFoMeret = k;
        VariationStore& t = program_.Tar;
        ASSERT_TRUE(SetBontasMatrix(t, db, k, nullptr));
        for (int s = 0; s < db; ++s)
            for (int i = 0; i < k; ++i)
                t.sor(s)[i] = sorok[static_cast<std::size_t>(s) % sorok.size()][static_cast<std::size_t>(i)];
        t.BontSzelvszam = db;
    }

    std::vector<Szo> Szavak(int job) { return Szavak(dir_.filePath(QStringLiteral("job%1.pdf").arg(job)).toStdString()); }
    // The words of a PDF, of its page `oldal` when given.
    static std::vector<Szo> Szavak(const std::string& pdf, int oldal = 0)
    {
        const std::string lapok = oldal > 0 ? " -f " + std::to_string(oldal) + " -l " + std::to_string(oldal) : "";
        const std::string ki = Futtatas("pdftotext -bbox" + lapok + " '" + pdf + "' -");
        std::vector<Szo> v;
        static const std::regex re(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re");
        for (auto it = std::sregex_iterator(ki.begin(), ki.end(), re); it != std::sregex_iterator(); ++it)
            v.push_back({std::stod((*it)[1]) * 25.4 / 72.0, std::stod((*it)[2]) * 25.4 / 72.0, (*it)[3]});
        return v;
    }

    // The mark at a printer position (600 dpi unless given, no unprintable
    // edge) is in the PDF within a 600-dpi pixel across and a little more
    // down (the font's ascent is rounded differently by the PDF's font box),
    // well within half a point either way.
    static bool Van(const std::vector<Szo>& szavak, Pont p, const std::string& szoveg = "x", int dpi = 600)
    {
        const double x = p.X * 25.4 / dpi, y = p.Y * 25.4 / dpi;
        for (const Szo& s : szavak)
            if (s.szoveg == szoveg && std::abs(s.x - x) < 0.0424 && std::abs(s.y - y) < 0.15)
                return true;
        return false;
    }

    SzelvenyGeometria Geometria(const NyomtatasVezerlo::SzelvenyOpciok& o = {})
    {
        return ny_->Meretezes(NyomtatoJellemzok{}, o);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TFoablak> window_;
    NyomtatasVezerlo* ny_ = nullptr;
    TNyomtOpc* opc_ = nullptr;
    std::vector<std::unique_ptr<QPrinter>> nyomtatok_;
    bool vanNyomtato_ = true;
    teszt::MegnyitasFigyelo figyelo_;
};

TEST_F(SzelvenyKitoltesTest, ThirteenLinesFillThreeSheetsWithEveryNumberInItsBox)
{
    // Line 1: 47 90 1 2 3; the rest 1 2 3 4 5.
    Variacio(0, {47, 90, 1, 2, 3, 4, 5}, {{0, 1, 2, 3, 4}, {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6},
                                           {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6}},
             13);
    opc_->Start();
    ASSERT_EQ(opc_->Ig, 3);
    opc_->NyomtatasGombClick();
    ASSERT_EQ(nyomtatok_.size(), 3u);
    const SzelvenyGeometria g = Geometria();
    const std::vector<Szo> l1 = Szavak(1), l3 = Szavak(3);
    // 47 on ten columns: column 7, row 5; 90: column 10, row 9.
    EXPECT_TRUE(Van(l1, {7 * 100 + g.PanelX[0][0], 5 * 100 + g.PanelY[0][0]}));
    EXPECT_TRUE(Van(l1, {10 * 100 + g.PanelX[0][0], 9 * 100 + g.PanelY[0][0]}));
    // Line 6 on the sixth panel: 1 in the corner.
    EXPECT_TRUE(Van(l1, {1 * 100 + g.PanelX[0][5], 1 * 100 + g.PanelY[0][5]}));
    int x1 = 0, x3 = 0;
    for (const Szo& s : l1) x1 += s.szoveg == "x";
    for (const Szo& s : l3) x3 += s.szoveg == "x";
    // Six lines of five, the Joker's "Nem" box; the last sheet one line.
    EXPECT_EQ(x1, 31);
    EXPECT_EQ(x3, 6);
    EXPECT_TRUE(Van(l3, g.SorszamPont[0], "3."));
    EXPECT_TRUE(Van(l3, {g.JokerPont[0].X + g.KenoLepes, g.JokerPont[0].Y}));
    std::string szoveg;
    for (const Szo& s : l3) if (s.szoveg != "x") szoveg += s.szoveg + " ";
    EXPECT_EQ(szoveg, "3. \\ 13. - 13. ");
}

// Without a printer the sheets are the pages of one PDF, proposed as the
// first sheet's job name, at the paper's size (A4) with every mark where
// the printer would put it: 1:1, so a printed page fills a real slip.
TEST_F(SzelvenyKitoltesTest, WithoutAPrinterTheSheetsArePdfPagesWithTheMarksInTheirBoxes)
{
    vanNyomtato_ = false;
    Variacio(0, {47, 90, 1, 2, 3, 4, 5}, {{0, 1, 2, 3, 4}, {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6},
                                           {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6}},
             13);
    opc_->Start();
    const QString f = QString::fromStdString(folders().ListKonyvtar) + QStringLiteral("szelveny1.pdf");
    {
        teszt::PdfValaszto pdf;
        opc_->NyomtatasGombClick();
        EXPECT_EQ(pdf.Javaslatok, QStringList{f});
        // Usable while the options hold every other window off.
        EXPECT_EQ(pdf.Engedelyezett, QList<bool>{true});
    }
    EXPECT_TRUE(nyomtatok_.empty());
    EXPECT_EQ(figyelo_.Allomanyok, QStringList{f});
    const std::string info = Futtatas("pdfinfo '" + f.toStdString() + "'");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    // Qt's PDF output lays out at 1200 dpi.
    constexpr int kDpi = 1200;
    const SzelvenyGeometria g = ny_->Meretezes(NyomtatoJellemzok{0, 0, kDpi, kDpi}, {});
    const auto hely = [&g](int oszlop, int sor, int panel) {
        return Pont{oszlop * g.RacsLepesX[0] + g.PanelX[0][panel], sor * g.RacsLepesY[0] + g.PanelY[0][panel]};
    };
    const std::vector<Szo> l1 = Szavak(f.toStdString(), 1), l3 = Szavak(f.toStdString(), 3);
    EXPECT_TRUE(Van(l1, hely(7, 5, 0), "x", kDpi));
    EXPECT_TRUE(Van(l1, hely(10, 9, 0), "x", kDpi));
    EXPECT_TRUE(Van(l1, hely(1, 1, 5), "x", kDpi));
    EXPECT_TRUE(Van(l3, g.SorszamPont[0], "3.", kDpi));
    EXPECT_TRUE(Van(l3, {g.JokerPont[0].X + g.KenoLepes, g.JokerPont[0].Y}, "x", kDpi));
    int x1 = 0, x3 = 0;
    for (const Szo& s : l1) x1 += s.szoveg == "x";
    for (const Szo& s : l3) x3 += s.szoveg == "x";
    EXPECT_EQ(x1, 31);
    EXPECT_EQ(x3, 6);
    opc_->close();

    // The test sheet: the first sheet alone, the options stay open.
    figyelo_.Allomanyok.clear();
    opc_->Start();
    const QString t = dir_.filePath(QStringLiteral("teszt.pdf"));
    {
        teszt::PdfValaszto pdf(true, t);
        opc_->TesztGombClick();
        EXPECT_EQ(pdf.Javaslatok, QStringList{f});
    }
    EXPECT_EQ(figyelo_.Allomanyok, QStringList{t});
    EXPECT_NE(Futtatas("pdfinfo '" + t.toStdString() + "'").find("Pages:           1"), std::string::npos);
    EXPECT_TRUE(Van(Szavak(t.toStdString()), hely(7, 5, 0), "x", kDpi));
    EXPECT_TRUE(opc_->isVisible());
    opc_->close();
}

// The printer's unprintable edge is read in the unit its layout states it
// in: the same 5 mm edge in every unit is 118 pixels at 600 dpi, and the
// coupon geometry subtracts what the layout says.
TEST(NyomtatoMargok, TheMinimumMarginsAreReadInTheirLayoutsUnits)
{
    struct Eset {
        QPageLayout::Unit egyseg;
        double bal, felso;  // in the layout's unit
        int balPx, felsoPx;  // at 600 dpi
    } esetek[] = {
        {QPageLayout::Millimeter, 5, 4, 118, 94},
        {QPageLayout::Inch, 0.2, 0.15, 120, 90},
        {QPageLayout::Point, 14, 11, 117, 92},
        {QPageLayout::Pica, 1, 0.5, 100, 50},
        {QPageLayout::Cicero, 1, 0.5, 107, 53},
        {QPageLayout::Didot, 10, 5, 89, 44},
    };
    for (const Eset& e : esetek) {
        const QPageLayout l(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), e.egyseg,
                            QMarginsF(e.bal, e.felso, e.bal, e.felso));
        const QMargins m = NyomtatasVezerlo::MinimumMargokPixelben(l, 600);
        EXPECT_EQ(m.left(), e.balPx) << static_cast<int>(e.egyseg);
        EXPECT_EQ(m.top(), e.felsoPx) << static_cast<int>(e.egyseg);
        EXPECT_EQ(m.right(), e.balPx) << static_cast<int>(e.egyseg);
        EXPECT_EQ(m.bottom(), e.felsoPx) << static_cast<int>(e.egyseg);
    }
}

TEST_F(SzelvenyKitoltesTest, KenoMarksItsDrawsStakeAndCountBoxesAndEuroJackpotItsExtraRow)
{
    Variacio(12, {5, 80, 33, 41, 7}, {{0, 1, 2, 3, 4}}, 1);
    opc_->Start();
    opc_->TetUpDown->setValue(3);
    opc_->SorsolasUpDown->setValue(8);  // steps to 14
    EXPECT_EQ(opc_->SorsolasUpDown->value(), 14);
    opc_->JokerGombok->button(kJokerIgen)->setChecked(true);
    opc_->NyomtatasGombClick();
    ASSERT_EQ(nyomtatok_.size(), 1u);
    NyomtatasVezerlo::SzelvenyOpciok o;
    o.Tet = 3;
    o.Sorsolasok = 14;
    const SzelvenyGeometria g = Geometria(o);
    const std::vector<Szo> l = Szavak(1);
    EXPECT_TRUE(Van(l, {g.KenoSorsolasX + 7 * g.KenoLepes, g.KenoSorsolasY}));
    EXPECT_TRUE(Van(l, {g.KenoJelolesX[0], g.KenoTetY[0]}));
    EXPECT_TRUE(Van(l, {g.KenoJelolesX[0], g.KenoTipusY[0]}));
    EXPECT_TRUE(Van(l, g.JokerPont[3]));
    const int kc = JatekRacs(12).Oszlopok;
    EXPECT_TRUE(Van(l, {((80 - 1) % kc + 1) * 100 + g.PanelX[3][0], (80 + kc - 1) / kc * 100 + g.PanelY[3][0]}));

    nyomtatok_.clear();
    const GameParams ej = NyJatek(30);
    const std::uint8_t extra = static_cast<std::uint8_t>(ej.FoSzamKeszlet + ej.PluszSzamEltolas + 1);
    Variacio(30, {1, 2, 3, 4, 5, extra, static_cast<std::uint8_t>(extra + 1)}, {{0, 1, 2, 3, 4, 5, 6}}, 1);
    opc_->Start();
    opc_->NyomtatasGombClick();
    ASSERT_EQ(nyomtatok_.size(), 1u);
    const SzelvenyGeometria e = Geometria();
    const int c = JatekRacs(30).Oszlopok;
    const int sor = (extra + c - 1) / c + 1;
    EXPECT_TRUE(Van(Szavak(1), {((extra - 1) % c + 1) * 100 + e.PanelX[4][0], sor * 100 + e.PanelY[4][0]}));
}

TEST_F(SzelvenyKitoltesTest, LargeRangesAskOrAreRefusedAndTheTestSheetKeepsTheRange)
{
    Variacio(0, {1, 2, 3, 4, 5}, {{0, 1, 2, 3, 4}}, 6 * 101);
    struct Eset {
        int lapok;
        const char* valasz;
        std::size_t nyomtatott;
        const char* kerdes;
    } esetek[] = {
        {30, nullptr, 30, ""},
        {31, "Nem", 0, "Több mint 30"},
        {31, "Igen", 31, "Több mint 30"},
        {100, "Igen", 100, "Több mint 30"},
        {101, "OK", 0, "Több mint 100"},
    };
    for (const Eset& e : esetek) {
        nyomtatok_.clear();
        opc_->Start();
        opc_->Tol = 1;
        opc_->Ig = e.lapok;
        teszt::Valaszolo v(e.valasz ? QStringList{QString::fromUtf8(e.valasz)} : QStringList{});
        opc_->NyomtatasGombClick();
        EXPECT_EQ(nyomtatok_.size(), e.nyomtatott) << e.lapok << " " << (e.valasz ? e.valasz : "");
        if (*e.kerdes) {
            ASSERT_FALSE(v.Latott.isEmpty()) << e.lapok;
            EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(QString::fromUtf8(e.kerdes))) << e.lapok;
        } else {
            EXPECT_TRUE(v.Latott.isEmpty());
        }
        EXPECT_EQ(opc_->isVisible(), e.nyomtatott == 0) << e.lapok;
        opc_->close();
    }
    // The test sheet prints sheet 1 and leaves the range as it was.
    nyomtatok_.clear();
    opc_->Start();
    opc_->Tol = 4;
    opc_->Ig = 9;
    opc_->TesztGombClick();
    EXPECT_EQ(nyomtatok_.size(), 1u);
    EXPECT_TRUE(opc_->isVisible());
    EXPECT_EQ(opc_->Tol, 4);
    EXPECT_EQ(opc_->Ig, 9);
    opc_->close();
    // A smaller variation cuts the kept range to its sheets.
    Variacio(0, {1, 2, 3, 4, 5}, {{0, 1, 2, 3, 4}}, 6 * 101);
    opc_->Start();
    opc_->Tol = 50;
    opc_->Ig = 101;
    opc_->close();
    program_.Tar.BontSzelvszam = 13;
    opc_->Start();
    EXPECT_EQ(opc_->Tol, 1);
    EXPECT_EQ(opc_->Ig, 3);
    opc_->close();
}

// A window the screen cannot hold says so before it opens, while its tip is
// on; the answer "Nem" switches the tip off.
TEST_F(SzelvenyKitoltesTest, AnOptionsWindowTooHighForTheScreenWarnsBeforeItOpens)
{
    Variacio(0, {1, 2, 3, 4, 5}, {{0, 1, 2, 3, 4}}, 6);
    // Calibration controls taller than the screen.
    opc_->GroupBox2->setMinimumHeight(opc_->screen()->availableGeometry().height() + 50);
    program_.Beallitasok.UzenetekLog[17] = 1;
    // Whether the window was open when a box asked.
    std::vector<bool> nyitva;
    QTimer figyelo;
    QPointer<QWidget> latott;
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w != opc_ && w != latott) {
            latott = w;
            nyitva.push_back(opc_->isVisible());
        }
    });
    figyelo.start(1);
    for (const char* valasz : {"Igen", "Nem"}) {
        teszt::Valaszolo v({QString::fromUtf8(valasz)});
        opc_->Start();
        ASSERT_EQ(v.Latott.size(), 1) << valasz;
        EXPECT_TRUE(v.Latott.front().Szoveg.startsWith(
            QStringLiteral("A(z) Szelvények kitöltése nyomtatóval ablak magassága meghaladja")))
            << v.Latott.front().Szoveg.toStdString();
        EXPECT_TRUE(opc_->isVisible());
        opc_->close();
    }
    EXPECT_EQ(nyitva, (std::vector<bool>{false, false}));
    EXPECT_EQ(program_.Beallitasok.UzenetekLog[17], 0);
    teszt::Valaszolo v({});
    opc_->Start();
    EXPECT_TRUE(v.Latott.isEmpty());
    EXPECT_TRUE(opc_->isVisible());
    opc_->close();
    // A window of its usual size asks nothing, tip on or off.
    program_.Beallitasok.UzenetekLog[17] = 1;
    opc_->GroupBox2->setMinimumHeight(0);
    opc_->setMinimumSize(0, 0);  // the placement's cap of the tall window
    opc_->adjustSize();
    opc_->Start();
    QApplication::processEvents();
    EXPECT_TRUE(v.Latott.isEmpty());
    if (const QString d = qEnvironmentVariable("KAVAREX_KEPEK"); !d.isEmpty())
        opc_->grab().save(QDir(d).filePath(QStringLiteral("nyomtopc.png")));
    opc_->close();
}

TEST_F(SzelvenyKitoltesTest, TheTrackBarsStoreTheOffsetOfTheCouponTypeAndShowThePosition)
{
    Variacio(2, {1, 2, 3, 4, 5, 6, 7}, {{0, 1, 2, 3, 4, 5, 6}}, 1);
    opc_->Start();
    opc_->TrackBarTopLeft->setValue(52);
    EXPECT_DOUBLE_EQ(program_.Beallitasok.NyomtatasiMargok[2][1], 1.0);
    EXPECT_EQ(opc_->TBTopLeftLabel->text(), QStringLiteral("Bal felső margó: 17 mm"));
    opc_->TrackBarLeft->setValue(37);
    EXPECT_DOUBLE_EQ(program_.Beallitasok.NyomtatasiMargok[2][0], -0.5);
    EXPECT_EQ(opc_->TBLeftLabel->text(), QStringLiteral("Bal margó: 25,5 mm"));
    opc_->close();
    // The stored offsets come back on the next opening.
    opc_->Start();
    EXPECT_EQ(opc_->TrackBarTopLeft->value(), 52);
    EXPECT_EQ(opc_->TrackBarLeft->value(), 37);
    // The draws choice steps from 14 down to 7.
    opc_->SorsolasUpDown->setValue(14);
    opc_->SorsolasUpDown->stepDown();
    EXPECT_EQ(opc_->SorsolasUpDown->value(), 7);
    opc_->close();
}

}  // namespace
