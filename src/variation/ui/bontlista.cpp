#include "variation/ui/bontlista.h"
#include "app/ui/program.h"
#include "variation/ui/variacio_vezerlo.h"

#include <QApplication>
#include <cmath>
#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLayout>
#include <QResizeEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "draws/ui/keres_panel.h"
#include "app/ui/uzenetek.h"
#include "draws/draw_ranges.h"
#include "variation/command_availability.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/generation_run.h"
#include "variation/variation_store.h"

using namespace kvx;

namespace {

// A size of the list drawn for text size 8, at the text size in use.
int meret(int alap) { return static_cast<int>(std::lround(alap * settings().BetuMeret / 8.0)); }

}  // namespace

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QColor szin(std::int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

// A colour of the ticket look: kind, slot.
QColor lookSzin(int fajta, int slot)
{
    return szin(settings().SzelvenyBeallitas[static_cast<std::size_t>(fajta)][static_cast<std::size_t>(slot)]);
}

// Rows of an odd extension stripe are drawn darker by RGB(10, 10, 10).
QColor sotetites(QColor c, bool sotet)
{
    return sotet ? QColor(std::max(0, c.red() - 10), std::max(0, c.green() - 10), std::max(0, c.blue() - 10)) : c;
}

const QColor kKiemeloSzin(0, 0, 128);

}  // namespace

// ---------------------------------------------------------------- model

void BontListaModell::Frissites(const BontListaNezet& n)
{
    beginResetModel();
    Nezet = n;
    endResetModel();
}

int BontListaModell::rowCount(const QModelIndex& p) const { return p.isValid() ? 0 : Nezet.SorDb(); }

int BontListaModell::columnCount(const QModelIndex& p) const
{
    return p.isValid() || !Nezet.Tar ? 0 : Nezet.OszlopDb();
}

QVariant BontListaModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !Nezet.Tar)
        return {};
    const int sor = index.row() + 1;
    const int oszlop = index.column();
    const CellaFajta f = BontListaCellaFajta(Nezet, oszlop);
    const bool kivalasztott = sor == KivRekord;
    switch (role) {
    case Qt::DisplayRole: return q(BontListaCella(Nezet, sor, oszlop));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(f == CellaFajta::Sorszam || f == CellaFajta::Huzas
                                                     ? Qt::AlignRight | Qt::AlignVCenter
                                                     : Qt::AlignCenter));
    case Qt::BackgroundRole: {
        const bool sotet = ImportDrawCell(Nezet, sor) == 1;
        switch (f) {
        case CellaFajta::Sorszam: return sotetites(lookSzin(1, 2), sotet);
        case CellaFajta::Huzas: return sotetites(QApplication::palette().color(QPalette::Window), sotet);
        case CellaFajta::FixSzam: return sotetites(lookSzin(3, 6), sotet);
        case CellaFajta::PluszSzam: return sotetites(lookSzin(1, 14), sotet);
        case CellaFajta::Szam: return kivalasztott ? kKiemeloSzin : sotetites(lookSzin(1, 6), sotet);
        }
        return {};
    }
    case Qt::ForegroundRole:
        if (f == CellaFajta::Sorszam) {
            if (kivalasztott && TobbszorosSor == KivRekord)
                return QColor(Qt::red);
            return SzurkeSorszam(Nezet, sor) ? QApplication::palette().color(QPalette::Disabled, QPalette::Text)
                                             : QColor(Qt::black);
        }
        return f == CellaFajta::Szam && kivalasztott ? QColor(Qt::white) : QColor(Qt::black);
    case Qt::FontRole: {
        if (f != CellaFajta::Sorszam)
            return {};
        QFont font;
        font.setBold(kivalasztott);
        font.setUnderline(ReszElsoSora(Nezet, sor));
        return font;
    }
    case Qt::ToolTipRole:
        if (f == CellaFajta::Sorszam && kivalasztott && TobbszorosSor == KivRekord)
            return q(TobbszorosTipp(sor));
        return {};
    default: return {};
    }
}

QVariant BontListaModell::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || !Nezet.Tar)
        return {};
    if (role == Qt::DisplayRole)
        return q(BontListaFejlec(Nezet, section));
    if (role == Qt::ForegroundRole)
        return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    return {};
}

// ---------------------------------------------------------------- window

TBontLista::TBontLista(VariacioVezerlo& vezerlo, QWidget* parent) : QDialog(parent), vezerlo_(vezerlo)
{
    setObjectName(QStringLiteral("BontLista"));
    FormCreate();
    // The list shows the lines: a deletion closes it (and its auxiliary
    // ticket) before the lines go.
    // The buttons follow the commands while the list shows.
    connect(&vezerlo, &VariacioVezerlo::valtozott, this, [this] {
        if (isVisible())
            SzerkesztoGombokBeallitasa();
    });
    connect(&vezerlo, &VariacioVezerlo::torles, this, [this] {
        if (isVisible())
            close();
        tablaKesz_ = false;
    });
    // A hand edit closes the list while the store changes, then shows the
    // edited lines with the edited row selected; the variation counts as
    // edited.
    connect(&vezerlo, &VariacioVezerlo::szerkesztesElott, this, [this] {
        close();
        tablaKesz_ = false;
    });
    // A run grows and moves the store under the list: it closes before the
    // worker starts and is opened again from the run's end.
    connect(&vezerlo, &VariacioVezerlo::futasIndul, this, [this] {
        if (isVisible())
            close();
        tablaKesz_ = false;
    });
    // A worker rewrites the store in place (a sort moves every row): the
    // list closes and lets go of the store before the worker starts, and
    // shows again once it has ended, unless the command that ran the job
    // has shown it already or a run took the store meanwhile.
    connect(&vezerlo, &VariacioVezerlo::tarMunkaElott, this, [this] {
        tarMunkaAlattBezarva_ = isVisible();
        if (tarMunkaAlattBezarva_)
            close();
        Modell->Frissites({});
        tablaKesz_ = false;
    });
    connect(
        &vezerlo, &VariacioVezerlo::tarMunkaUtan, this,
        [this] {
            if (!std::exchange(tarMunkaAlattBezarva_, false) || isVisible() || vezerlo_.Fut() ||
                vezerlo_.TarMunkaban())
                return;
            const VariationStore& t = variationStore();
            if (t.BontSzelvszam > 0 && t.BontMatrixMeret <= kBontListaMaxSor) {
                const int sor = KivRekord;
                BontListaStart();
                AktSorKijelol(sor);
            }
        },
        Qt::QueuedConnection);
    // A check of the lines: the list shows (opening when it can) the classes
    // that occur; the marks are gone: the panel goes.
    connect(&vezerlo, &VariacioVezerlo::ellenorzesKesz, this, [this] {
        const VariationStore& t = variationStore();
        if (!isVisible() && t.BontSzelvszam > 0 && t.BontMatrixMeret <= kBontListaMaxSor)
            BontListaStart();
        KeresPanelBe();
    });
    connect(&vezerlo, &VariacioVezerlo::ellenorzesTorolve, this, &TBontLista::KeresPanelKi);
    connect(&vezerlo, &VariacioVezerlo::listaFrissites, this, [this](int sor) {
        tablaKesz_ = false;
        BontListaStart();
        AktSorKijelol(sor, true);
    });
}

void TBontLista::FormCreate()
{
    setWindowTitle(QStringLiteral(" Variáció listája"));
    setWindowFlag(Qt::Tool, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(2, 2, 2, 2);
    fo->setSpacing(2);

    auto* eszkoz = new QToolBar(this);
    auto gomb = [&](const char* nev, const char* felirat, const char* tipp) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromUtf8(nev));
        b->setText(QString::fromUtf8(felirat));
        b->setToolTip(QString::fromUtf8(tipp));
        eszkoz->addWidget(b);
        return b;
    };
    MentesGomb = gomb("MentesGomb", "Mentés", " Variáció, export állományok mentése ");
    BontListBovitesGomb = gomb("BontListBovitesGomb", "+", " Számsor hozzáadása a variáció listájához ");
    BontListModositasGomb = gomb("BontListModositasGomb", "*", " Kijelölt számsor módosítása ");
    BontSzamsorokTorleseGomb = gomb("BontSzamsorokTorleseGomb", "-", " Számsorok törlése a bontás listájából ");
    EllenorzesGomb = gomb("EllenorzesGomb", "Ellenőrzés", " Variáció ellenőrzése ");
    ToolButton6 = gomb("ToolButton6", "S", " Segédszelvény elrejtése ");
    fo->addWidget(eszkoz);
    // The second bar: the variation commands of the main window.
    eszkoz = new QToolBar(this);
    TorlesGomb = gomb("TorlesGomb", "Törlés", " Variáció törlése ");
    ModositasGomb = gomb("ModositasGomb", "Mód", " Feltételek, hibapont módosítása - variáció törlése ");
    BovitmenyTorlesGomb = gomb("BovitmenyTorlesGomb", "B-", " Nincs visszavonható bővítmény ");
    BovitmenyEgyesitesGomb = gomb("BovitmenyEgyesitesGomb", "B+", " Nincs beilleszthető bővítmény ");
    // Short signs: the window is as narrow as its columns; the hints name them.
    RendezesGomb = gomb("RendezesGomb", "↑", " Variáció indexeinek rendezése ");
    EredetiSorrendGomb = gomb("EredetiSorrendGomb", "↶", " Az indexek sorrendje rögzített ");
    RogzitesGomb = gomb("RogzitesGomb", "✔", " Az indexek sorrendje rögzített ");
    fo->addWidget(eszkoz);
    // The third bar: paper, the print file and the coupons.
    eszkoz = new QToolBar(this);
    NyomtatasGomb = gomb("NyomtatasGomb", "Nyomtatás", " Nyomtatás ");
    NyomtatasAllomanybaGomb = gomb("NyomtatasAllomanybaGomb", "Rtf", " Variáció listájának nyomtatása állományba ");
    SzelvenyekGomb = gomb("SzelvenyekGomb", "Szelvények", " Szelvények kitöltése nyomtatóval ");
    KeresesGomb = gomb("KeresesGomb", "Keresés", " Számsor keresése a húzások listájában ");
    // A tool bar shows and hides its widgets through their actions.
    for (QAction* a : eszkoz->actions())
        if (eszkoz->widgetForAction(a) == KeresesGomb)
            keresesAkcio_ = a;
    keresesAkcio_->setVisible(false);
    fo->addWidget(eszkoz);

    BontTabla = new QTableView(this);
    BontTabla->setObjectName(QStringLiteral("BontTabla"));
    Modell = new BontListaModell(this);
    BontTabla->setModel(Modell);
    BontTabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    BontTabla->setSelectionMode(QAbstractItemView::SingleSelection);
    BontTabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BontTabla->verticalHeader()->setVisible(false);
    // Uniform row heights: the view never measures rows it does not show.
    BontTabla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    BontTabla->verticalHeader()->setDefaultSectionSize(meret(21));
    BontTabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    BontTabla->horizontalHeader()->setDefaultSectionSize(meret(34));
    BontTabla->setShowGrid(true);
    BontTabla->setFont(QFont(QStringLiteral("Courier New"), meret(9)));
    BontTabla->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BontTabla->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The view paints the selected row through the model's colours.
    QPalette p = BontTabla->palette();
    p.setColor(QPalette::Highlight, kKiemeloSzin);
    p.setColor(QPalette::HighlightedText, Qt::white);
    BontTabla->setPalette(p);
    fo->addWidget(BontTabla, 1);

    auto* nav = new QHBoxLayout;
    auto navGomb = [&](const char* nev, const char* felirat) {
        auto* b = new QPushButton(QString::fromUtf8(felirat), this);
        b->setObjectName(QString::fromUtf8(nev));
        b->setAutoDefault(false);
        nav->addWidget(b);
        return b;
    };
    EloreGomb = navGomb("EloreGomb", "|<");
    EloreLapozGomb = navGomb("EloreLapozGomb", "<<");
    HatraLapozGomb = navGomb("HatraLapozGomb", ">>");
    HatraGomb = navGomb("HatraGomb", ">|");
    fo->addLayout(nav);
    KeresPanel = new TKeresPanel(this);
    KeresPanel->hide();
    fo->addWidget(KeresPanel);
    connect(KeresPanel, &TKeresPanel::valasztas, this, &TBontLista::KeresBoxSelect);
    connect(KeresPanel, &TKeresPanel::elsore, this, [this] { ElsoreKeresGombClick(); });
    connect(KeresPanel, &TKeresPanel::utolsora, this, [this] { UtolsoraKeresGombClick(); });
    connect(KeresPanel, &TKeresPanel::tovabb, this, &TBontLista::TovabbKeresGombClick);
    connect(KeresPanel, &TKeresPanel::vissza, this, &TBontLista::VisszaKeresGombClick);
    KilepesGomb = new QPushButton(QStringLiteral("Kilépés"), this);
    KilepesGomb->setObjectName(QStringLiteral("KilepesGomb"));
    KilepesGomb->setAutoDefault(false);
    auto* also = new QHBoxLayout;
    also->addStretch();
    also->addWidget(KilepesGomb);
    also->addStretch();
    fo->addLayout(also);

    connect(EloreGomb, &QPushButton::clicked, this, &TBontLista::EloreGombClick);
    connect(HatraGomb, &QPushButton::clicked, this, &TBontLista::HatraGombClick);
    connect(EloreLapozGomb, &QPushButton::clicked, this, &TBontLista::EloreLapozGombClick);
    connect(HatraLapozGomb, &QPushButton::clicked, this, &TBontLista::HatraLapozGombClick);
    connect(KilepesGomb, &QPushButton::clicked, this, &TBontLista::KilepesGombClick);
    connect(ToolButton6, &QToolButton::clicked, this, &TBontLista::ToolButton6Click);
    connect(EllenorzesGomb, &QToolButton::clicked, this, &TBontLista::VariacioSzamsorKeres);
    connect(KeresesGomb, &QToolButton::clicked, this, &TBontLista::KeresesGombClick);
    connect(MentesGomb, &QToolButton::clicked, this, &TBontLista::mentesKerve);
    for (const auto& [b, nev] : parancsGombok())
        connect(b, &QToolButton::clicked, this, [this, n = nev] { emit parancsKerve(n); });
    connect(BontListBovitesGomb, &QToolButton::clicked, this, &TBontLista::BontListBovitesGombClick);
    connect(BontListModositasGomb, &QToolButton::clicked, this, &TBontLista::BontListModositasGombClick);
    connect(BontSzamsorokTorleseGomb, &QToolButton::clicked, this, &TBontLista::BontSzamsorokTorleseGombClick);
    connect(BontTabla, &QTableView::doubleClicked, this, [this] { BontTablaDblClick(); });
    connect(BontTabla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid())
                    BontTablaSelectCell(i.row() + 1, i.column());
            });
    resize(meret(300), meret(16 * 21 + 120));
}


void TBontLista::UjBontTabla()
{
    KivOszlop = 1;
    KivRekord = 1;
    Modell->KivRekord = 1;
    Modell->TobbszorosSor = 0;
    Modell->Frissites(vezerlo_.ListaNezet());
    tablaKesz_ = true;
}

void TBontLista::BontListaStart()
{
    if (variationStore().BontMatrixMeret > kBontListaMaxSor) {
        InformacioUzenet(QString::fromUtf8(kSzovegListaTulNagy));
        emit listazasTipp(QString::fromUtf8(kTippListaTulNagy));
        return;
    }
    if (!tablaKesz_) {
        UjBontTabla();
        BontTabla->setColumnWidth(0, meret(70));
        if (Modell->Nezet.HuzasMod)
            BontTabla->setColumnWidth(1, meret(60));
        int szelesseg = 0;
        for (int c = 0; c < Modell->columnCount(); ++c)
            szelesseg += BontTabla->columnWidth(c);
        setFixedWidth(std::max(meret(250), szelesseg + BontTabla->verticalScrollBar()->sizeHint().width() + 12));
        // Sized for LathatoSorok rows (fewer when the lines are fewer), at
        // least two.
        ++sajatMeretezes_;
        setMinimumHeight(sorokMagassaga(2));
        resize(width(), sorokMagassaga(std::min(LathatoSorok, Modell->rowCount() + 1)));
        --sajatMeretezes_;
    }
    setWindowTitle(bontasEgyseg().Peldabontas ? QStringLiteral(" Példabontás listája")
                                              : QStringLiteral(" Variáció listája"));
    keresesAkcio_->setVisible(huzasokListazhatok_);
    SzerkesztoGombokBeallitasa();
    // Placed afresh beside a main ticket built since the last showing.
    if (elhelyezveEpites_ != szelvenyek().Epites) {
        Elhelyezes();
        elhelyezveEpites_ = szelvenyek().Epites;
    }
    show();
    raise();
    if (Modell->rowCount() > 0)
        AktSorKijelol(GetKivRekord());
    BontTabla->setFocus();
}

int TBontLista::GetKivRekord() const
{
    const int n = Modell->rowCount();
    return KivRekord <= 0 || KivRekord > n ? 1 : KivRekord;
}

void TBontLista::AktSorKijelol(int sor, bool szerkesztett)
{
    // An edit marks the variation edited whether or not the list shows it.
    if (szerkesztett)
        vezerlo_.SzerkesztettVariacioBeallitas(true);
    if (!tablaKesz_ || sor < 1 || sor > Modell->rowCount())
        return;
    const QModelIndex i = Modell->index(sor - 1, std::max(0, KivOszlop));
    BontTabla->setCurrentIndex(i);
    BontTabla->scrollTo(i);
    if (sor == KivRekord)
        SzelvKijelzes();
}

void TBontLista::BontTablaSelectCell(int sor, int oszlop)
{
    const int regi = KivRekord;
    KivOszlop = oszlop;
    KivRekord = sor;
    Modell->KivRekord = sor;
    if (KeresPanel->isVisible()) {
        // The caption tells whether the line is a match of the class; off a
        // match both pairs of search buttons go again.
        bool talalat = KeresPanel->Minden();
        if (!talalat) {
            const BontEllKereso k = vezerlo_.Kereso();
            const std::int32_t v = sor >= 1 && sor <= k.SorDb() ? k.SzamsorTalalat(sor - 1) : -1;
            talalat = v >= KeresPanel->KeresMin() && v <= KeresPanel->KeresMax();
            KeresSor = talalat ? sor - 1 : -1;
        }
        KeresPanel->CimkeKiemeles(talalat);
        if (!talalat)
            KeresPanel->TovabbVisszaAllapot();
    }
    SzelvKijelzes();
    const int oszlopok = Modell->columnCount();
    if (regi >= 1 && regi <= Modell->rowCount())
        emit Modell->dataChanged(Modell->index(regi - 1, 0), Modell->index(regi - 1, oszlopok - 1));
    emit Modell->dataChanged(Modell->index(sor - 1, 0), Modell->index(sor - 1, oszlopok - 1));
}

int TBontLista::LathatoSorokSzama() const
{
    const int h = BontTabla->verticalHeader()->defaultSectionSize();
    return std::max(1, BontTabla->viewport()->height() / std::max(1, h));
}

int TBontLista::racsonKivul() const
{
    QLayout* l = layout();
    const int i = l ? l->indexOf(BontTabla) : -1;
    if (i < 0)
        return height() - BontTabla->height();
    l->activate();
    return l->sizeHint().height() - l->itemAt(i)->sizeHint().height();
}

int TBontLista::sorokMagassaga(int sorok) const
{
    const int sorM = BontTabla->verticalHeader()->defaultSectionSize();
    const int fejlec = BontTabla->horizontalHeader()->sizeHint().height();
    // The heading row is one of the rows.
    return racsonKivul() + fejlec + sorM * std::max(0, sorok - 1) + 2 * BontTabla->frameWidth();
}

void TBontLista::MagassagIgazitas()
{
    const int sorok = Modell->rowCount() + 1;
    const int teljes = sorokMagassaga(sorok);
    const QWidget* fo = parentWidget();
    // Never taller than all rows; fewer rows than LathatoSorok got their
    // height when the list was built. It does not grow back here: the
    // placement may have made it lower to leave a window beside it free.
    ++sajatMeretezes_;
    setMaximumHeight(fo && teljes < fo->height() ? teljes : QWIDGETSIZE_MAX);
    --sajatMeretezes_;
}

void TBontLista::NavigacioAllapot()
{
    // RowCount counts the heading row.
    const int rowCount = Modell->rowCount() + 1;
    const int v = LathatoSorokSzama();
    if (rowCount - v < 2) {
        for (QPushButton* b : {EloreGomb, EloreLapozGomb, HatraLapozGomb, HatraGomb})
            b->setEnabled(false);
        return;
    }
    EloreGomb->setEnabled(KivRekord > 1);
    HatraGomb->setEnabled(KivRekord < rowCount - 1);
    EloreLapozGomb->setEnabled(EloreGomb->isEnabled() && v < KivRekord);
    HatraLapozGomb->setEnabled(HatraGomb->isEnabled() && KivRekord < rowCount - v);
}

void TBontLista::resizeEvent(QResizeEvent* e)
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
    if (tablaKesz_)
        NavigacioAllapot();
}

void TBontLista::SzelvKijelzes()
{
    const BontListaNezet& n = Modell->Nezet;
    KivRekord = GetKivRekord();
    const int sorok = Modell->rowCount();
    MagassagIgazitas();
    NavigacioAllapot();
    if (!n.Tar || sorok == 0)
        return;
    KivSzamsor = KivSzamsorKeszites(n, KivRekord);
    TalalatEloszlas = TalalatEloszlasSzamitas(n, KivSzamsor);
    BLRiportKiir();
}

void TBontLista::BLRiportKiir()
{
    Riport = BLRiportKeszites(Modell->Nezet, KivRekord, TalalatEloszlas, bontasEgyseg().Peldabontas,
                              game().PotSzamTalalat);
    const int regi = TobbszorosSor;
    TobbszorosSor = Riport.TobbszorosSor;
    Modell->TobbszorosSor = TobbszorosSor;
    BontTabla->setToolTip(TobbszorosSor ? q(TobbszorosTipp(TobbszorosSor)) : QString());
    if (TobbszorosSor && TobbszorosSor != regi && settings().Hangjelzes)
        QApplication::beep();
    emit segedszelvenyKijelzes(Riport, SegedszelvenyLathato && isVisible());
}

void TBontLista::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    AblakElhelyezese(this);
    emit segedszelvenyLathato(SegedszelvenyLathato);
    if (!vezerlo_.BontEllTalalatok().empty())
        KeresPanelBe();
}

void TBontLista::closeEvent(QCloseEvent* e)
{
    KeresPanelKi();
    emit segedszelvenyLathato(false);
    QDialog::closeEvent(e);
}

void TBontLista::KilepesGombClick() { close(); }

void TBontLista::ToolButton6Click()
{
    SegedszelvenyLathato = !SegedszelvenyLathato;
    ToolButton6->setToolTip(SegedszelvenyLathato ? QStringLiteral(" Segédszelvény elrejtése ")
                                                 : QStringLiteral(" Segédszelvény megjelenítése "));
    emit segedszelvenyLathato(SegedszelvenyLathato && isVisible());
}

void TBontLista::EloreGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    AktSorKijelol(1);
}

void TBontLista::HatraGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    AktSorKijelol(Modell->rowCount());
}

void TBontLista::EloreLapozGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    const int v = LathatoSorokSzama();
    AktSorKijelol(v >= KivRekord ? 1 : KivRekord - v);
}

void TBontLista::HatraLapozGombClick()
{
    KeresPanel->TovabbVisszaAllapot();
    const int v = LathatoSorokSzama();
    const int n = Modell->rowCount();
    AktSorKijelol(KivRekord >= n - v ? n : KivRekord + v);
}

void TBontLista::SzerkesztoGombokBeallitasa()
{
    const std::vector<ParancsAllapot> t = VanNincsBontas(vezerlo_.ParancsHelyzet());
    const auto alkalmaz = [&t](QToolButton* b, kvx::ParancsKulcs nev) {
        if (const ParancsAllapot* p = ParancsKeres(t, nev)) {
            b->setEnabled(p->Engedelyezett);
            b->setToolTip(q(p->Tipp));
        }
    };
    alkalmaz(BontListBovitesGomb, VariacioGomb::BontListBovitesGomb);
    alkalmaz(BontListModositasGomb, VariacioGomb::BontListModositasGomb);
    alkalmaz(BontSzamsorokTorleseGomb, VariacioGomb::BontSzamsorokTorleseGomb);
    // Save and check act on their own here but stand for the main items.
    alkalmaz(MentesGomb, ParancsId::Ments2);
    alkalmaz(EllenorzesGomb, ParancsId::Ellenrzs1);
    for (const auto& [b, nev] : parancsGombok())
        alkalmaz(b, nev);
}

std::vector<std::pair<QToolButton*, kvx::ParancsId>> TBontLista::parancsGombok() const
{
    return {{TorlesGomb, ParancsId::rls2},
            {BovitmenyTorlesGomb, ParancsId::Bvtmnytrlse1},
            {BovitmenyEgyesitesGomb, ParancsId::BovitmenyBeilleszt},
            {RendezesGomb, ParancsId::Rendezs1},
            {EredetiSorrendGomb, ParancsId::Eredetisorrend1},
            {RogzitesGomb, ParancsId::Vglegesszmsorrend1},
            {NyomtatasGomb, ParancsId::Listanyomtatsa2},
            {NyomtatasAllomanybaGomb, ParancsId::Lista1},
            {SzelvenyekGomb, ParancsId::Szelvnyek1},
            {ModositasGomb, ParancsId::Mdosts1}};
}

void TBontLista::BontListBovitesGombClick()
{
    const VariationStore& t = variationStore();
    if (t.ABSZ > 0 && t.BontSzelvszam >= t.ABSZ)
        return;
    huzSzama().SetBontBovitesSzamsorElso(1);
    huzSzama().SetBontBovitesSzamsorUtolso(1);
    vezerlo_.BontSzamsorHozzaadasStart();
}

void TBontLista::BontListModositasGombClick()
{
    vezerlo_.BontSzamsorModositasStart(GetKivRekord());
}

void TBontLista::BontSzamsorokTorleseGombClick()
{
    // The range dialog chooses the rows; whoever built the windows shows it.
    if (!vezerlo_.Fut() && variationStore().BontMatrixMeret >= 1)
        emit tartomanyTorlesKerve(GetKivRekord());
}

void TBontLista::BontTablaDblClick()
{
    if (VariacioVezerlo::BillentyuMod() != 200)
        return;
    if (!FelulirasHatarBeallitas(feltetelRekordok().VariacioOpciok, variationStore(), GetKivRekord()))
        return;
    mainState().BillentyuMod = 0;
    vezerlo_.FeltetelKijelzesFrissites();
}

void TBontLista::Elhelyezes()
{
    // Afresh: beside the new main ticket's windows.
    AblakElhelyezese(this, true);
}

// ---------------------------------------------------------------- search

void TBontLista::KeresPanelBe()
{
    if (!isVisible())
        return;
    // Only hits count: a check that hits no line hides the panel.
    const TTombInt1D& t = vezerlo_.BontEllTalalatok();
    if (!VanTalalat(t, 1)) {
        KeresPanelKi();
        return;
    }
    if (!KeresPanel->isVisible()) {
        const int h = KeresPanel->sizeHint().height();
        KeresPanel->show();
        ++sajatMeretezes_;
        setMinimumHeight(minimumHeight() + h);
        setMaximumHeight(QWIDGETSIZE_MAX);
        resize(width(), height() + h);
        --sajatMeretezes_;
        MagassagIgazitas();
    }
    KeresPanel->Feltoltes(game(), t);
}

void TBontLista::KeresPanelKi()
{
    if (!KeresPanel->isVisible())
        return;
    const int h = KeresPanel->height();
    KeresPanel->hide();
    ++sajatMeretezes_;
    setMinimumHeight(std::max(0, minimumHeight() - h));
    resize(width(), std::max(minimumHeight(), height() - h));
    --sajatMeretezes_;
    MagassagIgazitas();
}

void TBontLista::KeresBoxSelect()
{
    ElsoreKeresGombClick();
    BontTabla->setFocus();
}

void TBontLista::ElsoreKeresGombClick(bool hang)
{
    KeresPanel->VisszaAllapot(false, hang);
    KeresPanel->TovabbAllapot(true);
    const int r = KeresPanel->Minden() ? 0 : vezerlo_.Kereso().Keres(0, 1, KeresPanel->KeresMin(), KeresPanel->KeresMax());
    if (r >= 0 && r < Modell->rowCount())
        AktSorKijelol(r + 1);
}

void TBontLista::UtolsoraKeresGombClick(bool hang)
{
    KeresPanel->TovabbAllapot(false, hang);
    KeresPanel->VisszaAllapot(true);
    const BontEllKereso k = vezerlo_.Kereso();
    const int r = KeresPanel->Minden() ? k.SorDb() - 1 : k.Keres(k.SorDb() - 1, -1, KeresPanel->KeresMin(), KeresPanel->KeresMax());
    if (r >= 0 && r < Modell->rowCount())
        AktSorKijelol(r + 1);
}

void TBontLista::TovabbKeresGombClick()
{
    KeresPanel->VisszaAllapot(true);
    const BontEllKereso k = vezerlo_.Kereso();
    // The row after the selected one (KivRekord is 1-based).
    const int tol = GetKivRekord();
    const int r = KeresPanel->Minden() ? (tol < k.SorDb() ? tol : -1)
                                       : k.Keres(tol, 1, KeresPanel->KeresMin(), KeresPanel->KeresMax());
    if (r < 0)
        UtolsoraKeresGombClick(true);
    else
        AktSorKijelol(r + 1);
}

void TBontLista::VisszaKeresGombClick()
{
    KeresPanel->TovabbAllapot(true);
    const BontEllKereso k = vezerlo_.Kereso();
    const int tol = GetKivRekord() - 2;
    const int r = KeresPanel->Minden() ? tol : k.Keres(tol, -1, KeresPanel->KeresMin(), KeresPanel->KeresMax());
    if (r < 0)
        ElsoreKeresGombClick(true);
    else
        AktSorKijelol(r + 1);
}

void TBontLista::KeresesGombClick()
{
    mainState().BillentyuMod = 0;
    const int n = GetKivRekord();
    emit huzasKeresKerve(SorSzamai(Modell->Nezet, n), n);
}

void TBontLista::SetHuzasokListazhatok(bool lehet)
{
    huzasokListazhatok_ = lehet;
    keresesAkcio_->setVisible(lehet);
}

void TBontLista::VariacioSzamsorKeres()
{
    if (VariacioVezerlo::BillentyuMod() == 200) {
        vezerlo_.EllenorzesStart();
        return;
    }
    const int n = GetKivRekord();
    const TTombByte1D szamok = SorSzamai(Modell->Nezet, n);
    vezerlo_.EllenorzesStart(szamok, {}, QStringLiteral(" Keres: variáció %1. számsora").arg(n));
}
