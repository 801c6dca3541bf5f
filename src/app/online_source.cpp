#include "app/online_source.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/binary_io.h"

namespace kvx {
namespace {

std::vector<std::string_view> mezok(std::string_view sor)
{
    std::vector<std::string_view> m;
    std::size_t eleje = 0;
    for (;;) {
        const std::size_t tab = sor.find('\t', eleje);
        m.push_back(sor.substr(eleje, tab == std::string_view::npos ? std::string_view::npos : tab - eleje));
        if (tab == std::string_view::npos)
            return m;
        eleje = tab + 1;
    }
}

bool egesz(std::string_view s, std::int64_t min, std::int64_t max, std::int64_t& ki)
{
    if (s.empty())
        return false;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), ki);
    return ec == std::errc{} && p == s.data() + s.size() && ki >= min && ki <= max;
}

// "-" is the empty text; otherwise printable ASCII of at most 255 bytes.
bool szoveg(std::string_view s, std::string& ki)
{
    if (s == "-") {
        ki.clear();
        return true;
    }
    if (s.empty() || s.size() > 255)
        return false;
    for (const char c : s)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e)
            return false;
    ki.assign(s);
    return true;
}

}  // namespace

OnlineForras OnlineForrasOlvasas(std::string_view szoveg_)
{
    OnlineForras e;
    TOnlineEleresek t;
    std::array<bool, kJatekokSzama> megvan{};
    bool verzio = false, sorszam = false, rekord = false;
    int sorSzam = 0;
    auto hiba = [&](const std::string& mi) {
        e.Hiba = "line " + std::to_string(sorSzam) + ": " + mi;
        return e;
    };
    std::size_t eleje = 0;
    while (eleje < szoveg_.size()) {
        std::size_t veg = szoveg_.find('\n', eleje);
        if (veg == std::string_view::npos)
            veg = szoveg_.size();
        std::string_view sor = szoveg_.substr(eleje, veg - eleje);
        eleje = veg + 1;
        ++sorSzam;
        if (!sor.empty() && sor.back() == '\r')
            sor.remove_suffix(1);
        if (sor.empty() || sor.front() == '#')
            continue;
        const std::vector<std::string_view> m = mezok(sor);
        if (m[0] == "verzio") {
            if (m.size() != 2 || verzio)
                return hiba("one version a.b.c.d expected once");
            std::string_view v = m[1];
            for (int i = 0; i < 4; ++i) {
                const std::size_t pont = i < 3 ? v.find('.') : v.size();
                std::int64_t x = 0;
                if (pont == std::string_view::npos || !egesz(v.substr(0, pont), 0, 9, x))
                    return hiba("bad version");
                t.Verzio[i] = static_cast<std::int32_t>(x);
                v = pont < v.size() ? v.substr(pont + 1) : std::string_view{};
            }
            verzio = true;
        } else if (m[0] == "sorszam") {
            std::int64_t x = 0;
            if (m.size() != 2 || sorszam || !egesz(m[1], 0, INT32_MAX, x))
                return hiba("one serial 0.." + std::to_string(INT32_MAX) + " expected once");
            t.Sorszam = static_cast<std::int32_t>(x);
            sorszam = true;
        } else if (m[0] == "rekord") {
            if (m.size() != 2 || rekord || !szoveg(m[1], t.RekordNyeremenyek))
                return hiba("one record-prize address expected once");
            rekord = true;
        } else {
            std::int64_t g = 0;
            if (!egesz(m[0], 0, kJatekokSzama - 1, g))
                return hiba("unknown row");
            if (m.size() != 7)
                return hiba("a game row has 7 fields");
            if (megvan[g])
                return hiba("game " + std::to_string(g) + " appears twice");
            if (m[1] != JatekNev[g])
                return hiba("game " + std::to_string(g) + " is " + JatekNev[g] + ", not " + std::string(m[1]));
            if (!szoveg(m[2], t.TarsasagHonlap[g]) || !szoveg(m[3], t.EredmenyAllomany[g]) ||
                !szoveg(m[4], t.EredmenyCim[g]) || !szoveg(m[5], t.EredmenyArchivum[g]) ||
                !szoveg(m[6], t.KeziFogadas[g]))
                return hiba("a text is empty, too long or not printable ASCII (write - for empty)");
            megvan[g] = true;
        }
    }
    if (!verzio || !sorszam || !rekord)
        return hiba("the rows verzio, sorszam and rekord are all needed");
    for (int g = 0; g < kJatekokSzama; ++g)
        if (!megvan[g])
            return hiba("game " + std::to_string(g) + " has no row");
    // No game offers online sending: an upload number below 0 keeps it out
    // of any address built from the table.
    t.FeltoltesSzam.fill(-1);
    e.Tabla = std::move(t);
    return e;
}

AlapTelepites AlapOnlineTelepites(const std::string& alapUt, const std::string& celUt)
{
    std::error_code ec;
    if (std::filesystem::exists(celUt, ec) || ec)
        return AlapTelepites::MarVan;
    std::vector<std::uint8_t> adat;
    if (!readWholeFile(alapUt, adat) || !OnlineEleresekOlvasas(adat))
        return AlapTelepites::NincsAlap;
    return writeFileAtomic(celUt, std::span<const std::uint8_t>(adat)) ? AlapTelepites::Telepitve
                                                                       : AlapTelepites::Hiba;
}

}  // namespace kvx
