#pragma once
// The variation list window: the lines of the variation in a table that
// asks the model only for the rows on screen (a million lines open at
// once), the selected line on the auxiliary ticket with its hit
// distribution and ordinal, and the navigation buttons.
#include <QAbstractTableModel>
#include <QDialog>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

#include "app/main_menu.h"
#include "common/arrays.h"
#include "variation/variation_list.h"

class QAction;
class QTableView;
class QToolButton;
class QPushButton;
class QLabel;
class TKeresPanel;


class BontListaModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BontListaModell(QObject* parent) : QAbstractTableModel(parent) {}
    kvx::BontListaNezet Nezet;
    int KivRekord = 1;
    int TobbszorosSor = 0;

    void Frissites(const kvx::BontListaNezet& n);
    int rowCount(const QModelIndex& = QModelIndex()) const override;
    int columnCount(const QModelIndex& = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
};

class VariacioVezerlo;

class TBontLista : public QDialog {
    Q_OBJECT
public:
    explicit TBontLista(VariacioVezerlo& vezerlo, QWidget* parent = nullptr);

    QTableView* BontTabla = nullptr;
    BontListaModell* Modell = nullptr;
    QPushButton* EloreGomb = nullptr;
    QPushButton* EloreLapozGomb = nullptr;
    QPushButton* HatraLapozGomb = nullptr;
    QPushButton* HatraGomb = nullptr;
    QPushButton* KilepesGomb = nullptr;
    QToolButton* ToolButton6 = nullptr;
    QToolButton* BontListBovitesGomb = nullptr;
    QToolButton* BontListModositasGomb = nullptr;
    QToolButton* BontSzamsorokTorleseGomb = nullptr;
    QToolButton* MentesGomb = nullptr;
    // Buttons of the main window's variation commands (named after their
    // menu items' components); their states and hints are the commands'.
    QToolButton* TorlesGomb = nullptr;         // "rls2"
    QToolButton* BovitmenyTorlesGomb = nullptr;  // "Bvtmnytrlse1"
    QToolButton* BovitmenyEgyesitesGomb = nullptr;  // "BovitmenyBeilleszt"
    QToolButton* RendezesGomb = nullptr;       // "Rendezs1"
    QToolButton* EredetiSorrendGomb = nullptr;  // "Eredetisorrend1"
    QToolButton* RogzitesGomb = nullptr;       // "Vglegesszmsorrend1"
    QToolButton* NyomtatasGomb = nullptr;      // "Listanyomtatsa2"
    QToolButton* NyomtatasAllomanybaGomb = nullptr;  // "Lista1"
    QToolButton* SzelvenyekGomb = nullptr;     // "Szelvnyek1"
    QToolButton* ModositasGomb = nullptr;      // "Mdosts1"
    // Checks the selected line against the others (the check ticket).
    QToolButton* EllenorzesGomb = nullptr;
    // Searches the selected line among the draws (shown only while the
    // draws can be listed).
    QToolButton* KeresesGomb = nullptr;
    // The search by hits of the last check.
    TKeresPanel* KeresPanel = nullptr;
    // Row (0-based) of the match the search stands on, -1 when none.
    int KeresSor = -1;

    // The next BontListaStart rebuilds the table from its first row (the
    // lines or their order changed behind the list).
    void TablaUjrakezdes() { tablaKesz_ = false; }
    int KivRekord = 1;
    int KivOszlop = 1;
    int TobbszorosSor = 0;
    int LathatoSorok = 16;
    bool SegedszelvenyLathato = true;
    kvx::TTombInt1D TalalatEloszlas;
    kvx::TTombByte1D KivSzamsor;
    // The last report (also written into the auxiliary ticket).
    kvx::BLRiport Riport;

    void BontListaStart();
    void UjBontTabla();
    int GetKivRekord() const;
    // Selects a line; with szerkesztett the variation is marked edited.
    void AktSorKijelol(int sor, bool szerkesztett = false);
    // The editing buttons.
    void BontListBovitesGombClick();
    void BontListModositasGombClick();
    void BontSzamsorokTorleseGombClick();
    // The editing buttons' states and hints (with the variation's commands).
    void SzerkesztoGombokBeallitasa();
    // Shift+Ctrl double click: the Felülírás boundary of the optimisation.
    void BontTablaDblClick();
    void SzelvKijelzes();
    void BLRiportKiir();
    void KilepesGombClick();
    void ToolButton6Click();
    void EloreGombClick();
    void HatraGombClick();
    void EloreLapozGombClick();
    void HatraLapozGombClick();
    int LathatoSorokSzama() const;
    // The search panel and its buttons.
    void KeresPanelBe();
    void KeresPanelKi();
    void KeresBoxSelect();
    void ElsoreKeresGombClick(bool hang = false);
    void UtolsoraKeresGombClick(bool hang = false);
    void TovabbKeresGombClick();
    void VisszaKeresGombClick();
    // The selected line goes onto the check ticket (Shift+Ctrl: the ticket
    // opens empty).
    void VariacioSzamsorKeres();
    // The selected line goes onto the draw-search ticket.
    void KeresesGombClick();
    // Whether the draws list can be shown (its "Listázás" command is on).
    void SetHuzasokListazhatok(bool lehet);

signals:
    // The delete button: the range dialog is to choose the rows to delete,
    // sor is the selected row.
    void tartomanyTorlesKerve(int sor);
    // The auxiliary ticket shows the selected line's report (and comes to
    // the front when mutat), or shows or hides.
    void segedszelvenyKijelzes(const kvx::BLRiport& riport, bool mutat);
    void segedszelvenyLathato(bool lathato);
    // The save button; the list too large to show (the hint of the command).
    void mentesKerve();
    // A button of a main window command: that command is to run.
    void parancsKerve(kvx::ParancsId nev);
    void listazasTipp(const QString& tipp);
    // The line of row sor (its ticket numbers) is to be searched among the draws.
    void huzasKeresKerve(const kvx::TTombByte1D& szamok, int sor);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // The table shows the lines as they are now; false: rebuilt at the next
    // BontListaStart.
    bool tablaKesz_ = false;
    // The height of everything but the grid, and the window's height for
    // `sorok` grid rows (the heading row counted).
    int racsonKivul() const;
    int sorokMagassaga(int sorok) const;
    // The height follows the rows: never taller than all of them.
    void MagassagIgazitas();
    // The four paging buttons from the selection and the rows in sight.
    void NavigacioAllapot();
    // Set while the window sizes itself: such a resize is not the user's.
    int sajatMeretezes_ = 0;
    // Places the list afresh through the placement service (its auxiliary
    // ticket follows it when it shows).
    void Elhelyezes();
    // The main ticket the list was placed beside; a game change builds a new one.
    int elhelyezveEpites_ = -1;
    void FormCreate();
    // The buttons of the main window's commands with their components' names.
    std::vector<std::pair<QToolButton*, kvx::ParancsId>> parancsGombok() const;
    void BontTablaSelectCell(int sor, int oszlop);
    // The list closed for a worker's job on the store and shows again after it.
    bool tarMunkaAlattBezarva_ = false;
    bool huzasokListazhatok_ = false;
    QAction* keresesAkcio_ = nullptr;
    VariacioVezerlo& vezerlo_;
};
