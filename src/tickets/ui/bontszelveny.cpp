#include "tickets/ui/bontszelveny.h"

TBontSzelveny::TBontSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("BSz"), kvx::FajtaBontSzelveny, false, false, true, QStringLiteral(" Variáció szelvénye"), foablak)
{
}
