// The main window's side of the draws database commands: the hooks of the
// command object (draws/ui/adatbazis_parancsok.h) that only the main window
// can answer, its signals carried to the windows of the subsystems above the
// draws, the main ticket's statistic view on draw changes, and the backups'
// restore command.
#include "app/ui/parancs_tar.h"
#include "shell/foablak.h"
#include "app/ui/program.h"
#include "variation/ui/back_vezerlo.h"

#include <QAction>

#include "shell/formok.h"
#include "conditions/ui/feltetelek.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "statistics/ui/statisztika.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

void TFoablak::AdatbazisParancsokBekotese()
{
    AdatbazisParancsok& ap = Program::aktualis().AdatbazisParancsai();
    QPointer<TFoablak> fo = this;
    ap.DialogusSzulo = this;
    ap.Betoltes = [fo] {
        if (!fo)
            return BetoltesAllapot::NincsAllomany;
        fo->HuzasokBetoltese();
        return fo->UtolsoBetoltes;
    };
    // Every game keeps its own backups.
    ap.MentesekFrissitese = [] { Program::aktualis().Back().VanElmentettUtolsoBontas(); };
    // The hit-ratio condition needs draws to count over.
    connect(&ap, &AdatbazisParancsok::adatbazisJelenlet, this, [](bool van) {
        if (TFeltetelek* f = formok().Feltetelek)
            f->TalalatiAranyElerheto(van);
    });
    // The statistics window shows results of the draws being left.
    connect(&ap, &AdatbazisParancsok::valtasElott, this, [] {
        if (formok().Statisztika && formok().Statisztika->isVisible())
            formok().Statisztika->close();
    });
    connect(&ap, &AdatbazisParancsok::huzasVariacioTorlese, this,
            [] { Program::aktualis().Variacio().BontasTorlese(false); });
    connect(&ap, &AdatbazisParancsok::talalatiAranyTorolve, this, [] {
        if (formok().Feltetelek)
            formok().Feltetelek->BeolvFeltKijelolese();
    });
    // A test of the variation against the draws tells about the draws being
    // left: its window and its report go with them.
    connect(&ap, &AdatbazisParancsok::huzasokElhagyasa, this, [] {
        TesztVezerlo& teszt = Program::aktualis().Teszt();
        if (!teszt.Beallitas.HuzasokTeszt)
            return;
        if (formok().BontTeszt && formok().BontTeszt->isVisible())
            formok().BontTeszt->close();
        teszt.PeldabontasLogTorles();
    });
    connect(&ap, &AdatbazisParancsok::statisztikaKerve, this, [](std::int32_t tag) {
        if (formok().Statisztika)
            formok().Statisztika->StatisztikaKeszites(tag);
    });
    // A new draw range: the main ticket's statistic view counts over it.
    auto statisztikaNezetFrissites = [] {
        TFoszelveny* fo = szelvenyek().Foszelveny;
        if (!fo)
            return;
        const int nezet = szamStatisztika().NezetMod;
        if (nezet == NezetHanyszorHuztak)
            fo->HanyszorHuztakNezet();
        else if (nezet == NezetHanyHuzasOta)
            fo->HanyHuzasOtaNezet();
    };
    connect(&Program::aktualis().HuzasokV(), &HuzasokVezerlo::tartomanyokValtoztak, this,
            [statisztikaNezetFrissites](int mod) {
                if (mod >= 1 && mod <= 3)
                    statisztikaNezetFrissites();
            });
    // So does a draw added, deleted or restored, or another table loaded: the
    // view must not go on counting the draws that were there before.
    connect(&Program::aktualis().HuzasokV(), &HuzasokVezerlo::valtozott, this, [statisztikaNezetFrissites] {
        if (draws().AdatbazisBetoltve && !Program::aktualis().HuzasokV().BevitelFolyamatban())
            statisztikaNezetFrissites();
    });
    ap.ParancsokBekotese();
}


