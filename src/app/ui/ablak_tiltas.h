#pragma once
// Switching windows off while one window must be answered first (a run, a
// statistic, a draw entry, the coupon options, the wait window's text).
//
// An AblakTiltas switches off exactly the windows it names, never the
// window that asks nor the windows that asker holds (its message boxes and
// dialogs), and when it ends switches on exactly those it switched off.
// Tokens nest: a window named by two tokens comes back when both ended; a
// window that was already off when a token named it (its owner switched it
// off for reasons of its own) is left off.
//
// Switching a window off is setEnabled(false) on that window. Qt carries a
// disabled state down to every child widget, child windows too (the forms
// are children of the main window), so a token gives every child window it
// did not name its own enabled state back right away; Qt lets a window be
// enabled under a disabled parent. A window keeps its own child widgets'
// enabled states through this (Qt remembers an explicit off below a
// disabled parent), and windows opened while a token holds (message boxes)
// are born enabled, so they stay usable. A held window that the program
// shows modally is on while it shows: it waits for its answer.
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace kvx {

// The program's windows: every main window (a window without a parent that
// is a QMainWindow) and the windows it holds directly (the forms and the
// tickets). A window shown modally just now is left out: it is answered
// first. The wait window has no parent and is not one of them.
std::vector<QWidget*> ProgramAblakai();

class AblakTiltas {
public:
    // Holds nothing.
    AblakTiltas() = default;
    // Switches off the windows named, except `kero` (may be null) and the
    // windows it holds.
    AblakTiltas(const std::vector<QWidget*>& ablakok, const QWidget* kero);
    // Every window of the program but the asker and the exceptions.
    static AblakTiltas MindenMasAblak(const QWidget* kero, std::initializer_list<const QWidget*> kivetelek = {});

    AblakTiltas(AblakTiltas&& masik) noexcept;
    AblakTiltas& operator=(AblakTiltas&& masik) noexcept;
    AblakTiltas(const AblakTiltas&) = delete;
    AblakTiltas& operator=(const AblakTiltas&) = delete;
    ~AblakTiltas();

    // Ends the token now: the windows only it held come back.
    void Vege();
    // The token holds windows.
    bool Aktiv() const { return !tartott_.empty(); }

private:
    struct Tartott {
        QPointer<QWidget> Ablak;
        // The window's type when it was named: a window whose type changed
        // since is being destroyed and is not touched again.
        const QMetaObject* Tipus = nullptr;
    };
    std::vector<Tartott> tartott_;
};

}  // namespace kvx
