#pragma once
// The result of a statistic and the per-statistic cache. A statistic leaves
// a table of 32-bit integers (SortArray) and eight Doubles (StatErtekek);
// a finished, uncancelled result is kept in the slot of its menu Tag, so the
// next request for it is served without reading a line. The slots are
// dropped per source when the data behind them change.
#include "common/arrays.h"

#include <array>
#include <cstdint>

namespace kvx {

inline constexpr int kStatSlotDb = 34;  // slots 0..33; 0 is never used

struct StatEredmeny {
    TTombInt2D SortArray;               // rows x columns
    std::array<double, 8> StatErtekek{};

    std::int32_t SortArraySorDb() const { return static_cast<std::int32_t>(SortArray.size()); }
    std::int32_t SortArrayOszlopDb() const
    {
        return SortArray.empty() ? 0 : static_cast<std::int32_t>(SortArray.front().size());
    }
    // Rows x Cols; cells that fit keep their values, new cells are zero.
    void SetSortArray(std::int32_t sorok, std::int32_t oszlopok);
    void FinalizeSortArray() { SortArray.clear(); }
};

// Which data a slot was computed from.
enum class StatOldal { Nincs, Foszelveny, Variacio, Adatbazis };
StatOldal SlotOldala(std::int32_t tag);

struct StatMasolat {
    std::array<TTombInt2D, kStatSlotDb> Tablak;
    std::array<std::array<double, 8>, kStatSlotDb> Ertekek{};
    // Occurrences of every number of the variation's lines (the frequency
    // distribution's table); built once per variation, dropped with the
    // variation side.
    TTombInt2D GyakorisagTabla;

    bool Van(std::int32_t tag) const;
    // Load: the slot into e; false (e untouched) when the slot is empty.
    bool Betoltes(std::int32_t tag, StatEredmeny& e) const;
    // Store: replaces the slot with e.
    void Tarolas(std::int32_t tag, const StatEredmeny& e);

    // The drops of the three sides, and of all.
    void VMasolatTorles();
    void AMasolatTorles();
    void A1MasolatTorles();
    void Torles(StatOldal o);
    // Any slot of the side holds a table (its Reset item is enabled).
    bool OldalonVan(StatOldal o) const;
};

}  // namespace kvx
