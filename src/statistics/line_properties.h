#pragma once
// Even/odd, repetition and event statistics: per line, how many numbers of a
// property it holds (even, in an even tens group, twin, prime, mirror pair)
// or how many repeats of a tens group or a last digit, as a distribution
// over the lines of the database range or of the variation.
#include "app/game_table.h"
#include "common/arrays.h"
#include "draws/draws_table.h"
#include "statistics/diagram_engine.h"
#include "statistics/stat_result.h"

#include <cstdint>

namespace kvx {

// Property bits of a number, the scheme of the conditions' markers.
inline constexpr std::uint8_t kParosBit = 1;
inline constexpr std::uint8_t kParosCsoportBit = 2;
inline constexpr std::uint8_t kIkerBit = 4;
inline constexpr std::uint8_t kPrimBit = 8;
inline constexpr std::uint8_t kTukorBit = 16;

struct StatJelzok {
    TTombByte1D StatSzamJelzo;  // by number - 1
    TTombInt1D StatTukorPar;    // partner's number - 1, or -1
};

// How many numbers of the pool, and of the selected main numbers (variation
// only), have each property.
struct SzamTulajdonsagok {
    std::int32_t ParosSzamDb = 0, ParosCsoportSzamDb = 0, IkerszamDb = 0, PrimszamDb = 0, TukorparDb = 0;
    std::int32_t KijeloltStatFoSzamDb = 0, KijeloltParosCsoportDb = 0, KijeloltParosDb = 0,
                 KijeloltIkerszamDb = 0, KijeloltPrimszamDb = 0, KijeloltTukorparDb = 0;
};

// Marks every main-pool number and counts the pool; with forras 1 also the
// selected main numbers (the first kijeloltFoSzamDb of kijeloltSzamok).
SzamTulajdonsagok AdatbazisJelzoBeallitas(const GameParams& g, std::int32_t forras, const TTombByte1D& kijeloltSzamok,
                                          std::int32_t kijeloltFoSzamDb, StatJelzok& j);

// What the routines read besides the lines.
struct SzamsorBemenet {
    GameParams Jatek;
    std::int32_t StatForras = 0;                     // 0 the draws, 1 the variation
    std::int32_t K = 0;                              // numbers of a line taken
    std::int32_t TartomanyElso = 1, TartomanyUtolso = 0;  // database rows, 1-based
    bool HuzasSzamsorVariacio = false;               // variation rows hold numbers
    TTombByte1D KijeloltSzamok;                      // otherwise they index these
    std::int32_t KijeloltFoSzamDb = 0;
};

// Tags 5/10 (even/odd), 6/11 (repetition) and 7/13 (events): loads the slot
// or counts and stores. The table has OsszesSzam rows and K + 2 columns;
// column c + 1 of a row counts the lines with c. t gets the pool counts.
// False when the run was cancelled (nothing stored).
bool SzamsorTulajdonsagStatisztika(std::int32_t tag, StatMasolat& c, const SzamsorBemenet& b, const DrawsState& d,
                                   const VariacioSorForras& src, StatFutas& f, StatEredmeny& e, SzamTulajdonsagok& t);

// Numbers met over all lines in row r of a distribution table: the sum of
// c times column c + 1 (mirror pairs: pairs).
std::int64_t TablaOsszeg(const TTombInt2D& t, std::int32_t r);

}  // namespace kvx
