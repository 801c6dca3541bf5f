#pragma once
// The 33 statistics of the statistics window: menu, caption, kind (chart or
// text) and source of each, the working variables a statistic's Tag sets,
// the refusals before a start and the range text of the chart's header.
#include "app/game_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

enum class StatMenu { Foszelveny, Variacio, Adatbazis };

struct StatLeiras {
    std::int32_t Tag;
    StatMenu Menu;
    const char* Felirat;
    bool Diagram;        // a chart; otherwise a text report
    std::int32_t Forras; // 1 the variation, 0 the database or the main ticket
    bool Kesz;           // computed in this build
};

// Statistic of menu Tag 1..33; nullptr otherwise.
const StatLeiras* StatLeirasTag(std::int32_t tag);

// Menu entries in display order: a statistic's Tag, kElvalaszto, a hidden
// separator, a range item (501, 502) or a Reset item (1000..1002).
inline constexpr std::int32_t kElvalaszto = 0;
inline constexpr std::int32_t kRejtettElvalaszto = -1;
inline constexpr std::int32_t kFoszelvenyTartomany = 501;
inline constexpr std::int32_t kAdatbazisTartomany = 502;
inline constexpr std::int32_t kAdatbazisReset = 1000;
inline constexpr std::int32_t kVariacioReset = 1001;
inline constexpr std::int32_t kFoszelvenyReset = 1002;
const std::vector<std::int32_t>& StatMenuPontok(StatMenu m);

// What the working variables are computed from.
struct StatKornyezet {
    GameParams Jatek;
    // Main-ticket range: drawings, bonus numbers, first and last draw.
    std::int32_t FoSorok = 0, FoPlusz = 0, FoElso = 1, FoUtolso = 1;
    // Database range.
    std::int32_t AdbSorok = 0, AdbPlusz = 0, AdbElso = 1, AdbUtolso = 1;
    // The variation and the selection it was made of.
    std::int32_t BontSzelvszam = 0;
    bool HuzasSzamsorVariacio = false;
    std::int32_t FixSzamDb = 0;
    std::int32_t VariacioMeret = 0;
    std::int32_t VariacioFoMeret = 0;
    std::int32_t KijeloltPluszSzamDb = 0;
    bool KijeloltNemSzomszedos = true;
    std::int64_t TeljesVariacioMeret = 0;
    std::int64_t ABSZ = 0;
    // Largest number of a drawing of the database range (the Keno check).
    std::int32_t HuzasMeret = 0;
};

struct StatMunkavaltozok {
    bool TalalatiAranyStat = false, SzorasStat = false, SzamparStat = false, SzomszedosDiagramStat = false,
         SzomszedosListaStat = false, TerjedelemStat = false, OsszegStat = false, EloszlasStat = false,
         EgymastKovetoSzamStat = false, SzamkeszletDiagramStat = false, SzamkeszletListaStat = false,
         EgymastKovetoSorStat = false;
    bool PluszKulon = false;
    bool DiagramStat = true;
    bool VanElmeleti = false;
    std::int32_t StatForras = 0;
    std::int64_t TeljesMeret = 0;
    double TeljesMeretSzazad = 0;
    std::int32_t VizsgaltSorDb = 0;
    std::int32_t VizsgaltSzamDb = 0;     // K: numbers of one examined row
    std::int32_t VizsgaltSzamDbMax = -1; // K - 1
    std::int32_t VizsgaltSzamOsszes = 0;
    std::int32_t VizsgaltPluszDb = 0;
    std::int32_t TartomanyElso = 1, TartomanyUtolso = 1;
    std::int32_t TalalatLepes = 1;
    std::int32_t SzazalekEgyseg = 0;     // rows per percent
};

StatMunkavaltozok MunkavaltozokBeallitasa(std::int32_t tag, const StatKornyezet& k);

// Why statistic tag cannot start now; empty when it can.
std::string InditasElutasitas(std::int32_t tag, const StatKornyezet& k);

// The hit-ratio statistics compare every row with every other: above a
// million numbers that is refused.
inline constexpr std::int32_t kTalalatiAranyHatar = 1000000;
inline constexpr const char* kTalalatiAranyTulMeretes =
    "Több mint 1 millió szám találati arányának vizsgálatát kezdeményezte.\r\nAz aktuális verzió ezt nem teszi lehetővé.";
bool TalalatiAranyTulMeretes(const StatMunkavaltozok& v);

// Which statistic a start runs: tag, or after a refused hit-ratio start the
// previous one (elozo) when that one may run, else none (0). Uzenet is the
// refusal to show, empty when there is none.
struct InditasDontes {
    std::int32_t Tag = 0;
    std::string Uzenet;
};
InditasDontes TalalatiAranyDontes(std::int32_t tag, std::int32_t elozo, const StatKornyezet& k);

// " Statisztika - " + source + " - " + caption.
std::string StatAblakFelirat(std::int32_t tag, const StatMunkavaltozok& v, const std::string& adatbazisFelirat);

// The range text of the header band. bars: rows of the shown table;
// bontasFejlec: the variation's header (frequency distribution only).
std::string FejlecSzoveg(std::int32_t tag, const StatMunkavaltozok& v, const StatKornyezet& k, std::int32_t bars,
                         const std::string& bontasFejlec);

}  // namespace kvx
