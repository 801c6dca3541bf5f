#pragma once
// The facts about one number line that the tickets and lists show: sum,
// spread, twins, mirror pairs, primes, neighbours, even counts, repeats.
#include <cstdint>
#include <span>
#include <string>

namespace kvx {

// Sorts the whole line (zeros, the empty positions, stay where they are and
// are not counted) and returns its info text.
// mode 4: the sum and the spread only; mode 1: from the sum to the
// neighbours; mode 5: everything but the sum and the spread; mode 2: the
// even counts and the repeats only; any other mode: everything.
std::string SegedszelvenyInfo(std::span<std::uint8_t> line, std::int32_t mode);

}  // namespace kvx
