#include "conditions/ui/feltetelek.h"

TFeltetelek::TFeltetelek(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Feltetelek"));
    FormCreate();
}

void TFeltetelek::FormCreate()
{
    setWindowTitle(QStringLiteral(" Feltételek kijelölése"));
}
