#include "printing/draw_list_print.h"

#include "common/delphi_format.h"
#include "draws/draws_list.h"

namespace kvx {

namespace {

std::string Blank(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

const std::string& Cella(const HuzListaRacs& r, std::int32_t sor, std::int32_t oszlop)
{
    static const std::string ures;
    if (sor < 1 || static_cast<std::size_t>(sor) > r.size())
        return ures;
    const auto& s = r[static_cast<std::size_t>(sor - 1)];
    return oszlop >= 0 && static_cast<std::size_t>(oszlop) < s.size() ? s[static_cast<std::size_t>(oszlop)] : ures;
}

std::string K2(const std::string& s)
{
    return Format("%2s", {s});
}

bool Rovid(std::int32_t j)
{
    return j == 38 || j == 41 || j == 42;
}

// One draw of row `sor` (1-based).
std::string HuzasSzoveg(const GameParams& g, const HuzListaElrendezes& e, const HuzListaRacs& r, std::int32_t sor,
                        std::int32_t oszlopok)
{
    const std::int32_t j = g.LottoIndex;
    std::string s = Format(Rovid(j) ? "%6s" : "%7s", {Cella(r, sor, 0) + "."});
    s += Format("%6s", {Cella(r, sor, 1) + " "});
    s += Rovid(j) ? Format("%2s", {Cella(r, sor, 2)}) + ". " : Format("%3s", {Cella(r, sor, 2)}) + ".   ";
    const std::int32_t K = g.TobbSorsolas ? oszlopok - 8 : oszlopok - 1;
    const std::int32_t foUtolso = K - g.PotSzamok - g.PluszSzamDb;
    for (std::int32_t c = 3; c <= foUtolso; ++c) {
        if (c > 3)
            s += e.Elvalaszto;
        s += K2(Cella(r, sor, c));
    }
    if (g.VanPotSzam) {
        s += Blank((g.SzamsorHossz < 7 || j == 4) ? 2 : 1);
        if (j == 4)
            s += " ";
        const std::int32_t p = foUtolso + 1;
        s += Cella(r, sor, p) == "0" ? Blank(2) : K2(Cella(r, sor, p));
        if (g.PotSzamok > 1 && Cella(r, sor, p + 1) != "0") {
            s += e.Elvalaszto + K2(Cella(r, sor, p + 1));
            if (g.PotSzamok > 2 && Cella(r, sor, p + 2) != "0")
                s += e.Elvalaszto + K2(Cella(r, sor, p + 2));
        }
    } else if (g.VanPluszSzam) {
        s += Blank((j == 25 || j == 29) ? 1 : (j == 24 || j == 30) ? 3 : 2);
        for (std::int32_t c = foUtolso + 1; c <= K; ++c) {
            if (c > foUtolso + 1)
                s += e.Elvalaszto;
            s += K2(Cella(r, sor, c));
        }
    }
    if (g.TobbSorsolas) {
        s += e.Koz;
        const std::int32_t utolso = oszlopok - g.PotSzamok - 1;
        for (std::int32_t c = K + 1; c <= utolso; ++c) {
            if (c > K + 1)
                s += e.Elvalaszto;
            s += K2(Cella(r, sor, c));
        }
        if (g.VanPotSzam) {
            const std::string& u = Cella(r, sor, oszlopok - 1);
            s += Blank(3) + (u == "0" ? Blank(2) : K2(u));
        }
    }
    return s;
}

void LapFej(NyomtatasEgyseg& n, const std::string& cim, const HuzListaCimAdatok& c, const HuzListaElrendezes& e)
{
    n.Hozzaad(cim, true);
    n.Hozzaad(FejlecSor(c.VerzioSzoveg, c.Datum, true, n.NyomtOldal, n.NyomtOldalakSzama));
    n.Hozzaad(ElvalasztoVonal());
    n.Hozzaad(e.Fejlec);
    n.Hozzaad(ElvalasztoVonal());
}

std::int32_t Felfele(std::int32_t a, std::int32_t b)
{
    return b <= 0 ? 0 : (a + b - 1) / b;
}

}  // namespace

HuzListaRacs HuzListaRacsKeszites(const DrawsState& d, const GameParams& g)
{
    HuzListaRacs r;
    const std::int32_t oszlopok = HuzTablaOszlopok(g);
    r.reserve(static_cast<std::size_t>(d.HuzasokSzama));
    for (std::int32_t i = 0; i < d.HuzasokSzama && static_cast<std::size_t>(i) < d.Huzasok.size(); ++i) {
        const TTombInt1D& h = d.Huzasok[static_cast<std::size_t>(i)];
        std::vector<std::string> sor;
        for (std::int32_t c = 0; c < oszlopok; ++c) {
            std::int32_t v = static_cast<std::size_t>(c) < h.size() ? h[static_cast<std::size_t>(c)] : 0;
            if (c >= 3 && PluszOszlop(g, c) && v > g.FoSzamKeszlet)
                v = g.PluszSzamKijelzes(v);
            sor.push_back(std::to_string(v));
        }
        r.push_back(std::move(sor));
    }
    return r;
}

HuzListaElrendezes HuzListaElrendezesJatek(std::int32_t j)
{
    if (j >= 8 && j <= 16)
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5. 6. 7. 8. 9.10.11.12.13.14.15.16.17.18.19.20.         ", "  ", " ",
                "-"};
    switch (j) {
    case 0: case 3: case 22:
        return {" Húzás   Év   Hét    1.   2.   3.   4.   5.    Húzás   Év   Hét    1.   2.   3.   4.   5.", " ",
                "   ", " - "};
    case 1: case 5: case 6: case 26: case 32: case 33: case 35: case 39:
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  +       Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  + ", "    ",
                "  ", "-"};
    case 2:
        return {" Húzás   Év   Hét    1.   2.   3.   4.   5.   6.   7.    1.   2.   3.   4.   5.   6.   7.", "    ",
                "", " - "};
    case 4:
        return {" Húzás   Év   Hét    1.   2.   3.   4.   5.   6.   +     1.   2.   3.   4.   5.   6.   + ", "    ",
                "", " - "};
    case 7: case 20: case 21: case 34:
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5. 6. 7. +   Húzás   Év   Hét    1. 2. 3. 4. 5. 6. 7. + ", " ", " ",
                "-"};
    case 17: case 18: case 23:
        return {" Húzás   Év   Hét    1.  2.  3.  4.  5.  6.    Húzás   Év   Hét    1.  2.  3.  4.  5.  6.", " ",
                "   ", " -"};
    case 19:
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5. 6. 7.       Húzás   Év   Hét    1. 2. 3. 4. 5. 6. 7. ",
                "      ", " ", "-"};
    case 24:
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5.  LS LS     Húzás   Év   Hét    1. 2. 3. 4. 5.  LS LS ", "  ", "",
                "-"};
    case 25: case 29:
        return {" Húzás   Év   Hét   1. 2. 3. 4. 5. 6. 7. PB    Húzás   Év   Hét   1. 2. 3. 4. 5. 6. 7. PB", " ", "",
                "-"};
    case 27:
        return {" Húzás   Év   Hét    1.  2.  3.  4.  5. MB     Húzás   Év   Hét    1.  2.  3.  4.  5. MB ", " ", " ",
                " -"};
    case 28:
        return {" Húzás   Év   Hét    1.  2.  3.  4.  5. PB     Húzás   Év   Hét    1.  2.  3.  4.  5. PB ", " ", " ",
                " -"};
    case 30:
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5.  Eu Eu     Húzás   Év   Hét    1. 2. 3. 4. 5.  Eu Eu ", "  ", "",
                "-"};
    case 31:
        return {" Húzás   Év   Hét    1.  2.  3.  4.  5.  M     Húzás   Év   Hét    1.  2.  3.  4.  5.  M ", " ", " ",
                " -"};
    case 36:
        return {" Húzás   Év   Hét    1.  2.  3.  4.  5. TB     Húzás   Év   Hét    1.  2.  3.  4.  5. TB ", " ", " ",
                " -"};
    case 37:
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  S        Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  S", "   ",
                "  ", "-"};
    case 38:
        return {"Húzás   Év  Hét  1. 2. 3. 4. 5. 6. 7. +  +  + Húzás  Év  Hét  1. 2. 3. 4. 5. 6. 7. +  +  +", "   ", "",
                "-"};
    case 40:
        return {" Húzás   Év   Hét    1.  2.  3.  4.  5. JP     Húzás   Év   Hét    1.  2.  3.  4.  5. JP ", " ", " ",
                " -"};
    case 41: case 42:
        return {"Húzás   Év  Hét  1. 2. 3. 4. 5. 6.  +  +        Húzás   Év  Hét  1. 2. 3. 4. 5. 6.  +  + ",
                "        ", "", "-"};
    case 43:
    default:
        return {" Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  V        Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  V", "   ",
                "  ", "-"};
    }
}

bool HuzListaEgyOszlop(const GameParams& g)
{
    return g.KenoJatek || g.TobbSorsolas;
}

std::string HuzListaCim(const GameParams& g, const HuzListaCimAdatok& c)
{
    std::string cim = g.KenoJatek ? std::string("Magyar Kenó nyerőszámai")
                                  : std::string(JatekNev[static_cast<std::size_t>(g.LottoIndex)]) + " nyerőszámai";
    if (!c.AdatbazisTipus)
        cim += " - " + c.AdatbazisFelirat;
    return cim;
}

void HuzListaNyomtatas(NyomtatasEgyseg& n, const GameParams& g, const HuzListaRacs& racs, const HuzListaCimAdatok& c)
{
    const HuzListaElrendezes e = HuzListaElrendezesJatek(g.LottoIndex);
    const bool egy = HuzListaEgyOszlop(g);
    const std::int32_t oszlopok = HuzTablaOszlopok(g);
    const std::int32_t sorDb = static_cast<std::int32_t>(racs.size()) + 1;  // RowCount with the title row
    const std::int32_t N = sorDb - 1;
    n.Torles();
    std::int32_t R = n.OldalListaSorok;
    const std::string cim = HuzListaCim(g, c);
    n.NyomtOldal = 1;
    n.NyomtOldalakSzama = egy ? Felfele(N, R) : Felfele(N, 2 * R);
    LapFej(n, cim, c, e);
    if (egy) {
        if (N < R)
            R = N;
    } else if (N <= 2 * R) {
        R = Felfele(N, 2);
    }
    std::int32_t I = 1;
    std::int32_t lapSorok = 0;
    while (I < sorDb) {
        std::string sor = HuzasSzoveg(g, e, racs, I, oszlopok);
        if (!egy) {
            sor += e.Koz;
            if (I + R < sorDb)
                sor += e.Elotag + HuzasSzoveg(g, e, racs, I + R, oszlopok);
        }
        n.Hozzaad(sor);
        ++I;
        ++lapSorok;
        if (lapSorok == R) {
            ++n.NyomtOldal;
            lapSorok = 0;
            if (egy) {
                if (sorDb < I + R)
                    R = sorDb - I;
            } else {
                I += R;
                if (sorDb - I < 2 * R)
                    R = Felfele(sorDb - I, 2);
            }
            if (I < sorDb) {
                n.Hozzaad(kLapdobasSor);
                LapFej(n, cim, c, e);
            }
        }
    }
}

}  // namespace kvx
