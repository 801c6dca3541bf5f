#include "variation/generation_run.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "common/delphi_format.h"
#include "variation/store_jobs.h"
#include "variation/variation_file.h"

namespace kvx {

std::int32_t GetDbFeltetel(const FeltetelRekordok& f, TFeltetelMaszk& m)
{
    m.Torles();
    std::int32_t db = 0;
    const auto a = [&](bool aktiv, int bit) {
        if (aktiv) {
            m.SetFeltetel(bit);
            ++db;
        }
    };
    const auto resz = [&](bool aktiv, int bit, int alBit) {
        if (aktiv) {
            m.SetFeltetel(bit);
            m.SetAlFeltetel(alBit);
            ++db;
        }
    };
    a(f.FavFeltetel.Allapot, BitFav);
    a(f.MobFeltetel.Allapot, BitMob);
    a(f.FixFeltetel.Allapot, BitFix);
    a(f.SzcsParosFeltetel.Allapot, BitSzcsParos);
    a(f.SzcsIsmetFeltetel.Allapot, BitSzcsIsmet);
    a(f.TalalatiAranyFeltetel.Allapot, BitTalalatiArany);
    a(f.SzvParosFeltetel.Allapot, BitSzvParos);
    a(f.SzvIsmetFeltetel.Allapot, BitSzvIsmet);
    a(f.SzamcsoportTetelesFeltetel.Allapot, BitSzamcsoportTeteles);
    a(f.OsszegFeltetel.Allapot, BitOsszeg);
    a(f.IkerszamFeltetel.Allapot, BitIkerszam);
    a(f.TukorszamFeltetel.Allapot, BitTukorszam);
    a(f.SzorasFeltetel.Allapot, BitSzoras);
    const TTerjedelemFeltetel& tj = f.TerjedelemFeltetel;
    resz(tj.Allapot && tj.Fix, BitTerjedelem, AlBitTerjedelemFix);
    resz(tj.Allapot && tj.Valtozo, BitTerjedelem, AlBitTerjedelemValtozo);
    a(f.PrimszamFeltetel.Allapot, BitPrimszam);
    a(f.SzamcsoportokFeltetel.Allapot, BitSzamcsoportok);
    const TSzomszedosFeltetel& sz = f.SzomszedosFeltetel;
    resz(sz.Allapot && sz.Alt, BitSzomszedos, AlBitSzomszedosAlt);
    resz(sz.Allapot && sz.Mob, BitSzomszedos, AlBitSzomszedosMob);
    resz(sz.Allapot && sz.Fix, BitSzomszedos, AlBitSzomszedosFix);
    a(f.AllandoFeltetel.Allapot, BitAllando);
    a(f.SzamvegzodesTetelesFeltetel.Allapot, BitSzamvegzodesTeteles);
    a(f.SzJTetelesFeltetel.Allapot, BitSzJTeteles);
    a(f.SorozatFeltetel.Allapot, BitSorozat);
    a(f.SzJParosFeltetel.Allapot, BitSzJParos);
    a(f.SzJIsmetFeltetel.Allapot, BitSzJIsmet);
    a(f.SzamkeszletFeltetel.Allapot, BitSzamkeszlet);
    const TSzamsorokFeltetel& ss = f.SzamsorokFeltetel;
    resz(ss.Allapot && ss.Tartomany, BitSzamsorok, AlBitSzamsorokTartomany);
    resz(ss.Allapot && ss.Sorozat, BitSzamsorok, AlBitSzamsorokSorozat);
    return db;
}

std::int32_t GetDbTeljesultFeltetel(const TFeltetelMaszk& t)
{
    return static_cast<std::int32_t>(__builtin_popcountll(t.Feltetelek) + __builtin_popcountll(t.AlFeltetelek));
}

TFeltetelMaszk TeljesultMaszk(const BontasAllapot& all)
{
    TFeltetelMaszk m;
    m.Feltetelek = all.TeljesultFeltetelekA;
    m.AlFeltetelek = all.TeljesultFeltetelekB;
    return m;
}

std::string VariacioIdotartama(double masodperc)
{
    const std::string sep(1, formatSettings().decimalSeparator);
    if (!std::isfinite(masodperc) || masodperc < 0 || masodperc > 1e12)
        return "Időtartam: 0:00:00" + sep + "000";
    const auto ms = static_cast<std::int64_t>(std::llround(masodperc * 1000.0));
    const std::int64_t napMs = 86400000;
    const std::int64_t nap = ms / napMs;
    std::int64_t r = ms % napMs;
    const std::int64_t ora = r / 3600000;
    r %= 3600000;
    const std::int64_t perc = r / 60000;
    r %= 60000;
    const std::int64_t mp = r / 1000;
    const std::int64_t ezred = r % 1000;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", static_cast<long long>(ora), static_cast<long long>(perc),
                  static_cast<long long>(mp));
    char ez[8];
    std::snprintf(ez, sizeof ez, "%03lld", static_cast<long long>(ezred));
    std::string s = "Időtartam: ";
    if (ms > napMs)
        s += std::to_string(nap) + ":";
    return s + buf + sep + ez;
}

namespace {

long double binomValos(std::int64_t n, std::int64_t k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    long double r = 1;
    for (std::int64_t i = 0; i < k; ++i)
        r = r * static_cast<long double>(n - i) / static_cast<long double>(i + 1);
    return std::round(r);
}

}  // namespace

long double TeljBontSzelvszamValos(std::int32_t n, std::int32_t k, std::int32_t F, bool VanPluszSzam,
                                   std::int32_t PluszSzamDb)
{
    if (k == 1 && F == 0)
        return n;
    if (VanPluszSzam && F >= PluszSzamDb && PluszSzamDb > 0) {
        const long double extra = PluszSzamDb < 2 ? static_cast<long double>(F) : binomValos(F, PluszSzamDb);
        return binomValos(n - F, k - PluszSzamDb) * extra;
    }
    return binomValos(n, k);
}

StartEredmeny StartEllenorzes(const StartHelyzet& h)
{
    StartEredmeny e;
    const bool tulcsordul = h.ABSZ < 0;
    // A full-size count that does not fit 64 bits is never "reached".
    if (!tulcsordul && h.BontMatrixMeret >= h.ABSZ && !h.CsokkentOptimalizalas) {
        e.Dontes = StartDontes::ElerteTeljes;
        e.Uzenet = kSzovegElerteTeljes;
        return e;
    }
    const bool teljesVariacio =
        !h.FeltetelJelzo && ((h.Hibapont == 0 && !h.TulirasBont) || (h.TulirasBont && h.Tuliras == h.TulirasMax));
    const bool nagy = tulcsordul || h.ABSZ > kBontMaxSzelvszam;
    if (nagy && (teljesVariacio || tulcsordul)) {
        e.Dontes = StartDontes::TulNagy;
        const std::string db = tulcsordul ? FormatFloatThousands(static_cast<double>(h.ABSZValos), 0)
                                          : FormatThousands(h.ABSZ);
        e.Uzenet = "A teljes variáció " + db + " számsort igényel." +
                   "\r\n\r\nAz aktuális verzió nem kezel ilyen méretű variációt:" +
                   "\r\n - Csökkentse a variációra kijelölt számok mennyiségét";
    }
    return e;
}

ParancsHelyzet BontasParancsHelyzet(const VariationStore& t, const BontasEgyseg& u, const SzamListak& l,
                                    bool HuzasSzamsorVariacio, bool e)
{
    ParancsHelyzet h;
    h.VanBontas = e;
    h.HuzasSzamsorVariacio = HuzasSzamsorVariacio;
    h.BontasBovites = u.BontasBovites;
    h.Peldabontas = u.Peldabontas;
    h.BontasPause = u.Vezerles.BontasPause.load();
    h.BontSzelvszam = t.BontSzelvszam;
    h.ABSZ = t.ABSZ;
    h.Import_Count = t.Import_Count;
    h.BovitesAzonosSzamok = u.BontasBovites && l.KijeloltSzamDb() == u.BovitesKijeloltSzamDb &&
                            l.FixSzamDb() == u.BovitesFixSzamDb;
    h.SzerkesztettVariacio = u.SzerkesztettVariacio;
    h.BontasBefejezetlen = u.Allapot.BontasBefejezetlen;
    h.BontStatus = u.Vezerles.FBontStatus.load();
    h.Rendezett = BontListRendezett(t);
    return h;
}

BontasBemenet BontasBemenetKeszites(const SzamListak& l, const FeltetelRekordok& f, const VariacioOpcioErtekek& o,
                                    const GameParams& g, const BontasBemenetKornyezet& k)
{
    BontasBemenet b;
    b.KijeloltSzamDb = l.KijeloltSzamDb();
    b.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    b.VariacioMeret = l.VariacioMeret;
    b.VariacioFoMeret = l.VariacioFoMeret;
    b.VanPluszSzam = g.VanPluszSzam;
    b.Hibapont = f.Hibapont;
    // Conditions switched off for hand editing take no part in a run.
    const bool feltetelek = f.FeltetelJelzo && !f.LetiltottFeltetelek;
    b.FeltetelJelzo = feltetelek && k.VanSorFeltetel;
    b.SzorasAktiv = feltetelek && f.SzorasFeltetel.Allapot != 0;
    b.TalArAktiv = feltetelek && f.TalalatiAranyFeltetel.Allapot != 0 && k.AdatbazisBetoltve;
    b.BontasBovites = k.BontasBovites;
    b.VeletlenSzamsorok = o.VeletlenSzamsorok;
    b.GyakorisagiEloszlas = o.GyakorisagiEloszlas;
    b.Optimalizalt = o.Optimalizalt;
    b.TulirasBont = o.TulirasBont;
    if (o.TulirasBont) {
        b.Tuliras = o.Tuliras;
        b.TulirasTeteles = o.TulirasTeteles;
        b.TulirasSorozat = o.TulirasTeteles && o.TulirasSorozat;
        if (o.TulirasTeteles) {
            b.TulirasTetelesMin = o.TulirasTetelesMin;
            b.TulirasTetelesMax = o.TulirasTetelesMax;
        }
    }
    b.VeletlenMag = k.VeletlenMag;
    // With the hit-ratio source "húzások" the variation is made of the
    // drawings the candidates meet; an extension never is.
    b.HuzasSzamsorVariacio = b.TalArAktiv && f.TalalatiAranyFeltetel.Forras == 1 && !k.BontasBovites;
    if (b.HuzasSzamsorVariacio) {
        b.SzamsorHossz = g.SzamsorHossz;
        const TTalalatiAranyFeltetel& ta = f.TalalatiAranyFeltetel;
        std::int32_t elso = INT32_MAX, utolso = 0;
        for (std::int32_t r = 0; r < ta.DbTartomany && r < static_cast<std::int32_t>(ta.ElsoHuzas.size()); ++r) {
            const auto u = static_cast<std::size_t>(r);
            elso = std::min(elso, std::max(1, ta.ElsoHuzas[u]));
            utolso = std::max(utolso, std::min(k.HuzasokSzama, ta.UtolsoHuzas[u]));
        }
        const std::int64_t sorsolas = std::max(1, g.SorsolasokSzama);
        const std::int64_t tartomany = utolso >= elso ? utolso - elso + 1 : 0;
        const std::int64_t cel = std::min<std::int64_t>(tartomany * sorsolas, std::int64_t{k.HuzasokSzama} * sorsolas);
        b.CelSzelvszam = static_cast<std::int32_t>(std::clamp<std::int64_t>(cel, 1, kBontMaxSzelvszam));
    }
    return b;
}

std::string BontasFejlec(std::int32_t KijeloltFoSzamDb, std::int32_t FixSzamDb, bool VanPluszSzam,
                         std::int32_t KijeloltPluszSzamDb, const std::string& PluszSzamNev, bool bovitett)
{
    std::string s = std::to_string(KijeloltFoSzamDb);
    if (FixSzamDb > 0)
        s += " + " + std::to_string(FixSzamDb) + " fix";
    if (VanPluszSzam)
        s += " + " + std::to_string(KijeloltPluszSzamDb) + PluszSzamNev;
    s += " szám ";
    if (bovitett)
        s += "bővített ";
    return s + "variációja ";
}

std::string SzelvSzamSzoveg(std::int64_t n)
{
    return FormatThousands(n) + " számsor";
}

namespace {

std::string trillioElotag(std::int64_t trillio)
{
    return trillio > 0 ? FormatThousands(trillio) + " trillió " : std::string();
}

}  // namespace

std::string OptCiklusElotag(std::int64_t trillio, std::int64_t ciklus)
{
    return trillioElotag(trillio) + FormatThousands(ciklus) + ". ciklus: ";
}

std::string OptMegszakitasElotag(std::int64_t trillio, std::int64_t ciklus, std::int64_t legjobbCiklus)
{
    return trillioElotag(trillio) + FormatThousands(ciklus) + " ciklusból a(z) " + FormatThousands(legjobbCiklus) +
           ". ciklusban: ";
}

std::string OptCiklusSzoveg(std::int64_t trillio, std::int64_t ciklus)
{
    return (trillio > 0 ? FormatThousands(trillio) + " trillió " : std::string()) + FormatThousands(ciklus) +
           " ciklus vizsgálata";
}

std::string OptTaroltSzoveg(std::int64_t trillio, std::int64_t ciklus, std::int64_t sorok)
{
    return "Tárolva " + (trillio > 0 ? FormatThousands(trillio) + " trillió " : std::string()) +
           FormatThousands(ciklus) + ". ciklus: " + SzelvSzamSzoveg(sorok);
}

std::string TarolasLeallitasSzoveg(std::int64_t n)
{
    return "A variáció készítése leállt.\r\n\r\nAz eddig elkészült " + SzelvSzamSzoveg(n) +
           " megmaradt: a variáció listázható és menthető.";
}

const std::array<const char*, 9> kPenznemNevek = {" forint", " euro",    " kuna",   " lei",  " dinar",
                                                   " hrivnya", " dollar", " korona", " litas"};

std::string KoltsegSzoveg(std::int64_t sorok, double jegyAr, std::int32_t penznemIndex)
{
    const double koltseg = static_cast<double>(sorok) * jegyAr;
    const int tizedes = std::floor(jegyAr) == jegyAr ? 0 : 2;
    const char* nev = penznemIndex >= 0 && penznemIndex < 9 ? kPenznemNevek[static_cast<std::size_t>(penznemIndex)] : "";
    return "Variáció költsége: " + FormatFloatThousands(koltseg, tizedes) + nev;
}

std::string MegszakitasUzenet(int tag)
{
    if (tag == 4)
        return std::string("[Pause] felfüggesztett folyamat") + "\r\n" +
               "A variációt elmentve majd később visszatöltve, a program ott folytatja a variáció generálását, ahol "
               "most felfüggesztette." +
               "\r\n\r\nHa a Pause státusz törlése nélkül módosítja a felfüggesztett, befejezetlen varáció "
               "feltételeit, a hibapont értékét vagy opcióit, a variáció (lehet) nem lesz értékelhető.\r\n\r\nPause "
               "státusz törlése: Főmenü - Variáció - Pause törlés" +
               "\r\n\r\n" + "Felfüggeszti a folyamatot?";
    return std::string("[Break] megszakított folyamat") + "\r\n" +
           "Ha a variációt nem, vagy más beállításokkal akarja folytatni." + "\r\n\r\n" + "Megszakítja a folyamatot?";
}

std::string StopUzenet(bool bovites, bool feluliras)
{
    std::string kozep = !bovites   ? " törlésre kerül - új variáció készítése."
                        : feluliras ? ", a folyamat aktuális állapota szerinti számsorokat fogja tartalmazni."
                                    : ", a folyamatot megelőző számsorokat fogja tartalmazni.";
    return "[Stop] leállított folyamat\r\nA variációs lista" + kozep + "\r\n\r\n" + "Leállítja a folyamatot?";
}

bool StopAktualisSorok(bool bovites, const TVariacioOpciok& o)
{
    return bovites && o.Optimalizalas != 0 && o.Feluliras != 0;
}

namespace {

long double poziciosBecsles(const std::uint8_t* sor, std::int32_t kf)
{
    long double p = 1;
    for (std::int32_t i = 0; i < kf; ++i)
        p *= static_cast<long double>(sor[i]) + 1;
    for (std::int32_t i = 2; i <= kf; ++i)
        p /= i;
    return p;
}

}  // namespace

void SetABSZV(std::int32_t nf, std::int32_t kf, std::int64_t& alap, std::int64_t& oszto)
{
    std::uint8_t mx[kMaxVariacioMeret]{}, mn[kMaxVariacioMeret]{};
    for (std::int32_t i = 0; i < kf && i < kMaxVariacioMeret; ++i) {
        mx[i] = static_cast<std::uint8_t>(nf - kf + i);
        mn[i] = static_cast<std::uint8_t>(i);
    }
    const auto veg = static_cast<std::int64_t>(std::llround(poziciosBecsles(mx, kf)));
    alap = static_cast<std::int64_t>(std::llround(poziciosBecsles(mn, kf)));
    oszto = (veg - alap) / 100;
    if (oszto == 0)
        oszto = 1;
}

std::int32_t FolyamatSzazalek(const std::uint8_t* sor, std::int32_t kf, std::int64_t alap, std::int64_t oszto,
                              std::int32_t folyamatAlap)
{
    const auto p = static_cast<std::int64_t>(std::llround(poziciosBecsles(sor, kf)));
    std::int64_t q = (p - alap) / (oszto > 0 ? oszto : 1);
    if (q < 0)
        q = 0;
    if (folyamatAlap + q >= 100)
        q = 99 - folyamatAlap;
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, folyamatAlap + q));
}

namespace {

struct JelentesTetel {
    const char* Nev;
    int Bit;
    int AlBit;  // -1: listed by its bit in set A
};

constexpr JelentesTetel kJelentesTetelek[] = {
    {"Eloszlás - Favorizált számok", BitFav, -1},
    {"Eloszlás - Állandó számok", BitAllando, -1},
    {"Eloszlás - Mobil számcsoportok", BitMob, -1},
    {"Eloszlás - Fix számcsoportok", BitFix, -1},
    {"Eloszlás - Számcsoportok", BitSzamcsoportok, -1},
    {"Eloszlás - Számkészletek", BitSzamkeszlet, -1},
    {"Számcsoport - Páros-páratlan", BitSzcsParos, -1},
    {"Számcsoport - Ismétlődés", BitSzcsIsmet, -1},
    {"Számcsoport - Tételes", BitSzamcsoportTeteles, -1},
    {"Számvégződés - Páros-páratlan", BitSzvParos, -1},
    {"Számvégződés - Ismétlődés", BitSzvIsmet, -1},
    {"Számvégződés - Tételes", BitSzamvegzodesTeteles, -1},
    {"Események - Ikerszám", BitIkerszam, -1},
    {"Események - Tükör számpár", BitTukorszam, -1},
    {"Események - Prímszám", BitPrimszam, -1},
    {"Események - Szomszédos számok - Egy számsorban", BitSzomszedos, AlBitSzomszedosAlt},
    {"Események - Szomszédos számok - Mobil számcsoportok", BitSzomszedos, AlBitSzomszedosMob},
    {"Események - Szomszédos számok - Fix számcsoportok", BitSzomszedos, AlBitSzomszedosFix},
    {"Számjegy - Páros-páratlan", BitSzJParos, -1},
    {"Számjegy - Ismétlődés", BitSzJIsmet, -1},
    {"Számjegy - Tételes", BitSzJTeteles, -1},
    {"Math - Összeg", BitOsszeg, -1},
    {"Math - Szórás", BitSzoras, -1},
    {"Math - Terjedelem - Fix", BitTerjedelem, AlBitTerjedelemFix},
    {"Math - Terjedelem - Változó", BitTerjedelem, AlBitTerjedelemValtozo},
    {"Spec - Számok eloszlása - Sorozatok", BitSorozat, -1},
    {"Spec - Számsorok eloszlása - Tartományok", BitSzamsorok, AlBitSzamsorokTartomany},
    {"Spec - Számsorok eloszlása - Sorozatok", BitSzamsorok, AlBitSzamsorokSorozat},
    {"Találati arány", BitTalalatiArany, -1},
};

}  // namespace

VegeJelentes VegeJelentesKeszites(const VegeBemenet& be)
{
    VegeJelentes j;
    if (!be.BontStatus)
        return j;
    const std::string tetel = "\r\n     »   ";
    const bool vanSor = be.BontSzelvszam > 0;
    std::string tetelek;
    bool optNemTeljesult = false, talalatNemTeljesult = false;
    if (!be.BontasPause && be.BontSzelvszam < be.ABSZ) {
        const std::string megjegyzes = "\r\n          ( ! ) ";
        if (be.Optimalizalas && !be.Teljesult.Feltetel(BitOptimalizalas)) {
            optNemTeljesult = true;
            tetelek += tetel + (be.Csokkent ? "Variáció - Csökkent opció" : "Variáció - Növel opció");
            if (be.Bovites && !be.Feluliras)
                tetelek += megjegyzes + "Nem kijelölt a Felülírás opció";
            if (be.Bovites && be.Feluliras && be.OptVedettSzamsor >= 1 && be.OptVedettSzamsor <= be.BontSzelvszam - 1)
                tetelek += megjegyzes + "Felülírás - az első " + std::to_string(be.OptVedettSzamsor) +
                           " számsor kivételével";
            if (be.OptMod < 5 && be.OptElsoCiklus)
                tetelek += megjegyzes + "Mód opció arányértéke: " + std::to_string(be.OptMod);
            if (be.OptGyorskereses)
                tetelek += megjegyzes + "Gyorskeresés opció bekapcsolt";
        }
        if (be.TalalatTeteles && !be.Teljesult.Feltetel(BitTalalat)) {
            talalatNemTeljesult = true;
            tetelek += tetel + "Variáció - Találat opció";
            if ((be.TulirasTetelesMax > 0 && be.TulirasTetelesMax < be.TulirasTetelesLimit) ||
                be.TulirasTetelesMin == be.TulirasTetelesMax)
                tetelek += megjegyzes + "Tételes opció - esetek [min,max] értékei";
        }
        for (const JelentesTetel& t : kJelentesTetelek) {
            const bool aktiv = t.AlBit < 0 ? be.Kijelolt.Feltetel(t.Bit)
                                           : be.Kijelolt.Feltetel(t.Bit) && be.Kijelolt.AlFeltetel(t.AlBit);
            const bool teljesult = t.AlBit < 0 ? be.Teljesult.Feltetel(t.Bit) : be.Teljesult.AlFeltetel(t.AlBit);
            if (aktiv && !teljesult)
                tetelek += tetel + t.Nev;
        }
    }
    const std::int32_t teljesultDb = GetDbTeljesultFeltetel(be.Teljesult);
    if (!tetelek.empty()) {
        const std::int32_t u = be.KijeloltDb + (talalatNemTeljesult ? 1 : 0) + (optNemTeljesult ? 1 : 0) - teljesultDb;
        const std::string veg1 = u < 2 ? "" : "ek";
        const std::string veg2 = u < 2 ? "ik" : "nek";
        std::string s = "A folyamat során nem teljesült feltétel" + veg1 + ":" + tetelek;
        std::string megj;
        if (vanSor)
            megj += "\r\n - szerint érvényes számsorok, már részei a variációnak";
        if (teljesultDb > 0)
            megj += "\r\n - a listában nem felsorolt feltétel" + std::string(teljesultDb == 1 ? "lel" : "ekkel") +
                    " ütköz" + veg2;
        if (!megj.empty())
            s += "\r\n\r\nElőfordulhat, hogy a nem teljesült feltétel" + veg1 + megj;
        if (!vanSor)
            s += std::string("\r\n\r\nGondolja újra ") +
                 (be.KijeloltDb >= 2 && teljesultDb < be.KijeloltDb ? "a feltételek párosítását, " : "") +
                 "az alkalmazott logikai és/vagy numerikus értékeket.";
        s += "\r\n\r\nHibakeresés, Súgó: Tartalom - Feltétel - Ellenőrzés";
        j.Szoveg = s;
    }
    if (!vanSor) {
        j.HibaDoboz = true;
        if (be.BontasBefejezetlen) {
            j.Szoveg.clear();
            return j;
        }
        if (j.Szoveg.empty()) {
            std::string s;
            if (!be.Felirat.empty())
                s = be.Felirat;
            else if (be.KijeloltDb == 0 && !be.TalalatTeteles && !be.Optimalizalas)
                s = "Nincs kijelölt feltétel";
            else
                s = "Minden feltétel teljesült";
            s += ", mégis nulla a variáció számsorainak mennyisége.\r\n\r\n";
            if (be.Hibapont > 0)
                s += "Módosítsa a hibapont értékét és/vagy a kijelölt feltételeket.";
            else
                s += "A jelenlegi beállítások mellett, ez nem fordulhatna elő.\r\nKérem, mentse a variációt (top "
                     "kiterjesztésű) állományba és küldje el a program fejlesztőjének.\r\n\r\nSegítő "
                     "közreműködését köszönöm.";
            j.Szoveg = s;
        }
    }
    return j;
}

std::string SorozatCiklusSzoveg(std::int32_t akt, std::int32_t mn, std::int32_t mx)
{
    return std::to_string(akt - mn + 1) + "/" + std::to_string(mx - mn + 1) + " ciklus";
}

std::string ProbabontasPBInfo(const PeldabontasInfoBemenet& be, bool behuzas)
{
    if (!be.Peldabontas || !be.VanPluszSzam || be.Hibapont != 0 || !be.MindenSzamKijelolt || be.PluszSzamDb <= 0)
        return {};
    const std::int64_t plusz = BontBinom(be.PluszSzamKeszlet, be.PluszSzamDb);
    if (plusz <= 0)
        return {};
    const int w = static_cast<int>(std::to_string(be.BontSzelvszam).size());
    const auto szam = [w](std::int64_t n) {
        std::string s = std::to_string(n);
        return std::string(static_cast<std::size_t>(std::max(0, w - static_cast<int>(s.size()))), ' ') + s;
    };
    const std::string el = behuzas ? "  " : "";
    return el + std::to_string(be.SzamsorFoSzamDb) + " + " + std::to_string(be.PluszSzamDb) +
           " találat eléréséhez " + szam(be.BontSzelvszam) + " számsor" + "\r\n" + el +
           std::to_string(be.SzamsorFoSzamDb) + " + 0 találat eléréséhez " + szam(be.BontSzelvszam / plusz) +
           " számsor";
}

namespace {

// Numbers eight to a line, each after four blanks (six for one digit).
std::string szamLista(const std::vector<int>& v)
{
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0 && i % 8 == 0)
            s += "\r\n";
        s += (v[i] > 9 ? "    " : "      ") + std::to_string(v[i]);
    }
    return s;
}

}  // namespace

std::string BontStatVizsgSzoveg(const BontStatBemenet& be)
{
    if (be.TalArHuzasForras)
        return {};
    std::string s;
    if (be.VanTeljesult && !be.PeldabontasInfo.empty())
        s = be.PeldabontasInfo + "\r\n\r\n";
    std::vector<int> fo, plusz;
    for (std::size_t i = 0; i < be.KijeloltSzamok.size() && i < be.BontSzamGyakorisag.size(); ++i) {
        if (be.BontSzamGyakorisag[i] != 0)
            continue;
        const int a = be.KijeloltSzamok[i];
        if (static_cast<std::int32_t>(i) < be.KijeloltFoSzamDb)
            fo.push_back(a);
        else
            plusz.push_back(a - be.FoSzamKeszlet - be.PluszSzamEltolas);
    }
    if (fo.empty() && plusz.empty())
        return s;
    if (be.VanTeljesult) {
        s += "A teljes variáció szűrését követően";
        s += "\r\n";
    }
    if (!fo.empty())
        s += std::to_string(fo.size()) + (be.VanPluszSzam ? " törzsszám" : " szám") +
             " hiányzik a variációra kijelölt számsorból:" + "\r\n" + szamLista(fo);
    if (be.VanPluszSzam && !plusz.empty()) {
        if (!fo.empty())
            s += "\r\n";
        s += std::to_string(plusz.size()) + be.PluszSzamNev + " szám hiányzik a variációra kijelöl számsorból:" +
             "\r\n" + szamLista(plusz);
    }
    return s;
}

void ImportCountVege(VariationStore& t)
{
    if (t.Import_Count.empty() || t.Import_Count.back() < t.BontSzelvszam)
        t.Import_Count.push_back(t.BontSzelvszam);
    t.Import_Count.back() = t.BontSzelvszam;
}

void BontasPauseTorlese(BontasEgyseg& u)
{
    u.Vezerles.BontasPause.store(false);
    u.Allapot.PauseSzamsor.assign(static_cast<std::size_t>(std::max(0, u.SzamsorHossz)), 0);
    u.Allapot.BontasFolytatas = false;
    u.Allapot.FPauseMenet = 0;
    u.Vezerles.FPauseMenet.store(0);
}

void PeldabontasLogTorles(BontasEgyseg& u)
{
    u.Peldabontas = false;
    u.PeldabontasFelirat.clear();
}

void LMPStatusokTorlese(BontasEgyseg& u)
{
    BontasPauseTorlese(u);
    u.Vezerles.FBontStatus.store(true);
    u.Allapot.BontasBefejezetlen = false;
}

namespace {

void hiv(const std::function<void()>& f)
{
    if (f)
        f();
}

// Large stores are resized or freed behind the wait window.
void nagyFeladat(const VariationStore& t, const TorlesKornyezet& k, int kod, const std::function<void()>& f)
{
    if (k.NagyFeladat && t.BontMatrixMeret > kBontAblakosMeret)
        k.NagyFeladat(kod, f);
    else
        f();
}

bool kerdez(const TorlesKornyezet& k, const std::string& szoveg)
{
    return !k.JovahagyasKerese || k.JovahagyasKerese(szoveg);
}

}  // namespace

void BontasTorlese(VariationStore& t, BontasEgyseg& u, bool truncate, bool& Mentve, const TorlesKornyezet& k)
{
    hiv(k.AblakokBezarasa);
    PeldabontasLogTorles(u);
    const bool vanSor = t.BontMatrixMeret > 0;
    if ((truncate || !u.BontasBovites) && vanSor) {
        if (truncate) {
            const std::int32_t hatar = t.Import_Count.empty() ? 0 : t.Import_Count.back();
            nagyFeladat(t, k, kFeladatListaModositas,
                        [&] { SetBontasMatrix(t, std::max(0, hatar), t.BontMatrixSorHossz, nullptr); });
            t.BontSzelvszam = t.BontMatrixMeret;
            u.Allapot.VeletlenKiserletek = 0;
            u.Vezerles.VeletlenKiserletek.store(0);
            SzerkesztettVariacioBeallitas(t, u, true, Mentve, k);
            return;
        }
        nagyFeladat(t, k, kFeladatTorles, [&] { FinalizeFBontasMatrix(t); });
    }
    if (!truncate && !u.BontasBovites) {
        t.BontHuzasSorszam.clear();
        u.Allapot.FCsoportSzamsorok.clear();
        u.Allapot.FCsoportAktiv.clear();
        u.Allapot.FCsoportFelso = 0;
    }
    const bool sorok = t.BontMatrixMeret > 0;
    if ((u.Vezerles.BontasPause.load() && !u.BontasBovites) || !sorok || k.KijeloltSzamDb == 0)
        BontasPauseTorlese(u);
    if (!u.Vezerles.BontasPause.load()) {
        u.Allapot.VeletlenKiserletek = 0;
        u.Vezerles.VeletlenKiserletek.store(0);
    }
    u.SzerkesztettVariacio = u.SzerkesztettVariacio && sorok;
    u.BefejezetlenVariacio = u.BefejezetlenVariacio && sorok &&
                             (u.Vezerles.BontasPause.load() || !u.Vezerles.FBontStatus.load() ||
                              u.Allapot.BontasBefejezetlen);
    t.BontSzelvszam = 0;
    u.Vezerles.BontSzelvszam.store(0);
    if (k.Allomany) {
        k.Allomany->BontLottoIndex = k.LottoIndex;
        k.Allomany->BontIdegenSzamsorDb = 0;
    }
    u.OpcioModosulas = false;
    hiv(k.ParancsokFrissitese);
    hiv(k.StatuszFrissites);
}

namespace {

// The agreed deletion: a backup of the unsaved lines and conditions first
// (a backup that cannot be written, and the user keeps the work: false,
// nothing changed), then the conditions when they go too, the conditions
// window closed meanwhile and reopened, extension mode off, the lines gone.
bool torlesJovahagyas(VariationStore& t, BontasEgyseg& u, bool& Mentve, const TorlesKornyezet& k,
                      bool feltetelekIs)
{
    if (!Mentve && k.BackMentese && !k.BackMentese())
        return false;
    if (feltetelekIs)
        hiv(k.FeltetelekTorlese);
    const bool nyitva = k.FeltetelAblakBezarasa && k.FeltetelAblakBezarasa();
    u.BontasBovites = false;
    BontasTorlese(t, u, false, Mentve, k);
    if (nyitva)
        hiv(k.FeltetelAblakMegnyitasa);
    return true;
}

}  // namespace

bool BontTorlesEng1(VariationStore& t, BontasEgyseg& u, bool& Mentve, const TorlesKornyezet& k)
{
    if (!Mentve) {
        if (t.BontSzelvszam <= 0)
            return false;
        if (!kerdez(k, k.BackFigyelmeztetes + "Biztos törli a variáció listáját?"))
            return false;
    }
    return torlesJovahagyas(t, u, Mentve, k, false);
}

bool BontTorlesEng2(VariationStore& t, BontasEgyseg& u, bool& Mentve, bool& LetiltottFeltetelek,
                    const TorlesKornyezet& k)
{
    // Without lines, and in extension mode (where new numbers are meant to
    // be added to the lines), only the conditions are at stake.
    if (t.BontSzelvszam <= 0 || u.BontasBovites) {
        if (k.FeltetelJelzo) {
            bool igen;
            if (u.BontasBovites && k.BovitesAzonosSzamok) {
                igen = kerdez(k, "Variáció számsorának módosítása\r\nA számsort alkotó számok és/vagy a "
                                 "számsorrend változása miatt: amíg módosítja a számsort, a program letiltja a "
                                 "kijelölt feltételeket.\r\n\r\nBiztos módosítja a számsort?");
                if (igen)
                    LetiltottFeltetelek = true;
            } else {
                igen = kerdez(k, k.BackFigyelmeztetes + "Biztos törli a feltételeket?");
            }
            if (!igen)
                return false;
        }
        hiv(k.FeltetelekTorlese);
        return true;
    }
    // The stored lines are positions in the selection: once the numbers
    // change they would stand for other numbers, so the lines go with the
    // conditions. A saved variation goes without a question about its lines.
    if (k.FeltetelJelzo) {
        const char* kerdes = Mentve ? "Biztos törli a feltételeket?" : "Biztos törli a feltételeket és a variáció listáját?";
        if (!kerdez(k, k.BackFigyelmeztetes + kerdes))
            return false;
        return torlesJovahagyas(t, u, Mentve, k, true);
    }
    return BontTorlesEng1(t, u, Mentve, k);
}

void BovitesLeallitasUtan(VariationStore& t, std::int32_t KijeloltSzamDb, const TorlesKornyezet& k,
                          bool aktualisSorok)
{
    const std::int32_t hatar = t.Import_Count.empty() ? 0 : std::max(0, t.Import_Count.back());
    if (aktualisSorok)
        ImportCountVege(t);
    else if (hatar < t.BontMatrixMeret)
        nagyFeladat(t, k, kFeladatListaModositas, [&] { SetBontasMatrix(t, hatar, t.BontMatrixSorHossz, nullptr); });
    BontasListazasTorlesUtan(t, KijeloltSzamDb);
}

bool MegszakitottVariacio(const VariationStore& t, const BontasEgyseg& u)
{
    return t.BontMatrixMeret > 0 && !u.BontasBovites &&
           (!u.Vezerles.FBontStatus.load() || u.Vezerles.BontasPause.load() || u.Allapot.BontasBefejezetlen ||
            u.SzerkesztettVariacio);
}

void SzerkesztettVariacioBeallitas(VariationStore& t, BontasEgyseg& u, bool e, bool& Mentve, const TorlesKornyezet& k)
{
    hiv(k.VersionBeallitas);
    PeldabontasLogTorles(u);
    Mentve = false;
    u.SzerkesztettVariacio = e;
    if (!u.Allapot.BontasBefejezetlen)
        u.Allapot.BontasBefejezetlen = u.Vezerles.BontasPause.load() || !u.Vezerles.FBontStatus.load();
    if (u.Vezerles.BontasPause.load())
        BontasPauseTorlese(u);
    u.BefejezetlenVariacio = true;
    if (t.BontMatrixMeret > 0) {
        BontasListazasTorlesUtan(t, k.KijeloltSzamDb);
        hiv(k.ParancsokFrissitese);
    }
    hiv(k.StatuszFrissites);
}

}  // namespace kvx
