#pragma once
// Walks the examined lines of one source for the per-line statistics: the
// drawings of the database range (one pass per drawing of the draw event)
// or the lines of the variation. Each line is handed over as its K main
// values followed by its extras, with its 1-based line number; the run
// counters move as the window's progress expects.
#include "app/game_table.h"
#include "common/arrays.h"
#include "draws/draws_table.h"
#include "statistics/diagram_engine.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kvx {

struct SzamsorBejarasBemenet {
    GameParams Jatek;
    // Database side: the draws and the 1-based rows of the range.
    const DrawsState* Huzasok = nullptr;
    std::int32_t Elso = 1, Utolso = 0;
    // Variation side (used when Huzasok is null).
    const VariacioSorForras* Variacio = nullptr;
    bool HuzasSzamsorVariacio = false;
    TTombByte1D KijeloltSzamok;
    std::int32_t KijeloltFoSzamDb = 0;
    // Main values read per line, and extras read after them.
    std::int32_t K = 0;
    std::int32_t PluszDb = 0;
    // Variation lines give the 1-based selection positions instead of the
    // selected numbers (lines built from draws give the numbers either way).
    bool Poziciok = false;
    // Database: the drawings of a row one after the other (the second
    // drawing follows the first of its row) instead of one pass each.
    bool SoronkentiHuzasok = false;
    // Lines of the range (the ratios of the pairs).
    std::int32_t VizsgaltSorDb = 0;

    bool Adatbazis() const { return Huzasok != nullptr; }
    // The variation's values are numbers of the game, not positions.
    bool SzamErtekek() const { return Adatbazis() || HuzasSzamsorVariacio || !Poziciok; }
};

// Calls fn(values, lineNumber) for every line while the run goes, values
// being K + PluszDb int32s. Returns the lines handed over. Values that do
// not exist (a byte past the selection) are 0.
template <typename F>
std::int64_t SzamsorBejaras(const SzamsorBejarasBemenet& b, StatFutas& f, F&& fn)
{
    const std::int32_t n = std::max(0, b.K) + std::max(0, b.PluszDb);
    std::vector<std::int32_t> sor(static_cast<std::size_t>(n), 0);
    std::int64_t db = 0;
    if (b.Adatbazis()) {
        const DrawsState& d = *b.Huzasok;
        const GameParams& g = b.Jatek;
        const std::int32_t passok = g.TobbSorsolas ? std::max(1, g.SorsolasokSzama) : 1;
        f.CiklusDb.store(passok);
        const std::int32_t elso = std::max(1, b.Elso);
        const std::int32_t utolso = std::min(b.Utolso, static_cast<std::int32_t>(d.Huzasok.size()));
        const bool soronkent = b.SoronkentiHuzasok;
        if (soronkent)
            f.CiklusDb.store(1);
        const std::int32_t kulso = soronkent ? 1 : passok;
        const std::int32_t belso = soronkent ? passok : 1;
        for (std::int32_t pk = 0; pk < kulso; ++pk) {
            for (std::int32_t r = elso; r <= utolso; ++r)
            for (std::int32_t pb = 0; pb < belso; ++pb) {
                const std::int32_t p = pk + pb;
                const std::int32_t oszlop = p == 0 ? 3 : g.MasodikHuzasOszlop;
                if (!f.StatisztikaFut.load(std::memory_order_relaxed))
                    return db;
                const TTombInt1D& h = d.Huzasok[static_cast<std::size_t>(r - 1)];
                if (oszlop < 0 || static_cast<std::size_t>(oszlop) >= h.size() || h[static_cast<std::size_t>(oszlop)] <= 0)
                    continue;
                for (std::int32_t j = 0; j < n; ++j) {
                    const std::size_t c = static_cast<std::size_t>(oszlop + j);
                    sor[static_cast<std::size_t>(j)] = c < h.size() ? h[c] : 0;
                }
                fn(static_cast<const std::vector<std::int32_t>&>(sor), r);
                ++db;
                f.Haladas.store(r, std::memory_order_relaxed);
            }
            if (!soronkent)
                f.Ciklus.fetch_add(1);
        }
        return db;
    }
    if (!b.Variacio)
        return 0;
    const VariacioSorForras& v = *b.Variacio;
    const std::int32_t hossz = std::min(n, v.SorHossz());
    const std::int32_t kij = static_cast<std::int32_t>(b.KijeloltSzamok.size());
    const bool szamok = b.HuzasSzamsorVariacio;
    const bool poz = b.Poziciok;
    f.CiklusDb.store(1);
    for (std::int32_t m = 0; m < v.SorDb(); ++m) {
        if (!f.StatisztikaFut.load(std::memory_order_relaxed))
            return db;
        const std::uint8_t* s = v.Sor(m);
        for (std::int32_t j = 0; j < hossz; ++j) {
            const std::int32_t x = s[j];
            std::int32_t ertek = 0;
            if (szamok)
                ertek = x;
            else if (poz)
                ertek = x + 1;
            else
                ertek = x < kij ? b.KijeloltSzamok[static_cast<std::size_t>(x)] : 0;
            sor[static_cast<std::size_t>(j)] = ertek;
        }
        fn(static_cast<const std::vector<std::int32_t>&>(sor), m + 1);
        ++db;
        f.Haladas.store(m + 1, std::memory_order_relaxed);
    }
    return db;
}

// The main-pool values the lines are made of, ascending: 1..FoSzamKeszlet
// for the database and for variations built from draws, else the selected
// main numbers.
std::vector<std::int32_t> SzamKeszletErtekei(const SzamsorBejarasBemenet& b);

}  // namespace kvx
