#pragma once
// The hint of the bar under the mouse: its value, count, last occurrence,
// share of all lines, frequency, and the expected and actual averages of the
// chart with this bar's deviation from them. Every chart family has its own
// first lines and units; the common lines follow the same rules.
#include "app/game_table.h"
#include "common/arrays.h"
#include "statistics/orderliness.h"
#include "statistics/stat_table.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

struct DiagramTippBemenet {
    std::int32_t Tag = 0;
    GameParams Jatek;
    std::int32_t Kulcs = 0;        // the bar's number
    std::int64_t Ertek = 0;        // its value: times drawn, draws since, occurrences
    std::int32_t Utolso = 0;       // last line holding it, 0 never
    std::int32_t R = 0;            // lines of the range
    std::int32_t VizsgaltPluszDb = 0;
    // The chart's values as displayed: Tag 1 [0] expected times drawn, [1]
    // expected draws since, [2] actual average; Tag 2 [0] and [1] the other
    // way round; Tag 3 [2] the average per main number, [4] and [5] the
    // halves of the selection.
    std::array<double, 8> Ertekek{};
    bool Zoom = false, Elmeleti = false, Tenyleges = false, Huzas = false, Inverz = false;
    std::int64_t Alatta = 0, Atlagos = 0, Felette = 0;  // bars below / at / above the actual average
    std::int32_t FoSorok = 0, PluszSorok = 0;           // main and extra-pool bars
    std::int32_t HanyHuzasOta = 0;    // Tag 1: draws since the number came
    std::int64_t HanyszorHuztak = 0;  // Tag 2: times drawn
    std::string SzamTipp;             // Tags 3, 19: the main ticket's hint of the number
    bool KijeloltVagyFix = true;      // Tags 3, 19: selected or fixed on the main ticket

    // The other chart families. With Zoom the bar stands for Csoport rows
    // (its label) that share the value Ertek.
    std::int64_t Csoport = 0;
    std::int32_t K = 0;                  // numbers of an examined line
    std::int32_t TartomanyUtolso = 0;    // last line of the range
    std::int32_t OsszesSor = 0;          // rows of the result (shown or not)
    // Pairs: the two numbers; Ertekek [0] expected interval, [1] pairs that
    // occurred, [3] mean interval of those.
    std::int32_t Par1 = 0, Par2 = 0;
    // Line distribution and consecutive lines: the full variation's size,
    // the width of a range, the lines counted, the first and last line of
    // the range; the ordinals count the selection's positions (IndexAlapu).
    std::int64_t TeljesMeret = 0;
    std::int64_t Szelesseg = 1;
    std::int64_t OlvasottSorok = 0;
    std::vector<std::int32_t> ElsoSzamsor, UtolsoSzamsor;
    std::int32_t SzamsorPluszDb = 0;  // extra numbers at the end of those lines
    bool IndexAlapu = false;
    bool VeletlenSzamsorok = false;
    std::int64_t Csokkeno = 0, Novekvo = 0;  // consecutive lines: steps down, up or equal
    std::int32_t Pozicio = 1;                // number sets: the position shown, from 1
    // Neighbours chart: the chain length chosen (0 the itemised view) and
    // its item's text; the number's pairs with its lower and upper
    // neighbour; Mind ticked.
    std::int32_t Lanc = 0;
    std::string LancSzoveg;
    std::int64_t Elozo = 0, Kovetkezo = 0;
    std::int64_t Kulonallo = -1;  // lines holding the number without a neighbour; -1 unknown
    bool Mind = true;
    // The keys of the bars and the scale for the orderliness line; the
    // counts below/at/above above are copied into it by the builder.
    RendezettsegBemenet Rendezettseg;
};

std::string DiagramTipp(const DiagramTippBemenet& b);

// Whether a chart's cached rows hold the key in column 0 (the main-ticket
// charts, pairs, line distribution, consecutive lines, number sets,
// neighbours) or in column 1 with the count in column 0 (sums, deviation,
// span, consecutive numbers).
bool KulcsElol(std::int32_t tag);

// The cached row's key, count and last line of a displayed row: the view
// placed them by Inverz (inverzOszlop) and the time view (huzas).
struct TippSor {
    std::int64_t Kulcs = 0, Darab = 0, Utolso = 0;
};
TippSor DiagramTippSor(const TTombInt1D& megjelenitett, std::int32_t tag, std::int32_t inverzOszlop, bool huzas);

// Counts the displayed bars below, at and above the actual average (taken
// rounded; a compared value of 0 is below). The main-ticket charts, the
// neighbours chart and pairs count bars (of main-pool keys; pairs all);
// the other charts count lines, weighting each bar by its count.
struct AtlagSzamlalo {
    std::int64_t Alatta = 0, Atlagos = 0, Felette = 0;
};
AtlagSzamlalo DiagramAtlagSzamlalok(const TTombInt2D& tabla, std::int32_t tag, std::int32_t inverzOszlop, bool huzas,
                                    const GameParams& g, double atlag);

// The keys the orderliness measure reads: the column of the displayed table
// that holds the counts in the chart's usual view.
std::vector<std::int64_t> RendezettsegKulcsok(const TTombInt2D& tabla, std::int32_t tag, std::int32_t inverzOszlop);

// The scale the keys are divided by before they are compared with the
// position table: in games with a separate extra pool a full variation
// repeats each main line once per extra combination. szamkeszletUtolso: the
// number-set position table's count at its last row (first position).
std::int64_t RendezettsegSkala(std::int32_t tag, const GameParams& g, std::int32_t kijeloltPluszSzamDb,
                               const std::vector<std::int64_t>& kulcsok, std::int32_t K,
                               std::int64_t szamkeszletUtolso);

// Lines that held number szam without either neighbour: the lines holding it
// (elofordulas) less those in which it stood in a run, read from the
// per-number neighbour table t (row n - 1: [2] with its lower, [3] with its
// upper neighbour, [c + 2] runs of exactly c numbers starting at n).
std::int64_t KulonalloElofordulas(const TTombInt2D& t, std::int32_t K, std::int32_t szam, std::int64_t elofordulas);

}  // namespace kvx
