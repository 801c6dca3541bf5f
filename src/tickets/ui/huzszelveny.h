#pragma once
// The draws ticket: shows the numbers of a draw.
// The window is built and laid out for the current game; its own marking
// and info texts come with its later work.
#include "tickets/ui/szelveny.h"

class THuzSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit THuzSzelveny(QWidget* foablak);
};
