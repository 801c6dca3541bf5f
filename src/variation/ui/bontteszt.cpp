#include "variation/ui/bontteszt.h"

TBontTeszt::TBontTeszt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BontTeszt"));
    FormCreate();
}

void TBontTeszt::FormCreate() { setWindowTitle(QStringLiteral(" Variáció tesztje")); }
