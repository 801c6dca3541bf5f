#pragma once
// The variation test window: what is tested, the progress with elapsed and
// remaining time, the report table and the example lines of one hit class.
// The test runs on a worker through the test controller; the window polls
// its counters with Timer2 and shows the texts the controller builds. It
// asks the main window, through its signals, to restart the test with
// changed options, to choose the draw range and to insert the listed lines.
#include <QDialog>
#include <QSpinBox>

#include <atomic>
#include <functional>

#include "app/workers.h"
#include "variation/variation_test.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTimer;
class TesztVezerlo;
class VariacioVezerlo;

// An up-down with its edit: the edit shows a text made from the position.
class TesztSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    std::function<QString(int)> Szoveg;
    // Double-click on the edit.
    std::function<void()> DuplaKattintas;
    // The edit of the up-down (the edit the user reads).
    QLineEdit* Szerkeszto() const { return lineEdit(); }

protected:
    QString textFromValue(int v) const override { return Szoveg ? Szoveg(v) : QSpinBox::textFromValue(v); }
    int valueFromText(const QString& s) const override;
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
};

class TBontTeszt : public QDialog {
    Q_OBJECT
public:
    TBontTeszt(TesztVezerlo& teszt, VariacioVezerlo& variacio, QWidget* parent = nullptr);
    ~TBontTeszt() override;

    QWidget* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    QProgressBar* BontFolyamatTesztPB = nullptr;
    QLabel* ElteltIdoLabel = nullptr;
    QLabel* HatralevoIdoLabel = nullptr;
    QLabel* TesztFejlec = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QCheckBox* ReszletekCheckBox = nullptr;
    QTimer* Timer2 = nullptr;
    TesztSpinBox* UpDown1 = nullptr;                      // with its edit LabeledEdit1
    TesztSpinBox* TesztListDbTalalatraUpDown = nullptr;   // with its edit TesztListDbTalalatraEdit
    QCheckBox* FeltetelekLogCB = nullptr;
    QCheckBox* HuzasokLogCB = nullptr;
    QPushButton* BovitesTesztGomb = nullptr;
    QPushButton* StopGomb = nullptr;
    QPushButton* KilepesGomb = nullptr;
    QPushButton* HatterbenGomb = nullptr;
    QPushButton* HuzasokSzamaGomb = nullptr;

    // 0 normally; -1 when "Beillesztés" closes the window.
    int Tag = 0;
    // The clock of the elapsed time (seconds); tests set their own.
    std::function<double()> Ora;

    // The main window's test set-up: the controls take the prepared values
    // without running their handlers.
    void Beallitas(const kvx::TesztElokeszites& e);
    // Starts a test, or shows the finished one again.
    void Start();
    void TesztVege();
    void KilepesGombClick();
    void BovitesGombStatus();
    void TesztListDbTalalatraHint();
    void Timer2Timer();
    void StopGombClick();
    void HatterbenGombClick();
    void FeltetelekLogCBClick();
    void UpDown1Click();
    void LabeledEdit1DblClick();
    void HuzasokSzamaGombClick();
    void BovitesTesztGombClick();
    void TesztListDbTalalatraUpDownClick();
    void ReszletekCheckBoxClick();

signals:
    // The options differ from those the test ran with: the main window
    // prepares and starts it again.
    void ujrainditasKerve();
    // The draw range of the test is to be chosen (the range dialog).
    void tartomanyKerve();
    // The listed class's lines are to be inserted into the variation.
    void beillesztesKerve(int osztaly);

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void showEvent(QShowEvent* e) override;

private:
    void FormCreate();
    void BontTesztBetoltes();
    void BontTesztHeightBeallitas();
    // The area the window must stay on (under the main window's toolbar),
    // the frame's height, the window's height without the report, the
    // smallest height (ten report lines), and a height set within the area,
    // centred vertically on the main window.
    QRect munkaTerulet() const;
    int keretMagassag() const;
    int jelentesNelkuliMagassag() const;
    void legkisebbMagassag();
    void magassagBeallitas(int magassag);
    void meretFigyelmeztetes();
    void vegeKezelo(bool kesz);
    bool opcioValtozott() const;

    TesztVezerlo& teszt_;
    VariacioVezerlo& variacio_;
    bool FMeretIgazitas = false;
    bool FReszletek = true;
    int UDIrany = 1;
    int elozoOsztaly_ = 0;
    double kezdoIdo_ = 0, zaroIdo_ = 0;
    std::atomic<bool> kesz_{false};
    kvx::SzalNyilvantartas::Azonosito szal_;
};
