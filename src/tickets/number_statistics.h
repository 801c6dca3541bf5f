#pragma once
// The main ticket's display modes: per number how often it was drawn in the
// main-ticket statistics range, how many draws ago it last came, or its
// place in the selection order; and the texts the ticket shows with them.
#include "app/game_table.h"
#include "common/arrays.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"
#include "tickets/number_lists.h"

#include <cstdint>
#include <string>

namespace kvx {

// Display modes (the Tag of "Normál alak").
enum SzamNezet : std::int32_t {
    NezetNormal = 0,
    NezetHanyszorHuztak = 1,
    NezetHanyHuzasOta = 2,
    NezetSzamsorrend = 3,
};

struct SzamStatisztikaState {
    std::int32_t NezetMod = NezetNormal;
    // [n - 1][0] times drawn, [1] last row holding n, [2] times as a bonus.
    TTombInt2D HanyszorHuztak;
    // [n - 1][0] draws since n last came (0 = in the last draw; the range
    // length when never), [1] last row holding n, [2] -1 when drawn as a bonus.
    TTombInt2D HanyHuzasOta;
    // What the ticket shows in modes 1 to 3 ([n - 1][0]).
    TTombInt2D AktivSzamStatisztika;
};


// The state of a new main ticket: the normal view and the three arrays
// sized for the game and zeroed (no figure of another game's draws remains).
void SzamStatisztikaInicializalasa(SzamStatisztikaState& s, const GameParams& g);

// Fills HanyszorHuztak and HanyHuzasOta over the draws elso..utolso (1-based,
// clipped to the table). Every number column of a drawing counts; the last
// PotSzamok columns of each drawing are bonus positions. A second drawing
// starts at MasodikHuzasOszlop.
void HuzasStatisztika(SzamStatisztikaState& s, const DrawsState& d, const GameParams& g, std::int32_t elso,
                      std::int32_t utolso);

// Switches the display mode and fills AktivSzamStatisztika for it (modes 1
// and 2 recompute the statistics over the main-ticket range).
void NezetValtas(SzamStatisztikaState& s, std::int32_t mod, const DrawsState& d, const GameParams& g,
                 const HuzSzamaState& r, const SzamListak& l);

// Window caption of a mode.
std::string NezetFelirat(std::int32_t mod);

// What panel n (1-based) shows in the current mode; the normal mode returns
// an empty text (the panel keeps its number).
std::string StatisztikaPanelSzoveg(const SzamStatisztikaState& s, const SzamListak& l, std::int32_t n);

// The hint of number index + 1 (SzamTipp).
std::string SzamTipp(const SzamStatisztikaState& s, const SzamListak& l, const GameParams& g, std::int32_t index,
                     bool potSzammal);
// The range summary added to the hints in modes 1 and 2; empty without a
// database.
std::string StatisztikaSzoveg(HuzSzamaState& r, const DrawsState& d, const GameParams& g);

// ---- Refresh of the main ticket's commands ----

// What the main ticket's refresh shows on the main window: the status-bar
// figure of the full variation.
struct FoszelvenyParancsok {
    // Status bar panel 2: "Teljes variáció: " + lines + " számsor", or empty
    // while the selection does not exceed one line.
    std::string TeljesVariacio;
};
FoszelvenyParancsok FoszelvenyFrissites(const SzamListak& l, const GameParams& g);

}  // namespace kvx
