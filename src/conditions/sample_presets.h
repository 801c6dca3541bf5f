#pragma once
// The presets of a sample variation: from one example line (a past draw, a
// random line or the user's own numbers) eleven conditions get values that
// lines resembling the example pass. They are computed into the example
// images of the records and then copied over the working records.
#include "app/game_table.h"
#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "draws/draws_table.h"

#include <cstdint>
#include <functional>

namespace kvx {

struct PeldaBemenet {
    // The example line's main numbers, ascending (at least SzamsorFoSzamDb).
    TTombInt1D L;
    // Numbers per line of the variation (VariacioFoMeret).
    std::int32_t VariacioFoMeret = 0;
    // The markers and counters of the example selected on its own.
    const SzamJelzok* Jelzok = nullptr;
    // The draws for the hit-ratio preset; null or not loaded: it is off.
    const DrawsState* Huzasok = nullptr;
    // Last draw of the hit-ratio range (the draws before the example's own).
    std::int32_t UtolsoHuzas = 0;
};

// Random value in 0 .. n - 1.
using PeldaVeletlen = std::function<std::int32_t(std::int32_t)>;

// The example numbers taken from one draw row from column `oszlop` on: the
// line's SzamsorHossz numbers; in Keno, where a line holds fewer numbers
// than a draw, that many distinct numbers chosen at random among the drawn
// ones.
TTombInt1D PeldaHuzasSzamai(const TTombInt1D& sor, const GameParams& g, std::int32_t oszlop,
                            const PeldaVeletlen& veletlen);

// Games whose lines are too short for the group and favourite presets.
bool PeldaCsoportokNelkul(const GameParams& g);

// Fills the eleven example images of f from the example.
void PeldaBeallitasok(FeltetelRekordok& f, const GameParams& g, const PeldaBemenet& b);
// Copies the eleven example images over the working records.
void PeldaMasolas(FeltetelRekordok& f);

}  // namespace kvx
