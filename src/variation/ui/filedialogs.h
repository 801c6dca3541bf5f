#pragma once
// The open and save dialogs of the main window (AllomanyDialogus) and the
// number-set save and load behind them. The rules live in
// tickets/file_helpers.h and conditions/number_set_file.h; this class runs the
// dialogs, asks the questions and shows the messages.
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

#include "app/folders.h"
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/settings.h"
#include "conditions/condition_records.h"
#include "tickets/number_lists.h"
#include "conditions/number_set_file.h"
#include "conditions/variation_options.h"

class QFileDialog;
class QWidget;

// The state the dialogs work on (the program's instances by default).
struct AllomanyDialogusAllapot {
    kvx::GameParams* Jatek = nullptr;
    kvx::SzamListak* Listak = nullptr;
    kvx::FeltetelRekordok* Feltetelek = nullptr;
    kvx::Folders* Konyvtarak = nullptr;
    kvx::MainState* Foallapot = nullptr;
    kvx::Settings* Beallitasok = nullptr;
    // The options panel's values; three of them are stored with a number set.
    kvx::VariacioOpcioErtekek* VariacioOpciok = nullptr;
    std::int64_t BontMatrixMeret = 0;   // lines of the stored variation
    // The status bar's variation state ("Ready", "Stop - Edited", ...) and
    // whether the variation is a sample wheel: both go into the proposed name.
    std::string VariacioAllapot;
    bool Peldabontas = false;
    bool AdatbazisBetoltve = false;
    bool AdatbazisTipus = true;
    std::int32_t HuzasokSzama = 0;

    static AllomanyDialogusAllapot Program();
};

class TAllomanyDialogusok : public QObject {
    Q_OBJECT
public:
    enum class UzenetFajta { Hiba, Informacio, Figyelmeztetes };

    TAllomanyDialogusok(QWidget* foablak, const AllomanyDialogusAllapot& allapot);

    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    AllomanyDialogusAllapot Allapot;

    // Mode 0..3, kind "tip", "top", "pdb" or empty, ask-to-save flag.
    // True when the dialog was confirmed and its action succeeded.
    bool AllomanyDialogus(int mod, const QString& fajta, bool kerdes);

    bool SzamsorMentese(const QString& nev);
    // Reads a number set; a file of another game switches the game first.
    // A refused file leaves the ticket and the conditions as they were.
    bool SzamsorBetoltese(const QString& nev);
    bool VariacioMentese(const QString& nev);
    bool VariacioBetoltese(const QString& nev);
    // Writes the variation's lines in an export format ("csv", "txt",
    // "html" or "tmb").
    bool ExportKiiras(const QString& nev, const QString& formatum);

    // What the window around provides. The defaults work on Allapot alone
    // and show message boxes.
    std::function<void(UzenetFajta, const QString&)> Uzenet;
    std::function<bool(const QString&)> Kerdes;
    // Clears the main ticket (it may ask); the load goes on only when the
    // ticket is empty afterwards.
    std::function<void()> Mind1Click;
    // Switches the program to a game.
    std::function<void(int)> JatekValtas;
    // A loaded variation in the extension state: extension mode begins with
    // the loaded numbers' counts.
    std::function<void()> Import_log_true;
    // After a load: a stopped, paused or edited variation goes on as an
    // extension of its lines.
    std::function<void()> MegszakitatottStatus;
    // The wait window while a variation file is written or read (unset:
    // none); every VarakozasKi is followed by a VarakozasVege.
    std::function<void(const QString&)> VarakozasKi;
    std::function<void()> VarakozasVege;
    // Tip box before a dialog; returns the new value of the tip's flag.
    std::function<std::uint8_t(const QString&)> Tipp;
    // Reads the lines of a ".csv" or ".txt" file as the variation; true
    // when they were imported. The whole file is checked before the ticket
    // is cleared (Mind1Click), so a refused file changes nothing. The
    // default imports into the program's state and shows a refusal as an
    // error.
    std::function<bool(const QString&)> Import;
    // Free bytes on the drive of a folder (-1 when unknown).
    std::function<std::int64_t(const std::string&)> SzabadHely;

signals:
    // After a number set was applied: the number order and the refresh of
    // the windows.
    void betoltve(const kvx::SzamsorKep& kep);
    // After a variation was loaded (or its load declined): the list, the
    // commands and the status bar follow the store.
    void variacioValtozas();

private:
    bool megnyitas(bool kerdes);
    bool betoltes(const QString& nev, bool variacio);
    bool mentes(const QString& fajta);
    // The three options a number set stores, as the options panel holds them.
    kvx::SzamsorOpciok taroltOpciok() const;
    bool dialogusFuttatas(QFileDialog* d, int fajta, QString& nev, int& szuroIndex);
    void nevTorlese(QFileDialog* d);
    void meretBeallitas(QFileDialog* d);
    void szurokBeallitasa(QFileDialog* d, const std::string& szuro, int index);
    void tippMutatas(int index, const char* szoveg);
    QWidget* foablak_ = nullptr;
};
