#pragma once
// Import of number lines from a plain text file (".csv" or ".txt") as the
// current variation. The file is read as a stream twice: once to count its
// text lines (a file of more than a million lines is refused before any line
// is looked at), once to check every line, select its numbers on the main
// ticket and keep the line. The kept lines then become rows of indexes into
// the selection, sorted within the main and the extra part.
//
// A line that is not longer than a line of numbers, or that holds no digit
// before its last character, is a title or a blank line and is skipped.
// Every other line holds exactly k numbers of one or two digits with k - 1
// separators (any character but a digit or a blank) between them; blanks
// may stand anywhere. An extra-pool number is written as the player sees it
// (from 1, or from 0 where the pool counts from 0), the way the export
// writes it.
#include <cstdint>
#include <functional>
#include <string>

#include "app/game_table.h"
#include "app/main_state.h"
#include "tickets/number_lists.h"
#include "variation/generation_run.h"
#include "variation/variation_file.h"
#include "variation/variation_store.h"

namespace kvx {

// More text lines than this are refused.
inline constexpr std::int64_t kImportMaxSor = 1000000;

inline constexpr const char* kImportTulNagy =
    "1 millió számsort meghaladó import állomány betöltése.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé.";
inline constexpr const char* kImportHianyos = "Hiányos számsor.";
inline constexpr const char* kImportNemNumerikus = "Nem numerikus karakter.";
inline constexpr const char* kImportBetoltesSzoveg = "Import állomány betöltése";
inline constexpr const char* kImportVariacioSzoveg = "Variáció állományának betöltése";

// What the import works on.
struct ImportKornyezet {
    SzamListak* Listak = nullptr;
    const GameParams* Jatek = nullptr;
    MainState* Foallapot = nullptr;
    VariationStore* Tar = nullptr;
    BontasEgyseg* Bontas = nullptr;
    VariacioAllomanyAllapot* Allomany = nullptr;
    // The wait window: shown with a text, closed. Both may be empty.
    std::function<void(const std::string&)> VarakozasKi;
    std::function<void()> VarakozasVege;
};

struct ImportEredmeny {
    bool Ok = false;
    std::int32_t Sorok = 0;  // lines imported
    std::string Uzenet;      // the refusal's text (error box); empty on success
};

// Reads the file into the store. The main ticket must be empty and the
// conditions cleared before (the caller's part). On success the ticket
// holds exactly the numbers the lines use, ascending, and the store holds
// the lines in file order with one extension boundary. On any refusal the
// store is empty and its line count 0; the ticket is emptied, except when
// a line holds more numbers than a line of the game (the numbers selected
// so far stay, as the message suggests a file of another game). The
// import-in-progress flag (Bontas->ImportFolyamatban) is set while the file
// is read and cleared on every way out, and the wait window is closed.
ImportEredmeny ImportBeolvasas(const std::string& nev, ImportKornyezet& k);

}  // namespace kvx
