#include "conditions/variation_options.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "common/numbering.h"

namespace kvx {

namespace {

constexpr std::int64_t kTelitett = std::numeric_limits<std::int64_t>::max() / 4;

// C(a, b), saturated so that the sums below cannot overflow.
std::int64_t C(std::int32_t a, std::int32_t b)
{
    const auto v = BinomalisEgyutthato(a, b);
    return v ? std::min(*v, kTelitett) : kTelitett;
}

std::int64_t szorzat(std::int64_t a, std::int64_t b)
{
    if (a == 0 || b == 0) return 0;
    if (a > 0 && b > 0 && a > kTelitett / b) return kTelitett;
    return a * b;
}

std::int64_t osszeg(std::int64_t a, std::int64_t b) { return std::min(a + b, kTelitett); }

// Whole-number division toward zero, refused for a divisor below 1.
bool oszt(std::int64_t a, std::int64_t b, std::int64_t& q)
{
    if (b <= 0) return false;
    q = a / b;
    return true;
}

std::string szoveg(std::int64_t v) { return std::to_string(v); }

// The value of a Tételes edit; empty when the edit is empty.
bool ertek(const std::string& s, std::int64_t& v)
{
    if (s.empty()) return false;
    std::int64_t x = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), x);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
    v = x;
    return true;
}

}  // namespace

bool SetTulirasTetelesTag(std::int32_t a, std::int32_t n, std::int32_t k, std::int64_t& s)
{
    const std::int64_t m = std::int64_t{n} - k;
    const std::int64_t d = std::int64_t{k} - a;
    std::int64_t b = 0;
    if (!oszt(m, d, b)) return false;
    if (a != 1 || b >= d) {
        s = szorzat(C(k, k - a), b);
        return true;
    }
    if (m % d == 0) {
        s = b * (b - 1);
    } else if (static_cast<double>(m) / static_cast<double>(d) >= 1.5) {
        s = (b + 1) * ((d != b + 1 || m % d < d - 1) ? b : b + 1);
    } else {
        s = 1;
    }
    return true;
}

bool TulirasTetelesLimit(bool tulirasBont, std::int32_t t, const OpcioKornyezet& env, std::int64_t& l)
{
    const std::int32_t n = env.KijeloltFoSzamDb, k = env.VariacioFoMeret;
    const std::int32_t p = env.PluszSzamDb, q = env.KijeloltPluszSzamDb;
    if (!tulirasBont) {
        const auto absz = fullVariationSize(variationNumberingDims(n, k, q, p, env.VanPluszSzam));
        const std::uint64_t v = absz ? *absz : 0;
        l = static_cast<std::int64_t>(std::min<std::uint64_t>(v, kTetelesLimitTalalatNelkul));
        return true;
    }
    auto S = [&](std::int32_t a, std::int64_t& s) { return SetTulirasTetelesTag(a, n, k, s); };
    std::int64_t v = 0;
    if (!env.VanPluszSzam) {
        if (!S(t, v)) return false;
    } else if (t == 0) {
        std::int64_t a = 0, b = 0;
        if (!oszt(q, p, a) || !oszt(n, k, b)) return false;
        v = std::min(a, b) - 1;
    } else if (q > p) {
        if (p <= 0 || k <= 0) return false;
        if (t == 1) {
            if (!S(1, v)) return false;
            std::int64_t s0 = 0;
            if (p >= 2) {
                if (!S(0, s0)) return false;
                v = osszeg(v, s0);
            }
        } else if (t < k) {
            if (!S(t, v)) return false;
            if (p >= 2) {
                std::int64_t s1 = 0, s2 = 0;
                if (!S(t - 1, s1) || !S(t - 2, s2)) return false;
                v = osszeg(v, osszeg(s1, s2));
            }
        } else if (t == k) {
            std::int64_t qp = 0;
            if (!oszt(q, p, qp)) return false;
            v = qp - 1;
            const std::int64_t maradek = std::int64_t{n} - k;
            if (p < 2) {
                v = osszeg(v, szorzat(C(k, t - 1), maradek));
            } else {
                std::int64_t nk = 0;
                if (!oszt(n, k, nk)) return false;
                const std::int64_t e = std::max<std::int64_t>(nk, 2);
                const std::int64_t hely = szorzat(std::int64_t{q} - p, p);
                if (szorzat(e, maradek) < hely)
                    v = osszeg(v, szorzat(szorzat(e, C(k, t - 1)), maradek));
                else
                    v = osszeg(v, szorzat(hely, C(k, t - 1)));
            }
            if (p > 1 && t > 2) v = osszeg(v, szorzat(C(k, t - 2), maradek / 2));
        } else {
            v = szorzat(std::int64_t{q} - p, p);
            if (p > 1 && t > 2) v = osszeg(v, szorzat(C(k, k - 1), std::int64_t{n} - k));
        }
    } else {
        const std::int64_t d = std::int64_t{k} + p - t;
        std::int64_t b = 0;
        if (!oszt(std::int64_t{n} - k, d, b)) return false;
        v = szorzat(C(k, static_cast<std::int32_t>(d)), b);
    }
    l = std::clamp<std::int64_t>(v, 0, kTetelesLimitTalalattal);
    return true;
}

namespace {

void felulirasTipp(OpcioEredmeny& r, bool engedelyezett, bool bejelolt, std::int32_t n)
{
    r.OptBontFelulirasTipp = OptBontFelulirasHint(engedelyezett && bejelolt, n);
}

OpcioEredmeny lanc(OpcioDobozok d, OpcioForras forras, const OpcioKornyezet& env, FeltetelRekordok& f,
                   VariacioOpcioErtekek& o)
{
    OpcioEredmeny r;
    const bool userNovel = forras == OpcioForras::Novel && d.OptBontNovelBox;
    const bool userCsokkent = forras == OpcioForras::Csokkent && d.OptBontCsokkentBox;

    // The control the user just ticked takes its exclusions first.
    if (userNovel) d.OptBontCsokkentBox = false;
    if (userCsokkent) d.OptBontNovelBox = false;
    if (forras == OpcioForras::Gyakorisagi && d.GyakorisagiEloszlasBox) d.VeletlenSzamsorokBox = false;
    if (forras == OpcioForras::Optimalizalt && d.OptimalizaltBox) d.VeletlenSzamsorokBox = false;
    if (forras == OpcioForras::Veletlen && d.VeletlenSzamsorokBox) {
        d.GyakorisagiEloszlasBox = false;
        d.OptimalizaltBox = false;
    }

    // 1. Error points.
    r.HibapontMax = env.VariacioFoMeret < env.SzamsorFoSzamDb ? env.VariacioMeretFelso : env.SzamsorHosszMax;
    r.HibapontMax = std::max(r.HibapontMax, 0);
    r.HibapontEnabled = !env.TalArHuzasForras;
    if (env.TalArHuzasForras) d.HibapontBe = 0;
    d.HibapontBe = std::clamp(d.HibapontBe, 0, r.HibapontMax);
    f.Hibapont = static_cast<std::uint8_t>(d.HibapontBe);
    const bool vanHibapont = f.Hibapont > 0;

    // 2. Találat.
    o.TulirasBont = d.TulirasBontBox;
    r.NovelEnabled = (o.TulirasBont || vanHibapont) && !env.HuzasSzamsorVariacio;
    r.CsokkentEnabled = r.NovelEnabled;
    r.TulirasEnabled = o.TulirasBont;

    // 3. Találat value and the Tételes limit.
    d.TulirasUD = std::clamp(d.TulirasUD, 0, r.HibapontMax);
    o.Tuliras = d.TulirasUD;
    const std::int32_t T = o.Tuliras;
    if (!TulirasTetelesLimit(o.TulirasBont, T, env, r.TetelesLimit)) {
        r.Hiba = kNemErtelmezhetoFeltetel;
        return r;  // the caller runs the chain again with Találat unticked
    }

    // 4. Tételes.
    o.TulirasTeteles = d.TulirasTetelesBox && o.TulirasBont;
    r.TetelesEditsEnabled = o.TulirasTeteles;
    std::int64_t tmin = 0, tmax = 0;
    const bool vanMin = ertek(d.TulirasTetelesEdit, tmin);
    const bool vanMax = ertek(d.TulirasTetelesMaxEdit, tmax);
    tmin = std::clamp<std::int64_t>(tmin, 0, r.TetelesLimit);
    tmax = std::clamp<std::int64_t>(tmax, 0, r.TetelesLimit);
    if (vanMin && vanMax && tmin > tmax) {
        // The edit the user moved drags the other one.
        if (forras == OpcioForras::TulirasTetelesMax)
            tmin = tmax;
        else
            tmax = tmin;
    }
    if (vanMin) d.TulirasTetelesEdit = szoveg(tmin);
    if (vanMax) d.TulirasTetelesMaxEdit = szoveg(tmax);
    o.TulirasTetelesMin = static_cast<std::int32_t>(tmin);
    o.TulirasTetelesMax = static_cast<std::int32_t>(vanMax ? tmax : tmin);

    // 5. Növel and Csökkent.
    if (d.OptBontNovelBox && d.OptBontCsokkentBox) d.OptBontCsokkentBox = false;
    const bool opt = r.CsokkentEnabled && (d.OptBontNovelBox || d.OptBontCsokkentBox);
    TVariacioOpciok& vo = f.VariacioOpciok;
    vo.Optimalizalas = opt ? 1 : 0;
    vo.Csokkent = (opt && d.OptBontCsokkentBox) ? 1 : 0;
    r.GyakorisagiEnabled = (o.TulirasBont || vanHibapont) && !(env.BontasBovites && opt);
    r.OptimalizaltEnabled = vanHibapont && !o.TulirasBont;
    r.VeletlenEnabled = (vanHibapont || o.TulirasBont) && !opt;
    if (env.FormLathato && (userNovel || userCsokkent)) {
        r.Tippek.push_back(33);
        r.Tippek.push_back(30);
    }

    // 6. Felülírás.
    r.FelulirasEnabled = opt;
    vo.Feluliras = (opt && d.OptBontFelulirasBox) ? 1 : 0;
    if (forras == OpcioForras::Feluliras && env.FormLathato && opt) {
        if (d.OptBontFelulirasBox) {
            vo.SetVedettSzamsorDb(0);
            r.Tippek.push_back(31);
        } else {
            vo.SetVedettSzamsorDb(static_cast<std::int32_t>(std::min<std::int64_t>(env.SzamsorDb, INT32_MAX)));
        }
    }
    felulirasTipp(r, r.FelulirasEnabled, d.OptBontFelulirasBox, vo.VedettSzamsorDb());

    // 7. Rendez.
    r.RendezEnabled = opt;
    vo.Rendez = (opt && d.OptBontRendezBox) ? 1 : 0;
    if (forras == OpcioForras::Rendez && d.OptBontRendezBox && opt) r.Tippek.push_back(34);

    // 8. Mód and ratio.
    r.ModEnabled = opt;
    vo.Mod = (opt && d.OptBontModBox) ? 1 : 0;
    d.OptBontModUD = std::clamp(d.OptBontModUD, 0, 10);
    vo.Arany = d.OptBontModUD;
    o.OptBontTeljes = d.OptBontModUD == 10 && !d.OptBontModBox;

    // 9. - 11. Gyakorisági eloszlás, Optimalizált, Véletlen számsorok.
    o.GyakorisagiEloszlas = d.GyakorisagiEloszlasBox && r.GyakorisagiEnabled;
    if (o.GyakorisagiEloszlas) d.VeletlenSzamsorokBox = false;
    o.Optimalizalt = d.OptimalizaltBox && r.OptimalizaltEnabled && !o.TulirasBont;
    if (o.Optimalizalt) d.VeletlenSzamsorokBox = false;
    o.VeletlenSzamsorok = d.VeletlenSzamsorokBox && r.VeletlenEnabled;
    if (o.VeletlenSzamsorok) {
        d.GyakorisagiEloszlasBox = false;
        d.OptimalizaltBox = false;
        o.GyakorisagiEloszlas = false;
        o.Optimalizalt = false;
    }

    // 12. Sorozat.
    r.SorozatEnabled = !opt && !env.HuzasSzamsorVariacio && o.TulirasTeteles &&
                       o.TulirasTetelesMin != o.TulirasTetelesMax;
    o.TulirasSorozat = r.SorozatEnabled && d.TulirasSorozatBox;

    // 13. Hints.
    const std::string t = szoveg(T);
    const std::string& mn = d.TulirasTetelesEdit;
    const std::string& mx = d.TulirasTetelesMaxEdit;
    r.TulirasEditTipp = " " + t + " találatot elérő számsorok leválogatása ";
    r.TulirasTetelesBoxTipp = o.TulirasTeteles ? TalalatOpcioFelirat(T, true, mn, mx)
                                               : " Jelöletlen: minden " + t + " találatot elérő számsor ";
    r.TulirasTetelesEditTipp = " " + mn + " előfordulástól válogatja le a(z) " + t + " találatot elérő számsorokat ";
    r.TulirasTetelesMaxEditTipp = " " + mx + " előfordulásig válogatja le a(z) " + t + " találatot elérő számsorokat ";
    r.TulirasSorozatBoxTipp =
        o.TulirasSorozat
            ? " " + mn + " - " + mx + " esetben előforduló, " + t + " találatot elérő számsorok szekvenciális leválogatása "
            : " Jelöletlen: nem ciklikusan válogatja le a(z) " + mn + " - " + mx + " esetben előforduló, " + t +
                  " találatot elérő számsorokat ";
    r.BontasOpcioFelirat = TalalatOpcioFelirat(T, o.TulirasTeteles, mn, mx);
    o.TalalatFelirat = r.BontasOpcioFelirat;

    r.Dobozok = d;
    return r;
}

}  // namespace

std::string TalalatOpcioFelirat(std::int32_t T, bool teteles, const std::string& tetelesMin,
                                const std::string& tetelesMax)
{
    const std::string t = szoveg(T) + " találatot elérő számsorok ";
    return teteles ? " " + tetelesMin + " - " + tetelesMax + " esetben előforduló, " + t : " " + t;
}

OpcioEredmeny VariacioOpciokSzamitasa(const OpcioDobozok& be, OpcioForras forras, const OpcioKornyezet& env,
                                      FeltetelRekordok& f, VariacioOpcioErtekek& o)
{
    OpcioEredmeny r = lanc(be, forras, env, f, o);
    if (r.Hiba.empty()) return r;
    // The selection cannot carry the Találat option: it is refused and the
    // rest of the panel derived without it.
    OpcioDobozok nelkule = be;
    nelkule.TulirasBontBox = false;
    const std::string hiba = r.Hiba;
    r = lanc(nelkule, forras, env, f, o);
    r.Hiba = hiba;
    return r;
}

OpcioDobozok OpcioDobozokBetoltese(const FeltetelRekordok& f, const VariacioOpcioErtekek& o)
{
    OpcioDobozok d;
    const TVariacioOpciok& vo = f.VariacioOpciok;
    d.HibapontBe = f.Hibapont;
    d.TulirasBontBox = o.TulirasBont;
    d.TulirasUD = o.Tuliras;
    d.TulirasTetelesBox = o.TulirasTeteles;
    d.TulirasTetelesEdit = szoveg(o.TulirasTetelesMin);
    d.TulirasTetelesMaxEdit = szoveg(o.TulirasTetelesMax);
    d.TulirasSorozatBox = o.TulirasSorozat;
    d.GyakorisagiEloszlasBox = o.GyakorisagiEloszlas;
    d.OptimalizaltBox = o.Optimalizalt;
    d.VeletlenSzamsorokBox = o.VeletlenSzamsorok;
    d.OptBontNovelBox = vo.Optimalizalas && !vo.Csokkent;
    d.OptBontCsokkentBox = vo.Optimalizalas && vo.Csokkent;
    d.OptBontFelulirasBox = vo.Feluliras != 0;
    d.OptBontRendezBox = vo.Rendez != 0;
    d.OptBontModBox = vo.Mod != 0;
    d.OptBontModUD = vo.Arany;
    return d;
}

}  // namespace kvx

namespace kvx {

std::string OptBontFelulirasHint(bool feluliras, std::int32_t vedett)
{
    std::string s = " Módosított variáció felülírása ";
    if (feluliras && vedett > 0)
        s += "\r\n az első " + szoveg(vedett) + " számsor kivételével. ";
    return s;
}

void VariacioOpcioinakTorlese(TVariacioOpciok& vo, VariacioOpcioErtekek& o)
{
    o.TulirasBont = false;
    o.GyakorisagiEloszlas = false;
    o.Optimalizalt = false;
    o.VeletlenSzamsorok = false;
    // What hangs on them goes with them, as the panel's chain leaves it:
    // Tételes and Sorozat need Találat, Mód needs the optimisation.
    o.TulirasTeteles = false;
    o.TulirasSorozat = false;
    vo.Optimalizalas = 0;
    vo.Csokkent = 0;
    vo.Feluliras = 0;
    vo.Rendez = 0;
    vo.Mod = 0;
}

OpcioDobozok VariacioOpcioinakTorlese(OpcioDobozok d)
{
    d.GyakorisagiEloszlasBox = false;
    d.OptimalizaltBox = false;
    d.VeletlenSzamsorokBox = false;
    d.TulirasBontBox = false;
    d.OptBontNovelBox = false;
    d.OptBontCsokkentBox = false;
    d.OptBontFelulirasBox = false;
    d.OptBontRendezBox = false;
    return d;
}

std::string OpcioTippSzoveg(int tipp)
{
    switch (tipp) {
    case 33:
        return "Növel/Csökkent opció\r\nA variáció elkészülte után a program olyan variációt keres, amely a "
               "kijelölt feltételeknek és a hibapontnak (találatnak) megfelelve kevesebb (Csökkent) vagy több "
               "(Növel) számsort tartalmaz.\r\nA keresés felfüggeszthető és folytatható; a program a legjobb "
               "eredményt őrzi meg, és a keresés végén az lesz a variáció.";
    case 30:
        return "Mód opció\r\nA Mód opció kijelölésével gyorskeresést engedélyez.\r\nArányérték: 0 <= 1%  ...  "
               "10 <= 100%; legnagyobb értéke és jelöletlen Mód opció esetén a program a teljes keresést "
               "alkalmazza.";
    case 31:
        return "Felülírás opció\r\nKijelölt Felülírás opció esetén a keresés a variáció bármely számsorát "
               "felülírhatja.\r\nJelöletlen Felülírás opció esetén a variáció meglévő számsorai változatlanok "
               "maradnak, csak az utánuk következő számsorok módosulhatnak.";
    case 34:
        return "Rendez opció\r\nKijelölt Rendez opció esetén a program minden javulás után rendezi a variáció "
               "felülírható számsorait.";
    default:
        return {};
    }
}

}  // namespace kvx
