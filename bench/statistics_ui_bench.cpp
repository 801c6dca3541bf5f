// One paint of a chart of 10,000 bars on a paint box of the default width:
// only the visible bars are drawn.
#include "statistics/ui/diagram_festes.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace kvx;

void BM_DiagramFestes10k(benchmark::State& st)
{
    TTombInt2D t;
    for (int i = 0; i < 10000; ++i)
        t.push_back({i + 1, (i * 37) % 500, i});
    DiagramBemenet b;
    b.Tag = 3;
    b.Jatek.LottoIndex = 0;
    JatekParameterek(b.Jatek);
    b.Gyorsitotar = t;
    DiagramModell m;
    m.Ujrakezdes(t);
    DiagramOpciok o;
    m.Start(o, b, DiagramMeretek{});
    DiagramFestesAdatok a;
    a.Tag = 3;
    a.Jatek = b.Jatek;
    a.Gorgetes = 5000 * m.OszlopSzelesseg();
    a.Fejlec = QStringLiteral("Tartomány: Variáció 10 000 számsora");
    QImage kep(915, 388, QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter p(&kep);
        DiagramFestes(p, kep.size(), m, a);
    }
}
BENCHMARK(BM_DiagramFestes10k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
