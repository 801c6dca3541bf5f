#pragma once
// The program's settings and their INI file: defaults, reader and writer.
#include "app/folders.h"
#include "app/game_table.h"
#include "app/main_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kvx {

class IniFile;

// A colour as the ticket look keeps it: red in the low byte, then green, then blue.
constexpr std::int32_t RGB(int r, int g, int b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(r & 0xFF) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
                                     (static_cast<std::uint32_t>(b & 0xFF) << 16));
}
// The grey of disabled text.
constexpr std::int32_t kSzurkeSzoveg = RGB(109, 109, 109);

constexpr int kUzenetekSzama = 36;    // tip flags
constexpr int kPenznemekSzama = 9;    // currencies of the settings window
constexpr int kSzelvenyTipusok = 5;   // paper slip types
constexpr int kSzelvenyFajtak = 6;    // ticket kinds of the ticket look
constexpr int kSzelvenyErtekek = 15;  // values per ticket kind

struct Settings {
    bool Jovahagyas = true;           // ask confirmations
    bool JovahagyasVariacio = true;   // confirmations of variation actions
    bool Inform = true;               // useful-information tips
    bool Hangjelzes = true;           // sounds
    bool AutomatikusNev = true;       // file dialogs propose a name
    bool UjVerzioKereses = true;      // new-version check at start
    bool ShowHint = true;             // the main window shows hints
    std::int32_t InditasokSzama = 0;  // start counter; 0 after defaults were written
    std::int32_t BetuMeret = 8;       // font size: 8, 10, ..., 20

    // The window rectangle last applied (INI keys FT, FL, FW, FH).
    std::int32_t AblakFelso = 0;
    std::int32_t AblakBal = 0;
    std::int32_t AblakSzelesseg = 0;
    std::int32_t AblakMagassag = 0;

    bool BiztonsagiMentes = true;  // automatic backups
    std::string BackTipus = "top";  // kind of the last backup: "tip" or "top"

    std::array<std::uint8_t, kUzenetekSzama> UzenetekLog{};  // 1 = show tip n again
    std::array<double, kJatekokSzama> JegyAr{};              // price of one line per game
    std::array<std::int32_t, kJatekokSzama> PenznemIndex{};  // currency per game, 0..8

    // Print correction in mm per slip type and corner, -4..4.
    std::array<std::array<double, 3>, kSzelvenyTipusok> NyomtatasiMargok{};
    std::array<std::int32_t, kSzelvenyTipusok> SzelvenyOrigoX{};
    std::array<std::int32_t, kSzelvenyTipusok> SzelvenyOrigoY{};

    std::int32_t SzamsorrendMod = 0;  // order of the selected line: 0 as selected, 1 up, 2 down, 3 random
    bool SzamsorrendAlkalmaz = true;

    // Ticket look per ticket kind (0 main, 1 variation, 2 variation check,
    // 3 draws, 4 draw entry, 5 draw search) and slot; colours as RGB().
    std::array<std::array<std::int32_t, kSzelvenyErtekek>, kSzelvenyFajtak> SzelvenyBeallitas{};

    bool operator==(const Settings&) const = default;
};


// Price and currency of a game before the user changes them.
double AlapJegyAr(int jatek);
std::int32_t AlapPenznem(int jatek);

// Default settings, applied before the INI file is read. sorMagassag is the
// text height of the main window's font (the cell size is 2.39 times it);
// the number font size is s.BetuMeret.
// The ticket look's sizes follow the text size in use: the cell size from the
// text height (sorMagassag x 2.39) and the number font size, for every kind.
// Called once the text size is final (after the INI file was read).
void SzelvenyMeretekBeallitasa(Settings& s, std::int32_t sorMagassag);
void SzelvIniAlap(Settings& s, GameParams& g, MainState& m, std::int32_t sorMagassag);

// A rectangle of the screen in pixels (the settings keep the main window in one).
struct KepernyoTeglalap {
    std::int32_t Bal = 0;
    std::int32_t Felso = 0;
    std::int32_t Szelesseg = 0;
    std::int32_t Magassag = 0;
};

// What the window rule needs from the screen.
struct AblakKorlatok {
    KepernyoTeglalap MunkaTerulet;  // the work area
    std::int32_t MinSzelesseg = 0;
    std::int32_t MinMagassag = 0;
};

// Font size proposed by the screen: width and pixels per inch.
std::int32_t AlapBetuMeret(std::int32_t kepernyoSzelesseg, std::int32_t pontPerHuvelyk);
// The main window's minimum size from the screen, its work area and the
// size index (BetuMeret - 8) / 2.
void AblakMinimum(std::int32_t kepernyoSzelesseg, std::int32_t kepernyoMagassag, const KepernyoTeglalap& munkaTerulet,
                  std::int32_t meretIndex, std::int32_t& minSzelesseg, std::int32_t& minMagassag);
// Fits a stored window rectangle: never smaller than the minimum, never
// larger than the work area, and lying within the work area.
KepernyoTeglalap AblakIllesztes(KepernyoTeglalap r, const AblakKorlatok& k);

// Outcome of reading or writing the INI file.
struct IniEredmeny {
    bool Rendben = true;     // the file was usable / written
    std::string HibaUzenet;  // file error message to show; empty when none
};

// "Hiba történt a <path> állományának betöltése/mentése során."
std::string IniAllomanyHibaUzenet(const std::string& path, bool mentes);
// "Sérült a <path> állománya." - shown before a rejected file is replaced.
std::string IniSerultUzenet(const std::string& path);
// Removes a rejected INI file before it is written anew. A file that could
// not be read (`olvashatatlan`) is kept as path + ".bak" instead: the failure
// may have been passing, and the keys the program does not write would go
// with it. An older ".bak" is replaced.
void SerultIniEltavolitasa(const std::string& path, bool olvashatatlan);

// Reads f.IniAllomany into the settings, the game index and the last used
// folders. Rendben false means the caller replaces the file: with HibaUzenet
// set the file could not be read; without, it is damaged or of an old layout
// (whose values were taken over).
IniEredmeny KavarexIniOlvas(Settings& s, GameParams& g, Folders& f, const AblakKorlatok& k);
// The text size kept in the INI file at path (key Size, an even number from
// 8 to 20), read without taking anything else; none when the file is
// missing or unreadable or holds no such size.
std::optional<std::int32_t> IniBetuMeret(const std::string& path);
// Takes the values of the oldest layout from an open file.
void KavarexIniOlvasOld(const IniFile& ini, Settings& s, GameParams& g, Folders& f);
// Writes every setting into f.IniAllomany (keys of the file that the program
// does not write are kept). The window rectangle is the one in s; the
// screen size is stored as SW and SH.
IniEredmeny KavarexIniIras(const Settings& s, const GameParams& g, const Folders& f, std::int32_t kepernyoSzelesseg,
                           std::int32_t kepernyoMagassag);

}  // namespace kvx
