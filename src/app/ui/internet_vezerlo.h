#pragma once
// The internet actions and the online-access table. The controller owns the
// table in use, starts every internet action (the menu items and the about
// box's links) and runs the ones that download on a worker while the
// connection window shows; windows follow its signals. Web addresses are
// built from the maker's host of the configuration, so tests point them at
// a local server. What the draws, the tickets and the variation above it
// hold (the variation's lines, a selection, a downloaded database read as
// the game's, the operator's result file merged) their wiring answers
// through the hooks H (draws/ui/internet_huzasok.h,
// variation/ui/internet_variacio.h).
#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/online_access.h"
#include "platform/web_access.h"

// The operator's result file of "Naprakész adatbázis", downloaded (and
// unpacked) into the download folder.
struct NaprakeszAllomany {
    QString Utvonal;       // the result file
    QString Nev;           // its name, as the parser and the messages give it
    QString Hianyzik;      // the message of a missing file, its name follows
    int Ev = 0, Ho = 0, Nap = 0;  // today
    bool KenoHU = false;   // read by the Hungarian operator's (Keno) parser
};

// What becomes of a game's database downloaded from the maker's site.
enum class LetoltottAdatbazisDontes {
    Csere,      // it replaces the one in use
    Megtartva,  // it holds fewer draws and the user kept the one in use
    Elutasitva, // it is no database of the game, or the one in use cannot be read (told)
};

class InternetVezerlo : public QObject {
    Q_OBJECT
public:
    explicit InternetVezerlo(QObject* parent = nullptr);

    // What the subsystems above the ui base answer; their wiring sets it.
    // Those marked "worker" run on the action's worker: they read and write
    // files and show their boxes (which hand themselves to the GUI thread),
    // and touch no window and no controller.
    struct Horgok {
        // Lines of the variation (0: none).
        std::function<std::int64_t()> VariacioSorok;
        // The main ticket holds selected numbers.
        std::function<bool()> VanKijeloles;
        // Extension mode is on: the version check waits for its end (worker).
        std::function<bool()> Bovites;
        // Writes the variation, back in the order its lines were made, as
        // the operator's upload file (csv) behind the wait window; false with
        // the reason in hiba.
        std::function<bool(const std::string& allomany, std::string& hiba)> VariacioFeltoltes;
        // Before the built-in database is updated: false stops the action
        // (unset: it goes on).
        std::function<bool()> FrissitesElott;
        // Reads a database downloaded for game jatek (forras: its address)
        // as the game's database against the one in use (aktualis); asks
        // before one with fewer draws replaces it (worker).
        std::function<LetoltottAdatbazisDontes(std::span<const std::uint8_t> adat, int jatek, const QString& aktualis,
                                                const QUrl& forras)>
            LetoltottAdatbazis;
        // Merges the operator's result file into the current game's
        // database, which is replaced only when the file brought draws;
        // true then. Tells what went wrong (worker).
        std::function<bool(const NaprakeszAllomany&)> NaprakeszFrissites;
    };
    Horgok H;
    // The variation holds lines; the main ticket holds selected numbers
    // (false without their hooks).
    bool VanVariacio() const;
    bool VanKijeloles() const;
    // The internet items are to follow a change (of the variation).
    void MenuFrissitesKerese() { emit menuFrissitesKerve(); }

    // ---- The table ----
    // Loads path; a bad file is reported ("Érvénytelen állomány: Online.odb"
    // ...) and the table in memory stays. Announces the change.
    bool OnlineEleresBetoltes(const QString& path);
    // Writes the table in use to path (temporary file, then rename).
    bool OnlineEleresMentes(const QString& path);
    // The menu items of the current game.
    kvx::OnlineMenuAllapot MenuAllapot() const;

    // ---- The web routines; callable from any thread ----
    // The connection probe for an address about to be fetched or opened:
    // its own host answers (the maker's probe address for the maker's
    // site). True for an address that is no web address (its fetch refuses
    // it); false once the action is stopped.
    bool InternetElerheto(const QUrl& cim) const;
    // The message of a failed probe: for the maker's site that the site
    // cannot be reached, otherwise "Nincs internetkapcsolat."; none for a
    // stopped action.
    void NincsKapcsolatUzenet(const QUrl& cim) const;
    // The probe on the GUI thread: the connection window shows while it
    // waits, and its Escape or close box gives it up (false).
    bool ProbaAblakkal(const QUrl& cim);
    // Reads the maker's serial text ("online.txt"): true when it is a valid
    // serial; then UjEleresElerheto tells whether it is above the table's.
    bool VersionDownloadURL_NOCache(const QUrl& cim);
    // Downloads cim into cel; reports failures itself (the no-internet
    // message only with nincsInternetUzenet). The status text goes to the
    // connection window when not empty.
    bool GetInetFile(const QUrl& cim, const QString& cel, bool nincsInternetUzenet, const QString& statuszSzoveg);
    // Unpacks an archive of the expected member names into the folder;
    // the archive is removed afterwards in every case.
    bool Kicsomagolas(const QString& archive, const QString& konyvtar, const std::vector<std::string>& nevek,
                      std::vector<std::string>* kibontott = nullptr);
    // Reads the maker's version file ("kvxversion.txt"): true when it holds
    // four digits, kept in UjVerzioSzam and UjVerzioSzoveg.
    bool VerzioOlvasas();

    // An address on the maker's host.
    QUrl GyartoCim(const QString& ut) const;

    // ---- The actions ----
    // The handler of every internet menu item and link.
    void InternetMegszStart(kvx::InternetMuvelet muvelet);
    // True for the actions that are built; the others stay disabled.
    static bool MuveletKesz(kvx::InternetMuvelet muvelet);
    // "Új verzió keresése": a check is due, then it runs (on the worker).
    void UjVerzioKeresese();
    // The version check when one is due: tells whether a newer version
    // appeared and offers its download page. Nothing downloaded is ever
    // started: the program is a portable copy, so only the page opens.
    // Messages of a failed or needless check only when interaktiv. A due
    // refresh of the table follows. Runs on the worker.
    bool UjVerzio(bool interaktiv);
    // The start-up check on a worker of its own, without a window: a newer
    // version is announced, otherwise the table is refreshed silently when
    // due. VerzioKeresesVege is false while it runs.
    void UjVerzioMegszakitas();
    // "Naprakész adatbázis": the current game's draws from its operator's
    // result file. The database is replaced only when the update succeeded
    // whole. Runs on the worker.
    bool NaprakeszAdatbazisletoltes();
    // "Elérések frissítése": a refresh is due, then it runs.
    void EleresekFrissitese();
    // Refreshes the table from the web when a refresh is due; runs on the
    // worker. Messages only when interaktiv.
    bool UjValtozat(bool interaktiv);
    // One game's built-in database from the maker's site into DatKonyvtar
    // (osszes: part of the every-game update, whose loop goes on after a
    // declined replacement). Runs on the worker.
    bool Adatbzis_letoltes(bool osszes, int jatek);
    // An action's worker (or its probe) runs.
    bool Fut() const { return fut_; }
    // Stops the running action: its download ends at once, the target and
    // the database stay as they were, and the rest of a batch is left out.
    // Any thread.
    void Leallitas();
    bool Leallitva() const { return leallitas_.load(); }

    // Opens an address in the desktop's browser or mail program; the
    // default is QDesktopServices::openUrl.
    std::function<bool(const QUrl&)> UrlMegnyitas;
    // Time and size limits of every request.
    kvx::platform::WebKorlatok Korlatok;
    // The probe's time limit.
    int ProbaMs = 8000;
    // Replaces the connection probe when set (tests answer it themselves);
    // it receives the probe address.
    std::function<bool(const QUrl& proba)> Proba;
    // Days the draws database had not been updated, found at start; the
    // every-game update names them in its question.
    int AdatbazisKora = 0;

signals:
    // The table in use changed: menus and the about box follow.
    void onlineValtozott();
    // Something the internet items show changed.
    void menuFrissitesKerve();
    // The connection window: show, set the status line, hide.
    void ablakNyitas();
    void statusz(const QString& szoveg);
    void ablakZaras();
    // An action with the window started or ended (the internet items are
    // switched off meanwhile).
    void futasValtozott(bool fut);
    // A database update ended and the game's file exists: the draws are
    // loaded again and listed.
    void adatbazisFrissult();
    // A newer version of the program appeared (its dotted version text):
    // the notification button shows.
    void ujVerzioLetoltheto(const QString& verzio);

private:
    // Opens an address after checking its scheme; false when refused.
    bool cimMegnyitas(const std::string& cim, bool level);
    // Runs the job on a worker and waits (keeping the GUI alive) until it ended.
    void munkaFuttatasa(const std::function<void()>& munka);
    // The notification of a newer version, on the GUI thread.
    void UjVerzioLetoltheto();
    // A minimised program window comes back while an action starts and when
    // it ends (its boxes and the connection window must be seen); GUI thread.
    static void AlkalmazasVisszaallitas();
    // The connection window's status line, from any thread.
    void statuszKi(const QString& szoveg);
    bool fut_ = false;
    std::atomic<bool> leallitas_{false};
};
