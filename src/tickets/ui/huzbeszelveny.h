#pragma once
// The draw-entry ticket: clicking a number enters it into, or removes it
// from, the number row of the draw being entered. The entry belongs to the
// draws controller; the ticket sends its clicks there and repaints on its
// signals.
#include "tickets/ui/szelveny.h"

class HuzasokVezerlo;

class THuzBeSzelveny : public TSzelveny {
    Q_OBJECT
public:
    THuzBeSzelveny(HuzasokVezerlo& vezerlo, QWidget* foablak);

    void SzamClick(TSzamPanel* panel);

protected:
    void Szinezes() override;

private:
    HuzasokVezerlo& vezerlo_;
};
