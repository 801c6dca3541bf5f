#include "draws/draw_entry.h"

#include "common/date_helpers.h"
#include "common/random_source.h"

#include <algorithm>
#include <cctype>

namespace kvx {

namespace {

bool PluszE(const GameParams& g, std::int32_t n) { return g.VanPluszSzam && n > g.FoSzamKeszlet; }

std::int32_t Sor(const HuzBeState& s) { return std::clamp(s.HuzBeSor, 0, 1); }

std::int32_t PluszDb(const TTombByte1D& sor, const GameParams& g)
{
    return static_cast<std::int32_t>(std::count_if(sor.begin(), sor.end(), [&](std::uint8_t n) { return PluszE(g, n); }));
}

std::int32_t Kitoltott(const HuzBeCellak& c, std::int32_t tol, std::int32_t ig)
{
    std::int32_t db = 0;
    for (std::int32_t i = tol; i < ig; ++i)
        if (i >= 0 && static_cast<std::size_t>(i) < c.size() && c[static_cast<std::size_t>(i)])
            ++db;
    return db;
}

std::uint8_t Bajt(std::int32_t v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

void UjHuzasBe(HuzBeState& s, const GameParams& g)
{
    s = HuzBeState{};
    for (auto& p : s.HuzBePotSzamok)
        p.assign(static_cast<std::size_t>(std::max(g.PotSzamok, 0)), 0);
}

HuzBeSzerep HuzBeSzamSzerepe(const HuzBeState& s, std::int32_t n)
{
    const std::int32_t r = Sor(s);
    const TTombByte1D& pot = s.HuzBePotSzamok[static_cast<std::size_t>(r)];
    if (n > 0 && std::find(pot.begin(), pot.end(), n) != pot.end())
        return HuzBeSzerep::PotSzam;
    const TTombByte1D& sz = s.HuzBeSzamok[static_cast<std::size_t>(r)];
    if (std::find(sz.begin(), sz.end(), n) != sz.end())
        return HuzBeSzerep::Szam;
    return HuzBeSzerep::Nincs;
}

HuzBeKattintas HuzBeSzamClick(HuzBeState& s, const GameParams& g, std::int32_t n, std::int32_t mod)
{
    if (n < 1 || n > g.OsszesSzam || n > 255)
        return HuzBeKattintas::Elutasitva;
    const std::size_t r = static_cast<std::size_t>(Sor(s));
    TTombByte1D& sz = s.HuzBeSzamok[r];
    TTombByte1D& pot = s.HuzBePotSzamok[r];
    if (pot.size() != static_cast<std::size_t>(std::max(g.PotSzamok, 0)))
        pot.resize(static_cast<std::size_t>(std::max(g.PotSzamok, 0)), 0);
    const auto b = static_cast<std::uint8_t>(n);

    switch (HuzBeSzamSzerepe(s, n)) {
    case HuzBeSzerep::PotSzam:
        *std::find(pot.begin(), pot.end(), b) = 0;
        --s.HuzBePotSzamDb[r];
        return HuzBeKattintas::Torolve;
    case HuzBeSzerep::Szam:
        if (mod != 0)
            return HuzBeKattintas::Elutasitva;
        sz.erase(std::find(sz.begin(), sz.end(), b));
        if (PluszE(g, n))
            --s.HuzBePluszSzamDb;
        return HuzBeKattintas::Torolve;
    case HuzBeSzerep::Nincs:
        break;
    }

    const auto db = static_cast<std::int32_t>(sz.size());
    // Bonus numbers come from the main pool.
    if (g.VanPotSzam && !PluszE(g, n) && (mod == 50 || (mod == 0 && db >= g.SzamsorHossz)) &&
        s.HuzBePotSzamDb[r] < g.PotSzamok) {
        *std::find(pot.begin(), pot.end(), 0) = b;
        ++s.HuzBePotSzamDb[r];
        return HuzBeKattintas::PotSzam;
    }
    if (mod != 0 || db >= g.HuzottFoSzamok)
        return HuzBeKattintas::Elutasitva;
    const std::int32_t plusz = PluszDb(sz, g);
    if (PluszE(g, n)) {
        if (plusz >= g.PluszSzamDb)
            return HuzBeKattintas::Elutasitva;
    } else if (g.VanPluszSzam && db - plusz >= g.HuzottFoSzamokPluszNelkul) {
        return HuzBeKattintas::Elutasitva;
    }
    sz.push_back(b);
    if (PluszE(g, n))
        ++s.HuzBePluszSzamDb;
    return HuzBeKattintas::Szam;
}

HuzBeCellak HuzBeSorCellak(const HuzBeState& s, const GameParams& g, std::int32_t sor)
{
    const std::int32_t c = HuzBeOszlopok(g);
    HuzBeCellak cellak(static_cast<std::size_t>(std::max(c, 0)));
    const std::size_t r = static_cast<std::size_t>(std::clamp(sor, 0, 1));
    TTombByte1D fo, plusz;
    for (std::uint8_t n : s.HuzBeSzamok[r])
        (PluszE(g, n) ? plusz : fo).push_back(n);
    // Román 5/40 draws one number more than a line holds: the number marked
    // last stays last once the row is complete.
    const bool utolsoMarad =
        g.LottoIndex == 17 && g.SzamsorHossz < g.HuzottFoSzamok && static_cast<std::int32_t>(fo.size()) == g.HuzottFoSzamok;
    std::sort(fo.begin(), utolsoMarad ? fo.end() - 1 : fo.end());
    std::sort(plusz.begin(), plusz.end());
    for (std::size_t i = 0; i < fo.size() && i < cellak.size(); ++i)
        cellak[i] = fo[i];
    for (std::size_t i = 0; i < plusz.size(); ++i) {
        const std::size_t hol = static_cast<std::size_t>(g.HuzottFoSzamokPluszNelkul) + i;
        if (hol < cellak.size())
            cellak[hol] = g.PluszSzamKijelzes(plusz[i]);
    }
    const TTombByte1D& pot = s.HuzBePotSzamok[r];
    for (std::size_t q = 0; q < pot.size(); ++q) {
        const std::size_t hol = static_cast<std::size_t>(g.HuzottFoSzamok) + q;
        if (pot[q] > 0 && hol < cellak.size())
            cellak[hol] = pot[q];
    }
    return cellak;
}

bool MasodikSorraLep(const HuzBeState& s, const GameParams& g)
{
    if (!g.TobbSorsolas || s.HuzBeSor != 0)
        return false;
    const auto kesz = static_cast<std::int32_t>(s.HuzBeSzamok[0].size()) + s.HuzBePotSzamDb[0];
    return kesz >= HuzBeOszlopok(g) && s.HuzBeSzamok[1].size() < static_cast<std::size_t>(g.HuzottFoSzamok);
}

bool Ellenorzes(const GameParams& g, const HuzBeCellak& sor1, const HuzBeCellak& sor2, bool masodikLathato,
                bool /*rendbenVolt*/)
{
    const std::int32_t c = HuzBeOszlopok(g);
    const std::int32_t p = g.PotSzamok;
    if (Kitoltott(sor1, 0, c - p) != c - p)
        return false;
    const bool masodik = masodikLathato && !sor2.empty() && sor2[0].has_value();
    if (masodik && Kitoltott(sor2, 0, c - p) != c - p)
        return false;
    // With several bonus numbers a row holds all of them or none (Oz Lotto
    // may leave one out): the loader refuses anything else, so such a draw
    // is not accepted.
    if (p > 1) {
        auto jo = [&](const HuzBeCellak& cellak) {
            const std::int32_t db = Kitoltott(cellak, c - p, c);
            return db == 0 || db == p || (g.LottoIndex == 38 && db == p - 1);
        };
        if (!jo(sor1) || (masodik && !jo(sor2)))
            return false;
    }
    return true;
}

THuzRekord HuzBeRekord(const GameParams& g, std::int32_t ev, std::int32_t het, const HuzBeCellak& sor1,
                       const HuzBeCellak& sor2)
{
    THuzRekord rek;
    rek.Ev = static_cast<std::uint16_t>(ev);
    rek.Het = static_cast<std::uint8_t>(het);
    const std::int32_t c = HuzBeOszlopok(g);
    auto ir = [&](const HuzBeCellak& cellak, std::int32_t kezdet) {
        for (std::int32_t i = 0; i < c && static_cast<std::size_t>(i) < cellak.size(); ++i) {
            const std::size_t hol = static_cast<std::size_t>(kezdet + i);
            if (hol >= rek.Szamok.size() || kezdet + i >= g.HuzottSzamok)
                break;
            const auto& v = cellak[static_cast<std::size_t>(i)];
            if (!v)
                continue;
            const bool plusz = g.VanPluszSzam && i >= g.HuzottFoSzamokPluszNelkul && i < g.HuzottFoSzamok;
            rek.Szamok[hol] = Bajt(plusz ? g.FoSzamKeszlet + g.PluszSzamEltolas + *v : *v);
        }
    };
    ir(sor1, 0);
    // A second drawing left out (its first cell empty) is stored as zeros.
    if (g.TobbSorsolas && !sor2.empty() && sor2[0])
        ir(sor2, g.MasodikHuzasOszlop - 3);
    return rek;
}

std::vector<std::int32_t> HuzasSzamai(const GameParams& g, const TTombInt1D& sor, std::int32_t sorsolas)
{
    std::vector<std::int32_t> ki;
    const std::int32_t kezdet = sorsolas == 0 ? 3 : g.MasodikHuzasOszlop;
    auto at = [&](std::int32_t c) { return c >= 0 && static_cast<std::size_t>(c) < sor.size() ? sor[static_cast<std::size_t>(c)] : 0; };
    for (std::int32_t i = 0; i < g.HuzottFoSzamok; ++i)
        if (at(kezdet + i) > 0)
            ki.push_back(at(kezdet + i));
    for (std::int32_t i = 0; i < g.PotSzamok; ++i)
        if (at(kezdet + g.HuzottFoSzamok + i) > 0)
            ki.push_back(at(kezdet + g.HuzottFoSzamok + i));
    return ki;
}

std::int32_t HetKorbe(std::int32_t het)
{
    if (het >= 54)
        return 1;
    if (het <= 0)
        return 53;
    return het;
}

EvHet EvHetJavaslat(const DrawsState& d, const GameParams& g, std::int32_t mod, std::int32_t kivRekord)
{
    auto ev = [&](std::int32_t i) {
        return i >= 0 && i < d.HuzasokSzama && d.Huzasok[static_cast<std::size_t>(i)].size() > 1
                   ? d.Huzasok[static_cast<std::size_t>(i)][1]
                   : 0;
    };
    auto het = [&](std::int32_t i) {
        return i >= 0 && i < d.HuzasokSzama && d.Huzasok[static_cast<std::size_t>(i)].size() > 2
                   ? d.Huzasok[static_cast<std::size_t>(i)][2]
                   : 0;
    };
    EvHet j;
    switch (mod) {
    case 1: {
        const std::int32_t H = d.HuzasokSzama - 1;
        const std::int32_t h = std::max(g.HetiSorsolasok, 1);
        std::int32_t e = H - 1;
        std::int32_t vissza = std::min(H, h);
        if (H <= 1) {
            e = 0;
            vissza = 0;
        }
        j.Het = het(e);
        if (het(e) > 52 && (h == 1 || het(H - vissza) == 53)) {
            j.Ev = ev(e) + 1;
            j.Het = 1;
        } else {
            j.Ev = ev(e);
            if (het(e) < 53)
                j.Het = het(e) + 1;
        }
        if (h > 1) {
            const std::int32_t r = H - h;
            if (r >= 0 && r < d.HuzasokSzama && j.Het - 1 != het(r) && j.Het > 1)
                --j.Het;
        }
        break;
    }
    case 2:
        j.Ev = ev(kivRekord - 1);
        j.Het = het(kivRekord - 1);
        break;
    case 3:
        if (kivRekord > 1) {
            j.Ev = ev(kivRekord - 2);
            j.Het = het(kivRekord - 2);
        } else {
            j.Ev = ev(kivRekord);
            j.Het = het(kivRekord) - 1;
        }
        break;
    default:
        break;
    }
    // An empty table proposes the up-down's defaults.
    if (j.Ev == 0)
        j.Ev = 1957;
    j.Ev = std::clamp(j.Ev, 1901, 10000);
    j.Het = HetKorbe(j.Het);
    return j;
}

std::string VagolapMeretHiba(const GameParams& g, std::size_t hossz)
{
    const auto hatar = static_cast<std::size_t>(std::max(g.HuzottSzamok, 1)) * 20000u;
    if (hossz < hatar)
        return {};
    std::string s = " A vágólap indokolatlanul sok";
    if (hossz < 1000000000u)
        s += ", " + std::to_string(hossz);
    return s + " karaktert tartalmaz. ";
}

bool VagolapHuzasVan(const GameParams& g, const VagolapState& v)
{
    const bool mindket = v.VagolapMindketSzamsor || !g.TobbSorsolas;
    const auto kell = static_cast<std::size_t>(std::max(g.HuzottSzamok, 1)) * (mindket ? 2u : 1u);
    return v.VagolapSzoveg.size() >= kell;
}

VagolapHuzas VagolapOlvasas(const GameParams& g, VagolapState& v)
{
    VagolapHuzas h;
    const bool mindket = v.VagolapMindketSzamsor || !g.TobbSorsolas;
    const std::int32_t sorok = g.TobbSorsolas && mindket ? 2 : 1;
    // Bonus numbers left out of the text: none is read in any row.
    const bool potNelkul = v.VagolapPotSzamDb > 0;
    std::string& t = v.VagolapSzoveg;
    std::size_t pos = 0;
    for (std::int32_t sor = 0; sor < sorok; ++sor) {
        const std::int32_t helyek = g.HuzottFoSzamok + (potNelkul ? 0 : g.PotSzamok);
        for (std::int32_t k = 0; k < helyek; ++k) {
            const std::size_t elotte = pos;
            while (pos < t.size() && !std::isdigit(static_cast<unsigned char>(t[pos])))
                ++pos;
            if (pos >= t.size())
                continue;  // no digits left: the place stays empty
            std::int32_t v2 = 0;
            std::size_t jegy = 0;
            while (pos < t.size() && jegy < 2 && std::isdigit(static_cast<unsigned char>(t[pos]))) {
                v2 = v2 * 10 + (t[pos] - '0');
                ++pos;
                ++jegy;
            }
            const bool plusz = g.VanPluszSzam && k >= g.HuzottFoSzamokPluszNelkul && k < g.HuzottFoSzamok;
            std::int32_t n = v2;
            if (plusz)
                n = v2 + g.FoSzamKeszlet + (g.LottoIndex == 37 ? 1 : 0);
            const bool rossz = v2 > g.FoSzamKeszlet || (v2 < 1 && !(g.LottoIndex == 37 && plusz)) ||
                               (plusz && n > g.OsszesSzam);
            if (rossz) {
                t.erase(0, elotte);
                return h;
            }
            (sor == 0 ? h.Sor1 : h.Sor2).push_back(n);
        }
    }
    t.erase(0, pos);
    h.Rendben = true;
    return h;
}

std::string VagolapMaradekTipp(const std::string& maradek)
{
    return "Vágólap nem feldolgozott tartalma:\r\n" + maradek;
}

PluszSzamTippFajta HuzBePluszSzamTipp(const HuzBeState& s, const GameParams& g, HuzBeKattintas k, bool sajatAdatbazis,
                                      bool tipp9, bool tipp5, bool szelvenyLathato, bool vanTortenet)
{
    if (k != HuzBeKattintas::PotSzam || !g.VanPotSzam || !sajatAdatbazis)
        return PluszSzamTippFajta::Nincs;
    if (s.HuzBePotSzamDb[static_cast<std::size_t>(Sor(s))] < g.PotSzamok)
        return PluszSzamTippFajta::Nincs;
    if (tipp9)
        return PluszSzamTippFajta::Tipp;
    if (szelvenyLathato && tipp5 && vanTortenet)
        return PluszSzamTippFajta::Tortenet;
    return PluszSzamTippFajta::Nincs;
}

bool HuzBeUjraNyitas(bool adatbazisTipus, std::int32_t muveletKod, std::int32_t billentyuMod)
{
    return !adatbazisTipus && muveletKod == 1 && billentyuMod == 0;
}

const TTombInt1D* VeletlenMintaHuzas(const DrawsState& d, std::int32_t muveletKod, std::int32_t kivRekord)
{
    // 1-based draw number of the sample.
    std::int32_t sor = 0;
    switch (muveletKod) {
    case 1: sor = d.HuzasokSzama - 1; break;  // the last row is the empty new one
    case 2: sor = kivRekord; break;
    case 3: sor = kivRekord + 1; break;       // the empty row is the selected one
    default: return nullptr;
    }
    if (sor < 1 || sor > d.HuzasokSzama || static_cast<std::size_t>(sor) > d.Huzasok.size())
        return nullptr;
    return &d.Huzasok[static_cast<std::size_t>(sor - 1)];
}

namespace {

// Whether the sample row has a positive value in column `oszlop` (true
// without a sample).
bool MintaVan(const TTombInt1D* minta, std::int32_t oszlop)
{
    if (!minta)
        return true;
    return oszlop >= 0 && static_cast<std::size_t>(oszlop) < minta->size() && (*minta)[static_cast<std::size_t>(oszlop)] > 0;
}

// One random drawing: hossz numbers of which foHossz main-pool numbers and
// pot bonus numbers (from the main pool); ticket numbers out.
void VeletlenSor(RandomState& rs, const GameParams& g, std::int32_t hossz, std::int32_t foHossz, std::int32_t pot,
                 std::vector<std::int32_t>& szamok, std::vector<std::int32_t>& potSzamok)
{
    std::array<std::uint8_t, 64> sor{};
    const std::int32_t n = hossz + pot;
    const std::int32_t k = foHossz + pot;
    if (!VeletlenSzamsor(rs, sor, n, k, false, pot, g.FoSzamKeszlet, g.OsszesSzam, g.VanPluszSzam))
        return;
    // Positions 0 .. foHossz-1 main numbers, foHossz .. k-1 the bonus
    // numbers (drawn with the main ones, kept unsorted at the end by e = pot
    // when there is no extra pool), k .. n-1 the extra-pool numbers.
    for (std::int32_t i = 0; i < foHossz; ++i)
        szamok.push_back(sor[static_cast<std::size_t>(i)] + 1);
    for (std::int32_t i = k; i < n; ++i)
        szamok.push_back(sor[static_cast<std::size_t>(i)] + 1);
    for (std::int32_t i = foHossz; i < k; ++i)
        potSzamok.push_back(sor[static_cast<std::size_t>(i)] + 1);
}

}  // namespace

VeletlenHuzas HuzBeVeletlen(RandomState& rs, const GameParams& g, const TTombInt1D* minta)
{
    VeletlenHuzas h;
    std::int32_t hossz = g.HuzottFoSzamok;
    std::int32_t foHossz = g.HuzottFoSzamokPluszNelkul;
    std::int32_t pot = g.PotSzamok;
    const bool roman = g.LottoIndex == 17 && g.SzamsorHossz < g.HuzottFoSzamok;
    if (roman) {
        hossz = 5;
        foHossz = 5;
        pot = 1;
    }
    const std::int32_t pot1 = MintaVan(minta, g.SzamsorHossz + 3) ? pot : 0;
    VeletlenSor(rs, g, hossz, foHossz, pot1, h.Sor1, h.Pot1);
    // The sixth Román number is a plain number that stays last.
    if (roman) {
        h.Sor1.insert(h.Sor1.end(), h.Pot1.begin(), h.Pot1.end());
        h.Pot1.clear();
    }
    if (g.TobbSorsolas && MintaVan(minta, g.MasodikHuzasOszlop)) {
        const std::int32_t utolso = minta ? static_cast<std::int32_t>(minta->size()) - 1 : 0;
        const std::int32_t pot2 = MintaVan(minta, utolso) ? pot : 0;
        VeletlenSor(rs, g, hossz, foHossz, pot2, h.Sor2, h.Pot2);
    }
    return h;
}

}  // namespace kvx
