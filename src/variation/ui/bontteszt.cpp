#include "variation/ui/bontteszt.h"
#include <utility>

TBontTeszt::TBontTeszt(std::function<void()> betoltes, QWidget* parent) : QDialog(parent), betoltes_(std::move(betoltes))
{
    setObjectName(QStringLiteral("BontTeszt"));
    FormCreate();
}

void TBontTeszt::FormCreate()
{
    setWindowTitle(QStringLiteral(" Variáció tesztje"));
    // This is the last form created at start-up: every window exists now,
    // so the main window can load what needs them all.
    if (betoltes_)
        betoltes_();
}
