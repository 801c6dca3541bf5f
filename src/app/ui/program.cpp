#include "app/ui/program.h"

#include "app/ui/internet_vezerlo.h"
#include "app/ui/megszakitas.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdlib>
#include <cstdio>

namespace kvx {

namespace {
Program* g_aktualis = nullptr;
}  // namespace

Program::Program() : elozo_(g_aktualis)
{
    g_aktualis = this;
    huzasok_ = std::make_unique<HuzasokVezerlo>(*this);
    szelveny_ = std::make_unique<SzelvenyVezerlo>(*this);
    variacio_ = std::make_unique<VariacioVezerlo>(*this, *szelveny_);
    teszt_ = std::make_unique<TesztVezerlo>(*this, *variacio_);
    internet_ = std::make_unique<InternetVezerlo>();
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
    teszt_.reset();
    internet_.reset();
    variacio_.reset();
    szelveny_.reset();
    huzasok_.reset();
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
