#include "conditions/consistency_check.h"
#include "conditions/distribution_conditions.h"
#include "conditions/hit_ratio_conditions.h"
#include "conditions/line_range_conditions.h"
#include "conditions/series_conditions.h"
#include "conditions/variation_options.h"
#include "conditions/item_conditions.h"
#include "conditions/number_pools.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "common/delphi_format.h"
#include "conditions/markers.h"
#include "tickets/number_lists.h"

namespace kvx {

const char* const kEllenorzesRendben =
    "A vizsgált feltételek beállításai érvényesek\r\n\r\nA program nem ellenőrzi:\r\n- a kijelölt feltételek minden "
    "összefüggését\r\n- az egy feltételen belül halmozott beállítások ütközését";
const char* const kNemEllenorzottMinden =
    "A program nem ellenőrzött minden feltételt\r\n\r\nAmennyiben nem akarja módosítani a feltétel "
    "beállításait:\r\n- törölje ideiglenesen a feltétel kijelölését\r\n- indítsa el ismét az ellenőrzést\r\n\r\nAz "
    "ideiglenesen törölt feltétel(eke)t újra kijelölve, a korábbi beállítások lépnek érvénybe.";

namespace {

const char* const kRN = "\r\n";
const char* const kRNRN = "\r\n\r\n";
const char* const kEgymastKizaro = "Egymást kizáró feltételek.\r\n\r\n";

std::string sz(std::int64_t v) { return std::to_string(v); }

std::string tobbFeltetel(const std::string& lista, const std::string& elem, const char* mire, const char* mikre)
{
    return lista + kRNRN + elem + mire + " több feltételt kötött ki.\r\nA program nem vizsgálja az azonos " + mikre +
           " beállított feltételek minden lehetséges ütközését.";
}

// The texts of one itemised (Tételes) condition.
struct TetelesSzovegek {
    const char* Fej;          // "Nem teljesülhet a ... - Tételes feltétel\r\n\r\n"
    const char* Csokkentse;   // T
    const char* Ertelmezett;  // " számcsoport értelmezett."
    const char* MinOsszeg;    // "A kijelölt ... minimum találatainak összege: "
    const char* FejMaradek;   // "Nem teljesülhet maradéktalanul a ... feltétel\r\n\r\n"
    const char* MinOsszeg2;   // "A kijelölt ... minimum találatainak összege "
    const char* Novelje;
    const char* Kizaro;       // " számcsoportra egymást kizáró ..."
    const char* Mire;         // " számcsoportra"
    const char* Mikre;        // "számcsoportokra"
    const std::array<const char*, 10>* Nevek;
    bool Szamjegy;            // the digit variant: 2k digits per line
};

// Sum of a field over the items, less for each item that has a later item
// of the same key the smaller of the two values.
template <class T, class Kulcs, class Ertek>
std::int64_t duplikaltOsszeg(const T* tetelek, std::int32_t db, Kulcs kulcs, Ertek ertek)
{
    std::int64_t s = 0;
    for (std::int32_t i = 0; i < db; ++i) s += ertek(tetelek[i]);
    for (std::int32_t i = 0; i < db; ++i)
        for (std::int32_t j = i + 1; j < db; ++j)
            if (kulcs(tetelek[i]) == kulcs(tetelek[j])) {
                s -= std::min(ertek(tetelek[i]), ertek(tetelek[j]));
                break;
            }
    return s;
}

class Ellenorzo {
public:
    Ellenorzo(const EllenorzesBemenet& be, bool interaktiv) : be_(be), f_(*be.Feltetelek), g_(*be.Jatek), i_(interaktiv)
    {
        k_ = be.VariacioFoMeret;
        n_ = be.KijeloltFoSzamDb;
    }

    EllenorzesEredmeny futtat()
    {
        const auto& fl = f_;
        const bool t1 = fl.FavFeltetel.Allapot;
        const bool t2 = fl.AllandoFeltetel.Allapot;
        const bool t3 = fl.SzamcsoportokFeltetel.Allapot;
        const bool t4 = fl.SzamcsoportTetelesFeltetel.Allapot;
        const bool t5 = fl.TalalatiAranyFeltetel.Allapot;
        const bool t6 = fl.SzamvegzodesTetelesFeltetel.Allapot;
        const bool t7 = fl.IkerszamFeltetel.Allapot && fl.TukorszamFeltetel.Allapot && fl.IkerszamFeltetel.Min > 0 &&
                        fl.TukorszamFeltetel.Min > 0;
        const auto& sz8 = fl.SzomszedosFeltetel;
        const bool t8 = sz8.Allapot && (sz8.Alt || sz8.Mob || sz8.Fix);
        const bool t9 = fl.SzvParosFeltetel.Allapot && fl.OsszegFeltetel.Allapot &&
                        fl.OsszegFeltetel.Min == fl.OsszegFeltetel.Max;
        const auto& te = fl.TerjedelemFeltetel;
        const bool t10 = te.Allapot && (te.Fix || te.Valtozo);
        const bool t11 = fl.SzJTetelesFeltetel.Allapot;
        const bool t12 = fl.SorozatFeltetel.Allapot;
        const bool t13 = fl.SzamkeszletFeltetel.Allapot;
        const auto& ss = fl.SzamsorokFeltetel;
        const bool t14 = ss.Allapot && (ss.Tartomany || ss.Sorozat);
        const auto& op = fl.VariacioOpciok;
        const bool t15 = op.Optimalizalas && !op.Feluliras;
        const bool t16 = be_.TulirasBont && be_.TulirasTeteles && be_.LefoglaltSorok == 0 && be_.TulirasTetelesMin > 0;
        for (bool t : {t1, t2, t3, t4, t5, t6, t7, t8, t9, t10, t11, t12, t13, t14, t15, t16})
            if (t) ++r_.EllenorzesSzamlalo;

        struct Szabaly {
            bool Kivalto;
            int Lap;
            std::function<bool()> Teszt;  // true when the rule fails
        };
        const Szabaly szabalyok[] = {
            {t1, LapEloszlas, [&] { return favorizalt(); }},
            {t2, LapEloszlas, [&] { return allando(); }},
            {t3, LapEloszlas, [&] { return szamcsoportok(); }},
            {t4, LapSzamcsoport, [&] { return teteles(fl.SzamcsoportTetelesFeltetel, be_.Listak.SzCsTetelesDbEdit, be_.SzcsCsoportDb, kSzamcsoport); }},
            {t5, LapTalalatiArany, [&] { return talalatiArany(); }},
            {t6, LapSzamvegzodes, [&] { return teteles(fl.SzamvegzodesTetelesFeltetel, be_.Listak.SzVTetelesDbEdit, be_.SzvCsoportDb, kSzamvegzodes); }},
            {t7, LapEsemenyek, [&] { return ikerTukor(); }},
            {t8, LapEsemenyek, [&] { return szomszedos(); }},
            {t9, LapMath, [&] { return parosOsszeg(); }},
            {t10, LapMath, [&] { return terjedelem(); }},
            {t11, LapSzamjegy, [&] { return teteles(fl.SzJTetelesFeltetel, be_.Listak.SzJTetelesDbEdit, be_.SzjCsoportDb, kSzamjegy); }},
            {t12, LapSpec, [&] { return sorozat(); }},
            {t13, LapEloszlas, [&] { return szamkeszlet(); }},
            {t14, LapSpec, [&] { return szamsorok(); }},
        };
        for (const Szabaly& s : szabalyok) {
            if (!s.Kivalto) continue;
            --r_.EllenorzesSzamlalo;
            r_.EllenorzesLap = s.Lap;
            if (s.Teszt()) return hiba();
        }
        if (t15 && optimalizalas()) {
            --r_.EllenorzesSzamlalo;
            r_.EllenorzesLap = LapEloszlas;
            return hiba();
        }
        if (t16) {
            --r_.EllenorzesSzamlalo;
            r_.EllenorzesLap = LapEloszlas;
            uzenet_ = "Nem teljesülhet a Találat opció kritériuma\r\n\r\nEsetek számának minimum értéke: " +
                      sz(be_.TulirasTetelesMin) + kRN + "Állítsa nullára a minimum értéket.";
            return hiba();
        }
        return r_;
    }

private:
    EllenorzesEredmeny hiba()
    {
        r_.Ok = false;
        r_.EllenorzesUzenet = uzenet_;
        return r_;
    }
    bool fail(std::string s)
    {
        uzenet_ = std::move(s);
        return true;
    }

    bool favorizalt()
    {
        const auto& f = f_.FavFeltetel;
        if ((f.ElsoIndex == 1 && f.UtolsoIndex == n_ && k_ > f.TalalatMax) ||
            n_ - (f.UtolsoIndex - f.ElsoIndex + 1) < k_ - f.TalalatMax)
            return fail("Nem teljesülhet az Eloszlás - Favorizált számok feltétel\r\n\r\nA favorizált számokból elérhető "
                        "találatok maximuma alacsony.");
        return false;
    }

    bool allando()
    {
        const std::int32_t kijeloltDb = static_cast<std::int32_t>(be_.KijeloltSzamok.size());
        const std::int32_t b = g_.VanPluszSzam && be_.AllandoPluszSzamDb > 0 &&
                                       kijeloltDb - n_ == be_.AllandoPluszSzamDb
                                   ? g_.PluszSzamDb
                                   : 0;
        const std::int32_t a = be_.AllandoSzamDb - be_.AllandoPluszSzamDb;
        const std::int32_t mx = f_.AllandoFeltetel.Max;
        if ((a == n_ && k_ > mx) || (n_ - a) + (mx - b) < k_)
            return fail("Nem teljesülhet az Eloszlás - Állandó számok feltétel\r\n\r\nAz állandó számokból elérhető "
                        "találatok maximuma alacsony.");
        return false;
    }

    bool szamcsoportok()
    {
        const auto& r = f_.SzamcsoportokFeltetel;
        const std::int32_t db = std::clamp(r.Db, 0, 10);
        const std::string& lista = be_.Listak.DbSzamcsoportEdit;
        const std::string p = "Nem teljesülhet maradéktalanul az Eloszlás - Számcsoportok feltétel\r\n\r\n" + lista + kRNRN;
        const TCsoport* c = r.Csoport.data();
        auto azonos = [&](int i, int j) {
            return c[i].ElsoIndex == c[j].ElsoIndex && c[i].UtolsoIndex == c[j].UtolsoIndex;
        };
        if (i_) {
            int utolso = -1;
            for (int i = 0; i < db; ++i)
                for (int j = i + 1; j < db; ++j)
                    if (azonos(i, j) && (c[i].TalalatMin != c[j].TalalatMin || c[i].TalalatMax != c[j].TalalatMax))
                        utolso = i;
            if (utolso >= 0)
                return fail(p + sz(c[utolso].ElsoIndex) + ". - " + sz(c[utolso].UtolsoIndex) +
                            ". számig terjedő számcsoportra, egymást kizáró találati arányokat kötött ki.");
            const std::int64_t s = duplikaltOsszeg(
                c, db, [](const TCsoport& x) { return std::pair(x.ElsoIndex, x.UtolsoIndex); },
                [](const TCsoport& x) { return std::int64_t{x.TalalatMin}; });
            if (s > k_)
                return fail(p + sz(db) + " számcsoportot jelölt ki, " + sz(k_) + " számot variál egy számsorban." + kRN +
                            "A kijelölt számcsoportok minimum találatainak összege: " + sz(s));
            for (int i = 0; i < db; ++i)
                for (int j = i + 1; j < db; ++j)
                    if (azonos(i, j)) return fail(tobbFeltetel(lista, sz(j + 1) + ".", " számcsoportra", "számcsoportokra"));
        }
        const std::int32_t kijeloltDb = static_cast<std::int32_t>(be_.KijeloltSzamok.size());
        if (kijeloltDb - (c[0].UtolsoIndex - c[0].ElsoIndex + 1) + c[0].TalalatMax < k_)
            return fail("Nem teljesülhet az Eloszlás - Számcsoportok feltétel\r\n\r\n" + lista + kRNRN + sz(k_) +
                        " számot variál egy számsorban." + kRN + sz(db) + " számcsoportot jelölt ki, maximum találata: " +
                        sz(c[0].TalalatMax) + kRNRN + "Növelje a számcsoport maximum találatát.");
        return false;
    }

    static const TetelesSzovegek kSzamcsoport, kSzamvegzodes, kSzamjegy;

    bool teteles(const TTetelesFeltetel& r, const std::string& lista, std::int32_t csoportDb, const TetelesSzovegek& t)
    {
        const std::int32_t db = std::clamp(r.Db, 0, 10);
        const TTetel* e = r.Tetel.data();
        const std::string p = std::string(t.Fej) + lista + kRNRN;
        auto kod = [](const TTetel& x) { return x.Kod; };
        const std::int64_t smin = duplikaltOsszeg(e, db, kod, [](const TTetel& x) { return std::int64_t{x.TalalatMin}; });
        const std::int64_t smax = duplikaltOsszeg(e, db, kod, [](const TTetel& x) { return std::int64_t{x.TalalatMax}; });
        if (!t.Szamjegy) {
            if (smin > k_)
                return fail(p + sz(k_) + " szám esetén, maximum " + sz(k_) + t.Ertelmezett + kRN + t.MinOsszeg + sz(smin) +
                            t.Csokkentse);
            if (i_ && db >= csoportDb && smax < k_)
                return fail(std::string(t.FejMaradek) + lista + kRNRN + sz(k_) + " szám esetén, minimum " + sz(k_) +
                            " találat elérése szükséges." + kRN + t.MinOsszeg2 + sz(smin) +
                            ", maximum találatainak összege " + sz(smax) + kRNRN + t.Novelje);
        } else {
            if (smin > 2 * k_)
                return fail(p + sz(k_) + " szám esetén, maximum " + sz(2 * k_) + " számjegy értelmezett." + kRN +
                            "A kijelölt számjegyek találatainak minimum összege: " + sz(smin) +
                            "\r\n\r\nCsökkentse a számjegyek minimum találatait és/vagy a számjegyek mennyiségét.");
            const std::int64_t a = 2 * k_ - std::min(be_.EgyjegyuDb, k_);
            if (i_ && db >= csoportDb && smax < a)
                return fail(std::string(t.FejMaradek) + lista + kRNRN +
                            "A variációra kijelölt számsor számjegyeiből, minimum " + sz(a) + " találat elérése szükséges." +
                            kRN + t.MinOsszeg2 + sz(smin) + ", maximum találatainak összege " + sz(smax) + kRNRN +
                            t.Novelje);
        }
        for (int i = 0; i < db; ++i)
            for (int j = i + 1; j < db; ++j) {
                if (e[i].Kod != e[j].Kod) continue;
                const bool pontos = e[i].TalalatMin == e[i].TalalatMax && e[j].TalalatMin == e[j].TalalatMax;
                const char* nev = e[i].Kod >= 0 && e[i].Kod <= 9 ? (*t.Nevek)[static_cast<std::size_t>(e[i].Kod)] : "";
                if (pontos && e[i].TalalatMin != e[j].TalalatMin) return fail(p + nev + t.Kizaro);
                if (i_) return fail(tobbFeltetel(lista, nev, t.Mire, t.Mikre));
                return false;
            }
        return false;
    }

    bool talalatiArany()
    {
        const auto& r = f_.TalalatiAranyFeltetel;
        const std::int32_t db = std::clamp(r.DbTartomany, 0, 10);
        const std::string& lista = be_.Listak.DbTartomanyEdit;
        const std::string m = r.Forras == 1 ? " maradéktalanul " : " ";
        int azonos = -1, atfedo = -1;
        for (int i = 0; i < db; ++i)
            for (int j = i + 1; j < db; ++j) {
                if (r.ElsoHuzas[i] != r.ElsoHuzas[j] || r.UtolsoHuzas[i] != r.UtolsoHuzas[j] || r.Tipus[i] == r.Tipus[j])
                    continue;
                const bool tMin = r.TalalatMin[i] == r.TalalatMin[j], tMax = r.TalalatMax[i] == r.TalalatMax[j];
                const bool pMin = r.PBMin[i] == r.PBMin[j], pMax = r.PBMax[i] == r.PBMax[j];
                if (tMin && tMax && (!g_.VanPluszSzam || (pMin && pMax)))
                    azonos = i;
                else if ((tMin || tMax) && (!g_.VanPluszSzam || pMin || pMax))
                    atfedo = i;
            }
        if (azonos >= 0)
            return fail("Nem teljesülhet" + m + "a Találati arány feltétel" + kRNRN + lista + kRNRN +
                        sz(r.ElsoHuzas[azonos]) + ". - " + sz(r.UtolsoHuzas[azonos]) +
                        ". húzásig terjedő tartományra azonos találati arányokat, de eltérő típusú keresést állított be.");
        if (i_ && atfedo >= 0)
            return fail("Nem teljesülhet maradéktalanul a Találati arány feltétel\r\n\r\n" + lista + kRNRN +
                        sz(r.ElsoHuzas[atfedo]) + ". - " + sz(r.UtolsoHuzas[atfedo]) +
                        ". húzásig terjedő tartományra eltérő típusú keresést, egymást átfedő találati arányokat állított be.");
        if (!f_.HuzasSzamsorVariacio) return false;

        const std::string w = g_.VanPluszSzam ? " törzs" : " ";
        const std::string h = "Ha nem módosult a játék számkészlete:\r\n";
        const std::int32_t kijeloltDb = static_cast<std::int32_t>(be_.KijeloltSzamok.size());
        const bool mindFo = n_ == g_.FoSzamKeszlet;
        const bool mindPlusz = g_.VanPluszSzam && kijeloltDb - n_ == g_.PluszSzamKeszlet;
        auto fej = [&](const char* mi, int rr) {
            return std::string(mi) + " a Találati arány feltétel " + sz(rr) + ". tartományának kitétele" + kRNRN + lista +
                   kRNRN;
        };
        auto foSzoveg = [&] {
            return "A variációra kijelölt " + sz(g_.FoSzamKeszlet) + w + "számból, pontosan " + sz(g_.SzamsorFoSzamDb) +
                   " számot tartalmaznak a húzások számsorai." + kRN + h;
        };
        auto pluszSzoveg = [&] {
            return "A variációra kijelölt " + sz(g_.PluszSzamKeszlet) + g_.PluszSzamNev + " számból, pontosan " +
                   sz(g_.PluszSzamDb) + g_.PluszSzamNev + " számot tartalmaznak a húzások számsorai." + kRN + h;
        };
        const std::string foMax = "  - A találat maximum értéke nem lehet kevesebb, mint " + sz(g_.SzamsorFoSzamDb);
        const std::string foMin = "  - A találat minimum értéke nem legyen több, mint 0";
        const std::string pMax = "  - A(z)" + g_.PluszSzamNev + " találat maximum értéke nem lehet kevesebb, mint " +
                                 sz(g_.PluszSzamDb);
        const std::string pMin = "  - A(z)" + g_.PluszSzamNev + " találat minimum értéke nem legyen több, mint 0";
        auto keres = [&](auto felt) {
            for (int i = 0; i < db; ++i)
                if (r.Tipus[i] == 1 && felt(i)) return i + 1;
            return 0;
        };
        if (mindFo) {
            if (int rr = keres([&](int i) { return r.TalalatMax[i] < g_.SzamsorFoSzamDb; }))
                return fail(fej("Nem teljesülhet", rr) + foSzoveg() + foMax + kRN + foMin);
        } else if (mindPlusz) {
            if (int rr = keres([&](int i) { return r.PBMax[i] < g_.PluszSzamDb; }))
                return fail(fej("Nem teljesülhet", rr) + pluszSzoveg() + pMax + kRN + pMin);
        }
        if (i_) {
            if (mindFo) {
                if (int rr = keres([&](int i) { return r.TalalatMin[i] > 0; }))
                    return fail(fej("Nem optimális", rr) + foSzoveg() + foMin);
            } else if (mindPlusz) {
                if (int rr = keres([&](int i) { return r.PBMin[i] > 0; }))
                    return fail(fej("Nem optimális", rr) + pluszSzoveg() + pMin);
            }
        }
        return false;
    }

    bool ikerTukor()
    {
        const std::int32_t i = f_.IkerszamFeltetel.Min, t2 = 2 * f_.TukorszamFeltetel.Min;
        if (i + t2 > k_)
            return fail(std::string(kEgymastKizaro) + sz(k_) + " számot variál egy számsorban." + kRN +
                        " - Ikerszám feltétel minimuma: " + sz(i) + " szám" + kRN + " - Tükör számpár feltétel minimuma: " +
                        sz(t2) + " szám" + kRN + "Összesen: " + sz(i + t2) + " szám" + kRNRN +
                        "Csökkentse az Ikerszám és/vagy a Tükör számpár feltételek minimum találatait.");
        return false;
    }

    bool szomszedos()
    {
        const auto& s = f_.SzomszedosFeltetel;
        if (s.Alt && s.Mob && s.AltSorrend == s.MobSorrend && s.EsetMin == s.EsetMax && s.MobTalalatMax < s.SzomszedMax)
            return fail(std::string(kEgymastKizaro) + "Események - Szomszédos számok - Egy számsorban:" + kRN +
                        " - Egy számsorban pontosan " + sz(s.EsetMax) + " esetben lehet " + sz(s.SzomszedMax) +
                        " szomszédos szám." + kRNRN + "Események - Szomszédos számok - Mobil számcsoportok:" + kRN +
                        " - Bármelyik egymást követő " + sz(s.MobMeret) + " számból, maximum " + sz(s.MobTalalatMax) +
                        " találat elérése.");
        return false;
    }

    bool parosOsszeg()
    {
        const auto& p = f_.SzvParosFeltetel;
        const std::int32_t fix = f_.OsszegFeltetel.Min;
        const bool fixParos = fix % 2 == 0;
        if (p.Min == p.Max) {
            const bool kellParos = (k_ - p.Min) % 2 == 0;
            if (kellParos != fixParos)
                return fail(std::string("Egymást kizáró feltételek.\r\n\r\nA számvégződések páros-páratlan találati aránya "
                                        "szerint, csak ") +
                            (kellParos ? "páros" : "páratlan") +
                            " összegű számsor szerepelhet a variációban.\r\n\r\nAz összeg feltétel fix értéke " +
                            (fixParos ? "páros." : "páratlan."));
        } else if (i_) {
            return fail(std::string("Nem teljesülhet maradéktalanul mindkét feltétel\r\n\r\nA Számvégződés - Páros-páratlan "
                                    "feltétel beállítása szerint, változó lehet a páros-páratlan számok aránya.\r\n\r\nA "
                                    "Math - Összeg feltétel fixen meghatározott értéke ") +
                        (fixParos ? "páros" : "páratlan") + " szám.");
        }
        return false;
    }

    bool terjedelem()
    {
        const auto& t = f_.TerjedelemFeltetel;
        if (!(t.Fix && t.Valtozo)) return false;
        std::int32_t lmin = 0, lmax = 0;
        TartomanyMinMax(be_.KijeloltSzamok, t.FixMin, t.FixMax, k_, lmin, lmax);
        const std::string d = "Math - Terjedelem - Fix tartomány:\r\n - " + sz(t.FixMin) + ". - " + sz(t.FixMax) +
                              ". számig terjedő tartományból variált számsorok statisztikai terjedelme minimum " +
                              sz(lmin) + ", maximum " + sz(lmax) + " lehet." + kRNRN +
                              "Math - Terjedelem - Változó terjedelem:" + kRN +
                              " - Bármely számsor statisztikai terjedelme minimum " + sz(t.ValtozoMin) + ", maximum " +
                              sz(t.ValtozoMax) + " lehet.";
        if (lmax < t.ValtozoMin || lmin > t.ValtozoMax) return fail(kEgymastKizaro + d);
        if (i_ && (lmin != t.ValtozoMin || lmax != t.ValtozoMax))
            return fail("Nem teljesülhet maradéktalanul mindkét feltétel\r\n\r\n" + d);
        return false;
    }

    bool sorozat()
    {
        const auto& s = f_.SorozatFeltetel;
        const std::int32_t db = std::clamp(s.DbMinta, 0, 10);
        const std::string& lista = be_.Listak.DbSorozatEdit;
        const std::string p = "Nem teljesülhet a Számok eloszlása - Sorozatok feltétel\r\n\r\n" + lista + kRNRN;
        const std::string c = "\r\n\r\nCsökkentse a minták és/vagy az előfordulások minimum értékeit.";
        const TMinta* m = s.Minta.data();
        for (int v = 0; v < db; ++v) {
            if (m[v].TavolsagMin == 0 && m[v].TavolsagMax > 0 && m[v].EsetMax == 0) {
                const std::int64_t d = m[v].TavolsagMax;
                const std::int64_t kell = (d + 1) * (k_ - 1) + k_;
                if (n_ < kell)
                    return fail(p + sz(v + 1) + ". minta beállításai szerint: az egymást követő számok távolsága minimum " +
                                sz(d + 1) + " szám lehet." + kRN + "A feltétel teljesüléséhez minimum " + sz(kell) +
                                " szám szükséges." + kRN + "A variáció számsora " + sz(n_) + " számból áll.");
                break;
            }
        }
        std::int64_t q = 0;
        for (int v = 0; v < db; ++v) q += std::int64_t{m[v].TavolsagMin} * m[v].EsetMin;
        const std::int64_t span = fesztav();
        if (k_ + q > span)
            return fail(p + "A beállított minimum értékek szerint, összesen " + sz(q) + " + " + sz(k_) + " = " + sz(k_ + q) +
                        " számra jelölt ki sorozatot." + kRN + "A variációra kijelölt számok tartománya " + sz(span) +
                        " szám." + c);
        auto tav = [](const TMinta& x) { return std::pair(x.TavolsagMin, x.TavolsagMax); };
        const std::int64_t r = duplikaltOsszeg(m, db, tav, [](const TMinta& x) { return std::int64_t{x.EsetMin}; });
        if (r > k_ - 1)
            return fail(p + sz(k_) + " szám esetén, maximum " + sz(k_ - 1) + " minta fordulhat elő." + kRN +
                        "A kijelölt előfordulások minimum összege: " + sz(r) + c);
        int elsoKesobbi = -1;
        for (int i = 0; i < db; ++i)
            for (int j = i + 1; j < db; ++j) {
                if (tav(m[i]) != tav(m[j])) continue;
                if (m[i].EsetMin != m[j].EsetMin && m[i].EsetMax != m[j].EsetMax)
                    return fail(p + "Egymást kizáró előfordulási arányok: " + sz(i + 1) + ". és " + sz(j + 1) +
                                ". minta beállításai szerint.");
                if (elsoKesobbi < 0) elsoKesobbi = j;
            }
        if (i_ && elsoKesobbi >= 0) return fail(tobbFeltetel(lista, sz(elsoKesobbi + 1) + ".", " mintára", "mintákra"));
        return false;
    }

    // Span of the selected main-pool numbers: largest - smallest + 1.
    std::int64_t fesztav() const
    {
        int lo = 1000, hi = -1;
        for (std::size_t i = 0; i < be_.KijeloltSzamok.size() && static_cast<std::int32_t>(i) < n_; ++i) {
            lo = std::min<int>(lo, be_.KijeloltSzamok[i]);
            hi = std::max<int>(hi, be_.KijeloltSzamok[i]);
        }
        return hi < 0 ? 0 : hi - lo + 1;
    }

    bool szamkeszlet()
    {
        const auto& s = f_.SzamkeszletFeltetel;
        const int kk = std::clamp(k_, 0, 11);
        int hu = -1, hv = -1;
        for (int u = 0; u + 1 < kk; ++u)
            for (int v = u + 1; v < kk; ++v)
                if (s.Utolso[v] <= s.Elso[u]) {
                    hu = u;
                    hv = v;
                    break;
                }
        const std::string& lista = be_.Listak.AktSzamEdit;
        if (hu >= 0)
            return fail("Nem teljesülhet az Eloszlás - Számkészletek feltétel\r\n\r\n" + lista + kRNRN + sz(hv + 1) +
                        ". index maximum értéke érvénytelen: nem lehet kisebb/egyenlő " + sz(hu + 1) +
                        ". index minimum értékénél.");
        const auto& t = f_.TerjedelemFeltetel;
        if (i_ && t.Allapot && t.Fix) {
            std::int32_t mn = 1000, mx = 0;
            for (int p = 0; p < kk; ++p) {
                mn = std::min(mn, s.Elso[p]);
                mx = std::max(mx, s.Utolso[p]);
            }
            if (mn != t.FixMin || mx != t.FixMax)
                return fail("Nem teljesülhetnek maradéktalanul a feltételek\r\n\r\nEloszlás - Számkészletek feltétel\r\n" +
                            lista + kRNRN + "Tartomány - Fix feltétel" + kRN + "A kijelölt tartomány " + sz(t.FixMin) +
                            ". - " + sz(t.FixMax) + ". számig terjed.");
        }
        return false;
    }

    bool szamsorok()
    {
        const auto& s = f_.SzamsorokFeltetel;
        auto fej = [](std::int32_t db) { return std::string(db < 3 ? "Nem teljesülhet" : "Nem teljesülhet maradéktalanul"); };
        if (s.Tartomany && s.DbTartomany > 1) {
            const int db = std::clamp(s.DbTartomany, 0, 10);
            int ti = -1, tj = -1;
            bool tAzonos = false;
            for (int i = 0; i < db; ++i) {
                if (s.Tipus[i] != 1) continue;
                for (int j = i + 1; j < db; ++j) {
                    if (s.Tipus[j] == s.Tipus[i] || s.Elso[j] != s.Elso[i]) continue;
                    if (s.Utolso[j] == s.Utolso[i] || s.Utolso[j] > s.Utolso[i]) {
                        ti = i;
                        tj = j;
                        tAzonos = s.Utolso[j] == s.Utolso[i];
                        break;
                    }
                }
            }
            if (ti >= 0 && (i_ || s.DbTartomany == 2)) {
                std::string u = fej(s.DbTartomany) + " a Spec - Számsorok eloszlása - Tartományok feltétel" + kRNRN +
                                be_.Listak.SzamsorokDbTartomanyEdit + kRNRN + sz(ti + 1) + ". és " + sz(tj + 1);
                if (tAzonos) {
                    u += ". tartomány azonos sorszámú számsorokra mutat, de egymást kizáró, eltérő típussal jelöltek.";
                } else {
                    u += ". tartományok átfedik egymást - eltérő típussal jelöltek. Elképzelésétől függően, cserélje fel a "
                         "tartományok típusát";
                    if (s.Utolso[ti] < 2)
                        u += ".";
                    else
                        u += ", vagy csökkentse a(z) " + sz(tj + 1) + ". tartomány maximum értékét, például: " +
                             FormatThousands(s.Utolso[ti] - 1) + ".";
                }
                return fail(u);
            }
        }
        if (s.Sorozat && s.DbMinta > 1) {
            const int db = std::clamp(s.DbMinta, 0, 10);
            for (int i = 0; i < db; ++i)
                for (int j = i + 1; j < db; ++j)
                    if (s.MintaTipus[i] != s.MintaTipus[j] && s.MintaMod[i] == s.MintaMod[j] &&
                        s.MintaErtek[i] == s.MintaErtek[j] && (i_ || s.DbMinta == 2))
                        return fail(fej(s.DbMinta) + " a Spec - Számsorok eloszlása - Sorozatok feltétel" + kRNRN +
                                    be_.Listak.SzamsorokDbMintaEdit + kRNRN + sz(i + 1) + ". és " + sz(j + 1) +
                                    ". minta azonos sorszámú számsorokra mutat, de egymást kizáró, eltérő típussal jelölt.");
        }
        return false;
    }

    bool optimalizalas()
    {
        const auto& op = f_.VariacioOpciok;
        const std::int64_t nv = op.VedettSzamsorDb();
        if (nv > 0 && nv < be_.SzamsorDb) return false;
        const bool cs = op.Csokkent != 0;
        std::string u = std::string(cs ? "Csökkent" : "Növel") +
                        " opció - kijelölt\r\nFelülírás opció - jelöletlen\r\n\r\nA variáció számsorainak " +
                        (cs ? "csökkentését" : "növelését") +
                        " kezdeményezte, de nem engedélyezte a módosított variáció számsorainak felülírását.";
        if (cs && nv > 0)
            u += std::string(kRNRN) + "A(z) " + sz(nv) + ". számsorig nem " + (i_ ? "" : "volt ") +
                 "engedélyezett a módosított variáció felülírása.";
        if (!i_ && cs) {
            u = std::string("A program kijelölte a Felülírás opciót - a módosított variáció minden számsora felülírhatóvá "
                            "vált.") +
                kRNRN + u;
            r_.FelulirasBejelolve = true;
        }
        uzenet_ = u;
        return true;
    }

    const EllenorzesBemenet& be_;
    const FeltetelRekordok& f_;
    const GameParams& g_;
    bool i_;
    std::int32_t k_ = 0, n_ = 0;
    std::string uzenet_;
    EllenorzesEredmeny r_;
};

const TetelesSzovegek Ellenorzo::kSzamcsoport = {
    "Nem teljesülhet a Számcsoport - Tételes feltétel\r\n\r\n",
    "\r\n\r\nCsökkentse a számcsoportok minimum találatait és/vagy a számcsoportok mennyiségét.",
    " számcsoport értelmezett.",
    "A kijelölt számcsoportok minimum találatainak összege: ",
    "Nem teljesülhet maradéktalanul a Számcsoport - Tételes feltétel\r\n\r\n",
    "A kijelölt számcsoportok minimum találatainak összege ",
    "Növelje a számcsoportok maximum találatait.",
    " számcsoportra egymást kizáró találati arányokat kötött ki.",
    " számcsoportra",
    "számcsoportokra",
    &kSzamcsoportNevek,
    false};
const TetelesSzovegek Ellenorzo::kSzamvegzodes = {
    "Nem teljesülhet a Számvégződés - Tételes feltétel\r\n\r\n",
    "\r\n\r\nCsökkentse a számvégződések minimum találatait és/vagy a számvégződések mennyiségét.",
    " számvégződés értelmezett.",
    "A kijelölt számvégződések minimum találatainak összege: ",
    "Nem teljesülhet maradéktalanul a Számvégződés - Tételes feltétel\r\n\r\n",
    "A kijelölt számvégződések minimum találatainak összege ",
    "Növelje a számvégződések maximum találatait.",
    " számvégződésre egymást kizáró találati arányokat kötött ki.",
    " számvégződésre",
    "számvégződésekre",
    &kSzamvegNevek,
    false};
const TetelesSzovegek Ellenorzo::kSzamjegy = {
    "Nem teljesülhet a Számjegyek feltétel\r\n\r\n",
    "",
    "",
    "",
    "Nem teljesülhet maradéktalanul a Számjegyek feltétel\r\n\r\n",
    "A kijelölt számjegyek minimum találatainak összege ",
    "Növelje a számjegyek maximum találatait.",
    " számjegyre egymást kizáró találati arányokat kötött ki.",
    " számjegyre",
    "számjegyekre",
    &kSzamvegNevek,
    true};

}  // namespace

void TartomanyMinMax(const TTombByte1D& kijelolt, std::int32_t elso, std::int32_t utolso, std::int32_t k,
                     std::int32_t& min, std::int32_t& max)
{
    min = 30000;
    max = 0;
    const std::int32_t db = static_cast<std::int32_t>(kijelolt.size());
    if (elso < 1 || utolso > db || elso > utolso) {
        min = 0;
        return;
    }
    std::vector<int> t(kijelolt.begin() + (elso - 1), kijelolt.begin() + utolso);
    std::sort(t.begin(), t.end());
    const int m = static_cast<int>(t.size());
    max = t.back() - t.front();
    if (k < 1 || k > m) {
        min = max;
        return;
    }
    for (int i = 0; i + k <= m; ++i) min = std::min(min, t[static_cast<std::size_t>(i + k - 1)] - t[static_cast<std::size_t>(i)]);
}

EllenorzesBemenet EllenorzesBemenetKeszites(const FeltetelRekordok& f, const GameParams& g, const SzamListak& l,
                                            const SzamJelzok& j, const VariacioOpcioErtekek& o)
{
    EllenorzesBemenet be;
    be.Feltetelek = &f;
    be.Jatek = &g;
    be.KijeloltSzamok = l.KijeloltSzamok;
    be.VariacioFoMeret = l.VariacioFoMeret;
    be.KijeloltFoSzamDb = l.KijeloltFoSzamDb;
    be.AllandoSzamDb = l.AllandoSzamDb();
    be.AllandoPluszSzamDb = l.AllandoPluszSzamDb;
    be.SzcsCsoportDb = j.SzcsCsoportDb;
    be.SzvCsoportDb = j.SzvCsoportDb;
    be.SzjCsoportDb = j.SzjCsoportDb;
    be.EgyjegyuDb = j.EgyjegyuDb;
    be.TulirasBont = o.TulirasBont;
    be.TulirasTeteles = o.TulirasTeteles;
    be.TulirasTetelesMin = o.TulirasTetelesMin;
    be.Listak.DbSzamcsoportEdit = SzamcsoportokListaja(f.SzamcsoportokFeltetel);
    be.Listak.DbTartomanyEdit = TalArListaja(f.TalalatiAranyFeltetel, g.VanPluszSzam);
    be.Listak.DbSorozatEdit = SorozatokListaja(f.SorozatFeltetel, f.SorozatSorrend);
    if (f.SzamsorokFeltetel.Allapot) {
        const std::vector<std::int64_t> oszto = OsztoLista(TeljesVariacioMeret(l, g));
        be.Listak.SzamsorokDbTartomanyEdit = SzamsorokTartomanyokListaja(f.SzamsorokFeltetel, oszto);
        be.Listak.SzamsorokDbMintaEdit = SzamsorokSorozatokListaja(f.SzamsorokFeltetel, oszto);
    }
    be.Listak.SzCsTetelesDbEdit = TetelesListaja(TetelLap::Szamcsoport, f.SzamcsoportTetelesFeltetel);
    be.Listak.SzVTetelesDbEdit = TetelesListaja(TetelLap::Szamvegzodes, f.SzamvegzodesTetelesFeltetel);
    be.Listak.SzJTetelesDbEdit = TetelesListaja(TetelLap::Szamjegy, f.SzJTetelesFeltetel);
    be.Listak.AktSzamEdit = SzamokListaja(f.SzamkeszletFeltetel, l.VariacioFoMeret);
    return be;
}

EllenorzesEredmeny FeltetelekEllenorzese(const EllenorzesBemenet& be, bool interaktiv)
{
    return Ellenorzo(be, interaktiv).futtat();
}

}  // namespace kvx
