#pragma once
// The draws database commands: loading the current game's database, the
// states of the commands that need a draws database, switching between the
// built-in, the alternative and private databases, and creating, saving,
// importing and filling the user's own databases with random draws; also
// "Listázás", "Keresés" and "Húzások száma" of the database menu. The
// handlers are registered in the command registry under the command table's
// ids; this object alone sets their states and hints. The subsystems above
// follow the database through its signals. Also here: the wiring of the
// draws windows among themselves.
//
// Signals: adatbazisJelenlet (the commands followed the database's presence),
// mentesekFrissitendok (the game's backups are to be looked up again),
// valtasElott (a switch of database is about to be asked for),
// huzasVariacioTorlese and talalatiAranyTorlese (the switch guard gives up
// the hit-ratio condition, with the variation built from the draws' lines),
// huzasokElhagyasa (the loaded draws are about to be left),
// talalatiAranyStatisztikaKerve (the hit-ratio statistic is to run on the new
// random draws).
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>

#include "app/main_menu.h"
#include "draws/database_file.h"

class QWidget;
class THuzBe;
class THuzLista;
class THuzSzama;
class TVelSzam;
namespace kvx {
class Program;
class ParancsTar;
}

// The draws windows the commands work with; the shell's window creation
// hands them over (HuzasokAblakokBekotese).
struct HuzasokAblakok {
    QPointer<THuzLista> HuzLista;
    QPointer<THuzBe> HuzBe;
    QPointer<THuzSzama> HuzSzama;
    // The count dialog of the random draws.
    QPointer<TVelSzam> VelSzam;
};

class AdatbazisParancsok : public QObject {
    Q_OBJECT
public:
    explicit AdatbazisParancsok(kvx::Program& program, QObject* parent = nullptr);

    // Registers the handlers of the database commands in the current command
    // registry and sets the commands by the current state. The shell calls
    // it once its registry exists.
    void ParancsokBekotese();
    // Loads the current game's database (its path in AktualisAdatbazis),
    // tells what went wrong, and sets the commands by the outcome
    // (AdatbazisJelenlet, offering the download of a missing built-in one).
    void HuzasokBetoltese();
    // How the last HuzasokBetoltese ended.
    kvx::BetoltesAllapot UtolsoBetoltes() const { return utolsoBetoltes_; }
    void Ablakok(const HuzasokAblakok& a) { ablakok_ = a; }
    const HuzasokAblakok& Ablakok() const { return ablakok_; }

    // The commands that need a draws database follow its presence; the
    // alternative-database commands follow whether the game's alternative
    // file exists.
    // betolto: the loader has just failed on the game's database; a missing
    // built-in database is then offered for download (once LetoltesAjanlhato
    // is set, not at start-up; switched off by KAVAREX_NO_DOWNLOAD_OFFER in
    // the window tests).
    void NincsAdatbazisAction(bool betolto = false);
    void VanAdatbazisAction();
    void AlternativAdatbazisAction(bool van);
    // The draws list's save command and the alternative database's "Mentés"
    // follow the unsaved-edits flag; run whenever the flag was set.
    void MentesAllapotok();
    // Van- or NincsAdatbazisAction, as the current state says.
    void AdatbazisJelenlet(bool betolto = false);
    // The start-up load is over: from now on a load that misses the built-in
    // database offers the download.
    void SetLetoltesAjanlhato(bool on) { letoltesAjanlhato_ = on; }
    // "Hiányzik: ... Letölti a húzások listáját?": Igen downloads the game's
    // built-in database ("Aktuális adatbázis frissítése"). Asks only while
    // the built-in database is the one wanted and still missing.
    void AdatbazisLetoltesAjanlat();
    // Loads the database the command of the tag stands for (kvx::AdatbazisParancs;
    // fajl: the private database of tag 5) after the switch guard.
    void Betlts1Click(int tag, const QString& fajl = QString());
    // "Új adatbázis", "Mentés", "Felülírás" and "Bővítés" (darab random draws).
    void Hzsoklistjbl1Click(int tag, int darab = 0);
    void Bvts1Click();
    void Megnyits2Click();
    // Builds a private database from the user's ".csv" or ".txt" file of
    // number lines and loads it.
    void HuzasokImportja(const QString& nev);
    void Mentsmsknt2Click();
    // Before any switch of database: false cancels it.
    bool AlternativAdatbazisBetoltesEng();
    // Before the built-in database is updated: true lets the update go on.
    bool AlternativAdatbazisFrissitesElott();
    // Loads the database of the tag without the switch guard; false when the
    // load failed (the database loaded before stays).
    bool AdatbazisValtas(int tag, const QString& fajl = QString());

    // Chooses a private database file (mentes: for saving); empty cancels.
    // The default runs the file dialog over the main window; tests answer here.
    std::function<QString(bool mentes)> PrivatAllomanyValasztas;
    // Asks how many random draws to add, 1..maximum; 0 cancels. The default
    // runs the count dialog.
    std::function<int(int maximum)> VeletlenDarab;

    // Whether the hit-ratio statistic can run on new random draws (the
    // statistics' wiring answers); unset: it cannot, and neither its tip nor
    // talalatiAranyStatisztikaKerve comes.
    std::function<bool()> TalalatiAranyStatisztikaKesz;

signals:
    // The commands followed the database: van, a database is loaded.
    void adatbazisJelenlet(bool van);
    // Before the commands follow the database: every game keeps its own
    // backups, and the restore command follows them.
    void mentesekFrissitendok();
    // A switch of database is about to be asked for: windows that show
    // results of the draws close.
    void valtasElott();
    // The switch guard gave up the hit-ratio condition: first the variation
    // built from the draws' lines goes, then the condition's selection
    // (talalatiAranyTorlese).
    void huzasVariacioTorlese();
    void talalatiAranyTorlese();
    // The loaded draws are about to be left for another database.
    void huzasokElhagyasa();
    // The hit-ratio statistic, which finds identical lines, is to run on the
    // random draws just loaded.
    void talalatiAranyStatisztikaKerve();

private:
    // The file dialog of private databases (the default of
    // PrivatAllomanyValasztas): its titles, filters and folders.
    QString PrivatDialogus(bool mentes);
    void AllapotAllitas(kvx::ParancsId nev, bool on, const QString& tipp);
    void Hiba(const QString& szoveg);
    bool kerdes(const QString& szoveg) const;
    // "Listázás", "Keresés" and "Húzások száma".
    void Listzs3Click();
    void Keress1Click();
    void Hzsokszma2Click();
    // The toolbar's button of "Kavarex adatbázis" shows only while the
    // built-in database can be gone back to, with the item's state and hint.
    void KavarexGombBekotese(kvx::ParancsTar& t);

    kvx::Program& p_;
    HuzasokAblakok ablakok_;
    bool alternativVan_ = false;
    bool letoltesAjanlhato_ = false;
    bool letoltesAjanlatVar_ = false;
    kvx::BetoltesAllapot utolsoBetoltes_ = kvx::BetoltesAllapot::NincsAllomany;
};

// Wires the draws windows to each other and to the command registry (the
// list's range dialog, its hint for the entry, its command buttons and its
// save state) and hands them to the database commands; called once by the
// shell when they all exist.
void HuzasokAblakokBekotese(const HuzasokAblakok& a);
