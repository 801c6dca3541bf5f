#pragma once
// Hit class of a line against one drawing of a draw row: h main hits and e
// extra hits give h x stride + e. With TalalatSzorzo, e counts the hits of the
// separate extra pool, or the bonus-number hits in the games whose bonus
// numbers form classes of their own (PotSzamTalalat); with
// VariacioTalalatSzorzo, e counts only extra-pool hits. Every place that
// tallies hits (check ticket, draw search, draws list, statistics) uses this.
#include "app/game_table.h"

#include <cstdint>
#include <span>

namespace kvx {

enum class TalalatSzorzoTipus {
    Talalat,   // TalalatSzorzo
    Variacio,  // VariacioTalalatSzorzo
};

struct SzamsorTalalat {
    std::int32_t Fo = 0;     // main hits
    std::int32_t Plusz = 0;  // extra-pool or bonus hits, as the stride counts them
};

// The hits of `szamsor` (ticket numbers, extra-pool numbers coded above
// FoSzamKeszlet, 0 = empty; any order) against drawing `sorsolas` (0 first,
// 1 second) of the draw row `sor` (columns as in the draws table). The
// second drawing starts at MasodikHuzasOszlop. A drawing outside the row
// scores nothing.
SzamsorTalalat SzamsorTalalatai(const GameParams& g, std::span<const std::int32_t> sor,
                                std::span<const std::uint8_t> szamsor, std::int32_t sorsolas,
                                TalalatSzorzoTipus tipus = TalalatSzorzoTipus::Talalat);
SzamsorTalalat SzamsorTalalatai(const GameParams& g, std::span<const std::int32_t> sor,
                                std::span<const std::int32_t> szamsor, std::int32_t sorsolas,
                                TalalatSzorzoTipus tipus = TalalatSzorzoTipus::Talalat);

// The hit class h x stride + e (tables indexed by it have
// (SzamsorFoSzamDb + 1) x stride entries).
std::int32_t TalalatiOsztaly(const GameParams& g, std::span<const std::int32_t> sor,
                             std::span<const std::uint8_t> szamsor, std::int32_t sorsolas,
                             TalalatSzorzoTipus tipus = TalalatSzorzoTipus::Talalat);
std::int32_t TalalatiOsztaly(const GameParams& g, std::span<const std::int32_t> sor,
                             std::span<const std::int32_t> szamsor, std::int32_t sorsolas,
                             TalalatSzorzoTipus tipus = TalalatSzorzoTipus::Talalat);

}  // namespace kvx
