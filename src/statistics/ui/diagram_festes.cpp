#include "statistics/ui/diagram_festes.h"

#include <QFontMetrics>
#include <QPalette>
#include <cmath>

using namespace kvx;

namespace {

const QColor kGombSzin(240, 240, 240);      // button face
const QColor kSotetArnyek(105, 105, 105);   // dark shadow: the header text
const QColor kCimkeSzin(132, 132, 132);
const QColor kPluszCimkeSzin(173, 90, 121);
const QColor kCimkeHatter(254, 254, 255);

int kerek(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

const DiagramSzinek& OszlopSzinek(OszlopSzerep sz)
{
    static const DiagramSzinek normal{{93, 138, 168}, {143, 188, 218}, {163, 208, 228}, {113, 158, 188}};
    static const DiagramSzinek zoom{{124, 145, 124}, {174, 195, 174}, {194, 215, 194}, {144, 165, 144}};
    static const DiagramSzinek kijelolt{{53, 98, 128}, {73, 118, 148}, {93, 138, 168}, {113, 158, 188}};
    static const DiagramSzinek allando{{145, 84, 84}, {185, 114, 114}, {195, 134, 134}, {155, 94, 94}};
    static const DiagramSzinek fix{{94, 115, 94}, {124, 145, 124}, {144, 165, 144}, {104, 125, 104}};
    static const DiagramSzinek veletlen{{94, 94, 115}, {134, 134, 155}, {154, 154, 175}, {114, 114, 135}};
    switch (sz) {
    case OszlopSzerep::Zoom: return zoom;
    case OszlopSzerep::Kijelolt: return kijelolt;
    case OszlopSzerep::Allando: return allando;
    case OszlopSzerep::Fix: return fix;
    case OszlopSzerep::Veletlen: return veletlen;
    default: return normal;
    }
}

OszlopSzerep OszlopSzerepe(const DiagramModell& m, const DiagramFestesAdatok& a, std::int32_t i)
{
    if (m.ZoomAktiv())
        return OszlopSzerep::Zoom;
    if ((a.Tag > 3 && !a.SzamSzerep) || !a.Szamok)
        return OszlopSzerep::Normal;
    const int n = m.Kulcs(i);
    if (AllandoE(*a.Szamok, n))
        return OszlopSzerep::Allando;
    if (FixE(*a.Szamok, n))
        return OszlopSzerep::Fix;
    if (VeletlenE(*a.Szamok, n))
        return OszlopSzerep::Veletlen;
    if (KijeloltE(*a.Szamok, n))
        return OszlopSzerep::Kijelolt;
    return OszlopSzerep::Normal;
}

void FejlecFestes(QPainter& p, std::int32_t szelesseg, const DiagramFestesAdatok& a)
{
    p.fillRect(QRect(0, 0, szelesseg, kerek(23 * a.MeretSzorzo)), kGombSzin);
    QFont f = p.font();
    f.setPointSize(a.BetuMeret);
    p.setFont(f);
    p.setPen(kSotetArnyek);
    const int y = kerek(a.MeretIndex * 1.5) + 3;
    p.drawText(QPoint(a.MeretIndex + 10, y + QFontMetrics(f).ascent()), a.Fejlec);
    p.setPen(QColor(33, 33, 33));
}

void DiagramFestes(QPainter& p, QSize meret, const DiagramModell& m, const DiagramFestesAdatok& a)
{
    p.fillRect(QRect(QPoint(0, 0), meret), Qt::white);
    FejlecFestes(p, meret.width(), a);
    QFont f = p.font();
    f.setPointSize(a.BetuMeret);
    p.setFont(f);
    const QFontMetrics fm(f);
    const int n = static_cast<int>(m.Tabla().size());
    const int belso = a.Nano ? 0 : 5;  // the actual part sits inside the bar
    for (int i = 0; i < n; ++i) {
        const Oszlop o = m.OszlopGeometria(i, a.Gorgetes, meret.width());
        if (!o.Lathato)
            continue;
        const DiagramSzinek& sz = OszlopSzinek(OszlopSzerepe(m, a, i));
        if (o.Magassag > 0) {
            const QRect r(QPoint(o.X0, o.Teto), QPoint(o.X1 - 1, o.Alj - 1));
            p.fillRect(r, sz.Ecset);
            p.setPen(sz.Toll);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            const OszlopReszek resz = m.Reszek(i, o);
            if (resz.Elmeleti && resz.Elmeleti->second > resz.Elmeleti->first)
                p.fillRect(QRect(QPoint(o.X0, resz.Elmeleti->first), QPoint(o.X1 - 1, resz.Elmeleti->second - 1)),
                           sz.Toll);
            if (resz.Tenyleges && resz.Tenyleges->second > resz.Tenyleges->first && o.X1 - o.X0 > 2 * belso)
                p.fillRect(QRect(QPoint(o.X0 + belso, resz.Tenyleges->first),
                                 QPoint(o.X1 - 1 - belso, resz.Tenyleges->second - 1)),
                           sz.Masodik);
        }
        if (!m.Cimkek())
            continue;
        const TTombInt1D& sor = m.Tabla()[static_cast<std::size_t>(i)];
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(kCimkeHatter);
        // The value above the bar; at the top of the chart when the bar is
        // taller, after eleven blanks whose background wipes the values of
        // the tall bars before it there.
        const QString ertek = QString::number(sor[1]);
        const std::int64_t hpx = o.Magassag * m.Egyseg();
        const bool magas = hpx > m.H();
        const QString elotag = magas ? QString(11, QLatin1Char(' ')) : QString();
        const int ex = o.X0 + (o.X1 - o.X0 - fm.horizontalAdvance(ertek)) / 2 - fm.horizontalAdvance(elotag);
        const int ey = magas ? kerek(28 * a.MeretSzorzo) - 4
                             : static_cast<int>(kerek(23 * a.MeretSzorzo) + m.H() + a.MeretIndex - hpx);
        p.setPen(sz.Betu);
        p.drawText(QPoint(ex, ey + fm.ascent()), elotag + ertek);
        // The key under the bar; extra-pool numbers renumbered in their own colour.
        const OszlopCimke c = m.Cimke(i);
        const QString cimke = QString::fromStdString(c.Szoveg);
        p.setPen(c.Plusz ? kPluszCimkeSzin : kCimkeSzin);
        const int ky = o.Alj + (a.MeretIndex >= 2 ? a.SorMagassag / 3 : a.SorMagassag / 4);
        p.drawText(QPoint(o.X0 + (o.X1 - o.X0 - fm.horizontalAdvance(cimke)) / 2, ky + fm.ascent()), cimke);
        p.setBackgroundMode(Qt::TransparentMode);
    }
    if (a.MindKitoltes) {
        const int x = n > 0 ? std::max(0, m.OszlopGeometria(n - 1, a.Gorgetes, meret.width()).X1) : 0;
        if (x < meret.width())
            p.fillRect(QRect(x, kerek(23 * a.MeretSzorzo), meret.width() - x, meret.height()), kGombSzin);
    }
}

QIcon StatMenuKep(int index, const QColor& szin)
{
    QPixmap kep(32, 32);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const bool kesz = index == kKepSzovegesKesz || index == kKepDiagramKesz;
    p.setPen(QPen(szin, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (index == kKepSzoveges || index == kKepSzovegesKesz) {
        // A page of lines; kept: filled as the chart's bars are, the lines
        // in the report's value colour.
        p.setBrush(kesz ? QBrush(OszlopSzinek(OszlopSzerep::Normal).Ecset) : QBrush(Qt::NoBrush));
        p.drawPolygon(QPolygonF{QPointF(7, 4), QPointF(19, 4), QPointF(25, 10), QPointF(25, 28), QPointF(7, 28)});
        p.drawPolyline(QPolygonF{QPointF(19, 4), QPointF(19, 10), QPointF(25, 10)});
        if (kesz)
            p.setPen(QPen(QColor(0, 102, 153), 2.5, Qt::SolidLine, Qt::RoundCap));
        for (const qreal y : {15.0, 19.5, 24.0})
            p.drawLine(QPointF(11, y), QPointF(21, y));
    } else {
        // Three bars on a base line; kept: the bars in the chart's colours.
        const DiagramSzinek& sz = OszlopSzinek(OszlopSzerep::Normal);
        const QRectF oszlopok[] = {{6, 16, 5, 11}, {13.5, 7, 5, 20}, {21, 12, 5, 15}};
        for (const QRectF& o : oszlopok) {
            if (kesz) {
                p.setPen(QPen(sz.Betu, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                p.setBrush(sz.Ecset);
            }
            p.drawRect(o);
        }
        p.setPen(QPen(szin, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 28), QPointF(29, 28));
    }
    p.end();
    return QIcon(kep);
}
