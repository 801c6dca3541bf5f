#pragma once
// The draw-entry ticket: numbers of a draw being entered.
// The window is built and laid out for the current game; its own marking
// and info texts come with its later work.
#include "tickets/ui/szelveny.h"

class THuzBeSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit THuzBeSzelveny(QWidget* foablak);
};
