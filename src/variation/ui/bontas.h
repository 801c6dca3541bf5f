#pragma once
// The run window " Variáció készítése": starts a generation run on its
// worker, shows time, lines, cost and progress while it goes, hands the
// Pause, Break and Stop requests to the worker, and writes the end report.
#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "app/workers.h"
#include "variation/command_availability.h"
#include "variation/ui/variacio_vezerlo.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class VariacioVezerlo;

namespace kvx {
class SorFeltetelTeszt;
class TalalatiAranyTeszt;
struct BontasBemenet;
struct TarolasKornyezet;
struct PeldabontasInfoBemenet;
enum class NovelesJelzes;
}  // namespace kvx

class TBontas : public QDialog {
    Q_OBJECT
public:
    explicit TBontas(VariacioVezerlo& vezerlo, QWidget* parent = nullptr);
    ~TBontas() override;

    // Starts a run (GUI thread); false when it did not start.
    bool BontasIndul();
    // The worker is alive.
    bool Fut() const;
    // Waits (serving the GUI thread) until the worker has ended.
    void Bevar();

    // End of a run (GUI thread).
    void Vege();
    void KilepesGombClick();
    void StopGombClick();
    void PauseGombClick(int tag);
    void EllenorzesGombClick(int tag);
    void Timer1Timer();
    // The missing-numbers tip after a run with lines (one-time tip 22).
    void BontStatVizsg();
    void BontasMegszakitasa();
    bool GetBontStatus() const;

    // Someone shows the statistics: after a run with lines the Break button
    // becomes a working "Statisztika" from now on.
    void StatisztikaEngedelyezes() { statisztikaElerheto_ = true; }

    // Sets every variation command by the current state.
    void VanNincsBontas(bool e);
    kvx::ParancsHelyzet ParancsHelyzetKeszites(bool e) const;


    // No button chosen yet: the window's next close hands on none.
    void ValasztasTorlese() { gomb_ = BontasGomb::Nincs; }
    // The last end report and whether it went into an error box.
    QString UtolsoJelentes;
    bool UtolsoJelentesHiba = false;

    QLabel* VariacioFejlec = nullptr;
    QLabel* SzelvSzamCimke = nullptr;
    QLabel* IdoCimke = nullptr;
    QLabel* KoltsegCimke = nullptr;
    QLabel* TarolvaCimke = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QProgressBar* BontFolyamatPB = nullptr;
    QPushButton* EllenorzesGomb = nullptr;
    QPushButton* ListaGomb = nullptr;
    QPushButton* MentesGomb = nullptr;
    QPushButton* ModositGomb = nullptr;
    QPushButton* TesztGomb = nullptr;
    QPushButton* TorlesGomb = nullptr;
    QPushButton* BovitesGomb = nullptr;
    QPushButton* InfoGomb = nullptr;
    QPushButton* PauseGomb = nullptr;
    QPushButton* BreakGomb = nullptr;
    QPushButton* StopGomb = nullptr;
    QPushButton* KilepesGomb = nullptr;
    QTimer* Timer1 = nullptr;
    std::vector<QCheckBox*> Jelzok;

    // Places the window beside the conditions window and the main ticket.
    void BontasPosition();
    // While the store grows (be) the line-count label says so and the run
    // buttons wait; afterwards the label shows the lines again.
    void kiterjesztesKijelzes(bool be);

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void showEvent(QShowEvent* e) override;

private:
    void FormCreate();
    void gombBeallitas(QPushButton* b, int tag, const char* tipp);
    void jelzokBeallitasa(const kvx::BontasBemenet& b);
    void munka(std::stop_token st);
    // A growth of the store during the run (on the worker).
    void novelesJelzes(kvx::NovelesJelzes j);
    void vegeKezelo();
    // The line count on its label, after `elotag` (the optimisation's cycles).
    void szelvSzamKiiras(std::int64_t n, const QString& elotag = {});
    void koltsegKiiras(std::int64_t n);
    kvx::PeldabontasInfoBemenet peldabontasInfo() const;
    void veletlenTipp();

    std::unique_ptr<kvx::SorFeltetelTeszt> sorTeszt_;
    std::unique_ptr<kvx::TalalatiAranyTeszt> talarTeszt_;
    std::unique_ptr<kvx::BontasBemenet> bemenet_;
    std::unique_ptr<kvx::TarolasKornyezet> kornyezet_;
    kvx::SzalNyilvantartas::Azonosito szal_;
    // The button the user chose (the close hands it on), and its code for
    // the worker's Stop question.
    BontasGomb gomb_ = BontasGomb::Nincs;
    std::atomic<int> gombTag_{0};
    bool statisztikaElerheto_ = false;
    std::atomic<bool> novelesFut_{false};  // the store grows: the timer shows nothing
    std::atomic<bool> javaslatFut_{false};  // the optimisation's proposal is asked: likewise
    double novelesKezdet_ = 0;             // worker only
    std::int64_t absvAlap_ = 0, absvOszto_ = 1;
    QString mentettFelirat_;
    VariacioVezerlo& vezerlo_;
};
