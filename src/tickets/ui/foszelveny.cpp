#include "tickets/ui/foszelveny.h"
#include "app/ui/program.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "app/ui/ablak_elhelyezes.h"
#include "common/random_source.h"
#include "draws/draw_ranges.h"
#include "draws/draws_table.h"
#include "tickets/number_statistics.h"
#include "tickets/ui/szelvenyek.h"
#include "tickets/ui/szelveny_vezerlo.h"

using namespace kvx;

namespace {

// The program's random source as the list rules draw from it: 0..hi - lo
// shifted to lo..hi, since the source draws from 1 upwards.
int veletlen(int lo, int hi)
{
    return GetRandom(randomSource(), 1, hi - lo + 1) - 1 + lo;
}

}  // namespace

TFoszelveny::TFoszelveny(SzelvenyVezerlo& vezerlo, QWidget* foablak)
    : TSzelveny(QStringLiteral("FSz"), FajtaFoszelveny, false, false, true, QStringLiteral(" Főszelvény"), foablak),
      vezerlo_(vezerlo)
{
    if (foablak) {
        const QPoint bal = foablak->mapToGlobal(QPoint(0, 0));
        move(foablak->geometry().left() + 20,
             bal.y() + static_cast<int>(std::lround(10 * settings().BetuMeret / 8.0)));
    }
    EgerSzam = 0;
    // The first refresh sets the commands whatever the count.
    Tag = 1000;
    // A new main ticket starts in the normal view, with no figures of the
    // previous game's draws.
    SzamStatisztikaInicializalasa(szamStatisztika(), game());
    ListakInicializalasa(szamListak(), game(), mainState());
    // The lists changed elsewhere (a command, a file): the panels show them.
    connect(&vezerlo_, &SzelvenyVezerlo::kijelzesKerve, this, &TFoszelveny::Frissites);
    for (TSzamPanel* p : SzamPanelek) {
        p->setToolTip(QStringLiteral(" Szám: ") + QString::number(p->Tag));
        connect(p, &TSzamPanel::Kattintas, this, &TFoszelveny::SzamClick);
        connect(p, &TSzamPanel::JobbGombMozgas, this, &TFoszelveny::SzamMouseMove);
        connect(p, &TSzamPanel::EgerFel, this, &TFoszelveny::SzamMouseUp);
    }
    // Laid out again now that its info text is known: on a low screen the
    // cells fit it.
    Elrendezes();
    InfoKijelzes();
    show();
    Frissites();
}

int TFoszelveny::InfoSzelesseg() const
{
    // The counts take two places whatever they are; the order names differ.
    if (!InfoCimke)
        return 0;
    const QFontMetrics fm(InfoCimke->font());
    int w = 0;
    for (int mod = 0; mod < 4; ++mod)
        for (const QString& sor : InfoSzoveg(FoszelvenyInfoSzoveg(szamListak(), game(), mod)).split(QLatin1Char('\n')))
            w = std::max(w, fm.horizontalAdvance(sor));
    return w;
}

void TFoszelveny::FormDeactivate()
{
    if (isEnabled() && isVisible())
        kvx::AblakElhelyezese(this);
}

bool TFoszelveny::event(QEvent* e)
{
    const bool r = TSzelveny::event(e);
    if (e->type() == QEvent::WindowDeactivate)
        FormDeactivate();
    return r;
}

bool TFoszelveny::ParancsokFrissitese()
{
    // The clearing commands follow the lists through the main window
    // (KijelolesMenuFrissites); the ticket gives the full-variation figure.
    const FoszelvenyParancsok p = FoszelvenyFrissites(szamListak(), game());
    vezerlo_.TeljesVariacioSzoveg(QString::fromStdString(p.TeljesVariacio));
    return true;
}

kvx::JelolesElott TFoszelveny::jelolesElott()
{
    return [v = &vezerlo_] { v->JelolesElott(); };
}

void TFoszelveny::Szinezes()
{
    const SzelvenySor& look = Look();
    const SzamListak& l = szamListak();
    for (TSzamPanel* p : SzamPanelek)
        PanelSzinezes(p, FoszelvenyPanelSzin(look, SzamSzerepe(l, p->Tag)));
}

void TFoszelveny::InfoKijelzes()
{
    if (!InfoCimke)
        return;
    InfoCimke->setText(InfoSzoveg(FoszelvenyInfoSzoveg(szamListak(), game(), settings().SzamsorrendMod)));
    MagassagIgazitas();
    const SzamStatisztikaState& st = szamStatisztika();
    const bool statisztika = st.NezetMod == NezetHanyszorHuztak || st.NezetMod == NezetHanyHuzasOta;
    const std::string osszegzes = statisztika ? StatisztikaSzoveg(huzSzama(), draws(), game()) : std::string();
    for (TSzamPanel* p : SzamPanelek)
        p->setToolTip(InfoSzoveg(SzamTipp(st, szamListak(), game(), p->Tag - 1, true) + osszegzes));
}

void TFoszelveny::StatisztikaKijelzes()
{
    const SzamStatisztikaState& st = szamStatisztika();
    setWindowTitle(QString::fromStdString(NezetFelirat(st.NezetMod)));
    for (TSzamPanel* p : SzamPanelek) {
        if (st.NezetMod == NezetNormal)
            p->setText(QString::fromStdString(SzamFelirat(game(), p->Tag - 1)));
        else
            p->setText(QString::fromStdString(StatisztikaPanelSzoveg(st, szamListak(), p->Tag)));
    }
    InfoKijelzes();
}

void TFoszelveny::HanyszorHuztakNezet()
{
    NezetValtas(szamStatisztika(), NezetHanyszorHuztak, draws(), game(), huzSzama(), szamListak());
    StatisztikaKijelzes();
}

void TFoszelveny::HanyHuzasOtaNezet()
{
    NezetValtas(szamStatisztika(), NezetHanyHuzasOta, draws(), game(), huzSzama(), szamListak());
    StatisztikaKijelzes();
}

void TFoszelveny::SzamsorrendNezet()
{
    NezetValtas(szamStatisztika(), NezetSzamsorrend, draws(), game(), huzSzama(), szamListak());
    StatisztikaKijelzes();
}

void TFoszelveny::NormalNezet()
{
    NezetValtas(szamStatisztika(), NezetNormal, draws(), game(), huzSzama(), szamListak());
    StatisztikaKijelzes();
}

void TFoszelveny::JelolesUtan(const JelolesEredmeny& r)
{
    Tag += r.FormTagValtozas;
    if (r.ModVisszaallitas)
        mainState().BillentyuMod = 0;
    if (!r.Informacio.empty())
        SzelvenyUzenet(this, QString::fromStdString(r.Informacio), SzelvenyUzenetFajta::Informacio);
    for (const std::string& f : r.Figyelmeztetesek)
        SzelvenyUzenet(this, QString::fromStdString(f), SzelvenyUzenetFajta::Figyelmeztetes);
    Frissites();
    if (r.BovitesVisszaallt)
        vezerlo_.BovitesVisszaallt();
}

void TFoszelveny::TobbJelolesUtan(const TobbJelolesEredmeny& r)
{
    for (const JelolesEredmeny& j : r.Jelolesek) {
        if (!j.Informacio.empty())
            SzelvenyUzenet(this, QString::fromStdString(j.Informacio), SzelvenyUzenetFajta::Informacio);
        for (const std::string& f : j.Figyelmeztetesek)
            SzelvenyUzenet(this, QString::fromStdString(f), SzelvenyUzenetFajta::Figyelmeztetes);
    }
    if (r.TeljesFrissites)
        Tag = 1000;
    Frissites();
    vezerlo_.JelolesekUtan(r);
}

JelolesEredmeny TFoszelveny::SzamJeloles(int a, int mode, bool remove)
{
    const JelolesEredmeny r =
        kvx::SzamJeloles(szamListak(), game(), mainState(), a, mode, remove, vezerlo_.Bovites(),
                         jelolesElott());
    JelolesUtan(r);
    return r;
}

void TFoszelveny::SzamClick(TSzamPanel* panel)
{
    // A change that would lose a variation or conditions is asked first.
    if (!panel || !isEnabled() || !vezerlo_.ValtozasEngedelyezett())
        return;
    const JelolesEredmeny r = SzamKattintas(szamListak(), game(), mainState(), panel->Tag, GetBillentyuMod(),
                                            vezerlo_.Bovites(),
                                            jelolesElott());
    JelolesUtan(r);
}

void TFoszelveny::SzamJeloles(int szam)
{
    if (szam < 1 || static_cast<std::size_t>(szam) > SzamPanelek.size())
        return;
    SzamClick(SzamPanelek[static_cast<std::size_t>(szam - 1)]);
}

void TFoszelveny::SzamMouseMove(QPoint globalPos)
{
    TSzamPanel* p = PanelItt(globalPos);
    if (!p || p->Tag == EgerSzam)
        return;
    EgerSzam = p->Tag;
    SzamClick(p);
}

void TFoszelveny::SzamMouseUp()
{
    EgerSzam = 0;
}

bool TFoszelveny::VeletlenSzamGeneralas(int lower, int upper)
{
    const JelolesEredmeny r = kvx::VeletlenSzamGeneralas(szamListak(), game(), mainState(), lower, upper, veletlen,
                                                         vezerlo_.Bovites(), jelolesElott());
    JelolesUtan(r);
    return !r.Elutasitva;
}

void TFoszelveny::MindenSzamKijelolese(int count)
{
    TobbJelolesUtan(kvx::MindenSzamKijelolese(szamListak(), game(), mainState(), count, vezerlo_.Bovites(),
                                              jelolesElott()));
}

void TFoszelveny::MindenSzamTorlese()
{
    TobbJelolesUtan(kvx::MindenSzamTorlese(szamListak(), game(), mainState(), vezerlo_.Bovites(),
                                           jelolesElott()));
}

void TFoszelveny::FixSzamokTorlese()
{
    TobbJelolesUtan(kvx::FixSzamokTorlese(szamListak(), game(), mainState(), vezerlo_.Bovites(),
                                          jelolesElott()));
}

void TFoszelveny::AllandoSzamokTorlese()
{
    TobbJelolesUtan(kvx::AllandoSzamokTorlese(szamListak(), game(), mainState(), vezerlo_.Bovites(),
                                              jelolesElott()));
}

void TFoszelveny::VeletlenSzamokTorlese()
{
    TobbJelolesUtan(kvx::VeletlenSzamokTorlese(szamListak(), game(), mainState(), vezerlo_.Bovites(),
                                               jelolesElott()));
}

void TFoszelveny::KijeloltSzamokTorlese()
{
    TobbJelolesUtan(kvx::KijeloltSzamokTorlese(szamListak(), game(), mainState(), vezerlo_.Bovites(),
                                               jelolesElott()));
}

void TFoszelveny::Frissites()
{
    Szinezes();
    // The commands follow the selected count; the marking engine moves Tag
    // away from it when only the fixed numbers changed, and the clears set
    // it to 1000.
    // The counts are compared too: the main window clears the lists without
    // going through the ticket, which would leave the commands stale.
    const SzamListak& l = szamListak();
    const std::array<int, 4> db{l.KijeloltSzamDb(), l.FixSzamDb(), l.AllandoSzamDb(), l.VeletlenSzamDb()};
    if ((Tag != l.KijeloltSzamDb() || db != parancsDb_) && ParancsokFrissitese()) {
        Tag = l.KijeloltSzamDb();
        parancsDb_ = db;
        // A number marked or taken away takes its place in the chosen order
        // (a loaded file keeps its own order: SzamsorrendAlkalmaz is off).
        kvx::Szamsorrend(szamListak(), game(), mainState(), settings().SzamsorrendMod, veletlen);
    }
    // The order view follows the selection; the statistic views keep their
    // figures until chosen again or the range changes.
    if (szamStatisztika().NezetMod == NezetSzamsorrend)
        SzamsorrendNezet();
    else
        InfoKijelzes();
    FeltMenuAllErtesites();
}

void TFoszelveny::FeltMenuAllErtesites()
{
    vezerlo_.Valtozott();
}
