// The main window's Teszt command: the set-up of the variation test, and the
// wiring of the test window's requests (restart, draw range, insert).
#include "shell/foablak.h"

#include <QCheckBox>

#include "app/shell_state.h"
#include "shell/formok.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "draws/ui/huzszama.h"
#include "variation/store_jobs.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

void TFoablak::eszt1Click()
{
    TBontTeszt* w = formok().BontTeszt;
    Program& p = Program::aktualis();
    TesztVezerlo& teszt = p.Teszt();
    if (!w || p.Variacio().Fut() || teszt.Fut() || p.Tar.BontSzelvszam <= 0)
        return;
    // 1. An unfinished variation is tested only when the user agrees.
    if (!BefejezetlenKerdes(QStringLiteral("Mégis teszteli a variációt?")))
        return;
    // 2, 4-9. The sizes, strides and limits of the test.
    const SzamListak& l = p.Szamok;
    TesztBeallitasBemenet be;
    be.Jatek = p.Jatek;
    be.KijeloltSzamDb = l.KijeloltSzamDb();
    be.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    be.KijeloltPluszSzamDb = l.KijeloltPluszSzamDb;
    be.FixSzamDb = l.FixSzamDb();
    be.VariacioMeret = l.VariacioMeret;
    be.HuzasokLogPipa = w->HuzasokLogCB->isChecked();
    be.AdatbazisBetoltve = p.Huzasok.AdatbazisBetoltve;
    be.FeltetelJelzo = p.Feltetelek.FeltetelJelzo;
    be.SzamPozicio = w->UpDown1->value();
    be.ListaPozicio = w->TesztListDbTalalatraUpDown->value();
    const TesztElokeszites e = TesztBeallitasKeszites(be);
    if (!e.Elutasitas.empty()) {
        InformacioUzenet(QString::fromStdString(e.Elutasitas));
        return;
    }
    // 3. A sorted list goes back to its stored order.
    BontListEredetiSorrend(p.Tar);
    teszt.Beallitas = e.B;
    w->Beallitas(e);
    w->Start();
}

void TFoablak::TesztAblakBekotese()
{
    TBontTeszt* w = formok().BontTeszt;
    if (!w)
        return;
    TesztVezerlo& teszt = Program::aktualis().Teszt();
    // Only the test window answers while a test runs.
    connect(&teszt, &TesztVezerlo::tesztIndul, this,
            [this] { tesztTiltas_ = AblakTiltas::MindenMasAblak(formok().BontTeszt.data()); });
    connect(&teszt, &TesztVezerlo::tesztVege, this, [this] { tesztTiltas_.Vege(); });
    connect(w, &TBontTeszt::ujrainditasKerve, this, &TFoablak::eszt1Click);
    connect(w, &TBontTeszt::tartomanyKerve, this, [this, w] {
        THuzSzama* h = formok().HuzSzama;
        if (!h)
            return;
        const HuzSzamaState& r = huzSzama();
        const std::int32_t elso = r.GetVariacioTesztSzamsorElso(), utolso = r.GetVariacioTesztSzamsorUtolso();
        if (!h->Start(6, THuzSzama::Kornyezet()))
            return;
        if (w->HuzasokLogCB->isChecked() &&
            (elso != r.GetVariacioTesztSzamsorElso() || utolso != r.GetVariacioTesztSzamsorUtolso())) {
            w->StopGombClick();
            w->hide();
            eszt1Click();
        }
    });
    connect(w, &TBontTeszt::beillesztesKerve, this, [this](int osztaly) {
        TesztVezerlo& t = Program::aktualis().Teszt();
        HuzSzamaState& r = huzSzama();
        const std::int64_t db = t.PeldaDb(osztaly);
        r.SetBontBovitesSzamsorElso(1);
        r.SetBontBovitesSzamsorUtolso(1);
        if (db >= 2) {
            // The user chooses which of the class's lines to insert;
            // cancelling goes back to the test.
            THuzSzama* h = formok().HuzSzama;
            HuzSzamaKornyezet k = THuzSzama::Kornyezet();
            k.C = static_cast<std::int32_t>(db);
            k.OsztalyVan = true;
            if (!h || !h->Start(5, k)) {
                eszt1Click();
                return;
            }
        }
        t.Beillesztes(osztaly, r.GetBontBovitesSzamsorElso(), r.GetBontBovitesSzamsorUtolso());
    });
}
