#pragma once
// Which variation commands are available, and their hints, as one pure
// function of the variation's state. The main window and the run window
// apply the result; the tests read it as a table.
#include <cstdint>
#include <string>
#include <vector>

#include "app/main_menu.h"
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
    // Start: the main ticket's line is over-full (enough numbers for a
    // variation), and what kind of stored variation there is.
    bool Tulteli = false;
    bool BovitesAzonosSzamok = false;   // extension mode with the counts it began with
    bool SzerkesztettVariacio = false;
    bool BontasBefejezetlen = false;
    bool BontStatus = true;             // the last run was not stopped
    bool Rendezett = false;             // the lines are in a sorted order that can be restored
};

// The buttons of the run window and the list window that the table sets
// beside the commands.
enum class VariacioGomb : std::uint8_t {
    Nincs,
    BontListBovitesGomb,
    BontListModositasGomb,
    BontSzamsorokTorleseGomb,
    BontasInfoGomb,
    BontasTesztGomb,
    BontasModositGomb,
};

// A row's key: a command of the command table or one of those buttons.
struct ParancsKulcs {
    ParancsId Parancs = ParancsId::Nincs;
    VariacioGomb Gomb = VariacioGomb::Nincs;
    constexpr ParancsKulcs(ParancsId p) : Parancs(p) {}
    constexpr ParancsKulcs(VariacioGomb g) : Gomb(g) {}
    friend constexpr bool operator==(const ParancsKulcs&, const ParancsKulcs&) = default;
};

std::ostream& operator<<(std::ostream& o, VariacioGomb g);
inline std::ostream& operator<<(std::ostream& o, const ParancsKulcs& k)
{
    return k.Parancs != ParancsId::Nincs ? o << k.Parancs : o << k.Gomb;
}

struct ParancsAllapot {
    ParancsKulcs Kulcs;     // the command or the button
    bool Engedelyezett = false;
    std::string Tipp;
    std::string Felirat;    // empty: the caption does not change
};

inline constexpr const char* kNincsKeszVariacio = " Nincs kész variáció ";
inline constexpr const char* kNincsKijeloltSzamsor = " Nincs kijelölt számsor ";

// Start's own state: a new run can start (on) when the line is over-full and
// there is no variation yet, or one is being extended with the counts it
// began with; otherwise a stored variation that was paused, stopped, left
// unfinished or edited can be completed.
bool StartEngedelyezes(const ParancsHelyzet& h);

// Every variation command of the main window (Start1 included) and the run
// window's and the list window's editing buttons (VariacioGomb). The list
// window's other tool buttons follow the menu items they stand for.
std::vector<ParancsAllapot> VanNincsBontas(const ParancsHelyzet& h);

// The entry of one command; nullptr when the table has none.
const ParancsAllapot* ParancsKeres(const std::vector<ParancsAllapot>& t, ParancsKulcs kulcs);

}  // namespace kvx
