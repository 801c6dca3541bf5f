#pragma once
// Which variation commands are available, and their hints, as one pure
// function of the variation's state. The main window and the run window
// apply the result; the tests read it as a table.
#include <cstdint>
#include <string>
#include <vector>

#include "common/arrays.h"

namespace kvx {

struct ParancsHelyzet {
    bool VanBontas = false;             // a variation exists (e)
    bool HuzasSzamsorVariacio = false;  // built from the draws
    bool BontasBovites = false;         // extension mode
    bool Peldabontas = false;           // an example wheel
    bool BontasPause = false;
    std::int32_t BontSzelvszam = 0;
    std::int64_t ABSZ = 0;
    TTombInt1D Import_Count;            // extension boundaries
    bool VanFeltoltesCim = false;       // the online-access table has an upload address
    std::string JatekNev;               // display name of the game
};

struct ParancsAllapot {
    std::string Nev;        // the command's component name
    bool Engedelyezett = false;
    std::string Tipp;
    std::string Felirat;    // empty: the caption does not change
};

inline constexpr const char* kNincsKeszVariacio = " Nincs kész variáció ";

// Every variation command of the main window (menu item names) and of the
// run window ("Bontas.InfoGomb", "Bontas.TesztGomb", "Bontas.ModositGomb").
std::vector<ParancsAllapot> VanNincsBontas(const ParancsHelyzet& h);

// The entry of one command; nullptr when the table has none.
const ParancsAllapot* ParancsKeres(const std::vector<ParancsAllapot>& t, const std::string& nev);

}  // namespace kvx
