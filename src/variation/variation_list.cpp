#include "variation/variation_list.h"

#include <algorithm>
#include <vector>

#include "common/delphi_format.h"
#include "common/line_info.h"
#include "common/numbering.h"
#include "conditions/condition_records.h"
#include "tickets/ticket_layout.h"

namespace kvx {

namespace {

std::int32_t kijelzett(const GameParams& g, std::int32_t szam)
{
    return g.VanPluszSzam && szam > g.FoSzamKeszlet ? g.PluszSzamKijelzes(szam) : szam;
}

std::int32_t felso(const BontListaNezet& n) { return n.Tar ? static_cast<std::int32_t>(n.Tar->Import_Count.size()) - 1 : -1; }

}  // namespace

CellaFajta BontListaCellaFajta(const BontListaNezet& n, std::int32_t oszlop)
{
    if (oszlop == 0)
        return CellaFajta::Sorszam;
    if (n.HuzasMod && oszlop == 1)
        return CellaFajta::Huzas;
    const std::int32_t j = oszlop - n.ElsoSzamOszlop();
    if (j >= n.SorHossz())
        return CellaFajta::FixSzam;
    const GameParams& g = *n.Jatek;
    if (g.VanPluszSzam && j >= (n.HuzasMod ? g.SzamsorFoSzamDb : n.VariacioFoMeret))
        return CellaFajta::PluszSzam;
    return CellaFajta::Szam;
}

std::string BontListaFejlec(const BontListaNezet& n, std::int32_t oszlop)
{
    if (oszlop == 0)
        return "Számsor";
    if (n.HuzasMod && oszlop == 1)
        return "Húzás";
    return std::to_string(n.HuzasMod ? oszlop - 1 : oszlop) + ".";
}

std::string BontListaCella(const BontListaNezet& n, std::int32_t sor, std::int32_t oszlop)
{
    if (sor < 1 || sor > n.SorDb() || oszlop < 0 || oszlop >= n.OszlopDb())
        return {};
    const VariationStore& t = *n.Tar;
    switch (BontListaCellaFajta(n, oszlop)) {
    case CellaFajta::Sorszam: return std::to_string(sor) + ".";
    case CellaFajta::Huzas:
        return static_cast<std::size_t>(sor) <= t.BontHuzasSorszam.size()
                   ? std::to_string(t.BontHuzasSorszam[static_cast<std::size_t>(sor - 1)]) + "."
                   : std::string();
    case CellaFajta::FixSzam: {
        const std::size_t i = static_cast<std::size_t>(oszlop - n.ElsoSzamOszlop() - n.SorHossz());
        return i < n.FixSzamok.size() ? std::to_string(kijelzett(*n.Jatek, n.FixSzamok[i])) : std::string();
    }
    case CellaFajta::Szam:
    case CellaFajta::PluszSzam: break;
    }
    const std::int32_t j = oszlop - n.ElsoSzamOszlop();
    if (j >= t.BontMatrixSorHossz)
        return {};
    const std::uint8_t b = t.sor(sor - 1)[j];
    if (n.HuzasMod)
        return std::to_string(kijelzett(*n.Jatek, b));
    return b < n.KijeloltSzamok.size() ? std::to_string(kijelzett(*n.Jatek, n.KijeloltSzamok[b])) : std::string();
}

int ImportDrawCell(const BontListaNezet& n, std::int32_t sor)
{
    const std::int32_t f = felso(n);
    if (f < 0 || n.Rendezett)
        return 0;
    const TTombInt1D& b = n.Tar->Import_Count;
    for (std::int32_t i = f; i >= 1; --i)
        if (i % 2 == 1 && b[static_cast<std::size_t>(i - 1)] < sor && sor <= b[static_cast<std::size_t>(i)])
            return 1;
    return 0;
}

bool SzurkeSorszam(const BontListaNezet& n, std::int32_t sor)
{
    const std::int32_t f = felso(n);
    return f > 0 && (n.Rendezett || sor <= n.Tar->Import_Count[static_cast<std::size_t>(f - 1)]);
}

bool ReszElsoSora(const BontListaNezet& n, std::int32_t sor)
{
    const std::int32_t f = felso(n);
    if (n.Rendezett || f <= 0)
        return false;
    for (std::int32_t i = 0; i < f; ++i)
        if (n.Tar->Import_Count[static_cast<std::size_t>(i)] + 1 == sor)
            return true;
    return false;
}

TTombByte1D KivSzamsorKeszites(const BontListaNezet& n, std::int32_t sor)
{
    TTombByte1D k;
    if (sor < 1 || sor > n.SorDb())
        return k;
    const std::uint8_t* s = n.Tar->sor(sor - 1);
    const std::int32_t len = std::min(n.SorHossz(), n.Tar->BontMatrixSorHossz);
    k.assign(s, s + len);
    if (!n.HuzasMod)
        k.insert(k.end(), n.FixSzamok.begin(), n.FixSzamok.end());
    return k;
}

TTombInt1D TalalatEloszlasSzamitas(const BontListaNezet& n, const TTombByte1D& kiv)
{
    const GameParams& g = *n.Jatek;
    const std::int32_t vts = std::max(1, g.VariacioTalalatSzorzo);
    const std::int32_t meret = (g.LottoIndex == 17 ? g.HuzottFoSzamokPluszNelkul : g.HuzottFoSzamokPluszNelkul + 1) * vts;
    TTombInt1D e(static_cast<std::size_t>(std::max(0, meret)), 0);
    const VariationStore& t = *n.Tar;
    const std::int32_t len = std::min<std::int32_t>(n.SorHossz(), static_cast<std::int32_t>(kiv.size()));
    const std::int32_t w = t.BontMatrixSorHossz;
    const std::int32_t fix = n.HuzasMod ? 0 : static_cast<std::int32_t>(n.FixSzamok.size());
    for (std::int32_t r = 0; r < t.BontMatrixMeret; ++r) {
        const std::uint8_t* s = t.sor(r);
        std::int32_t fo = 0, plusz = 0, kezd = 0;
        for (std::int32_t j = 0; j < w; ++j) {
            for (std::int32_t p = kezd; p < len; ++p)
                if (kiv[static_cast<std::size_t>(p)] == s[j]) {
                    if (g.VanPluszSzam && p >= len - g.PluszSzamDb)
                        ++plusz;
                    else
                        ++fo;
                    kezd = p + 1;
                    break;
                }
        }
        fo += fix;
        const std::int32_t i = plusz + fo * vts;
        if (i >= 0 && i < meret)
            ++e[static_cast<std::size_t>(i)];
    }
    return e;
}

std::string TalalatSorok(const GameParams& g, const TTombInt1D& e, std::int32_t teto)
{
    std::string s;
    std::int32_t m = g.SzamsorFoSzamDb;
    std::int32_t i = std::min<std::int32_t>(teto, static_cast<std::int32_t>(e.size()) - 1);
    while (i >= 0) {
        if (g.VanPluszSzam) {
            for (std::int32_t x = g.PluszSzamDb; x >= 1 && i >= 0; --x, --i)
                s += Format("%2.0u", {m}) + "+" + std::to_string(x) + " találat:" +
                     Format("%8.0u", {e[static_cast<std::size_t>(i)]}) + "\r\n";
            if (i < 0)
                break;
            s += Format("%2.0u", {m}) + "  találat:" + Format("%8.0u", {e[static_cast<std::size_t>(i)]}) + "\r\n";
        } else {
            s += Format("%4.0u", {m}) + " találat:" + Format("%8.0u", {e[static_cast<std::size_t>(i)]}) + "\r\n";
        }
        --i;
        --m;
    }
    return s;
}

std::string SorszamSzoveg(const BontListaNezet& n, std::vector<std::uint8_t> tomb)
{
    const GameParams& g = *n.Jatek;
    const NumberingDims d =
        n.HuzasMod ? gameNumberingDims(g)
                   : variationNumberingDims(n.KijeloltFoSzamDb, n.VariacioFoMeret, n.KijeloltPluszSzamDb, g.PluszSzamDb,
                                            g.VanPluszSzam);
    const auto o = SzamsorSorszamaTV(tomb, d);
    if (!o)
        return {};
    const std::string dec = std::to_string(*o);
    const std::string ezres = FormatThousands(static_cast<std::int64_t>(*o));
    if (dec.size() <= 12)
        return "\r\n Ssz:" + Format("%15s", {ezres}) + ".";
    return "\r\n S:" + Format("%17s", {ezres}) + ".";
}

std::vector<SegedJeloles> SegedszelvenyJelolesek(const BontListaNezet& n, std::int32_t sor)
{
    const GameParams& g = *n.Jatek;
    std::vector<SegedJeloles> j(static_cast<std::size_t>(std::max(0, g.OsszesSzam)), SegedJeloles::Nincs);
    if (sor < 1 || sor > n.SorDb())
        return j;
    const auto jelol = [&j](std::int32_t szam, SegedJeloles m) {
        if (szam >= 1 && static_cast<std::size_t>(szam) <= j.size())
            j[static_cast<std::size_t>(szam - 1)] = m;
    };
    const auto benne = [](const TTombByte1D& v, std::uint8_t x) { return std::find(v.begin(), v.end(), x) != v.end(); };
    const std::uint8_t* s = n.Tar->sor(sor - 1);
    const std::int32_t len = std::min(n.SorHossz(), n.Tar->BontMatrixSorHossz);
    for (std::int32_t p = 0; p < len; ++p) {
        if (n.HuzasMod) {
            jelol(s[p], SegedJeloles::Szam);
            continue;
        }
        if (s[p] >= n.KijeloltSzamok.size())
            continue;
        const std::uint8_t szam = n.KijeloltSzamok[s[p]];
        jelol(szam, benne(n.AllandoSzamok, szam)    ? SegedJeloles::Allando
                    : benne(n.VeletlenSzamok, szam) ? SegedJeloles::Veletlen
                                                    : SegedJeloles::Szam);
    }
    if (!n.HuzasMod)
        for (std::uint8_t f : n.FixSzamok)
            jelol(f, SegedJeloles::Fix);
    return j;
}

TTombByte1D SorSzamai(const BontListaNezet& n, std::int32_t sor)
{
    TTombByte1D v;
    if (sor < 1 || sor > n.SorDb())
        return v;
    const std::uint8_t* s = n.Tar->sor(sor - 1);
    const std::int32_t len = std::min(n.SorHossz(), n.Tar->BontMatrixSorHossz);
    for (std::int32_t p = 0; p < len; ++p) {
        if (n.HuzasMod)
            v.push_back(s[p]);
        else if (s[p] < n.KijeloltSzamok.size())
            v.push_back(n.KijeloltSzamok[s[p]]);
    }
    if (!n.HuzasMod)
        v.insert(v.end(), n.FixSzamok.begin(), n.FixSzamok.end());
    return v;
}

SorInfoSzovegek SorInfoKeszites(const GameParams& g, bool potSzamTalalat, TTombByte1D szamok, bool ellenorzo)
{
    // Line facts are about the main numbers: extra-pool numbers are left out.
    std::erase_if(szamok, [&g](std::uint8_t x) { return g.VanPluszSzam && x > g.FoSzamKeszlet; });
    std::sort(szamok.begin(), szamok.end());
    TTombByte1D masik = szamok;
    SorInfoSzovegek r;
    const int jatek = g.LottoIndex;
    const bool tizes = TizesRacsJatek(jatek) || (ellenorzo && (jatek == 38 || jatek == 41 || jatek == 42) &&
                                                 (PluszPanelJatek(jatek) || potSzamTalalat));
    if (tizes) {
        r.Hozzafuzes = SegedszelvenyInfo(szamok, 4);
        r.Masodik = SegedszelvenyInfo(masik, 5);
    } else if (PluszPanelJatek(jatek) || potSzamTalalat) {
        r.Hozzafuzes = SegedszelvenyInfo(szamok, 1);
        r.Masodik = SegedszelvenyInfo(masik, 2);
    } else {
        r.Hozzafuzes = SegedszelvenyInfo(szamok, 0);
    }
    return r;
}

BLRiport BLRiportKeszites(const BontListaNezet& n, std::int32_t sor, TTombInt1D e, bool peldabontas,
                          bool potSzamTalalat)
{
    const GameParams& g = *n.Jatek;
    BLRiport r;
    r.Felirat = (peldabontas ? " Példabontás " : " Variáció ") + std::to_string(sor) + ". számsora";
    if (e.empty() || sor < 1 || sor > n.SorDb())
        return r;
    r.Jelolesek = SegedszelvenyJelolesek(n, sor);
    const std::int32_t utolso = static_cast<std::int32_t>(e.size()) - 1;
    const std::int32_t teto = g.KenoJatek ? std::min(utolso, g.SzamsorHossz) : utolso;
    if (e[static_cast<std::size_t>(teto)] > 0)
        --e[static_cast<std::size_t>(teto)];
    std::string s = " Variáció listája\r\n" + TalalatSorok(g, e, teto);
    // The line's ordinal in the full variation.
    std::vector<std::uint8_t> tomb;
    const std::uint8_t* sr = n.Tar->sor(sor - 1);
    for (std::int32_t j = 0; j < std::min(n.SorHossz(), n.Tar->BontMatrixSorHossz); ++j)
        tomb.push_back(n.HuzasMod ? sr[j] : static_cast<std::uint8_t>(sr[j] + 1));
    s += SorszamSzoveg(n, tomb);
    // The line's facts: the whole line, fixed numbers included.
    const SorInfoSzovegek info = SorInfoKeszites(g, potSzamTalalat, SorSzamai(n, sor), false);
    s += info.Hozzafuzes;
    r.Szoveg = s;
    r.Szoveg2 = info.Masodik;
    if (e[static_cast<std::size_t>(teto)] > 0)
        r.TobbszorosSor = sor;
    return r;
}

bool FelulirasHatarBeallitas(TVariacioOpciok& o, const VariationStore& t, std::int32_t sor)
{
    if (!o.Optimalizalas || !o.Feluliras || t.BontSzelvszam < 1 || sor < 1 || sor > t.BontSzelvszam)
        return false;
    o.SetVedettSzamsorDb(sor);
    o.OptHatarBajt = sor < t.BontSzelvszam && t.BontMatrixSorHossz > 0 ? t.sor(sor)[0] : 0;
    return true;
}

std::string TobbszorosTipp(std::int32_t sor)
{
    std::string s = " ";
    s += std::to_string(sor);
    s += ". számsor: többször szerepel a listában ";
    return s;
}

}  // namespace kvx
