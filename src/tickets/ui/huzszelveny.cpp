#include "tickets/ui/huzszelveny.h"

THuzSzelveny::THuzSzelveny(QWidget* foablak)
    : TSzelveny(QStringLiteral("HSz"), kvx::FajtaHuzSzelveny, false, false, true, QStringLiteral(" Húzások szelvénye"), foablak)
{
}
