#pragma once
// The description of the current variation in words: what it costs, the
// numbers it was made from, notes on how its lines came about, the error
// points and options, every selected condition, and the numbers no line
// holds. It appends to the print buffer and breaks pages through
// OldalTores, so with paging on every block starts where its heading and
// first lines fit.
#include <cstdint>
#include <functional>
#include <string>

#include "app/game_table.h"
#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "printing/print_pages.h"

namespace kvx {

// Texts of the conditions window that the description quotes: the hints of
// some edits and the per-item list lines. A text not (yet) available is
// empty, and its line is left out.
enum class LeirasSzoveg {
    SzcsIsmetEdit,
    SzvIsmetEdit,
    SzJIsmetEdit,
    SzamokList,
    SzamcsoportTetelesList,
    SzamvegzodesTetelesList,
    SzamjegyekTetelesList,
    SorozatokTetelesList,
    SzamsorokTartomanyokList,
    SzamsorokSorozatokList,
    SzomszedosSzamokAltEditMax,
    SzomszedosSzamokAltMaxEdit,
    SzomszedosSzamokMobEdit,
    SzomszedosSzamokMobMaxEdit,
    SzomszedosSzamokFixEdit,
    SzomszedosSzamokFixMaxEdit,
};
using LeirasSzovegForras = std::function<std::string(LeirasSzoveg, std::int32_t)>;

struct VariacioInfoBemenet {
    GameParams Jatek;
    FeltetelRekordok Feltetelek;
    // Store and run.
    std::int64_t BontSzelvszam = 0;
    std::int64_t BontMatrixMeret = 0;
    TTombInt1D BontSzamGyakorisag;  // per selection index
    TTombInt1D Import_Count;        // line counts at the extension boundaries
    double BontasIdotartam = 0;     // seconds
    std::int32_t AllomanyVerzioSzam = 0;
    bool Peldabontas = false;
    std::string PeldabontasInfo;    // the example-wheel note, may be empty
    std::string MNBString;          // the variation-state text, may be empty
    bool OpcioModosulas = false;
    bool SzerkesztettVariacio = false;
    std::int32_t BontLottoIndex = 0;
    std::int32_t BontIdegenSzamsorDb = 0;
    std::string PeldabontasLog;     // the test report; its first line is not printed
    std::string TesztFejlec;        // heading of the test report
    bool TesztKihagyas = false;     // the report no longer describes these options
    std::int64_t VeletlenKiserletek = 0;
    // Price of a line.
    double JegyAr = 0;
    std::int32_t PenznemIndex = 0;
    // Main ticket.
    TTombByte1D KijeloltSzamok;     // main-pool numbers first
    std::int32_t KijeloltFoSzamDb = 0;
    std::int32_t KijeloltPluszSzamDb = 0;
    TTombByte1D FixSzamok;
    TTombByte1D AllandoSzamok;
    std::int32_t AllandoPluszSzamDb = 0;
    TTombByte1D VeletlenSzamok;
    std::int32_t VariacioFoMeretFelso = -1;
    // Options.
    bool GyakorisagiEloszlas = false;
    bool Optimalizalt = false;
    bool VeletlenSzamsorok = false;
    bool TulirasBont = false;
    bool TulirasSorozat = false;
    std::string TalalatFelirat;     // the Találat summary of the variation window
    // Draws database.
    bool ProgramAdatbazis = true;   // the program's own database is loaded
    bool AktualisVerzioAllomany = false;  // the loaded file is of this program's version
    std::int32_t HuzasokSzama = 0;  // draws in the loaded database
    LeirasSzovegForras Szoveg;
};

// A number as shown: an extra-pool value decoded.
std::string SzamKijelzes(const GameParams& g, std::int32_t v);
// Number rows: "%2s" joined by " - ", 15 a row, each row after 12 blanks,
// rows after the first on a new line.
std::string SzamSorok(const std::vector<std::string>& szamok);
// The price of a line as its shortest decimal text.
std::string JegyArSzoveg(double ar);

void VariacioInfoKiir(NyomtatasEgyseg& n, const VariacioInfoBemenet& b);

}  // namespace kvx
