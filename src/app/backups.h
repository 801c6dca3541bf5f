#pragma once
// Automatic backups of the unsaved number set or variation: one current
// backup and one older generation per game and kind in the Back folder. The
// file format is the program's ".tip"/".top"; this unit names the files,
// decides when a backup is due and moves the generations, checking every
// rename and putting the files back when one fails.
#include "app/folders.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kvx {

// BackKonyvtar + "back" + the game's folder + n + "." + kind; n is "" for the
// current backup, "1" for the older one, "2" for the unsaved work kept during
// a restore.
std::string BackAllomany(const Folders& f, int jatek, const std::string& n, const std::string& fajta);

// The kind written: "top" with more than 100,000 lines becomes "tip".
std::string BackIrasFajta(const std::string& backTipus, std::int64_t bontMatrixMeret);

struct BackHelyzet {
    std::int32_t KijeloltEsFixSzamDb = 0;  // selected + fixed numbers
    std::int32_t SzamsorHossz = 0;
    bool Engedely = true;                  // BackMentesEngedely
    bool Mentve = false;                   // the current state is saved
    std::int64_t BontMatrixMeret = 0;      // stored lines
};
// A backup of the kind is due: more numbers than one line holds, backups
// allowed, the state unsaved, and for "top" lines to keep.
bool BackEsedekes(const BackHelyzet& h, const std::string& fajta);

// Renames a file over another; false when it failed. Tests make it fail.
using AtnevezesFn = std::function<bool(const std::string& honnan, const std::string& hova)>;
bool Atnevezes(const std::string& honnan, const std::string& hova);
// A second name for a file: a hard link, or a copy where no link can be
// made (written whole before it takes the name). The new name must not
// exist; false when neither worked.
bool MasodikNev(const std::string& honnan, const std::string& hova);

// The file operations that move the backups. Tests make them fail or stop
// them part way through, as a kill would.
struct BackMuveletek {
    AtnevezesFn Atnevezes = kvx::Atnevezes;
    AtnevezesFn MasodikNev = kvx::MasodikNev;
    std::function<void(const std::string&)> Torles;  // empty: removes the file
};

// The temporary name beside a backup file: a new set is written there, and
// the current set's second name waits there before it replaces the older one.
std::string BackAtmeneti(const std::string& backAllomany);
// The name is one of these temporary names (of any game and kind), which
// nothing reads: a file left under it by a killed program can go, once
// BackMasodikNevRendezese has had its say.
bool BackAtmenetiNev(const std::string& nev);

// Writes a new current backup: `iras` writes the new set under its
// temporary name, and only when that succeeded the generations move: where
// an older backup exists, the current set gets a second name beside it, the
// new set takes the current name, and the second name replaces the older
// backup. Killed at any point, the current set, the older one and (once
// written) the new one are each under a name, and the start-up clean-up
// leaves either the backups as before or the new set current with the one
// before as the older. False when a step failed; the backups are then as
// they were.
bool BackUjMentes(const std::string& aktualis, const std::string& egyes,
                  const std::function<bool(const std::string&)>& iras, const BackMuveletek& m = {});

// A killed program left the current set's second name (path: the older
// backup's temporary name). When the current name already holds the next
// set, the move is finished: the second name replaces the older backup
// (true). When the current name still holds that same set, the second name
// was not used yet (false: it can go).
bool BackMasodikNevRendezese(const std::string& masodik);

// What stands in the way of writing a backup, for the message: the folder
// missing or no folder, write-protected, the disk full, or else the file.
std::string BackHibaOka(const std::string& backKonyvtar, const std::string& allomany);

struct BackCsere {
    bool VoltEgyes = false;  // the older backup existed
    bool Sikeres = true;     // every rename succeeded (else the files are as before)
};

// The current and the older backup change places (a restore without work
// kept aside). On a failed step the files are put back as they were.
BackCsere BackKorrekcio(const std::string& aktualis, const std::string& egyes, const BackMuveletek& m = {});

// After the current backup was loaded by a restore. With the unsaved work
// kept in `tartalek`: the loaded backup becomes the older one and the work
// the current one (the oldest generation goes). Without it (empty name or no
// file): the two backups change places. On a failed step the files are put
// back as they were; a kill leaves every set under a name (see BackUjMentes).
BackCsere BackForgatas(const std::string& aktualis, const std::string& egyes, const std::string& tartalek,
                       const BackMuveletek& m = {});

}  // namespace kvx
