#pragma once
// Paper betting coupons: the five coupon types, where every mark of a coupon
// lies in printer pixels (the fixed millimetre layout of each type, moved by
// the user's coupon origin and calibration offsets), and the marks of one
// filled coupon sheet.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

inline constexpr int kSzelvenyTipusDb = 5;
inline constexpr int kMaxSzelvenyPanel = 10;

// The coupon type of a game: 0 5/90, 1 6/45, 2 7/35 (games 0, 1, 2),
// 4 EuroJackpot (game 30), 3 Keno for every other game.
int SzelvenyTipus(int lottoIndex);
// Lines of one coupon sheet of a game: 6, 8, 10 for games 0, 1, 2, 5 for
// game 30, 3 otherwise.
std::int32_t SzelvenySorDbJatek(int lottoIndex);
// Sheets for the lines: ceil(lines / lines per sheet).
std::int32_t SzelvenyLapDbSzamitas(std::int64_t sorok, std::int32_t sorDb);
// Panels of a coupon type, and how many of them stand in the first row.
int SzelvenyPanelDb(int tipus);
int SzelvenyElsoSorPanelDb(int tipus);

// What the printer tells of itself.
struct NyomtatoJellemzok {
    std::int32_t FizikaiMargoX = 0;  // unprintable edge in pixels
    std::int32_t FizikaiMargoY = 0;
    std::int32_t NyomtatoDpiX = 600;
    std::int32_t NyomtatoDpiY = 600;
};

struct SzelvenyMeretezesBemenet {
    NyomtatoJellemzok Nyomtato;
    std::array<double, kSzelvenyTipusDb> SzelvenyOrigoX{};
    std::array<double, kSzelvenyTipusDb> SzelvenyOrigoY{};
    // Calibration offsets in mm per type: [0] left, [1] top-left, [2] top-right.
    std::array<std::array<double, 3>, kSzelvenyTipusDb> NyomtatasiMargok{};
    int AktualisTipus = 0;          // the type whose skew is used
    std::int32_t SzamsorHossz = 5;  // numbers per line (Keno's numbers-played box)
    std::int32_t Tet = 1;           // Keno stake, 1..5
    std::int32_t Sorsolasok = 1;    // Keno number of draws, 1..7 or 14
};

struct Pont {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const Pont&) const = default;
};

// Every position in printer pixels (relative to the printable area).
struct SzelvenyGeometria {
    std::array<std::int32_t, kSzelvenyTipusDb> RacsLepesX{};
    std::array<std::int32_t, kSzelvenyTipusDb> RacsLepesY{};
    std::int32_t KenoLepes = 0;
    double Ferdeseg = 0.0;  // mm
    std::array<std::array<std::int32_t, kMaxSzelvenyPanel>, kSzelvenyTipusDb> PanelX{};
    std::array<std::array<std::int32_t, kMaxSzelvenyPanel>, kSzelvenyTipusDb> PanelY{};
    std::array<Pont, kSzelvenyTipusDb> HetesPont{};
    std::array<Pont, kSzelvenyTipusDb> JokerPont{};
    std::array<Pont, kSzelvenyTipusDb> TovabbiJokerPont{};
    std::array<Pont, kSzelvenyTipusDb> SorszamPont{};
    std::array<std::int32_t, 3> KenoJelolesX{};
    std::array<std::int32_t, 3> KenoTipusY{};
    std::array<std::int32_t, 3> KenoTetY{};
    std::int32_t KenoSorsolasX = 0;
    std::int32_t KenoSorsolasY = 0;
};

SzelvenyGeometria SzelvenyMeretezes(const SzelvenyMeretezesBemenet& b);

// The printer's paper is too small for a coupon (160 x 105 mm): the message,
// empty when it fits.
std::string PapirMeretHiba(std::int32_t szelessegPx, std::int32_t magassagPx, std::int32_t dpiX, std::int32_t dpiY);
// The printer's physical margins keep it from reaching the coupon's first
// box: the message, empty when it can print there.
std::string MargoHiba(const NyomtatoJellemzok& n, const SzelvenyGeometria& g);

// One sheet of the range: its number (from 1), its first line (0-based) and
// its line count.
struct SzelvenyLap {
    std::int32_t Lap = 1;
    std::int64_t ElsoSor = 0;
    std::int32_t SorDb = 0;
    bool operator==(const SzelvenyLap&) const = default;
};
// The sheets from `tol` to `ig` (1-based, clamped to the sheets there are);
// the last sheet of the variation holds only the lines left.
std::vector<SzelvenyLap> SzelvenyLapok(std::int64_t sorok, std::int32_t sorDb, std::int32_t tol, std::int32_t ig);

// Joker choice of the options window.
enum JokerJeloles : std::int32_t { kJokerIgen = 0, kJokerNem = 1, kJokerJeloletlen = 2 };

struct SzelvenyKitoltesBemenet {
    int Tipus = 0;
    std::int32_t Oszlopok = 10;     // columns of the game's ticket grid
    std::int32_t FoSzamKeszlet = 0; // numbers above this are in the extra pool
    bool VanPluszSzam = false;
    std::int32_t Sorsolasok = 1;
    std::int32_t JokerValasztas = kJokerNem;
    bool OtHetes = false;
    bool TovabbiJoker = false;
    bool Sorszamozas = true;
    SzelvenyLap Lap;
    // The numbers of each line on the sheet (stored numbers, 1-based).
    std::vector<std::vector<std::uint8_t>> Sorok;
};

// A text written at a point (its top-left corner).
struct SzelvenyJel {
    Pont Hely;
    std::string Szoveg;
    bool operator==(const SzelvenyJel&) const = default;
};

// The marks of one sheet: an "x" in every number's box, the Keno boxes, the
// "5 hetes", Joker and "További Joker" boxes, and the numbering text.
std::vector<SzelvenyJel> SzelvenyJelek(const SzelvenyGeometria& g, const SzelvenyKitoltesBemenet& b);

// The numbering text of a sheet: "3. \ 13.  -  18.".
std::string SzelvenyFeliratSzoveg(const SzelvenyLap& lap);

// The numbers of a stored variation line: a line built from the draws holds
// the numbers themselves; any other holds indexes into the selected numbers,
// completed with the fixed numbers from the last to the first. Bytes that do
// not name a number are left out.
std::vector<std::uint8_t> SzelvenySzamsor(const std::uint8_t* sor, std::int32_t sorHossz, bool huzasSzamsorVariacio,
                                          std::int32_t variacioMeret, const std::vector<std::uint8_t>& kijeloltSzamok,
                                          const std::vector<std::uint8_t>& fixSzamok);

}  // namespace kvx
