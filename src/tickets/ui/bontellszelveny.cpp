#include "tickets/ui/bontellszelveny.h"

TBontEllSzelveny::TBontEllSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("BESz"), kvx::FajtaBontEllSzelveny, true, true, true, QStringLiteral(" Variáció ellenőrzés"), foablak)
{
}
