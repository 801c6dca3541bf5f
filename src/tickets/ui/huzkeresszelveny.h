#pragma once
// The draw-search ticket: numbers searched for among the draws.
// The window is built and laid out for the current game; its own marking
// and info texts come with its later work.
#include "tickets/ui/szelveny.h"

class THuzKeresSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit THuzKeresSzelveny(QWidget* foablak);
};
