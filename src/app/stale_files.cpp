#include "app/stale_files.h"

#include "app/backups.h"
#include "app/game_table.h"
#include "common/binary_io.h"

#include <cerrno>
#include <filesystem>
#include <signal.h>
#include <span>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace kvx {

namespace fs = std::filesystem;

namespace {

bool folyamatFut(long pid)
{
    if (pid <= 0 || pid == static_cast<long>(::getpid()))
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

bool ElhagyottAtmenetiNev(const std::string& nev, AtmenetiHely hely, const std::string& iniNev,
                          const std::function<bool(long)>& el)
{
    std::string cel;
    long pid = 0;
    if (AtomiIrasIdeiglenesNev(nev, &cel, &pid)) {
        if (hely == AtmenetiHely::Program && cel != iniNev)
            return false;
        // In the users' folders only the names of the files written there.
        if (hely == AtmenetiHely::Lotto || hely == AtmenetiHely::Private) {
            static constexpr std::string_view kLotto[] = {".tip", ".top", ".csv", ".txt", ".html", ".tmb"};
            static constexpr std::string_view kPrivate[] = {".pdb"};
            const std::span<const std::string_view> fajtak =
                hely == AtmenetiHely::Lotto ? std::span<const std::string_view>(kLotto) : kPrivate;
            const std::string_view c(cel);
            bool sajat = false;
            for (const std::string_view f : fajtak)
                sajat = sajat || (c.size() > f.size() && c.ends_with(f));
            if (!sajat)
                return false;
        }
        return !(el ? el(pid) : folyamatFut(pid));
    }
    const std::string_view n(nev);
    switch (hely) {
    case AtmenetiHely::Dat:
        // The operator update writes its result beside the database first.
        for (const char* adatbazis : AdatbazisAllomany)
            if (n == std::string(adatbazis) + ".naprakesz")
                return true;
        return false;
    case AtmenetiHely::Cache:
        // The ZIP unpack writes every member under its name + ".tmp" first.
        return n.size() > 4 && n.ends_with(".tmp");
    case AtmenetiHely::Back:
        return BackAtmenetiNev(nev);
    case AtmenetiHely::List:
    case AtmenetiHely::Lotto:
    case AtmenetiHely::Private:
    case AtmenetiHely::Program:
        return false;
    }
    return false;
}

std::vector<std::string> ElhagyottAtmenetiAllomanyokTorlese(const Folders& f, const std::function<bool(long)>& el)
{
    const std::string iniNev = fs::path(f.IniAllomany).filename().string();
    std::vector<std::pair<std::string, AtmenetiHely>> helyek = {
        {f.DatKonyvtar, AtmenetiHely::Dat},   {f.CacheKonyvtar, AtmenetiHely::Cache},
        {f.ListKonyvtar, AtmenetiHely::List}, {f.BackKonyvtar, AtmenetiHely::Back},
        {f.ProgramKonyvtar, AtmenetiHely::Program},
    };
    for (const char* mappa : JatekMappa) {
        if (!f.LottoKonyvtar.empty())
            helyek.emplace_back(f.LottoKonyvtar + mappa + "/", AtmenetiHely::Lotto);
        if (!f.PrivateKonyvtar.empty())
            helyek.emplace_back(f.PrivateKonyvtar + mappa + "/", AtmenetiHely::Private);
    }
    std::vector<std::string> torolt;
    for (const auto& [konyvtar, hely] : helyek) {
        if (konyvtar.empty())
            continue;
        std::error_code ec;
        fs::directory_iterator it(konyvtar, ec);
        if (ec)
            continue;
        // The names first: the folder changes while they are dealt with.
        std::vector<fs::path> jeloltek;
        for (const fs::directory_entry& e : it) {
            // Files only (a link is removed itself, never what it points to).
            const fs::file_status st = e.symlink_status(ec);
            if (ec || !(fs::is_regular_file(st) || fs::is_symlink(st)))
                continue;
            if (ElhagyottAtmenetiNev(e.path().filename().string(), hely, iniNev, el))
                jeloltek.push_back(e.path());
        }
        for (const fs::path& p : jeloltek) {
            if (hely == AtmenetiHely::Back && fs::is_regular_file(fs::symlink_status(p, ec)) &&
                BackMasodikNevRendezese(p.string()))
                continue;
            if (fs::remove(p, ec) && !ec)
                torolt.push_back(p.string());
        }
    }
    return torolt;
}

}  // namespace kvx
