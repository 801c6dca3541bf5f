#include "variation/ui/variacio_parancsok.h"

#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <limits>
#include <ostream>

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/shell_state.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "conditions/variation_options.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "tickets/file_helpers.h"
#include "tickets/number_lists.h"
#include "tickets/ui/bontszelveny.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/variation_import.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontellszelveny.h"
#include "variation/ui/back_vezerlo.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/allomany_parancsok.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/filedialogs.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The commands of the table that work in this build (the list's printouts
// are the printing's: it applies their rows of parancsAllapot).
constexpr kvx::ParancsId kKeszVariacioParancsok[] = {ParancsId::Start1, ParancsId::rls2, ParancsId::PauseTorles,
                                                     ParancsId::Beilleszts1, ParancsId::Listzs2, ParancsId::Ments2,
                                                     ParancsId::Ellenrzs1, ParancsId::eszt1,
                                                     ParancsId::Rendezs1, ParancsId::Eredetisorrend1,
                                                     ParancsId::Vglegesszmsorrend1, ParancsId::Bvtmnytrlse1,
                                                     ParancsId::BovitmenyBeilleszt, ParancsId::Mdosts1};

// The "Bővítés" item's image by the extension state: 42 a plus (the
// variation can be extended), 41 a minus (extension mode is on: the item
// ends it). The number stays on the item as "KepIndex".
void bovitesKep(QAction* a, bool bovites)
{
    const int index = bovites ? 41 : 42;
    if (a->property("KepIndex").toInt() == index)
        return;
    QPixmap kep(16, 16);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor szin = bovites ? QColor(190, 40, 40) : QColor(0, 140, 60);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(szin, 2));
    p.drawLine(4, 8, 12, 8);
    if (!bovites)
        p.drawLine(8, 4, 8, 12);
    p.end();
    a->setIcon(QIcon(kep));
    a->setProperty("KepIndex", index);
}

}  // namespace

VariacioParancsok& Program::VariacioParancsai()
{
    if (!variacioParancsok_)
        variacioParancsok_ = Megtart(std::make_unique<VariacioParancsok>(*this, Variacio()));
    return *variacioParancsok_;
}

VariacioParancsok::VariacioParancsok(Program& program, VariacioVezerlo& v, QObject* parent)
    : QObject(parent), p_(program), v_(v)
{
    // The controller asks for the wait window only where the job is large.
    v.NagyFeladat = [this](int kod, const std::function<void()>& munka) {
        NagyVariacioFeladat(kod, munka, std::numeric_limits<std::int64_t>::max());
    };
    connect(&v, &VariacioVezerlo::valtozott, this, [this] {
        ParancsAllapotFrissites();
        v_.StatuszFrissites();
    });
    connect(&v, &VariacioVezerlo::futasIndul, this,
            [this] { futasTiltas_ = AblakTiltas::MindenMasAblak(ablakok_.Bontas.data()); });
    connect(&v, &VariacioVezerlo::futasVege, this, [this] { futasTiltas_.Vege(); });
    connect(&v, &VariacioVezerlo::bontasAblakBezarva, this, &VariacioParancsok::VariacioVege);
    // The run window shows the lines' figures: a deletion closes it unless
    // a run is still going.
    connect(&v, &VariacioVezerlo::torles, this, [this] {
        if (TBontas* b = ablakok_.Bontas; b && b->isVisible() && !b->Fut())
            b->hide();
    });
    connect(&v, &VariacioVezerlo::feltetelAblakBezarasa, this, [this](bool* nyitva) {
        TFeltetelek* f = ablakok_.Feltetelek;
        *nyitva = f && f->isVisible();
        if (*nyitva)
            f->close();
    });
    connect(&v, &VariacioVezerlo::feltetelAblakMegnyitasa, this, &VariacioParancsok::FeltetelekMegnyitasa);
    connect(&v, &VariacioVezerlo::letiltottFeltetelekAktivalasa, this, [this](const kvx::TFeltetelMaszk& m) {
        if (TFeltetelek* f = ablakok_.Feltetelek)
            f->SetDbFeltetel(m);
        FeltetelekMegnyitasa();
    });
    connect(&v, &VariacioVezerlo::feltetelKijelzes, this, [this] {
        if (TFeltetelek* f = ablakok_.Feltetelek) {
            f->SetFeltetelekKijelzes();
            // The list window moved the Felülírás boundary.
            f->OptBontFelulirasHint();
        }
    });
    connect(&v, &VariacioVezerlo::ellenorzesParancsKerve, this, &VariacioParancsok::Ellenorzes);
    // Extension mode on or off: the conditions window shows what it may
    // change, the number commands follow the counts the extension keeps,
    // and the status bar the mode.
    connect(&v, &VariacioVezerlo::bovitesValtozott, this, [this] {
        if (TFeltetelek* f = ablakok_.Feltetelek) {
            f->HibapontBeEditChange();
            f->SetFeltetelekKijelzes();
        }
        p_.SzamsorParancsai().FeltMenuAll(SzamsorTulteli(p_.Szamok, p_.Jatek));
        v_.StatuszFrissites();
    });
    SzamsorParancsokBekotese();
}

void VariacioParancsok::FeltetelekMegnyitasa()
{
    // The conditions' own command, run whatever its state: the rule that
    // asks for the window has decided already.
    if (const ParancsTar* t = ParancsTar::aktualis(); t && t->Keres(ParancsId::Listzs1))
        t->Vegrehajtas(ParancsId::Listzs1);
}

void VariacioParancsok::SzamsorParancsokBekotese()
{
    // The main ticket's clearing commands ask the variation what stands in
    // their way and what goes with the numbers.
    SzamsorParancsok& sp = p_.SzamsorParancsai();
    SzamsorParancsok::Horgok& h = sp.H;
    h.BackMentese = [&p = p_] { return p.Back().BackMentese(); };
    h.VariacioFut = [&v = v_] { return v.Fut(); };
    h.BovitesTorlesEng = [&v = v_] { return v.TorlesEng2(); };
    h.Tartalom = [&p = p_] {
        return SzamsorParancsok::TorlesTartalom{p.Tar.BontSzelvszam > 0, p.Feltetelek.FeltetelJelzo};
    };
    // The question named the lines and the conditions: the lines would stand
    // for other numbers, the conditions were set for the old selection. A
    // clear for an empty ticket ends the extension first; its lines go then
    // even when none of them is stored yet.
    connect(&sp, &SzamsorParancsok::szamokTorlesJovahagyva, this, [this](SzamTorlesMod mod) {
        const VariationStore& t = p_.Tar;
        if (mod == SzamTorlesMod::UresSzelveny) {
            v_.Import_log_false();
            if (t.BontSzelvszam > 0 || t.BontMatrixMeret > 0)
                v_.BontasTorlese(false);
        } else if (t.BontSzelvszam > 0) {
            v_.BontasTorlese(false);
        }
        if (p_.Feltetelek.FeltetelJelzo)
            v_.FeltetelekTorlese();
    });
    // Start follows the line too.
    connect(&sp, &SzamsorParancsok::feltetelMenuKesz, this, [this] { ParancsAllapotFrissites(); });
}

VariacioParancsok::~VariacioParancsok() { v_.NagyFeladat = {}; }

void VariacioParancsok::ParancsokBekotese()
{
    ParancsTar& t = *ParancsTar::aktualis();
    t.Kezelo(ParancsId::Start1, this, [this] { Start(); });
    t.Kezelo(ParancsId::rls2, this, [this] { Torles(); });
    t.Kezelo(ParancsId::PauseTorles, this, [this] { PauseTorles(); });
    t.Kezelo(ParancsId::Beilleszts1, this, [this] { Beillesztes(true); });
    t.Kezelo(ParancsId::Listzs2, this, [this] { Listazas(); });
    t.Kezelo(ParancsId::Ments2, this, [this] { Mentes(); });
    t.Kezelo(ParancsId::Ellenrzs1, this, [this] { Ellenorzes(); });
    t.Kezelo(ParancsId::Mdosts1, this, [this] { Modositas(); });
    t.Kezelo(ParancsId::Rendezs1, this, [this] { Rendezes(); });
    t.Kezelo(ParancsId::Eredetisorrend1, this, [this] { EredetiSorrend(); });
    t.Kezelo(ParancsId::Vglegesszmsorrend1, this, [this] { VeglegesSorrend(); });
    t.Kezelo(ParancsId::Bvtmnytrlse1, this, [this] { v_.UtolsoBovitmenyTorles(); });
    t.Kezelo(ParancsId::BovitmenyBeilleszt, this, [this] { v_.BovitmenyEgyesites(); });
    ParancsAllapotFrissites();
}

void VariacioParancsok::Rendezes()
{
    const VariationStore& t = p_.Tar;
    if (v_.Fut() || t.BontMatrixMeret <= 1)
        return;
    if (t.BontMatrixMeret > kBontRendezesMax) {
        InformacioUzenet(QStringLiteral("100 000 számsor felett nem áll rendelkezésre a funkció."));
        return;
    }
    emit rendezesElott();
    if (TBontEllSzelveny* s = szelvenyek().BontEllSzelveny)
        s->Torles();
    auto& naplo = p_.Beallitasok.UzenetekLog;
    if (t.BontMatrixMeret > 10000 && naplo[27] == 1)
        naplo[27] = HasznosInformacio(QStringLiteral(
                        "10 000 számsor felett (a számítógép teljesítményétől függően) több másodpercig tarthat az "
                        "indexek rendezése.\r\n\r\nA rendezés folyamata nem megszakítható."))
                        ? 1
                        : 0;
    TBontLista* lista = ablakok_.BontLista;
    const int sor = lista ? lista->GetKivRekord() : 1;
    if (!v_.IndexRendezes())
        return;
    p_.Fo.BillentyuMod = 0;
    if (lista && t.BontSzelvszam > 0) {
        lista->TablaUjrakezdes();
        lista->BontListaStart();
        lista->AktSorKijelol(sor);
    }
}

void VariacioParancsok::EredetiSorrend()
{
    if (v_.Fut() || !kvx::Parancs(ParancsId::Eredetisorrend1)->isEnabled())
        return;
    if (TBontEllSzelveny* s = szelvenyek().BontEllSzelveny)
        s->Torles();
    TBontLista* lista = ablakok_.BontLista;
    const int sor = lista ? lista->GetKivRekord() : 1;
    if (!v_.IndexEredetiSorrend())
        return;
    if (lista && p_.Tar.BontSzelvszam > 0) {
        lista->TablaUjrakezdes();
        if (lista->isVisible()) {
            lista->BontListaStart();
            lista->AktSorKijelol(sor);
        }
    }
}

void VariacioParancsok::VeglegesSorrend()
{
    v_.IndexSorrendRogzitese();
    if (TInfo* i = ablakok_.Info; i && i->isVisible())
        i->Listazas();
}

kvx::ParancsHelyzet VariacioParancsok::ParancsHelyzet() const { return v_.ParancsHelyzet(); }

void VariacioParancsok::ParancsAllapot(const kvx::ParancsHelyzet& helyzet)
{
    // The main ticket's line decides whether a new run can start.
    kvx::ParancsHelyzet h = helyzet;
    h.Tulteli = p_.SzamsorParancsai().Tulteli();
    const std::vector<kvx::ParancsAllapot> tabla = VanNincsBontas(h);
    const ParancsTar* t = ParancsTar::aktualis();
    if (!t)
        return;
    for (ParancsId nev : kKeszVariacioParancsok) {
        const kvx::ParancsAllapot* p = ParancsKeres(tabla, nev);
        QAction* a = t->Keres(nev);
        if (!p || !a)
            continue;
        kvx::ParancsBeallitas(a, p->Engedelyezett, q(p->Tipp));
        if (!p->Felirat.empty())
            a->setText(q(p->Felirat));
    }
    if (QAction* a = t->Keres(ParancsId::Beilleszts1))
        bovitesKep(a, h.BontasBovites);
    // The conditions command (and the conditions window's button) says at
    // once whether the conditions of stored lines are listed or set.
    if (TFeltetelek* f = ablakok_.Feltetelek)
        f->SetFeltetelekKijelzes();
    emit parancsAllapot(tabla);
}

kvx::EllenorzesEredmeny VariacioParancsok::FeltetelekEllenorzese() const
{
    EllenorzesBemenet be = EllenorzesBemenetKeszites(p_.Feltetelek, p_.Jatek, p_.Szamok, p_.SzamJelzok_, p_.VariacioOpciok);
    be.SzamsorDb = p_.Tar.BontSzelvszam;
    be.LefoglaltSorok = p_.Tar.BontMatrixMeret;
    return kvx::FeltetelekEllenorzese(be, false);
}

void VariacioParancsok::Start()
{
    TBontas* bontas = ablakok_.Bontas;
    if (!bontas || v_.Fut())
        return;
    VariationStore& t = p_.Tar;
    // 1. A sorted list goes back to its stored order.
    BontListEredetiSorrend(t);
    const SzamListak& l = p_.Szamok;
    const GameParams& g = p_.Jatek;
    FeltetelRekordok& f = p_.Feltetelek;
    // 2. The consistency check of the conditions.
    SzamJelzoBeallitas(p_.SzamJelzok_, l, g, f, p_.Beallitasok.SzamsorrendMod);
    TFeltetelek* feltetelek = ablakok_.Feltetelek;
    // The check runs also without a selected condition: the Találat option
    // has a rule of its own.
    if (const EllenorzesEredmeny r = FeltetelekEllenorzese(); !r.Ok) {
        // Conditions that contradict each other would make a run that finds
        // nothing or not what the user meant: the conditions window shows
        // the tab the check stopped at, and the user decides.
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
        if (!FigyelmeztetoKerdes(q(r.EllenorzesUzenet + "\r\n\r\n" + "Mégis elindítja a variáció készítését?"))) {
            // The window stays at the tab for the correction; what the
            // check did not reach is said as its button says it.
            if (r.EllenorzesSzamlalo > 0)
                InformacioUzenet(QString::fromUtf8(kNemEllenorzottMinden));
            return;
        }
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
    const VariacioOpcioErtekek& o = p_.VariacioOpciok;
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
        LMPStatusokTorlese(p_.Bontas);
        ParancsAllapotFrissites();
        return;
    }
    // 4. The conditions window closes; a paused, stopped, unfinished or
    // edited variation goes on as an extension of its stored lines.
    if (feltetelek && feltetelek->isVisible())
        feltetelek->close();
    MegszakitatottStatus();
    if (s.Dontes != StartDontes::Indul) {
        InformacioUzenet(q(s.Uzenet));
        return;
    }
    // 6. The run. An extension of a sample is the user's own variation.
    if (p_.Bontas.BontasBovites)
        PeldabontasLogTorles(p_.Bontas);
    bontas->ValasztasTorlese();
    bontas->BontasIndul();
    ParancsAllapotFrissites();
}

void VariacioParancsok::VariacioVege(BontasGomb gomb)
{
    VariationStore& t = p_.Tar;
    BontasEgyseg& u = p_.Bontas;
    const TorlesKornyezet k = v_.TorlesKornyezet();
    const auto lepes = [this](FutasUtaniLepes l) { emit futasUtan(l); };
    // A run that the store ended (its growth refused or impossible) keeps
    // every line stored so far; only a confirmed Stop deletes.
    if (!u.Vezerles.FBontStatus.load() && !u.Allapot.TarolasLeallitas) {
        FinalizeFBontasMatrixOptMax(t);
        if (u.BontasBovites && t.BontMatrixMeret > 0) {
            // A stopped extension keeps the lines the Stop question named.
            BovitesLeallitasUtan(t, p_.Szamok.KijeloltSzamDb(), k,
                                 StopAktualisSorok(true, p_.Feltetelek.VariacioOpciok));
        } else {
            v_.BontasTorlese(false);
        }
    }
    if (t.BontSzelvszam > 0 || u.BontasBovites) {
        const bool huzas = p_.Feltetelek.HuzasSzamsorVariacio;
        NagyVariacioFeladat(kFeladatTombOptimalizalas, [&t, huzas] { BontMatrixOpt(t, huzas); }, t.BontMatrixMeret);
    }
    v_.StatuszFrissites();
    using L = FutasUtaniLepes;
    using G = BontasGomb;
    if (t.BontSzelvszam == 0) {
        if (u.BontasBovites && t.BontMatrixMeret > 0)
            BontasListazasTorlesUtan(t, p_.Szamok.KijeloltSzamDb());
        lepes(L::ParancsAllapot);
        lepes(L::FeltetelekMegnyitasa);
        return;
    }
    if (gomb == G::Torles) {
        lepes(L::Torles);
        lepes(L::FeltetelekMegnyitasa);
    }
    if (TBontLista* lista = ablakok_.BontLista)
        lista->TablaUjrakezdes();
    if (gomb == G::Lista)
        lepes(L::Listazas);
    if (gomb == G::Mentes)
        lepes(L::Mentes);
    if (gomb == G::Teszt)
        lepes(L::Teszt);
    // Ellenőrzés, Módosítás (and Pause, whose button shares its code),
    // Break, Info.
    if (gomb == G::Ellenorzes)
        lepes(L::Ellenorzes);
    if (gomb == G::Modositas || gomb == G::Megszakitas) {
        lepes(L::Modositas);
        if (u.BontasBovites && t.BontMatrixMeret <= 1000000)
            lepes(L::Listazas);
        if (gomb == G::Megszakitas)
            lepes(L::PauseTorles);
    }
    if (gomb == G::Info)
        lepes(L::Informacio);
    if (gomb == G::Bovites) {
        // Bővítés: the lines become an extension, listed, and the
        // conditions open for the numbers or settings to change.
        lepes(L::Bovites);
        if (t.BontMatrixMeret <= 1000000)
            lepes(L::Listazas);
        lepes(L::FeltetelekMegnyitasa);
    }
    lepes(L::ParancsAllapot);
    // "Statisztika": the frequency distribution of the new lines, as the
    // information window's "Diagram" shows it.
    if (gomb == G::Statisztika)
        lepes(L::Diagram);
}

std::ostream& operator<<(std::ostream& o, FutasUtaniLepes l)
{
    // The enumerator's own spelling; a step without a case warns (-Wswitch).
#define KVX_LEPES(n) \
    case FutasUtaniLepes::n: return o << #n;
    switch (l) {
        KVX_LEPES(Torles)
        KVX_LEPES(FeltetelekMegnyitasa)
        KVX_LEPES(Listazas)
        KVX_LEPES(Mentes)
        KVX_LEPES(Teszt)
        KVX_LEPES(Ellenorzes)
        KVX_LEPES(Modositas)
        KVX_LEPES(PauseTorles)
        KVX_LEPES(Informacio)
        KVX_LEPES(Bovites)
        KVX_LEPES(ParancsAllapot)
        KVX_LEPES(Diagram)
    }
#undef KVX_LEPES
    return o << "FutasUtaniLepes(" << static_cast<int>(l) << ')';
}

void VariacioParancsok::LepesVegrehajtasa(FutasUtaniLepes lepes)
{
    using L = FutasUtaniLepes;
    switch (lepes) {
    case L::Torles: Torles(); break;
    case L::FeltetelekMegnyitasa: FeltetelekMegnyitasa(); break;
    case L::Listazas: Listazas(); break;
    case L::Mentes: Mentes(); break;
    case L::Teszt: p_.Teszt().TesztParancs(); break;
    case L::Ellenorzes: Ellenorzes(); break;
    case L::Modositas: Modositas(); break;
    case L::PauseTorles: PauseStatusTorlese(); break;
    case L::Informacio:
        if (TInfo* i = ablakok_.Info)
            i->Start();
        break;
    case L::Bovites: v_.Import_log_true(); break;
    case L::ParancsAllapot: ParancsAllapotFrissites(); break;
    case L::Diagram:
        if (TInfo* i = ablakok_.Info)
            i->Diagram();
        break;
    }
}

void VariacioParancsok::NagyVariacioFeladat(int kod, const std::function<void()>& munka, std::int64_t sorok)
{
    kvx::TUzenetAblak* w = p_.VarakozoAblak;
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
        Program& p;
        VariacioVezerlo& v;
        int kod;
        ~TarMunka()
        {
            uzenetAblakFeladatBejegyzes(p.UzenetAblak, kod, nullptr);
            v.TarMunkaVege();
        }
    } tarMunka{p_, v_, kod};
    tarMunka.v.TarMunkaKezdete();
    uzenetAblakFeladatBejegyzes(p_.UzenetAblak, kod, [munka](std::stop_token, MunkaJelzok&) { munka(); });
    w->UzenetKi(QString::fromUtf8(szoveg), 0, kod, true);
}

void VariacioParancsok::MegszakitatottStatus()
{
    if (MegszakitottVariacio(p_.Tar, p_.Bontas))
        v_.Import_log_true();
}

bool VariacioParancsok::Import(const QString& nev)
{
    ImportKornyezet k;
    k.Listak = &p_.Szamok;
    k.Jatek = &p_.Jatek;
    k.Foallapot = &p_.Fo;
    k.Tar = &p_.Tar;
    k.Bontas = &p_.Bontas;
    k.Allomany = &p_.VariacioAllomany;
    QPointer<kvx::TUzenetAblak> w = p_.VarakozoAblak.data();
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
        p_.SzamsorParancsai().MindenSzamTorlese();
        if (p_.Szamok.KijeloltSzamDb() > 0 || p_.Szamok.FixSzamDb() > 0)
            return false;
        valtozott = true;
        if (p_.Bontas.BontasBovites)
            v_.Import_log_false();
        v_.FeltetelekTorlese();
        if (TFeltetelek* f = ablakok_.Feltetelek)
            f->VariacioOpcioinakTorlese();
        // The selection is built ascending, as the lines' indexes expect.
        p_.SzamsorParancsai().SzamsorrendKijelzes(1);
        return true;
    };
    const ImportEredmeny r = ImportBeolvasas(nev.toStdString(), k);
    if (!r.Ok && !r.Uzenet.empty())
        HibaUzenet(QString::fromStdString(r.Uzenet));
    if (!valtozott)
        return false;
    p_.Fo.Mentve = false;
    p_.Szelveny().SzamokKijelzese();
    p_.SzamsorParancsai().KijelolesMenuFrissites();
    v_.Ertesites();
    v_.StatuszFrissites();
    ParancsAllapotFrissites();
    return r.Ok;
}

void VariacioParancsok::BontSzamsorTorles(int kivalasztottSor)
{
    THuzSzama* h = ablakok_.HuzSzama;
    const VariationStore& t = p_.Tar;
    const BontasEgyseg& u = p_.Bontas;
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
    const HuzSzamaState& r = p_.HuzSzama;
    const bool bovitmeny = h->MindHuzBox->isChecked() && h->MindHuzBox->isEnabled();
    v_.BontSzamsorTartomanyTorles(r.GetBontSzamsorElso(), r.GetBontSzamsorUtolso(), bovitmeny);
}

void VariacioParancsok::Beillesztes(bool menuPont)
{
    BontasEgyseg& u = p_.Bontas;
    const VariationStore& t = p_.Tar;
    u.OpcioModosulas = t.BontSzelvszam > 0;
    const bool ujranyit = menuPont && !u.BontasBovites;
    TFeltetelek* f = ablakok_.Feltetelek;
    const bool lathato = f && f->isVisible();
    if (lathato)
        f->close();
    if (u.BontasBovites)
        v_.Import_log_false();
    else if (t.BontMatrixMeret > 0)
        v_.Import_log_true();
    if (f && (ujranyit || lathato))
        f->FeltetelStart();
}

void VariacioParancsok::Torles() { v_.TorlesEng1(); }

void VariacioParancsok::PauseTorles()
{
    if (!JovahagyasKerese(QStringLiteral("Biztos törli a Pause státuszt?")))
        return;
    PauseStatusTorlese();
}

void VariacioParancsok::PauseStatusTorlese() { v_.SzerkesztettVariacioBeallitas(p_.Bontas.SzerkesztettVariacio); }

bool VariacioParancsok::BefejezetlenKerdes(const QString& kerdes)
{
    BontasEgyseg& u = p_.Bontas;
    BontasAllapotJelzok a;
    a.BontasPause = u.Vezerles.BontasPause.load();
    a.Leallitott = !u.Vezerles.FBontStatus.load();
    a.BontasBefejezetlen = u.Allapot.BontasBefejezetlen;
    VariacioAllapot v;
    v.BontMatrixMeret = p_.Tar.BontMatrixMeret;
    v.BontSzelvszam = p_.Tar.BontSzelvszam;
    v.BontStatus = !a.Leallitott;
    v.BontasPause = a.BontasPause;
    v.BontasBefejezetlen = a.BontasBefejezetlen;
    v.SzerkesztettVariacio = u.SzerkesztettVariacio;
    return BefejezetlenVariacioUzenet(u.BefejezetlenVariacio, a, QString::fromStdString(GetMNBString(v)), true,
                                      kerdes);
}

void VariacioParancsok::Ellenorzes()
{
    if (v_.Fut() || p_.Tar.BontSzelvszam < 1)
        return;
    if (!BefejezetlenKerdes(QStringLiteral("Mégis ellenőrzi a variációt?")))
        return;
    // Shift+Ctrl: the check starts on a random line of the selection.
    const bool veletlen = p_.Fo.BillentyuMod == 200;
    v_.EllenorzesStart();
    if (veletlen)
        if (TBontEllSzelveny* t = szelvenyek().BontEllSzelveny; t && t->isVisible()) {
            t->VeletlenSzamsor(true);
            t->Ellenorzes();
        }
}

void VariacioParancsok::Modositas()
{
    const BontasEgyseg& u = p_.Bontas;
    if (v_.Fut())
        return;
    // An extension or a paused run goes on from its lines: nothing to delete.
    if (!u.BontasBovites && !u.Vezerles.BontasPause.load() && p_.Tar.BontSzelvszam > 0)
        if (TFeltetelek* f = ablakok_.Feltetelek)
            f->VariacioBontasKerese();
    FeltetelekMegnyitasa();
}

void VariacioParancsok::BontasLeallitasa()
{
    if (TBontas* b = ablakok_.Bontas; b && b->Fut())
        b->BontasMegszakitasa();
}

void VariacioParancsok::Listazas()
{
    if (TBontLista* lista = ablakok_.BontLista)
        lista->BontListaStart();
}

void VariacioParancsok::Mentes()
{
    if (TBontas* b = ablakok_.Bontas; b && b->Fut())
        return;
    // Refused before the dialog: the user would choose a name for nothing.
    if (p_.Tar.BontMatrixMeret > 1000000) {
        InformacioUzenet(QStringLiteral(
            "Több mint 1 millió számsor mentését kezdeményezte.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé."));
        return;
    }
    const bool rendezett = BontListRendezett(p_.Tar);
    AllomanyParancsok& ap = p_.AllomanyParancsai();
    ap.DialogusAllapotFrissites();
    if (TAllomanyDialogusok* d = ap.Dialogusok())
        d->AllomanyDialogus(kvx::ModMentes, QStringLiteral("top"), false);
    SorrendVisszaallitasUtan(rendezett);
    v_.StatuszFrissites();
}

void VariacioParancsok::SorrendVisszaallitasUtan(bool rendezettVolt)
{
    if (!rendezettVolt || BontListRendezett(p_.Tar))
        return;
    v_.Ertesites();
    if (TBontLista* l = ablakok_.BontLista; l && l->isVisible()) {
        const int sor = l->GetKivRekord();
        l->TablaUjrakezdes();
        l->BontListaStart();
        l->AktSorKijelol(sor);
    }
}

void HuzListaVariacioBekotese(THuzLista& lista)
{
    Program& p = Program::aktualis();
    VariacioVezerlo& v = p.Variacio();
    // The lines are checked in their earlier order, the one the list and
    // the printouts number them by.
    QObject::connect(&lista, &THuzLista::variacioKeresKerve, &v,
                     [&vp = p.VariacioParancsai(), &v](const kvx::TTombByte1D& szamok,
                                                      const kvx::TTombByte1D& potSzamok, const QString& felirat) {
                         vp.EredetiSorrend();
                         v.EllenorzesStart(szamok, potSzamok, felirat);
                     });
    const auto variacioKesz = [l = &lista, &p, &v] { l->SetVariacioKesz(!v.Fut() && p.Tar.BontSzelvszam > 0); };
    QObject::connect(&v, &VariacioVezerlo::valtozott, &lista, variacioKesz);
    variacioKesz();
}

void VariacioAblakokBekotese(const VariacioAblakok& a)
{
    Program& p = Program::aktualis();
    VariacioParancsok& vp = p.VariacioParancsai();
    vp.Ablakok(a);
    // What follows a run: the steps the run window's button asked for.
    QObject::connect(&vp, &VariacioParancsok::futasUtan, &vp, &VariacioParancsok::LepesVegrehajtasa);
    // The conditions window's buttons start a run or delete the variation
    // as the commands do.
    if (a.Feltetelek) {
        QObject::connect(a.Feltetelek.data(), &TFeltetelek::variacioKeszitesKerve, &vp, &VariacioParancsok::Start);
        QObject::connect(a.Feltetelek.data(), &TFeltetelek::variacioTorlesKerve, &vp, &VariacioParancsok::Torles);
    }
    TBontLista* lista = a.BontLista;
    if (!lista)
        return;
    QObject::connect(lista, &TBontLista::tartomanyTorlesKerve, &vp, &VariacioParancsok::BontSzamsorTorles);
    QObject::connect(lista, &TBontLista::mentesKerve, &vp, &VariacioParancsok::Mentes);
    // A button of the list runs its command while the command is on.
    QObject::connect(lista, &TBontLista::parancsKerve, &vp, [](kvx::ParancsId nev) {
        const ParancsTar* t = ParancsTar::aktualis();
        if (QAction* c = t ? t->Keres(nev) : nullptr; c && c->isEnabled())
            c->trigger();
    });
    // A line of the list is searched among the draws while they can be listed.
    if (a.HuzLista)
        QObject::connect(lista, &TBontLista::huzasKeresKerve, a.HuzLista.data(), &THuzLista::BontSzamsorKeres);
    if (QAction* c = ParancsTar::aktualis() ? ParancsTar::aktualis()->Keres(ParancsId::Listzs3) : nullptr) {
        const auto listazhatok = [c, l = QPointer<TBontLista>(lista)] {
            if (l)
                l->SetHuzasokListazhatok(c->isEnabled());
        };
        QObject::connect(c, &QAction::changed, lista, listazhatok);
        listazhatok();
    }
    QObject::connect(lista, &TBontLista::listazasTipp, &vp, [](const QString& s) {
        if (QAction* c = kvx::Parancs(ParancsId::Listzs2)) {
            kvx::ParancsTipp(c, s);
        }
    });
    // The list's auxiliary ticket: rebuilt with every game, so looked up at
    // each signal.
    QObject::connect(lista, &TBontLista::segedszelvenyKijelzes, lista, [](const kvx::BLRiport& r, bool mutat) {
        TBontSzelveny* s = szelvenyek().BontSzelveny;
        if (!s)
            return;
        s->Kijelzes(r.Jelolesek, r.Felirat, r.Szoveg, r.Szoveg2);
        if (mutat) {
            s->show();
            s->raise();
        }
    });
    QObject::connect(lista, &TBontLista::segedszelvenyLathato, lista, [](bool lathato) {
        if (TBontSzelveny* s = szelvenyek().BontSzelveny)
            s->setVisible(lathato);
    });
}
