#include "variation/variation_test.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <thread>

#include "common/delphi_format.h"
#include "common/subset_ranks.h"
#include "variation/variation_store.h"

namespace kvx {

// ---- The main window's test set-up

TesztElokeszites TesztBeallitasKeszites(const TesztBeallitasBemenet& be)
{
    const GameParams& g = be.Jatek;
    TesztElokeszites e;
    const std::int32_t fix = be.FixSzamDb;
    if (be.KijeloltFoSzamDb - fix <= 1) {
        e.Elutasitas = "A fix számok kivételével, minimum " + std::to_string(fix + 2);
        if (g.VanPluszSzam)
            e.Elutasitas += " törzsszám és " + std::to_string(g.PluszSzamDb) + g.PluszSzamNev;
        e.Elutasitas += " szám variációját teszteli a program.";
        return e;
    }
    // The draw test needs a loaded database.
    e.HuzasokLogEngedelyezett = be.AdatbazisBetoltve;
    e.HuzasokLogPipa = be.AdatbazisBetoltve && be.HuzasokLogPipa;
    TesztBeallitas& b = e.B;
    b.HuzasokTeszt = e.HuzasokLogPipa;
    if (b.HuzasokTeszt)
        e.SzamTipp = std::string(" Kihúzott számsorok ") + (g.VanPotSzam ? "törzs" : "") + "számainak mennyisége ";
    else
        e.SzamTipp = " Variáció számsorából kisorsolt számok mennyisége ";
    if (fix > 0)
        e.SzamTipp += "\r\n A fix számok alapértelmezett találatok ";
    b.TesztPluszTalalat = g.VanPluszSzam || (g.VanPotSzam && b.HuzasokTeszt);

    e.SzamMax = b.HuzasokTeszt || be.KijeloltSzamDb >= g.HuzottFoSzamok ? g.HuzottFoSzamok : be.KijeloltSzamDb;
    e.SzamMin = fix + 2 + (g.VanPluszSzam ? g.PluszSzamDb : 0);
    if (!b.HuzasokTeszt && g.VanPluszSzam) {
        // Every test line holds PluszSzamDb extra numbers: a larger size
        // would need more main numbers than are selected and test nothing.
        e.SzamMax = std::min(e.SzamMax, be.KijeloltFoSzamDb + fix + g.PluszSzamDb);
    }
    e.SzamMax = std::max(e.SzamMax, e.SzamMin);
    e.SzamPozicio = std::max(be.SzamPozicio, e.SzamMin);
    e.SzamPozicio = b.HuzasokTeszt ? e.SzamMax : std::min(e.SzamPozicio, e.SzamMax);

    const std::int32_t t = e.SzamPozicio;
    b.TesztSzamsorHossz = t;
    b.TesztFoSzamDb = t - g.PluszSzamDb;
    b.TesztValtozoSzamDb = t - fix;
    b.TesztValtozoFoSzamDb = b.TesztFoSzamDb - fix;
    if (g.VanPotSzam && b.HuzasokTeszt) {
        b.TesztPluszSzamDb = g.PotSzamok;
        b.TesztTalalatSzorzo = g.PotSzamok + 1;
    } else {
        b.TesztPluszSzamDb = g.PluszSzamDb;
        b.TesztTalalatSzorzo = g.VariacioTalalatSzorzo;
    }
    e.FeltetelekLogEngedelyezett = be.FeltetelJelzo && be.VariacioMeret + fix == t && !b.HuzasokTeszt;

    std::int32_t m = b.TesztFoSzamDb * b.TesztTalalatSzorzo + g.PluszSzamDb;
    if (!(t < g.SzamsorHossz && fix == 0)) {
        m -= 1;
        if (b.HuzasokTeszt)
            m += 1;
    }
    if (g.LottoIndex == 17 && g.SzamsorHossz < g.HuzottFoSzamok && b.HuzasokTeszt)
        m -= 1;
    if (g.KenoJatek)
        m = be.VariacioMeret;
    e.ListaMax = std::max(m, 0);
    e.ListaPozicio = std::clamp(be.ListaPozicio, 0, e.ListaMax);
    return e;
}

namespace {

// A row's second drawing: its first number's column, 0 when the game has
// none or the row does not carry it.
std::int32_t MasodikHuzasOszlopa(const TesztBeallitas& b, const GameParams& g, const TTombInt1D& sor)
{
    if (!g.TobbSorsolas)
        return 0;
    const std::size_t o = static_cast<std::size_t>(b.TesztSzamsorHossz + 3 + g.PotSzamok);
    return o < sor.size() && sor[o] > 0 ? static_cast<std::int32_t>(o) : 0;
}

}  // namespace

std::int64_t SetABSZTEST(const TesztBeallitas& b, const GameParams& g, const TTombInt2D& huzasok, std::int32_t elso,
                         std::int32_t utolso, std::int32_t KijeloltFoSzamDb, std::int32_t KijeloltPluszSzamDb)
{
    if (b.HuzasokTeszt) {
        const std::int32_t n = static_cast<std::int32_t>(huzasok.size());
        elso = std::max(elso, 1);
        utolso = std::min(utolso, n);
        std::int64_t db = 0;
        for (std::int32_t i = elso; i <= utolso; ++i)
            db += 1 + (MasodikHuzasOszlopa(b, g, huzasok[static_cast<std::size_t>(i - 1)]) > 0 ? 1 : 0);
        return db;
    }
    const std::int64_t a = BontBinom(KijeloltFoSzamDb, b.TesztValtozoFoSzamDb);
    const std::int64_t c = BontBinom(KijeloltPluszSzamDb, b.TesztValtozoSzamDb - b.TesztValtozoFoSzamDb);
    if (a < 0 || c < 0)
        return 0;
    const __int128 p = static_cast<__int128>(a) * c;
    return p > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(p);
}

// ---- The engine

namespace {

struct Bit128 {
    std::uint64_t a = 0, b = 0;
    void be(int i)
    {
        if (i < 64)
            a |= std::uint64_t{1} << i;
        else
            b |= std::uint64_t{1} << (i - 64);
    }
    bool van(int i) const { return i < 64 ? (a >> i) & 1u : (b >> (i - 64)) & 1u; }
};

inline int kozos(const Bit128& x, const Bit128& y)
{
    return std::popcount(x.a & y.a) + std::popcount(x.b & y.b);
}

// One test line as the comparison needs it: the selection indexes that
// count as a main hit (A) or an extra hit (E), the hits every stored line
// gets anyway (fixed numbers), and what its example holds.
struct TesztSor {
    Bit128 A, E;
    std::int16_t fm = 0, fe = 0;
    std::int32_t huzasSor = 0;    // draw test: 0-based index into the range's rows
    std::int16_t huzasOszlop = 0; // draw test: column of the drawing's first number
    std::array<std::uint8_t, 24> indexek{};  // full test: the line's selection indexes
};

}  // namespace

struct VariacioTeszt::Belso {
    std::vector<Bit128> sorok;
    // The same rows as index lists of sorL entries, distinct and ascending,
    // padded with kUres (worth nothing in every test line's table).
    static constexpr int kUres = 128;
    std::vector<std::uint8_t> index;
    int sorL = 0;
    // Rows holding each selection index (the fast path).
    std::vector<std::int32_t> listaKezdet, lista;
    Bit128 fo;             // selection indexes of the main pool
    int sorHossz = 0;      // numbers of a stored line, fixed ones included
    bool potSzabaly = false;
    bool potSzamTalalat = false;
    bool gyors = false;

    // The subsets of the stored lines: bit kezdet[j] + rank of every j-subset
    // (colex rank over the selection indexes 0..U-1) that some line holds.
    bool bitkep = false;
    bool bitkepKesz = false;
    std::int32_t bitU = 0, bitL = 0;
    std::vector<std::uint64_t> bitKezdet;  // per size j = 0..bitL, in bits (word-aligned)
    std::vector<std::uint64_t> bitek;
    ReszhalmazBinomok binom;

    bool bitkepEpites(const TesztBemenet& be, int szalDb, const std::atomic<bool>& fut);
    int bitkepLegjobb(const Bit128& a) const;

    struct Szal {
        std::vector<std::uint16_t> db;
        std::vector<std::int32_t> erintett;
        std::vector<std::array<std::uint16_t, kUres + 1>> tablak;
        TesztFeltetelFv feltetel;
    };
    std::vector<Szal> szalak;

    int pont(int m, int e) const
    {
        if (potSzabaly) {
            // A bonus hit counts only where the game says so: in its own
            // classes, or one below a full hit.
            const bool marad = potSzamTalalat ? m != sorHossz : m == sorHossz - 1;
            if (!marad)
                e = 0;
        }
        return m * 32 + e;
    }

    static constexpr int kMaxTobb = 64;

    // Best points of db test lines (db <= kMaxTobb). The stored lines are
    // read in blocks that stay in the cache while every test line of the
    // group is compared with them.
    void legjobbTobb(const TesztSor* t, int db, int* best, Szal& sz) const
    {
        if (bitkep) {
            for (int i = 0; i < db; ++i)
                best[i] = bitkepLegjobb(t[i].A) * 32;
            return;
        }
        const int n = static_cast<int>(sorok.size());
        if (n == 0) {
            for (int i = 0; i < db; ++i)
                best[i] = pont(t[i].fm, t[i].fe);
            return;
        }
        if (gyors) {
            for (int i = 0; i < db; ++i)
                best[i] = legjobbGyors(t[i], sz);
            return;
        }
        std::array<int, kMaxTobb> felso{};
        std::array<bool, kMaxTobb> kesz{};
        int hatra = db;
        for (int i = 0; i < db; ++i) {
            best[i] = -1;
            // No line can do better than every number of the test line.
            felso[static_cast<std::size_t>(i)] = pont(t[i].fm + std::min(kozos(t[i].A, t[i].A), sorHossz),
                                                      t[i].fe + std::min(kozos(t[i].E, t[i].E), sorHossz));
        }
        // Per test line a table of what each selection index is worth:
        // 32 for a main hit, 1 for an extra hit.
        std::vector<std::array<std::uint16_t, kUres + 1>>& tabla = sz.tablak;
        tabla.resize(static_cast<std::size_t>(db));
        for (int i = 0; i < db; ++i) {
            std::array<std::uint16_t, kUres + 1>& w = tabla[static_cast<std::size_t>(i)];
            for (int x = 0; x <= kUres; ++x)
                w[static_cast<std::size_t>(x)] = x < 128 ? (t[i].A.van(x) ? 32 : t[i].E.van(x) ? 1 : 0) : 0;
        }
        constexpr int kBlokk = 4096;
        for (int r0 = 0; r0 < n && hatra > 0; r0 += kBlokk) {
            const int r1 = std::min(n, r0 + kBlokk);
            for (int i = 0; i < db; ++i) {
                if (kesz[static_cast<std::size_t>(i)])
                    continue;
                const std::uint16_t* w = tabla[static_cast<std::size_t>(i)].data();
                const int f = felso[static_cast<std::size_t>(i)];
                int b = best[i];
                if (!potSzabaly) {
                    const int alap = t[i].fm * 32 + t[i].fe;
                    b = std::max(b, blokkLegjobb(r0, r1, w, f - alap) + alap);
                } else {
                    const std::uint8_t* x = index.data() + static_cast<std::size_t>(r0) * static_cast<std::size_t>(sorL);
                    for (int r = r0; r < r1 && b < f; ++r, x += sorL) {
                        int p = 0;
                        for (int k = 0; k < sorL; ++k)
                            p += w[x[k]];
                        b = std::max(b, pont(t[i].fm + (p >> 5), t[i].fe + (p & 31)));
                    }
                }
                best[i] = b;
                if (b >= f) {
                    kesz[static_cast<std::size_t>(i)] = true;
                    --hatra;
                }
            }
        }
    }

    // Best sum of the table over rows r0 .. r1 - 1, stopping at `cel`.
    template <int L>
    int blokkLegjobbL(int r0, int r1, const std::uint16_t* w, int cel) const
    {
        const std::uint8_t* x = index.data() + static_cast<std::size_t>(r0) * L;
        int b = -1;
        for (int r = r0; r < r1; ++r, x += L) {
            int p = 0;
            for (int k = 0; k < L; ++k)
                p += w[x[k]];
            if (p > b) {
                b = p;
                if (b >= cel)
                    break;
            }
        }
        return b;
    }
    int blokkLegjobb(int r0, int r1, const std::uint16_t* w, int cel) const
    {
        switch (sorL) {
        case 5: return blokkLegjobbL<5>(r0, r1, w, cel);
        case 6: return blokkLegjobbL<6>(r0, r1, w, cel);
        case 7: return blokkLegjobbL<7>(r0, r1, w, cel);
        default: {
            const std::uint8_t* x = index.data() + static_cast<std::size_t>(r0) * static_cast<std::size_t>(sorL);
            int b = -1;
            for (int r = r0; r < r1 && b < cel; ++r, x += sorL) {
                int p = 0;
                for (int k = 0; k < sorL; ++k)
                    p += w[x[k]];
                b = std::max(b, p);
            }
            return b;
        }
        }
    }

    int legjobbGyors(const TesztSor& t, Szal& sz) const
    {
        sz.erintett.clear();
        for (int i = 0; i < 128; ++i) {
            const bool a = t.A.van(i), e = t.E.van(i);
            if (!a && !e)
                continue;
            if (static_cast<std::size_t>(i + 1) >= listaKezdet.size())
                break;
            const std::uint16_t w = a ? 32 : 1;
            for (std::int32_t k = listaKezdet[static_cast<std::size_t>(i)];
                 k < listaKezdet[static_cast<std::size_t>(i) + 1]; ++k) {
                const std::int32_t r = lista[static_cast<std::size_t>(k)];
                std::uint16_t& d = sz.db[static_cast<std::size_t>(r)];
                if (d == 0)
                    sz.erintett.push_back(r);
                d = static_cast<std::uint16_t>(d + w);
            }
        }
        int best = -1;
        for (const std::int32_t r : sz.erintett) {
            std::uint16_t& d = sz.db[static_cast<std::size_t>(r)];
            best = std::max(best, pont(t.fm + (d >> 5), t.fe + (d & 31)));
            d = 0;
        }
        // A stored line that shares nothing with the test line.
        if (sz.erintett.size() < sorok.size())
            best = std::max(best, pont(t.fm, t.fe));
        return best;
    }
};

namespace {

// Whether the test can read its classes from the subset bitmaps, and
// whether that takes less work than comparing every test line with the
// lines. Bonus numbers take part in the draw test only.
bool bitkepUtvonal(const TesztBemenet& be)
{
    const TesztBeallitas& B = be.B;
    const GameParams& g = be.Jatek;
    if (be.Bitkep == GyorsKereses::Ki || g.VanPluszSzam || (B.HuzasokTeszt && g.VanPotSzam) || !be.FixSzamok.empty())
        return false;
    const std::int32_t U = std::min<std::int32_t>(static_cast<std::int32_t>(be.KijeloltSzamok.size()), 128);
    const std::int32_t L = std::min(be.SorHossz, U);
    // A test line's subsets are read one by one.
    const std::int32_t t = B.HuzasokTeszt ? B.TesztSzamsorHossz : B.TesztValtozoSzamDb;
    if (L < 1 || L > kReszhalmazElemMax || t < 1 || t > kReszhalmazElemMax)
        return false;
    const ReszhalmazBinomok C;
    std::uint64_t bitek = 0;
    for (std::int32_t j = 1; j <= L; ++j)
        bitek += C(U, j);
    if (bitek > (std::uint64_t{1} << 30))
        return false;
    if (be.Bitkep == GyorsKereses::Be)
        return true;
    const double tesztek =
        B.HuzasokTeszt ? static_cast<double>(be.Huzasok.size()) * (g.TobbSorsolas ? 2 : 1)
                       : static_cast<double>(BontBinom(std::min(be.KijeloltFoSzamDb, U), B.TesztValtozoFoSzamDb));
    const double sorok = static_cast<double>(std::max(be.SorDb, 0));
    const double epites = sorok * std::ldexp(1.0, L) * 4 + static_cast<double>(bitek) / 8;
    const double olvasas = tesztek * std::ldexp(1.0, t) * 2;
    return epites + olvasas < tesztek * sorok / 4;
}

}  // namespace

bool VariacioTeszt::Belso::bitkepEpites(const TesztBemenet& be, int szalDb, const std::atomic<bool>& fut)
{
    const std::int32_t n = static_cast<std::int32_t>(be.KijeloltSzamok.size());
    bitU = std::min(n, 128);
    bitL = std::min(be.SorHossz, bitU);
    // Size 0 (the empty subset, marked by every line) gets a word of its own.
    bitKezdet.assign(static_cast<std::size_t>(bitL) + 2, 0);
    bitKezdet[1] = 64;
    for (std::int32_t j = 1; j <= bitL; ++j)
        bitKezdet[static_cast<std::size_t>(j) + 1] =
            bitKezdet[static_cast<std::size_t>(j)] + (binom(bitU, j) + 63) / 64 * 64;
    const std::size_t szavak = static_cast<std::size_t>(bitKezdet.back() / 64);
    const std::int32_t L = be.SorHossz;
    const std::size_t db = static_cast<std::size_t>(std::max(be.SorDb, 0));
    constexpr std::size_t kBlokk = 65536;
    // Threads that mark bitmaps of their own, as many as the memory allows.
    constexpr std::size_t kMemoria = std::size_t{512} << 20;
    const int T = static_cast<int>(std::clamp<std::size_t>(
        std::min({static_cast<std::size_t>(szalDb), kMemoria / std::max<std::size_t>(szavak * 8, 1),
                  (db + kBlokk - 1) / kBlokk}),
        1, 64));
    std::vector<std::vector<std::uint64_t>> sajat(static_cast<std::size_t>(T));
    std::atomic<std::size_t> kov{0};
    const auto jelol = [&](int sz) {
        std::vector<std::uint64_t>& x = sajat[static_cast<std::size_t>(sz)];
        x.assign(szavak, 0);
        std::uint64_t* w = x.data();
        const std::uint64_t* kz = bitKezdet.data();
        std::array<std::uint8_t, kReszhalmazElemMax> e;
        for (;;) {
            if (!fut.load(std::memory_order_relaxed))
                return;
            const std::size_t a = kov.fetch_add(kBlokk);
            if (a >= db)
                return;
            const std::size_t b = std::min(db, a + kBlokk);
            for (std::size_t s = a; s < b; ++s) {
                // The line as a set: distinct selection indexes, ascending.
                const std::uint8_t* sor = be.Sorok.data() + s * static_cast<std::size_t>(L);
                std::uint64_t h0 = 0, h1 = 0;
                for (std::int32_t p = 0; p < L; ++p)
                    if (const std::uint8_t i = sor[p]; i < bitU)
                        (i < 64 ? h0 : h1) |= std::uint64_t{1} << (i & 63);
                // Counted from the top of the selection: lines stored in
                // lexicographic order then mark neighbouring bits.
                std::int32_t k = 0;
                for (; h1 != 0; h1 &= ~(std::uint64_t{1} << (63 - std::countl_zero(h1))))
                    e[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(bitU - 1 - (127 - std::countl_zero(h1)));
                for (; h0 != 0; h0 &= ~(std::uint64_t{1} << (63 - std::countl_zero(h0))))
                    e[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(bitU - 1 - (63 - std::countl_zero(h0)));
                ReszhalmazBejaras(e.data(), k, binom,
                                  [w, kz](std::int32_t j, std::uint64_t rang) __attribute__((always_inline)) {
                                      const std::uint64_t bit = kz[j] + rang;
                                      w[bit >> 6] |= std::uint64_t{1} << (bit & 63);
                                  });
            }
        }
    };
    {
        std::vector<std::jthread> sz;
        for (int i = 1; i < T; ++i)
            sz.emplace_back(jelol, i);
        jelol(0);
    }
    if (!fut.load())
        return false;
    bitek = std::move(sajat[0]);
    if (T > 1) {
        // The threads' bitmaps joined, a slice of the words per thread.
        std::atomic<std::size_t> kovSzo{0};
        const auto egyesit = [&] {
            for (;;) {
                const std::size_t a = kovSzo.fetch_add(kBlokk);
                if (a >= szavak)
                    return;
                const std::size_t b = std::min(szavak, a + kBlokk);
                for (std::size_t u = 1; u < sajat.size(); ++u)
                    for (std::size_t i = a; i < b; ++i)
                        bitek[i] |= sajat[u][i];
            }
        };
        std::vector<std::jthread> sz;
        for (int i = 1; i < T; ++i)
            sz.emplace_back(egyesit);
        egyesit();
    }
    bitkepKesz = true;
    return true;
}

int VariacioTeszt::Belso::bitkepLegjobb(const Bit128& a) const
{
    std::array<std::uint8_t, kReszhalmazElemMax> e;
    std::int32_t k = 0;
    for (int i = bitU - 1; i >= 0 && k < kReszhalmazElemMax; --i)
        if (a.van(i))
            e[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(bitU - 1 - i);
    // The largest subset of the test line that a stored line holds.
    int best = 0;
    ReszhalmazBejaras(e.data(), k, binom, [&](std::int32_t j, std::uint64_t rang) {
        if (j <= best || j > bitL)
            return;
        const std::uint64_t bit = bitKezdet[static_cast<std::size_t>(j)] + rang;
        if ((bitek[bit >> 6] >> (bit & 63)) & 1u)
            best = j;
    });
    return best;
}

VariacioTeszt::VariacioTeszt(TesztBemenet be) : be_(std::move(be)), b_(std::make_unique<Belso>())
{
    // Running from the start: a Stop that comes before the worker begins
    // still ends the test.
    BontTesztFut_.store(true);
    const std::int32_t osztalyok = std::max(be_.B.OsztalyokSzama(), 1);
    osztaly_ = std::make_unique<std::atomic<std::int64_t>[]>(static_cast<std::size_t>(osztalyok) * 2);
    for (std::int32_t i = 0; i < osztalyok * 2; ++i)
        osztaly_[static_cast<std::size_t>(i)].store(0);

    Belso& b = *b_;
    const std::int32_t n = static_cast<std::int32_t>(be_.KijeloltSzamok.size());
    for (std::int32_t i = 0; i < std::min(be_.KijeloltFoSzamDb, n); ++i)
        b.fo.be(i);
    // The bitmaps are marked by the test itself; the rows are not needed.
    b.bitkep = bitkepUtvonal(be_);
    if (b.bitkep)
        return;
    const std::int32_t L = be_.SorHossz;
    b.sorok.resize(static_cast<std::size_t>(std::max(be_.SorDb, 0)));
    std::vector<std::int32_t> gyakorisag(129, 0);
    for (std::int32_t r = 0; r < be_.SorDb; ++r) {
        Bit128& s = b.sorok[static_cast<std::size_t>(r)];
        for (std::int32_t p = 0; p < L; ++p) {
            const int i = be_.Sorok[static_cast<std::size_t>(r) * static_cast<std::size_t>(L) + static_cast<std::size_t>(p)];
            if (i < n && i < 128 && !s.van(i)) {
                s.be(i);
                ++gyakorisag[static_cast<std::size_t>(i)];
            }
        }
    }
    b.sorL = std::max(L, 1);
    b.index.assign(static_cast<std::size_t>(std::max(be_.SorDb, 0)) * static_cast<std::size_t>(b.sorL), Belso::kUres);
    for (std::int32_t r = 0; r < be_.SorDb; ++r) {
        std::uint8_t* x = b.index.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(b.sorL);
        for (int i = 0; i < 128; ++i)
            if (b.sorok[static_cast<std::size_t>(r)].van(i))
                *x++ = static_cast<std::uint8_t>(i);
    }
    b.sorHossz = L + static_cast<int>(be_.FixSzamok.size());
    b.potSzabaly = be_.B.HuzasokTeszt && be_.Jatek.VanPotSzam;
    b.potSzamTalalat = be_.Jatek.PotSzamTalalat;

    // The fast path visits only the rows sharing a number with the test
    // line; it pays where a test line meets a small part of the rows.
    const std::int32_t t = be_.B.TesztSzamsorHossz + (be_.B.HuzasokTeszt ? be_.Jatek.PotSzamok : 0);
    const double resz = be_.B.HuzasokTeszt && be_.Jatek.OsszesSzam > 0
                            ? static_cast<double>(t) * L / be_.Jatek.OsszesSzam
                            : (n > 0 ? static_cast<double>(be_.B.TesztValtozoSzamDb) * L / n : 1.0);
    b.gyors = be_.Gyors == GyorsKereses::Be || (be_.Gyors == GyorsKereses::Automatikus && resz < 0.2);
    if (b.gyors) {
        b.listaKezdet.assign(130, 0);
        for (int i = 0; i < 128; ++i)
            b.listaKezdet[static_cast<std::size_t>(i) + 1] =
                b.listaKezdet[static_cast<std::size_t>(i)] + gyakorisag[static_cast<std::size_t>(i)];
        b.listaKezdet[129] = b.listaKezdet[128];
        b.lista.resize(static_cast<std::size_t>(b.listaKezdet[128]));
        std::vector<std::int32_t> hely(b.listaKezdet.begin(), b.listaKezdet.end() - 1);
        // Newest rows first: among equal hits the later row is found first.
        for (std::int32_t r = be_.SorDb - 1; r >= 0; --r)
            for (int i = 0; i < 128; ++i)
                if (b.sorok[static_cast<std::size_t>(r)].van(i))
                    b.lista[static_cast<std::size_t>(hely[static_cast<std::size_t>(i)]++)] = r;
    }
}

VariacioTeszt::~VariacioTeszt() = default;

bool VariacioTeszt::ReszhalmazBitkepek() const { return b_->bitkep; }

TesztSzamok VariacioTeszt::Pillanatkep() const
{
    TesztSzamok sz;
    const std::int32_t osztalyok = std::max(be_.B.OsztalyokSzama(), 1);
    sz.TesztOsztalyDb.resize(static_cast<std::size_t>(osztalyok));
    for (std::int32_t c = 0; c < osztalyok; ++c)
        for (int k = 0; k < 2; ++k)
            sz.TesztOsztalyDb[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)] =
                osztaly_[static_cast<std::size_t>(c) * 2 + static_cast<std::size_t>(k)].load(std::memory_order_relaxed);
    sz.TesztSzamsorDb = szamsorDb_.load(std::memory_order_relaxed);
    sz.TesztFeltetelDb = feltetelDb_.load(std::memory_order_relaxed);
    return sz;
}

namespace {

// The combinations of k of n in lexicographic order; k = 0 gives one empty
// combination, k > n none.
struct Kombinacio {
    std::vector<std::uint8_t> c;
    int n = 0;
    bool vege = false;
    void kezd(int nn, int k)
    {
        n = nn;
        c.resize(static_cast<std::size_t>(std::max(k, 0)));
        for (int i = 0; i < k; ++i)
            c[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        vege = k < 0 || k > n;
    }
    bool kovetkezo()
    {
        const int k = static_cast<int>(c.size());
        int i = k - 1;
        while (i >= 0 && c[static_cast<std::size_t>(i)] == n - k + i)
            --i;
        if (i < 0)
            return false;
        ++c[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            c[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(c[static_cast<std::size_t>(j) - 1] + 1);
        return true;
    }
};

}  // namespace

bool VariacioTeszt::BontasGepiEllenorzes()
{
    const TesztBeallitas& B = be_.B;
    const GameParams& g = be_.Jatek;
    Belso& bel = *b_;
    szamsorDb_.store(0);
    feltetelDb_.store(0);
    const std::int32_t osztalyok = std::max(B.OsztalyokSzama(), 1);
    for (std::int32_t i = 0; i < osztalyok * 2; ++i)
        osztaly_[static_cast<std::size_t>(i)].store(0);
    eredmeny_ = TesztEredmeny{};
    TesztEredmeny& er = eredmeny_;
    er.Szamok.TesztOsztalyDb.assign(static_cast<std::size_t>(osztalyok), {0, 0});
    er.TesztTalalatDb.assign(static_cast<std::size_t>(osztalyok), 0);
    er.TesztTalalatSzamsorok.assign(static_cast<std::size_t>(osztalyok), {});
    er.PeldaHossz = B.HuzasokTeszt ? B.TesztSzamsorHossz + g.PotSzamok + 1 : B.TesztValtozoSzamDb;

    const int szalDb = std::max(1, be_.SzalDb > 0 ? be_.SzalDb : static_cast<int>(std::thread::hardware_concurrency()));
    if (bel.bitkep && !bel.bitkepKesz && !bel.bitkepEpites(be_, szalDb, BontTesztFut_))
        return false;
    bel.szalak.assign(static_cast<std::size_t>(szalDb), {});
    for (Belso::Szal& sz : bel.szalak) {
        if (bel.gyors)
            sz.db.assign(bel.sorok.size(), 0);
        if (be_.FeltetelTeszt && be_.Feltetel)
            sz.feltetel = be_.Feltetel();
    }

    const std::int32_t n = static_cast<std::int32_t>(be_.KijeloltSzamok.size());
    const std::int32_t nf = std::min(be_.KijeloltFoSzamDb, n);
    const std::int32_t szorzo = std::max(B.TesztTalalatSzorzo, 1);

    // The lines of one batch are judged on every thread; their classes are
    // then counted in order, so the examples are the first ones of a class.
    std::vector<TesztSor> adag;
    std::vector<std::int16_t> osztaly;
    std::vector<std::int16_t> talalat;  // main + extra hits of each line, fixed numbers apart
    std::vector<std::uint8_t> megfelel;
    // The full test's lines all hold the fixed numbers: those are not hits of their own.
    const int sajatFix = B.HuzasokTeszt ? 0 : static_cast<int>(be_.FixSzamok.size());
    std::int64_t feltetelDb = 0;

    const auto adagFeldolgozas = [&]() -> bool {
        const std::size_t m = adag.size();
        osztaly.assign(m, 0);
        talalat.assign(m, 0);
        megfelel.assign(m, 1);
        std::atomic<std::size_t> kov{0};
        // Lines are taken in groups that share a pass over the stored lines.
        const std::size_t darab = std::clamp<std::size_t>(m / (bel.szalak.size() * 2), 1, Belso::kMaxTobb);
        const auto munka = [&](Belso::Szal& sz) {
            std::array<int, Belso::kMaxTobb> pontok{};
            for (;;) {
                const std::size_t k = kov.fetch_add(darab);
                if (k >= m || !BontTesztFut_.load(std::memory_order_relaxed))
                    return;
                const std::size_t v = std::min(m, k + darab);
                if (sz.feltetel)
                    for (std::size_t i = k; i < v; ++i)
                        megfelel[i] = sz.feltetel(adag[i].indexek.data()) ? 1 : 0;
                bel.legjobbTobb(adag.data() + k, static_cast<int>(v - k), pontok.data(), sz);
                for (std::size_t i = k; i < v; ++i) {
                    const int p = pontok[i - k];
                    const int fo = p < 0 ? 0 : p >> 5;
                    const int extra = p < 0 ? 0 : p & 31;
                    osztaly[i] = static_cast<std::int16_t>(std::clamp(szorzo * fo + extra, 0, osztalyok - 1));
                    talalat[i] = static_cast<std::int16_t>(fo - sajatFix + extra);
                }
            }
        };
        const std::size_t segitok = std::max<std::size_t>(std::min<std::size_t>(bel.szalak.size(), (m + darab - 1) / darab), 1) - 1;
        std::vector<std::jthread> sz;
        sz.reserve(segitok);
        for (std::size_t i = 0; i < segitok; ++i)
            sz.emplace_back([&, i] { munka(bel.szalak[i + 1]); });
        munka(bel.szalak[0]);
        sz.clear();
        if (!BontTesztFut_.load())
            return false;
        for (std::size_t i = 0; i < m; ++i) {
            const std::size_t c = static_cast<std::size_t>(osztaly[i]);
            auto& d = er.Szamok.TesztOsztalyDb[c];
            ++d[0];
            osztaly_[c * 2].fetch_add(1, std::memory_order_relaxed);
            if (be_.FeltetelTeszt) {
                if (megfelel[i])
                    ++feltetelDb;
                else {
                    ++d[1];
                    osztaly_[c * 2 + 1].fetch_add(1, std::memory_order_relaxed);
                }
            } else {
                ++feltetelDb;
            }
            if (talalat[i] <= be_.ListaSzint && er.TesztTalalatDb[c] < kTesztPeldaMax) {
                ++er.TesztTalalatDb[c];
                std::vector<std::int32_t>& p = er.TesztTalalatSzamsorok[c];
                const TesztSor& t = adag[i];
                if (B.HuzasokTeszt) {
                    const TTombInt1D& sor = be_.Huzasok[static_cast<std::size_t>(t.huzasSor)];
                    const auto ertek = [&sor](std::size_t o) { return o < sor.size() ? sor[o] : 0; };
                    const std::size_t o = static_cast<std::size_t>(t.huzasOszlop);
                    for (std::int32_t j = 0; j < B.TesztSzamsorHossz; ++j)
                        p.push_back(ertek(o + static_cast<std::size_t>(j)));
                    // The first drawing's bonus numbers follow its numbers,
                    // the second drawing's are a line's length further on.
                    const std::size_t po = o == 3 ? o + static_cast<std::size_t>(B.TesztSzamsorHossz)
                                                  : o + static_cast<std::size_t>(g.SzamsorHossz);
                    for (std::int32_t j = 0; j < g.PotSzamok; ++j)
                        p.push_back(ertek(po + static_cast<std::size_t>(j)));
                    p.push_back(be_.ElsoSorszam + t.huzasSor);
                } else {
                    for (std::int32_t j = 0; j < B.TesztValtozoSzamDb; ++j)
                        p.push_back(t.indexek[static_cast<std::size_t>(j)]);
                }
            }
        }
        szamsorDb_.fetch_add(static_cast<std::int64_t>(m), std::memory_order_relaxed);
        feltetelDb_.store(feltetelDb, std::memory_order_relaxed);
        adag.clear();
        TesztTartas::Pont(BontTesztFut_);
        return true;
    };

    // Lines per batch: about 2^24 row comparisons per thread, and groups of
    // several lines for every thread.
    const std::size_t adagMeret = std::clamp<std::size_t>(
        (std::size_t{1} << 24) * static_cast<std::size_t>(szalDb) / std::max<std::size_t>(bel.sorok.size(), 1),
        static_cast<std::size_t>(szalDb) * 16, 65536);

    // Selection index of every number (0 when not selected, else index + 1).
    std::array<std::int16_t, 256> index{};
    for (std::int32_t i = 0; i < n; ++i)
        index[be_.KijeloltSzamok[static_cast<std::size_t>(i)]] = static_cast<std::int16_t>(i + 1);

    if (B.HuzasokTeszt) {
        const std::int32_t t = B.TesztSzamsorHossz;
        for (std::size_t r = 0; r < be_.Huzasok.size(); ++r) {
            const TTombInt1D& sor = be_.Huzasok[r];
            const std::int32_t masodik = MasodikHuzasOszlopa(B, g, sor);
            for (const std::int32_t kezdet : {3, masodik}) {
                if (kezdet == 0)
                    continue;
                TesztSor ts;
                ts.huzasSor = static_cast<std::int32_t>(r);
                ts.huzasOszlop = static_cast<std::int16_t>(kezdet);
                std::array<bool, 256> huzott{}, pot{};
                const auto ertek = [&sor](std::int32_t o) {
                    return o >= 0 && static_cast<std::size_t>(o) < sor.size() ? sor[static_cast<std::size_t>(o)] : 0;
                };
                for (std::int32_t j = 0; j < t; ++j)
                    if (const int v = ertek(kezdet + j); v > 0 && v < 256)
                        huzott[static_cast<std::size_t>(v)] = true;
                const std::int32_t po = kezdet == 3 ? kezdet + t : kezdet + g.SzamsorHossz;
                for (std::int32_t j = 0; j < g.PotSzamok; ++j)
                    if (const int v = ertek(po + j); v > 0 && v < 256)
                        pot[static_cast<std::size_t>(v)] = true;
                for (std::int32_t i = 0; i < n; ++i) {
                    const int v = be_.KijeloltSzamok[static_cast<std::size_t>(i)];
                    if (huzott[static_cast<std::size_t>(v)]) {
                        // An extra-pool number of the selection is an extra hit.
                        if (g.VanPluszSzam && i >= nf)
                            ts.E.be(i);
                        else
                            ts.A.be(i);
                    } else if (g.VanPotSzam && pot[static_cast<std::size_t>(v)]) {
                        ts.E.be(i);
                    }
                }
                for (const std::uint8_t v : be_.FixSzamok) {
                    if (huzott[v]) {
                        if (g.VanPluszSzam && v > g.FoSzamKeszlet)
                            ++ts.fe;
                        else
                            ++ts.fm;
                    } else if (g.VanPotSzam && pot[v]) {
                        ++ts.fe;
                    }
                }
                adag.push_back(ts);
                if (adag.size() >= adagMeret && !adagFeldolgozas())
                    return false;
            }
        }
    } else {
        const std::int32_t tvf = B.TesztValtozoFoSzamDb;
        const std::int32_t tve = B.TesztValtozoSzamDb - tvf;
        Kombinacio fo, plusz;
        fo.kezd(nf, tvf);
        plusz.kezd(n - nf, tve);
        bool van = !fo.vege && !plusz.vege && B.TesztValtozoSzamDb <= 24;
        const std::int16_t fix = static_cast<std::int16_t>(be_.FixSzamok.size());
        while (van) {
            TesztSor ts;
            ts.fm = fix;
            std::size_t j = 0;
            for (const std::uint8_t i : fo.c) {
                ts.A.be(i);
                ts.indexek[j++] = i;
            }
            for (const std::uint8_t i : plusz.c) {
                ts.E.be(nf + i);
                ts.indexek[j++] = static_cast<std::uint8_t>(nf + i);
            }
            adag.push_back(ts);
            if (adag.size() >= adagMeret && !adagFeldolgozas())
                return false;
            if (!plusz.kovetkezo()) {
                plusz.kezd(n - nf, tve);
                van = fo.kovetkezo();
            }
        }
    }
    if (!adag.empty() && !adagFeldolgozas())
        return false;
    if (!BontTesztFut_.load())
        return false;
    er.Szamok.TesztSzamsorDb = szamsorDb_.load();
    er.Szamok.TesztFeltetelDb = feltetelDb;
    er.Kesz = true;
    return true;
}

// ---- Texts

namespace {

const std::string kVonal = "—";

std::string vonal(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += kVonal;
    return s;
}

// A percentage rounded to `jegy` significant digits, shown with two decimals
// and thousands separators; "0" for nothing.
std::string szazalek(std::int64_t db, std::int64_t abszTest, int jegy)
{
    if (db == 0 || abszTest <= 0)
        return "0";
    double v = static_cast<double>(db) / (static_cast<double>(abszTest) / 100.0);
    const int nagysag = static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1;
    const double skala = std::pow(10.0, jegy - nagysag);
    v = std::round(v * skala) / skala;
    return FormatFloatThousands(v, 2);
}

std::string szam(std::int64_t v) { return FormatThousands(v); }

}  // namespace

std::string BontasTesztListaTovabb(const TesztRiportBemenet& r, const TesztSzamok& sz, std::int32_t j)
{
    const auto& d = sz.TesztOsztalyDb[static_cast<std::size_t>(j)];
    std::string s = Format("%7s", {szazalek(d[0], r.ABSZTEST, 4)}) + "%";
    if (r.FeltetelTeszt && r.FeltetelJelzo) {
        s += Format("%17s", {szam(d[1])}) + " db" + Format("%7s", {szazalek(d[1], r.ABSZTEST, 3)}) + "%";
        s += Format("%17s", {szam(d[0] - d[1])}) + " db" + Format("%7s", {szazalek(d[0] - d[1], r.ABSZTEST, 3)}) + "%";
    }
    return s + "\r\n";
}

std::string BontasTesztLista(const TesztRiportBemenet& r, const TesztSzamok& sz, bool vegleges)
{
    const TesztBeallitas& B = r.B;
    const GameParams& g = r.Jatek;
    std::string s = "\r\n Találati arányok elérésének esélyei ";
    if (!B.HuzasokTeszt) {
        s += std::to_string(B.TesztFoSzamDb - r.FixSzamDb);
        if (r.FixSzamDb > 0)
            s += " + " + std::to_string(r.FixSzamDb) + " fix";
    } else {
        s += std::to_string(g.HuzottFoSzamokPluszNelkul);
        if (g.VanPotSzam)
            s += " + " + std::to_string(g.PotSzamok) + " plusz";
    }
    if (g.VanPluszSzam)
        s += " + " + std::to_string(g.PluszSzamDb) + g.PluszSzamNev;
    s += " számra\r\n\r\n";

    const bool feltetel = r.FeltetelTeszt && r.FeltetelJelzo;
    s += " Tal              Minden eset";
    if (feltetel)
        s += "            Legrosszabb eset       Minden feltétel teljesül";
    s += "\r\n";
    std::string szabaly = " " + vonal(3) + "   " + vonal(26);
    if (feltetel)
        szabaly += "  " + vonal(26) + "  " + vonal(26);
    s += szabaly + "\r\n";

    const std::int32_t osztalyok = static_cast<std::int32_t>(sz.TesztOsztalyDb.size());
    const std::int32_t w = B.TesztPluszTalalat ? 2 : 3;
    const std::string cimke = w == 2 ? "%2u" : "%3u";
    std::int32_t j = (B.TesztFoSzamDb + 1) * B.TesztTalalatSzorzo - 1;
    for (std::int32_t h = B.TesztFoSzamDb; j >= B.TesztPluszSzamDb && j >= 0; --h) {
        if (B.TesztPluszTalalat) {
            for (std::int32_t e = B.TesztPluszSzamDb; e >= 1; --e, --j) {
                const bool ir = g.VanPluszSzam ||
                                (g.VanPotSzam && h + e <= g.SzamsorHossz &&
                                 (g.PotSzamTalalat || (g.PotSzamok == 1 && h == r.VariacioMeret + r.FixSzamDb - 1)));
                if (ir && j >= 0 && j < osztalyok)
                    s += Format(cimke, {h}) + "+" + std::to_string(e) +
                         Format("%18s", {szam(sz.TesztOsztalyDb[static_cast<std::size_t>(j)][0])}) + " db" +
                         BontasTesztListaTovabb(r, sz, j);
            }
        }
        if (j >= 0 && j < osztalyok && !(g.KenoJatek && j > g.SzamsorHossz))
            s += Format(cimke, {h}) + "   " +
                 Format("%*s", {19 - w, szam(sz.TesztOsztalyDb[static_cast<std::size_t>(j)][0])}) + " db" +
                 BontasTesztListaTovabb(r, sz, j);
        --j;
    }

    s += szabaly + "\r\n";
    s += Format("%22s", {szam(sz.TesztSzamsorDb)}) + " db" +
         Format("%7s", {szazalek(sz.TesztSzamsorDb, r.ABSZTEST, 3)}) + "%";
    if (feltetel) {
        const std::int64_t nem = sz.TesztSzamsorDb - sz.TesztFeltetelDb;
        s += Format("%17s", {szam(nem)}) + " db" + Format("%7s", {szazalek(nem, r.ABSZTEST, 3)}) + "%";
        s += Format("%17s", {szam(sz.TesztFeltetelDb)}) + " db" +
             Format("%7s", {szazalek(sz.TesztFeltetelDb, r.ABSZTEST, 3)}) + "%";
        if (r.ImportCountMeret > 1)
            s += "\r\n\r\n Bővített variáció - csak az aktuálisan kijelölt feltételek vizsgálata lehetséges.";
    }
    if (vegleges && !B.HuzasokTeszt && B.TesztSzamsorHossz == r.VariacioMeret + r.FixSzamDb) {
        // Every distinct stored line is hit fully by exactly one test line:
        // the rest are repetitions.
        const std::int32_t felso = B.TesztFoSzamDb * B.TesztTalalatSzorzo + B.TesztPluszSzamDb;
        if (felso >= 0 && felso < osztalyok) {
            const std::int64_t teljes = sz.TesztOsztalyDb[static_cast<std::size_t>(felso)][0];
            if (teljes > 0 && teljes < r.BontMatrixMeret)
                s += "\r\n\r\n " + std::to_string(r.BontMatrixMeret - teljes) +
                     " számsor többször is szerepel a variáció listájában.\r\n"
                     " Ismétlődő számsorok sorszámai: Statisztika - Variáció - Találati arányok";
        }
    }
    return s;
}

std::string TesztListPositionText(std::int32_t n, const TesztBeallitas& b)
{
    if (!b.TesztPluszTalalat || b.TesztTalalatSzorzo <= 1)
        return std::to_string(n);
    std::string s = std::to_string(n / b.TesztTalalatSzorzo);
    if (const std::int32_t e = n % b.TesztTalalatSzorzo; e > 0)
        s += "+" + std::to_string(e);
    return s;
}

std::string TesztListDbTalalatraTipp(std::int32_t n, const TesztBeallitas& b)
{
    return TesztListPositionText(n, b) + " találatos teszt számsorok listája ";
}

namespace {

std::size_t karakterek(const std::string& s)
{
    std::size_t n = 0;
    for (const unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

TesztLista BontasTesztHianyzoLista(const TesztListaBemenet& be, const TesztEredmeny& e)
{
    const TesztBeallitas& B = be.B;
    const GameParams& g = be.Jatek;
    TesztLista l;
    l.Szoveg = "\r\n " + be.AllapotSzoveg;
    if (karakterek(be.AllapotSzoveg) > 10)
        l.Szoveg += "\r\n\r\n ";
    const std::int32_t c = be.Osztaly;
    if (!be.VanRiport || c < 0 || static_cast<std::size_t>(c) >= e.TesztTalalatDb.size() ||
        e.TesztTalalatDb[static_cast<std::size_t>(c)] <= 0)
        return l;
    const std::string felirat = TesztListPositionText(c, B);
    l.Szoveg += (B.HuzasokTeszt ? "Húzások " + felirat + " találatos számsorai" : TesztListDbTalalatraTipp(c, B)) + "\r\n";
    l.BeillesztTipp = " " + felirat + " találatos teszt számsorok beillesztése a variáció listájába ";
    const std::int64_t tarolt = e.TesztTalalatDb[static_cast<std::size_t>(c)];
    // The class holds more lines than were kept.
    if (e.Szamok.TesztOsztalyDb[static_cast<std::size_t>(c)][0] > tarolt)
        l.Szoveg += " A lista nem teljes, az első " + std::to_string(kTesztPeldaMax) + " számsort tartalmazza.\r\n";
    l.Szoveg += "\r\n";

    const std::vector<std::int32_t>& p = e.TesztTalalatSzamsorok[static_cast<std::size_t>(c)];
    const std::int32_t hossz = e.PeldaHossz;
    // Numbers of an example: main part and extra (or bonus) part, as shown.
    const auto bejegyzes = [&](std::int64_t i, int szelesseg) {
        std::vector<std::int32_t> fo, plusz;
        std::string cimke;
        const std::int32_t* x = p.data() + i * hossz;
        if (B.HuzasokTeszt) {
            const std::int32_t foDb = B.TesztSzamsorHossz - (g.VanPluszSzam ? g.PluszSzamDb : 0);
            for (std::int32_t j = 0; j < B.TesztSzamsorHossz; ++j)
                (j < foDb ? fo : plusz).push_back(x[j]);
            for (std::int32_t j = 0; j < g.PotSzamok; ++j)
                plusz.push_back(x[B.TesztSzamsorHossz + j]);
            cimke = std::to_string(x[hossz - 1]);
        } else {
            for (std::int32_t j = 0; j < hossz; ++j) {
                const std::int32_t idx = x[j];
                const std::int32_t v =
                    idx >= 0 && static_cast<std::size_t>(idx) < be.KijeloltSzamok.size() ? be.KijeloltSzamok[static_cast<std::size_t>(idx)] : 0;
                (g.VanPluszSzam && v > g.FoSzamKeszlet ? plusz : fo).push_back(v);
            }
            cimke = std::to_string(i + 1);
        }
        const std::int32_t db = static_cast<std::int32_t>(fo.size() + plusz.size());
        std::string elv = " - ";
        if (db >= 8 && !(g.KenoJatek && c >= 13 && c <= 16))
            elv = " -";
        if (B.HuzasokTeszt && db >= 10 && elv == " -")
            elv = "-";
        std::string pont = ".  ";
        if (B.HuzasokTeszt && db == 9) {
            pont = ". ";
            if (szelesseg > 5)
                szelesseg = 10;
        }
        std::string s = Format("%*s", {szelesseg, cimke}) + pont;
        for (std::size_t k = 0; k < fo.size(); ++k)
            s += (k ? elv : "") + Format("%2s", {std::to_string(fo[k])});
        for (std::size_t k = 0; k < plusz.size(); ++k) {
            const std::int32_t v = g.VanPluszSzam && plusz[k] > g.FoSzamKeszlet ? g.PluszSzamKijelzes(plusz[k]) : plusz[k];
            s += (k ? elv : (fo.empty() ? "" : "   ")) + Format("%2s", {std::to_string(v)});
        }
        return s;
    };
    std::int32_t masodik = 14;
    if (g.KenoJatek && c > 10)
        masodik = std::max(0, 14 + 30 - 3 * c);
    if (g.KenoJatek && c >= 9) {
        for (std::int64_t i = 0; i < tarolt; ++i)
            l.Szoveg += bejegyzes(i, 5) + "\r\n";
        return l;
    }
    const std::int64_t sorok = (tarolt + 1) / 2;
    for (std::int64_t i = 0; i < sorok; ++i) {
        l.Szoveg += bejegyzes(i, 5);
        if (i + sorok < tarolt)
            l.Szoveg += bejegyzes(i + sorok, masodik);
        l.Szoveg += "\r\n";
    }
    return l;
}

bool BeillesztesEngedelyezett(const BeillesztesHelyzet& h)
{
    if (!h.VanRiport || !h.VanLista || h.B.TesztValtozoSzamDb != h.VariacioMeret || h.OsztalyPeldaDb <= 0)
        return false;
    if (h.BontMatrixMeret + h.OsztalyPeldaDb >= 1000000)
        return false;
    return !h.B.HuzasokTeszt || h.KijeloltSzamDb == h.OsszesSzam;
}

std::vector<std::uint8_t> TesztSorok(const TesztEredmeny& e, const TesztBeallitas& b, std::int32_t c,
                                     std::int32_t elso, std::int32_t utolso, const TTombByte1D& KijeloltSzamok,
                                     std::int32_t sorHossz)
{
    std::vector<std::uint8_t> ki;
    if (c < 0 || static_cast<std::size_t>(c) >= e.TesztTalalatDb.size() || sorHossz != b.TesztValtozoSzamDb)
        return ki;
    const std::int64_t db = e.TesztTalalatDb[static_cast<std::size_t>(c)];
    elso = std::max(elso, 1);
    utolso = static_cast<std::int32_t>(std::min<std::int64_t>(utolso, db));
    const std::vector<std::int32_t>& p = e.TesztTalalatSzamsorok[static_cast<std::size_t>(c)];
    for (std::int32_t i = elso; i <= utolso; ++i) {
        const std::int32_t* x = p.data() + static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(e.PeldaHossz);
        std::vector<std::uint8_t> sor;
        for (std::int32_t j = 0; j < sorHossz; ++j) {
            std::int32_t idx = x[j];
            if (b.HuzasokTeszt) {
                const auto it = std::find(KijeloltSzamok.begin(), KijeloltSzamok.end(), x[j]);
                if (it == KijeloltSzamok.end())
                    return {};
                idx = static_cast<std::int32_t>(it - KijeloltSzamok.begin());
            }
            if (idx < 0 || static_cast<std::size_t>(idx) >= KijeloltSzamok.size())
                return {};
            sor.push_back(static_cast<std::uint8_t>(idx));
        }
        std::sort(sor.begin(), sor.end());
        ki.insert(ki.end(), sor.begin(), sor.end());
    }
    return ki;
}

TesztIdoBecsles TesztIdoBecslese(std::int64_t vizsgalt, std::int64_t ABSZTEST, double elteltMasodperc)
{
    TesztIdoBecsles b;
    if (vizsgalt <= 0 || ABSZTEST <= 0)
        return b;
    const double kesz = static_cast<double>(vizsgalt) / (static_cast<double>(ABSZTEST) / 100.0);
    b.Szazalek = static_cast<std::int32_t>(std::min(kesz, 100.0));
    const double elteltNap = elteltMasodperc / 86400.0;
    b.HatralevoNap = std::max(0.0, (100.0 - kesz) * (elteltNap / kesz));
    b.TobbMintEgyNap = b.HatralevoNap > 1.0;
    b.Leallitas = b.TobbMintEgyNap && elteltMasodperc > 30.0;
    return b;
}

std::string EgyNapUzenet(double napok)
{
    return "A teszt több mint " + Format("%2s", {FormatThousands(static_cast<std::int64_t>(std::llround(napok)))}) +
           " napig tartana.\r\nA program leállította a teszt folyamatát.\r\n\r\nJavaslat\r\nGyorsteszt: Kattintson a "
           "Statisztika - Variáció - Találati arányok menüpontra, vagy\r\n1. Indítsa újra a teszt folyamatát.\r\n2. "
           "Csökkentse addig a találat opció értékét, amíg a teszt várható időtartama kevesebb lesz, mint egy "
           "nap.\r\n\r\nA teszt indítását követően, a program 30 másodpercet várakozik egy elfogadható érték "
           "beállítására.";
}

std::string TesztIdoSzoveg(double masodperc)
{
    const std::int64_t s = std::max<std::int64_t>(0, static_cast<std::int64_t>(masodperc));
    return Format("%d:%.2d:%.2d", {s / 3600, (s / 60) % 60, s % 60});
}

}  // namespace kvx
