#include "draws/ui/huzbe.h"

THuzBe::THuzBe(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HuzBe"));
    FormCreate();
}

void THuzBe::FormCreate()
{
    setWindowTitle(QStringLiteral(" Húzás beolvasása"));
}
