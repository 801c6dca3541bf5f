#pragma once
// The engine of the per-line chart statistics (sums, deviations, spans,
// pairs, consecutive numbers) over the database range or the variation:
// serves a cached result or computes and stores it.
#include "statistics/line_distribution.h"
#include "statistics/line_walk.h"
#include "statistics/neighbour_stats.h"
#include "statistics/stat_result.h"
#include "statistics/stat_table.h"

#include <cstdint>
#include <memory>

namespace kvx {

// Tags this engine computes.
bool SzamsorStatTag(std::int32_t tag);

// The walk of the statistic of v: the values, extras and range it reads. The
// draws or the variation source are set by the caller.
SzamsorBejarasBemenet SzamsorBejarasBeallitasa(const StatMunkavaltozok& v, const GameParams& g,
                                               bool huzasSzamsorVariacio, const TTombByte1D& kijeloltSzamok,
                                               std::int32_t kijeloltFoSzamDb);

// Loads the slot of tag or computes into e and stores it. True when the run
// was not cancelled and the result is to be shown. The neighbour statistics
// (chart and text) also keep the line table of their source in *szomszed:
// a build replaces it, and a slot is served only together with it.
bool SzamsorStatLekerdezes(std::int32_t tag, StatMasolat& c, const SzamsorBejarasBemenet& b, StatFutas& f,
                           StatEredmeny& e, std::shared_ptr<const SzomszedosEredmeny>* szomszed = nullptr);

// The neighbouring-numbers statistics, chart (19, 21) or text (18, 20).
bool SzomszedosStatTag(std::int32_t tag);

// The line-distribution and consecutive-lines statistics.
bool SorszamStatTag(std::int32_t tag);
// The other statistic of the same source (24 and 33, 25 and 32); 0 for others.
std::int32_t SorszamStatPar(std::int32_t tag);

// Serves tag from the kept tables of its source (tablak) for range choice f
// while the slot of tag or of its pair is filled, or walks the lines into new
// tables first (tablak is then replaced). The lines' ordinals are those of
// numbering d of N lines.
bool SorszamStatLekerdezes(std::int32_t tag, StatMasolat& c, const SzamsorBejarasBemenet& b, const NumberingDims& d,
                           std::int64_t N, std::int32_t f, std::shared_ptr<const SorszamTablak>& tablak, StatFutas& fu,
                           StatEredmeny& e);

// The number-sets statistics, chart (28, 29) or text (30, 31).
bool SzamkeszletStatTag(std::int32_t tag);

// Serves tag from the kept position table of its source (tabla) while the
// slot is valid, or walks the lines into a new one first (game 17's database
// every time); the result shows position f (the text statistics pass 0). A
// cancelled run empties tabla.
bool SzamkeszletStatLekerdezes(std::int32_t tag, StatMasolat& c, const SzamsorBejarasBemenet& b, std::int32_t f,
                               std::shared_ptr<const TTombInt2D>& tabla, StatFutas& fu, StatEredmeny& e);

}  // namespace kvx
