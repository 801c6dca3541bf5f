#pragma once
// A variation source that stops the run it feeds when a given row is read:
// a Stop that comes while the lines are being read, on whatever thread.
#include "statistics/diagram_engine.h"

namespace kvx::teszt {

class LeallitoForras : public VariacioSorForras {
public:
    LeallitoForras(const VariacioSorForras& f, StatFutas& fu, std::int32_t hol) : f_(f), fu_(fu), hol_(hol) {}
    std::int32_t SorDb() const override { return f_.SorDb(); }
    std::int32_t SorHossz() const override { return f_.SorHossz(); }
    const std::uint8_t* Sor(std::int32_t m) const override
    {
        if (m == hol_)
            fu_.StatisztikaFut.store(false);
        return f_.Sor(m);
    }

private:
    const VariacioSorForras& f_;
    StatFutas& fu_;
    std::int32_t hol_;
};

}  // namespace kvx::teszt
