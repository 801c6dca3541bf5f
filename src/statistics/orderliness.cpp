#include "statistics/orderliness.h"

#include "common/numbering.h"

#include <algorithm>
#include <cstdlib>

namespace kvx {

namespace {

using Sor = std::vector<std::int64_t>;

// The elements from 1 to the end equal the first.
bool allando(const Sor& a)
{
    return std::all_of(a.begin(), a.end(), [&](std::int64_t x) { return x == a.front(); });
}

Sor kulonbsegek(const Sor& a)
{
    Sor d;
    for (std::size_t i = 0; i + 1 < a.size(); ++i)
        d.push_back(a[i] - a[i + 1]);
    return d;
}

}  // namespace

std::vector<std::vector<std::int64_t>> PoziciosTabla(std::int32_t m, std::int32_t K)
{
    std::vector<Sor> t(static_cast<std::size_t>(std::max(0, K)), Sor(static_cast<std::size_t>(std::max(0, m + 1)), 0));
    const std::int32_t N = m + K;
    for (std::int32_t p = 0; p < K; ++p)
        for (std::int32_t i = 0; i <= m; ++i)
            t[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] =
                BinomalisEgyutthato(i + p, p).value_or(0) * BinomalisEgyutthato(N - 1 - i - p, K - 1 - p).value_or(0);
    return t;
}

double RendezettsegLekerdezes(const RendezettsegBemenet& b)
{
    const Sor& key = b.Kulcsok;
    const auto R = static_cast<std::int64_t>(key.size());
    const std::int64_t E = std::max<std::int64_t>(0, b.PluszOszlopok);
    const std::int64_t m = R - 1 - E;
    const std::int64_t n = m + 1;
    const std::int32_t K = b.K;

    if (b.Alatta == b.Folotte && b.Atlagon == R - E)
        return 0.0;
    if (n < 1)
        return 1.0;
    const Sor k(key.begin(), key.begin() + n);

    if (n >= 2) {
        bool szimm = true;
        for (std::int64_t g = 0; g <= n / 2 && szimm; ++g)
            szimm = k[static_cast<std::size_t>(g)] == k[static_cast<std::size_t>(m - g)];
        if (szimm)
            return 0.0;
    }
    if (n >= 4) {
        const std::int64_t s = k[0] + k[static_cast<std::size_t>(m)];
        bool osszeg = true;
        for (std::int64_t f = 1; f <= n / 2 && osszeg; ++f)
            osszeg = k[static_cast<std::size_t>(f)] + k[static_cast<std::size_t>(m - f)] == s;
        if (osszeg)
            return 0.0;
    }
    // Distances of neighbouring keys, then their differences up to the third.
    Sor d;
    for (std::int64_t i = 0; i < m; ++i)
        d.push_back(std::llabs(k[static_cast<std::size_t>(i)] - k[static_cast<std::size_t>(i + 1)]));
    if (m >= 2 && allando(d))
        return 0.0;
    if (m >= 4) {
        const Sor d1 = kulonbsegek(d);
        if (allando(d1))
            return 0.0;
        const Sor d2 = kulonbsegek(d1);
        if (allando(d2))
            return 0.0;
        if (m >= 5 && allando(kulonbsegek(d2)))
            return 0.0;
    }

    if (m >= 3 && K >= 3 && R > K) {
        // The K-th differences of the keys are one non-zero constant.
        if (std::find(k.begin(), k.end(), 0) != k.end() || n < K)
            return 1.0;
        Sor sor = k;
        for (std::int32_t i = 1; i < K; ++i) {
            Sor kov;
            for (std::size_t j = 0; j + 1 < sor.size(); ++j)
                kov.push_back(sor[j + 1] - sor[j]);
            sor = std::move(kov);
        }
        const bool egyezik = !sor.empty() && sor.back() != 0 && allando(sor);
        return egyezik ? 0.0 : 1.0;
    }
    if (m >= 2 && K >= 3 && K <= 10 && R <= K) {
        const std::int64_t S = std::max<std::int64_t>(1, b.Skala);
        const std::vector<Sor> t = PoziciosTabla(static_cast<std::int32_t>(m), K);
        for (const std::int64_t szorzo : {std::int64_t{1}, std::int64_t{K - 1}})
            for (const Sor& sor : t) {
                bool egyezik = true;
                for (std::int64_t j = 0; j <= m && egyezik; ++j)
                    egyezik = k[static_cast<std::size_t>(j)] / S == sor[static_cast<std::size_t>(j)] * szorzo;
                if (egyezik)
                    return 0.0;
            }
    }
    return 1.0;
}

}  // namespace kvx
