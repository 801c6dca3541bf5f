#include "statistics/chart_hints.h"

#include "common/delphi_format.h"

#include <cmath>

namespace kvx {

namespace {

std::string ez(std::int64_t v) { return FormatThousands(v); }
std::string tiz(double v, int d) { return FormatFloatThousands(v, d); }
std::string arany(double v) { return Format("%12.8n", {v}); }

}  // namespace

void AtlagSzamlalok(const TTombInt2D& sorok, std::int32_t foSzamKeszlet, double atlag, std::int64_t& alatta,
                    std::int64_t& atlagos, std::int64_t& felette)
{
    alatta = atlagos = felette = 0;
    for (const TTombInt1D& s : sorok) {
        if (s.size() < 2 || s[0] < 1 || s[0] > foSzamKeszlet)
            continue;
        const std::int64_t v = s[1];
        const std::int64_t a = std::llround(atlag);
        if (v == 0 || v < a)
            ++alatta;
        else if (v == a)
            ++atlagos;
        else
            ++felette;
    }
}

std::string DiagramTipp(const DiagramTippBemenet& b)
{
    const GameParams& g = b.Jatek;
    const bool plusz = g.VanPluszSzam && b.Kulcs > g.FoSzamKeszlet;
    const std::string tengely = (b.Inverz != b.Huzas) ? " (y): " : " (x): ";
    const std::string zarojel = g.VanPluszSzam ? " (törzsszám)" : "";
    const std::string szoEgyseg = g.VanPluszSzam ? " törzsszám " : " szám ";
    const double R = b.R;
    const std::int64_t n = b.Ertek;
    const double* E = b.Ertekek.data();
    std::string s;
    auto ertekkeszlet = [&](const std::string& szo) {
        s += "\r\n\r\n Értékkészlet" + tengely + ez(b.FoSorok);
        if (g.VanPluszSzam && b.PluszSorok > 0)
            s += " + " + ez(b.PluszSorok);
        s += szo;
    };
    auto eloszlas = [&](const std::string& egyseg) {
        if (!b.Tenyleges || b.Zoom || b.Huzas)
            return;
        s += "\r\n * Átlag alatti előfordulás: " + ez(b.Alatta) + egyseg;
        s += "\r\n * Átlagos előfordulás: " + ez(b.Atlagos) + egyseg;
        s += "\r\n * Átlag feletti előfordulás: " + ez(b.Felette) + egyseg;
    };
    auto reszArany = [&](std::int64_t db) {
        // The drawn numbers of the range: main numbers of every line and
        // the bonus numbers.
        const double osszes = static_cast<double>(g.HuzottFoSzamokPluszNelkul) * R + b.VizsgaltPluszDb;
        return osszes > 0 ? tiz(static_cast<double>(db) / (osszes / 100.0), 4) : tiz(0, 4);
    };
    const std::string kulcsSzoveg = plusz ? ez(g.PluszSzamKijelzes(b.Kulcs)) : ez(b.Kulcs);
    std::string aranyVege = " számból ";
    if (plusz)
        aranyVege.insert(0, g.PluszSzamNev);
    else if (g.VanPluszSzam)
        aranyVege = " törzsszámból ";
    auto aranySor = [&](const std::string& elo, const std::string& egyseg) {
        if (n > 0 && R > 0)
            s += "\r\n" + elo + " " + ez(n) + " ~" + arany(static_cast<double>(n) / (R / 100.0)) + "%  - " + ez(b.R) +
                 egyseg;
    };
    const std::int32_t fele = g.FoSzamKeszlet / 2;

    if (b.Tag == 1) {
        if (b.Zoom)
            s = std::string(" ") + kulcsSzoveg + " számot húztak utoljára a(z) " + ez(b.Utolso) + ". húzás számsorából ";
        else
            s = std::string(" ") + ez(n) + " esetben sorsolták ";
        if (b.Utolso > 0)
            s += "\r\n Utoljára: " + ez(b.Utolso) + ". húzás számsorából";
        aranySor("", " húzásból," + aranyVege);
        if (n > 0)
            s += "\r\n Gyakoriság: " + tiz(R / static_cast<double>(n), 2) + " húzásonként ";
        s += "\r\n\r\n " + ez(g.FoSzamKeszlet) + szoEgyseg + "előfordulása: ";
        s += "\r\n     1 - " + ez(fele) + "-ig:  " + tiz(E[4], 0) + " esetben ~ " + reszArany(std::llround(E[4])) + "% ";
        s += "\r\n   " + ez(fele + 1) + " - " + ez(g.FoSzamKeszlet) + "-ig:  " + tiz(E[5], 0) + " esetben ~ " +
             reszArany(std::llround(E[5])) + "% ";
        s += "\r\n\r\n Hány húzás óta nem került elő: \r\n   - " + ez(b.HanyHuzasOta) + " húzás óta nem került elő ";
        if (b.Elmeleti) {
            s += "\r\n   - Elméleti gyakoriság" + zarojel + ": " + tiz(E[1], 2) + " húzás ";
            s += "\r\n   - Eltérés: " + tiz(E[1] - b.HanyHuzasOta, 2) + " húzás ";
        }
        if (b.Tenyleges) {
            s += "\r\n\r\n Hányszor húzták: \r\n   - Számok" + zarojel + " átlagos előfordulása: " + tiz(E[2], 4) +
                 " húzás* ";
            s += "\r\n   - Eltérés: " + tiz(static_cast<double>(n) - E[2], 4) + " húzás ";
        }
        eloszlas(szoEgyseg);
        ertekkeszlet(g.VanPluszSzam ? " törzsszám előfordulása " : " szám előfordulása ");
    } else if (b.Tag == 2) {
        if (b.Zoom && b.Huzas)
            s = std::string(" ") + kulcsSzoveg + " számot húztak utoljára a(z) " + ez(b.Utolso) + ". húzás számsorából ";
        else if (b.Zoom)
            s = std::string(" ") + ez(n) + " húzás óta nem került elő \r\n " + kulcsSzoveg + " szám ";
        else
            s = std::string(" ") + ez(n) + " húzás óta nem került elő ";
        if (b.Huzas && b.Utolso > 0)
            s += "\r\n Utoljára: " + ez(b.Utolso) + ". húzás számsorából";
        s += "\r\n\r\n Hányszor húzták: \r\n   - " + ez(b.HanyszorHuztak) + " esetben sorsolták ";
        if (b.HanyszorHuztak > 0 && R > 0) {
            s += "\r\n   - " + ez(b.HanyszorHuztak) + " ~" +
                 arany(static_cast<double>(b.HanyszorHuztak) / (R / 100.0)) + "%  - " + ez(b.R) + " húzásból," +
                 aranyVege;
            s += "\r\n   - Számok" + zarojel + " átlagos előfordulása: " + tiz(E[1], 4) + " húzás ";
            s += "\r\n   - Eltérés: " + tiz(static_cast<double>(b.HanyszorHuztak) - E[1], 4) + " húzás ";
        }
        s += "\r\n\r\n Hány húzás óta nem került elő: ";
        if (b.Elmeleti) {
            s += "\r\n   - Elméleti gyakoriság" + zarojel + ": " + tiz(E[0], 2) + " húzás ";
            if (std::llround(E[0] * 100) != n * 100)
                s += "\r\n   - Eltérés: " + tiz(E[0] - static_cast<double>(n), 2) + " húzás ";
        }
        if (b.Tenyleges) {
            s += "\r\n   - Tényleges gyakoriság" + zarojel + ": " + tiz(E[2], 4) + " húzás* ";
            s += "\r\n   - Eltérés: " + tiz(E[2] - static_cast<double>(n), 4) + " húzás ";
        }
        eloszlas(szoEgyseg);
        ertekkeszlet(b.Zoom ? " előfordulás " : g.VanPluszSzam ? " törzsszám előfordulása " : " szám előfordulása ");
    } else if (b.Tag == 3) {
        s = b.SzamTipp + "\r\n";
        if (!b.KijeloltVagyFix)
            s += "\r\n Húzások listájából beemelt szám ";
        if (b.Zoom && b.Huzas)
            s += " " + kulcsSzoveg + " szám fordult elő utoljára a(z) " + ez(b.Utolso) + ". számsorban ";
        else if (b.Zoom)
            s += " " + ez(n) + " esetben fordul elő \r\n " + kulcsSzoveg + " szám ";
        else
            s += " " + ez(n) + " esetben fordul elő ";
        if (b.Huzas && !b.Zoom && b.Utolso > 0)
            s += "\r\n Utoljára: " + ez(b.Utolso) + ". számsorban ";
        aranySor("", " számsorból," + (plusz ? g.PluszSzamNev + " számból " : std::string(" ")));
        if (n > 0)
            s += "\r\n Gyakoriság: " + tiz(R / static_cast<double>(n), 2) + " számsoronként ";
        // The halves of the selected main numbers.
        const std::int32_t M = b.FoSorok;
        const std::int32_t h = M / 2;
        const std::string egys = g.VanPluszSzam ? " törzsszám" : " szám";
        const double osszes = E[4] + E[5];
        auto resz = [&](double v) { return osszes > 0 ? tiz(v / (osszes / 100.0), 4) : tiz(0, 4); };
        s += "\r\n     1. - " + ez(h) + ". kijelölt" + egys + "ok:  " + tiz(E[4], 0) + " esetben ~ " + resz(E[4]) + "% ";
        s += "\r\n   " + ez(h + 1) + ". - " + ez(M) + ". kijelölt" + egys + "ok:  " + tiz(E[5], 0) + " esetben ~ " +
             resz(E[5]) + "% ";
        if (b.Tenyleges && M > 0) {
            const double atlag = E[2];
            s += "\r\n\r\n Számok (" + egys + ") átlagos előfordulása: " + tiz(atlag, 4) + "* ";
            s += "\r\n Eltérés: " + tiz(static_cast<double>(n) - atlag, 4) + " ";
        }
        eloszlas(" előfordulás ");
        ertekkeszlet(" előfordulás ");
    }
    return s;
}

}  // namespace kvx
