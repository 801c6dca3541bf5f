#include "app/folders.h"

#include <filesystem>
#include <system_error>

namespace kvx {

namespace fs = std::filesystem;

namespace {

bool letrehoz(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

}  // namespace

Folders::Folders()
{
    for (int i = 0; i < kJatekokSzama; ++i)
        AktualisAdatbazis[static_cast<std::size_t>(i)] = AdatbazisAllomany[static_cast<std::size_t>(i)];
}

Folders& folders()
{
    static Folders f;
    return f;
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
