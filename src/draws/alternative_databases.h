#pragma once
// The user's own draws databases: the game's alternative database, private
// databases and databases of random draws. The rules that decide what the
// commands ask, how many random draws may be added and how random draws are
// filled live here; the main window runs the commands.
#include "app/game_table.h"
#include "draws/draws_table.h"

#include <atomic>
#include <stop_token>
#include <cstdint>
#include <functional>
#include <string>

namespace kvx {

// The database commands, by their menu tags.
enum AdatbazisParancs : std::int32_t {
    kKavarexAdatbazis = 0,     // reload the built-in database
    kAlternativBetoltes = 1,   // load the alternative database
    kAlternativUj = 2,         // create the alternative database
    kAlternativMentes = 3,     // save the current list into the alternative database
    kVeletlenFeluliras = 4,    // overwrite the current list with random draws
    kPrivatMegnyitas = 5,      // open a private database
    kVeletlenBovites = 6,      // extend the current list with random draws
};

// The largest number of random draws the extension may add: 10,000 lines
// (a two-drawing draw holds two), and never more than the database holds
// below 100,000 draws. 0 when the database is full.
std::int32_t VeletlenHuzasokMaximum(std::int32_t huzasokSzama, std::int32_t sorsolasokSzama);

// What a database command asks before it changes a file.
struct AdatbazisKerdesAdatok {
    std::int32_t Tag = 0;
    bool AlternativLetezik = false;       // the game's alternative file exists
    bool BeepitettVagyPrivat = false;     // the built-in or a private database is loaded
    std::string AlternativUtvonal;        // the alternative file's full path
    std::string AdatbazisFelirat;         // caption of the loaded database kind
    std::int64_t VeletlenSorok = 0;       // extension: random lines added
};
struct AdatbazisKerdes {
    std::string Szoveg;   // empty: nothing is asked (counts as Yes)
    bool Mindig = false;  // asked even when confirmations are off
};
AdatbazisKerdes AdatbazisKerdesSzoveg(const AdatbazisKerdesAdatok& a);

// The once-tip of the alternative-database commands.
extern const char* const kKlonozasTipp;
// The once-tip after random draws were written.
extern const char* const kVeletlenAdatbazisTipp;
// A database file could not be written.
extern const char* const kAllomanyLetrehozasHiba;

// Which parts of the stored draws are missing (two-drawing games: second
// lines; games with bonus numbers: bonus numbers).
struct HianyzoReszek {
    bool Szamsorok = false;
    bool PluszSzamok = false;
};
HianyzoReszek HianyzoReszekVizsgalata(const DrawsState& d, const GameParams& g);

// The fill questions of the random commands; empty when not to be asked.
std::string MasodikFeltoltesKerdes(std::int32_t tag);
std::string PluszFeltoltesKerdes(std::int32_t tag);

// Appends `darab` empty draws: sequence number = row + 1, the given year and
// ISO week. False (the table unchanged) when it would pass 100,000 draws.
bool VeletlenHuzasokHozzaadasa(DrawsState& d, const GameParams& g, std::int32_t darab, std::int32_t ev,
                               std::int32_t het);

struct VeletlenGeneralas {
    std::int32_t ElsoSor = 0;        // first row to fill (0-based)
    // Fill bonus numbers also where the row has none.
    bool PluszFeltoltes = true;
    // Fill the second drawing also where the row has none.
    bool MasodikFeltoltes = true;
    // Row being filled, for a progress display; may be null.
    std::atomic<std::int64_t>* SorIndex = nullptr;
    // Asked to stop: the rows not reached keep what they held.
    std::stop_token Leallitas;
};

// Random value in 0 .. n - 1.
using VeletlenFn = std::function<std::int32_t(std::int32_t)>;

// Fills the rows from ElsoSor on with random draws of the game's shape:
// every drawn column gets a number, the main numbers distinct and ascending,
// then the extra-pool numbers (distinct, ascending), then the bonus numbers
// (distinct from the main numbers). A row's bonus numbers (second drawing)
// are left empty where the row has none and filling them was declined.
// Returns false when it was stopped before the last row.
bool VeletlenSzamsorGeneralasa(DrawsState& d, const GameParams& g, const VeletlenGeneralas& p,
                               const VeletlenFn& veletlen);

// ---- The file dialogs of private databases ----

inline constexpr const char* kPrivatMegnyitasCim = " Privát adatbázis betöltése";
inline constexpr const char* kPrivatMentesCim = " Mentés privát adatbázisba";
// Filters: description and pattern pairs joined by "|". Opening also takes
// a user's draws file to import.
extern const char* const kPrivatMegnyitasSzuro;
extern const char* const kPrivatMentesSzuro;
// The name the save dialog proposes: the number of listed draws + "_huzas".
std::string PrivatMentesAutomatikusNev(std::int32_t huzasokSzama);
// The file a name chosen in the save dialog is written to: a name without
// an extension gets ".pdb"; a name with any extension but ".pdb" is written
// nowhere (empty result), so a user's file of another kind is never replaced
// by a database.
std::string PrivatMentesCel(const std::string& nev);
// Told when the chosen name is not a private database's.
std::string PrivatMentesNemPdbUzenet(const std::string& nev);

// ---- A user's draws file imported into a private database ----

// The private database an imported file becomes: the game's folder of
// private databases, the file's name without its last four characters (its
// ".csv" or ".txt"), then ".pdb".
std::string ImportCelUtvonal(const std::string& privateKonyvtar, const std::string& jatekMappa,
                             const std::string& importAllomany);

struct HuzasImportEredmeny {
    bool Siker = false;
    std::int32_t Huzasok = 0;       // draws read
    std::string Uzenet;             // what to tell the user when it failed
    std::vector<std::uint8_t> Kep;  // the checked database, ready to be written
};

// Reads the user's file of number lines (one draw a line, numbers only) and
// checks every draw with the loader's rules; nothing is written. Every draw
// gets today's year and ISO week. Blank lines at the end of the file are
// dropped; any other line is a draw, so a blank line between draws is
// refused like any line without its numbers, and so is a line with more
// numbers than a draw of the game holds or with a number of three or more
// digits. The lines are checked in file order: a refused file's message
// names its first bad line, the line as read and what a line must hold.
HuzasImportEredmeny HuzasokImportBeolvasasa(const std::string& importAllomany, const GameParams& g, std::int32_t ev,
                                       std::int32_t ho, std::int32_t nap);
// Writes a file read by HuzasokImportBeolvasasa as the private database
// `cel` through a temporary file, creating its folder. On failure an
// existing `cel` stays as it was.
HuzasImportEredmeny HuzasokImportIrasa(const HuzasImportEredmeny& beolvasott, const std::string& cel);

}  // namespace kvx
