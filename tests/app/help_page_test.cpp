// The help page against the program: every help topic the code defines
// (a kSugo... number, opened by a command or by "Mi ez?") has its section on
// the page, and every "Súgó: Tartalom - ..." text the program shows leads
// from the page's contents through its section titles to a section of its
// own. The texts are found in the sources themselves, so a new tip that
// sends the user to a missing section fails here.
#include "app/settings_dialog.h"
#include "app/shell_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kvx {
namespace {

namespace fs = std::filesystem;

const fs::path kForras = (fs::path(KAVAREX_FIXTURES) / ".." / ".." / "src").lexically_normal();
const fs::path kOldal = (fs::path(KAVAREX_FIXTURES) / ".." / ".." / "data" / "Help" / "kavarex.html").lexically_normal();

std::string olvas(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::string vagas(std::string s)
{
    const auto eleje = s.find_first_not_of(" \t\r\n");
    if (eleje == std::string::npos) return {};
    return s.substr(eleje, s.find_last_not_of(" \t\r\n") - eleje + 1);
}

// Text of a piece of HTML: tags dropped, the entities the page uses decoded,
// runs of white space made one blank.
std::string szoveg(const std::string& html)
{
    std::string s = std::regex_replace(html, std::regex("<[^>]*>"), "");
    for (const auto& [e, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
        for (std::size_t p; (p = s.find(e)) != std::string::npos;) s.replace(p, std::string(e).size(), c);
    return vagas(std::regex_replace(s, std::regex("\\s+"), " "));
}

// One heading of the page and the text up to the next heading.
struct Fejezet {
    int Szint = 0;
    std::string Id, Cim, Szoveg;
    int Szulo = -1;  // the heading it stands under
};

struct Oldal {
    std::vector<Fejezet> Fejezetek;
    std::set<std::string> Linkek;  // the targets of the page's own links

    const Fejezet* id(const std::string& i) const
    {
        for (const Fejezet& f : Fejezetek)
            if (f.Id == i) return &f;
        return nullptr;
    }
};

Oldal oldal(const std::string& html)
{
    Oldal o;
    const std::regex fejlec("<h([1-4])([^>]*)>([\\s\\S]*?)</h\\1>");
    const std::regex azonosito("id=\"([^\"]+)\"");
    std::vector<std::pair<std::size_t, std::size_t>> helyek;  // start and end of every heading
    for (auto it = std::sregex_iterator(html.begin(), html.end(), fejlec); it != std::sregex_iterator(); ++it) {
        Fejezet f;
        f.Szint = std::stoi((*it)[1].str());
        std::smatch m;
        const std::string attr = (*it)[2].str();
        if (std::regex_search(attr, m, azonosito)) f.Id = m[1].str();
        f.Cim = szoveg((*it)[3].str());
        for (int i = static_cast<int>(o.Fejezetek.size()) - 1; i >= 0; --i)
            if (o.Fejezetek[static_cast<std::size_t>(i)].Szint < f.Szint) {
                f.Szulo = i;
                break;
            }
        helyek.emplace_back(static_cast<std::size_t>(it->position()),
                            static_cast<std::size_t>(it->position() + it->length()));
        o.Fejezetek.push_back(f);
    }
    for (std::size_t i = 0; i < o.Fejezetek.size(); ++i) {
        const std::size_t vege = i + 1 < helyek.size() ? helyek[i + 1].first : html.size();
        o.Fejezetek[i].Szoveg = szoveg(html.substr(helyek[i].second, vege - helyek[i].second));
    }
    const std::regex link("href=\"#([^\"]+)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator(); ++it)
        o.Linkek.insert((*it)[1].str());
    return o;
}

// The string literals of a C++ source, adjacent literals joined, escapes
// decoded; comments and character literals are passed over.
std::vector<std::string> szovegek(const std::string& s)
{
    std::vector<std::string> ki;
    std::string lanc;
    bool lancban = false;
    std::size_t i = 0;
    const auto lezar = [&] {
        if (lancban) ki.push_back(lanc);
        lanc.clear();
        lancban = false;
    };
    while (i < s.size()) {
        const char c = s[i];
        if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
            i = s.find('\n', i);
            if (i == std::string::npos) break;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            i = s.find("*/", i + 2);
            if (i == std::string::npos) break;
            i += 2;
        } else if (c == '\'') {
            for (++i; i < s.size() && s[i] != '\''; ++i)
                if (s[i] == '\\') ++i;
            ++i;
            lezar();
        } else if (c == '"') {
            for (++i; i < s.size() && s[i] != '"'; ++i) {
                if (s[i] != '\\') {
                    lanc += s[i];
                    continue;
                }
                const char e = s[++i];
                lanc += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
            }
            ++i;
            lancban = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else {
            lezar();
            ++i;
        }
    }
    lezar();
    return ki;
}

// The contents path of every "Súgó: Tartalom - ..." in a text: up to the end
// of its line.
std::vector<std::string> utvonalak(const std::string& s)
{
    static const std::string kJel = "Súgó: Tartalom - ";
    std::vector<std::string> ki;
    for (std::size_t p = s.find(kJel); p != std::string::npos; p = s.find(kJel, p + 1)) {
        const std::size_t eleje = p + kJel.size();
        ki.push_back(vagas(s.substr(eleje, s.find_first_of("\r\n", eleje) - eleje)));
    }
    return ki;
}

// Follows a contents path through the section titles: each part is the
// title of a section under the one before, starting below the page title;
// the last part may go on after its title ("Adatbevitel szakasz
// tartalmát."). The section reached, or an empty text saying where it broke.
std::string kovet(const Oldal& o, const std::string& ut, const Fejezet*& cel)
{
    std::vector<std::string> reszek;
    for (std::size_t p = 0;;) {
        const std::size_t q = ut.find(" - ", p);
        reszek.push_back(vagas(ut.substr(p, q == std::string::npos ? std::string::npos : q - p)));
        if (q == std::string::npos) break;
        p = q + 3;
    }
    int szulo = 0;  // the page title
    cel = nullptr;
    for (std::size_t r = 0; r < reszek.size(); ++r) {
        const bool utolso = r + 1 == reszek.size();
        int talalt = -1;
        for (std::size_t i = 0; i < o.Fejezetek.size() && talalt < 0; ++i) {
            const Fejezet& f = o.Fejezetek[i];
            if (f.Szulo != szulo) continue;
            if (f.Cim == reszek[r] || (utolso && reszek[r].rfind(f.Cim + " ", 0) == 0)) talalt = static_cast<int>(i);
        }
        if (talalt < 0) return "no section \"" + reszek[r] + "\" under \"" + o.Fejezetek[static_cast<std::size_t>(szulo)].Cim + "\"";
        szulo = talalt;
    }
    cel = &o.Fejezetek[static_cast<std::size_t>(szulo)];
    return {};
}

// A section worth opening: a title and some sentences of its own.
void tartalmas(const Fejezet& f, const std::string& mi)
{
    EXPECT_FALSE(f.Cim.empty()) << mi;
    EXPECT_GE(f.Szoveg.size(), 80u) << mi << ": " << f.Cim << " has only \"" << f.Szoveg << "\"";
}

class SugoOldal : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string html = olvas(kOldal);
        ASSERT_FALSE(html.empty()) << kOldal;
        o = oldal(html);
        ASSERT_FALSE(o.Fejezetek.empty());
        ASSERT_EQ(o.Fejezetek[0].Szint, 1);
        for (const auto& e : fs::recursive_directory_iterator(kForras)) {
            const std::string ext = e.path().extension().string();
            if (e.is_regular_file() && (ext == ".cpp" || ext == ".h")) forrasok[e.path().string()] = olvas(e.path());
        }
        ASSERT_FALSE(forrasok.empty()) << kForras;
    }

    Oldal o;
    std::map<std::string, std::string> forrasok;
};

TEST_F(SugoOldal, EveryTopicNumberOfTheCodeHasItsSection)
{
    // kSugo... = number, wherever it is defined.
    const std::regex allando("\\bkSugo(\\w+)\\s*=\\s*(\\d+)\\s*;");
    std::map<std::string, int> temak;
    for (const auto& [ut, s] : forrasok)
        for (auto it = std::sregex_iterator(s.begin(), s.end(), allando); it != std::sregex_iterator(); ++it)
            temak[(*it)[1].str()] = std::stoi((*it)[2].str());
    // The walk sees the constants the windows use.
    EXPECT_EQ(temak["Temakorok"], kSugoTemakorok);
    EXPECT_EQ(temak["SzelvenyInfo"], kSugoSzelvenyInfo);
    EXPECT_EQ(temak["StatZoom"], kSugoStatZoom);
    EXPECT_EQ(temak["StatAlapSzelesseg"], kSugoStatAlapSzelesseg);
    for (const auto& [nev, szam] : temak) {
        if (nev == "TippIndex") continue;  // a tip's flag, not a topic
        SCOPED_TRACE("kSugo" + nev);
        const Fejezet* f = o.id(std::string("k").append(std::to_string(szam)));
        if (!f) {
            ADD_FAILURE() << "no section with id k" << szam;
            continue;
        }
        tartalmas(*f, "kSugo" + nev);
    }
    // No topic is given as a bare number.
    const std::regex szammal("KontextusBeallitas\\([^;]*,\\s*\\d+\\s*\\)");
    for (const auto& [ut, s] : forrasok) EXPECT_FALSE(std::regex_search(s, szammal)) << ut;
}

TEST_F(SugoOldal, EveryContentsPathTheProgramShowsLeadsToItsSection)
{
    std::map<std::string, std::string> utak;  // path -> where it was found
    for (const auto& [ut, s] : forrasok)
        for (const std::string& t : szovegek(s))
            for (const std::string& u : utvonalak(t)) utak.emplace(u, ut);
    // The texts as the program builds them are among those found.
    for (const std::string& t : {SugoTipp(kMeretvaltasCimke), std::string(kAdatbevitelTipp), std::string(kFixSzamTipp),
                                 KonyvtarStrukturaSzoveg("/p/", 0)}) {
        const std::vector<std::string> u = utvonalak(t);
        ASSERT_EQ(u.size(), 1u) << t;
        EXPECT_TRUE(utak.count(u[0])) << u[0];
    }
    for (const auto& [ut, hol] : utak) {
        SCOPED_TRACE(ut + " (" + hol + ")");
        const Fejezet* f = nullptr;
        const std::string hiba = kovet(o, ut, f);
        if (!f) {
            ADD_FAILURE() << hiba;
            continue;
        }
        tartalmas(*f, ut);
        // The first part is an entry of the page's contents.
        const Fejezet* fo = f;
        while (fo->Szulo > 0) fo = &o.Fejezetek[static_cast<std::size_t>(fo->Szulo)];
        EXPECT_FALSE(fo->Id.empty());
        EXPECT_TRUE(o.Linkek.count(fo->Id)) << fo->Cim << " is not in the contents";
    }
}

TEST_F(SugoOldal, AnchorsAreUniqueAndEveryLinkLands)
{
    std::set<std::string> idk;
    for (const Fejezet& f : o.Fejezetek) {
        if (f.Id.empty()) continue;
        EXPECT_TRUE(std::regex_match(f.Id, std::regex("k\\d+"))) << f.Id;
        EXPECT_TRUE(idk.insert(f.Id).second) << "twice: " << f.Id;
    }
    for (const std::string& l : o.Linkek) EXPECT_TRUE(idk.count(l)) << "#" << l;
}

}  // namespace
}  // namespace kvx
