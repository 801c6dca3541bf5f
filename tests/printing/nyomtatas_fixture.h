#pragma once
// Helpers of the printing tests: a game, a draws table made by the test, a
// temporary folder, and an RTF file read back through a real RTF reader
// (unrtf), so what a word processor gets is what is checked.
#include "app/game_table.h"
#include "draws/draws_table.h"
#include "printing/print_pages.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace kvx {
// How a failed comparison shows a line.
inline void PrintTo(const NyomtSor& s, std::ostream* os)
{
    *os << (s.Vastag ? "[b]\"" : "\"") << s.Szoveg << "\"";
}
}  // namespace kvx

namespace kvx::testing {

inline GameParams NyJatek(int index) { return kvx::JatekParameterei(index); }

// n draws numbered 1..n, year 2000 + i / 52, week i % 52 + 1, numbers
// 1.. in order shifted by the draw (so each draw is told apart by its
// number and the numbers stay in range).
inline DrawsState Huzasok(const GameParams& g, std::int32_t n)
{
    DrawsState d;
    SetHuzasok(d, n, g.HuzottSzamok + 3);
    for (std::int32_t i = 0; i < n; ++i) {
        TTombInt1D& s = d.Huzasok[static_cast<std::size_t>(i)];
        s[0] = i + 1;
        s[1] = 2000 + i / 52;
        s[2] = i % 52 + 1;
        for (std::int32_t c = 3; c < g.HuzottSzamok + 3; ++c)
            s[static_cast<std::size_t>(c)] = (c - 3 + i) % g.FoSzamKeszlet + 1;
    }
    return d;
}

class NyTempDir {
public:
    NyTempDir()
    {
        path_ = std::filesystem::temp_directory_path() /
                ("kvx_nyomt_" + std::to_string(::getpid()) + "_" + std::to_string(counter()++));
        std::filesystem::create_directories(path_);
    }
    ~NyTempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    static int& counter()
    {
        static int c = 0;
        return c;
    }
    std::filesystem::path path_;
};

inline std::string Futtatas(const std::string& parancs)
{
    std::string ki;
    if (FILE* p = ::popen(parancs.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            ki.append(buf, n);
        ::pclose(p);
    }
    return ki;
}

inline void UTF8(std::string& s, unsigned cp)
{
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Runs of blanks as one: the reader collapses them.
inline std::string Tomor(const std::string& s)
{
    std::string t;
    for (char c : s)
        if (!(c == ' ' && !t.empty() && t.back() == ' '))
            t += c;
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    while (!t.empty() && t.front() == ' ')
        t.erase(t.begin());
    return t;
}

// The lines of an RTF file as the reader gives them: text with entities
// decoded and runs of blanks collapsed, bold where the reader made it bold,
// and a page break as a line of its own holding a form feed.
inline std::vector<NyomtSor> RtfOlvasas(const std::string& allomany)
{
    const std::string html = Futtatas("unrtf --html '" + allomany + "' 2>/dev/null");
    std::vector<NyomtSor> sorok;
    const std::size_t body = html.find("<body>");
    if (body == std::string::npos)
        return sorok;
    static const std::map<std::string, unsigned> nevek = {
        {"amp", '&'},     {"lt", '<'},      {"gt", '>'},      {"quot", '"'},    {"nbsp", ' '},   {"mdash", 0x2014},
        {"ndash", 0x2013}, {"aacute", 0xE1}, {"eacute", 0xE9}, {"iacute", 0xED}, {"oacute", 0xF3}, {"ouml", 0xF6},
        {"uacute", 0xFA}, {"uuml", 0xFC},   {"Aacute", 0xC1}, {"Eacute", 0xC9}, {"Iacute", 0xCD}, {"Oacute", 0xD3},
        {"Ouml", 0xD6},   {"Uacute", 0xDA}, {"Uuml", 0xDC}};
    NyomtSor akt;
    bool vastag = false;
    const auto lezar = [&] {
        akt.Szoveg = Tomor(akt.Szoveg);
        sorok.push_back(akt);
        akt = {};
    };
    for (std::size_t i = body + 6; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t veg = html.find('>', i);
            const std::string tag = html.substr(i + 1, veg - i - 1);
            i = veg + 1;
            if (tag == "b")
                vastag = true;
            else if (tag == "/b")
                vastag = false;
            else if (tag == "br")
                lezar();
            else if (tag == "hr")
                sorok.push_back({"\f", false});
            else if (tag == "/body")
                break;
            continue;
        }
        if (c == '&') {
            const std::size_t veg = html.find(';', i);
            const std::string e = html.substr(i + 1, veg - i - 1);
            if (!e.empty() && e[0] == '#')
                UTF8(akt.Szoveg, static_cast<unsigned>(std::stoul(e.substr(1))));
            else if (nevek.count(e))
                UTF8(akt.Szoveg, nevek.at(e));
            else
                akt.Szoveg += "&" + e + ";";
            akt.Vastag = akt.Vastag || vastag;
            i = veg + 1;
            continue;
        }
        if (c != '\n' && c != '\r') {
            akt.Szoveg += c;
            if (c != ' ')
                akt.Vastag = akt.Vastag || vastag;
        }
        ++i;
    }
    if (!Tomor(akt.Szoveg).empty())
        lezar();
    return sorok;
}

// The buffer as the reader would give it back.
inline std::vector<NyomtSor> Tomoritve(const std::vector<NyomtSor>& puffer)
{
    std::vector<NyomtSor> v;
    for (const NyomtSor& s : puffer)
        v.push_back({s.Szoveg == kLapdobasSor ? s.Szoveg : Tomor(s.Szoveg), s.Vastag && !Tomor(s.Szoveg).empty()});
    return v;
}

}  // namespace kvx::testing
