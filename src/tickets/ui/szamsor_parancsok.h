#pragma once
// The main ticket's number commands of the "Számsor" and "Főszelvény" menus:
// selecting every number, random numbers, the clearing commands with their
// questions, the number order radio items, the ticket's views, the states
// and hints of these commands, and the commands that follow an over-full
// line (the saves and the conditions). The handlers are registered in the
// command registry under the command table's ids; the questions are the
// program's (app/ui/uzenetek.h), and whether a variation holds lines is read
// from the status bar's variation service (app/ui/variacio_statusz.h). What
// belongs to the variation above the tickets or only to the main window (the
// backups, the count dialog, the conditions window) comes in through the
// hooks the shell wiring sets. It emits no signals.
#include <QObject>

#include <cstdint>
#include <functional>

class QString;
namespace kvx {
class Program;
}

class SzamsorParancsok : public QObject {
    Q_OBJECT
public:
    explicit SzamsorParancsok(kvx::Program& program, QObject* parent = nullptr);

    // What the main window and the variation lend; an unset step is skipped
    // and an unset check says No.
    struct Horgok {
        // The main ticket repaints its number lists.
        std::function<void()> SzamokValtozasa;
        // How many random numbers to mark, 1..maximum; 0 cancels (the count
        // dialog in its numbers mode).
        std::function<int(int maximum)> VeletlenDarab;
        // Before unsaved work is thrown away: the backup; false keeps it.
        std::function<bool()> BackMentese;
        // The variation: a run is going.
        std::function<bool()> VariacioFut;
        // In extension mode, the question whether the numbers may go while
        // the lines stay.
        std::function<bool()> BovitesTorlesEng;
        // The variation's lines go (not asked again).
        std::function<void()> VariacioTorlese;
        // The conditions' records go.
        std::function<void()> FeltetelekTorlese;
        // Extension mode ends.
        std::function<void()> BovitesVege;
        // The conditions window closes (when it shows).
        std::function<void()> FeltetelekBezarasa;
        // The variation's commands follow the line ("Start" and the rest).
        std::function<void()> VariacioParancsokFrissitese;
    };
    Horgok H;

    // Registers the handlers in the current command registry (the
    // connections end with `kontextus`) and makes the main ticket's views
    // one radio group, the normal view checked.
    void ParancsokBekotese(const QObject* kontextus);

    // "Kijelölés mind": every free number is selected.
    void Kijellmind1Click();
    // "Véletlen számok": random numbers onto the main ticket, as many as the
    // count dialog says (one at once when fewer than two are free).
    void Vletlenszmok1Click();
    // The clearing commands of "Törlés" for kind 0..3 (selected, fixed,
    // constant, random numbers).
    void SzamTorles(int kind);
    // menuPont: the user's "Minden szám" (or the toolbar's "Törlés");
    // otherwise a command that needs an empty ticket.
    void Mind1Click(bool menuPont = false);
    // The main ticket's clearing question for kind 0..3; true = go on.
    bool TorlesJovahagyas(int kind);
    // Before a clear: the question, and the lines go with the numbers.
    bool SzamTorlesJovahagyas(int kind);
    // The selection and clearing commands follow the ticket.
    void KijelolesMenuFrissites();
    // The number order radio items: SetSzamsorrend is the user's choice,
    // SzamsorrendKijelzes only shows (and keeps) the mode.
    void SetSzamsorrend(int mode);
    void SzamsorrendKijelzes(int mode);
    // The commands that need a line with more numbers than one line of the
    // game (the save commands); on: the main ticket's line is over-full.
    void FeltMenuAll(bool on);
    // What the last FeltMenuAll was told.
    bool Tulteli() const { return tulteli_; }

private:
    bool kerdes(const QString& q) const;
    void szamokValtozasa() const;

    kvx::Program& p_;
    bool tulteli_ = false;
};
