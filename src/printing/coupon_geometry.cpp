#include "printing/coupon_geometry.h"

#include <algorithm>
#include <cmath>

namespace kvx {

namespace {

// Millimetres to pixels, rounded up. A product that is a whole number in
// exact arithmetic (25.4 mm at any resolution) must not be pushed to the
// next pixel by the rounding error of the division.
std::int32_t felfele(double mm, std::int32_t dpi)
{
    return static_cast<std::int32_t>(std::ceil(mm * dpi / 25.4 - 1e-9));
}

// Per type: the panels' horizontal steps, their vertical steps (rows) and
// the skew factor of each column's base (the last column takes TR itself).
struct PanelElrendezes {
    std::vector<double> Dx;
    std::vector<double> Dy;
    std::vector<double> Alap;  // factors of s; 1.0 marks TR
};

const PanelElrendezes& Elrendezes(int t)
{
    static const std::array<PanelElrendezes, kSzelvenyTipusDb> e = {{
        {{0, 46.25, 92.5}, {0, 41.25}, {0, 0.5, 1.0}},
        {{0, 33.75, 67.5, 101.25}, {0, 33.75}, {0, 0.3333, 0.6666, 1.0}},
        {{0, 25.25, 50.5, 75.75, 101}, {0, 33.5}, {0, 0.25, 0.5, 0.75, 1.0}},
        {{8.5, 42.25, 76}, {0}, {0, 0.5, 1.0}},
        {{0, 25.25, 50.5, 75.75, 101}, {0}, {0, 0.25, 0.5, 0.75, 1.0}},
    }};
    return e[static_cast<std::size_t>(t)];
}

// The base of a column in mm: TL moved by its share of the skew; the last
// column lies on TR.
double PanelAlap(double tl, double tr, double s, double f)
{
    return f == 1.0 ? tr : tl + f * s;
}

}  // namespace

int SzelvenyTipus(int lottoIndex)
{
    if (lottoIndex >= 0 && lottoIndex <= 2)
        return lottoIndex;
    if (lottoIndex == 30)
        return 4;
    return 3;
}

std::int32_t SzelvenySorDbJatek(int lottoIndex)
{
    switch (lottoIndex) {
    case 0: return 6;
    case 1: return 8;
    case 2: return 10;
    case 30: return 5;
    default: return 3;
    }
}

std::int32_t SzelvenyLapDbSzamitas(std::int64_t sorok, std::int32_t sorDb)
{
    if (sorok <= 0 || sorDb <= 0)
        return 0;
    return static_cast<std::int32_t>((sorok + sorDb - 1) / sorDb);
}

int SzelvenyPanelDb(int tipus)
{
    const PanelElrendezes& e = Elrendezes(std::clamp(tipus, 0, kSzelvenyTipusDb - 1));
    return static_cast<int>(e.Dx.size() * e.Dy.size());
}

int SzelvenyElsoSorPanelDb(int tipus)
{
    return static_cast<int>(Elrendezes(std::clamp(tipus, 0, kSzelvenyTipusDb - 1)).Dx.size());
}

SzelvenyGeometria SzelvenyMeretezes(const SzelvenyMeretezesBemenet& b)
{
    const NyomtatoJellemzok& n = b.Nyomtato;
    const auto px = [&](double mm) { return felfele(mm, n.NyomtatoDpiX) - n.FizikaiMargoX; };
    const auto py = [&](double mm) { return felfele(mm, n.NyomtatoDpiY) - n.FizikaiMargoY; };
    const auto pont = [&](double x, double y) { return Pont{px(x), py(y)}; };

    SzelvenyGeometria g;
    const int tc = std::clamp(b.AktualisTipus, 0, kSzelvenyTipusDb - 1);
    const auto& mc = b.NyomtatasiMargok[static_cast<std::size_t>(tc)];
    const double s = mc[2] - mc[1];
    g.Ferdeseg = s;
    g.KenoLepes = felfele(8.4, n.NyomtatoDpiX);

    for (int t = 0; t < kSzelvenyTipusDb; ++t) {
        const auto ti = static_cast<std::size_t>(t);
        const double ox = b.SzelvenyOrigoX[ti], oy = b.SzelvenyOrigoY[ti];
        const double l = b.NyomtatasiMargok[ti][0], tl = b.NyomtatasiMargok[ti][1], tr = b.NyomtatasiMargok[ti][2];
        g.RacsLepesX[ti] = felfele(4.2, n.NyomtatoDpiX);
        g.RacsLepesY[ti] = felfele(4.2, n.NyomtatoDpiY);

        const PanelElrendezes& e = Elrendezes(t);
        std::size_t p = 0;
        for (double dy : e.Dy)
            for (std::size_t c = 0; c < e.Dx.size(); ++c, ++p) {
                g.PanelX[ti][p] = px(ox + e.Dx[c] + l) - g.RacsLepesX[ti];
                g.PanelY[ti][p] = py(oy + dy + PanelAlap(tl, tr, s, e.Alap[c])) - g.RacsLepesY[ti];
            }

        switch (t) {
        case 0:
            g.HetesPont[ti] = pont(ox + l, tl + 97.75);
            g.JokerPont[ti] = pont(l + 75.7, tl + 97.75 + 0.5 * s);
            g.TovabbiJokerPont[ti] = pont(l + 122.25, tr + 97.75);
            g.SorszamPont[ti] = pont(l + 30, tl + 97.75);
            break;
        case 1:
            g.HetesPont[ti] = pont(ox + l, tl + 97.75);
            g.JokerPont[ti] = pont(l + 34, tl + 97.75 + 0.1666 * s);
            g.TovabbiJokerPont[ti] = pont(l + 88.5, tl + 97.75 + 0.6666 * s);
            g.SorszamPont[ti] = pont(l + 45, tl + 85);
            break;
        case 2:
            g.HetesPont[ti] = pont(ox + l, tl + 97.75);
            g.JokerPont[ti] = pont(l + 38.5, tl + 97.75 + 0.15 * s);
            g.TovabbiJokerPont[ti] = pont(l + 59.5, tl + 97.75 + 0.25 * s);
            g.SorszamPont[ti] = pont(l + 65, tl + 91.5);
            break;
        case 3: {
            g.JokerPont[ti] = pont(l + 133.5, tl + 70.25 + 1.5 * s);
            g.TovabbiJokerPont[ti] = pont(l + 137.75, tl + 78.75 + 1.5 * s);
            g.SorszamPont[ti] = pont(l + 122, tl + 38 + 1.5 * s);
            const std::array<double, 3> jx = {0, 33.75, 67.5};
            for (std::size_t q = 0; q < 3; ++q) {
                g.KenoJelolesX[q] = px(ox + jx[q] + l);
                const std::int32_t teteje = py(oy + PanelAlap(tl, tr, s, e.Alap[q]));
                g.KenoTipusY[q] = teteje + (10 - b.SzamsorHossz) * g.RacsLepesY[ti];
                g.KenoTetY[q] = teteje + (b.Tet + 10) * g.RacsLepesY[ti];
            }
            g.KenoSorsolasX = px(ox + 33.75 + l);
            g.KenoSorsolasY = py(b.Sorsolasok > 4 ? tr + 95.75 : tl + 95.75 + 0.5 * s);
            break;
        }
        case 4:
            g.JokerPont[ti] = pont(l + 72, tl + 93.75 + 0.4 * s);
            g.TovabbiJokerPont[ti] = pont(l + 118.5, tl + 93.75 + 0.875 * s);
            g.SorszamPont[ti] = pont(l + 65, tr + 83);
            break;
        default:
            break;
        }
    }
    return g;
}

std::string PapirMeretHiba(std::int32_t szelessegPx, std::int32_t magassagPx, std::int32_t dpiX, std::int32_t dpiY)
{
    if (dpiX <= 0 || dpiY <= 0 || szelessegPx * 25.4 / dpiX < 160 || magassagPx * 25.4 / dpiY < 105)
        return "A nyomtató beállítása szerinti lapméret kisebb mint a segédsorsjegy mérete.\r\n\r\n"
               "A nyomtatási oldal (lapméret) minimális méretei:\r\n   - szélesség: 160 mm\r\n   - magasság: 105 mm";
    return {};
}

std::string MargoHiba(const NyomtatoJellemzok& n, const SzelvenyGeometria& g)
{
    const std::int32_t w21 = felfele(21, n.NyomtatoDpiX);
    const std::int32_t h15 = felfele(15, n.NyomtatoDpiY);
    if (w21 - n.FizikaiMargoX - g.RacsLepesX[0] < n.FizikaiMargoX ||
        h15 - n.FizikaiMargoY - g.RacsLepesY[0] < n.FizikaiMargoY)
        return "A kiválasztott nyomtató nem alkalmas a segédsorsjegyek kitöltésére.\r\n\r\n"
               "Oka: a nyomtató fizikai margóinak mérete.\r\n\r\n"
               "Fizikai margók: a lap szélétől mért távolságok, amelyeken belül a nyomtató nem képes "
               "nyomtatni.\r\n\r\n"
               "Megoldás: válasszon ki a telepített nyomtatók listájából egy másikat, vagy állítson rendszerbe "
               "egy új, erre a célra is alkalmas nyomtatót.";
    return {};
}

std::vector<SzelvenyLap> SzelvenyLapok(std::int64_t sorok, std::int32_t sorDb, std::int32_t tol, std::int32_t ig)
{
    std::vector<SzelvenyLap> lapok;
    const std::int32_t db = SzelvenyLapDbSzamitas(sorok, sorDb);
    tol = std::max(tol, 1);
    ig = std::min(ig, db);
    for (std::int32_t s = tol; s <= ig; ++s) {
        SzelvenyLap l;
        l.Lap = s;
        l.ElsoSor = static_cast<std::int64_t>(s - 1) * sorDb;
        l.SorDb = static_cast<std::int32_t>(std::min<std::int64_t>(sorDb, sorok - l.ElsoSor));
        lapok.push_back(l);
    }
    return lapok;
}

std::string SzelvenyFeliratSzoveg(const SzelvenyLap& lap)
{
    return std::to_string(lap.Lap) + ". \\ " + std::to_string(lap.ElsoSor + 1) + ".  -  " +
           std::to_string(lap.ElsoSor + lap.SorDb) + ".";
}

std::vector<SzelvenyJel> SzelvenyJelek(const SzelvenyGeometria& g, const SzelvenyKitoltesBemenet& b)
{
    std::vector<SzelvenyJel> jelek;
    const int t = std::clamp(b.Tipus, 0, kSzelvenyTipusDb - 1);
    const auto ti = static_cast<std::size_t>(t);
    const int panelek = SzelvenyPanelDb(t);
    const std::int32_t c = std::max(b.Oszlopok, 1);
    const auto x = [&](Pont p) { jelek.push_back({p, "x"}); };
    const std::size_t sorok = std::min(b.Sorok.size(), static_cast<std::size_t>(panelek));
    for (std::size_t r = 0; r < sorok; ++r) {
        for (std::uint8_t n : b.Sorok[r]) {
            if (n == 0)
                continue;
            const std::int32_t oszlop = (n - 1) % c + 1;
            std::int32_t sor = (n + c - 1) / c;
            if (b.VanPluszSzam && n > b.FoSzamKeszlet)
                ++sor;
            x({oszlop * g.RacsLepesX[ti] + g.PanelX[ti][r], sor * g.RacsLepesY[ti] + g.PanelY[ti][r]});
        }
        if (t == 3) {
            x({g.KenoJelolesX[r], g.KenoTipusY[r]});
            x({g.KenoJelolesX[r], g.KenoTetY[r]});
        }
    }
    if (t == 3) {
        const std::int32_t d = b.Sorsolasok < 14 ? b.Sorsolasok - 1 : 7;
        x({g.KenoSorsolasX + d * g.KenoLepes, g.KenoSorsolasY});
    }
    if (t <= 2 && b.OtHetes)
        x(g.HetesPont[ti]);
    if (b.JokerValasztas == kJokerIgen)
        x(g.JokerPont[ti]);
    else if (b.JokerValasztas == kJokerNem)
        x({g.JokerPont[ti].X + g.KenoLepes, g.JokerPont[ti].Y});
    if (b.TovabbiJoker)
        x(g.TovabbiJokerPont[ti]);
    if (b.Sorszamozas)
        jelek.push_back({g.SorszamPont[ti], SzelvenyFeliratSzoveg(b.Lap)});
    return jelek;
}

std::vector<std::uint8_t> SzelvenySzamsor(const std::uint8_t* sor, std::int32_t sorHossz, bool huzasSzamsorVariacio,
                                          std::int32_t variacioMeret, const std::vector<std::uint8_t>& kijeloltSzamok,
                                          const std::vector<std::uint8_t>& fixSzamok)
{
    std::vector<std::uint8_t> szamok;
    if (!sor || sorHossz <= 0)
        return szamok;
    if (huzasSzamsorVariacio) {
        for (std::int32_t i = 0; i < sorHossz; ++i)
            if (sor[i] != 0)
                szamok.push_back(sor[i]);
        return szamok;
    }
    const std::int32_t db = std::min(variacioMeret, sorHossz);
    for (std::int32_t i = 0; i < db; ++i)
        if (sor[i] < kijeloltSzamok.size() && kijeloltSzamok[sor[i]] != 0)
            szamok.push_back(kijeloltSzamok[sor[i]]);
    for (auto it = fixSzamok.rbegin(); it != fixSzamok.rend(); ++it)
        if (*it != 0)
            szamok.push_back(*it);
    return szamok;
}

}  // namespace kvx
