// The Teszt command ("eszt1"): the set-up of the variation test from the
// test window's options, and the wiring of the test window's requests
// (restart, draw range, insert) and of what a switch of draws database
// takes away from the test and the variation. While a test runs only the
// test window answers. It emits nothing of its own: the test controller's tesztIndul
// and tesztVege switch the other windows off and on.
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"

#include <QCheckBox>

#include "app/shell_state.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzszama.h"
#include "variation/store_jobs.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/variacio_vezerlo.h"

using namespace kvx;

void TesztVezerlo::TesztParancs()
{
    TBontTeszt* w = ablak_;
    Program& p = p_;
    TesztVezerlo& teszt = *this;
    if (!w || p.Variacio().Fut() || teszt.Fut() || p.Tar.BontSzelvszam <= 0)
        return;
    // 1. An unfinished variation is tested only when the user agrees.
    if (!Program::aktualis().VariacioParancsai().BefejezetlenKerdes(QStringLiteral("Mégis teszteli a variációt?")))
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

void TesztVezerlo::AblakokBekotese(TBontTeszt* ablak, THuzSzama* tartomany)
{
    ablak_ = ablak;
    tartomany_ = tartomany;
    TBontTeszt* w = ablak;
    if (!w)
        return;
    // The command ends with its window.
    ParancsTar::aktualis()->Kezelo(ParancsId::eszt1, w, [this] { TesztParancs(); });
    // The window shows results of the lines: a deletion closes it.
    connect(&Program::aktualis().Variacio(), &VariacioVezerlo::torles, w, &QWidget::close);
    // A switch of database that gives up the hit-ratio condition takes the
    // variation built from the draws' lines with it.
    AdatbazisParancsok& ap = Program::aktualis().AdatbazisParancsai();
    connect(&ap, &AdatbazisParancsok::huzasVariacioTorlese, w,
            [] { Program::aktualis().Variacio().BontasTorlese(false); });
    // A test of the variation against the draws tells about the draws being
    // left: its window and its report go with them.
    connect(&ap, &AdatbazisParancsok::huzasokElhagyasa, w, [this, w] {
        if (!Beallitas.HuzasokTeszt)
            return;
        if (w->isVisible())
            w->close();
        PeldabontasLogTorles();
    });
    // Only the test window answers while a test runs.
    connect(this, &TesztVezerlo::tesztIndul, w, [this] { tiltas_ = AblakTiltas::MindenMasAblak(ablak_.data()); });
    connect(this, &TesztVezerlo::tesztVege, w, [this] { tiltas_.Vege(); });
    connect(w, &TBontTeszt::ujrainditasKerve, this, &TesztVezerlo::TesztParancs);
    connect(w, &TBontTeszt::tartomanyKerve, this, [this, w] {
        THuzSzama* h = tartomany_;
        if (!h)
            return;
        const HuzSzamaState& r = huzSzama();
        const std::int32_t elso = r.GetVariacioTesztSzamsorElso(), utolso = r.GetVariacioTesztSzamsorUtolso();
        if (!h->Start(6, THuzSzama::Kornyezet()))
            return;
        if (w->HuzasokLogCB->isChecked() &&
            (elso != r.GetVariacioTesztSzamsorElso() || utolso != r.GetVariacioTesztSzamsorUtolso())) {
            // What the window's Stop does: the test stops, its sample log goes.
            Leallitas();
            PeldabontasLogTorles();
            w->hide();
            TesztParancs();
        }
    });
    connect(w, &TBontTeszt::beillesztesKerve, this, [this](int osztaly) {
        HuzSzamaState& r = huzSzama();
        const std::int64_t db = PeldaDb(osztaly);
        r.SetBontBovitesSzamsorElso(1);
        r.SetBontBovitesSzamsorUtolso(1);
        if (db >= 2) {
            // The user chooses which of the class's lines to insert;
            // cancelling goes back to the test.
            THuzSzama* h = tartomany_;
            HuzSzamaKornyezet k = THuzSzama::Kornyezet();
            k.C = static_cast<std::int32_t>(db);
            k.OsztalyVan = true;
            if (!h || !h->Start(5, k)) {
                TesztParancs();
                return;
            }
        }
        Beillesztes(osztaly, r.GetBontBovitesSzamsorElso(), r.GetBontBovitesSzamsorUtolso());
    });
}
