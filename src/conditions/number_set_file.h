#pragma once
// The number-set image: the whole content of a ".tip" file and the ticket
// part at the front of a ".top" file.
//
// Writing builds the image from the program's state. Reading parses a file
// into a staging copy (SzamsorKep), converts the layouts of older versions,
// checks everything (length, counts, indexes, the lists against each other
// and against the game) and only then may the caller apply it; a refused
// file leaves the program state exactly as it was.
#include "app/messages.h"
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/version.h"
#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"

namespace kvx {

// Size of the fixed fields of a file written by this program (without the
// four number lists).
inline constexpr std::size_t kSzamsorKepAlapMeret = 2121;
// Shortest file the reader looks at.
inline constexpr std::size_t kSzamsorMinimalisMeret = 100;
inline constexpr const char* kTermekJelzo = "Kavarex Personal";

// The options stored in the image (variation options panel).
struct SzamsorOpciok {
    std::uint8_t GyakorisagiEloszlas = 0;  // " Gyakorisági eloszlás"
    std::uint8_t Optimalizalt = 0;         // " Optimalizált"
    std::uint8_t VeletlenSzamsorok = 0;    // " Véletlen számsorok"
    bool operator==(const SzamsorOpciok&) const = default;
};

// Staging copy of one ticket part.
struct SzamsorKep {
    TVerzio Verzio;                 // stamped by the program that wrote it
    std::int32_t LottoIndex = 0;
    std::int32_t VariacioMeret = 0;
    TTombByte1D KijeloltSzamok;
    TTombByte1D FixSzamok;
    TTombByte1D AllandoSzamok;
    TTombByte1D VeletlenSzamok;
    std::int32_t SzamsorrendMod = 0;
    std::int32_t Hibapont = 0;
    std::uint8_t FeltetelJelzo = 0;
    // The working records, TalArAdatbazisTipus and Hibapont of the file;
    // records an old layout does not hold keep the values they had in the
    // program when the file was read.
    FeltetelRekordok Feltetelek;
    SzamsorOpciok Opciok;
};

// Version stamped into the files: this program's version, but never older
// than the first version whose layout is the one written (2.8.0.4): a file
// stamped older would be read back through the conversions of old layouts.
TVerzio SzamsorFajlVerzio();
std::int32_t SzamsorFajlVerzioSzam();

// Composite version number of a file: major*1000 + minor*100 + release*10 + build.
std::int32_t VerzioSzamErtek(const TVerzio& v);
std::string VerzioSzovegErtek(const TVerzio& v);

// Builds the image of the program's current state (the version is this program's).
SzamsorKep SzamsorKepKeszites(const SzamListak& l, const GameParams& g, const FeltetelRekordok& f,
                              std::int32_t szamsorrendMod, const SzamsorOpciok& opciok);

// Writes the newest layout into w (2,121 + the four list lengths bytes).
void SzamsorKepIras(BinWriter& w, const SzamsorKep& kep);

// What the reader needs to know of the program around it.
struct SzamsorOlvasasKornyezet {
    const GameParams* Jatek = nullptr;          // the game the numbers are loaded under
    const FeltetelRekordok* Feltetelek = nullptr;  // current records (start values of skipped ones)
    std::int32_t ProgramVerzioSzam = SzamsorFajlVerzioSzam();  // newer files get a warning
    bool AdatbazisBetoltve = false;             // a draws database is loaded
    bool AdatbazisTipus = true;                 // the built-in database is loaded
    std::int32_t HuzasokSzama = 0;              // draws in the loaded database
};

enum class SzamsorHiba {
    Nincs,
    Meret,            // the file ends inside a field, or is too short
    Tartomany,        // a value out of range (message in Hiba)
    MasikJatek,       // the file belongs to another game (JatekIndex)
    HianyzoHuzasLista,  // the hit-ratio condition needs a draws database
};

struct SzamsorOlvasasEredmeny {
    bool Ok = false;
    SzamsorHiba HibaFajta = SzamsorHiba::Nincs;
    std::string Hiba;         // the reader's own message (without file name and version head)
    std::string Uzenet;       // the whole text of the error box, file name included
    std::int32_t JatekIndex = -1;  // the file's game, when it could be read
    std::size_t Vege = 0;     // offset of the first byte after the ticket part
    std::string VariacioVerzio = "0.0.0.0";
    std::int32_t AllomanyVerzioSzam = 0;
    // Warnings to show after a successful read, in order (newer version,
    // neighbouring-number conversion, hit-ratio database kind).
    std::vector<std::string> Figyelmeztetesek;
    // The hit-ratio draw ranges do not fit the loaded database: ask
    // kTalArMasikAdatbazisKerdes before applying; No refuses the load.
    bool TalArKerdes = false;
    SzamsorKep Kep;
};

// Reads and checks a ticket part from the start of data. The file's game
// must be env.Jatek's game; a file of another game is refused with
// HibaFajta MasikJatek and its game index in JatekIndex, so that the
// caller can switch the game and read again.
SzamsorOlvasasEredmeny SzamsorKepOlvasas(std::span<const std::uint8_t> data, const std::string& allomanyNev,
                                         const SzamsorOlvasasKornyezet& env);

// The game index stored in a ticket part, or -1 when the file is too short
// or the index is not a valid game for its version.
std::int32_t SzamsorJatekIndex(std::span<const std::uint8_t> data);

// The reader's verdict on an image: the message it would refuse it with,
// empty when it would load. Used before saving.
std::string SzamsorKepEllenorzes(const SzamsorKep& kep, const GameParams& g);

// Applies a checked image to the program's state: the four lists, the
// variation size, the records and flags. The caller applies the order
// code and the options, and refreshes the windows.
void SzamsorKepAlkalmazas(const SzamsorKep& kep, SzamListak& l, const GameParams& g, MainState& ms,
                          FeltetelRekordok& f);

// Fits the draw ranges of the hit-ratio condition into a database of
// huzasokSzama draws (1 <= first <= last <= huzasokSzama), so that no range
// points past the draws table.
void TalalatiAranyIllesztes(TTalalatiAranyFeltetel& t, std::int32_t huzasokSzama);

// Texts of the message boxes around the number-set files.
extern const char* const kErvenytelenMeret;     // "Érvénytelen méretű állomány."
extern const char* const kErvenytelenAltalanos;  // the generic invalid-file text
extern const char* const kAllomanyNemTalalhato;  // "A keresett állomány nem található."
extern const char* const kTalArMasikAdatbazisKerdes;

// Writes a ".tip" from an image (through a temporary file). False and the
// saving error text in uzenet on failure.
bool SzamsorMentese(const std::string& nev, const SzamsorKep& kep, std::string& uzenet);

// Reads a ".tip" (or the ticket part of a ".top") into a staging image.
// adat receives the whole file, so that a variation body reader can go on
// at the result's Vege. A missing file is refused with
// "A keresett állomány nem található.".
SzamsorOlvasasEredmeny SzamsorBetoltese(const std::string& nev, const SzamsorOlvasasKornyezet& env,
                                        std::vector<std::uint8_t>* adat = nullptr);

}  // namespace kvx
