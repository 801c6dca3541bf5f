#include "app/settings_dialog.h"

#include "common/delphi_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kvx {

namespace {

// A full variation too large for int64 is reported as the most negative
// count: it is larger than any memory.
std::int64_t teljes(std::int64_t t)
{
    return t < 0 ? std::numeric_limits<std::int64_t>::max() : t;
}

}  // namespace

bool BontMemoriaKorlat(std::uint64_t szabadMemoria, std::int64_t teljesVariacioMeret)
{
    const std::uint64_t t = static_cast<std::uint64_t>(teljes(teljesVariacioMeret));
    return szabadMemoria / kBeallitasSorMemoria < t;
}

std::int64_t BontMaxMaximum(std::uint64_t szabadMemoria, std::int64_t teljesVariacioMeret)
{
    std::int64_t m = teljes(teljesVariacioMeret);
    if (BontMemoriaKorlat(szabadMemoria, teljesVariacioMeret))
        m = static_cast<std::int64_t>(szabadMemoria / kBeallitasSorMemoria);
    return std::max(m, kBontMeretLepes);
}

std::int64_t BontMeretKerekites(std::int64_t pozicio, std::int64_t maximum)
{
    if (pozicio >= maximum)
        return maximum;
    return std::max(pozicio / kBontMeretLepes * kBontMeretLepes, kBontMeretLepes);
}

std::int32_t CsuszkaLepesDb(std::int64_t maximum)
{
    const std::int64_t n = (std::max(maximum, kBontMeretLepes) + kBontMeretLepes - 1) / kBontMeretLepes;
    return static_cast<std::int32_t>(std::min<std::int64_t>(n, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t CsuszkaMeret(std::int32_t allas, std::int64_t maximum)
{
    const std::int32_t n = CsuszkaLepesDb(maximum);
    if (allas >= n)
        return std::max(maximum, kBontMeretLepes);
    return std::max<std::int64_t>(allas, 1) * kBontMeretLepes;
}

std::int32_t CsuszkaAllas(std::int64_t meret, std::int64_t maximum)
{
    if (meret >= maximum)
        return CsuszkaLepesDb(maximum);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(meret / kBontMeretLepes, 1, CsuszkaLepesDb(maximum)));
}

std::string BontMeretSzoveg(std::int64_t meret)
{
    return FormatThousands(meret) + " számsor";
}

bool ArBillentyuElfogadva(const std::string& szoveg, char c, char tizedesJel)
{
    if (c >= '0' && c <= '9')
        return true;
    return c == tizedesJel && szoveg.find(tizedesJel) == std::string::npos;
}

std::string ArSzovegIgazitas(const std::string& szoveg, char tizedesJel)
{
    const std::size_t p = szoveg.find(tizedesJel);
    const std::size_t hossz = p == std::string::npos ? 6 : p + 3;
    return szoveg.substr(0, std::min(hossz, szoveg.size()));
}

double ArErtek(const std::string& szoveg, char tizedesJel, double tarolt)
{
    std::string t = szoveg;
    std::replace(t.begin(), t.end(), tizedesJel, '.');
    if (t.empty() || t.find_first_not_of("0123456789.") != std::string::npos ||
        std::count(t.begin(), t.end(), '.') > 1 || t == ".")
        return tarolt;
    double v = 0.0;
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size() || !std::isfinite(v) || v < 0.1 || v > 999999)
        return tarolt;
    return v;
}

std::string ArSzoveg(double ar, char tizedesJel)
{
    char buf[64];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, ar);
    std::string s = ec == std::errc() ? std::string(buf, p) : "0";
    std::replace(s.begin(), s.end(), '.', tizedesJel);
    return s;
}

void JegyArBeallitas(std::array<double, kJatekokSzama>& jegyAr, int lottoIndex, double ar)
{
    if (lottoIndex < 0 || lottoIndex >= kJatekokSzama)
        return;
    int elso = lottoIndex, utolso = lottoIndex;
    if (lottoIndex <= 2) {
        elso = 0;
        utolso = 2;
    } else if (lottoIndex >= 8 && lottoIndex <= 16) {
        elso = 8;
        utolso = 16;
    }
    for (int j = elso; j <= utolso; ++j)
        jegyAr[static_cast<std::size_t>(j)] = ar;
}

std::string BackFigyelmeztetesSzoveg(bool biztonsagiMentes)
{
    return biztonsagiMentes ? std::string() : std::string("Nem készül biztonsági másolat\r\n\r\n");
}

std::string KonyvtarStrukturaSzoveg(const std::string& programKonyvtar, int lottoIndex)
{
    const auto j = static_cast<std::size_t>(std::clamp(lottoIndex, 0, kJatekokSzama - 1));
    const std::string f = JatekMappa[j];
    const std::string sor = "\r\n\r\n";
    return "Programkönyvtár:\r\n" + programKonyvtar + sor + "     Mentett számsorok és variációk: Programkönyvtár/Lotto/" +
           f + "/" + sor + "     Biztonsági mentések: Programkönyvtár/Back/" + sor +
           "     Ideiglenes listák: Programkönyvtár/List/" + sor + "     Adatbázis: Programkönyvtár/Dat/" +
           AdatbazisAllomany[j] + sor + "     Alternativ adatbázis: Programkönyvtár/Dat/" + AlternativAllomany[j] +
           sor + "     Privát adatbázis: Programkönyvtár/Dat/Private/" + f + "/allomany_neve.pdb" + sor +
           "A dialógus ablakból mentett állományok elérési útvonalai, a felhasználó döntése szerint térhetnek el az "
           "alapértelmezettként felsoroltaktól." +
           sor + "Eltérő könyvtárstruktúra esetén, Súgó: Tartalom - Program (újra)telepítése";
}

}  // namespace kvx
