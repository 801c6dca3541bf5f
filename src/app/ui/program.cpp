#include "app/ui/program.h"

#include "app/ui/internet_vezerlo.h"
#include "app/ui/megszakitas.h"
#include "app/ui/variacio_statusz.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdlib>
#include <cstdio>

namespace kvx {

namespace {
Program* g_aktualis = nullptr;
}  // namespace

// Called by the constructor (program_allapot.cpp) once the states exist.
void Program::Bejegyzes()
{
    elozo_ = g_aktualis;
    g_aktualis = this;
    internet_ = std::make_unique<InternetVezerlo>();
    variacioStatusz_ = std::make_unique<VariacioStatusz>();
}

Program::~Program()
{
    // The workers go first, while everything they read still exists. A
    // worker may be waiting for the GUI thread (its end handler, a question):
    // on that thread the events are served while waiting, or both would wait
    // for each other.
    if (QCoreApplication* app = QCoreApplication::instance(); app && QThread::currentThread() == app->thread())
        MunkaszalakLeallitasa(Szalak);
    else
        Szalak.MindetLeallit();
    while (!vezerlok_.empty())
        vezerlok_.pop_back();
    teszt_ = nullptr;
    variacio_ = nullptr;
    szelveny_ = nullptr;
    huzasok_ = nullptr;
    internet_.reset();
    variacioStatusz_.reset();
    g_aktualis = elozo_;
}

Program& Program::aktualis()
{
    if (!g_aktualis) {
        // A window or handler running without a program is a wiring fault:
        // stop at once rather than work on state that does not exist.
        std::fputs("Kavarex: no Program object exists\n", stderr);
        std::abort();
    }
    return *g_aktualis;
}

}  // namespace kvx
