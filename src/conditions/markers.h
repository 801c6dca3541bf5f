#pragma once
// Per-number markers of the selection (even, twin, prime, mirror pair, tens
// group, last digit, digits), the order flags of the selection, and the
// clearing and reset of the conditions.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/game_table.h"
#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"

namespace kvx {

// Bits of SzamJelzo.
enum SzamJelzoBit : std::uint8_t {
    JelzoParos = 0x01,          // the number is even
    JelzoParosCsoport = 0x02,   // its tens group is even
    JelzoIker = 0x04,           // twin: 11, 22, ..., 99
    JelzoPrim = 0x08,           // prime
    JelzoTukor = 0x10,          // member of a mirror pair
    JelzoAllando = 0x20,        // constant number of the main ticket
    JelzoFavorizalt = 0x40,     // within the favourite positions of FavFeltetel
};

// Markers and counters of the current selection, rebuilt by
// SzamJelzoBeallitas. Positions run over the selection in its own order.
struct SzamJelzok {
    TTombByte1D SzamJelzo;        // per selected number; extra-pool entries carry only the constant bit
    TTombInt1D TukorPar;          // per selected main-pool number: partner's position, -1 when none
    TTombInt1D CsoportIndex;      // number div 10
    TTombInt1D VegzodesIndex;     // number mod 10
    // [0] the tens digit (255 below 10), [1] the units digit.
    std::array<TTombByte1D, 2> SzamjegyIndex;
    // Row 0 tens groups, row 1 last digits, row 2 digits.
    std::array<std::array<std::uint8_t, 10>, 3> TetelSzamDb{};

    std::int32_t SzcsCsoportDb = 0, SzvCsoportDb = 0, SzjCsoportDb = 0, EgyjegyuDb = 0;
    std::int32_t SzcsIsmetOsszes = 0, SzcsIsmetEgy = 0, SzcsIsmetCsoportDb = 0;
    std::int32_t SzvIsmetOsszes = 0, SzvIsmetEgy = 0, SzvIsmetCsoportDb = 0;
    std::int32_t SzjIsmetOsszes = 0, SzjIsmetEgy = 0, SzjIsmetCsoportDb = 0;

    // Counts the tabs keep in the Tag of these controls as limits.
    std::int32_t SzvParosUD = 0;       // even numbers
    std::int32_t SzvParosMaxUD = 0;    // odd numbers
    std::int32_t SzcsParosUD = 0;      // numbers of even tens group
    std::int32_t SzcsParosMaxUD = 0;   // numbers of odd tens group
    std::int32_t IkerszamMaxUD = 0;    // twins
    std::int32_t TukorszamMaxUD = 0;   // mirror pairs
    std::int32_t SzJParosUD = 0;       // even digits
    std::int32_t SzJParosMaxUD = 0;    // odd digits

    // Order flags of the selection.
    bool Novekvo = true;               // strictly increasing in selection order
    bool Rendezett = false;            // main-pool order all ascending or all descending
    bool VanSzomszedos = false;        // two selected main-pool numbers differ by 1
    bool KijeloltNemSzomszedos = false;  // the main-pool numbers are not one run
    TTombByte1D RendezettSzamok;       // the selection sorted ascending
    std::string SzamsorrendNeve;
};


// Order flags and the order name (SzamsorrendMod: 0..3).
void GetSzamsorRendezes(SzamJelzok& j, const SzamListak& l, const GameParams& g, int szamsorrendMod);

// Rebuilds every marker and counter from the selection; first the order flags.
void SzamJelzoBeallitas(SzamJelzok& j, const SzamListak& l, const GameParams& g, const FeltetelRekordok& f,
                        int szamsorrendMod);

// FeltetelJelzo and the flags derived from it.
void SetFeltetelJelzo(FeltetelRekordok& f, bool value, bool bontasBovites);

// The values that creating the conditions window gives: the hit-ratio record
// with one searched range of 1..SzamsorFoSzamDb hits over draw 1..1, the
// database kind 1, no condition flag.
void FeltetelekKezdoertekei(FeltetelRekordok& f, const GameParams& g);

// Every working, example and staging image and the options back to zero,
// then the same defaults as a newly created conditions window, so that a
// condition ticked after a reset starts from a valid range.
void FeltetelekRekordokReset(FeltetelRekordok& f, const GameParams& g);

// State of the program that clearing the conditions looks at.
struct FeltetelTorlesHelyzet {
    bool VariacioVanSzamsor = false;  // the variation holds lines
    bool ImportFolyamatban = false;
    bool BackMentesEngedely = true;   // automatic backups allowed
    bool BontasBovites = false;       // extension mode
    bool TulirasBont = false;         // " Találat" ticked
};

struct FeltetelTorlesEredmeny {
    bool AutomatikusMentes = false;  // the automatic backup was due (and the callback ran)
    bool FeltetelekTorolve = false;  // conditions were selected and are now cleared: untick every box
    bool HibapontTorolve = false;    // error points 0 and " Találat" unticked
    bool VariacioTorlendo = false;   // the caller deletes the variation
};

// Whether clearing writes the automatic backup first: the variation holds
// lines, no import is running, and automatic backups are allowed.
bool FeltetelTorlesMentes(const FeltetelTorlesHelyzet& h);

// Clears all conditions: the backup callback runs first when it is due (so
// that it still holds the conditions), then every Allapot and sub-condition
// byte is cleared (the other fields keep their values), FeltetelJelzo goes
// false, and the error points are cleared outside extension mode.
FeltetelTorlesEredmeny FeltetelekTorlese(FeltetelRekordok& f, const FeltetelTorlesHelyzet& h,
                                         const std::function<void()>& backMentese = {});

}  // namespace kvx
