#pragma once
// The draws table of the current game, its edits and the database kind: the
// windows that show draws change them through here and refresh on the
// signals. The controller also remembers which file and game the loaded
// table came from, so that a save always goes back to that file, also while
// the program is switching to another game. What the conditions and the
// variation above hold on to in the table it asks through
// FoglaltsagLekerdezes, which the variation's controller sets.
#include <QObject>

#include "app/game_table.h"
#include "draws/database_file.h"
#include "draws/draw_editing.h"
#include "draws/draw_entry.h"
#include "draws/draw_ranges.h"
#include "draws/hit_search.h"

#include <functional>
#include <string>
#include <vector>

namespace kvx {
class Program;
}

// What holds on to the draws from above: the hit-ratio condition's ranges of
// draws (edits shorten them, a load starts them anew unless the condition or
// a variation depends on them) and the variation's lines. Empty: nothing.
struct HuzasFoglaltsag {
    // The condition's ranges (first and last draw of each) and whether the
    // condition is on (TalAr.TalArAktiv).
    kvx::TalalatiAranyTartomanyok TalAr;
    // How many of the ranges the condition uses.
    std::int32_t DbTartomany = 0;
    // The condition is on among the selected conditions: a switch of
    // database has to give it up.
    bool TalalatiAranyKijelolve = false;
    // The variation was put together from the draws' number rows.
    bool HuzasSzamsorVariacio = false;
    // The variation's lines and the rows its store holds.
    std::int32_t BontSzelvszam = 0;
    std::int32_t BontMatrixMeret = 0;
};

class HuzasokVezerlo : public QObject {
    Q_OBJECT
public:
    explicit HuzasokVezerlo(kvx::Program& program, QObject* parent = nullptr);

    // ---- The database ----

    // Loads the draws database at `utvonal` for the current game; `kerdes`
    // answers the loader's questions (Yes = true). After a load the table
    // has no selection and no undo history and the draw ranges start anew.
    kvx::BetoltesEredmeny HuzasokBetoltese(const std::string& utvonal,
                                           const std::function<bool(const std::string&)>& kerdes);
    // The table is about to go (game change): unsaved edits are offered for
    // saving, the windows showing the table close, then the table is freed.
    // kerdez: unsaved edits are offered for saving first.
    void AdatbazisLezaras(bool kerdez = true);
    // Offers to save unsaved edits (before the table is replaced or the
    // program closes).
    void HuzTorlesEng();
    // Writes the table to the file it was loaded from; on failure the user is
    // told and false is returned. A save ends the undo history.
    bool AdatbazisMentese();
    // Writes a draws table of the current game to another file (the user's
    // own databases), through AllomanyIro. False on failure: the file that
    // was there is left as it was. Nothing is told to the user.
    bool TablaIrasa(const kvx::DrawsState& d, const std::string& utvonal);
    // Writes a database image; replaced in tests to make a write fail.
    std::function<bool(const std::string&, const std::vector<std::uint8_t>&)> AllomanyIro;
    // The database kind: built-in or the user's own.
    void SetAdatbazisTipusa(bool beepitett);
    // The file the loaded table came from (empty when none is loaded).
    const std::string& BetoltottAllomany() const { return utvonal_; }
    // What holds on to the draws now (HuzasFoglaltsag); the variation's
    // controller answers, unset nothing does.
    HuzasFoglaltsag Foglaltsag() const { return FoglaltsagLekerdezes ? FoglaltsagLekerdezes() : HuzasFoglaltsag{}; }
    std::function<HuzasFoglaltsag()> FoglaltsagLekerdezes;

    // ---- Edits of the table (rows 1-based, the selection in HuzListaState) ----

    // Start an append, an insert or a modification (MuveletKod is set by the
    // caller); false when the table is full.
    bool BovitesKezdes();
    bool BeszurasKezdes();
    void ModositasKezdes();
    // Opens the draw entry for the edit started.
    void BevitelInditas();
    // The draw entry closed: accepted (HuzRekord holds the draw) or not. The
    // edit is applied and bevitelVege announces it.
    void BevitelVege(bool elfogadva);
    bool BevitelFolyamatban() const { return bevitel_; }
    // Deletes the selected draw.
    kvx::SzerkesztesEredmeny HuzasTorles();
    // Undo and redo of one step; false when there is nothing to do.
    bool Visszavonas(kvx::SzerkesztesEredmeny& e);
    bool Ujra(kvx::SzerkesztesEredmeny& e);

    // ---- The draw being entered ----

    // Empties both number rows of the entry.
    void HuzBeUj();
    // Number n entered on (or removed from) the current row with the
    // modifier mode. With tippek, a click that filled the bonus slots may
    // bring the bonus-number tip or history once the windows show the number.
    kvx::HuzBeKattintas HuzBeSzamBevitel(int n, int mod, bool tippek = true);
    // The entry goes on in row `sor` (0 or 1).
    void HuzBeSorValtas(int sor);

    // ---- Draw ranges ----

    // The range dialog was accepted in mode `mod`.
    void TartomanyokModositva(int mod);

    // ---- The search by hits ----

    // Opens the draw-search ticket; with numbers it marks them (potSzamok
    // as bonus marks) and counts at once, with the caption given.
    void KeresesInditas(const kvx::TTombByte1D& szamok = {}, const kvx::TTombByte1D& potSzamok = {},
                        const QString& felirat = {});
    // Counts the number rows of the draws-list range per hit value against
    // the marks and keeps both (keresValtozott).
    void TalalatokSzamolasa(const kvx::HuzKeresJelolesek& j);
    // The search ticket closed or lost its marks (keresTorolve).
    void KeresesTorlese();
    // The search is over (another database is loaded): the search ticket
    // closes and forgets its marks (keresVege).
    void KeresesVege();
    // The search ticket is open.
    bool KeresAktiv() const { return keresAktiv_; }
    void SetKeresAktiv(bool a) { keresAktiv_ = a; }
    const kvx::HuzKeresJelolesek& KeresJelek() const { return keresJelek_; }
    const kvx::TTombInt1D& HuzKeresTalalatok() const { return huzKeresTalalatok_; }
    // A walk over the matches of the last count within the draws-list range.
    kvx::HuzKeresLepes KeresLepes(std::int32_t min, std::int32_t max, bool minden) const;

signals:
    // The draws table changed (load, close, edit, undo).
    void valtozott();
    // A new table was loaded: the draw ranges start anew.
    void betoltve();
    // The table is about to be freed: windows that show it close.
    void lezaras();
    // The table was written to its file; nothing is left to save.
    void mentve();
    // An edit wants the draw entry.
    void bevitelKezdodik();
    // The draw entry closed and its edit was applied; talArErtesites: the
    // hit-ratio ranges were shortened (the user is told).
    void bevitelVege(bool elfogadva, bool talArErtesites);
    // The numbers of the draw being entered changed.
    void huzBeValtozott();
    // The entry moved to the other row.
    void huzBeSorValtozott();
    // The range dialog was accepted in mode `mod`.
    void tartomanyokValtoztak(int mod);
    // The draw-search ticket is to open (and mark the numbers given).
    void keresesKerve(const kvx::TTombByte1D& szamok, const kvx::TTombByte1D& potSzamok, const QString& felirat);
    // The search counted the rows anew, or ended.
    void keresValtozott();
    void keresTorolve();
    void keresVege();

private:
    kvx::Program& p_;
    // Where the loaded table came from and the game it belongs to.
    std::string utvonal_;
    kvx::GameParams jatek_;
    bool bevitel_ = false;
    bool keresAktiv_ = false;
    kvx::HuzKeresJelolesek keresJelek_;
    kvx::TTombInt1D huzKeresTalalatok_;
};
