#include "statistics/ui/statisztika.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/settings.h"
#include "app/shell_state.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/ablak_segedek.h"
#include "app/ui/megszakitas.h"
#include "app/ui/program.h"
#include "app/ui/sugo.h"
#include "app/ui/uzenetek.h"
#include "app/main_menu.h"
#include "conditions/markers.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "platform/taskbar_progress.h"
#include "statistics/chart_hints.h"
#include "statistics/ui/diagram_festes.h"
#include "statistics/line_stats_engine.h"
#include "statistics/neighbour_stats.h"
#include "statistics/number_set_stats.h"
#include "tickets/number_statistics.h"
#include "variation/generation_run.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

const char* const kTipp10 =
    "A statisztikai adatok gyűjtése a háttérben történik.\r\nLeállíthatja a folyamatot, ha a Kilépés menüpontra "
    "kattint.\r\n\r\nAz alábbi statisztikák esetében kétszer kattintva a diagram kiválasztott elemére, a program "
    "kijelöli/törli az aktuális számot - a váltóbillentyűk használatával a fix és az állandó számokat:\r\n  - "
    "Főszelvény statisztikák\r\n  - Variáció számainak gyakorisági eloszlása\r\n  - Szomszédos számok tételes "
    "kimutatása\r\n  - Számkészletek\r\n\r\nA diagram aktuális eleme fölé húzva az egérkurzort:\r\n- ha nyomva "
    "tartja a SHIFT + CTRL billentyűket majd kétszer kattint, a listában utoljrára előforduló esetre (húzásra) "
    "pozicionál a program \r\n- a súgóbuborék további információkat jelenít meg\r\n\r\nA számsorokat érintő "
    "statisztikák csak a törzsszámokat vizsgálják.\r\n\r\nA diagramok és a program főablakának méretétől függően "
    "módosíthatja a Statisztika ablak szélességét - az egér görgőjével vízszintesen görgetheti az ablak tartalmát.";

const char* const kTipp11 =
    "Kiválasztható tartományok maximuma: 10 000\r\n\r\nA több száz elemből álló diagramok könnyebb "
    "áttekinhetősége érdekében, aktiválja a Mikro opciót.";

const QColor kHaladasSzin(0, 102, 153);

int kerek(double v) { return static_cast<int>(std::lround(v)); }

// What one run computes with, taken on the GUI thread before it starts.
struct FutasBemenet {
    int Tag = 0;
    StatMasolat Helyi;          // the slot and the tables the run may read
    GyakorisagBemenet Gyakorisag;
    SzamsorBejarasBemenet Bejaras;
    NumberingDims Dims;
    std::int64_t N = 0;
    std::int32_t Valasztas = 0;
    std::shared_ptr<const SorszamTablak> Sorszam;
    std::shared_ptr<const TTombInt2D> Szamkeszlet;
    std::shared_ptr<const SzomszedosEredmeny> Szomszed;
    std::int32_t FoElso = 1, FoUtolso = 0;
    SzamsorBemenet Szamsor;     // even/odd, repetition, events
    TalalatiAranyBemenet Talalat;  // hit ratios
    SzamTulajdonsagok Tulajdonsagok;
    AzonosLista Azonos;
    bool AzonosUj = false;      // the hit ratios were computed, not loaded
    StatEredmeny Eredmeny;
    bool Mutat = false;         // not cancelled: show and store
};

// The computation of a statistic of the line-counting and hit-ratio
// families; false for the others.
bool SzamsorSzamitas(FutasBemenet& be, StatMasolat& c, const DrawsState& d, const VariacioSorForras& src,
                     StatFutas& f)
{
    switch (be.Tag) {
    case 4:
    case 12:
        be.AzonosUj = !c.Van(be.Tag);
        be.Mutat = TalalatiAranyok(be.Tag, c, be.Talalat, d, src, f, be.Eredmeny, be.Azonos);
        return true;
    case 5: case 6: case 7: case 10: case 11: case 13:
        be.Mutat = SzamsorTulajdonsagStatisztika(be.Tag, c, be.Szamsor, d, src, f, be.Eredmeny, be.Tulajdonsagok);
        return true;
    default:
        return false;
    }
}

}  // namespace

TDiagramDoboz::TDiagramDoboz(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SelectionSortBox"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDiagramDoboz::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (Festes)
        Festes(p);
    else
        p.fillRect(rect(), Qt::white);
}

void TDiagramDoboz::mouseMoveEvent(QMouseEvent* e)
{
    UtolsoEger = e->position().toPoint();
    emit egerMozgas(UtolsoEger);
}

void TDiagramDoboz::mouseDoubleClickEvent(QMouseEvent* e)
{
    UtolsoEger = e->position().toPoint();
    emit duplaKattintas(UtolsoEger);
}

TStatisztika::TStatisztika(VariacioVezerlo& variacio, HuzasokVezerlo& huzasok, QWidget* parent)
    : QDialog(parent), variacio_(variacio), huzasok_(huzasok)
{
    setObjectName(QStringLiteral("Statisztika"));
    FormCreate();
}

TStatisztika::~TStatisztika()
{
    // A run still going stops at its next line; its end finds no window.
    futas_->Leallitas();
}

void TStatisztika::FormCreate()
{
    setWindowTitle(QStringLiteral(" Statisztika"));
    kvx::Sugo::KontextusBeallitas(this, kvx::kSugoStatisztika);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const int betu = settings().BetuMeret;
    const int meretIndex = std::clamp((betu - 8) / 2, 0, 6);
    alapSzelesseg_ = meretIndex <= 1 ? 915 + 105 * meretIndex : 915 + 105 * (2 * meretIndex - 1);

    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);
    MainMenu2 = new QMenuBar(this);
    MainMenu2->setObjectName(QStringLiteral("MainMenu2"));
    fo->setMenuBar(MainMenu2);
    SelectionSortBox = new TDiagramDoboz(this);
    SelectionSortBox->Festes = [this](QPainter& p) { SelectionSortBoxPaint(p); };
    connect(SelectionSortBox, &TDiagramDoboz::duplaKattintas, this, &TStatisztika::SelectionSortBoxDblClick);
    connect(SelectionSortBox, &TDiagramDoboz::egerMozgas, this, &TStatisztika::SelectionSortBoxMouseMove);
    // The chart scrolls up and down where the area under the main window's
    // toolbar cannot hold the window whole: the controls under it stay in
    // sight.
    auto* diagramTer = new TartalomGorgeto(SelectionSortBox, 3, this);
    diagramTer->setObjectName(QStringLiteral("DiagramTer"));
    diagramTer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fo->addWidget(diagramTer, 1);
    StaticText1 = new QLabel(SelectionSortBox);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setFixedSize(1, 1);
    StaticText1->setAutoFillBackground(true);
    StaticText1->setMouseTracking(true);
    StaticText1->installEventFilter(this);
    SelectionSortBox->installEventFilter(this);
    StaticText1->hide();
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TStatisztika::ScrollBar1Change);
    fo->addWidget(ScrollBar1);
    PanelEpites();
    fo->addWidget(Panel2);
    const QColor szin = MainMenu2->palette().color(QPalette::ButtonText);
    for (int diagram : {0, 1})
        for (int kesz : {0, 1})
            kepek_[diagram][kesz] =
                StatMenuKep(diagram ? (kesz ? kKepDiagramKesz : kKepDiagram) : (kesz ? kKepSzovegesKesz : kKepSzoveges),
                            szin);
    MenuEpites();

    Timer3 = new QTimer(this);
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &TStatisztika::Timer3Timer);

    SelectionSortBox->setFixedHeight(kerek(alapSzelesseg_ / 2.36));
    panelMagassag_ = kerek(QFontMetrics(font()).height() * 5.1 / 2);
    Panel2->setFixedHeight(panelMagassag_);
    Panel2->installEventFilter(this);
    setMinimumWidth(minimalisSzelesseg());
    resize(alapSzelesseg_, sizeHint().height());
    // The first chart comes in the default width.
    diagramSzelesseg_ = alapSzelesseg_;
    ScrollBar1->hide();
    Panel2->hide();

    // The cache follows the data behind it.
    connect(&variacio_, &VariacioVezerlo::torles, this, [this] {
        VMasolatTorles();
        if (isVisible() && v_.StatForras == 1)
            KilepesClick();
    });
    connect(&variacio_, &VariacioVezerlo::futasIndul, this, [this] {
        VMasolatTorles();
        if (isVisible() && v_.StatForras == 1)
            KilepesClick();
    });
    connect(&variacio_, &VariacioVezerlo::valtozott, this, &TStatisztika::VMasolatTorles);
    connect(&huzasok_, &HuzasokVezerlo::lezaras, this, [this] {
        AMasolatTorles();
        A1MasolatTorles();
        if (isVisible() && v_.StatForras == 0)
            KilepesClick();
    });
    connect(&huzasok_, &HuzasokVezerlo::betoltve, this, [this] {
        AMasolatTorles();
        A1MasolatTorles();
    });
    connect(&huzasok_, &HuzasokVezerlo::valtozott, this, [this] {
        AMasolatTorles();
        A1MasolatTorles();
    });
    connect(&huzasok_, &HuzasokVezerlo::tartomanyokValtoztak, this, [this](int mod) {
        if (mod == 1) {
            A1MasolatTorles();
            if (isVisible() && formTag_ <= 2)
                StatisztikaAktiv(false);
        } else if (mod == 3) {
            AMasolatTorles();
            if (isVisible() && SlotOldala(formTag_) == StatOldal::Adatbazis)
                StatisztikaAktiv(false);
        }
    });
}

void TStatisztika::MenuEpites()
{
    const QString nemElerheto = QString::fromUtf8(kNemElerheto);
    auto epit = [&](StatMenu m, const QString& felirat) {
        QMenu* menu = MainMenu2->addMenu(felirat);
        menu->setToolTipsVisible(true);
        for (std::int32_t tag : StatMenuPontok(m)) {
            // The separators hidden in the menu's layout are shown too: they
            // set "Számpárok" apart from the line charts above it.
            if (tag == kElvalaszto || tag == kRejtettElvalaszto) {
                menu->addSeparator();
                continue;
            }
            QAction* a = nullptr;
            if (tag == kFoszelvenyTartomany || tag == kAdatbazisTartomany) {
                a = menu->addAction(QStringLiteral("Húzások száma"));
                const QString t = QStringLiteral(" Húzások számának (keresési tartomány) beállítása ");
                a->setToolTip(t);
                a->setStatusTip(t);
                // The same keys as the main window's two range items.
                if (const FomenuPont* p = FomenuPontKeres(tag == kFoszelvenyTartomany ? ParancsId::Hzsokszma1 : ParancsId::Hzsokszma2))
                    a->setShortcut(QKeySequence(QString::fromUtf8(p->Gyorsbillentyu)));
                const int mod = tag == kFoszelvenyTartomany ? 1 : 3;
                connect(a, &QAction::triggered, this, [this, mod] { emit tartomanyKerve(mod); });
            } else if (tag >= kAdatbazisReset) {
                a = menu->addAction(QStringLiteral("Reset"));
                const char* t = tag == kVariacioReset    ? " Variáció - tárolt statisztikai adatok törlése "
                                : tag == kAdatbazisReset ? " Adatbázis - tárolt statisztikai adatok törlése  "
                                                         : " Főszelvény - tárolt statisztikai adatok törlése ";
                a->setToolTip(QString::fromUtf8(t));
                a->setStatusTip(QString::fromUtf8(t));
                a->setEnabled(false);
                connect(a, &QAction::triggered, this, [this, tag] { Reset1Click(tag); });
            } else {
                const StatLeiras* l = StatLeirasTag(tag);
                a = menu->addAction(QString::fromUtf8(l->Felirat));
                // Statistics not built yet stay disabled and say so.
                a->setEnabled(l->Kesz);
                a->setToolTip(l->Kesz ? QString() : nemElerheto);
                a->setStatusTip(l->Kesz ? QString() : nemElerheto);
                if (tag <= 2)
                    a->setCheckable(true);
                a->setIcon(kepek_[l->Diagram ? 1 : 0][0]);
                connect(a, &QAction::triggered, this, [this, tag] { StatisztikaKeszites(tag); });
            }
            a->setData(tag);
            pontok_[tag] = a;
        }
        return menu;
    };
    Fszelvny1 = epit(StatMenu::Foszelveny, QStringLiteral("     Főszelvény     "));
    Fszelvny1->setObjectName(QStringLiteral("Fszelvny1"));
    Varici1 = epit(StatMenu::Variacio, QStringLiteral("     Variáció     "));
    Varici1->setObjectName(QStringLiteral("Varici1"));
    Adatbzis1 = epit(StatMenu::Adatbazis, QStringLiteral("     ") + q(adatbazisFajta().AdatbazisFelirat) +
                                              QStringLiteral("     "));
    Adatbzis1->setObjectName(QStringLiteral("Adatbzis1"));
    // The main-ticket statistics' captions and hints are the main window's.
    for (const auto& [tag, tipp] : {std::pair<int, const char*>{1, " Hányszor húzták a számokat "},
                                    std::pair<int, const char*>{2, " Hány húzás óta nem sorsolták a számokat "}}) {
        pontok_[tag]->setToolTip(QString::fromUtf8(tipp));
        pontok_[tag]->setStatusTip(QString::fromUtf8(tipp));
    }
    Kilepes = MainMenu2->addAction(QStringLiteral("     Kilépés     "));
    Kilepes->setObjectName(QStringLiteral("Kilepes"));
    connect(Kilepes, &QAction::triggered, this, &TStatisztika::KilepesClick);
}

void TStatisztika::PanelEpites()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    panelSorok_ = new QBoxLayout(QBoxLayout::LeftToRight, Panel2);
    panelSorok_->setContentsMargins(6, 2, 6, 2);
    auto* sor = new QHBoxLayout;
    sor->setContentsMargins(0, 0, 0, 0);
    auto* gombSor = new QHBoxLayout;
    gombSor->setContentsMargins(0, 0, 0, 0);
    panelSorok_->addLayout(sor, 1);
    panelSorok_->addLayout(gombSor);
    panelDobozok_ = sor;
    panelGombok_ = gombSor;
    // Every control of the panel has its own help topic for "Mi ez?".
    auto doboz = [&](QCheckBox*& cb, const char* nev, const QString& felirat, int tag, bool be, int sugo) {
        cb = new QCheckBox(felirat, Panel2);
        cb->setObjectName(QString::fromUtf8(nev));
        cb->setChecked(be);
        kvx::Sugo::KontextusBeallitas(cb, sugo);
        sor->addWidget(cb);
        connect(cb, &QCheckBox::clicked, this, [this, tag] { Start(tag); });
    };
    doboz(ZoomCheckBox, "ZoomCheckBox", QStringLiteral(" Zoom"), 1, false, kvx::kSugoStatZoom);
    doboz(InverzCheckBox, "InverzCheckBox", QStringLiteral(" Inverz"), 2, false, kvx::kSugoStatInverz);
    doboz(MindCheckBox, "MindCheckBox", QStringLiteral(" Mind"), 3, true, kvx::kSugoStatMind);
    doboz(MicroCheckBox, "MicroCheckBox", QStringLiteral("Mikro"), 7, false, kvx::kSugoStatMikro);
    doboz(NanoCheckBox, "NanoCheckBox", QStringLiteral("nano"), 8, false, kvx::kSugoStatNano);
    doboz(ElmeletiCheckBox, "ElmeletiCheckBox", QStringLiteral(" Elméleti"), 4, true, kvx::kSugoStatElmeleti);
    doboz(TenylegesCheckBox, "TenylegesCheckBox", QStringLiteral(" Tényleges"), 5, true, kvx::kSugoStatTenyleges);
    doboz(TimeCheckBox, "TimeCheckBox", QStringLiteral(" Húzás"), 6, false, kvx::kSugoStatHuzas);
    SzomszedosSzamokCB = new QComboBox(Panel2);
    SzomszedosSzamokCB->setObjectName(QStringLiteral("SzomszedosSzamokCB"));
    kvx::Sugo::KontextusBeallitas(SzomszedosSzamokCB, kvx::kSugoStatValaszto);
    SzomszedosSzamokCB->hide();
    // Wide enough for its longest item ("2 szomszédos szám ").
    SzomszedosSzamokCB->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    sor->addWidget(SzomszedosSzamokCB);
    // Another number of ranges: the counts are kept, only the chart changes.
    connect(SzomszedosSzamokCB, &QComboBox::activated, this, [this] {
        if (fut_)
            return;
        if (v_.SzomszedosDiagramStat && SzomszedosSzamokCB->currentIndex() > 0 && mod_ == 2) {
            // A chain length only changes the view of the counts; the new
            // view is shown from its start.
            modell_.Ujrakezdes(szomszedosNezet(eredmeny_.SortArray));
            ScrollBar1->setValue(0);
            Start(0);
        } else if (SorszamStatTag(formTag_) || SzamkeszletStatTag(formTag_) || v_.SzomszedosDiagramStat) {
            StatisztikaKeszites(formTag_);
        }
        if (InverzCheckBox->isVisibleTo(this) && InverzCheckBox->isEnabled())
            InverzCheckBox->setFocus();
    });
    sor->addStretch(1);
    auto gomb = [&](QToolButton*& b, const char* nev, const QString& felirat, const QString& tipp, int sugo) {
        b = new QToolButton(Panel2);
        b->setObjectName(QString::fromUtf8(nev));
        b->setText(felirat);
        b->setToolTip(tipp);
        kvx::Sugo::KontextusBeallitas(b, sugo);
        gombSor->addWidget(b);
    };
    gomb(EredetiGomb, "EredetiGomb", QStringLiteral("Eredeti"), QStringLiteral(" Eredeti sorrend "), kvx::kSugoStatSorrend);
    gomb(NovekvoGomb, "NovekvoGomb", QStringLiteral("Növekvő"), QStringLiteral(" Növekvő sorrend "), kvx::kSugoStatSorrend);
    gomb(CsokkenoGomb, "CsokkenoGomb", QStringLiteral("Csökkenő"), QStringLiteral(" Csökkenő sorrend "),
         kvx::kSugoStatSorrend);
    connect(EredetiGomb, &QToolButton::clicked, this, [this] { EredetiGombClick(0); });
    connect(NovekvoGomb, &QToolButton::clicked, this, [this] { EredetiGombClick(1); });
    connect(CsokkenoGomb, &QToolButton::clicked, this, [this] { EredetiGombClick(2); });
    gomb(SpeedButton1, "SpeedButton1", QStringLiteral("<>"), QStringLiteral(" Szélesség a főablakhoz "),
         kvx::kSugoStatFoablakSzelesseg);
    gomb(SpeedButton2, "SpeedButton2", QStringLiteral("><"), QStringLiteral(" Alapértelmezett szélesség "),
         kvx::kSugoStatAlapSzelesseg);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] {
        resize(alapSzelesseg_, height());
        AblakElhelyezese(this, true);
    });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        if (QWidget* f = parentWidget()) {
            resize(std::max(minimumWidth(), f->width() - 30), height());
            move(f->x() + 15, y());
        }
    });
}

QAction* TStatisztika::MenuPont(int tag) const
{
    const auto it = pontok_.find(tag);
    return it == pontok_.end() ? nullptr : it->second;
}

StatKornyezet TStatisztika::kornyezet() const
{
    Program& p = Program::aktualis();
    StatKornyezet k;
    k.Jatek = p.Jatek;
    HuzSzamaState& r = p.HuzSzama;
    if (p.Huzasok.AdatbazisBetoltve) {
        k.FoSorok = GetAktHuzSzama(r, p.Huzasok, p.Jatek, 0);
        k.FoPlusz = r.GetAktPluszSzam(0);
        k.AdbSorok = GetAktHuzSzama(r, p.Huzasok, p.Jatek, 1);
        k.AdbPlusz = r.GetAktPluszSzam(1);
    }
    k.FoElso = r.GetHuzSzamaElso();
    k.FoUtolso = std::min(r.GetHuzSzamaUtolso(), p.Huzasok.HuzasokSzama);
    k.AdbElso = r.GetLHuzSzamaElso();
    k.AdbUtolso = std::min(r.GetLHuzSzamaUtolso(), p.Huzasok.HuzasokSzama);
    k.BontSzelvszam = p.Tar.BontSzelvszam;
    k.HuzasSzamsorVariacio = p.Feltetelek.HuzasSzamsorVariacio;
    k.FixSzamDb = p.Szamok.FixSzamDb();
    k.VariacioMeret = p.Szamok.VariacioMeret;
    k.VariacioFoMeret = p.Szamok.VariacioFoMeret;
    k.KijeloltPluszSzamDb = p.Szamok.KijeloltPluszSzamDb;
    k.ABSZ = p.Tar.ABSZ;
    k.HuzasMeret = p.Jatek.HuzottFoSzamok;
    // Lines of the game's full variation, in the numbering the line
    // distribution uses for the draws.
    k.TeljesVariacioMeret = static_cast<std::int64_t>(fullVariationSize(gameNumberingDims(p.Jatek)).value_or(0));
    // The expected values of a variation hold for a selection of
    // neighbouring numbers only.
    SzamJelzok j;
    GetSzamsorRendezes(j, p.Szamok, p.Jatek, 0);
    k.KijeloltNemSzomszedos = j.KijeloltNemSzomszedos;
    return k;
}

void TStatisztika::MunkavaltozokBeallitasa()
{
    v_ = kvx::MunkavaltozokBeallitasa(formTag_, kornyezet_);
}

void TStatisztika::menukAllapota(bool futas)
{
    const bool adatbazis = draws().AdatbazisBetoltve;
    Fszelvny1->setEnabled(!futas && adatbazis);
    Adatbzis1->setEnabled(!futas && adatbazis);
    Varici1->setEnabled(!futas && variationStore().BontMatrixMeret > 0 && variationStore().BontSzelvszam > 0);
    MenuPont(kVariacioReset)->setEnabled(Varici1->isEnabled() && statMasolat().OldalonVan(StatOldal::Variacio));
    MenuPont(kAdatbazisReset)->setEnabled(Adatbzis1->isEnabled() && statMasolat().OldalonVan(StatOldal::Adatbazis));
    MenuPont(kFoszelvenyReset)->setEnabled(Fszelvny1->isEnabled() && statMasolat().OldalonVan(StatOldal::Foszelveny));
    MenuKepek();
}

void TStatisztika::MenuKepek()
{
    // A statistic whose result is kept shows it; a drop puts the plain
    // picture back.
    const StatMasolat& c = statMasolat();
    for (const auto& [tag, a] : pontok_)
        if (const StatLeiras* l = StatLeirasTag(tag))
            a->setIcon(kepek_[l->Diagram ? 1 : 0][c.Van(tag) ? 1 : 0]);
}

void TStatisztika::panelSorai(int legszelesebb)
{
    const QMargins m = panelSorok_->contentsMargins();
    const int egySor = m.left() + m.right() + panelDobozok_->minimumSize().width() + panelSorok_->spacing() +
                       panelGombok_->minimumSize().width();
    const bool ket = egySor > legszelesebb;
    const QBoxLayout::Direction irany = ket ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (panelSorok_->direction() == irany)
        return;
    panelSorok_->setDirection(irany);
    // The buttons stay at the right in their row of their own.
    panelSorok_->setAlignment(panelGombok_, ket ? Qt::AlignRight : Qt::Alignment());
    Panel2->setFixedHeight(ket ? 2 * panelMagassag_ : panelMagassag_);
    panelSorok_->activate();
    // The window's height is measured from its layout right after this.
    layout()->invalidate();
    layout()->activate();
}

int TStatisztika::minimalisSzelesseg() const
{
    const QLayout* l = Panel2->layout();
    return l->minimumSize().width() - l->contentsMargins().right() + SpeedButton2->sizeHint().width();
}

void TStatisztika::valasztoTipp()
{
    const bool lathato =
        v_.SzomszedosDiagramStat || v_.EloszlasStat || v_.EgymastKovetoSorStat || v_.SzamkeszletDiagramStat;
    SzomszedosSzamokCB->setVisible(lathato);
    if (!lathato)
        return;
    const char* t = v_.SzomszedosDiagramStat     ? " Szomszédos számok "
                    : v_.SzamkeszletDiagramStat  ? " Számkészletek "
                    : v_.EgymastKovetoSorStat    ? " Egymást követő számsorok "
                                                 : " Számsorok eloszlása ";
    SzomszedosSzamokCB->setToolTip(QString::fromUtf8(t));
}

void TStatisztika::StatisztikaKeszites(int tag)
{
    const StatLeiras* l = StatLeirasTag(tag);
    if (!l || !l->Kesz || fut_)
        return;
    kornyezet_ = kornyezet();
    if (const std::string ok = InditasElutasitas(tag, kornyezet_); !ok.empty()) {
        InformacioUzenet(q(ok));
        return;
    }
    // A new statistic starts with its own defaults of Inverz.
    if (tag != formTag_ && !fut_) {
        const std::int32_t ki[] = {19, 21, 22, 23, 24, 25, 28, 29, 32, 33};
        const bool kiKell = tag <= 3 || std::find(std::begin(ki), std::end(ki), tag) != std::end(ki);
        const std::int32_t be[] = {8, 9, 14, 15, 16, 17, 26, 27};
        if (InverzCheckBox->isChecked() && kiKell)
            InverzCheckBox->setChecked(false);
        else if (!InverzCheckBox->isChecked() && std::find(std::begin(be), std::end(be), tag) != std::end(be) &&
                 TimeCheckBox->isEnabled() && !TimeCheckBox->isChecked())
            InverzCheckBox->setChecked(true);
    }
    aktualisMenupont_ = tag;
    menukAllapota(false);
    const InditasDontes d = TalalatiAranyDontes(tag, formTag_, kornyezet_);
    if (!d.Uzenet.empty())
        InformacioUzenet(q(d.Uzenet));
    if (d.Tag == 0)
        return;
    if (mod_ == 2)
        diagramSzelesseg_ = width();
    formTag_ = d.Tag;
    aktualisMenupont_ = d.Tag;
    MunkavaltozokBeallitasa();
    for (int t : {1, 2})
        MenuPont(t)->setChecked(formTag_ == t);
    setWindowTitle(q(StatAblakFelirat(formTag_, v_, adatbazisFajta().AdatbazisFelirat)));
    Adatbzis1->setTitle(QStringLiteral("     ") + q(adatbazisFajta().AdatbazisFelirat) + QStringLiteral("     "));

    // The progress layout: a narrow band with the progress text.
    mod_ = 1;
    szazalek_ = 0;
    StaticText1->hide();
    eredmeny_.FinalizeSortArray();
    Panel2->hide();
    ScrollBar1->hide();
    ScrollBar1->setValue(0);
    valasztoTipp();
    // The progress band: as narrow as a chart may be, as high as its text.
    SelectionSortBox->setFixedHeight(kerek(60 * settings().BetuMeret / 8.0));
    AblakMeretBeallitas();
    fejlec_ = q(FejlecSzoveg(formTag_, v_, kornyezet_, 0, ""));
    if (!isVisible()) {
        show();
        AblakElhelyezese(this);
    }
    SelectionSortBox->update();

    platform::SetTaskbarProgressState(2);
    tiltas_ = AblakTiltas::MindenMasAblak(this);
    fut_ = true;
    menukAllapota(true);
    futas_->Haladas.store(0);
    futas_->Ciklus.store(1);
    futas_->CiklusDb.store(1);
    futas_->StatisztikaFut.store(true);

    // What the worker reads: the slot and tables of this statistic, copied,
    // and the lines or draws, which no window changes while it runs.
    auto be = std::make_shared<FutasBemenet>();
    be->Tag = formTag_;
    const StatMasolat& c = statMasolat();
    // The line distribution and the steps are made by one walk: the pair's
    // slot tells the run that the kept tables still hold.
    for (const std::int32_t t : {formTag_, SorszamStatPar(formTag_)})
        if (c.Van(t)) {
            be->Helyi.Tablak[static_cast<std::size_t>(t)] = c.Tablak[static_cast<std::size_t>(t)];
            be->Helyi.Ertekek[static_cast<std::size_t>(t)] = c.Ertekek[static_cast<std::size_t>(t)];
        }
    be->Helyi.GyakorisagTabla = c.GyakorisagTabla;
    Program& p = Program::aktualis();
    GyakorisagBemenet& g = be->Gyakorisag;
    g.Jatek = p.Jatek;
    g.HuzasSzamsorVariacio = p.Feltetelek.HuzasSzamsorVariacio;
    g.KijeloltSzamok = p.Szamok.KijeloltSzamok;
    g.VariacioMeretFelso = p.Szamok.VariacioMeretFelso;
    g.TartomanyUtolso = v_.StatForras == 1 ? v_.TartomanyUtolso : 0;
    SzamsorBemenet& sz = be->Szamsor;
    sz.Jatek = p.Jatek;
    sz.StatForras = v_.StatForras;
    sz.K = v_.VizsgaltSzamDb;
    sz.TartomanyElso = v_.TartomanyElso;
    sz.TartomanyUtolso = v_.TartomanyUtolso;
    sz.HuzasSzamsorVariacio = p.Feltetelek.HuzasSzamsorVariacio;
    sz.KijeloltSzamok = p.Szamok.KijeloltSzamok;
    sz.KijeloltFoSzamDb = p.Szamok.KijeloltFoSzamDb;
    TalalatiAranyBemenet& ta = be->Talalat;
    ta.Jatek = p.Jatek;
    ta.StatForras = v_.StatForras;
    ta.K = v_.VizsgaltSzamDb;
    ta.TalalatLepes = v_.TalalatLepes;
    ta.FixSzamDb = v_.StatForras == 1 && !p.Feltetelek.HuzasSzamsorVariacio ? p.Szamok.FixSzamDb() : 0;
    ta.TartomanyElso = v_.TartomanyElso;
    ta.TartomanyUtolso = v_.TartomanyUtolso;
    be->FoElso = p.HuzSzama.GetHuzSzamaElso();
    be->FoUtolso = p.HuzSzama.GetHuzSzamaUtolso();
    const std::uint64_t torlesek = torlesek_;
    const DrawsState* huzasok = &p.Huzasok;
    const VariationStore* tar = &p.Tar;
    if (SorszamStatTag(formTag_)) {
        be->Bejaras = SzamsorBejarasBeallitasa(v_, p.Jatek, g.HuzasSzamsorVariacio, g.KijeloltSzamok,
                                               p.Szamok.KijeloltFoSzamDb);
        be->Bejaras.SoronkentiHuzasok = true;
        const bool sajat = v_.StatForras == 0 || g.HuzasSzamsorVariacio;
        be->Bejaras.Poziciok = !sajat;
        if (v_.StatForras == 0)
            be->Bejaras.Huzasok = huzasok;
        be->Dims = sajat ? gameNumberingDims(p.Jatek)
                         : variationNumberingDims(p.Szamok.KijeloltFoSzamDb,
                                                  v_.VizsgaltSzamDb - (p.Jatek.VanPluszSzam ? p.Jatek.PluszSzamDb : 0),
                                                  p.Szamok.KijeloltPluszSzamDb, p.Jatek.PluszSzamDb,
                                                  p.Jatek.VanPluszSzam);
        be->N = v_.TeljesMeret > 0 ? v_.TeljesMeret
                                   : static_cast<std::int64_t>(fullVariationSize(be->Dims).value_or(0));
        be->Sorszam = sorszamTablak_[static_cast<std::size_t>(v_.StatForras == 1 ? 1 : 0)];
        const int i = SzomszedosSzamokCB->currentIndex();
        be->Valasztas = be->Sorszam && i >= 0 && i < static_cast<int>(be->Sorszam->Valasztek.size()) ? i : 0;
    }
    if (SzamkeszletStatTag(formTag_)) {
        be->Bejaras = SzamsorBejarasBeallitasa(v_, p.Jatek, g.HuzasSzamsorVariacio, g.KijeloltSzamok,
                                               p.Szamok.KijeloltFoSzamDb);
        be->Bejaras.Poziciok = true;
        if (v_.StatForras == 0)
            be->Bejaras.Huzasok = huzasok;
        be->Szamkeszlet = szamkeszletTablak_[static_cast<std::size_t>(v_.StatForras == 1 ? 1 : 0)];
        // The text report lists every position; the chart the one chosen.
        const int i = v_.SzamkeszletDiagramStat ? SzomszedosSzamokCB->currentIndex() : 0;
        be->Valasztas = i >= 0 && i < v_.VizsgaltSzamDb ? i : 0;
    }
    if (SzamsorStatTag(formTag_)) {
        be->Bejaras = SzamsorBejarasBeallitasa(v_, p.Jatek, g.HuzasSzamsorVariacio, g.KijeloltSzamok,
                                               p.Szamok.KijeloltFoSzamDb);
        if (v_.StatForras == 0)
            be->Bejaras.Huzasok = huzasok;
        be->Szomszed = szomszedosTablak_[static_cast<std::size_t>(v_.StatForras == 1 ? 1 : 0)];
    }

    MegszakitasLeiras m;
    m.Form = this;
    m.Idozito = Timer3;
    std::shared_ptr<StatFutas> futas = futas_;
    m.Munka = [futas, be, huzasok, tar](std::stop_token st) {
        std::stop_callback leallit(st, [futas] { futas->Leallitas(); });
        TTombInt2D aktiv;
        if (be->Tag <= 2) {
            SzamStatisztikaState s;
            HuzasStatisztika(s, *huzasok, be->Gyakorisag.Jatek, be->FoElso, be->FoUtolso);
            aktiv = be->Tag == 1 ? std::move(s.HanyszorHuztak) : std::move(s.HanyHuzasOta);
        }
        const BlokkSorForras forras(tar->FBontasMatrix, tar->BontSzelvszam, tar->BontMatrixSorHossz);
        if (SzamsorSzamitas(*be, be->Helyi, *huzasok, forras, *futas))
            return;
        if (SorszamStatTag(be->Tag)) {
            be->Bejaras.Variacio = &forras;
            be->Mutat = SorszamStatLekerdezes(be->Tag, be->Helyi, be->Bejaras, be->Dims, be->N, be->Valasztas,
                                              be->Sorszam, *futas, be->Eredmeny);
        } else if (SzamkeszletStatTag(be->Tag)) {
            be->Bejaras.Variacio = &forras;
            be->Mutat = SzamkeszletStatLekerdezes(be->Tag, be->Helyi, be->Bejaras, be->Valasztas, be->Szamkeszlet,
                                                  *futas, be->Eredmeny);
        } else if (SzamsorStatTag(be->Tag)) {
            be->Bejaras.Variacio = &forras;
            be->Mutat = SzamsorStatLekerdezes(be->Tag, be->Helyi, be->Bejaras, *futas, be->Eredmeny, &be->Szomszed);
        } else
            be->Mutat = DiagramLekerdezes(be->Tag, be->Helyi, aktiv, forras, be->Gyakorisag, *futas, be->Eredmeny);
    };
    QPointer<TStatisztika> ablak(this);
    m.VegeKezelo = [this, ablak, be, torlesek](bool sikeres) {
        if (!ablak)
            return;
        // Stored only when the data did not change while it ran.
        if (sikeres && be->Mutat && futas_->StatisztikaFut.load() && torlesek == torlesek_) {
            StatMasolat& c = statMasolat();
            c.Tarolas(be->Tag, be->Eredmeny);
            if (be->Tag == 3)
                c.GyakorisagTabla = be->Helyi.GyakorisagTabla;
            if (SorszamStatTag(be->Tag))
                sorszamTablak_[static_cast<std::size_t>(be->Tag == 25 || be->Tag == 32 ? 1 : 0)] = be->Sorszam;
        }
        tulajdonsagok_ = be->Tulajdonsagok;
        if (be->AzonosUj && be->Mutat)
            azonos_[be->Tag == 12 ? 1 : 0] = std::move(be->Azonos);
        const std::size_t forras = SlotOldala(be->Tag) == StatOldal::Variacio ? 1 : 0;
        // A cancelled number-sets run empties its table; a finished one keeps it.
        if (SzamkeszletStatTag(be->Tag) && torlesek == torlesek_)
            szamkeszletTablak_[forras] = sikeres && be->Mutat ? be->Szamkeszlet : nullptr;
        // A neighbour build keeps the line table of its source.
        if (SzomszedosStatTag(be->Tag) && torlesek == torlesek_ && sikeres && be->Mutat)
            szomszedosTablak_[forras] = be->Szomszed;
        eredmeny_ = std::move(be->Eredmeny);
        sorszamValasztek();
        StatisztikaKeszitesVege(sikeres && be->Mutat);
    };
    szal_ = Megszakitas::Indit(std::move(m));
    if (!szal_) {
        fut_ = false;
        futas_->Leallitas();
        tiltas_.Vege();
        menukAllapota(false);
    }
}

bool TStatisztika::szamKulcsu() const
{
    // The number sets' bars and the neighbours chart's bars of all numbers
    // stand for numbers of the main ticket, as the main-ticket charts' do.
    return v_.SzamkeszletDiagramStat || (v_.SzomszedosDiagramStat && SzomszedosSzamokCB->currentIndex() <= 0);
}

TTombInt2D TStatisztika::szomszedosNezet(const TTombInt2D& t) const
{
    const int i = SzomszedosSzamokCB->currentIndex();
    const int L = i > 0 && i <= static_cast<int>(szomszedHossz_.size()) ? szomszedHossz_[static_cast<std::size_t>(i - 1)] : 0;
    TTombInt2D n = SzomszedosNezet(t, v_.VizsgaltSzamDb, L);
    if (L > 0)
        SzomszedosLancKezdet(n);
    return n;
}

// The range choices of the line-distribution charts in the combo box, the
// one shown selected; the box is hidden for every other statistic.
void TStatisztika::sorszamValasztek()
{
    const QSignalBlocker b(SzomszedosSzamokCB);
    const auto& t = sorszamTablak_[static_cast<std::size_t>(v_.StatForras == 1 ? 1 : 0)];
    if (v_.SzomszedosDiagramStat) {
        SzomszedosSzamokCB->clear();
        SzomszedosSzamokCB->addItem(QStringLiteral("Tételes"));
        szomszedHossz_.clear();
        for (const std::int32_t L : SzomszedHosszLista(eredmeny_.SortArray, v_.VizsgaltSzamDb)) {
            szomszedHossz_.push_back(L);
            SzomszedosSzamokCB->addItem(QString::number(L) + QStringLiteral(" szomszédos szám "));
        }
        SzomszedosSzamokCB->setCurrentIndex(0);
        SzomszedosSzamokCB->setMinimumWidth(SzomszedosSzamokCB->sizeHint().width());
        valasztoTipp();
        return;
    }
    if (v_.SzamkeszletDiagramStat) {
        const int i = SzomszedosSzamokCB->currentIndex();
        SzomszedosSzamokCB->clear();
        for (int p = 1; p <= v_.VizsgaltSzamDb; ++p)
            SzomszedosSzamokCB->addItem(QStringLiteral("Számsor ") + QString::number(p) + QStringLiteral(". száma "));
        SzomszedosSzamokCB->setCurrentIndex(i >= 0 && i < SzomszedosSzamokCB->count() ? i : 0);
        valasztoTipp();
        return;
    }
    if (!SorszamStatTag(formTag_) || !t) {
        SzomszedosSzamokCB->hide();
        return;
    }
    const int i = SzomszedosSzamokCB->currentIndex();
    SzomszedosSzamokCB->clear();
    for (const TartomanyValasztas& c : t->Valasztek)
        SzomszedosSzamokCB->addItem(QString::number(c.L) + QStringLiteral(" tartomány "));
    SzomszedosSzamokCB->setCurrentIndex(i >= 0 && i < SzomszedosSzamokCB->count() ? i : 0);
    valasztoTipp();
}

void TStatisztika::Timer3Timer()
{
    if (!fut_ || !futas_->StatisztikaFut.load())
        return;
    if (v_.SzazalekEgyseg > 0) {
        szazalek_ = std::clamp(futas_->Haladas.load() / v_.SzazalekEgyseg, 0, 100);
        SelectionSortBox->update();
        platform::SetTaskbarProgressValue(szazalek_, 100);
    }
}

void TStatisztika::StatisztikaKeszitesVege(bool sikeres)
{
    platform::SetTaskbarProgressValue(0, 100);
    platform::SetTaskbarProgressState(0);
    const bool kesz = sikeres && futas_->StatisztikaFut.load();
    fut_ = false;
    futas_->Leallitas();
    tiltas_.Vege();
    menukAllapota(false);
    if (!kesz) {
        mod_ = 0;
        SelectionSortBox->update();
        return;
    }
    if (const StatLeiras* l = StatLeirasTag(formTag_); l && !l->Diagram) {
        mod_ = 3;
        jelentesKeszites();
        return;
    }
    mod_ = 2;
    jelentes_ = {};
    SelectionSortBox->setFixedHeight(kerek(alapSzelesseg_ / 2.36));
    Panel2->show();
    ScrollBar1->show();
    AblakMeretBeallitas();
    if (diagramSzelesseg_ > 0)
        resize(diagramSzelesseg_, height());
    // Grown with its result: it keeps off the windows beside it (the run
    // window above all).
    if (isVisible())
        AblakElhelyezese(this);
    modell_.Ujrakezdes(v_.SzomszedosDiagramStat ? szomszedosNezet(eredmeny_.SortArray) : eredmeny_.SortArray);
    if (formTag_ <= 2) {
        Program& p = Program::aktualis();
        HuzasStatisztika(foszelvenyStat_, p.Huzasok, p.Jatek, p.HuzSzama.GetHuzSzamaElso(),
                         p.HuzSzama.GetHuzSzamaUtolso());
    }
    Start(0);
    // A neighbour chart with no neighbours to chart: the text report of the
    // same source shows the lines instead.
    const std::size_t forras = v_.StatForras == 1 ? 1 : 0;
    if (v_.SzomszedosDiagramStat && szomszedosTablak_[forras] && !szomszedosTablak_[forras]->VanSzomszed) {
        const int szoveges = formTag_ == 21 ? 20 : 18;
        QTimer::singleShot(0, this, [this, szoveges, forras] {
            InformacioUzenet(forras == 0 ? QStringLiteral("Nincs szomszédos szám a kijelölt tartományon belül. ")
                                         : QStringLiteral("Nincs szomszédos szám a variáció listájában. "));
            if (isVisible() && !fut_)
                StatisztikaKeszites(szoveges);
        });
    } else if ((v_.EloszlasStat || v_.EgymastKovetoSorStat) && settings().UzenetekLog[11]) {
        QTimer::singleShot(0, this, [this] {
            std::uint8_t& t = settings().UzenetekLog[11];
            if (t && isVisible())
                t = HasznosInformacio(QString::fromUtf8(kTipp11)) ? 1 : 0;
        });
    }
}

void TStatisztika::opciokOlvasasa()
{
    opciok_.Zoom = ZoomCheckBox->isChecked();
    opciok_.Inverz = InverzCheckBox->isChecked();
    opciok_.Mind = MindCheckBox->isChecked();
    opciok_.Mikro = MicroCheckBox->isChecked();
    opciok_.Nano = NanoCheckBox->isChecked();
    opciok_.Elmeleti = ElmeletiCheckBox->isChecked();
    opciok_.Tenyleges = TenylegesCheckBox->isChecked();
    opciok_.Huzas = TimeCheckBox->isChecked();
}

void TStatisztika::opciokKiirasa()
{
    const DiagramEngedelyek& e = modell_.Engedelyek();
    const std::pair<QCheckBox*, bool> allapot[] = {
        {ZoomCheckBox, opciok_.Zoom},         {InverzCheckBox, opciok_.Inverz},
        {MindCheckBox, opciok_.Mind},         {MicroCheckBox, opciok_.Mikro},
        {NanoCheckBox, opciok_.Nano},         {ElmeletiCheckBox, opciok_.Elmeleti},
        {TenylegesCheckBox, opciok_.Tenyleges}, {TimeCheckBox, opciok_.Huzas}};
    for (const auto& [cb, be] : allapot) {
        const QSignalBlocker b(cb);
        cb->setChecked(be);
    }
    ZoomCheckBox->setEnabled(e.Zoom);
    MindCheckBox->setEnabled(e.Mind);
    ElmeletiCheckBox->setEnabled(e.Elmeleti);
    TenylegesCheckBox->setEnabled(e.Tenyleges);
    TimeCheckBox->setEnabled(e.Huzas);
    TimeCheckBox->setText(v_.StatForras == 1 ? QStringLiteral(" Számsor") : QStringLiteral(" Húzás"));
}

DiagramMeretek TStatisztika::meretek() const
{
    DiagramMeretek m;
    m.BetuMeret = settings().BetuMeret;
    m.MeretSzorzo = m.BetuMeret / 8.0;
    m.MeretIndex = std::clamp((m.BetuMeret - 8) / 2, 0, 6);
    m.SorMagassag = QFontMetrics(font()).height();
    m.FestoMagassag = SelectionSortBox->height();
    return m;
}

void TStatisztika::Start(int kuldo)
{
    if (mod_ != 2 || fut_)
        return;
    StaticText1->hide();
    opciokOlvasasa();
    if (kuldo == 1 || kuldo == 7 || kuldo == 8)
        ScrollBar1->setValue(0);
    DiagramBemenet b;
    b.Tag = formTag_;
    b.V = v_;
    b.Jatek = game();
    const StatMasolat& c = statMasolat();
    if (c.Van(formTag_)) {
        b.Gyorsitotar = c.Tablak[static_cast<std::size_t>(formTag_)];
        b.Ertekek = c.Ertekek[static_cast<std::size_t>(formTag_)];
    } else {
        b.Gyorsitotar = eredmeny_.SortArray;
        b.Ertekek = eredmeny_.StatErtekek;
    }
    if (v_.SzomszedosDiagramStat) {
        b.Gyorsitotar = szomszedosNezet(b.Gyorsitotar);
        b.SzomszedosElem = std::max(0, SzomszedosSzamokCB->currentIndex());
    }
    modell_.Start(opciok_, b, meretek(), kuldo == 7);
    opciokKiirasa();
    fejlec_ = q(FejlecSzoveg(formTag_, v_, kornyezet_, static_cast<std::int32_t>(modell_.Tabla().size()),
                             formTag_ == 3 ? BontasFejlec(szamListak().KijeloltFoSzamDb, szamListak().FixSzamDb(),
                                                          game().VanPluszSzam, szamListak().KijeloltPluszSzamDb,
                                                          game().PluszSzamNev, false)
                                           : std::string()));
    AblakMeretBeallitas();
    SelectionSortBox->update();
}

void TStatisztika::EredetiGombClick(int rend)
{
    opciok_.Rendezes = rend;
    Start(0);
}

void TStatisztika::AblakMeretBeallitas()
{
    // No wider than the work area (the frame beside the client area known
    // once the window is shown); as high as what it shows.
    const QScreen* k = screen();
    const int keret = frameGeometry().width() - width();
    const AblakElhelyezes* e = AblakElhelyezes::Keres(this);
    const QRect munka = e ? e->AblakTerulet() : k ? k->availableGeometry() : QRect();
    const int legszelesebb = munka.isValid() ? std::max(1, munka.width() - keret) : QWIDGETSIZE_MAX;
    if (mod_ == 2)
        panelSorai(legszelesebb);
    // Never higher than the area under the main window's toolbar either:
    // the chart then scrolls.
    const int keretMagassag = std::max(0, frameGeometry().height() - height());
    kivantMagassag_ = layout()->totalSizeHint().height() + keretMagassag;
    const int magassag = std::min(layout()->totalSizeHint().height(),
                                  munka.isValid() ? std::max(1, munka.height() - keretMagassag) : QWIDGETSIZE_MAX);
    setMinimumHeight(magassag);
    setMaximumHeight(magassag);
    if (mod_ != 2) {
        // The progress band and the text report keep the width of their text.
        const int w = std::min(mod_ == 3 ? std::max(jelentes_.Szelesseg, minimumSizeHint().width()) : minimalisSzelesseg(),
                               legszelesebb);
        setMinimumWidth(w);
        setMaximumWidth(w);
        return;
    }
    setMinimumWidth(std::min(minimalisSzelesseg(), legszelesebb));
    setMaximumWidth(legszelesebb);
    const int cw = std::max(1, modell_.OszlopSzelesseg());
    const int teljes = modell_.TeljesSzelesseg();
    const int kliens = SelectionSortBox->width();
    ScrollBar1->setPageStep(cw);
    ScrollBar1->setSingleStep(cw);
    ScrollBar1->setRange(0, teljes <= kliens ? 0 : teljes + cw - kliens);
}

void TStatisztika::RandomizeArrays()
{
    SelectionSortBox->update();
    AblakMeretBeallitas();
}

void TStatisztika::ScrollBar1Change(int pos)
{
    const int cw = std::max(1, modell_.OszlopSzelesseg());
    if (pos % cw != 0) {
        ScrollBar1->setValue(pos - pos % cw);
        return;
    }
    SelectionSortBox->update();
}

void TStatisztika::SelectionSortBoxPaint(QPainter& p)
{
    DiagramFestesAdatok a;
    a.Fejlec = fejlec_;
    a.Tag = formTag_;
    a.BetuMeret = settings().BetuMeret;
    a.MeretSzorzo = a.BetuMeret / 8.0;
    a.MeretIndex = std::clamp((a.BetuMeret - 8) / 2, 0, 6);
    a.SorMagassag = QFontMetrics(font()).height();
    if (mod_ == 3) {
        SelectionSortBoxPaint_2(p);
        FejlecFestes(p, SelectionSortBox->width(), a);
        return;
    }
    if (mod_ != 2) {
        p.fillRect(SelectionSortBox->rect(), Qt::white);
        if (mod_ == 1) {
            FejlecFestes(p, SelectionSortBox->width(), a);
            QFont f = p.font();
            f.setPointSize(a.BetuMeret);
            p.setFont(f);
            p.setPen(kHaladasSzin);
            const int ciklusDb = futas_->CiklusDb.load();
            const QString t = ciklusDb <= 1
                                  ? QStringLiteral(" Adatgyűjtés:  %1%").arg(szazalek_)
                                  : QStringLiteral(" Adatgyűjtés %1/%2 ciklus:  %3%")
                                        .arg(futas_->Ciklus.load())
                                        .arg(ciklusDb)
                                        .arg(szazalek_);
            p.drawText(QPoint(a.MeretIndex + 10, kerek(32 * a.MeretSzorzo) + QFontMetrics(f).ascent()), t);
        }
        return;
    }
    a.Gorgetes = ScrollBar1->value();
    a.Nano = NanoCheckBox->isChecked();
    a.MindKitoltes = MindCheckBox->isChecked() || !MindCheckBox->isEnabled();
    a.Jatek = game();
    a.Szamok = &szamListak();
    a.SzamSzerep = szamKulcsu();
    DiagramFestes(p, SelectionSortBox->size(), modell_, a);
}

void TStatisztika::jelentesKeszites()
{
    Program& p = Program::aktualis();
    JelentesBemenet b;
    b.Tag = formTag_;
    b.Jatek = p.Jatek;
    b.V = v_;
    b.Tabla = eredmeny_.SortArray;
    b.Tul = tulajdonsagok_;
    b.Azonos = azonos_[v_.StatForras == 1 ? 1 : 0];
    b.FixSzamDb = p.Feltetelek.HuzasSzamsorVariacio ? 0 : p.Szamok.FixSzamDb();
    b.VariacioMeret = p.Feltetelek.HuzasSzamsorVariacio ? p.Jatek.SzamsorHossz : p.Szamok.VariacioMeret;
    b.HuzasokSzama = p.Huzasok.HuzasokSzama;
    b.BontMatrixMeret = p.Tar.BontMatrixMeret;
    const std::size_t forras = v_.StatForras == 1 ? 1 : 0;
    if (v_.SzomszedosListaStat && szomszedosTablak_[forras])
        b.SzomszedosTabla = szomszedosTablak_[forras]->SzomszedosTabla;
    if (v_.SzamkeszletListaStat && szamkeszletTablak_[forras])
        b.SzamkeszletOsszesito = SzamkeszletOsszesites(*szamkeszletTablak_[forras], v_.VizsgaltSzamDb, forras == 0);
    QFont f(QStringLiteral("Courier New"));
    f.setPointSize(settings().BetuMeret + 1);
    const QFontMetrics fm(f);
    JelentesMeretek m;
    m.MeretSzorzo = settings().BetuMeret / 8.0;
    m.MeretIndex = std::clamp((settings().BetuMeret - 8) / 2, 0, 6);
    if (const QScreen* k = screen())
        m.KepernyoMagassag = k->geometry().height();
    m.Szelesseg = [&fm](const std::string& s) { return fm.horizontalAdvance(q(s)); };
    jelentes_ = SzovegesJelentes(b, m);
    Panel2->hide();
    ScrollBar1->hide();
    SelectionSortBox->setFixedHeight(std::max(jelentes_.Magassag, kerek(60 * m.MeretSzorzo)));
    AblakMeretBeallitas();
    if (isVisible())
        AblakElhelyezese(this);
    SelectionSortBox->update();
}

void TStatisztika::SelectionSortBoxPaint_2(QPainter& p)
{
    p.fillRect(SelectionSortBox->rect(), Qt::white);
    QFont f(QStringLiteral("Courier New"));
    f.setPointSize(settings().BetuMeret + 1);
    p.setFont(f);
    const int emelkedes = QFontMetrics(f).ascent();
    for (const JelentesLepes& l : jelentes_.Lepesek) {
        switch (l.Szin) {
        case JelentesSzin::Sav1:
        case JelentesSzin::Sav2: {
            const int alja = l.SavAlja > 0 ? l.SavAlja : SelectionSortBox->height();
            p.fillRect(QRect(0, l.Y, SelectionSortBox->width(), alja - l.Y),
                       l.Szin == JelentesSzin::Sav1 ? QColor(245, 245, 248) : QColor(235, 235, 238));
            continue;
        }
        case JelentesSzin::Szoveg: p.setPen(QColor(33, 33, 33)); break;
        case JelentesSzin::Ertek: p.setPen(QColor(0, 102, 153)); break;
        case JelentesSzin::Szazalek: p.setPen(QColor(0, 102, 102)); break;
        }
        p.drawText(QPoint(l.X, l.Y + emelkedes), q(l.Szoveg));
    }
}

void TStatisztika::SelectionSortBoxDblClick(QPoint hol)
{
    if (mod_ != 2 || fut_)
        return;
    const int i = modell_.OszlopItt(hol.x(), ScrollBar1->value());
    if (i < 0 || modell_.ZoomAktiv())
        return;
    if (SelectionSortBox->grab().toImage().pixelColor(hol) == QColor(Qt::white))
        return;
    const Qt::KeyboardModifiers mods = QGuiApplication::keyboardModifiers();
    const TTombInt1D& sor = modell_.Tabla()[static_cast<std::size_t>(i)];
    if (mods.testFlag(Qt::ShiftModifier) && mods.testFlag(Qt::ControlModifier)) {
        // The row where the key last occurred.
        const int r = opciok_.Huzas ? sor[static_cast<std::size_t>(1 - modell_.InverzOszlop())] : sor[2];
        if (v_.StatForras == 0) {
            if (r >= 1 && r <= draws().HuzasokSzama)
                emit huzasSorKerve(r, HuzasUgrasOszlop(formTag_, modell_.Kulcs(i),
                                                       draws().Huzasok[static_cast<std::size_t>(r - 1)], game()));
        } else if (r >= 1 && r <= variationStore().BontMatrixMeret) {
            emit variacioSorKerve(r);
        }
        return;
    }
    const int szam = modell_.Kulcs(i);
    if ((formTag_ < 4 || szamKulcsu()) && szam >= 1 && szam <= game().OsszesSzam) {
        emit szamJelolesKerve(szam);
        SelectionSortBox->update();
    }
}

bool TStatisztika::eventFilter(QObject* o, QEvent* e)
{
    // The marker stands under the mouse: its moves and double clicks are
    // the paint box's.
    if (o == StaticText1 && (e->type() == QEvent::MouseMove || e->type() == QEvent::MouseButtonDblClick)) {
        const QPoint hol = StaticText1->mapToParent(static_cast<QMouseEvent*>(e)->position().toPoint());
        SelectionSortBox->UtolsoEger = hol;
        if (e->type() == QEvent::MouseMove)
            SelectionSortBoxMouseMove(hol);
        else
            SelectionSortBoxDblClick(hol);
        return true;
    }
    // The paint box's own hint is off in the nano display: the mouse rests
    // on the marker, whose hint is shown.
    // The option panel's captions grew or shrank (their font came with the
    // showing, a caption changed): one row or two again, the window's size
    // with it.
    if (o == Panel2 && e->type() == QEvent::LayoutRequest && mod_ == 2 && !panelIgazitas_) {
        panelIgazitas_ = true;
        QTimer::singleShot(0, this, [this] {
            panelIgazitas_ = false;
            if (mod_ == 2)
                AblakMeretBeallitas();
        });
    }
    if (o == SelectionSortBox && e->type() == QEvent::ToolTip && StaticText1->isVisible() &&
        !StaticText1->toolTip().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), StaticText1->toolTip(), StaticText1);
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TStatisztika::SelectionSortBoxMouseMove(QPoint hol)
{
    SelectionSortBox->setToolTip(QString());
    StaticText1->hide();
    StaticText1->setToolTip(QString());
    if (mod_ != 2 || fut_)
        return;
    const int fejlecAlja = kerek(28 * settings().BetuMeret / 8.0);
    const int i = modell_.OszlopItt(hol.x(), ScrollBar1->value());
    const StatLeiras* l = StatLeirasTag(formTag_);
    const bool vanTipp = l && l->Diagram;
    if (hol.y() < fejlecAlja || i < 0 || !vanTipp) {
        if (hol.y() < fejlecAlja && width() < modell_.TeljesSzelesseg() && l)
            SelectionSortBox->setToolTip(QStringLiteral(" ") + QString::fromUtf8(l->Felirat) + QStringLiteral(" "));
        return;
    }
    const QColor szin = SelectionSortBox->grab(QRect(hol, QSize(1, 1))).toImage().pixelColor(0, 0);
    if (szin == QColor(Qt::white))
        return;
    const QString tipp = q(DiagramTipp(diagramTippBemenet(i)));
    if (!NanoCheckBox->isChecked()) {
        SelectionSortBox->setToolTip(tipp);
        return;
    }
    // Nano bars are three pixels wide: the hint rides on a marker placed at
    // the mouse, so each bar brings its own.
    QPalette pal = StaticText1->palette();
    pal.setColor(QPalette::Window, szin);
    StaticText1->setPalette(pal);
    StaticText1->setToolTip(tipp);
    StaticText1->move(hol);
    StaticText1->show();
}

DiagramTippBemenet TStatisztika::diagramTippBemenet(int i) const
{
    Program& p = Program::aktualis();
    const GameParams& g = p.Jatek;
    DiagramTippBemenet b;
    b.Tag = formTag_;
    b.Jatek = g;
    const std::int32_t inv = modell_.InverzOszlop();
    const TTombInt1D& d = modell_.Tabla()[static_cast<std::size_t>(i)];
    // The bar's own values are looked up by its key in the result (the
    // neighbours chart: in the view of its table the combo box chose).
    const StatMasolat& c = statMasolat();
    const TTombInt2D& gyorsitotar =
        c.Van(formTag_) ? c.Tablak[static_cast<std::size_t>(formTag_)] : eredmeny_.SortArray;
    const TTombInt2D nezet = v_.SzomszedosDiagramStat ? szomszedosNezet(gyorsitotar) : TTombInt2D{};
    const TTombInt2D& t = v_.SzomszedosDiagramStat ? nezet : gyorsitotar;
    b.Zoom = modell_.ZoomAktiv();
    b.Huzas = opciok_.Huzas;
    b.Inverz = inv == 1;
    const TippSor ts = DiagramTippSor(d, formTag_, inv, b.Huzas);
    b.Kulcs = static_cast<std::int32_t>(formTag_ <= 3 ? modell_.Kulcs(i) : ts.Kulcs);
    b.Ertek = ts.Darab;
    b.Utolso = static_cast<std::int32_t>(ts.Utolso);
    const std::size_t kulcsOszlop = KulcsElol(formTag_) ? 0 : 1;
    const TTombInt1D* sor = nullptr;
    for (const TTombInt1D& r : t)
        if (r.size() > kulcsOszlop && r[kulcsOszlop] == b.Kulcs) {
            sor = &r;
            break;
        }
    auto cella = [&](std::size_t k) -> std::int64_t { return sor && k < sor->size() ? (*sor)[k] : 0; };
    if (sor) {
        b.Ertek = cella(1 - kulcsOszlop);
        b.Utolso = static_cast<std::int32_t>(cella(2));
    }
    if (b.Zoom) {
        // One bar per value: its label counts the rows that share it.
        b.Csoport = d.empty() ? 0 : d[0];
        b.Ertek = d.size() > 1 ? d[1] : 0;
        b.Utolso = d.size() > 2 ? d[2] : 0;
    }
    b.R = v_.VizsgaltSorDb;
    b.VizsgaltPluszDb = v_.VizsgaltPluszDb;
    b.K = v_.VizsgaltSzamDb;
    b.TartomanyUtolso = v_.TartomanyUtolso;
    b.OsszesSor = static_cast<std::int32_t>(t.size());
    b.Ertekek = modell_.Ertekek();
    b.Elmeleti = modell_.ElmeletiMutat();
    b.Tenyleges = modell_.TenylegesMutat();
    b.Mind = MindCheckBox->isChecked();
    b.PluszSorok = modell_.PluszOszlopok();
    b.FoSorok = static_cast<std::int32_t>(modell_.Tabla().size()) - b.PluszSorok;
    if (v_.SzorasStat) {
        // Counted by the 0.001 classes of the deviation, not by the bars.
        b.Alatta = std::llround(b.Ertekek[3]);
        b.Atlagos = std::llround(b.Ertekek[4]);
        b.Felette = std::llround(b.Ertekek[5]);
    } else {
        const AtlagSzamlalo a = DiagramAtlagSzamlalok(modell_.Tabla(), formTag_, inv, b.Huzas, g, b.Ertekek[2]);
        b.Alatta = a.Alatta;
        b.Atlagos = a.Atlagos;
        b.Felette = a.Felette;
    }
    RendezettsegBemenet& r = b.Rendezettseg;
    r.Kulcsok = RendezettsegKulcsok(modell_.Tabla(), formTag_, inv);
    r.PluszOszlopok = modell_.PluszOszlopok();
    r.K = v_.VizsgaltSzamDb;
    std::int64_t szamkeszletUtolso = 1;
    if (const auto& k = szamkeszletTablak_[static_cast<std::size_t>(v_.StatForras == 1 ? 1 : 0)];
        k && !k->empty() && !k->back().empty())
        szamkeszletUtolso = k->back()[0];
    r.Skala = RendezettsegSkala(formTag_, g, p.Szamok.KijeloltPluszSzamDb, r.Kulcsok, r.K, szamkeszletUtolso);

    const std::size_t x = static_cast<std::size_t>(b.Kulcs - 1);
    if (formTag_ <= 2) {
        if (b.Kulcs >= 1 && x < foszelvenyStat_.HanyHuzasOta.size() && !foszelvenyStat_.HanyHuzasOta[x].empty())
            b.HanyHuzasOta = foszelvenyStat_.HanyHuzasOta[x][0];
        if (b.Kulcs >= 1 && x < foszelvenyStat_.HanyszorHuztak.size() && !foszelvenyStat_.HanyszorHuztak[x].empty())
            b.HanyszorHuztak = foszelvenyStat_.HanyszorHuztak[x][0];
    }
    if (formTag_ == 3 || formTag_ == 19) {
        b.SzamTipp = SzamTipp(szamStatisztika(), szamListak(), g, b.Kulcs - 1, false);
        b.KijeloltVagyFix = KijeloltE(szamListak(), b.Kulcs) || FixE(szamListak(), b.Kulcs);
    }
    if (v_.SzamparStat) {
        b.Par1 = static_cast<std::int32_t>(cella(3));
        b.Par2 = static_cast<std::int32_t>(cella(4));
    }
    if (v_.EgymastKovetoSorStat) {
        b.Csokkeno = cella(3);
        b.Novekvo = cella(4);
    }
    if (v_.SzamkeszletDiagramStat)
        b.Pozicio = std::max(0, SzomszedosSzamokCB->currentIndex()) + 1;
    if (v_.SzomszedosDiagramStat) {
        const int ci = SzomszedosSzamokCB->currentIndex();
        b.Lanc = ci > 0 && ci <= static_cast<int>(szomszedHossz_.size()) ? szomszedHossz_[static_cast<std::size_t>(ci - 1)]
                                                                          : 0;
        b.LancSzoveg = SzomszedosSzamokCB->currentText().toStdString();
        // Pairs with the lower and the upper neighbour, from the full table.
        for (const TTombInt1D& rr : gyorsitotar)
            if (rr.size() > 3 && rr[0] == b.Kulcs) {
                b.Elozo = rr[2];
                b.Kovetkezo = rr[3];
                break;
            }
        if (b.Lanc == 0 && !b.Zoom && b.Kulcs >= 1) {
            const std::vector<std::int64_t>& db = szomszedElofordulas();
            if (x < db.size())
                b.Kulonallo = KulonalloElofordulas(gyorsitotar, v_.VizsgaltSzamDb, b.Kulcs, db[x]);
        }
    }
    if (v_.EloszlasStat || v_.EgymastKovetoSorStat) {
        const bool variacio = v_.StatForras == 1;
        const bool sajat = !variacio || p.Feltetelek.HuzasSzamsorVariacio;
        if (const auto& st = sorszamTablak_[variacio ? 1 : 0]) {
            const int ci = SzomszedosSzamokCB->currentIndex();
            const std::size_t f =
                ci >= 0 && static_cast<std::size_t>(ci) < st->Valasztek.size() ? static_cast<std::size_t>(ci) : 0;
            b.TeljesMeret = st->N;
            b.OlvasottSorok = st->Sorok;
            if (f < st->Valasztek.size())
                b.Szelesseg = st->Valasztek[f].W;
        }
        b.IndexAlapu = !sajat;
        b.VeletlenSzamsorok = variacio && variacioOpcioErtekek().VeletlenSzamsorok;
        if (v_.EloszlasStat && b.Kulcs >= 1) {
            const NumberingDims dims =
                sajat ? gameNumberingDims(g)
                      : variationNumberingDims(p.Szamok.KijeloltFoSzamDb,
                                               v_.VizsgaltSzamDb - (g.VanPluszSzam ? g.PluszSzamDb : 0),
                                               p.Szamok.KijeloltPluszSzamDb, g.PluszSzamDb, g.VanPluszSzam);
            const std::int32_t plusz = dims.VanPluszSzam ? dims.e : 0;
            // The line of an ordinal, as the numbers of the game.
            auto szamsor = [&](std::int64_t o) {
                std::vector<std::int32_t> v(static_cast<std::size_t>(std::max(0, dims.lineLength())), 0);
                if (o < 1 || !SorszamSzamsoraTV(static_cast<std::uint64_t>(o), dims, v))
                    return std::vector<std::int32_t>{};
                const TTombByte1D& ksz = p.Szamok.KijeloltSzamok;
                for (std::size_t j = 0; j < v.size(); ++j) {
                    const bool extra = static_cast<std::int32_t>(j) >= dims.m;
                    std::int32_t szam = v[j];
                    if (!sajat) {
                        const std::size_t hol = static_cast<std::size_t>((extra ? p.Szamok.KijeloltFoSzamDb : 0) + v[j] - 1);
                        szam = hol < ksz.size() ? ksz[hol] : 0;
                        if (extra)
                            szam = g.PluszSzamKijelzes(szam);
                    } else if (extra) {
                        szam = g.PluszSzamKijelzes(g.FoSzamKeszlet + v[j]);
                    }
                    v[j] = szam;
                }
                return v;
            };
            const std::int64_t W = std::max<std::int64_t>(1, b.Szelesseg);
            b.ElsoSzamsor = szamsor(W * (b.Kulcs - 1) + 1);
            b.UtolsoSzamsor = szamsor(W * b.Kulcs);
            b.SzamsorPluszDb = plusz;
        }
    }
    return b;
}

const std::vector<std::int64_t>& TStatisztika::szomszedElofordulas() const
{
    if (szomszedElofordulasTag_ == formTag_ && szomszedElofordulasTorles_ == torlesek_)
        return szomszedElofordulas_;
    Program& p = Program::aktualis();
    SzamsorBejarasBemenet be = SzamsorBejarasBeallitasa(v_, p.Jatek, p.Feltetelek.HuzasSzamsorVariacio,
                                                        p.Szamok.KijeloltSzamok, p.Szamok.KijeloltFoSzamDb);
    const BlokkSorForras forras(p.Tar.FBontasMatrix, p.Tar.BontSzelvszam, p.Tar.BontMatrixSorHossz);
    if (v_.StatForras == 0)
        be.Huzasok = &p.Huzasok;
    else
        be.Variacio = &forras;
    StatFutas f;
    f.StatisztikaFut.store(true);
    szomszedElofordulas_ = SzamSorElofordulas(be, f, p.Jatek.OsszesSzam);
    szomszedElofordulasTag_ = formTag_;
    szomszedElofordulasTorles_ = torlesek_;
    return szomszedElofordulas_;
}

void TStatisztika::StatisztikaAktiv(bool kerdes)
{
    if (!isVisible() || fut_)
        return;
    if (kerdes && !JovahagyasKerese(QStringLiteral("Frissíti a") + windowTitle() + QStringLiteral(" ablak tartalmát?")))
        return;
    StatisztikaKeszites(formTag_);
}

void TStatisztika::VMasolatTorles()
{
    ++torlesek_;
    szomszedosTablak_[1].reset();
    statMasolat().VMasolatTorles();
    menukAllapota(fut_);
}

void TStatisztika::AMasolatTorles()
{
    ++torlesek_;
    szomszedosTablak_[0].reset();
    statMasolat().AMasolatTorles();
    menukAllapota(fut_);
}

void TStatisztika::A1MasolatTorles()
{
    ++torlesek_;
    statMasolat().A1MasolatTorles();
    menukAllapota(fut_);
}

void TStatisztika::Reset1Click(int tag)
{
    if (tag == kVariacioReset)
        VMasolatTorles();
    else if (tag == kAdatbazisReset)
        AMasolatTorles();
    else
        A1MasolatTorles();
    if (QAction* a = MenuPont(tag))
        a->setEnabled(false);
    SzomszedosSzamokCB->setCurrentIndex(SzomszedosSzamokCB->count() > 0 ? 0 : -1);
    StatisztikaAktiv(false);
}

void TStatisztika::KilepesClick()
{
    close();
}

void TStatisztika::closeEvent(QCloseEvent* e)
{
    // Closing cancels a run; the result of a cancelled run is not kept.
    futas_->Leallitas();
    QDialog::closeEvent(e);
}

void TStatisztika::reject()
{
    // Esc hides the dialog without a close event: it cancels a run too.
    futas_->Leallitas();
    QDialog::reject();
}

void TStatisztika::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    menukAllapota(fut_);
    std::uint8_t& tipp = settings().UzenetekLog[10];
    if (tipp) {
        QTimer::singleShot(0, this, [this] {
            std::uint8_t& t = settings().UzenetekLog[10];
            if (t && isVisible())
                t = HasznosInformacio(QString::fromUtf8(kTipp10)) ? 1 : 0;
        });
    }
}

void TStatisztika::wheelEvent(QWheelEvent* e)
{
    if (mod_ == 2 && ScrollBar1->isVisible()) {
        const int cw = std::max(1, modell_.OszlopSzelesseg());
        ScrollBar1->setValue(ScrollBar1->value() + (e->angleDelta().y() < 0 ? cw : -cw));
        e->accept();
        return;
    }
    QDialog::wheelEvent(e);
}

void TStatisztika::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    if (mod_ == 2)
        AblakMeretBeallitas();
    // Once per statistic: a window the work area cannot hold says so.
    const QScreen* k = screen();
    if (!isVisible() || !k || figyelmeztetettTag_ == formTag_)
        return;
    const QRect munka = k->availableGeometry();
    // The window is kept on the work area; what it would need is asked about.
    const QSize r = frameGeometry().size().expandedTo(QSize(0, kivantMagassag_));
    if (r.height() <= munka.height() && r.width() <= munka.width())
        return;
    figyelmeztetettTag_ = formTag_;
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            FormHeightSizeWarning(this, false, settings().BetuMeret, settings().UzenetekLog[17],
                                  frameGeometry().size().expandedTo(QSize(0, kivantMagassag_)));
    });
}
