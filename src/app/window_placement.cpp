#include "app/window_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace kvx {

namespace {

int jobb(const Teglalap& t) { return t.Left + t.Width; }
int alja(const Teglalap& t) { return t.Top + t.Height; }

Teglalap foablakKeret(const FoablakMeretek& f) { return {f.Left, f.Top, f.Width, f.Height}; }

std::optional<Teglalap> nyitott(const ElhelyezesiKep& k, AblakFajta a)
{
    for (const NyitottAblak& n : k.Nyitott)
        if (n.Fajta == a)
            return n.Hely;
    return std::nullopt;
}

// Edge-to-edge distance of two rectangles, 0 when they touch or overlap.
int tavolsag(const Teglalap& a, const Teglalap& b)
{
    const int dx = std::max({0, b.Left - jobb(a), a.Left - jobb(b)});
    const int dy = std::max({0, b.Top - alja(a), a.Top - alja(b)});
    return dx + dy;
}

// The auxiliary ticket of a list at its first showing: at the list's top,
// left of it while that stays inside the main window, else right of it
// when that fits the main window, else at the main window's left. A side
// where another window or the toolbar stands is passed over for a free one.
Teglalap listaMelle(const ElhelyezesiKep& k, const Teglalap& lista, Teglalap t)
{
    const FoablakMeretek& f = k.Fo;
    const auto szabad = [&k](const Teglalap& r) {
        if (Atfedes(r, k.Eszkoztar) > 0)
            return false;
        for (const NyitottAblak& n : k.Nyitott)
            if (Atfedes(r, n.Hely) > 0)
                return false;
        return true;
    };
    t.Top = lista.Top;
    Teglalap bal = t, jobbra = t;
    bal.Left = lista.Left - 15 - t.Width;
    jobbra.Left = jobb(lista) + 15;
    const bool balFer = bal.Left >= f.Left;
    const bool jobbFer = jobb(jobbra) <= f.Left + f.ClientWidth;
    if (balFer && szabad(bal))
        return bal;
    if (jobbFer && szabad(jobbra))
        return jobbra;
    if (balFer)
        return bal;
    if (jobbFer)
        return jobbra;
    t.Left = f.Left + 15;
    return t;
}

Teglalap jobbraIgazitva(const ElhelyezesiKep& k, Teglalap t)
{
    t = FormSetLeft(k.Fo, t);
    t.Left -= 4 * k.KarakterSzelesseg;
    return t;
}

struct Akadaly {
    Teglalap Hely;
    int Suly = 1;
    // The smallest size an open window may give way to (0: it may not).
    int MinSzelesseg = 0, MinMagassag = 0;
    std::vector<Teglalap> Gombok{};
    bool Felul = false;
    // A window the new one works with: its buttons count as the new one's.
    bool Tars = false;
    // The main ticket: its numbers count before other buttons.
    bool Foszelveny = false;
};

// The buttons of the window being placed (relative to its frame) and
// whether it stays above the windows that do not.
struct SajatGombok {
    const std::vector<Teglalap>* Gombok = nullptr;
    bool Felul = false;
};

Teglalap eltolva(const Teglalap& g, const Teglalap& ablak)
{
    return {ablak.Left + g.Left, ablak.Top + g.Top, g.Width, g.Height};
}

// The button area hidden with the window at `t` (RejtettGombok).
RejtettTerulet rejtett(const Teglalap& t, const std::vector<Akadaly>& foglalt, const SajatGombok& s)
{
    RejtettTerulet r;
    for (const Akadaly& a : foglalt) {
        if (Atfedes(t, a.Hely) == 0)
            continue;
        if (s.Gombok)
            for (const Teglalap& g : *s.Gombok) {
                const long long x = Atfedes(eltolva(g, t), a.Hely);
                if (a.Felul && !s.Felul)
                    r.Sajat += x;
                else
                    r.Masok += x;
            }
        for (const Teglalap& g : a.Gombok) {
            const long long x = Atfedes(g, t);
            if (a.Tars)
                r.Sajat += x;
            else if (a.Foszelveny)
                r.Foszelveny += x;
            else
                r.Masok += x;
        }
    }
    return r;
}

}  // namespace

AblakFajta AblakFajtaNevbol(const std::string& n)
{
    static const std::pair<const char*, AblakFajta> kNevek[] = {
        {"FSz", AblakFajta::Foszelveny},           {"Feltetelek", AblakFajta::Feltetelek},
        {"Bontas", AblakFajta::Bontas},            {"BontLista", AblakFajta::BontLista},
        {"BSz", AblakFajta::BontSzelveny},         {"BESz", AblakFajta::BontEllSzelveny},
        {"HuzLista", AblakFajta::HuzLista},        {"HSz", AblakFajta::HuzSzelveny},
        {"HKSz", AblakFajta::HuzKeresSzelveny},    {"HuzBe", AblakFajta::HuzBe},
        {"HBSz", AblakFajta::HuzBeSzelveny},       {"HuzSzama", AblakFajta::HuzSzama},
        {"Statisztika", AblakFajta::Statisztika},
    };
    for (const auto& [nev, fajta] : kNevek)
        if (n == nev)
            return fajta;
    return AblakFajta::Egyeb;
}

std::vector<AblakFajta> AblakTarsai(AblakFajta a)
{
    switch (a) {
    case AblakFajta::Feltetelek: return {AblakFajta::Foszelveny};
    case AblakFajta::Bontas: return {AblakFajta::Feltetelek, AblakFajta::Foszelveny};
    case AblakFajta::BontLista: return {AblakFajta::Bontas, AblakFajta::Feltetelek};
    case AblakFajta::BontSzelveny:
    case AblakFajta::BontEllSzelveny: return {AblakFajta::BontLista};
    case AblakFajta::HuzSzelveny:
    case AblakFajta::HuzKeresSzelveny:
    case AblakFajta::HuzBe: return {AblakFajta::HuzLista};
    case AblakFajta::HuzBeSzelveny: return {AblakFajta::HuzBe};
    default: return {};
    }
}

Teglalap KivantHely(AblakFajta a, const ElhelyezesiKep& k, Teglalap t, bool elso)
{
    const FoablakMeretek& f = k.Fo;
    const auto szokott = [&](Teglalap r) { return FormSetTop(f, FormSetLeftCustom(f, r, 15), true); };
    switch (a) {
    case AblakFajta::Foszelveny:
        t.Left = f.Left + 20;
        t.Top = GetFormSetTop(f);
        return t;
    case AblakFajta::Feltetelek:
        if (!elso)
            return szokott(t);
        t.Left = FeltetelekBal(foablakKeret(f), nyitott(k, AblakFajta::Foszelveny), t.Width);
        return FormSetTop(f, t, false);
    case AblakFajta::BontLista:
    case AblakFajta::HuzLista:
        if (elso)
            return FormSetTop(f, jobbraIgazitva(k, t), false);
        t = FormSetLeftCustom(f, t, 15);
        if (jobb(t) > f.Left + f.Width - 20)
            t = jobbraIgazitva(k, t);
        return FormSetTop(f, t, true);
    case AblakFajta::BontSzelveny:
    case AblakFajta::HuzSzelveny: {
        const auto lista = nyitott(k, a == AblakFajta::BontSzelveny ? AblakFajta::BontLista : AblakFajta::HuzLista);
        if (elso && lista)
            return listaMelle(k, *lista, t);
        return FormSetLeftCustom(f, t, 15);
    }
    case AblakFajta::HuzBe:
        // Left of the draws list at its top, but never further left than
        // the main window's left + 15.
        if (const auto lista = nyitott(k, AblakFajta::HuzLista); elso && lista) {
            t.Left = std::max(lista->Left - t.Width - 15, f.Left + 15);
            t.Top = lista->Top;
            return t;
        }
        return szokott(t);
    case AblakFajta::HuzBeSzelveny:
        // Under the draw entry it belongs to while it ends above the main
        // window's status bar, or when right of the entry it would not fit
        // the main window; else right of the entry, at its top.
        if (const auto be = nyitott(k, AblakFajta::HuzBe)) {
            const int statusSor = k.StatusSorTeto > 0 ? k.StatusSorTeto : f.Top + f.Height;
            Teglalap alatta = t, mellette = t;
            alatta.Left = be->Left;
            alatta.Top = alja(*be) + 15;
            mellette.Left = jobb(*be) + 15;
            mellette.Top = be->Top;
            return alja(alatta) <= statusSor || jobb(mellette) > f.Left + f.Width ? alatta : mellette;
        }
        return szokott(t);
    case AblakFajta::Bontas:
        // Centred on the main window at every showing, under its toolbar.
        t.Left = f.Left + f.Width / 2 - t.Width / 2;
        return FormSetTop(f, t, true);
    case AblakFajta::HuzSzama:
        if (elso)
            return FormSetTop(f, FormSetTopLeftCenter(f, t, false), false);
        return szokott(t);
    case AblakFajta::BontEllSzelveny:
    case AblakFajta::HuzKeresSzelveny:
        // The check tickets come back where they were put while that lies
        // wholly inside the main window; otherwise they are centred on it.
        if (elso || t.Left < f.Left || t.Top < f.Top || t.Left + t.Width > f.Left + f.Width ||
            t.Top + t.Height > f.Top + f.Height) {
            t.Left = f.Left + f.Width / 2 - t.Width / 2;
            t.Top = f.Top + f.Height / 2 - t.Height / 2;
        }
        return t;
    case AblakFajta::Statisztika:
    case AblakFajta::Egyeb:
        if (elso) {
            t.Left = f.Left + f.Width / 2 - t.Width / 2;
            t.Top = f.Top + f.Height / 2 - t.Height / 2;
        }
        return FormSetTopLeftCenter(f, t, true);
    }
    return t;
}

Teglalap AblakTerulet(const Teglalap& m, const Teglalap& sav)
{
    const int also = alja(sav);
    // Under the band where it stands at the top of the work area and leaves
    // it half its height; a main window lowered on the screen leaves room
    // above it, and the band is just one more place to keep off.
    const bool felul = sav.Height > 0 && sav.Left < jobb(m) && jobb(sav) > m.Left && sav.Top - m.Top <= sav.Height;
    if (!felul || also <= m.Top || alja(m) - also < m.Height / 2)
        return m;
    return {m.Left, also, m.Width, alja(m) - also};
}

long long Atfedes(const Teglalap& a, const Teglalap& b)
{
    const long long dx = std::min(jobb(a), jobb(b)) - std::max(a.Left, b.Left);
    const long long dy = std::min(alja(a), alja(b)) - std::max(a.Top, b.Top);
    return dx > 0 && dy > 0 ? dx * dy : 0;
}

std::optional<Teglalap> Kiter(const Teglalap& a, int minSzelesseg, int minMagassag, const Teglalap& uj, int hezag)
{
    if (Atfedes(a, uj) == 0)
        return a;
    if (minSzelesseg <= 0 || minMagassag <= 0)
        return std::nullopt;
    std::optional<Teglalap> legjobb;
    const auto probal = [&](Teglalap t) {
        if (t.Width < minSzelesseg || t.Height < minMagassag || Atfedes(t, uj) > 0)
            return;
        if (!legjobb || static_cast<long long>(t.Width) * t.Height > static_cast<long long>(legjobb->Width) * legjobb->Height)
            legjobb = t;
    };
    probal({a.Left, a.Top, a.Width, uj.Top - hezag - a.Top});                           // bottom edge up
    probal({a.Left, alja(uj) + hezag, a.Width, alja(a) - alja(uj) - hezag});             // top edge down
    probal({a.Left, a.Top, uj.Left - hezag - a.Left, a.Height});                         // right edge in
    probal({jobb(uj) + hezag, a.Top, jobb(a) - jobb(uj) - hezag, a.Height});             // left edge in
    return legjobb;
}

namespace {

Teglalap szabadHely(const Teglalap& kivant, int minSzelesseg, int minMagassag, const std::vector<Akadaly>& foglalt,
                    const std::vector<Teglalap>& tarsak, const Teglalap& m, int hezag, const SajatGombok& sajat = {})
{
    const int W = std::max(1, std::min(kivant.Width, m.Width));
    const int H = std::max(1, std::min(kivant.Height, m.Height));
    const int minW = std::clamp(minSzelesseg, 1, W);
    const int minH = std::clamp(minMagassag, 1, H);

    std::vector<int> xek{kivant.Left, m.Left, jobb(m) - W, jobb(m) - minW};
    std::vector<int> yok{kivant.Top, m.Top, alja(m) - H, alja(m) - minH};
    const auto szelek = [&](const Teglalap& r) {
        for (int x : {jobb(r) + hezag, r.Left - hezag - W, r.Left - hezag - minW, r.Left, jobb(r) - W})
            xek.push_back(x);
        for (int y : {alja(r) + hezag, r.Top - hezag - H, r.Top - hezag - minH, r.Top, alja(r) - H})
            yok.push_back(y);
    };
    for (const Akadaly& a : foglalt)
        szelek(a.Hely);
    for (const Teglalap& r : tarsak)
        szelek(r);
    // The places that just clear a button of another window, and those
    // where its own buttons just clear another window.
    for (const Akadaly& a : foglalt) {
        if (sajat.Gombok)
            for (const Teglalap& g : *sajat.Gombok) {
                xek.push_back(jobb(a.Hely) - g.Left);
                xek.push_back(a.Hely.Left - jobb(g));
                yok.push_back(alja(a.Hely) - g.Top);
                yok.push_back(a.Hely.Top - alja(g));
            }
        for (const Teglalap& g : a.Gombok) {
            xek.push_back(jobb(g));
            xek.push_back(g.Left - W);
            yok.push_back(alja(g));
            yok.push_back(g.Top - H);
        }
    }
    for (int& x : xek)
        x = std::clamp(x, m.Left, jobb(m) - minW);
    for (int& y : yok)
        y = std::clamp(y, m.Top, alja(m) - minH);
    for (std::vector<int>* v : {&xek, &yok}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }

    // The overlap left when the windows that may give way have given way,
    // and the area they lost.
    const auto atfedes = [&](const Teglalap& t) {
        std::pair<long long, long long> s{0, 0};
        for (const Akadaly& a : foglalt) {
            const long long x = Atfedes(t, a.Hely);
            if (x == 0)
                continue;
            if (const auto k = Kiter(a.Hely, a.MinSzelesseg, a.MinMagassag, t, hezag))
                s.second += static_cast<long long>(a.Hely.Width) * a.Hely.Height -
                            static_cast<long long>(k->Width) * k->Height;
            else
                s.first += x * a.Suly;
        }
        return s;
    };

    // Lower is better: the buttons hidden (RejtettGombok), overlap, whether
    // the window had to shrink, the area it and the others lost, the
    // distance to its partners, the distance to its own spot.
    using Pont = std::tuple<RejtettTerulet, long long, int, long long, int, int>;
    std::optional<Pont> legjobbPont;
    Teglalap legjobb{};
    for (int x0 : xek) {
        for (int y0 : yok) {
            Teglalap t{x0, y0, 0, 0};
            t.Width = std::min(W, jobb(m) - t.Left);
            t.Height = std::min(H, alja(m) - t.Top);
            // The buttons come first: a place that hides more of them than
            // the best so far is not looked at further.
            const bool zsugorodhat = minW < W || minH < H;
            const RejtettTerulet elore = zsugorodhat ? RejtettTerulet{} : rejtett(t, foglalt, sajat);
            if (legjobbPont && std::get<0>(*legjobbPont) < elore)
                continue;
            // A window that may shrink gives way to what lies right of or
            // under its top-left corner, as far as its smallest size allows.
            for (std::size_t lepes = 0; lepes < foglalt.size(); ++lepes) {
                const Akadaly* utban = nullptr;
                for (const Akadaly& a : foglalt)
                    if (Atfedes(t, a.Hely) > 0) {
                        utban = &a;
                        break;
                    }
                if (!utban)
                    break;
                const int w = utban->Hely.Left - hezag - t.Left;
                const int h = utban->Hely.Top - hezag - t.Top;
                const bool wJo = w >= minW && w < t.Width;
                const bool hJo = h >= minH && h < t.Height;
                if (!wJo && !hJo)
                    break;
                if (wJo && (!hJo || static_cast<long long>(w) * t.Height >= static_cast<long long>(h) * t.Width))
                    t.Width = w;
                else
                    t.Height = h;
            }
            int tars = 0;
            if (!tarsak.empty()) {
                tars = tavolsag(t, tarsak.front());
                for (const Teglalap& r : tarsak)
                    tars = std::min(tars, tavolsag(t, r));
            }
            const bool kisebb = t.Width < W || t.Height < H;
            const auto [fedes, masokVesztesege] = atfedes(t);
            const Pont p{zsugorodhat ? rejtett(t, foglalt, sajat) : elore, fedes, kisebb ? 1 : 0,
                         static_cast<long long>(W) * H - static_cast<long long>(t.Width) * t.Height + masokVesztesege,
                         tars, std::abs(t.Left - kivant.Left) + std::abs(t.Top - kivant.Top)};
            if (!legjobbPont || p < *legjobbPont) {
                legjobbPont = p;
                legjobb = t;
            }
        }
    }
    return legjobb;
}

}  // namespace

Teglalap SzabadHely(const Teglalap& kivant, int minSzelesseg, int minMagassag, const std::vector<Teglalap>& foglalt,
                    const std::vector<Teglalap>& tarsak, const Teglalap& munkaTerulet, int hezag)
{
    std::vector<Akadaly> a;
    for (const Teglalap& t : foglalt)
        a.push_back({t, 1});
    return szabadHely(kivant, minSzelesseg, minMagassag, a, tarsak, munkaTerulet, hezag);
}

namespace {

int hezagMeret(const ElhelyezesiKep& k) { return std::max(4, static_cast<int>(std::lround(6 * k.Fo.MeretSzorzo))); }

std::vector<Akadaly> akadalyok(const ElhelyezesiKep& k, AblakFajta a = AblakFajta::Egyeb,
                               std::optional<std::size_t> kiveve = std::nullopt)
{
    // Covering the toolbar takes the commands away, covering the window one
    // works with hides what one works on: both weigh more than covering part
    // of another window.
    // The statistics window never covers the run window whose progress and
    // buttons it would hide, while any other place is left.
    const std::vector<AblakFajta> tarsai = AblakTarsai(a);
    // The band is all menus and commands: buttons, every part of it.
    std::vector<Akadaly> foglalt{{k.Eszkoztar, 4, 0, 0, {k.Eszkoztar}}};
    for (std::size_t i = 0; i < k.Nyitott.size(); ++i)
        if (i != kiveve) {
            const AblakFajta f = k.Nyitott[i].Fajta;
            const bool tars = std::find(tarsai.begin(), tarsai.end(), f) != tarsai.end();
            const int suly = a == AblakFajta::Statisztika && f == AblakFajta::Bontas ? 100 : tars ? 4 : 1;
            foglalt.push_back({k.Nyitott[i].Hely, suly, k.Nyitott[i].MinSzelesseg, k.Nyitott[i].MinMagassag,
                               k.Nyitott[i].Gombok, k.Nyitott[i].Felul, tars, f == AblakFajta::Foszelveny});
        }
    return foglalt;
}

std::vector<Teglalap> tarsHelyek(const ElhelyezesiKep& k, AblakFajta a)
{
    std::vector<Teglalap> tarsak;
    for (AblakFajta t : AblakTarsai(a))
        if (const auto r = nyitott(k, t))
            tarsak.push_back(*r);
    return tarsak;
}

long long fedes(const Teglalap& t, const std::vector<Akadaly>& foglalt)
{
    long long s = 0;
    for (const Akadaly& a : foglalt)
        s += Atfedes(t, a.Hely) * a.Suly;
    return s;
}

}  // namespace

namespace {

// The window's own spot is taken as it is when it lies on the work area
// and covers neither the toolbar band nor an open window.
bool sajatHelySzabad(const Teglalap& t, const ElhelyezesiKep& k)
{
    const Teglalap m = AblakTerulet(k.MunkaTerulet, k.Eszkoztar);
    if (t.Left < m.Left || t.Top < m.Top || jobb(t) > jobb(m) || alja(t) > alja(m))
        return false;
    return fedes(t, akadalyok(k)) == 0;
}

}  // namespace

RejtettTerulet RejtettGombok(const Teglalap& hely, const ElhelyezesiKep& k)
{
    return rejtett(hely, akadalyok(k), {&k.SajatGombok, k.Felul});
}

Teglalap AblakHelye(AblakFajta a, const ElhelyezesiKep& k, const Teglalap& ablak, bool elso, int minSzelesseg,
                    int minMagassag)
{
    if (const Teglalap kivant = KivantHely(a, k, ablak, elso); sajatHelySzabad(kivant, k))
        return kivant;
    return szabadHely(KivantHely(a, k, ablak, elso), minSzelesseg, minMagassag, akadalyok(k, a), tarsHelyek(k, a),
                      AblakTerulet(k.MunkaTerulet, k.Eszkoztar), hezagMeret(k), {&k.SajatGombok, k.Felul});
}

Elhelyezes AblakHelyeAtrendezessel(AblakFajta a, const ElhelyezesiKep& k, const Teglalap& ablak, bool elso,
                                    int minSzelesseg, int minMagassag)
{
    const int hezag = hezagMeret(k);
    // An auxiliary ticket that fits on neither side of its list: the list is
    // placed again at the main window's right first, when that leaves the
    // others free, and the ticket goes beside it there.
    if (elso && (a == AblakFajta::BontSzelveny || a == AblakFajta::HuzSzelveny)) {
        const AblakFajta listaFajta = a == AblakFajta::BontSzelveny ? AblakFajta::BontLista : AblakFajta::HuzLista;
        for (std::size_t i = 0; i < k.Nyitott.size(); ++i) {
            if (k.Nyitott[i].Fajta != listaFajta)
                continue;
            const Teglalap& lista = k.Nyitott[i].Hely;
            const bool balFer = lista.Left - 15 - ablak.Width >= k.Fo.Left;
            const bool jobbFer = jobb(lista) + 15 + ablak.Width <= k.Fo.Left + k.Fo.ClientWidth;
            const Teglalap jobbra = FormSetLeft(k.Fo, lista);
            if (balFer || jobbFer || jobbra == lista || fedes(jobbra, akadalyok(k, listaFajta, i)) > 0)
                break;
            ElhelyezesiKep k2 = k;
            k2.Nyitott[i].Hely = jobbra;
            Elhelyezes e = AblakHelyeAtrendezessel(a, k2, ablak, elso, minSzelesseg, minMagassag);
            if (std::none_of(e.Kiteresek.begin(), e.Kiteresek.end(), [i](const auto& x) { return x.first == i; }))
                e.Kiteresek.push_back({i, jobbra});
            return e;
        }
    }
    const Teglalap kivant = KivantHely(a, k, ablak, elso);
    if (sajatHelySzabad(kivant, k))
        return {kivant, {}};
    const std::vector<Teglalap> tarsak = tarsHelyek(k, a);
    const Teglalap terulet = AblakTerulet(k.MunkaTerulet, k.Eszkoztar);
    const SajatGombok sajat{&k.SajatGombok, k.Felul};
    Elhelyezes e{szabadHely(kivant, minSzelesseg, minMagassag, akadalyok(k, a), tarsak, terulet, hezag, sajat), {}};
    const auto kiteres = [&](const Teglalap& hely) {
        std::vector<std::pair<std::size_t, Teglalap>> ki;
        for (std::size_t i = 0; i < k.Nyitott.size(); ++i) {
            const NyitottAblak& n = k.Nyitott[i];
            if (Atfedes(n.Hely, hely) == 0)
                continue;
            const auto uj = Kiter(n.Hely, n.MinSzelesseg, n.MinMagassag, hely, hezag);
            if (!uj)
                return std::optional<std::vector<std::pair<std::size_t, Teglalap>>>{};
            ki.push_back({i, *uj});
        }
        return std::optional{ki};
    };
    if (const auto ki = kiteres(e.Hely)) {
        e.Kiteresek = *ki;
        return e;
    }
    // Still over a window that cannot give way: try moving one open window
    // out of the way to a free place of its own.
    for (std::size_t i = 0; i < k.Nyitott.size(); ++i) {
        const NyitottAblak& n = k.Nyitott[i];
        if (n.Fajta == AblakFajta::Foszelveny)
            continue;
        std::vector<Akadaly> nelkule = akadalyok(k, a, i);
        for (Akadaly& x : nelkule)
            x.MinSzelesseg = x.MinMagassag = 0;
        const Teglalap hely = szabadHely(kivant, minSzelesseg, minMagassag, nelkule, tarsak, terulet, hezag, sajat);
        if (fedes(hely, nelkule) > 0)
            continue;
        nelkule.push_back({hely, 1});
        const int minW = n.MinSzelesseg > 0 ? n.MinSzelesseg : n.Hely.Width;
        const int minH = n.MinMagassag > 0 ? n.MinMagassag : n.Hely.Height;
        std::vector<Akadaly> masikNak = nelkule;
        for (Akadaly& x : masikNak)
            x.MinSzelesseg = x.MinMagassag = 0;
        const Teglalap masik = szabadHely(n.Hely, minW, minH, masikNak, tarsHelyek(k, n.Fajta), terulet, hezag);
        if (fedes(masik, masikNak) > 0)
            continue;
        return {hely, {{i, masik}}};
    }
    // Still over buttons (its own or the others'): one open window may move
    // to a place where it hides none, when the new window then hides less.
    const std::vector<Akadaly> mind = akadalyok(k, a);
    const auto eRejtett = rejtett(e.Hely, mind, sajat);
    if (eRejtett == RejtettTerulet{})
        return e;
    std::optional<std::pair<RejtettTerulet, Elhelyezes>> legjobb;
    for (std::size_t i = 0; i < k.Nyitott.size(); ++i) {
        const NyitottAblak& n = k.Nyitott[i];
        if (n.Fajta == AblakFajta::Foszelveny || Atfedes(n.Hely, e.Hely) == 0)
            continue;
        std::vector<Akadaly> nelkule = akadalyok(k, a, i);
        for (Akadaly& x : nelkule)
            x.MinSzelesseg = x.MinMagassag = 0;
        const Teglalap hely = szabadHely(kivant, minSzelesseg, minMagassag, nelkule, tarsak, terulet, hezag, sajat);
        if (rejtett(hely, nelkule, sajat) >= eRejtett)
            continue;
        // The window that moves keeps off the new one's buttons and the rest.
        std::vector<Teglalap> ujGombok;
        for (const Teglalap& g : k.SajatGombok)
            ujGombok.push_back(eltolva(g, hely));
        std::vector<Akadaly> masikNak = nelkule;
        masikNak.push_back({hely, 1, 0, 0, ujGombok, k.Felul});
        std::vector<Teglalap> sajatjai;
        for (const Teglalap& g : n.Gombok)
            sajatjai.push_back({g.Left - n.Hely.Left, g.Top - n.Hely.Top, g.Width, g.Height});
        const SajatGombok masikGombjai{&sajatjai, n.Felul};
        const Teglalap masik = szabadHely(n.Hely, n.Hely.Width, n.Hely.Height, masikNak, tarsHelyek(k, n.Fajta),
                                          terulet, hezag, masikGombjai);
        if (rejtett(masik, masikNak, masikGombjai) != RejtettTerulet{})
            continue;
        // What the new window hides with the moved one in its new place.
        std::vector<Akadaly> utana = nelkule;
        utana.push_back({masik, 1, 0, 0, {}, n.Felul});
        for (const Teglalap& g : sajatjai)
            utana.back().Gombok.push_back(eltolva(g, masik));
        const auto r = rejtett(hely, utana, sajat);
        if (r < eRejtett && (!legjobb || r < legjobb->first))
            legjobb = {r, Elhelyezes{hely, {{i, masik}}}};
    }
    return legjobb ? legjobb->second : e;
}

}  // namespace kvx
