#pragma once
// Where the program's secondary windows stand. Every window goes beside the
// windows it works with, under the main window's toolbar band, off the main
// ticket and every other open window while the work area has room; where
// nothing is free it lies over no button of another window where it can,
// keeps its own buttons out from under the windows that stay above it, and
// takes the place it covers least of. It never leaves the work area. The
// rectangles are frames in screen coordinates; the Qt side
// (app/ui/ablak_elhelyezes.*) measures the windows and applies the result.
#include <compare>
#include <optional>
#include <string>
#include <vector>
#include <utility>

#include "app/window_geometry.h"

namespace kvx {

// The windows the placement knows, by the object names of their forms.
enum class AblakFajta {
    Egyeb,
    Foszelveny,        // "FSz"
    Feltetelek,        // "Feltetelek"
    Bontas,            // "Bontas"
    BontLista,         // "BontLista"
    BontSzelveny,      // "BSz": the variation list's auxiliary ticket
    BontEllSzelveny,   // "BESz": the check ticket
    HuzLista,          // "HuzLista"
    HuzSzelveny,       // "HSz": the draws list's auxiliary ticket
    HuzKeresSzelveny,  // "HKSz": the draw search ticket
    HuzBe,             // "HuzBe"
    HuzBeSzelveny,     // "HBSz"
    HuzSzama,          // "HuzSzama"
    Statisztika,       // "Statisztika"
};

AblakFajta AblakFajtaNevbol(const std::string& objektumNev);

// The windows a window works with, the closest partner first: it is placed
// beside them.
std::vector<AblakFajta> AblakTarsai(AblakFajta a);

struct NyitottAblak {
    AblakFajta Fajta = AblakFajta::Egyeb;
    Teglalap Hely;
    // The smallest size it may give way to for a newly shown window; 0 for
    // a window that keeps its size.
    int MinSzelesseg = 0, MinMagassag = 0;
    // Where its buttons are (screen coordinates); the main ticket's numbers
    // count as buttons, the whole ticket.
    std::vector<Teglalap> Gombok{};
    // It stays above the windows that do not (a ticket, a list): a window
    // shown under it loses what it covers.
    bool Felul = false;
};

// What one placement sees.
struct ElhelyezesiKep {
    FoablakMeretek Fo;
    Teglalap MunkaTerulet;
    // The main window's title, menu and toolbar band.
    Teglalap Eszkoztar;
    // Every other open window of the program but the main window.
    std::vector<NyitottAblak> Nyitott;
    int KarakterSzelesseg = 0;
    // Top of the main window's status bar (screen); 0: the main window has
    // none, its bottom counts.
    int StatusSorTeto = 0;
    // The buttons of the window being placed, relative to its frame's
    // top-left corner, and whether it stays above the windows that do not.
    std::vector<Teglalap> SajatGombok;
    bool Felul = false;
};

// The part of the work area a secondary window may take: the work area
// under the main window's toolbar band where the band stands at its top
// (a window over the band would hide the menus and the commands).
Teglalap AblakTerulet(const Teglalap& munkaTerulet, const Teglalap& eszkoztar);

// The button area a window hides at `hely`, in the order it weighs: its own
// buttons under the open windows that stay above it and the buttons of the
// windows it works with; the main ticket's numbers; every other button
// under a frame of another window (its own over the others, the others'
// under it).
struct RejtettTerulet {
    long long Sajat = 0, Foszelveny = 0, Masok = 0;
    auto operator<=>(const RejtettTerulet&) const = default;
};
RejtettTerulet RejtettGombok(const Teglalap& hely, const ElhelyezesiKep& k);

// The spot the window takes by the program's own rules, before anything
// else is looked at: at its first showing by its kind's rule (beside the
// main ticket, right-aligned in the main window, beside its list, ...);
// later where it stood when that is still inside the main window.
Teglalap KivantHely(AblakFajta a, const ElhelyezesiKep& k, Teglalap ablak, bool elso);

// The free place nearest to `kivant` (its size is the window's full size).
// `minSzelesseg` and `minMagassag` are the smallest size the window may take.
// Order of choice: no overlap at full size; no overlap smaller; the least
// overlap. Among equals: the least area lost (its own and that of the
// windows giving way), nearest to a partner, then nearest to `kivant`.
// `hezag` is kept between neighbours. (AblakHelye puts the buttons first:
// no button hidden before anything else.)
Teglalap SzabadHely(const Teglalap& kivant, int minSzelesseg, int minMagassag,
                    const std::vector<Teglalap>& foglalt, const std::vector<Teglalap>& tarsak,
                    const Teglalap& munkaTerulet, int hezag);

// The whole placement of one window: its spot, its partners among the open
// windows, and what it must leave free (the toolbar band and the others).
// A spot that is free already is kept: the rules of its kind stand where
// they leave the others free. Otherwise the place hides the least of its
// own buttons and its partners', then of the main ticket, then of the
// others' (RejtettGombok), then covers the least.
Teglalap AblakHelye(AblakFajta a, const ElhelyezesiKep& k, const Teglalap& ablak, bool elso,
                    int minSzelesseg, int minMagassag);

// A placement with what the open windows do for it: the new window's place,
// and the open windows (index into ElhelyezesiKep::Nyitott) that move or
// shrink to make room.
struct Elhelyezes {
    Teglalap Hely;
    std::vector<std::pair<std::size_t, Teglalap>> Kiteresek;
};

// AblakHelye, and where the window would still cover another, one open
// window (never the main ticket) moves to a free place of its own, shrunk
// if it may, when that leaves both free.
Elhelyezes AblakHelyeAtrendezessel(AblakFajta a, const ElhelyezesiKep& k, const Teglalap& ablak, bool elso,
                                    int minSzelesseg, int minMagassag);

// How an open window gives way to a new one at `uj`: by moving one edge
// away, keeping at least its smallest size and the gap; the cut keeping the
// most of it. Nothing when it cannot; itself when they do not overlap.
std::optional<Teglalap> Kiter(const Teglalap& nyitott, int minSzelesseg, int minMagassag, const Teglalap& uj,
                              int hezag);

// Area two rectangles share (0 when they only touch).
long long Atfedes(const Teglalap& a, const Teglalap& b);

}  // namespace kvx
