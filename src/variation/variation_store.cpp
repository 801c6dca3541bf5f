#include "variation/variation_store.h"

#include <algorithm>

#include "variation/store_jobs.h"

namespace kvx {

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
    if (!SetBontasMatrix(*this, BontFoglalasMeret, BontMatrixSorHossz, nullptr)) {
        if (env.HibaUzenet)
            env.HibaUzenet(kSzovegFoglalasHiba);
        stopKeres = true;
        return false;
    }
    return BontMatrixMeret == BontFoglalasMeret;
}

bool VariationStore::Noveles(TarolasKornyezet& env, const TarolasFutas& futas, bool& stopKeres)
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
