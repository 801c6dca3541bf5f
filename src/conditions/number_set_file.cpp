#include "conditions/number_set_file.h"
#include "conditions/markers.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kvx {

const char* const kErvenytelenMeret = "Érvénytelen méretű állomány.";
const char* const kErvenytelenAltalanos =
    "Érvénytelen, sérült vagy foglalt állomány - esetleg módosult a játék számkészlete, szabályzata.";
const char* const kAllomanyNemTalalhato = "A keresett állomány nem található.";
const char* const kTalArMasikAdatbazisKerdes =
    "A beolvasott állomány egy másik adatbázisra hivatkozik.\r\n\r\n"
    "A Találati arány feltételben beállított húzások száma több mint amit a most aktuális adatbázis tartalmaz.\r\n"
    "Ha betölti az állományt, a program módosítja a Találati arány - Húzások száma határértékeket.\r\n\r\n"
    "Mégis betölti az állományt?";

namespace {

const char* const kHibaVerzio = "A verzió száma érvénytelen tartományba esik.";
const char* const kHibaJatek = "A játék kódja érvénytelen tartományba esik.";
const char* const kHibaMeret = "A számsoronként variált számok mennyisége érvénytelen tartományba esik.";
const char* const kHibaKijeloltDb = "A variációra kijelölt számok mennyisége érvénytelen tartományba esik.";
const char* const kHibaKijeloltSzam = "Az egyik variációra kijelölt szám érvénytelen tartományba esik.";
const char* const kHibaPluszDb = "A beolvasott mennyiség érvénytelen tartományba esik.";
const char* const kHibaFixDb = "A fix számok mennyisége érvénytelen tartományba esik.";
const char* const kHibaFixSzam = "Az egyik fix szám érvénytelen tartományba esik.";
const char* const kHibaAllandoDb = "Az állandó számok mennyisége érvénytelen tartományba esik.";
const char* const kHibaAllandoSzam = "Az egyik állandó szám érvénytelen tartományba esik.";
const char* const kHibaSorrend = "A számsorrendet leíró kód érvénytelen tartományba esik.";
const char* const kHibaHibapont = "A hibapont értéke érvénytelen tartományba esik.";
const char* const kHibaHuzas = "Találati arány - Húzások száma érvénytelen tartományba esik.";
const char* const kHibaVeletlenDb = "A véletlen számok mennyisége érvénytelen tartományba esik.";
const char* const kHibaVeletlenSzam = "Az egyik véletlen szám érvénytelen tartományba esik.";

constexpr std::size_t kJelzoMeret = 31;
constexpr std::int32_t kMaxHuzas = 100000;
// The divisor list of the line-range condition holds at most 2 x 1000 entries.
constexpr std::int32_t kMaxOsztoIndex = 2000;

bool tartalmaz(const TTombByte1D& v, std::uint8_t n) { return std::find(v.begin(), v.end(), n) != v.end(); }

bool ismetlodik(const TTombByte1D& v)
{
    TTombByte1D s = v;
    std::sort(s.begin(), s.end());
    return std::adjacent_find(s.begin(), s.end()) != s.end();
}

std::int32_t le32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                     (static_cast<std::uint32_t>(p[2]) << 16) |
                                     (static_cast<std::uint32_t>(p[3]) << 24));
}

// Checks of the single fields, in file order; each gives the reader's
// message or null.
const char* meretHiba(std::int32_t meret, const GameParams& g)
{
    if (meret < 1 || meret > g.SzamsorHossz) return kHibaMeret;
    // The engine divides by the varied main-pool count less one; a line of
    // fewer than 2 varied numbers is accepted only in games whose whole line
    // is a single number.
    if (meret - g.PluszSzamDb < std::min<std::int32_t>(2, g.SzamsorFoSzamDb)) return kHibaMeret;
    return nullptr;
}

const char* kijeloltDbHiba(std::int32_t db, const GameParams& g)
{
    return db < 3 || db > g.OsszesSzam ? kHibaKijeloltDb : nullptr;
}

const char* kijeloltHiba(const TTombByte1D& v, const GameParams& g)
{
    for (std::uint8_t n : v)
        if (n < 1 || n > g.OsszesSzam) return kHibaKijeloltSzam;
    if (ismetlodik(v)) return kHibaKijeloltSzam;
    std::int32_t plusz = 0;
    for (std::uint8_t n : v)
        if (n > g.FoSzamKeszlet) ++plusz;
    if (g.VanPluszSzam ? (plusz < g.PluszSzamDb || plusz > g.PluszSzamKeszlet) : plusz > 0) return kHibaPluszDb;
    return nullptr;
}

const char* fixDbHiba(std::int32_t db, std::int32_t meret, const GameParams& g)
{
    // Each count within its own limit first: a count near the int32 limit
    // must not take part in the sum.
    if (db < 0 || db > g.SzamsorHossz || meret < 0 || meret > g.SzamsorHossz) return kHibaFixDb;
    return meret + db != g.SzamsorHossz ? kHibaFixDb : nullptr;
}

const char* fixHiba(const TTombByte1D& v, const TTombByte1D& kijelolt, const GameParams& g)
{
    for (std::uint8_t n : v)
        if (n < 1 || n > g.FoSzamKeszlet || tartalmaz(kijelolt, n)) return kHibaFixSzam;
    return ismetlodik(v) ? kHibaFixSzam : nullptr;
}

const char* allandoDbHiba(std::int32_t db, const GameParams& g)
{
    return db < 0 || db > g.OsszesSzam ? kHibaAllandoDb : nullptr;
}

// Constant numbers are part of the selection.
const char* allandoHiba(const TTombByte1D& v, const TTombByte1D& kijelolt, const GameParams& g)
{
    for (std::uint8_t n : v)
        if (n < 1 || n > g.OsszesSzam || !tartalmaz(kijelolt, n)) return kHibaAllandoSzam;
    return ismetlodik(v) ? kHibaAllandoSzam : nullptr;
}

const char* sorrendHiba(std::int32_t m) { return m < 0 || m > 3 ? kHibaSorrend : nullptr; }

const char* hibapontHiba(std::int32_t h, const GameParams& g)
{
    return h < 0 || h > g.SzamsorHosszMax ? kHibaHibapont : nullptr;
}

const char* veletlenDbHiba(std::int32_t db, const GameParams& g)
{
    return db < 0 || db > g.OsszesSzam ? kHibaVeletlenDb : nullptr;
}

// Random numbers are part of the selection and never constant.
const char* veletlenHiba(const TTombByte1D& v, const SzamsorKep& kep, const GameParams& g)
{
    for (std::uint8_t n : v)
        if (n < 1 || n > g.OsszesSzam || !tartalmaz(kep.KijeloltSzamok, n) || tartalmaz(kep.AllandoSzamok, n))
            return kHibaVeletlenSzam;
    return ismetlodik(v) ? kHibaVeletlenSzam : nullptr;
}

bool dbJo(std::int32_t db) { return db >= 0 && db <= 10; }
bool aktJo(std::int32_t a) { return a >= 0 && a < 10; }

// Counts, entry indexes, item codes and divisor indexes of the records,
// which the tabs, the check and the engine use as array indexes.
bool rekordokJok(const FeltetelRekordok& f)
{
    auto teteles = [](const TTetelesFeltetel& t) {
        if (!dbJo(t.Db)) return false;
        for (std::int32_t i = 0; i < t.Db; ++i)
            if (t.Tetel[static_cast<std::size_t>(i)].Kod < 0 || t.Tetel[static_cast<std::size_t>(i)].Kod > 9)
                return false;
        return true;
    };
    if (!teteles(f.SzamcsoportTetelesFeltetel) || !teteles(f.SzamvegzodesTetelesFeltetel) ||
        !teteles(f.SzJTetelesFeltetel))
        return false;
    if (!dbJo(f.SzamcsoportokFeltetel.Db)) return false;
    const auto& ta = f.TalalatiAranyFeltetel;
    if (!dbJo(ta.DbTartomany) || !aktJo(ta.AktTartomany)) return false;
    if (!dbJo(f.SorozatFeltetel.DbMinta)) return false;
    const auto& ss = f.SzamsorokFeltetel;
    if (!dbJo(ss.DbTartomany) || !aktJo(ss.AktTartomany) || !dbJo(ss.DbMinta) || !aktJo(ss.AktMinta)) return false;
    for (std::int32_t i = 0; i < ss.DbTartomany; ++i) {
        const std::int32_t o = ss.Osztas[static_cast<std::size_t>(i)];
        if (o < 0 || o >= kMaxOsztoIndex) return false;
    }
    for (std::int32_t i = 0; i < ss.DbMinta; ++i) {
        const std::int32_t o = ss.MintaOsztas[static_cast<std::size_t>(i)];
        if (o < 0 || o >= kMaxOsztoIndex) return false;
    }
    return true;
}

// Selection positions of the selected conditions lie within the selection.
bool indexekJok(const FeltetelRekordok& f, std::int32_t kijeloltDb, std::int32_t k)
{
    auto tartomanyban = [&](std::int32_t e, std::int32_t u) { return e >= 1 && e <= u && u <= kijeloltDb; };
    auto helyen = [&](std::int32_t i) { return i >= 1 && i <= kijeloltDb; };
    if (f.FavFeltetel.Allapot && !tartomanyban(f.FavFeltetel.ElsoIndex, f.FavFeltetel.UtolsoIndex)) return false;
    const auto& t = f.TerjedelemFeltetel;
    if (t.Allapot && t.Fix && !tartomanyban(t.FixMin, t.FixMax)) return false;
    if (f.SzamkeszletFeltetel.Allapot) {
        for (std::int32_t p = 0; p < std::min<std::int32_t>(k, 11); ++p)
            if (!helyen(f.SzamkeszletFeltetel.Elso[static_cast<std::size_t>(p)]) ||
                !helyen(f.SzamkeszletFeltetel.Utolso[static_cast<std::size_t>(p)]))
                return false;
    }
    if (f.SzamcsoportokFeltetel.Allapot) {
        for (std::int32_t i = 0; i < f.SzamcsoportokFeltetel.Db; ++i) {
            const TCsoport& c = f.SzamcsoportokFeltetel.Csoport[static_cast<std::size_t>(i)];
            if (!tartomanyban(c.ElsoIndex, c.UtolsoIndex)) return false;
        }
    }
    return true;
}

void szovegIras(BinWriter& w, const char* s, std::size_t meret)
{
    const std::size_t n = std::strlen(s);
    w.u8(static_cast<std::uint8_t>(n));
    w.bytes(s, n);
    w.zeros(meret - 1 - n);
}

}  // namespace

TVerzio SzamsorFajlVerzio()
{
    constexpr TVerzio kUjFormatum{2, 8, 0, 4};
    const TVerzio p = ProgramVerzio();
    return VerzioSzamErtek(p) >= VerzioSzamErtek(kUjFormatum) ? p : kUjFormatum;
}

std::int32_t SzamsorFajlVerzioSzam() { return VerzioSzamErtek(SzamsorFajlVerzio()); }

std::int32_t VerzioSzamErtek(const TVerzio& v) { return v.major * 1000 + v.minor * 100 + v.release * 10 + v.build; }

std::string VerzioSzovegErtek(const TVerzio& v)
{
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.release) + "." +
           std::to_string(v.build);
}

SzamsorKep SzamsorKepKeszites(const SzamListak& l, const GameParams& g, const FeltetelRekordok& f,
                              std::int32_t szamsorrendMod, const SzamsorOpciok& opciok)
{
    SzamsorKep k;
    k.Verzio = SzamsorFajlVerzio();
    k.LottoIndex = g.LottoIndex;
    k.VariacioMeret = l.VariacioMeret;
    k.KijeloltSzamok = l.KijeloltSzamok;
    k.FixSzamok = l.FixSzamok;
    k.AllandoSzamok = l.AllandoSzamok;
    k.VeletlenSzamok = l.VeletlenSzamok;
    k.SzamsorrendMod = szamsorrendMod;
    k.Hibapont = f.Hibapont;
    k.FeltetelJelzo = f.FeltetelJelzo ? 1 : 0;
    k.Feltetelek = f;
    k.Opciok = opciok;
    return k;
}

void SzamsorKepIras(BinWriter& w, const SzamsorKep& kep)
{
    const TVerzio v = SzamsorFajlVerzio();
    w.i32(v.major);
    w.i32(v.minor);
    w.i32(v.release);
    w.i32(v.build);
    w.i32(kep.LottoIndex);
    w.i32(kep.VariacioMeret);
    auto lista = [&](const TTombByte1D& t) {
        w.i32(static_cast<std::int32_t>(t.size()));
        w.bytes(t.data(), t.size());
    };
    lista(kep.KijeloltSzamok);
    lista(kep.FixSzamok);
    lista(kep.AllandoSzamok);
    w.i32(kep.SzamsorrendMod);
    w.i32(kep.Hibapont);
    w.u8(kep.FeltetelJelzo);
    w.u8(static_cast<std::uint8_t>(kep.Hibapont));
    FeltetelRekordok f = kep.Feltetelek;
    f.Hibapont = static_cast<std::uint8_t>(kep.Hibapont);
    FeltetelBlokkIras(w, f);
    lista(kep.VeletlenSzamok);
    w.u8(kep.Opciok.GyakorisagiEloszlas);
    szovegIras(w, kTermekJelzo, kJelzoMeret);
    w.u8(kep.Opciok.Optimalizalt);
    w.u8(kep.Opciok.VeletlenSzamsorok);
}

std::int32_t SzamsorJatekIndex(std::span<const std::uint8_t> data)
{
    BinReader rd(data);
    TVerzio v;
    rd.i32(v.major);
    rd.i32(v.minor);
    rd.i32(v.release);
    rd.i32(v.build);
    std::int32_t j = rd.i32();
    if (!rd.ok()) return -1;
    for (std::int32_t p : {v.major, v.minor, v.release, v.build})
        if (p < 0 || p > 10) return -1;
    if (VerzioSzamErtek(v) < 2000) {
        if (j < 5) return -1;
        j -= 5;
    }
    return j >= 0 && j < kJatekokSzama ? j : -1;
}

namespace {

// Where the two older hit-ratio record layouts keep their one range.
struct RegiTalalatiAranyHelyek {
    std::size_t Tipus, TalalatMin, TalalatMax, Forras, ElsoHuzas, UtolsoHuzas;
};

// An older hit-ratio record becomes the current one with a single range.
void regiTalalatiArany(TTalalatiAranyFeltetel& ta, const std::uint8_t* r, const RegiTalalatiAranyHelyek& h)
{
    ta.Allapot = r[0];
    ta.DbTartomany = 1;
    ta.AktTartomany = 0;
    ta.Tipus[0] = r[h.Tipus];
    ta.TalalatMin[0] = le32(&r[h.TalalatMin]);
    ta.TalalatMax[0] = le32(&r[h.TalalatMax]);
    ta.PBMin[0] = 0;
    ta.PBMax[0] = 0;
    ta.Forras = r[h.Forras];
    ta.ElsoHuzas[0] = le32(&r[h.ElsoHuzas]);
    ta.UtolsoHuzas[0] = le32(&r[h.UtolsoHuzas]);
}

}  // namespace


namespace {

// Reads the condition records of a file of version V >= 2000 into f,
// converting the layouts of older versions. False on a short file; a value
// that cannot be converted sets `ervenytelen` (the records are read on).
bool rekordokOlvasasa(BinReader& rd, std::int32_t V, std::int32_t k, FeltetelRekordok& f,
                      std::string& szomszedFigyelmeztetes, const std::string& verzio, bool& ervenytelen)
{
    auto paros = [&](TParosFeltetel& p) {
        if (!RekordOlvasas(rd, p)) return false;
        if (V < 2500 && p.Jelzo == 0) {
            // A line of k numbers holds 0..k of either parity; anything else
            // is a damaged file, and mirroring it could overflow.
            if (p.Min < 0 || p.Min > k || p.Max < 0 || p.Max > k) {
                ervenytelen = true;
                return true;
            }
            // Old files counted the other parity: both limits mirror, and the
            // order of the limits turns round with them.
            const std::int32_t mn = p.Min, mx = p.Max;
            p.Min = k - mx;
            p.Max = k - mn;
        }
        return true;
    };
    auto ismet = [&](TIsmetFeltetel& r, std::array<std::uint8_t, 12>& regi) {
        if (V >= 2433) return RekordOlvasas(rd, r);
        if (!rd.bytes(regi.data(), regi.size())) return false;
        r.Allapot = regi[0];
        r.Szama = regi[1];
        r.Min = le32(&regi[4]);
        r.Max = le32(&regi[8]);
        r.CsakTobb = 0;
        return true;
    };

    if (!RekordOlvasas(rd, f.FavFeltetel) || !RekordOlvasas(rd, f.MobFeltetel) ||
        !RekordOlvasas(rd, f.FixFeltetel))
        return false;
    if (!paros(f.SzcsParosFeltetel) || !ismet(f.SzcsIsmetFeltetel, f.RegiSzcsIsmetFeltetel)) return false;

    TTalalatiAranyFeltetel& ta = f.TalalatiAranyFeltetel;
    if (V >= 2760) {
        if (!RekordOlvasas(rd, ta)) return false;
        ta.AktTartomany = 0;
    } else if (V <= 2320) {
        auto& r = f.RegiTalalatiAranyFeltetel;
        if (!rd.bytes(r.data(), r.size())) return false;
        regiTalalatiArany(ta, r.data(), {1, 4, 8, 12, 16, 20});
    } else {
        auto& r = f.RegiTalalatiAranyFeltetel2;
        if (!rd.bytes(r.data(), r.size())) return false;
        regiTalalatiArany(ta, r.data(), {12, 24, 64, 104, 108, 148});
    }

    if (!paros(f.SzvParosFeltetel) || !ismet(f.SzvIsmetFeltetel, f.RegiSzvIsmetFeltetel)) return false;
    if (!RekordOlvasas(rd, f.OsszegFeltetel) || !RekordOlvasas(rd, f.IkerszamFeltetel) ||
        !RekordOlvasas(rd, f.TukorszamFeltetel))
        return false;

    if (V > 2016) {
        if (!RekordOlvasas(rd, f.SzorasFeltetel)) return false;
    } else {
        auto& r = f.RegiSzorasFeltetel;
        if (!rd.bytes(r.data(), r.size())) return false;
        f.SzorasFeltetel.Allapot = r[0];
        f.SzorasFeltetel.Min = static_cast<float>(le32(&r[4]));
        f.SzorasFeltetel.Max = static_cast<float>(le32(&r[8]));
    }

    if (V > 2420) {
        if (!RekordOlvasas(rd, f.TerjedelemFeltetel)) return false;
    } else {
        auto& r = f.RegiTerjedelemFeltetel;
        if (!rd.bytes(r.data(), r.size())) return false;
        f.TerjedelemFeltetel.Allapot = r[0];
        f.TerjedelemFeltetel.Fix = r[0];
        f.TerjedelemFeltetel.FixMin = le32(&r[4]);
        f.TerjedelemFeltetel.FixMax = le32(&r[8]);
    }

    if (!RekordOlvasas(rd, f.PrimszamFeltetel)) return false;
    if (V >= 2200 && !RekordOlvasas(rd, f.SzamcsoportokFeltetel)) return false;

    if (V >= 2500) {
        if (!RekordOlvasas(rd, f.SzomszedosFeltetel)) return false;
    } else if (V >= 2310) {
        auto& r = f.RegiSzomszedosFeltetel;
        if (!rd.bytes(r.data(), r.size())) return false;
        TSzomszedosFeltetel& s = f.SzomszedosFeltetel;
        s.Allapot = r[0];
        s.Alt = r[1];
        s.SzomszedMin = r[2] ? le32(&r[4]) : 2;
        s.SzomszedMax = le32(&r[4]);
        s.EsetMin = r[8] ? le32(&r[12]) : 1;
        s.EsetMax = le32(&r[12]);
        s.AltSorrend = r[16];
        s.Mob = r[17];
        s.MobMeret = le32(&r[20]);
        s.MobTalalatMax = le32(&r[24]);
        s.MobSorrend = r[28];
        s.Fix = r[29];
        s.FixMeret = le32(&r[32]);
        s.FixTalalatMax = le32(&r[36]);
        s.FixSorrend = r[40];
        // The tail of the old layout lands in the bytes that follow.
        s.pad4[0] = r[41];
        std::memcpy(&s.Tartalek[0], &r[44], 8);
        s.Tartalek[8] = r[52];
        if (r[0])
            szomszedFigyelmeztetes =
                "A " + verzio + " verzió állományát tölti be." + "\r\n\r\n" +
                "A Szomszédos számok feltételek beállításai és azok értelmezési tartománya, a 2.5.0.0 verzióval "
                "módosult." +
                "\r\n" + "Ezért előfordulhat, hogy a most betöltött beállításokat alkalmazva, eltérő mennyiségű "
                         "számsort eredményez a " +
                VerzioSzoveg() + " verzióval készített variáció." + "\r\n\r\n" +
                "Vizsgálja felül a Szomszédos számok feltételek beállításait.";
    }

    if (V >= 2311 && !rd.u8(f.TalArAdatbazisTipus)) return false;
    if (V >= 2340 && !RekordOlvasas(rd, f.AllandoFeltetel)) return false;

    if (V >= 2500) {
        if (!RekordOlvasas(rd, f.SzamcsoportTetelesFeltetel) || !RekordOlvasas(rd, f.SzamvegzodesTetelesFeltetel) ||
            !RekordOlvasas(rd, f.SzJTetelesFeltetel) || !RekordOlvasas(rd, f.SorozatFeltetel))
            return false;
        if (V < 2804) f.SorozatFeltetel.Minta[0].Tartalek = 0;
        f.SorozatSorrend = f.SorozatFeltetel.Minta[0].Tartalek > 0 && f.SorozatFeltetel.MintaDbMax > 1;
        if (!RekordOlvasas(rd, f.SzJParosFeltetel) || !RekordOlvasas(rd, f.SzJIsmetFeltetel)) return false;
        if (V >= 2600 &&
            (!RekordOlvasas(rd, f.SzamkeszletFeltetel) || !RekordOlvasas(rd, f.SzamsorokFeltetel)))
            return false;
    }
    return true;
}

// The 212-byte condition block of files older than 2.0.
void regiFeltetelekAtvetele(FeltetelRekordok& f)
{
    const auto& r = f.RegiFeltetelek;
    auto i32 = [&](std::size_t o) { return le32(&r[o]); };
    f.Hibapont = r[0];
    f.FavFeltetel.Allapot = r[4];
    f.FavFeltetel.ElsoIndex = i32(8);
    f.FavFeltetel.UtolsoIndex = i32(12);
    f.FavFeltetel.TalalatMin = i32(16);
    f.FavFeltetel.TalalatMax = i32(20);
    f.MobFeltetel.Allapot = r[24];
    f.MobFeltetel.Meret = i32(28);
    f.MobFeltetel.TalalatMax = i32(32);
    f.FixFeltetel.Allapot = r[36];
    f.FixFeltetel.Meret = i32(40);
    f.FixFeltetel.TalalatMax = i32(44);
    f.SzcsParosFeltetel.Allapot = r[48];
    f.SzcsParosFeltetel.Min = i32(52);
    f.SzcsParosFeltetel.Max = i32(56);
    f.SzcsIsmetFeltetel.Allapot = r[72];
    f.SzcsIsmetFeltetel.Szama = r[73];
    f.SzcsIsmetFeltetel.Min = i32(76);
    f.SzcsIsmetFeltetel.Max = i32(80);
    f.TalalatiAranyFeltetel.Allapot = r[92];
    f.TalalatiAranyFeltetel.DbTartomany = 1;
    f.TalalatiAranyFeltetel.AktTartomany = 0;
    f.TalalatiAranyFeltetel.Tipus[0] = r[93];
    f.TalalatiAranyFeltetel.TalalatMin[0] = i32(96);
    f.TalalatiAranyFeltetel.TalalatMax[0] = i32(100);
    f.TalalatiAranyFeltetel.Forras = r[104];
    f.SzvParosFeltetel.Allapot = r[108];
    f.SzvParosFeltetel.Min = i32(112);
    f.SzvParosFeltetel.Max = i32(116);
    f.SzvIsmetFeltetel.Allapot = r[132];
    f.SzvIsmetFeltetel.Szama = r[133];
    f.SzvIsmetFeltetel.Min = i32(136);
    f.SzvIsmetFeltetel.Max = i32(140);
    f.OsszegFeltetel.Allapot = r[152];
    f.OsszegFeltetel.Min = i32(156);
    f.OsszegFeltetel.Max = i32(160);
    f.IkerszamFeltetel.Allapot = r[172];
    f.IkerszamFeltetel.Min = i32(176);
    f.IkerszamFeltetel.Max = i32(180);
    f.TukorszamFeltetel.Allapot = r[192];
    f.TukorszamFeltetel.Min = i32(196);
    f.TukorszamFeltetel.Max = i32(200);
}

}  // namespace

SzamsorOlvasasEredmeny SzamsorKepOlvasas(std::span<const std::uint8_t> data, const std::string& allomanyNev,
                                         const SzamsorOlvasasKornyezet& env)
{
    SzamsorOlvasasEredmeny e;
    const GameParams& g = *env.Jatek;
    SzamsorKep& kep = e.Kep;
    kep.Feltetelek = *env.Feltetelek;
    FeltetelRekordok& f = kep.Feltetelek;

    auto meretHibaVege = [&]() {
        e.HibaFajta = SzamsorHiba::Meret;
        e.Hiba = kErvenytelenMeret;
        e.Uzenet = ervenytelenAllomanySzoveg(allomanyNev, kErvenytelenMeret, false);
        return e;
    };
    // The old condition block of a file older than 2.0 has been read.
    bool regiBlokk = false;
    auto tartomanyHiba = [&](const char* szoveg) {
        e.HibaFajta = SzamsorHiba::Tartomany;
        e.Hiba = szoveg;
        // A refused file older than 2.0 whose conditions were on, the hit
        // ratio among them: its condition settings go with it, and the
        // message says so.
        const bool talArTorolve = regiBlokk && kep.FeltetelJelzo && f.RegiFeltetelek[92] != 0;
        e.Uzenet = ervenytelenAllomanySzoveg(allomanyNev,
                                             e.VariacioVerzio + " verzió állománya" + "\r\n\r\n" + szoveg +
                                                 (talArTorolve ? "\r\nA feltételek beállításai törlésre kerültek." : ""),
                                             false);
        return e;
    };

    if (data.size() < kSzamsorMinimalisMeret) return meretHibaVege();
    BinReader rd(data);

    // Version.
    if (!rd.has(16)) return meretHibaVege();
    rd.i32(kep.Verzio.major);
    rd.i32(kep.Verzio.minor);
    rd.i32(kep.Verzio.release);
    rd.i32(kep.Verzio.build);
    for (std::int32_t p : {kep.Verzio.major, kep.Verzio.minor, kep.Verzio.release, kep.Verzio.build})
        if (p < 0 || p > 10) return tartomanyHiba(kHibaVerzio);
    e.VariacioVerzio = VerzioSzovegErtek(kep.Verzio);
    const std::int32_t V = VerzioSzamErtek(kep.Verzio);
    e.AllomanyVerzioSzam = V;
    if (V > env.ProgramVerzioSzam) e.Figyelmeztetesek.push_back(ujabbVerzioAllomanySzoveg(VerzioSzoveg(), e.VariacioVerzio));

    // Game.
    if (!rd.has(4)) return meretHibaVege();
    std::int32_t jatek = rd.i32();
    f.TalArAdatbazisTipus = 1;
    if (V < 2000) {
        if (jatek < 5) return tartomanyHiba(kHibaJatek);
        jatek -= 5;
    }
    if (jatek < 0 || jatek >= kJatekokSzama) return tartomanyHiba(kHibaJatek);
    kep.LottoIndex = jatek;
    e.JatekIndex = jatek;
    if (jatek != g.LottoIndex) {
        e.HibaFajta = SzamsorHiba::MasikJatek;
        e.Hiba = "Nem az aktuális játékhoz tartozó állomány";
        e.Uzenet = masikJatekAllomanySzoveg(allomanyNev, true, jatek);
        return e;
    }

    auto lista = [&](TTombByte1D& t, std::int32_t db) {
        if (!rd.has(static_cast<std::size_t>(db))) return false;
        t.resize(static_cast<std::size_t>(db));
        return rd.bytes(t.data(), t.size());
    };

    // Variation size and the selected numbers.
    if (!rd.has(4)) return meretHibaVege();
    kep.VariacioMeret = rd.i32();
    if (const char* h = meretHiba(kep.VariacioMeret, g)) return tartomanyHiba(h);
    if (!rd.has(4)) return meretHibaVege();
    std::int32_t db = rd.i32();
    if (const char* h = kijeloltDbHiba(db, g)) return tartomanyHiba(h);
    if (!lista(kep.KijeloltSzamok, db)) return meretHibaVege();
    if (const char* h = kijeloltHiba(kep.KijeloltSzamok, g)) return tartomanyHiba(h);

    // Fixed numbers.
    if (!rd.has(4)) return meretHibaVege();
    db = rd.i32();
    if (const char* h = fixDbHiba(db, kep.VariacioMeret, g)) return tartomanyHiba(h);
    if (!lista(kep.FixSzamok, db)) return meretHibaVege();
    if (const char* h = fixHiba(kep.FixSzamok, kep.KijeloltSzamok, g)) return tartomanyHiba(h);

    // Constant numbers.
    if (!rd.has(4)) return meretHibaVege();
    db = rd.i32();
    if (const char* h = allandoDbHiba(db, g)) return tartomanyHiba(h);
    if (!lista(kep.AllandoSzamok, db)) return meretHibaVege();
    if (const char* h = allandoHiba(kep.AllandoSzamok, kep.KijeloltSzamok, g)) return tartomanyHiba(h);

    // Number order and error points.
    if (!rd.has(4)) return meretHibaVege();
    kep.SzamsorrendMod = rd.i32();
    if (const char* h = sorrendHiba(kep.SzamsorrendMod)) return tartomanyHiba(h);
    if (!rd.has(4)) return meretHibaVege();
    kep.Hibapont = rd.i32();
    if (const char* h = hibapontHiba(kep.Hibapont, g)) return tartomanyHiba(h);
    f.Hibapont = static_cast<std::uint8_t>(kep.Hibapont);

    // Conditions.
    if (!rd.has(1)) return meretHibaVege();
    kep.FeltetelJelzo = rd.u8();
    const std::int32_t k = kep.VariacioMeret - g.PluszSzamDb;
    std::string szomszed;
    if (V >= 2000) {
        if (!rd.has(1)) return meretHibaVege();
        rd.skip(1);  // the error points again as a byte; the range-checked int32 above counts
        bool ervenytelen = false;
        if (!rekordokOlvasasa(rd, V, k, f, szomszed, e.VariacioVerzio, ervenytelen)) return meretHibaVege();
        if (ervenytelen) return tartomanyHiba(kErvenytelenAltalanos);
    } else {
        if (!rd.has(f.RegiFeltetelek.size())) return meretHibaVege();
        rd.bytes(f.RegiFeltetelek.data(), f.RegiFeltetelek.size());
        regiBlokk = true;
        regiFeltetelekAtvetele(f);
        kep.Hibapont = f.Hibapont;
        if (const char* h = hibapontHiba(kep.Hibapont, g)) return tartomanyHiba(h);
    }
    if (!rekordokJok(f) || !indexekJok(f, static_cast<std::int32_t>(kep.KijeloltSzamok.size()), k))
        return tartomanyHiba(kErvenytelenAltalanos);

    // The hit-ratio condition and the draws database.
    const bool talArAktiv = kep.FeltetelJelzo && f.TalalatiAranyFeltetel.Allapot;
    if (talArAktiv && !env.AdatbazisBetoltve) {
        e.HibaFajta = SzamsorHiba::HianyzoHuzasLista;
        e.Hiba = kHianyzoHuzasLista;
        e.Uzenet = kHianyzoHuzasLista;
        return e;
    }
    if (V < 2000) {
        if (!rd.has(8)) return meretHibaVege();
        const std::int32_t elso = rd.i32();
        const std::int32_t utolso = rd.i32();
        if (elso < 1 || elso > kMaxHuzas || utolso < 1 || utolso > kMaxHuzas) return tartomanyHiba(kHibaHuzas);
        const auto a = static_cast<std::size_t>(f.TalalatiAranyFeltetel.AktTartomany);
        f.TalalatiAranyFeltetel.ElsoHuzas[a] = elso;
        f.TalalatiAranyFeltetel.UtolsoHuzas[a] = utolso;
    }
    if (talArAktiv) {
        const auto& ta = f.TalalatiAranyFeltetel;
        for (std::int32_t i = 0; i < ta.DbTartomany; ++i) {
            const auto u = static_cast<std::size_t>(i);
            if (ta.ElsoHuzas[u] > env.HuzasokSzama || ta.UtolsoHuzas[u] > env.HuzasokSzama) e.TalArKerdes = true;
        }
    }

    // The rest.
    if (V >= 1230) {
        if (!rd.has(4)) return meretHibaVege();
        db = rd.i32();
        if (const char* h = veletlenDbHiba(db, g)) return tartomanyHiba(h);
        if (!lista(kep.VeletlenSzamok, db)) return meretHibaVege();
        if (const char* h = veletlenHiba(kep.VeletlenSzamok, kep, g)) return tartomanyHiba(h);
    }
    if (V >= 1310) {
        if (!rd.has(1)) return meretHibaVege();
        kep.Opciok.GyakorisagiEloszlas = rd.u8();
    }
    if (V >= 2000) {
        if (!rd.has(kJelzoMeret + 1)) return meretHibaVege();
        rd.skip(kJelzoMeret);
        kep.Opciok.Optimalizalt = rd.u8();
    }
    if (V >= 2610) {
        if (!rd.has(1)) return meretHibaVege();
        kep.Opciok.VeletlenSzamsorok = rd.u8();
    }

    if (!szomszed.empty()) e.Figyelmeztetesek.push_back(szomszed);
    if (V >= 2311 && talArAktiv && (f.TalArAdatbazisTipus != 0) != env.AdatbazisTipus) {
        e.Figyelmeztetesek.push_back(
            std::string("A most betöltött Találati arány feltétel") +
            (f.TalArAdatbazisTipus ? ", a Kavarex adatbázisát használta.\r\n\r\nJelenleg egy felhasználói adatbázis aktív."
                                   : ", egy felhasználói adatbázist használt.\r\n\r\nJelenleg a Kavarex adatbázisa aktív."));
    }
    // A file never holds an extension in progress at this point: a
    // variation of drawn lines is told by its hit-ratio source alone.
    SetFeltetelJelzo(f, kep.FeltetelJelzo != 0, false);
    e.Vege = rd.pos();
    e.Ok = true;
    return e;
}

std::string SzamsorKepEllenorzes(const SzamsorKep& kep, const GameParams& g)
{
    auto szam = [](std::size_t n) { return static_cast<std::int32_t>(n); };
    const char* h = nullptr;
    if (kep.LottoIndex != g.LottoIndex) return kHibaJatek;
    if ((h = meretHiba(kep.VariacioMeret, g))) return h;
    if ((h = kijeloltDbHiba(szam(kep.KijeloltSzamok.size()), g))) return h;
    if ((h = kijeloltHiba(kep.KijeloltSzamok, g))) return h;
    if ((h = fixDbHiba(szam(kep.FixSzamok.size()), kep.VariacioMeret, g))) return h;
    if ((h = fixHiba(kep.FixSzamok, kep.KijeloltSzamok, g))) return h;
    if ((h = allandoDbHiba(szam(kep.AllandoSzamok.size()), g))) return h;
    if ((h = allandoHiba(kep.AllandoSzamok, kep.KijeloltSzamok, g))) return h;
    if ((h = sorrendHiba(kep.SzamsorrendMod))) return h;
    if ((h = hibapontHiba(kep.Hibapont, g))) return h;
    if (!rekordokJok(kep.Feltetelek) ||
        !indexekJok(kep.Feltetelek, szam(kep.KijeloltSzamok.size()), kep.VariacioMeret - g.PluszSzamDb))
        return kErvenytelenAltalanos;
    if ((h = veletlenDbHiba(szam(kep.VeletlenSzamok.size()), g))) return h;
    if ((h = veletlenHiba(kep.VeletlenSzamok, kep, g))) return h;
    return {};
}

void TalalatiAranyIllesztes(TTalalatiAranyFeltetel& t, std::int32_t huzasokSzama)
{
    if (huzasokSzama < 1) return;
    for (std::size_t i = 0; i < t.ElsoHuzas.size(); ++i) {
        t.UtolsoHuzas[i] = std::clamp(t.UtolsoHuzas[i], 1, huzasokSzama);
        // A range cut down to the database keeps two draws where it can.
        if (t.ElsoHuzas[i] > t.UtolsoHuzas[i])
            t.ElsoHuzas[i] = std::max(t.UtolsoHuzas[i] - 1, 1);
        t.ElsoHuzas[i] = std::max(t.ElsoHuzas[i], 1);
    }
}

void SzamsorKepAlkalmazas(const SzamsorKep& kep, SzamListak& l, const GameParams& g, MainState& ms,
                          FeltetelRekordok& f)
{
    l.KijeloltSzamok = kep.KijeloltSzamok;
    l.FixSzamok = kep.FixSzamok;
    l.AllandoSzamok = kep.AllandoSzamok;
    l.VeletlenSzamok = kep.VeletlenSzamok;
    // The file's order is the one its lines point into: the ticket's refresh
    // leaves it alone until the load has ended.
    l.SzamsorrendAlkalmaz = false;
    VariacioMeretBeallitas(l, g, kep.VariacioMeret);
    PluszSzamokAVegere(l, g, ms);
    f = kep.Feltetelek;
    f.Hibapont = static_cast<std::uint8_t>(kep.Hibapont);
    // Whether the body's rows are drawn lines or selection indexes follows
    // from the conditions, before the body is read.
    SetFeltetelJelzo(f, kep.FeltetelJelzo != 0, false);
}

bool SzamsorMentese(const std::string& nev, const SzamsorKep& kep, std::string& uzenet)
{
    BinWriter w;
    SzamsorKepIras(w, kep);
    if (writeFileAtomic(nev, std::span<const std::uint8_t>(w.data()))) return true;
    uzenet = allomanyHibaSzoveg(0, 1, "");
    return false;
}

SzamsorOlvasasEredmeny SzamsorBetoltese(const std::string& nev, const SzamsorOlvasasKornyezet& env,
                                        std::vector<std::uint8_t>* adat)
{
    std::error_code ec;
    std::vector<std::uint8_t> sajat;
    std::vector<std::uint8_t>& d = adat ? *adat : sajat;
    d.clear();
    if (!std::filesystem::exists(nev, ec)) {
        SzamsorOlvasasEredmeny r;
        r.HibaFajta = SzamsorHiba::Meret;
        r.Hiba = kAllomanyNemTalalhato;
        r.Uzenet = ervenytelenAllomanySzoveg(nev, kAllomanyNemTalalhato, false);
        return r;
    }
    if (!readWholeFile(nev, d)) {
        SzamsorOlvasasEredmeny r;
        r.HibaFajta = SzamsorHiba::Meret;
        r.Hiba = allomanyHibaSzoveg(0, 0, "");
        r.Uzenet = r.Hiba;
        return r;
    }
    return SzamsorKepOlvasas(d, nev, env);
}

}  // namespace kvx
