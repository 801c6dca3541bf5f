#pragma once
// The application-wide exception handler. An exception that leaves a Qt event
// handler (caught in KavarexApplication::notify) or a worker's job (handed
// over by Megszakitas) appends a report to "KVXError.log" in the list folder
// and asks whether to quit.
#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

#include "app/error_log.h"

namespace kvx {

struct HibaKezeloBeallitasok {
    // The list folder, ending in a separator; the log is written there.
    QString ListKonyvtar;
    // Yes to the question: ends the program. Default: marks the program as
    // quitting and leaves the event loop.
    std::function<void()> Kilepes;
    // Fills the report's state lines: what the program holds at the moment
    // of the error (the draws, the variation, the main ticket). The program
    // body sets it, which sees every part; unset: the lines stay at zero.
    std::function<void(HibaNaploAdatok&)> AllapotSorok;
};

HibaKezeloBeallitasok& hibaKezeloBeallitasok();

// The handler (TFoablak.KVXException). GUI thread only. The sender's class
// names go into the report.
void KVXException(const QString& kuldoOsztaly, const QString& kuldoSzulo, std::exception_ptr hiba);
void KVXException(const QObject* kuldo, std::exception_ptr hiba);

// Delivers an event through QApplication::notify and hands an exception that
// leaves the receiver to KVXException; the event then counts as not handled.
bool vedettErtesites(QApplication* app, QObject* fogado, QEvent* esemeny);

class KavarexApplication : public QApplication {
    Q_OBJECT
public:
    KavarexApplication(int& argc, char** argv);
    bool notify(QObject* fogado, QEvent* esemeny) override;
};

}  // namespace kvx
