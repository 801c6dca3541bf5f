#pragma once
// The running program's state: every unit's state in one object. main.cpp
// makes it before any window; a window test makes a fresh one in one line and
// builds only the windows it needs. The short accessors below (game(),
// szamListak(), ...) answer the Program made last, so a window reads the same
// name as the unit it comes from.
#include "app/folders.h"
#include "app/game_table.h"
#include "app/main_state.h"
#include "app/maker_info.h"
#include "app/messages.h"
#include "app/online_access.h"
#include "app/settings.h"
#include "app/shell_state.h"
#include "app/wait_jobs.h"
#include "app/workers.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class AdatbazisParancsok;
class AllomanyParancsok;
class BackVezerlo;
class HuzasokVezerlo;
class InternetVezerlo;
class PeldaVezerlo;
class SzelvenyVezerlo;
class SzamsorParancsok;
class SugoParancsok;
class TesztVezerlo;
namespace kvx {
class ParancsTar;
class TUzenetAblak;
class VariacioStatusz;
}
class VariacioVezerlo;
class VariacioParancsok;

namespace kvx {

// The states of the subsystems above the ui base. The ui base sees only the
// app core; the one file that makes these states (program_allapot.cpp) sees
// every core, and a window that touches one includes its core header.
struct DrawsState;
struct AdatbazisFajta;
struct HuzSzamaState;
struct HuzListaState;
struct HuzBeState;
struct VagolapState;
struct SzamListak;
struct SzamStatisztikaState;
struct KozosAllomanyAllapot;
struct FeltetelRekordok;
struct SzamJelzok;
struct VariacioOpcioErtekek;
struct VariationStore;
struct BontasEgyseg;
struct VariacioAllomanyAllapot;
struct StatMasolat;
struct ProgramAllapot;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The Program made last and still alive.
    static Program& aktualis();

    // Application shell and game model.
    GameParams Jatek;
    Settings Beallitasok;
    Folders Konyvtarak;
    MainState Fo;
    UzenetBeallitasok Uzenetek;
    GyartoCimek Gyarto;
    UzenetAblakAllapot UzenetAblak;
    // The wait window, for the windows below the shell that show it around
    // a long step of their own; set where the shell creates it.
    QPointer<kvx::TUzenetAblak> VarakozoAblak;
    // The command registry: every menu command's action, found by name; made
    // by the shell with its menus.
    QPointer<kvx::ParancsTar> Parancsok;
    OnlineAllapot Online;
    // The answers to the program's own questions and error boxes
    // (ProgramKerdes and ProgramHibaUzenet, app/ui/uzenetek.h); unset: the
    // warning question and the error box. Tests answer here.
    std::function<bool(const QString&)> Kerdes;
    std::function<void(const QString&)> HibaUzenet;
private:
    // Made first by the constructor and gone last but one (before the
    // workers' register): the members below refer into it.
    struct AllapotTorlo {
        void operator()(ProgramAllapot* a) const;
    };
    std::unique_ptr<ProgramAllapot, AllapotTorlo> allapot_;

public:
    // Draws database.
    DrawsState& Huzasok;
    AdatbazisFajta& Adatbazis;
    HuzSzamaState& HuzSzama;
    HuzListaState& HuzLista;
    HuzBeState& HuzBe;
    VagolapState& Vagolap;
    // Tickets and saved files.
    SzamListak& Szamok;
    SzamStatisztikaState& SzamStatisztika;
    KozosAllomanyAllapot& KozosAllomany;
    // Conditions.
    FeltetelRekordok& Feltetelek;
    SzamJelzok& SzamJelzok_;
    VariacioOpcioErtekek& VariacioOpciok;
    // Variation engine.
    VariationStore& Tar;
    BontasEgyseg& Bontas;
    VariacioAllomanyAllapot& VariacioAllomany;
    // Statistics: the cached result of every statistic.
    StatMasolat& Statisztika;
    // The controllers: every change of shared state that more than one window
    // shows goes through one of them, and they announce it with signals. A
    // subsystem's controller belongs to its window library, which defines its
    // accessor: the first call makes it (after the controllers it works
    // with), and the program keeps it until it ends. The shell makes them
    // all before its first window.
    VariacioVezerlo& Variacio();
    HuzasokVezerlo& HuzasokV();
    SzelvenyVezerlo& Szelveny();
    TesztVezerlo& Teszt();
    // The variation's menu commands (after the variation's controller).
    VariacioParancsok& VariacioParancsai();
    // The main ticket's number commands (after the tickets' and the draws'
    // controllers).
    SzamsorParancsok& SzamsorParancsai();
    // The help commands and the main window's help service.
    SugoParancsok& SugoParancsai();
    // The file commands and the main window's open and save dialogs (after
    // the number commands and the variation's commands).
    AllomanyParancsok& AllomanyParancsai();
    BackVezerlo& Back();
    PeldaVezerlo& Pelda();
    // The draws database commands (after the draws' controller).
    AdatbazisParancsok& AdatbazisParancsai();
    InternetVezerlo& InternetV() { return *internet_; }
    // The status bar's variation panel (app/ui/variacio_statusz.h).
    VariacioStatusz& VariacioStatusza() { return *variacioStatusz_; }

    // Last, so that it is destroyed first: every worker is stopped and joined
    // before the state it works on goes away.
    SzalNyilvantartas Szalak;

private:
    // Keeps a controller made by its accessor; they go in the reverse order
    // of their making.
    template <typename T>
    T* Megtart(std::unique_ptr<T> vezerlo)
    {
        T* p = vezerlo.get();
        vezerlok_.emplace_back(std::move(vezerlo));
        return p;
    }

    void Bejegyzes();

    Program* elozo_ = nullptr;
    VariacioVezerlo* variacio_ = nullptr;
    HuzasokVezerlo* huzasok_ = nullptr;
    SzelvenyVezerlo* szelveny_ = nullptr;
    TesztVezerlo* teszt_ = nullptr;
    VariacioParancsok* variacioParancsok_ = nullptr;
    BackVezerlo* back_ = nullptr;
    PeldaVezerlo* pelda_ = nullptr;
    AdatbazisParancsok* adatbazisParancsok_ = nullptr;
    SzamsorParancsok* szamsorParancsok_ = nullptr;
    SugoParancsok* sugoParancsok_ = nullptr;
    AllomanyParancsok* allomanyParancsok_ = nullptr;
    std::vector<std::unique_ptr<QObject>> vezerlok_;
    std::unique_ptr<InternetVezerlo> internet_;
    std::unique_ptr<VariacioStatusz> variacioStatusz_;
};

inline GameParams& game() { return Program::aktualis().Jatek; }
inline Settings& settings() { return Program::aktualis().Beallitasok; }
inline Folders& folders() { return Program::aktualis().Konyvtarak; }
inline MainState& mainState() { return Program::aktualis().Fo; }
inline UzenetBeallitasok& uzenetBeallitasok() { return Program::aktualis().Uzenetek; }
inline GyartoCimek& gyartoCimek() { return Program::aktualis().Gyarto; }
inline UzenetAblakAllapot& uzenetAblakAllapot() { return Program::aktualis().UzenetAblak; }
inline DrawsState& draws() { return Program::aktualis().Huzasok; }
inline AdatbazisFajta& adatbazisFajta() { return Program::aktualis().Adatbazis; }
inline HuzSzamaState& huzSzama() { return Program::aktualis().HuzSzama; }
inline HuzListaState& huzLista() { return Program::aktualis().HuzLista; }
inline HuzBeState& huzBe() { return Program::aktualis().HuzBe; }
inline VagolapState& vagolap() { return Program::aktualis().Vagolap; }
inline SzamListak& szamListak() { return Program::aktualis().Szamok; }
inline SzamStatisztikaState& szamStatisztika() { return Program::aktualis().SzamStatisztika; }
inline KozosAllomanyAllapot& kozosAllomany() { return Program::aktualis().KozosAllomany; }
inline FeltetelRekordok& feltetelRekordok() { return Program::aktualis().Feltetelek; }
inline SzamJelzok& szamJelzok() { return Program::aktualis().SzamJelzok_; }
inline VariacioOpcioErtekek& variacioOpcioErtekek() { return Program::aktualis().VariacioOpciok; }
inline VariationStore& variationStore() { return Program::aktualis().Tar; }
inline BontasEgyseg& bontasEgyseg() { return Program::aktualis().Bontas; }
inline VariacioAllomanyAllapot& variacioAllomany() { return Program::aktualis().VariacioAllomany; }
inline StatMasolat& statMasolat() { return Program::aktualis().Statisztika; }
inline SzalNyilvantartas& szalak() { return Program::aktualis().Szalak; }

}  // namespace kvx
