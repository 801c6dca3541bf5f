#pragma once
// The main ticket's number lists: a change of the selected, fixed, constant
// and random numbers is first agreed (the variation controller asks whether
// the variation and the conditions may go), then made, then announced with
// szamokValtoztak. The variation's extension state, which the marking rules
// work under, is the variation controller's to tell (BovitesLekerdezes).
//
// Signals: szamokValtoztak, teljesVariacio, bovitesSzamokVisszaalltak,
// kijelzesKerve (the main ticket is to show the lists as they are now),
// jelolesElott (a marking is about to change the lists).
#include <QObject>

#include <functional>

#include "tickets/number_lists.h"

namespace kvx {
class Program;
}

class SzelvenyVezerlo : public QObject {
    Q_OBJECT
public:
    explicit SzelvenyVezerlo(kvx::Program& program, QObject* parent = nullptr);

    // True when the numbers may change now; asks where a variation or
    // conditions would be lost.
    bool ValtozasEngedelyezett();
    // Set by the variation controller: its question before a change.
    std::function<bool()> ValtozasEngedelyezes;
    // Set by the variation controller: the extension state; unset, no
    // extension.
    std::function<kvx::BovitesAllapot()> BovitesLekerdezes;

    // The lists changed: tells every subscriber.
    void Valtozott();
    // The extension state the marking rules work under (the variation's).
    kvx::BovitesAllapot Bovites() const;
    // A marking brought the selection back to the extended variation's
    // numbers: the lines are valid again.
    void BovitesVisszaallt() { emit bovitesSzamokVisszaalltak(); }
    // Looks through the results of markings for that moment.
    void JelolesekUtan(const kvx::TobbJelolesEredmeny& r);
    // The main ticket's figure of the full variation, for the status bar.
    void TeljesVariacioSzoveg(const QString& s) { emit teljesVariacio(s); }
    // The lists changed without the main ticket: it repaints them.
    void SzamokKijelzese() { emit kijelzesKerve(); }
    // A marking of the main ticket is about to change the lists.
    void JelolesElott() { emit jelolesElott(); }

signals:
    // tulteli: the line holds more numbers than one line of the game (a
    // variation can be made of it).
    void szamokValtoztak(bool tulteli);
    void teljesVariacio(const QString& szoveg);
    void bovitesSzamokVisszaalltak();
    void kijelzesKerve();
    // The conditions were set for the numbers marked so far: their wiring
    // clears them before the marking goes on.
    void jelolesElott();

private:
    kvx::Program& p_;
};
