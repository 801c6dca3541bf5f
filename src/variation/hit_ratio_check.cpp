#include "variation/hit_ratio_check.h"

#include <algorithm>

namespace kvx {

namespace {

struct Oszlopok {
    std::int32_t foElso = 0, foUtolso = -1, pluszElso = 0, pluszUtolso = -1;
};

// Columns of the first and the second drawing of a row.
Oszlopok ElsoHuzas(const GameParams& g)
{
    Oszlopok o;
    o.foElso = 3;
    o.foUtolso = g.ElsoHuzasFoSzamUtolsoOszlop;
    if (g.VanPluszSzam) {
        o.pluszElso = g.PluszSzamElsoOszlop;
        o.pluszUtolso = g.ElsoHuzasUtolsoOszlop;
    }
    return o;
}

Oszlopok MasodikHuzas(const GameParams& g)
{
    Oszlopok o;
    o.foElso = g.MasodikHuzasOszlop;
    o.foUtolso = g.FoSzamUtolsoOszlop;
    return o;
}

bool VanMasodik(const GameParams& g, const TTombInt1D& sor)
{
    return g.TobbSorsolas && g.MasodikHuzasOszlop > 0 &&
           static_cast<std::size_t>(g.MasodikHuzasOszlop) < sor.size() &&
           sor[static_cast<std::size_t>(g.MasodikHuzasOszlop)] > 0;
}

template <class F>
void Cellak(const TTombInt1D& sor, std::int32_t elso, std::int32_t utolso, F&& f)
{
    const std::int32_t vege = std::min<std::int32_t>(utolso, static_cast<std::int32_t>(sor.size()) - 1);
    for (std::int32_t c = std::max(elso, 0); c <= vege; ++c) {
        const std::int32_t v = sor[static_cast<std::size_t>(c)];
        if (v > 0 && v < 256)
            f(v);
    }
}

// The rows of range r as 0-based [elso, vege), bounded by the draws table.
void Sorok(const TTalalatiAranyFeltetel& r, std::size_t i, std::int32_t huzasokSzama, std::int32_t& elso,
           std::int32_t& vege)
{
    elso = std::clamp(r.ElsoHuzas[i] - 1, 0, huzasokSzama);
    vege = std::clamp(r.UtolsoHuzas[i], 0, huzasokSzama);
    if (vege < elso)
        vege = elso;
}

std::uint8_t Also(std::int32_t lo) { return static_cast<std::uint8_t>(std::clamp(lo, 0, 255)); }

}  // namespace

void TalalatiAranyTeszt::Elokeszites(const TTalalatiAranyFeltetel& r, const DrawsState& d, const GameParams& g,
                                     std::span<const std::uint8_t> kijeloltSzamok, std::int32_t kijeloltFoSzamDb,
                                     std::int32_t variacioMeret, std::int32_t variacioFoMeret)
{
    TeljesultFeltetelek.Torles();
    k_ = std::clamp(variacioMeret, 0, 32);
    kf_ = std::clamp(variacioFoMeret, 0, k_);
    n_ = static_cast<int>(std::min<std::size_t>(kijeloltSzamok.size(), 256));
    pluszSzamlalas_ = g.VanPluszSzam;
    utolsoFo_ = kf_ == k_;

    // Number -> selection index, sized from the values the lines can hold.
    std::array<std::int16_t, 256> index;
    index.fill(-1);
    for (int i = 0; i < n_; ++i)
        index[kijeloltSzamok[static_cast<std::size_t>(i)]] = static_cast<std::int16_t>(i);

    const std::int32_t sorDb = std::clamp<std::int32_t>(d.HuzasokSzama, 0, static_cast<std::int32_t>(d.Huzasok.size()));
    std::vector<std::int32_t> sorKezdet(static_cast<std::size_t>(sorDb) + 1, 0);
    E_ = 0;
    for (std::int32_t s = 0; s < sorDb; ++s) {
        sorKezdet[static_cast<std::size_t>(s)] = E_;
        E_ += 1 + (VanMasodik(g, d.Huzasok[static_cast<std::size_t>(s)]) ? 1 : 0);
    }
    sorKezdet[static_cast<std::size_t>(sorDb)] = E_;

    inc_.assign(static_cast<std::size_t>(n_) * static_cast<std::size_t>(E_), 0);
    huzasHalmaz_.assign(static_cast<std::size_t>(E_), IndexHalmaz{});
    const Oszlopok o1 = ElsoHuzas(g), o2 = MasodikHuzas(g);
    auto jelol = [&](std::int32_t e, std::int32_t v) {
        const int i = index[static_cast<std::size_t>(v)];
        if (i < 0)
            return;
        inc_[static_cast<std::size_t>(i) * static_cast<std::size_t>(E_) + static_cast<std::size_t>(e)] = 1;
        huzasHalmaz_[static_cast<std::size_t>(e)].be(i);
    };
    for (std::int32_t s = 0; s < sorDb; ++s) {
        const TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(s)];
        std::int32_t e = sorKezdet[static_cast<std::size_t>(s)];
        Cellak(sor, o1.foElso, o1.foUtolso, [&](std::int32_t v) { jelol(e, v); });
        Cellak(sor, o1.pluszElso, o1.pluszUtolso, [&](std::int32_t v) { jelol(e, v); });
        if (VanMasodik(g, sor)) {
            ++e;
            Cellak(sor, o2.foElso, o2.foUtolso, [&](std::int32_t v) { jelol(e, v); });
        }
    }

    eSor_.assign(static_cast<std::size_t>(E_), 0);
    eMasodik_.assign(static_cast<std::size_t>(E_), 0);
    kijFo_.assign(static_cast<std::size_t>(E_), 0);
    kijPlusz_.assign(static_cast<std::size_t>(E_), 0);
    for (std::int32_t s = 0; s < sorDb; ++s)
        for (std::int32_t e = sorKezdet[static_cast<std::size_t>(s)]; e < sorKezdet[static_cast<std::size_t>(s) + 1]; ++e) {
            eSor_[static_cast<std::size_t>(e)] = s;
            eMasodik_[static_cast<std::size_t>(e)] = e > sorKezdet[static_cast<std::size_t>(s)];
        }
    foMaszk_ = IndexHalmaz{};
    const int nf = std::clamp<int>(kijeloltFoSzamDb, 0, n_);
    for (int i = 0; i < nf; ++i)
        foMaszk_.be(i);
    for (std::int32_t e = 0; e < E_; ++e)
        for (std::size_t q = 0; q < 4; ++q) {
            const std::uint64_t h = huzasHalmaz_[static_cast<std::size_t>(e)].w[q];
            kijFo_[static_cast<std::size_t>(e)] += static_cast<std::uint8_t>(__builtin_popcountll(h & foMaszk_.w[q]));
            kijPlusz_[static_cast<std::size_t>(e)] += static_cast<std::uint8_t>(__builtin_popcountll(h & ~foMaszk_.w[q]));
        }
    masodikOszlop_ = g.MasodikHuzasOszlop;
    FHuzasTarolva.assign(static_cast<std::size_t>(sorDb), {0, 0});
    tarolo_ = nullptr;

    listaKezdet_.assign(static_cast<std::size_t>(n_) + 1, 0);
    lista_.clear();
    for (int i = 0; i < n_; ++i) {
        listaKezdet_[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(lista_.size());
        const std::uint8_t* sor = inc_.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(E_);
        for (std::int32_t e = 0; e < E_; ++e)
            if (sor[e])
                lista_.push_back(e);
    }
    listaKezdet_[static_cast<std::size_t>(n_)] = static_cast<std::int32_t>(lista_.size());

    tart_.clear();
    for (int t = 0; t < std::clamp(r.DbTartomany, 0, 10); ++t) {
        const auto ti = static_cast<std::size_t>(t);
        Tartomany x;
        x.keresett = r.Tipus[ti] != 0;
        x.lo = r.TalalatMin[ti];
        x.hi = r.TalalatMax[ti];
        x.pbLo = pluszSzamlalas_ ? r.PBMin[ti] : 0;
        x.pbHi = pluszSzamlalas_ ? r.PBMax[ti] : 255;
        std::int32_t s0, s1;
        Sorok(r, ti, sorDb, s0, s1);
        x.elso = sorKezdet[static_cast<std::size_t>(s0)];
        x.vege = sorKezdet[static_cast<std::size_t>(s1)];
        tart_.push_back(x);
    }

    const std::size_t szintek = static_cast<std::size_t>(std::max(k_ - 1, 0));
    foSzint_.assign(szintek * static_cast<std::size_t>(E_), 0);
    pluszSzint_.assign(kf_ < k_ ? szintek * static_cast<std::size_t>(E_) : 0, 0);
    nulla_.assign(static_cast<std::size_t>(E_), 0);
    elozo_.fill(0);
    ervenyes_ = -1;
    halmazKesz_ = false;
    vanVizsgalt_ = true;
}

std::vector<TiltottReszhalmazok> TalalatiAranyTeszt::KizartElotagokAtvetele()
{
    std::vector<TiltottReszhalmazok> ki;
    if (tarolo_ || k_ == 0 || n_ == 0)
        return ki;
    for (Tartomany& t : tart_) {
        if (t.keresett || t.atadva)
            continue;
        // Every main hit count from lo up is met, whatever the extra hits.
        const bool pluszMindegy = !pluszSzamlalas_ || (t.pbLo <= 0 && t.pbHi >= k_ - kf_);
        if (t.lo < 1 || t.lo > kf_ || t.hi < kf_ || !pluszMindegy)
            continue;
        auto it = std::find_if(ki.begin(), ki.end(), [&](const TiltottReszhalmazok& x) { return x.rend == t.lo; });
        if (it == ki.end()) {
            ki.push_back(TiltottReszhalmazok{t.lo, kf_, {}});
            it = ki.end() - 1;
        }
        for (std::int32_t e = t.elso; e < t.vege; ++e) {
            std::vector<std::uint8_t> h;
            const IndexHalmaz& d = huzasHalmaz_[static_cast<std::size_t>(e)];
            for (int i = 0; i < n_; ++i)
                if (d.van(i) && foMaszk_.van(i))
                    h.push_back(static_cast<std::uint8_t>(i));
            if (static_cast<int>(h.size()) >= t.lo)
                it->halmazok.push_back(std::move(h));
        }
        t.atadva = true;
    }
    vanVizsgalt_ = std::any_of(tart_.begin(), tart_.end(), [](const Tartomany& t) { return !t.atadva; });
    return ki;
}

void TalalatiAranyTeszt::szintFrissites(int j, const std::uint8_t* sor)
{
    const std::size_t E = static_cast<std::size_t>(E_);
    const std::size_t ju = static_cast<std::size_t>(j);
    const std::uint8_t* sor0 = inc_.data() + static_cast<std::size_t>(std::min<int>(sor[j], n_ - 1)) * E;
    const std::uint8_t* eloFo = j == 0 ? nulla_.data() : foSzint_.data() + (ju - 1) * E;
    std::uint8_t* fo = foSzint_.data() + ju * E;
    if (kf_ < k_) {
        const std::uint8_t* eloPlusz = j == 0 ? nulla_.data() : pluszSzint_.data() + (ju - 1) * E;
        std::uint8_t* plusz = pluszSzint_.data() + ju * E;
        if (j < kf_) {
            for (std::size_t e = 0; e < E; ++e)
                fo[e] = static_cast<std::uint8_t>(eloFo[e] + sor0[e]);
            std::copy(eloPlusz, eloPlusz + E, plusz);
        } else {
            std::copy(eloFo, eloFo + E, fo);
            for (std::size_t e = 0; e < E; ++e)
                plusz[e] = static_cast<std::uint8_t>(eloPlusz[e] + sor0[e]);
        }
    } else {
        for (std::size_t e = 0; e < E; ++e)
            fo[e] = static_cast<std::uint8_t>(eloFo[e] + sor0[e]);
    }
}

void TalalatiAranyTeszt::tartomanyHalmaz(Tartomany& t)
{
    t.teljesul = IndexHalmaz{};
    if (t.hi < t.lo || t.pbHi < t.pbLo || t.hi < 0 || t.pbHi < 0 || t.lo > 255 || t.pbLo > 255)
        return;  // no hit count can meet the rule
    const std::size_t E = static_cast<std::size_t>(E_);
    const std::size_t utolsoSzint = static_cast<std::size_t>(k_ - 2);
    const std::uint8_t* pm = k_ >= 2 ? foSzint_.data() + utolsoSzint * E : nulla_.data();
    const std::uint8_t* pp = (k_ >= 2 && kf_ < k_) ? pluszSzint_.data() + utolsoSzint * E : nulla_.data();
    const std::uint8_t lo = Also(t.lo), w = static_cast<std::uint8_t>(std::min(t.hi - lo, 255));
    const std::uint8_t plo = Also(t.pbLo), pw = static_cast<std::uint8_t>(std::min(t.pbHi - plo, 255));
    const std::uint8_t fo1 = utolsoFo_ ? 1 : 0, plusz1 = utolsoFo_ ? 0 : 1;
    IndexHalmaz U, I;
    I.w.fill(~std::uint64_t{0});
    bool van0 = false;
    auto alkalmaz = [&](int e) {
        const std::uint8_t m = pm[e], p = pp[e];
        const bool b0 = static_cast<std::uint8_t>(m - lo) <= w && static_cast<std::uint8_t>(p - plo) <= pw;
        const bool b1 = static_cast<std::uint8_t>(m + fo1 - lo) <= w &&
                        static_cast<std::uint8_t>(p + plusz1 - plo) <= pw;
        const IndexHalmaz& h = huzasHalmaz_[static_cast<std::size_t>(e)];
        if (b1)
            for (std::size_t q = 0; q < 4; ++q)
                U.w[q] |= h.w[q];
        if (b0) {
            van0 = true;
            for (std::size_t q = 0; q < 4; ++q)
                I.w[q] &= h.w[q];
        }
    };
    auto lezar = [&] {
        for (std::size_t q = 0; q < 4; ++q)
            t.teljesul.w[q] = U.w[q] | (van0 ? ~I.w[q] : 0);
    };
    // When the rule needs kell >= 1 main hits from the prefix, only the
    // drawings holding kell of its main numbers can meet it, and each of them
    // holds one of the first prefixFo - kell + 1: walk their lists instead of
    // every drawing (a drawing met twice changes nothing).
    const int prefixFo = std::min(kf_, k_ - 1);
    const int kell = t.lo - fo1;
    if (kell >= 1 && prefixFo >= 1) {
        for (int j = 0; j < prefixFo - kell + 1; ++j) {
            const auto i = static_cast<std::size_t>(elozo_[static_cast<std::size_t>(j)]);
            if (i >= static_cast<std::size_t>(n_))
                continue;
            const std::int32_t* a = lista_.data() + listaKezdet_[i];
            const std::int32_t* b = lista_.data() + listaKezdet_[i + 1];
            a = std::lower_bound(a, b, t.elso);
            for (; a != b && *a < t.vege; ++a) {
                const int e = *a;
                if (pm[e] + fo1 >= t.lo)
                    alkalmaz(e);
            }
        }
        lezar();
        return;
    }
    constexpr int kBlokk = 64;
    for (int b = t.elso; b < t.vege; b += kBlokk) {
        const int vege = std::min(b + kBlokk, t.vege);
        // Most blocks hold no drawing within reach of the rule: a branch-free
        // pass finds them.
        std::uint8_t barmely = 0;
        for (int e = b; e < vege; ++e) {
            const std::uint8_t m = pm[e], p = pp[e];
            const std::uint8_t b0 = static_cast<std::uint8_t>(m - lo) <= w && static_cast<std::uint8_t>(p - plo) <= pw;
            const std::uint8_t b1 = static_cast<std::uint8_t>(m + fo1 - lo) <= w &&
                                    static_cast<std::uint8_t>(p + plusz1 - plo) <= pw;
            barmely |= static_cast<std::uint8_t>(b0 | b1);
        }
        if (!barmely)
            continue;
        for (int e = b; e < vege; ++e)
            alkalmaz(e);
    }
    lezar();
}

bool TalalatiAranyTeszt::FeltVizsgTalalatiArany(const std::uint8_t* sor)
{
    if (k_ == 0 || n_ == 0)
        return false;  // no line can be formed
    if (!vanVizsgalt_) {
        // The enumerator has applied every range already.
        TeljesultFeltetelek.SetFeltetel(BitTalalatiArany);
        return true;
    }
    const int utolsoSzint = k_ - 2;
    int d = 0;
    while (d <= ervenyes_ && sor[d] == elozo_[static_cast<std::size_t>(d)])
        ++d;
    if (d <= utolsoSzint) {
        for (int j = d; j <= utolsoSzint; ++j) {
            szintFrissites(j, sor);
            elozo_[static_cast<std::size_t>(j)] = sor[j];
        }
        ervenyes_ = utolsoSzint;
        halmazKesz_ = false;
    }
    if (!halmazKesz_) {
        for (Tartomany& t : tart_)
            if (!t.atadva)
                tartomanyHalmaz(t);
        halmazKesz_ = true;
    }
    const int x = sor[k_ - 1];
    for (const Tartomany& t : tart_)
        if (!t.atadva && t.teljesul.van(x) != t.keresett)
            return false;
    TeljesultFeltetelek.SetFeltetel(BitTalalatiArany);
    return true;
}

void TalalatiAranyTeszt::HuzasModBeallitas(HuzasTarolo tarolo)
{
    tarolo_ = std::move(tarolo);
}

bool TalalatiAranyTeszt::FeltVizsgTalalatiArany(const std::uint8_t* sor, std::int32_t& poz)
{
    if (tarolo_)
        return huzasMod(sor, poz);
    return FeltVizsgTalalatiArany(sor);
}

// Draw mode: every range is run; a drawing meeting the rule is stored while
// its counter is 0 and it holds no more selected numbers than the rule
// allows. The answer is always false (the candidate is never stored).
bool TalalatiAranyTeszt::huzasMod(const std::uint8_t* sor, std::int32_t& poz)
{
    IndexHalmaz L;
    for (int i = 0; i < k_; ++i)
        L.be(sor[i]);
    for (const Tartomany& t : tart_) {
        for (std::int32_t e = t.elso; e < t.vege; ++e) {
            const auto eu = static_cast<std::size_t>(e);
            auto& szamlalo = FHuzasTarolva[static_cast<std::size_t>(eSor_[eu])][eMasodik_[eu]];
            if (szamlalo != 0)
                continue;  // examining it again cannot store it again
            std::int32_t fo = 0, plusz = 0;
            for (std::size_t q = 0; q < 4; ++q) {
                const std::uint64_t h = huzasHalmaz_[eu].w[q] & L.w[q];
                fo += __builtin_popcountll(h & foMaszk_.w[q]);
                plusz += __builtin_popcountll(h & ~foMaszk_.w[q]);
            }
            const bool teljesul = fo >= t.lo && fo <= t.hi && (!pluszSzamlalas_ || eMasodik_[eu] ||
                                                               (plusz >= t.pbLo && plusz <= t.pbHi));
            if (!teljesul || kijFo_[eu] > t.hi || (pluszSzamlalas_ && !eMasodik_[eu] && kijPlusz_[eu] > t.pbHi))
                continue;
            TeljesultFeltetelek.SetFeltetel(BitTalalatiArany);
            if (!tarolo_(eSor_[eu], eMasodik_[eu] ? masodikOszlop_ : 3)) {
                poz = -1;  // the store is full: the run ends
                return false;
            }
            ++szamlalo;
        }
    }
    return false;
}

bool TalalatiAranyEgyszeru(const TTalalatiAranyFeltetel& r, const DrawsState& d, const GameParams& g,
                           std::span<const std::uint8_t> kijeloltSzamok, std::span<const std::uint8_t> sor,
                           std::int32_t variacioFoMeret)
{
    (void)variacioFoMeret;
    IndexHalmaz szamok;  // the numbers of the line
    for (std::uint8_t i : sor)
        if (i < kijeloltSzamok.size())
            szamok.be(kijeloltSzamok[i]);
    const std::int32_t sorDb = std::clamp<std::int32_t>(d.HuzasokSzama, 0, static_cast<std::int32_t>(d.Huzasok.size()));
    const Oszlopok o1 = ElsoHuzas(g), o2 = MasodikHuzas(g);
    for (int t = 0; t < std::clamp(r.DbTartomany, 0, 10); ++t) {
        const auto ti = static_cast<std::size_t>(t);
        std::int32_t s0, s1;
        Sorok(r, ti, sorDb, s0, s1);
        auto teljesul = [&](std::int32_t fo, std::int32_t plusz) {
            return fo >= r.TalalatMin[ti] && fo <= r.TalalatMax[ti] &&
                   (!g.VanPluszSzam || (plusz >= r.PBMin[ti] && plusz <= r.PBMax[ti]));
        };
        bool elerte = false;
        for (std::int32_t s = s0; s < s1 && !elerte; ++s) {
            const TTombInt1D& h = d.Huzasok[static_cast<std::size_t>(s)];
            std::int32_t fo = 0, plusz = 0;
            Cellak(h, o1.foElso, o1.foUtolso, [&](std::int32_t v) { fo += szamok.van(v); });
            Cellak(h, o1.pluszElso, o1.pluszUtolso, [&](std::int32_t v) { plusz += szamok.van(v); });
            if (teljesul(fo, plusz)) {
                elerte = true;
                break;
            }
            if (VanMasodik(g, h)) {
                fo = 0;
                Cellak(h, o2.foElso, o2.foUtolso, [&](std::int32_t v) { fo += szamok.van(v); });
                elerte = teljesul(fo, 0);
            }
        }
        if (elerte != (r.Tipus[ti] != 0))
            return false;
    }
    return true;
}

}  // namespace kvx
