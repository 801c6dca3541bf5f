#include "draws/hit_class.h"

#include <bitset>

namespace kvx {

namespace {

using Halmaz = std::bitset<256>;

void Gyujt(Halmaz& h, std::span<const std::int32_t> sor, std::int32_t tol, std::int32_t db)
{
    for (std::int32_t c = tol; c < tol + db; ++c) {
        if (c < 0 || static_cast<std::size_t>(c) >= sor.size())
            continue;
        const std::int32_t v = sor[static_cast<std::size_t>(c)];
        if (v > 0 && v < 256)
            h.set(static_cast<std::size_t>(v));
    }
}

template <typename T>
SzamsorTalalat Talalatok(const GameParams& g, std::span<const std::int32_t> sor, std::span<const T> szamsor,
                         std::int32_t sorsolas, TalalatSzorzoTipus tipus)
{
    // Layout of one drawing: main numbers, then the extra-pool numbers (both
    // within HuzottFoSzamok), then the bonus numbers.
    const std::int32_t kezdet = sorsolas == 0 ? 3 : g.MasodikHuzasOszlop;
    const std::int32_t foDb = g.HuzottFoSzamok - g.PluszSzamDb;
    Halmaz fo, plusz, pot;
    Gyujt(fo, sor, kezdet, foDb);
    Gyujt(plusz, sor, kezdet + foDb, g.PluszSzamDb);
    Gyujt(pot, sor, kezdet + g.HuzottFoSzamok, g.PotSzamok);

    const bool potOsztaly = tipus == TalalatSzorzoTipus::Talalat && g.PotSzamTalalat;
    SzamsorTalalat t;
    for (const T n : szamsor) {
        const std::int32_t v = static_cast<std::int32_t>(n);
        if (v <= 0 || v >= 256)
            continue;
        const auto i = static_cast<std::size_t>(v);
        if (g.VanPluszSzam && v > g.FoSzamKeszlet) {
            if (plusz.test(i))
                ++t.Plusz;
        } else if (fo.test(i)) {
            ++t.Fo;
        } else if (potOsztaly && pot.test(i)) {
            ++t.Plusz;
        }
    }
    return t;
}

std::int32_t Szorzo(const GameParams& g, TalalatSzorzoTipus tipus)
{
    return tipus == TalalatSzorzoTipus::Talalat ? g.TalalatSzorzo : g.VariacioTalalatSzorzo;
}

}  // namespace

SzamsorTalalat SzamsorTalalatai(const GameParams& g, std::span<const std::int32_t> sor,
                                std::span<const std::uint8_t> szamsor, std::int32_t sorsolas, TalalatSzorzoTipus tipus)
{
    return Talalatok<std::uint8_t>(g, sor, szamsor, sorsolas, tipus);
}

SzamsorTalalat SzamsorTalalatai(const GameParams& g, std::span<const std::int32_t> sor,
                                std::span<const std::int32_t> szamsor, std::int32_t sorsolas, TalalatSzorzoTipus tipus)
{
    return Talalatok<std::int32_t>(g, sor, szamsor, sorsolas, tipus);
}

std::int32_t TalalatiOsztaly(const GameParams& g, std::span<const std::int32_t> sor,
                             std::span<const std::uint8_t> szamsor, std::int32_t sorsolas, TalalatSzorzoTipus tipus)
{
    const SzamsorTalalat t = SzamsorTalalatai(g, sor, szamsor, sorsolas, tipus);
    return TalalatOsztaly(t.Fo, t.Plusz, Szorzo(g, tipus));
}

std::int32_t TalalatiOsztaly(const GameParams& g, std::span<const std::int32_t> sor,
                             std::span<const std::int32_t> szamsor, std::int32_t sorsolas, TalalatSzorzoTipus tipus)
{
    const SzamsorTalalat t = SzamsorTalalatai(g, sor, szamsor, sorsolas, tipus);
    return TalalatOsztaly(t.Fo, t.Plusz, Szorzo(g, tipus));
}

}  // namespace kvx
