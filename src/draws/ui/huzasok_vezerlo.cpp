#include "draws/ui/huzasok_vezerlo.h"

#include "app/ui/program.h"
#include "app/messages.h"
#include "app/ui/uzenetek.h"

using namespace kvx;

HuzasokVezerlo& kvx::Program::HuzasokV()
{
    if (!huzasok_)
        huzasok_ = Megtart(std::make_unique<HuzasokVezerlo>(*this));
    return *huzasok_;
}

HuzasokVezerlo::HuzasokVezerlo(kvx::Program& program, QObject* parent) : QObject(parent), p_(program)
{
    AllomanyIro = [](const std::string& utvonal, const std::vector<std::uint8_t>& kep) {
        return writeFileAtomic(utvonal, kep);
    };
}

bool HuzasokVezerlo::TablaIrasa(const kvx::DrawsState& d, const std::string& utvonal)
{
    try {
        return AllomanyIro(utvonal, AdatbazisKep(d, p_.Jatek, HuzasIroVerzio()));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

BetoltesEredmeny HuzasokVezerlo::HuzasokBetoltese(const std::string& utvonal,
                                                  const std::function<bool(const std::string&)>& kerdes)
{
    BetoltesBeallitasok b;
    // The built-in database's dates are corrected and its draw size kept;
    // the user's own databases are taken as they are.
    b.AdatbazisTipus = p_.Adatbazis.AdatbazisTipus;
    b.Kerdes = kerdes;
    const BetoltesEredmeny r = HuzasokBe(p_.Huzasok, p_.Jatek, utvonal, b, &p_.HuzSzama);
    if (!r.sikeres())
        return r;
    utvonal_ = utvonal;
    jatek_ = p_.Jatek;
    bevitel_ = false;
    p_.HuzLista = HuzListaState{};  // a new table: no selection, no undo
    // The hit-ratio ranges start as the whole table unless a selected
    // condition or a variation depends on the ones set.
    HuzasFoglaltsag f = Foglaltsag();
    Ini(p_.HuzSzama, p_.Huzasok.HuzasokSzama, f.BontMatrixMeret, &f.TalAr);
    emit valtozott();
    emit betoltve();
    return r;
}

void HuzasokVezerlo::AdatbazisLezaras(bool kerdez)
{
    if (kerdez)
        HuzTorlesEng();
    emit lezaras();
    FinalizeHuzasok(p_.Huzasok);
    utvonal_.clear();
    bevitel_ = false;
    emit valtozott();
}

void HuzasokVezerlo::HuzTorlesEng()
{
    // The question names the game the table belongs to, which during a game
    // change is no longer the current one.
    std::string felirat(" ");
    felirat.append(JatekNev[static_cast<std::size_t>(jatek_.LottoIndex)]).append(" ");
    const std::string privat = p_.Adatbazis.PrivatAdatbazis ? utvonal_ : std::string();
    const std::string k = kvx::HuzTorlesEngKerdes(p_.HuzLista, p_.Huzasok.AdatbazisBetoltve, felirat, privat);
    if (!k.empty() && FigyelmeztetoKerdes(QString::fromStdString(k)))
        AdatbazisMentese();
}

bool HuzasokVezerlo::AdatbazisMentese()
{
    // The table is written with the game it was loaded for, to the file it
    // came from: during a game change the current game is already the next one.
    bool ok = false;
    try {
        ok = !utvonal_.empty() && AllomanyIro(utvonal_, AdatbazisKep(p_.Huzasok, jatek_, HuzasIroVerzio()));
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) {
        AllomanyHibaUzenet(2, 1);
        SerultHuzasListaUzenet();
        return false;
    }
    RekordPTorles(p_.HuzLista);
    p_.HuzLista.HuzasokModositva = false;
    emit mentve();
    return true;
}

void HuzasokVezerlo::SetAdatbazisTipusa(bool beepitett)
{
    kvx::SetAdatbazisTipusa(p_.Adatbazis, beepitett);
    emit valtozott();
}

bool HuzasokVezerlo::BovitesKezdes()
{
    if (!kvx::BovitesKezdes(p_.HuzLista, p_.Huzasok))
        return false;
    emit valtozott();
    return true;
}

bool HuzasokVezerlo::BeszurasKezdes()
{
    if (!kvx::BeszurasKezdes(p_.HuzLista, p_.Huzasok))
        return false;
    emit valtozott();
    return true;
}

void HuzasokVezerlo::ModositasKezdes()
{
    kvx::ModositasKezdes(p_.HuzLista);
}

void HuzasokVezerlo::BevitelInditas()
{
    bevitel_ = true;
    emit bevitelKezdodik();
}

void HuzasokVezerlo::BevitelVege(bool elfogadva)
{
    bevitel_ = false;
    TalalatiAranyTartomanyok t = Foglaltsag().TalAr;
    const SzerkesztesEredmeny e = kvx::AdatbazisModositas(p_.HuzLista, p_.Huzasok, elfogadva, true, p_.HuzSzama, &t);
    emit valtozott();
    emit bevitelVege(elfogadva, e.TalArErtesites);
}

SzerkesztesEredmeny HuzasokVezerlo::HuzasTorles()
{
    TalalatiAranyTartomanyok t = Foglaltsag().TalAr;
    const SzerkesztesEredmeny e = kvx::HuzasTorles(p_.HuzLista, p_.Huzasok, p_.HuzSzama, &t);
    emit valtozott();
    return e;
}

bool HuzasokVezerlo::Visszavonas(SzerkesztesEredmeny& e)
{
    TalalatiAranyTartomanyok t = Foglaltsag().TalAr;
    if (!RekordPVissza(p_.HuzLista, p_.Huzasok, p_.HuzSzama, &t, &e))
        return false;
    emit valtozott();
    return true;
}

bool HuzasokVezerlo::Ujra(SzerkesztesEredmeny& e)
{
    TalalatiAranyTartomanyok t = Foglaltsag().TalAr;
    if (!RekordPMegse(p_.HuzLista, p_.Huzasok, p_.HuzSzama, &t, &e))
        return false;
    emit valtozott();
    return true;
}

void HuzasokVezerlo::HuzBeUj()
{
    UjHuzasBe(p_.HuzBe, p_.Jatek);
    emit huzBeValtozott();
}

HuzBeKattintas HuzasokVezerlo::HuzBeSzamBevitel(int n, int mod, bool tippek)
{
    const GameParams& g = p_.Jatek;
    const HuzBeKattintas k = HuzBeSzamClick(p_.HuzBe, g, n, mod);
    // The tip is decided on the row the number went to: the windows may move
    // the entry on to the next row when they show it.
    auto& naplo = p_.Beallitasok.UzenetekLog;
    const int sor = p_.HuzLista.KivRekord;
    const std::string tortenet = pluszSzamTortenet(g.LottoIndex, sor);
    const PluszSzamTippFajta tipp =
        tippek ? HuzBePluszSzamTipp(p_.HuzBe, g, k, p_.Adatbazis.AdatbazisTipus, naplo[kTippPluszSzam] != 0,
                                    naplo[kTippPluszSzamTortenet] != 0, bevitel_, !tortenet.empty())
               : PluszSzamTippFajta::Nincs;
    emit huzBeValtozott();
    switch (tipp) {
    case PluszSzamTippFajta::Tipp:
        PluszSzamTipp(true, g.LottoIndex, sor);
        // The box swallows the release of the Shift key.
        p_.Fo.BillentyuMod = 0;
        break;
    case PluszSzamTippFajta::Tortenet:
        naplo[kTippPluszSzamTortenet] = HasznosInformacio(QString::fromStdString(tortenet)) ? 1 : 0;
        break;
    case PluszSzamTippFajta::Nincs:
        break;
    }
    return k;
}

void HuzasokVezerlo::HuzBeSorValtas(int sor)
{
    p_.HuzBe.HuzBeSor = sor;
    emit huzBeSorValtozott();
}

void HuzasokVezerlo::TartomanyokModositva(int mod)
{
    emit tartomanyokValtoztak(mod);
}

void HuzasokVezerlo::KeresesInditas(const kvx::TTombByte1D& szamok, const kvx::TTombByte1D& potSzamok,
                                    const QString& felirat)
{
    if (!p_.Huzasok.AdatbazisBetoltve)
        return;
    emit keresesKerve(szamok, potSzamok, felirat);
}

void HuzasokVezerlo::TalalatokSzamolasa(const kvx::HuzKeresJelolesek& j)
{
    keresJelek_ = j;
    huzKeresTalalatok_ = kvx::TalalatokSzamolasa(p_.Jatek, j, p_.Huzasok, p_.HuzSzama.GetLHuzSzamaElso(),
                                                 p_.HuzSzama.GetLHuzSzamaUtolso());
    emit keresValtozott();
}

void HuzasokVezerlo::KeresesTorlese()
{
    keresJelek_ = {};
    huzKeresTalalatok_.clear();
    emit keresTorolve();
}

void HuzasokVezerlo::KeresesVege()
{
    emit keresVege();
}

kvx::HuzKeresLepes HuzasokVezerlo::KeresLepes(std::int32_t min, std::int32_t max, bool minden) const
{
    kvx::HuzKeresLepes l;
    l.Jatek = &p_.Jatek;
    l.Huzasok = &p_.Huzasok;
    l.Jelolesek = &keresJelek_;
    l.Elso = p_.HuzSzama.GetLHuzSzamaElso();
    l.Utolso = p_.HuzSzama.GetLHuzSzamaUtolso();
    l.Min = min;
    l.Max = max;
    l.Minden = minden;
    return l;
}
