#include "app/ui/internet_vezerlo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <exception>
#include <future>
#include <memory>

#include "app/ui/kavarex_application.h"
#include "app/ui/megszakitas.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "app/connection_probe.h"
#include "app/game_table.h"
#include "app/operator_download.h"
#include "app/version.h"
#include "app/workers.h"
#include "common/binary_io.h"
#include "common/text_codec.h"
#include "platform/zip_unpack.h"

using namespace kvx;

namespace {

const char* const kLehetsegesOkok =
    "\r\n\r\nLehetséges okok:\r\n  - megszakította, nem engedélyezte a letöltést\r\n  - tűzfal tiltja a program "
    "csatlakozását\r\n  - nem elérhető a tárhely\r\n  - már/még nem létezik a keresett állomány";
const char* const kFrissitesStatusz = "Internetes hivatkozások, online fogadások eléréseinek frissítése";

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

OnlineAllapot& online() { return Program::aktualis().Online; }

// The actions whose work runs on the worker behind the connection window.
bool ablakos(InternetMuvelet m)
{
    switch (m) {
    case InternetMuvelet::UjVerzio:
    case InternetMuvelet::AktualisAdatbazis:
    case InternetMuvelet::MindenAdatbazis:
    case InternetMuvelet::NaprakeszAdatbazis:
    case InternetMuvelet::EleresekFrissitese:
        return true;
    default:
        return false;
    }
}

// Runs fn on a helper thread while the GUI thread keeps serving, and gives
// its result. Only the connection window takes input meanwhile (the other
// windows are switched off), so its Escape and close box reach the
// controller, and the main window's close box stops the action.
template <class F>
auto hatterben(F fn)
{
    auto f = std::async(std::launch::async, std::move(fn));
    while (f.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return f.get();
}

// Runs fn on the GUI thread for the worker; a worker of a program that is
// closing waits for nothing more. What fn throws is thrown again here, on
// the worker, whose own handlers deal with it: the GUI thread's event loop
// is no place for it.
void guiSzalon(const std::function<void()>& fn)
{
    std::exception_ptr hiba;
    GuiSzalonFuttatas(
        [&] {
            try {
                fn();
            } catch (...) {
                hiba = std::current_exception();
            }
        },
        false);
    if (hiba)
        std::rethrow_exception(hiba);
}

const char* const kGyartoNemElerheto = "Nem érhető el a program honlapja:\r\n";

}  // namespace

InternetVezerlo::InternetVezerlo(QObject* parent) : QObject(parent)
{
    UrlMegnyitas = [](const QUrl& u) { return QDesktopServices::openUrl(u); };
}

// ---- The table ----

bool InternetVezerlo::OnlineEleresBetoltes(const QString& path)
{
    OnlineAllapot& o = online();
    TOnlineEleresek t = o.OnlineEleresek;
    const OnlineBetoltes e = kvx::OnlineEleresBetoltes(s(path), VerzioSzam(), t);
    bool ok = e == OnlineBetoltes::Rendben;
    if (e == OnlineBetoltes::Megnyitas)
        kvx::HibaUzenet(QStringLiteral("Hiba történt: %1 megnyitása.").arg(path));
    if (e == OnlineBetoltes::UjabbVerzio) {
        // Reported, and the menus follow what the record holds.
        o.OnlineEleresek = t;
        UjabbVerzioAllomanyUzenet(q(t.OnlineVerzioSzoveg()));
    }
    if (ok)
        o.OnlineEleresek = t;
    if (!ok)
        kvx::HibaUzenet(QString::fromUtf8(kErvenytelenOnlineOdb));
    emit onlineValtozott();
    return ok;
}

bool InternetVezerlo::OnlineEleresMentes(const QString& path)
{
    if (kvx::OnlineEleresMentes(s(path), online().OnlineEleresek))
        return true;
    AllomanyHibaUzenet(2, 1);
    return false;
}

OnlineMenuAllapot InternetVezerlo::MenuAllapot() const
{
    const int g = Program::aktualis().Jatek.LottoIndex;
    return OnlineFogadasBeallitasok(online().OnlineEleresek, g, JatekNev[static_cast<std::size_t>(g)], VanVariacio());
}

bool InternetVezerlo::VanVariacio() const
{
    return H.VariacioSorok && H.VariacioSorok() > 0;
}

bool InternetVezerlo::VanKijeloles() const
{
    return H.VanKijeloles && H.VanKijeloles();
}

// ---- The web routines ----

QUrl InternetVezerlo::GyartoCim(const QString& ut) const
{
    QString host = q(Program::aktualis().Gyarto.Honlap);
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return QUrl(host + ut);
}

bool InternetVezerlo::InternetElerheto(const QUrl& cim) const
{
    const ProbaCel p = CimProbaja(s(cim.toString()), Program::aktualis().Gyarto);
    // Nothing to probe: fetching or opening it refuses the address itself.
    if (p.Cim.empty())
        return true;
    if (Proba)
        return Proba(QUrl(q(p.Cim))) && !Leallitva();
    return platform::InternetElerheto(QUrl(q(p.Cim)), ProbaMs, &leallitas_);
}

void InternetVezerlo::NincsKapcsolatUzenet(const QUrl& cim) const
{
    if (Leallitva())
        return;
    if (CimProbaja(s(cim.toString()), Program::aktualis().Gyarto).Gyarto)
        kvx::HibaUzenet(QString::fromUtf8(kGyartoNemElerheto) + q(Program::aktualis().Gyarto.Honlap));
    else
        NincsInternetUzenet();
}

bool InternetVezerlo::ProbaAblakkal(const QUrl& cim)
{
    if (CimProbaja(s(cim.toString()), Program::aktualis().Gyarto).Cim.empty())
        return true;
    const bool futott = fut_;
    leallitas_.store(false);
    fut_ = true;
    emit futasValtozott(true);
    emit ablakNyitas();
    const bool ok = hatterben([this, cim] { return InternetElerheto(cim); });
    emit ablakZaras();
    fut_ = futott;
    emit futasValtozott(futott);
    return ok;
}

void InternetVezerlo::Leallitas() { leallitas_.store(true); }

void InternetVezerlo::statuszKi(const QString& szoveg)
{
    guiSzalon([this, &szoveg] { emit statusz(szoveg); });
}

bool InternetVezerlo::VersionDownloadURL_NOCache(const QUrl& cim)
{
    OnlineAllapot& o = online();
    o.UjEleresElerheto = false;
    // The serial is a few digits: a few KiB is more than enough.
    platform::WebKorlatok k = Korlatok;
    k.MaxMeret = 4096;
    const platform::WebValasz v = platform::SzovegLetoltes(cim, k, "online.txt", &leallitas_);
    if (!v.ok())
        return false;
    const auto sorszam = SorszamSzoveg(BlokkSzoveg(v.Torzs));
    if (!sorszam)
        return false;
    o.UjEleresElerheto = *sorszam > o.OnlineEleresek.Sorszam;
    return true;
}

bool InternetVezerlo::GetInetFile(const QUrl& cim, const QString& cel, bool nincsInternetUzenet,
                                  const QString& statuszSzoveg)
{
    if (!InternetElerheto(cim)) {
        if (nincsInternetUzenet)
            NincsKapcsolatUzenet(cim);
        return false;
    }
    if (!statuszSzoveg.isEmpty())
        statuszKi(statuszSzoveg);
    const platform::WebValasz v = platform::AllomanyLetoltes(
        cim, cel, Korlatok, {}, &leallitas_, s(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    if (v.ok())
        return true;
    // Stopped by the user: the target stays as it was, nothing to say.
    if (Leallitva())
        return false;
    if (nincsInternetUzenet && !InternetElerheto(cim))
        NincsKapcsolatUzenet(cim);
    else
        kvx::HibaUzenet(QString::fromUtf8("Sikertelen az állomány letöltése. ") + QString::fromUtf8(kLehetsegesOkok));
    return false;
}

bool InternetVezerlo::Kicsomagolas(const QString& archive, const QString& konyvtar,
                                   const std::vector<std::string>& nevek, std::vector<std::string>* kibontott)
{
    platform::ZipKorlatok k;
    k.Nevek = nevek;
    // A long list of allowed names (numbered files) still means a few members.
    k.MaxTagok = std::min(static_cast<int>(nevek.size()), 16);
    k.MaxKibontott = 16ULL * 1024 * 1024;
    const platform::ZipEredmeny e = platform::Kicsomagolas(s(archive), s(konyvtar), k);
    QFile::remove(archive);
    if (kibontott)
        *kibontott = e.Kibontott;
    return e.ok();
}

bool InternetVezerlo::VerzioOlvasas()
{
    OnlineAllapot& o = online();
    o.UjEleresElerheto = false;
    o.UjVerzioSzam.clear();
    o.UjVerzioSzoveg.clear();
    platform::WebKorlatok k = Korlatok;
    k.MaxMeret = 4096;
    const platform::WebValasz v = platform::SzovegLetoltes(GyartoCim(QStringLiteral("/hu/download/kvxversion.txt")),
                                                           k, "kvxversion.txt", &leallitas_);
    if (!v.ok())
        return false;
    const std::string szam = BlokkSzoveg(v.Torzs);
    const auto szoveg = VerzioSzovegbol(szam);
    if (!szoveg)
        return false;
    o.UjVerzioSzam = szam;
    o.UjVerzioSzoveg = *szoveg;
    return true;
}

// ---- The actions ----

bool InternetVezerlo::MuveletKesz(InternetMuvelet m)
{
    switch (m) {
    case InternetMuvelet::TarsasagHonlap:
    case InternetMuvelet::Level:
    case InternetMuvelet::KavarexHonlap:
    case InternetMuvelet::Kalkulator:
    case InternetMuvelet::Szimulator:
    case InternetMuvelet::VariaciokLetoltese:
    case InternetMuvelet::UjVerzio:
    case InternetMuvelet::AktualisAdatbazis:
    case InternetMuvelet::MindenAdatbazis:
    case InternetMuvelet::NaprakeszAdatbazis:
    case InternetMuvelet::KeziAdatbevitel:
    case InternetMuvelet::VariacioFeltoltes:
    case InternetMuvelet::EleresekFrissitese:
    case InternetMuvelet::RekordNyeremenyek:
        return true;
    }
    return false;
}

bool InternetVezerlo::cimMegnyitas(const std::string& cim, bool level)
{
    // Addresses come from the downloaded table: only the web (and mail for
    // the mail link) is opened, never a program or a local file.
    if (!CimEngedett(cim, level)) {
        kvx::HibaUzenet(QStringLiteral("Érvénytelen internetes cím: %1").arg(q(cim)));
        return false;
    }
    bool ok = false;
    guiSzalon([&] { ok = UrlMegnyitas(QUrl(q(cim), QUrl::TolerantMode)); });
    return ok;
}

void InternetVezerlo::munkaFuttatasa(const std::function<void()>& munka)
{
    // The worker's last act; its release, read with acquire here, orders
    // everything the worker did before what the GUI thread does after.
    auto vege = std::make_shared<std::atomic<bool>>(false);
    const auto szal = szalak().Indit([this, munka, vege](std::stop_token st) {
        // A program that closes stops the download as the user would.
        std::stop_callback leall(st, [this] { Leallitas(); });
        try {
            guiSzalon([] { AlkalmazasVisszaallitas(); });
            munka();
        } catch (...) {
            kvx::HibaUzenet(QString::fromUtf8("Ismeretlen hiba történt az internetelérés során."));
        }
        guiSzalon([] { AlkalmazasVisszaallitas(); });
        vege->store(true, std::memory_order_release);
    });
    if (!szal)
        return;
    QEventLoop hurok;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, &hurok, [&] {
        if (vege->load(std::memory_order_acquire))
            hurok.quit();
    });
    figyelo.start(10);
    if (!vege->load(std::memory_order_acquire))
        hurok.exec();
}

void InternetVezerlo::AlkalmazasVisszaallitas()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isMinimized())
            w->showNormal();
}

void InternetVezerlo::InternetMegszStart(InternetMuvelet muvelet)
{
    if (fut_ || !MuveletKesz(muvelet))
        return;
    Program& p = Program::aktualis();
    OnlineAllapot& o = p.Online;
    const int g = p.Jatek.LottoIndex;
    const TOnlineEleresek& t = o.OnlineEleresek;
    // The host the action will use answers first; the connection window
    // shows meanwhile, and its Escape or close box gives the action up.
    const QUrl cel(q(MuveletCime(static_cast<int>(muvelet), t, g, QDate::currentDate().year(), p.Gyarto)), QUrl::TolerantMode);
    if (!ProbaAblakkal(cel)) {
        NincsKapcsolatUzenet(cel);
        return;
    }
    if (muvelet == InternetMuvelet::Level && !JovahagyasKerdes(q(emailMegerosites(p.Gyarto))))
        return;
    o.InternetMuvelet = muvelet;
    o.InternetAblakKell = ablakos(muvelet);
    if (o.InternetAblakKell && !o.VerzioKeresesVege.load()) {
        InformacioUzenet(QString::fromUtf8("Kavarex Personal új verzió keresése folyamatban.\r\n\r\nPróbálja meg "
                                           "újra, néhány másodperc múlva."));
        return;
    }

    const auto u8 = [](const RovidSzoveg& r) { return cp1250ToUtf8(r); };
    const std::string host = s(GyartoCim(QString()).toString());
    switch (muvelet) {
    case InternetMuvelet::TarsasagHonlap: cimMegnyitas(u8(t.TarsasagHonlap[g]), false); return;
    case InternetMuvelet::Level:
        cimMegnyitas("mailto:" + p.Gyarto.Email + "?subject=" + UrlKodolas("Fejlesztés támogatása, észrevételek"),
                     true);
        return;
    case InternetMuvelet::KavarexHonlap: cimMegnyitas(host + "/", false); return;
    case InternetMuvelet::Kalkulator:
        cimMegnyitas(KalkulatorCim(host + "/hu/calc/calc.php?l=", t.KalkulatorKod[g], p.Jatek.KenoJatek,
                                   p.Jatek.SzamsorHossz),
                     false);
        return;
    case InternetMuvelet::Szimulator: cimMegnyitas(host + "/hu/sim/kvxsim.php", false); return;
    case InternetMuvelet::VariaciokLetoltese: cimMegnyitas(host + "/hu/vari/lotto_variation.php", false); return;
    case InternetMuvelet::KeziAdatbevitel: cimMegnyitas(u8(t.KeziFogadas[g]), false); return;
    case InternetMuvelet::VariacioFeltoltes: {
        // The variation goes to the operator's page as a file it reads; a
        // variation longer than one upload carries is split by hand.
        const std::int64_t sorok = H.VariacioSorok ? H.VariacioSorok() : 0;
        if (sorok <= 0 || !H.VariacioFeltoltes)
            return;
        const std::int64_t maximum = t.FeltoltesMaximum[static_cast<std::size_t>(g)];
        if (maximum < sorok) {
            FigyelmeztetoUzenet(q(FeltoltesFelosztasSzoveg(maximum, sorok)));
            return;
        }
        const std::string allomany = p.Konyvtarak.ListKonyvtar + "variation.csv";
        std::string hiba;
        if (!H.VariacioFeltoltes(allomany, hiba)) {
            HibaUzenet(q(hiba));
            return;
        }
        InformacioUzenet(q("Online fogadás állománya sikeresen létrehozva.\r\n\r\n" +
                           FeltoltesMegjegyzes(t.FeltoltesElfogadott[static_cast<std::size_t>(g)] != 0,
                                               JatekNev[static_cast<std::size_t>(g)]) +
                           "A program továbbítja a variáció állományának útvonalát:\r\n" + allomany));
        cimMegnyitas(FeltoltesCim(t, g, sorok, allomany), false);
        return;
    }
    case InternetMuvelet::RekordNyeremenyek: cimMegnyitas(u8(t.RekordNyeremenyek), false); return;
    default: break;
    }

    // The database updates ask before anything is fetched.
    if (muvelet == InternetMuvelet::NaprakeszAdatbazis && H.FrissitesElott && !H.FrissitesElott())
        return;
    // A "Nem" to the update question downloads nothing, but a due version
    // check or refresh of the table still runs.
    bool frissites = true;
    const bool kavarexAdatbazis =
        muvelet == InternetMuvelet::AktualisAdatbazis || muvelet == InternetMuvelet::MindenAdatbazis;
    if (kavarexAdatbazis) {
        if (H.FrissitesElott && !H.FrissitesElott())
            return;
        const QString kor =
            AdatbazisKora > 0 ? QString::number(AdatbazisKora) + QString::fromUtf8(" napja nem frissült - ") +
                                    q(JatekNev[static_cast<std::size_t>(g)]) +
                                    QString::fromUtf8(" húzásainak listája.") + QStringLiteral("\r\n\r\n")
                              : QString();
        const QString forras = QStringLiteral("Forrás: ") + q(p.Gyarto.Honlap) + QStringLiteral("\r\n\r\n");
        const QString kerdes =
            muvelet == InternetMuvelet::AktualisAdatbazis
                ? q(JatekNev[static_cast<std::size_t>(g)]) +
                      QString::fromUtf8(" - húzásainak frissítése a program honlapjáról.") + QStringLiteral("\r\n\r\n") +
                      forras
                : kor + QString::fromUtf8("Minden játék húzásainak frissítése a program honlapjáról.") +
                      QStringLiteral("\r\n\r\n") + forras;
        if (!JovahagyasKerese(kerdes + QString::fromUtf8("Frissíti az adatbázisokat?"))) {
            if (!o.UjVerzioKereses && !o.EleresFrissitesKell)
                return;
            frissites = false;
        }
    }

    // The downloading kinds: the worker runs while the connection window
    // shows; no second action starts meanwhile. Escape, the window's close
    // box or the main window's close stop it.
    leallitas_.store(false);
    fut_ = true;
    emit futasValtozott(true);
    emit ablakNyitas();
    bool naprakesz = false;
    munkaFuttatasa([this, muvelet, g, frissites, &naprakesz] {
        if (muvelet == InternetMuvelet::EleresekFrissitese) {
            EleresekFrissitese();
            return;
        }
        if (muvelet == InternetMuvelet::UjVerzio) {
            UjVerzioKeresese();
            return;
        }
        if (!frissites) {
            // Nothing to download: only the due check below.
        } else if (muvelet == InternetMuvelet::AktualisAdatbazis) {
            Adatbzis_letoltes(false, g);
        } else if (muvelet == InternetMuvelet::MindenAdatbazis) {
            for (int j = 0; j < kJatekokSzama && !Leallitva(); ++j) {
                if (j >= 9 && j <= 16)
                    continue;  // the Keno games share one file
                if (!Adatbzis_letoltes(true, j))
                    break;
            }
        } else if (muvelet == InternetMuvelet::NaprakeszAdatbazis) {
            naprakesz = NaprakeszAdatbazisletoltes();
            // A failed operator update ends the action there.
            if (!naprakesz)
                return;
        }
        // A due version check, or else a due refresh of the table, follows
        // every update that was not stopped.
        if (Leallitva())
            return;
        if (online().UjVerzioKereses)
            UjVerzio(false);
        else
            UjValtozat(false);
    });
    emit ablakZaras();
    fut_ = false;
    emit futasValtozott(false);
    if ((kavarexAdatbazis && frissites &&
         QFile::exists(q(p.Konyvtarak.DatKonyvtar) + QString::fromUtf8(AdatbazisAllomany[static_cast<std::size_t>(g)]))) ||
        (muvelet == InternetMuvelet::NaprakeszAdatbazis && naprakesz))
        emit adatbazisFrissult();
}

bool InternetVezerlo::Adatbzis_letoltes(bool osszes, int jatek)
{
    const Folders& f = Program::aktualis().Konyvtarak;
    const QString nev = QString::fromUtf8(AdatbazisAllomany[static_cast<std::size_t>(jatek)]);
    const QString letoltott = q(f.CacheKonyvtar) + nev;
    const QString aktualis = q(f.DatKonyvtar) + nev;
    const QUrl cim = GyartoCim(QStringLiteral("/hu/download/Database/") + nev);
    if (!GetInetFile(cim, letoltott, true, QString::fromUtf8("Húzások listájának letöltése")))
        return false;
    std::vector<std::uint8_t> adat;
    const bool olvasva = readWholeFile(s(letoltott), adat);
    QFile::remove(letoltott);
    if (!olvasva) {
        kvx::HibaUzenet(QString::fromUtf8("Sikertelen az állomány elérése: \r\n") + letoltott);
        return false;
    }
    // Whatever arrived is read as the game's database first: an error page,
    // another game's file or a cut file never replaces the one in use, and
    // one with fewer draws only after a Yes.
    const LetoltottAdatbazisDontes d =
        H.LetoltottAdatbazis ? H.LetoltottAdatbazis(adat, jatek, aktualis, cim) : LetoltottAdatbazisDontes::Elutasitva;
    switch (d) {
    case LetoltottAdatbazisDontes::Csere:
        break;
    case LetoltottAdatbazisDontes::Elutasitva:
        return false;
    case LetoltottAdatbazisDontes::Megtartva:
        return osszes;
    }
    // Replaced through a temporary file: a failed write leaves the database
    // in use whole.
    if (!writeFileAtomic(s(aktualis), adat)) {
        kvx::HibaUzenet(QString::fromUtf8("Sikertelen az állomány elérése: \r\n") + aktualis);
        return false;
    }
    statuszKi(QString::fromUtf8("Adatbázis frissítése"));
    return true;
}

void InternetVezerlo::EleresekFrissitese()
{
    online().EleresFrissitesKell = true;
    UjValtozat(true);
}

bool InternetVezerlo::UjValtozat(bool interaktiv)
{
    OnlineAllapot& o = online();
    if (!o.EleresFrissitesKell)
        return true;
    const Folders& f = Program::aktualis().Konyvtarak;
    const QString statuszSzoveg = QString::fromUtf8(kFrissitesStatusz);
    statuszKi(statuszSzoveg);
    o.EleresFrissitesKell = false;
    // A refresh the user stopped is still due.
    const auto leallitva = [&] {
        if (!Leallitva())
            return false;
        o.EleresFrissitesKell = true;
        return true;
    };
    if (!VersionDownloadURL_NOCache(GyartoCim(QStringLiteral("/hu/download/online.txt")))) {
        if (leallitva())
            return false;
        if (interaktiv)
            kvx::HibaUzenet(QString::fromUtf8("Nem elérhetőek a verzió információk, sikertelen az internetes "
                                              "hivatkozások, online fogadások eléréseinek frissítése.") +
                            QString::fromUtf8(kLehetsegesOkok));
        return false;
    }
    const QString datOdb = q(f.DatKonyvtar) + QStringLiteral("Online.odb");
    if (!o.UjEleresElerheto.load()) {
        if (interaktiv)
            InformacioUzenet(QString::fromUtf8("Internetes hivatkozások, online fogadások eléréseinek "
                                               "adatbázisa.\r\n\r\nA legfrissebb adatbázist használja."));
        // Writing the table back renews the file's date, which start-up
        // compares against the refresh interval.
        guiSzalon([this, datOdb] { OnlineEleresMentes(datOdb); });
        return true;
    }
    const QString zip = q(f.CacheKonyvtar) + QStringLiteral("Online.zip");
    if (!GetInetFile(GyartoCim(QStringLiteral("/hu/download/Database/Online.zip")), zip, interaktiv, statuszSzoveg)) {
        if (interaktiv && !leallitva())
            kvx::HibaUzenet(QString::fromUtf8(
                "Sikertelen az internetes hivatkozások, online fogadások eléréseinek letöltése - frissítése."));
        o.EleresFrissitesKell = true;
        return false;
    }
    const QString cacheOdb = q(f.CacheKonyvtar) + QStringLiteral("Online.odb");
    QFile::remove(cacheOdb);
    if (!Kicsomagolas(zip, q(f.CacheKonyvtar), {"Online.odb"}) || !QFile::exists(cacheOdb)) {
        if (interaktiv)
            kvx::HibaUzenet(QString::fromUtf8("A rendszer nem tudja kicsomagolni a tömörített állományt.\r\n\r\n") +
                            cacheOdb);
        QFile::remove(cacheOdb);
        o.EleresFrissitesKell = true;
        return false;
    }
    std::vector<std::uint8_t> adat;
    if (!readWholeFile(s(cacheOdb), adat)) {
        if (interaktiv)
            AllomanyHibaUzenet(2, 1);
        QFile::remove(cacheOdb);
        o.EleresFrissitesKell = true;
        return false;
    }
    QFile::remove(cacheOdb);
    // Checked whole before it may replace the table in use; the good file
    // stays unless the new one is complete, newer and made for us.
    const LetoltottTablaEredmeny e = LetoltottTablaEllenorzes(adat, o.OnlineEleresek.Sorszam, VerzioSzam());
    switch (e.Allapot) {
    case LetoltottTabla::Elfogadva:
        break;
    case LetoltottTabla::Meret:
        ErvenytelenAllomanyUzenet(cacheOdb, QString::fromUtf8("Érvénytelen méretű állomány."), false);
        return false;
    case LetoltottTabla::UjabbVerzio:
        // The table is made for a newer program: that version is announced,
        // also when nobody asked for the refresh.
        o.UjVerzioSzoveg = e.VerzioSzoveg;
        UjVerzioLetoltheto();
        if (interaktiv)
            UjabbVerzioAllomanyUzenet(q(e.VerzioSzoveg));
        return false;
    case LetoltottTabla::MasVerzio:
    case LetoltottTabla::NemUjabb:
        return false;
    }
    bool betoltve = false;
    guiSzalon([&] {
        // Through a temporary file: a failed write leaves the old table.
        if (!writeFileAtomic(s(datOdb), adat)) {
            AllomanyHibaUzenet(2, 1);
            return;
        }
        betoltve = OnlineEleresBetoltes(datOdb);
    });
    o.EleresFrissitesKell = !betoltve;
    return betoltve;
}

// ---- The version check ----

void InternetVezerlo::UjVerzioKeresese()
{
    online().UjVerzioKereses = true;
    UjVerzio(true);
}

void InternetVezerlo::UjVerzioLetoltheto()
{
    const QString szoveg = q(online().UjVerzioSzoveg);
    guiSzalon([this, szoveg] { emit ujVerzioLetoltheto(szoveg); });
}

bool InternetVezerlo::UjVerzio(bool interaktiv)
{
    Program& p = Program::aktualis();
    OnlineAllapot& o = p.Online;
    bool eredmeny = true;
    if (o.UjVerzioKereses && !(H.Bovites && H.Bovites())) {
        statuszKi(QString::fromUtf8("Új verzió keresése"));
        if (!VerzioOlvasas()) {
            if (interaktiv && !Leallitva())
                kvx::HibaUzenet(QString::fromUtf8("Nem elérhetőek a verzió információk, nem lehetséges a program "
                                                  "online frissítése.") +
                                QString::fromUtf8(kLehetsegesOkok));
            eredmeny = false;
        } else {
            o.UjVerzioKereses = false;
            eredmeny = false;
            if (VerzioSzam() >= std::stoi(o.UjVerzioSzam)) {
                if (interaktiv)
                    InformacioUzenet(QString::fromUtf8("Aktuális verzió: Kavarex Personal ") + q(VerzioSzoveg()) +
                                     QStringLiteral("\r\n\r\n") + QString::fromUtf8("Nem jelent meg újabb verzió."));
            } else {
                // This program is a portable copy and never starts what it
                // downloads: the new version's download page is opened, the
                // user takes it from there (an installer left in the
                // download folder is not touched either).
                UjVerzioLetoltheto();
                if (JovahagyasKerdes(QString::fromUtf8("Megjelent a Kavarex Personal ") + q(o.UjVerzioSzoveg) +
                                     QString::fromUtf8(" verziója. ") + QStringLiteral("\r\n\r\n") +
                                     QString::fromUtf8("Letölti az új hordozható verziót?")))
                    cimMegnyitas(s(GyartoCim(QStringLiteral("/index.php?id=download/download")).toString()), false);
            }
        }
    }
    if (!Leallitva()) {
        // The flag is the GUI thread's; a program that closes skips the call
        // and the refresh with it.
        bool kilepes = true;
        guiSzalon([&] { kilepes = p.Fo.Kilepes; });
        if (!kilepes)
            UjValtozat(false);
    }
    return eredmeny;
}

void InternetVezerlo::UjVerzioMegszakitas()
{
    OnlineAllapot& o = online();
    o.VerzioKeresesVege = false;
    const auto szal = szalak().Indit([this](std::stop_token st) {
        std::stop_callback leall(st, [this] { Leallitas(); });
        try {
            if (VerzioOlvasas()) {
                // No second internet action meanwhile.
                guiSzalon([this] { emit futasValtozott(true); });
                if (std::stoi(online().UjVerzioSzam) > VerzioSzam())
                    UjVerzioLetoltheto();
                else
                    UjValtozat(false);
                guiSzalon([this] { emit futasValtozott(false); });
            }
        } catch (...) {
            const std::exception_ptr hiba = std::current_exception();
            guiSzalon([hiba] { KVXException(QStringLiteral("InternetVezerlo"), QStringLiteral("UjVerzioMegszakitas"), hiba); });
        }
        // The last act: whoever reads the flag set sees everything before.
        online().VerzioKeresesVege.store(true);
    });
    if (!szal)
        o.VerzioKeresesVege = true;
}

// ---- The operator's result file ----

bool InternetVezerlo::NaprakeszAdatbazisletoltes()
{
    Program& p = Program::aktualis();
    const Folders& f = p.Konyvtarak;
    const int g = p.Jatek.LottoIndex;
    const QString cache = q(f.CacheKonyvtar);
    const QDate ma = QDate::currentDate();
    const NaprakeszTerv terv = NaprakeszLetoltesTerv(p.Online.OnlineEleresek, g, ma.year());
    const QString statuszSzoveg = QString::fromUtf8("Húzások naprakész listájának letöltése");
    const QString tomoritettHianyzik =
        cache + QString::fromUtf8(" könyvtár nem tartalmazza a naprakész húzások tömörített állományát.") +
        QStringLiteral("\r\n\r\n");
    const QString allomanyHianyzik =
        cache + QString::fromUtf8(" könyvtár nem tartalmazza a naprakész húzások állományát.") +
        QStringLiteral("\r\n\r\n");
    const QString kicsomagolasHiba = QString::fromUtf8("A rendszer nem tudja kicsomagolni a tömörített állományt.\r\n\r\n");

    // Everything this update puts into the download folder goes again at
    // the end, whatever happened.
    std::vector<QString> takaritas;
    for (const std::string& n : terv.Torlendo)
        takaritas.push_back(cache + q(n));
    const auto vege = [&](bool siker) {
        for (const QString& n : takaritas)
            QFile::remove(n);
        return siker;
    };
    const auto kibontva = [&](const std::vector<std::string>& nevek) {
        for (const std::string& n : nevek)
            takaritas.push_back(cache + q(n));
    };

    QString eredmenyNev = q(terv.Allomany);
    takaritas.push_back(cache + eredmenyNev);
    if (!terv.Archivum.empty()) {
        const QString archivum = cache + q(terv.Archivum);
        takaritas.push_back(archivum);
        if (!GetInetFile(QUrl(q(terv.Cim)), archivum, true, statuszSzoveg))
            return vege(false);
        if (!QFile::exists(archivum)) {
            kvx::HibaUzenet(tomoritettHianyzik + archivum);
            return vege(false);
        }
        std::vector<std::string> nevek;
        const bool ok = Kicsomagolas(archivum, cache, terv.ArchivumTagok, &nevek);
        kibontva(nevek);
        if (!ok) {
            kvx::HibaUzenet(kicsomagolasHiba + cache + eredmenyNev);
            return vege(false);
        }
    } else if (!GetInetFile(QUrl(q(terv.Cim)), cache + eredmenyNev, true, statuszSzoveg)) {
        return vege(false);
    }

    for (const NaprakeszExtra& e : terv.Extrak) {
        const QString cel = cache + q(e.Nev);
        takaritas.push_back(cel);
        if (!GetInetFile(QUrl(q(e.Cim)), cel, true, statuszSzoveg)) {
            if (!Leallitva())
                kvx::HibaUzenet((e.Tag.empty() ? allomanyHianyzik : tomoritettHianyzik) + (e.Tag.empty() ? q(e.Nev) : cel));
            return vege(false);
        }
        if (e.Tag.empty())
            continue;
        std::vector<std::string> nevek;
        const bool ok = Kicsomagolas(cel, cache, {e.Tag}, &nevek);
        kibontva(nevek);
        if (!ok) {
            kvx::HibaUzenet(kicsomagolasHiba + cel);
            return vege(false);
        }
        if (!QFile::exists(cache + q(e.Tag))) {
            kvx::HibaUzenet(allomanyHianyzik + q(e.Tag));
            return vege(false);
        }
    }

    if (!terv.SorszamElotag.empty())
        for (int n = terv.SorszamKezdet; n < 3000; ++n) {
            const QString nev = q(terv.SorszamElotag) + QString::number(n) + QStringLiteral(".txt");
            if (QFile::exists(cache + nev)) {
                eredmenyNev = nev;
                break;
            }
        }
    // Stopped after the last download: the database stays as it is.
    if (Leallitva())
        return vege(false);
    const QString eredmeny = cache + eredmenyNev;
    if (eredmenyNev.isEmpty() || !QFile::exists(eredmeny)) {
        kvx::HibaUzenet(allomanyHianyzik + eredmenyNev);
        return vege(false);
    }

    // The parser's work is the draws': the file goes into the game's
    // database, which is replaced only when it brought draws.
    NaprakeszAllomany a;
    a.Utvonal = eredmeny;
    a.Nev = eredmenyNev;
    a.Hianyzik = allomanyHianyzik;
    a.Ev = ma.year();
    a.Ho = ma.month();
    a.Nap = ma.day();
    a.KenoHU = terv.KenoHU;
    const bool siker = H.NaprakeszFrissites && H.NaprakeszFrissites(a);
    return vege(siker);
}
