#pragma once
// The wait window " Türelmét kérem": a short text shown while the GUI thread
// works (modeless), or a modal window while a worker runs one of the
// numbered jobs of app/wait_jobs.h. Closing it (Esc) during a job asks the
// job to stop; the window closes when the job has ended.
#include <QDialog>
#include <QPointer>

#include "app/wait_jobs.h"
#include "app/ui/ablak_tiltas.h"
#include "app/ui/program.h"

class QLabel;
class QTimer;

namespace kvx {

class TUzenetAblak : public QDialog {
    Q_OBJECT
public:
    // foablak: the main window the window is centred on. The caller owns
    // the window (it is a top-level window of its own).
    explicit TUzenetAblak(QWidget* foablak, double meretSzorzo = 1.0,
                          UzenetAblakAllapot& allapot = uzenetAblakAllapot(),
                          SzalNyilvantartas& szalak = kvx::szalak());

    // elhelyezes 1: near the mouse, otherwise centred on the main window.
    // futtat false: modeless text; the caller works and then calls
    // UzenetVege. futtat true: runs the job modally and returns when it ended.
    // Nothing happens while a worker runs.
    void UzenetKi(const QString& szoveg, int elhelyezes, int feladat, bool futtat);
    void UzenetVege();

    QLabel* Label1 = nullptr;
    QTimer* Timer4 = nullptr;

public slots:
    void Timer4Timer();
    void FormCreate();

public:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QPointer<QWidget> foablak_;
    double meretSzorzo_;
    UzenetAblakAllapot& allapot_;
    SzalNyilvantartas& szalak_;
    SzalNyilvantartas::Azonosito munka_;  // the running job, if any
    AblakTiltas tiltas_;                  // the windows off while the modeless text shows
};

}  // namespace kvx
