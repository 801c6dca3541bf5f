#pragma once
// Message boxes of the whole program. Every routine may be called from any
// thread: on the GUI thread the box is shown directly, from a worker the box
// is handed to the GUI thread and the worker waits for the answer. Which way
// is taken depends only on the calling thread, so a box asked on the GUI
// thread while a worker runs never waits for itself.
//
// At text size 8 (MeretIndex 0) the boxes are system-style message boxes; at
// every other size the program's own dialog "msgdlg", scaled with the text
// size and centred on the main window. A box that cannot be shown (an
// exception, or a text that does not fit the screen) answers No or Cancel.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>

#include "app/messages.h"

namespace kvx {

// State of the message-box unit on the window side.
struct UzenetekAllapot {
    // The window the boxes are centred on (the main window); the active
    // window when unset.
    QPointer<QWidget> Tulajdonos;
    // Answer of the box a worker waits for; kMsgFuggoben while it is open.
    std::atomic<int> MsgEredmeny{0};
    // "Aktuális adatbázis frissítése", started when the user asks for the
    // download after SerultHuzasListaUzenet; unset until the internet actions exist.
    std::function<void()> AktualisAdatbazisFrissites;
};

UzenetekAllapot& uzenetekAllapot();

// The general box: shows the routine's box with the given text and returns
// the result code (mrOk, mrYes, mrNo, mrCancel). No gates, no sounds.
int UzenetDialogus(UzenetRutin rutin, const QString& szoveg);

void HibaUzenet(const QString& szoveg);
// The program's own question and error box (the main window's start-up and
// game switch, the file, backup and number commands, the draws database's
// load): Program::Kerdes and Program::HibaUzenet when set (tests answer
// there), otherwise the warning question and the error box.
bool ProgramKerdes(const QString& szoveg);
void ProgramHibaUzenet(const QString& szoveg);
// The start-up boxes that only inform (the missing help file, the start-up
// tips) are shown. The window tests hold them back
// (KAVAREX_NO_STARTUP_BOXES), so that start-up does not wait for an answer.
bool InditasiDobozok();
bool HibaKerdes(const QString& szoveg);
bool FigyelmeztetoKerdes(const QString& szoveg);
void FigyelmeztetoUzenet(const QString& szoveg);
// Asked only when confirmations are on (true otherwise).
bool JovahagyasKerese(const QString& szoveg);
// Always asked.
bool JovahagyasKerdes(const QString& szoveg);
// mrYes, mrNo or mrCancel.
int IgenNemMegseKerdes(const QString& szoveg);
void InformacioUzenet(const QString& szoveg);
// True: show the tip again. True at once when tips are off.
bool HasznosInformacio(const QString& szoveg);

// Canned messages.
void ErvenytelenAllomanyUzenet(const QString& allomany, const QString& szoveg, bool altalanos);
void NincsSzabadHelyUzenet();
void HianyzoHuzasListaUzenet();
void AllomanyHibaUzenet(int objektum, int muvelet);
void SerultHuzasListaUzenet();
// The notice of an unfinished variation (once until the user declines). The
// caller passes the run's state and the notice text of the status bar.
bool BefejezetlenVariacioUzenet(bool& befejezetlenVariacio, const BontasAllapotJelzok& allapot,
                                const QString& ertesites, bool kerdez, const QString& kerdes);
void UjabbVerzioAllomanyUzenet(const QString& allomanyVerzio);
void MasikJatekAllomanyUzenet(const QString& allomany, bool hiba, int lottoIndex);
void NincsInternetUzenet();
// The SHIFT tip on extra numbers; stores the answer in tip flag 9. The caller
// resets the keyboard mode afterwards (the box swallows the key release).
void PluszSzamTipp(bool tortenettel, int lottoIndex, int huzTablaSor);

}  // namespace kvx
