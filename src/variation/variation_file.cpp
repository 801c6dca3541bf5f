#include "variation/variation_file.h"

#include <filesystem>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/version.h"
#include "conditions/variation_options.h"
#include "tickets/number_lists.h"
#include "conditions/number_set_file.h"
#include "variation/generation_run.h"
#include "variation/store_jobs.h"
#include "variation/variation_store.h"

namespace kvx {

namespace {

constexpr std::size_t kTermekJelMeret = 31;
constexpr std::int32_t kTetelesFelso = 999999;
constexpr std::int32_t kModMax = 10;
// Run time is kept to the millisecond: the same milliseconds always give
// the same stored Double, so a body read and written again is identical.
constexpr double kNapMs = 86400000.0;

const char* const kHibaMeret = "Érvénytelen méretű állomány.";
const char* const kHibaVerzio = "Érvénytelen verzió";
const char* const kHibaSorDb = "A variáció számsorainak mennyisége érvénytelen tartományba esik.";
const char* const kHibaSzam = "A variáció egyik száma érvénytelen tartományba esik.";
const char* const kHibaHuzasDb = "A tárolt húzások sorszámainak mennyisége érvénytelen tartományba esik.";
const char* const kHibaHuzas = "A tárolt húzás sorszáma érvénytelen tartományba esik.";
const char* const kHibaStat = "Egy statisztikai adat érvénytelen tartományba esik.";
const char* const kHibaBovDb = "Variáció bővítményeinek száma érvénytelen tartományba esik.";
const char* const kHibaBov = "Variáció aktuálisan beolvasott bővítményének mérete érvénytelen tartományba esik.";
const char* const kHibaTuliras = "Találat - Tételes találat érvénytelen tartományba esik.";
const char* const kHibaTetMin = "Találat - Esetek minimuma érvénytelen tartományba esik.";
const char* const kHibaTetMax = "Találat - Esetek maximuma érvénytelen tartományba esik.";
const char* const kHibaAktMin = "Találat - Esetek aktuális minimuma érvénytelen tartományba esik.";
const char* const kHibaAktMax = "Találat - Esetek aktuális maximuma érvénytelen tartományba esik.";
const char* const kHibaSorozat = "Találat - Esetek sorozatának értéke érvénytelen tartományba esik.";
const char* const kHibaIndex = "A beolvasott index érvénytelen tartományba esik.";
const char* const kHibaIdo = "A variáció időtartama érvénytelen tartományba esik.";
const char* const kHibaCsoport = "Az aktuális gyakorisági index érvénytelen tartományba esik.";
const char* const kHibaCsoportSor = "Egy gyakorisági index érvénytelen tartományba esik.";
const char* const kHibaVeletlen = "A generált véletlen számsorok mennyisége érvénytelen tartományba esik.";
const char* const kHibaMod = "A Mód opció értéke érvénytelen tartományba esik.";

std::string azonosSzamok(std::int64_t sor)
{
    return "A variáció " + std::to_string(sor) + ". számsora azonos számokat tartalmaz.";
}
std::string sorrendHiba(std::int64_t sor)
{
    return "A variáció " + std::to_string(sor) + ". számsorának indexei nem növekvő sorrendűek.";
}

// Failure carried out of the reader's steps.
struct Elutasitas {
    std::string Szoveg;
};

class Olvaso {
public:
    explicit Olvaso(BinReader& rd) : rd_(rd) {}
    void kell(std::size_t n)
    {
        if (!rd_.has(n))
            throw Elutasitas{kHibaMeret};
    }
    std::int32_t i32() { kell(4); return rd_.i32(); }
    std::int64_t i64() { kell(8); return rd_.i64(); }
    std::uint64_t u64() { kell(8); return rd_.u64(); }
    std::uint8_t u8() { kell(1); return rd_.u8(); }
    double f64() { kell(8); return rd_.f64(); }
    void bytes(TTombByte1D& v, std::size_t n)
    {
        kell(n);
        rd_.bytes(v, n);
    }
    void skip(std::size_t n)
    {
        kell(n);
        rd_.skip(n);
    }

private:
    BinReader& rd_;
};

// Rows of selection indexes: each at most felso, strictly ascending.
void indexSorokEllenorzese(const TTombByte1D& sorok, std::int32_t w, std::int32_t felso)
{
    const std::size_t n = w > 0 ? sorok.size() / static_cast<std::size_t>(w) : 0;
    for (std::size_t r = 0; r < n; ++r) {
        const std::uint8_t* s = sorok.data() + r * static_cast<std::size_t>(w);
        for (std::int32_t j = 0; j < w; ++j) {
            if (s[j] > felso)
                throw Elutasitas{kHibaSzam};
            if (j > 0 && s[j] <= s[j - 1])
                throw Elutasitas{s[j] == s[j - 1] ? azonosSzamok(static_cast<std::int64_t>(r) + 1)
                                                  : sorrendHiba(static_cast<std::int64_t>(r) + 1)};
        }
    }
}

// Rows of numbers taken from the draws: each at most felso, the non-zero
// ones distinct.
void szamSorokEllenorzese(const TTombByte1D& sorok, std::int32_t w, std::int32_t felso)
{
    const std::size_t n = w > 0 ? sorok.size() / static_cast<std::size_t>(w) : 0;
    for (std::size_t r = 0; r < n; ++r) {
        const std::uint8_t* s = sorok.data() + r * static_cast<std::size_t>(w);
        for (std::int32_t j = 0; j < w; ++j) {
            if (s[j] > felso)
                throw Elutasitas{kHibaSzam};
            for (std::int32_t i = 0; i < j && s[j] != 0; ++i)
                if (s[i] == s[j])
                    throw Elutasitas{azonosSzamok(static_cast<std::int64_t>(r) + 1)};
        }
    }
}

std::int32_t verzioSzam(const TVerzio& v) { return v.major * 1000 + v.minor * 100 + v.release * 10 + v.build; }

}  // namespace

// ---------------------------------------------------------------- writing

bool VariacioTorzsIras(BinWriter& w, const VariacioTorzs& t, std::string& hiba, std::int32_t v)
{
    const std::int32_t n = t.SzamsorDb;
    if (n > kVariacioTorzsMaxSor) {
        hiba = kTorzsTulNagy;
        return false;
    }
    if (n < 1) {
        hiba = kHibaSorDb;
        return false;
    }
    const std::size_t vm = static_cast<std::size_t>(std::max(0, t.VariacioMeret));
    const std::size_t csop = static_cast<std::size_t>(std::max(0, t.FCsoportFelso + 1));
    const std::int32_t c = t.OptLegjobbSzamsorDb > 0 ? t.OptLegjobbSzamsorDb : 0;
    if (t.SorHossz < 1 || t.Sorok.size() != static_cast<std::size_t>(n) * static_cast<std::size_t>(t.SorHossz) ||
        (t.HuzasSzamsorVariacio && t.BontHuzasSorszam.size() != static_cast<std::size_t>(n)) ||
        t.PauseSzamsor.size() != vm || t.FCsoportSzamsorok.size() != csop * vm || t.FCsoportAktiv.size() != csop ||
        t.OptLegjobbSzamsorok.size() != static_cast<std::size_t>(c) * vm) {
        hiba = kTorzsMentesHiba;
        return false;
    }
    w.i32(v / 1000);
    w.i32(v / 100 % 10);
    w.i32(v / 10 % 10);
    w.i32(v % 10);
    w.i32(n);
    w.f64(t.VariacioDatum);
    w.bytes(t.Sorok);
    if (t.HuzasSzamsorVariacio) {
        w.i32(static_cast<std::int32_t>(t.BontHuzasSorszam.size()));
        for (std::int32_t h : t.BontHuzasSorszam)
            w.i32(h);
    }
    for (std::int32_t g : t.BontSzamGyakorisag)
        w.i32(g);
    // Product marker: a length byte, the name, zeros up to 31 bytes.
    const std::size_t jl = std::strlen(kTermekJelzo);
    w.u8(static_cast<std::uint8_t>(jl));
    w.bytes(kTermekJelzo, jl);
    w.zeros(kTermekJelMeret - 1 - jl);
    w.i32(static_cast<std::int32_t>(t.Import_Count.size()));
    for (std::int32_t b : t.Import_Count)
        w.i32(b);
    w.boolean(t.BontasBovites);
    w.u8(t.TulirasBont);
    w.u8(t.TulirasTeteles);
    w.u8(t.TulirasSorozat);
    w.i32(t.Tuliras);
    w.i32(t.TulirasTetelesMin);
    w.i32(t.TulirasTetelesMax);
    w.i32(t.TulirasAktMin);
    w.i32(t.TulirasAktMax);
    w.i32(t.TulirasSorozatAkt);
    w.boolean(t.BontasPause);
    w.bytes(t.PauseSzamsor);
    w.i32(t.FPauseMenet);
    w.boolean(t.FBontStatus);
    w.boolean(t.SzerkesztettVariacio);
    w.boolean(t.BontasBefejezetlen);
    w.f64(t.BontasIdotartamNap);
    w.i32(t.FCsoportIndex);
    w.bytes(t.FCsoportSzamsorok);
    w.bytes(t.FCsoportAktiv);
    w.i64(t.VeletlenKiserletek);
    w.u64(t.TeljesultFeltetelekA);
    w.u64(t.TeljesultFeltetelekB);
    w.boolean(t.OpcioModosulas);
    // The best-copy count in the record is the number of rows that follow.
    TVariacioOpciok o = t.VariacioOpciok;
    o.OptSzamsorHatar = c;
    RekordIras(w, o);
    w.bytes(t.OptLegjobbSzamsorok);
    return true;
}

// ---------------------------------------------------------------- reading

namespace {

// The start line of each frequency group g: the indexes g, g+1, ... on the
// main positions, the first extra-pool indexes on the others, the last
// byte one below (the enumerator steps it before its first test).
void csoportKezdoSorok(VariacioTorzs& t, const TorzsOlvasasKornyezet& env)
{
    const std::int32_t vm = env.VariacioMeret;
    const std::int32_t kf = env.VariacioFoMeret > 0 ? std::min(env.VariacioFoMeret, vm) : vm;
    const std::int32_t nf = env.FCsoportFelso + kf;
    const std::size_t csop = t.FCsoportAktiv.size();
    if (vm < 1 || csop == 0 || t.FCsoportSzamsorok.size() != csop * static_cast<std::size_t>(vm))
        return;
    for (std::size_t g = 0; g < csop; ++g) {
        std::uint8_t* s = t.FCsoportSzamsorok.data() + g * static_cast<std::size_t>(vm);
        for (std::int32_t i = 0; i < kf; ++i)
            s[i] = static_cast<std::uint8_t>(static_cast<std::int32_t>(g) + i);
        for (std::int32_t i = kf; i < vm; ++i)
            s[i] = static_cast<std::uint8_t>(nf + (i - kf));
        s[vm - 1] = static_cast<std::uint8_t>(s[vm - 1] - 1);
        t.FCsoportAktiv[g] = 1;
    }
    t.FCsoportIndex = 0;
}

}  // namespace

TorzsOlvasasEredmeny VariacioTorzsOlvasas(BinReader& rd, const TorzsOlvasasKornyezet& env)
{
    TorzsOlvasasEredmeny r;
    VariacioTorzs& t = r.Torzs;
    Olvaso o(rd);
    const std::int32_t vm = env.VariacioMeret;
    const std::int32_t csopDb = std::max(0, env.FCsoportFelso + 1);
    const std::int32_t indexFelso = std::min(env.KijeloltSzamDb - 1, env.OsszesSzamMax);
    const std::int64_t tetelesFelso =
        env.ABSZ < 0 ? std::int64_t{kTetelesFelso} : std::min<std::int64_t>(kTetelesFelso, env.ABSZ);
    const auto tetelesMezo = [&](const char* uzenet) {
        const std::int32_t x = o.i32();
        if (x < 0 || x > tetelesFelso)
            throw Elutasitas{uzenet};
        return x;
    };
    // The state the preparation leaves when the file does not say otherwise.
    t.VariacioMeret = vm;
    t.HuzasSzamsorVariacio = env.HuzasSzamsorVariacio;
    t.SzerkesztettVariacio = env.SzerkesztettVariacio;
    t.PauseSzamsor.assign(static_cast<std::size_t>(std::max(0, vm)), 0);
    t.FCsoportFelso = env.FCsoportFelso;
    t.FCsoportSzamsorok.assign(static_cast<std::size_t>(csopDb) * static_cast<std::size_t>(std::max(0, vm)), 0);
    t.FCsoportAktiv.assign(static_cast<std::size_t>(csopDb), 0);
    r.TorzsHianyzik = rd.remaining() < 16;
    try {
        // 1. Version.
        std::int32_t p[4];
        for (std::int32_t& x : p) {
            x = o.i32();
            if (x < 0 || x > 10)
                throw Elutasitas{kHibaVerzio};
        }
        t.Verzio = TVerzio{p[0], p[1], p[2], p[3]};
        const std::int32_t v = verzioSzam(t.Verzio);
        t.VerzioSzam = v;
        r.VariacioVerzio = std::to_string(p[0]) + "." + std::to_string(p[1]) + "." + std::to_string(p[2]) + "." +
                           std::to_string(p[3]);
        // 2. Line count and date.
        const std::int32_t n = o.i32();
        if (n > kVariacioTorzsMaxSor) {
            r.HibaFajta = TorzsHiba::TulNagy;
            r.Hiba = kTorzsTulNagy;
            return r;
        }
        if (n < 1)
            throw Elutasitas{kHibaSorDb};
        t.SzamsorDb = n;
        // Bodies before 2710 keep no frequency-group state: the groups start
        // from their first lines, every one active, so a resumed frequency
        // run goes on instead of finding every group used up.
        if (v < 2710)
            csoportKezdoSorok(t, env);
        t.VariacioDatum = o.f64();
        // 4. Lines.
        const std::int32_t w = env.HuzasSzamsorVariacio ? env.SzamsorHossz : vm;
        if (w < 1)
            throw Elutasitas{kHibaMeret};
        t.SorHossz = w;
        o.bytes(t.Sorok, static_cast<std::size_t>(n) * static_cast<std::size_t>(w));
        if (env.HuzasSzamsorVariacio)
            szamSorokEllenorzese(t.Sorok, w, env.OsszesSzam);
        else
            indexSorokEllenorzese(t.Sorok, w, indexFelso);
        // 5, 6. Draw serials.
        if (env.HuzasSzamsorVariacio) {
            if (o.i32() != n)
                throw Elutasitas{kHibaHuzasDb};
            o.kell(static_cast<std::size_t>(n) * 4);
            t.BontHuzasSorszam.resize(static_cast<std::size_t>(n));
            for (std::int32_t& h : t.BontHuzasSorszam) {
                h = o.i32();
                if (h < 0 || h > kTorzsMaxHuzasSorszam)
                    throw Elutasitas{kHibaHuzas};
            }
        }
        // 7. Occurrence counts: checked, then recounted from the rows.
        const std::int32_t kdb = std::max(0, env.KijeloltSzamDb);
        o.kell(static_cast<std::size_t>(kdb) * 4);
        t.BontSzamGyakorisag.resize(static_cast<std::size_t>(kdb));
        for (std::int32_t& g : t.BontSzamGyakorisag) {
            g = o.i32();
            if (g < 0)
                throw Elutasitas{kHibaStat};
        }
        if (!env.HuzasSzamsorVariacio) {
            std::fill(t.BontSzamGyakorisag.begin(), t.BontSzamGyakorisag.end(), 0);
            for (std::uint8_t x : t.Sorok)
                ++t.BontSzamGyakorisag[x];
        }
        // 10. One part unless the file says more.
        t.Import_Count.assign(1, n);
        if (v < 2000) {
            r.Ok = true;
            return r;
        }
        // 11. Marker, the kept value, the extension boundaries.
        o.skip(kTermekJelMeret);
        if (v <= 2709)
            (void)o.i32();
        const std::int32_t e = o.i32();
        if (e < 0)
            throw Elutasitas{kHibaBovDb};
        o.kell(static_cast<std::size_t>(e) * 4);
        t.Import_Count.assign(static_cast<std::size_t>(e), 0);
        std::int32_t elozo = 0;
        for (std::int32_t& b : t.Import_Count) {
            b = o.i32();
            if (b < 1 || b > n || b <= elozo)
                throw Elutasitas{kHibaBov};
            elozo = b;
        }
        if (v < 2720) {
            if (e > 1)
                t.BontasBovites = true;
        } else if (o.u8() != 0) {
            t.BontasBovites = true;
        }
        // 12. Találat options and the pause.
        t.TulirasBont = o.u8() != 0;
        t.TulirasTeteles = o.u8() != 0;
        t.TulirasSorozat = o.u8() != 0;
        t.Tuliras = o.i32();
        if (t.Tuliras < 0 || t.Tuliras > env.SzamsorHosszMax)
            throw Elutasitas{kHibaTuliras};
        t.TulirasTetelesMin = tetelesMezo(kHibaTetMin);
        t.TulirasTetelesMax = tetelesMezo(kHibaTetMax);
        if (v >= 2741) {
            t.TulirasAktMin = tetelesMezo(kHibaAktMin);
            t.TulirasAktMax = tetelesMezo(kHibaAktMax);
            t.TulirasSorozatAkt = tetelesMezo(kHibaSorozat);
        }
        t.BontasPause = o.u8() != 0;
        // The pause line holds selection indexes: checked against the selection.
        o.bytes(t.PauseSzamsor, static_cast<std::size_t>(std::max(0, vm)));
        for (std::uint8_t x : t.PauseSzamsor)
            if (x > indexFelso)
                throw Elutasitas{kHibaIndex};
        t.FPauseMenet = o.i32();
        if (t.FPauseMenet < 0 || t.FPauseMenet > env.SzamsorHosszMax)
            t.FPauseMenet = 0;
        if (v >= 2710) {
            // 13. Run state, frequency groups, options.
            t.FBontStatus = o.u8() != 0;
            const bool szerk = o.u8() != 0;
            if (!t.SzerkesztettVariacio)
                t.SzerkesztettVariacio = szerk;
            if (v >= 2730)
                t.BontasBefejezetlen = o.u8() != 0;
            t.BontasIdotartamNap = o.f64();
            if (!(t.BontasIdotartamNap >= 0.0) || !std::isfinite(t.BontasIdotartamNap))
                throw Elutasitas{kHibaIdo};
            t.FCsoportIndex = o.i32();
            if (t.FCsoportIndex < 0 || t.FCsoportIndex > env.FCsoportFelso)
                throw Elutasitas{kHibaCsoport};
            o.bytes(t.FCsoportSzamsorok, t.FCsoportSzamsorok.size());
            for (std::uint8_t x : t.FCsoportSzamsorok)
                if (x > indexFelso)
                    throw Elutasitas{kHibaCsoportSor};
            o.bytes(t.FCsoportAktiv, t.FCsoportAktiv.size());
            for (std::uint8_t& x : t.FCsoportAktiv)
                x = x != 0;
            t.VeletlenKiserletek = o.i64();
            if (t.VeletlenKiserletek < 0 || (env.ABSZ >= 0 && t.VeletlenKiserletek > env.ABSZ))
                throw Elutasitas{kHibaVeletlen};
            if (v >= 2750) {
                t.TeljesultFeltetelekA = o.u64();
                t.TeljesultFeltetelekB = o.u64();
            }
            if (v >= 2810)
                t.OpcioModosulas = o.u8() != 0;
            else
                t.OpcioModosulas = t.BontasBovites || e > 1;
            o.kell(TVariacioOpciok::kMeret);
            RekordOlvasas(rd, t.VariacioOpciok);
            TVariacioOpciok& op = t.VariacioOpciok;
            if (op.Optimalizalas != 0) {
                if (op.Arany < 0 || op.Arany > kModMax) {
                    op.Arany = 0;
                    throw Elutasitas{kHibaMod};
                }
                const std::int32_t c = op.OptSzamsorHatar;
                if (c > 0) {
                    if (c > kVariacioTorzsMaxSor || vm < 1)
                        throw Elutasitas{kHibaMeret};
                    o.bytes(t.OptLegjobbSzamsorok, static_cast<std::size_t>(c) * static_cast<std::size_t>(vm));
                    indexSorokEllenorzese(t.OptLegjobbSzamsorok, vm, indexFelso);
                    t.OptLegjobbSzamsorDb = c;
                }
            }
        } else {
            t.OpcioModosulas = t.BontasBovites || e > 1;
        }
        t.BefejezetlenVariacio = n > 0 && (t.BontasPause || !t.FBontStatus || t.BontasBefejezetlen);
        r.Ok = true;
    } catch (const Elutasitas& hiba) {
        r.Ok = false;
        r.HibaFajta = TorzsHiba::Hibas;
        r.Hiba = hiba.Szoveg;
        r.Torzs = VariacioTorzs{};
    }
    return r;
}

// ---------------------------------------------------------------- environment

TorzsOlvasasKornyezet TorzsKornyezet(const SzamListak& l, const GameParams& g, const FeltetelRekordok& f,
                                     bool szerkesztett)
{
    TorzsOlvasasKornyezet e;
    e.VariacioMeret = l.VariacioMeret;
    e.SzamsorHossz = g.SzamsorHossz;
    e.SzamsorHosszMax = g.SzamsorHosszMax;
    e.OsszesSzam = g.OsszesSzam;
    e.OsszesSzamMax = g.OsszesSzamMax;
    e.KijeloltSzamDb = l.KijeloltSzamDb();
    e.FCsoportFelso = l.KijeloltFoSzamDb - l.VariacioFoMeret;
    e.VariacioFoMeret = l.VariacioFoMeret;
    e.ABSZ = TeljBontSzelvszam(l.KijeloltSzamDb(), l.VariacioMeret, l.KijeloltPluszSzamDb, g.VanPluszSzam,
                               g.PluszSzamDb);
    e.HuzasSzamsorVariacio = f.HuzasSzamsorVariacio;
    e.SzerkesztettVariacio = szerkesztett;
    return e;
}

TorzsOlvasasKornyezet TorzsKornyezet(const SzamsorKep& kep, const GameParams& g)
{
    SzamListak l;
    MainState ms;
    FeltetelRekordok f;
    SzamsorKepAlkalmazas(kep, l, g, ms, f);
    return TorzsKornyezet(l, g, f, false);
}

// ---------------------------------------------------------------- program state

VariacioTorzs VariacioTorzsKeszites(const VariationStore& t, const BontasEgyseg& u, const VariacioOpcioErtekek& o,
                                    const FeltetelRekordok& f, const SzamListak& l, const VariacioAllomanyAllapot& a)
{
    VariacioTorzs z;
    z.VariacioDatum = a.VariacioDatum;
    z.SorHossz = t.BontMatrixSorHossz;
    z.SzamsorDb = t.BontSzelvszam;
    if (t.FBontasMatrix && t.BontSzelvszam > 0)
        z.Sorok.assign(t.FBontasMatrix,
                       t.FBontasMatrix + static_cast<std::size_t>(t.BontSzelvszam) * static_cast<std::size_t>(z.SorHossz));
    z.HuzasSzamsorVariacio = f.HuzasSzamsorVariacio;
    if (z.HuzasSzamsorVariacio) {
        z.BontHuzasSorszam = t.BontHuzasSorszam;
        z.BontHuzasSorszam.resize(static_cast<std::size_t>(std::max(0, t.BontSzelvszam)), 0);
    }
    z.BontSzamGyakorisag = t.BontSzamGyakorisag;
    z.BontSzamGyakorisag.resize(static_cast<std::size_t>(l.KijeloltSzamDb()), 0);
    z.Import_Count = t.Import_Count;
    z.BontasBovites = u.BontasBovites;
    z.TulirasBont = o.TulirasBont;
    z.TulirasTeteles = o.TulirasTeteles;
    z.TulirasSorozat = o.TulirasSorozat;
    z.Tuliras = o.Tuliras;
    z.TulirasTetelesMin = o.TulirasTetelesMin;
    z.TulirasTetelesMax = o.TulirasTetelesMax;
    z.TulirasAktMin = u.Allapot.TulirasAktMin;
    z.TulirasAktMax = u.Allapot.TulirasAktMax;
    z.TulirasSorozatAkt = u.Allapot.TulirasSorozatAkt;
    z.BontasPause = u.Vezerles.BontasPause.load();
    z.VariacioMeret = l.VariacioMeret;
    const std::size_t vm = static_cast<std::size_t>(std::max(0, l.VariacioMeret));
    z.PauseSzamsor = u.Allapot.PauseSzamsor;
    z.PauseSzamsor.resize(vm, 0);
    z.FPauseMenet = u.Vezerles.FPauseMenet.load();
    z.FBontStatus = u.Vezerles.FBontStatus.load();
    z.SzerkesztettVariacio = u.SzerkesztettVariacio;
    z.BontasBefejezetlen = u.Allapot.BontasBefejezetlen;
    z.BontasIdotartamNap = std::round(u.BontasIdotartam * 1000.0) / kNapMs;
    // The frequency groups as the selection now has them.
    z.FCsoportFelso = l.KijeloltFoSzamDb - l.VariacioFoMeret;
    const std::size_t csop = static_cast<std::size_t>(std::max(0, z.FCsoportFelso + 1));
    z.FCsoportIndex = std::clamp(u.Allapot.FCsoportIndex, 0, std::max(0, z.FCsoportFelso));
    z.FCsoportSzamsorok.assign(csop * vm, 0);
    z.FCsoportAktiv.assign(csop, 0);
    for (std::size_t i = 0; i < csop && i < u.Allapot.FCsoportSzamsorok.size(); ++i) {
        const TTombByte1D& s = u.Allapot.FCsoportSzamsorok[i];
        std::copy_n(s.begin(), std::min(s.size(), vm), z.FCsoportSzamsorok.begin() + static_cast<std::ptrdiff_t>(i * vm));
    }
    for (std::size_t i = 0; i < csop && i < u.Allapot.FCsoportAktiv.size(); ++i)
        z.FCsoportAktiv[i] = u.Allapot.FCsoportAktiv[i] != 0;
    z.VeletlenKiserletek = u.Vezerles.VeletlenKiserletek.load();
    z.TeljesultFeltetelekA = u.Allapot.TeljesultFeltetelekA;
    z.TeljesultFeltetelekB = u.Allapot.TeljesultFeltetelekB;
    z.OpcioModosulas = o.OpcioModosulas || u.OpcioModosulas;
    z.VariacioOpciok = f.VariacioOpciok;
    if (t.OptLegjobbSzamsorDb > 0 && t.OptLegjobbSzamsorok.size() >= static_cast<std::size_t>(t.OptLegjobbSzamsorDb) * vm) {
        z.OptLegjobbSzamsorDb = t.OptLegjobbSzamsorDb;
        z.OptLegjobbSzamsorok.assign(t.OptLegjobbSzamsorok.begin(),
                                     t.OptLegjobbSzamsorok.begin() +
                                         static_cast<std::ptrdiff_t>(static_cast<std::size_t>(t.OptLegjobbSzamsorDb) * vm));
    }
    z.BefejezetlenVariacio = u.BefejezetlenVariacio;
    return z;
}

void VariacioTorzsAlkalmazas(const VariacioTorzs& z, VariationStore& t, BontasEgyseg& u, VariacioOpcioErtekek& o,
                             FeltetelRekordok& f, VariacioAllomanyAllapot& a)
{
    FinalizeFBontasMatrix(t);
    t.BontHuzasSorszam.clear();
    SetBontasMatrix(t, z.SzamsorDb, z.SorHossz, nullptr);
    if (!z.Sorok.empty())
        std::memcpy(t.FBontasMatrix, z.Sorok.data(), z.Sorok.size());
    t.BontSzelvszam = z.SzamsorDb;
    t.BontFoglalasMeret = z.SzamsorDb;
    t.BontHuzasSorszam = z.BontHuzasSorszam;
    t.BontSzamGyakorisag = z.BontSzamGyakorisag;
    t.Import_Count = z.Import_Count;
    t.OptLegjobbSzamsorok = z.OptLegjobbSzamsorok;
    t.OptLegjobbSzamsorDb = z.OptLegjobbSzamsorDb;

    u.BontasBovites = z.BontasBovites;
    u.Vezerles.BontasPause.store(z.BontasPause);
    u.Vezerles.FPauseMenet.store(z.FPauseMenet);
    u.Vezerles.FBontStatus.store(z.FBontStatus);
    u.Vezerles.VeletlenKiserletek.store(z.VeletlenKiserletek);
    u.Allapot.FPauseMenet = z.FPauseMenet;
    u.Allapot.PauseSzamsor = z.PauseSzamsor;
    if (u.SzamsorHossz > static_cast<std::int32_t>(u.Allapot.PauseSzamsor.size()))
        u.Allapot.PauseSzamsor.resize(static_cast<std::size_t>(u.SzamsorHossz), 0);
    u.Allapot.BontasBefejezetlen = z.BontasBefejezetlen;
    u.Allapot.TulirasAktMin = z.TulirasAktMin;
    u.Allapot.TulirasAktMax = z.TulirasAktMax;
    u.Allapot.TulirasSorozatAkt = z.TulirasSorozatAkt;
    u.Allapot.TeljesultFeltetelekA = z.TeljesultFeltetelekA;
    u.Allapot.TeljesultFeltetelekB = z.TeljesultFeltetelekB;
    u.Allapot.VeletlenKiserletek = z.VeletlenKiserletek;
    u.Allapot.FCsoportIndex = z.FCsoportIndex;
    u.Allapot.FCsoportFelso = z.FCsoportFelso;
    const std::size_t vm = static_cast<std::size_t>(std::max(0, z.VariacioMeret));
    const std::size_t csop = z.FCsoportAktiv.size();
    u.Allapot.FCsoportSzamsorok.assign(csop, TTombByte1D(vm, 0));
    for (std::size_t i = 0; i < csop && vm > 0; ++i)
        std::copy_n(z.FCsoportSzamsorok.begin() + static_cast<std::ptrdiff_t>(i * vm), vm,
                    u.Allapot.FCsoportSzamsorok[i].begin());
    u.Allapot.FCsoportAktiv = z.FCsoportAktiv;
    u.SzerkesztettVariacio = z.SzerkesztettVariacio;
    u.BontasIdotartam = std::round(z.BontasIdotartamNap * kNapMs) / 1000.0;
    u.OpcioModosulas = z.OpcioModosulas;
    u.BefejezetlenVariacio = z.BefejezetlenVariacio;

    o.TulirasBont = z.TulirasBont != 0;
    o.TulirasTeteles = z.TulirasTeteles != 0;
    o.TulirasSorozat = z.TulirasSorozat != 0;
    o.Tuliras = z.Tuliras;
    o.TulirasTetelesMin = z.TulirasTetelesMin;
    o.TulirasTetelesMax = z.TulirasTetelesMax;
    o.OpcioModosulas = z.OpcioModosulas;
    o.TalalatFelirat = TalalatOpcioFelirat(o.Tuliras, o.TulirasTeteles, std::to_string(o.TulirasTetelesMin),
                                           std::to_string(o.TulirasTetelesMax));
    f.VariacioOpciok = z.VariacioOpciok;

    a.AllomanyVerzio = z.Verzio;
    a.AllomanyVerzioSzam = z.VerzioSzam;
    a.VariacioVerzio = std::to_string(z.Verzio.major) + "." + std::to_string(z.Verzio.minor) + "." +
                       std::to_string(z.Verzio.release) + "." + std::to_string(z.Verzio.build);
    a.VariacioDatum = z.VariacioDatum;
}

// ---------------------------------------------------------------- the file

bool VariacioAllomanyIras(const std::string& nev, const SzamsorKep& kep, const VariacioTorzs& t, std::string& uzenet)
{
    BinWriter w;
    SzamsorKepIras(w, kep);
    std::string hiba;
    if (!VariacioTorzsIras(w, t, hiba)) {
        uzenet = hiba;
        return false;
    }
    if (!writeFileAtomic(nev, w.data())) {
        uzenet = kTorzsMentesHiba;
        return false;
    }
    return true;
}

TorzsOlvasasEredmeny VariacioTorzsBetoltese(std::span<const std::uint8_t> adat, std::size_t vege,
                                            const SzamsorKep& kep, const GameParams& g)
{
    BinReader rd(adat);
    if (!rd.seek(vege)) {
        TorzsOlvasasEredmeny r;
        r.HibaFajta = TorzsHiba::Hibas;
        r.Hiba = kHibaMeret;
        return r;
    }
    return VariacioTorzsOlvasas(rd, TorzsKornyezet(kep, g));
}


void VersionBeallitas(VariacioAllomanyAllapot& a)
{
    a.VariacioVerzio = VerzioSzoveg();
    a.AllomanyVerzioSzam = VerzioSzam();
    a.VariacioDatum = MaiDatum();
}

std::string TorzsHibaUzenet(const std::string& nev, const TorzsOlvasasEredmeny& r)
{
    return nev + "\r\n\r\n" + r.VariacioVerzio + " verzió állománya" + "\r\n\r\n" + r.Hiba;
}

bool TorzsHianyzikMagyarazat(std::int32_t szamsorVerzioSzam, const TorzsOlvasasEredmeny& r)
{
    return r.HibaFajta == TorzsHiba::Hibas && r.TorzsHianyzik && szamsorVerzioSzam >= 2000 &&
           szamsorVerzioSzam <= 2019;
}

std::string VariacioVarakozasSzoveg(const std::string& nev, const std::string& jatekMappa, bool mentes)
{
    const auto kisbetus = [](std::string x) {
        for (char& c : x)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return x;
    };
    const std::string fajl = std::filesystem::path(nev).filename().string();
    const bool back = !jatekMappa.empty() && kisbetus(fajl).find("back" + kisbetus(jatekMappa)) != std::string::npos;
    if (mentes) return back ? "Utolsó variáció mentése" : "Variáció mentése állományba";
    return back ? "Biztonsági másolat visszatöltése" : "Variáció állományának betöltése";
}

std::string BetoltesUtaniTipp(bool BontasPause, const std::string& allapotSzoveg)
{
    if (BontasPause)
        return kTorzsPauseTipp;
    if (allapotSzoveg.empty() || allapotSzoveg == "Szerkesztett, módosított variáció.")
        return {};
    return allapotSzoveg;
}

std::string AllandoSzamokFigyelmeztetes(std::int32_t verzioSzam, const FeltetelRekordok& f, const SzamListak& l,
                                        const GameParams& g)
{
    const TMinMaxFeltetel& a = f.AllandoFeltetel;
    if (verzioSzam < 2340 || verzioSzam > 2415 || a.Allapot == 0 || a.Max <= 0 || l.AllandoPluszSzamDb <= 0)
        return {};
    return "A most betöltött variációban:\r\n   - kijelölt az Állandó számok feltétel\r\n   - egy számsorban maximum " +
           std::to_string(a.Max) + " állandó szám engedélyezett" + "\r\n" + "   - " + std::to_string(l.AllandoSzamDb()) +
           " állandó számból " + std::to_string(l.AllandoPluszSzamDb) + g.PluszSzamNev + " szám lett kijelölve" +
           "\r\n\r\n" +
           "A 2.4.1.6 verziótól kezdődően: az Állandó számok feltétel kiértékelése során, a program figyelembe veszi a" +
           g.PluszSzamNev + " számokból kejelölt állandó számokat." + "\r\n\r\n" +
           "Ezért előfordulhat, hogy a most betöltött variációt újra generálva eltérő méretű variációt, vagy azonos "
           "méretű, de módosult tartalmú számsorokat kap eredményül.";
}

}  // namespace kvx
