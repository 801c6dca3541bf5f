#pragma once
// The internet menu of the main window: the handler of every internet item
// in the command registry, the items' state, captions and images after the
// online-access table, the variation and the controller's running action,
// the notification of a newer version, the stop of a running action before
// the main window closes, the web addresses of the maker's items, the
// table's load at start and the start-up checks. What the variation and the
// main ticket hold it asks the controller (InternetVezerlo::H).
// InternetAblakokBekotese wires the internet controller's windows. It emits
// no signals.
#include <QObject>
#include <QPointer>

#include <functional>

class InternetVezerlo;
class QAction;
class QWidget;
class TInternetLetoltesAblak;
namespace kvx {
class ParancsTar;
class TNevjegy;
}

class InternetParancsok : public QObject {
    Q_OBJECT
public:
    // Registers the items' handlers in the current command registry and
    // follows the controller. Closing foablak (the main window) while an
    // action runs stops the action first; the window closes once it ended.
    InternetParancsok(InternetVezerlo& iv, QWidget* foablak);

    // Loads DatKonyvtar + "Online.odb" when it exists; a first start gets the
    // table shipped beside the executable.
    void OnlineEleresBetoltes();
    // The internet items follow the online-access table of the current game
    // and the controller's running action.
    void MenuFrissites();
    // After loading: an old draws database or online-access table is
    // updated or reported; at most one internet action starts. Switched off
    // by KAVAREX_NO_STARTUP_CHECKS (tests, CI) and in a second instance.
    void InditasiEllenorzes();
    // The maker's web items keep the addresses they open (their "WebCim"),
    // made from the maker's host; called once the host is read.
    void WebCimekBeallitasa();

    // The button that announces a newer version (object name
    // "VerzioErtesitoGomb"); hidden until one appears. The shell places it.
    QAction* VerzioErtesito() const { return ertesito_; }

private:
    void ujVerzio(const QString& verzio);
    void futas(bool fut);

    InternetVezerlo& iv_;
    // The registry the items come from: the one current when it was made.
    QPointer<kvx::ParancsTar> tar_;
    QPointer<QAction> ertesito_;
    bool fut_ = false;  // an internet action runs (the controller said so)
};

// The connection window follows the current program's internet controller;
// the about box's links start its actions, and the box shows the serial of
// the table in use.
void InternetAblakokBekotese(TInternetLetoltesAblak& letoltesAblak, kvx::TNevjegy& nevjegy);
