#pragma once
// The draw-entry ticket: clicking a number enters it into, or removes it
// from, the number row of the draw being entered (draws/draw_entry.h).
#include "tickets/ui/szelveny.h"

class THuzBeSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit THuzBeSzelveny(QWidget* foablak);

    void SzamClick(TSzamPanel* panel);
    // Number n clicked with the modifier mode (the clipboard and the modify
    // mode enter numbers through it too).
    void SzamBevitel(int n, int mod);
    // Repaints the panels for the row being filled.
    void SorValtas() { Szinezes(); }

protected:
    void Szinezes() override;
};
