#pragma once
// The command registry: one action for every command of the command table
// (app/main_menu.h), made in one place and found by the command's id. The
// shell places the actions into its menus and toolbar; each subsystem
// registers the handlers of its own commands here and switches its own
// commands on and off, so no window needs to know who shows a command or who
// answers it.
#include <QObject>
#include <QString>

#include <array>
#include <utility>

#include "app/main_menu.h"

class QAction;

namespace kvx {

class ParancsTar : public QObject {
    Q_OBJECT
public:
    // Makes the action of every command and radio item of the table as a
    // child of `tulajdonos` (the window whose shortcuts they are): its
    // caption, shortcut, hint and whether it works in this build. Submenus
    // and separators are the shell's; a submenu's action is added with
    // Felvesz.
    explicit ParancsTar(QObject* tulajdonos);
    ~ParancsTar() override;

    // The registry of the Program made last (the one made last for it);
    // nullptr until the shell made one.
    static ParancsTar* aktualis();

    // The action of a command. A command whose action is not there (a
    // submenu or toolbar button before the shell added it, Nincs) is a
    // programming error: it throws std::logic_error.
    QAction* operator[](ParancsId id) const;
    // The action of a command, nullptr while it has none.
    QAction* Keres(ParancsId id) const;
    // Adds an action made elsewhere (a submenu's action, a toolbar-only
    // button) under the command's id; it takes the command's name.
    void Felvesz(ParancsId id, QAction* a);

    // Runs `kezelo` whenever the command is chosen; the connection ends when
    // `kontextus` is destroyed. Returns the action for further setup.
    template <typename F>
    QAction* Kezelo(ParancsId id, const QObject* kontextus, F&& kezelo)
    {
        QAction* a = (*this)[id];
        KezeloBekotes(a, kontextus, std::forward<F>(kezelo));
        return a;
    }

    // Runs the command's handlers whatever the action's state: a step that
    // another subsystem's rule asks for, where the command's being switched
    // off for the user does not matter (trigger() does nothing on a disabled
    // action). A checkable item keeps its check state.
    void Vegrehajtas(ParancsId id) const;

    // Switches a command on or off (hint and state together stay the
    // caller's: this is the plain state).
    void Engedelyez(ParancsId id, bool be) const;
    bool Engedelyezett(ParancsId id) const;

private:
    template <typename F>
    static void KezeloBekotes(QAction* a, const QObject* kontextus, F&& kezelo);

    std::array<QAction*, kParancsokSzama> akciok_{};
};

}  // namespace kvx

#include <QAction>

template <typename F>
void kvx::ParancsTar::KezeloBekotes(QAction* a, const QObject* kontextus, F&& kezelo)
{
    QObject::connect(a, &QAction::triggered, kontextus, std::forward<F>(kezelo));
}

namespace kvx {
// The action of a command of the current registry (see ParancsTar::operator[]).
QAction* Parancs(ParancsId id);
// The user can choose the command now: it is switched on, and so is each of
// its toolbar buttons (a button is off while its toolbar or window is).
// False while the current registry has no action for it.
bool ParancsElerheto(ParancsId id);
// A command's hint: its tooltip and its status-bar text are the same.
void ParancsTipp(QAction* a, const QString& tipp);
// Switches a command on or off together with the hint that says why.
void ParancsBeallitas(QAction* a, bool be, const QString& tipp);
}  // namespace kvx
