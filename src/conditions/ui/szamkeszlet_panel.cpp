#include "conditions/ui/szamkeszlet_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "conditions/ui/feltetelek.h"
#include "conditions/ui/lap_segedek.h"

using namespace kvx;
using namespace kvx::lap;

TSzamkeszletPanel::TSzamkeszletPanel(TFeltetelek& ablak, QWidget* oldal) : QFrame(oldal), w_(ablak)
{
    setObjectName(QStringLiteral("Panel26"));
    setFrameShape(QFrame::StyledPanel);
    SzamokAllapotBox = new QCheckBox(QStringLiteral(" Számkészletek"), this);
    SzamokAllapotBox->setObjectName("SzamokAllapotBox");
    auto edit = [this](const char* nev) {
        auto* e = new TErtekEdit(this);
        e->setObjectName(nev);
        e->setMinimumWidth(56);
        return e;
    };
    AktSzamEdit = edit("AktSzamEdit");
    AktSzamElsoEdit = edit("AktSzamElsoEdit");
    AktSzamUtolsoEdit = edit("AktSzamUtolsoEdit");
    auto gomb = [this](QPushButton*& b, const char* nev, const char* felirat) {
        b = new QPushButton(QString::fromUtf8(felirat), this);
        b->setObjectName(nev);
        b->setAutoDefault(false);
    };
    gomb(SzamokResetLabel, "SzamokResetLabel", "Minimális");
    gomb(SzamokOptimalisLabel, "SzamokOptimalisLabel", "Optimális");
    gomb(SzamokAlapertelmezettLabel, "SzamokAlapertelmezettLabel", "Alapértelmezett");
    Panel26IL = cimke("~", this);
    Panel26IL->setObjectName("Panel26IL");
    Panel26IL->setVisible(false);
    auto* g = new QGridLayout(this);
    g->addWidget(SzamokAllapotBox, 0, 0, 1, 2);
    g->addWidget(Panel26IL, 0, 5, Qt::AlignRight);
    g->addWidget(AktSzamEdit, 1, 1);
    g->addWidget(cimke("   -dik index számkészlete a(z)", this), 1, 2);
    g->addWidget(AktSzamElsoEdit, 1, 3);
    g->addWidget(cimke("   -dik számtól a(z)", this), 1, 4);
    g->addWidget(AktSzamUtolsoEdit, 2, 3);
    g->addWidget(cimke("   -dik számig terjed.", this), 2, 4);
    auto* gombok = new QHBoxLayout;
    gombok->addWidget(SzamokResetLabel);
    gombok->addWidget(SzamokOptimalisLabel);
    gombok->addWidget(SzamokAlapertelmezettLabel);
    gombok->addStretch(1);
    g->addLayout(gombok, 3, 0, 1, 6);
    g->setColumnStretch(5, 1);

    connect(SzamokAllapotBox, &QCheckBox::clicked, this, &TSzamkeszletPanel::SzamokAllapotBoxClick);
    const std::pair<TErtekEdit*, SzamkeszletMezo> mezok[] = {{AktSzamEdit, SzamkeszletMezo::Akt},
                                                             {AktSzamElsoEdit, SzamkeszletMezo::Elso},
                                                             {AktSzamUtolsoEdit, SzamkeszletMezo::Utolso}};
    for (const auto& [e, m] : mezok) {
        const SzamkeszletMezo mezo = m;
        connect(e, &QSpinBox::valueChanged, this, [this, mezo] { Valtozas(mezo); });
    }
    connect(AktSzamElsoEdit, &TErtekEdit::duplaKattintas, this, &TSzamkeszletPanel::AktSzamElsoEditDblClick);
    connect(AktSzamUtolsoEdit, &TErtekEdit::duplaKattintas, this, &TSzamkeszletPanel::AktSzamUtolsoEditDblClick);
    connect(SzamokResetLabel, &QPushButton::clicked, this, &TSzamkeszletPanel::SzamokResetLabelClick);
    connect(SzamokOptimalisLabel, &QPushButton::clicked, this, &TSzamkeszletPanel::SzamokOptimalisLabelClick);
    connect(SzamokAlapertelmezettLabel, &QPushButton::clicked, this,
            &TSzamkeszletPanel::SzamokAlapertelmezettLabelClick);
    for (TErtekEdit* e : {AktSzamEdit, AktSzamElsoEdit, AktSzamUtolsoEdit}) ertek(e, {1, 99}, 1);
}

SzamkeszletKornyezet TSzamkeszletPanel::kornyezet() const
{
    SzamkeszletKornyezet e;
    e.KijeloltFoSzamDb = w_.Allapot.Listak->KijeloltFoSzamDb;
    e.VariacioFoMeret = w_.Allapot.Listak->VariacioFoMeret;
    e.KijeloltSzamok = w_.Allapot.Listak->KijeloltSzamok;
    e.Novekvo = w_.Allapot.Jelzok->Novekvo;
    e.Terjedelem = w_.Allapot.Feltetelek->TerjedelemFeltetel;
    return e;
}

bool TSzamkeszletPanel::mutat(SzamkeszletMezo mezo)
{
    TSzamkeszletFeltetel& r = w_.Allapot.Feltetelek->SzamkeszletFeltetel;
    const SzamkeszletNezet v = SzamkeszletNormalizalas(r, akt_, kornyezet(), mezo);
    if (v.Ervenytelen) return false;
    ertek(AktSzamEdit, v.Akt, akt_);
    ertek(AktSzamElsoEdit, v.Elso, r.Elso[static_cast<std::size_t>(akt_ - 1)]);
    ertek(AktSzamUtolsoEdit, v.Utolso, r.Utolso[static_cast<std::size_t>(akt_ - 1)]);
    AktSzamEdit->setToolTip(tipp(v.AktTipp));
    AktSzamElsoEdit->setToolTip(tipp(v.ElsoTipp));
    AktSzamUtolsoEdit->setToolTip(tipp(v.UtolsoTipp));
    Panel26ILHint();
    SzamokResetLabel->setToolTip(QStringLiteral(" Minimális számkészlet beállítása "));
    SzamokOptimalisLabel->setToolTip(QStringLiteral(" Optimális számkészlet beállítása "));
    SzamokAlapertelmezettLabel->setToolTip(QStringLiteral(" Alapértelmezett számkészlet beállítása "));
    return true;
}

void TSzamkeszletPanel::Panel26ILHint()
{
    const SzamkeszletJelzes j = SzamkeszletJelzo(w_.Allapot.Feltetelek->SzamkeszletFeltetel, kornyezet());
    Panel26IL->setVisible(j.Lathato);
    Panel26IL->setToolTip(tipp(j.Tipp));
}

void TSzamkeszletPanel::SzamokAllapotBoxClick()
{
    TSzamkeszletFeltetel& r = w_.Allapot.Feltetelek->SzamkeszletFeltetel;
    r.Allapot = SzamokAllapotBox->isChecked() ? 1 : 0;
    if (r.Allapot && !mutat(SzamkeszletMezo::Nincs)) {
        r.Allapot = 0;
        w_.NemErtFelt(SzamokAllapotBox);
    }
    if (!r.Allapot) Panel26IL->setVisible(false);
    w_.CBAction(SzamokAllapotBox, this, true);
    w_.LapValtozas();
}

void TSzamkeszletPanel::Valtozas(SzamkeszletMezo mezo)
{
    if (tolt_) return;
    TSzamkeszletFeltetel& r = w_.Allapot.Feltetelek->SzamkeszletFeltetel;
    if (mezo == SzamkeszletMezo::Akt) {
        akt_ = AktSzamEdit->value();
    } else {
        const std::size_t i = static_cast<std::size_t>(std::clamp(akt_, 1, 11) - 1);
        r.Elso[i] = AktSzamElsoEdit->value();
        r.Utolso[i] = AktSzamUtolsoEdit->value();
    }
    mutat(mezo);
    w_.LapValtozas();
}

void TSzamkeszletPanel::preset(void (*f)(TSzamkeszletFeltetel&, std::int32_t, std::int32_t))
{
    TSzamkeszletFeltetel& r = w_.Allapot.Feltetelek->SzamkeszletFeltetel;
    f(r, w_.Allapot.Listak->KijeloltFoSzamDb, w_.Allapot.Listak->VariacioFoMeret);
    mutat(SzamkeszletMezo::Nincs);
    w_.LapValtozas();
}

void TSzamkeszletPanel::SzamokResetLabelClick() { preset(&SzamokReset); }
void TSzamkeszletPanel::SzamokOptimalisLabelClick() { preset(&SzamokOptimalis); }
void TSzamkeszletPanel::SzamokAlapertelmezettLabelClick() { preset(&SzamokAlapertelmezett); }

void TSzamkeszletPanel::AktSzamElsoEditDblClick()
{
    AktSzamElsoEdit->setValue(
        SzamkeszletElsoDupla(AktSzamElsoEdit->minimum(), AktSzamElsoEdit->value(), AktSzamUtolsoEdit->value()));
}

void TSzamkeszletPanel::AktSzamUtolsoEditDblClick()
{
    AktSzamUtolsoEdit->setValue(SzamkeszletUtolsoDupla(AktSzamElsoEdit->value(), AktSzamUtolsoEdit->value(),
                                                       AktSzamUtolsoEdit->maximum()));
}

void TSzamkeszletPanel::Betoltes()
{
    TSzamkeszletFeltetel& r = w_.Allapot.Feltetelek->SzamkeszletFeltetel;
    tolt_ = true;
    akt_ = 1;
    {
        const QSignalBlocker b(SzamokAllapotBox);
        SzamokAllapotBox->setChecked(r.Allapot != 0);
    }
    // A record that is not selected keeps its values and its controls.
    if (r.Allapot && !mutat(SzamkeszletMezo::Nincs)) {
        r.Allapot = 0;
        w_.NemErtFelt(SzamokAllapotBox);
    }
    if (!r.Allapot) Panel26IL->setVisible(false);
    w_.CBAction(SzamokAllapotBox, this, true);
    tolt_ = false;
}
