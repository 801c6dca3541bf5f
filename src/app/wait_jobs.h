#pragma once
// The numbered jobs that the wait window runs on its worker, and the progress
// text of the random-lines job. The subsystems that own a job register its
// function here; a code without a function runs nothing.
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>

#include "app/workers.h"

namespace kvx {

// Job codes of the wait window.
enum UzenetAblakFeladatKod : int {
    kFeladatNincs = 0,
    kFeladatVeletlenSzamsorok = 1,   // random lines into the draws table
    kFeladatBontListRendezes = 2,    // sort the variation store
    kFeladatBontMatrixOpt = 3,       // prepare the variation store
    kFeladatBontMatrixFoglalas = 4,  // resize the store for a run
    kFeladatBontMatrixImport = 5,    // resize the store for an import
    kFeladatBontMatrixFelszabaditas = 6,
    kFeladatBontSzamsorTorles = 7,   // delete a range of the variation's lines
};
constexpr int kUzenetAblakFeladatokSzama = 8;

using UzenetAblakMunka = std::function<void(std::stop_token, MunkaJelzok&)>;

struct UzenetAblakAllapot {
    std::atomic<int> UzenetAblakFeladat{kFeladatNincs};
    // Progress of the running job: Kezdet first row, Aktualis current row,
    // Utolso last row index of the draws table.
    MunkaJelzok Haladas;
    // The game has more than one drawing per event: progress counts draws.
    bool TobbSorsolas = false;
    std::array<UzenetAblakMunka, kUzenetAblakFeladatokSzama> Feladatok;
};


// Registers the function of a job code (1..6); false for any other code.
bool uzenetAblakFeladatBejegyzes(UzenetAblakAllapot& a, int kod, UzenetAblakMunka munka);

struct UzenetAblakHaladas {
    std::optional<std::string> Szoveg;  // new label text, when there is one
    std::optional<int> Szazalek;        // new taskbar value of 100
};

// Timer4Timer's arithmetic for the random-lines job.
UzenetAblakHaladas veletlenSzamsorHaladas(int feladat, std::int64_t kezdet, std::int64_t aktualis,
                                          std::int64_t utolso, bool tobbSorsolas);

}  // namespace kvx
