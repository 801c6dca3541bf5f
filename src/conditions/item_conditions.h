#pragma once
// The three item tabs of the conditions window: " Számcsoport " (tens
// groups), " Számvégződés " (last digits) and " Számjegy " (digits). Each
// holds the same three conditions, Páros-páratlan, Ismétlődés and Tételes;
// one table of per-tab differences drives all nine. As on the distribution
// tab, every function takes the record and the field the user changed,
// brings the record within the limits the selection allows and returns what
// the panel shows (limits, enabled states, hints, messages).
#include <cstdint>
#include <string>

#include "app/game_table.h"
#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "conditions/distribution_conditions.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"

namespace kvx {

enum class TetelLap : int { Szamcsoport = 0, Szamvegzodes = 1, Szamjegy = 2 };

// What the item conditions need of the selection and its markers.
struct TetelKornyezet {
    std::int32_t KijeloltFoSzamDb = 0;  // n
    std::int32_t VariacioFoMeret = 0;   // k
    std::int32_t LottoIndex = 0;
    TTombByte1D KijeloltSzamok;         // the selection in its order, main-pool numbers first
    SzamJelzok Jelzok;                  // markers and counters of that selection
};
TetelKornyezet TetelKornyezetKeszites(const SzamListak& l, const GameParams& g, const SzamJelzok& j);

// The working records of a tab.
TParosFeltetel* ParosRekord(FeltetelRekordok& f, TetelLap lap);  // null on the digit tab
TMinMaxFeltetel* SzJParosRekord(FeltetelRekordok& f);
TIsmetFeltetel& IsmetRekord(FeltetelRekordok& f, TetelLap lap);
TTetelesFeltetel& TetelesRekord(FeltetelRekordok& f, TetelLap lap);
const TTetelesFeltetel& TetelesRekord(const FeltetelRekordok& f, TetelLap lap);

// The tab's word: "számcsoport", "számvégződés", "számjegy".
const char* TetelSzo(TetelLap lap);
// The item's name ("Tízes", "Hármas", ...).
const char* TetelNev(TetelLap lap, std::int32_t kod);

// " A program nem ellenőrzi a beállított paraméterek érvényességét. "
extern const char* const kNemEllenorziTipp;

// Páros-páratlan. min and max are the record's Min and Max (the digit tab's
// record is a TMinMaxFeltetel, the others a TParosFeltetel).
struct ParosNezet {
    bool Ervenytelen = false;  // no even or no odd item among the selected numbers
    Korlat Min, Max;
};
ParosNezet ParosNormalizalas(TetelLap lap, std::int32_t& min, std::int32_t& max, const TetelKornyezet& e,
                             MinMaxMezo valtozott = MinMaxMezo::Nincs);

// Ismétlődés.
enum class IsmetMezo { Nincs, Szama, Min, Max, CsakTobb };
struct IsmetNezet {
    bool Ervenytelen = false;  // no item holds two selected numbers
    // What the selection allows: 0 free, 1 only one item can repeat, 2 only
    // several can (the digit tab decides nothing: always 0).
    int Tag = 0;
    std::string Uzenet;  // the information given when the box is ticked in an automatic mode
    Korlat Min, Max;
    bool CsakTobbEnabled = false;
    std::string LogTipp;   // hint of the "  Száma  " radio
    std::string EditTipp;  // hint of both value edits (the description quotes it)
};
// kijeloles: the box has just been ticked (the automatic mode's message is due).
IsmetNezet IsmetNormalizalas(TetelLap lap, TIsmetFeltetel& r, const TetelKornyezet& e,
                             IsmetMezo valtozott = IsmetMezo::Nincs, bool kijeloles = false);

// Tételes. akt is the entry being edited (1-based), held within 1..Db. fel
// is the direction of the last step of the item up-down: an item with no
// selected number is skipped that way.
enum class TetelesMezo { Nincs, Db, Akt, Kod, TalalatMin, TalalatMax };
struct TetelesNezet {
    bool Ervenytelen = false;  // fewer than two items among the selected numbers
    Korlat Db, Akt, Kod, TalalatMin, TalalatMax;
    std::string NevLabel;    // "  Tízes  "
    std::string NevTipp;     // " Variációra kijelölve " and the count of every item
    std::string DbTipp;      // the list text: hint of the count edit, quoted by the check
    std::string MindenTipp;  // hint of the all button
};
TetelesNezet TetelesNormalizalas(TetelLap lap, TTetelesFeltetel& r, std::int32_t& akt, const TetelKornyezet& e,
                                 TetelesMezo valtozott = TetelesMezo::Nincs, bool fel = true);
// The most hits a line can have in an item: min(count, k); on the digit
// tab k + 1 when the number with that digit twice (11, 22, ...) is selected.
std::int32_t TetelTalalatMax(TetelLap lap, std::int32_t kod, const TetelKornyezet& e);
// The all button: with Shift every item present gets an entry first; then
// the first Db items that have selected numbers fill the entries in item
// order, each with the shown limits cut to the item's count.
void TetelesMinden(TetelLap lap, TTetelesFeltetel& r, std::int32_t& akt, const TetelKornyezet& e, std::int32_t min,
                   std::int32_t max, bool shift);

// Digit tab double clicks: a minimum goes to the maximum when below it, else
// to 0; a maximum goes to its upper limit when below it, else to the minimum.
std::int32_t MinimumDupla(std::int32_t min, std::int32_t max);
std::int32_t MaximumDupla(std::int32_t min, std::int32_t max, std::int32_t felso);

// List builders: "  1. Tízes számcsoportból minimum 0, maximum 2 találat elérése. "
std::string TetelesList(TetelLap lap, const TTetelesFeltetel& r, std::int32_t i);
// " Kijelölt számcsoportok listája" and a line per entry.
std::string TetelesListaja(TetelLap lap, const TTetelesFeltetel& r);

}  // namespace kvx
