#include "tickets/ui/szelvenyek.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"

#include "app/shell_state.h"

#include <QApplication>

#include "app/game_table.h"
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
