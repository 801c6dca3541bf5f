#include "variation/line_enumerator.h"

#include <new>

namespace kvx {

void SorPuffer::novel(std::size_t L)
{
    std::size_t uj = std::max<std::size_t>(kapacitas * 2, 64 * 1024);
    while (uj < hossz + L)
        uj *= 2;
    auto* q = static_cast<std::uint8_t*>(std::realloc(p, uj));
    if (!q)
        throw std::bad_alloc();
    p = q;
    kapacitas = uj;
}

namespace {

// Dense extension tables up to this many (rend-1)-subsets (16 MB).
constexpr std::uint64_t kTiltasSuruMax = std::uint64_t{1} << 20;

// Calls fn(rank of the first r-1, largest) for every r-subset of an
// ascending set.
template <class Fn>
void reszhalmazokKiterjesztessel(const std::vector<std::uint8_t>& h, int r, Fn&& fn)
{
    const int m = static_cast<int>(h.size());
    if (r < 1 || r > m)
        return;
    int idx[kReszBinomJ];
    for (int i = 0; i < r; ++i)
        idx[i] = i;
    for (;;) {
        std::uint64_t rang = 0;
        for (int i = 0; i < r - 1; ++i)
            rang += kReszBinom.c[h[static_cast<std::size_t>(idx[i])]][static_cast<std::size_t>(i + 1)];
        fn(rang, h[static_cast<std::size_t>(idx[r - 1])]);
        int i = r - 1;
        while (i >= 0 && idx[i] == m - r + i)
            --i;
        if (i < 0)
            return;
        ++idx[i];
        for (int j = i + 1; j < r; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

}  // namespace

const Ertekhalmaz128& ElotagTiltas::Tabla::kiterjesztes(std::uint64_t r) const
{
    static const Ertekhalmaz128 ures{};
    if (suru)
        return r < kit.size() ? kit[static_cast<std::size_t>(r)] : ures;
    auto it = kitRitka.find(r);
    return it == kitRitka.end() ? ures : it->second;
}

void ElotagTiltas::init(int n, const std::vector<TiltottReszhalmazok>& t)
{
    auto tablak = std::make_shared<std::vector<Tabla>>();
    aktiv_ = false;
    poziciok_ = 0;
    for (const TiltottReszhalmazok& x : t) {
        if (x.rend < 1 || x.rend > kMaxVariacioMeret || x.poziciok < x.rend || x.halmazok.empty())
            continue;
        Tabla tb;
        tb.rend = x.rend;
        const std::uint64_t meret = ReszBinom(n, x.rend - 1);
        tb.suru = meret <= kTiltasSuruMax;
        if (tb.suru)
            tb.kit.assign(static_cast<std::size_t>(meret == 0 ? 1 : meret), Ertekhalmaz128{});
        for (const auto& h : x.halmazok)
            reszhalmazokKiterjesztessel(h, x.rend, [&](std::uint64_t rang, int v) {
                if (v >= 128)
                    return;
                if (tb.suru)
                    tb.kit[static_cast<std::size_t>(rang)].beallit(v);
                else
                    tb.kitRitka[rang].beallit(v);
            });
        poziciok_ = std::max(poziciok_, std::min(x.poziciok, kMaxVariacioMeret));
        tablak->push_back(std::move(tb));
    }
    aktiv_ = !tablak->empty();
    ps_.assign(tablak->size(), std::vector<std::vector<std::uint64_t>>(
                                   static_cast<std::size_t>(kMaxVariacioMeret + 1) * kMaxVariacioMeret));
    for (std::size_t i = 0; i < tablak->size(); ++i)
        ps_[i][0].assign(1, 0);  // level 0: the empty subset
    tablak_ = std::move(tablak);
    // Level 0: position 0 may not take a value that alone meets a rule.
    tilos_[0] = Ertekhalmaz128{};
    if (tablak_)
        for (const Tabla& tb : *tablak_)
            if (tb.rend == 1)
                tilos_[0].vagy(tb.kiterjesztes(0));
    ervenyes_ = 0;
}

void ElotagTiltas::szintek(const std::uint8_t* a, int p)
{
    const std::size_t J = kMaxVariacioMeret;
    for (int d = ervenyes_ + 1; d <= p; ++d) {
        const auto du = static_cast<std::size_t>(d);
        const auto x = static_cast<std::size_t>(a[d - 1]);
        Ertekhalmaz128 f{};
        for (std::size_t ti = 0; ti < tablak_->size(); ++ti) {
            const Tabla& tb = (*tablak_)[ti];
            auto& ps = ps_[ti];
            const int r1 = tb.rend - 1;
            ps[du * J].assign(1, 0);
            for (int m = 1; m <= std::min(d, r1); ++m) {
                auto& cel = ps[du * J + static_cast<std::size_t>(m)];
                const auto& elo = ps[(du - 1) * J + static_cast<std::size_t>(m)];
                const auto& eloKisebb = ps[(du - 1) * J + static_cast<std::size_t>(m - 1)];
                cel.assign(elo.begin(), elo.end());
                const std::uint64_t c = kReszBinom.c[x][static_cast<std::size_t>(m)];
                for (std::uint64_t q : eloKisebb)
                    cel.push_back(q + c);
            }
            if (d >= r1)
                for (std::uint64_t q : ps[du * J + static_cast<std::size_t>(r1)])
                    f.vagy(tb.kiterjesztes(q));
        }
        tilos_[d] = f;
    }
    ervenyes_ = p;
}

std::int64_t BontasABSZ(const BontasBemenet& b)
{
    const std::int64_t f = BontBinom(b.KijeloltFoSzamDb, b.VariacioFoMeret);
    const std::int64_t x = BontBinom(b.KijeloltSzamDb - b.KijeloltFoSzamDb, b.VariacioMeret - b.VariacioFoMeret);
    if (f == INT64_MIN || x == INT64_MIN)
        return INT64_MIN;
    const __int128 p = static_cast<__int128>(f) * x;
    return p > INT64_MAX ? INT64_MIN : static_cast<std::int64_t>(p);
}

std::function<bool(std::int32_t, std::int32_t)> HuzasTaroloKeszites(VariationStore& t, const TTombInt2D& huzasok,
                                                                     const BontasBemenet& b, TarolasKornyezet& env,
                                                                     BontasVezerles& vez, BontasAllapot& all)
{
    TarolasFutas futas;
    futas.FeltetelJelzo = true;
    futas.Hibapont = b.Hibapont;
    futas.TulirasBont = b.TulirasBont;
    futas.Tuliras = b.Tuliras;
    futas.TulirasFelsoHatar = b.VariacioMeret - 1;
    futas.HuzasSzamsorVariacio = true;
    const std::int32_t w = b.SzamsorHossz;
    return [&t, &huzasok, &env, &vez, &all, futas, w](std::int32_t sor, std::int32_t kezdet) {
        const auto r = static_cast<std::size_t>(sor);
        if (sor < 0 || r >= huzasok.size() || kezdet < 0 ||
            static_cast<std::size_t>(kezdet + w) > huzasok[r].size())
            return true;  // not a drawing of the table: nothing to store
        std::array<std::uint8_t, kMaxVariacioMeret> szamok{};
        for (std::int32_t i = 0; i < w && i < kMaxVariacioMeret; ++i)
            szamok[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(huzasok[r][static_cast<std::size_t>(kezdet + i)]);
        bool stopKeres = false;
        const bool tovabb = t.BontasTarolHuzas(huzasok[r][0], szamok.data(), env, futas, stopKeres);
        vez.BontSzelvszam.store(t.BontSzelvszam, std::memory_order_relaxed);
        if (!tovabb && stopKeres) {
            vez.FBontStatus.store(false);
            all.TarolasLeallitas = true;
        }
        return tovabb;
    };
}

BontasHiba BontasElsoFoglalas(VariationStore& t, const BontasBemenet& b, bool folytatas, TarolasKornyezet& env,
                              const std::function<bool(std::int64_t, const std::function<bool()>&)>& foglalo)
{
    const bool huzasMod = b.HuzasSzamsorVariacio;
    // A row of drawn lines holds a whole line of the game.
    const int k = huzasMod ? b.SzamsorHossz : b.VariacioMeret;
    const int n = b.KijeloltSzamDb;
    const std::int64_t absz = BontasABSZ(b);
    std::int64_t foglalas = t.BontEngedelyezettMeret > 0 ? t.BontEngedelyezettMeret : 1;
    const std::int64_t regiSorok = (b.BontasBovites || folytatas) ? t.BontMatrixMeret : 0;
    while (foglalas < regiSorok)
        foglalas *= 2;
    if (absz < foglalas)
        foglalas = huzasMod ? std::max<std::int64_t>(absz, b.CelSzelvszam) : absz;
    foglalas = std::min(foglalas, kBontMaxSzelvszam);
    const std::int64_t szabad = env.szabadMemoria();
    if (szabad / kBontSorMemoria < foglalas)
        foglalas = szabad / kBontSorMemoria;
    if (!t.MemoriaLimit(foglalas, env))
        return BontasHiba::MemoriaLimit;
    // An extension appends to the stored lines, and so does a resumed pause:
    // the lines stored before the pause are the beginning of the same run.
    const bool megtart = !huzasMod && (b.BontasBovites || folytatas) && t.BontMatrixSorHossz == k &&
                         t.BontSzamGyakorisag.size() == static_cast<std::size_t>(n);
    if (!megtart) {
        FinalizeFBontasMatrix(t);
        t.BontSzamGyakorisag.assign(static_cast<std::size_t>(n), 0);
    }
    t.ABSZ = absz;
    t.FCelSzelvszam = huzasMod ? std::max(b.CelSzelvszam, 1) : 0;
    t.BontHuzasSorszam.clear();
    t.BontSzelvszam = t.BontMatrixMeret;  // an extension appends
    t.BontFoglalasMeret = std::max<std::int64_t>(foglalas, t.BontMatrixMeret);
    const std::int64_t sorok = t.BontFoglalasMeret;
    // Rows beyond the stored lines are written before they count.
    const std::function<bool()> munka = [&t, &env, sorok, k] { return SetBontasMatrix(t, sorok, k, &env, false); };
    if (!(foglalo ? foglalo(sorok, munka) : munka()))
        return BontasHiba::MemoriaLimit;
    return BontasHiba::Nincs;
}

BontasHiba BontasBemenetEllenorzes(const BontasBemenet& b)
{
    const int n = b.KijeloltSzamDb, nf = b.KijeloltFoSzamDb, k = b.VariacioMeret, kf = b.VariacioFoMeret;
    if (k < 1 || k > kMaxVariacioMeret || n > kMaxKijeloltSzam || nf < 0 || nf > n || kf < 0 || kf > k ||
        kf > nf || k - kf > n - nf)
        return BontasHiba::ErvenytelenMeret;
    if (!b.VanPluszSzam && kf != k)
        return BontasHiba::ErvenytelenMeret;
    if (b.GyakorisagiEloszlas && kf < 1)
        return BontasHiba::ErvenytelenMeret;
    const std::int64_t absz = BontasABSZ(b);
    if (absz <= 0)
        return BontasHiba::ErvenytelenMeret;
    // Subset ranks of every order up to k must fit 64 bits.
    for (int j = 0; j <= k; ++j)
        if (ReszBinom(n, j) == UINT64_MAX)
            return BontasHiba::ErvenytelenMeret;
    // The passes divide by k - h.
    if (b.Hibapont < 0 || b.Hibapont >= k)
        return BontasHiba::HibapontTulNagy;
    // The sample standard deviation divides by (main numbers - 1).
    if (b.SzorasAktiv && kf < 2)
        return BontasHiba::SzorasEgyFoPozicio;
    if (b.TulirasBont && (b.Tuliras < 0 || b.Tuliras > k - 1))
        return BontasHiba::TulirasErvenytelen;
    return BontasHiba::Nincs;
}

void VeletlenSzamsor(std::mt19937_64& gen, std::int32_t k, std::int32_t kf, std::int32_t nf, std::int32_t n,
                     std::uint8_t* sor)
{
    Ertekhalmaz128 hasznalt{};
    auto huz = [&](int tol, int db) {
        std::uniform_int_distribution<int> eloszlas(tol, tol + db - 1);
        for (;;) {
            const int v = eloszlas(gen);
            if (!hasznalt.tartalmaz(v)) {
                hasznalt.beallit(v);
                return v;
            }
        }
    };
    for (int i = 0; i < kf; ++i)
        sor[i] = static_cast<std::uint8_t>(huz(0, nf));
    for (int i = kf; i < k; ++i)
        sor[i] = static_cast<std::uint8_t>(huz(nf, n - nf));
    std::sort(sor, sor + kf);
    std::sort(sor + kf, sor + k);
}

BontasEredmeny BontasFuttatas(VariationStore& t, const BontasBemenet& b, BontasAllapot& all, BontasVezerles& vez,
                              TarolasKornyezet& env)
{
    NincsSzuro sz;
    return BontasFuttatas(t, b, all, vez, env, sz);
}

BontasEredmeny BontasFuttatas(VariationStore& t, const BontasBemenet& b, BontasAllapot& all, BontasVezerles& vez,
                              TarolasKornyezet& env, SorFeltetel* feltetel)
{
    if (!feltetel)
        return BontasFuttatas(t, b, all, vez, env);
    VirtualisSzuro sz{feltetel};
    return BontasFuttatas(t, b, all, vez, env, sz);
}

}  // namespace kvx
