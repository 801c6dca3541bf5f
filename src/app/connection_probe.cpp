#include "app/connection_probe.h"

#include <cctype>

#include "app/operator_download.h"
#include "common/text_codec.h"

namespace kvx {

namespace {

std::string kisbetus(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// "scheme://host[:port]" of a web address, in lower case; empty otherwise.
std::string webGazda(const std::string& cim)
{
    const std::string g = kisbetus(CimGazda(cim));
    const bool web = g.rfind("http://", 0) == 0 || g.rfind("https://", 0) == 0;
    return web && g.size() > g.find("://") + 3 ? g : std::string();
}

}  // namespace

ProbaCel CimProbaja(const std::string& cim, const GyartoCimek& gyarto)
{
    ProbaCel p;
    const std::string gazda = webGazda(cim);
    if (gazda.empty())
        return p;
    if (gazda == webGazda(gyarto.Honlap)) {
        p.Cim = gyarto.ProbaCim;
        p.Gyarto = true;
    } else {
        p.Cim = CimGazda(cim) + "/";
    }
    return p;
}

std::string MuveletCime(int kind, const TOnlineEleresek& t, int g, int ev, const GyartoCimek& gyarto)
{
    if (g < 0 || g >= kJatekokSzama)
        return {};
    const auto i = static_cast<std::size_t>(g);
    switch (kind) {
    case 0: return cp1250ToUtf8(t.TarsasagHonlap[i]);
    case 9: return NaprakeszLetoltesTerv(t, g, ev).Cim;
    case 10: return cp1250ToUtf8(t.KeziFogadas[i]);
    case 11: return cp1250ToUtf8(t.Feltoltes1[i]);
    case 14: return cp1250ToUtf8(t.RekordNyeremenyek);
    case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 13: return gyarto.Honlap;
    default: return {};
    }
}

}  // namespace kvx
