// The run window's hand edits of the variation list: a line added or
// replaced through the variation-check ticket, a range of lines deleted
// through the range dialog. The store work is in variation/list_editing.
#include "variation/ui/bontas.h"
#include "app/ui/program.h"

#include <QCheckBox>

#include "app/main_state.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "draws/draw_ranges.h"
#include "draws/ui/huzszama.h"
#include "tickets/number_lists.h"
#include "tickets/ui/bontellszelveny.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/generation_run.h"
#include "variation/line_entry.h"
#include "variation/list_editing.h"
#include "variation/ui/bontlista.h"
#include "variation/variation_file.h"
#include "variation/variation_store.h"

using namespace kvx;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// After an edit: the commands and the status bar follow the store.
void parancsokFrissitese()
{
    if (TFoablak* fo = formok().Foablak) {
        fo->BontMenuAll(fo->VariacioParancsHelyzet());
        fo->VariacioStatuszFrissites();
    }
}

// The list shows the edited variation again with the line selected; the
// variation counts as edited.
void listaFrissites(int sor)
{
    TBontLista* lista = formok().BontLista;
    if (!lista)
        return;
    lista->Tag = 0;
    lista->BontListaStart();
    lista->AktSorKijelol(sor, true);
}

}  // namespace

int TBontas::BillentyuMod()
{
    if (TFoablak* fo = formok().Foablak; fo && fo->GetBillentyuMod() != 0)
        return fo->GetBillentyuMod();
    return GetBillentyuMod();
}

bool TBontas::BontSzamsorHozzaadasEllenorzes()
{
    std::string uzenet;
    const HuzSzamaState& r = huzSzama();
    const std::int64_t db =
        static_cast<std::int64_t>(r.GetBontBovitesSzamsorUtolso()) - r.GetBontBovitesSzamsorElso() + 1;
    if (kvx::BontSzamsorHozzaadasEllenorzes(variationStore(), db, uzenet))
        return true;
    InformacioUzenet(q(uzenet));
    return false;
}

void TBontas::BontSzamsorHozzaadasStart()
{
    TBontEllSzelveny* s = szelvenyek().BontEllSzelveny;
    if (!s || Fut())
        return;
    s->ModBeallitas(BontEllUjSzamsor);
    if (BillentyuMod() == 200) {
        s->VeletlenSzamsor(false);
        if (!s->SzamsorTomb.empty()) {
            BontSzamsorHozzaadas();
            return;
        }
    }
    s->EllenorzesKijelzes();
}

void TBontas::BontSzamsorHozzaadas()
{
    if (Fut() || !BontSzamsorHozzaadasEllenorzes())
        return;
    if (!BontTesztHozzaadas(1))
        return;
    listaFrissites(variationStore().BontMatrixMeret);
    // The insert mode goes on for the next line, unless Shift+Ctrl added a
    // random one.
    if (BillentyuMod() != 200)
        if (TBontLista* lista = formok().BontLista)
            lista->BontListBovitesGombClick();
}

void TBontas::BontSzamsorModositasStart()
{
    TBontEllSzelveny* s = szelvenyek().BontEllSzelveny;
    TBontLista* lista = formok().BontLista;
    if (!s || !lista || Fut() || variationStore().BontMatrixMeret < 1)
        return;
    ModositottSzamsorIndex = lista->GetKivRekord() - 1;
    s->ModBeallitas(BontEllModositas);
    if (BillentyuMod() == 200) {
        s->VeletlenSzamsor(false);
        if (!s->SzamsorTomb.empty())
            BontSzamsorModositas();
        return;
    }
    s->AktSzamsorKijeloles();
}

void TBontas::BontSzamsorModositas()
{
    if (Fut())
        return;
    const int m = ModositottSzamsorIndex;
    if (!BontTesztHozzaadas(2))
        return;
    listaFrissites(m + 1);
}

bool TBontas::BontTesztHozzaadas(int kind)
{
    VariationStore& t = variationStore();
    BontasEgyseg& u = bontasEgyseg();
    const SzamListak& l = szamListak();
    TBontEllSzelveny* s = szelvenyek().BontEllSzelveny;
    const TTombByte1D sor = s ? s->SzamsorTomb : TTombByte1D{};
    // The line is checked again before the store takes it.
    if (!SzamsorTombErvenyes(sor, l) || static_cast<std::int32_t>(sor.size()) != t.BontMatrixSorHossz) {
        InformacioUzenet(QStringLiteral("A variáció egyik száma érvénytelen tartományba esik."));
        return false;
    }
    if (TBontLista* lista = formok().BontLista) {
        lista->close();
        lista->Tag = 0;
    }
    if (s)
        s->Torles();
    if (kind == 1) {
        if (!u.BontasBovites)
            if (TFoablak* fo = formok().Foablak)
                fo->Import_log_true();
        BontSorokHozzaadasa(t, u, sor.data(), 1, l.KijeloltSzamDb());
    } else {
        if (ModositottSzamsorIndex < 0 || ModositottSzamsorIndex >= t.BontMatrixMeret)
            return false;
        BontSzamsorCsere(t, u, ModositottSzamsorIndex, sor.data(), l.KijeloltSzamDb());
    }
    parancsokFrissitese();
    return true;
}

void TBontas::BontSzamsorTorles()
{
    THuzSzama* h = formok().HuzSzama;
    TBontLista* lista = formok().BontLista;
    VariationStore& t = variationStore();
    BontasEgyseg& u = bontasEgyseg();
    if (!h || Fut() || t.BontMatrixMeret < 1)
        return;
    HuzSzamaKornyezet k = THuzSzama::Kornyezet();
    k.L = t.BontMatrixMeret;
    k.BontSzelvszam = t.BontSzelvszam;
    k.KivalasztottSor = lista ? lista->GetKivRekord() : 1;
    k.BovitmenyKezdet = u.BontasBovites && t.Import_Count.size() > 1 ? t.Import_Count[t.Import_Count.size() - 2] + 1 : 0;
    if (!h->Start(4, k))
        return;
    const HuzSzamaState& r = huzSzama();
    const std::int32_t n = t.BontMatrixMeret;
    const std::int32_t f = std::clamp(r.GetBontSzamsorElso(), 1, n);
    const std::int32_t l = std::clamp(r.GetBontSzamsorUtolso(), f, n);
    TFoablak* fo = formok().Foablak;
    const std::int32_t kijelolt = szamListak().KijeloltSzamDb();
    std::int32_t& idegen = variacioAllomany().BontIdegenSzamsorDb;
    if (f == 1 && l == n) {
        if (fo)
            fo->rls2Click();
        return;
    }
    const bool bovitmeny = h->MindHuzBox->isChecked() && h->MindHuzBox->isEnabled();
    if (bovitmeny) {
        if (!JovahagyasKerese(QString::fromUtf8(kSzovegBovitmenyTorlesKerdes)))
            return;
        if (!UtolsoBovitmenyTorlese(t, u, idegen, kijelolt))
            return;
    } else {
        if (!JovahagyasKerese(QString::fromUtf8(kSzovegTorlesKerdes)))
            return;
        if (lista)
            lista->close();
        // A long deletion shows the wait window's text while it works.
        kvx::TUzenetAblak* w = l - f > 10000 ? formok().UzenetAblak.data() : nullptr;
        if (w)
            w->UzenetKi(QStringLiteral("Variáció számsorainak törlése, rendezése"), 0, 0, false);
        BontSzamsorTartomanyTorlese(t, u, f, l, idegen, kijelolt);
        if (w)
            w->UzenetVege();
    }
    if (lista)
        lista->Tag = 0;
    parancsokFrissitese();
    listaFrissites(t.BontMatrixMeret < f ? t.BontMatrixMeret : f);
}
