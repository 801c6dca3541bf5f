#include "variation/line_entry.h"

#include <algorithm>

#include "draws/hit_search.h"
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

namespace {

BontEllKattintas ellenorzoKattintas(BontEllJelolesek& j, const GameParams& g, std::int32_t n, std::int32_t billentyuMod)
{
    if (n < 1 || n > g.OsszesSzam || n > 255)
        return BontEllKattintas::Elutasitva;
    const std::size_t potHely = static_cast<std::size_t>(std::max(g.PotSzamok, 0));
    if (j.PotSzamok.size() != potHely)
        j.PotSzamok.resize(potHely, 0);
    const auto b = static_cast<std::uint8_t>(n);
    const bool plusz = g.VanPluszSzam && n > g.FoSzamKeszlet;
    if (j.PotJelolt(n)) {
        *std::find(j.PotSzamok.begin(), j.PotSzamok.end(), b) = 0;
        --j.PotDb;
        return BontEllKattintas::Torolve;
    }
    if (j.Jelolt(n)) {
        if (billentyuMod != 0)
            return BontEllKattintas::Elutasitva;
        std::erase(j.Jeloltek, b);
        if (plusz)
            --j.PluszDb;
        return BontEllKattintas::Torolve;
    }
    const std::int32_t db = static_cast<std::int32_t>(j.Jeloltek.size());
    const bool tele = db >= BontEllMaxJeloles(g);
    if (g.VanPotSzam && !plusz && (billentyuMod == 50 || (billentyuMod == 0 && tele)) && j.PotDb < g.PotSzamok) {
        *std::find(j.PotSzamok.begin(), j.PotSzamok.end(), std::uint8_t{0}) = b;
        ++j.PotDb;
        return BontEllKattintas::PotJelolve;
    }
    if (billentyuMod != 0 || tele)
        return BontEllKattintas::Elutasitva;
    if (g.VanPluszSzam && (plusz ? j.PluszDb >= g.PluszSzamDb : db - j.PluszDb >= g.HuzottFoSzamokPluszNelkul))
        return BontEllKattintas::Elutasitva;
    j.Jeloltek.push_back(b);
    if (plusz)
        ++j.PluszDb;
    return BontEllKattintas::Jelolve;
}

}  // namespace

bool BontEllJelolesek::PotJelolt(std::int32_t n) const
{
    return n > 0 && std::find(PotSzamok.begin(), PotSzamok.end(), static_cast<std::uint8_t>(n)) != PotSzamok.end();
}

std::int32_t BontEllMaxJeloles(const GameParams& g) { return std::max(g.SzamsorHossz, g.HuzottFoSzamok); }

BontEllKattintas BontEllSzamClick(BontEllJelolesek& j, const SzamListak& l, const GameParams& g, std::int32_t n,
                                  std::int32_t billentyuMod)
{
    if (j.Mod == BontEllEllenorzes)
        return ellenorzoKattintas(j, g, n, billentyuMod);
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

std::int32_t BontEllTalalatokMeret(const GameParams& g)
{
    if (g.PotSzamTalalat)
        return g.SzamsorFoSzamDb * g.TalalatSzorzo + 1;
    return (g.SzamsorFoSzamDb + 1) * g.TalalatSzorzo + g.PotSzamok;
}

namespace {

// The code of a number of a line: one main hit, one extra hit, or equal
// to a bonus mark, in separate bytes of a sum.
constexpr std::uint32_t kFo = 1;
constexpr std::uint32_t kPlusz = 1u << 8;
constexpr std::uint32_t kPot = 1u << 16;

std::uint32_t szamKod(const BontEllJelolesek& j, const GameParams& g, std::int32_t n)
{
    if (j.Jelolt(n))
        return g.VanPluszSzam && n > g.FoSzamKeszlet ? kPlusz : kFo;
    return j.PotJelolt(n) ? kPot : 0;
}

}  // namespace

BontEllKereso::BontEllKereso(const BontEllJelolesek& j, const BontListaNezet& n)
{
    if (!n.Tar || !n.Jatek)
        return;
    const GameParams& g = *n.Jatek;
    tar_ = n.Tar;
    sorDb_ = std::clamp(n.Tar->BontSzelvszam, 0, n.Tar->BontMatrixMeret);
    hossz_ = std::clamp(n.SorHossz(), 0, n.Tar->BontMatrixSorHossz);
    szorzo_ = std::max(1, g.TalalatSzorzo);
    szamsorHossz_ = g.SzamsorHossz;
    vanPot_ = g.VanPotSzam;
    potTalalat_ = g.PotSzamTalalat;
    potJeloles_ = j.PotDb > 0;
    meret_ = BontEllTalalatokMeret(g);
    for (std::int32_t b = 0; b < 256; ++b) {
        std::int32_t szam = b;
        if (!n.HuzasMod)
            szam = static_cast<std::size_t>(b) < n.KijeloltSzamok.size() ? n.KijeloltSzamok[static_cast<std::size_t>(b)] : 0;
        kod_[b] = szamKod(j, g, szam);
    }
    // The fixed numbers belong to every line of a normal variation.
    if (!n.HuzasMod)
        for (std::uint8_t f : n.FixSzamok)
            alap_ += szamKod(j, g, f);
}

std::int32_t BontEllKereso::ertek(std::uint32_t o) const
{
    const auto h = static_cast<std::int32_t>(o & 0xFF);
    const auto e = static_cast<std::int32_t>((o >> 8) & 0xFF);
    const auto b = static_cast<std::int32_t>(o >> 16);
    const std::int32_t v = TalalatOsztaly(h, e, szorzo_);
    if (!vanPot_)
        return v;
    if (h == szamsorHossz_ && !potTalalat_)
        return v + 1;
    if (potTalalat_ || (potJeloles_ && h == szamsorHossz_ - 1))
        return v + b;
    return v;
}

std::int32_t BontEllKereso::Keres(std::int32_t tol, std::int32_t lepes, std::int32_t min, std::int32_t max) const
{
    if (!tar_ || lepes == 0)
        return -1;
    for (std::int32_t i = tol; i >= 0 && i < sorDb_; i += lepes) {
        const std::int32_t v = SzamsorTalalat(i);
        if (v >= min && v <= max)
            return i;
    }
    return -1;
}

TTombInt1D BontEllKereso::Ellenorzes() const
{
    TTombInt1D e(static_cast<std::size_t>(std::max(0, meret_)), 0);
    for (std::int32_t i = 0; i < sorDb_; ++i) {
        // A damaged line (a position twice) could score past the table.
        const std::int32_t v = SzamsorTalalat(i);
        if (v >= 0 && v < meret_)
            ++e[static_cast<std::size_t>(v)];
    }
    return e;
}

TTombInt1D BontEllTalalatok(const BontEllJelolesek& j, const BontListaNezet& n)
{
    if (!n.Jatek)
        return {};
    TTombInt1D e = BontEllKereso(j, n).Ellenorzes();
    e.resize(static_cast<std::size_t>(std::max(0, BontEllTalalatokMeret(*n.Jatek))), 0);
    return e;
}

std::string BontEllSorszam(const BontEllJelolesek& j, const BontListaNezet& n)
{
    std::vector<std::uint8_t> tomb;
    if (n.HuzasMod) {
        if (static_cast<std::int32_t>(j.Jeloltek.size()) != n.Jatek->SzamsorHossz)
            return {};
        tomb.assign(j.Jeloltek.begin(), j.Jeloltek.end());
    } else {
        for (std::size_t p = 0; p < n.KijeloltSzamok.size(); ++p)
            if (j.Jelolt(n.KijeloltSzamok[p]))
                tomb.push_back(static_cast<std::uint8_t>(p + 1));
        if (n.VariacioMeret <= 0 || static_cast<std::int32_t>(tomb.size()) != n.VariacioMeret)
            return {};
    }
    return SorszamSzoveg(n, tomb);
}

std::string BontEllSzamTipp(const BontEllJelolesek& j, const BontListaNezet& n, std::int32_t szam)
{
    const GameParams& g = *n.Jatek;
    const bool plusz = g.VanPluszSzam && szam > g.FoSzamKeszlet;
    const std::string p = plusz ? g.PluszSzamNev : std::string();
    const auto benne = [szam](const TTombByte1D& v) {
        return std::find(v.begin(), v.end(), static_cast<std::uint8_t>(szam)) != v.end();
    };
    std::string s;
    const auto poz = std::find(n.KijeloltSzamok.begin(), n.KijeloltSzamok.end(), static_cast<std::uint8_t>(szam));
    const auto fix = std::find(n.FixSzamok.begin(), n.FixSzamok.end(), static_cast<std::uint8_t>(szam));
    if (poz != n.KijeloltSzamok.end()) {
        if (n.HuzasMod) {
            s = " Nem a variáció számsorából készült listát ellenőrzi. \r\n Húzások számsoraiból összeállított variáció. ";
        } else {
            const auto i = static_cast<std::size_t>(poz - n.KijeloltSzamok.begin());
            s = benne(n.AllandoSzamok) ? " Variációra kijelölt állandó"
                : benne(n.VeletlenSzamok) ? " Variációra kijelölt véletlen"
                                          : " Variációra kijelölt";
            s += p + " szám ";
            if (n.Tar && i < n.Tar->BontSzamGyakorisag.size() && n.Tar->BontSzamGyakorisag[i] == 0)
                s += "- nem szerepel a variációban. ";
            s += "\r\n " + std::to_string(i + 1) + ". szám a számsorban ";
        }
    } else if (fix != n.FixSzamok.end()) {
        s = " Variációra kijelölt " + std::to_string(fix - n.FixSzamok.begin() + 1) + ". fix szám ";
    } else {
        s = " Szám" + p + " : " + std::to_string(plusz ? g.PluszSzamKijelzes(szam) : szam) + " ";
    }
    if (j.PotJelolt(szam))
        s += "\r\n Plusz számként kijelölve ";
    return s;
}

BontEllInfo BontEllInfoKeszites(const BontEllJelolesek& j, const BontListaNezet& n, bool potSzamTalalat,
                                const TTombInt1D& talalatok)
{
    const GameParams& g = *n.Jatek;
    BontEllInfo r;
    const std::int32_t db = static_cast<std::int32_t>(j.Jeloltek.size());
    std::string s = " Kijelölve: " + std::to_string(db - j.PluszDb);
    if (j.PotDb > 0)
        s.append("+").append(std::to_string(j.PotDb));
    if (j.PluszDb > 0)
        s.append("+").append(std::to_string(j.PluszDb));
    s += " szám\r\n";
    TTombInt1D e = talalatok;
    e.resize(static_cast<std::size_t>(std::max(0, BontEllTalalatokMeret(g))), 0);
    s += TalalatSorokSzovege(g, e);
    s += BontEllSorszam(j, n);
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
