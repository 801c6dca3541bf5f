#pragma once
// Searching by hits. A set of marked numbers (plain marks and bonus marks)
// is scored against number rows: the rows of the draws table here, the
// lines of the variation in the variation unit. What both searches share
// lives here too: the label of a hit value, the rows of the info text, the
// classes a search box offers, and the hints of the search buttons.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/game_table.h"
#include "common/arrays.h"
#include "common/random_source.h"
#include "draws/draws_table.h"

namespace kvx {

// ---- Hit values and their labels ----

// "5 találat", "5+1 találat" for a hit value of a table built with
// TalalatSzorzo: h x stride + e; in the games whose bonus numbers do not
// form classes of their own the value SzamsorHossz is "n-1 and the bonus"
// and the value above it the full hit.
std::string TalalatCimke(const GameParams& g, std::int32_t ertek);

// The info rows of a tally from its top value down to 0: "%2.0u" plus
// "+e" (or two blanks) with an extra pool or bonus numbers, else "%4.0u";
// then " találat:" and the count "%8.0u"; each row ends with CR LF.
std::string TalalatSorokSzovege(const GameParams& g, const TTombInt1D& tabla);

// One entry of a search box: "Minden találat" (Ertek -1) or a class.
struct KeresElem {
    std::string Szoveg;
    std::int32_t Ertek = -1;
};
inline constexpr const char* kMindenTalalat = "Minden találat";
// "Minden találat", then every value that has rows, from the top down.
std::vector<KeresElem> KeresBoxElemek(const GameParams& g, const TTombInt1D& tabla);
// The lowest and highest value that has rows ("Minden találat"); (0, -1)
// when none has.
std::pair<std::int32_t, std::int32_t> MindenKerTal(const TTombInt1D& tabla);
// Some value from `tol` up has rows.
bool VanTalalat(const TTombInt1D& tabla, std::int32_t tol);

// The hints of a pair of search buttons. elore: next/last (else
// previous/first); minden: "Minden találat" is chosen; t: the chosen entry.
struct KeresTippek {
    std::string Lepes;  // next or previous
    std::string Vege;   // last or first
};
KeresTippek KeresGombTippek(bool elore, bool engedelyezett, bool minden, const std::string& t);

// ---- The draw-search ticket ----

// The marks of the draw-search ticket: plain marks in marking order, the
// bonus slots (0 = free) and the count of marked extra-pool numbers.
struct HuzKeresJelolesek {
    TTombByte1D Jeloltek;
    TTombByte1D PotSzamok;
    std::int32_t PotDb = 0;
    std::int32_t PluszDb = 0;

    bool Jelolt(std::int32_t n) const;
    bool PotJelolt(std::int32_t n) const;
    bool Ures() const { return Jeloltek.empty() && PotDb == 0; }
    void Torles(const GameParams& g);
};

enum class KeresKattintas { Jelolve, PotJelolve, Torolve, Elutasitva };

// A click on number n with the modifier mode. A marked number is unmarked
// (a bonus mark always, a plain one only without a modifier). A free
// number becomes a bonus mark with Shift, or without a modifier once the
// plain marks fill a drawing, while bonus slots are free; otherwise a plain
// mark without a modifier while the drawing is not full and, with an extra
// pool, neither the main nor the extra-pool part would overflow.
KeresKattintas HuzKeresSzamClick(HuzKeresJelolesek& j, const GameParams& g, std::int32_t n, std::int32_t billentyuMod);

// A random line of a drawing's shape for the search ticket (Shift+Ctrl
// held on "Keresés"), as ticket numbers in the order they are clicked, all
// without a modifier: game 17 gets HuzottFoSzamok main-pool numbers; every
// other game a line of SzamsorHossz numbers (ascending, its extra-pool part
// from the extra pool) and then PotSzamok more main-pool numbers, which the
// full drawing turns into bonus marks.
TTombByte1D HuzKeresVeletlenSzamsor(const GameParams& g, RandomState& rs);

// Entries of HuzKeresTalalatok.
std::int32_t HuzKeresTalalatokMeret(const GameParams& g);

// The hit value of the drawing starting at column c of a draw row against
// the marks (PotOsszevetes: no bonus marks exist, so the drawing's bonus
// numbers are compared with the plain marks).
std::int32_t HuzasTalalat(const GameParams& g, const HuzKeresJelolesek& j, const TTombInt1D& sor, std::int32_t c);

// The number rows of the draws elso..utolso (1-based) that exist: the first
// drawing, and the second in the games that draw twice, each only when its
// first number is above 0.
struct SzamsorHely {
    std::int32_t Huzas = 0;    // 1-based draw
    std::int32_t Sorsolas = 0; // 0 first, 1 second drawing
    bool operator==(const SzamsorHely&) const = default;
};
std::int32_t SzamsorOszlop(const GameParams& g, std::int32_t sorsolas);
bool SzamsorLetezik(const GameParams& g, const DrawsState& d, SzamsorHely h);

// How many number rows of the range reach each hit value.
TTombInt1D TalalatokSzamolasa(const GameParams& g, const HuzKeresJelolesek& j, const DrawsState& d,
                              std::int32_t elso, std::int32_t utolso);

// The search ticket's info text: the range, the marks, the hit rows, the
// ordinal when a line's worth of numbers is marked, and the line facts.
struct HuzKeresInfo {
    std::string Szoveg;
    std::string Szoveg2;
};
HuzKeresInfo HuzKeresInfoKeszites(const GameParams& g, const HuzKeresJelolesek& j, const TTombInt1D& tabla,
                                  std::int32_t elso, std::int32_t utolso);

// ---- Walking the matches of the draws list ----

// The search of the draws list: the range, the chosen class (min..max; all
// rows with minden) and the marks.
struct HuzKeresLepes {
    const GameParams* Jatek = nullptr;
    const DrawsState* Huzasok = nullptr;
    const HuzKeresJelolesek* Jelolesek = nullptr;
    std::int32_t Elso = 1;
    std::int32_t Utolso = 0;
    std::int32_t Min = 0;
    std::int32_t Max = -1;
    bool Minden = false;

    bool Talalat(SzamsorHely h) const;
    // The first / last matching row of the range; Huzas 0 when none.
    SzamsorHely ElsoTalalat() const;
    SzamsorHely UtolsoTalalat() const;
    // The next / previous matching row after / before `most`; Huzas 0 when
    // none is left in the range (the caller then goes to the last / first).
    SzamsorHely Kovetkezo(SzamsorHely most) const;
    SzamsorHely Elozo(SzamsorHely most) const;
};

}  // namespace kvx
