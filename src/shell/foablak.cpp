#include "shell/foablak.h"
#include "platform/taskbar_progress.h"
#include "variation/variation_file.h"
#include "app/ui/program.h"
#include <QTimer>
#include <cmath>
#include <QShowEvent>

#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/filedialogs.h"

#include "app/folders.h"
#include "app/ini_file.h"
#include "app/main_menu.h"
#include "app/maker_info.h"
#include "app/messages.h"
#include "app/window_geometry.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/stale_files.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/beallitasok.h"
#include "app/ui/internet_parancsok.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/parancs_tar.h"
#include "shell/formok.h"
#include "app/ui/sugo.h"
#include "app/ui/sugo_parancsok.h"
#include "app/ui/tippek.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "variation/ui/allomany_parancsok.h"
#include "variation/ui/back_vezerlo.h"
#include "variation/ui/pelda_vezerlo.h"
#include "conditions/ui/feltetelek_bekotes.h"
#include "variation/ui/variacio_vezerlo.h"
#include "app/ui/kavarex_application.h"
#include "app/ui/nevjegy.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/ui/variacio_statusz.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "draws/alternative_databases.h"
#include "draws/database_file.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"
#include "draws/hit_search.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/internet_huzasok.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/velszam.h"
#include "platform/file_types.h"
#include "platform/instance.h"
#include "platform/system_info.h"
#include "statistics/ui/statisztika.h"
#include "statistics/ui/statisztika_bekotes.h"
#include "tickets/number_lists.h"
#include "conditions/number_set_file.h"
#include "variation/ui/bontas.h"
#include "variation/variation_store.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/internet_variacio.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLinearGradient>
#include <QMoveEvent>
#include <QPainter>
#include <QUrl>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <utility>
#include <ostream>

using namespace kvx;

namespace {

QString utf8(const std::string& s)
{
    return QString::fromStdString(s);
}

SzamsorParancsok& szamsor()
{
    return kvx::Program::aktualis().SzamsorParancsai();
}

QScreen* kepernyo(const QWidget* w)
{
    QScreen* s = w->screen();
    return s ? s : QGuiApplication::primaryScreen();
}

// The main window's background in extension mode: the variation ticket's
// colours fading in from the top, and the command's caption repeated
// faintly across it, so that the mode shows between the windows at a glance.
class BovitesHatterKep : public QWidget {
public:
    explicit BovitesHatterKep(QWidget* szulo) : QWidget(szulo) { setObjectName(QStringLiteral("Image1")); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const auto szin = [](std::int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); };
        const QColor cella = szin(settings().SzelvenyBeallitas[1][2]);
        const QColor jelolt = szin(settings().SzelvenyBeallitas[1][3]);
        QLinearGradient g(rect().topLeft(), rect().bottomLeft());
        g.setColorAt(0, palette().color(QPalette::Window));
        g.setColorAt(0.5, cella);
        g.setColorAt(1, jelolt);
        p.fillRect(rect(), g);
        QFont f = font();
        f.setPointSize(font().pointSize() * 2);
        f.setBold(true);
        p.setFont(f);
        QColor felirat = jelolt.darker(115);
        felirat.setAlpha(70);
        p.setPen(felirat);
        const QString szoveg = QStringLiteral("Bővítés");
        const int lx = QFontMetrics(f).horizontalAdvance(szoveg) * 2;
        const int ly = QFontMetrics(f).height() * 4;
        p.rotate(-20);
        for (int y = -height(); y < 2 * height(); y += ly)
            for (int x = -width(); x < 2 * width(); x += lx)
                p.drawText(x + (y / ly % 2) * lx / 2, y, szoveg);
    }
};

}  // namespace

TFoablak::TFoablak(const QString& programAllomany, const QStringList& args, QWidget* parent)
    : TFoablak(programAllomany, args, nullptr, kPeldanyBezarasVarakozasMs, parent)
{
}

TFoablak::TFoablak(const QString& programAllomany, const QStringList& args, platform::FutoPeldany* peldany,
                   int bezarasVarakozasMs, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("Foablak");
    PeldanyFigyeles(peldany, bezarasVarakozasMs);
    AlrendszerekBekotese();
    SzelvenyVezerlo& sz = kvx::Program::aktualis().Szelveny();
    connect(&sz, &SzelvenyVezerlo::teljesVariacio, this, &TFoablak::SetStatusPanel2);
    VariacioVezerloBekotese();
    uzenetekAllapot().Tulajdonos = this;
    // Until a file says otherwise, the variation is this program's, of today.
    kvx::VersionBeallitas(kvx::Program::aktualis().VariacioAllomany);
    // The windows made from here on find the placement service through
    // their parent, this window.
    new kvx::AblakElhelyezes(this);
    FormCreate(programAllomany, args);
}

TFoablak::~TFoablak()
{
    platform::SetTaskbarProgressState(0);
    platform::DoneTaskbar();
    // The wait window dies with this window: the controller must not call it.
    kvx::Program::aktualis().Variacio().NagyFeladat = nullptr;
    kvx::Program::aktualis().Variacio().BackMentese = nullptr;
    if (alapBetu_) {
        QApplication::setFont(*alapBetu_);
        QApplication::setFont(*alapBetu_, "QMenu");
    }
}

void TFoablak::FormCreate(const QString& programAllomany, const QStringList& args)
{
    exe_ = programAllomany.isEmpty() ? QCoreApplication::applicationFilePath() : programAllomany;
    Folders& f = folders();
    Settings& s = settings();
    MainState& ms = mainState();
    ms.Kilepes = false;
    std::vector<std::string> argv;
    for (const QString& a : args)
        argv.push_back(a.toStdString());

    KonyvtarakBeallitasa(f, exe_.toStdString());
    s.UzenetekLog.fill(1);
    // Hints come quickly and stay long enough for the long texts to be read.
    // First of all: it sets the application's style, which resets the fonts
    // the text size gives the pop-up menus below.
    kvx::TippIdozitesBeallitasa(kTippMegjelenesMs, kTippIdotartamMs);
    // Until the text size is known the boxes take the smallest one.
    uzenetBeallitasok().MeretIndex = 0;
    uzenetBeallitasok().MeretSzorzo = 1.0;
    UzenetBeallitasokFrissitese();

    // Text size: from the screen, a restart's "-r N", or the INI file.
    const QScreen* scr = kepernyo(this);
    const QRect kep = scr ? scr->geometry() : QRect(0, 0, 1024, 768);
    const QRect munka = scr ? scr->availableGeometry() : kep;
    s.BetuMeret = AlapBetuMeret(kep.width(), scr ? static_cast<int>(scr->logicalDotsPerInch()) : 96);
    const QString ini = utf8(f.IniAllomany);
    const std::optional<std::int32_t> ujraMeret = UjrainditasiMeret(argv);
    if (ujraMeret)
        s.BetuMeret = *ujraMeret;

    // Step 8: the launcher progress that the run, test, statistics and wait
    // windows report to (nothing when the desktop session offers no bus).
    platform::InitTaskbar();

    // Step 9: the file named on the command line (reading it is the number-set
    // file's work; the path waits in parancssoriAllomany_).
    parancssoriAllomany_ = utf8(ParancssoriAllomanyKezdet(argv, [](const std::string& p) {
        return QFile::exists(QString::fromStdString(p));
    }));

    // Step 11: free memory.
    const std::optional<std::uint64_t> szabad = platform::SzabadMemoria();
    if (szabad && *szabad < static_cast<std::uint64_t>(kMinSzabadMemoria) && !ProgramKerdes(QString::fromUtf8(kKevesMemoriaKerdes))) {
        ms.Kilepes = true;
        return;
    }
    // Step 12: the program folder must be writable.
    if (!IrhatoKonyvtar(f.ProgramKonyvtar)) {
        ProgramHibaUzenet(QString::fromUtf8(kNemIrhatoUzenet));
        ms.Kilepes = true;
        return;
    }
    // An earlier instance on this folder is settled before anything is
    // written or read from the INI file: one that stays keeps every file as
    // it was, and one that closes writes its last settings first, which this
    // instance then reads. Its boxes show at the text size to come.
    if (!MasikPeldanyKezelese(ujraMeret ? *ujraMeret : IniBetuMeret(f.IniAllomany).value_or(s.BetuMeret)))
        return;
    // A restart's text size is kept in the INI file.
    if (ujraMeret && QFile::exists(ini)) {
        IniFile fajl;
        bool ok = fajl.LoadFromFile(f.IniAllomany);
        if (ok) {
            fajl.WriteInteger("Kavarex", "Size", *ujraMeret);
            ok = fajl.SaveToFile(f.IniAllomany);
        }
        if (!ok)
            ProgramHibaUzenet(utf8(IniAllomanyHibaUzenet(f.IniAllomany, true)));
    }

    const int sorMagassag = QFontMetrics(font()).boundingRect(QStringLiteral("Í")).height();
    const std::int32_t becsultMeret = s.BetuMeret;
    SzelvIniAlap(s, game(), ms, sorMagassag);
    s.BetuMeret = becsultMeret;
    KonyvtarakLetrehozasa(f);
    UtolsoKonyvtarakAlap(f);
    AllomanyTipusokRegisztralasa();

    MenuEpites();
    Image1 = new BovitesHatterKep(this);
    setCentralWidget(Image1);
    Image1->hide();
    kvx::Program::aktualis().SugoParancsai().SugoEllenorzes(exe_);
    if (QFile::exists(ini))
        GyartoCimekOlvasas(f.IniAllomany, gyartoCimek());
    internet_->WebCimekBeallitasa();
    kvx::Program::aktualis().AllomanyParancsai().DialogusokLetrehozasa(this);

    if (QFile::exists(ini)) {
        AblakKorlatok k;
        k.MunkaTerulet = {munka.x(), munka.y(), munka.width(), munka.height()};
        k.MinSzelesseg = minSzelesseg_;
        k.MinMagassag = minMagassag_;
        const IniEredmeny r = KavarexIniOlvas(s, game(), f, k);
        if (!r.Rendben) {
            if (!r.HibaUzenet.empty())
                ProgramHibaUzenet(utf8(r.HibaUzenet));
            ProgramHibaUzenet(utf8(IniSerultUzenet(f.IniAllomany)));
            SerultIniEltavolitasa(f.IniAllomany, !r.HibaUzenet.empty());
            AblakElhelyezes(s.AblakSzelesseg <= 0);
            KavarexIniIras();
        } else {
            AblakElhelyezes(false);
        }
    } else {
        AblakElhelyezes(true);
        KavarexIniIras();
    }
    if (ujraMeret)
        s.BetuMeret = *ujraMeret;
    Betumeretek();
    // The text size is final now (the INI file may have changed it): the
    // tickets take their cell and number sizes from it.
    SzelvenyMeretekBeallitasa(s, QFontMetrics(font()).boundingRect(QStringLiteral("Í")).height());
    UzenetBeallitasokFrissitese();

    KavarexIni();
    s.UzenetekLog[17] = 1;
    SzelvLebont(true);
    szamsor().SzamsorrendKijelzes(s.SzamsorrendMod);
    szamsor().KijelolesMenuFrissites();

    // The modifier mode is reset when the user comes back to the program.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState st) {
        if (st == Qt::ApplicationActive)
            GombStatusTorles();
    });
    qApp->installEventFilter(this);
}

void TFoablak::Betumeretek()
{
    // The text size decided here is the one every window and box takes: the
    // settings keep it, the message boxes' settings its scale and index.
    Settings& s = settings();
    const std::int32_t betuMeret = ErvenyesBetuMeret(s.BetuMeret) ? s.BetuMeret : 8;
    s.BetuMeret = betuMeret;
    UzenetBeallitasok& u = uzenetBeallitasok();
    u.MeretSzorzo = betuMeret / 8.0;
    u.MeretIndex = (betuMeret - 8) / 2;
    const std::int32_t meretIndex = u.MeretIndex;
    QFont betu = font();
    betu.setPointSize(betuMeret);
    setFont(betu);
    QFont menuBetu = menuBar()->font();
    menuBetu.setPointSize(meretIndex > 1 ? betuMeret - meretIndex + 1 : betuMeret);
    menuBar()->setFont(menuBetu);
    statusBar()->setFont(menuBetu);
    // Every other window, dialog and pop-up menu follows the text size: the
    // ones made later take it from the application, the ones standing
    // already get it with the change.
    if (!alapBetu_)
        alapBetu_ = QApplication::font();
    QFont alkalmazas = QApplication::font();
    alkalmazas.setPointSize(betuMeret);
    QApplication::setFont(alkalmazas);
    QFont felbukkano = alkalmazas;
    felbukkano.setPointSize(menuBetuMeret(betuMeret, meretIndex));
    QApplication::setFont(felbukkano, "QMenu");
    if (meretIndex > 0) {
        static constexpr int kIkonMeretek[7] = {18, 21, 24, 27, 30, 33, 36};
        if (!IkonokAtmeretezese(kIkonMeretek[meretIndex]))
            ProgramHibaUzenet(QStringLiteral("Hiba történt az ikonok átméretezése során.\r\n\r\nAz ikonok az alapértelmezett "
                                      "méretben kerülnek megjelenítésre."));
        static constexpr int kEszkoztarMeretek[7] = {27, 33, 39, 47, 53, 59, 66};
        Eszkoztar->setMinimumHeight(kEszkoztarMeretek[meretIndex]);
        statusBar()->setMinimumHeight(meretIndex * 2 + 22);
    }
    const QScreen* scr = kepernyo(this);
    const QRect kep = scr ? scr->geometry() : QRect(0, 0, 1024, 768);
    const QRect munka = scr ? scr->availableGeometry() : kep;
    AblakMinimum(kep.width(), kep.height(), {munka.x(), munka.y(), munka.width(), munka.height()}, meretIndex,
                 minSzelesseg_, minMagassag_);
    setMinimumSize(std::min(minSzelesseg_, munka.width()), std::min(minMagassag_, munka.height()));
}

void TFoablak::UzenetBeallitasokFrissitese()
{
    const Settings& s = settings();
    UzenetBeallitasok& u = uzenetBeallitasok();
    u.Jovahagyas = s.Jovahagyas;
    u.Inform = s.Inform;
    u.Hangjelzes = s.Hangjelzes;
    u.IniAllomany = folders().IniAllomany;
    u.UzenetekLog = &settings().UzenetekLog;
    HibaKezeloBeallitasok& h = hibaKezeloBeallitasok();
    h.ListKonyvtar = utf8(folders().ListKonyvtar);
}

void TFoablak::AllomanyTipusokRegisztralasa()
{
    // ".tip" and ".top" open with this executable for the current user.
    platform::FajltipusokRegisztralasa(exe_);
}

void TFoablak::PeldanyFigyeles(platform::FutoPeldany* peldany, int bezarasVarakozasMs)
{
    if (peldany_)
        disconnect(peldany_, nullptr, this, nullptr);
    peldany_ = peldany;
    peldanyBezarasMs_ = bezarasVarakozasMs;
    if (peldany_)
        connect(peldany_, &platform::FutoPeldany::KilepesKerve, this, &QWidget::close, Qt::QueuedConnection);
}

bool TFoablak::MasikPeldanyKezelese(std::int32_t dobozMeret)
{
    MainState& ms = mainState();
    if (!ms.MasikPeldanyFut)
        return true;
    // The main window has neither its size nor its place yet: the boxes take
    // the text size to come and stand in the middle of the screen.
    UzenetBeallitasok& u = uzenetBeallitasok();
    const std::int32_t meret = ErvenyesBetuMeret(dobozMeret) ? dobozMeret : 8;
    u.MeretIndex = (meret - 8) / 2;
    u.MeretSzorzo = meret / 8.0;
    const QPointer<QWidget> tulajdonos = std::exchange(uzenetekAllapot().Tulajdonos, nullptr);
    const auto vege = [&](bool tovabb) {
        uzenetekAllapot().Tulajdonos = tulajdonos;
        if (!tovabb) {
            masikPeldanyMiattKilep_ = true;
            ms.Kilepes = true;
        }
        return tovabb;
    };
    if (!ProgramKerdes(QString::fromUtf8(kMasikPeldanyKerdes)))
        // This instance ends; the earlier one keeps running untouched.
        return vege(false);
    // The earlier instance closes its main window the normal way (its
    // questions, its backup and its INI write run); this one goes on only
    // once it has ended, and takes over the instance name then. An earlier
    // instance whose user keeps it, or one that does not end in time, keeps
    // the folder: this one ends without having written anything.
    platform::BezarasEredmeny e = platform::BezarasEredmeny::Bezart;
    if (peldany_) {
        // The program's wait window does not exist yet: this one serves the
        // wait only. It stands in the upper part of the screen, clear of the
        // questions the earlier instance may ask its user in the middle.
        kvx::TUzenetAblak varakozo(nullptr, u.MeretSzorzo);
        if (const QScreen* scr = QGuiApplication::primaryScreen()) {
            const QRect munka = scr->availableGeometry();
            varakozo.move(munka.x() + (munka.width() - varakozo.width()) / 2,
                          munka.y() + std::max(0, munka.height() / 4 - varakozo.height() / 2));
        }
        varakozo.UzenetKi(QString::fromUtf8(kPeldanyBezarasVarakozas), 0, kFeladatNincs, false);
        e = peldany_->BezarasKerese(peldanyBezarasMs_,
                                    [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); });
        varakozo.UzenetVege();
    }
    if (e != platform::BezarasEredmeny::Bezart || (peldany_ && !peldany_->Figyel())) {
        ProgramHibaUzenet(QString::fromUtf8(kPeldanyNemZartBeUzenet));
        return vege(false);
    }
    ms.MasikPeldanyFut = false;
    return vege(true);
}

void TFoablak::Betoltes()
{
    // What a killed earlier run left under its writers' temporary names goes,
    // now that no other instance works on the folders.
    if (!peldany_ || peldany_->Figyelo() || !peldany_->MasikPeldanyFut(100))
        ElhagyottAtmenetiAllomanyokTorlese(folders());
    internet_->OnlineEleresBetoltes();
    ParancssoriAllomanyBetoltese();
    RegiAllomanyokAthelyezese();
    betoltesKesz_ = true;
    if (!draws().AdatbazisBetoltve)
        AdatbazisBetoltes();
    // A database missing at start-up only switches its commands off; a later
    // load that misses the built-in database offers the download.
    Program::aktualis().AdatbazisParancsai().SetLetoltesAjanlhato(true);
    FoszelvenyElhelyezes();
    // The tips come once the main window is on the screen, not over an empty
    // desktop; a variation opened from the command line is listed then too.
    QTimer::singleShot(0, this, [this] { InditasUtan(); });
}

void TFoablak::InditasUtan()
{
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    // A command started before the program came up (a Start) may be
    // allocating the store on the wait window's worker, whose window serves
    // this call: the steps wait until the worker has let go of the store.
    if (v.TarMunkaban()) {
        connect(&v, &VariacioVezerlo::tarMunkaUtan, this, [this] { InditasUtan(); },
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    InditasiTippek();
    // A run started meanwhile owns the store.
    if (!v.Fut() && variationStore().BontSzelvszam > 0 && kvx::Parancs(ParancsId::Listzs2)->isEnabled())
        kvx::Program::aktualis().VariacioParancsai().Listazas();
    internet_->InditasiEllenorzes();
}

void TFoablak::ParancssoriAllomanyBetoltese()
{
    if (parancssoriAllomany_.isEmpty() || parancssoriAllomany_ == QStringLiteral("-r"))
        return;
    const QString veg = parancssoriAllomany_.right(3).toLower();
    if (veg == QStringLiteral("top") || veg == QStringLiteral("tip")) {
        AllomanyParancsok& ap = kvx::Program::aktualis().AllomanyParancsai();
        ap.DialogusAllapotFrissites();
        TAllomanyDialogusok* dialogusok = ap.Dialogusok();
        // A damaged file has given its message and left the ticket empty;
        // start-up goes on (the draws database, the tips), so the program
        // comes up whole.
        const bool ok = veg == QStringLiteral("top") ? dialogusok->VariacioBetoltese(parancssoriAllomany_)
                                                     : dialogusok->SzamsorBetoltese(parancssoriAllomany_);
        if (!ok) {
            MindenSzamTorlese(szamListak(), game(), mainState());
            szamsor().KijelolesMenuFrissites();
            kvx::Program::aktualis().Szelveny().SzamokKijelzese();
            parancssoriAllomany_.clear();
            return;
        }
    }
    parancssoriAllomany_.clear();
    mainState().Mentve = false;
    kvx::Program::aktualis().VariacioStatusza().Ujrakiiras();
}

void TFoablak::RegiAllomanyokAthelyezese()
{
    // Files and saved-files folders of older versions move to their places.
    const bool elsoInditas = settings().InditasokSzama <= 0;
    if (elsoInditas)
        RegiAllomanyokTorlese(folders());
    const AthelyezesEredmeny r = MentettKonyvtarakAthelyezese(folders(), elsoInditas);
    for (const std::string& hiba : r.Hibak)
        ProgramHibaUzenet(utf8(hiba));
    if (r.Lefutott)
        KavarexIniIras();
}

void TFoablak::InditasiTippek()
{
    if (!InditasiDobozok())
        return;
    auto& log = settings().UzenetekLog;
    if (log[kSugoTippIndex] == 1)
        log[kSugoTippIndex] = HasznosInformacio(utf8(SugoTipp(kMeretvaltasCimke))) ? 1 : 0;
    if (log[kAdatbevitelTippIndex] == 1)
        log[kAdatbevitelTippIndex] = HasznosInformacio(QString::fromUtf8(kAdatbevitelTipp)) ? 1 : 0;
}

bool TFoablak::UzenetekLogAllapot(bool mod)
{
    return kvx::UzenetekLogAllapot(settings().UzenetekLog, mod);
}

void TFoablak::AdatbazisBetoltes()
{
    Folders& f = folders();
    const int jatek = game().LottoIndex;
    f.AktualisAdatbazis[static_cast<std::size_t>(jatek)] =
        f.DatKonyvtar + AdatbazisAllomany[static_cast<std::size_t>(jatek)];
    Program::aktualis().HuzasokV().SetAdatbazisTipusa(true);
    emit jatekValtasLepes(JatekValtasLepes::AdatbazisBetoltese);
    kvx::Program::aktualis().AdatbazisParancsai().HuzasokBetoltese();
}

void TFoablak::SzelvenyekLebontasaLepes()
{
    emit jatekValtasLepes(JatekValtasLepes::SzelvenyekLebontasa);
    SzelvenyekLebontasa();
}

void TFoablak::SzelvenyekEpiteseLepes()
{
    emit jatekValtasLepes(JatekValtasLepes::SzelvenyekEpitese);
    SzelvenyekLetrehozasa(this);
    FoszelvenyElhelyezes();
}

std::ostream& operator<<(std::ostream& o, JatekValtasLepes l)
{
    switch (l) {
    case JatekValtasLepes::SzelvenyekLebontasa:
        return o << "SzelvenyekLebontasa";
    case JatekValtasLepes::SzelvenyekEpitese:
        return o << "SzelvenyekEpitese";
    case JatekValtasLepes::AdatbazisBetoltese:
        return o << "AdatbazisBetoltese";
    }
    return o << "JatekValtasLepes(" << static_cast<int>(l) << ')';
}

QAction* TFoablak::Akcio(ParancsId id) const
{
    return parancsok_ ? parancsok_->Keres(id) : nullptr;
}

void TFoablak::MenuEpites()
{
    for (const char* cim : FomenuSorrend()) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(cim));
        m->setToolTipsVisible(true);
        menuk_[QString::fromUtf8(cim)] = m;
    }
    Eszkoztar = addToolBar(QStringLiteral("Eszköztár"));
    Eszkoztar->setObjectName("ToolBar1");
    Eszkoztar->setMovable(false);
    sorrendCsoport_ = new QActionGroup(this);
    sorrendCsoport_->setExclusive(true);
    const QString nemElerheto = QString::fromUtf8(kNemElerheto);
    parancsok_ = new kvx::ParancsTar(this);

    for (const FomenuPont& p : FomenuPontok()) {
        QMenu* hol = menuk_.at(QString::fromUtf8(p.Menu));
        if (p.Fajta == PontFajta::Elvalaszto) {
            hol->addSeparator();
            continue;
        }
        QAction* a = nullptr;
        if (p.Fajta == PontFajta::Almenu) {
            const QString felirat = QString::fromUtf8(p.Felirat);
            QMenu* al = hol->addMenu(felirat);
            al->setToolTipsVisible(true);
            menuk_[QString::fromUtf8(p.Menu) + "/" + felirat] = al;
            a = al->menuAction();

            a->setData(p.Tag);
            const QString tipp = p.Kesz ? QString::fromUtf8(p.Tipp) : nemElerheto;
            kvx::ParancsTipp(a, tipp);
            a->setEnabled(p.Kesz);
            parancsok_->Felvesz(p.Id, a);
        } else {
            a = (*parancsok_)[p.Id];
            hol->addAction(a);
        }
        if (p.Fajta == PontFajta::Valaszto)
            sorrendCsoport_->addAction(a);
        if (p.Eszkoztar)
            Eszkoztar->addAction(a);
    }
    // The statistics button has no menu item of its own.
    Eszkoztar->addAction(StatisztikaGombLetrehozasa(*parancsok_, Eszkoztar));
    // The button of "Kavarex adatbázis", before "Keresés"; the database
    // commands show it while the built-in database can be gone back to.
    QAction* kavarex = kvx::Parancs(ParancsId::Kavarexadatbzis1);
    auto* kavarexGomb = new QAction(kavarex->text(), this);
    Eszkoztar->insertAction(kvx::Parancs(ParancsId::Keress1), kavarexGomb);
    parancsok_->Felvesz(ParancsId::KavarexadatbzisGomb, kavarexGomb);

    connect(kvx::Parancs(ParancsId::Kilps1), &QAction::triggered, this, &TFoablak::Kilps1Click);
    SzamsorParancsokBekotese();
    AllomanyParancsokBekotese();
    SugoParancsokBekotese();
    FeltetelekParancsBekotese();

    JatekMenuEpites();
    kvx::Program::aktualis().VariacioParancsai().ParancsokBekotese();
    nyomtatas_ = new NyomtatasVezerlo(this);
    BackBekotese();
    kvx::Program::aktualis().AdatbazisParancsai().ParancsokBekotese();
    kvx::Program::aktualis().Pelda().ParancsokBekotese(this);
    InternetMenuBekotese();

    // Status bar: panel 0 takes the free width and shows the hints, 1 and 2
    // stay at the right.
    panel0_ = new QLabel(this);
    panel1_ = new QLabel(this);
    panel2_ = new QLabel(this);
    panel0_->setObjectName("StatusPanel0");
    panel1_->setObjectName("StatusPanel1");
    panel2_->setObjectName("StatusPanel2");
    statusBar()->setObjectName("StatusBar1");
    statusBar()->addWidget(panel0_, 1);
    statusBar()->addPermanentWidget(panel1_);
    statusBar()->addPermanentWidget(panel2_);
    // Panel 1 shows the variation's state as the ui base's service keeps it.
    VariacioStatusz& vs = kvx::Program::aktualis().VariacioStatusza();
    connect(&vs, &VariacioStatusz::kiirva, this, &TFoablak::VariacioPanelKiirasa);
    VariacioPanelKiirasa();
}

void TFoablak::AblakElhelyezes(bool elsoInditas)
{
    Settings& s = settings();
    const QScreen* scr = kepernyo(this);
    const QRect kep = scr ? scr->geometry() : QRect(0, 0, 1024, 768);
    const QRect munka = scr ? scr->availableGeometry() : kep;
    if (elsoInditas) {
        // First run: the work area on smaller screens, 1920 x 1080 on larger
        // ones, centred in the work area.
        QSize meret = kep.width() < 1920 ? munka.size() : QSize(1920, 1080);
        meret = meret.boundedTo(munka.size());
        s.AblakSzelesseg = meret.width();
        s.AblakMagassag = meret.height();
        s.AblakBal = munka.x() + (munka.width() - meret.width()) / 2;
        s.AblakFelso = munka.y() + (munka.height() - meret.height()) / 2;
    }
    move(s.AblakBal, s.AblakFelso);
    resize(s.AblakSzelesseg, s.AblakMagassag);
}

void TFoablak::KavarexIni()
{
    // A number set or variation named on the command line brings its game.
    if (!parancssoriAllomany_.isEmpty() && parancssoriAllomany_ != QStringLiteral("-r") &&
        SzamsorVagyVariacioAllomany(parancssoriAllomany_.toStdString())) {
        const bool variacio = parancssoriAllomany_.right(3).toLower() == QStringLiteral("top");
        QFile fajl(parancssoriAllomany_);
        if (!fajl.open(QIODevice::ReadOnly)) {
            // One message for the unreadable file; nothing is loaded later.
            ProgramHibaUzenet(utf8(allomanyHibaSzoveg(variacio ? 1 : 0, 0, folders().IniAllomany)));
            parancssoriAllomany_.clear();
        } else {
            const QByteArray fej = fajl.read(64);
            const std::int32_t j = SzamsorJatekIndex(std::span<const std::uint8_t>(
                reinterpret_cast<const std::uint8_t*>(fej.constData()), static_cast<std::size_t>(fej.size())));
            // A damaged head keeps the game; the load reports the damage.
            if (j >= 0)
                game().LottoIndex = j;
        }
    }
    // The first allocation of a run never asks for more than the memory holds.
    VariationStore& t = variationStore();
    t.BontEngedelyezettMeret = std::min(t.BontEngedelyezettMeret, BontasOptMerete(platform::SzabadMemoria()));
    const int jatek = game().LottoIndex;
    setWindowTitle(QStringLiteral("Kavarex Personal  -  ") + QString::fromUtf8(JatekNev[static_cast<std::size_t>(jatek)]));
    JatekKonyvtarakBeallitasa(folders(), jatek);
}

QAction* TFoablak::JatekMenuPont(QMenu* menu, int tag, const QString& felirat)
{
    QAction* a = menu->addAction(felirat);
    a->setCheckable(true);
    a->setData(tag);
    jatekCsoport_->addAction(a);
    jatekPontok_[static_cast<std::size_t>(tag)] = a;
    connect(a, &QAction::triggered, this, [this, tag] { LottoSelect(tag); });
    return a;
}

QMenu* TFoablak::JatekAlmenu(const char* felirat, std::initializer_list<int> tagok)
{
    QMenu* almenu = LottoMenu->addMenu(QString::fromUtf8(felirat));
    for (int tag : tagok)
        JatekMenuPont(almenu, tag, QString::fromUtf8(JatekNev[static_cast<std::size_t>(tag)]).replace("&", "&&"));
    return almenu;
}

void TFoablak::InternetMenuBekotese()
{
    InternetVezerlo& iv = kvx::Program::aktualis().InternetV();
    // What the variation and the draws hold, before the menu first reads it.
    InternetVariacioBekotese(iv, this);
    InternetHuzasokBekotese(iv, this);
    internet_ = new InternetParancsok(iv, this);
    Eszkoztar->addAction(internet_->VerzioErtesito());
}

void TFoablak::JatekMenuEpites()
{
    jatekCsoport_ = new QActionGroup(this);
    jatekCsoport_->setExclusive(true);

    LottoMenu = menuk_.at(QStringLiteral("Játék"));
    LottoMenu->menuAction()->setStatusTip(QStringLiteral(" Játék kiválasztása "));
    LottoMenu->menuAction()->setToolTip(QStringLiteral(" Játék kiválasztása "));

    QMenu* keno = LottoMenu->addMenu(QStringLiteral("Magyar Kenó "));
    keno->menuAction()->setStatusTip(QStringLiteral(" Magyar Kenó játéktípusok "));
    keno->menuAction()->setToolTip(QStringLiteral(" Magyar Kenó játéktípusok "));
    for (int tag = 8; tag <= 16; ++tag)
        JatekMenuPont(keno, tag, QStringLiteral("%1 számra").arg(18 - tag));
    LottoMenu->addSeparator();

    const auto pont = [this](int tag) {
        return JatekMenuPont(LottoMenu, tag, QString::fromUtf8(JatekNev[static_cast<std::size_t>(tag)]).replace("&", "&&"));
    };
    pont(0)->setShortcut(QKeySequence(Qt::Key_F5));
    pont(1)->setShortcut(QKeySequence(Qt::Key_F6));
    pont(2)->setShortcut(QKeySequence(Qt::Key_F7));
    LottoMenu->addSeparator();

    // The other countries in groups by initial letter.
    JatekAlmenu("Ausztrál", {41, 38, 29, 42});
    pont(5);
    LottoMenu->addSeparator();
    pont(30);
    pont(24);
    LottoMenu->addSeparator();
    pont(40);
    LottoMenu->addSeparator();
    JatekAlmenu("Horvát", {6, 7});
    LottoMenu->addSeparator();
    JatekAlmenu("Kanada", {32, 33, 34});
    LottoMenu->addSeparator();
    pont(37);
    LottoMenu->addSeparator();
    pont(26);
    LottoMenu->addSeparator();
    JatekAlmenu("Román", {17, 18});
    LottoMenu->addSeparator();
    pont(19);
    JatekAlmenu("Szlovák", {3, 4, 25});
    JatekAlmenu("Szlovén", {20, 21});
    LottoMenu->addSeparator();
    JatekAlmenu("UK", {35, 36});
    JatekAlmenu("Ukrán", {22, 23});
    JatekAlmenu("USA", {31, 39, 27, 28});
    LottoMenu->addSeparator();
    pont(43);
}

void TFoablak::JatekMenuJeloles()
{
    const int jatek = game().LottoIndex;
    for (QAction* a : LottoMenu->actions()) {
        if (QMenu* almenu = a->menu()) {
            bool benne = false;
            for (QAction* b : almenu->actions()) {
                if (b->data().isValid() && b->data().toInt() == jatek) {
                    b->setChecked(true);
                    benne = true;
                }
            }
            // A submenu item has no radio mark of its own: while one of its
            // games is the current one it shows a check mark and a bold title.
            a->setCheckable(benne);
            a->setChecked(benne);
            QFont betu = a->font();
            betu.setBold(benne);
            a->setFont(betu);
        } else if (a->data().isValid() && a->data().toInt() == jatek) {
            a->setChecked(true);
        }
    }
}


void TFoablak::LottoSelect(int tag)
{
    if (tag < 0 || tag >= kJatekokSzama)
        return;
    if (mainState().SzamsorModositas && !ProgramKerdes(QString::fromUtf8(kModositasJatekvaltasKerdes))) {
        JatekMenuJeloles();
        return;
    }
    JatekValtas(tag, true);
}

void TFoablak::JatekValtas(int tag, bool kerdez, bool huzTorlesKerdezve)
{
    if (tag < 0 || tag >= kJatekokSzama)
        return;
    // A running generation writes the variation it would take away.
    if (TBontas* b = formok().Bontas; b && b->Fut()) {
        JatekMenuJeloles();
        return;
    }
    if (kerdez && !szamsor().TorlesJovahagyas(0)) {
        JatekMenuJeloles();
        return;
    }
    // The question above offered the unsaved draws already: closing the old
    // game's table does not ask a second time.
    huzTorlesKerdezve_ = kerdez || huzTorlesKerdezve;
    if (formok().Beallitasok)
        formok().Beallitasok->close();
    // The variation belongs to the old game: its paused state, the extension
    // mode and its lines go before the numbers are cleared.
    BontasEgyseg& u = bontasEgyseg();
    BontasPauseTorlese(u);
    if (u.BontasBovites)
        kvx::Program::aktualis().Variacio().Import_log_false();
    VariacioVezerlo& v = kvx::Program::aktualis().Variacio();
    v.BontasTorlese(false);
    // The conditions were set for the old game's numbers.
    v.FeltetelekTorlese();
    MindenSzamTorlese(szamListak(), game(), mainState());
    if (TFeltetelek* f = formok().Feltetelek)
        f->VariacioOpcioinakTorlese();
    game().LottoIndex = tag;
    KavarexIni();
    SzelvLebont(true);
    huzTorlesKerdezve_ = false;
    internet_->MenuFrissites();
    // The new ticket has another size: the conditions window goes beside it.
    if (TFeltetelek* f = formok().Feltetelek)
        f->FeltetelekPosition();
}

void TFoablak::SzelvLebont(bool rebuild)
{
    const Formok& fm = formok();
    if (fm.Beallitasok)
        fm.Beallitasok->close();
    if (fm.Statisztika)
        fm.Statisztika->close();
    // The draws belong to the old game: unsaved edits are offered for saving
    // (to the old game's file), the draws list closes, and a new game without
    // a database file does not show them.
    Program::aktualis().HuzasokV().AdatbazisLezaras(!huzTorlesKerdezve_);
    MindenSzamTorlese(szamListak(), game(), mainState());
    kvx::Program::aktualis().AdatbazisParancsai().AdatbazisJelenlet();
    SzelvenyekLebontasaLepes();
    // Every other visible window closes.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && w->objectName() != QStringLiteral("Foablak") && w->parentWidget() == this)
            w->close();
    if (!rebuild)
        return;
    // The ticket constructors set the game parameters; without tickets the
    // parameters are set here, so every part reads the new game.
    JatekParameterek(game());
    SzelvenyekEpiteseLepes();
    ListakInicializalasa(szamListak(), game(), mainState());
    JatekMenuJeloles();
    szamsor().NezetAlaphelyzet();
    // At start-up the database is loaded once every window exists (Betoltes).
    if (betoltesKesz_)
        AdatbazisBetoltes();
    szamsor().KijelolesMenuFrissites();
    kvx::Program::aktualis().Szelveny().SzamokKijelzese();
}

bool TFoablak::FormKeyDown(int key, Qt::KeyboardModifiers mods)
{
    mainState().BillentyuMod = 0;
    // Left, Right and Tab move between the two drawings of the draws list's row.
    const bool elnyelve = formok().HuzLista && formok().HuzLista->SorsolasValtas(key);
    mainState().BillentyuMod = BillentyuModSzamitas(mods.testFlag(Qt::ShiftModifier),
                                                    mods.testFlag(Qt::ControlModifier),
                                                    mods.testFlag(Qt::AltModifier), game().PotSzamok);
    return elnyelve;
}

std::int32_t TFoablak::GetBillentyuMod() const
{
    return mainState().BillentyuMod;
}

void TFoablak::SetBillentyuMod(std::int32_t mod)
{
    mainState().BillentyuMod = mod;
}

void TFoablak::FormKeyUp()
{
    mainState().BillentyuMod = 0;
}

void TFoablak::GombStatusTorles()
{
    mainState().BillentyuMod = 0;
}

bool TFoablak::eventFilter(QObject* obj, QEvent* event)
{
    // With hints switched off (the INI's Hint=0) no window shows a tooltip;
    // the status bar keeps its texts.
    if (event->type() == QEvent::ToolTip && !settings().ShowHint)
        return true;
    // The toolbar changed its height (its buttons wrapped or grew): the main
    // ticket keeps to the room under it.
    if (event->type() == QEvent::Resize && obj == Eszkoztar && isVisible())
        QTimer::singleShot(0, this, [this] { FoszelvenyElhelyezes(); });
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        QWidget* w = qobject_cast<QWidget*>(obj);
        // Keys of this window and its children (the main window previews its
        // keys) and of the draws list, which reads the mode and whose row
        // navigation is handled here.
        const QWidget* ablak = w ? w->window() : nullptr;
        const bool feltetelek = ablak && ablak == formok().Feltetelek.data();
        if (ablak && (ablak == this || ablak == formok().HuzLista.data() || feltetelek)) {
            auto* k = static_cast<QKeyEvent*>(event);
            if (event->type() == QEvent::KeyPress) {
                if (FormKeyDown(k->key(), k->modifiers()))
                    return true;
                // The conditions window takes no key pressed with a modifier:
                // the modifiers only set the marking mode.
                if (feltetelek && TFeltetelek::FormKeyDown(k->key(), k->modifiers()))
                    return true;
            } else if (!k->isAutoRepeat()) {
                FormKeyUp();
            }
        }
    }
    return QMainWindow::eventFilter(obj, event);
}

void TFoablak::VariacioPanelKiirasa()
{
    panel1_->setText(kvx::Program::aktualis().VariacioStatusza().Szoveg());
    StatuszPanelekMeretezese();
}

void TFoablak::StatuszPanelekMeretezese()
{
    // Before the run window exists the panels keep their widths.
    if (!kvx::Program::aktualis().VariacioStatusza().Allapot().VanBontasAblak)
        return;
    const int kar = QFontMetrics(statusBar()->font()).horizontalAdvance(QLatin1Char('_'));
    const StatusPanelSzelessegek w = StatusPanelek(statusBar()->width(), kar, static_cast<std::int32_t>(panel1_->text().size()),
                                                   static_cast<std::int32_t>(panel2_->text().size()));
    panel1_->setFixedWidth(std::max(0, w.Panel1));
    panel2_->setFixedWidth(std::max(0, w.Panel2));
}

QString TFoablak::StatusPanel(int index) const
{
    switch (index) {
    case 0: return panel0_->text();
    case 1: return panel1_->text();
    default: return panel2_->text();
    }
}

void TFoablak::SetStatusPanel2(const QString& szoveg)
{
    panel2_->setText(szoveg);
    StatuszPanelekMeretezese();
}

void TFoablak::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (panel1_)
        StatuszPanelekMeretezese();
    WindowPosChanging();
}

void TFoablak::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    WindowPosChanging();
}

void TFoablak::WindowPosChanging()
{
    const QRect most = frameGeometry();
    const std::optional<QRect> elozo = kovetesHely_;
    kovetesHely_ = most;
    if (!elozo || QCoreApplication::closingDown() || mainState().Kilepes || !szelvenyek().Foszelveny ||
        !isVisible() || !isEnabled())
        return;
    std::vector<QWidget*> ablakok;
    std::vector<KovetoAblak> helyek;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w->objectName() == QStringLiteral("Foablak"))
            continue;
        // Menus, tooltips and the like are not the program's windows.
        const Qt::WindowType t = w->windowType();
        if (t != Qt::Window && t != Qt::Dialog && t != Qt::Tool)
            continue;
        const QRect r = w->frameGeometry();
        ablakok.push_back(w);
        helyek.push_back({{r.x(), r.y(), r.width(), r.height()}, w == szelvenyek().Foszelveny.data()});
    }
    if (ablakok.empty())
        return;
    FoablakMeretek f;
    f.Left = most.x();
    f.Top = most.y();
    f.Width = most.width();
    f.Height = most.height();
    f.ClientWidth = width();
    f.ClientHeight = height();
    f.ToolBarHeight = Eszkoztar ? Eszkoztar->height() : 0;
    f.MeretSzorzo = uzenetBeallitasok().MeretSzorzo;
    const QScreen* scr = kepernyo(this);
    const QRect munka = scr ? scr->availableGeometry() : QRect(0, 0, 1024, 768);
    const std::vector<Teglalap> uj = kvx::WindowPosChanging({elozo->x(), elozo->y(), elozo->width(), elozo->height()}, f,
                                                            {munka.x(), munka.y(), munka.width(), munka.height()},
                                                            helyek);
    for (std::size_t i = 0; i < ablakok.size(); ++i)
        if (uj[i] != helyek[i].Hely)
            ablakok[i]->move(uj[i].Left, uj[i].Top);
}

void TFoablak::MeretValtas(int index)
{
    if (index < 0 || index > 6)
        return;
    QString szo = index > uzenetBeallitasok().MeretIndex ? QStringLiteral("növelése") : QStringLiteral("csökkentése");
    if (index > 0)
        szo += QStringLiteral("\r\n\r\nA program nem tudja módosítani a Windows hatáskörébe tartozó, "
                              "futásidőben szolgáltatott szöveg-és ablak méreteket.");
    // The unsaved numbers and variation are asked about (and backed up)
    // first, then the restart itself; a No to either leaves the settings
    // window open.
    if (!szamsor().TorlesJovahagyas(0))
        return;
    if (!JovahagyasKerdes(QStringLiteral("Program újraindítása - ablakok méretének ") + szo +
                QStringLiteral("\r\n\r\nBiztos újraindítja a programot?")))
        return;
    // The restart closes the way "Kilépés" does, without asking about the
    // numbers again; a refused close keeps this instance as it was. The new
    // instance is started by the program body once this one has ended.
    ujrainditasMeret_ = 8 + 2 * index;
    if (!close())
        ujrainditasMeret_.reset();
}

std::optional<std::int32_t> TFoablak::UjrainditasMeret() const
{
    return ujrainditasMeret_;
}

void TFoablak::KavarexIniIras()
{
    const QScreen* scr = kepernyo(this);
    const QRect kep = scr ? scr->geometry() : QRect();
    const IniEredmeny r = kvx::KavarexIniIras(settings(), game(), folders(), kep.width(), kep.height());
    if (!r.Rendben)
        ProgramHibaUzenet(utf8(r.HibaUzenet));
}

void TFoablak::Kilps1Click()
{
    close();
}

bool TFoablak::FormCloseQuery()
{
    if (mainState().Kilepes)
        return true;
    const Formok& fm = formok();
    bool canClose = true;
    if (mainState().SzamsorModositas)
        canClose = ProgramKerdes(QString::fromUtf8(kModositasKilepesKerdes));
    if (!canClose)
        return false;
    if (fm.Beallitasok && fm.Beallitasok->isVisible())
        fm.Beallitasok->close();
    if (fm.Statisztika && fm.Statisztika->isVisible())
        fm.Statisztika->close();
    if (fm.Info && fm.Info->isVisible())
        fm.Info->close();
    // The question that protects the unsaved numbers and variation is asked
    // also while the run window shows; a running generation stops only
    // after the user agreed to close.
    // It also offered the unsaved draws for saving. A restart has asked it
    // already.
    canClose = ujrainditasMeret_ || szamsor().TorlesJovahagyas(0);
    if (!canClose)
        return false;
    kvx::Program::aktualis().VariacioParancsai().BontasLeallitasa();
    for (QWidget* w : {static_cast<QWidget*>(fm.HuzLista.data()), static_cast<QWidget*>(fm.BontLista.data()),
                       static_cast<QWidget*>(fm.Feltetelek.data())})
        if (w && w->isVisible())
            w->close();
    Settings& s = settings();
    s.AblakBal = x();
    s.AblakFelso = y();
    s.AblakSzelesseg = width();
    s.AblakMagassag = height();
    // A restart takes its text size, and shows the help tip no more.
    if (ujrainditasMeret_) {
        s.UzenetekLog[7] = 0;
        s.BetuMeret = *ujrainditasMeret_;
    }
    KavarexIniIras();
    return true;
}

void TFoablak::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery()) {
        event->accept();
        QCoreApplication::quit();
    } else {
        event->ignore();
        // A later instance that asked this one to close hears that it stays.
        if (peldany_)
            peldany_->KilepesElutasitas();
    }
}

void TFoablak::FoszelvenyElhelyezes()
{
    TFoszelveny* fo = szelvenyek().Foszelveny;
    if (!fo || !isVisible())
        return;
    // Its place under the toolbar is the placement service's. Laid out
    // before the toolbar stood, it fits its size to the room left now.
    kvx::AblakElhelyezese(fo);
    const kvx::AblakElhelyezes* e = findChild<kvx::AblakElhelyezes*>();
    if (e && !e->AblakTerulet().contains(fo->frameGeometry())) {
        fo->Elrendezes();
        kvx::AblakElhelyezese(fo);
    }
}

void TFoablak::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // The tickets were built before the main window had its place on the
    // screen; now that it has one, the main ticket goes under the toolbar.
    FoszelvenyElhelyezes();
}

void TFoablak::SugoParancsokBekotese()
{
    kvx::Program::aktualis().SugoParancsai().ParancsokBekotese(this);
}

QString TFoablak::WebCim(ParancsId nev) const
{
    const QAction* a = Akcio(nev);
    return a ? a->property("WebCim").toString() : QString();
}

bool TFoablak::IkonokAtmeretezese(int meret)
{
    // The toolbar draws its icons at this size; Qt scales the images.
    if (!Eszkoztar || meret <= 0)
        return false;
    Eszkoztar->setIconSize(QSize(meret, meret));
    return true;
}

void TFoablak::AllomanyParancsokBekotese()
{
    AllomanyParancsok& ap = kvx::Program::aktualis().AllomanyParancsai();
    // A file of another game switches the game; the file dialogs' state
    // follows the switch afterwards.
    connect(&ap, &AllomanyParancsok::jatekValtasKerve, this, [this](int jatek) { JatekValtas(jatek, false, true); });
    ap.ParancsokBekotese(this);
}

void TFoablak::BackBekotese()
{
    BackVezerlo& b = kvx::Program::aktualis().Back();
    b.Bekotes(this);
}

void TFoablak::SzamsorParancsokBekotese()
{
    szamsor().ParancsokBekotese(this);
}
