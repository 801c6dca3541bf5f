#pragma once
// Paints a chart of the statistics window from its model: the header band
// with the range text, the bars that fall inside the visible width with
// their expected and actual parts, the labels, and the filler after the
// last bar. A paint box and a test's QImage are painted alike.
#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QString>

#include "statistics/chart_model.h"
#include "tickets/number_lists.h"

// One colour group of the bars.
struct DiagramSzinek {
    QColor Betu, Toll, Ecset, Masodik;
};

enum class OszlopSzerep { Normal, Zoom, Kijelolt, Allando, Fix, Veletlen };
const DiagramSzinek& OszlopSzinek(OszlopSzerep sz);

struct DiagramFestesAdatok {
    QString Fejlec;
    std::int32_t Tag = 0;
    std::int32_t Gorgetes = 0;      // scroll position in pixels
    std::int32_t BetuMeret = 8;
    double MeretSzorzo = 1.0;
    std::int32_t MeretIndex = 0;
    std::int32_t SorMagassag = 13;
    bool Nano = false;
    bool MindKitoltes = false;      // Mind ticked or disabled: fill after the last bar
    kvx::GameParams Jatek;
    const kvx::SzamListak* Szamok = nullptr;  // the main ticket's roles
    // Beside the main-ticket charts (Tags 1-3), the bars of this chart stand
    // for numbers whose role on the main ticket colours them.
    bool SzamSzerep = false;
};

// The colour group of bar i.
OszlopSzerep OszlopSzerepe(const kvx::DiagramModell& m, const DiagramFestesAdatok& a, std::int32_t i);

// The header band and its text.
void FejlecFestes(QPainter& p, std::int32_t szelesseg, const DiagramFestesAdatok& a);
// The whole chart on a canvas of the given size.
void DiagramFestes(QPainter& p, QSize meret, const kvx::DiagramModell& m, const DiagramFestesAdatok& a);

// The pictures of the statistics menu's items, drawn on a 32 x 32 grid in the
// text colour szin: 51 a text report, 52 a chart; 53 and 54 the same filled
// with the report's and the chart's colours while a result is kept.
inline constexpr int kKepSzoveges = 51;
inline constexpr int kKepDiagram = 52;
inline constexpr int kKepSzovegesKesz = 53;
inline constexpr int kKepDiagramKesz = 54;
QIcon StatMenuKep(int index, const QColor& szin);
