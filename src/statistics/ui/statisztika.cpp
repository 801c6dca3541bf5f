#include "statistics/ui/statisztika.h"

TStatisztika::TStatisztika(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Statisztika"));
    FormCreate();
}

void TStatisztika::FormCreate()
{
    setWindowTitle(QStringLiteral(" Statisztika"));
}
