// The main window's database commands: the states of the commands that need
// a draws database, switching between the built-in, the alternative and
// private databases, and creating, saving and filling the user's own
// databases with random draws.
#include "app/ui/parancs_tar.h"
#include "shell/foablak.h"
#include "app/ui/program.h"
#include "variation/ui/back_vezerlo.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

#include "app/folders.h"
#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/settings.h"
#include "shell/formok.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "app/workers.h"
#include "common/date_helpers.h"
#include "common/random_source.h"
#include "conditions/ui/feltetelek.h"
#include "draws/alternative_databases.h"
#include "draws/database_file.h"
#include "draws/draws_table.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "draws/ui/velszam.h"
#include "statistics/stat_table.h"
#include "statistics/ui/statisztika.h"
#include "tickets/number_statistics.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"

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

// The database statistic "Találati arányok" (menu tag).
constexpr std::int32_t kTalalatiAranyokStat = 4;

// The commands of the alternative-database menu that this build runs.
// ("Mentés másként" has no tag of its own and is wired apart.)
constexpr const char* kAdatbazisParancsok[] = {"Kavarexadatbzis1", "Betlts1", "jadatbzis1", "Ments4",
                                               "Fellrs1",          "Bvts1",   "Megnyits2"};

}  // namespace

// ---- Command states ----

void TFoablak::AdatbazisAllapotAllitas(const char* nev, bool on, const QString& tipp)
{
    QAction* a = kvx::Parancs(nev);
    if (!a)
        return;
    // A command whose feature is not built stays off with its hint.
    const FomenuPont* p = FomenuPontKeres(nev);
    if (p && !p->Kesz)
        return;
    a->setEnabled(on);
    a->setToolTip(tipp);
    a->setStatusTip(tipp);
}

void TFoablak::NincsAdatbazisAction(bool betolto)
{
    draws().AdatbazisBetoltve = false;
    for (const char* nev : {"Listzs3", "Keress1", "Hzsokszma2", "Listanyomtatsa1", "Hzsokalapjn1", "Kavarexadatbzis1",
                            "Hnyszorhztk1", "Hnyhzsta1", "Ments4", "Mentsmsknt2", "Fellrs1", "Bvts1"})
        AdatbazisAllapotAllitas(nev, false, kHianyzik);
    if (QAction* v = kvx::Parancs("Vletlenszmsorok1"))
        v->setEnabled(false);
    // Without a database the user can still make one of their own: the
    // alternative-database menu stays open.
    AdatbazisAllapotAllitas("Alternatvadatbzis1", true,
                            QStringLiteral(" Alternatív, felhasználói adatbázisok létrehozása, betöltése "));
    AdatbazisAllapotAllitas("jadatbzis1", true, QStringLiteral(" Alternatív adatbázis létrehozása "));
    AdatbazisAllapotAllitas("Megnyits2", true, QStringLiteral(" Privát adatbázis megnyitása "));
    AlternativAdatbazisAction(letezik(alternativUtvonal()));
    if (TFeltetelek* f = formok().Feltetelek)
        f->TalalatiAranyElerheto(false);
    // The download is offered once the load that missed the database is
    // over (a game switch finishes first), and not at start-up.
    if (!betolto || !letoltesAjanlhato_ || letoltesAjanlatVar_ || !adatbazisFajta().AdatbazisTipus ||
        !qEnvironmentVariableIsEmpty("KAVAREX_NO_DOWNLOAD_OFFER"))
        return;
    letoltesAjanlatVar_ = true;
    const int jatek = game().LottoIndex;
    QTimer::singleShot(0, this, [this, jatek] {
        letoltesAjanlatVar_ = false;
        if (game().LottoIndex == jatek)
            AdatbazisLetoltesAjanlat();
    });
}

void TFoablak::AdatbazisLetoltesAjanlat()
{
    if (draws().AdatbazisBetoltve || !adatbazisFajta().AdatbazisTipus)
        return;
    const QString nev = QString::fromUtf8(JatekNev[jatekIndex()]);
    if (kvx::HibaKerdes(QStringLiteral("Hiányzik: %1 húzásainak listája\r\n\r\nLetölti a húzások listáját?").arg(nev)))
        Program::aktualis().InternetV().InternetMegszStart(7);
}

void TFoablak::VanAdatbazisAction()
{
    const bool beepitett = adatbazisFajta().AdatbazisTipus;
    // The hint is the draws list's caption: it names the database in use.
    AdatbazisAllapotAllitas("Listzs3", true, QStringLiteral(" %1 ").arg(q(adatbazisFajta().AdatbazisFelirat)));
    AdatbazisAllapotAllitas("Alternatvadatbzis1", true,
                            QStringLiteral(" Alternatív, felhasználói adatbázisok létrehozása, betöltése "));
    AdatbazisAllapotAllitas("Keress1", true,
                            beepitett ? QStringLiteral(" Számsor keresése a húzások listájában ")
                                      : QStringLiteral(" Számsor keresése az alternatív, felhasználói adatbázis listájában "));
    AdatbazisAllapotAllitas("Hzsokszma2", true, QStringLiteral(" Húzások számának (keresési tartomány) beállítása "));
    AdatbazisAllapotAllitas("Listanyomtatsa1", true, QStringLiteral(" Nyomtatás "));
    AdatbazisAllapotAllitas("Hnyszorhztk1", true, QStringLiteral(" Hányszor húzták a számokat "));
    AdatbazisAllapotAllitas("Hnyhzsta1", true, QStringLiteral(" Hány húzás óta nem sorsolták a számokat "));
    AdatbazisAllapotAllitas("Hzsokalapjn1", true,
                            QStringLiteral(" Példabontás (variáció) készítése a kijelölt húzás számsora alapján "));
    AdatbazisAllapotAllitas("jadatbzis1", true, QStringLiteral(" Alternatív adatbázis létrehozása "));
    AdatbazisAllapotAllitas("Megnyits2", true, QStringLiteral(" Privát adatbázis megnyitása "));
    AdatbazisAllapotAllitas("Mentsmsknt2", true, QStringLiteral(" Privát adatbázis mentése "));
    AdatbazisAllapotAllitas("Fellrs1", true, QStringLiteral(" Adatbázis felülírása véletlen számsorokkal "));
    AdatbazisAllapotAllitas("Bvts1", true, QStringLiteral(" Aktuális lista bővítése véletlen számsorokkal "));
    AlternativAdatbazisAction(letezik(alternativUtvonal()));
    if (TFeltetelek* f = formok().Feltetelek)
        f->TalalatiAranyElerheto(true);
}

void TFoablak::AlternativAdatbazisAction(bool van)
{
    alternativVan_ = van;
    const AdatbazisFajta& a = adatbazisFajta();
    const bool betoltve = draws().AdatbazisBetoltve;
    const bool beepitettVagyPrivat = a.AdatbazisTipus || a.PrivatAdatbazis;
    const bool betoltes = van && beepitettVagyPrivat;
    AdatbazisAllapotAllitas("Betlts1", betoltes,
                            van ? QStringLiteral(" Alternatív adatbázis betöltése ") : QStringLiteral(" Nincs alternatív adatbázis "));
    // Saving into the alternative database takes the list as it is saved.
    AdatbazisAllapotAllitas("Ments4", betoltve && !huzLista().HuzasokModositva,
                            betoltve ? QStringLiteral(" Alternatív adatbázis mentése ") : kHianyzik);
    // The table's own file takes only unsaved edits.
    const bool modositott = betoltve && huzLista().HuzasokModositva;
    AdatbazisAllapotAllitas("Ments1", modositott,
                            modositott ? QStringLiteral(" Módosított adatbázis mentése ")
                                       : QStringLiteral(" Nincs mentésre váró adat "));
    // The built-in database can be gone back to from any other, also from
    // a private one while the alternative file exists.
    const bool kavarex = betoltve && !a.AdatbazisTipus;
    AdatbazisAllapotAllitas("Kavarexadatbzis1", kavarex,
                            kavarex     ? QStringLiteral(" Kavarex adatbázis visszatöltése ")
                            : betoltve ? QStringLiteral(" Kavarex adatbázis betöltve ")
                                       : kHianyzik);
    if (QAction* v = kvx::Parancs("Vletlenszmsorok1"))
        v->setEnabled(betoltve && !a.AdatbazisTipus);
    // A database without draws has no list to print: the printout would be
    // a header of page 1 of 0.
    const bool vanHuzas = betoltve && draws().HuzasokSzama > 0;
    AdatbazisAllapotAllitas("Listanyomtatsa1", vanHuzas, vanHuzas ? QStringLiteral(" Nyomtatás ") : kHianyzik);
    AdatbazisAllapotAllitas("Nyomtats3", vanHuzas,
                            vanHuzas ? QStringLiteral(" Húzások listájának nyomtatása állományba ") : kHianyzik);
    // Overwriting replaces the draws there are; without any it would ask and
    // then do nothing. Extending is what fills an empty database.
    AdatbazisAllapotAllitas("Fellrs1", vanHuzas,
                            vanHuzas ? QStringLiteral(" Adatbázis felülírása véletlen számsorokkal ") : kHianyzik);
}

void TFoablak::AdatbazisJelenlet(bool betolto)
{
    // Every game keeps its own backups.
    Program::aktualis().Back().VanElmentettUtolsoBontas();
    if (draws().AdatbazisBetoltve)
        VanAdatbazisAction();
    else
        NincsAdatbazisAction(betolto);
}

void TFoablak::AdatbazisParancsokBekotese()
{
    if (!PrivatAllomanyValasztas)
        PrivatAllomanyValasztas = [this](bool mentes) {
            Folders& f = folders();
            const int fajta = mentes ? kPrivateMentes : kPrivateMegnyitas;
            QString konyvtar = q(f.UtolsoKonyvtarak[static_cast<std::size_t>(fajta)][jatekIndex()]);
            if (konyvtar.isEmpty())
                konyvtar = q(f.PrivateKonyvtar + JatekMappa[jatekIndex()] + "/");
            const QString szuro = QStringLiteral("Privát adatbázis (*.pdb)");
            // Opening also takes a draws file of the user's to import.
            const QString megnyitasSzuro =
                szuro + QStringLiteral(";;Import adatbázis csv (*.csv);;Import adatbázis txt (*.txt)");
            QString nev = mentes ? QFileDialog::getSaveFileName(this, QStringLiteral("Mentés másként"), konyvtar, szuro)
                                 : QFileDialog::getOpenFileName(this, QStringLiteral("Megnyitás"), konyvtar,
                                                                megnyitasSzuro);
            if (nev.isEmpty())
                return nev;
            if (mentes && QFileInfo(nev).suffix().isEmpty())
                nev += QStringLiteral(".pdb");
            f.UtolsoKonyvtarak[static_cast<std::size_t>(fajta)][jatekIndex()] =
                s(QFileInfo(nev).absolutePath() + QStringLiteral("/"));
            return nev;
        };
    if (!VeletlenDarab)
        VeletlenDarab = [](int maximum) {
            TVelSzam* d = formok().VelSzam;
            return d ? d->Start(maximum, game().TobbSorsolas) : 0;
        };
    for (const char* nev : kAdatbazisParancsok) {
        QAction* a = kvx::Parancs(nev);
        const int tag = a->data().toInt();
        connect(a, &QAction::triggered, this, [this, tag] {
            switch (tag) {
            case kVeletlenBovites: Bvts1Click(); break;
            case kPrivatMegnyitas: Megnyits2Click(); break;
            case kKavarexAdatbazis:
            case kAlternativBetoltes: Betlts1Click(tag); break;
            default: Hzsoklistjbl1Click(tag); break;
            }
        });
    }
    connect(kvx::Parancs("Mentsmsknt2"), &QAction::triggered, this, [this] { Mentsmsknt2Click(); });
    connect(kvx::Parancs("Ments1"), &QAction::triggered, this,
            [] { Program::aktualis().HuzasokV().AdatbazisMentese(); });
    // A new draw range: the main ticket's statistic view counts over it.
    auto statisztikaNezetFrissites = [] {
        TFoszelveny* fo = szelvenyek().Foszelveny;
        if (!fo)
            return;
        const int nezet = szamStatisztika().NezetMod;
        if (nezet == NezetHanyszorHuztak)
            fo->HanyszorHuztakNezet();
        else if (nezet == NezetHanyHuzasOta)
            fo->HanyHuzasOtaNezet();
    };
    connect(&Program::aktualis().HuzasokV(), &HuzasokVezerlo::tartomanyokValtoztak, this,
            [statisztikaNezetFrissites](int mod) {
                if (mod >= 1 && mod <= 3)
                    statisztikaNezetFrissites();
            });
    // So does a draw added, deleted or restored, or another table loaded: the
    // view must not go on counting the draws that were there before.
    connect(&Program::aktualis().HuzasokV(), &HuzasokVezerlo::valtozott, this, [statisztikaNezetFrissites] {
        if (draws().AdatbazisBetoltve && !Program::aktualis().HuzasokV().BevitelFolyamatban())
            statisztikaNezetFrissites();
    });
    HuzasokVezerlo& h = Program::aktualis().HuzasokV();
    // An edit or a save changes whether the list can be saved elsewhere.
    connect(&h, &HuzasokVezerlo::valtozott, this, [this] { AlternativAdatbazisAction(alternativVan_); });
    connect(&h, &HuzasokVezerlo::mentve, this, [this] { AlternativAdatbazisAction(alternativVan_); });
    AdatbazisJelenlet();
}

// ---- Switching ----

bool TFoablak::AlternativAdatbazisBetoltesEng()
{
    if (formok().Statisztika && formok().Statisztika->isVisible())
        formok().Statisztika->close();
    FeltetelRekordok& f = feltetelRekordok();
    if (f.FeltetelJelzo && f.TalArAktiv) {
        if (f.HuzasSzamsorVariacio) {
            if (!JovahagyasKerdes(QStringLiteral("Adatbázis váltás - Húzások számsoraiból összeállított variáció\r\n\r\n"
                                                 "Biztos törli a Találati arány feltétel kijelölését és a variáció listáját?")))
                return false;
            Program::aktualis().Variacio().BontasTorlese(false);
        } else if (!JovahagyasKerdes(QStringLiteral("Adatbázis váltás\r\n\r\nBiztos törli a Találati arány feltétel kijelölését?"))) {
            return false;
        }
        f.TalalatiAranyFeltetel.Allapot = 0;
        f.TalArAktiv = false;
        if (formok().Feltetelek)
            formok().Feltetelek->BeolvFeltKijelolese();
    }
    // Unsaved edits are offered for saving once; what the user decides holds
    // for the switch.
    Program::aktualis().HuzasokV().HuzTorlesEng();
    huzLista().HuzasokModositva = false;
    return true;
}

bool TFoablak::AlternativAdatbazisFrissitesElott()
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

void TFoablak::Betlts1Click(int tag, const QString& fajl)
{
    // A switch to a built-in database that is not there is refused before the
    // guard asks about unsaved draws or the hit-ratio condition: nothing is
    // given up for a switch that cannot happen.
    if (tag == kKavarexAdatbazis && !letezik(beepitettUtvonal())) {
        HibaUzenet(QStringLiteral(" %1 állomány nem található.").arg(q(beepitettUtvonal())));
        return;
    }
    if (!AlternativAdatbazisBetoltesEng())
        return;
    AdatbazisValtas(tag, fajl);
}

bool TFoablak::AdatbazisValtas(int tag, const QString& fajl)
{
    Folders& f = folders();
    std::string& aktualis = f.AktualisAdatbazis[jatekIndex()];
    // The built-in database can be reloaded only where it is; the user's own
    // databases do not need it.
    if (tag == kKavarexAdatbazis && !letezik(beepitettUtvonal())) {
        HibaUzenet(QStringLiteral(" %1 állomány nem található.").arg(q(beepitettUtvonal())));
        return false;
    }
    if (formok().HuzLista)
        formok().HuzLista->close();
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
    TesztVezerlo& teszt = Program::aktualis().Teszt();
    if (teszt.Beallitas.HuzasokTeszt && draws().AdatbazisBetoltve) {
        if (formok().BontTeszt && formok().BontTeszt->isVisible())
            formok().BontTeszt->close();
        teszt.PeldabontasLogTorles();
    }
    HuzasokVezerlo& h = Program::aktualis().HuzasokV();
    h.SetAdatbazisTipusa(tag == kKavarexAdatbazis);
    HuzasokBetoltese();
    const bool ok = UtolsoBetoltes == BetoltesAllapot::Sikeres;
    if (!ok) {
        // The database that was loaded stays, with its kind and path.
        const std::string probalt = aktualis;
        aktualis = regiUtvonal;
        fajta = regiFajta;
        h.SetAdatbazisTipusa(regiFajta.AdatbazisTipus);
        if (UtolsoBetoltes == BetoltesAllapot::NincsAllomany)
            HibaUzenet(QStringLiteral(" %1 állomány nem található.").arg(q(probalt)));
    }
    AdatbazisJelenlet();
    if (ok && draws().AdatbazisBetoltve && kvx::Parancs("Listzs3")->isEnabled())
        kvx::Parancs("Listzs3")->trigger();
    return ok;
}

// ---- The user's own databases ----

void TFoablak::Hzsoklistjbl1Click(int tag, int darab)
{
    const AdatbazisFajta& fajta = adatbazisFajta();
    DrawsState& d = draws();
    const GameParams& g = game();
    HuzasokVezerlo& h = Program::aktualis().HuzasokV();
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
        TUzenetAblak* w = formok().UzenetAblak;
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
    const StatLeiras* talalatiAranyok = StatLeirasTag(kTalalatiAranyokStat);
    const bool ellenorzes = (tag == kVeletlenFeluliras || tag == kVeletlenBovites) && uj.HuzasokSzama > 1 &&
                            talalatiAranyok && talalatiAranyok->Kesz;
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
        kvx::Parancs("Listzs3")->isEnabled() && formok().Statisztika)
        formok().Statisztika->StatisztikaKeszites(kTalalatiAranyokStat);
}

void TFoablak::Bvts1Click()
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

void TFoablak::Megnyits2Click()
{
    SetBillentyuMod(0);
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

void TFoablak::HuzasokImportja(const QString& nev)
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

void TFoablak::Mentsmsknt2Click()
{
    if (!draws().AdatbazisBetoltve)
        return;
    const QString nev = PrivatAllomanyValasztas ? PrivatAllomanyValasztas(true) : QString();
    if (nev.isEmpty())
        return;
    if (!Program::aktualis().HuzasokV().TablaIrasa(draws(), s(nev))) {
        kvx::HibaUzenet(QString::fromUtf8(kAllomanyLetrehozasHiba));
        return;
    }
    // The list now lives in the private file: later saves go there.
    huzLista().HuzasokModositva = false;
    AdatbazisValtas(kPrivatMegnyitas, nev);
}

