// The main window's variation commands: Start with its validation, the end
// of a run, deletion, the pause clearing and the command states.
#include "app/ui/parancs_tar.h"
#include "shell/foablak.h"
#include "app/ui/program.h"

#include <QAction>
#include <QCheckBox>

#include <limits>

#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/shell_state.h"
#include "app/messages.h"
#include "shell/formok.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "statistics/ui/statisztika.h"
#include "conditions/variation_options.h"
#include "conditions/condition_records.h"
#include "conditions/consistency_check.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"
#include "variation/command_availability.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/variation_import.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"
#include "draws/ui/huzszama.h"
#include "draws/draw_ranges.h"
#include "variation/ui/bontellszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "tickets/file_helpers.h"
#include "tickets/ui/filedialogs.h"

using namespace kvx;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The commands of the table that work in this build.
constexpr const char* kKeszVariacioParancsok[] = {"Start1", "rls2", "PauseTorles", "Beilleszts1", "Listzs2", "Ments2",
                                                   "Listanyomtatsa2", "Lista1", "Ellenrzs1", "eszt1", "Szelvnyek1",
                                                   "Rendezs1", "Eredetisorrend1", "Vglegesszmsorrend1",
                                                   "Bvtmnytrlse1", "BovitmenyBeilleszt", "Mdosts1"};

}  // namespace

void TFoablak::VariacioParancsokBekotese()
{
    connect(kvx::Parancs("Start1"), &QAction::triggered, this, [this] { Start1Click(); });
    connect(kvx::Parancs("rls2"), &QAction::triggered, this, [this] { rls2Click(); });
    connect(kvx::Parancs("PauseTorles"), &QAction::triggered, this, [this] { PauseTorlesClick(); });
    connect(kvx::Parancs("Beilleszts1"), &QAction::triggered, this, [this] { Beilleszts1Click(true); });
    connect(kvx::Parancs("Listzs2"), &QAction::triggered, this, [this] { Listzs2Click(); });
    connect(kvx::Parancs("Ments2"), &QAction::triggered, this, [this] { Ments2Click(); });
    connect(kvx::Parancs("Ellenrzs1"), &QAction::triggered, this, [this] { Ellenrzs1Click(); });
    connect(&Program::aktualis().Variacio(), &VariacioVezerlo::ellenorzesParancsKerve, this,
            [this] { Ellenrzs1Click(); });
    connect(kvx::Parancs("Mdosts1"), &QAction::triggered, this, [this] { Mdosts1Click(); });
    connect(kvx::Parancs("Rendezs1"), &QAction::triggered, this, [this] { Rendezs1Click(); });
    connect(kvx::Parancs("Eredetisorrend1"), &QAction::triggered, this, [this] { Eredetisorrend1Click(); });
    connect(kvx::Parancs("Vglegesszmsorrend1"), &QAction::triggered, this, [this] { Vglegesszmsorrend1Click(); });
    connect(kvx::Parancs("Bvtmnytrlse1"), &QAction::triggered, this, [this] { Bvtmnytrlse1Click(); });
    connect(kvx::Parancs("BovitmenyBeilleszt"), &QAction::triggered, this, [this] { BovitmenyBeillesztClick(); });
    BontMenuAll(VariacioParancsHelyzet());
}

void TFoablak::Rendezs1Click()
{
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    const VariationStore& t = variationStore();
    if (v.Fut() || t.BontMatrixMeret <= 1)
        return;
    if (t.BontMatrixMeret > kBontRendezesMax) {
        InformacioUzenet(QStringLiteral("100 000 számsor felett nem áll rendelkezésre a funkció."));
        return;
    }
    if (TStatisztika* s = formok().Statisztika; s && s->isVisible())
        s->close();
    if (TBontEllSzelveny* s = szelvenyek().BontEllSzelveny)
        s->Torles();
    auto& naplo = settings().UzenetekLog;
    if (t.BontMatrixMeret > 10000 && naplo[27] == 1)
        naplo[27] = HasznosInformacio(QStringLiteral(
                        "10 000 számsor felett (a számítógép teljesítményétől függően) több másodpercig tarthat az "
                        "indexek rendezése.\r\n\r\nA rendezés folyamata nem megszakítható."))
                        ? 1
                        : 0;
    TBontLista* lista = formok().BontLista;
    const int sor = lista ? lista->GetKivRekord() : 1;
    if (!v.IndexRendezes())
        return;
    mainState().BillentyuMod = 0;
    if (lista && t.BontSzelvszam > 0) {
        lista->Tag = 0;
        lista->BontListaStart();
        lista->AktSorKijelol(sor);
    }
}

void TFoablak::Eredetisorrend1Click()
{
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    if (v.Fut() || !kvx::Parancs("Eredetisorrend1")->isEnabled())
        return;
    if (TBontEllSzelveny* s = szelvenyek().BontEllSzelveny)
        s->Torles();
    TBontLista* lista = formok().BontLista;
    const int sor = lista ? lista->GetKivRekord() : 1;
    if (!v.IndexEredetiSorrend())
        return;
    if (lista && variationStore().BontSzelvszam > 0) {
        lista->Tag = 0;
        if (lista->isVisible()) {
            lista->BontListaStart();
            lista->AktSorKijelol(sor);
        }
    }
}

void TFoablak::Vglegesszmsorrend1Click()
{
    kvx::Program::aktualis().Variacio().IndexSorrendRogzitese();
    if (TInfo* i = formok().Info; i && i->isVisible())
        i->Listazas();
}

void TFoablak::Bvtmnytrlse1Click() { kvx::Program::aktualis().Variacio().UtolsoBovitmenyTorles(); }

void TFoablak::BovitmenyBeillesztClick() { kvx::Program::aktualis().Variacio().BovitmenyEgyesites(); }

kvx::ParancsHelyzet TFoablak::VariacioParancsHelyzet() const
{
    return kvx::Program::aktualis().Variacio().ParancsHelyzet();
}

void TFoablak::BontMenuAll(const kvx::ParancsHelyzet& helyzet)
{
    // The main ticket's line decides whether a new run can start.
    ParancsHelyzet h = helyzet;
    h.Tulteli = tulteli_;
    const std::vector<ParancsAllapot> tabla = VanNincsBontas(h);
    for (const char* nev : kKeszVariacioParancsok) {
        const ParancsAllapot* p = ParancsKeres(tabla, nev);
        QAction* a = kvx::Parancs(nev);
        if (!p || !a)
            continue;
        a->setEnabled(p->Engedelyezett);
        a->setToolTip(q(p->Tipp));
        a->setStatusTip(q(p->Tipp));
        if (!p->Felirat.empty())
            a->setText(q(p->Felirat));
    }
}

void TFoablak::VariacioVezerloBekotese()
{
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    // The controller asks for the wait window only where the job is large.
    v.NagyFeladat = [this](int kod, const std::function<void()>& munka) {
        NagyVariacioFeladat(kod, munka, std::numeric_limits<std::int64_t>::max());
    };
    connect(&v, &VariacioVezerlo::valtozott, this, [this] {
        BontMenuAll(VariacioParancsHelyzet());
        VariacioStatuszFrissites();
    });
    connect(&v, &VariacioVezerlo::futasIndul, this,
            [this] { futasTiltas_ = AblakTiltas::MindenMasAblak(formok().Bontas.data()); });
    connect(&v, &VariacioVezerlo::futasVege, this, [this] { futasTiltas_.Vege(); });
    connect(&v, &VariacioVezerlo::bontasAblakBezarva, this, [this] { VariacioVege(); });
    // The run window shows the lines' figures: a deletion closes it unless
    // a run is still going.
    connect(&v, &VariacioVezerlo::torles, this, [] {
        if (TBontas* b = formok().Bontas; b && b->isVisible() && !b->Fut())
            b->hide();
    });
    connect(&v, &VariacioVezerlo::feltetelAblakBezarasa, this, [](bool* nyitva) {
        TFeltetelek* f = formok().Feltetelek;
        *nyitva = f && f->isVisible();
        if (*nyitva)
            f->KilepesGombClick();
    });
    connect(&v, &VariacioVezerlo::feltetelAblakMegnyitasa, this, [this] { Listzs1Click(); });
    connect(&v, &VariacioVezerlo::letiltottFeltetelekAktivalasa, this, [this](const kvx::TFeltetelMaszk& m) {
        if (TFeltetelek* f = formok().Feltetelek)
            f->SetDbFeltetel(m);
        Listzs1Click();
    });
    connect(&v, &VariacioVezerlo::bovitesValtozott, this, [this] { bovitesKijelzes(); });
    connect(&v, &VariacioVezerlo::feltetelKijelzes, this, [] {
        if (TFeltetelek* f = formok().Feltetelek)
            f->SetFeltetelekKijelzes();
    });
}

void TFoablak::VariacioStatuszFrissites()
{
    const VariationStore& t = variationStore();
    const BontasEgyseg& u = bontasEgyseg();
    // While a run goes the worker owns the store: only its published count is read.
    const std::int64_t n = u.Vezerles.BontSzelvszam.load();
    const VariacioAllapot v = kvx::Program::aktualis().Variacio().Fut()
                                  ? VariacioAllapotMost(n, n, u)
                                  : VariacioAllapotMost(t.BontMatrixMeret, t.BontSzelvszam, u);
    VariacioStatuszKiirasStatusBar(v, !u.BontMegszAktiv.load(), true);
}

kvx::EllenorzesEredmeny TFoablak::FeltetelekEllenorzese() const
{
    EllenorzesBemenet be =
        EllenorzesBemenetKeszites(feltetelRekordok(), game(), szamListak(), szamJelzok(), variacioOpcioErtekek());
    be.SzamsorDb = variationStore().BontSzelvszam;
    be.LefoglaltSorok = variationStore().BontMatrixMeret;
    return kvx::FeltetelekEllenorzese(be, false);
}

void TFoablak::Start1Click()
{
    TBontas* bontas = formok().Bontas;
    if (!bontas || kvx::Program::aktualis().Variacio().Fut())
        return;
    VariationStore& t = variationStore();
    // 1. A sorted list goes back to its stored order.
    BontListEredetiSorrend(t);
    const SzamListak& l = szamListak();
    const GameParams& g = game();
    FeltetelRekordok& f = feltetelRekordok();
    // 2. The consistency check of the conditions.
    SzamJelzoBeallitas(szamJelzok(), l, g, f, settings().SzamsorrendMod);
    TFeltetelek* feltetelek = formok().Feltetelek;
    // The check runs also without a selected condition: the Találat option
    // has a rule of its own.
    if (const EllenorzesEredmeny r = FeltetelekEllenorzese(); !r.Ok) {
        // Conditions that contradict each other would make a run that finds
        // nothing or not what the user meant: the conditions window shows
        // the tab the check stopped at, and the run waits for a correction.
        if (r.FelulirasBejelolve) {
            // The check's own correction: every line of the modified
            // variation may be overwritten from now on.
            f.VariacioOpciok.Feluliras = 1;
            f.VariacioOpciok.SetVedettSzamsorDb(0);
            if (feltetelek)
                feltetelek->OpcioBetoltes();
        }
        if (feltetelek)
            feltetelek->FeltetelekEllenorzeseShow(r.EllenorzesLap);
        FigyelmeztetoUzenet(q(r.EllenorzesUzenet));
        if (r.EllenorzesSzamlalo > 0)
            InformacioUzenet(QString::fromUtf8(kNemEllenorzottMinden));
        return;
    }
    // 3, 5. The full variation: reached already, or too large.
    StartHelyzet h;
    h.BontMatrixMeret = t.BontMatrixMeret;
    h.ABSZ = TeljBontSzelvszam(l.KijeloltSzamDb(), l.VariacioMeret, l.KijeloltPluszSzamDb, g.VanPluszSzam, g.PluszSzamDb);
    h.ABSZValos = TeljBontSzelvszamValos(l.KijeloltSzamDb(), l.VariacioMeret, l.KijeloltPluszSzamDb, g.VanPluszSzam,
                                         g.PluszSzamDb);
    h.FeltetelJelzo = f.FeltetelJelzo;
    h.Hibapont = f.Hibapont;
    h.CsokkentOptimalizalas = f.VariacioOpciok.Optimalizalas != 0 && f.VariacioOpciok.Csokkent != 0;
    const VariacioOpcioErtekek& o = variacioOpcioErtekek();
    h.TulirasBont = o.TulirasBont;
    h.Tuliras = o.Tuliras;
    h.TulirasMax = l.VariacioMeret - 1;
    if (l.VariacioMeret <= 0 || l.KijeloltSzamDb() < l.VariacioMeret) {
        InformacioUzenet(QStringLiteral("A variáció készítéséhez jelöljön ki legalább %1 számot.").arg(l.VariacioMeret));
        return;
    }
    const StartEredmeny s = StartEllenorzes(h);
    if (s.Dontes == StartDontes::ElerteTeljes) {
        InformacioUzenet(q(s.Uzenet));
        LMPStatusokTorlese(bontasEgyseg());
        BontMenuAll(VariacioParancsHelyzet());
        return;
    }
    // 4. The conditions window closes; a paused, stopped or unfinished
    // variation goes on as an extension of its stored lines.
    if (feltetelek && feltetelek->isVisible())
        feltetelek->KilepesGombClick();
    MegszakitatottStatus();
    if (s.Dontes != StartDontes::Indul) {
        InformacioUzenet(q(s.Uzenet));
        return;
    }
    // 6. The run.
    bontas->Tag = 0;
    bontas->BontasIndul();
    BontMenuAll(VariacioParancsHelyzet());
}

void TFoablak::VariacioVege()
{
    TBontas* bontas = formok().Bontas;
    VariationStore& t = variationStore();
    BontasEgyseg& u = bontasEgyseg();
    VariacioVezerlo& vv = kvx::Program::aktualis().Variacio();
    const TorlesKornyezet k = vv.TorlesKornyezet();
    // A run that the store ended (its growth refused or impossible) keeps
    // every line stored so far; only a confirmed Stop deletes.
    if (bontas && !bontas->GetBontStatus() && !u.Allapot.TarolasLeallitas) {
        FinalizeFBontasMatrixOptMax(t);
        if (u.BontasBovites && t.BontMatrixMeret > 0) {
            // A stopped extension keeps the lines it had before the run.
            BovitesLeallitasUtan(t, szamListak().KijeloltSzamDb(), k);
        } else {
            vv.BontasTorlese(false);
        }
    }
    if (t.BontSzelvszam > 0 || u.BontasBovites) {
        const bool huzas = feltetelRekordok().HuzasSzamsorVariacio;
        NagyVariacioFeladat(kFeladatTombOptimalizalas, [&t, huzas] { BontMatrixOpt(t, huzas); }, t.BontMatrixMeret);
    }
    VariacioStatuszFrissites();
    if (t.BontSzelvszam == 0) {
        if (u.BontasBovites && t.BontMatrixMeret > 0)
            BontasListazasTorlesUtan(t, szamListak().KijeloltSzamDb());
        BontMenuAll(VariacioParancsHelyzet());
        Listzs1Click();
        return;
    }
    if (bontas && bontas->Tag == 6) {
        rls2Click();
        Listzs1Click();
    }
    if (TBontLista* lista = formok().BontLista)
        lista->Tag = 0;
    if (bontas && bontas->Tag == 2)
        Listzs2Click();
    if (bontas && bontas->Tag == 3)
        Ments2Click();
    if (bontas && bontas->Tag == 5)
        Program::aktualis().Teszt().TesztParancs();
    // Ellenőrzés, Módosítás (and Pause, whose button shares its code),
    // Break, Info.
    if (bontas && bontas->Tag == 1)
        Ellenrzs1Click();
    if (bontas && (bontas->Tag == 4 || bontas->Tag == 7)) {
        Mdosts1Click();
        if (u.BontasBovites && t.BontMatrixMeret <= 1000000)
            Listzs2Click();
        if (bontas->Tag == 7)
            PauseStatusTorlese();
    }
    if (bontas && bontas->Tag == 9)
        InfoGombClick();
    if (bontas && bontas->Tag == 8) {
        // Bővítés: the lines become an extension, listed, and the
        // conditions open for the numbers or settings to change.
        Import_log_true();
        if (t.BontMatrixMeret <= 1000000)
            Listzs2Click();
        Listzs1Click();
    }
    BontMenuAll(VariacioParancsHelyzet());
    // "Statisztika": the frequency distribution of the new lines, as the
    // information window's "Diagram" shows it.
    if (bontas && bontas->Tag == 10)
        if (TInfo* info = formok().Info)
            info->Button4Click();
}

void TFoablak::NagyVariacioFeladat(int kod, const std::function<void()>& munka, std::int64_t sorok)
{
    kvx::TUzenetAblak* w = formok().UzenetAblak;
    const char* szoveg = kod == kFeladatBontListRendezes  ? "Variáció indexeinek rendezése"
                         : kod == kFeladatTombOptimalizalas ? "Variáció tömbjének optimalizálása"
                         : kod == kFeladatListaModositas  ? "Variáció listájának módosítása"
                         : kod == kFeladatSzamsorTorles   ? "Variáció számsorainak törlése, rendezése"
                         : kod == kFeladatBontMatrixFoglalas ? "Variáció tömbjének előkészítése"
                                                          : "Variáció törlése";
    if (!w || sorok <= kBontAblakosMeret) {
        munka();
        return;
    }
    // The job runs on the wait window's worker while the window shows its
    // text; the windows that paint from the store are closed meanwhile.
    struct TarMunka {
        VariacioVezerlo& v;
        int kod;
        ~TarMunka()
        {
            uzenetAblakFeladatBejegyzes(uzenetAblakAllapot(), kod, nullptr);
            v.TarMunkaVege();
        }
    } tarMunka{kvx::Program::aktualis().Variacio(), kod};
    tarMunka.v.TarMunkaKezdete();
    uzenetAblakFeladatBejegyzes(uzenetAblakAllapot(), kod, [munka](std::stop_token, MunkaJelzok&) { munka(); });
    w->UzenetKi(QString::fromUtf8(szoveg), 0, kod, true);
}

void TFoablak::MegszakitatottStatus()
{
    const BontasEgyseg& u = bontasEgyseg();
    if (variationStore().BontMatrixMeret > 0 && !u.BontasBovites &&
        (!u.Vezerles.FBontStatus.load() || u.Vezerles.BontasPause.load() || u.Allapot.BontasBefejezetlen))
        Import_log_true();
}

void TFoablak::Import_log_true() { kvx::Program::aktualis().Variacio().Import_log_true(); }

void TFoablak::Import_log_false() { kvx::Program::aktualis().Variacio().Import_log_false(); }

bool TFoablak::Import(const QString& nev)
{
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    ImportKornyezet k;
    k.Listak = &szamListak();
    k.Jatek = &game();
    k.Foallapot = &mainState();
    k.Tar = &variationStore();
    k.Bontas = &bontasEgyseg();
    k.Allomany = &variacioAllomany();
    QPointer<kvx::TUzenetAblak> w = formok().UzenetAblak.data();
    k.VarakozasKi = [w](const std::string& szoveg) {
        if (w)
            w->UzenetKi(QString::fromStdString(szoveg), 0, 0, false);
    };
    k.VarakozasVege = [w] {
        if (w)
            w->UzenetVege();
    };
    // Only a file found good clears the ticket, which asks before it
    // deletes a variation, and the conditions.
    bool valtozott = false;
    k.Elokeszites = [&] {
        Mind1Click();
        if (szamListak().KijeloltSzamDb() > 0 || szamListak().FixSzamDb() > 0)
            return false;
        valtozott = true;
        if (bontasEgyseg().BontasBovites)
            Import_log_false();
        v.FeltetelekTorlese();
        if (TFeltetelek* f = formok().Feltetelek)
            f->VariacioOpcioinakTorlese();
        // The selection is built ascending, as the lines' indexes expect.
        SzamsorrendKijelzes(1);
        return true;
    };
    const ImportEredmeny r = ImportBeolvasas(nev.toStdString(), k);
    if (!r.Ok && !r.Uzenet.empty())
        HibaUzenet(QString::fromStdString(r.Uzenet));
    if (!valtozott)
        return false;
    mainState().Mentve = false;
    if (szamokValtozasa)
        szamokValtozasa();
    KijelolesMenuFrissites();
    v.Ertesites();
    VariacioStatuszFrissites();
    BontMenuAll(VariacioParancsHelyzet());
    return r.Ok;
}

void TFoablak::BontSzamsorTorles(int kivalasztottSor)
{
    THuzSzama* h = formok().HuzSzama;
    const VariationStore& t = variationStore();
    const BontasEgyseg& u = bontasEgyseg();
    if (!h || t.BontMatrixMeret < 1)
        return;
    if (TBontEllSzelveny* s = szelvenyek().BontEllSzelveny)
        s->Torles();
    HuzSzamaKornyezet k = THuzSzama::Kornyezet();
    k.L = t.BontMatrixMeret;
    k.BontSzelvszam = t.BontSzelvszam;
    k.KivalasztottSor = kivalasztottSor;
    k.BovitmenyKezdet = u.BontasBovites && t.Import_Count.size() > 1 ? t.Import_Count[t.Import_Count.size() - 2] + 1 : 0;
    if (!h->Start(4, k))
        return;
    const HuzSzamaState& r = huzSzama();
    const bool bovitmeny = h->MindHuzBox->isChecked() && h->MindHuzBox->isEnabled();
    kvx::Program::aktualis().Variacio().BontSzamsorTartomanyTorles(r.GetBontSzamsorElso(), r.GetBontSzamsorUtolso(),
                                                                   bovitmeny);
}

void TFoablak::bovitesKijelzes()
{
    if (Image1)
        Image1->setVisible(bontasEgyseg().BontasBovites);
    if (TFeltetelek* f = formok().Feltetelek) {
        f->HibapontBeEditChange();
        f->SetFeltetelekKijelzes();
    }
    // The number commands follow the counts the extension keeps.
    FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    VariacioStatuszFrissites();
}

void TFoablak::Beilleszts1Click(bool menuPont)
{
    BontasEgyseg& u = bontasEgyseg();
    const VariationStore& t = variationStore();
    u.OpcioModosulas = t.BontSzelvszam > 0;
    const bool ujranyit = menuPont && !u.BontasBovites;
    TFeltetelek* f = formok().Feltetelek;
    const bool lathato = f && f->isVisible();
    if (lathato)
        f->KilepesGombClick();
    if (u.BontasBovites)
        Import_log_false();
    else if (t.BontMatrixMeret > 0)
        Import_log_true();
    if (f && (ujranyit || lathato))
        f->FeltetelStart();
}

void TFoablak::rls2Click()
{
    kvx::Program::aktualis().Variacio().TorlesEng1();
}

void TFoablak::PauseTorlesClick()
{
    if (!JovahagyasKerese(QStringLiteral("Biztos törli a Pause státuszt?")))
        return;
    PauseStatusTorlese();
}

void TFoablak::PauseStatusTorlese()
{
    kvx::Program::aktualis().Variacio().SzerkesztettVariacioBeallitas(bontasEgyseg().SzerkesztettVariacio);
}

bool TFoablak::BefejezetlenKerdes(const QString& kerdes)
{
    Program& p = Program::aktualis();
    BontasEgyseg& u = p.Bontas;
    BontasAllapotJelzok a;
    a.BontasPause = u.Vezerles.BontasPause.load();
    a.Leallitott = !u.Vezerles.FBontStatus.load();
    a.BontasBefejezetlen = u.Allapot.BontasBefejezetlen;
    VariacioAllapot v;
    v.BontMatrixMeret = p.Tar.BontMatrixMeret;
    v.BontSzelvszam = p.Tar.BontSzelvszam;
    v.BontStatus = !a.Leallitott;
    v.BontasPause = a.BontasPause;
    v.BontasBefejezetlen = a.BontasBefejezetlen;
    v.SzerkesztettVariacio = u.SzerkesztettVariacio;
    return BefejezetlenVariacioUzenet(u.BefejezetlenVariacio, a, QString::fromStdString(GetMNBString(v)), true,
                                      kerdes);
}

void TFoablak::Ellenrzs1Click()
{
    VariacioVezerlo& v = Program::aktualis().Variacio();
    if (v.Fut() || variationStore().BontSzelvszam < 1)
        return;
    if (!BefejezetlenKerdes(QStringLiteral("Mégis ellenőrzi a variációt?")))
        return;
    // Shift+Ctrl: the check starts on a random line of the selection.
    const bool veletlen = GetBillentyuMod() == 200;
    v.EllenorzesStart();
    if (veletlen)
        if (TBontEllSzelveny* t = szelvenyek().BontEllSzelveny; t && t->isVisible()) {
            t->VeletlenSzamsor(true);
            t->Ellenorzes();
        }
}

void TFoablak::Mdosts1Click()
{
    const BontasEgyseg& u = bontasEgyseg();
    if (kvx::Program::aktualis().Variacio().Fut())
        return;
    // An extension or a paused run goes on from its lines: nothing to delete.
    if (!u.BontasBovites && !u.Vezerles.BontasPause.load() && variationStore().BontSzelvszam > 0)
        if (TFeltetelek* f = formok().Feltetelek)
            f->BontasGombClick();
    Listzs1Click();
}

void TFoablak::InfoGombClick()
{
    if (TInfo* i = formok().Info)
        i->Start();
}

void TFoablak::BontasLeallitasa()
{
    if (TBontas* b = formok().Bontas; b && b->Fut())
        b->BontasMegszakitasa();
}

void TFoablak::Listzs2Click()
{
    TBontLista* lista = formok().BontLista;
    if (!lista)
        return;
    lista->BontListaStart();
}

void TFoablak::Ments2Click()
{
    if (TBontas* b = formok().Bontas; b && b->Fut())
        return;
    // Refused before the dialog: the user would choose a name for nothing.
    if (variationStore().BontMatrixMeret > 1000000) {
        InformacioUzenet(QStringLiteral(
            "Több mint 1 millió számsor mentését kezdeményezte.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé."));
        return;
    }
    AllomanyDialogusAllapotFrissites();
    const bool rendezett = BontListRendezett(variationStore());
    AllomanyDialogusok->AllomanyDialogus(kvx::ModMentes, QStringLiteral("top"), false);
    SorrendVisszaallitasUtan(rendezett);
    VariacioStatuszFrissites();
}

void TFoablak::SorrendVisszaallitasUtan(bool rendezettVolt)
{
    if (!rendezettVolt || BontListRendezett(variationStore()))
        return;
    kvx::Program::aktualis().Variacio().Ertesites();
    if (TBontLista* l = formok().BontLista; l && l->isVisible()) {
        const int sor = l->GetKivRekord();
        l->Tag = 0;
        l->BontListaStart();
        l->AktSorKijelol(sor);
    }
}
