#include "app/ui/beallitasok.h"

TBeallitasok::TBeallitasok(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Beallitasok"));
    FormCreate();
}

void TBeallitasok::FormCreate()
{
    setWindowTitle(QStringLiteral(" Program beállítások"));
}
