#pragma once
// The variation test: how well the stored lines cover possible outcomes.
//
// Test lines come either from a range of the draws table (every drawing is a
// test line, a row's second drawing too) or from every combination of t
// numbers of the variation's own selection, optionally judged against the
// conditions. For each test line the best hit class any stored line reaches
// is counted; up to 1,000 example lines per class are kept for the list and
// for inserting them into the variation.
//
// The test walks its own test lines and reads a copy of the stored lines: it
// never touches the generation run's enumerator (a paused run resumes
// afterwards as it was) and never changes the store's width or contents.
// The worker publishes only counters (atomics); every text is built by the
// caller from those counters or, after the worker has ended, from the
// final result.
#include <array>
#include <atomic>
#include <cstdint>
#include <limits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "app/workers.h"
#include "common/arrays.h"

namespace kvx {

// Example lines kept per hit class.
constexpr std::int32_t kTesztPeldaMax = 1000;

// The test's shape, prepared by the main window's test command.
struct TesztBeallitas {
    bool HuzasokTeszt = false;                // test lines from the draws
    std::int32_t TesztSzamsorHossz = 0;       // t: numbers of a test line
    std::int32_t TesztFoSzamDb = 0;           // t without extra-pool numbers
    std::int32_t TesztValtozoSzamDb = 0;      // t without the fixed numbers
    std::int32_t TesztValtozoFoSzamDb = 0;    // TesztFoSzamDb without the fixed numbers
    std::int32_t TesztPluszSzamDb = 0;        // extra numbers per test line (bonus or extra pool)
    std::int32_t TesztTalalatSzorzo = 1;      // class stride of one main hit
    bool TesztPluszTalalat = false;           // extra hits form classes of their own
    std::int32_t OsztalyokSzama() const { return (TesztSzamsorHossz + 1) * TesztTalalatSzorzo; }
};

// ---- The main window's test set-up

struct TesztBeallitasBemenet {
    GameParams Jatek;
    std::int32_t KijeloltSzamDb = 0;
    std::int32_t KijeloltFoSzamDb = 0;
    std::int32_t KijeloltPluszSzamDb = 0;
    std::int32_t FixSzamDb = 0;
    std::int32_t VariacioMeret = 0;
    bool HuzasokLogPipa = true;       // the window's " Húzások számsoraival" box is ticked
    bool AdatbazisBetoltve = false;
    bool FeltetelJelzo = false;       // a condition is selected
    std::int32_t SzamPozicio = 20;    // the test-size up-down's position now
    std::int32_t ListaPozicio = 5;    // the hit-class up-down's position now
};

struct TesztElokeszites {
    std::string Elutasitas;  // not empty: the test cannot run, show this
    TesztBeallitas B;
    bool HuzasokLogEngedelyezett = false;
    bool HuzasokLogPipa = false;
    bool FeltetelekLogEngedelyezett = false;
    std::int32_t SzamMin = 2, SzamMax = 20, SzamPozicio = 20;
    std::int32_t ListaMax = 20, ListaPozicio = 5;
    std::string SzamTipp;  // hint of the test-size edit and its up-down
};

TesztElokeszites TesztBeallitasKeszites(const TesztBeallitasBemenet& be);

// Test size (ABSZTEST). Draw test: the drawings of rows elso..utolso
// (1-based), a row's second drawing counted where it is present. Full test:
// the combinations of the selection the test walks.
std::int64_t SetABSZTEST(const TesztBeallitas& b, const GameParams& g, const TTombInt2D& huzasok, std::int32_t elso,
                         std::int32_t utolso, std::int32_t KijeloltFoSzamDb, std::int32_t KijeloltPluszSzamDb);

// ---- The engine

// Judges one test line (selection indexes, ascending) against the conditions.
using TesztFeltetelFv = std::function<bool(std::uint8_t* sor)>;
// Makes one judge per thread (the judges keep per-line state).
using TesztFeltetelGyar = std::function<TesztFeltetelFv()>;

enum class GyorsKereses { Automatikus, Be, Ki };

struct TesztBemenet {
    TesztBeallitas B;
    GameParams Jatek;
    TTombByte1D KijeloltSzamok;        // main-pool numbers first
    std::int32_t KijeloltFoSzamDb = 0;
    TTombByte1D FixSzamok;
    // The stored lines: SorDb rows of SorHossz selection indexes.
    std::vector<std::uint8_t> Sorok;
    std::int32_t SorHossz = 0;
    std::int32_t SorDb = 0;
    // Draw test: the rows of the range (as in the draws table) and the
    // 1-based row number of the first of them.
    TTombInt2D Huzasok;
    std::int32_t ElsoSorszam = 1;
    // Full test with the conditions judged.
    bool FeltetelTeszt = false;
    TesztFeltetelGyar Feltetel;
    // The list level L (the class the window lists): examples are kept only
    // of test lines with at most L hits of their own (fixed numbers apart).
    std::int32_t ListaSzint = std::numeric_limits<std::int32_t>::max();
    std::int32_t SzalDb = 0;  // 0: every core
    GyorsKereses Gyors = GyorsKereses::Automatikus;
    // Without fixed numbers, extra pool and bonus hits: every subset of every
    // stored line marked in one bitmap per size, and a test line's best class
    // read as its largest marked subset (Be where it applies, Automatikus
    // where it takes less work than comparing the lines).
    GyorsKereses Bitkep = GyorsKereses::Automatikus;
};

// Counts of a test as the reports read them.
struct TesztSzamok {
    std::vector<std::array<std::int64_t, 2>> TesztOsztalyDb;  // per class: [0] all, [1] failed the conditions
    std::int64_t TesztSzamsorDb = 0;
    std::int64_t TesztFeltetelDb = 0;
};

struct TesztEredmeny {
    TesztSzamok Szamok;
    std::vector<std::int64_t> TesztTalalatDb;               // examples stored per class
    // Per class the examples, PeldaHossz values each. Draw test: the drawn
    // numbers, the bonus numbers, the 1-based draw row. Full test: the test
    // line's selection indexes.
    std::vector<std::vector<std::int32_t>> TesztTalalatSzamsorok;
    std::int32_t PeldaHossz = 0;
    bool Kesz = false;  // the test ran to its end
};

class VariacioTeszt {
public:
    explicit VariacioTeszt(TesztBemenet be);
    VariacioTeszt(const VariacioTeszt&) = delete;
    VariacioTeszt& operator=(const VariacioTeszt&) = delete;
    ~VariacioTeszt();

    // Runs the whole test on the calling thread (with helper threads). True
    // when it ran to its end, false when it was stopped.
    bool BontasGepiEllenorzes();
    // Stop: the test ends after the lines in hand, without a final result.
    void Leallitas()
    {
        BontTesztFut_.store(false);
        TesztTartas::Ebresztes();
    }
    bool BontTesztFut() const { return BontTesztFut_.load(); }

    std::int64_t TesztSzamsorDb() const { return szamsorDb_.load(std::memory_order_relaxed); }
    // The counts as they stand (any thread).
    TesztSzamok Pillanatkep() const;
    // The result: complete after BontasGepiEllenorzes returned true.
    const TesztEredmeny& Eredmeny() const { return eredmeny_; }
    const TesztBemenet& Bemenet() const { return be_; }
    // The classes are read from the subset bitmaps (see TesztBemenet::Bitkep).
    bool ReszhalmazBitkepek() const;

private:
    struct Belso;
    TesztBemenet be_;
    std::unique_ptr<Belso> b_;
    std::atomic<bool> BontTesztFut_{false};
    std::atomic<std::int64_t> szamsorDb_{0};
    std::atomic<std::int64_t> feltetelDb_{0};
    std::unique_ptr<std::atomic<std::int64_t>[]> osztaly_;  // 2 per class
    TesztEredmeny eredmeny_;
};

// ---- Texts

// What the report needs besides the counts.
struct TesztRiportBemenet {
    TesztBeallitas B;
    GameParams Jatek;
    std::int32_t FixSzamDb = 0;
    bool FeltetelTeszt = false;   // the conditions were judged
    bool FeltetelJelzo = false;   // a condition is selected
    std::int32_t ImportCountMeret = 0;  // extension boundaries of the variation
    std::int32_t BontMatrixMeret = 0;
    std::int32_t VariacioMeret = 0;
    std::int64_t ABSZTEST = 0;
};

// The table of classes (PeldabontasLog). vegleges: the final report.
std::string BontasTesztLista(const TesztRiportBemenet& r, const TesztSzamok& sz, bool vegleges);
// The right-hand columns of the row of class j.
std::string BontasTesztListaTovabb(const TesztRiportBemenet& r, const TesztSzamok& sz, std::int32_t j);

// The class text of up-down position n ("3", "3+1").
std::string TesztListPositionText(std::int32_t n, const TesztBeallitas& b);
// The hint of the class edit: the class text + " találatos teszt számsorok listája ".
std::string TesztListDbTalalatraTipp(std::int32_t n, const TesztBeallitas& b);

struct TesztListaBemenet {
    TesztBeallitas B;
    GameParams Jatek;
    TTombByte1D KijeloltSzamok;
    std::string AllapotSzoveg;  // the variation's state text (unfinished, edited)
    bool VanRiport = false;
    std::int32_t Osztaly = 0;   // the class listed
};

struct TesztLista {
    std::string Szoveg;        // TesztTalalatLista
    std::string BeillesztTipp; // hint of the insert button; empty when no list
};

TesztLista BontasTesztHianyzoLista(const TesztListaBemenet& be, const TesztEredmeny& e);

// ---- Inserting test lines

// Whether "Beillesztés" may insert the listed class's lines.
struct BeillesztesHelyzet {
    bool VanRiport = false;
    bool VanLista = false;
    TesztBeallitas B;
    std::int32_t VariacioMeret = 0;
    std::int64_t OsztalyPeldaDb = 0;  // examples of the listed class
    std::int32_t BontMatrixMeret = 0;
    std::int32_t KijeloltSzamDb = 0;
    std::int32_t OsszesSzam = 0;
};
bool BeillesztesEngedelyezett(const BeillesztesHelyzet& h);

// The rows to insert: examples elso..utolso (1-based) of class c as store
// rows of VariacioMeret selection indexes, ascending. Empty when a number
// of an example is not selected or a row would not fit the store's width.
std::vector<std::uint8_t> TesztSorok(const TesztEredmeny& e, const TesztBeallitas& b, std::int32_t c,
                                     std::int32_t elso, std::int32_t utolso, const TTombByte1D& KijeloltSzamok,
                                     std::int32_t sorHossz);

// ---- The window's clock

// "Hátralévő: ..." text and whether the one-day rule stops the test.
struct TesztIdoBecsles {
    std::int32_t Szazalek = 0;
    double HatralevoNap = 0;   // estimated remaining time, days
    bool TobbMintEgyNap = false;
    bool Leallitas = false;    // over a day and more than 30 seconds elapsed
};
TesztIdoBecsles TesztIdoBecslese(std::int64_t vizsgalt, std::int64_t ABSZTEST, double elteltMasodperc);
// The warning of the one-day rule.
std::string EgyNapUzenet(double napok);
// "0:00:00" of a duration in seconds.
std::string TesztIdoSzoveg(double masodperc);

}  // namespace kvx
