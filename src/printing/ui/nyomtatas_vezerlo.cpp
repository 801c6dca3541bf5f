#include "printing/ui/nyomtatas_vezerlo.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDate>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextEdit>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/game_grid.h"
#include "app/game_table.h"
#include "app/shell_state.h"
#include "app/ui/program.h"
#include "app/ui/qt_nyelv.h"
#include "app/ui/uzenetek.h"
#include "app/version.h"
#include "app/wait_jobs.h"
#include "printing/draw_list_print.h"
#include "printing/rtf_writer.h"
#include "printing/variation_list_print.h"
#include "tickets/file_helpers.h"
#include "variation/generation_run.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/variation_file.h"

using namespace kvx;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// One page of the buffer on the printer's page: Courier New 8 pt inside the
// margin, the margin counted from the paper's edge.
void LapFestes(QPainter& festo, const QPrinter& pr, const std::vector<NyomtSor>& lap, int margoMm)
{
    // The margin less the printer's own unprintable edge.
    const int felbontas = pr.resolution();
    const QPageLayout elrendezes = pr.pageLayout();
    const QRect teljes = elrendezes.fullRectPixels(felbontas);
    const QMargins minMargo = NyomtatasVezerlo::MinimumMargokPixelben(elrendezes, felbontas);
    const int offX = minMargo.left(), offY = minMargo.top();
    const int szel = teljes.width() - offX - minMargo.right();
    const int mag = teljes.height() - offY - minMargo.bottom();
    LapTeglalap t = NyomtatasiTeglalap(felbontas, felbontas, offX, offY, szel, mag, margoMm);
    if (t == LapTeglalap{})
        t = {0, 0, szel, mag};
    const QRect ter(offX + t.Bal, offY + t.Felso, t.Jobb - t.Bal, t.Also - t.Felso);
    QFont betu(QStringLiteral("Courier New"), 8);
    betu.setStyleHint(QFont::TypeWriter);
    // Rows at the font's line spacing, closer when that is what it takes
    // for the page's lines to fit the paper.
    festo.setFont(betu);
    int sorok = 0;
    for (const NyomtSor& s : lap)
        sorok += s.Szoveg != kLapdobasSor;
    const double koz = std::min<double>(festo.fontMetrics().lineSpacing(),
                                        sorok > 0 ? static_cast<double>(ter.height()) / sorok : 0.0);
    double y = ter.top();
    for (const NyomtSor& s : lap) {
        if (s.Szoveg == kLapdobasSor)
            continue;
        betu.setBold(s.Vastag);
        festo.setFont(betu);
        festo.drawText(QPointF(ter.left(), y + festo.fontMetrics().ascent()), q(s.Szoveg));
        y += koz;
    }
}

}  // namespace

// Where a printout's pages go. With a printer every page is a job of its own
// (the printer starts a new job each time painting on it begins). Without
// one the pages are the pages of one PDF file, painted on the shared PDF
// printer, so a PDF page has the paper page's layout; the file is written
// under a temporary name and takes the chosen name only when complete.
class NyomtatasVezerlo::Kimenet {
public:
    explicit Kimenet(NyomtatasVezerlo& v) : v_(v), pdf_(!v.VanNyomtato()) {}
    ~Kimenet()
    {
        if (festo_.isActive())
            festo_.end();
        if (!ideiglenes_.isEmpty())
            QFile::remove(ideiglenes_);
    }

    // Without a printer: asks for the file, named after the first job.
    // False when there is none to write (the user cancelled or the file is
    // in use, which was shown).
    bool Elokeszites(const QString& elsoNev)
    {
        if (!pdf_)
            return true;
        allomany_ = v_.PdfAllomanyKerdes(elsoNev);
        if (allomany_.isEmpty())
            return false;
        std::string uzenet;
        if (!AllomanyHozzaferheto(allomany_.toStdString(), uzenet)) {
            HibaUzenet(q(uzenet));
            return false;
        }
        return true;
    }

    // The printer of page `lap`, its page layout the one to lay out by.
    QPrinter* Nyomtato(int lap)
    {
        pr_ = pdf_ ? v_.kozosNyomtato() : (v_.NyomtatoKeszites ? v_.NyomtatoKeszites(lap) : nullptr);
        if (pr_)
            pr_->setFullPage(true);
        return pr_;
    }

    // Starts painting the page of the job named `nev` on the printer last
    // returned: a new job, or the PDF's next page.
    bool LapKezdes(const QString& nev)
    {
        if (!pr_)
            return false;
        if (pdf_ && festo_.isActive()) {
            if (!pr_->newPage())
                return false;
        } else {
            pr_->setDocName(nev);
            if (pdf_) {
                ideiglenes_ = allomany_ + QStringLiteral(".tmp");
                pr_->setOutputFormat(QPrinter::PdfFormat);
                pr_->setOutputFileName(ideiglenes_);
            }
            if (!festo_.begin(pr_))
                return false;
        }
        festo_.save();
        return true;
    }
    QPainter& Festo() { return festo_; }
    bool LapVege()
    {
        festo_.restore();
        return pdf_ || festo_.end();
    }

    // Completes the printout: the PDF is closed and takes its name. The
    // file to open afterwards, empty when none.
    QString Befejezes(bool rendben, bool& hiba)
    {
        hiba = false;
        if (!pdf_ || ideiglenes_.isEmpty())
            return {};
        const bool lezarva = festo_.isActive() && festo_.end();
        std::error_code ec;
        if (rendben && lezarva)
            std::filesystem::rename(ideiglenes_.toStdString(), allomany_.toStdString(), ec);
        hiba = rendben && (!lezarva || ec);
        if (!rendben || hiba)
            return {};
        ideiglenes_.clear();
        return allomany_;
    }

private:
    NyomtatasVezerlo& v_;
    const bool pdf_;
    QPrinter* pr_ = nullptr;
    QPainter festo_;
    QString allomany_;
    QString ideiglenes_;
};

QMargins NyomtatasVezerlo::MinimumMargokPixelben(const QPageLayout& elrendezes, int felbontas)
{
    double pontban = 1.0;  // points per unit of the layout
    switch (elrendezes.units()) {
    case QPageLayout::Millimeter: pontban = 72.0 / 25.4; break;
    case QPageLayout::Point: pontban = 1.0; break;
    case QPageLayout::Inch: pontban = 72.0; break;
    case QPageLayout::Pica: pontban = 12.0; break;
    case QPageLayout::Didot: pontban = 1.065826771; break;
    case QPageLayout::Cicero: pontban = 12.789921252; break;
    }
    const QMarginsF m = elrendezes.minimumMargins();
    const auto px = [&](double v) { return static_cast<int>(std::lround(v * pontban * felbontas / 72.0)); };
    return {px(m.left()), px(m.top()), px(m.right()), px(m.bottom())};
}

NyomtatasVezerlo::NyomtatasVezerlo(QWidget* foablak) : QObject(foablak), foablak_(foablak)
{
    NyomtatoElerheto = [] { return !QPrinterInfo::defaultPrinter().isNull(); };
    NyomtatoKeszites = [this](int) { return kozosNyomtato(); };
    HuzasListaAllapotKovetes();
    VariacioListaAllapotKovetes();
    PufferekLetrehozasa();
}

NyomtatasVezerlo::~NyomtatasVezerlo() = default;

void NyomtatasVezerlo::PufferekLetrehozasa()
{
    const auto puffer = [this](const char* nev) {
        auto* t = new QTextEdit(foablak_);
        t->setObjectName(QString::fromUtf8(nev));
        t->setVisible(false);
        t->setReadOnly(true);
        t->setAcceptRichText(true);
        t->setLineWrapMode(QTextEdit::NoWrap);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QFont betu(QStringLiteral("Courier New"), 8);
        t->setFont(betu);
        t->document()->setDefaultFont(betu);
        t->setAlignment(Qt::AlignLeft);
        return t;
    };
    ListaPuffer = puffer("ListaPuffer");
    ElvalasztoVonal = QString(90, QChar(0x2014));
    ListaPuffer2 = puffer("ListaPuffer2");
}

bool NyomtatasVezerlo::VanNyomtato() const
{
    return NyomtatoElerheto && NyomtatoElerheto();
}

QPrinter* NyomtatasVezerlo::kozosNyomtato()
{
    const bool van = VanNyomtato();
    if (nyomtato_ && nyomtatoPdf_ == van) {
        // A printer came or went: the dialogs set up the old output.
        delete prDialog_;
        delete prSetup_;
        prDialog_ = nullptr;
        prSetup_ = nullptr;
        nyomtato_.reset();
    }
    if (!nyomtato_) {
        if (van) {
            const QPrinterInfo alap = QPrinterInfo::defaultPrinter();
            if (alap.isNull())
                return nullptr;
            nyomtato_ = std::make_unique<QPrinter>(alap, QPrinter::HighResolution);
            nyomtatoPdf_ = false;
        } else {
            nyomtato_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            nyomtato_->setOutputFormat(QPrinter::PdfFormat);
            nyomtato_->setPageSize(QPageSize(QPageSize::A4));
            nyomtatoPdf_ = true;
        }
    }
    return nyomtato_.get();
}

QPrintDialog* NyomtatasVezerlo::PrDialogCreate()
{
    QPrinter* p = kozosNyomtato();
    if (!prDialog_ && p) {
        prDialog_ = new QPrintDialog(p, foablak_);
        // Without a printer Qt's printer list is empty: the dialog says
        // where the output goes instead.
        auto* megjegyzes = new QLabel(QString::fromUtf8(kNincsNyomtatoPdfba), prDialog_);
        megjegyzes->setObjectName(QStringLiteral("PdfMegjegyzes"));
        megjegyzes->setWordWrap(true);
        if (auto* sorok = qobject_cast<QBoxLayout*>(prDialog_->layout()))
            sorok->insertWidget(0, megjegyzes);
        // Nor is there anything else above the range and the copies, which
        // Qt keeps folded under its options button: they show at once.
        if (nyomtatoPdf_)
            if (auto* gombok = prDialog_->findChild<QDialogButtonBox*>())
                for (QAbstractButton* b : gombok->buttons())
                    if (gombok->buttonRole(b) == QDialogButtonBox::ResetRole)
                        b->click();
    }
    if (prDialog_) {
        if (auto* m = prDialog_->findChild<QLabel*>(QStringLiteral("PdfMegjegyzes")))
            m->setVisible(nyomtatoPdf_);
        if (auto* lista = prDialog_->findChild<QGroupBox*>(QStringLiteral("printerGroup")))
            lista->setVisible(!nyomtatoPdf_);
    }
    return prDialog_;
}

QPageSetupDialog* NyomtatasVezerlo::PrSetupCreate()
{
    QPrinter* p = kozosNyomtato();
    if (!prSetup_ && p)
        prSetup_ = new QPageSetupDialog(p, foablak_);
    return prSetup_;
}

QString NyomtatasVezerlo::PdfAllomanyKerdes(const QString& nev)
{
    const QString javaslat =
        q((std::filesystem::path(folders().ListKonyvtar) / (nev.toStdString() + ".pdf")).string());
    QFileDialog d(foablak_, QStringLiteral("Nyomtatás PDF állományba"), q(folders().ListKonyvtar),
                  QStringLiteral("PDF (*.pdf)"));
    d.setObjectName(QStringLiteral("PdfDialog"));
    MagyarFajlDialogus(d);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(QStringLiteral("pdf"));
    d.selectFile(javaslat);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().front();
}

bool NyomtatasVezerlo::AllomanyMegnyitasa(const QString& allomany)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(allomany)))
        return true;
    InformacioUzenet(QString::fromUtf8(kNincsMegnyitoProgram) + QFileInfo(allomany).absoluteFilePath());
    return false;
}

void NyomtatasVezerlo::VarakozasKi(const char* szoveg)
{
    emit varakozasKezdete(QString::fromUtf8(szoveg));
}

void NyomtatasVezerlo::VarakozasVege()
{
    emit varakozasVege();
}

bool NyomtatasVezerlo::LapokNyomtatasa(const QString& nev, int margoMm)
{
    Kimenet ki(*this);
    if (!ki.Elokeszites(nev + QStringLiteral("1")))
        return false;
    VarakozasKi("Nyomtatás");
    const auto lapok = LapokFelosztasa(Egyseg.ListaPuffer);
    bool rendben = true;
    for (std::size_t p = 0; p < lapok.size() && rendben; ++p) {
        QPrinter* pr = ki.Nyomtato(static_cast<int>(p) + 1);
        if (!pr || !ki.LapKezdes(nev + QString::number(p + 1))) {
            rendben = false;
            break;
        }
        LapFestes(ki.Festo(), *pr, lapok[p], margoMm);
        if (!ki.LapVege())
            rendben = false;
    }
    return KimenetVege(ki, rendben);
}

bool NyomtatasVezerlo::KimenetVege(Kimenet& ki, bool rendben)
{
    bool hiba = false;
    const QString pdf = ki.Befejezes(rendben, hiba);
    rendben = rendben && !hiba;
    VarakozasVege();
    if (!rendben)
        HibaUzenet(QString::fromUtf8(kNyomtatasiHiba));
    else if (!pdf.isEmpty())
        AllomanyMegnyitasa(pdf);
    return rendben;
}

bool NyomtatasVezerlo::AllomanyMentese()
{
    const std::string f = Egyseg.ListaAllomany;
    if (RtfMentes(f, Egyseg.ListaPuffer)) {
        AllomanyMegnyitasa(q(f));
        return true;
    }
    VarakozasVege();
    HibaUzenet(QString::fromUtf8(kNemSikerultLetrehozni) + q(f));
    std::error_code ec;
    if (std::filesystem::exists(f, ec))
        HibaUzenet(q(FoglaltAllomanySzoveg(f)));
    return false;
}

bool NyomtatasVezerlo::AllomanyElokeszites(const char* nev)
{
    Egyseg.ListaAllomany = (std::filesystem::path(folders().ListKonyvtar) / nev).string();
    std::string uzenet;
    if (!AllomanyHozzaferheto(Egyseg.ListaAllomany, uzenet)) {
        HibaUzenet(q(uzenet));
        return false;
    }
    return true;
}

BontFejlecAdatok NyomtatasVezerlo::BontFejlecKeszites(Program& p)
{
    const SzamListak& l = p.Szamok;
    const GameParams& g = p.Jatek;
    BontFejlecAdatok f;
    const std::string fejlec = BontasFejlec(l.KijeloltFoSzamDb, l.FixSzamDb(), g.VanPluszSzam, l.KijeloltPluszSzamDb,
                                            g.PluszSzamNev, p.Bontas.BontasBovites);
    f.Cim = BontListaCim(fejlec, p.Tar.BontSzelvszam, JatekNev[static_cast<std::size_t>(g.LottoIndex)]);
    f.Verzio = p.VariacioAllomany.VariacioVerzio;
    f.Datum = RovidDatum(p.VariacioAllomany.VariacioDatum != 0.0 ? p.VariacioAllomany.VariacioDatum : MaiDatum());
    return f;
}

VariacioInfoBemenet NyomtatasVezerlo::VariacioInfoBemenetKeszites(Program& p)
{
    VariacioInfoBemenet b;
    const GameParams& g = p.Jatek;
    const SzamListak& l = p.Szamok;
    const VariationStore& t = p.Tar;
    const BontasEgyseg& u = p.Bontas;
    b.Jatek = g;
    b.Feltetelek = p.Feltetelek;
    b.BontSzelvszam = t.BontSzelvszam;
    b.BontMatrixMeret = t.BontMatrixMeret;
    b.BontSzamGyakorisag = t.BontSzamGyakorisag;
    b.Import_Count = t.Import_Count;
    b.BontasIdotartam = u.BontasIdotartam.load();
    b.AllomanyVerzioSzam = p.VariacioAllomany.AllomanyVerzioSzam;
    b.Peldabontas = u.Peldabontas;
    PeldabontasInfoBemenet pb;
    pb.Peldabontas = u.Peldabontas;
    pb.VanPluszSzam = g.VanPluszSzam;
    pb.Hibapont = p.Feltetelek.Hibapont;
    pb.MindenSzamKijelolt = l.KijeloltSzamDb() + l.FixSzamDb() >= g.OsszesSzam;
    pb.SzamsorFoSzamDb = g.SzamsorFoSzamDb;
    pb.PluszSzamDb = g.PluszSzamDb;
    pb.PluszSzamKeszlet = g.PluszSzamKeszlet;
    pb.BontSzelvszam = t.BontSzelvszam;
    b.PeldabontasInfo = ProbabontasPBInfo(pb, false);
    b.MNBString = GetMNBString(VariacioAllapotMost(t.BontMatrixMeret, t.BontSzelvszam, u));
    b.OpcioModosulas = u.OpcioModosulas || p.VariacioOpciok.OpcioModosulas;
    b.SzerkesztettVariacio = u.SzerkesztettVariacio;
    b.BontLottoIndex = p.VariacioAllomany.BontLottoIndex < 0 ? g.LottoIndex : p.VariacioAllomany.BontLottoIndex;
    b.BontIdegenSzamsorDb = p.VariacioAllomany.BontIdegenSzamsorDb;
    // The last test's report, unless it judged the conditions over the
    // selection and the options changed since.
    const TesztVezerlo& teszt = p.Teszt();
    b.PeldabontasLog = teszt.PeldabontasLog();
    b.TesztFejlec = teszt.TesztFejlec();
    b.TesztKihagyas = b.OpcioModosulas && teszt.FeltetelekTeszt && !teszt.Beallitas.HuzasokTeszt;
    b.VeletlenKiserletek = u.Vezerles.VeletlenKiserletek.load();
    const auto jatek = static_cast<std::size_t>(std::clamp(g.LottoIndex, 0, kJatekokSzama - 1));
    b.JegyAr = p.Beallitasok.JegyAr[jatek];
    b.PenznemIndex = p.Beallitasok.PenznemIndex[jatek];
    b.KijeloltSzamok = l.KijeloltSzamok;
    b.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    b.KijeloltPluszSzamDb = l.KijeloltPluszSzamDb;
    b.FixSzamok = l.FixSzamok;
    b.AllandoSzamok = l.AllandoSzamok;
    b.AllandoPluszSzamDb = l.AllandoPluszSzamDb;
    b.VeletlenSzamok = l.VeletlenSzamok;
    b.VariacioFoMeretFelso = l.VariacioFoMeretFelso;
    b.GyakorisagiEloszlas = p.VariacioOpciok.GyakorisagiEloszlas;
    b.Optimalizalt = p.VariacioOpciok.Optimalizalt;
    b.VeletlenSzamsorok = p.VariacioOpciok.VeletlenSzamsorok;
    b.TulirasBont = p.VariacioOpciok.TulirasBont;
    b.TulirasSorozat = p.VariacioOpciok.TulirasSorozat;
    b.TalalatFelirat = p.VariacioOpciok.TalalatFelirat;
    b.ProgramAdatbazis = p.Adatbazis.AdatbazisTipus;
    b.AktualisVerzioAllomany = p.VariacioAllomany.AllomanyVerzioSzam == VerzioSzam();
    b.HuzasokSzama = p.Huzasok.HuzasokSzama;
    return b;
}

bool NyomtatasVezerlo::HuzListaNyomtatas(bool allomanyba)
{
    Program& p = Program::aktualis();
    if (allomanyba && !AllomanyElokeszites(kHuzListAllomany))
        return false;
    OldalMeretek(Egyseg, allomanyba);
    VarakozasKi(allomanyba ? kNyomtatasAllomanyba : kNyomtatasElokeszitese);
    const HuzListaCimAdatok c{p.Adatbazis.AdatbazisTipus, p.Adatbazis.AdatbazisFelirat, VerzioSzoveg(),
                              RovidDatum(MaiDatum())};
    kvx::HuzListaNyomtatas(Egyseg, p.Jatek, HuzListaRacsKeszites(p.Huzasok, p.Jatek), c);
    VarakozasVege();
    return allomanyba ? AllomanyMentese() : LapokNyomtatasa(QStringLiteral("huzlist"), kNyomtatasiMargoMm);
}

bool NyomtatasVezerlo::BontListaNyomtatas(bool allomanyba)
{
    Program& p = Program::aktualis();
    if (allomanyba && !AllomanyElokeszites(kBontListAllomany))
        return false;
    OldalMeretek(Egyseg, allomanyba);
    VarakozasKi(allomanyba ? kNyomtatasAllomanyba : kNyomtatasElokeszitese);
    const VariationStore& t = p.Tar;
    BontListaSorok s;
    s.SorHossz = t.BontMatrixSorHossz;
    if (t.FBontasMatrix && t.BontSzelvszam > 0 && t.BontMatrixSorHossz > 0)
        s.Adat.assign(t.FBontasMatrix, t.FBontasMatrix + static_cast<std::size_t>(t.BontSzelvszam) *
                                                           static_cast<std::size_t>(t.BontMatrixSorHossz));
    s.HuzasSzamsorVariacio = p.Feltetelek.HuzasSzamsorVariacio;
    s.HuzasSorszam = t.BontHuzasSorszam;
    s.KijeloltSzamok = p.Szamok.KijeloltSzamok;
    s.FixSzamok = p.Szamok.FixSzamok;
    s.VariacioMeret = p.Szamok.VariacioMeret;
    s.VariacioFoMeret = p.Szamok.VariacioFoMeret;
    Egyseg.Fejlec = BontFejlecKeszites(p);
    Egyseg.NyomtLapozas = true;
    VariacioInfoBemenet leiras = VariacioInfoBemenetKeszites(p);
    leiras.Szoveg = LeirasSzovegek;
    kvx::BontListaNyomtatas(Egyseg, p.Jatek, s, leiras);
    VarakozasVege();
    return allomanyba ? AllomanyMentese() : LapokNyomtatasa(QStringLiteral("bontlist"), kNyomtatasiMargoMm);
}

std::vector<NyomtSor> NyomtatasVezerlo::InfoSzoveg()
{
    Program& p = Program::aktualis();
    Egyseg.Torles();
    Egyseg.NyomtOldal = 1;
    Egyseg.NyomtOldalKezdet = 0;
    Egyseg.NyomtLapozas = false;
    Egyseg.Fejlec = BontFejlecKeszites(p);
    VariacioInfoBemenet leiras = VariacioInfoBemenetKeszites(p);
    leiras.Szoveg = LeirasSzovegek;
    BontListaFejlec(Egyseg);
    VariacioInfoKiir(Egyseg, leiras);
    Egyseg.NyomtLapozas = true;
    return Egyseg.ListaPuffer;
}

bool NyomtatasVezerlo::InfoNyomtatas(bool allomanyba)
{
    Program& p = Program::aktualis();
    if (allomanyba && !AllomanyElokeszites(kInfoListAllomany))
        return false;
    OldalMeretek(Egyseg, allomanyba);
    InfoSzoveg();
    if (Egyseg.SorDb() > Egyseg.OldalSorok) {
        VariacioInfoBemenet leiras = VariacioInfoBemenetKeszites(p);
        leiras.Szoveg = LeirasSzovegek;
        for (int menet = 0; menet < 2; ++menet) {
            Egyseg.Torles();
            Egyseg.NyomtOldal = 1;
            Egyseg.NyomtOldalKezdet = 0;
            Egyseg.NyomtSorokSzama = Egyseg.OldalListaSorok;
            BontListaFejlec(Egyseg);
            VariacioInfoKiir(Egyseg, leiras);
            if (menet == 0)
                Egyseg.NyomtOldalakSzama = Egyseg.NyomtOldal;
        }
    }
    return allomanyba ? AllomanyMentese() : LapokNyomtatasa(QStringLiteral("infolist"), kNyomtatasiMargoMm);
}

std::int32_t NyomtatasVezerlo::SzelvenySorDb() const
{
    return SzelvenySorDbJatek(Program::aktualis().Jatek.LottoIndex);
}

std::int32_t NyomtatasVezerlo::SzelvenyLapokSzama() const
{
    return SzelvenyLapDbSzamitas(Program::aktualis().Tar.BontSzelvszam, SzelvenySorDb());
}

SzelvenyGeometria NyomtatasVezerlo::Meretezes(const NyomtatoJellemzok& n, const SzelvenyOpciok& o) const
{
    const Program& p = Program::aktualis();
    const Settings& s = p.Beallitasok;
    SzelvenyMeretezesBemenet b;
    b.Nyomtato = n;
    for (std::size_t t = 0; t < kSzelvenyTipusDb; ++t) {
        b.SzelvenyOrigoX[t] = s.SzelvenyOrigoX[t];
        b.SzelvenyOrigoY[t] = s.SzelvenyOrigoY[t];
    }
    b.NyomtatasiMargok = s.NyomtatasiMargok;
    b.AktualisTipus = SzelvenyTipus(p.Jatek.LottoIndex);
    b.SzamsorHossz = p.Jatek.SzamsorHossz;
    b.Tet = o.Tet;
    b.Sorsolasok = o.Sorsolasok;
    return SzelvenyMeretezes(b);
}

bool NyomtatasVezerlo::SzelvenyekNyomtatasa(const SzelvenyOpciok& o)
{
    const Program& p = Program::aktualis();
    const VariationStore& tar = p.Tar;
    const std::vector<SzelvenyLap> lapok = SzelvenyLapok(tar.BontSzelvszam, SzelvenySorDb(), o.Tol, o.Ig);
    if (lapok.empty())
        return false;
    SzelvenyKitoltesBemenet b;
    b.Tipus = SzelvenyTipus(p.Jatek.LottoIndex);
    b.Oszlopok = JatekRacs(p.Jatek.LottoIndex).Oszlopok;
    b.FoSzamKeszlet = p.Jatek.FoSzamKeszlet;
    b.VanPluszSzam = p.Jatek.VanPluszSzam;
    b.Sorsolasok = o.Sorsolasok;
    b.JokerValasztas = o.JokerValasztas;
    b.OtHetes = o.OtHetes;
    b.TovabbiJoker = o.TovabbiJoker;
    b.Sorszamozas = o.Sorszamozas;
    Kimenet ki(*this);
    bool elso = true;
    bool rendben = true;
    for (const SzelvenyLap& lap : lapok) {
        QPrinter* pr = ki.Nyomtato(lap.Lap);
        if (!pr) {
            rendben = false;
            break;
        }
        const QString nev = QStringLiteral("szelveny%1").arg(lap.Lap);
        const int dpi = pr->resolution();
        const QPageLayout elrendezes = pr->pageLayout();
        const QRect teljes = elrendezes.fullRectPixels(dpi);
        const QMargins minMargo = NyomtatasVezerlo::MinimumMargokPixelben(elrendezes, dpi);
        NyomtatoJellemzok n;
        n.NyomtatoDpiX = n.NyomtatoDpiY = dpi;
        n.FizikaiMargoX = minMargo.left();
        n.FizikaiMargoY = minMargo.top();
        const SzelvenyGeometria g = Meretezes(n, o);
        if (elso) {
            std::string hiba = PapirMeretHiba(teljes.width(), teljes.height(), dpi, dpi);
            if (hiba.empty())
                hiba = MargoHiba(n, g);
            if (!hiba.empty()) {
                HibaUzenet(q(hiba));
                return false;
            }
            if (!ki.Elokeszites(nev))
                return false;
            VarakozasKi("Nyomtatási állományok készítése");
            elso = false;
        }
        b.Lap = lap;
        b.Sorok.clear();
        for (std::int32_t r = 0; r < lap.SorDb; ++r) {
            const std::int64_t sor = lap.ElsoSor + r;
            b.Sorok.push_back(SzelvenySzamsor(tar.FBontasMatrix + sor * tar.BontMatrixSorHossz,
                                              tar.BontMatrixSorHossz, p.Feltetelek.HuzasSzamsorVariacio,
                                              p.Szamok.VariacioMeret, p.Szamok.KijeloltSzamok, p.Szamok.FixSzamok));
        }
        if (!ki.LapKezdes(nev)) {
            rendben = false;
            break;
        }
        QPainter& festo = ki.Festo();
        // The positions are measured from the printable area's corner.
        festo.translate(n.FizikaiMargoX, n.FizikaiMargoY);
        QFont betu = foablak_ ? foablak_->font() : QFont();
        betu.setPointSize(8);
        festo.setFont(betu);
        const int emelkedes = festo.fontMetrics().ascent();
        for (const SzelvenyJel& j : SzelvenyJelek(g, b))
            festo.drawText(QPointF(j.Hely.X, j.Hely.Y + emelkedes), q(j.Szoveg));
        if (!ki.LapVege()) {
            rendben = false;
            break;
        }
    }
    return KimenetVege(ki, rendben);
}
