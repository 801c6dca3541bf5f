#pragma once
// What the variation's windows need, built without the main window: a plain
// parent window with the placement service, the command registry, the
// program's folders under a temporary program file, the wait window, the
// tickets of the current game, the windows below the variation that its
// wiring takes (the conditions, the draws list and range dialog, the
// information window) and the variation's own windows, wired to each other
// as the program wires them.
//
// The conditions command is registered by the conditions' wiring as in the
// program; the main ticket's over-full line is what SzamokValtoztak last
// read. There is no status bar and no save dialog (the file commands make
// them with the main window), which the commands take as nothing to do.
//
// FutasAblakokAlap is the test base of the run, list and extension tests on
// it: quiet settings and a run of twelve 5/90 numbers with one error point.
#include "app/folders.h"
#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/valaszolo.h"
#include "app/workers.h"
#include "conditions/condition_records.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/feltetelek_bekotes.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontellszelveny.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontteszt.h"
#include "variation/ui/feltetel_ablakok.h"
#include "variation/ui/teszt_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"

#include <QAction>
#include <QFontMetrics>
#include <QMainWindow>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kvx::teszt {

class VariacioAblakok {
public:
    // `programAllomany` stands for the executable: the program's folders
    // are made beside it.
    VariacioAblakok(kvx::Program& p, const QString& programAllomany) : p_(p)
    {
        // The controllers first, in the order the program makes them: their
        // handlers answer the signals before any window's.
        p.HuzasokV();
        p.Szelveny();
        p.SzamsorParancsai();
        p.Variacio();
        p.Teszt();
        BontEllSzelvenyBekotes();
        VariacioParancsok& vp = p.VariacioParancsai();

        Folders& f = p.Konyvtarak;
        Settings& s = p.Beallitasok;
        KonyvtarakBeallitasa(f, programAllomany.toStdString());
        const int sorMagassag = QFontMetrics(Foablak.font()).boundingRect(QStringLiteral("Í")).height();
        SzelvIniAlap(s, p.Jatek, p.Fo, sorMagassag);
        KonyvtarakLetrehozasa(f);
        UtolsoKonyvtarakAlap(f);
        SzelvenyMeretekBeallitasa(s, sorMagassag);
        JatekKonyvtarakBeallitasa(f, p.Jatek.LottoIndex);

        Foablak.setObjectName(QStringLiteral("Foablak"));
        auto* t = new kvx::ParancsTar(&Foablak);
        // The submenus' items are made with the menus; the number commands
        // set them, so they stand here as plain actions.
        for (const FomenuPont& pont : FomenuPontok())
            if (pont.Fajta == PontFajta::Almenu)
                t->Felvesz(pont.Id, new QAction(QString::fromUtf8(pont.Felirat), &Foablak));
        vp.ParancsokBekotese();
        new kvx::AblakElhelyezes(&Foablak);

        // The tickets of the current game.
        JatekParameterek(p.Jatek);
        SzelvenyekLetrehozasa(&Foablak);
        ListakInicializalasa(p.Szamok, p.Jatek, p.Fo);

        QWidget* szulo = &Foablak;
        VariacioVezerlo* v = &p.Variacio();
        UzenetAblak = new kvx::TUzenetAblak(szulo);
        p.VarakozoAblak = UzenetAblak;
        // The windows in the program's order, each wired by its subsystem's
        // own wiring as the program does.
        Feltetelek = new TFeltetelek(szulo);
        FeltetelekVariacioBekotese(*Feltetelek);
        HuzLista = new THuzLista(p.HuzasokV(), szulo);
        BontLista = new TBontLista(*v, szulo);
        Bontas = new TBontas(*v, szulo);
        HuzSzama = new THuzSzama(p.HuzasokV(), szulo);
        FeltetelekAblakBekotese(*Feltetelek, *HuzSzama);
        Info = new TInfo(szulo);
        InfoVariacioBekotese(*Info, *Feltetelek);
        BontTeszt = new TBontTeszt(p.Teszt(), *v, szulo);
        p.Teszt().AblakokBekotese(BontTeszt, HuzSzama);
        VariacioAblakokBekotese({Feltetelek, BontLista, Bontas, HuzSzama, HuzLista, Info});
        Foablak.show();
    }
    ~VariacioAblakok()
    {
        SzelvenyekLebontasa();
    }
    VariacioAblakok(const VariacioAblakok&) = delete;
    VariacioAblakok& operator=(const VariacioAblakok&) = delete;

    // The main ticket's line changed: as in the program, the number
    // commands and after them the variation's follow whether it is
    // over-full.
    void SzamokValtoztak()
    {
        Tulteli = SzamsorTulteli(p_.Szamok, p_.Jatek);
        p_.SzamsorParancsai().FeltMenuAll(Tulteli);
    }

    // Declared first: the windows are its children and go with it.
    QMainWindow Foablak;
    QPointer<kvx::TUzenetAblak> UzenetAblak;
    QPointer<TFeltetelek> Feltetelek;
    QPointer<THuzLista> HuzLista;
    QPointer<TBontLista> BontLista;
    QPointer<TBontas> Bontas;
    QPointer<THuzSzama> HuzSzama;
    QPointer<TInfo> Info;
    QPointer<TBontTeszt> BontTeszt;

    // The main ticket's line has more numbers than one line of the game.
    bool Tulteli = false;

private:
    kvx::Program& p_;
};

class FutasAblakokAlap : public ::testing::Test {
protected:
    // A fresh program state for every test.
    kvx::Program program_;

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ablakok_ = std::make_unique<VariacioAblakok>(program_, dir_.filePath("kavarex"));
        settings().JovahagyasVariacio = false;
        settings().UzenetekLog.fill(0);
        settings().AutomatikusNev = false;
    }
    void TearDown() override
    {
        szelvenyek().Uzenet = {};
        if (TBontas* b = ablakok_ ? ablakok_->Bontas.data() : nullptr)
            b->BontasMegszakitasa();
        varj([] { return szalak().Tetlen(); }, 60000);
        ablakok_.reset();
    }
    QAction* a(kvx::ParancsId nev) const { return kvx::Parancs(nev); }

    // Marks twelve numbers of 5/90 on the main ticket, as a user would.
    void tizenketSzam()
    {
        for (int n : {3, 9, 14, 22, 27, 31, 40, 48, 55, 61, 77, 88})
            SzamJeloles(szamListak(), game(), mainState(), n, 0, false);
        // The main ticket tells the main window about its numbers this way.
        ablakok_->SzamokValtoztak();
    }
    // Runs the marked numbers with one error point and waits for the end.
    void futtatas()
    {
        feltetelRekordok().Hibapont = 1;
        Valaszolo v(QStringList{});
        a(kvx::ParancsId::Start1)->trigger();
        TBontas* b = ablakok_->Bontas;
        ASSERT_TRUE(varj([b] { return !b->Fut() && szalak().Tetlen(); }, 120000));
        ASSERT_GT(variationStore().BontSzelvszam, 0);
    }

    QTemporaryDir dir_;
    std::unique_ptr<VariacioAblakok> ablakok_;
};

}  // namespace kvx::teszt
