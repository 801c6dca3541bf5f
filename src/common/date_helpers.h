#pragma once
// Small services of the main window: ISO week, month names, a random line
// and the bounds of the hit-ratio draw ranges.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvx {

struct RandomState;

// Date-time values as the files store them: days since 1899-12-30, the time
// of day as the fraction.
// Now, in local time.
double MaiDatum();
// The date of such a value as the program shows a short date: "2024. 05. 17.".
std::string RovidDatum(double nap);

// ISO 8601 week number (1..53) of the date; 0 for a date that does not exist.
std::int32_t IsoHet(std::chrono::year_month_day date);
std::int32_t IsoHet(std::int32_t year, std::int32_t month, std::int32_t day);

// 1..12: the position of the text among "Jan" .. "Dec", or for game 26 among
// the Italian names "Gennaio" .. "Dicembre"; exact and case-sensitive; -1
// when not found.
std::int32_t HonapSorszama(std::string_view text, std::int32_t lottoIndex);

// Writes one random line into line[0 .. n-1]: 0-based values, 255 = empty.
// k distinct main values in 0 .. b-1 (from the library generator with
// generatorFlag, otherwise from GetRandom); with the extra pool
// (vanPluszSzam) positions k .. n-1 get distinct values in b .. c-1. Then
// positions 0 .. n-e-1 are sorted, and with e > 1 also n-e .. n-1 (zero
// counting as the smallest).
// A line that cannot be filled is refused (false, line untouched): n beyond
// the line, k > n, k > b, b or c above 255, or more extras than c - b.
bool VeletlenSzamsor(RandomState& rs, std::span<std::uint8_t> line, std::int32_t n, std::int32_t k,
                     bool generatorFlag, std::int32_t e, std::int32_t b, std::int32_t c, bool vanPluszSzam);

// First and last draw of one hit-ratio range.
struct TalalatiTartomany {
    std::int32_t Elso = 0;
    std::int32_t Utolso = 0;
};

struct TalaranyHatarok {
    bool Valtozott = false;                   // the report flag was set and a range changed
    std::int32_t LegkisebbElso = 100000000;   // smallest first draw of the ranges in use
    std::int32_t LegnagyobbUtolso = 0;        // largest last draw of the ranges in use
};

// Fits the ten ranges to the draws: a last draw above lastRow is lowered to
// it, a first draw above its last becomes last - 1 (at least 1). Then the
// bounds over the first rangesInUse ranges (clipped to 0..10).
TalaranyHatarok TalaranyHuzSzamaElsoUtolso(std::span<TalalatiTartomany, 10> ranges, std::int32_t lastRow,
                                           std::int32_t rangesInUse, bool report);

}  // namespace kvx
