#include "printing/variation_list_print.h"

#include <algorithm>

#include "common/delphi_format.h"

namespace kvx {

namespace {

std::string B(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

std::string K2(std::int32_t v)
{
    return Format("%2s", {std::to_string(v)});
}

std::int32_t Felfele(std::int32_t a, std::int32_t b)
{
    return b <= 0 ? 0 : (a + b - 1) / b;
}

const char* Jel(std::int32_t j, bool huzasokbol)
{
    // The extra-pool letter of a 6-number line.
    switch (j) {
    case 27: return huzasokbol ? "MB" : " MB";
    case 31: return huzasokbol ? " M" : "  M";
    case 36: return huzasokbol ? "TB" : " TB";
    case 40: return huzasokbol ? " J" : "  J";
    default: return huzasokbol ? "PB" : " PB";
    }
}

}  // namespace

BontListaElrendezes BontListaElrendezesJatek(const GameParams& g, bool huzasokbol)
{
    const std::int32_t k = g.SzamsorHossz;
    const std::int32_t j = g.LottoIndex;
    BontListaElrendezes e;
    if (g.KenoJatek && k >= 8) {
        std::string szamok;
        for (std::int32_t i = 8; i <= k; ++i)
            szamok += Format("%2d", {i}) + ".";
        e.Fejlec = " Szelvény    1. 2. 3. 4. 5. 6. 7." + szamok + "      Szelvény    1. 2. 3. 4. 5. 6. 7." + szamok;
        e.SzamUtan = B(2);
        e.Elvalaszto = "-";
        e.Koz = B(6);
        return e;
    }
    if (g.KenoJatek && k <= 4) {
        e.Oszlopok = k == 2 ? 4 : 3;
        e.Elvalaszto = " - ";
        e.SzamUtan = k == 4 ? B(1) : B(2);
        e.Koz = k == 2 ? B(3) : k == 3 ? B(7) : B(2);
        const std::string utotag = k == 2 ? B(2) : k == 3 ? B(6) : "";
        e.Fejlec = k == 4 ? "" : " ";
        for (std::int32_t c = 0; c < e.Oszlopok; ++c) {
            e.Fejlec += " Szelvény   1.   2.";
            for (std::int32_t i = 3; i <= k; ++i)
                e.Fejlec += "   " + std::to_string(i) + ".";
            e.Fejlec += " " + utotag;
        }
        return e;
    }
    const auto t = [&](const std::string& fej, int utan, const char* elv, int koz) {
        e.Fejlec = fej;
        e.SzamUtan = B(utan);
        e.Elvalaszto = elv;
        e.Koz = B(koz);
    };
    switch (k) {
    case 5:
        if (huzasokbol)
            t(" Szelvény   Húzás    1.   2.   3.   4.   5.    Szelvény   Húzás    1.   2.   3.   4.   5. ", 3, " - ", 4);
        else
            t(" Szelvény    1.   2.   3.   4.   5.                    Szelvény    1.   2.   3.   4.   5. ", 2, " - ",
              20);
        break;
    case 6:
        if (huzasokbol && g.VanPluszSzam)
            t(std::string(" Szelvény   Húzás    1. 2. 3. 4. 5. ") + Jel(j, true) + "              Szelvény   Húzás    1. 2. 3. 4. 5. " +
                  Jel(j, true) + " ",
              3, "-", 13);
        else if (huzasokbol)
            t(" Szelvény   Húzás    1. 2. 3. 4. 5. 6.              Szelvény   Húzás    1. 2. 3. 4. 5. 6. ", 3, "-", 14);
        else if (g.VanPluszSzam)
            t(std::string(" Szelvény   1.   2.   3.   4.   5. ") + Jel(j, false) + "             Szelvény   1.   2.   3.   4.   5. " +
                  Jel(j, false) + "  ",
              1, " - ", 12);
        else
            t(" Szelvény   1.   2.   3.   4.   5.   6.            Szelvény   1.   2.   3.   4.   5.   6. ", 1, " - ", 12);
        break;
    case 7:
        if (huzasokbol) {
            const char* v = j == 37 ? " 6.  S" : j == 43 ? " 6.  V" : j == 24 ? " LS LS" : j == 30 ? " Eu Eu" : " 6. 7.";
            t(std::string(" Szelvény   Húzás   1. 2. 3. 4. 5.") + v + "          Szelvény   Húzás   1. 2. 3. 4. 5." + v + " ",
              2, "-", 9);
        } else {
            const char* fej =
                j == 37 ? " Szelvény   1.   2.   3.   4.   5.   6.   S   Szelvény   1.   2.   3.   4.   5.   6.   S "
                : j == 43 ? " Szelvény   1.   2.   3.   4.   5.   6.   V   Szelvény   1.   2.   3.   4.   5.   6.   V "
                : j == 24 ? " Szelvény   1.   2.   3.   4.   5.  LS   LS   Szelvény   1.   2.   3.   4.   5.  LS   LS  "
                : j == 30 ? " Szelvény   1.   2.   3.   4.   5.  Eu   Eu   Szelvény   1.   2.   3.   4.   5.  Eu   Eu  "
                          : " Szelvény   1.   2.   3.   4.   5.   6.   7.  Szelvény   1.   2.   3.   4.   5.   6.   7. ";
            t(fej, 1, " - ", 2);
        }
        break;
    default:  // 8
        if (huzasokbol)
            t(" Szelvény   Húzás   1. 2. 3. 4. 5. 6. 7. PB     Szelvény  Húzás   1. 2. 3. 4. 5. 6. 7. PB ", 2, "-", 3);
        else
            t(" Szelvény   1. 2. 3. 4. 5. 6. 7.  PB                 Szelvény   1. 2. 3. 4. 5. 6. 7.  PB  ", 1, "-", 16);
        break;
    }
    return e;
}

std::string BontListaBejegyzes(const GameParams& g, const BontListaElrendezes& e, const BontListaSorok& s,
                               std::int32_t n)
{
    const std::uint8_t* sor = s.Adat.data() + static_cast<std::size_t>(n - 1) * static_cast<std::size_t>(s.SorHossz);
    std::string t = Format("%10s", {std::to_string(n) + ".  "});
    const auto kijelzes = [&](std::int32_t v) {
        return g.VanPluszSzam && v > g.FoSzamKeszlet ? g.PluszSzamKijelzes(v) : v;
    };
    if (s.HuzasSzamsorVariacio) {
        const std::int32_t sorszam =
            static_cast<std::size_t>(n - 1) < s.HuzasSorszam.size() ? s.HuzasSorszam[static_cast<std::size_t>(n - 1)] : 0;
        t += Format("%6s", {std::to_string(sorszam)}) + "." + e.SzamUtan;
        const std::int32_t k = std::min(g.SzamsorHossz, s.SorHossz);
        for (std::int32_t i = 0; i < k; ++i) {
            t += K2(kijelzes(sor[i]));
            if (i == k - 1)
                break;
            t += g.VanPluszSzam && i == g.SzamsorFoSzamDb - 1 ? std::string("  ") : e.Elvalaszto;
        }
        return t;
    }
    t += e.SzamUtan;
    const std::int32_t m = std::min(s.VariacioMeret, s.SorHossz);
    std::vector<std::int32_t> szamsor;
    for (std::int32_t i = 0; i < m; ++i)
        szamsor.push_back(sor[i] < s.KijeloltSzamok.size() ? s.KijeloltSzamok[sor[i]] : 0);
    std::sort(szamsor.begin(), szamsor.end());
    const std::int32_t fo = std::clamp(s.VariacioFoMeret, 0, m);
    for (std::int32_t i = 0; i < fo; ++i)
        t += (i ? e.Elvalaszto : "") + K2(szamsor[static_cast<std::size_t>(i)]);
    for (std::uint8_t f : s.FixSzamok)
        t += e.Elvalaszto + K2(f);
    if (g.VanPluszSzam && fo < m) {
        t += "   ";
        for (std::int32_t i = fo; i < m; ++i)
            t += (i > fo ? e.Elvalaszto : "") + K2(kijelzes(szamsor[static_cast<std::size_t>(i)]));
    }
    return t;
}

void BontListaNyomtatas(NyomtatasEgyseg& n, const GameParams& g, const BontListaSorok& s,
                        const VariacioInfoBemenet& leiras)
{
    const BontListaElrendezes e = BontListaElrendezesJatek(g, s.HuzasSzamsorVariacio);
    const std::int32_t C = e.Oszlopok;
    const std::int32_t sorDb = s.Db() + 1;  // RowCount with the title row
    for (int menet = 0; menet < 2; ++menet) {
        n.Torles();
        n.NyomtOldal = 1;
        n.NyomtOldalKezdet = 0;
        n.NyomtSorokSzama = n.OldalListaSorok;
        BontListaFejlec(n);
        VariacioInfoKiir(n, leiras);
        std::int32_t& R = n.NyomtSorokSzama;
        if (n.NyomtOldal == 1)
            R = n.OldalSorok - (n.SorDb() + 3);
        else
            R = n.OldalSorok - (n.SorDb() - n.NyomtOldalKezdet + 4);
        // The description may end too close to the page end for even one
        // row: the list then starts on a new page.
        if (R < 1)
            UjOldal(n);
        OldalTores(n, 3);
        n.Hozzaad(e.Fejlec);
        n.Hozzaad(ElvalasztoVonal());
        std::int32_t I = 1;
        std::int32_t lapSorok = 0;
        if (sorDb < R * C + I)
            R = Felfele(sorDb - I, C);
        while (I < sorDb) {
            std::string sor;
            for (std::int32_t j = 1; j <= C; ++j) {
                const std::int32_t r = I + (j - 1) * R;
                if (r < sorDb)
                    sor += BontListaBejegyzes(g, e, s, r);
                if (j < C)
                    sor += e.Koz;
            }
            n.Hozzaad(sor);
            ++I;
            ++lapSorok;
            if (lapSorok >= R) {
                I += (C - 1) * R;
                lapSorok = 0;
                if (I < sorDb) {
                    UjOldal(n);
                    n.Hozzaad(e.Fejlec);
                    n.Hozzaad(ElvalasztoVonal());
                    if (sorDb < R * C + I)
                        R = Felfele(sorDb - I, C);
                }
            }
        }
        if (menet == 0)
            n.NyomtOldalakSzama = n.NyomtOldal;
    }
}

}  // namespace kvx
