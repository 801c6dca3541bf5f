#pragma once
// The draws list window: the draws table of the current game in a grid that
// asks its model only for the rows on screen, a toolbar for editing with
// undo and redo, navigation buttons, and the auxiliary ticket beside it that
// shows the selected draw and how the draw-list range hits it. Everything it
// shows comes from draws/draws_list.h and draws/draw_editing.h.
#include <QAbstractTableModel>
#include <QDialog>
#include <QStyledItemDelegate>

#include "app/main_menu.h"
#include "draws/draw_editing.h"
#include "draws/draw_ranges.h"
#include "draws/draws_list.h"
#include "draws/hit_search.h"

#include <optional>

class HuzasokVezerlo;
class TKeresPanel;
class QAction;
class QPushButton;
class QTableView;
class QToolBar;
class QFrame;

// Serves the cells of the draws table; only the rows the view paints are
// ever asked for.
class THuzTablaModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The table changed (load, edit): the view asks again.
    void Ujratoltes();
};

// Paints a cell as HuzTablaCella describes it (HuzTablaDrawCell).
class THuzTablaDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A drawing of the table: row Sor (1-based), its numbers starting at table
// column Oszlop.
struct HuzasHely {
    int Sor = 0;
    int Oszlop = 0;
};

// Edits go through the draws controller; the list refreshes on its signals.
// What the list asks of other windows (its auxiliary ticket, the range
// dialog, the entry's hint, a sample) it asks through its own signals, which
// the wiring of the subsystem that answers connects; what a sample would be
// made of it tells when asked (KijeloltPeldaHuzas).
class THuzLista : public QDialog {
    Q_OBJECT
public:
    explicit THuzLista(HuzasokVezerlo& vezerlo, QWidget* parent = nullptr);

    // Shows the window on the loaded table (the "Listázás" command).
    void Start();

    // Toolbar.
    QToolBar* ToolBar1 = nullptr;
    QAction* BovitesGomb = nullptr;
    QAction* BeszurasGomb = nullptr;
    QAction* ModositasGomb = nullptr;
    QAction* TorlesGomb = nullptr;
    QAction* VisszaGomb = nullptr;
    QAction* MegseGomb = nullptr;
    QAction* KeresesGomb = nullptr;
    QAction* ToolButton1 = nullptr;
    QAction* KeresVariaciobanGomb = nullptr;
    QAction* MentesGomb = nullptr;
    QAction* ToolButton2 = nullptr;
    QAction* NyomtatasGomb = nullptr;
    QAction* ToolButton4 = nullptr;
    // Navigation.
    QFrame* Panel1 = nullptr;
    QPushButton* EloreGomb = nullptr;
    QPushButton* EloreLapozGomb = nullptr;
    QPushButton* HatraLapozGomb = nullptr;
    QPushButton* HatraGomb = nullptr;
    QTableView* HuzTabla = nullptr;
    // The search by hits (shown while the draw-search ticket has matches).
    TKeresPanel* KeresPanel = nullptr;
    QPushButton* KilepesGomb = nullptr;
    // The grid's pop-up menu: "Példabontás".
    QAction* Pldabonts1 = nullptr;

    THuzTablaModel* Model() const { return model_; }

    // Handlers.
    void BovitesGombClick();
    void BeszurasGombClick();
    void ModositasGombClick();
    void TorlesGombClick();
    void VisszaGombClick();
    void MegseGombClick();
    void MentesGombClick();
    void ToolButton1Click();
    void ToolButton4Click();
    void EloreGombClick();
    void HatraGombClick();
    void EloreLapozGombClick();
    void HatraLapozGombClick();
    void KilepesGombClick();
    // The search by hits.
    void KeresesGombClick();
    void KeresPanelBe();
    void KeresPanelKi();
    void KeresBoxSelect();
    void ElsoreKeresGombClick(bool hang = false);
    void UtolsoraKeresGombClick(bool hang = false);
    void TovabbKeresGombClick();
    void VisszaKeresGombClick();
    // The selected number row goes onto the variation-check ticket.
    void KeresVariaciobanGombClick();
    // A line of the variation (row sor, its ticket numbers) is searched
    // among the draws.
    void BontSzamsorKeres(const kvx::TTombByte1D& szamok, int sor);
    // A variation exists (the button above works only then).
    void SetVariacioKesz(bool van);
    // A sample variation from the selected number row (its pop-up item).
    void Pldabonts1Click();
    // The drawing a sample would be made of: the selected number row of a
    // loaded table; none without one.
    std::optional<HuzasHely> KijeloltPeldaHuzas() const;

    // After an accepted entry the next clipboard draw is entered.
    void VagolapFolytatas();
    void ListaAktiv(bool modositott);
    void SzelvKijelzes();
    // Left, Right and Tab in a game that draws twice: moves the grid between
    // the two drawings of the current row while the list is shown and can
    // take the focus. True when the key was used up.
    bool SorsolasValtas(int key);
    bool SegedszelvenyLathato = true;

    // Grid rows (the heading row too) the window is sized for: 16 at first,
    // then as many as the user showed by resizing it.
    int LathatoSorok = 16;

signals:
    // Whether the table holds unsaved edits: the main window's "Mentés"
    // follows the list's save button.
    void mentesAllapot(bool engedelyezett, const QString& tipp);
    // The auxiliary ticket is to show (beside the list) or to hide.
    void segedszelvenyLathato(bool lathato);
    // The selected number row and its hit report, for the auxiliary ticket.
    void huzasKijelzes(const kvx::TTombByte1D& kivSzamok, const kvx::TTombByte1D& kivPotSzamok,
                       const kvx::HLRiport& riport);
    // The user asks for the draws-list range (the range dialog in mode 3).
    void tartomanyBeallitas(const kvx::HuzSzamaKornyezet& kornyezet);
    // The selected number row is to be checked against the variation: its
    // numbers, its drawing's bonus numbers and the check ticket's caption.
    void variacioKeresKerve(const kvx::TTombByte1D& szamok, const kvx::TTombByte1D& potSzamok, const QString& felirat);
    // The clipboard cannot be read into the entry: the entry's hint says why.
    void bevitelTipp(const QString& szoveg);
    // A button of a main window command: that command is to run.
    void parancsKerve(kvx::ParancsId nev);
    // A sample variation is asked for from the draw of row sor (1-based),
    // its drawing starting at table column oszlop.
    void peldabontasKerve(int sor, int oszlop);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    void HuzTablaSelectCell(int oszlop, int sor);
    void HLRiportKiir();
    void Kivalaszt(int sor);
    // Selects a number row found by the search.
    void KeresKivalaszt(kvx::SzamsorHely h);
    kvx::SzamsorHely KivSzamsor() const;
    void Ujratoltes();
    bool BBMElokesztes();
    void BevitelInditas();
    void Elrendezes();
    void MagassagIgazitas();
    int RacsonKivul() const;
    // Draw rows the grid shows whole.
    int LathatoSorokSzama() const;
    // The four paging buttons from the selection and the rows in sight.
    void NavigacioAllapot();
    // The draw entry closed and the controller applied its edit.
    void BevitelVege(bool elfogadva, bool talArErtesites);

    HuzasokVezerlo& vezerlo_;
    THuzTablaModel* model_ = nullptr;
    bool valasztas_ = false;
    // Set while the window sizes itself: such a resize is not the user's.
    int sajatMeretezes_ = 0;
    // A table was loaded since the list last showed: the last draw is selected.
    bool betoltve_ = true;
};
