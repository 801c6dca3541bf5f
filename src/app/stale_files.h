#pragma once
// Temporary files that a killed or crashed program leaves behind. Each of
// the program's writers uses names of its own pattern; only names of exactly
// those patterns are removed, and only in the folders those writers write to.
#include "app/folders.h"

#include <functional>
#include <string>
#include <vector>

namespace kvx {

// The folder a name lies in; which patterns count depends on it.
enum class AtmenetiHely {
    Dat,      // the databases: the safe writer's names, an update's "<database>.naprakesz"
    Cache,    // the downloads: the safe writer's names, an unpacked member's "<name>.tmp"
    List,     // lists and print files: the safe writer's names
    Back,     // backups: the safe writer's names, a new backup's temporary names
    Lotto,    // a game's saved files: the safe writer's names of number sets, variations and exports
    Private,  // a game's private databases: the safe writer's names of a database
    Program,  // the program folder: only the INI file's safe-writer names
};

// The name (without folder) was left by one of the program's writers. A
// safe-writer name of another running process is not (its write may still
// be going on); `el` tells whether a process id is running (default: the
// system is asked; this process counts as not running, as it writes nothing
// before the clean-up). iniNev: the INI file's name, for AtmenetiHely::Program.
bool ElhagyottAtmenetiNev(const std::string& nev, AtmenetiHely hely, const std::string& iniNev = {},
                          const std::function<bool(long)>& el = {});

// Removes the names above from Dat, Dat/Cache, List, Back, every game's
// folder in Lotto and Dat/Private, and the program folder. A backup's second
// name that was on its way to the older backup is first put there when the
// current name already moved on. Returns the paths removed.
std::vector<std::string> ElhagyottAtmenetiAllomanyokTorlese(const Folders& f,
                                                             const std::function<bool(long)>& el = {});

}  // namespace kvx
