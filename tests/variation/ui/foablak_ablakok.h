#pragma once
// The whole main window with every window made, in the face of
// VariacioAblakok: the tests that need the main window and their twins on
// the variation's windows alone share one fixture written against either.
// Every question of the main window is answered Yes.
#include "app/ui/program.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "draws/ui/huzlista.h"
#include "draws/ui/huzszama.h"
#include "shell/foablak.h"
#include "shell/formok.h"
#include "tickets/number_lists.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "variation/ui/bontas.h"
#include "variation/ui/bontlista.h"
#include "variation/ui/bontteszt.h"

#include <QPointer>
#include <QString>

#include <memory>

namespace kvx::teszt {

class FoablakAblakok {
public:
    FoablakAblakok(kvx::Program&, const QString& programAllomany)
        : Foablak(std::make_unique<TFoablak>(programAllomany))
    {
        kvx::Program::aktualis().Kerdes = [](const QString&) { return true; };
        FormokLetrehozasa(*Foablak);
        Foablak->show();
        const Formok& f = formok();
        Feltetelek = f.Feltetelek;
        HuzLista = f.HuzLista;
        HuzSzama = f.HuzSzama;
        Info = f.Info;
        BontLista = f.BontLista;
        Bontas = f.Bontas;
        BontTeszt = f.BontTeszt;
    }
    FoablakAblakok(const FoablakAblakok&) = delete;
    FoablakAblakok& operator=(const FoablakAblakok&) = delete;

    // What the main ticket reports after its numbers changed.
    void SzamokValtoztak()
    {
        kvx::Program::aktualis().SzamsorParancsai().FeltMenuAll(SzamsorTulteli(szamListak(), game()));
    }

    std::unique_ptr<TFoablak> Foablak;
    QPointer<TFeltetelek> Feltetelek;
    QPointer<THuzLista> HuzLista;
    QPointer<THuzSzama> HuzSzama;
    QPointer<TInfo> Info;
    QPointer<TBontLista> BontLista;
    QPointer<TBontas> Bontas;
    QPointer<TBontTeszt> BontTeszt;
};

}  // namespace kvx::teszt
