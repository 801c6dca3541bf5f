#pragma once
// Updates of the draws database from the lottery operators' result files,
// and the import of the user's file of number lines into a private database.
// Every new draw is checked with the database loader's own rules before
// anything is written, and the database file is replaced only after the whole
// update has succeeded (temporary file, then rename).
#include "app/game_table.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_helpers.h"

namespace kvx {

struct Datum {
    std::int32_t Ev = 0;
    std::int32_t Ho = 0;
    std::int32_t Nap = 0;
};

bool ErvenyesDatum(const Datum& d);
// ISO 8601 week of the date (1..53); 0 for an invalid date.
std::int32_t IsoHet(const Datum& d);

// Lines of an outside text (UTF-8 or Windows-1250, detected): CR LF, LF or CR
// end a line; a last line break opens no empty line.
std::vector<std::string> SzovegSorai(std::string_view nyers);
// Reads a file into lines; false when it cannot be read.
bool AllomanySorai(const std::string& utvonal, std::vector<std::string>& sorok);

// Message the caller shows when an operator update failed and the main
// window's Tag is 0.
extern const char* const kFormatumValtozottUzenet;
// Message of a failed import of the user's file.
std::string ImportHibaUzenet(const std::string& importAllomany);

struct FrissitesKornyezet {
    DrawsState* Tabla = nullptr;       // the current table (append mode updates it)
    GameParams* Jatek = nullptr;       // the current game
    std::string AdatbazisUtvonal;      // AktualisAdatbazis[LottoIndex]: the file written
    std::string FajlNev;               // the operator's (or the user's) file name, for the questions
    THuzVerzio Verzio = HuzasIroVerzio(); // stamped on the written file
    Datum Ma;                          // today
    bool AdatbazisTipus = true;        // the program's own database is the target
    KerdesFn Kerdes;                   // FigyelmeztetoKerdes; none means No
    // Lines of a fixed extra file of the cache folder ("loto2.csv", ...);
    // false when it is missing.
    std::function<bool(const std::string& nev, std::vector<std::string>& sorok)> CacheAllomany;
    // Takes the checked image of the new database instead of writing it to
    // AdatbazisUtvonal; false fails the update as a failed write does.
    std::function<bool(const std::vector<std::uint8_t>& kep)> Iras;
};

enum class FrissitesUzenetTipus { Nincs, Figyelmeztetes, Hiba };

struct FrissitesEredmeny {
    bool Siker = false;
    std::int32_t KilepesGombTag = 0;  // lines written (rewrite) or grid rows after the append
    std::int32_t FoablakTag = 0;      // 1: declined or nothing new, the caller shows no format message
    FrissitesUzenetTipus Tipus = FrissitesUzenetTipus::Nincs;
    std::string Uzenet;               // a message to show (warning or error)
    std::string Reszlet;              // the loader's message when a new draw broke its rules
    std::int32_t HibasSor = -1;       // 0-based line of the input that stopped the update
};

// The question asked before an update leaves fewer draws than the list in
// use holds; nev names the file ("... állomány kevesebb húzás ..."). No (the
// default) keeps the database as it is.
std::string KevesebbHuzasKerdes(const std::string& nev);

// Games 5, 22..24 and 26..43.
FrissitesEredmeny HuzasokFrissiteseNaprakesz(const FrissitesKornyezet& k, std::vector<std::string> sorok,
                                             std::int32_t aktualisDb);
// Games 0..4, 6..21 and 25, and (import true) the user's file of number lines
// for any game, written to k.AdatbazisUtvonal.
FrissitesEredmeny HuzasokFrissitesKenoHU(const FrissitesKornyezet& k, const std::vector<std::string>& sorok,
                                         std::int32_t aktualisDb, bool import);

// ---- The maker's database download ----
// A game's built-in database fetched from the maker's site replaces the one
// in use only when the loader takes it as the game's database, and only
// after the user's Yes when it holds fewer draws than the one in use.
enum class LetoltottAdatbazis {
    Csere,          // at least as many draws: it replaces the one in use
    KevesebbHuzas,  // fewer draws: GyartoKevesebbKerdes first, No keeps the old
    Ervenytelen,    // not a database of the game (Uzenet: the loader's message)
    OlvasasiHiba,   // the database in use exists but cannot be read
};
struct LetoltottAdatbazisEredmeny {
    LetoltottAdatbazis Allapot = LetoltottAdatbazis::Ervenytelen;
    std::string Uzenet;
    std::int32_t UjDb = 0;   // draws of the download
    std::int32_t RegiDb = 0; // draws of the database in use (0: none, or one the loader refuses)
};
LetoltottAdatbazisEredmeny LetoltottAdatbazisEllenorzes(std::span<const std::uint8_t> adat, const GameParams& g,
                                                        const std::string& aktualis);
// The maker's download's question: display name + " - húzásainak letöltése"
// and the file "A program honlapjáról letölthető" named as the one with
// fewer draws.
std::string GyartoKevesebbKerdes(const std::string& jatekNev);

}  // namespace kvx
