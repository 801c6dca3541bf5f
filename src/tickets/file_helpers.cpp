#include "tickets/file_helpers.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace kvx {

const char* const kSzamsorSzuro = "Számsor állománya (*.tip)|*.tip";
const char* const kVariacioSzuro =
    "Variáció állománya (*.top)|*.top|Variáció export állománya csv (*.csv)|*.csv|Variáció export állománya txt "
    "(*.txt)|*.txt|Variáció export állománya html (*.html)|*.html|Variáció export állománya fejlesztői "
    "(*.tmb)|*.tmb";
const char* const kMegnyitasSzuro =
    "Számsor állománya (*.tip)|*.tip|Variáció állománya (*.top)|*.top|Variáció import állománya (*.csv)|*.csv|"
    "Variáció import állománya (*.txt)|*.txt";

std::string MentesSzuro() { return std::string(kSzamsorSzuro) + "|" + kVariacioSzuro; }

std::vector<SzuroElem> SzuroElemek(const std::string& szuro)
{
    std::vector<std::string> reszek;
    std::size_t p = 0;
    for (;;) {
        const std::size_t q = szuro.find('|', p);
        reszek.push_back(szuro.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) break;
        p = q + 1;
    }
    std::vector<SzuroElem> r;
    for (std::size_t i = 0; i + 1 < reszek.size(); i += 2) r.push_back({reszek[i], reszek[i + 1]});
    return r;
}

MentesBeallitas MentesDialogusBeallitas(const std::string& fajta, std::int64_t bontMatrixMeret)
{
    if (fajta == "top" && bontMatrixMeret > 0) return {kVariacioMentesCim, kVariacioSzuro, "top", 1};
    if (fajta.empty() && bontMatrixMeret > 0) return {kAllomanyMentesCim, MentesSzuro(), "top", 2};
    return {kSzamsorMentesCim, kSzamsorSzuro, "tip", 1};
}

std::string AutomatikusNev(const AutomatikusNevAdatok& a)
{
    std::string s = std::to_string(a.KijeloltFoSzamDb);
    if (a.VanPluszSzam) {
        s += '+';
        s += std::to_string(a.KijeloltPluszSzamDb);
    }
    if (a.FixSzamDb > 0) {
        s += '+';
        s += std::to_string(a.FixSzamDb);
        s += "f_";
    }
    s += "sz_";
    if (a.Variacio) {
        s += std::to_string(a.BontMatrixMeret);
        if (a.VeletlenSzamsorok) s += "v";
        s += "szs";
        if (!a.TulirasBont) {
            s += '_';
            s += std::to_string(a.Hibapont);
            s += 'h';
        }
        if (a.GyakorisagiEloszlas) s += "_Gy";
        if (a.Optimalizalt) s += "_O";
        if (a.Optimalizalas) {
            s += a.Csokkent ? "_Cs" : "_N";
            if (a.Feluliras) s += "f";
            if (a.Rendez) s += "r";
            if (a.Mod) s += "gy";
            s += 'm';
            s += std::to_string(a.Arany);
        }
        if (a.TulirasBont) {
            s += "_T";
            s += std::to_string(a.Tuliras);
            if (a.TulirasTeteles) s += "t";
            if (a.TulirasSorozat) s += "s";
        }
        if (!a.VariacioAllapot.empty() && a.VariacioAllapot != "Ready") {
            std::string allapot = a.VariacioAllapot;
            const std::size_t p = allapot.find(" - ");
            // Built anew rather than replaced in place: GCC 12 warns wrongly
            // about overlap in std::string::replace here.
            if (p != std::string::npos) allapot = allapot.substr(0, p) + '_' + allapot.substr(p + 3);
            s += '_';
            s += allapot;
        }
    }
    if (a.Peldabontas) s = "p_" + s;
    return s;
}

std::string AllomanyVegzodes(const std::string& nev)
{
    std::string v = nev.size() >= 3 ? nev.substr(nev.size() - 3) : nev;
    std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return v;
}

namespace {

std::string kisbetus(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

MegnyitasCel MegnyitasDontes(const std::string& nev)
{
    const std::string k = kisbetus(nev);
    bool van = false;
    for (const char* e : {".tip", ".top", ".csv", ".txt"})
        if (k.find(e) != std::string::npos) van = true;
    if (!van) return MegnyitasCel::Valasszon;
    const std::string v = AllomanyVegzodes(nev);
    if (v == "top") return MegnyitasCel::Variacio;
    if (v == "tip") return MegnyitasCel::Szamsor;
    if (v == "csv" || v == "txt") return MegnyitasCel::Import;
    return MegnyitasCel::Egyeb;
}

MentesDontesEredmeny MentesDontes(const std::string& fajta, int szuroIndex, const std::string& szuro,
                                  const std::string& nev, std::int64_t bontMatrixMeret)
{
    MentesDontesEredmeny r;
    const std::string v = AllomanyVegzodes(nev);
    if (bontMatrixMeret > 0 && v != "tip") {
        if ((fajta == "top" && szuroIndex == 1) || (fajta.empty() && szuroIndex == 2)) {
            if (v == "top") r.Cel = MentesCel::Variacio;
            return r;
        }
        if (fajta != "tip" && szuroIndex > 1) {
            int i = szuroIndex;
            if (szuro.find("*.tip") != std::string::npos) --i;
            static constexpr const char* kFormatum[] = {"csv", "txt", "html", "tmb"};
            if (i >= 2 && i <= 5) {
                const std::string fmt = kFormatum[i - 2];
                // "html" ends in "tml"
                if (v == fmt.substr(fmt.size() - 3)) {
                    r.Cel = MentesCel::Export;
                    r.ExportFormatum = fmt;
                }
            }
            return r;
        }
    }
    if ((fajta == "tip" || fajta.empty()) && szuroIndex == 1 && v == "tip") r.Cel = MentesCel::Szamsor;
    return r;
}

bool VariacioMentesMegengedett(std::int64_t bontMatrixMeret) { return bontMatrixMeret <= kMaxMentettSzamsor; }

std::int64_t SzabadHely(const std::string& konyvtar)
{
    std::error_code ec;
    const auto s = std::filesystem::space(std::filesystem::path(konyvtar.empty() ? std::string(".") : konyvtar), ec);
    if (ec) return -1;
    return static_cast<std::int64_t>(s.available);
}

int UtolsoKonyvtarFajtaja(int mod) { return std::clamp(mod, 0, 3); }

KozosAllomanyAllapot::~KozosAllomanyAllapot()
{
    if (KozosAllomany) std::fclose(KozosAllomany);
}

bool AllomanyMegnyitasa(KozosAllomanyAllapot& k, const std::string& nev, std::string& uzenet)
{
    if (k.KozosAllomany) std::fclose(k.KozosAllomany);
    k.KozosAllomany = std::fopen(nev.c_str(), "r+b");
    if (!k.KozosAllomany) k.KozosAllomany = std::fopen(nev.c_str(), "rb");
    if (k.KozosAllomany) return true;
    uzenet = "Hiba történt: " + nev + " megnyitása.";
    return false;
}

bool AllomanyLetrehozasa(KozosAllomanyAllapot& k, const std::string& nev, bool mentes, std::string& uzenet)
{
    if (k.KozosAllomany) std::fclose(k.KozosAllomany);
    k.KozosAllomany = std::fopen(nev.c_str(), "w+b");
    if (k.KozosAllomany) return true;
    uzenet = "Hiba történt: " + nev + (mentes ? " mentése." : " megnyitása.");
    return false;
}

bool AllomanyLezarasa(KozosAllomanyAllapot& k, const std::string& nev, std::string& uzenet)
{
    std::FILE* f = k.KozosAllomany;
    k.KozosAllomany = nullptr;
    if (f && std::fclose(f) == 0) return true;
    uzenet = "Hiba történt: " + nev + " lezárása.";
    return false;
}

std::string FoglaltAllomanySzoveg(const std::string& nev)
{
    return "Foglalt állomány\r\n\r\nAz alábbi néven és útvonalon lett megnyitva:\r\n" + nev + "\r\n\r\n" +
           "Nevezze át és/vagy zárja be az állományt.";
}

bool AllomanyHozzaferheto(const std::string& nev, std::string& uzenet)
{
    std::error_code ec;
    if (!std::filesystem::exists(nev, ec)) return true;
    std::FILE* f = std::fopen(nev.c_str(), "r+b");
    if (f && std::fclose(f) == 0) return true;
    uzenet = FoglaltAllomanySzoveg(nev);
    return false;
}

}  // namespace kvx
