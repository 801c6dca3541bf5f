#pragma once
// The per-line condition test of a generation run (FeltVizsgalat): one
// candidate line against every selected condition of the conditions window,
// in one fixed order; the first failure ends the test.
//
// Everything the test reads is copied into per-run tables when the run
// starts (Elokeszites), so the worker never looks at the records the window
// may edit and the test allocates nothing per candidate.
//
// Restart positions. A failure may name the position the enumerator advances
// next: every line it then passes over keeps positions 0 .. p unchanged and
// only the later positions differ. Each restart below is chosen so that no
// such line can pass the same condition (the counted value of the fixed
// prefix already decides it, or the free positions are too few to bring the
// count back into its range), so skipping never loses a line. The jumps of
// the Számsorok eloszlása condition skip only ordinals that fail it as well.
#include <array>
#include <cstdint>

#include "app/game_table.h"
#include "common/numbering.h"
#include "conditions/condition_records.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"

namespace kvx {

class SorFeltetelTeszt {
public:
    static constexpr int kMaxPoz = 20;
    static constexpr int kMaxIndex = 256;

    // Takes the snapshot of the records, markers and selection at run start.
    // szamsorrendMod: the number-order mode (1 = ascending) that decides the
    // move permissions of the neighbour sub-tests; bontTesztFut: the variation
    // test calls (never move the cursor, never rewrite the line).
    void Elokeszites(const FeltetelRekordok& f, const SzamJelzok& j, const SzamListak& l, const GameParams& g,
                     int szamsorrendMod, bool bontTesztFut);

    // True when the line passes every selected condition; on a failure the
    // restart position may be written to poz and, for the Számsorok
    // eloszlása jumps, the line itself rewritten.
    bool FeltVizsgalat(std::uint8_t* sor, std::int32_t& poz);

    // Fulfilled conditions: mask A (conditions) and mask B (sub-conditions);
    // only ever ORed into.
    TFeltetelMaszk TeljesultFeltetelek;

    // Derived at run start (readable for the end report and the tests).
    bool VanFeltetel = false;  // at least one condition this test checks is selected
    bool SzomszedAltLepes = false, SzomszedMobLepes = false, SzomszedFixLepes = false;
    bool FSzomszedPontosEset = false;
    bool TartomanyKivul = false, SorozatKivul = false;
    std::uint64_t ABSZ = 0;

private:
    bool hiba(std::int32_t p, std::int32_t& poz) const
    {
        if (!bontTesztFut_)
            poz = p;
        return false;
    }
    bool ugras(std::uint64_t x, std::uint8_t* sor, std::int32_t& poz) const;
    bool ismet(const std::int32_t* k, int n, const TIsmetFeltetel& r, bool ujraindit, std::int32_t& poz) const;
    // Sorted work line: by value (numbers minus the smallest selected one)
    // or by selection position.
    void rendez(const std::uint8_t* sor, bool ertekSzerint, std::int32_t* R) const;
    bool szomszedos(const std::uint8_t* sor, std::int32_t& poz);
    bool szamsorok(std::uint8_t* sor, std::int32_t& poz);
    std::uint64_t elsoTalalat(int r, std::uint64_t u) const;

    FeltetelRekordok f_;  // only the condition records are read from it
    bool sorozatSorrend_ = false;
    bool bontTesztFut_ = false;
    int F_ = 0, V_ = 0, nf_ = 0, n_ = 0;
    int legkisebb_ = 0;
    NumberingDims dims_;
    std::array<std::uint8_t, kMaxPoz> maxErtek_{};

    std::array<std::uint8_t, kMaxIndex> szam_{};
    std::array<std::uint8_t, kMaxIndex> jel_{};
    std::array<std::int16_t, kMaxIndex> tukor_{};
    std::array<std::int32_t, kMaxIndex> csoport_{}, vegzodes_{}, tizes_{}, egyes_{};
    std::array<std::uint8_t, kMaxIndex> szj0_{}, szj1_{};
};

}  // namespace kvx
