#pragma once
// The hit-ratio condition (" Találati arány "): up to ten ranges of past
// draws, each with its type, main-pool and extra-pool hit limits and its
// first and last draw. As on the distribution tab the record is the model:
// the functions here bring it within its limits and return the texts the
// tab shows.
#include <cstdint>
#include <string>

#include "conditions/condition_records.h"

namespace kvx {

struct TalArKornyezet {
    bool AdatbazisBetoltve = false;    // a draws database is loaded
    std::int32_t HuzasokSzama = 0;     // stored draws
    std::int32_t VariacioFoMeret = 0;  // k: main-pool hit limit
    std::int32_t PluszSzamDb = 0;      // extra-pool hit limit
    bool VanPluszSzam = false;
    std::string PluszSzamNev;  // " Powerball" ...
};

// The draws of the ranges in use fitted to the database when the box is
// ticked or a record is loaded. A last draw beyond the table falls to its
// end, and only a first draw after its last one starts again from draw 1,
// so a one-draw range stays what it was. Without a database nothing is cut
// to the table; the draws only stay at 1 or above.
void TalArHuzasIgazitas(TTalalatiAranyFeltetel& r, const TalArKornyezet& e);

// The ranges after ticking the box or loading the record: at least one
// range, the first one shown, the draws fitted.
void TalArBejeloles(TTalalatiAranyFeltetel& r, const TalArKornyezet& e);

// The current range (AktTartomany) held to 0..DbTartomany-1 and DbTartomany
// to 1..10.
void TalArTartomanyIgazitas(TTalalatiAranyFeltetel& r);

// The four limits of the current range after the user changed one of them:
// each held to 0..its maximum; a minimum raised above its maximum drags the
// maximum, a maximum lowered below its minimum drags the minimum.
enum class TalArMezo { Nincs, Min, Max, PBMin, PBMax };
void TalArHatarok(TTalalatiAranyFeltetel& r, const TalArKornyezet& e, TalArMezo valtozott);

// "húzások" makes every range in use searched; true when one was excluded.
bool TalArForrasTipus(TTalalatiAranyFeltetel& r);

// The copy buttons: the current range's limits (or draws) to every range in
// use.
void MindenTalalat(TTalalatiAranyFeltetel& r, const TalArKornyezet& e);
void MindenHuzasok(TTalalatiAranyFeltetel& r);

// The hits of one range as the list shows them: "1 - 3", "1+0  -  3+1".
std::string TalArTalalatok(const TTalalatiAranyFeltetel& r, std::int32_t i, bool vanPluszSzam);
// The range list, the hint of DbTartomanyEdit: " Kijelölt tartományok
// listája" and a line per range in use. Clamps the ranges' limits and draws
// as it writes them.
std::string TartomanyList(TTalalatiAranyFeltetel& r, const TalArKornyezet& e);
// Read-only form of the same text for the consistency check and the
// information window.
std::string TalArListaja(const TTalalatiAranyFeltetel& r, bool vanPluszSzam);

// The label under the range: "10. - 50. húzásokkal összehasonlítva", or the
// missing-database text.
std::string TalArLabel15(const TTalalatiAranyFeltetel& r, const TalArKornyezet& e);

extern const char* const kHianyzikHuzasok;         // " Hiányzik a húzások listája. "
extern const char* const kTalArMindenTalalatTipp;  // hint of the limits copy button
extern const char* const kTalArMindenHuzasTipp;    // hint of the draws copy button
extern const char* const kTalArForrasTipp;         // tip on draw-built variations
extern const char* const kTalArKeresettTipp;       // tip when ranges turned searched

}  // namespace kvx
