#pragma once
// The line-range distribution (Számsorok eloszlása): conditions on the
// serial number of a line within the full variation. Tartományok: up to ten
// ranges of serial numbers, given directly or as a stretch of equal
// sub-ranges; Sorozatok: every N-th line or every N-th sub-range. The
// record keeps the divisor choices as indexes into OsztoLista.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/game_table.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"

namespace kvx {

// The numbers D of equal sub-ranges offered: the divisors of absz, walked
// from the first i with absz div i <= 999,999,999 up, a divisor's successor
// not tried, stopping at the first divisor beyond its cofactor (at most
// 1000), followed by their cofactors ascending. The exact sequence matters:
// records store indexes into it. 12 gives 2, 6; 36 gives 2, 4, 6, 6, 9, 18.
std::vector<std::int64_t> OsztoLista(std::uint64_t absz);

// Lines of the full variation of the selection (ABSZ), counted as the
// engine numbers them; 0 when the selection has none.
std::uint64_t TeljesVariacioMeret(const SzamListak& l, const GameParams& g);

// Serial numbers and values are int32 in the record: the largest that can
// be stored for a full variation of absz lines.
std::int32_t SorszamFelso(std::uint64_t absz);
// Reads a typed number of up to 19 digits; nullopt when empty or not
// digits, the largest int64 when it overflows.
std::optional<std::int64_t> SorszamErtek(std::string_view s);

struct SzamsorokKornyezet {
    std::uint64_t ABSZ = 0;  // lines of the full variation
    std::int32_t KijeloltSzamDb = 0;
    std::int32_t VariacioMeret = 0;
    std::vector<std::int64_t> Lista;  // OsztoLista(ABSZ)
};

// After ticking a sub-condition: when the selection changed since the
// divisor choices were made, every entry goes back to direct serial numbers
// / line mode; divisor indexes outside the list take the last item. Without
// a divisor the sub-range modes are off.
void SzamsorokOsztoBeallitas(TSzamsorokFeltetel& r, const SzamsorokKornyezet& e);

// The current range (AktTartomany) normalised: type and mode as stored, the
// sub-range mode only with a divisor; in sub-range mode the serial numbers
// are computed from the sub-ranges; all serial numbers within
// 1..SorszamFelso. A last serial number below the first takes the first's
// value; a last sub-range moved below the first takes the first with it.
enum class SzamsorokMezo { Nincs, Elso, Utolso, OsztasMin, OsztasMax };
void SzamsorokTartomanyNormalizalas(TSzamsorokFeltetel& r, const SzamsorokKornyezet& e,
                                    SzamsorokMezo valtozott = SzamsorokMezo::Nincs);
// The current pattern (AktMinta): N within 2..absz div 2 (and D in
// sub-range mode, and the int32 range); MintaMasolat the lines per
// sub-range or N.
void SzamsorokMintaNormalizalas(TSzamsorokFeltetel& r, const SzamsorokKornyezet& e);

// The sort buttons.
void SzamsorokTartomanyokRendezese(TSzamsorokFeltetel& r);
void SzamsorokSorozatokRendezese(TSzamsorokFeltetel& r);

// D of a divisor index (0 when none).
std::int64_t Oszto(const SzamsorokKornyezet& e, std::int32_t index);

// List lines and lists (hints of the count edits).
std::string SzamsorokTartomanyokList(const TSzamsorokFeltetel& r, std::int32_t i,
                                     const std::vector<std::int64_t>& lista);
std::string SzamsorokSorozatokList(const TSzamsorokFeltetel& r, std::int32_t i, const std::vector<std::int64_t>& lista);
std::string SzamsorokTartomanyokListaja(const TSzamsorokFeltetel& r, const std::vector<std::int64_t>& lista);
std::string SzamsorokSorozatokListaja(const TSzamsorokFeltetel& r, const std::vector<std::int64_t>& lista);
// " A teljes variáció D tartományra osztott. \r\n Minden tartomány L számsorból áll. "
std::string SzamsorokOsztoTipp(std::uint64_t absz, std::int64_t d);

extern const char* const kSzamsorokJelzoTipp;  // the caption marker

}  // namespace kvx
