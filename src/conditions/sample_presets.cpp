#include "conditions/sample_presets.h"

#include "common/numbering.h"

#include <algorithm>

namespace kvx {

namespace {

std::int32_t at(const TTombInt1D& v, std::int32_t i)
{
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? v[static_cast<std::size_t>(i)] : 0;
}

// Fixed number groups: blocks [1..i], [i+1..2i], ... of the pool; the block
// size with the fewest numbers of the example per block length wins.
void fixCsoport(TCsoportFeltetel& c, const TTombInt1D& L, std::int32_t m, std::int32_t v, std::int32_t N)
{
    c.Allapot = 0;
    c.Meret = 1;
    c.TalalatMax = 1;
    for (std::int32_t i = m; i <= N / 2; ++i) {
        const std::int32_t blokkok = N / i;
        std::int32_t legtobb = 0;
        std::int32_t utolso = 0;
        for (std::int32_t b = 0; b < blokkok; ++b) {
            std::int32_t db = 0;
            for (std::int32_t k = 0; k < m; ++k) {
                const std::int32_t n = at(L, k);
                if (n > b * i && n <= (b + 1) * i)
                    ++db;
            }
            legtobb = std::max(legtobb, db);
            if (b == blokkok - 1)
                utolso = db;
        }
        if (legtobb == 0)
            continue;
        for (std::int32_t j = 0; j <= v - legtobb - 1; ++j)
            if (at(L, j) / i == at(L, j + legtobb) / i)
                utolso = 0;
        if (utolso > 0 && static_cast<double>(i) / legtobb > static_cast<double>(c.Meret) / c.TalalatMax) {
            c.Meret = i;
            c.TalalatMax = legtobb;
            c.Allapot = 1;
        }
    }
    if (c.Meret == 1 || c.TalalatMax >= v)
        c.Allapot = 0;
}

void mobilCsoport(TCsoportFeltetel& c, const TTombInt1D& L, std::int32_t m, std::int32_t N, std::int32_t T)
{
    // First candidate: the smallest gap of neighbouring numbers, one number each.
    TCsoportFeltetel elso;
    elso.Allapot = 1;
    elso.Meret = N / 2;
    elso.TalalatMax = 1;
    for (std::int32_t i = 0; i + 1 < m; ++i) {
        const std::int32_t d = at(L, i + 1) - at(L, i);
        elso.Meret = std::min(elso.Meret, d);
        if (d == 1)
            elso.Allapot = 0;
    }
    // Second: the narrowest window holding m - T + 1 of the numbers.
    c.Allapot = 1;
    c.Meret = N;
    c.TalalatMax = elso.TalalatMax;
    const std::int32_t h = m - T;
    std::int32_t legkisebb = N + 1;
    for (std::int32_t j = 0; j < T; ++j)
        legkisebb = std::min(legkisebb, at(L, h + j) - at(L, j));
    for (std::int32_t i = 0; i < T; ++i) {
        const std::int32_t s = at(L, h + i) - at(L, i);
        if (s <= c.Meret && s <= legkisebb) {
            c.Meret = s;
            c.TalalatMax = h;
            if (c.TalalatMax == c.Meret)
                c.Allapot = 0;
        }
    }
    if (c.Allapot != 0) {
        const std::optional<std::int64_t> C = BinomalisEgyutthato(c.Meret, c.TalalatMax);
        if (C && c.Meret < *C && std::int64_t{h} * elso.Meret >= c.Meret) {
            c.Meret = elso.Meret;
            c.TalalatMax = elso.TalalatMax;
        }
    } else {
        c = elso;
        c.Allapot = 0;
    }
}

void favorizalt(TFavFeltetel& f, const TTombInt1D& L, std::int32_t m, std::int32_t T)
{
    f.Allapot = 0;
    f.ElsoIndex = 1;
    f.UtolsoIndex = 3;
    f.TalalatMin = 1;
    f.TalalatMax = 2;
    double legjobb = 100.0;
    const std::int32_t h = m - T;
    const std::int32_t felso = std::min(T >= 3 ? 5 - T : 1, T - 1);
    for (std::int32_t i = 0; i <= felso; ++i) {
        const std::int32_t s = at(L, h + i) - at(L, i);
        const double arany = static_cast<double>(s) / (h + 1);
        if (s > h && arany < legjobb) {
            f.ElsoIndex = at(L, i);
            f.UtolsoIndex = at(L, h + i);
            f.TalalatMin = f.TalalatMax = h + 1;
            f.Allapot = 1;
            legjobb = arany;
        }
    }
}

void ismetles(TIsmetFeltetel& r, std::int32_t csoportDb, std::int32_t osszes, std::int32_t egy, std::int32_t v)
{
    r.Allapot = 1;
    r.Szama = csoportDb < 2 ? 1 : 0;
    r.CsakTobb = 0;
    r.Min = r.Max = v - 2 < osszes ? egy : osszes;
}

// Hits of the example's main numbers among the main numbers of one drawing.
std::int32_t talalat(const TTombInt1D& sor, std::size_t c0, std::int32_t db, const TTombInt1D& L, std::int32_t m)
{
    std::int32_t t = 0;
    for (std::int32_t k = 0; k < db; ++k) {
        const std::size_t c = c0 + static_cast<std::size_t>(k);
        if (c >= sor.size() || sor[c] == 0)
            continue;
        for (std::int32_t j = 0; j < m; ++j)
            if (at(L, j) == sor[c])
                ++t;
    }
    return t;
}

void talalatiArany(TTalalatiAranyFeltetel& t, const FeltetelRekordok& f, const GameParams& g, const PeldaBemenet& b,
                   std::int32_t m)
{
    const bool van = b.Huzasok && b.Huzasok->AdatbazisBetoltve;
    if (!van || b.UtolsoHuzas < 3) {
        t.Allapot = 0;
        return;
    }
    t = f.TalalatiAranyFeltetel;
    t.Allapot = 1;
    t.DbTartomany = 1;
    t.AktTartomany = 0;
    t.ElsoHuzas[0] = 1;
    t.UtolsoHuzas[0] = b.UtolsoHuzas;
    t.Forras = 0;
    t.Tipus[0] = 0;
    t.PBMin[0] = 0;
    t.PBMax[0] = g.VanPluszSzam ? g.PluszSzamDb : 0;
    std::int32_t legtobb = 0;
    const std::int32_t utolso = std::min(b.UtolsoHuzas, b.Huzasok->HuzasokSzama);
    for (std::int32_t r = 0; r < utolso; ++r) {
        const TTombInt1D& sor = b.Huzasok->Huzasok[static_cast<std::size_t>(r)];
        legtobb = std::max(legtobb, talalat(sor, 3, g.HuzottFoSzamokPluszNelkul, b.L, m));
        if (g.TobbSorsolas)
            legtobb = std::max(legtobb, talalat(sor, static_cast<std::size_t>(g.MasodikHuzasOszlop),
                                                g.HuzottFoSzamokPluszNelkul, b.L, m));
    }
    t.TalalatMax[0] = legtobb;
    if (legtobb < m - 1) {
        // Lines that beat the example's best hit are left out.
        t.TalalatMin[0] = legtobb + 1;
        t.TalalatMax[0] = m;
    } else {
        t.Tipus[0] = 1;
        t.TalalatMin[0] = legtobb == m ? m - 1 : legtobb;
    }
}

}  // namespace

TTombInt1D PeldaHuzasSzamai(const TTombInt1D& sor, const GameParams& g, std::int32_t oszlop,
                            const PeldaVeletlen& veletlen)
{
    const bool kenoResz = g.KenoJatek && g.SzamsorHossz < g.HuzottFoSzamok;
    const std::int32_t db = kenoResz ? g.HuzottFoSzamok : g.SzamsorHossz;
    TTombInt1D huzott;
    for (std::int32_t k = 0; k < db; ++k) {
        const std::int32_t n = at(sor, oszlop + k);
        if (n > 0)
            huzott.push_back(n);
    }
    if (!kenoResz)
        return huzott;
    // Each pick comes from the numbers not chosen yet, so it always ends.
    TTombInt1D ki;
    for (std::int32_t i = 0; i < g.SzamsorHossz && !huzott.empty(); ++i) {
        const auto n = static_cast<std::int32_t>(huzott.size());
        const std::int32_t j = std::clamp<std::int32_t>(veletlen(n), 0, n - 1);
        ki.push_back(huzott[static_cast<std::size_t>(j)]);
        huzott.erase(huzott.begin() + j);
    }
    std::sort(ki.begin(), ki.end());
    return ki;
}

bool PeldaCsoportokNelkul(const GameParams& g)
{
    return g.LottoIndex == 15 || g.LottoIndex == 16;
}

void PeldaBeallitasok(FeltetelRekordok& f, const GameParams& g, const PeldaBemenet& b)
{
    const TTombInt1D& L = b.L;
    const std::int32_t m = g.SzamsorFoSzamDb;
    const std::int32_t v = b.VariacioFoMeret;
    const std::int32_t N = g.FoSzamKeszlet;
    const std::int32_t T = g.TalalatKuszob;
    static const SzamJelzok ures;
    const SzamJelzok& j = b.Jelzok ? *b.Jelzok : ures;

    if (!PeldaCsoportokNelkul(g)) {
        fixCsoport(f.FixFeltetelPelda, L, m, v, N);
        mobilCsoport(f.MobFeltetelPelda, L, m, N, T);
        favorizalt(f.FavFeltetelPelda, L, m, T);
    } else {
        f.FixFeltetelPelda.Allapot = 0;
        f.MobFeltetelPelda.Allapot = 0;
        f.FavFeltetelPelda.Allapot = 0;
    }
    f.SzcsParosFeltetelPelda.Allapot = 1;
    f.SzcsParosFeltetelPelda.Min = f.SzcsParosFeltetelPelda.Max = j.SzcsParosUD;
    ismetles(f.SzcsIsmetFeltetelPelda, j.SzcsIsmetCsoportDb, j.SzcsIsmetOsszes, j.SzcsIsmetEgy, v);
    talalatiArany(f.TalalatiAranyFeltetelPelda, f, g, b, m);
    f.SzvParosFeltetelPelda.Allapot = 1;
    f.SzvParosFeltetelPelda.Min = f.SzvParosFeltetelPelda.Max = j.SzvParosUD;
    ismetles(f.SzvIsmetFeltetelPelda, j.SzvIsmetCsoportDb, j.SzvIsmetOsszes, j.SzvIsmetEgy, v);
    std::int32_t osszeg = 0;
    for (std::uint8_t n : j.RendezettSzamok)
        if (n <= N)
            osszeg += n;
    f.OsszegFeltetelPelda.Allapot = 1;
    f.OsszegFeltetelPelda.Min = f.OsszegFeltetelPelda.Max = osszeg;
    f.IkerszamFeltetelPelda.Allapot = 1;
    f.IkerszamFeltetelPelda.Min = f.IkerszamFeltetelPelda.Max = j.IkerszamMaxUD;
    f.TukorszamFeltetelPelda.Allapot = 1;
    f.TukorszamFeltetelPelda.Min = f.TukorszamFeltetelPelda.Max = j.TukorszamMaxUD;
}

void PeldaMasolas(FeltetelRekordok& f)
{
    f.FixFeltetel = f.FixFeltetelPelda;
    f.MobFeltetel = f.MobFeltetelPelda;
    f.FavFeltetel = f.FavFeltetelPelda;
    f.SzcsParosFeltetel = f.SzcsParosFeltetelPelda;
    f.SzcsIsmetFeltetel = f.SzcsIsmetFeltetelPelda;
    f.TalalatiAranyFeltetel = f.TalalatiAranyFeltetelPelda;
    f.SzvParosFeltetel = f.SzvParosFeltetelPelda;
    f.SzvIsmetFeltetel = f.SzvIsmetFeltetelPelda;
    f.OsszegFeltetel = f.OsszegFeltetelPelda;
    f.IkerszamFeltetel = f.IkerszamFeltetelPelda;
    f.TukorszamFeltetel = f.TukorszamFeltetelPelda;
}

}  // namespace kvx
