#include "printing/print_pages.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "common/delphi_format.h"

namespace kvx {

namespace {

// Characters of a UTF-8 text.
std::int32_t Hossz(std::string_view s)
{
    std::int32_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

}  // namespace

const std::string& ElvalasztoVonal()
{
    static const std::string vonal = [] {
        std::string s;
        for (int i = 0; i < 90; ++i)
            s += "\xE2\x80\x94";  // em dash
        return s;
    }();
    return vonal;
}

void NyomtatasEgyseg::Hozzaad(std::string_view szoveg, bool vastag)
{
    std::string sor;
    for (std::size_t i = 0; i < szoveg.size(); ++i) {
        const char c = szoveg[i];
        if (c == '\r' || c == '\n') {
            ListaPuffer.push_back({sor, vastag});
            sor.clear();
            if (c == '\r' && i + 1 < szoveg.size() && szoveg[i + 1] == '\n')
                ++i;
            continue;
        }
        sor += c;
    }
    ListaPuffer.push_back({sor, vastag});
}

std::vector<std::string> NyomtatasEgyseg::Sorok() const
{
    std::vector<std::string> v;
    v.reserve(ListaPuffer.size());
    for (const NyomtSor& s : ListaPuffer)
        v.push_back(s.Szoveg);
    return v;
}

void OldalMeretek(NyomtatasEgyseg& n, bool allomanyba)
{
    n.OldalSorok = allomanyba ? kAllomanyOldalSorok : kPapirOldalSorok;
    n.OldalListaSorok = allomanyba ? kAllomanyOldalListaSorok : kPapirOldalListaSorok;
}

std::string BontListaCim(const std::string& bontasFejlec, std::int64_t bontSzelvszam, const std::string& jatekNev)
{
    std::string cim = bontasFejlec;
    if (bontSzelvszam > 0)
        cim += FormatThousands(bontSzelvszam) + " számsorra ";
    return cim + "- " + jatekNev;
}

std::string FejlecSor(const std::string& verzio, const std::string& datum, bool lapozas, std::int32_t oldal,
                      std::int32_t oldalak)
{
    std::string s = " Kavarex Personal " + verzio + Format("%30s", {"Készült: " + datum});
    if (lapozas) {
        const std::int32_t szel = std::max(0, 40 - Hossz(verzio));
        s += Format("%*s", {szel, std::to_string(oldal) + "/" + std::to_string(oldalak) + " oldal"});
    }
    return s;
}

void BontListaFejlec(NyomtatasEgyseg& n)
{
    if (!n.ListaPuffer.empty() && !n.NyomtLapozas)
        return;
    n.Hozzaad(n.Fejlec.Cim, true);
    n.Hozzaad(FejlecSor(n.Fejlec.Verzio, n.Fejlec.Datum, n.NyomtLapozas, n.NyomtOldal, n.NyomtOldalakSzama));
    n.Hozzaad(ElvalasztoVonal());
}

void UjOldal(NyomtatasEgyseg& n)
{
    ++n.NyomtOldal;
    n.NyomtSorokSzama = n.OldalListaSorok;
    if (n.NyomtLapozas)
        n.Hozzaad(kLapdobasSor);
    n.NyomtOldalKezdet = n.SorDb();
    BontListaFejlec(n);
}

bool OldalTores(NyomtatasEgyseg& n, std::int32_t k)
{
    if (k + (n.SorDb() - n.NyomtOldalKezdet) < n.OldalSorok)
        return true;
    UjOldal(n);
    return false;
}

std::vector<std::vector<NyomtSor>> LapokFelosztasa(const std::vector<NyomtSor>& puffer)
{
    std::vector<std::vector<NyomtSor>> lapok(1);
    for (const NyomtSor& s : puffer) {
        lapok.back().push_back(s);
        if (s.Szoveg.find('\f') != std::string::npos)
            lapok.emplace_back();
    }
    // A buffer that ends with a form feed leaves no empty last page behind.
    if (lapok.size() > 1 && lapok.back().empty())
        lapok.pop_back();
    return lapok;
}

LapTeglalap NyomtatasiTeglalap(double dpiX, double dpiY, std::int32_t eltolasX, std::int32_t eltolasY,
                               std::int32_t szelesseg, std::int32_t magassag, std::int32_t margoMm)
{
    LapTeglalap t;
    t.Bal = std::max<std::int32_t>(0, static_cast<std::int32_t>(std::lround(margoMm * dpiX / 25.4)) - eltolasX);
    t.Felso = std::max<std::int32_t>(0, static_cast<std::int32_t>(std::lround(margoMm * dpiY / 25.4)) - eltolasY);
    t.Jobb = szelesseg - t.Bal;
    t.Also = magassag - t.Felso;
    if (t.Bal >= t.Jobb || t.Felso >= t.Also)
        return LapTeglalap{};
    return t;
}


}  // namespace kvx
