#pragma once
// Hit ratios: every line of the draws range or of the variation is taken as
// a ticket and compared with every other line of the set; each comparison
// falls into a hit class (main hits x stride + extra hits). Per class the
// result counts the lines that reach it at least once (column 0) and the
// lines whose best class it is (column 1), and the identical pairs (the top
// class) are counted exactly, of which the first few are kept for the list.
#include "app/game_table.h"
#include "common/arrays.h"
#include "draws/draws_table.h"
#include "statistics/diagram_engine.h"
#include "statistics/stat_result.h"

#include <cstdint>
#include <vector>

namespace kvx {

// One pair of identical lines: 1-based rows of the draws table (and the
// drawing, 1 or 2) or 1-based variation line numbers (drawing 1).
struct AzonosPar {
    std::int32_t Sor1 = 0, Huzas1 = 1, Sor2 = 0, Huzas2 = 1;
    bool operator==(const AzonosPar&) const = default;
};

struct AzonosLista {
    std::int64_t ParDb = 0;           // all identical pairs
    std::vector<AzonosPar> Parok;     // the first ones, in ticket order
};

// How many pairs the list keeps: more do not fit on a screen.
inline constexpr std::size_t kAzonosParMax = 1000;

// How the lines are compared: every pair, or by counting the lines that
// hold each part (subset) of every line. The choice follows the work each
// takes; the results are the same.
enum class TalalatiModszer { Automatikus, Paronkent, Reszhalmazok };

struct TalalatiAranyBemenet {
    GameParams Jatek;
    std::int32_t StatForras = 0;
    std::int32_t K = 0;                   // main numbers of a line (varied ones for a variation)
    std::int32_t TalalatLepes = 1;
    std::int32_t FixSzamDb = 0;           // variation: hits every pair shares
    std::int32_t TartomanyElso = 1, TartomanyUtolso = 0;  // database rows, 1-based
    std::int32_t Szalak = 0;              // worker threads; 0: the machine's cores
    // Reszhalmazok where the game's rules allow it (no bonus numbers, classes
    // that tell main and extra hits apart); every pair otherwise.
    TalalatiModszer Modszer = TalalatiModszer::Automatikus;
};

// Classes of the table: database C = TalalatSzorzo x K + 1 with own bonus
// classes, else (K + 1) x stride + PotSzamok; variation (FixSzamDb + K + 1)
// x stride.
std::int32_t TalalatiOsztalyDb(const TalalatiAranyBemenet& b);
std::int32_t TalalatiFelsoOsztaly(const TalalatiAranyBemenet& b);

// Tags 4 and 12: loads the slot or compares and stores. The table has C
// rows and 4 columns. a receives the identical pairs of a computed run
// (untouched when loaded). False when cancelled.
bool TalalatiAranyok(std::int32_t tag, StatMasolat& c, const TalalatiAranyBemenet& b, const DrawsState& d,
                     const VariacioSorForras& src, StatFutas& f, StatEredmeny& e, AzonosLista& a);

}  // namespace kvx
