#pragma once
// What the settings window computes: the permitted variation size and its
// slider, the price of a line and how it is typed, the prefix of delete
// confirmations, and the folder layout text.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/game_table.h"

namespace kvx {

// The permitted variation size moves in steps of this many lines.
inline constexpr std::int64_t kBontMeretLepes = 100000;
// Bytes a stored line takes when the memory limit is estimated.
inline constexpr std::int64_t kBeallitasSorMemoria = 32;

// The free memory cannot hold the full variation of the game.
bool BontMemoriaKorlat(std::uint64_t szabadMemoria, std::int64_t teljesVariacioMeret);
// The largest permitted size: the full variation of the game, or what the
// free memory holds when that is less; never below one step, so a small
// game still has a size to choose.
std::int64_t BontMaxMaximum(std::uint64_t szabadMemoria, std::int64_t teljesVariacioMeret);
// The size a position stands for: the maximum itself, otherwise rounded down
// to a whole step (never below one step).
std::int64_t BontMeretKerekites(std::int64_t pozicio, std::int64_t maximum);

// The slider holds the size in steps (a full variation can exceed the range
// of a slider's int): positions 1 .. CsuszkaLepesDb, the last one the exact
// maximum.
std::int32_t CsuszkaLepesDb(std::int64_t maximum);
std::int64_t CsuszkaMeret(std::int32_t allas, std::int64_t maximum);
std::int32_t CsuszkaAllas(std::int64_t meret, std::int64_t maximum);

// "1 200 000 számsor".
std::string BontMeretSzoveg(std::int64_t meret);

// The price edit. A typed character is kept when it is a digit, or the
// decimal separator while the text holds none.
bool ArBillentyuElfogadva(const std::string& szoveg, char c, char tizedesJel);
// The text cut to its longest: 6 characters, or two decimals after the
// separator.
std::string ArSzovegIgazitas(const std::string& szoveg, char tizedesJel);
// The typed price: empty, unparsable or below 0.1 keeps the stored one.
double ArErtek(const std::string& szoveg, char tizedesJel, double tarolt);
// The price text: the shortest decimal form with the separator.
std::string ArSzoveg(double ar, char tizedesJel);
// Stores the price of the game: the three Hungarian lotteries share one, the
// nine Keno games share one, any other game has its own.
void JegyArBeallitas(std::array<double, kJatekokSzama>& jegyAr, int lottoIndex, double ar);

// Prefix of the delete confirmations: a warning when no backup is made.
std::string BackFigyelmeztetesSzoveg(bool biztonsagiMentes);

// The folder layout of the "Információk" tab for the game.
std::string KonyvtarStrukturaSzoveg(const std::string& programKonyvtar, int lottoIndex);

}  // namespace kvx
