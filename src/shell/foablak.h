#pragma once
// The main window: start-up and shutdown, the menus built from the command
// table, the game menu, the keyboard modifier mode and the status bar.
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <QFont>
#include <QPointer>
#include <QRect>

#include <vector>

#include "app/game_table.h"
#include "app/main_menu.h"
#include "app/shell_state.h"
#include "app/ui/ablak_tiltas.h"
#include "conditions/consistency_check.h"
#include "draws/database_file.h"
#include "variation/command_availability.h"
#include "variation/generation_run.h"

class InternetParancsok;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;
class NyomtatasVezerlo;
class SzelvenyVezerlo;
namespace kvx::platform {
class FutoPeldany;
}
namespace kvx {
class ParancsTar;
}

// The steps of a game switch that rebuild the per-game parts, announced in
// this order as each begins.
enum class JatekValtasLepes {
    SzelvenyekLebontasa,  // the six tickets go
    SzelvenyekEpitese,    // the tickets are built for the new game
    AdatbazisBetoltese,   // the new game's draws database is loaded
};
std::ostream& operator<<(std::ostream& o, JatekValtasLepes l);

class TFoablak : public QMainWindow {
    Q_OBJECT
public:
    // programAllomany: the executable's path the folders and the INI file are
    // placed by; empty means the running program's own. args: the command
    // line without the program path.
    explicit TFoablak(const QString& programAllomany = QString(), const QStringList& args = QStringList(),
                      QWidget* parent = nullptr);
    // The program's own start: peldany is the running-instance check
    // (PeldanyFigyeles). An earlier instance found by it is asked about, and
    // waited for, before anything is written or read from the INI file, so
    // that this instance starts from the settings the earlier one left.
    TFoablak(const QString& programAllomany, const QStringList& args, kvx::platform::FutoPeldany* peldany,
             int bezarasVarakozasMs = kvx::kPeldanyBezarasVarakozasMs, QWidget* parent = nullptr);
    ~TFoablak() override;

    // The game menu "Játék", the toolbar, and the background shown under
    // the toolbar while extension mode is on.
    QMenu* JatekMenu() const { return LottoMenu; }
    QToolBar* EszkoztarSav() const { return Eszkoztar; }
    QWidget* BovitesHatter() const { return Image1; }
    // The first argument as kept at start ("-r" or a ".tip"/".top" path);
    // empty once the start-up has read its file.
    const QString& ParancssoriAllomany() const { return parancssoriAllomany_; }

    // Printing: the print buffer, the printer and the print files.
    NyomtatasVezerlo* Nyomtatas() const { return nyomtatas_; }

    // The running-instance check of this program: a quit request of a later
    // instance closes the main window the normal way (a refused close tells
    // that instance so); at start-up an earlier instance is asked through it
    // to quit, and waited for at most bezarasVarakozasMs.
    void PeldanyFigyeles(kvx::platform::FutoPeldany* peldany, int bezarasVarakozasMs = kvx::kPeldanyBezarasVarakozasMs);
    // Copies the settings the message boxes read (size, confirmations, tips,
    // sounds, version, INI path, tip flags) and the error log's folder.
    void UzenetBeallitasokFrissitese();

    // The action of a command of the command table.
    QAction* Akcio(kvx::ParancsId id) const;

    // Called by the last created window when every window exists.
    void Betoltes();
    // The game menu's handler: switches to the game of the tag.
    void LottoSelect(int tag);
    // Switches the game; with kerdez false (a file of another game demands
    // it, its numbers were cleared already) without the clearing question.
    // huzTorlesKerdezve: the caller's question offered the unsaved draws
    // already (a file open's clearing); closing the old table does not ask.
    void JatekValtas(int tag, bool kerdez, bool huzTorlesKerdezve = false);

    // With true: all tip flags are set; with false: sets them all.
    bool UzenetekLogAllapot(bool mod);
    // The address a web menu item opens (kept until the internet actions
    // open it); empty for any other item.
    QString WebCim(kvx::ParancsId nev) const;

    // The marking mode of the held modifier keys (MainState::BillentyuMod).
    std::int32_t GetBillentyuMod() const;
    void SetBillentyuMod(std::int32_t mod);
    // True when the key was used up (the draws list's row navigation).
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods);
    void GombStatusTorles();

    // Status bar: panel 0 free text, 1 the variation state (drawn from the
    // ui base's kvx::VariacioStatusz), 2 other parts.
    QString StatusPanel(int index) const;

    // The settings window's new window size: after the questions, restarts
    // with text size 8 + 2 * index (0..6; any other index does nothing).
    void MeretValtas(int index);
    // The text size of a restart whose close went through: the program body
    // starts the new instance with it once this one has ended.
    std::optional<std::int32_t> UjrainditasMeret() const;

    // The start-up ended because an earlier instance runs on the folder (the
    // user kept it, it stayed, or it did not end in time); nothing was
    // written.
    bool MasikPeldanyMiattKilep() const { return masikPeldanyMiattKilep_; }

    // The close query: false keeps the program running.
    bool FormCloseQuery();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* event) override;

signals:
    // A step of the game switch begins (the game is the new one from the
    // tickets' building on).
    void jatekValtasLepes(JatekValtasLepes lepes);

private:
    // ---- Reached only from the main window itself ----
    // Puts the main ticket at the left of the main window, under its toolbar.
    void FoszelvenyElhelyezes();
    // File commands: the handlers and the open and save dialogs live in
    // the variation's file command object (variation/ui/allomany_parancsok.h);
    // here are its hooks and the game switch it asks for.
    void AllomanyParancsokBekotese();
    // The help commands: the handlers live in the ui base's command object
    // (app/ui/sugo_parancsok.h), which makes the help service on this window.
    void SugoParancsokBekotese();
    // The toolbar's icons at the size of the text size.
    bool IkonokAtmeretezese(int meret);
    // Closes the dependent windows, clears the per-game state and, with
    // rebuild, builds the tickets for the current game and loads its draws.
    void SzelvLebont(bool rebuild);
    void FormKeyUp();
    void SetStatusPanel2(const QString& szoveg);
    // Panel 1 takes the variation service's text; the panels are sized by
    // their texts (while the run window exists).
    void VariacioPanelKiirasa();
    void StatuszPanelekMeretezese();
    // Subscribes the main window to the variation controller: the extension
    // mode's background.
    void VariacioVezerloBekotese();
    void FormCreate(const QString& programAllomany, const QStringList& args);
    void KavarexIni();
    void MenuEpites();
    void JatekMenuEpites();
    void InternetMenuBekotese();
    QAction* JatekMenuPont(QMenu* menu, int tag, const QString& felirat);
    QMenu* JatekAlmenu(const char* felirat, std::initializer_list<int> tagok);
    void JatekMenuJeloles();
    void AblakElhelyezes(bool elsoInditas);
    void Betumeretek();
    void KavarexIniIras();
    void AllomanyTipusokRegisztralasa();
    // The second-instance question and the wait for the earlier instance;
    // the boxes and the wait window show at text size dobozMeret. False: this
    // instance ends.
    bool MasikPeldanyKezelese(std::int32_t dobozMeret);
    void AdatbazisBetoltes();
    // The game switch's steps: the tickets go, the tickets for the current
    // game are built (each sets the game's parameters) and placed.
    void SzelvenyekLebontasaLepes();
    void SzelvenyekEpiteseLepes();
    // The number commands: the handlers live in the tickets' command object
    // (tickets/ui/szamsor_parancsok.h), registered for this window.
    void SzamsorParancsokBekotese();
    void Kilps1Click();
    void ParancssoriAllomanyBetoltese();
    void InditasiTippek();
    // What follows the start-up once the main window shows: the tips, the
    // list of a variation opened from the command line, the start-up checks.
    void InditasUtan();
    void RegiAllomanyokAthelyezese();
    // The other open windows follow the main window (WindowPosChanging).
    void WindowPosChanging();
    // Lends the backups' controller what only the main window has.
    void BackBekotese();

    QMenu* LottoMenu = nullptr;
    QToolBar* Eszkoztar = nullptr;
    QWidget* Image1 = nullptr;
    QString parancssoriAllomany_;
    NyomtatasVezerlo* nyomtatas_ = nullptr;
    QActionGroup* jatekCsoport_ = nullptr;
    QActionGroup* sorrendCsoport_ = nullptr;
    std::array<QAction*, kvx::kJatekokSzama> jatekPontok_{};
    kvx::ParancsTar* parancsok_ = nullptr;
    std::map<QString, QMenu*> menuk_;
    QLabel* panel0_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QString exe_;
    int minSzelesseg_ = 0;
    int minMagassag_ = 0;
    // Betoltes ran: from then on a rebuild loads the draws database.
    bool betoltesKesz_ = false;
    kvx::platform::FutoPeldany* peldany_ = nullptr;
    int peldanyBezarasMs_ = kvx::kPeldanyBezarasVarakozasMs;
    bool masikPeldanyMiattKilep_ = false;
    // The main window's rectangle at the last follow; unset until shown.
    std::optional<QRect> kovetesHely_;
    // A game switch's question has offered the unsaved draws for saving.
    bool huzTorlesKerdezve_ = false;
    // A restart asked for, while its close is under way or once it went through.
    std::optional<std::int32_t> ujrainditasMeret_;
    // The application font before the text size was applied; given back
    // when the main window goes.
    std::optional<QFont> alapBetu_;
    // The internet menu's commands; made with the menus by
    // InternetMenuBekotese after the draws' and the variation's sides of the
    // internet actions are wired.
    InternetParancsok* internet_ = nullptr;
};
