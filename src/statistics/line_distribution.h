#pragma once
// Where the examined lines stand on the lexicographic scale of the full
// variation: how many fall into each of L equal ranges of the ordinal, and
// into which range the distance between two consecutive lines falls. The
// counts of every choice of L are made in one pass, so changing L reads no
// line again.
#include "common/numbering.h"
#include "statistics/line_walk.h"
#include "statistics/stat_result.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kvx {

// A choice of ranges: L ranges of width W = N div L.
struct TartomanyValasztas {
    std::int64_t L = 0;
    std::int64_t W = 0;
};

// Every L from 2 up to 9,999 (and N) that divides N; for a variation also
// N ranges of width 1 when N <= 10,000 and not listed yet.
std::vector<TartomanyValasztas> TartomanyValasztek(std::int64_t N, bool variacio);

// The range of a distance between two ordinals: range r (0-based) holds
// the distances W r + 1 .. W (r + 1); a distance 0 is in range 0.
inline std::int64_t TavolsagTartomanya(std::int64_t d, std::int64_t W)
{
    const std::int64_t a = d < 0 ? -d : d;
    return a == 0 ? 0 : (a - 1) / W;
}

struct SorszamTablak {
    std::int64_t N = 0;
    std::vector<TartomanyValasztas> Valasztek;
    // [choice][range]: lines, last line.
    std::vector<std::vector<std::array<std::int32_t, 2>>> Eloszlas;
    // [choice][range]: steps, last line, steps down, steps up or equal.
    std::vector<std::vector<std::array<std::int32_t, 4>>> Lepes;
    std::array<double, 8> Ertekek{};
    std::int64_t Sorok = 0;  // lines counted
};

// One pass over the lines of b: the ordinal of each within the numbering d
// (N lines); a line whose ordinal is not one of 1..N is not counted. The
// variation's lines are read in blocks of blokkMeret lines on szalak threads
// (0: every core, blocks of 16,384); the table and the values do not depend
// on either.
SorszamTablak SorszamEloszlasSzamitas(const SzamsorBejarasBemenet& b, const NumberingDims& d, std::int64_t N,
                                      bool variacio, StatFutas& f, std::int32_t szalak = 0,
                                      std::int32_t blokkMeret = 0);

// The chart of choice f (clamped to the list): rows (range, lines, last
// line) or, with lepes, (range, steps, last line, down, up or equal); [2] the
// expected count per range.
void SorszamEloszlasTabla(const SorszamTablak& t, std::int32_t f, bool lepes, StatEredmeny& e);

}  // namespace kvx
