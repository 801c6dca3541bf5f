#pragma once
// The variation-check ticket. Its insert and modify modes take a line for
// the variation list: the user marks the numbers of the line, and once the
// line is complete the action button reads "Beillesztés" and hands the line
// (SzamsorTomb) to the run window's editing. In its check mode the user
// marks a line (and bonus numbers) and sees how many lines of the variation
// reach each hit value; the variation list searches the lines by it.
#include <functional>

#include "common/arrays.h"
#include "tickets/ui/szelveny.h"
#include "variation/line_entry.h"

class VariacioVezerlo;

// Lets the tickets' build make the check ticket, second after the main
// ticket, on the program's variation controller, and tear it down.
void BontEllSzelvenyBekotes();

class TBontEllSzelveny : public TSzelveny {
    Q_OBJECT
public:
    TBontEllSzelveny(VariacioVezerlo& vezerlo, QWidget* foablak);

    kvx::BontEllJelolesek Jelolesek;
    // The complete line as selection indexes, ascending; empty otherwise.
    kvx::TTombByte1D SzamsorTomb;

    // 0: check, 1: a new line, 2: the selected line is modified.
    void ModBeallitas(int mod);
    // Opens the check mode; marks szamok (potSzamok as bonus marks) in one
    // batch and checks, with the caption given (when not empty).
    void EllenorzesInditas(const kvx::TTombByte1D& szamok, const kvx::TTombByte1D& potSzamok, const QString& felirat);
    // Counts the lines against the marks (check mode) and shows the result.
    void Ellenorzes();
    // Hides the ticket and clears its marks (the Kilépés button).
    void Torles();
    void SzamClick(TSzamPanel* panel);
    // With Shift+Ctrl held (or force): marks a random line of the selection.
    void VeletlenSzamsor(bool force);
    // Marks the numbers of the line being modified.
    void AktSzamsorKijeloles();
    void EllenorzesKijelzes();
    int Mod() const { return Jelolesek.Mod; }

protected:
    void Szinezes() override;

private:
    // The action button after a change of the marks.
    void GombBeallitas();
    void TorlesGombClick();
    // Opens the ticket for a line of the list (mode 1 new, 2 replace).
    void SzamsorBevitel(int mod);
    // Counts the lines against the marks for the list's search (the wait
    // window shows over a long count).
    void szamlalas();
    bool koteg_ = false;
    // The example-wheel tip was shown since the mode was set.
    bool peldaTippVolt_ = false;
    VariacioVezerlo& vezerlo_;
};
