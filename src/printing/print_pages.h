#pragma once
#include "common/date_helpers.h"
// The print buffer and its pages. Every printout is a list of fixed-width
// text lines, some of them bold; a line holding a single form feed ends a
// page. The page bookkeeping (rows per page, page number, page count, the
// line where the current page starts) belongs to the printout being built,
// and the page head of the variation printouts is written here.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// A page ends after the line that holds this single character.
inline constexpr const char* kLapdobasSor = "\f";

// Page sizes: lines of a page and list rows of a page.
inline constexpr std::int32_t kAllomanyOldalSorok = 71;
inline constexpr std::int32_t kAllomanyOldalListaSorok = 64;
inline constexpr std::int32_t kPapirOldalSorok = 80;
inline constexpr std::int32_t kPapirOldalListaSorok = 74;
// Margin of a printed page.
inline constexpr std::int32_t kNyomtatasiMargoMm = 25;

// The print files in the list folder and the stems of the print-job names.
inline constexpr const char* kHuzListAllomany = "huzlist.rtf";
inline constexpr const char* kBontListAllomany = "bontlist.rtf";
inline constexpr const char* kInfoListAllomany = "infolist.rtf";

inline constexpr const char* kNemSikerultLetrehozni = "Nem sikerült létrehozni az állományt.\r\n\r\n";
inline constexpr const char* kNyomtatasiHiba =
    "Ismeretlen hiba történt a nyomtatás során.\r\n\r\nA nyomtatás folyamata megszakad.";
// A written file the desktop has no program for: its full path follows.
inline constexpr const char* kNincsMegnyitoProgram =
    "Az állomány elkészült, de nincs olyan program, amely megnyitná:\r\n\r\n";
inline constexpr const char* kElinditjaANyomtatast = "Elindítja a nyomtatást?";
// The print dialog's note where no printer is installed.
inline constexpr const char* kNincsNyomtatoPdfba =
    "Nincs telepített nyomtató: a nyomtatás PDF állományba készül, amelynek nevét nyomtatáskor kérdezi a program.";
inline constexpr const char* kTobbMint10000 =
    "Több mint 10 000 számsor listáját kérte nyomtatásba.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé.";
// Variation lists above this many lines are not printed.
inline constexpr std::int64_t kMaxNyomtatottSzamsor = 10000;
// Betting slips are filled for at most this many lines.
inline constexpr std::int64_t kMaxKitoltottSzamsor = 1000;
inline constexpr const char* kTobbMint1000Szelveny =
    "Több mint 1000 számsor nyomtatását kezdeményezte.\r\n\r\nAz aktuális verzió ezt nem teszi lehetővé.";
inline constexpr const char* kSzelvenyNemElerheto = "A kiválasztott játék esetében nem elérhető a funkció.";
// Games whose betting slip the program can fill: the first three, the Keno games and game 30.
constexpr bool SzelvenyKitoltesJatek(int jatek) { return jatek < 3 || (jatek >= 8 && jatek <= 16) || jatek == 30; }
inline constexpr const char* kNyomtatasAllomanyba = "Nyomtatás állományba";
inline constexpr const char* kNyomtatasElokeszitese = "Nyomtatás előkészítése";

struct NyomtSor {
    std::string Szoveg;
    bool Vastag = false;
    bool operator==(const NyomtSor&) const = default;
};

// The separator line under the page heads: 90 em dashes.
const std::string& ElvalasztoVonal();

// What the page head of a variation printout shows besides the page numbers.
struct BontFejlecAdatok {
    std::string Cim;     // the bold title (BontListaCim)
    std::string Verzio;  // the variation's version text
    std::string Datum;   // its date, short form
};

// The printing unit's state: the buffer and the page bookkeeping.
struct NyomtatasEgyseg {
    std::vector<NyomtSor> ListaPuffer;
    std::int32_t NyomtSorokSzama = 0;    // list rows per page of the printout
    std::int32_t NyomtOldal = 1;
    std::int32_t NyomtOldalakSzama = 1;
    std::int32_t NyomtOldalKezdet = 0;   // buffer line where the current page starts
    bool NyomtLapozas = true;            // form feeds and page numbers
    std::int32_t OldalSorok = kAllomanyOldalSorok;
    std::int32_t OldalListaSorok = kAllomanyOldalListaSorok;
    std::string ListaAllomany;
    BontFejlecAdatok Fejlec;

    std::int32_t SorDb() const { return static_cast<std::int32_t>(ListaPuffer.size()); }
    // Appends a text; every "\r\n" (or lone "\r" or "\n") in it starts a new
    // buffer line, as a rich edit splits an appended string.
    void Hozzaad(std::string_view szoveg, bool vastag = false);
    void Torles() { ListaPuffer.clear(); }
    // The buffer's lines as plain text.
    std::vector<std::string> Sorok() const;
};

// Sets the page sizes for a file (71/64) or for paper (80/74).
void OldalMeretek(NyomtatasEgyseg& n, bool allomanyba);

// Title of the variation printouts: the variation heading, the line count
// with " számsorra " when there are lines, then "- " and the game's name.
std::string BontListaCim(const std::string& bontasFejlec, std::int64_t bontSzelvszam, const std::string& jatekNev);
// " Kavarex Personal " + version + the date right-aligned in 30 characters
// and, with paging, "p/n oldal" right-aligned in 40 minus the version's
// length.
std::string FejlecSor(const std::string& verzio, const std::string& datum, bool lapozas, std::int32_t oldal,
                      std::int32_t oldalak);

// The page head of the variation printouts: nothing when the buffer holds
// lines and paging is off.
void BontListaFejlec(NyomtatasEgyseg& n);
// Starts a new page: the page number, the rows per page, the form feed
// (with paging), the page start and the page head.
void UjOldal(NyomtatasEgyseg& n);
// True when k more lines fit on the current page; otherwise starts a new
// page and returns false.
bool OldalTores(NyomtatasEgyseg& n, std::int32_t k);

// The buffer cut into pages: each page ends with its form-feed line (the
// last page has none). A buffer without form feeds is one page.
std::vector<std::vector<NyomtSor>> LapokFelosztasa(const std::vector<NyomtSor>& puffer);

// The printable rectangle of a page in device pixels: the margin less the
// printer's physical offset on each side (never below 0); a rectangle whose
// sides would cross is all zeros (the whole page is used).
struct LapTeglalap {
    std::int32_t Bal = 0, Felso = 0, Jobb = 0, Also = 0;
    bool operator==(const LapTeglalap&) const = default;
};
LapTeglalap NyomtatasiTeglalap(double dpiX, double dpiY, std::int32_t eltolasX, std::int32_t eltolasY,
                               std::int32_t szelesseg, std::int32_t magassag, std::int32_t margoMm);



}  // namespace kvx
