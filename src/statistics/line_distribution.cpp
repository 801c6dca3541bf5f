#include "statistics/line_distribution.h"

#include <algorithm>
#include <cmath>

namespace kvx {

std::vector<TartomanyValasztas> TartomanyValasztek(std::int64_t N, bool variacio)
{
    std::vector<TartomanyValasztas> v;
    for (std::int64_t L = 2; L <= N && L <= 9999; ++L)
        if (N % L == 0)
            v.push_back({L, N / L});
    if (variacio && N >= 1 && N <= 10000 && (v.empty() || v.back().L != N))
        v.push_back({N, 1});
    return v;
}

SorszamTablak SorszamEloszlasSzamitas(const SzamsorBejarasBemenet& b, const NumberingDims& d, std::int64_t N,
                                      bool variacio, StatFutas& f)
{
    SorszamTablak t;
    t.N = N;
    t.Valasztek = TartomanyValasztek(N, variacio);
    for (const TartomanyValasztas& c : t.Valasztek) {
        t.Eloszlas.emplace_back(static_cast<std::size_t>(c.L), std::array<std::int32_t, 2>{});
        t.Lepes.emplace_back(static_cast<std::size_t>(c.L), std::array<std::int32_t, 4>{});
    }
    const std::int32_t hossz = d.lineLength();
    std::vector<std::uint8_t> sor(static_cast<std::size_t>(std::max(0, hossz)));
    const auto Nd = static_cast<double>(N);
    bool elso = true;
    std::int64_t elozo = 0;
    double& minTav = t.Ertekek[0];
    double& maxTav = t.Ertekek[1];
    double& tavOsszeg = t.Ertekek[3];
    double& elojeles = t.Ertekek[4];
    SzamsorBejaras(b, f, [&](const std::vector<std::int32_t>& s, std::int32_t sorszam) {
        for (std::int32_t j = 0; j < hossz; ++j) {
            const std::int32_t x = j < static_cast<std::int32_t>(s.size()) ? s[static_cast<std::size_t>(j)] : 0;
            sor[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(std::clamp(x, 0, 255));
        }
        const std::optional<std::uint64_t> o = SzamsorSorszamaTV(sor, d);
        if (!o || *o < 1 || static_cast<std::int64_t>(*o) > N)
            return;
        const auto ord = static_cast<std::int64_t>(*o);
        for (std::size_t c = 0; c < t.Valasztek.size(); ++c) {
            auto& x = t.Eloszlas[c][static_cast<std::size_t>((ord - 1) / t.Valasztek[c].W)];
            ++x[0];
            x[1] = std::max(x[1], sorszam);
        }
        t.Ertekek[5] += static_cast<double>(ord) / Nd;
        t.Ertekek[6] = t.Sorok == 0 ? static_cast<double>(ord) : std::min(t.Ertekek[6], static_cast<double>(ord));
        t.Ertekek[7] = std::max(t.Ertekek[7], static_cast<double>(ord));
        ++t.Sorok;
        if (!elso) {
            const std::int64_t dd = ord - elozo;
            const auto ad = static_cast<double>(dd < 0 ? -dd : dd);
            elojeles += static_cast<double>(dd) / Nd;
            minTav = t.Sorok == 2 ? ad : std::min(minTav, ad);
            maxTav = std::max(maxTav, ad);
            tavOsszeg += ad / Nd;
            for (std::size_t c = 0; c < t.Valasztek.size(); ++c) {
                const std::int64_t r = std::min(TavolsagTartomanya(dd, t.Valasztek[c].W), t.Valasztek[c].L - 1);
                auto& x = t.Lepes[c][static_cast<std::size_t>(r)];
                ++x[0];
                x[1] = std::max(x[1], sorszam);
                ++x[dd < 0 ? 2 : 3];
            }
        }
        elso = false;
        elozo = ord;
    });
    if (f.StatisztikaFut.load()) {
        elojeles = std::round(elojeles * Nd);
        tavOsszeg = t.Sorok > 1 ? tavOsszeg * Nd / static_cast<double>(t.Sorok - 1) : 0.0;
    }
    return t;
}

void SorszamEloszlasTabla(const SorszamTablak& t, std::int32_t f, bool lepes, StatEredmeny& e)
{
    e.SetSortArray(0, 0);
    e.StatErtekek = t.Ertekek;
    if (t.Valasztek.empty())
        return;
    const auto c = static_cast<std::size_t>(std::clamp<std::int32_t>(f, 0, static_cast<std::int32_t>(t.Valasztek.size()) - 1));
    const auto L = static_cast<std::int32_t>(t.Valasztek[c].L);
    e.SetSortArray(L, lepes ? 5 : 3);
    for (std::int32_t r = 0; r < L; ++r) {
        TTombInt1D& s = e.SortArray[static_cast<std::size_t>(r)];
        s[0] = r + 1;
        if (lepes) {
            const auto& x = t.Lepes[c][static_cast<std::size_t>(r)];
            s[1] = x[0];
            s[2] = x[1];
            s[3] = x[2];
            s[4] = x[3];
        } else {
            const auto& x = t.Eloszlas[c][static_cast<std::size_t>(r)];
            s[1] = x[0];
            s[2] = x[1];
        }
    }
    const double R = static_cast<double>(t.Sorok);
    e.StatErtekek[2] = (lepes ? R - 1 : R) / static_cast<double>(L);
}

}  // namespace kvx
