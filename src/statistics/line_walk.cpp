#include "statistics/line_walk.h"

namespace kvx {

std::vector<std::int32_t> SzamKeszletErtekei(const SzamsorBejarasBemenet& b)
{
    std::vector<std::int32_t> v;
    if (b.Adatbazis() || b.HuzasSzamsorVariacio) {
        for (std::int32_t i = 1; i <= b.Jatek.FoSzamKeszlet; ++i)
            v.push_back(i);
        return v;
    }
    const std::int32_t n = std::min<std::int32_t>(b.KijeloltFoSzamDb, static_cast<std::int32_t>(b.KijeloltSzamok.size()));
    for (std::int32_t i = 0; i < n; ++i)
        v.push_back(b.KijeloltSzamok[static_cast<std::size_t>(i)]);
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace kvx
