#pragma once
// The hit-ratio condition (Találati arány): a line is judged by the hits it
// would have scored on past draws. For each draw range a line must reach the
// hit class at least once (Keresett) or never (Kizárt).
//
// Speed. The enumerator hands over lines in lexicographic order, so
// consecutive lines share all but their last positions. Per run the draws
// are turned into one membership table per selected number; per prefix level
// the hits of every drawing are kept and updated only when that position
// changes. When the prefix (all positions but the last) changes, each range
// gets the set of last values with which some drawing of the range meets the
// hit rule; a line is then decided by one bit test. Nothing is allocated per
// line; any call order works (a changed prefix is simply recomputed).
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "app/game_table.h"
#include "conditions/condition_records.h"
#include "draws/draws_table.h"
#include "variation/covering_index.h"

namespace kvx {

// 256 bits over the selection indexes (lines hold uint8 indexes).
struct IndexHalmaz {
    std::array<std::uint64_t, 4> w{};
    void be(int i) { w[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63); }
    bool van(int i) const { return (w[static_cast<std::size_t>(i >> 6)] >> (i & 63)) & 1u; }
};

class TalalatiAranyTeszt {
public:
    // Snapshot at run start. kijeloltSzamok: the selection (main numbers
    // first, extra-pool numbers coded above FoSzamKeszlet); kijeloltFoSzamDb
    // of them main; lines of variacioMeret positions, the first
    // variacioFoMeret main. The draw ranges are bounded by the draws table.
    void Elokeszites(const TTalalatiAranyFeltetel& r, const DrawsState& d, const GameParams& g,
                     std::span<const std::uint8_t> kijeloltSzamok, std::int32_t kijeloltFoSzamDb,
                     std::int32_t variacioMeret, std::int32_t variacioFoMeret);

    // Normal mode: true when the line passes every range (mask A bit 5 is
    // then set in TeljesultFeltetelek).
    bool FeltVizsgTalalatiArany(const std::uint8_t* sor);

    TFeltetelMaszk TeljesultFeltetelek;
    std::int32_t DrawingDb() const { return E_; }

    // The "Kizárt" ranges whose rule is "at least lo main hits" (the upper
    // bound and the extra-pool bounds hold for every line): a line fails such
    // a range exactly when lo of its main numbers lie in one drawing of the
    // range, which is the covering rule with the drawings as stored lines.
    // They are handed to the line enumerator, which skips every prefix that
    // already fails, and this test no longer checks them: call it only when
    // every line tested afterwards comes from that enumerator. Nothing in
    // draw mode.
    std::vector<TiltottReszhalmazok> KizartElotagokAtvetele();
    bool HuzasMod() const { return static_cast<bool>(tarolo_); }

    // Draw mode (the variation is built from the draws): every drawing that
    // meets a range's rule against some candidate is handed to the store
    // once, the candidate itself never passes. The store gets the 0-based
    // draw row and the column of the drawing's first number (3, or
    // MasodikHuzasOszlop for the second drawing); false means the run must
    // end, and the test then sets the restart position below 0.
    using HuzasTarolo = std::function<bool(std::int32_t sor, std::int32_t kezdet)>;
    void HuzasModBeallitas(HuzasTarolo tarolo);
    bool FeltVizsgTalalatiArany(const std::uint8_t* sor, std::int32_t& poz);
    // How often each drawing was stored: [row][0] first, [row][1] second.
    std::vector<std::array<std::int32_t, 2>> FHuzasTarolva;

private:
    struct Tartomany {
        bool keresett = false;
        std::int32_t lo = 0, hi = 0, pbLo = 0, pbHi = 0;
        std::int32_t elso = 0, vege = 0;  // drawings [elso, vege)
        IndexHalmaz teljesul;             // last values meeting the rule for the current prefix
        bool atadva = false;              // checked by the enumerator (KizartElotagokAtvetele)
    };
    void szintFrissites(int j, const std::uint8_t* sor);
    bool huzasMod(const std::uint8_t* sor, std::int32_t& poz);

    HuzasTarolo tarolo_;
    std::vector<std::int32_t> eSor_;             // draw row of each drawing
    std::vector<std::uint8_t> eMasodik_;         // the drawing is a row's second one
    std::vector<std::uint8_t> kijFo_, kijPlusz_; // selected main / extra numbers in the drawing
    std::int32_t masodikOszlop_ = 0;
    IndexHalmaz foMaszk_;                        // selection indexes of the main numbers
    void tartomanyHalmaz(Tartomany& t);

    int k_ = 0, kf_ = 0, n_ = 0, E_ = 0;
    bool pluszSzamlalas_ = false;  // the game has an extra pool: extra hits count
    bool utolsoFo_ = true;         // the last position holds a main number
    std::vector<Tartomany> tart_;
    // inc_[i * E_ + e]: selection index i hits drawing e (main or extra).
    std::vector<std::uint8_t> inc_;
    std::vector<IndexHalmaz> huzasHalmaz_;
    // Drawings of each selection index (ascending), main and extra hits alike.
    std::vector<std::int32_t> lista_, listaKezdet_;  // per drawing: indexes that the last position could hit
    // Hits of the prefix 0 .. j per drawing: main [j][e], extra [j][e].
    std::vector<std::uint8_t> foSzint_, pluszSzint_;
    std::vector<std::uint8_t> nulla_;
    std::array<std::uint8_t, 32> elozo_{};
    int ervenyes_ = -1;  // levels 0 .. ervenyes_ hold elozo_'s prefix
    bool halmazKesz_ = false;
    bool vanVizsgalt_ = true;  // some range is still checked here
};

// The plain rule, drawing by drawing, for checks and for callers that test
// single lines.
bool TalalatiAranyEgyszeru(const TTalalatiAranyFeltetel& r, const DrawsState& d, const GameParams& g,
                           std::span<const std::uint8_t> kijeloltSzamok, std::span<const std::uint8_t> sor,
                           std::int32_t variacioFoMeret);

}  // namespace kvx
