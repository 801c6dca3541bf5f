#pragma once
// The options window of coupon filling: the range of sheets, the Joker
// marking, the numbering, the Keno stake and draws, "5 hetes" and "További
// Joker", a test sheet, and the calibration of the print position per
// coupon type.
#include <QDialog>

#include <cstdint>

#include "app/ui/ablak_tiltas.h"
#include "printing/ui/nyomtatas_vezerlo.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

class TNyomtOpc : public QDialog {
    Q_OBJECT
public:
    explicit TNyomtOpc(NyomtatasVezerlo* nyomtatas, QWidget* parent = nullptr);

    // Opens the window for the current variation's sheets; until it closes
    // every other window of the program is off.
    void Start();
    void NyomtatasGombClick();
    void MegseGombClick();
    void NyomtTulGombClick();
    void TesztGombClick();

    // The Joker choice and the numbering, kept from one opening to the next.
    std::int32_t JokerValasztas = kvx::kJokerNem;
    bool SegedSorszamozas = true;
    // The next start offers every sheet again (the variation changed).
    bool NyomtTartomanyReset = true;
    // The chosen range of sheets.
    std::int32_t Tol = 1;
    std::int32_t Ig = 1;

    QPushButton* NyomtatasGomb = nullptr;
    QPushButton* MegseGomb = nullptr;
    QPushButton* NyomtTulGomb = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* JokerGroup = nullptr;
    QButtonGroup* JokerGombok = nullptr;
    QCheckBox* SorszamBox = nullptr;
    QPushButton* TesztGomb = nullptr;
    QSpinBox* TetUpDown = nullptr;
    QSpinBox* SorsolasUpDown = nullptr;
    QCheckBox* OtHetesBox = nullptr;
    QCheckBox* TovabbiJokerBox = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* TBTopLeftLabel = nullptr;
    QLabel* TBTopRightLabel = nullptr;
    QLabel* TBLeftLabel = nullptr;
    QSlider* TrackBarTopLeft = nullptr;
    QSlider* TrackBarTopRight = nullptr;
    QSlider* TrackBarLeft = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    void SorsolasEditChange(int ertek);
    void TrackBarTopLeftChange(QSlider* kuldo);
    NyomtatasVezerlo::SzelvenyOpciok Opciok() const;
    void Nyomtatas(std::int32_t tol, std::int32_t ig);

    NyomtatasVezerlo* nyomtatas_ = nullptr;
    std::int64_t utolsoSorok_ = -1;
    kvx::AblakTiltas tiltas_;
};
