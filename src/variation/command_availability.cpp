#include "variation/command_availability.h"

#include <ostream>

namespace kvx {

namespace {

const char* kHuzasBovites =
    " Húzások számsoraiból összeállított variáció \r\n Nem támogatott a variáció szerkesztése. ";
const char* kHuzasTeszt = " Húzások számsoraiból összeállított variáció \r\n Nem támogatott a variáció tesztje. ";

}  // namespace

bool StartEngedelyezes(const ParancsHelyzet& h)
{
    const bool vanSor = h.BontSzelvszam > 0;
    return h.Tulteli && (!vanSor || (h.BontasBovites && h.BovitesAzonosSzamok));
}

std::vector<ParancsAllapot> VanNincsBontas(const ParancsHelyzet& h)
{
    const bool e = h.VanBontas;
    const std::string nincs = kNincsKeszVariacio;
    std::vector<ParancsAllapot> t;
    const auto be = [&](ParancsKulcs nev, bool eng, const std::string& igen, const std::string& nem,
                        std::string felirat = {}) {
        t.push_back({nev, eng, eng ? igen : nem, std::move(felirat)});
    };
    // Start.
    if (StartEngedelyezes(h)) {
        t.push_back({ParancsId::Start1, true, " Variáció készítése ", {}});
    } else if (h.BontSzelvszam <= 0 || !h.Tulteli) {
        t.push_back({ParancsId::Start1, false, kNincsKijeloltSzamsor, {}});
    } else if (h.BontasPause || h.SzerkesztettVariacio || h.BontasBefejezetlen || (h.BontasBovites && !h.BontStatus)) {
        std::string tipp = h.BontasPause          ? " Felfüggesztett variáció befejezése "
                           : !h.BontStatus        ? " Leállított variáció befejezése "
                           : h.BontasBefejezetlen ? " Megszakított variáció befejezése "
                                                  : " Szerkesztett, módosított variáció ellenőrzése ";
        t.push_back({ParancsId::Start1, true, std::move(tipp), {}});
    } else {
        t.push_back({ParancsId::Start1, false, " A variáció elkészült ", {}});
    }
    // The plain items of the menu follow e.
    be(ParancsId::Listzs2, e, " Variáció listája ", nincs);
    be(ParancsId::Ellenrzs1, e, h.Peldabontas ? " Példabontás ellenőrzése " : " Variáció ellenőrzése ", nincs);
    be(ParancsId::eszt1, e && !h.HuzasSzamsorVariacio, " Variáció tesztje ", h.HuzasSzamsorVariacio && e ? kHuzasTeszt : nincs);
    const std::string modTipp = h.BontasBovites ? " Feltételek, hibapont módosítása "
                                                : " Feltételek, hibapont módosítása - variáció törlése ";
    be(ParancsId::Mdosts1, e, modTipp, nincs);
    {
        const bool eng = e && !h.HuzasSzamsorVariacio;
        const std::string igen = h.BontasBovites ? " Variáció bővítésének tiltása "
                                                 : " Variáció bővítése és/vagy a számsor módosítása ";
        std::string nem = h.HuzasSzamsorVariacio && e ? kHuzasBovites : nincs;
        if (h.BontasBovites && !eng)
            nem = " Variáció bővítésének tiltása ";
        be(ParancsId::Beilleszts1, eng, igen, nem);
    }
    // Extensions: the boundaries after the base.
    const auto hatarok = static_cast<std::int32_t>(h.Import_Count.size());
    const std::int32_t bovitmenyek = hatarok > 1 ? hatarok - 1 : 0;
    {
        const bool eng = e && bovitmenyek > 0;
        std::string igen;
        if (eng) {
            const std::int32_t elozo = h.Import_Count[static_cast<std::size_t>(hatarok - 2)];
            igen = " " + std::to_string(bovitmenyek) + ". bővítmény törlése " + "\r\n" + " - Első számsor: " +
                   std::to_string(elozo + 1) + ". " + "\r\n" + " - Utolsó számsor: " +
                   std::to_string(h.Import_Count.back()) + ". ";
        }
        be(ParancsId::Bvtmnytrlse1, eng, igen, " Nincs visszavonható bővítmény ");
    }
    {
        const bool eng = e && h.BontasBovites && bovitmenyek > 0;
        if (eng && bovitmenyek > 1)
            be(ParancsId::BovitmenyBeilleszt, true,
               " " + std::to_string(bovitmenyek) + " b" + "ővítmény egyesítése a variáció törzsével ", "",
               "Bővítmények egyesítése");
        else
            be(ParancsId::BovitmenyBeilleszt, eng, std::string(" B") + "ővítmény egyesítése a variáció törzsével ",
               " Nincs beilleszthető bővítmény ", "Bővítmény egyesítése");
    }
    be(ParancsId::PauseTorles, e && h.BontasPause, " Pause státusz törlése ",
       e ? " Nem [Pause] felfüggesztett variáció " : nincs);
    // Index order: a sort saves the order it found; until that order is
    // restored or fixed the list is a view to read, not to edit.
    {
        const bool rendezheto = e && !h.HuzasSzamsorVariacio && !h.Rendezett;
        std::string nem = h.HuzasSzamsorVariacio && e ? kHuzasBovites : nincs;
        if (e && h.Rendezett)
            nem = " A variáció indexei rendezettek ";
        be(ParancsId::Rendezs1, rendezheto, " Variáció indexeinek rendezése ", nem);
        const std::string rogzitett = e ? " Az indexek sorrendje rögzített " : nincs;
        be(ParancsId::Eredetisorrend1, e && h.Rendezett, " Indexek korábbi sorrendjének visszaállítása ", rogzitett);
        be(ParancsId::Vglegesszmsorrend1, e && h.Rendezett, " Indexek aktuális sorrendjének rögzítése ", rogzitett);
    }
    be(ParancsId::Ments2, e, " Variáció, export állományok mentése ", nincs);
    be(ParancsId::Listanyomtatsa2, e, " Nyomtatás ", nincs);
    be(ParancsId::Lista1, e, " Variáció listájának nyomtatása állományba ", nincs);
    be(ParancsId::Szelvnyek1, e, " Szelvények kitöltése nyomtatóval ", nincs);
    be(ParancsId::rls2, e, " Variáció törlése ", nincs);
    be(ParancsId::Varicifeltltse1, e && h.VanFeltoltesCim, " Aktuális variáció játékba küldése - online fogadás ",
       h.VanFeltoltesCim ? nincs : " " + h.JatekNev + " - nincs lehetőség online küldésre ");
    // The list window's editing buttons. A variation built from the draws
    // holds numbers, not selection indexes: its lines are not entered by hand.
    {
        const bool szerk = e && !h.HuzasSzamsorVariacio;
        const std::string nem = h.HuzasSzamsorVariacio && e ? kHuzasBovites : nincs;
        if (szerk && h.Rendezett) {
            const std::string r = ": a variáció indexeinek rögzített állapota esetén engedélyezett. ";
            be(VariacioGomb::BontListBovitesGomb, false, "", " Számsor hozzáadása" + r);
            be(VariacioGomb::BontListModositasGomb, false, "", " Számsor módosítása" + r);
            be(VariacioGomb::BontSzamsorokTorleseGomb, false, "", " Számsor törlése" + r);
        } else {
            if (szerk && h.ABSZ > 0 && h.BontSzelvszam >= h.ABSZ)
                be(VariacioGomb::BontListBovitesGomb, false, "",
                   " A variáció számsorainak mennyisége elérte a teljes variáció méretét ");
            else
                be(VariacioGomb::BontListBovitesGomb, szerk, " Számsor hozzáadása a variáció listájához ", nem);
            be(VariacioGomb::BontListModositasGomb, szerk, " Kijelölt számsor módosítása ", nem);
            be(VariacioGomb::BontSzamsorokTorleseGomb, szerk, " Számsorok törlése a variáció listájából ", nem);
        }
    }
    // The run window's buttons.
    be(VariacioGomb::BontasInfoGomb, e, " Információk a variációról ", nincs);
    be(VariacioGomb::BontasTesztGomb, e && !h.HuzasSzamsorVariacio, " Variáció tesztje ",
       h.HuzasSzamsorVariacio && e ? kHuzasTeszt : nincs);
    be(VariacioGomb::BontasModositGomb, e, modTipp, nincs);
    return t;
}

std::ostream& operator<<(std::ostream& o, VariacioGomb g)
{
    constexpr const char* nevek[] = {"",
                                     "BontListBovitesGomb",
                                     "BontListModositasGomb",
                                     "BontSzamsorokTorleseGomb",
                                     "BontasInfoGomb",
                                     "BontasTesztGomb",
                                     "BontasModositGomb"};
    return o << nevek[static_cast<std::size_t>(g)];
}

const ParancsAllapot* ParancsKeres(const std::vector<ParancsAllapot>& t, ParancsKulcs kulcs)
{
    for (const ParancsAllapot& p : t)
        if (p.Kulcs == kulcs)
            return &p;
    return nullptr;
}

}  // namespace kvx
