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

}  // namespace kvx
