#pragma once
// The events tab (" Események "): twin numbers, mirror pairs, primes and the
// three neighbouring-number conditions. As on the other tabs, each function
// takes the record and the field the user changed, brings the record within
// the limits the selection allows and returns what the panel shows.
#include <cstdint>
#include <string>

#include "app/game_table.h"
#include "common/arrays.h"
#include "conditions/condition_records.h"
#include "conditions/distribution_conditions.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"

namespace kvx {

struct EsemenyKornyezet {
    std::int32_t KijeloltFoSzamDb = 0;  // n
    std::int32_t VariacioFoMeret = 0;   // k
    std::int32_t FoSzamKeszlet = 0;     // highest main-pool number
    TTombByte1D KijeloltSzamok;         // the selection in its order, main-pool numbers first
    SzamJelzok Jelzok;                  // markers, counters and order flags of that selection
};
EsemenyKornyezet EsemenyKornyezetKeszites(const SzamListak& l, const GameParams& g, const SzamJelzok& j);

struct EsemenyMinMaxNezet {
    bool Ervenytelen = false;  // no such number among the selected ones
    Korlat Min, Max;
    std::string ILTipp;        // primes: the marker's hint listing them
};
// Twins: 0 .. min(k, twins selected).
EsemenyMinMaxNezet IkerszamNormalizalas(TMinMaxFeltetel& r, const EsemenyKornyezet& e,
                                        MinMaxMezo valtozott = MinMaxMezo::Nincs);
// Mirror pairs: 0 .. min(pairs selected, k div 2).
EsemenyMinMaxNezet TukorszamNormalizalas(TMinMaxFeltetel& r, const EsemenyKornyezet& e,
                                         MinMaxMezo valtozott = MinMaxMezo::Nincs);
// Primes: 0 .. min(primes selected, k).
EsemenyMinMaxNezet PrimszamNormalizalas(TMinMaxFeltetel& r, const EsemenyKornyezet& e,
                                        MinMaxMezo valtozott = MinMaxMezo::Nincs);

// Twins and mirror pairs share the places of a line. When one box is ticked
// while the other is on, first a question may offer to untick the other
// (Kerdes), then the ticked one may be refused (Tiltas) while the other
// stays on.
bool IkerTukorKerdes(const FeltetelRekordok& f, std::int32_t k);  // ask to untick the mirror box
bool IkerTukorTiltas(const FeltetelRekordok& f, std::int32_t k);  // refuse the twin box
bool TukorIkerKerdes(const FeltetelRekordok& f, std::int32_t k);  // ask to untick the twin box
bool TukorIkerTiltas(const FeltetelRekordok& f, std::int32_t k);  // refuse the mirror box
extern const char* const kTukorTorlesKerdes;
extern const char* const kIkerTorlesKerdes;
extern const char* const kIkerNemErtelmezheto;
extern const char* const kTukorNemErtelmezheto;

// Szomszédos számok. The field the user changed and its new value; the old
// value is the record's (a run of one number is no run: an up-down landing
// on 1 jumps to 0 coming down and to 2 coming up).
enum class SzomszedMezo { Nincs, AltMin, AltMax, EsetMin, EsetMax, MobMeret, MobTalalat, FixMeret, FixTalalat };
struct SzomszedNezet {
    Korlat AltMin, AltMax, EsetMin, EsetMax, MobMeret, MobTalalat, FixMeret, FixTalalat;
    bool EsetLathato = false;       // the case counts mean something only with runs of 2 or more
    std::string AltMaxLabel;        // "   szomszédos szám lehet" (with "." when none may be)
    std::string AltTipp, EsetTipp;  // hints of the run-length and case-count edits
    std::string MobMeretTipp, MobTalalatTipp, FixMeretTipp, FixTalalatTipp;
    std::string SorrendTipp[3];     // hints of the order boxes of Egy számsorban, Mobil, Fix
};
SzomszedNezet SzomszedosValtozas(TSzomszedosFeltetel& r, const EsemenyKornyezet& e,
                                 SzomszedMezo valtozott = SzomszedMezo::Nincs, std::int32_t ertek = 0);
// Whether the selection allows the Mobil (n >= 2k - 1) and Fix (n div 2 >= k) parts.
bool SzomszedosMobErtelmezheto(const EsemenyKornyezet& e);
bool SzomszedosFixErtelmezheto(const EsemenyKornyezet& e);
// The order box as the selection forces it: cleared without neighbours,
// ticked with neighbours in a monotone order, else as the user left it.
bool SzamsorrendK(bool allapot, const SzamJelzok& j);
// " Az 1-90-ig terjedő számegyenesen nem lehetséges szomszédos szám. "
std::string NincsSzomszedosUzenet(const EsemenyKornyezet& e);

}  // namespace kvx
