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
    // Check mode: the numbers marked as bonus numbers (0 = free slot).
    TTombByte1D PotSzamok;
    std::int32_t PotDb = 0;

    bool Jelolt(std::int32_t n) const;
    bool PotJelolt(std::int32_t n) const;
    void Torles()
    {
        Jeloltek.clear();
        PluszDb = 0;
        PotSzamok.clear();
        PotDb = 0;
    }
};

// Only the numbers selected for the variation take part in a line; the
// fixed numbers belong to every line and the others to none.
bool BontEllKattinthato(const SzamListak& l, std::int32_t n);

enum class BontEllKattintas { Jelolve, Torolve, Elutasitva, PotJelolve };

// A click on number n with the modifier mode billentyuMod (only a click
// without modifiers marks or unmarks). A mark is refused when the line is
// complete, or when it would put more main or extra-pool numbers into the
// line than a line of the variation holds.
// In the check mode any number of the ticket can be marked, up to a line or
// a whole drawing when that is longer; with bonus numbers Shift (or a plain
// click once the marks are full) marks a bonus number (PotJelolve).
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

// The most numbers the check mode lets the user mark (bonus marks apart).
std::int32_t BontEllMaxJeloles(const GameParams& g);

// Entries of BontEllTalalatok: (SzamsorFoSzamDb + 1) x TalalatSzorzo +
// PotSzamok, or SzamsorFoSzamDb x TalalatSzorzo + 1 when the bonus numbers
// form classes of their own.
std::int32_t BontEllTalalatokMeret(const GameParams& g);

// Scores the stored lines against the marks. Built once per set of marks:
// every stored byte gets a code (main hit, extra hit, equal to a bonus
// mark), so a line costs one table look-up per position.
class BontEllKereso {
public:
    BontEllKereso() = default;
    BontEllKereso(const BontEllJelolesek& j, const BontListaNezet& n);

    // Lines stored (never the rows allocated beyond them while a run is paused).
    std::int32_t SorDb() const { return sorDb_; }
    // The hit value of stored line i (0-based): h main and e extra hits give
    // e + h x TalalatSzorzo; with bonus numbers a full hit counts one more,
    // and the line numbers equal to a bonus mark are added where the bonus
    // numbers form classes, or when bonus marks exist and the line misses
    // the full hit by one.
    std::int32_t SzamsorTalalat(std::int32_t i) const
    {
        const std::uint8_t* s = tar_->sor(i);
        std::uint32_t o = alap_;
        for (std::int32_t k = 0; k < hossz_; ++k)
            o += kod_[s[k]];
        return ertek(o);
    }
    // The first line from `tol` in steps of `lepes` (+1 or -1) within the
    // stored lines whose value lies in min..max; -1 when none.
    std::int32_t Keres(std::int32_t tol, std::int32_t lepes, std::int32_t min, std::int32_t max) const;
    // How many stored lines have each hit value (BontEllTalalatok).
    TTombInt1D Ellenorzes() const;

private:
    std::int32_t ertek(std::uint32_t o) const;
    const VariationStore* tar_ = nullptr;
    std::int32_t sorDb_ = 0;
    std::int32_t hossz_ = 0;
    std::uint32_t alap_ = 0;  // the fixed numbers, in every line
    std::uint32_t kod_[256] = {};
    std::int32_t szorzo_ = 1;
    std::int32_t meret_ = 0;
    std::int32_t szamsorHossz_ = 0;
    bool vanPot_ = false;
    bool potTalalat_ = false;
    bool potJeloles_ = false;
};

// BontEllTalalatok: the lines of the variation per hit value against the marks.
TTombInt1D BontEllTalalatok(const BontEllJelolesek& j, const BontListaNezet& n);

// The marked line's ordinal in the full variation, counted only when the
// marks make a line: VariacioMeret of them have a position in the selection
// (SzamsorHossz numbers for a variation built from the draws).
std::string BontEllSorszam(const BontEllJelolesek& j, const BontListaNezet& n);

// The hint of number n on the check ticket: its role in the selection (its
// position, and whether any line holds it), a fixed number's position, or
// just the number; a bonus mark says so.
std::string BontEllSzamTipp(const BontEllJelolesek& j, const BontListaNezet& n, std::int32_t szam);

struct BontEllInfo {
    std::string Szoveg;   // the info panel
    std::string Szoveg2;  // the second info panel
};
// " Kijelölve: n szám", the hit rows of the tally (zeros when empty), the
// ordinal of a complete line and the line's facts.
BontEllInfo BontEllInfoKeszites(const BontEllJelolesek& j, const BontListaNezet& n, bool potSzamTalalat,
                                const TTombInt1D& talalatok);

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
