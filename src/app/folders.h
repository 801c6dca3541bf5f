#pragma once
// The program's folders, all beside the executable, and the per-game paths.
#include "app/game_table.h"

#include <array>
#include <string>

namespace kvx {

// Kinds of the last used folders.
enum UtolsoKonyvtarFajta {
    kSzamsorMegnyitas = 0,   // number sets and variations, open
    kSzamsorMentes = 1,      // number sets and variations, save
    kPrivateMegnyitas = 2,   // private databases, open
    kPrivateMentes = 3,      // private databases, save
};

struct Folders {
    // Every folder ends with '/'.
    std::string ProgramKonyvtar;
    std::string LottoKonyvtar;    // saved number sets and variations, one subfolder per game
    std::string DatKonyvtar;      // databases
    std::string PrivateKonyvtar;  // private databases, one subfolder per game
    std::string BackKonyvtar;     // backups
    std::string ListKonyvtar;     // lists, print files, error log
    std::string CacheKonyvtar;    // downloads
    std::string IniAllomany;      // the executable's path with ".ini"

    // Last used folder per kind (UtolsoKonyvtarFajta) and game.
    std::array<std::array<std::string, kJatekokSzama>, 4> UtolsoKonyvtarak;
    // The draws database in use per game.
    std::array<std::string, kJatekokSzama> AktualisAdatbazis;

    Folders();
};

// The program's one instance.
Folders& folders();

// Computes every folder and the INI path from the executable's full path.
void KonyvtarakBeallitasa(Folders& f, const std::string& programAllomany);

// Start value of one game's last used folders: kinds 0 and 1 the game's
// folder under LottoKonyvtar, kinds 2 and 3 under PrivateKonyvtar.
void UtolsoKonyvtarakAlap(Folders& f, int jatek);
// The same for all 44 games.
void UtolsoKonyvtarakAlap(Folders& f);

// Creates Dat, Dat/Private, Dat/Cache, Back and List when missing. False when
// one of them does not exist afterwards.
bool KonyvtarakLetrehozasa(const Folders& f);

// Per-game paths of the current game: every game's database path is set to
// DatKonyvtar + its built-in database; the current game's saved-files folder
// and every game's private-database folder are created when missing.
void JatekKonyvtarakBeallitasa(Folders& f, int lottoIndex);

}  // namespace kvx
