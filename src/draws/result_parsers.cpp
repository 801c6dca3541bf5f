#include "draws/result_parsers.h"

#include "common/date_helpers.h"

#include "common/binary_io.h"
#include "common/text_codec.h"

#include <algorithm>
#include <filesystem>
#include <array>
#include <optional>

namespace kvx {

const char* const kFormatumValtozottUzenet =
    "A Társaság honlapján elérhető állomány formátuma megváltozott - vagy érvénytelen adatot tartalmaz.\r\n\r\n"
    "Használja az Adatbázis - Aktuális adatbázis frissítése menüpontot.";

std::string ImportHibaUzenet(const std::string& importAllomany)
{
    return "Egy/több beolvasott adat érvénytelen tartományba esik.\r\n\r\n"
           "Alternatív, felhasználói adatbázis létrehozása sikertelen.\r\n" +
           importAllomany;
}

std::string KevesebbHuzasKerdes(const std::string& nev)
{
    return nev + " állomány kevesebb húzás adatait tartalmazza, mint a húzások jelenleg aktuális listája.\r\n\r\n"
                 "Mégis felülírja a húzások jelenleg aktuális listáját?";
}

std::string GyartoKevesebbKerdes(const std::string& jatekNev)
{
    // The file is named by where it comes from: "A program honlapjáról
    // letölthető" + " állomány kevesebb ...".
    return jatekNev + " - húzásainak letöltése\r\n\r\n" + KevesebbHuzasKerdes("A program honlapjáról letölthető");
}

// ---- Dates ----

namespace {

bool Szokoev(std::int32_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

std::int32_t HonapNapjai(std::int32_t y, std::int32_t m)
{
    static constexpr std::array<std::int32_t, 12> napok{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Szokoev(y) ? 29 : napok[static_cast<std::size_t>(m - 1)];
}


}  // namespace

bool ErvenyesDatum(const Datum& d)
{
    return d.Ev >= 1 && d.Ev <= 9999 && d.Ho >= 1 && d.Ho <= 12 && d.Nap >= 1 && d.Nap <= HonapNapjai(d.Ev, d.Ho);
}

std::int32_t IsoHet(const Datum& d)
{
    if (!ErvenyesDatum(d))
        return 0;
    return IsoHet(d.Ev, d.Ho, d.Nap);
}

std::vector<std::string> SzovegSorai(std::string_view nyers)
{
    const std::string szoveg = toUtf8Detect(nyers);
    std::vector<std::string> sorok;
    std::string sor;
    bool nyitott = false;
    for (std::size_t i = 0; i < szoveg.size(); ++i) {
        const char c = szoveg[i];
        if (c == '\r' || c == '\n') {
            sorok.push_back(std::move(sor));
            sor.clear();
            nyitott = false;
            if (c == '\r' && i + 1 < szoveg.size() && szoveg[i + 1] == '\n')
                ++i;
        } else {
            sor += c;
            nyitott = true;
        }
    }
    if (nyitott)
        sorok.push_back(std::move(sor));
    return sorok;
}

bool AllomanySorai(const std::string& utvonal, std::vector<std::string>& sorok)
{
    std::vector<std::uint8_t> adat;
    if (!readWholeFile(utvonal, adat))
        return false;
    sorok = SzovegSorai(std::string_view(reinterpret_cast<const char*>(adat.data()), adat.size()));
    return true;
}

// ---- The common line grammar ----

namespace {

bool Szamjegy(char c) { return c >= '0' && c <= '9'; }

struct Kurzor {
    const std::string& s;
    std::size_t i = 0;

    bool vege() const { return i >= s.size(); }
    char c() const { return vege() ? '\0' : s[i]; }
    void atlep(std::size_t n) { i = std::min(s.size(), i + n); }
    void nemSzamjegyekAt()
    {
        while (!vege() && !Szamjegy(s[i]))
            ++i;
    }
    void szamjegyekAt()
    {
        while (!vege() && Szamjegy(s[i]))
            ++i;
    }
    std::string_view szamjegyek()
    {
        const std::size_t t = i;
        szamjegyekAt();
        return std::string_view(s).substr(t, i - t);
    }
    // Up to (not past) the next occurrence of ch; false when there is none.
    bool eddig(char ch)
    {
        const std::size_t p = s.find(ch, i);
        if (p == std::string::npos) {
            i = s.size();
            return false;
        }
        i = p;
        return true;
    }
    // A number field: non-digits skipped, then the digit run. Empty or longer
    // than two digits gives 0.
    std::int32_t szamMezo()
    {
        nemSzamjegyekAt();
        const std::string_view d = szamjegyek();
        if (d.empty() || d.size() > 2)
            return 0;
        return std::stoi(std::string(d));
    }
};

std::optional<std::int32_t> Egesz(std::string_view d, std::size_t maxHossz = 9)
{
    if (d.empty() || d.size() > maxHossz)
        return std::nullopt;
    std::int32_t v = 0;
    for (char ch : d)
        v = v * 10 + (ch - '0');
    return v;
}

// Ascending over [tol, tol + db), zeros placed after the numbers.
void Rendez(TTombInt1D& sor, std::int32_t tol, std::int32_t db)
{
    const auto b = sor.begin() + tol;
    std::sort(b, b + db, [](std::int32_t x, std::int32_t y) {
        if (x == 0 || y == 0)
            return x != 0 && y == 0;
        return x < y;
    });
}

// Sorts a row as the database keeps it: each drawing's main numbers (the
// extra-pool numbers, coded higher, end up last), its bonus numbers when
// there are several.
void SorRendezese(const GameParams& g, TTombInt1D& sor)
{
    const std::int32_t szelesseg = g.HuzottFoSzamok + g.PotSzamok;
    for (std::int32_t s = 0; s < g.SorsolasokSzama; ++s) {
        const std::int32_t tol = 3 + s * szelesseg;
        if (tol + szelesseg > static_cast<std::int32_t>(sor.size()))
            break;
        Rendez(sor, tol, g.HuzottFoSzamok);
        if (g.PotSzamok > 1)
            Rendez(sor, tol + g.HuzottFoSzamok, g.PotSzamok);
    }
}

// Position p (0-based over the row's numbers) is an extra-pool position.
bool PluszPozicio(const GameParams& g, std::int32_t p)
{
    if (!g.VanPluszSzam)
        return false;
    const std::int32_t szelesseg = g.HuzottFoSzamok + g.PotSzamok;
    const std::int32_t q = p % szelesseg;
    return q >= g.HuzottFoSzamok - g.PluszSzamDb && q < g.HuzottFoSzamok;
}

FrissitesEredmeny Hiba(std::int32_t sor = -1)
{
    FrissitesEredmeny e;
    e.HibasSor = sor;
    return e;
}

FrissitesEredmeny Elutasitva()
{
    FrissitesEredmeny e;
    e.FoablakTag = 1;
    return e;
}

FrissitesEredmeny Figyelmeztetes(std::string uzenet)
{
    FrissitesEredmeny e;
    e.Tipus = FrissitesUzenetTipus::Figyelmeztetes;
    e.Uzenet = std::move(uzenet);
    return e;
}

bool Kerdez(const FrissitesKornyezet& k, const std::string& kerdes) { return k.Kerdes && k.Kerdes(kerdes); }

// The update's answer to "fewer draws than the list in use": asked at most
// once per run, so a Yes given to one of the early questions (on the line
// counts) stands for the final count too.
struct KevesebbValasz {
    const FrissitesKornyezet& k;
    std::int32_t aktualisDb;
    bool igen = false;
    // False when db is below the current count and the user does not agree.
    bool rendben(std::int32_t db, const std::string& nev)
    {
        if (db >= aktualisDb || igen)
            return true;
        igen = Kerdez(k, KevesebbHuzasKerdes(nev));
        return igen;
    }
};

// Checks the whole new table with the loader's rules and writes it. The
// table is returned through `tabla` when it is valid. `forras` gives the
// input line of every new row, so a row the loader refuses names its line.
FrissitesEredmeny EllenorizEsIr(const FrissitesKornyezet& k, const GameParams& g, const TTombInt2D& sorok,
                                BetoltottAdatbazis& tabla, const std::vector<std::int32_t>* forras = nullptr)
{
    const std::vector<std::uint8_t> kep = AdatbazisKep(sorok, g, k.Verzio);
    const BetoltesEredmeny b = HuzasAdatbazisOlvasas(kep, g, BetoltesBeallitasok{k.AdatbazisTipus, {}}, k.AdatbazisUtvonal, tabla);
    if (!b.sikeres()) {
        FrissitesEredmeny e;
        e.Reszlet = b.Uzenet;
        if (forras && b.Huzas >= 1 && b.Huzas <= static_cast<std::int32_t>(forras->size()))
            e.HibasSor = (*forras)[static_cast<std::size_t>(b.Huzas - 1)];
        return e;
    }
    if (!(k.Iras ? k.Iras(kep) : writeFileAtomic(k.AdatbazisUtvonal, kep))) {
        FrissitesEredmeny e;
        e.Tipus = FrissitesUzenetTipus::Hiba;
        e.Uzenet = kAdatbazisMentesHiba;
        return e;
    }
    FrissitesEredmeny e;
    e.Siker = true;
    return e;
}

// Reads the number fields of one line into the row from position `tol`.
// False when a value is out of range.
bool Szamok(Kurzor& ku, const GameParams& g, TTombInt1D& sor, std::int32_t tol, std::int32_t db, bool import)
{
    for (std::int32_t p = tol; p < tol + db; ++p) {
        const std::int32_t v = ku.szamMezo();
        if (v > g.OsszesSzam)
            return false;
        std::int32_t t = v;
        if (PluszPozicio(g, p) && (!import || v <= g.FoSzamKeszlet))
            t = g.FoSzamKeszlet + g.PluszSzamEltolas + v;
        sor[static_cast<std::size_t>(3 + p)] = t;
    }
    return true;
}

// Year (KenoHU prefix) and week of a line; the cursor is left on the field
// separator after the week. False on any grammar or range error.
bool EvHet(Kurzor& ku, bool regiElso, std::size_t kihagyas, std::int32_t& ev, std::int32_t& het)
{
    if (regiElso) {
        ku.szamjegyekAt();
        ku.atlep(1);
        ku.nemSzamjegyekAt();
        if (ku.i + 4 > ku.s.size())
            return false;
        for (std::size_t j = 0; j < 4; ++j)
            if (!Szamjegy(ku.s[ku.i + j]))
                return false;
        ev = *Egesz(std::string_view(ku.s).substr(ku.i, 4));
        ku.atlep(4 + kihagyas);
    } else {
        ku.nemSzamjegyekAt();
        std::string_view d = ku.szamjegyek();
        if (d == "1900")
            d = "1995";
        const auto v = Egesz(d);
        if (!v)
            return false;
        ev = *v;
    }
    if (ev < 1901 || ev > 10000)
        return false;
    if (!ku.vege() && !Szamjegy(ku.c()))
        ku.atlep(1);
    const auto h = Egesz(ku.szamjegyek(), 2);
    if (!h || *h < 1 || *h > 53)
        return false;
    het = *h;
    return true;
}

// The number fields of a line of the user's import: how many runs of
// digits it holds and how long the longest is.
struct SzamMezok {
    std::int32_t Darab = 0;
    std::size_t Leghosszabb = 0;
};

SzamMezok SzamMezokSzamlalasa(const std::string& sor)
{
    SzamMezok m;
    std::size_t hossz = 0;
    for (char c : sor) {
        if (Szamjegy(c)) {
            if (hossz++ == 0)
                ++m.Darab;
            m.Leghosszabb = std::max(m.Leghosszabb, hossz);
        } else {
            hossz = 0;
        }
    }
    return m;
}

void MezokAt(Kurzor& ku, char elvalaszto, int db)
{
    for (int n = 0; n < db && !ku.vege(); ++n) {
        ku.atlep(1);
        ku.eddig(elvalaszto);
    }
}

}  // namespace

// ---- Hungarian, Slovak, Croatian, Keno ... and the import ----

FrissitesEredmeny HuzasokFrissitesKenoHU(const FrissitesKornyezet& k, const std::vector<std::string>& sorok,
                                         std::int32_t aktualisDb, bool import)
{
    const GameParams& g = *k.Jatek;
    const std::int32_t idx = g.LottoIndex;
    const std::int32_t n = static_cast<std::int32_t>(sorok.size());

    std::vector<std::string> loto2;
    const bool szlovak649 = idx == 4 && !import;
    // The import makes a database of its own: nothing in use is lost.
    KevesebbValasz kevesebb{k, import ? 0 : aktualisDb};
    if (szlovak649) {
        if (!k.CacheAllomany || !k.CacheAllomany("loto2.csv", loto2))
            return Hiba();
        if (!kevesebb.rendben(static_cast<std::int32_t>(loto2.size()), "A loto2.csv"))
            return Elutasitva();
        kevesebb.igen = false;  // the main file gets its own question
        if (!kevesebb.rendben(n, k.FajlNev))
            return Elutasitva();
    }

    const bool legujabbElol = !import && (idx <= 2 || g.KenoJatek);
    const std::int32_t kezdo = import || legujabbElol ? 0 : idx == 25 ? 494 : 1;
    std::int32_t kihagyottMezok = 0;
    if (idx == 0 || idx == 2)
        kihagyottMezok = 9;
    else if (idx == 1)
        kihagyottMezok = 11;
    else if (g.KenoJatek)
        kihagyottMezok = 2;
    else if (idx == 25)
        kihagyottMezok = 3;

    const std::int32_t szelesseg = g.HuzottFoSzamok + g.PotSzamok;
    const std::int32_t db = import ? szelesseg * g.SorsolasokSzama
                            : legujabbElol ? g.HuzottFoSzamok * g.SorsolasokSzama + g.PotSzamok
                                           : szelesseg;

    // The user's file is checked line by line, top to bottom, with the
    // loader's rules as well: the first line that breaks any rule is the one
    // refused, whatever a later line holds.
    GameParams alap = g;
    SorsolasMeretVisszaallitas(alap);
    HuzasRekordEllenorzes sorEllenorzes(alap, k.AdatbazisTipus);
    TTombInt1D ellenorzott;
    const auto importHiba = [&k](std::int32_t sor, std::string reszlet) {
        FrissitesEredmeny e = Hiba(sor);
        e.Tipus = FrissitesUzenetTipus::Hiba;
        e.Uzenet = ImportHibaUzenet(k.FajlNev);
        e.Reszlet = std::move(reszlet);
        return e;
    };

    TTombInt2D uj;
    std::vector<std::int32_t> forras;  // the line of every row
    for (std::int32_t lepes = 0; lepes < n - kezdo; ++lepes) {
        const std::int32_t i = legujabbElol ? n - 1 - lepes : kezdo + lepes;
        const std::int32_t sorszam = legujabbElol ? n - i : import ? i + 1 : i - (kezdo - 1);
        TTombInt1D sor(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        sor[0] = sorszam;
        Kurzor ku{sorok[static_cast<std::size_t>(i)]};
        if (import) {
            // A number of three or more digits is no number of any game, and a
            // line with more numbers than a draw holds would lose the rest: both
            // refuse the line, as a line with too few numbers is refused. After
            // the first line a user's Keno or 5/40 database draws as many
            // numbers as that line held.
            const SzamMezok m = SzamMezokSzamlalasa(sorok[static_cast<std::size_t>(i)]);
            const std::int32_t hely =
                sorEllenorzes.Rekordok() == 0 ? db : std::min(db, sorEllenorzes.Jatek().HuzottSzamok);
            if (m.Leghosszabb > 2 || m.Darab > hely)
                return importHiba(i, {});
            sor[1] = k.Ma.Ev;
            sor[2] = IsoHet(k.Ma);
        } else {
            std::int32_t ev = 0, het = 0;
            if (!EvHet(ku, !legujabbElol, 7, ev, het))
                return Hiba(i);
            sor[1] = ev;
            sor[2] = het;
            const char elvalaszto = ku.c();
            MezokAt(ku, elvalaszto, kihagyottMezok);
        }
        if (!Szamok(ku, g, sor, 0, db, import))
            return import ? importHiba(i, {}) : Hiba(i);
        if (szlovak649) {
            if (i >= static_cast<std::int32_t>(loto2.size()))
                return Hiba(i);
            Kurzor k2{loto2[static_cast<std::size_t>(i)]};
            std::int32_t ev2 = 0, het2 = 0;
            if (!EvHet(k2, true, 6, ev2, het2))
                return Hiba(i);
            if (!Szamok(k2, g, sor, szelesseg, szelesseg, false))
                return Hiba(i);
        }
        SorRendezese(g, sor);
        if (import) {
            std::string u = sorEllenorzes.Ellenoriz(HuzRekordSorbol(sor, alap.HuzottSzamok), ellenorzott);
            if (!u.empty())
                return importHiba(i, std::move(u));
        }
        uj.push_back(std::move(sor));
        forras.push_back(i);
    }
    // The whole file is rewritten: a shorter (or cut) file would drop draws.
    if (!kevesebb.rendben(static_cast<std::int32_t>(uj.size()), k.FajlNev))
        return Elutasitva();

    BetoltottAdatbazis tabla;
    FrissitesEredmeny e = EllenorizEsIr(k, g, uj, tabla, &forras);
    if (e.Siker)
        e.KilepesGombTag = static_cast<std::int32_t>(uj.size());
    else if (import && e.Uzenet.empty()) {
        e.Tipus = FrissitesUzenetTipus::Hiba;
        e.Uzenet = ImportHibaUzenet(k.FajlNev);
    }
    return e;
}

// ---- The other operators' files ----

namespace {

enum class Elotag { Semmi, NemSzamjegyek, ElsoMezo, SzamEsElvalaszto, Kalifornia, MasodikIdezojel };

struct NapSzabaly {
    bool hozzafuz = false;   // append to the table instead of rewriting the file
    bool alulrol = false;    // the newest draw is on top: processed from the bottom up
    int datum = 2;           // 0: Y M D, 1: M D Y, 2: D M Y
    Elotag elotte = Elotag::Semmi;
    int utanaMezok = 0;      // fields skipped after the date
    char honapVege = 0;      // month as a name up to this character ('-' or ' ')
    bool csakNapHo = false;  // day and month only (game 5)
    bool egyKarakter = false;// exactly one character between day and month
};

NapSzabaly Szabaly(std::int32_t idx)
{
    NapSzabaly s;
    switch (idx) {
    case 5: s = {true, false, 2, Elotag::NemSzamjegyek, 0, 0, true, true}; break;
    case 22:
    case 23: s = {false, true, 0, Elotag::ElsoMezo, 1, 0, false, false}; break;
    case 24:
    case 35:
    case 36: s = {true, true, 2, Elotag::Semmi, 0, '-', false, false}; break;
    case 26: s = {true, false, 2, Elotag::Semmi, 0, ' ', false, false}; break;
    case 27:
    case 28: s = {false, false, 1, Elotag::NemSzamjegyek, 0, 0, false, false}; break;
    case 29:
    case 38:
    case 41:
    case 42: s = {false, true, 2, Elotag::SzamEsElvalaszto, 0, 0, false, false}; break;
    case 30: s = {false, false, 2, Elotag::Semmi, 0, 0, false, false}; break;
    case 31: s = {false, true, 1, Elotag::Kalifornia, 0, ' ', false, false}; break;
    case 32:
    case 33:
    case 34: s = {false, false, 0, Elotag::MasodikIdezojel, 0, 0, false, false}; break;
    case 37: s = {false, false, 2, Elotag::Semmi, 0, 0, false, false}; break;
    case 39: s = {false, true, 1, Elotag::Semmi, 0, 0, false, false}; break;
    case 40: s = {true, true, 2, Elotag::ElsoMezo, 3, 0, false, true}; break;
    case 43: s = {false, false, 1, Elotag::Semmi, 0, 0, false, false}; break;
    default: break;
    }
    return s;
}

void ElotagAt(Kurzor& ku, Elotag e)
{
    switch (e) {
    case Elotag::Semmi: break;
    case Elotag::NemSzamjegyek: ku.nemSzamjegyekAt(); break;
    case Elotag::ElsoMezo: ku.szamjegyekAt(); ku.nemSzamjegyekAt(); break;
    case Elotag::SzamEsElvalaszto: ku.szamjegyekAt(); ku.atlep(1); break;
    case Elotag::Kalifornia:
        ku.szamjegyekAt();
        ku.atlep(1);
        if (ku.eddig('.'))
            ku.atlep(1);
        while (ku.c() == ' ')
            ku.atlep(1);
        break;
    case Elotag::MasodikIdezojel:
        for (int j = 0; j < 2; ++j)
            if (ku.eddig('"'))
                ku.atlep(1);
        break;
    }
}

std::optional<std::int32_t> HonapNevvel(Kurzor& ku, char vege, std::int32_t idx)
{
    while (!ku.vege() && (ku.c() == vege || ku.c() == ' ' || ku.c() == '-' || ku.c() == '/' || ku.c() == ','))
        ku.atlep(1);
    const std::size_t t = ku.i;
    ku.eddig(vege);
    const std::int32_t h = HonapSorszama(std::string_view(ku.s).substr(t, ku.i - t), idx);
    if (h < 1)
        return std::nullopt;
    return h;
}

// Reads the date of a line at the cursor by the game's layout.
std::optional<Datum> DatumOlvasas(Kurzor& ku, const NapSzabaly& sz, std::int32_t idx, const Datum& ma)
{
    auto resz = [&](bool elso, std::size_t maxHossz) -> std::optional<std::int32_t> {
        if (!elso)
            ku.nemSzamjegyekAt();
        return Egesz(ku.szamjegyek(), maxHossz);
    };
    auto ev = [&](bool elso) -> std::optional<std::int32_t> {
        if (!elso)
            ku.nemSzamjegyekAt();
        const std::string_view d = ku.szamjegyek();
        if (d.size() != 4)
            return std::nullopt;
        return Egesz(d);
    };
    Datum d;
    std::optional<std::int32_t> y, m, n;
    switch (sz.datum) {
    case 0:
        y = ev(true);
        m = resz(false, 2);
        n = resz(false, 2);
        break;
    case 1:
        m = sz.honapVege ? HonapNevvel(ku, sz.honapVege, idx) : resz(true, 2);
        n = resz(!sz.honapVege ? false : false, 2);
        y = ev(false);
        break;
    default:
        n = resz(true, 2);
        if (sz.honapVege) {
            m = HonapNevvel(ku, sz.honapVege, idx);
        } else if (sz.egyKarakter) {
            ku.atlep(1);
            m = resz(true, 2);
        } else {
            m = resz(false, 2);
        }
        if (sz.csakNapHo) {
            // A day and month later in the year than today belong to the
            // previous year (a December draw read in early January).
            y = ma.Ev;
            if (m && n && (*m > ma.Ho || (*m == ma.Ho && *n > ma.Nap)))
                y = ma.Ev - 1;
        } else {
            y = ev(false);
        }
        break;
    }
    if (!y || !m || !n)
        return std::nullopt;
    d = Datum{*y, *m, *n};
    if (!ErvenyesDatum(d))
        return std::nullopt;
    return d;
}

// The line holds the draw count as a whole field after a comma.
bool DbMezo(const std::string& sor, std::int32_t db)
{
    const std::string minta = "," + std::to_string(db);
    for (std::size_t p = sor.find(minta); p != std::string::npos; p = sor.find(minta, p + 1)) {
        const std::size_t v = p + minta.size();
        if (v == sor.size() || sor[v] == ',' || sor[v] == ' ' || sor[v] == '\t' || sor[v] == '"')
            return true;
    }
    return false;
}

std::int32_t Tartalmazo(const std::vector<std::string>& sorok, std::string_view minta)
{
    for (std::size_t i = 0; i < sorok.size(); ++i)
        if (sorok[i].find(minta) != std::string::npos)
            return static_cast<std::int32_t>(i);
    return -1;
}

// The date after the first field of a French line (day, month, four-digit
// year); 2000-01-01 when the line holds none.
std::optional<Datum> FranciaDatum(const std::string& sor)
{
    Kurzor ku{sor};
    ku.szamjegyekAt();
    ku.nemSzamjegyekAt();
    NapSzabaly sz = Szabaly(40);
    return DatumOlvasas(ku, sz, 40, Datum{});
}

bool Kesobbi(const Datum& a, const Datum& b)
{
    return std::tie(a.Ev, a.Ho, a.Nap) > std::tie(b.Ev, b.Ho, b.Nap);
}

}  // namespace

FrissitesEredmeny HuzasokFrissiteseNaprakesz(const FrissitesKornyezet& k, std::vector<std::string> sorok,
                                             std::int32_t aktualisDb)
{
    const GameParams& g = *k.Jatek;
    const DrawsState& d = *k.Tabla;
    const std::int32_t idx = g.LottoIndex;
    const NapSzabaly sz = Szabaly(idx);

    if (idx == 40 && aktualisDb < 1765)
        return Figyelmeztetes(
            "A Francia lottó - Húzások listája nem tartalmazza hiánytalanul az első 1765 húzás adatait.\r\n\r\n"
            "Válassza:\r\n - Adatbázis - Aktuális adatbázis frissítése menüpont\r\n"
            " - Adatbázis - Naprakész adatbázis letöltése menüpont");

    auto cache = [&](const std::string& nev, std::vector<std::string>& ki) {
        return k.CacheAllomany && k.CacheAllomany(nev, ki);
    };
    KevesebbValasz valasz{k, aktualisDb};
    auto kevesebb = [&](std::int32_t db) { return !valasz.rendben(db, k.FajlNev); };

    if (sz.alulrol && !sz.hozzafuz && idx != 22 && idx != 23 && idx != 37 && idx != 40 && idx != 41 &&
        kevesebb(static_cast<std::int32_t>(sorok.size())))
        return Elutasitva();

    // Per-game preparation of the line list.
    std::int32_t megtartott = d.HuzasokSzama;  // table rows that stay in append mode
    if (idx == 5 || idx == 26) {
        std::vector<std::string> lista;
        if (idx == 5) {
            for (auto& s : sorok)
                if (s.find("aufsteigend") != std::string::npos)
                    lista.push_back(std::move(s));
        } else {
            std::int32_t utolsoData = -1;
            for (std::size_t i = 0; i < sorok.size(); ++i)
                if (sorok[i].find("Data") != std::string::npos)
                    utolsoData = static_cast<std::int32_t>(i);
            for (std::int32_t i = static_cast<std::int32_t>(sorok.size()) - 1; i > utolsoData; --i)
                lista.push_back(sorok[static_cast<std::size_t>(i)]);
        }
        if (lista.empty())
            return Hiba();
        sorok = std::move(lista);
        megtartott = d.HuzasokSzama;
        while (megtartott > 0 && d.Huzasok[static_cast<std::size_t>(megtartott - 1)][1] >= k.Ma.Ev)
            --megtartott;
        if (megtartott + static_cast<std::int32_t>(sorok.size()) + 1 < aktualisDb)
            return Figyelmeztetes(k.FajlNev +
                                  " állomány kevesebb húzás adatait tartalmazza, mint ahány húzás óta nem frissült az adatbázis."
                                  "\r\n\r\nVálassza az Adatbázis - Aktuális adatbázis frissítése menüpontot.");
        if (d.HuzasokSzama > 0 && d.Huzasok.back()[1] < k.Ma.Ev &&
            !Kerdez(k, "A letöltött állomány az aktuális (" + std::to_string(k.Ma.Ev) +
                           ") év húzásainak adatait tartalmazza.\r\n\r\nHiánytalan a " + std::to_string(k.Ma.Ev - 1) +
                           " év húzásainak listája?\r\nBiztos frissíti az adatbázist?"))
            return Elutasitva();
    } else if (idx == 22 || idx == 23) {
        std::vector<std::string> extra;
        if (!cache(idx == 22 ? "Maxima_Results__1-402.txt" : "SuperLoto_Results__797-917.txt", extra) || sorok.empty())
            return Hiba();
        if (extra.size() >= 2)
            sorok.insert(sorok.end() - 1, extra.begin() + 1, extra.end() - 1);
        if (kevesebb(static_cast<std::int32_t>(sorok.size())))
            return Elutasitva();
    } else if (idx == 41) {
        std::vector<std::string> szerda;
        if (!cache("wednesday-lotto.csv", szerda))
            return Hiba();
        std::vector<std::string> lista;
        std::int32_t j = static_cast<std::int32_t>(szerda.size()) - 1;
        for (std::int32_t i = static_cast<std::int32_t>(sorok.size()) - 1; i >= 0; --i) {
            lista.push_back(sorok[static_cast<std::size_t>(i)]);
            if (j >= 0 && i > 0)
                lista.push_back(szerda[static_cast<std::size_t>(j--)]);
        }
        std::reverse(lista.begin(), lista.end());
        sorok = std::move(lista);
        if (kevesebb(static_cast<std::int32_t>(sorok.size()) - 1))
            return Elutasitva();
    } else if (idx == 37) {
        std::vector<std::string> regi;
        if (!cache("losa_6aus49_bis_02.12.2000.txt", regi))
            return Hiba();
        regi.insert(regi.end(), sorok.begin() + std::min<std::size_t>(1, sorok.size()), sorok.end());
        sorok = std::move(regi);
        if (kevesebb(static_cast<std::int32_t>(sorok.size())))
            return Elutasitva();
    } else if (idx == 40) {
        std::vector<std::string> super, karacsony;
        if (!cache("superloto_201907.csv", super) || !cache("lotonoel2017.csv", karacsony))
            return Hiba();
        auto hatra = [](std::vector<std::string>& v) { v.erase(v.begin(), v.begin() + std::min<std::size_t>(3, v.size())); };
        hatra(super);
        hatra(karacsony);
        const Datum alap{2000, 1, 1};
        std::size_t si = 0, ki = 0;
        auto datum = [&](const std::vector<std::string>& v, std::size_t i) -> std::optional<Datum> {
            return i < v.size() ? FranciaDatum(v[i]) : std::optional<Datum>(alap);
        };
        std::vector<std::string> lista;
        if (!sorok.empty())
            lista.push_back(sorok[0]);
        for (std::size_t i = 1; i < sorok.size(); ++i) {
            const auto d0 = FranciaDatum(sorok[i]);
            if (!d0)
                return Hiba(static_cast<std::int32_t>(i));
            for (;;) {
                const auto ds = datum(super, si), dk = datum(karacsony, ki);
                if (!ds || !dk)
                    return Hiba(static_cast<std::int32_t>(i));
                if (Kesobbi(*ds, *d0) && !Kesobbi(*dk, *ds))
                    lista.push_back(super[si++]);
                else if (Kesobbi(*dk, *d0))
                    lista.push_back(karacsony[ki++]);
                else
                    break;
            }
            lista.push_back(sorok[i]);
        }
        sorok = std::move(lista);
        if (kevesebb(static_cast<std::int32_t>(sorok.size()) - 1 + 1765))
            return Elutasitva();
        megtartott = 1765;
    }

    // Line range.
    const std::int32_t n = static_cast<std::int32_t>(sorok.size());
    std::int32_t kezd = 0, veg = 0;  // kezd processed first, veg last (inclusive)
    switch (idx) {
    case 5:
    case 26: kezd = 0; veg = n - 1; break;
    case 22:
    case 23: kezd = n - 2; veg = 1; break;
    case 24:
    case 35:
    case 36: {
        std::int32_t horgony = -1;
        for (std::int32_t i = n - 1; i >= 0 && horgony < 0; --i)
            if (DbMezo(sorok[static_cast<std::size_t>(i)], aktualisDb))
                horgony = i;
        if (horgony < 0)
            return Figyelmeztetes(k.FajlNev +
                                  " állomány kevesebb húzás adatait tartalmazza, mint ahány húzás óta nem frissült az adatbázis."
                                  "\r\n\r\nVálassza az Adatbázis - Aktuális adatbázis frissítése menüpontot.");
        if (horgony <= 1)
            return Elutasitva();
        kezd = horgony - 1;
        veg = 1;
        break;
    }
    case 27:
    case 28: kezd = Tartalmazo(sorok, idx == 27 ? "10,31,2017" : "10,7,2015"); veg = n - 1; if (kezd < 0) return Hiba(); break;
    case 29:
    case 38: kezd = Tartalmazo(sorok, idx == 29 ? "19/04/2018" : "18/10/2005"); veg = 1; if (kezd < 0) return Hiba(); break;
    case 30:
    case 32:
    case 33:
    case 34: kezd = 1; veg = n - 1; break;
    case 31: kezd = n - 1; veg = 5; break;
    case 37: kezd = 1887; veg = n - 1; break;
    case 39:
    case 40:
    case 41:
    case 42: kezd = n - 1; veg = 1; break;
    case 43: kezd = 0; veg = n - 1; break;
    default: return Hiba();
    }
    const bool lefele = !(sz.alulrol);
    if (lefele ? (idx != 5 && kezd > n - 1 && n > 0) || (n == 0 && idx != 5) : kezd < veg - 1)
        return Hiba();

    TTombInt2D uj;
    if (sz.hozzafuz)
        uj.assign(d.Huzasok.begin(), d.Huzasok.begin() + std::min(megtartott, d.HuzasokSzama));
    const std::int32_t elsoUj = static_cast<std::int32_t>(uj.size());
    const std::int32_t szamDb = g.HuzottFoSzamok + g.PotSzamok;
    for (std::int32_t i = kezd; lefele ? i <= veg : i >= veg; i += lefele ? 1 : -1) {
        if (i < 0 || i >= n)
            break;
        Kurzor ku{sorok[static_cast<std::size_t>(i)]};
        ElotagAt(ku, sz.elotte);
        const auto datum = DatumOlvasas(ku, sz, idx, k.Ma);
        if (!datum || datum->Ev < 1901 || datum->Ev > 10000)
            return Hiba(i);
        if (!ku.vege() && !Szamjegy(ku.c())) {
            const char elv = ku.c();
            ku.atlep(1);
            for (int m = 0; m < sz.utanaMezok; ++m)
                if (ku.eddig(elv))
                    ku.atlep(1);
        }
        const std::int32_t het = IsoHet(*datum);
        if (het < 1 || het > 53)
            return Hiba(i);
        TTombInt1D sor(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
        sor[1] = datum->Ev;
        sor[2] = het;
        bool eldob = false, hibas = false;
        for (std::int32_t p = 0; p < szamDb; ++p) {
            if (idx == 37 && i < 3652 && p == 6)
                ku.szamMezo();  // one field between the six numbers and the super number
            if (idx == 38 && i > 13 && p == szamDb - 1)
                break;          // later lines carry one bonus number fewer
            const std::int32_t v = ku.szamMezo();
            const bool plusz = PluszPozicio(g, p);
            const bool megengedett = (v >= 1 && v <= g.OsszesSzam) || (idx == 37 && plusz && v == 0);
            if (!megengedett) {
                if (idx == 32 || idx == 34)
                    eldob = true;
                else
                    hibas = true;
                break;
            }
            sor[static_cast<std::size_t>(3 + p)] = plusz ? g.FoSzamKeszlet + g.PluszSzamEltolas + v : v;
        }
        if (hibas)
            return Hiba(i);
        if (eldob)
            continue;
        SorRendezese(g, sor);
        uj.push_back(std::move(sor));
    }
    for (std::size_t r = static_cast<std::size_t>(sz.hozzafuz ? elsoUj : 0); r < uj.size(); ++r)
        uj[r][0] = static_cast<std::int32_t>(r) + 1;
    // Whatever the game's way, the database would end with fewer draws than
    // it holds (a shorter or cut file, dropped lines, the current year's
    // rows replaced by fewer): only after a Yes.
    if (kevesebb(static_cast<std::int32_t>(uj.size())))
        return Elutasitva();

    BetoltottAdatbazis tabla;
    FrissitesEredmeny e = EllenorizEsIr(k, g, uj, tabla);
    if (!e.Siker)
        return e;
    if (sz.hozzafuz) {
        e.KilepesGombTag = static_cast<std::int32_t>(uj.size()) + 1;
        DrawsState& cel = *k.Tabla;
        const bool betoltve = cel.AdatbazisBetoltve;
        cel = std::move(tabla.Tabla);
        cel.AdatbazisBetoltve = betoltve || cel.AdatbazisBetoltve;
    } else {
        e.KilepesGombTag = static_cast<std::int32_t>(uj.size());
    }
    return e;
}

// ---- The maker's database download ----

LetoltottAdatbazisEredmeny LetoltottAdatbazisEllenorzes(std::span<const std::uint8_t> adat, const GameParams& g,
                                                        const std::string& aktualis)
{
    LetoltottAdatbazisEredmeny e;
    BetoltottAdatbazis uj;
    const BetoltesEredmeny b = HuzasAdatbazisOlvasas(adat, g, BetoltesBeallitasok{true, {}}, aktualis, uj);
    if (!b.sikeres()) {
        e.Allapot = LetoltottAdatbazis::Ervenytelen;
        e.Uzenet = b.Uzenet;
        return e;
    }
    e.UjDb = uj.Tabla.HuzasokSzama;
    std::error_code ec;
    if (std::filesystem::exists(aktualis, ec)) {
        std::vector<std::uint8_t> regi;
        if (!readWholeFile(aktualis, regi)) {
            e.Allapot = LetoltottAdatbazis::OlvasasiHiba;
            return e;
        }
        // A database in use that the loader refuses holds no draws to lose:
        // the download is how it is mended.
        BetoltottAdatbazis r;
        if (HuzasAdatbazisOlvasas(regi, g, BetoltesBeallitasok{true, {}}, aktualis, r).sikeres())
            e.RegiDb = r.Tabla.HuzasokSzama;
    } else if (ec) {
        e.Allapot = LetoltottAdatbazis::OlvasasiHiba;
        return e;
    }
    e.Allapot = e.UjDb < e.RegiDb ? LetoltottAdatbazis::KevesebbHuzas : LetoltottAdatbazis::Csere;
    return e;
}

}  // namespace kvx
