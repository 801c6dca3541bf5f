#pragma once
// The random-count dialog: how many random draws to add to the database, or
// how many random numbers to mark on the main ticket. Created once at
// start-up; Start and SzamokStart open it modally.
#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

class TVelSzam : public QDialog {
    Q_OBJECT
public:
    explicit TVelSzam(QWidget* parent = nullptr);

    // Opens the dialog for random lines (Tag 2) with the count 1..maximum;
    // ketHuzas: a draw of the game holds two lines. Returns the count
    // chosen, 0 when the dialog was cancelled.
    int Start(int maximum, bool ketHuzas);
    // Opens the dialog for random numbers of the main ticket (Tag 1) with
    // the count 1..maximum. Returns the count chosen, 0 when cancelled.
    int SzamokStart(int maximum);

    // 0 after "Mégse"; "Kijelölés" leaves it as Start set it.
    int Tag = 0;

    QLabel* VelSzamBeCimke = nullptr;
    // The count edit with its arrows.
    QSpinBox* VelSzamBeUD = nullptr;
    QPushButton* KijelolesGomb = nullptr;
    QPushButton* MegseGomb = nullptr;

    void KijelolesGombClick();
    void MegseGombClick();
    // A double click jumps between the minimum and the maximum.
    void VelSzamBeEditDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The dialog stands beside the windows it works with, not centred over
    // them.
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // Shows the dialog modally with the count 1..maximum; the chosen count
    // or 0.
    int Futtatas(int maximum, int hossz, QWidget* fokusz);
};
