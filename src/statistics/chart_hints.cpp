#include "statistics/chart_hints.h"

#include "common/delphi_format.h"

#include <algorithm>
#include <cmath>

namespace kvx {

namespace {

std::string ez(std::int64_t v) { return FormatThousands(v); }
std::string tiz(double v, int d) { return FormatFloatThousands(v, d); }
std::string arany(double v) { return Format("%12.8n", {v}); }
std::string fel(double v) { return Format("%8.4n", {v}); }
std::string tizedes() { return std::string(1, formatSettings().decimalSeparator); }

enum class Csalad {
    Foszelveny,
    Osszeg,
    Szoras,
    Terjedelem,
    EgymastKovetoSzam,
    Szomszed,
    Szampar,
    Eloszlas,
    EgymastKovetoSor,
    Szamkeszlet,
    Nincs
};

Csalad csalad(std::int32_t tag)
{
    switch (tag) {
    case 1: case 2: case 3: return Csalad::Foszelveny;
    case 8: case 14: return Csalad::Osszeg;
    case 9: case 15: return Csalad::Szoras;
    case 16: case 17: return Csalad::Terjedelem;
    case 26: case 27: return Csalad::EgymastKovetoSzam;
    case 19: case 21: return Csalad::Szomszed;
    case 22: case 23: return Csalad::Szampar;
    case 24: case 25: return Csalad::Eloszlas;
    case 32: case 33: return Csalad::EgymastKovetoSor;
    case 28: case 29: return Csalad::Szamkeszlet;
    default: return Csalad::Nincs;
    }
}

bool variacioForras(std::int32_t tag)
{
    const StatLeiras* l = StatLeirasTag(tag);
    return l && l->Forras == 1;
}

// The main numbers of a line, then its extra numbers after a " + ".
std::string szamsorSzoveg(const std::vector<std::int32_t>& sor, std::int32_t plusz)
{
    std::string s;
    const std::size_t fo = sor.size() - std::min<std::size_t>(sor.size(), static_cast<std::size_t>(std::max(0, plusz)));
    for (std::size_t i = 0; i < sor.size(); ++i) {
        if (i > 0)
            s += i == fo ? " + " : ", ";
        s += ez(sor[i]);
    }
    return s;
}

// " Rendezettség: 1 " when the keys follow a pattern; extra-pool games say
// it of their main numbers where the chart holds both pools.
std::string rendezettsegSor(const DiagramTippBemenet& b, bool torzsszamok)
{
    RendezettsegBemenet r = b.Rendezettseg;
    if (r.Kulcsok.size() < 2)
        return {};
    r.Alatta = b.Alatta;
    r.Atlagon = b.Atlagos;
    r.Folotte = b.Felette;
    if (RendezettsegLekerdezes(r) != 0.0)
        return {};
    return torzsszamok ? "\r\n Törzsszámok rendezettsége: 1 " : "\r\n Rendezettség: 1 ";
}

std::string csaladTipp(const DiagramTippBemenet& b);

}  // namespace

bool KulcsElol(std::int32_t tag)
{
    switch (csalad(tag)) {
    case Csalad::Osszeg:
    case Csalad::Szoras:
    case Csalad::Terjedelem:
    case Csalad::EgymastKovetoSzam: return false;
    default: return true;
    }
}

TippSor DiagramTippSor(const TTombInt1D& d, std::int32_t tag, std::int32_t inverzOszlop, bool huzas)
{
    auto c = [&](std::size_t i) -> std::int64_t { return i < d.size() ? d[i] : 0; };
    const std::size_t inv = inverzOszlop == 1 ? 1 : 0;
    TippSor t;
    if (huzas) {
        // The key stands at the Inverz column, the last line beside it and
        // the count in column 2.
        t.Kulcs = c(inv);
        t.Utolso = c(1 - inv);
        t.Darab = c(2);
        return t;
    }
    const std::int64_t c0 = c(inv), c1 = c(1 - inv);
    t.Kulcs = KulcsElol(tag) ? c0 : c1;
    t.Darab = KulcsElol(tag) ? c1 : c0;
    t.Utolso = c(2);
    return t;
}

AtlagSzamlalo DiagramAtlagSzamlalok(const TTombInt2D& tabla, std::int32_t tag, std::int32_t inverzOszlop, bool huzas,
                                    const GameParams& g, double atlag)
{
    AtlagSzamlalo a;
    if (!std::isfinite(atlag))
        return a;
    const std::int64_t kerek = std::llround(atlag);
    const Csalad cs = csalad(tag);
    const bool inverz = inverzOszlop == 1;
    auto szamol = [&](std::int64_t ertek, std::int64_t suly) {
        if (ertek == 0 || ertek < kerek)
            a.Alatta += suly;
        else if (ertek == kerek)
            a.Atlagos += suly;
        else
            a.Felette += suly;
    };
    for (const TTombInt1D& r : tabla) {
        auto c = [&](std::size_t i) -> std::int64_t { return i < r.size() ? r[i] : 0; };
        if (cs == Csalad::Foszelveny || cs == Csalad::Szomszed || cs == Csalad::Szampar) {
            const std::int64_t ertek = inverz ? c(0) : c(1);
            const std::int64_t kulcs = inverz ? c(1) : c(0);
            if (cs == Csalad::Szampar || (kulcs >= 1 && kulcs <= g.FoSzamKeszlet))
                szamol(ertek, 1);
            continue;
        }
        // The others count lines: each bar weighs its count.
        const bool sajat = cs == Csalad::Eloszlas || cs == Csalad::EgymastKovetoSor || cs == Csalad::Szamkeszlet;
        if (inverz && sajat)
            szamol(c(0), c(0));
        else if (!inverz && !huzas)
            szamol(c(1), sajat ? c(1) : c(0));
        else if (!inverz && huzas)
            szamol(c(0), c(2));
        else if (!huzas)
            szamol(c(0), c(1));
        else
            szamol(c(1), c(2));
    }
    return a;
}

std::int64_t KulonalloElofordulas(const TTombInt2D& t, std::int32_t K, std::int32_t szam, std::int64_t elofordulas)
{
    auto cella = [&](std::int64_t n, std::int64_t c) -> std::int64_t {
        if (n < 1 || static_cast<std::size_t>(n) > t.size())
            return 0;
        const TTombInt1D& r = t[static_cast<std::size_t>(n - 1)];
        return c >= 0 && static_cast<std::size_t>(c) < r.size() ? r[static_cast<std::size_t>(c)] : 0;
    };
    // Lines where it had both neighbours: runs of 3 or more that hold it
    // inside, not at an end.
    std::int64_t belso = 0;
    for (std::int32_t c = 3; c <= K; ++c)
        for (std::int64_t kezdet = szam - c + 2; kezdet <= szam - 1; ++kezdet)
            belso += cella(kezdet, c + 2);
    const std::int64_t futasban = cella(szam, 2) + cella(szam, 3) - belso;
    return std::max<std::int64_t>(0, elofordulas - futasban);
}

std::vector<std::int64_t> RendezettsegKulcsok(const TTombInt2D& tabla, std::int32_t tag, std::int32_t inverzOszlop)
{
    // The Inverz column, or the other one for the charts whose count is
    // column 1 in their usual view.
    std::size_t c = inverzOszlop == 1 ? 1 : 0;
    const Csalad cs = csalad(tag);
    if (cs == Csalad::Foszelveny || cs == Csalad::Eloszlas || cs == Csalad::Szomszed || cs == Csalad::Szampar ||
        cs == Csalad::Szamkeszlet || cs == Csalad::EgymastKovetoSor)
        c = 1 - c;
    std::vector<std::int64_t> k;
    k.reserve(tabla.size());
    for (const TTombInt1D& r : tabla)
        k.push_back(c < r.size() ? r[c] : 0);
    return k;
}

std::int64_t RendezettsegSkala(std::int32_t tag, const GameParams& g, std::int32_t kijeloltPluszSzamDb,
                               const std::vector<std::int64_t>& kulcsok, std::int32_t K,
                               std::int64_t szamkeszletUtolso)
{
    std::int64_t S = 1;
    if (!g.VanPluszSzam || kulcsok.empty())
        return S;
    // A variation repeats its main lines only when it leaves extra numbers
    // of its selection out of a line.
    const bool ismetel = !variacioForras(tag) || g.PluszSzamDb < kijeloltPluszSzamDb;
    const Csalad cs = csalad(tag);
    const auto R = static_cast<std::int64_t>(kulcsok.size());
    if (cs == Csalad::Szamkeszlet && ismetel)
        S = szamkeszletUtolso;
    else if (cs == Csalad::EgymastKovetoSzam && ismetel && K > 1)
        S = kulcsok.back() / (K - 1);
    else if (cs == Csalad::Terjedelem && ismetel && std::min<std::int64_t>(R, K) > 0)
        S = kulcsok.front() / std::min<std::int64_t>(R, K);
    return std::max<std::int64_t>(1, S);
}

std::string DiagramTipp(const DiagramTippBemenet& b)
{
    if (csalad(b.Tag) != Csalad::Foszelveny)
        return csaladTipp(b);
    const GameParams& g = b.Jatek;
    const bool plusz = g.VanPluszSzam && b.Kulcs > g.FoSzamKeszlet;
    const std::string tengely = (b.Inverz != b.Huzas) ? " (y): " : " (x): ";
    const std::string zarojel = g.VanPluszSzam ? " (törzsszám)" : "";
    const std::string szoEgyseg = g.VanPluszSzam ? " törzsszám " : " szám ";
    const double R = b.R;
    const std::int64_t n = b.Ertek;
    const double* E = b.Ertekek.data();
    std::string s;
    auto ertekkeszlet = [&](const std::string& szo) {
        s += "\r\n\r\n Értékkészlet" + tengely + ez(b.FoSorok);
        if (g.VanPluszSzam && b.PluszSorok > 0)
            s += " + " + ez(b.PluszSorok);
        s += szo;
    };
    auto eloszlas = [&](const std::string& egyseg) {
        if (!b.Tenyleges || b.Zoom || b.Huzas)
            return;
        s += "\r\n * Átlag alatti előfordulás: " + ez(b.Alatta) + egyseg;
        s += "\r\n * Átlagos előfordulás: " + ez(b.Atlagos) + egyseg;
        s += "\r\n * Átlag feletti előfordulás: " + ez(b.Felette) + egyseg;
        s += rendezettsegSor(b, g.VanPluszSzam);
    };
    auto reszArany = [&](std::int64_t db) {
        // The drawn numbers of the range: main numbers of every line and
        // the bonus numbers.
        const double osszes = static_cast<double>(g.HuzottFoSzamokPluszNelkul) * R + b.VizsgaltPluszDb;
        return osszes > 0 ? tiz(static_cast<double>(db) / (osszes / 100.0), 4) : tiz(0, 4);
    };
    const std::string kulcsSzoveg = plusz ? ez(g.PluszSzamKijelzes(b.Kulcs)) : ez(b.Kulcs);
    std::string aranyVege = " számból ";
    if (plusz)
        aranyVege.insert(0, g.PluszSzamNev);
    else if (g.VanPluszSzam)
        aranyVege = " törzsszámból ";
    auto aranySor = [&](const std::string& elo, const std::string& egyseg) {
        if (n > 0 && R > 0)
            s += "\r\n" + elo + " " + ez(n) + " ~" + arany(static_cast<double>(n) / (R / 100.0)) + "%  - " + ez(b.R) +
                 egyseg;
    };
    const std::int32_t fele = g.FoSzamKeszlet / 2;

    if (b.Tag == 1) {
        if (b.Zoom)
            s = std::string(" ") + kulcsSzoveg + " számot húztak utoljára a(z) " + ez(b.Utolso) + ". húzás számsorából ";
        else
            s = std::string(" ") + ez(n) + " esetben sorsolták ";
        if (b.Utolso > 0)
            s += "\r\n Utoljára: " + ez(b.Utolso) + ". húzás számsorából";
        aranySor("", " húzásból " + aranyVege);
        if (n > 0)
            s += "\r\n Gyakoriság: " + tiz(R / static_cast<double>(n), 2) + " húzásonként ";
        s += "\r\n\r\n " + ez(g.FoSzamKeszlet) + szoEgyseg + "előfordulása: ";
        s += "\r\n     1 - " + ez(fele) + "-ig:  " + tiz(E[4], 0) + " esetben ~ " + reszArany(std::llround(E[4])) + "% ";
        s += "\r\n   " + ez(fele + 1) + " - " + ez(g.FoSzamKeszlet) + "-ig:  " + tiz(E[5], 0) + " esetben ~ " +
             reszArany(std::llround(E[5])) + "% ";
        // This chart has no expected curve of its own: the expected draws
        // since a number came are always given beside its own.
        s += "\r\n\r\n Hány húzás óta nem került elő: \r\n   - " + ez(b.HanyHuzasOta) + " húzás óta nem került elő ";
        s += "\r\n   - Elméleti gyakoriság" + zarojel + ": " + tiz(E[1], 2) + " húzás ";
        s += "\r\n   - Eltérés: " + tiz(E[1] - b.HanyHuzasOta, 2) + " húzás ";
        if (b.Tenyleges) {
            s += "\r\n\r\n Hányszor húzták: \r\n   - Számok" + zarojel + " átlagos előfordulása: " + tiz(E[2], 4) +
                 " húzás* ";
            s += "\r\n   - Eltérés: " + tiz(static_cast<double>(n) - E[2], 4) + " húzás ";
        }
        eloszlas(szoEgyseg);
        ertekkeszlet(g.VanPluszSzam ? " törzsszám előfordulása " : " szám előfordulása ");
    } else if (b.Tag == 2) {
        if (b.Zoom && b.Huzas)
            s = std::string(" ") + kulcsSzoveg + " számot húztak utoljára a(z) " + ez(b.Utolso) + ". húzás számsorából ";
        else if (b.Zoom)
            s = std::string(" ") + ez(n) + " húzás óta nem került elő \r\n " + kulcsSzoveg + " szám ";
        else
            s = std::string(" ") + ez(n) + " húzás óta nem került elő ";
        if (b.Huzas && b.Utolso > 0)
            s += "\r\n Utoljára: " + ez(b.Utolso) + ". húzás számsorából";
        s += "\r\n\r\n Hányszor húzták: \r\n   - " + ez(b.HanyszorHuztak) + " esetben sorsolták ";
        if (b.HanyszorHuztak > 0 && R > 0) {
            s += "\r\n   - " + ez(b.HanyszorHuztak) + " ~" +
                 arany(static_cast<double>(b.HanyszorHuztak) / (R / 100.0)) + "%  - " + ez(b.R) + " húzásból " +
                 aranyVege;
            s += "\r\n   - Számok" + zarojel + " átlagos előfordulása: " + tiz(E[1], 4) + " húzás ";
            s += "\r\n   - Eltérés: " + tiz(static_cast<double>(b.HanyszorHuztak) - E[1], 4) + " húzás ";
        }
        s += "\r\n\r\n Hány húzás óta nem került elő: ";
        if (b.Elmeleti) {
            s += "\r\n   - Elméleti gyakoriság" + zarojel + ": " + tiz(E[0], 2) + " húzás ";
            if (std::llround(E[0] * 100) != n * 100)
                s += "\r\n   - Eltérés: " + tiz(E[0] - static_cast<double>(n), 2) + " húzás ";
        }
        if (b.Tenyleges) {
            s += "\r\n   - Tényleges gyakoriság" + zarojel + ": " + tiz(E[2], 4) + " húzás* ";
            s += "\r\n   - Eltérés: " + tiz(E[2] - static_cast<double>(n), 4) + " húzás ";
        }
        eloszlas(szoEgyseg);
        ertekkeszlet(b.Zoom ? " előfordulás " : g.VanPluszSzam ? " törzsszám előfordulása " : " szám előfordulása ");
    } else if (b.Tag == 3) {
        s = b.SzamTipp + "\r\n";
        if (!b.KijeloltVagyFix)
            s += "\r\n Húzások listájából beemelt szám ";
        if (b.Zoom && b.Huzas)
            s += " " + kulcsSzoveg + " szám fordult elő utoljára a(z) " + ez(b.Utolso) + ". számsorban ";
        else if (b.Zoom)
            s += " " + ez(n) + " esetben fordul elő \r\n " + kulcsSzoveg + " szám ";
        else
            s += " " + ez(n) + " esetben fordul elő ";
        if (b.Huzas && !b.Zoom && b.Utolso > 0)
            s += "\r\n Utoljára: " + ez(b.Utolso) + ". számsorban ";
        aranySor("", " számsorból " + (plusz ? g.PluszSzamNev + " számból " : std::string()));
        if (n > 0)
            s += "\r\n Gyakoriság: " + tiz(R / static_cast<double>(n), 2) + " számsoronként ";
        // The halves of the selected main numbers.
        const std::int32_t M = b.FoSorok;
        const std::int32_t h = M / 2;
        const std::string egys = g.VanPluszSzam ? " törzsszám" : " szám";
        const double osszes = E[4] + E[5];
        auto resz = [&](double v) { return osszes > 0 ? tiz(v / (osszes / 100.0), 4) : tiz(0, 4); };
        s += "\r\n     1. - " + ez(h) + ". kijelölt" + egys + "ok:  " + tiz(E[4], 0) + " esetben ~ " + resz(E[4]) + "% ";
        s += "\r\n   " + ez(h + 1) + ". - " + ez(M) + ". kijelölt" + egys + "ok:  " + tiz(E[5], 0) + " esetben ~ " +
             resz(E[5]) + "% ";
        if (b.Tenyleges && M > 0) {
            const double atlag = E[2];
            s += "\r\n\r\n Számok (" + egys + ") átlagos előfordulása: " + tiz(atlag, 4) + "* ";
            s += "\r\n Eltérés: " + tiz(static_cast<double>(n) - atlag, 4) + " ";
        }
        eloszlas(szoEgyseg);
        ertekkeszlet(" előfordulás ");
    }
    return s;
}

}  // namespace kvx

namespace kvx {

namespace {

std::string csaladTipp(const DiagramTippBemenet& b)
{
    const Csalad cs = csalad(b.Tag);
    if (cs == Csalad::Nincs)
        return {};
    const GameParams& g = b.Jatek;
    const bool vari = variacioForras(b.Tag);
    const double* E = b.Ertekek.data();
    const std::int64_t n = b.Ertek;
    const std::int64_t kulcs = b.Kulcs;
    const std::int32_t K = b.K;
    const double R = b.R;
    const std::string sep = tizedes();
    const bool ertekCsalad = cs == Csalad::Osszeg || cs == Csalad::Szoras || cs == Csalad::Terjedelem ||
                             cs == Csalad::EgymastKovetoSzam;
    const bool sorCsalad = cs == Csalad::Eloszlas || cs == Csalad::EgymastKovetoSor;
    // Two extra numbers per line give pairs of their own after the main ones.
    const bool pluszParok = cs == Csalad::Szampar && g.VanPluszSzam && g.PluszSzamDb > 1;
    // The key under the bar (x) or as its height (y); with the time view on
    // the key stands at the Inverz column.
    const bool kulcsX = b.Huzas ? !b.Inverz : (KulcsElol(b.Tag) != b.Inverz);
    const std::string tengely = kulcsX ? " (x): " : " (y): ";
    // What the averages measure: the value of the line for sums, spans and
    // the like, the count of the bar otherwise.
    const double mert = ertekCsalad ? static_cast<double>(kulcs) : static_cast<double>(n);

    std::string ertekSzo;
    switch (cs) {
    case Csalad::Osszeg: ertekSzo = " összeg "; break;
    case Csalad::Szoras: ertekSzo = " szórás (tartomány) "; break;
    case Csalad::Terjedelem: ertekSzo = " terjedelem "; break;
    case Csalad::EgymastKovetoSzam: ertekSzo = " minta (távolság) "; break;
    case Csalad::Szomszed:
        ertekSzo = b.Lanc > 0 ? (b.Mind ? " esetből " : " esetben ") + b.LancSzoveg
                              : (b.Mind ? " szám " : " szomszédos szám ");
        break;
    case Csalad::Szampar: ertekSzo = " számpár "; break;
    case Csalad::Szamkeszlet:
        ertekSzo = b.Zoom ? (g.VanPluszSzam ? " törzsszám " : " szám ") : " tartomány eloszlása ";
        break;
    default: ertekSzo = b.Zoom ? " előfordulás " : " tartomány eloszlása "; break;
    }
    auto ertekkeszlet = [&](std::string& s) {
        s += "\r\n\r\n Értékkészlet" + tengely + ez(b.FoSorok);
        if (pluszParok && b.PluszSorok > 0)
            s += " + " + ez(b.PluszSorok);
        s += ertekSzo;
    };

    // The opening of the sums, deviation and span hints.
    const std::string nyito =
        std::string(vari ? " Variáció számsorának (" : " Kihúzott számsor (") + ez(K) + " szám) ";

    std::string s;
    if (b.Zoom) {
        // One bar per value: Csoport rows share the value n.
        const std::string cs0 = " " + ez(b.Csoport);
        switch (cs) {
        case Csalad::Osszeg: s = cs0 + " összeg fordul elő " + ez(n) + " esetben "; break;
        case Csalad::Szoras: s = cs0 + " szórás (tartomány) fordul elő " + ez(n) + " esetben "; break;
        case Csalad::Terjedelem: s = cs0 + " terjedelem fordul elő " + ez(n) + " esetben "; break;
        case Csalad::EgymastKovetoSzam: s = cs0 + " távolság fordul elő " + ez(n) + " esetben "; break;
        case Csalad::Szomszed: s = cs0 + " szám " + ez(n) + " esetben szomszédos "; break;
        case Csalad::Szampar:
            s = b.Huzas ? cs0 + " számpár fordul elő utoljára a(z) " + ez(n) +
                              (vari ? ". számsorban " : ". húzás számsorában ")
                        : cs0 + " számpár fordul elő " + ez(n) + " esetben ";
            break;
        case Csalad::Eloszlas: s = cs0 + " tartományban fordul elő " + ez(n) + " számsor "; break;
        case Csalad::EgymastKovetoSor: s = cs0 + " tartományban fordul elő " + ez(n) + " eset "; break;
        case Csalad::Szamkeszlet: s = cs0 + " szám fordul elő " + ez(n) + " esetben "; break;
        default: break;
        }
        ertekkeszlet(s);
        return s;
    }

    // Deviation rows span an integer class; the first and the last row
    // start and end at the smallest and largest possible deviation.
    double also = static_cast<double>(kulcs), felso = static_cast<double>(kulcs) + 1 - 0.0001;
    std::string alsoSz = ez(kulcs), felsoSz = ez(kulcs) + sep + "9999";
    if (cs == Csalad::Szoras) {
        if (E[6] >= static_cast<double>(kulcs) && E[6] < static_cast<double>(kulcs) + 1) {
            also = E[6];
            alsoSz = tiz(E[6], 4);
        }
        if (E[7] >= static_cast<double>(kulcs) && E[7] < static_cast<double>(kulcs) + 1) {
            felso = E[7];
            felsoSz = tiz(E[7], 4);
        }
    }
    const std::int64_t W = std::max<std::int64_t>(1, b.Szelesseg);

    // First lines.
    switch (cs) {
    case Csalad::Osszeg: s = nyito + "összege: " + ez(kulcs) + " "; break;
    case Csalad::Szoras: s = nyito + "szórása: " + alsoSz + " - " + felsoSz + " "; break;
    case Csalad::Terjedelem: s = nyito + "terjedelme: " + ez(kulcs) + " "; break;
    case Csalad::EgymastKovetoSzam: s = " Egymást követő számok távolsága: " + ez(kulcs) + " szám "; break;
    case Csalad::Szamkeszlet: s = " Számsor " + ez(b.Pozicio) + ". száma: " + ez(kulcs) + " "; break;
    case Csalad::Szampar:
        if (g.VanPluszSzam && b.Par1 > g.FoSzamKeszlet)
            s = g.PluszSzamNev + " számpár: " + ez(g.PluszSzamKijelzes(b.Par1)) + " - " +
                ez(g.PluszSzamKijelzes(b.Par2));
        else
            s = " Számpár: " + ez(b.Par1) + " - " + ez(b.Par2);
        break;
    case Csalad::Eloszlas:
        s = " Teljes variáció " + ez(kulcs) + ". tartománya (" + ez(W) + " számsor) \r\n";
        if (W > 1)
            s += " " + ez(W * (kulcs - 1) + 1) + ". - " + ez(W * kulcs) + ". sorszámú számsorokból áll \r\n";
        s += (W > 1 ? " Tartomány első számsora: " : " Tartomány számsora: ") +
             szamsorSzoveg(b.ElsoSzamsor, b.SzamsorPluszDb) + " ";
        if (W > 1)
            s += "\r\n Tartomány utolsó számsora: " + szamsorSzoveg(b.UtolsoSzamsor, b.SzamsorPluszDb) + " ";
        if (b.IndexAlapu)
            s += "\r\n Számsorok sorszáma: a variáció indexei alapján ";
        break;
    case Csalad::EgymastKovetoSor:
        // Range r holds the distances W (r - 1) + 1 .. W r; a distance 0
        // belongs to the first.
        s = " Egymást követő számsorok távolsága (abs): " + ez(kulcs <= 1 ? 0 : W * (kulcs - 1) + 1) + " - " +
            ez(W * kulcs) + " ";
        break;
    case Csalad::Szomszed: {
        const std::int64_t szam = kulcs;
        if (b.Lanc == 0) {
            if (b.Tag == 19)
                s = b.SzamTipp + "\r\n";
            else if (g.VanPluszSzam && szam > g.FoSzamKeszlet)
                s = g.PluszSzamNev + " szám: " + ez(szam - g.FoSzamKeszlet) + "\r\n";
            else
                s = " Kihúzott szám: " + ez(szam) + "\r\n";
        } else {
            s = " Szomszédos számok: ";
            for (std::int32_t i = 0; i < b.Lanc; ++i)
                s += (i > 0 ? " - " : "") + ez(szam + i);
            s += " \r\n";
        }
        if (b.Tag == 19 && n > 0 && !b.KijeloltVagyFix)
            s += (b.Lanc > 0 ? " (" + ez(szam) + ")" : std::string()) + "\r\n Húzások listájából beemelt szám ";
        break;
    }
    default: break;
    }

    // When the bar's key occurred last (time view).
    const bool lancos = cs == Csalad::Szomszed && b.Lanc > 0;
    if (cs == Csalad::Szomszed) {
        const std::string t = lancos ? "ak " : " ";
        if (b.Utolso > 0) {
            s += "\r\n Utoljára: " + ez(b.Utolso) + (vari ? ". számsorban szomszédos" : ". húzás számsorában szomszédos") + t;
            const std::int64_t ota = static_cast<std::int64_t>(b.TartomanyUtolso) - b.Utolso;
            if (ota > 0)
                s += vari ? "\r\n Utolsó " + ez(ota) + " számsorban nem szomszédos" + t
                          : "\r\n " + ez(ota) + " húzás óta nem volt szomszédos" + t;
        } else if (lancos) {
            s += vari ? "\r\n " + ez(b.R) + " számsorban nem szerepel a(z) " + ez(b.Lanc) + " szomszédos szám "
                      : "\r\n " + ez(b.R) + " húzás óta nem sorsolták együtt a(z) " + ez(b.Lanc) + " számot ";
        } else {
            s += vari ? "\r\n Utolsó " + ez(b.R) + " számsorban nem szomszédos "
                      : "\r\n " + ez(b.R) + " húzás óta nem volt szomszédos ";
        }
    } else if (b.Huzas && b.Utolso > 0 && cs != Csalad::Szamkeszlet) {
        const bool par = cs == Csalad::Szampar;
        const bool lepes = cs == Csalad::EgymastKovetoSor;
        if (!vari) {
            s += "\r\n Utoljára: " +
                 (lepes ? ez(b.Utolso - 1) + ". - " + ez(b.Utolso) + ". húzások" : ez(b.Utolso) + ". húzás") +
                 (par ? " számsorában " : " számsora ") + "\r\n " +
                 ez(static_cast<std::int64_t>(b.TartomanyUtolso) - b.Utolso) + " húzás óta nem fordult elő ";
        } else {
            s += "\r\n Utoljára: variáció " + (lepes ? ez(b.Utolso - 1) + ". - " + ez(b.Utolso) : ez(b.Utolso)) +
                 (par ? ". számsorában " : ". számsora ");
        }
    }
    if (cs == Csalad::EgymastKovetoSor && b.IndexAlapu)
        s += "\r\n Számsorok sorszáma: a variáció indexei alapján \r\n";

    // The count.
    switch (cs) {
    case Csalad::EgymastKovetoSzam: s += "\r\n " + ez(n) + " esetben "; break;
    case Csalad::Szampar: s += "\r\n " + ez(n) + " esetben fordul elő "; break;
    case Csalad::Eloszlas:
        s += "\r\n A tartományból " + ez(n) + " számsor került " + (vari ? "variációba " : "kihúzásra ");
        break;
    case Csalad::EgymastKovetoSor:
        s += "\r\n " + ez(n) + " esetben ";
        if (n > 0) {
            s += "\r\n    - Negatív különbség: " + ez(b.Csokkeno) + " esetben ~" +
                 fel(static_cast<double>(b.Csokkeno) * 100.0 / static_cast<double>(n)) + "% ";
            s += "\r\n    - Pozitív különbség: " + ez(b.Novekvo) + " esetben ~" +
                 fel(static_cast<double>(b.Novekvo) * 100.0 / static_cast<double>(n)) + "% ";
        }
        break;
    case Csalad::Szamkeszlet:
        s += "\r\n " + ez(n) + " számsor esetében ";
        if (b.Utolso > 0)
            s += "\r\n " + ez(kulcs) + " szám fordul elő utoljára a(z) " + ez(b.Utolso) +
                 (vari ? ". számsorban " : ". húzás számsorában ");
        break;
    case Csalad::Szomszed:
        s += "\r\n " + ez(n) + " esetben szomszédos" + (lancos ? "ak " : " ");
        if (!lancos) {
            if (b.Kulonallo > 0)
                s += "\r\n Különállóan " + ez(b.Kulonallo) + " esetben fordul elő ";
            else if (b.Kulonallo == 0)
                s += "\r\n Különállóan nem fordul elő ";
            if (kulcs > 1)
                s += "\r\n   - Előző számmal (" + ez(kulcs - 1) + "): " + ez(b.Elozo) + " esetben ";
            if (kulcs < g.FoSzamKeszlet)
                s += "\r\n   - Következő számmal (" + ez(kulcs + 1) + "): " + ez(b.Kovetkezo) + " esetben ";
        }
        break;
    default: s += "\r\n " + ez(n) + " számsor "; break;
    }
    if (b.Tag == 8 && !g.VanPluszSzam && K > 0 && g.SzamsorHossz != K)
        s += "\r\n " + ez(g.SzamsorHossz) + " számra becsült érték: " +
             tiz(static_cast<double>(kulcs) * g.SzamsorHossz / K, 2) + " ";

    // Share of all lines (of all gaps and steps for the families that
    // count those) and how often it comes.
    double alap = R;
    if (cs == Csalad::EgymastKovetoSzam)
        alap = R * std::max(0, K - 1);
    else if (cs == Csalad::EgymastKovetoSor)
        alap = std::max(0.0, R - 1);
    // The R - 1 steps between consecutive lines are shares of draws or lines.
    const bool esetek = cs == Csalad::EgymastKovetoSzam;
    if (n > 0 && alap > 0) {
        s += "\r\n " + ez(n) + " ~" + arany(static_cast<double>(n) / (alap / 100.0)) + "%  - " +
             ez(static_cast<std::int64_t>(alap)) + (esetek ? " esetből " : vari ? " számsorból " : " húzásból ");
        s += "\r\n Gyakoriság: " + tiz(R / static_cast<double>(n), 2) + (vari ? " számsoronként " : " húzásonként ");
    }

    if (cs == Csalad::Szampar) {
        s += "\r\n\r\n Átlagok\r\n Teljes variáció: " + tiz(E[0], 2) + " számsorból kerül elő minden számpár \r\n" +
             (vari ? " Variáció: " : " Adatbázis: ") + tiz(E[3], 2) + (vari ? " számsorból" : " húzásból") +
             " kerülnek elő a számpárok";
        const std::int64_t hianyzo = b.OsszesSor - std::llround(E[1]);
        if (hianyzo > 0)
            s += "** \r\n ** " + ez(hianyzo) +
                 (vari ? " számpár hiányzik a variációból " : " számpár nem került kihúzásra ");
        else
            s += " ";
    }
    if (sorCsalad) {
        const double N = static_cast<double>(b.TeljesMeret);
        if (cs == Csalad::EgymastKovetoSor) {
            s += "\r\n\r\n Egymást követő számsorok sorszámainak különbsége ";
            s += "\r\n    - minimális különbség (abs): " + tiz(E[0], 0);
            s += "\r\n    - különbségek átlaga (abs): " + tiz(E[3], 2) + " ~ " +
                 tiz(N > 0 ? 100.0 * E[3] / N : 0.0, 2) + "% ";
            s += "\r\n    - maximális különbség (abs): " + tiz(E[1], 0);
            s += "\r\n Különbségek várható átlaga (abs): " + tiz(N / 3.0, 2) + " ~ 33" + sep + "33% ";
            s += "\r\n Különbségek aktuális (göngyölt) értéke: " + tiz(E[4], 0);
        }
        // The mean relative position is the sum over the lines read divided
        // by their number.
        const double olvasott = b.OlvasottSorok > 0 ? static_cast<double>(b.OlvasottSorok) : R;
        const double atlag = olvasott > 0 ? E[5] / olvasott : 0.0;
        s += "\r\n\r\n Számsorok sorszáma ";
        s += "\r\n    - legkisebb sorszám: " + tiz(E[6], 0);
        s += "\r\n    - sorszámok átlaga: " + tiz(atlag * N, 2) + " ~ " + tiz(100.0 * atlag, 2) + "% ";
        s += "\r\n    - legnagyobb sorszám: " + tiz(E[7], 0);
        if (b.Elmeleti || b.VeletlenSzamsorok)
            s += "\r\n Sorszámok várható átlaga: " + tiz(N / 2.0, 2) + " ~ 50" + sep + "00% ";
    }

    // The expected value and the actual average of the chart.
    std::string elmeletiCim;
    switch (cs) {
    case Csalad::Osszeg: elmeletiCim = " Minden lehetséges összeg átlaga: "; break;
    case Csalad::Szoras: elmeletiCim = " Minden lehetséges szórás átlaga (+- 0" + sep + "5): "; break;
    case Csalad::Terjedelem: elmeletiCim = " Minden lehetséges terjedelem átlaga: "; break;
    case Csalad::Szomszed: elmeletiCim = " Szomszédos számok átlagos gyakorisága: "; break;
    default: break;
    }
    auto elteres = [&](double atlag, int tizedesek) {
        if (cs == Csalad::Szoras)
            return "\r\n Eltérés: " + tiz(also - atlag, 4) + " és " + tiz(felso - atlag, 4) + " között ";
        return "\r\n Eltérés: " + tiz(mert - atlag, tizedesek) + " ";
    };
    if (b.Elmeleti && !elmeletiCim.empty() && std::isfinite(E[0])) {
        s += "\r\n\r\n" + elmeletiCim + tiz(E[0], cs == Csalad::Szoras ? 4 : 2) + " ";
        if (E[2] != E[0])
            s += elteres(E[0], 2);
    }
    if (b.Tenyleges && std::isfinite(E[2])) {
        std::string cim, veg = "* ";
        switch (cs) {
        case Csalad::Osszeg: cim = " Tartomány (összegek) átlaga: "; break;
        case Csalad::Szoras: cim = " Tartomány (szórások) átlaga: "; break;
        case Csalad::Terjedelem: cim = " Tartomány (terjedelmek) átlaga: "; break;
        case Csalad::EgymastKovetoSzam: cim = " Tartomány (távolságok) átlaga: "; veg = " szám* "; break;
        case Csalad::Szomszed: cim = " Tartomány (szomszédos számok) átlaga: "; veg = " eset* "; break;
        case Csalad::Szampar: cim = " Tartomány (" + ez(b.FoSorok + b.PluszSorok) + " számpár) átlaga: "; break;
        case Csalad::EgymastKovetoSor: cim = " Tartomány (előfordulások) átlaga: "; veg = " eset* "; break;
        default: cim = " Tartomány (előfordulások) átlaga: "; veg = " számsor* "; break;
        }
        s += "\r\n\r\n" + cim + tiz(E[2], 4) + veg + elteres(E[2], 4);
    }

    // Bars below, at and above the actual average.
    if (b.Tenyleges && !b.Huzas) {
        std::string egyseg;
        switch (cs) {
        case Csalad::Szomszed: egyseg = lancos ? " esetben " + b.LancSzoveg : " szomszédos szám "; break;
        case Csalad::Szampar: egyseg = " számpár "; break;
        case Csalad::EgymastKovetoSzam: egyseg = " eset "; break;
        default: egyseg = " számsor "; break;
        }
        s += "\r\n * Átlag alatti előfordulás: " + ez(b.Alatta) + egyseg;
        s += "\r\n * Átlagos előfordulás: " + ez(b.Atlagos) + egyseg;
        s += "\r\n * Átlag feletti előfordulás: " + ez(b.Felette) + egyseg;
        s += rendezettsegSor(b, pluszParok);
    }
    ertekkeszlet(s);
    return s;
}

}  // namespace

}  // namespace kvx
