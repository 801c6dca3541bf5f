#include "conditions/line_range_conditions.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "common/delphi_format.h"
#include "common/numbering.h"

namespace kvx {

const char* const kSzamsorokJelzoTipp = " Számsorok/tartományok sorszáma: a variáció indexei alapján  ";

namespace {

constexpr std::uint64_t kListaHatar = 999999999;  // largest cofactor offered
constexpr std::size_t kOsztoMax = 1000;
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::size_t ix(std::int32_t i)
{
    return static_cast<std::size_t>(i);
}

// Every divisor of x, ascending, from its prime factors.
std::vector<std::uint64_t> osztok(std::uint64_t x)
{
    std::vector<std::pair<std::uint64_t, int>> tenyezok;
    std::uint64_t m = x;
    auto vesz = [&](std::uint64_t p) {
        int e = 0;
        while (m % p == 0) {
            m /= p;
            ++e;
        }
        if (e > 0) tenyezok.emplace_back(p, e);
    };
    vesz(2);
    for (std::uint64_t p = 3; p <= m / p; p += 2) vesz(p);
    if (m > 1) tenyezok.emplace_back(m, 1);
    std::vector<std::uint64_t> d{1};
    for (const auto& [p, e] : tenyezok) {
        const std::size_t db = d.size();
        std::uint64_t hatvany = 1;
        for (int i = 0; i < e; ++i) {
            hatvany *= p;
            for (std::size_t j = 0; j < db; ++j) d.push_back(d[j] * hatvany);
        }
    }
    std::sort(d.begin(), d.end());
    return d;
}

std::string ezres(std::int64_t v)
{
    return FormatThousands(v);
}

}  // namespace

std::vector<std::int64_t> OsztoLista(std::uint64_t absz)
{
    std::vector<std::int64_t> lista;
    if (absz < 2) return lista;
    // The walk starts at the first i whose cofactor is offered at all and
    // tries every number from there; only divisors change its course, so it
    // is followed over the divisors alone.
    const std::uint64_t kezdo = std::max<std::uint64_t>(2, absz / (kListaHatar + 1) + 1);
    const std::uint64_t q = absz / kezdo;
    std::uint64_t kovetkezo = kezdo;  // the next number the walk tries
    for (std::uint64_t d : osztok(absz)) {
        if (d < kovetkezo) continue;
        if (d > q || d > absz / d) break;
        lista.push_back(static_cast<std::int64_t>(d));
        kovetkezo = d + 2;  // the number after a divisor is not tried
        if (lista.size() == kOsztoMax) break;
    }
    for (std::size_t i = lista.size(); i-- > 0;)
        lista.push_back(static_cast<std::int64_t>(absz / static_cast<std::uint64_t>(lista[i])));
    return lista;
}

std::uint64_t TeljesVariacioMeret(const SzamListak& l, const GameParams& g)
{
    const std::int32_t v = std::max(l.VariacioMeret, 0);
    const std::int32_t f = std::clamp(l.VariacioFoMeret, 0, v);
    const std::int32_t n = l.KijeloltSzamDb();
    const std::int32_t nf = std::clamp(l.KijeloltFoSzamDb, 0, n);
    const bool extra = g.VanPluszSzam && v > f;
    return fullVariationSize(variationNumberingDims(nf, f, n - nf, v - f, extra)).value_or(0);
}

std::int32_t SorszamFelso(std::uint64_t absz)
{
    return static_cast<std::int32_t>(std::clamp<std::uint64_t>(absz, 1, static_cast<std::uint64_t>(kInt32Max)));
}

std::optional<std::int64_t> SorszamErtek(std::string_view s)
{
    if (s.empty()) return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        const int d = c - '0';
        if (v > (std::numeric_limits<std::int64_t>::max() - d) / 10) return std::numeric_limits<std::int64_t>::max();
        v = v * 10 + d;
    }
    return v;
}

std::int64_t Oszto(const SzamsorokKornyezet& e, std::int32_t index)
{
    if (e.Lista.empty()) return 0;
    return e.Lista[ix(std::clamp<std::int32_t>(index, 0, static_cast<std::int32_t>(e.Lista.size()) - 1))];
}

void SzamsorokOsztoBeallitas(TSzamsorokFeltetel& r, const SzamsorokKornyezet& e)
{
    if (r.KijeloltDb != e.KijeloltSzamDb || r.VariacioMeret != e.VariacioMeret || e.Lista.empty()) {
        r.Mod.fill(0);
        r.MintaMod.fill(0);
    }
    r.KijeloltDb = e.KijeloltSzamDb;
    r.VariacioMeret = e.VariacioMeret;
    const std::int32_t utolso = std::max<std::int32_t>(static_cast<std::int32_t>(e.Lista.size()) - 1, 0);
    for (auto* t : {&r.Osztas, &r.MintaOsztas})
        for (std::int32_t& i : *t)
            if (i < 0 || i > utolso) i = utolso;
}

void SzamsorokTartomanyNormalizalas(TSzamsorokFeltetel& r, const SzamsorokKornyezet& e, SzamsorokMezo valtozott)
{
    r.DbTartomany = std::clamp(r.DbTartomany, 1, 10);
    r.AktTartomany = std::clamp(r.AktTartomany, 0, r.DbTartomany - 1);
    const std::size_t a = ix(r.AktTartomany);
    const std::int32_t felso = SorszamFelso(e.ABSZ);
    r.Tipus[a] = r.Tipus[a] ? 1 : 0;
    if (e.Lista.empty()) r.Mod[a] = 0;
    if (r.Mod[a]) {
        const std::int64_t d = Oszto(e, r.Osztas[a]);
        const auto dd = static_cast<std::int32_t>(std::min(d, kInt32Max));
        r.OsztasMin[a] = std::clamp(r.OsztasMin[a], 1, dd);
        r.OsztasMax[a] = std::clamp(r.OsztasMax[a], 1, dd);
        if (r.OsztasMax[a] < r.OsztasMin[a]) {
            if (valtozott == SzamsorokMezo::OsztasMax)
                r.OsztasMin[a] = r.OsztasMax[a];
            else
                r.OsztasMax[a] = r.OsztasMin[a];
        }
        // The product stays below absz; only the stored value is cut to 32 bits.
        const std::uint64_t s = e.ABSZ / static_cast<std::uint64_t>(d);
        const std::uint64_t elso =
            e.ABSZ < 2 || r.OsztasMin[a] < 2 ? 1 : static_cast<std::uint64_t>(r.OsztasMin[a] - 1) * s + 1;
        const std::uint64_t utolso = e.ABSZ < 2 ? elso : static_cast<std::uint64_t>(r.OsztasMax[a]) * s;
        r.Elso[a] = static_cast<std::int32_t>(std::min<std::uint64_t>(elso, static_cast<std::uint64_t>(felso)));
        r.Utolso[a] = static_cast<std::int32_t>(std::min<std::uint64_t>(utolso, static_cast<std::uint64_t>(felso)));
        return;
    }
    r.Elso[a] = std::clamp(r.Elso[a], 1, felso);
    if (r.Utolso[a] < 1) r.Utolso[a] = r.Elso[a];
    r.Utolso[a] = std::clamp(r.Utolso[a], 1, felso);
    // A last serial number below the first, typed or left by a new first,
    // takes the first's value: the first the user gave is not moved.
    if (r.Utolso[a] < r.Elso[a]) r.Utolso[a] = r.Elso[a];
}

void SzamsorokMintaNormalizalas(TSzamsorokFeltetel& r, const SzamsorokKornyezet& e)
{
    r.DbMinta = std::clamp(r.DbMinta, 1, 10);
    r.AktMinta = std::clamp(r.AktMinta, 0, r.DbMinta - 1);
    const std::size_t a = ix(r.AktMinta);
    r.MintaTipus[a] = r.MintaTipus[a] ? 1 : 0;
    if (e.Lista.empty()) r.MintaMod[a] = 0;
    std::int64_t n = std::max<std::int64_t>(r.MintaErtek[a], 2);
    if (e.ABSZ > 1)
        n = std::min<std::int64_t>(n, static_cast<std::int64_t>(std::min<std::uint64_t>(e.ABSZ / 2, kInt32Max)));
    const std::int64_t d = Oszto(e, r.MintaOsztas[a]);
    if (r.MintaMod[a]) n = std::min(n, d);
    r.MintaErtek[a] = static_cast<std::int32_t>(std::min(n, kInt32Max));
    r.MintaMasolat[a] =
        r.MintaMod[a]
            ? static_cast<std::int32_t>(std::min<std::uint64_t>(e.ABSZ / static_cast<std::uint64_t>(d), kInt32Max))
            : r.MintaErtek[a];
}

void SzamsorokTartomanyokRendezese(TSzamsorokFeltetel& r)
{
    const std::int32_t db = std::clamp(r.DbTartomany, 1, 10);
    std::vector<std::size_t> p(ix(db));
    std::iota(p.begin(), p.end(), 0);
    std::stable_sort(p.begin(), p.end(), [&](std::size_t x, std::size_t y) {
        return std::pair(r.Elso[x], r.Utolso[x]) < std::pair(r.Elso[y], r.Utolso[y]);
    });
    const TSzamsorokFeltetel regi = r;
    for (std::size_t i = 0; i < p.size(); ++i) {
        r.Tipus[i] = regi.Tipus[p[i]];
        r.Elso[i] = regi.Elso[p[i]];
        r.Utolso[i] = regi.Utolso[p[i]];
        r.Mod[i] = regi.Mod[p[i]];
        r.Osztas[i] = regi.Osztas[p[i]];
        r.OsztasMin[i] = regi.OsztasMin[p[i]];
        r.OsztasMax[i] = regi.OsztasMax[p[i]];
    }
    r.AktTartomany = 0;
}

void SzamsorokSorozatokRendezese(TSzamsorokFeltetel& r)
{
    const std::int32_t db = std::clamp(r.DbMinta, 1, 10);
    std::vector<std::size_t> p(ix(db));
    std::iota(p.begin(), p.end(), 0);
    std::stable_sort(p.begin(), p.end(),
                     [&](std::size_t x, std::size_t y) { return r.MintaMasolat[x] < r.MintaMasolat[y]; });
    const TSzamsorokFeltetel regi = r;
    for (std::size_t i = 0; i < p.size(); ++i) {
        r.MintaMod[i] = regi.MintaMod[p[i]];
        r.MintaTipus[i] = regi.MintaTipus[p[i]];
        r.MintaOsztas[i] = regi.MintaOsztas[p[i]];
        r.MintaMasolat[i] = regi.MintaMasolat[p[i]];
        r.MintaErtek[i] = regi.MintaErtek[p[i]];
    }
    r.AktMinta = 0;
}

std::string SzamsorokTartomanyokList(const TSzamsorokFeltetel& r, std::int32_t i,
                                     const std::vector<std::int64_t>& lista)
{
    if (!r.Allapot || !r.Tartomany) return {};
    const std::size_t a = ix(std::clamp(i, 0, 9));
    std::string s = Format("%3.0d", {i + 1}) + ". tartomány: " + ezres(r.Elso[a]) + ". - " + ezres(r.Utolso[a]) +
                    ". sorszámú számsorok " + (r.Tipus[a] ? "keresése" : "kizárása") + ". ";
    if (r.Mod[a] && !lista.empty()) {
        const std::int64_t d =
            lista[ix(std::clamp<std::int32_t>(r.Osztas[a], 0, static_cast<std::int32_t>(lista.size()) - 1))];
        s += "\r\n         " + ezres(d) + " tartományból: ";
        s += r.OsztasMin[a] == r.OsztasMax[a]
                 ? ezres(r.OsztasMin[a]) + ". sorszámú tartomány "
                 : ezres(r.OsztasMin[a]) + ". - " + ezres(r.OsztasMax[a]) + ". sorszámú tartományok ";
    }
    return s;
}

std::string SzamsorokSorozatokList(const TSzamsorokFeltetel& r, std::int32_t i, const std::vector<std::int64_t>& lista)
{
    if (!r.Allapot || !r.Sorozat) return {};
    const std::size_t a = ix(std::clamp(i, 0, 9));
    std::string s = Format("%3.0d", {i + 1}) + ". minta: a teljes variáció minden " + ezres(r.MintaErtek[a]) + ". " +
                    (r.MintaMod[a] ? "tartományának" : "számsorának") + " " +
                    (r.MintaTipus[a] ? "keresése" : "kizárása") + ". ";
    if (r.MintaMod[a] && !lista.empty()) {
        const std::int64_t d =
            lista[ix(std::clamp<std::int32_t>(r.MintaOsztas[a], 0, static_cast<std::int32_t>(lista.size()) - 1))];
        s += "\r\n         A teljes variáció " + ezres(d) + " tartományra osztott. ";
    }
    return s;
}

std::string SzamsorokTartomanyokListaja(const TSzamsorokFeltetel& r, const std::vector<std::int64_t>& lista)
{
    std::string s = " Kijelölt tartományok listája\r\n";
    for (std::int32_t i = 0; i < std::clamp(r.DbTartomany, 1, 10); ++i)
        s += (i ? "\r\n" : "") + SzamsorokTartomanyokList(r, i, lista);
    return s;
}

std::string SzamsorokSorozatokListaja(const TSzamsorokFeltetel& r, const std::vector<std::int64_t>& lista)
{
    std::string s = " Kijelölt minták listája\r\n";
    for (std::int32_t i = 0; i < std::clamp(r.DbMinta, 1, 10); ++i)
        s += (i ? "\r\n" : "") + SzamsorokSorozatokList(r, i, lista);
    return s;
}

std::string SzamsorokOsztoTipp(std::uint64_t absz, std::int64_t d)
{
    if (d <= 0) return {};
    return " A teljes variáció " + ezres(d) + " tartományra osztott. \r\n Minden tartomány " +
           ezres(static_cast<std::int64_t>(absz / static_cast<std::uint64_t>(d))) + " számsorból áll. ";
}

}  // namespace kvx
