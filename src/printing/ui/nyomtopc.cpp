#include "printing/ui/nyomtopc.h"

TNyomtOpc::TNyomtOpc(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NyomtOpc"));
    FormCreate();
}

void TNyomtOpc::FormCreate()
{
    setWindowTitle(QStringLiteral(" Szelvények kitöltése nyomtatóval"));
}
