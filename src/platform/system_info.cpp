#include "platform/system_info.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

namespace kvx::platform {

std::optional<std::uint64_t> memAvailableBol(std::string_view meminfo)
{
    constexpr std::string_view kKulcs = "MemAvailable:";
    std::size_t poz = 0;
    while (poz < meminfo.size()) {
        std::size_t veg = meminfo.find('\n', poz);
        if (veg == std::string_view::npos) veg = meminfo.size();
        std::string_view sor = meminfo.substr(poz, veg - poz);
        poz = veg + 1;
        if (sor.substr(0, kKulcs.size()) != kKulcs) continue;
        sor.remove_prefix(kKulcs.size());
        while (!sor.empty() && (sor.front() == ' ' || sor.front() == '\t')) sor.remove_prefix(1);
        std::uint64_t kb = 0;
        auto [p, ec] = std::from_chars(sor.data(), sor.data() + sor.size(), kb);
        if (ec != std::errc() || p == sor.data()) return std::nullopt;
        std::string_view egyseg(p, static_cast<std::size_t>(sor.data() + sor.size() - p));
        while (!egyseg.empty() && egyseg.front() == ' ') egyseg.remove_prefix(1);
        if (egyseg != "kB" || kb > UINT64_MAX / 1024) return std::nullopt;
        return kb * 1024;
    }
    return std::nullopt;
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
