#pragma once
// The program body: the running-instance check, the main window and the
// program's windows, the event loop and the orderly end.
#include <QString>
#include <QStringList>

#include <functional>

#include "app/shell_state.h"

namespace kvx::platform {
class FutoPeldany;
}

namespace kvx {

class Program;
struct HibaNaploAdatok;

// Exit code of an instance that ends because another one runs.
constexpr int kMasikPeldanyKilepesiKod = 4;

// The instance check before any window exists. Another instance answering
// without "-r" as the first argument sets MasikPeldanyFut (the main window's
// creation asks about it before it writes a file or reads the INI); with "-r" (a restart asked by the program itself)
// it waits up to two seconds for the earlier instance to go, and one that
// is still there counts as running like any other.
void PeldanyEllenorzes(platform::FutoPeldany& peldany, const QStringList& args);

// What a run of the program is set up with; tests point it elsewhere.
struct FuttatasBeallitasok {
    // The name the running instance answers on; empty: the one of the
    // program folder (platform::peldanyNev).
    QString PeldanyNev;
    // How long a new instance waits for an earlier one it asked to close.
    int PeldanyBezarasMs = kPeldanyBezarasVarakozasMs;
    // The executable the folders are placed by and a restart starts; empty:
    // the running program.
    QString ProgramAllomany;
    // Starts a program detached from this one; false when it did not start.
    // Empty: QProcess::startDetached.
    std::function<bool(const QString& program, const QStringList& args)> ProgramInditas;
};

// The error report's state lines from the program's state: the draws, the
// variation and the main ticket's numbers (HibaKezeloBeallitasok::AllapotSorok).
void HibaAllapotSorok(HibaNaploAdatok& a);

// Runs the program on its state in the application already made: the
// instance check, the windows, the event loop, the end. A restart agreed to
// by the main window's close starts the new instance last, once this one's
// windows and workers are gone and it no longer answers as the running
// instance. Returns the process exit code.
int ProgramFuttatas(Program& program, const QStringList& args, const FuttatasBeallitasok& b = {});

// Makes the application and runs the program in it.
int KavarexFuttatas(Program& program, int& argc, char** argv);

}  // namespace kvx
