#include "draws/draws_table.h"

namespace kvx {

void SetAdatbazisTipusa(AdatbazisFajta& a, bool beepitett)
{
    a.AdatbazisTipus = beepitett;
    if (beepitett)
        a.PrivatAdatbazis = false;
    a.AdatbazisFelirat = beepitett ? "Húzások listája" : a.PrivatAdatbazis ? "Privát adatbázis" : "Alternatív adatbázis";
}

std::string KeresesTipp(const AdatbazisFajta& a)
{
    return a.AdatbazisTipus ? " Számsor keresése a húzások listájában "
                            : " Számsor keresése az alternatív, felhasználói adatbázis listájában ";
}

void SetHuzasok(DrawsState& d, std::int32_t sorok, std::int32_t oszlopok)
{
    if (sorok < 0)
        sorok = 0;
    if (oszlopok < 0)
        oszlopok = 0;
    d.Huzasok.assign(static_cast<std::size_t>(sorok), TTombInt1D(static_cast<std::size_t>(oszlopok), 0));
    d.HuzasokSzama = sorok;
    d.HuzasokUtolsoIndex = sorok > 0 ? sorok - 1 : 0;
    d.Oszlopszam = oszlopok;
}

void FinalizeHuzasok(DrawsState& d)
{
    d.AdatbazisBetoltve = false;
    TTombInt2D().swap(d.Huzasok);
    d.HuzasokSzama = 0;
    d.HuzasokUtolsoIndex = 0;
    d.Oszlopszam = 0;
}

bool GetDbTaroltSzamsor(DrawsState& d, const GameParams& g, std::int32_t elso, std::int32_t utolso)
{
    d.TaroltSzamsorDb = utolso - elso + 1;
    d.PluszSzamosDb = 0;
    if (!d.AdatbazisBetoltve || elso < 1 || utolso > d.HuzasokSzama || d.TaroltSzamsorDb < 0)
        return false;
    const std::size_t masodik = static_cast<std::size_t>(g.HuzottSzamok / 2 + 3);
    const std::size_t utolsoOszlop = static_cast<std::size_t>(g.HuzottSzamok + 2);
    const std::size_t pot = static_cast<std::size_t>(g.HuzottFoSzamok + 3);
    for (std::int32_t r = elso - 1; r < utolso; ++r) {
        const TTombInt1D& sor = d.Huzasok[static_cast<std::size_t>(r)];
        auto at = [&](std::size_t c) { return c < sor.size() ? sor[c] : 0; };
        if (g.TobbSorsolas && at(masodik) > 0)
            ++d.TaroltSzamsorDb;
        if (g.TobbSorsolas && at(utolsoOszlop) > 0)
            ++d.PluszSzamosDb;
        if (g.VanPotSzam && at(pot) > 0)
            ++d.PluszSzamosDb;
    }
    return true;
}

std::int32_t GetKivSzamsorSorszama(const GameParams& g, std::int32_t sor, std::int32_t oszlop)
{
    if (!g.TobbSorsolas)
        return sor;
    return oszlop < g.PotSzamok + g.SzamsorHossz ? 2 * sor - 1 : 2 * sor;
}

}  // namespace kvx
