#pragma once
// The full variation of 5 of 90 selection indexes (0..89), 43,949,268 lines
// of 5 bytes in lexicographic order, as the store holds it.
#include <cstdint>
#include <vector>

namespace kvx::bench {

inline std::vector<std::uint8_t> TeljesOtosVariacio()
{
    std::vector<std::uint8_t> v;
    v.reserve(43949268ull * 5);
    std::uint8_t c[5] = {0, 1, 2, 3, 4};
    for (;;) {
        v.insert(v.end(), c, c + 5);
        int i = 4;
        while (i >= 0 && c[i] == 85 + i)
            --i;
        if (i < 0)
            return v;
        ++c[i];
        for (int j = i + 1; j < 5; ++j)
            c[j] = static_cast<std::uint8_t>(c[j - 1] + 1);
    }
}

}  // namespace kvx::bench
