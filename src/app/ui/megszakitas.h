#pragma once
// The worker-thread pattern every long job follows: the starter counts the
// worker as running, the worker waits until its window is visible, starts
// the window's timer on the GUI thread, runs the job, stops the timer and
// runs the end handler on the GUI thread, and finally counts itself as
// finished. Progress and stop/pause requests travel through atomics
// (MunkaJelzok, the stop token); the timer polls them. An exception that
// leaves the job goes to the application's exception handler.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stop_token>

#include "app/workers.h"
#include "app/ui/program.h"

namespace kvx {

struct MegszakitasLeiras {
    // The job's window; the worker waits until it is visible. Null for jobs
    // without a window.
    QWidget* Form = nullptr;
    // The window's timer: started before the job, stopped after it.
    QTimer* Idozito = nullptr;
    // The job, on the worker thread. It polls the stop token.
    std::function<void(std::stop_token)> Munka;
    // On the GUI thread after the job; the flag tells whether the job ended
    // without an exception.
    std::function<void(bool sikeres)> VegeKezelo;
};

class Megszakitas {
public:
    // Starts the worker; null when the registry is shutting down.
    static SzalNyilvantartas::Azonosito Indit(MegszakitasLeiras leiras,
                                              SzalNyilvantartas& nyilvantartas = szalak());
};

// Stops and joins every worker while the GUI thread keeps serving them. Call
// it at shutdown before the windows are destroyed.
void MunkaszalakLeallitasa(SzalNyilvantartas& nyilvantartas = szalak());

// Runs fn on the GUI thread and waits for it (at once when already there or
// when there is no application). A worker of a closing program skips it
// unless leallaskorIs: the GUI thread serves such calls only while it waits
// for its workers. Returns whether fn ran (false also when the application
// goes before it could). Everything the worker did before the call happens
// before fn, and fn before everything after it, in a way that race
// checkers see as well.
bool GuiSzalonFuttatas(const std::function<void()>& fn, bool leallaskorIs);

// Hands fn to the GUI thread without waiting, with the same ordering of
// what the worker did before; with cel set it runs only while cel exists.
void GuiSzalonKuldes(QObject* cel, std::function<void()> fn);

}  // namespace kvx
