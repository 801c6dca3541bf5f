// How long a running download takes to end once the user stops it: the
// database update of the current game fetches a file from a slow server on
// 127.0.0.1 (1 KiB every 150 ms, far longer than the measurement), and the
// connection window's Escape is pressed while the body trickles in. The
// time runs from the key press (which asks the controller to stop) to the
// controller's announcement that the action ended, with the worker joined
// and the connection window closed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <string>

#include "app/game_table.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/internetletoltesablak.h"
#include "app/ui/program.h"
#include "http_szerver.h"

namespace {

void BM_LetoltesLeallitasa(benchmark::State& state)
{
    kvx::Program program;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Dat"));
    QDir(dir.path()).mkpath(QStringLiteral("Cache"));
    program.Konyvtarak.DatKonyvtar = dir.filePath(QStringLiteral("Dat/")).toStdString();
    program.Konyvtarak.CacheKonyvtar = dir.filePath(QStringLiteral("Cache/")).toStdString();
    program.Jatek.LottoIndex = 0;
    program.Uzenetek.Jovahagyas = false;

    kvx::teszt::HttpSzerver szerver;
    program.Gyarto.Honlap = szerver.cim("");
    program.Gyarto.ProbaCim = szerver.cim("/");
    // About 30 s of body: every measured download is cut by the stop.
    szerver.beallit("/hu/download/Database/" + std::string(kvx::AdatbazisAllomany[0]),
                    {200, std::string(200 * 1024, 'x'), kvx::teszt::HttpSzerver::Mod::Lassu, 150});

    InternetVezerlo& iv = program.InternetV();
    iv.Korlatok.CsendMs = 1500;
    iv.Korlatok.OsszesMs = 60000;
    iv.ProbaMs = 3000;
    TInternetLetoltesAblak ablak;
    ablak.SetVezerlo(&iv);

    QElapsedTimer ora;
    qint64 leallitasNs = -1;
    qint64 vegeNs = -1;
    // The download has begun once its status line shows; the stop comes a
    // little later, while the body arrives.
    QObject::connect(&iv, &InternetVezerlo::statusz, &ablak, [&](const QString& szoveg) {
        if (szoveg != QString::fromUtf8("Húzások listájának letöltése"))
            return;
        QTimer::singleShot(300, &ablak, [&] {
            leallitasNs = ora.nsecsElapsed();
            QTest::keyClick(&ablak, Qt::Key_Escape);
        });
    });
    QObject::connect(&iv, &InternetVezerlo::futasValtozott, &ablak, [&](bool fut) {
        if (!fut)
            vegeNs = ora.nsecsElapsed();
    });

    for (auto _ : state) {
        leallitasNs = -1;
        vegeNs = -1;
        ora.start();
        iv.InternetMegszStart(kvx::InternetMuvelet::AktualisAdatbazis);
        if (leallitasNs < 0 || vegeNs < 0 || !iv.Leallitva()) {
            state.SkipWithError("the download was not stopped while it ran");
            break;
        }
        state.SetIterationTime(static_cast<double>(vegeNs - leallitasNs) / 1e9);
    }
}
BENCHMARK(BM_LetoltesLeallitasa)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
