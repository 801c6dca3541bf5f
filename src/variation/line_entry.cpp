#include "variation/line_entry.h"

#include <algorithm>

#include "tickets/ticket_layout.h"

namespace kvx {

namespace {

std::int32_t pozicio(const SzamListak& l, std::uint8_t n)
{
    const auto i = std::find(l.KijeloltSzamok.begin(), l.KijeloltSzamok.end(), n);
    return i == l.KijeloltSzamok.end() ? -1 : static_cast<std::int32_t>(i - l.KijeloltSzamok.begin());
}

bool pluszPozicio(const SzamListak& l, std::int32_t p) { return p >= l.KijeloltFoSzamDb; }

}  // namespace

bool BontEllJelolesek::Jelolt(std::int32_t n) const
{
    return std::find(Jeloltek.begin(), Jeloltek.end(), static_cast<std::uint8_t>(n)) != Jeloltek.end();
}

bool BontEllKattinthato(const SzamListak& l, std::int32_t n)
{
    return n >= 1 && n <= 255 && pozicio(l, static_cast<std::uint8_t>(n)) >= 0;
}

BontEllKattintas BontEllSzamClick(BontEllJelolesek& j, const SzamListak& l, const GameParams& g, std::int32_t n,
                                  std::int32_t billentyuMod)
{
    (void)g;
    if (billentyuMod != 0 || !BontEllKattinthato(l, n))
        return BontEllKattintas::Elutasitva;
    const auto b = static_cast<std::uint8_t>(n);
    const bool plusz = pluszPozicio(l, pozicio(l, b));
    if (j.Jelolt(n)) {
        std::erase(j.Jeloltek, b);
        if (plusz)
            --j.PluszDb;
        return BontEllKattintas::Torolve;
    }
    const std::int32_t fo = static_cast<std::int32_t>(j.Jeloltek.size()) - j.PluszDb;
    if (static_cast<std::int32_t>(j.Jeloltek.size()) >= l.VariacioMeret)
        return BontEllKattintas::Elutasitva;
    if (plusz ? j.PluszDb >= l.VariacioMeret - l.VariacioFoMeret : fo >= l.VariacioFoMeret)
        return BontEllKattintas::Elutasitva;
    j.Jeloltek.push_back(b);
    if (plusz)
        ++j.PluszDb;
    return BontEllKattintas::Jelolve;
}

bool BontEllKesz(const BontEllJelolesek& j, const SzamListak& l)
{
    return l.VariacioMeret > 0 && static_cast<std::int32_t>(j.Jeloltek.size()) == l.VariacioMeret;
}

TTombByte1D BontEllSzamsorTomb(const BontEllJelolesek& j, const SzamListak& l)
{
    TTombByte1D s;
    for (std::uint8_t n : j.Jeloltek)
        if (const std::int32_t p = pozicio(l, n); p >= 0)
            s.push_back(static_cast<std::uint8_t>(p));
    std::sort(s.begin(), s.end());
    return s;
}

bool SzamsorTombErvenyes(const TTombByte1D& s, const SzamListak& l)
{
    if (l.VariacioMeret <= 0 || static_cast<std::int32_t>(s.size()) != l.VariacioMeret)
        return false;
    std::int32_t fo = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] >= l.KijeloltSzamok.size() || (i > 0 && s[i] <= s[i - 1]))
            return false;
        if (!pluszPozicio(l, s[i]))
            ++fo;
    }
    return fo == l.VariacioFoMeret;
}

TTombByte1D BontEllSorSzamai(const VariationStore& t, const SzamListak& l, std::int32_t m)
{
    TTombByte1D v;
    if (m < 0 || m >= t.BontMatrixMeret)
        return v;
    const std::uint8_t* s = t.sor(m);
    for (std::int32_t p = 0; p < t.BontMatrixSorHossz; ++p)
        if (s[p] < l.KijeloltSzamok.size())
            v.push_back(l.KijeloltSzamok[s[p]]);
    return v;
}

TTombByte1D BontEllVeletlenSzamsor(const SzamListak& l, const VeletlenFuggveny& r)
{
    TTombByte1D fo(l.KijeloltSzamok.begin(), l.KijeloltSzamok.begin() + std::min<std::size_t>(
                                                                            l.KijeloltSzamok.size(),
                                                                            static_cast<std::size_t>(std::max(0, l.KijeloltFoSzamDb))));
    TTombByte1D plusz(l.KijeloltSzamok.begin() + static_cast<std::ptrdiff_t>(fo.size()), l.KijeloltSzamok.end());
    TTombByte1D v;
    const auto huz = [&r, &v](TTombByte1D& tar, std::int32_t db) {
        for (std::int32_t i = 0; i < db && !tar.empty(); ++i) {
            const int k = r(0, static_cast<int>(tar.size()) - 1);
            v.push_back(tar[static_cast<std::size_t>(k)]);
            tar.erase(tar.begin() + k);
        }
    };
    huz(fo, l.VariacioFoMeret);
    huz(plusz, l.VariacioMeret - l.VariacioFoMeret);
    return v;
}

TTombInt1D BontEllTalalatok(const BontEllJelolesek& j, const BontListaNezet& n)
{
    const GameParams& g = *n.Jatek;
    const std::int32_t vts = std::max(1, g.VariacioTalalatSzorzo);
    const std::int32_t meret =
        (g.LottoIndex == 17 ? g.HuzottFoSzamokPluszNelkul : g.HuzottFoSzamokPluszNelkul + 1) * vts;
    TTombInt1D e(static_cast<std::size_t>(std::max(0, meret)), 0);
    if (!n.Tar || n.HuzasMod)
        return e;
    // Which stored positions are marked.
    std::vector<bool> jelolt(n.KijeloltSzamok.size(), false);
    for (std::size_t p = 0; p < n.KijeloltSzamok.size(); ++p)
        jelolt[p] = j.Jelolt(n.KijeloltSzamok[p]);
    const VariationStore& t = *n.Tar;
    const std::int32_t fix = static_cast<std::int32_t>(n.FixSzamok.size());
    for (std::int32_t r = 0; r < t.BontMatrixMeret; ++r) {
        const std::uint8_t* s = t.sor(r);
        std::int32_t fo = fix, plusz = 0;
        for (std::int32_t k = 0; k < t.BontMatrixSorHossz; ++k)
            if (s[k] < jelolt.size() && jelolt[s[k]])
                ++(s[k] >= n.KijeloltFoSzamDb ? plusz : fo);
        const std::int32_t i = plusz + fo * vts;
        if (i >= 0 && i < meret)
            ++e[static_cast<std::size_t>(i)];
    }
    return e;
}

BontEllInfo BontEllInfoKeszites(const BontEllJelolesek& j, const BontListaNezet& n, bool potSzamTalalat)
{
    const GameParams& g = *n.Jatek;
    BontEllInfo r;
    const std::int32_t db = static_cast<std::int32_t>(j.Jeloltek.size());
    std::string s = " Kijelölve: " + std::to_string(db - j.PluszDb);
    if (j.PluszDb > 0)
        s.append("+").append(std::to_string(j.PluszDb));
    s += " szám\r\n";
    const TTombInt1D e = BontEllTalalatok(j, n);
    const std::int32_t utolso = static_cast<std::int32_t>(e.size()) - 1;
    s += TalalatSorok(g, e, g.KenoJatek ? std::min(utolso, g.SzamsorHossz) : utolso);
    if (db == n.VariacioMeret && n.VariacioMeret > 0) {
        std::vector<std::uint8_t> tomb;
        for (std::size_t p = 0; p < n.KijeloltSzamok.size(); ++p)
            if (j.Jelolt(n.KijeloltSzamok[p]))
                tomb.push_back(static_cast<std::uint8_t>(p + 1));
        s += SorszamSzoveg(n, tomb);
    }
    // The facts of the whole line: the fixed numbers belong to every line.
    TTombByte1D sor = j.Jeloltek;
    if (j.Mod != BontEllEllenorzes)
        sor.insert(sor.end(), n.FixSzamok.begin(), n.FixSzamok.end());
    const SorInfoSzovegek info = SorInfoKeszites(g, potSzamTalalat, sor, true);
    r.Szoveg = s + info.Hozzafuzes;
    r.Szoveg2 = info.Masodik;
    return r;
}

std::string ModositasFelirat(std::int32_t sor)
{
    std::string s = " ";
    s += std::to_string(sor);
    s += ". számsor módosítása";
    return s;
}

}  // namespace kvx
