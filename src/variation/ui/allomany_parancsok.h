#pragma once
// The file commands of the main window: "Megnyitás" and "Mentés másként" of
// the "Fájl" menu and "Mentés" of the "Számsor" menu, with the main window's
// open and save dialogs (TAllomanyDialogusok), which open and save both
// number sets and variations, and the state they are handed before each
// dialog. The handlers are registered in the command registry under the
// command table's ids; the dialogs ask and report errors with the program's
// boxes (app/ui/uzenetek.h), and the proposed file name takes the status
// bar's variation text (app/ui/variacio_statusz.h). The main ticket, the
// variation's list and the conditions window are called directly.
//
// Signals: jatekValtasKerve (a file of another game was opened).
#include <QObject>
#include <QPointer>

#include <functional>
#include <string>

#include "variation/ui/filedialogs.h"

class QString;
class QWidget;
namespace kvx {
class Program;
}

class AllomanyParancsok : public QObject {
    Q_OBJECT
public:
    explicit AllomanyParancsok(kvx::Program& program, QObject* parent = nullptr);

    // Registers the three commands in the current command registry (the
    // connections end with `kontextus`); the two saves follow the main
    // ticket's line and the variation's lines.
    void ParancsokBekotese(const QObject* kontextus);
    // Makes the open and save dialogs on the main window (they die with it).
    void DialogusokLetrehozasa(QWidget* foablak);
    // The dialogs of the last DialogusokLetrehozasa; none once their main
    // window has gone.
    TAllomanyDialogusok* Dialogusok() const { return d_; }
    // Hands the dialogs the state of the database, the variation and the
    // status bar they propose names and refuse files by.
    void DialogusAllapotFrissites();

    // "Megnyitás": a number set, a variation or an import file.
    void Megnyits1Click();
    // "Mentés másként": a number set, a variation or an export file.
    void Mentsmsknt1Click();
    // Számsor "Mentés": the number set with its conditions.
    void Ments3Click();

signals:
    // A file of another game switches the game; its numbers were cleared
    // and that question offered the unsaved draws already. The dialogs'
    // state follows once the listeners have switched.
    void jatekValtasKerve(int jatek);

private:
    void statuszKiiras() const;
    // The saves are on while there is something to save.
    void MentesAllapot() const;
    void szamokValtozasa() const;
    void opciokBetoltese() const;

    kvx::Program& p_;
    QPointer<TAllomanyDialogusok> d_;
    // The open dialog loaded a variation.
    bool variacioMegnyitva_ = false;
};
