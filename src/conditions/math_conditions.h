#pragma once
// The conditions of the math tab (" Math "): the line's sum, its sample
// standard deviation and its spread (Terjedelem: a fixed stretch of the
// selection, and the largest minus the smallest number). The limits offered
// are the widest that a line of the selection can reach; the record is held
// within them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/arrays.h"
#include "conditions/condition_records.h"

namespace kvx {

struct MathKornyezet {
    TTombByte1D KijeloltSzamok;          // selection order, main-pool numbers first
    std::int32_t KijeloltFoSzamDb = 0;   // n
    std::int32_t VariacioFoMeret = 0;    // k
    bool KijeloltNemSzomszedos = false;  // the main-pool numbers are not one run
    bool NovekvoMod = false;             // the number-order mode is ascending
    // The number pools condition: the first and last positions its places allow.
    bool SzamkeszletAktiv = false;
    std::int32_t SzamkeszletElso = 0, SzamkeszletUtolso = 0;
};

// The main-pool numbers of the selection, ascending.
std::vector<int> RendezettFoSzamok(const MathKornyezet& e);

// Sample standard deviation (divisor count - 1) of the values.
double MintaSzoras(const std::vector<int>& v);

// ---- Összeg
struct OsszegHatar {
    bool Ervenytelen = false;  // fewer than k main-pool numbers, or k < 1
    std::int32_t Min = 0;      // sum of the k smallest
    std::int32_t Max = 0;      // sum of the k largest
};
OsszegHatar OsszegHatarok(const MathKornyezet& e);
// Typed or stepped values, nullopt for an empty edit. Stored values outside
// the limits are brought in; a minimum raised above the maximum drags the
// maximum, a maximum lowered below the minimum drags the minimum.
enum class MathMezo { Nincs, Min, Max };
void OsszegNormalizalas(TMinMaxFeltetel& r, const OsszegHatar& h, MathMezo valtozott = MathMezo::Nincs);
// The exit check of the edit the user left (`kilepett`), with the values
// the two edits hold (nullopt for an empty one). Leaving the minimum: empty
// is the lowest sum, a maximum below it takes its value, a minimum beyond
// the limits takes the nearer limit; then the maximum's check. Leaving the
// maximum: empty is the lowest sum; a maximum below the minimum but above
// the lowest sum takes the minimum down with it; a maximum beyond the limits
// or below the minimum becomes the highest sum when above the minimum, else
// the minimum. (Both run when the window closes.)
void OsszegEllenorzes(TMinMaxFeltetel& r, const OsszegHatar& h, std::optional<std::int32_t> min,
                      std::optional<std::int32_t> max, MathMezo kilepett = MathMezo::Min);
// Ticking the box: the edits keep what they show (the form's values on a
// fresh record), except that a stored minimum below the lowest sum, or a
// stored maximum above the highest, is brought to that limit; the values
// are held within the limits and the minimum's exit check runs.
void OsszegBejeloles(TMinMaxFeltetel& r, const OsszegHatar& h, std::int32_t editMin, std::int32_t editMax);
std::string OsszegTipp(const MathKornyezet& e, const OsszegHatar& h);

// ---- Szórás
constexpr double kSzorasTures = 0.0001;
struct SzorasHatar {
    bool Ervenytelen = false;  // fewer than 2 numbers per line, or fewer than k selected
    double Also = 0;           // least reachable deviation - 0.0001
    double Felso = 0;          // greatest reachable deviation + 0.0001
};
// The least deviation is that of k consecutive sorted numbers; the greatest
// is that of the i smallest with the k - i largest, for the best i (one
// fixed split is not always the greatest: 1, 2, 3, 4, 100 with k = 3).
SzorasHatar SzorasHatarok(const MathKornyezet& e);
// Stored values outside the reachable range are replaced when the box is
// ticked or the record loaded.
void SzorasBejeloles(TSzorasFeltetel& r, const SzorasHatar& h);
// The exit check: empty or unreadable values take the bounds, the two values
// stay within the range and at least 0.0002 apart.
void SzorasEllenorzes(TSzorasFeltetel& r, const SzorasHatar& h, std::optional<double> min, std::optional<double> max);
// Truncation to whole parts: each value becomes its whole part, or the
// whole part of the lower bound + 1 when that is below the bound.
double SzorasCsonkolas(std::optional<double> v, const SzorasHatar& h);
// Reads a deviation text with either decimal separator; nullopt when
// empty or not a number (a lone separator).
std::optional<double> SzorasErtek(const std::string& s);
// Four decimals with the program's decimal separator.
std::string SzorasSzoveg(double v);
std::string SzorasTipp(const MathKornyezet& e, const SzorasHatar& h);

// ---- Terjedelem
struct TerjedelemHatar {
    bool FixErvenytelen = false;    // n <= k: no stretch longer than a line
    std::int32_t FixElsoMax = 1;    // first position 1 .. n - k
    std::int32_t FixUtolsoMin = 1;  // last position k + 1 .. n
    std::int32_t FixUtolsoMax = 1;
    bool ValtozoErvenytelen = false;  // fewer than k main-pool numbers
    std::int32_t ValtozoMin = 0;      // least spread of k sorted consecutive numbers
    std::int32_t ValtozoMax = 0;      // greatest number - smallest
};
TerjedelemHatar TerjedelemHatarok(const MathKornyezet& e);
enum class TerjedelemMezo { Nincs, FixMin, FixMax, ValtozoMin, ValtozoMax };
// Holds the ticked sub-conditions within their limits; the fixed stretch
// always keeps at least k + 1 numbers (the changed end pushes the other).
// Allapot follows the two sub-condition bytes.
void TerjedelemNormalizalas(TTerjedelemFeltetel& r, const TerjedelemHatar& h, std::int32_t k,
                            TerjedelemMezo valtozott = TerjedelemMezo::Nincs);
// The spread limits of lines drawn from the fixed stretch.
void FixTerjedelem(const MathKornyezet& e, const TTerjedelemFeltetel& r, std::int32_t& min, std::int32_t& max);
// "-dik számig, 6 szám variációja.": the numbers of the fixed stretch while
// Fix is on, else all n selected main-pool numbers.
std::string TerjedelemLabel37(const TTerjedelemFeltetel& r, std::int32_t n);
std::string TerjedelemLabel5(std::int32_t min, std::int32_t max);  // "- a fix tartományból ..."
std::string TerjedelemFixTipp(const MathKornyezet& e, const TTerjedelemFeltetel& r);        // Panel17IL
std::string TerjedelemValtozoTipp(const TerjedelemHatar& h, const TTerjedelemFeltetel& r);  // Panel18IL

extern const char* const kEgeszreCsonkolTipp;
extern const char* const kSzorasTipp8;  // the one-time tip when Szórás is ticked

}  // namespace kvx
