#pragma once
// The settings dialog: the option flags, the price and currency of the
// current game, the permitted variation size, backups, tips and the text
// size. Every change is applied at once; "Kilépés" only closes.
#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

namespace kvx {
struct GameParams;
}
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

class TBeallitasok : public QDialog {
    Q_OBJECT
public:
    explicit TBeallitasok(QWidget* parent = nullptr);

    // Loads the controls from the settings; with mutat the dialog shows on
    // its first tab.
    void BeallitasokStart(bool mutat);
    // Writes the controls back to the settings (only while visible).
    void BeallitasokAlkalmazasa();
    void KilepesGombClick();
    // "Reset": the defaults of the flags, the size and the tips.
    void ResetGombClick();

    // Free physical memory in bytes (tests replace it).
    std::function<std::optional<std::uint64_t>()> SzabadMemoria;
    // The variation's permitted size, which the slider shows and sets; the
    // variation's wiring lends it (variation/ui/beallitasok_variacio.h).
    // Unset: the slider starts at its largest size and keeps its value to
    // itself. Teljes is the number of lines of the game's full variation,
    // which bounds the slider (unset: no bound but the memory's).
    struct VariacioMeretHorgok {
        std::function<std::int64_t()> Olvasas;
        std::function<void(std::int64_t)> Iras;
        std::function<std::int64_t(const kvx::GameParams&)> Teljes;
    };
    VariacioMeretHorgok VariacioMeret;
    // The largest size the slider offers now.
    std::int64_t BontMaximum() const { return maximum_; }

    QTabWidget* Lapok = nullptr;
    QCheckBox* JovahagyasCheck = nullptr;
    QCheckBox* BuborekKiBeBox = nullptr;
    QCheckBox* InformCheck = nullptr;
    QCheckBox* InformAllapotCheck = nullptr;
    QCheckBox* NewVersionCheck = nullptr;
    QCheckBox* SoundCheckBox = nullptr;
    QCheckBox* BackLogCheck = nullptr;
    QCheckBox* BackTipusaGomb = nullptr;
    QCheckBox* AllomanyNeveBox = nullptr;
    QLineEdit* SzelvArEdit = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* MeretvaltasBox = nullptr;
    QPushButton* Button1 = nullptr;
    QSlider* BontMaxMereteTB = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Memo1Label = nullptr;
    QLabel* Memo2Label = nullptr;
    QCheckBox* JovahagyasCheckVariation = nullptr;
    QLabel* Memo3Label = nullptr;
    QPushButton* KilepesGomb = nullptr;
    QPushButton* ResetGomb = nullptr;

signals:
    // A new text size was chosen (index 0..6): the main window asks and restarts.
    void meretValtas(int index);
    // The settings changed: whoever copies or shows them refreshes.
    void alkalmazva();
    // "Nyomtató beállítás".
    void nyomtatoBeallitas();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void FormCreate();
    void BontMaxMereteTBChange();
    void SzelvArEditChange();
    void SzelvArEditExit();
    void ArSzovegKiiras(double ar);
    void JovahagyasCheckClick();
    void BackLogCheckClick();
    void InformCheckClick();
    void BuborekKiBeBoxClick();
    void MeretvaltasBoxChange(int index);
    void MeretIndexKijelzes();
    int meretIndex() const;

    std::int64_t maximum_ = 100000;
    bool memoriaKorlat_ = false;
    bool betoltes_ = false;
};
