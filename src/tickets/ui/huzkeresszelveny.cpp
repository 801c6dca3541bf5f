#include "tickets/ui/huzkeresszelveny.h"

#include <QAction>
#include <QPushButton>

#include "app/messages.h"
#include "app/settings.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/ui/szelvenyek.h"

using namespace kvx;

THuzKeresSzelveny::THuzKeresSzelveny(HuzasokVezerlo& vezerlo, QWidget* foablak)
    : TSzelveny(QStringLiteral("HKSz"), kvx::FajtaHuzKeresSzelveny, true, true, true, QStringLiteral(" Számsor keresés"),
                foablak),
      vezerlo_(vezerlo)
{
    Jelolesek.Torles(game());
    for (TSzamPanel* p : SzamPanelek)
        connect(p, &TSzamPanel::Kattintas, this, &THuzKeresSzelveny::SzamClick);
    if (TorlesGomb)
        connect(TorlesGomb, &QPushButton::clicked, this, &THuzKeresSzelveny::TorlesGombClick);
    if (KilepesGomb)
        connect(KilepesGomb, &QPushButton::clicked, this, &THuzKeresSzelveny::KeresesTorlese);
    connect(&vezerlo, &HuzasokVezerlo::keresesKerve, this, &THuzKeresSzelveny::KeresesInditas);
    // The table goes: so does the search. The table (an undo) or the list's
    // range changes: the rows are counted again.
    connect(&vezerlo, &HuzasokVezerlo::lezaras, this, &THuzKeresSzelveny::KeresesTorlese);
    connect(&vezerlo, &HuzasokVezerlo::keresVege, this, &THuzKeresSzelveny::KeresesTorlese);
    connect(&vezerlo, &HuzasokVezerlo::valtozott, this, [this] {
        if (isVisible() && draws().AdatbazisBetoltve)
            TalalatokSzamolasa();
    });
    connect(&vezerlo, &HuzasokVezerlo::tartomanyokValtoztak, this, [this](int mod) {
        if (mod == 3 && isVisible())
            TalalatokSzamolasa();
    });
}

void THuzKeresSzelveny::Szinezes()
{
    const SzelvenySor& look = Look();
    const GameParams& g = game();
    for (TSzamPanel* p : SzamPanelek) {
        const int n = p->Tag;
        if (Jelolesek.PotJelolt(n)) {
            PanelSzinezes(p, {look[SzeletJelolt], look[SzeletPluszBetu], true});
            p->setToolTip(QStringLiteral(" Keresett plusz szám "));
        } else if (Jelolesek.Jelolt(n)) {
            PanelSzinezes(p, {look[SzeletJelolt], look[SzeletKijelolt], true});
            const bool plusz = g.VanPluszSzam && n > g.FoSzamKeszlet;
            p->setToolTip(QStringLiteral(" Keresett") + (plusz ? QString::fromStdString(g.PluszSzamNev) : QString()) +
                          QStringLiteral(" szám "));
        } else {
            PanelSzinezes(p, {look[SzeletCellaSzin], look[SzeletBetuSzin], false});
            p->setToolTip(QString());
        }
    }
}

void THuzKeresSzelveny::GombokBeallitasa()
{
    KeresesTorlese();
    Jelolesek.Torles(game());
    vezerlo_.SetKeresAktiv(true);
    // Both panels say which database is searched, as "Keresés" does.
    const QString tipp = QString::fromStdString(KeresesTipp(adatbazisFajta()));
    InfoPanel->setToolTip(tipp);
    if (InfoPanel2)
        InfoPanel2->setToolTip(tipp);
    setWindowTitle(QStringLiteral(" Számsor keresés"));
    Szinezes();
    show();
    InfoKijelzes();
}

void THuzKeresSzelveny::TorlesGombClick()
{
    // The search starts again as "Keresés" starts it (Shift+Ctrl: on a random
    // line of a drawing's shape); without the command, with no marks.
    const ParancsTar* t = ParancsTar::aktualis();
    if (QAction* keres = t ? t->Keres(kvx::ParancsId::Keress1) : nullptr; keres && keres->isEnabled())
        keres->trigger();
    else
        GombokBeallitasa();
}

void THuzKeresSzelveny::KeresesInditas(const TTombByte1D& szamok, const TTombByte1D& potSzamok, const QString& felirat)
{
    GombokBeallitasa();
    if (szamok.empty() && potSzamok.empty())
        return;
    const GameParams& g = game();
    for (std::uint8_t n : szamok)
        if (n >= 1)
            HuzKeresSzamClick(Jelolesek, g, n, 0);
    for (std::uint8_t n : potSzamok)
        if (n >= 1)
            HuzKeresSzamClick(Jelolesek, g, n, 50);
    Szinezes();
    if (!felirat.isEmpty())
        setWindowTitle(felirat);
    TalalatokSzamolasa();
}

void THuzKeresSzelveny::KeresesTorlese()
{
    if (!isVisible())
        return;
    hide();
    Jelolesek.Torles(game());
    Szinezes();
    vezerlo_.SetKeresAktiv(false);
    vezerlo_.KeresesTorlese();
}

void THuzKeresSzelveny::SzamClick(TSzamPanel* panel)
{
    if (!panel)
        return;
    const int mod = koteg_ ? 0 : GetBillentyuMod();
    const KeresKattintas k = HuzKeresSzamClick(Jelolesek, game(), panel->Tag, mod);
    if (k == KeresKattintas::Elutasitva)
        return;
    // All bonus slots used on the program's own database: how Shift marks them.
    if (k == KeresKattintas::PotJelolve && !koteg_ && Jelolesek.PotDb == game().PotSzamok &&
        settings().UzenetekLog[kTippPluszSzam] && adatbazisFajta().AdatbazisTipus)
        PluszSzamTipp(true, game().LottoIndex, huzLista().KivRekord);
    Szinezes();
    if (!koteg_)
        TalalatokSzamolasa();
}

void THuzKeresSzelveny::TalalatokSzamolasa()
{
    if (Jelolesek.Ures())
        vezerlo_.KeresesTorlese();
    else
        vezerlo_.TalalatokSzamolasa(Jelolesek);
    InfoKijelzes();
}

void THuzKeresSzelveny::InfoKijelzes()
{
    const HuzSzamaState& r = huzSzama();
    TTombInt1D t = vezerlo_.HuzKeresTalalatok();
    t.resize(static_cast<std::size_t>(std::max(0, HuzKeresTalalatokMeret(game()))), 0);
    const HuzKeresInfo info = HuzKeresInfoKeszites(game(), Jelolesek, t, r.GetLHuzSzamaElso(), r.GetLHuzSzamaUtolso());
    InfoCimke->setText(InfoSzoveg(info.Szoveg));
    if (InfoCimke2)
        InfoCimke2->setText(InfoSzoveg(info.Szoveg2));
    MagassagIgazitas();
    if (isVisible())
        raise();
}
