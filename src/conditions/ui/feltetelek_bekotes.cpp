#include "conditions/ui/feltetelek_bekotes.h"

#include <QAction>

#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/settings.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "conditions/ui/feltetelek.h"
#include "draws/ui/adatbazis_parancsok.h"
#include "draws/ui/huzszama.h"
#include "tickets/ui/szamsor_parancsok.h"
#include "tickets/ui/szelveny_vezerlo.h"

void FeltetelekParancsBekotese()
{
    kvx::ParancsTar& t = *kvx::ParancsTar::aktualis();
    // The conditions make sense only for an over-full line; while a
    // variation is extended, only for the numbers it was made of. The
    // command follows before the window hears of it (FeltetelekAblakBekotese
    // connects later).
    QObject::connect(&kvx::Program::aktualis().SzamsorParancsai(), &SzamsorParancsok::feltetelekElerhetok, &t,
                     [](bool on) {
                         const QString tipp = on ? QStringLiteral(" Feltételek kijelölése, hibapont beállítása ")
                                                 : QStringLiteral(" Nincs kijelölt számsor ");
                         kvx::ParancsBeallitas(kvx::Parancs(kvx::ParancsId::Listzs1), on, tipp);
                     });
}

void FeltetelekAblakBekotese(TFeltetelek& feltetelek, THuzSzama& tartomany)
{
    kvx::ParancsTar& t = *kvx::ParancsTar::aktualis();
    QObject::connect(&feltetelek, &TFeltetelek::feltetelParancsok, &t,
                     [](bool torles, const QString& torlesTipp, bool ellenorzes, const QString& ellenorzesTipp) {
                         kvx::ParancsBeallitas(kvx::Parancs(kvx::ParancsId::rls1), torles, torlesTipp);
                         kvx::ParancsBeallitas(kvx::Parancs(kvx::ParancsId::Ellenrzs2), ellenorzes, ellenorzesTipp);
                     });
    t.Kezelo(kvx::ParancsId::rls1, &feltetelek, [w = &feltetelek] { w->FeltetelekTorlese(); });
    t.Kezelo(kvx::ParancsId::Ellenrzs2, &feltetelek, [w = &feltetelek] { w->FeltetelekEllenorzese(); });
    // The conditions command opens the window (also when another
    // subsystem's rule runs it while the command is off).
    t.Kezelo(kvx::ParancsId::Listzs1, &feltetelek, [w = &feltetelek] { w->FeltetelekParancs(); });
    // The items start as the window's buttons do.
    feltetelek.SetFeltetelJelzo(kvx::Program::aktualis().Feltetelek.FeltetelJelzo);
    QObject::connect(&feltetelek, &TFeltetelek::menuPont, &t, [](const QString& felirat, const QString& tipp) {
        if (QAction* a = kvx::Parancs(kvx::ParancsId::Listzs1)) {
            a->setText(felirat);
            kvx::ParancsTipp(a, tipp);
        }
    });
    // Its button continues a run in the words of Start.
    if (QAction* start = t.Keres(kvx::ParancsId::Start1)) {
        QObject::connect(start, &QAction::changed, &feltetelek,
                         [w = &feltetelek, start] { w->StartTipp(start->toolTip()); });
        feltetelek.StartTipp(start->toolTip());
    }
    // After "Törlés" the conditions are set anew: the window opens through
    // the conditions command (which also puts an unfinished variation into
    // extension mode), and the range dialog shows the hit-ratio
    // condition's whole range.
    QObject::connect(&feltetelek, &TFeltetelek::torolve, &tartomany, [w = &tartomany] {
        w->MindenHuzas(2);
        if (QAction* a = kvx::Parancs(kvx::ParancsId::Listzs1); a->isEnabled())
            a->trigger();
    });
    // The conditions make sense only for an over-full line: the window
    // closes when they no longer do.
    kvx::Program& p = kvx::Program::aktualis();
    QObject::connect(&p.SzamsorParancsai(), &SzamsorParancsok::feltetelekElerhetok, &feltetelek,
                     [w = &feltetelek](bool elerheto) {
                         if (!elerheto && w->isVisible())
                             w->close();
                     });
    // The conditions were set for the numbers marked so far: a marking of
    // the main ticket clears them first.
    QObject::connect(&p.Szelveny(), &SzelvenyVezerlo::jelolesElott, &feltetelek, [] {
        kvx::FeltetelTorlesHelyzet h;
        h.BackMentesEngedely = kvx::settings().BiztonsagiMentes;
        kvx::FeltetelekTorlese(kvx::Program::aktualis().Feltetelek, h);
    });
    // The hit-ratio condition needs draws to count over.
    AdatbazisParancsok& ap = p.AdatbazisParancsai();
    QObject::connect(&ap, &AdatbazisParancsok::adatbazisJelenlet, &feltetelek,
                     [w = &feltetelek](bool van) { w->TalalatiAranyElerheto(van); });
    // A switch of database gives the hit-ratio condition up: its selection
    // goes, and the window shows the conditions left.
    QObject::connect(&ap, &AdatbazisParancsok::talalatiAranyTorlese, &feltetelek, [w = &feltetelek] {
        kvx::FeltetelRekordok& f = kvx::Program::aktualis().Feltetelek;
        f.TalalatiAranyFeltetel.Allapot = 0;
        f.TalArAktiv = false;
        w->BeolvFeltKijelolese();
    });
    // The hit-ratio tab's draws of one range are chosen in the range dialog.
    QObject::connect(&feltetelek, &TFeltetelek::huzasTartomanyKerve, &tartomany,
                     [w = &tartomany](std::int32_t* elso, std::int32_t* utolso) {
                         kvx::HuzSzamaKornyezet k = THuzSzama::Kornyezet();
                         k.TalArElso = elso;
                         k.TalArUtolso = utolso;
                         w->Start(2, k);
                     });
}
