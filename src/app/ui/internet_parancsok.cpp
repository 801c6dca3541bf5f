#include "app/ui/internet_parancsok.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>
#include <utility>

#include "app/main_menu.h"
#include "app/online_source.h"
#include "app/shell_state.h"
#include "app/startup_checks.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/internetletoltesablak.h"
#include "app/ui/nevjegy.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"

using namespace kvx;

namespace {

// The internet items' images, by their numbers: 49 a new version to
// download, 57 online betting at hand, 1 nothing to do online, 56 a
// variation the operator takes, 46 one it may not take. The number stays on
// the item as "KepIndex".
void internetKep(QAction* a, int index)
{
    if (!a)
        return;
    QPixmap kep(16, 16);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const auto nyil = [&p](const QColor& szin, bool le) {
        p.setPen(QPen(szin, 2));
        p.drawLine(8, 2, 8, 12);
        const int hegy = le ? 12 : 2, hat = le ? 8 : 6;
        p.drawLine(8, hegy, 4, hat);
        p.drawLine(8, hegy, 12, hat);
        p.drawLine(3, 14, 13, 14);
    };
    switch (index) {
    case 49: nyil(QColor(0, 110, 200), true); break;
    case 56: nyil(QColor(0, 140, 60), false); break;
    case 46: nyil(QColor(200, 120, 0), false); break;
    case 57:
        p.setPen(QPen(QColor(0, 140, 60), 2));
        p.drawLine(3, 8, 7, 12);
        p.drawLine(7, 12, 13, 4);
        break;
    default:
        p.setPen(QPen(QColor(150, 150, 150), 2));
        p.drawEllipse(3, 3, 10, 10);
        p.drawLine(5, 11, 11, 5);
        break;
    }
    p.end();
    a->setIcon(QIcon(kep));
    a->setProperty("KepIndex", index);
}

// While an internet action runs, closing the main window stops it first;
// once the action has ended the window closes the usual way.
class InternetBezaras : public QObject {
public:
    InternetBezaras(QWidget* ablak, InternetVezerlo& iv) : QObject(ablak), ablak_(ablak), iv_(iv)
    {
        ablak->installEventFilter(this);
        connect(&iv, &InternetVezerlo::futasValtozott, this, [this](bool fut) {
            if (fut || !kerve_)
                return;
            kerve_ = false;
            QTimer::singleShot(0, ablak_, [a = ablak_] { a->close(); });
        });
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == ablak_ && e->type() == QEvent::Close && iv_.Fut()) {
            iv_.Leallitas();
            kerve_ = true;
            e->ignore();
            return true;
        }
        return false;
    }

private:
    QWidget* ablak_;
    InternetVezerlo& iv_;
    bool kerve_ = false;
};

// The internet action of an item: the command table's Tag.
InternetMuvelet muvelet(const QAction* a)
{
    return static_cast<InternetMuvelet>(a->data().toInt());
}

const ParancsId kInternetPontok[] = {
    ParancsId::Honlap1, ParancsId::Rekordnyeremnyek1, ParancsId::Kziadatbevitel1, ParancsId::Varicifeltltse1, ParancsId::Naprakszadatbzis1,
    ParancsId::Aktulisadatbzisfrisstse1, ParancsId::Mindenadatbzisfrisstse1, ParancsId::Elrsekfrisstse1, ParancsId::Kavarexaweben1,
    ParancsId::Kavarexkalkultoraweben1, ParancsId::Kavarexszimultoraweben1, ParancsId::Varicikletltse1, ParancsId::jverzikeresse1,
};

// Days from the file's last write to the INI file's; nullopt when either
// is missing.
std::optional<double> napokAzIniig(const QString& ut)
{
    const QFileInfo ini(QString::fromStdString(folders().IniAllomany));
    const QFileInfo f(ut);
    if (!ini.exists() || !f.exists())
        return std::nullopt;
    return static_cast<double>(f.lastModified().msecsTo(ini.lastModified())) / 86400000.0;
}

}  // namespace

InternetParancsok::InternetParancsok(InternetVezerlo& iv, QWidget* foablak)
    : QObject(foablak), iv_(iv), tar_(ParancsTar::aktualis())
{
    ParancsTar& tar = *tar_;
    for (ParancsId nev : kInternetPontok)
        tar.Kezelo(nev, this, [this, m = muvelet(tar[nev])] { iv_.InternetMegszStart(m); });
    connect(&iv, &InternetVezerlo::onlineValtozott, this, &InternetParancsok::MenuFrissites);
    connect(&iv, &InternetVezerlo::menuFrissitesKerve, this, &InternetParancsok::MenuFrissites);
    new InternetBezaras(foablak, iv);
    // A damaged draws list offers the download of the current game's database.
    uzenetekAllapot().AktualisAdatbazisFrissites = [] { Program::aktualis().InternetV().InternetMegszStart(InternetMuvelet::AktualisAdatbazis); };
    // A newer version announces itself with a button that starts the
    // version action (which offers the download page).
    ertesito_ = new QAction(QString::fromUtf8("Új verzió"), foablak);
    ertesito_->setObjectName(QStringLiteral("VerzioErtesitoGomb"));
    ertesito_->setVisible(false);
    connect(ertesito_, &QAction::triggered, this, [this] { iv_.InternetMegszStart(InternetMuvelet::UjVerzio); });
    connect(&iv, &InternetVezerlo::ujVerzioLetoltheto, this, &InternetParancsok::ujVerzio);
    // While an action downloads, no second one starts.
    connect(&iv, &InternetVezerlo::futasValtozott, this, &InternetParancsok::futas);
    MenuFrissites();
}

void InternetParancsok::ujVerzio(const QString& verzio)
{
    if (!ertesito_->isVisible() && settings().Hangjelzes)
        QApplication::beep();
    const QString tipp = QString::fromUtf8(" Megjelent a Kavarex Personal ") + verzio +
                         QString::fromUtf8(" verziója. ") + QStringLiteral("\r\n") +
                         QString::fromUtf8(" Kattintson, frissítse a programot. ");
    ertesito_->setVisible(true);
    // Announced while an action runs, it waits for the action's end.
    kvx::ParancsBeallitas(ertesito_, !fut_, tipp);
    if (tar_) {
        QAction* a = (*tar_)[ParancsId::jverzikeresse1];
        internetKep(a, 49);
        a->setText(QString::fromUtf8("Új verzió letöltése"));
        a->setToolTip(QString::fromUtf8(" Új verzió letöltése, telepítése "));
        a->setStatusTip(a->toolTip());
        a->setProperty("UjVerzio", true);
    }
}

void InternetParancsok::futas(bool fut)
{
    fut_ = fut;
    // A controller's late signal finds the registry gone with the window.
    if (!tar_)
        return;
    const ParancsTar& tar = *tar_;
    for (ParancsId nev : kInternetPontok)
        if (QAction* a = tar[nev])
            a->setEnabled(!fut && InternetVezerlo::MuveletKesz(muvelet(a)) &&
                          a->property("OnlineEngedett").toBool());
    // The notification button starts an action too.
    if (ertesito_)
        ertesito_->setEnabled(!fut);
}

void InternetParancsok::OnlineEleresBetoltes()
{
    const QString ut = QString::fromStdString(folders().DatKonyvtar) + QStringLiteral("Online.odb");
    // A first start gets the table shipped beside the executable; one the
    // user already has (perhaps refreshed from the web) is never replaced.
    AlapOnlineTelepites(folders().ProgramKonyvtar + "Alap/Online.odb", ut.toStdString());
    if (QFile::exists(ut))
        iv_.OnlineEleresBetoltes(ut);
}

void InternetParancsok::MenuFrissites()
{
    if (!tar_)
        return;
    const ParancsTar& tar = *tar_;
    const OnlineMenuAllapot m = iv_.MenuAllapot();
    const auto allit = [this, &tar](ParancsId nev, bool engedett, const QString& tipp) {
        QAction* a = tar[nev];
        const bool kesz = InternetVezerlo::MuveletKesz(muvelet(a));
        a->setProperty("OnlineEngedett", engedett);
        a->setEnabled(kesz && engedett && !iv_.Fut());
        const QString t = kesz ? tipp : QString::fromUtf8(kNemElerheto);
        kvx::ParancsTipp(a, t);
    };
    const auto u = [](const std::string& s) { return QString::fromStdString(s); };
    const auto sajat = [](ParancsId nev) { return QString::fromUtf8(FomenuPontKeres(nev)->Tipp); };
    QAction* honlap = tar[ParancsId::Honlap1];
    honlap->setVisible(m.TarsasagLathato);
    honlap->setText(u(m.TarsasagFelirat));
    allit(ParancsId::Honlap1, true, u(m.TarsasagTipp));
    tar[ParancsId::Rekordnyeremnyek1]->setVisible(m.RekordLathato);
    allit(ParancsId::Rekordnyeremnyek1, true, sajat(ParancsId::Rekordnyeremnyek1));
    allit(ParancsId::Kziadatbevitel1, m.KeziEngedett, u(m.KeziTipp));
    internetKep(tar[ParancsId::Kziadatbevitel1], m.KeziKep);
    allit(ParancsId::Varicifeltltse1, m.FeltoltesLehetseges && iv_.VanVariacio(), u(m.FeltoltesTipp));
    internetKep(tar[ParancsId::Varicifeltltse1], m.FeltoltesKep);
    tar[ParancsId::Naprakszadatbzis1]->setVisible(m.NaprakeszLathato);
    allit(ParancsId::Naprakszadatbzis1, true, u(m.NaprakeszTipp));
    allit(ParancsId::Aktulisadatbzisfrisstse1, true, u(m.AktualisTipp));
    for (kvx::ParancsId nev : {ParancsId::Mindenadatbzisfrisstse1, ParancsId::Elrsekfrisstse1,
                               ParancsId::Kavarexaweben1, ParancsId::Kavarexkalkultoraweben1,
                               ParancsId::Kavarexszimultoraweben1, ParancsId::Varicikletltse1})
        allit(nev, true, sajat(nev));
    // Once a newer version was announced, the item keeps its download hint.
    allit(ParancsId::jverzikeresse1, true,
          tar[ParancsId::jverzikeresse1]->property("UjVerzio").toBool() ? QString::fromUtf8(" Új verzió letöltése, telepítése ")
                                                           : sajat(ParancsId::jverzikeresse1));
}

void InternetParancsok::WebCimekBeallitasa()
{
    if (!tar_)
        return;
    const WebCimek c = WebMenuCimek(gyartoCimek().Honlap);
    const std::pair<ParancsId, const std::string*> pontok[] = {
        {ParancsId::Kavarexaweben1, &c.Honlap},
        {ParancsId::Kavarexkalkultoraweben1, &c.Kalkulator},
        {ParancsId::Kavarexszimultoraweben1, &c.Szimulator},
        {ParancsId::Varicikletltse1, &c.Variaciok},
    };
    for (const auto& [nev, cim] : pontok)
        if (QAction* a = tar_->Keres(nev))
            a->setProperty("WebCim", QString::fromStdString(*cim));
}

void InternetParancsok::InditasiEllenorzes()
{
    if (!qEnvironmentVariableIsEmpty("KAVAREX_NO_STARTUP_CHECKS") || mainState().MasikPeldanyFut)
        return;
    InternetVezerlo& iv = iv_;
    const QString dat = QString::fromStdString(folders().DatKonyvtar);
    const QString adatbazis =
        dat + QString::fromUtf8(AdatbazisAllomany[static_cast<std::size_t>(game().LottoIndex)]);
    InditasiAllapot a;
    if (QFile::exists(adatbazis))
        a.AdatbazisNapok = napokAzIniig(adatbazis);
    a.OnlineOdbVan = QFile::exists(dat + QStringLiteral("Online.odb"));
    if (a.OnlineOdbVan)
        a.OnlineNapok = napokAzIniig(dat + QStringLiteral("Online.odb"));
    a.UjVerzioKereses = settings().UjVerzioKereses;
    a.VerzioKeresesElerheto = InternetVezerlo::MuveletKesz(InternetMuvelet::UjVerzio);
    a.VanKijeloles = iv.VanKijeloles();
    a.VanVariacio = iv.VanVariacio();
    // An old table is refreshed after the version check (or after an update
    // that the checks start), whichever runs.
    if (a.OnlineNapok && *a.OnlineNapok > 20)
        Program::aktualis().Online.EleresFrissitesKell = true;

    InditasiValaszok v;
    // The checks offer the maker's downloads: the maker's site is probed.
    v.InternetElerheto = [&iv] { return iv.ProbaAblakkal(iv.GyartoCim(QStringLiteral("/"))); };
    v.Figyelmeztetes = [](const std::string& s) { FigyelmeztetoUzenet(QString::fromStdString(s)); };
    v.Jovahagyas = [](const std::string& s) { return JovahagyasKerese(QString::fromStdString(s)); };
    v.HibaKerdes = [](const std::string& s) { return HibaKerdes(QString::fromStdString(s)); };
    const InditasiEredmeny e = kvx::InditasiEllenorzes(a, Program::aktualis().Gyarto.Honlap, v);
    iv.AdatbazisKora = e.AdatbazisKora;
    switch (e.Muvelet) {
    case InditasiMuvelet::TeljesFrissites: iv.InternetMegszStart(InternetMuvelet::MindenAdatbazis); break;
    case InditasiMuvelet::VerzioKereses: iv.UjVerzioMegszakitas(); break;
    case InditasiMuvelet::EleresFrissites: iv.InternetMegszStart(InternetMuvelet::EleresekFrissitese); break;
    case InditasiMuvelet::Semmi: break;
    }
}

void InternetAblakokBekotese(TInternetLetoltesAblak& letoltesAblak, kvx::TNevjegy& nevjegy)
{
    InternetVezerlo& iv = Program::aktualis().InternetV();
    letoltesAblak.SetVezerlo(&iv);
    QObject::connect(&nevjegy, &TNevjegy::internetKerve, &iv, &InternetVezerlo::InternetMegszStart);
    nevjegy.InternetElerheto();
    // The box shows the serial of the table in use.
    QObject::connect(&iv, &InternetVezerlo::onlineValtozott, &nevjegy, [&nevjegy] {
        nevjegy.OnlineSorszam(QString::number(Program::aktualis().Online.OnlineEleresek.Sorszam));
    });
}
