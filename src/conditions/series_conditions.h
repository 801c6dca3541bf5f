#pragma once
// The series condition (Számok eloszlása - Sorozatok): patterns of the
// distances between consecutive numbers of the sorted line, with limits on
// how often each occurs and on how many patterns occur. The record is the
// model: the function brings it within the limits the selection allows and
// returns what the panel shows.
#include <cstdint>
#include <string>

#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "conditions/distribution_conditions.h"

namespace kvx {

struct SorozatKornyezet {
    TTombByte1D KijeloltSzamok;         // selection order, main-pool numbers first
    std::int32_t KijeloltFoSzamDb = 0;  // n
    std::int32_t VariacioFoMeret = 0;   // k
    std::int32_t VariacioMeret = 0;
    std::int32_t FixSzamDb = 0;
};

enum class SorozatMezo { Nincs, Db, Akt, TavolsagMin, TavolsagMax, EsetMin, EsetMax, MintaDbMin, MintaDbMax, Sorrend };

struct SorozatNezet {
    bool Ervenytelen = false;  // fewer than 2k selected numbers
    std::int32_t Fesztav = 0;  // largest - smallest selected main-pool number + 1
    Korlat Db, Akt, Tavolsag, Eset, MintaDb;
    bool SorrendEngedelyezett = false;  // the order box (more than one pattern may occur)
    bool MintaDbMinLathato = true;      // the pattern-count minimum shows without the order option
    std::string Lista;                  // hint of DbSorozatEdit
    std::string SorrendFelirat;         // caption of the order box
};

// akt is the pattern being edited (1-based), held within 1..DbMinta.
// sorrendBox: the order box is ticked; the order flag (SorozatSorrend and
// Minta[0]'s fifth word) is set from it and its enabled state.
SorozatNezet SorozatNormalizalas(TSorozatFeltetel& r, bool& sorozatSorrend, std::int32_t& akt, bool sorrendBox,
                                 const SorozatKornyezet& e, SorozatMezo valtozott = SorozatMezo::Nincs);

// The copy button: every pattern in use takes the given case limits.
void MindenSorozat(TSorozatFeltetel& r, std::int32_t min, std::int32_t max);

// Double clicks on the distance edits.
std::int32_t SMintaMinDupla(std::int32_t min, std::int32_t max);
std::int32_t SMintaMaxDupla(std::int32_t min, std::int32_t max, std::int32_t felso);

// "  1. minta: minimum  0, maximum  2 szám távolság lehet; minimum 1, maximum 3 esetben. "
std::string SorozatokTetelesList(const TSorozatFeltetel& r, std::int32_t i);
// The pattern list, the hint of DbSorozatEdit.
std::string SorozatokListaja(const TSorozatFeltetel& r, bool sorozatSorrend);

extern const char* const kMindenSorozatTipp;
extern const char* const kSorozatNemSzomszedosTipp;

}  // namespace kvx
