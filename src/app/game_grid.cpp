#include "app/game_grid.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "app/game_table.h"

namespace kvx {

namespace {

// Columns, rows, first-row offset per game 0..43.
struct RacsSor {
    std::int32_t oszlopok, sorok, eltolas;
};
constexpr std::array<RacsSor, kJatekokSzama> kRacsok = {{
    {10, 9, 0},  // 0 Magyar 5/90
    {7, 7, 0},   // 1 Magyar 6/45
    {5, 7, 0},   // 2 Magyar 7/35
    {6, 6, 1},   // 3 Szlovák 5/35
    {6, 9, 1},   // 4 Szlovák 6/49
    {6, 8, 0},   // 5 Ausztria 6/45
    {3, 15, 0},  // 6 Horvát 6/45
    {3, 13, 0},  // 7 Horvát 7/39
    {5, 16, 0}, {5, 16, 0}, {5, 16, 0}, {5, 16, 0}, {5, 16, 0},
    {5, 16, 0}, {5, 16, 0}, {5, 16, 0}, {5, 16, 0},  // 8-16 Kenó
    {10, 4, 0},  // 17 Román 5/40
    {10, 5, 0},  // 18 Román 6/49
    {3, 13, 0},  // 19 Szerb 7/39
    {6, 7, 0},   // 20 Szlovén 6/44
    {6, 7, 0},   // 21 Szlovén Plus 6/44
    {6, 8, 1},   // 22 Ukrán 5/45
    {6, 9, 1},   // 23 Ukrán 6/52
    {5, 15, 0},  // 24 EuroMillions
    {7, 7, 0},   // 25 Szlovák Euromilióny
    {15, 6, 0},  // 26 Olasz SuperEnalotto
    {7, 15, 0},  // 27 USA Mega Millions
    {9, 12, 0},  // 28 USA Powerball
    {7, 9, 0},   // 29 Ausztrál Powerball
    {5, 13, 0},  // 30 EuroJackpot
    {6, 15, 0},  // 31 Kalifornia SuperLotto Plus
    {7, 7, 0},   // 32 Kanada 6/49
    {7, 7, 0},   // 33 Kanada BC/49
    {5, 10, 0},  // 34 Kanada Lotto Max
    {10, 6, 0},  // 35 UK Lotto
    {7, 9, 0},   // 36 UK Thunderball
    {7, 10, 0},  // 37 Német 6/49
    {8, 6, 0},   // 38 Ausztrál Oz Lotto
    {10, 6, 0},  // 39 New York Lotto
    {5, 13, 0},  // 40 Francia Lotto
    {8, 6, 0},   // 41 Ausztrál Mon & Wed
    {8, 6, 0},   // 42 Ausztrál Saturday
    {8, 8, 0},   // 43 Vikinglotto
}};

bool egyike(int x, std::initializer_list<int> v)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

}  // namespace

JatekRacsAdat JatekRacs(int lottoIndex)
{
    JatekRacsAdat r;
    if (lottoIndex >= 0 && lottoIndex < kJatekokSzama) {
        const RacsSor& s = kRacsok[static_cast<std::size_t>(lottoIndex)];
        r.Oszlopok = s.oszlopok;
        r.Sorok = s.sorok;
        r.ElsoSorEltolas = s.eltolas;
        r.PotSzamTalalat = PotSzamTalalatJatek(lottoIndex);
    }
    return r;
}

bool OszlopFolytonosJatek(int lottoIndex) { return lottoIndex >= 32 && lottoIndex <= 34; }

bool TizesRacsJatek(int lottoIndex) { return egyike(lottoIndex, {0, 17, 18, 26, 35, 39}); }

bool PluszPanelJatek(int lottoIndex) { return egyike(lottoIndex, {25, 29, 36, 37, 43}); }

}  // namespace kvx
