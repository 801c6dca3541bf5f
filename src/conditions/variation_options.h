#pragma once
// The variation options panel as one computation: from the boxes and values
// the user left on the panel, the control the user just changed, and the
// selection, it derives every stored option (error points, the Találat
// option with Tételes and Sorozat, the optimisation group), the limits of
// the edits, the enabled states and the hints. The panel shows the result
// and never derives anything itself.
//
// Every division of the Tételes limit is guarded: a line length of 0 or 1
// (a file can carry one) would divide by zero; such a state refuses the
// Találat option with a message instead.
#include <cstdint>
#include <string>
#include <vector>

#include "conditions/condition_records.h"

namespace kvx {

// The options the engine and the files read besides Hibapont and
// VariacioOpciok (which live with the condition records).
struct VariacioOpcioErtekek {
    bool TulirasBont = false;  // " Találat"
    std::int32_t Tuliras = 0;  // the number of common numbers
    bool TulirasTeteles = false;
    std::int32_t TulirasTetelesMin = 0;
    std::int32_t TulirasTetelesMax = 0;
    bool TulirasSorozat = false;
    bool GyakorisagiEloszlas = false;
    bool Optimalizalt = false;
    bool VeletlenSzamsorok = false;
    bool OptBontTeljes = false;  // ratio at its maximum and Mód off
    bool OpcioModosulas = false;
    // The Találat summary the engine window shows and the description
    // quotes (" 3 találatot elérő számsorok ").
    std::string TalalatFelirat;
};


// The panel's controls as the user left them.
struct OpcioDobozok {
    std::int32_t HibapontBe = 0;  // the error-point up-down
    bool TulirasBontBox = false;
    std::int32_t TulirasUD = 0;
    bool TulirasTetelesBox = false;
    // Texts of the two Tételes edits; an empty text stays empty.
    std::string TulirasTetelesEdit = "0";
    std::string TulirasTetelesMaxEdit = "0";
    bool TulirasSorozatBox = false;
    bool GyakorisagiEloszlasBox = false;
    bool OptimalizaltBox = false;
    bool VeletlenSzamsorokBox = false;
    bool OptBontNovelBox = false;
    bool OptBontCsokkentBox = false;
    bool OptBontFelulirasBox = false;
    bool OptBontRendezBox = false;
    bool OptBontModBox = false;
    std::int32_t OptBontModUD = 0;  // ratio 0..10
    bool operator==(const OpcioDobozok&) const = default;
};

// The control the user changed; its rule wins over the others (a box the
// user just ticked is not unticked again by an older one).
enum class OpcioForras {
    Nincs,  // a refresh: the selection or the conditions changed, or a load
    Hibapont,
    TulirasBont,
    Tuliras,
    TulirasTeteles,
    TulirasTetelesMin,
    TulirasTetelesMax,
    Novel,
    Csokkent,
    Feluliras,
    Rendez,
    Mod,
    Gyakorisagi,
    Optimalizalt,
    Veletlen,
    Sorozat,
};

// The selection and the program around the panel.
struct OpcioKornyezet {
    std::int32_t KijeloltFoSzamDb = 0;     // n
    std::int32_t VariacioFoMeret = 0;      // k
    std::int32_t VariacioMeretFelso = -1;  // numbers varied per line, minus one
    std::int32_t PluszSzamDb = 0;          // p
    std::int32_t KijeloltPluszSzamDb = 0;  // q
    bool VanPluszSzam = false;
    std::int32_t SzamsorFoSzamDb = 0;
    std::int32_t SzamsorHosszMax = 0;
    bool TalArHuzasForras = false;       // Találati arány selected with Forras = 1
    bool HuzasSzamsorVariacio = false;
    bool BontasBovites = false;          // extension mode
    std::int64_t SzamsorDb = 0;          // lines of the variation now
    bool FormLathato = false;            // the conditions window is showing
};

struct OpcioEredmeny {
    OpcioDobozok Dobozok;  // the controls after the chain: ticks, clamped values
    // Limits.
    std::int32_t HibapontMax = 0;  // of the error points and of the Találat value
    std::int64_t TetelesLimit = 0; // L: the limit of both Tételes edits
    // Enabled states.
    bool HibapontEnabled = true;
    bool TulirasEnabled = false;        // the Tételes box, the Találat edit and up-down
    bool TetelesEditsEnabled = false;
    bool NovelEnabled = false;
    bool CsokkentEnabled = false;
    bool FelulirasEnabled = false;
    bool RendezEnabled = false;
    bool ModEnabled = false;            // the Mód box, the ratio edit and up-down
    bool GyakorisagiEnabled = false;
    bool OptimalizaltEnabled = false;
    bool VeletlenEnabled = false;
    bool SorozatEnabled = false;
    // Hints.
    std::string TulirasEditTipp;
    std::string TulirasTetelesBoxTipp;
    std::string TulirasTetelesEditTipp;
    std::string TulirasTetelesMaxEditTipp;
    std::string TulirasSorozatBoxTipp;
    std::string OptBontFelulirasTipp;
    std::string BontasOpcioFelirat;  // the engine window's option label
    // Once-only tips due (numbers of UzenetekLog).
    std::vector<int> Tippek;
    // Set when the Találat option was refused (it is unticked in Dobozok).
    std::string Hiba;
};

// Runs the whole chain: stores Hibapont and VariacioOpciok in f and the
// other options in o, and returns what the panel shows.
OpcioEredmeny VariacioOpciokSzamitasa(const OpcioDobozok& be, OpcioForras forras, const OpcioKornyezet& env,
                                      FeltetelRekordok& f, VariacioOpcioErtekek& o);

// The controls with the variation options unticked (Gyakorisági eloszlás,
// Optimalizált, Véletlen számsorok, Találat, Növel, Csökkent, Felülírás,
// Rendez); the error points and the values stay. Run the chain on the result.
OpcioDobozok VariacioOpcioinakTorlese(OpcioDobozok d);
// The same on the stored options, where no panel shows them (a number set
// being loaded): every one of the eight is off afterwards, and so is what
// only works with them, as the chain would store it.
void VariacioOpcioinakTorlese(TVariacioOpciok& vo, VariacioOpcioErtekek& o);

// The hint of " Felülírás": with the box on, the lines it protects
// (" az első N számsor kivételével. ").
std::string OptBontFelulirasHint(bool feluliras, std::int32_t vedett);

// The panel's controls that show the stored options (after a load).
OpcioDobozok OpcioDobozokBetoltese(const FeltetelRekordok& f, const VariacioOpcioErtekek& o);

// S(a) of the Tételes limit: false when a divisor would be zero or negative.
bool SetTulirasTetelesTag(std::int32_t a, std::int32_t n, std::int32_t k, std::int64_t& s);

// L, the Tételes limit of the Találat value T; false when the selection
// gives a zero divisor (the option is then refused).
bool TulirasTetelesLimit(bool tulirasBont, std::int32_t t, const OpcioKornyezet& env, std::int64_t& l);

inline constexpr std::int64_t kTetelesLimitTalalatNelkul = 999999;
inline constexpr std::int64_t kTetelesLimitTalalattal = 9999;

// Text of a once-only tip of the optimisation group (33 Növel/Csökkent, 30 Mód,
// 31 Felülírás, 34 Rendez); empty for any other number.
std::string OpcioTippSzoveg(int tipp);

// The Találat summary for the value T, with the Tételes range (the texts of
// its two edits) when Tételes is on.
std::string TalalatOpcioFelirat(std::int32_t T, bool teteles, const std::string& tetelesMin,
                                const std::string& tetelesMax);

// The refusal text of a condition or option the selection makes meaningless.
inline constexpr const char* kNemErtelmezhetoFeltetel = "A kijelölt számsorral nem értelmezhető a feltétel.";

}  // namespace kvx
