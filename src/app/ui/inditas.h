#pragma once
// The program body: the running-instance check, the main window and the
// program's windows, the event loop and the orderly end.
#include <QStringList>

namespace kvx::platform {
class FutoPeldany;
}

namespace kvx {

class Program;

// Exit code of an instance that ends because another one runs.
constexpr int kMasikPeldanyKilepesiKod = 4;

// The instance check before any window exists. Another instance answering
// without "-r" as the first argument sets MasikPeldanyFut (the main window
// asks about it later); with "-r" (a restart asked by the program itself)
// it waits up to two seconds for the earlier instance to go.
void PeldanyEllenorzes(platform::FutoPeldany& peldany, const QStringList& args);

// Runs the program on its state; returns the process exit code.
int KavarexFuttatas(Program& program, int& argc, char** argv);

}  // namespace kvx
