#pragma once
// The variation store: the lines of the current variation, k bytes per line
// in one flat block, with the counters that belong to it, the full-variation
// line count and the storing of one accepted line (with the growth of the
// block during a run).
#include <algorithm>
#include <cstdint>
#include <optional>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "common/arrays.h"

namespace kvx {

// A variation never holds more lines than this.
constexpr std::int64_t kBontMaxSzelvszam = 100000000;
// Memory estimate per line used for every free-memory comparison.
constexpr std::int64_t kBontSorMemoria = 32;

// The largest line count the free memory affords (unknown memory: the
// limit itself), at most 100,000,000.
inline std::int64_t BontasOptMerete(std::optional<std::uint64_t> szabadMemoria)
{
    constexpr std::int64_t kMax = 100'000'000;
    if (!szabadMemoria)
        return kMax;
    return static_cast<std::int64_t>(std::min<std::uint64_t>(*szabadMemoria / kBontSorMemoria, kMax));
}
constexpr std::int64_t kBontSorMemoriaOpt = 64;

inline constexpr const char* kSzoveg100Millio =
    "A variáció több mint 100 millió számsort igényel.\r\n\r\nAz aktuális verzió nem tud kezelni ilyen "
    "méretű memóriát:\r\n - Csökkentse a variációra kijelölt számok mennyiségét";
inline constexpr const char* kSzovegNincsMemoria = "Nincs elegendő szabad memória (RAM) a variáció befejezéséhez.";
inline constexpr const char* kSzovegNovelesMind =
    "A variáció mérete meghaladja az engedélyezett számsorok mennyiségét.\r\n\r\nA Beállítások - Variáció "
    "lapon tudja automatikussá tenni a memóriafoglalást: Jóváhagyás kérése opció tiltása\r\n\r\nEngedélyezi "
    "a szükséges memória lefoglalását?\r\n\r\nFolytatja a variáció készítését?";
inline constexpr const char* kSzovegNovelesResz =
    "A variáció mérete meghaladja az engedélyezett számsorok mennyiségét.\r\n\r\nA Beállítások - Variáció "
    "lapon tudja automatikussá tenni a memóriafoglalást: Jóváhagyás kérése opció tiltása\r\n\r\nMegduplázza "
    "a lefoglalt memória méretét?\r\n\r\nFolytatja a variáció készítését?";
inline constexpr const char* kSzovegFoglalasHiba =
    "Hiba történt a memóriafoglalás során.\r\n\r\nJavaslat:\r\n  - mentse el a szükséges adatokat\r\n  - "
    "indítsa újra a programot";

// Moments of a growth during a run: the growth begins (before its
// questions) and ends; the reallocation itself begins and ends.
enum class NovelesJelzes { Kezdet, FoglalasKezdet, FoglalasVege, Vege };

// Copies one line of a fixed length; chosen once per run (SorMasolo).
using SorMasoloFn = void (*)(std::uint8_t* cel, const std::uint8_t* forras);
// The copy for lines of `hossz` bytes (1 .. 32); null for any other length.
SorMasoloFn SorMasolo(std::int32_t hossz);

// The store's block of lines. Like realloc (uj = 0 frees; null when the
// memory cannot be had, the old block then unchanged), but large blocks are
// mapped pages that grow and shrink without a copy and use huge pages where
// the system offers them: a run's store grows with few page faults. New
// bytes are not necessarily zero.
std::uint8_t* TarBlokkAtmeretezes(std::uint8_t* p, std::size_t regi, std::size_t uj);

// What the store needs from outside while it grows: free memory, the
// questions and messages (passed to the GUI thread by the caller), and the
// run facts that decide the kind of growth.
struct TarolasKornyezet {
    std::function<std::int64_t()> SzabadMemoria;                   // bytes; empty = unlimited
    std::function<bool(const std::string&)> JovahagyasKerdes;      // always asked; true = Igen; empty = Igen
    std::function<void(const std::string&)> InformacioUzenet;     // may be empty
    std::function<void(const std::string&)> HibaUzenet;           // may be empty
    // Told of every growth during a run (on the worker): the run window shows
    // it and keeps its time out of the run's duration. May be empty.
    std::function<void(NovelesJelzes)> NovelesJelzo;
    bool JovahagyasVariacio = true;  // ask before enlarging the store
    bool OptimalizaltKereses = false;  // the optimisation search keeps a second copy

    std::int64_t szabadMemoria() const { return SzabadMemoria ? SzabadMemoria() : INT64_MAX; }
    std::int64_t sorMemoria() const { return OptimalizaltKereses ? kBontSorMemoriaOpt : kBontSorMemoria; }
};

// Facts of the current run that the growth rule reads.
struct TarolasFutas {
    bool FeltetelJelzo = false;
    std::int32_t Hibapont = 0;
    bool TulirasBont = false;
    std::int32_t Tuliras = 0;
    std::int32_t TulirasFelsoHatar = 0;  // upper limit of the Találat value (line length - 1)
    bool HuzasSzamsorVariacio = false;
};

// The store state of the variation unit; the program's one instance is
// held by the Program object, tests make their own.
struct VariationStore {
    VariationStore() = default;
    VariationStore(const VariationStore&) = delete;
    VariationStore& operator=(const VariationStore&) = delete;
    ~VariationStore() { TarBlokkAtmeretezes(FBontasMatrix, FBontasMatrixBajt, 0); }

    // BontMatrixMeret rows of BontMatrixSorHossz bytes. Rows 0 ..
    // BontSzelvszam - 1 hold lines; the rest are unoccupied.
    std::uint8_t* FBontasMatrix = nullptr;
    std::size_t FBontasMatrixBajt = 0;  // bytes of the block (set by SetBontasMatrix)
    std::int32_t BontMatrixSorHossz = 0;
    std::int32_t BontMatrixMeret = 0;
    std::int32_t BontSzelvszam = 0;
    std::int64_t BontFoglalasMeret = 0;
    std::int64_t BontEngedelyezettMeret = 100000;
    TTombInt1D BontSzamGyakorisag;
    TTombInt1D BontHuzasSorszam;
    std::int64_t ABSZ = 0;
    TTombInt1D Import_Count;
    bool FSzamsorTarolva = false;
    std::int32_t FCelSzelvszam = 0;

    // The row order before the last sort (rows x BontMatrixSorHossz bytes).
    TTombByte1D FBontasMatrixEredeti;
    std::int32_t FBontasMatrixEredetiSorok = 0;
    // The optimisation's best copy.
    TTombByte1D OptLegjobbSzamsorok;
    std::int32_t OptLegjobbSzamsorDb = 0;

    std::int32_t BontMatrixFelso() const { return BontMatrixMeret - 1; }
    std::uint8_t* sor(std::int32_t i) { return FBontasMatrix + static_cast<std::size_t>(i) * static_cast<std::size_t>(BontMatrixSorHossz); }
    const std::uint8_t* sor(std::int32_t i) const
    {
        return FBontasMatrix + static_cast<std::size_t>(i) * static_cast<std::size_t>(BontMatrixSorHossz);
    }

    // Stores one normal line (k = BontMatrixSorHossz indexes). True = go on;
    // False = the run must stop (full variation reached, growth refused or
    // failed). On False because of a failure, *stopKeres is set.
    bool BontasTarol(const std::uint8_t* sor, TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres)
    {
        std::memcpy(this->sor(BontSzelvszam), sor, static_cast<std::size_t>(BontMatrixSorHossz));
        return BontasTarolUtan(sor, env, futas, stopKeres);
    }
    // The same with the run's fixed-length copy.
    bool BontasTarol(const std::uint8_t* sor, SorMasoloFn masolo, TarolasKornyezet& env, const TarolasFutas& futas,
                     bool& stopKeres)
    {
        masolo(this->sor(BontSzelvszam), sor);
        return BontasTarolUtan(sor, env, futas, stopKeres);
    }
    // Stores `db` lines in a row, as that many BontasTarol calls would,
    // stopping where the first of them would answer false. `tarolt` gets how
    // many were stored. `gyakorisag` (may be null): how often each selection
    // index occurs in the `db` lines, counted by the caller.
    bool BontasTarolTomb(const std::uint8_t* sorok, std::int32_t db, const std::int32_t* gyakorisag,
                         TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres, std::int32_t& tarolt);

    // Stores one draw line of a variation built from the draws.
    bool BontasTarolHuzas(std::int32_t huzasSorszam, const std::uint8_t* szamok, TarolasKornyezet& env,
                          const TarolasFutas& futas, bool& stopKeres);

    // The store is full: grows it (doubling or to the full size at once).
    bool Noveles(TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres);
    // True when rows x L bytes fit into free memory; otherwise reports the limit.
    bool MemoriaLimit(std::int64_t sorok, const TarolasKornyezet& env) const;
    bool BontSzabadMemoria(const TarolasKornyezet& env) const;
    // Resizes the block to BontFoglalasMeret rows (one reallocation).
    bool MemoriaLefoglalas(TarolasKornyezet& env, bool& stopKeres);

private:
    bool novelesDontes(TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres);
    // The line is in row BontSzelvszam: count it, grow when full.
    bool BontasTarolUtan(const std::uint8_t* sor, TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres)
    {
        for (std::int32_t i = 0; i < BontMatrixSorHossz; ++i)
            ++BontSzamGyakorisag[sor[i]];
        FSzamsorTarolva = true;
        ++BontSzelvszam;
        if (BontSzelvszam >= ABSZ)
            return false;  // the full variation is complete
        if (BontSzelvszam < BontMatrixMeret)
            return true;
        return Noveles(env, futas, stopKeres);
    }
};


// Line count of the full variation: n numbers, k per line, F of them in the
// separate extra pool (VanPluszSzam, PluszSzamDb extra numbers per line).
// A count that does not fit int64 gives INT64_MIN.
std::int64_t TeljBontSzelvszam(std::int32_t n, std::int32_t k, std::int32_t F, bool VanPluszSzam,
                               std::int32_t PluszSzamDb);

// Exact binomial coefficient, INT64_MIN when it does not fit int64, 0 out of range.
std::int64_t BontBinom(std::int64_t n, std::int64_t k);

// The limit message of MemoriaLimit.
std::string MemoriaLimitSzoveg(std::int64_t sorok, std::int64_t sorMemoria, std::int64_t engedelyezett);

// Recount after lines were edited or deleted: BontSzelvszam := rows, the
// per-number counts counted again over every row (normal variations).
void BontasListazasTorlesUtan(VariationStore& t, std::int32_t KijeloltSzamDb);

}  // namespace kvx
