#include "statistics/hit_ratios.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <thread>

namespace kvx {

namespace {

// One line as bit sets: main numbers (values 0..127), extra-pool part, and
// the bonus numbers of a drawing.
struct Vonal {
    std::uint64_t F0 = 0, F1 = 0, P0 = 0, P1 = 0;
    std::array<std::uint8_t, 4> Pot{};
    std::int32_t Sor = 0, Huzas = 1;  // 1-based row or line, drawing
};

void betesz(std::uint64_t& a0, std::uint64_t& a1, std::int32_t v)
{
    // Values above 103 are never entered (they never hit).
    if (v < 0 || v > 103)
        return;
    if (v < 64)
        a0 |= std::uint64_t{1} << v;
    else
        a1 |= std::uint64_t{1} << (v - 64);
}

struct Szabaly {
    std::int32_t Lepes = 1, Alap = 0, C = 1, Felso = 0;
    bool Pot = false, PotTalalat = false;
    std::int32_t PotDb = 0, SzamsorHossz = 0, SzamsorHosszMax = 0;
};

template <bool Plusz, bool Bonusz>
[[gnu::always_inline]] inline std::int32_t osztaly(const Vonal& t, const Vonal& d, const Szabaly& s)
{
    std::int32_t fo = s.Alap + std::popcount(t.F0 & d.F0) + std::popcount(t.F1 & d.F1);
    std::int32_t plusz = 0;
    if constexpr (Plusz)
        plusz = std::popcount(t.P0 & d.P0) + std::popcount(t.P1 & d.P1);
    if constexpr (Bonusz) {
        if (fo == s.SzamsorHossz) {
            if (!s.PotTalalat)
                ++fo;
        } else if ((s.PotTalalat || fo == s.SzamsorHosszMax) && d.Pot[0] > 0) {
            for (std::int32_t i = 0; i < s.PotDb; ++i)
                for (std::int32_t j = 0; j < s.PotDb; ++j)
                    plusz += t.Pot[static_cast<std::size_t>(i)] > 0 &&
                             t.Pot[static_cast<std::size_t>(i)] == d.Pot[static_cast<std::size_t>(j)];
        }
    }
    return std::clamp(fo * s.Lepes + plusz, 0, s.C - 1);
}

struct SzalEredmeny {
    std::vector<std::uint64_t> Elert;  // per line: classes reached
    std::int64_t ParDb = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> Parok;
};

template <bool Plusz, bool Bonusz>
[[gnu::always_inline]] inline void szalTorzs(const std::vector<Vonal>& v, const Szabaly& s, std::int32_t kezd, std::int32_t lepes, StatFutas& f,
          std::atomic<std::int32_t>& kesz, SzalEredmeny& r)
{
    const std::int32_t n = static_cast<std::int32_t>(v.size());
    r.Elert.assign(v.size(), 0);
    for (std::int32_t p = kezd; p < n; p += lepes) {
        if (!f.StatisztikaFut.load(std::memory_order_relaxed))
            return;
        const Vonal& t = v[static_cast<std::size_t>(p)];
        std::uint64_t sajat = 0;
        for (std::int32_t q = p + 1; q < n; ++q) {
            const std::int32_t c = osztaly<Plusz, Bonusz>(t, v[static_cast<std::size_t>(q)], s);
            const std::uint64_t bit = std::uint64_t{1} << c;
            sajat |= bit;
            r.Elert[static_cast<std::size_t>(q)] |= bit;
            if (c == s.Felso) {
                ++r.ParDb;
                if (r.Parok.size() < kAzonosParMax)
                    r.Parok.emplace_back(p, q);
            }
        }
        r.Elert[static_cast<std::size_t>(p)] |= sajat;
        const std::int32_t k = kesz.fetch_add(1, std::memory_order_relaxed) + 1;
        f.Haladas.store(k, std::memory_order_relaxed);
    }
}

template <bool Plusz, bool Bonusz>
[[gnu::target("popcnt")]] void szalPopcnt(const std::vector<Vonal>& v, const Szabaly& s, std::int32_t kezd,
                                          std::int32_t lepes, StatFutas& f, std::atomic<std::int32_t>& kesz,
                                          SzalEredmeny& r)
{
    szalTorzs<Plusz, Bonusz>(v, s, kezd, lepes, f, kesz, r);
}

template <bool Plusz, bool Bonusz>
void szal(const std::vector<Vonal>& v, const Szabaly& s, std::int32_t kezd, std::int32_t lepes, StatFutas& f,
          std::atomic<std::int32_t>& kesz, SzalEredmeny& r)
{
    if (__builtin_cpu_supports("popcnt"))
        szalPopcnt<Plusz, Bonusz>(v, s, kezd, lepes, f, kesz, r);
    else
        szalTorzs<Plusz, Bonusz>(v, s, kezd, lepes, f, kesz, r);
}

// Lines without extra or bonus numbers: the main bit sets kept in two
// arrays, so the inner loop reads 16 bytes a line.
[[gnu::always_inline]] inline void szalGyorsTorzs(const std::vector<std::uint64_t>& a0,
                                                  const std::vector<std::uint64_t>& a1, const Szabaly& s,
                                                  std::int32_t kezd, std::int32_t lepes, StatFutas& f,
                                                  std::atomic<std::int32_t>& kesz, SzalEredmeny& r)
{
    const std::int32_t n = static_cast<std::int32_t>(a0.size());
    r.Elert.assign(a0.size(), 0);
    std::uint64_t* elert = r.Elert.data();
    const std::uint64_t* x0 = a0.data();
    const std::uint64_t* x1 = a1.data();
    const std::int32_t felsoFo = s.Felso / s.Lepes;
    for (std::int32_t p = kezd; p < n; p += lepes) {
        if (!f.StatisztikaFut.load(std::memory_order_relaxed))
            return;
        const std::uint64_t t0 = x0[p], t1 = x1[p];
        std::uint64_t sajat = 0;
        for (std::int32_t q = p + 1; q < n; ++q) {
            const std::int32_t fo = s.Alap + std::popcount(t0 & x0[q]) + std::popcount(t1 & x1[q]);
            const std::uint64_t bit = std::uint64_t{1} << (fo * s.Lepes);
            sajat |= bit;
            elert[q] |= bit;
            if (fo == felsoFo) [[unlikely]] {
                ++r.ParDb;
                if (r.Parok.size() < kAzonosParMax)
                    r.Parok.emplace_back(p, q);
            }
        }
        elert[p] |= sajat;
        const std::int32_t k = kesz.fetch_add(1, std::memory_order_relaxed) + 1;
        f.Haladas.store(k, std::memory_order_relaxed);
    }
}

// The same with the processor's population-count instruction, where it has
// one: the portable count is several times slower.
[[gnu::target("popcnt")]] void szalGyorsPopcnt(const std::vector<std::uint64_t>& a0,
                                               const std::vector<std::uint64_t>& a1, const Szabaly& s,
                                               std::int32_t kezd, std::int32_t lepes, StatFutas& f,
                                               std::atomic<std::int32_t>& kesz, SzalEredmeny& r)
{
    szalGyorsTorzs(a0, a1, s, kezd, lepes, f, kesz, r);
}

void szalGyors(const std::vector<std::uint64_t>& a0, const std::vector<std::uint64_t>& a1, const Szabaly& s,
               std::int32_t kezd, std::int32_t lepes, StatFutas& f, std::atomic<std::int32_t>& kesz, SzalEredmeny& r)
{
    if (__builtin_cpu_supports("popcnt"))
        szalGyorsPopcnt(a0, a1, s, kezd, lepes, f, kesz, r);
    else
        szalGyorsTorzs(a0, a1, s, kezd, lepes, f, kesz, r);
}

}  // namespace

std::int32_t TalalatiOsztalyDb(const TalalatiAranyBemenet& b)
{
    const GameParams& g = b.Jatek;
    if (b.StatForras == 1)
        return (b.FixSzamDb + b.K + 1) * b.TalalatLepes;
    if (g.PotSzamTalalat)
        return g.TalalatSzorzo * b.K + 1;
    return (b.K + 1) * b.TalalatLepes + g.PotSzamok;
}

std::int32_t TalalatiFelsoOsztaly(const TalalatiAranyBemenet& b)
{
    if (b.StatForras == 1)
        return (b.FixSzamDb + b.K) * b.TalalatLepes + b.Jatek.PluszSzamDb;
    return TalalatiOsztalyDb(b) - 1;
}

bool TalalatiAranyok(std::int32_t tag, StatMasolat& c, const TalalatiAranyBemenet& b, const DrawsState& d,
                     const VariacioSorForras& src, StatFutas& f, StatEredmeny& e, AzonosLista& a)
{
    f.CiklusDb.store(1);
    f.Ciklus.store(1);
    if (c.Betoltes(tag, e))
        return f.StatisztikaFut.load();
    const GameParams& g = b.Jatek;
    Szabaly s;
    s.Lepes = b.TalalatLepes;
    s.C = std::clamp(TalalatiOsztalyDb(b), 1, 64);
    s.Felso = TalalatiFelsoOsztaly(b);
    e.FinalizeSortArray();
    e.StatErtekek = {};
    e.SetSortArray(s.C, 4);
    a = AzonosLista{};

    // The lines as bit sets.
    std::vector<Vonal> v;
    const bool plusz = g.VanPluszSzam;
    if (b.StatForras == 0) {
        s.Pot = g.VanPotSzam;
        s.PotTalalat = g.PotSzamTalalat;
        s.PotDb = std::clamp(g.PotSzamok, 0, 4);
        s.SzamsorHossz = g.SzamsorHossz;
        s.SzamsorHosszMax = g.SzamsorHosszMax;
        const std::int32_t elso = std::max(b.TartomanyElso, 1) - 1;
        const std::int32_t utolso = std::min(b.TartomanyUtolso, d.HuzasokSzama);
        const std::int32_t szamok = g.HuzottFoSzamok;
        for (std::int32_t m = elso; m < utolso; ++m) {
            const TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(m)];
            for (std::int32_t h = 1; h <= (g.TobbSorsolas ? 2 : 1); ++h) {
                const std::size_t o = h == 1 ? 3 : static_cast<std::size_t>(g.MasodikHuzasOszlop);
                if (h == 2 && (o >= sor.size() || sor[o] <= 0))
                    break;
                Vonal x;
                x.Sor = m + 1;
                x.Huzas = h;
                for (std::int32_t i = 0; i < szamok && o + static_cast<std::size_t>(i) < sor.size(); ++i) {
                    const std::int32_t n = sor[o + static_cast<std::size_t>(i)];
                    // The second drawing counts all its hits as main hits.
                    if (plusz && h == 1 && i >= b.K)
                        betesz(x.P0, x.P1, n);
                    else
                        betesz(x.F0, x.F1, n);
                }
                for (std::int32_t i = 0; i < s.PotDb; ++i) {
                    const std::size_t p = o + static_cast<std::size_t>(szamok + i);
                    x.Pot[static_cast<std::size_t>(i)] =
                        p < sor.size() ? static_cast<std::uint8_t>(std::clamp(sor[p], 0, 255)) : 0;
                }
                v.push_back(x);
            }
        }
    } else {
        s.Alap = b.FixSzamDb;
        const std::int32_t hossz = std::min(b.K + (plusz ? g.PluszSzamDb : 0), src.SorHossz());
        v.reserve(static_cast<std::size_t>(src.SorDb()));
        for (std::int32_t m = 0; m < src.SorDb(); ++m) {
            const std::uint8_t* sor = src.Sor(m);
            Vonal x;
            x.Sor = m + 1;
            for (std::int32_t i = 0; i < hossz; ++i) {
                if (plusz && i >= b.K)
                    betesz(x.P0, x.P1, sor[i]);
                else
                    betesz(x.F0, x.F1, sor[i]);
            }
            v.push_back(x);
        }
    }

    const std::int32_t n = static_cast<std::int32_t>(v.size());
    std::int32_t szalDb = b.Szalak > 0 ? b.Szalak : static_cast<std::int32_t>(std::thread::hardware_concurrency());
    szalDb = std::clamp(szalDb, 1, 64);
    // Small sets are not worth the threads unless asked for.
    if (n < 2000 && b.Szalak == 0)
        szalDb = 1;
    std::vector<SzalEredmeny> r(static_cast<std::size_t>(szalDb));
    std::atomic<std::int32_t> kesz{0};
    // Without extra or bonus numbers a class is main hits x stride, the top
    // class a whole multiple of it.
    const bool gyors = !plusz && !s.Pot && s.Lepes >= 1 && s.Felso % s.Lepes == 0 &&
                       (s.Alap + b.K) * s.Lepes < s.C && (s.Alap + b.K) * s.Lepes <= 63;
    std::vector<std::uint64_t> a0, a1;
    if (gyors) {
        a0.reserve(v.size());
        a1.reserve(v.size());
        for (const Vonal& x : v) {
            a0.push_back(x.F0);
            a1.push_back(x.F1);
        }
    }
    auto indit = [&](std::int32_t i) {
        SzalEredmeny& x = r[static_cast<std::size_t>(i)];
        if (gyors)
            szalGyors(a0, a1, s, i, szalDb, f, kesz, x);
        else if (plusz && s.Pot)
            szal<true, true>(v, s, i, szalDb, f, kesz, x);
        else if (plusz)
            szal<true, false>(v, s, i, szalDb, f, kesz, x);
        else if (s.Pot)
            szal<false, true>(v, s, i, szalDb, f, kesz, x);
        else
            szal<false, false>(v, s, i, szalDb, f, kesz, x);
    };
    {
        std::vector<std::jthread> szalak;
        for (std::int32_t i = 1; i < szalDb; ++i)
            szalak.emplace_back(indit, i);
        indit(0);
    }
    if (!f.StatisztikaFut.load())
        return false;

    // Tally: per line the classes it reached and its best one.
    for (std::int32_t p = 0; p < n; ++p) {
        std::uint64_t m = 0;
        for (const SzalEredmeny& x : r)
            m |= x.Elert[static_cast<std::size_t>(p)];
        if (m == 0)
            continue;
        for (std::int32_t cl = 0; cl < s.C; ++cl)
            if (m & (std::uint64_t{1} << cl))
                ++e.SortArray[static_cast<std::size_t>(cl)][0];
        ++e.SortArray[static_cast<std::size_t>(63 - std::countl_zero(m))][1];
    }
    std::vector<std::pair<std::int32_t, std::int32_t>> parok;
    for (const SzalEredmeny& x : r) {
        a.ParDb += x.ParDb;
        parok.insert(parok.end(), x.Parok.begin(), x.Parok.end());
    }
    std::sort(parok.begin(), parok.end());
    if (parok.size() > kAzonosParMax)
        parok.resize(kAzonosParMax);
    for (const auto& [p, q] : parok) {
        const Vonal& x = v[static_cast<std::size_t>(p)];
        const Vonal& y = v[static_cast<std::size_t>(q)];
        a.Parok.push_back({x.Sor, x.Huzas, y.Sor, y.Huzas});
    }
    c.Tarolas(tag, e);
    return true;
}

}  // namespace kvx
