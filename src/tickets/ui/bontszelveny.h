#pragma once
// The variation ticket: shows the numbers of a variation line.
// The window is built and laid out for the current game; its own marking
// and info texts come with its later work.
#include "tickets/ui/szelveny.h"

class TBontSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit TBontSzelveny(QWidget* foablak);
};
