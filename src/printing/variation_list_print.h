#pragma once
// The variation-list printout: the variation's page head and description,
// then its lines in two to four columns per page, each entry with its line
// number and numbers.
#include <cstdint>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "common/arrays.h"
#include "printing/print_pages.h"
#include "printing/variation_info.h"

namespace kvx {

struct BontListaElrendezes {
    std::int32_t Oszlopok = 2;    // list columns C
    std::string Fejlec;           // column header
    std::string SzamUtan;         // after an entry's line number
    std::string Elvalaszto;       // between numbers
    std::string Koz;              // between columns
};
BontListaElrendezes BontListaElrendezesJatek(const GameParams& g, bool huzasokbol);

// The lines to print.
struct BontListaSorok {
    std::int32_t SorHossz = 0;            // bytes of a stored line
    std::vector<std::uint8_t> Adat;       // the lines, SorHossz bytes each
    bool HuzasSzamsorVariacio = false;    // the lines hold numbers and come from draws
    TTombInt1D HuzasSorszam;              // per line, the draw's serial
    TTombByte1D KijeloltSzamok;           // what an index stands for
    TTombByte1D FixSzamok;                // in stored order
    std::int32_t VariacioMeret = 0;       // indexes of a line
    std::int32_t VariacioFoMeret = 0;     // of those, main-pool ones
    std::int32_t Db() const { return SorHossz > 0 ? static_cast<std::int32_t>(Adat.size() / static_cast<std::size_t>(SorHossz)) : 0; }
};

// Entry of line n (1-based).
std::string BontListaBejegyzes(const GameParams& g, const BontListaElrendezes& e, const BontListaSorok& s,
                               std::int32_t n);

// Builds the printout in two passes, the second with the page count known.
void BontListaNyomtatas(NyomtatasEgyseg& n, const GameParams& g, const BontListaSorok& s,
                        const VariacioInfoBemenet& leiras);

}  // namespace kvx
