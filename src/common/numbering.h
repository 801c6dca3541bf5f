#pragma once
// Sorting of a number line, binomial coefficients and the numbering of the
// lines of a full variation (line <-> lexicographic ordinal).
//
// The numbering routines run for every line of a list and inside the per-line
// condition test: they allocate nothing and look binomials up in a table.
// Every overflow is reported (an empty optional or false), never answered
// with a made-up value.
#include <cstdint>
#include <optional>
#include <span>

namespace kvx {

// Dimensions of a numbering.
//  - game dimensions: N = FoSzamKeszlet, m = SzamsorFoSzamDb,
//    a = PluszSzamKeszlet, T = OsszesSzam; an extra number n (1..a) is coded
//    as N + n in a line;
//  - variation dimensions: N = KijeloltFoSzamDb, m = VariacioFoMeret,
//    a = KijeloltPluszSzamDb, T = KijeloltSzamDb; a line holds 1-based
//    positions in the selection, extra positions following the main ones.
// In both, e = PluszSzamDb extras per line, used only when VanPluszSzam.
struct NumberingDims {
    std::int32_t N = 0;  // main pool
    std::int32_t m = 0;  // main numbers per line
    std::int32_t a = 0;  // extra pool
    std::int32_t e = 0;  // extra numbers per line
    std::int32_t T = 0;  // highest value (N + a)
    bool VanPluszSzam = false;

    // Positions of one line: m, plus e with the extra pool.
    std::int32_t lineLength() const { return m + (VanPluszSzam ? e : 0); }
    // The numbering supports 1 <= m <= N <= 255 and, with the extra pool,
    // 1 <= e <= 2, e <= a and T = N + a <= 255.
    bool valid() const;
};

// Dimensions of a selection (variation dimensions); T is N + a.
NumberingDims variationNumberingDims(std::int32_t kijeloltFoSzamDb, std::int32_t variacioFoMeret,
                                     std::int32_t kijeloltPluszSzamDb, std::int32_t pluszSzamDb, bool vanPluszSzam);

// Sorts positions start .. end - 1 of the line ascending (selection sort, the
// first of equal values wins). A zero is never chosen as the minimum, so
// zeros are never moved forward. The range is clipped to the line.
void TombRendezes(std::span<std::uint8_t> line, std::int32_t start, std::int32_t end);
// The same with zero counting as the smallest value.
void TombRendezesNullara(std::span<std::uint8_t> line, std::int32_t start, std::int32_t end);

// C(n, k): 0 when k < 0 or n < k, 1 when k = 0 or k = n. Empty when the
// value does not fit a signed 64-bit integer.
std::optional<std::int64_t> BinomalisEgyutthato(std::int32_t n, std::int32_t k);

// Count of all lines of the numbering: C(N, m), times C(a, e) with the extra
// pool. Empty for invalid dimensions or when it does not fit 64 bits.
std::optional<std::uint64_t> fullVariationSize(const NumberingDims& d);

// Ordinal (from 1) of the sorted two-number line among all pairs of 1..n.
// Sorts the line. Empty unless the line has exactly two distinct numbers of
// 1..n.
std::optional<std::uint64_t> SzamparokSorszama(std::span<std::uint8_t> line, std::int32_t n);

// Ordinal (from 1) of the line in the full variation; sorts the line first.
// The line has d.lineLength() positions: m main values 1..N, then, with the
// extra pool, e coded extras N+1..N+a. Empty when the dimensions are
// invalid, a value is out of range or repeated, or the count overflows.
std::optional<std::uint64_t> SzamsorSorszamaTV(std::span<std::uint8_t> line, const NumberingDims& d);

// Writes the line of the ordinal into out (d.lineLength() entries): the main
// values 1..N ascending, then the extras as 1-based indexes within the extra
// pool (not coded). Returns false and leaves out untouched when the ordinal
// is 0 or beyond the full variation, the dimensions are invalid or out has
// the wrong length.
bool SorszamSzamsoraTV(std::uint64_t ordinal, const NumberingDims& d, std::span<std::int32_t> out);

}  // namespace kvx
