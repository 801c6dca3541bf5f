#pragma once
// Colex ranks of the subsets of a small sorted set of numbers 0..127, for
// tables with one entry per subset of each size: the subset {c1 < ... < cj}
// ranks C(c1, 1) + ... + C(cj, j) among the j-subsets of 0..n-1, a number
// below C(n, j).
#include <array>
#include <bit>
#include <cstdint>

namespace kvx {

// Elements of a set the ranks are made for at most.
inline constexpr std::int32_t kReszhalmazElemMax = 12;

// C(n, k) for 0 <= n <= 128, 0 <= k <= kReszhalmazElemMax + 1 (all fit 64
// bits); 0 outside.
class ReszhalmazBinomok {
public:
    ReszhalmazBinomok()
    {
        for (std::size_t n = 0; n < t_.size(); ++n) {
            t_[n][0] = 1;
            for (std::size_t k = 1; k < t_[n].size(); ++k)
                t_[n][k] = n == 0 ? 0 : t_[n - 1][k - 1] + t_[n - 1][k];
        }
    }
    std::uint64_t operator()(std::int32_t n, std::int32_t k) const
    {
        if (n < 0 || n > 128 || k < 0 || k > kReszhalmazElemMax + 1)
            return 0;
        return t_[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
    // The same where the caller keeps n and k inside the table.
    std::uint64_t nyers(std::int32_t n, std::int32_t k) const
    {
        return t_[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }

private:
    std::array<std::array<std::uint64_t, kReszhalmazElemMax + 2>, 129> t_{};
};

// For the ascending elements e[0..n) (each below 128, n <= kReszhalmazElemMax): the subset
// of mask m (bit i: element e[i]) has meret[m] elements and rank r[m] among
// the subsets of that size. Each mask's rank is that of the mask without its
// highest element plus the term of that element, so the 2^n ranks cost one
// addition each.
inline void ReszhalmazRangok(const std::uint8_t* e, std::int32_t n, const ReszhalmazBinomok& C, std::uint64_t* r,
                             std::uint8_t* meret)
{
    r[0] = 0;
    meret[0] = 0;
    for (std::uint32_t m = 1; m < (1u << n); ++m) {
        const std::int32_t h = 31 - std::countl_zero(m);
        const std::uint32_t alatta = m & ~(1u << h);
        meret[m] = static_cast<std::uint8_t>(meret[alatta] + 1);
        r[m] = r[alatta] + C.nyers(e[h], meret[m]);
    }
}

namespace reszhalmaz_reszletek {

// Element I of the set is left out or taken as the (J + 1)-th smallest of
// the subset; every leaf of the choices is one subset.
template <std::int32_t I, std::int32_t K, std::int32_t J, typename F>
[[gnu::always_inline]] inline void bejar(const std::uint8_t* e, const ReszhalmazBinomok& C, std::uint64_t rang, F& fn)
{
    if constexpr (I == K) {
        fn(J, rang);
    } else {
        bejar<I + 1, K, J>(e, C, rang, fn);
        bejar<I + 1, K, J + 1>(e, C, rang + C.nyers(e[I], J + 1), fn);
    }
}

// Larger sets by the masks' ranks (apart, so that its tables do not weigh
// on the frame of every call).
template <typename F>
[[gnu::noinline]] void tablaval(const std::uint8_t* e, std::int32_t k, const ReszhalmazBinomok& C, F& fn)
{
    std::array<std::uint64_t, 1u << kReszhalmazElemMax> r;
    std::array<std::uint8_t, 1u << kReszhalmazElemMax> meret;
    ReszhalmazRangok(e, k, C, r.data(), meret.data());
    for (std::uint32_t m = 0; m < (1u << k); ++m)
        fn(meret[m], r[m]);
}

}  // namespace reszhalmaz_reszletek

// Calls fn(size, rank) for each of the 2^K subsets of the ascending elements
// e[0..K) (each below 128), the empty one first; the choices unroll at
// compile time, one addition per subset.
template <std::int32_t K, typename F>
inline void ReszhalmazBejaras(const std::uint8_t* e, const ReszhalmazBinomok& C, F&& fn)
{
    reszhalmaz_reszletek::bejar<0, K, 0>(e, C, 0, fn);
}

// The same for a size known only when it runs (0 <= k <= kReszhalmazElemMax).
template <typename F>
inline void ReszhalmazBejaras(const std::uint8_t* e, std::int32_t k, const ReszhalmazBinomok& C, F&& fn)
{
    switch (k) {
    case 0: ReszhalmazBejaras<0>(e, C, fn); break;
    case 1: ReszhalmazBejaras<1>(e, C, fn); break;
    case 2: ReszhalmazBejaras<2>(e, C, fn); break;
    case 3: ReszhalmazBejaras<3>(e, C, fn); break;
    case 4: ReszhalmazBejaras<4>(e, C, fn); break;
    case 5: ReszhalmazBejaras<5>(e, C, fn); break;
    case 6: ReszhalmazBejaras<6>(e, C, fn); break;
    case 7: ReszhalmazBejaras<7>(e, C, fn); break;
    case 8: ReszhalmazBejaras<8>(e, C, fn); break;
    default: reszhalmaz_reszletek::tablaval(e, k, C, fn); break;
    }
}

}  // namespace kvx
