#pragma once
// Test helper: a game, numbers marked on its main ticket in the given order,
// k numbers per line, and the markers the real marker builder makes of them.
#include <vector>

#include "app/main_state.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"

namespace kvx::teszt {

struct Valasztas {
    Valasztas(int jatek, const std::vector<int>& szamok, int k)
    {
        g.LottoIndex = jatek;
        JatekParameterek(g);
        ListakInicializalasa(l, g, ms);
        for (int n : szamok) SzamJeloles(l, g, ms, n, ModKijelolt, false);
        if (k > 0 && l.VariacioMeret != k) VariacioMeretBeallitas(l, g, k);
        SzamJelzoBeallitas(j, l, g, f, 0);
    }
    GameParams g;
    SzamListak l;
    MainState ms;
    FeltetelRekordok f;
    SzamJelzok j;
};

}  // namespace kvx::teszt
