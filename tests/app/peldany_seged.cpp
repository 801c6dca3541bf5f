// Test helper: the program body in a process of its own, for the tests of
// two instances over one folder. It runs on the folder the test gives it and
// answers its own boxes as a user would, in the order given:
//   KAVAREX_SEGED_KONYVTAR   the program folder (the executable's name in it
//                            is "kavarex"; the file need not exist)
//   KAVAREX_SEGED_VALASZOK   captions of the buttons to click, '|' between
//   KAVAREX_SEGED_MUNKA      "jeloles": seven numbers are marked once the
//                            main window shows (unsaved work, so a close
//                            asks); "ujrainditas": the program restarts
//                            itself at text size 16 (settings window's way);
//                            "letoltes": the current game's database update
//                            starts (by hand under Xvfb: the window system's
//                            close of the main window during the download);
//                            "beallitas": the user switches to the game
//                            "Hatos" (index 1), whose remembered number-set
//                            folder becomes "sajat/" (as an open from there
//                            leaves it); both are written at the close only
//   KAVAREX_SEGED_UJRA_KIMENET  the file a restarted instance writes its
//                            output to
// Output lines: "KESZ <ms> <pid> <main window id> <game index> <remembered
// folder>" once the main window shows (and the work is done), "KILEP <ms>"
// when the event loop ends, then one "DOBOZ <text>" per box seen (line
// breaks as "\n"). The exit code is the program's.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <cstdio>

#include "app/settings.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/kavarex_application.h"
#include "app/ui/program.h"
#include "shell/foablak.h"
#include "shell/inditas.h"
#include "tickets/number_lists.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "valaszolo.h"

namespace {

void sor(const QString& s)
{
    std::fputs((s + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QString most() { return QString::number(QDateTime::currentMSecsSinceEpoch()); }

}  // namespace

int main(int argc, char** argv)
{
    const QString konyvtar = qEnvironmentVariable("KAVAREX_SEGED_KONYVTAR");
    const QStringList valaszok =
        qEnvironmentVariable("KAVAREX_SEGED_VALASZOK").split(u'|', Qt::SkipEmptyParts);
    const QString munka = qEnvironmentVariable("KAVAREX_SEGED_MUNKA");
    const QString ujraKimenet = qEnvironmentVariable("KAVAREX_SEGED_UJRA_KIMENET");
    // A restarted instance has nothing more to do.
    qunsetenv("KAVAREX_SEGED_MUNKA");
    qunsetenv("KAVAREX_SEGED_VALASZOK");

    kvx::Program program;
    kvx::KavarexApplication app(argc, argv);
    kvx::teszt::Valaszolo valaszolo(valaszok);

    kvx::FuttatasBeallitasok b;
    b.ProgramAllomany = QDir(konyvtar).filePath(QStringLiteral("kavarex"));
    b.ProgramInditas = [ujraKimenet](const QString&, const QStringList& param) {
        QProcess p;
        p.setProgram(QCoreApplication::applicationFilePath());
        p.setArguments(param);
        p.setStandardInputFile(QProcess::nullDevice());
        p.setStandardOutputFile(ujraKimenet.isEmpty() ? QProcess::nullDevice() : ujraKimenet);
        p.setStandardErrorFile(QProcess::nullDevice());
        return p.startDetached();
    };

    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        TFoablak* f = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* fo = qobject_cast<TFoablak*>(w); fo && fo->isVisible())
                f = fo;
        if (!f)
            return;
        figyelo.stop();
        if (munka == QStringLiteral("jeloles")) {
            for (int n : {4, 8, 15, 16, 23, 42, 77})
                szelvenyek().Foszelveny->SzamJeloles(n, kvx::ModKijelolt, false);
        }
        if (munka == QStringLiteral("beallitas")) {
            f->LottoSelect(1);
            kvx::folders().UtolsoKonyvtarak[0][1] = QDir(konyvtar).filePath(QStringLiteral("sajat/")).toStdString();
        }
        const int jatek = kvx::game().LottoIndex;
        sor(QStringLiteral("KESZ ") + most() + u' ' + QString::number(QCoreApplication::applicationPid()) + u' ' +
            QString::number(f->winId()) + u' ' + QString::number(jatek) + u' ' +
            QString::fromStdString(kvx::folders().UtolsoKonyvtarak[0][static_cast<std::size_t>(jatek)]));
        if (munka == QStringLiteral("ujrainditas"))
            QTimer::singleShot(0, f, [f] { f->MeretValtas(4); });
        if (munka == QStringLiteral("letoltes"))
            QTimer::singleShot(0, f, [] { kvx::Program::aktualis().InternetV().InternetMegszStart(kvx::InternetMuvelet::AktualisAdatbazis); });
    });
    figyelo.start(20);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { sor(QStringLiteral("KILEP ") + most()); });

    const int kod = kvx::ProgramFuttatas(program, app.arguments().mid(1), b);
    for (const kvx::teszt::LatottDoboz& d : valaszolo.Latott) {
        QString szoveg = d.Szoveg;
        szoveg.replace(QStringLiteral("\r\n"), QStringLiteral("\\n")).replace(u'\n', QStringLiteral("\\n"));
        sor(QStringLiteral("DOBOZ ") + szoveg);
    }
    return kod;
}
