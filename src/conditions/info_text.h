#pragma once
// The text of the information window: lines, each with its bold flag, so a
// heading stays bold wherever the text is shown or compared (no positions
// counted in characters). The window rebuilds its display only when the
// lines differ from what it shows.
#include <cstdint>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"

namespace kvx {

struct InfoSor {
    std::string Szoveg;
    bool Felkover = false;
    bool operator==(const InfoSor&) const = default;
};
using InfoSorok = std::vector<InfoSor>;

// Appends an entry; an entry with embedded "\r\n" becomes several lines,
// all with the entry's bold flag.
void InfoHozzaad(InfoSorok& s, const std::string& bejegyzes, bool felkover = false);

// What the description reads.
struct InfoBemenet {
    const GameParams* Jatek = nullptr;
    const SzamListak* Listak = nullptr;
    const FeltetelRekordok* Feltetelek = nullptr;
    const SzamJelzok* Jelzok = nullptr;
};

// The description of the variation's settings: the chosen and fixed
// numbers, the error points, and every selected condition of the
// distribution, item and events tabs in words (heading bold, then its
// lines); "Nincs kijelölt feltétel." when none is selected.
InfoSorok VariacioInfoSorok(const InfoBemenet& be);

// Number rows: numbers right-aligned in 2 characters joined by " - ", 15 a
// row, every row led by 12 blanks, rows after the first on a new line.
std::string SzamSorok(const std::vector<std::int32_t>& szamok);

}  // namespace kvx
