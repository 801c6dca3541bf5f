#pragma once
// The connection window " Internetkapcsolat": one status line while an
// internet action runs on its worker. It follows the internet controller:
// shown when an action that needs it starts (every other window of the
// program switched off meanwhile), the status line set on
// the worker's behalf, hidden when the action ends. Escape or its close box
// stop the running action.
#include <QDialog>

#include "app/ui/ablak_tiltas.h"

class QLabel;
class InternetVezerlo;

class TInternetLetoltesAblak : public QDialog {
    Q_OBJECT
public:
    explicit TInternetLetoltesAblak(QWidget* parent = nullptr, double meretSzorzo = 1.0);

    // Follows the controller's signals.
    void SetVezerlo(InternetVezerlo* v);

    QLabel* Label1 = nullptr;

    // Status line := text + ".", painted at once.
    void UzenetKi(const QString& szoveg);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FormCreate(double meretSzorzo);
    void FormShow();
    bool bezarhato_ = true;
    kvx::AblakTiltas tiltas_;  // the other windows, off while this one shows
    InternetVezerlo* vezerlo_ = nullptr;
};
