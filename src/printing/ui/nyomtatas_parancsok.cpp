// The print commands: the draws list and the variation list, on paper (into
// a PDF file where no printer is installed) or into an RTF file in the list
// folder, and the coupon filling's options window; and the wiring of the
// windows that print (the wait window, the information window, the coupon
// options).
#include "printing/ui/nyomtatas_vezerlo.h"
#include "variation/ui/variacio_parancsok.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPointer>

#include "app/ui/beallitasok.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetablak.h"
#include "app/ui/uzenetek.h"
#include "app/wait_jobs.h"
#include "conditions/item_conditions.h"
#include "conditions/line_range_conditions.h"
#include "conditions/number_pools.h"
#include "conditions/series_conditions.h"
#include "conditions/ui/feltetelek.h"
#include "conditions/ui/info.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzasok_vezerlo.h"
#include "printing/print_pages.h"
#include "printing/ui/nyomtopc.h"
#include "variation/variation_store.h"

using namespace kvx;

namespace {

// The information window shows the variation's description as the printed
// one reads, and prints it. The description quotes the conditions window:
// its list lines from the records, the hints of its edits as they stand.
void InfoNyomtatasBekotese(NyomtatasVezerlo& nyv, TInfo& info, TFeltetelek& feltetelek)
{
    NyomtatasVezerlo* ny = &nyv;
    QPointer<TFeltetelek> fw = &feltetelek;
    ny->LeirasSzovegek = [fw](kvx::LeirasSzoveg mi, std::int32_t i) -> std::string {
        const kvx::Program& p = kvx::Program::aktualis();
        const kvx::FeltetelRekordok& f = p.Feltetelek;
        const auto tipp = [fw](const char* nev) {
            QWidget* w = fw ? fw->findChild<QWidget*>(QString::fromUtf8(nev)) : nullptr;
            return w ? w->toolTip().replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString()
                     : std::string();
        };
        const auto oszto = [&p] { return kvx::OsztoLista(kvx::TeljesVariacioMeret(p.Szamok, p.Jatek)); };
        using L = kvx::LeirasSzoveg;
        switch (mi) {
        case L::SzcsIsmetEdit: return tipp("SzcsIsmetEdit");
        case L::SzvIsmetEdit: return tipp("SzvIsmetEdit");
        case L::SzJIsmetEdit: return tipp("SzJIsmetEdit");
        case L::SzamokList: return kvx::SzamokList(f.SzamkeszletFeltetel, i);
        case L::SzamcsoportTetelesList:
            return kvx::TetelesList(kvx::TetelLap::Szamcsoport, f.SzamcsoportTetelesFeltetel, i);
        case L::SzamvegzodesTetelesList:
            return kvx::TetelesList(kvx::TetelLap::Szamvegzodes, f.SzamvegzodesTetelesFeltetel, i);
        case L::SzamjegyekTetelesList: return kvx::TetelesList(kvx::TetelLap::Szamjegy, f.SzJTetelesFeltetel, i);
        case L::SorozatokTetelesList: return kvx::SorozatokTetelesList(f.SorozatFeltetel, i);
        case L::SzamsorokTartomanyokList: return kvx::SzamsorokTartomanyokList(f.SzamsorokFeltetel, i, oszto());
        case L::SzamsorokSorozatokList: return kvx::SzamsorokSorozatokList(f.SzamsorokFeltetel, i, oszto());
        case L::SzomszedosSzamokAltEditMax: return tipp("SzomszedosSzamokAltEditMax");
        case L::SzomszedosSzamokAltMaxEdit: return tipp("SzomszedosSzamokAltMaxEdit");
        case L::SzomszedosSzamokMobEdit: return tipp("SzomszedosSzamokMobEdit");
        case L::SzomszedosSzamokMobMaxEdit: return tipp("SzomszedosSzamokMobMaxEdit");
        case L::SzomszedosSzamokFixEdit: return tipp("SzomszedosSzamokFixEdit");
        case L::SzomszedosSzamokFixMaxEdit: return tipp("SzomszedosSzamokFixMaxEdit");
        }
        return {};
    };
    info.Epito = [ny] {
        kvx::InfoSorok sorok;
        for (const kvx::NyomtSor& s : ny->InfoSzoveg())
            kvx::InfoHozzaad(sorok, s.Szoveg, s.Vastag);
        return sorok;
    };
    info.NyomtatasEngedelyezes();
    QObject::connect(&info, &TInfo::nyomtatasKerve, ny, [ny](bool allomanyba) { ny->InfoNyomtatas(allomanyba); });
}

// A database without draws has no list to print: the printout would be a
// header of page 1 of 0.
void HuzasListaParancsok()
{
    const DrawsState& d = draws();
    const bool van = d.AdatbazisBetoltve && d.HuzasokSzama > 0;
    const QString hianyzik = QStringLiteral(" Hiányzik a húzások listája ");
    if (QAction* a = kvx::Parancs(ParancsId::Listanyomtatsa1))
        kvx::ParancsBeallitas(a, van, van ? QStringLiteral(" Nyomtatás ") : hianyzik);
    if (QAction* a = kvx::Parancs(ParancsId::Nyomtats3))
        kvx::ParancsBeallitas(a, van, van ? QStringLiteral(" Húzások listájának nyomtatása állományba ") : hianyzik);
}

// The variation list's printouts and the coupon filling need a variation:
// the variation's rules say whether there is one and why not, the states are
// set here.
void VariacioListaParancsok(const std::vector<kvx::ParancsAllapot>& tabla)
{
    const ParancsTar* t = ParancsTar::aktualis();
    if (!t)
        return;
    for (ParancsId id : {ParancsId::Listanyomtatsa2, ParancsId::Lista1, ParancsId::Szelvnyek1}) {
        const kvx::ParancsAllapot* p = ParancsKeres(tabla, id);
        QAction* a = t->Keres(id);
        if (!p || !a)
            continue;
        kvx::ParancsBeallitas(a, p->Engedelyezett, QString::fromStdString(p->Tipp));
        if (!p->Felirat.empty())
            a->setText(QString::fromStdString(p->Felirat));
    }
}

}  // namespace

void NyomtatasVezerlo::VariacioListaAllapotKovetes()
{
    VariacioParancsok& vp = Program::aktualis().VariacioParancsai();
    connect(&vp, &VariacioParancsok::parancsAllapot, this, &VariacioListaParancsok);
    // The variation set its commands before this controller was made: once
    // more, so that the printouts start in the same state.
    vp.ParancsAllapotFrissites();
}

void NyomtatasVezerlo::HuzasListaAllapotKovetes()
{
    // The database commands set their states when the draws change (an
    // edit, a load, a close, a save) and when they follow the database's
    // presence; the draws list's print commands follow at the same moments.
    Program& p = Program::aktualis();
    HuzasokVezerlo& h = p.HuzasokV();
    connect(&h, &HuzasokVezerlo::valtozott, this, [] { HuzasListaParancsok(); });
    connect(&h, &HuzasokVezerlo::mentve, this, [] { HuzasListaParancsok(); });
    connect(&p.AdatbazisParancsai(), &AdatbazisParancsok::adatbazisJelenlet, this, [] { HuzasListaParancsok(); });
}

void NyomtatasAblakokBekotese(NyomtatasVezerlo& ny, kvx::TUzenetAblak* varakozas, TInfo& info,
                              TFeltetelek& feltetelek, TNyomtOpc* opciok, TBeallitasok* beallitasok)
{
    ParancsTar& t = *ParancsTar::aktualis();
    t.Kezelo(ParancsId::Listanyomtatsa1, &ny, [&ny] { ny.Listanyomtatsa1Click(); });
    t.Kezelo(ParancsId::Nyomtats3, &ny, [&ny] { ny.Nyomtats3Click(); });
    t.Kezelo(ParancsId::Listanyomtatsa2, &ny, [&ny] { ny.Listanyomtatsa2Click(); });
    t.Kezelo(ParancsId::Lista1, &ny, [&ny] { ny.Lista1Click(); });
    t.Kezelo(ParancsId::Szelvnyek1, &ny, [&ny] { ny.SzelvenyKitoltesStart(); });
    ny.SzelvenyOpciokAblak = opciok;
    // A long printout shows the wait window while it goes.
    if (varakozas) {
        QObject::connect(&ny, &NyomtatasVezerlo::varakozasKezdete, varakozas,
                         [w = QPointer<kvx::TUzenetAblak>(varakozas)](const QString& szoveg) {
                             if (w)
                                 w->UzenetKi(szoveg, 0, kvx::kFeladatNincs, false);
                         });
        QObject::connect(&ny, &NyomtatasVezerlo::varakozasVege, varakozas, &kvx::TUzenetAblak::UzenetVege);
    }
    InfoNyomtatasBekotese(ny, info, feltetelek);
    // The settings' printer button: the page set-up of the printer the
    // printouts go to.
    if (beallitasok)
        QObject::connect(beallitasok, &TBeallitasok::nyomtatoBeallitas, &ny, [&ny] {
            if (QPageSetupDialog* d = ny.PrSetupCreate())
                d->exec();
        });
}

bool NyomtatasVezerlo::NyomtatasKerdes(kvx::ParancsId menuPont)
{
    QAction* a = kvx::Parancs(menuPont);
    const QString tipp = a ? a->toolTip() : QString();
    return JovahagyasKerdes(QString::fromUtf8(kElinditjaANyomtatast) + "\r\n\r\n" + tipp);
}

void NyomtatasVezerlo::Listanyomtatsa1Click()
{
    const kvx::DrawsState& d = kvx::Program::aktualis().Huzasok;
    if (!d.AdatbazisBetoltve || d.HuzasokSzama <= 0)
        return;
    if (!NyomtatasKerdes(ParancsId::Listanyomtatsa1))
        return;
    HuzListaNyomtatas(false);
}

void NyomtatasVezerlo::Nyomtats3Click()
{
    const kvx::DrawsState& d = kvx::Program::aktualis().Huzasok;
    if (!d.AdatbazisBetoltve || d.HuzasokSzama <= 0)
        return;
    HuzListaNyomtatas(true);
}

void NyomtatasVezerlo::Listanyomtatsa2Click()
{
    if (!NyomtatasKerdes(ParancsId::Listanyomtatsa2))
        return;
    if (kvx::Program::aktualis().Tar.BontSzelvszam > kMaxNyomtatottSzamsor) {
        InformacioUzenet(QString::fromUtf8(kTobbMint10000));
        return;
    }
    // Numbered as every other report numbers the lines: in their earlier order.
    kvx::Program::aktualis().VariacioParancsai().EredetiSorrend();
    BontListaNyomtatas(false);
}

void NyomtatasVezerlo::Lista1Click()
{
    if (kvx::Program::aktualis().Tar.BontSzelvszam > kMaxNyomtatottSzamsor) {
        InformacioUzenet(QString::fromUtf8(kTobbMint10000));
        return;
    }
    kvx::Program::aktualis().VariacioParancsai().EredetiSorrend();
    BontListaNyomtatas(true);
}

void NyomtatasVezerlo::SzelvenyKitoltesStart()
{
    const std::int64_t sorok = kvx::Program::aktualis().Tar.BontSzelvszam;
    if (sorok <= 0)
        return;
    // Slip layouts exist for the first three games, the Keno games and game 30 only.
    if (!SzelvenyKitoltesJatek(game().LottoIndex)) {
        InformacioUzenet(QString::fromUtf8(kSzelvenyNemElerheto));
        return;
    }
    if (sorok > kMaxKitoltottSzamsor) {
        InformacioUzenet(QString::fromUtf8(kTobbMint1000Szelveny));
        return;
    }
    if (!kvx::Program::aktualis().VariacioParancsai().BefejezetlenKerdes(QStringLiteral("Mégis kitölti a szelvényeket?")))
        return;
    kvx::Program::aktualis().VariacioParancsai().EredetiSorrend();
    TNyomtOpc* w = SzelvenyOpciokAblak;
    if (!w)
        return;
    w->Start();
}
