#pragma once
// The variation's side of the settings window: the permitted variation
// size its slider shows and sets, and what follows a change of the
// settings (the backups of the current game, the information window's
// list).
class TBeallitasok;

// Lends the settings window the variation's permitted size and follows its
// alkalmazva (the connection ends with the window).
void BeallitasokVariacioBekotese(TBeallitasok& beallitasok);
