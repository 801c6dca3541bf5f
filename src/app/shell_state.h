#pragma once
// Start-up arguments, the keyboard modifier mode and the variation state
// texts of the main window's status bar.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

// Text sizes accepted after "-r" and in the INI file.
bool ErvenyesBetuMeret(std::int32_t meret);

// The restart form of the command line: "-r" followed by exactly one of
// "8", "10", ..., "20". args holds the arguments without the program path.
std::optional<std::int32_t> UjrainditasiMeret(const std::vector<std::string>& args);

// ParancssoriAllomany at start: the first argument; a path that names no
// existing file is dropped ("-r" is kept).
std::string ParancssoriAllomanyKezdet(const std::vector<std::string>& args,
                                      const std::function<bool(const std::string&)>& letezik);

// The first argument names a number set or a variation (ends in "tip" or
// "top", letters compared case-insensitively).
bool SzamsorVagyVariacioAllomany(const std::string& parancssoriAllomany);

// The modifier mode from the held keys: 350 Shift+Alt (only when the game has
// bonus numbers), 300 Alt, 200 Shift+Ctrl, 100 Ctrl, 50 Shift, otherwise 0.
std::int32_t BillentyuModSzamitas(bool shift, bool ctrl, bool alt, std::int32_t potSzamok);

// What the status bar needs to know about the variation.
struct VariacioAllapot {
    bool VanBontasAblak = true;     // the variation window and the main ticket exist
    std::int64_t BontMatrixMeret = 0;  // rows of the variation store
    std::int64_t BontSzelvszam = 0;    // lines of the variation
    bool BontStatus = true;         // false: the run was stopped
    bool BontasPause = false;
    bool BontasBefejezetlen = false;
    bool SzerkesztettVariacio = false;
};

// Text of the status bar's variation panel; nullopt when the panel is left
// as it is (no variation window yet, or only the widths are refreshed).
std::optional<std::string> VariacioStatuszSzoveg(const VariacioAllapot& v, bool befejezett, bool allapotSzoveg);
// The long description of an unfinished or edited variation; empty otherwise.
std::string GetMNBString(const VariacioAllapot& v);

// Status-bar panel widths: panel 2 by its text, panel 1 by its text + 6
// characters, panel 0 takes the rest.
struct StatusPanelSzelessegek {
    std::int32_t Panel0 = 0;
    std::int32_t Panel1 = 0;
    std::int32_t Panel2 = 0;
};
StatusPanelSzelessegek StatusPanelek(std::int32_t statusSzelesseg, std::int32_t karakterSzelesseg,
                                     std::int32_t panel1Hossz, std::int32_t panel2Hossz);

// Below this the program asks whether to start at all (50 MiB).
constexpr std::int64_t kMinSzabadMemoria = 52428800;

// Texts of start-up.
inline constexpr const char* kKevesMemoriaKerdes =
    "Nincs elég szabad (RAM) memória.\r\nJavaslat: állítsa le a nem használt programokat.\r\n\r\n"
    "Mégis elindítja a Kavarex Personal programot?";
inline constexpr const char* kNemIrhatoUzenet =
    "Nem írható adathordozóról indította a programot.\r\n\r\nA Kavarex Personal program befejezi futását.";
inline constexpr const char* kModositasKilepesKerdes =
    "Nem fejezte be a variáció számsorának módosítását.\r\n\r\nMégis kilép a programból?";
inline constexpr const char* kModositasJatekvaltasKerdes =
    "Nem fejezte be a variáció számsorának módosítását.\r\n\r\nMégis játékot vált?";

inline constexpr const char* kMasikPeldanyKerdes =
    "Már fut egy példánya a Kavarex Personal programnak.\r\n\r\nHa leállítja az előző példányt, annak minden "
    "adata törlésre kerül.\r\nMég el tudja menteni az előző példány adatait.\r\n\r\nMégis leállítja a "
    "Kavarex Personal program előző példányát?";
// Hints appear this long after the mouse stops over a control, and stay
// this long (ms).
constexpr int kTippMegjelenesMs = 100;
constexpr int kTippIdotartamMs = 50000;

// How long a restarted instance waits for the one that restarted it (ms).
constexpr int kPeldanyVarakozasMs = 2000;
// How long a new instance waits for the earlier one it asked to close: that
// one may still ask its user about unsaved work (ms).
constexpr int kPeldanyBezarasVarakozasMs = 30000;
// Shown while the new instance waits, and when the earlier one stays.
inline constexpr const char* kPeldanyBezarasVarakozas =
    "Várakozás a Kavarex Personal program előző példányának leállására";
inline constexpr const char* kPeldanyNemZartBeUzenet =
    "A Kavarex Personal program előző példánya nem állt le.\r\n\r\nKét példány nem dolgozhat ugyanazokkal az "
    "állományokkal, ezért ez a példány befejezi futását; az előző példány tovább fut.";

// The program's help file: programKonyvtar + "Help/" + the executable's base
// name + ".html" (an HTML page the desktop's browser shows); with another
// extension the older help files of the same name, which start-up removes.
std::string SugoAllomany(const std::string& programKonyvtar, const std::string& exeAlapNev,
                         const std::string& kiterjesztes = ".html");
// Topics of the help page: its contents, the ticket's info panel, the licence.
inline constexpr int kSugoTemakorok = 501;
inline constexpr int kSugoSzelvenyInfo = 20;
inline constexpr int kSugoLicenc = 2000;
// The settings window's tabs, the count dialog of random numbers and of
// random draws, and the options of coupon filling.
inline constexpr int kSugoBeallitasAltalanos = 50;
inline constexpr int kSugoBeallitasInformaciok = 60;
inline constexpr int kSugoBeallitasVariacio = 70;
inline constexpr int kSugoVeletlenSzamok = 300;
inline constexpr int kSugoVeletlenSzamsorok = 700;
inline constexpr int kSugoSzelvenyKitoltes = 650;
// The statistics window and the controls under its chart: the option boxes,
// the sort buttons, the two width buttons and the chooser beside them.
inline constexpr int kSugoStatisztika = 800;
inline constexpr int kSugoStatZoom = 801;
inline constexpr int kSugoStatInverz = 802;
inline constexpr int kSugoStatMind = 803;
inline constexpr int kSugoStatMikro = 804;
inline constexpr int kSugoStatNano = 805;
inline constexpr int kSugoStatElmeleti = 806;
inline constexpr int kSugoStatTenyleges = 807;
inline constexpr int kSugoStatHuzas = 808;
inline constexpr int kSugoStatSorrend = 809;
inline constexpr int kSugoStatFoablakSzelesseg = 810;
inline constexpr int kSugoStatAlapSzelesseg = 811;
inline constexpr int kSugoStatValaszto = 812;
// Hint of the help commands, and the message, when the help file is missing.
inline constexpr const char* kSugoHianyzik = " Hiányzik a Súgó állománya ";
// The help page could not be opened at a command or a topic: it has gone
// since start-up, or the desktop has no program that shows it. The page's
// full path follows.
inline constexpr const char* kSugoOldalHianyzik = "Hiányzik a Súgó oldala:\r\n\r\n";
inline constexpr const char* kSugoNincsMegjelenito =
    "A Súgó nem nyitható meg: nincs olyan program (böngésző), amely megjelenítené az oldalát:\r\n\r\n";

// Addresses of the maker's pages behind the four web menu items.
struct WebCimek {
    std::string Honlap;       // "Kavarex a weben"
    std::string Kalkulator;   // "Kavarex kalkulátor a weben"
    std::string Szimulator;   // "Kavarex szimulátor a weben"
    std::string Variaciok;    // "Variációk letöltése"
};
// honlap: the maker's home page ("https://host"), with or without a
// trailing slash.
WebCimek WebMenuCimek(const std::string& honlap);

// With lekerdezes true: whether every tip flag is set; with false: sets all
// of them and returns true.
bool UzenetekLogAllapot(std::array<std::uint8_t, 36>& uzenetekLog, bool lekerdezes);

// The start-up tips: 7 how to reach help (meretCimke is the caption of the
// settings window's text-size label), 6 how to enter numbers.
inline constexpr int kSugoTippIndex = 7;
inline constexpr int kAdatbevitelTippIndex = 6;
inline constexpr const char* kMeretvaltasCimke = "Szöveg-és ablak méretek módosítása";
std::string SugoTipp(const std::string& meretCimke);
extern const char* const kAdatbevitelTipp;
// Tip 1: the advice on fixed numbers, given when the conditions open after a
// fixed number was marked.
inline constexpr int kFixSzamTippIndex = 1;
inline constexpr const char* kFixSzamTipp =
    "A fix számokat minden feltétel esetében figyelmen kívül hagyja a program.\r\n\r\nPszeudo fix számok "
    "alkalmazása, Súgó: Tartalom - Számsor - Fix szám";

// Whether a folder can be written: creates programKonyvtar + "01202wj3" (with
// parents) and removes it again.
bool IrhatoKonyvtar(const std::string& programKonyvtar);

}  // namespace kvx
