// The program's start-up, from the start of its process to its main window
// on the screen, with a 5/90 draws database of real size (3,445 draws): the
// real executable in a program folder of its own, started as a second start
// is (its INI file and file types already there), on the offscreen platform.
// The main window is up once the program answers as the running instance,
// which it does right before it shows the window; it is then asked to close.
// The counter cpu_s is the process's CPU time (user + system, its threads
// included) for the whole run, start and close, taken from the system's
// account of ended children.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <random>
#include <sys/resource.h>

#include "app/game_table.h"
#include "draws/database_file.h"
#include "platform/instance.h"

namespace {

constexpr int kHuzasok = 3445;

double gyermekCpu()
{
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// Weekly draws since 1957, five different numbers of 1..90 each.
std::vector<std::uint8_t> otosAdatbazis()
{
    kvx::GameParams g;
    g.LottoIndex = 0;
    kvx::JatekParameterek(g);
    std::mt19937 v(5090);
    kvx::TTombInt2D sorok;
    for (int i = 0; i < kHuzasok; ++i) {
        std::vector<int> szamok(90);
        for (int n = 0; n < 90; ++n)
            szamok[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(szamok.begin(), szamok.end(), v);
        szamok.resize(5);
        std::sort(szamok.begin(), szamok.end());
        kvx::TTombInt1D sor{i + 1, 1957 + i / 52, 1 + i % 52};
        sor.insert(sor.end(), szamok.begin(), szamok.end());
        sorok.push_back(sor);
    }
    return kvx::AdatbazisKep(sorok, g, kvx::HuzasIroVerzio());
}


// One start and close; the time until the main window is up.
bool egyInditas(const QString& exe, const QString& nev, const QProcessEnvironment& env, double& mp)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer ora;
    ora.start();
    p.start(exe, {});
    if (!p.waitForStarted(10000))
        return false;
    const kvx::platform::FutoPeldany figyelo(nev);
    while (!figyelo.MasikPeldanyFut(20)) {
        if (ora.elapsed() > 30000 || p.state() == QProcess::NotRunning)
            return false;
        QThread::usleep(500);
    }
    mp = static_cast<double>(ora.nsecsElapsed()) / 1e9;
    if (figyelo.BezarasKerese(30000) != kvx::platform::BezarasEredmeny::Bezart)
        return false;
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

void BM_InditasFoablakig(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("kavarex"));
    QDir(dir.path()).mkpath(QStringLiteral("Dat"));
    QDir(dir.path()).mkpath(QStringLiteral("xdg"));
    if (!QFile::copy(QStringLiteral(KAVAREX_PROGRAM), exe)) {
        state.SkipWithError("the program could not be copied");
        return;
    }
    QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);
    {
        const std::vector<std::uint8_t> db = otosAdatbazis();
        QFile f(dir.filePath(QStringLiteral("Dat/")) + QString::fromUtf8(kvx::AdatbazisAllomany[0]));
        f.open(QIODevice::WriteOnly);
        f.write(reinterpret_cast<const char*>(db.data()), static_cast<qint64>(db.size()));
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("xdg")));
    // No box waits for an answer, and nothing goes to the web.
    env.insert(QStringLiteral("KAVAREX_NO_STARTUP_BOXES"), QStringLiteral("1"));
    env.insert(QStringLiteral("KAVAREX_NO_STARTUP_CHECKS"), QStringLiteral("1"));
    const QString nev = kvx::platform::peldanyNev(dir.path());
    // The first start writes the INI file and the file types.
    double mp = 0;
    if (!egyInditas(exe, nev, env, mp)) {
        state.SkipWithError("the first start did not come up and close");
        return;
    }
    double cpu = 0;
    std::int64_t db = 0;
    for (auto _ : state) {
        const double elotte = gyermekCpu();
        if (!egyInditas(exe, nev, env, mp)) {
            state.SkipWithError("the program did not come up and close");
            break;
        }
        cpu += gyermekCpu() - elotte;
        ++db;
        state.SetIterationTime(mp);
    }
    if (db > 0)
        state.counters["cpu_s"] = cpu / static_cast<double>(db);
}
BENCHMARK(BM_InditasFoablakig)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
