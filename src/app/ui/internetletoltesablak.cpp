#include "app/ui/internetletoltesablak.h"

TInternetLetoltesAblak::TInternetLetoltesAblak(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InternetLetoltesAblak"));
    FormCreate();
}

void TInternetLetoltesAblak::FormCreate()
{
    setWindowTitle(QStringLiteral(" Internetkapcsolat"));
}
