#pragma once
// The generation run around the enumerator: the run-state flags of the
// variation unit, the active-condition masks, the decisions of the Start
// command, the texts of the run window (duration, header, line count, cost,
// Pause/Break questions, the end report) and the deletion of the variation
// with its confirmation front ends. Nothing here touches a window: questions
// and the window-side effects go through callbacks the caller fills.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "app/wait_jobs.h"
#include "app/game_table.h"
#include "app/shell_state.h"
#include "conditions/condition_records.h"
#include "conditions/variation_options.h"
#include "variation/command_availability.h"
#include "tickets/number_lists.h"
#include "variation/line_enumerator.h"
#include "variation/variation_store.h"

namespace kvx {

struct VariacioAllomanyAllapot;

// The run state of the variation unit that lives beside the store.
struct BontasEgyseg {
    BontasVezerles Vezerles;  // flags and counters shared with the worker
    BontasAllapot Allapot;    // pause line, Tételes window, fulfilled bits
    bool SzerkesztettVariacio = false;
    bool BontasBovites = false;
    // The main ticket's counts when extension mode was switched on (0 when off).
    std::int32_t BovitesKijeloltSzamDb = 0;
    std::int32_t BovitesPluszSzamDb = 0;
    std::int32_t BovitesFixSzamDb = 0;
    // The variation is a sample (example wheel), and the caption its run
    // window is shown with (set by the sample builder before the run; an
    // ordinary run finds it empty).
    bool Peldabontas = false;
    std::string PeldabontasFelirat;
    bool BefejezetlenVariacio = false;
    bool OpcioModosulas = false;
    // Lines are being imported from a text file: clearing the conditions
    // meanwhile neither backs up nor deletes the variation.
    bool ImportFolyamatban = false;
    std::atomic<bool> BontMegszAktiv{false};
    // Written by the worker while the run window's timer reads them.
    std::atomic<double> BontasIdotartam{0.0};  // accumulated generation time, seconds
    std::atomic<double> BontasKezdoIdo{0.0};   // seconds on the run's clock; moved on by questions and growth
    std::atomic<double> BontasZaroIdo{0.0};
    TFeltetelMaszk KijeloltFeltetelek;
    std::int32_t SzamsorHossz = 0;  // length of the pause line
};


// Rebuilds the active-condition masks from the records and returns the
// number of active conditions and sub-conditions.
std::int32_t GetDbFeltetel(const FeltetelRekordok& f, TFeltetelMaszk& kijelolt);
// Bits set in both sets.
std::int32_t GetDbTeljesultFeltetel(const TFeltetelMaszk& teljesult);
TFeltetelMaszk TeljesultMaszk(const BontasAllapot& all);

// "Időtartam: " + [days ":"] + H:mm:ss + decimal separator + milliseconds.
std::string VariacioIdotartama(double masodperc);

// ---- Start

// Full-variation line count as a real number, for sizes beyond int64.
long double TeljBontSzelvszamValos(std::int32_t n, std::int32_t k, std::int32_t F, bool VanPluszSzam,
                                   std::int32_t PluszSzamDb);

struct StartHelyzet {
    std::int64_t BontMatrixMeret = 0;
    std::int64_t ABSZ = 0;            // INT64_MIN (or below 0) when it does not fit 64 bits
    long double ABSZValos = 0;        // the same count as a real number
    bool CsokkentOptimalizalas = false;
    bool FeltetelJelzo = false;
    std::int32_t Hibapont = 0;
    bool TulirasBont = false;
    std::int32_t Tuliras = 0;
    std::int32_t TulirasMax = 0;      // upper limit of the Találat value
};

enum class StartDontes { Indul, ElerteTeljes, TulNagy };

struct StartEredmeny {
    StartDontes Dontes = StartDontes::Indul;
    std::string Uzenet;  // information text of a refusal
};

inline constexpr const char* kSzovegElerteTeljes =
    "A variáció számsorainak mennyisége elérte a teljes variáció méretét.";

// Steps 3 and 5 of Start: the store already holds the full variation, or a
// full variation would be larger than the program handles. A selection
// whose full size overflows 64 bits is too large, never "reached".
StartEredmeny StartEllenorzes(const StartHelyzet& h);

// The variation's state as the command availability reads it (e: a
// variation exists). The game name and the ticket's over-full line are the
// caller's.
ParancsHelyzet BontasParancsHelyzet(const VariationStore& t, const BontasEgyseg& u, const SzamListak& l,
                                    bool HuzasSzamsorVariacio, bool e);

// ---- The engine's input

// What the run takes besides the selection, the records and the options.
struct BontasBemenetKornyezet {
    bool BontasBovites = false;      // extension mode
    bool AdatbazisBetoltve = false;  // the hit-ratio test needs the draws
    bool VanSorFeltetel = true;      // the per-line test has a condition to apply
    std::int32_t HuzasokSzama = 0;   // draws in the loaded table
    std::uint64_t VeletlenMag = 0;   // seed of the random lines
};

// The engine's input from the selection, the condition records, the options
// panel's stored state and the game. Start and the tests build it here only.
BontasBemenet BontasBemenetKeszites(const SzamListak& l, const FeltetelRekordok& f, const VariacioOpcioErtekek& o,
                                    const GameParams& g, const BontasBemenetKornyezet& k);

// ---- Run window texts

// "12 szám variációja " and its variants.
std::string BontasFejlec(std::int32_t KijeloltFoSzamDb, std::int32_t FixSzamDb, bool VanPluszSzam,
                         std::int32_t KijeloltPluszSzamDb, const std::string& PluszSzamNev, bool bovitett);
// n with thousands separators + " számsor".
std::string SzelvSzamSzoveg(std::int64_t n);
// "Variáció költsége: " + lines x price + currency name.
std::string KoltsegSzoveg(std::int64_t sorok, double jegyAr, std::int32_t penznemIndex);
extern const std::array<const char*, 9> kPenznemNevek;
// The Pause (tag 4) or Break (tag 7) question.
std::string MegszakitasUzenet(int tag);
// Told after the store ended a run (a refused or impossible growth): the
// lines stored so far stay.
std::string TarolasLeallitasSzoveg(std::int64_t n);
// The Stop question; bovites/feluliras choose the middle part.
std::string StopUzenet(bool bovites, bool feluliras);
// What a stopped extension keeps: with the optimisation on and its
// Felülírás (every line may be rewritten) the lines as the run left them,
// otherwise the lines it had before the run. The Stop question says which.
bool StopAktualisSorok(bool bovites, const TVariacioOpciok& o);
// Percentage of a tick from the cursor's position estimate.
std::int32_t FolyamatSzazalek(const std::uint8_t* sor, std::int32_t kf, std::int64_t alap, std::int64_t oszto,
                              std::int32_t folyamatAlap);
// Progress scale of a run: origin and divisor of the percentage.
void SetABSZV(std::int32_t nf, std::int32_t kf, std::int64_t& alap, std::int64_t& oszto);

// The line-count label with the Sorozat repetition: the cycle of the run
// ("1/3 ciklus"); the stored lines go to the stored-lines label.
std::string SorozatCiklusSzoveg(std::int32_t TulirasSorozatAkt, std::int32_t TulirasTetelesMin,
                                std::int32_t TulirasTetelesMax);

// The line-count label's beginning while the optimisation search goes:
// [trillions " trillió "] cycle ". ciklus: ".
std::string OptCiklusElotag(std::int64_t trillio, std::int64_t ciklus);
// The same in the Pause and Break question: [trillions " trillió "] cycle
// " ciklusból a(z) " best copy's cycle ". ciklusban: ".
std::string OptMegszakitasElotag(std::int64_t trillio, std::int64_t ciklus, std::int64_t legjobbCiklus);
// The optimisation search's cycle count: [trillions " trillió "] cycles
// " ciklus vizsgálata".
std::string OptCiklusSzoveg(std::int64_t trillio, std::int64_t ciklus);
// The cycle that gave the best copy: "Tárolva " [trillions " trillió "]
// cycle ". ciklus: " lines " számsor".
std::string OptTaroltSzoveg(std::int64_t trillio, std::int64_t ciklus, std::int64_t sorok);

// ---- End of a run

// The one-time tip after a run built from random lines.
inline constexpr const char* kVeletlenTipp =
    "Véletlen számsorokból összeállított variáció\r\nLehetséges, hogy nem került elő a teljes variáció minden "
    "számsora.\r\nEbben az esetben kérdéses a beállított kritériumok teljesülése.";
inline constexpr int kVeletlenTippIndex = 19;
inline constexpr int kHianyzoSzamTippIndex = 22;

// The example-wheel text: empty unless an example wheel of a game with an
// extra pool, without error points, with every number of the game selected.
struct PeldabontasInfoBemenet {
    bool Peldabontas = false;
    bool VanPluszSzam = false;
    std::int32_t Hibapont = 0;
    bool MindenSzamKijelolt = false;
    std::int32_t SzamsorFoSzamDb = 0;
    std::int32_t PluszSzamDb = 0;
    std::int32_t PluszSzamKeszlet = 0;
    std::int64_t BontSzelvszam = 0;
};
std::string ProbabontasPBInfo(const PeldabontasInfoBemenet& be, bool behuzas);

// The missing-numbers tip after a run with lines (empty: nothing to show).
struct BontStatBemenet {
    bool TalArHuzasForras = false;  // the hit-ratio condition takes its lines from the draws
    bool VanTeljesult = false;      // a condition passed during the run (set A)
    std::string PeldabontasInfo;    // ProbabontasPBInfo, may be empty
    TTombByte1D KijeloltSzamok;     // values, main-pool numbers first
    std::int32_t KijeloltFoSzamDb = 0;
    TTombInt1D BontSzamGyakorisag;  // per selection index
    bool VanPluszSzam = false;      // the game has a separate extra pool
    std::string PluszSzamNev;
    std::int32_t FoSzamKeszlet = 0;
    std::int32_t PluszSzamEltolas = 0;
};
std::string BontStatVizsgSzoveg(const BontStatBemenet& be);

struct VegeBemenet {
    std::int64_t BontSzelvszam = 0;
    std::int64_t ABSZ = 0;
    bool BontasPause = false;
    bool BontStatus = true;
    bool BontasBefejezetlen = false;
    TFeltetelMaszk Kijelolt;   // active conditions (GetDbFeltetel)
    std::int32_t KijeloltDb = 0;
    TFeltetelMaszk Teljesult;  // conditions met during the run
    bool TalalatTeteles = false;  // the Találat option with Tételes is on
    bool Optimalizalas = false;
    bool Csokkent = false;
    // Notes of an unfulfilled optimisation and Találat option.
    bool Bovites = false;                // extension mode
    bool Feluliras = false;
    std::int32_t OptVedettSzamsor = 0;   // lines protected from rewriting
    std::int32_t OptMod = 10;            // Mód ratio
    bool OptElsoCiklus = false;          // the best copy dates from the first cycle
    bool OptGyorskereses = false;
    std::int32_t TulirasTetelesMin = 0;
    std::int32_t TulirasTetelesMax = 0;
    std::int32_t TulirasTetelesLimit = 0;  // the limit of the Tételes edits
    std::int32_t Hibapont = 0;
    std::string Felirat;  // the run window's caption of an example wheel, else empty
};

struct VegeJelentes {
    std::string Szoveg;       // empty: nothing to show
    bool HibaDoboz = false;   // error box (no line stored), else information box
};

// The end report of a run that was not stopped.
VegeJelentes VegeJelentesKeszites(const VegeBemenet& be);

// The extension boundaries at the end of a run with lines.
void ImportCountVege(VariationStore& t);

// ---- Deletion and its questions

// What deletion needs from the windows and the rest of the program.
struct TorlesKornyezet {
    std::function<void()> AblakokBezarasa;          // statistics, list, run and test windows
    std::function<void()> ParancsokFrissitese;      // VanNincsBontas with the new state
    std::function<void()> StatuszFrissites;         // status bar
    std::function<void()> VersionBeallitas;         // stamps the version into the variation
    std::function<bool(const std::string&)> JovahagyasKerese;  // asked only when confirmations are on
    // Backup before deletion; false: it could not be written and the user
    // keeps the work (nothing is deleted).
    std::function<bool()> BackMentese;
    std::function<bool()> FeltetelAblakBezarasa;     // closes the conditions window; true when it was open
    std::function<void()> FeltetelAblakMegnyitasa;
    std::function<void()> FeltetelekTorlese;
    // Runs a job on a large store behind the wait window (job code, work);
    // empty: the work runs at once.
    std::function<void(int, const std::function<void()>&)> NagyFeladat;
    std::string BackFigyelmeztetes;
    // A deleted variation belongs to the current game again and holds no
    // lines of another game (unset: nothing to reset).
    VariacioAllomanyAllapot* Allomany = nullptr;
    std::int32_t LottoIndex = 0;
    std::int32_t KijeloltSzamDb = 0;
    bool FeltetelJelzo = false;
    bool BovitesAzonosSzamok = false;  // extension with the selected and fixed counts it began with
};

// Above this many rows resizing or freeing the store runs behind the wait window.
constexpr std::int32_t kBontAblakosMeret = 100000;
// Job codes of the wait window for the store (registered by the caller).
constexpr int kFeladatTombOptimalizalas = 3;  // "Variáció tömbjének optimalizálása"
constexpr int kFeladatListaModositas = 5;     // "Variáció listájának módosítása"
constexpr int kFeladatTorles = 6;             // "Variáció törlése"
constexpr int kFeladatSzamsorTorles = kFeladatBontSzamsorTorles;  // "Variáció számsorainak törlése, rendezése"

void BontasPauseTorlese(BontasEgyseg& u);
// The variation is no sample any more: its flag and its run window caption
// go, so the next run is an ordinary one.
void PeldabontasLogTorles(BontasEgyseg& u);
// The run reached its full size: pause cleared, run status on, nothing unfinished.
void LMPStatusokTorlese(BontasEgyseg& u);
// Deletes the variation, or with truncate cuts it to the last extension boundary.
void BontasTorlese(VariationStore& t, BontasEgyseg& u, bool truncate, bool& Mentve, const TorlesKornyezet& k);
// The delete command's front end; true = the variation was deleted.
bool BontTorlesEng1(VariationStore& t, BontasEgyseg& u, bool& Mentve, const TorlesKornyezet& k);
// Before the conditions are cleared or the numbers of a varied ticket change.
bool BontTorlesEng2(VariationStore& t, BontasEgyseg& u, bool& Mentve, bool& LetiltottFeltetelek,
                    const TorlesKornyezet& k);
// A stopped run in extension mode, as the Stop question says: the store goes
// back to the lines it held before the run (the last extension boundary),
// or with aktualisSorok (StopAktualisSorok) keeps the lines as the run left
// them, closing their part with a boundary.
void BovitesLeallitasUtan(VariationStore& t, std::int32_t KijeloltSzamDb, const TorlesKornyezet& k,
                          bool aktualisSorok = false);

// A stored variation that its run left unfinished (stopped, paused, broken
// off) or whose lines were edited by hand, not yet in extension mode: a
// change of its conditions applies to the lines still to come, so it goes
// on as an extension of the lines it has.
bool MegszakitottVariacio(const VariationStore& t, const BontasEgyseg& u);

// Marks the variation as edited by hand (e) or clears the mark.
void SzerkesztettVariacioBeallitas(VariationStore& t, BontasEgyseg& u, bool e, bool& Mentve, const TorlesKornyezet& k);

// The variation's state as the status bar and the reports read it, with the
// store's row and line counts as the caller may read them.
inline VariacioAllapot VariacioAllapotMost(std::int64_t sorok, std::int64_t szelvenyek, const BontasEgyseg& u)
{
    VariacioAllapot v;
    v.BontMatrixMeret = sorok;
    v.BontSzelvszam = szelvenyek;
    v.BontStatus = u.Vezerles.FBontStatus.load();
    v.BontasPause = u.Vezerles.BontasPause.load();
    v.BontasBefejezetlen = u.Allapot.BontasBefejezetlen;
    v.SzerkesztettVariacio = u.SzerkesztettVariacio;
    return v;
}

}  // namespace kvx
