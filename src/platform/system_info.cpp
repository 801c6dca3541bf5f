#include "platform/system_info.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

namespace kvx::platform {

namespace {

// The value of one "Key:   123 kB" line; nullopt when it is not a kB count.
std::optional<std::uint64_t> kbErtek(std::string_view sor)
{
    while (!sor.empty() && (sor.front() == ' ' || sor.front() == '\t')) sor.remove_prefix(1);
    std::uint64_t kb = 0;
    auto [p, ec] = std::from_chars(sor.data(), sor.data() + sor.size(), kb);
    if (ec != std::errc() || p == sor.data()) return std::nullopt;
    std::string_view egyseg(p, static_cast<std::size_t>(sor.data() + sor.size() - p));
    while (!egyseg.empty() && egyseg.front() == ' ') egyseg.remove_prefix(1);
    if (egyseg != "kB" || kb > UINT64_MAX / 1024) return std::nullopt;
    return kb * 1024;
}

}  // namespace

std::optional<std::uint64_t> memAvailableBol(std::string_view meminfo)
{
    constexpr std::string_view kKulcs = "MemAvailable:";
    constexpr std::string_view kSzabad = "MemFree:";
    // Kernels older than 3.14 have no MemAvailable; MemFree stands in there.
    std::optional<std::uint64_t> szabad;
    std::size_t poz = 0;
    while (poz < meminfo.size()) {
        std::size_t veg = meminfo.find('\n', poz);
        if (veg == std::string_view::npos) veg = meminfo.size();
        std::string_view sor = meminfo.substr(poz, veg - poz);
        poz = veg + 1;
        if (sor.substr(0, kKulcs.size()) == kKulcs) return kbErtek(sor.substr(kKulcs.size()));
        if (sor.substr(0, kSzabad.size()) == kSzabad) szabad = kbErtek(sor.substr(kSzabad.size()));
    }
    return szabad;
}

std::optional<std::uint64_t> SzabadMemoria()
{
    std::ifstream f("/proc/meminfo");
    if (!f) return std::nullopt;
    std::stringstream ss;
    ss << f.rdbuf();
    return memAvailableBol(ss.str());
}

std::optional<std::uint64_t> SzabadLemezterulet(const std::filesystem::path& utvonal)
{
    std::error_code ec;
    const auto info = std::filesystem::space(utvonal, ec);
    if (ec) return std::nullopt;
    return info.available;
}

}  // namespace kvx::platform
