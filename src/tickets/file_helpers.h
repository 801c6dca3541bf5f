#pragma once
// The rules behind the open and save dialogs of the main window (filters,
// titles, the automatic file name, which writer or reader a choice leads
// to, the limits) and the small file helpers that several parts share.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "app/folders.h"
#include "app/main_menu.h"
#include "app/messages.h"

namespace kvx {

// Dialog modes of AllomanyDialogus.
enum AllomanyDialogusMod : int {
    ModMegnyitas = 0,        // open a number set, a variation, or import lines
    ModMentes = 1,           // save a number set, a variation, or export
    ModPrivatMegnyitas = 2,  // open a private database or import draws
    ModPrivatMentes = 3,     // save the draws list into a private database
};

// Filters: description and pattern pairs joined by "|".
extern const char* const kSzamsorSzuro;        // the ".tip" entry
extern const char* const kVariacioSzuro;       // ".top" and the four exports (5 entries)
extern const char* const kMegnyitasSzuro;      // tip, top, csv, txt
std::string MentesSzuro();                     // the full save filter (6 entries)

// The pairs of a filter string.
struct SzuroElem {
    std::string Leiras;
    std::string Minta;
};
std::vector<SzuroElem> SzuroElemek(const std::string& szuro);

// Titles.
inline constexpr const char* kMegnyitasCim = " Állomány betöltése";
inline constexpr const char* kVariacioMentesCim = " Variáció mentése";
inline constexpr const char* kAllomanyMentesCim = " Állomány mentése";
inline constexpr const char* kSzamsorMentesCim = " Számsor mentése";

// Set-up of the save dialog by the kind ("tip", "top" or empty) and the
// stored line count.
struct MentesBeallitas {
    std::string Cim;
    std::string Szuro;
    std::string AlapKiterjesztes;
    int SzuroIndex = 1;  // 1-based
};
MentesBeallitas MentesDialogusBeallitas(const std::string& fajta, std::int64_t bontMatrixMeret);

// What the automatic file name is built from.
struct AutomatikusNevAdatok {
    std::int32_t KijeloltFoSzamDb = 0;
    bool VanPluszSzam = false;
    std::int32_t KijeloltPluszSzamDb = 0;
    std::int32_t FixSzamDb = 0;
    bool Variacio = false;  // the default extension is "top"
    std::int64_t BontMatrixMeret = 0;
    bool VeletlenSzamsorok = false;
    bool TulirasBont = false;  // " Találat"
    std::int32_t Hibapont = 0;
    bool GyakorisagiEloszlas = false;
    bool Optimalizalt = false;
    bool Optimalizalas = false;  // the optimisation of the variation options
    bool Csokkent = false;
    bool Feluliras = false;
    bool Rendez = false;
    bool Mod = false;
    std::int32_t Arany = 0;
    std::int32_t Tuliras = 0;
    bool TulirasTeteles = false;
    bool TulirasSorozat = false;
    std::string VariacioAllapot;  // the status bar's variation-state text
    bool Peldabontas = false;
};
std::string AutomatikusNev(const AutomatikusNevAdatok& a);

// The last three characters of a name, lower case.
std::string AllomanyVegzodes(const std::string& nev);

// Where an open-dialog choice leads.
enum class MegnyitasCel { Szamsor, Variacio, Import, Valasszon, Egyeb };
MegnyitasCel MegnyitasDontes(const std::string& nev);
inline constexpr const char* kValasszonAllomanyt =
    "Válasszon ki egy állományt\r\n\r\n  - először jelölje ki a fájl típusát\r\n  - majd válassza ki az állományt";

// Where a save-dialog choice leads. The kind of file is decided by the kind
// argument, the filter index and the ending together; a choice that leads
// nowhere (a ".tip" name under the ".top" entry, an unknown ending) writes
// nothing and is a failure.
enum class MentesCel { Szamsor, Variacio, Export, Semmi };
struct MentesDontesEredmeny {
    MentesCel Cel = MentesCel::Semmi;
    std::string ExportFormatum;  // "csv", "txt", "html" or "tmb"
};
MentesDontesEredmeny MentesDontes(const std::string& fajta, int szuroIndex, const std::string& szuro,
                                  const std::string& nev, std::int64_t bontMatrixMeret);

// Limits.
inline constexpr std::int64_t kMaxMentettSzamsor = 999999;  // lines of a ".top" or an export
inline constexpr const char* kTobbMintEgyMillio =
    "Több mint 1 millió számsor mentését kezdeményezte.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé.\r\n\r\n"
    "A variáció listáját nem, de a variáció számsorát és a kijelölt feltételeket \"tip\" kiterjesztésű állományba "
    "tudja menteni.";
bool VariacioMentesMegengedett(std::int64_t bontMatrixMeret);
// Free space of the drive of a folder; -1 when unknown.
std::int64_t SzabadHely(const std::string& konyvtar);


// Remembered folders: the kind of a mode (the folders themselves, and the
// folder part of a name, are in app/folders.h).
int UtolsoKonyvtarFajtaja(int mod);

// The shared untyped file of the block readers and writers.
struct KozosAllomanyAllapot {
    std::FILE* KozosAllomany = nullptr;
    ~KozosAllomanyAllapot();
};

// Each returns false and sets uzenet to the error text on failure.
bool AllomanyMegnyitasa(KozosAllomanyAllapot& k, const std::string& nev, std::string& uzenet);
bool AllomanyLetrehozasa(KozosAllomanyAllapot& k, const std::string& nev, bool mentes, std::string& uzenet);
bool AllomanyLezarasa(KozosAllomanyAllapot& k, const std::string& nev, std::string& uzenet);

// True when the file does not exist or can be opened and closed; otherwise
// uzenet holds FoglaltAllomanySzoveg.
bool AllomanyHozzaferheto(const std::string& nev, std::string& uzenet);
std::string FoglaltAllomanySzoveg(const std::string& nev);

}  // namespace kvx
