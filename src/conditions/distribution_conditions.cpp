#include "conditions/distribution_conditions.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

namespace {

std::string szam(std::int64_t v) { return std::to_string(v); }

std::string szamcsoportMinLabel(std::int32_t s)
{
    std::string t = "A számcsoport ";
    t += szam(s);
    t += " számából minimum";
    return t;
}

}  // namespace

FavNezet FavNormalizalas(TFavFeltetel& r, const EloszlasKornyezet& e, FavMezo valtozott)
{
    FavNezet v;
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    if (n < 1 || k < 1) {
        v.Ervenytelen = true;
        return v;
    }
    v.Elso = v.Utolso = {1, n};
    r.ElsoIndex = KorlatonBelul(r.ElsoIndex, v.Elso);
    r.UtolsoIndex = KorlatonBelul(r.UtolsoIndex, v.Utolso);
    if (r.ElsoIndex > r.UtolsoIndex) {
        if (valtozott == FavMezo::Utolso)
            r.ElsoIndex = r.UtolsoIndex;
        else
            r.UtolsoIndex = r.ElsoIndex;
    }
    const std::int32_t s = r.UtolsoIndex - r.ElsoIndex + 1;
    v.TalalatMin = v.TalalatMax = {0, std::min(s, k)};
    r.TalalatMin = KorlatonBelul(r.TalalatMin, v.TalalatMin);
    r.TalalatMax = KorlatonBelul(r.TalalatMax, v.TalalatMax);
    MinMaxIgazitas(r.TalalatMin, r.TalalatMax, valtozott == FavMezo::TalalatMax);
    v.Label2 = szamcsoportMinLabel(s);
    if (r.Allapot)
        v.PozicioTipp = SzamcsoportSzamai(true, r.ElsoIndex - 1, r.UtolsoIndex - 1, e.KijeloltSzamok, n);
    return v;
}

AllandoNezet AllandoNormalizalas(TMinMaxFeltetel& r, const EloszlasKornyezet& e, MinMaxMezo valtozott)
{
    AllandoNezet v;
    if (e.AllandoSzamDb <= 0) {
        v.Ervenytelen = true;
        return v;
    }
    v.Min = v.Max = {0, std::max(0, std::min(e.VariacioMeret, e.AllandoSzamDb))};
    r.Min = KorlatonBelul(r.Min, v.Min);
    r.Max = KorlatonBelul(r.Max, v.Max);
    MinMaxIgazitas(r.Min, r.Max, valtozott == MinMaxMezo::Max);
    return v;
}

bool MobErtelmezheto(const EloszlasKornyezet& e)
{
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    return k >= 2 && n >= 2 * k - 1 && n - (k - 1) >= 2;
}

bool FixErtelmezheto(const EloszlasKornyezet& e)
{
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    return k >= 2 && n / 2 >= k;
}

namespace {

// W within 2..maxW, then K within its limits: at most k - 1 (W > k) or
// W - 1, and at least the smallest K for which n / W groups hold a line.
CsoportNezet csoport(TCsoportFeltetel& r, const EloszlasKornyezet& e, std::int32_t maxW)
{
    CsoportNezet v;
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    v.Meret = {2, maxW};
    r.Meret = KorlatonBelul(r.Meret, v.Meret);
    const std::int32_t w = r.Meret;
    const std::int32_t kMax = w > k ? k - 1 : w - 1;
    std::int32_t kMin = 1;
    const double csoportok = static_cast<double>(n) / static_cast<double>(w);
    while (kMin < kMax && static_cast<double>(k - 1) >= csoportok * kMin) ++kMin;
    v.TalalatMax = {kMin, std::max(kMin, kMax)};
    r.TalalatMax = KorlatonBelul(r.TalalatMax, v.TalalatMax);
    return v;
}

}  // namespace

CsoportNezet MobNormalizalas(TCsoportFeltetel& r, const EloszlasKornyezet& e)
{
    if (!MobErtelmezheto(e)) return CsoportNezet{true, {}, {}};
    return csoport(r, e, e.KijeloltFoSzamDb - (e.VariacioFoMeret - 1));
}

CsoportNezet FixNormalizalas(TCsoportFeltetel& r, const EloszlasKornyezet& e)
{
    if (!FixErtelmezheto(e)) return CsoportNezet{true, {}, {}};
    return csoport(r, e, e.KijeloltFoSzamDb / 2);
}

std::int32_t CsoportMeretDupla(std::int32_t w, const Korlat& k) { return w == k.Max ? k.Min : k.Max; }

SzamcsoportNezet SzamcsoportNormalizalas(TSzamcsoportokFeltetel& r, std::int32_t& akt, const EloszlasKornyezet& e,
                                         SzamcsoportMezo valtozott)
{
    SzamcsoportNezet v;
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    if (n < 1 || k < 1) {
        v.Ervenytelen = true;
        return v;
    }
    v.Db = {1, 10};
    r.Db = KorlatonBelul(r.Db, v.Db);
    v.Akt = {1, r.Db};
    akt = KorlatonBelul(akt, v.Akt);
    v.Elso = v.Utolso = {1, n};
    // Every group in use stays valid, not only the one shown: the engine and
    // the check read them all.
    for (std::int32_t i = 0; i < r.Db; ++i) {
        TCsoport& c = r.Csoport[static_cast<std::size_t>(i)];
        const bool ez = i == akt - 1;
        c.ElsoIndex = KorlatonBelul(c.ElsoIndex, v.Elso);
        c.UtolsoIndex = KorlatonBelul(c.UtolsoIndex, v.Utolso);
        if (c.ElsoIndex > c.UtolsoIndex) {
            if (ez && valtozott == SzamcsoportMezo::Utolso)
                c.ElsoIndex = c.UtolsoIndex;
            else
                c.UtolsoIndex = c.ElsoIndex;
        }
        const Korlat talalat{0, std::min(c.UtolsoIndex - c.ElsoIndex + 1, k)};
        c.TalalatMin = KorlatonBelul(c.TalalatMin, talalat);
        c.TalalatMax = KorlatonBelul(c.TalalatMax, talalat);
        MinMaxIgazitas(c.TalalatMin, c.TalalatMax, ez && valtozott == SzamcsoportMezo::TalalatMax);
    }
    const TCsoport& c = r.Csoport[static_cast<std::size_t>(akt - 1)];
    const std::int32_t s = c.UtolsoIndex - c.ElsoIndex + 1;
    v.TalalatMin = v.TalalatMax = {0, std::min(s, k)};
    v.MinLabel = szamcsoportMinLabel(s);
    if (r.Allapot)
        v.PozicioTipp = SzamcsoportSzamai(true, c.ElsoIndex - 1, c.UtolsoIndex - 1, e.KijeloltSzamok, n);
    v.DbTipp = SzamcsoportokListaja(r);
    return v;
}

void SzamcsoportokMinden(TSzamcsoportokFeltetel& r, std::int32_t min, std::int32_t max)
{
    const std::int32_t db = std::clamp(r.Db, 0, 10);
    for (std::int32_t i = 0; i < db; ++i) {
        TCsoport& c = r.Csoport[static_cast<std::size_t>(i)];
        const std::int32_t s = std::max(0, c.UtolsoIndex - c.ElsoIndex + 1);
        c.TalalatMin = std::min(min, s);
        c.TalalatMax = std::min(max, s);
    }
}

std::int32_t ElsoPozicioDupla(std::int32_t elso, std::int32_t utolso) { return elso == utolso ? 1 : utolso; }

std::int32_t UtolsoPozicioDupla(std::int32_t elso, std::int32_t utolso, std::int32_t n)
{
    return utolso == elso ? n : elso;
}

std::string SzamcsoportList(const TSzamcsoportokFeltetel& r, std::int32_t i)
{
    const TCsoport& c = r.Csoport[static_cast<std::size_t>(std::clamp(i, 0, 9))];
    const std::int32_t meret = c.UtolsoIndex - c.ElsoIndex + 1;
    return Format("%3.0d", {i + 1}) + ". számcsoport " + Format("%2.0d", {meret}) + " száma:" +
           Format("%3.0d", {c.ElsoIndex}) + ". -" + Format("%3.0d", {c.UtolsoIndex}) + ". számig terjed, minimum " +
           szam(c.TalalatMin) + ", maximum " + szam(c.TalalatMax) + " találat. ";
}

std::string SzamcsoportokListaja(const TSzamcsoportokFeltetel& r)
{
    std::string s = " Kijelölt számcsoportok listája";
    const std::int32_t db = std::clamp(r.Db, 0, 10);
    for (std::int32_t i = 0; i < db; ++i) s += "\r\n" + SzamcsoportList(r, i);
    return s;
}

std::string SzamcsoportSzamai(bool csoport, std::int32_t elso, std::int32_t utolso, const TTombByte1D& kijelolt,
                              std::int32_t kijeloltFoSzamDb)
{
    if (kijeloltFoSzamDb <= 0 || utolso < elso || elso < 0 ||
        utolso >= static_cast<std::int32_t>(kijelolt.size()))
        return {};
    std::string s = csoport ? " Számcsoport számai: "
                            : " Index számkészlete " + Format("%2.0d", {utolso - elso + 1}) + " szám: ";
    s += "\r\n";
    for (std::int32_t i = elso, db = 0; i <= utolso; ++i) {
        s += ' ';
        s += szam(kijelolt[static_cast<std::size_t>(i)]);
        s += ' ';
        if (++db % 15 == 0 && i < utolso) s += "\r\n";
    }
    return s;
}

}  // namespace kvx
