#pragma once
// The numbers inside each examined line: how often every pair of numbers
// stands in one line, and the gaps between neighbouring numbers.
#include "statistics/line_walk.h"
#include "statistics/stat_result.h"

#include <cstdint>

namespace kvx {

// Row (0-based) of the pair a < b among all pairs of 1..n in lexicographic
// order (1-2, 1-3, ..., 2-3, ...).
inline std::int64_t SzamparSora(std::int32_t a, std::int32_t b, std::int32_t n)
{
    return static_cast<std::int64_t>(a - 1) * (2 * static_cast<std::int64_t>(n) - a) / 2 + (b - a) - 1;
}

struct SzamparMeretek {
    std::int32_t P = 0;              // main pool: numbers, or selected main numbers
    std::int32_t E = 0;              // extra pool
    std::int32_t ElmeletiP = 0;      // pool and line length of the expected interval
    std::int32_t ElmeletiHossz = 0;
};

// What the pairs are counted over for this source (b.Poziciok is set for
// variations not built from draws).
SzamparMeretek SzamparMeretei(const SzamsorBejarasBemenet& b);

// Rows (row number, occurrences, last line, smaller, larger) for the main
// pairs, then, when a line holds more than one extra number, the extra
// pairs; [0] the expected interval between two occurrences of a pair,
// [1] the pairs that occurred, [2] all occurrences, [3] the mean of lines /
// occurrences over the pairs that occurred. b.PluszDb extras follow the K
// main values of a line.
void SzamparStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e);

// Rows (occurrences, gap, last line) for every gap 0 .. span - K between
// neighbouring numbers of the sorted line.
void EgymastKovetoSzamStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e);

}  // namespace kvx
