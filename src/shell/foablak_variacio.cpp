// The main window's side of the variation: the statistics it closes before
// a sort, the status bar's variation panel and the extension mode's
// background.
#include "shell/foablak.h"
#include "app/ui/program.h"

#include <QWidget>

#include "app/shell_state.h"
#include "shell/formok.h"
#include "statistics/ui/statisztika.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

void TFoablak::VariacioVezerloBekotese()
{
    VariacioVezerlo& v = Program::aktualis().Variacio();
    VariacioParancsok& vp = Program::aktualis().VariacioParancsai();
    // The statistics show the lines by row: a sort closes them.
    connect(&vp, &VariacioParancsok::rendezesElott, this, [] {
        if (TStatisztika* s = formok().Statisztika; s && s->isVisible())
            s->close();
    });
    connect(&v, &VariacioVezerlo::statusz, this,
            [this](const VariacioAllapot& a, bool befejezett) { VariacioStatuszKiirasStatusBar(a, befejezett, true); });
    connect(&v, &VariacioVezerlo::bovitesValtozott, this, [this] {
        if (Image1)
            Image1->setVisible(bontasEgyseg().BontasBovites);
    });
}
