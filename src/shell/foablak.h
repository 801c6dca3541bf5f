#pragma once
// The main window: start-up and shutdown, the menus built from the command
// table, the game menu, the keyboard modifier mode and the status bar.
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
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
class QTextEdit;
class QToolBar;
class TAllomanyDialogusok;
class NyomtatasVezerlo;
class SzelvenyVezerlo;
namespace kvx::platform {
class FutoPeldany;
}
namespace kvx {
class ParancsTar;
class Sugo;
}

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

    // The game menu "Játék".
    QMenu* LottoMenu = nullptr;
    QToolBar* Eszkoztar = nullptr;
    // The background shown under the toolbar while extension mode is on.
    QWidget* Image1 = nullptr;

    // Font size, scale factor and size index of the windows.
    std::int32_t BetuMeret = 8;
    double MeretSzorzo = 1.0;

    std::int32_t MeretIndex = 0;
    // The first argument as kept at start ("-r" or a ".tip"/".top" path).
    QString ParancssoriAllomany;
    // A line of the variation is being edited in the variation list.
    bool SzamsorModositas = false;

    // The open and save dialogs of the main window, made by the file
    // commands (variation/ui/allomany_parancsok.h).
    TAllomanyDialogusok* AllomanyDialogusok = nullptr;
    // The two hidden print buffers the lists are built in before printing.
    QTextEdit* ListaPuffer = nullptr;
    QTextEdit* ListaPuffer2 = nullptr;
    // The separator line of printed pages: 90 dashes.
    QString ElvalasztoVonal;
    // Printing: the print buffer, the printer and the print files.
    NyomtatasVezerlo* Nyomtatas = nullptr;
    // The pop-up item "Mi ez?" (context help) and the help service the
    // windows find through their parent, this window; both are made by the
    // help commands (app/ui/sugo_parancsok.h), whose help file check leaves
    // the service's file empty when it is missing.
    QAction* Miez1 = nullptr;
    kvx::Sugo* SugoSzolgaltatas = nullptr;

    // Hooks of the parts built elsewhere.
    std::function<void()> szelvenyekLetrehozasa;  // builds the six tickets (each runs JatekParameterek)
    std::function<void()> szelvenyekLebontasa;    // destroys the six tickets
    std::function<void()> huzasokBetoltese;       // loads AktualisAdatbazis[LottoIndex] (AdatbazisParancsok)
    std::function<void()> szamokValtozasa;        // the main ticket repaints its number lists
    // Questions and messages: the program's warning question and error box
    // (tests answer them here).
    std::function<bool(const QString&)> Kerdes;      // Yes = true
    std::function<void(const QString&)> HibaUzenet;  // error box

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

    // Status bar: panel 0 free text, 1 the variation state, 2 other parts.
    void VariacioStatuszKiirasStatusBar(const kvx::VariacioAllapot& v, bool befejezett, bool allapotSzoveg);
    QString StatusPanel(int index) const;

    // The size path of the settings' reset: restarts with size 8 + 2 * index.
    void Reset1Click(bool meretJelzo, int index);
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

private:
    // ---- Reached only from the main window itself ----
    // Puts the main ticket at the left of the main window, under its toolbar.
    void FoszelvenyElhelyezes();
    // File commands: the handlers and the open and save dialogs live in
    // the variation's file command object (variation/ui/allomany_parancsok.h);
    // here are its hooks and the game switch it asks for.
    void AllomanyParancsokBekotese();
    // The help commands: the handlers live in the ui base's command object
    // (app/ui/sugo_parancsok.h); here are its hook, the missing file's
    // message, and the help service it makes on this window.
    void SugoParancsokBekotese();
    // The toolbar's icons at the size of the text size.
    bool IkonokAtmeretezese(int meret);
    // Closes the dependent windows, clears the per-game state and, with
    // rebuild, builds the tickets for the current game and loads its draws.
    void SzelvLebont(bool rebuild);
    void FormKeyUp();
    void SetStatusPanel2(const QString& szoveg);
    // Subscribes the main window to the variation controller: the status
    // bar's variation panel and the extension mode's background.
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
    void Nvjegy1Click();
    // The number commands: the handlers live in the tickets' command object
    // (tickets/ui/szamsor_parancsok.h); here are its hooks.
    void SzamsorParancsokBekotese();
    void Kilps1Click();
    void WebCimekBeallitasa();
    void ListaPufferekLetrehozasa();
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

    QActionGroup* jatekCsoport_ = nullptr;
    QActionGroup* sorrendCsoport_ = nullptr;
    std::array<QAction*, kvx::kJatekokSzama> jatekPontok_{};
    kvx::ParancsTar* parancsok_ = nullptr;
    std::map<QString, QMenu*> menuk_;
    QLabel* panel0_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    kvx::VariacioAllapot variacioAllapot_;
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
    // InternetMenuBekotese, which sets what only the main window knows.
    InternetParancsok* internet_ = nullptr;
};
