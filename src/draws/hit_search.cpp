#include "draws/hit_search.h"

#include <algorithm>

#include "app/game_grid.h"
#include "common/date_helpers.h"
#include "common/delphi_format.h"
#include "common/line_info.h"
#include "common/numbering.h"
#include "draws/hit_class.h"

namespace kvx {

namespace {

// The games whose bonus numbers only lift the class below the full hit.
bool PotEmeles(const GameParams& g) { return g.VanPotSzam && !g.PotSzamTalalat; }

struct Bontott {
    std::int32_t Fo = 0;
    std::int32_t Szint = 0;  // 0: plain row
};

Bontott Bontas(const GameParams& g, std::int32_t ertek)
{
    if (PotEmeles(g)) {
        if (ertek > g.SzamsorHossz)
            return {g.SzamsorHossz, 0};
        if (ertek == g.SzamsorHossz)
            return {g.SzamsorHosszMax, 1};
        return {ertek, 0};
    }
    const std::int32_t sz = std::max(1, g.TalalatSzorzo);
    return {ertek / sz, ertek % sz};
}

std::int32_t Ertek(const DrawsState& d, std::int32_t sor, std::int32_t oszlop)
{
    if (sor < 1 || sor > d.HuzasokSzama || oszlop < 0)
        return 0;
    const TTombInt1D& r = d.Huzasok[static_cast<std::size_t>(sor - 1)];
    return static_cast<std::size_t>(oszlop) < r.size() ? r[static_cast<std::size_t>(oszlop)] : 0;
}

bool Benne(const TTombByte1D& v, std::int32_t n)
{
    return n > 0 && std::find(v.begin(), v.end(), static_cast<std::uint8_t>(n)) != v.end();
}

}  // namespace

std::string TalalatCimke(const GameParams& g, std::int32_t ertek)
{
    const Bontott b = Bontas(g, ertek);
    std::string s = std::to_string(b.Fo);
    if (b.Szint > 0)
        s.append(1, '+').append(std::to_string(b.Szint));
    return s + " találat";
}

std::string TalalatSorokSzovege(const GameParams& g, const TTombInt1D& tabla)
{
    const bool rovid = g.VanPotSzam || g.VanPluszSzam;
    std::string s;
    for (std::int32_t j = static_cast<std::int32_t>(tabla.size()) - 1; j >= 0; --j) {
        const Bontott b = Bontas(g, j);
        s += rovid ? Format("%2.0u", {b.Fo}) : Format("%4.0u", {b.Fo});
        if (b.Szint > 0)
            s.append(1, '+').append(std::to_string(b.Szint));
        else if (rovid)
            s += "  ";
        s += " találat:" + Format("%8.0u", {tabla[static_cast<std::size_t>(j)]}) + "\r\n";
    }
    return s;
}

std::vector<KeresElem> KeresBoxElemek(const GameParams& g, const TTombInt1D& tabla)
{
    std::vector<KeresElem> e{{kMindenTalalat, -1}};
    for (std::int32_t j = static_cast<std::int32_t>(tabla.size()) - 1; j >= 0; --j)
        if (tabla[static_cast<std::size_t>(j)] > 0)
            e.push_back({TalalatCimke(g, j), j});
    return e;
}

std::pair<std::int32_t, std::int32_t> MindenKerTal(const TTombInt1D& tabla)
{
    std::int32_t lo = 0, hi = -1;
    for (std::int32_t j = 0; j < static_cast<std::int32_t>(tabla.size()); ++j)
        if (tabla[static_cast<std::size_t>(j)] > 0) {
            if (hi < 0)
                lo = j;
            hi = j;
        }
    return {lo, hi};
}

bool VanTalalat(const TTombInt1D& tabla, std::int32_t tol)
{
    for (std::size_t j = static_cast<std::size_t>(std::max(tol, 0)); j < tabla.size(); ++j)
        if (tabla[j] > 0)
            return true;
    return false;
}

KeresTippek KeresGombTippek(bool elore, bool engedelyezett, bool minden, const std::string& t)
{
    const std::string osztaly = minden ? std::string("n találatos számsor") : t + "os számsor";
    KeresTippek k;
    if (engedelyezett) {
        k.Lepes = (elore ? " Következő " : " Előző ") + osztaly + " ";
        k.Vege = (elore ? " Utolsó " : " Első ") + osztaly + " ";
    } else {
        k.Vege = (elore ? " Utolsó " : " Első ") + osztaly + " kiválasztva ";
        k.Lepes = k.Vege;
    }
    return k;
}

// ---- The draw-search ticket ----

bool HuzKeresJelolesek::Jelolt(std::int32_t n) const { return Benne(Jeloltek, n); }

bool HuzKeresJelolesek::PotJelolt(std::int32_t n) const { return Benne(PotSzamok, n); }

void HuzKeresJelolesek::Torles(const GameParams& g)
{
    Jeloltek.clear();
    PotSzamok.assign(static_cast<std::size_t>(std::max(g.PotSzamok, 0)), 0);
    PotDb = 0;
    PluszDb = 0;
}

TTombByte1D HuzKeresVeletlenSzamsor(const GameParams& g, RandomState& rs)
{
    // Game 17 draws more numbers than a line holds: the whole drawing.
    const bool teljesHuzas = g.LottoIndex == 17;
    const std::int32_t n = teljesHuzas ? g.HuzottFoSzamok : g.SzamsorHossz + g.PotSzamok;
    const std::int32_t k = teljesHuzas ? n : g.SzamsorFoSzamDb + g.PotSzamok;
    const std::int32_t e = teljesHuzas ? 0 : g.PotSzamok;
    TTombByte1D sor(static_cast<std::size_t>(std::max(n, 0)), 0);
    if (!VeletlenSzamsor(rs, sor, n, k, true, e, g.FoSzamKeszlet, g.OsszesSzam, g.VanPluszSzam && !teljesHuzas))
        return {};
    for (std::uint8_t& v : sor)
        ++v;
    return sor;
}

KeresKattintas HuzKeresSzamClick(HuzKeresJelolesek& j, const GameParams& g, std::int32_t n, std::int32_t billentyuMod)
{
    if (n < 1 || n > g.OsszesSzam || n > 255)
        return KeresKattintas::Elutasitva;
    if (j.PotSzamok.size() != static_cast<std::size_t>(std::max(g.PotSzamok, 0)))
        j.PotSzamok.resize(static_cast<std::size_t>(std::max(g.PotSzamok, 0)), 0);
    const auto b = static_cast<std::uint8_t>(n);
    const bool plusz = g.VanPluszSzam && n > g.FoSzamKeszlet;
    if (j.PotJelolt(n)) {
        *std::find(j.PotSzamok.begin(), j.PotSzamok.end(), b) = 0;
        --j.PotDb;
        return KeresKattintas::Torolve;
    }
    if (j.Jelolt(n)) {
        if (billentyuMod != 0)
            return KeresKattintas::Elutasitva;
        std::erase(j.Jeloltek, b);
        if (plusz)
            --j.PluszDb;
        return KeresKattintas::Torolve;
    }
    const std::int32_t db = static_cast<std::int32_t>(j.Jeloltek.size());
    const bool tele = db >= g.HuzottFoSzamok;
    // Bonus numbers are drawn from the main pool.
    if (g.VanPotSzam && !plusz && (billentyuMod == 50 || (billentyuMod == 0 && tele)) && j.PotDb < g.PotSzamok) {
        *std::find(j.PotSzamok.begin(), j.PotSzamok.end(), std::uint8_t{0}) = b;
        ++j.PotDb;
        return KeresKattintas::PotJelolve;
    }
    if (billentyuMod != 0 || tele)
        return KeresKattintas::Elutasitva;
    if (g.VanPluszSzam) {
        if (plusz ? j.PluszDb >= g.PluszSzamDb : db - j.PluszDb >= g.HuzottFoSzamokPluszNelkul)
            return KeresKattintas::Elutasitva;
    }
    j.Jeloltek.push_back(b);
    if (plusz)
        ++j.PluszDb;
    return KeresKattintas::Jelolve;
}

std::int32_t HuzKeresTalalatokMeret(const GameParams& g)
{
    if (g.PotSzamTalalat)
        return g.HuzottFoSzamok * g.TalalatSzorzo + 1;
    return (g.HuzottFoSzamok - g.PluszSzamDb + 1) * g.TalalatSzorzo + g.PotSzamok;
}

std::int32_t HuzasTalalat(const GameParams& g, const HuzKeresJelolesek& j, const TTombInt1D& sor, std::int32_t c)
{
    const std::int32_t sorsolas = c == 3 ? 0 : 1;
    const SzamsorTalalat t = SzamsorTalalatai(g, std::span<const std::int32_t>(sor),
                                              std::span<const std::uint8_t>(j.Jeloltek), sorsolas,
                                              TalalatSzorzoTipus::Variacio);
    const std::int32_t h = t.Fo;
    const std::int32_t v = TalalatOsztaly(h, t.Plusz, g.TalalatSzorzo);
    if (!g.VanPotSzam)
        return v;
    if (h == g.SzamsorHossz)
        return g.PotSzamTalalat ? v : v + 1;
    if (!g.PotSzamTalalat && h != g.SzamsorHosszMax)
        return v;
    const auto potOszlop = [&](std::int32_t p) {
        const std::size_t i = static_cast<std::size_t>(c + g.HuzottFoSzamok + p);
        return i < sor.size() ? sor[i] : 0;
    };
    const bool osszevetes = j.PotDb == 0 || potOszlop(0) <= 0;
    std::int32_t b = 0;
    for (std::int32_t p = 0; p < g.PotSzamok; ++p) {
        const std::int32_t x = potOszlop(p);
        if (x <= 0)
            continue;
        if (osszevetes ? j.Jelolt(x) : j.PotJelolt(x))
            ++b;
    }
    return v + b;
}

std::int32_t SzamsorOszlop(const GameParams& g, std::int32_t sorsolas) { return sorsolas == 0 ? 3 : g.MasodikHuzasOszlop; }

bool SzamsorLetezik(const GameParams& g, const DrawsState& d, SzamsorHely h)
{
    if (h.Huzas < 1 || h.Huzas > d.HuzasokSzama || h.Sorsolas < 0 || h.Sorsolas > 1)
        return false;
    if (h.Sorsolas == 1 && !g.TobbSorsolas)
        return false;
    // A drawing whose first number is 0 was not held (a draw without its
    // second drawing): it has no hits to tally and nothing to find.
    return Ertek(d, h.Huzas, SzamsorOszlop(g, h.Sorsolas)) > 0;
}

TTombInt1D TalalatokSzamolasa(const GameParams& g, const HuzKeresJelolesek& j, const DrawsState& d,
                              std::int32_t elso, std::int32_t utolso)
{
    const std::int32_t meret = std::max(HuzKeresTalalatokMeret(g), 0);
    TTombInt1D t(static_cast<std::size_t>(meret), 0);
    elso = std::max(elso, 1);
    utolso = std::min(utolso, d.HuzasokSzama);
    for (std::int32_t r = elso; r <= utolso; ++r)
        for (std::int32_t s = 0; s < (g.TobbSorsolas ? 2 : 1); ++s) {
            if (!SzamsorLetezik(g, d, {r, s}))
                continue;
            const std::int32_t v =
                HuzasTalalat(g, j, d.Huzasok[static_cast<std::size_t>(r - 1)], SzamsorOszlop(g, s));
            if (v >= 0 && v < meret)
                ++t[static_cast<std::size_t>(v)];
        }
    return t;
}

HuzKeresInfo HuzKeresInfoKeszites(const GameParams& g, const HuzKeresJelolesek& j, const TTombInt1D& tabla,
                                  std::int32_t elso, std::int32_t utolso)
{
    HuzKeresInfo r;
    std::string s = Format(" %d. - %d. húzások\r\n", {elso, utolso});
    const std::int32_t db = static_cast<std::int32_t>(j.Jeloltek.size());
    s += " Kijelölve: ";
    s += std::to_string(db - j.PluszDb);
    if (j.PotDb > 0)
        s.append(1, '+').append(std::to_string(j.PotDb));
    if (j.PluszDb > 0)
        s.append(1, '+').append(std::to_string(j.PluszDb));
    s += " szám\r\n";
    s += TalalatSorokSzovege(g, tabla);
    TTombByte1D szamok = j.Jeloltek;
    std::sort(szamok.begin(), szamok.end());
    if (db == g.SzamsorHossz) {
        TTombByte1D sor = szamok;
        if (const auto ssz = SzamsorSorszamaTV(sor, gameNumberingDims(g))) {
            const std::string szam = FormatThousands(static_cast<std::int64_t>(*ssz));
            s += std::to_string(*ssz).size() > 12 ? "\r\n S:" + Format("%17s", {szam}) + "."
                                                   : "\r\n Ssz:" + Format("%15s", {szam}) + ".";
        }
    }
    // The line facts are about the main numbers.
    std::erase_if(szamok, [&g](std::uint8_t x) { return g.VanPluszSzam && x > g.FoSzamKeszlet; });
    const int jatek = g.LottoIndex;
    const bool csoport = PluszPanelJatek(jatek) || g.PotSzamTalalat;
    std::int32_t mod1 = 0, mod2 = -1;
    if (TizesRacsJatek(jatek) || (csoport && (jatek == 38 || jatek == 41 || jatek == 42))) {
        mod1 = 4;
        mod2 = 5;
    } else if (csoport) {
        mod1 = 1;
        mod2 = 2;
    }
    TTombByte1D info = szamok;
    s += SegedszelvenyInfo(info, mod1);
    if (mod2 >= 0) {
        TTombByte1D info2 = szamok;
        r.Szoveg2 = SegedszelvenyInfo(info2, mod2);
    }
    r.Szoveg = s;
    return r;
}

// ---- Walking the matches ----

bool HuzKeresLepes::Talalat(SzamsorHely h) const
{
    if (!SzamsorLetezik(*Jatek, *Huzasok, h) || h.Huzas < Elso || h.Huzas > Utolso)
        return false;
    if (Minden)
        return true;
    const std::int32_t v =
        HuzasTalalat(*Jatek, *Jelolesek, Huzasok->Huzasok[static_cast<std::size_t>(h.Huzas - 1)],
                     SzamsorOszlop(*Jatek, h.Sorsolas));
    return v >= Min && v <= Max;
}

SzamsorHely HuzKeresLepes::ElsoTalalat() const { return Kovetkezo({std::max(Elso, 1) - 1, 1}); }

SzamsorHely HuzKeresLepes::UtolsoTalalat() const
{
    return Elozo({std::min(Utolso, Huzasok->HuzasokSzama) + 1, 0});
}

SzamsorHely HuzKeresLepes::Kovetkezo(SzamsorHely most) const
{
    const std::int32_t vege = std::min(Utolso, Huzasok->HuzasokSzama);
    SzamsorHely h = most;
    if (h.Huzas < Elso - 1)
        h = {Elso - 1, 1};
    while (true) {
        if (h.Sorsolas == 0 && Jatek->TobbSorsolas) {
            h.Sorsolas = 1;
        } else {
            ++h.Huzas;
            h.Sorsolas = 0;
        }
        if (h.Huzas > vege)
            return {};
        if (Talalat(h))
            return h;
    }
}

SzamsorHely HuzKeresLepes::Elozo(SzamsorHely most) const
{
    const std::int32_t vege = std::min(Utolso, Huzasok->HuzasokSzama);
    SzamsorHely h = most;
    if (h.Huzas > vege + 1)
        h = {vege + 1, 0};
    while (true) {
        if (h.Sorsolas == 1) {
            h.Sorsolas = 0;
        } else {
            --h.Huzas;
            h.Sorsolas = Jatek->TobbSorsolas ? 1 : 0;
        }
        if (h.Huzas < std::max(Elso, 1))
            return {};
        if (Talalat(h))
            return h;
    }
}

}  // namespace kvx
