#pragma once
// Editing the draws table: append, insert, modify and delete a draw, and the
// undo stack that takes these edits back until the database is saved. Every
// edit renumbers the sequence column so that it always equals the 1-based
// row. The draws-list window only calls these and repaints.
#include "app/game_table.h"
#include "common/arrays.h"
#include "draws/database_file.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"

#include <cstdint>
#include <string>

namespace kvx {

// Operation of the edit in progress (the draws list's Tag).
enum MuveletKodok : std::int32_t {
    MuveletNincs = 0,
    MuveletBovites = 1,    // append
    MuveletModositas = 2,  // modify
    MuveletBeszuras = 3,   // insert before the selected draw
    MuveletTorles = 4,     // delete
};

// State of the draws-list window that the edits, the selection and the hit
// tallies share.
struct HuzListaState {
    std::int32_t KivRekord = 1;          // selected draw, 1-based
    std::int32_t KivSzamsorOszlop = 3;   // first column of the selected number row
    bool MasodikSzamsorKijelolt = false; // two drawings shown, the first row selected
    std::int32_t MuveletKod = MuveletNincs;
    std::int32_t CelSor = 1;             // row to select after the edit
    std::int32_t TorlendoSor = 0;        // the empty row to remove when the entry is cancelled
    THuzRekord HuzRekord;                // the draw an entry or an undo writes
    // Undo stack: per entry the HuzottSzamok + 3 values of a row and the
    // operation code. Entries below VisszavonasPoz can be undone, the rest
    // redone.
    TTombInt2D VisszavonasTar;
    std::int32_t VisszavonasPoz = 0;
    std::int32_t SzerkesztesSzamlalo = 0;
    bool HuzasokModositva = false;
    // Hit tallies of the selected number row (draws_list.h).
    std::int32_t IsmetlodoHuzas = 0;
    TTombByte1D KivSzamok;
    TTombByte1D KivPotSzamok;
    TTombInt1D TalalatEloszlas;
};


// At most this many draws.
constexpr std::int32_t kMaxHuzasDb = kMaxHuzasok;

// ---- Row primitives (rows 1-based) ----

// Inserts an empty row at `hol` (HuzasokSzama + 1 appends); the rows from
// there move down one and are renumbered. The new row is selected.
void RekordBeszuras(HuzListaState& s, DrawsState& d, std::int32_t hol);
// Removes row `hol`; the rows below move up and are renumbered. CelSor is
// selected, or the last row when CelSor is past the end.
void RekordTorles(HuzListaState& s, DrawsState& d, std::int32_t hol);
// Writes HuzRekord into the selected row; the sequence becomes the row number.
void RekordBeillesztes(HuzListaState& s, DrawsState& d);

// Shortens every draw range that reaches past the last of `n` draws: the
// main-ticket and draws-list ranges, the variation test's draws and the ten
// hit-ratio ranges. True when the hit-ratio condition is active and one of
// its ranges was shortened (the user is told).
bool TartomanyokRovidites(HuzSzamaState& r, std::int32_t n, TalalatiAranyTartomanyok* talAr);

// ---- Undo stack ----

// Pushes table row `sor` with MuveletKod; every redo entry is dropped.
void RekordPMentes(HuzListaState& s, const DrawsState& d, std::int32_t sor);
// Empties the stack (after every load and save).
void RekordPTorles(HuzListaState& s);

// ---- Edits ----

// What the caller shows after an edit step.
struct SzerkesztesEredmeny {
    bool TalArErtesites = false;  // the hit-ratio ranges were shortened
};

// Starts an append: adds the empty last row and selects it. False at the
// size limit.
bool BovitesKezdes(HuzListaState& s, DrawsState& d);
// Starts an insert before the selected draw.
bool BeszurasKezdes(HuzListaState& s, DrawsState& d);
// Starts a modification of the selected draw.
void ModositasKezdes(HuzListaState& s);

// Applies the outcome of the edit in progress (MuveletKod): `megerositett`
// the entry was accepted (HuzRekord holds the draw), `bevitelbol` the entry
// form is the caller (only then is the edit pushed). Afterwards the
// main-ticket and draws-list ranges span every draw.
SzerkesztesEredmeny AdatbazisModositas(HuzListaState& s, DrawsState& d, bool megerositett, bool bevitelbol,
                                       HuzSzamaState& r, TalalatiAranyTartomanyok* talAr = nullptr);
// Deletes the selected draw (pushed for undo).
SzerkesztesEredmeny HuzasTorles(HuzListaState& s, DrawsState& d, HuzSzamaState& r,
                                TalalatiAranyTartomanyok* talAr = nullptr);
// Undo and redo of one entry; false when there is nothing to do.
bool RekordPVissza(HuzListaState& s, DrawsState& d, HuzSzamaState& r, TalalatiAranyTartomanyok* talAr = nullptr,
                   SzerkesztesEredmeny* e = nullptr);
bool RekordPMegse(HuzListaState& s, DrawsState& d, HuzSzamaState& r, TalalatiAranyTartomanyok* talAr = nullptr,
                  SzerkesztesEredmeny* e = nullptr);

// ---- Button states after an edit (ListaAktiv) ----

struct ListaAktivAllapot {
    bool Mentes = false;
    std::string MentesTipp;
    bool Vissza = false;
    std::string VisszaTipp;
    bool Megse = false;
    std::string MegseTipp;
    // The save reminder is due (ask MentesEmlekeztetoKerdes).
    bool Emlekezteto = false;
};
// Sets HuzasokModositva and derives the states. `bovitesEngedelyezett`: the
// append button is enabled; `emlekeztetoLehet`: the entry form is hidden and
// the list window visible and enabled (the reminder counter runs only then).
ListaAktivAllapot ListaAktiv(HuzListaState& s, bool modositott, bool adatbazisBetoltve, bool bovitesEngedelyezett,
                             bool emlekeztetoLehet);
std::string MentesEmlekeztetoKerdes(const HuzListaState& s);

// The question before unsaved edits are dropped (HuzTorlesEng); empty when
// there is nothing to ask.
std::string HuzTorlesEngKerdes(const HuzListaState& s, bool adatbazisBetoltve, const std::string& felirat,
                               const std::string& privatUtvonal);

// Delete tip (flag 24).
extern const char* const kTorlesTipp;
extern const char* const kTalArModosultUzenet;

}  // namespace kvx
