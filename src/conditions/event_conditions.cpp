#include "conditions/event_conditions.h"

#include <algorithm>

namespace kvx {

namespace {

std::string szam(std::int64_t v) { return std::to_string(v); }

EsemenyMinMaxNezet minMaxNezet(TMinMaxFeltetel& r, std::int32_t felso, bool ervenytelen, MinMaxMezo valtozott)
{
    EsemenyMinMaxNezet v;
    if (ervenytelen) {
        v.Ervenytelen = true;
        return v;
    }
    v.Min = v.Max = {0, std::max(0, felso)};
    r.Min = KorlatonBelul(r.Min, v.Min);
    r.Max = KorlatonBelul(r.Max, v.Max);
    MinMaxIgazitas(r.Min, r.Max, valtozott == MinMaxMezo::Max);
    return v;
}

std::string pontosanVagy(std::int32_t min, std::int32_t max)
{
    return min == max ? std::string(" Pontosan ") : " Minimum " + szam(min) + ", maximum ";
}

// Mobil and Fix: the hits maximum follows the group size; the minimum rises
// while the groups together could not hold a whole line. The size comes
// from a record too, so it is held within 2..its maximum first and the
// rise stops at the maximum: a size of 0 would otherwise never end it.
void csoport(std::int32_t& meret, std::int32_t& talalat, bool be, std::int32_t meretMax, const EsemenyKornyezet& e,
             Korlat& meretKorlat, Korlat& talalatKorlat)
{
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    meretKorlat = {2, std::max(2, meretMax)};
    meret = KorlatonBelul(meret, meretKorlat);
    const std::int32_t tMax = std::max(1, meret > k ? k - 1 : meret - 1);
    std::int32_t tMin = 1;
    if (be) {
        const double csoportok = static_cast<double>(n) / static_cast<double>(meret);
        while (tMin < tMax && static_cast<double>(k - 1) >= csoportok * tMin) ++tMin;
    }
    talalatKorlat = {tMin, tMax};
    talalat = KorlatonBelul(talalat, talalatKorlat);
}

std::string sorrendTipp(bool be, const EsemenyKornyezet& e)
{
    const SzamJelzok& j = e.Jelzok;
    const std::string egyenes = " 1-" + szam(e.FoSzamKeszlet) + "-ig terjedő számegyenesen ";
    if (be)
        return (j.Rendezett ? " Aktuális számsorrend: " + j.SzamsorrendNeve
                            : std::string(" A variációra kijelölt számok sorrendjétől függetlenül. ")) +
               "\r\n" + egyenes + "szomszédos számok. ";
    return " Választott számsorrend: " + j.SzamsorrendNeve + "\r\n" +
           (j.VanSzomszedos ? std::string(" A variációra kijelölt számok sorrendje szerint szomszédos. ")
                            : egyenes + "nem lehetséges szomszédos szám. ");
}

}  // namespace

const char* const kTukorTorlesKerdes =
    "A beállított értékeket alkalmazva, nincs értelme a Tükör számpár feltétel kijelölésének.\r\n\r\nTörli a Tükör "
    "számpár feltétel kijelölését?";
const char* const kIkerTorlesKerdes =
    "A beállított értékeket alkalmazva, nincs értelme az Ikerszám feltétel kijelölésének.\r\n\r\nTörli az Ikerszám "
    "feltétel kijelölését?";
const char* const kIkerNemErtelmezheto = "A Tükör számpár feltétel beállításai szerint, nem értelmezhető az Ikerszám feltétel.";
const char* const kTukorNemErtelmezheto = "Az Ikerszám feltétel beállításai szerint, nem értelmezhető a Tükör számpár feltétel.";

EsemenyKornyezet EsemenyKornyezetKeszites(const SzamListak& l, const GameParams& g, const SzamJelzok& j)
{
    EsemenyKornyezet e;
    e.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    e.VariacioFoMeret = l.VariacioFoMeret;
    e.FoSzamKeszlet = g.FoSzamKeszlet;
    e.KijeloltSzamok = l.KijeloltSzamok;
    e.Jelzok = j;
    return e;
}

EsemenyMinMaxNezet IkerszamNormalizalas(TMinMaxFeltetel& r, const EsemenyKornyezet& e, MinMaxMezo valtozott)
{
    const std::int32_t db = e.Jelzok.IkerszamMaxUD;
    return minMaxNezet(r, std::min(e.VariacioFoMeret, db), db <= 0 || e.VariacioFoMeret < 1, valtozott);
}

EsemenyMinMaxNezet TukorszamNormalizalas(TMinMaxFeltetel& r, const EsemenyKornyezet& e, MinMaxMezo valtozott)
{
    const std::int32_t db = e.Jelzok.TukorszamMaxUD;
    return minMaxNezet(r, std::min(db, e.VariacioFoMeret / 2), db <= 0 || e.VariacioFoMeret < 2, valtozott);
}

EsemenyMinMaxNezet PrimszamNormalizalas(TMinMaxFeltetel& r, const EsemenyKornyezet& e, MinMaxMezo valtozott)
{
    std::int32_t db = 0;
    std::string tipp = " Prímszámok: \r\n";
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(std::max(0, e.KijeloltFoSzamDb)),
                                                std::min(e.KijeloltSzamok.size(), e.Jelzok.SzamJelzo.size()));
    for (std::size_t i = 0; i < n; ++i)
        if (e.Jelzok.SzamJelzo[i] & JelzoPrim) {
            ++db;
            tipp += ' ';
            tipp += szam(e.KijeloltSzamok[i]);
            tipp += ' ';
        }
    EsemenyMinMaxNezet v = minMaxNezet(r, std::min(db, e.VariacioFoMeret), db == 0 || e.VariacioFoMeret < 1, valtozott);
    v.ILTipp = tipp;
    return v;
}

bool IkerTukorKerdes(const FeltetelRekordok& f, std::int32_t k)
{
    return f.TukorszamFeltetel.Allapot && f.TukorszamFeltetel.Max == 0 && k - f.IkerszamFeltetel.Min < 2;
}

bool IkerTukorTiltas(const FeltetelRekordok& f, std::int32_t k)
{
    return f.TukorszamFeltetel.Allapot && k == 2 * f.TukorszamFeltetel.Min;
}

bool TukorIkerKerdes(const FeltetelRekordok& f, std::int32_t k)
{
    return f.IkerszamFeltetel.Allapot && f.IkerszamFeltetel.Max == 0 && 2 * f.TukorszamFeltetel.Max == k;
}

bool TukorIkerTiltas(const FeltetelRekordok& f, std::int32_t k)
{
    return f.IkerszamFeltetel.Allapot && k - f.IkerszamFeltetel.Min < 2;
}

bool SzomszedosMobErtelmezheto(const EsemenyKornyezet& e)
{
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    return k >= 2 && n >= 2 * k - 1;
}

bool SzomszedosFixErtelmezheto(const EsemenyKornyezet& e)
{
    const std::int32_t n = e.KijeloltFoSzamDb, k = e.VariacioFoMeret;
    return k >= 2 && n / 2 >= k;
}

bool SzamsorrendK(bool allapot, const SzamJelzok& j)
{
    if (!j.VanSzomszedos) return false;
    if (j.Rendezett) return true;
    return allapot;
}

std::string NincsSzomszedosUzenet(const EsemenyKornyezet& e)
{
    return " Az 1-" + szam(e.FoSzamKeszlet) + "-ig terjedő számegyenesen nem lehetséges szomszédos szám. ";
}

SzomszedNezet SzomszedosValtozas(TSzomszedosFeltetel& r, const EsemenyKornyezet& e, SzomszedMezo valtozott,
                                 std::int32_t ertek)
{
    SzomszedNezet v;
    const std::int32_t n = e.KijeloltFoSzamDb, k = std::max(0, e.VariacioFoMeret);
    r.Alt = r.Alt ? 1 : 0;
    r.Mob = r.Mob ? 1 : 0;
    r.Fix = r.Fix ? 1 : 0;
    r.Allapot = (r.Alt || r.Mob || r.Fix) ? 1 : 0;

    // The value the user gave.
    switch (valtozott) {
    case SzomszedMezo::AltMin:
    case SzomszedMezo::AltMax: {
        std::int32_t& mezo = valtozott == SzomszedMezo::AltMin ? r.SzomszedMin : r.SzomszedMax;
        if (ertek == 1) {
            const std::int32_t uj = mezo >= 2 ? 0 : 2;
            r.SzomszedMin = r.SzomszedMax = uj;
        } else {
            mezo = ertek;
        }
        break;
    }
    case SzomszedMezo::EsetMin: r.EsetMin = ertek; break;
    case SzomszedMezo::EsetMax: r.EsetMax = ertek; break;
    case SzomszedMezo::MobMeret: r.MobMeret = ertek; break;
    case SzomszedMezo::MobTalalat: r.MobTalalatMax = ertek; break;
    case SzomszedMezo::FixMeret: r.FixMeret = ertek; break;
    case SzomszedMezo::FixTalalat: r.FixTalalatMax = ertek; break;
    case SzomszedMezo::Nincs: break;
    }

    // Egy számsorban: run lengths 0..k but never 1.
    v.AltMin = v.AltMax = {0, k};
    for (std::int32_t* m : {&r.SzomszedMin, &r.SzomszedMax}) {
        *m = KorlatonBelul(*m, v.AltMin);
        if (*m == 1) *m = k >= 2 ? 2 : 0;
    }
    MinMaxIgazitas(r.SzomszedMin, r.SzomszedMax, valtozott == SzomszedMezo::AltMax);
    v.EsetMin = {0, k / 2};
    v.EsetMax = {0, r.SzomszedMin == 0 ? k : k / r.SzomszedMin};
    r.EsetMin = KorlatonBelul(r.EsetMin, v.EsetMin);
    r.EsetMax = KorlatonBelul(r.EsetMax, v.EsetMax);
    MinMaxIgazitas(r.EsetMin, r.EsetMax, valtozott == SzomszedMezo::EsetMax);
    r.EsetMin = std::min(KorlatonBelul(r.EsetMin, v.EsetMin), r.EsetMax);
    r.EsetMax = KorlatonBelul(r.EsetMax, v.EsetMax);
    v.EsetLathato = r.SzomszedMax > 1;
    v.AltMaxLabel = std::string("   szomszédos szám lehet") + (r.SzomszedMax == 0 ? "." : "");
    v.AltTipp = r.SzomszedMax == 0 ? std::string(" Nem lehetnek szomszédos számok egy számsorban. ")
                                   : pontosanVagy(r.SzomszedMin, r.SzomszedMax) + szam(r.SzomszedMax) +
                                         " szomszédos szám lehet egy számsorban. ";
    v.EsetTipp = pontosanVagy(r.EsetMin, r.EsetMax) + szam(r.EsetMax) +
                 " esetben lehet szomszédos szám egy számsorban. ";

    // Mobil and Fix groups.
    csoport(r.MobMeret, r.MobTalalatMax, r.Mob, n - k + 1, e, v.MobMeret, v.MobTalalat);
    csoport(r.FixMeret, r.FixTalalatMax, r.Fix, n / 2, e, v.FixMeret, v.FixTalalat);
    v.MobMeretTipp = " A mobil számcsoportok " + szam(r.MobMeret) + " szomszédos számból állnak. ";
    v.MobTalalatTipp = " Egy mobil számcsoportból, maximum " + szam(r.MobTalalatMax) + " találat elérése. ";
    v.FixMeretTipp = " A fix számcsoportok " + szam(r.FixMeret) + " szomszédos számból állnak. ";
    v.FixTalalatTipp = " Egy fix számcsoportból, maximum " + szam(r.FixTalalatMax) + " találat elérése. ";

    // The order boxes as the selection forces them.
    if (r.Allapot) {
        r.AltSorrend = SzamsorrendK(r.AltSorrend, e.Jelzok) ? 1 : 0;
        r.MobSorrend = SzamsorrendK(r.MobSorrend, e.Jelzok) ? 1 : 0;
        r.FixSorrend = SzamsorrendK(r.FixSorrend, e.Jelzok) ? 1 : 0;
    }
    v.SorrendTipp[0] = sorrendTipp(r.AltSorrend, e);
    v.SorrendTipp[1] = sorrendTipp(r.MobSorrend, e);
    v.SorrendTipp[2] = sorrendTipp(r.FixSorrend, e);
    return v;
}

}  // namespace kvx
