// The main window's side of the variation commands: the hooks of the
// variation's command object that need the main window (status bar, the
// conditions command, the file dialogs, the main ticket and the test above
// the variation), and the status bar's variation panel.
#include "app/ui/parancs_tar.h"
#include "shell/foablak.h"
#include "app/ui/program.h"
#include "app/ui/variacio_statusz.h"

#include <QAction>

#include "app/shell_state.h"
#include "shell/formok.h"
#include "conditions/ui/feltetelek.h"
#include "tickets/number_lists.h"
#include "tickets/ui/filedialogs.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/allomany_parancsok.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

void TFoablak::VariacioParancsokBekotese()
{
    VariacioParancsok& vp = Program::aktualis().VariacioParancsai();
    vp.ParancsokBekotese();
}

void TFoablak::VariacioVezerloBekotese()
{
    VariacioVezerlo& v = Program::aktualis().Variacio();
    // Made here, before any window subscribes to the controller: its
    // handlers answer the controller's signals first, as the main window's did.
    VariacioParancsok& vp = Program::aktualis().VariacioParancsai();
    QPointer<TFoablak> fo = this;
    vp.StatuszFrissites = [fo] {
        if (fo)
            fo->VariacioStatuszFrissites();
    };
    vp.FeltetelekMegnyitasa = [fo] {
        if (fo)
            fo->Listzs1Click();
    };
    SzamsorParancsok& sp = Program::aktualis().SzamsorParancsai();
    vp.FoszelvenyTulteli = [fo, &sp] { return fo && sp.Tulteli(); };
    vp.MentesDialogus = [fo] {
        if (!fo)
            return;
        AllomanyParancsok& ap = Program::aktualis().AllomanyParancsai();
        ap.DialogusAllapotFrissites();
        ap.Dialogusok()->AllomanyDialogus(kvx::ModMentes, QStringLiteral("top"), false);
    };
    vp.SzelvenyTorles = [fo, &sp] {
        if (fo)
            sp.MindenSzamTorlese();
    };
    vp.SzamsorrendKijelzes = [fo, &sp](int mod) {
        if (fo)
            sp.SzamsorrendKijelzes(mod);
    };
    vp.SzamokFrissitese = [fo, &sp] {
        if (!fo)
            return;
        if (fo->szamokValtozasa)
            fo->szamokValtozasa();
        sp.KijelolesMenuFrissites();
    };
    // The run window's Teszt button starts the test.
    connect(&vp, &VariacioParancsok::futasUtan, this, [this](FutasUtaniLepes l) {
        if (l == FutasUtaniLepes::Teszt)
            Program::aktualis().Teszt().TesztParancs();
    });
    connect(&v, &VariacioVezerlo::bovitesValtozott, this, [this] { bovitesKijelzes(); });
    connect(&v, &VariacioVezerlo::feltetelKijelzes, this, [] {
        if (TFeltetelek* f = formok().Feltetelek)
            f->SetFeltetelekKijelzes();
    });
}

void TFoablak::VariacioStatuszFrissites()
{
    const VariationStore& t = variationStore();
    const BontasEgyseg& u = bontasEgyseg();
    // While a run goes the worker owns the store: only its published count is read.
    const std::int64_t n = u.Vezerles.BontSzelvszam.load();
    const VariacioAllapot v = kvx::Program::aktualis().Variacio().Fut()
                                  ? VariacioAllapotMost(n, n, u)
                                  : VariacioAllapotMost(t.BontMatrixMeret, t.BontSzelvszam, u);
    Program::aktualis().VariacioStatusza().Kiiras(v, !u.BontMegszAktiv.load(), true);
}

void TFoablak::bovitesKijelzes()
{
    if (Image1)
        Image1->setVisible(bontasEgyseg().BontasBovites);
    if (TFeltetelek* f = formok().Feltetelek) {
        f->HibapontBeEditChange();
        f->SetFeltetelekKijelzes();
    }
    // The number commands follow the counts the extension keeps.
    Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    VariacioStatuszFrissites();
}
