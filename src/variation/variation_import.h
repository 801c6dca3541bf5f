#pragma once
// Import of number lines from a plain text file (".csv" or ".txt") as the
// current variation. The file is read as a stream twice: once to count its
// text lines (a file of more than a million lines is refused before any line
// is looked at), once to check every line and keep it. Only a file found
// good throughout replaces anything: the caller then empties the main ticket
// and the conditions, the numbers the lines use become the selection and
// the lines rows of indexes into it, sorted within the main and the extra
// part.
//
// A line that cannot be a line of numbers is skipped wherever it stands: one
// not longer than k characters (a blank or short line), or one with no
// digit before its last character (a title or header row). Every other line
// holds exactly k numbers of one or two digits with k - 1 separators (any
// character but a digit or a blank) between them; blanks may stand
// anywhere. A line with digits that breaks this is refused, one with more
// numbers than a line holds says so, and every refusal names the line, as
// read, and what a line must hold. An extra-pool number is written as the
// player sees it (from 1, or from 0 where the pool counts from 0), the way
// the export writes it.
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
inline constexpr const char* kImportTulSokSzam = "A sor több számot tartalmaz, mint egy számsor.";
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
    // Called once the whole file was found good, before anything changes:
    // empties the main ticket and clears the conditions (it may ask the
    // user). False, or a ticket not empty afterwards, stops the import with
    // no message. Unset: the ticket must be empty already.
    std::function<bool()> Elokeszites;
};

struct ImportEredmeny {
    bool Ok = false;
    std::int32_t Sorok = 0;  // lines imported
    std::string Uzenet;      // the refusal's text (error box); empty on success
};

// Reads the file into the store. On success the ticket holds exactly the
// numbers the lines use, ascending, and the store holds the lines in file
// order with one extension boundary. A refused file (Uzenet says why) and a
// declined preparation (Uzenet empty) leave the ticket, the conditions and
// the store as they were. The import-in-progress flag
// (Bontas->ImportFolyamatban) is set while the file is read and while the
// lines are stored, never while the preparation runs, and the wait window is
// closed on every way out.
ImportEredmeny ImportBeolvasas(const std::string& nev, ImportKornyezet& k);

}  // namespace kvx
