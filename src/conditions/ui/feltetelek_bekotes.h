#pragma once
// The conditions window's place among the commands: the conditions command
// "Listzs1" is the window's (its handler opens the window, its state follows
// whether the main ticket's line takes conditions), its menu items follow
// its buttons ("rls1" Törlés, "Ellenrzs2" Ellenőrzés, the caption of
// "Listzs1"), the items run its buttons, its hit-ratio tab chooses one
// range of draws in the range dialog, after its "Törlés" it opens again
// through "Listzs1", it closes when the main ticket's line no longer takes
// conditions, a marking of the main ticket clears the conditions, and its
// hit-ratio condition follows the draws database. Emits nothing of its own.
class TFeltetelek;
class THuzSzama;

// Called once by the shell with its menus: the state of "Listzs1".
void FeltetelekParancsBekotese();
// Called once by the shell when both windows exist.
void FeltetelekAblakBekotese(TFeltetelek& feltetelek, THuzSzama& tartomany);
