#pragma once
// Editing the lines of a finished variation by hand: adding lines (one line
// or a block of test lines, each a new extension part), replacing a line,
// deleting a range of lines, and the repair of the extension boundaries
// after a deletion. Every edit ends with the recount of the store. An edit
// keeps the order the user sees: an order saved by an earlier sort is
// dropped, so that restoring it can never bring back replaced lines.
#include <cstdint>
#include <string>

#include "variation/variation_store.h"

namespace kvx {

struct BontasEgyseg;

inline constexpr const char* kSzovegTeljesVariacioFelett =
    "A teljes variációt meghaladó méretű listát akar létrehozni.\r\n\r\nNem bővíthető a variáció listája.";
inline constexpr const char* kSzovegTorlesKerdes =
    "A törlés művelete nem visszavonható.\r\n\r\nBiztos törli a kijelölt számsor(oka)t?";

// The size check before an addition of `db` lines: the new line count must
// not exceed the full variation (ABSZ). False with the message otherwise.
bool BontSzamsorHozzaadasEllenorzes(const VariationStore& t, std::int64_t db, std::string& uzenet);

// Appends db rows (db x BontMatrixSorHossz bytes) as one new extension part
// and switches the import state on. A store without boundaries first gets
// the one boundary of its base part.
void BontSorokHozzaadasa(VariationStore& t, BontasEgyseg& u, const std::uint8_t* sorok, std::int32_t db,
                         std::int32_t KijeloltSzamDb);

// Replaces row m (0-based) with one line.
void BontSzamsorCsere(VariationStore& t, BontasEgyseg& u, std::int32_t m, const std::uint8_t* sor,
                      std::int32_t KijeloltSzamDb);

// Deletes lines f..l (1-based, inclusive; not the whole variation) and
// repairs the boundaries. BontIdegenSzamsorDb follows the deletion.
// Returns the line to select afterwards (1-based).
std::int32_t BontSzamsorTartomanyTorlese(VariationStore& t, BontasEgyseg& u, std::int32_t f, std::int32_t l,
                                         std::int32_t& BontIdegenSzamsorDb, std::int32_t KijeloltSzamDb);

inline constexpr const char* kSzovegBovitmenyTorlesKerdes =
    "A bővítmény törlése nem visszavonható.\r\n\r\nBiztos törli az utolsó bővítményt?";

// Deletes the last extension: the store is cut to the boundary before it
// and that boundary becomes the last. False when there is no extension.
bool UtolsoBovitmenyTorlese(VariationStore& t, BontasEgyseg& u, std::int32_t& BontIdegenSzamsorDb,
                            std::int32_t KijeloltSzamDb);

// Boundary repair after lines f..l were deleted (the last boundary already
// holds the new line count).
void Import_Count_Rendezes(VariationStore& t, std::int32_t f, std::int32_t l);

}  // namespace kvx
