#include "app/messages.h"

#include <algorithm>
#include <cmath>

#include "app/game_table.h"
#include "common/text_codec.h"

namespace kvx {

namespace {

#define KVX_STR2(x) #x
#define KVX_STR(x) KVX_STR2(x)

}  // namespace

std::string UzenetBeallitasok::defaultVerzioSzoveg()
{
    return KVX_STR(KAVAREX_VERSION_MAJOR) "." KVX_STR(KAVAREX_VERSION_MINOR) "." KVX_STR(
        KAVAREX_VERSION_PATCH) "." KVX_STR(KAVAREX_VERSION_TWEAK);
}

UzenetLeiras uzenetLeiras(UzenetRutin rutin)
{
    switch (rutin) {
    case UzenetRutin::HibaUzenet:
        return {" Hiba", UzenetTipus::Hiba, GombOk, mrOk, -1, 0x10};
    case UzenetRutin::HibaKerdes:
        return {" Hiba", UzenetTipus::Hiba, GombIgen | GombNem, mrYes, -1, 0x114};
    case UzenetRutin::FigyelmeztetoKerdes:
        return {" Figyelmeztetés", UzenetTipus::Figyelmeztetes, GombIgen | GombNem, mrYes, -1,
                0x134};
    case UzenetRutin::FigyelmeztetoUzenet:
        return {" Figyelmeztetés", UzenetTipus::Figyelmeztetes, GombOk, mrOk, -1, 0x30};
    case UzenetRutin::JovahagyasKerese:
        return {" Jóváhagyás kérése", UzenetTipus::Jovahagyas, GombIgen | GombNem, mrYes, -1,
                0x124};
    case UzenetRutin::JovahagyasKerdes:
        return {" Jóváhagyás kérése", UzenetTipus::Jovahagyas, GombIgen | GombNem, mrYes, 4,
                0x124};
    case UzenetRutin::IgenNemMegseKerdes:
        return {" Jóváhagyás kérése", UzenetTipus::Jovahagyas, GombIgen | GombNem | GombMegse,
                mrCancel, 3, 0x223};
    case UzenetRutin::InformacioUzenet:
        return {" Információ", UzenetTipus::Informacio, GombOk, mrOk, -1, 0x40};
    case UzenetRutin::HasznosInformacio:
        return {" Hasznos információ", UzenetTipus::Informacio, GombIgen | GombNem, mrYes, -1,
                0x144};
    }
    return {" Hiba", UzenetTipus::Hiba, GombOk, mrOk, -1, 0x10};
}

const char* gombFelirat(UzenetGomb gomb)
{
    switch (gomb) {
    case GombIgen: return "Igen";
    case GombNem: return "Nem";
    case GombOk: return "OK";
    case GombMegse: return "Mégse";
    }
    return "";
}

int gombEredmeny(UzenetGomb gomb)
{
    switch (gomb) {
    case GombIgen: return mrYes;
    case GombNem: return mrNo;
    case GombOk: return mrOk;
    case GombMegse: return mrCancel;
    }
    return mrCancel;
}

namespace {
constexpr std::array<UzenetGomb, 4> kGombSorrend = {GombIgen, GombNem, GombOk, GombMegse};
}

int gombokSzama(std::uint16_t gombok)
{
    int n = 0;
    for (UzenetGomb g : kGombSorrend)
        if (gombok & g) ++n;
    return n;
}

UzenetGomb gombSorrendben(std::uint16_t gombok, int index)
{
    int n = 0;
    for (UzenetGomb g : kGombSorrend) {
        if (!(gombok & g)) continue;
        if (n == index) return g;
        ++n;
    }
    return GombOk;
}

int sikertelenEredmeny(std::uint16_t gombok)
{
    const int n = gombokSzama(gombok);
    if (n == 0) return mrCancel;
    return gombEredmeny(gombSorrendben(gombok, n - 1));
}

const char* const kEmlekeztetoKerdes = "Erre legközelebb is emlékeztesse a program?";
const char* const kMegnyitasTipp =
    "Elsőként azt a könyvtárat nyitja meg a program, ahonnan utoljára töltötte be az aktuális játék "
    "állományát.\r\nAmennyiben ez az útvonal nem felel meg, zárja be a Megnyitás ablakot és nyissa azt meg újra - "
    "vagy válassza/jelölje ki az útvonalat.\r\n\r\nMinden egyéb esetben, az aktuális játék könyvtára lesz "
    "alapértelmezett.";
const char* const kMentesTipp =
    "Elsőként azt a könyvtárat nyitja meg a program, ahova utoljára mentette az aktuális játék "
    "állományát.\r\nAmennyiben ez az útvonal nem felel meg, zárja be a Mentés ablakot és nyissa azt meg újra - "
    "vagy válassza/jelölje ki az útvonalat.\r\n\r\nMinden egyéb esetben, az aktuális játék könyvtára lesz "
    "alapértelmezett.";

const char* const kJovahagyasTipp =
    "A Jóváhagyás kérése szolgáltatás, a programmal ismerkedő felhasználók számára lehet "
    "hasznos.\r\nA szolgáltatást a Beállítások - Általános lapon tudja engedélyezni/tiltani.";
const char* const kNemErhetoEl = "Ez a funkció még nem érhető el.";

std::string hasznosInformacioSzoveg(const std::string& tipp, bool rendszerDoboz)
{
    if (rendszerDoboz) return tipp + "\r\n\r\n" + "\r\n\r\n" + kEmlekeztetoKerdes;
    return tipp + "\r\n\r\n" + kEmlekeztetoKerdes + "\r\n\r\n";
}

std::string sajatDobozSzoveg(const std::string& uzenet) { return uzenet + "\r\n\r\n"; }

std::string ervenytelenAllomanySzoveg(const std::string& allomany, const std::string& szoveg,
                                      bool altalanos)
{
    const std::string eleje =
        altalanos ? std::string("Érvénytelen, sérült vagy foglalt állomány - esetleg módosult a "
                                "játék számkészlete, szabályzata.")
                  : szoveg;
    return eleje + "\r\n\r\n" + allomany;
}

const char* const kNincsSzabadHely = "Nincs elég szabad hely a kiválasztott meghajtón.";
const char* const kHianyzoHuzasLista =
    "A kijelölt állomány a húzások listájára hivatkozik.\r\n\r\nA húzások listája hiányzik.";
const char* const kSerultHuzasLista =
    "Sérült vagy hiányzik a húzások listája.\r\n\r\nLetölti a húzások listáját a program "
    "honlapjáról?";
const char* const kNincsInternet = "Nincs internetkapcsolat.";

std::string allomanyHibaSzoveg(int objektum, int muvelet, const std::string& iniAllomany)
{
    std::string obj;
    switch (objektum) {
    case 0: obj = "a számsor"; break;
    case 1: obj = "a variáció"; break;
    case 2: obj = "az adatbázis"; break;
    default: obj = "a " + iniAllomany; break;
    }
    const std::string muv = muvelet == 0 ? "betöltése" : "mentése";
    return "Hiba történt " + obj + " állományának " + muv + " során.";
}

std::string ujabbVerzioAllomanySzoveg(const std::string& verzioSzoveg,
                                      const std::string& allomanyVerzio)
{
    return std::string("Aktuális verzió: Kavarex Personal ") + verzioSzoveg + "\r\n\r\n" + "A " +
           "Kavarex Personal" + " " + allomanyVerzio + " verzió állományát tölti be." +
           "\r\n\r\n" +
           "Az állomány olyan adatokat tartalmazhat, amelyeket nem tud értelmezni az aktuális "
           "verzió." +
           "\r\n\r\n" +
           "Javaslat: Frissítse a programot. Kattintson az Internet - Új verzió keresése menüpontra";
}

std::string masikJatekAllomanySzoveg(const std::string& allomany, bool hiba, int lottoIndex)
{
    std::string szoveg = "Nem az aktuális játékhoz tartozó állomány";
    if (hiba)
        return szoveg + " - vagy módosult a játék számkészlete, szabályzata" + "\r\n\r\n" +
               allomany;
    szoveg += ".";
    if (lottoIndex >= 0 && lottoIndex <= kJatekokSzama)
        szoveg += std::string("\r\n\r\n") + "A program megkísérli betölteni: " +
                  JatekNev[static_cast<std::size_t>(lottoIndex)];
    return szoveg + "\r\n\r\n" + allomany;
}

namespace {

// "5 különböző szám 1 és 90 között"; nev is an extra pool's name (" Euro")
// or empty.
std::string szamok(int db, const std::string& nev, int also, int felso)
{
    return std::to_string(db) + (db > 1 ? " különböző" : "") + nev + " szám " + std::to_string(also) + " és " +
           std::to_string(felso) + " között";
}

}  // namespace

std::string importSorLeiras(const GameParams& g, bool huzas)
{
    const int fo = huzas ? g.HuzottFoSzamokPluszNelkul : g.SzamsorFoSzamDb;
    const int plusz = g.VanPluszSzam ? g.PluszSzamDb : 0;
    const int pot = huzas ? g.PotSzamok : 0;
    const int pluszAlso = 1 - g.PluszSzamEltolas;
    std::string leiras = szamok(fo, "", 1, g.FoSzamKeszlet);
    if (plusz > 0)
        leiras += ", majd " + szamok(plusz, g.PluszSzamNev, pluszAlso, g.PluszSzamKeszlet - g.PluszSzamEltolas);
    if (pot > 0)
        leiras += ", majd " + szamok(pot, " plusz", 1, g.FoSzamKeszlet) + " (elhagyható)";
    const int sorsolasok = huzas ? std::max(1, g.SorsolasokSzama) : 1;
    if (sorsolasok > 1)
        leiras += ", majd a " + std::to_string(sorsolasok) + ". sorsolás számai ugyanígy (elhagyható)";
    if (!huzas)
        leiras += ", elválasztójellel";
    // The example: the smallest numbers of each part.
    std::string pelda;
    const auto hozzaad = [&pelda](int v) {
        if (!pelda.empty()) pelda += ';';
        pelda += std::to_string(v);
    };
    for (int s = 0; s < sorsolasok; ++s) {
        for (int i = 1; i <= fo; ++i) hozzaad(i);
        for (int i = 0; i < plusz; ++i) hozzaad(pluszAlso + i);
        for (int i = 1; i <= pot; ++i) hozzaad(fo + i);
    }
    return leiras + ", például: " + pelda;
}

std::string importHibasSor(std::int64_t sor, std::string_view szoveg, const std::string& leiras)
{
    constexpr std::size_t kMaxKarakter = 60;
    std::string idezet = toUtf8Detect(szoveg);
    std::size_t karakterek = 0, vag = std::string::npos;
    for (std::size_t i = 0; i < idezet.size(); ++i) {
        if ((static_cast<unsigned char>(idezet[i]) & 0xC0) == 0x80) continue;
        if (++karakterek > kMaxKarakter) {
            vag = i;
            break;
        }
    }
    if (vag != std::string::npos) idezet = idezet.substr(0, vag) + "…";
    const bool ures = idezet.find_first_not_of(" \t") == std::string::npos;
    return "\r\n\r\n" + std::to_string(sor) + ". sor: " + (ures ? std::string("üres") : "„" + idezet + "”") +
           "\r\nEgy sorban: " + leiras;
}

std::string pluszSzamTortenet(int lottoIndex, int sor)
{
    if (lottoIndex < 0 || lottoIndex >= kJatekokSzama) return "";
    const std::string nev = JatekNev[static_cast<std::size_t>(lottoIndex)];
    switch (lottoIndex) {
    case 1:
        if (sor >= 795) return "2007. 30. játékhetéig sorsoltak plusz számot a " + nev + " lottón.";
        break;
    case 4:
        if (sor < 1023) return "1977. 1. játékhetétől sorsolnak plusz számot a " + nev + " lottón.";
        break;
    case 6:
        if (sor < 332) return "1995. 11. játékhetétől sorsolnak plusz számot a " + nev + " lottón.";
        break;
    case 7:
        if (sor >= 1898)
            return "1995. 11. - 2015. 39. játékhetéig sorsoltak, majd 2018. 41. játékhetétől "
                   "ismét sorsolnak plusz számot a " +
                   nev + " lottón.";
        break;
    case 38:
        if (sor < 866)
            return "2022. 20. játékhetétől 3 plusz számot sorsolnak az " + nev + " játékon.";
        break;
    default: break;
    }
    return "";
}

std::string pluszSzamTippSzoveg(bool tortenettel, bool tortenetTipp, const std::string& tortenet)
{
    std::string szoveg =
        "A SHIFT billentyűt nyomva tartva jelölhető ki plusz szám - váltóbillentyű használata "
        "nélkül, a program értelemszerűen jelöli/törli a plusz számo(ka)t.";
    if (tortenettel && tortenetTipp && !tortenet.empty()) szoveg += "\r\n\r\n" + tortenet;
    return szoveg;
}

bool befejezetlenVariacioErtesitendo(bool befejezetlenVariacio, const BontasAllapotJelzok& a)
{
    if (!befejezetlenVariacio) return false;
    return a.BontasPause || a.Leallitott || a.BontasBefejezetlen;
}

int cimkeMaxSzelesseg(double meretSzorzo, int munkaTerSzelesseg)
{
    const int max = static_cast<int>(std::lround(meretSzorzo * 496));
    if (munkaTerSzelesseg < max) return munkaTerSzelesseg - 40;
    return max;
}

double dialogusSkala(double meretSzorzo) { return std::round(meretSzorzo * 100) / 100.0; }

int gombSorEltolas(int elsoGombBal, int utolsoGombBal, int utolsoGombSzelesseg,
                   int kliensSzelesseg)
{
    const int res = kliensSzelesseg - (utolsoGombBal + utolsoGombSzelesseg);
    if (res == elsoGombBal) return 0;
    return -((elsoGombBal - res) / 2);  // C++ division rounds toward zero
}

bool dialogusElfogadhato(const DialogusMeretek& m)
{
    if (m.CimkeTeto < 10 || m.CimkeSzelesseg < 10 || m.CimkeMagassag < 10) return false;
    if (m.DialogusSzelesseg > m.KepernyoSzelesseg || m.DialogusMagassag > m.KepernyoMagassag)
        return false;
    return m.KliensMagassag >= m.UtolsoGombAlja;
}

}  // namespace kvx
