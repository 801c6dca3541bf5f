#include "draws/ui/huzlista.h"

THuzLista::THuzLista(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HuzLista"));
    FormCreate();
}

void THuzLista::FormCreate()
{
    setWindowTitle(QStringLiteral(" Húzások listája"));
}
