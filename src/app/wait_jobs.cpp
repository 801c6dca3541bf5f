#include "app/wait_jobs.h"

namespace kvx {

namespace {
}

bool uzenetAblakFeladatBejegyzes(UzenetAblakAllapot& a, int kod, UzenetAblakMunka munka)
{
    if (kod < 1 || kod >= kUzenetAblakFeladatokSzama) return false;
    a.Feladatok[static_cast<std::size_t>(kod)] = std::move(munka);
    return true;
}

UzenetAblakHaladas veletlenSzamsorHaladas(int feladat, std::int64_t kezdet, std::int64_t aktualis,
                                          std::int64_t utolso, bool tobbSorsolas)
{
    UzenetAblakHaladas h;
    if (feladat != kFeladatVeletlenSzamsorok || !(kezdet < aktualis) || !(kezdet < utolso))
        return h;
    const std::int64_t kesz = aktualis - kezdet + 1;
    const std::int64_t osszes = utolso - kezdet + 1;
    h.Szoveg = "Véletlen számsorok generálása:  " + std::to_string(kesz) + " / " +
               std::to_string(osszes) + (tobbSorsolas ? "  húzás" : "  számsor");
    const std::int64_t lepes = osszes / 100;
    if (lepes > 0) h.Szazalek = static_cast<int>(kesz / lepes);
    return h;
}

}  // namespace kvx
