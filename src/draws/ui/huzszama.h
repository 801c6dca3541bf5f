#pragma once
// The range dialog: the user chooses the first and last draw (or variation
// line) of one of six uses. The rules live in draws/draw_ranges; this window
// reads its two edits and its check box into HuzSzamaMezok, calls the rule
// and shows what the rule left behind.
//
// The program creates the dialog once and keeps it: the constructor resets
// the stored ranges to the loaded draws table, like a database load does.
// A load resets them through the draws controller; an accepted range is
// announced there (tartomanyokValtoztak).
#include <QDialog>

#include "draws/draw_ranges.h"

class HuzasokVezerlo;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Arrow pair beside an edit. It holds no value of its own: each press is one
// step of the edit's field.
class THuzSzamaUD : public QWidget {
public:
    explicit THuzSzamaUD(QWidget* parent = nullptr);
    QToolButton* Fel = nullptr;
    QToolButton* Le = nullptr;
};

class THuzSzama : public QDialog {
    Q_OBJECT
public:
    explicit THuzSzama(HuzasokVezerlo& vezerlo, QWidget* parent = nullptr);

    // What the dialog works on besides the stored pairs, as far as the draws
    // subsystem knows it: N from the loaded draws table, the locale's
    // thousands separator. Callers of modes 2 to 5 fill in the rest (the
    // hit-ratio range being edited, the draws list caption, the variation's
    // and the test's line counts) before Start.
    static kvx::HuzSzamaKornyezet Kornyezet();

    // Opens the dialog in mode 1..6 (stored in Tag) and returns true when the
    // user closed it with Rendben. In modes 1, 3 and 6 with a database of one
    // draw a warning is shown instead and the result is false.
    bool Start(int mode);
    bool Start(int mode, const kvx::HuzSzamaKornyezet& kornyezet);

    // Sets the dialog to a mode of the draws (1, 2, 3 or 6; its Tag) with
    // the whole range in its fields, without showing it; the mode's pair
    // takes it as the check box does (mode 2 stores nothing). After the
    // conditions were cleared it goes to the hit-ratio condition's mode.
    void MindenHuzas(int mode);

    // Defaults after a database load (N from the draws table).
    void Ini(std::int32_t bontMatrixMeret = 0, kvx::TalalatiAranyTartomanyok* talAr = nullptr);

    // The mode of the last opening.
    int Tag = 0;
    // -1 while cancelled, otherwise the mode accepted with Rendben.
    int MegseGombTag() const { return mezok_.MegseGombTag; }

    // Controls.
    QLabel* HuzSzamaFejlec = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* ElsoHuzBeCimke = nullptr;
    QLabel* UtolsoHuzBeCimke = nullptr;
    QLineEdit* ElsoHuzBe = nullptr;
    QLineEdit* UtolsoHuzBe = nullptr;
    THuzSzamaUD* ElsoHuzBeUD = nullptr;
    THuzSzamaUD* UtolsoHuzBeUD = nullptr;
    QCheckBox* MindHuzBox = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* RendbenGomb = nullptr;
    QPushButton* MegseGomb = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int r) override;

private:
    void FormCreate();
    // Controls -> fields, and fields -> controls.
    void Olvas();
    void Mutat();

    void ElsoHuzBeExit();
    void UtolsoHuzBeExit();
    void ElsoHuzBeUDClick(bool fel);
    void UtolsoHuzBeUDClick(bool fel);
    void ElsoHuzBeDblClick();
    void UtolsoHuzBeDblClick();
    void MindHuzBoxClick(bool bejelolve);
    void RendbenGombClick();
    void MegseGombClick();

    // The edits' length follows the number of draws.
    void MezoHossz();

    HuzasokVezerlo& vezerlo_;
    kvx::HuzSzamaState& allapot_;
    kvx::HuzSzamaKornyezet kornyezet_;
    kvx::HuzSzamaMezok mezok_;
};
