#pragma once
// The random-count dialog: how many random draws to add to the database.
// Created once at start-up; Start opens it modally.
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

private:
    void FormCreate();
};
