#pragma once
// The program's folders, all beside the executable, and the per-game paths.
#include "app/game_table.h"

#include <array>
#include <string>
#include <vector>

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


// Computes every folder and the INI path from the executable's full path.
void KonyvtarakBeallitasa(Folders& f, const std::string& programAllomany);

// Start value of one game's last used folders: kinds 0 and 1 the game's
// folder under LottoKonyvtar, kinds 2 and 3 under PrivateKonyvtar.
void UtolsoKonyvtarakAlap(Folders& f, int jatek);
// The same for all 44 games.
void UtolsoKonyvtarakAlap(Folders& f);

// The remembered folders of the file dialogs (UtolsoKonyvtarFajta): the
// default folder of a kind, the folder a dialog starts in.
std::string AlapKonyvtar(const Folders& f, int fajta, int jatek);
std::string KezdoKonyvtar(const Folders& f, int fajta, int jatek);
// After the dialog: a confirmed choice remembers its folder, a cancel
// puts the kind's default back.
void UtolsoKonyvtarFrissites(Folders& f, int fajta, int jatek, bool elfogadva, const std::string& nev);

// The folder part of a file name: up to (not including) the last
// separator; a name without one is returned whole; an empty name gives
// the dialog's initial folder.
std::string AllomanyKonyvtara(const std::string& nev, const std::string& kezdoKonyvtar);

// Creates Dat, Dat/Private, Dat/Cache, Back and List when missing. False when
// one of them does not exist afterwards.
bool KonyvtarakLetrehozasa(const Folders& f);

// Per-game paths of the current game: every game's database path is set to
// DatKonyvtar + its built-in database; the current game's saved-files folder
// and every game's private-database folder are created when missing.
void JatekKonyvtarakBeallitasa(Folders& f, int lottoIndex);

// Files older versions left in the program folder: base name and extension.
struct RegiAllomany {
    const char* Alap;
    const char* Kiterjesztes;
};
extern const std::array<RegiAllomany, 6> RegiAllomanyNevek;

// Name of an old file for a, b in 0..13: alap + A + B + "." + kiterjesztes,
// where A is empty for a = 0 ("0" when b > 0) and a - 1 otherwise, and B is
// empty for b = 0 and b - 1 otherwise.
std::string RegiAllomanyNev(const std::string& alap, const std::string& kiterjesztes, int a, int b);

// First run: removes every old file from ProgramKonyvtar. An ".rtf" file is
// a list the user may want: it is copied into ListKonyvtar first, and kept
// where it is when the copy cannot be made (an existing file of the same
// name in ListKonyvtar is never overwritten).
void RegiAllomanyokTorlese(const Folders& f);

// Moves a folder; across file systems it is copied (under a temporary name
// beside the target, renamed into place when complete) and then removed.
// An existing target is never overwritten: an empty folder is replaced,
// anything else makes the move fail. False when the folder was not moved
// completely (the source, or what is left of it, stays).
bool KonyvtarAthelyezese(const std::string& forras, const std::string& cel);

// The saved-files folders of older versions lay in the program folder.
struct AthelyezesEredmeny {
    bool Lefutott = false;            // the folders were checked: the INI file is to be written
    std::vector<std::string> Hibak;   // one message per folder that could not be moved
};
// Unless LottoKonyvtar and its "Otos" folder exist, this is not a first run
// and no game folder is left in the program folder: creates LottoKonyvtar,
// resets every game's last used folders and moves each game folder found in
// ProgramKonyvtar into LottoKonyvtar.
AthelyezesEredmeny MentettKonyvtarakAthelyezese(Folders& f, bool elsoInditas);

// Message of a game folder that could not be moved.
std::string AthelyezesHibaUzenet(const Folders& f, int jatek);

}  // namespace kvx
