#pragma once
// The draw-entry window: year, week and the numbers of one draw, to append,
// modify or insert a draw of the draws list. The numbers are marked on the
// draw-entry ticket or read from clipboard text; the rules live in
// draws/draw_entry.h. The draw being entered belongs to the draws
// controller: the window opens when the controller asks for an entry, sends
// its changes there, and hands the result back when it closes.
#include <QDialog>

class HuzasokVezerlo;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QFrame;

class THuzBe : public QDialog {
    Q_OBJECT
public:
    explicit THuzBe(HuzasokVezerlo& vezerlo, QWidget* parent = nullptr);

    // Opens the window in the draws list's mode (its MuveletKod); the empty
    // row of a new or inserted draw is already in the list.
    void Start();
    void UjHuzasBe();
    // Whether the draw is complete; sets Rendben's state to it.
    bool Ellenorzes();
    // Shows the entered numbers in the grids after a ticket click.
    void SorKijelzes();
    // Fills the rows with a random draw (Shift+Ctrl); Start then accepts it
    // when it is complete.
    void VeletlenKitoltes();

    void RendbenGombClick();
    void MegseGombClick();
    void Szamsor1GombClick();
    void Szamsor2GombClick();

    // 1 accepted, 0 cancelled.
    int Tag = 0;

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* HetBe = nullptr;
    QSpinBox* EvBe = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label3 = nullptr;
    QTableWidget* Szamsor1Lista = nullptr;
    QTableWidget* Szamsor2Lista = nullptr;
    QPushButton* Szamsor1Gomb = nullptr;
    QPushButton* Szamsor2Gomb = nullptr;
    int Szamsor2GombTag = 0;
    QPushButton* MegseGomb = nullptr;
    QPushButton* RendbenGomb = nullptr;

signals:
    // Shown: its ticket goes below it.
    void megnyilt();
    // Closed: its ticket hides.
    void bezarult();

protected:
    // Closing applies the result to the draws list.
    void done(int r) override;
    void reject() override;

private:
    void FormCreate();
    void HetBeChange(int het);
    void Szamsor1ListaDrawCell();
    void SorTabla(QTableWidget* t, int sor);
    void VagolapKitoltes();
    void VagolapVege();
    void RacsMeret(QTableWidget* t);

    HuzasokVezerlo& vezerlo_;
    bool rendbenVolt_ = false;
    bool lezarva_ = true;
};
