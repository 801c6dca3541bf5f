#include "conditions/number_pools.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

namespace {

constexpr std::int32_t kHelyek = 11;  // places the record holds


std::size_t ix(std::int32_t p) { return static_cast<std::size_t>(std::clamp(p, 0, kHelyek - 1)); }

bool ures(const TSzamkeszletFeltetel& r, std::int32_t k)
{
    for (std::int32_t p = 0; p < k; ++p)
        if (r.Elso[ix(p)] != 0 || r.Utolso[ix(p)] != 0) return false;
    return true;
}

}  // namespace

SzamkeszletNezet SzamkeszletNormalizalas(TSzamkeszletFeltetel& r, std::int32_t& akt, const SzamkeszletKornyezet& e,
                                         SzamkeszletMezo valtozott)
{
    SzamkeszletNezet v;
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    if (k < 1 || n < k || k > kHelyek) {
        v.Ervenytelen = true;
        return v;
    }
    if (ures(r, k)) SzamokAlapertelmezett(r, n, k);
    v.Akt = {1, k};
    akt = KorlatonBelul(akt, v.Akt);
    for (std::int32_t p = 1; p <= k; ++p) {
        const Korlat b{p, n - k + p};
        std::int32_t& elso = r.Elso[ix(p - 1)];
        std::int32_t& utolso = r.Utolso[ix(p - 1)];
        elso = KorlatonBelul(elso, b);
        utolso = KorlatonBelul(utolso, b);
        if (utolso < elso) {
            if (p == akt && valtozott == SzamkeszletMezo::Utolso)
                elso = utolso;
            else
                utolso = elso;
        }
    }
    const std::int32_t elso = r.Elso[ix(akt - 1)], utolso = r.Utolso[ix(akt - 1)];
    v.Elso = v.Utolso = {akt, n - k + akt};
    v.ElsoTipp = std::string(" ").append(std::to_string(akt)).append(". index minimuma, első számának pozíciója ");
    v.UtolsoTipp = std::string(" ").append(std::to_string(akt)).append(". index maximuma, utolsó számának pozíciója ");
    if (r.Allapot) {
        const std::string szamok = SzamcsoportSzamai(false, elso - 1, utolso - 1, e.KijeloltSzamok, n);
        v.ElsoTipp += "\r\n" + szamok;
        v.UtolsoTipp += "\r\n" + szamok;
    }
    v.AktTipp = SzamokListaja(r, k);
    const SzamkeszletJelzes j = SzamkeszletJelzo(r, e);
    v.ILLathato = j.Lathato;
    v.ILTipp = j.Tipp;
    return v;
}

SzamkeszletJelzes SzamkeszletJelzo(const TSzamkeszletFeltetel& r, const SzamkeszletKornyezet& e)
{
    SzamkeszletJelzes j;
    if (!r.Allapot) return j;
    if (!e.Novekvo) {
        j.Lathato = true;
        j.Tipp = " Nem növekvő a variációra kijelölt számok sorrendje. \r\n Indexek számkészlete: kijelölt számok "
                 "sorrendje szerint. ";
    }
    const TTerjedelemFeltetel& t = e.Terjedelem;
    if (t.Allapot && t.Fix && (t.FixMin > 1 || t.FixMax < e.KijeloltFoSzamDb)) {
        if (!j.Tipp.empty()) j.Tipp += "\r\n\r\n";
        j.Tipp += " Terjedelem - Fix feltétel beállítása szerint:\r\n  - " + std::to_string(t.FixMin) + ". - " +
                  std::to_string(t.FixMax) + ". sorszámú számok vesznek részt a variációban. ";
        j.Lathato = true;
    }
    return j;
}

void SzamokReset(TSzamkeszletFeltetel& r, std::int32_t n, std::int32_t k)
{
    if (k < 1 || k > kHelyek || n < k) return;
    for (std::int32_t p = 0; p < k; ++p) r.Elso[ix(p)] = r.Utolso[ix(p)] = 0;
    const std::int32_t q = n / k;
    std::int32_t m = n % k;
    r.Elso[0] = 1;
    r.Utolso[0] = q;
    for (std::int32_t p = 1; p < k; ++p) {
        r.Elso[ix(p)] = r.Utolso[ix(p - 1)] + 1;
        std::int32_t hossz = q;
        if (m > 0) {
            ++hossz;
            --m;
        }
        r.Utolso[ix(p)] = r.Elso[ix(p)] + hossz - 1;
    }
    r.Utolso[ix(k - 1)] = n;
}

void SzamokOptimalis(TSzamkeszletFeltetel& r, std::int32_t n, std::int32_t k)
{
    if (k < 1 || k > kHelyek || n < k) return;
    SzamokReset(r, n, k);
    const std::int32_t q = n / k;
    const std::int32_t d = (q - 1) / 2 + 2 * (k - 1);
    const std::int32_t e = d / 2;
    r.Utolso[0] += d;
    for (std::int32_t p = 1; p < k; ++p) r.Elso[ix(p)] -= e;
    for (std::int32_t p = 1; p < k - 1; ++p) r.Utolso[ix(p)] += e;
    if (k > 1) r.Elso[ix(k - 1)] -= e;
}

void SzamokAlapertelmezett(TSzamkeszletFeltetel& r, std::int32_t n, std::int32_t k)
{
    if (k < 1 || k > kHelyek || n < k) return;
    for (std::int32_t p = 1; p <= k; ++p) {
        r.Elso[ix(p - 1)] = p;
        r.Utolso[ix(p - 1)] = n - k + p;
    }
}

std::int32_t GetSzamokIndexMinMax(const TSzamkeszletFeltetel& r, std::int32_t k, bool elso)
{
    std::int32_t v = elso ? 1000 : 0;
    for (std::int32_t p = 0; p < std::min(k, kHelyek); ++p)
        v = elso ? std::min(v, r.Elso[ix(p)]) : std::max(v, r.Utolso[ix(p)]);
    return v;
}

std::string SzamokList(const TSzamkeszletFeltetel& r, std::int32_t i)
{
    const std::int32_t elso = r.Elso[ix(i)], utolso = r.Utolso[ix(i)];
    return Format("%3.0d", {i + 1}) + ". index számkészlete " + Format("%2.0d", {utolso - elso + 1}) + " szám:" +
           Format("%3.0d", {elso}) + ". -" + Format("%3.0d", {utolso}) + ". számig terjed. ";
}

std::string SzamokListaja(const TSzamkeszletFeltetel& r, std::int32_t k)
{
    std::string s = " Indexek tartománya";
    for (std::int32_t i = 0; i < std::min(k, kHelyek); ++i) s += "\r\n" + SzamokList(r, i);
    return s;
}

std::int32_t SzamkeszletElsoDupla(std::int32_t p, std::int32_t elso, std::int32_t utolso)
{
    return elso == utolso ? p : utolso;
}

std::int32_t SzamkeszletUtolsoDupla(std::int32_t elso, std::int32_t utolso, std::int32_t felso)
{
    return utolso == elso ? felso : elso;
}

}  // namespace kvx
