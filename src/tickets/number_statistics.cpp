#include "tickets/number_statistics.h"

#include "common/delphi_format.h"
#include "common/numbering.h"

#include <algorithm>

namespace kvx {

namespace {

TTombInt2D Ures(const GameParams& g)
{
    return TTombInt2D(static_cast<std::size_t>(std::max(g.OsszesSzam, 0)), TTombInt1D(3, 0));
}

}  // namespace

void SzamStatisztikaInicializalasa(SzamStatisztikaState& s, const GameParams& g)
{
    s.NezetMod = NezetNormal;
    s.HanyszorHuztak = Ures(g);
    s.HanyHuzasOta = Ures(g);
    s.AktivSzamStatisztika = Ures(g);
}

void HuzasStatisztika(SzamStatisztikaState& s, const DrawsState& d, const GameParams& g, std::int32_t elso,
                      std::int32_t utolso)
{
    s.HanyszorHuztak = Ures(g);
    s.HanyHuzasOta = Ures(g);
    elso = std::max(elso, 1);
    utolso = std::min(utolso, d.HuzasokSzama);
    // One drawing occupies the columns 3 .. MasodikHuzasOszlop - 1; its last
    // PotSzamok columns are the bonus numbers.
    const std::int32_t szelesseg = g.MasodikHuzasOszlop - 3;
    const std::int32_t potKezdet = szelesseg - (g.VanPotSzam ? g.PotSzamok : 0);
    const std::int32_t sorsolasok = g.TobbSorsolas ? 2 : 1;
    for (std::int32_t r = elso; r <= utolso; ++r) {
        const TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(r - 1)];
        for (std::int32_t h = 0; h < sorsolasok; ++h) {
            for (std::int32_t j = 0; j < szelesseg; ++j) {
                const std::size_t c = static_cast<std::size_t>(3 + h * szelesseg + j);
                if (c >= sor.size())
                    continue;
                const std::int32_t n = sor[c];
                if (n <= 0 || n > g.OsszesSzam)
                    continue;
                const bool pot = j >= potKezdet;
                TTombInt1D& hsz = s.HanyszorHuztak[static_cast<std::size_t>(n - 1)];
                ++hsz[0];
                hsz[1] = r;
                if (pot)
                    ++hsz[2];
                TTombInt1D& hho = s.HanyHuzasOta[static_cast<std::size_t>(n - 1)];
                hho[0] = -1;
                hho[1] = r;
                if (pot)
                    hho[2] = -1;
            }
        }
        for (TTombInt1D& hho : s.HanyHuzasOta)
            ++hho[0];
    }
}

void NezetValtas(SzamStatisztikaState& s, std::int32_t mod, const DrawsState& d, const GameParams& g,
                 const HuzSzamaState& r, const SzamListak& l)
{
    s.NezetMod = std::clamp(mod, 0, 3);
    switch (s.NezetMod) {
    case NezetHanyszorHuztak:
        HuzasStatisztika(s, d, g, r.GetHuzSzamaElso(), r.GetHuzSzamaUtolso());
        s.AktivSzamStatisztika = s.HanyszorHuztak;
        break;
    case NezetHanyHuzasOta:
        HuzasStatisztika(s, d, g, r.GetHuzSzamaElso(), r.GetHuzSzamaUtolso());
        s.AktivSzamStatisztika = s.HanyHuzasOta;
        break;
    case NezetSzamsorrend: {
        s.AktivSzamStatisztika = Ures(g);
        const std::int32_t K = l.KijeloltSzamDb();
        for (std::int32_t i = 0; i < K; ++i) {
            const std::int32_t n = l.KijeloltSzamok[static_cast<std::size_t>(i)];
            if (n >= 1 && n <= g.OsszesSzam)
                s.AktivSzamStatisztika[static_cast<std::size_t>(n - 1)][0] = i + 1;
        }
        for (std::int32_t i = 0; i < l.FixSzamDb(); ++i) {
            const std::int32_t n = l.FixSzamok[static_cast<std::size_t>(i)];
            if (n >= 1 && n <= g.OsszesSzam)
                s.AktivSzamStatisztika[static_cast<std::size_t>(n - 1)][0] = K + i + 1;
        }
        break;
    }
    default:
        s.AktivSzamStatisztika.clear();
        break;
    }
}

std::string NezetFelirat(std::int32_t mod)
{
    switch (mod) {
    case NezetHanyszorHuztak: return " Hányszor húzták";
    case NezetHanyHuzasOta: return " Hány húzás óta nem került elő";
    case NezetSzamsorrend: return " Számsorrend";
    default: return " Főszelvény";
    }
}

std::string StatisztikaPanelSzoveg(const SzamStatisztikaState& s, const SzamListak& l, std::int32_t n)
{
    if (s.NezetMod == NezetNormal || n < 1 || static_cast<std::size_t>(n) > s.AktivSzamStatisztika.size())
        return {};
    const std::int32_t v = s.AktivSzamStatisztika[static_cast<std::size_t>(n - 1)][0];
    if (s.NezetMod == NezetSzamsorrend)
        return JeloltE(l, n) && v > 0 ? std::to_string(v) + "." : "-";
    return v == 0 ? "-" : std::to_string(v);
}

std::string SzamTipp(const SzamStatisztikaState& s, const SzamListak& l, const GameParams& g, std::int32_t index,
                     bool potSzammal)
{
    const std::int32_t a = index + 1;
    const bool plusz = g.VanPluszSzam && a > g.FoSzamKeszlet;
    const std::int32_t shown = plusz ? g.PluszSzamKijelzes(a) : a;
    const std::string P = plusz ? g.PluszSzamNev : std::string();
    std::string t;
    if (KijeloltE(l, a)) {
        const char* szerep = AllandoE(l, a) ? " Állandó" : VeletlenE(l, a) ? " Véletlen" : " Kijelölt";
        t = szerep + P + " szám: " + std::to_string(shown) + " \r\n " + std::to_string(KijeloltPozicio(l, a)) +
            ". szám a számsorban ";
    } else if (FixE(l, a)) {
        t = " Fix szám: " + std::to_string(shown) + " \r\n " + std::to_string(FixPozicio(l, a)) + ". fix szám ";
    } else {
        t = " Szám" + P + ": " + std::to_string(shown) + " ";
    }
    if (potSzammal && g.VanPotSzam && static_cast<std::size_t>(index) < s.HanyszorHuztak.size())
        t += "\r\n " + std::to_string(s.HanyszorHuztak[static_cast<std::size_t>(index)][2]) + " esetben plusz szám ";
    return t;
}

std::string StatisztikaSzoveg(HuzSzamaState& r, const DrawsState& d, const GameParams& g)
{
    if (!d.AdatbazisBetoltve)
        return {};
    const std::int64_t D = GetAktHuzSzama(r, d, g, 0);
    std::string t = "\r\n Statisztika:\r\n " + FormatThousands(r.GetHuzSzamaElso()) + ". - " +
                    FormatThousands(r.GetHuzSzamaUtolso()) + ". húzások alapján \r\n " + FormatThousands(D) +
                    " számsor \r\n " + FormatThousands(D * g.HuzottFoSzamok) + " szám";
    if (g.VanPotSzam)
        t += "\r\n " + FormatThousands(r.GetAktPluszSzam(0)) + " plusz szám ";
    return t;
}

FoszelvenyParancsok FoszelvenyFrissites(const SzamListak& l, const GameParams& g)
{
    FoszelvenyParancsok p;
    const std::int32_t fix = l.FixSzamDb();
    if (l.KijeloltFoSzamDb + fix > g.SzamsorFoSzamDb && l.KijeloltPluszSzamDb >= g.PluszSzamDb) {
        const std::optional<std::int64_t> fo = BinomalisEgyutthato(l.KijeloltFoSzamDb, l.VariacioFoMeret);
        const std::optional<std::int64_t> plusz =
            BinomalisEgyutthato(l.KijeloltPluszSzamDb, l.VariacioMeret - l.VariacioFoMeret);
        // A count beyond 64 bits is not shown rather than shown wrong.
        if (fo && plusz && *fo > 0 && *plusz > 0 && *fo <= INT64_MAX / *plusz)
            p.TeljesVariacio = "Teljes variáció: " + FormatThousands(*fo * *plusz) + " számsor";
    }
    return p;
}

}  // namespace kvx
