#include "draws/ui/adatbazis_parancsok.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QTimer>

#include "app/folders.h"
#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/shell_state.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/qt_nyelv.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "app/workers.h"
#include "common/date_helpers.h"
#include "common/random_source.h"
#include "draws/hit_search.h"
#include "draws/alternative_databases.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "draws/ui/velszam.h"

#include <filesystem>

using namespace kvx;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string s(const QString& t)
{
    return t.toStdString();
}

bool letezik(const std::string& utvonal)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(utvonal, ec);
}

std::size_t jatekIndex()
{
    return static_cast<std::size_t>(game().LottoIndex);
}

std::string beepitettUtvonal()
{
    return folders().DatKonyvtar + AdatbazisAllomany[jatekIndex()];
}

std::string alternativUtvonal()
{
    return folders().DatKonyvtar + AlternativAllomany[jatekIndex()];
}

const QString kHianyzik = QStringLiteral(" Hiányzik a húzások listája ");

// The commands of the alternative-database menu that this build runs.
// ("Mentés másként" has no tag of its own and is wired apart.)
constexpr kvx::ParancsId kAdatbazisParancsok[] = {ParancsId::Kavarexadatbzis1, ParancsId::Betlts1, ParancsId::jadatbzis1, ParancsId::Ments4,
                                               ParancsId::Fellrs1,          ParancsId::Bvts1,   ParancsId::Megnyits2};

}  // namespace

AdatbazisParancsok& Program::AdatbazisParancsai()
{
    if (!adatbazisParancsok_) {
        HuzasokV();
        adatbazisParancsok_ = Megtart(std::make_unique<AdatbazisParancsok>(*this));
    }
    return *adatbazisParancsok_;
}

AdatbazisParancsok::AdatbazisParancsok(Program& program, QObject* parent) : QObject(parent), p_(program)
{
    PrivatAllomanyValasztas = [this](bool mentes) { return PrivatDialogus(mentes); };
    VeletlenDarab = [this](int maximum) {
        TVelSzam* d = ablakok_.VelSzam;
        return d ? d->Start(maximum, game().TobbSorsolas) : 0;
    };
}

QString AdatbazisParancsok::PrivatDialogus(bool mentes)
{
    Folders& f = folders();
    const int jatek = game().LottoIndex;
    const int fajta = mentes ? kPrivateMentes : kPrivateMegnyitas;
    // The tip tells which folder the dialog opens in.
    auto& naplo = settings().UzenetekLog;
    const int tipp = mentes ? kMentesTippIndex : kMegnyitasTippIndex;
    if (naplo[static_cast<std::size_t>(tipp)] == 1)
        naplo[static_cast<std::size_t>(tipp)] =
            HasznosInformacio(QString::fromUtf8(mentes ? kMentesTipp : kMegnyitasTipp)) ? 1 : 0;

    QFileDialog d(uzenetekAllapot().Tulajdonos);
    d.setObjectName(mentes ? QStringLiteral("PrivatMentesDialogus") : QStringLiteral("PrivatMegnyitasDialogus"));
    kvx::MagyarFajlDialogus(d);
    d.setAcceptMode(mentes ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(mentes ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setSizeGripEnabled(true);
    d.setWindowTitle(QString::fromUtf8(mentes ? kPrivatMentesCim : kPrivatMegnyitasCim));
    // The filter's pairs of description and pattern: the dialog shows the
    // descriptions, which hold their patterns.
    QStringList szurok;
    const QStringList reszek = QString::fromUtf8(mentes ? kPrivatMentesSzuro : kPrivatMegnyitasSzuro).split('|');
    for (qsizetype k = 0; k < reszek.size(); k += 2)
        szurok << reszek[k];
    d.setNameFilters(szurok);
    d.selectNameFilter(szurok.first());
    d.setDefaultSuffix(QStringLiteral("pdb"));
    d.setDirectory(q(KezdoKonyvtar(f, fajta, jatek)));
    if (mentes && settings().AutomatikusNev)
        d.selectFile(q(PrivatMentesAutomatikusNev(draws().HuzasokSzama)));
    const bool ok = d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty();
    const QString nev = ok ? d.selectedFiles().first() : QString();
    // A cancel sends the next dialog back to the game's folder.
    UtolsoKonyvtarFrissites(f, fajta, jatek, ok, s(nev));
    return nev;
}

void AdatbazisParancsok::ParancsokBekotese()
{
    // A new registry is a new main window: its commands start without an
    // alternative file seen and without a download offer.
    alternativVan_ = false;
    letoltesAjanlhato_ = false;
    letoltesAjanlatVar_ = false;
    ParancsTar& t = *ParancsTar::aktualis();
    for (ParancsId nev : kAdatbazisParancsok) {
        const int tag = t[nev]->data().toInt();
        t.Kezelo(nev, this, [this, tag] {
            switch (tag) {
            case kVeletlenBovites: Bvts1Click(); break;
            case kPrivatMegnyitas: Megnyits2Click(); break;
            case kKavarexAdatbazis:
            case kAlternativBetoltes: Betlts1Click(tag); break;
            default: Hzsoklistjbl1Click(tag); break;
            }
        });
    }
    t.Kezelo(ParancsId::Mentsmsknt2, this, [this] { Mentsmsknt2Click(); });
    t.Kezelo(ParancsId::Ments1, this, [this] { p_.HuzasokV().AdatbazisMentese(); });
    t.Kezelo(ParancsId::Listzs3, this, [this] { Listzs3Click(); });
    t.Kezelo(ParancsId::Keress1, this, [this] { Keress1Click(); });
    t.Kezelo(ParancsId::Hzsokszma2, this, [this] { Hzsokszma2Click(); });
    KavarexGombBekotese(t);
    // An edit or a save changes whether the list can be saved elsewhere. The
    // connections go with the registry, as the handlers do.
    HuzasokVezerlo& h = p_.HuzasokV();
    connect(&h, &HuzasokVezerlo::valtozott, &t, [this] { AlternativAdatbazisAction(alternativVan_); });
    connect(&h, &HuzasokVezerlo::mentve, &t, [this] { AlternativAdatbazisAction(alternativVan_); });
    AdatbazisJelenlet();
}

void AdatbazisParancsok::KavarexGombBekotese(ParancsTar& t)
{
    QAction* kavarex = t.Keres(ParancsId::Kavarexadatbzis1);
    QAction* gomb = t.Keres(ParancsId::KavarexadatbzisGomb);
    if (!kavarex || !gomb)
        return;
    connect(gomb, &QAction::triggered, kavarex, &QAction::trigger);
    const auto kovetes = [kavarex, gomb] {
        gomb->setEnabled(kavarex->isEnabled());
        gomb->setVisible(kavarex->isEnabled());
        gomb->setToolTip(kavarex->toolTip());
        gomb->setStatusTip(kavarex->statusTip());
    };
    connect(kavarex, &QAction::changed, gomb, kovetes);
    kovetes();
}

void AdatbazisParancsok::Hiba(const QString& szoveg)
{
    kvx::ProgramHibaUzenet(szoveg);
}

bool AdatbazisParancsok::kerdes(const QString& szoveg) const
{
    return kvx::ProgramKerdes(szoveg);
}

// ---- Loading ----

void AdatbazisParancsok::HuzasokBetoltese()
{
    const std::string& utvonal = folders().AktualisAdatbazis[jatekIndex()];
    const BetoltesEredmeny r =
        p_.HuzasokV().HuzasokBetoltese(utvonal, [this](const std::string& k) { return kerdes(q(k)); });
    utolsoBetoltes_ = r.Allapot;
    switch (r.Allapot) {
    case BetoltesAllapot::Sikeres:
        break;
    case BetoltesAllapot::Ervenytelen:
        ErvenytelenAllomanyUzenet(q(utvonal), q(r.Uzenet), false);
        break;
    case BetoltesAllapot::TulSokHuzas:
    case BetoltesAllapot::OlvasasiHiba:
        Hiba(q(r.Uzenet));
        break;
    case BetoltesAllapot::NincsAllomany:  // a fresh install has no database yet
    case BetoltesAllapot::Elutasitva:
        break;
    }
    AdatbazisJelenlet(true);
}

// ---- The database menu's windows ----

void AdatbazisParancsok::Listzs3Click()
{
    // The draws list opens on a loaded database only.
    if (THuzLista* l = ablakok_.HuzLista; l && draws().AdatbazisBetoltve)
        l->Start();
}

void AdatbazisParancsok::Keress1Click()
{
    // The draw search opens with an empty ticket; with Shift+Ctrl held, with
    // a random line of a drawing's shape marked on it. The keys count also
    // when they are held over the search ticket, whose Törlés runs this.
    if (!draws().AdatbazisBetoltve)
        return;
    TTombByte1D szamok;
    int mod = mainState().BillentyuMod;
    if (mod == 0) {
        const Qt::KeyboardModifiers m = QGuiApplication::keyboardModifiers();
        mod = BillentyuModSzamitas(m & Qt::ShiftModifier, m & Qt::ControlModifier, m & Qt::AltModifier,
                                   game().PotSzamok);
    }
    if (mod == 200)
        szamok = HuzKeresVeletlenSzamsor(game(), randomSource());
    p_.HuzasokV().KeresesInditas(szamok);
}

void AdatbazisParancsok::Hzsokszma2Click()
{
    // The range dialog in the draws list's mode; the windows that show
    // counts over the range hear of a new one from the draws controller.
    THuzSzama* d = ablakok_.HuzSzama;
    if (!d || !draws().AdatbazisBetoltve)
        return;
    HuzSzamaKornyezet k = THuzSzama::Kornyezet();
    k.ListaFelirat = adatbazisFajta().AdatbazisFelirat;
    d->Start(3, k);
}

// ---- Command states ----

void AdatbazisParancsok::AllapotAllitas(kvx::ParancsId nev, bool on, const QString& tipp)
{
    QAction* a = kvx::Parancs(nev);
    if (!a)
        return;
    // A command whose feature is not built stays off with its hint.
    const FomenuPont* p = FomenuPontKeres(nev);
    if (p && !p->Kesz)
        return;
    kvx::ParancsBeallitas(a, on, tipp);
}

void AdatbazisParancsok::NincsAdatbazisAction(bool betolto)
{
    draws().AdatbazisBetoltve = false;
    for (kvx::ParancsId nev : {ParancsId::Listzs3, ParancsId::Keress1, ParancsId::Hzsokszma2,
                               ParancsId::Kavarexadatbzis1, ParancsId::Ments4, ParancsId::Mentsmsknt2,
                               ParancsId::Fellrs1, ParancsId::Bvts1})
        AllapotAllitas(nev, false, kHianyzik);
    if (QAction* v = kvx::Parancs(ParancsId::Vletlenszmsorok1))
        v->setEnabled(false);
    // Without a database the user can still make one of their own: the
    // alternative-database menu stays open.
    AllapotAllitas(ParancsId::Alternatvadatbzis1, true,
                            QStringLiteral(" Alternatív, felhasználói adatbázisok létrehozása, betöltése "));
    AllapotAllitas(ParancsId::jadatbzis1, true, QStringLiteral(" Alternatív adatbázis létrehozása "));
    AllapotAllitas(ParancsId::Megnyits2, true, QStringLiteral(" Privát adatbázis megnyitása "));
    AlternativAdatbazisAction(letezik(alternativUtvonal()));
    emit adatbazisJelenlet(false);
    // The download is offered once the load that missed the database is
    // over (a game switch finishes first), and not at start-up.
    if (!betolto || !letoltesAjanlhato_ || letoltesAjanlatVar_ || !adatbazisFajta().AdatbazisTipus ||
        !qEnvironmentVariableIsEmpty("KAVAREX_NO_DOWNLOAD_OFFER"))
        return;
    letoltesAjanlatVar_ = true;
    const int jatek = game().LottoIndex;
    // The offer goes with the registry's window: a window made later does
    // not inherit it.
    QTimer::singleShot(0, ParancsTar::aktualis(), [this, jatek] {
        letoltesAjanlatVar_ = false;
        if (game().LottoIndex == jatek)
            AdatbazisLetoltesAjanlat();
    });
}

void AdatbazisParancsok::AdatbazisLetoltesAjanlat()
{
    if (draws().AdatbazisBetoltve || !adatbazisFajta().AdatbazisTipus)
        return;
    const QString nev = QString::fromUtf8(JatekNev[jatekIndex()]);
    if (kvx::HibaKerdes(QStringLiteral("Hiányzik: %1 húzásainak listája\r\n\r\nLetölti a húzások listáját?").arg(nev)))
        p_.InternetV().InternetMegszStart(kvx::InternetMuvelet::AktualisAdatbazis);
}

void AdatbazisParancsok::VanAdatbazisAction()
{
    // The hint is the draws list's caption: it names the database in use.
    AllapotAllitas(ParancsId::Listzs3, true, QStringLiteral(" %1 ").arg(q(adatbazisFajta().AdatbazisFelirat)));
    AllapotAllitas(ParancsId::Alternatvadatbzis1, true,
                            QStringLiteral(" Alternatív, felhasználói adatbázisok létrehozása, betöltése "));
    AllapotAllitas(ParancsId::Keress1, true, q(KeresesTipp(adatbazisFajta())));
    AllapotAllitas(ParancsId::Hzsokszma2, true, QStringLiteral(" Húzások számának (keresési tartomány) beállítása "));
    AllapotAllitas(ParancsId::jadatbzis1, true, QStringLiteral(" Alternatív adatbázis létrehozása "));
    AllapotAllitas(ParancsId::Megnyits2, true, QStringLiteral(" Privát adatbázis megnyitása "));
    AllapotAllitas(ParancsId::Mentsmsknt2, true, QStringLiteral(" Privát adatbázis mentése "));
    AllapotAllitas(ParancsId::Fellrs1, true, QStringLiteral(" Adatbázis felülírása véletlen számsorokkal "));
    AlternativAdatbazisAction(letezik(alternativUtvonal()));
    emit adatbazisJelenlet(true);
}

void AdatbazisParancsok::AlternativAdatbazisAction(bool van)
{
    alternativVan_ = van;
    const AdatbazisFajta& a = adatbazisFajta();
    const bool betoltve = draws().AdatbazisBetoltve;
    const bool beepitettVagyPrivat = a.AdatbazisTipus || a.PrivatAdatbazis;
    const bool betoltes = van && beepitettVagyPrivat;
    AllapotAllitas(ParancsId::Betlts1, betoltes,
                            van ? QStringLiteral(" Alternatív adatbázis betöltése ") : QStringLiteral(" Nincs alternatív adatbázis "));
    MentesAllapotok();
    // The built-in database can be gone back to from any other, also from
    // a private one while the alternative file exists.
    const bool kavarex = betoltve && !a.AdatbazisTipus;
    AllapotAllitas(ParancsId::Kavarexadatbzis1, kavarex,
                            kavarex     ? QStringLiteral(" Kavarex adatbázis visszatöltése ")
                            : betoltve ? QStringLiteral(" Kavarex adatbázis betöltve ")
                                       : kHianyzik);
    if (QAction* v = kvx::Parancs(ParancsId::Vletlenszmsorok1))
        v->setEnabled(betoltve && !a.AdatbazisTipus);
    const bool vanHuzas = betoltve && draws().HuzasokSzama > 0;
    // Overwriting replaces the draws there are; without any it would ask and
    // then do nothing. Extending is what fills an empty database.
    AllapotAllitas(ParancsId::Fellrs1, vanHuzas,
                            vanHuzas ? QStringLiteral(" Adatbázis felülírása véletlen számsorokkal ") : kHianyzik);
    // Random draws extend the list up to the largest database there can be.
    const bool bovithato = betoltve && draws().HuzasokSzama < kMaxHuzasok;
    AllapotAllitas(ParancsId::Bvts1, bovithato,
                   bovithato  ? QStringLiteral(" Aktuális lista bővítése véletlen számsorokkal ")
                   : betoltve ? QStringLiteral(" Az adatbázis mérete elérte a maximumot - nem bővíthető ")
                              : kHianyzik);
}

void AdatbazisParancsok::MentesAllapotok()
{
    const AdatbazisFajta& a = adatbazisFajta();
    const bool betoltve = draws().AdatbazisBetoltve;
    const bool modositott = betoltve && huzLista().HuzasokModositva;
    // The list goes into the alternative file whenever that file could be
    // loaded instead of the list, and with unsaved edits from any database.
    const bool betoltheto = alternativVan_ && (a.AdatbazisTipus || a.PrivatAdatbazis);
    AllapotAllitas(ParancsId::Ments4, betoltve && (betoltheto || modositott),
                   betoltve ? QStringLiteral(" Alternatív adatbázis mentése ") : kHianyzik);
    // The table's own file takes only unsaved edits.
    AllapotAllitas(ParancsId::Ments1, modositott,
                   modositott ? QStringLiteral(" Módosított adatbázis mentése ")
                              : QStringLiteral(" Nincs mentésre váró adat "));
}

void AdatbazisParancsok::AdatbazisJelenlet(bool betolto)
{
    // Every game keeps its own backups.
    emit mentesekFrissitendok();
    if (draws().AdatbazisBetoltve)
        VanAdatbazisAction();
    else
        NincsAdatbazisAction(betolto);
}

// ---- Switching ----

bool AdatbazisParancsok::AlternativAdatbazisBetoltesEng()
{
    emit valtasElott();
    const HuzasFoglaltsag f = p_.HuzasokV().Foglaltsag();
    if (f.TalalatiAranyKijelolve) {
        if (f.HuzasSzamsorVariacio) {
            if (!JovahagyasKerdes(QStringLiteral("Adatbázis váltás - Húzások számsoraiból összeállított variáció\r\n\r\n"
                                                 "Biztos törli a Találati arány feltétel kijelölését és a variáció listáját?")))
                return false;
            emit huzasVariacioTorlese();
        } else if (!JovahagyasKerdes(QStringLiteral("Adatbázis váltás\r\n\r\nBiztos törli a Találati arány feltétel kijelölését?"))) {
            return false;
        }
        emit talalatiAranyTorlese();
    }
    // Unsaved edits are offered for saving once; what the user decides holds
    // for the switch.
    p_.HuzasokV().HuzTorlesEng();
    huzLista().HuzasokModositva = false;
    return true;
}

bool AdatbazisParancsok::AlternativAdatbazisFrissitesElott()
{
    if (adatbazisFajta().AdatbazisTipus)
        return true;
    const bool igen = JovahagyasKerdes(QStringLiteral(
        "Jelenleg egy alternatív, felhasználói adatbázis aktív.\r\n\r\nA Kavarex adatbázisának frissítéséhez, a "
        "program adatbázist vált.\r\n\r\nLetölti a Kavarex adatbázisát?"));
    if (igen)
        Betlts1Click(kKavarexAdatbazis);
    return igen;
}

void AdatbazisParancsok::Betlts1Click(int tag, const QString& fajl)
{
    // A switch to a built-in database that is not there is refused before the
    // guard asks about unsaved draws or the hit-ratio condition: nothing is
    // given up for a switch that cannot happen.
    if (tag == kKavarexAdatbazis && !letezik(beepitettUtvonal())) {
        Hiba(QStringLiteral(" %1 állomány nem található.").arg(q(beepitettUtvonal())));
        return;
    }
    if (!AlternativAdatbazisBetoltesEng())
        return;
    // The search marks belong to the draws being left.
    p_.HuzasokV().KeresesVege();
    AdatbazisValtas(tag, fajl);
}

bool AdatbazisParancsok::AdatbazisValtas(int tag, const QString& fajl)
{
    Folders& f = folders();
    std::string& aktualis = f.AktualisAdatbazis[jatekIndex()];
    // The built-in database can be reloaded only where it is; the user's own
    // databases do not need it.
    if (tag == kKavarexAdatbazis && !letezik(beepitettUtvonal())) {
        Hiba(QStringLiteral(" %1 állomány nem található.").arg(q(beepitettUtvonal())));
        return false;
    }
    if (THuzLista* l = ablakok_.HuzLista)
        l->close();
    AdatbazisFajta& fajta = adatbazisFajta();
    const std::string regiUtvonal = aktualis;
    const AdatbazisFajta regiFajta = fajta;
    switch (tag) {
    case kKavarexAdatbazis: aktualis = beepitettUtvonal(); break;
    case kVeletlenFeluliras:
    case kVeletlenBovites: break;
    case kPrivatMegnyitas:
        aktualis = s(fajl);
        fajta.PrivatAdatbazis = true;
        break;
    default:
        fajta.PrivatAdatbazis = false;
        aktualis = alternativUtvonal();
        break;
    }
    // A test of the variation against the draws tells about the draws being
    // left: its window and its report go with them.
    if (draws().AdatbazisBetoltve)
        emit huzasokElhagyasa();
    HuzasokVezerlo& h = p_.HuzasokV();
    h.SetAdatbazisTipusa(tag == kKavarexAdatbazis);
    HuzasokBetoltese();
    const BetoltesAllapot betoltes = utolsoBetoltes_;
    const bool ok = betoltes == BetoltesAllapot::Sikeres;
    if (!ok) {
        // The database that was loaded stays, with its kind and path.
        const std::string probalt = aktualis;
        aktualis = regiUtvonal;
        fajta = regiFajta;
        h.SetAdatbazisTipusa(regiFajta.AdatbazisTipus);
        if (betoltes == BetoltesAllapot::NincsAllomany)
            Hiba(QStringLiteral(" %1 állomány nem található.").arg(q(probalt)));
    }
    AdatbazisJelenlet();
    if (ok && draws().AdatbazisBetoltve && kvx::Parancs(ParancsId::Listzs3)->isEnabled())
        kvx::Parancs(ParancsId::Listzs3)->trigger();
    return ok;
}

// ---- The user's own databases ----

void AdatbazisParancsok::Hzsoklistjbl1Click(int tag, int darab)
{
    const AdatbazisFajta& fajta = adatbazisFajta();
    DrawsState& d = draws();
    const GameParams& g = game();
    HuzasokVezerlo& h = p_.HuzasokV();
    const std::string alt = alternativUtvonal();
    const bool altVan = letezik(alt);
    // Random draws go only into the user's own loaded database.
    if ((tag == kVeletlenFeluliras || tag == kVeletlenBovites) && (!d.AdatbazisBetoltve || fajta.AdatbazisTipus))
        return;
    if (tag == kVeletlenFeluliras && d.HuzasokSzama <= 0)
        return;
    if (tag == kAlternativMentes && !d.AdatbazisBetoltve)
        return;

    AdatbazisKerdesAdatok ka;
    ka.Tag = tag;
    ka.AlternativLetezik = altVan;
    ka.BeepitettVagyPrivat = fajta.AdatbazisTipus || fajta.PrivatAdatbazis;
    ka.AlternativUtvonal = s(QDir::toNativeSeparators(q(alt)));
    ka.AdatbazisFelirat = fajta.AdatbazisFelirat;
    ka.VeletlenSorok = std::int64_t{darab} * std::max<std::int32_t>(1, g.SorsolasokSzama);
    const AdatbazisKerdes k = AdatbazisKerdesSzoveg(ka);
    if (!k.Szoveg.empty() && !(k.Mindig ? JovahagyasKerdes(q(k.Szoveg)) : JovahagyasKerese(q(k.Szoveg))))
        return;
    auto& naplo = settings().UzenetekLog;
    if (naplo[15] == 1)
        naplo[15] = HasznosInformacio(QString::fromUtf8(kKlonozasTipp)) ? 1 : 0;

    if (tag == kAlternativMentes) {
        // A copy of the list goes into the alternative file; the loaded
        // database stays the one in use.
        if (!h.TablaIrasa(d, alt)) {
            kvx::HibaUzenet(QString::fromUtf8(kAllomanyLetrehozasHiba));
            return;
        }
        if (h.BetoltottAllomany() == alt)
            huzLista().HuzasokModositva = false;
        AlternativAdatbazisAction(true);
        return;
    }

    if (!AlternativAdatbazisBetoltesEng())
        return;
    p_.HuzasokV().KeresesVege();
    // The new content is built aside: a failed write leaves both the file and
    // the loaded list as they were.
    DrawsState uj;
    std::string cel = folders().AktualisAdatbazis[jatekIndex()];
    if (tag == kAlternativUj) {
        GameParams alap = g;
        SorsolasMeretVisszaallitas(alap);
        SetHuzasok(uj, 0, alap.HuzottSzamok + 3);
        cel = alt;
    } else {
        uj = d;
        const HianyzoReszek hianyzik = HianyzoReszekVizsgalata(uj, g);
        VeletlenGeneralas p;
        p.ElsoSor = 0;
        if (tag == kVeletlenBovites) {
            p.ElsoSor = uj.HuzasokSzama;
            const QDate ma = QDate::currentDate();
            if (!VeletlenHuzasokHozzaadasa(uj, g, darab, ma.year(), IsoHet(ma.year(), ma.month(), ma.day()))) {
                kvx::HibaUzenet(QString::fromUtf8(kTulSokHuzasUzenet));
                return;
            }
        }
        p.MasodikFeltoltes = !(g.TobbSorsolas && (tag == kVeletlenBovites || hianyzik.Szamsorok)) ||
                             JovahagyasKerdes(q(MasodikFeltoltesKerdes(tag)));
        p.PluszFeltoltes = !(g.VanPotSzam && (tag == kVeletlenBovites || hianyzik.PluszSzamok)) ||
                           JovahagyasKerdes(q(PluszFeltoltesKerdes(tag)));
        // The lines are drawn on the wait window's worker; Esc stops it and
        // then nothing is written.
        bool kesz = false;
        const auto generalas = [&](std::stop_token st, MunkaJelzok& h) {
            VeletlenGeneralas m = p;
            m.Leallitas = st;
            m.SorIndex = &h.Aktualis;
            h.Kezdet = m.ElsoSor;
            h.Aktualis = m.ElsoSor;
            h.Utolso = uj.HuzasokSzama - 1;
            RandomState& r = randomSource();
            kesz = VeletlenSzamsorGeneralasa(uj, g, m, [&r](std::int32_t n) { return LibraryRandom(r, n); });
        };
        TUzenetAblak* w = p_.VarakozoAblak;
        UzenetAblakAllapot& ua = uzenetAblakAllapot();
        if (w && szalak().Tetlen()) {
            ua.TobbSorsolas = g.TobbSorsolas;
            uzenetAblakFeladatBejegyzes(ua, kFeladatVeletlenSzamsorok, generalas);
            w->UzenetKi(QStringLiteral("Véletlen számsorok generálása"), 0, kFeladatVeletlenSzamsorok, true);
            uzenetAblakFeladatBejegyzes(ua, kFeladatVeletlenSzamsorok, nullptr);
        } else {
            MunkaJelzok h;
            generalas(std::stop_token(), h);
        }
        if (!kesz)
            return;
    }
    // Random draws may repeat one another: the statistic that finds
    // identical lines runs on them. Its tip promises that, so both wait for
    // the statistic to exist.
    const bool ellenorzes = (tag == kVeletlenFeluliras || tag == kVeletlenBovites) && uj.HuzasokSzama > 1 &&
                            TalalatiAranyStatisztikaKesz && TalalatiAranyStatisztikaKesz();
    if (ellenorzes && (tag == kVeletlenFeluliras || darab > 1) && naplo[26] == 1)
        naplo[26] = HasznosInformacio(QString::fromUtf8(kVeletlenAdatbazisTipp)) ? 1 : 0;
    if (!h.TablaIrasa(uj, cel)) {
        kvx::HibaUzenet(QString::fromUtf8(kAllomanyLetrehozasHiba));
        return;
    }
    if (tag == kAlternativUj)
        AlternativAdatbazisAction(true);
    if (!AdatbazisValtas(tag == kAlternativUj ? kAlternativBetoltes : tag))
        return;
    if (ellenorzes && !adatbazisFajta().AdatbazisTipus && draws().HuzasokSzama > 1 &&
        kvx::Parancs(ParancsId::Listzs3)->isEnabled())
        emit talalatiAranyStatisztikaKerve();
}

void AdatbazisParancsok::Bvts1Click()
{
    const DrawsState& d = draws();
    if (!d.AdatbazisBetoltve || adatbazisFajta().AdatbazisTipus)
        return;
    const int max = VeletlenHuzasokMaximum(d.HuzasokSzama, game().SorsolasokSzama);
    if (max < 1) {
        kvx::HibaUzenet(QString::fromUtf8(kTulSokHuzasUzenet));
        return;
    }
    const int darab = VeletlenDarab ? VeletlenDarab(max) : 0;
    if (darab > 0)
        Hzsoklistjbl1Click(kVeletlenBovites, std::min(darab, max));
}

void AdatbazisParancsok::Megnyits2Click()
{
    mainState().BillentyuMod = 0;
    const QString nev = PrivatAllomanyValasztas ? PrivatAllomanyValasztas(false) : QString();
    if (nev.isEmpty())
        return;
    const QString veg = nev.right(3).toLower();
    if (veg == QStringLiteral("csv") || veg == QStringLiteral("txt")) {
        HuzasokImportja(nev);
        return;
    }
    Betlts1Click(kPrivatMegnyitas, nev);
}

void AdatbazisParancsok::HuzasokImportja(const QString& nev)
{
    // The whole file is read and checked first: a bad line costs nothing,
    // not even a question about the file it would have replaced.
    const QDate ma = QDate::currentDate();
    const HuzasImportEredmeny be = HuzasokImportBeolvasasa(s(nev), game(), ma.year(), ma.month(), ma.day());
    if (!be.Siker) {
        kvx::HibaUzenet(q(be.Uzenet));
        return;
    }
    const std::string cel = ImportCelUtvonal(folders().PrivateKonyvtar, JatekMappa[jatekIndex()], s(nev));
    if (letezik(cel) && !FigyelmeztetoKerdes(QStringLiteral("Az állomány már létezik:\r\n%1\r\n\r\nBiztos cseréli az állományt?")
                                                 .arg(QDir::toNativeSeparators(q(cel)))))
        return;
    // The private database is written whole or not at all.
    const HuzasImportEredmeny e = HuzasokImportIrasa(be, cel);
    if (!e.Siker) {
        kvx::HibaUzenet(q(e.Uzenet));
        return;
    }
    Betlts1Click(kPrivatMegnyitas, q(cel));
}

void AdatbazisParancsok::Mentsmsknt2Click()
{
    if (!draws().AdatbazisBetoltve)
        return;
    const QString valasztott = PrivatAllomanyValasztas ? PrivatAllomanyValasztas(true) : QString();
    if (valasztott.isEmpty())
        return;
    // Only a private database's name is written: a user's file of another
    // kind chosen in the dialog stays as it is.
    const QString nev = q(PrivatMentesCel(s(valasztott)));
    if (nev.isEmpty()) {
        InformacioUzenet(q(PrivatMentesNemPdbUzenet(s(QDir::toNativeSeparators(valasztott)))));
        return;
    }
    if (!p_.HuzasokV().TablaIrasa(draws(), s(nev))) {
        kvx::HibaUzenet(QString::fromUtf8(kAllomanyLetrehozasHiba));
        return;
    }
    // The list now lives in the private file: later saves go there.
    huzLista().HuzasokModositva = false;
    AdatbazisValtas(kPrivatMegnyitas, nev);
}

// ---- The draws windows ----

void HuzasokAblakokBekotese(const HuzasokAblakok& a)
{
    Program::aktualis().AdatbazisParancsai().Ablakok(a);
    THuzLista* lista = a.HuzLista;
    if (!lista)
        return;
    QObject::connect(lista, &THuzLista::tartomanyBeallitas, lista,
                     [tartomany = a.HuzSzama](const kvx::HuzSzamaKornyezet& k) {
                         if (tartomany)
                             tartomany->Start(3, k);
                     });
    if (a.HuzBe)
        QObject::connect(lista, &THuzLista::bevitelTipp, a.HuzBe.data(), &QWidget::setToolTip);
    // A button of the list runs its command while the command is on.
    QObject::connect(lista, &THuzLista::parancsKerve, lista, [](kvx::ParancsId nev) {
        ParancsTar* t = ParancsTar::aktualis();
        if (QAction* p = t ? t->Keres(nev) : nullptr; p && p->isEnabled())
            p->trigger();
    });
    // The list has just set its unsaved-edits flag: both save commands follow it.
    QObject::connect(lista, &THuzLista::mentesAllapot, lista,
                     [] { Program::aktualis().AdatbazisParancsai().MentesAllapotok(); });
}
