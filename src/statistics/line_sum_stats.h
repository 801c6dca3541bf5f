#pragma once
// Sums, standard deviations and spans of the examined lines, each charted
// as how many lines take each possible value, against the value expected
// of the full variation.
#include "statistics/line_walk.h"
#include "statistics/stat_result.h"

#include <cstdint>
#include <span>

namespace kvx {

// The sample standard deviation of the values (divisor K - 1); 0 for fewer
// than two values, where it is not defined.
double SzamsorSzorasa(std::span<const std::int32_t> a);

// Fine class of a deviation in steps of 0.001 (values from 1 upward share
// the classes of those below 1).
std::int32_t SzorasFinomOsztalya(double d);

// Rows (lines, sum, last line) for every possible sum, smallest first;
// [0] the expected mean sum, [2] the mean actual sum.
void OsszegStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e);

// Rows (lines, integer part, last line) from the smallest to the largest
// possible deviation; [0] the expected mean, [2] the mean actual deviation,
// [3], [4], [5] the lines below, at and above the mean's 0.001 class, [6]
// and [7] the smallest and the largest possible deviation.
// finom gets the counts of the 0.001 classes that occurred, ascending, then
// the lines below, at and above the class of the mean.
void SzorasStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e, TTombInt1D* finom = nullptr);

// Rows (lines, span, last line) for spans K - 1 upward; [0] the expected
// mean span over the full variation.
void TerjedelemStatisztika(const SzamsorBejarasBemenet& b, StatFutas& f, StatEredmeny& e);

// The expected mean span of K-lines of 1..n.
double ElmeletiTerjedelem(std::int32_t n, std::int32_t K);

}  // namespace kvx
