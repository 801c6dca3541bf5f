#include "variation/covering_index.h"

namespace kvx {

namespace {
// Dense tables up to these sizes (entries); above them hash maps are used.
constexpr std::uint64_t kSuruSzamlaloMax = std::uint64_t{1} << 26;  // 128 MB of uint16
constexpr std::uint64_t kSuruKitMax = std::uint64_t{1} << 23;       // 128 MB of 16-byte sets
}  // namespace

void ReszhalmazTabla::init(int n, int j, bool kiterjesztes)
{
    torles();
    n_ = n;
    j_ = j;
    kitAktiv_ = kiterjesztes && j >= 1;
    const std::uint64_t meret = ReszBinom(n, j);
    suru_ = meret <= kSuruSzamlaloMax;
    if (suru_)
        cnt_.assign(static_cast<std::size_t>(meret == 0 ? 1 : meret), 0);
    if (kitAktiv_) {
        const std::uint64_t kmeret = ReszBinom(n, j - 1);
        kitSuru_ = kmeret <= kSuruKitMax;
        if (kitSuru_)
            kit_.assign(static_cast<std::size_t>(kmeret == 0 ? 1 : kmeret), Ertekhalmaz128{});
    }
}

void ReszhalmazTabla::torles()
{
    sorok_ = 0;
    cnt_.clear();
    cnt_.shrink_to_fit();
    tulcsordulas_.clear();
    ritka_.clear();
    kit_.clear();
    kit_.shrink_to_fit();
    kitRitka_.clear();
}

template <class Fn>
void ReszhalmazTabla::reszhalmazok(const std::uint8_t* sor, int k, int j, Fn&& fn)
{
    if (j > k)
        return;
    if (j == 0) {
        fn(std::uint64_t{0}, std::uint64_t{0}, -1);
        return;
    }
    int idx[kReszBinomJ];
    for (int i = 0; i < j; ++i)
        idx[i] = i;
    for (;;) {
        std::uint64_t r = 0;
        for (int i = 0; i < j - 1; ++i)
            r += kReszBinom.c[sor[idx[i]]][static_cast<std::size_t>(i + 1)];
        const int utolso = sor[idx[j - 1]];
        fn(r + kReszBinom.c[static_cast<std::size_t>(utolso)][static_cast<std::size_t>(j)], r, utolso);
        int i = j - 1;
        while (i >= 0 && idx[i] == k - j + i)
            --i;
        if (i < 0)
            return;
        ++idx[i];
        for (int m = i + 1; m < j; ++m)
            idx[m] = idx[m - 1] + 1;
    }
}

void ReszhalmazTabla::lep(std::uint64_t rang, std::uint64_t kitRang, int maxErtek, bool noveles)
{
    std::uint32_t uj = 0;
    if (suru_) {
        std::uint16_t& c = cnt_[rang];
        if (noveles) {
            if (c == 0xFFFF)
                ++tulcsordulas_[rang];
            else
                ++c;
            uj = 1;
        } else {
            if (c == 0xFFFF) {
                auto it = tulcsordulas_.find(rang);
                if (it != tulcsordulas_.end()) {
                    if (--it->second == 0)
                        tulcsordulas_.erase(it);
                    return;
                }
            }
            if (c == 0)
                return;
            --c;
            uj = c;
        }
    } else {
        if (noveles) {
            ++ritka_[rang];
            uj = 1;
        } else {
            auto it = ritka_.find(rang);
            if (it == ritka_.end())
                return;
            uj = --it->second;
            if (uj == 0)
                ritka_.erase(it);
        }
    }
    if (!kitAktiv_ || maxErtek < 0)
        return;
    if (noveles) {
        if (kitSuru_)
            kit_[kitRang].beallit(maxErtek);
        else
            kitRitka_[kitRang].beallit(maxErtek);
    } else if (uj == 0) {
        if (kitSuru_) {
            kit_[kitRang].torol(maxErtek);
        } else {
            auto it = kitRitka_.find(kitRang);
            if (it != kitRitka_.end()) {
                it->second.torol(maxErtek);
                if (it->second.w[0] == 0 && it->second.w[1] == 0)
                    kitRitka_.erase(it);
            }
        }
    }
}

void ReszhalmazTabla::hozzaad(const std::uint8_t* sor, int k)
{
    ++sorok_;
    reszhalmazok(sor, k, j_, [&](std::uint64_t r, std::uint64_t kr, int v) { lep(r, kr, v, true); });
}

void ReszhalmazTabla::elvesz(const std::uint8_t* sor, int k)
{
    if (sorok_ > 0)
        --sorok_;
    reszhalmazok(sor, k, j_, [&](std::uint64_t r, std::uint64_t kr, int v) { lep(r, kr, v, false); });
}

std::uint64_t ReszhalmazTabla::osszeg(const std::uint8_t* sor, int k) const
{
    std::uint64_t s = 0;
    reszhalmazok(sor, k, j_, [&](std::uint64_t r, std::uint64_t, int) { s += szam(r); });
    return s;
}

bool ReszhalmazTabla::fedett(const std::uint8_t* sor, int k) const
{
    bool f = false;
    reszhalmazok(sor, k, j_, [&](std::uint64_t r, std::uint64_t, int) {
        if (!f && szam(r) != 0)
            f = true;
    });
    return f;
}

}  // namespace kvx
