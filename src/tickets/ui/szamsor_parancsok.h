#pragma once
// The main ticket's number commands of the "Számsor" and "Főszelvény" menus:
// selecting every number, random numbers, the clearing commands with their
// questions, the number order radio items, the ticket's views (the two draw
// views follow the draws database) and the states and hints of these
// commands; whether the line is over-full goes to the saves and the
// conditions, whose owners set their commands (feltetelekElerhetok). The
// handlers are registered in the command registry under the command table's
// ids; the questions are the program's (app/ui/uzenetek.h), and whether a
// variation holds lines is read from the status bar's variation service
// (app/ui/variacio_statusz.h). What the variation above the tickets knows (a
// run going, the backup, the extension's question, what a clear takes along)
// it answers through the query hooks its wiring sets.
//
// Signals: szamokTorlesJovahagyva (a clear of the numbers was agreed: what
// it takes along goes first), feltetelekElerhetok (the conditions make sense
// for the line or not), feltetelMenuKesz (the commands followed the line).
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <iosfwd>

class QString;
class TVelSzam;
namespace kvx {
class Program;
}

// The two kinds of agreed clear. Torles: the user's clear of the numbers
// (outside extension mode). UresSzelveny: a command that starts from an
// empty ticket; it ends the extension as well.
enum class SzamTorlesMod { Torles, UresSzelveny };
std::ostream& operator<<(std::ostream& os, SzamTorlesMod m);

class SzamsorParancsok : public QObject {
    Q_OBJECT
public:
    explicit SzamsorParancsok(kvx::Program& program, QObject* parent = nullptr);

    // What a clear of the numbers would take along besides them.
    struct TorlesTartalom {
        bool VanVariacio = false;    // the variation holds lines
        bool FeltetelJelzo = false;  // conditions are selected
    };
    // What the variation lends; an unset backup lets the clear go on, an
    // unset check says No.
    struct Horgok {
        // Before unsaved work is thrown away: the backup; false keeps it.
        std::function<bool()> BackMentese;
        // The variation: a run is going.
        std::function<bool()> VariacioFut;
        // In extension mode, the question whether the numbers may go while
        // the lines stay.
        std::function<bool()> BovitesTorlesEng;
        // What a clear would take along (the clearing question names it).
        std::function<TorlesTartalom()> Tartalom;
    };
    Horgok H;

    // Registers the handlers in the current command registry (the
    // connections end with `kontextus`), follows the main ticket's line
    // (FeltMenuAll on every szamokValtoztak) and makes the main ticket's
    // views one radio group, the normal view checked.
    void ParancsokBekotese(const QObject* kontextus);
    // The count dialog of the random numbers.
    void Ablakok(TVelSzam* velSzam);

    // "Kijelölés mind": every free number is selected.
    void Kijellmind1Click();
    // "Véletlen számok": random numbers onto the main ticket, as many as the
    // count dialog says (one at once when fewer than two are free).
    void Vletlenszmok1Click();
    // The clearing commands of "Törlés" for kind 0..3 (selected, fixed,
    // constant, random numbers).
    void SzamTorles(int kind);
    // The user's "Minden szám" (or the toolbar's "Törlés"): an extension
    // keeps its lines for the numbers to come back to.
    void Mind1Click();
    // Empties the ticket for a command that starts from an empty one (a
    // sample, a file being opened): an extension ends, its lines go with
    // the numbers.
    void MindenSzamTorlese();
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
    // A new game's ticket starts in the normal view.
    void NezetAlaphelyzet();
    // The commands that need a line with more numbers than one line of the
    // game (the save commands); on: the main ticket's line is over-full.
    void FeltMenuAll(bool on);
    // What the last FeltMenuAll was told.
    bool Tulteli() const { return tulteli_; }

signals:
    // A clear of the numbers was agreed: what it takes along (the lines, the
    // conditions, in an empty ticket's clear the extension) goes now,
    // before the numbers.
    void szamokTorlesJovahagyva(SzamTorlesMod mod);
    // The conditions make sense for the line (an over-full one; while a
    // variation is extended, the numbers it was made of) or no longer do.
    void feltetelekElerhetok(bool elerheto);
    // The number commands followed the line (FeltMenuAll): the commands that
    // need a line follow too.
    void feltetelMenuKesz();

private:
    bool kerdes(const QString& q) const;
    void szamokValtozasa() const;
    void mindenSzamTorlese(bool menuPont);
    // The two draw views need a loaded database; a view that can no longer
    // be shown gives way to the normal one.
    void HuzasNezetekAllapot(bool adatbazis);

    kvx::Program& p_;
    QPointer<TVelSzam> velSzam_;
    bool tulteli_ = false;
};

// The windows of the lower subsystems the number commands use: the count
// dialog of the random numbers. Called once by the shell when it exists.
void SzamsorAblakokBekotese(TVelSzam& velSzam);
