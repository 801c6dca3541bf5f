#pragma once
// The draw-list printout: the draws of the loaded database as fixed-width
// pages, two draws side by side (one per line for Keno and the games that
// draw twice), a page head with page numbers and the game's column header.
#include <cstdint>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "draws/draws_table.h"
#include "printing/print_pages.h"

namespace kvx {

// The draws as the draws list shows them, one row per draw: draw number,
// year, week, then every number column (an extra-pool number decoded, an
// empty bonus "0").
using HuzListaRacs = std::vector<std::vector<std::string>>;
HuzListaRacs HuzListaRacsKeszites(const DrawsState& d, const GameParams& g);

// The layout of a game's line.
struct HuzListaElrendezes {
    const char* Fejlec;    // column header
    const char* Koz;       // after the left draw (two-drawing games: between the drawings)
    const char* Elotag;    // before the right draw
    const char* Elvalaszto;  // between numbers
};
HuzListaElrendezes HuzListaElrendezesJatek(std::int32_t lottoIndex);
// One draw a line: Keno and the two games that draw twice.
bool HuzListaEgyOszlop(const GameParams& g);

struct HuzListaCimAdatok {
    bool AdatbazisTipus = true;     // the program's own database
    std::string AdatbazisFelirat;   // caption of the loaded database's kind
    std::string VerzioSzoveg;       // the program's version
    std::string Datum;              // today, short form
};
std::string HuzListaCim(const GameParams& g, const HuzListaCimAdatok& c);

// Builds the printout into the buffer (OldalSorok / OldalListaSorok as the
// caller set them).
void HuzListaNyomtatas(NyomtatasEgyseg& n, const GameParams& g, const HuzListaRacs& racs, const HuzListaCimAdatok& c);

}  // namespace kvx
