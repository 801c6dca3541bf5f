#pragma once
// Entering one draw: the numbers marked on the draw-entry ticket per number
// row, the rows as the entry window's grids show them, the completeness
// check, the record the accepted entry writes, the year and week proposal,
// and the reading of draws from clipboard text.
#include "app/game_table.h"
#include "common/arrays.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

struct RandomState;

// Numbers entered for the draw; row 0 the first drawing, row 1 the second.
struct HuzBeState {
    std::int32_t HuzBeSor = 0;                   // the row the ticket fills
    std::array<TTombByte1D, 2> HuzBeSzamok;      // main and extra-pool numbers in entry order
    std::array<TTombByte1D, 2> HuzBePotSzamok;   // PotSzamok slots, 0 = free
    std::array<std::uint8_t, 2> HuzBePotSzamDb{};
    std::int32_t HuzBePluszSzamDb = 0;           // extra-pool numbers entered
};


// Empties both rows (UjHuzasBe).
void UjHuzasBe(HuzBeState& s, const GameParams& g);

// A click on ticket number n (1-based) of the current row with the held
// modifier mode (0 none, 50 Shift, ...).
enum class HuzBeKattintas {
    PotSzam,      // entered as a bonus number
    Szam,         // entered as a main or extra-pool number
    Elutasitva,   // refused (row full, or too many of its kind)
    Torolve,      // removed from the row
};
HuzBeKattintas HuzBeSzamClick(HuzBeState& s, const GameParams& g, std::int32_t n, std::int32_t mod);

// How ticket number n shows in the current row.
enum class HuzBeSzerep { Nincs, Szam, PotSzam };
HuzBeSzerep HuzBeSzamSzerepe(const HuzBeState& s, std::int32_t n);

// Columns of an entry grid: the main-pool numbers, the extra-pool numbers,
// then the bonus numbers.
inline std::int32_t HuzBeOszlopok(const GameParams& g) { return g.HuzottFoSzamok + g.PotSzamok; }

// The cells of row `sor` as the grid shows them: main numbers ascending from
// column 0, extra-pool numbers (as shown on the ticket) from column
// SzamsorFoSzamDb, the bonus numbers after the drawn numbers. Empty cells
// are nullopt.
using HuzBeCellak = std::vector<std::optional<std::int32_t>>;
HuzBeCellak HuzBeSorCellak(const HuzBeState& s, const GameParams& g, std::int32_t sor);

// Whether the ticket moves on to the second row by itself after a click:
// the first row's grid is full and the second row has not been filled.
bool MasodikSorraLep(const HuzBeState& s, const GameParams& g);

// The completeness check (Ellenorzes): row1 and row2 cells; `masodikLathato`
// row 2 is shown (two drawings); `rendbenVolt` Rendben was enabled by the
// previous check.
bool Ellenorzes(const GameParams& g, const HuzBeCellak& sor1, const HuzBeCellak& sor2, bool masodikLathato,
                bool rendbenVolt);

// The record an accepted entry writes: year, week and the grid cells, the
// second drawing from its own column of the game (MasodikHuzasOszlop).
THuzRekord HuzBeRekord(const GameParams& g, std::int32_t ev, std::int32_t het, const HuzBeCellak& sor1,
                       const HuzBeCellak& sor2);

// The numbers of a stored draw row as ticket numbers to click, per drawing:
// the drawn numbers, then each positive bonus number (modify mode).
std::vector<std::int32_t> HuzasSzamai(const GameParams& g, const TTombInt1D& sor, std::int32_t sorsolas);

// The bonus-number tip due after a ticket click.
enum class PluszSzamTippFajta {
    Nincs,
    Tipp,       // PluszSzamTipp (tip flag 9 is set)
    Tortenet,   // the game's bonus-number history as a one-time tip (flag 5)
};
// Due only when the click `k` filled the last free bonus slot of the row and
// the program's own database is loaded: the tip while flag 9 is set, else
// the history text (when there is one) while the entry ticket is visible and
// flag 5 is set.
PluszSzamTippFajta HuzBePluszSzamTipp(const HuzBeState& s, const GameParams& g, HuzBeKattintas k, bool sajatAdatbazis,
                                      bool tipp9, bool tipp5, bool szelvenyLathato, bool vanTortenet);

// After an accepted entry the append starts again (one draw after the other
// until Mégse) when the loaded database is not the built-in one, the entry
// appended a draw and no modifier mode was captured (no clipboard or random
// filling).
bool HuzBeUjraNyitas(bool adatbazisTipus, std::int32_t muveletKod, std::int32_t billentyuMod);

// ---- Random filling (Shift+Ctrl) ----

// The stored draw that decides whether a random draw gets bonus numbers and
// a second drawing: for a new draw the last stored draw (the row before the
// empty one), when modifying the selected draw, when inserting the draw
// after the new empty row. nullptr when there is none.
const TTombInt1D* VeletlenMintaHuzas(const DrawsState& d, std::int32_t muveletKod, std::int32_t kivRekord);

// A random draw as ticket numbers to click, per row: the main-pool numbers,
// then the extra-pool numbers, then (in Bonus) the bonus numbers. No bonus
// numbers when the sample draw has none (row 1: its column SzamsorHossz + 3,
// row 2: its last column); row 2 only in two-drawing games whose sample has
// a second drawing. Without a sample draw everything is drawn. Román 5/40
// with a line shorter than a drawing draws five numbers and the sixth as a
// number that stays last.
struct VeletlenHuzas {
    std::vector<std::int32_t> Sor1;
    std::vector<std::int32_t> Pot1;
    std::vector<std::int32_t> Sor2;
    std::vector<std::int32_t> Pot2;
};
VeletlenHuzas HuzBeVeletlen(RandomState& rs, const GameParams& g, const TTombInt1D* minta);

// ---- Year and week ----

struct EvHet {
    std::int32_t Ev = 1957;
    std::int32_t Het = 1;
    bool operator==(const EvHet&) const = default;
};
// Proposal for mode 1 (new draw: the empty last row is already in d), 2
// (modify the selected draw `kivRekord`) or 3 (insert: the empty row is at
// `kivRekord`).
EvHet EvHetJavaslat(const DrawsState& d, const GameParams& g, std::int32_t mod, std::int32_t kivRekord);
// The week up-down wraps: 54 becomes 1, 0 becomes 53.
std::int32_t HetKorbe(std::int32_t het);

// ---- Clipboard ----

struct VagolapState {
    std::int32_t VagolapBillentyuMod = 0;
    bool VagolapVan = false;
    std::string VagolapSzoveg;
    std::int32_t VagolapPotSzamDb = 0;
    bool VagolapMindketSzamsor = true;
    bool VagolapSorrend = false;
};

// Clipboard text of at least HuzottSzamok x 20,000 characters is refused
// with this warning (empty when the text is acceptable).
std::string VagolapMeretHiba(const GameParams& g, std::size_t hossz);

// Whether the text still holds a draw: 2 x HuzottSzamok characters when
// both rows of each draw are on the clipboard, else HuzottSzamok.
bool VagolapHuzasVan(const GameParams& g, const VagolapState& v);

// One draw read from the front of the text.
struct VagolapHuzas {
    bool Rendben = false;        // every expected number was read
    // Ticket numbers (1-based) to click for row 1 and row 2, in text order;
    // empty bonus places are left out.
    std::vector<std::int32_t> Sor1;
    std::vector<std::int32_t> Sor2;
};
// Reads one draw from the front of v.VagolapSzoveg (the read characters are
// removed). Each number is the next run of at most two digits after
// non-digits. A value out of range stops the reading (Rendben false; the
// rest of the text, from the bad value on, stays in the text).
VagolapHuzas VagolapOlvasas(const GameParams& g, VagolapState& v);

// The hint that shows the unread text when the clipboard entry ends.
std::string VagolapMaradekTipp(const std::string& maradek);

}  // namespace kvx
