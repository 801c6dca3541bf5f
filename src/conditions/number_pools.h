#pragma once
// Számkészletek on the distribution tab: every place p of a line (its p-th
// number in the order of the selection) takes its number from its own
// stretch of selection positions, Elso..Utolso of entry p. A place can only
// hold positions p .. n - k + p; the presets fill the stretches.
#include <cstdint>
#include <string>

#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "conditions/distribution_conditions.h"

namespace kvx {

struct SzamkeszletKornyezet {
    std::int32_t KijeloltFoSzamDb = 0;  // n
    std::int32_t VariacioFoMeret = 0;   // k
    TTombByte1D KijeloltSzamok;         // the selection in its order
    bool Novekvo = true;                // the selection is strictly increasing
    TTerjedelemFeltetel Terjedelem;     // the Math tab's fixed range narrows the selection
};

enum class SzamkeszletMezo { Nincs, Akt, Elso, Utolso };
struct SzamkeszletNezet {
    bool Ervenytelen = false;  // no line fits the selection (k < 1, n < k or more places than the record holds)
    Korlat Akt, Elso, Utolso;
    std::string ElsoTipp, UtolsoTipp;  // hints of the two position edits
    std::string AktTipp;               // " Indexek tartománya" and a line per place: quoted by the check
    bool ILLathato = false;            // the "~" indicator
    std::string ILTipp;
};
// akt is the place being edited (1-based), held within 1..k. Every place is
// pulled into its bounds; in the place the user moved, a first position
// above the last drags the last along (and the other way round). A record
// that never held a stretch (all zero) starts from the default preset, not
// from places that admit only the first k positions.
SzamkeszletNezet SzamkeszletNormalizalas(TSzamkeszletFeltetel& r, std::int32_t& akt, const SzamkeszletKornyezet& e,
                                         SzamkeszletMezo valtozott = SzamkeszletMezo::Nincs);

// The "~" indicator: while the condition is selected, shown when the
// selection is not strictly increasing (positions follow the order of
// selection) or the Math tab's fixed range narrows the selection; its hint
// says which. Also refreshed when that range changes.
struct SzamkeszletJelzes {
    bool Lathato = false;
    std::string Tipp;
};
SzamkeszletJelzes SzamkeszletJelzo(const TSzamkeszletFeltetel& r, const SzamkeszletKornyezet& e);

// Presets over n selected numbers and k places (the refresh afterwards
// pulls them into bounds).
void SzamokReset(TSzamkeszletFeltetel& r, std::int32_t n, std::int32_t k);          // minimal
void SzamokOptimalis(TSzamkeszletFeltetel& r, std::int32_t n, std::int32_t k);      // optimal
void SzamokAlapertelmezett(TSzamkeszletFeltetel& r, std::int32_t n, std::int32_t k);  // default

// The smallest Elso over the k places (flag set), or the largest Utolso.
std::int32_t GetSzamokIndexMinMax(const TSzamkeszletFeltetel& r, std::int32_t k, bool elso);

// "  1. index számkészlete  3 szám:  1. -  3. számig terjed. "
std::string SzamokList(const TSzamkeszletFeltetel& r, std::int32_t i);
std::string SzamokListaja(const TSzamkeszletFeltetel& r, std::int32_t k);

// Double clicks: the first position goes to p when it equals the last, else
// to the last; the last goes to its upper bound when it equals the first,
// else to the first.
std::int32_t SzamkeszletElsoDupla(std::int32_t p, std::int32_t elso, std::int32_t utolso);
std::int32_t SzamkeszletUtolsoDupla(std::int32_t elso, std::int32_t utolso, std::int32_t felso);

}  // namespace kvx
