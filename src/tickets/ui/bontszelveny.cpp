#include "tickets/ui/bontszelveny.h"

using namespace kvx;

TBontSzelveny::TBontSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("BSz"), kvx::FajtaBontSzelveny, false, false, true, QStringLiteral(" Variáció szelvénye"), foablak)
{
}

void TBontSzelveny::Szinezes()
{
    const SzelvenySor& look = Look();
    const PanelSzin alap = AlapPanelSzin(look);
    for (std::size_t i = 0; i < SzamPanelek.size(); ++i) {
        const SegedJeloles j = i < jelolesek_.size() ? jelolesek_[i] : SegedJeloles::Nincs;
        switch (j) {
        case SegedJeloles::Nincs: PanelSzinezes(SzamPanelek[i], alap); break;
        case SegedJeloles::Szam: PanelSzinezes(SzamPanelek[i], {look[SzeletJelolt], look[SzeletBetuSzin], true}); break;
        case SegedJeloles::Allando:
            PanelSzinezes(SzamPanelek[i], {look[SzeletJelolt], look[SzeletAllando], true});
            break;
        case SegedJeloles::Veletlen:
            PanelSzinezes(SzamPanelek[i], {look[SzeletJelolt], look[SzeletVeletlen], true});
            break;
        case SegedJeloles::Fix: PanelSzinezes(SzamPanelek[i], {look[SzeletJelolt], look[SzeletFix], true}); break;
        }
    }
}

void TBontSzelveny::Kijelzes(const std::vector<SegedJeloles>& jelolesek, const std::string& felirat,
                             const std::string& szoveg, const std::string& szoveg2)
{
    jelolesek_ = jelolesek;
    Szinezes();
    setWindowTitle(QString::fromStdString(felirat));
    if (InfoCimke)
        InfoCimke->setText(InfoSzoveg(szoveg));
    if (InfoCimke2)
        InfoCimke2->setText(InfoSzoveg(szoveg2));
    MagassagIgazitas();
}
