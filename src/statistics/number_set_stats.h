#pragma once
// Which numbers stand at each position of the sorted examined lines: per
// position p and value offset, how many lines had p + 1 + offset as their
// (p + 1)-th smallest number (or selection position).
#include "statistics/line_walk.h"
#include "statistics/stat_result.h"

#include <cstdint>

namespace kvx {

// Rows: P - (K - 1) value offsets (P the main pool, or the selected main
// numbers when b.Poziciok); columns p = 0..K - 1 the counts, K + p the last
// line of each. Empty when the run was cancelled.
TTombInt2D SzamkeszletTablaEpites(const SzamsorBejarasBemenet& b, StatFutas& f);

// The chart of position f (clamped into 0..K - 1): rows (value, count, last
// line); [2] the lines counted at that position.
void SzamkeszletEredmeny(const TTombInt2D& t, std::int32_t f, const SzamsorBejarasBemenet& b, StatEredmeny& e);

// Per position p (K rows): [0] how many values occurred at p, [1] how many
// are possible there: the table's rows, and over the draws no more than the
// lines read (a range of three draws can meet at most three values).
TTombInt2D SzamkeszletOsszesites(const TTombInt2D& t, std::int32_t K, bool adatbazis);

}  // namespace kvx
