#include "conditions/item_conditions.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

namespace {

// The game whose lines always repeat a tens group or a digit: Magyar Kenó
// played on 10 numbers.
constexpr std::int32_t kKeno10 = 8;



std::string szam(std::int64_t v) { return std::to_string(v); }

// Per-tab differences.
struct LapLeiras {
    const char* Szo;          // "számcsoport"
    const char* Tobbes;       // "számcsoportok" (list header)
    const char* Ragos;        // " számcsoportból minimum "
    const char* MindenTipp;   // hint of the all button
};

const LapLeiras kLapok[3] = {
    {"számcsoport", " Kijelölt számcsoportok listája", " számcsoportból minimum ",
     " Az aktuális minimum és maximum találati arányok szerint: \r\n - minden kijelölt számcsoport értékadása, vagy "
     "\r\n - (SHIFT) minden számcsoport kijelölése és értékadása "},
    {"számvégződés", " Kijelölt számvégződések listája", " számvégződésből minimum ",
     " Az aktuális minimum és maximum találati arányok szerint: \r\n - minden kijelölt számvégződés értékadása, vagy "
     "\r\n - (SHIFT) minden számvégződés kijelölése és értékadása "},
    {"számjegy", " Kijelölt számjegyek listája", " számjegyből minimum ",
     " Az aktuális minimum és maximum találati arányok szerint: \r\n - minden kijelölt számjegy értékadása, vagy "
     "\r\n - (SHIFT) minden számjegy kijelölése és értékadása "},
};

const LapLeiras& leiras(TetelLap lap) { return kLapok[static_cast<int>(lap)]; }

// Counters of the tab: distinct items, repeats (sum, largest, items with repeats).
struct Szamlalok {
    std::int32_t CsoportDb, IsmetOsszes, IsmetEgy, IsmetCsoportDb;
    std::int32_t Paros, Paratlan;
};

Szamlalok szamlalok(TetelLap lap, const SzamJelzok& j)
{
    switch (lap) {
    case TetelLap::Szamcsoport:
        return {j.SzcsCsoportDb, j.SzcsIsmetOsszes, j.SzcsIsmetEgy, j.SzcsIsmetCsoportDb, j.SzcsParosUD,
                j.SzcsParosMaxUD};
    case TetelLap::Szamvegzodes:
        return {j.SzvCsoportDb, j.SzvIsmetOsszes, j.SzvIsmetEgy, j.SzvIsmetCsoportDb, j.SzvParosUD, j.SzvParosMaxUD};
    case TetelLap::Szamjegy:
        break;
    }
    return {j.SzjCsoportDb, j.SzjIsmetOsszes, j.SzjIsmetEgy, j.SzjIsmetCsoportDb, j.SzJParosUD, j.SzJParosMaxUD};
}

std::int32_t darab(TetelLap lap, std::int32_t kod, const TetelKornyezet& e)
{
    if (kod < 0 || kod > 9) return 0;
    return e.Jelzok.TetelSzamDb[static_cast<std::size_t>(lap)][static_cast<std::size_t>(kod)];
}

// First and last item with selected numbers (0..0 when none).
Korlat tetelTartomany(TetelLap lap, const TetelKornyezet& e)
{
    Korlat k{-1, -1};
    for (std::int32_t i = 0; i < 10; ++i) {
        if (darab(lap, i, e) == 0) continue;
        if (k.Min < 0) k.Min = i;
        k.Max = i;
    }
    if (k.Min < 0) k = {0, 0};
    return k;
}

// The item itself when it has selected numbers, else the next one that has
// them in the given direction, else the next one the other way.
std::int32_t lepes(TetelLap lap, std::int32_t kod, bool fel, const TetelKornyezet& e)
{
    const Korlat t = tetelTartomany(lap, e);
    kod = KorlatonBelul(kod, t);
    if (darab(lap, kod, e) > 0) return kod;
    for (int irany : {fel ? 1 : -1, fel ? -1 : 1})
        for (std::int32_t i = kod + irany; i >= t.Min && i <= t.Max; i += irany)
            if (darab(lap, i, e) > 0) return i;
    return kod;
}

}  // namespace

const char* const kNemEllenorziTipp = " A program nem ellenőrzi a beállított paraméterek érvényességét. ";

TetelKornyezet TetelKornyezetKeszites(const SzamListak& l, const GameParams& g, const SzamJelzok& j)
{
    TetelKornyezet e;
    e.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    e.VariacioFoMeret = l.VariacioFoMeret;
    e.LottoIndex = g.LottoIndex;
    e.KijeloltSzamok = l.KijeloltSzamok;
    e.Jelzok = j;
    return e;
}

TParosFeltetel* ParosRekord(FeltetelRekordok& f, TetelLap lap)
{
    switch (lap) {
    case TetelLap::Szamcsoport: return &f.SzcsParosFeltetel;
    case TetelLap::Szamvegzodes: return &f.SzvParosFeltetel;
    case TetelLap::Szamjegy: break;
    }
    return nullptr;
}

TMinMaxFeltetel* SzJParosRekord(FeltetelRekordok& f) { return &f.SzJParosFeltetel; }

TIsmetFeltetel& IsmetRekord(FeltetelRekordok& f, TetelLap lap)
{
    switch (lap) {
    case TetelLap::Szamcsoport: return f.SzcsIsmetFeltetel;
    case TetelLap::Szamvegzodes: return f.SzvIsmetFeltetel;
    case TetelLap::Szamjegy: break;
    }
    return f.SzJIsmetFeltetel;
}

TTetelesFeltetel& TetelesRekord(FeltetelRekordok& f, TetelLap lap)
{
    switch (lap) {
    case TetelLap::Szamcsoport: return f.SzamcsoportTetelesFeltetel;
    case TetelLap::Szamvegzodes: return f.SzamvegzodesTetelesFeltetel;
    case TetelLap::Szamjegy: break;
    }
    return f.SzJTetelesFeltetel;
}

const TTetelesFeltetel& TetelesRekord(const FeltetelRekordok& f, TetelLap lap)
{
    return TetelesRekord(const_cast<FeltetelRekordok&>(f), lap);
}

const char* TetelSzo(TetelLap lap) { return leiras(lap).Szo; }

const char* TetelNev(TetelLap lap, std::int32_t kod)
{
    const std::size_t i = static_cast<std::size_t>(std::clamp(kod, 0, 9));
    return lap == TetelLap::Szamcsoport ? kSzamcsoportNevek[i] : kSzamvegNevek[i];
}

ParosNezet ParosNormalizalas(TetelLap lap, std::int32_t& min, std::int32_t& max, const TetelKornyezet& e,
                             MinMaxMezo valtozott)
{
    ParosNezet v;
    const Szamlalok s = szamlalok(lap, e.Jelzok);
    const std::int32_t k = e.VariacioFoMeret;
    if (k < 1 || s.Paros <= 0 || s.Paratlan <= 0) {
        v.Ervenytelen = true;
        return v;
    }
    if (lap == TetelLap::Szamjegy) {
        v.Min = v.Max = {0, std::min(s.Paros, 2 * k)};
    } else {
        const std::int32_t also = s.Paratlan < k ? k - s.Paratlan : 0;
        v.Min = v.Max = {also, std::max(also, std::min(s.Paros, k))};
    }
    min = KorlatonBelul(min, v.Min);
    max = KorlatonBelul(max, v.Max);
    MinMaxIgazitas(min, max, valtozott == MinMaxMezo::Max);
    return v;
}

IsmetNezet IsmetNormalizalas(TetelLap lap, TIsmetFeltetel& r, const TetelKornyezet& e, IsmetMezo valtozott,
                             bool kijeloles)
{
    IsmetNezet v;
    const Szamlalok s = szamlalok(lap, e.Jelzok);
    const std::int32_t k = e.VariacioFoMeret;
    const std::string szo = leiras(lap).Szo;
    if (k < 1 || s.IsmetEgy <= 0) {
        v.Ervenytelen = true;
        return v;
    }
    // What the selection allows.
    if (lap != TetelLap::Szamjegy) {
        if (s.IsmetCsoportDb == 1 || k < 3) {
            v.Tag = 1;
            v.Uzenet = "A kijelölt számsor alapján, csak egy " + szo + " ismétlődhet.";
        } else if (s.IsmetCsoportDb >= 2 && s.IsmetEgy + s.CsoportDb < k) {
            v.Tag = 2;
            v.Uzenet = "A kijelölt számsor alapján, csak több " + szo + " ismétlődhet.";
        }
        if (!kijeloles) v.Uzenet.clear();
    }
    if (v.Tag == 1) r.Szama = 1;
    if (v.Tag == 2) {
        r.Szama = 0;
        r.CsakTobb = 1;
    }
    r.Szama = r.Szama ? 1 : 0;
    const bool egy = r.Szama == 1;

    // Limits of both up-downs.
    std::int32_t also = 0, felso = 0;
    switch (lap) {
    case TetelLap::Szamcsoport:
        also = e.LottoIndex == kKeno10 ? 1 : 0;
        felso = std::min(k - 1, s.IsmetOsszes);
        if (egy || v.Tag == 1) felso = std::min(felso, s.IsmetEgy);
        break;
    case TetelLap::Szamvegzodes:
        felso = std::min(k - 1, s.IsmetOsszes);
        if (v.Tag == 1) felso = std::min(felso, s.IsmetEgy);
        break;
    case TetelLap::Szamjegy:
        also = e.LottoIndex == kKeno10 ? 1 : 0;
        felso = k + k / 2;
        if (egy) felso = std::min({felso, s.IsmetEgy, k});
        felso = std::min(felso, s.IsmetOsszes);
        break;
    }
    if (v.Tag == 2) also = 2;
    v.Min = v.Max = {also, std::max(also, felso)};
    r.Min = KorlatonBelul(r.Min, v.Min);
    r.Max = KorlatonBelul(r.Max, v.Max);
    MinMaxIgazitas(r.Min, r.Max, valtozott == IsmetMezo::Max);

    // "Csak több": only with several repeating items, "Több" and a minimum
    // above 1; where the selection demands several, it stays ticked.
    v.CsakTobbEnabled = r.Allapot && s.IsmetCsoportDb >= 2 && v.Tag != 2 && !egy && r.Min > 1;
    if (!v.CsakTobbEnabled && v.Tag != 2) r.CsakTobb = 0;
    r.CsakTobb = r.CsakTobb ? 1 : 0;

    if (r.CsakTobb)
        v.LogTipp = " Csak több " + szo + " ismétlődhet egy számsorban. ";
    else if (egy)
        v.LogTipp = " Egy " + szo + " ismétlődhet egy számsorban. ";
    else
        v.LogTipp = " Egy vagy több " + szo + " ismétlődhet egy számsorban. ";
    if (r.Max == 0) {
        v.EditTipp = " Nem ismétlődhet " + szo + " egy számsorban. ";
    } else {
        v.EditTipp = std::string(" ") + (egy ? "Egy" : r.CsakTobb ? "Csak több" : "Egy vagy több") + " " + szo +
                     " ismétlődhet egy számsorban, " +
                     (r.Min == r.Max ? "pontosan " + szam(r.Min) + " esetben. "
                                     : "minimum " + szam(r.Min) + ", maximum " + szam(r.Max) + " esetben. ");
    }
    return v;
}

std::int32_t TetelTalalatMax(TetelLap lap, std::int32_t kod, const TetelKornyezet& e)
{
    std::int32_t k = e.VariacioFoMeret;
    if (lap == TetelLap::Szamjegy && kod >= 1 && kod <= 9) {
        const std::int32_t ketszer = 11 * kod;
        const std::int32_t n = std::min<std::int32_t>(e.KijeloltFoSzamDb, static_cast<std::int32_t>(e.KijeloltSzamok.size()));
        for (std::int32_t i = 0; i < n; ++i)
            if (e.KijeloltSzamok[static_cast<std::size_t>(i)] == ketszer) {
                ++k;
                break;
            }
    }
    return std::max(0, std::min(darab(lap, kod, e), k));
}

TetelesNezet TetelesNormalizalas(TetelLap lap, TTetelesFeltetel& r, std::int32_t& akt, const TetelKornyezet& e,
                                 TetelesMezo valtozott, bool fel)
{
    TetelesNezet v;
    const Szamlalok s = szamlalok(lap, e.Jelzok);
    if (e.VariacioFoMeret < 1 || s.CsoportDb < 2) {
        v.Ervenytelen = true;
        return v;
    }
    v.Db = {1, std::min<std::int32_t>(s.CsoportDb, 10)};
    r.Db = KorlatonBelul(r.Db, v.Db);
    v.Akt = {1, r.Db};
    akt = KorlatonBelul(akt, v.Akt);
    v.Kod = tetelTartomany(lap, e);
    // Every entry in use stays valid, not only the one shown: the engine and
    // the check read them all.
    for (std::int32_t i = 0; i < r.Db; ++i) {
        TTetel& t = r.Tetel[static_cast<std::size_t>(i)];
        const bool ez = i == akt - 1;
        t.Kod = lepes(lap, t.Kod, ez ? fel : true, e);
        const Korlat talalat{0, TetelTalalatMax(lap, t.Kod, e)};
        t.TalalatMin = KorlatonBelul(t.TalalatMin, talalat);
        t.TalalatMax = KorlatonBelul(t.TalalatMax, talalat);
        MinMaxIgazitas(t.TalalatMin, t.TalalatMax, ez && valtozott == TetelesMezo::TalalatMax);
    }
    const TTetel& t = r.Tetel[static_cast<std::size_t>(akt - 1)];
    v.TalalatMin = v.TalalatMax = {0, TetelTalalatMax(lap, t.Kod, e)};
    v.NevLabel = std::string("  ") + TetelNev(lap, t.Kod) + "  ";
    v.NevTipp = " Variációra kijelölve \r\n";
    for (std::int32_t i = 0; i < 10; ++i) {
        if (i > 0) v.NevTipp += "\r\n";
        v.NevTipp += std::string(" ") + TetelNev(lap, i) + ": " + szam(darab(lap, i, e)) + " ";
    }
    v.DbTipp = TetelesListaja(lap, r);
    v.MindenTipp = leiras(lap).MindenTipp;
    return v;
}

void TetelesMinden(TetelLap lap, TTetelesFeltetel& r, std::int32_t& akt, const TetelKornyezet& e, std::int32_t min,
                   std::int32_t max, bool shift)
{
    const Szamlalok s = szamlalok(lap, e.Jelzok);
    if (shift) r.Db = std::min<std::int32_t>(s.CsoportDb, 10);
    const std::int32_t db = std::clamp(r.Db, 0, 10);
    std::int32_t i = 0;
    for (std::int32_t kod = 0; kod < 10 && i < db; ++kod) {
        const std::int32_t c = darab(lap, kod, e);
        if (c == 0) continue;
        TTetel& t = r.Tetel[static_cast<std::size_t>(i++)];
        t.Kod = kod;
        t.TalalatMin = std::min(c, min);
        t.TalalatMax = std::min(c, max);
    }
    if (shift) akt = 1;
    TetelesNormalizalas(lap, r, akt, e, TetelesMezo::Nincs, true);
}

std::int32_t MinimumDupla(std::int32_t min, std::int32_t max) { return min < max ? max : 0; }

std::int32_t MaximumDupla(std::int32_t min, std::int32_t max, std::int32_t felso) { return max < felso ? felso : min; }

std::string TetelesList(TetelLap lap, const TTetelesFeltetel& r, std::int32_t i)
{
    const TTetel& t = r.Tetel[static_cast<std::size_t>(std::clamp(i, 0, 9))];
    return Format("%3.0d", {i + 1}) + ". " + TetelNev(lap, t.Kod) + leiras(lap).Ragos + szam(t.TalalatMin) +
           ", maximum " + szam(t.TalalatMax) + " találat elérése. ";
}

std::string TetelesListaja(TetelLap lap, const TTetelesFeltetel& r)
{
    std::string s = leiras(lap).Tobbes;
    const std::int32_t db = std::clamp(r.Db, 0, 10);
    for (std::int32_t i = 0; i < db; ++i) s += "\r\n" + TetelesList(lap, r, i);
    return s;
}

}  // namespace kvx
