#pragma once
// Draws database files (".ldb", ".adb", ".pdb"): a 16-byte header (writer's
// major, minor and release version, game index) followed by 28-byte draw
// records to the end of the file. Little-endian, no magic, no checksum.
#include "app/game_table.h"
#include "common/binary_io.h"
#include "draws/draws_table.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kvx {

struct HuzSzamaState;

constexpr std::size_t kHuzFejlecMeret = 16;
constexpr std::size_t kHuzRekordMeret = 28;
constexpr std::size_t kHuzRekordSzamok = 21;
constexpr std::size_t kHuzRekordRegiSzamok = 17;

// Version of the writing program as the header keeps it.
struct THuzVerzio {
    std::int32_t Fo = 0;      // major
    std::int32_t Al = 0;      // minor
    std::int32_t Kiadas = 0;  // release
    // major x 1000 + minor x 100 + release x 10, computed wide: a damaged
    // header may hold any value in its fields.
    std::int64_t Osszetett() const
    {
        return std::int64_t{Fo} * 1000 + std::int64_t{Al} * 100 + std::int64_t{Kiadas} * 10;
    }
    // No field is negative and the composite fits the 32-bit version number.
    bool Ervenyes() const;
};

struct THuzFejlec {
    THuzVerzio Verzio;
    std::int32_t LottoIndex = 0;
};

// One draw record (files of version 2000 and later).
struct THuzRekord {
    std::int32_t Sorszam = 0;
    std::uint16_t Ev = 0;
    std::uint8_t Het = 0;
    std::array<std::uint8_t, kHuzRekordSzamok> Szamok{};
};

bool OlvasHuzFejlec(BinReader& r, THuzFejlec& f);
void IrHuzFejlec(BinWriter& w, const THuzFejlec& f);
bool OlvasHuzRekord(BinReader& r, THuzRekord& rek);
// Older layout (below version 2000): 4 ignored bytes, sequence, year, week,
// 17 number bytes of which the first huzottSzamok are taken; the other
// number bytes of rek are left as they are.
bool OlvasHuzRekordRegi(BinReader& r, THuzRekord& rek, std::int32_t huzottSzamok);
void IrHuzRekord(BinWriter& w, const THuzRekord& rek);

// The version this program stamps on the files it writes. The record layout
// and the game field it writes are those that readers expect from 2.6.6 on,
// so a lower build version is never stamped (it would be read as the older
// layout).
THuzVerzio HuzasIroVerzio();

// Messages of the loader.
extern const char* const kErvenytelenMeretUzenet;   // "Érvénytelen méretű állomány."
extern const char* const kTulSokHuzasUzenet;        // more than 100,000 draws
extern const char* const kErvenytelenAllomanyUzenet; // the generic "Érvénytelen, sérült ..." text
extern const char* const kAdatbazisBetoltesHiba;    // "Hiba történt az adatbázis állományának betöltése során."
extern const char* const kAdatbazisMentesHiba;      // "Hiba történt az adatbázis állományának mentése során."

enum class BetoltesAllapot {
    Sikeres,
    NincsAllomany,   // the file does not exist: no message, the database is absent
    Ervenytelen,     // invalid file: show Uzenet with the path (ErvenytelenAllomanyUzenet)
    TulSokHuzas,     // more than 100,000 draws: show Uzenet as an error (HibaUzenet)
    Elutasitva,      // the user declined loading another game's file: no message
    OlvasasiHiba,    // the file could not be read: show Uzenet as an error
};

struct BetoltesEredmeny {
    BetoltesAllapot Allapot = BetoltesAllapot::Sikeres;
    std::string Uzenet;
    std::int32_t Huzas = 0;  // the draw (from 1) that broke a rule; 0 for the file as a whole
    bool sikeres() const { return Allapot == BetoltesAllapot::Sikeres; }
};

// Asks a warning question; true for Yes.
using KerdesFn = std::function<bool(const std::string& kerdes)>;

struct BetoltesBeallitasok {
    // The program's own database is loaded (AdatbazisTipus): its year and week
    // are corrected, and a Keno or 5/40 file keeps the game's draw size.
    bool AdatbazisTipus = true;
    // Asked before a file of another game is loaded; none means No.
    KerdesFn Kerdes;
};

// A fully parsed file, not yet applied.
struct BetoltottAdatbazis {
    DrawsState Tabla;
    std::int32_t HuzottSzamok = 0;    // draw size the rows were read with
    std::int32_t HuzottFoSzamok = 0;
    std::int32_t Verzio = 0;          // major x 1000 + minor x 100 + release x 10
    std::int32_t FajlJatek = -1;      // game index of the header
};

// The loader's rules for one draw record, applied record after record in
// file order (the first record fixes the draw size of a user's Keno or 5/40
// database; the year and week of the program's own database are corrected
// against the record before). Used by the loader and by every writer that
// must refuse a draw the loader would refuse, at the draw that breaks a rule.
class HuzasRekordEllenorzes {
public:
    HuzasRekordEllenorzes(const GameParams& g, bool adatbazisTipus);
    // Checks the next record and fills `sor` (sized to the draw size + 3
    // columns when it is not). Empty when valid, else the loader's message.
    std::string Ellenoriz(const THuzRekord& rek, TTombInt1D& sor);
    // The game with the draw size the records are read with.
    const GameParams& Jatek() const { return p_; }
    // Records checked so far.
    std::int32_t Rekordok() const { return r_; }

private:
    GameParams p_;
    bool adatbazisTipus_ = true;
    std::int32_t r_ = 0;
    std::int32_t elozoEv_ = 0;
    std::int32_t elozoHet_ = 0;
};

// The record of a table row: sequence, year, week and the row's first
// huzottSzamok number columns (low bytes), the other number bytes 0.
THuzRekord HuzRekordSorbol(const TTombInt1D& sor, std::int32_t huzottSzamok);

// Parses a whole database image. Nothing outside `ki` is touched, so a failed
// parse leaves the program as it was. `utvonal` only goes into the question.
BetoltesEredmeny HuzasAdatbazisOlvasas(std::span<const std::uint8_t> adat, const GameParams& g,
                                       const BetoltesBeallitasok& beall, const std::string& utvonal,
                                       BetoltottAdatbazis& ki);

// Loads the file into d: the current table, its count and the game's draw
// size are replaced only when the whole file is valid; otherwise they stay
// as they were. After a load the main-ticket range is set to all draws when
// `tartomanyok` is given.
BetoltesEredmeny HuzasokBe(DrawsState& d, GameParams& g, const std::string& utvonal,
                           const BetoltesBeallitasok& beall, HuzSzamaState* tartomanyok = nullptr);

// The file image of the table (header, then one record per row).
std::vector<std::uint8_t> AdatbazisKep(const DrawsState& d, const GameParams& g, const THuzVerzio& verzio);
std::vector<std::uint8_t> AdatbazisKep(const TTombInt2D& sorok, const GameParams& g, const THuzVerzio& verzio);

// Writes the table through a temporary file that replaces the old one only
// after a successful close. False on failure (the old file is untouched).
bool AdatbazisMentese(const DrawsState& d, const GameParams& g, const std::string& utvonal,
                      const THuzVerzio& verzio = HuzasIroVerzio());

}  // namespace kvx
