#pragma once
// The printing controller: owns the print buffer and its page state, sends
// the buffer to the printer page by page (one job per page) or, where no
// printer is installed, into a PDF file of the same pages, writes it as an
// RTF file, opens the files it wrote with the desktop's program, and builds
// the draw list, the variation list and the variation description from the
// program's state. Its commands ("Listanyomtatsa1", "Nyomtats3",
// "Listanyomtatsa2", "Lista1", "Szelvnyek1") and the wiring of the windows
// that print are in nyomtatas_parancsok.cpp.
// Signals: varakozasKezdete and varakozasVege around a long printout.
#include <QMargins>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "app/main_menu.h"
#include "printing/coupon_geometry.h"
#include "printing/print_pages.h"
#include "printing/variation_info.h"

class QPrinter;
class QPrintDialog;
class QPageSetupDialog;
class QTextEdit;
class QWidget;
class TBeallitasok;
class TFeltetelek;
class TInfo;
class TNyomtOpc;

namespace kvx {
class Program;
class TUzenetAblak;
}

class NyomtatasVezerlo : public QObject {
    Q_OBJECT
public:
    explicit NyomtatasVezerlo(QWidget* foablak);
    ~NyomtatasVezerlo() override;

    // The printing unit: buffer, page bookkeeping, the file being written.
    kvx::NyomtatasEgyseg Egyseg;
    // Two hidden rich-text buffers, children of the main window, that a list
    // can be laid out in before printing, and the separator line of printed
    // pages (90 dashes).
    QTextEdit* ListaPuffer = nullptr;
    QTextEdit* ListaPuffer2 = nullptr;
    QString ElvalasztoVonal;

    // Platform services, replaced by tests: whether a default printer
    // exists, and the printer of the job of page `lap` (null when none; a
    // printer starts a new job every time painting on it begins).
    std::function<bool()> NyomtatoElerheto;
    std::function<QPrinter*(int lap)> NyomtatoKeszites;

    // A default printer exists. Without one every printout goes into a PDF
    // file the user names.
    bool VanNyomtato() const;
    // The printer's unprintable edge in device pixels. The layout states its
    // minimum margins in its own units, which differ between printer drivers.
    static QMargins MinimumMargokPixelben(const QPageLayout& elrendezes, int felbontas);
    // The shared print and page set-up dialogs, created once on first use.
    // The printer they set up is the one the printouts go to: the default
    // printer, or where there is none the PDF output (A4 until the page
    // set-up says otherwise).
    QPrintDialog* PrDialogCreate();
    QPageSetupDialog* PrSetupCreate();

    // Prints the buffer: one job per page, titled nev + page number, or
    // without a printer the pages into one PDF file named after the first
    // job. False when a page could not be printed (reported; later pages are
    // dropped) or the user chose no file.
    bool LapokNyomtatasa(const QString& nev, int margoMm);
    // Saves the buffer to Egyseg.ListaAllomany and, only when that
    // succeeded, opens it. A failure is reported and nothing is opened.
    bool AllomanyMentese();
    // Opens a written file with the desktop's program; where the desktop has
    // none for it, a message names the file's full path.
    bool AllomanyMegnyitasa(const QString& allomany);

    // The commands. "Elindítja a nyomtatást?" with the menu item's hint.
    bool NyomtatasKerdes(kvx::ParancsId menuPont);
    // The draws list on paper (after the question) and into its file.
    void Listanyomtatsa1Click();
    void Nyomtats3Click();
    // The variation list on paper (after the question) and into its file.
    void Listanyomtatsa2Click();
    void Lista1Click();
    // "Szelvények kitöltése": the options window of coupon filling.
    void SzelvenyKitoltesStart();
    // The coupon filling's options window.
    QPointer<TNyomtOpc> SzelvenyOpciokAblak;

    // The printouts. allomanyba: into the list folder's RTF file (after the
    // in-use check) and opened, otherwise on paper (the caller asked and
    // checked the printer).
    bool HuzListaNyomtatas(bool allomanyba);
    bool BontListaNyomtatas(bool allomanyba);
    // The information window: the page head and the description without
    // paging, as the window shows it.
    std::vector<kvx::NyomtSor> InfoSzoveg();
    // The information window's print button: with paging when the text is
    // longer than a page, to "infolist.rtf" or to paper.
    bool InfoNyomtatas(bool allomanyba);

    // Coupon filling. The options the options window chose.
    struct SzelvenyOpciok {
        std::int32_t Tol = 1, Ig = 1;  // the range of sheets
        std::int32_t JokerValasztas = kvx::kJokerNem;
        bool OtHetes = false;
        bool TovabbiJoker = false;
        std::int32_t Sorsolasok = 1;
        std::int32_t Tet = 1;
        bool Sorszamozas = true;
    };
    // Lines per sheet and sheets of the current game and variation.
    std::int32_t SzelvenySorDb() const;
    std::int32_t SzelvenyLapokSzama() const;
    // The coupon geometry for the printer's values and the options.
    kvx::SzelvenyGeometria Meretezes(const kvx::NyomtatoJellemzok& n, const SzelvenyOpciok& o) const;
    // Prints the sheets of the range, one job each (without a printer one
    // PDF page each, at the coupon's real size). False when nothing or not
    // everything was printed (the reason was shown).
    bool SzelvenyekNyomtatasa(const SzelvenyOpciok& o);

    // What the description and the page head read from the program.
    static kvx::VariacioInfoBemenet VariacioInfoBemenetKeszites(kvx::Program& p);
    static kvx::BontFejlecAdatok BontFejlecKeszites(kvx::Program& p);
    // Texts of the conditions window the description quotes (empty until
    // its tabs provide them).
    kvx::LeirasSzovegForras LeirasSzovegek;

signals:
    // A long printout is going: the wait window shows the text, then closes.
    void varakozasKezdete(const QString& szoveg);
    void varakozasVege();

private:
    class Kimenet;
    // The draws list's two print commands follow the draws: a table without
    // draws has nothing to print.
    void HuzasListaAllapotKovetes();
    // The variation list's print commands and the coupon filling follow the
    // variation's command states.
    void VariacioListaAllapotKovetes();
    void PufferekLetrehozasa();
    bool AllomanyElokeszites(const char* nev);
    // The PDF file for a printout whose first job is named `nev`, asked with
    // the list folder and nev + ".pdf" proposed; empty when the user cancels.
    QString PdfAllomanyKerdes(const QString& nev);
    // Ends a printout: closes its output, the wait window, reports a failure
    // and opens a finished PDF.
    bool KimenetVege(Kimenet& ki, bool rendben);
    void VarakozasKi(const char* szoveg);
    void VarakozasVege();
    QPrinter* kozosNyomtato();

    QWidget* foablak_ = nullptr;
    std::unique_ptr<QPrinter> nyomtato_;
    bool nyomtatoPdf_ = false;  // nyomtato_ is the PDF output
    QPrintDialog* prDialog_ = nullptr;
    QPageSetupDialog* prSetup_ = nullptr;
};

// Registers the print commands and wires the windows that print: the wait
// window a long printout shows (may be null), the information window's
// description and print button (quoting the conditions window), the coupon
// options window and the settings window's printer set-up (may be null).
void NyomtatasAblakokBekotese(NyomtatasVezerlo& ny, kvx::TUzenetAblak* varakozas, TInfo& info,
                              TFeltetelek& feltetelek, TNyomtOpc* opciok, TBeallitasok* beallitasok);
