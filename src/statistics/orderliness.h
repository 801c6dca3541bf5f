#pragma once
// Whether the keys of the bars a chart shows follow a regular pattern:
// all at the average, symmetric, constant symmetric sums, distances that
// follow a polynomial rule of low degree, or a multiple of the position
// table of a full variation. 0.0 when a pattern was found, 1.0 otherwise.
#include <cstdint>
#include <vector>

namespace kvx {

struct RendezettsegBemenet {
    // Key of every bar in the order shown (the extra-pool bars last).
    std::vector<std::int64_t> Kulcsok;
    // Bars of extra-pool numbers: the last ones take no part.
    std::int32_t PluszOszlopok = 0;
    // Bars below, at and above the actual average.
    std::int64_t Alatta = 0, Atlagon = 0, Folotte = 0;
    // Numbers of one examined line.
    std::int32_t K = 0;
    // The keys are compared with the position table after division by this.
    std::int64_t Skala = 1;
};

double RendezettsegLekerdezes(const RendezettsegBemenet& b);

// Lines of K numbers out of m + K whose (p + 1)-th smallest number is
// p + 1 + i, for p = 0..K - 1 and i = 0..m; each row sums to C(m + K, K).
std::vector<std::vector<std::int64_t>> PoziciosTabla(std::int32_t m, std::int32_t K);

}  // namespace kvx
