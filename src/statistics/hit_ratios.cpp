#include "statistics/hit_ratios.h"

#include "app/workers.h"
#include "common/subset_ranks.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <optional>
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

// The pairs (indexes into v, in ticket order) as rows and drawings.
void azonosParok(const std::vector<Vonal>& v, const std::vector<std::pair<std::int32_t, std::int32_t>>& parok,
                 AzonosLista& a)
{
    for (const auto& [p, q] : parok) {
        const Vonal& x = v[static_cast<std::size_t>(p)];
        const Vonal& y = v[static_cast<std::size_t>(q)];
        a.Parok.push_back({x.Sor, x.Huzas, y.Sor, y.Huzas});
    }
}

// ---- Counting by subsets
//
// For every part T of every line (main part x extra part) the lines that
// hold T are counted. For a line S, h[j][i] = sum over its parts with j main
// and i extra numbers of (count - 1) is the number of (other line, shared
// part) pairs, that is the sum over the other lines of C(a, j) C(b, i) for
// their a shared main and b shared extra numbers; binomial inversion gives
// how many other lines share exactly (a, b). The work grows with the lines
// times 2^(numbers of a line) instead of with the square of the lines.

// Numbers of a line that the counting handles at most.
constexpr std::int32_t kReszMax = kReszhalmazElemMax;
using Binomok = ReszhalmazBinomok;

// Runs fn(thread, a, b) over the items 0 .. n - 1 in blocks of blokk items
// on szalDb threads; false when the run was cancelled.
template <typename F>
bool parhuzamosan(std::size_t n, std::size_t blokk, std::int32_t szalDb, StatFutas& f, F&& fn)
{
    szalDb = static_cast<std::int32_t>(std::clamp<std::size_t>((n + blokk - 1) / blokk, 1, static_cast<std::size_t>(szalDb)));
    std::atomic<std::size_t> kov{0};
    const auto munka = [&](std::int32_t sz) {
        for (;;) {
            if (!f.StatisztikaFut.load(std::memory_order_relaxed))
                return;
            const std::size_t a = kov.fetch_add(blokk);
            if (a >= n)
                return;
            fn(sz, a, std::min(n, a + blokk));
        }
    };
    {
        std::vector<std::jthread> sz;
        for (std::int32_t i = 1; i < szalDb; ++i)
            sz.emplace_back(munka, i);
        munka(0);
    }
    return f.StatisztikaFut.load();
}

// A line as the counting reads it: its main and extra numbers renumbered
// 0.. over the numbers that occur, ascending.
struct ReszSor {
    std::array<std::uint8_t, kReszMax> M{}, E{};
    std::uint8_t mDb = 0, eDb = 0;
    std::int32_t Csoport = -1;  // the full main part's group (lines of Kmax main numbers)
};

struct ReszAdat {
    std::vector<ReszSor> Sorok;
    std::int32_t Kmax = 0, Emax = 0;  // largest main and extra parts of a line
    std::int32_t UM = 0, UE = 0;      // main and extra numbers that occur
};

// The lines renumbered; nothing when a line has more numbers than the
// counting takes.
std::optional<ReszAdat> reszAdat(const std::vector<Vonal>& v, bool plusz, std::int32_t szalDb, StatFutas& f)
{
    std::uint64_t m0 = 0, m1 = 0, e0 = 0, e1 = 0;
    for (const Vonal& x : v) {
        m0 |= x.F0, m1 |= x.F1;
        e0 |= x.P0, e1 |= x.P1;
    }
    if (!plusz)
        e0 = e1 = 0;
    // Numbered from the top: the lines of a variation stored in
    // lexicographic order then count into neighbouring cells.
    ReszAdat d;
    d.UM = std::popcount(m0) + std::popcount(m1);
    d.UE = std::popcount(e0) + std::popcount(e1);
    std::array<std::uint8_t, 128> fo{}, ex{};
    for (int i = 0, a = d.UM, b = d.UE; i < 128; ++i) {
        if ((i < 64 ? m0 >> i : m1 >> (i - 64)) & 1u)
            fo[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(--a);
        if ((i < 64 ? e0 >> i : e1 >> (i - 64)) & 1u)
            ex[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(--b);
    }
    // At most kReszMax of a part (ascending); a line with more stops the
    // counting.
    const auto elemek = [](std::uint64_t a0, std::uint64_t a1, const std::array<std::uint8_t, 128>& sorszam,
                           std::uint8_t* ki) -> std::int32_t {
        const std::int32_t db = std::popcount(a0) + std::popcount(a1);
        if (db > kReszMax)
            return db;
        std::int32_t k = db;
        for (; a0 != 0; a0 &= a0 - 1)
            ki[--k] = sorszam[static_cast<std::size_t>(std::countr_zero(a0))];
        for (; a1 != 0; a1 &= a1 - 1)
            ki[--k] = sorszam[static_cast<std::size_t>(64 + std::countr_zero(a1))];
        return db;
    };
    d.Sorok.resize(v.size());
    std::vector<std::array<std::int32_t, 2>> legnagyobb(static_cast<std::size_t>(szalDb), {0, 0});
    if (!parhuzamosan(v.size(), 8192, szalDb, f, [&](std::int32_t sz, std::size_t a, std::size_t b) {
            auto& l = legnagyobb[static_cast<std::size_t>(sz)];
            for (std::size_t i = a; i < b; ++i) {
                const Vonal& x = v[i];
                ReszSor& y = d.Sorok[i];
                const std::int32_t m = elemek(x.F0, x.F1, fo, y.M.data());
                const std::int32_t e = plusz ? elemek(x.P0, x.P1, ex, y.E.data()) : 0;
                y.mDb = static_cast<std::uint8_t>(std::min(m, kReszMax));
                y.eDb = static_cast<std::uint8_t>(std::min(e, kReszMax));
                l[0] = std::max(l[0], m);
                l[1] = std::max(l[1], e);
            }
        }))
        return std::nullopt;
    for (const auto& l : legnagyobb) {
        d.Kmax = std::max(d.Kmax, l[0]);
        d.Emax = std::max(d.Emax, l[1]);
    }
    if (d.Kmax + d.Emax > kReszMax)
        return std::nullopt;
    return d;
}

struct ReszTerv {
    bool Felso = false;                     // pairs reach the top class (both lines full and the same)
    std::uint64_t SuruCellak = 0;           // cells of the tables below the full main part
    std::uint64_t ESzor = 0;                // sum of C(UE, i), i = 0..Emax
    bool SuruCsoport = false;               // the full main parts numbered by their rank, not hashed
    std::uint64_t CsoportCellak = 0;        // groups by rank: C(UM, Kmax)
};

// Whether subsets can count the classes of these lines: no bonus rule, and
// classes (Alap + a) x Lepes + b that neither clamp nor mix a and b.
std::optional<ReszTerv> reszTerv(const ReszAdat& d, const Szabaly& s, const Binomok& C)
{
    if (s.Pot || s.Lepes < 1 || s.Alap < 0 || d.Sorok.empty() || d.Kmax < 1)
        return std::nullopt;
    if ((s.Alap + d.Kmax) * s.Lepes + d.Emax > s.C - 1)
        return std::nullopt;
    if (d.Emax > 0 && s.Lepes <= d.Emax)
        return std::nullopt;
    ReszTerv t;
    // The top class: a pair of lines reaches it only when both are full and
    // the same, or no pair reaches it at all.
    const std::int32_t a = s.Felso / s.Lepes - s.Alap, b = s.Felso % s.Lepes;
    if (a >= 0 && a <= d.Kmax && b <= d.Emax) {
        if (a != d.Kmax || b != d.Emax)
            return std::nullopt;
        t.Felso = true;
    }
    for (std::int32_t i = 0; i <= d.Emax; ++i)
        t.ESzor += C(d.UE, i);
    for (std::int32_t j = 0; j < d.Kmax; ++j) {
        const std::uint64_t c = C(d.UM, j);
        if (c > (std::uint64_t{1} << 40) / std::max<std::uint64_t>(t.ESzor, 1))
            return std::nullopt;
        t.SuruCellak += c * t.ESzor;
    }
    // Few possible full main parts: their rank is their group.
    const std::uint64_t teljes = C(d.UM, d.Kmax);
    t.SuruCsoport = teljes <= std::max<std::uint64_t>(4 * d.Sorok.size(), 1u << 16);
    t.CsoportCellak = teljes;
    // One table of them must fit the memory (a gigabyte at most).
    const std::uint64_t csoportok = t.SuruCsoport ? teljes : d.Sorok.size();
    if ((t.SuruCellak + csoportok * t.ESzor) > (std::uint64_t{1} << 28))
        return std::nullopt;
    return t;
}

// The full main parts' groups: by rank, or through a hash of the parts,
// each thread numbering the parts of its share of the hash values (group
// p + P x number within share p). Returns the number of groups (some
// unused), or -1 when the run was cancelled.
std::int32_t csoportok(const std::vector<Vonal>& v, ReszAdat& d, const ReszTerv& t, const Binomok& C,
                       std::int32_t szalDb, StatFutas& f)
{
    std::vector<ReszSor>& r = d.Sorok;
    const std::size_t n = r.size();
    const std::int32_t K = d.Kmax;
    if (t.SuruCsoport) {
        if (!parhuzamosan(n, 8192, szalDb, f, [&](std::int32_t, std::size_t a, std::size_t b) {
                for (std::size_t i = a; i < b; ++i) {
                    ReszSor& y = r[i];
                    if (y.mDb != K)
                        continue;
                    std::uint64_t k = 0;
                    for (std::int32_t j = 0; j < K; ++j)
                        k += C.nyers(y.M[static_cast<std::size_t>(j)], j + 1);
                    y.Csoport = static_cast<std::int32_t>(k);
                }
            }))
            return -1;
        return static_cast<std::int32_t>(t.CsoportCellak);
    }
    const auto keveres = [](const Vonal& x) {
        std::uint64_t h = x.F0 * 0x9E3779B97F4A7C15ull ^ (x.F1 + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
        return h ^ (h >> 29);
    };
    const std::int32_t P = static_cast<std::int32_t>(std::clamp<std::size_t>(n / 4096, 1, static_cast<std::size_t>(szalDb)));
    std::vector<std::int32_t> reszDb(static_cast<std::size_t>(P), 0);
    const auto szamoz = [&](std::int32_t p) {
        struct Hely {
            std::uint64_t a = 0, b = 0;
            std::int32_t id = -1;
        };
        // Grown as the groups come, so that a few distinct parts stay small.
        std::vector<Hely> tabla(1024);
        std::size_t maszk = tabla.size() - 1;
        std::int32_t db = 0;
        const auto betesz = [&](std::vector<Hely>& tb, std::size_t m, std::uint64_t h, const Hely& x) {
            std::size_t q = static_cast<std::size_t>(h) & m;
            while (tb[q].id >= 0 && (tb[q].a != x.a || tb[q].b != x.b))
                q = (q + 1) & m;
            if (tb[q].id < 0)
                tb[q] = x;
            return tb[q].id;
        };
        for (std::size_t i = 0; i < n; ++i) {
            if (i % 65536 == 0 && !f.StatisztikaFut.load(std::memory_order_relaxed))
                return;
            if (r[i].mDb != K)
                continue;
            const std::uint64_t h = keveres(v[i]);
            if (static_cast<std::int32_t>((h >> 40) % static_cast<std::uint64_t>(P)) != p)
                continue;
            if (static_cast<std::size_t>(db + 1) * 2 > tabla.size()) {
                std::vector<Hely> uj(tabla.size() * 2);
                for (const Hely& x : tabla)
                    if (x.id >= 0) {
                        Vonal y;
                        y.F0 = x.a;
                        y.F1 = x.b;
                        betesz(uj, uj.size() - 1, keveres(y), x);
                    }
                tabla = std::move(uj);
                maszk = tabla.size() - 1;
            }
            const std::int32_t g = betesz(tabla, maszk, h, {v[i].F0, v[i].F1, db});
            if (g == db)
                ++db;
            r[i].Csoport = p + P * g;
        }
        reszDb[static_cast<std::size_t>(p)] = db;
    };
    {
        std::vector<std::jthread> sz;
        for (std::int32_t i = 1; i < P; ++i)
            sz.emplace_back(szamoz, i);
        szamoz(0);
    }
    if (!f.StatisztikaFut.load())
        return -1;
    return P * *std::max_element(reszDb.begin(), reszDb.end());
}

struct ReszEredmeny {
    std::array<std::int64_t, 64> Elert{}, Legjobb{};
    std::int64_t ParDb = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> Parok;
};

bool reszhalmazSzamlalas(const std::vector<Vonal>& v, ReszAdat& d, const ReszTerv& t, const Szabaly& s,
                         const Binomok& C, std::int32_t szalDb, StatFutas& f, ReszEredmeny& er)
{
    const std::size_t n = v.size();
    const std::vector<ReszSor>& r = d.Sorok;
    const std::int32_t G = csoportok(v, d, t, C, szalDb, f);
    if (G < 0)
        return false;

    // The tables: per (j main, i extra) numbers of a part, the main part's
    // colex rank (or its group when j = Kmax) times C(UE, i) plus the extra
    // part's rank.
    const std::int32_t K = d.Kmax, E = d.Emax;
    std::vector<std::uint64_t> kezdet(static_cast<std::size_t>((K + 1) * (E + 1)));
    std::vector<std::uint64_t> eSzel(static_cast<std::size_t>(E + 1));
    std::uint64_t cellak = 0;
    for (std::int32_t j = 0; j <= K; ++j)
        for (std::int32_t i = 0; i <= E; ++i) {
            eSzel[static_cast<std::size_t>(i)] = C(d.UE, i);
            kezdet[static_cast<std::size_t>(j * (E + 1) + i)] = cellak;
            cellak += (j < K ? C(d.UM, j) : static_cast<std::uint64_t>(G)) * C(d.UE, i);
        }
    // reszCellak writes the cell of every part of a line into ki and the
    // part's place in the line's h table, j (se + 1) + i, into szint; returns
    // how many. With extra numbers the parts are ranked by their masks, main
    // mask outer, extra mask inner (apart, for its tables).
    const auto pluszCellak = [&](const ReszSor& y, std::uint64_t* ki, std::uint8_t* szint)
                                 __attribute__((noinline)) -> std::uint32_t {
        std::array<std::uint64_t, 1u << kReszMax> rm, re;
        std::array<std::uint8_t, 1u << kReszMax> jm, ie;
        ReszhalmazRangok(y.M.data(), y.mDb, C, rm.data(), jm.data());
        const std::uint32_t teljes = (1u << y.mDb) - 1;
        if (y.mDb == K)
            rm[teljes] = static_cast<std::uint64_t>(y.Csoport);
        ReszhalmazRangok(y.E.data(), y.eDb, C, re.data(), ie.data());
        const std::int32_t W = y.eDb + 1;
        std::uint32_t db = 0;
        for (std::uint32_t a = 0; a <= teljes; ++a) {
            const std::uint64_t* k = kezdet.data() + static_cast<std::size_t>(jm[a] * (E + 1));
            for (std::uint32_t b = 0; b < (1u << y.eDb); ++b) {
                ki[db] = k[ie[b]] + rm[a] * eSzel[ie[b]] + re[b];
                szint[db++] = static_cast<std::uint8_t>(jm[a] * W + ie[b]);
            }
        }
        return db;
    };
    const auto reszCellak = [&](const ReszSor& y, std::uint64_t* ki, std::uint8_t* szint) -> std::uint32_t {
        if (E > 0)
            return pluszCellak(y, ki, szint);
        std::uint32_t db = 0;
        const std::uint64_t* kz = kezdet.data();
        ReszhalmazBejaras(y.M.data(), y.mDb, C,
                          [ki, szint, kz, &db](std::int32_t j, std::uint64_t rang) __attribute__((always_inline)) {
                              ki[db] = kz[j] + rang;
                              szint[db++] = static_cast<std::uint8_t>(j);
                          });
        // The full part, the last one, is counted by its group.
        if (y.mDb == K)
            ki[db - 1] = kz[K] + static_cast<std::uint64_t>(y.Csoport);
        return db;
    };
    // Lines are taken in groups: their cells are worked out first, then the
    // table is read or written in one sweep, so that many of its cache lines
    // are on their way at once.
    constexpr std::size_t kSorBlokk = 2048;
    const std::size_t csoport = std::max<std::size_t>(1, 8192 >> (K + E));
    const std::size_t pufferMeret = csoport << (K + E);

    const std::int32_t T = std::max(szalDb, 1);
    std::atomic<std::int64_t> kesz{0};
    const auto halad = [&](std::int64_t db) {
        f.Haladas.store(static_cast<std::int32_t>((kesz.fetch_add(db, std::memory_order_relaxed) + db) / 2),
                        std::memory_order_relaxed);
    };
    // Each thread counts its lines into a table of its own, and the tables
    // are summed; as many threads as the memory allows.
    const std::int32_t T1 = static_cast<std::int32_t>(std::clamp<std::uint64_t>(
        (std::uint64_t{256} << 20) / std::max<std::uint64_t>(cellak * 4, 1), 1, static_cast<std::uint64_t>(T)));
    std::vector<std::vector<std::int32_t>> sajat(static_cast<std::size_t>(T1));
    const auto szamlal = [&](std::int32_t sz, std::size_t a, std::size_t b) {
        std::vector<std::int32_t>& tab = sajat[static_cast<std::size_t>(sz)];
        if (tab.empty())
            tab.assign(static_cast<std::size_t>(cellak), 0);
        std::int32_t* x = tab.data();
        std::vector<std::uint64_t> puffer(pufferMeret);
        std::vector<std::uint8_t> szint(pufferMeret);
        for (std::size_t i = a; i < b; i += csoport) {
            std::uint32_t db = 0;
            for (std::size_t l = i; l < std::min(b, i + csoport); ++l)
                db += reszCellak(r[l], puffer.data() + db, szint.data() + db);
            for (std::uint32_t k = 0; k < db; ++k)
                ++x[puffer[k]];
        }
        halad(static_cast<std::int64_t>(b - a));
    };
    if (!parhuzamosan(n, kSorBlokk, T1, f, szamlal))
        return false;
    std::vector<std::int32_t> tabla = std::move(sajat[0]);
    if (tabla.empty())
        tabla.assign(static_cast<std::size_t>(cellak), 0);
    const auto osszead = [&](std::int32_t, std::size_t a, std::size_t b) {
        for (std::size_t u = 1; u < sajat.size(); ++u)
            if (!sajat[u].empty()) {
                const std::int32_t* y = sajat[u].data();
                for (std::size_t c = a; c < b; ++c)
                    tabla[c] += y[c];
            }
    };
    if (T1 > 1 && !parhuzamosan(static_cast<std::size_t>(cellak), 65536, T, f, osszead))
        return false;
    sajat.clear();
    const std::int32_t* cnt = tabla.data();

    // Per line the other lines by shared (main, extra) numbers, and from
    // them the classes it reaches and its best one.
    std::vector<ReszEredmeny> reszEr(static_cast<std::size_t>(T));
    const auto osztalyok = [&](std::int32_t sz, std::size_t a, std::size_t b) {
        ReszEredmeny& x = reszEr[static_cast<std::size_t>(sz)];
        std::array<std::int64_t, (kReszMax + 1) * (kReszMax + 1)> h{};
        std::vector<std::uint64_t> puffer(pufferMeret);
        std::vector<std::uint8_t> szint(pufferMeret);
        std::vector<std::int32_t> ertek(pufferMeret);
        for (std::size_t i = a; i < b; i += csoport) {
            const std::size_t v = std::min(b, i + csoport);
            std::uint32_t db = 0;
            for (std::size_t l = i; l < v; ++l)
                db += reszCellak(r[l], puffer.data() + db, szint.data() + db);
            for (std::uint32_t k = 0; k < db; ++k)
                ertek[k] = cnt[puffer[k]];
            std::uint32_t k = 0;
            for (std::size_t l = i; l < v; ++l) {
                const ReszSor& y = r[l];
                const std::int32_t sm = y.mDb, se = y.eDb, W = se + 1;
                std::fill(h.begin(), h.begin() + (sm + 1) * W, 0);
                for (const std::uint32_t vege = k + (1u << (sm + se)); k < vege; ++k)
                    h[szint[k]] += ertek[k];
                // The line itself holds each of its parts once.
                for (std::int32_t j = 0; j <= sm; ++j)
                    for (std::int32_t q = 0; q <= se; ++q)
                        h[static_cast<std::size_t>(j * W + q)] -= static_cast<std::int64_t>(C(sm, j) * C(se, q));
                std::uint64_t maszk = 0;
                for (std::int32_t p = 0; p <= sm; ++p)
                    for (std::int32_t q = 0; q <= se; ++q) {
                        std::int64_t e = 0;
                        for (std::int32_t j = p; j <= sm; ++j)
                            for (std::int32_t u = q; u <= se; ++u) {
                                const std::int64_t tag = static_cast<std::int64_t>(C(j, p) * C(u, q)) *
                                                         h[static_cast<std::size_t>(j * W + u)];
                                e += ((j - p + u - q) & 1) ? -tag : tag;
                            }
                        if (e > 0)
                            maszk |= std::uint64_t{1} << std::min((s.Alap + p) * s.Lepes + q, s.C - 1);
                    }
                if (maszk == 0)
                    continue;
                for (std::uint64_t m = maszk; m != 0; m &= m - 1)
                    ++x.Elert[static_cast<std::size_t>(std::countr_zero(m))];
                ++x.Legjobb[static_cast<std::size_t>(63 - std::countl_zero(maszk))];
            }
        }
        halad(static_cast<std::int64_t>(b - a));
    };
    if (!parhuzamosan(n, kSorBlokk, T, f, osztalyok))
        return false;
    for (const ReszEredmeny& x : reszEr)
        for (std::size_t c = 0; c < 64; ++c) {
            er.Elert[c] += x.Elert[c];
            er.Legjobb[c] += x.Legjobb[c];
        }

    // Identical pairs: lines of one full (main, extra) part, chained in
    // order; the first pairs in ticket order.
    if (t.Felso) {
        const std::uint64_t k0 = kezdet[static_cast<std::size_t>(K * (E + 1) + E)];
        std::vector<std::int32_t> utolso(static_cast<std::size_t>(static_cast<std::uint64_t>(G) * eSzel[static_cast<std::size_t>(E)]), -1);
        std::vector<std::int32_t> kov(n, -1);
        for (std::size_t l = 0; l < n; ++l) {
            const ReszSor& y = r[l];
            if (y.mDb != K || y.eDb != E)
                continue;
            std::uint64_t re = 0;
            for (std::int32_t i = 0; i < E; ++i)
                re += C(y.E[static_cast<std::size_t>(i)], i + 1);
            const std::uint64_t kulcs = static_cast<std::uint64_t>(y.Csoport) * eSzel[static_cast<std::size_t>(E)] + re;
            std::int32_t& u = utolso[static_cast<std::size_t>(kulcs)];
            if (u >= 0)
                kov[static_cast<std::size_t>(u)] = static_cast<std::int32_t>(l);
            else
                er.ParDb += static_cast<std::int64_t>(cnt[k0 + kulcs]) * (cnt[k0 + kulcs] - 1) / 2;
            u = static_cast<std::int32_t>(l);
        }
        for (std::size_t p = 0; p < n && er.Parok.size() < kAzonosParMax; ++p)
            for (std::int32_t q = kov[p]; q >= 0 && er.Parok.size() < kAzonosParMax; q = kov[static_cast<std::size_t>(q)])
                er.Parok.emplace_back(static_cast<std::int32_t>(p), q);
    }
    return true;
}

// Whether counting subsets takes less work than comparing every pair.
bool reszhalmazKifizetodik(const ReszAdat& d, const ReszTerv& t, bool plusz, std::int32_t szalDb)
{
    const double nd = static_cast<double>(d.Sorok.size());
    const double parok = nd * nd / 2 * (plusz ? 2.0 : 1.0);
    const double csoportok = t.SuruCsoport ? static_cast<double>(t.CsoportCellak) : nd;
    const double cellak = static_cast<double>(t.SuruCellak) + csoportok * static_cast<double>(t.ESzor);
    const double resz = 2 * nd * std::ldexp(1.0, d.Kmax + d.Emax) * 12 + cellak * std::min(szalDb, 8) * 3 + nd * 60;
    return resz < parok;
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

    std::int32_t szalDb = b.Szalak > 0 ? b.Szalak : static_cast<std::int32_t>(std::thread::hardware_concurrency());
    szalDb = std::clamp(szalDb, 1, 64);

    // The lines as bit sets, made on every thread: a slot per drawing of a
    // row, the absent second drawings left out afterwards.
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
        const std::size_t huzasok = g.TobbSorsolas ? 2 : 1;
        const std::size_t sorok = static_cast<std::size_t>(std::max(utolso - elso, 0));
        v.resize(sorok * huzasok);
        std::vector<std::uint8_t> van(v.size(), 0);
        if (!parhuzamosan(sorok, 4096, szalDb, f, [&](std::int32_t, std::size_t a0, std::size_t b0) {
                for (std::size_t k = a0; k < b0; ++k) {
                    const std::int32_t m = elso + static_cast<std::int32_t>(k);
                    const TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(m)];
                    for (std::int32_t h = 1; h <= static_cast<std::int32_t>(huzasok); ++h) {
                        const std::size_t o = h == 1 ? 3 : static_cast<std::size_t>(g.MasodikHuzasOszlop);
                        if (h == 2 && (o >= sor.size() || sor[o] <= 0))
                            break;
                        Vonal& x = v[k * huzasok + static_cast<std::size_t>(h - 1)];
                        van[k * huzasok + static_cast<std::size_t>(h - 1)] = 1;
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
                    }
                }
            }))
            return false;
        if (huzasok > 1) {
            std::size_t db = 0;
            for (std::size_t k = 0; k < v.size(); ++k)
                if (van[k])
                    v[db++] = v[k];
            v.resize(db);
        }
    } else {
        s.Alap = b.FixSzamDb;
        const std::int32_t hossz = std::min(b.K + (plusz ? g.PluszSzamDb : 0), src.SorHossz());
        v.resize(static_cast<std::size_t>(std::max(src.SorDb(), 0)));
        if (!parhuzamosan(v.size(), 8192, szalDb, f, [&](std::int32_t, std::size_t a0, std::size_t b0) {
                for (std::size_t m = a0; m < b0; ++m) {
                    const std::uint8_t* sor = src.Sor(static_cast<std::int32_t>(m));
                    Vonal& x = v[m];
                    x.Sor = static_cast<std::int32_t>(m) + 1;
                    for (std::int32_t i = 0; i < hossz; ++i) {
                        if (plusz && i >= b.K)
                            betesz(x.P0, x.P1, sor[i]);
                        else
                            betesz(x.F0, x.F1, sor[i]);
                    }
                }
            }))
            return false;
    }

    const std::int32_t n = static_cast<std::int32_t>(v.size());
    // The lines are in hand and the counting is to come: a closed test hold
    // keeps the run here.
    TesztTartas::Pont(f.StatisztikaFut);
    if (!f.StatisztikaFut.load())
        return false;

    if (b.Modszer != TalalatiModszer::Paronkent && !s.Pot) {
        const Binomok C;
        std::optional<ReszAdat> adat = reszAdat(v, plusz, szalDb, f);
        if (!f.StatisztikaFut.load())
            return false;
        const std::optional<ReszTerv> t = adat ? reszTerv(*adat, s, C) : std::nullopt;
        if (t && (b.Modszer == TalalatiModszer::Reszhalmazok || reszhalmazKifizetodik(*adat, *t, plusz, szalDb))) {
            ReszEredmeny r;
            if (!reszhalmazSzamlalas(v, *adat, *t, s, C, szalDb, f, r))
                return false;
            for (std::int32_t cl = 0; cl < s.C; ++cl) {
                e.SortArray[static_cast<std::size_t>(cl)][0] = static_cast<std::int32_t>(r.Elert[static_cast<std::size_t>(cl)]);
                e.SortArray[static_cast<std::size_t>(cl)][1] = static_cast<std::int32_t>(r.Legjobb[static_cast<std::size_t>(cl)]);
            }
            a.ParDb = r.ParDb;
            azonosParok(v, r.Parok, a);
            f.Haladas.store(n, std::memory_order_relaxed);
            c.Tarolas(tag, e);
            return true;
        }
    }

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
    azonosParok(v, parok, a);
    c.Tarolas(tag, e);
    return true;
}

}  // namespace kvx
