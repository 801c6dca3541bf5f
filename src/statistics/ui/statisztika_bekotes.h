#pragma once
// The statistics window's place among the others: the statistics button
// ("StatisztikaGomb"), the main ticket's range command ("Hzsokszma1"), what
// the window asks of the main ticket, the lists and the range dialog, and
// what it does when the draws database is switched or filled with random
// draws or the variation's lines are sorted. Emits nothing of its own.
class QAction;
class QObject;
class TBontas;
class TBontLista;
class THuzLista;
class THuzSzama;
class TInfo;
class TStatisztika;

// The windows the statistics work with; any may be null.
struct StatisztikaAblakok {
    THuzSzama* Tartomany = nullptr;  // the range dialog
    THuzLista* HuzLista = nullptr;
    TBontLista* BontLista = nullptr;
    TBontas* Bontas = nullptr;
    TInfo* Info = nullptr;
};

namespace kvx {
class ParancsTar;
}

// The statistics button, a toolbar button without a menu item: made as a
// child of `tulajdonos` and registered; it stays off until the window is
// wired (StatisztikaBekotese). Whoever shows it places it.
QAction* StatisztikaGombLetrehozasa(kvx::ParancsTar& parancsok, QObject* tulajdonos);

// kontextus: the main window, whose life the range commands' state follows;
// when it becomes the active window again, an idle statistics window
// showing beside it is repainted and fitted (TStatisztika::RandomizeArrays).
void StatisztikaBekotese(QObject& kontextus, TStatisztika& statisztika, const StatisztikaAblakok& ablakok);

// The statistics button: shows the window with the first statistic of what
// exists (the draws, else the variation); an error when neither does.
void StatisztikaGombClick(TStatisztika& statisztika);
