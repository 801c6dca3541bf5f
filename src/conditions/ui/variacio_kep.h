#pragma once
// The state of the variation that the windows below it show (the conditions
// window's mode and buttons, the information window's "Diagram"). The
// variation's controller makes it; the wiring hands it to them.
#include <cstdint>

struct VariacioKep {
    std::int64_t SzamsorDb = 0;       // lines of the variation
    std::int64_t LefoglaltSorok = 0;  // rows allocated for it
    bool BontasBovites = false;       // extension mode
    bool Pause = false;
    bool Szerkesztett = false;
    bool Befejezetlen = false;
    bool Leallitott = false;  // the last run was stopped
};
