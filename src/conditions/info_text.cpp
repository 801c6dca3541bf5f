#include "conditions/info_text.h"

#include <algorithm>

#include "common/delphi_format.h"
#include "conditions/distribution_conditions.h"
#include "conditions/event_conditions.h"
#include "conditions/item_conditions.h"
#include "conditions/number_pools.h"

namespace kvx {

namespace {

std::string szam(std::int64_t v) { return std::to_string(v); }

std::string N(std::int32_t v) { return Format("%2.0d", {v}); }

struct Iro {
    InfoSorok& s;
    void fej(const std::string& t) { InfoHozzaad(s, t, true); }
    void sor(const std::string& t) { InfoHozzaad(s, t); }
    void ures() { s.push_back({}); }
};

std::string esemenyMondat(const TMinMaxFeltetel& r, const char* nincs, const char* mi)
{
    if (r.Max < 1) return nincs;
    return std::string("  Egy számsorban") +
           (r.Min < r.Max ? " minimum " + szam(r.Min) + ", maximum " + szam(r.Max) : ", pontosan " + szam(r.Min)) + mi;
}

}  // namespace

void InfoHozzaad(InfoSorok& s, const std::string& bejegyzes, bool felkover)
{
    std::size_t eleje = 0;
    for (;;) {
        const std::size_t veg = bejegyzes.find("\r\n", eleje);
        s.push_back({bejegyzes.substr(eleje, veg == std::string::npos ? std::string::npos : veg - eleje), felkover});
        if (veg == std::string::npos) break;
        eleje = veg + 2;
    }
}

std::string SzamSorok(const std::vector<std::int32_t>& szamok)
{
    std::string s;
    for (std::size_t i = 0; i < szamok.size(); ++i) {
        if (i % 15 == 0) {
            if (i > 0) s += "\r\n";
            s += std::string(12, ' ');
        } else {
            s += " - ";
        }
        s += Format("%2s", {szam(szamok[i])});
    }
    return s;
}

InfoSorok VariacioInfoSorok(const InfoBemenet& be)
{
    InfoSorok sorok;
    if (!be.Jatek || !be.Listak || !be.Feltetelek || !be.Jelzok) return sorok;
    const GameParams& g = *be.Jatek;
    const SzamListak& l = *be.Listak;
    const FeltetelRekordok& f = *be.Feltetelek;
    Iro w{sorok};
    auto kijelzes = [&](std::int32_t v) { return v > g.FoSzamKeszlet ? g.PluszSzamKijelzes(v) : v; };

    // The numbers.
    std::vector<std::int32_t> fo, plusz;
    for (std::size_t i = 0; i < l.KijeloltSzamok.size(); ++i) {
        const std::int32_t v = l.KijeloltSzamok[i];
        (static_cast<std::int32_t>(i) < l.KijeloltFoSzamDb ? fo : plusz).push_back(kijelzes(v));
    }
    w.sor(std::string("    Variációra kijelölt ") + (g.VanPluszSzam ? "törzsszámok:" : "számok:"));
    if (!fo.empty()) w.sor(SzamSorok(fo));
    if (g.VanPluszSzam && !plusz.empty()) {
        w.sor("    Variációra kijelölt" + g.PluszSzamNev + " számok: ");
        w.sor(SzamSorok(plusz));
    }
    if (!l.FixSzamok.empty()) {
        std::string t = "\r\nFix szám: ";
        for (std::size_t i = 0; i < l.FixSzamok.size(); ++i)
            t += (i ? " - " : "") + Format("%2s", {szam(kijelzes(l.FixSzamok[i]))});
        w.sor(t);
    }
    w.sor("\r\nHibapont: " + szam(f.Hibapont));
    w.ures();

    if (!VanKijeloltFeltetel(f)) {
        w.sor("Nincs kijelölt feltétel.");
        w.ures();
        return sorok;
    }
    const std::int32_t k = l.VariacioFoMeret;
    auto blokk = [&](bool be_, const char* fej, auto&& torzs) {
        if (!be_) return;
        w.fej(fej);
        torzs();
        w.ures();
    };
    const TetelKornyezet te = TetelKornyezetKeszites(l, g, *be.Jelzok);
    const EsemenyKornyezet ee = EsemenyKornyezetKeszites(l, g, *be.Jelzok);

    // Distribution tab.
    const TFavFeltetel& fav = f.FavFeltetel;
    blokk(fav.Allapot, "Eloszlás - Favorizált számok", [&] {
        w.sor("  Favorizált számcsoport: " + szam(fav.ElsoIndex) + "." + " - " + szam(fav.UtolsoIndex) +
              ". számig terjed." + "\r\n" + "  A számcsoport " + szam(fav.UtolsoIndex - fav.ElsoIndex + 1) +
              " számából" + " minimum " + szam(fav.TalalatMin) + ", maximum " + szam(fav.TalalatMax) +
              " találat elérése.");
    });
    blokk(f.AllandoFeltetel.Allapot, "Eloszlás - Állandó számok", [&] {
        std::vector<std::int32_t> allFo, allPlusz;
        for (std::uint8_t v : l.AllandoSzamok) (v > g.FoSzamKeszlet ? allPlusz : allFo).push_back(kijelzes(v));
        if (!allFo.empty()) {
            w.sor("  " + szam(static_cast<std::int64_t>(allFo.size())) + " állandó " +
                  (g.VanPluszSzam ? "törzsszám: " : "szám: "));
            w.sor(SzamSorok(allFo));
        }
        if (!allPlusz.empty()) {
            w.sor("  " + szam(static_cast<std::int64_t>(allPlusz.size())) + " állandó" + g.PluszSzamNev + " szám: ");
            w.sor(SzamSorok(allPlusz));
        }
        w.sor("  Az állandó számokból minimum " + szam(f.AllandoFeltetel.Min) + ", maximum " +
              szam(f.AllandoFeltetel.Max) + " találat elérése.");
    });
    blokk(f.MobFeltetel.Allapot, "Eloszlás - Mobil számcsoportok", [&] {
        w.sor("  A mobil számcsoportok " + szam(f.MobFeltetel.Meret) + " számból állnak." + "\r\n" +
              "  Egy mobil számcsoportból, maximum " + szam(f.MobFeltetel.TalalatMax) + " találat elérése.");
    });
    blokk(f.FixFeltetel.Allapot, "Eloszlás - Fix számcsoportok", [&] {
        w.sor("  A fix számcsoportok " + szam(f.FixFeltetel.Meret) + " számból állnak." + "\r\n" +
              "  Egy fix számcsoportból, maximum " + szam(f.FixFeltetel.TalalatMax) + " találat elérése. ");
    });
    const TSzamcsoportokFeltetel& szcs = f.SzamcsoportokFeltetel;
    blokk(szcs.Allapot, "Eloszlás - Számcsoportok", [&] {
        w.sor(std::string(" ").append(N(szcs.Db)).append(" számcsoport alkalmazása"));
        for (std::int32_t i = 0; i < std::clamp(szcs.Db, 0, 10); ++i) w.sor(std::string("  ").append(SzamcsoportList(szcs, i)));
    });
    blokk(f.SzamkeszletFeltetel.Allapot, "Eloszlás - Számkészletek", [&] {
        w.sor("  Indexek tartománya");
        for (std::int32_t i = 0; i < std::min(k, 11); ++i) w.sor(std::string("  ").append(SzamokList(f.SzamkeszletFeltetel, i)));
    });

    // The item tabs, each after its tab's place in the order.
    auto tetelLap = [&](TetelLap lap, const char* cim, std::uint8_t parosAllapot, std::int32_t pMin,
                        std::int32_t pMax) {
        const std::string c = cim;
        const std::string szo = TetelSzo(lap);
        blokk(parosAllapot, (c + " - Páros-páratlan").c_str(), [&] {
            w.sor("  Minimum " + szam(pMin) + ", maximum " + szam(pMax) + " páros " + szo +
                  " lehet egy számsorban.");
        });
        TIsmetFeltetel ism = IsmetRekord(const_cast<FeltetelRekordok&>(f), lap);
        blokk(ism.Allapot, (c + " - Ismétlődés").c_str(), [&] {
            const IsmetNezet v = IsmetNormalizalas(lap, ism, te);
            w.sor(" " + v.EditTipp);
        });
        const TTetelesFeltetel& t = TetelesRekord(f, lap);
        blokk(t.Allapot, (c + " - Tételes").c_str(), [&] {
            std::string fejsor = " ";
            fejsor += N(t.Db);
            fejsor += ' ';
            fejsor += szo;
            fejsor += " alkalmazása";
            w.sor(fejsor);
            for (std::int32_t i = 0; i < std::clamp(t.Db, 0, 10); ++i) w.sor(std::string("  ").append(TetelesList(lap, t, i)));
        });
    };
    tetelLap(TetelLap::Szamcsoport, "Számcsoport", f.SzcsParosFeltetel.Allapot, f.SzcsParosFeltetel.Min,
             f.SzcsParosFeltetel.Max);
    tetelLap(TetelLap::Szamvegzodes, "Számvégződés", f.SzvParosFeltetel.Allapot, f.SzvParosFeltetel.Min,
             f.SzvParosFeltetel.Max);

    // Events tab.
    blokk(f.IkerszamFeltetel.Allapot, "Események - Ikerszám", [&] {
        w.sor(esemenyMondat(f.IkerszamFeltetel, "  Nem szerepelhet ikerszám egy számsorban.", " ikerszám szerepelhet."));
    });
    blokk(f.TukorszamFeltetel.Allapot, "Események - Tükör számpár", [&] {
        w.sor(esemenyMondat(f.TukorszamFeltetel, "  Nem szerepelhet tükör számpár egy számsorban.",
                            " tükör számpár szerepelhet."));
    });
    blokk(f.PrimszamFeltetel.Allapot, "Események - Prímszám", [&] {
        w.sor(esemenyMondat(f.PrimszamFeltetel, "  Nem szerepelhetnek prímszám egy számsorban.",
                            " prímszám szerepelhet."));
    });
    const TSzomszedosFeltetel& sz = f.SzomszedosFeltetel;
    blokk(sz.Allapot && (sz.Alt || sz.Mob || sz.Fix), "Események - Szomszédos számok", [&] {
        TSzomszedosFeltetel masolat = sz;
        const SzomszedNezet v = SzomszedosValtozas(masolat, ee);
        const std::string egyenes = "1 - " + szam(g.FoSzamKeszlet) + "-ig terjedő számegyenesen szomszédos számok.";
        const std::string kijelolt = "a variációra kijelölt számok sorrendje szerint szomszédos.";
        auto sorrend = [&](std::uint8_t b) { return "\r\n    Számsorrend: " + (b ? egyenes : kijelolt); };
        if (sz.Alt) {
            w.sor("  Egy számsorban");
            w.sor("   " + v.AltTipp + (masolat.SzomszedMax > 0 ? "\r\n   " + v.EsetTipp : std::string()) +
                  sorrend(sz.AltSorrend));
            w.ures();
        }
        if (sz.Mob) {
            w.sor("  Mobil számcsoportok");
            w.sor("   " + v.MobMeretTipp + "\r\n   " + v.MobTalalatTipp + sorrend(sz.MobSorrend));
            w.ures();
        }
        if (sz.Fix) {
            w.sor("  Fix számcsoportok");
            w.sor("   " + v.FixMeretTipp + "\r\n   " + v.FixTalalatTipp + sorrend(sz.FixSorrend));
        }
    });
    tetelLap(TetelLap::Szamjegy, "Számjegy", f.SzJParosFeltetel.Allapot, f.SzJParosFeltetel.Min,
             f.SzJParosFeltetel.Max);
    return sorok;
}

}  // namespace kvx
