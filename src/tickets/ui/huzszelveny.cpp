#include "tickets/ui/huzszelveny.h"

#include <algorithm>

using namespace kvx;

THuzSzelveny::THuzSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("HSz"), FajtaHuzSzelveny, false, false, true, QStringLiteral(" Húzások szelvénye"), foablak)
{
    Tag = 1000;
}

void THuzSzelveny::Szinezes()
{
    const SzelvenySor& look = Look();
    const PanelSzin alap = AlapPanelSzin(look);
    const PanelSzin jelolt{look[SzeletJelolt], look[SzeletKijelolt], true};
    for (TSzamPanel* p : SzamPanelek) {
        const bool benne = std::find(szamok_.begin(), szamok_.end(), p->Tag) != szamok_.end();
        PanelSzinezes(p, benne ? jelolt : alap);
    }
}

void THuzSzelveny::Kijelzes(const TTombByte1D& kivSzamok, const TTombByte1D& /*kivPotSzamok*/, const HLRiport& r)
{
    szamok_ = kivSzamok;
    Szinezes();
    // No draw selected (an empty database): the ticket's own caption.
    setWindowTitle(r.Felirat.empty() ? QStringLiteral(" Húzások szelvénye") : QString::fromStdString(r.Felirat));
    if (InfoCimke)
        InfoCimke->setText(InfoSzoveg(r.Szoveg));
    if (InfoCimke2)
        InfoCimke2->setText(InfoSzoveg(r.Szoveg2));
    MagassagIgazitas();
}
