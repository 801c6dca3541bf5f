#include "app/ui/internet_vezerlo.h"
#include "variation/store_jobs.h"
#include "variation/variation_file.h"
#include "variation/variation_export.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <chrono>
#include <future>
#include <memory>

#include "app/ui/megszakitas.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "app/game_table.h"
#include "app/version.h"
#include "common/binary_io.h"
#include "common/text_codec.h"
#include "platform/zip_unpack.h"
#include "variation/variation_store.h"

using namespace kvx;

namespace {

const char* const kLehetsegesOkok =
    "\r\n\r\nLehetséges okok:\r\n  - megszakította, nem engedélyezte a letöltést\r\n  - tűzfal tiltja a program "
    "csatlakozását\r\n  - nem elérhető a tárhely\r\n  - már/még nem létezik a keresett állomány";
const char* const kFrissitesStatusz = "Internetes hivatkozások, online fogadások eléréseinek frissítése";

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

OnlineAllapot& online() { return Program::aktualis().Online; }

// The kinds whose work runs on the worker behind the connection window.
bool ablakos(int kind) { return (kind >= 6 && kind <= 9) || kind == 13; }

// Runs fn on a helper thread while the GUI thread keeps serving (without
// user input), and gives its result.
template <class F>
auto hatterben(F fn)
{
    auto f = std::async(std::launch::async, std::move(fn));
    while (f.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    return f.get();
}

// Runs fn on the GUI thread and waits for it (at once when already there).
void guiSzalon(const std::function<void()>& fn)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(app, fn, Qt::BlockingQueuedConnection);
}

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
    return OnlineFogadasBeallitasok(online().OnlineEleresek, g, JatekNev[static_cast<std::size_t>(g)],
                                    Program::aktualis().Tar.BontSzelvszam > 0);
}

// ---- The web routines ----

QUrl InternetVezerlo::GyartoCim(const QString& ut) const
{
    QString host = q(Program::aktualis().Gyarto.Honlap);
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return QUrl(host + ut);
}

bool InternetVezerlo::InternetElerheto() const
{
    if (Proba)
        return Proba();
    return platform::InternetElerheto(QUrl(q(Program::aktualis().Gyarto.ProbaCim)), ProbaMs);
}

bool InternetVezerlo::VersionDownloadURL_NOCache(const QUrl& cim)
{
    OnlineAllapot& o = online();
    o.UjEleresElerheto = false;
    // The serial is a few digits: a few KiB is more than enough.
    platform::WebKorlatok k = Korlatok;
    k.MaxMeret = 4096;
    const platform::WebValasz v = platform::SzovegLetoltes(cim, k, "online.txt");
    if (!v.ok())
        return false;
    const auto sorszam = SorszamSzoveg(v.Torzs);
    if (!sorszam)
        return false;
    o.UjEleresElerheto = *sorszam > o.OnlineEleresek.Sorszam;
    return true;
}

bool InternetVezerlo::GetInetFile(const QUrl& cim, const QString& cel, bool nincsInternetUzenet,
                                  const QString& statuszSzoveg)
{
    if (!InternetElerheto()) {
        if (nincsInternetUzenet)
            NincsInternetUzenet();
        return false;
    }
    if (!statuszSzoveg.isEmpty())
        emit statusz(statuszSzoveg);
    const platform::WebValasz v = platform::AllomanyLetoltes(
        cim, cel, Korlatok, {}, nullptr, s(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    if (v.ok())
        return true;
    if (nincsInternetUzenet && !InternetElerheto())
        NincsInternetUzenet();
    else
        kvx::HibaUzenet(QString::fromUtf8("Sikertelen az állomány letöltése. ") + QString::fromUtf8(kLehetsegesOkok));
    return false;
}

bool InternetVezerlo::Kicsomagolas(const QString& archive, const QString& konyvtar,
                                   const std::vector<std::string>& nevek)
{
    platform::ZipKorlatok k;
    k.Nevek = nevek;
    k.MaxTagok = static_cast<int>(nevek.size()) + 0;
    k.MaxKibontott = 16ULL * 1024 * 1024;
    const platform::ZipEredmeny e = platform::Kicsomagolas(s(archive), s(konyvtar), k);
    QFile::remove(archive);
    return e.ok();
}

// ---- The actions ----

bool InternetVezerlo::MuveletKesz(int kind)
{
    switch (kind) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 7: case 8: case 10: case 11: case 13: case 14:
        return true;
    default:
        return false;
    }
}

bool InternetVezerlo::cimMegnyitas(const std::string& cim, bool level)
{
    // Addresses come from the downloaded table: only the web (and mail for
    // the mail link) is opened, never a program or a local file.
    if (!CimEngedett(cim, level)) {
        kvx::HibaUzenet(QStringLiteral("Érvénytelen internetes cím: %1").arg(q(cim)));
        return false;
    }
    return UrlMegnyitas(QUrl(q(cim), QUrl::TolerantMode));
}

void InternetVezerlo::munkaFuttatasa(const std::function<void()>& munka)
{
    auto vege = std::make_shared<std::atomic<bool>>(false);
    QEventLoop hurok;
    MegszakitasLeiras l;
    l.Munka = [munka](std::stop_token) {
        try {
            munka();
        } catch (...) {
            kvx::HibaUzenet(QString::fromUtf8("Ismeretlen hiba történt az internetelérés során."));
        }
    };
    l.VegeKezelo = [vege, &hurok](bool) {
        vege->store(true);
        hurok.quit();
    };
    if (!Megszakitas::Indit(std::move(l)))
        return;
    if (!vege->load())
        hurok.exec();
}

void InternetVezerlo::InternetMegszStart(int kind)
{
    if (fut_ || !MuveletKesz(kind))
        return;
    Program& p = Program::aktualis();
    OnlineAllapot& o = p.Online;
    if (!hatterben([this] { return InternetElerheto(); })) {
        NincsInternetUzenet();
        return;
    }
    if (kind == 1 && !JovahagyasKerdes(q(emailMegerosites(p.Gyarto))))
        return;
    o.InternetMuvelet = kind;
    o.InternetAblakKell = ablakos(kind);
    if (o.InternetAblakKell && !o.VerzioKeresesVege.load()) {
        InformacioUzenet(QString::fromUtf8("Kavarex Personal új verzió keresése folyamatban.\r\n\r\nPróbálja meg "
                                           "újra, néhány másodperc múlva."));
        return;
    }

    const int g = p.Jatek.LottoIndex;
    const TOnlineEleresek& t = o.OnlineEleresek;
    const auto u8 = [](const RovidSzoveg& r) { return cp1250ToUtf8(r); };
    const std::string host = s(GyartoCim(QString()).toString());
    switch (kind) {
    case 0: cimMegnyitas(u8(t.TarsasagHonlap[g]), false); return;
    case 1:
        cimMegnyitas("mailto:" + p.Gyarto.Email + "?subject=" + UrlKodolas("Fejlesztés támogatása, észrevételek"),
                     true);
        return;
    case 2: cimMegnyitas(host + "/", false); return;
    case 3:
        cimMegnyitas(KalkulatorCim(host + "/hu/calc/calc.php?l=", t.KalkulatorKod[g], p.Jatek.KenoJatek,
                                   p.Jatek.SzamsorHossz),
                     false);
        return;
    case 4: cimMegnyitas(host + "/hu/sim/kvxsim.php", false); return;
    case 5: cimMegnyitas(host + "/hu/vari/lotto_variation.php", false); return;
    case 10: cimMegnyitas(u8(t.KeziFogadas[g]), false); return;
    case 11: {
        // The variation goes to the operator's page as a file it reads; a
        // variation longer than one upload carries is split by hand.
        VariationStore& tar = p.Tar;
        const std::int64_t sorok = tar.BontSzelvszam;
        if (sorok <= 0)
            return;
        const std::int64_t maximum = t.FeltoltesMaximum[static_cast<std::size_t>(g)];
        if (maximum < sorok) {
            FigyelmeztetoUzenet(q(FeltoltesFelosztasSzoveg(maximum, sorok)));
            return;
        }
        BontListEredetiSorrend(tar);
        const std::string allomany = p.Konyvtarak.ListKonyvtar + "variation.csv";
        ExportFejlec fejlec;
        fejlec.VariacioVerzio = p.VariacioAllomany.VariacioVerzio;
        fejlec.VariacioDatum = p.VariacioAllomany.VariacioDatum != 0.0 ? p.VariacioAllomany.VariacioDatum : MaiDatum();
        std::string hiba;
        if (!ExportKiiras(allomany, "csv", tar, p.Szamok, p.Jatek, fejlec, hiba)) {
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
    case 14: cimMegnyitas(u8(t.RekordNyeremenyek), false); return;
    default: break;
    }

    // The database updates ask before anything is fetched.
    if (kind == 7 || kind == 8) {
        if (FrissitesElott && !FrissitesElott())
            return;
        const QString kor =
            AdatbazisKora > 0 ? QString::number(AdatbazisKora) + QString::fromUtf8(" napja nem frissült - ") +
                                    q(JatekNev[static_cast<std::size_t>(g)]) +
                                    QString::fromUtf8(" húzásainak listája.") + QStringLiteral("\r\n\r\n")
                              : QString();
        const QString forras = QStringLiteral("Forrás: ") + q(p.Gyarto.Honlap) + QStringLiteral("\r\n\r\n");
        const QString kerdes =
            kind == 7 ? q(JatekNev[static_cast<std::size_t>(g)]) +
                            QString::fromUtf8(" - húzásainak frissítése a program honlapjáról.") +
                            QStringLiteral("\r\n\r\n") + forras
                      : kor + QString::fromUtf8("Minden játék húzásainak frissítése a program honlapjáról.") +
                            QStringLiteral("\r\n\r\n") + forras;
        if (!JovahagyasKerese(kerdes + QString::fromUtf8("Frissíti az adatbázisokat?")))
            return;
    }

    // The downloading kinds: the worker runs while the connection window
    // shows; no second action starts meanwhile.
    fut_ = true;
    emit futasValtozott(true);
    emit ablakNyitas();
    munkaFuttatasa([this, kind, g] {
        if (kind == 13) {
            EleresekFrissitese();
            return;
        }
        if (kind == 7) {
            Adatbzis_letoltes(false, g);
        } else if (kind == 8) {
            for (int j = 0; j < kJatekokSzama; ++j) {
                if (j >= 9 && j <= 16)
                    continue;  // the Keno games share one file
                if (!Adatbzis_letoltes(true, j))
                    break;
            }
        }
        // A due refresh of the table follows every update.
        UjValtozat(false);
    });
    emit ablakZaras();
    fut_ = false;
    emit futasValtozott(false);
    if ((kind == 7 || kind == 8) &&
        QFile::exists(q(p.Konyvtarak.DatKonyvtar) + QString::fromUtf8(AdatbazisAllomany[static_cast<std::size_t>(g)])))
        emit adatbazisFrissult();
}

bool InternetVezerlo::Adatbzis_letoltes(bool osszes, int jatek)
{
    const Folders& f = Program::aktualis().Konyvtarak;
    const QString nev = QString::fromUtf8(AdatbazisAllomany[static_cast<std::size_t>(jatek)]);
    const QString letoltott = q(f.CacheKonyvtar) + nev;
    const QString aktualis = q(f.DatKonyvtar) + nev;
    if (!GetInetFile(GyartoCim(QStringLiteral("/hu/download/Database/") + nev), letoltott, true,
                     QString::fromUtf8("Húzások listájának letöltése")))
        return false;
    const QFileInfo uj(letoltott), regi(aktualis);
    if (regi.exists() && uj.size() < regi.size()) {
        const bool felulir = FigyelmeztetoKerdes(
            q(JatekNev[static_cast<std::size_t>(jatek)]) + QString::fromUtf8(" - húzásainak letöltése") +
            QStringLiteral("\r\n\r\n") + QString::fromUtf8("A program honlapjáról letölthető") +
            QString::fromUtf8(" állomány kevesebb húzás adatait tartalmazza, mint a húzások jelenleg aktuális "
                              "listája.\r\n\r\nMégis felülírja a húzások jelenleg aktuális listáját?"));
        if (!felulir) {
            QFile::remove(letoltott);
            return osszes;
        }
    }
    // Replaced through a temporary file: a failed copy leaves the database
    // in use whole.
    std::vector<std::uint8_t> adat;
    const bool ok = readWholeFile(s(letoltott), adat) && writeFileAtomic(s(aktualis), adat);
    QFile::remove(letoltott);
    if (!ok) {
        kvx::HibaUzenet(QString::fromUtf8("Sikertelen az állomány elérése: \r\n") + aktualis);
        return false;
    }
    emit statusz(QString::fromUtf8("Adatbázis frissítése"));
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
    emit statusz(statuszSzoveg);
    o.EleresFrissitesKell = false;
    if (!VersionDownloadURL_NOCache(GyartoCim(QStringLiteral("/hu/download/online.txt")))) {
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
        if (interaktiv)
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
