#include "conditions/series_conditions.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

const char* const kMindenSorozatTipp =
    " Minden kijelölt minta előfordulási arányainak értékadása, \r\n az aktuálisan beállított minimum és maximum "
    "értékek szerint. ";
const char* const kSorozatNemSzomszedosTipp =
    " A variációra kijelölt számok nem szomszédosak (...9,10,11...) egymással. \r\n Csak a kijelölt számokból álló "
    "számsorokhoz tartozhat érvényes minta. ";

namespace {

std::size_t ix(std::int32_t i)
{
    return static_cast<std::size_t>(i);
}

// Keeps min <= max: the changed one drags the other.
void par(std::int32_t& min, std::int32_t& max, bool maxValtozott)
{
    if (min <= max) return;
    if (maxValtozott)
        min = max;
    else
        max = min;
}

}  // namespace

SorozatNezet SorozatNormalizalas(TSorozatFeltetel& r, bool& sorozatSorrend, std::int32_t& akt, bool sorrendBox,
                                 const SorozatKornyezet& e, SorozatMezo valtozott)
{
    SorozatNezet v;
    const std::int32_t k = e.VariacioFoMeret;
    const std::int32_t n =
        std::min<std::int32_t>(e.KijeloltFoSzamDb, static_cast<std::int32_t>(e.KijeloltSzamok.size()));
    if (k < 2 || n < 2 * k) {
        v.Ervenytelen = true;
        return v;
    }
    int lo = 1000, hi = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        lo = std::min<int>(lo, e.KijeloltSzamok[ix(i)]);
        hi = std::max<int>(hi, e.KijeloltSzamok[ix(i)]);
    }
    v.Fesztav = hi - lo + 1;

    r.DbMinta = std::clamp(r.DbMinta, 1, 10);
    akt = std::clamp(akt, 1, r.DbMinta);
    v.Db = {1, 10};
    v.Akt = {1, r.DbMinta};
    v.Tavolsag = {0, std::max(0, hi - e.VariacioMeret - e.FixSzamDb)};

    TMinta& m = r.Minta[ix(akt - 1)];
    m.TavolsagMin = std::clamp(m.TavolsagMin, v.Tavolsag.Min, v.Tavolsag.Max);
    m.TavolsagMax = std::clamp(m.TavolsagMax, v.Tavolsag.Min, v.Tavolsag.Max);
    par(m.TavolsagMin, m.TavolsagMax, valtozott == SorozatMezo::TavolsagMax);
    // A pattern of distances of at least d fits span div d times at most.
    const std::int32_t d = m.TavolsagMin;
    v.Eset = {0, d > 0 && v.Fesztav / d < k - 1 ? v.Fesztav / d : k - 1};
    m.EsetMin = std::clamp(m.EsetMin, v.Eset.Min, v.Eset.Max);
    m.EsetMax = std::clamp(m.EsetMax, v.Eset.Min, v.Eset.Max);
    par(m.EsetMin, m.EsetMax, valtozott == SorozatMezo::EsetMax);

    // How many patterns can occur: one per distance at most, none of a
    // pattern that may not occur; at least those that must.
    std::int32_t tiltott = 0, kotelezo = 0;
    for (std::int32_t i = 0; i < r.DbMinta; ++i) {
        tiltott += r.Minta[ix(i)].EsetMax == 0;
        kotelezo += r.Minta[ix(i)].EsetMin > 0;
    }
    const std::int32_t felso = std::max(0, std::min(r.DbMinta, k - 1) - tiltott);
    v.MintaDb = {std::min(kotelezo, felso), felso};
    r.MintaDbMin = std::clamp(r.MintaDbMin, v.MintaDb.Min, v.MintaDb.Max);
    r.MintaDbMax = std::clamp(r.MintaDbMax, v.MintaDb.Min, v.MintaDb.Max);
    par(r.MintaDbMin, r.MintaDbMax, valtozott == SorozatMezo::MintaDbMax);

    v.SorrendEngedelyezett = r.MintaDbMax > 1;
    sorozatSorrend = sorrendBox && v.SorrendEngedelyezett;
    r.Minta[0].Tartalek = sorozatSorrend ? 1 : 0;
    v.MintaDbMinLathato = !sorozatSorrend;
    v.Lista = SorozatokListaja(r, sorozatSorrend);
    v.SorrendFelirat =
        sorozatSorrend ? " Az első " + std::to_string(r.MintaDbMax) + " minta sorrendje szerint teljesült eloszlások."
                       : " Az eloszlások a kijelölt minták sorrendje szerint teljesülnek.";
    return v;
}

void MindenSorozat(TSorozatFeltetel& r, std::int32_t min, std::int32_t max)
{
    for (std::int32_t i = 0; i < std::clamp(r.DbMinta, 1, 10); ++i) {
        r.Minta[ix(i)].EsetMin = min;
        r.Minta[ix(i)].EsetMax = max;
    }
}

std::int32_t SMintaMinDupla(std::int32_t min, std::int32_t max)
{
    return min < max ? max : 0;
}

std::int32_t SMintaMaxDupla(std::int32_t min, std::int32_t max, std::int32_t felso)
{
    return max < felso ? felso : min;
}

std::string SorozatokTetelesList(const TSorozatFeltetel& r, std::int32_t i)
{
    const TMinta& m = r.Minta[ix(std::clamp(i, 0, 9))];
    return Format("%3.0d", {i + 1}) + ". minta: minimum" + Format("%3.0d", {m.TavolsagMin}) + ", maximum" +
           Format("%3.0d", {m.TavolsagMax}) + " szám távolság lehet; minimum " + std::to_string(m.EsetMin) +
           ", maximum " + std::to_string(m.EsetMax) + " esetben. ";
}

std::string SorozatokListaja(const TSorozatFeltetel& r, bool sorozatSorrend)
{
    std::string s = " Kijelölt minták listája";
    const std::int32_t db = std::clamp(sorozatSorrend ? r.MintaDbMax : r.DbMinta, 0, 10);
    for (std::int32_t i = 0; i < db; ++i) s += "\r\n" + SorozatokTetelesList(r, i);
    if (sorozatSorrend)
        s += "\r\n Az első " + std::to_string(r.MintaDbMax) + " minta sorrendje szerint teljesült eloszlások. ";
    else
        s += "\r\n Minimum " + std::to_string(r.MintaDbMin) + ", maximum " + std::to_string(r.MintaDbMax) +
             " minta fordulhat elő egy számsorban. ";
    return s;
}

}  // namespace kvx
