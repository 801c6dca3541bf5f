#include "conditions/ui/talarany_lap.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QMetaMethod>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/main_menu.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "conditions/ui/feltetelek.h"
#include "draws/draws_table.h"

using namespace kvx;
using namespace kvx::lap;

namespace {

constexpr int kForrasTippIndex = 29;
constexpr int kKeresettTippIndex = 13;

}  // namespace

TTalalatiAranyLap::TTalalatiAranyLap(TFeltetelek& ablak, QWidget* lap) : QObject(lap), w_(ablak)
{
    Tipp = [](const QString& s, int index) {
        auto& naplo = settings().UzenetekLog;
        if (naplo[static_cast<std::size_t>(index)])
            naplo[static_cast<std::size_t>(index)] = HasznosInformacio(s) ? 1 : 0;
    };
    auto* sor = new QVBoxLayout(lap);
    sor->setContentsMargins(4, 4, 4, 4);
    Panel = new QFrame(lap);
    Panel->setObjectName("Panel4");
    Panel->setFrameShape(QFrame::StyledPanel);
    sor->addWidget(Panel);
    sor->addStretch(1);

    TalArAllapotBox = new QCheckBox(QStringLiteral(" Találati arány"), Panel);
    TalArAllapotBox->setObjectName("TalArAllapotBox");
    QFont f = TalArAllapotBox->font();
    f.setBold(true);
    TalArAllapotBox->setFont(f);
    auto edit = [&](const char* nev) {
        auto* e = new TErtekEdit(Panel);
        e->setObjectName(nev);
        e->setMinimumWidth(56);
        return e;
    };
    DbTartomanyEdit = edit("DbTartomanyEdit");
    AktTartomanyEdit = edit("AktTartomanyEdit");
    TalArTalalatEdit = edit("TalArTalalatEdit");
    TalArTalalatEditMax = edit("TalArTalalatEditMax");
    TalArTalalatPBEdit = edit("TalArTalalatPBEdit");
    TalArTalalatPBEditMax = edit("TalArTalalatPBEditMax");
    TalArTipusGroup = radioCsoport(Panel, "TalArTipusGroup", "  Típus  ", {"Kizárt", "Keresett"});
    TalArHuzBontGroup = radioCsoport(Panel, "TalArHuzBontGroup", "  Forrás  ", {"variáció", "húzások"});
    auto gomb = [&](const char* nev, const char* felirat) {
        auto* b = new QPushButton(QString::fromUtf8(felirat), Panel);
        b->setObjectName(nev);
        b->setAutoDefault(false);
        return b;
    };
    MindenTalalatGomb = gomb("MindenTalalatGomb", "Mind");
    MindenHuzasokGomb = gomb("MindenHuzasokGomb", "Mind");
    HuzasokGomb = gomb("HuzasokGomb", "Húzások száma");
    Label15 = cimke("", Panel);
    Label15->setObjectName("Label15");
    Label15->setAlignment(Qt::AlignCenter);
    PBCimke = cimke("", Panel);
    PBCimke->setObjectName("TalArPBCimke");
    PBMaxCimke = cimke("   találat egy számsorban.", Panel);

    auto* g = new QGridLayout(Panel);
    g->addWidget(TalArAllapotBox, 0, 0, 1, 3);
    g->addWidget(DbTartomanyEdit, 1, 0);
    g->addWidget(cimke("   tartomány alkalmazása", Panel), 1, 1, 1, 2);
    g->addWidget(AktTartomanyEdit, 2, 0);
    g->addWidget(cimke("   -dik tartomány", Panel), 2, 1);
    g->addWidget(TalArTipusGroup.Doboz, 1, 3, 2, 3);
    g->addWidget(TalArTalalatEdit, 3, 0);
    g->addWidget(cimke("   találati arány szerint", Panel), 3, 1);
    g->addWidget(TalArTalalatEditMax, 3, 2);
    g->addWidget(cimke("   találat egy számsorban.", Panel), 3, 3, 1, 2);
    g->addWidget(MindenTalalatGomb, 3, 5);
    g->addWidget(TalArTalalatPBEdit, 4, 0);
    g->addWidget(PBCimke, 4, 1);
    g->addWidget(TalArTalalatPBEditMax, 4, 2);
    g->addWidget(PBMaxCimke, 4, 3, 1, 2);
    g->addWidget(cimke("Lista a", Panel), 5, 0, Qt::AlignRight);
    g->addWidget(TalArHuzBontGroup.Doboz, 5, 1, 1, 2);
    g->addWidget(cimke("számsoraiból készül.", Panel), 5, 3, 1, 2);
    g->addWidget(HuzasokGomb, 6, 0, 1, 2);
    g->addWidget(Label15, 6, 2, 1, 3);
    g->addWidget(MindenHuzasokGomb, 6, 5);
    g->setColumnStretch(4, 1);

    connect(TalArAllapotBox, &QCheckBox::clicked, this, &TTalalatiAranyLap::TalArAllapotBoxClick);
    connect(DbTartomanyEdit, &QSpinBox::valueChanged, this, &TTalalatiAranyLap::DbTartomanyEditChange);
    connect(AktTartomanyEdit, &QSpinBox::valueChanged, this, &TTalalatiAranyLap::AktTartomanyEditChange);
    const std::pair<TErtekEdit*, TalArMezo> mezok[] = {{TalArTalalatEdit, TalArMezo::Min},
                                                       {TalArTalalatEditMax, TalArMezo::Max},
                                                       {TalArTalalatPBEdit, TalArMezo::PBMin},
                                                       {TalArTalalatPBEditMax, TalArMezo::PBMax}};
    for (const auto& [e, m] : mezok) {
        const TalArMezo mezo = m;
        connect(e, &QSpinBox::valueChanged, this, [this, mezo] { TalArValtozas(mezo); });
    }
    connect(TalArTipusGroup.Gombok, &QButtonGroup::idClicked, this, &TTalalatiAranyLap::TalArTipusGroupClick);
    connect(TalArHuzBontGroup.Gombok, &QButtonGroup::idClicked, this, &TTalalatiAranyLap::TalArHuzBontGroupClick);
    connect(MindenTalalatGomb, &QPushButton::clicked, this, &TTalalatiAranyLap::MindenTalalatGombClick);
    connect(MindenHuzasokGomb, &QPushButton::clicked, this, &TTalalatiAranyLap::MindenHuzasokGombClick);
    connect(HuzasokGomb, &QPushButton::clicked, this, &TTalalatiAranyLap::HuzasokGombClick);
    connect(w_.FeltetelekPC, &QTabWidget::currentChanged, this, [this](int i) {
        if (w_.FeltetelekPC->widget(i) && w_.FeltetelekPC->widget(i)->isAncestorOf(Panel)) TalaranyTSEnter();
    });

    ertek(DbTartomanyEdit, {1, 10}, 1);
    ertek(AktTartomanyEdit, {1, 10}, 1);
    TalArTipusGroup.SetItemIndex(1);
    TalArHuzBontGroup.SetItemIndex(0);
    w_.CBAction(TalArAllapotBox, Panel, true);
}

TalArKornyezet TTalalatiAranyLap::kornyezet() const
{
    const FeltetelekAllapot& a = w_.Allapot;
    TalArKornyezet e;
    e.AdatbazisBetoltve = a.Huzasok && a.Huzasok->AdatbazisBetoltve;
    e.HuzasokSzama = a.Huzasok ? a.Huzasok->HuzasokSzama : 0;
    e.VariacioFoMeret = a.Listak->VariacioFoMeret;
    e.PluszSzamDb = a.Jatek->VanPluszSzam ? a.Jatek->PluszSzamDb : 0;
    e.VanPluszSzam = a.Jatek->VanPluszSzam;
    e.PluszSzamNev = a.Jatek->PluszSzamNev;
    return e;
}

TTalalatiAranyFeltetel& TTalalatiAranyLap::rekord() const
{
    return w_.Allapot.Feltetelek->TalalatiAranyFeltetel;
}

// The range being edited into the controls.
void TTalalatiAranyLap::mutat()
{
    TTalalatiAranyFeltetel& r = rekord();
    const TalArKornyezet e = kornyezet();
    TalArHatarok(r, e, TalArMezo::Nincs);
    const auto a = static_cast<std::size_t>(r.AktTartomany);
    ertek(DbTartomanyEdit, {1, 10}, r.DbTartomany);
    ertek(AktTartomanyEdit, {1, r.DbTartomany}, r.AktTartomany + 1);
    ertek(TalArTalalatEdit, {0, e.VariacioFoMeret}, r.TalalatMin[a]);
    ertek(TalArTalalatEditMax, {0, e.VariacioFoMeret}, r.TalalatMax[a]);
    ertek(TalArTalalatPBEdit, {0, e.PluszSzamDb}, r.PBMin[a]);
    ertek(TalArTalalatPBEditMax, {0, e.PluszSzamDb}, r.PBMax[a]);
    TalArTipusGroup.SetItemIndex(r.Tipus[a] ? 1 : 0);
    TalArHuzBontGroup.SetItemIndex(r.Forras == 1 ? 1 : 0);
    PluszSzamKijelzes();
    const bool be = r.Allapot != 0;
    TalArHuzBontGroup.Doboz->setEnabled(be && !w_.variacio().BontasBovites);
    TalArTipusGroup.Doboz->setEnabled(be && r.Forras == 0);
    // The range dialog is the main window's: without it the button waits.
    const bool parbeszed = w_.isSignalConnected(QMetaMethod::fromSignal(&TFeltetelek::huzasTartomanyKerve));
    HuzasokGomb->setEnabled(be && parbeszed);
    HuzasokGomb->setToolTip(parbeszed ? QString() : QString::fromUtf8(kNemElerheto));
}

void TTalalatiAranyLap::PluszSzamKijelzes()
{
    const TalArKornyezet e = kornyezet();
    PBCimke->setText(q("   " + e.PluszSzamNev + " számokból"));
    for (QWidget* x : {static_cast<QWidget*>(TalArTalalatPBEdit), static_cast<QWidget*>(TalArTalalatPBEditMax),
                       static_cast<QWidget*>(PBCimke), static_cast<QWidget*>(PBMaxCimke)})
        x->setVisible(e.VanPluszSzam);
}

void TTalalatiAranyLap::valtozott()
{
    TartomanyList();
    TalaranyTSEnter();
    w_.feltetelValtozott();
}

void TTalalatiAranyLap::TalaranyTSEnter()
{
    const TalArKornyezet e = kornyezet();
    Label15->setText(q(TalArLabel15(rekord(), e)));
    w_.TalaranyTS->setToolTip(e.AdatbazisBetoltve ? QString() : tipp(kHianyzikHuzasok));
}

void TTalalatiAranyLap::TalArAllapotBoxClick()
{
    TTalalatiAranyFeltetel& r = rekord();
    r.Allapot = TalArAllapotBox->isChecked() ? 1 : 0;
    w_.CBAction(TalArAllapotBox, Panel, true);
    if (!r.Allapot) {
        TalArHuzBontGroupClick();
        return;
    }
    huzasForrasUzenet_ = true;
    MindenTalalatGomb->setToolTip(tipp(kTalArMindenTalalatTipp));
    MindenHuzasokGomb->setToolTip(tipp(kTalArMindenHuzasTipp));
    TalArBejeloles(r, kornyezet());
    mutat();
    TalArHuzBontGroupClick();
}

void TTalalatiAranyLap::Betoltes()
{
    TTalalatiAranyFeltetel& r = rekord();
    {
        const QSignalBlocker b(TalArAllapotBox);
        TalArAllapotBox->setChecked(r.Allapot != 0);
    }
    w_.CBAction(TalArAllapotBox, Panel, true);
    if (r.Allapot) {
        // Loading keeps the kind of database the ranges were set with.
        const std::uint8_t tipus = w_.Allapot.Feltetelek->TalArAdatbazisTipus;
        MindenTalalatGomb->setToolTip(tipp(kTalArMindenTalalatTipp));
        MindenHuzasokGomb->setToolTip(tipp(kTalArMindenHuzasTipp));
        TalArBejeloles(r, kornyezet());
        TalArForrasTipus(r);
        w_.Allapot.Feltetelek->TalArAdatbazisTipus = tipus;
        mutat();
        TartomanyList();
    } else {
        TalArHuzBontGroup.Doboz->setEnabled(false);
    }
    TalaranyTSEnter();
}

void TTalalatiAranyLap::DbTartomanyEditChange()
{
    TTalalatiAranyFeltetel& r = rekord();
    r.DbTartomany = DbTartomanyEdit->value();
    TalArTartomanyIgazitas(r);
    mutat();
    valtozott();
}

void TTalalatiAranyLap::AktTartomanyEditChange()
{
    TTalalatiAranyFeltetel& r = rekord();
    r.AktTartomany = AktTartomanyEdit->value() - 1;
    mutat();
    valtozott();
}

void TTalalatiAranyLap::TalArValtozas(TalArMezo mezo)
{
    TTalalatiAranyFeltetel& r = rekord();
    TalArTartomanyIgazitas(r);
    const auto a = static_cast<std::size_t>(r.AktTartomany);
    r.TalalatMin[a] = TalArTalalatEdit->value();
    r.TalalatMax[a] = TalArTalalatEditMax->value();
    r.PBMin[a] = TalArTalalatPBEdit->value();
    r.PBMax[a] = TalArTalalatPBEditMax->value();
    TalArHatarok(r, kornyezet(), mezo);
    mutat();
    valtozott();
}

void TTalalatiAranyLap::TalArTipusGroupClick()
{
    TTalalatiAranyFeltetel& r = rekord();
    TalArTartomanyIgazitas(r);
    r.Tipus[static_cast<std::size_t>(r.AktTartomany)] = TalArTipusGroup.ItemIndex() == 1 ? 1 : 0;
    TalArHuzBontGroupClick();
}

void TTalalatiAranyLap::TalArHuzBontGroupClick()
{
    TTalalatiAranyFeltetel& r = rekord();
    r.Forras = TalArHuzBontGroup.ItemIndex() == 1 ? 1 : 0;
    TalArTartomanyIgazitas(r);
    if (r.Forras == 1) r.Tipus[static_cast<std::size_t>(r.AktTartomany)] = 1;
    w_.SetFeltetelJelzo(w_.Allapot.Feltetelek->FeltetelJelzo);
    w_.HibapontBeEditChange();
    if (w_.isVisible() && w_.FeltetelekPC->currentWidget() && w_.FeltetelekPC->currentWidget()->isAncestorOf(Panel) &&
        r.Allapot && r.Forras == 1 && huzasForrasUzenet_) {
        huzasForrasUzenet_ = false;
        Tipp(QString::fromUtf8(kTalArForrasTipp), kForrasTippIndex);
    }
    if (r.Allapot) mutat();
    valtozott();
}

void TTalalatiAranyLap::TartomanyList()
{
    TTalalatiAranyFeltetel& r = rekord();
    const bool valtozott = TalArForrasTipus(r);
    if (valtozott && w_.isVisible()) Tipp(QString::fromUtf8(kTalArKeresettTipp), kKeresettTippIndex);
    DbTartomanyEdit->setToolTip(tipp(kvx::TartomanyList(r, kornyezet())));
}

void TTalalatiAranyLap::MindenTalalatGombClick()
{
    MindenTalalat(rekord(), kornyezet());
    mutat();
    valtozott();
}

void TTalalatiAranyLap::MindenHuzasokGombClick()
{
    MindenHuzasok(rekord());
    mutat();
    valtozott();
}

void TTalalatiAranyLap::HuzasokGombClick()
{
    TTalalatiAranyFeltetel& r = rekord();
    TalArTartomanyIgazitas(r);
    const auto a = static_cast<std::size_t>(r.AktTartomany);
    emit w_.huzasTartomanyKerve(&r.ElsoHuzas[a], &r.UtolsoHuzas[a]);
    TalArHuzasIgazitas(r, kornyezet());
    mutat();
    valtozott();
}
