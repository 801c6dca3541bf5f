#pragma once
// The consistency check of the conditions: a fixed sequence of rules over
// the selected conditions that finds typical settings no line can meet. It
// works on the records and the selection alone; the window only shows the
// message and turns to the tab.
#include <cstdint>
#include <string>

#include "app/game_table.h"
#include "common/arrays.h"
#include "conditions/condition_records.h"

namespace kvx {

struct SzamListak;
struct SzamJelzok;
struct VariacioOpcioErtekek;

// Tab sheets of the conditions window, in page order.
enum FeltetelLap : int {
    LapEloszlas = 0,       // " Eloszlás "
    LapSzamcsoport = 1,    // " Számcsoport "
    LapTalalatiArany = 2,  // " Találati arány "
    LapSzamvegzodes = 3,   // " Számvégződés "
    LapEsemenyek = 4,      // " Események "
    LapSzamjegy = 5,       // " Számjegy "
    LapMath = 6,           // " Math "
    LapSpec = 7,           // " Spec "
};

// The list texts of the itemised tabs (kept as the hint of their count
// edits); the messages quote them whole.
struct EllenorzesListak {
    std::string DbSzamcsoportEdit;
    std::string SzCsTetelesDbEdit;
    std::string DbTartomanyEdit;
    std::string SzVTetelesDbEdit;
    std::string SzJTetelesDbEdit;
    std::string DbSorozatEdit;
    std::string AktSzamEdit;
    std::string SzamsorokDbTartomanyEdit;
    std::string SzamsorokDbMintaEdit;
};

struct EllenorzesBemenet {
    const FeltetelRekordok* Feltetelek = nullptr;  // records, their Allapot bytes tell what is selected
    const GameParams* Jatek = nullptr;
    TTombByte1D KijeloltSzamok;          // the selection in its order, main-pool numbers first
    std::int32_t VariacioFoMeret = 0;    // k
    std::int32_t KijeloltFoSzamDb = 0;   // n
    std::int32_t AllandoSzamDb = 0;
    std::int32_t AllandoPluszSzamDb = 0;
    // Counters of the markers (distinct tens groups, last digits, digits;
    // numbers below 10).
    std::int32_t SzcsCsoportDb = 0;
    std::int32_t SzvCsoportDb = 0;
    std::int32_t SzjCsoportDb = 0;
    std::int32_t EgyjegyuDb = 0;
    // The " Találat" option of the engine.
    bool TulirasBont = false;
    bool TulirasTeteles = false;
    std::int32_t TulirasTetelesMin = 0;
    // Lines of the variation and rows allocated for it.
    std::int64_t SzamsorDb = 0;
    std::int64_t LefoglaltSorok = 0;
    EllenorzesListak Listak;
};

struct EllenorzesEredmeny {
    bool Ok = true;
    std::string EllenorzesUzenet;
    int EllenorzesLap = LapEloszlas;
    int EllenorzesSzamlalo = 0;
    bool FelulirasBejelolve = false;  // the non-interactive check ticked Felülírás itself
};

// The input from the records, the game, the selection, its markers and the
// variation options (the Találat option), with the list texts the messages
// quote; the caller adds the line counts, which only it knows.
EllenorzesBemenet EllenorzesBemenetKeszites(const FeltetelRekordok& f, const GameParams& g, const SzamListak& l,
                                            const SzamJelzok& j, const VariacioOpcioErtekek& o);

// Runs the rules; interaktiv = true from the "Ellenőrzés" button.
EllenorzesEredmeny FeltetelekEllenorzese(const EllenorzesBemenet& be, bool interaktiv);

// Spread limits of lines drawn from the fixed range (positions first..last
// of the selection): the least spread of k consecutive sorted numbers and
// the spread of all of them.
void TartomanyMinMax(const TTombByte1D& kijelolt, std::int32_t elso, std::int32_t utolso, std::int32_t k,
                     std::int32_t& min, std::int32_t& max);

// Texts of the button's result boxes.
extern const char* const kEllenorzesRendben;
extern const char* const kNemEllenorzottMinden;

}  // namespace kvx
