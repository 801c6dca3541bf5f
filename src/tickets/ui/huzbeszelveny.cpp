#include "tickets/ui/huzbeszelveny.h"

#include "app/game_table.h"
#include "app/settings.h"
#include "draws/draw_entry.h"
#include "draws/ui/huzbe.h"
#include "app/ui/formok.h"
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

void THuzBeSzelveny::SzamBevitel(int n, int mod)
{
    HuzBeSzamClick(huzBe(), game(), n, mod);
    Szinezes();
    if (THuzBe* be = formok().HuzBe)
        be->SorKijelzes();
}
