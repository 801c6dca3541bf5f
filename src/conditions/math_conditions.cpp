#include "conditions/math_conditions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/delphi_format.h"

namespace kvx {

const char* const kEgeszreCsonkolTipp = " Értékek egészrészre csonkolása ";
const char* const kSzorasTipp8 =
    "Egy számsor szórása csak ritkán egész szám.\r\nA legtöbb esetben egy tartományt célszerű megadni.";

namespace {

std::string nemSzomszedos(const char* mi)
{
    return std::string(
               " A variációra kijelölt számok nem szomszédosak (...9,10,11...) egymással. \r\n Csak a kijelölt "
               "számokból álló számsorokhoz tartozhat érvényes ") +
           mi;
}

}  // namespace

std::vector<int> RendezettFoSzamok(const MathKornyezet& e)
{
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(e.KijeloltFoSzamDb, 0)), e.KijeloltSzamok.size());
    std::vector<int> s(e.KijeloltSzamok.begin(), e.KijeloltSzamok.begin() + static_cast<std::ptrdiff_t>(n));
    std::sort(s.begin(), s.end());
    return s;
}

double MintaSzoras(const std::vector<int>& v)
{
    if (v.size() < 2) return 0;
    double atlag = 0;
    for (int x : v) atlag += x;
    atlag /= static_cast<double>(v.size());
    double q = 0;
    for (int x : v) q += (x - atlag) * (x - atlag);
    return std::sqrt(q / static_cast<double>(v.size() - 1));
}

// ---------------------------------------------------------------- Összeg

OsszegHatar OsszegHatarok(const MathKornyezet& e)
{
    OsszegHatar h;
    const std::vector<int> s = RendezettFoSzamok(e);
    const int k = e.VariacioFoMeret, n = static_cast<int>(s.size());
    if (k < 1 || n < k) {
        h.Ervenytelen = true;
        return h;
    }
    for (int i = 0; i < k; ++i) {
        h.Min += s[static_cast<std::size_t>(i)];
        h.Max += s[static_cast<std::size_t>(n - 1 - i)];
    }
    return h;
}

void OsszegNormalizalas(TMinMaxFeltetel& r, const OsszegHatar& h, MathMezo valtozott)
{
    r.Min = std::clamp(r.Min, h.Min, h.Max);
    r.Max = std::clamp(r.Max, h.Min, h.Max);
    if (r.Min > r.Max) {
        if (valtozott == MathMezo::Max)
            r.Min = r.Max;
        else
            r.Max = r.Min;
    }
}

void OsszegEllenorzes(TMinMaxFeltetel& r, const OsszegHatar& h, std::optional<std::int32_t> min,
                      std::optional<std::int32_t> max, MathMezo kilepett)
{
    std::int32_t a = std::clamp(r.Min, h.Min, h.Max);
    if (kilepett != MathMezo::Max) {
        a = min.value_or(h.Min);
        if (max && *max < a) max = a;
        a = std::clamp(a, h.Min, h.Max);
    } else if (min) {
        a = std::clamp(*min, h.Min, h.Max);
    }
    std::int32_t b = max.value_or(h.Min);
    if (b < a && b > h.Min) a = b;
    if (b < h.Min || b > h.Max || b < a) b = b > a ? h.Max : a;
    r.Min = a;
    r.Max = b;
}

void OsszegBejeloles(TMinMaxFeltetel& r, const OsszegHatar& h, std::int32_t editMin, std::int32_t editMax)
{
    const std::int32_t a = r.Min < h.Min ? h.Min : std::clamp(editMin, h.Min, h.Max);
    const std::int32_t b = r.Max > h.Max ? h.Max : std::clamp(editMax, h.Min, h.Max);
    OsszegEllenorzes(r, h, a, b, MathMezo::Min);
}

std::string OsszegTipp(const MathKornyezet& e, const OsszegHatar& h)
{
    std::string s = e.KijeloltNemSzomszedos ? nemSzomszedos("összeg. \r\n\r\n") : std::string();
    return s + " Összeg értékhatárok: \r\n Minimum: " + std::to_string(h.Min) +
           "\r\n Maximum: " + std::to_string(h.Max) + " ";
}

// ---------------------------------------------------------------- Szórás

SzorasHatar SzorasHatarok(const MathKornyezet& e)
{
    SzorasHatar h;
    const std::vector<int> s = RendezettFoSzamok(e);
    const int k = e.VariacioFoMeret, n = static_cast<int>(s.size());
    if (k < 2 || n < k) {
        h.Ervenytelen = true;
        return h;
    }
    double also = 30000, felso = 0;
    std::vector<int> v(static_cast<std::size_t>(k));
    for (int i = 0; i + k <= n; ++i) {
        std::copy(s.begin() + i, s.begin() + i + k, v.begin());
        also = std::min(also, MintaSzoras(v));
    }
    // The widest line takes some of the smallest and the rest of the
    // largest numbers; which split is best depends on the numbers.
    for (int i = 0; i <= k; ++i) {
        std::copy(s.begin(), s.begin() + i, v.begin());
        std::copy(s.end() - (k - i), s.end(), v.begin() + i);
        felso = std::max(felso, MintaSzoras(v));
    }
    h.Also = also - kSzorasTures;
    h.Felso = felso + kSzorasTures;
    return h;
}

void SzorasBejeloles(TSzorasFeltetel& r, const SzorasHatar& h)
{
    const double min = r.Min, max = r.Max;
    if (min < h.Also || min > h.Felso) r.Min = static_cast<float>(h.Also);
    if (max > h.Felso || max < h.Also) r.Max = static_cast<float>(h.Felso);
    if (r.Max < r.Min) r.Max = r.Min;
}

void SzorasEllenorzes(TSzorasFeltetel& r, const SzorasHatar& h, std::optional<double> min, std::optional<double> max)
{
    double a = min.value_or(h.Also);
    if (a < h.Also) a = h.Also;
    if (a > h.Felso - 2 * kSzorasTures) a = h.Felso - 2 * kSzorasTures;
    double b = max.value_or(a + 2 * kSzorasTures);
    if (b < h.Also + 2 * kSzorasTures) b = a + 2 * kSzorasTures;
    if (b > h.Felso)
        b = h.Felso;
    else if (b < a)
        b = a + 2 * kSzorasTures;
    r.Min = static_cast<float>(a);
    r.Max = static_cast<float>(b);
}

double SzorasCsonkolas(std::optional<double> v, const SzorasHatar& h)
{
    if (v) {
        const double egesz = std::floor(*v);
        if (egesz >= h.Also) return egesz;
    }
    return std::floor(h.Also) + 1;
}

std::optional<double> SzorasErtek(const std::string& s)
{
    if (s.empty()) return std::nullopt;
    std::string t = s;
    std::replace(t.begin(), t.end(), ',', '.');
    char* vege = nullptr;
    const double v = std::strtod(t.c_str(), &vege);
    if (vege == t.c_str() || *vege != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string SzorasSzoveg(double v)
{
    return Format("%.4f", {v});
}

std::string SzorasTipp(const MathKornyezet& e, const SzorasHatar& h)
{
    std::string s = e.KijeloltNemSzomszedos ? nemSzomszedos("szórás. \r\n\r\n") : std::string();
    return s + " Szórás értékhatárok: \r\n Minimum: " + SzorasSzoveg(h.Also + kSzorasTures) +
           "\r\n Maximum: " + SzorasSzoveg(h.Felso - kSzorasTures) + "\r\n +- 0" + formatSettings().decimalSeparator +
           "0001 tűrés a kerekítések okán ";
}

// ---------------------------------------------------------------- Terjedelem

TerjedelemHatar TerjedelemHatarok(const MathKornyezet& e)
{
    TerjedelemHatar h;
    const std::vector<int> s = RendezettFoSzamok(e);
    const int k = e.VariacioFoMeret, n = static_cast<int>(s.size());
    h.FixErvenytelen = k < 1 || n <= k;
    if (!h.FixErvenytelen) {
        h.FixElsoMax = n - k;
        h.FixUtolsoMin = k + 1;
        h.FixUtolsoMax = n;
    }
    h.ValtozoErvenytelen = k < 1 || n < k;
    if (!h.ValtozoErvenytelen) {
        h.ValtozoMin = 30000;
        for (int i = 0; i + k <= n; ++i)
            h.ValtozoMin =
                std::min(h.ValtozoMin, s[static_cast<std::size_t>(i + k - 1)] - s[static_cast<std::size_t>(i)]);
        h.ValtozoMax = s.back() - s.front();
    }
    return h;
}

void TerjedelemNormalizalas(TTerjedelemFeltetel& r, const TerjedelemHatar& h, std::int32_t k, TerjedelemMezo valtozott)
{
    if (r.Fix && !h.FixErvenytelen) {
        if (r.FixMin < 1 || r.FixMin > h.FixElsoMax)
            r.FixMin = valtozott == TerjedelemMezo::FixMin ? std::clamp(r.FixMin, 1, h.FixElsoMax) : 1;
        if (r.FixMax < h.FixUtolsoMin || r.FixMax > h.FixUtolsoMax)
            r.FixMax = valtozott == TerjedelemMezo::FixMax ? std::clamp(r.FixMax, h.FixUtolsoMin, h.FixUtolsoMax)
                                                           : h.FixUtolsoMax;
        if (r.FixMax - k < r.FixMin) {
            if (valtozott == TerjedelemMezo::FixMax)
                r.FixMin = r.FixMax - k;
            else
                r.FixMax = r.FixMin + k;
        }
    }
    if (r.Valtozo && !h.ValtozoErvenytelen) {
        r.ValtozoMin = std::clamp(r.ValtozoMin, h.ValtozoMin, h.ValtozoMax);
        r.ValtozoMax = std::clamp(r.ValtozoMax, h.ValtozoMin, h.ValtozoMax);
        if (r.ValtozoMin > r.ValtozoMax) {
            if (valtozott == TerjedelemMezo::ValtozoMax)
                r.ValtozoMin = r.ValtozoMax;
            else
                r.ValtozoMax = r.ValtozoMin;
        }
    }
    r.Allapot = (r.Fix || r.Valtozo) ? 1 : 0;
}

void FixTerjedelem(const MathKornyezet& e, const TTerjedelemFeltetel& r, std::int32_t& min, std::int32_t& max)
{
    const std::int32_t n =
        std::min<std::int32_t>(e.KijeloltFoSzamDb, static_cast<std::int32_t>(e.KijeloltSzamok.size()));
    std::vector<int> t;
    for (std::int32_t i = std::max(r.FixMin, 1); i <= std::min(r.FixMax, n); ++i)
        t.push_back(e.KijeloltSzamok[static_cast<std::size_t>(i - 1)]);
    std::sort(t.begin(), t.end());
    const int k = e.VariacioFoMeret, m = static_cast<int>(t.size());
    if (m == 0 || k < 1 || k > m) {
        min = max = 0;
        return;
    }
    max = t.back() - t.front();
    min = 30000;
    for (int i = 0; i + k <= m; ++i)
        min = std::min(min, t[static_cast<std::size_t>(i + k - 1)] - t[static_cast<std::size_t>(i)]);
}

std::string TerjedelemLabel37(const TTerjedelemFeltetel& r, std::int32_t n)
{
    const std::int32_t db = r.Fix ? r.FixMax - r.FixMin + 1 : n;
    return "-dik számig, " + std::to_string(db) + " szám variációja.";
}

std::string TerjedelemLabel5(std::int32_t min, std::int32_t max)
{
    return "- a fix tartományból variált számsorok terjedelme minimum " + std::to_string(min) + ", maximum " +
           std::to_string(max);
}

std::string TerjedelemFixTipp(const MathKornyezet& e, const TTerjedelemFeltetel& r)
{
    if (!r.Fix) return {};
    std::string s = e.KijeloltNemSzomszedos ? nemSzomszedos("terjedelem. ") : std::string();
    // The number pools may narrow the positions the span is reckoned over.
    if (e.SzamkeszletAktiv && (e.SzamkeszletElso != r.FixMin || e.SzamkeszletUtolso != r.FixMax)) {
        if (!s.empty()) s += "\r\n\r\n";
        s += " A Számkészletek feltétel beállítása szerint: \r\n " + std::to_string(e.SzamkeszletElso) + ". - " +
             std::to_string(e.SzamkeszletUtolso) + ". sorszámú számok vesznek részt a variációban. ";
    }
    return s;
}

std::string TerjedelemValtozoTipp(const TerjedelemHatar& h, const TTerjedelemFeltetel& r)
{
    if (!r.Valtozo) return {};
    return " Terjedelem értékhatárok: \r\n Minimum: " + std::to_string(h.ValtozoMin) +
           "\r\n Maximum: " + std::to_string(h.ValtozoMax) + " ";
}

}  // namespace kvx
