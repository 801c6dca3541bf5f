#pragma once
// What the draws-list window shows: the selection of a draw and its number
// row, the hit tallies of the selected row over the draw-list range, the
// auxiliary ticket's texts, and the text and colour role of every grid cell.
#include "app/game_table.h"
#include "draws/draw_editing.h"
#include "draws/draws_table.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kvx {

// Row background and highlight of the grid (RGB()).
constexpr std::int32_t HatterSzin = 0x00F0F0F0;
constexpr std::int32_t KiemeloSzin = 0x00804000;

// The selected draw, reset to 1 when it lies outside the table.
std::int32_t GetKivRekord(HuzListaState& s, const DrawsState& d);

// Selects the number row of grid cell (oszlop, sor): the second drawing when
// the game draws twice, the draw has one and the cell lies in it (or the row
// changes while the second row was selected, away from column 3).
void HuzTablaSelectCell(HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t oszlop,
                        std::int32_t sor);

// Keys that move between the two drawings of a row.
enum class SorsolasBillentyu { Balra, Jobbra, Tab };
// The column the grid moves to when one of those keys is pressed on draw
// `sor` (1-based) in a game that draws twice: Right or Tab on the first
// drawing goes to the second one (MasodikHuzasOszlop) when the draw has it;
// otherwise Left or Tab on the second drawing goes back to column 3. nullopt
// when the key is left to the grid.
std::optional<std::int32_t> SorsolasValtoOszlop(const HuzListaState& s, const DrawsState& d, const GameParams& g,
                                                std::int32_t sor, SorsolasBillentyu k);

// Size of TalalatEloszlas for the game.
std::int32_t TalalatEloszlasMeret(const GameParams& g);

// Fills KivSzamok, KivPotSzamok and TalalatEloszlas: every number row of the
// draws elso..utolso scored against the selected number row. A full main
// hit whose bonus also matches counts as the full hit.
void TalalatEloszlasSzamitas(HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t elso,
                             std::int32_t utolso);

// The auxiliary ticket's texts (HLRiportKiir). Sets IsmetlodoHuzas.
struct HLRiport {
    std::string Felirat;   // ticket caption
    std::string Szoveg;    // info panel
    std::string Szoveg2;   // second info panel (empty when the game has none)
};
HLRiport HLRiportKiir(HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t elso,
                      std::int32_t utolso);

// Hint of the grid when the selected draw occurs more than once.
std::string IsmetlodoHuzasTipp(std::int32_t kivRekord);

// ---- Reserved draws ----

// Which edits the selected draw allows. The opening draw of a list of fewer
// than two draws is neither inserted before nor deleted. While a variation
// exists with the hit-ratio condition active, the draws up to the last draw
// of its ranges are reserved: no insert or delete there, and no modification
// from its first draw on.
struct FoglaltHuzas {
    bool Beszuras = true;
    bool Modositas = true;
    bool Torles = true;
    // Hints of the refused buttons (empty for an allowed one).
    std::string BeszurasTipp;
    std::string ModositasTipp;
    std::string TorlesTipp;
};
FoglaltHuzas FoglaltHuzasok(std::int32_t huzasokSzama, std::int32_t kivRekord, std::int32_t bontSzelvszam,
                            bool talArAktiv, std::int32_t talaranyElsoHuzas, std::int32_t talaranyUtolsoHuzas);

// ---- Grid cells ----

bool PotOszlop(const GameParams& g, std::int32_t oszlop);
bool PluszOszlop(const GameParams& g, std::int32_t oszlop);

// Colour source of a cell's background.
enum class HuzCellaHatter {
    Fejlec,         // clBtnFace
    Sorszam,        // ticket kind 1 cell colour
    Hatter,         // HatterSzin
    Kiemelo,        // KiemeloSzin
    Fajta1Szelet6,
    Fajta3Szelet6,
    Fajta3Szelet14,
};

struct HuzCella {
    std::string Szoveg;
    HuzCellaHatter Hatter = HuzCellaHatter::Hatter;
    bool Vastag = false;
    bool Feher = false;   // white text
    bool Piros = false;   // red text
    bool Szurke = false;  // grey text (header, or a row outside the draw-list range)
};

// Column count of the grid.
inline std::int32_t HuzTablaOszlopok(const GameParams& g) { return g.HuzottSzamok + 3; }
// The header of a column.
HuzCella HuzTablaFejlec(const GameParams& g, std::int32_t oszlop);
// Cell of draw `sor` (1-based) and column.
HuzCella HuzTablaCella(const HuzListaState& s, const DrawsState& d, const GameParams& g, std::int32_t sor,
                       std::int32_t oszlop, std::int32_t listaElso, std::int32_t listaUtolso);

}  // namespace kvx
