#include "app/ui/formok.h"
#include "app/ui/program.h"

#include "app/ui/beallitasok.h"
#include "app/ui/foablak.h"
#include "app/ui/internetletoltesablak.h"
#include "app/ui/nevjegy.h"
#include "app/ui/uzenetablak.h"
#include "app/version.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "draws/ui/velszam.h"
#include "printing/ui/nyomtopc.h"
#include "statistics/ui/statisztika.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/generation_run.h"
#include "variation/variation_store.h"

Formok& formok()
{
    static Formok f;
    return f;
}

void FormokLetrehozasa(TFoablak& foablak)
{
    Formok& f = formok();
    f = Formok{};
    f.Foablak = &foablak;
    QWidget* szulo = &foablak;
    f.InternetLetoltesAblak = new TInternetLetoltesAblak(szulo);
    f.UzenetAblak = new kvx::TUzenetAblak(szulo, foablak.MeretSzorzo);
    QObject::connect(&foablak, &QObject::destroyed, [w = f.UzenetAblak] { delete w.data(); });
    f.Feltetelek = new TFeltetelek(szulo);
    // The conditions window knows the variation it stands beside: with lines
    // it only lists the conditions, and its button starts a run or asks to
    // delete the variation as the main window's commands do.
    f.Feltetelek->Variacio = [] {
        const kvx::VariationStore& t = kvx::variationStore();
        const kvx::BontasEgyseg& u = kvx::bontasEgyseg();
        FeltetelekVariacio v;
        v.SzamsorDb = t.BontSzelvszam;
        v.LefoglaltSorok = t.BontMatrixMeret;
        v.BontasBovites = u.BontasBovites;
        v.Pause = u.Vezerles.BontasPause.load();
        v.Szerkesztett = u.SzerkesztettVariacio;
        v.Befejezetlen = u.Allapot.BontasBefejezetlen;
        return v;
    };
    f.Feltetelek->Start1Click = [&foablak] { foablak.Start1Click(); };
    f.Feltetelek->BontTorlesEng1 = [&foablak] { foablak.rls2Click(); };
    f.HuzLista = new THuzLista(szulo);
    f.BontLista = new TBontLista(kvx::Program::aktualis().Variacio(), szulo);
    QObject::connect(f.BontLista.data(), &TBontLista::tartomanyTorlesKerve, &foablak, &TFoablak::BontSzamsorTorles);
    f.Bontas = new TBontas(kvx::Program::aktualis().Variacio(), szulo);
    f.HuzSzama = new THuzSzama(szulo);
    // The online-access serial comes with the online-access table.
    f.Nevjegy = new kvx::TNevjegy(szulo, QString::fromStdString(kvx::VerzioSzoveg()), QString(), foablak.MeretSzorzo);
    f.HuzBe = new THuzBe(szulo);
    f.VelSzam = new TVelSzam(szulo);
    f.Beallitasok = new TBeallitasok(szulo);
    f.Info = new TInfo(szulo);
    f.NyomtOpc = new TNyomtOpc(szulo);
    f.Statisztika = new TStatisztika(szulo);
    f.BontTeszt = new TBontTeszt([&foablak] { foablak.Betoltes(); }, szulo);
    // The test window shows results of the lines: a deletion closes it.
    QObject::connect(&kvx::Program::aktualis().Variacio(), &VariacioVezerlo::torles, f.BontTeszt.data(),
                     &QWidget::close);
}
