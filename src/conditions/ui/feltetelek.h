#pragma once
// The conditions window: the eight condition tabs, the variation options
// panel and the buttons. The condition records are the model: every handler
// writes the control's value into the record, lets core bring the record
// within its limits, and shows the record again. Loading is the same: the
// records are normalised and shown, no handler chain is replayed.
#include <QDialog>

#include "conditions/ui/variacio_kep.h"
#include <QSpinBox>

#include <cstdint>
#include <functional>

#include "app/game_table.h"
#include "conditions/condition_records.h"
#include "conditions/distribution_conditions.h"
#include "conditions/markers.h"
#include "conditions/variation_options.h"
#include "tickets/number_lists.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class TTalalatiAranyLap;
class TMathLap;
class TSpecLap;
namespace kvx {
struct DrawsState;
struct Settings;
}
class TTetelFul;
class TEsemenyekLap;
class TSzamkeszletPanel;

// A read-only value edit with its up-down: the value changes through the
// arrows or by a double click, never by typing.
class TErtekEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TErtekEdit(QWidget* parent = nullptr);
signals:
    void duplaKattintas();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

// The state of the variation the window looks at.
using FeltetelekVariacio = VariacioKep;

// What the window works on (the program's instances by default).
struct FeltetelekAllapot {
    kvx::GameParams* Jatek = nullptr;
    kvx::SzamListak* Listak = nullptr;
    kvx::FeltetelRekordok* Feltetelek = nullptr;
    kvx::VariacioOpcioErtekek* Opciok = nullptr;
    kvx::SzamJelzok* Jelzok = nullptr;
    kvx::MainState* Foallapot = nullptr;
    const std::int32_t* SzamsorrendMod = nullptr;  // the number-order mode
    const kvx::DrawsState* Huzasok = nullptr;       // the draws table (none: no database)
    // The text size and the tips (none: no oversize warning).
    kvx::Settings* Beallitasok = nullptr;

    static FeltetelekAllapot Program();
};

class TFeltetelek : public QDialog {
    Q_OBJECT
public:
    explicit TFeltetelek(QWidget* parent = nullptr, const FeltetelekAllapot& allapot = FeltetelekAllapot::Program());

    FeltetelekAllapot Allapot;

    // Hooks of the parts around the window.
    enum class UzenetFajta { Informacio, Figyelmeztetes };
    std::function<void(UzenetFajta, const QString&)> Uzenet;  // default: the program's message boxes
    std::function<bool(const QString&)> Kerdes;               // default: JovahagyasKerese
    // The variation's state (unset: no variation). The wiring hands the
    // variation controller's here; tests put a state of their own.
    std::function<FeltetelekVariacio()> Variacio;
    // What the window asks of the variation controller, set by the wiring;
    // unset, there is no variation: no run goes, unsaved lines are not
    // given up, nothing is deleted.
    std::function<bool()> VariacioFut;        // a run is going
    std::function<bool()> VariacioTorlesEng;  // may the unsaved lines go (asks)
    std::function<void()> VariacioTorles;     // deletes the variation

    // Frame.
    QTabWidget* FeltetelekPC = nullptr;
    QWidget *EloszlasTS = nullptr, *SzamcsoportTS = nullptr, *TalaranyTS = nullptr, *SzamvegzodesTS = nullptr,
            *EsemenyekTS = nullptr, *SzamjegyTS = nullptr, *MathTS = nullptr, *SpecTS = nullptr;
    QFrame* Panel8 = nullptr;   // variation options
    QFrame* Panel15 = nullptr;  // buttons
    QPushButton *BontasGomb = nullptr, *KilepesGomb = nullptr, *TorlesGomb = nullptr, *EllenorzesGomb = nullptr;

    // Distribution tab.
    QFrame *Panel1 = nullptr, *Panel19 = nullptr, *Panel12 = nullptr, *Panel11 = nullptr, *Panel16 = nullptr;
    QCheckBox *FavAllapotBox = nullptr, *AllandoAllapotBox = nullptr, *MobAllapotBox = nullptr,
              *FixAllapotBox = nullptr, *SzamcsoportAllapotBox = nullptr;
    TErtekEdit *FavSzamaiEdit = nullptr, *FavSzamaiMaxEdit = nullptr, *FavTalalatEdit = nullptr,
               *FavTalalatMaxEdit = nullptr;
    TErtekEdit *AllandoTalalatEdit = nullptr, *AllandoTalalatMaxEdit = nullptr;
    TErtekEdit *MobSzamaiEdit = nullptr, *MobTalalatMaxEdit = nullptr, *FixSzamaiEdit = nullptr,
               *FixTalalatMaxEdit = nullptr;
    TErtekEdit *DbSzamcsoportEdit = nullptr, *AktSzamcsoportEdit = nullptr, *AktSzamcsoportElsoEdit = nullptr,
               *AktSzamcsoportUtolsoEdit = nullptr, *AktSzamcsoportMinEdit = nullptr,
               *AktSzamcsoportMaxEdit = nullptr;
    QPushButton* SzamcsoportokMindenGomb = nullptr;
    QLabel *Label2 = nullptr, *SzamcsoportMinLabel = nullptr, *Panel1IL = nullptr, *Panel3IL = nullptr;

    // The hit-ratio, math and Spec tabs, each with its controls and handlers.
    TTalalatiAranyLap* TalArLap = nullptr;
    TMathLap* MathLap = nullptr;
    TSpecLap* SpecLap = nullptr;
    // The item tabs, the events tab and the number pools of the
    // distribution tab (each in its own file).
    TTetelFul *SzamcsoportLap = nullptr, *SzamvegzodesLap = nullptr, *SzamjegyLap = nullptr;
    TEsemenyekLap* EsemenyekLap = nullptr;
    TSzamkeszletPanel* SzamkeszletPanel = nullptr;
    // What the tabs call after a change, to show a message, to ask.
    void LapValtozas() { feltetelValtozott(); }
    void LapUzenet(UzenetFajta f, const QString& s) { uzenet(f, s); }
    bool LapKerdes(const QString& s);

    // Variation options.
    QSpinBox *HibapontBeEdit = nullptr, *TulirasEdit = nullptr, *TulirasTetelesEdit = nullptr,
             *TulirasTetelesMaxEdit = nullptr, *OptBontModEdit = nullptr;
    QCheckBox *TulirasBontBox = nullptr, *TulirasTetelesBox = nullptr, *TulirasSorozatBox = nullptr,
              *GyakorisagiEloszlasBox = nullptr, *OptimalizaltBox = nullptr, *VeletlenSzamsorokBox = nullptr,
              *OptBontNovelBox = nullptr, *OptBontCsokkentBox = nullptr, *OptBontFelulirasBox = nullptr,
              *OptBontRendezBox = nullptr, *OptBontModBox = nullptr;
    // The engine window's option label text, kept for it.
    QString BontasOpcioFelirat;

    // Frame and modes.
    void FeltetelekPosition();
    void FeltetelStart();
    void SetFeltetelekKijelzes();
    // The hint of the main window's Start: the button says what a run to be
    // finished would do in the same words.
    void StartTipp(const QString& tipp) { startTipp_ = tipp; }
    bool Listazas() const;  // the variation holds lines and is not being extended
    void CBAction(QCheckBox* box, QFrame* panel, bool engedelyez);
    void NemErtFelt(QCheckBox* box);
    // The user removed a condition: what was worked out with it (the test
    // of the lines) goes, and a visible information window refreshes.
    void InfoListaKezeles();
    void FeltetelekPCChange();
    // Fits the window to the needed client height `h`: above the screen's
    // limit the window is held at the limit and its page scrolls (by the
    // bar and the wheel) above the button panel, which stays at the bottom.
    void SetScroll(int h);
    // The key filter of the window (the main window passes it its keys): a
    // key pressed with Shift, Alt or Ctrl is swallowed (true); moving the
    // focus backwards still works.
    static bool FormKeyDown(int key, Qt::KeyboardModifiers mods);
    // Double clicks on the Tételes edits: the minimum takes the maximum when
    // that is larger, else its lowest value; the maximum takes the limit
    // when below it, else the minimum.
    void TulirasTetelesEditDblClick();
    void TulirasTetelesMaxEditDblClick();

    // Loading and flags.
    void BeolvFeltKijelolese();
    void SetFeltetelJelzo(bool value);
    // The hit-ratio condition compares lines with the draws: without a draws
    // database its check box and panel are off (their own states come back
    // with the database).
    void TalalatiAranyElerheto(bool adatbazis);
    void EllenorzesGombBeallitas();
    void SetDbFeltetel(const kvx::TFeltetelMaszk& kijeloltFeltetelek);

    // The conditions command: a variation left unfinished is told first
    // (megnyitasElott), the advice on fixed numbers is given once after
    // they were marked, then the window opens.
    void FeltetelekParancs();
    // The button of the window's mode: a run is asked for (Kijelölés) or the
    // variation's deletion (Listázás).
    void VariacioBontasKerese();
    void KilepesGombClick();
    // "Törlés": the conditions go (with the lines made for them, after the
    // question), and the window opens again for them to be set anew.
    void FeltetelekTorlese();
    // "Ellenőrzés": the consistency check of the conditions, with its report.
    void FeltetelekEllenorzese();
    void FeltetelekEllenorzeseShow(int lap);

    // The options chain; HibapontBeEditChange is also called when the
    // selection changes.
    void HibapontBeEditChange();
    void OpcioValtozas(kvx::OpcioForras forras);
    // The panel shows the stored options (after a load or at creation).
    void OpcioBetoltes();
    // The hint of " Felülírás" from the protected line count now stored
    // (the list window moves the boundary).
    void OptBontFelulirasHint();
    // Unticks the variation options (a game change, an import).
    void VariacioOpcioinakTorlese();
    void OptBontModEditDblClick();

    // Distribution tab handlers.
    void FavAllapotBoxClick();
    void FavValtozas(kvx::FavMezo mezo);
    void FavSzamaiEditDblClick();
    void FavSzamaiMaxEditDblClick();
    void AllandoAllapotBoxClick();
    void AllandoValtozas(kvx::MinMaxMezo mezo);
    void MobAllapotBoxClick();
    void MobAllapotBoxEnter();
    void MobValtozas();
    void MobSzamaiEditDblClick();
    void FixAllapotBoxClick();
    void FixAllapotBoxEnter();
    void FixValtozas();
    void FixSzamaiEditDblClick();
    void SzamcsoportAllapotBoxClick();
    void SzamcsoportValtozas(kvx::SzamcsoportMezo mezo);
    void AktSzamcsoportElsoEditDblClick();
    void AktSzamcsoportUtolsoEditDblClick();
    void SzamcsoportokMindenGombClick();

signals:
    // A condition or option changed: a visible information window refreshes.
    // The hit-ratio tab's "Húzások száma": the draw-range dialog edits the
    // given pair (its mode 2); the tab refreshes when the call returns.
    void huzasTartomanyKerve(std::int32_t* elso, std::int32_t* utolso);
    void feltetelekValtoztak();
    // The button in Kijelölés mode: a run is to start (disabled while nobody
    // listens); in Listázás mode: the variation is to be deleted.
    void variacioKeszitesKerve();
    void variacioTorlesKerve();
    // The conditions command follows the mode: caption, hint.
    void menuPont(const QString& felirat, const QString& tipp);
    // "Törlés" cleared the conditions: the window opens again through the
    // conditions command, for them to be set anew, and the draw-range
    // dialog goes back to the hit-ratio condition's whole range.
    void torolve();
    // "Törlés" has done all of the above: an extension's lines may be shown.
    void torlesVege();
    // A condition was removed (InfoListaKezeles).
    void feltetelKiveve();
    // The main window's "Törlés" and "Ellenőrzés" conditions items follow
    // the window's buttons: enabled states and hints.
    void feltetelParancsok(bool torles, const QString& torlesTipp, bool ellenorzes, const QString& ellenorzesTipp);
    // The conditions command is about to open the window: a stopped, paused
    // or unfinished variation becomes an extension before the window reads
    // its state.
    void megnyitasElott();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    friend class TTalalatiAranyLap;
    friend class TMathLap;
    friend class TSpecLap;
    void FormCreate();
    void FormShow();
    void EloszlasLapEpites();
    void OpcioPanelEpites();
    kvx::EloszlasKornyezet eloszlasKornyezet() const;
    kvx::OpcioKornyezet opcioKornyezet() const;
    kvx::OpcioDobozok opcioDobozok() const;
    void opcioMegjelenites(const kvx::OpcioEredmeny& r);
    void feltetelValtozott();
    void jelzokFrissitese();
    void uzenet(UzenetFajta f, const QString& s);
    // Shows a normalised record; false when the selection refused it.
    bool favMegjelenites();
    bool allandoMegjelenites();
    bool mobMegjelenites();
    bool fixMegjelenites();
    bool szamcsoportMegjelenites();
    FeltetelekVariacio variacio() const;

    // The check boxes CBAction has seen; unticking one by hand removes its
    // condition (InfoListaKezeles).
    QList<QCheckBox*> feltetelDobozok_;
    QString startTipp_;
    std::int32_t aktSzamcsoport_ = 1;
    bool betoltes_ = false;  // records are being shown: no change handler writes
};
