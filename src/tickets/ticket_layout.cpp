#include "tickets/ticket_layout.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

namespace {

// Columns, rows, first-row offset per game 0..43.
struct RacsSor {
    std::int32_t oszlopok, sorok, eltolas;
};
constexpr std::array<RacsSor, kJatekokSzama> kRacsok = {{
    {10, 9, 0},  // 0 Magyar 5/90
    {7, 7, 0},   // 1 Magyar 6/45
    {5, 7, 0},   // 2 Magyar 7/35
    {6, 6, 1},   // 3 Szlovák 5/35
    {6, 9, 1},   // 4 Szlovák 6/49
    {6, 8, 0},   // 5 Ausztria 6/45
    {3, 15, 0},  // 6 Horvát 6/45
    {3, 13, 0},  // 7 Horvát 7/39
    {5, 16, 0}, {5, 16, 0}, {5, 16, 0}, {5, 16, 0}, {5, 16, 0},
    {5, 16, 0}, {5, 16, 0}, {5, 16, 0}, {5, 16, 0},  // 8-16 Kenó
    {10, 4, 0},  // 17 Román 5/40
    {10, 5, 0},  // 18 Román 6/49
    {3, 13, 0},  // 19 Szerb 7/39
    {6, 7, 0},   // 20 Szlovén 6/44
    {6, 7, 0},   // 21 Szlovén Plus 6/44
    {6, 8, 1},   // 22 Ukrán 5/45
    {6, 9, 1},   // 23 Ukrán 6/52
    {5, 15, 0},  // 24 EuroMillions
    {7, 7, 0},   // 25 Szlovák Euromilióny
    {15, 6, 0},  // 26 Olasz SuperEnalotto
    {7, 15, 0},  // 27 USA Mega Millions
    {9, 12, 0},  // 28 USA Powerball
    {7, 9, 0},   // 29 Ausztrál Powerball
    {5, 13, 0},  // 30 EuroJackpot
    {6, 15, 0},  // 31 Kalifornia SuperLotto Plus
    {7, 7, 0},   // 32 Kanada 6/49
    {7, 7, 0},   // 33 Kanada BC/49
    {5, 10, 0},  // 34 Kanada Lotto Max
    {10, 6, 0},  // 35 UK Lotto
    {7, 9, 0},   // 36 UK Thunderball
    {7, 10, 0},  // 37 Német 6/49
    {8, 6, 0},   // 38 Ausztrál Oz Lotto
    {10, 6, 0},  // 39 New York Lotto
    {5, 13, 0},  // 40 Francia Lotto
    {8, 6, 0},   // 41 Ausztrál Mon & Wed
    {8, 6, 0},   // 42 Ausztrál Saturday
    {8, 8, 0},   // 43 Vikinglotto
}};

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

JatekRacsAdat JatekRacs(int lottoIndex)
{
    JatekRacsAdat r;
    if (lottoIndex >= 0 && lottoIndex < kJatekokSzama) {
        const RacsSor& s = kRacsok[static_cast<std::size_t>(lottoIndex)];
        r.Oszlopok = s.oszlopok;
        r.Sorok = s.sorok;
        r.ElsoSorEltolas = s.eltolas;
        r.PotSzamTalalat = PotSzamTalalatJatek(lottoIndex);
    }
    return r;
}

bool OszlopFolytonosJatek(int lottoIndex) { return lottoIndex >= 32 && lottoIndex <= 34; }

bool TizesRacsJatek(int lottoIndex) { return egyike(lottoIndex, {0, 17, 18, 26, 35, 39}); }

bool PluszPanelJatek(int lottoIndex) { return egyike(lottoIndex, {25, 29, 36, 37, 43}); }

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
