#include "app/shell_state.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kvx {

bool ErvenyesBetuMeret(std::int32_t meret)
{
    return meret >= 8 && meret <= 20 && meret % 2 == 0;
}

std::optional<std::int32_t> UjrainditasiMeret(const std::vector<std::string>& args)
{
    if (args.size() < 2 || args[0] != "-r")
        return std::nullopt;
    static constexpr const char* kMeretek[] = {"8", "10", "12", "14", "16", "18", "20"};
    for (const char* m : kMeretek)
        if (args[1] == m)
            return std::stoi(m);
    return std::nullopt;
}

std::string ParancssoriAllomanyKezdet(const std::vector<std::string>& args,
                                      const std::function<bool(const std::string&)>& letezik)
{
    if (args.empty())
        return {};
    const std::string& a = args[0];
    if (a.empty() || a == "-r")
        return a;
    return letezik(a) ? a : std::string();
}

bool SzamsorVagyVariacioAllomany(const std::string& p)
{
    if (p.size() < 3 || p == "-r")
        return false;
    std::string veg = p.substr(p.size() - 3);
    std::transform(veg.begin(), veg.end(), veg.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return veg == "tip" || veg == "top";
}

std::int32_t BillentyuModSzamitas(bool shift, bool ctrl, bool alt, std::int32_t potSzamok)
{
    if (shift && alt && !ctrl)
        return potSzamok > 0 ? 350 : 0;
    if (alt && !shift && !ctrl)
        return 300;
    if (shift && ctrl && !alt)
        return 200;
    if (ctrl && !shift && !alt)
        return 100;
    if (shift && !ctrl && !alt)
        return 50;
    return 0;
}

namespace {

bool Megszakitott(const VariacioAllapot& v)
{
    return !v.BontStatus || v.BontasPause || v.BontasBefejezetlen;
}

}  // namespace

std::optional<std::string> VariacioStatuszSzoveg(const VariacioAllapot& v, bool befejezett, bool allapotSzoveg)
{
    if (!v.VanBontasAblak || !allapotSzoveg)
        return std::nullopt;
    if (!befejezett)
        return std::string("Run");
    if (v.BontMatrixMeret <= 0)
        return std::string();
    if (Megszakitott(v)) {
        std::string s = !v.BontStatus ? "Stop" : v.BontasPause ? "Pause" : "Break";
        if (v.SzerkesztettVariacio)
            s += " - Edited";
        return s;
    }
    return std::string(v.SzerkesztettVariacio ? "Edited" : "Ready");
}

std::string GetMNBString(const VariacioAllapot& v)
{
    if (v.BontSzelvszam <= 0 || v.BontMatrixMeret <= 0)
        return {};
    if (Megszakitott(v)) {
        std::string s = !v.BontStatus    ? "[Stop] leállított folyamat"
                        : v.BontasPause ? "[Pause] felfüggesztett folyamat"
                                        : "[Break] megszakított folyamat";
        if (v.SzerkesztettVariacio)
            s += "; szerkesztett";
        return s + ", nem befejezett variáció.";
    }
    return v.SzerkesztettVariacio ? "Szerkesztett, módosított variáció." : std::string();
}

StatusPanelSzelessegek StatusPanelek(std::int32_t statusSzelesseg, std::int32_t karakterSzelesseg,
                                     std::int32_t panel1Hossz, std::int32_t panel2Hossz)
{
    StatusPanelSzelessegek w;
    w.Panel2 = panel2Hossz * karakterSzelesseg;
    w.Panel1 = (panel1Hossz + 6) * karakterSzelesseg;
    w.Panel0 = statusSzelesseg - w.Panel1 - w.Panel2;
    return w;
}

bool IrhatoKonyvtar(const std::string& programKonyvtar)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path p = fs::path(programKonyvtar) / "01202wj3";
    const bool ujra = !fs::exists(p, ec);
    if (!fs::create_directories(p, ec) && !fs::is_directory(p, ec))
        return false;
    if (ujra)
        fs::remove(p, ec);
    return true;
}

std::string SugoAllomany(const std::string& programKonyvtar, const std::string& exeAlapNev,
                         const std::string& kiterjesztes)
{
    return programKonyvtar + "Help/" + exeAlapNev + kiterjesztes;
}

WebCimek WebMenuCimek(const std::string& honlap)
{
    std::string host = honlap;
    while (!host.empty() && host.back() == '/') host.pop_back();
    WebCimek c;
    c.Honlap = host;
    c.Kalkulator = host + "/hu/calc/calc.php?l=";
    c.Szimulator = host + "/hu/sim/kvxsim.php";
    c.Variaciok = host + "/hu/vari/lotto_variation.php";
    return c;
}

bool UzenetekLogAllapot(std::array<std::uint8_t, 36>& uzenetekLog, bool lekerdezes)
{
    if (!lekerdezes) {
        uzenetekLog.fill(1);
        return true;
    }
    for (std::uint8_t v : uzenetekLog)
        if (v != 1) return false;
    return true;
}

std::string SugoTipp(const std::string& meretCimke)
{
    return "Szöveg-és ablak méretek beállítása: Beállítások - Általános - " + meretCimke +
           "\r\nTovábbi információk, Súgó: Tartalom - Beállítások - Általános - Szöveg-és ablak méretek "
           "módosítása\r\n\r\nA program használatában a Súgó lesz segítségére\r\n- F1 billentyű\r\n- Súgó - "
           "Témakörök menüpont\r\n- Egy ablak vagy valamelyik komponense fölé húzva az egérkurzort, kattintson "
           "az egér jobb gombjával, majd kattintson a \"Mi ez?\" felíratú ablakra";
}

const char* const kAdatbevitelTipp =
    "Adatbevitel\r\nA hatékony adatbevitel érdekében, olvassa el a Súgó: Tartalom - Adatbevitel szakasz "
    "tartalmát.\r\n\r\n"
    "- Szám kijelölése/törlése: kattintson a számra az egér bal gombjával.\r\n"
    "- Számsor kijelölése: az egér jobb gombját nyomva tartva húzza az egérkurzort a számok fölött.\r\n"
    "- Fix szám: a SHIFT billentyűt nyomva tartva kattintson a számra.\r\n"
    "- Állandó szám: a CTRL billentyűt nyomva tartva kattintson a számra.";

}  // namespace kvx
