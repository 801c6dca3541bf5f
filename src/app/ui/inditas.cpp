#include "app/ui/inditas.h"
#include "app/ui/program.h"
#include <QLocale>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/main_state.h"
#include "app/shell_state.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/kavarex_application.h"
#include "app/ui/megszakitas.h"
#include "platform/instance.h"

namespace kvx {

void PeldanyEllenorzes(platform::FutoPeldany& peldany, const QStringList& args)
{
    MainState& ms = mainState();
    ms.MasikPeldanyFut = false;
    if (!peldany.MasikPeldanyFut())
        return;
    if (args.value(0) != QStringLiteral("-r"))
        ms.MasikPeldanyFut = true;
    else
        peldany.VarakozasKilepesre(kPeldanyVarakozasMs);
}

int KavarexFuttatas(Program& program, int& argc, char** argv)
{
    KavarexApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavarex Personal"));
    // Qt's own dialogs (the file dialogs above all) speak Hungarian like the rest.
    QTranslator qtForditas;
    if (qtForditas.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtForditas);
    const QStringList args = app.arguments().mid(1);

    platform::FutoPeldany peldany;
    PeldanyEllenorzes(peldany, args);

    int kod = 0;
    {
        TFoablak foablak(QString(), args);
        if (program.Fo.Kilepes)
            return 0;
        foablak.PeldanyFigyeles(&peldany);
        FormokLetrehozasa(foablak);
        if (program.Fo.Kilepes) {
            // The user chose to keep the earlier instance.
            MunkaszalakLeallitasa();
            return kMasikPeldanyKilepesiKod;
        }
        // The first instance (or the one that took over) answers later ones.
        if (!program.Fo.MasikPeldanyFut)
            peldany.Figyel();
        foablak.show();
        kod = app.exec();
        // Workers may still use the windows: they stop before the windows go.
        MunkaszalakLeallitasa();
    }
    return kod;
}

}  // namespace kvx
