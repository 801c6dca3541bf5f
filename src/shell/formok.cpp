#include "shell/formok.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/internet_parancsok.h"
#include "app/ui/internet_vezerlo.h"

#include <QAction>
#include <memory>
#include <QPointer>
#include "app/ui/program.h"
#include "app/ui/ablak_elhelyezes.h"

#include "app/ui/beallitasok.h"
#include "shell/foablak.h"
#include "app/ui/internetletoltesablak.h"
#include "app/ui/nevjegy.h"
#include "app/ui/sugo.h"
#include "app/ui/uzenetek.h"
#include "app/shell_state.h"
#include "app/ui/uzenetablak.h"
#include "app/version.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "conditions/ui/feltetelek_bekotes.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "draws/ui/velszam.h"
#include "printing/ui/nyomtopc.h"
#include "printing/ui/nyomtatas_vezerlo.h"
#include "statistics/ui/statisztika.h"
#include "statistics/ui/statisztika_bekotes.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/beallitasok_variacio.h"
#include "tickets/ui/huzbeszelveny.h"
#include "tickets/ui/huzszelveny.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/szelvenyek.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "variation/ui/bontellszelveny.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/feltetel_ablakok.h"
#include "tickets/ui/bontszelveny.h"
#include "variation/ui/back_vezerlo.h"
#include "variation/ui/pelda_vezerlo.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"

Formok& formok()
{
    static Formok f;
    return f;
}

void AlrendszerekBekotese()
{
    kvx::Program& p = kvx::Program::aktualis();
    p.HuzasokV();
    p.Szelveny();
    // The number commands' listeners of the draws and the main ticket come
    // before any window's.
    p.SzamsorParancsai();
    p.Variacio();
    p.Teszt();
    BontEllSzelvenyBekotes();
    // The variation's commands answer the controllers' signals before any
    // window; the file commands follow the variation's state from the start.
    p.VariacioParancsai();
    p.AllomanyParancsai();
}

void FormokLetrehozasa(TFoablak& foablak)
{
    Formok& f = formok();
    f = Formok{};
    f.Foablak = &foablak;
    QWidget* szulo = &foablak;
    f.InternetLetoltesAblak = new TInternetLetoltesAblak(szulo, kvx::uzenetBeallitasok().MeretSzorzo);
    f.UzenetAblak = new kvx::TUzenetAblak(szulo, kvx::uzenetBeallitasok().MeretSzorzo);
    kvx::Program::aktualis().VarakozoAblak = f.UzenetAblak;
    QObject::connect(&foablak, &QObject::destroyed, [w = f.UzenetAblak] { delete w.data(); });
    f.Feltetelek = new TFeltetelek(szulo);
    FeltetelekVariacioBekotese(*f.Feltetelek);
    HuzasokVezerlo& huzasok = kvx::Program::aktualis().HuzasokV();
    f.HuzLista = new THuzLista(huzasok, szulo);
    f.BontLista = new TBontLista(kvx::Program::aktualis().Variacio(), szulo);
    f.Bontas = new TBontas(kvx::Program::aktualis().Variacio(), szulo);
    // The draws list's sample request and the sample's windows.
    kvx::Program::aktualis().Pelda().AblakokBekotese(f.HuzLista, f.Feltetelek);
    f.HuzSzama = new THuzSzama(huzasok, szulo);
    FeltetelekAblakBekotese(*f.Feltetelek, *f.HuzSzama);
    // The online-access serial comes with the online-access table.
    f.Nevjegy = new kvx::TNevjegy(szulo, QString::fromStdString(kvx::VerzioSzoveg()),
                                  QString::number(kvx::Program::aktualis().Online.OnlineEleresek.Sorszam),
                                  kvx::uzenetBeallitasok().MeretSzorzo);
    kvx::NevjegyBekotese(*f.Nevjegy);
    InternetAblakokBekotese(*f.InternetLetoltesAblak, *f.Nevjegy);
    f.HuzBe = new THuzBe(huzasok, szulo);
    HuzasSzelvenyekBekotese(*f.HuzLista, *f.HuzBe, f.Bontas);
    HuzListaVariacioBekotese(*f.HuzLista);
    // A draw entry is answered before anything else: the list's save, its
    // deletion or a game switch in between would write or drop the empty
    // row the entry holds open.
    auto bevitelTiltas = std::make_shared<kvx::AblakTiltas>();
    QObject::connect(&huzasok, &HuzasokVezerlo::bevitelKezdodik, &foablak, [bevitelTiltas, be = f.HuzBe] {
        *bevitelTiltas = kvx::AblakTiltas::MindenMasAblak(be.data(), {szelvenyek().HuzBeSzelveny.data()});
    });
    QObject::connect(&huzasok, &HuzasokVezerlo::bevitelVege, &foablak, [bevitelTiltas] { bevitelTiltas->Vege(); });
    f.VelSzam = new TVelSzam(szulo);
    SzamsorAblakokBekotese(*f.VelSzam);
    HuzasokAblakokBekotese({f.HuzLista, f.HuzBe, f.HuzSzama, f.VelSzam});
    f.Beallitasok = new TBeallitasok(szulo);
    if (QAction* a = kvx::Parancs(kvx::ParancsId::BELLTSOK1))
        QObject::connect(a, &QAction::triggered, f.Beallitasok.data(),
                         [w = f.Beallitasok.data()] { w->BeallitasokStart(true); });
    QObject::connect(f.Beallitasok.data(), &TBeallitasok::meretValtas, &foablak, &TFoablak::MeretValtas);
    QObject::connect(f.Beallitasok.data(), &TBeallitasok::alkalmazva, &foablak,
                     [&foablak] { foablak.UzenetBeallitasokFrissitese(); });
    // The message boxes take the new settings before the variation follows.
    BeallitasokVariacioBekotese(*f.Beallitasok);
    f.Info = new TInfo(szulo);
    InfoVariacioBekotese(*f.Info, *f.Feltetelek);
    f.NyomtOpc = new TNyomtOpc(foablak.Nyomtatas(), szulo);
    if (NyomtatasVezerlo* ny = foablak.Nyomtatas())
        NyomtatasAblakokBekotese(*ny, f.UzenetAblak, *f.Info, *f.Feltetelek, f.NyomtOpc, f.Beallitasok);
    f.Statisztika = new TStatisztika(kvx::Program::aktualis().Variacio(), huzasok, szulo);
    StatisztikaBekotese(foablak, *f.Statisztika, {f.HuzSzama, f.HuzLista, f.BontLista, f.Bontas, f.Info});
    f.BontTeszt = new TBontTeszt(kvx::Program::aktualis().Teszt(), kvx::Program::aktualis().Variacio(), szulo);
    // The test window's wiring first: its window closes on a deletion before
    // the variation's windows hear of it.
    kvx::Program::aktualis().Teszt().AblakokBekotese(f.BontTeszt, f.HuzSzama);
    VariacioAblakokBekotese({f.Feltetelek, f.BontLista, f.Bontas, f.HuzSzama, f.HuzLista, f.Info});
    // The test window is the last one: every window exists now, so the main
    // window loads what needs them all.
    foablak.Betoltes();
}
