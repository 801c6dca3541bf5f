#pragma once
// The condition tests of a run as the enumerator's per-line hook: the
// per-line test and the hit-ratio test, inlined into the enumeration loop.
#include <cstdint>
#include <memory>
#include <vector>

#include "variation/hit_ratio_check.h"
#include "variation/line_condition_check.h"
#include "variation/line_enumerator.h"

namespace kvx {

struct FeltetelSzuro {
    static constexpr bool vanFeltetel = true;
    static constexpr bool vanTalalatiArany = true;
    FeltetelSzuro() = default;
    FeltetelSzuro(SorFeltetelTeszt* s, TalalatiAranyTeszt* t) : sor(s), talar(t) {}

    SorFeltetelTeszt* sor = nullptr;       // required when BontasBemenet::FeltetelJelzo
    TalalatiAranyTeszt* talar = nullptr;   // required when BontasBemenet::TalArAktiv
    // A copy for another thread owns its tests.
    std::shared_ptr<SorFeltetelTeszt> sajatSor;
    std::shared_ptr<TalalatiAranyTeszt> sajatTalar;

    bool feltetel(std::uint8_t* s, std::int32_t& poz) { return sor->FeltVizsgalat(s, poz); }
    bool talalatiArany(std::uint8_t* s, std::int32_t& poz) { return talar->FeltVizsgTalalatiArany(s, poz); }

    // Draw mode hands every met drawing to the store in turn: one thread.
    bool parhuzamosithato() const { return !talar || !talar->HuzasMod(); }
    FeltetelSzuro masolat() const
    {
        FeltetelSzuro m;
        if (sor) {
            m.sajatSor = std::make_shared<SorFeltetelTeszt>(*sor);
            m.sor = m.sajatSor.get();
        }
        if (talar) {
            m.sajatTalar = std::make_shared<TalalatiAranyTeszt>(*talar);
            m.talar = m.sajatTalar.get();
        }
        return m;
    }
    TeljesultBitek teljesult() const
    {
        TeljesultBitek t;
        if (sor) {
            t.A |= sor->TeljesultFeltetelek.Feltetelek;
            t.B |= sor->TeljesultFeltetelek.AlFeltetelek;
        }
        if (talar) {
            t.A |= talar->TeljesultFeltetelek.Feltetelek;
            t.B |= talar->TeljesultFeltetelek.AlFeltetelek;
        }
        return t;
    }
    // Bits the copies collected.
    void teljesultHozzaad(const TeljesultBitek& t)
    {
        TFeltetelMaszk* m = sor ? &sor->TeljesultFeltetelek : talar ? &talar->TeljesultFeltetelek : nullptr;
        if (m) {
            m->Feltetelek |= t.A;
            m->AlFeltetelek |= t.B;
        }
    }
    std::vector<TiltottReszhalmazok> kizartElotagok()
    {
        return talar ? talar->KizartElotagokAtvetele() : std::vector<TiltottReszhalmazok>{};
    }

    // Adds the conditions met during the run to the run's fulfilled set.
    void TeljesultBeirasa(BontasAllapot& all) const
    {
        const TeljesultBitek t = teljesult();
        all.TeljesultFeltetelekA |= t.A;
        all.TeljesultFeltetelekB |= t.B;
    }
};

}  // namespace kvx
