#pragma once
// Message boxes: the fixed description of every box routine, the texts of the
// canned messages and the arithmetic of the program's own dialog. The windows
// that show the boxes live in app/ui/uzenetek.*.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvx {

struct GameParams;

// Result codes of a box, the values the rest of the program compares with.
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;
// MsgEredmeny holds this while a box asked from a worker is open.
constexpr int kMsgFuggoben = 1000;

enum class UzenetTipus { Hiba, Figyelmeztetes, Jovahagyas, Informacio };

// Button set; the buttons appear in this order: Yes, No, OK, Cancel.
enum UzenetGomb : std::uint16_t {
    GombIgen = 1,
    GombNem = 2,
    GombOk = 4,
    GombMegse = 8,
};

// The box routines of the unit.
enum class UzenetRutin {
    HibaUzenet,
    HibaKerdes,
    FigyelmeztetoKerdes,
    FigyelmeztetoUzenet,
    JovahagyasKerese,
    JovahagyasKerdes,
    IgenNemMegseKerdes,
    InformacioUzenet,
    HasznosInformacio,
};

struct UzenetLeiras {
    const char* Cim;            // window title, with its leading blank
    UzenetTipus Tipus;
    std::uint16_t Gombok;       // UzenetGomb bits
    int AlapEredmeny;           // what the box answers when it cannot be shown
    int Hang;                   // system beep value when sounds are on, -1 none
    std::uint32_t RendszerJelzok;  // flags of the system-style box
};

UzenetLeiras uzenetLeiras(UzenetRutin rutin);

// Hungarian caption of one button.
const char* gombFelirat(UzenetGomb gomb);
// Result of one button.
int gombEredmeny(UzenetGomb gomb);
// Buttons of a set in display order; the last one is the default button.
int gombokSzama(std::uint16_t gombok);
UzenetGomb gombSorrendben(std::uint16_t gombok, int index);

// The answer of a box that could not be shown (an exception, or a text that
// does not fit the screen): the last button's result, so a question never
// counts as Yes when the user did not answer it.
int sikertelenEredmeny(std::uint16_t gombok);

// Settings and flags the boxes read. The caller keeps them in step with the
// settings window; tests set them directly.
struct UzenetBeallitasok {
    int MeretIndex = 0;          // 0..6: text size 8, 10, ..., 20; 0 = system style box
    double MeretSzorzo = 1.0;    // text size / 8
    bool Jovahagyas = true;      // ask confirmations
    bool Inform = true;          // show the useful-information tips
    bool Hangjelzes = true;      // sounds
    std::string VerzioSzoveg = defaultVerzioSzoveg();
    std::string IniAllomany;     // path of the INI file for the file-error text
    // The 36 tip flags (1 = still to be shown); null until the settings are wired.
    std::array<std::uint8_t, 36>* UzenetekLog = nullptr;

    static std::string defaultVerzioSzoveg();
};


// Tip flags used by the message boxes.
constexpr int kTippJovahagyas = 25;
constexpr int kTippPluszSzam = 9;
constexpr int kTippPluszSzamTortenet = 5;

// ---- texts ----

// The question appended to every one-time tip.
extern const char* const kEmlekeztetoKerdes;  // "Erre legközelebb is emlékeztesse a program?"
extern const char* const kJovahagyasTipp;
extern const char* const kNemErhetoEl;        // "Ez a funkció még nem érhető el."

// The tips shown before the open and the save dialogs, with their flags.
extern const char* const kMegnyitasTipp;
extern const char* const kMentesTipp;
inline constexpr int kMegnyitasTippIndex = 21;
inline constexpr int kMentesTippIndex = 20;

// Text of a HasznosInformacio box in the own dialog or in the system box.
std::string hasznosInformacioSzoveg(const std::string& tipp, bool rendszerDoboz);
// Text of a box in the own dialog: the message followed by an empty line.
std::string sajatDobozSzoveg(const std::string& uzenet);

std::string ervenytelenAllomanySzoveg(const std::string& allomany, const std::string& szoveg,
                                      bool altalanos);
extern const char* const kNincsSzabadHely;
extern const char* const kHianyzoHuzasLista;
extern const char* const kSerultHuzasLista;
extern const char* const kNincsInternet;
// objektum 0 "a számsor", 1 "a variáció", 2 "az adatbázis", 3 the INI file;
// muvelet 0 "betöltése", 1 "mentése".
std::string allomanyHibaSzoveg(int objektum, int muvelet, const std::string& iniAllomany);
std::string ujabbVerzioAllomanySzoveg(const std::string& verzioSzoveg,
                                      const std::string& allomanyVerzio);
// With the error flag the text of a HibaUzenet, otherwise of a FigyelmeztetoUzenet
// (the caller then loads the file as the named game).
std::string masikJatekAllomanySzoveg(const std::string& allomany, bool hiba, int lottoIndex);
// What one line of an import file must hold, in the game's own terms: for a
// draw (huzas true) the numbers of every drawing with its extra and bonus
// numbers, for a line of a variation its main and extra numbers with the
// separators between them; with an example line. Extra numbers count as the
// ticket shows them (from 0 where the pool starts at 0).
std::string importSorLeiras(const GameParams& g, bool huzas);
// The detail a refused import adds after its message: an empty line, the
// line's number (from 1) and its text as read (quoted, cut after 60
// characters; an empty line says so), then what a line must hold.
std::string importHibasSor(std::int64_t sor, std::string_view szoveg, const std::string& leiras);

// The extra-number history note of a game at a draws-list row, or "".
std::string pluszSzamTortenet(int lottoIndex, int huzTablaSor);
std::string pluszSzamTippSzoveg(bool tortenettel, bool tortenetTipp, const std::string& tortenet);

// The unfinished-variation notice is due only when a run is paused, stopped
// or unfinished and the notice was not declined yet.
struct BontasAllapotJelzok {
    bool BontasPause = false;
    bool Leallitott = false;      // TBontas.GetBontStatus
    bool BontasBefejezetlen = false;
};
bool befejezetlenVariacioErtesitendo(bool befejezetlenVariacio, const BontasAllapotJelzok& a);

// ---- own dialog arithmetic ----

// Largest label width of the own dialog at a scale and a work-area width.
int cimkeMaxSzelesseg(double meretSzorzo, int munkaTerSzelesseg);
// Scale factor of the dialog: MeretSzorzo rounded to hundredths.
double dialogusSkala(double meretSzorzo);
// Horizontal shift that centres the row of buttons in the client width.
int gombSorEltolas(int elsoGombBal, int utolsoGombBal, int utolsoGombSzelesseg,
                   int kliensSzelesseg);

struct DialogusMeretek {
    int CimkeTeto = 0, CimkeSzelesseg = 0, CimkeMagassag = 0;
    int DialogusSzelesseg = 0, DialogusMagassag = 0;
    int KliensMagassag = 0;
    int UtolsoGombAlja = 0;   // last button's top + height
    int KepernyoSzelesseg = 0, KepernyoMagassag = 0;
};
// The dialog is shown only when its label has a sensible size, it fits the
// screen and its buttons lie inside the client area.
bool dialogusElfogadhato(const DialogusMeretek& m);

}  // namespace kvx
