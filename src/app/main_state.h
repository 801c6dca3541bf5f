#pragma once
// Flags of the main window that several subsystems read and write.

#include <cstdint>

namespace kvx {

struct MainState {
    // Set by every successful number-set or variation save or load, cleared
    // by every change of the number lists or of the variation.
    bool Mentve = false;
    // A line of the variation is being edited in the variation list: a game
    // switch and the program's close ask first.
    bool SzamsorModositas = false;
    // The program decided to end: closing asks nothing and writes nothing.
    bool Kilepes = false;
    // Another instance was running at start and the user has not yet been
    // asked whether to end it.
    bool MasikPeldanyFut = false;
    // The marking mode of the modifier keys held at the main window or the
    // draws list (0, 50 Shift, 100 Ctrl, 200 Shift+Ctrl, 300 Alt, 350
    // Shift+Alt); a command that reads it may use it up.
    std::int32_t BillentyuMod = 0;
};


}  // namespace kvx
