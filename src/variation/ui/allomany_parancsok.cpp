#include "variation/ui/allomany_parancsok.h"

#include <QAction>
#include <QString>

#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/ui/variacio_statusz.h"
#include "tickets/file_helpers.h"
#include "variation/store_jobs.h"
#include "variation/ui/filedialogs.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "conditions/ui/feltetelek.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"
#include "variation/variation_store.h"
#include "draws/draws_table.h"

using namespace kvx;

AllomanyParancsok& Program::AllomanyParancsai()
{
    if (!allomanyParancsok_) {
        SzamsorParancsai();
        VariacioParancsai();
        allomanyParancsok_ = Megtart(std::make_unique<AllomanyParancsok>(*this));
    }
    return *allomanyParancsok_;
}

AllomanyParancsok::AllomanyParancsok(Program& program, QObject* parent) : QObject(parent), p_(program) {}

void AllomanyParancsok::MentesAllapot() const
{
    // A number set is saved once its line is over-full, a variation while
    // it holds lines as the status bar last showed it.
    const bool mentes = p_.SzamsorParancsai().Tulteli() || p_.VariacioStatusza().Allapot().BontSzelvszam > 0;
    const QString nincs = QStringLiteral(" Nincs mentésre váró adat ");
    const std::pair<kvx::ParancsId, const char*> pontok[] = {
        {ParancsId::Mentsmsknt1, " Számsor, variáció, export állományok mentése "},
        {ParancsId::Ments3, " Számsor és feltételek mentése "},
    };
    for (const auto& [nev, tipp] : pontok) {
        QAction* a = kvx::Parancs(nev);
        const QString t = mentes ? QString::fromUtf8(tipp) : nincs;
        kvx::ParancsBeallitas(a, mentes, t);
    }
}

void AllomanyParancsok::statuszKiiras() const
{
    // The status bar shows the variation's last state again, finished.
    p_.VariacioStatusza().Ujrakiiras();
}

void AllomanyParancsok::szamokValtozasa() const { p_.Szelveny().SzamokKijelzese(); }

void AllomanyParancsok::opciokBetoltese() const
{
    if (TFeltetelek* f = p_.VariacioParancsai().Ablakok().Feltetelek; f && f->isVisible())
        f->OpcioBetoltes();
}

void AllomanyParancsok::ParancsokBekotese(const QObject* kontextus)
{
    ParancsTar& t = *ParancsTar::aktualis();
    t.Kezelo(ParancsId::Megnyits1, kontextus, [this] { Megnyits1Click(); });
    t.Kezelo(ParancsId::Mentsmsknt1, kontextus, [this] { Mentsmsknt1Click(); });
    t.Kezelo(ParancsId::Ments3, kontextus, [this] { Ments3Click(); });
    // The saves follow the line before the conditions command does.
    connect(&p_.SzamsorParancsai(), &SzamsorParancsok::feltetelekElerhetok, kontextus, [this] { MentesAllapot(); });
}

void AllomanyParancsok::DialogusokLetrehozasa(QWidget* foablak)
{
    d_ = new TAllomanyDialogusok(foablak, AllomanyDialogusAllapot::Program());
    TAllomanyDialogusok& d = *d_;
    // The dialogs ask and report errors with the program's boxes.
    d.Kerdes = [](const QString& szoveg) { return ProgramKerdes(szoveg); };
    const auto alapUzenet = d.Uzenet;
    d.Uzenet = [alapUzenet](TAllomanyDialogusok::UzenetFajta f, const QString& szoveg) {
        if (f == TAllomanyDialogusok::UzenetFajta::Hiba)
            ProgramHibaUzenet(szoveg);
        else
            alapUzenet(f, szoveg);
    };
    SzamsorParancsok& sp = p_.SzamsorParancsai();
    d.Mind1Click = [&sp] { sp.MindenSzamTorlese(); };
    // Writing and reading a variation file show the wait window.
    d.VarakozasKi = [this](const QString& szoveg) {
        if (TUzenetAblak* w = p_.VarakozoAblak)
            w->UzenetKi(szoveg, 0, kFeladatNincs, false);
    };
    d.VarakozasVege = [this] {
        if (TUzenetAblak* w = p_.VarakozoAblak)
            w->UzenetVege();
    };
    VariacioParancsok& vp = p_.VariacioParancsai();
    d.Import = [&vp](const QString& nev) { return vp.Import(nev); };
    d.Import_log_true = [this] { p_.Variacio().Import_log_true(); };
    d.MegszakitatottStatus = [&vp] { vp.MegszakitatottStatus(); };
    // The open cleared the ticket first; that question offered the draws.
    d.JatekValtas = [this](int jatek) {
        emit jatekValtasKerve(jatek);
        DialogusAllapotFrissites();
    };
    connect(&d, &TAllomanyDialogusok::variacioValtozas, this, [this, &vp] {
        variacioMegnyitva_ = true;
        if (TBontLista* lista = p_.VariacioParancsai().Ablakok().BontLista)
            lista->TablaUjrakezdes();
        p_.Variacio().StatuszFrissites();
        vp.ParancsAllapotFrissites();
        // The body brought the Találat option and the optimisation; a hidden
        // panel reads them when it opens.
        opciokBetoltese();
    });
    connect(&d, &TAllomanyDialogusok::betoltve, this, [this, &sp](const SzamsorKep& kep) {
        sp.SzamsorrendKijelzes(kep.SzamsorrendMod);
        sp.KijelolesMenuFrissites();
        szamokValtozasa();
        // The options panel shows the file's options.
        opciokBetoltese();
    });
}

void AllomanyParancsok::DialogusAllapotFrissites()
{
    AllomanyDialogusAllapot& a = d_->Allapot;
    a.AdatbazisBetoltve = draws().AdatbazisBetoltve;
    a.HuzasokSzama = draws().HuzasokSzama;
    a.AdatbazisTipus = adatbazisFajta().AdatbazisTipus;
    a.BontMatrixMeret = variationStore().BontMatrixMeret;
    a.VariacioAllapot = p_.VariacioStatusza().Szoveg().toStdString();
    a.Peldabontas = bontasEgyseg().Peldabontas;
}

void AllomanyParancsok::Megnyits1Click()
{
    DialogusAllapotFrissites();
    variacioMegnyitva_ = false;
    // Marking the loaded conditions belongs to the conditions window.
    d_->AllomanyDialogus(ModMegnyitas, QString(), true);
    p_.SzamsorParancsai().KijelolesMenuFrissites();
    statuszKiiras();
    // An opened variation shows its lines.
    if (variacioMegnyitva_ && variationStore().BontSzelvszam > 0 && Parancs(ParancsId::Listzs2)->isEnabled())
        p_.VariacioParancsai().Listazas();
}

void AllomanyParancsok::Mentsmsknt1Click()
{
    DialogusAllapotFrissites();
    const bool rendezett = BontListRendezett(variationStore());
    d_->AllomanyDialogus(ModMentes, QString(), false);
    p_.VariacioParancsai().SorrendVisszaallitasUtan(rendezett);
    statuszKiiras();
}

void AllomanyParancsok::Ments3Click()
{
    DialogusAllapotFrissites();
    d_->AllomanyDialogus(ModMentes, QStringLiteral("tip"), false);
    statuszKiiras();
}
