#include "tickets/ui/huzbeszelveny.h"

THuzBeSzelveny::THuzBeSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("HBSz"), kvx::FajtaHuzBeSzelveny, false, false, false, QStringLiteral(" Számsor beolvasás"), foablak)
{
}
