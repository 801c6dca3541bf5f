#include "conditions/ui/info.h"

TInfo::TInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Info"));
    FormCreate();
}

void TInfo::FormCreate()
{
    setWindowTitle(QStringLiteral(" Információk a variációról"));
}
