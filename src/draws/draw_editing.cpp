#include "draws/draw_editing.h"

#include "common/delphi_format.h"

#include <algorithm>

namespace kvx {

const char* const kTorlesTipp =
    "Kijelölt húzás törlése\r\n\r\nA törölt húzásokat az adatbázis mentéséig vonhatja vissza.\r\nLista ablaka: "
    "Eszköztár - Művelet visszavonása gomb";
const char* const kTalArModosultUzenet =
    "A beállításoknak megfelelően módosult(ak) a Találati arány feltételben kijelölt tartomány(ok).";

namespace {

std::size_t ix(std::int32_t sor) { return static_cast<std::size_t>(sor - 1); }

void Szamozas(DrawsState& d, std::int32_t tol)
{
    for (std::int32_t r = std::max(tol, 1); r <= d.HuzasokSzama; ++r) {
        TTombInt1D& sor = d.Huzasok[ix(r)];
        if (!sor.empty())
            sor[0] = r;
    }
}

void Meretek(DrawsState& d)
{
    d.HuzasokSzama = static_cast<std::int32_t>(d.Huzasok.size());
    d.HuzasokUtolsoIndex = d.HuzasokSzama > 0 ? d.HuzasokSzama - 1 : 0;
}

void Rovid(std::int32_t& elso, std::int32_t& utolso, std::int32_t n, bool& rovidult)
{
    const std::int32_t felso = std::max(n, 1);
    if (utolso > felso) {
        utolso = felso;
        rovidult = true;
    }
    if (elso > utolso) {
        elso = utolso;
        rovidult = true;
    }
}

// Every edit ends with the whole-range step of the main-ticket and
// draws-list ranges.
void MindenHuzasTartomany(HuzSzamaState& r, std::int32_t n)
{
    const std::int32_t u = std::max(n, 1);
    r.SetHuzSzamaElso(1);
    r.SetHuzSzamaUtolso(u);
    r.SetLHuzSzamaElso(1);
    r.SetLHuzSzamaUtolso(u);
}

void RekordToltes(THuzRekord& rek, const TTombInt1D& e, std::int32_t oszlopok)
{
    rek = THuzRekord{};
    rek.Sorszam = e.empty() ? 0 : e[0];
    rek.Ev = static_cast<std::uint16_t>(e.size() > 1 ? e[1] : 0);
    rek.Het = static_cast<std::uint8_t>(e.size() > 2 ? e[2] : 0);
    for (std::int32_t c = 3; c < oszlopok && static_cast<std::size_t>(c - 3) < rek.Szamok.size(); ++c)
        rek.Szamok[static_cast<std::size_t>(c - 3)] =
            static_cast<std::uint8_t>(static_cast<std::size_t>(c) < e.size() ? e[static_cast<std::size_t>(c)] : 0);
}

// Swaps the stored modification entry with the row's current values and
// writes the entry's old content (undo and redo of a modification alike).
void ModositasCsere(HuzListaState& s, DrawsState& d, TTombInt1D& e)
{
    const std::int32_t r = e[0];
    if (r < 1 || r > d.HuzasokSzama)
        return;
    RekordToltes(s.HuzRekord, e, d.Oszlopszam);
    const TTombInt1D& sor = d.Huzasok[ix(r)];
    for (std::size_t c = 0; c < sor.size() && c + 1 < e.size(); ++c)
        e[c] = sor[c];
    s.MuveletKod = MuveletModositas;
    s.KivRekord = r;
    RekordBeillesztes(s, d);
}

// Puts the entry's row back at its place (inserting it, or appending it
// when it lay past the end).
SzerkesztesEredmeny Visszahelyezes(HuzListaState& s, DrawsState& d, const TTombInt1D& e, HuzSzamaState& r,
                                   TalalatiAranyTartomanyok* talAr)
{
    RekordToltes(s.HuzRekord, e, d.Oszlopszam);
    const std::int32_t hol = e[0];
    s.CelSor = s.KivRekord;
    if (hol >= 1 && hol <= d.HuzasokSzama) {
        s.MuveletKod = MuveletBeszuras;
        s.TorlendoSor = hol;
        RekordBeszuras(s, d, hol);
    } else {
        s.MuveletKod = MuveletBovites;
        s.TorlendoSor = d.HuzasokSzama + 1;
        RekordBeszuras(s, d, d.HuzasokSzama + 1);
    }
    return AdatbazisModositas(s, d, true, false, r, talAr);
}

// Replays one undo entry. Undoing an insertion and redoing a deletion take
// the row out again; undoing a deletion and redoing an insertion put the
// saved row back; a modification swaps its values either way. False for an
// entry of unknown kind.
bool BejegyzesVisszajatszas(HuzListaState& s, DrawsState& d, TTombInt1D& e, bool visszavonas, HuzSzamaState& r,
                            TalalatiAranyTartomanyok* talAr, SzerkesztesEredmeny& x)
{
    const std::int32_t kod = e.back();
    bool beszurt = false;
    switch (kod) {
    case MuveletBovites:
    case MuveletBeszuras:
        beszurt = true;
        break;
    case MuveletTorles:
        break;
    case MuveletModositas:
        ModositasCsere(s, d, e);
        return true;
    default:
        return false;
    }
    if (beszurt != visszavonas) {
        x = Visszahelyezes(s, d, e, r, talAr);
        return true;
    }
    const std::int32_t sor = e[0];
    s.KivRekord = sor;
    s.CelSor = sor;
    RekordTorles(s, d, sor);
    x.TalArErtesites = TartomanyokRovidites(r, d.HuzasokSzama, talAr);
    MindenHuzasTartomany(r, d.HuzasokSzama);
    return true;
}

}  // namespace

void RekordBeszuras(HuzListaState& s, DrawsState& d, std::int32_t hol)
{
    hol = std::clamp(hol, 1, d.HuzasokSzama + 1);
    const std::size_t oszlopok = static_cast<std::size_t>(std::max(d.Oszlopszam, 3));
    d.Huzasok.insert(d.Huzasok.begin() + static_cast<std::ptrdiff_t>(hol - 1), TTombInt1D(oszlopok, 0));
    d.Oszlopszam = static_cast<std::int32_t>(oszlopok);
    Meretek(d);
    Szamozas(d, hol + 1);
    s.KivRekord = hol;
}

void RekordTorles(HuzListaState& s, DrawsState& d, std::int32_t hol)
{
    if (hol < 1 || hol > d.HuzasokSzama)
        return;
    d.Huzasok.erase(d.Huzasok.begin() + static_cast<std::ptrdiff_t>(hol - 1));
    Meretek(d);
    Szamozas(d, hol);
    s.KivRekord = std::clamp(s.CelSor, 1, std::max(d.HuzasokSzama, 1));
}

void RekordBeillesztes(HuzListaState& s, DrawsState& d)
{
    const std::int32_t r = s.KivRekord;
    if (r < 1 || r > d.HuzasokSzama)
        return;
    TTombInt1D& sor = d.Huzasok[ix(r)];
    sor[0] = r;
    if (sor.size() > 1)
        sor[1] = s.HuzRekord.Ev;
    if (sor.size() > 2)
        sor[2] = s.HuzRekord.Het;
    for (std::size_t c = 3; c < sor.size(); ++c)
        sor[c] = c - 3 < s.HuzRekord.Szamok.size() ? s.HuzRekord.Szamok[c - 3] : 0;
}

bool TartomanyokRovidites(HuzSzamaState& r, std::int32_t n, TalalatiAranyTartomanyok* talAr)
{
    bool x = false;
    Rovid(r.HuzSzamaElso, r.HuzSzamaUtolso, n, x);
    Rovid(r.LHuzSzamaElso, r.LHuzSzamaUtolso, n, x);
    Rovid(r.VariacioTesztSzamsorElso, r.VariacioTesztSzamsorUtolso, n, x);
    if (!talAr)
        return false;
    bool talAr_ = false;
    const std::size_t db = std::min(talAr->ElsoHuzas.size(), talAr->UtolsoHuzas.size());
    for (std::size_t i = 0; i < db; ++i)
        Rovid(talAr->ElsoHuzas[i], talAr->UtolsoHuzas[i], n, talAr_);
    return talAr->TalArAktiv && talAr_;
}

void RekordPMentes(HuzListaState& s, const DrawsState& d, std::int32_t sor)
{
    if (sor < 1 || sor > d.HuzasokSzama)
        return;
    ++s.VisszavonasPoz;
    s.VisszavonasTar.resize(static_cast<std::size_t>(s.VisszavonasPoz));
    TTombInt1D e = d.Huzasok[ix(sor)];
    e.push_back(s.MuveletKod);
    s.VisszavonasTar.back() = std::move(e);
}

void RekordPTorles(HuzListaState& s)
{
    s.SzerkesztesSzamlalo = 0;
    TTombInt2D().swap(s.VisszavonasTar);
    s.VisszavonasPoz = 0;
}

bool BovitesKezdes(HuzListaState& s, DrawsState& d)
{
    if (d.HuzasokSzama >= kMaxHuzasDb)
        return false;
    s.MuveletKod = MuveletBovites;
    s.CelSor = s.KivRekord;
    s.TorlendoSor = d.HuzasokSzama + 1;
    RekordBeszuras(s, d, d.HuzasokSzama + 1);
    return true;
}

bool BeszurasKezdes(HuzListaState& s, DrawsState& d)
{
    if (d.HuzasokSzama >= kMaxHuzasDb)
        return false;
    s.MuveletKod = MuveletBeszuras;
    s.KivRekord = std::clamp(s.KivRekord, 1, std::max(d.HuzasokSzama, 1));
    s.CelSor = s.KivRekord;
    s.TorlendoSor = s.KivRekord;
    RekordBeszuras(s, d, s.KivRekord);
    return true;
}

void ModositasKezdes(HuzListaState& s)
{
    s.MuveletKod = MuveletModositas;
    s.CelSor = s.KivRekord;
}

SzerkesztesEredmeny AdatbazisModositas(HuzListaState& s, DrawsState& d, bool megerositett, bool bevitelbol,
                                       HuzSzamaState& r, TalalatiAranyTartomanyok* talAr)
{
    SzerkesztesEredmeny e;
    switch (s.MuveletKod) {
    case MuveletBovites:
    case MuveletBeszuras:
        if (megerositett) {
            RekordBeillesztes(s, d);
            if (bevitelbol)
                RekordPMentes(s, d, s.KivRekord);
        } else {
            RekordTorles(s, d, s.TorlendoSor);
            e.TalArErtesites = TartomanyokRovidites(r, d.HuzasokSzama, talAr);
        }
        break;
    case MuveletModositas:
        if (megerositett) {
            if (bevitelbol)
                RekordPMentes(s, d, s.KivRekord);
            RekordBeillesztes(s, d);
        }
        break;
    case MuveletTorles:
        RekordPMentes(s, d, s.KivRekord);
        s.CelSor = s.KivRekord;
        RekordTorles(s, d, s.KivRekord);
        e.TalArErtesites = TartomanyokRovidites(r, d.HuzasokSzama, talAr);
        break;
    default:
        return e;
    }
    MindenHuzasTartomany(r, d.HuzasokSzama);
    return e;
}

SzerkesztesEredmeny HuzasTorles(HuzListaState& s, DrawsState& d, HuzSzamaState& r, TalalatiAranyTartomanyok* talAr)
{
    if (s.KivRekord < 1 || s.KivRekord > d.HuzasokSzama)
        return {};
    s.MuveletKod = MuveletTorles;
    s.CelSor = s.KivRekord;
    return AdatbazisModositas(s, d, true, false, r, talAr);
}

bool RekordPVissza(HuzListaState& s, DrawsState& d, HuzSzamaState& r, TalalatiAranyTartomanyok* talAr,
                   SzerkesztesEredmeny* eredmeny)
{
    if (s.VisszavonasPoz <= 0 || s.VisszavonasPoz > static_cast<std::int32_t>(s.VisszavonasTar.size()))
        return false;
    TTombInt1D& e = s.VisszavonasTar[static_cast<std::size_t>(s.VisszavonasPoz - 1)];
    if (e.size() < 4)
        return false;
    SzerkesztesEredmeny x;
    if (!BejegyzesVisszajatszas(s, d, e, true, r, talAr, x))
        return false;
    --s.VisszavonasPoz;
    if (eredmeny)
        *eredmeny = x;
    return true;
}

bool RekordPMegse(HuzListaState& s, DrawsState& d, HuzSzamaState& r, TalalatiAranyTartomanyok* talAr,
                  SzerkesztesEredmeny* eredmeny)
{
    if (s.VisszavonasPoz < 0 || s.VisszavonasPoz >= static_cast<std::int32_t>(s.VisszavonasTar.size()))
        return false;
    ++s.VisszavonasPoz;
    TTombInt1D& e = s.VisszavonasTar[static_cast<std::size_t>(s.VisszavonasPoz - 1)];
    if (e.size() < 4)
        return false;
    SzerkesztesEredmeny x;
    // Redo steps over an entry of unknown kind rather than sticking at it.
    BejegyzesVisszajatszas(s, d, e, false, r, talAr, x);
    if (eredmeny)
        *eredmeny = x;
    return true;
}

ListaAktivAllapot ListaAktiv(HuzListaState& s, bool modositott, bool adatbazisBetoltve, bool bovitesEngedelyezett,
                             bool emlekeztetoLehet)
{
    ListaAktivAllapot a;
    s.HuzasokModositva = modositott;
    a.Mentes = adatbazisBetoltve && modositott;
    a.MentesTipp = a.Mentes ? " Módosított adatbázis mentése " : " Nincs mentésre váró adat ";
    const std::int32_t hossz = static_cast<std::int32_t>(s.VisszavonasTar.size());
    a.Vissza = s.VisszavonasPoz > 0 && bovitesEngedelyezett;
    a.VisszaTipp = s.VisszavonasPoz > 0 ? " Művelet visszavonása " : " Nincs visszavonható művelet ";
    if (s.VisszavonasPoz >= hossz) {
        a.Megse = false;
        a.MegseTipp = " Nincs visszavonható művelet ";
    } else {
        a.Megse = bovitesEngedelyezett;
        a.MegseTipp = " Visszavonás törlése ";
    }
    if (hossz > 81 && emlekeztetoLehet && (a.Vissza || a.Megse)) {
        if (s.SzerkesztesSzamlalo < 0)
            s.SzerkesztesSzamlalo = 0;
        ++s.SzerkesztesSzamlalo;
        a.Emlekezteto = s.SzerkesztesSzamlalo % 20 == 0;
    }
    return a;
}

std::string MentesEmlekeztetoKerdes(const HuzListaState& s)
{
    const auto hossz = static_cast<std::int64_t>(s.VisszavonasTar.size());
    return "Több mint " + FormatThousands(hossz - 1) + " húzást törölt/módosított az adatbázisban.\r\n\r\n"
           "Menti az adatbázist jelenlegi állapota szerint?\r\nTörli a visszavonható műveleteket?";
}

std::string HuzTorlesEngKerdes(const HuzListaState& s, bool adatbazisBetoltve, const std::string& felirat,
                               const std::string& privatUtvonal)
{
    if (!adatbazisBetoltve || !s.HuzasokModositva)
        return {};
    std::string k = "Módosította, de nem mentette:" + felirat;
    if (!privatUtvonal.empty())
        k += "\r\n" + privatUtvonal;
    return k + "\r\n\r\nMenti a módosított adatbázist?";
}

}  // namespace kvx
