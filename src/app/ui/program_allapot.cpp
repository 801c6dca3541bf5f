// The one place that makes the states of every subsystem: it alone sees every
// core's headers, so the ui base and the windows below a subsystem never do.
#include "app/ui/program.h"

#include "app/ui/internet_vezerlo.h"
#include "app/ui/variacio_statusz.h"

#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "conditions/variation_options.h"
#include "draws/draw_editing.h"
#include "draws/draw_entry.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"
#include "statistics/stat_result.h"
#include "tickets/file_helpers.h"
#include "tickets/number_lists.h"
#include "tickets/number_statistics.h"
#include "variation/generation_run.h"
#include "variation/variation_file.h"
#include "variation/variation_store.h"

namespace kvx {

struct ProgramAllapot {
    DrawsState Huzasok;
    AdatbazisFajta Adatbazis;
    HuzSzamaState HuzSzama;
    HuzListaState HuzLista;
    HuzBeState HuzBe;
    VagolapState Vagolap;
    SzamListak Szamok;
    SzamStatisztikaState SzamStatisztika;
    KozosAllomanyAllapot KozosAllomany;
    FeltetelRekordok Feltetelek;
    SzamJelzok SzamJelzok_;
    VariacioOpcioErtekek VariacioOpciok;
    VariationStore Tar;
    BontasEgyseg Bontas;
    VariacioAllomanyAllapot VariacioAllomany;
    StatMasolat Statisztika;
};

void Program::AllapotTorlo::operator()(ProgramAllapot* a) const
{
    delete a;
}

Program::Program()
    : allapot_(new ProgramAllapot),
      Huzasok(allapot_->Huzasok),
      Adatbazis(allapot_->Adatbazis),
      HuzSzama(allapot_->HuzSzama),
      HuzLista(allapot_->HuzLista),
      HuzBe(allapot_->HuzBe),
      Vagolap(allapot_->Vagolap),
      Szamok(allapot_->Szamok),
      SzamStatisztika(allapot_->SzamStatisztika),
      KozosAllomany(allapot_->KozosAllomany),
      Feltetelek(allapot_->Feltetelek),
      SzamJelzok_(allapot_->SzamJelzok_),
      VariacioOpciok(allapot_->VariacioOpciok),
      Tar(allapot_->Tar),
      Bontas(allapot_->Bontas),
      VariacioAllomany(allapot_->VariacioAllomany),
      Statisztika(allapot_->Statisztika)
{
    Bejegyzes();
}

}  // namespace kvx
