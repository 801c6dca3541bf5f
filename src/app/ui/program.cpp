#include "app/ui/program.h"

#include <cstdlib>
#include <cstdio>

namespace kvx {

namespace {
Program* g_aktualis = nullptr;
}  // namespace

Program::Program() : elozo_(g_aktualis) { g_aktualis = this; }

Program::~Program()
{
    // The workers go first, while everything they read still exists.
    Szalak.MindetLeallit();
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
