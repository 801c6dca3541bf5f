#include "common/date_helpers.h"

#include "common/numbering.h"
#include "common/random_source.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>

#include "common/delphi_format.h"

namespace kvx {

namespace {

constexpr std::array<std::string_view, 12> kHonapok = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kOlaszHonapok = {"Gennaio", "Febbraio", "Marzo",     "Aprile",
                                                            "Maggio",  "Giugno",   "Luglio",    "Agosto",
                                                            "Settembre", "Ottobre", "Novembre", "Dicembre"};

// Game whose result files name the months in Italian.
constexpr std::int32_t kOlaszJatek = 26;

}  // namespace

std::int32_t IsoHet(std::chrono::year_month_day date)
{
    using namespace std::chrono;
    if (!date.ok())
        return 0;
    const sys_days day{date};
    // The week belongs to the year of its Thursday.
    const unsigned isoWeekday = weekday{day}.iso_encoding();  // Monday 1 .. Sunday 7
    const sys_days thursday = day + days{4 - static_cast<int>(isoWeekday)};
    const sys_days firstOfYear{year_month_day{thursday}.year() / January / 1};
    return static_cast<std::int32_t>((thursday - firstOfYear).count() / 7 + 1);
}

std::int32_t IsoHet(std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return IsoHet(std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                              std::chrono::day{static_cast<unsigned>(day)}});
}

std::int32_t HonapSorszama(std::string_view text, std::int32_t lottoIndex)
{
    const auto& names = lottoIndex == kOlaszJatek ? kOlaszHonapok : kHonapok;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == text)
            return static_cast<std::int32_t>(i + 1);
    return -1;
}

bool VeletlenSzamsor(RandomState& rs, std::span<std::uint8_t> line, std::int32_t n, std::int32_t k,
                     bool generatorFlag, std::int32_t e, std::int32_t b, std::int32_t c, bool vanPluszSzam)
{
    if (n < 0 || static_cast<std::size_t>(n) > line.size() || k < 0 || k > n || k > b || b > 255 || e < 0 || e > n)
        return false;
    if (vanPluszSzam && (c > 255 || n - k > c - b))
        return false;

    // A value in 0 .. range-1 from the chosen source.
    auto draw = [&](std::int32_t range) {
        return generatorFlag ? LibraryRandom(rs, range) : GetRandom(rs, 1, range) - 1;
    };
    auto taken = [&](std::int32_t upto, std::int32_t v) {
        for (std::int32_t i = 0; i < upto; ++i)
            if (line[static_cast<std::size_t>(i)] == v)
                return true;
        return false;
    };

    std::fill(line.begin(), line.begin() + n, std::uint8_t{255});
    for (std::int32_t i = 0; i < k; ++i) {
        std::int32_t v;
        do
            v = draw(b);
        while (taken(i, v));
        line[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
    }
    if (vanPluszSzam) {
        for (std::int32_t i = k; i < n; ++i) {
            std::int32_t v;
            do
                v = draw(c);
            while (v < b || taken(i, v));
            line[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
        }
    }
    const auto head = line.first(static_cast<std::size_t>(n));
    TombRendezesNullara(head, 0, n - e);
    if (e > 1)
        TombRendezesNullara(head, n - e, n);
    return true;
}

TalaranyHatarok TalaranyHuzSzamaElsoUtolso(std::span<TalalatiTartomany, 10> ranges, std::int32_t lastRow,
                                           std::int32_t rangesInUse, bool report)
{
    TalaranyHatarok result;
    bool changed = false;
    for (TalalatiTartomany& r : ranges) {
        if (r.Utolso > lastRow) {
            r.Utolso = lastRow;
            changed = true;
        }
        if (r.Elso > r.Utolso) {
            r.Elso = std::max(r.Utolso - 1, 1);
            changed = true;
        }
    }
    result.Valtozott = report && changed;
    const std::int32_t used = std::clamp(rangesInUse, 0, 10);
    for (std::int32_t i = 0; i < used; ++i) {
        result.LegnagyobbUtolso = std::max(result.LegnagyobbUtolso, ranges[static_cast<std::size_t>(i)].Utolso);
        result.LegkisebbElso = std::min(result.LegkisebbElso, ranges[static_cast<std::size_t>(i)].Elso);
    }
    return result;
}

double MaiDatum()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const std::time_t most = std::time(nullptr);
    std::tm helyi{};
    localtime_r(&most, &helyi);
    return 25569.0 + (static_cast<double>(ms) + static_cast<double>(helyi.tm_gmtoff) * 1000.0) / 86400000.0;
}

std::string RovidDatum(double nap)
{
    using namespace std::chrono;
    const sys_days d = sys_days{year{1899} / December / 30} + days{static_cast<int>(std::floor(nap))};
    const year_month_day ymd{d};
    return Format("%d. %2.2d. %2.2d.", {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                                        static_cast<int>(static_cast<unsigned>(ymd.day()))});
}

}  // namespace kvx
