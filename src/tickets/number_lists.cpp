#include "tickets/number_lists.h"

#include <algorithm>
#include <functional>

namespace kvx {

namespace {

bool tartalmaz(const TTombByte1D& v, int n)
{
    return std::find(v.begin(), v.end(), static_cast<std::uint8_t>(n)) != v.end();
}

int pozicio(const TTombByte1D& v, int n)
{
    auto it = std::find(v.begin(), v.end(), static_cast<std::uint8_t>(n));
    return it == v.end() ? 0 : static_cast<int>(it - v.begin()) + 1;
}

// Removal that keeps the order of the rest.
bool torlesSorrendben(TTombByte1D& v, int n)
{
    auto it = std::find(v.begin(), v.end(), static_cast<std::uint8_t>(n));
    if (it == v.end()) return false;
    v.erase(it);
    return true;
}

// Removal from the constant and random lists: the last entry is exchanged
// with the entries from the first on until the removed number is last, then
// the list is shortened. This order is what the files keep, so it stays.
bool torlesCserevel(TTombByte1D& v, int n)
{
    if (!tartalmaz(v, n)) return false;
    std::size_t i = 0;
    while (v.back() != static_cast<std::uint8_t>(n)) {
        std::swap(v[i], v.back());
        ++i;
    }
    v.pop_back();
    return true;
}

std::string szam(int n) { return std::to_string(n); }

const char* const kFixTiltas = "Nem lehetséges több fix szám kijelölése.";
const char* const kKetSortores = "\r\n\r\n";
const char* const kTorlesMit[4] = {"a kijelölt", "a fix", "az állandó", "a véletlen"};

// Step 4 of the marking engine: the list change of one mode.
void modValtozas(SzamListak& l, const GameParams& g, int a, int mode, bool remove, JelolesEredmeny& r)
{
    switch (mode) {
    case ModKijelolt:
        if (FixE(l, a) || AllandoE(l, a)) return;
        if (!remove) {
            if (KijeloltE(l, a)) return;
            l.KijeloltSzamok.push_back(static_cast<std::uint8_t>(a));
            r.Valtozott = true;
        } else if (VeletlenE(l, a)) {
            modValtozas(l, g, a, ModVeletlen, true, r);
        } else if (torlesSorrendben(l.KijeloltSzamok, a)) {
            r.Valtozott = true;
        }
        return;
    case ModFix:
        if (KijeloltE(l, a)) return;
        if (remove) {
            if (l.FixSzamDb() > 0 && torlesSorrendben(l.FixSzamok, a)) {
                VariacioMeretBeallitas(l, g, g.SzamsorHossz - l.FixSzamDb());
                r.FormTagValtozas = -1;
                r.Valtozott = true;
            }
        }
        return;  // marking a fixed number: fixJeloles
    case ModAllando:
        if (!remove) {
            if (FixE(l, a) || VeletlenE(l, a) || KijeloltE(l, a)) return;
            l.AllandoSzamok.push_back(static_cast<std::uint8_t>(a));
            l.KijeloltSzamok.push_back(static_cast<std::uint8_t>(a));
            r.Valtozott = true;
        } else {
            if (FixE(l, a) || VeletlenE(l, a) || !AllandoE(l, a)) return;
            torlesCserevel(l.AllandoSzamok, a);
            torlesSorrendben(l.KijeloltSzamok, a);
            r.Valtozott = true;
        }
        return;
    case ModVeletlen:
        if (!remove) {
            if (FixE(l, a) || AllandoE(l, a) || KijeloltE(l, a)) return;
            l.VeletlenSzamok.push_back(static_cast<std::uint8_t>(a));
            l.KijeloltSzamok.push_back(static_cast<std::uint8_t>(a));
            r.Valtozott = true;
        } else {
            if (FixE(l, a) || !VeletlenE(l, a)) return;
            torlesCserevel(l.VeletlenSzamok, a);
            torlesSorrendben(l.KijeloltSzamok, a);
            r.Valtozott = true;
        }
        return;
    default:
        return;  // 200, 300, 350: no list changes
    }
}

// Marking a fixed number (the part of mode 50 that can be refused).
void fixJeloles(SzamListak& l, const GameParams& g, int a, const BovitesAllapot& bov, JelolesEredmeny& r)
{
    if (KijeloltE(l, a) || FixE(l, a)) return;
    if (bov.BontasBovites && l.FixSzamDb() > 0 && l.FixSzamDb() == bov.BovitesFixSzamDb) {
        r.Informacio = kFixTiltas;
        r.ModVisszaallitas = true;
        return;
    }
    if (l.FixSzamDb() < g.SzamsorFoSzamDb - 2) {
        l.FixSzamok.push_back(static_cast<std::uint8_t>(a));
        VariacioMeretBeallitas(l, g, g.SzamsorHossz - l.FixSzamDb());
        r.FormTagValtozas = 1;
        r.FixSzamUzenet = true;
        l.FixSzamUzenet = true;
        r.Valtozott = true;
        return;
    }
    r.Informacio = kFixTiltas;
    r.ModVisszaallitas = true;
}

// Step 6: the warnings of extension mode.
void bovitesEllenorzes(const SzamListak& l, const GameParams& g, const BovitesAllapot& bov, bool jeloles,
                       JelolesEredmeny& r)
{
    if (!bov.BontasBovites) return;
    const int K = l.KijeloltSzamDb(), F = l.FixSzamDb(), P = l.KijeloltPluszSzamDb;
    const int BK = bov.BovitesKijeloltSzamDb, BF = bov.BovitesFixSzamDb, BP = bov.BovitesPluszSzamDb;
    if (K == BK && F == BF && P == BP) {
        r.ModVisszaallitas = true;
        r.BovitesVisszaallt = true;
    } else if (K == BK && BF > F && jeloles) {
        r.Figyelmeztetesek.push_back("Még " + szam(BF - F) + " fix szám kijelölése szükséges.");
        r.ModVisszaallitas = true;
    } else if (g.VanPluszSzam && (K > BK || P > BP) && jeloles) {
        if (K - P > BK - BP) {
            const int tobb = (K - P) - (BK - BP);
            r.Figyelmeztetesek.push_back(szam(tobb) + " törzsszámmal jelölt ki többet, mint a variáció " + szam(BK - BP) +
                                         " törzsszáma." + kKetSortores + "Töröljön " + szam(tobb) + " törzsszámot.");
            r.ModVisszaallitas = true;
        }
        if (P > BP) {
            r.Figyelmeztetesek.push_back(szam(P - BP) + g.PluszSzamNev + " számmal jelölt ki többet, mint a variáció " +
                                         szam(BP) + g.PluszSzamNev + " száma." + kKetSortores + "Töröljön " +
                                         szam(P - BP) + g.PluszSzamNev + " számot.");
            r.ModVisszaallitas = true;
        }
    } else if (K > BK && jeloles) {
        r.Figyelmeztetesek.push_back(szam(K - BK) + " számmal jelölt ki többet, mint a variáció " + szam(BK) +
                                     " száma." + kKetSortores + "Töröljön " + szam(K - BK) + " számot.");
        r.ModVisszaallitas = true;
    }
}

void gyujt(TobbJelolesEredmeny& t, JelolesEredmeny r)
{
    t.Valtozott = t.Valtozott || r.Valtozott;
    t.Jelolesek.push_back(std::move(r));
}

// Unmarks the last entry of a list through the engine until it is empty; an
// entry the engine will not remove (0, or a list out of step) is dropped so
// that the loop always ends.
TobbJelolesEredmeny listaTorlese(TTombByte1D SzamListak::*lista, int mode, SzamListak& l, const GameParams& g,
                                 MainState& ms, const BovitesAllapot& bov, const JelolesElott& elott)
{
    TobbJelolesEredmeny t;
    while (!(l.*lista).empty()) {
        const std::size_t elotte = (l.*lista).size();
        const int n = (l.*lista).back();
        if (n != 0) gyujt(t, SzamJeloles(l, g, ms, n, mode, true, bov, elott));
        if ((l.*lista).size() == elotte) {
            (l.*lista).pop_back();
            ms.Mentve = false;
            t.Valtozott = true;
        }
    }
    t.TeljesFrissites = true;
    return t;
}

}  // namespace

bool KijeloltE(const SzamListak& l, int n) { return tartalmaz(l.KijeloltSzamok, n); }
bool FixE(const SzamListak& l, int n) { return tartalmaz(l.FixSzamok, n); }
bool AllandoE(const SzamListak& l, int n) { return tartalmaz(l.AllandoSzamok, n); }
bool VeletlenE(const SzamListak& l, int n) { return tartalmaz(l.VeletlenSzamok, n); }
int KijeloltPozicio(const SzamListak& l, int n) { return pozicio(l.KijeloltSzamok, n); }
int FixPozicio(const SzamListak& l, int n) { return pozicio(l.FixSzamok, n); }
bool JeloltE(const SzamListak& l, int n) { return KijeloltE(l, n) || FixE(l, n); }

SzamSzerep SzamSzerepe(const SzamListak& l, int n)
{
    if (FixE(l, n)) return SzamSzerep::Fix;
    if (AllandoE(l, n)) return SzamSzerep::Allando;
    if (VeletlenE(l, n)) return SzamSzerep::Veletlen;
    if (KijeloltE(l, n)) return SzamSzerep::Kijelolt;
    return SzamSzerep::Nincs;
}

void VariacioMeretBeallitas(SzamListak& l, const GameParams& g, std::int32_t n)
{
    l.VariacioMeret = n;
    l.VariacioFoMeret = n - g.PluszSzamDb;
    l.VariacioMeretFelso = n - 1;
    l.VariacioFoMeretFelso = n - g.PluszSzamDb - 1;
}

void ListakInicializalasa(SzamListak& l, const GameParams& g, MainState& ms)
{
    l.KijeloltSzamok.clear();
    l.FixSzamok.clear();
    l.AllandoSzamok.clear();
    l.VeletlenSzamok.clear();
    l.KijeloltPluszSzamDb = 0;
    l.AllandoPluszSzamDb = 0;
    l.KijeloltFoSzamDb = 0;
    l.KijeloltFoSzamFelso = -1;
    VariacioMeretBeallitas(l, g, g.SzamsorHossz);
    ms.Mentve = false;
}

void PluszSzamokAVegere(SzamListak& l, const GameParams& g, MainState& ms)
{
    l.KijeloltPluszSzamDb = 0;
    l.AllandoPluszSzamDb = 0;
    if (g.VanPluszSzam && !l.KijeloltSzamok.empty()) {
        auto plusz = [&](std::uint8_t n) { return n > g.FoSzamKeszlet; };
        for (std::uint8_t n : l.KijeloltSzamok)
            if (plusz(n)) {
                ++l.KijeloltPluszSzamDb;
                if (AllandoE(l, n)) ++l.AllandoPluszSzamDb;
            }
        TTombByte1D rendezett = l.KijeloltSzamok;
        std::stable_partition(rendezett.begin(), rendezett.end(), [&](std::uint8_t n) { return !plusz(n); });
        if (rendezett != l.KijeloltSzamok) {
            l.KijeloltSzamok = std::move(rendezett);
            ms.Mentve = false;
        }
    }
    l.KijeloltFoSzamDb = l.KijeloltSzamDb() - l.KijeloltPluszSzamDb;
    l.KijeloltFoSzamFelso = l.KijeloltSzamFelso() - l.KijeloltPluszSzamDb;
}

JelolesEredmeny SzamJeloles(SzamListak& l, const GameParams& g, MainState& ms, int a, int mode, bool remove,
                            const BovitesAllapot& bov, const JelolesElott& elott)
{
    JelolesEredmeny r;
    if (a < 1 || a > g.OsszesSzam) {
        r.Elutasitva = true;
        return r;
    }
    if (g.VanPluszSzam && mode == ModFix && a > g.FoSzamKeszlet) {
        r.Elutasitva = true;
        r.Informacio = g.PluszSzamNev + " szám nem jelölhető ki fix számként.";
        r.ModVisszaallitas = true;
        return r;
    }
    if (elott) elott();

    if (mode == ModFix && !remove)
        fixJeloles(l, g, a, bov, r);
    else
        modValtozas(l, g, a, mode, remove, r);
    if (r.Valtozott) ms.Mentve = false;

    PluszSzamokAVegere(l, g, ms);
    bovitesEllenorzes(l, g, bov, !remove, r);
    return r;
}

JelolesEredmeny SzamKattintas(SzamListak& l, const GameParams& g, MainState& ms, int a, int mode,
                              const BovitesAllapot& bov, const JelolesElott& elott)
{
    return SzamJeloles(l, g, ms, a, mode, JeloltE(l, a), bov, elott);
}

TobbJelolesEredmeny FixSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms, const BovitesAllapot& bov,
                                     const JelolesElott& elott)
{
    TobbJelolesEredmeny t = listaTorlese(&SzamListak::FixSzamok, ModFix, l, g, ms, bov, elott);
    VariacioMeretBeallitas(l, g, g.SzamsorHossz - l.FixSzamDb());
    return t;
}

TobbJelolesEredmeny AllandoSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms,
                                         const BovitesAllapot& bov, const JelolesElott& elott)
{
    TobbJelolesEredmeny t = listaTorlese(&SzamListak::AllandoSzamok, ModAllando, l, g, ms, bov, elott);
    l.AllandoPluszSzamDb = 0;
    return t;
}

TobbJelolesEredmeny VeletlenSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms,
                                          const BovitesAllapot& bov, const JelolesElott& elott)
{
    return listaTorlese(&SzamListak::VeletlenSzamok, ModVeletlen, l, g, ms, bov, elott);
}

TobbJelolesEredmeny KijeloltSzamokTorlese(SzamListak& l, const GameParams& g, MainState& ms,
                                          const BovitesAllapot& bov, const JelolesElott& elott)
{
    TobbJelolesEredmeny t;
    for (;;) {
        auto it = std::find_if(l.KijeloltSzamok.begin(), l.KijeloltSzamok.end(),
                               [&](std::uint8_t n) { return n == 0 || (!AllandoE(l, n) && !VeletlenE(l, n)); });
        if (it == l.KijeloltSzamok.end()) break;
        const std::size_t elotte = l.KijeloltSzamok.size();
        const int n = *it;
        if (n != 0) gyujt(t, SzamJeloles(l, g, ms, n, ModKijelolt, true, bov, elott));
        if (l.KijeloltSzamok.size() == elotte) {
            // Dropped directly: a 0 entry, or a number the engine keeps (a list out of step).
            auto hol = std::find(l.KijeloltSzamok.begin(), l.KijeloltSzamok.end(), static_cast<std::uint8_t>(n));
            l.KijeloltSzamok.erase(hol);
            PluszSzamokAVegere(l, g, ms);
            ms.Mentve = false;
            t.Valtozott = true;
        }
    }
    t.TeljesFrissites = true;
    return t;
}

TobbJelolesEredmeny MindenSzamTorlese(SzamListak& l, const GameParams& g, MainState& ms, const BovitesAllapot& bov,
                                      const JelolesElott& elott)
{
    TobbJelolesEredmeny t;
    auto hozzaad = [&](TobbJelolesEredmeny r) {
        t.Valtozott = t.Valtozott || r.Valtozott;
        t.TeljesFrissites = t.TeljesFrissites || r.TeljesFrissites;
        for (auto& j : r.Jelolesek) t.Jelolesek.push_back(std::move(j));
    };
    if (!l.FixSzamok.empty()) hozzaad(FixSzamokTorlese(l, g, ms, bov, elott));
    if (!l.AllandoSzamok.empty()) hozzaad(AllandoSzamokTorlese(l, g, ms, bov, elott));
    if (!l.VeletlenSzamok.empty()) hozzaad(VeletlenSzamokTorlese(l, g, ms, bov, elott));
    if (!l.KijeloltSzamok.empty()) hozzaad(KijeloltSzamokTorlese(l, g, ms, bov, elott));
    l.SzamsorrendAlkalmaz = true;
    VariacioMeretBeallitas(l, g, g.SzamsorHossz);
    if (t.Valtozott) PluszSzamokAVegere(l, g, ms);
    return t;
}

TobbJelolesEredmeny MindenSzamKijelolese(SzamListak& l, const GameParams& g, MainState& ms, int count,
                                         const BovitesAllapot& bov, const JelolesElott& elott)
{
    TobbJelolesEredmeny t;
    if (l.KijeloltSzamDb() + l.FixSzamDb() >= g.OsszesSzam) return t;
    const int felso = std::min(count, static_cast<int>(g.OsszesSzam));
    for (int n = 1; n <= felso; ++n)
        if (!FixE(l, n) && !KijeloltE(l, n)) gyujt(t, SzamJeloles(l, g, ms, n, ModKijelolt, false, bov, elott));
    return t;
}

TobbJelolesEredmeny KijelolesMind(SzamListak& l, const GameParams& g, MainState& ms, const BovitesAllapot& bov,
                                  const JelolesElott& elott)
{
    const int rogzitett = bov.BovitesKijeloltSzamDb + bov.BovitesFixSzamDb;
    if (!bov.BontasBovites || rogzitett == 0 || rogzitett == g.OsszesSzam)
        return MindenSzamKijelolese(l, g, ms, g.OsszesSzam, bov, elott);
    TobbJelolesEredmeny t;
    const int fo = bov.BovitesKijeloltSzamDb - bov.BovitesPluszSzamDb;
    const int foFelso = g.VanPluszSzam ? static_cast<int>(g.FoSzamKeszlet) : static_cast<int>(g.OsszesSzam);
    for (int n = 1; n <= foFelso && l.KijeloltFoSzamDb < fo; ++n)
        if (!JeloltE(l, n)) gyujt(t, SzamJeloles(l, g, ms, n, ModKijelolt, false, bov, elott));
    if (g.VanPluszSzam)
        for (int n = foFelso + 1; n <= g.OsszesSzam && l.KijeloltPluszSzamDb < bov.BovitesPluszSzamDb; ++n)
            if (!JeloltE(l, n)) gyujt(t, SzamJeloles(l, g, ms, n, ModKijelolt, false, bov, elott));
    return t;
}

JelolesEredmeny VeletlenSzamGeneralas(SzamListak& l, const GameParams& g, MainState& ms, int lower, int upper,
                                      const VeletlenFuggveny& rnd, const BovitesAllapot& bov,
                                      const JelolesElott& elott)
{
    std::vector<int> szabad;
    for (int n = std::max(lower, 1); n <= std::min(upper, static_cast<int>(g.OsszesSzam)); ++n)
        if (!JeloltE(l, n)) szabad.push_back(n);
    if (szabad.empty()) {
        JelolesEredmeny r;
        r.Elutasitva = true;
        r.Informacio = kNincsSzabadSzam;
        return r;
    }
    const int felso = static_cast<int>(szabad.size()) - 1;
    const int i = std::clamp(rnd(0, felso), 0, felso);
    return SzamJeloles(l, g, ms, szabad[static_cast<std::size_t>(i)], ModVeletlen, false, bov, elott);
}

int VeletlenSzamokMaximum(const SzamListak& l, const GameParams& g, const BovitesAllapot& bov)
{
    const int jelolt = l.KijeloltSzamDb() + l.FixSzamDb();
    if (bov.BontasBovites)
        return std::max(0, bov.BovitesKijeloltSzamDb + bov.BovitesFixSzamDb - jelolt);
    return std::max(0, static_cast<int>(g.OsszesSzam) - jelolt);
}

TobbJelolesEredmeny VeletlenSzamokKijelolese(SzamListak& l, const GameParams& g, MainState& ms, int n,
                                             const VeletlenFuggveny& rnd, const BovitesAllapot& bov,
                                             const JelolesElott& elott)
{
    TobbJelolesEredmeny t;
    const auto jelolt = [&l] { return l.KijeloltSzamDb() + l.FixSzamDb(); };
    const int cel = jelolt() + std::clamp(n, 0, VeletlenSzamokMaximum(l, g, bov));
    // One number of lo..hi; false once the count is reached or nothing more
    // can be marked there, so every loop below ends.
    const auto egy = [&](int lo, int hi) {
        if (jelolt() >= cel)
            return false;
        const int elotte = jelolt();
        JelolesEredmeny r = VeletlenSzamGeneralas(l, g, ms, lo, hi, rnd, bov, elott);
        const bool tovabb = !r.Elutasitva && jelolt() > elotte;
        if (!r.Elutasitva)
            gyujt(t, std::move(r));
        return tovabb;
    };
    const int megtartott = bov.BovitesKijeloltSzamDb + bov.BovitesFixSzamDb;
    if (bov.BontasBovites && megtartott != 0 && megtartott != g.OsszesSzam) {
        while (l.KijeloltPluszSzamDb < bov.BovitesPluszSzamDb && egy(g.FoSzamKeszlet + 1, g.OsszesSzam)) {
        }
        while (egy(1, g.FoSzamKeszlet)) {
        }
    } else {
        while (egy(1, g.OsszesSzam)) {
        }
    }
    return t;
}

void Szamsorrend(SzamListak& l, const GameParams& g, MainState& ms, int mode, const VeletlenFuggveny& rnd)
{
    if (!l.SzamsorrendAlkalmaz) return;
    TTombByte1D v = l.KijeloltSzamok;
    switch (mode) {
    case 1:
        std::sort(v.begin(), v.end());
        break;
    case 2:
        std::sort(v.begin(), v.end(), std::greater<>());
        break;
    case 3:
        // Fisher-Yates: every order equally likely.
        for (int i = static_cast<int>(v.size()) - 1; i > 0; --i) {
            const int j = std::clamp(rnd(0, i), 0, i);
            std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)]);
        }
        break;
    default:
        break;
    }
    if (v != l.KijeloltSzamok) {
        l.KijeloltSzamok = std::move(v);
        ms.Mentve = false;
    }
    PluszSzamokAVegere(l, g, ms);
}

const char* SzamsorrendNev(int mode)
{
    switch (mode) {
    case 1: return "Növekvő";
    case 2: return "Csökkenő";
    case 3: return "Véletlen";
    default: return "Változatlan";
    }
}

KijelolesMenu KijelolesMenuAllapot(const SzamListak& l, const GameParams& g, const BovitesAllapot& bov)
{
    KijelolesMenu m;
    const int kf = l.KijeloltSzamDb() + l.FixSzamDb();
    m.Engedelyezett = kf < g.OsszesSzam &&
                      (!bov.BontasBovites || kf < bov.BovitesKijeloltSzamDb + bov.BovitesFixSzamDb);
    if (m.Engedelyezett) {
        m.KijelolesTipp = " Minden szám kijelölése ";
        m.VeletlenTipp = " Egy/több véletlen szám generálása ";
    } else {
        m.KijelolesTipp = " Minden szám kijelölve ";
        m.VeletlenTipp = " Minden szám kijelölve ";
    }
    return m;
}

TorlesMenu TorlesMenuAllapot(const SzamListak& l)
{
    const auto pont = [](bool on, const char* igen, const char* nem) { return TorlesMenuPont{on, on ? igen : nem}; };
    TorlesMenu m;
    const bool van = l.KijeloltSzamDb() + l.FixSzamDb() > 0;
    m.Torles = pont(van, " Számok törlése ", " Nincs kijelölt számsor ");
    m.Mind = pont(van, " Minden szám törlése ", " Nincs kijelölt számsor ");
    m.Kijelolt = pont(van && l.AllandoSzamDb() + l.VeletlenSzamDb() != l.KijeloltSzamDb(), " Variáció számainak törlése ",
                      " Nincs kijelölt szám ");
    m.Fix = pont(van && l.FixSzamDb() > 0, " Fix számok törlése ", " Nincs kijelölve fix szám ");
    m.Allando = pont(van && l.AllandoSzamDb() > 0, " Állandó számok törlése ", " Nincs kijelölve állandó szám ");
    m.Veletlen = pont(van && l.VeletlenSzamDb() > 0, " Véletlen számok törlése ", " Nincs kijelölve véletlen szám ");
    return m;
}

SajatSzamokMenu SajatSzamokAllapot(const SzamListak& l, const GameParams& g, bool bontasBovites)
{
    SajatSzamokMenu m;
    m.Engedelyezett = !bontasBovites && l.FixSzamDb() == 0 && l.KijeloltSzamDb() == g.SzamsorHossz &&
                      l.AllandoSzamDb() == g.SzamsorHossz && g.LottoIndex != 16;
    m.Tipp = " Példabontás (variáció) készítése saját számok alapján ";
    if (!m.Engedelyezett) {
        m.Tipp += "\r\n Jelöljön ki az üres Főszelvényen " + std::to_string(g.SzamsorFoSzamDb);
        if (g.VanPluszSzam) m.Tipp += " + " + std::to_string(g.PluszSzamDb);
        m.Tipp += " állandó számot. ";
    }
    return m;
}

std::optional<std::string> TorlesKerdes(int kind, const TorlesHelyzet& h)
{
    if (h.LetoltesFolyamatban || h.Mentve) return std::nullopt;
    const char* mit = kTorlesMit[std::clamp(kind, 0, 3)];
    std::string q = h.BackFigyelmeztetes + "Biztos törli " + mit + " számokat";
    if (h.VanVariacio || h.BontasBovites)
        return q + (h.FeltetelJelzo ? ", feltételeket és a variáció listáját?" : " és a variáció listáját?");
    if (h.VanSzam) return q + (h.FeltetelJelzo ? " és feltételeket?" : "?");
    return std::nullopt;
}

bool TorlesElottiMentes(bool backMentesEngedely, const std::string& backTipus, std::int64_t bontMatrixMeret)
{
    return backMentesEngedely && ((backTipus == "top" && bontMatrixMeret > 0) || backTipus == "tip");
}

bool SzamsorTulteli(const SzamListak& l, const GameParams& g)
{
    if (!g.VanPluszSzam) return l.KijeloltSzamDb() + l.FixSzamDb() > g.SzamsorHossz;
    return l.KijeloltSzamDb() + l.FixSzamDb() - l.KijeloltPluszSzamDb > g.SzamsorFoSzamDb &&
           l.KijeloltPluszSzamDb >= g.PluszSzamDb;
}

}  // namespace kvx
