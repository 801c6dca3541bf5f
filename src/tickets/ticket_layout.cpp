#include "tickets/ticket_layout.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

namespace {

bool egyike(int x, std::initializer_list<int> v)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

// How the extra pool is placed under the main block.
struct PluszBlokk {
    std::int32_t elso = 0;         // index of the first panel of the block
    std::int32_t soronkent = 0;    // cells per row
    std::int32_t balEltolas = 0;   // pixels right of the first column
};

PluszBlokk pluszBlokk(const GameParams& g, const JatekRacsAdat& r, std::int32_t S)
{
    PluszBlokk b;
    b.elso = g.FoSzamKeszlet;
    b.soronkent = r.Oszlopok;
    switch (g.LottoIndex) {
    case 24:  // twelve stars in rows of four, centred under the five columns
        b.soronkent = 4;
        b.balEltolas = (S + 1) / 2;
        break;
    case 31:  // the first extra number completes the last main row
        b.elso = g.FoSzamKeszlet + 1;
        break;
    case 37:  // super numbers 0..9 in two rows of five from the second column
        b.soronkent = 5;
        b.balEltolas = S + 1;
        break;
    case 40:  // ten extra numbers in two rows of five
        b.soronkent = 5;
        break;
    default:
        break;
    }
    return b;
}

}  // namespace


std::vector<Cella> SzamElrendezes(const GameParams& g, const JatekRacsAdat& r, std::int32_t S)
{
    const std::int32_t n = std::max<std::int32_t>(g.OsszesSzam, 0);
    std::vector<Cella> c(static_cast<std::size_t>(n));
    const std::int32_t lep = S + 1;

    if (OszlopFolytonosJatek(g.LottoIndex)) {
        const std::int32_t sorok = std::max<std::int32_t>(r.Sorok, 1);
        for (std::int32_t i = 0; i < n; ++i)
            c[static_cast<std::size_t>(i)] = {(i / sorok) * lep + 1, (i % sorok) * lep + 1};
        return c;
    }

    const std::int32_t oszlopok = std::max<std::int32_t>(r.Oszlopok, 1);
    const PluszBlokk b = g.VanPluszSzam ? pluszBlokk(g, r, S) : PluszBlokk{n, oszlopok, 0};
    const std::int32_t foVege = std::min(b.elso, n);

    // Main block, row by row; the first row may start one cell in.
    std::int32_t y = 1;
    std::int32_t oszlop = r.ElsoSorEltolas == 1 ? 1 : 0;
    for (std::int32_t i = 0; i < foVege; ++i) {
        if (oszlop == oszlopok) {
            oszlop = 0;
            y += lep;
        }
        c[static_cast<std::size_t>(i)] = {1 + oszlop * lep, y};
        ++oszlop;
    }

    // Extra pool: a new row after a half-cell gap, then its own rows.
    if (foVege < n) {
        y += lep + S / 2;
        const std::int32_t soronkent = std::max<std::int32_t>(b.soronkent, 1);
        for (std::int32_t i = foVege; i < n; ++i) {
            const std::int32_t k = i - foVege;
            c[static_cast<std::size_t>(i)] = {1 + b.balEltolas + (k % soronkent) * lep, y + (k / soronkent) * lep};
        }
    }
    return c;
}

std::int32_t RacsAlja(const std::vector<Cella>& cellak, std::int32_t S)
{
    std::int32_t also = 0;
    for (const Cella& c : cellak)
        also = std::max(also, c.Felso + S + 1);
    return also;
}

bool JobbInfoPanel(int kind, const GameParams& g)
{
    if (!egyike(kind, {1, 2, 3, 5}))
        return false;
    const int L = g.LottoIndex;
    return g.KenoJatek || g.VanPluszSzam || egyike(L, {1, 2, 3, 4, 22, 23}) || g.PotSzamTalalat ||
           egyike(L, {6, 7, 19});
}

std::int32_t JobbInfoSzelesseg(const GameParams& g, std::int32_t S, std::int32_t racsSzelesseg)
{
    if (egyike(g.LottoIndex, {6, 7, 19}))
        return 2 * racsSzelesseg - S;
    return 6 + 5 * S;
}

bool MasodikInfoPanel(int kind, const GameParams& g, bool potSzamTalalat)
{
    return egyike(kind, {1, 2, 3, 5}) &&
           (TizesRacsJatek(g.LottoIndex) || potSzamTalalat || PluszPanelJatek(g.LottoIndex));
}

std::int32_t InfoSorokSzama(int kind, const GameParams& g, bool vanMasodik)
{
    if (kind == FajtaHuzBeSzelveny)
        return 0;
    if (kind == FajtaFoszelveny)
        return g.VanPluszSzam ? 6 : 5;
    if (TizesRacsJatek(g.LottoIndex))
        return 16;
    const std::int32_t c = (g.KenoJatek && egyike(kind, {1, 3, 5}))
                               ? 20
                               : (g.SzamsorFoSzamDb + 1) * g.TalalatSzorzo + g.PotSzamok;
    const std::int32_t d = g.LottoIndex == 38 ? -12 : 0;
    std::int32_t n = c + d + 11;
    if (!vanMasodik)
        n += 8;
    if (kind == FajtaBontEllSzelveny || kind == FajtaHuzKeresSzelveny)
        n += 1;
    return n;
}

std::string SzamFelirat(const GameParams& g, int i)
{
    if (g.VanPluszSzam && i >= g.FoSzamKeszlet)
        return std::to_string(i + 1 - g.FoSzamKeszlet - g.PluszSzamEltolas);
    return std::to_string(i + 1);
}

std::int32_t SzinOsszeg(std::int32_t a, std::int32_t b)
{
    std::int32_t c = 0;
    for (int eltolas = 0; eltolas < 24; eltolas += 8)
        c |= std::min(((a >> eltolas) & 0xFF) + ((b >> eltolas) & 0xFF), 0xFF) << eltolas;
    return c;
}

PanelSzin FoszelvenyPanelSzin(const SzelvenySor& look, SzamSzerep szerep)
{
    switch (szerep) {
    case SzamSzerep::Kijelolt: return {look[SzeletJelolt], look[SzeletKijelolt], true};
    case SzamSzerep::Fix: return {look[SzeletJelolt], look[SzeletFix], true};
    case SzamSzerep::Allando: return {look[SzeletJelolt], look[SzeletAllando], true};
    case SzamSzerep::Veletlen: return {look[SzeletJelolt], look[SzeletVeletlen], true};
    case SzamSzerep::Nincs: break;
    }
    return {look[SzeletCellaSzin], look[SzeletKijelolt]};
}

PanelSzin AlapPanelSzin(const SzelvenySor& look) { return {look[SzeletCellaSzin], look[SzeletBetuSzin]}; }

std::string FoszelvenyInfoSzoveg(const SzamListak& l, const GameParams& g, int szamsorrendMod)
{
    std::string s = " Kijelölve  : " + Format("%2.0d", {l.KijeloltSzamDb() + l.FixSzamDb()}) + " szám\r\n" +
                    "  - fix     : " + Format("%2.0d", {l.FixSzamDb()}) + "\r\n" +
                    "  - állandó : " + Format("%2.0d", {l.AllandoSzamDb()}) + "\r\n" +
                    "  - véletlen: " + Format("%2.0d", {l.VeletlenSzamDb()});
    if (g.VanPluszSzam)
        s += "\r\n" + Format("%14s", {g.PluszSzamNev + ": "}) + Format("%2.0d", {l.KijeloltPluszSzamDb});
    s += "\r\n Sorrend: ";
    s += SzamsorrendNev(szamsorrendMod);
    return s;
}

}  // namespace kvx
