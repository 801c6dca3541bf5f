#include "variation/ui/bontas.h"

TBontas::TBontas(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Bontas"));
    FormCreate();
}

void TBontas::FormCreate()
{
    setWindowTitle(QStringLiteral(" Variáció készítése"));
}
