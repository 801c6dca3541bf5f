#include "variation/ui/internet_variacio.h"

#include <QPointer>
#include <QString>

#include <string>

#include "app/ui/internet_vezerlo.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "common/date_helpers.h"
#include "tickets/number_lists.h"
#include "variation/store_jobs.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/variation_export.h"
#include "variation/variation_file.h"
#include "variation/variation_store.h"

using namespace kvx;

namespace {

// The upload's file: the lines back in the order they were made, written
// while the wait window shows.
bool feltoltes(const std::string& allomany, std::string& hiba)
{
    Program& p = Program::aktualis();
    VariationStore& tar = p.Tar;
    BontListEredetiSorrend(tar);
    ExportFejlec fejlec;
    fejlec.VariacioVerzio = p.VariacioAllomany.VariacioVerzio;
    fejlec.VariacioDatum = p.VariacioAllomany.VariacioDatum != 0.0 ? p.VariacioAllomany.VariacioDatum : MaiDatum();
    const QPointer<TUzenetAblak> w = p.VarakozoAblak;
    if (w)
        w->UzenetKi(QString::fromUtf8("Export állomány mentése"), 0, kFeladatNincs, false);
    const bool ok = ExportKiiras(allomany, "csv", tar, p.Szamok, p.Jatek, fejlec, hiba);
    if (w)
        w->UzenetVege();
    return ok;
}

}  // namespace

void InternetVariacioHorgai(InternetVezerlo& iv)
{
    InternetVezerlo::Horgok& h = iv.H;
    h.VariacioSorok = [] { return variationStore().BontSzelvszam; };
    h.VanKijeloles = [] { return szamListak().KijeloltSzamDb() > 0; };
    h.Bovites = [] { return bontasEgyseg().BontasBovites; };
    h.VariacioFeltoltes = feltoltes;
}

void InternetVariacioBekotese(InternetVezerlo& iv, const QObject* kontextus)
{
    InternetVariacioHorgai(iv);
    // The upload item follows the variation.
    QObject::connect(&Program::aktualis().Variacio(), &VariacioVezerlo::valtozott, kontextus,
                     [&iv] { iv.MenuFrissitesKerese(); });
}
