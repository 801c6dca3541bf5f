#include "draws/ui/huzbe.h"
#include "app/ui/program.h"

#include "app/game_table.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/uzenetek.h"
#include "common/random_source.h"
#include "draws/draw_editing.h"
#include "draws/draw_entry.h"
#include "draws/ui/huzasok_vezerlo.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

using namespace kvx;

namespace {

QColor rgb(std::int32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

HuzBeCellak cellak(QTableWidget* t)
{
    HuzBeCellak c(static_cast<std::size_t>(t->columnCount()));
    for (int i = 0; i < t->columnCount(); ++i) {
        const QTableWidgetItem* it = t->item(0, i);
        bool ok = false;
        const int v = it ? it->text().toInt(&ok) : 0;
        if (ok)
            c[static_cast<std::size_t>(i)] = v;
    }
    return c;
}

bool tipp(int flag, const char* szoveg)
{
    auto& naplo = settings().UzenetekLog;
    if (!naplo[static_cast<std::size_t>(flag)])
        return false;
    naplo[static_cast<std::size_t>(flag)] = HasznosInformacio(QString::fromUtf8(szoveg)) ? 1 : 0;
    return true;
}

}  // namespace

THuzBe::THuzBe(HuzasokVezerlo& vezerlo, QWidget* parent) : QDialog(parent), vezerlo_(vezerlo)
{
    setObjectName(QStringLiteral("HuzBe"));
    FormCreate();
    connect(&vezerlo_, &HuzasokVezerlo::bevitelKezdodik, this, &THuzBe::Start);
    // A number entered on the ticket (or by the fillings below) shows in the grids.
    connect(&vezerlo_, &HuzasokVezerlo::huzBeValtozott, this, [this] {
        if (!lezarva_)
            SorKijelzes();
    });
}

void THuzBe::FormCreate()
{
    setWindowTitle(QStringLiteral(" Húzás beolvasása"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    auto* fo = new QVBoxLayout(this);

    Panel1 = new QFrame(this);
    auto* p1 = new QGridLayout(Panel1);
    Label1 = new QLabel(QStringLiteral("Játékhét"), Panel1);
    Label2 = new QLabel(QStringLiteral("Húzás éve"), Panel1);
    HetBe = new QSpinBox(Panel1);
    HetBe->setObjectName("HetBe");
    HetBe->setRange(0, 54);
    HetBe->setValue(1);
    EvBe = new QSpinBox(Panel1);
    EvBe->setObjectName("EvBe");
    EvBe->setRange(1901, 10000);
    EvBe->setValue(1957);
    EvBe->setGroupSeparatorShown(false);
    p1->addWidget(Label1, 0, 0);
    p1->addWidget(HetBe, 0, 1);
    p1->addWidget(Label2, 1, 0);
    p1->addWidget(EvBe, 1, 1);
    connect(HetBe, &QSpinBox::valueChanged, this, &THuzBe::HetBeChange);
    fo->addWidget(Panel1);

    Panel2 = new QFrame(this);
    auto* p2 = new QGridLayout(Panel2);
    Label3 = new QLabel(QStringLiteral("Számsor"), Panel2);
    Szamsor1Lista = new QTableWidget(1, 1, Panel2);
    Szamsor2Lista = new QTableWidget(1, 1, Panel2);
    Szamsor1Lista->setObjectName("Szamsor1Lista");
    Szamsor2Lista->setObjectName("Szamsor2Lista");
    for (QTableWidget* t : {Szamsor1Lista, Szamsor2Lista}) {
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionMode(QAbstractItemView::NoSelection);
        t->setFocusPolicy(Qt::NoFocus);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setEnabled(false);
    }
    Szamsor1Gomb = new QPushButton(QStringLiteral("Számsor"), Panel2);
    Szamsor2Gomb = new QPushButton(QStringLiteral("Számsor"), Panel2);
    Szamsor1Gomb->setObjectName("Szamsor1Gomb");
    Szamsor2Gomb->setObjectName("Szamsor2Gomb");
    Szamsor1Gomb->setAutoDefault(false);
    Szamsor2Gomb->setAutoDefault(false);
    p2->addWidget(Label3, 0, 0);
    p2->addWidget(Szamsor1Gomb, 1, 0);
    p2->addWidget(Szamsor1Lista, 1, 1);
    p2->addWidget(Szamsor2Gomb, 2, 0);
    p2->addWidget(Szamsor2Lista, 2, 1);
    connect(Szamsor1Gomb, &QPushButton::clicked, this, &THuzBe::Szamsor1GombClick);
    connect(Szamsor2Gomb, &QPushButton::clicked, this, &THuzBe::Szamsor2GombClick);
    fo->addWidget(Panel2);

    auto* panel5 = new QFrame(this);
    auto* p5 = new QHBoxLayout(panel5);
    MegseGomb = new QPushButton(QStringLiteral("Mégse"), panel5);
    RendbenGomb = new QPushButton(QStringLiteral("Rendben"), panel5);
    MegseGomb->setObjectName("MegseGomb");
    RendbenGomb->setObjectName("RendbenGomb");
    MegseGomb->setDefault(true);
    p5->addStretch();
    p5->addWidget(MegseGomb);
    p5->addWidget(RendbenGomb);
    connect(MegseGomb, &QPushButton::clicked, this, &THuzBe::MegseGombClick);
    connect(RendbenGomb, &QPushButton::clicked, this, &THuzBe::RendbenGombClick);
    fo->addWidget(panel5);
}

void THuzBe::HetBeChange(int het)
{
    const int k = HetKorbe(het);
    if (k != het)
        HetBe->setValue(k);
}

void THuzBe::RacsMeret(QTableWidget* t)
{
    const double meret = font().pointSizeF() > 8 ? font().pointSizeF() / 8.0 : 1.0;
    const int w = static_cast<int>(std::lround(meret * 24));
    const int h = static_cast<int>(std::lround(meret * 21));
    t->setColumnCount(HuzBeOszlopok(game()));
    for (int c = 0; c < t->columnCount(); ++c)
        t->setColumnWidth(c, w);
    t->setRowHeight(0, h);
    t->setFixedSize(t->columnCount() * (w + 1) + 3, h + 3);
}

void THuzBe::UjHuzasBe()
{
    const GameParams& g = game();
    vezerlo_.HuzBeUj();
    Tag = 0;
    rendbenVolt_ = false;
    RacsMeret(Szamsor1Lista);
    RacsMeret(Szamsor2Lista);
    Szamsor1Gomb->setEnabled(false);
    const bool ketto = g.TobbSorsolas;
    Label3->setVisible(!ketto);
    Szamsor1Gomb->setVisible(ketto);
    Szamsor2Gomb->setVisible(ketto);
    Szamsor2Lista->setVisible(ketto);
    Szamsor1Gomb->setEnabled(ketto);
    Szamsor2GombTag = 0;
    SorTabla(Szamsor1Lista, 0);
    SorTabla(Szamsor2Lista, 1);
}

void THuzBe::SorTabla(QTableWidget* t, int sor)
{
    const GameParams& g = game();
    const HuzBeCellak c = HuzBeSorCellak(huzBe(), g, sor);
    const int fajta = sor == 0 ? 3 : 1;
    const auto& look = settings().SzelvenyBeallitas[static_cast<std::size_t>(fajta)];
    const int oszlopok = HuzBeOszlopok(g);
    for (int i = 0; i < t->columnCount(); ++i) {
        auto* it = new QTableWidgetItem(i < static_cast<int>(c.size()) && c[static_cast<std::size_t>(i)]
                                            ? QString::number(*c[static_cast<std::size_t>(i)])
                                            : QString());
        it->setTextAlignment(Qt::AlignCenter);
        const bool pot = i >= oszlopok - g.PotSzamok || (sor == 0 && g.VanPluszSzam && i >= g.SzamsorFoSzamDb);
        it->setBackground(rgb(look[pot ? 14 : 6]));
        it->setForeground(Qt::black);
        t->setItem(0, i, it);
    }
}

void THuzBe::SorKijelzes()
{
    SorTabla(Szamsor1Lista, 0);
    SorTabla(Szamsor2Lista, 1);
    if (MasodikSorraLep(huzBe(), game()) && Szamsor2Gomb->isVisible() && Szamsor2GombTag == 0)
        Szamsor2GombClick();
    Ellenorzes();
}

bool THuzBe::Ellenorzes()
{
    const bool ok = kvx::Ellenorzes(game(), cellak(Szamsor1Lista), cellak(Szamsor2Lista), Szamsor2Lista->isVisible(),
                                    rendbenVolt_);
    rendbenVolt_ = ok;
    RendbenGomb->setEnabled(ok);
    return ok;
}

void THuzBe::Start()
{
    const GameParams& g = game();
    HuzListaState& l = huzLista();
    UjHuzasBe();
    setToolTip(QString());
    RendbenGomb->setEnabled(false);

    const int mod = l.MuveletKod;
    const EvHet j = EvHetJavaslat(draws(), g, mod, l.KivRekord);
    EvBe->setValue(j.Ev);
    HetBe->setValue(j.Het);
    switch (mod) {
    case MuveletBovites: setWindowTitle(QStringLiteral(" Húzás beolvasása")); break;
    case MuveletModositas: setWindowTitle(QStringLiteral(" %1. húzás módosítása").arg(l.KivRekord)); break;
    default: setWindowTitle(QStringLiteral(" Húzás beszúrása")); break;
    }

    const int bmod = vagolap().VagolapBillentyuMod;
    if (bmod != 200) {
        if (g.LottoIndex == 17 && g.SzamsorHossz < g.HuzottFoSzamok)
            tipp(16, "A 6. nyerőszámot utoljára jelölje ki.");
        if (g.VanPotSzam)
            tipp(14, "A plusz szám helyét üresen hagyhatja - a hiányzó plusz számot nullával helyettesíti a program.");
    }

    // Before its first showing the dialog's width is not yet that of its
    // layout.
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    lezarva_ = false;
    show();
    // Every opening puts it beside the draws list, its ticket under it.
    AblakElhelyezese(this, true);
    raise();
    emit megnyilt();

    if (mod == MuveletModositas && bmod != 300 && bmod != 350) {
        const TTombInt1D& sor = draws().Huzasok[static_cast<std::size_t>(l.KivRekord - 1)];
        for (std::int32_t n : HuzasSzamai(g, sor, 0))
            vezerlo_.HuzBeSzamBevitel(n, 0);
        if (g.TobbSorsolas && sor.size() > static_cast<std::size_t>(g.MasodikHuzasOszlop) &&
            sor[static_cast<std::size_t>(g.MasodikHuzasOszlop)] > 0) {
            Szamsor2GombTag = 1;
            vezerlo_.HuzBeSorValtas(1);
            for (std::int32_t n : HuzasSzamai(g, sor, 1))
                vezerlo_.HuzBeSzamBevitel(n, 0);
        }
        if (g.TobbSorsolas)
            Szamsor1GombClick();
    }
    if (bmod == 200) {
        VeletlenKitoltes();
        if (Ellenorzes())
            RendbenGombClick();
        return;
    }
    if (vagolap().VagolapVan)
        VagolapKitoltes();
    Ellenorzes();
}

void THuzBe::VeletlenKitoltes()
{
    const GameParams& g = game();
    const HuzListaState& l = huzLista();
    const VeletlenHuzas h = HuzBeVeletlen(randomSource(), g, VeletlenMintaHuzas(draws(), l.MuveletKod, l.KivRekord));
    // A modified draw's numbers are replaced.
    vezerlo_.HuzBeUj();
    auto sor = [&](int r, const std::vector<std::int32_t>& szamok, const std::vector<std::int32_t>& pot) {
        Szamsor2GombTag = r;
        vezerlo_.HuzBeSorValtas(r);
        for (std::int32_t n : szamok)
            vezerlo_.HuzBeSzamBevitel(n, 0, false);
        for (std::int32_t n : pot)
            vezerlo_.HuzBeSzamBevitel(n, 50, false);
    };
    sor(0, h.Sor1, h.Pot1);
    if (!h.Sor2.empty())
        sor(1, h.Sor2, h.Pot2);
    if (g.TobbSorsolas)
        Szamsor1GombClick();
    SorKijelzes();
}

void THuzBe::VagolapKitoltes()
{
    const GameParams& g = game();
    VagolapState& v = vagolap();
    static const char* const kSorok[] = {"Új húzás nyerőszámainak beolvasása -",
                                         "Aktuális húzás nyerőszámainak módosítása -",
                                         "Beillesztett húzás nyerőszámainak beolvasása -"};
    const int mod = huzLista().MuveletKod;
    const std::string eleje = kSorok[mod == MuveletBovites ? 0 : mod == MuveletModositas ? 1 : 2];
    const std::string szoveg = eleje +
                               " a vágólapra másolt adatokból\r\n\r\nSikertelen beolvasása esetén, a" +
                               windowTitle().toStdString() +
                               " ablak súgóbuboréka jeleníti meg a vágólapra másolt szöveges tartalmat.\r\n\r\nAz "
                               "aktuális húzás sorszámát, az év és játékhét adatait automatikusan generálja a "
                               "program.\r\nCsak a húzás nyerőszámait kell kijelölni és vágólapra másolni.";
    tipp(3, szoveg.c_str());
    if (!VagolapHuzasVan(g, v)) {
        VagolapVege();
        return;
    }
    // Modifying replaces the draw's numbers.
    vezerlo_.HuzBeUj();
    const VagolapHuzas h = VagolapOlvasas(g, v);
    vezerlo_.HuzBeSorValtas(0);
    for (std::int32_t n : h.Sor1)
        vezerlo_.HuzBeSzamBevitel(n, 0);
    if (!h.Sor2.empty()) {
        Szamsor2GombTag = 1;
        vezerlo_.HuzBeSorValtas(1);
        for (std::int32_t n : h.Sor2)
            vezerlo_.HuzBeSzamBevitel(n, 0);
    }
    SorKijelzes();
    if (h.Rendben && Ellenorzes()) {
        RendbenGombClick();
        return;
    }
    VagolapVege();
}

void THuzBe::VagolapVege()
{
    VagolapState& v = vagolap();
    setToolTip(QString::fromStdString(VagolapMaradekTipp(v.VagolapSzoveg)));
    v.VagolapSzoveg.clear();
    v.VagolapVan = false;
}

void THuzBe::Szamsor1GombClick()
{
    Szamsor2GombTag = 0;
    vezerlo_.HuzBeSorValtas(0);
}

void THuzBe::Szamsor2GombClick()
{
    Szamsor2GombTag = 1;
    vezerlo_.HuzBeSorValtas(1);
}

void THuzBe::RendbenGombClick()
{
    if (!Ellenorzes())
        return;
    Tag = 1;
    huzLista().HuzRekord = HuzBeRekord(game(), EvBe->value(), HetBe->value(), cellak(Szamsor1Lista),
                                       Szamsor2Lista->isVisible() ? cellak(Szamsor2Lista) : HuzBeCellak{});
    done(QDialog::Accepted);
}

void THuzBe::MegseGombClick()
{
    Tag = 0;
    done(QDialog::Rejected);
}

void THuzBe::reject()
{
    MegseGombClick();
}

void THuzBe::done(int r)
{
    QDialog::done(r);
    if (lezarva_)
        return;
    lezarva_ = true;
    emit bezarult();
    // The controller applies the edit; the draws list follows its signal.
    vezerlo_.BevitelVege(Tag == 1);
}
