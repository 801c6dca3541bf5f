#pragma once
// The text reports of the statistics shown as text: hit ratios, even/odd,
// repetition, events, neighbouring numbers and number sets. A report is laid out into drawing steps (a text at
// a position in one of the report's colours, or a band from a y to the
// bottom), which the window paints and a test reads as a table.
#include "app/game_table.h"
#include "common/arrays.h"
#include "statistics/hit_ratios.h"
#include "statistics/line_properties.h"
#include "statistics/stat_table.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kvx {

enum class JelentesSzin { Szoveg, Ertek, Szazalek, Sav1, Sav2 };

struct JelentesLepes {
    bool Sav = false;  // a band from Y down to SavAlja
    std::int32_t X = 0, Y = 0;
    std::string Szoveg;
    JelentesSzin Szin = JelentesSzin::Szoveg;
    std::int32_t SavAlja = 0;  // 0: the bottom of the report
};

struct JelentesKep {
    std::vector<JelentesLepes> Lepesek;
    std::int32_t Szelesseg = 0;  // widest line + left margin
    std::int32_t Magassag = 0;   // last line + the bottom gap
};

struct JelentesMeretek {
    double MeretSzorzo = 1.0;
    std::int32_t MeretIndex = 0;
    std::int32_t KepernyoMagassag = 1080;
    // Pixel width of a text in the report's font.
    std::function<std::int32_t(const std::string&)> Szelesseg;
};

struct JelentesBemenet {
    std::int32_t Tag = 0;
    GameParams Jatek;
    StatMunkavaltozok V;          // N, T, K, the source and the hit stride
    TTombInt2D Tabla;             // the statistic's result
    SzamTulajdonsagok Tul;        // pool and selection counts
    AzonosLista Azonos;           // identical pairs of the hit ratios
    std::int32_t FixSzamDb = 0;
    std::int32_t VariacioMeret = 0;
    std::int32_t HuzasokSzama = 0;      // rows of the draws table
    std::int32_t BontMatrixMeret = 0;   // allocated variation lines
    // Lines by their runs of neighbouring numbers (2 x (K + 1)).
    TTombInt2D SzomszedosTabla;
    // Per position of a line: values met there, values possible there.
    TTombInt2D SzamkeszletOsszesito;
};

// The report of b.Tag (4, 5, 6, 7, 10, 11, 12, 13, 18, 20, 30, 31); empty for
// other tags.
JelentesKep SzovegesJelentes(const JelentesBemenet& b, const JelentesMeretek& m);

}  // namespace kvx
