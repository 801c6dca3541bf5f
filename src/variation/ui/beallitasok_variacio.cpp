#include "variation/ui/beallitasok_variacio.h"

#include <QObject>

#include "app/ui/beallitasok.h"
#include "app/ui/program.h"
#include "conditions/ui/info.h"
#include "variation/ui/back_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/variation_store.h"

using namespace kvx;

void BeallitasokVariacioBekotese(TBeallitasok& beallitasok)
{
    beallitasok.VariacioMeret.Olvasas = [] { return variationStore().BontEngedelyezettMeret; };
    beallitasok.VariacioMeret.Iras = [](std::int64_t meret) { variationStore().BontEngedelyezettMeret = meret; };
    beallitasok.VariacioMeret.Teljes = [](const GameParams& g) {
        return TeljBontSzelvszam(g.OsszesSzam, g.SzamsorHossz, g.PluszSzamKeszlet, g.VanPluszSzam, g.PluszSzamDb);
    };
    // The backup option may have changed: the restore command follows; an
    // open information window lists again with the new settings.
    QObject::connect(&beallitasok, &TBeallitasok::alkalmazva, &beallitasok, [] {
        Program& p = Program::aktualis();
        p.Back().VanElmentettUtolsoBontas();
        if (TInfo* i = p.VariacioParancsai().Ablakok().Info; i && i->isVisible())
            i->Listazas();
    });
}
