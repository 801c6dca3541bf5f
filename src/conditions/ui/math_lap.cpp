#include "conditions/ui/math_lap.h"
#include "conditions/number_pools.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "common/delphi_format.h"
#include "conditions/ui/feltetelek.h"

using namespace kvx;
using namespace kvx::lap;

namespace {

constexpr int kSzorasTippIndex = 8;

std::optional<std::int32_t> egesz(const QSpinBox* e)
{
    bool ok = false;
    const int v = e->cleanText().toInt(&ok);
    return ok ? std::optional<std::int32_t>(v) : std::nullopt;
}

void valos(QDoubleSpinBox* e, double also, double felso, double v)
{
    const QSignalBlocker b(e);
    e->setRange(also, felso);
    e->setValue(v);
}

QCheckBox* felteteles(const char* felirat, const char* nev, QWidget* p)
{
    auto* b = new QCheckBox(QString::fromUtf8(felirat), p);
    b->setObjectName(nev);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

// The marker beside a condition: a small sign whose hint tells the limits.
QLabel* jelzo(const char* nev, QWidget* p)
{
    auto* l = new QLabel(QStringLiteral("~"), p);
    l->setObjectName(nev);
    return l;
}

}  // namespace

void TOsszegEdit::stepBy(int steps)
{
    const int elotte = value();
    QSpinBox::stepBy(steps);
    if (value() != elotte) emit lepes();
}

QValidator::State TOsszegEdit::validate(QString& input, int&) const
{
    if (input.size() > lineEdit()->maxLength()) return QValidator::Invalid;
    for (const QChar c : input)
        if (!c.isDigit()) return QValidator::Invalid;
    return QValidator::Acceptable;
}

int TOsszegEdit::valueFromText(const QString& text) const
{
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok);
    if (!ok) return minimum();
    return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
}

TMathLap::TMathLap(TFeltetelek& ablak, QWidget* lap) : QObject(lap), w_(ablak)
{
    Tipp = [](const QString& s, int index) {
        auto& naplo = settings().UzenetekLog;
        if (naplo[static_cast<std::size_t>(index)])
            naplo[static_cast<std::size_t>(index)] = HasznosInformacio(s) ? 1 : 0;
    };
    auto* sor = new QVBoxLayout(lap);
    sor->setContentsMargins(4, 4, 4, 4);
    auto panel = [&](const char* nev) {
        auto* p = new QFrame(lap);
        p->setObjectName(nev);
        p->setFrameShape(QFrame::StyledPanel);
        sor->addWidget(p);
        return p;
    };
    const QLocale helyi = formatSettings().decimalSeparator == ',' ? QLocale(QLocale::Hungarian) : QLocale::c();

    // Összeg.
    Panel6 = panel("Panel6");
    EsemOsszegBox = felteteles(" Összeg", "EsemOsszegBox", Panel6);
    auto osszeg = [&](const char* nev) {
        auto* e = new TOsszegEdit(Panel6);
        e->setObjectName(nev);
        e->setKeyboardTracking(false);
        e->setAlignment(Qt::AlignRight);
        e->setMinimumWidth(64);
        return e;
    };
    EsemOsszFixEdit = osszeg("EsemOsszFixEdit");
    EsemOsszMaxEdit = osszeg("EsemOsszMaxEdit");
    EsemOsszFixEdit->setRange(3, 1000);
    EsemOsszFixEdit->setValue(15);
    EsemOsszMaxEdit->setRange(4, 1000);
    EsemOsszMaxEdit->setValue(145);
    Panel6IL = jelzo("Panel6IL", Panel6);
    {
        auto* g = new QGridLayout(Panel6);
        g->addWidget(EsemOsszegBox, 0, 0, 1, 2);
        g->addWidget(Panel6IL, 0, 5, Qt::AlignRight);
        g->addWidget(cimke("Egy számsor számainak összege minimum", Panel6), 1, 0);
        g->addWidget(EsemOsszFixEdit, 1, 1);
        g->addWidget(cimke("   maximum", Panel6), 1, 2);
        g->addWidget(EsemOsszMaxEdit, 1, 3);
        g->addWidget(cimke("   lehet.", Panel6), 1, 4);
        g->setColumnStretch(4, 1);
    }

    // Szórás.
    Panel13 = panel("Panel13");
    MathSzorasBox = felteteles(" Szórás", "MathSzorasBox", Panel13);
    auto szoras = [&](const char* nev) {
        auto* e = new QDoubleSpinBox(Panel13);
        e->setObjectName(nev);
        e->setDecimals(4);
        e->setSingleStep(1);
        e->setKeyboardTracking(false);
        e->setLocale(helyi);
        e->setAlignment(Qt::AlignRight);
        e->setMinimumWidth(80);
        e->setRange(1, 100);
        return e;
    };
    SzorasEdit = szoras("SzorasEdit");
    SzorasMaxEdit = szoras("SzorasMaxEdit");
    EgeszreCsonkolGomb = new QPushButton(QStringLiteral("[ ]"), Panel13);
    EgeszreCsonkolGomb->setObjectName("EgeszreCsonkolGomb");
    EgeszreCsonkolGomb->setAutoDefault(false);
    EgeszreCsonkolGomb->setToolTip(QString::fromUtf8(kEgeszreCsonkolTipp));
    Panel13IL = jelzo("Panel13IL", Panel13);
    {
        auto* g = new QGridLayout(Panel13);
        g->addWidget(MathSzorasBox, 0, 0, 1, 2);
        g->addWidget(Panel13IL, 0, 6, Qt::AlignRight);
        g->addWidget(cimke("Egy számsor szórásának értéke", Panel13), 1, 0);
        g->addWidget(SzorasEdit, 1, 1);
        g->addWidget(cimke("   -", Panel13), 1, 2);
        g->addWidget(SzorasMaxEdit, 1, 3);
        g->addWidget(cimke("   -ig terjedhet.", Panel13), 1, 4);
        g->addWidget(EgeszreCsonkolGomb, 1, 5);
        g->setColumnStretch(4, 1);
    }

    // Terjedelem.
    Panel17 = panel("Panel17");
    auto* cim = cimke("Terjedelem", Panel17);
    QFont f = cim->font();
    f.setBold(true);
    cim->setFont(f);
    FixTartomanyBox = felteteles(" Fix", "FixTartomanyBox", Panel17);
    MobilTartomanyBox = felteteles(" Változó", "MobilTartomanyBox", Panel17);
    auto edit = [&](const char* nev) {
        auto* e = new TErtekEdit(Panel17);
        e->setObjectName(nev);
        e->setMinimumWidth(56);
        e->setRange(1, 99);
        return e;
    };
    TartomanyEdit = edit("TartomanyEdit");
    TartomanyMaxEdit = edit("TartomanyMaxEdit");
    MobilTartomanyEdit = edit("MobilTartomanyEdit");
    MobilTartomanyMaxEdit = edit("MobilTartomanyMaxEdit");
    Label37 = cimke("-dik számig, 6 szám variációja.", Panel17);
    Label37->setObjectName("Label37");
    Label5 = cimke("- a fix tartományból variált számsorok terjedelme minimum 1, maximum 6", Panel17);
    Label5->setObjectName("Label5");
    Panel17IL = jelzo("Panel17IL", Panel17);
    Panel18IL = jelzo("Panel18IL", Panel17);
    auto* label40 = cimke("   -dik számtól a(z)", Panel17);
    auto* valtozoCimke = cimke("   lehet egy számsor terjedelme.", Panel17);
    auto* maxCimke = cimke("   maximum", Panel17);
    {
        auto* g = new QGridLayout(Panel17);
        g->addWidget(cim, 0, 0, 1, 2);
        g->addWidget(FixTartomanyBox, 1, 0, 1, 2);
        g->addWidget(Panel17IL, 1, 6, Qt::AlignRight);
        g->addWidget(cimke("A(z)", Panel17), 2, 0, Qt::AlignRight);
        g->addWidget(TartomanyEdit, 2, 1);
        g->addWidget(label40, 2, 2);
        g->addWidget(TartomanyMaxEdit, 2, 3);
        g->addWidget(Label37, 2, 4, 1, 2);
        g->addWidget(Label5, 3, 0, 1, 6);
        g->addWidget(MobilTartomanyBox, 4, 0, 1, 2);
        g->addWidget(Panel18IL, 4, 6, Qt::AlignRight);
        g->addWidget(cimke("Minimum", Panel17), 5, 0, Qt::AlignRight);
        g->addWidget(MobilTartomanyEdit, 5, 1);
        g->addWidget(maxCimke, 5, 2);
        g->addWidget(MobilTartomanyMaxEdit, 5, 3);
        g->addWidget(valtozoCimke, 5, 4, 1, 2);
        g->setColumnStretch(5, 1);
    }
    sor->addStretch(1);

    connect(EsemOsszegBox, &QCheckBox::clicked, this, &TMathLap::EsemOsszegBoxClick);
    connect(EsemOsszFixEdit, &QSpinBox::valueChanged, this, [this] { OsszegValtozas(MathMezo::Min); });
    connect(EsemOsszMaxEdit, &QSpinBox::valueChanged, this, [this] { OsszegValtozas(MathMezo::Max); });
    connect(EsemOsszFixEdit, &TOsszegEdit::lepes, this, &TMathLap::EsemOsszFixUDClick);
    connect(EsemOsszMaxEdit, &TOsszegEdit::lepes, this, &TMathLap::EsemOsszMaxUDClick);
    connect(EsemOsszFixEdit, &QSpinBox::editingFinished, this, &TMathLap::EsemOsszFixEllenorzes);
    connect(EsemOsszMaxEdit, &QSpinBox::editingFinished, this, &TMathLap::EsemOsszMaxEllenorzes);
    new DuplaKattintas(EsemOsszFixEdit, [this] { EsemOsszFixEditDblClick(); });
    new DuplaKattintas(EsemOsszMaxEdit, [this] { EsemOsszMaxEditDblClick(); });
    connect(MathSzorasBox, &QCheckBox::clicked, this, &TMathLap::MathSzorasBoxClick);
    connect(SzorasEdit, &QDoubleSpinBox::valueChanged, this, [this] { SzorasValtozas(false); });
    connect(SzorasMaxEdit, &QDoubleSpinBox::valueChanged, this, [this] { SzorasValtozas(true); });
    new DuplaKattintas(SzorasEdit, [this] { SzorasEditDblClick(); });
    new DuplaKattintas(SzorasMaxEdit, [this] { SzorasMaxEditDblClick(); });
    connect(EgeszreCsonkolGomb, &QPushButton::clicked, this, &TMathLap::EgeszreCsonkolGombClick);
    connect(FixTartomanyBox, &QCheckBox::clicked, this, &TMathLap::FixTartomanyBoxClick);
    connect(MobilTartomanyBox, &QCheckBox::clicked, this, &TMathLap::MobilTartomanyBoxClick);
    const std::pair<TErtekEdit*, TerjedelemMezo> mezok[] = {{TartomanyEdit, TerjedelemMezo::FixMin},
                                                            {TartomanyMaxEdit, TerjedelemMezo::FixMax},
                                                            {MobilTartomanyEdit, TerjedelemMezo::ValtozoMin},
                                                            {MobilTartomanyMaxEdit, TerjedelemMezo::ValtozoMax}};
    for (const auto& [e, m] : mezok) {
        const TerjedelemMezo mezo = m;
        connect(e, &QSpinBox::valueChanged, this, [this, mezo] { TerjedelemValtozas(mezo); });
    }
    connect(TartomanyEdit, &TErtekEdit::duplaKattintas, this, &TMathLap::TartomanyEditDblClick);
    connect(TartomanyMaxEdit, &TErtekEdit::duplaKattintas, this, &TMathLap::TartomanyMaxEditDblClick);
    // Double clicks on the spread limits toggle between the other value and the extreme.
    connect(MobilTartomanyEdit, &TErtekEdit::duplaKattintas, this, [this] {
        const int a = MobilTartomanyEdit->value(), b = MobilTartomanyMaxEdit->value();
        MobilTartomanyEdit->setValue(a == b ? MobilTartomanyEdit->minimum() : b);
    });
    connect(MobilTartomanyMaxEdit, &TErtekEdit::duplaKattintas, this, [this] {
        const int a = MobilTartomanyEdit->value(), b = MobilTartomanyMaxEdit->value();
        MobilTartomanyMaxEdit->setValue(a == b ? MobilTartomanyMaxEdit->maximum() : a);
    });
    // The exit checks also run when the window closes.
    w_.installEventFilter(this);

    w_.CBAction(EsemOsszegBox, Panel6, true);
    w_.CBAction(MathSzorasBox, Panel13, true);
    terjedelemMutat();
}

MathKornyezet TMathLap::kornyezet() const
{
    const FeltetelekAllapot& a = w_.Allapot;
    GetSzamsorRendezes(*a.Jelzok, *a.Listak, *a.Jatek, a.SzamsorrendMod ? *a.SzamsorrendMod : 0);
    MathKornyezet e;
    e.KijeloltSzamok = a.Listak->KijeloltSzamok;
    e.KijeloltFoSzamDb = a.Listak->KijeloltFoSzamDb;
    e.VariacioFoMeret = a.Listak->VariacioFoMeret;
    e.KijeloltNemSzomszedos = a.Jelzok->KijeloltNemSzomszedos;
    e.NovekvoMod = a.SzamsorrendMod && *a.SzamsorrendMod == 1;
    const TSzamkeszletFeltetel& sz = a.Feltetelek->SzamkeszletFeltetel;
    e.SzamkeszletAktiv = sz.Allapot != 0;
    if (e.SzamkeszletAktiv) {
        e.SzamkeszletElso = GetSzamokIndexMinMax(sz, e.VariacioFoMeret, true);
        e.SzamkeszletUtolso = GetSzamokIndexMinMax(sz, e.VariacioFoMeret, false);
    }
    return e;
}

void TMathLap::valtozott()
{
    w_.feltetelValtozott();
}

bool TMathLap::eventFilter(QObject* o, QEvent* e)
{
    if (o == &w_ && e->type() == QEvent::Close) {
        if (EsemOsszegBox->isChecked()) {
            EsemOsszFixEllenorzes();
            EsemOsszMaxEllenorzes();
        }
        if (MathSzorasBox->isChecked()) SzorasMinMaxEllenorzes();
    }
    return QObject::eventFilter(o, e);
}

// ---------------------------------------------------------------- Összeg

bool TMathLap::osszegMutat()
{
    TMinMaxFeltetel& r = w_.Allapot.Feltetelek->OsszegFeltetel;
    const MathKornyezet e = kornyezet();
    const OsszegHatar h = OsszegHatarok(e);
    if (h.Ervenytelen) return false;
    OsszegNormalizalas(r, h);
    const int hossz = static_cast<int>(std::to_string(h.Max).size());
    for (TOsszegEdit* x : {EsemOsszFixEdit, EsemOsszMaxEdit}) x->SetMaxLength(hossz);
    ertek(EsemOsszFixEdit, {h.Min, h.Max}, r.Min);
    ertek(EsemOsszMaxEdit, {h.Min, h.Max}, r.Max);
    Panel6IL->setToolTip(tipp(OsszegTipp(e, h)));
    return true;
}

void TMathLap::EsemOsszegBoxClick()
{
    TMinMaxFeltetel& r = w_.Allapot.Feltetelek->OsszegFeltetel;
    r.Allapot = EsemOsszegBox->isChecked() ? 1 : 0;
    if (r.Allapot) {
        const OsszegHatar h = OsszegHatarok(kornyezet());
        if (h.Ervenytelen) {
            r.Allapot = 0;
            w_.NemErtFelt(EsemOsszegBox);
        } else {
            OsszegBejeloles(r, h, EsemOsszFixEdit->value(), EsemOsszMaxEdit->value());
            osszegMutat();
        }
    }
    w_.CBAction(EsemOsszegBox, Panel6, true);
    Panel6IL->setVisible(r.Allapot != 0);
    valtozott();
}

// A typed value (or one set by a double click) is taken within the limits;
// the exit check that follows puts the two in order.
void TMathLap::OsszegValtozas(MathMezo mezo)
{
    TMinMaxFeltetel& r = w_.Allapot.Feltetelek->OsszegFeltetel;
    if (!r.Allapot) return;
    if (mezo == MathMezo::Min)
        r.Min = EsemOsszFixEdit->value();
    else
        r.Max = EsemOsszMaxEdit->value();
    valtozott();
}

// A step of an up-down: the other value follows it when they cross.
void TMathLap::osszegLepes(MathMezo mezo)
{
    TMinMaxFeltetel& r = w_.Allapot.Feltetelek->OsszegFeltetel;
    if (!r.Allapot) return;
    r.Min = EsemOsszFixEdit->value();
    r.Max = EsemOsszMaxEdit->value();
    OsszegNormalizalas(r, OsszegHatarok(kornyezet()), mezo);
    osszegMutat();
    valtozott();
}

void TMathLap::EsemOsszFixUDClick() { osszegLepes(MathMezo::Min); }
void TMathLap::EsemOsszMaxUDClick() { osszegLepes(MathMezo::Max); }

// The exit check of the edit left.
void TMathLap::osszegEllenorzes(MathMezo kilepett)
{
    TMinMaxFeltetel& r = w_.Allapot.Feltetelek->OsszegFeltetel;
    if (!r.Allapot) return;
    const OsszegHatar h = OsszegHatarok(kornyezet());
    if (h.Ervenytelen) return;
    OsszegEllenorzes(r, h, egesz(EsemOsszFixEdit), egesz(EsemOsszMaxEdit), kilepett);
    osszegMutat();
    valtozott();
}

void TMathLap::EsemOsszFixEllenorzes() { osszegEllenorzes(MathMezo::Min); }
void TMathLap::EsemOsszMaxEllenorzes() { osszegEllenorzes(MathMezo::Max); }

void TMathLap::EsemOsszFixEditDblClick()
{
    const int a = EsemOsszFixEdit->value(), b = EsemOsszMaxEdit->value();
    EsemOsszFixEdit->setValue(a == b ? EsemOsszFixEdit->minimum() : b);
}

void TMathLap::EsemOsszMaxEditDblClick()
{
    const int a = EsemOsszFixEdit->value(), b = EsemOsszMaxEdit->value();
    EsemOsszMaxEdit->setValue(a == b ? EsemOsszMaxEdit->maximum() : a);
}

// ---------------------------------------------------------------- Szórás

bool TMathLap::szorasMutat()
{
    TSzorasFeltetel& r = w_.Allapot.Feltetelek->SzorasFeltetel;
    const MathKornyezet e = kornyezet();
    szoras_ = SzorasHatarok(e);
    if (szoras_.Ervenytelen) return false;
    valos(SzorasEdit, szoras_.Also, szoras_.Felso, r.Min);
    valos(SzorasMaxEdit, szoras_.Also, szoras_.Felso, r.Max);
    Panel13IL->setToolTip(tipp(SzorasTipp(e, szoras_)));
    return true;
}

void TMathLap::MathSzorasBoxClick()
{
    TSzorasFeltetel& r = w_.Allapot.Feltetelek->SzorasFeltetel;
    r.Allapot = MathSzorasBox->isChecked() ? 1 : 0;
    if (r.Allapot) {
        szoras_ = SzorasHatarok(kornyezet());
        if (szoras_.Ervenytelen) {
            r.Allapot = 0;
            w_.NemErtFelt(MathSzorasBox);
        } else {
            if (w_.isVisible()) Tipp(QString::fromUtf8(kSzorasTipp8), kSzorasTippIndex);
            SzorasBejeloles(r, szoras_);
            SzorasEllenorzes(r, szoras_, r.Min, r.Max);
            szorasMutat();
        }
    }
    w_.CBAction(MathSzorasBox, Panel13, true);
    Panel13IL->setVisible(r.Allapot != 0);
    valtozott();
}

void TMathLap::SzorasValtozas(bool maxValtozott)
{
    TSzorasFeltetel& r = w_.Allapot.Feltetelek->SzorasFeltetel;
    if (!r.Allapot || szoras_.Ervenytelen) return;
    double min = SzorasEdit->value(), max = SzorasMaxEdit->value();
    // A maximum stepped below the minimum takes the minimum down with it.
    if (maxValtozott && max < min) min = std::max(szoras_.Also, max - 2 * kSzorasTures);
    SzorasEllenorzes(r, szoras_, min, max);
    szorasMutat();
    valtozott();
}

void TMathLap::SzorasMinMaxEllenorzes()
{
    TSzorasFeltetel& r = w_.Allapot.Feltetelek->SzorasFeltetel;
    if (!r.Allapot || szoras_.Ervenytelen) return;
    SzorasEllenorzes(r, szoras_, SzorasEdit->value(), SzorasMaxEdit->value());
    szorasMutat();
}

void TMathLap::SzorasEditDblClick()
{
    const double a = SzorasEdit->value(), b = SzorasMaxEdit->value();
    SzorasEdit->setValue(std::floor(a) == std::floor(b) ? szoras_.Also : b - 2 * kSzorasTures);
}

void TMathLap::SzorasMaxEditDblClick()
{
    const double a = SzorasEdit->value(), b = SzorasMaxEdit->value();
    SzorasMaxEdit->setValue(std::floor(a) == std::floor(b) ? szoras_.Felso : a + 2 * kSzorasTures);
}

void TMathLap::EgeszreCsonkolGombClick()
{
    TSzorasFeltetel& r = w_.Allapot.Feltetelek->SzorasFeltetel;
    if (!r.Allapot || szoras_.Ervenytelen) return;
    SzorasEllenorzes(r, szoras_, SzorasCsonkolas(SzorasEdit->value(), szoras_),
                     SzorasCsonkolas(SzorasMaxEdit->value(), szoras_));
    szorasMutat();
    valtozott();
}

// ---------------------------------------------------------------- Terjedelem

bool TMathLap::terjedelemMutat()
{
    TTerjedelemFeltetel& r = w_.Allapot.Feltetelek->TerjedelemFeltetel;
    const MathKornyezet e = kornyezet();
    const TerjedelemHatar h = TerjedelemHatarok(e);
    const bool fix = r.Fix != 0, valtozo = r.Valtozo != 0;
    for (QWidget* x : Panel17->findChildren<QWidget*>()) {
        if (x == FixTartomanyBox || x == MobilTartomanyBox) continue;
        const int sor = static_cast<QGridLayout*>(Panel17->layout())->indexOf(x);
        int s = 0, o = 0, ss = 0, os = 0;
        if (sor < 0) continue;
        static_cast<QGridLayout*>(Panel17->layout())->getItemPosition(sor, &s, &o, &ss, &os);
        if (s == 2 || s == 3) x->setEnabled(fix);
        if (s == 5) x->setEnabled(valtozo);
    }
    Panel17ILHint();
    Panel18IL->setVisible(valtozo);
    if (fix && !h.FixErvenytelen) {
        ertek(TartomanyEdit, {1, h.FixElsoMax}, r.FixMin);
        ertek(TartomanyMaxEdit, {h.FixUtolsoMin, h.FixUtolsoMax}, r.FixMax);
        FixTerjedelem(e, r, FixTerjedelemMin, FixTerjedelemMax);
        Label5->setText(q(TerjedelemLabel5(FixTerjedelemMin, FixTerjedelemMax)));
    }
    // Without the fixed stretch the line varies all the selected numbers.
    {
        TTerjedelemFeltetel l = r;
        l.Fix = fix && !h.FixErvenytelen;
        Label37->setText(q(TerjedelemLabel37(l, e.KijeloltFoSzamDb)));
    }
    if (valtozo && !h.ValtozoErvenytelen) {
        ertek(MobilTartomanyEdit, {h.ValtozoMin, h.ValtozoMax}, r.ValtozoMin);
        ertek(MobilTartomanyMaxEdit, {h.ValtozoMin, h.ValtozoMax}, r.ValtozoMax);
    }
    return true;
}

void TMathLap::Panel17ILHint()
{
    // A cleared condition keeps its sub-condition bytes: its markers are off.
    TTerjedelemFeltetel r = w_.Allapot.Feltetelek->TerjedelemFeltetel;
    r.Fix = r.Allapot && r.Fix;
    r.Valtozo = r.Allapot && r.Valtozo;
    const MathKornyezet e = kornyezet();
    const std::string fixTipp = TerjedelemFixTipp(e, r);
    Panel17IL->setVisible(r.Fix && !fixTipp.empty());
    Panel17IL->setToolTip(tipp(fixTipp));
    Panel18IL->setToolTip(tipp(TerjedelemValtozoTipp(TerjedelemHatarok(e), r)));
}

void TMathLap::FixTartomanyBoxClick()
{
    TTerjedelemFeltetel& r = w_.Allapot.Feltetelek->TerjedelemFeltetel;
    r.Fix = FixTartomanyBox->isChecked() ? 1 : 0;
    const MathKornyezet e = kornyezet();
    if (r.Fix && TerjedelemHatarok(e).FixErvenytelen) {
        r.Fix = 0;
        w_.NemErtFelt(FixTartomanyBox);
    }
    TerjedelemNormalizalas(r, TerjedelemHatarok(e), e.VariacioFoMeret);
    w_.CBAction(FixTartomanyBox, nullptr, false);
    terjedelemMutat();
    valtozott();
}

void TMathLap::MobilTartomanyBoxClick()
{
    TTerjedelemFeltetel& r = w_.Allapot.Feltetelek->TerjedelemFeltetel;
    r.Valtozo = MobilTartomanyBox->isChecked() ? 1 : 0;
    const MathKornyezet e = kornyezet();
    if (r.Valtozo && TerjedelemHatarok(e).ValtozoErvenytelen) {
        r.Valtozo = 0;
        w_.NemErtFelt(MobilTartomanyBox);
    }
    TerjedelemNormalizalas(r, TerjedelemHatarok(e), e.VariacioFoMeret);
    w_.CBAction(MobilTartomanyBox, nullptr, false);
    terjedelemMutat();
    valtozott();
}

void TMathLap::TerjedelemValtozas(TerjedelemMezo mezo)
{
    TTerjedelemFeltetel& r = w_.Allapot.Feltetelek->TerjedelemFeltetel;
    if (mezo == TerjedelemMezo::FixMin || mezo == TerjedelemMezo::FixMax) {
        if (!r.Fix) return;
        r.FixMin = TartomanyEdit->value();
        r.FixMax = TartomanyMaxEdit->value();
    } else {
        if (!r.Valtozo) return;
        r.ValtozoMin = MobilTartomanyEdit->value();
        r.ValtozoMax = MobilTartomanyMaxEdit->value();
    }
    const MathKornyezet e = kornyezet();
    TerjedelemNormalizalas(r, TerjedelemHatarok(e), e.VariacioFoMeret, mezo);
    terjedelemMutat();
    valtozott();
}

void TMathLap::TartomanyEditDblClick()
{
    const int k = w_.Allapot.Listak->VariacioFoMeret;
    const int a = TartomanyEdit->value(), b = TartomanyMaxEdit->value();
    TartomanyEdit->setValue(b - k == a ? TartomanyEdit->minimum() : b - k);
}

void TMathLap::TartomanyMaxEditDblClick()
{
    const int k = w_.Allapot.Listak->VariacioFoMeret;
    const int a = TartomanyEdit->value(), b = TartomanyMaxEdit->value();
    TartomanyMaxEdit->setValue(a + k == b ? TartomanyMaxEdit->maximum() : a + k);
}

void TMathLap::Betoltes()
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    const MathKornyezet e = kornyezet();
    {
        const QSignalBlocker b1(EsemOsszegBox), b2(MathSzorasBox), b3(FixTartomanyBox), b4(MobilTartomanyBox);
        EsemOsszegBox->setChecked(f.OsszegFeltetel.Allapot != 0);
        MathSzorasBox->setChecked(f.SzorasFeltetel.Allapot != 0);
        FixTartomanyBox->setChecked(f.TerjedelemFeltetel.Allapot && f.TerjedelemFeltetel.Fix);
        MobilTartomanyBox->setChecked(f.TerjedelemFeltetel.Allapot && f.TerjedelemFeltetel.Valtozo);
    }
    if (f.OsszegFeltetel.Allapot && !osszegMutat()) {
        f.OsszegFeltetel.Allapot = 0;
        w_.NemErtFelt(EsemOsszegBox);
    }
    if (f.SzorasFeltetel.Allapot) {
        szoras_ = SzorasHatarok(e);
        if (szoras_.Ervenytelen) {
            f.SzorasFeltetel.Allapot = 0;
            w_.NemErtFelt(MathSzorasBox);
        } else {
            SzorasBejeloles(f.SzorasFeltetel, szoras_);
            szorasMutat();
        }
    }
    TTerjedelemFeltetel& t = f.TerjedelemFeltetel;
    if (t.Allapot) {
        const TerjedelemHatar h = TerjedelemHatarok(e);
        if (t.Fix && h.FixErvenytelen) t.Fix = 0;
        if (t.Valtozo && h.ValtozoErvenytelen) t.Valtozo = 0;
        TerjedelemNormalizalas(t, h, e.VariacioFoMeret);
    } else {
        // A cleared condition keeps its values; its boxes are off.
        const QSignalBlocker b3(FixTartomanyBox), b4(MobilTartomanyBox);
        FixTartomanyBox->setChecked(false);
        MobilTartomanyBox->setChecked(false);
    }
    w_.CBAction(EsemOsszegBox, Panel6, true);
    w_.CBAction(MathSzorasBox, Panel13, true);
    w_.CBAction(FixTartomanyBox, nullptr, false);
    w_.CBAction(MobilTartomanyBox, nullptr, false);
    Panel6IL->setVisible(f.OsszegFeltetel.Allapot != 0);
    Panel13IL->setVisible(f.SzorasFeltetel.Allapot != 0);
    {
        // Shown with the sub-conditions ticked only when the record says so.
        const bool fix = t.Allapot && t.Fix, valtozo = t.Allapot && t.Valtozo;
        const std::uint8_t rf = t.Fix, rv = t.Valtozo;
        t.Fix = fix;
        t.Valtozo = valtozo;
        terjedelemMutat();
        if (!t.Allapot) {
            t.Fix = rf;
            t.Valtozo = rv;
        }
    }
}
