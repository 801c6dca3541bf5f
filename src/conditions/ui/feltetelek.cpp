#include "conditions/ui/feltetelek.h"
#include "app/ui/program.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QMetaMethod>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <vector>

#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/settings_dialog.h"
#include "app/shell_state.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/ablak_segedek.h"
#include "app/ui/uzenetek.h"
#include "conditions/consistency_check.h"
#include "conditions/ui/math_lap.h"
#include "conditions/ui/spec_lap.h"
#include "conditions/ui/talarany_lap.h"
#include "conditions/ui/esemenyek_lap.h"
#include "conditions/ui/szamkeszlet_panel.h"
#include "conditions/ui/tetel_ful.h"

using namespace kvx;

namespace {

// The "~" of a position-based condition: its positions follow the order the
// numbers were selected in.
constexpr const char* kNemNovekvoTipp =
    " Nem növekvő a variációra kijelölt számok sorrendje. \r\n Indexek számkészlete: kijelölt számok sorrendje "
    "szerint. ";

QString q(const std::string& s) { return QString::fromStdString(s); }
// Hints keep the program's "\r\n" line breaks; a tooltip breaks on "\n".
QString tipp(const std::string& s) { return q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

void ertek(QSpinBox* e, const Korlat& k, std::int32_t v)
{
    const QSignalBlocker b(e);
    e->setRange(k.Min, std::max(k.Min, k.Max));
    e->setValue(v);
}

QLabel* cimke(const char* s, QWidget* p)
{
    auto* l = new QLabel(QString::fromUtf8(s), p);
    return l;
}

}  // namespace

TErtekEdit::TErtekEdit(QWidget* parent) : QSpinBox(parent)
{
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    setAlignment(Qt::AlignRight);
}

bool TErtekEdit::eventFilter(QObject* o, QEvent* e)
{
    if (o == lineEdit() && e->type() == QEvent::MouseButtonDblClick && isEnabled()) {
        emit duplaKattintas();
        return true;
    }
    return QSpinBox::eventFilter(o, e);
}

FeltetelekAllapot FeltetelekAllapot::Program()
{
    FeltetelekAllapot a;
    a.Jatek = &game();
    a.Listak = &szamListak();
    a.Feltetelek = &feltetelRekordok();
    a.Opciok = &variacioOpcioErtekek();
    a.Jelzok = &szamJelzok();
    a.Foallapot = &mainState();
    a.SzamsorrendMod = &settings().SzamsorrendMod;
    a.Huzasok = &draws();
    a.Beallitasok = &settings();
    return a;
}

TFeltetelek::TFeltetelek(QWidget* parent, const FeltetelekAllapot& allapot) : QDialog(parent), Allapot(allapot)
{
    setObjectName(QStringLiteral("Feltetelek"));
    FormCreate();
}

void TFeltetelek::uzenet(UzenetFajta f, const QString& s)
{
    if (Uzenet) {
        Uzenet(f, s);
        return;
    }
    if (f == UzenetFajta::Informacio)
        InformacioUzenet(s);
    else
        FigyelmeztetoUzenet(s);
}

FeltetelekVariacio TFeltetelek::variacio() const
{
    return Variacio ? Variacio() : FeltetelekVariacio{};
}

void TFeltetelek::FormCreate()
{
    setWindowTitle(QStringLiteral(" Feltételek kijelölése"));
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(4, 4, 4, 4);
    fo->setSpacing(4);

    FeltetelekPC = new QTabWidget(this);
    FeltetelekPC->setObjectName("FeltetelekPC");
    struct Lap {
        QWidget** w;
        const char* nev;
        const char* cim;
    };
    const Lap lapok[] = {{&EloszlasTS, "EloszlasTS", " Eloszlás "},       {&SzamcsoportTS, "SzamcsoportTS", " Számcsoport "},
                         {&TalaranyTS, "TalaranyTS", " Találati arány "}, {&SzamvegzodesTS, "SzamvegzodesTS", " Számvégződés "},
                         {&EsemenyekTS, "EsemenyekTS", " Események "},   {&SzamjegyTS, "SzamjegyTS", " Számjegy "},
                         {&MathTS, "MathTS", " Math "},                   {&SpecTS, "SpecTS", " Spec "}};
    for (const Lap& l : lapok) {
        *l.w = new QWidget;
        (*l.w)->setObjectName(l.nev);
        // A page shows whole where the screen has room; where it has not,
        // the placement makes the window lower and the page scrolls.
        FeltetelekPC->addTab(new kvx::TartalomGorgeto(*l.w, 8, FeltetelekPC), QString::fromUtf8(l.cim));
    }
    // Every tab caption stays readable: the window is as wide as the tabs
    // where the screen has room; a narrower one scrolls the tabs.
    FeltetelekPC->setUsesScrollButtons(true);
    FeltetelekPC->setElideMode(Qt::ElideNone);
    fo->addWidget(FeltetelekPC, 1);
    EloszlasLapEpites();
    SzamkeszletPanel = new TSzamkeszletPanel(*this, EloszlasTS);
    if (auto* sor = qobject_cast<QVBoxLayout*>(EloszlasTS->layout()))
        sor->insertWidget(sor->count() - 1, SzamkeszletPanel);
    SzamcsoportLap = new TTetelFul(*this, TetelLap::Szamcsoport, SzamcsoportTS);
    SzamvegzodesLap = new TTetelFul(*this, TetelLap::Szamvegzodes, SzamvegzodesTS);
    SzamjegyLap = new TTetelFul(*this, TetelLap::Szamjegy, SzamjegyTS);
    EsemenyekLap = new TEsemenyekLap(*this, EsemenyekTS);

    OpcioPanelEpites();
    fo->addWidget(Panel8);

    Panel15 = new QFrame(this);
    Panel15->setObjectName("Panel15");
    auto* gombok = new QHBoxLayout(Panel15);
    gombok->setContentsMargins(0, 0, 0, 0);
    BontasGomb = new QPushButton(QStringLiteral("Variáció"), Panel15);
    BontasGomb->setObjectName("BontasGomb");
    KilepesGomb = new QPushButton(QStringLiteral("Kilépés"), Panel15);
    KilepesGomb->setObjectName("KilepesGomb");
    TorlesGomb = new QPushButton(QStringLiteral("Törlés"), Panel15);
    TorlesGomb->setObjectName("TorlesGomb");
    EllenorzesGomb = new QPushButton(QStringLiteral("Ellenőrzés"), Panel15);
    EllenorzesGomb->setObjectName("EllenorzesGomb");
    for (QPushButton* b : {BontasGomb, KilepesGomb, TorlesGomb, EllenorzesGomb}) {
        b->setAutoDefault(false);
        gombok->addWidget(b);
    }
    fo->addWidget(Panel15);
    connect(BontasGomb, &QPushButton::clicked, this, &TFeltetelek::VariacioBontasKerese);
    connect(KilepesGomb, &QPushButton::clicked, this, &TFeltetelek::KilepesGombClick);
    connect(TorlesGomb, &QPushButton::clicked, this, &TFeltetelek::FeltetelekTorlese);
    connect(EllenorzesGomb, &QPushButton::clicked, this, &TFeltetelek::FeltetelekEllenorzese);
    connect(FeltetelekPC, &QTabWidget::currentChanged, this, &TFeltetelek::FeltetelekPCChange);

    TalArLap = new TTalalatiAranyLap(*this, TalaranyTS);
    MathLap = new TMathLap(*this, MathTS);
    SpecLap = new TSpecLap(*this, SpecTS);

    // Initial data of the records (the hit-ratio ranges and the flags).
    FeltetelekKezdoertekei(*Allapot.Feltetelek, *Allapot.Jatek);
    FeltetelekPC->setCurrentIndex(0);
    for (QCheckBox* b : {FavAllapotBox, AllandoAllapotBox, MobAllapotBox, FixAllapotBox, SzamcsoportAllapotBox})
        CBAction(b, qobject_cast<QFrame*>(b->parentWidget()), true);
    SzamkeszletPanel->Betoltes();
    for (TTetelFul* lap : {SzamcsoportLap, SzamvegzodesLap, SzamjegyLap}) lap->Betoltes();
    EsemenyekLap->Betoltes();
    OpcioBetoltes();
}

void TFeltetelek::EloszlasLapEpites()
{
    auto* lap = new QVBoxLayout(EloszlasTS);
    lap->setContentsMargins(4, 4, 4, 4);
    lap->setSpacing(4);
    auto panel = [&](const char* nev, QCheckBox*& box, const char* boxNev, const char* felirat) {
        auto* p = new QFrame(EloszlasTS);
        p->setObjectName(nev);
        p->setFrameShape(QFrame::StyledPanel);
        box = new QCheckBox(QString::fromUtf8(felirat), p);
        box->setObjectName(boxNev);
        lap->addWidget(p);
        return p;
    };
    auto edit = [](QFrame* p, const char* nev) {
        auto* e = new TErtekEdit(p);
        e->setObjectName(nev);
        e->setMinimumWidth(56);
        return e;
    };

    // The first-column labels of every panel share one width, so the value
    // edits of the panels stand in one column.
    std::vector<QLabel*> elsoOszlop;

    // Favorizált számok.
    Panel1 = panel("Panel1", FavAllapotBox, "FavAllapotBox", " Favorizált számok");
    FavSzamaiEdit = edit(Panel1, "FavSzamaiEdit");
    FavSzamaiMaxEdit = edit(Panel1, "FavSzamaiMaxEdit");
    FavTalalatEdit = edit(Panel1, "FavTalalatEdit");
    FavTalalatMaxEdit = edit(Panel1, "FavTalalatMaxEdit");
    Label2 = cimke("A favorizált számcsoportból minimum", Panel1);
    Label2->setObjectName("Label2");
    Panel1IL = cimke("~", Panel1);
    Panel1IL->setObjectName("Panel1IL");
    Panel1IL->setVisible(false);
    {
        auto* g = new QGridLayout(Panel1);
        g->addWidget(FavAllapotBox, 0, 0, 1, 2);
        g->addWidget(Panel1IL, 0, 5, Qt::AlignRight);
        auto* l6 = cimke("csoportja a(z)", Panel1);
        l6->setObjectName("Label6");
        g->addWidget(l6, 1, 0);
        g->addWidget(FavSzamaiEdit, 1, 1);
        g->addWidget(cimke("   -dik számtól a(z)", Panel1), 1, 2);
        g->addWidget(FavSzamaiMaxEdit, 1, 3);
        g->addWidget(cimke("   -dik számig terjed.", Panel1), 1, 4);
        g->addWidget(Label2, 2, 0);
        g->addWidget(FavTalalatEdit, 2, 1);
        g->addWidget(cimke("    maximum", Panel1), 2, 2);
        g->addWidget(FavTalalatMaxEdit, 2, 3);
        g->addWidget(cimke("   találat elérése.", Panel1), 2, 4);
        g->setColumnStretch(4, 1);
    }
    connect(FavAllapotBox, &QCheckBox::clicked, this, &TFeltetelek::FavAllapotBoxClick);
    connect(FavSzamaiEdit, &QSpinBox::valueChanged, this, [this] { FavValtozas(FavMezo::Elso); });
    connect(FavSzamaiMaxEdit, &QSpinBox::valueChanged, this, [this] { FavValtozas(FavMezo::Utolso); });
    connect(FavTalalatEdit, &QSpinBox::valueChanged, this, [this] { FavValtozas(FavMezo::TalalatMin); });
    connect(FavTalalatMaxEdit, &QSpinBox::valueChanged, this, [this] { FavValtozas(FavMezo::TalalatMax); });
    connect(FavSzamaiEdit, &TErtekEdit::duplaKattintas, this, &TFeltetelek::FavSzamaiEditDblClick);
    connect(FavSzamaiMaxEdit, &TErtekEdit::duplaKattintas, this, &TFeltetelek::FavSzamaiMaxEditDblClick);

    // Állandó számok.
    Panel19 = panel("Panel19", AllandoAllapotBox, "AllandoAllapotBox", " Állandó számok");
    AllandoTalalatEdit = edit(Panel19, "AllandoTalalatEdit");
    AllandoTalalatMaxEdit = edit(Panel19, "AllandoTalalatMaxEdit");
    {
        auto* g = new QGridLayout(Panel19);
        g->addWidget(AllandoAllapotBox, 0, 0, 1, 2);
        elsoOszlop.push_back(cimke("Az állandó számokból minimum", Panel19));
        g->addWidget(elsoOszlop.back(), 1, 0);
        g->addWidget(AllandoTalalatEdit, 1, 1);
        g->addWidget(cimke("    maximum", Panel19), 1, 2);
        g->addWidget(AllandoTalalatMaxEdit, 1, 3);
        g->addWidget(cimke("   találat elérése.", Panel19), 1, 4);
        g->setColumnStretch(4, 1);
    }
    connect(AllandoAllapotBox, &QCheckBox::clicked, this, &TFeltetelek::AllandoAllapotBoxClick);
    connect(AllandoTalalatEdit, &QSpinBox::valueChanged, this, [this] { AllandoValtozas(MinMaxMezo::Min); });
    connect(AllandoTalalatMaxEdit, &QSpinBox::valueChanged, this, [this] { AllandoValtozas(MinMaxMezo::Max); });

    // Mobil and Fix számcsoportok.
    auto csoportPanel = [&](QFrame* p, QCheckBox* box, TErtekEdit* w, TErtekEdit* k) {
        auto* g = new QGridLayout(p);
        g->addWidget(box, 0, 0, 1, 2);
        elsoOszlop.push_back(cimke("számainak mennyisége ", p));
        g->addWidget(elsoOszlop.back(), 1, 0);
        g->addWidget(w, 1, 1);
        elsoOszlop.push_back(cimke("Egy számcsoportból maximum", p));
        g->addWidget(elsoOszlop.back(), 2, 0);
        g->addWidget(k, 2, 1);
        g->addWidget(cimke("   találat elérése.", p), 2, 2);
        g->setColumnStretch(2, 1);
    };
    Panel12 = panel("Panel12", MobAllapotBox, "MobAllapotBox", " Mobil számcsoportok");
    MobSzamaiEdit = edit(Panel12, "MobSzamaiEdit");
    MobTalalatMaxEdit = edit(Panel12, "MobTalalatMaxEdit");
    csoportPanel(Panel12, MobAllapotBox, MobSzamaiEdit, MobTalalatMaxEdit);
    Panel11 = panel("Panel11", FixAllapotBox, "FixAllapotBox", " Fix számcsoportok");
    FixSzamaiEdit = edit(Panel11, "FixSzamaiEdit");
    FixTalalatMaxEdit = edit(Panel11, "FixTalalatMaxEdit");
    csoportPanel(Panel11, FixAllapotBox, FixSzamaiEdit, FixTalalatMaxEdit);
    MobAllapotBox->installEventFilter(this);
    FixAllapotBox->installEventFilter(this);
    connect(MobAllapotBox, &QCheckBox::clicked, this, &TFeltetelek::MobAllapotBoxClick);
    connect(FixAllapotBox, &QCheckBox::clicked, this, &TFeltetelek::FixAllapotBoxClick);
    for (TErtekEdit* e : {MobSzamaiEdit, MobTalalatMaxEdit})
        connect(e, &QSpinBox::valueChanged, this, &TFeltetelek::MobValtozas);
    for (TErtekEdit* e : {FixSzamaiEdit, FixTalalatMaxEdit})
        connect(e, &QSpinBox::valueChanged, this, &TFeltetelek::FixValtozas);
    connect(MobSzamaiEdit, &TErtekEdit::duplaKattintas, this, &TFeltetelek::MobSzamaiEditDblClick);
    connect(FixSzamaiEdit, &TErtekEdit::duplaKattintas, this, &TFeltetelek::FixSzamaiEditDblClick);

    // Számcsoportok.
    Panel16 = panel("Panel16", SzamcsoportAllapotBox, "SzamcsoportAllapotBox", " Számcsoportok");
    DbSzamcsoportEdit = edit(Panel16, "DbSzamcsoportEdit");
    AktSzamcsoportEdit = edit(Panel16, "AktSzamcsoportEdit");
    AktSzamcsoportElsoEdit = edit(Panel16, "AktSzamcsoportElsoEdit");
    AktSzamcsoportUtolsoEdit = edit(Panel16, "AktSzamcsoportUtolsoEdit");
    AktSzamcsoportMinEdit = edit(Panel16, "AktSzamcsoportMinEdit");
    AktSzamcsoportMaxEdit = edit(Panel16, "AktSzamcsoportMaxEdit");
    SzamcsoportokMindenGomb = new QPushButton(QStringLiteral("Mind"), Panel16);
    SzamcsoportokMindenGomb->setObjectName("SzamcsoportokMindenGomb");
    SzamcsoportokMindenGomb->setAutoDefault(false);
    SzamcsoportMinLabel = cimke("A számcsoportból minimum", Panel16);
    SzamcsoportMinLabel->setObjectName("SzamcsoportMinLabel");
    Panel3IL = cimke("~", Panel16);
    Panel3IL->setObjectName("Panel3IL");
    Panel3IL->setVisible(false);
    {
        auto* g = new QGridLayout(Panel16);
        g->addWidget(SzamcsoportAllapotBox, 0, 0, 1, 2);
        g->addWidget(Panel3IL, 0, 5, Qt::AlignRight);
        g->addWidget(DbSzamcsoportEdit, 1, 1);
        g->addWidget(cimke("   számcsoport alkalmazása", Panel16), 1, 2, 1, 3);
        g->addWidget(AktSzamcsoportEdit, 2, 1);
        g->addWidget(cimke("   -dik számcsoport a(z)", Panel16), 2, 2);
        g->addWidget(AktSzamcsoportElsoEdit, 2, 3);
        g->addWidget(cimke("   -dik számtól a(z)", Panel16), 2, 4);
        g->addWidget(AktSzamcsoportUtolsoEdit, 3, 3);
        g->addWidget(cimke("   -dik számig terjed.", Panel16), 3, 4);
        g->addWidget(SzamcsoportMinLabel, 4, 0);
        g->addWidget(AktSzamcsoportMinEdit, 4, 1);
        g->addWidget(cimke("maximum   ", Panel16), 4, 2);
        g->addWidget(AktSzamcsoportMaxEdit, 4, 3);
        g->addWidget(cimke("találat elérése.", Panel16), 4, 4);
        g->addWidget(SzamcsoportokMindenGomb, 4, 5);
        g->setColumnStretch(4, 1);
    }
    connect(SzamcsoportAllapotBox, &QCheckBox::clicked, this, &TFeltetelek::SzamcsoportAllapotBoxClick);
    const std::pair<TErtekEdit*, SzamcsoportMezo> mezok[] = {
        {DbSzamcsoportEdit, SzamcsoportMezo::Db},          {AktSzamcsoportEdit, SzamcsoportMezo::Akt},
        {AktSzamcsoportElsoEdit, SzamcsoportMezo::Elso},   {AktSzamcsoportUtolsoEdit, SzamcsoportMezo::Utolso},
        {AktSzamcsoportMinEdit, SzamcsoportMezo::TalalatMin}, {AktSzamcsoportMaxEdit, SzamcsoportMezo::TalalatMax}};
    for (const auto& [e, m] : mezok) {
        const SzamcsoportMezo mezo = m;
        connect(e, &QSpinBox::valueChanged, this, [this, mezo] { SzamcsoportValtozas(mezo); });
    }
    connect(AktSzamcsoportElsoEdit, &TErtekEdit::duplaKattintas, this, &TFeltetelek::AktSzamcsoportElsoEditDblClick);
    connect(AktSzamcsoportUtolsoEdit, &TErtekEdit::duplaKattintas, this,
            &TFeltetelek::AktSzamcsoportUtolsoEditDblClick);
    connect(SzamcsoportokMindenGomb, &QPushButton::clicked, this, &TFeltetelek::SzamcsoportokMindenGombClick);
    // The minimum labels change with the group size: room for the longest.
    const int szeles = fontMetrics().horizontalAdvance(QStringLiteral("A számcsoport 10 számából minimum")) + 8;
    Label2->setMinimumWidth(szeles);
    SzamcsoportMinLabel->setMinimumWidth(szeles);
    for (QLabel* l : elsoOszlop) l->setMinimumWidth(szeles);
    // The form's starting values, within each edit's own lower limit, until
    // a selected condition brings its record.
    const struct {
        TErtekEdit* e;
        Korlat k;
        std::int32_t v;
    } kezdo[] = {{FavSzamaiEdit, {1, 99}, 1},          {FavSzamaiMaxEdit, {1, 99}, 1},
                 {MobSzamaiEdit, {2, 99}, 2},          {MobTalalatMaxEdit, {1, 9}, 1},
                 {FixSzamaiEdit, {2, 99}, 2},          {FixTalalatMaxEdit, {1, 9}, 1},
                 {DbSzamcsoportEdit, {1, 10}, 1},      {AktSzamcsoportEdit, {1, 10}, 1},
                 {AktSzamcsoportElsoEdit, {1, 99}, 1}, {AktSzamcsoportUtolsoEdit, {1, 99}, 5}};
    for (const auto& x : kezdo) ertek(x.e, x.k, x.v);
    lap->addStretch(1);
}

void TFeltetelek::OpcioPanelEpites()
{
    Panel8 = new QFrame(this);
    Panel8->setObjectName("Panel8");
    Panel8->setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout(Panel8);
    g->setContentsMargins(6, 4, 6, 4);
    auto box = [&](QCheckBox*& b, const char* nev, const char* felirat, const char* hint) {
        b = new QCheckBox(QString::fromUtf8(felirat), Panel8);
        b->setObjectName(nev);
        if (hint) b->setToolTip(QString::fromUtf8(hint));
    };
    auto spin = [&](QSpinBox*& s, const char* nev, int max) {
        s = new QSpinBox(Panel8);
        s->setObjectName(nev);
        s->setRange(0, max);
        s->setMinimumWidth(56);
        s->setAlignment(Qt::AlignRight);
    };
    spin(HibapontBeEdit, "HibapontBeEdit", 10);
    HibapontBeEdit->setToolTip(QStringLiteral(" Variáció hibapontja "));
    box(TulirasBontBox, "TulirasBontBox", " Találat", " Hibapont felülírása ");
    spin(TulirasEdit, "TulirasEdit", 10);
    box(TulirasTetelesBox, "TulirasTetelesBox", " Tételes", nullptr);
    spin(TulirasTetelesEdit, "TulirasTetelesEdit", 999999);
    spin(TulirasTetelesMaxEdit, "TulirasTetelesMaxEdit", 999999);
    box(TulirasSorozatBox, "TulirasSorozatBox", " Sorozat", nullptr);
    box(GyakorisagiEloszlasBox, "GyakorisagiEloszlasBox", " Gyakorisági eloszlás",
        " Számok eloszlási arányának javítása ");
    box(OptimalizaltBox, "OptimalizaltBox", " Optimalizált", " Számsorok optimalizált kiválasztása ");
    box(VeletlenSzamsorokBox, "VeletlenSzamsorokBox", " Véletlen számsorok",
        " Variáció készítése véletlen számsorokból ");
    box(OptBontNovelBox, "OptBontNovelBox", " Növel", " Variáció számsorainak növelése ");
    box(OptBontCsokkentBox, "OptBontCsokkentBox", " Csökkent", " Variáció számsorainak csökkentése ");
    box(OptBontFelulirasBox, "OptBontFelulirasBox", " Felülírás", " Módosított variáció felülírása ");
    box(OptBontRendezBox, "OptBontRendezBox", " Rendez", " Variáció számsorainak rendezése ");
    box(OptBontModBox, "OptBontModBox", " Mód", " Gyorskeresés engedélyezése ");
    spin(OptBontModEdit, "OptBontModEdit", 10);
    OptBontModEdit->setToolTip(QStringLiteral(" Arányérték: 0 <= 1%  ...  10 <= 100% "));
    OptBontModEdit->installEventFilter(this);
    for (QSpinBox* e : {TulirasTetelesEdit, TulirasTetelesMaxEdit})
        if (QLineEdit* l = e->findChild<QLineEdit*>())
            l->installEventFilter(this);

    g->addWidget(cimke("Hibapont ", Panel8), 0, 0);
    g->addWidget(HibapontBeEdit, 0, 1);
    g->addWidget(TulirasBontBox, 0, 2);
    g->addWidget(TulirasEdit, 0, 3);
    g->addWidget(cimke("   találat", Panel8), 0, 4);
    g->addWidget(TulirasTetelesBox, 0, 5);
    g->addWidget(TulirasTetelesEdit, 0, 6);
    g->addWidget(TulirasTetelesMaxEdit, 0, 7);
    g->addWidget(TulirasSorozatBox, 0, 8);
    g->addWidget(GyakorisagiEloszlasBox, 1, 0, 1, 3);
    g->addWidget(OptimalizaltBox, 1, 3, 1, 2);
    g->addWidget(VeletlenSzamsorokBox, 1, 5, 1, 3);
    g->addWidget(OptBontNovelBox, 2, 0, 1, 2);
    g->addWidget(OptBontCsokkentBox, 2, 2);
    g->addWidget(OptBontFelulirasBox, 2, 3, 1, 2);
    g->addWidget(OptBontRendezBox, 2, 5);
    g->addWidget(OptBontModBox, 2, 6);
    g->addWidget(OptBontModEdit, 2, 7);
    g->setColumnStretch(9, 1);

    const std::pair<QCheckBox*, OpcioForras> dobozok[] = {
        {TulirasBontBox, OpcioForras::TulirasBont},      {TulirasTetelesBox, OpcioForras::TulirasTeteles},
        {TulirasSorozatBox, OpcioForras::Sorozat},       {GyakorisagiEloszlasBox, OpcioForras::Gyakorisagi},
        {OptimalizaltBox, OpcioForras::Optimalizalt},   {VeletlenSzamsorokBox, OpcioForras::Veletlen},
        {OptBontNovelBox, OpcioForras::Novel},           {OptBontCsokkentBox, OpcioForras::Csokkent},
        {OptBontFelulirasBox, OpcioForras::Feluliras},   {OptBontRendezBox, OpcioForras::Rendez},
        {OptBontModBox, OpcioForras::Mod}};
    for (const auto& [b, f] : dobozok) {
        const OpcioForras forras = f;
        connect(b, &QCheckBox::clicked, this, [this, forras] { OpcioValtozas(forras); });
    }
    const std::pair<QSpinBox*, OpcioForras> ertekek[] = {{HibapontBeEdit, OpcioForras::Hibapont},
                                                          {TulirasEdit, OpcioForras::Tuliras},
                                                          {TulirasTetelesEdit, OpcioForras::TulirasTetelesMin},
                                                          {TulirasTetelesMaxEdit, OpcioForras::TulirasTetelesMax},
                                                          {OptBontModEdit, OpcioForras::Mod}};
    for (const auto& [s, f] : ertekek) {
        const OpcioForras forras = f;
        connect(s, &QSpinBox::valueChanged, this, [this, forras] { OpcioValtozas(forras); });
    }
}

// ---------------------------------------------------------------- frame

bool TFeltetelek::Listazas() const
{
    const FeltetelekVariacio v = variacio();
    return v.SzamsorDb > 0 && !v.BontasBovites;
}

void TFeltetelek::FeltetelekPosition()
{
    // Beside the main ticket, afresh: now if showing, else at the next showing.
    kvx::AblakElhelyezese(this, true);
}

void TFeltetelek::FeltetelekParancs()
{
    // Conditions changed for a stopped, paused, unfinished or edited
    // variation apply to the lines still to come: it is edited as an
    // extension, and the window shows it so.
    emit megnyitasElott();
    // The advice on fixed numbers, once after fixed numbers were marked.
    if (Allapot.Beallitasok && Allapot.Listak) {
        SzamListak& l = *Allapot.Listak;
        auto& jelzo = Allapot.Beallitasok->UzenetekLog[kFixSzamTippIndex];
        if (l.FixSzamUzenet && jelzo == 1 && l.FixSzamDb() > 0) {
            jelzo = HasznosInformacio(QString::fromUtf8(kFixSzamTipp)) ? 1 : 0;
            l.FixSzamUzenet = false;
        }
    }
    FeltetelStart();
}

void TFeltetelek::FeltetelStart()
{
    SzamJelzoBeallitas(*Allapot.Jelzok, *Allapot.Listak, *Allapot.Jatek, *Allapot.Feltetelek,
                       Allapot.SzamsorrendMod ? *Allapot.SzamsorrendMod : 0);
    show();
    raise();
    activateWindow();
}

void TFeltetelek::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TFeltetelek::FormShow()
{
    if (!Allapot.Opciok->OpcioModosulas) Allapot.Opciok->OpcioModosulas = variacio().BontasBovites;
    BeolvFeltKijelolese();
    // A game without an extra pool shows no extra-pool limits.
    TalArLap->PluszSzamKijelzes();
    SetFeltetelekKijelzes();
    const bool szerkesztheto = !Listazas();
    Panel8->setEnabled(szerkesztheto);
    for (int i = 0; i < FeltetelekPC->count(); ++i) FeltetelekPC->widget(i)->setEnabled(szerkesztheto);
    FeltetelekPCChange();
    if (BontasGomb->isEnabled()) BontasGomb->setFocus();
}

void TFeltetelek::FeltetelekPCChange()
{
    if (!isVisible()) return;
    // The window is as large as the page on show, not as the largest page.
    for (int i = 0; i < FeltetelekPC->count(); ++i) {
        const QSizePolicy::Policy p = i == FeltetelekPC->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        FeltetelekPC->widget(i)->setSizePolicy(p, p);
    }
    // The whole page where the screen has room (adjustSize would stop at two
    // thirds of the screen); the placement makes it smaller where it has not.
    SetScroll(sizeHint().height());
    resize(sizeHint().boundedTo(maximumSize()));
    // Grown or shrunk with the page: it still leaves the others free.
    kvx::AblakElhelyezese(this);
    if (Allapot.Beallitasok && Allapot.Listak->KijeloltSzamDb() > 0)
        FormHeightSizeWarning(this, false, Allapot.Beallitasok->BetuMeret, Allapot.Beallitasok->UzenetekLog[17]);
}

void TFeltetelek::SetScroll(int h)
{
    // The limit: twice the work area's height less the screen's height (the
    // work area less what the desktop's bars take, twice) less four status
    // bars of the main window.
    const kvx::AblakElhelyezes* e = kvx::AblakElhelyezes::Keres(this);
    int hatar = QWIDGETSIZE_MAX;
    if (e) {
        const QRect munka = e->MunkaTerulet();
        hatar = 2 * munka.height() - e->KepernyoMagassag() - 4 * e->StatusSorMagassag();
    } else if (const QScreen* k = screen()) {
        hatar = 2 * k->availableGeometry().height() - k->geometry().height();
    }
    // Frame height: the limit is on the window as the desktop shows it.
    const int keret = frameGeometry().height() - geometry().height();
    hatar -= std::max(0, keret);
    // One wheel step scrolls a page by the button panel's height.
    const int lepes = std::max(1, Panel15->sizeHint().height() / std::max(1, QApplication::wheelScrollLines()));
    for (int i = 0; i < FeltetelekPC->count(); ++i)
        if (auto* g = qobject_cast<QAbstractScrollArea*>(FeltetelekPC->widget(i)))
            g->verticalScrollBar()->setSingleStep(lepes);
    if (h <= hatar) {
        setMaximumHeight(QWIDGETSIZE_MAX);
        return;
    }
    // The page scrolls above the options and the buttons, which keep their
    // places at the bottom.
    setMaximumHeight(std::max(minimumSizeHint().height(), hatar));
}

bool TFeltetelek::FormKeyDown(int key, Qt::KeyboardModifiers mods)
{
    if (key == Qt::Key_Backtab)
        return false;
    return mods & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
}

void TFeltetelek::TulirasTetelesEditDblClick()
{
    if (!TulirasTetelesEdit->isEnabled()) return;
    const int max = TulirasTetelesMaxEdit->value();
    TulirasTetelesEdit->setValue(max > TulirasTetelesEdit->value() ? max : TulirasTetelesEdit->minimum());
}

void TFeltetelek::TulirasTetelesMaxEditDblClick()
{
    if (!TulirasTetelesMaxEdit->isEnabled()) return;
    const int limit = TulirasTetelesMaxEdit->maximum();
    TulirasTetelesMaxEdit->setValue(TulirasTetelesMaxEdit->value() < limit ? limit : TulirasTetelesEdit->value());
}

void TFeltetelek::SetFeltetelekKijelzes()
{
    const FeltetelekVariacio v = variacio();
    const QString nemElerheto = QString::fromUtf8(kNemElerheto);
    if (!Listazas()) {
        const bool van = Allapot.Jatek->SzamsorFoSzamDb <
                         Allapot.Listak->KijeloltFoSzamDb + Allapot.Listak->FixSzamDb();
        emit menuPont(QStringLiteral("Kijelölés"), van ? QStringLiteral(" Feltételek kijelölése, hibapont beállítása ")
                                                       : QStringLiteral(" Nincs kijelölt számsor "));
        // A run to be finished says so as the main window's Start does.
        const bool folytatas = (v.SzamsorDb > 0 && v.Pause) || v.Szerkesztett || v.Befejezetlen ||
                               (v.BontasBovites && v.Leallitott);
        const bool start = isSignalConnected(QMetaMethod::fromSignal(&TFeltetelek::variacioKeszitesKerve));
        BontasGomb->setText(QStringLiteral("Variáció"));
        BontasGomb->setEnabled(start);
        BontasGomb->setToolTip(!start                              ? nemElerheto
                               : folytatas && !startTipp_.isEmpty() ? startTipp_
                                                                    : QStringLiteral(" Variáció készítése "));
        setWindowTitle(QStringLiteral(" Feltételek kijelölése"));
        FeltetelekPC->setToolTip(QString());
    } else {
        emit menuPont(QStringLiteral("Listázás"), QStringLiteral(" Feltételek listája, módosítása "));
        const bool torles = isSignalConnected(QMetaMethod::fromSignal(&TFeltetelek::variacioTorlesKerve));
        BontasGomb->setText(QStringLiteral("Módosítás"));
        BontasGomb->setEnabled(torles);
        BontasGomb->setToolTip(torles ? QStringLiteral(
                                                    " Variáció törlése, feltételek szerkesztésének engedélyezése ")
                                              : nemElerheto);
        setWindowTitle(QStringLiteral(" Feltételek listája"));
        FeltetelekPC->setToolTip(QStringLiteral(" Feltételek szerkesztése: kattintson a [Módosítás] gombra "));
    }
}

void TFeltetelek::CBAction(QCheckBox* box, QFrame* panel, bool engedelyez)
{
    const bool be = box->isChecked();
    if (engedelyez && panel) {
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (w == box || w->parentWidget() != panel) continue;
            w->setEnabled(be);
            if (!be && (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w))) w->setToolTip(QString());
        }
    }
    box->setToolTip(be ? QStringLiteral(" Feltétel törlése ") : QStringLiteral(" Feltétel kijelölése "));
    box->setEnabled(true);
    SetFeltetelJelzo(VanKijeloltFeltetel(*Allapot.Feltetelek));
    // A box comes here before the user can untick it (ticked by hand or by
    // loading); the click that unticks it runs after the box's own handler,
    // with the record already cleared. Loading never clicks.
    if (!feltetelDobozok_.contains(box)) {
        feltetelDobozok_.append(box);
        connect(box, &QCheckBox::clicked, this, [this](bool bejelolve) {
            if (!bejelolve)
                InfoListaKezeles();
        });
    }
}

void TFeltetelek::InfoListaKezeles()
{
    emit feltetelKiveve();
    // After the test went: the description no longer quotes its report.
    emit feltetelekValtoztak();
}

void TFeltetelek::NemErtFelt(QCheckBox* box)
{
    {
        const QSignalBlocker b(box);
        box->setChecked(false);
    }
    if (isVisible()) {
        uzenet(UzenetFajta::Informacio, QString::fromUtf8(kNemErtelmezhetoFeltetel));
        if (BontasGomb->isEnabled()) BontasGomb->setFocus();
    }
}

// ---------------------------------------------------------------- loading and flags

void TFeltetelek::BeolvFeltKijelolese()
{
    FeltetelRekordok& f = *Allapot.Feltetelek;
    const int mod = Allapot.SzamsorrendMod ? *Allapot.SzamsorrendMod : 0;
    SzamJelzoBeallitas(*Allapot.Jelzok, *Allapot.Listak, *Allapot.Jatek, f, mod);
    betoltes_ = true;
    struct Elem {
        QCheckBox* box;
        std::uint8_t* allapot;
        bool (TFeltetelek::*mutat)();
    };
    const Elem elemek[] = {{FavAllapotBox, &f.FavFeltetel.Allapot, &TFeltetelek::favMegjelenites},
                           {AllandoAllapotBox, &f.AllandoFeltetel.Allapot, &TFeltetelek::allandoMegjelenites},
                           {MobAllapotBox, &f.MobFeltetel.Allapot, &TFeltetelek::mobMegjelenites},
                           {FixAllapotBox, &f.FixFeltetel.Allapot, &TFeltetelek::fixMegjelenites},
                           {SzamcsoportAllapotBox, &f.SzamcsoportokFeltetel.Allapot,
                            &TFeltetelek::szamcsoportMegjelenites}};
    aktSzamcsoport_ = 1;
    for (const Elem& e : elemek) {
        {
            const QSignalBlocker b(e.box);
            e.box->setChecked(*e.allapot != 0);
        }
        // A record that is not selected keeps its values and its controls.
        if (*e.allapot && !(this->*e.mutat)()) {
            *e.allapot = 0;
            NemErtFelt(e.box);
        }
        CBAction(e.box, qobject_cast<QFrame*>(e.box->parentWidget()), true);
    }
    // The "~" of a condition that is not selected is off.
    if (!f.FavFeltetel.Allapot) Panel1IL->setVisible(false);
    if (!f.SzamcsoportokFeltetel.Allapot) Panel3IL->setVisible(false);
    betoltes_ = false;
    // The other conditions in their fixed order, so that the refusals of a
    // selection that no longer fits them come in that order too.
    SzamcsoportLap->Betoltes();
    TalArLap->Betoltes();
    SzamvegzodesLap->Betoltes();
    EsemenyekLap->Betoltes();
    SzamjegyLap->Betoltes();
    MathLap->Betoltes();
    SpecLap->SorozatBetoltes();
    SzamkeszletPanel->Betoltes();
    SpecLap->SzamsorokBetoltes();
    SzamJelzoBeallitas(*Allapot.Jelzok, *Allapot.Listak, *Allapot.Jatek, f, mod);
    jelzokFrissitese();
    SetFeltetelJelzo(VanKijeloltFeltetel(f));

    OpcioBetoltes();
}

void TFeltetelek::OpcioBetoltes()
{
    FeltetelRekordok& f = *Allapot.Feltetelek;
    const OpcioDobozok d = OpcioDobozokBetoltese(f, *Allapot.Opciok);
    const OpcioEredmeny r = VariacioOpciokSzamitasa(d, OpcioForras::Nincs, opcioKornyezet(), f, *Allapot.Opciok);
    opcioMegjelenites(r);
    // Refused silently while the window is not showing, as the conditions are.
    if (!r.Hiba.empty() && isVisible()) uzenet(UzenetFajta::Informacio, q(r.Hiba));
    EllenorzesGombBeallitas();
}

void TFeltetelek::OptBontFelulirasHint()
{
    const TVariacioOpciok& vo = Allapot.Feltetelek->VariacioOpciok;
    OptBontFelulirasBox->setToolTip(tipp(kvx::OptBontFelulirasHint(vo.Feluliras != 0, vo.VedettSzamsorDb())));
}

void TFeltetelek::VariacioOpcioinakTorlese()
{
    FeltetelRekordok& f = *Allapot.Feltetelek;
    const OpcioDobozok d = kvx::VariacioOpcioinakTorlese(OpcioDobozokBetoltese(f, *Allapot.Opciok));
    const OpcioEredmeny r = VariacioOpciokSzamitasa(d, OpcioForras::Nincs, opcioKornyezet(), f, *Allapot.Opciok);
    opcioMegjelenites(r);
    EllenorzesGombBeallitas();
}

void TFeltetelek::TalalatiAranyElerheto(bool adatbazis)
{
    if (TalArLap && TalArLap->Panel) TalArLap->Panel->setEnabled(adatbazis);
}

void TFeltetelek::SetFeltetelJelzo(bool value)
{
    kvx::SetFeltetelJelzo(*Allapot.Feltetelek, value, variacio().BontasBovites);
    TorlesGomb->setEnabled(Allapot.Feltetelek->FeltetelJelzo);
    TorlesGomb->setToolTip(value ? QStringLiteral(" Feltételek törlése ") : QStringLiteral(" Nincs kijelölt feltétel "));
    EllenorzesGombBeallitas();
}

void TFeltetelek::EllenorzesGombBeallitas()
{
    const FeltetelRekordok& f = *Allapot.Feltetelek;
    const VariacioOpcioErtekek& o = *Allapot.Opciok;
    const bool be = f.FeltetelJelzo || (f.VariacioOpciok.Optimalizalas && !f.VariacioOpciok.Feluliras) ||
                    (o.TulirasBont && o.TulirasTeteles && variacio().LefoglaltSorok == 0 && o.TulirasTetelesMin > 0);
    EllenorzesGomb->setEnabled(be);
    EllenorzesGomb->setToolTip(be ? QStringLiteral(" Feltételek ellenőrzése ") : TorlesGomb->toolTip());
    emit feltetelParancsok(TorlesGomb->isEnabled(), TorlesGomb->toolTip(), be, EllenorzesGomb->toolTip());
}

void TFeltetelek::SetDbFeltetel(const TFeltetelMaszk& kijeloltFeltetelek)
{
    FeltetelekMaszkbol(*Allapot.Feltetelek, kijeloltFeltetelek);
    BeolvFeltKijelolese();
}

// ---------------------------------------------------------------- buttons

void TFeltetelek::VariacioBontasKerese()
{
    if (!Listazas()) {
        emit variacioKeszitesKerve();
    } else {
        emit variacioTorlesKerve();
    }
}

void TFeltetelek::KilepesGombClick() { close(); }

void TFeltetelek::FeltetelekTorlese()
{
    FeltetelRekordok& f = *Allapot.Feltetelek;
    const FeltetelekVariacio v = variacio();
    if (VariacioFut && VariacioFut()) return;
    // With backups off the question says that nothing is kept.
    const std::string elotag = Allapot.Beallitasok ? BackFigyelmeztetesSzoveg(Allapot.Beallitasok->BiztonsagiMentes)
                                                   : std::string();
    const auto kerdes = [this, &elotag](const char* szoveg) {
        const QString q = QString::fromStdString(elotag + szoveg);
        return Kerdes ? Kerdes(q) : JovahagyasKerese(q);
    };
    // The lines were made for the conditions and go with them (in extension
    // mode they stay for the numbers to come back to).
    const bool sorok = v.SzamsorDb > 0 && !v.BontasBovites;
    bool tovabb;
    if (Allapot.Foallapot->Mentve) {
        // A saved variation's lines are in its file; still they go only
        // after the question.
        tovabb = !sorok || kerdes(f.FeltetelJelzo ? "Biztos törli a feltételeket és a variáció listáját?"
                                                  : "Biztos törli a variáció listáját?");
    } else if (!sorok) {
        tovabb = !f.FeltetelJelzo || kerdes("Biztos törli a feltételeket?");
    } else {
        // Unsaved lines: the variation controller asks, keeps them in the
        // Back folder, and deletes them with the conditions.
        tovabb = VariacioTorlesEng && VariacioTorlesEng();
    }
    if (!tovabb) return;
    // The window shows the cleared conditions afresh: in the mode of the
    // variation left (no lines: the conditions are set anew).
    if (isVisible()) KilepesGombClick();
    FeltetelTorlesHelyzet h;
    h.VariacioVanSzamsor = variacio().SzamsorDb > 0 && !v.BontasBovites;
    h.BontasBovites = v.BontasBovites;
    h.TulirasBont = Allapot.Opciok->TulirasBont;
    const FeltetelTorlesEredmeny r = kvx::FeltetelekTorlese(f, h);
    if (r.VariacioTorlendo && VariacioTorles) VariacioTorles();
    if (r.HibapontTorolve) {
        const QSignalBlocker b1(HibapontBeEdit), b2(TulirasBontBox);
        HibapontBeEdit->setValue(0);
        TulirasBontBox->setChecked(false);
    }
    BeolvFeltKijelolese();
    HibapontBeEditChange();
    emit torolve();
    emit torlesVege();
}

void TFeltetelek::FeltetelekEllenorzeseShow(int lap)
{
    if (!isVisible()) FeltetelStart();
    FeltetelekPC->setCurrentIndex(std::clamp(lap, 0, FeltetelekPC->count() - 1));
    FeltetelekPCChange();
}

void TFeltetelek::FeltetelekEllenorzese()
{
    const VariacioOpcioErtekek& o = *Allapot.Opciok;
    EllenorzesBemenet be =
        EllenorzesBemenetKeszites(*Allapot.Feltetelek, *Allapot.Jatek, *Allapot.Listak, *Allapot.Jelzok, o);
    const FeltetelekVariacio v = variacio();
    be.SzamsorDb = v.SzamsorDb;
    be.LefoglaltSorok = v.LefoglaltSorok;
    const EllenorzesEredmeny r = kvx::FeltetelekEllenorzese(be, true);
    if (r.Ok) {
        uzenet(UzenetFajta::Informacio, QString::fromUtf8(kEllenorzesRendben));
        return;
    }
    FeltetelekEllenorzeseShow(r.EllenorzesLap);
    uzenet(UzenetFajta::Figyelmeztetes, q(r.EllenorzesUzenet));
    if (r.EllenorzesSzamlalo > 0) uzenet(UzenetFajta::Informacio, QString::fromUtf8(kNemEllenorzottMinden));
}

// ---------------------------------------------------------------- options panel

OpcioKornyezet TFeltetelek::opcioKornyezet() const
{
    const SzamListak& l = *Allapot.Listak;
    const GameParams& g = *Allapot.Jatek;
    const FeltetelRekordok& f = *Allapot.Feltetelek;
    const FeltetelekVariacio v = variacio();
    OpcioKornyezet e;
    e.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    e.VariacioFoMeret = l.VariacioFoMeret;
    e.VariacioMeretFelso = l.VariacioMeretFelso;
    e.PluszSzamDb = g.PluszSzamDb;
    e.KijeloltPluszSzamDb = l.KijeloltPluszSzamDb;
    e.VanPluszSzam = g.VanPluszSzam;
    e.SzamsorFoSzamDb = g.SzamsorFoSzamDb;
    e.SzamsorHosszMax = g.SzamsorHosszMax;
    e.TalArHuzasForras = f.TalalatiAranyFeltetel.Allapot && f.TalalatiAranyFeltetel.Forras == 1;
    e.HuzasSzamsorVariacio = f.HuzasSzamsorVariacio;
    e.BontasBovites = v.BontasBovites;
    e.SzamsorDb = v.SzamsorDb;
    e.FormLathato = isVisible();
    return e;
}

OpcioDobozok TFeltetelek::opcioDobozok() const
{
    OpcioDobozok d;
    d.HibapontBe = HibapontBeEdit->value();
    d.TulirasBontBox = TulirasBontBox->isChecked();
    d.TulirasUD = TulirasEdit->value();
    d.TulirasTetelesBox = TulirasTetelesBox->isChecked();
    d.TulirasTetelesEdit = TulirasTetelesEdit->text().toStdString();
    d.TulirasTetelesMaxEdit = TulirasTetelesMaxEdit->text().toStdString();
    d.TulirasSorozatBox = TulirasSorozatBox->isChecked();
    d.GyakorisagiEloszlasBox = GyakorisagiEloszlasBox->isChecked();
    d.OptimalizaltBox = OptimalizaltBox->isChecked();
    d.VeletlenSzamsorokBox = VeletlenSzamsorokBox->isChecked();
    d.OptBontNovelBox = OptBontNovelBox->isChecked();
    d.OptBontCsokkentBox = OptBontCsokkentBox->isChecked();
    d.OptBontFelulirasBox = OptBontFelulirasBox->isChecked();
    d.OptBontRendezBox = OptBontRendezBox->isChecked();
    d.OptBontModBox = OptBontModBox->isChecked();
    d.OptBontModUD = OptBontModEdit->value();
    return d;
}

void TFeltetelek::opcioMegjelenites(const OpcioEredmeny& r)
{
    const OpcioDobozok& d = r.Dobozok;
    QList<QWidget*> mind = Panel8->findChildren<QWidget*>();
    std::vector<std::unique_ptr<QSignalBlocker>> blokkok;
    for (QWidget* w : mind) blokkok.push_back(std::make_unique<QSignalBlocker>(w));
    HibapontBeEdit->setRange(0, r.HibapontMax);
    HibapontBeEdit->setValue(d.HibapontBe);
    HibapontBeEdit->setEnabled(r.HibapontEnabled);
    TulirasBontBox->setChecked(d.TulirasBontBox);
    TulirasEdit->setRange(0, r.HibapontMax);
    TulirasEdit->setValue(d.TulirasUD);
    TulirasEdit->setEnabled(r.TulirasEnabled);
    TulirasTetelesBox->setChecked(d.TulirasTetelesBox);
    TulirasTetelesBox->setEnabled(r.TulirasEnabled);
    const int limit = static_cast<int>(r.TetelesLimit);
    TulirasTetelesEdit->setRange(0, limit);
    TulirasTetelesMaxEdit->setRange(0, limit);
    TulirasTetelesEdit->setValue(QString::fromStdString(d.TulirasTetelesEdit).toInt());
    TulirasTetelesMaxEdit->setValue(QString::fromStdString(d.TulirasTetelesMaxEdit).toInt());
    TulirasTetelesEdit->setEnabled(r.TetelesEditsEnabled);
    TulirasTetelesMaxEdit->setEnabled(r.TetelesEditsEnabled);
    TulirasSorozatBox->setChecked(d.TulirasSorozatBox);
    TulirasSorozatBox->setEnabled(r.SorozatEnabled);
    GyakorisagiEloszlasBox->setChecked(d.GyakorisagiEloszlasBox);
    GyakorisagiEloszlasBox->setEnabled(r.GyakorisagiEnabled);
    OptimalizaltBox->setChecked(d.OptimalizaltBox);
    OptimalizaltBox->setEnabled(r.OptimalizaltEnabled);
    VeletlenSzamsorokBox->setChecked(d.VeletlenSzamsorokBox);
    VeletlenSzamsorokBox->setEnabled(r.VeletlenEnabled);
    OptBontNovelBox->setChecked(d.OptBontNovelBox);
    OptBontNovelBox->setEnabled(r.NovelEnabled);
    OptBontCsokkentBox->setChecked(d.OptBontCsokkentBox);
    OptBontCsokkentBox->setEnabled(r.CsokkentEnabled);
    OptBontFelulirasBox->setChecked(d.OptBontFelulirasBox);
    OptBontFelulirasBox->setEnabled(r.FelulirasEnabled);
    OptBontFelulirasBox->setToolTip(tipp(r.OptBontFelulirasTipp));
    OptBontRendezBox->setChecked(d.OptBontRendezBox);
    OptBontRendezBox->setEnabled(r.RendezEnabled);
    OptBontModBox->setChecked(d.OptBontModBox);
    OptBontModBox->setEnabled(r.ModEnabled);
    OptBontModEdit->setValue(d.OptBontModUD);
    OptBontModEdit->setEnabled(r.ModEnabled);
    TulirasEdit->setToolTip(q(r.TulirasEditTipp));
    TulirasTetelesBox->setToolTip(q(r.TulirasTetelesBoxTipp));
    TulirasTetelesEdit->setToolTip(q(r.TulirasTetelesEditTipp));
    TulirasTetelesMaxEdit->setToolTip(q(r.TulirasTetelesMaxEditTipp));
    TulirasSorozatBox->setToolTip(q(r.TulirasSorozatBoxTipp));
    BontasOpcioFelirat = q(r.BontasOpcioFelirat);
}

void TFeltetelek::OpcioValtozas(OpcioForras forras)
{
    if (betoltes_) return;
    const OpcioEredmeny r =
        VariacioOpciokSzamitasa(opcioDobozok(), forras, opcioKornyezet(), *Allapot.Feltetelek, *Allapot.Opciok);
    opcioMegjelenites(r);
    // Refused silently while the window is not showing, as the conditions are.
    if (!r.Hiba.empty() && isVisible()) uzenet(UzenetFajta::Informacio, q(r.Hiba));
    // The once-only tips of the optimisation options the user just ticked.
    auto& naplo = settings().UzenetekLog;
    for (const int t : r.Tippek) {
        const std::string szoveg = OpcioTippSzoveg(t);
        if (t >= 0 && t < static_cast<int>(naplo.size()) && naplo[static_cast<std::size_t>(t)] && !szoveg.empty())
            naplo[static_cast<std::size_t>(t)] = HasznosInformacio(q(szoveg)) ? 1 : 0;
    }
    EllenorzesGombBeallitas();
    emit feltetelekValtoztak();
}

void TFeltetelek::HibapontBeEditChange() { OpcioValtozas(OpcioForras::Nincs); }

void TFeltetelek::OptBontModEditDblClick()
{
    if (!OptBontModEdit->isEnabled()) return;
    OptBontModEdit->setValue(OptBontModEdit->value() == OptBontModEdit->maximum() ? OptBontModEdit->minimum()
                                                                                   : OptBontModEdit->maximum());
}

bool TFeltetelek::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        if (o == MobAllapotBox) MobAllapotBoxEnter();
        if (o == FixAllapotBox) FixAllapotBoxEnter();
    }
    if (o == OptBontModEdit && e->type() == QEvent::MouseButtonDblClick) OptBontModEditDblClick();
    if (e->type() == QEvent::MouseButtonDblClick && o->parent() == TulirasTetelesEdit) {
        TulirasTetelesEditDblClick();
        return true;
    }
    if (e->type() == QEvent::MouseButtonDblClick && o->parent() == TulirasTetelesMaxEdit) {
        TulirasTetelesMaxEditDblClick();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

// ---------------------------------------------------------------- distribution tab

EloszlasKornyezet TFeltetelek::eloszlasKornyezet() const
{
    const SzamListak& l = *Allapot.Listak;
    EloszlasKornyezet e;
    e.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    e.VariacioFoMeret = l.VariacioFoMeret;
    e.VariacioMeret = l.VariacioMeret;
    e.AllandoSzamDb = l.AllandoSzamDb();
    e.KijeloltSzamok = l.KijeloltSzamok;
    return e;
}

void TFeltetelek::feltetelValtozott()
{
    SzamJelzoBeallitas(*Allapot.Jelzok, *Allapot.Listak, *Allapot.Jatek, *Allapot.Feltetelek,
                       Allapot.SzamsorrendMod ? *Allapot.SzamsorrendMod : 0);
    jelzokFrissitese();
    EllenorzesGombBeallitas();
    emit feltetelekValtoztak();
}

void TFeltetelek::jelzokFrissitese()
{
    // The number pools and the Math tab's fixed range each name the other's
    // positions in their markers' hints.
    if (MathLap) MathLap->Panel17ILHint();
    if (SzamkeszletPanel) SzamkeszletPanel->Panel26ILHint();
}

bool TFeltetelek::LapKerdes(const QString& s)
{
    return Kerdes ? Kerdes(s) : FigyelmeztetoKerdes(s);
}

bool TFeltetelek::favMegjelenites()
{
    TFavFeltetel& r = Allapot.Feltetelek->FavFeltetel;
    const FavNezet v = FavNormalizalas(r, eloszlasKornyezet());
    if (v.Ervenytelen) return false;
    ertek(FavSzamaiEdit, v.Elso, r.ElsoIndex);
    ertek(FavSzamaiMaxEdit, v.Utolso, r.UtolsoIndex);
    ertek(FavTalalatEdit, v.TalalatMin, r.TalalatMin);
    ertek(FavTalalatMaxEdit, v.TalalatMax, r.TalalatMax);
    Label2->setText(q(v.Label2));
    FavSzamaiEdit->setToolTip(tipp(v.PozicioTipp));
    FavSzamaiMaxEdit->setToolTip(tipp(v.PozicioTipp));
    Panel1IL->setVisible(r.Allapot && !Allapot.Jelzok->Novekvo);
    Panel1IL->setToolTip(tipp(kNemNovekvoTipp));
    return true;
}

void TFeltetelek::FavAllapotBoxClick()
{
    TFavFeltetel& r = Allapot.Feltetelek->FavFeltetel;
    r.Allapot = FavAllapotBox->isChecked() ? 1 : 0;
    if (r.Allapot && !favMegjelenites()) {
        r.Allapot = 0;
        NemErtFelt(FavAllapotBox);
    }
    if (!r.Allapot) Panel1IL->setVisible(false);
    CBAction(FavAllapotBox, Panel1, true);
    feltetelValtozott();
}

void TFeltetelek::FavValtozas(FavMezo mezo)
{
    if (betoltes_) return;
    TFavFeltetel& r = Allapot.Feltetelek->FavFeltetel;
    r.ElsoIndex = FavSzamaiEdit->value();
    r.UtolsoIndex = FavSzamaiMaxEdit->value();
    r.TalalatMin = FavTalalatEdit->value();
    r.TalalatMax = FavTalalatMaxEdit->value();
    FavNormalizalas(r, eloszlasKornyezet(), mezo);
    favMegjelenites();
    feltetelValtozott();
}

void TFeltetelek::FavSzamaiEditDblClick()
{
    FavSzamaiEdit->setValue(ElsoPozicioDupla(FavSzamaiEdit->value(), FavSzamaiMaxEdit->value()));
}

void TFeltetelek::FavSzamaiMaxEditDblClick()
{
    FavSzamaiMaxEdit->setValue(
        UtolsoPozicioDupla(FavSzamaiEdit->value(), FavSzamaiMaxEdit->value(), Allapot.Listak->KijeloltFoSzamDb));
}

bool TFeltetelek::allandoMegjelenites()
{
    TMinMaxFeltetel& r = Allapot.Feltetelek->AllandoFeltetel;
    const AllandoNezet v = AllandoNormalizalas(r, eloszlasKornyezet());
    if (v.Ervenytelen) return false;
    ertek(AllandoTalalatEdit, v.Min, r.Min);
    ertek(AllandoTalalatMaxEdit, v.Max, r.Max);
    return true;
}

void TFeltetelek::AllandoAllapotBoxClick()
{
    TMinMaxFeltetel& r = Allapot.Feltetelek->AllandoFeltetel;
    r.Allapot = AllandoAllapotBox->isChecked() ? 1 : 0;
    if (r.Allapot && !allandoMegjelenites()) {
        r.Allapot = 0;
        NemErtFelt(AllandoAllapotBox);
    }
    CBAction(AllandoAllapotBox, Panel19, true);
    feltetelValtozott();
}

void TFeltetelek::AllandoValtozas(MinMaxMezo mezo)
{
    if (betoltes_) return;
    TMinMaxFeltetel& r = Allapot.Feltetelek->AllandoFeltetel;
    r.Min = AllandoTalalatEdit->value();
    r.Max = AllandoTalalatMaxEdit->value();
    AllandoNormalizalas(r, eloszlasKornyezet(), mezo);
    allandoMegjelenites();
    feltetelValtozott();
}

bool TFeltetelek::mobMegjelenites()
{
    TCsoportFeltetel& r = Allapot.Feltetelek->MobFeltetel;
    const CsoportNezet v = MobNormalizalas(r, eloszlasKornyezet());
    if (v.Ervenytelen) return false;
    ertek(MobSzamaiEdit, v.Meret, r.Meret);
    ertek(MobTalalatMaxEdit, v.TalalatMax, r.TalalatMax);
    return true;
}

bool TFeltetelek::fixMegjelenites()
{
    TCsoportFeltetel& r = Allapot.Feltetelek->FixFeltetel;
    const CsoportNezet v = FixNormalizalas(r, eloszlasKornyezet());
    if (v.Ervenytelen) return false;
    ertek(FixSzamaiEdit, v.Meret, r.Meret);
    ertek(FixTalalatMaxEdit, v.TalalatMax, r.TalalatMax);
    return true;
}

// The group rules are checked whenever the box ends ticked (by the user or
// by loading), not only when it takes the focus.
void TFeltetelek::MobAllapotBoxClick()
{
    TCsoportFeltetel& r = Allapot.Feltetelek->MobFeltetel;
    r.Allapot = MobAllapotBox->isChecked() ? 1 : 0;
    if (r.Allapot && !mobMegjelenites()) {
        r.Allapot = 0;
        NemErtFelt(MobAllapotBox);
    }
    CBAction(MobAllapotBox, Panel12, true);
    feltetelValtozott();
}

void TFeltetelek::MobAllapotBoxEnter()
{
    if (!MobErtelmezheto(eloszlasKornyezet()) && MobAllapotBox->isChecked()) {
        Allapot.Feltetelek->MobFeltetel.Allapot = 0;
        NemErtFelt(MobAllapotBox);
        CBAction(MobAllapotBox, Panel12, true);
    }
}

void TFeltetelek::MobValtozas()
{
    if (betoltes_) return;
    TCsoportFeltetel& r = Allapot.Feltetelek->MobFeltetel;
    r.Meret = MobSzamaiEdit->value();
    r.TalalatMax = MobTalalatMaxEdit->value();
    mobMegjelenites();
    feltetelValtozott();
}

void TFeltetelek::MobSzamaiEditDblClick()
{
    MobSzamaiEdit->setValue(
        CsoportMeretDupla(MobSzamaiEdit->value(), {MobSzamaiEdit->minimum(), MobSzamaiEdit->maximum()}));
}

void TFeltetelek::FixAllapotBoxClick()
{
    TCsoportFeltetel& r = Allapot.Feltetelek->FixFeltetel;
    r.Allapot = FixAllapotBox->isChecked() ? 1 : 0;
    if (r.Allapot && !fixMegjelenites()) {
        r.Allapot = 0;
        NemErtFelt(FixAllapotBox);
    }
    CBAction(FixAllapotBox, Panel11, true);
    feltetelValtozott();
}

void TFeltetelek::FixAllapotBoxEnter()
{
    if (!FixErtelmezheto(eloszlasKornyezet()) && FixAllapotBox->isChecked()) {
        Allapot.Feltetelek->FixFeltetel.Allapot = 0;
        NemErtFelt(FixAllapotBox);
        CBAction(FixAllapotBox, Panel11, true);
    }
}

void TFeltetelek::FixValtozas()
{
    if (betoltes_) return;
    TCsoportFeltetel& r = Allapot.Feltetelek->FixFeltetel;
    r.Meret = FixSzamaiEdit->value();
    r.TalalatMax = FixTalalatMaxEdit->value();
    fixMegjelenites();
    feltetelValtozott();
}

void TFeltetelek::FixSzamaiEditDblClick()
{
    FixSzamaiEdit->setValue(
        CsoportMeretDupla(FixSzamaiEdit->value(), {FixSzamaiEdit->minimum(), FixSzamaiEdit->maximum()}));
}

bool TFeltetelek::szamcsoportMegjelenites()
{
    TSzamcsoportokFeltetel& r = Allapot.Feltetelek->SzamcsoportokFeltetel;
    const SzamcsoportNezet v = SzamcsoportNormalizalas(r, aktSzamcsoport_, eloszlasKornyezet());
    if (v.Ervenytelen) return false;
    const TCsoport& c = r.Csoport[static_cast<std::size_t>(aktSzamcsoport_ - 1)];
    ertek(DbSzamcsoportEdit, v.Db, r.Db);
    ertek(AktSzamcsoportEdit, v.Akt, aktSzamcsoport_);
    ertek(AktSzamcsoportElsoEdit, v.Elso, c.ElsoIndex);
    ertek(AktSzamcsoportUtolsoEdit, v.Utolso, c.UtolsoIndex);
    ertek(AktSzamcsoportMinEdit, v.TalalatMin, c.TalalatMin);
    ertek(AktSzamcsoportMaxEdit, v.TalalatMax, c.TalalatMax);
    SzamcsoportMinLabel->setText(q(v.MinLabel));
    AktSzamcsoportElsoEdit->setToolTip(tipp(v.PozicioTipp));
    AktSzamcsoportUtolsoEdit->setToolTip(tipp(v.PozicioTipp));
    DbSzamcsoportEdit->setToolTip(tipp(v.DbTipp));
    SzamcsoportokMindenGomb->setToolTip(
        tipp(" Minden kijelölt számcsoport találati arányainak értékadása, \r\n az aktuálisan beállított minimum és "
             "maximum értékek szerint. "));
    Panel3IL->setVisible(r.Allapot && !Allapot.Jelzok->Novekvo);
    Panel3IL->setToolTip(tipp(kNemNovekvoTipp));
    return true;
}

void TFeltetelek::SzamcsoportAllapotBoxClick()
{
    TSzamcsoportokFeltetel& r = Allapot.Feltetelek->SzamcsoportokFeltetel;
    r.Allapot = SzamcsoportAllapotBox->isChecked() ? 1 : 0;
    aktSzamcsoport_ = 1;
    if (r.Allapot && !szamcsoportMegjelenites()) {
        r.Allapot = 0;
        NemErtFelt(SzamcsoportAllapotBox);
    }
    if (!r.Allapot) Panel3IL->setVisible(false);
    CBAction(SzamcsoportAllapotBox, Panel16, true);
    feltetelValtozott();
}

void TFeltetelek::SzamcsoportValtozas(SzamcsoportMezo mezo)
{
    if (betoltes_) return;
    TSzamcsoportokFeltetel& r = Allapot.Feltetelek->SzamcsoportokFeltetel;
    r.Db = DbSzamcsoportEdit->value();
    if (mezo == SzamcsoportMezo::Akt) {
        // Another group is shown: its own values are loaded, nothing is written.
        aktSzamcsoport_ = AktSzamcsoportEdit->value();
    } else if (mezo != SzamcsoportMezo::Db) {
        TCsoport& c = r.Csoport[static_cast<std::size_t>(std::clamp(aktSzamcsoport_, 1, 10) - 1)];
        c.ElsoIndex = AktSzamcsoportElsoEdit->value();
        c.UtolsoIndex = AktSzamcsoportUtolsoEdit->value();
        c.TalalatMin = AktSzamcsoportMinEdit->value();
        c.TalalatMax = AktSzamcsoportMaxEdit->value();
    }
    SzamcsoportNormalizalas(r, aktSzamcsoport_, eloszlasKornyezet(), mezo);
    szamcsoportMegjelenites();
    feltetelValtozott();
}

void TFeltetelek::AktSzamcsoportElsoEditDblClick()
{
    AktSzamcsoportElsoEdit->setValue(
        ElsoPozicioDupla(AktSzamcsoportElsoEdit->value(), AktSzamcsoportUtolsoEdit->value()));
}

void TFeltetelek::AktSzamcsoportUtolsoEditDblClick()
{
    AktSzamcsoportUtolsoEdit->setValue(UtolsoPozicioDupla(
        AktSzamcsoportElsoEdit->value(), AktSzamcsoportUtolsoEdit->value(), Allapot.Listak->KijeloltFoSzamDb));
}

void TFeltetelek::SzamcsoportokMindenGombClick()
{
    TSzamcsoportokFeltetel& r = Allapot.Feltetelek->SzamcsoportokFeltetel;
    SzamcsoportokMinden(r, AktSzamcsoportMinEdit->value(), AktSzamcsoportMaxEdit->value());
    szamcsoportMegjelenites();
    feltetelValtozott();
}
