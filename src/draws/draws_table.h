#pragma once
// The draws table of the current game: one row of 32-bit integers per draw,
// oldest first. Columns: 0 sequence number, 1 year, 2 week, from 3 the
// numbers of the draw event (HuzottSzamok of them, 0 = empty).
#include "app/game_table.h"
#include "common/arrays.h"

#include <cstdint>
#include <string>

namespace kvx {

constexpr std::int32_t kMaxHuzasok = 100000;

struct DrawsState {
    TTombInt2D Huzasok;                  // HuzasokSzama rows of Oszlopszam columns
    std::int32_t HuzasokSzama = 0;
    std::int32_t HuzasokUtolsoIndex = 0; // HuzasokSzama - 1, 0 when empty
    std::int32_t Oszlopszam = 0;         // HuzottSzamok + 3 of the loaded rows
    // Results of the last GetDbTaroltSzamsor.
    std::int32_t TaroltSzamsorDb = 0;
    std::int32_t PluszSzamosDb = 0;
    // A database is loaded.
    bool AdatbazisBetoltve = false;
};


// Which kind of draws database is loaded: the program's own (built-in), a
// private ".pdb" or the game's alternative one. Kept apart from the table so
// that replacing the table does not forget the kind.
struct AdatbazisFajta {
    bool AdatbazisTipus = true;    // the built-in database
    bool PrivatAdatbazis = false;  // a private database
    std::string AdatbazisFelirat = "Húzások listája";  // caption of the kind, used in questions
};


// AdatbazisTipus := beepitett; the caption follows: "Húzások listája" for
// the built-in one (which clears the private flag), "Privát adatbázis" for a
// private one, else "Alternatív adatbázis".
void SetAdatbazisTipusa(AdatbazisFajta& a, bool beepitett);

// The hint of the search in the draws ("Keresés", its button and the search
// ticket's panels): it names the kind of database searched.
std::string KeresesTipp(const AdatbazisFajta& a);

// Sizes the table to rows x columns (all zero).
void SetHuzasok(DrawsState& d, std::int32_t sorok, std::int32_t oszlopok);
// Frees the table and clears AdatbazisBetoltve.
void FinalizeHuzasok(DrawsState& d);

// Counts the number rows (a second drawing is a row of its own) and the rows
// carrying a bonus number among the draws first..last (1-based). False when no
// database is loaded or the range does not lie within the table.
bool GetDbTaroltSzamsor(DrawsState& d, const GameParams& g, std::int32_t elso, std::int32_t utolso);

// Number row of a draws-list cell, counting two rows per draw in two-drawing
// games.
std::int32_t GetKivSzamsorSorszama(const GameParams& g, std::int32_t sor, std::int32_t oszlop);

}  // namespace kvx
