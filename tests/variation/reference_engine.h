#pragma once
// A plain, slow transcription of the generation rules, used to check the
// engine: per-row 104-bit sets and per-number row lists for the covering
// test, a candidate-by-candidate lexicographic walk, the error-point and
// frequency drivers and the Találat option. No growth questions, no pause.
#include <cstdint>
#include <functional>
#include <algorithm>
#include <random>
#include <vector>

#include "common/arrays.h"
#include "variation/line_enumerator.h"

namespace kvx::ref {

using Sor = std::vector<std::uint8_t>;

// Per-line test: may set the restart position and rewrite the line.
using RefSzuro = std::function<bool(std::uint8_t* sor, std::int32_t& pozicio)>;

// The input of a plain run: n selected numbers, all of the main pool, k per
// line, h error points, nothing else set.
inline BontasBemenet Bemenet(int n, int k, int h)
{
    BontasBemenet b;
    b.KijeloltSzamDb = n;
    b.KijeloltFoSzamDb = n;
    b.VariacioMeret = k;
    b.VariacioFoMeret = k;
    b.Hibapont = h;
    return b;
}

struct RefEredmeny {
    std::vector<Sor> sorok;
    std::uint64_t TeljesultFeltetelekA = 0;
    std::int64_t jeloltek = 0;  // complete candidates examined
};


namespace detail {

class Referencia {
public:
    Referencia(const BontasBemenet& b, const RefSzuro& szuro) : b_(b), szuro_(szuro) {}

    RefEredmeny fut(const std::vector<Sor>& elozo);

private:
    bool tarol();
    bool hibapontosBontas();
    bool bontasGeneralas(bool egySor, bool& tarolt);
    void alapSor();
    void setTalaltAkt();
    bool variacioStart();
    bool gyakorisagi();

    const BontasBemenet& b_;
    const RefSzuro& szuro_;
    int k = 0, kf = 0, n = 0, nf = 0, h = 0;
    bool extra = false, teljes = false;
    std::vector<int> a, mn, mx;
    int FPozicio = 0, FHibapontMenet = 0, FTalalt_akt = 0;
    int TulirasAktMin = 0, TulirasAktMax = 0, TulirasSorozatAkt = 0;
    std::int64_t ABSZ = 0, kiserletek = 0;
    bool vege = false;
    std::vector<Sor> FBontasMatrix;
    std::vector<TSzamokHalmaz> FSorHalmazok;
    std::vector<std::vector<std::int32_t>> FSzamSorLista;
    RefEredmeny e;
    std::mt19937_64 gen;
};

inline bool Referencia::tarol()
{
    Sor s(a.begin(), a.end());
    TSzamokHalmaz hz;
    for (int v : a)
        hz.include(v);
    const auto r = static_cast<std::int32_t>(FBontasMatrix.size());
    FBontasMatrix.push_back(s);
    FSorHalmazok.push_back(hz);
    for (int v : a)
        FSzamSorLista[static_cast<std::size_t>(v)].push_back(r);
    if (static_cast<std::int64_t>(FBontasMatrix.size()) >= ABSZ) {
        FPozicio = -1;
        vege = true;
        return false;
    }
    return true;
}

inline bool Referencia::hibapontosBontas()
{
    if (b_.TulirasBont && b_.TulirasTeteles) {
        int db = 0;
        for (int r = static_cast<int>(FBontasMatrix.size()) - 1; r >= 0; --r) {
            int m = b_.Tuliras, kozos = 0;
            for (int j = 0; j < k; ++j) {
                if (FSorHalmazok[static_cast<std::size_t>(r)].contains(a[static_cast<std::size_t>(j)])) {
                    if (m < 1) {
                        FPozicio = j;
                        return false;
                    }
                    --m;
                    ++kozos;
                }
            }
            if (kozos == b_.Tuliras && ++db > TulirasAktMax)
                return false;
        }
        if (db < TulirasAktMin)
            return false;
        e.TeljesultFeltetelekA |= kTulirasTetelesBit;
        return true;
    }
    if (teljes) {
        // Random lines without covering: no repeated line.
        for (const Sor& s : FBontasMatrix)
            if (std::equal(s.begin(), s.end(), a.begin()))
                return false;
        return true;
    }
    const int T = FTalalt_akt;
    for (int i = (k - 1) - T; i >= 0; --i) {
        const auto& lista = FSzamSorLista[static_cast<std::size_t>(a[static_cast<std::size_t>(i)])];
        for (auto it = lista.rbegin(); it != lista.rend(); ++it) {
            const TSzamokHalmaz& hz = FSorHalmazok[static_cast<std::size_t>(*it)];
            int m = T;
            for (int j = 0; j < k; ++j) {
                if (hz.contains(a[static_cast<std::size_t>(j)])) {
                    if (m < 1) {
                        FPozicio = j;
                        return false;
                    }
                    --m;
                }
                if (j >= (k - 1) - m)
                    break;
            }
        }
    }
    return true;
}

inline bool Referencia::bontasGeneralas(bool egySor, bool& tarolt)
{
    tarolt = false;
    auto teszt = [&](std::int32_t& poz) {
        std::uint8_t s[kMaxVariacioMeret];
        for (int i = 0; i < k; ++i)
            s[i] = static_cast<std::uint8_t>(a[static_cast<std::size_t>(i)]);
        const bool ok = szuro_(s, poz);
        for (int i = 0; i < k; ++i)
            a[static_cast<std::size_t>(i)] = s[i];
        return ok;
    };
    if (b_.VeletlenSzamsorok) {
        kiserletek = 0;
        while (FPozicio >= 0) {
            if (kiserletek >= ABSZ)
                return true;
            ++kiserletek;
            std::uint8_t s[kMaxVariacioMeret];
            VeletlenSzamsor(gen, k, kf, nf, n, s);
            for (int i = 0; i < k; ++i)
                a[static_cast<std::size_t>(i)] = s[i];
            ++e.jeloltek;
            if (b_.FeltetelJelzo && szuro_ && !teszt(FPozicio))
                continue;
            if (!hibapontosBontas())
                continue;
            if (!tarol())
                return false;
        }
        return true;
    }
    while (FPozicio >= 0) {
        const int p = FPozicio;
        auto& x = a[static_cast<std::size_t>(p)];
        if (extra && x < mn[static_cast<std::size_t>(p)])
            x = mn[static_cast<std::size_t>(p)] - 1;
        if (x >= mx[static_cast<std::size_t>(p)]) {
            FPozicio = p - 1;
            continue;
        }
        ++x;
        if (p < k - 1) {
            a[static_cast<std::size_t>(p + 1)] = x;
            FPozicio = p + 1;
            continue;
        }
        ++e.jeloltek;
        if (b_.FeltetelJelzo && szuro_ && !teszt(FPozicio))
            continue;
        if (!teljes && !hibapontosBontas())
            continue;
        if (!tarol())
            return false;
        if (egySor) {
            tarolt = true;
            return false;
        }
    }
    return true;
}

inline void Referencia::alapSor()
{
    a = mn;
    a[static_cast<std::size_t>(k - 1)] -= 1;
}

inline void Referencia::setTalaltAkt()
{
    if (teljes)
        FTalalt_akt = k - 1;
    else if (b_.TulirasBont && !b_.TulirasTeteles)
        FTalalt_akt = b_.Tuliras;
    else
        FTalalt_akt = (k - 1) - h - FHibapontMenet;
}

inline bool Referencia::variacioStart()
{
    alapSor();
    if (teljes) {
        FPozicio = k - 1;
        setTalaltAkt();
        bool t;
        return bontasGeneralas(false, t);
    }
    while (FHibapontMenet >= 0) {
        FPozicio = k - 1;
        setTalaltAkt();
        bool t;
        if (!bontasGeneralas(false, t))
            return false;
        --FHibapontMenet;
        alapSor();
    }
    return true;
}

inline bool Referencia::gyakorisagi()
{
    const int felso = nf - kf;
    while (FHibapontMenet >= 0) {
        std::vector<std::vector<int>> csoport(static_cast<std::size_t>(felso + 1));
        std::vector<bool> aktiv(static_cast<std::size_t>(felso + 1), true);
        for (int g = 0; g <= felso; ++g) {
            auto& s = csoport[static_cast<std::size_t>(g)];
            s = mn;
            for (int i = 0; i < kf; ++i)
                s[static_cast<std::size_t>(i)] = g + i;
            s[static_cast<std::size_t>(k - 1)] -= 1;
        }
        setTalaltAkt();
        const int mx0 = mx[0];
        bool kor;
        do {
            kor = false;
            for (int g = 0; g <= felso; ++g) {
                if (!aktiv[static_cast<std::size_t>(g)])
                    continue;
                FPozicio = k - 1;
                mx[0] = g;
                a = csoport[static_cast<std::size_t>(g)];
                bool tarolt;
                const bool elfogyott = bontasGeneralas(true, tarolt);
                mx[0] = mx0;
                if (elfogyott) {
                    aktiv[static_cast<std::size_t>(g)] = false;
                } else if (tarolt) {
                    csoport[static_cast<std::size_t>(g)] = a;
                    kor = true;
                } else {
                    return false;
                }
            }
        } while (kor);
        --FHibapontMenet;
        if (teljes)
            break;
    }
    return true;
}

inline RefEredmeny Referencia::fut(const std::vector<Sor>& elozo)
{
    k = b_.VariacioMeret;
    kf = b_.VariacioFoMeret;
    n = b_.KijeloltSzamDb;
    nf = b_.KijeloltFoSzamDb;
    h = b_.Hibapont;
    extra = b_.VanPluszSzam && kf < k;
    mn.assign(static_cast<std::size_t>(k), 0);
    mx.assign(static_cast<std::size_t>(k), 0);
    for (int i = 0; i < kf; ++i) {
        mn[static_cast<std::size_t>(i)] = i;
        mx[static_cast<std::size_t>(i)] = nf - kf + i;
    }
    for (int i = kf; i < k; ++i) {
        mn[static_cast<std::size_t>(i)] = nf + (i - kf);
        mx[static_cast<std::size_t>(i)] = n - (k - kf) + (i - kf);
    }
    ABSZ = BontasABSZ(b_);
    gen.seed(b_.VeletlenMag);
    FSzamSorLista.assign(static_cast<std::size_t>(n), {});
    if (b_.BontasBovites) {
        for (const Sor& s : elozo) {
            a.assign(s.begin(), s.end());
            FBontasMatrix.push_back(s);
            TSzamokHalmaz hz;
            for (int v : a)
                hz.include(v);
            FSorHalmazok.push_back(hz);
            for (int v : a)
                FSzamSorLista[static_cast<std::size_t>(v)].push_back(static_cast<std::int32_t>(FBontasMatrix.size() - 1));
        }
    }
    teljes = h == 0 && !b_.BontasBovites && !b_.TulirasBont;
    TulirasAktMin = b_.TulirasTetelesMin;
    TulirasSorozatAkt = b_.TulirasTetelesMin;
    TulirasAktMax = b_.TulirasSorozat ? b_.TulirasTetelesMin : b_.TulirasTetelesMax;
    if (static_cast<std::int64_t>(FBontasMatrix.size()) < ABSZ) {
        for (;;) {
            FHibapontMenet = (b_.TulirasBont || b_.Optimalizalt) ? 0 : (k - 1) - h;
            if (b_.GyakorisagiEloszlas)
                gyakorisagi();
            else
                variacioStart();
            if (vege || !(b_.TulirasBont && b_.TulirasTeteles && b_.TulirasSorozat &&
                          TulirasSorozatAkt < b_.TulirasTetelesMax))
                break;
            ++TulirasAktMin;
            ++TulirasAktMax;
            ++TulirasSorozatAkt;
        }
    }
    e.sorok = FBontasMatrix;
    return e;
}

}  // namespace detail

// Runs a whole generation over `elozo` (the lines of an extension).
inline RefEredmeny RefFuttatas(const BontasBemenet& b, const std::vector<Sor>& elozo, const RefSzuro& szuro)
{
    detail::Referencia r(b, szuro);
    return r.fut(elozo);
}

}  // namespace kvx::ref
