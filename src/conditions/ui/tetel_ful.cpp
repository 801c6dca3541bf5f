#include "conditions/ui/tetel_ful.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "conditions/ui/feltetelek.h"
#include "conditions/ui/lap_segedek.h"

using namespace kvx;
using namespace kvx::lap;

namespace {

// The names each tab gives its controls.
struct Nevek {
    const char *ParosPanel, *ParosBox, *ParosEdit, *ParosMaxEdit, *ParosIL;
    const char *IsmetPanel, *IsmetBox, *IsmetLog, *IsmetEdit, *IsmetMaxEdit, *IsmetTobbCB, *IsmetIL;
    const char *TetelesPanel, *TetelesBox, *TetelesDbEdit, *TetelesAktEdit, *TetelesNeveUD, *TetelesNeveLabel,
        *TetelesMinEdit, *TetelesMaxEdit, *MindenGomb;
    // Label texts.
    const char *ParosSzoveg, *IsmetSzoveg, *CsakTobb, *DbSzoveg, *AktSzoveg, *MinSzoveg;
};

const Nevek kNevek[3] = {
    {"Panel2", "SzcsParosBox", "SzcsParosEdit", "SzcsParosMaxEdit", "Panel2IL", "Panel4", "SzcsIsmetBox",
     "SzcsIsmetLog", "SzcsIsmetEdit", "SzcsIsmetMaxEdit", "SzcsIsmetTobbCB", "Panel4IL", "Panel20",
     "SzamcsoportTetelesAllapotBox", "SzCsTetelesDbEdit", "SzCsTetelesAktEdit", "SzcsTetelesNeveUD",
     "SzCsTetelesNeveLabel", "SzCsTetelesMinEdit", "SzCsTetelesMaxEdit", "MindenSzamcsoportGomb",
     "páros számcsoport lehet egy számsorban.", "számcsoport ismétlődhet egy számsorban",
     " Csak több számcsoport ismétlődhet egy számsorban.", "   számcsoport kijelölése", "   -dik számcsoport",
     "számcsoportból minimum   "},
    {"SzvParosPanel", "SzvParosBox", "SzvParosEdit", "SzvParosMaxEdit", "SzvParosIL", "SzvIsmetPanel",
     "SzvIsmetBox", "SzvIsmetLog", "SzvIsmetEdit", "SzvIsmetMaxEdit", "SzvIsmetTobbCB", "SzvIsmetIL",
     "SzvTetelesPanel", "SzamvegzodesTetelesAllapotBox", "SzVTetelesDbEdit", "SzVTetelesAktEdit",
     "SzvTetelesNeveUD", "SzVTetelesNeveLabel", "SzVTetelesMinEdit", "SzVTetelesMaxEdit", "MindenSzamvegzodesGomb",
     "páros számvégződés lehet egy számsorban.", "számvégződés ismétlődhet egy számsorban",
     " Csak több számvégződés ismétlődhet egy számsorban.", "   számvégződés kijelölése", "   -dik számvégződés",
     "számvégződésből minimum   "},
    {"SzJParosPanel", "SzJParosBox", "SzJParosEdit", "SzJParosMaxEdit", "SzJParosIL", "SzJIsmetPanel",
     "SzJIsmetBox", "SzJIsmetLog", "SzJIsmetEdit", "SzJIsmetMaxEdit", "SzJIsmetTobbCB", "SzJIsmetIL",
     "SzJTetelesPanel", "SzJTetelesAllapotBox", "SzJTetelesDbEdit", "SzJTetelesAktEdit", "SzJTetelesNeveUD",
     "SzJTetelesNeveLabel", "SzJTetelesMinEdit", "SzJTetelesMaxEdit", "MindenSzamjegyGomb",
     "páros számjegy lehet egy számsorban.", "számjegy ismétlődhet egy számsorban",
     " Csak több számjegy ismétlődhet egy számsorban.", "   számjegy kijelölése", "   -dik számjegy",
     "számjegyből minimum   "},
};

}  // namespace

TTetelFul::TTetelFul(TFeltetelek& ablak, TetelLap lap, QWidget* oldal) : QObject(oldal), w_(ablak), lap_(lap)
{
    setObjectName(QStringLiteral("TetelFul%1").arg(static_cast<int>(lap)));
    epites(oldal);
}

void TTetelFul::epites(QWidget* oldal)
{
    const Nevek& n = kNevek[static_cast<int>(lap_)];
    auto* sor = new QVBoxLayout(oldal);
    sor->setContentsMargins(4, 4, 4, 4);
    sor->setSpacing(4);
    auto panel = [&](const char* nev, QCheckBox*& box, const char* boxNev, const char* felirat) {
        auto* p = new QFrame(oldal);
        p->setObjectName(nev);
        p->setFrameShape(QFrame::StyledPanel);
        box = new QCheckBox(QString::fromUtf8(felirat), p);
        box->setObjectName(boxNev);
        sor->addWidget(p);
        return p;
    };
    auto edit = [](QFrame* p, const char* nev, int szeles = 56) {
        auto* e = new TErtekEdit(p);
        e->setObjectName(nev);
        e->setMinimumWidth(szeles);
        return e;
    };
    auto jel = [](QFrame* p, const char* nev) {
        auto* l = cimke("~", p);
        l->setObjectName(nev);
        l->setVisible(false);
        return l;
    };

    // Páros-páratlan.
    ParosPanel = panel(n.ParosPanel, ParosBox, n.ParosBox, " Páros-páratlan");
    ParosEdit = edit(ParosPanel, n.ParosEdit);
    ParosMaxEdit = edit(ParosPanel, n.ParosMaxEdit);
    ParosIL = jel(ParosPanel, n.ParosIL);
    {
        auto* g = new QGridLayout(ParosPanel);
        g->addWidget(ParosBox, 0, 0, 1, 3);
        g->addWidget(ParosIL, 0, 5, Qt::AlignRight);
        g->addWidget(cimke("Minimum", ParosPanel), 1, 0);
        g->addWidget(ParosEdit, 1, 1);
        g->addWidget(cimke("maximum  ", ParosPanel), 1, 2);
        g->addWidget(ParosMaxEdit, 1, 3);
        g->addWidget(cimke(n.ParosSzoveg, ParosPanel), 1, 4);
        g->setColumnStretch(4, 1);
    }
    connect(ParosBox, &QCheckBox::clicked, this, &TTetelFul::ParosBoxClick);
    connect(ParosEdit, &QSpinBox::valueChanged, this, [this] { ParosValtozas(MinMaxMezo::Min); });
    connect(ParosMaxEdit, &QSpinBox::valueChanged, this, [this] { ParosValtozas(MinMaxMezo::Max); });

    // Ismétlődés.
    const bool szamjegy = lap_ == TetelLap::Szamjegy;
    IsmetPanel = panel(n.IsmetPanel, IsmetBox, n.IsmetBox, " Ismétlődés");
    IsmetLog = new QGroupBox(QStringLiteral("  Száma  "), IsmetPanel);
    IsmetLog->setObjectName(n.IsmetLog);
    IsmetEgy = new QRadioButton(QStringLiteral("Egy"), IsmetLog);
    IsmetEgy->setObjectName(QString::fromUtf8(n.IsmetLog) + "Egy");
    IsmetTobb = new QRadioButton(QStringLiteral("Több"), IsmetLog);
    IsmetTobb->setObjectName(QString::fromUtf8(n.IsmetLog) + "Tobb");
    {
        auto* r = new QHBoxLayout(IsmetLog);
        r->addWidget(IsmetEgy);
        r->addWidget(IsmetTobb);
    }
    IsmetEdit = edit(IsmetPanel, n.IsmetEdit, szamjegy ? 56 : 48);
    IsmetMaxEdit = edit(IsmetPanel, n.IsmetMaxEdit, szamjegy ? 56 : 48);
    IsmetTobbCB = new QCheckBox(QString::fromUtf8(n.CsakTobb), IsmetPanel);
    IsmetTobbCB->setObjectName(n.IsmetTobbCB);
    IsmetIL = jel(IsmetPanel, n.IsmetIL);
    {
        auto* g = new QGridLayout(IsmetPanel);
        g->addWidget(IsmetBox, 0, 0, 1, 3);
        g->addWidget(IsmetIL, 0, 5, Qt::AlignRight);
        g->addWidget(IsmetLog, 1, 0, 2, 1);
        g->addWidget(IsmetEdit, 1, 1);
        g->addWidget(cimke("-", IsmetPanel), 1, 2);
        g->addWidget(IsmetMaxEdit, 1, 3);
        g->addWidget(cimke("esetben.", IsmetPanel), 1, 4);
        g->addWidget(cimke(n.IsmetSzoveg, IsmetPanel), 2, 1, 1, 4);
        g->addWidget(IsmetTobbCB, 3, 0, 1, 5);
        g->setColumnStretch(4, 1);
    }
    connect(IsmetBox, &QCheckBox::clicked, this, &TTetelFul::IsmetBoxClick);
    connect(IsmetEgy, &QRadioButton::clicked, this, [this] { IsmetValtozas(IsmetMezo::Szama); });
    connect(IsmetTobb, &QRadioButton::clicked, this, [this] { IsmetValtozas(IsmetMezo::Szama); });
    connect(IsmetEdit, &QSpinBox::valueChanged, this, [this] { IsmetValtozas(IsmetMezo::Min); });
    connect(IsmetMaxEdit, &QSpinBox::valueChanged, this, [this] { IsmetValtozas(IsmetMezo::Max); });
    connect(IsmetTobbCB, &QCheckBox::clicked, this, [this] { IsmetValtozas(IsmetMezo::CsakTobb); });

    // Tételes.
    TetelesPanel = panel(n.TetelesPanel, TetelesBox, n.TetelesBox, " Tételes");
    TetelesDbEdit = edit(TetelesPanel, n.TetelesDbEdit);
    TetelesAktEdit = edit(TetelesPanel, n.TetelesAktEdit);
    TetelesNeveUD = new QSpinBox(TetelesPanel);
    TetelesNeveUD->setObjectName(n.TetelesNeveUD);
    TetelesNeveUD->setRange(0, 9);
    TetelesNeveUD->setMinimumWidth(48);
    TetelesNeveUD->setAlignment(Qt::AlignRight);
    TetelesNeveLabel = cimke("", TetelesPanel);
    TetelesNeveLabel->setObjectName(n.TetelesNeveLabel);
    TetelesMinEdit = edit(TetelesPanel, n.TetelesMinEdit);
    TetelesMaxEdit = edit(TetelesPanel, n.TetelesMaxEdit);
    MindenGomb = new QPushButton(QStringLiteral("Mind"), TetelesPanel);
    MindenGomb->setObjectName(n.MindenGomb);
    MindenGomb->setAutoDefault(false);
    {
        auto* g = new QGridLayout(TetelesPanel);
        g->addWidget(TetelesBox, 0, 0, 1, 3);
        g->addWidget(TetelesDbEdit, 1, 0);
        g->addWidget(cimke(n.DbSzoveg, TetelesPanel), 1, 1, 1, 3);
        g->addWidget(TetelesAktEdit, 2, 0);
        g->addWidget(cimke(n.AktSzoveg, TetelesPanel), 2, 1);
        g->addWidget(TetelesNeveUD, 2, 2);
        g->addWidget(TetelesNeveLabel, 2, 3);
        g->addWidget(cimke(n.MinSzoveg, TetelesPanel), 3, 0, 1, 2, Qt::AlignRight);
        g->addWidget(TetelesMinEdit, 3, 2);
        g->addWidget(cimke("maximum", TetelesPanel), 3, 3);
        g->addWidget(TetelesMaxEdit, 3, 4);
        g->addWidget(cimke("találat elérése.", TetelesPanel), 3, 5);
        g->addWidget(MindenGomb, 3, 6);
        g->setColumnStretch(5, 1);
    }
    connect(TetelesBox, &QCheckBox::clicked, this, &TTetelFul::TetelesBoxClick);
    const std::pair<QSpinBox*, TetelesMezo> mezok[] = {{TetelesDbEdit, TetelesMezo::Db},
                                                       {TetelesAktEdit, TetelesMezo::Akt},
                                                       {TetelesNeveUD, TetelesMezo::Kod},
                                                       {TetelesMinEdit, TetelesMezo::TalalatMin},
                                                       {TetelesMaxEdit, TetelesMezo::TalalatMax}};
    for (const auto& [e, m] : mezok) {
        const TetelesMezo mezo = m;
        connect(e, &QSpinBox::valueChanged, this, [this, mezo] { TetelesValtozas(mezo); });
    }
    connect(MindenGomb, &QPushButton::clicked, this, &TTetelFul::MindenGombClick);

    // The digit tab's double clicks.
    if (szamjegy) {
        auto minDupla = [](TErtekEdit* min, TErtekEdit* max) {
            connect(min, &TErtekEdit::duplaKattintas, min,
                    [min, max] { min->setValue(MinimumDupla(min->value(), max->value())); });
            connect(max, &TErtekEdit::duplaKattintas, max,
                    [min, max] { max->setValue(MaximumDupla(min->value(), max->value(), max->maximum())); });
        };
        minDupla(ParosEdit, ParosMaxEdit);
        minDupla(IsmetEdit, IsmetMaxEdit);
        minDupla(TetelesMinEdit, TetelesMaxEdit);
    }
    sor->addStretch(1);

}

TetelKornyezet TTetelFul::kornyezet() const
{
    return TetelKornyezetKeszites(*w_.Allapot.Listak, *w_.Allapot.Jatek, *w_.Allapot.Jelzok);
}

TTetelFul::ParosMezok TTetelFul::paros() const
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    if (TParosFeltetel* r = ParosRekord(f, lap_)) return {&r->Allapot, &r->Min, &r->Max};
    TMinMaxFeltetel* r = SzJParosRekord(f);
    return {&r->Allapot, &r->Min, &r->Max};
}

// ---------------------------------------------------------------- Páros-páratlan

bool TTetelFul::parosMutat(MinMaxMezo mezo)
{
    const ParosMezok p = paros();
    const ParosNezet v = ParosNormalizalas(lap_, *p.Min, *p.Max, kornyezet(), mezo);
    if (v.Ervenytelen) return false;
    ertek(ParosEdit, v.Min, *p.Min);
    ertek(ParosMaxEdit, v.Max, *p.Max);
    ParosIL->setVisible(*p.Allapot != 0);
    ParosIL->setToolTip(QString::fromUtf8(kNemEllenorziTipp));
    return true;
}

void TTetelFul::ParosBoxClick()
{
    const ParosMezok p = paros();
    *p.Allapot = ParosBox->isChecked() ? 1 : 0;
    if (*p.Allapot && !parosMutat(MinMaxMezo::Nincs)) {
        *p.Allapot = 0;
        w_.NemErtFelt(ParosBox);
    }
    if (!*p.Allapot) ParosIL->setVisible(false);
    w_.CBAction(ParosBox, ParosPanel, true);
    w_.LapValtozas();
}

void TTetelFul::ParosValtozas(MinMaxMezo mezo)
{
    if (tolt_) return;
    const ParosMezok p = paros();
    *p.Min = ParosEdit->value();
    *p.Max = ParosMaxEdit->value();
    parosMutat(mezo);
    w_.LapValtozas();
}

// ---------------------------------------------------------------- Ismétlődés

bool TTetelFul::ismetMutat(IsmetMezo mezo, bool kijeloles)
{
    TIsmetFeltetel& r = IsmetRekord(*w_.Allapot.Feltetelek, lap_);
    const IsmetNezet v = IsmetNormalizalas(lap_, r, kornyezet(), mezo, kijeloles);
    if (v.Ervenytelen) return false;
    if (kijeloles && !v.Uzenet.empty() && w_.isVisible())
        w_.LapUzenet(TFeltetelek::UzenetFajta::Informacio, q(v.Uzenet));
    {
        const QSignalBlocker b1(IsmetEgy), b2(IsmetTobb), b3(IsmetTobbCB);
        IsmetEgy->setChecked(r.Szama == 1);
        IsmetTobb->setChecked(r.Szama != 1);
        IsmetTobbCB->setChecked(r.CsakTobb != 0);
    }
    ertek(IsmetEdit, v.Min, r.Min);
    ertek(IsmetMaxEdit, v.Max, r.Max);
    IsmetTobbCB->setEnabled(r.Allapot && v.CsakTobbEnabled);
    IsmetLog->setToolTip(tipp(v.LogTipp));
    IsmetEdit->setToolTip(tipp(v.EditTipp));
    IsmetMaxEdit->setToolTip(tipp(v.EditTipp));
    IsmetIL->setVisible(r.Allapot != 0);
    IsmetIL->setToolTip(QString::fromUtf8(kNemEllenorziTipp));
    return true;
}

void TTetelFul::IsmetBoxClick()
{
    TIsmetFeltetel& r = IsmetRekord(*w_.Allapot.Feltetelek, lap_);
    r.Allapot = IsmetBox->isChecked() ? 1 : 0;
    bool ok = true;
    if (r.Allapot && !(ok = ismetMutat(IsmetMezo::Nincs, true))) {
        r.Allapot = 0;
        w_.NemErtFelt(IsmetBox);
    }
    if (!r.Allapot) IsmetIL->setVisible(false);
    w_.CBAction(IsmetBox, IsmetPanel, true);
    // The panel's enabling leaves "Csak több" to its own rule.
    if (r.Allapot) ismetMutat(IsmetMezo::Nincs, false);
    w_.LapValtozas();
}

void TTetelFul::IsmetValtozas(IsmetMezo mezo)
{
    if (tolt_) return;
    TIsmetFeltetel& r = IsmetRekord(*w_.Allapot.Feltetelek, lap_);
    r.Szama = IsmetEgy->isChecked() ? 1 : 0;
    r.Min = IsmetEdit->value();
    r.Max = IsmetMaxEdit->value();
    r.CsakTobb = IsmetTobbCB->isChecked() ? 1 : 0;
    ismetMutat(mezo, false);
    w_.LapValtozas();
}

// ---------------------------------------------------------------- Tételes

bool TTetelFul::tetelesMutat(TetelesMezo mezo, bool fel)
{
    TTetelesFeltetel& r = TetelesRekord(*w_.Allapot.Feltetelek, lap_);
    const TetelesNezet v = TetelesNormalizalas(lap_, r, akt_, kornyezet(), mezo, fel);
    if (v.Ervenytelen) return false;
    const TTetel& t = r.Tetel[static_cast<std::size_t>(akt_ - 1)];
    ertek(TetelesDbEdit, v.Db, r.Db);
    ertek(TetelesAktEdit, v.Akt, akt_);
    ertek(TetelesNeveUD, v.Kod, t.Kod);
    ertek(TetelesMinEdit, v.TalalatMin, t.TalalatMin);
    ertek(TetelesMaxEdit, v.TalalatMax, t.TalalatMax);
    nevElozo_ = t.Kod;
    TetelesNeveLabel->setText(q(v.NevLabel));
    TetelesNeveLabel->setToolTip(tipp(v.NevTipp));
    TetelesDbEdit->setToolTip(tipp(v.DbTipp));
    MindenGomb->setToolTip(tipp(v.MindenTipp));
    return true;
}

void TTetelFul::TetelesBoxClick()
{
    TTetelesFeltetel& r = TetelesRekord(*w_.Allapot.Feltetelek, lap_);
    r.Allapot = TetelesBox->isChecked() ? 1 : 0;
    akt_ = 1;
    if (r.Allapot && !tetelesMutat(TetelesMezo::Nincs, true)) {
        r.Allapot = 0;
        w_.NemErtFelt(TetelesBox);
    }
    w_.CBAction(TetelesBox, TetelesPanel, true);
    w_.LapValtozas();
}

void TTetelFul::TetelesValtozas(TetelesMezo mezo)
{
    if (tolt_) return;
    TTetelesFeltetel& r = TetelesRekord(*w_.Allapot.Feltetelek, lap_);
    r.Db = TetelesDbEdit->value();
    bool fel = true;
    if (mezo == TetelesMezo::Akt) {
        // Another entry is shown: its own values are loaded, nothing is written.
        akt_ = TetelesAktEdit->value();
    } else if (mezo != TetelesMezo::Db) {
        TTetel& t = r.Tetel[static_cast<std::size_t>(std::clamp(akt_, 1, 10) - 1)];
        fel = TetelesNeveUD->value() >= nevElozo_;
        t.Kod = TetelesNeveUD->value();
        t.TalalatMin = TetelesMinEdit->value();
        t.TalalatMax = TetelesMaxEdit->value();
    }
    tetelesMutat(mezo, fel);
    w_.LapValtozas();
}

void TTetelFul::MindenGombClick()
{
    TTetelesFeltetel& r = TetelesRekord(*w_.Allapot.Feltetelek, lap_);
    const bool shift = QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    TetelesMinden(lap_, r, akt_, kornyezet(), TetelesMinEdit->value(), TetelesMaxEdit->value(), shift);
    tetelesMutat(TetelesMezo::Nincs, true);
    w_.LapValtozas();
}

// ---------------------------------------------------------------- loading

void TTetelFul::Betoltes()
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    tolt_ = true;
    akt_ = 1;
    const ParosMezok p = paros();
    TIsmetFeltetel& ism = IsmetRekord(f, lap_);
    TTetelesFeltetel& tet = TetelesRekord(f, lap_);
    struct Elem {
        QCheckBox* box;
        QFrame* panel;
        std::uint8_t* allapot;
        std::function<bool()> mutat;
    };
    const Elem elemek[] = {{ParosBox, ParosPanel, p.Allapot, [this] { return parosMutat(MinMaxMezo::Nincs); }},
                           {IsmetBox, IsmetPanel, &ism.Allapot, [this] { return ismetMutat(IsmetMezo::Nincs, false); }},
                           {TetelesBox, TetelesPanel, &tet.Allapot,
                            [this] { return tetelesMutat(TetelesMezo::Nincs, true); }}};
    for (const Elem& e : elemek) {
        {
            const QSignalBlocker b(e.box);
            e.box->setChecked(*e.allapot != 0);
        }
        // A record that is not selected keeps its values and its controls.
        if (*e.allapot && !e.mutat()) {
            *e.allapot = 0;
            w_.NemErtFelt(e.box);
        }
        w_.CBAction(e.box, e.panel, true);
    }
    if (ism.Allapot) ismetMutat(IsmetMezo::Nincs, false);
    ParosIL->setVisible(*p.Allapot != 0);
    IsmetIL->setVisible(ism.Allapot != 0);
    tolt_ = false;
}
