#pragma once
// Counting tables over the j-element subsets of the selection, used by the
// covering rule of the line enumerator.
//
// A table of order j holds, for every j-subset S of selection indexes, how
// many stored lines contain S. A candidate shares more than T numbers with
// some stored line exactly when one of its (T+1)-subsets has a non-zero
// count, so the covering test costs C(k, T+1) look-ups whatever the number of
// stored lines. Counters (not flags) let lines be removed again.
//
// With extensions on, the table also keeps, per (j-1)-subset R, the set of
// values v above max(R) for which R + {v} is counted: the enumerator ORs
// these sets over the prefix of a candidate to get every value the next
// position may not take, and jumps straight to the next free one.
#include <array>
#include <bit>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kvx {

// Binomial coefficients C(n, j) for n <= 128, j <= 32, saturating at
// UINT64_MAX. Used for subset ranks; kept apart from the program-wide
// binomial routine of the numbering unit.
constexpr int kReszBinomN = 129;
constexpr int kReszBinomJ = 33;

struct ReszBinomTabla {
    std::array<std::array<std::uint64_t, kReszBinomJ>, kReszBinomN> c{};
    constexpr ReszBinomTabla()
    {
        for (int n = 0; n < kReszBinomN; ++n) {
            c[n][0] = 1;
            for (int j = 1; j < kReszBinomJ; ++j) {
                if (n == 0) {
                    c[n][j] = 0;
                    continue;
                }
                const std::uint64_t a = c[n - 1][j - 1];
                const std::uint64_t b = c[n - 1][j];
                c[n][j] = (a > UINT64_MAX - b) ? UINT64_MAX : a + b;
            }
        }
    }
};
inline constexpr ReszBinomTabla kReszBinom{};

inline std::uint64_t ReszBinom(int n, int j)
{
    if (n < 0 || j < 0 || j >= kReszBinomJ || n >= kReszBinomN)
        return 0;
    return kReszBinom.c[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)];
}

// A set of values 0..127.
struct Ertekhalmaz128 {
    std::uint64_t w[2] = {0, 0};
    void beallit(int v) { w[v >> 6] |= std::uint64_t{1} << (v & 63); }
    void torol(int v) { w[v >> 6] &= ~(std::uint64_t{1} << (v & 63)); }
    bool tartalmaz(int v) const { return (w[v >> 6] >> (v & 63)) & 1u; }
    void vagy(const Ertekhalmaz128& o)
    {
        w[0] |= o.w[0];
        w[1] |= o.w[1];
    }
    // First value >= v not in the set (128 when there is none).
    int elsoSzabad(int v) const
    {
        if (v < 64) {
            const std::uint64_t free0 = ~w[0] & (~std::uint64_t{0} << v);
            if (free0)
                return std::countr_zero(free0);
            v = 64;
        }
        if (v >= 128)
            return 128;
        const std::uint64_t free1 = ~w[1] & (~std::uint64_t{0} << (v - 64));
        return free1 ? 64 + std::countr_zero(free1) : 128;
    }
};

// Sets of selection indexes that a line may not share `rend` numbers with,
// counted on its first `poziciok` positions (the line enumerator skips every
// prefix that already does).
struct TiltottReszhalmazok {
    int rend = 0;
    int poziciok = 0;
    std::vector<std::vector<std::uint8_t>> halmazok;  // each ascending
};

class ReszhalmazTabla {
public:
    // n: selection size (<= 128), j: subset size (0 .. 32), kiterjesztes:
    // keep the extension sets (j >= 1 only).
    void init(int n, int j, bool kiterjesztes);
    void torles();
    int rend() const { return j_; }
    bool ures() const { return sorok_ == 0; }

    // Adds or removes every j-subset of an ascending line of k indexes.
    void hozzaad(const std::uint8_t* sor, int k);
    void elvesz(const std::uint8_t* sor, int k);

    std::uint32_t szam(std::uint64_t rang) const
    {
        if (suru_) {
            const std::uint16_t c = cnt_[rang];
            if (c != 0xFFFF)
                return c;
            auto it = tulcsordulas_.find(rang);
            return 0xFFFFu + (it == tulcsordulas_.end() ? 0u : it->second);
        }
        auto it = ritka_.find(rang);
        return it == ritka_.end() ? 0u : it->second;
    }

    // Values v such that R + {v} is counted, R given by its (j-1)-rank.
    const Ertekhalmaz128& kiterjesztes(std::uint64_t rang) const
    {
        if (kitSuru_)
            return kit_[rang];
        auto it = kitRitka_.find(rang);
        return it == kitRitka_.end() ? ures_ : it->second;
    }

    // Sum of the counts of every j-subset of an ascending line of k indexes.
    std::uint64_t osszeg(const std::uint8_t* sor, int k) const;
    // Whether some j-subset of the line has a non-zero count.
    bool fedett(const std::uint8_t* sor, int k) const;

private:
    template <class Fn>
    static void reszhalmazok(const std::uint8_t* sor, int k, int j, Fn&& fn);
    void lep(std::uint64_t rang, std::uint64_t kitRang, int maxErtek, bool noveles);

    int n_ = 0;
    int j_ = 0;
    bool kitAktiv_ = false;
    bool suru_ = true;
    bool kitSuru_ = true;
    std::int64_t sorok_ = 0;
    std::vector<std::uint16_t> cnt_;
    std::unordered_map<std::uint64_t, std::uint32_t> tulcsordulas_;
    std::unordered_map<std::uint64_t, std::uint32_t> ritka_;
    std::vector<Ertekhalmaz128> kit_;
    std::unordered_map<std::uint64_t, Ertekhalmaz128> kitRitka_;
    Ertekhalmaz128 ures_{};
};

}  // namespace kvx
