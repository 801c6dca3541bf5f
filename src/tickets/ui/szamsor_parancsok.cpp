#include "tickets/ui/szamsor_parancsok.h"

#include <QAction>
#include <QActionGroup>
#include <QString>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/settings_dialog.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "app/ui/variacio_statusz.h"
#include "common/random_source.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/velszam.h"
#include "tickets/number_lists.h"
#include "tickets/number_statistics.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "tickets/ui/szelvenyek.h"

using namespace kvx;

namespace {

QString utf8(const std::string& s)
{
    return QString::fromStdString(s);
}

// The program's random source as the number lists take it.
int veletlen(int lo, int hi)
{
    return lo + LibraryRandom(randomSource(), hi - lo + 1);
}

// A new draw range or other draws: the main ticket's statistic view counts
// over them.
void statisztikaNezetFrissites()
{
    TFoszelveny* fo = szelvenyek().Foszelveny;
    if (!fo)
        return;
    const int nezet = szamStatisztika().NezetMod;
    if (nezet == NezetHanyszorHuztak)
        fo->HanyszorHuztakNezet();
    else if (nezet == NezetHanyHuzasOta)
        fo->HanyHuzasOtaNezet();
}

}  // namespace

std::ostream& operator<<(std::ostream& os, SzamTorlesMod m)
{
    switch (m) {
    case SzamTorlesMod::Torles: return os << "Torles";
    case SzamTorlesMod::UresSzelveny: return os << "UresSzelveny";
    }
    return os << "SzamTorlesMod(" << static_cast<int>(m) << ")";
}

SzamsorParancsok& Program::SzamsorParancsai()
{
    if (!szamsorParancsok_) {
        Szelveny();
        HuzasokV();
        szamsorParancsok_ = Megtart(std::make_unique<SzamsorParancsok>(*this));
    }
    return *szamsorParancsok_;
}

SzamsorParancsok::SzamsorParancsok(Program& program, QObject* parent) : QObject(parent), p_(program)
{
    // The main ticket's statistic view counts over the draws-list range: a
    // new range, a draw added, deleted or restored, or another table loaded
    // is shown at once, before the windows that list the draws hear of it
    // (made with the controllers, this object is their first listener).
    HuzasokVezerlo& h = p_.HuzasokV();
    connect(&h, &HuzasokVezerlo::tartomanyokValtoztak, this, [](int mod) {
        if (mod >= 1 && mod <= 3)
            statisztikaNezetFrissites();
    });
    // The view must not go on counting the draws that were there before.
    connect(&h, &HuzasokVezerlo::valtozott, this, [this] {
        if (draws().AdatbazisBetoltve && !p_.HuzasokV().BevitelFolyamatban())
            statisztikaNezetFrissites();
    });
}

void SzamsorParancsok::Ablakok(TVelSzam* velSzam)
{
    velSzam_ = velSzam;
}

void SzamsorAblakokBekotese(TVelSzam& velSzam)
{
    Program::aktualis().SzamsorParancsai().Ablakok(&velSzam);
}

bool SzamsorParancsok::kerdes(const QString& q) const
{
    return ProgramKerdes(q);
}

void SzamsorParancsok::szamokValtozasa() const
{
    p_.Szelveny().SzamokKijelzese();
}

void SzamsorParancsok::ParancsokBekotese(const QObject* kontextus)
{
    ParancsTar& t = *ParancsTar::aktualis();
    // The saves, the conditions and Start follow every change of the line;
    // connected with the first commands, so before any window hears of it.
    connect(&p_.Szelveny(), &SzelvenyVezerlo::szamokValtoztak, kontextus, [this](bool tulteli) { FeltMenuAll(tulteli); });
    t.Kezelo(ParancsId::Kijellmind1, kontextus, [this] { Kijellmind1Click(); });
    t.Kezelo(ParancsId::Vletlenszmok1, kontextus, [this] { Vletlenszmok1Click(); });
    t.Kezelo(ParancsId::Mind1, kontextus, [this] { Mind1Click(); });
    for (kvx::ParancsId nev : {ParancsId::Bontsszmai1, ParancsId::Fixszmok1, ParancsId::llandszmok1, ParancsId::Vletlenszmok2}) {
        const int kind = t[nev]->data().toInt();
        t.Kezelo(nev, kontextus, [this, kind] { SzamTorles(kind); });
    }
    // A new registry is a new main window: its line is not over-full yet.
    tulteli_ = false;
    for (const FomenuPont& p : FomenuPontok()) {
        if (p.Fajta != PontFajta::Valaszto)
            continue;
        const int mode = p.Tag;
        t.Kezelo(p.Id, kontextus, [this, mode] { SetSzamsorrend(mode); });
    }
    // The main ticket's display modes form one radio group.
    auto* nezetek = new QActionGroup(&t);
    nezetek->setExclusive(true);
    for (kvx::ParancsId nev : {ParancsId::Normlalak1, ParancsId::Hnyszorhztk1, ParancsId::Hnyhzsta1, ParancsId::Szmoksorrenje1}) {
        QAction* a = t[nev];
        a->setCheckable(true);
        nezetek->addAction(a);
        const int mod = a->data().toInt();
        t.Kezelo(nev, kontextus, [mod] {
            TFoszelveny* fo = szelvenyek().Foszelveny;
            if (!fo)
                return;
            switch (mod) {
            case 1: fo->HanyszorHuztakNezet(); break;
            case 2: fo->HanyHuzasOtaNezet(); break;
            case 3: fo->SzamsorrendNezet(); break;
            default: fo->NormalNezet(); break;
            }
        });
    }
    t[ParancsId::Normlalak1]->setChecked(true);
    // The draw views follow the draws database.
    connect(&p_.AdatbazisParancsai(), &AdatbazisParancsok::adatbazisJelenlet, kontextus,
            [this](bool van) { HuzasNezetekAllapot(van); });
}

void SzamsorParancsok::HuzasNezetekAllapot(bool adatbazis)
{
    const QString hianyzik = QStringLiteral(" Hiányzik a húzások listája ");
    const std::pair<kvx::ParancsId, const char*> nezetek[] = {
        {ParancsId::Hnyszorhztk1, " Hányszor húzták a számokat "},
        {ParancsId::Hnyhzsta1, " Hány húzás óta nem sorsolták a számokat "},
    };
    for (const auto& [nev, tipp] : nezetek) {
        QAction* a = kvx::Parancs(nev);
        kvx::ParancsBeallitas(a, adatbazis, adatbazis ? QString::fromUtf8(tipp) : hianyzik);
        if (!adatbazis && a->isChecked())
            kvx::Parancs(ParancsId::Normlalak1)->trigger();
    }
}

void SzamsorParancsok::NezetAlaphelyzet()
{
    kvx::Parancs(ParancsId::Normlalak1)->setChecked(true);
}

bool SzamsorParancsok::TorlesJovahagyas(int kind)
{
    const SzamListak& l = szamListak();
    TorlesHelyzet h;
    // While an internet action holds the connection window the answer is
    // yes at once: no question, backup or save offer stands in its way.
    h.LetoltesFolyamatban = p_.InternetV().Fut();
    if (h.LetoltesFolyamatban)
        return true;
    // Unsaved edits of the draws table are offered for saving first: what
    // the question precedes may replace the table (a game switch, a restart).
    p_.HuzasokV().HuzTorlesEng();
    h.BackFigyelmeztetes = BackFigyelmeztetesSzoveg(settings().BiztonsagiMentes);
    h.Mentve = mainState().Mentve;
    h.VanSzam = l.KijeloltSzamDb() + l.FixSzamDb() > 0;
    const TorlesTartalom t = H.Tartalom ? H.Tartalom() : TorlesTartalom{};
    h.VanVariacio = t.VanVariacio;
    h.BontasBovites = p_.Szelveny().Bovites().BontasBovites;
    h.FeltetelJelzo = t.FeltetelJelzo;
    const std::optional<std::string> k = TorlesKerdes(kind, h);
    const bool igen = !k || kerdes(utf8(*k));
    // What is about to go is kept in the Back folder first; when it cannot
    // be kept, it goes only if the user says so.
    if (igen && !h.Mentve)
        return H.BackMentese ? H.BackMentese() : true;
    return igen;
}

bool SzamsorParancsok::SzamTorlesJovahagyas(int kind)
{
    if (H.VariacioFut && H.VariacioFut())
        return false;
    // In extension mode the lines stay for the numbers to come back to.
    if (p_.Szelveny().Bovites().BontasBovites)
        return H.BovitesTorlesEng && H.BovitesTorlesEng();
    if (!TorlesJovahagyas(kind))
        return false;
    // The question named the lines and the conditions: the lines would stand
    // for other numbers, the conditions were set for the old selection.
    emit szamokTorlesJovahagyva(SzamTorlesMod::Torles);
    return true;
}

void SzamsorParancsok::SzamTorles(int kind)
{
    if (!SzamTorlesJovahagyas(kind))
        return;
    SzamListak& l = szamListak();
    SzelvenyVezerlo& sz = p_.Szelveny();
    const BovitesAllapot b = sz.Bovites();
    TobbJelolesEredmeny r;
    switch (kind) {
    case 1: r = FixSzamokTorlese(l, game(), mainState(), b); break;
    case 2: r = AllandoSzamokTorlese(l, game(), mainState(), b); break;
    case 3: r = VeletlenSzamokTorlese(l, game(), mainState(), b); break;
    default: r = KijeloltSzamokTorlese(l, game(), mainState(), b); break;
    }
    KijelolesMenuFrissites();
    szamokValtozasa();
    sz.JelolesekUtan(r);
}

void SzamsorParancsok::Mind1Click()
{
    mindenSzamTorlese(true);
}

void SzamsorParancsok::MindenSzamTorlese()
{
    mindenSzamTorlese(false);
}

void SzamsorParancsok::mindenSzamTorlese(bool menuPont)
{
    SzelvenyVezerlo& sz = p_.Szelveny();
    if (menuPont || !sz.Bovites().BontasBovites) {
        // The user's own clear keeps an extension: its lines wait for the
        // numbers to come back.
        if (!SzamTorlesJovahagyas(0))
            return;
    } else {
        // A command that starts from an empty ticket (a sample, a file being
        // opened) ends the extension: its lines go with the numbers.
        if ((H.VariacioFut && H.VariacioFut()) || !TorlesJovahagyas(0))
            return;
        emit szamokTorlesJovahagyva(SzamTorlesMod::UresSzelveny);
    }
    sz.JelolesekUtan(kvx::MindenSzamTorlese(szamListak(), game(), mainState(), sz.Bovites()));
    KijelolesMenuFrissites();
    szamokValtozasa();
}

void SzamsorParancsok::Kijellmind1Click()
{
    SzelvenyVezerlo& sz = p_.Szelveny();
    if (!sz.ValtozasEngedelyezett())
        return;
    const TobbJelolesEredmeny r = KijelolesMind(szamListak(), game(), mainState(), sz.Bovites());
    KijelolesMenuFrissites();
    szamokValtozasa();
    sz.JelolesekUtan(r);
}

void SzamsorParancsok::Vletlenszmok1Click()
{
    const SzamListak& l = szamListak();
    const GameParams& g = game();
    const BovitesAllapot bov = p_.Szelveny().Bovites();
    const int maximum = VeletlenSzamokMaximum(l, g, bov);
    if (maximum < 1)
        return;
    int darab = 1;
    // With one number left there is nothing to ask.
    if (g.OsszesSzam - l.KijeloltSzamDb() - l.FixSzamDb() >= 2) {
        TVelSzam* d = velSzam_;
        darab = d ? d->SzamokStart(maximum) : 0;
        if (darab < 1)
            return;
    }
    if (!p_.Szelveny().ValtozasEngedelyezett())
        return;
    VeletlenSzamokKijelolese(szamListak(), g, mainState(), std::min(darab, maximum), veletlen, bov);
    KijelolesMenuFrissites();
    szamokValtozasa();
}

void SzamsorParancsok::KijelolesMenuFrissites()
{
    const KijelolesMenu m = KijelolesMenuAllapot(szamListak(), game(), p_.Szelveny().Bovites());
    QAction* a = kvx::Parancs(ParancsId::Kijellmind1);
    kvx::ParancsBeallitas(a, m.Engedelyezett, utf8(m.KijelolesTipp));
    // Random numbers can be added while numbers are free; in extension mode
    // only up to the extended selection.
    const BovitesAllapot bov = p_.Szelveny().Bovites();
    const KijelolesMenu vm = KijelolesMenuAllapot(szamListak(), game(), bov);
    QAction* v = kvx::Parancs(ParancsId::Vletlenszmok1);
    kvx::ParancsBeallitas(v, vm.Engedelyezett, utf8(vm.VeletlenTipp));
    // The clearing commands need numbers of their kind on the ticket.
    const TorlesMenu t = TorlesMenuAllapot(szamListak());
    const std::pair<kvx::ParancsId, const TorlesMenuPont*> torlesek[] = {
        {ParancsId::rls3, &t.Torles},      {ParancsId::Mind1, &t.Mind},           {ParancsId::Bontsszmai1, &t.Kijelolt},
        {ParancsId::Fixszmok1, &t.Fix},    {ParancsId::llandszmok1, &t.Allando}, {ParancsId::Vletlenszmok2, &t.Veletlen},
    };
    for (const auto& [nev, p] : torlesek) {
        QAction* b = kvx::Parancs(nev);
        kvx::ParancsBeallitas(b, p->Engedelyezett, utf8(p->Tipp));
    }
    // "Minden szám" is also the delete tool button, whose hint is the shorter one.
    kvx::Parancs(ParancsId::Mind1)->setToolTip(utf8(t.Torles.Tipp));
}

void SzamsorParancsok::SetSzamsorrend(int mode)
{
    if (mode < 0 || mode > 3)
        return;
    if (mode == settings().SzamsorrendMod) {
        SzamsorrendKijelzes(mode);
        return;
    }
    // A new order renumbers the selection the lines point into.
    SzelvenyVezerlo& sz = p_.Szelveny();
    if (!sz.ValtozasEngedelyezett()) {
        SzamsorrendKijelzes(settings().SzamsorrendMod);
        return;
    }
    SzamsorrendKijelzes(mode);
    Szamsorrend(szamListak(), game(), mainState(), mode, veletlen);
    szamokValtozasa();
    // An extension keeps its lines over the new order: they are listed
    // with the numbers they now stand for.
    const BovitesAllapot u = sz.Bovites();
    if (u.BontasBovites && szamListak().KijeloltSzamDb() == u.BovitesKijeloltSzamDb &&
        szamListak().FixSzamDb() == u.BovitesFixSzamDb)
        sz.BovitesVisszaallt();
}

void SzamsorParancsok::SzamsorrendKijelzes(int mode)
{
    settings().SzamsorrendMod = mode;
    for (const FomenuPont& p : FomenuPontok())
        if (p.Fajta == PontFajta::Valaszto)
            if (QAction* a = ParancsTar::aktualis()->Keres(p.Id))
                a->setChecked(a->data().toInt() == mode);
}

void SzamsorParancsok::FeltMenuAll(bool on)
{
    tulteli_ = on;
    // The conditions make sense only for an over-full line; while a
    // variation is extended, only for the numbers it was made of.
    if (const BovitesAllapot u = p_.Szelveny().Bovites(); u.BontasBovites)
        on = szamListak().KijeloltSzamDb() == u.BovitesKijeloltSzamDb && szamListak().FixSzamDb() == u.BovitesFixSzamDb;
    // The conditions command is the conditions' own: it follows this.
    emit feltetelekElerhetok(on);
    KijelolesMenuFrissites();
    // Start follows the line too.
    emit feltetelMenuKesz();
}
