#include "statistics/text_reports.h"

#include "common/delphi_format.h"
#include "common/numbering.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kvx {

namespace {

std::int32_t kerek(double v) { return static_cast<std::int32_t>(std::lround(v)); }

std::string ez(std::int64_t v) { return FormatThousands(v); }

std::string jobbra(const std::string& s, std::size_t w) { return s.size() >= w ? s : std::string(w - s.size(), ' ') + s; }

std::string ezw(std::int64_t v, std::size_t w) { return jobbra(ez(v), w); }

// A share in percent; a base of 0 shows 0 rather than dividing by it.
std::string szazalek(double v, double alap, const char* fmt)
{
    return Format(fmt, {alap > 0 ? v / (alap / 100.0) : 0.0}) + "%";
}

using Reszek = std::array<std::string, 7>;

class Iro {
public:
    explicit Iro(const JelentesMeretek& m)
        : m_(m), lh_(kerek(18 * m.MeretSzorzo)), y0_(kerek(30 * m.MeretSzorzo)), bal_(m.MeretIndex + 10)
    {
    }
    std::int32_t Bal() const { return bal_; }
    std::int32_t Lh() const { return lh_; }
    std::int32_t Y(std::int32_t n) const { return y0_ + n * lh_; }
    std::int32_t Sor() const { return sor_; }
    void Ugras(std::int32_t n) { sor_ = n; }
    void Ures() { ++sor_; }

    // The report's lines start at y0 instead.
    void Kezdet(std::int32_t y0) { y0_ = y0; }

    // One report line of seven segments at x on line n; returns the pen's x.
    std::int32_t Kiir(std::int32_t x, std::int32_t n, const Reszek& s) { return KiirY(x, Y(n), s); }
    // The same at a y of its own.
    std::int32_t KiirY(std::int32_t x, std::int32_t y, const Reszek& s)
    {
        static constexpr JelentesSzin szin[7] = {JelentesSzin::Szoveg,   JelentesSzin::Ertek,  JelentesSzin::Szoveg,
                                                 JelentesSzin::Szazalek, JelentesSzin::Szoveg, JelentesSzin::Ertek,
                                                 JelentesSzin::Szoveg};
        static constexpr std::int32_t hezag[7] = {0, 1, 1, 5, 1, 1, 1};
        std::int32_t toll = x;
        for (std::size_t i = 0; i < 7; ++i) {
            if (s[i].empty())
                continue;
            toll += i == 0 ? 0 : hezag[i];
            k_.Lepesek.push_back({false, toll, y, s[i], szin[i]});
            toll += m_.Szelesseg ? m_.Szelesseg(s[i]) : static_cast<std::int32_t>(s[i].size());
        }
        szeles_ = std::max(szeles_, toll);
        utolsoY_ = std::max(utolsoY_, y);
        return toll;
    }
    // The next line at the left margin.
    std::int32_t Kovetkezo(const Reszek& s) { return Kiir(bal_, sor_++, s); }
    // A band under the last line written.
    void Sav(JelentesSzin sz)
    {
        const std::int32_t y = Y(sor_ - 1) + kerek(15 * m_.MeretSzorzo) / 2 + lh_ - m_.MeretIndex;
        k_.Lepesek.push_back({true, 0, y, {}, sz});
    }
    // A band from y down to alja.
    void Sav(JelentesSzin sz, std::int32_t y, std::int32_t alja) { k_.Lepesek.push_back({true, 0, y, {}, sz, alja}); }
    JelentesKep Kesz()
    {
        k_.Szelesseg = szeles_ + bal_;
        k_.Magassag = utolsoY_ + kerek(23 * m_.MeretSzorzo) + 2;
        return std::move(k_);
    }

private:
    const JelentesMeretek& m_;
    std::int32_t lh_, y0_, bal_;
    std::int32_t sor_ = 0;
    std::int32_t szeles_ = 0, utolsoY_ = 0;
    JelentesKep k_;
};

std::int32_t cella(const TTombInt2D& t, std::int32_t r, std::int32_t c)
{
    if (r < 0 || c < 0 || static_cast<std::size_t>(r) >= t.size() || static_cast<std::size_t>(c) >= t[static_cast<std::size_t>(r)].size())
        return 0;
    return t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

struct Kozos {
    std::int32_t N, T, K;
    std::size_t wK, wN, wT;
    bool adb;
    std::string elotag, lehetseges, joiner;
    std::int32_t fo;
};

Kozos kozos(const JelentesBemenet& b)
{
    Kozos k;
    k.N = b.V.VizsgaltSorDb;
    k.T = b.V.VizsgaltSzamOsszes;
    k.K = b.V.VizsgaltSzamDb;
    k.wK = std::to_string(std::max(k.K, 0)).size();
    k.wN = ez(k.N).size();
    k.wT = ez(k.T).size();
    k.adb = b.V.StatForras == 0;
    k.elotag = k.adb ? "Kihúzott " : "Variált ";
    k.lehetseges = k.adb ? "Kihúzható " : "Variálható ";
    k.joiner = b.Jatek.VanPluszSzam ? " a játék törzsszámaiból - " : " a játék számkészletéből - ";
    k.fo = b.Jatek.FoSzamKeszlet;
    return k;
}

// label, count, " számsor", share of N.
Reszek eloszlasSor(const Kozos& k, const std::string& cimke, std::int64_t db)
{
    return {cimke, ezw(db, k.wN), " számsor", szazalek(static_cast<double>(db), k.N, "%8.4n"), "", "", ""};
}

// The columns of a table: column c's lines start 2 line heights after the
// end of column c - 1's first line. Returns the x of every column.
std::vector<std::int32_t> oszlopok(Iro& w, std::int32_t elso,
                                   const std::vector<std::vector<std::pair<bool, Reszek>>>& oszl)
{
    std::int32_t x = w.Bal();
    std::int32_t sorok = 0;
    std::vector<std::int32_t> xek;
    for (const auto& o : oszl) {
        xek.push_back(x);
        std::int32_t veg = x;
        for (std::size_t i = 0; i < o.size(); ++i) {
            if (!o[i].first)
                continue;
            const std::int32_t v = w.Kiir(x, elso + static_cast<std::int32_t>(i), o[i].second);
            if (i == 0)
                veg = v;
        }
        sorok = std::max(sorok, static_cast<std::int32_t>(o.size()));
        x = veg + 2 * w.Lh();
    }
    w.Ugras(elso + sorok);
    return xek;
}

void parosParatlan(Iro& w, const JelentesBemenet& b, const Kozos& k)
{
    std::vector<std::pair<bool, Reszek>> bal, jobb;
    for (std::int32_t j = 0; j <= k.K; ++j) {
        bal.push_back({true, eloszlasSor(k, ezw(j, k.wK) + " páros - " + ezw(k.K - j, k.wK) + " páratlan számcsoport: ",
                                         cella(b.Tabla, 0, j + 1))});
        jobb.push_back({true, eloszlasSor(k, ezw(j, k.wK + 1) + " páros - " + ezw(k.K - j, k.wK) + " páratlan szám: ",
                                          cella(b.Tabla, 1, j + 1))});
    }
    oszlopok(w, 0, {bal, jobb});
    w.Sav(JelentesSzin::Sav1);
    w.Ures();
    const std::int64_t pcs = TablaOsszeg(b.Tabla, 0), ps = TablaOsszeg(b.Tabla, 1);
    auto osszesito = [&](const std::string& cimke, std::int64_t db) {
        w.Kovetkezo({k.elotag + cimke, ezw(db, k.wT), " szám,", szazalek(static_cast<double>(db), k.T, "%8.4n"),
                     " a(z) ", ezw(k.T, k.wT), " számból"});
    };
    osszesito("páros számcsoport számai összesen   : ", pcs);
    osszesito("páratlan számcsoport számai összesen: ", k.T - pcs);
    w.Ures();
    osszesito("páros számok összesen               : ", ps);
    osszesito("páratlan számok összesen            : ", k.T - ps);
    const SzamTulajdonsagok& t = b.Tul;
    const char* cimkek[4] = {"páros számcsoport   : ", "páratlan számcsoport: ", "páros szám          : ",
                             "páratlan szám       : "};
    if (!k.adb && t.KijeloltStatFoSzamDb < k.fo) {
        const std::int32_t s = t.KijeloltStatFoSzamDb;
        const std::int32_t db[4] = {t.KijeloltParosCsoportDb, s - t.KijeloltParosCsoportDb, t.KijeloltParosDb,
                                    s - t.KijeloltParosDb};
        w.Ures();
        for (int i = 0; i < 4; ++i)
            w.Kovetkezo({std::string("Variálható ") + cimkek[i], Format("%2.0n", {static_cast<double>(db[i])}), " szám,",
                         szazalek(db[i], s, "%6.2n"), " a variációra kijelölt ", Format("%2.0n", {static_cast<double>(s)}),
                         " számból"});
    }
    w.Sav(JelentesSzin::Sav2);
    w.Ures();
    const std::int32_t db[4] = {t.ParosCsoportSzamDb, k.fo - t.ParosCsoportSzamDb, t.ParosSzamDb, k.fo - t.ParosSzamDb};
    for (int i = 0; i < 4; ++i)
        w.Kovetkezo({k.lehetseges + cimkek[i], Format("%2.0n", {static_cast<double>(db[i])}), " szám,",
                     szazalek(db[i], k.fo, "%6.2n"), k.joiner, Format("%2.0n", {static_cast<double>(k.fo)}), " számból"});
}

void ismetlodes(Iro& w, const JelentesBemenet& b, const Kozos& k)
{
    const GameParams& g = b.Jatek;
    const std::int32_t s = k.adb && g.KenoJatek && g.HuzottSzamok > 9 ? g.HuzottSzamok - 10 : 0;
    const std::int32_t K = k.K;
    auto sor = [&](const char* szo, std::int32_t j, std::int32_t r) {
        return eloszlasSor(k, ezw(j, k.wK) + szo, cella(b.Tabla, r, j + 1));
    };
    if (s > 7) {
        std::vector<std::pair<bool, Reszek>> bal, jobb;
        for (std::int32_t j = s; j <= K - 1; ++j) {
            bal.push_back({1 < j && j < K - 1, sor(" ismétlődés több számcsoportból: ", j, 1)});
            jobb.push_back({1 < j && j < K - 2, sor(" ismétlődés több számvégződésre: ", j, 3)});
        }
        oszlopok(w, 0, {bal, jobb});
    } else {
        std::vector<std::pair<bool, Reszek>> bal, jobb;
        for (std::int32_t j = s; j <= K - 1; ++j) {
            bal.push_back({j < 10, sor(" ismétlődés egy számcsoportból: ", j, 0)});
            jobb.push_back({1 < j && j < K - 1, sor(" ismétlődés több számcsoportból: ", j, 1)});
        }
        oszlopok(w, 0, {bal, jobb});
        w.Ures();
        bal.clear();
        jobb.clear();
        for (std::int32_t j = s; j <= K - 1; ++j) {
            bal.push_back({j < 8, sor(" ismétlődés egy számvégződésre: ", j, 2)});
            jobb.push_back({1 < j && j < K - 1, sor(" ismétlődés több számvégződésre: ", j, 3)});
        }
        oszlopok(w, w.Sor(), {bal, jobb});
    }
    w.Sav(JelentesSzin::Sav1);
    auto osszesito = [&](const std::string& cimke, std::int64_t db) {
        w.Kovetkezo({cimke, ezw(db, k.wN), " számsor,", szazalek(static_cast<double>(db), k.N, "%8.4n"), " a(z) ",
                     ezw(k.N, k.wN), " számsorból "});
    };
    auto hasznos = [&](std::int32_t r) {
        std::int64_t W = 0;
        for (std::int32_t c = 1; c <= K; ++c)
            W += cella(b.Tabla, r, c);
        return W;
    };
    const std::int64_t W0 = hasznos(0), W2 = hasznos(2);
    w.Ures();
    osszesito("Számcsoport ismétlődés összesen      : ", k.N - cella(b.Tabla, 0, 1));
    osszesito("Több számcsoport ismétlődés összesen : ", k.N - W0);
    osszesito("Egy számcsoport ismétlődés összesen  : ", W0 - cella(b.Tabla, 0, 1));
    w.Ures();
    osszesito("Számvégződés ismétlődés összesen     : ", k.N - cella(b.Tabla, 2, 1));
    osszesito("Több számvégződés ismétlődés összesen: ", k.N - W2);
    osszesito("Egy számvégződés ismétlődés összesen : ", W2 - cella(b.Tabla, 2, 1));
}

void esemenyek(Iro& w, const JelentesBemenet& b, Kozos k)
{
    const SzamTulajdonsagok& t = b.Tul;
    const std::int32_t iker = k.adb ? t.IkerszamDb : t.KijeloltIkerszamDb;
    const std::int32_t tukor = std::min(k.K / 2, k.adb ? t.TukorparDb : t.KijeloltTukorparDb);
    const std::int32_t prim = k.adb ? t.PrimszamDb : t.KijeloltPrimszamDb;
    std::vector<std::pair<bool, Reszek>> o1, o2, o3;
    for (std::int32_t j = 0; j <= k.K; ++j) {
        o1.push_back({j <= iker, eloszlasSor(k, ezw(j, k.wK) + " ikerszám: ", cella(b.Tabla, 0, j + 1))});
        o2.push_back({j <= tukor, eloszlasSor(k, ezw(j, k.wK + 1) + " tükör számpár: ", cella(b.Tabla, 1, j + 1))});
        o3.push_back({j <= prim, eloszlasSor(k, ezw(j, k.wK + 1) + " prímszám: ", cella(b.Tabla, 2, j + 1))});
    }
    // Only the rows shown count for the height.
    auto vag = [](std::vector<std::pair<bool, Reszek>>& o) {
        while (!o.empty() && !o.back().first)
            o.pop_back();
    };
    vag(o1);
    vag(o2);
    vag(o3);
    oszlopok(w, 0, {o1, o2, o3});
    w.Sav(JelentesSzin::Sav1);
    w.Ures();
    const std::int64_t hIker = TablaOsszeg(b.Tabla, 0), hTukor = TablaOsszeg(b.Tabla, 1),
                       hPrim = TablaOsszeg(b.Tabla, 2);
    k.wN = std::max(k.wN, ez(hPrim).size());
    auto osszesito = [&](const std::string& cimke, std::int64_t db) {
        w.Kovetkezo({k.elotag + cimke, ezw(db, k.wN), " szám,", szazalek(static_cast<double>(db), k.T, "%8.4n"),
                     " a(z) ", ezw(k.T, k.wT), " számból"});
    };
    osszesito("ikerszám összesen            : ", hIker);
    osszesito("prímszám összesen            : ", hPrim);
    osszesito("tükör számpár számai összesen: ", 2 * hTukor);
    auto n2 = [](std::int32_t v) { return Format("%2.0n", {static_cast<double>(v)}); };
    auto parok = [](std::int32_t n) {
        return n >= 2 ? static_cast<std::int64_t>(n) * (n - 1) / 2 : std::int64_t{0};
    };
    if (!k.adb && t.KijeloltStatFoSzamDb < k.fo) {
        const std::int32_t s = t.KijeloltStatFoSzamDb;
        w.Ures();
        const std::pair<const char*, std::int32_t> sorok[] = {{"ikerszám            : ", t.KijeloltIkerszamDb},
                                                              {"prímszám            : ", t.KijeloltPrimszamDb},
                                                              {"tükör számpár számai: ", 2 * t.KijeloltTukorparDb}};
        for (const auto& [c, db] : sorok)
            w.Kovetkezo({std::string("Variálható ") + c, n2(db), " szám,", szazalek(db, s, "%6.2n"),
                         " a variációra kijelölt ", n2(s), " számból"});
        const std::int64_t p = parok(s);
        w.Kovetkezo({"Variálható tükör számpár       : ", n2(t.KijeloltTukorparDb), " számpár,",
                     szazalek(t.KijeloltTukorparDb, static_cast<double>(p), "%6.2n"), " a lehetséges ", ez(p),
                     " számpárból"});
    }
    w.Sav(JelentesSzin::Sav2);
    w.Ures();
    const std::pair<const char*, std::int32_t> sorok[] = {{"ikerszám            : ", t.IkerszamDb},
                                                          {"prímszám            : ", t.PrimszamDb},
                                                          {"tükör számpár számai: ", 2 * t.TukorparDb}};
    for (const auto& [c, db] : sorok)
        w.Kovetkezo({k.lehetseges + c, n2(db), " szám,", szazalek(db, k.fo, "%6.2n"), k.joiner, n2(k.fo), " számból"});
    const std::int64_t p = parok(k.fo);
    w.Kovetkezo({k.lehetseges + "tükör számpár       : ", n2(t.TukorparDb), " számpár,",
                 szazalek(t.TukorparDb, static_cast<double>(p), "%6.2n"), " a lehetséges ", ez(p), " számpárból"});
}

void talalatiAranyok(Iro& w, const JelentesBemenet& b, const Kozos& k, const JelentesMeretek& m)
{
    const GameParams& g = b.Jatek;
    const std::int32_t sorDb = static_cast<std::int32_t>(b.Tabla.size());
    std::int32_t r = sorDb - 1;
    std::int32_t festett = 0;
    const bool potos = g.VanPluszSzam || g.VanPotSzam;
    std::vector<std::pair<bool, Reszek>> bal, jobb;
    auto sor = [&](const std::string& cimke) {
        if (r < 0)
            return;
        bal.push_back({true, {cimke + " találatot elérő számsor: ", ezw(cella(b.Tabla, r, 0), k.wN), " db",
                              szazalek(cella(b.Tabla, r, 0), k.N, "%8.4n"), "", "", ""}});
        jobb.push_back({true, {"Maximum " + cimke + " találatot elérő számsor: ", ezw(cella(b.Tabla, r, 1), k.wN),
                               " db", szazalek(cella(b.Tabla, r, 1), k.N, "%8.4n"), "", "", ""}});
        --r;
        ++festett;
    };
    const std::int32_t felso = k.adb ? k.K : b.FixSzamDb + k.K;
    for (std::int32_t B = felso; B >= 0 && r >= 0; --B) {
        if (g.VanPluszSzam)
            for (std::int32_t C = g.PluszSzamDb; C >= 1; --C)
                sor(ezw(B, k.wK) + "+" + std::to_string(C));
        if (k.adb && g.VanPotSzam && (g.PotSzamTalalat ? festett >= 1 : festett == 1))
            for (std::int32_t C = g.PotSzamok; C >= 1; --C)
                sor(ezw(B, k.wK) + "+" + std::to_string(C));
        sor(ezw(B, k.wK) + (potos ? "  " : ""));
    }
    // The right column starts 2 line heights after the widest left line.
    std::int32_t balVeg = w.Bal();
    for (std::size_t i = 0; i < bal.size(); ++i)
        balVeg = std::max(balVeg, w.Kiir(w.Bal(), static_cast<std::int32_t>(i), bal[i].second));
    for (std::size_t i = 0; i < jobb.size(); ++i)
        w.Kiir(balVeg + 2 * w.Lh(), static_cast<std::int32_t>(i), jobb[i].second);
    w.Ugras(static_cast<std::int32_t>(bal.size()));
    w.Sav(JelentesSzin::Sav2);
    w.Ures();
    const AzonosLista& a = b.Azonos;
    if (a.ParDb <= 0)
        return;
    const std::int64_t E = 2 * a.ParDb;
    const bool tobb = g.TobbSorsolas && k.adb;
    if (k.adb)
        w.Kovetkezo({ez(g.SzamsorHossz) + " találatot elérő számsorok húzásainak sorszámai: ", ez(E / 2), " eset, ",
                     "", "", ez(E), " sorszám"});
    else
        w.Kovetkezo({ez(b.VariacioMeret + b.FixSzamDb) + " találatot elérő számsorok sorszámainak listája: ",
                     ez(E / 2), " eset, ", "", "", ez(E), " sorszám"});
    if (cella(b.Tabla, sorDb - 1, 0) < E)
        w.Kovetkezo({k.adb ? "Egy/több húzás számsora, több mint egy esetben ismétlődik"
                           : "Egy/több számsor, több mint egy esetben ismétlődik",
                     "", "", "", "", "", ""});
    const std::size_t szel = std::to_string(std::max(k.adb ? b.HuzasokSzama : b.BontMatrixMeret, 0)).size() + 1;
    auto jelolo = [&](std::int32_t h) { return tobb ? " " + std::to_string(h) + ". " : std::string(" "); };
    std::int64_t kiirt = 0;
    for (const AzonosPar& p : a.Parok) {
        if (w.Y(w.Sor()) >= m.KepernyoMagassag - 400)
            break;
        if (k.adb)
            w.Kovetkezo({"", jobbra(std::to_string(p.Sor1), szel), ". húzás" + jelolo(p.Huzas1) + "számsora azonos a(z) ",
                         "", "", jobbra(std::to_string(p.Sor2), szel), ". húzás" + jelolo(p.Huzas2) + "számsorával"});
        else
            w.Kovetkezo({"", jobbra(std::to_string(p.Sor1), szel), ". számsor azonos a(z)", "", "",
                         jobbra(std::to_string(p.Sor2), szel), ". számsorral"});
        ++kiirt;
    }
    if (kiirt < a.ParDb) {
        const std::int64_t Q = 2 * (a.ParDb - kiirt);
        w.Kovetkezo({"Nem került listázásra további ", ez(Q / 2), " eset - ", "", "", ez(Q), " sorszám"});
    }
}

void szomszedos(Iro& w, const JelentesBemenet& b, const Kozos& k, const JelentesMeretek& m)
{
    const TTombInt2D& t = b.SzomszedosTabla;
    // The titles stand in a band of their own above the rows.
    w.Sav(JelentesSzin::Sav1, w.Lh(), w.Lh() + kerek(28 * m.MeretSzorzo) + 2);
    std::vector<std::pair<bool, Reszek>> bal, jobb;
    for (std::int32_t j = 0; j <= k.K; ++j) {
        if (j == 1)
            continue;
        bal.push_back({true, eloszlasSor(k, ezw(j, k.wK) + " szomszédos szám: ", cella(t, 0, j))});
        jobb.push_back({j >= 4, eloszlasSor(k, "Összesen " + std::to_string(j) + " szomszédos szám: ", cella(t, 1, j))});
    }
    w.Kezdet(kerek(57 * m.MeretSzorzo));
    const std::vector<std::int32_t> x = oszlopok(w, 0, {bal, jobb});
    const std::int32_t cimY = kerek(27 * m.MeretSzorzo);
    w.KiirY(x[0], cimY, {"Szomszédos számok egy esetben/számsor", "", "", "", "", "", ""});
    w.KiirY(x[1], cimY, {"Szomszédos számok több esetben/számsor", "", "", "", "", "", ""});
    w.Sav(JelentesSzin::Sav1);
    w.Ures();
    std::int64_t W = 0;
    for (std::int32_t c = 2; c <= k.K; ++c)
        W += cella(t, 1, c);
    const std::int64_t szomszedos = static_cast<std::int64_t>(k.N) - cella(t, 0, 0);
    auto osszesito = [&](const std::string& cimke, std::int64_t db) {
        w.Kovetkezo({cimke, ezw(db, k.wN), " számsor,", szazalek(static_cast<double>(db), k.N, "%8.4n"), " a(z) ",
                     ezw(k.N, k.wN), " számsorból "});
    };
    osszesito("Szomszédos számok összesen   : ", szomszedos);
    osszesito("Több esetben/számsor összesen: ", W);
    osszesito("Egy esetben/számsor összesen : ", szomszedos - W);
}

void szamkeszletek(Iro& w, const JelentesBemenet& b)
{
    const TTombInt2D& o = b.SzamkeszletOsszesito;
    const auto K = static_cast<std::int32_t>(o.size());
    const std::size_t wj = K < 10 ? 1 : 2;
    const bool ketjegyu = std::any_of(o.begin(), o.end(), [](const TTombInt1D& r) { return !r.empty() && r[0] > 9; });
    const std::size_t wm = ketjegyu ? 2 : 1;
    const std::size_t wp = cella(o, 0, 1) < 10 ? 1 : 2;
    for (std::int32_t p = 0; p < K; ++p) {
        const std::int32_t db = cella(o, p, 0), lehetseges = cella(o, p, 1);
        w.Kovetkezo({jobbra(std::to_string(p + 1), wj) + ". index számkészlete: ", jobbra(std::to_string(db), wm),
                     " szám - a lehetséges " + jobbra(std::to_string(lehetseges), wp) + " számból:",
                     szazalek(db, lehetseges, "%6.2n"), "", "", ""});
    }
}

}  // namespace

JelentesKep SzovegesJelentes(const JelentesBemenet& b, const JelentesMeretek& m)
{
    Iro w(m);
    const Kozos k = kozos(b);
    switch (b.Tag) {
    case 4: case 12: talalatiAranyok(w, b, k, m); break;
    case 5: case 10: parosParatlan(w, b, k); break;
    case 6: case 11: ismetlodes(w, b, k); break;
    case 7: case 13: esemenyek(w, b, k); break;
    case 18: case 20: szomszedos(w, b, k, m); break;
    case 30: case 31: szamkeszletek(w, b); break;
    default: return {};
    }
    return w.Kesz();
}

}  // namespace kvx
