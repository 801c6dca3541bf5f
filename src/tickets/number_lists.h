#pragma once
// The main ticket's number lists: selected, fixed, constant and random
// numbers, the counts derived from them, and the marking rules that change
// them. This is the one model of "marked": a ticket window paints each
// number panel from SzamSzerep() and never keeps a marking state of its own.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "app/main_state.h"
#include "common/arrays.h"

namespace kvx {

// Uniform random integer in lo..hi (both inclusive). The program's random
// source is passed in, so that tests can drive it.
using VeletlenFuggveny = std::function<int(int lo, int hi)>;

// Marking modes (the main window's modifier mode; 200, 300 and 350 change
// no list).
enum JelolesMod : int {
    ModKijelolt = 0,
    ModFix = 50,
    ModAllando = 100,
    ModVeletlen = 150,
    ModShiftCtrl = 200,
    ModAlt = 300,
    ModShiftAlt = 350,
};

// Role of one number on the main ticket, for painting its panel.
enum class SzamSzerep { Nincs, Kijelolt, Fix, Allando, Veletlen };

// State of the main ticket's lists. Ticket numbers 1..OsszesSzam; extra-pool
// numbers are stored above FoSzamKeszlet.
struct SzamListak {
    // Numbers chosen for the variation in marking order, main-pool numbers
    // first, extra-pool numbers at the end; constant and random numbers are
    // in it too, fixed numbers are not.
    TTombByte1D KijeloltSzamok;
    TTombByte1D FixSzamok;       // in marking order
    TTombByte1D AllandoSzamok;   // constant numbers
    TTombByte1D VeletlenSzamok;  // random numbers

    std::int32_t KijeloltSzamDb() const { return static_cast<std::int32_t>(KijeloltSzamok.size()); }
    std::int32_t KijeloltSzamFelso() const { return KijeloltSzamDb() - 1; }
    std::int32_t FixSzamDb() const { return static_cast<std::int32_t>(FixSzamok.size()); }
    std::int32_t FixSzamFelso() const { return FixSzamDb() - 1; }
    std::int32_t AllandoSzamDb() const { return static_cast<std::int32_t>(AllandoSzamok.size()); }
    std::int32_t AllandoSzamFelso() const { return AllandoSzamDb() - 1; }
    std::int32_t VeletlenSzamDb() const { return static_cast<std::int32_t>(VeletlenSzamok.size()); }
    std::int32_t VeletlenSzamFelso() const { return VeletlenSzamDb() - 1; }

    // Recomputed by PluszSzamokAVegere after every change.
    std::int32_t KijeloltPluszSzamDb = 0;  // selected extra-pool numbers
    std::int32_t AllandoPluszSzamDb = 0;   // of those, constant ones
    std::int32_t KijeloltFoSzamDb = 0;     // KijeloltSzamDb - KijeloltPluszSzamDb
    std::int32_t KijeloltFoSzamFelso = -1;

    // Numbers varied per line; set by VariacioMeretBeallitas.
    std::int32_t VariacioMeret = 0;
    std::int32_t VariacioFoMeret = 0;
    std::int32_t VariacioMeretFelso = -1;
    std::int32_t VariacioFoMeretFelso = -1;

    // The number order is applied to the selection (cleared while a file loads).
    bool SzamsorrendAlkalmaz = true;
    // A fixed number was marked since the conditions window last gave its
    // advice on fixed numbers: the advice is due.
    bool FixSzamUzenet = false;
};


// Extension mode of the variation and the counts kept when it began.
struct BovitesAllapot {
    bool BontasBovites = false;
    std::int32_t BovitesKijeloltSzamDb = 0;
    std::int32_t BovitesFixSzamDb = 0;
    std::int32_t BovitesPluszSzamDb = 0;
};

// What a marking did and what the caller has to show or run after it.
struct JelolesEredmeny {
    bool Elutasitva = false;          // refused before anything happened (nothing else to do)
    bool Valtozott = false;           // a list changed
    bool ModVisszaallitas = false;    // reset the marking mode to 0
    bool FixSzamUzenet = false;       // the fixed-number advice of the conditions window is due
    int FormTagValtozas = 0;          // +1 / -1 when a fixed number was added / removed
    std::string Informacio;           // text for the information box, empty when none
    std::vector<std::string> Figyelmeztetesek;  // texts for the warning box (extension mode)
    bool BovitesVisszaallt = false;   // extension mode: the ticket holds the extended variation's numbers again
};

// Runs before the lists change whenever a marking is not refused up front:
// the caller clears the conditions and, with a variation, offers its backup.
using JelolesElott = std::function<void()>;

// Queries (linear scans).
bool KijeloltE(const SzamListak& l, int n);
bool FixE(const SzamListak& l, int n);
bool AllandoE(const SzamListak& l, int n);
bool VeletlenE(const SzamListak& l, int n);
// 1-based position of n in KijeloltSzamok / FixSzamok, 0 when absent.
int KijeloltPozicio(const SzamListak& l, int n);
int FixPozicio(const SzamListak& l, int n);
// Marked = selected or fixed (the panel shows the marked-cell colour).
bool JeloltE(const SzamListak& l, int n);
SzamSzerep SzamSzerepe(const SzamListak& l, int n);

// VariacioMeret := n and the three values derived from it.
void VariacioMeretBeallitas(SzamListak& l, const GameParams& g, std::int32_t n);

// Empties all four lists and sets the variation size to a whole line
// (the state of a newly built main ticket).
void ListakInicializalasa(SzamListak& l, const GameParams& g, MainState& ms);

// Moves the extra-pool numbers to the end of KijeloltSzamok (each part keeps
// its order) and recounts KijeloltPluszSzamDb, AllandoPluszSzamDb,
// KijeloltFoSzamDb and KijeloltFoSzamFelso. A file loader that filled the
// lists directly calls this afterwards.
void PluszSzamokAVegere(SzamListak& l, const GameParams& g, MainState& ms);

// The marking engine: toggles number a in the role of mode. remove is true
// when the number is marked now (JeloltE). Every change clears Mentve.
JelolesEredmeny SzamJeloles(SzamListak& l, const GameParams& g, MainState& ms, int a, int mode, bool remove,
                            const BovitesAllapot& bov = {}, const JelolesElott& elott = {});
// The click on a number panel: remove := the number is marked.
JelolesEredmeny SzamKattintas(SzamListak& l, const GameParams& g, MainState& ms, int a, int mode,
                              const BovitesAllapot& bov = {}, const JelolesElott& elott = {});

// Result of a clear or of a command that marks several numbers.
struct TobbJelolesEredmeny {
    bool Valtozott = false;
    bool TeljesFrissites = false;  // the ticket must be redrawn whole (form Tag := 1000)
    std::vector<JelolesEredmeny> Jelolesek;
};

TobbJelolesEredmeny FixSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms, const BovitesAllapot& bov = {},
                                     const JelolesElott& elott = {});
TobbJelolesEredmeny AllandoSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms,
                                         const BovitesAllapot& bov = {}, const JelolesElott& elott = {});
TobbJelolesEredmeny VeletlenSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms,
                                          const BovitesAllapot& bov = {}, const JelolesElott& elott = {});
// Unmarks every selected number that is neither constant nor random.
TobbJelolesEredmeny KijeloltSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms,
                                          const BovitesAllapot& bov = {}, const JelolesElott& elott = {});
// Fixed, constant, random, then selected; the order is applied again after it.
TobbJelolesEredmeny MindenSzamTorlese(SzamListak& l, const GameParams& g, MainState& ms,
                                      const BovitesAllapot& bov = {}, const JelolesElott& elott = {});

// Marks every number 1..count that is neither fixed nor selected, while not
// all numbers are taken.
TobbJelolesEredmeny MindenSzamKijelolese(SzamListak& l, const GameParams& g, MainState& ms, int count,
                                         const BovitesAllapot& bov = {}, const JelolesElott& elott = {});

// "Kijelölés mind". Outside extension mode, or when the counts kept at its
// start are 0 or the whole ticket, every free number is marked. In extension
// mode the lines are positions in a selection of a fixed size: only as many
// main numbers (ascending from 1) and extra-pool numbers (ascending from the
// first) are marked as the extended variation had.
TobbJelolesEredmeny KijelolesMind(SzamListak& l, const GameParams& g, MainState& ms, const BovitesAllapot& bov = {},
                                  const JelolesElott& elott = {});

// Text of the refusal when lower..upper holds no free number.
inline constexpr const char* kNincsSzabadSzam = "Nincs több kijelölhető szám.";

// Marks one random number from the unmarked numbers of lower..upper, each
// with the same chance. When there is none, nothing changes and the result
// is refused with kNincsSzabadSzam as its information text.
JelolesEredmeny VeletlenSzamGeneralas(SzamListak& l, const GameParams& g, MainState& ms, int lower, int upper,
                                      const VeletlenFuggveny& rnd, const BovitesAllapot& bov = {},
                                      const JelolesElott& elott = {});

// The most numbers the random-numbers command may add: the free numbers of
// the ticket; in extension mode the numbers the extended selection still
// lacks.
int VeletlenSzamokMaximum(const SzamListak& l, const GameParams& g, const BovitesAllapot& bov = {});

// Marks n random numbers among the unmarked ones of 1..OsszesSzam. In
// extension mode (kept counts neither 0 nor every number) the missing
// extra-pool numbers come first, then main-pool numbers. Never more than n
// nor than VeletlenSzamokMaximum; it stops early when no free number of the
// range is left.
TobbJelolesEredmeny VeletlenSzamokKijelolese(SzamListak& l, const GameParams& g, MainState& ms, int n,
                                             const VeletlenFuggveny& rnd, const BovitesAllapot& bov = {},
                                             const JelolesElott& elott = {});

// Orders KijeloltSzamok by mode (1 ascending, 2 descending, 3 random, 0
// leaves it) when SzamsorrendAlkalmaz is set, then moves the extra-pool
// numbers to the end. The random order is a uniform shuffle.
void Szamsorrend(SzamListak& l, const GameParams& g, MainState& ms, int mode, const VeletlenFuggveny& rnd);

// Names of the number orders 0..3.
const char* SzamsorrendNev(int mode);

// Select-all state of the main window's commands.
struct KijelolesMenu {
    bool Engedelyezett = false;
    std::string KijelolesTipp;  // hint of "Kijelölés mind"
    std::string VeletlenTipp;   // hint of "Véletlen számok"
};
KijelolesMenu KijelolesMenuAllapot(const SzamListak& l, const GameParams& g, const BovitesAllapot& bov = {});

// State of the clearing commands: the "Törlés" submenu and "Minden szám"
// (with its toolbar button) need selected or fixed numbers; each item of
// the submenu needs numbers of its own kind. A disabled item's hint says
// what is missing.
struct TorlesMenuPont {
    bool Engedelyezett = false;
    std::string Tipp;
};
struct TorlesMenu {
    TorlesMenuPont Torles;      // the "Törlés" submenu
    TorlesMenuPont Mind;        // "Minden szám" and the toolbar's "Törlés"
    TorlesMenuPont Kijelolt;    // "Variáció számai": selected other than constant and random
    TorlesMenuPont Fix;         // "Fix számok"
    TorlesMenuPont Allando;     // "Állandó számok"
    TorlesMenuPont Veletlen;    // "Véletlen számok"
};
TorlesMenu TorlesMenuAllapot(const SzamListak& l);

// "Saját számokkal" (a sample variation of the user's own line): the line
// is one whole line of constant numbers on an otherwise empty ticket
// (KijeloltSzamDb = AllandoSzamDb = SzamsorHossz, no fixed numbers), outside
// extension mode, in any game but 16. A disabled command's hint goes on to
// say what to mark.
struct SajatSzamokMenu {
    bool Engedelyezett = false;
    std::string Tipp;
};
SajatSzamokMenu SajatSzamokAllapot(const SzamListak& l, const GameParams& g, bool bontasBovites);

// The line holds more numbers than one line of the game: the conditions and
// the save commands have something to work on. Without an extra pool
// selected + fixed > SzamsorHossz; with one, the main numbers exceed
// SzamsorFoSzamDb and the extra numbers fill PluszSzamDb.
bool SzamsorTulteli(const SzamListak& l, const GameParams& g);

// Confirmation before a clear. kind 0 selected, 1 fixed, 2 constant, 3 random.
struct TorlesHelyzet {
    std::string BackFigyelmeztetes;  // prefix warning that no backup is made
    bool LetoltesFolyamatban = false;  // the download window is busy
    bool Mentve = false;
    bool VanVariacio = false;        // BontSzelvszam > 0
    bool BontasBovites = false;
    bool FeltetelJelzo = false;
    bool VanSzam = false;            // numbers selected or fixed
};
// The question to ask, or nullopt when the answer is yes without a question.
std::optional<std::string> TorlesKerdes(int kind, const TorlesHelyzet& h);
// Whether the automatic backup is written before a clear is confirmed.
bool TorlesElottiMentes(bool backMentesEngedely, const std::string& backTipus, std::int64_t bontMatrixMeret);


}  // namespace kvx
