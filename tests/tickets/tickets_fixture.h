#pragma once
// Small helpers shared by the tickets tests: a game by its index and a
// selection written as a list of numbers.
#include <cstdint>
#include <initializer_list>

#include "app/game_table.h"
#include "common/arrays.h"

namespace kvx::teszt {

inline GameParams jatek(int index) { return kvx::JatekParameterei(index); }

inline TTombByte1D bajtok(std::initializer_list<int> v)
{
    TTombByte1D r;
    for (int n : v) r.push_back(static_cast<std::uint8_t>(n));
    return r;
}

}  // namespace kvx::teszt
