#include "variation/ui/feltetel_ablakok.h"

#include <QAction>

#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"

void FeltetelekVariacioBekotese(TFeltetelek& feltetelek)
{
    kvx::Program& p = kvx::Program::aktualis();
    VariacioVezerlo* v = &p.Variacio();
    feltetelek.Variacio = [v] { return v->Kep(); };
    feltetelek.VariacioFut = [v] { return v->Fut(); };
    feltetelek.VariacioTorlesEng = [v] { return v->TorlesEng2(); };
    feltetelek.VariacioTorles = [v] { v->BontasTorlese(false); };
    QObject::connect(v, &VariacioVezerlo::feltetelekTorolve, &feltetelek, [w = &feltetelek] {
        w->BeolvFeltKijelolese();
        w->SetFeltetelJelzo(kvx::Program::aktualis().Feltetelek.FeltetelJelzo);
    });
    // A condition removed by hand: the test of the lines against it is void.
    QObject::connect(&feltetelek, &TFeltetelek::feltetelKiveve, &p.Teszt(), &TesztVezerlo::TesztElvetese);
    // The error-point and Találat limits of an open window follow the
    // numbers of the line. They are worked out from the records, which a
    // load may have replaced behind the window's edits.
    QObject::connect(&p.Szelveny(), &SzelvenyVezerlo::szamokValtoztak, &feltetelek, [w = &feltetelek] {
        if (w->isVisible())
            w->OpcioBetoltes();
    });
}

void InfoVariacioBekotese(TInfo& info, TFeltetelek& feltetelek)
{
    kvx::Program& p = kvx::Program::aktualis();
    VariacioVezerlo* v = &p.Variacio();
    info.VanSor = [v] { return v->Kep().LefoglaltSorok > 0; };
    QObject::connect(v, &VariacioVezerlo::valtozott, &info, &TInfo::DiagramAllapot);
    kvx::ParancsTar::aktualis()->Kezelo(kvx::ParancsId::InfoGomb, &info, [w = &info] { w->Start(); });
    // The description is of the numbers the conditions are set for: it is
    // there while the conditions command is.
    if (QAction* feltetelek = kvx::ParancsTar::aktualis()->Keres(kvx::ParancsId::Listzs1)) {
        const auto kovetes = [feltetelek] {
            const bool be = feltetelek->isEnabled();
            kvx::ParancsBeallitas(kvx::Parancs(kvx::ParancsId::InfoGomb), be,
                                  be ? QStringLiteral(" Információk a variációról ")
                                     : QStringLiteral(" Nincs kijelölt számsor "));
        };
        QObject::connect(feltetelek, &QAction::changed, &info, kovetes);
        kovetes();
    }
    // Cheap when nothing it shows changed.
    const auto frissites = [w = &info] {
        if (w->isVisible())
            w->Listazas();
    };
    QObject::connect(&feltetelek, &TFeltetelek::feltetelekValtoztak, &info, frissites);
    QObject::connect(&p.Szelveny(), &SzelvenyVezerlo::szamokValtoztak, &info, frissites);
    QObject::connect(v, &VariacioVezerlo::valtozott, &info, frissites);
    // A finished test's report is part of the description.
    QObject::connect(&p.Teszt(), &TesztVezerlo::tesztVege, &info, frissites);
    QObject::connect(v, &VariacioVezerlo::futasIndul, &info, [w = &info] { w->ListaTorlese(true); });
}
