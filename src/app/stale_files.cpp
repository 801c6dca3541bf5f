#include "app/stale_files.h"

#include "app/backups.h"
#include "app/game_table.h"
#include "common/binary_io.h"

#include <cerrno>
#include <filesystem>
#include <signal.h>
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
    case AtmenetiHely::Program:
        return false;
    }
    return false;
}

std::vector<std::string> ElhagyottAtmenetiAllomanyokTorlese(const Folders& f, const std::function<bool(long)>& el)
{
    const std::string iniNev = fs::path(f.IniAllomany).filename().string();
    const std::pair<const std::string*, AtmenetiHely> helyek[] = {
        {&f.DatKonyvtar, AtmenetiHely::Dat},   {&f.CacheKonyvtar, AtmenetiHely::Cache},
        {&f.ListKonyvtar, AtmenetiHely::List}, {&f.BackKonyvtar, AtmenetiHely::Back},
        {&f.ProgramKonyvtar, AtmenetiHely::Program},
    };
    std::vector<std::string> torolt;
    for (const auto& [konyvtar, hely] : helyek) {
        if (konyvtar->empty())
            continue;
        std::error_code ec;
        fs::directory_iterator it(*konyvtar, ec);
        if (ec)
            continue;
        for (const fs::directory_entry& e : it) {
            // Files only (a link is removed itself, never what it points to).
            const fs::file_status st = e.symlink_status(ec);
            if (ec || !(fs::is_regular_file(st) || fs::is_symlink(st)))
                continue;
            const std::string nev = e.path().filename().string();
            if (!ElhagyottAtmenetiNev(nev, hely, iniNev, el))
                continue;
            if (fs::remove(e.path(), ec) && !ec)
                torolt.push_back(e.path().string());
        }
    }
    return torolt;
}

}  // namespace kvx
