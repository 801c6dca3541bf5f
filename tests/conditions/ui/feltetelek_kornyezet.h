#pragma once
// Test helper: the state the conditions window works on, fresh for each
// test (game 0, no numbers marked, cleared records), wired into the
// window's FeltetelekAllapot.
#include <cstdint>

#include "app/main_state.h"
#include "conditions/ui/feltetelek.h"

namespace kvx::teszt {

struct FeltetelekKornyezet {
    explicit FeltetelekKornyezet(std::int32_t sorrendMod) : mod(sorrendMod)
    {
        g.LottoIndex = 0;
        JatekParameterek(g);
        ListakInicializalasa(l, g, ms);
        FeltetelekRekordokReset(f, g);
        a.Jatek = &g;
        a.Listak = &l;
        a.Feltetelek = &f;
        a.Opciok = &o;
        a.Jelzok = &j;
        a.Foallapot = &ms;
        a.SzamsorrendMod = &mod;
    }
    // a points into the object itself.
    FeltetelekKornyezet(const FeltetelekKornyezet&) = delete;
    FeltetelekKornyezet& operator=(const FeltetelekKornyezet&) = delete;

    GameParams g;
    SzamListak l;
    MainState ms;
    FeltetelRekordok f;
    VariacioOpcioErtekek o;
    SzamJelzok j;
    std::int32_t mod;
    FeltetelekAllapot a;
};

}  // namespace kvx::teszt
