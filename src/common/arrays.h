#pragma once
// Dynamic array types shared by every subsystem. All are 0-based; "2D" and
// "3D" are arrays of arrays.
#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kvx {

using TTombByte1D = std::vector<std::uint8_t>;
using TTombByte2D = std::vector<TTombByte1D>;
using TTombBoolean1D = std::vector<std::uint8_t>;  // one byte per Boolean, as stored
using TTombInt1D = std::vector<std::int32_t>;
using TTombInt2D = std::vector<TTombInt1D>;
using TTombInt3D = std::vector<TTombInt2D>;
using TTombInt641D = std::vector<std::int64_t>;
using TTombInt642D = std::vector<TTombInt641D>;
using TTombInt643D = std::vector<TTombInt642D>;
using TTombDouble1D = std::vector<double>;
using TTombDouble2D = std::vector<TTombDouble1D>;
using TTombString2D = std::vector<std::vector<std::string>>;
using TVariant = std::variant<std::monostate, std::int64_t, double, std::string>;
using TTombVariant2D = std::vector<std::vector<TVariant>>;

// A set of numbers 0..103, one bit per number, 13 bytes as in the files.
struct TSzamokHalmaz {
    std::array<std::uint8_t, 13> bits{};

    bool contains(int n) const
    {
        return n >= 0 && n < 104 && (bits[static_cast<std::size_t>(n >> 3)] >> (n & 7)) & 1u;
    }
    void include(int n)
    {
        if (n >= 0 && n < 104)
            bits[static_cast<std::size_t>(n >> 3)] |= static_cast<std::uint8_t>(1u << (n & 7));
    }
    void exclude(int n)
    {
        if (n >= 0 && n < 104)
            bits[static_cast<std::size_t>(n >> 3)] &= static_cast<std::uint8_t>(~(1u << (n & 7)));
    }
    bool operator==(const TSzamokHalmaz&) const = default;
};
using TSzamokHalmazTomb1D = std::vector<TSzamokHalmaz>;

}  // namespace kvx
