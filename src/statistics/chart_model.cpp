#include "statistics/chart_model.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace kvx {

namespace {

std::int32_t cella(const TTombInt1D& r, std::size_t c) { return c < r.size() ? r[c] : 0; }

std::int32_t jegyek(std::int64_t v) { return static_cast<std::int32_t>(std::to_string(v).size()); }

std::int32_t kerekit(double v) { return static_cast<std::int32_t>(std::lround(v)); }

const double kNincs = std::nan("");

}  // namespace

void SortArrayRendezes(TTombInt2D& t, std::int32_t rend, bool zoom)
{
    const std::size_t n = t.size();
    if ((rend == 1 || rend == 2) && n > 1) {
        // Exchange sort over the values kept beside the rows: ascending keeps
        // equal values in place, descending moves them too.
        std::vector<std::int32_t> v(n);
        for (std::size_t i = 0; i < n; ++i)
            v[i] = cella(t[i], 1);
        const bool novekvo = rend == 1;
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = n - 1; j > i; --j)
                if ((v[j] < v[i]) == novekvo) {
                    std::swap(v[i], v[j]);
                    std::swap(t[i], t[j]);
                }
    }
    if (zoom) {
        // One row per distinct value, in the order of its first row, labelled
        // with how many rows had it.
        std::unordered_map<std::int32_t, std::size_t> hol;
        TTombInt2D z;
        z.reserve(n);
        for (TTombInt1D& r : t) {
            const std::int32_t ertek = cella(r, 1);
            const auto it = hol.find(ertek);
            if (it != hol.end()) {
                ++z[it->second][0];
                continue;
            }
            hol.emplace(ertek, z.size());
            r.resize(std::max<std::size_t>(r.size(), 3), 0);
            r[0] = 1;
            z.push_back(std::move(r));
        }
        t = std::move(z);
    }
}

void DiagramModell::Ujrakezdes(const TTombInt2D& eredmeny)
{
    munka_ = eredmeny;
    for (TTombInt1D& r : munka_)
        r.resize(std::max<std::size_t>(r.size(), 3), 0);
    tabla_ = munka_;
    inverzOszlop_ = 0;
    huzasVolt_ = false;
}

std::optional<std::int32_t> DiagramModell::szint(double ertek, std::int32_t s) const
{
    if (!std::isfinite(ertek))
        return std::nullopt;
    // Placed as a bar of that value would reach.
    double h = ertek - s - static_cast<double>(alap_);
    if (tomorites_ > 1)
        h = h / tomorites_ + 1;
    return std::min(alj_, alj_ - kerekit(h * egyseg_));
}

void DiagramModell::Start(DiagramOpciok& o, const DiagramBemenet& b, const DiagramMeretek& m, bool mikroKattintas)
{
    const StatMunkavaltozok& v = b.V;
    const GameParams& g = b.Jatek;
    const std::int32_t tag = b.Tag;

    if (o.Mikro && o.Nano) {
        if (mikroKattintas)
            o.Nano = false;
        else
            o.Mikro = false;
    }
    eng_ = DiagramEngedelyek{};
    // Húzás first: the boxes that follow depend on it.
    if ((o.Zoom && (v.EloszlasStat || v.EgymastKovetoSorStat || (v.SzomszedosDiagramStat && b.SzomszedosElem == 0))) ||
        (!v.SzamparStat && tag > 3 && o.Inverz)) {
        o.Huzas = false;
        eng_.Huzas = false;
    }
    eng_.Elmeleti = v.VanElmeleti && !o.Huzas;
    eng_.Tenyleges = !o.Huzas;
    elmeletiMutat_ = o.Elmeleti && eng_.Elmeleti;
    tenylegesMutat_ = o.Tenyleges && eng_.Tenyleges;

    eng_.Zoom = !((!o.Inverz && v.EgymastKovetoSzamStat) || (!o.Inverz && tag >= 8 && tag <= 17) ||
                  (o.Inverz && (tag <= 3 || v.SzomszedosDiagramStat || v.SzamparStat || v.EloszlasStat ||
                                v.EgymastKovetoSorStat)));
    zoomAktiv_ = eng_.Zoom && o.Zoom;

    // A change of Húzás rebuilds the working copy from the cached result.
    if (o.Huzas != huzasVolt_) {
        // The neighbour chart's view is keyed by the number in column 0 too.
        const bool kulcsElol = tag <= 3 || v.SzamkeszletDiagramStat || v.SzamparStat || v.EloszlasStat ||
                               v.EgymastKovetoSorStat || v.SzomszedosDiagramStat;
        const std::size_t kulcs = kulcsElol ? 0 : 1;
        const std::size_t inv = static_cast<std::size_t>(inverzOszlop_);
        munka_.assign(b.Gyorsitotar.size(), TTombInt1D(3, 0));
        for (std::size_t i = 0; i < b.Gyorsitotar.size(); ++i) {
            const TTombInt1D& c = b.Gyorsitotar[i];
            TTombInt1D& r = munka_[i];
            if (o.Huzas) {
                r[inv] = cella(c, kulcs);
                r[1 - inv] = cella(c, 2);
                r[2] = cella(c, 1 - kulcs);
            } else {
                r[inv] = cella(c, 0);
                r[1 - inv] = cella(c, 1);
                r[2] = cella(c, 2);
            }
        }
        huzasVolt_ = o.Huzas;
    }
    if ((o.Inverz ? 1 : 0) != inverzOszlop_)
        for (TTombInt1D& r : munka_)
            std::swap(r[0], r[1]);
    inverzOszlop_ = o.Inverz ? 1 : 0;
    tabla_ = munka_;

    // Mind: rows without a count are shown only while it is ticked. The
    // draws since a number came are a count of their own: 0 is a number of
    // the last draw, and a number is empty only when it never came in the
    // range (no last draw).
    auto ures = [&](const TTombInt1D& r) {
        if (tag == 2 && !o.Huzas)
            return r[2] == 0;
        if (v.SzorasStat || v.EgymastKovetoSzamStat)
            return o.Huzas ? r[1] == 0 : r[static_cast<std::size_t>(inverzOszlop_)] == 0;
        return r[0] == 0 || r[1] == 0;
    };
    eng_.Mind = std::any_of(tabla_.begin(), tabla_.end(), ures);
    if (eng_.Mind && !o.Mind)
        tabla_.erase(std::remove_if(tabla_.begin(), tabla_.end(), ures), tabla_.end());

    // What the labels read: the game (extra-pool numbers), whether the keys
    // are numbers, and for pairs the two numbers of each row number.
    jatek_ = g;
    szampar_ = v.SzamparStat;
    kulcsSzam_ = tag <= 3 || v.SzomszedosDiagramStat || v.SzamparStat;
    parok_.clear();
    if (szampar_) {
        parok_.assign(b.Gyorsitotar.size(), {0, 0});
        for (const TTombInt1D& c : b.Gyorsitotar) {
            const std::int32_t r = cella(c, 0);
            if (r >= 1 && static_cast<std::size_t>(r) <= parok_.size())
                parok_[static_cast<std::size_t>(r - 1)] = {cella(c, 3), cella(c, 4)};
        }
    }

    // Scale.
    const std::int32_t felso = kerekit(28 * m.MeretSzorzo);
    h_ = std::max(1, m.FestoMagassag - 2 * felso);
    alj_ = m.FestoMagassag - kerekit(18 * m.MeretSzorzo);
    std::int32_t jegy = 3;
    std::int64_t M = 0, mn = 0;
    pluszOszlopok_ = 0;
    const bool kulcsSzam = tag <= 3 || v.SzamparStat;
    for (std::size_t i = 0; i < tabla_.size(); ++i) {
        const TTombInt1D& r = tabla_[i];
        if (i == 0 || r[1] > M)
            M = r[1];
        if (i == 0 || r[1] < mn)
            mn = r[1];
        jegy = std::max({jegy, jegyek(r[0]), jegyek(r[1])});
        // A pair counts by its second number, the others by their key.
        const std::int32_t k = Kulcs(static_cast<std::int32_t>(i));
        const std::int32_t szam = szampar_ ? sorPar(k).second : k;
        if (g.VanPluszSzam && kulcsSzam && szam > g.FoSzamKeszlet)
            ++pluszOszlopok_;
    }
    if (v.SzamparStat)
        jegy = std::max(jegy, 5);
    oszlopSzel_ = m.BetuMeret * jegy + 2;
    margo_ = jegy + 2 + m.MeretIndex;
    std::int64_t alap = mn;
    if (M > h_)
        alap = (h_ < mn || M - h_ - mn < h_) ? mn : M - 2 * static_cast<std::int64_t>(h_);
    alap = std::min(alap, mn);
    if (mn > 0)
        --alap;
    if (mn == 0)
        mn = 1;
    alap_ = alap;
    min_ = mn;
    max_ = M;
    egyseg_ = 1;
    if (M - mn + 1 > 0)
        egyseg_ = std::max<std::int64_t>(1, h_ / (M - mn + 1));
    tomorites_ = 1;
    if (M - alap_ > h_)
        tomorites_ = static_cast<std::int32_t>((M - alap_ + h_ - 1) / h_);
    cimkek_ = true;
    if (o.Nano) {
        oszlopSzel_ = 3;
        margo_ = 0;
        cimkek_ = false;
    } else if (o.Mikro) {
        oszlopSzel_ = 10;
        margo_ = 2;
        cimkek_ = false;
    }

    // Expected values; a zero divisor leaves the value undefined.
    ertekek_ = b.Ertekek;
    const std::int32_t bars = static_cast<std::int32_t>(tabla_.size());
    if (tag == 1 || tag == 2) {
        const double sorok = v.VizsgaltSorDb;
        double x = 0;
        if (g.VanPotSzam && g.PotSzamok * sorok > 0)
            x = v.VizsgaltPluszDb / (g.PotSzamok * sorok);
        const double N = o.Mind ? g.FoSzamKeszlet : bars - pluszOszlopok_;
        const double oszto = (v.VizsgaltSzamDb - g.PluszSzamDb + x) * g.SorsolasokSzama;
        // gg draws per occurrence of a number; e the times it is expected.
        const double gg = oszto > 0 ? N / oszto : kNincs;
        const double e = gg > 0 && g.SorsolasokSzama > 0 ? sorok / gg / g.SorsolasokSzama : kNincs;
        // Draws since a number came count from 0 (it came in the last
        // draw): one less than the draws per occurrence.
        const double ota = gg - 1;
        ertekek_[0] = tag == 2 ? ota : e;
        ertekek_[1] = tag == 2 ? e : ota;
        ertekek_[2] = N > 0 ? ertekek_[3] / N : kNincs;
    } else if (tag == 3) {
        const std::int32_t fo = bars - pluszOszlopok_;
        ertekek_[2] = fo > 0 ? b.Ertekek[2] / fo : kNincs;
    } else if (v.EgymastKovetoSzamStat || v.TerjedelemStat) {
        // The mean value over the lines: each row's value (cached column 1)
        // weighted by its count (column 0), whatever the view.
        double osszeg = 0, db = 0;
        for (const TTombInt1D& r : b.Gyorsitotar) {
            osszeg += static_cast<double>(cella(r, 0)) * cella(r, 1);
            db += cella(r, 0);
        }
        ertekek_[1] = 0;
        ertekek_[2] = db > 0 ? osszeg / db : kNincs;
    } else if (v.SzomszedosDiagramStat) {
        // From the counts of the numbers shown (of the view the combo box
        // chose): expected is the total spread evenly over the bars, actual
        // the average over the numbers that have a count. With Húzás the
        // count stands in column 2.
        const std::size_t c = o.Huzas ? 2 : static_cast<std::size_t>(1 - inverzOszlop_);
        double osszeg = 0, db = 0;
        for (const TTombInt1D& r : tabla_)
            if (cella(r, c) > 0) {
                osszeg += cella(r, c);
                ++db;
            }
        if (db > 0) {
            ertekek_[0] = osszeg / static_cast<double>(tabla_.size());
            ertekek_[2] = osszeg / db;
        }
    } else if (v.SzamparStat || v.SzamkeszletDiagramStat) {
        // The result holds the total of the counts: the mean per bar.
        ertekek_[2] = bars > 0 ? b.Ertekek[2] / bars : kNincs;
    }
    const std::int32_t s = v.SzorasStat ? 1 : 0;
    s_ = s;
    elmeletiSzint_ = szint(ertekek_[0], s);
    tenylegesSzint_ = szint(ertekek_[2], s);

    SortArrayRendezes(tabla_, o.Rendezes, zoomAktiv_);
}

Oszlop DiagramModell::OszlopGeometria(std::int32_t i, std::int32_t gorgetes, std::int32_t szelesseg) const
{
    Oszlop o;
    if (i < 0 || static_cast<std::size_t>(i) >= tabla_.size())
        return o;
    const std::int32_t t = i - gorgetes / oszlopSzel_;
    o.Lathato = t >= 0 && t <= szelesseg / oszlopSzel_;
    o.X0 = t * oszlopSzel_ + margo_;
    o.X1 = (t + 1) * oszlopSzel_;
    std::int64_t h = tabla_[static_cast<std::size_t>(i)][1] - alap_;
    if (tomorites_ > 1)
        h = h / tomorites_ + 1;
    o.Magassag = h;
    o.Alj = alj_;
    o.Teto = static_cast<std::int32_t>(alj_ - h * egyseg_);
    return o;
}

OszlopReszek DiagramModell::Reszek(std::int32_t i, const Oszlop& o) const
{
    OszlopReszek r;
    if (i < 0 || static_cast<std::size_t>(i) >= tabla_.size() || o.Magassag <= 0)
        return r;
    const TTombInt1D& sor = tabla_[static_cast<std::size_t>(i)];
    if (inverzOszlop_ == 1) {
        // The label is the value here: the share of the bar above the
        // expected value is drawn again, in proportion.
        const double L = sor[0] + s_;
        const double hpx = static_cast<double>(o.Magassag) * egyseg_;
        std::optional<std::int32_t> elm;
        if (elmeletiMutat_ && std::isfinite(ertekek_[0]) && L > 0 && L - ertekek_[0] > 0) {
            elm = kerekit(hpx / L * (L - ertekek_[0])) + (egyseg_ == 1 ? 1 : 0);
            r.Elmeleti = std::make_pair(o.Teto, std::min(o.Alj, o.Teto + *elm));
        }
        if (tenylegesMutat_ && std::isfinite(ertekek_[2]) && L > 0) {
            const double a = std::fabs(ertekek_[2]);
            if (L - a > 0) {
                std::int32_t resz = kerekit(hpx / L * (L - a));
                if (egyseg_ == 1 && elm && std::fabs(ertekek_[0] - ertekek_[2]) < 1)
                    resz = *elm;
                r.Tenyleges = std::make_pair(o.Teto, std::min(o.Alj, o.Teto + resz));
            }
        }
        return r;
    }
    if (elmeletiMutat_ && elmeletiSzint_ && o.Teto < *elmeletiSzint_)
        r.Elmeleti = std::make_pair(o.Teto, *elmeletiSzint_);
    if (tenylegesMutat_ && tenylegesSzint_ && o.Teto < *tenylegesSzint_ &&
        (egyseg_ != 1 || std::llround(ertekek_[2]) < sor[1]))
        r.Tenyleges = std::make_pair(o.Teto, *tenylegesSzint_);
    return r;
}

std::int32_t DiagramModell::OszlopItt(std::int32_t x, std::int32_t gorgetes) const
{
    if (x < 0 || oszlopSzel_ <= 0)
        return -1;
    const std::int32_t i = x / oszlopSzel_ + gorgetes / oszlopSzel_;
    return i < static_cast<std::int32_t>(tabla_.size()) ? i : -1;
}

std::int32_t DiagramModell::Kulcs(std::int32_t i) const
{
    if (i < 0 || static_cast<std::size_t>(i) >= tabla_.size())
        return 0;
    return tabla_[static_cast<std::size_t>(i)][static_cast<std::size_t>(inverzOszlop_)];
}

std::int32_t HuzasUgrasOszlop(std::int32_t tag, std::int32_t kulcs, const TTombInt1D& sor, const GameParams& g)
{
    constexpr std::int32_t elso = 3;
    if (!g.TobbSorsolas || !(tag < 3 || tag == 21 || tag == 28))
        return elso;
    // The second drawing: its numbers, bonus numbers last.
    const std::int32_t kezdet = g.MasodikHuzasOszlop;
    const std::int32_t szelesseg = g.MasodikHuzasOszlop - elso;
    for (std::int32_t j = 0; j < szelesseg; ++j) {
        const std::size_t c = static_cast<std::size_t>(kezdet + j);
        if (c >= sor.size())
            break;
        if (sor[c] != kulcs)
            continue;
        if (tag != 21)
            return kezdet;
        const bool szomszed = j + 1 < g.HuzottFoSzamok && c + 1 < sor.size() && sor[c + 1] == kulcs + 1;
        return szomszed ? kezdet : elso;
    }
    return elso;
}

std::pair<std::int32_t, std::int32_t> DiagramModell::sorPar(std::int32_t r) const
{
    if (r < 1 || static_cast<std::size_t>(r) > parok_.size())
        return {0, 0};
    return parok_[static_cast<std::size_t>(r - 1)];
}

std::pair<std::int32_t, std::int32_t> DiagramModell::Par(std::int32_t i) const
{
    // A Zoom bar is a group of values, not a row.
    if (!szampar_ || zoomAktiv_)
        return {0, 0};
    return sorPar(Kulcs(i));
}

OszlopCimke DiagramModell::Cimke(std::int32_t i) const
{
    OszlopCimke c;
    if (i < 0 || static_cast<std::size_t>(i) >= tabla_.size())
        return c;
    const std::int32_t cimke = tabla_[static_cast<std::size_t>(i)][0];
    c.Szoveg = std::to_string(cimke);
    // A Zoom bar is labelled with how many rows share its value.
    if (zoomAktiv_ || !kulcsSzam_ || (!jatek_.VanPluszSzam && !szampar_))
        return c;
    const bool kulcsAlatta = inverzOszlop_ == 0;  // the label is the key, not the count
    if (szampar_) {
        const auto [x, y] = Par(i);
        if (x <= 0)
            return c;
        // Both numbers of an extra pair are shown in the extra pool's own numbering.
        const bool plusz = jatek_.VanPluszSzam && x > jatek_.FoSzamKeszlet;
        c.Plusz = plusz;
        if (kulcsAlatta)
            c.Szoveg = std::to_string(plusz ? jatek_.PluszSzamKijelzes(x) : x) + "-" +
                       std::to_string(plusz ? jatek_.PluszSzamKijelzes(y) : y);
        return c;
    }
    if (Kulcs(i) > jatek_.FoSzamKeszlet) {
        c.Plusz = true;
        if (kulcsAlatta)
            c.Szoveg = std::to_string(jatek_.PluszSzamKijelzes(cimke));
    }
    return c;
}

std::int32_t DiagramModell::TeljesSzelesseg() const
{
    return static_cast<std::int32_t>(tabla_.size()) * oszlopSzel_ + margo_;
}

}  // namespace kvx
