#pragma once
#include <algorithm>
// The conditions of the distribution tab (" Eloszlás "): favourite numbers,
// constant numbers, mobile and fixed groups, number groups. The record is
// the model: each function here takes the record, the field the user
// changed (if any) and the selection, brings every field within its limits
// (a minimum raised above its maximum raises the maximum, a maximum lowered
// below its minimum lowers the minimum) and returns the limits and texts the
// panel shows. Loading a record into the window is the same call with no
// changed field.
#include <cstdint>
#include <string>

#include "common/arrays.h"
#include "conditions/condition_records.h"

namespace kvx {

// What the distribution conditions need of the selection.
struct EloszlasKornyezet {
    std::int32_t KijeloltFoSzamDb = 0;  // n
    std::int32_t VariacioFoMeret = 0;   // k
    std::int32_t VariacioMeret = 0;     // numbers varied per line
    std::int32_t AllandoSzamDb = 0;     // constant numbers in the selection
    TTombByte1D KijeloltSzamok;         // the selection in its order
};

// Limits of one up-down.
struct Korlat {
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    bool operator==(const Korlat&) const = default;
};

// v within the limits (an empty range holds its minimum).
inline std::int32_t KorlatonBelul(std::int32_t v, const Korlat& k)
{
    return std::clamp(v, k.Min, std::max(k.Min, k.Max));
}

// Keeps min <= max; the field the user moved drags the other one.
inline void MinMaxIgazitas(std::int32_t& min, std::int32_t& max, bool maxValtozott)
{
    if (min <= max) return;
    if (maxValtozott)
        min = max;
    else
        max = min;
}

// Favorizált számok.
enum class FavMezo { Nincs, Elso, Utolso, TalalatMin, TalalatMax };
struct FavNezet {
    bool Ervenytelen = false;  // the selection makes the condition meaningless
    Korlat Elso, Utolso, TalalatMin, TalalatMax;
    std::string Label2;       // "A számcsoport s számából minimum"
    std::string PozicioTipp;  // hint of both position edits
};
FavNezet FavNormalizalas(TFavFeltetel& r, const EloszlasKornyezet& e, FavMezo valtozott = FavMezo::Nincs);

// Állandó számok.
enum class MinMaxMezo { Nincs, Min, Max };
struct AllandoNezet {
    bool Ervenytelen = false;  // no constant number in the selection
    Korlat Min, Max;
};
AllandoNezet AllandoNormalizalas(TMinMaxFeltetel& r, const EloszlasKornyezet& e,
                                 MinMaxMezo valtozott = MinMaxMezo::Nincs);

// Mobil and Fix számcsoportok: W = Meret, K = TalalatMax.
struct CsoportNezet {
    bool Ervenytelen = false;
    Korlat Meret, TalalatMax;
};
// Whether the selection allows the condition at all: n >= 2k - 1 (Mobil),
// n div 2 >= k (Fix), and a line of at least two numbers.
bool MobErtelmezheto(const EloszlasKornyezet& e);
bool FixErtelmezheto(const EloszlasKornyezet& e);
CsoportNezet MobNormalizalas(TCsoportFeltetel& r, const EloszlasKornyezet& e);
CsoportNezet FixNormalizalas(TCsoportFeltetel& r, const EloszlasKornyezet& e);
// The value a double click on W gives: its maximum, or its minimum when
// already there.
std::int32_t CsoportMeretDupla(std::int32_t w, const Korlat& k);

// Számcsoportok. akt is the group being edited (1-based); it is held
// within 1..Db.
enum class SzamcsoportMezo { Nincs, Db, Akt, Elso, Utolso, TalalatMin, TalalatMax };
struct SzamcsoportNezet {
    bool Ervenytelen = false;
    Korlat Db, Akt, Elso, Utolso, TalalatMin, TalalatMax;
    std::string MinLabel;      // "A számcsoport s számából minimum"
    std::string PozicioTipp;   // hint of both position edits
    std::string DbTipp;        // the list text, hint of DbSzamcsoportEdit
};
SzamcsoportNezet SzamcsoportNormalizalas(TSzamcsoportokFeltetel& r, std::int32_t& akt, const EloszlasKornyezet& e,
                                         SzamcsoportMezo valtozott = SzamcsoportMezo::Nincs);
// The all-groups button: every group takes the shown limits, cut to its size.
void SzamcsoportokMinden(TSzamcsoportokFeltetel& r, std::int32_t min, std::int32_t max);

// Double click on a first position: to 1 when it equals the last, else to
// the last; on a last position: to n when it equals the first, else to the
// first.
std::int32_t ElsoPozicioDupla(std::int32_t elso, std::int32_t utolso);
std::int32_t UtolsoPozicioDupla(std::int32_t elso, std::int32_t utolso, std::int32_t n);

// List builders.
// One line per group: "  1. számcsoport  5 száma:  1. -  5. számig terjed, minimum 0, maximum 1 találat. "
std::string SzamcsoportList(const TSzamcsoportokFeltetel& r, std::int32_t i);
// " Kijelölt számcsoportok listája" and a line per group.
std::string SzamcsoportokListaja(const TSzamcsoportokFeltetel& r);
// The numbers of the selection at 0-based positions first..last, 15 a line.
std::string SzamcsoportSzamai(bool csoport, std::int32_t elso, std::int32_t utolso, const TTombByte1D& kijelolt,
                              std::int32_t kijeloltFoSzamDb);

}  // namespace kvx
