#include "printing/variation_info.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/delphi_format.h"
#include "conditions/distribution_conditions.h"
#include "variation/generation_run.h"

namespace kvx {

namespace {

std::string N2(std::int32_t x)
{
    return Format("%2.0d", {x});
}

std::string I(std::int64_t x)
{
    return std::to_string(x);
}

bool Aktiv(std::uint8_t allapot)
{
    return allapot != 0;
}

std::string Tetel(const VariacioInfoBemenet& b, LeirasSzoveg mi, std::int32_t i = 0)
{
    return b.Szoveg ? b.Szoveg(mi, i) : std::string();
}

// A block: the heading after its reserve, the body, and an empty line when
// it still fits on the page.
template <class F>
void Blokk(NyomtatasEgyseg& n, std::int32_t tartalek, const std::string& fej, F&& torzs)
{
    OldalTores(n, tartalek);
    n.Hozzaad(fej, true);
    torzs();
    if (OldalTores(n, 2))
        n.Hozzaad("");
}

// A body line quoted from the conditions window; left out when empty.
void Idezet(NyomtatasEgyseg& n, const std::string& elotag, const std::string& szoveg)
{
    if (!szoveg.empty())
        n.Hozzaad(elotag + szoveg);
}

// Ikerszám, Tükör számpár, Prímszám.
std::string EsemenySzoveg(const TMinMaxFeltetel& r, const char* nincs, const char* utotag)
{
    if (r.Max < 1)
        return nincs;
    std::string s = "  Egy számsorban";
    if (r.Min < r.Max)
        s += " minimum " + I(r.Min) + ", maximum " + I(r.Max);
    else
        s += ", pontosan " + I(r.Min);
    return s + utotag;
}

std::vector<std::string> Szamok(const GameParams& g, const TTombByte1D& v, std::size_t tol, std::size_t ig)
{
    std::vector<std::string> s;
    for (std::size_t i = tol; i < ig && i < v.size(); ++i)
        s.push_back(SzamKijelzes(g, v[i]));
    return s;
}

// The missing numbers: every full row of 15 ends its line, the next row's
// blanks only when numbers follow.
std::string HianyzoSorok(const std::vector<std::string>& szamok)
{
    std::string s = std::string(12, ' ');
    for (std::size_t i = 0; i < szamok.size(); ++i) {
        if (i > 0 && i % 15 == 0)
            s += std::string(12, ' ');
        else if (i > 0)
            s += " - ";
        s += Format("%2s", {szamok[i]});
        if ((i + 1) % 15 == 0)
            s += "\r\n";
    }
    return s;
}

void Feltetelek(NyomtatasEgyseg& n, const VariacioInfoBemenet& b)
{
    const GameParams& g = b.Jatek;
    const FeltetelRekordok& f = b.Feltetelek;
    const auto minMax = [](const auto& r, const char* mi) {
        return "  Minimum " + I(r.Min) + ", maximum " + I(r.Max) + mi;
    };

    if (Aktiv(f.FavFeltetel.Allapot)) {
        const TFavFeltetel& r = f.FavFeltetel;
        Blokk(n, 4, "Eloszlás - Favorizált számok", [&] {
            n.Hozzaad("  Favorizált számcsoport: " + I(r.ElsoIndex) + "." + " - " + I(r.UtolsoIndex) +
                      ". számig terjed." + "\r\n" + "  A számcsoport " + I(r.UtolsoIndex - r.ElsoIndex + 1) +
                      " számából" + " minimum " + I(r.TalalatMin) + ", maximum " + I(r.TalalatMax) +
                      " találat elérése.");
        });
    }
    if (Aktiv(f.AllandoFeltetel.Allapot)) {
        const TMinMaxFeltetel& r = f.AllandoFeltetel;
        Blokk(n, 3, "Eloszlás - Állandó számok", [&] {
            // Constant numbers keep the selection's order: the extra-pool ones
            // are those above the main pool.
            std::vector<std::string> foSzamok, pluszSzamok;
            for (std::uint8_t v : b.AllandoSzamok)
                (g.VanPluszSzam && v > g.FoSzamKeszlet ? pluszSzamok : foSzamok).push_back(SzamKijelzes(g, v));
            if (!foSzamok.empty()) {
                OldalTores(n, static_cast<std::int32_t>((foSzamok.size() + 14) / 15) + 1);
                n.Hozzaad("  " + I(static_cast<std::int64_t>(foSzamok.size())) + " állandó " +
                          (g.VanPluszSzam ? "törzsszám: " : "szám: ") + SzamSorok(foSzamok));
            }
            if (!pluszSzamok.empty())
                n.Hozzaad("  " + I(static_cast<std::int64_t>(pluszSzamok.size())) + " állandó" + g.PluszSzamNev +
                          " szám: " + SzamSorok(pluszSzamok));
            n.Hozzaad("  Az állandó számokból minimum " + I(r.Min) + ", maximum " + I(r.Max) + " találat elérése.");
        });
    }
    if (Aktiv(f.MobFeltetel.Allapot)) {
        Blokk(n, 4, "Eloszlás - Mobil számcsoportok", [&] {
            n.Hozzaad("  A mobil számcsoportok " + I(f.MobFeltetel.Meret) + " számból állnak." + "\r\n" +
                      "  Egy mobil számcsoportból, maximum " + I(f.MobFeltetel.TalalatMax) + " találat elérése.");
        });
    }
    if (Aktiv(f.FixFeltetel.Allapot)) {
        Blokk(n, 4, "Eloszlás - Fix számcsoportok", [&] {
            n.Hozzaad("  A fix számcsoportok " + I(f.FixFeltetel.Meret) + " számból állnak." + "\r\n" +
                      "  Egy fix számcsoportból, maximum " + I(f.FixFeltetel.TalalatMax) + " találat elérése. ");
        });
    }
    if (Aktiv(f.SzamcsoportokFeltetel.Allapot)) {
        const TSzamcsoportokFeltetel& r = f.SzamcsoportokFeltetel;
        Blokk(n, 3, "Eloszlás - Számcsoportok", [&] {
            n.Hozzaad(" " + N2(r.Db) + " számcsoport alkalmazása");
            for (std::int32_t i = 0; i < std::clamp(r.Db, 0, 10); ++i) {
                OldalTores(n, 2);
                n.Hozzaad("  " + SzamcsoportList(r, i));
            }
        });
    }
    if (Aktiv(f.SzamkeszletFeltetel.Allapot)) {
        Blokk(n, 3, "Eloszlás - Számkészletek", [&] {
            n.Hozzaad("  Indexek tartománya");
            for (std::int32_t i = 0; i <= std::min(b.VariacioFoMeretFelso, 10); ++i) {
                const std::string t = Tetel(b, LeirasSzoveg::SzamokList, i);
                if (t.empty())
                    continue;
                OldalTores(n, 2);
                n.Hozzaad("  " + t);
            }
        });
    }
    if (Aktiv(f.SzcsParosFeltetel.Allapot))
        Blokk(n, 3, "Számcsoport - Páros-páratlan",
              [&] { n.Hozzaad(minMax(f.SzcsParosFeltetel, " páros számcsoport lehet egy számsorban.")); });
    if (Aktiv(f.SzcsIsmetFeltetel.Allapot))
        Blokk(n, 3, "Számcsoport - Ismétlődés",
              [&] { Idezet(n, " ", Tetel(b, LeirasSzoveg::SzcsIsmetEdit)); });
    const auto teteles = [&](const TTetelesFeltetel& r, const char* fej, const char* mi, LeirasSzoveg lista) {
        Blokk(n, 3, fej, [&] {
            n.Hozzaad(" " + N2(r.Db) + mi);
            for (std::int32_t i = 0; i < std::clamp(r.Db, 0, 10); ++i) {
                const std::string t = Tetel(b, lista, i);
                if (t.empty())
                    continue;
                OldalTores(n, 2);
                n.Hozzaad("  " + t);
            }
        });
    };
    if (Aktiv(f.SzamcsoportTetelesFeltetel.Allapot))
        teteles(f.SzamcsoportTetelesFeltetel, "Számcsoport - Tételes", " számcsoport alkalmazása",
                LeirasSzoveg::SzamcsoportTetelesList);
    if (f.TalArAktiv) {
        const TTalalatiAranyFeltetel& r = f.TalalatiAranyFeltetel;
        Blokk(n, 3, "Találati arány", [&] {
            n.Hozzaad(" " + N2(r.DbTartomany) + " tartomány alkalmazása");
            for (std::int32_t i = 0; i < std::clamp(r.DbTartomany, 0, 10); ++i) {
                const auto k = static_cast<std::size_t>(i);
                const bool keresett = r.Tipus[k] != 0;
                std::string s = "   " + N2(i + 1) + ". tartomány: " + (keresett ? "Keresett" : "Kizárt") +
                                " találati arány\r\n" + std::string(7, ' ');
                if (r.UtolsoHuzas[k] == b.HuzasokSzama)
                    s += "minden sorsolás nyerőszámait figyelembe véve.";
                else
                    s += FormatThousands(r.ElsoHuzas[k]) + ". - " + FormatThousands(r.UtolsoHuzas[k]) +
                         ". sorsolások nyerőszámaival összehasonlítva a variáció";
                s += "\r\n       számsorait, ";
                if (g.VanPluszSzam) {
                    if (r.TalalatMin[k] == r.TalalatMax[k] && r.PBMin[k] == r.PBMax[k])
                        s += "pontosan " + I(r.TalalatMin[k]) + " + " + I(r.PBMin[k]) + " találat elérése esetén ";
                    else
                        s += "a minimum " + I(r.TalalatMin[k]) + " + " + I(r.PBMin[k]) + ", maximum " +
                             I(r.TalalatMax[k]) + " + " + I(r.PBMax[k]) + " találatos számsorokat ";
                } else if (r.TalalatMin[k] == r.TalalatMax[k]) {
                    s += "pontosan " + I(r.TalalatMin[k]) + " találat elérése esetén ";
                } else {
                    s += "a minimum " + I(r.TalalatMin[k]) + ", maximum " + I(r.TalalatMax[k]) +
                         " találatos számsorokat ";
                }
                s += keresett ? "kiválogatva." : "kizárva.";
                OldalTores(n, 4);
                n.Hozzaad(s);
            }
            OldalTores(n, 2);
            if (r.Forras != 0)
                n.Hozzaad("    Húzások számsoraiból összeállított variáció.");
            OldalTores(n, 2);
            if (f.TalArAdatbazisTipus == 0 || (b.AktualisVerzioAllomany && !b.ProgramAdatbazis))
                n.Hozzaad("    Felhasználói adatbázis alapján.");
        });
    }
    if (Aktiv(f.SzvParosFeltetel.Allapot))
        Blokk(n, 3, "Számvégződés - Páros-páratlan",
              [&] { n.Hozzaad(minMax(f.SzvParosFeltetel, " páros számvégződés lehet egy számsorban.")); });
    if (Aktiv(f.SzvIsmetFeltetel.Allapot))
        Blokk(n, 3, "Számvégződés - Ismétlődés", [&] { Idezet(n, " ", Tetel(b, LeirasSzoveg::SzvIsmetEdit)); });
    if (Aktiv(f.SzamvegzodesTetelesFeltetel.Allapot))
        teteles(f.SzamvegzodesTetelesFeltetel, "Számvégződés - Tételes", " számvégződés alkalmazása",
                LeirasSzoveg::SzamvegzodesTetelesList);
    if (Aktiv(f.IkerszamFeltetel.Allapot))
        Blokk(n, 3, "Események - Ikerszám", [&] {
            n.Hozzaad(EsemenySzoveg(f.IkerszamFeltetel, "  Nem szerepelhet ikerszám egy számsorban.",
                                    " ikerszám szerepelhet."));
        });
    if (Aktiv(f.TukorszamFeltetel.Allapot))
        Blokk(n, 3, "Események - Tükör számpár", [&] {
            n.Hozzaad(EsemenySzoveg(f.TukorszamFeltetel, "  Nem szerepelhet tükör számpár egy számsorban.",
                                    " tükör számpár szerepelhet."));
        });
    if (Aktiv(f.PrimszamFeltetel.Allapot))
        Blokk(n, 3, "Események - Prímszám", [&] {
            n.Hozzaad(EsemenySzoveg(f.PrimszamFeltetel, "  Nem szerepelhetnek prímszám egy számsorban.",
                                    " prímszám szerepelhet."));
        });
    const TSzomszedosFeltetel& sz = f.SzomszedosFeltetel;
    if (Aktiv(sz.Allapot) && (sz.Alt || sz.Mob || sz.Fix)) {
        const auto sorrend = [&](std::uint8_t szamegyenes) {
            return "\r\n    Számsorrend: " +
                   (szamegyenes ? "1 - " + I(g.FoSzamKeszlet) + "-ig terjedő számegyenesen szomszédos számok."
                                : std::string("a variációra kijelölt számok sorrendje szerint szomszédos."));
        };
        const auto tipp = [&](LeirasSzoveg mi, bool elso) {
            const std::string t = Tetel(b, mi);
            return t.empty() ? std::string() : (elso ? "   " : "\r\n   ") + t;
        };
        Blokk(n, 6, "Események - Szomszédos számok", [&] {
            if (sz.Alt) {
                n.Hozzaad("  Egy számsorban");
                std::string s = tipp(LeirasSzoveg::SzomszedosSzamokAltEditMax, true);
                if (sz.EsetMax > 0)
                    s += tipp(LeirasSzoveg::SzomszedosSzamokAltMaxEdit, s.empty());
                s += sorrend(sz.AltSorrend);
                n.Hozzaad(s.substr(s.rfind("\r\n", 0) == 0 ? 2 : 0));
                if (OldalTores(n, 2))
                    n.Hozzaad("");
            }
            const auto resz = [&](bool be, const char* fej, LeirasSzoveg a, LeirasSzoveg m, std::uint8_t rend) {
                if (!be)
                    return;
                OldalTores(n, 5);
                n.Hozzaad(fej);
                std::string s = tipp(a, true);
                s += tipp(m, s.empty());
                s += sorrend(rend);
                n.Hozzaad(s.substr(s.rfind("\r\n", 0) == 0 ? 2 : 0));
                if (OldalTores(n, 2))
                    n.Hozzaad("");
            };
            resz(sz.Mob, "  Mobil számcsoportok", LeirasSzoveg::SzomszedosSzamokMobEdit,
                 LeirasSzoveg::SzomszedosSzamokMobMaxEdit, sz.MobSorrend);
            resz(sz.Fix, "  Fix számcsoportok", LeirasSzoveg::SzomszedosSzamokFixEdit,
                 LeirasSzoveg::SzomszedosSzamokFixMaxEdit, sz.FixSorrend);
        });
    }
    if (Aktiv(f.SzJParosFeltetel.Allapot))
        Blokk(n, 3, "Számjegy - Páros-páratlan",
              [&] { n.Hozzaad(minMax(f.SzJParosFeltetel, " páros számjegy lehet egy számsorban.")); });
    if (Aktiv(f.SzJIsmetFeltetel.Allapot))
        Blokk(n, 3, "Számjegy - Ismétlődés", [&] { Idezet(n, " ", Tetel(b, LeirasSzoveg::SzJIsmetEdit)); });
    if (Aktiv(f.SzJTetelesFeltetel.Allapot))
        teteles(f.SzJTetelesFeltetel, "Számjegy - Tételes", " számjegy alkalmazása",
                LeirasSzoveg::SzamjegyekTetelesList);
    if (Aktiv(f.OsszegFeltetel.Allapot))
        Blokk(n, 3, "Math - Összeg", [&] {
            n.Hozzaad("  Egy számsor számainak összege minimum " + I(f.OsszegFeltetel.Min) + ", maximum " +
                      I(f.OsszegFeltetel.Max) + " lehet.");
        });
    if (Aktiv(f.SzorasFeltetel.Allapot))
        Blokk(n, 3, "Math - Szórás", [&] {
            n.Hozzaad("  Egy számsor szórása " + FormatFloatThousands(f.SzorasFeltetel.Min, 4) + " - " +
                      FormatFloatThousands(f.SzorasFeltetel.Max, 4) + "-ig terjedhet.");
        });
    const TTerjedelemFeltetel& t = f.TerjedelemFeltetel;
    if (Aktiv(t.Allapot) && (t.Fix || t.Valtozo)) {
        OldalTores(n, 2);
        n.Hozzaad("Math - Terjedelem", true);
        if (t.Fix) {
            OldalTores(n, 3);
            n.Hozzaad("  Fix tartomány");
            n.Hozzaad("    " + I(t.FixMin) + ". - " + I(t.FixMax) + ". számig terjedő számsor (" +
                      I(t.FixMax - t.FixMin + 1) + " szám) variációja.");
            if (OldalTores(n, 2))
                n.Hozzaad("");
        }
        if (t.Valtozo) {
            OldalTores(n, 3);
            n.Hozzaad("  Változó terjedelem");
            n.Hozzaad("    Minimum " + I(t.ValtozoMin) + ", maximum " + I(t.ValtozoMax) +
                      " lehet egy számsor terjedelme.");
            if (OldalTores(n, 2))
                n.Hozzaad("");
        }
    }
    if (Aktiv(f.SorozatFeltetel.Allapot)) {
        const TSorozatFeltetel& r = f.SorozatFeltetel;
        Blokk(n, 4, "Spec - Számok eloszlása\r\n  Sorozatok", [&] {
            n.Hozzaad("   " + N2(r.DbMinta) + " minta alkalmazása: egymást követő számok eloszlása");
            const std::int32_t db = std::clamp(f.SorozatSorrend ? r.MintaDbMax : r.DbMinta, 0, 10);
            for (std::int32_t i = 0; i < db; ++i) {
                const std::string s = Tetel(b, LeirasSzoveg::SorozatokTetelesList, i);
                if (s.empty())
                    continue;
                OldalTores(n, 2);
                n.Hozzaad("    " + s);
            }
            if (!f.SorozatSorrend)
                n.Hozzaad("      Minimum " + I(r.MintaDbMin) + ", maximum " + I(r.MintaDbMax) +
                          " minta fordulhat elő egy számsorban. ");
            else
                n.Hozzaad("      Az első " + I(r.MintaDbMax) + " minta sorrendje szerint teljesült eloszlások.");
        });
    }
    const TSzamsorokFeltetel& ss = f.SzamsorokFeltetel;
    if (Aktiv(ss.Allapot) && (ss.Tartomany || ss.Sorozat)) {
        OldalTores(n, 4);
        n.Hozzaad("Spec - Számsorok eloszlása", true);
        const auto resz = [&](const char* fej, const char* mi, std::int32_t db, const Byte10& mod, LeirasSzoveg lista,
                              bool tartalek) {
            if (tartalek)
                OldalTores(n, 3);
            n.Hozzaad(fej);
            n.Hozzaad("   " + N2(db) + mi);
            for (std::int32_t i = 0; i < std::clamp(db, 0, 10); ++i) {
                const std::string s = Tetel(b, lista, i);
                if (s.empty())
                    continue;
                OldalTores(n, mod[static_cast<std::size_t>(i)] ? 3 : 2);
                n.Hozzaad("    " + s);
            }
            if (OldalTores(n, 2))
                n.Hozzaad("");
        };
        if (ss.Tartomany)
            resz("  Tartományok", " tartomány alkalmazása", ss.DbTartomany, ss.Mod,
                 LeirasSzoveg::SzamsorokTartomanyokList, false);
        if (ss.Sorozat)
            resz("  Sorozatok", " minta alkalmazása", ss.DbMinta, ss.MintaMod, LeirasSzoveg::SzamsorokSorozatokList,
                 true);
    }
}

}  // namespace

std::string SzamKijelzes(const GameParams& g, std::int32_t v)
{
    return std::to_string(v > g.FoSzamKeszlet && g.FoSzamKeszlet > 0 ? g.PluszSzamKijelzes(v) : v);
}

std::string SzamSorok(const std::vector<std::string>& szamok)
{
    std::string s = std::string(12, ' ');
    for (std::size_t i = 0; i < szamok.size(); ++i) {
        if (i > 0)
            s += i % 15 == 0 ? "\r\n" + std::string(12, ' ') : std::string(" - ");
        s += Format("%2s", {szamok[i]});
    }
    return s;
}

std::string JegyArSzoveg(double ar)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, ar);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == '.')
            c = formatSettings().decimalSeparator;
    return s;
}

void VariacioInfoKiir(NyomtatasEgyseg& n, const VariacioInfoBemenet& b)
{
    const GameParams& g = b.Jatek;
    const FeltetelRekordok& f = b.Feltetelek;
    const std::string penznem =
        kPenznemNevek[static_cast<std::size_t>(std::clamp(b.PenznemIndex, 0, static_cast<std::int32_t>(kPenznemNevek.size()) - 1))];

    // 1-2: cost and the chosen numbers.
    std::string s;
    if (b.BontSzelvszam > 0) {
        const int tizedes = b.JegyAr == std::floor(b.JegyAr) ? 0 : 2;
        s = "Szelvény ára: " + JegyArSzoveg(b.JegyAr) + penznem + "     Variáció költsége: " +
            FormatFloatThousands(static_cast<double>(b.BontSzelvszam) * b.JegyAr, tizedes) + penznem;
        if (b.AllomanyVerzioSzam > 2705)
            s += "\r\n" + VariacioIdotartama(b.BontasIdotartam);
        s += "\r\n\r\n";
    }
    n.Hozzaad(s + "    Variációra kijelölt " + (g.VanPluszSzam ? "törzsszámok:" : "számok:"));
    const auto foDb = static_cast<std::size_t>(std::max(0, b.KijeloltFoSzamDb));
    n.Hozzaad(SzamSorok(Szamok(g, b.KijeloltSzamok, 0, foDb)));
    // 3: the selected extra numbers.
    if (g.VanPluszSzam && b.KijeloltPluszSzamDb > 0)
        n.Hozzaad("    Variációra kijelölt" + g.PluszSzamNev + " számok: " +
                  SzamSorok(Szamok(g, b.KijeloltSzamok, foDb, b.KijeloltSzamok.size())));
    // 4: fixed numbers in one row.
    if (!b.FixSzamok.empty()) {
        std::string fix;
        for (std::size_t i = 0; i < b.FixSzamok.size(); ++i)
            fix += (i ? " - " : "") + Format("%2s", {SzamKijelzes(g, b.FixSzamok[i])});
        n.Hozzaad("\r\nFix szám: " + fix);
    }
    // 5-6: example wheel.
    if (!b.PeldabontasInfo.empty())
        n.Hozzaad("\r\n" + b.PeldabontasInfo);
    if (b.Peldabontas) {
        const TTombByte1D& forras = b.AllandoSzamok.empty() ? b.VeletlenSzamok : b.AllandoSzamok;
        // Never more numbers than the list holds.
        const std::size_t db = std::min<std::size_t>(forras.size(), static_cast<std::size_t>(std::max(0, g.SzamsorHosszMax + 1)));
        std::string p = "\r\nPéldabontás számsora: ";
        for (std::size_t i = 0; i < db; ++i) {
            if (i > 0)
                p += static_cast<std::int32_t>(i) == g.SzamsorFoSzamDb ? "   " : " - ";
            p += SzamKijelzes(g, forras[i]);
        }
        n.Hozzaad(p);
    }
    // 7: the variation's state.
    if (!b.MNBString.empty())
        n.Hozzaad("\r\n" + b.MNBString, true);
    // 8: notes.
    const std::string S = f.FeltetelJelzo ? " és feltételek" : "";
    std::string megj;
    const std::int32_t importFelso = static_cast<std::int32_t>(b.Import_Count.size()) - 1;
    if (importFelso > 0) {
        if (b.MNBString.empty())
            megj += "\r\n";
        megj += "A variáció első " + FormatThousands(b.Import_Count[static_cast<std::size_t>(importFelso - 1)]) +
                " számsora, korábbi folyamat" + (importFelso > 1 ? "ok" : "") + " eredménye." + "\r\n" +
                "Ezekre a számsorokra, lehet nem érvényesek az alább felsorolt opciók" + S + ".";
    }
    if (b.OpcioModosulas || b.SzerkesztettVariacio)
        megj += "\r\nA variáció készítését követően, módosulhattak a listázott opciók" + S + ".";
    if (f.TalArAktiv && b.BontIdegenSzamsorDb > 0 && b.BontLottoIndex != g.LottoIndex) {
        const std::string nev = JatekNev[static_cast<std::size_t>(std::clamp(b.BontLottoIndex, 0, kJatekokSzama - 1))];
        if (!megj.empty() || b.MNBString.empty())
            megj += "\r\n";
        megj += "A variáció első " + FormatThousands(b.BontIdegenSzamsorDb) + " számsora, a(z) " + nev +
                " variációja." + "\r\n" + "A Találati arány feltétel a(z) " + nev + " adatbázisa szerint teljesült.";
    }
    if (!megj.empty())
        n.Hozzaad(megj);
    // 9: the test report.
    if (!b.PeldabontasLog.empty() && !b.TesztKihagyas) {
        n.Hozzaad("\r\n" + b.TesztFejlec, true);
        const std::size_t veg = b.PeldabontasLog.find('\n');
        if (veg != std::string::npos && veg + 1 < b.PeldabontasLog.size())
            n.Hozzaad(b.PeldabontasLog.substr(veg + 1));
    }
    // 10-12: error points and selection options.
    n.Hozzaad("\r\nHibapont: " + I(f.Hibapont));
    if (b.GyakorisagiEloszlas || b.Optimalizalt || b.VeletlenSzamsorok) {
        std::string k = "Kiválasztás: ";
        if (b.GyakorisagiEloszlas)
            k += "Gyakorisági eloszlás";
        if (b.GyakorisagiEloszlas && b.Optimalizalt)
            k += ", ";
        if (b.Optimalizalt)
            k += "Optimalizált";
        if (b.VeletlenSzamsorok)
            k += "Véletlen számsorok";
        if (b.VeletlenKiserletek > 0)
            k += std::string("\r\n") + kVeletlenTipp;
        n.Hozzaad(k);
    }
    n.Hozzaad("");
    // 13: optimisation.
    const TVariacioOpciok& o = f.VariacioOpciok;
    if (o.Optimalizalas) {
        OldalTores(n, 3);
        n.Hozzaad(o.Csokkent ? "Csökkent opció" : "Növel opció", true);
        std::string s2 = "  ";
        if (o.Feluliras)
            s2 += o.VedettSzamsorDb() < 1 ? std::string("Felülírás - ")
                                          : "Felülírás: az első " + I(o.VedettSzamsorDb()) + " számsor kivételével - ";
        if (o.Rendez)
            s2 += "Rendez - ";
        if (o.Mod)
            s2 += "Gyorskeresés - ";
        n.Hozzaad(s2 + "Mód " + I(o.Arany));
        if (OldalTores(n, 2))
            n.Hozzaad("");
    }
    // 14: the Találat option.
    if (b.TulirasBont) {
        OldalTores(n, 3);
        n.Hozzaad("Találat opció", true);
        std::string c = b.TalalatFelirat;
        if (b.TulirasSorozat)
            c += "ciklikus leválogatása";
        else if (!c.empty())
            c.pop_back();
        // The summary begins with its own blank.
        n.Hozzaad((c.starts_with(' ') ? "" : " ") + c + ".");
        if (OldalTores(n, 2))
            n.Hozzaad("");
    }
    // 15: the conditions.
    if (f.FeltetelJelzo) {
        Feltetelek(n, b);
    } else {
        OldalTores(n, 2);
        n.Hozzaad("Nincs kijelölt feltétel.");
        if (OldalTores(n, 2))
            n.Hozzaad("");
    }
    // 16: numbers that no line holds.
    if (b.BontSzelvszam > 0 && f.TalalatiAranyFeltetel.Forras == 0) {
        std::vector<std::string> fo, plusz;
        for (std::size_t i = 0; i < b.KijeloltSzamok.size(); ++i) {
            if (i < b.BontSzamGyakorisag.size() && b.BontSzamGyakorisag[i] != 0)
                continue;
            if (i >= b.BontSzamGyakorisag.size())
                continue;
            (i < foDb ? fo : plusz).push_back(SzamKijelzes(g, b.KijeloltSzamok[i]));
        }
        if (!fo.empty() || !plusz.empty()) {
            OldalTores(n, (b.KijeloltFoSzamDb + 14) / 15 + 2);
            n.Hozzaad("A teljes variáció szűrését követően");
            if (!fo.empty())
                n.Hozzaad("  " + I(static_cast<std::int64_t>(fo.size())) + (g.VanPluszSzam ? " törzsszám" : " szám") +
                          " hiányzik a variációból:" + "\r\n" + HianyzoSorok(fo));
            if (g.VanPluszSzam && !plusz.empty()) {
                OldalTores(n, static_cast<std::int32_t>((plusz.size() + 14) / 15) + 2);
                n.Hozzaad("  " + I(static_cast<std::int64_t>(plusz.size())) + g.PluszSzamNev +
                          " szám hiányzik a variációból:" + "\r\n" + HianyzoSorok(plusz));
            }
        }
    }
}

}  // namespace kvx
