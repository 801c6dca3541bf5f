#include "variation/line_condition_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvx {

namespace {

constexpr std::uint64_t kNincsFelett = 1000000000ull;  // "no range / pattern above"

int Korlat(std::int32_t db, int felso) { return std::clamp<int>(db, 0, felso); }

bool Bent(std::int32_t c, std::int32_t lo, std::int32_t hi) { return c >= lo && c <= hi; }

}  // namespace

void SorFeltetelTeszt::Elokeszites(const FeltetelRekordok& f, const SzamJelzok& j, const SzamListak& l,
                                   const GameParams& g, int szamsorrendMod, bool bontTesztFut)
{
    f_ = f;
    TeljesultFeltetelek.Torles();
    sorozatSorrend_ = f.SorozatSorrend;
    bontTesztFut_ = bontTesztFut;
    V_ = std::clamp(l.VariacioMeret, 0, kMaxPoz);
    F_ = std::clamp(l.VariacioFoMeret, 0, V_);
    n_ = std::min<int>(l.KijeloltSzamDb(), kMaxIndex);
    nf_ = std::clamp(l.KijeloltFoSzamDb, 0, n_);

    szam_.fill(0);
    jel_.fill(0);
    tukor_.fill(-1);
    legkisebb_ = 255;
    for (int i = 0; i < n_; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const int x = l.KijeloltSzamok[u];
        szam_[u] = static_cast<std::uint8_t>(x);
        jel_[u] = u < j.SzamJelzo.size() ? j.SzamJelzo[u] : 0;
        tukor_[u] = static_cast<std::int16_t>(u < j.TukorPar.size() ? j.TukorPar[u] : -1);
        csoport_[u] = u < j.CsoportIndex.size() ? j.CsoportIndex[u] : x / 10;
        vegzodes_[u] = u < j.VegzodesIndex.size() ? j.VegzodesIndex[u] : x % 10;
        szj0_[u] = u < j.SzamjegyIndex[0].size() ? j.SzamjegyIndex[0][u] : static_cast<std::uint8_t>(x < 10 ? 255 : x / 10);
        szj1_[u] = u < j.SzamjegyIndex[1].size() ? j.SzamjegyIndex[1][u] : static_cast<std::uint8_t>(x % 10);
        tizes_[u] = x / 10;
        egyes_[u] = x % 10;
        if (i < nf_)
            legkisebb_ = std::min(legkisebb_, x);
    }
    if (legkisebb_ == 255)
        legkisebb_ = 0;
    // Upper bounds of the positions, as the enumerator walks them.
    for (int i = 0; i < F_; ++i)
        maxErtek_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::max(0, nf_ - F_ + i));
    for (int i = F_; i < V_; ++i)
        maxErtek_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::max(0, n_ - (V_ - F_) + (i - F_)));
    const bool extra = g.VanPluszSzam && V_ > F_;
    dims_ = variationNumberingDims(nf_, F_, n_ - nf_, V_ - F_, extra);
    ABSZ = fullVariationSize(dims_).value_or(0);

    const auto& sz = f.SzomszedosFeltetel;
    const bool novekvo = szamsorrendMod == 1;
    SzomszedAltLepes = sz.AltSorrend != 0 && novekvo;
    SzomszedMobLepes = sz.MobSorrend != 0 && novekvo;
    SzomszedFixLepes = sz.FixSorrend != 0 && novekvo;
    FSzomszedPontosEset = sz.EsetMin == sz.EsetMax;

    const auto& ss = f.SzamsorokFeltetel;
    TartomanyKivul = true;
    for (int r = 0; r < Korlat(ss.DbTartomany, 10); ++r)
        if (ss.Tipus[static_cast<std::size_t>(r)] != 0)
            TartomanyKivul = false;
    SorozatKivul = true;
    for (int r = 0; r < Korlat(ss.DbMinta, 10); ++r)
        if (ss.MintaTipus[static_cast<std::size_t>(r)] != 0)
            SorozatKivul = false;

    VanFeltetel = f.FavFeltetel.Allapot || f.AllandoFeltetel.Allapot || f.MobFeltetel.Allapot ||
                  f.FixFeltetel.Allapot || f.SzamcsoportokFeltetel.Allapot || f.SzcsParosFeltetel.Allapot ||
                  f.SzcsIsmetFeltetel.Allapot || f.SzamcsoportTetelesFeltetel.Allapot || f.SzvParosFeltetel.Allapot ||
                  f.SzvIsmetFeltetel.Allapot || f.SzamvegzodesTetelesFeltetel.Allapot ||
                  f.IkerszamFeltetel.Allapot || f.TukorszamFeltetel.Allapot || f.PrimszamFeltetel.Allapot ||
                  (sz.Allapot && (sz.Alt || sz.Mob || sz.Fix)) || f.SzJParosFeltetel.Allapot ||
                  f.SzJIsmetFeltetel.Allapot || f.SzJTetelesFeltetel.Allapot || f.OsszegFeltetel.Allapot ||
                  f.SzorasFeltetel.Allapot ||
                  (f.TerjedelemFeltetel.Allapot && (f.TerjedelemFeltetel.Fix || f.TerjedelemFeltetel.Valtozo)) ||
                  f.SorozatFeltetel.Allapot || f.SzamkeszletFeltetel.Allapot ||
                  (ss.Allapot && (ss.Tartomany || ss.Sorozat));
}

void SorFeltetelTeszt::rendez(const std::uint8_t* sor, bool ertekSzerint, std::int32_t* R) const
{
    if (!ertekSzerint) {
        for (int i = 0; i < F_; ++i)
            R[i] = sor[i];
        return;
    }
    for (int i = 0; i < F_; ++i) {
        const std::int32_t x = szam_[sor[i]] - legkisebb_;
        int p = i;
        while (p > 0 && R[p - 1] > x) {
            R[p] = R[p - 1];
            --p;
        }
        R[p] = x;
    }
}

// Repeat rule over the keys k[0 .. n-1]. The restart (tests 7 and 10)
// leaves F - d positions fixed, where d is the distance of the count from
// its limit: d - 1 free positions change the repeat count by at most d - 1.
bool SorFeltetelTeszt::ismet(const std::int32_t* k, int n, const TIsmetFeltetel& r, bool ujraindit,
                             std::int32_t& poz) const
{
    const bool egy = r.Szama == 1;
    std::int32_t total = 0, legnagyobb = 0;
    bool vanElso = false;
    std::int32_t elso = 0;
    for (int b = 0; b + 1 < n; ++b) {
        std::int32_t rep = 0;
        bool korabbi = false;
        if (!egy)
            for (int q = 0; q < b && !korabbi; ++q)
                korabbi = k[q] == k[b];
        for (int q = b + 1; q < n; ++q) {
            if (k[q] != k[b])
                continue;
            if (!vanElso) {
                vanElso = true;
                elso = k[b];
            }
            if (egy && k[b] != elso)
                return false;
            if (egy || !korabbi)
                ++rep;
        }
        if (egy) {
            total = std::max(total, rep);
        } else {
            legnagyobb = std::max(legnagyobb, rep);
            total += rep;
        }
        if (total > r.Max)
            return ujraindit ? hiba(F_ - (total - r.Max), poz) : false;
    }
    if (total < r.Min)
        return ujraindit ? hiba(F_ - (r.Min - total), poz) : false;
    if (r.CsakTobb && total <= legnagyobb)
        return false;
    return true;
}

bool SorFeltetelTeszt::szomszedos(const std::uint8_t* sor, std::int32_t& poz)
{
    const auto& sz = f_.SzomszedosFeltetel;
    std::int32_t R[kMaxPoz];
    if (sz.Alt) {
        rendez(sor, sz.AltSorrend != 0, R);
        // The restarts hold only when the work line follows the positions
        // (by value with an ascending selection): then the pair or the run
        // that failed lies within the fixed prefix.
        auto bukas = [&](std::int32_t p) { return SzomszedAltLepes ? hiba(p, poz) : false; };
        std::int32_t esetek = 0;
        if (sz.SzomszedMax < 2) {
            for (int b = 0; b + 1 < F_; ++b)
                if (R[b + 1] == R[b] + 1)
                    return bukas(b + 1);
        } else {
            int b = 0;
            while (b + 1 < F_) {
                if (R[b + 1] != R[b] + 1) {
                    ++b;
                    continue;
                }
                int e = b;
                while (e + 1 < F_ && R[e + 1] == R[e] + 1)
                    ++e;
                const std::int32_t hossz = e - b + 1;
                const bool jo = Bent(hossz, sz.SzomszedMin, sz.SzomszedMax);
                if (!jo)
                    return e + 1 < F_ ? bukas(e + 1) : false;
                ++esetek;
                b = e;
            }
            const bool ok = FSzomszedPontosEset ? esetek == sz.EsetMax : Bent(esetek, sz.EsetMin, sz.EsetMax);
            if (!ok)
                return false;
        }
        TeljesultFeltetelek.SetAlFeltetel(AlBitSzomszedosAlt);
    }
    if (sz.Mob) {
        rendez(sor, sz.MobSorrend != 0, R);
        const int K = sz.MobTalalatMax, W = sz.MobMeret;
        for (int b = 0; K > 0 && b + K < F_; ++b)
            if (R[b + K] - R[b] < W)
                return SzomszedMobLepes ? hiba(b + K, poz) : false;
        TeljesultFeltetelek.SetAlFeltetel(AlBitSzomszedosMob);
    }
    if (sz.Fix) {
        rendez(sor, sz.FixSorrend != 0, R);
        const int K = sz.FixTalalatMax, W = sz.FixMeret;
        for (int b = 0; K > 0 && W > 0 && b + K < F_; ++b)
            if (R[b + K] / W == R[b] / W)
                return SzomszedFixLepes ? hiba(b + K, poz) : false;
        TeljesultFeltetelek.SetAlFeltetel(AlBitSzomszedosFix);
    }
    return true;
}

bool SorFeltetelTeszt::ugras(std::uint64_t x, std::uint8_t* sor, std::int32_t& poz) const
{
    std::int32_t ki[kMaxPoz];
    if (!SorszamSzamsoraTV(x, dims_, std::span<std::int32_t>(ki, static_cast<std::size_t>(dims_.lineLength()))))
        return false;
    for (int i = 0; i < F_; ++i)
        sor[i] = static_cast<std::uint8_t>(ki[i] - 1);
    for (int i = F_; i < dims_.lineLength(); ++i)
        sor[i] = static_cast<std::uint8_t>(ki[i] + nf_ - 1);
    poz = V_ - 1;
    return false;
}

// The first ordinal above u that pattern r matches (kNincsFelett when none).
std::uint64_t SorFeltetelTeszt::elsoTalalat(int r, std::uint64_t u) const
{
    const auto& ss = f_.SzamsorokFeltetel;
    const auto ri = static_cast<std::size_t>(r);
    const std::int64_t A = ss.MintaErtek[ri];
    if (A <= 0)
        return kNincsFelett;
    const auto a = static_cast<std::uint64_t>(A);
    if (!ss.MintaMod[ri])
        return (u / a + 1) * a;
    const std::int64_t B = ss.MintaMasolat[ri];
    if (B <= 0)
        return kNincsFelett;
    const auto b = static_cast<std::uint64_t>(B);
    const std::uint64_t q = (u + b - 1) / b;  // block of u
    if (q % a == 0 && u < q * b)
        return u + 1;
    const std::uint64_t q2 = (q / a + 1) * a;  // next matching block
    return (q2 - 1) * b + 1;
}

bool SorFeltetelTeszt::szamsorok(std::uint8_t* sor, std::int32_t& poz)
{
    const auto& ss = f_.SzamsorokFeltetel;
    std::uint8_t s[kMaxPoz];
    for (int i = 0; i < V_; ++i)
        s[i] = static_cast<std::uint8_t>(sor[i] + 1);
    const auto o = SzamsorSorszamaTV(std::span<std::uint8_t>(s, static_cast<std::size_t>(dims_.lineLength())), dims_);
    if (!o)
        return false;
    const std::uint64_t u = *o;
    auto i64 = [](std::int32_t v) { return static_cast<std::uint64_t>(std::max<std::int32_t>(v, 0)); };

    if (ss.Tartomany) {
        const int db = Korlat(ss.DbTartomany, 10);
        int dont = -1;
        std::uint64_t kov = kNincsFelett;  // smallest Elso above u
        for (int r = 0; r < db; ++r) {
            const auto ri = static_cast<std::size_t>(r);
            const std::uint64_t e = i64(ss.Elso[ri]), v = i64(ss.Utolso[ri]);
            if (e <= u && u <= v)
                dont = r;
            if (e > u)
                kov = std::min(kov, e);
        }
        const bool jo = dont >= 0 ? ss.Tipus[static_cast<std::size_t>(dont)] != 0 : TartomanyKivul;
        if (!jo) {
            if (bontTesztFut_)
                return false;
            if (dont >= 0) {
                // Every ordinal up to E lies in this range and in no later one
                // (a later range holding one of them would start above u).
                const std::uint64_t E = std::min(i64(ss.Utolso[static_cast<std::size_t>(dont)]), kov - 1);
                return u < E ? ugras(E, sor, poz) : false;
            }
            if (kov < kNincsFelett) {
                // Ordinals u+1 .. kov-1 lie outside every range as well.
                return kov - 1 > u ? ugras(kov - 1, sor, poz) : false;
            }
            // No range ahead: run the enumeration out.
            for (int i = 0; i < F_; ++i)
                sor[i] = maxErtek_[static_cast<std::size_t>(i)];
            poz = V_ - 1;
            return false;
        }
        TeljesultFeltetelek.SetAlFeltetel(AlBitSzamsorokTartomany);
    }
    if (ss.Sorozat) {
        const int db = Korlat(ss.DbMinta, 10);
        auto illeszkedik = [&](int r) {
            const auto ri = static_cast<std::size_t>(r);
            const std::int64_t A = ss.MintaErtek[ri];
            if (A <= 0)
                return false;
            if (!ss.MintaMod[ri])
                return u % static_cast<std::uint64_t>(A) == 0;
            const std::int64_t B = ss.MintaMasolat[ri];
            if (B <= 0)
                return false;
            const std::uint64_t q = (u + static_cast<std::uint64_t>(B) - 1) / static_cast<std::uint64_t>(B);
            return q % static_cast<std::uint64_t>(A) == 0;
        };
        int dont = -1;
        for (int r = 0; r < db; ++r)
            if (illeszkedik(r))
                dont = r;
        const bool jo = dont >= 0 ? ss.MintaTipus[static_cast<std::size_t>(dont)] != 0 : SorozatKivul;
        if (!jo) {
            if (bontTesztFut_)
                return false;
            if (dont >= 0) {
                const auto di = static_cast<std::size_t>(dont);
                if (!ss.MintaMod[di] || ss.MintaMasolat[di] <= 0)
                    return false;
                const auto B = static_cast<std::uint64_t>(ss.MintaMasolat[di]);
                std::uint64_t E = (u + B - 1) / B * B;  // last line of the block
                // A later searched pattern matching a line of the block would
                // accept it: stop before the first such line.
                for (int r = dont + 1; r < db; ++r)
                    if (ss.MintaTipus[static_cast<std::size_t>(r)] != 0)
                        E = std::min(E, elsoTalalat(r, u) - 1);
                E = std::min(E, ABSZ);
                return u < E ? ugras(E, sor, poz) : false;
            }
            // Lines before the next match of any pattern match none.
            std::uint64_t N = kNincsFelett;
            for (int r = 0; r < db; ++r) {
                const std::uint64_t w = elsoTalalat(r, u);
                if (w > u && w <= ABSZ)
                    N = std::min(N, w);
            }
            if (N < kNincsFelett && N - 1 > u)
                return ugras(N - 1, sor, poz);
            return false;
        }
        TeljesultFeltetelek.SetAlFeltetel(AlBitSzamsorokSorozat);
    }
    return true;
}

bool SorFeltetelTeszt::FeltVizsgalat(std::uint8_t* sor, std::int32_t& poz)
{
    const FeltetelRekordok& f = f_;
    const int F = F_, V = V_;

    // 1. Favourites.
    if (f.FavFeltetel.Allapot) {
        std::int32_t c = 0;
        for (int i = 0; i < F; ++i)
            c += (jel_[sor[i]] & JelzoFavorizalt) != 0;
        if (c < f.FavFeltetel.TalalatMin)
            return hiba(F - (f.FavFeltetel.TalalatMin - c), poz);
        if (c > f.FavFeltetel.TalalatMax)
            return hiba(F - (c - f.FavFeltetel.TalalatMax), poz);
        TeljesultFeltetelek.SetFeltetel(BitFav);
    }
    // 2. Constant numbers, over every position.
    if (f.AllandoFeltetel.Allapot) {
        std::int32_t c = 0;
        for (int i = 0; i < V; ++i) {
            c += (jel_[sor[i]] & JelzoAllando) != 0;
            if (c > f.AllandoFeltetel.Max)
                return hiba(i, poz);
        }
        if (c < f.AllandoFeltetel.Min)
            return hiba(V - (f.AllandoFeltetel.Min - c), poz);
        TeljesultFeltetelek.SetFeltetel(BitAllando);
    }
    // 3, 4. Mobile and fixed number groups (on selection positions).
    if (f.MobFeltetel.Allapot) {
        const int K = f.MobFeltetel.TalalatMax, W = f.MobFeltetel.Meret;
        for (int b = 0; K > 0 && b + K < F; ++b)
            if (sor[b + K] - sor[b] < W)
                return hiba(b + K, poz);
        TeljesultFeltetelek.SetFeltetel(BitMob);
    }
    if (f.FixFeltetel.Allapot) {
        const int K = f.FixFeltetel.TalalatMax, W = f.FixFeltetel.Meret;
        for (int b = 0; K > 0 && W > 0 && b + K < F; ++b)
            if (sor[b + K] / W == sor[b] / W)
                return hiba(b + K, poz);
        TeljesultFeltetelek.SetFeltetel(BitFix);
    }
    // 5. Number groups by selection position.
    if (f.SzamcsoportokFeltetel.Allapot) {
        const auto& r = f.SzamcsoportokFeltetel;
        for (int gi = 0; gi < Korlat(r.Db, 10); ++gi) {
            const auto& cs = r.Csoport[static_cast<std::size_t>(gi)];
            std::int32_t c = 0;
            for (int i = 0; i < F; ++i)
                c += sor[i] >= cs.ElsoIndex - 1 && sor[i] <= cs.UtolsoIndex - 1;
            if (c < cs.TalalatMin)
                return hiba(F - (cs.TalalatMin - c), poz);
            if (c > cs.TalalatMax)
                return hiba(F - (c - cs.TalalatMax), poz);
        }
        TeljesultFeltetelek.SetFeltetel(BitSzamcsoportok);
    }
    auto paros = [&](const TParosFeltetel& r, std::uint8_t bit, int maszkBit) {
        std::int32_t c = 0;
        for (int i = 0; i < F; ++i)
            c += (jel_[sor[i]] & bit) != 0;
        if (c < r.Min)
            return hiba(F - (r.Min - c), poz);
        if (c > r.Max)
            return hiba(F - (c - r.Max), poz);
        TeljesultFeltetelek.SetFeltetel(maszkBit);
        return true;
    };
    auto teteles = [&](const TTetelesFeltetel& r, const std::array<std::int32_t, kMaxIndex>& kulcs, int maszkBit) {
        for (int t = 0; t < Korlat(r.Db, 10); ++t) {
            const auto& tt = r.Tetel[static_cast<std::size_t>(t)];
            std::int32_t c = 0;
            for (int i = 0; i < F; ++i)
                c += kulcs[sor[i]] == tt.Kod;
            if (c < tt.TalalatMin)
                return hiba(F - (tt.TalalatMin - c), poz);
            if (c > tt.TalalatMax)
                return hiba(F - (c - tt.TalalatMax), poz);
        }
        TeljesultFeltetelek.SetFeltetel(maszkBit);
        return true;
    };
    std::int32_t kulcs[2 * kMaxPoz];
    // 6 - 8. Tens groups.
    if (f.SzcsParosFeltetel.Allapot && !paros(f.SzcsParosFeltetel, JelzoParosCsoport, BitSzcsParos))
        return false;
    if (f.SzcsIsmetFeltetel.Allapot) {
        for (int i = 0; i < F; ++i)
            kulcs[i] = tizes_[sor[i]];
        if (!ismet(kulcs, F, f.SzcsIsmetFeltetel, true, poz))
            return false;
        TeljesultFeltetelek.SetFeltetel(BitSzcsIsmet);
    }
    if (f.SzamcsoportTetelesFeltetel.Allapot && !teteles(f.SzamcsoportTetelesFeltetel, csoport_, BitSzamcsoportTeteles))
        return false;
    // 9 - 11. Last digits.
    if (f.SzvParosFeltetel.Allapot && !paros(f.SzvParosFeltetel, JelzoParos, BitSzvParos))
        return false;
    if (f.SzvIsmetFeltetel.Allapot) {
        for (int i = 0; i < F; ++i)
            kulcs[i] = egyes_[sor[i]];
        if (!ismet(kulcs, F, f.SzvIsmetFeltetel, true, poz))
            return false;
        TeljesultFeltetelek.SetFeltetel(BitSzvIsmet);
    }
    if (f.SzamvegzodesTetelesFeltetel.Allapot &&
        !teteles(f.SzamvegzodesTetelesFeltetel, vegzodes_, BitSzamvegzodesTeteles))
        return false;
    // 12, 14. Twins and primes, counted in position order.
    auto sorrendben = [&](const TMinMaxFeltetel& r, std::uint8_t bit, int maszkBit) {
        std::int32_t c = 0;
        for (int i = 0; i < F; ++i) {
            c += (jel_[sor[i]] & bit) != 0;
            if (c > r.Max)
                return hiba(i, poz);
        }
        if (c < r.Min)
            return hiba(F - (r.Min - c), poz);
        TeljesultFeltetelek.SetFeltetel(maszkBit);
        return true;
    };
    if (f.IkerszamFeltetel.Allapot && !sorrendben(f.IkerszamFeltetel, JelzoIker, BitIkerszam))
        return false;
    // 13. Mirror pairs: each number has at most one partner, so d - 1 free
    // positions add at most d - 1 pairs.
    if (f.TukorszamFeltetel.Allapot) {
        const auto& r = f.TukorszamFeltetel;
        std::int32_t c = 0;
        for (int b = 0; b < F; ++b) {
            if (!(jel_[sor[b]] & JelzoTukor))
                continue;
            for (int q = b + 1; q < F; ++q)
                if (tukor_[sor[q]] == sor[b]) {
                    ++c;
                    if (c > r.Max)
                        return hiba(F - (c - r.Max), poz);
                }
        }
        if (c < r.Min)
            return hiba(F - (r.Min - c), poz);
        TeljesultFeltetelek.SetFeltetel(BitTukorszam);
    }
    if (f.PrimszamFeltetel.Allapot && !sorrendben(f.PrimszamFeltetel, JelzoPrim, BitPrimszam))
        return false;
    // 15. Neighbouring numbers.
    if (f.SzomszedosFeltetel.Allapot && !szomszedos(sor, poz))
        return false;
    // 16 - 18. Digits.
    if (f.SzJParosFeltetel.Allapot) {
        std::int32_t c = 0;
        for (int i = 0; i < F; ++i) {
            const std::uint8_t m = jel_[sor[i]];
            c += (m & JelzoParos) != 0;
            c += szam_[sor[i]] > 9 && (m & JelzoParosCsoport);
        }
        if (!Bent(c, f.SzJParosFeltetel.Min, f.SzJParosFeltetel.Max))
            return false;
        TeljesultFeltetelek.SetFeltetel(BitSzJParos);
    }
    if (f.SzJIsmetFeltetel.Allapot) {
        for (int i = 0; i < F; ++i) {
            const std::uint8_t t = szj0_[sor[i]];
            // A one-digit number has no tens digit: a key no other entry has.
            kulcs[2 * i] = t == 255 ? 255 + 2 * i : t;
            kulcs[2 * i + 1] = szj1_[sor[i]];
        }
        if (!ismet(kulcs, 2 * F, f.SzJIsmetFeltetel, false, poz))
            return false;
        TeljesultFeltetelek.SetFeltetel(BitSzJIsmet);
    }
    if (f.SzJTetelesFeltetel.Allapot) {
        const auto& r = f.SzJTetelesFeltetel;
        for (int t = 0; t < Korlat(r.Db, 10); ++t) {
            const auto& tt = r.Tetel[static_cast<std::size_t>(t)];
            std::int32_t c = 0;
            for (int i = 0; i < F; ++i) {
                c += szj1_[sor[i]] == tt.Kod;
                c += szj0_[sor[i]] == tt.Kod;
                if (c > tt.TalalatMax)
                    return hiba(i, poz);
            }
            if (c < tt.TalalatMin)
                return false;
        }
        TeljesultFeltetelek.SetFeltetel(BitSzJTeteles);
    }
    // 19, 20. Sum and standard deviation.
    if (f.OsszegFeltetel.Allapot) {
        std::int32_t c = 0;
        for (int i = 0; i < F; ++i)
            c += szam_[sor[i]];
        if (!Bent(c, f.OsszegFeltetel.Min, f.OsszegFeltetel.Max))
            return false;
        TeljesultFeltetelek.SetFeltetel(BitOsszeg);
    }
    if (f.SzorasFeltetel.Allapot) {
        if (F < 2)
            return false;
        double atlag = 0;
        for (int i = 0; i < F; ++i)
            atlag += szam_[sor[i]];
        atlag /= F;
        double q = 0;
        for (int i = 0; i < F; ++i) {
            const double d = szam_[sor[i]] - atlag;
            q += d * d;
        }
        const double s = std::sqrt(q / (F - 1));
        if (s < static_cast<double>(f.SzorasFeltetel.Min) || s > static_cast<double>(f.SzorasFeltetel.Max))
            return false;
        TeljesultFeltetelek.SetFeltetel(BitSzoras);
    }
    // 21. Span.
    if (f.TerjedelemFeltetel.Allapot) {
        const auto& r = f.TerjedelemFeltetel;
        if (r.Fix) {
            for (int i = 0; i < F; ++i)
                if (!Bent(sor[i] + 1, r.FixMin, r.FixMax))
                    return false;
            TeljesultFeltetelek.SetAlFeltetel(AlBitTerjedelemFix);
        }
        if (r.Valtozo && F > 0) {
            std::int32_t lo = 255, hi = 0;
            for (int i = 0; i < F; ++i) {
                lo = std::min<std::int32_t>(lo, szam_[sor[i]]);
                hi = std::max<std::int32_t>(hi, szam_[sor[i]]);
            }
            if (!Bent(hi - lo, r.ValtozoMin, r.ValtozoMax))
                return false;
            TeljesultFeltetelek.SetAlFeltetel(AlBitTerjedelemValtozo);
        }
    }
    // 22. Gap patterns.
    if (f.SorozatFeltetel.Allapot) {
        const auto& r = f.SorozatFeltetel;
        std::int32_t R[kMaxPoz];
        rendez(sor, true, R);
        const int mintak = Korlat(sorozatSorrend_ ? r.MintaDbMax : r.DbMinta, 10);
        std::int32_t jelen = 0;
        for (int m = 0; m < mintak; ++m) {
            const auto& mt = r.Minta[static_cast<std::size_t>(m)];
            const std::int32_t lo = mt.TavolsagMin + 1, hi = mt.TavolsagMax + 1;
            // A pattern with no gap of its own (beyond the line) is not met.
            if (sorozatSorrend_ && (m + 1 >= F || !Bent(R[m + 1] - R[m], lo, hi)))
                return false;
            std::int32_t c = 0;
            for (int i = 0; i + 1 < F; ++i)
                c += Bent(R[i + 1] - R[i], lo, hi);
            if (!Bent(c, mt.EsetMin, mt.EsetMax))
                return false;
            jelen += c > 0;
        }
        if (!Bent(jelen, r.MintaDbMin, r.MintaDbMax))
            return false;
        TeljesultFeltetelek.SetFeltetel(BitSorozat);
    }
    // 23. Number sets per position.
    if (f.SzamkeszletFeltetel.Allapot) {
        const auto& r = f.SzamkeszletFeltetel;
        for (int i = 0; i < std::min(F, 11); ++i) {
            const auto ii = static_cast<std::size_t>(i);
            if (!Bent(sor[i], r.Elso[ii] - 1, r.Utolso[ii] - 1))
                return hiba(i, poz);
        }
        TeljesultFeltetelek.SetFeltetel(BitSzamkeszlet);
    }
    // 24. Line distribution.
    if (f.SzamsorokFeltetel.Allapot && (f.SzamsorokFeltetel.Tartomany || f.SzamsorokFeltetel.Sorozat) &&
        !szamsorok(sor, poz))
        return false;
    return true;
}

}  // namespace kvx
