#include "common/numbering.h"


#include <array>
#include <limits>

namespace kvx {

namespace {

// Pascal's triangle for n = 0..255, stored row after row (row n holds
// k = 0..n). An entry that does not fit a signed 64-bit integer is -1.
constexpr int kBinomMax = 255;
constexpr std::size_t kBinomEntries = (kBinomMax + 1) * (kBinomMax + 2) / 2;

constexpr std::size_t triIndex(std::int32_t n, std::int32_t k)
{
    return static_cast<std::size_t>(n) * static_cast<std::size_t>(n + 1) / 2 + static_cast<std::size_t>(k);
}

constexpr std::array<std::int64_t, kBinomEntries> makeBinomTable()
{
    std::array<std::int64_t, kBinomEntries> t{};
    for (std::int32_t n = 0; n <= kBinomMax; ++n) {
        t[triIndex(n, 0)] = 1;
        t[triIndex(n, n)] = 1;
        for (std::int32_t k = 1; k < n; ++k) {
            const std::int64_t x = t[triIndex(n - 1, k - 1)];
            const std::int64_t y = t[triIndex(n - 1, k)];
            t[triIndex(n, k)] = (x < 0 || y < 0 || x > std::numeric_limits<std::int64_t>::max() - y) ? -1 : x + y;
        }
    }
    return t;
}

constexpr std::array<std::int64_t, kBinomEntries> kBinom = makeBinomTable();

// Table value for 0 <= n <= 255 and any k (0 outside 0..n); -1 on overflow.
inline std::int64_t binom(std::int32_t n, std::int32_t k)
{
    if (k < 0 || n < k)
        return 0;
    return kBinom[triIndex(n, k)];
}

// Unchecked table value where the caller has shown that it fits.
inline std::uint64_t ubinom(std::int32_t n, std::int32_t k)
{
    return static_cast<std::uint64_t>(binom(n, k));
}

std::int64_t gcd64(std::int64_t a, std::int64_t b)
{
    while (b != 0) {
        const std::int64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

template <bool ZeroIsSmallest>
void selectionSort(std::span<std::uint8_t> line, std::int32_t start, std::int32_t end)
{
    const std::int32_t size = static_cast<std::int32_t>(line.size());
    if (start < 0)
        start = 0;
    if (end > size)
        end = size;
    for (std::int32_t p = start; p < end - 1; ++p) {
        std::int32_t min = p;
        for (std::int32_t j = p + 1; j < end; ++j) {
            const std::uint8_t v = line[static_cast<std::size_t>(j)];
            if ((ZeroIsSmallest || v != 0) && v < line[static_cast<std::size_t>(min)])
                min = j;
        }
        if (min > p)
            std::swap(line[static_cast<std::size_t>(p)], line[static_cast<std::size_t>(min)]);
    }
}

// C(a, e) for the extra part, 1 without it (valid dimensions only).
inline std::uint64_t extraCombinations(const NumberingDims& d)
{
    return d.VanPluszSzam ? ubinom(d.a, d.e) : 1;
}

}  // namespace

bool NumberingDims::valid() const
{
    if (N < 1 || N > kBinomMax || m < 1 || m > N)
        return false;
    if (!VanPluszSzam)
        return true;
    return e >= 1 && e <= 2 && a >= e && T == N + a && T <= kBinomMax;
}

NumberingDims variationNumberingDims(std::int32_t kijeloltFoSzamDb, std::int32_t variacioFoMeret,
                                     std::int32_t kijeloltPluszSzamDb, std::int32_t pluszSzamDb, bool vanPluszSzam)
{
    NumberingDims d;
    d.N = kijeloltFoSzamDb;
    d.m = variacioFoMeret;
    d.a = kijeloltPluszSzamDb;
    d.e = pluszSzamDb;
    d.T = kijeloltFoSzamDb + kijeloltPluszSzamDb;
    d.VanPluszSzam = vanPluszSzam;
    return d;
}

void TombRendezes(std::span<std::uint8_t> line, std::int32_t start, std::int32_t end)
{
    selectionSort<false>(line, start, end);
}

void TombRendezesNullara(std::span<std::uint8_t> line, std::int32_t start, std::int32_t end)
{
    selectionSort<true>(line, start, end);
}

std::optional<std::int64_t> BinomalisEgyutthato(std::int32_t n, std::int32_t k)
{
    if (k < 0 || n < k)
        return 0;
    if (n <= kBinomMax) {
        const std::int64_t v = kBinom[triIndex(n, k)];
        if (v < 0)
            return std::nullopt;
        return v;
    }
    if (k == 0 || k == n)
        return 1;
    if (k > n - k)
        k = n - k;
    // r runs through C(n - k + i, i); each step is exact. The common factor
    // of r and i is divided out first, so that i / g divides the new factor.
    std::int64_t r = 1;
    for (std::int32_t i = 1; i <= k; ++i) {
        std::int64_t factor = static_cast<std::int64_t>(n) - k + i;
        const std::int64_t g = gcd64(r, i);
        const std::int64_t div = i / g;
        r /= g;
        factor /= div;
        if (__builtin_mul_overflow(r, factor, &r))
            return std::nullopt;
    }
    return r;
}

std::optional<std::uint64_t> fullVariationSize(const NumberingDims& d)
{
    if (!d.valid())
        return std::nullopt;
    const std::int64_t main = binom(d.N, d.m);
    if (main < 0)
        return std::nullopt;
    if (!d.VanPluszSzam)
        return static_cast<std::uint64_t>(main);
    const std::int64_t extra = binom(d.a, d.e);
    if (extra < 0)
        return std::nullopt;
    std::uint64_t total;
    if (__builtin_mul_overflow(static_cast<std::uint64_t>(main), static_cast<std::uint64_t>(extra), &total))
        return std::nullopt;
    return total;
}

std::optional<std::uint64_t> SzamparokSorszama(std::span<std::uint8_t> line, std::int32_t n)
{
    if (line.size() != 2)
        return std::nullopt;
    TombRendezes(line, 0, 2);
    const std::int64_t x0 = line[0];
    const std::int64_t x1 = line[1];
    if (x0 < 1 || x1 <= x0 || x1 > n)
        return std::nullopt;
    // Pairs starting below x0: the sum of (n - v) for v = 1 .. x0 - 1.
    const std::int64_t before = (x0 - 1) * n - (x0 - 1) * x0 / 2;
    return static_cast<std::uint64_t>(before + (x1 - x0));
}

std::optional<std::uint64_t> SzamsorSorszamaTV(std::span<std::uint8_t> line, const NumberingDims& d)
{
    if (!d.valid() || line.size() != static_cast<std::size_t>(d.lineLength()))
        return std::nullopt;
    const std::int32_t len = d.lineLength();
    TombRendezes(line, 0, len);

    // Values strictly increasing: main ones 1..N, extras N+1..N+a.
    std::int32_t prev = 0;
    for (std::int32_t i = 0; i < len; ++i) {
        const std::int32_t x = line[static_cast<std::size_t>(i)];
        if (x <= prev)
            return std::nullopt;
        prev = x;
    }
    if (line[static_cast<std::size_t>(d.m - 1)] > d.N)
        return std::nullopt;
    if (d.VanPluszSzam && (line[static_cast<std::size_t>(d.m)] <= d.N || prev > d.T))
        return std::nullopt;

    const std::optional<std::uint64_t> full = fullVariationSize(d);
    if (!full)
        return std::nullopt;

    // Main rank: for each position t the lines whose t-th value v lies
    // between the previous value and x_t, C(N - v, m - t) each, summed in
    // closed form: sum_{v=lo..hi} C(N - v, r) = C(N - lo + 1, r + 1) - C(N - hi, r + 1).
    // Every term is at most C(N, m), which fits (checked above).
    std::uint64_t rank = 1;
    prev = 0;
    for (std::int32_t t = 1; t <= d.m; ++t) {
        const std::int32_t x = line[static_cast<std::size_t>(t - 1)];
        const std::int32_t r1 = d.m - t + 1;
        rank += ubinom(d.N - prev, r1) - ubinom(d.N - x + 1, r1);
        prev = x;
    }
    if (!d.VanPluszSzam)
        return rank;

    const std::uint64_t c = extraCombinations(d);
    std::uint64_t q;
    if (d.e == 1) {
        q = static_cast<std::uint64_t>(line[static_cast<std::size_t>(d.m)] - d.N);
    } else {
        // Pairs of the extra pool before (y1, y2): the sum of (a - u) for
        // u = 1 .. i - 1, plus j - i (i, j the indexes in the extra pool).
        const std::uint64_t i = static_cast<std::uint64_t>(line[static_cast<std::size_t>(d.m)] - d.N);
        const std::uint64_t j = static_cast<std::uint64_t>(line[static_cast<std::size_t>(d.m + 1)] - d.N);
        const std::uint64_t a = static_cast<std::uint64_t>(d.a);
        q = (i - 1) * a - (i - 1) * i / 2 + (j - i);
    }
    // (rank - 1) * c + q <= full, which fits.
    return (rank - 1) * c + q;
}

bool SorszamSzamsoraTV(std::uint64_t ordinal, const NumberingDims& d, std::span<std::int32_t> out)
{
    if (!d.valid() || out.size() != static_cast<std::size_t>(d.lineLength()))
        return false;
    const std::optional<std::uint64_t> full = fullVariationSize(d);
    if (!full || ordinal == 0 || ordinal > *full)
        return false;

    const std::uint64_t c = extraCombinations(d);
    std::uint64_t rest = (ordinal - 1) / c;  // 0-based main rank
    const std::uint64_t q = (ordinal - 1) % c + 1;

    std::int32_t v = 0;
    for (std::int32_t j = 0; j < d.m - 1; ++j) {
        // Lines whose position j holds v: C(N - v, m - j - 1).
        for (++v;; ++v) {
            const std::uint64_t cnt = ubinom(d.N - v, d.m - j - 1);
            if (rest < cnt)
                break;
            rest -= cnt;
        }
        out[static_cast<std::size_t>(j)] = v;
    }
    out[static_cast<std::size_t>(d.m - 1)] = v + 1 + static_cast<std::int32_t>(rest);

    if (d.VanPluszSzam) {
        if (d.e == 1) {
            out[static_cast<std::size_t>(d.m)] = static_cast<std::int32_t>(q);
        } else {
            // Smallest k with sum_{u=1..k} (a - u) >= q.
            std::uint64_t before = 0;  // the sum for k - 1
            std::int32_t k = 1;
            while (before + static_cast<std::uint64_t>(d.a - k) < q) {
                before += static_cast<std::uint64_t>(d.a - k);
                ++k;
            }
            out[static_cast<std::size_t>(d.m)] = k;
            out[static_cast<std::size_t>(d.m + 1)] = static_cast<std::int32_t>(q + static_cast<std::uint64_t>(k) - before);
        }
    }
    return true;
}

}  // namespace kvx
