#pragma once
// The program's windows, created once at start-up in a fixed order after the
// main window and reached through formok().
#include <QPointer>

class TFoablak;
class TInternetLetoltesAblak;
class TFeltetelek;
class THuzLista;
class TBontLista;
class TBontas;
class THuzSzama;
class THuzBe;
class TVelSzam;
class TBeallitasok;
class TInfo;
class TNyomtOpc;
class TStatisztika;
class TBontTeszt;
namespace kvx {
class TUzenetAblak;
class TNevjegy;
}

struct Formok {
    QPointer<TFoablak> Foablak;
    QPointer<TInternetLetoltesAblak> InternetLetoltesAblak;
    // The wait window: a top-level window of its own, deleted with the main window.
    QPointer<kvx::TUzenetAblak> UzenetAblak;
    QPointer<TFeltetelek> Feltetelek;
    QPointer<THuzLista> HuzLista;
    QPointer<TBontLista> BontLista;
    QPointer<TBontas> Bontas;
    QPointer<THuzSzama> HuzSzama;
    QPointer<kvx::TNevjegy> Nevjegy;
    QPointer<THuzBe> HuzBe;
    QPointer<TVelSzam> VelSzam;
    QPointer<TBeallitasok> Beallitasok;
    QPointer<TInfo> Info;
    QPointer<TNyomtOpc> NyomtOpc;
    QPointer<TStatisztika> Statisztika;
    QPointer<TBontTeszt> BontTeszt;
};

// The program's one set of windows.
Formok& formok();

// Creates the windows after the main window, in the program's order; the
// last one (TBontTeszt) runs TFoablak::Betoltes. They are children of the
// main window and die with it.
void FormokLetrehozasa(TFoablak& foablak);

// Makes the controllers of the subsystems, each after those it works with,
// and lets the windows of a higher subsystem into the builds of a lower one
// (the variation check ticket among the tickets). The main window calls it
// first, before any window holds a controller.
void AlrendszerekBekotese();
