#include "tickets/ui/huzbeszelveny.h"
#include "app/ui/program.h"

#include "app/game_table.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/uzenetek.h"
#include "draws/draw_editing.h"
#include "draws/draw_entry.h"
#include "draws/draws_table.h"
#include "draws/ui/huzbe.h"
#include "tickets/ui/szelvenyek.h"

using namespace kvx;

THuzBeSzelveny::THuzBeSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("HBSz"), FajtaHuzBeSzelveny, false, false, false, QStringLiteral(" Számsor beolvasás"), foablak)
{
    for (TSzamPanel* p : SzamPanelek)
        connect(p, &TSzamPanel::Kattintas, this, &THuzBeSzelveny::SzamClick);
}

void THuzBeSzelveny::Szinezes()
{
    const SzelvenySor& look = Look();
    const PanelSzin szabad{look[SzeletCellaSzin], look[SzeletBetuSzin], false};
    for (TSzamPanel* p : SzamPanelek) {
        switch (HuzBeSzamSzerepe(huzBe(), p->Tag)) {
        case HuzBeSzerep::Szam:
            PanelSzinezes(p, {look[SzeletJelolt], look[SzeletKijelolt], true});
            p->setToolTip(QString::fromStdString(" Kijelölt" + (PluszSzamE(game(), p->Tag) ? game().PluszSzamNev : "") + " szám "));
            break;
        case HuzBeSzerep::PotSzam:
            PanelSzinezes(p, {look[SzeletJelolt], look[SzeletPluszBetu], true});
            p->setToolTip(QStringLiteral(" Kijelölt plusz szám "));
            break;
        case HuzBeSzerep::Nincs:
            PanelSzinezes(p, szabad);
            p->setToolTip(QString());
            break;
        }
    }
}

void THuzBeSzelveny::SzamClick(TSzamPanel* panel)
{
    if (panel)
        SzamBevitel(panel->Tag, GetBillentyuMod());
}

HuzBeKattintas THuzBeSzelveny::SzamBevitel(int n, int mod, bool tippek)
{
    const HuzBeKattintas k = HuzBeSzamClick(huzBe(), game(), n, mod);
    Szinezes();
    if (tippek)
        PluszSzamTippek(k);
    if (THuzBe* be = formok().HuzBe)
        be->SorKijelzes();
    return k;
}

void THuzBeSzelveny::PluszSzamTippek(HuzBeKattintas k)
{
    const GameParams& g = game();
    auto& naplo = settings().UzenetekLog;
    const int sor = huzLista().KivRekord;
    const std::string tortenet = pluszSzamTortenet(g.LottoIndex, sor);
    switch (HuzBePluszSzamTipp(huzBe(), g, k, adatbazisFajta().AdatbazisTipus, naplo[kTippPluszSzam] != 0,
                               naplo[kTippPluszSzamTortenet] != 0, isVisible(), !tortenet.empty())) {
    case PluszSzamTippFajta::Tipp:
        PluszSzamTipp(true, g.LottoIndex, sor);
        // The box swallows the release of the Shift key.
        if (TFoablak* fo = formok().Foablak)
            fo->SetBillentyuMod(0);
        break;
    case PluszSzamTippFajta::Tortenet:
        naplo[kTippPluszSzamTortenet] = HasznosInformacio(QString::fromStdString(tortenet)) ? 1 : 0;
        break;
    case PluszSzamTippFajta::Nincs:
        break;
    }
}
