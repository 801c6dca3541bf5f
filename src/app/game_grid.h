#pragma once
// The grid of each game's ticket: a property of the game, read by the ticket
// windows and by the draws list's colouring alike.
#include <cstdint>

namespace kvx {

// The grid of a game: cells per row, rows, empty cells before the first
// number, and whether the bonus numbers form hit classes.
struct JatekRacsAdat {
    std::int32_t Oszlopok = 5;
    std::int32_t Sorok = 16;
    std::int32_t ElsoSorEltolas = 0;
    bool PotSzamTalalat = false;
};
// Any index outside the table gives 5 columns and 16 rows.
JatekRacsAdat JatekRacs(int lottoIndex);

// Games whose numbers run down the columns (32, 33, 34).
bool OszlopFolytonosJatek(int lottoIndex);
// Games laid out on ten columns: 0, 17, 18, 26, 35, 39.
bool TizesRacsJatek(int lottoIndex);
// Games whose extra pool gets a panel of its own: 25, 29, 36, 37, 43.
bool PluszPanelJatek(int lottoIndex);

}  // namespace kvx
