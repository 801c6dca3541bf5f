#pragma once
// The online-access table "Online.odb": everything game-specific the program
// needs from the web (operators' pages and result files, the online betting
// and upload addresses, the calculator codes), published by the maker with a
// serial number. The file is the record's little-endian image, 124,752
// bytes; short strings are 256-byte fields (length byte, then Windows-1250
// text) and are kept here as they are in the file.
#include <array>
#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/game_table.h"

namespace kvx {

inline constexpr std::size_t kOnlineEleresekMeret = 124752;

using RovidSzoveg = std::string;  // Windows-1250 bytes, at most 255
template <class T>
using JatekTabla = std::array<T, kJatekokSzama>;

struct TOnlineEleresek {
    std::array<std::int32_t, 4> Verzio{};  // required program version a, b, c, d
    std::int32_t Sorszam = 0;              // serial
    JatekTabla<std::int32_t> KalkulatorKod{};
    RovidSzoveg RekordNyeremenyek;
    JatekTabla<RovidSzoveg> KeziFogadas;
    JatekTabla<RovidSzoveg> Feltoltes1;
    JatekTabla<RovidSzoveg> Feltoltes2;
    JatekTabla<RovidSzoveg> Feltoltes3;
    JatekTabla<RovidSzoveg> Feltoltes4;
    JatekTabla<std::int32_t> FeltoltesSzam{};
    JatekTabla<RovidSzoveg> Feltoltes5;
    JatekTabla<RovidSzoveg> Feltoltes6;
    JatekTabla<std::uint8_t> FeltoltesElfogadott{};
    JatekTabla<std::int32_t> FeltoltesMaximum{};
    JatekTabla<RovidSzoveg> TarsasagHonlap;
    JatekTabla<RovidSzoveg> EredmenyAllomany;
    JatekTabla<RovidSzoveg> EredmenyCim;
    JatekTabla<RovidSzoveg> EredmenyArchivum;

    // a x 1000 + b x 100 + c x 10 + d, computed in 64 bits, and the four
    // parts joined by ".". A part outside its range (a below 0; b, c or d
    // outside 0..9) is no version this program's numbering can name: the
    // composite is then above every program version, so the table counts as
    // one that needs a newer program.
    std::int64_t OnlineVerzio() const;
    std::string OnlineVerzioSzoveg() const;
};

// The record from a file image. Only an image of exactly the record's size
// is accepted; nullopt otherwise.
std::optional<TOnlineEleresek> OnlineEleresekOlvasas(std::span<const std::uint8_t> adat);
// The file image (always kOnlineEleresekMeret bytes). A text longer than 255
// bytes is cut.
std::vector<std::uint8_t> OnlineEleresekIras(const TOnlineEleresek& t);

enum class OnlineBetoltes {
    Rendben,
    Megnyitas,        // the file cannot be read
    Meret,            // not exactly the record's size
    UjabbVerzio,      // made for a newer program; the record is still taken
};

// Loads path into t. On Meret and Megnyitas t stays as it was; on
// UjabbVerzio t holds the file's record (the menus follow what it holds).
OnlineBetoltes OnlineEleresBetoltes(const std::string& path, std::int32_t verzioSzam, TOnlineEleresek& t);
// Writes the record to path through a temporary file; false on failure.
bool OnlineEleresMentes(const std::string& path, const TOnlineEleresek& t);

// The error text of every failed load.
extern const char* const kErvenytelenOnlineOdb;

// Check of a downloaded table before it may replace the loaded one.
enum class LetoltottTabla {
    Elfogadva,
    Meret,             // not exactly the record's size
    MasVerzio,         // a table is loaded and this one is for another program version
    UjabbVerzio,       // needs a newer program
    NemUjabb,          // serial not above the loaded one
};
struct LetoltottTablaEredmeny {
    LetoltottTabla Allapot = LetoltottTabla::Meret;
    std::int64_t Verzio = 0;        // the required version read (0 when unreadable)
    std::string VerzioSzoveg;       // its four parts joined by "."
    std::optional<TOnlineEleresek> Tabla;  // set when accepted
};
LetoltottTablaEredmeny LetoltottTablaEllenorzes(std::span<const std::uint8_t> adat, std::int32_t betoltottSorszam,
                                                std::int32_t verzioSzam);

// The text of a small file of the maker's as it is read: blocks of 1024
// bytes, each cut at its first zero byte (a padded file reads as its text).
std::string BlokkSzoveg(const std::string& torzs);
// The serial text of the maker's "online.txt": non-empty, digits only and
// not too long; nullopt otherwise.
std::optional<std::int64_t> SorszamSzoveg(const std::string& szoveg);
// The version text "kvxversion.txt": exactly four digits; the four parts
// joined by "." on success.
std::optional<std::string> VerzioSzovegbol(const std::string& szoveg);

// The internet actions: the menu items carry these values in the command
// table, the about box's links and the start-up checks ask for them by name.
enum class InternetMuvelet : std::int32_t {
    TarsasagHonlap = 0,      // the operator's web site
    Level = 1,               // a mail to the maker (support, remarks)
    KavarexHonlap = 2,
    Kalkulator = 3,
    Szimulator = 4,
    VariaciokLetoltese = 5,
    UjVerzio = 6,            // the version check
    AktualisAdatbazis = 7,   // the current game's database from the maker
    MindenAdatbazis = 8,     // every game's database from the maker
    NaprakeszAdatbazis = 9,  // the current game's draws from the operator
    KeziAdatbevitel = 10,    // online betting by hand
    VariacioFeltoltes = 11,  // the variation to the operator's upload page
    EleresekFrissitese = 13, // the online-access table from the maker
    RekordNyeremenyek = 14,
};
// The enumerator's name (traces, test failures).
std::ostream& operator<<(std::ostream& o, InternetMuvelet m);

// The unit's state: the table in use and the internet actions' flags.
struct OnlineAllapot {
    TOnlineEleresek OnlineEleresek;
    // A refresh of the table is due (start-up finds it old, the user asks,
    // a refresh failed).
    bool EleresFrissitesKell = false;
    // The maker offers a newer table; written by the one running worker.
    std::atomic<bool> UjEleresElerheto{false};
    // The pending action and whether it shows the download window.
    kvx::InternetMuvelet InternetMuvelet = kvx::InternetMuvelet::TarsasagHonlap;
    bool InternetAblakKell = false;
    // The start-up version check has ended (or never ran).
    std::atomic<bool> VerzioKeresesVege{true};
    // A version check is due (asked for, and not yet answered by the site).
    bool UjVerzioKereses = false;
    // What the maker's version file said: the four digits and the dotted text.
    std::string UjVerzioSzam;
    std::string UjVerzioSzoveg;
};

// ---- Internet actions ----

// Percent-encodes a value put into an address (RFC 3986 unreserved kept).
std::string UrlKodolas(const std::string& ertek);

// Keeps an address only when it is http or https (mailto as well when
// levelAllowed); empty otherwise.
bool CimEngedett(const std::string& cim, bool levelIs);

// The calculator page of a game: base + code; for Keno games (szamsorHossz
// numbers per line) "&jt=" + k + "&tt=" + (20 - k) follows.
std::string KalkulatorCim(const std::string& alap, std::int32_t kod, bool keno, std::int32_t szamsorHossz);

// The upload address of game g (texts of the table converted to UTF-8, the
// line count and the file path percent-encoded).
std::string FeltoltesCim(const TOnlineEleresek& t, int g, std::int64_t sorok, const std::string& allomany);

// The instructions shown when the variation has more lines (sorok) than one
// upload may carry (maximum).
std::string FeltoltesFelosztasSzoveg(std::int64_t maximum, std::int64_t sorok);
// The note added before the upload when the operator's handling of the
// file is unknown; empty when the file is accepted.
std::string FeltoltesMegjegyzes(bool elfogadott, const std::string& jatekNev);

// What the per-game internet menu items show for game g.
struct OnlineMenuAllapot {
    bool NaprakeszLathato = false;
    bool TarsasagLathato = false;
    std::string TarsasagFelirat;
    std::string TarsasagTipp;
    bool RekordLathato = false;
    bool KeziEngedett = false;
    std::string KeziTipp;
    int KeziKep = 1;
    bool FeltoltesLehetseges = false;  // the game has online sending
    std::string FeltoltesTipp;
    int FeltoltesKep = 1;
    std::string NaprakeszTipp;
    std::string AktualisTipp;
};
// valtozatVan: the variation store holds lines.
OnlineMenuAllapot OnlineFogadasBeallitasok(const TOnlineEleresek& t, int g, const std::string& jatekNev,
                                           bool valtozatVan);

}  // namespace kvx
