#pragma once
// The hint of the bar under the mouse: its value, count, last occurrence,
// share of all lines, frequency, and the expected and actual averages of the
// chart with this bar's deviation from them. Built for the main-ticket
// charts (times drawn, draws since) and the variation's frequency
// distribution.
#include "app/game_table.h"
#include "common/arrays.h"

#include <array>
#include <cstdint>
#include <string>

namespace kvx {

struct DiagramTippBemenet {
    std::int32_t Tag = 0;
    GameParams Jatek;
    std::int32_t Kulcs = 0;        // the bar's number
    std::int64_t Ertek = 0;        // its value: times drawn, draws since, occurrences
    std::int32_t Utolso = 0;       // last line holding it, 0 never
    std::int32_t R = 0;            // lines of the range
    std::int32_t VizsgaltPluszDb = 0;
    // The chart's values as displayed: Tag 1 [0] expected times drawn, [1]
    // expected draws since, [2] actual average; Tag 2 [0] and [1] the other
    // way round; Tag 3 [2] the average per main number, [4] and [5] the
    // halves of the selection.
    std::array<double, 8> Ertekek{};
    bool Zoom = false, Elmeleti = false, Tenyleges = false, Huzas = false, Inverz = false;
    std::int64_t Alatta = 0, Atlagos = 0, Felette = 0;  // bars below / at / above the actual average
    std::int32_t FoSorok = 0, PluszSorok = 0;           // main and extra-pool bars
    std::int32_t HanyHuzasOta = 0;    // Tag 1: draws since the number came
    std::int64_t HanyszorHuztak = 0;  // Tag 2: times drawn
    std::string SzamTipp;             // Tag 3: the main ticket's hint of the number
    bool KijeloltVagyFix = true;      // Tag 3: selected or fixed on the main ticket
};

std::string DiagramTipp(const DiagramTippBemenet& b);

// Counts the bars of a main-ticket or frequency chart against the actual
// average: a bar (key, value) of the main pool adds 1 below, at or above it;
// a value of 0 counts as below; the average is taken rounded.
void AtlagSzamlalok(const TTombInt2D& sorok, std::int32_t foSzamKeszlet, double atlag, std::int64_t& alatta,
                    std::int64_t& atlagos, std::int64_t& felette);

}  // namespace kvx
