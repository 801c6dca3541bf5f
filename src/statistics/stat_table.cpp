#include "statistics/stat_table.h"

#include "common/delphi_format.h"
#include "common/numbering.h"

#include <array>

namespace kvx {

namespace {

constexpr StatMenu F = StatMenu::Foszelveny;
constexpr StatMenu V = StatMenu::Variacio;
constexpr StatMenu A = StatMenu::Adatbazis;
constexpr bool D = true;   // chart
constexpr bool T = false;  // text report

const std::array<StatLeiras, 33> kTabla = {{
    {1, F, "Hányszor húzták", D, 0, true},
    {2, F, "Hány húzás óta...", D, 0, true},
    {3, V, "Gyakorisági eloszlás", D, 1, true},
    {4, A, "Találati arányok", T, 0, true},
    {5, A, "Páros-páratlan", T, 0, true},
    {6, A, "Ismétlődés", T, 0, true},
    {7, A, "Események", T, 0, true},
    {8, A, "Számsorok összege", D, 0, true},
    {9, A, "Számsorok szórása", D, 0, true},
    {10, V, "Páros-páratlan", T, 1, true},
    {11, V, "Ismétlődés", T, 1, true},
    {12, V, "Találati arányok", T, 1, true},
    {13, V, "Események", T, 1, true},
    {14, V, "Számsorok összege", D, 1, true},
    {15, V, "Számsorok szórása", D, 1, true},
    {16, V, "Számsorok terjedelme", D, 1, true},
    {17, A, "Számsorok terjedelme", D, 0, true},
    {18, V, "Szomszédos számok", T, 1, true},
    {19, V, "Szomszédos számok", D, 1, true},
    {20, A, "Szomszédos számok", T, 0, true},
    {21, A, "Szomszédos számok", D, 0, true},
    {22, A, "Számpárok", D, 0, true},
    {23, V, "Számpárok", D, 1, true},
    {24, A, "Számsorok eloszlása", D, 0, true},
    {25, V, "Számsorok eloszlása", D, 1, true},
    {26, A, "Egymást követő számok", D, 0, true},
    {27, V, "Egymást követő számok", D, 1, true},
    {28, A, "Számkészletek", D, 0, true},
    {29, V, "Számkészletek", D, 1, true},
    {30, A, "Számkészletek", T, 0, true},
    {31, V, "Számkészletek", T, 1, true},
    {32, V, "Egymást követő számsorok", D, 1, true},
    {33, A, "Egymást követő számsorok", D, 0, true},
}};

bool egyike(std::int32_t t, std::initializer_list<std::int32_t> l)
{
    for (std::int32_t x : l)
        if (x == t)
            return true;
    return false;
}

std::string ezres(std::int64_t v) { return FormatThousands(v); }

}  // namespace

const StatLeiras* StatLeirasTag(std::int32_t tag)
{
    if (tag < 1 || tag > 33)
        return nullptr;
    return &kTabla[static_cast<std::size_t>(tag - 1)];
}

const std::vector<std::int32_t>& StatMenuPontok(StatMenu m)
{
    constexpr std::int32_t E = kElvalaszto;
    constexpr std::int32_t R = kRejtettElvalaszto;
    static const std::vector<std::int32_t> fo = {1, 2, E, kFoszelvenyTartomany, E, kFoszelvenyReset};
    static const std::vector<std::int32_t> var = {3,  E,  10, 11, 12, 13, E,  18, 19, 27, 31, 29, E,
                                                  14, 15, 16, 32, 25, R,  23, E,  kVariacioReset};
    static const std::vector<std::int32_t> adb = {5,  6,  4,  7, E,  20, 21, 26, 30, 28, E, 8,
                                                  9,  17, 33, 24, R, 22, E,  kAdatbazisTartomany, E, kAdatbazisReset};
    switch (m) {
    case StatMenu::Foszelveny: return fo;
    case StatMenu::Variacio: return var;
    default: return adb;
    }
}

StatMunkavaltozok MunkavaltozokBeallitasa(std::int32_t t, const StatKornyezet& k)
{
    const GameParams& g = k.Jatek;
    StatMunkavaltozok v;
    v.TalalatiAranyStat = egyike(t, {4, 12});
    v.SzorasStat = egyike(t, {9, 15});
    v.SzamparStat = egyike(t, {22, 23});
    v.SzomszedosDiagramStat = egyike(t, {19, 21});
    v.SzomszedosListaStat = egyike(t, {18, 20});
    v.TerjedelemStat = egyike(t, {16, 17});
    v.OsszegStat = egyike(t, {8, 14});
    v.EloszlasStat = egyike(t, {24, 25});
    v.EgymastKovetoSzamStat = egyike(t, {26, 27});
    v.SzamkeszletDiagramStat = egyike(t, {28, 29});
    v.SzamkeszletListaStat = egyike(t, {30, 31});
    v.EgymastKovetoSorStat = egyike(t, {32, 33});

    v.PluszKulon = g.VanPluszSzam && t > 4 && t != 12 && !v.EloszlasStat && !v.EgymastKovetoSorStat &&
                   (!v.SzamparStat || g.PluszSzamDb == 1);
    v.TalalatLepes = g.PotSzamTalalat && t == 12 ? 1 : g.TalalatSzorzo;
    v.StatForras = (t == 3 || (t > 9 && !egyike(t, {17, 20, 21, 22, 24, 26, 28, 30, 33}))) ? 1 : 0;
    v.TeljesMeret = v.StatForras == 1 && !k.HuzasSzamsorVariacio ? k.ABSZ : k.TeljesVariacioMeret;
    v.TeljesMeretSzazad = static_cast<double>(v.TeljesMeret) / 100.0;
    v.DiagramStat = t < 4 || t == 8 || t == 9 || (t >= 14 && t <= 17) || v.EloszlasStat || v.EgymastKovetoSorStat ||
                    v.SzomszedosDiagramStat || v.SzamparStat || v.EgymastKovetoSzamStat || v.SzamkeszletDiagramStat;

    std::int32_t K = 0;
    if (t < 3) {
        v.VizsgaltSorDb = k.FoSorok;
        v.VizsgaltPluszDb = k.FoPlusz;
        v.TartomanyElso = k.FoElso;
        v.TartomanyUtolso = k.FoUtolso;
        K = g.HuzottFoSzamok;
        v.VizsgaltSzamOsszes = g.HuzottFoSzamok * v.VizsgaltSorDb;
    } else if (v.StatForras == 0) {
        v.VizsgaltSorDb = k.AdbSorok;
        v.VizsgaltPluszDb = k.AdbPlusz;
        v.TartomanyElso = k.AdbElso;
        v.TartomanyUtolso = k.AdbUtolso;
        v.VizsgaltSzamOsszes =
            v.VizsgaltSorDb * (g.VanPluszSzam && t != 4 ? g.HuzottFoSzamokPluszNelkul : g.HuzottFoSzamok);
        const bool szomszedos = v.SzomszedosDiagramStat || v.SzomszedosListaStat;
        if ((szomszedos && !g.VanPluszSzam) || v.EloszlasStat || v.EgymastKovetoSorStat) {
            K = g.HuzottFoSzamok;
            v.VizsgaltSzamOsszes = g.HuzottFoSzamok * v.VizsgaltSorDb;
        } else {
            K = g.HuzottFoSzamokPluszNelkul;
        }
        // A game whose lines are shorter than its draws.
        if (g.LottoIndex == 17 && v.DiagramStat && t != 21 && g.SzamsorHossz < g.HuzottFoSzamok) {
            K = g.HuzottFoSzamok - 1;
            v.VizsgaltSzamOsszes = g.HuzottFoSzamok * v.VizsgaltSorDb;
        }
    } else {
        v.VizsgaltSorDb = k.BontSzelvszam;
        v.VizsgaltPluszDb = 0;
        v.TartomanyElso = 1;
        v.TartomanyUtolso = k.BontSzelvszam;
        const bool tobbsor = v.EloszlasStat || v.EgymastKovetoSorStat;
        std::int32_t perSor = 0;
        if (g.VanPluszSzam && t != 12)
            perSor = k.HuzasSzamsorVariacio ? g.SzamsorFoSzamDb : k.VariacioFoMeret;
        else
            perSor = k.HuzasSzamsorVariacio ? g.SzamsorHossz : k.VariacioMeret;
        v.VizsgaltSzamOsszes = perSor * v.VizsgaltSorDb;
        if (k.HuzasSzamsorVariacio)
            K = tobbsor ? g.SzamsorHossz : g.SzamsorFoSzamDb;
        else
            K = (tobbsor ? g.SzamsorHossz : g.SzamsorFoSzamDb) - k.FixSzamDb;
        if ((egyike(t, {3, 18, 19}) && g.PluszSzamDb > 1) || tobbsor)
            v.VizsgaltSzamOsszes = v.VizsgaltSorDb * K;
    }
    v.VizsgaltSzamDb = K;
    v.VizsgaltSzamDbMax = K - 1;
    v.SzazalekEgyseg = v.VizsgaltSorDb / 100;
    // The neighbours chart's expected count comes from the counts it shows,
    // so it has one for either source.
    v.VanElmeleti = t == 2 || v.SzomszedosDiagramStat ||
                    (((v.SzorasStat && K > 2) || v.TerjedelemStat || v.OsszegStat) &&
                     (v.StatForras == 0 || !k.KijeloltNemSzomszedos));
    return v;
}

std::string InditasElutasitas(std::int32_t t, const StatKornyezet& k)
{
    const GameParams& g = k.Jatek;
    const char* egySor = "Egy számsor esetén nem értelmezett a kért statisztika.";
    if ((t == 25 || t == 32) && k.BontSzelvszam < 2)
        return egySor;
    if ((t == 24 || t == 33) && k.AdbSorok < 2)
        return egySor;
    if (g.KenoJatek && (t == 24 || t == 33) && k.HuzasMeret > 10) {
        const std::int32_t n = k.HuzasMeret;
        const std::int64_t c = BinomalisEgyutthato(g.OsszesSzam, n).value_or(1);
        return "A vizsgált számsorok " + std::to_string(n) + " számból állnak" + "\r\n\r\n" +
               "Az aktuális verzió nem kezel ilyen számsorokat." + "\r\n" + std::to_string(n) +
               "/80 teljes variációja: " + ezres(c) + " számsor";
    }
    return {};
}

bool TalalatiAranyTulMeretes(const StatMunkavaltozok& v)
{
    return v.TalalatiAranyStat && v.VizsgaltSzamOsszes > kTalalatiAranyHatar;
}

InditasDontes TalalatiAranyDontes(std::int32_t tag, std::int32_t elozo, const StatKornyezet& k)
{
    InditasDontes d;
    if (!TalalatiAranyTulMeretes(MunkavaltozokBeallitasa(tag, k))) {
        d.Tag = tag;
        return d;
    }
    d.Uzenet = kTalalatiAranyTulMeretes;
    // The previous statistic instead, checked as strictly: falling back must
    // not start the quadratic run that was just refused.
    const StatLeiras* e = StatLeirasTag(elozo);
    if (e && e->Kesz && elozo != tag && !TalalatiAranyTulMeretes(MunkavaltozokBeallitasa(elozo, k)) &&
        InditasElutasitas(elozo, k).empty())
        d.Tag = elozo;
    return d;
}

std::string StatAblakFelirat(std::int32_t tag, const StatMunkavaltozok& v, const std::string& adatbazisFelirat)
{
    const StatLeiras* l = StatLeirasTag(tag);
    std::string forras = v.StatForras == 1 ? "Variáció" : (tag == 1 || tag == 2) ? "Főszelvény" : adatbazisFelirat;
    return " Statisztika - " + forras + " - " + (l ? l->Felirat : "");
}

std::string FejlecSzoveg(std::int32_t t, const StatMunkavaltozok& v, const StatKornyezet& k, std::int32_t bars,
                         const std::string& bontasFejlec)
{
    const GameParams& g = k.Jatek;
    const std::string W = g.VanPluszSzam ? " törzsszám" : " szám";
    const std::int32_t rows = v.VizsgaltSorDb;
    const std::int32_t K = v.VizsgaltSzamDb;
    // Extra-pool numbers among the examined ones: one part of each row.
    const std::int32_t pluszDb = g.VanPluszSzam ? rows * g.PluszSzamDb : 0;
    std::string s;
    auto pluszResz = [&](std::int32_t szamok) {
        std::string r = ", " + ezres(szamok) + W;
        if (g.VanPluszSzam && !v.PluszKulon)
            r += ", " + ezres(pluszDb) + g.PluszSzamNev + " szám";
        return r;
    };
    if (v.StatForras == 1) {
        if (t == 3)
            s = "Tartomány: " + bontasFejlec + ezres(k.BontSzelvszam) + " számsorra - " + ezres(bars) +
                " szám gyakorisági eloszlása";
        else if (t == 12)
            s = "Tartomány: Variáció " + ezres(rows) + " számsora, " + ezres(v.VizsgaltSzamOsszes) + " szám";
        else if (v.EgymastKovetoSorStat || t == 25)
            s = "Tartomány: Variáció " + ezres(rows) + " számsora";
        else if (t == 29)
            s = "Tartomány: Variáció " + ezres(rows) + " számsora, " + ezres(bars) + W;
        else
            s = "Tartomány: Variáció " + ezres(rows) + " számsora" + pluszResz(v.VizsgaltSzamOsszes);
    } else {
        const std::string alap = "Tartomány: " + ezres(v.TartomanyElso) + ". - " + ezres(v.TartomanyUtolso) +
                                 ". húzások alapján " + ezres(rows) + " számsor";
        if (t == 4)
            s = alap + ", " + ezres(static_cast<std::int64_t>(g.HuzottFoSzamok) * rows) + " szám";
        else if (v.EgymastKovetoSorStat || t == 24)
            s = alap;
        else if (t == 28)
            s = alap + ", " + ezres(bars) + W;
        else {
            std::int32_t szamok = v.VizsgaltSzamOsszes;
            if (t <= 3 && g.VanPluszSzam)
                szamok -= pluszDb;
            s = alap + pluszResz(szamok);
        }
    }
    if (v.EgymastKovetoSzamStat)
        s += ", " + ezres(static_cast<std::int64_t>(rows) * (K - 1)) + " eset";
    if (v.EgymastKovetoSorStat)
        s += ", " + ezres(rows - 1) + " eset";
    if (v.StatForras == 1) {
        if (k.FixSzamDb > 0) {
            s += k.FixSzamDb > 1 ? " - fix számok" : " - fix szám";
            s += t == 12 ? (k.FixSzamDb > 1 ? " találatok" : " találat") : " kivételével";
        }
        if (k.HuzasSzamsorVariacio)
            s += " - a húzások számsoraiból";
    } else {
        if (g.VanPotSzam) {
            if (t == 1 || t == 2 || t == 4)
                s += ", " + ezres(v.VizsgaltPluszDb) + " plusz szám";
            else
                s += " - plusz számok kivételével";
        }
        if (K != g.SzamsorHossz && t != 3 && !g.VanPluszSzam)
            s += " - " + std::to_string(K) + " számot sorsolnak";
    }
    if (v.PluszKulon)
        s += " -" + g.PluszSzamNev + " szám" +
             ((k.KijeloltPluszSzamDb > 1 || v.StatForras == 0) ? "ok" : "") + " kivételével";
    return s;
}

}  // namespace kvx
