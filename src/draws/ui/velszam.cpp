#include "draws/ui/velszam.h"

TVelSzam::TVelSzam(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VelSzam"));
    FormCreate();
}

void TVelSzam::FormCreate()
{
    setWindowTitle(QStringLiteral(" Véletlen számok"));
}
