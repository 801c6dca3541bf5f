#include "tickets/ui/huzbeszelveny.h"
#include "app/ui/program.h"

#include "app/game_table.h"
#include "draws/draw_entry.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "tickets/ui/szelvenyek.h"

using namespace kvx;

THuzBeSzelveny::THuzBeSzelveny(HuzasokVezerlo& vezerlo, QWidget* foablak)
    : TSzelveny(QStringLiteral("HBSz"), FajtaHuzBeSzelveny, false, false, false, QStringLiteral(" Számsor beolvasás"), foablak),
      vezerlo_(vezerlo)
{
    for (TSzamPanel* p : SzamPanelek)
        connect(p, &TSzamPanel::Kattintas, this, &THuzBeSzelveny::SzamClick);
    connect(&vezerlo_, &HuzasokVezerlo::huzBeValtozott, this, &THuzBeSzelveny::Szinezes);
    connect(&vezerlo_, &HuzasokVezerlo::huzBeSorValtozott, this, &THuzBeSzelveny::Szinezes);
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
        vezerlo_.HuzBeSzamBevitel(panel->Tag, GetBillentyuMod());
}
