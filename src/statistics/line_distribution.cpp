#include "statistics/line_distribution.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

namespace kvx {

std::vector<TartomanyValasztas> TartomanyValasztek(std::int64_t N, bool variacio)
{
    std::vector<TartomanyValasztas> v;
    for (std::int64_t L = 2; L <= N && L <= 9999; ++L)
        if (N % L == 0)
            v.push_back({L, N / L});
    if (variacio && N >= 1 && N <= 10000 && (v.empty() || v.back().L != N))
        v.push_back({N, 1});
    return v;
}

namespace {

// The ordinal of a line straight from its bytes: the line is sorted in a
// small buffer and its ranks are summed from a table of binomials made once
// per run. The answer is that of SzamsorSorszamaTV for every line, valid or
// not (0 where that gives none).
class SorszamKepzo {
public:
    explicit SorszamKepzo(const NumberingDims& d) : d_(d)
    {
        const std::optional<std::uint64_t> teljes = fullVariationSize(d);
        ervenyes_ = d.valid() && teljes.has_value();
        if (!ervenyes_)
            return;
        hossz_ = d.lineLength();
        // rank = 1 + sum over positions t = 1..m of C(N - x[t-1], m - t + 1) -
        // C(N - x[t] + 1, m - t + 1), x[0] = 0: regrouped per position as one
        // table entry of its value (modulo 2^64, as the sum is; each term of a
        // valid line fits).
        const auto C = [](std::int32_t n, std::int32_t k) -> std::uint64_t {
            const std::optional<std::int64_t> v = BinomalisEgyutthato(n, k);
            return v ? static_cast<std::uint64_t>(*v) : 0;
        };
        alap_ = 1 + C(d.N, d.m);
        tabla_.assign(static_cast<std::size_t>(d.m) * 256, 0);
        for (std::int32_t t = 1; t <= d.m; ++t)
            for (std::int32_t x = 1; x <= d.N; ++x) {
                const std::uint64_t kov = t < d.m ? C(d.N - x, d.m - t) : 0;
                tabla_[static_cast<std::size_t>(t - 1) * 256 + static_cast<std::size_t>(x)] =
                    kov - C(d.N - x + 1, d.m - t + 1);
            }
        pluszKombinaciok_ = d.VanPluszSzam ? C(d.a, d.e) : 1;
    }

    bool ervenyes() const { return ervenyes_; }
    std::int32_t hossz() const { return hossz_; }

    // v holds hossz() values; it is sorted in place. Lk: the line's length
    // when known where it is called (the loops then unroll), else 0.
    template <std::int32_t Lk = 0>
    std::uint64_t szamol(std::uint8_t* v) const
    {
        const std::int32_t L = Lk > 0 ? Lk : hossz_;
        for (std::int32_t i = 1; i < L; ++i) {
            const std::uint8_t x = v[i];
            std::int32_t j = i;
            for (; j > 0 && v[j - 1] > x; --j)
                v[j] = v[j - 1];
            v[j] = x;
        }
        // Values strictly increasing from 1: a zero, which is never a number
        // of a line, sorts to the front.
        if (v[0] == 0)
            return 0;
        for (std::int32_t i = 1; i < L; ++i)
            if (v[i] <= v[i - 1])
                return 0;
        const std::int32_t m = d_.m;
        if (v[m - 1] > d_.N)
            return 0;
        if (d_.VanPluszSzam && (v[m] <= d_.N || v[L - 1] > d_.T))
            return 0;
        std::uint64_t rank = alap_;
        const std::uint64_t* t = tabla_.data();
        for (std::int32_t i = 0; i < m; ++i, t += 256)
            rank += t[v[i]];
        if (!d_.VanPluszSzam)
            return rank;
        std::uint64_t q;
        if (d_.e == 1) {
            q = static_cast<std::uint64_t>(v[m] - d_.N);
        } else {
            const std::uint64_t i = static_cast<std::uint64_t>(v[m] - d_.N);
            const std::uint64_t j = static_cast<std::uint64_t>(v[m + 1] - d_.N);
            const std::uint64_t a = static_cast<std::uint64_t>(d_.a);
            q = (i - 1) * a - (i - 1) * i / 2 + (j - i);
        }
        return (rank - 1) * pluszKombinaciok_ + q;
    }

private:
    NumberingDims d_;
    bool ervenyes_ = false;
    std::int32_t hossz_ = 0;
    std::uint64_t alap_ = 0;
    std::uint64_t pluszKombinaciok_ = 1;
    std::vector<std::uint64_t> tabla_;  // [position][value]
};

// x div W by a multiply-high with the reciprocal, corrected by one step.
struct Oszto {
    std::uint64_t W = 1, M = 0;
    explicit Oszto(std::uint64_t w) : W(w), M(std::numeric_limits<std::uint64_t>::max() / w) {}
    std::uint64_t operator()(std::uint64_t x) const
    {
        std::uint64_t q = static_cast<std::uint64_t>((static_cast<unsigned __int128>(x) * M) >> 64);
        if ((q + 1) * W <= x)
            ++q;
        return q;
    }
};

// The choices that no other choice refines get counters of their own; every
// other choice is the sum of consecutive ranges of one of them (when L
// divides L', range r of L holds ranges r k .. r k + k - 1 of L', k = L' / L,
// for the ordinals and for the distances alike).
struct Finomitasok {
    std::vector<std::size_t> Sajat;       // choice index of each counted choice
    std::vector<std::size_t> Forras;      // per choice: the counted choice it is summed from
    std::vector<Oszto> Osztok;            // per counted choice
    std::vector<std::uint64_t> L;         // per counted choice
    std::vector<std::size_t> Kezdet;      // per counted choice: its first cell
    std::size_t Cellak = 0;
    std::uint64_t Wmin = 0;               // smallest width of the counted choices

    explicit Finomitasok(const std::vector<TartomanyValasztas>& v)
    {
        const std::size_t n = v.size();
        std::vector<std::size_t> hova(n, n);
        for (std::size_t c = 0; c < n; ++c) {
            bool finomitott = false;
            for (std::size_t d = 0; d < n && !finomitott; ++d)
                finomitott = d != c && v[d].L != v[c].L && v[d].L % v[c].L == 0;
            if (!finomitott) {
                hova[c] = Sajat.size();
                Sajat.push_back(c);
            }
        }
        Forras.assign(n, 0);
        for (std::size_t c = 0; c < n; ++c) {
            if (hova[c] < n) {
                Forras[c] = hova[c];
                continue;
            }
            for (std::size_t k = 0; k < Sajat.size(); ++k)
                if (v[Sajat[k]].L % v[c].L == 0) {
                    Forras[c] = k;
                    break;
                }
        }
        Wmin = std::numeric_limits<std::uint64_t>::max();
        for (const std::size_t c : Sajat) {
            Osztok.emplace_back(static_cast<std::uint64_t>(v[c].W));
            L.push_back(static_cast<std::uint64_t>(v[c].L));
            Kezdet.push_back(Cellak);
            Cellak += static_cast<std::size_t>(v[c].L);
            Wmin = std::min(Wmin, static_cast<std::uint64_t>(v[c].W));
        }
    }
};

// What one thread counts: per range of every counted choice the lines and
// the last of them, the steps down and up and the last of them; the steps
// that fall into range 0 of every choice apart.
struct Szamlalo {
    const Finomitasok* F;
    std::vector<std::int32_t> Db, Utolso, Le, Fel, LepesUtolso;
    std::int64_t NullaLe = 0, NullaFel = 0;
    std::int32_t NullaUtolso = 0;
    bool VanSor = false, VanLepes = false;
    std::uint64_t MinOrd = 0, MaxOrd = 0, MinTav = 0, MaxTav = 0;
    // Consecutive lines that fall into the same range of every choice are
    // counted as one run: [lo, hi) of the ordinal - 1, the ranges of it.
    std::uint64_t lo = 0, hi = 0;
    std::vector<std::uint32_t> akt;
    std::int32_t futDb = 0, futUtolso = 0;
    // The line numbers of the thread's block in hand.
    std::vector<std::int32_t> Szam;

    explicit Szamlalo(const Finomitasok& f)
        : F(&f), Db(f.Cellak, 0), Utolso(f.Cellak, 0), Le(f.Cellak, 0), Fel(f.Cellak, 0), LepesUtolso(f.Cellak, 0),
          akt(f.Sajat.size(), 0)
    {
    }

    void zar()
    {
        if (futDb == 0)
            return;
        for (std::size_t k = 0; k < akt.size(); ++k) {
            const std::size_t c = F->Kezdet[k] + akt[k];
            Db[c] += futDb;
            Utolso[c] = std::max(Utolso[c], futUtolso);
        }
        futDb = 0;
    }

    // A line outside the current run starts a new one.
    void ujFutam(std::uint64_t x, std::int32_t sorszam)
    {
        zar();
        lo = 0;
        hi = std::numeric_limits<std::uint64_t>::max();
        for (std::size_t k = 0; k < akt.size(); ++k) {
            const Oszto& d = F->Osztok[k];
            const std::uint64_t r = d(x);
            akt[k] = static_cast<std::uint32_t>(r);
            lo = std::max(lo, r * d.W);
            hi = std::min(hi, (r + 1) * d.W);
        }
        futDb = 1;
        futUtolso = sorszam;
    }

    // The counted lines o[0..db) of a block in reading order, with their
    // line numbers, and the steps between them. The run and the steps of
    // range 0 are kept in locals while the block is read.
    void blokk(const std::uint64_t* o, const std::int32_t* sz, std::size_t db)
    {
        if (db == 0)
            return;
        std::uint64_t mn = o[0], mx = o[0];
        for (std::size_t j = 1; j < db; ++j) {
            mn = std::min(mn, o[j]);
            mx = std::max(mx, o[j]);
        }
        MinOrd = VanSor ? std::min(MinOrd, mn) : mn;
        MaxOrd = VanSor ? std::max(MaxOrd, mx) : mx;
        VanSor = true;
        std::uint64_t l = lo, h = hi;
        std::int32_t fut = futDb, futU = futUtolso;
        for (std::size_t j = 0; j < db; ++j) {
            const std::uint64_t x = o[j] - 1;
            if (x - l < h - l) {
                ++fut;
                futU = sz[j];
            } else {
                futDb = fut;
                futUtolso = futU;
                ujFutam(x, sz[j]);
                l = lo, h = hi, fut = futDb, futU = futUtolso;
            }
        }
        futDb = fut;
        futUtolso = futU;
        if (db < 2)
            return;
        std::uint64_t tmn = std::numeric_limits<std::uint64_t>::max(), tmx = 0;
        std::int64_t le = 0, fel = 0;
        std::int32_t nullaU = NullaUtolso;
        const std::uint64_t wmin = F->Wmin;
        for (std::size_t j = 1; j < db; ++j) {
            const std::int64_t d = static_cast<std::int64_t>(o[j]) - static_cast<std::int64_t>(o[j - 1]);
            const std::uint64_t a = d < 0 ? static_cast<std::uint64_t>(-d) : static_cast<std::uint64_t>(d);
            tmn = std::min(tmn, a);
            tmx = std::max(tmx, a);
            if (a <= wmin) {
                le += d < 0;
                fel += d >= 0;
                nullaU = sz[j];
            } else {
                tartomanyLepes(d, a, sz[j]);
            }
        }
        NullaLe += le;
        NullaFel += fel;
        NullaUtolso = nullaU;
        MinTav = VanLepes ? std::min(MinTav, tmn) : tmn;
        MaxTav = VanLepes ? std::max(MaxTav, tmx) : tmx;
        VanLepes = true;
    }

    // A step beyond range 0 of the narrowest choice: its range in every
    // counted choice.
    void tartomanyLepes(std::int64_t d, std::uint64_t a, std::int32_t sorszam)
    {
        for (std::size_t k = 0; k < akt.size(); ++k) {
            const std::uint64_t r = std::min(F->Osztok[k](a - 1), F->L[k] - 1);
            const std::size_t c = F->Kezdet[k] + r;
            ++(d < 0 ? Le[c] : Fel[c]);
            LepesUtolso[c] = std::max(LepesUtolso[c], sorszam);
        }
    }

    void lepes(std::int64_t d, std::int32_t sorszam)
    {
        const std::uint64_t a = d < 0 ? static_cast<std::uint64_t>(-d) : static_cast<std::uint64_t>(d);
        if (!VanLepes) {
            MinTav = MaxTav = a;
            VanLepes = true;
        } else {
            MinTav = std::min(MinTav, a);
            MaxTav = std::max(MaxTav, a);
        }
        if (a <= F->Wmin) {
            ++(d < 0 ? NullaLe : NullaFel);
            NullaUtolso = sorszam;
            return;
        }
        tartomanyLepes(d, a, sorszam);
    }
};

// One block of lines as the in-order sum needs it: the ordinals of its
// counted lines, in reading order.
struct Blokk {
    std::vector<std::uint64_t> Ord;
    std::int64_t Db = 0;
    std::int32_t ElsoSorszam = 0;
};

// The lines i = a .. b - 1 of the source: counts into sz, the ordinals into
// bl.
template <typename Sorszam, typename Szam>
void blokkSzamitas(std::int64_t a, std::int64_t b, const Sorszam& sorszam, const Szam& szam, Szamlalo& sz, Blokk& bl)
{
    const auto m = static_cast<std::size_t>(b - a);
    bl.Ord.resize(m);
    sz.Szam.resize(m);
    std::uint64_t* o = bl.Ord.data();
    std::int32_t* s = sz.Szam.data();
    // The counted lines packed: an uncounted line is written over.
    std::size_t db = 0;
    for (std::int64_t i = a; i < b; ++i) {
        const std::uint64_t x = sorszam(i);
        o[db] = x;
        s[db] = szam(i);
        db += x != 0;
    }
    sz.blokk(o, s, db);
    bl.Db = static_cast<std::int64_t>(db);
    bl.ElsoSorszam = db > 0 ? s[0] : 0;
}

// The sums of the scale, added line after line in reading order as they
// always were (ordinal / N, distance / N and its absolute value), so that
// they come out the same to the last bit.
struct Osszegzo {
    double Hely = 0, Elojeles = 0, Tav = 0;
    bool VanElozo = false;
    std::uint64_t Elozo = 0;
    std::int64_t Sorok = 0;
    // The terms of a stretch of lines, worked out before they are added.
    std::array<double, 512> h{}, t{};

    void blokk(const Blokk& bl, double Nd, Szamlalo& hatar)
    {
        if (bl.Db == 0)
            return;
        const std::uint64_t* o = bl.Ord.data();
        const auto n = static_cast<std::size_t>(bl.Db);
        if (VanElozo)
            hatar.lepes(static_cast<std::int64_t>(o[0]) - static_cast<std::int64_t>(Elozo), bl.ElsoSorszam);
        for (std::size_t a = 0; a < n; a += h.size()) {
            const std::size_t m = std::min(h.size(), n - a);
            const std::uint64_t* x = o + a;
            const std::uint64_t elozo = a > 0 ? o[a - 1] : Elozo;
            if (Nd < 0x1p51) {
                // Ordinals and distances below 2^51 turn into doubles through
                // their bits, two at a time: the values a conversion gives.
                const auto egesz = [](std::uint64_t v) {
                    return std::bit_cast<double>(v | 0x4330000000000000ull) - 0x1p52;
                };
                for (std::size_t j = 0; j < m; ++j)
                    h[j] = egesz(x[j]) / Nd;
                t[0] = (egesz(x[0] - elozo + 0x0008000000000000ull) - 0x1p51) / Nd;
                for (std::size_t j = 1; j < m; ++j)
                    t[j] = (egesz(x[j] - x[j - 1] + 0x0008000000000000ull) - 0x1p51) / Nd;
            } else {
                for (std::size_t j = 0; j < m; ++j) {
                    h[j] = static_cast<double>(x[j]) / Nd;
                    const std::uint64_t e = j > 0 ? x[j - 1] : elozo;
                    t[j] = static_cast<double>(static_cast<std::int64_t>(x[j]) - static_cast<std::int64_t>(e)) / Nd;
                }
            }
            // The first line read has no step.
            const std::size_t elso = a == 0 && !VanElozo ? 1 : 0;
            if (elso == 1)
                Hely += h[0];
            for (std::size_t j = elso; j < m; ++j) {
                Hely += h[j];
                Elojeles += t[j];
                Tav += std::fabs(t[j]);
            }
        }
        VanElozo = true;
        Elozo = o[n - 1];
        Sorok += bl.Db;
    }
};

// Walks items 0 .. db - 1 in blocks on several threads; one thread (the
// caller) takes the finished blocks in order and adds up the sums.
template <typename Sorszam, typename Szam>
void bejaras(std::int64_t db, const Sorszam& sorszam, const Szam& szam, double Nd, const Finomitasok& fin,
             std::int32_t szalak, std::int64_t blokkMeret, StatFutas& f, std::vector<Szamlalo>& szamlalok,
             Osszegzo& ossz)
{
    const std::int64_t blokkDb = (db + blokkMeret - 1) / blokkMeret;
    // The junction steps between blocks are counted by the summing thread.
    szamlalok.emplace_back(fin);
    if (szalak <= 1 || blokkDb <= 1) {
        szamlalok.emplace_back(fin);
        Blokk bl;
        for (std::int64_t k = 0; k < blokkDb; ++k) {
            if (!f.StatisztikaFut.load(std::memory_order_relaxed))
                return;
            const std::int64_t a = k * blokkMeret, b = std::min(db, a + blokkMeret);
            blokkSzamitas(a, b, sorszam, szam, szamlalok[1], bl);
            ossz.blokk(bl, Nd, szamlalok[0]);
            f.Haladas.store(szam(b - 1), std::memory_order_relaxed);
        }
        return;
    }
    const std::int32_t T = static_cast<std::int32_t>(std::min<std::int64_t>(szalak, blokkDb));
    for (std::int32_t i = 0; i < T; ++i)
        szamlalok.emplace_back(fin);
    // A ring of blocks: block k goes into slot k mod R once the summing
    // thread has taken block k - R out of it. The ring holds many blocks per
    // thread, so that a thread the system holds back for a while does not
    // stop the others at once.
    const std::int64_t R = 32 * static_cast<std::int64_t>(T);
    std::vector<Blokk> gyuru(static_cast<std::size_t>(R));
    std::vector<std::int64_t> kesz(static_cast<std::size_t>(R), -1);  // block ready in the slot
    std::int64_t elvitt = 0;                                        // blocks summed
    std::int64_t kovetkezo = 0;                                     // next block to take
    bool leall = false;
    std::mutex mx;
    std::condition_variable cv;

    auto munka = [&](Szamlalo& sz) {
        for (;;) {
            std::int64_t k = 0;
            {
                std::unique_lock<std::mutex> lk(mx);
                if (leall || kovetkezo >= blokkDb)
                    return;
                k = kovetkezo++;
                cv.wait(lk, [&] { return leall || k < elvitt + R; });
                if (leall)
                    return;
            }
            if (!f.StatisztikaFut.load(std::memory_order_relaxed)) {
                {
                    const std::lock_guard<std::mutex> lk(mx);
                    leall = true;
                }
                cv.notify_all();
                return;
            }
            const std::size_t s = static_cast<std::size_t>(k % R);
            const std::int64_t a = k * blokkMeret, b = std::min(db, a + blokkMeret);
            blokkSzamitas(a, b, sorszam, szam, sz, gyuru[s]);
            {
                const std::lock_guard<std::mutex> lk(mx);
                kesz[s] = k;
            }
            cv.notify_all();
        }
    };
    std::vector<std::thread> sz;
    sz.reserve(static_cast<std::size_t>(T));
    for (std::int32_t i = 0; i < T; ++i)
        sz.emplace_back(munka, std::ref(szamlalok[static_cast<std::size_t>(i) + 1]));
    for (std::int64_t k = 0; k < blokkDb; ++k) {
        const std::size_t s = static_cast<std::size_t>(k % R);
        {
            std::unique_lock<std::mutex> lk(mx);
            cv.wait(lk, [&] { return leall || kesz[s] == k; });
            if (leall)
                break;
        }
        ossz.blokk(gyuru[s], Nd, szamlalok[0]);
        f.Haladas.store(szam(std::min(db, (k + 1) * blokkMeret) - 1), std::memory_order_relaxed);
        {
            const std::lock_guard<std::mutex> lk(mx);
            kesz[s] = -1;
            elvitt = k + 1;
            if (!f.StatisztikaFut.load(std::memory_order_relaxed))
                leall = true;
        }
        cv.notify_all();
    }
    for (std::thread& t : sz)
        t.join();
}

}  // namespace

SorszamTablak SorszamEloszlasSzamitas(const SzamsorBejarasBemenet& b, const NumberingDims& d, std::int64_t N,
                                      bool variacio, StatFutas& f, std::int32_t szalak, std::int32_t blokkMeret)
{
    SorszamTablak t;
    t.N = N;
    t.Valasztek = TartomanyValasztek(N, variacio);
    const Finomitasok fin(t.Valasztek);
    const auto Nd = static_cast<double>(N);
    const SorszamKepzo kepzo(d);
    const std::int32_t L = kepzo.hossz();
    const auto N64 = static_cast<std::uint64_t>(std::max<std::int64_t>(N, 0));
    // The ordinal as counted: one of 1..N, else 0 (not counted).
    const auto szamolt = [N64](std::uint64_t o) { return o >= 1 && o <= N64 ? o : 0; };

    if (szalak <= 0)
        szalak = static_cast<std::int32_t>(std::max(1u, std::thread::hardware_concurrency()));
    const std::int64_t blokk = blokkMeret > 0 ? blokkMeret : 16384;
    std::vector<Szamlalo> szamlalok;
    Osszegzo ossz;

    if (b.Adatbazis() || !b.Variacio) {
        // A few thousand drawings: their ordinals first, then one block.
        std::vector<std::uint64_t> ord;
        std::vector<std::int32_t> sorszam;
        std::vector<std::uint8_t> sor(static_cast<std::size_t>(std::max(0, L)));
        SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sz) {
            if (!kepzo.ervenyes())
                return;
            for (std::int32_t j = 0; j < L; ++j) {
                const std::int32_t x = j < static_cast<std::int32_t>(s.size()) ? s[static_cast<std::size_t>(j)] : 0;
                sor[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(std::clamp(x, 0, 255));
            }
            if (const std::uint64_t o = szamolt(kepzo.szamol(sor.data())); o != 0) {
                ord.push_back(o);
                sorszam.push_back(sz);
            }
        });
        if (!f.StatisztikaFut.load())
            return t;
        bejaras(
            static_cast<std::int64_t>(ord.size()), [&](std::int64_t i) { return ord[static_cast<std::size_t>(i)]; },
            [&](std::int64_t i) { return sorszam[static_cast<std::size_t>(i)]; }, Nd, fin, 1,
            std::max<std::int64_t>(1, static_cast<std::int64_t>(ord.size())), f, szamlalok, ossz);
    } else {
        // The stored bytes as the values of the numbering: the numbers
        // themselves, the selection position + 1, or the selected number.
        const VariacioSorForras& v = *b.Variacio;
        const std::int32_t n = std::max(0, b.K) + std::max(0, b.PluszDb);
        const std::int32_t hossz = std::min(n, v.SorHossz());
        std::array<std::uint8_t, 256> ertek{};
        const std::int32_t kij = static_cast<std::int32_t>(b.KijeloltSzamok.size());
        for (std::int32_t x = 0; x < 256; ++x) {
            std::int32_t e = 0;
            if (b.HuzasSzamsorVariacio)
                e = x;
            else if (b.Poziciok)
                e = x + 1;
            else
                e = x < kij ? b.KijeloltSzamok[static_cast<std::size_t>(x)] : 0;
            ertek[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(std::clamp(e, 0, 255));
        }
        // A value the row does not hold is 0, and no line has an ordinal.
        const bool olvashato = kepzo.ervenyes() && L >= 1 && L <= hossz && L <= 64;
        f.CiklusDb.store(1);
        const std::uint8_t* sorok = v.Blokk();
        const auto sorHossz = static_cast<std::size_t>(v.SorHossz());
        const auto futtat = [&]<std::int32_t Lk>() {
            const auto sorszam = [&](std::int64_t i) -> std::uint64_t {
                if (!olvashato)
                    return 0;
                const std::uint8_t* s =
                    sorok ? sorok + static_cast<std::size_t>(i) * sorHossz : v.Sor(static_cast<std::int32_t>(i));
                std::array<std::uint8_t, 64> x;
                for (std::int32_t j = 0; j < (Lk > 0 ? Lk : L); ++j)
                    x[static_cast<std::size_t>(j)] = ertek[s[j]];
                return szamolt(kepzo.szamol<Lk>(x.data()));
            };
            bejaras(
                v.SorDb(), sorszam, [](std::int64_t i) { return static_cast<std::int32_t>(i + 1); }, Nd, fin,
                szalak, blokk, f, szamlalok, ossz);
        };
        // The usual lengths with their loops unrolled.
        switch (olvashato ? L : 0) {
        case 2: futtat.template operator()<2>(); break;
        case 3: futtat.template operator()<3>(); break;
        case 4: futtat.template operator()<4>(); break;
        case 5: futtat.template operator()<5>(); break;
        case 6: futtat.template operator()<6>(); break;
        case 7: futtat.template operator()<7>(); break;
        default: futtat.template operator()<0>(); break;
        }
    }
    for (Szamlalo& s : szamlalok)
        s.zar();

    // Every counted choice from the threads' counters.
    std::vector<std::int64_t> db(fin.Cellak, 0), le(fin.Cellak, 0), fel(fin.Cellak, 0);
    std::vector<std::int32_t> utolso(fin.Cellak, 0), lepesUtolso(fin.Cellak, 0);
    std::int64_t nullaLe = 0, nullaFel = 0;
    std::int32_t nullaUtolso = 0;
    bool vanSor = false, vanLepes = false;
    std::uint64_t minOrd = 0, maxOrd = 0, minTav = 0, maxTav = 0;
    for (const Szamlalo& s : szamlalok) {
        for (std::size_t c = 0; c < fin.Cellak; ++c) {
            db[c] += s.Db[c];
            le[c] += s.Le[c];
            fel[c] += s.Fel[c];
            utolso[c] = std::max(utolso[c], s.Utolso[c]);
            lepesUtolso[c] = std::max(lepesUtolso[c], s.LepesUtolso[c]);
        }
        nullaLe += s.NullaLe;
        nullaFel += s.NullaFel;
        nullaUtolso = std::max(nullaUtolso, s.NullaUtolso);
        if (s.VanSor) {
            minOrd = vanSor ? std::min(minOrd, s.MinOrd) : s.MinOrd;
            maxOrd = vanSor ? std::max(maxOrd, s.MaxOrd) : s.MaxOrd;
            vanSor = true;
        }
        if (s.VanLepes) {
            minTav = vanLepes ? std::min(minTav, s.MinTav) : s.MinTav;
            maxTav = vanLepes ? std::max(maxTav, s.MaxTav) : s.MaxTav;
            vanLepes = true;
        }
    }
    for (const std::size_t k0 : fin.Kezdet) {
        le[k0] += nullaLe;
        fel[k0] += nullaFel;
        lepesUtolso[k0] = std::max(lepesUtolso[k0], nullaUtolso);
    }
    for (std::size_t c = 0; c < t.Valasztek.size(); ++c) {
        const std::size_t k = fin.Forras[c];
        const std::size_t k0 = fin.Kezdet[k];
        const auto Lc = static_cast<std::size_t>(t.Valasztek[c].L);
        const std::size_t resz = static_cast<std::size_t>(fin.L[k]) / Lc;
        auto& e = t.Eloszlas.emplace_back(Lc, std::array<std::int32_t, 2>{});
        auto& l = t.Lepes.emplace_back(Lc, std::array<std::int32_t, 4>{});
        for (std::size_t r = 0; r < Lc; ++r) {
            std::int64_t x = 0, y = 0, z = 0;
            std::int32_t u = 0, w = 0;
            for (std::size_t j = k0 + r * resz; j < k0 + (r + 1) * resz; ++j) {
                x += db[j];
                y += le[j];
                z += fel[j];
                u = std::max(u, utolso[j]);
                w = std::max(w, lepesUtolso[j]);
            }
            e[r] = {static_cast<std::int32_t>(x), u};
            l[r] = {static_cast<std::int32_t>(y + z), w, static_cast<std::int32_t>(y), static_cast<std::int32_t>(z)};
        }
    }
    t.Sorok = ossz.Sorok;
    t.Ertekek[0] = vanLepes ? static_cast<double>(minTav) : 0.0;
    t.Ertekek[1] = vanLepes ? static_cast<double>(maxTav) : 0.0;
    t.Ertekek[3] = ossz.Tav;
    t.Ertekek[4] = ossz.Elojeles;
    t.Ertekek[5] = ossz.Hely;
    t.Ertekek[6] = vanSor ? static_cast<double>(minOrd) : 0.0;
    t.Ertekek[7] = vanSor ? static_cast<double>(maxOrd) : 0.0;
    if (f.StatisztikaFut.load()) {
        t.Ertekek[4] = std::round(t.Ertekek[4] * Nd);
        t.Ertekek[3] = t.Sorok > 1 ? t.Ertekek[3] * Nd / static_cast<double>(t.Sorok - 1) : 0.0;
    }
    return t;
}

void SorszamEloszlasTabla(const SorszamTablak& t, std::int32_t f, bool lepes, StatEredmeny& e)
{
    e.SetSortArray(0, 0);
    e.StatErtekek = t.Ertekek;
    if (t.Valasztek.empty())
        return;
    const auto c = static_cast<std::size_t>(std::clamp<std::int32_t>(f, 0, static_cast<std::int32_t>(t.Valasztek.size()) - 1));
    const auto L = static_cast<std::int32_t>(t.Valasztek[c].L);
    e.SetSortArray(L, lepes ? 5 : 3);
    for (std::int32_t r = 0; r < L; ++r) {
        TTombInt1D& s = e.SortArray[static_cast<std::size_t>(r)];
        s[0] = r + 1;
        if (lepes) {
            const auto& x = t.Lepes[c][static_cast<std::size_t>(r)];
            s[1] = x[0];
            s[2] = x[1];
            s[3] = x[2];
            s[4] = x[3];
        } else {
            const auto& x = t.Eloszlas[c][static_cast<std::size_t>(r)];
            s[1] = x[0];
            s[2] = x[1];
        }
    }
    const double R = static_cast<double>(t.Sorok);
    e.StatErtekek[2] = (lepes ? R - 1 : R) / static_cast<double>(L);
}

}  // namespace kvx
