#include "conditions/markers.h"

#include <algorithm>

namespace kvx {

namespace {

// Nothing above 95 is on any ticket, so the table ends at 89.
constexpr std::array<int, 24> kPrimek = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37,
                                         41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89};

bool prim(int x) { return std::find(kPrimek.begin(), kPrimek.end(), x) != kPrimek.end(); }
bool iker(int x) { return x >= 11 && x <= 99 && x / 10 == x % 10; }

bool pluszSzam(const GameParams& g, int x) { return g.VanPluszSzam && x > g.FoSzamKeszlet; }

// Main-pool numbers stand first in the selection.
std::size_t foSzamDb(const SzamListak& l, const GameParams& g)
{
    std::size_t n = 0;
    while (n < l.KijeloltSzamok.size() && !pluszSzam(g, l.KijeloltSzamok[n])) ++n;
    return n;
}

struct Ismetlodes {
    std::int32_t osszes = 0, egy = 0, csoportDb = 0;
};

Ismetlodes ismetlodes(const std::array<std::uint8_t, 10>& sor)
{
    Ismetlodes r;
    for (std::uint8_t c : sor)
        if (c > 1) {
            r.osszes += c - 1;
            ++r.csoportDb;
            r.egy = std::max<std::int32_t>(r.egy, c - 1);
        }
    return r;
}

std::int32_t nemNulla(const std::array<std::uint8_t, 10>& sor)
{
    return static_cast<std::int32_t>(std::count_if(sor.begin(), sor.end(), [](std::uint8_t c) { return c > 0; }));
}

}  // namespace

void GetSzamsorRendezes(SzamJelzok& j, const SzamListak& l, const GameParams& g, int szamsorrendMod)
{
    const TTombByte1D& k = l.KijeloltSzamok;
    j.Novekvo = true;
    j.Rendezett = false;
    j.VanSzomszedos = false;
    j.KijeloltNemSzomszedos = false;
    j.RendezettSzamok = k;
    std::sort(j.RendezettSzamok.begin(), j.RendezettSzamok.end());
    j.SzamsorrendNeve = SzamsorrendNev(szamsorrendMod);
    if (k.size() < 2) return;

    for (std::size_t i = 1; i < k.size(); ++i)
        if (k[i] <= k[i - 1]) j.Novekvo = false;

    for (std::size_t i = 1; i < j.RendezettSzamok.size(); ++i) {
        const int a = j.RendezettSzamok[i - 1], b = j.RendezettSzamok[i];
        if (pluszSzam(g, a) || pluszSzam(g, b)) continue;
        if (b - a == 1) j.VanSzomszedos = true;
    }

    bool novo = false, csokkeno = false;
    for (std::size_t i = 1; i < k.size(); ++i) {
        if (pluszSzam(g, k[i]) || pluszSzam(g, k[i - 1])) continue;
        if (k[i] > k[i - 1]) novo = true;
        if (k[i] < k[i - 1]) csokkeno = true;
    }
    j.Rendezett = novo != csokkeno;

    const std::size_t n = foSzamDb(l, g);
    if (n > 0) {
        const auto [lo, hi] = std::minmax_element(k.begin(), k.begin() + static_cast<std::ptrdiff_t>(n));
        j.KijeloltNemSzomszedos = static_cast<int>(n) < (*hi - *lo + 1);
    }
    if (j.Rendezett) j.SzamsorrendNeve += " - rendezett ";
}

void SzamJelzoBeallitas(SzamJelzok& j, const SzamListak& l, const GameParams& g, const FeltetelRekordok& f,
                        int szamsorrendMod)
{
    GetSzamsorRendezes(j, l, g, szamsorrendMod);

    const TTombByte1D& k = l.KijeloltSzamok;
    const std::size_t n = foSzamDb(l, g);
    j.SzamJelzo.assign(k.size(), 0);
    j.TukorPar.assign(n, -1);
    j.CsoportIndex.assign(n, 0);
    j.VegzodesIndex.assign(n, 0);
    j.SzamjegyIndex[0].assign(n, 0);
    j.SzamjegyIndex[1].assign(n, 0);
    for (auto& sor : j.TetelSzamDb) sor.fill(0);
    j.EgyjegyuDb = 0;
    j.SzvParosUD = j.SzvParosMaxUD = j.SzcsParosUD = j.SzcsParosMaxUD = 0;
    j.IkerszamMaxUD = j.TukorszamMaxUD = j.SzJParosUD = j.SzJParosMaxUD = 0;

    const int favElso = f.FavFeltetel.ElsoIndex, favUtolso = f.FavFeltetel.UtolsoIndex;
    auto szamjegy = [&](int d) {
        ++j.TetelSzamDb[2][static_cast<std::size_t>(d)];
        if (d % 2 == 0)
            ++j.SzJParosUD;
        else
            ++j.SzJParosMaxUD;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const int x = k[i];
        std::uint8_t b = 0;
        if (x % 2 == 0) {
            b |= JelzoParos;
            ++j.SzvParosUD;
        } else {
            ++j.SzvParosMaxUD;
        }
        if ((x / 10) % 2 == 0) {
            b |= JelzoParosCsoport;
            ++j.SzcsParosUD;
        } else {
            ++j.SzcsParosMaxUD;
        }
        if (iker(x)) {
            b |= JelzoIker;
            ++j.IkerszamMaxUD;
        }
        if (prim(x)) b |= JelzoPrim;
        const int poz = static_cast<int>(i) + 1;
        if (poz >= favElso && poz <= favUtolso) b |= JelzoFavorizalt;
        j.SzamJelzo[i] = b;

        j.CsoportIndex[i] = x / 10;
        j.VegzodesIndex[i] = x % 10;
        j.SzamjegyIndex[0][i] = static_cast<std::uint8_t>(x < 10 ? 255 : x / 10);
        j.SzamjegyIndex[1][i] = static_cast<std::uint8_t>(x % 10);
        ++j.TetelSzamDb[0][static_cast<std::size_t>(std::min(x / 10, 9))];
        ++j.TetelSzamDb[1][static_cast<std::size_t>(x % 10)];
        if (x < 10) {
            ++j.EgyjegyuDb;
            szamjegy(x);
        } else {
            szamjegy(std::min(x / 10, 9));
            szamjegy(x % 10);
        }
    }
    for (std::size_t i = 0; i < k.size(); ++i)
        if (AllandoE(l, k[i])) j.SzamJelzo[i] |= JelzoAllando;

    // Mirror pairs (12 and 21); each number has at most one partner.
    for (std::size_t a = 0; a < n; ++a) {
        const int x = k[a];
        if (x < 10) continue;
        for (std::size_t b = a + 1; b < n; ++b) {
            const int y = k[b];
            if (y < 10) continue;
            if (x / 10 == y % 10 && y / 10 == x % 10) {
                j.SzamJelzo[a] |= JelzoTukor;
                j.SzamJelzo[b] |= JelzoTukor;
                j.TukorPar[a] = static_cast<std::int32_t>(b);
                j.TukorPar[b] = static_cast<std::int32_t>(a);
                ++j.TukorszamMaxUD;
                break;
            }
        }
    }

    j.SzcsCsoportDb = nemNulla(j.TetelSzamDb[0]);
    j.SzvCsoportDb = nemNulla(j.TetelSzamDb[1]);
    j.SzjCsoportDb = nemNulla(j.TetelSzamDb[2]);
    const Ismetlodes szcs = ismetlodes(j.TetelSzamDb[0]);
    const Ismetlodes szv = ismetlodes(j.TetelSzamDb[1]);
    const Ismetlodes szj = ismetlodes(j.TetelSzamDb[2]);
    j.SzcsIsmetOsszes = szcs.osszes;
    j.SzcsIsmetEgy = szcs.egy;
    j.SzcsIsmetCsoportDb = szcs.csoportDb;
    j.SzvIsmetOsszes = szv.osszes;
    j.SzvIsmetEgy = szv.egy;
    j.SzvIsmetCsoportDb = szv.csoportDb;
    j.SzjIsmetOsszes = szj.osszes;
    j.SzjIsmetEgy = szj.egy;
    j.SzjIsmetCsoportDb = szj.csoportDb;
}

void SetFeltetelJelzo(FeltetelRekordok& f, bool value, bool bontasBovites)
{
    f.FeltetelJelzo = value;
    f.TalArAktiv = value && f.TalalatiAranyFeltetel.Allapot != 0;
    f.HuzasSzamsorVariacio = f.TalArAktiv && f.TalalatiAranyFeltetel.Forras == 1 && !bontasBovites;
}

void FeltetelekKezdoertekei(FeltetelRekordok& f, const GameParams& g)
{
    f.TalArAdatbazisTipus = 1;
    f.FeltetelJelzo = false;
    f.HuzasSzamsorVariacio = false;
    f.TalArAktiv = false;
    f.Hibapont = 0;

    TTalalatiAranyFeltetel& t = f.TalalatiAranyFeltetel;
    t.DbTartomany = 1;
    t.AktTartomany = 0;
    t.Forras = 0;
    t.Tipus.fill(1);
    t.TalalatMin.fill(1);
    t.TalalatMax.fill(g.SzamsorFoSzamDb);
    t.PBMin.fill(0);
    t.PBMax.fill(0);
    t.ElsoHuzas.fill(1);
    t.UtolsoHuzas.fill(1);

    f.SorozatSorrend = false;
    f.SorozatFeltetel.Minta[0].Tartalek = 0;
    f.SzomszedosFeltetel.AltSorrend = 0;
    f.SzomszedosFeltetel.MobSorrend = 0;
    f.SzomszedosFeltetel.FixSorrend = 0;
}

void FeltetelekRekordokReset(FeltetelRekordok& f, const GameParams& g)
{
    f = FeltetelRekordok{};
    FeltetelekKezdoertekei(f, g);
}

bool FeltetelTorlesMentes(const FeltetelTorlesHelyzet& h)
{
    return h.VariacioVanSzamsor && !h.ImportFolyamatban && h.BackMentesEngedely;
}

FeltetelTorlesEredmeny FeltetelekTorlese(FeltetelRekordok& f, const FeltetelTorlesHelyzet& h,
                                         const std::function<void()>& backMentese)
{
    FeltetelTorlesEredmeny r;
    if (FeltetelTorlesMentes(h)) {
        if (backMentese) backMentese();
        r.AutomatikusMentes = true;
    }
    if (f.FeltetelJelzo) {
        f.FavFeltetel.Allapot = 0;
        f.MobFeltetel.Allapot = 0;
        f.FixFeltetel.Allapot = 0;
        f.SzcsParosFeltetel.Allapot = 0;
        f.SzcsIsmetFeltetel.Allapot = 0;
        f.TalalatiAranyFeltetel.Allapot = 0;
        f.SzvParosFeltetel.Allapot = 0;
        f.SzvIsmetFeltetel.Allapot = 0;
        f.SzamcsoportTetelesFeltetel.Allapot = 0;
        f.OsszegFeltetel.Allapot = 0;
        f.IkerszamFeltetel.Allapot = 0;
        f.TukorszamFeltetel.Allapot = 0;
        f.SzorasFeltetel.Allapot = 0;
        f.TerjedelemFeltetel.Allapot = 0;
        f.TerjedelemFeltetel.Fix = 0;
        f.TerjedelemFeltetel.Valtozo = 0;
        f.PrimszamFeltetel.Allapot = 0;
        f.SzamcsoportokFeltetel.Allapot = 0;
        f.SzomszedosFeltetel.Allapot = 0;
        f.SzomszedosFeltetel.Alt = 0;
        f.SzomszedosFeltetel.Mob = 0;
        f.SzomszedosFeltetel.Fix = 0;
        f.AllandoFeltetel.Allapot = 0;
        f.SzamvegzodesTetelesFeltetel.Allapot = 0;
        f.SzJTetelesFeltetel.Allapot = 0;
        f.SorozatFeltetel.Allapot = 0;
        f.SzJParosFeltetel.Allapot = 0;
        f.SzJIsmetFeltetel.Allapot = 0;
        f.SzamkeszletFeltetel.Allapot = 0;
        f.SzamsorokFeltetel.Allapot = 0;
        f.SzamsorokFeltetel.Tartomany = 0;
        f.SzamsorokFeltetel.Sorozat = 0;
        SetFeltetelJelzo(f, false, h.BontasBovites);
        r.FeltetelekTorolve = true;
    }
    if (!h.BontasBovites && (f.Hibapont > 0 || h.TulirasBont)) {
        f.Hibapont = 0;
        r.HibapontTorolve = true;
    }
    r.VariacioTorlendo = h.VariacioVanSzamsor && !h.ImportFolyamatban;
    return r;
}

}  // namespace kvx
