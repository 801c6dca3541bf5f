#include "variation/variation_store.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "variation/store_jobs.h"

namespace kvx {

namespace {

template <std::size_t L>
void sorMasolas(std::uint8_t* cel, const std::uint8_t* forras)
{
    std::memcpy(cel, forras, L);
}

template <std::size_t... L>
constexpr std::array<SorMasoloFn, sizeof...(L)> masolok(std::index_sequence<L...>)
{
    return {&sorMasolas<L>...};
}

constexpr auto kSorMasolok = masolok(std::make_index_sequence<33>{});

void jelez(TarolasKornyezet& env, NovelesJelzes j)
{
    if (env.NovelesJelzo)
        env.NovelesJelzo(j);
}

}  // namespace

namespace {

// Blocks from this size on are mapped pages.
constexpr std::size_t kLapozottMin = std::size_t{4} << 20;

bool lapozott(std::size_t meret) { return meret >= kLapozottMin; }

#if defined(__linux__)
void nagyLapok(void* p, std::size_t meret)
{
#ifdef MADV_HUGEPAGE
    madvise(p, meret, MADV_HUGEPAGE);  // a hint: refusals change nothing
#else
    (void)p;
    (void)meret;
#endif
}
#endif

}  // namespace

std::uint8_t* TarBlokkAtmeretezes(std::uint8_t* p, std::size_t regi, std::size_t uj)
{
#if defined(__linux__)
    const bool regiL = p && lapozott(regi), ujL = lapozott(uj);
    if (uj == 0) {
        if (regiL)
            munmap(p, regi);
        else
            std::free(p);
        return nullptr;
    }
    if (regiL && ujL) {
        void* q = mremap(p, regi, uj, MREMAP_MAYMOVE);
        if (q == MAP_FAILED)
            return nullptr;
        nagyLapok(q, uj);
        return static_cast<std::uint8_t*>(q);
    }
    if (ujL) {
        void* q = mmap(nullptr, uj, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (q == MAP_FAILED)
            return nullptr;
        nagyLapok(q, uj);
        if (p) {
            std::memcpy(q, p, std::min(regi, uj));
            std::free(p);
        }
        return static_cast<std::uint8_t*>(q);
    }
    if (regiL) {
        auto* q = static_cast<std::uint8_t*>(std::malloc(uj));
        if (!q)
            return nullptr;
        std::memcpy(q, p, std::min(regi, uj));
        munmap(p, regi);
        return q;
    }
#endif
    if (uj == 0) {
        std::free(p);
        return nullptr;
    }
    return static_cast<std::uint8_t*>(std::realloc(p, uj));
}

SorMasoloFn SorMasolo(std::int32_t hossz)
{
    if (hossz < 1 || hossz >= static_cast<std::int32_t>(kSorMasolok.size()))
        return nullptr;
    return kSorMasolok[static_cast<std::size_t>(hossz)];
}

bool VariationStore::BontasTarolTomb(const std::uint8_t* sorok, std::int32_t db, const std::int32_t* gyakorisag,
                                     TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres,
                                     std::int32_t& tarolt)
{
    tarolt = 0;
    const auto L = static_cast<std::size_t>(BontMatrixSorHossz);
    bool tovabb = true;
    while (tarolt < db) {
        // Rows left before the store is full, and lines left before the
        // full variation: the last line of either is where a single store
        // would grow or end.
        const std::int64_t hely = std::min<std::int64_t>(BontMatrixMeret, ABSZ) - BontSzelvszam;
        if (hely <= 0) {
            stopKeres = true;
            tovabb = false;
            break;
        }
        const auto m = static_cast<std::int32_t>(std::min<std::int64_t>(db - tarolt, hely));
        std::memcpy(sor(BontSzelvszam), sorok + static_cast<std::size_t>(tarolt) * L, static_cast<std::size_t>(m) * L);
        BontSzelvszam += m;
        tarolt += m;
        if (BontSzelvszam >= ABSZ) {
            tovabb = false;  // the full variation is complete
            break;
        }
        if (BontSzelvszam >= BontMatrixMeret && !Noveles(env, futas, stopKeres)) {
            tovabb = false;
            break;
        }
    }
    if (tarolt > 0)
        FSzamsorTarolva = true;
    if (gyakorisag && tarolt == db) {
        for (std::size_t i = 0; i < BontSzamGyakorisag.size(); ++i)
            BontSzamGyakorisag[i] += gyakorisag[i];
    } else {
        for (std::size_t i = 0, n = static_cast<std::size_t>(tarolt) * L; i < n; ++i)
            ++BontSzamGyakorisag[sorok[i]];
    }
    return tovabb;
}

std::int64_t BontBinom(std::int64_t n, std::int64_t k)
{
    if (k < 0 || n < k)
        return 0;
    k = std::min(k, n - k);
    __int128 v = 1;
    for (std::int64_t i = 1; i <= k; ++i) {
        v = v * (n - k + i) / i;
        if (v > INT64_MAX)
            return INT64_MIN;
    }
    return static_cast<std::int64_t>(v);
}

std::int64_t TeljBontSzelvszam(std::int32_t n, std::int32_t k, std::int32_t F, bool VanPluszSzam,
                               std::int32_t PluszSzamDb)
{
    if (k == 1 && F == 0)
        return n;
    if (k > n)
        return 0;
    const std::int32_t f = PluszSzamDb;
    if (VanPluszSzam && F >= f) {
        const std::int64_t a = BontBinom(n - F, k - f);
        const std::int64_t b = f < 2 ? F : BontBinom(F, f);
        if (a == INT64_MIN || b == INT64_MIN)
            return INT64_MIN;
        __int128 p = static_cast<__int128>(a) * b;
        if (p > INT64_MAX || p < INT64_MIN)
            return INT64_MIN;
        return static_cast<std::int64_t>(p);
    }
    return BontBinom(n, k);
}

std::string MemoriaLimitSzoveg(std::int64_t sorok, std::int64_t sorMemoria, std::int64_t engedelyezett)
{
    std::string s = "32 bites alkalmazás\r\n\r\nA tervezett variáció plusz memória (RAM) igénye: " +
                    std::to_string(sorok * sorMemoria / 1048576) + " MByte" +
                    "\r\n\r\nAz aktuális verzió nem tud kezelni ilyen méretű memóriát:" +
                    "\r\n - Csökkentse a variációra kijelölt számok mennyiségét";
    if (engedelyezett > 1000000)
        s += std::string("\r\n") + " - Csökkentse a variáció engedélyezett méretét" + "\r\n" +
             "    Beállítások - Variáció - Erőforrások védelme";
    return s;
}

bool VariationStore::MemoriaLimit(std::int64_t sorok, const TarolasKornyezet& env) const
{
    if (sorok * env.sorMemoria() < env.szabadMemoria())
        return true;
    if (env.InformacioUzenet)
        env.InformacioUzenet(MemoriaLimitSzoveg(sorok, env.sorMemoria(), BontEngedelyezettMeret));
    return false;
}

bool VariationStore::BontSzabadMemoria(const TarolasKornyezet& env) const
{
    return 2 * BontFoglalasMeret * kBontSorMemoria < env.szabadMemoria();
}

bool VariationStore::MemoriaLefoglalas(TarolasKornyezet& env, bool& stopKeres)
{
    jelez(env, NovelesJelzes::FoglalasKezdet);
    // The new rows are written before they count as lines: no zero-filling.
    const bool ok = SetBontasMatrix(*this, BontFoglalasMeret, BontMatrixSorHossz, nullptr, false);
    jelez(env, NovelesJelzes::FoglalasVege);
    if (!ok) {
        if (env.HibaUzenet)
            env.HibaUzenet(kSzovegFoglalasHiba);
        stopKeres = true;
        return false;
    }
    return BontMatrixMeret == BontFoglalasMeret;
}

bool VariationStore::Noveles(TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres)
{
    jelez(env, NovelesJelzes::Kezdet);
    const bool ok = novelesDontes(env, futas, stopKeres);
    jelez(env, NovelesJelzes::Vege);
    return ok;
}

bool VariationStore::novelesDontes(TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres)
{
    const std::int64_t plafon = std::min<std::int64_t>(ABSZ, kBontMaxSzelvszam);
    if (BontSzelvszam >= kBontMaxSzelvszam) {
        // The limit itself is reached while the full variation is larger.
        if (env.InformacioUzenet)
            env.InformacioUzenet(kSzoveg100Millio);
        stopKeres = true;
        return false;
    }
    const bool mindenTarolodik =
        !futas.FeltetelJelzo && ((futas.Hibapont == 0 && !futas.TulirasBont) ||
                                 (futas.TulirasBont && futas.Tuliras == futas.TulirasFelsoHatar));
    const bool egyszerre = !BontSzabadMemoria(env) || mindenTarolodik || 2 * BontFoglalasMeret > plafon;
    std::int64_t cel;
    if (egyszerre) {
        cel = plafon;
        if (futas.HuzasSzamsorVariacio && FCelSzelvszam > cel)
            cel = std::min<std::int64_t>(FCelSzelvszam, kBontMaxSzelvszam);
    } else {
        cel = 2 * BontFoglalasMeret;
    }
    if (!MemoriaLimit(cel, env)) {
        stopKeres = true;
        return false;
    }
    if ((cel - BontFoglalasMeret) * kBontSorMemoria >= env.szabadMemoria()) {
        if (env.HibaUzenet)
            env.HibaUzenet(kSzovegNincsMemoria);
        stopKeres = true;
        return false;
    }
    if (env.JovahagyasVariacio && env.JovahagyasKerdes &&
        !env.JovahagyasKerdes(egyszerre ? kSzovegNovelesMind : kSzovegNovelesResz)) {
        stopKeres = true;
        return false;
    }
    BontFoglalasMeret = cel;
    return MemoriaLefoglalas(env, stopKeres);
}

bool VariationStore::BontasTarolHuzas(std::int32_t huzasSorszam, const std::uint8_t* szamok, TarolasKornyezet& env,
                                      const TarolasFutas& futas, bool& stopKeres)
{
    if (static_cast<std::size_t>(BontSzelvszam) >= BontHuzasSorszam.size())
        BontHuzasSorszam.resize(static_cast<std::size_t>(BontSzelvszam) + 1, 0);
    BontHuzasSorszam[static_cast<std::size_t>(BontSzelvszam)] = huzasSorszam;
    std::memcpy(sor(BontSzelvszam), szamok, static_cast<std::size_t>(BontMatrixSorHossz));
    FSzamsorTarolva = true;
    ++BontSzelvszam;
    if (BontSzelvszam >= FCelSzelvszam)
        return false;
    if (BontSzelvszam < BontMatrixMeret)
        return true;
    return Noveles(env, futas, stopKeres);
}

void BontasListazasTorlesUtan(VariationStore& t, std::int32_t KijeloltSzamDb)
{
    t.BontSzelvszam = t.BontMatrixMeret;
    t.BontSzamGyakorisag.assign(static_cast<std::size_t>(std::max(0, KijeloltSzamDb)), 0);
    for (std::int32_t r = 0; r < t.BontSzelvszam; ++r) {
        const std::uint8_t* s = t.sor(r);
        for (std::int32_t i = 0; i < t.BontMatrixSorHossz; ++i)
            if (s[i] < t.BontSzamGyakorisag.size())
                ++t.BontSzamGyakorisag[s[i]];
    }
}

}  // namespace kvx
