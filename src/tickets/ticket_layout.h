#pragma once
// Geometry and look of the ticket windows, without any window: the grid of
// each game, where every number panel stands, the captions of the panels,
// the colours of a main-ticket panel by its role, and the main ticket's
// info text. The ticket windows only apply what these return.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/game_grid.h"
#include "app/game_table.h"
#include "app/settings.h"
#include "tickets/number_lists.h"

namespace kvx {

// Ticket kinds; the kind indexes the rows of SzelvenyBeallitas.
enum SzelvenyFajta : int {
    FajtaFoszelveny = 0,      // main ticket
    FajtaBontSzelveny = 1,    // variation display
    FajtaBontEllSzelveny = 2, // variation check
    FajtaHuzSzelveny = 3,     // draws display
    FajtaHuzBeSzelveny = 4,   // draw entry
    FajtaHuzKeresSzelveny = 5 // draw search
};

// Slots of one row of SzelvenyBeallitas.
enum SzelvenySzelet : int {
    SzeletAblak = 0,        // form colour
    SzeletCella = 1,        // cell size in pixels
    SzeletCellaSzin = 2,    // unmarked cell colour
    SzeletJelolt = 3,       // marked-cell colour
    SzeletBetuMeret = 4,    // number font size
    SzeletBetuSzin = 5,     // number font colour
    SzeletInfo = 7,         // info panel colour
    SzeletInfoBetu = 8,     // info text colour
    SzeletKijelolt = 9,     // font of a selected number
    SzeletFix = 10,         // font of a fixed number
    SzeletAllando = 11,     // font of a constant number
    SzeletPluszBetu = 12,   // font of a bonus / extra mark
    SzeletVeletlen = 13,    // font of a random number
};

using SzelvenySor = std::array<std::int32_t, kSzelvenyErtekek>;

// Top-left corner of a number panel in client pixels.
struct Cella {
    std::int32_t Bal = 0;
    std::int32_t Felso = 0;
    bool operator==(const Cella&) const = default;
};

// Where each of the g.OsszesSzam panels stands (element i shows number
// i + 1), with S-pixel cells and one-pixel gaps and margins. The extra pool
// starts on a row of its own below a half-cell gap.
std::vector<Cella> SzamElrendezes(const GameParams& g, const JatekRacsAdat& r, std::int32_t S);

// Client width of the grid: S-sized cells, one-pixel gaps and margins.
inline std::int32_t RacsSzelesseg(std::int32_t oszlopok, std::int32_t S) { return S * oszlopok + oszlopok + 1; }
// Bottom of the grid: below the lowest panel.
std::int32_t RacsAlja(const std::vector<Cella>& cellak, std::int32_t S);

// Whether the info panel stands on the right of the grid (kinds 1, 2, 3, 5
// on games with wide info texts) and its width then.
bool JobbInfoPanel(int kind, const GameParams& g);
std::int32_t JobbInfoSzelesseg(const GameParams& g, std::int32_t S, std::int32_t racsSzelesseg);
// Whether the kind has a second info panel on this game.
bool MasodikInfoPanel(int kind, const GameParams& g, bool potSzamTalalat);
// Text lines the info panel is sized for (InfoMagassag); 0 without an info panel.
std::int32_t InfoSorokSzama(int kind, const GameParams& g, bool vanMasodik);

// Caption of panel i (0-based): the number, or for an extra-pool panel its
// number within the extra pool (from 1, or from 0 with offset 1).
std::string SzamFelirat(const GameParams& g, int i);
// Whether ticket number n (1-based) belongs to the extra pool.
inline bool PluszSzamE(const GameParams& g, int n) { return g.VanPluszSzam && n > g.FoSzamKeszlet; }

// Cell and font colour of a panel.
struct PanelSzin {
    std::int32_t Cella = 0;
    std::int32_t Betu = 0;
    // Marked numbers are drawn bold, so that a selected number stands out
    // even where its cell colour is close to the unmarked one.
    bool Vastag = false;
    bool Alahuzott = false;
    bool operator==(const PanelSzin&) const = default;
};
// The sum of two colours (red | green << 8 | blue << 16) channel by
// channel, each at most 255: a channel that runs over does not spill into
// the next one.
std::int32_t SzinOsszeg(std::int32_t a, std::int32_t b);
// Main ticket: unmarked = cell slot 2, font slot 9; marked = cell slot 3 with
// the role's font (selected 9, fixed 10, constant 11, random 13).
PanelSzin FoszelvenyPanelSzin(const SzelvenySor& look, SzamSzerep szerep);
// Any other kind before its owner marks it: cell slot 2, font slot 5.
PanelSzin AlapPanelSzin(const SzelvenySor& look);

// How a number of the auxiliary ticket is marked for the line selected in
// the variation list (the variation works the marks out, the ticket paints
// them).
enum class SegedJeloles : std::uint8_t { Nincs, Szam, Allando, Veletlen, Fix };

// The main ticket's info text: counts of the marked numbers and the number order.
std::string FoszelvenyInfoSzoveg(const SzamListak& l, const GameParams& g, int szamsorrendMod);

}  // namespace kvx
