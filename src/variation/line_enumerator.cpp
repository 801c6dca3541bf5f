#include "variation/line_enumerator.h"

namespace kvx {

std::int64_t BontasABSZ(const BontasBemenet& b)
{
    const std::int64_t f = BontBinom(b.KijeloltFoSzamDb, b.VariacioFoMeret);
    const std::int64_t x = BontBinom(b.KijeloltSzamDb - b.KijeloltFoSzamDb, b.VariacioMeret - b.VariacioFoMeret);
    if (f == INT64_MIN || x == INT64_MIN)
        return INT64_MIN;
    const __int128 p = static_cast<__int128>(f) * x;
    return p > INT64_MAX ? INT64_MIN : static_cast<std::int64_t>(p);
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
