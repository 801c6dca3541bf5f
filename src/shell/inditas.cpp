#include "shell/inditas.h"
#include "app/ui/program.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <memory>
#include <optional>

#include "app/error_log.h"
#include "app/main_state.h"
#include "app/shell_state.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "app/ui/kavarex_application.h"
#include "app/ui/megszakitas.h"
#include "app/ui/qt_nyelv.h"
#include "app/ui/uzenetek.h"
#include "common/binary_io.h"
#include "platform/instance.h"
#include "variation/variation_file.h"

namespace kvx {

void PeldanyEllenorzes(platform::FutoPeldany& peldany, const QStringList& args)
{
    MainState& ms = mainState();
    ms.MasikPeldanyFut = false;
    if (!peldany.MasikPeldanyFut())
        return;
    // Two instances never work on one folder: an earlier one that has not
    // gone in time is asked about like any other.
    if (args.value(0) != QStringLiteral("-r") || !peldany.VarakozasKilepesre(kPeldanyVarakozasMs))
        ms.MasikPeldanyFut = true;
}

void HibaAllapotSorok(HibaNaploAdatok& a)
{
    const Program& p = Program::aktualis();
    a.HuzasokHossz = static_cast<std::int64_t>(p.Huzasok.Huzasok.size());
    a.HuzasokSzama = p.Huzasok.HuzasokSzama;
    a.VariacioVerzio = p.VariacioAllomany.VariacioVerzio;
    a.BontasMatrixHossz = p.Tar.BontFoglalasMeret;
    a.BontMatrixMeret = p.Tar.BontMatrixMeret;
    a.KijeloltSzamDb = p.Szamok.KijeloltSzamDb();
    a.AllandoSzamDb = p.Szamok.AllandoSzamDb();
    a.FixSzamDb = p.Szamok.FixSzamDb();
}

int ProgramFuttatas(Program& program, const QStringList& args, const FuttatasBeallitasok& b)
{
    // An error report from here on tells what the program holds.
    hibaKezeloBeallitasok().AllapotSorok = HibaAllapotSorok;
    QString exe = b.ProgramAllomany;
    if (exe.isEmpty())
        exe = QCoreApplication::applicationFilePath();
    // Instances meet by their program folder: two installations never ask
    // each other to close, two starts of one always do.
    auto peldany = std::make_unique<platform::FutoPeldany>(
        b.PeldanyNev.isEmpty() ? platform::peldanyNev(QFileInfo(exe).absolutePath()) : b.PeldanyNev);
    PeldanyEllenorzes(*peldany, args);

    int kod = 0;
    std::optional<std::int32_t> ujrainditas;
    {
        // An earlier instance is settled in the main window's creation,
        // before the INI file is read.
        TFoablak foablak(b.ProgramAllomany, args, peldany.get(), b.PeldanyBezarasMs);
        if (program.Fo.Kilepes)
            return foablak.MasikPeldanyMiattKilep() ? kMasikPeldanyKilepesiKod : 0;
        FormokLetrehozasa(foablak);
        if (program.Fo.Kilepes) {
            // The start-up could not go on.
            MunkaszalakLeallitasa();
            return 1;
        }
        // The first instance (or the one that took over) answers later ones.
        if (!program.Fo.MasikPeldanyFut)
            peldany->Figyel();
        foablak.show();
        kod = QCoreApplication::exec();
        // Workers may still use the windows: they stop before the windows go.
        MunkaszalakLeallitasa();
        ujrainditas = foablak.UjrainditasMeret();
    }
    // This instance has ended its work: no window, no worker, and nobody
    // answers on the instance name any more. Only now may the next one start.
    peldany.reset();
    if (ujrainditas) {
        const QStringList param{QStringLiteral("-r"), QString::number(*ujrainditas)};
        const bool indult = b.ProgramInditas ? b.ProgramInditas(exe, param) : QProcess::startDetached(exe, param);
        if (!indult) {
            HibaUzenet(QStringLiteral("A program újraindítása nem sikerült.\r\n\r\nIndítsa el újra a ") + exe +
                       QStringLiteral(" programot."));
            return 1;
        }
    }
    return kod;
}

int KavarexFuttatas(Program& program, int& argc, char** argv)
{
    // A write past a file-size limit fails like a full disk: its message,
    // the old file intact, no temporary file left.
    FajlmeretJelzesKikapcsolasa();
    KavarexApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavarex Personal"));
    // Qt's own dialogs speak Hungarian like the rest, whatever the session's language.
    QtMagyarNyelv();
    return ProgramFuttatas(program, app.arguments().mid(1));
}

}  // namespace kvx
