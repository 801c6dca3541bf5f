#pragma once
#include "common/date_helpers.h"
// The variation body of a ".top" file: the part after the ticket part.
//
// The body is gathered into a staging copy (VariacioTorzs) from the program
// state, written field by field, and read back field by field into a fresh
// staging copy that is checked whole before anything of the program changes.
// Older layouts are read through the version gates of their header; the
// writer always writes the newest layout under the program's own version.
//
// Layout (little-endian; V = the body's header version):
//   version a, b, c, d (4 x int32), line count N (int32), date (double)
//   N rows of W bytes                      W = SzamsorHossz for a variation
//                                          built from the draws, else VariacioMeret
//   [draws] draw count (int32) + N x int32 draw serials
//   occurrence counts ((KijeloltSzamDb) x int32)
//   V >= 2000: product marker (31 bytes); kept int32 (only 2000..2709);
//     extension count E + E x int32 boundaries; [V >= 2720] import byte;
//     Találat, Tételes, Sorozat bytes; Találat value, Tételes min, max (int32);
//     [V >= 2741] current min, current max, series value (int32);
//     pause byte, pause line (VariacioMeret bytes), pause pass (int32)
//   V >= 2710: run status, edited, [V >= 2730] unfinished (bytes), run time
//     (double, days), current group (int32), group lines ((FCsoportFelso+1) x
//     VariacioMeret bytes), group flags (FCsoportFelso+1 bytes), random
//     attempts (int64), [V >= 2750] fulfilled masks (2 x uint64),
//     [V >= 2810] options changed (byte), options record (104 bytes),
//     best copy (C x VariacioMeret bytes, C = int32 at 12 of the record)
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/version.h"
#include "common/arrays.h"
#include "common/binary_io.h"
#include "conditions/condition_records.h"

namespace kvx {

struct GameParams;
struct SzamsorKep;
struct SzamListak;
struct VariationStore;
struct BontasEgyseg;
struct VariacioOpcioErtekek;

// Largest variation a body may hold (written or read).
inline constexpr std::int32_t kVariacioTorzsMaxSor = 1000000;
inline constexpr std::int32_t kTorzsMaxHuzasSorszam = 100000;
// Version the body is written under.
inline constexpr std::int32_t kTorzsIrasVerzioSzam = 2817;

// The body's own version-dependent state that the program keeps beside the
// store: the version and date of the variation now loaded, and the count of
// lines that belong to another game.
struct VariacioAllomanyAllapot {
    TVerzio AllomanyVerzio;
    std::int32_t AllomanyVerzioSzam = 0;
    std::string VariacioVerzio = "0.0.0.0";
    double VariacioDatum = 0.0;  // days since 1899-12-30, time of day as fraction
    std::int32_t BontIdegenSzamsorDb = 0;
    std::int32_t BontLottoIndex = -1;  // the game the variation was made for
};

// Staging copy of one body.
struct VariacioTorzs {
    TVerzio Verzio;
    std::int32_t VerzioSzam = 0;
    double VariacioDatum = 0.0;
    std::int32_t SorHossz = 0;       // W
    std::int32_t SzamsorDb = 0;      // N
    TTombByte1D Sorok;               // N x W bytes
    bool HuzasSzamsorVariacio = false;
    TTombInt1D BontHuzasSorszam;     // N entries for a variation built from the draws
    TTombInt1D BontSzamGyakorisag;   // one per selected number
    TTombInt1D Import_Count;
    bool BontasBovites = false;
    std::uint8_t TulirasBont = 0;
    std::uint8_t TulirasTeteles = 0;
    std::uint8_t TulirasSorozat = 0;
    std::int32_t Tuliras = 0;
    std::int32_t TulirasTetelesMin = 0;
    std::int32_t TulirasTetelesMax = 0;
    std::int32_t TulirasAktMin = 0;
    std::int32_t TulirasAktMax = 0;
    std::int32_t TulirasSorozatAkt = 0;
    bool BontasPause = false;
    TTombByte1D PauseSzamsor;        // VariacioMeret bytes
    std::int32_t FPauseMenet = 0;
    bool FBontStatus = true;
    bool SzerkesztettVariacio = false;
    bool BontasBefejezetlen = false;
    double BontasIdotartamNap = 0.0; // accumulated run time in days
    std::int32_t FCsoportIndex = 0;
    std::int32_t FCsoportFelso = -1;
    TTombByte1D FCsoportSzamsorok;   // (FCsoportFelso + 1) x VariacioMeret bytes
    TTombByte1D FCsoportAktiv;       // FCsoportFelso + 1 bytes
    std::int64_t VeletlenKiserletek = 0;
    std::uint64_t TeljesultFeltetelekA = 0;
    std::uint64_t TeljesultFeltetelekB = 0;
    bool OpcioModosulas = false;
    TVariacioOpciok VariacioOpciok;
    std::int32_t VariacioMeret = 0;  // row width of the best copy and of the pause and group lines
    std::int32_t OptLegjobbSzamsorDb = 0;
    TTombByte1D OptLegjobbSzamsorok; // OptLegjobbSzamsorDb x VariacioMeret bytes
    bool BefejezetlenVariacio = false;
};

// Writes a body. Refuses (false, message in hiba) a body that the reader
// would refuse: more than 1,000,000 lines, no line, or arrays whose sizes do
// not match their counts. The best-copy count of the options record is
// written as the number of best-copy rows that follow (0 when none).
bool VariacioTorzsIras(BinWriter& w, const VariacioTorzs& t, std::string& hiba,
                       std::int32_t verzioSzam = kTorzsIrasVerzioSzam);

// What the reader checks the body against: the ticket part read just before
// it (its selection, variation size and flags) and the game.
struct TorzsOlvasasKornyezet {
    std::int32_t VariacioMeret = 0;
    std::int32_t SzamsorHossz = 0;
    std::int32_t SzamsorHosszMax = 0;
    std::int32_t OsszesSzam = 0;
    std::int32_t OsszesSzamMax = 0;
    std::int32_t KijeloltSzamDb = 0;
    std::int32_t FCsoportFelso = 0;   // KijeloltFoSzamDb - VariacioFoMeret
    std::int32_t VariacioFoMeret = 0; // main-pool positions of a line
    std::int64_t ABSZ = 0;            // lines of the full variation
    bool HuzasSzamsorVariacio = false;
    bool SzerkesztettVariacio = false;  // set by the ticket part
};

enum class TorzsHiba {
    Nincs,
    Hibas,        // refused with Hiba; nothing is loaded
    TulNagy,      // more than 1,000,000 lines: information box, the ticket part stays
};

struct TorzsOlvasasEredmeny {
    bool Ok = false;
    TorzsHiba HibaFajta = TorzsHiba::Nincs;
    std::string Hiba;
    std::string VariacioVerzio = "0.0.0.0";  // for the head of the error box
    // The file ends with the ticket part: not even a body's version follows.
    bool TorzsHianyzik = false;
    VariacioTorzs Torzs;
};

// Reads a body from the reader's position. Every line row must hold
// strictly ascending selection indexes (a variation built from the draws:
// distinct non-zero numbers); the per-number counts are recounted from the
// rows, whatever the file says.
TorzsOlvasasEredmeny VariacioTorzsOlvasas(BinReader& rd, const TorzsOlvasasKornyezet& env);

// The reader's environment for a body that follows the ticket image kep.
TorzsOlvasasKornyezet TorzsKornyezet(const SzamsorKep& kep, const GameParams& g);
// The reader's environment of the program's current selection.
TorzsOlvasasKornyezet TorzsKornyezet(const SzamListak& l, const GameParams& g, const FeltetelRekordok& f,
                                     bool szerkesztett);

// The body of the program's current variation.
VariacioTorzs VariacioTorzsKeszites(const VariationStore& t, const BontasEgyseg& u, const VariacioOpcioErtekek& o,
                                    const FeltetelRekordok& f, const SzamListak& l, const VariacioAllomanyAllapot& a);

// Puts a checked body into the program: the store, the run state, the
// Találat options and the options record. Returns the tip text that a
// paused run shows after the load (empty when none).
void VariacioTorzsAlkalmazas(const VariacioTorzs& tz, VariationStore& t, BontasEgyseg& u, VariacioOpcioErtekek& o,
                             FeltetelRekordok& f, VariacioAllomanyAllapot& a);

// The tip after a successful load (one-time tip 2): the Pause tip for a
// paused run, otherwise the state text of an unfinished run; empty when
// there is nothing to say (an edited but finished variation included).
std::string BetoltesUtaniTipp(bool BontasPause, const std::string& allapotSzoveg);

// The warning after loading a body of versions 2340..2415 whose Állandó
// számok condition limits the constant numbers per line while some of the
// constant numbers are extra-pool numbers (those versions left them out of
// the count); empty otherwise.
std::string AllandoSzamokFigyelmeztetes(std::int32_t verzioSzam, const FeltetelRekordok& f, const SzamListak& l,
                                        const GameParams& g);

// Texts of the body.
inline constexpr const char* kTorzsTulNagy =
    "Az aktuális verzió nem olvassa be az 1 millió számsornál nagyobb terjedelmű variációkat.";
inline constexpr const char* kTorzsPauseTipp =
    "[Pause] felfüggesztett folyamat\r\nA program ott folytatja a variáció generálását, ahol azt korábban "
    "felfüggesztette.\r\n\r\nHa a Pause státusz törlése nélkül módosítja a felfüggesztett, befejezetlen varáció "
    "feltételeit, a hibapont értékét vagy opcióit, a variáció (lehet) nem lesz értékelhető.\r\n\r\nPause "
    "státusz törlése: Főmenü - Variáció - Pause törlés";
inline constexpr const char* kTorzsMentesHiba = "Hiba történt a variáció állományának mentése során.";
inline constexpr const char* kTorzsBetoltesHiba = "Hiba történt a variáció állományának betöltése során.";

// ---- The whole ".top" file

// Ticket image + body into one file through a temporary file. False and
// the message in uzenet when the body is refused or the file cannot be
// written (the old file then stays as it was).
bool VariacioAllomanyIras(const std::string& nev, const SzamsorKep& kep, const VariacioTorzs& t,
                          std::string& uzenet);

// Reads the body that follows a ticket part read from adat (vege = the
// first byte after the ticket part), checked against that ticket part.
TorzsOlvasasEredmeny VariacioTorzsBetoltese(std::span<const std::uint8_t> adat, std::size_t vege,
                                            const SzamsorKep& kep, const GameParams& g);

// The head of the error box of a refused body: file name, version, text.
std::string TorzsHibaUzenet(const std::string& nev, const TorzsOlvasasEredmeny& r);

// A ".top" whose body is missing while its ticket part comes from versions
// 2000..2019: those versions could save a number set over a variation file.
// The explanation follows the size message; the file is then opened as the
// number set it is, so that the variation can be generated again.
bool TorzsHianyzikMagyarazat(std::int32_t szamsorVerzioSzam, const TorzsOlvasasEredmeny& r);
inline constexpr const char* kTorzsHianyzikSzoveg =
    "Csak a variáció számsorát, a kijelölt feltételeket és az egyéb opciók beállításait tartalmazza az "
    "állomány.\r\n\r\nA hiba egyik lehetséges oka:\r\nA 2.0.0.0 - 2.0.1.9 verzióig, ha az Eszköztár - Mentés "
    "funkciót használta, a számsor állományával íród(hat)ott felül a variáció állománya.\r\n\r\nA betöltött "
    "adatokkal újra tudja generálni a variáció listáját.";

// Text of the wait window while a variation file is saved (mentes) or
// loaded: the current game's automatic backup ("back" + the game's folder,
// in any letter case) has texts of its own.
std::string VariacioVarakozasSzoveg(const std::string& nev, const std::string& jatekMappa, bool mentes);


// A variation made or changed by this program carries its version and the
// date of the change: both go into the next save.
void VersionBeallitas(VariacioAllomanyAllapot& a);

}  // namespace kvx
