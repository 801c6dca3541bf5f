#pragma once
// The draw-entry ticket: clicking a number enters it into, or removes it
// from, the number row of the draw being entered (draws/draw_entry.h).
#include "draws/draw_entry.h"
#include "tickets/ui/szelveny.h"

class THuzBeSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit THuzBeSzelveny(QWidget* foablak);

    void SzamClick(TSzamPanel* panel);
    // Number n clicked with the modifier mode (the clipboard, the modify
    // mode and the random filling enter numbers through it too). With
    // tippek the bonus-number tips may follow.
    kvx::HuzBeKattintas SzamBevitel(int n, int mod, bool tippek = true);
    // Repaints the panels for the row being filled.
    void SorValtas() { Szinezes(); }

protected:
    void Szinezes() override;

private:
    // The bonus-number tip or history after a click that filled the bonus slots.
    void PluszSzamTippek(kvx::HuzBeKattintas k);
};
