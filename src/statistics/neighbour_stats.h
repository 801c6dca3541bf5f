#pragma once
// Runs of consecutive numbers (n, n + 1, ...) inside the examined lines:
// per number how often it had a neighbour and which runs started at it, and
// per line how many runs of which length it held.
#include "statistics/line_walk.h"
#include "statistics/stat_result.h"

#include <cstdint>
#include <vector>

namespace kvx {

// Lines by their runs: row 0, column 0 lines without a run, column c lines
// with exactly one run, of c numbers; row 1, column t lines with two or
// more runs holding t numbers in all. 2 rows x (K + 1).
struct SzomszedosEredmeny {
    TTombInt2D SzomszedosTabla;
    // Some line holds a run.
    bool VanSzomszed = false;
};

// The per-number table into e: FoSzamKeszlet rows (row r the number r + 1),
// 2K + 4 columns: [0] the number, [1] its neighbour pairs, [2] with its
// lower, [3] with its upper neighbour, [c + 2] runs of exactly c (2..K)
// starting at it, [K + 4] the last line it was in a run, [K + 3 + c] the
// last line a run of c started at it; [3] the sum of column 1, [2] its mean
// over the numbers that had a neighbour. The line's K numbers are sorted
// first. s is left as it was when the run is cancelled.
void SzomszedosSzamok(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e, SzomszedosEredmeny& s);

// Chain lengths 2..K of which some run occurred (column L + 2 above 0 in
// some row of the per-number table t).
std::vector<std::int32_t> SzomszedHosszLista(const TTombInt2D& t, std::int32_t K);

// The chart's view of the per-number table: all neighbours (L = 0: number,
// neighbour pairs, last line in a run) or the runs of exactly L numbers
// (number, runs starting at it, last such line).
TTombInt2D SzomszedosNezet(const TTombInt2D& t, std::int32_t K, std::int32_t L);

// The chart of one chain length starts at the first number such a chain
// started at: the rows of the view n before it are dropped (a view with no
// such row is left whole).
void SzomszedosLancKezdet(TTombInt2D& n);

// Lines of the source holding each number (index n - 1 for n = 1..szamDb),
// read from the first K values of every line.
std::vector<std::int64_t> SzamSorElofordulas(const SzamsorBejarasBemenet& b, StatFutas& f, std::int32_t szamDb);

}  // namespace kvx
