#include "draws/ui/huzlista.h"
#include "app/ui/program.h"

#include "app/folders.h"
#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "draws/ui/keres_panel.h"
#include "app/ui/uzenetek.h"
#include "common/date_helpers.h"
#include "draws/database_file.h"
#include "draws/draw_entry.h"
#include "draws/draw_ranges.h"
#include "draws/ui/huzasok_vezerlo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLayout>
#include <QResizeEvent>
#include <QIcon>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

using namespace kvx;

namespace {

// Rows the window is sized for; a shorter list is shown whole.

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The pictures of the toolbar buttons, drawn on a 32 x 32 grid in the text
// colour; Qt derives the greyed picture of a disabled button itself.
enum class Ikon { Plusz, Beszuras, Ceruza, Minusz, Vissza, Elore, Nagyito, Tartomany, NagyitoLista, Mentes, Lap, Nyomtato, Szelveny };

QIcon ikonRajz(Ikon ikon, const QColor& szin)
{
    QPixmap kep(32, 32);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    QPen toll(szin, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(toll);
    p.setBrush(Qt::NoBrush);
    const auto nyil = [&](QPointF hegy, QPointF a, QPointF b) {
        p.setBrush(szin);
        p.drawPolygon(QPolygonF{hegy, a, b});
        p.setBrush(Qt::NoBrush);
    };
    const auto nagyito = [&] {
        p.drawEllipse(QPointF(13, 13), 8, 8);
        toll.setWidthF(4);
        p.setPen(toll);
        p.drawLine(QPointF(19, 19), QPointF(27, 27));
        toll.setWidthF(2.5);
        p.setPen(toll);
    };
    switch (ikon) {
    case Ikon::Plusz:
        p.drawLine(QPointF(16, 6), QPointF(16, 26));
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
        break;
    case Ikon::Minusz:
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
        break;
    case Ikon::Beszuras:
        p.drawLine(QPointF(12, 8), QPointF(28, 8));
        p.drawLine(QPointF(12, 24), QPointF(28, 24));
        p.drawLine(QPointF(3, 16), QPointF(20, 16));
        nyil(QPointF(28, 16), QPointF(20, 11), QPointF(20, 21));
        break;
    case Ikon::Ceruza:
        p.drawPolygon(QPolygonF{QPointF(6, 26), QPointF(8, 19), QPointF(22, 5), QPointF(27, 10), QPointF(13, 24)});
        p.drawLine(QPointF(8, 19), QPointF(13, 24));
        break;
    case Ikon::Vissza:
    case Ikon::Elore: {
        const bool vissza = ikon == Ikon::Vissza;
        const qreal x = vissza ? 1 : -1;
        QPainterPath ut;
        ut.moveTo(16 + x * -8, 12);
        ut.cubicTo(16 + x * -2, 4, 16 + x * 12, 8, 16 + x * 10, 18);
        ut.lineTo(16 + x * 6, 26);
        p.drawPath(ut);
        nyil(QPointF(16 + x * -12, 14), QPointF(16 + x * -4, 7), QPointF(16 + x * -6, 17));
        break;
    }
    case Ikon::Nagyito:
        nagyito();
        break;
    case Ikon::NagyitoLista:
        nagyito();
        p.drawLine(QPointF(9, 10), QPointF(17, 10));
        p.drawLine(QPointF(9, 14), QPointF(17, 14));
        p.drawLine(QPointF(9, 18), QPointF(17, 18));
        break;
    case Ikon::Tartomany:
        p.drawPolyline(QPolygonF{QPointF(8, 6), QPointF(4, 6), QPointF(4, 26), QPointF(8, 26)});
        p.drawPolyline(QPolygonF{QPointF(24, 6), QPointF(28, 6), QPointF(28, 26), QPointF(24, 26)});
        p.drawLine(QPointF(11, 16), QPointF(21, 16));
        nyil(QPointF(8, 16), QPointF(13, 12), QPointF(13, 20));
        nyil(QPointF(24, 16), QPointF(19, 12), QPointF(19, 20));
        break;
    case Ikon::Mentes:
        p.drawPolygon(QPolygonF{QPointF(5, 5), QPointF(23, 5), QPointF(27, 9), QPointF(27, 27), QPointF(5, 27)});
        p.drawRect(QRectF(10, 5, 11, 7));
        p.drawRect(QRectF(9, 17, 14, 10));
        break;
    case Ikon::Lap:
        p.drawPolygon(QPolygonF{QPointF(7, 4), QPointF(19, 4), QPointF(25, 10), QPointF(25, 28), QPointF(7, 28)});
        p.drawPolyline(QPolygonF{QPointF(19, 4), QPointF(19, 10), QPointF(25, 10)});
        p.drawLine(QPointF(11, 16), QPointF(21, 16));
        p.drawLine(QPointF(11, 21), QPointF(21, 21));
        break;
    case Ikon::Nyomtato:
        p.drawRect(QRectF(9, 4, 14, 8));
        p.drawRect(QRectF(4, 12, 24, 11));
        p.drawRect(QRectF(9, 19, 14, 9));
        break;
    case Ikon::Szelveny:
        for (int sor = 0; sor < 3; ++sor)
            for (int oszlop = 0; oszlop < 3; ++oszlop)
                p.drawRect(QRectF(4 + oszlop * 9, 4 + sor * 9, 6, 6));
        break;
    }
    p.end();
    return QIcon(kep);
}

QColor rgb(std::int32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

std::int32_t szelet(int fajta, int szelet) { return settings().SzelvenyBeallitas[static_cast<std::size_t>(fajta)][static_cast<std::size_t>(szelet)]; }

QColor hatter(HuzCellaHatter h)
{
    switch (h) {
    case HuzCellaHatter::Fejlec: return QApplication::palette().color(QPalette::Button);
    case HuzCellaHatter::Sorszam: return rgb(szelet(1, 2));
    case HuzCellaHatter::Hatter: return rgb(HatterSzin);
    case HuzCellaHatter::Kiemelo: return rgb(KiemeloSzin);
    case HuzCellaHatter::Fajta1Szelet6: return rgb(szelet(1, 6));
    case HuzCellaHatter::Fajta3Szelet6: return rgb(szelet(3, 6));
    case HuzCellaHatter::Fajta3Szelet14: return rgb(szelet(3, 14));
    }
    return Qt::white;
}

void tipp(QAction* a, const std::string& t)
{
    a->setToolTip(qs(t));
    a->setStatusTip(qs(t));
}

void tipp(QAction* a, bool be, const std::string& t)
{
    a->setEnabled(be);
    tipp(a, t);
}

std::int32_t listaElso() { return huzSzama().GetLHuzSzamaElso(); }
std::int32_t listaUtolso() { return huzSzama().GetLHuzSzamaUtolso(); }

// What the selected draw allows while the hit-ratio condition reserves its
// draws (the bounds over the ranges in use, fitted to the table).
FoglaltHuzas foglalt(const HuzasFoglaltsag& f)
{
    const TalalatiAranyTartomanyok& t = f.TalAr;
    std::array<TalalatiTartomany, 10> r{};
    for (std::size_t i = 0; i < r.size() && i < t.ElsoHuzas.size() && i < t.UtolsoHuzas.size(); ++i)
        r[i] = {t.ElsoHuzas[i], t.UtolsoHuzas[i]};
    const std::int32_t n = draws().HuzasokSzama;
    const TalaranyHatarok h = TalaranyHuzSzamaElsoUtolso(r, n, f.DbTartomany, false);
    return FoglaltHuzasok(n, huzLista().KivRekord, f.BontSzelvszam, t.TalArAktiv, h.LegkisebbElso,
                          h.LegnagyobbUtolso);
}

}  // namespace

// ---- Model ----

int THuzTablaModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : draws().HuzasokSzama;
}

int THuzTablaModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : HuzTablaOszlopok(game());
}

QVariant THuzTablaModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return qs(HuzTablaCella(huzLista(), draws(), game(), index.row() + 1, index.column(), listaElso(), listaUtolso()).Szoveg);
}

QVariant THuzTablaModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return qs(HuzTablaFejlec(game(), section).Szoveg);
    if (role == Qt::ForegroundRole)
        return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    return {};
}

void THuzTablaModel::Ujratoltes()
{
    beginResetModel();
    endResetModel();
}

void THuzTablaDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const HuzCella c =
        HuzTablaCella(huzLista(), draws(), game(), index.row() + 1, index.column(), listaElso(), listaUtolso());
    painter->save();
    painter->fillRect(option.rect, hatter(c.Hatter));
    QFont f = option.font;
    f.setBold(c.Vastag);
    painter->setFont(f);
    QColor szin = Qt::black;
    if (c.Szurke)
        szin = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    if (c.Feher)
        szin = Qt::white;
    if (c.Piros)
        szin = Qt::red;
    painter->setPen(szin);
    painter->drawText(option.rect, Qt::AlignCenter, qs(c.Szoveg));
    painter->restore();
}

// ---- Window ----

THuzLista::THuzLista(HuzasokVezerlo& vezerlo, QWidget* parent) : QDialog(parent), vezerlo_(vezerlo)
{
    setObjectName(QStringLiteral("HuzLista"));
    FormCreate();
    connect(&vezerlo_, &HuzasokVezerlo::valtozott, this, &THuzLista::Ujratoltes);
    connect(&vezerlo_, &HuzasokVezerlo::betoltve, this, [this] { betoltve_ = true; });
    connect(&vezerlo_, &HuzasokVezerlo::mentve, this, [this] { ListaAktiv(false); });
    // The table is about to go: the list shows it no longer.
    connect(&vezerlo_, &HuzasokVezerlo::lezaras, this, &THuzLista::close);
    connect(&vezerlo_, &HuzasokVezerlo::bevitelVege, this, &THuzLista::BevitelVege);
    // The draw-search ticket counted its marks: the list shows (opening
    // when closed) the classes that occur; the search ended: the panel goes.
    connect(&vezerlo_, &HuzasokVezerlo::keresValtozott, this, [this] {
        if (!isVisible())
            Start();
        KeresPanelBe();
        SzelvKijelzes();
    });
    connect(&vezerlo_, &HuzasokVezerlo::keresTorolve, this, [this] {
        KeresPanelKi();
        SzelvKijelzes();
    });
    connect(&vezerlo_, &HuzasokVezerlo::tartomanyokValtoztak, this, [this](int mod) {
        // Mode 3 is the list's own range: its shading and tallies follow it.
        if (mod == 3) {
            Ujratoltes();
            SzelvKijelzes();
        }
    });
}

void THuzLista::FormCreate()
{
    setWindowTitle(QStringLiteral(" Húzások listája"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    // The window is only as wide as its grid: the buttons show pictures, and
    // their full captions stand in the hints and wherever text is shown.
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto gomb = [this](const char* nev, const char* felirat, Ikon ikon, const char* t, int tag) {
        QAction* a = ToolBar1->addAction(QString::fromUtf8(felirat));
        a->setObjectName(QString::fromUtf8(nev));
        a->setIcon(ikonRajz(ikon, palette().color(QPalette::ButtonText)));
        a->setData(tag);
        tipp(a, t);
        return a;
    };
    BovitesGomb = gomb("BovitesGomb", "Hozzáadás", Ikon::Plusz, " Húzás hozzáadása ", 1);
    BeszurasGomb = gomb("BeszurasGomb", "Beszúrás", Ikon::Beszuras, " Húzás beszúrása ", 1);
    ModositasGomb = gomb("ModositasGomb", "Módosítás", Ikon::Ceruza, " Kijelölt húzás módosítása ", 1);
    TorlesGomb = gomb("TorlesGomb", "Törlés", Ikon::Minusz, " Kijelölt húzás törlése ", 1);
    VisszaGomb = gomb("VisszaGomb", "Visszavonás", Ikon::Vissza, " Nincs visszavonható művelet ", 0);
    MegseGomb = gomb("MegseGomb", "Visszavonás törlése", Ikon::Elore, " Nincs visszavonható művelet ", 0);
    ToolBar1->addSeparator();
    KeresesGomb = gomb("KeresesGomb", "Keresés", Ikon::Nagyito, " Kijelölt számsor találati arányai - tételes keresés ", 0);
    ToolButton1 = gomb("ToolButton1", "Húzások száma", Ikon::Tartomany,
                       " Húzások számának (keresési tartomány) beállítása ", 0);
    KeresVariaciobanGomb = gomb("KeresVariaciobanGomb", "Keresés a variációban", Ikon::NagyitoLista,
                                " Nincs kész variáció ", 0);
    ToolBar1->addSeparator();
    MentesGomb = gomb("MentesGomb", "Mentés", Ikon::Mentes, " Nincs mentésre váró adat ", 0);
    ToolButton2 = gomb("ToolButton2", "Nyomtatás állományba", Ikon::Lap, " Lista nyomtatása állományba - előnézet ", 0);
    NyomtatasGomb = gomb("NyomtatasGomb", "Nyomtatás", Ikon::Nyomtato, " Lista papíralapú nyomtatása ", 0);
    ToolButton4 = gomb("ToolButton4", "Segédszelvény", Ikon::Szelveny, " Segédszelvény elrejtése ", 0);
    for (QAction* a : {KeresVariaciobanGomb, ToolButton2, NyomtatasGomb, VisszaGomb, MegseGomb, MentesGomb})
        a->setEnabled(false);
    fo->addWidget(ToolBar1);

    connect(BovitesGomb, &QAction::triggered, this, &THuzLista::BovitesGombClick);
    connect(BeszurasGomb, &QAction::triggered, this, &THuzLista::BeszurasGombClick);
    connect(ModositasGomb, &QAction::triggered, this, &THuzLista::ModositasGombClick);
    connect(TorlesGomb, &QAction::triggered, this, &THuzLista::TorlesGombClick);
    connect(VisszaGomb, &QAction::triggered, this, &THuzLista::VisszaGombClick);
    connect(MegseGomb, &QAction::triggered, this, &THuzLista::MegseGombClick);
    connect(MentesGomb, &QAction::triggered, this, &THuzLista::MentesGombClick);
    connect(ToolButton1, &QAction::triggered, this, &THuzLista::ToolButton1Click);
    connect(ToolButton4, &QAction::triggered, this, &THuzLista::ToolButton4Click);
    connect(KeresesGomb, &QAction::triggered, this, &THuzLista::KeresesGombClick);
    connect(KeresVariaciobanGomb, &QAction::triggered, this, &THuzLista::KeresVariaciobanGombClick);
    // The printouts are the database menu's commands.
    connect(ToolButton2, &QAction::triggered, this, [this] { emit parancsKerve(ParancsId::Nyomtats3); });
    connect(NyomtatasGomb, &QAction::triggered, this, [this] { emit parancsKerve(ParancsId::Listanyomtatsa1); });

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    auto* nav = new QHBoxLayout(Panel1);
    nav->setContentsMargins(1, 1, 1, 1);
    nav->setSpacing(0);
    auto navGomb = [this, nav](const char* nev, const char* felirat, const char* t) {
        auto* b = new QPushButton(QString::fromUtf8(felirat), Panel1);
        b->setObjectName(QString::fromUtf8(nev));
        b->setToolTip(QString::fromUtf8(t));
        b->setAutoDefault(false);
        nav->addWidget(b);
        return b;
    };
    EloreGomb = navGomb("EloreGomb", "|<", " Első húzás ");
    EloreLapozGomb = navGomb("EloreLapozGomb", "<<", " Vissza lapoz ");
    HatraLapozGomb = navGomb("HatraLapozGomb", ">>", " Tovább lapoz ");
    HatraGomb = navGomb("HatraGomb", ">|", " Utolsó húzás ");
    connect(EloreGomb, &QPushButton::clicked, this, &THuzLista::EloreGombClick);
    connect(EloreLapozGomb, &QPushButton::clicked, this, &THuzLista::EloreLapozGombClick);
    connect(HatraLapozGomb, &QPushButton::clicked, this, &THuzLista::HatraLapozGombClick);
    connect(HatraGomb, &QPushButton::clicked, this, &THuzLista::HatraGombClick);
    fo->addWidget(Panel1);

    model_ = new THuzTablaModel(this);
    HuzTabla = new QTableView(this);
    HuzTabla->setObjectName("HuzTabla");
    HuzTabla->setModel(model_);
    HuzTabla->setItemDelegate(new THuzTablaDelegate(HuzTabla));
    HuzTabla->setSelectionMode(QAbstractItemView::NoSelection);
    HuzTabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HuzTabla->setShowGrid(true);
    HuzTabla->setFrameShape(QFrame::NoFrame);
    HuzTabla->verticalHeader()->hide();
    HuzTabla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    HuzTabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    HuzTabla->horizontalHeader()->setHighlightSections(false);
    HuzTabla->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HuzTabla->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(HuzTabla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& cur, const QModelIndex&) {
                if (cur.isValid() && !valasztas_)
                    HuzTablaSelectCell(cur.column(), cur.row() + 1);
            });
    fo->addWidget(HuzTabla, 1);
    Pldabonts1 = new QAction(QStringLiteral("Példabontás"), HuzTabla);
    Pldabonts1->setObjectName("Pldabonts1");
    tipp(Pldabonts1, " Példabontás (variáció) készítése a kijelölt húzás számsora alapján ");
    HuzTabla->addAction(Pldabonts1);
    HuzTabla->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(Pldabonts1, &QAction::triggered, this, &THuzLista::Pldabonts1Click);

    KeresPanel = new TKeresPanel(this);
    KeresPanel->hide();
    fo->addWidget(KeresPanel);
    connect(KeresPanel, &TKeresPanel::valasztas, this, &THuzLista::KeresBoxSelect);
    connect(KeresPanel, &TKeresPanel::elsore, this, [this] { ElsoreKeresGombClick(); });
    connect(KeresPanel, &TKeresPanel::utolsora, this, [this] { UtolsoraKeresGombClick(); });
    connect(KeresPanel, &TKeresPanel::tovabb, this, &THuzLista::TovabbKeresGombClick);
    connect(KeresPanel, &TKeresPanel::vissza, this, &THuzLista::VisszaKeresGombClick);

    auto* panel2 = new QFrame(this);
    panel2->setObjectName("Panel2");
    auto* p2 = new QHBoxLayout(panel2);
    KilepesGomb = new QPushButton(QStringLiteral("Kilépés"), panel2);
    KilepesGomb->setObjectName("KilepesGomb");
    KilepesGomb->setAutoDefault(false);
    p2->addStretch();
    p2->addWidget(KilepesGomb);
    p2->addStretch();
    connect(KilepesGomb, &QPushButton::clicked, this, &THuzLista::KilepesGombClick);
    fo->addWidget(panel2);
}

void THuzLista::Elrendezes()
{
    const GameParams& g = game();
    const int sorMagassag = QFontMetrics(font()).height();
    const double meret = font().pointSizeF() > 8 ? font().pointSizeF() / 8.0 : 1.0;
    const int szamOszlop = static_cast<int>(std::lround(sorMagassag * 2.28));
    ToolBar1->setIconSize(QSize(sorMagassag, sorMagassag));
    const int d = g.HuzottSzamok;
    int elso = static_cast<int>(std::lround(meret * 86));
    if (d < 7)
        elso += (7 - d) * szamOszlop;
    HuzTabla->horizontalHeader()->setMinimumSectionSize(4);
    HuzTabla->setColumnWidth(0, elso);
    HuzTabla->setColumnWidth(1, static_cast<int>(std::lround(meret * 16)) + 2 * sorMagassag);
    HuzTabla->setColumnWidth(2, static_cast<int>(std::lround(meret * 16)) + sorMagassag);
    for (int c = 3; c < model_->columnCount(); ++c)
        HuzTabla->setColumnWidth(c, szamOszlop);
    const int sorM = static_cast<int>(std::lround(meret * 21));
    HuzTabla->verticalHeader()->setDefaultSectionSize(sorM);
    HuzTabla->horizontalHeader()->setFixedHeight(sorM);
    int szelesseg = HuzTabla->verticalScrollBar()->sizeHint().width() + 2;
    for (int c = 0; c < model_->columnCount(); ++c)
        szelesseg += HuzTabla->columnWidth(c);
    setFixedWidth(szelesseg);
    // The rows the window is sized for, the heading row among them.
    const int sorok = std::min(LathatoSorok, std::max(draws().HuzasokSzama, 1) + 1);
    HuzTabla->setMinimumHeight(sorM * 2 + sorM);
    ++sajatMeretezes_;
    setMaximumHeight(QWIDGETSIZE_MAX);
    resize(szelesseg, RacsonKivul() + sorM * sorok + 2);
    --sajatMeretezes_;
    MagassagIgazitas();
}

// The height of everything but the grid. Taken from the layout's wishes, not
// from the current geometry: right after a resize the children may not have
// been laid out anew yet.
int THuzLista::RacsonKivul() const
{
    QLayout* l = layout();
    const int i = l ? l->indexOf(HuzTabla) : -1;
    if (i < 0)
        return height() - HuzTabla->height();
    l->activate();
    return l->sizeHint().height() - l->itemAt(i)->sizeHint().height();
}

// The window shows every row while they are fewer than the rows it is sized
// for: it grows with the list while draws are entered, and never stands
// taller than all its rows need when they fit under the main window.
void THuzLista::MagassagIgazitas()
{
    const int sorM = HuzTabla->verticalHeader()->defaultSectionSize();
    const int n = std::max(draws().HuzasokSzama, 1);
    const int teljes = RacsonKivul() + sorM * (n + 1) + 2;
    const QWidget* fo = parentWidget();
    ++sajatMeretezes_;
    setMaximumHeight(fo && teljes < fo->height() ? teljes : QWIDGETSIZE_MAX);
    if (n + 1 < LathatoSorok && height() != teljes) {
        resize(width(), teljes);
        // Grown with its rows past the work area's bottom: placed again.
        const AblakElhelyezes* e = AblakElhelyezes::Keres(this);
        if (isVisible() && e && !e->MunkaTerulet().contains(frameGeometry()))
            AblakElhelyezese(this);
    }
    --sajatMeretezes_;
}

void THuzLista::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    // Resized by the user: the window keeps that many rows from now on (the
    // heading row counted); its own sizing and the placement's do not count.
    if (isVisible() && sajatMeretezes_ == 0 && !property("kvxElhelyezes").toBool() &&
        e->oldSize().height() != e->size().height()) {
        if (QLayout* l = layout())
            l->activate();
        LathatoSorok = LathatoSorokSzama() + 1;
    }
    if (draws().AdatbazisBetoltve && isVisible())
        NavigacioAllapot();
}

int THuzLista::LathatoSorokSzama() const
{
    const int h = HuzTabla->verticalHeader()->defaultSectionSize();
    return h > 0 ? std::max(1, HuzTabla->viewport()->height() / h) : 1;
}

void THuzLista::Ujratoltes()
{
    model_->Ujratoltes();
    // A table without draws has nothing to print.
    const bool nyomtathato = draws().AdatbazisBetoltve && draws().HuzasokSzama > 0;
    ToolButton2->setEnabled(nyomtathato);
    NyomtatasGomb->setEnabled(nyomtathato);
}

void THuzLista::Start()
{
    if (!draws().AdatbazisBetoltve)
        return;
    // The caption names the kind of database loaded, as the questions about
    // its unsaved edits quote it.
    setWindowTitle(QStringLiteral(" %1 ").arg(QString::fromStdString(adatbazisFajta().AdatbazisFelirat)));
    // The grid's rebuild moves its cursor: the selected draw is kept here.
    const int kivalasztott = huzLista().KivRekord;
    Ujratoltes();
    Elrendezes();
    show();
    raise();
    // A freshly loaded table opens at its last draw; otherwise the list
    // opens at the draw that was selected.
    if (betoltve_)
        HatraGombClick();
    else
        Kivalaszt(kivalasztott);
    betoltve_ = false;
    ListaAktiv(huzLista().HuzasokModositva);
}

void THuzLista::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    AblakElhelyezese(this);
    if (SegedszelvenyLathato)
        emit segedszelvenyLathato(true);
    SzelvKijelzes();
    if (vezerlo_.KeresAktiv())
        KeresPanelBe();
    HuzTabla->setFocus();
}

void THuzLista::closeEvent(QCloseEvent* e)
{
    KeresPanelKi();
    emit segedszelvenyLathato(false);
    QDialog::closeEvent(e);
}

void THuzLista::KilepesGombClick()
{
    close();
}

void THuzLista::Kivalaszt(int sor)
{
    const int n = draws().HuzasokSzama;
    if (n < 1)
        return;
    sor = std::clamp(sor, 1, n);
    const int oszlop = huzLista().KivSzamsorOszlop;
    valasztas_ = true;
    HuzTabla->setCurrentIndex(model_->index(sor - 1, oszlop));
    valasztas_ = false;
    HuzTablaSelectCell(oszlop, sor);
    HuzTabla->scrollTo(model_->index(sor - 1, 0));
}

void THuzLista::HuzTablaSelectCell(int oszlop, int sor)
{
    if (!draws().AdatbazisBetoltve)
        return;
    kvx::HuzTablaSelectCell(huzLista(), draws(), game(), oszlop, sor);
    if (KeresPanel->isVisible()) {
        // The caption tells whether the row is a match of the class; off a
        // match both pairs of search buttons go again.
        const bool talalat = KeresPanel->Minden() ||
                             vezerlo_.KeresLepes(KeresPanel->KeresMin(), KeresPanel->KeresMax(), false).Talalat(KivSzamsor());
        KeresPanel->CimkeKiemeles(talalat);
        if (!talalat)
            KeresPanel->TovabbVisszaAllapot();
    }
    SzelvKijelzes();
    HuzTabla->viewport()->update();
}

void THuzLista::EloreGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    Kivalaszt(1);
}

void THuzLista::HatraGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    Kivalaszt(draws().HuzasokSzama);
}

void THuzLista::EloreLapozGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    const int lap = LathatoSorokSzama();
    const int kiv = huzLista().KivRekord;
    const int cel = kiv <= lap ? 1 : kiv - lap;
    Kivalaszt(cel);
    HuzTabla->scrollTo(model_->index(cel - 1, 0), QAbstractItemView::PositionAtTop);
}

void THuzLista::HatraLapozGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    const int lap = LathatoSorokSzama();
    const int n = draws().HuzasokSzama;
    const int kiv = huzLista().KivRekord;
    Kivalaszt(kiv > n - lap ? n : kiv + lap);
}

void THuzLista::NavigacioAllapot()
{
    const HuzListaState& s = huzLista();
    const int n = draws().HuzasokSzama;
    const int lap = LathatoSorokSzama();
    // Paging only while at least two draws are out of sight.
    const bool lapoz = n - lap >= 2;
    EloreGomb->setEnabled(lapoz && s.KivRekord > 1);
    HatraGomb->setEnabled(lapoz && s.KivRekord < n);
    EloreLapozGomb->setEnabled(EloreGomb->isEnabled() && s.KivRekord > lap);
    HatraLapozGomb->setEnabled(HatraGomb->isEnabled() && s.KivRekord < n - lap + 1);
}

void THuzLista::SzelvKijelzes()
{
    HuzListaState& s = huzLista();
    const DrawsState& d = draws();
    const GameParams& g = game();
    GetKivRekord(s, d);
    MagassagIgazitas();
    if (!d.AdatbazisBetoltve || !isVisible())
        return;
    const int n = d.HuzasokSzama;
    NavigacioAllapot();

    const bool bovithato = n < kMaxHuzasDb;
    const std::string teli = " Az adatbázis mérete elérte a maximumot - nem bővíthető ";
    tipp(BovitesGomb, bovithato, bovithato ? " Húzás hozzáadása " : teli);
    tipp(BeszurasGomb, bovithato && n > 0, bovithato ? " Húzás beszúrása " : teli);
    tipp(ModositasGomb, n > 0, " Kijelölt húzás módosítása ");
    tipp(TorlesGomb, n > 0, " Kijelölt húzás törlése ");
    const FoglaltHuzas f = foglalt(vezerlo_.Foglaltsag());
    if (!f.Beszuras)
        tipp(BeszurasGomb, false, f.BeszurasTipp);
    if (!f.Modositas)
        tipp(ModositasGomb, false, f.ModositasTipp);
    if (!f.Torles)
        tipp(TorlesGomb, false, f.TorlesTipp);

    // No edits while a search is open.
    if (vezerlo_.KeresAktiv())
        for (QAction* a : {BovitesGomb, BeszurasGomb, ModositasGomb, TorlesGomb})
            tipp(a, false, " Számsor keresése aktív: nem engedélyezett funkció ");

    // Without a draw there is nothing to show: no marks, no range, no tally.
    if (n <= 0) {
        s.IsmetlodoHuzas = 0;
        HuzTabla->setToolTip(QString());
        emit huzasKijelzes({}, {}, kvx::HLRiport{});
        return;
    }
    TalalatEloszlasSzamitas(s, d, g, listaElso(), listaUtolso());
    HLRiportKiir();
}

bool THuzLista::SorsolasValtas(int key)
{
    kvx::SorsolasBillentyu k;
    switch (key) {
    case Qt::Key_Left: k = kvx::SorsolasBillentyu::Balra; break;
    case Qt::Key_Right: k = kvx::SorsolasBillentyu::Jobbra; break;
    case Qt::Key_Tab: k = kvx::SorsolasBillentyu::Tab; break;
    default: return false;
    }
    // The list must be able to take the keys: shown, and not behind a modal window.
    const QWidget* modal = QApplication::activeModalWidget();
    if (!HuzTabla || !isVisible() || !KilepesGomb->isVisible() || !KilepesGomb->isEnabled() ||
        (modal && modal != this))
        return false;
    const QModelIndex most = HuzTabla->currentIndex();
    const int sor = most.isValid() ? most.row() + 1 : huzLista().KivRekord;
    const std::optional<std::int32_t> oszlop = kvx::SorsolasValtoOszlop(huzLista(), draws(), game(), sor, k);
    if (!oszlop)
        return false;
    HuzTabla->setCurrentIndex(model_->index(sor - 1, *oszlop));
    return true;
}

void THuzLista::HLRiportKiir()
{
    HuzListaState& s = huzLista();
    const HLRiport r = kvx::HLRiportKiir(s, draws(), game(), listaElso(), listaUtolso());
    HuzTabla->setToolTip(s.IsmetlodoHuzas > 0 ? qs(IsmetlodoHuzasTipp(s.KivRekord)) : QString());
    if (s.IsmetlodoHuzas > 0 && settings().Hangjelzes)
        QApplication::beep();
    emit huzasKijelzes(s.KivSzamok, s.KivPotSzamok, r);
}

void THuzLista::ListaAktiv(bool modositott)
{
    const bool emlekezteto = isVisible() && isEnabled() && !vezerlo_.BevitelFolyamatban();
    const ListaAktivAllapot a =
        kvx::ListaAktiv(huzLista(), modositott, draws().AdatbazisBetoltve, BovitesGomb->isEnabled(), emlekezteto);
    tipp(MentesGomb, a.Mentes, a.MentesTipp);
    emit mentesAllapot(a.Mentes, qs(a.MentesTipp));
    tipp(VisszaGomb, a.Vissza, a.VisszaTipp);
    tipp(MegseGomb, a.Megse, a.MegseTipp);
    if (a.Emlekezteto && JovahagyasKerdes(qs(MentesEmlekeztetoKerdes(huzLista()))))
        vezerlo_.AdatbazisMentese();
}

void THuzLista::MentesGombClick()
{
    vezerlo_.AdatbazisMentese();
}

void THuzLista::ToolButton1Click()
{
    HuzSzamaKornyezet k;
    k.N = draws().HuzasokSzama;
    k.EzresElvalaszto = QLocale().groupSeparator().toStdString();
    k.ListaFelirat = windowTitle().toStdString();
    emit tartomanyBeallitas(k);
}

void THuzLista::ToolButton4Click()
{
    SegedszelvenyLathato = !SegedszelvenyLathato;
    tipp(ToolButton4, SegedszelvenyLathato ? " Segédszelvény elrejtése " : " Segédszelvény megjelenítése ");
    emit segedszelvenyLathato(SegedszelvenyLathato && isVisible());
}

bool THuzLista::BBMElokesztes()
{
    const GameParams& g = game();
    if (draws().HuzasokSzama >= kMaxHuzasDb)
        return false;
    VagolapState& v = vagolap();
    // The modifier mode held when the command started is used up here.
    v.VagolapBillentyuMod = mainState().BillentyuMod;
    mainState().BillentyuMod = 0;
    const QString szoveg = QGuiApplication::clipboard()->text();
    v.VagolapVan = (v.VagolapBillentyuMod == 300 || v.VagolapBillentyuMod == 350) && !szoveg.isEmpty();
    v.VagolapSzoveg.clear();
    v.VagolapPotSzamDb = 0;
    v.VagolapMindketSzamsor = true;
    v.VagolapSorrend = false;
    if (!v.VagolapVan)
        return true;
    const std::string t = szoveg.toStdString();
    const std::string hiba = VagolapMeretHiba(g, t.size());
    if (!hiba.empty()) {
        FigyelmeztetoUzenet(qs(hiba));
        emit bevitelTipp(qs(hiba));
        v.VagolapVan = false;
        return false;
    }
    v.VagolapSzoveg = t;
    if (g.TobbSorsolas)
        v.VagolapMindketSzamsor = JovahagyasKerdes(QStringLiteral("Húzásonként mindkét számsort tartalmazza a vágólap?"));
    if (huzLista().MuveletKod == MuveletBeszuras && t.size() >= static_cast<std::size_t>(2 * g.HuzottSzamok))
        v.VagolapSorrend = JovahagyasKerdes(
            QStringLiteral("A vágólapra másolt számsorok sorrendje szerint módosítja az adatbázist?"));
    if (v.VagolapBillentyuMod == 350 && huzLista().MuveletKod != MuveletModositas && g.VanPotSzam)
        v.VagolapPotSzamDb = g.PotSzamok * g.SorsolasokSzama;
    return true;
}

void THuzLista::BevitelInditas()
{
    Kivalaszt(huzLista().KivRekord);
    // The grid rests until the entry closes (BevitelVege).
    HuzTabla->setEnabled(false);
    vezerlo_.BevitelInditas();
}

void THuzLista::BovitesGombClick()
{
    if (!draws().AdatbazisBetoltve)
        return;
    huzLista().MuveletKod = MuveletBovites;
    if (!BBMElokesztes())
        return;
    if (vezerlo_.BovitesKezdes())
        BevitelInditas();
}

void THuzLista::BeszurasGombClick()
{
    if (!draws().AdatbazisBetoltve)
        return;
    if (!foglalt(vezerlo_.Foglaltsag()).Beszuras)
        return;
    huzLista().MuveletKod = MuveletBeszuras;
    if (!BBMElokesztes())
        return;
    if (vezerlo_.BeszurasKezdes())
        BevitelInditas();
}

void THuzLista::ModositasGombClick()
{
    if (!draws().AdatbazisBetoltve || draws().HuzasokSzama < 1 || !foglalt(vezerlo_.Foglaltsag()).Modositas)
        return;
    huzLista().MuveletKod = MuveletModositas;
    BBMElokesztes();
    vezerlo_.ModositasKezdes();
    HuzTabla->setEnabled(false);
    vezerlo_.BevitelInditas();
}

void THuzLista::TorlesGombClick()
{
    if (!draws().AdatbazisBetoltve || draws().HuzasokSzama < 1 || !foglalt(vezerlo_.Foglaltsag()).Torles)
        return;
    auto& naplo = settings().UzenetekLog;
    if (naplo[24])
        naplo[24] = HasznosInformacio(QString::fromUtf8(kTorlesTipp)) ? 1 : 0;
    const SzerkesztesEredmeny e = vezerlo_.HuzasTorles();
    Kivalaszt(huzLista().KivRekord);
    if (e.TalArErtesites)
        InformacioUzenet(QString::fromUtf8(kTalArModosultUzenet));
    ListaAktiv(true);
}

void THuzLista::BevitelVege(bool elfogadva, bool talArErtesites)
{
    HuzTabla->setEnabled(true);
    setEnabled(true);
    Kivalaszt(huzLista().KivRekord);
    if (talArErtesites)
        InformacioUzenet(QString::fromUtf8(kTalArModosultUzenet));
    show();
    if (elfogadva) {
        ListaAktiv(true);
        if (vagolap().VagolapVan)
            QTimer::singleShot(0, this, [this] { VagolapFolytatas(); });
        else if (HuzBeUjraNyitas(adatbazisFajta().AdatbazisTipus, huzLista().MuveletKod,
                                 vagolap().VagolapBillentyuMod))
            // On a user's own database draws are entered one after the other
            // until Mégse.
            QTimer::singleShot(0, this, [this] { BovitesGombClick(); });
    }
    HuzTabla->setFocus();
}

void THuzLista::VagolapFolytatas()
{
    VagolapState& v = vagolap();
    const std::int32_t kod = huzLista().MuveletKod;
    if (!v.VagolapVan || !VagolapHuzasVan(game(), v) || (kod != MuveletBovites && kod != MuveletBeszuras))
        return;
    if (kod == MuveletBovites) {
        if (vezerlo_.BovitesKezdes())
            BevitelInditas();
    } else {
        if (v.VagolapSorrend)
            huzLista().KivRekord = std::min(huzLista().KivRekord + 1, draws().HuzasokSzama);
        if (vezerlo_.BeszurasKezdes())
            BevitelInditas();
    }
}

void THuzLista::VisszaGombClick()
{
    SzerkesztesEredmeny e;
    if (vezerlo_.Visszavonas(e)) {
        Kivalaszt(huzLista().KivRekord);
        if (e.TalArErtesites)
            InformacioUzenet(QString::fromUtf8(kTalArModosultUzenet));
    }
    ListaAktiv(true);
}

void THuzLista::MegseGombClick()
{
    SzerkesztesEredmeny e;
    if (vezerlo_.Ujra(e)) {
        Kivalaszt(huzLista().KivRekord);
        if (e.TalArErtesites)
            InformacioUzenet(QString::fromUtf8(kTalArModosultUzenet));
    }
    ListaAktiv(true);
}

// ---- Search by hits ----

SzamsorHely THuzLista::KivSzamsor() const
{
    const HuzListaState& s = huzLista();
    return {s.KivRekord, s.KivSzamsorOszlop == 3 ? 0 : 1};
}

void THuzLista::KeresKivalaszt(SzamsorHely h)
{
    if (h.Huzas < 1)
        return;
    const int oszlop = SzamsorOszlop(game(), h.Sorsolas);
    valasztas_ = true;
    HuzTabla->setCurrentIndex(model_->index(h.Huzas - 1, oszlop));
    valasztas_ = false;
    HuzTablaSelectCell(oszlop, h.Huzas);
    HuzTabla->scrollTo(model_->index(h.Huzas - 1, 0));
}

void THuzLista::KeresesGombClick()
{
    const HuzListaState& s = huzLista();
    if (!draws().AdatbazisBetoltve || draws().HuzasokSzama < 1)
        return;
    // Shift+Ctrl: an empty search ticket.
    const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (mainState().BillentyuMod == 200 || m == (Qt::ShiftModifier | Qt::ControlModifier)) {
        vezerlo_.KeresesInditas();
        return;
    }
    TTombByte1D pot;
    if (game().VanPotSzam)
        pot = s.KivPotSzamok;
    const QString felirat = QStringLiteral(" Keres: húzások %1. számsora")
                                .arg(GetKivSzamsorSorszama(game(), s.KivRekord, s.KivSzamsorOszlop));
    vezerlo_.KeresesInditas(s.KivSzamok, pot, felirat);
}

void THuzLista::KeresPanelBe()
{
    if (!isVisible())
        return;
    const TTombInt1D& t = vezerlo_.HuzKeresTalalatok();
    if (!vezerlo_.KeresAktiv() || !VanTalalat(t, 0)) {
        KeresPanelKi();
        return;
    }
    if (!KeresPanel->isVisible()) {
        const int h = KeresPanel->sizeHint().height();
        KeresPanel->show();
        ++sajatMeretezes_;
        setMinimumHeight(minimumHeight() + h);
        MagassagIgazitas();
        resize(width(), height() + h);
        --sajatMeretezes_;
    }
    KeresPanel->Feltoltes(game(), t);
}

void THuzLista::KeresPanelKi()
{
    if (!KeresPanel->isVisible())
        return;
    const int h = KeresPanel->height();
    KeresPanel->hide();
    ++sajatMeretezes_;
    setMinimumHeight(std::max(0, minimumHeight() - h));
    MagassagIgazitas();
    resize(width(), std::max(minimumHeight(), height() - h));
    --sajatMeretezes_;
}

void THuzLista::KeresBoxSelect()
{
    ElsoreKeresGombClick();
    HuzTabla->setFocus();
}

void THuzLista::ElsoreKeresGombClick(bool hang)
{
    KeresPanel->VisszaAllapot(false, hang);
    KeresPanel->TovabbAllapot(true);
    KeresKivalaszt(vezerlo_.KeresLepes(KeresPanel->KeresMin(), KeresPanel->KeresMax(), KeresPanel->Minden()).ElsoTalalat());
}

void THuzLista::UtolsoraKeresGombClick(bool hang)
{
    KeresPanel->TovabbAllapot(false, hang);
    KeresPanel->VisszaAllapot(true);
    KeresKivalaszt(vezerlo_.KeresLepes(KeresPanel->KeresMin(), KeresPanel->KeresMax(), KeresPanel->Minden()).UtolsoTalalat());
}

void THuzLista::TovabbKeresGombClick()
{
    KeresPanel->TovabbAllapot(true);
    KeresPanel->VisszaAllapot(true);
    const SzamsorHely h =
        vezerlo_.KeresLepes(KeresPanel->KeresMin(), KeresPanel->KeresMax(), KeresPanel->Minden()).Kovetkezo(KivSzamsor());
    if (h.Huzas < 1)
        UtolsoraKeresGombClick(true);
    else
        KeresKivalaszt(h);
}

void THuzLista::VisszaKeresGombClick()
{
    KeresPanel->TovabbAllapot(true);
    KeresPanel->VisszaAllapot(true);
    const SzamsorHely h =
        vezerlo_.KeresLepes(KeresPanel->KeresMin(), KeresPanel->KeresMax(), KeresPanel->Minden()).Elozo(KivSzamsor());
    if (h.Huzas < 1)
        ElsoreKeresGombClick(true);
    else
        KeresKivalaszt(h);
}

void THuzLista::BontSzamsorKeres(const TTombByte1D& szamok, int sor)
{
    if (!draws().AdatbazisBetoltve || draws().HuzasokSzama < 1 || szamok.empty())
        return;
    vezerlo_.KeresesInditas(szamok, {}, QStringLiteral(" Variáció %1. számsora").arg(sor));
}

void THuzLista::SetVariacioKesz(bool van)
{
    tipp(KeresVariaciobanGomb, van, van ? " Kijelölt számsor keresése a variáció listájában " : " Nincs kész variáció ");
}

void THuzLista::KeresVariaciobanGombClick()
{
    const HuzListaState& s = huzLista();
    const GameParams& g = game();
    if (!draws().AdatbazisBetoltve || s.KivRekord < 1 || s.KivRekord > draws().HuzasokSzama)
        return;
    mainState().BillentyuMod = 0;
    // The bonus numbers of the selected drawing follow its drawn numbers.
    TTombByte1D pot;
    if (g.VanPotSzam) {
        const TTombInt1D& sor = draws().Huzasok[static_cast<std::size_t>(s.KivRekord - 1)];
        for (std::int32_t p = 0; p < g.PotSzamok; ++p) {
            const std::size_t i = static_cast<std::size_t>(s.KivSzamsorOszlop + g.HuzottFoSzamok + p);
            if (i < sor.size() && sor[i] > 0 && sor[i] < 256)
                pot.push_back(static_cast<std::uint8_t>(sor[i]));
        }
    }
    emit variacioKeresKerve(s.KivSzamok, pot,
                            QStringLiteral(" Keres: húzások %1. számsora")
                                .arg(GetKivSzamsorSorszama(g, s.KivRekord, s.KivSzamsorOszlop)));
}

std::optional<HuzasHely> THuzLista::KijeloltPeldaHuzas() const
{
    const HuzListaState& s = huzLista();
    if (!draws().AdatbazisBetoltve || s.KivRekord < 1 || s.KivRekord > draws().HuzasokSzama)
        return std::nullopt;
    // The selected drawing: the first, or the second of a two-drawing game.
    return HuzasHely{s.KivRekord, s.KivSzamsorOszlop == 3 ? 3 : game().MasodikHuzasOszlop};
}

void THuzLista::Pldabonts1Click()
{
    if (const std::optional<HuzasHely> h = KijeloltPeldaHuzas())
        emit peldabontasKerve(h->Sor, h->Oszlop);
}
