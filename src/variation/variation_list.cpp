#include "variation/variation_list.h"

#include <algorithm>
#include <vector>

#include "common/delphi_format.h"
#include "common/numbering.h"

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

BLRiport BLRiportKeszites(const BontListaNezet& n, std::int32_t sor, TTombInt1D e, bool peldabontas)
{
    const GameParams& g = *n.Jatek;
    BLRiport r;
    r.Felirat = (peldabontas ? " Példabontás " : " Variáció ") + std::to_string(sor) + ". számsora";
    if (e.empty())
        return r;
    const std::int32_t utolso = static_cast<std::int32_t>(e.size()) - 1;
    const std::int32_t teto = g.KenoJatek ? std::min(utolso, g.SzamsorHossz) : utolso;
    if (e[static_cast<std::size_t>(teto)] > 0)
        --e[static_cast<std::size_t>(teto)];
    std::string s = " Variáció listája\r\n";
    std::int32_t m = g.SzamsorFoSzamDb;
    std::int32_t i = teto;
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
    // The line's ordinal in the full variation.
    std::vector<std::uint8_t> tomb;
    const std::uint8_t* sr = n.Tar->sor(sor - 1);
    for (std::int32_t j = 0; j < std::min(n.SorHossz(), n.Tar->BontMatrixSorHossz); ++j)
        tomb.push_back(n.HuzasMod ? sr[j] : static_cast<std::uint8_t>(sr[j] + 1));
    const NumberingDims d =
        n.HuzasMod ? gameNumberingDims(g)
                   : variationNumberingDims(n.KijeloltFoSzamDb, n.VariacioFoMeret, n.KijeloltPluszSzamDb, g.PluszSzamDb,
                                            g.VanPluszSzam);
    if (const auto o = SzamsorSorszamaTV(tomb, d)) {
        const std::string dec = std::to_string(*o);
        const std::string ezres = FormatThousands(static_cast<std::int64_t>(*o));
        if (dec.size() <= 12)
            s += "\r\n Ssz:" + Format("%15s", {ezres}) + ".";
        else
            s += "\r\n S:" + Format("%17s", {ezres}) + ".";
    }
    r.Szoveg = s;
    if (e[static_cast<std::size_t>(teto)] > 0)
        r.TobbszorosSor = sor;
    return r;
}

std::string TobbszorosTipp(std::int32_t sor)
{
    std::string s = " ";
    s += std::to_string(sor);
    s += ". számsor: többször szerepel a listában ";
    return s;
}

}  // namespace kvx
