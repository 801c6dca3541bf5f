#pragma once
// The variation's menu commands: Start with its validation, what follows a
// run, deletion, the pause clearing, listing, saving, the check, the change
// of the conditions, the index order, the extensions, the import of a line
// file and the command states. The handlers are registered in the command
// registry under the command table's ids. The conditions window opens
// through the conditions' own command; the status bar hears of the state
// through the ui base's variation service (VariacioVezerlo::StatuszFrissites);
// the file dialogs and the main ticket are called directly.
//
// Signals: futasUtan (each follow-up step of a run's end, in order),
// rendezesElott (the lines are about to be sorted).
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <iosfwd>

#include "app/ui/ablak_tiltas.h"
#include "conditions/consistency_check.h"
#include "variation/command_availability.h"
#include "variation/ui/variacio_vezerlo.h"

class QString;
class TBontas;
class TBontLista;
class TFeltetelek;
class THuzLista;
class THuzSzama;
class TInfo;
namespace kvx {
class Program;
}

// The variation's windows the commands work with; the shell's window
// creation hands them over (VariacioAblakokBekotese).
struct VariacioAblakok {
    QPointer<TFeltetelek> Feltetelek;
    QPointer<TBontLista> BontLista;
    QPointer<TBontas> Bontas;
    QPointer<THuzSzama> HuzSzama;
    // The draws list, where a line of the variation list is searched.
    QPointer<THuzLista> HuzLista;
    QPointer<TInfo> Info;
};

// One step of what follows a run once its window closed; the run window's
// button decides which steps come and in what order.
enum class FutasUtaniLepes {
    Torles,                // the delete command with its question
    FeltetelekMegnyitasa,  // the conditions window opens
    Listazas,              // the list of the lines
    Mentes,                // the save dialog of the variation
    Teszt,                 // the variation test
    Ellenorzes,            // the check ticket
    Modositas,             // the conditions open for a new run
    PauseTorles,           // the pause status goes
    Informacio,            // the information window
    Bovites,               // extension mode on
    ParancsAllapot,        // the commands follow the new state
    Diagram,               // the information window's frequency diagram
};
// The step's name (a failing order test names the steps).
std::ostream& operator<<(std::ostream& o, FutasUtaniLepes l);

class VariacioParancsok : public QObject {
    Q_OBJECT
public:
    VariacioParancsok(kvx::Program& program, VariacioVezerlo& variacio, QObject* parent = nullptr);
    ~VariacioParancsok() override;

    // Registers the handlers of the variation's commands in the current
    // command registry and sets the commands by the current state.
    void ParancsokBekotese();
    // The windows the commands open and refresh.
    void Ablakok(const VariacioAblakok& a) { ablakok_ = a; }
    const VariacioAblakok& Ablakok() const { return ablakok_; }

    // "Start": the order of the lines back to stored, the consistency check
    // of the conditions, then the run (or the reason why none starts).
    void Start();
    // The run window closed with button `gomb`: a stopped run's lines go,
    // the store is compacted, and the follow-up steps are announced one by
    // one through futasUtan.
    void VariacioVege(BontasGomb gomb);
    // Carries out one follow-up step (the listener VariacioAblakokBekotese
    // connects to futasUtan; the only one that acts on the steps).
    void LepesVegrehajtasa(FutasUtaniLepes lepes);
    // The conditions window opens through the conditions command, whatever
    // the command's state.
    void FeltetelekMegnyitasa();
    // "Törlés", "Pause státusz törlése" and the pause clearing without its
    // question.
    void Torles();
    void PauseTorles();
    void PauseStatusTorlese();
    // "Listázás" and "Mentés" of the lines.
    void Listazas();
    void Mentes();
    // "Ellenőrzés": the check ticket, after the notice of an unfinished run.
    void Ellenorzes();
    // "Módosítás": the variation's lines go (unless it is an extension or
    // paused), and the conditions open for a new run.
    void Modositas();
    // The notice of an unfinished variation with its question; true goes on.
    bool BefejezetlenKerdes(const QString& kerdes);
    // The index order of the lines: sort, earlier order, fix the order.
    void Rendezes();
    void EredetiSorrend();
    void VeglegesSorrend();
    // "Bővítés" (menuPont: sent by its menu item): extension mode on or off.
    void Beillesztes(bool menuPont);
    // A paused, stopped or unfinished variation goes on as an extension.
    void MegszakitatottStatus();
    // Reads the lines of a ".csv" or ".txt" file as the variation: the
    // conditions and the variation options are cleared first.
    bool Import(const QString& nev);
    // The list's delete button: the range dialog chooses the rows.
    void BontSzamsorTorles(int kivalasztottSor);
    // A save or export put a sorted list back into its stored order: the
    // commands and an open list follow.
    void SorrendVisszaallitasUtan(bool rendezettVolt);
    // Asks a running generation to stop (the program is closing).
    void BontasLeallitasa();
    // A job on the variation store: at once up to 100,000 rows, else behind
    // the wait window (job code of the registry).
    void NagyVariacioFeladat(int kod, const std::function<void()>& munka, std::int64_t sorok);

    // The command states of the variation, and applying them.
    kvx::ParancsHelyzet ParancsHelyzet() const;
    void ParancsAllapot(const kvx::ParancsHelyzet& h);
    void ParancsAllapotFrissites() { ParancsAllapot(ParancsHelyzet()); }
    kvx::EllenorzesEredmeny FeltetelekEllenorzese() const;

signals:
    // One step of what follows a run, in the order the steps go.
    void futasUtan(FutasUtaniLepes lepes);
    // The lines are about to be sorted: windows above that show them by row
    // close.
    void rendezesElott();
    // The variation's command states were applied (ParancsAllapot): the
    // whole table, for the commands whose owners follow the variation's
    // rules (the variation list's printouts).
    void parancsAllapot(const std::vector<kvx::ParancsAllapot>& tabla);

private:
    // The main ticket's number commands ask the variation (their query
    // hooks) and leave to it what goes with agreed clears.
    void SzamsorParancsokBekotese();

    kvx::Program& p_;
    VariacioVezerlo& v_;
    VariacioAblakok ablakok_;
    // While a run goes, only its window answers.
    kvx::AblakTiltas futasTiltas_;
};

// Wires the variation's windows to each other, to the command object and to
// the windows below them; called once by the shell when they all exist.
void VariacioAblakokBekotese(const VariacioAblakok& a);
// The draws list's draw checked against the variation, and its button
// following whether there are lines to check; called once by the shell
// right after the list's tickets are wired.
void HuzListaVariacioBekotese(THuzLista& lista);
