#pragma once
// Entering a line of the variation by hand on the variation-check ticket:
// the marks of its insert and modify modes, which numbers may be marked,
// the complete line as selection indexes for the store, and the ticket's
// info text while a line is entered.
#include <cstdint>
#include <string>

#include "app/game_table.h"
#include "common/arrays.h"
#include "tickets/number_lists.h"
#include "variation/variation_list.h"

namespace kvx {

// Modes of the check ticket.
enum BontEllMod : std::int32_t { BontEllEllenorzes = 0, BontEllUjSzamsor = 1, BontEllModositas = 2 };

struct BontEllJelolesek {
    std::int32_t Mod = BontEllUjSzamsor;
    TTombByte1D Jeloltek;        // marked ticket numbers in marking order
    std::int32_t PluszDb = 0;    // of those, extra-pool numbers

    bool Jelolt(std::int32_t n) const;
    void Torles()
    {
        Jeloltek.clear();
        PluszDb = 0;
    }
};

// Only the numbers selected for the variation take part in a line; the
// fixed numbers belong to every line and the others to none.
bool BontEllKattinthato(const SzamListak& l, std::int32_t n);

enum class BontEllKattintas { Jelolve, Torolve, Elutasitva };

// A click on number n with the modifier mode billentyuMod (only a click
// without modifiers marks or unmarks). A mark is refused when the line is
// complete, or when it would put more main or extra-pool numbers into the
// line than a line of the variation holds.
BontEllKattintas BontEllSzamClick(BontEllJelolesek& j, const SzamListak& l, const GameParams& g, std::int32_t n,
                                  std::int32_t billentyuMod);

// Exactly VariacioMeret numbers are marked.
bool BontEllKesz(const BontEllJelolesek& j, const SzamListak& l);

// The marked line as the store holds it: the positions of the marked
// numbers in KijeloltSzamok, ascending (SzamsorTomb).
TTombByte1D BontEllSzamsorTomb(const BontEllJelolesek& j, const SzamListak& l);

// A line may go into the store: VariacioMeret distinct ascending positions
// of the selection, VariacioFoMeret of them main numbers.
bool SzamsorTombErvenyes(const TTombByte1D& s, const SzamListak& l);

// The numbers of the selection's line that the store holds at row m (0-based).
TTombByte1D BontEllSorSzamai(const VariationStore& t, const SzamListak& l, std::int32_t m);

// A random line over the selection: VariacioFoMeret main and the rest
// extra-pool numbers, as ticket numbers.
TTombByte1D BontEllVeletlenSzamsor(const SzamListak& l, const VeletlenFuggveny& r);

// Lines of the variation per hit class against the marks (the list's
// classes; the fixed numbers hit in every line).
TTombInt1D BontEllTalalatok(const BontEllJelolesek& j, const BontListaNezet& n);

struct BontEllInfo {
    std::string Szoveg;   // the info panel
    std::string Szoveg2;  // the second info panel
};
// " Kijelölve: n szám", the hit rows, the ordinal of a complete line and
// the line's facts.
BontEllInfo BontEllInfoKeszites(const BontEllJelolesek& j, const BontListaNezet& n, bool potSzamTalalat);

// Hints and captions of the modes.
inline constexpr const char* kBontEllBeillesztes = "Beillesztés";
inline constexpr const char* kBontEllKijeloles = "Kijelölés";
inline constexpr const char* kBontEllTorles = "Törlés";
inline constexpr const char* kTippUjSzamsor = " Számsor hozzáadása a variáció listájához ";
inline constexpr const char* kTippModositott = " Módosított számsor beillesztése ";
inline constexpr const char* kTippAktualisBeolvasas = " Variáció listájában aktuális számsor beolvasása ";
inline constexpr const char* kTippSzamsorBeillesztese = " Számsor beillesztése a variációba ";
inline constexpr const char* kTippSzamokTorlese = " Számok törlése ";
inline constexpr const char* kFeliratSzamsorBeolvasas = " Számsor beolvasás";
// " " + line + ". számsor módosítása"
std::string ModositasFelirat(std::int32_t sor);

}  // namespace kvx
