#include "tickets/ui/huzkeresszelveny.h"

THuzKeresSzelveny::THuzKeresSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("HKSz"), kvx::FajtaHuzKeresSzelveny, true, true, true, QStringLiteral(" Számsor keresés"), foablak)
{
}
