#pragma once
// The condition tests of a run as the enumerator's per-line hook: the
// per-line test and the hit-ratio test, inlined into the enumeration loop.
#include <cstdint>

#include "variation/hit_ratio_test.h"
#include "variation/line_condition_test.h"
#include "variation/line_enumerator.h"

namespace kvx {

struct FeltetelSzuro {
    static constexpr bool vanFeltetel = true;
    static constexpr bool vanTalalatiArany = true;
    SorFeltetelTeszt* sor = nullptr;       // required when BontasBemenet::FeltetelJelzo
    TalalatiAranyTeszt* talar = nullptr;   // required when BontasBemenet::TalArAktiv

    bool feltetel(std::uint8_t* s, std::int32_t& poz) { return sor->FeltVizsgalat(s, poz); }
    bool talalatiArany(std::uint8_t* s, std::int32_t& poz) { return talar->FeltVizsgTalalatiArany(s, poz); }

    // Adds the conditions met during the run to the run's fulfilled set.
    void TeljesultBeirasa(BontasAllapot& all) const
    {
        if (sor) {
            all.TeljesultFeltetelekA |= sor->TeljesultFeltetelek.Feltetelek;
            all.TeljesultFeltetelekB |= sor->TeljesultFeltetelek.AlFeltetelek;
        }
        if (talar) {
            all.TeljesultFeltetelekA |= talar->TeljesultFeltetelek.Feltetelek;
            all.TeljesultFeltetelekB |= talar->TeljesultFeltetelek.AlFeltetelek;
        }
    }
};

}  // namespace kvx
