#pragma once
// Draw ranges: the first and last draw (or variation line) that a use takes
// into account, 1-based and inclusive, and the rules of the range dialog
// THuzSzama. The dialog window reads its two edits into HuzSzamaMezok, calls
// the rule functions below and shows the fields, texts and check box state
// they leave behind.
#include "app/game_table.h"
#include "draws/draws_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kvx {

struct HuzSzamaState {
    // Mode 1: main-ticket statistics.
    std::int32_t HuzSzamaElso = 1;
    std::int32_t HuzSzamaUtolso = 1;
    // Mode 3: draws list, its hit histogram and search.
    std::int32_t LHuzSzamaElso = 1;
    std::int32_t LHuzSzamaUtolso = 1;
    // Mode 4: lines of the variation to delete.
    std::int32_t BontSzamsorElso = 1;
    std::int32_t BontSzamsorUtolso = 1;
    // Mode 5: test lines of one hit class to add to the variation.
    std::int32_t BontBovitesSzamsorElso = 1;
    std::int32_t BontBovitesSzamsorUtolso = 1;
    // Mode 6: draws the variation is tested against.
    std::int32_t VariacioTesztSzamsorElso = 1;
    std::int32_t VariacioTesztSzamsorUtolso = 1;
    // Bonus counts of the last GetAktHuzSzama (0 main ticket, 1 draws list).
    std::array<std::int32_t, 2> AktPluszSzam{};

    std::int32_t GetHuzSzamaElso() const { return HuzSzamaElso; }
    std::int32_t GetHuzSzamaUtolso() const { return HuzSzamaUtolso; }
    void SetHuzSzamaElso(std::int32_t v) { HuzSzamaElso = v; }
    void SetHuzSzamaUtolso(std::int32_t v) { HuzSzamaUtolso = v; }
    std::int32_t GetLHuzSzamaElso() const { return LHuzSzamaElso; }
    std::int32_t GetLHuzSzamaUtolso() const { return LHuzSzamaUtolso; }
    void SetLHuzSzamaElso(std::int32_t v) { LHuzSzamaElso = v; }
    void SetLHuzSzamaUtolso(std::int32_t v) { LHuzSzamaUtolso = v; }
    std::int32_t GetBontSzamsorElso() const { return BontSzamsorElso; }
    std::int32_t GetBontSzamsorUtolso() const { return BontSzamsorUtolso; }
    void SetBontSzamsorElso(std::int32_t v) { BontSzamsorElso = v; }
    void SetBontSzamsorUtolso(std::int32_t v) { BontSzamsorUtolso = v; }
    std::int32_t GetBontBovitesSzamsorElso() const { return BontBovitesSzamsorElso; }
    std::int32_t GetBontBovitesSzamsorUtolso() const { return BontBovitesSzamsorUtolso; }
    void SetBontBovitesSzamsorElso(std::int32_t v) { BontBovitesSzamsorElso = v; }
    void SetBontBovitesSzamsorUtolso(std::int32_t v) { BontBovitesSzamsorUtolso = v; }
    std::int32_t GetVariacioTesztSzamsorElso() const { return VariacioTesztSzamsorElso; }
    std::int32_t GetVariacioTesztSzamsorUtolso() const { return VariacioTesztSzamsorUtolso; }
    void SetVariacioTesztSzamsorElso(std::int32_t v) { VariacioTesztSzamsorElso = v; }
    void SetVariacioTesztSzamsorUtolso(std::int32_t v) { VariacioTesztSzamsorUtolso = v; }
    std::int32_t GetAktPluszSzam(std::int32_t flag) const { return AktPluszSzam[flag != 0 ? 1 : 0]; }
};


// The ten draw ranges of the hit-ratio condition, kept in its own record.
struct TalalatiAranyTartomanyok {
    std::span<std::int32_t> ElsoHuzas;
    std::span<std::int32_t> UtolsoHuzas;
    bool TalArAktiv = false;
};

// Defaults after a database load: N draws, a variation of bontMatrixMeret
// lines. The hit-ratio ranges (when given) are reset to 1..N only when that
// condition is off and no variation exists.
void Ini(HuzSzamaState& s, std::int32_t N, std::int32_t bontMatrixMeret, TalalatiAranyTartomanyok* talAr = nullptr);

// Number of drawings in the main-ticket pair (flag 0) or the draws-list pair
// (flag non-zero); stores the bonus count in AktPluszSzam. Draws outside the
// table are not counted.
std::int32_t GetAktHuzSzama(HuzSzamaState& s, const DrawsState& d, const GameParams& g, std::int32_t flag);

// ---- The dialog's rules ----

// What the dialog works on besides the stored pairs.
struct HuzSzamaKornyezet {
    std::int32_t N = 0;                 // draws of the loaded database
    std::int32_t L = 0;                 // BontMatrixMeret: lines of the variation
    std::int32_t BontSzelvszam = 0;     // lines of the variation (mode 4 whole range)
    std::int32_t KivalasztottSor = 1;   // line selected in the variation list (mode 4)
    std::int32_t C = 0;                 // test lines in the chosen hit class (mode 5)
    bool OsztalyVan = false;            // the chosen hit class has an entry (mode 5)
    std::int32_t BovitmenyKezdet = 0;   // first line of the last extension; 0 = no extension (mode 4)
    std::int32_t* TalArElso = nullptr;  // hit-ratio range being edited (mode 2)
    std::int32_t* TalArUtolso = nullptr;
    std::string ListaFelirat;           // draws list caption (mode 3 heading)
    std::string EzresElvalaszto = " ";  // the locale's thousands separator
};

// The dialog's fields and texts. Edit values are nullopt while empty (or not
// a number).
struct HuzSzamaMezok {
    std::int32_t Mod = 1;
    std::optional<std::int32_t> Elso;
    std::optional<std::int32_t> Utolso;
    std::int32_t ElsoMin = 1, ElsoMax = 1;      // ElsoHuzBeUD Min and Tag
    std::int32_t UtolsoMin = 1, UtolsoMax = 1;  // UtolsoHuzBeUD Min and Tag
    std::int32_t MaxHossz = 1;                  // edit length in digits
    bool MindHuz = true;                        // MindHuzBox checked
    bool MindHuzEngedelyezett = true;           // MindHuzBox enabled
    std::int32_t MegseGombTag = -1;             // dialog result: -1 cancelled, else the mode
    std::string Fejlec, Felirat, BoxFelirat, ElsoCimke, UtolsoCimke;
    std::string ElsoTipp, UtolsoTipp;           // hints of the edits and their up-downs
    std::string Label3;                         // "Kijelölve: ..."
};

struct HuzSzamaStartEredmeny {
    bool Megjelenit = false;   // show the dialog modally
    std::string Figyelmeztetes; // warning to show instead (FigyelmeztetoUzenet)
};

// Reads an edit's text as a decimal number; empty or non-numeric gives
// nullopt, a number too large for 32 bits gives the largest value.
std::optional<std::int32_t> MezoErtek(std::string_view szoveg);

// Sets the dialog up for mode m (1..6).
HuzSzamaStartEredmeny Start(HuzSzamaState& s, const HuzSzamaKornyezet& k, std::int32_t m, HuzSzamaMezok& f);
void ElsoHuzBeExit(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f);
void UtolsoHuzBeExit(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f);
// One arrow step of the first (elso true) or last field; fel: up.
void NyilLepes(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f, bool elso, bool fel);
void ElsoHuzBeDblClick(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f);
void UtolsoHuzBeDblClick(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f);
// The range check: check box state and the count text.
void Panel2Exit(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f);
// The whole range into the fields (and, except in mode 2, into the pair).
void MindenHuzas(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f);
// Rendben: runs both exit rules and stores the fields.
void RendbenGombClick(HuzSzamaState& s, const HuzSzamaKornyezet& k, HuzSzamaMezok& f);

}  // namespace kvx
