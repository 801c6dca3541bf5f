// The main window's side of the variation: the extension mode's background.
#include "shell/foablak.h"
#include "app/ui/program.h"

#include <QWidget>

#include "variation/generation_run.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

void TFoablak::VariacioVezerloBekotese()
{
    VariacioVezerlo& v = Program::aktualis().Variacio();
    connect(&v, &VariacioVezerlo::bovitesValtozott, this, [this] {
        if (Image1)
            Image1->setVisible(bontasEgyseg().BontasBovites);
    });
}
