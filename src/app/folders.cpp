#include "app/folders.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace kvx {

namespace fs = std::filesystem;

namespace {

bool letrehoz(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

bool uresKonyvtar(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec) && fs::is_empty(p, ec) && !ec;
}

// Copies a folder across file systems: into a temporary folder beside the
// target first, renamed into place only when every file arrived.
bool atmasolas(const fs::path& forras, const fs::path& cel)
{
    std::error_code ec;
    fs::path ideiglenes = cel;
    ideiglenes += ".tmp" + std::to_string(::getpid());
    fs::remove_all(ideiglenes, ec);
    ec.clear();
    fs::copy(forras, ideiglenes, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
    if (!ec)
        fs::rename(ideiglenes, cel, ec);
    if (ec) {
        std::error_code ec2;
        fs::remove_all(ideiglenes, ec2);
        return false;
    }
    fs::remove_all(forras, ec);
    return !ec;
}

}  // namespace

const std::array<RegiAllomany, 6> RegiAllomanyNevek = {{
    {"teszt", "tip"},
    {"back", "tip"},
    {"back", "top"},
    {"bontlist", "rtf"},
    {"huzlist", "rtf"},
    {"infolist", "rtf"},
}};

std::string RegiAllomanyNev(const std::string& alap, const std::string& kiterjesztes, int a, int b)
{
    std::string A;
    if (a == 0)
        A = b > 0 ? "0" : "";
    else
        A = std::to_string(a - 1);
    const std::string B = b == 0 ? std::string() : std::to_string(b - 1);
    return alap + A + B + "." + kiterjesztes;
}

void RegiAllomanyokTorlese(const Folders& f)
{
    for (const RegiAllomany& r : RegiAllomanyNevek) {
        const bool lista = std::string(r.Kiterjesztes) == "rtf";
        for (int a = 0; a <= 13; ++a) {
            for (int b = 0; b <= 13; ++b) {
                const std::string nev = RegiAllomanyNev(r.Alap, r.Kiterjesztes, a, b);
                const fs::path regi = fs::path(f.ProgramKonyvtar) / nev;
                std::error_code ec;
                if (!fs::is_regular_file(regi, ec))
                    continue;
                if (lista) {
                    // The list goes only once it is safely in the list folder.
                    const fs::path uj = fs::path(f.ListKonyvtar) / nev;
                    if (fs::exists(uj, ec) || !fs::copy_file(regi, uj, fs::copy_options::none, ec) || ec)
                        continue;
                }
                fs::remove(regi, ec);
            }
        }
    }
}

bool KonyvtarAthelyezese(const std::string& forras, const std::string& cel)
{
    const auto utvonal = [](const std::string& s) {
        fs::path p(s);
        // "dir/" names the folder itself.
        return p.has_filename() ? p : p.parent_path();
    };
    const fs::path honnan = utvonal(forras);
    const fs::path hova = utvonal(cel);
    std::error_code ec;
    if (!fs::is_directory(honnan, ec))
        return false;
    if (fs::exists(fs::symlink_status(hova, ec))) {
        // An empty folder (made for the current game at start) holds nothing
        // to lose; anything else stays as it is.
        if (!uresKonyvtar(hova) || fs::is_symlink(hova, ec) || !fs::remove(hova, ec))
            return false;
    }
    fs::create_directories(hova.parent_path(), ec);
    fs::rename(honnan, hova, ec);
    if (!ec)
        return true;
    if (ec == std::errc::cross_device_link)
        return atmasolas(honnan, hova);
    return false;
}

std::string AthelyezesHibaUzenet(const Folders& f, int jatek)
{
    return f.ProgramKonyvtar + JatekMappa[static_cast<std::size_t>(jatek)] + " könyvtár áthelyezése sikertelen.";
}

AthelyezesEredmeny MentettKonyvtarakAthelyezese(Folders& f, bool elsoInditas)
{
    AthelyezesEredmeny e;
    std::error_code ec;
    bool regiMaradt = false;
    for (int g = 0; g < kJatekokSzama && !regiMaradt; ++g)
        regiMaradt = fs::is_directory(fs::path(f.ProgramKonyvtar) / JatekMappa[static_cast<std::size_t>(g)], ec);
    // A game folder left in the program folder is moved even when the new
    // layout exists already (start-up makes the current game's folder).
    if (!elsoInditas && !regiMaradt && fs::is_directory(f.LottoKonyvtar, ec) &&
        fs::is_directory(f.LottoKonyvtar + "Otos", ec))
        return e;
    e.Lefutott = true;
    letrehoz(f.LottoKonyvtar);
    for (int g = 0; g < kJatekokSzama; ++g) {
        UtolsoKonyvtarakAlap(f, g);
        const std::string mappa = JatekMappa[static_cast<std::size_t>(g)];
        const fs::path regi = fs::path(f.ProgramKonyvtar) / mappa;
        if (!fs::is_directory(regi, ec))
            continue;
        if (!KonyvtarAthelyezese(regi.string(), f.LottoKonyvtar + mappa))
            e.Hibak.push_back(AthelyezesHibaUzenet(f, g));
    }
    return e;
}

Folders::Folders()
{
    for (int i = 0; i < kJatekokSzama; ++i)
        AktualisAdatbazis[static_cast<std::size_t>(i)] = AdatbazisAllomany[static_cast<std::size_t>(i)];
}

void KonyvtarakBeallitasa(Folders& f, const std::string& programAllomany)
{
    const fs::path exe(programAllomany);
    std::string dir = exe.parent_path().generic_string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    f.ProgramKonyvtar = dir;
    f.LottoKonyvtar = dir + "Lotto/";
    f.DatKonyvtar = dir + "Dat/";
    f.PrivateKonyvtar = f.DatKonyvtar + "Private/";
    f.BackKonyvtar = dir + "Back/";
    f.ListKonyvtar = dir + "List/";
    f.CacheKonyvtar = f.DatKonyvtar + "Cache/";
    fs::path ini = exe;
    ini.replace_extension(".ini");
    f.IniAllomany = ini.generic_string();
}

void UtolsoKonyvtarakAlap(Folders& f, int jatek)
{
    if (jatek < 0 || jatek >= kJatekokSzama)
        return;
    const auto g = static_cast<std::size_t>(jatek);
    const std::string mappa = JatekMappa[g];
    f.UtolsoKonyvtarak[kSzamsorMegnyitas][g] = f.LottoKonyvtar + mappa;
    f.UtolsoKonyvtarak[kSzamsorMentes][g] = f.LottoKonyvtar + mappa;
    f.UtolsoKonyvtarak[kPrivateMegnyitas][g] = f.PrivateKonyvtar + mappa;
    f.UtolsoKonyvtarak[kPrivateMentes][g] = f.PrivateKonyvtar + mappa;
}

void UtolsoKonyvtarakAlap(Folders& f)
{
    for (int g = 0; g < kJatekokSzama; ++g)
        UtolsoKonyvtarakAlap(f, g);
}

std::string AlapKonyvtar(const Folders& f, int fajta, int jatek)
{
    const std::string mappa = jatek >= 0 && jatek < kJatekokSzama ? JatekMappa[static_cast<std::size_t>(jatek)] : "";
    return (fajta <= kSzamsorMentes ? f.LottoKonyvtar : f.PrivateKonyvtar) + mappa;
}

std::string KezdoKonyvtar(const Folders& f, int fajta, int jatek)
{
    if (jatek >= 0 && jatek < kJatekokSzama) {
        const std::string& u = f.UtolsoKonyvtarak[static_cast<std::size_t>(fajta)][static_cast<std::size_t>(jatek)];
        if (!u.empty()) return u;
    }
    return AlapKonyvtar(f, fajta, jatek);
}

void UtolsoKonyvtarFrissites(Folders& f, int fajta, int jatek, bool elfogadva, const std::string& nev)
{
    if (jatek < 0 || jatek >= kJatekokSzama) return;
    std::string& u = f.UtolsoKonyvtarak[static_cast<std::size_t>(fajta)][static_cast<std::size_t>(jatek)];
    u = elfogadva ? AllomanyKonyvtara(nev, KezdoKonyvtar(f, fajta, jatek)) : AlapKonyvtar(f, fajta, jatek);
}

std::string AllomanyKonyvtara(const std::string& nev, const std::string& kezdoKonyvtar)
{
    if (nev.empty()) return kezdoKonyvtar;
    const std::size_t p = nev.find_last_of("/\\");
    if (p == std::string::npos) return nev;
    return nev.substr(0, p);
}

bool KonyvtarakLetrehozasa(const Folders& f)
{
    bool ok = true;
    for (const std::string* p : {&f.DatKonyvtar, &f.PrivateKonyvtar, &f.CacheKonyvtar, &f.BackKonyvtar, &f.ListKonyvtar})
        ok = letrehoz(*p) && ok;
    return ok;
}

void JatekKonyvtarakBeallitasa(Folders& f, int lottoIndex)
{
    if (lottoIndex >= 0 && lottoIndex < kJatekokSzama)
        letrehoz(f.LottoKonyvtar + JatekMappa[static_cast<std::size_t>(lottoIndex)]);
    for (int i = 0; i < kJatekokSzama; ++i) {
        const auto g = static_cast<std::size_t>(i);
        f.AktualisAdatbazis[g] = f.DatKonyvtar + AdatbazisAllomany[g];
        letrehoz(f.PrivateKonyvtar + JatekMappa[g]);
    }
}

}  // namespace kvx
