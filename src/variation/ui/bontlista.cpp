#include "variation/ui/bontlista.h"

TBontLista::TBontLista(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BontLista"));
    FormCreate();
}

void TBontLista::FormCreate()
{
    setWindowTitle(QStringLiteral(" Variáció listája"));
}
