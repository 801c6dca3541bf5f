#include "tickets/ui/szelvenyek.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"

#include "app/shell_state.h"

#include <QApplication>

#include "app/game_table.h"
#include "app/ui/ablak_elhelyezes.h"
#include "draws/ui/huzbe.h"
#include "draws/ui/huzlista.h"
#include "tickets/ui/bontszelveny.h"
#include "tickets/ui/foszelveny.h"
#include "tickets/ui/huzbeszelveny.h"
#include "tickets/ui/huzkeresszelveny.h"
#include "tickets/ui/huzszelveny.h"

SzelvenyekAllapot& szelvenyek()
{
    static SzelvenyekAllapot allapot;
    return allapot;
}

namespace {

template <typename T>
void lebont(QPointer<T>& p)
{
    if (p)
        SzelvenyLebontasa(p.data());
    p = nullptr;
}

}  // namespace

void SzelvenyLebontasa(TSzelveny* szelveny)
{
    szelveny->Bezaras = true;
    szelveny->close();
    delete szelveny;
}

void SzelvenyekLebontasa()
{
    SzelvenyekAllapot& s = szelvenyek();
    lebont(s.HuzBeSzelveny);
    lebont(s.BontSzelveny);
    lebont(s.HuzSzelveny);
    lebont(s.HuzKeresSzelveny);
    if (s.BontEllLebontas)
        s.BontEllLebontas();
    lebont(s.Foszelveny);
}

void SzelvenyekLetrehozasa(QWidget* mainWindow)
{
    SzelvenyekLebontasa();
    SzelvenyekAllapot& s = szelvenyek();
    s.Foablak = mainWindow;
    ++s.Epites;
    // Each construction but the draw entry derives the game parameters
    // again, so every ticket built after the main ticket sees the new game.
    s.Foszelveny = new TFoszelveny(kvx::Program::aktualis().Szelveny(), mainWindow);
    if (s.BontEllEpites)
        s.BontEllEpites(mainWindow);
    s.HuzKeresSzelveny = new THuzKeresSzelveny(kvx::Program::aktualis().HuzasokV(), mainWindow);
    s.HuzSzelveny = new THuzSzelveny(mainWindow);
    s.BontSzelveny = new TBontSzelveny(mainWindow);
    s.HuzBeSzelveny = new THuzBeSzelveny(kvx::Program::aktualis().HuzasokV(), mainWindow);
}

void HuzasSzelvenyekBekotese(THuzLista& lista, THuzBe& be, QWidget* futas)
{
    QObject::connect(&lista, &THuzLista::segedszelvenyLathato, &lista, [](bool lathato) {
        THuzSzelveny* sz = szelvenyek().HuzSzelveny;
        if (!sz)
            return;
        if (!lathato) {
            sz->hide();
            return;
        }
        // The ticket places itself beside the list when it shows.
        sz->show();
    });
    QObject::connect(&lista, &THuzLista::huzasKijelzes, &lista,
                     [be = QPointer<THuzBe>(&be), futas = QPointer<QWidget>(futas)](
                         const kvx::TTombByte1D& szamok, const kvx::TTombByte1D& potSzamok, const kvx::HLRiport& r) {
                         THuzSzelveny* sz = szelvenyek().HuzSzelveny;
                         if (!sz)
                             return;
                         sz->Kijelzes(szamok, potSzamok, r);
                         // The ticket of the selected draw comes in front of
                         // its list, unless a draw is being entered or a run
                         // shows its progress.
                         if (sz->isVisible() && !(be && be->isVisible()) && !(futas && futas->isVisible()))
                             sz->raise();
                     });
    QObject::connect(&be, &THuzBe::megnyilt, &be, [] {
        if (THuzBeSzelveny* sz = szelvenyek().HuzBeSzelveny) {
            sz->show();
            kvx::AblakElhelyezese(sz, true);
        }
    });
    QObject::connect(&be, &THuzBe::bezarult, &be, [] {
        if (THuzBeSzelveny* sz = szelvenyek().HuzBeSzelveny)
            sz->hide();
    });
}

int BillentyuModModositokbol(Qt::KeyboardModifiers m, int potSzamok)
{
    return kvx::BillentyuModSzamitas(m & Qt::ShiftModifier, m & Qt::ControlModifier, m & Qt::AltModifier, potSzamok);
}

int GetBillentyuMod()
{
    return BillentyuModModositokbol(QApplication::keyboardModifiers(), kvx::game().PotSzamok);
}

void SzelvenyUzenet(QWidget* parent, const QString& text, SzelvenyUzenetFajta fajta)
{
    const SzelvenyekAllapot& s = szelvenyek();
    if (s.Uzenet) {
        s.Uzenet(parent, text, fajta);
        return;
    }
    // The program's own message boxes, as everywhere else.
    (void)parent;
    if (fajta == SzelvenyUzenetFajta::Figyelmeztetes)
        kvx::FigyelmeztetoUzenet(text);
    else
        kvx::InformacioUzenet(text);
}
