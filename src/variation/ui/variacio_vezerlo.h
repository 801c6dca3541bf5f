#pragma once
// The variation: its store, its runs and its deletion. Windows that show the
// lines or depend on a run hold this controller and subscribe to its
// signals; the rules that span windows live here: a changed selection asks
// and deletes the variation, a deletion closes what shows the lines, a run
// disables the other windows until it has ended.
#include <QObject>

#include <functional>
#include <iosfwd>

#include "app/shell_state.h"
#include "common/arrays.h"
#include "conditions/ui/variacio_kep.h"
#include "variation/command_availability.h"
#include "variation/generation_run.h"
#include "variation/line_entry.h"
#include "variation/variation_list.h"

namespace kvx {
class Program;
}
class SzelvenyVezerlo;

// The button the run window closed with; each value is the button's code
// (its "Tag" property), which the window's messages and questions use too.
// Pause shares the code of Módosítás.
enum class BontasGomb {
    Nincs,         // Stop, Háttérben once the run ended, the window's close
    Ellenorzes,
    Lista,
    Mentes,
    Modositas,
    Teszt,
    Torles,
    Megszakitas,   // Break
    Bovites,
    Info,
    Statisztika,   // Break after a run with lines
};
// The button's name (a failing order test names the buttons).
std::ostream& operator<<(std::ostream& o, BontasGomb g);

class VariacioVezerlo : public QObject {
    Q_OBJECT
public:
    VariacioVezerlo(kvx::Program& program, SzelvenyVezerlo& szelveny, QObject* parent = nullptr);

    // A run is going: from its start until its worker has ended. While it
    // goes the store belongs to the worker and no window reads it.
    bool Fut() const { return fut_; }
    void FutasKezdete();
    void FutasVege();
    // A job of the wait window's worker rewrites the store in place (a
    // sort, an allocation, a compaction, a deletion): from TarMunkaKezdete
    // to TarMunkaVege no window reads the store. tarMunkaElott closes the
    // windows that paint from it; tarMunkaUtan tells that it is free again.
    bool TarMunkaban() const { return tarMunka_; }
    void TarMunkaKezdete();
    void TarMunkaVege();
    // The run window closed with button `gomb`: the variation's commands
    // act on it.
    void BontasAblakBezarva(BontasGomb gomb) { emit bontasAblakBezarva(gomb); }
    // The variation's state as the status bar shows it, read from the store
    // (while a run goes, from what its worker publishes), written to the
    // status bar's variation service (app/ui/variacio_statusz.h).
    void StatuszFrissites();

    // Deletion. TorlesEng1: the delete command ("Biztos törli a variáció
    // listáját?"); TorlesEng2: before the numbers of the main ticket or the
    // conditions change. True: the caller may go on.
    bool TorlesEng1();
    bool TorlesEng2();
    // Clears the conditions (the selection they were set for changes) and
    // tells the conditions window.
    void FeltetelekTorlese();
    // Deletes the variation, or with truncate cuts it to its last extension
    // boundary, without a question.
    void BontasTorlese(bool truncate);
    // Marks the variation edited by hand (e) or clears the mark.
    void SzerkesztettVariacioBeallitas(bool e);
    // What the deletion needs from the rest of the program.
    kvx::TorlesKornyezet TorlesKornyezet();

    // The variation's state; during a run only what the worker publishes.
    VariacioKep Kep() const;
    // What the list and the check ticket show of the lines now.
    kvx::BontListaNezet ListaNezet() const;
    // The command states of the current variation.
    kvx::ParancsHelyzet ParancsHelyzet() const;
    // Something changed the lines or the run state: every window that shows
    // them refreshes.
    void Ertesites() { emit valtozott(); }

    // Extension mode: new runs and hand-added lines append to the lines,
    // with the counts of numbers it began with.
    void Import_log_true();
    void Import_log_false();
    // The main ticket holds the extended variation's numbers again.
    void BovitesSzamokVisszaalltak();
    // The extended variation's lines are counted afresh and listed (the
    // list opens when it was closed); nothing outside extension mode.
    void BovitesListazas();
    // After the numbers came back: conditions switched off while they were
    // changed may be switched on again (asked).
    void SzamsorModositasUtan();

    // The index order of the lines: IndexRendezes sorts them and keeps the
    // order it found, IndexEredetiSorrend restores that order,
    // IndexSorrendRogzitese keeps the current one for good. Each returns
    // whether the lines changed their order or the kept order went.
    bool IndexRendezes();
    bool IndexEredetiSorrend();
    bool IndexSorrendRogzitese();
    // "Bővítmény törlése": the last extension goes, after its question.
    void UtolsoBovitmenyTorles();
    // "Bővítmény egyesítése": after its question the extensions become part
    // of the base variation, in the current order of the lines.
    void BovitmenyEgyesites();

    // Hand edits of the list. The variation-check ticket takes the line:
    // Start opens it for a new line or for the replacement of row sor
    // (1-based); the line it hands back goes into the store.
    void BontSzamsorHozzaadasStart();
    void BontSzamsorModositasStart(int sor);
    bool BontSzamsorHozzaadas(const kvx::TTombByte1D& sor);
    bool BontSzamsorModositas(const kvx::TTombByte1D& sor);
    // Deletes rows f..l (1-based) after its question, or with bovitmeny
    // the last extension; the range dialog chose them.
    void BontSzamsorTartomanyTorles(int f, int l, bool bovitmeny);
    // Appends db test lines (rows of the store's width) as a new extension
    // part; the list then selects the last line.
    bool BontSzamsorTesztHozzaadas(const std::uint8_t* sorok, std::int32_t db);
    // Row (0-based) of the line being replaced.
    int ModositottSzamsorIndex = 0;
    // The modifier mode of the editing commands: the main window's, or the
    // keys held now (Shift+Ctrl = 200).
    static int BillentyuMod();
    // The check of the lines against a marked line (the variation-check
    // ticket in its check mode). EllenorzesStart opens the ticket; with
    // numbers it marks them (bonus numbers as bonus marks) and checks at
    // once, with a caption for the ticket.
    void EllenorzesStart(const kvx::TTombByte1D& szamok = {}, const kvx::TTombByte1D& potSzamok = {},
                         const QString& felirat = {});
    // Counts the lines per hit value against the marks and keeps both for
    // the list's search; ellenorzesKesz announces it.
    void Ellenorzes(const kvx::BontEllJelolesek& j);
    // The marks are gone: the list's search ends.
    void EllenorzesTorles();
    // The check ticket's Törlés in its check mode: the check command of the
    // variation's commands runs again (its question about an unfinished variation, and
    // Shift+Ctrl's random line).
    void EllenorzesParancs() { emit ellenorzesParancsKerve(); }
    // The last check: its marks and BontEllTalalatok (empty when none).
    const kvx::BontEllJelolesek& EllenorzoJelek() const { return ellenorzoJelek_; }
    const kvx::TTombInt1D& BontEllTalalatok() const { return bontEllTalalatok_; }
    // Scores the stored lines against the marks of the last check.
    kvx::BontEllKereso Kereso() const { return kvx::BontEllKereso(ellenorzoJelek_, ListaNezet()); }

    // The options changed their display (the Felülírás boundary).
    void FeltetelKijelzesFrissites() { emit feltetelKijelzes(); }

    // Runs a job on a large store behind the wait window; the variation's
    // commands provide it (VariacioParancsok). Empty: at once.
    std::function<void(int kod, const std::function<void()>& munka)> NagyFeladat;
    // Keeps the unsaved lines before a deletion; the main window provides
    // it. False: the backup failed and the user keeps the work.
    std::function<bool()> BackMentese;

signals:
    // Lines, run state or extension mode changed.
    void valtozott();
    // A deletion begins: the windows showing the lines close, the variation
    // check ticket starts anew.
    void torles();
    // Deleting asks the conditions window to close and, afterwards, to open
    // again if it was open (*nyitva tells whether it was).
    void feltetelAblakBezarasa(bool* nyitva);
    void feltetelAblakMegnyitasa();
    // The conditions were cleared before a change.
    void feltetelekTorolve();
    // The variation-check ticket opens for a line: mode 1 new, 2 replace.
    void szamsorBevitelKerve(int mod);
    // The variation-check ticket opens in its check mode, marking the given
    // numbers when there are any.
    void ellenorzesKerve(const kvx::TTombByte1D& szamok, const kvx::TTombByte1D& potSzamok, const QString& felirat);
    // The check command is asked for (EllenorzesParancs).
    void ellenorzesParancsKerve();
    // A check counted the lines (BontEllTalalatok), or its marks were cleared.
    void ellenorzesKesz();
    void ellenorzesTorolve();
    // A hand edit begins: the list closes and the check ticket starts anew.
    void szerkesztesElott();
    // The list shows the edited lines again with row sor selected.
    void listaFrissites(int sor);
    // Extension mode switched on or off.
    void bovitesValtozott();
    void feltetelKijelzes();
    // The switched-off conditions are to be ticked again (the set they
    // had) and the conditions window opened.
    void letiltottFeltetelekAktivalasa(const kvx::TFeltetelMaszk& maszk);
    // A worker is about to rewrite the store, or has finished with it.
    void tarMunkaElott();
    void tarMunkaUtan();
    // A run started or its window closed.
    void futasIndul();
    void futasVege();
    void bontasAblakBezarva(BontasGomb gomb);

private:
    kvx::Program& p_;
    bool fut_ = false;
    bool tarMunka_ = false;
    kvx::BontEllJelolesek ellenorzoJelek_;
    // The conditions that were selected when they were switched off for
    // the change of the numbers.
    kvx::TFeltetelMaszk letiltottMaszk_;
    kvx::TTombInt1D bontEllTalalatok_;
};
