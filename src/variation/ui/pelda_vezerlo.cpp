// The sample variations (see pelda_vezerlo.h).
#include "variation/ui/pelda_vezerlo.h"

#include <QAction>
#include <QApplication>

#include "app/settings.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "common/delphi_format.h"
#include "common/numbering.h"
#include "common/random_source.h"
#include "conditions/markers.h"
#include "conditions/sample_presets.h"
#include "conditions/ui/feltetelek.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzlista.h"
#include "draws/draws_table.h"
#include "tickets/number_lists.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/szelveny_vezerlo.h"
#include "tickets/ui/szelvenyek.h"
#include "variation/ui/variacio_parancsok.h"
#include "variation/ui/variacio_vezerlo.h"

#include <algorithm>
#include <string>

using namespace kvx;

namespace {

constexpr int kKenoTippIndex = 4;

std::string ezres(std::int32_t n, std::int32_t k)
{
    const std::optional<std::int64_t> c = BinomalisEgyutthato(n, k);
    return c ? FormatThousands(*c) : std::string("?");
}

void HuzasokAlapjanAllapot(bool van)
{
    if (QAction* a = ParancsTar::aktualis() ? ParancsTar::aktualis()->Keres(ParancsId::Hzsokalapjn1) : nullptr)
        ParancsBeallitas(a, van,
                         van ? QStringLiteral(" Példabontás (variáció) készítése a kijelölt húzás számsora alapján ")
                             : QStringLiteral(" Hiányzik a húzások listája "));
}

bool uresSzelveny()
{
    const SzamListak& l = szamListak();
    return l.KijeloltSzamDb() + l.FixSzamDb() == 0;
}

}  // namespace

PeldaVezerlo& Program::Pelda()
{
    if (!pelda_)
        pelda_ = Megtart(std::make_unique<PeldaVezerlo>(*this));
    return *pelda_;
}

PeldaVezerlo::PeldaVezerlo(Program& program, QObject* parent) : QObject(parent), p_(program) {}

PeldaVezerlo::~PeldaVezerlo() = default;

void PeldaVezerlo::ParancsokBekotese(const QObject* kontextus)
{
    ParancsTar& t = *ParancsTar::aktualis();
    t.Kezelo(ParancsId::Hzsokalapjn1, kontextus, [this] { Hzsokalapjn1Click(); });
    t.Kezelo(ParancsId::Vletlen2, kontextus, [this] { Vletlen2Click(); });
    t.Kezelo(ParancsId::Sajtszmokkal1, kontextus, [this] { Sajtszmokkal1Click(); });
    // "Saját számokkal" follows the main ticket and the extension mode.
    connect(&p_.Szelveny(), &SzelvenyVezerlo::szamokValtoztak, kontextus, [this] { SajatSzamokFrissites(); });
    connect(&p_.Variacio(), &VariacioVezerlo::bovitesValtozott, kontextus, [this] { SajatSzamokFrissites(); });
    SajatSzamokFrissites();
    // "Húzások alapján" needs the draws; it follows them as the database
    // commands do, from the state they have set already.
    connect(&p_.AdatbazisParancsai(), &AdatbazisParancsok::adatbazisJelenlet, kontextus,
            [](bool van) { HuzasokAlapjanAllapot(van); });
    HuzasokAlapjanAllapot(draws().AdatbazisBetoltve);
}

void PeldaVezerlo::SajatSzamokFrissites()
{
    QAction* a = ParancsTar::aktualis() ? ParancsTar::aktualis()->Keres(ParancsId::Sajtszmokkal1) : nullptr;
    if (!a)
        return;
    const SajatSzamokMenu m = SajatSzamokAllapot(szamListak(), game(), bontasEgyseg().BontasBovites);
    ParancsBeallitas(a, m.Engedelyezett,
                     QString::fromStdString(m.Tipp).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void PeldaVezerlo::AblakokBekotese(THuzLista* huzLista, TFeltetelek* feltetelek)
{
    huzLista_ = huzLista;
    feltetelek_ = feltetelek;
    if (huzLista)
        connect(huzLista, &THuzLista::peldabontasKerve, this, &PeldaVezerlo::HuzasokAlapjan);
}

TFoszelveny* PeldaVezerlo::uresFoszelveny()
{
    TFoszelveny* fo = szelvenyek().Foszelveny;
    if (!fo)
        return nullptr;
    p_.SzamsorParancsai().MindenSzamTorlese();
    return uresSzelveny() ? fo : nullptr;
}

void PeldaVezerlo::KenoProbabontasUzenet(int kind)
{
    const GameParams& g = game();
    auto& naplo = settings().UzenetekLog;
    if (!g.KenoJatek || naplo[kKenoTippIndex] != 1)
        return;
    const std::string sh = std::to_string(g.SzamsorHossz);
    const std::string hf = std::to_string(g.HuzottFoSzamok);
    std::string t;
    if (kind == 0 && g.SzamsorHossz < g.HuzottFoSzamok)
        t = "Az aktuális adatbázis számsorai " + hf + " számból állnak" + "\r\n\r\n" + "A választott játék " + sh +
            " szám variációját teszi lehetővé." + "\r\n" + "Az aktuális sorsolás " + sh +
            ", véletlenszerűen kiválasztott számából készül variáció." + "\r\n\r\n" + "Amennyiben a " + hf +
            " számból másik " + sh +
            " szám variációjára is kíváncsi, használja a Példabontás - Saját számokkal menüpont kínálta "
            "lehetőséget, Súgó: Tartalom - Példabontás" + "\r\n" + ezres(g.HuzottFoSzamok, g.SzamsorHossz) +
            " egymástól eltérő, " + sh + " számból álló számsor választható ki " + hf + " számból.";
    if (g.LottoIndex < 12) {
        if (!t.empty())
            t += "\r\n\r\n";
        t += sh + "/80 teljes variációja: " + ezres(g.OsszesSzam, g.SzamsorHossz) + " számsor" + "\r\n";
        if (kind == 0)
            t += hf + "/80 teljes variációja: " + ezres(g.OsszesSzam, g.HuzottFoSzamok) + " számsor " + "\r\n\r\n";
        else
            t += "\r\n";
        t += "A variáció generálása a megszokottnál jóval hosszabb ideig, a számítógép teljesítményétől függően, "
             "akár órákig tarthat.";
    }
    if (!t.empty())
        naplo[kKenoTippIndex] = HasznosInformacio(QString::fromStdString(t)) ? 1 : 0;
}

void PeldaVezerlo::Hzsokalapjn1Click()
{
    if (!draws().AdatbazisBetoltve)
        return;
    KenoProbabontasUzenet(0);
    // The number row selected in the draws list is the example: the list
    // shows which one it is.
    THuzLista* lista = huzLista_;
    if (!lista)
        return;
    if (!lista->isVisible())
        lista->Start();
    if (const std::optional<HuzasHely> h = lista->KijeloltPeldaHuzas())
        HuzasokAlapjan(h->Sor, h->Oszlop);
}

void PeldaVezerlo::HuzasokAlapjan(int sor, int oszlop)
{
    const DrawsState& d = draws();
    if (!d.AdatbazisBetoltve || sor < 1 || sor > d.HuzasokSzama)
        return;
    TFoszelveny* fo = uresFoszelveny();
    if (!fo)
        return;
    RandomState& r = randomSource();
    const TTombInt1D szamok = PeldaHuzasSzamai(d.Huzasok[static_cast<std::size_t>(sor - 1)], game(), oszlop,
                                               [&r](std::int32_t n) { return LibraryRandom(r, n); });
    for (std::int32_t n : szamok)
        fo->SzamJeloles(n, ModAllando, false);
    const QString felirat = QStringLiteral(" Példabontás: húzások %1. számsora alapján")
                                .arg(GetKivSzamsorSorszama(game(), sor, oszlop - 3));
    PeldaBontasok(sor - 1, felirat);
}

void PeldaVezerlo::Vletlen2Click()
{
    KenoProbabontasUzenet(1);
    TFoszelveny* fo = uresFoszelveny();
    if (!fo)
        return;
    const GameParams& g = game();
    const int felso = g.VanPluszSzam ? g.FoSzamKeszlet : g.OsszesSzam;
    for (int i = 0; i < g.SzamsorFoSzamDb; ++i)
        fo->VeletlenSzamGeneralas(1, felso);
    if (g.VanPluszSzam)
        for (int i = 0; i < g.PluszSzamDb; ++i)
            fo->VeletlenSzamGeneralas(g.FoSzamKeszlet + 1, g.OsszesSzam);
    PeldaBontasok(draws().AdatbazisBetoltve ? draws().HuzasokSzama : 0,
                  QStringLiteral(" Példabontás: véletlen számsor alapján"));
}

void PeldaVezerlo::Sajtszmokkal1Click()
{
    // The example is the user's line of constant numbers, nothing else.
    if (!SajatSzamokAllapot(szamListak(), game(), bontasEgyseg().BontasBovites).Engedelyezett)
        return;
    KenoProbabontasUzenet(2);
    PeldaBontasok(draws().AdatbazisBetoltve ? draws().HuzasokSzama : 0,
                  QStringLiteral(" Példabontás: saját számok alapján"));
}

void PeldaVezerlo::PeldaBontasok(int utolsoHuzas, const QString& felirat)
{
    const GameParams& g = game();
    SzamListak& l = szamListak();
    // The example must be a whole line: its main numbers are what the
    // presets measure.
    TTombInt1D L;
    for (std::int32_t i = 0; i < l.KijeloltSzamDb(); ++i) {
        const std::int32_t n = l.KijeloltSzamok[static_cast<std::size_t>(i)];
        if (n > 0 && n <= g.FoSzamKeszlet)
            L.push_back(n);
    }
    std::sort(L.begin(), L.end());
    if (static_cast<std::int32_t>(L.size()) < g.SzamsorFoSzamDb) {
        QApplication::beep();
        return;
    }
    L.resize(static_cast<std::size_t>(g.SzamsorFoSzamDb));
    // Ascending order: with every number selected, a number's position in
    // the selection is the number itself, which the favourite preset uses.
    const auto veletlen = [](int lo, int hi) { return lo + LibraryRandom(randomSource(), hi - lo + 1); };
    p_.SzamsorParancsai().SzamsorrendKijelzes(1);
    Szamsorrend(l, g, mainState(), 1, veletlen);
    FeltetelRekordok& f = feltetelRekordok();
    SzamJelzok& j = szamJelzok();
    SzamJelzoBeallitas(j, l, g, f, settings().SzamsorrendMod);
    PeldaBemenet b;
    b.L = L;
    b.VariacioFoMeret = l.VariacioFoMeret > 0 ? l.VariacioFoMeret : g.SzamsorFoSzamDb;
    b.Jelzok = &j;
    b.Huzasok = &draws();
    b.UtolsoHuzas = utolsoHuzas;
    PeldaBeallitasok(f, g, b);
    if (TFoszelveny* fo = szelvenyek().Foszelveny)
        fo->MindenSzamKijelolese(g.OsszesSzam);
    Szamsorrend(l, g, mainState(), 1, veletlen);
    p_.Szelveny().SzamokKijelzese();
    p_.SzamsorParancsai().KijelolesMenuFrissites();
    PeldaMasolas(f);
    SetFeltetelJelzo(f, true, bontasEgyseg().BontasBovites);
    SzamJelzoBeallitas(j, l, g, f, settings().SzamsorrendMod);
    if (TFeltetelek* w = feltetelek_) {
        w->BeolvFeltKijelolese();
        w->SetFeltetelJelzo(true);
    }
    bontasEgyseg().PeldabontasFelirat = felirat.toStdString();
    p_.VariacioParancsai().Start();
}
