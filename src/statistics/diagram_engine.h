#pragma once
// The chart statistics' engine: one routine per statistic computes the
// result table and its scalars, or takes them from the cache. Each runs on
// the statistics worker, reads the draws or the variation lines it is given
// and polls the run flag before every line.
#include "app/game_table.h"
#include "app/workers.h"
#include "common/arrays.h"
#include "statistics/stat_result.h"
#include "statistics/stat_table.h"

#include <atomic>
#include <cstdint>

namespace kvx {

// The rows of a variation, one at a time.
class VariacioSorForras {
public:
    virtual ~VariacioSorForras() = default;
    virtual std::int32_t SorDb() const = 0;     // rows holding lines
    virtual std::int32_t SorHossz() const = 0;  // bytes of one row
    virtual const std::uint8_t* Sor(std::int32_t m) const = 0;
    // The rows as one block of SorDb() x SorHossz() bytes, where they are
    // one (the long walks then read them without a call per row).
    virtual const std::uint8_t* Blokk() const { return nullptr; }
};

// A block of rows x length bytes.
class BlokkSorForras : public VariacioSorForras {
public:
    BlokkSorForras(const std::uint8_t* blokk, std::int32_t sorok, std::int32_t hossz)
        : blokk_(blokk), sorok_(blokk ? sorok : 0), hossz_(hossz)
    {
    }
    std::int32_t SorDb() const override { return sorok_; }
    std::int32_t SorHossz() const override { return hossz_; }
    const std::uint8_t* Sor(std::int32_t m) const override
    {
        return blokk_ + static_cast<std::size_t>(m) * static_cast<std::size_t>(hossz_);
    }
    const std::uint8_t* Blokk() const override { return blokk_; }

private:
    const std::uint8_t* blokk_;
    std::int32_t sorok_;
    std::int32_t hossz_;
};

// What a run and the window's timer share. The window cancels through
// Leallitas; the engine raises the counters.
struct StatFutas {
    std::atomic<bool> StatisztikaFut{false};
    void Leallitas()
    {
        StatisztikaFut.store(false);
        TesztTartas::Ebresztes();
    }
    std::atomic<std::int32_t> Haladas{0};
    std::atomic<std::int32_t> Ciklus{1};
    std::atomic<std::int32_t> CiklusDb{1};
};

// Tags 1 and 2 from the ticket's per-number table ([i][0] the value, [i][1]
// the last draw holding number i + 1): rows (number, value, last draw),
// [3] the main-pool total, [4] its lower half, [5] its upper half.
void FoszelvenyStatisztika(const TTombInt2D& aktiv, const GameParams& g, StatEredmeny& e);

// What the frequency distribution reads besides the lines.
struct GyakorisagBemenet {
    GameParams Jatek;
    bool HuzasSzamsorVariacio = false;  // the rows hold the numbers themselves
    TTombByte1D KijeloltSzamok;         // otherwise they index these
    std::int32_t VariacioMeretFelso = -1;
    std::int32_t TartomanyUtolso = 0;   // last line (1-based) counted
};

// Tag 3. Counts every number's occurrences over the lines into the cache's
// GyakorisagTabla (built once), then fills e: rows (number, count, last
// line), [2] the main-pool total, [4] and [5] its halves, [6] half the
// main rows rounded up, [7] the extra-pool occurrences. A cancelled run
// empties the table. Returns the extra-pool rows.
std::int32_t GyakorisagiEloszlas(StatMasolat& c, const VariacioSorForras& src, const GyakorisagBemenet& b,
                                 StatFutas& f, StatEredmeny& e);

// The frame: loads the slot of the Tag or computes and stores. aktiv is the
// ticket's table for Tags 1 and 2. True when the run was not cancelled and
// the chart is to be shown.
bool DiagramLekerdezes(std::int32_t tag, StatMasolat& c, const TTombInt2D& aktiv, const VariacioSorForras& src,
                       const GyakorisagBemenet& b, StatFutas& f, StatEredmeny& e);

}  // namespace kvx
