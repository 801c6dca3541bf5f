#include "variation/variation_export.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "common/binary_io.h"

namespace kvx {


namespace {

enum class Formatum { Csv, Txt, Html, Tmb, Nincs };

Formatum formatumKod(const std::string& f)
{
    if (f == "csv") return Formatum::Csv;
    if (f == "txt") return Formatum::Txt;
    if (f == "html") return Formatum::Html;
    if (f == "tmb") return Formatum::Tmb;
    return Formatum::Nincs;
}

// Decimal and two-wide ("%2s") texts of every byte value.
struct SzamSzovegek {
    std::array<std::string, 512> decimalis, ketjegyu;  // values -255 .. 255
    SzamSzovegek()
    {
        for (int v = -255; v <= 255; ++v) {
            std::string s = std::to_string(v);
            decimalis[static_cast<std::size_t>(v + 255)] = s;
            ketjegyu[static_cast<std::size_t>(v + 255)] = s.size() < 2 ? " " + s : s;
        }
    }
    const std::string& d(int v) const { return decimalis[static_cast<std::size_t>(std::clamp(v, -255, 255) + 255)]; }
    const std::string& k(int v) const { return ketjegyu[static_cast<std::size_t>(std::clamp(v, -255, 255) + 255)]; }
};

const SzamSzovegek& szamSzovegek()
{
    static const SzamSzovegek s;
    return s;
}

}  // namespace

std::string ExportSzoveg(const VariationStore& t, const SzamListak& l, const GameParams& g, const std::string& formatum,
                         const ExportFejlec& fejlec)
{
    const Formatum f = formatumKod(formatum);
    if (f == Formatum::Nincs)
        return {};
    const SzamSzovegek& sz = szamSzovegek();
    const std::string crlf = "\r\n";
    std::string ki;

    const int W = t.BontMatrixSorHossz;
    const int k = std::clamp(l.VariacioMeret, 0, W);
    const int kf = g.VanPluszSzam ? std::clamp(l.VariacioFoMeret, 0, k) : k;
    const int fixDb = l.FixSzamDb();
    const bool huzasokbol = !t.BontHuzasSorszam.empty() && t.BontHuzasSorszam[0] >= 0;
    const int eltolas = g.FoSzamKeszlet + g.PluszSzamEltolas;
    const std::int32_t sorDb = std::min(t.BontSzelvszam, t.BontMatrixMeret);

    if (f == Formatum::Html) {
        const std::string gen = "Kavarex Personal " + fejlec.VariacioVerzio + " - " + RovidDatum(fejlec.VariacioDatum);
        const std::size_t jatek = static_cast<std::size_t>(std::clamp(g.LottoIndex, 0, kJatekokSzama));
        for (const std::string& s : {std::string("<!DOCTYPE HTML>"), std::string("<html>"), std::string("<head>"),
                                     "<meta name=\"generator\" content=\"" + gen + "\" />",
                                     std::string("<meta charset=\"utf-8\">"),
                                     "<title>" + std::string(JatekNev[jatek]) + "</title>",
                                     std::string("<style type=\"text/css\"> ol li {font-family:\"Courier New\", "
                                                 "Courier, monospace; white-space:pre; font-size:14px; "
                                                 "margin-left:30px;}</style>"),
                                     std::string("</head>"), std::string("<body>"), std::string("<ol>")})
            ki += s + crlf;
    } else if (f == Formatum::Tmb) {
        ki = "Array(";
    }
    // Typical line of up to ~50 characters.
    ki.reserve(ki.size() + static_cast<std::size_t>(sorDb) * static_cast<std::size_t>(k + fixDb) *
                               (f == Formatum::Csv || f == Formatum::Tmb ? 3 : 5) +
               static_cast<std::size_t>(sorDb) * (f == Formatum::Html ? 16 : 2) + 64);

    std::vector<int> fo(static_cast<std::size_t>(kf)), fix(static_cast<std::size_t>(fixDb)),
        extra(static_cast<std::size_t>(k - kf));
    for (std::int32_t r = 0; r < sorDb; ++r) {
        const std::uint8_t* sor = t.sor(r);
        auto ertek = [&](int j) -> int {
            if (huzasokbol)
                return sor[j];
            const std::uint8_t i = sor[j];
            return i < l.KijeloltSzamok.size() ? l.KijeloltSzamok[i] : 0;
        };
        for (int j = 0; j < kf; ++j)
            fo[static_cast<std::size_t>(j)] = ertek(j);
        for (int j = 0; j < fixDb; ++j) {
            if (huzasokbol)
                fix[static_cast<std::size_t>(j)] = k + j < W ? sor[k + j] : 0;
            else
                fix[static_cast<std::size_t>(j)] = l.FixSzamok[static_cast<std::size_t>(j)];
        }
        for (int j = kf; j < k; ++j)
            extra[static_cast<std::size_t>(j - kf)] = ertek(j) - eltolas;

        switch (f) {
        case Formatum::Csv: {
            bool elso = true;
            auto tesz = [&](int v) {
                if (!elso)
                    ki += ';';
                elso = false;
                ki += sz.d(v);
            };
            for (int v : fo) tesz(v);
            for (int v : fix) tesz(v);
            for (int v : extra) tesz(v);
            ki += crlf;
            break;
        }
        case Formatum::Txt:
        case Formatum::Html: {
            const bool html = f == Formatum::Html;
            if (html)
                ki += "<li>  ";
            for (std::size_t j = 0; j < fo.size(); ++j) {
                ki += sz.k(fo[j]);
                if (j + 1 < fo.size() || !fix.empty())
                    ki += " - ";
            }
            for (std::size_t j = 0; j < fix.size(); ++j) {
                const bool utolso = j + 1 == fix.size();
                if (html) {
                    ki += "<em>";
                    ki += sz.k(fix[j]);
                    if (!utolso)
                        ki += " - ";
                    ki += "</em>";
                } else {
                    ki += sz.k(fix[j]);
                    if (!utolso)
                        ki += " - ";
                }
            }
            if (g.VanPluszSzam) {
                ki += html ? "   " : " - ";
                for (std::size_t j = 0; j < extra.size(); ++j) {
                    if (j > 0)
                        ki += " - ";
                    ki += sz.k(extra[j]);
                }
            }
            if (html)
                ki += "</li>";
            ki += crlf;
            break;
        }
        case Formatum::Tmb:
            for (int v : fo) (ki += sz.d(v)) += ',';
            for (int v : fix) (ki += sz.d(v)) += ',';
            for (int v : extra) (ki += sz.d(v)) += ',';
            break;
        case Formatum::Nincs: break;
        }
    }
    if (f == Formatum::Html) {
        ki += "</ol>" + crlf + "</body>" + crlf + "</html>" + crlf;
    } else if (f == Formatum::Tmb) {
        if (ki.back() == ',')
            ki.pop_back();  // the last ","
        ki += ");" + crlf;
    }
    return ki;
}

bool ExportKiiras(const std::string& nev, const std::string& formatum, const VariationStore& t, const SzamListak& l,
                  const GameParams& g, const ExportFejlec& fejlec, std::string& uzenet)
{
    const bool ismert = formatum == "csv" || formatum == "txt" || formatum == "html" || formatum == "tmb";
    if (!ismert || !writeFileAtomic(nev, ExportSzoveg(t, l, g, formatum, fejlec))) {
        uzenet = "Nem sikerült létrehozni az állományt.\r\n\r\n" + nev;
        return false;
    }
    return true;
}

}  // namespace kvx
