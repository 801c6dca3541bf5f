#include "conditions/hit_ratio_conditions.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

const char* const kHianyzikHuzasok = " Hiányzik a húzások listája. ";
const char* const kTalArMindenTalalatTipp =
    " Minden kijelölt tartomány találati arányainak értékadása, \r\n az aktuálisan beállított minimum és maximum "
    "értékek szerint. ";
const char* const kTalArMindenHuzasTipp =
    " Minden kijelölt tartomány húzásainak értékadása, \r\n az aktuálisan beállított húzások tartománya szerint. ";
const char* const kTalArForrasTipp =
    "Húzások számsoraiból összeállított variáció esetén:\r\n -  a keresett találati arány értelmezett\r\n -  a "
    "hibapont értéke 0\r\n -  tiltott állapotba kerül a Hibapont és a Növel/Csökkent opció";
const char* const kTalArKeresettTipp =
    "Húzások számsoraiból összeállított variáció esetén, csak a keresett találati arány értelmezett.\r\nMinden "
    "kijelölt tartományt érintően, a találati arányok típusa keresettre változott.";

namespace {

std::size_t ix(std::int32_t i)
{
    return static_cast<std::size_t>(i);
}
std::int32_t hasznalt(const TTalalatiAranyFeltetel& r)
{
    return std::clamp(r.DbTartomany, 1, 10);
}

void huzasIgazitas(TTalalatiAranyFeltetel& r, const TalArKornyezet& e, std::int32_t i)
{
    std::int32_t& elso = r.ElsoHuzas[ix(i)];
    std::int32_t& utolso = r.UtolsoHuzas[ix(i)];
    if (e.AdatbazisBetoltve && e.HuzasokSzama >= 1) utolso = std::min(utolso, e.HuzasokSzama);
    elso = std::max(elso, 1);
    utolso = std::max(utolso, 1);
    if (elso > utolso) elso = 1;
}

void hatarIgazitas(TTalalatiAranyFeltetel& r, const TalArKornyezet& e, std::int32_t i)
{
    const std::int32_t k = std::max(e.VariacioFoMeret, 0), p = std::max(e.PluszSzamDb, 0);
    r.TalalatMin[ix(i)] = std::clamp(r.TalalatMin[ix(i)], 0, k);
    r.TalalatMax[ix(i)] = std::clamp(r.TalalatMax[ix(i)], 0, k);
    r.PBMin[ix(i)] = std::clamp(r.PBMin[ix(i)], 0, p);
    r.PBMax[ix(i)] = std::clamp(r.PBMax[ix(i)], 0, p);
}

}  // namespace

void TalArHuzasIgazitas(TTalalatiAranyFeltetel& r, const TalArKornyezet& e)
{
    for (std::int32_t i = 0; i < hasznalt(r); ++i) huzasIgazitas(r, e, i);
}

void TalArTartomanyIgazitas(TTalalatiAranyFeltetel& r)
{
    r.DbTartomany = hasznalt(r);
    r.AktTartomany = std::clamp(r.AktTartomany, 0, r.DbTartomany - 1);
}

void TalArBejeloles(TTalalatiAranyFeltetel& r, const TalArKornyezet& e)
{
    r.DbTartomany = hasznalt(r);
    r.AktTartomany = 0;
    TalArHuzasIgazitas(r, e);
    TalArHatarok(r, e, TalArMezo::Nincs);
}

void TalArHatarok(TTalalatiAranyFeltetel& r, const TalArKornyezet& e, TalArMezo valtozott)
{
    TalArTartomanyIgazitas(r);
    const std::int32_t i = r.AktTartomany;
    hatarIgazitas(r, e, i);
    auto par = [](std::int32_t& min, std::int32_t& max, bool minValtozott) {
        if (min <= max) return;
        if (minValtozott)
            max = min;
        else
            min = max;
    };
    // Unchanged pairs out of order (a record from elsewhere) keep the minimum.
    par(r.TalalatMin[ix(i)], r.TalalatMax[ix(i)], valtozott != TalArMezo::Max);
    par(r.PBMin[ix(i)], r.PBMax[ix(i)], valtozott != TalArMezo::PBMax);
}

bool TalArForrasTipus(TTalalatiAranyFeltetel& r)
{
    if (r.Forras != 1) return false;
    bool volt = false;
    for (std::int32_t i = 0; i < hasznalt(r); ++i) {
        volt = volt || r.Tipus[ix(i)] == 0;
        r.Tipus[ix(i)] = 1;
    }
    return volt;
}

void MindenTalalat(TTalalatiAranyFeltetel& r, const TalArKornyezet& e)
{
    TalArTartomanyIgazitas(r);
    const std::size_t a = ix(r.AktTartomany);
    for (std::int32_t i = 0; i < r.DbTartomany; ++i) {
        r.TalalatMin[ix(i)] = r.TalalatMin[a];
        r.TalalatMax[ix(i)] = r.TalalatMax[a];
        r.PBMin[ix(i)] = r.PBMin[a];
        r.PBMax[ix(i)] = r.PBMax[a];
        hatarIgazitas(r, e, i);
    }
}

void MindenHuzasok(TTalalatiAranyFeltetel& r)
{
    TalArTartomanyIgazitas(r);
    const std::size_t a = ix(r.AktTartomany);
    for (std::int32_t i = 0; i < r.DbTartomany; ++i) {
        r.ElsoHuzas[ix(i)] = r.ElsoHuzas[a];
        r.UtolsoHuzas[ix(i)] = r.UtolsoHuzas[a];
    }
}

std::string TalArTalalatok(const TTalalatiAranyFeltetel& r, std::int32_t i, bool vanPluszSzam)
{
    const std::size_t u = ix(i);
    const std::string min = std::to_string(r.TalalatMin[u]), max = std::to_string(r.TalalatMax[u]);
    if (vanPluszSzam) {
        std::string s = min + "+" + std::to_string(r.PBMin[u]);
        if (r.TalalatMin[u] != r.TalalatMax[u] || r.PBMin[u] != r.PBMax[u])
            s += "  -  " + max + "+" + std::to_string(r.PBMax[u]);
        return s;
    }
    return r.TalalatMin[u] != r.TalalatMax[u] ? min + " - " + max : min;
}

std::string TalArListaja(const TTalalatiAranyFeltetel& r, bool vanPluszSzam)
{
    std::string s = " Kijelölt tartományok listája";
    for (std::int32_t i = 0; i < hasznalt(r); ++i) {
        s += "\r\n" + Format("%3.0d", {i + 1}) + ". tartomány: " + (r.Tipus[ix(i)] ? "keresett, " : "kizárt, ") +
             TalArTalalatok(r, i, vanPluszSzam) + " találati arányra, " + std::to_string(r.ElsoHuzas[ix(i)]) + ". - " +
             std::to_string(r.UtolsoHuzas[ix(i)]) + ". húzások ";
    }
    if (r.Forras == 1) s += "\r\n Húzások számsoraiból összeállított variáció. ";
    return s;
}

std::string TartomanyList(TTalalatiAranyFeltetel& r, const TalArKornyezet& e)
{
    TalArForrasTipus(r);
    for (std::int32_t i = 0; i < hasznalt(r); ++i) {
        hatarIgazitas(r, e, i);
        huzasIgazitas(r, e, i);
    }
    return TalArListaja(r, e.VanPluszSzam);
}

std::string TalArLabel15(const TTalalatiAranyFeltetel& r, const TalArKornyezet& e)
{
    if (!e.AdatbazisBetoltve) return kHianyzikHuzasok;
    const std::size_t a = ix(std::clamp(r.AktTartomany, 0, 9));
    return std::to_string(r.ElsoHuzas[a]) + ". - " + std::to_string(r.UtolsoHuzas[a]) + ". húzásokkal összehasonlítva";
}

}  // namespace kvx
