#pragma once
// What the chart shows: the display table built from a cached result under
// the chart's options (Zoom, Inverz, Mind, Mikro, nano, Elméleti, Tényleges,
// Húzás, sort order), the scale (base, unit, compression, column width) and
// the expected values, and the geometry of every bar. The window paints
// from this and keeps no arithmetic of its own.
#include "app/game_table.h"
#include "common/arrays.h"
#include "statistics/stat_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvx {

struct DiagramOpciok {
    bool Zoom = false;
    bool Inverz = false;
    bool Mind = true;
    bool Mikro = false;
    bool Nano = false;
    bool Elmeleti = true;
    bool Tenyleges = true;
    bool Huzas = false;
    std::int32_t Rendezes = 0;  // 0 as computed, 1 ascending, 2 descending
};

// Enabled states of the option boxes after a Start.
struct DiagramEngedelyek {
    bool Zoom = true;
    bool Mind = false;
    bool Elmeleti = true;
    bool Tenyleges = true;
    bool Huzas = true;
};

// Sizes the chart is laid out in.
struct DiagramMeretek {
    std::int32_t FestoMagassag = 388;  // paint box height
    std::int32_t BetuMeret = 8;        // label font size
    double MeretSzorzo = 1.0;
    std::int32_t MeretIndex = 0;
    std::int32_t SorMagassag = 13;
};

// What Start reads besides the options.
struct DiagramBemenet {
    std::int32_t Tag = 0;
    StatMunkavaltozok V;
    GameParams Jatek;
    TTombInt2D Gyorsitotar;              // the statistic's cached table
    std::int32_t SzomszedosElem = 0;     // neighbour chart: 0 all, else a chain length's item
    std::array<double, 8> Ertekek{};     // and its eight values
};

struct Oszlop {
    bool Lathato = false;  // inside the visible width
    std::int32_t X0 = 0, X1 = 0;  // left (after the margin) and right edge
    std::int32_t Teto = 0, Alj = 0;
    std::int64_t Magassag = 0;    // height in value steps
};

// What stands under a bar, and whether it is drawn in the extra pool's colour.
struct OszlopCimke {
    std::string Szoveg;
    bool Plusz = false;
};

// The parts of a bar drawn again: above the expected value (pen colour) and
// above the actual average (second shade); y from top to bottom.
struct OszlopReszek {
    std::optional<std::pair<std::int32_t, std::int32_t>> Elmeleti;
    std::optional<std::pair<std::int32_t, std::int32_t>> Tenyleges;
};

class DiagramModell {
public:
    // After a run: the working copy is the result, Inverz column 0, Húzás off.
    void Ujrakezdes(const TTombInt2D& eredmeny);

    // Rebuilds the display table and the scale. The options may change:
    // boxes that become disabled are unticked, Mikro and nano exclude each
    // other (mikroKattintas: Mikro was the one clicked).
    void Start(DiagramOpciok& o, const DiagramBemenet& b, const DiagramMeretek& m, bool mikroKattintas = false);

    // The display table: [0] label, [1] bar value, [2] secondary value.
    const TTombInt2D& Tabla() const { return tabla_; }
    const std::array<double, 8>& Ertekek() const { return ertekek_; }
    const DiagramEngedelyek& Engedelyek() const { return eng_; }
    std::int32_t InverzOszlop() const { return inverzOszlop_; }
    bool ZoomAktiv() const { return zoomAktiv_; }
    bool ElmeletiMutat() const { return elmeletiMutat_; }
    bool TenylegesMutat() const { return tenylegesMutat_; }
    bool Cimkek() const { return cimkek_; }

    std::int32_t H() const { return h_; }
    std::int32_t AljY() const { return alj_; }
    std::int64_t Alap() const { return alap_; }
    std::int64_t Minimum() const { return min_; }
    std::int64_t Maximum() const { return max_; }
    std::int32_t Egyseg() const { return egyseg_; }
    std::int32_t Tomorites() const { return tomorites_; }
    std::int32_t OszlopSzelesseg() const { return oszlopSzel_; }
    std::int32_t Margo() const { return margo_; }
    std::int32_t PluszOszlopok() const { return pluszOszlopok_; }
    // y of the expected value and of the actual average; none when the value
    // is undefined (a divisor was zero).
    std::optional<std::int32_t> ElmeletiSzint() const { return elmeletiSzint_; }
    std::optional<std::int32_t> TenylegesSzint() const { return tenylegesSzint_; }

    // Bar i drawn with the scroll position and the paint box width.
    Oszlop OszlopGeometria(std::int32_t i, std::int32_t gorgetes, std::int32_t szelesseg) const;
    OszlopReszek Reszek(std::int32_t i, const Oszlop& o) const;
    // The bar under x of the paint box; -1 when none.
    std::int32_t OszlopItt(std::int32_t x, std::int32_t gorgetes) const;
    // The number a bar stands for (the key column).
    std::int32_t Kulcs(std::int32_t i) const;
    // The two numbers of a pairs chart's bar, smaller first (0, 0 when the
    // chart is not of pairs or the bar is a Zoom group).
    std::pair<std::int32_t, std::int32_t> Par(std::int32_t i) const;
    // The label under bar i.
    OszlopCimke Cimke(std::int32_t i) const;
    // Total width of the bars.
    std::int32_t TeljesSzelesseg() const;

private:
    void rendezes(std::int32_t rend);
    std::pair<std::int32_t, std::int32_t> sorPar(std::int32_t sorszam) const;
    std::optional<std::int32_t> szint(double ertek, std::int32_t s) const;

    TTombInt2D munka_;
    TTombInt2D tabla_;
    std::array<double, 8> ertekek_{};
    DiagramEngedelyek eng_;
    std::int32_t inverzOszlop_ = 0;
    bool huzasVolt_ = false;
    bool zoomAktiv_ = false;
    bool elmeletiMutat_ = false;
    bool tenylegesMutat_ = false;
    bool cimkek_ = true;
    std::int32_t h_ = 1, alj_ = 0;
    std::int64_t alap_ = 0, min_ = 0, max_ = 0;
    std::int32_t egyseg_ = 1, tomorites_ = 1;
    std::int32_t oszlopSzel_ = 26, margo_ = 5;
    std::int32_t pluszOszlopok_ = 0;
    std::int32_t s_ = 0;  // standard deviations count from 1
    GameParams jatek_;
    // Keys are numbers of the game (main-ticket charts, neighbours, pairs),
    // not values such as sums or ranges.
    bool kulcsSzam_ = false;
    bool szampar_ = false;
    // Pairs: the two numbers of each row number (1-based) of the result.
    std::vector<std::pair<std::int32_t, std::int32_t>> parok_;
    std::optional<std::int32_t> elmeletiSzint_, tenylegesSzint_;
};

// The column of the draws table that a jump from a bar to draw row sor
// selects: the first number column, or in games with two drawings the first
// column of the second drawing when the bar's number kulcs came there (the
// main-ticket charts, the database's neighbours chart and number sets; for
// the neighbours only when the next number of that drawing is kulcs + 1).
std::int32_t HuzasUgrasOszlop(std::int32_t tag, std::int32_t kulcs, const TTombInt1D& sor, const GameParams& g);

// Sort order 1 ascending, 2 descending over column 1, then with zoom every
// distinct value is merged into one row whose column 0 counts its rows.
void SortArrayRendezes(TTombInt2D& t, std::int32_t rend, bool zoom);

}  // namespace kvx
