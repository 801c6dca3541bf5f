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

struct Formok {
    QPointer<TFoablak> Foablak;
    QPointer<TInternetLetoltesAblak> InternetLetoltesAblak;
    // TUzenetAblak (the wait window) is created here by its own unit.
    QPointer<TFeltetelek> Feltetelek;
    QPointer<THuzLista> HuzLista;
    QPointer<TBontLista> BontLista;
    QPointer<TBontas> Bontas;
    QPointer<THuzSzama> HuzSzama;
    // TNevjegy (the about box) is created here by its own unit.
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
