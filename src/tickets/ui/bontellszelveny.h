#pragma once
// The variation-check ticket: a line checked against the variation.
// The window is built and laid out for the current game; its own marking
// and info texts come with its later work.
#include "tickets/ui/szelveny.h"

class TBontEllSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit TBontEllSzelveny(QWidget* foablak);
};
