#include "variation/ui/feltetel_ablakok.h"

#include <QAction>

#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"

void FeltetelekVariacioBekotese(TFeltetelek& feltetelek)
{
    kvx::Program& p = kvx::Program::aktualis();
    VariacioVezerlo* v = &p.Variacio();
    feltetelek.Variacio = [v] { return v->Kep(); };
    feltetelek.VariacioFut = [v] { return v->Fut(); };
    feltetelek.VariacioTorlesEng = [v] { return v->TorlesEng2(); };
    feltetelek.VariacioTorles = [v] { v->BontasTorlese(false); };
    // Conditions opened on a stopped, paused, unfinished or edited variation
    // apply to the lines still to come: it is an extension before the window
    // shows.
    QObject::connect(&feltetelek, &TFeltetelek::megnyitasElott, &p.VariacioParancsai(),
                     &VariacioParancsok::MegszakitatottStatus);
    QObject::connect(v, &VariacioVezerlo::feltetelekTorolve, &feltetelek, [w = &feltetelek] {
        w->BeolvFeltKijelolese();
        w->SetFeltetelJelzo(kvx::Program::aktualis().Feltetelek.FeltetelJelzo);
    });
    // Cleared beside an extension whose numbers are still on the ticket (its
    // conditions command on), the lines stay: they are counted afresh and
    // listed, the list opening if it was closed.
    QObject::connect(&feltetelek, &TFeltetelek::torlesVege, v, [v] {
        const kvx::Program& most = kvx::Program::aktualis();
        const kvx::BontasEgyseg& u = most.Bontas;
        const kvx::SzamListak& l = most.Szamok;
        const kvx::ParancsTar* t = kvx::ParancsTar::aktualis();
        const QAction* f = t ? t->Keres(kvx::ParancsId::Listzs1) : nullptr;
        if (u.BontasBovites && f && f->isEnabled() && l.KijeloltSzamDb() == u.BovitesKijeloltSzamDb &&
            l.FixSzamDb() == u.BovitesFixSzamDb && l.KijeloltPluszSzamDb == u.BovitesPluszSzamDb)
            v->BovitesListazas();
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
    // there while the conditions command is. An extension is described by
    // its lines, whatever the ticket holds meanwhile: it is there while they
    // are.
    if (QAction* feltetelek = kvx::ParancsTar::aktualis()->Keres(kvx::ParancsId::Listzs1)) {
        const auto kovetes = [feltetelek, v] {
            const VariacioKep k = v->Kep();
            const bool be = k.BontasBovites ? k.SzamsorDb > 0 : feltetelek->isEnabled();
            kvx::ParancsBeallitas(kvx::Parancs(kvx::ParancsId::InfoGomb), be,
                                  be ? QStringLiteral(" Információk a variációról ")
                                     : QStringLiteral(" Nincs kijelölt számsor "));
        };
        QObject::connect(feltetelek, &QAction::changed, &info, kovetes);
        QObject::connect(v, &VariacioVezerlo::valtozott, &info, kovetes);
        QObject::connect(v, &VariacioVezerlo::bovitesValtozott, &info, kovetes);
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
