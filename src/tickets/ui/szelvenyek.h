#pragma once
// The six ticket windows of the current game: built on start and after a
// game change, torn down before the next build. Also the few services the
// tickets share until the main window and the message-box unit provide
// them: the marking mode from the held modifier keys and the message box.
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class TSzelveny;
class TFoszelveny;
class TBontSzelveny;
class TBontEllSzelveny;
class THuzSzelveny;
class THuzBeSzelveny;
class THuzKeresSzelveny;
class THuzBe;
class THuzLista;

// Kind of message a ticket shows.
enum class SzelvenyUzenetFajta { Informacio, Figyelmeztetes };

using SzelvenyUzenetFuggveny = std::function<void(QWidget* parent, const QString& text, SzelvenyUzenetFajta fajta)>;

struct SzelvenyekAllapot {
    QPointer<QWidget> Foablak;
    QPointer<TFoszelveny> Foszelveny;
    QPointer<TBontEllSzelveny> BontEllSzelveny;  // a window of the variation
    QPointer<THuzKeresSzelveny> HuzKeresSzelveny;
    QPointer<THuzSzelveny> HuzSzelveny;
    QPointer<TBontSzelveny> BontSzelveny;
    QPointer<THuzBeSzelveny> HuzBeSzelveny;
    // Counts the builds: a window placed beside the main ticket sees whether
    // a new one stands there since.
    int Epites = 0;
    // Shows a ticket's message; empty means a QMessageBox. Tests replace it.
    SzelvenyUzenetFuggveny Uzenet;
    // The variation check ticket is one of the variation's windows: its
    // library puts here how it is built and torn down (BontEllSzelvenyBekotes).
    // Unset, as for the tickets alone, it is not built.
    std::function<void(QWidget* mainWindow)> BontEllEpites;
    std::function<void()> BontEllLebontas;
};

// The program's one instance.
SzelvenyekAllapot& szelvenyek();

// Builds the six tickets for the current game in the order main ticket,
// variation check, draw search, draws, variation, draw entry, and shows the
// main ticket. Any tickets still standing are torn down first.
void SzelvenyekLetrehozasa(QWidget* mainWindow);
// Destroys the six tickets (the reverse of the build).
void SzelvenyekLebontasa();
// Closes and destroys one ticket for good.
void SzelvenyLebontasa(TSzelveny* szelveny);
// The draws windows' tickets: the draws list's auxiliary ticket shows and
// hides with the list's choice and shows its selected draw, in front of the
// list unless a draw is being entered or futas (the run window, showing a
// run's progress) shows; the entry's ticket shows beside the entry while it
// is open. The tickets are rebuilt with every game, so each signal looks
// its ticket up when it comes. Called once by the shell when the windows
// exist.
void HuzasSzelvenyekBekotese(THuzLista& lista, THuzBe& be, QWidget* futas);

// The marking mode from the modifier keys held now: Shift 50, Ctrl 100,
// Shift+Ctrl 200, Alt 300, Shift+Alt 350 (games with bonus numbers only),
// otherwise 0.
int GetBillentyuMod();
int BillentyuModModositokbol(Qt::KeyboardModifiers m, int potSzamok);

// Shows a ticket's message through szelvenyek().Uzenet (tests) or the
// program's message boxes.
void SzelvenyUzenet(QWidget* parent, const QString& text, SzelvenyUzenetFajta fajta);
