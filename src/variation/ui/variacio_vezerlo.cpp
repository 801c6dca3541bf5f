#include "variation/ui/variacio_vezerlo.h"

#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "app/ui/variacio_statusz.h"
#include "app/settings_dialog.h"
#include "conditions/markers.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/line_entry.h"
#include "variation/list_editing.h"
#include "variation/store_jobs.h"
#include "variation/variation_file.h"

#include <algorithm>
#include <ostream>

using namespace kvx;

VariacioVezerlo& Program::Variacio()
{
    if (!variacio_)
        variacio_ = Megtart(std::make_unique<VariacioVezerlo>(*this, Szelveny()));
    return *variacio_;
}

VariacioVezerlo::VariacioVezerlo(Program& program, SzelvenyVezerlo& szelveny, QObject* parent)
    : QObject(parent), p_(program)
{
    // A change of the main ticket's numbers must first be agreed here: the
    // stored lines are positions in the selection and stand for other
    // numbers once it changes.
    szelveny.ValtozasEngedelyezes = [this] { return TorlesEng2(); };
    // The marking rules work under the extension: its numbers and counts.
    szelveny.BovitesLekerdezes = [this] {
        const BontasEgyseg& u = p_.Bontas;
        return BovitesAllapot{u.BontasBovites, u.BovitesKijeloltSzamDb, u.BovitesFixSzamDb, u.BovitesPluszSzamDb};
    };
    // The draws' edits and loads keep what the hit-ratio condition and the
    // variation hold on to in the table.
    p_.HuzasokV().FoglaltsagLekerdezes = [this] {
        FeltetelRekordok& f = p_.Feltetelek;
        TTalalatiAranyFeltetel& ta = f.TalalatiAranyFeltetel;
        HuzasFoglaltsag h;
        h.TalAr = {ta.ElsoHuzas, ta.UtolsoHuzas, f.TalArAktiv};
        h.DbTartomany = ta.DbTartomany;
        h.TalalatiAranyKijelolve = f.FeltetelJelzo && f.TalArAktiv;
        h.HuzasSzamsorVariacio = f.HuzasSzamsorVariacio;
        h.BontSzelvszam = p_.Tar.BontSzelvszam;
        h.BontMatrixMeret = p_.Tar.BontMatrixMeret;
        return h;
    };
    connect(&szelveny, &SzelvenyVezerlo::bovitesSzamokVisszaalltak, this, &VariacioVezerlo::BovitesSzamokVisszaalltak);
}

void VariacioVezerlo::StatuszFrissites()
{
    const VariationStore& t = p_.Tar;
    const BontasEgyseg& u = p_.Bontas;
    // While a run goes the worker owns the store: only its published count is read.
    const std::int64_t n = u.Vezerles.BontSzelvszam.load();
    const VariacioAllapot v = fut_ ? VariacioAllapotMost(n, n, u)
                                   : VariacioAllapotMost(t.BontMatrixMeret, t.BontSzelvszam, u);
    p_.VariacioStatusza().Kiiras(v, !u.BontMegszAktiv.load(), true);
}

std::ostream& operator<<(std::ostream& o, BontasGomb g)
{
    // The enumerator's own spelling; a button without a case warns (-Wswitch).
#define KVX_GOMB(n) \
    case BontasGomb::n: return o << #n;
    switch (g) {
        KVX_GOMB(Nincs)
        KVX_GOMB(Ellenorzes)
        KVX_GOMB(Lista)
        KVX_GOMB(Mentes)
        KVX_GOMB(Modositas)
        KVX_GOMB(Teszt)
        KVX_GOMB(Torles)
        KVX_GOMB(Megszakitas)
        KVX_GOMB(Bovites)
        KVX_GOMB(Info)
        KVX_GOMB(Statisztika)
    }
#undef KVX_GOMB
    return o << "BontasGomb(" << static_cast<int>(g) << ')';
}

void VariacioVezerlo::BovitesSzamokVisszaalltak()
{
    if (fut_ || !p_.Bontas.BontasBovites || p_.Tar.BontMatrixMeret < 1)
        return;
    // The selection has the extended variation's numbers again: the lines
    // are counted afresh and shown as they are.
    BovitesListazas();
    SzamsorModositasUtan();
}

void VariacioVezerlo::BovitesListazas()
{
    VariationStore& t = p_.Tar;
    if (fut_ || !p_.Bontas.BontasBovites || t.BontMatrixMeret < 1)
        return;
    BontasListazasTorlesUtan(t, p_.Szamok.KijeloltSzamDb());
    emit valtozott();
    if (t.BontSzelvszam > 0 && t.BontSzelvszam < kBontListaMaxSor)
        emit listaFrissites(1);
}

void VariacioVezerlo::SzamsorModositasUtan()
{
    FeltetelRekordok& f = p_.Feltetelek;
    if (!f.LetiltottFeltetelek)
        return;
    if (!JovahagyasKerese(QStringLiteral(
            "Letiltott feltételek aktiválása\r\n\r\nFigyelem!\r\n- Nincs több lehetőség az automatikus aktiválásra.\r\n"
            "- A program nem ellenőrzi a feltételek érvényességét.\r\n\r\nAktiválja a letiltott feltételeket?")))
        return;
    f.LetiltottFeltetelek = false;
    emit letiltottFeltetelekAktivalasa(letiltottMaszk_);
}

void VariacioVezerlo::FutasKezdete()
{
    kvx::VersionBeallitas(p_.VariacioAllomany);
    fut_ = true;
    emit futasIndul();
}

void VariacioVezerlo::FutasVege()
{
    if (!fut_)
        return;
    fut_ = false;
    // The lines are this run's: its version and date go into the next save.
    kvx::VersionBeallitas(p_.VariacioAllomany);
    emit futasVege();
    emit valtozott();
}

void VariacioVezerlo::TarMunkaKezdete()
{
    tarMunka_ = true;
    emit tarMunkaElott();
}

void VariacioVezerlo::TarMunkaVege()
{
    tarMunka_ = false;
    emit tarMunkaUtan();
}

kvx::TorlesKornyezet VariacioVezerlo::TorlesKornyezet()
{
    kvx::TorlesKornyezet k;
    k.BackFigyelmeztetes = kvx::BackFigyelmeztetesSzoveg(p_.Beallitasok.BiztonsagiMentes);
    k.AblakokBezarasa = [this] { emit torles(); };
    k.ParancsokFrissitese = [this] { emit valtozott(); };
    k.StatuszFrissites = [this] { emit valtozott(); };
    k.VersionBeallitas = [this] { kvx::VersionBeallitas(p_.VariacioAllomany); };
    k.JovahagyasKerese = [](const std::string& s) { return JovahagyasKerese(QString::fromStdString(s)); };
    k.KijeloltSzamDb = p_.Szamok.KijeloltSzamDb();
    k.Allomany = &p_.VariacioAllomany;
    k.LottoIndex = p_.Jatek.LottoIndex;
    k.FeltetelJelzo = p_.Feltetelek.FeltetelJelzo;
    k.FeltetelekTorlese = [this] { FeltetelekTorlese(); };
    const BontasEgyseg& u = p_.Bontas;
    const SzamListak& l = p_.Szamok;
    k.BovitesAzonosSzamok = u.BontasBovites && l.KijeloltSzamDb() == u.BovitesKijeloltSzamDb &&
                            l.FixSzamDb() == u.BovitesFixSzamDb;
    if (NagyFeladat)
        k.NagyFeladat = NagyFeladat;
    if (BackMentese)
        k.BackMentese = BackMentese;
    k.FeltetelAblakBezarasa = [this] {
        bool nyitva = false;
        emit feltetelAblakBezarasa(&nyitva);
        return nyitva;
    };
    k.FeltetelAblakMegnyitasa = [this] { emit feltetelAblakMegnyitasa(); };
    return k;
}

void VariacioVezerlo::FeltetelekTorlese()
{
    FeltetelTorlesHelyzet h;
    h.BackMentesEngedely = p_.Beallitasok.BiztonsagiMentes;
    h.BontasBovites = p_.Bontas.BontasBovites;
    h.ImportFolyamatban = p_.Bontas.ImportFolyamatban;
    kvx::FeltetelekTorlese(p_.Feltetelek, h);
    emit feltetelekTorolve();
}

bool VariacioVezerlo::TorlesEng1()
{
    if (fut_)
        return false;
    const bool r = kvx::BontTorlesEng1(p_.Tar, p_.Bontas, p_.Fo.Mentve, TorlesKornyezet());
    emit valtozott();
    return r;
}

bool VariacioVezerlo::TorlesEng2()
{
    if (fut_)
        return false;
    // What is selected now is what a switch-off for the change of the
    // numbers takes away, and what the re-activation gives back.
    TFeltetelMaszk most;
    GetDbFeltetel(p_.Feltetelek, most);
    const bool letiltva = p_.Feltetelek.LetiltottFeltetelek;
    const bool r =
        kvx::BontTorlesEng2(p_.Tar, p_.Bontas, p_.Fo.Mentve, p_.Feltetelek.LetiltottFeltetelek, TorlesKornyezet());
    if (!letiltva && p_.Feltetelek.LetiltottFeltetelek)
        letiltottMaszk_ = most;
    emit valtozott();
    return r;
}

void VariacioVezerlo::BontasTorlese(bool truncate)
{
    kvx::BontasTorlese(p_.Tar, p_.Bontas, truncate, p_.Fo.Mentve, TorlesKornyezet());
    emit valtozott();
}

void VariacioVezerlo::SzerkesztettVariacioBeallitas(bool e)
{
    kvx::SzerkesztettVariacioBeallitas(p_.Tar, p_.Bontas, e, p_.Fo.Mentve, TorlesKornyezet());
    emit valtozott();
}

kvx::ParancsHelyzet VariacioVezerlo::ParancsHelyzet() const
{
    // During a run the store is the worker's: the commands wait for its end.
    kvx::ParancsHelyzet h;
    if (!fut_) {
        const VariationStore& t = p_.Tar;
        h = BontasParancsHelyzet(t, p_.Bontas, p_.Szamok, p_.Feltetelek.HuzasSzamsorVariacio, t.BontSzelvszam > 0);
    }
    h.JatekNev = JatekNev[static_cast<std::size_t>(p_.Jatek.LottoIndex)];
    return h;
}

void VariacioVezerlo::Import_log_true()
{
    BontasEgyseg& u = p_.Bontas;
    const SzamListak& l = p_.Szamok;
    u.OpcioModosulas = p_.Tar.BontSzelvszam > 0;
    BontListEredetiSorrend(p_.Tar);
    u.BontasBovites = true;
    u.BovitesKijeloltSzamDb = l.KijeloltSzamDb();
    u.BovitesPluszSzamDb = l.KijeloltPluszSzamDb;
    u.BovitesFixSzamDb = l.FixSzamDb();
    emit bovitesValtozott();
    emit valtozott();
}

void VariacioVezerlo::Import_log_false()
{
    BontasEgyseg& u = p_.Bontas;
    BontListEredetiSorrend(p_.Tar);
    u.BontasBovites = false;
    u.BovitesKijeloltSzamDb = 0;
    u.BovitesPluszSzamDb = 0;
    u.BovitesFixSzamDb = 0;
    emit bovitesValtozott();
    emit valtozott();
}

int VariacioVezerlo::BillentyuMod()
{
    if (const int mod = Program::aktualis().Fo.BillentyuMod; mod != 0)
        return mod;
    return GetBillentyuMod();
}

void VariacioVezerlo::BontSzamsorHozzaadasStart()
{
    if (!fut_)
        emit szamsorBevitelKerve(BontEllUjSzamsor);
}

void VariacioVezerlo::EllenorzesStart(const TTombByte1D& szamok, const TTombByte1D& potSzamok, const QString& felirat)
{
    if (fut_ || p_.Tar.BontSzelvszam < 1)
        return;
    emit ellenorzesKerve(szamok, potSzamok, felirat);
}

void VariacioVezerlo::Ellenorzes(const BontEllJelolesek& j)
{
    if (fut_)
        return;
    ellenorzoJelek_ = j;
    bontEllTalalatok_ = kvx::BontEllTalalatok(j, ListaNezet());
    emit ellenorzesKesz();
}

void VariacioVezerlo::EllenorzesTorles()
{
    ellenorzoJelek_ = {};
    bontEllTalalatok_.clear();
    emit ellenorzesTorolve();
}

void VariacioVezerlo::BontSzamsorModositasStart(int sor)
{
    if (fut_ || p_.Tar.BontMatrixMeret < 1)
        return;
    ModositottSzamsorIndex = std::clamp(sor, 1, p_.Tar.BontMatrixMeret) - 1;
    emit szamsorBevitelKerve(BontEllModositas);
}

namespace {

// The line is checked again before the store takes it.
bool sorErvenyes(const TTombByte1D& sor, const SzamListak& l, const VariationStore& t)
{
    if (SzamsorTombErvenyes(sor, l) && static_cast<std::int32_t>(sor.size()) == t.BontMatrixSorHossz)
        return true;
    InformacioUzenet(QStringLiteral("A variáció egyik száma érvénytelen tartományba esik."));
    return false;
}

}  // namespace

bool VariacioVezerlo::BontSzamsorHozzaadas(const TTombByte1D& sor)
{
    VariationStore& t = p_.Tar;
    if (fut_)
        return false;
    // The range of lines to add must fit below the full variation.
    const std::int64_t db = static_cast<std::int64_t>(p_.HuzSzama.GetBontBovitesSzamsorUtolso()) -
                            p_.HuzSzama.GetBontBovitesSzamsorElso() + 1;
    std::string uzenet;
    if (!kvx::BontSzamsorHozzaadasEllenorzes(t, db, uzenet)) {
        InformacioUzenet(QString::fromStdString(uzenet));
        return false;
    }
    if (!sorErvenyes(sor, p_.Szamok, t))
        return false;
    emit szerkesztesElott();
    if (!p_.Bontas.BontasBovites)
        Import_log_true();
    BontSorokHozzaadasa(t, p_.Bontas, sor.data(), 1, p_.Szamok.KijeloltSzamDb());
    emit valtozott();
    emit listaFrissites(t.BontMatrixMeret);
    // The insert mode goes on for the next line, unless Shift+Ctrl added a
    // random one.
    if (BillentyuMod() != 200) {
        p_.HuzSzama.SetBontBovitesSzamsorElso(1);
        p_.HuzSzama.SetBontBovitesSzamsorUtolso(1);
        if (t.ABSZ <= 0 || t.BontSzelvszam < t.ABSZ)
            BontSzamsorHozzaadasStart();
    }
    return true;
}

bool VariacioVezerlo::BontSzamsorModositas(const TTombByte1D& sor)
{
    VariationStore& t = p_.Tar;
    const int m = ModositottSzamsorIndex;
    if (fut_ || m < 0 || m >= t.BontMatrixMeret || !sorErvenyes(sor, p_.Szamok, t))
        return false;
    emit szerkesztesElott();
    BontSzamsorCsere(t, p_.Bontas, m, sor.data(), p_.Szamok.KijeloltSzamDb());
    emit valtozott();
    emit listaFrissites(m + 1);
    return true;
}

bool VariacioVezerlo::BontSzamsorTesztHozzaadas(const std::uint8_t* sorok, std::int32_t db)
{
    VariationStore& t = p_.Tar;
    if (fut_ || db <= 0)
        return false;
    std::string uzenet;
    if (!kvx::BontSzamsorHozzaadasEllenorzes(t, db, uzenet)) {
        InformacioUzenet(QString::fromStdString(uzenet));
        return false;
    }
    emit szerkesztesElott();
    if (!p_.Bontas.BontasBovites)
        Import_log_true();
    BontSorokHozzaadasa(t, p_.Bontas, sorok, db, p_.Szamok.KijeloltSzamDb());
    emit valtozott();
    emit listaFrissites(t.BontMatrixMeret);
    return true;
}

bool VariacioVezerlo::IndexRendezes()
{
    VariationStore& t = p_.Tar;
    if (fut_ || t.BontMatrixMeret <= 1 || t.BontMatrixMeret > kBontRendezesMax || BontListRendezett(t))
        return false;
    bool ok = false;
    const bool huzas = p_.Feltetelek.HuzasSzamsorVariacio;
    TVariacioOpciok* opt = &p_.Feltetelek.VariacioOpciok;
    const auto rendezes = [&] { ok = BontListRendezes(t, 0, t.BontMatrixMeret, huzas, opt); };
    if (NagyFeladat)
        NagyFeladat(kFeladatBontListRendezes, rendezes);
    else
        rendezes();
    emit valtozott();
    return ok;
}

bool VariacioVezerlo::IndexEredetiSorrend()
{
    if (fut_)
        return false;
    const bool ok = BontListEredetiSorrend(p_.Tar);
    emit valtozott();
    return ok;
}

bool VariacioVezerlo::IndexSorrendRogzitese()
{
    VariationStore& t = p_.Tar;
    if (fut_ || !BontListRendezett(t))
        return false;
    if (t.Import_Count.size() > 1) {
        // With extensions the fixed order is the merged variation's.
        BovitmenyEgyesites();
    } else {
        BontListSorrendRogzitese(t);
        // The lines now stand in another order than the one saved or loaded.
        p_.Fo.Mentve = false;
    }
    BontasPauseTorlese(p_.Bontas);
    emit valtozott();
    return !BontListRendezett(t);
}

void VariacioVezerlo::UtolsoBovitmenyTorles()
{
    VariationStore& t = p_.Tar;
    if (fut_ || t.Import_Count.size() < 2)
        return;
    if (!JovahagyasKerese(QString::fromUtf8(kSzovegBovitmenyTorlesKerdes)))
        return;
    emit torles();
    UtolsoBovitmenyTorlese(t, p_.Bontas, p_.VariacioAllomany.BontIdegenSzamsorDb, p_.Szamok.KijeloltSzamDb());
    p_.Bontas.Allapot.VeletlenKiserletek = 0;
    p_.Bontas.Vezerles.VeletlenKiserletek.store(0);
    SzerkesztettVariacioBeallitas(true);
}

void VariacioVezerlo::BovitmenyEgyesites()
{
    VariationStore& t = p_.Tar;
    if (fut_ || t.Import_Count.size() < 2)
        return;
    if (!JovahagyasKerese(QStringLiteral("A bővítmény(ek) egyesítése nem visszavonható.\r\nAz indexek aktuális "
                                         "sorrendje szerint történik az egyesítés.\r\n\r\nBiztos egyesíti a "
                                         "bővítmény(eke)t a variáció törzsével?")))
        return;
    BontListSorrendRogzitese(t);
    t.Import_Count.assign(1, t.BontMatrixMeret);
    BontasTorlese(true);
}

void VariacioVezerlo::BontSzamsorTartomanyTorles(int f, int l, bool bovitmeny)
{
    VariationStore& t = p_.Tar;
    BontasEgyseg& u = p_.Bontas;
    const std::int32_t n = t.BontMatrixMeret;
    if (fut_ || n < 1)
        return;
    f = std::clamp(f, 1, n);
    l = std::clamp(l, f, n);
    if (f == 1 && l == n) {
        TorlesEng1();
        return;
    }
    const std::int32_t kijelolt = p_.Szamok.KijeloltSzamDb();
    std::int32_t& idegen = p_.VariacioAllomany.BontIdegenSzamsorDb;
    if (bovitmeny) {
        if (!JovahagyasKerese(QString::fromUtf8(kSzovegBovitmenyTorlesKerdes)))
            return;
        if (!UtolsoBovitmenyTorlese(t, u, idegen, kijelolt))
            return;
    } else {
        if (!JovahagyasKerese(QString::fromUtf8(kSzovegTorlesKerdes)))
            return;
        emit szerkesztesElott();
        const auto torles = [&] { BontSzamsorTartomanyTorlese(t, u, f, l, idegen, kijelolt); };
        // A long deletion works behind the wait window.
        if (NagyFeladat && l - f > 10000)
            NagyFeladat(kFeladatSzamsorTorles, torles);
        else
            torles();
    }
    emit valtozott();
    emit listaFrissites(t.BontMatrixMeret < f ? t.BontMatrixMeret : f);
}

kvx::BontListaNezet VariacioVezerlo::ListaNezet() const
{
    const VariationStore& t = p_.Tar;
    const SzamListak& l = p_.Szamok;
    BontListaNezet n;
    n.Tar = &t;
    n.Jatek = &p_.Jatek;
    n.KijeloltSzamok = l.KijeloltSzamok;
    n.FixSzamok = l.FixSzamok;
    n.AllandoSzamok = l.AllandoSzamok;
    n.VeletlenSzamok = l.VeletlenSzamok;
    n.VariacioMeret = l.VariacioMeret;
    n.VariacioFoMeret = l.VariacioFoMeret;
    n.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    n.KijeloltPluszSzamDb = l.KijeloltPluszSzamDb;
    n.HuzasMod = p_.Feltetelek.HuzasSzamsorVariacio;
    n.Rendezett = t.FBontasMatrixEredetiSorok > 0 && t.FBontasMatrixEredetiSorok == t.BontMatrixMeret;
    return n;
}

VariacioKep VariacioVezerlo::Kep() const
{
    const VariationStore& t = p_.Tar;
    const BontasEgyseg& u = p_.Bontas;
    VariacioKep v;
    v.Pause = u.Vezerles.BontasPause.load();
    v.BontasBovites = u.BontasBovites;
    if (fut_) {
        v.SzamsorDb = u.Vezerles.BontSzelvszam.load();
        v.LefoglaltSorok = v.SzamsorDb;
        return v;
    }
    v.SzamsorDb = t.BontSzelvszam;
    v.LefoglaltSorok = t.BontMatrixMeret;
    v.Szerkesztett = u.SzerkesztettVariacio;
    v.Befejezetlen = u.Allapot.BontasBefejezetlen;
    v.Leallitott = !u.Vezerles.FBontStatus.load();
    return v;
}
