#pragma once
// What the variation list tests share on either base (the variation's
// windows alone, or the whole main window): a generated variation and its
// stored lines read back as row strings.
#include "app/ui/program.h"
#include "variation/variation_store.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kvx::teszt {

template <class Alap>
class BontListaAlap : public Alap {
protected:
    void general()
    {
        this->tizenketSzam();
        this->futtatas();
    }

    // The stored lines, one string of row bytes each.
    static std::vector<std::string> sorok()
    {
        const VariationStore& t = variationStore();
        const std::size_t L = static_cast<std::size_t>(t.BontMatrixSorHossz);
        std::vector<std::string> r;
        for (std::int32_t i = 0; i < t.BontSzelvszam; ++i)
            r.emplace_back(reinterpret_cast<const char*>(t.sor(i)), L);
        return r;
    }
    // Puts the lines in descending order, an order a sort changes entirely.
    static std::vector<std::string> forditottSorrend()
    {
        VariationStore& t = variationStore();
        auto f = sorok();
        std::sort(f.begin(), f.end(), std::greater<>());
        for (std::size_t i = 0; i < f.size(); ++i)
            std::copy(f[i].begin(), f[i].end(), t.sor(static_cast<std::int32_t>(i)));
        return f;
    }
};

}  // namespace kvx::teszt
